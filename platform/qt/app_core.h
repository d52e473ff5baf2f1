#pragma once
// The program's settings object: named text and integer values per section,
// kept with QSettings (INI file in the user's config folder, organisation =
// the company key, application = the program title), and the owner of the
// recent-file list.
#include <QAction>
#include <QString>
#include <cstdint>
#include <memory>

namespace norva {

class CRecentFileList;

class CAppCore {
 public:
  CAppCore();
  ~CAppCore();
  CAppCore(const CAppCore&) = delete;
  CAppCore& operator=(const CAppCore&) = delete;

  // Nothing until LoadStdProfileSettings with a non-zero size.
  std::unique_ptr<CRecentFileList> m_pRecentFileList;

  // Path of the word processor stored under "Settings"/"Word" when that file
  // exists, else "" (with bAlert, after telling the user).
  QString GetWordPath(bool bAlert);
  // Integer value named by the decimal text of lpszEntry; nDefault when it is
  // missing, not a number or outside the 16-bit range.
  int16_t GetProfileInt(const QString& lpszSection, int16_t lpszEntry, int16_t nDefault);
  // Stored text without leading and trailing blanks and NULs, or lpszDefault
  // when the value is missing.
  QString GetProfileString(const QString& lpszSection, const QString& lpszEntry,
                           const QString& lpszDefault);
  void Initialize(const QString& lpszAppName);
  void LoadStdProfileSettings(int16_t nMaxMRU);
  // Hands menu item nIndex (0..5, 5 the separator) to the recent-file list.
  // Throws std::logic_error when the list was never created.
  void RecentMenu(int16_t nIndex, QAction* item);
  void RecentMenuUpdate();
  void SaveStdProfileSettings();
  void SetRegistryKey(const QString& lpszRegistryKey);
  bool WriteProfileInt(const QString& lpszSection, const QString& lpszEntry, int16_t nValue);
  // Empty entry: deletes the section. Empty value: deletes the value (False
  // when there was none). Otherwise writes the text. True on success.
  bool WriteProfileString(const QString& lpszSection, const QString& lpszEntry,
                          const QString& lpszValue);
  void AddToRecentFileList(const QString& lpszPathName);

  QString AppName() const { return m_strAppName; }
  QString RegistryKey() const { return m_strRegistryKey; }
  QString AppKeyName() const { return m_strAppKeyName; }

 private:
  bool SaveWordPath(const QString& path);

  QString m_strAppName;
  QString m_strRegistryKey;
  QString m_strAppKeyName;
};

// The program-wide settings object (created by start-up, released at
// shut-down) and the way other code reaches it: null before start-up.
extern std::shared_ptr<CAppCore> gAppCore;
std::shared_ptr<CAppCore> GetAppCore();

}  // namespace norva

#pragma once
// The most recently used document files: up to m_nMaxSize paths kept, most
// recent first, in the settings section m_strSection as values "File1" …;
// the first m_nSize shown as numbered File-menu items and in the drop-down
// menu of the toolbar's "OPEN" button (whose actions carry the position + 1
// as data). Positions are 0-based; a position outside the list throws
// std::out_of_range and changes nothing.
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <vector>

namespace norva {

class CAppCore;

class CRecentFileList {
 public:
  // store: where ReadList/WriteList keep the list (GetAppCore() when null).
  explicit CRecentFileList(CAppCore* store = nullptr);

  bool GetDisplayName(QString& strName, int16_t nIndex, const QString& lpszCurDir) const;
  QString GetRecentFile(int16_t nIndex) const;
  void Initialize(int16_t nStart, const QString& lpszSection, const QString& lpszEntryFormat,
                  int16_t nSize, int16_t nMaxSize, int16_t nMaxDispLen);
  QString Item(int16_t nIndex) const { return GetRecentFile(nIndex); }
  int16_t nRecentFileCnt() const;
  void ReadList();
  void Add(const QString& lpszPathName);
  void RecentMenu(int16_t nIndex, QAction* wMenu);
  void Remove(int16_t nIndex);
  void ToolbarMenu(QMenu* wBtnMenu) { m_pToolbarMenu = wBtnMenu; }
  void WriteList();
  void UpdateMenu();

  int16_t Size() const { return m_nSize; }
  int16_t MaxSize() const { return m_nMaxSize; }

 private:
  void CheckIndex(int n, int limit) const;
  CAppCore* Store() const;

  CAppCore* store_;
  std::vector<QString> m_aPaths;
  int16_t m_nSize = 0;
  int16_t m_nMaxSize = 0;
  int16_t m_nStart = 1;
  QString m_strSection;
  QString m_strEntryFormat;
  int16_t m_nMaxDispLen = -1;
  std::vector<QPointer<QAction>> m_aMenuItems;
  QPointer<QMenu> m_pToolbarMenu;
};

}  // namespace norva

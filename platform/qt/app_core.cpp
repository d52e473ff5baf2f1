#include "platform/qt/app_core.h"

#include <QFileInfo>
#include <QSettings>
#include <limits>
#include <stdexcept>

#include "document/paths.h"
#include "document/services.h"
#include "platform/qt/recent_file_list.h"

namespace norva {

std::shared_ptr<CAppCore> gAppCore;

std::shared_ptr<CAppCore> GetAppCore() { return gAppCore; }

namespace {

// The store of the program's key; null when no company key was set (this
// program always sets one before the first access).
std::unique_ptr<QSettings> OpenStore(const QString& company, const QString& app) {
  if (company.isEmpty() || app.isEmpty()) return nullptr;
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, company, app);
}

QString Key(const QString& section, const QString& entry) {
  return section + QLatin1Char('/') + entry;
}

}  // namespace

CAppCore::CAppCore() : m_strAppName(QString::fromUtf8(kProgramTitle)) {}

CAppCore::~CAppCore() = default;

void CAppCore::Initialize(const QString& lpszAppName) { m_strAppName = lpszAppName; }

void CAppCore::SetRegistryKey(const QString& lpszRegistryKey) {
  m_strRegistryKey = lpszRegistryKey;
  m_strAppKeyName = m_strAppName;
}

QString CAppCore::GetProfileString(const QString& lpszSection, const QString& lpszEntry,
                                   const QString& lpszDefault) {
  auto store = OpenStore(m_strRegistryKey, m_strAppKeyName);
  if (!store || lpszSection.isEmpty() || lpszEntry.isEmpty()) return lpszDefault;
  const QVariant v = store->value(Key(lpszSection, lpszEntry));
  if (!v.isValid()) return lpszDefault;
  return QString::fromStdString(TrimNulls(v.toString().toStdString()));
}

int16_t CAppCore::GetProfileInt(const QString& lpszSection, int16_t lpszEntry, int16_t nDefault) {
  auto store = OpenStore(m_strRegistryKey, m_strAppKeyName);
  if (!store || lpszSection.isEmpty()) return nDefault;
  const QVariant v = store->value(Key(lpszSection, QString::number(lpszEntry)));
  if (!v.isValid()) return nDefault;
  bool ok = false;
  const qlonglong n = v.toLongLong(&ok);
  if (!ok || n < std::numeric_limits<int16_t>::min() || n > std::numeric_limits<int16_t>::max())
    return nDefault;
  return static_cast<int16_t>(n);
}

bool CAppCore::WriteProfileInt(const QString& lpszSection, const QString& lpszEntry,
                               int16_t nValue) {
  auto store = OpenStore(m_strRegistryKey, m_strAppKeyName);
  if (!store || lpszSection.isEmpty() || lpszEntry.isEmpty()) return false;
  store->setValue(Key(lpszSection, lpszEntry), static_cast<int>(nValue));
  store->sync();
  return store->status() == QSettings::NoError;
}

bool CAppCore::WriteProfileString(const QString& lpszSection, const QString& lpszEntry,
                                  const QString& lpszValue) {
  auto store = OpenStore(m_strRegistryKey, m_strAppKeyName);
  if (!store || lpszSection.isEmpty()) return false;
  if (lpszEntry.isEmpty()) {
    store->remove(lpszSection);
  } else if (lpszValue.isEmpty()) {
    const QString key = Key(lpszSection, lpszEntry);
    if (!store->contains(key)) return false;
    store->remove(key);
  } else {
    store->setValue(Key(lpszSection, lpszEntry), lpszValue);
  }
  store->sync();
  return store->status() == QSettings::NoError;
}

void CAppCore::LoadStdProfileSettings(int16_t nMaxMRU) {
  if (nMaxMRU == 0) return;
  m_pRecentFileList = std::make_unique<CRecentFileList>(this);
  m_pRecentFileList->Initialize(1, QStringLiteral("Recent File List"), QStringLiteral("File"),
                                nMaxMRU, 20, 30);
  m_pRecentFileList->ReadList();
}

void CAppCore::RecentMenu(int16_t nIndex, QAction* item) {
  if (!m_pRecentFileList) throw std::logic_error("recent-file list not created");
  m_pRecentFileList->RecentMenu(nIndex, item);
}

void CAppCore::RecentMenuUpdate() {
  if (!m_pRecentFileList) throw std::logic_error("recent-file list not created");
  m_pRecentFileList->UpdateMenu();
}

void CAppCore::SaveStdProfileSettings() {
  if (m_pRecentFileList) m_pRecentFileList->WriteList();
}

void CAppCore::AddToRecentFileList(const QString& lpszPathName) {
  if (m_pRecentFileList) m_pRecentFileList->Add(lpszPathName);
}

bool CAppCore::SaveWordPath(const QString& path) {
  if (path.isEmpty()) return false;
  return WriteProfileString(QStringLiteral("Settings"), QStringLiteral("Word"), path);
}

QString CAppCore::GetWordPath(bool bAlert) {
  // Only a stored path can be found here: there is no automation server to ask.
  QString path = GetProfileString(QStringLiteral("Settings"), QStringLiteral("Word"), QString());
  if (path.isEmpty() || !QFileInfo(path).isFile()) {
    if (bAlert)
      MessageSink().Show(kProgramTitle,
                         "Microsoft Wordが見つかりません。\r\n"
                         "Microsoft Wordを起動して正常に動作するか確認して下さい。",
                         MsgIcon::Information, MsgButtons::Ok);
    path.clear();
  }
  return path;
}

}  // namespace norva

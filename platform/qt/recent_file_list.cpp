#include "platform/qt/recent_file_list.h"

#include <QDir>
#include <stdexcept>

#include "document/paths.h"
#include "platform/qt/app_core.h"

namespace norva {
namespace {

std::string Std(const QString& s) { return s.toStdString(); }
QString Q(const std::string& s) { return QString::fromStdString(s); }

bool SamePath(const QString& a, const QString& b) { return ComparePath(Std(a), Std(b)); }

QString EscapeAmpersands(QString s) { return s.replace(QLatin1Char('&'), QStringLiteral("&&")); }

}  // namespace

CRecentFileList::CRecentFileList(CAppCore* store) : store_(store) {}

CAppCore* CRecentFileList::Store() const {
  if (store_ != nullptr) return store_;
  return GetAppCore().get();
}

void CRecentFileList::CheckIndex(int n, int limit) const {
  if (n < 0 || n >= limit) throw std::out_of_range("recent-file list position out of range");
}

void CRecentFileList::Initialize(int16_t nStart, const QString& lpszSection,
                                 const QString& lpszEntryFormat, int16_t nSize, int16_t nMaxSize,
                                 int16_t nMaxDispLen) {
  m_aPaths.assign(nMaxSize > 0 ? nMaxSize : 0, QString());
  m_aMenuItems.assign(nSize >= 0 ? nSize + 1 : 0, QPointer<QAction>());
  m_nStart = nStart;
  m_strSection = lpszSection;
  m_strEntryFormat = lpszEntryFormat;
  m_nSize = nSize;
  m_nMaxSize = nMaxSize;
  m_nMaxDispLen = nMaxDispLen;
}

QString CRecentFileList::GetRecentFile(int16_t nIndex) const {
  CheckIndex(nIndex, static_cast<int>(m_aPaths.size()));
  return m_aPaths[nIndex];
}

int16_t CRecentFileList::nRecentFileCnt() const {
  int16_t n = 0;
  while (n < static_cast<int>(m_aPaths.size()) && !m_aPaths[n].isEmpty()) ++n;
  return n;
}

bool CRecentFileList::GetDisplayName(QString& strName, int16_t nIndex,
                                     const QString& lpszCurDir) const {
  CheckIndex(nIndex, static_cast<int>(m_aPaths.size()));
  const QString& p = m_aPaths[nIndex];
  if (p.isEmpty()) return false;
  if (!lpszCurDir.isEmpty() && SamePath(Q(GetFolder(Std(p))), lpszCurDir)) {
    strName = Q(GetFileName(Std(p)));
  } else if (m_nMaxDispLen != -1) {
    std::string shortened = Std(p);
    AbbreviatePath(shortened, m_nMaxDispLen);
    strName = Q(shortened);
  } else {
    strName = p;
  }
  return true;
}

void CRecentFileList::ReadList() {
  CAppCore* store = Store();
  for (int i = 0; i < static_cast<int>(m_aPaths.size()); ++i)
    m_aPaths[i] = store == nullptr
                      ? QString()
                      : store->GetProfileString(
                            m_strSection, m_strEntryFormat + QString::number(i + 1), QString());
}

void CRecentFileList::WriteList() {
  CAppCore* store = Store();
  if (store == nullptr) return;
  store->WriteProfileString(m_strSection, QString(), QString());
  for (int i = 0; i < static_cast<int>(m_aPaths.size()); ++i)
    if (!m_aPaths[i].isEmpty())
      store->WriteProfileString(m_strSection, m_strEntryFormat + QString::number(i + 1),
                                m_aPaths[i]);
}

void CRecentFileList::Add(const QString& lpszPathName) {
  if (m_aPaths.empty()) return;
  std::string full;
  FullPath(full, Std(lpszPathName));  // on failure the path as given
  const QString p = Q(TrimNulls(full));
  const int last = static_cast<int>(m_aPaths.size()) - 1;
  int k = last;  // the last position is not searched: its entry drops out
  for (int i = 0; i < last; ++i)
    if (!m_aPaths[i].isEmpty() && SamePath(m_aPaths[i], p)) {
      k = i;
      break;
    }
  for (int j = k; j >= 1; --j) m_aPaths[j] = m_aPaths[j - 1];
  m_aPaths[0] = p;
  UpdateMenu();
}

void CRecentFileList::Remove(int16_t nIndex) {
  CheckIndex(nIndex, static_cast<int>(m_aPaths.size()));
  const int last = static_cast<int>(m_aPaths.size()) - 1;
  for (int i = nIndex; i < last; ++i) m_aPaths[i] = m_aPaths[i + 1];
  m_aPaths[last].clear();
  UpdateMenu();
}

void CRecentFileList::RecentMenu(int16_t nIndex, QAction* wMenu) {
  CheckIndex(nIndex, static_cast<int>(m_aMenuItems.size()));
  m_aMenuItems[nIndex] = wMenu;
}

void CRecentFileList::UpdateMenu() {
  for (const auto& item : m_aMenuItems)
    if (item) item->setVisible(false);
  if (m_pToolbarMenu) m_pToolbarMenu->clear();
  QString curDir = QDir::currentPath();
  if (!curDir.endsWith(QLatin1Char('/'))) curDir += QLatin1Char('/');
  int shown = 0;
  for (int i = 0; i < m_nSize && i < static_cast<int>(m_aPaths.size()); ++i) {
    QString name;
    if (!GetDisplayName(name, static_cast<int16_t>(i), curDir)) break;
    // A "&" in a file name must show as itself, not as an access key.
    const QString shownName = EscapeAmpersands(name);
    if (QAction* item = m_aMenuItems[i]) {
      item->setText(QStringLiteral("&%1 %2").arg(m_nStart + i).arg(shownName));
      item->setVisible(true);
      item->setEnabled(true);
    }
    if (m_pToolbarMenu) {
      QAction* a = m_pToolbarMenu->addAction(shownName);
      a->setData(i + 1);
    }
    ++shown;
  }
  if (shown > 0 && static_cast<int>(m_aMenuItems.size()) > m_nSize) {
    QAction* sep = m_aMenuItems[m_nSize];
    if (sep && (sep->isSeparator() || sep->text() == QStringLiteral("-"))) {
      sep->setVisible(true);
      sep->setEnabled(true);
    }
  }
}

}  // namespace norva

#include "platform/controls/page_stack.h"

#include <QStringList>
#include <QTabBar>

#include "platform/controls/colors.h"

namespace norva {

IndexTab::IndexTab(QWidget* parent) : QTabWidget(parent) {}

QString IndexTab::Caption() const {
  QStringList parts;
  for (int i = 0; i < count(); ++i) parts << tabText(i);
  return parts.join(QLatin1Char('|'));
}

void IndexTab::SetCaption(const QString& captions) {
  const QStringList parts = captions.split(QLatin1Char('|'));
  for (int i = 0; i < count() && i < parts.size(); ++i) setTabText(i, parts[i]);
}

bool IndexTab::TabsVisible() const { return !tabBar()->isHidden(); }

void HideIndexTabs(IndexTab* tab) {
  QString caption = QStringLiteral("-");
  for (int i = 1; i < tab->NumTabs(); ++i) caption += QStringLiteral("|-");
  tab->SetCaption(caption);
  QPalette p = tab->palette();
  p.setColor(QPalette::Window, VbColor(kSysButtonFace));
  tab->setPalette(p);
  tab->tabBar()->hide();
  tab->setDocumentMode(true);
}

}  // namespace norva

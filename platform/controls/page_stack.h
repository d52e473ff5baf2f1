#pragma once
// Index-tab control. With visible tabs it is a plain tab widget; after
// HideIndexTabs it serves as a page stack whose page the program chooses
// (SetCurrentTab), with the tabs hidden and the dialog-face colour.
#include <QString>
#include <QTabWidget>

namespace norva {

class IndexTab : public QTabWidget {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

 public:
  explicit IndexTab(QWidget* parent = nullptr);

  int NumTabs() const { return count(); }
  int CurrTab() const { return currentIndex(); }
  void SetCurrentTab(int i) { setCurrentIndex(i); }
  // Tab captions separated by "|".
  QString Caption() const;
  void SetCaption(const QString& captions);
  bool TabsVisible() const;
};

// Hides the tabs: the caption becomes "-" once per tab joined by "|", the
// face takes the button-face colour and the tab row is not shown.
void HideIndexTabs(IndexTab* tab);

}  // namespace norva

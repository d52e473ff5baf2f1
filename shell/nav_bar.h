#pragma once
// The navigation bar: a small tool window that moves the active document
// through its six screens, with the report preview and the dimensioned view.
#include <QButtonGroup>
#include <QPushButton>
#include <QWidget>

namespace norva {

class frmNav : public QWidget {
  Q_OBJECT

 public:
  explicit frmNav(QWidget* owner);

  QPushButton* optTab[6] = {};
  QPushButton* cmdPreview = nullptr;
  QPushButton* cmdTool = nullptr;

  // Selects tab i without running its click handler.
  void SelectTab(int i);
  int SelectedTab() const;

  // The handlers of the buttons (the Command menu calls optTab_Click too).
  void optTab_Click(int index);
  void cmdPreview_Click();
  void cmdTool_Click();

  // In the top right corner of the owner's document area, so that it hides
  // neither the summary panel nor the menus and the toolbar.
  void PlaceAtOwner();
  // True while the bar stands where PlaceAtOwner put it (the user has not moved it).
  bool AtPlace() const { return placed_ && pos() == place_; }

 private:
  QButtonGroup* group_ = nullptr;
  bool placed_ = false;
  QPoint place_;
};

}  // namespace norva

#pragma once
// frmRefWeight, "土の単位体積重量": the guideline tables of soil unit weights.
// One row may be ticked for the backfill and one for the front soil; Apply
// (without a question) writes the moist weight and the moist weight less
// 9 kN/m3 into the document and into the opener's unit-weight boxes.
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "platform/controls/control_array.h"
#include "platform/controls/flex_grid.h"
#include "platform/controls/page_stack.h"

namespace norva {

class CDocument;

class frmRefWeight : public QDialog {
  Q_OBJECT

 public:
  explicit frmRefWeight(QWidget* owner);
  void SetDoc(CDocument* doc) { doc_ = doc; }
  // The basic-data screen whose boxes imnUnitW(0..3) Apply refreshes.
  void SetFrm(QWidget* frm) { frm_ = frm; }

  IndexTab* vstWeight = nullptr;
  QWidget* picWeight[5] = {};
  FlexGrid* fgRef[5] = {};
  ControlArray<QLabel> lblTochi3{"lblTochi3"};
  QPushButton* cmdApply = nullptr;
  QPushButton* cmdClose = nullptr;

  // Columns of a page's grid: the hidden unit-weight text and the two ticks.
  static int HiddenCol(int page);
  static int BackfillCol(int page) { return HiddenCol(page) + 1; }
  static int FrontCol(int page) { return HiddenCol(page) + 2; }

  // Shows the page of the document's guideline.
  void Form_Activate();
  void cmdApply_Click();

 protected:
  bool event(QEvent* e) override;

 private:
  void BuildPage(int page);
  void fgRef_AfterEdit(int page, int row, int col);
  CDocument* doc_ = nullptr;
  QWidget* frm_ = nullptr;
};

}  // namespace norva

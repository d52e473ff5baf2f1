#pragma once
// frmAllow, "材料の許容応力度": the guideline tables of the allowable stresses
// of plain concrete. Apply writes σck, σca, σta and τa into the document and
// into the basic-data screen's boxes.
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "platform/controls/control_array.h"
#include "platform/controls/number_box.h"
#include "platform/controls/page_stack.h"
#include "platform/controls/spread_grid.h"

namespace norva {

class CDocument;

class frmAllow : public QDialog {
  Q_OBJECT

 public:
  explicit frmAllow(QWidget* owner);
  // Stores the document and preselects the guideline and the strength.
  void SetDoc(CDocument* doc);

  ControlArray<QLabel> lblCaption{"lblCaption"};
  QComboBox* cmbSisin = nullptr;
  IndexTab* vstAllow = nullptr;
  QWidget* picAllow[3] = {};
  QComboBox* cmbTochi = nullptr;
  QComboBox* cmbDouro = nullptr;
  QComboBox* cmbTakuchi = nullptr;
  QGroupBox* fraTochi = nullptr;
  QGroupBox* fraDouro = nullptr;
  QGroupBox* fraTakuchi = nullptr;
  SpreadGrid* vsTochi = nullptr;
  SpreadGrid* vsDouro = nullptr;
  SpreadGrid* vsTakuchi = nullptr;
  QGroupBox* fraApply = nullptr;
  NumberBox* imnSgmck = nullptr;
  NumberBox* imnSgmca = nullptr;
  NumberBox* imnSgmta = nullptr;
  NumberBox* imnTaua = nullptr;
  ControlArray<QLabel> lblAllow{"lblAllow"};
  ControlArray<QLabel> lblUnit{"lblUnit"};
  QPushButton* cmdApply = nullptr;
  QPushButton* cmdClose = nullptr;

  void cmdApply_Click();

 private:
  QComboBox* BuildPage(int page, const QString& suffix, QGroupBox*& frame, SpreadGrid*& grid);
  void cmbSisin_Click(int item);
  // A strength list's choice into the four boxes.
  void Strength_Click(int page, QComboBox* list);
  QComboBox* ShownList() const;
  CDocument* doc_ = nullptr;
};

}  // namespace norva

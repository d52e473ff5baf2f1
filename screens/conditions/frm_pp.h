#pragma once
// frmPp, "受働土圧の算出": the passive earth pressure of the front soil by
// Coulomb's formula, normal and seismic, recomputed whenever an input
// changes. Apply writes the inputs, the print flag and the two resultants
// into the document and the resultants into the stability screen; the dialog
// stays open. Inputs without a result (a blank input, or angles for which the
// formula has no value) leave the result boxes blank and Apply writes no Pp.
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <optional>

#include "platform/controls/number_box.h"
#include "screens/bound_boxes.h"
#include "screens/conditions/conditions_tables.h"

namespace norva {

class CDocument;

class frmPp : public QDialog {
  Q_OBJECT

 public:
  explicit frmPp(QWidget* owner);
  void SetDoc(CDocument* doc);

  NumberBox* imnH = nullptr;
  NumberBox* imnGam = nullptr;
  NumberBox* imnFai = nullptr;
  NumberBox* imnDelt = nullptr;
  NumberBox* imnAlpha = nullptr;
  NumberBox* imnI = nullptr;
  NumberBox* imnKh = nullptr;
  QCheckBox* chkPrn = nullptr;
  QLabel* Label1 = nullptr;
  QGroupBox* fraPp = nullptr;
  NumberBox* imnKp[2] = {};
  NumberBox* imnPp[2] = {};
  QPushButton* Command1 = nullptr;
  QPushButton* cmdApply = nullptr;
  QPushButton* cmdClose = nullptr;

  // The last result, if the inputs have one.
  const std::optional<PpResult>& Result() const { return result_; }
  void CalcPp();
  void cmdApply_Click();
  void Command1_Click();

 private:
  CDocument* doc_ = nullptr;
  BoundBoxes<> inputs_;  // the seven inputs, bound to the Jyudo members
  std::optional<PpResult> result_;
};

}  // namespace norva

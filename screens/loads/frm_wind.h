#pragma once
// The wind-load calculator "風荷重": a fixed pressure for the windward or the
// leeward side, or the pressure of the road-earthworks formula, applied into
// the document's WindLoad and the loads screen's wind box. It opens on its
// own defaults every time and stays open after applying.
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <optional>

#include "platform/controls/control_array.h"
#include "platform/controls/number_box.h"
#include "platform/controls/option_array.h"
#include "screens/loads/load_calculators.h"

namespace norva {

class CDocument;

class frmWind : public QDialog {
  Q_OBJECT

 public:
  explicit frmWind(QWidget* owner = nullptr);
  void SetDoc(CDocument* doc) { m_cDoc = doc; }

  // The pressure Apply writes: none until an option is chosen, and none
  // under "その他" while a factor is blank.
  std::optional<double> p() const { return p_; }

  OptionArray optWind{"optWind"};
  ControlArray<QGroupBox> fraWind{"fraWind"};
  ControlArray<NumberBox> imnRou{"imnRou"};
  ControlArray<NumberBox> imnUd{"imnUd"};
  ControlArray<NumberBox> imnCd{"imnCd"};
  ControlArray<NumberBox> imnG{"imnG"};
  ControlArray<NumberBox> imnAlp{"imnAlp"};
  NumberBox* imnP = nullptr;
  ControlArray<QLabel> lblWind{"lblWind"};
  ControlArray<QLabel> lblUnit{"lblUnit"};
  QLabel* lblHelp = nullptr;
  QPushButton* cmdApply = nullptr;
  QPushButton* cmdClose = nullptr;

  void optWind_Click(int index);
  void cmdApply_Click();

 private:
  void Factor_Change(ControlArray<NumberBox>& factor, int index);
  void CalcWindLoad();
  void SetWindState();

  CDocument* m_cDoc = nullptr;
  std::optional<double> p_;
};

}  // namespace norva

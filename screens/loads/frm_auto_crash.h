#pragma once
// The vehicle-collision load "自動車衝突荷重": the collision load P and its
// height h from the guard-fence tables by kind, class and model, applied
// with the choice into the document and the loads screen. It opens on the
// stored kind, class and model (when they are in its lists) and stays open
// after applying.
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "platform/controls/control_array.h"
#include "platform/controls/number_box.h"
#include "platform/controls/option_array.h"
#include "platform/controls/spread_grid.h"
#include "platform/controls/text_box.h"

namespace norva {

class CDocument;

class frmAutoCrash : public QDialog {
  Q_OBJECT

 public:
  explicit frmAutoCrash(QWidget* owner = nullptr);
  void SetDoc(CDocument* doc);

  QGroupBox* fraType = nullptr;
  OptionArray optBougosaku{"optBougosaku"};
  QGroupBox* fraClassModel = nullptr;
  QLabel* lblClass = nullptr;
  QComboBox* cmbClass = nullptr;
  QLabel* lblModel = nullptr;
  QComboBox* cmbModel = nullptr;
  QGroupBox* fraApply = nullptr;
  TextBox* imtType = nullptr;
  NumberBox* imnH = nullptr;
  NumberBox* imnP = nullptr;
  QGroupBox* fraRef = nullptr;
  ControlArray<QGroupBox> fraAutoCrash{"fraAutoCrash"};
  ControlArray<SpreadGrid> vsAutoCrash{"vsAutoCrash"};
  QPushButton* cmdApply = nullptr;
  QPushButton* cmdClose = nullptr;

  void optBougosaku_Click(int index);
  void cmdApply_Click();

 private:
  void BuildReference();
  void FillClassModel();
  void SetCrashValues();

  CDocument* m_cDoc = nullptr;
};

}  // namespace norva

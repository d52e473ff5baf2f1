#pragma once
// frmKihon, screen 0: seismic coefficients, back ground, earth-pressure
// rules, backfill constants, unit weights and allowable stresses. It uses no
// fill lock: the fill runs the click handlers, which store the same values.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "platform/controls/control_array.h"
#include "platform/controls/option_array.h"
#include "screens/conditions/input_screen.h"

namespace norva {

class frmKihon : public InputScreen {
  Q_OBJECT

 public:
  frmKihon();

  void DataSet() override;
  void SetFormState() override;

  QCheckBox* chkKh = nullptr;
  QGroupBox* fraKh = nullptr;
  QGroupBox* fraSoilType = nullptr;
  OptionArray* optKirido = nullptr;
  QGroupBox* fraDoatsu2 = nullptr;
  OptionArray* optDoatsu2 = nullptr;
  QGroupBox* fraKirido = nullptr;
  QGroupBox* fraSecDoatsu = nullptr;
  OptionArray* optSecDoatsu = nullptr;
  QGroupBox* fraSoil = nullptr;
  QGroupBox* fraWeight[5] = {};
  QGroupBox* fraAllow = nullptr;
  ControlArray<QLabel> lblKh{"lblKh"};
  ControlArray<QLabel> lblSoil{"lblSoil"};
  ControlArray<QLabel> lblKirido{"lblKirido"};
  ControlArray<QLabel> lblWeight{"lblWeight"};
  ControlArray<QLabel> lblAllow{"lblAllow"};
  ControlArray<QLabel> lblUnit{"lblUnit"};
  QPushButton* cmdJibanRef = nullptr;
  QPushButton* cmdUnitWRef = nullptr;
  QPushButton* cmdAllowRef = nullptr;
  QPushButton* cmdPaHelp = nullptr;

  void cmdJibanRef_Click();
  void cmdUnitWRef_Click();
  void cmdAllowRef_Click();

 private:
  QWidget* BuildLeft();
  QWidget* BuildRight();
};

IScreen* MakeKihonScreen(int no);

}  // namespace norva

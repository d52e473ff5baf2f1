#pragma once
// frmAntei, screen 2: overturning method, sliding and passive earth pressure,
// bearing capacity given or computed, base and ground constants and, under
// the large-block guideline, the deformation moduli. It uses no fill lock:
// the fill runs the click rules, which change the document.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

#include "platform/controls/control_array.h"
#include "platform/controls/option_array.h"
#include "screens/conditions/input_screen.h"

namespace norva {

class frmAntei : public InputScreen {
  Q_OBJECT

 public:
  frmAntei();

  void DataSet() override;
  void SetFormState() override;

  QGroupBox* fraTentou = nullptr;
  OptionArray* optTentou = nullptr;
  QGroupBox* fraKatsudou = nullptr;
  OptionArray* optSlide = nullptr;
  QCheckBox* chkPp = nullptr;
  QPushButton* cmdJyudo = nullptr;
  ControlArray<QLabel> lblPp{"lblPp"};
  QGroupBox* fraSiji = nullptr;
  QCheckBox* chkQa = nullptr;
  QPushButton* cmdSijiRef = nullptr;
  ControlArray<QLabel> lblQa{"lblQa"};
  QGroupBox* fraBetween = nullptr;
  ControlArray<QLabel> lblFaib{"lblFaib"};
  QLabel* lblMyu = nullptr;
  ControlArray<QLabel> lblCb{"lblCb"};
  QGroupBox* fraSijiJiban = nullptr;
  QLabel* lblSijiFai = nullptr;
  QLabel* lblSijiC = nullptr;
  ControlArray<QLabel> lblSijiGam1{"lblSijiGam1"};
  ControlArray<QLabel> lblDfd{"lblDfd"};
  QGroupBox* fraNeireJiban = nullptr;
  ControlArray<QLabel> lblDf{"lblDf"};
  ControlArray<QLabel> lblSijiGam2{"lblSijiGam2"};
  QGroupBox* fraAE0 = nullptr;
  ControlArray<QLabel> lblAE0{"lblAE0"};
  ControlArray<QLabel> lblUnit{"lblUnit"};
  QPushButton* cmdAntHelp = nullptr;

  void cmdJyudo_Click();
  void cmdSijiRef_Click();

 protected:
  void AfterLeave(const NumField& field, bool typed) override;
  bool event(QEvent* e) override;

 private:
  QWidget* BuildStability();
  QWidget* BuildGround();
  void SubWindowState(Qt::WindowStates before, Qt::WindowStates now);
};

IScreen* MakeAnteiScreen(int no);

}  // namespace norva

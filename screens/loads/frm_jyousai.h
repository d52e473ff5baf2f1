#pragma once
// The surcharge dialog "上載荷重": the vehicle, crowd, snow and residential-
// land loads on four tabs beside the surcharge figure. Every change goes into
// the document at once (options, lists, leaving a box); there is no apply
// question and no cancel. "閉じる(&C)" and the close box both close it.
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "platform/controls/control_array.h"
#include "platform/controls/number_box.h"
#include "platform/controls/option_array.h"
#include "screens/bound_boxes.h"
#include "screens/loads/load_dialogs.h"

namespace norva {

class CDocument;
struct CDocumentInputs;

class frmJyousai : public QDialog {
  Q_OBJECT

 public:
  explicit frmJyousai(QWidget* owner = nullptr);
  // Binds the document and fills the dialog; a residential-land load left
  // blank becomes 9.8 and a stored T-load kind rewrites its standard load.
  void SetDoc(CDocument* doc);

  QTabWidget* vstLoad = nullptr;
  ControlArray<QWidget> picCont{"picCont"};
  FigureCanvas* vsdLoad = nullptr;
  OptionArray optAutoMobil{"optAutoMobil"};
  OptionArray optGunsyu{"optGunsyu"};
  OptionArray optSnow{"optSnow"};
  OptionArray optTakuchi{"optTakuchi"};
  QComboBox* cmbAutoMobil = nullptr;
  QComboBox* cmbSnow = nullptr;
  ControlArray<NumberBox> imnAutoMobil{"imnAutoMobil"};
  ControlArray<NumberBox> imnGunsyu{"imnGunsyu"};
  ControlArray<NumberBox> imnSnow{"imnSnow"};
  ControlArray<NumberBox> imnTakuchi{"imnTakuchi"};
  ControlArray<QLabel> lblAutoMobil{"lblAutoMobil"};
  ControlArray<QLabel> lblGunsyu{"lblGunsyu"};
  ControlArray<QLabel> lblSnow{"lblSnow"};
  ControlArray<QLabel> lblTakuchi{"lblTakuchi"};
  ControlArray<QLabel> lblUnit{"lblUnit"};
  QPushButton* cmdRefGunsyu = nullptr;
  QPushButton* cmdApply = nullptr;

  void DrawLoadDiagram();
  void cmdRefGunsyu_Click();

 private:
  struct Group;
  QWidget* BuildPage(int page, const Group& g);
  void SetAutoMobilState();
  void SetGunsyuState();
  void SetSnowState();
  void SetTakuchiState();
  void BoxLostFocus(const BoundBoxes<>::Entry& b, void (frmJyousai::*state)());
  void imnSnow_LostFocus(int index);
  void cmbAutoMobil_Click();
  void cmbSnow_Click();

  CDocument* m_cDoc = nullptr;
  BoundBoxes<> bound_;  // the twelve boxes, bound to the surcharge members
};

}  // namespace norva

#pragma once
// Screen 3 of a document: the loads of the wall (seven load groups) and its
// load cases (the table fgComb), with the calculation run.
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls/control_array.h"
#include "platform/controls/flex_grid.h"
#include "platform/controls/number_box.h"
#include "platform/controls/option_array.h"
#include "platform/controls/text_box.h"
#include "screens/bound_boxes.h"
#include "screens/loads/case_rules.h"
#include "screens/loads/kajyu_fields.h"
#include "screens/loads/loads_rules.h"
#include "screens/loads/name_dialog.h"
#include "shell/screen.h"

namespace norva {

class CDocument;
struct CDocumentInputs;
class CKajyuCase;

// The dialogs the loads screen opens, each modal with `owner` (the main
// window) on the screen's document. The screen refreshes itself after each
// one closes. A dialog left empty keeps its button disabled.
struct LoadDialogs {
  std::function<void(CDocument& doc, QWidget* owner)> jyousai;  // surcharges; then DataSet
  // Crowd-load table; writes the chosen load into GunsyuLoad and imnLoad.
  std::function<void(CDocument& doc, NumberBox* imnLoad, QWidget* owner)> gunsyu;
  std::function<void(CDocument& doc, QWidget* owner)> autoCrash;   // then DataSet
  std::function<void(CDocument& doc, QWidget* owner)> stoneCrash;  // then SetFormState
  std::function<void(CDocument& doc, QWidget* owner)> wind;        // then SetFormState
  std::function<void(CDocument& doc, QWidget* owner)> ninni;       // then the cases follow
  // The name of a new case: its nEndState (0 cancelled) and the name.
  std::function<int16_t(QWidget* owner, std::string* name)> addCase;
};
LoadDialogs& LoadsDialogs();

class frmKajyu : public QWidget, public IScreen {
  Q_OBJECT

 public:
  frmKajyu();

  void SetDoc(CDocument* doc) override;
  int16_t No() const override { return 3; }
  void DataSet() override;
  void SetFormState() override;
  QWidget* Widget() override { return this; }
  // Tall enough for the case table to show its fixed rows.
  QSize sizeHint() const override;

  int nCurCase() const { return nCurCase_; }
  const FrontSoil& bSoilF() const { return bSoilF_; }

  // Load groups.
  QGroupBox* fraAutoMobil = nullptr;
  QGroupBox* fraGunsyu = nullptr;
  QGroupBox* fraSnow = nullptr;
  QGroupBox* fraTakuchi = nullptr;
  ControlArray<QGroupBox> fraAutoCrash{"fraAutoCrash"};
  QGroupBox* fraStoneCrash = nullptr;
  QGroupBox* fraWind = nullptr;
  OptionArray optAutoMobil{"optAutoMobil"};
  OptionArray optGunsyu{"optGunsyu"};
  OptionArray optSnow{"optSnow"};
  OptionArray optTakuchi{"optTakuchi"};
  OptionArray optAutoCrash0{"optAutoCrash0"};
  OptionArray optAutoCrash1{"optAutoCrash1"};
  OptionArray optStoneCrash{"optStoneCrash"};
  OptionArray optWind{"optWind"};
  QComboBox* cmbAutoMobil = nullptr;
  QComboBox* cmbSnow = nullptr;
  QComboBox* cmbAutoCrash = nullptr;
  ControlArray<NumberBox> imnAutoMobil{"imnAutoMobil"};
  ControlArray<NumberBox> imnGunsyu{"imnGunsyu"};
  ControlArray<NumberBox> imnSnow{"imnSnow"};
  ControlArray<NumberBox> imnTakuchi{"imnTakuchi"};
  ControlArray<NumberBox> imnAutoCrash{"imnAutoCrash"};
  ControlArray<NumberBox> imnStoneCrash{"imnStoneCrash"};
  ControlArray<NumberBox> imnWind{"imnWind"};
  ControlArray<QLabel> lblAutoMobil{"lblAutoMobil"};
  ControlArray<QLabel> lblGunsyu{"lblGunsyu"};
  ControlArray<QLabel> lblSnow{"lblSnow"};
  ControlArray<QLabel> lblTakuchi{"lblTakuchi"};
  ControlArray<QLabel> lblAutoCrash{"lblAutoCrash"};
  ControlArray<QLabel> lblStoneCrash{"lblStoneCrash"};
  ControlArray<QLabel> lblWind{"lblWind"};
  ControlArray<QLabel> lblUnit{"lblUnit"};
  QPushButton* cmdQload = nullptr;
  QPushButton* cmdRefGunsyu = nullptr;
  QPushButton* cmdRefAutoCrash = nullptr;
  QPushButton* cmdStoneCrash = nullptr;
  QPushButton* cmdWind = nullptr;
  QPushButton* cmdNini = nullptr;

  // Load cases.
  FlexGrid* fgComb = nullptr;
  TextBox* imtLoadName = nullptr;
  ControlArray<QPushButton> cmdCase{"cmdCase"};
  QPushButton* cmdKajyuComb = nullptr;
  QLabel* Label1 = nullptr;
  ControlArray<QLabel> Label2{"Label2"};

  // Frame.
  TextArea* imtHelp = nullptr;
  QPushButton* cmdAntResult = nullptr;
  QPushButton* cmdPrevious = nullptr;
  QPushButton* cmdNext = nullptr;

  // Event handlers (also driven by the tests).
  void cmdCase_Click(int index);
  void cmdKajyuComb_Click();
  void cmdAntResult_Click();
  void cmdQload_Click();
  void cmdRefGunsyu_Click();
  void cmdRefAutoCrash_Click();
  void cmdStoneCrash_Click();
  void cmdWind_Click();
  void cmdNini_Click();

 private:
  using Bound = BoundBoxes<KajyuField>::Entry;
  // A list with its items and no selection.
  static void FillList(QComboBox* list, const std::vector<std::string>& items);
  void BuildGroups();
  // A load group's frame: its option pair, at most one list, the boxes of the
  // table named `boxes` with captions and units, and at most one button.
  QGroupBox* BuildGroup(const char* caption, OptionArray& opt, ControlArray<QLabel>& labels,
                        ControlArray<NumberBox>& boxes, int firstBoxLabel, QComboBox* list,
                        const char* listCaption, QPushButton* button);
  QGroupBox* BuildCrashGroup();
  void BuildCases();
  QWidget* BuildFrame();
  void WireHandlers();
  // The box of the row in `arr` with its unit label.
  NumberBox* AddBox(ControlArray<NumberBox>& arr, const KajyuField& row);
  void FillGroups();
  void ApplyGroupState();
  bool SnowState();

  void OptionClick(int16_t CDocumentInputs::*sw, int index);
  void BoxLostFocus(const Bound& b);
  void imnSnow_LostFocus(int index);
  void cmbAutoMobil_Click();
  void cmbSnow_Click();

  // Load-case table.
  void FillCaseTable();
  void SetCaseColumnCells(int k, CKajyuCase& kase);
  void PaintCaseColumn(int i);
  void SyncCaseName(bool bSave, int i);
  void AddCase(const std::shared_ptr<CKajyuCase>& kase);
  void fgComb_BeforeEdit(int row, int col, bool* cancel);
  void fgComb_AfterEdit(int row, int col);
  void fgComb_AfterRowColChange(int newCol);

  CDocument* m_cDoc = nullptr;
  FrontSoil bSoilF_{false, false};
  int nCurCase_ = 0;
  CaseTableLayout layout_;
  BoundBoxes<KajyuField> bound_;  // every number box, in the order of the table
  int32_t snowListSisin_ = -1;    // the guideline cmbSnow was filled for
  QPointer<QWidget> hintOwner_;   // the list or button whose hint is shown
};

// The dialog that asks the name of a new load case (at most 30 characters);
// an empty name is refused with a message.
class frmAddCase : public NameDialog {
  Q_OBJECT

 public:
  explicit frmAddCase(QWidget* owner = nullptr);
  // The entered name, trimmed; "" until "追加" is pressed.
  std::string CaseName() const { return name_; }

  void cmdAdd_Click() override;
};

// Shows frmAddCase modal; returns its nEndState and, for 1, the name.
int16_t RunAddCase(QWidget* owner, std::string* name);

// Puts screen 3 and its dialogs into the shell's registry.
void RegisterLoadsWindows();

}  // namespace norva

#pragma once
// Screen 5 of a document: the member-stress results of every load case: the
// wall stem at a chosen check section (a mixed wall shows its upper and lower
// wall on two tab pages, any other wall lives on page 1), the toe slab and
// the shear key with the key's main bars. Filling the screen runs the member
// calculations on the current stability results; a load case that cannot be
// computed is named in a message and shows "-----".
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "calc/stability/stability_status.h"
#include "platform/controls/control_array.h"
#include "platform/controls/number_box.h"
#include "platform/controls/spread_grid.h"
#include "platform/controls/text_box.h"
#include "shell/screen.h"

namespace norva {

class CDocument;
struct MemberRow;

// Windows the screen opens; tests replace them.
struct OuryokuDialogs {
  // The add dialog of check sections for a wall part, modal.
  std::function<void(CDocument& doc, int16_t part, QWidget* owner)> addSecPos;
};
OuryokuDialogs& MemberDialogs();

class frmOuryoku : public QWidget, public IScreen {
  Q_OBJECT

 public:
  frmOuryoku();

  void SetDoc(CDocument* doc) override { doc_ = doc; }
  int16_t No() const override { return 5; }
  // Recalculates the stem, toe slab and key of every case and fills the screen.
  void DataSet() override;
  // Caption rows, rows and borders, page and frame enabling.
  void SetFormState() override;
  QWidget* Widget() override { return this; }
  QSize sizeHint() const override;

  // The grids' fillers (case i in row i + 2).
  void ShowWallRes(int page, int section);
  void ShowFotRes();
  // Recalculates the key of every case, then TokAs, imnAs (blank without
  // steel) and the grid.
  void ShowTokRes();

  // Event handlers (also driven by the tests).
  void cmbWallSecPos_Click(int index);
  void cmbDia_Click();
  void imnHon_LostFocus();
  void imnPich_LostFocus();
  void imnKab_LostFocus();
  void cmdWallSecPos_Click(int index);
  void cmdPrevious_Click();
  void cmdPrint_Click();
  void cmdNext_Click();
  void tmOuryoku_Timer();

  QGroupBox* fraWall = nullptr;
  QTabWidget* vstWall = nullptr;
  ControlArray<QWidget> picWall{"picWall"};
  ControlArray<QPushButton> cmdWallSecPos{"cmdWallSecPos"};
  ControlArray<QComboBox> cmbWallSecPos{"cmbWallSecPos"};
  ControlArray<QLabel> lblWall{"lblWall"};
  ControlArray<QLabel> lblUnit{"lblUnit"};
  ControlArray<SpreadGrid> vsWallRes{"vsWallRes"};
  QGroupBox* fraFot = nullptr;
  SpreadGrid* vsFot = nullptr;
  QGroupBox* fraTok = nullptr;
  QLabel* lblTok = nullptr;                       // "主鉄筋　　D"
  ControlArray<QLabel> lblTokPart{"lblTokPart"};  // the rest of the line
  QComboBox* cmbDia = nullptr;
  NumberBox* imnPich = nullptr;
  NumberBox* imnHon = nullptr;
  NumberBox* imnKab = nullptr;
  NumberBox* imnAs = nullptr;
  SpreadGrid* vsTok = nullptr;
  TextArea* imtHelp = nullptr;
  QPushButton* cmdPrint = nullptr;
  QPushButton* cmdPrevious = nullptr;
  QPushButton* cmdNext = nullptr;
  QTimer* tmOuryoku = nullptr;

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void BuildWall();
  void BuildFot();
  void BuildTok();
  void Wire();
  SpreadGrid* MakeGrid(const QString& name, int index, std::initializer_list<double> widths,
                       QWidget* parent);
  // Rows for every case (at least the designed visible rows), every cell
  // with its border.
  void SizeGrid(SpreadGrid* grid);
  // Writes one case row: name, numbers from column 2, checks, judgement.
  void WriteRow(SpreadGrid* grid, int caseNo, const MemberRow& row, int checkCol, int areaCol);
  void FillSectionList(int page, int16_t part, int select);
  void CaptionRow(SpreadGrid* grid, const std::vector<std::pair<const char*, const char*>>& cols);
  // A rebar box changed since it took the focus.
  bool Changed(NumberBox* box) const;
  void KeepFocusState(NumberBox* box);

  // Load cases that could not be computed, each named once with its reasons
  // when the handler ends.
  void Note(int32_t caseNo, const StabStatus& s);
  void ReportFailures();
  QWidget* DialogOwner();

  CDocument* doc_ = nullptr;
  std::map<int32_t, std::vector<std::string>> failures_;
  std::vector<std::pair<QWidget*, QString>> hints_;
  QString lastHint_;
  bool hintShown_ = false;
  NumberBox* focusBox_ = nullptr;
  bool focusBlank_ = true;
  double focusValue_ = 0;
};

}  // namespace norva

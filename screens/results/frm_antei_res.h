#pragma once
// Screen 4 of a document: the stability results. The summary grids judge
// every load case; below them the detail pages of the case chosen in the
// list (earth pressure with its wedge trials, line of thrust, overturning,
// sliding, bearing). A slip angle typed on an earth-pressure page is fixed
// for that wedge and recalculates the one case.
//
// What the controls show is worked out by the plain functions of
// antei_res_rules.h and antei_res_pages.h; this class only applies it.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/canvas/canvas_render.h"
#include "platform/controls/control_array.h"
#include "platform/controls/number_box.h"
#include "platform/controls/option_array.h"
#include "platform/controls/page_stack.h"
#include "platform/controls/spread_grid.h"
#include "platform/controls/text_box.h"
#include "shell/screen.h"

namespace norva {

class CAntRes;
class CDocument;
class CKusabiRes;
class cDraw;
class FigureRedraw;
struct JudgeRow;

// What the screen calls outside itself; tests replace them to count the
// calls. Empty entries do nothing.
struct AnteiResServices {
  // The full calculation with its progress window; true when it ran.
  std::function<bool(CDocument& doc)> calculate;
  // The one-case recalculation after a fixed slip angle.
  std::function<bool(CDocument& doc, int32_t caseIndex)> recalcCase;
  // The figures of the detail pages, drawn on a canvas of the picture's
  // size in twips.
  std::function<void(const CDocument& doc, cDraw& canvas, const std::string& trialFile,
                     const CKusabiRes& wedge)>
      kusabiGraph;
  std::function<void(CDocument& doc, int16_t caseIndex, CAntRes& result, cDraw& canvas, bool colour,
                     const std::string& pointFile)>
      siryokusen;
  // The water-level window, modal over owner.
  std::function<void(CDocument& doc, QWidget* owner)> wlvlWindow;
};
AnteiResServices& AnteiResHooks();

class frmAnteiRes : public QWidget, public IScreen {
  Q_OBJECT

 public:
  frmAnteiRes();
  ~frmAnteiRes() override;

  void SetDoc(CDocument* doc) override;
  int16_t No() const override { return 4; }
  void DataSet() override;
  void SetFormState() override;
  QWidget* Widget() override { return this; }
  QSize sizeHint() const override;

  // Summary.
  QGroupBox* fraAntSummary = nullptr;
  OptionArray optAntei{"optAntei"};
  QPushButton* cmdWlvl = nullptr;
  IndexTab* vstAntRes = nullptr;
  ControlArray<SpreadGrid> vsAntRes{"vsAntRes"};

  // Detail frame.
  QGroupBox* fraAntDetail = nullptr;
  QLabel* lblAntDetail = nullptr;
  QListWidget* lsAntDetail = nullptr;
  IndexTab* vstWall = nullptr;
  ControlArray<QWidget> picWall{"picWall"};
  ControlArray<IndexTab> vstAntDetail{"vstAntDetail"};
  ControlArray<QWidget> picAntDetail{"picAntDetail"};

  // Earth pressure (page sets 0: upper wall, 1: the wall or lower wall).
  ControlArray<IndexTab> vstDoatsu{"vstDoatsu"};
  ControlArray<QWidget> picDoatsu{"picDoatsu"};
  QGroupBox* fraDoatsu1 = nullptr;
  QGroupBox* fraDoatsu3 = nullptr;
  ControlArray<QGroupBox> fraDoatsu2{"fraDoatsu2"};
  ControlArray<QGroupBox> fraDoatsu4{"fraDoatsu4"};
  ControlArray<QGroupBox> fraDoatsu5{"fraDoatsu5"};
  ControlArray<NumberBox> imnDoatsu1{"imnDoatsu1"};
  ControlArray<NumberBox> imnDoatsu2{"imnDoatsu2"};
  ControlArray<NumberBox> imnDoatsu3{"imnDoatsu3"};
  ControlArray<NumberBox> imnDoatsu4{"imnDoatsu4"};
  ControlArray<NumberBox> imnDoatsu5{"imnDoatsu5"};
  SpreadGrid* vsDoatsu1 = nullptr;
  SpreadGrid* vsDoatsu3 = nullptr;
  CanvasWidget* vsdDoatsu1 = nullptr;
  CanvasWidget* vsdDoatsu3 = nullptr;

  // Line of thrust (index 0..5 upper wall, 10..15 the main page).
  ControlArray<CanvasWidget> vsdSiryoku{"vsdSiryoku"};
  ControlArray<NumberBox> imnSiryoku{"imnSiryoku"};
  ControlArray<TextBox> imtSiryoku{"imtSiryoku"};
  ControlArray<QLabel> lblSiryoku{"lblSiryoku"};

  // Overturning.
  ControlArray<QLabel> lblTentou{"lblTentou"};
  NumberBox* imnMr = nullptr;
  NumberBox* imnMo = nullptr;
  ControlArray<NumberBox> imnV{"imnV"};
  ControlArray<NumberBox> imnFm{"imnFm"};
  ControlArray<NumberBox> imnD{"imnD"};
  ControlArray<NumberBox> imnE{"imnE"};
  ControlArray<TextBox> imtFm{"imtFm"};
  ControlArray<QFrame> Line1{"Line1"};
  // Row groups of the overturning page that the form state shows or hides.
  QWidget* rowTentouFm = nullptr;
  QWidget* rowTentouD = nullptr;
  QWidget* rowTentouE = nullptr;

  // Sliding.
  IndexTab* vstKatsudou = nullptr;
  ControlArray<QWidget> picKatsudou{"picKatsudou"};
  ControlArray<QLabel> lblKatsu{"lblKatsu"};
  ControlArray<NumberBox> imnH{"imnH"};
  ControlArray<NumberBox> imnH1{"imnH1"};
  ControlArray<NumberBox> imnQ{"imnQ"};
  ControlArray<NumberBox> imnFs{"imnFs"};
  ControlArray<TextBox> imtFs{"imtFs"};
  ControlArray<QFrame> Line5{"Line5"};
  QFrame* Line4 = nullptr;

  // Bearing.
  ControlArray<QLabel> lblSiji{"lblSiji"};
  NumberBox* imnNc = nullptr;
  NumberBox* imnNq = nullptr;
  NumberBox* imnNg = nullptr;
  IndexTab* vstSiji = nullptr;
  ControlArray<QWidget> picSiji{"picSiji"};
  ControlArray<QWidget> vsEShiji{"vsEShiji"};
  ControlArray<TextBox> imnQmax{"imnQmax"};
  ControlArray<TextBox> imnQmin{"imnQmin"};
  ControlArray<NumberBox> imnQa{"imnQa"};
  ControlArray<NumberBox> imnFb{"imnFb"};
  ControlArray<TextBox> imtFb{"imtFb"};
  QFrame* Line2 = nullptr;

  // Frame.
  TextArea* imtHelp = nullptr;
  QPushButton* cmdPrint = nullptr;
  QPushButton* cmdPrevious = nullptr;
  QPushButton* cmdNext = nullptr;

  // Event handlers (also driven by the tests).
  void lsAntDetail_Click();
  void optAntei_Click(int index);
  void cmdNext_Click();
  void cmdPrevious_Click();
  void cmdPrint_Click();
  void cmdWlvl_Click();

  // Procedures of the screen.
  void SetAntSummary(int caseIndex);
  void ShowAntDetail(int caseIndex);
  void SetUserOmega(double angle, int wedge, int part);

  // The slip-angle boxes: `box` of page set `pageSet` fixes wedge `wedge`.
  struct OmegaBox {
    NumberBox* box;
    int pageSet;
    int wedge;
  };
  const std::vector<OmegaBox>& OmegaBoxes() const { return omegaBoxes_; }

 private:
  // Building (frm_antei_res_pages.cpp builds the detail pages).
  QWidget* BuildSummary();
  QWidget* BuildDetail();
  QWidget* BuildDoatsuPages(int pageSet);
  QWidget* BuildEmbankmentPage(int pageSet);
  QWidget* BuildCutPage(int pageSet);
  QWidget* BuildLargeBlockPage();
  QWidget* BuildThrustPage(int first);
  QWidget* BuildTentouPage();
  QWidget* BuildKatsudouPages();
  QWidget* BuildSijiPage();
  void WireHandlers();

  // Summary grids.
  void SetupGrid(int grid);
  // Detail pages.
  void ShowDoatsuDetail(int pageSet, const CAntRes& r);
  void SetKusabiTable(int pageSet, const std::string& path, const CAntRes& r);
  void ShowThrust(int first, const CAntRes& r);
  void ShowTentou(const CAntRes& r);
  void ShowKatsudou(const CAntRes& r);
  void ShowSijiFactors(const CAntRes& r);
  void ShowSijiDetail(int part, int caseIndex);
  void DrawKusabiGraphPic(CanvasWidget* pic, const std::string& path,
                          const std::shared_ptr<CKusabiRes>& wedge);
  void DrawSiryokusenPic(CanvasWidget* pic, int caseIndex, const std::shared_ptr<CAntRes>& r);
  void SetJudge(NumberBox* value, TextBox* mark, NumberBox* limit, TextBox* verdict,
                const JudgeRow& row);
  // Slip-angle boxes.
  void OmegaGotFocus(const OmegaBox& b);
  void OmegaLostFocus(const OmegaBox& b);

  CDocument* doc_ = nullptr;
  bool calcFailed_ = false;
  std::vector<OmegaBox> omegaBoxes_;
  double omegaOnFocus_ = 0;
  QString omegaTextOnFocus_;
  FigureRedraw* redraw_ = nullptr;
};

// Puts screen 4 into the shell's registry.
void RegisterStabilityResultWindows();

}  // namespace norva

#pragma once
// Screen 1 of a document: the wall section. Three pages (躯体, 土砂, 水位)
// of boxes bound to the document, and on the right either the guide picture
// of the chosen shape with the dimension being edited marked, or the live
// dimensioned drawing of the section entered.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "drawing/base/cdraw.h"
#include "platform/canvas/canvas_render.h"
#include "platform/controls/control_array.h"
#include "platform/controls/number_box.h"
#include "platform/controls/option_array.h"
#include "platform/controls/page_stack.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/spread_grid.h"
#include "platform/controls/text_box.h"
#include "screens/bound_boxes.h"
#include "screens/section/guide_pictures.h"
#include "screens/section/kutai_fields.h"
#include "shell/screen.h"

namespace norva {

class CDocument;

// Where the guide pictures are read from: the program folder's "resource"
// folder unless a test names another one (with a trailing "/").
std::string GuidePictureFolder();
void SetGuidePictureFolder(const std::string& folder);

class frmKutai : public QWidget, public IScreen {
  Q_OBJECT

 public:
  frmKutai();
  ~frmKutai() override;

  void SetDoc(CDocument* doc) override;
  // The document the screen edits; null once that open document has been
  // released (its boxes then reach nothing).
  CDocument* Doc() const;
  int16_t No() const override { return 1; }
  void DataSet() override;
  void SetFormState() override { FormState(); }
  QWidget* Widget() override { return this; }
  void UnloadByCode() override;
  QSize sizeHint() const override;

  // Enables the controls from the document; true when screen 1 is complete
  // (taken before the enabling may switch off a leaning wall's base and key).
  bool FormState();

  // The box of the table named `name` with that Index (-1: a single box).
  NumberBox* Box(const char* name, int index = -1) const;
  // Every bound box in the order of the table.
  std::vector<NumberBox*> Boxes() const;
  // The drawing case shown live (0 normal, 1 seismic).
  int DrawCase() const { return drawCase_; }
  const HanRectTables& HanRects() const { return hanRects_; }

  // Pages.
  IndexTab* vstKutai = nullptr;
  IndexTab* vstKeijyo = nullptr;
  IndexTab* vstUragome = nullptr;
  ControlArray<QWidget> picKeijyo{"picKeijyo"};

  // Boxes (all from the field table).
  ControlArray<NumberBox> imnBlockSize{"imnBlockSize"};
  ControlArray<NumberBox> imnFoundSize{"imnFoundSize"};
  ControlArray<NumberBox> imnGrwSize{"imnGrwSize"};
  ControlArray<NumberBox> imnMtwSize{"imnMtwSize"};
  ControlArray<NumberBox> imnCongouSize{"imnCongouSize"};
  ControlArray<NumberBox> imnKeisya{"imnKeisya"};
  ControlArray<NumberBox> imnTokkiSize{"imnTokkiSize"};
  ControlArray<NumberBox> imnBlockLength{"imnBlockLength"};
  ControlArray<NumberBox> imnSOILFH{"imnSOILFH"};
  ControlArray<NumberBox> imnKirido{"imnKirido"};
  ControlArray<NumberBox> imnWatf{"imnWatf"};
  ControlArray<NumberBox> imnWatb{"imnWatb"};
  NumberBox* imnHD = nullptr;
  NumberBox* imnX1 = nullptr;
  NumberBox* imnX2 = nullptr;
  NumberBox* imnH0 = nullptr;
  NumberBox* imnNoriN = nullptr;
  NumberBox* imnNoriBeta = nullptr;

  // Options and checks.
  OptionArray optBlkSetti{"optBlkSetti"};
  OptionArray optBase{"optBase"};
  OptionArray optKeisya{"optKeisya"};
  OptionArray optTokki{"optTokki"};
  OptionArray optBackStyle{"optBackStyle"};
  OptionArray optWater{"optWater"};
  OptionArray optDrwCase{"optDrwCase"};
  QCheckBox* chkSuiiAuto = nullptr;
  QCheckBox* chkDrawMode = nullptr;
  QGroupBox* fraBlkSetti = nullptr;
  QGroupBox* fraKirido = nullptr;
  ControlArray<QGroupBox> fraKeisya{"fraKeisya"};
  ControlArray<QGroupBox> fraTokki{"fraTokki"};

  // Change points and commands.
  SpreadGrid* vsUragome = nullptr;
  ControlArray<QPushButton> cmdUragome{"cmdUragome"};
  QPushButton* cmdWatHelp = nullptr;

  // The right half.
  PictureBox* picDrawSize = nullptr;
  CanvasWidget* vsdDrawSize = nullptr;
  QLabel* lblDrawMode = nullptr;

  // Frame.
  TextArea* imtHelp = nullptr;
  QPushButton* cmdPrevious = nullptr;
  QPushButton* cmdNext = nullptr;

  // Event handlers (also driven by the tests).
  void cmdNext_Click();
  void cmdPrevious_Click();
  void chkSuiiAuto_Click();
  void cmdUragome_Click(int index);
  void cmdWatHelp_Click();
  void vsUragome_KeyPress(int keyAscii);
  void chkDrawMode_Click();
  void optDrwCase_Click(int index);
  void vsdDrawSize_MouseDown(int button, int shift);
  // Opens the catalogue search on this screen's document and refills the
  // screen after it closes. Nothing in the program calls it.
  void ShowSizeInp();

 private:
  using Bound = BoundBoxes<KutaiField>::Entry;
  struct RowLabels {
    QLabel* caption;
    QLabel* unit;
  };
  void BuildShapePages();
  QWidget* BuildSoilPage();
  QWidget* BuildWaterPage();
  QWidget* BuildRight();
  // A frame holding the boxes of the table named `name`, Index first..last.
  QGroupBox* BoxFrame(const char* title, const char* name, int first, int last);
  // Adds a row of the field to the grid: caption, box and unit.
  void AddRow(QGridLayout* grid, int row, const KutaiField& f);
  // A frame with a row of options of `arr` (Index first, first + 1, …).
  QGroupBox* OptionFrame(const char* title, OptionArray& arr, int first,
                         const std::vector<const char*>& captions);
  // A grid for box rows under the options of such a frame.
  static QGridLayout* FrameGrid(QGroupBox* fra);
  void WireHandlers();
  void SetBoxEnabled(NumberBox* box, bool on);

  void FillBoxes(int page, const char* name);
  void FillChangePoints();
  void RewriteChangePoints();

  void BoxGotFocus(const Bound& b);
  void BoxLostFocus(const Bound& b);
  void Derive(const Bound& b);
  void ShowSlopeAngle();

  void OptionClick(OptionArray& arr, int index);
  void optBackStyle_Click(int index);
  void LoadDrawSizePicture();
  void SectionRefresh();
  void RedrawWhenTicked();
  void DrawLive(int state);

  CDocument* doc_ = nullptr;
  std::weak_ptr<CDocument> tracked_;  // set when the document is an open one
  bool isTracked_ = false;
  BoundBoxes<KutaiField> bound_;
  std::vector<RowLabels> labels_;  // of each bound box, in the same order
  HanRectTables hanRects_;
  int drawCase_ = 0;
  cDraw live_;
  bool inLostFocus_ = false;
};

// Puts screen 1 and the dimensioned view into the shell's registry.
void RegisterSectionWindows();

}  // namespace norva

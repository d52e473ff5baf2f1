#pragma once
// The drawing options of a document ("設定"): scale, sheet size, margins,
// quantity table, drain holes and foundation layers. Every edit goes into the
// document at once; Cancel only reports that the dialog was cancelled.
//
// A margin, tier-count or dimension box left blank, or given a value outside
// its range, keeps the document's previous value: the box shows it again
// and a message says what the box takes. With drain holes on, exactly the
// first MizuDan rows of the height grid can be edited.
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <cstdint>

#include "platform/controls/control_array.h"
#include "platform/controls/number_box.h"
#include "platform/controls/option_array.h"
#include "platform/controls/spread_grid.h"
#include "screens/bound_boxes.h"

namespace norva {

class CDocument;

// A bound box of the dialog with the name its messages give it.
struct SecPrnField;

class frmSecPrnOptions : public QDialog {
  Q_OBJECT

 public:
  explicit frmSecPrnOptions(QWidget* owner = nullptr);

  // Keeps the document and fills the controls from it.
  void SetDoc(CDocument* doc);
  CDocument* Doc() const { return doc_; }
  // Enables or disables the drawing options (margins, sheet size, scale,
  // quantity table); the drain holes and foundation stay as they are.
  void SetDrawingOptionsEnabled(bool on);
  // 1 after OK, 0 after Cancel or the window's close box. With the drawing
  // options enabled, OK on a figure that does not fit the paper at the
  // chosen scale leaves the dialog open with a message naming the largest
  // scale that fits (SheetFitProblem).
  int16_t nEndState = 0;

  QGroupBox* fraDrwOpt = nullptr;
  QGroupBox* fraMargin = nullptr;
  QGroupBox* fraSheet = nullptr;
  QGroupBox* fraScale = nullptr;
  QGroupBox* fraSuryou = nullptr;
  QGroupBox* fraMizunuki = nullptr;
  QGroupBox* fraKiso = nullptr;
  QWidget* picMizunuki = nullptr;
  QWidget* picKiso = nullptr;
  ControlArray<NumberBox> imnMargin{"imnMargin"};
  OptionArray* optSheet = nullptr;
  OptionArray* optScale = nullptr;
  OptionArray* optSuryou = nullptr;
  QCheckBox* chkMizunuki = nullptr;
  ControlArray<NumberBox> imnKisozai{"imnKisozai"};
  SpreadGrid* vasH1 = nullptr;
  ControlArray<QLabel> lblCaption{"lblCaption"};
  ControlArray<QLabel> lblSub{"lblSub"};
  ControlArray<QLabel> lblUnit{"lblUnit"};
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;

  // Drain inputs follow the check box; grid rows 1..MizuDan are editable.
  void SetDrainState();

  // Closing by any road first lets the box being edited write its value.
  void done(int r) override;

 private:
  using Bound = BoundBoxes<SecPrnField>::Entry;
  void BuildDrawingOptions();
  void BuildDrain();
  void BuildFoundation();
  void Fill();
  // The box of the table named `name` with that Index, bound to its row.
  NumberBox* MakeBox(const char* name, int index, QWidget* parent);
  // The box's value into its member when Accepted, then the drain state.
  void BoxLostFocus(const Bound& b);
  void vasH1_EditChange(int col, int row);
  // Whether the box may write back; shows the message and the document's
  // value again when it holds no acceptable value.
  bool Accepted(NumberBox* box, const QString& name, double docValue);
  void SetRowLocked(int row, bool locked);
  // Shows the document's height of grid row `row` (1..5).
  void ShowHeight(int row);

  CDocument* doc_ = nullptr;
  bool filling_ = false;
  bool drawingOptions_ = true;
  BoundBoxes<SecPrnField> bound_;
};

}  // namespace norva

#pragma once
// One output of the standard-section drawing sheet: its state (target, mode,
// origin, scale, paper, the sizes of the quantity table and of the section
// figure) and the drawing primitives every part of the sheet draws through.
//
// Sheet coordinates are millimetres, x to the right, y toward the top of the
// sheet, relative to the current origin (SkzOrgX, SkzOrgY, in target units).
// A sheet point (x, y) is drawn at X = SkzOrgX + k x, Y = SkzOrgY -/+ k y
// with k the target's units per millimetre (56.7 twips on paper, 1 in SXF)
// and the minus sign where the target's y grows downward.
//
// A run starts with every size 0 and nothing from an earlier sheet: a sheet
// without a quantity table places its figure with a table width of 0.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "drawing/base/cdraw.h"  // kTwipsPerMm
#include "drawing/sheet/sheet_target.h"

namespace norva {

class CDocument;

// Layer table of the SXF sheet: name and the SXF pre-defined colour,
// line-type and line-width codes, layers 1 to 20 (entry 0 unused).
struct SxfLayerDef {
  const char* name;
  int32_t color;
  int32_t lineType;
  int32_t width;
};
extern const std::array<SxfLayerDef, 21> kSxfLayers;

// SXF layers the sheet draws on.
inline constexpr int kLayerTitleFrame = 2;
inline constexpr int kLayerTitleText = 4;
inline constexpr int kLayerSection = 5;
inline constexpr int kLayerSectionDim = 6;
inline constexpr int kLayerTableFrame = 18;
inline constexpr int kLayerTableText = 19;
inline constexpr int kLayerTableQuantity = 20;
// The SXF line type of the drain pipes.
inline constexpr int kDrainLineType = 7;

// Paper by the document's Sheet (0 A0 .. 4 A4): short and long side, mm.
// False for any other code.
bool SheetPaperSize(int16_t sheet, double& paperH, double& paperW);
// SkzScale by the document's DrwScale (0 1:10 .. 6 1:200); 0 for any other.
double SheetScale(int16_t drwScale);

struct SheetState {
  int16_t SkzSxfMode = 0;  // 0 printed page, 1 SXF file
  double SkzOrgX = 0, SkzOrgY = 0;
  double SkzScale = 0;
  double SkzPaperH = 0, SkzPaperW = 0;
  double SkzMatW = 0, SkzMatH = 0;
  double SkzSecW = 0, SkzSecH = 0;
  double SkzFigW = 0, SkzFigH = 0;
};

class SheetRun : public SheetState {
 public:
  explicit SheetRun(ISheetTarget& target) : SkzTarget(&target) {}

  ISheetTarget* SkzTarget;

  // ---- primitives, sheet millimetres ------------------------------------------
  void SkzText(double x, double y, const std::string& text);
  void SkzLine(double x1, double y1, double x2, double y2);
  // Nothing for n <= 1.
  void SkzPolyLine(int32_t n, const std::vector<double>& xs, const std::vector<double>& ys);
  // Chains of ns intervals (nothing for ns <= 0): texts[i] is the text of the
  // interval from point i-1 to point i. Runs of points that the target's
  // dimension drawing would take as one are merged into one point first,
  // dropping the texts of the empty intervals.
  void SkzHSunp(int32_t ns, const std::vector<double>& xs, const std::vector<double>& ys,
                const std::vector<std::string>& texts, double ypos, const std::string& typ);
  void SkzVSunp(int32_t ns, const std::vector<double>& xs, const std::vector<double>& ys,
                const std::vector<std::string>& texts, double xpos, const std::string& typ);
  void SkzRotSunp(int32_t ns, const std::vector<double>& xs, const std::vector<double>& ys,
                  double x, double y, double ang, const std::string& typ,
                  const std::vector<std::string>& texts);
  // The chain as given (sheet mm), by its kind.
  void SkzChain(const SheetChain& chain);
  void SkzFontSize(double h);
  double SkzTextWidth(const std::string& text) const;
  double SkzTextHeight(const std::string& text) const;
  // The text centred in the box with upper-left corner (x, y), w wide, h high.
  void SkzCenterText(double x, double y, double w, double h, const std::string& text);

  // SXF attributes of a layer (lineType 0: the layer's own). Paper ignores them.
  void LineAttrib(int layer, int lineType = 0);
  void FontAttrib(int layer);

  // Places the section figure (SkzFigW x SkzFigH) on the sheet: on paper
  // centred in the free space between the margins, or left of the title
  // column when half the free width is narrower than that column; in SXF at
  // (0, 0) of its composite figure.
  void SkzSetOrigin(const CDocument& doc);

  // The target position of a sheet point.
  double ToTargetX(double x) const;
  double ToTargetY(double y) const;
};

// Draws the sheet of the document on the target: mode 0 on paper, 1 into an
// SXF file. Returns the state the run ended with. Throws
// std::invalid_argument (before anything is drawn) for a sheet size or scale
// code outside the lists and for wall dimensions that were never entered;
// the message says which.
SheetState SkzOutput(int16_t mode, const CDocument& doc, ISheetTarget& target);

// Why the document cannot be drawn ("" when it can): a sheet or scale code
// outside the lists, margins that would put the frame or the title block off
// the paper (a file edited by hand: kSheetMarginsOff), a wall or drawing dimension that was never
// entered, or a section whose figure cannot be worked out in finite numbers (kSheetNotFinite).
std::string SheetInputError(const CDocument& doc);
inline constexpr const char* kSheetNotFinite =
    "断面の寸法から図を作成できません（寸法が大きすぎるか、高さ・幅が 0 です）。"
    "\n「形状寸法」の画面で擁壁の寸法を確認してください。";

inline constexpr const char* kSheetMarginsOff = "余白が負の値か、用紙に対して大きすぎます。";

// Width of the title block's column at the right of the paper, and the
// title block's height (mm).
inline constexpr double kSheetTitleColumn = 100;
inline constexpr double kSheetTitleHeight = 60;

// Whether the section figure at scale code drwScale (0 1:10 .. 6 1:200)
// fits the document's paper: within the margins, beside the title column.
// False for a sheet or scale code outside the lists or a figure that is not
// finite.
bool SheetFigureFits(const CDocument& doc, int16_t drwScale);
// The largest scale code whose figure fits (0 is the largest, 1:10); -1 when
// none does.
int16_t LargestFittingScale(const CDocument& doc);
// What the options dialog says before the preview opens when the figure at
// the chosen scale does not fit the paper, naming the largest scale that
// fits ("" when it fits, or when the sheet cannot be drawn at all: the
// preview names that reason).
std::string SheetFitProblem(const CDocument& doc);

}  // namespace norva

#pragma once
// Rules of the wall-section screen (screen 1) without a window: the checks
// of a fill and of leaving, the least footing width of block walls, the
// values derived from the dimension boxes, the enabling of the controls and
// the change points of an arbitrary back ground.
//
// Null inputs (the document null and the blank-box null) are negative, so
// every "> 0" or ">= 0" condition below treats a missing value as not given.
// No rule divides by zero: a step whose divisor is 0 is skipped and leaves
// the members as they were.
#include <cstdint>
#include <optional>
#include <string>

namespace norva {

class CDocument;

inline constexpr const char* kCoulombArbitraryMessage =
    "背面土砂形状が任意となっていますが、クーロン土圧式の場合は任意は対応できません。";
inline constexpr const char* kBlkH2Message = "前面高より低く入力してください。";
inline constexpr const char* kChangePointMessage =
    "対象外の形状です。\r\nΔX > 0、ΔY > 0でなければなりません。";

// Normalises the document before a fill. An arbitrary back ground under the
// Coulomb formula becomes horizontal (returns true: the screen tells the
// user). Block walls: under large-block masonry (Sisin 3) the backfill
// concrete thicknesses become 0 and the blocks are laid horizontally; under
// any other guideline the joint thickness BlkT2 becomes 0.
bool CheckKutaiData(CDocument& doc);

// The same clean-up of block walls when the program moves the document to
// another screen (the laying is left alone here).
void NormaliseOnLeave(CDocument& doc);

// What the fill itself stores: the gravity front slope (when GrwB1 > 0 and
// WallH > 0) and KiriDlt := 0 under every guideline but road earthworks.
// Also the values the boxes derive whatever box is left (WallB of every wall
// type, WallH and the back gradient MtwN2 of leaning walls, WallH of mixed
// walls): a document read from a file then holds what its inputs give, and
// leaving a box unchanged changes nothing.
void DataSetNormalise(CDocument& doc);

// ---- Least footing width of block walls ------------------------------------

// The least base width of a block wall on a footing for a base width `B`:
// laid horizontally (nBlkSetup 1) (BlkDeltT2 + BlkT) / cos(atan BlkN) + BlkB1,
// unrounded; laid square to the face cos a (BlkDeltT2 + BlkT) / cos(a - t) +
// BlkB1 rounded up at 3 decimals, a = atan((BlkH1 - BlkH2) / (B - BlkB1)),
// t = atan BlkN. Empty when a divisor is 0 (B = BlkB1, or a - t a right
// angle) or the result is not finite.
std::optional<double> LeastFootingWidth(const CDocument& doc, double B);

// The check of the next button. Only block walls on a footing are checked;
// when BlkB is below the least width, the least width that passes its own
// check (the width grows with B, so the search is repeated up to that fixed
// point) becomes BlkB and WallB, and `message` says it ("底面幅は0.525以上と
// してください。"). passes: the screen may move on.
struct FootingCheck {
  bool passes = true;
  double width = 0;  // the width stored when not passing
  std::string message;
};
FootingCheck CheckFootingWidth(CDocument& doc);

// ---- Values derived from the dimension boxes --------------------------------

// Base width of a block wall without footing (nBlkFound 1), when BlkT >= 0,
// BlkDeltT2 >= 0 and BlkN is no blank box: WallB = (BlkT + BlkDeltT2) / cos t
// for horizontal blocks, (BlkT + BlkDeltT2) cos t square to the face,
// t = atan BlkN. True when WallB was set.
bool BlockBaseWidthRule(CDocument& doc);

// WallB of a block wall after a change of its footing or laying option:
// without a footing the rule above, with one the footing width BlkB. Other
// wall types are left alone.
void DeriveBlockWallB(CDocument& doc);

// The gravity front slope GrwN = GrwB1 / (WallH - KeisyaH - GrwH1) with an
// inclined base (KeisyaH > 0, nKeisya 0), else GrwB1 / (WallH - GrwH1); only
// when WallH > 0 and GrwB1 >= 0 (strict: GrwB1 > 0). True when GrwN was set;
// a zero divisor sets nothing.
bool FrontSlopeRule(CDocument& doc, bool strict);

// The leaning-wall rules after leaving box `index` of imnMtwSize: the front
// gradient (boxes 0, 4), the front width (box 7), then always WallH, MtwN2
// (the back face's LeaningBackGradient, MtwB4 / (MtwH1 + MtwH3), also 0 for a
// vertical back) and WallB (index -1: only these). Says which display boxes
// show a new value.
struct LeaningShown {
  bool n1 = false;  // imnMtwSize(7)
  bool b2 = false;  // imnMtwSize(4)
  bool n2 = false;  // imnMtwSize(8)
};
LeaningShown LeaningRules(CDocument& doc, int index);

// Mixed wall: WallH = max(MxwH1, 0) + max(MxwH2, 0).
void MixedWallHeightRule(CDocument& doc);

// The back-ground slope angle in degrees, atan(1 / UraN) with pi taken as
// 4 atan(1); empty for UraN <= 0.
std::optional<double> SlopeAngle(double UraN);

// True when a back footing height v must be refused: v >= 0 and v > BlkH1
// (a missing BlkH1 refuses every v >= 0).
bool BlkH2Refused(double v, double BlkH1);

// ---- Enabling -----------------------------------------------------------------

// Which controls are enabled, in the order the screen applies them.
struct KutaiEnabling {
  int page = 0;                // shape page = WallType
  bool blkDeltT = false;       // ⊿t1, ⊿t2 (Sisin != 3)
  bool blkT2 = false;          // joint thickness (Sisin 3)
  bool blkSetti = false;       // laying of the blocks (Sisin != 3)
  bool kiri = false;           // cut slope d and N (BackType 1)
  bool kiriDlt = false;        // wall friction on the virtual back (also Sisin 2)
  bool keisyaFrames = false;   // inclined-base frames and options
  bool keisyaBoxes = false;    // inclined-base heights
  bool tokkiFrames = false;    // shear-key frames and options
  bool tokkiBoxes = false;     // shear-key sizes
  bool leaningForced = false;  // leaning page: base and key switched off
  bool soilSeismic = false;    // seismic front soil
  bool drawCase = false;       // the drawing-case options
  bool arbitrary = false;      // option "任意" (trial wedge only)
  bool suiiAuto = false;       // automatic water level
  bool waterNormal = false;    // water levels, normal state
  bool waterSeismic = false;   // water levels, seismic state
  bool found = false;          // footing B, B1, H1
  bool foundBack = false;      // footing H2
};

// The enabling of the document's settings. A leaning wall whose toe-slab
// front height MtwH2 is not above 0 gets nKeisya 1 and Tokki 0 first (the
// document changes), and its base and key stay disabled.
KutaiEnabling KutaiFormState(CDocument& doc);

// ---- Change points of the arbitrary back ground -------------------------------

// Inserts a blank point before point i (0 <= i < nUraNini). False when i is
// outside: nothing changed.
bool InsertChangePoint(CDocument& doc, int i);
// Deletes point i (0 <= i < nUraNini). False when i is outside.
bool DeleteChangePoint(CDocument& doc, int i);

// Enter in the change-point grid at column `col` (1 X, 2 Y) and row `row`
// (point row - 1) with the cell's number `v` (empty: no number). `above` and
// `below` are the numbers in the cells of the same column one row up and
// down (empty when that cell holds none; the first row compares with 0).
enum class PointEntry { kIgnored, kRefused, kStored };
struct ChangePointResult {
  PointEntry entry = PointEntry::kIgnored;
  // Refused: the text the cell shows again (the stored coordinate), empty
  // when the point has none.
  std::optional<double> restore;
};
// Ignored: no number, or outside 0..99.999. Refused: below the cell above,
// or above the cell below, by more than 1e-5; nothing changes (the count is
// not raised). Stored: the count is raised to `row` when lower (new points
// null) and the coordinate stored.
ChangePointResult EnterChangePoint(CDocument& doc, int col, int row, std::optional<double> v,
                                   std::optional<double> above, std::optional<double> below);

// ---- Zoom -----------------------------------------------------------------------

// The zoom one step up (min(zoom + step, 500)) or down (max(zoom - step, 100)).
double ZoomStep(double zoom, bool up, double step);

}  // namespace norva

#pragma once
// What the member-stress grids show in one load-case row: the numbers, the
// check cells ("value sign limit" in a colour) and the row's judgement.
//
// A check is either made (OK or OUT), not made ("－": the edge stress does
// not act that way) or not computable: a stress or allowable that is null
// (kNullBox, or not finite) shows "-----" in black, and any such check makes
// the row's judgement "-----", never OK. Comparisons are exact (no
// tolerance): a stress equal to its allowable passes.
#include <string>
#include <vector>

namespace norva {

class CWallRes;
class CFotRes;
class CTokRes;

// The colour a cell's text gets; kKeep leaves the colour the cell had.
enum class CheckColor { kKeep, kBlack, kBlue, kRed };

struct CheckCell {
  enum State { kNotMade, kOk, kOut, kNull };
  std::string text;
  CheckColor color = CheckColor::kKeep;
  State state = kNotMade;
};

// The number formats of the grids.
inline constexpr const char* kStressFormat = "#0.00";  // forces and stresses
inline constexpr const char* kSteelFormat = "##0.0";   // key steel stress, areas
inline constexpr const char* kDepthFormat = "#0.0";    // member depth (mm)
// Shown for a value or check that could not be computed.
inline constexpr const char* kNullCellText = "-----";
// Shown for a check that is not made.
inline constexpr const char* kNotMadeText = "－";

// The sign between a value and its limit is their relation as printed ("<",
// "=" or ">"); the colour and state carry the verdict.
//
// Compression of a stem or toe-slab section: the larger edge stress against
// sgmca; "－" when the larger is below 0.
CheckCell CompressionCheck(double sgmc0, double sgmc1, double sgmca);
// Tension: the smaller edge stress against -sgmta, the limit printed
// negative; "－" when the smaller is above 0.
CheckCell TensionCheck(double sgmc0, double sgmc1, double sgmta);
// |v| against the allowable, v printed with its sign: shear (stem, toe slab,
// key) and the key's concrete and steel stresses. format: kStressFormat, or
// kSteelFormat for the key's steel.
CheckCell AbsCheck(double v, double allowable, const char* format = kStressFormat);

// The judgement cell of a row: "OK" on blue or "OUT" on red (white text),
// counting only the checks made; "-----" in black on the window colour when
// any check of the row is not computable.
struct Judgement {
  std::string text;
  bool computable = true;
  bool ok = true;
};
Judgement RowJudgement(const std::vector<CheckCell>& checks);

// A number cell: FormatNum(v * scale, format) without leading blanks, or
// "-----" when v is null.
std::string NumberCell(double v, const char* format, double scale = 1.0);

// One grid row of a load case: the number columns from the first number
// column on, then the check columns, then the judgement.
struct MemberRow {
  std::vector<std::string> numbers;
  std::vector<CheckCell> checks;
  Judgement judgement;
};
// Stem: N, S, M, depth (mm); compression, tension, shear.
MemberRow WallRow(const CWallRes& r);
// Toe slab: S, M, depth (mm); compression, tension, shear.
MemberRow FotRow(const CFotRes& r);
// Shear key: S, M, effective depth (mm); concrete, steel, shear; then the
// required steel area (mm2) as the last number (its column follows the
// checks).
MemberRow TokRow(const CTokRes& r);

}  // namespace norva

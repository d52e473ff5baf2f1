#pragma once
// The detail pages of one load case on the stability results screen, worked
// out from its stored results without any control: judgement rows, the line
// of thrust, overturning, sliding and bearing pages, the earth-pressure boxes,
// the wedge trial table and the user's slip angle.
//
// Number values go into their boxes through SetNumBox, so kNullBox (and any
// value outside a box's range) leaves the box blank. A check whose value or
// limit was not computed reads "-----" and never passes.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/nulls.h"

namespace norva {

class CAntRes;
class CDocument;
class CKusabiRes;

// ---- Judgement rows ------------------------------------------------------------

// Value box, mark box, limit box and judgement box of one check.
struct JudgeRow {
  double value = kNullBox;  // kNullBox when not computed
  double limit = kNullBox;
  std::string mark;     // "<", "=", ">", or "" when not computed
  std::string verdict;  // "OK", "OUT" or "-----"
  bool ok = false;      // back colour: blue when ok, else red
};
// Mark "<", "=" or ">": how the two boxes compare as they show the numbers
// with `decimals` decimals (so 1.4996 against 1.50 reads "="), whatever the
// verdict. Lower bound: OK when value >= limit. Upper bound: OK when
// value <= limit.
JudgeRow LowerBoundRow(double value, double limit, int decimals);
JudgeRow UpperBoundRow(double value, double limit, int decimals);

// Back colours of the judgement box (Windows colour numbers &HBBGGRR).
inline constexpr uint32_t kJudgeBoxBlue = 16711680;
inline constexpr uint32_t kJudgeBoxRed = 255;

// ---- Line of thrust and overturning --------------------------------------------

struct ThrustPage {
  double Ka = 0, Xh = 0, Xd = 0, Ha = 0;
  JudgeRow row;  // Xh against Xd, upper bound
};
ThrustPage ThrustPageModel(const CAntRes& r);

struct OverturningPage {
  double Mr = 0, Mo = 0, V = 0, D = 0, E = 0;
  JudgeRow factor;        // Fm against Fma, lower bound
  JudgeRow position;      // D against L = B/2 - Ea, lower bound
  JudgeRow eccentricity;  // E (signed, as its box shows it) against Ea
};
OverturningPage OverturningPageModel(const CDocument& doc, const CAntRes& r);

// ---- Sliding ------------------------------------------------------------------

inline constexpr const char* kSlideOmittedText = "滑動力≦0 ゆえ、検討省略";

struct SlidePage {
  bool keyPage = false;
  // Plain base.
  double V = 0, H = 0;  // ΣV and ΣH as stored
  double Hu = 0;        // resisting force
  double force = 0;     // sliding force: ΣH, or along an inclined base
  // Shear key: reactions at the toe, the heel and the front of the key.
  double q1 = 0, q2 = 0, q3 = 0;
  // No horizontal force to resist (ΣH <= 0, or the calculation's -1): the
  // factor row gives way to kSlideOmittedText.
  bool omitted = false;
  JudgeRow fs;  // Fs against Fsa, lower bound
};
SlidePage SlidePageModel(const CDocument& doc, const CAntRes& r);

// Sliding force along a base inclined by `rise` over `Breadth`: the part of
// the resultant of V and H along the base. H stays H on a level base, under
// the large-block guideline and for a base width that is not positive.
double SlidingForce(double V, double H, double Breadth, double rise, bool inclined);

// ---- Bearing --------------------------------------------------------------------

struct BearingFactorBoxes {
  bool enabled = true;  // false: greyed and left as they are (nQa != 0)
  double Nc = 0, Nq = 0, Ng = 0;
};
BearingFactorBoxes BearingFactorModel(const CDocument& doc, const CAntRes& r);

struct BearingPage {
  int page = 0;  // vstSiji page: 0 allowable reaction, 1 large block
  // Page 0.
  bool panelVisible = true;  // ΣV and e
  double V = 0, E = 0;
  std::string q1, q2;  // "-----" or "0.00"
  JudgeRow reaction;   // governing reaction against qa
  // Page 1.
  double Qu = 0;
  double Bdash = kNullBox;  // effective width, kNullBox when Qmax + Qmin = 0
  double QV = kNullBox;     // (Qmin + Qmax) * B / 2
  JudgeRow factor;          // fB against Fba, lower bound
};
BearingPage BearingPageModel(const CDocument& doc, int caseIndex, const CAntRes& r);

// A ground reaction as its text box shows it.
std::string ReactionText(double q);

// ---- Earth pressure ------------------------------------------------------------

struct BoxValue {
  int index = 0;
  double value = kNullBox;
  bool ranged = false;  // also sets MinValue and MaxValue
  double min = 0, max = 0;
};
struct DoatsuBoxes {
  std::vector<BoxValue> boxes;
  // Cut page: the backfill wedge's slip-angle box (7) is enabled, and
  // boxes 7 to 10 filled, only when the larger of both wedges is adopted.
  bool backfillEnabled = true;
};
// Embankment page (imnDoatsu1 / imnDoatsu3, boxes 0 to 4).
DoatsuBoxes EmbankmentBoxes(const CAntRes& r);
// Cut page (imnDoatsu2 / imnDoatsu4, boxes 0 to 14), or under the large-block
// guideline the boxes 0 to 11 of imnDoatsu5.
DoatsuBoxes CutBoxes(const CDocument& doc, const CAntRes& r);

// Half away from zero at two decimals.
double Round2(double x);

// One row of the wedge trial table.
struct TrialRow {
  double omegaDeg = 0;  // one decimal
  double L = 0;         // fL(1) + fL(0), three decimals
  double W = 0;         // fWQ(1) + fWQ(0)
  double Pa = 0;        // fPa
};
// The trials of a wedge trial file (500-byte records), in file order. Empty
// when the file is missing or holds fewer than two complete records: the
// table then shows its caption row only. A short last record is left out.
std::vector<TrialRow> ReadTrialTable(const std::string& path);

// ---- The user's slip angle -----------------------------------------------------

inline constexpr const char* kOmegaChangeHint =
    "すべり角ωを変更できます。変更後に\"Enter\"キーを押下して下さい。";
// The hint of a slip-angle box: tag, " 入力範囲:", min, "～", max ("#0.00").
std::string SlipAngleHint(const std::string& tag, double min, double max);

// The wedge record that a slip-angle box of wall part `part` fixes for case
// caseIndex: Kusabi(0) for an embankment, Kusabi(wedge) for a cut back
// ground. Null when nothing is to happen: no case, or part 0 of a document
// that does not use trial wedges.
std::shared_ptr<CKusabiRes> UserOmegaRecord(const CDocument& doc, int caseIndex, int part,
                                            int wedge);

// Fixes the angle (degrees) on that record and recalculates the case with
// `recalc`. A blank box's value (kNullBox) or a value that is not finite is
// no angle: nothing happens. True when the case was recalculated.
bool ApplyUserOmega(CDocument& doc, int caseIndex, int part, int wedge, double angle,
                    const std::function<bool(CDocument&, int32_t)>& recalc);

}  // namespace norva

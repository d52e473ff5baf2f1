#pragma once
// The verdicts of the stability checks: one rule for every place that judges
// a stored result (the results screen's grid and detail pages, the main
// window's result panel, the report's stability chapter). Only the verdict
// lives here; marks, colours and texts stay with each display.
//
// Rules common to all checks:
// - A value equal to its allowable passes.
// - A value that was not computed never passes: a null (kNullBox,
//   kNullDouble), NaN, infinity, or anything beyond 1e8 in size (the ground
//   reaction 1e10 of a resultant outside the base). The displays show such a
//   value as "-----".
#include <cstdint>

namespace norva {

class CDocument;
class CKajyuCase;

// Largest size of a value that counts as computed.
inline constexpr double kLargestResult = 1e8;

// True for a finite value within ±1e8 that is not a null.
bool IsComputedResult(double v);
// True for a null, NaN or infinity: there is no value at all, so a check on
// it has no verdict ("-----"). A value beyond 1e8 is a value that fails.
bool IsMissingResult(double v);

// value >= limit (safety factors, the resultant's distance from the toe).
bool PassesLowerBound(double value, double limit);
// value <= limit (line of thrust, ground reaction).
bool PassesUpperBound(double value, double limit);

// ---- Overturning --------------------------------------------------------------
// Line of thrust: its base position Xh must not pass the middle third Xd.
bool ThrustOk(double Xh, double Xd);

// Where the resultant lies against the allowed eccentricity Ea (E positive
// towards the toe): within |E| <= Ea, beyond it towards the toe, or beyond it
// towards the heel. kNotComputed when E or Ea was not computed.
enum class EccentricitySide { kWithin, kToe, kHeel, kNotComputed };
EccentricitySide EccentricityPosition(double E, double Ea);

// Beyond the allowed eccentricity towards the heel, a wall that leans on its
// backfill does not overturn: a block wall (0) and the lower wall of a mixed
// wall (3, the only part of it judged by eccentricity) pass, others fail.
bool HeelSideAllowed(int32_t wallType);
bool EccentricityOk(double E, double Ea, int32_t wallType);

// Leaning wall under road earthworks: the resultant's distance D from the toe
// must reach L = Breadth / 2 - Ea. L is kNullBox when Breadth or Ea was not
// computed.
double ResultantDistanceLimit(double Breadth, double Ea);
bool ResultantDistanceOk(double D, double Breadth, double Ea);

// The divisor n of "B/n" that states L = B / 2 - Ea with Ea = B / k (k the
// case's divisor CKajyuCase::Ea, 0 for Ea = 0): n = 2 for k = 0, else
// n = 2k / (k - 2), so 3 for k = 6 and 6 for k = 3. `whole` when n is a whole
// number; `valid` false when no positive L exists (0 < k <= 2, or k < 0).
struct BreadthDivisor {
  double n = 0;
  bool whole = false;
  bool valid = false;
};
BreadthDivisor DistanceDivisor(double caseDivisor);

// ---- Sliding ------------------------------------------------------------------
// kNoForce: the calculation found no horizontal force to resist (Fs holds the
// sentinel -1); the check is omitted and nothing slides.
enum class SlideVerdict { kOk, kOut, kNoForce, kNotComputed };
SlideVerdict JudgeSlide(double Fs, double Fsa);
// kOk or kNoForce.
bool SlideOk(double Fs, double Fsa);

// ---- Ground reaction and bearing --------------------------------------------
// The governing reaction max(Qmax, Qmin); kNullBox when either was not
// computed (1e10, a resultant outside the base, included).
double GoverningReaction(double Qmax, double Qmin);
// The allowable reaction of a case: under road earthworks with the capacity
// entered directly (Sisin 2, nQa 1) the case's QaPremium times the document's
// Qa; otherwise the result's own Qa. kNullBox when the case is missing in the
// first form.
double AllowableReaction(const CDocument& doc, const CKajyuCase* kase, double resultQa);
// The governing reaction against the allowable.
bool ReactionOk(double Qmax, double Qmin, double qa);
// Bearing safety factor of the large-block guideline: fB >= Fba.
bool BearingFactorOk(double fB, double Fba);

}  // namespace norva

#include "calc/stability/verdicts.h"

#include <algorithm>
#include <cmath>

#include "calc/stability/stability_status.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/report_format.h"

namespace norva {

// The report's rule: what a display shows as a number is what a check may
// pass on.
bool IsComputedResult(double v) { return IsReportNumber(v); }

bool IsMissingResult(double v) { return !std::isfinite(v) || IsNullValue(v); }

bool PassesLowerBound(double value, double limit) {
  return IsComputedResult(value) && IsComputedResult(limit) && value >= limit;
}

bool PassesUpperBound(double value, double limit) {
  return IsComputedResult(value) && IsComputedResult(limit) && value <= limit;
}

bool ThrustOk(double Xh, double Xd) { return PassesUpperBound(Xh, Xd); }

EccentricitySide EccentricityPosition(double E, double Ea) {
  if (!IsComputedResult(E) || !IsComputedResult(Ea)) return EccentricitySide::kNotComputed;
  if (std::fabs(E) <= Ea) return EccentricitySide::kWithin;
  return E > 0 ? EccentricitySide::kToe : EccentricitySide::kHeel;
}

bool HeelSideAllowed(int32_t wallType) { return wallType == 0 || wallType == 3; }

bool EccentricityOk(double E, double Ea, int32_t wallType) {
  switch (EccentricityPosition(E, Ea)) {
    case EccentricitySide::kWithin:
      return true;
    case EccentricitySide::kHeel:
      return HeelSideAllowed(wallType);
    default:
      return false;
  }
}

double ResultantDistanceLimit(double Breadth, double Ea) {
  if (!IsComputedResult(Breadth) || !IsComputedResult(Ea)) return kNullBox;
  return Breadth / 2 - Ea;
}

bool ResultantDistanceOk(double D, double Breadth, double Ea) {
  return PassesLowerBound(D, ResultantDistanceLimit(Breadth, Ea));
}

BreadthDivisor DistanceDivisor(double k) {
  if (k == 0) return {2, true, true};
  if (!std::isfinite(k) || k <= 2) return {};
  const double n = 2 * k / (k - 2);
  // 2k / (k - 2) is whole for k = 3, 4, 6: exact in binary, but a divisor
  // typed as 6.0000000001 must not print as "3".
  const bool whole = std::fabs(n - std::round(n)) < 1e-9;
  return {whole ? std::round(n) : n, whole, true};
}

SlideVerdict JudgeSlide(double Fs, double Fsa) {
  if (Fs == kSlideNoForce) return SlideVerdict::kNoForce;
  if (!IsComputedResult(Fs) || !IsComputedResult(Fsa)) return SlideVerdict::kNotComputed;
  return Fs >= Fsa ? SlideVerdict::kOk : SlideVerdict::kOut;
}

bool SlideOk(double Fs, double Fsa) {
  const SlideVerdict v = JudgeSlide(Fs, Fsa);
  return v == SlideVerdict::kOk || v == SlideVerdict::kNoForce;
}

double GoverningReaction(double Qmax, double Qmin) {
  if (!IsComputedResult(Qmax) || !IsComputedResult(Qmin)) return kNullBox;
  return std::max(Qmax, Qmin);
}

double AllowableReaction(const CDocument& doc, const CKajyuCase* kase, double resultQa) {
  if (doc.Sisin == 2 && doc.nQa == 1) {
    if (!kase || !IsComputedResult(doc.Qa) || !IsComputedResult(kase->QaPremium)) return kNullBox;
    return kase->QaPremium * doc.Qa;
  }
  return resultQa;
}

bool ReactionOk(double Qmax, double Qmin, double qa) {
  return PassesUpperBound(GoverningReaction(Qmax, Qmin), qa);
}

bool BearingFactorOk(double fB, double Fba) { return PassesLowerBound(fB, Fba); }

}  // namespace norva

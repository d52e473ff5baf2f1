// Sliding along the base.
#include <algorithm>
#include <cmath>
#include <memory>

#include "calc/stability/stability_checks.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/outline.h"

namespace norva {

namespace {

void SetKeyParts(CAntRes& r, double q1, double q2, double q3, double s1, double s2, double s3) {
  r.Q1 = q1;
  r.Q2 = q2;
  r.Q3 = q3;
  r.s1 = s1;
  r.s2 = s2;
  r.s3 = s3;
}

StabStatus Missing(CAntRes& r, const char* why) {
  r.Hu = r.Fs = kNullBox;
  SetKeyParts(r, kNullBox, kNullBox, kNullBox, kNullBox, kNullBox, kNullBox);
  return StabStatus::Fail(why);
}

}  // namespace

StabStatus CalcSlide(const CDocument& doc, int32_t caseIndex, int16_t state, CAntRes& r) {
  const std::shared_ptr<CKajyuCase> k = doc.pCase(caseIndex);
  if (doc.ChkSlide == 0) {
    // No check: nothing of an earlier calculation may pass for its result.
    r.Hu = r.Fs = r.Fsa = kNullBox;
    SetKeyParts(r, kNullBox, kNullBox, kNullBox, kNullBox, kNullBox, kNullBox);
    return StabStatus::Ok();
  }
  r.Fsa = k ? k->FsKatsudou : kNullBox;
  double V = r.SgmV, H = r.SgmH;
  const double B = r.Breadth;
  if (!k || IsNullValue(V) || IsNullValue(H)) return Missing(r, kStabReasonNoSums);
  if (!(B > 0)) return Missing(r, kStabReasonZeroB);
  const bool roadEarthworks = doc.Sisin == 2;
  const bool haveE = !IsNullValue(r.E);
  const double tanB = std::tan(doc.Faib * kCalcDegToRad);
  const double tanF = std::tan(doc.SijiFai * kCalcDegToRad);
  const double c = doc.SijiC;
  double rise = 0;

  double Hu = 0;
  if (doc.Tokki != 0 && roadEarthworks) {
    if (!haveE) return Missing(r, V == 0 ? kStabReasonZeroV : kStabReasonNoSums);
    const double Bd = B - 2 * std::fabs(r.E);
    if (!(Bd > 0)) return Missing(r, kStabReasonOutsideBase);
    const double s1 = std::min(Bd, doc.TokX);
    const double s2 = std::max(0.0, std::min(Bd - doc.TokX, doc.TokB));
    const double s3 = std::max(0.0, Bd - s1 - s2);
    SetKeyParts(r, s1 * V / Bd, s2 * V / Bd, s3 * V / Bd, s1, s2, s3);
    Hu = (r.Q3 + r.Q2) * tanB + r.Q1 * tanF + s1 * c;
  } else if (doc.Tokki != 0) {
    const double q1 = GetJibanHanryokuX(doc, r, 0);
    const double q2 = GetJibanHanryokuX(doc, r, doc.TokX);
    const double q3 = GetJibanHanryokuX(doc, r, B);
    for (double q : {q1, q2, q3}) {
      if (IsNullValue(q)) return Missing(r, kStabReasonNoSums);
      if (q >= kReactionOutside) return Missing(r, kStabReasonOutsideBase);
    }
    SetKeyParts(r, q1, q2, q3, 0, 0, 0);
    Hu = (q3 + q2) / 2 * (B - doc.TokX) * tanB + (q2 + q1) / 2 * doc.TokX * tanF + doc.TokX * c;
  } else if (GetKeisyaHeight(doc, rise)) {
    SetKeyParts(r, 0, 0, 0, 0, 0, 0);
    const double a0 = std::atan(rise / B);
    // Resolve the sums normal and along the inclined base. Rotating the
    // components directly keeps their signs: the angle of the resultant by
    // atan(V / H) lands in the wrong quadrant when H < 0 and would turn a
    // backward push into a forward one.
    const double v = V * std::cos(a0) + H * std::sin(a0);
    const double h = H * std::cos(a0) - V * std::sin(a0);
    V = v;
    H = h;
    Hu = B / std::cos(a0) * doc.cb + doc.Myu * V;
  } else {
    SetKeyParts(r, 0, 0, 0, 0, 0, 0);
    double Bd = B;
    if (roadEarthworks) {
      if (!haveE) return Missing(r, V == 0 ? kStabReasonZeroV : kStabReasonNoSums);
      // No adhesion where the base has lifted off.
      Bd = std::max(0.0, B - 2 * std::fabs(r.E));
    }
    Hu = Bd * doc.cb + doc.Myu * V;
  }

  if (doc.nJyudo == 1) {
    const double pp = doc.Pp(state != 0 ? 1 : 0);
    if (IsNullValue(pp)) return Missing(r, kStabReasonNoPp);
    Hu += 0.5 * pp;
  }
  r.Hu = Hu;
  r.Fs = (H > 0.001) ? Hu / H : kSlideNoForce;
  if (!std::isfinite(r.Hu) || !std::isfinite(r.Fs)) return Missing(r, kStabReasonNotFinite);
  return StabStatus::Ok();
}

}  // namespace norva

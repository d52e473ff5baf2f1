#include "calc/member/tok_stress.h"

#include <cmath>
#include <memory>

#include "calc/member/member_common.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/numeric.h"

namespace norva {

namespace {

constexpr double kModular = 15;        // Es / Ec
constexpr double kDefaultCover = 100;  // mm, when no cover was entered

bool Usable(double v) { return std::isfinite(v) && !IsNullValue(v); }

}  // namespace

StabStatus KeySlide(const CDocument& doc, int32_t caseNo, const CAntRes& r, KeySlideValues& v) {
  v = KeySlideValues{};
  const double V = r.SgmV, B = r.Breadth;
  const double tf = std::tan(doc.SijiFai * kCalcDegToRad);
  const double tb = std::tan(doc.Faib * kCalcDegToRad);
  const double c = doc.SijiC;
  if (doc.Sisin == 2) {
    const double Bp = B - 2 * std::fabs(r.E);
    if (!(Bp > 0)) return StabStatus::Fail(kMemReasonSlideBase);
    v.s1 = MinOf(Bp, {doc.TokX});
    const double s2 = MaxOf(0.0, {MinOf(Bp - doc.TokX, {doc.TokB})});
    const double s3 = MaxOf(0.0, {Bp - v.s1 - s2});
    v.Q1 = v.s1 * V / Bp;
    v.Q2 = s2 * V / Bp;
    v.Q3 = s3 * V / Bp;
    v.Hu = (v.Q3 + v.Q2) * tb + v.Q1 * tf + v.s1 * c;
  } else {
    StabStatus st = ReactionAt(doc, r, 0, v.Q1);
    if (st) st = ReactionAt(doc, r, doc.TokX, v.Q2);
    if (st) st = ReactionAt(doc, r, B, v.Q3);
    if (!st) return st;
    v.Hu =
        (v.Q3 + v.Q2) / 2 * (B - doc.TokX) * tb + (v.Q2 + v.Q1) / 2 * doc.TokX * tf + doc.TokX * c;
  }
  if (doc.nJyudo == 1) {
    const double pp = doc.Pp(RunState(doc, caseNo));
    if (!Usable(pp)) return StabStatus::Fail(kStabReasonNoPp);
    v.Hu += 0.5 * pp;
  }
  return StabStatus::Ok();
}

namespace {

// The sliding values of the case: those the sliding check stored, or, when
// it is switched off and wrote nothing, worked out here.
StabStatus CaseSlideValues(const CDocument& doc, int32_t caseNo, const CAntRes& r,
                           KeySlideValues& kv) {
  if (doc.ChkSlide == 0) return KeySlide(doc, caseNo, r, kv);
  kv.Hu = r.Hu;
  kv.Q1 = r.Q1;
  kv.Q2 = r.Q2;
  kv.Q3 = r.Q3;
  kv.s1 = r.s1;
  for (double v : {kv.Hu, kv.Q1, kv.Q2, kv.Q3, kv.s1}) {
    if (!Usable(v)) return StabStatus::Fail(kMemReasonReaction);
  }
  return StabStatus::Ok();
}

// 3. The horizontal force Ht the key takes: the share of the sliding force
// H that the key's stretch of the base resists.
StabStatus KeyForce(const CDocument& doc, int32_t caseNo, const CAntRes& r, double& Ht) {
  const double tf = std::tan(doc.SijiFai * kCalcDegToRad);
  const double tb = std::tan(doc.Faib * kCalcDegToRad);
  const double c = doc.SijiC;
  const double H = r.SgmH;
  if (!Usable(H) || !Usable(r.Breadth)) return StabStatus::Fail(kMemReasonReaction);
  KeySlideValues kv;
  if (StabStatus st = CaseSlideValues(doc, caseNo, r, kv); !st) return st;
  if (doc.Sisin == 2) {
    const double Hk = kv.s1 * c + tf * kv.Q1 + tb * (kv.Q2 + kv.Q3);
    const double T = kv.s1 * c + tb * kv.Q2 + (tf - tb) * kv.Q1;
    if (H == 0) {
      Ht = 0;
    } else {
      if (Hk == 0) return StabStatus::Fail(kMemReasonKeyResistance);
      Ht = H * T / Hk;
    }
  } else {
    const double l1 = doc.TokX, B = r.Breadth;
    double q1 = 0, q2 = 0, q3 = 0;
    StabStatus st = ReactionAt(doc, r, 0, q1);
    if (st) st = ReactionAt(doc, r, l1, q3);
    if (st) st = ReactionAt(doc, r, B, q2);
    if (!st) return st;
    const double T = (tf - tb) * (q3 + q1) * 0.5 * l1 + (q3 + q2) * 0.5 * (B - l1) * tb + c * l1;
    const double Fs = H != 0 ? kv.Hu / H : 0.0;
    Ht = Fs != 0 ? T / Fs : 0.0;
  }
  if (!std::isfinite(Ht)) return StabStatus::Fail(kStabReasonNotFinite);
  return StabStatus::Ok();
}

// 8. Required steel for moment M at effective depth D with the steel's
// allowable sgsa (kN/m2): the neutral axis x at which the steel reaches its
// allowable exactly, and the area As.
StabStatus RequiredSteel(double M, double D, double sgsa, double& x, double& As) {
  if (M == 0) {
    x = 0;
    As = 0;
    return StabStatus::Ok();
  }
  if (!(sgsa > 0)) return StabStatus::Fail(kMemReasonSteelAllowable);
  const double k = 6 * kModular * M / sgsa;
  double r1 = 0, r2 = 0, r3 = 0;
  SolveCubic(1, -3 * D, -k, k * D, r1, r2, r3);
  // Three real roots: one negative, one beyond D and the one within.
  double root = -1;
  for (double cand : {r3, r1, r2}) {
    if (std::isfinite(cand) && cand > 0 && cand < D) {
      root = cand;
      break;
    }
  }
  if (root < 0) return StabStatus::Fail(kStabReasonNotFinite);
  x = root;
  As = M / ((D - root / 3) * sgsa);
  return StabStatus::Ok();
}

// 11. Stresses (N/mm2) of the section with steel As at depth D under moment
// M and the shear force in t.
void KeyStresses(double As, double D, double M, CTokRes& t) {
  t.fX = kModular * As * (std::sqrt(1 + 2 * D / (kModular * As)) - 1);
  const double fX = t.fX;
  double sc = 0, ss = 0, tau = 0;
  if ((D - fX / 3) * fX != 0) sc = 2 * M / ((D - fX / 3) * fX);
  if (fX != 0) ss = kModular * sc * (D - fX) / fX;
  if (D != 0) tau = t.ForceS / D;
  t.Sgmc = sc / 1000;
  t.Sgms = ss / 1000;
  t.Tauc = tau / 1000;
}

}  // namespace

StabStatus CalcTokStress(CDocument& doc, int32_t caseNo) {
  const int32_t wt = doc.WallType();
  if (wt == 0 || doc.Tokki == 0) return StabStatus::Ok();
  const std::shared_ptr<CKajyuCase> cs = doc.pCase(caseNo);
  const std::shared_ptr<CAntRes> rp = doc.AntRes(wt == 3 ? 1 : 0, caseNo);
  if (!cs || !rp) return StabStatus::Fail(kMemReasonNoCase);
  doc.SetpTokRes(caseNo, std::make_shared<CTokRes>());
  const std::shared_ptr<CTokRes> tp = doc.pTokRes(caseNo);
  if (!tp) return StabStatus::Fail(kMemReasonNoCase);
  CTokRes& t = *tp;

  const double AP = cs->AllowPremium;
  t.Sgmca = AP * doc.Sgmca;
  t.Sgmsa = AP * doc.Sgmsa;
  t.Taua = AP * doc.Taua;

  // Values that cannot be formed stay blank from the failing step on.
  auto fail = [&](const char* why, bool fromForce) {
    if (fromForce) t.Ht = t.ForceS = t.ForceM = kNullBox;
    t.fAsX = t.fAs = t.fX = kNullBox;
    t.Sgmc = t.Sgms = t.Tauc = kNullBox;
    return StabStatus::Fail(why);
  };

  if (StabStatus st = KeyForce(doc, caseNo, *rp, t.Ht); !st) return fail(st.reason.c_str(), true);

  // 4. Root forces.
  t.ForceS = t.Ht;
  t.ForceM = doc.TokL * t.Ht / 2;

  // 6, 7. Effective depth.
  const double cover = doc.TokKab < 0 ? kDefaultCover : doc.TokKab;
  t.D = MaxOf(doc.TokB - cover / 1000, {0.0});
  const double D = t.D;
  // The key bends either way; the section is checked for the size of the
  // moment (a negative moment has no neutral axis within the depth).
  const double M = std::fabs(t.ForceM);
  if (D == 0 && (M != 0 || t.ForceS != 0)) return fail(kMemReasonKeyDepth, false);

  if (StabStatus st = RequiredSteel(M, D, t.Sgmsa * 1000, t.fAsX, t.fAs); !st) {
    return fail(st.reason.c_str(), false);
  }

  // 9, 10. Provided steel.
  const double As = MaxOf(doc.TokHon, {0.0}) * RebarArea(doc.TokDia, "m");
  if (As == 0) {
    t.Sgmc = t.Sgms = t.Tauc = kNullBox;
    return StabStatus::Ok();
  }
  KeyStresses(As, D, M, t);
  return StabStatus::Ok();
}

}  // namespace norva

#include "screens/results/antei_res_pages.h"

#include <algorithm>
#include <cmath>

#include "calc/calc_angles.h"
#include "calc/stability/printed_relation.h"
#include "calc/stability/stability_status.h"
#include "calc/stability/verdicts.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/outline.h"
#include "document/report_format.h"
#include "screens/results/antei_res_rules.h"

namespace norva {
namespace {

double Shown(double v) { return IsComputedResult(v) ? v : kNullBox; }

JudgeRow NotComputedRow(double value, double limit) {
  return {Shown(value), Shown(limit), "", kNotComputedCell, false};
}

bool Missing(double value, double limit) {
  return IsMissingResult(value) || IsMissingResult(limit);
}

// The verdict is the check's rule; the mark is the relation of the two boxes
// as they show the numbers (`decimals`). A value beyond 1e8 (a reaction
// outside the base) is compared and fails; its box stays blank.
JudgeRow VerdictRow(double value, double limit, int decimals, bool ok) {
  if (Missing(value, limit)) return NotComputedRow(value, limit);
  return {value, limit, RelationMark(ComparePrinted(value, limit, decimals), kAsciiMarks),
          ok ? "OK" : "OUT", ok};
}

double Deg(double rad) { return IsComputedResult(rad) ? rad * kCalcRadToDeg : kNullBox; }

double Sum(double a, double b) {
  return IsComputedResult(a) && IsComputedResult(b) ? a + b : kNullBox;
}

}  // namespace

JudgeRow LowerBoundRow(double value, double limit, int decimals) {
  return VerdictRow(value, limit, decimals, PassesLowerBound(value, limit));
}

JudgeRow UpperBoundRow(double value, double limit, int decimals) {
  return VerdictRow(value, limit, decimals, PassesUpperBound(value, limit));
}

ThrustPage ThrustPageModel(const CAntRes& r) {
  ThrustPage p;
  p.Ka = r.Ka;
  p.Xh = r.Xh;
  p.Xd = r.Xd;
  p.Ha = r.Ha;
  p.row = UpperBoundRow(r.Xh, r.Xd, 3);
  return p;
}

OverturningPage OverturningPageModel(const CDocument& doc, const CAntRes& r) {
  OverturningPage p;
  p.Mr = r.SgmMr;
  p.Mo = r.SgmMo;
  p.V = r.SgmV;
  p.D = r.D;
  p.E = r.E;
  p.factor = LowerBoundRow(r.Fm, r.Fma, 2);
  p.position = LowerBoundRow(r.D, ResultantDistanceLimit(r.Breadth, r.Ea), 3);
  p.eccentricity = VerdictRow(r.E, r.Ea, 3, EccentricityOk(r.E, r.Ea, doc.WallType()));
  return p;
}

double SlidingForce(double V, double H, double Breadth, double rise, bool inclined) {
  if (!inclined || !(Breadth > 0)) return H;
  if (!IsComputedResult(V) || !IsComputedResult(H) || !IsComputedResult(rise)) return kNullBox;
  const double theta = std::atan(rise / Breadth);
  const double phi = (H == 0) ? kCalcHalfPi : std::atan(V / H);
  return std::sqrt(H * H + V * V) * std::cos(phi + theta);
}

SlidePage SlidePageModel(const CDocument& doc, const CAntRes& r) {
  SlidePage p;
  p.keyPage = UsesKeySlidePage(doc);
  p.V = r.SgmV;
  p.H = r.SgmH;
  p.Hu = r.Hu;
  p.q1 = r.Q1;
  p.q2 = r.Q3;  // the heel
  p.q3 = r.Q2;  // the front of the key
  // The force the calculation divided by: along an inclined base unless a
  // shear key is computed (whatever the guideline).
  double rise = 0;
  const bool inclined = doc.Tokki == 0 && GetKeisyaHeight(doc, rise);
  p.force = SlidingForce(r.SgmV, r.SgmH, r.Breadth, rise, inclined);
  p.omitted = IsComputedResult(r.SgmH) &&
              (r.SgmH <= 0 || JudgeSlide(r.Fs, r.Fsa) == SlideVerdict::kNoForce);
  p.fs = LowerBoundRow(r.Fs, r.Fsa, 2);
  return p;
}

BearingFactorBoxes BearingFactorModel(const CDocument& doc, const CAntRes& r) {
  BearingFactorBoxes b;
  b.enabled = doc.nQa == 0;
  b.Nc = r.Nc;
  b.Nq = r.Nq;
  b.Ng = r.Ng;
  return b;
}

std::string ReactionText(double q) { return ResultCellText(q, 2); }

BearingPage BearingPageModel(const CDocument& doc, int caseIndex, const CAntRes& r) {
  BearingPage p;
  // The larger reaction governs; 1e10 (outside the base) fails and reads
  // "-----", like a reaction that was not computed.
  const bool missing = IsMissingResult(r.Qmax) || IsMissingResult(r.Qmin);
  const double q = missing ? kNullBox : std::max(r.Qmax, r.Qmin);
  const bool shown = IsComputedResult(GoverningReaction(r.Qmax, r.Qmin));
  p.q1 = shown ? ReactionText(r.Qmax) : kNotComputedCell;
  p.q2 = shown ? ReactionText(r.Qmin) : kNotComputedCell;
  p.V = r.SgmV;
  p.E = r.E;
  if (doc.Sisin == 3) {
    p.page = 1;
    p.Qu = r.Qu;
    const double sum = r.Qmin + r.Qmax;
    if (shown && IsComputedResult(r.Breadth)) {
      p.QV = sum * r.Breadth / 2;
      if (sum != 0) {
        const double e = std::fabs((r.Qmax - r.Qmin) * (r.Breadth / 6) / sum);
        p.Bdash = r.Breadth - 2 * e;
      }
    }
    p.factor = LowerBoundRow(r.fB, r.Fba, 2);
    return p;
  }
  const std::shared_ptr<CKajyuCase> kase = doc.pCase(caseIndex);
  if (doc.Sisin == 2) {
    p.panelVisible = doc.WallType() != 0;
    const double qa = AllowableReaction(doc, kase.get(), r.Qa);
    p.reaction = VerdictRow(q, qa, 2, ReactionOk(r.Qmax, r.Qmin, qa));
    return p;
  }
  p.reaction = VerdictRow(q, r.Qa, 2, ReactionOk(r.Qmax, r.Qmin, r.Qa));
  return p;
}

double Round2(double x) {
  const double s = x > 0 ? 0.5 : (x < 0 ? -0.5 : 0.0);
  return std::trunc(x * 100 + s) / 100;
}

namespace {

// A slip angle with its range; a value within rounding of a limit is held to
// it, so an angle the user typed at the limit does not blank the box after
// the trip through radians.
BoxValue Angle(int index, double deg, double lo, double hi) {
  BoxValue b{index, deg, true, lo, hi};
  if (IsComputedResult(deg)) {
    const double tol = 1e-9 * std::max(1.0, std::fabs(deg));
    if (deg > hi && deg - hi <= tol) b.value = hi;
    if (deg < lo && lo - deg <= tol) b.value = lo;
  }
  return b;
}

}  // namespace

DoatsuBoxes EmbankmentBoxes(const CAntRes& r) {
  DoatsuBoxes d;
  const std::shared_ptr<CKusabiRes> k0 = r.Kusabi(0);
  if (k0) d.boxes.push_back(Angle(0, Deg(k0->fOmega), k0->fMinOmg, k0->fMaxOmg));
  d.boxes.push_back({1, r.Pa});
  d.boxes.push_back({2, r.Ka});
  d.boxes.push_back({3, r.Pav});
  d.boxes.push_back({4, r.Pah});
  return d;
}

DoatsuBoxes CutBoxes(const CDocument& doc, const CAntRes& r) {
  DoatsuBoxes d;
  // A wedge the calculation did not form leaves its boxes blank.
  const std::shared_ptr<CKusabiRes> k0 = r.Kusabi(0);
  const std::shared_ptr<CKusabiRes> k1 = r.Kusabi(1);
  auto add = [&d](int i, double v) { d.boxes.push_back({i, v}); };
  // A wedge by its two weights and lengths summed, and its earth pressure.
  auto wedge = [&add](int first, const std::shared_ptr<CKusabiRes>& k) {
    add(first, k ? Sum(k->fWQ(1), k->fWQ(0)) : kNullBox);
    add(first + 1, k ? Sum(k->fL(1), k->fL(0)) : kNullBox);
    add(first + 2, k ? k->fPa : kNullBox);
  };
  auto angle = [](const std::shared_ptr<CKusabiRes>& k) { return k ? Deg(k->fOmega) : kNullBox; };
  // The adopted earth pressure of the case.
  auto adopted = [&add, &r](int first) {
    add(first, r.Pa);
    add(first + 1, r.Ka);
    add(first + 2, r.Pav);
    add(first + 3, r.Pah);
  };
  if (doc.Sisin == 3) {
    // The wedge with d = 0, then the wall taken as an embankment wall.
    add(0, angle(k1));
    wedge(1, k1);
    add(4, angle(k0));
    wedge(5, k0);
    adopted(8);
    return d;
  }
  d.backfillEnabled = doc.KiriDoatsu == 0;
  if (k0) {
    add(0, Deg(k0->fTheta));
    const double maxR = Round2(k0->fMaxOmg);
    const double omega = Deg(k0->fOmega);
    d.boxes.push_back(Angle(1,
                            IsComputedResult(omega) ? std::min(Round2(omega), k0->fMaxOmg) : omega,
                            std::min(k0->fMinOmg, maxR), std::max(k0->fMinOmg, maxR)));
    add(2, k0->fWQ(0));
    add(3, k0->fWQ(1));
    add(4, k0->fL(0));
    add(5, k0->fL(1));
    add(6, k0->fPa);
  } else {
    for (int i = 0; i <= 6; ++i) add(i, kNullBox);
  }
  if (d.backfillEnabled) {
    if (k1)
      d.boxes.push_back(Angle(7, Deg(k1->fOmega), k1->fMinOmg, k1->fMaxOmg));
    else
      add(7, kNullBox);
    wedge(8, k1);
  }
  adopted(11);
  return d;
}

std::vector<TrialRow> ReadTrialTable(const std::string& path) {
  if (KusabiRecordCount(path) < 2) return {};
  const std::vector<CKusabiRes> trials = ReadKusabiFile(path);
  if (trials.size() < 2) return {};
  std::vector<TrialRow> rows;
  rows.reserve(trials.size());
  for (const CKusabiRes& k : trials)
    rows.push_back({Deg(k.fOmega), Sum(k.fL(1), k.fL(0)), Sum(k.fWQ(1), k.fWQ(0)), k.fPa});
  return rows;
}

std::string SlipAngleHint(const std::string& tag, double min, double max) {
  return tag + " 入力範囲:" + FormatPattern(min, "#0.00") + "～" + FormatPattern(max, "#0.00");
}

std::shared_ptr<CKusabiRes> UserOmegaRecord(const CDocument& doc, int caseIndex, int part,
                                            int wedge) {
  if (caseIndex < 0 || caseIndex >= doc.nCase() || !doc.pCase(caseIndex)) return nullptr;
  if (part != 0 && part != 1) return nullptr;
  if (part == 0 && doc.Doatsu != 1) return nullptr;
  const std::shared_ptr<CAntRes> r = doc.AntRes(part, caseIndex);
  if (!r) return nullptr;
  return r->Kusabi(doc.BackType == 0 ? 0 : (wedge == 1 ? 1 : 0));
}

bool ApplyUserOmega(CDocument& doc, int caseIndex, int part, int wedge, double angle,
                    const std::function<bool(CDocument&, int32_t)>& recalc) {
  if (!IsComputedResult(angle)) return false;
  const std::shared_ptr<CKusabiRes> w = UserOmegaRecord(doc, caseIndex, part, wedge);
  if (!w) return false;
  w->bChgOmg = -1;
  w->fChgOmg = angle;
  if (recalc) recalc(doc, caseIndex);
  return true;
}

}  // namespace norva

#include "calc/member/fot_stress.h"

#include <cmath>
#include <initializer_list>
#include <memory>

#include "calc/member/member_common.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "document/weight.h"

namespace norva {

namespace {

std::shared_ptr<CWeight> Polygon(std::initializer_list<DPoint> pts, double gam) {
  auto w = std::make_shared<CWeight>();
  w->SetnPoint(static_cast<int32_t>(pts.size()));
  int32_t i = 0;
  for (const DPoint& q : pts) {
    w->SetX(i, q.X);
    w->SetY(i, q.Y);
    ++i;
  }
  w->SetGam(gam);
  return w;
}

void MarkNotComputable(CFotRes& r) {
  r.ForceS = r.ForceM = kNullBox;
  r.SetSgmc(0, kNullBox);
  r.SetSgmc(1, kNullBox);
  r.Tauc = kNullBox;
}

}  // namespace

FotLevels FotCaseLevels(const CDocument& doc, int32_t caseNo) {
  FotLevels v;
  const std::shared_ptr<CKajyuCase> cs = doc.pCase(caseNo);
  if (!cs) return v;
  v.state = RunState(doc, caseNo);
  v.soilFront = cs->nSoilF != 0 ? doc.SoilFH(v.state) : 0.0;
  if (doc.nWater != 0 && cs->nWater != 0) {
    v.waterFront = doc.WatFH(v.state);
    v.waterBack = doc.WatBH(v.state);
  }
  return v;
}

namespace {

// 3-6. The slab between the toe and the section xs, the buoyancy of its part
// below the water behind the wall, and the front soil on it (wet, then the
// submerged correction).
void FotWeights(const CDocument& doc, const KutaiPoints& p, double xs, const FotLevels& lv,
                CFotRes& rec) {
  const DPoint P0 = p[0], P1 = p[1], P4 = p[4];
  const double yb = P0.Y + (P4.Y - P0.Y) * (xs - P0.X) / (P4.X - P0.X);
  const DPoint C0 = P0, C1 = P1, C2{xs, P1.Y}, C3{xs, yb};
  rec.Height = C2.Y - C3.Y;
  rec.FotW = Polygon({C0, C1, C2, C3, C0}, doc.Gamcf);
  rec.FotwX = xs - rec.FotW->Xc();

  rec.Furyoku = nullptr;
  if (lv.waterBack > 0 && doc.nWater == 1) {
    const double h = lv.waterBack;
    if (h >= C1.Y) {
      rec.Furyoku = Polygon({C0, C1, C2, C3, C0}, -doc.Gamw);
    } else if (h >= C0.Y) {
      rec.Furyoku = Polygon({C3, C0, {C0.X, h}, {xs, h}, C3}, -doc.Gamw);
    } else if (h > C3.Y) {
      // Sloping base: only the wedge under the water near the section.
      rec.Furyoku = Polygon({C3, {InterpolateX(C0, C3, h), h}, {xs, h}, C3}, -doc.Gamw);
    }
    // Water below the bottom of the slab: nothing buoyant.
    if (rec.Furyoku) rec.FuryokuX = xs - rec.Furyoku->Xc();
  }

  rec.SetSoilW(0, nullptr);
  rec.SetSoilW(1, nullptr);
  const double hf = lv.soilFront, wf = lv.waterFront;
  if (hf > C1.Y) {
    auto s0 = Polygon({C1, {C1.X, hf}, {xs, hf}, C2, C1}, doc.Gamf);
    rec.SetSoilW(0, s0);
    rec.SetSoilwX(0, xs - s0->Xc());
    if (wf > C1.Y) {
      const double hs = MinOf(wf, {hf});
      auto s1 = Polygon({C1, {C1.X, hs}, {xs, hs}, C2, C1}, doc.Gamfd - doc.Gamf);
      rec.SetSoilW(1, s1);
      rec.SetSoilwX(1, xs - s1->Xc());
    }
  }
}

// 7. Uplift between the toe and the section, from the front and back levels.
void FotUplift(const CDocument& doc, const KutaiPoints& p, double xs, const FotLevels& lv,
               CFotRes& rec) {
  const double wf = lv.waterFront, wb = lv.waterBack;
  rec.Youatsu = rec.Youatsu1 = rec.Youatsu2 = 0;
  if (doc.nWater != 2 || !(wf > 0) || !(wb > 0) || wf == wb) return;
  const double u1 = MaxOf(wf, {0.0}) * doc.Gamw;
  const double uh = MaxOf(wb, {0.0}) * doc.Gamw;
  rec.Youatsu1 = u1;
  rec.Youatsu2 = u1 + (uh - u1) / (p[4].X - p[0].X) * xs;
  rec.Youatsu = (rec.Youatsu2 + rec.Youatsu1) * xs * 0.5;
  rec.YouatsuX = xs - xs * (2 * rec.Youatsu2 + rec.Youatsu1) / (3 * (rec.Youatsu2 + rec.Youatsu1));
}

// 8. The ground reaction between the toe and the section.
StabStatus FotReaction(const CDocument& doc, const CAntRes& res, double xs, CFotRes& rec) {
  double q1 = 0, q2 = 0;
  StabStatus st = ReactionAt(doc, res, 0, q1);
  if (st) st = ReactionAt(doc, res, xs, q2);
  if (!st) return st;
  rec.FotQ1 = q1;
  rec.FotQ2 = q2;
  // A triangular reaction covers only part of the base: only the part of the
  // slab under pressure carries reaction, never a trapezoid over the whole
  // slab.
  const bool triangle = doc.Sisin != 3 && !(std::fabs(res.E) < res.Breadth / 6);
  if (triangle && res.E > 0) {
    // From the toe, 3D wide: it may end before the section.
    const double len = 3 * res.D;
    if (len < xs) {
      rec.FotQ = q1 * len * 0.5;
      rec.FotQX = xs - len / 3;
      return StabStatus::Ok();
    }
  } else if (triangle && res.E < 0) {
    // From the heel, 3(B - D) wide: it reaches w into the slab from the
    // section (none when it ends at or behind the section).
    const double w = MaxOf(xs - (res.Breadth - 3 * (res.Breadth - res.D)), {0.0});
    rec.FotQ = q2 * w * 0.5;
    rec.FotQX = w / 3;
    return StabStatus::Ok();
  }
  rec.FotQ = (q2 + q1) * xs * 0.5;
  const double dq = (q1 + q2 == 0) ? 0.0 : xs * (2 * q2 + q1) / (3 * (q2 + q1));
  rec.FotQX = xs - dq;
  return StabStatus::Ok();
}

// 9. The user's vertical loads on the slab acting in the case, with their
// arms about the section.
StabStatus FotLoads(const CDocument& doc, const CKajyuCase& cs, double xs, CFotRes& rec) {
  rec.SetnNini(0);
  auto append = [&](int j, double load, double arm) {
    rec.SetnNini(static_cast<int16_t>(rec.nNini() + 1));
    const int k = rec.nNini() - 1;
    rec.SetNiniNo(k, static_cast<int16_t>(j));
    rec.SetNiniLoad(k, load);
    rec.SetNiniX(k, arm);
  };
  for (int j = 0; j < doc.nNiniCount(); ++j) {
    const std::shared_ptr<CNini> L = doc.pNini(j);
    if (!L || (L->nTarget & 4) == 0 || cs.nNini(j) == 0) continue;
    if (L->nType == 0) {
      if (xs >= L->X1) append(j, L->P1, xs - L->X1);
    } else if (L->nType == 2) {
      double xa = L->X1, qa = L->P1, xe = L->X2, qe = L->P2;
      if (L->X1 > L->X2) {
        xa = L->X2;
        qa = L->P2;
        xe = L->X1;
        qe = L->P1;
      }
      if (xa > xs) continue;
      const double xb = MinOf(xe, {xs});
      const double qb = xe <= xs ? qe : qa + (qe - qa) / (xe - xa) * (xs - xa);
      if (qa + qb == 0) {
        if (qa != 0) return StabStatus::Fail(kStabReasonLoadCentroid);
        append(j, 0.0, xs - (xa + xb) / 2);  // no load on this part
        continue;
      }
      append(j, (qa + qb) * (xb - xa) * 0.5,
             xs - (xa + (xb - xa) * (2 * qb + qa) / (3 * (qb + qa))));
    }
  }
  return StabStatus::Ok();
}

}  // namespace

FotSums SumFotForces(const CFotRes& rec) {
  FotSums sums;
  double& S = sums.S;
  double& M = sums.M;
  auto weight = [&](const std::shared_ptr<CWeight>& w, double arm) {
    if (!w) return;
    S -= w->w();
    M -= arm * w->w();
  };
  weight(rec.FotW, rec.FotwX);
  weight(rec.Furyoku, rec.FuryokuX);
  weight(rec.SoilW(0), rec.SoilwX(0));
  weight(rec.SoilW(1), rec.SoilwX(1));
  S += rec.Youatsu;
  M += rec.YouatsuX * rec.Youatsu;
  S += rec.FotQ;
  M += rec.FotQX * rec.FotQ;
  for (int k = 0; k < rec.nNini(); ++k) {
    S -= rec.NiniLoad(k);
    M -= rec.NiniX(k) * rec.NiniLoad(k);
  }
  return sums;
}

StabStatus CalcFotForce(const CDocument& doc, int32_t caseNo, const KutaiPoints& p, CFotRes& rec) {
  const std::shared_ptr<CKajyuCase> cs = doc.pCase(caseNo);
  const std::shared_ptr<CAntRes> res = doc.AntRes(0, caseNo);
  if (!cs || !res) return StabStatus::Fail(kMemReasonNoCase);
  if (p[4].X == p[0].X) return StabStatus::Fail(kMemReasonBaseWidth);

  // The section, and the state and levels the stability run used for this
  // case, so the slab carries the soil and water that the ground reaction
  // below it was computed with.
  const double xs = p[2].X - rec.SecX;
  const FotLevels lv = FotCaseLevels(doc, caseNo);
  FotWeights(doc, p, xs, lv, rec);
  FotUplift(doc, p, xs, lv, rec);
  if (StabStatus st = FotReaction(doc, *res, xs, rec); !st) return st;
  if (StabStatus st = FotLoads(doc, *cs, xs, rec); !st) return st;

  // Shear and moment at the section, upward forces positive.
  const FotSums sums = SumFotForces(rec);
  rec.ForceS = sums.S;
  rec.ForceM = sums.M;
  if (!std::isfinite(sums.S) || !std::isfinite(sums.M)) {
    return StabStatus::Fail(kStabReasonNotFinite);
  }
  return StabStatus::Ok();
}

StabStatus CalcFotStress(CDocument& doc, int32_t caseNo) {
  if (doc.bFotCalc() == 0) return StabStatus::Ok();
  const std::shared_ptr<CKajyuCase> cs = doc.pCase(caseNo);
  if (!cs) return StabStatus::Fail(kMemReasonNoCase);
  std::shared_ptr<CFotRes> rec = doc.pFotRes(caseNo);
  if (!rec) {
    doc.SetpFotRes(caseNo, std::make_shared<CFotRes>());
    rec = doc.pFotRes(caseNo);
    if (!rec) return StabStatus::Fail(kMemReasonNoCase);
  }
  KutaiPoints p{};
  DPoint ref1, ref2;
  MakeKutaiOutline(doc, p, ref1, ref2, 0);
  CFotRes& r = *rec;
  r.SecX = 0;
  const double AP = cs->AllowPremium;
  r.Sgmca = AP * doc.Sgmca;
  r.Sgmta = AP * doc.Sgmta;
  r.Taua = AP * doc.Taua;
  const StabStatus st = CalcFotForce(doc, caseNo, p, r);
  if (!st) {
    MarkNotComputable(r);
    return st;
  }
  const double H = r.Height;
  double s0 = 0, tau = 0;
  if (H != 0) {
    s0 = 6 * r.ForceM / (H * H);
    tau = r.ForceS / H;
  }
  r.SetSgmc(0, s0 / 1000);
  r.SetSgmc(1, -s0 / 1000);
  r.Tauc = tau / 1000;
  return StabStatus::Ok();
}

}  // namespace norva

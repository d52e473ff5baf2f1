#include "calc/stability/force_sum.h"

#include <cmath>
#include <initializer_list>
#include <memory>
#include <string>

#include "calc/stability/finite_results.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "document/weight.h"

namespace norva {

namespace {

// One force of the table of items: V at x, H at y (outline coordinates).
struct Item {
  double V = 0, x = 0, H = 0, y = 0;
};

bool BodyInertia(const CDocument& doc, const CKajyuCase& k) {
  return k.nQuake == 1 && (doc.Sisin != 4 || k.Doat == 0);
}

bool CaseHasWater(const CDocument& doc, const CKajyuCase& k) {
  return doc.nWater != 0 && k.nWater != 0;
}

// Body item j cleared, then its weight and, in an earthquake, its inertia
// force; the levers are left to the caller. False without a polygon.
bool BodyForces(const std::shared_ptr<CWeight>& w, int j, bool inertia, CAntRes& r) {
  r.SetKutaiV(j, 0);
  r.SetKutaiH(j, 0);
  r.SetKutaiXc(j, 0);
  r.SetKutaiYc(j, 0);
  if (!w) return false;
  r.SetKutaiV(j, w->w());
  if (inertia) r.SetKutaiH(j, w->Kh() * w->w());
  return true;
}

// Buoyancy item (positions 0 when it is not taken, as in a new record).
void Buoyancy(const CDocument& doc, const CKajyuCase& k, const std::shared_ptr<CWeight>& w,
              CAntRes& r) {
  r.FuryokuV = r.FuryokuH = r.FuryokuXc = r.FuryokuYc = 0;
  if (!CaseHasWater(doc, k) || !w) return;
  r.FuryokuV = w->w();
  r.FuryokuH = w->Kh() * w->w();
  r.FuryokuXc = w->Xc();
  r.FuryokuYc = w->Yc();
}

// Front-soil items j = 0 (dry, whole height) and 1 (submerged correction).
template <class SlotFn>
void FrontSoil(const CDocument& doc, const CKajyuCase& k, int16_t state, SlotFn slot, CAntRes& r) {
  for (int j = 0; j < 2; ++j) {
    r.SetZensaiV(j, 0);
    r.SetZensaiH(j, 0);
    r.SetZensaiXc(j, 0);
    r.SetZensaiYc(j, 0);
  }
  if (k.nSoilF == 0) return;
  for (int j = 0; j < 2; ++j) {
    if (j == 1 && !CaseHasWater(doc, k)) break;
    double mx = 0, my = 0;
    const std::shared_ptr<CWeight> w = slot(state, j);
    if (w) {
      r.SetZensaiV(j, r.ZensaiV(j) + w->w());
      mx = w->VX();
      if (state != 0) {
        r.SetZensaiH(j, r.ZensaiH(j) + w->Kh() * w->w());
        my = w->HY();
      }
    }
    if (r.ZensaiV(j) != 0) r.SetZensaiXc(j, mx / r.ZensaiV(j));
    if (r.ZensaiH(j) != 0) r.SetZensaiYc(j, my / r.ZensaiH(j));
  }
}

// Self items in the order of the sums: body 0, body 1, buoyancy, soil 0, soil 1.
std::array<Item, 5> SelfItems(const CAntRes& r) {
  return {Item{r.KutaiV(0), r.KutaiXc(0), r.KutaiH(0), r.KutaiYc(0)},
          Item{r.KutaiV(1), r.KutaiXc(1), r.KutaiH(1), r.KutaiYc(1)},
          Item{r.FuryokuV, r.FuryokuXc, r.FuryokuH, r.FuryokuYc},
          Item{r.ZensaiV(0), r.ZensaiXc(0), r.ZensaiH(0), r.ZensaiYc(0)},
          Item{r.ZensaiV(1), r.ZensaiXc(1), r.ZensaiH(1), r.ZensaiYc(1)}};
}

bool Finite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// A load whose force or moment overflows: named to the user, and nothing of
// it left in the record.
StabStatus LoadTooLarge(const std::string& name, CAntRes& r) {
  ClearNonFinite(r);
  return StabStatus::Fail(std::string(kStabReasonLoadTooLarge) +
                          (name.empty() ? "" : "（" + name + "）"));
}

// Arbitrary loads of the case that act on the stability check. `counts`
// decides by the height of the load (Y1, or the resultant's height for a
// horizontal distributed load); levers are measured from (x0, y0).
template <class CountsFn>
StabStatus OtherLoads(const CDocument& doc, const CKajyuCase& k, double x0, double y0,
                      CountsFn counts, CAntRes& r) {
  r.SetNiniCnt(0);
  for (int i = 0; i < doc.nNiniCount(); ++i) {
    const std::shared_ptr<CNini> L = doc.pNini(i);
    if (!L || k.nNini(i) != 1 || (L->nTarget & 1) == 0) continue;
    const int16_t type = L->nType;
    if (type < 0 || type > 3) continue;
    double V = 0, H = 0, X = 0, Y = 0;
    if (type == 2 || type == 3) {
      // P1 belongs to the first position and P2 to the second, as entered and
      // drawn, also when the positions were entered right to left (the stem
      // and toe-slab checks take the same load the same way).
      const double c1 = type == 2 ? L->X1 : L->Y1;
      const double c2 = type == 2 ? L->X2 : L->Y2;
      const double pa = c1 <= c2 ? L->P1 : L->P2;  // at the smaller coordinate
      const double pb = c1 <= c2 ? L->P2 : L->P1;
      const double sum = pb + pa;
      double c = 1.5;  // a load of zero intensity: its middle (it weighs nothing)
      if (sum != 0) {
        c = (2 * pb + pa) / sum;
      } else if (pa != 0) {
        return StabStatus::Fail(std::string(kStabReasonLoadCentroid) + "（" + L->LoadName + "）");
      }
      const double lo = MinOf(c1, {c2}), hi = MaxOf(c1, {c2});
      if (type == 2) {
        V = (hi - lo) / 2 * (pa + pb);
        X = lo + (hi - lo) * c / 3;
      } else {
        H = (hi - lo) / 2 * (pa + pb);
        Y = lo + (hi - lo) * c / 3;
      }
    } else if (type == 0) {
      V = L->P1;
      X = L->X1;
    } else {
      H = L->P1;
      Y = L->Y1;
    }
    if (!counts(type == 3 ? Y : L->Y1)) continue;
    const int16_t n = r.NiniCnt();
    r.SetNiniCnt(static_cast<int16_t>(n + 1));
    r.SetNiniNam(n, L->LoadName);
    r.SetNiniType(n, type);
    if (type == 0 || type == 2) {
      r.SetNiniV(n, V);
      r.SetNiniX(n, X - x0);
    } else {
      r.SetNiniH(n, H);
      r.SetNiniY(n, Y - y0);
    }
  }
  r.NiniSgmV = r.NiniSgmVX = r.NiniSgmH = r.NiniSgmHY = 0;
  for (int n = 0; n < r.NiniCnt(); ++n) {
    const double mv = r.NiniX(n) * r.NiniV(n), mh = r.NiniY(n) * r.NiniH(n);
    if (!Finite({r.NiniV(n), r.NiniH(n), mv, mh})) return LoadTooLarge(r.NiniNam(n), r);
    r.NiniSgmV += r.NiniV(n);
    r.NiniSgmVX += mv;
    r.NiniSgmH += r.NiniH(n);
    r.NiniSgmHY += mh;
  }
  if (!Finite({r.NiniSgmV, r.NiniSgmVX, r.NiniSgmH, r.NiniSgmHY})) return LoadTooLarge("", r);
  return StabStatus::Ok();
}

// Vehicle collision, rock fall and wind in slots 0.. in that order.
StabStatus HorizontalLoads(const CDocument& doc, const CKajyuCase& k, double Hc, double x0,
                           double y0, const DPoint& crestFront, const DPoint& crestBack,
                           CAntRes& r) {
  r.HorzLoadSgmV = r.HorzLoadSgmVX = r.HorzLoadSgmH = r.HorzLoadSgmHY = 0;
  for (int i = 0; i < 3; ++i) {
    r.SetHorzLoadH(i, 0);
    r.SetHorzLoadY(i, 0);
    r.SetHorzLoadV(i, 0);
    r.SetHorzLoadX(i, 0);
  }
  const bool crash = doc.nAutoCrash(0) == 0 && k.nAutoCrash == 1;
  const bool stone = doc.nStone == 0 && k.nStoneCrash == 1;
  const bool wind = doc.nWind == 0 && k.nWind == 1;
  if ((crash || stone) && !(doc.WallL > 0)) return StabStatus::Fail(kStabReasonWallL);

  int n = 0;
  auto place = [&](const char* name, double H, double Y, double V, double X) {
    r.SetHorzLoadNam(n, name);
    r.SetHorzLoadH(n, H);
    r.SetHorzLoadY(n, Y);
    r.SetHorzLoadV(n, V);
    r.SetHorzLoadX(n, X);
    r.HorzLoadSgmH += H;
    r.HorzLoadSgmHY += Y * H;
    r.HorzLoadSgmV += V;
    r.HorzLoadSgmVX += X * V;
    ++n;
  };
  if (crash)
    place("自動車衝突荷重", doc.AutoCrashLoad / doc.WallL, doc.AutoCrashHigh + Hc - y0,
          doc.AutoCrashV / doc.WallL, (crestFront.X + crestBack.X) / 2 - x0);
  if (stone)
    place("落石衝突荷重", 2 * doc.StoneLoad / doc.WallL, doc.StoneHight * 2 / 3 + Hc - y0, 0, 0);
  if (wind) place("風荷重", doc.WindHight * doc.WindLoad, doc.WindPos + Hc - y0, 0, 0);
  // A slot no load fills has no name, as in a new record.
  for (int i = n; i < 3; ++i) r.SetHorzLoadNam(i, "");
  for (int i = 0; i < n; ++i) {
    if (!Finite({r.HorzLoadH(i), r.HorzLoadV(i), r.HorzLoadY(i) * r.HorzLoadH(i),
                 r.HorzLoadX(i) * r.HorzLoadV(i)})) {
      return LoadTooLarge(r.HorzLoadNam(i), r);
    }
  }
  if (!Finite({r.HorzLoadSgmH, r.HorzLoadSgmHY, r.HorzLoadSgmV, r.HorzLoadSgmVX})) {
    return LoadTooLarge("", r);
  }
  return StabStatus::Ok();
}

void MarkSumsMissing(CAntRes& r) {
  r.SgmV = r.SgmH = r.SgmMr = r.SgmMo = r.SgmVX = r.SgmHY = kNullBox;
}

bool AllFinite(const CAntRes& r) {
  return std::isfinite(r.SgmV) && std::isfinite(r.SgmH) && std::isfinite(r.SgmMr) &&
         std::isfinite(r.SgmMo) && std::isfinite(r.SgmVX) && std::isfinite(r.SgmHY);
}

// Weights and levers of the wall's own polygons. Dimensions far beyond any
// wall overflow the polygon sums; such a case has no weight to sum.
StabStatus CheckSelfItems(CAntRes& r) {
  for (const Item& it : SelfItems(r)) {
    if (!Finite({it.V, it.x, it.H, it.y, it.V * it.x, it.H * it.y})) {
      ClearNonFinite(r);
      MarkSumsMissing(r);
      return StabStatus::Fail(kStabReasonSizeTooLarge);
    }
  }
  return StabStatus::Ok();
}

StabStatus Finish(CAntRes& r) {
  if (AllFinite(r)) return StabStatus::Ok();
  MarkSumsMissing(r);
  return StabStatus::Fail(kStabReasonNotFinite);
}

}  // namespace

StabStatus CalcForceSum(const CDocument& doc, int32_t caseIndex, int16_t state,
                        const KutaiPoints& p, const DPoint& crestFront, const DPoint& crestBack,
                        CAntRes& r) {
  const std::shared_ptr<CKajyuCase> kc = doc.pCase(caseIndex);
  if (!kc) {
    MarkSumsMissing(r);
    return StabStatus::Fail(kStabReasonNoSums);
  }
  const CKajyuCase& k = *kc;
  const int32_t wt = doc.WallType();
  const bool mixed = wt == 3;

  // 1. Reference values.
  double Hc = doc.WallH, x0 = p[0].X, y0 = p[4].Y, B = p[4].X - p[0].X;
  if (wt == 2) {
    Hc = doc.MtwH2 + doc.MtwH1;
  } else if (mixed) {
    Hc = p[9].Y - p[4].Y;
    x0 = p[2].X - (p[2].Y - p[10].Y) * doc.BlkN;
    y0 = p[10].Y;
    B = p[3].X - p[2].X;
  }
  r.Breadth = B;

  // 2. Body.
  const bool inertia = BodyInertia(doc, k);
  for (int j = 0; j < 2; ++j) {
    const std::shared_ptr<CWeight> w = doc.KutaiW1(j);
    if (!BodyForces(w, j, inertia, r)) continue;
    if (r.KutaiV(j) != 0) r.SetKutaiXc(j, w->VX() / r.KutaiV(j));
    if (inertia && r.KutaiH(j) != 0) r.SetKutaiYc(j, w->HY() / r.KutaiH(j));
  }

  // 3. Buoyancy, 4. front soil.
  Buoyancy(doc, k, doc.Furyoku1(state), r);
  FrontSoil(
      doc, k, state, [&doc](int s, int j) { return doc.SoilW1(s, j); }, r);

  // 5. Horizontal loads, 6. other loads.
  StabStatus st = HorizontalLoads(doc, k, Hc, x0, y0, crestFront, crestBack, r);
  if (st)
    st = OtherLoads(
        doc, k, x0, y0, [y0](double y) { return y >= y0; }, r);
  if (st) st = CheckSelfItems(r);
  if (!st) {
    MarkSumsMissing(r);
    return st;
  }

  // 7. Sums of forces.
  const std::array<Item, 5> self = SelfItems(r);
  double V = 0, H = 0;
  for (const Item& it : self) V += it.V;
  if (!mixed) V += r.Pav;
  V = V - r.YouatsuV + r.HorzLoadSgmV + r.NiniSgmV;
  for (const Item& it : self) H += it.H;
  const double Ep = mixed ? r.Pa : r.Pah;
  H = H + Ep + r.Pwb - r.Pwf + r.HorzLoadSgmH + r.NiniSgmH;

  // Water levers. The upper wall's water heights are already measured from
  // its foot, the origin's level, so they are the levers themselves.
  const double lb = mixed ? r.Pwby : r.Pwby - y0;
  const double lf = mixed ? r.Pwfy : r.Pwfy - y0;

  // 8. Moments about the origin.
  double Mr = 0, Mo = 0, VX = 0, HY = 0;
  if (doc.Sisin == 3) {
    for (const Item& it : self) Mr += it.V * (it.x - x0) - it.H * (it.y - y0);
    Mr = Mr - r.YouatsuV * (r.YouatsuXc - x0) + r.HorzLoadSgmVX + r.NiniSgmVX;
    Mo = r.Pah * (r.Pay - y0) - r.Pav * (r.Pax - x0) + r.Pwb * lb - r.Pwf * lf + r.HorzLoadSgmHY +
         r.NiniSgmHY;
    for (const Item& it : self) VX += it.V * (it.x - x0);
    VX =
        VX - r.YouatsuV * (r.YouatsuXc - x0) + r.HorzLoadSgmVX + r.NiniSgmVX + r.Pav * (r.Pax - x0);
    for (const Item& it : self) HY += it.H * (it.y - y0);
    HY = HY + r.Pah * (r.Pay - y0) + r.Pwb * lb - r.Pwf * lf + r.HorzLoadSgmHY + r.NiniSgmHY;
  } else {
    Mr = mixed ? 0.0 : r.Pav * (r.Pax - x0);
    for (const Item& it : self) Mr += it.V * (it.x - x0);
    Mr = Mr - r.YouatsuV * (r.YouatsuXc - x0) + r.HorzLoadSgmVX + r.NiniSgmVX;
    Mo = Ep * (r.Pay - y0) + r.Pwb * lb - r.Pwf * lf;
    for (const Item& it : self) Mo += it.H * (it.y - y0);
    Mo = Mo + r.HorzLoadSgmHY + r.NiniSgmHY;
    VX = Mr;
    HY = Mo;
  }

  // 9. Store.
  r.SgmV = V;
  r.SgmH = H;
  r.SgmMr = Mr;
  r.SgmMo = Mo;
  r.SgmVX = VX;
  r.SgmHY = HY;
  return Finish(r);
}

StabStatus CalcForceSumLower(const CDocument& doc, int32_t caseIndex, int16_t state,
                             const KutaiPoints& p, const CAntRes& u, CAntRes& r) {
  const std::shared_ptr<CKajyuCase> kc = doc.pCase(caseIndex);
  r.Breadth = p[4].X - p[0].X;
  if (!kc || IsNullValue(u.SgmV) || IsNullValue(u.SgmH)) {
    MarkSumsMissing(r);
    return StabStatus::Fail(kStabReasonNoSums);
  }
  const CKajyuCase& k = *kc;

  // 1. Body.
  const bool inertia = BodyInertia(doc, k);
  for (int j = 0; j < 2; ++j) {
    const std::shared_ptr<CWeight> w = doc.KutaiW2(j);
    if (!BodyForces(w, j, inertia, r)) continue;
    r.SetKutaiXc(j, w->Xc());
    if (inertia) r.SetKutaiYc(j, w->Yc());
  }

  // 2. Buoyancy, 3. front soil, 4. other loads below the foot of the upper wall.
  Buoyancy(doc, k, doc.Furyoku2(state), r);
  FrontSoil(
      doc, k, state, [&doc](int s, int j) { return doc.SoilW2(s, j); }, r);
  const double y2 = p[2].Y;
  StabStatus st = OtherLoads(
      doc, k, 0, 0, [y2](double y) { return y < y2; }, r);
  if (st) st = CheckSelfItems(r);
  if (!st) {
    MarkSumsMissing(r);
    return st;
  }

  // 5. Sums; the upper wall enters at the middle of the joint 2-3.
  const double xm = (p[3].X + p[2].X) * 0.5;
  const double ym = (p[2].Y + p[3].Y) * 0.5;
  const double Vu = u.Pav + u.SgmV;
  const double Hu = u.SgmH - u.Pa + u.Pah;
  const std::array<Item, 5> self = SelfItems(r);

  double V = Vu, H = Hu, Mr = xm * Vu, Mo = ym * Hu;
  for (const Item& it : self) V += it.V;
  V = V + r.Pav - r.YouatsuV + r.NiniSgmV;
  for (const Item& it : self) H += it.H;
  H = H + r.Pah + r.Pwb - r.Pwf + r.NiniSgmH;
  for (const Item& it : self) Mr += it.x * it.V;
  Mr = Mr + r.Pax * r.Pav - r.YouatsuXc * r.YouatsuV + r.NiniSgmVX;
  for (const Item& it : self) Mo += it.y * it.H;
  Mo = Mo + r.Pay * r.Pah + r.Pwby * r.Pwb - r.Pwfy * r.Pwf + r.NiniSgmHY;

  // 6. Store.
  r.SgmV = V;
  r.SgmH = H;
  r.SgmMr = Mr;
  r.SgmMo = Mo;
  r.SgmVX = r.SgmMr;
  r.SgmHY = r.SgmMo;
  return Finish(r);
}

}  // namespace norva

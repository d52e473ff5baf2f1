#include "calc/member/wall_force.h"

#include <cmath>
#include <memory>

#include "calc/earth_pressure/doatsu.h"
#include "calc/member/member_common.h"
#include "calc/stability/water.h"
#include "calc/stability/weight_polygons.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/numeric.h"
#include "document/nulls.h"
#include "document/weight.h"

namespace norva {

namespace {

DPoint Mid(const DPoint& a, const DPoint& b) { return {(a.X + b.X) / 2, (a.Y + b.Y) / 2}; }
DPoint HalfWay(const DPoint& a, const DPoint& b) {
  return PointAlong(a, b, PointDistance(a, b) / 2);
}

// The running sums and, when a record is given, its item rows.
class Items {
 public:
  explicit Items(CWallRes* r) : r_(r) {}
  void Add(double N, double X, double S, double Y) {
    V += N;
    VX += N * X;
    H += S;
    HY += S * Y;
  }
  void Row(int k, double N, double X, double S, double Y) {
    if (!r_) return;
    r_->SetnAForce(k, 1);
    r_->SetAForceN(k, N);
    r_->SetAForceX(k, X);
    r_->SetAForceS(k, S);
    r_->SetAForceY(k, Y);
  }
  double V = 0, H = 0, VX = 0, HY = 0;

 private:
  CWallRes* r_;
};

void TableRow(CAntRes& a, int k, double V, double X, double H, double Y) {
  a.SetnSForce(k, 1);
  a.SetSForceV(k, V);
  a.SetSForceX(k, X);
  a.SetSForceMr(k, X * V);
  a.SetSForceH(k, H);
  a.SetSForceY(k, Y);
  a.SetSForceMo(k, Y * H);
}

StabStatus Failed(StabStatus st, double& sumV, double& sumH, double& sumVX, double& sumHY) {
  sumV = sumH = sumVX = sumHY = kNullBox;
  return st;
}

}  // namespace

StabStatus CalcWallHanryoku(const CDocument& doc, int32_t caseNo, const KutaiPoints& p,
                            double secY, double& faceV, double& faceH, double& faceX,
                            double& faceY, CWallRes* wallRes) {
  faceV = faceH = faceX = faceY = 0;
  const double y = secY;
  // The face the back ground bears on: the block face 3-9, or the back face
  // 3-6 of a leaning wall (whose outline has no point 9).
  const DPoint lo = p[3];
  const DPoint hi = doc.WallType() == 2 ? p[6] : p[9];
  if (y < lo.Y) return StabStatus::Ok();
  double alpha = std::atan(doc.BlkN);
  if (doc.WallType() == 2) {
    if (hi.Y == lo.Y) return StabStatus::Fail(kMemReasonFaceReaction);
    alpha = std::atan((hi.X - lo.X) / (hi.Y - lo.Y));
  }
  const std::shared_ptr<CAntRes> r = doc.AntRes(0, caseNo);
  if (!r) return StabStatus::Fail(kMemReasonNoCase);
  const double vals[] = {r->qtu, r->qtl, r->l1, r->l2, r->Qt};
  for (double v : vals) {
    if (IsNullValue(v) || !std::isfinite(v)) return StabStatus::Fail(kMemReasonFaceReaction);
  }
  const DPoint Pz{InterpolateX(lo, hi, y), y};
  const double Lf = PointDistance(lo, hi);
  const double lz = PointDistance(Pz, hi);
  const double qtu = r->qtu;
  double Qtz = 0, Alpz = 0;
  // Resultant of a linear distribution from qtu at the top to qs at the section.
  auto trapezoid = [&](double qs) -> bool {
    if (qtu + qs == 0) return false;
    Qtz = (qtu + qs) * lz / 2;
    Alpz = (2 * qtu + qs) * (lz / 3) / (qtu + qs);
    return true;
  };
  if (qtu <= 0 || lz == 0) {
    // No reaction, or nothing of the face above the section.
  } else if (r->l1 <= 0) {
    if (Lf == 0) return StabStatus::Fail(kMemReasonFaceReaction);
    if (!trapezoid(qtu - (qtu - r->qtl) / Lf * lz)) return StabStatus::Fail(kMemReasonFaceReaction);
  } else if (lz <= r->l2) {
    if (!trapezoid((r->l2 - lz) / r->l2 * qtu)) return StabStatus::Fail(kMemReasonFaceReaction);
  } else {
    Qtz = r->Qt;
    Alpz = lz - r->l2 / 3;
  }
  faceV = -Qtz * std::sin(alpha);
  faceH = Qtz * std::cos(alpha);
  faceX = Pz.X + Alpz * std::sin(alpha);
  faceY = Pz.Y + Alpz * std::cos(alpha);
  if (wallRes) {
    wallRes->lz = lz;
    wallRes->Qtz = Qtz;
    wallRes->Alpz = Alpz;
  }
  return StabStatus::Ok();
}

StabStatus CalcWallForce(CDocument& doc, int32_t caseNo, const KutaiPoints& p, const DPoint& C1,
                         const DPoint& C2, int16_t part, double secY, int16_t bThrust,
                         int16_t bStem, double& sumV, double& sumH, double& sumVX,
                         double& sumHY, CWallRes* wallRes, int16_t bForceTable) {
  sumV = sumH = sumVX = sumHY = 0;
  const std::shared_ptr<CKajyuCase> cs = doc.pCase(caseNo);
  const std::shared_ptr<CAntRes> res0 = doc.AntRes(0, caseNo);
  if (!cs || !res0) return Failed(StabStatus::Fail(kMemReasonNoCase), sumV, sumH, sumVX, sumHY);
  const double y = secY;
  const int32_t wt = doc.WallType();
  const bool mixed = wt == 3;
  const bool lower = mixed && part != 0;
  // Only the block wall and the upper wall keep their section polygons.
  const bool keepPolys = bForceTable != 0 && (wt == 0 || (mixed && part == 0));

  // 1. State and inertia.
  const int16_t st = (doc.bQuake != 0 && cs->nQuake != 0 && cs->Doat == 1) ? 1 : 0;
  const bool bodyInertia = cs->nQuake == 1 && (doc.Sisin != 4 || cs->Doat == 0);

  // 2, 3. Clear the tables.
  if (bForceTable != 0) {
    for (int k = 0; k < CAntRes::kSForceItems; ++k) {
      res0->SetnSForce(k, 0);
      res0->SetSForceV(k, 0);
      res0->SetSForceH(k, 0);
      res0->SetSForceX(k, 0);
      res0->SetSForceY(k, 0);
      res0->SetSForceMr(k, 0);
      res0->SetSForceMo(k, 0);
    }
  }
  if (wallRes) {
    for (int k = 0; k < CWallRes::kAForceItems; ++k) {
      wallRes->SetnAForce(k, 0);
      wallRes->SetAForceN(k, 0);
      wallRes->SetAForceS(k, 0);
      wallRes->SetAForceX(k, 0);
      wallRes->SetAForceY(k, 0);
    }
  }

  // 4. Top height and reference abscissa.
  double Ht = 0;
  if (wt == 0)
    Ht = p[9].Y - p[4].Y;
  else if (wt == 1 || wt == 2)
    Ht = p[6].Y - p[4].Y;
  else
    Ht = p[9].Y - p[0].Y;
  double xr = 0;
  if (bStem != 0) {
    DPoint A, B;
    if (wt == 0) {
      A = Mid(p[2], p[3]);
      B = Mid(p[5], p[9]);
    } else if (wt == 1 || wt == 2) {
      A = HalfWay(p[2], p[3]);
      B = Mid(p[5], p[6]);
    } else if (!lower) {
      A = Mid(p[2], p[3]);
      B = Mid(p[5], p[9]);
    } else {
      A = HalfWay(p[0], p[4]);
      B = Mid(p[2], p[3]);
    }
    xr = (!lower && A.Y > y) ? A.X : InterpolateX(A, B, y);
  } else {
    xr = InterpolateX(p[2], p[5], y);
    if (p[2].Y > y) xr = mixed ? InterpolateX(p[0], p[1], y) : p[0].X;
  }

  // 5. Water levels.
  double wf = 0, wb = 0;
  if (doc.nWater != 0 && cs->nWater != 0) {
    wf = doc.WatFH(st);
    wb = doc.WatBH(st);
  }

  // 6. Body above the section.
  WeightPtr W0, W1;
  if (wt == 0)
    MakeKutaiBlk(doc, p, y, W0, W1);
  else if (wt == 1)
    MakeKutaiGrw(doc, p, y, W0, W1);
  else if (wt == 2)
    MakeKutaiMtw(doc, p, y, W0, W1);
  else
    MakeKutaiMxw(doc, p, y, part, W0, W1);
  if (keepPolys) doc.KutaiWS = W0;

  // 7. Front soil.
  WeightPtr S0, S1;
  auto soil = [&](double level, double gam, WeightPtr& w) {
    if (wt == 0)
      MakeSoilBlk(doc, p, level, y, gam, w);
    else if (mixed)
      MakeSoilMxw(doc, p, level, part, y, gam, w);
    else
      MakeSoil(doc, p, level, y, gam, w);
  };
  if (cs->nSoilF != 0 && doc.SoilFH(st) > y) {
    soil(doc.SoilFH(st), doc.Gamf, S0);
    if (keepPolys) doc.SetSoilWS(st, 0, S0);
    if (wf > y && doc.nWater == 1 && cs->nWater != 0) {
      soil(MinOf(doc.SoilFH(st), {wf}), doc.Gamfd - doc.Gamf, S1);
      if (keepPolys) doc.SetSoilWS(st, 1, S1);
    }
  }

  // 8. Buoyancy.
  WeightPtr F;
  if (doc.nWater == 1 && y < wb) {
    if (wt == 0)
      MakeFuryokuBlk(doc, p, wb, y, F);
    else if (mixed)
      MakeFuryokuMxw(doc, p, wb, part, y, F);
    else
      MakeFuryoku(doc, p, wb, y, F);
    if (keepPolys) doc.SetFuryokuS(st, F);
  }

  // 9. Earth pressure above the section.
  double PV = 0, PH = 0, MV = 0, MH = 0;
  EpStatus ep;
  if (mixed) {
    double alphaU = 0, PaU = 0;
    if (part != 0) {
      if (p[9].Y == p[3].Y)
        return Failed(StabStatus::Fail(kMemReasonUpperFace), sumV, sumH, sumVX, sumHY);
      alphaU = -std::atan((p[9].X - p[3].X) / (p[9].Y - p[3].Y));
      PaU = res0->Pa;
    }
    ep = CalcSecDoatsuMxw(doc, caseNo, p, st, wb, part, alphaU, PaU, y, bThrust, PV, PH, MV, MH);
  } else {
    ep = CalcSecDoatsu(doc, caseNo, p, st, wb, y, bThrust, PV, PH, MV, MH);
  }
  if (!ep) return Failed(StabStatus::Fail(ep.reason), sumV, sumH, sumVX, sumHY);

  // 10. Water pressure.
  double Pwf = 0, Pwfy = 0, Pwb = 0, Pwby = 0;
  CalcSuiatsu(doc, p, wf, wb, part, y, Pwf, Pwfy, Pwb, Pwby);

  // 11. Uplift (line of thrust at the base only).
  double U = 0, Xu = 0;
  const bool uplift = y <= 0 && doc.nWater == 2 && cs->nWater != 0 && bStem == 0;
  if (uplift) {
    double q1 = 0, q2 = 0;
    CalcYouatsu(doc, p, wf, wb, U, q1, q2, Xu);
  }

  // 12. Wall-face reaction.
  double faceV = 0, faceH = 0, faceX = 0, faceY = 0;
  if (bStem == 1 && (doc.Sisin == 3 || (wt == 2 && doc.Sisin == 2))) {
    StabStatus fs = CalcWallHanryoku(doc, caseNo, p, y, faceV, faceH, faceX, faceY, wallRes);
    // The leaning wall's reaction is only shown, so only the large-block
    // guideline's stops the section.
    if (!fs && doc.Sisin == 3) return Failed(fs, sumV, sumH, sumVX, sumHY);
  }

  // 13, 14. Items.
  Items it(wallRes);
  auto polygon = [&](int row, const WeightPtr& w, bool inertia) {
    if (!w) return;
    const double N = w->w();
    const double X = w->Xc() - xr;
    const double S = inertia ? w->Kh() * N : 0.0;
    const double Y = inertia ? w->Yc() - y : 0.0;
    it.Add(N, X, S, Y);
    if (N != 0) it.Row(row, N, X, S, Y);
  };
  polygon(0, W0, bodyInertia);
  polygon(1, W1, bodyInertia);
  polygon(2, F, st != 0);
  polygon(3, S0, st != 0);
  polygon(4, S1, st != 0);

  const double epX = PV != 0 ? MV / PV - xr : 0.0;
  const double epY = PH != 0 ? MH / PH - y : 0.0;
  it.Add(PV, epX, PH, epY);
  it.Row(5, PV, epX, PH, epY);

  it.Add(0, 0, -Pwf, Pwfy);
  if (Pwf != 0) it.Row(6, 0, 0, -Pwf, Pwfy);
  it.Add(0, 0, Pwb, Pwby);
  if (Pwb != 0) it.Row(7, 0, 0, Pwb, Pwby);

  if (uplift) {
    // Counted with the horizontal moments: sumHY - sumVX is then that of a
    // vertical force -U at Xu - xr.
    it.V -= U;
    it.HY += U * (Xu - xr);
  }

  if (bStem == 1 && doc.Sisin == 3) {
    it.Add(faceV, faceX - xr, faceH, faceY - y);
    it.Row(9, faceV, faceX - xr, faceH, faceY - y);
  }

  // 15-17. Horizontal loads of the case.
  double HV = 0, HVX = 0, HH = 0, HHY = 0;
  if (!lower) {
    const double d = Ht - y;
    if (cs->nAutoCrash == 1) {
      if (bStem == 0 && doc.nAutoCrash(0) == 0) {
        if (doc.WallL <= 0)
          return Failed(StabStatus::Fail(kStabReasonWallL), sumV, sumH, sumVX, sumHY);
        const double Hc = doc.AutoCrashLoad / doc.WallL;
        const double Yc = doc.AutoCrashHigh + d;
        const double Vc = doc.AutoCrashV / doc.WallL;
        const double Xc = (C1.X + C2.X) / 2 - xr;
        it.Add(Vc, Xc, Hc, Yc);
        HV = Vc;
        HVX = Vc * Xc;
        HH = Hc;
        HHY = Hc * Yc;
      } else if (bStem == 1 && doc.nAutoCrash(1) == 0) {
        double b = doc.AutoCrashWidth;
        if (doc.nAutoCrashBougo != 0) b += doc.AutoCrashHigh;
        if (b + d <= 0)
          return Failed(StabStatus::Fail(kMemReasonCrashWidth), sumV, sumH, sumVX, sumHY);
        const double Hc = doc.AutoCrashLoad / (b + d);
        const double Yc = doc.AutoCrashHigh + d;
        it.Add(0, 0, Hc, Yc);
        it.Row(10, 0, 0, Hc, Yc);
      }
    }
    // A load the document does not consider has no inputs: the case switch
    // alone would put never-entered values into the sums.
    if (cs->nStoneCrash == 1 && doc.nStone == 0) {
      if (bStem == 0) {
        if (doc.WallL <= 0)
          return Failed(StabStatus::Fail(kStabReasonWallL), sumV, sumH, sumVX, sumHY);
        const double Hs = 2 * doc.StoneLoad / doc.WallL;
        const double Ys = doc.StoneHight * 2 / 3 + d;
        it.Add(0, 0, Hs, Ys);
        HH += Hs;
        HHY += Hs * Ys;
      } else {
        const double spread = MinOf(2 * d + 0.1, {doc.StonePich});
        if (spread <= 0)
          return Failed(StabStatus::Fail(kMemReasonStoneWidth), sumV, sumH, sumVX, sumHY);
        const double Hs = doc.StoneLoad / spread;
        const double Ys = doc.StoneHight + d;
        it.Add(0, 0, Hs, Ys);
        it.Row(11, 0, 0, Hs, Ys);
      }
    }
    if (cs->nWind == 1 && doc.nWind == 0) {
      const double Hw = doc.WindHight * doc.WindLoad;
      const double Yw = doc.WindPos + d;
      it.Add(0, 0, Hw, Yw);
      HH += Hw;
      HHY += Hw * Yw;
      it.Row(12, 0, 0, Hw, Yw);
    }
  }

  // 18. Arbitrary loads, taken whole.
  if (wallRes) wallRes->SetNiniCnt(0);
  double nV = 0, nVX = 0, nH = 0, nHY = 0;
  const int16_t bit = bStem != 0 ? 2 : 1;
  for (int i = 0; i < doc.nNiniCount(); ++i) {
    const std::shared_ptr<CNini> L = doc.pNini(i);
    if (!L || cs->nNini(i) != 1 || (L->nTarget & bit) == 0) continue;
    bool hasV = false, hasH = false;
    double PVl = 0, PHl = 0, xv = 0, yh = 0;
    switch (L->nType) {
      case 0:
        if (L->Y1 >= y) {
          hasV = true;
          PVl = L->P1;
          xv = L->X1 - xr;
        }
        break;
      case 1:
        if (L->Y1 >= y) {
          hasH = true;
          PHl = L->P1;
          yh = L->Y1 - y;
        }
        break;
      case 2:
      case 3: {
        // The intensity at the lower coordinate leads, whichever end it was
        // entered at.
        const bool vert = L->nType == 2;
        const double c1 = vert ? L->X1 : L->Y1;
        const double c2 = vert ? L->X2 : L->Y2;
        const double a = MinOf(c1, {c2});
        const double b = MaxOf(c1, {c2});
        const double pa = c1 <= c2 ? L->P1 : L->P2;
        const double pb = c1 <= c2 ? L->P2 : L->P1;
        if (vert && !(L->Y1 >= y)) break;
        if (pa + pb == 0) {
          if (pa == 0) break;  // no load at all
          return Failed(StabStatus::Fail(kStabReasonLoadCentroid), sumV, sumH, sumVX, sumHY);
        }
        const double P = (pa + pb) * (b - a) / 2;
        const double c = a + (b - a) * (2 * pb + pa) / (pa + pb) / 3;
        if (vert) {
          hasV = true;
          PVl = P;
          xv = c - xr;
        } else if (c >= y) {
          hasH = true;
          PHl = P;
          yh = c - y;
        }
        break;
      }
      default:
        break;
    }
    if (hasV) {
      nV += PVl;
      nVX += xv * PVl;
    }
    if (hasH) {
      nH += PHl;
      nHY += PHl * yh;
    }
    if (wallRes && (hasV || hasH)) {
      wallRes->SetNiniCnt(static_cast<int16_t>(wallRes->NiniCnt() + 1));
      const int k = wallRes->NiniCnt() - 1;
      wallRes->SetNiniNam(k, L->LoadName);
      wallRes->SetNiniType(k, L->nType);
      if (hasV) {
        wallRes->SetNiniV(k, PVl);
        wallRes->SetNiniX(k, xv);
      }
      if (hasH) {
        wallRes->SetNiniH(k, PHl);
        wallRes->SetNiniY(k, yh);
      }
    }
  }
  it.V += nV;
  it.VX += nVX;
  it.H += nH;
  it.HY += nHY;
  const bool anyNini = nV != 0 || nVX != 0 || nH != 0 || nHY != 0;
  if (wallRes) {
    wallRes->NiniSgmV = nV;
    wallRes->NiniSgmVX = nVX;
    wallRes->NiniSgmH = nH;
    wallRes->NiniSgmHY = nHY;
    if (anyNini) it.Row(13, nV, nV != 0 ? nVX / nV : 0.0, nH, nH != 0 ? nHY / nH : 0.0);
  }

  // 19. The upper wall on the lower wall.
  if (lower) {
    const double N = res0->SgmV + res0->Pav;
    const double S = res0->SgmH - res0->Pa + res0->Pah;
    const double X = (p[2].X + p[3].X) / 2 - xr;
    const double Y = (p[2].Y + p[3].Y) / 2 - y;
    it.Add(N, X, S, Y);
    it.Row(14, N, X, S, Y);
  }

  // 20. Force summary table.
  if (bForceTable != 0) {
    CAntRes& a = *res0;
    auto polyRow = [&](int k, const WeightPtr& w, bool inertia) {
      if (!w || w->w() == 0) return;
      const double V = w->w();
      TableRow(a, k, V, w->Xc() - xr, inertia ? w->Kh() * V : 0.0, inertia ? w->Yc() - y : 0.0);
    };
    polyRow(0, W0, bodyInertia);
    polyRow(1, F, st != 0);
    polyRow(2, S0, st != 0);
    polyRow(3, S1, st != 0);
    TableRow(a, 4, PV, epX, PH, epY);
    if (Pwf != 0) TableRow(a, 5, 0, 0, -Pwf, Pwfy);
    if (Pwb != 0) TableRow(a, 6, 0, 0, Pwb, Pwby);
    if (uplift && U != 0) {
      a.SetnSForce(7, 1);
      a.SetSForceV(7, U);
      a.SetSForceX(7, Xu - xr);
      a.SetSForceMo(7, (Xu - xr) * U);
    }
    if (HH != 0 || HHY != 0)
      TableRow(a, 8, HV, HV != 0 ? HVX / HV : 0.0, HH, HH != 0 ? HHY / HH : 0.0);
    if (anyNini) TableRow(a, 9, nV, nV != 0 ? nVX / nV : 0.0, nH, nH != 0 ? nHY / nH : 0.0);
  }

  sumV = it.V;
  sumH = it.H;
  sumVX = it.VX;
  sumHY = it.HY;
  if (!std::isfinite(sumV) || !std::isfinite(sumH) || !std::isfinite(sumVX) ||
      !std::isfinite(sumHY))
    return Failed(StabStatus::Fail(kStabReasonNotFinite), sumV, sumH, sumVX, sumHY);
  return StabStatus::Ok();
}

}  // namespace norva

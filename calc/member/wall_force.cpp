#include "calc/member/wall_force.h"

#include <cmath>
#include <memory>
#include <utility>

#include "calc/earth_pressure/doatsu.h"
#include "calc/member/member_common.h"
#include "calc/stability/water.h"
#include "calc/stability/weight_polygons.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/numeric.h"
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

WallForceResult Failed(StabStatus st) {
  WallForceResult r;
  r.status = std::move(st);
  r.sums = {kNullBox, kNullBox, kNullBox, kNullBox};
  return r;
}

}  // namespace

WallReactionFace WallFaceOfReaction(const CDocument& doc, const KutaiPoints& p) {
  WallReactionFace f;
  f.lo = doc.WallType() == 3 ? p[10] : p[3];  // the upper wall's own back face
  f.hi = doc.WallType() == 2 ? p[6] : p[9];
  f.alpha = std::atan(doc.BlkN);
  if (doc.WallType() == 2) {
    f.valid = f.hi.Y != f.lo.Y;
    f.alpha = f.valid ? std::atan((f.hi.X - f.lo.X) / (f.hi.Y - f.lo.Y)) : 0.0;
  }
  return f;
}

bool WallTakesFaceReaction(const CDocument& doc) {
  return doc.Sisin == 3 || (doc.WallType() == 2 && doc.Sisin == 2);
}

StabStatus CalcWallHanryoku(const CDocument& doc, int32_t caseNo, const KutaiPoints& p, double secY,
                            double& faceV, double& faceH, double& faceX, double& faceY,
                            CWallRes* wallRes) {
  faceV = faceH = faceX = faceY = 0;
  const double y = secY;
  const WallReactionFace face = WallFaceOfReaction(doc, p);
  const DPoint lo = face.lo;
  const DPoint hi = face.hi;
  if (y < lo.Y) return StabStatus::Ok();
  if (!face.valid) return StabStatus::Fail(kMemReasonFaceReaction);
  const double alpha = face.alpha;
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

WallCaseState WallForceState(const CDocument& doc, int32_t caseNo) {
  WallCaseState s;
  const std::shared_ptr<CKajyuCase> cs = doc.pCase(caseNo);
  if (!cs) return s;
  s.st = (doc.bQuake != 0 && cs->nQuake != 0 && cs->Doat == 1) ? 1 : 0;
  s.bodyInertia = cs->nQuake == 1 && (doc.Sisin != 4 || cs->Doat == 0);
  return s;
}

WallWaterLevels WallForceWaterLevels(const CDocument& doc, const CKajyuCase& cs, int16_t st) {
  WallWaterLevels w;
  if (doc.nWater != 0 && cs.nWater != 0) {
    w.front = doc.WatFH(st);
    w.back = doc.WatBH(st);
  }
  return w;
}

double WallCheckHeight(const CDocument& doc, const KutaiPoints& p, int16_t part, int i) {
  const double base = (doc.WallType() == 3 && part != 0) ? p[4].Y : p[2].Y;
  return doc.WallSecY(part, i) + base;
}

double WallTopHeight(const CDocument& doc, const KutaiPoints& p) {
  const int32_t wt = doc.WallType();
  if (wt == 0) return p[9].Y - p[4].Y;
  if (wt == 1 || wt == 2) return p[6].Y - p[4].Y;
  return p[9].Y - p[0].Y;
}

double WallSectionRefX(const CDocument& doc, const KutaiPoints& p, int16_t part, double y,
                       WallForceUse use) {
  const int32_t wt = doc.WallType();
  const bool mixed = wt == 3;
  const bool lower = mixed && part != 0;
  if (use == WallForceUse::kThrust) {
    if (p[2].Y > y) return mixed ? InterpolateX(p[0], p[1], y) : p[0].X;
    return InterpolateX(p[2], p[5], y);
  }
  DPoint A, B;
  if (wt == 0) {
    A = Mid(p[2], p[3]);
    B = Mid(p[5], p[9]);
  } else if (wt == 1 || wt == 2) {
    A = HalfWay(p[2], p[3]);
    B = Mid(p[5], p[6]);
  } else if (!lower) {
    // The upper wall stands on the joint from P2 to P10; P3 is the lower
    // wall's back corner, behind the upper wall's back face.
    A = Mid(p[2], p[10]);
    B = Mid(p[5], p[9]);
  } else {
    A = HalfWay(p[0], p[4]);
    B = Mid(p[2], p[3]);
  }
  return (!lower && A.Y > y) ? A.X : InterpolateX(A, B, y);
}

void WallSectionBody(const CDocument& doc, const KutaiPoints& p, int16_t part, double y,
                     WeightPtr& w0, WeightPtr& w1) {
  switch (doc.WallType()) {
    case 0:
      MakeKutaiBlk(doc, p, y, w0, w1);
      break;
    case 1:
      MakeKutaiGrw(doc, p, y, w0, w1);
      break;
    case 2:
      MakeKutaiMtw(doc, p, y, w0, w1);
      break;
    default:
      MakeKutaiMxw(doc, p, y, part, w0, w1);
      break;
  }
}

void WallSectionSoil(const CDocument& doc, const KutaiPoints& p, int16_t part, double level,
                     double y, double gam, WeightPtr& w) {
  if (doc.WallType() == 0)
    MakeSoilBlk(doc, p, level, y, gam, w);
  else if (doc.WallType() == 3)
    MakeSoilMxw(doc, p, level, part, y, gam, w);
  else
    MakeSoil(doc, p, level, y, gam, w);
}

int WallSectionFrontSoil(const CDocument& doc, const CKajyuCase& cs, const KutaiPoints& p,
                         int16_t part, double y, int16_t st, double wf, WeightPtr& s0,
                         WeightPtr& s1) {
  if (cs.nSoilF == 0 || !(doc.SoilFH(st) > y)) return 0;
  WallSectionSoil(doc, p, part, doc.SoilFH(st), y, doc.Gamf, s0);
  if (!(wf > y && doc.nWater == 1 && cs.nWater != 0)) return 1;
  WallSectionSoil(doc, p, part, MinOf(doc.SoilFH(st), {wf}), y, doc.Gamfd - doc.Gamf, s1);
  return 2;
}

void WallSectionBuoyancy(const CDocument& doc, const KutaiPoints& p, int16_t part, double level,
                         double y, WeightPtr& w) {
  if (doc.WallType() == 0)
    MakeFuryokuBlk(doc, p, level, y, w);
  else if (doc.WallType() == 3)
    MakeFuryokuMxw(doc, p, level, part, y, w);
  else
    MakeFuryoku(doc, p, level, y, w);
}

namespace {

// What every phase of one section reads.
struct Section {
  CDocument& doc;
  int32_t caseNo;
  const CKajyuCase& cs;
  CAntRes& res0;
  const KutaiPoints& p;
  int16_t part;
  double y;
  bool stem;
  bool lower;
  double xr;
  WallCaseState state;
};

// The section's polygons.
struct Polygons {
  WeightPtr W0, W1, S0, S1, F;
};

Polygons SectionPolygons(const Section& s, const WallWaterLevels& w, bool keep) {
  Polygons g;
  CDocument& doc = s.doc;
  const int16_t st = s.state.st;
  WallSectionBody(doc, s.p, s.part, s.y, g.W0, g.W1);
  if (keep) doc.KutaiWS = g.W0;
  const int soils = WallSectionFrontSoil(doc, s.cs, s.p, s.part, s.y, st, w.front, g.S0, g.S1);
  if (keep && soils >= 1) doc.SetSoilWS(st, 0, g.S0);
  if (keep && soils >= 2) doc.SetSoilWS(st, 1, g.S1);
  if (doc.nWater == 1 && s.y < w.back) {
    WallSectionBuoyancy(doc, s.p, s.part, w.back, s.y, g.F);
    if (keep) doc.SetFuryokuS(st, g.F);
  }
  return g;
}

// Earth pressure above the section: PV, PH and their moments MV, MH about
// the outline's origin.
struct EarthPressure {
  double PV = 0, PH = 0, MV = 0, MH = 0;
};

StabStatus SectionEarthPressure(const Section& s, double wb, EarthPressure& e) {
  const int16_t thrust = s.stem ? 0 : 1;
  EpStatus ep;
  if (s.doc.WallType() == 3) {
    double alphaU = 0, PaU = 0;
    if (s.part != 0) {
      const KutaiPoints& p = s.p;
      if (p[9].Y == p[3].Y) return StabStatus::Fail(kMemReasonUpperFace);
      alphaU = -std::atan((p[9].X - p[3].X) / (p[9].Y - p[3].Y));
      PaU = s.res0.Pa;
    }
    ep = CalcSecDoatsuMxw(s.doc, s.caseNo, s.p, s.state.st, wb, s.part, alphaU, PaU, s.y, thrust,
                          e.PV, e.PH, e.MV, e.MH);
  } else {
    ep = CalcSecDoatsu(s.doc, s.caseNo, s.p, s.state.st, wb, s.y, thrust, e.PV, e.PH, e.MV, e.MH);
  }
  if (!ep) return StabStatus::Fail(ep.reason);
  return StabStatus::Ok();
}

// The horizontal loads of the case (collision, rock fall, wind) as the
// stability chapter's table sums them: V, VX, H, HY.
struct HorzSums {
  double V = 0, VX = 0, H = 0, HY = 0;
};

StabStatus AddHorzLoads(const Section& s, const DPoint& C1, const DPoint& C2, Items& it,
                        HorzSums& h) {
  const CDocument& doc = s.doc;
  const CKajyuCase& cs = s.cs;
  const double xr = s.xr;
  const double d = WallTopHeight(doc, s.p) - s.y;
  if (cs.nAutoCrash == 1) {
    if (!s.stem && doc.nAutoCrash(0) == 0) {
      if (doc.WallL <= 0) return StabStatus::Fail(kStabReasonWallL);
      const double Hc = doc.AutoCrashLoad / doc.WallL;
      const double Yc = doc.AutoCrashHigh + d;
      const double Vc = doc.AutoCrashV / doc.WallL;
      const double Xc = (C1.X + C2.X) / 2 - xr;
      it.Add(Vc, Xc, Hc, Yc);
      h.V = Vc;
      h.VX = Vc * Xc;
      h.H = Hc;
      h.HY = Hc * Yc;
    } else if (s.stem && doc.nAutoCrash(1) == 0) {
      double b = doc.AutoCrashWidth;
      if (doc.nAutoCrashBougo != 0) b += doc.AutoCrashHigh;
      if (b + d <= 0) return StabStatus::Fail(kMemReasonCrashWidth);
      const double Hc = doc.AutoCrashLoad / (b + d);
      const double Yc = doc.AutoCrashHigh + d;
      it.Add(0, 0, Hc, Yc);
      it.Row(10, 0, 0, Hc, Yc);
    }
  }
  // A load the document does not consider has no inputs: the case switch
  // alone would put never-entered values into the sums.
  if (cs.nStoneCrash == 1 && doc.nStone == 0) {
    if (!s.stem) {
      if (doc.WallL <= 0) return StabStatus::Fail(kStabReasonWallL);
      const double Hs = 2 * doc.StoneLoad / doc.WallL;
      const double Ys = doc.StoneHight * 2 / 3 + d;
      it.Add(0, 0, Hs, Ys);
      h.H += Hs;
      h.HY += Hs * Ys;
    } else {
      const double spread = MinOf(2 * d + 0.1, {doc.StonePich});
      if (spread <= 0) return StabStatus::Fail(kMemReasonStoneWidth);
      const double Hs = doc.StoneLoad / spread;
      const double Ys = doc.StoneHight + d;
      it.Add(0, 0, Hs, Ys);
      it.Row(11, 0, 0, Hs, Ys);
    }
  }
  if (cs.nWind == 1 && doc.nWind == 0) {
    const double Hw = doc.WindHight * doc.WindLoad;
    const double Yw = doc.WindPos + d;
    it.Add(0, 0, Hw, Yw);
    h.H += Hw;
    h.HY += Hw * Yw;
    it.Row(12, 0, 0, Hw, Yw);
  }
  return StabStatus::Ok();
}

// One arbitrary load above the section, taken whole: its vertical part (at
// arm xv from the reference point) and its horizontal part (yh above the
// section).
struct NiniPart {
  bool hasV = false, hasH = false;
  double PV = 0, PH = 0, xv = 0, yh = 0;
};

StabStatus NiniAbove(const CNini& L, double y, double xr, NiniPart& n) {
  switch (L.nType) {
    case 0:
      if (L.Y1 >= y) {
        n.hasV = true;
        n.PV = L.P1;
        n.xv = L.X1 - xr;
      }
      break;
    case 1:
      if (L.Y1 >= y) {
        n.hasH = true;
        n.PH = L.P1;
        n.yh = L.Y1 - y;
      }
      break;
    case 2:
    case 3: {
      // The intensity at the lower coordinate leads, whichever end it was
      // entered at.
      const bool vert = L.nType == 2;
      const double c1 = vert ? L.X1 : L.Y1;
      const double c2 = vert ? L.X2 : L.Y2;
      const double a = MinOf(c1, {c2});
      const double b = MaxOf(c1, {c2});
      const double pa = c1 <= c2 ? L.P1 : L.P2;
      const double pb = c1 <= c2 ? L.P2 : L.P1;
      if (vert && !(L.Y1 >= y)) break;
      if (pa + pb == 0) {
        if (pa == 0) break;  // no load at all
        return StabStatus::Fail(kStabReasonLoadCentroid);
      }
      const double P = (pa + pb) * (b - a) / 2;
      const double c = a + (b - a) * (2 * pb + pa) / (pa + pb) / 3;
      if (vert) {
        n.hasV = true;
        n.PV = P;
        n.xv = c - xr;
      } else if (c >= y) {
        n.hasH = true;
        n.PH = P;
        n.yh = c - y;
      }
      break;
    }
    default:
      break;
  }
  return StabStatus::Ok();
}

void RecordNini(CWallRes& r, const CNini& L, const NiniPart& n) {
  r.SetNiniCnt(static_cast<int16_t>(r.NiniCnt() + 1));
  const int k = r.NiniCnt() - 1;
  r.SetNiniNam(k, L.LoadName);
  r.SetNiniType(k, L.nType);
  if (n.hasV) {
    r.SetNiniV(k, n.PV);
    r.SetNiniX(k, n.xv);
  }
  if (n.hasH) {
    r.SetNiniH(k, n.PH);
    r.SetNiniY(k, n.yh);
  }
}

// The arbitrary loads of the case aimed at this use, summed apart first.
StabStatus AddNiniLoads(const Section& s, CWallRes* wallRes, Items& it, HorzSums& n, bool& any) {
  if (wallRes) wallRes->SetNiniCnt(0);
  const int16_t bit = s.stem ? 2 : 1;
  for (int i = 0; i < s.doc.nNiniCount(); ++i) {
    const std::shared_ptr<CNini> L = s.doc.pNini(i);
    if (!L || s.cs.nNini(i) != 1 || (L->nTarget & bit) == 0) continue;
    NiniPart part;
    const StabStatus st = NiniAbove(*L, s.y, s.xr, part);
    if (!st) return st;
    if (part.hasV) {
      n.V += part.PV;
      n.VX += part.xv * part.PV;
    }
    if (part.hasH) {
      n.H += part.PH;
      n.HY += part.PH * part.yh;
    }
    if (wallRes && (part.hasV || part.hasH)) RecordNini(*wallRes, *L, part);
  }
  it.V += n.V;
  it.VX += n.VX;
  it.H += n.H;
  it.HY += n.HY;
  any = n.V != 0 || n.VX != 0 || n.H != 0 || n.HY != 0;
  if (wallRes) {
    wallRes->NiniSgmV = n.V;
    wallRes->NiniSgmVX = n.VX;
    wallRes->NiniSgmH = n.H;
    wallRes->NiniSgmHY = n.HY;
    if (any) it.Row(13, n.V, n.V != 0 ? n.VX / n.V : 0.0, n.H, n.H != 0 ? n.HY / n.H : 0.0);
  }
  return StabStatus::Ok();
}

void ClearForceTable(CAntRes& a) {
  for (int k = 0; k < CAntRes::kSForceItems; ++k) {
    a.SetnSForce(k, 0);
    a.SetSForceV(k, 0);
    a.SetSForceH(k, 0);
    a.SetSForceX(k, 0);
    a.SetSForceY(k, 0);
    a.SetSForceMr(k, 0);
    a.SetSForceMo(k, 0);
  }
}

void ClearItems(CWallRes& r) {
  for (int k = 0; k < CWallRes::kAForceItems; ++k) {
    r.SetnAForce(k, 0);
    r.SetAForceN(k, 0);
    r.SetAForceS(k, 0);
    r.SetAForceX(k, 0);
    r.SetAForceY(k, 0);
  }
}

// Uplift under the base (line of thrust at the base only).
struct Uplift {
  bool on = false;
  double U = 0, Xu = 0;
};

// The force summary table of the stability result (line-of-thrust use).
void FillForceTable(const Section& s, const Polygons& g, const EarthPressure& e, double epX,
                    double epY, const double water[4], const Uplift& up, const HorzSums& h,
                    const HorzSums& n, bool anyNini) {
  CAntRes& a = s.res0;
  const double xr = s.xr, y = s.y;
  const bool bodyInertia = s.state.bodyInertia, seismic = s.state.st != 0;
  auto polyRow = [&](int k, const WeightPtr& w, bool inertia) {
    if (!w || w->w() == 0) return;
    const double V = w->w();
    TableRow(a, k, V, w->Xc() - xr, inertia ? w->Kh() * V : 0.0, inertia ? w->Yc() - y : 0.0);
  };
  polyRow(0, g.W0, bodyInertia);
  polyRow(1, g.F, seismic);
  polyRow(2, g.S0, seismic);
  polyRow(3, g.S1, seismic);
  TableRow(a, 4, e.PV, epX, e.PH, epY);
  const double Pwf = water[0], Pwfy = water[1], Pwb = water[2], Pwby = water[3];
  if (Pwf != 0) TableRow(a, 5, 0, 0, -Pwf, Pwfy);
  if (Pwb != 0) TableRow(a, 6, 0, 0, Pwb, Pwby);
  if (up.on && up.U != 0) {
    a.SetnSForce(7, 1);
    a.SetSForceV(7, up.U);
    a.SetSForceX(7, up.Xu - xr);
    a.SetSForceMo(7, (up.Xu - xr) * up.U);
  }
  if (h.H != 0 || h.HY != 0)
    TableRow(a, 8, h.V, h.V != 0 ? h.VX / h.V : 0.0, h.H, h.H != 0 ? h.HY / h.H : 0.0);
  if (anyNini) TableRow(a, 9, n.V, n.V != 0 ? n.VX / n.V : 0.0, n.H, n.H != 0 ? n.HY / n.H : 0.0);
}

}  // namespace

WallForceResult CalcWallForce(CDocument& doc, int32_t caseNo, const KutaiPoints& p,
                              const DPoint& C1, const DPoint& C2, int16_t part, double secY,
                              const WallForceOptions& options, CWallRes* wallRes) {
  const std::shared_ptr<CKajyuCase> cs = doc.pCase(caseNo);
  const std::shared_ptr<CAntRes> res0 = doc.AntRes(0, caseNo);
  if (!cs || !res0) return Failed(StabStatus::Fail(kMemReasonNoCase));
  const int32_t wt = doc.WallType();
  const bool mixed = wt == 3;
  const bool stem = options.use == WallForceUse::kStem;
  const bool table = options.forceTable;
  const Section s{doc,
                  caseNo,
                  *cs,
                  *res0,
                  p,
                  part,
                  secY,
                  stem,
                  mixed && part != 0,
                  WallSectionRefX(doc, p, part, secY, options.use),
                  WallForceState(doc, caseNo)};
  const double y = s.y, xr = s.xr;
  const int16_t st = s.state.st;

  if (table) ClearForceTable(*res0);
  if (wallRes) ClearItems(*wallRes);

  // Water levels, then the polygons (only the block wall and the upper wall
  // keep theirs in the document).
  const WallWaterLevels w = WallForceWaterLevels(doc, *cs, st);
  const Polygons g = SectionPolygons(s, w, table && (wt == 0 || (mixed && part == 0)));

  EarthPressure e;
  if (StabStatus es = SectionEarthPressure(s, w.back, e); !es) return Failed(es);

  double water[4] = {0, 0, 0, 0};  // Pwf, Pwfy, Pwb, Pwby
  CalcSuiatsu(doc, p, w.front, w.back, part, y, water[0], water[1], water[2], water[3]);

  Uplift up;
  up.on = y <= 0 && doc.nWater == 2 && cs->nWater != 0 && !stem;
  if (up.on) {
    double q1 = 0, q2 = 0;
    CalcYouatsu(doc, p, w.front, w.back, up.U, q1, q2, up.Xu);
  }

  double faceV = 0, faceH = 0, faceX = 0, faceY = 0;
  if (stem && WallTakesFaceReaction(doc)) {
    StabStatus fs = CalcWallHanryoku(doc, caseNo, p, y, faceV, faceH, faceX, faceY, wallRes);
    // The leaning wall's reaction is only shown, so only the large-block
    // guideline's stops the section.
    if (!fs && doc.Sisin == 3) return Failed(fs);
  }

  // The items in the order of their rows.
  Items it(wallRes);
  auto polygon = [&](int row, const WeightPtr& wp, bool inertia) {
    if (!wp) return;
    const double N = wp->w();
    const double X = wp->Xc() - xr;
    const double S = inertia ? wp->Kh() * N : 0.0;
    const double Y = inertia ? wp->Yc() - y : 0.0;
    it.Add(N, X, S, Y);
    if (N != 0) it.Row(row, N, X, S, Y);
  };
  polygon(0, g.W0, s.state.bodyInertia);
  polygon(1, g.W1, s.state.bodyInertia);
  polygon(2, g.F, st != 0);
  polygon(3, g.S0, st != 0);
  polygon(4, g.S1, st != 0);

  const double epX = e.PV != 0 ? e.MV / e.PV - xr : 0.0;
  const double epY = e.PH != 0 ? e.MH / e.PH - y : 0.0;
  it.Add(e.PV, epX, e.PH, epY);
  it.Row(5, e.PV, epX, e.PH, epY);

  it.Add(0, 0, -water[0], water[1]);
  if (water[0] != 0) it.Row(6, 0, 0, -water[0], water[1]);
  it.Add(0, 0, water[2], water[3]);
  if (water[2] != 0) it.Row(7, 0, 0, water[2], water[3]);

  if (up.on) {
    // Counted with the horizontal moments: sumHY - sumVX is then that of a
    // vertical force -U at Xu - xr.
    it.V -= up.U;
    it.HY += up.U * (up.Xu - xr);
  }

  if (stem && doc.Sisin == 3) {
    it.Add(faceV, faceX - xr, faceH, faceY - y);
    it.Row(9, faceV, faceX - xr, faceH, faceY - y);
  }

  HorzSums h;
  if (!s.lower) {
    if (StabStatus hs = AddHorzLoads(s, C1, C2, it, h); !hs) return Failed(hs);
  }

  HorzSums n;
  bool anyNini = false;
  if (StabStatus ns = AddNiniLoads(s, wallRes, it, n, anyNini); !ns) return Failed(ns);

  // The upper wall on the lower wall.
  if (s.lower) {
    const double N = res0->SgmV + res0->Pav;
    const double S = res0->SgmH - res0->Pa + res0->Pah;
    const double X = (p[2].X + p[3].X) / 2 - xr;
    const double Y = (p[2].Y + p[3].Y) / 2 - y;
    it.Add(N, X, S, Y);
    it.Row(14, N, X, S, Y);
  }

  if (table) FillForceTable(s, g, e, epX, epY, water, up, h, n, anyNini);

  WallForceResult r;
  r.sums = {it.V, it.H, it.VX, it.HY};
  if (!std::isfinite(r.sums.V) || !std::isfinite(r.sums.H) || !std::isfinite(r.sums.VX) ||
      !std::isfinite(r.sums.HY))
    return Failed(StabStatus::Fail(kStabReasonNotFinite));
  return r;
}

}  // namespace norva

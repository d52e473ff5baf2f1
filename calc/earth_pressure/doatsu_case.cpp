// Earth pressure of a load case (whole back face) and above a check section.
#include <cmath>
#include <exception>

#include "calc/earth_pressure/coulomb.h"
#include "calc/earth_pressure/doatsu.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/numeric.h"

namespace norva {

namespace {

// Back-ground outline; empty status when the document's settings give none.
EpStatus UraOutline(const CDocument& doc, double level, const KutaiPoints& wall, int16_t& count,
                    std::vector<DPoint>& pts, int16_t& n, int16_t part) {
  count = 0;
  n = 0;
  try {
    MakeUraOutline(doc, level, wall, count, pts, n, part);
  } catch (const std::exception&) {
    return EpStatus::Fail(kEpReasonFlatBackFace);
  }
  if (n < 1 || n >= count || static_cast<size_t>(count) > pts.size()) {
    return EpStatus::Fail(kEpReasonFlatBackFace);
  }
  return EpStatus::Ok();
}

// A record never computed (a new result's empty wedge) has no angles.
bool Computed(const std::shared_ptr<CKusabiRes>& k) { return k && k->Nq() >= 0; }

// The wedge whose angles give the components. Both wedges of a case share the
// back-face and wall-friction angles, so either serves.
const CKusabiRes* AngleWedge(const KusabiPair& K) {
  if (Computed(K[0])) return K[0].get();
  if (Computed(K[1])) return K[1].get();
  return nullptr;
}

// A case without an earth pressure shows none (the caller marks it).
void ClearPressure(CAntRes& r) { r.Pa = r.Pah = r.Pav = r.Pax = r.Pay = r.Ka = 0; }

double BackCalculatedKa(double Pa, double H, double gam) {
  const double den = H * H * gam;
  return den != 0 ? 2 * Pa / den : 0.0;
}

// Components of Pa at the angle psi from the horizontal, or all horizontal.
void Components(double Pa, double psi, bool horizontal, double& PH, double& PV) {
  if (horizontal) {
    PH = Pa;
    PV = 0;
  } else {
    PH = Pa * std::cos(psi);
    PV = Pa * std::sin(psi);
  }
}

void StoreComponents(double Pa, double psi, bool horizontal, CAntRes& r) {
  r.Pa = Pa;
  Components(Pa, psi, horizontal, r.Pah, r.Pav);
}

// Keeps the wedges of a trial-wedge run and, when it found one, its pressure
// at (x, y). Ka is left to the caller.
EpStatus StoreWedgePressure(EpStatus st, const KusabiPair& K, double Pa, double x, double y,
                            bool horizontal, CAntRes& r) {
  r.SetKusabi(0, K[0]);
  r.SetKusabi(1, K[1]);
  const CKusabiRes* W = AngleWedge(K);
  if (!st || !W) {
    ClearPressure(r);
    return st ? EpStatus::Fail(kEpReasonNoWedge) : st;
  }
  StoreComponents(Pa, W->fAlpha + W->fDelta, horizontal, r);
  r.Pax = x;
  r.Pay = y;
  return st;
}

// The Coulomb result: coefficients and pressure at (x, y).
void StoreCoulomb(double Qd, double Qw, double Ka, double Pa, double x, double y, double psi,
                  bool horizontal, CAntRes& r) {
  r.Qd = Qd;
  r.Qw = Qw;
  r.Ka = Ka;
  StoreComponents(Pa, psi, horizontal, r);
  r.Pax = x;
  r.Pay = y;
}

// The angles every earth-pressure formula of the state needs. A blank one
// (a file written elsewhere) would otherwise enter the trigonometry as
// -1.7e10 degrees and give a coefficient of any sign.
EpStatus SoilAngles(const CDocument& doc, int16_t state) {
  for (double deg : {doc.Fai, doc.delt(state)}) {
    if (IsNullValue(deg) || !std::isfinite(deg)) return EpStatus::Fail(kEpReasonNoSoilAngle);
  }
  // The trial wedges of a cut back ground slide on the cut face.
  if (doc.BackType == 1 && doc.Doatsu == 1) {
    for (double v : {doc.Deltd, doc.Cd}) {
      if (IsNullValue(v) || !std::isfinite(v)) return EpStatus::Fail(kEpReasonNoCutFace);
    }
  }
  return EpStatus::Ok();
}

}  // namespace

EpStatus CalcDoatsuCase(CDocument& doc, int32_t cas, const KutaiPoints& wall, int16_t state,
                        double wl, CAntRes& r) {
  if (EpStatus ok = SoilAngles(doc, state); !ok) {
    ClearPressure(r);
    return ok;
  }
  KusabiPair K{r.Kusabi(0), r.Kusabi(1)};
  std::vector<DPoint> pts(21);
  int16_t count = 0, n = 0;
  EpStatus st = UraOutline(doc, 0, wall, count, pts, n, 0);
  if (!st) {
    ClearPressure(r);
    return st;
  }
  double Pa = 0, x = 0, y = 0;
  if (doc.Doatsu == 1) {
    if (doc.BackType == 0) {
      st = CalcKusabiMori(0, doc, cas, state, wl, 0, wall, count, pts, n, Pa, x, y, K[0]);
      K[1] = nullptr;
    } else if (doc.Sisin == 3) {
      double d1 = 0;
      st = CalcKusabiOogata(0, doc, cas, state, wl, 0, wall, count, pts, n, Pa, x, y, d1, K);
      r.D1 = d1;
    } else {
      st = CalcKusabiKiri(0, doc, cas, state, wl, 0, wall, count, pts, n, Pa, x, y, K);
    }
    st = StoreWedgePressure(st, K, Pa, x, y, doc.nTentou == 3, r);
    if (!st) return st;
    r.Ka = BackCalculatedKa(Pa, pts[n].Y - pts[0].Y, doc.Gamb);
    return st;
  }

  double Qd = 0, Qw = 0, Ka = 0, alpha = 0;
  st = CalcCoulomb(doc, cas, state, wl, 0, wall, count, pts, n, Qd, Qw, Ka, Pa, x, y, alpha);
  // Switching to the Coulomb formula drops the wedges and their trial files.
  r.SetKusabi(0, nullptr);
  r.SetKusabi(1, nullptr);
  if (!st) {
    ClearPressure(r);
    return st;
  }
  StoreCoulomb(Qd, Qw, Ka, Pa, x, y, doc.delt(state) * kCalcDegToRad + alpha, doc.nTentou == 3, r);
  return st;
}

EpStatus CalcDoatsuCaseMxw(CDocument& doc, int32_t cas, const KutaiPoints& wall, int16_t state,
                           double wl, int16_t part, double& alphaU, double& PaU, CAntRes& r) {
  if (EpStatus ok = SoilAngles(doc, state); !ok) {
    ClearPressure(r);
    return ok;
  }
  KusabiPair K{r.Kusabi(0), r.Kusabi(1)};
  std::vector<DPoint> pts(21);
  int16_t count = 0, n = 0;
  double Pa = 0, x = 0, y = 0;

  if (part == 0) {
    EpStatus st = UraOutline(doc, 0, wall, count, pts, n, 0);
    if (!st) {
      ClearPressure(r);
      PaU = 0;
      return st;
    }
    if (doc.Doatsu == 1) {
      st = CalcKusabiMxwUpper(0, doc, cas, state, wl, 0, wall, count, pts, n, Pa, x, y, K);
      st = StoreWedgePressure(st, K, Pa, x, y, false, r);
      if (!st) {
        PaU = 0;
        return st;
      }
      r.Ka = Pa != 0 ? BackCalculatedKa(Pa, pts[n].Y - pts[n - 1].Y, doc.Gamb) : 0.0;
      alphaU = AngleWedge(K)->fAlpha;
    } else {
      std::optional<double> a = BackFaceAngle(wall[3].X, wall[3].Y, wall[9].X, wall[9].Y);
      r.SetKusabi(0, nullptr);
      r.SetKusabi(1, nullptr);
      if (!a) {
        ClearPressure(r);
        PaU = 0;
        return EpStatus::Fail(kEpReasonFlatBackFace);
      }
      double Qd = 0, Qw = 0, Ka = 0;
      st = CalcCoulombMxw(doc, cas, state, wl, 0, wall, count, pts, n, Qd, Qw, Ka, Pa, x, y, *a);
      if (!st) {
        ClearPressure(r);
        PaU = 0;
        return st;
      }
      StoreCoulomb(Qd, Qw, Ka, Pa, x, y, doc.delt(state) * kCalcDegToRad + *a, false, r);
      alphaU = *a;
    }
    PaU = r.Pa;
    return st;
  }

  EpStatus st = UraOutline(doc, 0, wall, count, pts, n, 1);
  if (!st) {
    ClearPressure(r);
    return st;
  }
  st = CalcKusabiMxwLower(0, doc, cas, state, wl, 0, wall, count, pts, n, alphaU, PaU, Pa, x, y, K);
  st = StoreWedgePressure(st, K, Pa, x, y, false, r);
  if (!st) return st;
  r.Ka = Pa != 0 ? BackCalculatedKa(Pa, pts[1].Y - pts[0].Y, doc.Gamb) : 0.0;
  return st;
}

namespace {

// Components and moments of a section earth pressure.
void SectionForces(double Pa, double psi, double x, double ya, int16_t thrust, double& PV,
                   double& PH, double& MV, double& MH) {
  Components(Pa, psi, thrust != 0, PH, PV);
  MV = x * PV;
  MH = ya * PH;
}

// Section forces of a trial-wedge pressure; the angles come from its wedge.
EpStatus WedgeSectionForces(const EpStatus& st, const KusabiPair& K, double Pa, double x, double ya,
                            int16_t thrust, double& PV, double& PH, double& MV, double& MH) {
  const CKusabiRes* W = AngleWedge(K);
  if (!W) return EpStatus::Fail(kEpReasonNoWedge);
  SectionForces(Pa, W->fAlpha + W->fDelta, x, ya, thrust, PV, PH, MV, MH);
  return st;
}

// The whole wall's coefficient over the height above the section; the angles
// come from the case's wedge, which must exist.
EpStatus WholeWallWedge(CDocument& doc, int32_t cas, KusabiPair& K) {
  std::shared_ptr<CAntRes> res = doc.AntRes(0, cas);
  if (!res) return EpStatus::Fail(kEpReasonNoWedgeRecord);
  K[0] = res->Kusabi(0);
  K[1] = res->Kusabi(1);
  if (!AngleWedge(K)) return EpStatus::Fail(kEpReasonNoWedgeRecord);
  return EpStatus::Ok();
}

}  // namespace

EpStatus CalcSecDoatsu(CDocument& doc, int32_t cas, const KutaiPoints& wall, int16_t state,
                       double wl, const double& y, const int16_t& thrust, double& PV, double& PH,
                       double& MV, double& MH) {
  PV = PH = MV = MH = 0;
  if (EpStatus ok = SoilAngles(doc, state); !ok) return ok;
  // The section's wedges are released at the end of this call, before
  // anything could read their trials: they get no trial files.
  const NoTrialFilesScope noFiles;
  double H = 0;
  const int32_t wt = doc.WallType();
  if (wt == 0) {
    H = wall[9].Y - doc.UraHd - y;
  } else if (wt == 1 || wt == 2) {
    H = wall[6].Y - doc.UraHd - y;
  }
  if (H <= 0) return EpStatus::Ok();

  std::vector<DPoint> pts(21);
  int16_t count = 0, n = 0;
  EpStatus st = UraOutline(doc, y, wall, count, pts, n, 0);
  if (!st) return st;
  double Pa = 0, x = 0, ya = 0;
  KusabiPair K{};  // released at the end: a section run leaves no trial files
  if (doc.Doatsu == 1) {
    if (doc.SecDoatsu != 0) {
      if (doc.BackType != 0 && doc.Sisin == 3) {
        double d1 = 0;
        st = CalcKusabiOogata(1, doc, cas, state, wl, y, wall, count, pts, n, Pa, x, ya, d1, K);
      } else if (doc.BackType != 0) {
        st = CalcKusabiKiri(1, doc, cas, state, wl, y, wall, count, pts, n, Pa, x, ya, K);
      } else {
        st = CalcKusabiMori(1, doc, cas, state, wl, y, wall, count, pts, n, Pa, x, ya, K[0]);
      }
      if (!st) return st;
    } else {
      st = WholeWallWedge(doc, cas, K);
      if (!st) return st;
      Pa = H * (doc.Gamb * 0.5 * doc.AntRes(0, cas)->Ka * H);
      ya = y + H / 3;
      x = InterpolateX(pts[0], pts[1], ya);
    }
    return WedgeSectionForces(st, K, Pa, x, ya, thrust, PV, PH, MV, MH);
  }
  double Qd = 0, Qw = 0, Ka = 0, alpha = 0;
  st = CalcCoulomb(doc, cas, state, wl, y, wall, count, pts, n, Qd, Qw, Ka, Pa, x, ya, alpha);
  if (!st) return st;
  SectionForces(Pa, doc.delt(state) * kCalcDegToRad + alpha, x, ya, thrust, PV, PH, MV, MH);
  return st;
}

EpStatus CalcSecDoatsuMxw(CDocument& doc, int32_t cas, const KutaiPoints& wall, int16_t state,
                          double wl, int16_t part, const double& alphaU, const double& PaU,
                          const double& y, const int16_t& thrust, double& PV, double& PH,
                          double& MV, double& MH) {
  PV = PH = MV = MH = 0;
  if (EpStatus ok = SoilAngles(doc, state); !ok) return ok;
  const NoTrialFilesScope noFiles;  // as above: the wedges end with this call
  std::vector<DPoint> pts(21);
  int16_t count = 0, n = 0;
  double Pa = 0, x = 0, ya = 0;
  KusabiPair K{};
  EpStatus st;
  if (part == 0) {
    if (!(wall[9].Y - doc.UraHd > y)) return EpStatus::Ok();
    st = UraOutline(doc, y, wall, count, pts, n, 0);
    if (!st) return st;
    if (doc.Doatsu == 1) {
      if (doc.SecDoatsu != 0) {
        st = CalcKusabiMxwUpper(1, doc, cas, state, wl, y, wall, count, pts, n, Pa, x, ya, K);
        if (!st) return st;
      } else {
        st = WholeWallWedge(doc, cas, K);
        if (!st) return st;
        const double H = pts[1].Y - pts[0].Y;
        Pa = H * (doc.Gamb * 0.5 * doc.AntRes(0, cas)->Ka * H);
        ya = std::max(y, pts[0].Y) + H / 3;
        x = InterpolateX(pts[0], pts[1], ya);
      }
      return WedgeSectionForces(st, K, Pa, x, ya, thrust, PV, PH, MV, MH);
    }
    std::optional<double> a = BackFaceAngle(pts[n - 1].X, pts[n - 1].Y, pts[n].X, pts[n].Y);
    if (!a) return EpStatus::Fail(kEpReasonFlatBackFace);
    double Qd = 0, Qw = 0, Ka = 0;
    st = CalcCoulombMxw(doc, cas, state, wl, y, wall, count, pts, n, Qd, Qw, Ka, Pa, x, ya, *a);
    if (!st) return st;
    SectionForces(Pa, doc.delt(state) * kCalcDegToRad + *a, x, ya, thrust, PV, PH, MV, MH);
    return st;
  }
  if (!(y < std::min(wall[9].Y - doc.UraHd, wall[3].Y - doc.UraHd))) return EpStatus::Ok();
  st = UraOutline(doc, y, wall, count, pts, n, 1);
  if (!st) return st;
  st =
      CalcKusabiMxwLower(1, doc, cas, state, wl, y, wall, count, pts, n, alphaU, PaU, Pa, x, ya, K);
  if (!st) return st;
  return WedgeSectionForces(st, K, Pa, x, ya, thrust, PV, PH, MV, MH);
}

}  // namespace norva

// Coulomb earth pressure and converted surcharges over the document.
#include <cmath>

#include "calc/earth_pressure/coulomb.h"
#include "calc/earth_pressure/doatsu.h"
#include "calc/earth_pressure/surcharge.h"
#include "document/document.h"
#include "document/load_case.h"

namespace norva {

double CalcJyousaiQd(const CDocument& doc, int16_t cas, double H) {
  const double H0 = doc.UragomeType == 2 ? doc.UraH0 : 0.0;
  std::shared_ptr<CKajyuCase> c = doc.pCase(cas);
  if (!c) return 0;
  const std::vector<SurfaceLoad> loads = {
      {doc.nAutoMobile, c->nAutoMobil, doc.AutoPos, doc.AutoLoad},
      {doc.nGunsyu, c->nGunsyu, doc.GunsyuPos, doc.GunsyuLoad},
      {doc.nTakuchi, c->nTakuchi, doc.TakuchiPos, doc.TakuchiLoad},
      {doc.nSnow, c->nSnow, doc.SnowPos, doc.SnowLoad},
  };
  return ConvertedSurcharge(loads, H, H0);
}

double CalcUragomeQw(const CDocument& doc, int16_t /*cas*/, double H, double& betaDeg, double& xw) {
  betaDeg = 0;
  if (doc.UragomeType == 2) {
    xw = doc.UraX1 + 0.5 * doc.UraX2;
    return doc.UraH0 * doc.Gamb * JyousaiCoef(xw, H);
  }
  if (doc.UragomeType == 1) {
    betaDeg = (kCalcHalfPi - std::atan(doc.UraN)) * kCalcRadToDeg;
  }
  return 0;
}

namespace {

// Qd, Qw, beta and Ka for a face of height H, or the held values.
EpStatus Coefficients(const CDocument& doc, int32_t cas, int16_t state, double H, double alpha,
                      double theta, double& Qd, double& Qw, double& Ka) {
  if (!bJyousaiCalc) {
    Qd = FixQd;
    Qw = FixQw;
    Ka = FixKa;
    return EpStatus::Ok();
  }
  double beta = 0, xw = 0;
  Qd = CalcJyousaiQd(doc, static_cast<int16_t>(cas), H);
  Qw = CalcUragomeQw(doc, static_cast<int16_t>(cas), H, beta, xw);
  std::optional<double> ka = TryCoulombKa(doc.Fai * kCalcDegToRad, doc.delt(state) * kCalcDegToRad,
                                          alpha, beta * kCalcDegToRad, theta);
  if (!ka) return EpStatus::Fail(kEpReasonBadCoefficient);
  Ka = *ka;
  return EpStatus::Ok();
}

bool Finite(std::initializer_list<double> v) {
  for (double d : v) {
    if (!std::isfinite(d)) return false;
  }
  return true;
}

// Runs a pressure formula over a face of height H from (x0, y0) with water hw
// above its foot; the result is stored only when everything is finite.
EpStatus Pressure(CoulombForce (*formula)(const CoulombLoad&), const CDocument& doc, double H,
                  double hw, double x0, double y0, double alpha, double Qd, double Qw, double Ka,
                  double& Pa, double& x, double& y) {
  CoulombLoad in;
  in.H = H;
  in.hw = hw;
  in.Qd = Qd;
  in.Qw = Qw;
  in.Ka = Ka;
  in.gam = doc.Gamb;
  in.gamd = doc.Gambd;
  in.x0 = x0;
  in.y0 = y0;
  in.alpha = alpha;
  const CoulombForce f = formula(in);
  if (!Finite({f.Pa, f.x, f.y, Qd, Qw, Ka})) {
    Pa = 0;
    return EpStatus::Fail(kEpReasonNotFinite);
  }
  Pa = f.Pa;
  x = f.x;
  y = f.y;
  return EpStatus::Ok();
}

}  // namespace

EpStatus CalcCoulomb(const CDocument& doc, int32_t cas, int16_t state, double wl, double base,
                     const KutaiPoints& /*wall*/, int16_t /*count*/, const std::vector<DPoint>& pts,
                     int16_t n, double& Qd, double& Qw, double& Ka, double& Pa, double& x,
                     double& y, double& alpha) {
  Pa = 0;
  if (n < 1 || static_cast<size_t>(n) >= pts.size()) return EpStatus::Fail(kEpReasonFlatBackFace);
  const double H = pts[n].Y - pts[0].Y;
  std::optional<double> a = BackFaceAngle(pts[n - 1].X, pts[n - 1].Y, pts[n].X, pts[n].Y);
  if (!a) return EpStatus::Fail(kEpReasonFlatBackFace);
  alpha = *a;
  const double theta = state != 0 ? std::atan(doc.Kh(1)) : 0.0;
  EpStatus st = Coefficients(doc, cas, state, H, alpha, theta, Qd, Qw, Ka);
  if (!st) return st;
  return Pressure(CoulombPressure, doc, H, std::max(0.0, wl - base), pts[0].X, pts[0].Y, alpha, Qd,
                  Qw, Ka, Pa, x, y);
}

EpStatus CalcCoulombMxw(const CDocument& doc, int32_t cas, int16_t state, double wl,
                        double /*base*/, const KutaiPoints& /*wall*/, int16_t /*count*/,
                        const std::vector<DPoint>& pts, int16_t n, double& Qd, double& Qw,
                        double& Ka, double& Pa, double& x, double& y, double alpha) {
  Pa = 0;
  if (n < 1 || static_cast<size_t>(n) >= pts.size()) return EpStatus::Fail(kEpReasonFlatBackFace);
  const double H = pts[n].Y - pts[n - 1].Y;
  if (!std::isfinite(alpha)) return EpStatus::Fail(kEpReasonFlatBackFace);
  // The upper wall takes no seismic angle in either state.
  EpStatus st = Coefficients(doc, cas, state, H, alpha, 0.0, Qd, Qw, Ka);
  if (!st) return st;
  return Pressure(CoulombPressureMxw, doc, H, std::max(0.0, wl - pts[n - 1].Y), pts[n - 1].X,
                  pts[n - 1].Y, alpha, Qd, Qw, Ka, Pa, x, y);
}

}  // namespace norva

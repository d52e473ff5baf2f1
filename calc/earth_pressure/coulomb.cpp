#include "calc/earth_pressure/coulomb.h"

#include <algorithm>
#include <cmath>

namespace norva {

bool bJyousaiCalc = true;

// Below this a divisor of the coefficient formulas is zero up to rounding: the
// angles have no coefficient (a 1e30 would be as wrong as an infinity).
static constexpr double kTiny = 1e-12;
double FixKa = 0;
double FixQd = 0;
double FixQw = 0;

JyousaiHold::JyousaiHold(double ka, double qd, double qw)
    : saved_calc_(bJyousaiCalc), saved_ka_(FixKa), saved_qd_(FixQd), saved_qw_(FixQw) {
  FixKa = ka;
  FixQd = qd;
  FixQw = qw;
  bJyousaiCalc = false;
}

JyousaiHold::~JyousaiHold() {
  bJyousaiCalc = saved_calc_;
  FixKa = saved_ka_;
  FixQd = saved_qd_;
  FixQw = saved_qw_;
}

std::optional<double> TryCoulombKa(double phi, double delta, double alpha, double beta,
                                   double theta) {
  if (beta > phi) delta = phi;
  const double ca = std::cos(phi - alpha - theta);
  const double a = ca * ca;
  const double b =
      std::cos(theta) * std::cos(alpha) * std::cos(alpha) * std::cos(alpha + delta + theta);
  double c = 1;
  if (!(phi - beta - theta < 0)) {
    const double den = std::cos(alpha + delta + theta) * std::cos(alpha - beta);
    if (std::fabs(den) < kTiny) return std::nullopt;
    const double r = std::sin(phi + delta) * std::sin(phi - beta - theta) / den;
    if (r < 0) return std::nullopt;
    c = (1 + std::sqrt(r)) * (1 + std::sqrt(r));
  }
  if (std::fabs(c * b) < kTiny) return std::nullopt;
  const double ka = a / (c * b);
  // A negative coefficient comes only from angles no wall can have.
  if (!std::isfinite(ka) || ka < 0) return std::nullopt;
  return ka;
}

double CoulombKa(double phi, double delta, double alpha, double beta, double theta) {
  return TryCoulombKa(phi, delta, alpha, beta, theta).value_or(0.0);
}

std::optional<double> TryCoulombKp(double phi, double delta, double alpha, double beta,
                                   double theta) {
  const double ca = std::cos(phi + alpha - theta);
  const double a = ca * ca;
  const double b =
      std::cos(theta) * std::cos(alpha) * std::cos(alpha) * std::cos(alpha + delta - theta);
  const double den = std::cos(alpha + delta - theta) * std::cos(alpha - beta);
  if (std::fabs(den) < kTiny) return std::nullopt;
  const double r = std::sin(phi + beta - theta) * std::sin(phi - delta) / den;
  if (r < 0) return 0.0;
  const double c = (1 - std::sqrt(r)) * (1 - std::sqrt(r));
  if (std::fabs(c * b) < kTiny) return std::nullopt;
  const double kp = a / (c * b);
  if (!std::isfinite(kp)) return std::nullopt;
  return kp;
}

double CoulombKp(double phi, double delta, double alpha, double beta, double theta) {
  return TryCoulombKp(phi, delta, alpha, beta, theta).value_or(0.0);
}

std::optional<double> BackFaceAngle(double x1, double y1, double x2, double y2) {
  const double dy = y2 - y1;
  if (dy == 0) return std::nullopt;
  return -std::atan((x2 - x1) / dy);
}

// Water above the top of the face submerges the whole face; the part above a
// taller water level does not exist, so it must not subtract pressure.
static double ClampSubmerged(double hw, double H) { return std::clamp(hw, 0.0, std::max(H, 0.0)); }

CoulombForce CoulombPressure(const CoulombLoad& in) {
  const double H = in.H;
  const double hw = ClampSubmerged(in.hw, H);
  const double p0 = (in.Qd + in.Qw) * in.Ka;
  const double p1 = p0 + (H - hw) * in.gam * in.Ka;
  const double p2 = p1 + in.gamd * hw * in.Ka;
  const double P1 = (p0 + p1) * (H - hw) / 2;
  const double P2 = (p1 + p2) * hw / 2;
  CoulombForce out;
  out.Pa = P1 + P2;
  double m1 = 0, m2 = 0;
  if (p0 + p1 != 0) m1 = ((2 * p0 + p1) / (p0 + p1) * (H - hw) / 3 + hw) * P1;
  if (p1 + p2 != 0) m2 = ((2 * p1 + p2) / (p1 + p2)) * hw / 3 * P2;
  out.y = out.Pa != 0 ? (m1 + m2) / out.Pa + in.y0 : in.y0;
  out.x = in.x0 + (out.y - in.y0) * std::tan(-in.alpha);
  return out;
}

CoulombForce CoulombPressureMxw(const CoulombLoad& in) {
  const double H = in.H;
  const double hw = ClampSubmerged(in.hw, H);
  const double p0 = (in.Qd + in.Qw) * in.Ka;
  const double s1 = (H - hw) * in.gam * in.Ka;
  const double s2 = s1 + in.gamd * hw * in.Ka;
  CoulombForce out;
  out.Pa = (H - hw) * s1 / 2 + H * p0 + (s1 + s2) * hw / 2;
  const double m = H * p0 * H / 2 + ((H - hw) / 3 + hw) * (H - hw) * s1 / 2 + hw * s1 * hw / 2 +
                   (s2 - s1) * hw / 2 * hw / 3;
  // No resultant: put the point at the bottom of the face, as for the whole wall.
  out.y = out.Pa != 0 ? m / out.Pa + in.y0 : in.y0;
  out.x = in.x0 + (H / 3) * std::tan(-in.alpha);
  return out;
}

}  // namespace norva

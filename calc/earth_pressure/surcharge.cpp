#include "calc/earth_pressure/surcharge.h"

#include <cmath>

#include "calc/earth_pressure/ep_common.h"

namespace norva {

double JyousaiCoef(double x, double H) {
  const double t = H != 0 ? x / H : 0.0;
  const double k = 2 / kCalcPi;
  return (1 + t * t) - k * (1 + t * t) * std::atan(t) - k * t;
}

double ConvertedSurcharge(const std::vector<SurfaceLoad>& loads, double H, double H0) {
  double qd = 0;
  for (const SurfaceLoad& l : loads) {
    if (l.docSwitch == 0 && l.caseSwitch == 1 && H + H0 > l.pos) {
      qd += l.load * JyousaiCoef(l.pos, H);
    }
  }
  return qd;
}

}  // namespace norva

#pragma once
// Surface loads on the backfill converted to a uniform surcharge for the
// Coulomb formula.
#include <vector>

namespace norva {

// Conversion coefficient Iw of a load that begins x behind the top of a back
// face of height H (1 at the wall, falling towards 0 further away).
double JyousaiCoef(double x, double H);

// One surface load as the converted surcharge sees it.
struct SurfaceLoad {
  int docSwitch = 1;   // 0 = the document considers the load
  int caseSwitch = 0;  // 1 = the load acts in the case
  double pos = 0;      // start behind the top of the back face (m)
  double load = 0;     // intensity (kN/m2)
};

// Qd of the loads in order; a load counts when it is considered, acts in the
// case and starts strictly within H + H0. The coefficient uses H alone.
double ConvertedSurcharge(const std::vector<SurfaceLoad>& loads, double H, double H0);

}  // namespace norva

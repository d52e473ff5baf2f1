#pragma once
// Hydrostatic loads of a load case: the water pressure on the front and back
// of the wall (or of one part of a mixed wall) above a reference level, and
// the uplift under the base. The caller passes 0 and 0 when the case has no
// water.
#include <cstdint>

#include "document/outline.h"

namespace norva {

class CDocument;

// Resultants (kN/m) and their heights above the reference level y0 (for the
// upper wall of a mixed wall: above the higher of y0 and its foot, point 10).
// Equal levels on both sides give no water pressure. Returns 0.
int16_t CalcSuiatsu(const CDocument& doc, const KutaiPoints& p, double hf, double hb, int16_t part,
                    const double& y0, double& Pwf, double& Pwfy, double& Pwb, double& Pwby);

// Trapezoidal uplift over the base x(0)..x(4): V (kN/m), intensities V1 at the
// front and V2 at the back end (kN/m2), Xc the resultant's distance from the
// front end. Returns 0.
int16_t CalcYouatsu(const CDocument& doc, const KutaiPoints& p, double hf, double hb, double& V,
                    double& V1, double& V2, double& Xc);

}  // namespace norva

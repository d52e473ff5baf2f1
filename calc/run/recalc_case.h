#pragma once
// Recalculation of one load case after the user fixed a slip angle on the
// results screen, and the rounding the wall-section screen uses.
#include <cstdint>

namespace norva {

class CDocument;

// Recomputes case caseIndex: its earth pressure with the fixed slip angles
// kept, and the checks that follow from it. The weight polygons, the water
// pressure and the uplift stay those of the last calculation run. A case that
// cannot be computed is marked and named to the user. False when the case
// index is out of range or a step failed.
bool ReCalcCase(CDocument& doc, int32_t caseIndex);

// x rounded away from zero at `digits` decimals (digits may be 0 or negative).
double RoundUp(double x, int16_t digits);

}  // namespace norva

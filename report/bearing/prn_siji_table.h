#pragma once
// The farm-road bearing-capacity factor charts Nc, Nq and Ngamma by the load
// inclination and the shear resistance angle, as the report prints them.
#include <cstdint>

namespace norva {

class PrnFile;

// What a printed chart cell holds.
enum class SijiCell { kEmpty, kDash, kValue };

// Cell of chart `kind` (0 Nc, 1 Nq, 2 Ngamma) at the load inclination row
// thetaRow (0..9 for 0..45 degrees) and the phi column phiCol (0..8 for 0..40
// degrees); `value` receives the factor of a kValue cell. Cells up to 40
// degrees are read from the chart the calculation interpolates in.
SijiCell SijiChartCell(int16_t kind, int thetaRow, int phiCol, double& value);

// The note and the three charts, each in a keep-together block.
void PrnSijiCoefTable(PrnFile& f);

}  // namespace norva

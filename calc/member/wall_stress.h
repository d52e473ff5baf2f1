#pragma once
// Concrete stresses of the wall stem at the check sections of one wall part.
#include <cstdint>

#include "calc/stability/stability_status.h"

namespace norva {

class CDocument;

// For every check section of `part` (0 the wall or upper wall, 1 the lower
// wall of a mixed wall) and load case `caseNo`: the section forces, widths,
// edge stresses (N/mm2, compression positive), mean shear stress and the
// case's allowables, in pWallRes(part, caseNo, i), created when missing.
// A section whose forces cannot be formed gets kNullBox forces and stresses;
// the other sections are still checked and the first failure is returned.
StabStatus CalcWallStress(CDocument& doc, int32_t caseNo, int16_t part);

}  // namespace norva

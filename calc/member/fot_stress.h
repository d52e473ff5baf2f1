#pragma once
// Toe-slab check: the toe slab of a gravity or leaning wall as a cantilever
// fixed at a vertical section under the front face of the wall body.
#include <cstdint>

#include "calc/stability/stability_status.h"
#include "document/outline.h"

namespace norva {

class CDocument;
class CFotRes;

// Stresses of the toe slab of load case caseNo in pFotRes(caseNo). Does
// nothing for a wall without a toe slab. A slab whose forces cannot be formed
// gets kNullBox forces and stresses.
StabStatus CalcFotStress(CDocument& doc, int32_t caseNo);

// Every force on the slab between the toe and the section at rec.SecX in
// front of the wall body, with its arm about the section, and the shear
// force and moment there (upward forces positive). Uses the stability result
// AntRes(0, caseNo) for the ground reaction.
StabStatus CalcFotForce(const CDocument& doc, int32_t caseNo, const KutaiPoints& outline,
                        CFotRes& rec);

}  // namespace norva

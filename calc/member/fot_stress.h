#pragma once
// Toe-slab check: the toe slab of a gravity or leaning wall as a cantilever
// fixed at a vertical section under the front face of the wall body.
#include <cstdint>

#include "calc/stability/stability_status.h"
#include "document/outline.h"

namespace norva {

class CDocument;
class CFotRes;

// The state (0 normal, 1 seismic) the stability run used for load case
// caseNo, and the levels of that state the slab carries: the front soil
// (0 when the case has none) and the front and back water (0 when the
// document or the case ignores water). All 0 for a case that does not exist.
struct FotLevels {
  int16_t state = 0;
  double soilFront = 0;
  double waterFront = 0;
  double waterBack = 0;
};
FotLevels FotCaseLevels(const CDocument& doc, int32_t caseNo);

// The shear force S and moment M at the section from the forces stored in
// rec (upward forces positive).
struct FotSums {
  double S = 0;
  double M = 0;
};
FotSums SumFotForces(const CFotRes& rec);

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

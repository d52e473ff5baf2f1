#pragma once
// Force sums of one load case about the toe of a wall part: every force with
// its point of action in the case's CAntRes, then SgmV, SgmH, SgmMr, SgmMo,
// SgmVX, SgmHY and Breadth.
//
// Read first from the same record: the earth pressure (Pa, Pah, Pav, Pax,
// Pay), the water pressure (Pwf, Pwfy, Pwb, Pwby) and the uplift (YouatsuV,
// YouatsuXc). A load that cannot be formed (a collision load with a wall
// length of 0, a distributed load whose intensities sum to 0) leaves the six
// sums as kNullBox and returns the reason.
#include <cstdint>

#include "calc/stability/stability_status.h"
#include "document/outline.h"

namespace norva {

class CDocument;
class CAntRes;

// Wall part 0: the whole wall, or the upper wall of a mixed wall. state is the
// case's state index (0 normal, 1 seismic); crestFront / crestBack the crest
// points that MakeKutaiOutline returned with the outline.
StabStatus CalcForceSum(const CDocument& doc, int32_t caseIndex, int16_t state,
                        const KutaiPoints& p, const DPoint& crestFront, const DPoint& crestBack,
                        CAntRes& res);

// Wall part 1 of a mixed wall, with the upper wall's sums (upper, already
// filled by CalcForceSum for the same case) handed down at the middle of the
// joint. The moment origin is (0, 0).
StabStatus CalcForceSumLower(const CDocument& doc, int32_t caseIndex, int16_t state,
                             const KutaiPoints& p, const CAntRes& upper, CAntRes& res);

}  // namespace norva

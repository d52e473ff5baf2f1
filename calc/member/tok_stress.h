#pragma once
// Shear-key check: the key under the base as a short reinforced-concrete
// cantilever (one metre of wall, modular ratio 15).
#include <cstdint>

#include "calc/stability/stability_status.h"

namespace norva {

class CDocument;
class CAntRes;

// The sliding values the key shares with the sliding check: the loads on the
// three stretches of the base (in front of, under and behind the key), the
// length of the first stretch, and the sliding resistance.
struct KeySlideValues {
  double Hu = 0;
  double Q1 = 0;
  double Q2 = 0;
  double Q3 = 0;
  double s1 = 0;
};

// The key-case sliding values of result r of load case caseNo, worked out
// from its force sums and ground reaction by the sliding check's rules. The
// key check uses them when the sliding check is switched off and so has left
// nothing in the record.
StabStatus KeySlide(const CDocument& doc, int32_t caseNo, const CAntRes& r, KeySlideValues& v);

// Replaces pTokRes(caseNo) by a new record with the key force, the required
// and provided steel, the neutral axes and the stresses (N/mm2). Nothing is
// done for a block wall or a wall without a key. The document is not changed:
// a cover not entered counts as 100 mm. A key without steel gets kNullBox
// stresses; a value that cannot be formed is kNullBox and the reason returned.
StabStatus CalcTokStress(CDocument& doc, int32_t caseNo);

}  // namespace norva

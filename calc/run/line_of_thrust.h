#pragma once
// Line of thrust of block masonry (the block wall, or the upper wall of a
// mixed wall): the position of the resultant at the base of the masonry
// against the front boundary of the middle third, and the wall height at which
// the two meet.
#include <cstdint>
#include <functional>
#include <string>

#include "calc/stability/stability_status.h"
#include "document/outline.h"

namespace norva {

class CDocument;
class CAntRes;

// Sums of the forces above a horizontal section of the masonry, about the
// front end of the section: vertical forces V, their moments VX, horizontal
// forces H and their moments HY.
struct ThrustSums {
  double V = 0;
  double H = 0;
  double VX = 0;
  double HY = 0;
};

// Forces above the section at secY (outline coordinates) of wall part 0 for
// the line of thrust (CalcWallForce in its line-of-thrust use): earth pressure
// wholly horizontal, loads that target the stability check, uplift at the
// base only. With forceTable set it also fills the force summary table of the
// case's AntRes(0, caseIndex) and the section polygons of the document.
StabStatus ThrustSectionForces(CDocument& doc, int32_t caseIndex, const KutaiPoints& p,
                               const DPoint& crestFront, const DPoint& crestBack, double secY,
                               bool forceTable, CAntRes& res, ThrustSums& sums);

// The section-force routine the checks below use; tests may put in another
// one to drive the search. Must not be changed while a check runs.
using ThrustForceFn = std::function<StabStatus(
    CDocument& doc, int32_t caseIndex, const KutaiPoints& p, const DPoint& crestFront,
    const DPoint& crestBack, double secY, bool forceTable, CAntRes& res, ThrustSums& sums)>;
void SetThrustForceFn(ThrustForceFn fn);  // empty: back to ThrustSectionForces

// Line-of-thrust check of case caseIndex into r (the case's result of wall
// part 0): Xh, Xd and the limit height Ha (kNullBox when the search finds
// none). WallType 0 or 3 only. The document's WallH / MxwH1 and the
// earth-pressure state are as before when it returns, whatever happened.
// A failure stores kNullBox in what could not be formed and gives the reason.
StabStatus CalcSiryokusen(CDocument& doc, int32_t caseIndex, CAntRes& r);

// Point of the line of thrust at height y above the base of the masonry: X
// measured like Xh (0 when nothing lies above the section), Y = y; the three
// sums of that section go to sumV, sumVX, sumHY. On failure X is kNullBox.
DPoint GetSiryokuPos(CDocument& doc, int32_t caseIndex, CAntRes& r, const double& y, double& sumV,
                     double& sumVX, double& sumHY);

// Number of section-force evaluations since the start of the program (for
// the benchmark).
int64_t ThrustForceCalls();

}  // namespace norva

#pragma once
// Forces on the part of a wall above a horizontal check section: the stem
// check (moments about the wall axis at the section) and the line-of-thrust
// check (moments about the front face at the section).
#include <cstdint>

#include "calc/stability/stability_status.h"
#include "document/outline.h"

namespace norva {

class CDocument;
class CWallRes;

// Sums of the forces above the section at height secY of wall part `part`
// (0 the wall or the upper wall of a mixed wall, 1 the lower wall): sumV and
// sumH, and sumVX, sumHY, the moments of the vertical and of the horizontal
// forces about the reference point of the section (M = sumHY - sumVX).
//
// bStem = 1: stem check (wall axis, stem loads, wall-face reaction);
// bStem = 0: line-of-thrust use (front face, stability loads, uplift at the
// base). bThrust non-zero takes the earth pressure wholly horizontal.
// wallRes (may be null) receives the item table and the arbitrary loads;
// bForceTable non-zero fills the force summary table of AntRes(0, caseNo) and
// keeps the section polygons in the document.
//
// A load that cannot be formed (an earth pressure without a result, a
// collision or rock-fall load spread over no width, a distributed load whose
// intensities cancel) fails: the four sums are then kNullBox.
StabStatus CalcWallForce(CDocument& doc, int32_t caseNo, const KutaiPoints& outline,
                         const DPoint& C1, const DPoint& C2, int16_t part, double secY,
                         int16_t bThrust, int16_t bStem, double& sumV, double& sumH,
                         double& sumVX, double& sumHY, CWallRes* wallRes,
                         int16_t bForceTable);

// Ground reaction on the wall face above the section (large-block guideline,
// and the back face of a leaning wall): its components and point in outline
// coordinates. lz, Qtz and Alpz go to wallRes when given. A section below the
// lower end of the face gives zeros and writes nothing.
StabStatus CalcWallHanryoku(const CDocument& doc, int32_t caseNo, const KutaiPoints& outline,
                            double secY, double& faceV, double& faceH, double& faceX,
                            double& faceY, CWallRes* wallRes);

}  // namespace norva

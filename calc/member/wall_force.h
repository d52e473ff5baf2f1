#pragma once
// Forces on the part of a wall above a horizontal check section: the stem
// check (moments about the wall axis at the section) and the line-of-thrust
// check (moments about the front face at the section).
//
// CalcWallForce runs the phases below in order; the phases a report must
// show (the state of a case, the reference abscissa, the body, front-soil and
// buoyancy polygons at a height) are functions of their own, so the report
// writers print what the check took.
#include <cstdint>

#include "calc/stability/stability_status.h"
#include "calc/stability/weight_polygons.h"
#include "document/outline.h"

namespace norva {

class CDocument;
class CKajyuCase;
class CWallRes;

// What the forces above the section are for.
enum class WallForceUse {
  // Stem check: moments about the wall axis, the stem's horizontal loads,
  // the wall-face ground reaction.
  kStem,
  // Line of thrust: moments about the front face, the stability chapter's
  // horizontal loads, the earth pressure taken wholly horizontal, the uplift
  // at the base.
  kThrust,
};

struct WallForceOptions {
  WallForceUse use = WallForceUse::kStem;
  // Fill the force summary table of AntRes(0, case) and keep the section
  // polygons of a block wall or of the upper wall of a mixed wall in the
  // document.
  bool forceTable = false;
};

// Sums of the forces above the section: V and H, and VX, HY, the moments of
// the vertical and of the horizontal forces about the reference point of the
// section (M = HY - VX).
struct WallForceSums {
  double V = 0, H = 0, VX = 0, HY = 0;
};

struct WallForceResult {
  StabStatus status;
  WallForceSums sums;  // each kNullBox when status fails
  explicit operator bool() const { return status.ok; }
};

// Sums of the forces above the section at height secY of wall part `part`
// (0 the wall or the upper wall of a mixed wall, 1 the lower wall). C1, C2
// are the crest points of MakeKutaiOutline (where a collision acts on the
// crest in the line-of-thrust use). wallRes (may be null) receives the item
// table and the arbitrary loads.
//
// A load that cannot be formed (an earth pressure without a result, a
// collision or rock-fall load spread over no width, a distributed load whose
// intensities cancel) fails: the four sums are then kNullBox.
WallForceResult CalcWallForce(CDocument& doc, int32_t caseNo, const KutaiPoints& outline,
                              const DPoint& C1, const DPoint& C2, int16_t part, double secY,
                              const WallForceOptions& options, CWallRes* wallRes);

// ---- Phases ---------------------------------------------------------------------

// Height of check section i of wall part `part` in outline coordinates:
// WallSecY(part, i) above the foot of the part (point 4 for the lower wall of
// a mixed wall, point 2 otherwise).
double WallCheckHeight(const CDocument& doc, const KutaiPoints& outline, int16_t part, int i);

// The state of a load case as the forces above a section take it.
struct WallCaseState {
  // 1 selects the seismic water levels, front-soil height and earth
  // pressure: the document is seismic (bQuake), the case is seismic (nQuake
  // non-zero) and takes the seismic earth pressure (Doat 1). Else 0.
  int16_t st = 0;
  // The body's inertia force acts: nQuake 1, except under the residential
  // land guideline (Sisin 4) with the seismic earth pressure (Doat non-zero).
  bool bodyInertia = false;
};
// A case that does not exist gives {0, false}.
WallCaseState WallForceState(const CDocument& doc, int32_t caseNo);

// Front and back water levels of the case in state st: 0, 0 unless both the
// document and the case consider water.
struct WallWaterLevels {
  double front = 0, back = 0;
};
WallWaterLevels WallForceWaterLevels(const CDocument& doc, const CKajyuCase& cs, int16_t st);

// Reference abscissa of the section at height y: the moments of the sums are
// taken about (x, y). Stem use: the wall axis, the line through the mid
// points of the foot and of the crest of the part (below the foot of a
// single wall or an upper wall, the foot's mid point). Line-of-thrust use:
// the front face (below point 2: the lower wall's front face 0-1 of a mixed
// wall, point 0 otherwise). An outline with a horizontal axis gives the
// lower point's x.
double WallSectionRefX(const CDocument& doc, const KutaiPoints& outline, int16_t part, double y,
                       WallForceUse use);

// Height of the crest above the base of the wall (collision and wind arms).
double WallTopHeight(const CDocument& doc, const KutaiPoints& outline);

// Body of wall part `part` above height y: w0 the wall, w1 the footing or
// base part (nullptr when none above y).
void WallSectionBody(const CDocument& doc, const KutaiPoints& outline, int16_t part, double y,
                     WeightPtr& w0, WeightPtr& w1);

// Front soil of wall part `part` between height y and `level` with unit
// weight gam (nullptr when none).
void WallSectionSoil(const CDocument& doc, const KutaiPoints& outline, int16_t part, double level,
                     double y, double gam, WeightPtr& w);

// The front soil the case takes above y in state st with the front water
// level wf: s0 the soil up to the front-soil height SoilFH(st) with Gamf,
// s1 the part of it below wf with Gamfd - Gamf (buoyancy documents with water
// in the case only). Returns how many of the two the case takes (0 without
// front soil in the case or when the soil lies below y, 1 s0 only, 2 both);
// a polygon taken may still be nullptr when its region has no point.
int WallSectionFrontSoil(const CDocument& doc, const CKajyuCase& cs, const KutaiPoints& outline,
                         int16_t part, double y, int16_t st, double wf, WeightPtr& s0,
                         WeightPtr& s1);

// Buoyancy of wall part `part`: its region below the water level `level` and
// above y, unit weight -Gamw (nullptr when the region has no point).
void WallSectionBuoyancy(const CDocument& doc, const KutaiPoints& outline, int16_t part,
                         double level, double y, WeightPtr& w);

// The face the back ground's reaction bears on: the block face 3-9, or the
// back face 3-6 of a leaning wall (whose outline has no point 9); lo the
// lower end, alpha its angle with the vertical (radians): atan(BlkN) for the
// block face, the slope of 3-6 for a leaning wall. A leaning back face of no
// height has no angle: valid is then false and alpha 0.
struct WallReactionFace {
  DPoint lo, hi;
  double alpha = 0;
  bool valid = true;
};
WallReactionFace WallFaceOfReaction(const CDocument& doc, const KutaiPoints& outline);

// Ground reaction on the wall face above the section (large-block guideline,
// and the back face of a leaning wall): its components and point in outline
// coordinates. lz, Qtz and Alpz go to wallRes when given. A section below the
// lower end of the face gives zeros and writes nothing.
StabStatus CalcWallHanryoku(const CDocument& doc, int32_t caseNo, const KutaiPoints& outline,
                            double secY, double& faceV, double& faceH, double& faceX, double& faceY,
                            CWallRes* wallRes);

// True when the stem check works out the wall-face ground reaction above its
// sections: under the large-block guideline (Sisin 3), where it enters the
// sums, and for a leaning wall under the road guideline (WallType 2, Sisin 2),
// where it is only shown (and is 0 unless the case's ground reaction took the
// back-face method, LeaningBackFaceMethod).
bool WallTakesFaceReaction(const CDocument& doc);

}  // namespace norva

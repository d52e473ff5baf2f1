#pragma once
// The ground behind the wall: where the back soil begins at a level, the
// surface of the back ground, and its picture with the water behind the wall
// and the face of a cut.
//
// All in model metres on the outline as the section master left it (moved
// right by the front strip): x = 0 the left end of the figure, y = 0 the
// base of the wall.
#include <cstdint>
#include <vector>

#include "document/document.h"
#include "document/outline.h"

namespace norva {

class cDraw;

// The x of the left boundary of the back soil at `level`: the back of the
// heel up to point 3, the back of the wall up to the ground surface at the
// wall (yb = crest back − UraHd), then the rising surface of the back ground
// (UragomeType 1 slope 1:UraN, 2 trapezoid, 3 and any other code arbitrary
// points as offsets from the wall), out to the right end xR. Returns −1 above
// the highest point of the ground. A slope that would pass xR returns xR and
// lowers `level` to the slope's height there.
// Guards: a slope with UraN ≤ 0 or null is horizontal; arbitrary points with
// a null coordinate are skipped; a vertical step of the arbitrary surface
// gives the step's x for every level inside it; a level equal to the highest
// point gives that point's x.
double GetUragomeX(const CDocument& doc, const KutaiPoints& outline, double xR, double& level);

// The back ground's reference points and surface for a figure whose right end
// is xR.
struct BackGroundShape {
  DPoint Pb;              // bottom of the back face (point 4)
  DPoint Pk;              // the corner above it (point 3; point 10 on a mixed wall)
  double yg = 0;          // ground level at the back face (crest back − UraHd)
  double xg = 0;          // the back face at yg
  double tanAlpha = 0;    // back face from the vertical (points 3 to crest back)
  std::vector<DPoint> S;  // the surface from (xg, yg) to the right end
  double dh = 0;          // rise of the surface above yg (at least 0)
  bool skipPb = false;    // block wall without footing: polygons start at Pk
  // The back face above Pk at level y.
  DPoint F(double y) const { return {Pk.X + (y - Pk.Y) * tanAlpha, y}; }
};

// The shape above; a slope with UraN ≤ 0 or null is horizontal, arbitrary
// points with a null coordinate are left out.
BackGroundShape MakeBackGroundShape(const CDocument& doc, const KutaiPoints& outline, double xR);

// The end of the cut face, when the document has one (BackType 1, KiriD and
// KiriN present, KiriN > 0): the face rises from its foot K = (Pb.x + KiriD,
// Pb.y) at 1:KiriN and ends on the first segment of the surface it meets, or
// at the right end xR when it meets none. A foot at or beyond xR is moved to
// xR and the face has no length. False when there is no cut to draw.
bool CutFaceEnds(const CDocument& doc, const BackGroundShape& g, double xR, DPoint& foot,
                 DPoint& end);

// Draws the back ground from the back of the wall to xR: the soil (split at
// the back water level w when 0 < w ≤ the top of the ground), water standing
// above the ground or against the back face, the surface and water lines, the
// ground and water-level symbols and the cut face. Colour on fills the
// regions; off draws their lines only, in black. w ≤ 0 means no back water.
void DrawUraJiban(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline, double w,
                  double xR, bool colour);

}  // namespace norva

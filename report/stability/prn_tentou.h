#pragma once
// Overturning in the stability chapter: the method text (PrnTentou) and the
// check of each reported load case (PrnTentouCase), by the safety factor,
// the distance of the resultant from the toe, its eccentricity, or the line
// of thrust with its figure and limit height.
#include <cstdint>
#include <string>

namespace norva {

class CDocument;
class PrnFile;

enum class TentouCheck { kThrust, kFactor, kDistance, kEccentricity };

// The check of wall part `part`: the line of thrust for the upper wall of a
// mixed wall and for nTentou 3; the safety factor for nTentou 1; the
// distance for a leaning wall under road earthworks (Sisin 2); the
// eccentricity otherwise (nTentou 0, 2 and any other code).
TentouCheck TentouCheckOf(const CDocument& doc, int16_t part);

// The geometry printed in the line-of-thrust substitution lines: the wall
// height H, the thickness b of the masonry and the inclination θ0 of its
// face (radians), such that H·cot θ0 is the horizontal distance from the
// front of the masonry's base to the front of its crest and b·cosec θ0 the
// crest width, as the line-of-thrust calculation measures them (so
//   Xh = H·cot θ0 + b·cosec θ0 / 2 − d  and  X' = H·cot θ0 + b·cosec θ0 / 6
// give the stored Xh and Xd). θ0 = π/2 − atan(BlkN). Where the calculation's
// outline and the design inputs agree, H is WallH (the block wall; for the
// upper wall of a mixed wall the height of its masonry) and b is
// BlkDeltT2 + BlkT; inputH and inputB hold those input values.
struct ThrustGeometry {
  double H = 0, b = 0, theta0 = 0;
  double inputH = 0, inputB = 0;
};
ThrustGeometry SiryokusenGeometry(const CDocument& doc);

// "安定計算" with the overturning section and its method (starting a page);
// the line-of-thrust method copies the shipped figure siryokusen.svg into
// `folder` (ReportError when it is missing).
void PrnTentou(PrnFile& f, const CDocument& doc, const std::string& folder, int16_t part);

// The check of load case i. The line of thrust draws its figure on a picture
// of 150 × 75 mm saved as <folder>/示力線00<ii>.svg with the point file
// <ii>.DAT beside it (ReportError when either cannot be written); drawing it
// runs the section-force sums of the case and leaves the document and its
// results as they were. Verdicts follow the shared stability rules: a value
// equal to its limit passes, one not computed prints "-----" and never
// passes, and beyond the allowed eccentricity on the heel side a block wall
// and the lower wall of a mixed wall pass ("背面側への転倒故、OK").
void PrnTentouCase(PrnFile& f, const CDocument& doc, int32_t i, const std::string& folder,
                   int16_t part);

}  // namespace norva

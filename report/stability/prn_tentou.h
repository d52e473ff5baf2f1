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

// The geometry printed in the line-of-thrust substitution lines, as the
// line-of-thrust calculation measures its section (the masonry on its own
// base): θ0 = π/2 − atan(BlkN) the inclination of the face, H such that
// H·cot θ0 is the horizontal distance from the front of the base to the front
// of the crest, and b such that b·cosec θ0 is the crest width, the width the
// calculation takes for the crest centre and the middle third. So
//   Xh = H·cot θ0 + b·cosec θ0 / 2 − d  and  X' = H·cot θ0 + b·cosec θ0 / 6
// give the stored Xh and Xd. inputH and inputB are the design's own wall
// height (WallH; the masonry's height for the upper wall of a mixed wall)
// and thickness at the foot (BlkT + BlkDeltT2): H equals inputH, while b is
// less than inputB wherever the backing concrete narrows towards the crest.
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

#pragma once
// A horizontal band of front soil or front water: from the left end of the
// figure (model x = 0) to the front face of the wall, between two levels.
#include <cstdint>
#include <vector>

#include "document/outline.h"

namespace norva {

class cDraw;

// The band's polygon on the moved outline: (face at top, top), the face
// corners 2, 1, 0 that lie strictly between the levels, (face at bottom,
// bottom), (0, bottom), (0, top). The face is the inclined base (points 0-4)
// below point 0, the toe's front (0-1) up to point 1 and the front face (2-5)
// above; a level at the top of the toe counts as on the toe for the top and
// as above it for the bottom. xTop receives the face's x at the top.
std::vector<DPoint> FrontLayerPolygon(const KutaiPoints& outline, double top, double bottom,
                                      double& xTop);

// Draws the band: colour mode on fills it in `fill` (outlined in the same
// colour); off draws no region. Then the black surface line at `top` and, 3 mm
// right of the figure's left end on that line, the water-level symbol (2 mm)
// when `waterSymbol`, else the ground symbol (5 mm).
void DrawFrontLayer(cDraw& canvas, const KutaiPoints& outline, double top, double bottom,
                    uint32_t fill, bool waterSymbol, bool colourMode);

}  // namespace norva

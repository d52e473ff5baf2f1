#pragma once
// The ground symbol (a row of short hatch strokes under a ground line) and
// the water-level symbol (an inverted triangle over three shrinking bars).
// Both are drawn in device units (twips, y down), so their size does not
// follow the figure's scale.
#include <array>

namespace norva {

class cDraw;

struct DeviceLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The nine strokes of the ground symbol of size s at the device point (x, y)
// on the ground line, turned by `angle` (radians, counter-clockwise on the
// page). Unturned they span x − 2.5 s/7 to x + 4.5 s/7 and reach s/4 below
// the line; none lies on the line itself.
std::array<DeviceLine, 9> JibanMarkStrokes(double x, double y, double size, double angle);

// Draws those strokes in black with a solid pen; the pen style is restored,
// the pen colour stays black. A size that is not positive draws nothing.
void DrawJibanMark(cDraw& canvas, double x, double y, double size, double angle);

// The water-level symbol with its apex on the water line at (x, y): colour
// on, a cyan triangle outlined in blue and blue bars; off, a black outline
// and black bars. Leaves the pen black and the brush transparent.
void DrawSuiiMark(cDraw& canvas, double x, double y, double size, bool colour);

}  // namespace norva

#pragma once
// The earth-pressure figure of a wall check section (member chapters): the
// wall (or, on a mixed wall, the part that holds the section), the section
// line with its label at both ends, the earth pressure's point of action a
// third of the way from the back face at the section to the crest with its
// components "Pav1" and "Pah1", and chains for the height above the section,
// the section width and the lever arms.
#include <cstdint>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/geometry.h"
#include "drawing/base/cdraw.h"

namespace norva {

// The figure's geometry in model metres.
struct DoatsuGeometry {
  std::vector<DPoint> polygon;  // the drawn wall, closed by the chain
  std::vector<DPoint> upper;    // lower part of a mixed wall: the upper part, dotted
  bool lowerMixed = false;
  double ys = 0;            // section level
  double xs1 = 0, xs2 = 0;  // front and back face at the section
  double xm = 0;            // middle of the section
  DPoint crest;             // back corner at the top of the drawn wall or part
  DPoint action;            // point of action of the earth pressure
  DPoint upperCrest;        // lower part of a mixed wall: point 9
};

// By WallType: block 0, 1, 2, 5, 9, 3, 4 (faces 2-5 and 3-9, crest 9);
// gravity and leaning 0, 1, 2, 5, 6, 3, 4 (2-5, 3-6, crest 6); mixed lower
// part (part ≠ 0) 0, 1, 2, 3, 4 (0-1, 3-4, crest 3) with the upper part
// 2, 5, 9, 10 dotted; mixed upper part (part 0) 2, 5, 9, 3 (2-5, 3-9,
// crest 9) in its own frame (x less point 2's, y less point 3's; ys too).
DoatsuGeometry MakeDoatsuGeometry(const CDocument& doc, double ys, int16_t part);

// Fits the whole wall's extent (1 mm margins; room of 10 mm on the left and
// above, 19 mm right, 23.5 mm below, plus 5 mm and the label's width at both
// ends of the section line), clears the canvas and draws the figure in black;
// texts 3 mm high. Values in the chains read "#0.000" metres, rounded half up
// to the millimetre. A canvas without a surface draws nothing.
void DrawDoatsuFigure(const CDocument& doc, double ys, const std::string& label, int16_t part,
                      cDraw& canvas);

}  // namespace norva

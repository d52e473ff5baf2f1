#pragma once
// The arbitrary-load figure of the arbitrary-load dialog: the wall outline
// with its shear key, a grey metre scale along the base level and up the
// front line of the wall, and every arbitrary load of the document as a
// blue arrow (point load) or a blue hatched trapezoid (distributed load)
// whose length follows its intensity (the largest is 5 mm), labelled with its
// name (blanks at either end dropped). No ground, water or dimensions.
//
// The dialog calls DrawNiniLoad with the document it edits and a cDraw over
// its canvas, whose Width and Height it sets to the canvas' size first (the
// scales and the two lines run to those edges). Each call draws everything
// anew.
//
// Layout (1 mm = 56.7 twips): margins 2 mm; bands of one digit + 5 mm left
// and right and 9.5 mm above and below; one scale for both axes from the
// extent of all 21 outline entries (unused ones count as (0, 0)) and of every
// coordinate that a load has; the extent's lower left corner at the lower
// left corner of the box (not centred). The shear key is not in the extent.
//
// Outline, as lines: block 0-1-2-5-9-3-4-0 with 2-3, 5-8, 6-7 inside;
// gravity and leaning 0-1-2-5-6-3-4 and the base; mixed 0-1-2-5-9-10-3-4
// (the upper wall's back down to the foot of its backing, then the lower
// wall's top) with 2-3, 5-8, 6-7 inside and the base. The base runs round the
// shear key (TokX, TokB, TokL from point 0) when Tokki is not 0; a block wall
// has none.
//
// Loads (CNini, model metres in the outline's frame, y up): nType 0 vertical
// point at (X1, Y1), 1 horizontal point, 2 vertical distributed from X1 to X2
// at Y1, 3 horizontal distributed from Y1 to Y2 at X1; intensities P1, P2.
// A value is missing when it is the blank-box null (or not finite); a load
// that misses a value its type needs is not drawn, though its other values
// count in the extent and the largest intensity. A positive intensity puts a
// vertical load above its point or line and a horizontal one to its right;
// the arrow tip is always at (X1, Y1).
//
// Scales: ticks every 0.25 m from the front line and the base line, long
// ones with the distance ("0.5", "1.0", ...) at every 0.5 m, "0.0" once at the
// crossing, until the canvas edge. With a scale of zero, one that is not
// finite, or one so small that a 0.25 m step is under a twip, no scale is
// drawn: the outline and the loads only.
#include <vector>

#include "document/document.h"
#include "document/outline.h"
#include "drawing/base/cdraw.h"
#include "drawing/section/section_fit.h"

namespace norva {

struct NiniLoadPlan {
  double minX = 0, minY = 0, maxX = 0, maxY = 0;  // the extent
  double Pmax = 0;                                // largest absolute intensity
  double s = 0;  // twips per unit of intensity: 283.5 / Pmax, 0 when Pmax is 0
  DrawFitState fit;
  DrawScale scale;      // origin placed at the extent's lower left corner
  bool scales = false;  // the metre scales are drawn
};

// The plan for a drawing area (margins 2 mm) and the width of one digit in
// millimetres.
NiniLoadPlan PlanNiniLoad(const CDocument& doc, const KutaiPoints& outline, const TwipBox& area,
                          double digitMm);

// Clears the canvas and draws the figure. A canvas without a surface draws
// nothing.
void DrawNiniLoad(const CDocument& doc, cDraw& canvas);

}  // namespace norva

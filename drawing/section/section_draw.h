#pragma once
// Small drawing helpers of the section figures: model polygons and lines on
// a cDraw, guarded so that no point that is not finite reaches the canvas.
#include <initializer_list>
#include <vector>

#include "document/document.h"
#include "document/geometry.h"
#include "document/outline.h"
#include "drawing/base/cdraw.h"

namespace norva {

bool AllFinite(const std::vector<DPoint>& pts);

// The outline points of the given indices, in order.
std::vector<DPoint> OutlinePoints(const KutaiPoints& outline, std::initializer_list<int> idx);
// The shear key's four corners after point 4, when the wall has a key under a
// level base (Tokki 1, nKeisya ≠ 0): from (x0 + TokX + TokB, y0) down TokL,
// back TokB and up again, (x0, y0) being point 0.
void AppendKeyPoints(const CDocument& doc, const KutaiPoints& outline, std::vector<DPoint>& pts);

// Closed polygon (filled with the brush, outlined with the pen), model points.
void DrawModelPolygon(cDraw& canvas, const std::vector<DPoint>& pts);
// Open polyline through the model points.
void DrawModelPolyLine(cDraw& canvas, const std::vector<DPoint>& pts);
// One line per segment through the model points (closed back to the first
// when `close`).
void DrawModelLines(cDraw& canvas, const std::vector<DPoint>& pts, bool close = false);

// A wall polygon: in colour filled grey with the black pen (Polygon of the n
// points); otherwise a black outline (PolyLine of n + 1 points, the first
// repeated). Pen solid, 0.1 mm.
void DrawWallPolygon(cDraw& canvas, const std::vector<DPoint>& pts, bool colour);

}  // namespace norva

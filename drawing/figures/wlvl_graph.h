#pragma once
// The water-level graph of the critical water-level study of one load case:
// the sliding safety factor Fs (horizontal) against the water level
// (vertical), a polyline through the studied points in their stored order,
// the first point of least Fs marked by a white circle with dotted leaders to
// both axes. Axes as graph_axes.h lays them out; titles "滑動安全率" and
// "水位 (m)".
//
// Callers: the critical-level window frmWlvl (the case chosen in its list, on
// its graph canvas) and the stability chapter (a ReportPicture of
// kWlvlGraphReportWidthMm × kWlvlGraphReportHeightMm saved as SVG).
//
//   Fs axis      the fine rounded bounds of the least and largest Fs, then
//                widened by a twentieth of their distance on each side; five
//                steps S; labels on the midpoints of the divisions
//   level axis   the coarse rounded bounds of the levels
// An Fs of −1 (no horizontal force) is a point like any other. A point whose
// Fs or level is a null (a level that could not be computed) or not finite is
// left out: not in the bounds, not on the curve (its neighbours are joined),
// never marked.
#include <vector>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/geometry.h"
#include "drawing/base/cdraw.h"
#include "drawing/figures/graph_axes.h"

namespace norva {

inline constexpr double kWlvlGraphReportWidthMm = 75;
inline constexpr double kWlvlGraphReportHeightMm = 82.5;

// The graph worked out before anything is drawn (points: X = Fs, Y = level).
// valid is false when no point is left.
struct WlvlGraph {
  bool valid = false;
  std::vector<DPoint> points;  // the usable points, in stored order
  int least = -1;              // index into points of the first least Fs
  double S = 0;                // horizontal step
  GraphAxes axes;
};

WlvlGraph MakeWlvlGraph(const CWlvlCalc& study);

// Clears the canvas and draws the graph of the study. A canvas without a
// surface: nothing happens. A study without usable points: the canvas is
// left cleared and empty. The document is not read.
void DrawWlvlGraph(const CDocument& doc, cDraw& canvas, const CWlvlCalc& study);

}  // namespace norva

#pragma once
// The wedge graph: the earth pressure PA of each trial of one trial wedge
// against its slip angle ω in degrees, a polyline through the trials, with
// every sampled trial marked by a small white circle and a dotted drop line
// to the horizontal axis. Axes as graph_axes.h lays them out; titles
// "すべり角ω (度)" and "PA (kN/m)".
//
// Callers: the stability-results screen (its wedge page, on a canvas sized to
// the picture frame) and the report's trial-table section, which draws it on
// a ReportPicture of kKusabiGraphReportWidthMm × kKusabiGraphReportHeightMm
// and saves it as SVG. Both pass the wedge's TempFile and the wedge.
//
// The trial file (document/kusabi_res.h) holds the trials of one pass of the
// slip-angle search, ascending and evenly spaced; the graph takes the step G
// from the first two, doubled from six trials on, and relies on it:
//   x axis (not rounded)  θ1 − G/2 .. θn + G/2, labels θ1, θ1 + G, ... ≤ the end
//   y axis                the coarse rounded bounds of the least and largest PA
//   marks                 the trials that match θ1, θ1 + G, ... in turn
//                         (within 1e-5°); after a missing trial none match
// The drawing is repainted through the canvas; nothing else is called.
#include <string>
#include <vector>

#include "document/document.h"
#include "document/geometry.h"
#include "document/kusabi_res.h"
#include "drawing/base/cdraw.h"
#include "drawing/figures/graph_axes.h"

namespace norva {

inline constexpr double kKusabiGraphReportWidthMm = 125;
inline constexpr double kKusabiGraphReportHeightMm = 62.5;

// Degrees per radian as the graphs convert the slip angle.
inline constexpr double kGraphDegPerRad = 57.29577951308238;

// The graph of the trials (X = slip angle in degrees, Y = PA), worked out
// before anything is drawn. valid is false for fewer than two trials, for
// values that are not finite, and when the second angle does not lie above
// the first.
struct KusabiGraph {
  bool valid = false;
  std::vector<DPoint> trials;
  double G = 0;  // horizontal label step
  GraphAxes axes;
  std::vector<size_t> marks;  // indexes of the marked trials
};

KusabiGraph MakeKusabiGraph(const std::vector<DPoint>& trials);

// Draws the graph of the trial file on the canvas.
// - A canvas without a surface, or no file at trialFile: nothing happens,
//   the canvas keeps what it shows.
// - Otherwise the canvas is cleared first; a file with fewer than two
//   readable records, values that are not finite or angles that do not
//   ascend leaves it empty.
// The document is not read; the wedge only names the record layout.
void DrawKusabiGraph(const CDocument& doc, cDraw& canvas, const std::string& trialFile,
                     const CKusabiRes& wedge);

}  // namespace norva

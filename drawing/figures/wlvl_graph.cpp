#include "drawing/figures/wlvl_graph.h"

#include <cmath>
#include <vector>

#include "document/nulls.h"
#include "document/numeric.h"

namespace norva {

namespace {

bool Usable(double v) { return std::isfinite(v) && !IsNullValue(v); }

}  // namespace

WlvlGraph MakeWlvlGraph(const CWlvlCalc& study) {
  WlvlGraph g;
  for (int32_t i = 0; i < study.Count(); ++i) {
    const double fs = study.Fs(i);
    const double wl = study.Wlvl(i);
    if (Usable(fs) && Usable(wl)) g.points.push_back({fs, wl});
  }
  if (g.points.empty()) return g;

  double fsMin = 1e8, fsMax = -1e8, wlMin = 1e8, wlMax = -1e8;
  for (size_t i = 0; i < g.points.size(); ++i) {
    const DPoint& p = g.points[i];
    // Strictly less: of equal least factors the first one counts.
    if (fsMin > p.X) {
      g.least = static_cast<int>(i);
      fsMin = p.X;
    }
    fsMax = MaxOf(fsMax, {p.X});
    wlMin = MinOf(wlMin, {p.Y});
    wlMax = MaxOf(wlMax, {p.Y});
  }

  GraphAxes& a = g.axes;
  const AxisBounds x = RoundedBounds(fsMin, fsMax, AxisRounding::kFine);
  const double pad = std::fabs(x.hi - x.lo) / 20;
  a.xhi = x.hi + pad;
  a.xlo = x.lo - pad;
  g.S = std::fabs(a.xhi - a.xlo) / 10 * 2;
  const AxisBounds y = RoundedBounds(wlMin, wlMax, AxisRounding::kCoarse);
  a.ylo = y.lo;
  a.yhi = y.hi;
  a.yStep = y.step;
  a.xMask = AxisLabelMask(g.S, AxisKind::kSafetyFactor);
  a.yMask = AxisLabelMask(y.step, AxisKind::kValue);
  a.xLabels = AxisLabelRun(a.xlo + g.S / 2, g.S, a.xhi, false);
  a.xTitle = "滑動安全率";
  a.yTitle = "水位 (m)";
  g.valid = std::isfinite(a.xlo) && std::isfinite(a.xhi) && std::isfinite(g.S) &&
            std::isfinite(a.ylo) && std::isfinite(a.yhi) && a.xhi > a.xlo && a.yhi > a.ylo;
  return g;
}

void DrawWlvlGraph(const CDocument& /*doc*/, cDraw& canvas, const CWlvlCalc& study) {
  if (canvas.GetCanvas() == nullptr) return;
  canvas.Cls();
  canvas.MarginSet(0, 0, 0, 0);
  const WlvlGraph g = MakeWlvlGraph(study);
  if (!g.valid) return;
  DrawGraphFrame(canvas, g.axes);
  DrawGraphCurve(canvas, g.axes, g.points);
  if (g.least >= 0) DrawGraphMark(canvas, g.axes, g.points[g.least], true);
}

}  // namespace norva

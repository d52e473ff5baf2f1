#include "drawing/figures/kusabi_graph.h"

#include <cmath>
#include <filesystem>
#include <system_error>
#include <vector>

#include "document/numeric.h"

namespace norva {

namespace {

bool Finite(const GraphAxes& a) {
  return std::isfinite(a.xlo) && std::isfinite(a.xhi) && std::isfinite(a.ylo) &&
         std::isfinite(a.yhi) && std::isfinite(a.yStep);
}

}  // namespace

KusabiGraph MakeKusabiGraph(const std::vector<DPoint>& trials) {
  KusabiGraph g;
  const size_t n = trials.size();
  if (n < 2) return g;
  g.trials = trials;
  const double t1 = trials.front().X;
  const double tn = trials.back().X;
  g.G = trials[1].X - t1;
  if (n >= 6) g.G *= 2;
  GraphAxes& a = g.axes;
  a.xlo = t1 - g.G / 2;
  a.xhi = tn + g.G / 2;
  double pMin = 1e8, pMax = -1e8;
  for (const DPoint& t : trials) {
    if (!std::isfinite(t.X) || !std::isfinite(t.Y)) return g;
    pMin = MinOf(pMin, {t.Y});
    pMax = MaxOf(pMax, {t.Y});
  }
  const AxisBounds y = RoundedBounds(pMin, pMax, AxisRounding::kCoarse);
  a.ylo = y.lo;
  a.yhi = y.hi;
  a.yStep = y.step;
  a.yMask = AxisLabelMask(y.step, AxisKind::kValue);
  a.xMask = AxisLabelMask(g.G, AxisKind::kSlipAngle);
  a.xLabels = AxisLabelRun(t1, g.G, a.xhi, false);
  a.xTitle = "すべり角ω (度)";
  a.yTitle = "PA (kN/m)";
  // The target only moves on when a trial meets it, so a gap in the pass
  // ends the marks.
  double target = t1;
  for (size_t k = 0; k < n; ++k) {
    if (!EqualTol(trials[k].X, target)) continue;
    g.marks.push_back(k);
    target += g.G;
  }
  // A pass always ascends; angles that do not are no graph of one.
  g.valid = Finite(a) && y.step > 0 && g.G > 0;
  return g;
}

void DrawKusabiGraph(const CDocument& /*doc*/, cDraw& canvas, const std::string& trialFile,
                     const CKusabiRes& /*wedge*/) {
  if (canvas.GetCanvas() == nullptr) return;
  std::error_code ec;
  if (trialFile.empty() || !std::filesystem::is_regular_file(trialFile, ec)) return;
  canvas.Cls();
  canvas.MarginSet(0, 0, 0, 0);
  if (KusabiRecordCount(trialFile) < 2) return;
  std::vector<DPoint> trials;
  for (const CKusabiRes& r : ReadKusabiFile(trialFile))
    trials.push_back({r.fOmega * kGraphDegPerRad, r.fPa});
  const KusabiGraph g = MakeKusabiGraph(trials);
  if (!g.valid) return;
  DrawGraphFrame(canvas, g.axes);
  DrawGraphCurve(canvas, g.axes, g.trials);
  for (size_t k : g.marks) DrawGraphMark(canvas, g.axes, g.trials[k], false);
}

}  // namespace norva

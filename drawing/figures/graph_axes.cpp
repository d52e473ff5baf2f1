#include "drawing/figures/graph_axes.h"

#include <cmath>
#include <string>
#include <vector>

#include "document/numeric.h"
#include "document/report_format.h"
#include "drawing/section/section_colours.h"

namespace norva {

namespace {

constexpr double kFontTwips = 170.1;  // 3 mm
constexpr size_t kMaxLabels = 1000;

// Zeros after the point before the first significant digit of r written
// with at most seven decimals; 3 when r shows none there.
int LeadingZeros(double r) {
  const std::string t = FormatPattern(r, "#0.#######");
  const size_t point = t.find('.');
  if (point == std::string::npos) return 3;
  int z = 0;
  for (size_t i = point + 1; i < t.size(); ++i) {
    if (t[i] != '0') return z;
    ++z;
  }
  return 3;
}

}  // namespace

AxisBounds RoundedBounds(double a, double b, AxisRounding variant) {
  AxisBounds r;
  if (!std::isfinite(a) || !std::isfinite(b)) return r;
  const double range = std::fabs(b - a);
  if (!std::isfinite(range)) return r;
  // The bounds are whole multiples m of a unit; `scaled` turns a value into
  // units and `value` a multiple back, the way each branch computes them.
  double mHi = 0, mLo = 0, bu = 0, au = 0;
  double unit = 0;
  bool divide = false;
  if (range > 1) {
    const int k = static_cast<int>(FormatPattern(range, "#0").size()) - 1;
    unit = std::pow(10.0, k);
    bu = b / unit;
    au = a / unit;
  } else {
    const int e = LeadingZeros(range) + (variant == AxisRounding::kFine ? 1 : 0);
    unit = std::pow(10.0, e);
    divide = true;
    bu = b * unit;
    au = a * unit;
  }
  mHi = std::trunc(bu + 0.99);
  mLo = std::trunc(au - 0.99);
  // Data just beyond a multiple would fall outside the plot: one unit more.
  if (mHi < bu - 1e-9) mHi += 1;
  if (mLo > au + 1e-9) mLo -= 1;
  r.hi = divide ? mHi / unit : mHi * unit;
  r.lo = divide ? mLo / unit : mLo * unit;
  r.step = std::fabs(r.hi - r.lo) / 10 * 2;
  return r;
}

std::string AxisLabelMask(double s, AxisKind kind) {
  switch (kind) {
    case AxisKind::kValue:
      if (s >= 10) return "#0";
      if (s >= 0.1) return "#0.0";
      if (s >= 0.01) return "#0.00";
      return "0.000";
    case AxisKind::kSlipAngle:
      if (s >= 1) return "#0";
      if (s >= 0.1) return "#0.0";
      return "#0.00";
    case AxisKind::kSafetyFactor:
      if (s >= 1) return "0.0";
      if (s >= 0.1) return "0.00";
      return "#0.00";
  }
  return "#0.00";
}

std::vector<double> AxisLabelRun(double first, double step, double last, bool descending) {
  std::vector<double> v;
  if (!(step > 0) || !std::isfinite(step) || !std::isfinite(first) || !std::isfinite(last))
    return v;
  for (double x = first; v.size() < kMaxLabels;) {
    if (descending ? !GreaterEqTol(x, last) : !LessEqTol(x, last)) break;
    v.push_back(x);
    x = descending ? x - step : x + step;
  }
  return v;
}

PlotFrame SetPlotFrame(cDraw& canvas, double xlo, double xhi, double ylo, double yhi,
                       const std::string& yMask) {
  PlotFrame f;
  canvas.MarginSet(0, 0, 0, 0);
  TwipBox& a = f.area;
  canvas.GetDrawAreaRect(a.left, a.top, a.right, a.bottom);
  canvas.SetFontSize(kFontTwips);
  f.digitMm = canvas.TextWidth("0") / kTwipsPerMm;
  const double n = static_cast<double>(FormatPattern(yhi, yMask).size());
  f.leftBandMm = (n + 1) * f.digitMm + 3;
  f.plot = {a.left + f.leftBandMm * kTwipsPerMm, a.top + kFontTwips, a.right - kFontTwips,
            a.bottom - 7.5 * kTwipsPerMm};
  const double spanX = xhi - xlo;
  const double spanY = yhi - ylo;
  canvas.SetScX(spanX != 0 ? (f.plot.right - f.plot.left) / spanX : 1.0);
  canvas.SetScY(spanY != 0 ? (f.plot.bottom - f.plot.top) / spanY : 1.0);
  canvas.SetXoo(f.plot.left);
  canvas.SetYoo(f.plot.bottom);
  canvas.SetPenColor(kBlack);
  canvas.SetPenWidth(0);
  canvas.SetPenStyle(0);
  canvas.SetBrushColor(kWhite);
  // The marks are white discs over the curve.
  canvas.SetBrushStyle(0);
  return f;
}

void DrawGraphAxes(cDraw& canvas, const PlotFrame& frame, const GraphAxes& ax) {
  const double h = canvas.FontSize();
  const TwipBox& a = frame.area;

  canvas.DrawLine(0, 0, ax.xhi - ax.xlo, 0, true);
  canvas.SetTextAngle(0);
  canvas.SetTextAlign(1);
  for (double v : ax.xLabels) {
    const double px = canvas.GetX(v - ax.xlo);
    const double py = canvas.GetY(0);
    canvas.DrawLine(px, py, px, py - h / 2, false);
    canvas.DrawText(px, py + h / 4, FormatPattern(v, ax.xMask));
  }
  canvas.DrawText((a.left + a.right) / 2, a.bottom - h, ax.xTitle);

  canvas.DrawLine(0, 0, 0, ax.yhi - ax.ylo, true);
  canvas.SetTextAlign(2);
  for (double v : AxisLabelRun(ax.yhi, ax.yStep, ax.ylo, true)) {
    const double px = canvas.GetX(0);
    const double py = canvas.GetY(v - ax.ylo);
    canvas.DrawLine(px, py, px + h / 2, py, false);
    canvas.DrawText(px - frame.digitMm / 2 * kTwipsPerMm, py - h / 2, FormatPattern(v, ax.yMask));
  }
  canvas.SetTextAngle(900);
  canvas.SetTextAlign(1);
  canvas.DrawText(a.left, (frame.plot.top + frame.plot.bottom) / 2, ax.yTitle);
  canvas.SetTextAngle(0);
}

PlotFrame DrawGraphFrame(cDraw& canvas, const GraphAxes& axes) {
  const PlotFrame f = SetPlotFrame(canvas, axes.xlo, axes.xhi, axes.ylo, axes.yhi, axes.yMask);
  DrawGraphAxes(canvas, f, axes);
  return f;
}

void DrawGraphCurve(cDraw& canvas, const GraphAxes& a, const std::vector<DPoint>& pts) {
  canvas.SetPenWidth(0.5);
  for (size_t i = 1; i < pts.size(); ++i) {
    const DPoint& p = pts[i - 1];
    const DPoint& q = pts[i];
    canvas.DrawLine(p.X - a.xlo, p.Y - a.ylo, q.X - a.xlo, q.Y - a.ylo, true);
  }
  canvas.SetPenWidth(0);
}

void DrawGraphMark(cDraw& canvas, const GraphAxes& a, const DPoint& p, bool toVertical) {
  const double x = p.X - a.xlo;
  const double y = p.Y - a.ylo;
  canvas.SetPenWidth(0);
  canvas.SetPenStyle(2);
  if (toVertical) canvas.DrawLine(x, y, 0, y, true);
  canvas.DrawLine(x, y, x, 0, true);
  canvas.SetPenStyle(0);
  canvas.DrawCircle(x, y, 1.0, true);
}

}  // namespace norva

#pragma once
// The layout both result graphs share (the wedge graph and the water-level
// graph): value bounds rounded outward, label masks chosen from the step, the
// plot box inside the canvas, and the left and bottom axes with their ticks,
// labels and titles. There is no legend, no grid and no frame.
//
// Units: canvas twips (56.7 per mm, y down). A plot's world coordinates are
// x − xlo and y − ylo in the data's own units; the canvas maps world (0, 0)
// to the lower left corner of the plot box.
#include <string>
#include <vector>

#include "document/geometry.h"
#include "drawing/base/cdraw.h"
#include "drawing/section/section_fit.h"

namespace norva {

// Only matters for a data range of at most 1: coarse rounds to the first
// significant decimal of the range, fine to one decimal more.
enum class AxisRounding { kCoarse, kFine };

struct AxisBounds {
  double lo = 0;
  double hi = 0;
  double step = 0;  // between labelled ticks: five steps span the axis
};

// The data range [a, b] rounded outward.
// - R = |b − a| > 1: u = 10^k, k = the number of digits of R rounded to a
//   whole number, less one (9.6 gives u = 10); hi = Fix(b / u + 0.99) × u,
//   lo = Fix(a / u − 0.99) × u (Fix truncates toward zero).
// - R ≤ 1: z = the zeros after the point before the first significant digit
//   of R written with seven decimals, 3 when there is none (R = 0, R = 1);
//   e = z (coarse) or z + 1 (fine); hi = Fix(b·10^e + 0.99) / 10^e, lo the
//   same with − 0.99.
// - A bound that would leave data outside (hi < b, lo > a: a value less than
//   a hundredth of a unit beyond a multiple) moves out by one unit.
// - step = |hi − lo| / 10 × 2; lo < hi always.
// a or b not finite gives lo = hi = step = 0.
AxisBounds RoundedBounds(double a, double b, AxisRounding variant);

enum class AxisKind {
  kValue,         // vertical axis of both graphs (earth pressure, water level)
  kSlipAngle,     // horizontal axis of the wedge graph
  kSafetyFactor,  // horizontal axis of the water-level graph
};

// The digit mask of an axis' labels from its step:
//   kValue         "0.000", from 0.01 "#0.00", from 0.1 "#0.0", from 10 "#0"
//   kSlipAngle     "#0.00", from 0.1 "#0.0", from 1 "#0"
//   kSafetyFactor  "#0.00", from 0.1 "0.00", from 1 "0.0"
std::string AxisLabelMask(double step, AxisKind kind);

// Label values first, first + step, ... (by repeated addition) while they are
// at most last + 1e-5; with descending set first, first − step, ... while at
// least last − 1e-5. A step that is not positive and finite gives none; at
// most 1000 values.
std::vector<double> AxisLabelRun(double first, double step, double last, bool descending);

struct PlotFrame {
  TwipBox area;        // the canvas drawing area, margins 0
  double digitMm = 0;  // width of "0" at the graph's font, millimetres
  double leftBandMm = 0;
  TwipBox plot;  // the plot box
};

// The plot box of the bounds xlo..xhi, ylo..yhi on the canvas: margins 0,
// font 170 (3 mm), a left band of (n + 1) digits + 3 mm (n = characters of
// yhi written with yMask), 7.5 mm below, 3 mm free above and right. Sets the
// two scales (plot size / span; 1 for a span of 0) and the origin at the
// lower left corner, pen black, solid, hairline, brush white and solid.
PlotFrame SetPlotFrame(cDraw& canvas, double xlo, double xhi, double ylo, double yhi,
                       const std::string& yMask);

struct GraphAxes {
  double xlo = 0, xhi = 0;
  double ylo = 0, yhi = 0;
  std::vector<double> xLabels;  // data values, in drawing order
  std::string xMask;
  double yStep = 0;  // the vertical labels run from yhi down by it
  std::string yMask;
  std::string xTitle;
  std::string yTitle;
};

// The bottom axis with a tick up by half the font height and a centred label
// under it for each x label, its title centred under the canvas; the left
// axis with ticks to the right and labels ending half a digit left of it,
// from yhi down to ylo; its title turned by 90 degrees at the left edge.
// The text angle is 0 again at the end.
void DrawGraphAxes(cDraw& canvas, const PlotFrame& frame, const GraphAxes& axes);

// SetPlotFrame for the axes' bounds and vertical mask, then DrawGraphAxes.
PlotFrame DrawGraphFrame(cDraw& canvas, const GraphAxes& axes);

// The data (in data units) as a 0.5 mm line through the points in order;
// the pen is a hairline again afterwards.
void DrawGraphCurve(cDraw& canvas, const GraphAxes& axes, const std::vector<DPoint>& points);

// A mark on a data point: dotted leaders to the vertical axis (with
// toVertical) and down to the horizontal axis, then a circle of 1 mm in the
// brush (white) over the curve.
void DrawGraphMark(cDraw& canvas, const GraphAxes& axes, const DPoint& point, bool toVertical);

}  // namespace norva

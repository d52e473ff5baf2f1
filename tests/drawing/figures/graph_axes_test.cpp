// The axis layout of the result graphs: rounded bounds, label masks, label
// runs and the plot frame, against values worked out by hand.
#include "drawing/figures/graph_axes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "../section/mm_surface.h"
#include "figure_test_util.h"

namespace norva {
namespace {

using figure_test::kMm;

TEST(GraphAxes, RoundedBoundsTable) {
  struct Row {
    const char* name;
    double a, b;
    AxisRounding v;
    double lo, hi, step;
  };
  const AxisRounding C = AxisRounding::kCoarse, F = AxisRounding::kFine;
  const Row rows[] = {
      // R = 35.5 -> "36", u = 10: hi = Fix(4.78 + .99)·10, lo = Fix(1.23 − .99)·10.
      {"range 35.5", 12.3, 47.8, C, 0, 50, 10},
      {"range 35.5 fine", 12.3, 47.8, F, 0, 50, 10},
      // R = 0.7, z = 0: coarse Fix(2.89) = 2, Fix(0.21) = 0, s = 2/10·2.
      {"1.2..1.9 coarse", 1.2, 1.9, C, 0, 2, 0.4},
      // fine e = 1: Fix(19.99)/10, Fix(11.01)/10, s = 0.8/10·2.
      {"1.2..1.9 fine", 1.2, 1.9, F, 1.1, 1.9, 0.16},
      // A positive value on a multiple: itself as the top, one unit lower as
      // the bottom: Fix(5 + .99) = 5; Fix(2 − .99) = 1.
      {"on a multiple", 20, 50, C, 10, 50, 8},
      // Negative values the other way round: Fix(−2 − .99) = −2,
      // Fix(−2 + .99) = −1 (R = 30, u = 10).
      {"negative multiples", -50, -20, C, -50, -10, 8},
      {"negative low on a multiple", -20, 0, C, -20, 0, 4},
      // R = 0: z = 3; Fix(12345.6 + .99)/1000, Fix(12345.6 − .99)/1000,
      // s = 0.002/10·2.
      {"all equal", 12.3456, 12.3456, C, 12.344, 12.346, 0.0004},
      // R = 1 exactly: "1" has no decimals, z = 3: Fix(11000.99)/1000,
      // Fix(9999.01)/1000, s = 1.001/10·2.
      {"range exactly 1", 10, 11, C, 9.999, 11.0, 0.2002},
      // R = 0.95, z = 0: coarse Fix(3.99), Fix(2.05 − .99 = 1.06);
      // fine Fix(30.99)/10, Fix(19.51)/10, s = 1.1/10·2.
      {"range 0.95 coarse", 2.05, 3.0, C, 1, 3, 0.4},
      {"range 0.95 fine", 2.05, 3.0, F, 1.9, 3.0, 0.22},
      // R = 9.6 writes "10": u = 10; Fix(0.98 + .99) = 1, Fix(0.02 − .99) = 0.
      {"range 9.6", 0.2, 9.8, C, 0, 10, 2},
      // R = 1.7 -> "2", u = 1: Fix(−4.19) = −4, Fix(−0.51) = 0, s = 4/10·2.
      {"negative data", -3.2, -1.5, C, -4, 0, 0.8},
      // A top less than a hundredth of a unit above a multiple would be cut:
      // Fix(3.005 + .99) = 3 -> 30 < 30.05, one unit more: 40.
      {"top just above a multiple", 0, 30.05, C, 0, 40, 8},
      // The same at the bottom: Fix(−3.005 − .99) = −3 -> −30 > −30.05: −40.
      {"bottom just below a multiple", -30.05, 0, C, -40, 0, 8},
      // In the fraction branch (R = 0.505, z = 0, coarse): Fix(1.995) = 1 <
      // 1.005, so 2; fine e = 1 covers it: Fix(11.04)/10 = 1.1, Fix(4.01)/10.
      {"fraction top just above", 0.5, 1.005, C, 0, 2, 0.4},
      {"fraction top fine", 0.5, 1.005, F, 0.4, 1.1, 0.14},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const AxisBounds b = RoundedBounds(r.a, r.b, r.v);
    EXPECT_NEAR(b.lo, r.lo, 1e-12);
    EXPECT_NEAR(b.hi, r.hi, 1e-12);
    EXPECT_NEAR(b.step, r.step, 1e-12);
    EXPECT_LE(b.lo, r.a);
    EXPECT_GE(b.hi, r.b);
  }
}

TEST(GraphAxes, BoundsOfValuesThatAreNotNumbersAreZero) {
  for (double bad : {NAN, INFINITY, -INFINITY}) {
    const AxisBounds b = RoundedBounds(0, bad, AxisRounding::kCoarse);
    EXPECT_EQ(b.lo, 0);
    EXPECT_EQ(b.hi, 0);
    EXPECT_EQ(b.step, 0);
  }
}

TEST(GraphAxes, LabelMasksByStep) {
  struct Row {
    double s;
    AxisKind k;
    const char* mask;
  };
  const Row rows[] = {
      {0.0004, AxisKind::kValue, "0.000"},      {0.01, AxisKind::kValue, "#0.00"},
      {0.099, AxisKind::kValue, "#0.00"},       {0.1, AxisKind::kValue, "#0.0"},
      {9.9, AxisKind::kValue, "#0.0"},          {10, AxisKind::kValue, "#0"},
      {0.05, AxisKind::kSlipAngle, "#0.00"},    {0.4, AxisKind::kSlipAngle, "#0.0"},
      {1, AxisKind::kSlipAngle, "#0"},          {2, AxisKind::kSlipAngle, "#0"},
      {0.05, AxisKind::kSafetyFactor, "#0.00"}, {0.176, AxisKind::kSafetyFactor, "0.00"},
      {1, AxisKind::kSafetyFactor, "0.0"},
  };
  for (const Row& r : rows) EXPECT_EQ(AxisLabelMask(r.s, r.k), r.mask) << r.s;
}

TEST(GraphAxes, LabelRunsStopAtTheEndAndNeverRunAway) {
  // 40, 42, ... up to 46 + 1e-5.
  EXPECT_EQ(AxisLabelRun(40, 2, 46, false), (std::vector<double>{40, 42, 44, 46}));
  // Down from 30 by 6 to 0.
  EXPECT_EQ(AxisLabelRun(30, 6, 0, true).size(), 6u);
  // A step of 0, a negative or a non-finite one gives no labels.
  EXPECT_TRUE(AxisLabelRun(40, 0, 46, false).empty());
  EXPECT_TRUE(AxisLabelRun(40, -1, 46, false).empty());
  EXPECT_TRUE(AxisLabelRun(40, NAN, 46, false).empty());
  // A step too fine for the range stops at 1000 labels.
  EXPECT_EQ(AxisLabelRun(0, 1e-9, 1, false).size(), 1000u);
}

// Fixed metrics: "0" is half an em, 85 twips at the font size 170.
TEST(GraphAxes, PlotFrameLeavesRoomForTheWidestTopLabel) {
  struct Row {
    const char* name;
    double yhi;
    const char* mask;
    int chars;
  };
  const Row rows[] = {{"50 with #0", 50, "#0", 2},
                      {"30.0", 30, "#0.0", 4},
                      // A long top label widens the band: "1250.0".
                      {"1250.0", 1250, "#0.0", 6}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    section_test::MmSurface s(125, 62.5);
    const PlotFrame f = SetPlotFrame(s.d, 39, 51, 0, r.yhi, r.mask);
    EXPECT_EQ(s.d.FontSize(), 170);
    EXPECT_NEAR(f.digitMm, 85 / kMm, 1e-12);
    // Band (n + 1)·w + 3 mm; 3 mm above and right, 7.5 mm below.
    const double pl = (r.chars + 1) * 85 + 3 * kMm;
    EXPECT_NEAR(f.plot.left, pl, 1e-9);
    EXPECT_NEAR(f.plot.top, 170.1, 1e-9);
    EXPECT_NEAR(f.plot.right, 125 * kMm - 170.1, 1e-9);
    EXPECT_NEAR(f.plot.bottom, 62.5 * kMm - 7.5 * kMm, 1e-9);
    EXPECT_NEAR(s.d.ScX(), (125 * kMm - 170.1 - pl) / 12, 1e-9);
    EXPECT_NEAR(s.d.ScY(), (55 * kMm - 170.1) / r.yhi, 1e-9);
    EXPECT_NEAR(s.d.Xoo(), pl, 1e-9);
    EXPECT_NEAR(s.d.Yoo(), 55 * kMm, 1e-9);
  }
}

TEST(GraphAxes, ASpanOfZeroGetsTheScaleOne) {
  section_test::MmSurface s(75, 82.5);
  SetPlotFrame(s.d, 2, 2, 1, 1, "#0.0");
  EXPECT_EQ(s.d.ScX(), 1);
  EXPECT_EQ(s.d.ScY(), 1);
}

// The axes of 13 on a 125 × 62.5 mm canvas: ticks, labels and titles where
// the layout puts them.
TEST(GraphAxes, TicksLabelsAndTitles) {
  section_test::MmSurface s(125, 62.5);
  GraphAxes ax;
  ax.xlo = 39, ax.xhi = 45, ax.ylo = 0, ax.yhi = 30, ax.yStep = 6;
  ax.xLabels = {40, 42, 44};
  ax.xMask = "#0";
  ax.yMask = "#0.0";
  ax.xTitle = "X";
  ax.yTitle = "Y";
  const PlotFrame f = SetPlotFrame(s.d, ax.xlo, ax.xhi, ax.ylo, ax.yhi, ax.yMask);
  DrawGraphAxes(s.d, f, ax);
  const Canvas& c = s.canvas;
  const double pl = 5 * 85 + 3 * kMm, pb = 55 * kMm;
  const double sx = (125 * kMm - 170.1 - pl) / 6, sy = (pb - 170.1) / 30;
  // The bottom axis from (0, 0) to (6, 0) in the world.
  const auto lines = figure_test::OpsOf(c, CanvasOpKind::Line);
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(figure_test::Near(lines[0]->points[0], pl, pb));
  EXPECT_TRUE(figure_test::Near(lines[0]->points[1], pl + 6 * sx, pb));
  // "42" under its tick: x = pl + 3·sx, a quarter font below the axis.
  const CanvasOp* t42 = figure_test::TextOp(c, "42");
  ASSERT_NE(t42, nullptr);
  EXPECT_TRUE(figure_test::Near(t42->points[0], pl + 3 * sx, pb + 42.5));
  EXPECT_EQ(t42->style.textAlign, 1);
  // The tick of 42 rises half a font from the axis.
  EXPECT_TRUE(figure_test::Near(lines[2]->points[0], pl + 3 * sx, pb));
  EXPECT_TRUE(figure_test::Near(lines[2]->points[1], pl + 3 * sx, pb - 85));
  // Six vertical labels 30.0 .. 0.0; "18.0" ends half a digit left of the
  // axis, centred on its tick.
  for (const char* t : {"30.0", "24.0", "18.0", "12.0", "6.0", "0.0"})
    EXPECT_NE(figure_test::TextOp(c, t), nullptr) << t;
  const CanvasOp* t18 = figure_test::TextOp(c, "18.0");
  EXPECT_TRUE(figure_test::Near(t18->points[0], pl - 42.5, pb - 18 * sy - 85));
  EXPECT_EQ(t18->style.textAlign, 2);
  // Titles: under the middle of the canvas; up the left edge, turned.
  const CanvasOp* tx = figure_test::TextOp(c, "X");
  EXPECT_TRUE(figure_test::Near(tx->points[0], 125 * kMm / 2, 62.5 * kMm - 170));
  const CanvasOp* ty = figure_test::TextOp(c, "Y");
  EXPECT_TRUE(figure_test::Near(ty->points[0], 0, (170.1 + pb) / 2));
  EXPECT_EQ(ty->style.textAngle, 900);
  EXPECT_EQ(s.d.TextAngle(), 0);
}

}  // namespace
}  // namespace norva

// The water-level graph of a critical water-level study.
#include "drawing/figures/wlvl_graph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "../section/mm_surface.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/nulls.h"
#include "figure_test_util.h"

namespace norva {
namespace {

using figure_test::kMm;
using figure_test::Near;
using figure_test::OpsOf;
using figure_test::TextOp;

CWlvlCalc Study(const std::vector<DPoint>& fsLevel) {
  CWlvlCalc s;
  s.SetCount(static_cast<int32_t>(fsLevel.size()));
  for (size_t i = 0; i < fsLevel.size(); ++i) {
    s.SetFs(static_cast<int32_t>(i), fsLevel[i].X);
    s.SetWlvl(static_cast<int32_t>(i), fsLevel[i].Y);
  }
  return s;
}

struct Graph {
  section_test::MmSurface s{kWlvlGraphReportWidthMm, kWlvlGraphReportHeightMm};
  CDocument doc;
  void Draw(const CWlvlCalc& study) { DrawWlvlGraph(doc, s.d, study); }
  std::vector<std::string> Bottom() const {
    std::vector<std::string> v;
    for (const CanvasOp* op : OpsOf(s.canvas, CanvasOpKind::Text))
      if (op->style.textAngle == 0 && op->style.textAlign == 1 && op->text != "滑動安全率")
        v.push_back(op->text);
    return v;
  }
};

// Fs 1.2 .. 1.9 over levels 0 .. 3: the fine bounds 1.1 .. 1.9 widened by
// 0.8/20 = 0.04 to 1.06 .. 1.94; S = 0.88/10·2 = 0.176 ("0.00" from 0.1);
// labels 1.148, 1.324, 1.500, 1.676, 1.852. Levels 0 .. 3: R = 3, u = 1,
// hi = Fix(3.99) = 3, lo = Fix(−.99) = 0, V = 0.6 ("#0.0").
TEST(WlvlGraph, SafetyFactorsFromOnePointTwoToOnePointNine) {
  const CWlvlCalc study = Study({{1.9, 3.0}, {1.5, 2.0}, {1.2, 1.0}, {1.4, 0.0}});
  const WlvlGraph g = MakeWlvlGraph(study);
  ASSERT_TRUE(g.valid);
  EXPECT_NEAR(g.axes.xlo, 1.06, 1e-12);
  EXPECT_NEAR(g.axes.xhi, 1.94, 1e-12);
  EXPECT_NEAR(g.S, 0.176, 1e-12);
  EXPECT_EQ(g.axes.xMask, "0.00");
  EXPECT_EQ(g.axes.ylo, 0);
  EXPECT_EQ(g.axes.yhi, 3);
  EXPECT_NEAR(g.axes.yStep, 0.6, 1e-12);
  EXPECT_EQ(g.least, 2);

  Graph t;
  t.Draw(study);
  EXPECT_EQ(t.Bottom(), (std::vector<std::string>{"1.15", "1.32", "1.50", "1.68", "1.85"}));
  for (const char* s : {"3.0", "2.4", "1.8", "1.2", "0.6", "0.0", "滑動安全率", "水位 (m)"})
    EXPECT_NE(TextOp(t.s.canvas, s), nullptr) << s;
  // Plot box on 75 × 82.5 mm: band of "3.0" 4·85 + 3 mm.
  const double pl = 4 * 85 + 3 * kMm, pb = 75 * kMm;
  const double sx = (75 * kMm - 170.1 - pl) / 0.88, sy = (pb - 170.1) / 3;
  EXPECT_NEAR(t.s.d.ScX(), sx, 1e-6);
  EXPECT_NEAR(t.s.d.ScY(), sy, 1e-6);
  // The least factor (1.2 at 1.0 m): a circle of 1 mm, a dotted leader to
  // each axis.
  const double qx = pl + (1.2 - 1.06) * sx, qy = pb - 1.0 * sy;
  const auto circles = OpsOf(t.s.canvas, CanvasOpKind::Ellipse);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_TRUE(Near(circles[0]->points[0], qx, qy, 1e-6));
  EXPECT_NEAR(circles[0]->rx, kMm, 1e-9);
  std::vector<const CanvasOp*> dotted;
  for (const CanvasOp* op : OpsOf(t.s.canvas, CanvasOpKind::Line))
    if (op->style.penStyle == 2) dotted.push_back(op);
  ASSERT_EQ(dotted.size(), 2u);
  EXPECT_TRUE(Near(dotted[0]->points[1], pl, qy, 1e-6));
  EXPECT_TRUE(Near(dotted[1]->points[1], qx, pb, 1e-6));
  // Three curve segments, 0.5 mm, in stored order.
  size_t curve = 0;
  for (const CanvasOp* op : OpsOf(t.s.canvas, CanvasOpKind::Line))
    curve += std::fabs(op->style.penWidth - 0.5 * kMm) < 1e-9;
  EXPECT_EQ(curve, 3u);
}

// One point: both axes in the fraction branch with z = 3. Fs 1.5, fine
// e = 4: hi = Fix(15000.99)/1e4 = 1.5, lo = Fix(14999.01)/1e4 = 1.4999,
// widened by 0.0001/20. Level 2.0, coarse e = 3: 1.999 .. 2.0, V = 0.0002.
TEST(WlvlGraph, OnePointIsMarkedWithItsLeaders) {
  const WlvlGraph g = MakeWlvlGraph(Study({{1.5, 2.0}}));
  ASSERT_TRUE(g.valid);
  EXPECT_NEAR(g.axes.xhi, 1.5 + 0.000005, 1e-12);
  EXPECT_NEAR(g.axes.xlo, 1.4999 - 0.000005, 1e-12);
  EXPECT_NEAR(g.axes.ylo, 1.999, 1e-12);
  EXPECT_NEAR(g.axes.yhi, 2.0, 1e-12);
  EXPECT_EQ(g.axes.yMask, "0.000");
  EXPECT_EQ(g.axes.xMask, "#0.00");
  Graph t;
  t.Draw(Study({{1.5, 2.0}}));
  EXPECT_EQ(OpsOf(t.s.canvas, CanvasOpKind::Ellipse).size(), 1u);
  EXPECT_EQ(t.Bottom().size(), 5u);
  figure_test::ExpectFinite(t.s.canvas);
}

TEST(WlvlGraph, TheFirstOfTwoEqualMinimaIsMarked) {
  const WlvlGraph g = MakeWlvlGraph(Study({{1.6, 3.0}, {1.3, 2.0}, {1.5, 1.5}, {1.3, 1.0}}));
  EXPECT_EQ(g.least, 1);
}

// A factor of −1 (no horizontal force) stretches the axis like any value:
// −1 .. 1.8 is R = 2.8, u = 1: lo = Fix(−1.99) = −1, hi = Fix(2.79) = 2,
// widened by 3/20 to −1.15 .. 2.15.
TEST(WlvlGraph, MinusOneEntersTheExtremes) {
  const WlvlGraph g = MakeWlvlGraph(Study({{1.8, 2.0}, {-1, 1.0}}));
  EXPECT_NEAR(g.axes.xlo, -1.15, 1e-12);
  EXPECT_NEAR(g.axes.xhi, 2.15, 1e-12);
  EXPECT_EQ(g.least, 1);
}

// A level the calculation could not compute stores a null factor: it is not
// a point of the graph (the axis would reach −1.8e308).
TEST(WlvlGraph, NullFactorsAreLeftOut) {
  const WlvlGraph g = MakeWlvlGraph(Study({{1.8, 3.0}, {kNullBox, 2.0}, {1.2, 1.0}, {NAN, 0.5}}));
  ASSERT_TRUE(g.valid);
  EXPECT_EQ(g.points.size(), 2u);
  // 1.2 .. 1.8, fine: Fix(18.99)/10 = 1.8, Fix(11.01)/10 = 1.1; less 0.7/20.
  EXPECT_NEAR(g.axes.xlo, 1.1 - 0.035, 1e-12);
  Graph t;
  t.Draw(Study({{1.8, 3.0}, {kNullBox, 2.0}, {1.2, 1.0}}));
  figure_test::ExpectFinite(t.s.canvas);
  // Only nulls: a cleared, empty canvas.
  t.s.d.DrawLine(0, 0, 10, 10, false);
  t.Draw(Study({{kNullBox, 2.0}}));
  EXPECT_TRUE(t.s.canvas.Ops().empty());
}

TEST(WlvlGraph, AStudyWithoutPointsLeavesTheCanvasCleared) {
  Graph t;
  t.s.d.DrawLine(0, 0, 10, 10, false);
  t.Draw(CWlvlCalc{});
  EXPECT_TRUE(t.s.canvas.Ops().empty());
}

}  // namespace
}  // namespace norva

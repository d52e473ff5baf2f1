// The earth-pressure figure of a check section: geometry by hand and the
// figure on a recorded 75 × 82.5 mm surface.
#include "drawing/figures/doatsu_figure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../section/mm_surface.h"
#include "../section/section_docs.h"

namespace norva {
namespace {

constexpr double kMm = 56.7;

// Gravity wall 5.0 high: toe 0.5, front face from 2 (0.3, 0.5) to
// 5 (1.0, 5.0), crest back 6 (1.5, 5.0), back face down to 3 (2.0, 0.5).
std::unique_ptr<CDocument> TallGravity() {
  auto d = section_test::GravityDoc();
  d->WallH = 5.0;
  d->GrwB = 2.0;
  d->GrwB4 = 0.3;
  d->GrwB1 = 0.7;
  d->GrwB2 = 0.5;
  d->GrwH1 = 0.5;
  return d;
}

struct Surface : section_test::MmSurface {
  Surface() : MmSurface(75, 82.5) {}
};

TEST(CheckSectionFigure, ActionPointAThirdTowardTheCrest) {
  const DoatsuGeometry g = MakeDoatsuGeometry(*TallGravity(), 0.0, 0);
  // Back face 3-6 at 0: 2.0 + (1.5 − 2.0) × (0 − 0.5) / 4.5; front 2-5 at 0:
  // 0.3 + 0.7 × (−0.5 / 4.5).
  const double xs2 = 2.0 + 0.5 * 0.5 / 4.5;
  const double xs1 = 0.3 - 0.7 * 0.5 / 4.5;
  EXPECT_NEAR(g.xs2, xs2, 1e-12);
  EXPECT_NEAR(g.xs1, xs1, 1e-12);
  EXPECT_NEAR(g.xm, (xs1 + xs2) / 2, 1e-12);
  EXPECT_NEAR(g.action.X, xs2 + (1.5 - xs2) / 3, 1e-12);
  EXPECT_NEAR(g.action.Y, 5.0 / 3, 1e-12);
  EXPECT_EQ(g.polygon.size(), 7u);
  EXPECT_FALSE(g.lowerMixed);
}

TEST(CheckSectionFigure, FitLabelsArrowsAndChains) {
  Surface s;
  DrawDoatsuFigure(*TallGravity(), 0.0, "Ⅱ", 0, s.d);
  // Fixed metrics: "Ⅱ" is one em, 170 wide. Inner box: left 1 + 10 mm +
  // 283.5 + 170, right 75 − 1 − 19 mm − 283.5 − 170, top 11 mm, bottom
  // 82.5 − 1 − 23.5 mm. World 2.0 × 5.0: Sc = (82.5 − 35.5) × 56.7 / 5.
  const double left = 11 * kMm + 283.5 + 170, right = 55 * kMm - 283.5 - 170;
  const double sc = 47 * kMm / 5;
  EXPECT_NEAR(s.d.ScX(), sc, 1e-9);
  EXPECT_NEAR(s.d.ScY(), sc, 1e-9);
  EXPECT_NEAR(s.d.Xoo(), left + (right - left - 2 * sc) / 2, 1e-9);
  EXPECT_NEAR(s.d.Yoo(), 58 * kMm, 1e-9);

  // The label at both ends of the section line, 1.5 mm above it.
  const auto labels = s.TextsOf("Ⅱ");
  ASSERT_EQ(labels.size(), 2u);
  const double xs1 = 0.3 - 0.7 * 0.5 / 4.5, xs2 = 2.0 + 0.5 * 0.5 / 4.5;
  EXPECT_NEAR(labels[0]->points[0].x, s.d.GetX(xs1) - 283.5 - 170, 1e-9);
  EXPECT_NEAR(labels[0]->points[0].y, s.d.GetY(0) - 85.05, 1e-9);
  EXPECT_NEAR(labels[1]->points[0].x, s.d.GetX(xs2) + 283.5, 1e-9);
  // The section line is dash-dot.
  bool dashDot = false;
  for (const CanvasOp& op : s.canvas.Ops())
    dashDot = dashDot || (op.kind == CanvasOpKind::Line && op.style.penStyle == 3 &&
                          std::abs(op.points[0].x - (s.d.GetX(xs1) - 283.5)) < 1e-9);
  EXPECT_TRUE(dashDot);

  // "Pav1" centred above the arrow by its own width (4 half-ems = 340).
  const double px = s.d.GetX(xs2 + (1.5 - xs2) / 3), py = s.d.GetY(5.0 / 3);
  ASSERT_EQ(s.TextsOf("Pav1").size(), 1u);
  EXPECT_NEAR(s.TextsOf("Pav1")[0]->points[0].x, px - 170, 1e-9);
  EXPECT_NEAR(s.TextsOf("Pav1")[0]->points[0].y, py - 283.5 - 170.1, 1e-9);
  ASSERT_EQ(s.TextsOf("Pah1").size(), 1u);
  EXPECT_NEAR(s.TextsOf("Pah1")[0]->points[0].x, px + 283.5, 1e-9);

  // Chains: height 5.000, width 2.0556 − 0.2222 = 1.8333, its halves 0.9167.
  for (const char* t : {"H1=5.000", "Yp1", "h=1.833", "0.917", "Xp1"})
    EXPECT_FALSE(s.TextsOf(t).empty()) << t;
  EXPECT_EQ(s.TextsOf("0.917").size(), 2u);
  for (const CanvasOp& op : s.canvas.Ops())
    if (op.kind == CanvasOpKind::Text) {
      EXPECT_EQ(op.style.textColor, 0u) << op.text;
    }
}

TEST(CheckSectionFigure, WidthRoundedHalfUpToTheMillimetre) {
  // Vertical faces 0.8546 apart.
  auto d = TallGravity();
  d->GrwB4 = 0;
  d->GrwB1 = 0;
  d->GrwB2 = 0.8546;
  d->GrwB = 0.8546;
  Surface s;
  DrawDoatsuFigure(*d, 1.0, "Ⅰ", 0, s.d);
  EXPECT_EQ(s.TextsOf("h=0.855").size(), 1u);
  EXPECT_EQ(s.TextsOf("0.427").size(), 2u);  // 0.4273
}

TEST(CheckSectionFigure, MixedLowerAndUpperParts) {
  // MixedDoc: lower wall 0 (0, 0), 1 (0.2, 1.5), 3 (1.7, 1.3), 4 (2.0, 0);
  // upper crest 9 at 3.5; point 2 at x 0.3.
  auto d = section_test::MixedDoc();
  {
    const DoatsuGeometry g = MakeDoatsuGeometry(*d, 0.3, 1);
    EXPECT_TRUE(g.lowerMixed);
    EXPECT_EQ(g.polygon.size(), 5u);
    EXPECT_EQ(g.upper.size(), 4u);
    EXPECT_NEAR(g.xs1, 0.2 * 0.3 / 1.5, 1e-12);                // on 0-1
    EXPECT_NEAR(g.xs2, 1.7 + 0.3 * (1.3 - 0.3) / 1.3, 1e-12);  // on 3-4
    EXPECT_NEAR(g.crest.Y, 1.3, 1e-12);
    Surface s;
    DrawDoatsuFigure(*d, 0.3, "Ⅰ", 1, s.d);
    EXPECT_EQ(s.TextsOf("H2=1.000").size(), 1u);  // 1.3 − 0.3
    EXPECT_EQ(s.TextsOf("H1=2.200").size(), 1u);  // 3.5 − 1.3
    int dotted = 0;
    for (const CanvasOp& op : s.canvas.Ops())
      if (op.kind == CanvasOpKind::Line && op.style.penStyle == 2) ++dotted;
    EXPECT_EQ(dotted, 4);
  }
  {
    // The upper part in its own frame: x less 0.3, y less 1.3.
    const DoatsuGeometry g = MakeDoatsuGeometry(*d, 2.3, 0);
    EXPECT_NEAR(g.ys, 1.0, 1e-12);
    EXPECT_NEAR(g.polygon[0].X, 0.0, 1e-12);
    EXPECT_NEAR(g.polygon[0].Y, 1.5 - 1.3, 1e-12);
    EXPECT_NEAR(g.crest.Y, 3.5 - 1.3, 1e-12);
    EXPECT_EQ(g.polygon.size(), 4u);
  }
}

TEST(CheckSectionFigure, NoSurfaceDrawsNothing) {
  cDraw bare;
  DrawDoatsuFigure(*TallGravity(), 0.0, "Ⅰ", 0, bare);
  EXPECT_EQ(bare.ScX(), 0);
}

}  // namespace
}  // namespace norva

// The surcharge figure: the plan against hand numbers, and what is drawn.
#include "drawing/figures/jyousai_figure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "../section/mm_surface.h"
#include "../section/section_docs.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "figure_test_util.h"

namespace norva {
namespace {

using figure_test::kMm;
using figure_test::OpsOf;

constexpr uint32_t kGreen = 0x00FF00;  // RGB(0, 255, 0) = 65280

// A 100 × 80 mm canvas: the area inside 3 mm margins.
const TwipBox kArea{3 * kMm, 3 * kMm, 97 * kMm, 77 * kMm};

// GravityDoc: wall 2.0 × 3.0 (points 3 (2.0, 0.5), 6 (1.4, 3.0)), level
// ground 0.5 below the crest: back width 2.0, back height 2.5; world 4.0 × 3.0.
// The ground point R on the back line 6-3 at y = 2.5:
// x = 1.4 + 0.6 × (3.0 − 2.5) / 2.5 = 1.52.
std::unique_ptr<CDocument> Loaded(int16_t auto_, int16_t crowd, int16_t snow, int16_t takuchi) {
  auto d = section_test::GravityDoc();
  d->nAutoMobile = auto_;
  d->nGunsyu = crowd;
  d->nSnow = snow;
  d->nTakuchi = takuchi;
  d->AutoPos = 1.0;
  d->AutoWidth = 1.5;
  d->GunsyuPos = -0.5;           // counts as 0
  d->GunsyuWidth = kNullDouble;  // a bar of no width under the trial wedge
  d->SnowPos = kNullDouble;
  d->TakuchiPos = 0.3;
  d->TakuchiWidth = 0.5;
  d->Doatsu = 1;
  return d;
}

JyousaiPlan Plan(const CDocument& d) {
  KutaiPoints p{};
  DPoint a, b;
  MakeKutaiOutline(d, p, a, b, 0);
  return PlanJyousai(d, p, kArea);
}

TEST(SurchargeFigure, BandAndScaleByNumberOfSurcharges) {
  struct Row {
    const char* name;
    std::unique_ptr<CDocument> doc;
    int n;
    double bandMm;
    double sc;  // min(inner width / 4.0, inner height / 3.0)
    double xoo;
  };
  // Inner width 94 mm over 4.0 m = 1332.45; height (74 mm − band) over 3.0.
  Row rows[] = {
      {"none", Loaded(1, 1, 1, 1), 0, 0, 94 * kMm / 4, 3 * kMm},
      // 74 − 9 = 65 mm / 3 = 1228.5 < 1332.45; centred: (94 mm − 4 Sc) / 2.
      {"snow and residential", Loaded(1, 1, 0, 0), 2, 9, 65 * kMm / 3,
       3 * kMm + (94 * kMm - 4 * 65 * kMm / 3) / 2},
      {"all four", Loaded(0, 0, 0, 0), 4, 18, 56 * kMm / 3,
       3 * kMm + (94 * kMm - 4 * 56 * kMm / 3) / 2},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const JyousaiPlan p = Plan(*r.doc);
    EXPECT_EQ(p.considered, r.n);
    EXPECT_NEAR(p.fit.DrwInnerBox.top, 3 * kMm + r.bandMm * kMm, 1e-9);
    EXPECT_EQ(p.fit.DrwInnerBox.left, kArea.left);
    EXPECT_EQ(p.fit.DrwInnerBox.right, kArea.right);
    EXPECT_EQ(p.fit.DrwInnerBox.bottom, kArea.bottom);
    EXPECT_NEAR(p.fit.DrwWorldSize.width, 4.0, 1e-12);
    EXPECT_NEAR(p.fit.DrwWorldSize.height, 3.0, 1e-12);
    EXPECT_NEAR(p.scale.ScX, r.sc, 1e-9);
    EXPECT_NEAR(p.scale.Xoo, r.xoo, 1e-9);
    // E is the right edge of the box: 2.0 + (97 mm − GetX(2.0)) / Sc.
    EXPECT_NEAR(p.E, 2.0 + (97 * kMm - (r.xoo + 2.0 * r.sc)) / r.sc, 1e-9);
    EXPECT_NEAR(p.scale.GetX(p.E), kArea.right, 1e-9);
    EXPECT_EQ(p.bars.size(), static_cast<size_t>(r.n));
  }
}

TEST(SurchargeFigure, BarsStackFromTheBottomAndEndByMethod) {
  auto d = Loaded(0, 0, 0, 0);
  const JyousaiPlan p = Plan(*d);
  const double sc = 56 * kMm / 3;
  EXPECT_NEAR(p.R.X, 1.52, 1e-12);
  EXPECT_NEAR(p.R.Y, 2.5, 1e-12);
  ASSERT_EQ(p.bars.size(), 4u);
  const char* names[] = {"自動車荷重", "群集荷重", "雪荷重", "宅地荷重"};
  // Trial wedge: vehicle 1.52 + 1.0 to + 1.5; crowd at R, no width; snow
  // from R (blank position) to E; residential 1.82 to 2.32.
  const double s[] = {2.52, 1.52, 1.52, 1.82};
  const double e[] = {4.02, 1.52, p.E, 2.32};
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(names[k]);
    EXPECT_EQ(p.bars[k].name, names[k]);
    EXPECT_NEAR(p.bars[k].s, s[k], 1e-12);
    EXPECT_NEAR(p.bars[k].e, e[k], 1e-12);
    // Base 0.75 mm above the crest (3.0 > ground 2.5), then 3.75 mm apart;
    // 3 mm high.
    EXPECT_NEAR(p.bars[k].b, 3.0 + (42.525 + k * 212.625) / sc, 1e-12);
    EXPECT_NEAR(p.bars[k].t - p.bars[k].b, 170.1 / sc, 1e-12);
  }
  // Coulomb: every bar runs to E whatever its width.
  d->Doatsu = 0;
  for (const JyousaiBar& b : Plan(*d).bars) EXPECT_NEAR(b.e, p.E, 1e-12) << b.name;
  // A vehicle width reaching past E ends at E; a start past E goes back to it.
  d->Doatsu = 1;
  d->AutoWidth = 10;
  EXPECT_NEAR(Plan(*d).bars[0].e, p.E, 1e-12);
  d->AutoPos = 20;
  EXPECT_NEAR(Plan(*d).bars[0].s, 21.52, 1e-12);
  EXPECT_NEAR(Plan(*d).bars[0].e, p.E, 1e-12);
  // A blank ground depth puts the ground point at the crest back (point 6),
  // not 1.7e10 m away.
  d->UraHd = kNullDouble;
  EXPECT_NEAR(Plan(*d).R.X, 1.4, 1e-12);
  EXPECT_NEAR(Plan(*d).R.Y, 3.0, 1e-12);
}

TEST(SurchargeFigure, OnlySnowAndResidentialLand) {
  const JyousaiPlan p = Plan(*Loaded(1, 1, 0, 0));
  ASSERT_EQ(p.bars.size(), 2u);
  EXPECT_EQ(p.bars[0].name, "雪荷重");
  EXPECT_EQ(p.bars[1].name, "宅地荷重");
  EXPECT_NEAR((p.bars[1].b - p.bars[0].b) * p.scale.ScY, 212.625, 1e-9);
}

// Trapezoid: GetUragomeExtent gives 1.0 + 2.0 + 0.5 = 3.5 wide and
// 3.0 − 0.5 + 1.0 = 3.5 high; the figure widens it to 4.5, and the ground
// stands above the crest, so the first bar starts above the ground.
TEST(SurchargeFigure, TrapezoidBackGround) {
  auto d = Loaded(0, 1, 1, 1);
  d->UragomeType = 2;
  d->UraX1 = 1.0;
  d->UraX2 = 2.0;
  d->UraH0 = 1.0;
  const JyousaiPlan p = Plan(*d);
  EXPECT_TRUE(p.ground);
  EXPECT_NEAR(p.backW, 4.5, 1e-12);
  EXPECT_NEAR(p.backH, 3.5, 1e-12);
  EXPECT_NEAR(p.fit.DrwWorldSize.width, 6.5, 1e-12);
  EXPECT_NEAR(p.fit.DrwWorldSize.height, 3.5, 1e-12);
  ASSERT_EQ(p.bars.size(), 1u);
  EXPECT_NEAR(p.bars[0].b, 3.5 + 42.525 / p.scale.ScY, 1e-12);
  // An incomplete back ground: no ground, no back width, the bars still run
  // to the box's right edge.
  d->UraH0 = kNullDouble;
  const JyousaiPlan q = Plan(*d);
  EXPECT_FALSE(q.ground);
  EXPECT_EQ(q.backW, 0);
  EXPECT_NEAR(q.fit.DrwWorldSize.width, 2.0, 1e-12);
  EXPECT_NEAR(q.scale.GetX(q.bars[0].e), kArea.right, 1e-9);
}

TEST(SurchargeFigure, LabelsEndAtTheToeOnGravityWallsAndAtTheCrestElsewhere) {
  const JyousaiPlan g = Plan(*Loaded(0, 1, 1, 1));
  EXPECT_EQ(g.labelPoint, 1);
  EXPECT_EQ(g.labelX, 0);
  auto b = section_test::BlockDoc();
  b->nAutoMobile = 0;
  KutaiPoints p{};
  DPoint c1, c2;
  MakeKutaiOutline(*b, p, c1, c2, 0);
  const JyousaiPlan k = PlanJyousai(*b, p, kArea);
  EXPECT_EQ(k.labelPoint, 5);
  EXPECT_EQ(k.labelX, p[5].X);
  // Block: the back line runs from point 9 down to point 3.
  EXPECT_NEAR(k.R.X, InterpolateX(p[9], p[3], p[9].Y - 0.5), 1e-12);
}

// The mixed wall's polygons are the wall section's: backing 7, 6, 8, 10 and
// the crest wedge although the blocks are said to lie horizontal (a mixed
// wall's blocks are always square to the face). Its ground point lies on the
// upper wall's back, the line 9-10, not 9-3 (point 3 is the lower wall's
// back corner).
TEST(SurchargeFigure, MixedWallUsesTheSectionPolygonsAndTheUpperWallsBack) {
  auto d = section_test::MixedDoc();
  d->nBlkSetup = 1;
  d->UraHd = 1.0;
  d->nSnow = 0;
  KutaiPoints p{};
  DPoint c1, c2;
  MakeKutaiOutline(*d, p, c1, c2, 0);
  const JyousaiPlan plan = PlanJyousai(*d, p, kArea);
  ASSERT_EQ(plan.wall_polygons.size(), 4u);
  const std::vector<DPoint>& backing = plan.wall_polygons[2];
  ASSERT_EQ(backing.size(), 4u);
  EXPECT_EQ(backing[3].X, p[10].X);
  EXPECT_EQ(backing[3].Y, p[10].Y);
  EXPECT_EQ(plan.wall_polygons[3].size(), 3u);  // 5, 9, 8
  const double y = p[9].Y - 1.0;
  ASSERT_GT(y, p[10].Y);
  EXPECT_NEAR(plan.R.X, InterpolateX(p[9], p[10], y), 1e-12);
  EXPECT_GT(std::fabs(plan.R.X - InterpolateX(p[9], p[3], y)), 0.01);
  EXPECT_NEAR(plan.crestH, 3.5, 1e-12);
}

TEST(SurchargeFigure, DrawsGroundWallThenBarsWithLabels) {
  auto d = Loaded(0, 1, 1, 0);  // vehicle and residential land
  d->Tokki = 1;
  d->TokX = 0.8;
  d->TokB = 0.4;
  d->TokL = 0.3;
  section_test::MmSurface s(100, 80);
  DrawJyousai(*d, s.d);
  const Canvas& c = s.canvas;
  figure_test::ExpectFinite(c);
  std::vector<const CanvasOp*> wall, bars;
  size_t firstWall = 0, lastOther = 0, i = 0;
  for (const CanvasOp& op : c.Ops()) {
    if (op.kind == CanvasOpKind::Polygon && op.style.brushColor == 0xDEDEDE) {
      wall.push_back(&op);
      if (!firstWall) firstWall = i;
    } else if (op.kind == CanvasOpKind::Polygon && op.style.brushColor == kGreen) {
      bars.push_back(&op);
    } else if (op.kind != CanvasOpKind::Text && wall.empty()) {
      lastOther = i;
    }
    ++i;
  }
  // The ground comes first, then the one wall polygon (7 points and the key's
  // four), then the two bars.
  EXPECT_GT(firstWall, lastOther);
  ASSERT_EQ(wall.size(), 1u);
  EXPECT_EQ(wall[0]->points.size(), 11u);
  EXPECT_EQ(wall[0]->style.penWidth, 0.1 * kMm);
  ASSERT_EQ(bars.size(), 2u);
  EXPECT_EQ(bars[0]->style.brushStyle, 3);
  EXPECT_EQ(bars[0]->style.penColor, kGreen);
  // Each label ends at the toe (point 1, x 0), its top level with its bar's.
  const std::vector<std::string> labels = figure_test::Texts(c);
  ASSERT_EQ(labels, (std::vector<std::string>{"自動車荷重", "宅地荷重"}));
  for (size_t k = 0; k < 2; ++k) {
    const CanvasOp* t = figure_test::TextOp(c, labels[k]);
    EXPECT_EQ(t->style.textAlign, 2);
    EXPECT_EQ(t->style.font.size, 170);
    EXPECT_NEAR(t->points[0].x, s.d.GetX(0), 1e-9);
    EXPECT_NEAR(t->points[0].y, bars[k]->points[1].y, 1e-9);  // (s, t)
  }
  // No surcharge: the wall and the ground only.
  DrawJyousai(*Loaded(1, 1, 1, 1), s.d);
  EXPECT_TRUE(figure_test::Texts(c).empty());
}

TEST(SurchargeFigure, NothingToFitClearsTheCanvas) {
  auto d = section_test::GravityDoc();
  d->WallH = 0;
  d->GrwB = d->GrwB1 = d->GrwB2 = d->GrwB4 = d->GrwH1 = 0;
  d->UraHd = kNullDouble;  // no back ground: no back width either
  section_test::MmSurface s(100, 80);
  s.d.DrawLine(0, 0, 10, 10, false);
  DrawJyousai(*d, s.d);
  EXPECT_TRUE(s.canvas.Ops().empty());
  // A wall type outside 0..3 leaves the canvas alone.
  s.d.DrawLine(0, 0, 10, 10, false);
  auto other = section_test::GravityDoc();
  other->SetWallType(7);
  DrawJyousai(*other, s.d);
  EXPECT_EQ(s.canvas.Ops().size(), 1u);
}

}  // namespace
}  // namespace norva

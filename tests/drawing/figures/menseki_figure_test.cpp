// Area figures on a recorded 75 × 82.5 mm report surface.
#include "drawing/figures/menseki_figure.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../section/mm_surface.h"
#include "../section/section_docs.h"
#include "document/nulls.h"

namespace norva {
namespace {

struct Surface : section_test::MmSurface {
  Surface() : MmSurface(75, 82.5) {}
};

CWeight Polygon(const std::vector<DPoint>& pts) {
  CWeight w;
  w.SetnPoint(static_cast<int32_t>(pts.size()));
  for (size_t i = 0; i < pts.size(); ++i) {
    w.SetX(static_cast<int32_t>(i), pts[i].X);
    w.SetY(static_cast<int32_t>(i), pts[i].Y);
  }
  return w;
}

// The gravity wall of GravityDoc is 2.0 × 3.0; with no rows the inner box is
// 13..62 × 13..69.5 mm: Sc = min(49 × 56.7 / 2, 56.5 × 56.7 / 3) = 1067.85,
// Xoo = 13 mm + (49 mm − 2 × 1067.85) / 2 = 1058.4, Yoo = 69.5 mm = 3940.65.
double X(double x) { return 1058.4 + 1067.85 * x; }
double Y(double y) { return 3940.65 - 1067.85 * y; }

TEST(AreaFigure, RectangleGetsFourLinesCirclesAndNumbers) {
  auto d = section_test::GravityDoc();
  Surface s;
  const CWeight w = Polygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}});
  DrawMensekiFigure(*d, s.d, &w, DPoint{0, 0});
  EXPECT_NEAR(s.d.ScX(), 1067.85, 1e-9);

  const auto lines = s.Of(CanvasOpKind::Line);
  // 7 dotted outline lines (0, 1, 2, 5, 6, 3, 4 and back), then 4 solid sides.
  ASSERT_EQ(lines.size(), 11u);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(lines[i]->style.penStyle, 2);
    EXPECT_EQ(lines[i]->style.penWidth, 0);
  }
  // The first outline line from point 0 (0, 0) to point 1 (0, 0.5).
  EXPECT_NEAR(lines[0]->points[0].x, X(0), 1e-9);
  EXPECT_NEAR(lines[0]->points[1].y, Y(0.5), 1e-9);
  for (int i = 7; i < 11; ++i) {
    EXPECT_EQ(lines[i]->style.penStyle, 0);
    EXPECT_NEAR(lines[i]->style.penWidth, 5.67, 1e-12);
  }
  EXPECT_NEAR(lines[8]->points[0].x, X(1), 1e-9);
  EXPECT_NEAR(lines[8]->points[1].y, Y(1), 1e-9);

  const auto circles = s.Of(CanvasOpKind::Ellipse);
  ASSERT_EQ(circles.size(), 4u);
  EXPECT_NEAR(circles[2]->points[0].x, X(1), 1e-9);
  EXPECT_NEAR(circles[2]->points[0].y, Y(1), 1e-9);
  EXPECT_NEAR(circles[2]->rx, 28.35, 1e-9);  // 0.5 mm
  EXPECT_EQ(circles[2]->style.brushStyle, 0);
  EXPECT_EQ(circles[2]->style.brushColor, 0xFFFFFFu);

  const auto texts = s.Of(CanvasOpKind::Text);
  ASSERT_EQ(texts.size(), 4u);
  // " 1" is one em (170) wide with the fixed metrics: 1.25 × 170 to the left,
  // 170.1 above the corner.
  for (int i = 0; i < 4; ++i) EXPECT_EQ(texts[i]->text, std::to_string(i + 1));
  EXPECT_NEAR(texts[0]->points[0].x, X(0) - 1.25 * 170, 1e-9);
  EXPECT_NEAR(texts[0]->points[0].y, Y(0) - 170.1, 1e-9);
  EXPECT_EQ(texts[0]->style.font.size, 170);
  EXPECT_EQ(texts[0]->style.textAlign, 0);
}

TEST(AreaFigure, DuplicatePointsDroppedBeforeNumbering) {
  auto d = section_test::GravityDoc();
  Surface s;
  const CWeight w = Polygon({{0, 0}, {1, 0}, {1, 0}, {1, 1}, {0, 0}});
  DrawMensekiFigure(*d, s.d, &w, DPoint{0, 0});
  const auto texts = s.Of(CanvasOpKind::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[2]->text, "3");
  EXPECT_NEAR(texts[2]->points[0].y, Y(1) - 170.1, 1e-9);
}

TEST(AreaFigure, OffsetMovesTheOutlineInsideTheFit) {
  auto d = section_test::GravityDoc();
  Surface s;
  DrawMensekiFigure(*d, s.d, nullptr, DPoint{-1.0, 0});
  const auto lines = s.Of(CanvasOpKind::Line);
  ASSERT_EQ(lines.size(), 7u);  // the outline alone
  EXPECT_NEAR(lines[0]->points[0].x, X(-1.0), 1e-9);
  EXPECT_EQ(s.d.PenStyle(), 0);
}

TEST(AreaFigure, OutlinesByWallType) {
  struct Row {
    const char* name;
    std::function<std::unique_ptr<CDocument>()> make;
    std::function<void(CDocument&)> edit;
    std::vector<size_t> chains;
  };
  const Row rows[] = {
      {"block with footing", section_test::BlockDoc, [](CDocument&) {}, {5, 4}},
      {"block, no footing, square courses: 2, 5, 9, 3, 7",
       section_test::BlockDoc,
       [](CDocument& d) { d.nBlkFound = 1; },
       {5}},
      {"block, no footing, horizontal courses",
       section_test::BlockDoc,
       [](CDocument& d) {
         d.nBlkFound = 1;
         d.nBlkSetup = 1;
       },
       {4}},
      {"gravity, key under an inclined base: no key",
       section_test::GravityDoc,
       [](CDocument& d) {
         d.Tokki = 1;
         d.nKeisya = 0;
         d.TokX = 0.5;
         d.TokB = 0.4;
         d.TokL = 0.3;
       },
       {7}},
      {"leaning with key",
       section_test::LeaningDoc,
       [](CDocument& d) {
         d.Tokki = 1;
         d.TokX = 0.5;
         d.TokB = 0.4;
         d.TokL = 0.3;
       },
       {11}},
      {"mixed", section_test::MixedDoc, [](CDocument&) {}, {5, 4}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto d = r.make();
    r.edit(*d);
    KutaiPoints p{};
    DPoint a, b;
    MakeKutaiOutline(*d, p, a, b, 0);
    std::vector<size_t> sizes;
    for (const auto& c : OutlineChains(*d, p)) sizes.push_back(c.size());
    EXPECT_EQ(sizes, r.chains);
    // Drawn as closed chains of dotted lines.
    Surface s;
    DrawMensekiFigure(*d, s.d, nullptr, DPoint{0, 0});
    size_t total = 0;
    for (size_t n : r.chains) total += n;
    EXPECT_EQ(s.Of(CanvasOpKind::Line).size(), total);
  }
}

TEST(AreaFigure, IncompleteDesignLeavesTheCanvasAlone) {
  auto d = section_test::GravityDoc();
  d->GrwB = kNullDouble;
  Surface s;
  s.d.DrawLine(0, 0, 10, 10, false);
  const CWeight w = Polygon({{0, 0}, {1, 0}, {1, 1}, {0, 0}});
  DrawMensekiFigure(*d, s.d, &w, DPoint{0, 0});
  EXPECT_EQ(s.canvas.Ops().size(), 1u);
  // No surface at all: nothing happens.
  cDraw bare;
  DrawMensekiFigure(*section_test::GravityDoc(), bare, &w, DPoint{0, 0});
}

}  // namespace
}  // namespace norva

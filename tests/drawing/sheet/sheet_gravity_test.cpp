// The gravity wall's standard section, worked out by hand at 1:50 (20 sheet
// mm a metre): X = 20 x + offX, Y = 20 y + offY.
#include <gtest/gtest.h>

#include <cmath>

#include "drawing/sheet/sheet_run.h"
#include "drawing/sheet/sheet_sections.h"
#include "drawing/sheet/sheet_test_support.h"

namespace norva {
namespace {

using sheet_test::ExpectChain;
using sheet_test::ExpectSegment;
using sheet_test::Outline;
using sheet_test::RecordingTarget;

constexpr auto kH = SheetChain::Kind::kHorizontal;
constexpr auto kV = SheetChain::Kind::kVertical;

// Points (model): P0 (0,0), P1 (0,0.5), P2 (0.3,0.5), P3 (2,0.5), P4 (2,0),
// P5 (0.9,3), P6 (1.4,3); layers: P11 (-0.1,0), P10 (-0.1,-0.1), P17 (2.1,0),
// P16 (2.1,-0.1), P18 (-0.1,-0.3), P21 (2.1,-0.3).
TEST(GravitySection, LevelBaseWithBothLayers) {
  CDocument d;
  sheet_test::GravityWall(d);
  SheetPoints pts = Outline(d);
  const SectionFigure f = GrwSectionFigure(d, pts, 0.02);

  // Extent x -0.1..2.1, y -0.3..3.0: the lower layer counts, so its chains
  // stay inside the bottom band.
  EXPECT_NEAR(f.secW, 44, 1e-9);
  EXPECT_NEAR(f.secH, 66, 1e-9);
  EXPECT_NEAR(f.figW, 44 + 33 + 26, 1e-9);
  EXPECT_NEAR(f.figH, 66 + 19 + 26, 1e-9);
  EXPECT_NEAR(f.offX, 33 + 2, 1e-9);  // 33 - (-0.1) x 20
  EXPECT_NEAR(f.offY, 26 + 6, 1e-9);  // 26 - (-0.3) x 20

  // Outline ring 0-1-2-5-6-3-4-0, the upper layer 4-17-16-10-11-0, the
  // lower one 16-21-18-10.
  ASSERT_EQ(f.lines.size(), 7u + 5u + 3u);
  ExpectSegment(f.lines[0], 35, 32, 35, 42);
  ExpectSegment(f.lines[1], 35, 42, 41, 42);
  ExpectSegment(f.lines[2], 41, 42, 53, 92);
  ExpectSegment(f.lines[3], 53, 92, 63, 92);
  ExpectSegment(f.lines[4], 63, 92, 75, 42);
  ExpectSegment(f.lines[5], 75, 42, 75, 32);
  ExpectSegment(f.lines[6], 75, 32, 35, 32);
  ExpectSegment(f.lines[7], 75, 32, 77, 32);
  ExpectSegment(f.lines[8], 77, 32, 77, 30);
  ExpectSegment(f.lines[9], 77, 30, 33, 30);
  ExpectSegment(f.lines[10], 33, 30, 33, 32);
  ExpectSegment(f.lines[11], 33, 32, 35, 32);
  ExpectSegment(f.lines[12], 77, 30, 77, 26);
  ExpectSegment(f.lines[13], 77, 26, 33, 26);
  ExpectSegment(f.lines[14], 33, 26, 33, 30);
  EXPECT_FALSE(f.drainStyle);
  EXPECT_TRUE(f.drains.empty());

  // Chains 1, 2, 3, 4 and 6; chain 5 only where the layers hang below an
  // inclined base. The bottom chains 21 and 14 mm below the layer's bottom
  // (Y 26): at 5 and 12 mm, inside the 26 mm band.
  ASSERT_EQ(f.chains.size(), 5u);
  ExpectChain(f.chains[0], kH, 5, {33, 77}, {26, 26}, {"", "2200"});
  ExpectChain(f.chains[1], kH, 12, {33, 35, 75, 77}, {26, 26, 26, 26}, {"", "100", "2000", "100"});
  // Top: toe width, face run, crest, back run and a zero step P3-P4, 19 mm
  // above the crest (Y 92).
  ExpectChain(f.chains[2], kH, 111, {35, 41, 53, 63, 75, 75}, {42, 42, 92, 92, 42, 32},
              {"", "300", "600", "500", "600", "0"});
  // Left, 28 mm left of the layer's front (X 33): base material, levelling
  // concrete, toe height, a zero step at P2 and the face's height.
  ExpectChain(f.chains[3], kV, 5, {33, 33, 33, 35, 41, 53}, {26, 30, 32, 42, 42, 92},
              {"", "200", "100", "500", "0", "2500"});
  // Right, 21 mm right of the layer's back (X 77): heel to P3, P3 to crest.
  ExpectChain(f.chains[4], kV, 98, {77, 75, 63}, {32, 42, 92}, {"", "500", "2500"});

  // The face P2-P5 runs 0.6 over 2.5 (the toe is 0.5 high): 1:0.24, not
  // GrwB1 / WallH = 0.20. Centred on the face's middle (47, 67), 3 mm in
  // front, w = 6 characters x 2.5 mm.
  ASSERT_EQ(f.labels.size(), 1u);
  const double a = std::atan(0.24);
  EXPECT_EQ(f.labels[0].text, "1:0.24");
  EXPECT_NEAR(f.labels[0].x, 47 - 7.5 * std::sin(a) - 3 * std::cos(a), 1e-9);
  EXPECT_NEAR(f.labels[0].y, 67 - 7.5 * std::cos(a) + 3 * std::sin(a), 1e-9);
  EXPECT_NEAR(f.labels[0].angleDeg, 90 - std::atan(0.24) * 180 / M_PI, 1e-9);
}

TEST(GravitySection, OnThePageTheZeroStepsAreMergedAndTheFigureIsPlaced) {
  CDocument d;
  sheet_test::GravityWall(d);
  RecordingTarget page;
  const SheetState s = SkzOutput(0, d, page);
  EXPECT_NEAR(s.SkzFigW, 103, 1e-9);
  EXPECT_NEAR(s.SkzFigH, 111, 1e-9);
  // A3, margins 20, no table (column 100): fw = 420 - 40 - 103 = 277,
  // half 138.5 >= 100; fh = 297 - 40 - 111 = 146. The figure's lower-left
  // corner at (20 + 138.5) mm and (20 + 73 + 111) mm below the top edge.
  const double orgX = 158.5 * 56.7, orgY = 204 * 56.7;
  // The first outline line P0-P1 at figure (35, 32)-(35, 42).
  ASSERT_FALSE(page.lines.empty());
  const auto first = std::find_if(page.lines.begin(), page.lines.end(), [&](const auto& l) {
    return std::fabs(l.x1 - (orgX + 35 * 56.7)) < 1e-6;
  });
  ASSERT_NE(first, page.lines.end());
  EXPECT_NEAR(first->y1, orgY - 32 * 56.7, 1e-6);
  EXPECT_NEAR(first->y2, orgY - 42 * 56.7, 1e-6);

  ASSERT_EQ(page.chains.size(), 5u);
  EXPECT_EQ(page.chains[2].texts, (std::vector<std::string>{"", "300", "600", "500", "600"}));
  EXPECT_EQ(page.chains[3].texts, (std::vector<std::string>{"", "200", "100", "500", "2500"}));
  EXPECT_NEAR(page.chains[3].pos, orgX + 5 * 56.7, 1e-6);
  EXPECT_NEAR(page.chains[0].pos, orgY - 5 * 56.7, 1e-6);

  // The label: 2.5 mm, at 76.5 degrees on paper (tenths are the page's own).
  ASSERT_FALSE(page.texts.empty());
  const auto& label = page.texts.back();
  EXPECT_EQ(label.text, "1:0.24");
  EXPECT_EQ(label.fontMm, 2.5);
  EXPECT_EQ(label.align, 0);
  EXPECT_NEAR(label.angle, 90 - std::atan(0.24) * 180 / M_PI, 1e-9);
}

// Toe raised 0.2 on an inclined base: P0 (0,0.2), P1 (0,0.7), P2 (0.3,0.7),
// P3 (2,0.7), P4 (2,0), P5 (0.9,3), P6 (1.4,3); the base falls s = 0.1 per
// metre, so the layers' front P11 lies at 0.2 + 0.1 x 0.1 = 0.21, above P0.
TEST(GravitySection, InclinedBaseMovesTheLayerThicknessesToTheirOwnChain) {
  CDocument d;
  sheet_test::GravityWall(d);
  d.nKeisya = 0;
  d.KeisyaH = 0.2;
  SheetPoints pts = Outline(d);
  const SectionFigure f = GrwSectionFigure(d, pts, 0.02);
  // Lowest point P21 at 0 - 0.1 x 0.1 - 0.1 - 0.2 = -0.31.
  EXPECT_NEAR(f.offY, 26 + 0.31 * 20, 1e-9);
  const double Y0 = f.offY;
  ASSERT_EQ(f.chains.size(), 6u);
  const double left = 33 - 28;  // layer front at x -0.1: X = 33
  // Chain 4 from the toe: toe height, zero step, face height 2.3.
  ExpectChain(f.chains[3], kV, left, {35, 35, 41, 53}, {Y0 + 4, Y0 + 14, Y0 + 14, Y0 + 60},
              {"", "500", "0", "2300"});
  // Chain 5, 7 mm right: base material 0.2, levelling concrete 0.1 under the
  // toe, from P18 (-0.1, 0.21 - 0.1 - 0.2 = -0.09).
  ExpectChain(f.chains[4], kV, left + 7, {33, 33, 33},
              {Y0 - 0.09 * 20, Y0 + 0.11 * 20, Y0 + 0.21 * 20}, {"", "200", "100"});
  // The face rises 2.3 over a run of 0.6: 1:0.26.
  ASSERT_EQ(f.labels.size(), 1u);
  EXPECT_EQ(f.labels[0].text, "1:0.26");
}

// A key 0.8 from the toe, 0.4 wide, 0.5 deep: K1 (1.2,0), K2 (1.2,-0.5),
// K3 (0.8,-0.5), K4 (0.8,0). A key cancels the inclined base.
TEST(GravitySection, ShearKeyWithBothLayers) {
  CDocument d;
  sheet_test::GravityWall(d);
  d.nKeisya = 0;
  d.KeisyaH = 0.2;
  d.Tokki = 1;
  d.TokX = 0.8;
  d.TokB = 0.4;
  d.TokL = 0.5;
  SheetPoints pts = Outline(d);
  const SectionFigure f = GrwSectionFigure(d, pts, 0.02);
  // minY = -0.3 (lower layer) less the key depth 0.5.
  EXPECT_NEAR(f.secH, 3.8 * 20, 1e-9);
  EXPECT_NEAR(f.offY, 26 + 0.8 * 20, 1e-9);
  const double X0 = f.offX, Y0 = f.offY;
  auto X = [&](double x) { return X0 + 20 * x; };
  auto Y = [&](double y) { return Y0 + 20 * y; };
  // Ring of 11 segments around the key, the layers in four pieces that stop
  // at the key's faces (no line along the key's faces).
  ASSERT_EQ(f.lines.size(), 11u + 3 + 3 + 2 + 2);
  ExpectSegment(f.lines[6], X(2), Y(0), X(1.2), Y(0));       // P4-K1
  ExpectSegment(f.lines[7], X(1.2), Y(0), X(1.2), Y(-0.5));  // K1-K2
  ExpectSegment(f.lines[8], X(1.2), Y(-0.5), X(0.8), Y(-0.5));
  ExpectSegment(f.lines[9], X(0.8), Y(-0.5), X(0.8), Y(0));
  ExpectSegment(f.lines[10], X(0.8), Y(0), X(0), Y(0));
  ExpectSegment(f.lines[13], X(2.1), Y(-0.1), X(1.2), Y(-0.1));   // 16-14
  ExpectSegment(f.lines[16], X(-0.1), Y(-0.1), X(0.8), Y(-0.1));  // 10-12
  ExpectSegment(f.lines[18], X(2.1), Y(-0.3), X(1.2), Y(-0.3));   // 21-20
  ExpectSegment(f.lines[20], X(-0.1), Y(-0.3), X(0.8), Y(-0.3));  // 18-19
  // Chain 2 gains the key's bottom corners; chain 6 starts with its depth.
  // The key hangs 0.2 below the layers: the bottom chains run under its
  // bottom (Y(-0.5)), the lowest point of the section.
  ASSERT_EQ(f.chains.size(), 5u);
  EXPECT_NEAR(f.chains[0].pos, Y(-0.5) - 21, 1e-9);
  ExpectChain(f.chains[1], kH, Y(-0.5) - 14, {X(-0.1), X(0), X(0.8), X(1.2), X(2), X(2.1)},
              {Y(-0.3), Y(-0.3), Y(-0.5), Y(-0.5), Y(-0.3), Y(-0.3)},
              {"", "100", "800", "400", "800", "100"});
  ExpectChain(f.chains[4], kV, X(2.1) + 21, {X(1.2), X(2.1), X(2), X(1.4)},
              {Y(-0.5), Y(0), Y(0.5), Y(3)}, {"", "500", "500", "2500"});
}

TEST(GravitySection, NoToeNoLayersGivesTheBareSection) {
  CDocument d;
  sheet_test::GravityWall(d);
  d.GrwB4 = 0;
  d.GrwH1 = 0;
  d.KisoH1 = 0;
  d.KisoH2 = 0;
  d.KisoB = 0;
  SheetPoints pts = Outline(d);
  const SectionFigure f = GrwSectionFigure(d, pts, 0.02);
  // P0 = P1 = P2 and P3 = P4: four sides drawn, the degenerate ones skipped.
  EXPECT_EQ(f.lines.size(), 4u);
  // Chain 2 is not drawn; chain 1 is the base width; chain 6 the wall height.
  ASSERT_EQ(f.chains.size(), 4u);
  EXPECT_EQ(f.chains[0].texts, (std::vector<std::string>{"", "2000"}));
  RecordingTarget page;
  SkzOutput(0, d, page);
  ASSERT_EQ(page.chains.size(), 4u);
  // Left: P0, P1 = P2 = P0 merged, P5: one interval of 3000.
  EXPECT_EQ(page.chains[2].texts, (std::vector<std::string>{"", "3000"}));
  EXPECT_EQ(page.chains[3].texts, (std::vector<std::string>{"", "3000"}));
}

}  // namespace
}  // namespace norva

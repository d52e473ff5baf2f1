// The chains around the section stand outside everything they measure,
// worked out by hand: below the lowest point (on an inclined base the
// layers' corner at the heel lies below the one at the toe, and a shear key
// may hang below the layers), beyond the foundation's back end and before
// its front end.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "drawing/sheet/sheet_sections.h"
#include "drawing/sheet/sheet_test_support.h"

namespace norva {
namespace {

using sheet_test::Outline;

struct Case {
  const char* name;
  std::function<void(CDocument&)> wall;
  std::function<SectionFigure(const CDocument&, SheetPoints&, double)> figure;
  double scale;
  // Sheet y of the lowest bottom point and, for the record, of the toe's
  // corner (P18 / P23 / P24), where the chains stood 21 and 14 mm below.
  double lowest, toeCorner;
};

TEST(BottomChains, RunBelowTheLowestPointOfTheSection) {
  const Case cases[] = {
      // Gravity wall, toe raised 0.2 over the base of 2.0 (s = 0.1), both
      // layers projecting 0.1, at 1:10 (100 mm a metre). Layers' bottom at
      // the toe P18 (-0.1, 0.2 + 0.01 - 0.1 - 0.2 = -0.09), at the heel P21
      // (2.1, -0.01 - 0.1 - 0.2 = -0.31): offY = 26 + 31 = 57, so P21 at 26
      // and P18 at 57 - 9 = 48. Below P18 the chains (27, 34) would cross
      // the layers at the heel.
      {"gravity, inclined base",
       [](CDocument& d) {
         sheet_test::GravityWall(d);
         d.nKeisya = 0;
         d.KeisyaH = 0.2;
       },
       GrwSectionFigure, 0.1, 26, 48},
      // Gravity wall on a level base with a key 0.5 deep under layers 0.3
      // thick, at 1:10: extent down to -0.3 - 0.5 (offY = 106), the key's
      // bottom at 106 - 50 = 56, the layers' bottom at 76. Below the layers
      // chain 2 (62) would run through the key.
      {"gravity, key below the layers",
       [](CDocument& d) {
         sheet_test::GravityWall(d);
         d.Tokki = 1;
         d.TokX = 0.8;
         d.TokB = 0.4;
         d.TokL = 0.5;
       },
       GrwSectionFigure, 0.1, 56, 76},
      // Leaning wall without a toe height: the toe stands at MtwH3 = 0.3 over
      // the heel (0.75, 0), s = 0.4; levelling concrete 0.1 projecting 0.1:
      // P18 = P10 (-0.1, 0.3 + 0.04 - 0.1 = 0.24), P21 = P16 (0.85, -0.04 -
      // 0.1 = -0.14). At 1:50 offY = 26 + 2.8, P21 at 26, P18 at 33.6.
      {"leaning, inclined base",
       [](CDocument& d) {
         sheet_test::LeaningWall(d);
         d.MtwH2 = 0;
       },
       MtwSectionFigure, 0.02, 26, 33.6},
      // Mixed wall, toe raised 0.2 over the base of 1.6 (s = 0.125), both
      // layers 0.1 projecting 0.1: P23 (-0.1, 0.2 + 0.0125 - 0.2 = 0.0125),
      // P26 (1.7, -0.0125 - 0.2 = -0.2125). At 1:50 offY = 26 + 4.25, P26 at
      // 26, P23 at 30.5.
      {"mixed, inclined base",
       [](CDocument& d) {
         sheet_test::MixedWall(d);
         d.nKeisya = 0;
         d.KeisyaH = 0.2;
       },
       MxwSectionFigure, 0.02, 26, 30.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CDocument d;
    c.wall(d);
    SheetPoints pts = Outline(d);
    const SectionFigure f = c.figure(d, pts, c.scale);
    ASSERT_GE(f.chains.size(), 2u);
    // The overall width 21 mm and the projections, key and base 14 mm below
    // the lowest point.
    EXPECT_NEAR(f.chains[0].pos, c.lowest - 21, 1e-9);
    EXPECT_NEAR(f.chains[1].pos, c.lowest - 14, 1e-9);
    EXPECT_LT(c.lowest, c.toeCorner);
    // Every point they measure lies above their lines: no extension line
    // runs up through the foundation or the key.
    for (int i = 0; i < 2; ++i)
      for (double y : f.chains[static_cast<size_t>(i)].ys) EXPECT_GT(y, f.chains[i].pos + 7);
  }
}

// The mixed wall of the fixtures at 1:10 (100 mm a metre): its crest's back
// end P9 lies at x 1.41513 (a = atan 0.3, b = atan(0.1 / 0.7); P8 =
// (1.381022, 2.370693), P10 = (1.000561, 0.928490), P9 on P10-P8 at y 2.5),
// the layers reach x 1.6 + 0.1 = 1.7 at the heel. Extent x -0.1 .. 1.7:
// offX = 43, X(P9) = 184.51, the layers' back end at 213. Right 1 stood at
// X(P9) + 21 = 205.51, left of its own first point (213, heel).
TEST(SideChains, RightChainsStandBeyondTheFoundationsBackEnd) {
  CDocument d;
  sheet_test::MixedWall(d);
  SheetPoints pts = Outline(d);
  ASSERT_NEAR(pts[9].X, 1.415134, 1e-6);
  const SectionFigure f = MxwSectionFigure(d, pts, 0.1);
  EXPECT_NEAR(f.offX, 43, 1e-9);
  ASSERT_EQ(f.chains.size(), 8u);
  // Right 1: heel (at the layers' back end), P3 (0.9 high), P9 (2.5); right 2
  // (the joint's fall P3-P2) 7 mm left of it.
  EXPECT_EQ(f.chains[5].texts, (std::vector<std::string>{"", "900", "1600"}));
  EXPECT_NEAR(f.chains[5].pos, 213 + 21, 1e-9);
  EXPECT_NEAR(f.chains[6].pos, 213 + 14, 1e-9);
  // Inside the figure's right band (figW = 180 + 33 + 26), right of every
  // point the two chains measure.
  EXPECT_LE(f.chains[5].pos, f.figW);
  for (int i = 5; i <= 6; ++i)
    for (double x : f.chains[static_cast<size_t>(i)].xs) EXPECT_LT(x, f.chains[i].pos - 7 + 1e-9);

  // Where the crest reaches further than the layers (upper wall 3.0 high:
  // P5 (1.4, 4.0), P9 beyond x 1.8), the chains stand 21 mm right of P9.
  d.MxwH1 = 3.0;
  SheetPoints tall = Outline(d);
  ASSERT_GT(tall[9].X, 1.8);
  const SectionFigure g = MxwSectionFigure(d, tall, 0.1);
  EXPECT_NEAR(g.chains[5].pos, g.offX + 100 * tall[9].X + 21, 1e-9);
}

// Base material alone (no levelling concrete), 0.2 thick and projecting 0.3,
// at 1:10: the layer's front P18 (-0.3, -0.2) lies 30 mm before the toe P0
// = P11 (0, 0). Extent from x -0.3: offX = 33 + 30 = 63, X(P11) = 63,
// X(P18) = 33. Below P11 the left chain stood at 63 - 28 = 35, 2 mm inside
// the layer it measures.
TEST(SideChains, LeftChainsStandBeforeTheFoundationsFrontEnd) {
  struct Case {
    const char* name;
    std::function<void(CDocument&)> wall;
    std::function<SectionFigure(const CDocument&, SheetPoints&, double)> figure;
    size_t left, count;  // index of the first left chain, left chains drawn
  } cases[] = {
      // Chain 4 alone (level base).
      {"gravity", sheet_test::GravityWall, GrwSectionFigure, 3, 1},
      // Left 1 and the toe's height (left 2).
      {"leaning", sheet_test::LeaningWall, MtwSectionFigure, 3, 2},
      {"mixed", sheet_test::MixedWall, MxwSectionFigure, 3, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CDocument d;
    c.wall(d);
    d.KisoH1 = 0;
    d.KisoH2 = 0.2;
    d.KisoB = 0.3;
    SheetPoints pts = Outline(d);
    const SectionFigure f = c.figure(d, pts, 0.1);
    EXPECT_NEAR(f.offX, 63, 1e-9);
    ASSERT_GE(f.chains.size(), c.left + c.count);
    // 28 mm before the layer's front, the next left chain 7 mm right of it;
    // every point they measure on their right.
    for (size_t i = c.left; i < c.left + c.count; ++i) {
      EXPECT_EQ(f.chains[i].kind, SheetChain::Kind::kVertical);
      EXPECT_NEAR(f.chains[i].pos, 33 - 28 + 7 * static_cast<double>(i - c.left), 1e-9);
      for (double x : f.chains[i].xs) EXPECT_GE(x, f.chains[i].pos);
    }
  }
}

}  // namespace
}  // namespace norva

// The back ground on a recorded canvas, by back-ground shape, water case and
// colour, listed by hand. Wall: a vertical back face at x 3 from the heel top
// (3, 0.5) to the crest back (3, 4.5), heel bottom (3, 0); UraHd 0.5, so the
// ground meets the wall at (3, 4); right end 8.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "document/nulls.h"
#include "drawing/section/back_ground.h"
#include "figure_tokens.h"
#include "section_docs.h"

namespace norva {
namespace {

using section_test::Join;
using section_test::TestFigure;
using section_test::Tokens;

KutaiPoints Wall() {
  KutaiPoints p{};
  p[3] = {3.0, 0.5};
  p[4] = {3.0, 0};
  p[6] = {3.0, 4.5};
  return p;
}

struct Case {
  const char* name;
  std::function<void(CDocument&)> ground;
  double w;
  bool colour;
  std::vector<std::string> want;
};

void RunCases(const std::vector<Case>& cases, const KutaiPoints& wall = Wall(),
              std::function<std::unique_ptr<CDocument>()> make = section_test::GravityDoc) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto d = make();
    c.ground(*d);
    TestFigure f;
    DrawUraJiban(*d, f.d, wall, c.w, 8.0, c.colour);
    const std::vector<std::string> got = Tokens(f.canvas);
    EXPECT_EQ(got, c.want) << "got\n" << Join(got) << "want\n" << Join(c.want);
  }
}

auto Horizontal = [](CDocument&) {};
auto Slope = [](CDocument& d) {
  d.UragomeType = 1;
  d.UraN = 2.0;
};
auto Trapezoid = [](CDocument& d) {
  d.UragomeType = 2;
  d.UraX1 = 1.0;
  d.UraX2 = 2.0;
  d.UraH0 = 1.0;
};
auto Points = [](CDocument& d) {
  d.UragomeType = 3;
  d.SetnUraNini(2);
  d.SetUraNiniX(0, 1.0);
  d.SetUraNiniY(0, 1.0);
  d.SetUraNiniX(1, 3.0);
  d.SetUraNiniY(1, 2.0);
};

// Colours: dry soil FFCC66, wet soil CC9900, water 00FFFF, water lines
// 0000FF. The water-level symbol stands 3 mm (0.1701 m here) inside the
// right end.

TEST(BackGroundDrawing, NoWaterOrWaterAboveTheGround) {
  RunCases({
      {"horizontal, no water: one soil region, the surface, no symbols",
       Horizontal,
       0,
       true,
       {"fill FFCC66 3,0 3,0.5 3,4 8,4 8,0", "line 000000 3,4 8,4"}},
      {"horizontal, no water, black and white: the surface only",
       Horizontal,
       0,
       false,
       {"line 000000 3,4 8,4"}},
      {"trapezoid, no water",
       Trapezoid,
       0,
       true,
       {"fill FFCC66 3,0 3,0.5 3,4 4,4 6,5 8,5 8,0", "line 000000 3,4 4,4", "line 000000 4,4 6,5",
        "line 000000 6,5 8,5"}},
      // Water above the top of the ground: all soil wet, free water over it
      // whose right border is drawn again in the water's colour.
      {"horizontal, water above",
       Horizontal,
       5,
       true,
       {"fill CC9900 3,0 3,0.5 3,4 8,4 8,0", "line 000000 3,4 8,4", "fill 00FFFF 3,4 3,5 8,5 8,4",
        "line 00FFFF 8,5 8,4", "W 7.8299,5"}},
      {"horizontal, water above, black and white",
       Horizontal,
       5,
       false,
       {"line 000000 3,4 8,4", "line 000000 3,4 3,5", "line 000000 3,5 8,5", "W/ 7.8299,5"}},
      {"slope, water above its top 6.5",
       Slope,
       7,
       true,
       {"fill CC9900 3,0 3,0.5 3,4 8,6.5 8,0", "line 000000 3,4 8,6.5",
        "fill 00FFFF 3,4 3,7 8,7 8,6.5", "line 00FFFF 8,7 8,6.5", "W 7.8299,7"}},
  });
}

TEST(BackGroundDrawing, WaterBelowTheGroundAtTheWall) {
  RunCases({
      {"horizontal, water 2",
       Horizontal,
       2,
       true,
       {"fill CC9900 3,0 3,0.5 3,2 8,2 8,0", "line 000000 3,2 8,2", "fill FFCC66 3,2 3,4 8,4 8,2",
        "line 000000 3,4 8,4", "G 5.5,4", "line 000000 3,2 8,2", "W 7.8299,2"}},
      {"horizontal, water 2, black and white",
       Horizontal,
       2,
       false,
       {"line 000000 3,2 8,2", "line 000000 3,4 8,4", "G 5.5,4", "line 000000 3,2 8,2",
        "W/ 7.8299,2"}},
      // Below the heel top the face point lies on the heel's back 4-3 and the
      // dry region takes the heel top.
      {"water below the heel top",
       Horizontal,
       0.3,
       true,
       {"fill CC9900 3,0 3,0.3 8,0.3 8,0", "line 000000 3,0.3 8,0.3",
        "fill FFCC66 3,0.3 3,0.5 3,4 8,4 8,0.3", "line 000000 3,4 8,4", "G 5.5,4",
        "line 000000 3,0.3 8,0.3", "W 7.8299,0.3"}},
      // Exactly at the ground level: still this case; the dry region starts
      // at (3, 4).
      {"water at the ground level",
       Horizontal,
       4,
       true,
       {"fill CC9900 3,0 3,0.5 3,4 8,4 8,0", "line 000000 3,4 8,4", "fill FFCC66 3,4 3,4 8,4 8,4",
        "line 000000 3,4 8,4", "G 5.5,4", "line 000000 3,4 8,4", "W 7.8299,4"}},
  });
}

TEST(BackGroundDrawing, WaterAgainstTheRisingSurface) {
  RunCases({
      // Slope 1:2 from (3, 4): the water 5 meets it at x 5; the ground symbol
      // on the dry slope from (5, 5) to (8, 6.5), turned by atan 0.5.
      {"slope",
       Slope,
       5,
       true,
       {"fill CC9900 3,0 3,0.5 3,4 5,5 8,5 8,0", "line 0000FF 3,4 5,5", "line 0000FF 5,5 8,5",
        "fill FFCC66 5,5 8,6.5 8,5", "line 000000 5,5 8,6.5", "line 0000FF 5,5 8,5", "G 6.5,5.75",
        "W 7.8299,5", "fill 00FFFF 3,4 3,5 5,5"}},
      {"slope, black and white",
       Slope,
       5,
       false,
       {"line 000000 3,4 5,5", "line 000000 5,5 8,5", "line 000000 5,5 8,6.5",
        "line 000000 5,5 8,5", "G 6.5,5.75", "W/ 7.8299,5", "line 000000 3,5 5,5"}},
      // The water reaches the slope at the right end: no dry region, no water
      // line along it, no ground symbol.
      {"slope, water at the right end",
       Slope,
       6.5,
       true,
       {"fill CC9900 3,0 3,0.5 3,4 8,6.5 8,0", "line 0000FF 3,4 8,6.5", "W 7.8299,6.5",
        "fill 00FFFF 3,4 3,6.5 8,6.5"}},
      // Trapezoid flat for 1 then up 1 over 2: the water 4.5 meets it at 5.
      {"trapezoid",
       Trapezoid,
       4.5,
       true,
       {"fill CC9900 3,0 3,0.5 3,4 4,4 5,4.5 8,4.5 8,0", "line 0000FF 3,4 4,4",
        "line 0000FF 4,4 5,4.5", "line 0000FF 5,4.5 8,4.5", "fill FFCC66 5,4.5 6,5 8,5 8,4.5",
        "line 000000 5,4.5 6,5", "line 000000 6,5 8,5", "line 0000FF 5,4.5 8,4.5", "G 7,5",
        "W 7.8299,4.5", "fill 00FFFF 3,4 3,4.5 5,4.5 4,4"}},
      // Points (1, 1), (3, 2) from (3, 4): the water 5.5 meets the second
      // segment at 3 + 1 + 0.5 / 0.5 = 5.
      {"arbitrary points",
       Points,
       5.5,
       true,
       {"fill CC9900 3,0 3,0.5 3,4 4,5 5,5.5 8,5.5 8,0", "line 0000FF 3,4 4,5",
        "line 0000FF 4,5 5,5.5", "line 0000FF 5,5.5 8,5.5", "fill FFCC66 5,5.5 6,6 8,6 8,5.5",
        "line 000000 5,5.5 6,6", "line 000000 6,6 8,6", "line 0000FF 5,5.5 8,5.5", "G 7,6",
        "W 7.8299,5.5", "fill 00FFFF 3,4 3,5.5 5,5.5 4,5"}},
  });
}

TEST(BackGroundDrawing, CutFace) {
  auto cut = [](double kiriD, double kiriN) {
    return [=](CDocument& d) {
      d.BackType = 1;
      d.KiriD = kiriD;
      d.KiriN = kiriN;
    };
  };
  RunCases({
      // Foot 1 behind the heel, (4, 0), rising 1:0.5: it meets the ground 4 at x 6.
      {"cut meeting the ground",
       cut(1, 0.5),
       0,
       false,
       {"line 000000 3,4 8,4", "line 000000 3,0 4,0", "line 000000 4,0 6,4"}},
      // 1:2 from (4, 0) stays under the ground up to the right end: ends at
      // (8, 2), where it leaves the figure.
      {"cut leaving the figure",
       cut(1, 2),
       0,
       false,
       {"line 000000 3,4 8,4", "line 000000 3,0 4,0", "line 000000 4,0 8,2"}},
      {"no gradient: no cut", cut(1, 0), 0, false, {"line 000000 3,4 8,4"}},
      {"null gradient: no cut", cut(1, kNullDouble), 0, false, {"line 000000 3,4 8,4"}},
      {"blank distance: no cut", cut(kNullBox, 0.5), 0, false, {"line 000000 3,4 8,4"}},
  });
}

TEST(BackGroundDrawing, BlockWallWithoutFootingStartsAtPointThree) {
  auto block = [] {
    auto d = section_test::BlockDoc();
    d->nBlkFound = 1;
    return d;
  };
  KutaiPoints p{};
  p[3] = p[4] = p[10] = {3.0, 0};
  p[9] = {3.0, 4.5};
  RunCases(
      {{"no water", Horizontal, 0, true, {"fill FFCC66 3,0 3,4 8,4 8,0", "line 000000 3,4 8,4"}},
       {"water above point 3",
        Horizontal,
        2,
        true,
        {"fill CC9900 3,0 3,2 8,2 8,0", "line 000000 3,2 8,2", "fill FFCC66 3,2 3,4 8,4 8,2",
         "line 000000 3,4 8,4", "G 5.5,4", "line 000000 3,2 8,2", "W 7.8299,2"}}},
      p, block);
}

// Every shape in every water case and colour: how many regions are filled,
// and which symbols appear. The water levels: none, 2 (below the ground at
// the wall, 4), against the rising surface (5, 4.5, 5.5 per shape) and above
// the ground's top.
TEST(BackGroundDrawing, ShapesByWaterCaseAndColour) {
  struct Shape {
    const char* name;
    std::function<void(CDocument&)> ground;
    double rising;  // a level against the rising surface (0: none)
    double above;
  };
  const Shape shapes[] = {{"horizontal", Horizontal, 0, 5},
                          {"slope", Slope, 5, 7},
                          {"trapezoid", Trapezoid, 4.5, 5.5},
                          {"arbitrary", Points, 5.5, 6.5}};
  for (const Shape& sh : shapes) {
    for (bool colour : {true, false}) {
      struct Level {
        double w;
        size_t fills;  // in colour; none in black and white
        int grounds, waters;
      };
      std::vector<Level> levels{{0, 1, 0, 0}, {2, 2, 1, 1}, {sh.above, 2, 0, 1}};
      if (sh.rising > 0) levels.push_back({sh.rising, 3, 1, 1});
      for (const Level& l : levels) {
        SCOPED_TRACE(testing::Message() << sh.name << " colour " << colour << " w " << l.w);
        auto d = section_test::GravityDoc();
        sh.ground(*d);
        TestFigure f;
        DrawUraJiban(*d, f.d, Wall(), l.w, 8.0, colour);
        size_t fills = 0;
        int grounds = 0, waters = 0;
        for (const std::string& t : Tokens(f.canvas)) {
          if (t.rfind("fill", 0) == 0) ++fills;
          if (t.rfind("G ", 0) == 0) ++grounds;
          if (t.rfind(colour ? "W " : "W/ ", 0) == 0) ++waters;
        }
        EXPECT_EQ(fills, colour ? l.fills : 0u);
        EXPECT_EQ(grounds, l.grounds);
        EXPECT_EQ(waters, l.waters);
      }
    }
  }
}

TEST(BackGroundDrawing, NonFiniteLevelDrawsNothing) {
  auto d = section_test::GravityDoc();
  TestFigure f;
  DrawUraJiban(*d, f.d, Wall(), NAN, 8.0, true);
  DrawUraJiban(*d, f.d, Wall(), 1.0, INFINITY, true);
  EXPECT_TRUE(f.canvas.Ops().empty());
}

TEST(BackGroundDrawing, MixedWallReferencePoints) {
  // Lower wall back (2.5, 0)-(2.5, 2), backing concrete foot 10 (1.0, 2),
  // crest back 9 (1.6, 4): the back face for the ground is the line 3-9,
  // tan α = −0.9 / 2; the soil's corner above the heel is point 10.
  auto d = section_test::MixedDoc();
  KutaiPoints p{};
  p[3] = {2.5, 2};
  p[4] = {2.5, 0};
  p[9] = {1.6, 4};
  p[10] = {1.0, 2};
  BackGroundShape g = MakeBackGroundShape(*d, p, 6.0);
  EXPECT_EQ(g.Pk.X, 1.0);
  EXPECT_NEAR(g.yg, 3.5, 1e-12);
  EXPECT_NEAR(g.xg, 2.5 - 0.9 * 1.5 / 2, 1e-12);
  EXPECT_NEAR(g.tanAlpha, -0.45, 1e-12);
  EXPECT_NEAR(g.F(3.0).X, 1.0 - 0.45, 1e-12);
  // Ground below the lower wall's top: on the line 4-3.
  d->UraHd = 3.0;
  g = MakeBackGroundShape(*d, p, 6.0);
  EXPECT_NEAR(g.xg, 2.5, 1e-12);
}

}  // namespace
}  // namespace norva

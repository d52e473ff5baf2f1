// What a section master draws, worked out before drawing: strip, bands of
// front soil and water, back ground, world box and wall polygons.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "document/nulls.h"
#include "drawing/section/section_colours.h"
#include "drawing/section/section_drawing.h"
#include "section_docs.h"

namespace norva {
namespace {

using section_test::BlockDoc;
using section_test::GravityDoc;
using section_test::LeaningDoc;
using section_test::MixedDoc;

KutaiPoints OutlineOf(const CDocument& d) {
  KutaiPoints p{};
  DPoint a, b;
  MakeKutaiOutline(d, p, a, b, 0);
  return p;
}

struct Band {
  double top, bottom;
  uint32_t fill;
  bool water, colourMode;
  bool operator==(const Band& o) const {
    return top == o.top && bottom == o.bottom && fill == o.fill && water == o.water &&
           colourMode == o.colourMode;
  }
};

std::vector<Band> BandsOf(const SectionPlan& p) {
  std::vector<Band> out;
  for (const FrontBand& b : p.bands)
    out.push_back({b.top, b.bottom, b.fill, b.waterSymbol, b.colourMode});
  return out;
}

void PrintTo(const Band& b, std::ostream* os) {
  *os << "(" << b.top << ".." << b.bottom << " " << std::hex << b.fill << std::dec
      << (b.water ? " water" : " ground") << (b.colourMode ? " colour" : " bw") << ")";
}

TEST(SectionPlan, FrontSoilWaterAndStrip) {
  struct Row {
    const char* name;
    std::function<std::unique_ptr<CDocument>()> make;
    std::function<void(CDocument&)> edit;
    int16_t state;
    bool colour;
    double strip;
    std::vector<Band> bands;
  };
  auto levels = [](double soil, double water) {
    return [=](CDocument& d) {
      d.nWater = 1;
      d.SetSoilFH(0, soil);
      d.SetWatFH(0, water);
    };
  };
  const Row rows[] = {
      // Soil 1.5 with water 0.8 in it: dry band above, wet band below.
      {"leaning, water in the soil, colour",
       LeaningDoc,
       levels(1.5, 0.8),
       0,
       true,
       1.0,
       {{1.5, 0.8, kSoilColour, false, true}, {0.8, 0, kWetSoilColour, true, true}}},
      {"leaning, water in the soil, black and white",
       LeaningDoc,
       levels(1.5, 0.8),
       0,
       false,
       1.0,
       {{1.5, 0.8, kSoilColour, false, false}}},
      {"water 2.0 over soil 1.0",
       GravityDoc,
       levels(1.0, 2.0),
       0,
       true,
       1.0,
       {{1.0, 0, kSoilColour, false, true}, {2.0, 1.0, kWaterColour, true, true}}},
      {"water at the soil surface",
       GravityDoc,
       levels(1.0, 1.0),
       0,
       true,
       1.0,
       {{1.0, 0, kSoilColour, false, true}}},
      {"block, water 1.0 and no soil: strip 0.5",
       BlockDoc,
       levels(0, 1.0),
       0,
       true,
       0.5,
       {{1.0, 0, kWaterColour, true, true}}},
      {"leaning, water 1.0 and no soil: no strip",
       LeaningDoc,
       levels(0, 1.0),
       0,
       true,
       0,
       {{1.0, 0, kWaterColour, true, true}}},
      // Water over front soil that was never entered stands on the base.
      {"water over null soil",
       GravityDoc,
       levels(kNullDouble, 1.0),
       0,
       true,
       0,
       {{1.0, 0, kWaterColour, true, true}}},
      {"water over blank soil",
       MixedDoc,
       levels(kNullBox, 1.0),
       0,
       false,
       0,
       {{1.0, 0, kWaterColour, true, false}}},
      {"water over negative soil",
       GravityDoc,
       levels(-0.5, 1.0),
       0,
       true,
       0,
       {{1.0, 0, kWaterColour, true, true}}},
      {"water ignored",
       GravityDoc,
       [](CDocument& d) {
         d.nWater = 0;
         d.SetSoilFH(0, 0);
         d.SetWatFH(0, 1.0);
       },
       0,
       true,
       0,
       {}},
      {"no state", GravityDoc, levels(1.0, 2.0), -1, true, 0, {}},
      {"seismic state reads its own levels",
       GravityDoc,
       [](CDocument& d) {
         d.nWater = 1;
         d.SetSoilFH(1, 0.7);
       },
       1,
       true,
       1.0,
       {{0.7, 0, kSoilColour, false, true}}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto d = r.make();
    r.edit(*d);
    const SectionPlan p = PlanSection(*d, OutlineOf(*d), r.state, r.colour);
    EXPECT_EQ(p.strip, r.strip);
    EXPECT_EQ(BandsOf(p), r.bands);
  }
}

TEST(SectionPlan, WorldBoxAndBackGround) {
  // Gravity wall 2.0 wide (heel beyond the crest) and 3.0 high; UraHd 0.5.
  auto d = GravityDoc();
  d->nWater = 1;
  d->SetSoilFH(0, 1.0);
  d->SetWatBH(0, 1.2);
  SectionPlan p = PlanSection(*d, OutlineOf(*d), 0, true);
  EXPECT_TRUE(p.backGround);
  EXPECT_EQ(p.backW, 2.0);  // horizontal: widened to 2.0
  EXPECT_NEAR(p.backH, 2.5, 1e-12);
  EXPECT_NEAR(p.world.width, 2.0 + 1.0 + 2.0, 1e-12);
  EXPECT_NEAR(p.world.height, 3.0, 1e-12);
  EXPECT_NEAR(p.xR, 5.0, 1e-12);
  EXPECT_EQ(p.wb, 1.2);
  EXPECT_EQ(p.rows.left, 4);
  EXPECT_EQ(p.rows.right, 2);
  EXPECT_EQ(p.lastMoved, 6);

  // A high trapezoid sets the height: 3.0 − 0.5 + 1.5 = 4.0; width 1 + 2 + 0.5.
  d->UragomeType = 2;
  d->UraX1 = 1.0;
  d->UraX2 = 2.0;
  d->UraH0 = 1.5;
  p = PlanSection(*d, OutlineOf(*d), 0, true);
  EXPECT_NEAR(p.backW, 3.5, 1e-12);
  EXPECT_NEAR(p.world.width, 2.0 + 1.0 + 3.5, 1e-12);
  EXPECT_NEAR(p.world.height, 4.0, 1e-12);

  // Incomplete back ground: none, the figure is wall and strip.
  d->UragomeType = 1;
  p = PlanSection(*d, OutlineOf(*d), 0, true);
  EXPECT_FALSE(p.backGround);
  EXPECT_EQ(p.backW, 0.0);
  EXPECT_NEAR(p.world.width, 3.0, 1e-12);

  // No state: the wall alone.
  d->UragomeType = 0;
  p = PlanSection(*d, OutlineOf(*d), -1, true);
  EXPECT_FALSE(p.backGround);
  EXPECT_EQ(p.wb, 0.0);
  EXPECT_NEAR(p.world.width, 2.0, 1e-12);
  EXPECT_NEAR(p.world.height, 3.0, 1e-12);

  // Rows and moved points by wall type.
  auto b = BlockDoc();
  p = PlanSection(*b, OutlineOf(*b), 0, true);
  EXPECT_EQ(p.rows.right, 1);
  EXPECT_EQ(p.lastMoved, 10);
  auto m = LeaningDoc();
  EXPECT_EQ(PlanSection(*m, OutlineOf(*m), 0, true).lastMoved, 9);
}

std::vector<size_t> Sizes(const std::vector<std::vector<DPoint>>& polys) {
  std::vector<size_t> n;
  for (const auto& p : polys) n.push_back(p.size());
  return n;
}

TEST(SectionPlan, WallPolygonsByVariant) {
  struct Row {
    const char* name;
    std::function<std::unique_ptr<CDocument>()> make;
    std::function<void(CDocument&)> edit;
    std::vector<size_t> sizes;
  };
  auto key = [](int16_t keisya) {
    return [=](CDocument& d) {
      d.Tokki = 1;
      d.nKeisya = keisya;
      d.TokX = 0.5;
      d.TokB = 0.4;
      d.TokL = 0.3;
    };
  };
  const Row rows[] = {
      {"block: footing, courses, backing, crest wedge", BlockDoc, [](CDocument&) {}, {5, 4, 4, 3}},
      {"block without footing", BlockDoc, [](CDocument& d) { d.nBlkFound = 1; }, {4, 4, 3}},
      {"block, no backing",
       BlockDoc,
       [](CDocument& d) { d.BlkDeltT1 = d.BlkDeltT2 = 0; },
       {5, 4, 3}},
      {"block, horizontal courses: no crest wedge",
       BlockDoc,
       [](CDocument& d) { d.nBlkSetup = 1; },
       {5, 4, 4}},
      {"gravity", GravityDoc, [](CDocument&) {}, {7}},
      {"gravity with key", GravityDoc, key(1), {11}},
      {"leaning with key under an inclined base: none", LeaningDoc, key(0), {7}},
      {"mixed with key", MixedDoc, key(1), {9, 4, 4, 3}},
      {"mixed, key under an inclined base", MixedDoc, key(0), {5, 4, 4, 3}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto d = r.make();
    r.edit(*d);
    EXPECT_EQ(Sizes(WallPolygons(*d, OutlineOf(*d))), r.sizes);
  }
  // The key hangs from point 0: (x0 + TokX + TokB, y0) down TokL and back.
  auto g = GravityDoc();
  key(1)(*g);
  KutaiPoints p = OutlineOf(*g);
  const auto poly = WallPolygons(*g, p)[0];
  EXPECT_NEAR(poly[7].X, 0.9, 1e-12);
  EXPECT_NEAR(poly[7].Y, 0.0, 1e-12);
  EXPECT_NEAR(poly[8].Y, -0.3, 1e-12);
  EXPECT_NEAR(poly[9].X, 0.5, 1e-12);
  EXPECT_NEAR(poly[10].Y, 0.0, 1e-12);
}

}  // namespace
}  // namespace norva

// Weight, front-soil and buoyancy polygons of each wall type. Areas and
// centroids are hand sums of rectangles and triangles of the sections below.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "calc/hand_outlines.h"
#include "calc/stability/weight_polygons.h"
#include "document/document.h"
#include "document/weight.h"

namespace norva {
namespace {

struct Shape {
  double A, Xc, Yc;
};

void ExpectShape(const WeightPtr& w, Shape s, double gam) {
  ASSERT_TRUE(w);
  EXPECT_NEAR(w->A(), s.A, 1e-9 + 1e-7 * s.A);
  EXPECT_NEAR(w->Xc(), s.Xc, 1e-7);
  EXPECT_NEAR(w->Yc(), s.Yc, 1e-7);
  EXPECT_EQ(w->Gam(), gam);
}

KutaiPoints Outline(const CDocument& d) {
  KutaiPoints p{};
  DPoint c1, c2;
  MakeKutaiOutline(d, p, c1, c2, 0);
  return p;
}

// Gravity wall: base 3 x 0.6 with a 0.4 toe; face from (0.4, 0.6) to
// (0.9, 5), back from (3, 0.6) to (1.9, 5).
std::unique_ptr<CDocument> Gravity() {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(1);
  d->GrwB = 3;
  d->GrwB1 = 0.5;
  d->GrwB2 = 1;
  d->GrwB4 = 0.4;
  d->GrwH1 = 0.6;
  d->WallH = 5;
  d->nKeisya = 1;
  d->Tokki = 0;
  d->Gamcw = 23;
  d->Gamcf = 24;
  d->Gamw = 9.8;
  d->SetKh(0, 0.2);
  return d;
}

TEST(WeightPolygons, GravityWallBodySoilAndBuoyancy) {
  auto d = Gravity();
  const KutaiPoints p = Outline(*d);
  // Body = base 1.8 at (1.5, 0.3) + face triangle 1.1 at (0.7333, 2.0667)
  // + core 4.4 at (1.4, 2.8) + back triangle 2.42 at (2.2667, 2.0667).
  WeightPtr w0, w1;
  MakeKutaiGrw(*d, p, 0, w0, w1);
  ExpectShape(w0, {9.72, 15.152 / 9.72, 20.134666666666667 / 9.72}, 23);
  EXPECT_EQ(w0->Kh(), 0.2);
  EXPECT_FALSE(w1);
  // Cut at the top of the base: the stem alone, (2.6 + 1) / 2 x 4.4.
  MakeKutaiGrw(*d, p, 0.6, w0, w1);
  ASSERT_TRUE(w0);
  EXPECT_NEAR(w0->A(), 7.92, 1e-9);

  // Front soil to 1.5: 0.4 x 0.9 over the toe plus the sliver over the face
  // up to x = 0.4 + 0.5 / 4.4 x 0.9 = 0.502273.
  struct SoilRow {
    double H, L;
    bool built;
    Shape s;
  };
  const SoilRow soil[] = {
      {1.5, 0, true, {0.40602272727272727, 0.2265342340279368, 1.0670025188916876}},
      // Lower level above the toe: the triangle over the face, 1 .. 1.5.
      {1.5, 1.0, true, {0.014204545454545456, 0.4643939393939394, 4.0 / 3}},
      {0.6, 0, false, {}},  // ground level with the top of the toe
      {1.5, 1.5, false, {}},
  };
  for (const SoilRow& x : soil) {
    WeightPtr w;
    const bool nothing = MakeSoil(*d, p, x.H, x.L, 18, w);
    EXPECT_EQ(nothing, !x.built);
    if (!x.built) {
      EXPECT_FALSE(w);
      continue;
    }
    ExpectShape(w, x.s, 18);
    EXPECT_EQ(w->Kh(), 0);
  }

  struct WaterRow {
    double hw;
    bool built;
    double A;
  };
  // hw 3: base 1.8 + stem between 0.6 and 3, (2.6 + (2.4 - 0.672727)) / 2 x 2.4;
  // above the crest: the whole section; 0.3: the base below 0.3, 3 x 0.3.
  const WaterRow water[] = {{3, true, 6.992727272727272},
                            {6, true, 9.72},
                            {0.3, true, 0.9},
                            {0, false, 0},
                            {-1, false, 0}};
  for (const WaterRow& x : water) {
    WeightPtr w;
    MakeFuryoku(*d, p, x.hw, 0, w);
    if (!x.built) {
      EXPECT_FALSE(w) << x.hw;
      continue;
    }
    ASSERT_TRUE(w) << x.hw;
    EXPECT_NEAR(w->A(), x.A, 1e-9) << x.hw;
    EXPECT_EQ(w->Gam(), -9.8);
    EXPECT_NEAR(w->w(), -9.8 * x.A, 1e-9);
  }
  WeightPtr low;
  MakeFuryoku(*d, p, 0.3, 0, low);
  ExpectShape(low, {0.9, 1.5, 0.15}, -9.8);
}

TEST(WeightPolygons, LeaningWallBodyAndBase) {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(2);
  d->MtwB1 = 0.5;
  d->MtwB2 = 1.0;
  d->MtwB3 = 0.6;
  d->MtwB4 = 0.8;
  d->MtwH1 = 4;
  d->MtwH2 = 0.5;
  d->MtwH3 = 0;
  d->nKeisya = 1;
  d->Tokki = 0;
  d->Gamcw = 23;
  d->Gamcf = 24;
  d->SetKh(0, 0.15);
  const KutaiPoints p = Outline(*d);
  // Stem (0.5,0.5) (1.5,4.5) (2.1,4.5) (1.3,0.5): triangles 1.6 at (1.1, 1.8333)
  // and 1.2 at (1.6333, 3.1667). Base 1.3 x 0.5.
  WeightPtr w0, w1;
  MakeKutaiMtw(*d, p, 0, w0, w1);
  ExpectShape(w0, {2.8, 3.72 / 2.8, 6.733333333333333 / 2.8}, 23);
  ExpectShape(w1, {0.65, 0.65, 0.25}, 24);
  EXPECT_EQ(w1->Kh(), 0.15);
  // Water at 2.5: base 0.65 + stem slice 0.5 .. 2.5 (widths 0.8 and 0.7);
  // at 0.3: the base below it, 1.3 x 0.3.
  d->Gamw = 9.8;
  WeightPtr b;
  MakeFuryoku(*d, p, 2.5, 0, b);
  ASSERT_TRUE(b);
  EXPECT_NEAR(b->A(), 0.65 + 1.5, 1e-9);
  MakeFuryoku(*d, p, 0.3, 0, b);
  ExpectShape(b, {0.39, 0.65, 0.15}, -9.8);
  // Cut above the base: no base polygon.
  MakeKutaiMtw(*d, p, 0.5, w0, w1);
  EXPECT_FALSE(w1);
  ASSERT_TRUE(w0);
  EXPECT_NEAR(w0->A(), 2.8, 1e-9);
}

TEST(WeightPolygons, BlockWallWithAndWithoutFooting) {
  // Batter 0.5 (cos = 0.894427191), blocks 0.35 + 0.15 thick: horizontal width
  // 0.5 / cos = 0.559016994, a parallelogram 3 m high leaning 1.5 m back.
  const double width = 0.5 / std::cos(std::atan(0.5));
  auto d = std::make_unique<CDocument>();
  d->SetWallType(0);
  d->nBlkSetup = 1;
  d->nBlkFound = 0;
  d->BlkN = 0.5;
  d->BlkT = 0.35;
  d->BlkDeltT1 = 0.15;
  d->BlkDeltT2 = 0.15;
  d->BlkB = 1.2;
  d->BlkB1 = 0.1;
  d->BlkH1 = 0.5;
  d->WallH = 3.5;
  d->nKeisya = 1;
  d->Gamcw = 23;
  d->Gamcf = 24;
  WeightPtr w0, w1;
  MakeKutaiBlk(*d, Outline(*d), 0, w0, w1);
  ExpectShape(w0, {3 * width, 0.1 + width / 2 + 0.75, 2.0}, 23);
  ExpectShape(w1, {0.6, 0.6, 0.25}, 24);
  // Water at 0.3, below the footing top: the footing below it, 1.2 x 0.3;
  // at 2: the footing and the blocks up to 2, 0.6 + 1.5 x width.
  d->Gamw = 9.8;
  WeightPtr b;
  MakeFuryokuBlk(*d, Outline(*d), 0.3, 0, b);
  ExpectShape(b, {0.36, 0.6, 0.15}, -9.8);
  MakeFuryokuBlk(*d, Outline(*d), 2, 0, b);
  ASSERT_TRUE(b);
  EXPECT_NEAR(b->A(), 0.6 + 1.5 * width, 1e-9);

  // Soil to 1 over the 0.1 toe and the face from (0.1, 0.5): widths 0.1
  // and 0.1 + 0.5 x 0.5.
  WeightPtr s;
  MakeSoilBlk(*d, Outline(*d), 1, 0, 18, s);
  ASSERT_TRUE(s);
  EXPECT_NEAR(s->A(), (0.1 + 0.35) / 2 * 0.5, 1e-9);

  d->nBlkFound = 1;  // on the ground: no footing
  d->WallH = 3;
  MakeKutaiBlk(*d, Outline(*d), 0, w0, w1);
  ExpectShape(w0, {3 * width, width / 2 + 0.75, 1.5}, 23);
  EXPECT_FALSE(w1);
  // Without a footing the soil is the triangle over the face from the foot,
  // (0,0) (0,1) (0.5,1), cut at the lower level: above 0.5 it keeps
  // 0.25 - 0.0625.
  MakeSoilBlk(*d, Outline(*d), 1, 0, 18, s);
  ASSERT_TRUE(s);
  EXPECT_NEAR(s->A(), 0.25, 1e-9);
  MakeSoilBlk(*d, Outline(*d), 1, 0.5, 18, s);
  ASSERT_TRUE(s);
  EXPECT_NEAR(s->A(), 0.1875, 1e-9);
}

TEST(WeightPolygons, MixedWallParts) {
  CDocument d;
  d.SetWallType(3);
  d.Gamcw = 23;
  d.Gamcf = 24;
  d.Gamw = 10;
  const KutaiPoints p = testing_calc::HandMixedOutline();
  WeightPtr w0, w1;
  MakeKutaiMxw(d, p, 0, 0, w0, w1);
  ExpectShape(w0, {1.0, 1.05, 3.0}, 23);
  EXPECT_FALSE(w1);
  // Lower wall: 2.5 x 2 less the face triangle 0.4 at (0.1333, 1.3333).
  MakeKutaiMxw(d, p, 0, 1, w0, w1);
  ExpectShape(w0, {4.6, 6.196666666666667 / 4.6, 4.466666666666667 / 4.6}, 24);

  // Soil to 3 on the lower wall: the face triangle plus 0.5 x 1 over the top
  // in front of the upper wall. On the upper wall: the triangle over its face,
  // (0.5,2) (0.5,3) (0.8,3).
  WeightPtr s;
  MakeSoilMxw(d, p, 3, 1, 0, 18, s);
  ExpectShape(s, {0.9, 0.17833333333333334 / 0.9, 1.7833333333333333 / 0.9}, 18);
  MakeSoilMxw(d, p, 3, 0, 0, 18, s);
  ExpectShape(s, {0.15, 0.6, 8.0 / 3}, 18);
  MakeSoilMxw(d, p, 2, 0, 0, 18, s);  // not above the lower wall's top
  EXPECT_FALSE(s);

  // Water at 3: the upper wall's slice 2..3, and the whole lower wall; at 1:
  // the lower wall below 1, 2.5 x 1 less the face triangle 0.1.
  WeightPtr b;
  MakeFuryokuMxw(d, p, 3, 0, 0, b);
  ExpectShape(b, {0.5, 0.9, 2.5}, -10);
  MakeFuryokuMxw(d, p, 3, 1, 0, b);
  ExpectShape(b, {4.6, 6.196666666666667 / 4.6, 4.466666666666667 / 4.6}, -10);
  MakeFuryokuMxw(d, p, 1, 1, 0, b);
  ExpectShape(b, {2.4, 3.1183333333333333 / 2.4, 1.1833333333333333 / 2.4}, -10);
}

TEST(WeightPolygons, UpperWallIsDryBelowItsBackFoot) {
  // Joint falling to the back: 3 at (2.5, 1.8), the upper wall's back foot 10
  // at (1.0, 1.95) on the joint. Water at 1.9 is below the whole upper wall;
  // at 1.98 it wets the corner at 10: crossings at x 0.7 (joint) and
  // 1.0 + 0.6 x 0.03 / 2.05 (back), height 0.03.
  CDocument d;
  d.SetWallType(3);
  d.Gamw = 10;
  KutaiPoints p = testing_calc::HandMixedOutline();
  p[3] = {2.5, 1.8};
  p[10] = {1.0, 1.95};
  WeightPtr b;
  EXPECT_TRUE(MakeFuryokuMxw(d, p, 1.9, 0, 0, b));
  EXPECT_FALSE(b);
  MakeFuryokuMxw(d, p, 1.98, 0, 0, b);
  ASSERT_TRUE(b);
  EXPECT_NEAR(b->A(), 0.5 * (1.0 + 0.6 * 0.03 / 2.05 - 0.7) * 0.03, 1e-12);
}

}  // namespace
}  // namespace norva

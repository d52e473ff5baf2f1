// Force sums of the wall (and of both parts of a mixed wall): items, loads in
// their slots, other loads with their filters, sums and moments about the
// toe. Expected values are hand sums of the items listed in each test.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "calc/hand_outlines.h"
#include "calc/reference_wall.h"
#include "calc/stability/force_sum.h"
#include "calc/stability/water.h"
#include "calc/stability/weight_polygons.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/weight.h"

namespace norva {
namespace {

void ExpectRel(double actual, double expected, double rel = 1e-9) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * rel + 1e-9);
}

WeightPtr Rect(double x0, double y0, double x1, double y1, double gam, double kh) {
  auto w = std::make_shared<CWeight>();
  const DPoint pts[] = {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}, {x0, y0}};
  w->SetnPoint(5);
  for (int i = 0; i < 5; ++i) {
    w->SetX(i, pts[i].X);
    w->SetY(i, pts[i].Y);
  }
  w->SetGam(gam);
  w->SetKh(kh);
  return w;
}

// Gravity wall 2 x 4 (body 184 kN/m at (1, 2)), one load case.
std::unique_ptr<CDocument> Wall() {
  auto d = std::make_unique<CDocument>();
  test::SetReferenceShape(*d);
  d->Gamcw = 23;
  d->Gamw = 9.8;
  d->SetKh(0, 0.2);
  d->Sisin = 0;
  d->bQuake = -1;
  d->nWater = 0;
  d->WallL = 10;
  d->SetnCase(1);
  return d;
}

struct WallCase {
  std::unique_ptr<CDocument> d;
  KutaiPoints p{};
  DPoint c1, c2;
};

WallCase WallSetup() {
  WallCase s;
  s.d = Wall();
  MakeKutaiOutline(*s.d, s.p, s.c1, s.c2, 0);
  WeightPtr w0, w1;
  MakeKutaiGrw(*s.d, s.p, 0, w0, w1);
  s.d->SetKutaiW1(0, w0);
  s.d->SetKutaiW1(1, w1);
  return s;
}

void AddLoad(CDocument& d, const std::string& name, int16_t type, int16_t target, double X1,
             double X2, double Y1, double Y2, double P1, double P2, int16_t acts = 1) {
  const int16_t i = d.nNiniCount();
  d.SetnNiniCount(static_cast<int16_t>(i + 1));
  CNini& L = *d.pNini(i);
  L.LoadName = name;
  L.nType = type;
  L.nTarget = target;
  L.X1 = X1;
  L.X2 = X2;
  L.Y1 = Y1;
  L.Y2 = Y2;
  L.P1 = P1;
  L.P2 = P2;
  CKajyuCase& k = *d.pCase(0);
  k.SetnNiniCount(d.nNiniCount());
  k.SetnNini(i, acts);
}

TEST(CalcForceSum, EveryItemLoadAndMomentByHand) {
  WallCase s = WallSetup();
  CDocument& d = *s.d;
  CKajyuCase& k = *d.pCase(0);
  k.nQuake = 1;
  k.Doat = 1;
  // Collision 50 kN over L 10 at 1 m above the crest, vertical 20 kN;
  // rock fall 30 kN at 1.5 m fence; wind 3 kN/m2 on 2 m, 0.5 m above the crest.
  d.SetnAutoCrash(0, 0);
  k.nAutoCrash = 1;
  d.AutoCrashLoad = 50;
  d.AutoCrashHigh = 1;
  d.AutoCrashV = 20;
  d.nStone = 0;
  k.nStoneCrash = 1;
  d.StoneLoad = 30;
  d.StoneHight = 1.5;
  d.nWind = 0;
  k.nWind = 1;
  d.WindHight = 2;
  d.WindLoad = 3;
  d.WindPos = 0.5;
  AddLoad(d, "P at base", 0, 1, 1.5, 0, 0, 0, 10, 0);   // at y0: taken
  AddLoad(d, "H below", 1, 1, 0, 0, -0.1, 0, 4, 0);     // below y0: not taken
  AddLoad(d, "q trapezoid", 2, 1, 2, 0.5, 0, 0, 2, 4);  // X1 > X2: 2 at x 2, 4 at x 0.5
  AddLoad(d, "q horizontal", 3, 3, 0, 0, 1, 3, 6, 0);   // yc = 5/3
  AddLoad(d, "stem only", 0, 2, 1, 0, 1, 0, 100, 0);    // no stability bit
  AddLoad(d, "q deep", 3, 1, 0, 0, -2, -1, 1, 1);       // yc = -1.5
  AddLoad(d, "switched off", 0, 1, 1, 0, 1, 0, 100, 0, 0);
  CAntRes r;
  r.Pa = 31;
  r.Pah = 30;
  r.Pav = 5;
  r.Pax = 2;
  r.Pay = 1.5;
  r.Pwb = 10;
  r.Pwby = 1;
  r.Pwf = 2;
  r.Pwfy = 0.5;
  r.YouatsuV = 12;
  r.YouatsuXc = 1.2;
  ASSERT_TRUE(CalcForceSum(d, 0, 1, s.p, s.c1, s.c2, r));

  ExpectRel(r.KutaiV(0), 184);
  ExpectRel(r.KutaiXc(0), 1);
  ExpectRel(r.KutaiH(0), 36.8);
  ExpectRel(r.KutaiYc(0), 2);
  EXPECT_EQ(r.KutaiV(1), 0);
  // Slots: collision H 5 at 1 + 4 = 5, V 2 at the crest middle 1;
  // rock fall 2 x 30 / 10 = 6 at 1 + 4 = 5; wind 6 at 4.5.
  EXPECT_EQ(r.HorzLoadNam(0), "自動車衝突荷重");
  EXPECT_EQ(r.HorzLoadNam(1), "落石衝突荷重");
  EXPECT_EQ(r.HorzLoadNam(2), "風荷重");
  ExpectRel(r.HorzLoadH(0), 5);
  ExpectRel(r.HorzLoadY(0), 5);
  ExpectRel(r.HorzLoadV(0), 2);
  ExpectRel(r.HorzLoadX(0), 1);
  ExpectRel(r.HorzLoadH(1), 6);
  ExpectRel(r.HorzLoadY(1), 5);
  ExpectRel(r.HorzLoadH(2), 6);
  ExpectRel(r.HorzLoadY(2), 4.5);
  ExpectRel(r.HorzLoadSgmH, 17);
  ExpectRel(r.HorzLoadSgmHY, 82);
  ExpectRel(r.HorzLoadSgmV, 2);
  ExpectRel(r.HorzLoadSgmVX, 2);
  // Other loads: 10 at 1.5; trapezoid 4 at x 0.5 falling to 2 at x 2: 4.5 at
  // 0.5 + 1.5 x (2 x 2 + 4) / (3 x 6) = 7/6; horizontal triangle 6 over 1..3: 6 at 5/3.
  ASSERT_EQ(r.NiniCnt(), 3);
  EXPECT_EQ(r.NiniNam(0), "P at base");
  EXPECT_EQ(r.NiniNam(1), "q trapezoid");
  EXPECT_EQ(r.NiniNam(2), "q horizontal");
  EXPECT_EQ(r.NiniType(2), 3);
  ExpectRel(r.NiniV(1), 4.5);
  ExpectRel(r.NiniX(1), 0.5 + 1.5 * (2 * 2 + 4) / (3 * 6));
  EXPECT_EQ(r.NiniH(1), 0);
  ExpectRel(r.NiniH(2), 6);
  ExpectRel(r.NiniY(2), 5.0 / 3);
  ExpectRel(r.NiniSgmV, 14.5);
  ExpectRel(r.NiniSgmVX, 10 * 1.5 + 4.5 * 7 / 6);
  ExpectRel(r.NiniSgmH, 6);
  ExpectRel(r.NiniSgmHY, 10);
  // V = 184 + 5 - 12 + 2 + 14.5; H = 36.8 + 30 + 10 - 2 + 17 + 6;
  // Mr = 5 x 2 + 184 x 1 - 12 x 1.2 + 2 + 20.25;
  // Mo = 30 x 1.5 + 10 x 1 - 2 x 0.5 + 36.8 x 2 + 82 + 10.
  ExpectRel(r.SgmV, 193.5);
  ExpectRel(r.SgmH, 97.8);
  ExpectRel(r.SgmMr, 201.85);
  ExpectRel(r.SgmMo, 219.6);
  ExpectRel(r.SgmVX, 201.85);
  ExpectRel(r.SgmHY, 219.6);
  ExpectRel(r.Breadth, 2);

  // The large-block rule moves the inertia moment (73.6) and Pav x 2 (10) to
  // the other side; VX and HY stay.
  d.Sisin = 3;
  ASSERT_TRUE(CalcForceSum(d, 0, 1, s.p, s.c1, s.c2, r));
  ExpectRel(r.SgmMr, 201.85 - 83.6);
  ExpectRel(r.SgmMo, 219.6 - 83.6);
  ExpectRel(r.SgmVX, 201.85);
  ExpectRel(r.SgmHY, 219.6);

  // Only the wind left: it takes slot 0, and no earlier name stays behind.
  k.nAutoCrash = 0;
  k.nStoneCrash = 0;
  ASSERT_TRUE(CalcForceSum(d, 0, 1, s.p, s.c1, s.c2, r));
  EXPECT_EQ(r.HorzLoadNam(0), "風荷重");
  ExpectRel(r.HorzLoadH(0), 6);
  EXPECT_EQ(r.HorzLoadNam(1), "");
  EXPECT_EQ(r.HorzLoadNam(2), "");
  EXPECT_EQ(r.HorzLoadH(1), 0);
}

TEST(CalcForceSum, SeismicInertiaByGuidelineAndState) {
  // Front soil 1 x 1 of 18 kN/m3 at (0.5, 0.5) with kh 0.2, and its submerged
  // correction (-9 kN/m3); buoyancy 2 x 1 of -9.8.
  struct Row {
    int32_t sisin;
    int16_t nQuake;
    int32_t doat;
    double bodyH, soilH;
  };
  const Row rows[] = {
      {0, 1, 1, 36.8, 3.6},  // seismic case, seismic state: both
      {4, 1, 1, 0, 3.6},     // residential land, Doat 1: soil only
      {4, 1, 0, 36.8, 0},    // residential land, Doat 0 (state 0): body only
      {0, 0, 0, 0, 0},       // normal case
      {0, 2, 1, 0, 3.6},     // nQuake 2 is not a seismic case for the body
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(::testing::Message() << x.sisin << "/" << x.nQuake << "/" << x.doat);
    WallCase s = WallSetup();
    CDocument& d = *s.d;
    d.Sisin = x.sisin;
    d.nWater = 1;
    const int16_t st = static_cast<int16_t>(x.doat);
    d.SetSoilW1(st, 0, Rect(0, 0, 1, 1, 18, 0.2));
    d.SetSoilW1(st, 1, Rect(0, 0, 1, 0.5, -9, 0.2));
    d.SetFuryoku1(st, Rect(0, 0, 2, 1, -9.8, 0));
    CKajyuCase& k = *d.pCase(0);
    k.nQuake = x.nQuake;
    k.Doat = x.doat;
    k.nSoilF = 1;
    k.nWater = 1;
    CAntRes r;
    r.SetKutaiYc(0, 99);  // a position from an earlier run
    ASSERT_TRUE(CalcForceSum(d, 0, st, s.p, s.c1, s.c2, r));
    ExpectRel(r.KutaiH(0), x.bodyH);
    EXPECT_EQ(r.KutaiYc(0), x.bodyH != 0 ? 2.0 : 0.0);
    ExpectRel(r.ZensaiV(0), 18);
    ExpectRel(r.ZensaiXc(0), 0.5);
    ExpectRel(r.ZensaiH(0), x.soilH);
    ExpectRel(r.ZensaiV(1), -4.5);
    ExpectRel(r.ZensaiYc(1), x.soilH != 0 ? 0.25 : 0.0);
    ExpectRel(r.FuryokuV, -19.6);
    ExpectRel(r.FuryokuXc, 1);
    ExpectRel(r.SgmV, 184 + 18 - 4.5 - 19.6);
    // H of the correction is 0.2 x -4.5 = -0.9 when the soil's inertia acts.
    const double soilH = x.soilH != 0 ? x.soilH - 0.9 : 0;
    ExpectRel(r.SgmH, x.bodyH + soilH);
    ExpectRel(r.SgmMo, x.bodyH * 2 + (x.soilH != 0 ? 3.6 * 0.5 - 0.9 * 0.25 : 0));
  }
  // Without water in the case: neither the correction nor the buoyancy.
  WallCase s = WallSetup();
  s.d->nWater = 1;
  s.d->SetSoilW1(0, 0, Rect(0, 0, 1, 1, 18, 0));
  s.d->SetSoilW1(0, 1, Rect(0, 0, 1, 0.5, -9, 0));
  s.d->SetFuryoku1(0, Rect(0, 0, 2, 1, -9.8, 0));
  s.d->pCase(0)->nSoilF = 1;
  s.d->pCase(0)->nWater = 0;
  CAntRes r;
  ASSERT_TRUE(CalcForceSum(*s.d, 0, 0, s.p, s.c1, s.c2, r));
  ExpectRel(r.ZensaiV(0), 18);
  EXPECT_EQ(r.ZensaiV(1), 0);
  EXPECT_EQ(r.FuryokuV, 0);
  ExpectRel(r.SgmV, 202);
}

// A distributed load keeps each intensity at the position it was entered
// with, whichever order the two positions were entered in.
TEST(CalcForceSum, DistributedLoadIntensitiesStayAtTheirPositions) {
  struct Row {
    const char* name;
    int16_t type;
    double X1, X2, Y1, Y2, P1, P2;
    double V, X, H, Y;
  };
  const Row rows[] = {
      {"vertical, left to right", 2, 0.5, 2, 1, 0, 4, 2, 1.5 * (4 + 2) / 2,
       0.5 + 1.5 * (2 * 2 + 4) / (3 * 6), 0, 0},
      {"vertical, right to left", 2, 2, 0.5, 1, 0, 2, 4, 1.5 * (4 + 2) / 2,
       0.5 + 1.5 * (2 * 2 + 4) / (3 * 6), 0, 0},
      {"horizontal, bottom up", 3, 0, 0, 1, 3, 6, 0, 0, 0, 2.0 * (6 + 0) / 2,
       1 + 2.0 * (2 * 0 + 6) / (3 * 6)},
      {"horizontal, top down", 3, 0, 0, 3, 1, 0, 6, 0, 0, 2.0 * (6 + 0) / 2,
       1 + 2.0 * (2 * 0 + 6) / (3 * 6)},
      {"horizontal, top down, reaching below the base", 3, 0, 0, 1, -0.5, 6, 0, 0, 0,
       1.5 * (6 + 0) / 2, -0.5 + 1.5 * (2 * 6 + 0) / (3 * 6)},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    WallCase s = WallSetup();
    AddLoad(*s.d, "q", x.type, 1, x.X1, x.X2, x.Y1, x.Y2, x.P1, x.P2);
    CAntRes r;
    ASSERT_TRUE(CalcForceSum(*s.d, 0, 0, s.p, s.c1, s.c2, r));
    ASSERT_EQ(r.NiniCnt(), 1);
    ExpectRel(r.NiniV(0), x.V);
    ExpectRel(r.NiniX(0), x.X);
    ExpectRel(r.NiniH(0), x.H);
    ExpectRel(r.NiniY(0), x.Y);
    ExpectRel(r.SgmV, 184 + x.V);
    ExpectRel(r.SgmMr, 184 * 1 + x.V * x.X);
    ExpectRel(r.SgmMo, x.H * x.Y);
  }
}

TEST(CalcForceSum, LoadsThatCannotBeFormedAreReported) {
  struct Row {
    const char* name;
    double wallL, P1, P2;
    bool ok;
  };
  const Row rows[] = {
      {"wall length 0 with a collision load", 0, 1, 1, false},
      {"intensities summing to 0", 10, 3, -3, false},
      {"a distributed load of no intensity", 10, 0, 0, true},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    WallCase s = WallSetup();
    s.d->WallL = x.wallL;
    s.d->SetnAutoCrash(0, 0);
    s.d->pCase(0)->nAutoCrash = x.wallL == 0 ? 1 : 0;
    s.d->AutoCrashLoad = 50;
    s.d->AutoCrashHigh = 1;
    AddLoad(*s.d, "q", 2, 1, 0.5, 1.5, 0, 0, x.P1, x.P2);
    CAntRes r;
    const StabStatus st = CalcForceSum(*s.d, 0, 0, s.p, s.c1, s.c2, r);
    EXPECT_EQ(static_cast<bool>(st), x.ok);
    if (x.ok) {
      ExpectRel(r.SgmV, 184);
      ExpectRel(r.SgmMr, 184);
    } else {
      EXPECT_FALSE(st.reason.empty());
      EXPECT_EQ(r.SgmV, kNullBox);
      EXPECT_EQ(r.SgmMr, kNullBox);
    }
  }
}

TEST(CalcForceSum, MixedWallUpperAndLowerParts) {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(3);
  d->BlkN = 0.3;
  d->Gamcw = 23;
  d->Gamcf = 24;
  d->Gamw = 9.8;
  d->SetKh(0, 0.2);
  d->Sisin = 0;
  d->WallL = 10;
  d->SetnCase(1);
  const KutaiPoints p = testing_calc::HandMixedOutline();
  WeightPtr a, b;
  MakeKutaiMxw(*d, p, 0, 0, a, b);
  d->SetKutaiW1(0, a);
  d->SetKutaiW1(1, b);
  MakeKutaiMxw(*d, p, 0, 1, a, b);
  d->SetKutaiW2(0, a);
  d->SetKutaiW2(1, b);
  AddLoad(*d, "at the joint", 0, 1, 1.2, 0, 2.0, 0, 5, 0);  // upper wall only
  AddLoad(*d, "below it", 0, 1, 2.0, 0, 1.9, 0, 3, 0);      // lower wall only

  // Upper wall: origin (0.5, 2), B = x3 - x2 = 2. Body 1.0 m2 x 23 at x 1.05;
  // earth pressure Pa 10 at y 2.8 (no vertical part); back water 1 m above the
  // foot: 4.9 at 1/3 above the origin, the lever itself.
  CAntRes u;
  u.Pa = 10;
  u.Pah = 9;
  u.Pav = 3;
  u.Pax = 1.3;
  u.Pay = 2.8;
  CalcSuiatsu(*d, p, 0, 3, 0, 0, u.Pwf, u.Pwfy, u.Pwb, u.Pwby);
  ExpectRel(u.Pwb, 4.9);
  ExpectRel(u.Pwby, 1.0 / 3);
  const DPoint c1 = p[5], c2 = p[9];
  ASSERT_TRUE(CalcForceSum(*d, 0, 0, p, c1, c2, u));
  ExpectRel(u.Breadth, 2);
  ExpectRel(u.SgmV, 23 + 5);
  ExpectRel(u.SgmH, 10 + 4.9);
  ExpectRel(u.SgmMr, 23 * 0.55 + 5 * 0.7);
  ExpectRel(u.SgmMo, 10 * 0.8 + 4.9 / 3);

  // Lower wall: origin (0, 0). Vu = 3 + 28 = 31 at x 1.5, Hu = 14.9 - 10 + 9
  // = 13.9 at y 2. Body 4.6 m2 x 24 = 110.4 at x 6.196667 / 4.6. Earth
  // pressure 18 / 6 at (2.5, 0.8). Back water 3 m over a 2 m wall: trapezoid
  // 9.8 .. 29.4, 39.2 at 0.833333. The load at 1.9: 3 at x 2.
  CAntRes r;
  r.Pa = 20;
  r.Pah = 18;
  r.Pav = 6;
  r.Pax = 2.5;
  r.Pay = 0.8;
  CalcSuiatsu(*d, p, 0, 3, 1, 0, r.Pwf, r.Pwfy, r.Pwb, r.Pwby);
  ExpectRel(r.Pwb, 39.2);
  ExpectRel(r.Pwby, 0.8333333333333334);
  ASSERT_TRUE(CalcForceSumLower(*d, 0, 0, p, u, r));
  ExpectRel(r.KutaiV(0), 110.4);
  ExpectRel(r.KutaiXc(0), 6.196666666666667 / 4.6);
  ASSERT_EQ(r.NiniCnt(), 1);
  EXPECT_EQ(r.NiniNam(0), "below it");
  ExpectRel(r.NiniX(0), 2);
  ExpectRel(r.SgmV, 31 + 110.4 + 6 + 3);
  ExpectRel(r.SgmH, 13.9 + 18 + 39.2);
  ExpectRel(r.SgmMr, 1.5 * 31 + 6.196666666666667 * 24 + 2.5 * 6 + 3 * 2);
  ExpectRel(r.SgmMo, 2 * 13.9 + 0.8 * 18 + 0.8333333333333334 * 39.2);
  EXPECT_EQ(r.SgmVX, r.SgmMr);
  EXPECT_EQ(r.SgmHY, r.SgmMo);
  ExpectRel(r.Breadth, 2.5);
}

}  // namespace
}  // namespace norva

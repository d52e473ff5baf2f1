// Forces above stem check sections and the wall-face reaction, checked item by
// item against hand sums (polygons by the shoelace formula, Coulomb pressure
// blocks with Ka = 1/3 for phi 30 and no wall friction).
#include "calc/member/wall_force.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "calc/member/member_fixtures.h"
#include "calc/member/wall_stress.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/document_file.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "document/outline.h"
#include "document/weight.h"

namespace norva {
namespace {

using member_test::BatteredWall;
using member_test::CoulombBlocks;
using member_test::Shoelace;

constexpr double kTolF = 1e-9;

struct Sums {
  double V = 0, H = 0, VX = 0, HY = 0;
};

StabStatus Force(CDocument& d, double y, int16_t stem, CWallRes* rec, Sums& s, int16_t table = 0,
                 int16_t part = 0) {
  KutaiPoints p{};
  DPoint c1, c2;
  MakeKutaiOutline(d, p, c1, c2, 0);
  const WallForceOptions options{stem != 0 ? WallForceUse::kStem : WallForceUse::kThrust,
                                 table != 0};
  const WallForceResult r = CalcWallForce(d, 0, p, c1, c2, part, y, options, rec);
  s = {r.sums.V, r.sums.H, r.sums.VX, r.sums.HY};
  return r.status;
}

void ExpectRow(const CWallRes& r, int k, double N, double X, double S, double Y) {
  SCOPED_TRACE(k);
  EXPECT_EQ(r.nAForce(k), 1);
  EXPECT_NEAR(r.AForceN(k), N, kTolF);
  EXPECT_NEAR(r.AForceX(k), X, kTolF);
  EXPECT_NEAR(r.AForceS(k), S, kTolF);
  EXPECT_NEAR(r.AForceY(k), Y, kTolF);
}

// Dry wall: body and earth pressure only, at two sections.
TEST(WallForce, DryBatteredWallTwoSections) {
  struct Case {
    double y;
    std::vector<std::pair<double, double>> body;  // body above the section
  };
  const Case cases[] = {
      {1.0, {{0.1, 1}, {0.4, 4}, {2, 4}, {2, 1}}},
      {2.0, {{0.2, 2}, {0.4, 4}, {2, 4}, {2, 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.y);
    auto d = BatteredWall();
    CWallRes rec;
    Sums s;
    ASSERT_TRUE(Force(*d, c.y, 1, &rec, s));
    // Axis from (1, 0) (middle of the base of the body) to (1.2, 4).
    const double xr = 1 + 0.2 * c.y / 4;
    const auto b = Shoelace(c.body);
    const double w = 23 * b.A;
    double lever = 0;
    const double Pa = CoulombBlocks(4 - c.y, 0, 1.0 / 3, 18, 10, lever);
    ExpectRow(rec, 0, w, b.cx - xr, 0, 0);
    ExpectRow(rec, 5, 0, 0, Pa, lever);
    for (int k : {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14}) EXPECT_EQ(rec.nAForce(k), 0) << k;
    EXPECT_NEAR(s.V, w, kTolF);
    EXPECT_NEAR(s.H, Pa, kTolF);
    EXPECT_NEAR(s.VX, w * (b.cx - xr), kTolF);
    EXPECT_NEAR(s.HY, Pa * lever, kTolF);
  }
  // The first section by hand: 23 x 5.25 = 120.75 kN at 0.3825/5.25 m behind
  // the axis; 27 kN of earth pressure 1 m above the section.
  auto d = BatteredWall();
  CWallRes rec;
  Sums s;
  ASSERT_TRUE(Force(*d, 1.0, 1, &rec, s));
  EXPECT_NEAR(s.V, 120.75, 1e-9);
  EXPECT_NEAR(s.H, 27.0, 1e-9);
  EXPECT_NEAR(s.HY - s.VX, 27.0 - 8.7975, 1e-9);
}

// Front soil, its submerged part, buoyancy, water on both sides, wind and an
// arbitrary point load on the crest, at two sections.
TEST(WallForce, SoilWaterAndLoads) {
  auto make = [] {
    auto d = BatteredWall();
    d->nWater = 1;
    d->SetSoilFH(0, 1.5);
    d->SetWatFH(0, 2.0);
    d->SetWatBH(0, 2.5);
    d->nWind = 0;
    d->WindHight = 1.0;
    d->WindLoad = 3.0;
    d->WindPos = 0.5;
    d->SetnNiniCount(1);
    auto L = d->pNini(0);
    L->LoadName = "機械";
    L->nType = 0;
    L->nTarget = 2;
    L->X1 = 1.0;
    L->Y1 = 4.0;
    L->P1 = 10;
    auto c = d->pCase(0);
    c->nWater = 1;
    c->nSoilF = 1;
    c->nWind = 1;
    c->SetnNiniCount(1);
    c->SetnNini(0, 1);
    return d;
  };

  {  // y = 0.5: everything acts.
    auto d = make();
    CWallRes rec;
    Sums s;
    const double y = 0.5, xr = 1.025;
    ASSERT_TRUE(Force(*d, y, 1, &rec, s));
    const auto body = Shoelace({{0.05, 0.5}, {0.4, 4}, {2, 4}, {2, 0.5}});
    const auto buoy = Shoelace({{0.05, 0.5}, {0.25, 2.5}, {2, 2.5}, {2, 0.5}});
    const auto soil = Shoelace({{0.05, 0.5}, {0.05, 1.5}, {0.15, 1.5}});
    double lever = 0;
    const double Pa = CoulombBlocks(3.5, 2.0, 1.0 / 3, 18, 10, lever);
    ExpectRow(rec, 0, 23 * body.A, body.cx - xr, 0, 0);
    ExpectRow(rec, 2, -10 * buoy.A, buoy.cx - xr, 0, 0);
    ExpectRow(rec, 3, 17 * soil.A, soil.cx - xr, 0, 0);
    ExpectRow(rec, 4, 3 * soil.A, soil.cx - xr, 0, 0);
    ExpectRow(rec, 5, 0, 0, Pa, lever);
    ExpectRow(rec, 6, 0, 0, -11.25, 0.5);      // 10 x 1.5^2 / 2 at 1.5 / 3
    ExpectRow(rec, 7, 0, 0, 20.0, 2.0 / 3);    // 10 x 2^2 / 2 at 2 / 3
    ExpectRow(rec, 12, 0, 0, 3.0, 0.5 + 3.5);  // 1 m x 3 kN/m2, 0.5 m above the crest
    ExpectRow(rec, 13, 10, 1.0 - xr, 0, 0);
    ASSERT_EQ(rec.NiniCnt(), 1);
    EXPECT_EQ(rec.NiniNam(0), "機械");
    EXPECT_NEAR(rec.NiniV(0), 10, kTolF);
    EXPECT_NEAR(rec.NiniX(0), -0.025, kTolF);
    EXPECT_NEAR(rec.NiniSgmV, 10, kTolF);
    EXPECT_NEAR(rec.NiniSgmVX, -0.25, kTolF);
    const double V = 23 * body.A - 10 * buoy.A + 20 * soil.A + 10;
    const double VX = 23 * body.A * (body.cx - xr) - 10 * buoy.A * (buoy.cx - xr) +
                      20 * soil.A * (soil.cx - xr) + 10 * (1.0 - xr);
    EXPECT_NEAR(s.V, V, kTolF);
    EXPECT_NEAR(s.H, Pa - 11.25 + 20 + 3, kTolF);
    EXPECT_NEAR(s.VX, VX, kTolF);
    EXPECT_NEAR(s.HY, Pa * lever - 11.25 * 0.5 + 20 * 2.0 / 3 + 3 * 4.0, kTolF);
  }
  {  // y = 2: above the front soil and the front water, still under the back water.
    auto d = make();
    CWallRes rec;
    Sums s;
    const double y = 2, xr = 1.1;
    ASSERT_TRUE(Force(*d, y, 1, &rec, s));
    const auto body = Shoelace({{0.2, 2}, {0.4, 4}, {2, 4}, {2, 2}});
    const auto buoy = Shoelace({{0.2, 2}, {0.25, 2.5}, {2, 2.5}, {2, 2}});
    double lever = 0;
    const double Pa = CoulombBlocks(2, 0.5, 1.0 / 3, 18, 10, lever);
    ExpectRow(rec, 0, 23 * body.A, body.cx - xr, 0, 0);
    ExpectRow(rec, 2, -10 * buoy.A, buoy.cx - xr, 0, 0);
    ExpectRow(rec, 5, 0, 0, Pa, lever);
    ExpectRow(rec, 7, 0, 0, 1.25, 0.5 / 3);
    ExpectRow(rec, 12, 0, 0, 3.0, 0.5 + 2);
    for (int k : {3, 4, 6}) EXPECT_EQ(rec.nAForce(k), 0) << k;
    EXPECT_NEAR(s.H, Pa + 1.25 + 3, kTolF);
    EXPECT_NEAR(s.V, 23 * body.A - 10 * buoy.A + 10, kTolF);
  }
}

// Line-of-thrust use at the base: front face reference, uplift, and the force
// summary table of the case.
TEST(WallForce, ForceSummaryTableWithUplift) {
  auto d = BatteredWall();
  d->GrwB1 = 0;  // rectangle 2 x 4
  d->GrwB2 = 2;
  d->nWater = 2;
  d->SetWatFH(0, 1.0);
  d->SetWatBH(0, 2.0);
  d->nWind = 0;
  d->WindHight = 1.0;
  d->WindLoad = 3.0;
  d->WindPos = 0.5;
  auto c = d->pCase(0);
  c->nWater = 1;
  c->nWind = 1;
  Sums s;
  ASSERT_TRUE(Force(*d, 0.0, 0, nullptr, s, 1));
  const CAntRes& a = *d->AntRes(0, 0);
  double lever = 0;
  const double Pa = CoulombBlocks(4, 2, 1.0 / 3, 18, 10, lever);
  const double U = (10 + 20) * 2 / 2.0;
  const double Xu = (2 * 20 + 10) / 30.0 * 2 / 3;
  struct Row {
    int k;
    double V, X, H, Y;
  };
  const Row rows[] = {
      {0, 184, 1, 0, 0},                               // 23 x 2 x 4 at the middle of the base
      {4, 0, 0, Pa, lever},   {5, 0, 0, -5, 1.0 / 3},  // 10 x 1^2 / 2
      {6, 0, 0, 20, 2.0 / 3},                          // 10 x 2^2 / 2
      {8, 0, 0, 3, 4.5},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.k);
    EXPECT_EQ(a.nSForce(r.k), 1);
    EXPECT_NEAR(a.SForceV(r.k), r.V, kTolF);
    EXPECT_NEAR(a.SForceX(r.k), r.X, kTolF);
    EXPECT_NEAR(a.SForceH(r.k), r.H, kTolF);
    EXPECT_NEAR(a.SForceY(r.k), r.Y, kTolF);
    EXPECT_NEAR(a.SForceMr(r.k), r.V * r.X, kTolF);
    EXPECT_NEAR(a.SForceMo(r.k), r.H * r.Y, kTolF);
  }
  // Uplift: V and X, its moment with the overturning moments.
  EXPECT_EQ(a.nSForce(7), 1);
  EXPECT_NEAR(a.SForceV(7), U, kTolF);
  EXPECT_NEAR(a.SForceX(7), Xu, kTolF);
  EXPECT_NEAR(a.SForceMo(7), U * Xu, kTolF);
  EXPECT_EQ(a.SForceMr(7), 0);
  for (int k : {1, 2, 3, 9}) EXPECT_EQ(a.nSForce(k), 0) << k;
  EXPECT_NEAR(s.V, 184 - U, kTolF);
  EXPECT_NEAR(s.VX, 184, kTolF);
  EXPECT_NEAR(s.H, Pa - 5 + 20 + 3, kTolF);
  EXPECT_NEAR(s.HY, Pa * lever - 5.0 / 3 + 40.0 / 3 + 13.5 + U * Xu, kTolF);
  // A gravity wall keeps no section polygons.
  EXPECT_EQ(d->KutaiWS, nullptr);
  // No uplift in the stem check.
  CWallRes rec;
  Sums t;
  ASSERT_TRUE(Force(*d, 0.0, 1, &rec, t));
  EXPECT_EQ(rec.nAForce(8), 0);
  EXPECT_NEAR(t.V, 184, kTolF);
}

// Collision, rock fall and wind on the stem: spread widths and heights.
TEST(WallForce, StemHorizontalLoads) {
  struct Case {
    const char* what;
    double y;
    int16_t crash, stone, bougo;
    int row;
    double S, Y;
  };
  const Case cases[] = {
      {"collision, no fence", 3, 1, 0, 0, 10, 50.0 / (1 + 1), 0.6 + 1},
      {"collision, guard fence", 3, 1, 0, 1, 10, 50.0 / (1 + 0.6 + 1), 0.6 + 1},
      {"collision at the crest", 4, 1, 0, 0, 10, 50.0, 0.6},
      {"rock fall, spread by pitch", 3, 0, 1, 0, 11, 30.0 / 2, 0.5 + 1},
      {"rock fall at the crest", 4, 0, 1, 0, 11, 30.0 / 0.1, 0.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto d = BatteredWall();
    d->AutoCrashLoad = 50;
    d->AutoCrashHigh = 0.6;
    d->AutoCrashWidth = 1.0;
    d->nAutoCrashBougo = c.bougo;
    d->SetnAutoCrash(1, 0);
    d->nStone = 0;
    d->StoneLoad = 30;
    d->StonePich = 2;
    d->StoneHight = 0.5;
    d->pCase(0)->nAutoCrash = c.crash;
    d->pCase(0)->nStoneCrash = c.stone;
    CWallRes rec;
    Sums s;
    ASSERT_TRUE(Force(*d, c.y, 1, &rec, s));
    ExpectRow(rec, c.row, 0, 0, c.S, c.Y);
    if (c.y == 4) {
      EXPECT_EQ(rec.nAForce(0), 0);  // nothing of the body above the crest
      EXPECT_NEAR(s.H, c.S, kTolF);
      EXPECT_NEAR(s.HY, c.S * c.Y, kTolF);
    }
  }
}

TEST(WallForce, LoadsThatCannotBeFormedFail) {
  {
    auto d = BatteredWall();
    d->nStone = 0;
    d->StoneLoad = 30;
    d->StonePich = 0;
    d->StoneHight = 0.5;
    d->pCase(0)->nStoneCrash = 1;
    Sums s;
    CWallRes rec;
    EXPECT_FALSE(Force(*d, 3, 1, &rec, s));
    EXPECT_EQ(s.V, kNullBox);
    EXPECT_EQ(s.HY, kNullBox);
  }
  {
    auto d = BatteredWall();
    d->AutoCrashLoad = 50;
    d->AutoCrashV = 0;
    d->AutoCrashHigh = 0.6;
    d->SetnAutoCrash(0, 0);
    d->WallL = 0;
    d->pCase(0)->nAutoCrash = 1;
    Sums s;
    EXPECT_FALSE(Force(*d, 0, 0, nullptr, s));
    EXPECT_EQ(s.H, kNullBox);
  }
  {  // A distributed load whose intensities cancel has no centroid.
    auto d = BatteredWall();
    d->SetnNiniCount(1);
    auto L = d->pNini(0);
    *L = CNini{};
    L->nType = 2;
    L->nTarget = 2;
    L->X1 = 0.5;
    L->X2 = 1.5;
    L->Y1 = 4;
    L->P1 = 5;
    L->P2 = -5;
    d->pCase(0)->SetnNiniCount(1);
    d->pCase(0)->SetnNini(0, 1);
    Sums s;
    CWallRes rec;
    EXPECT_FALSE(Force(*d, 1, 1, &rec, s));
    EXPECT_EQ(s.V, kNullBox);
  }
}

// Which arbitrary loads act on the section and where.
// A case may switch on rock fall or wind that the document does not consider;
// their inputs were never entered and must not reach the sums.
TEST(WallForce, CaseSwitchOfALoadTheDocumentLeavesOutAddsNothing) {
  auto plain = BatteredWall();
  Sums base;
  ASSERT_TRUE(Force(*plain, 3, 0, nullptr, base));
  auto d = BatteredWall();
  ASSERT_NE(d->nWind, 0);
  ASSERT_NE(d->nStone, 0);
  d->pCase(0)->nWind = 1;
  d->pCase(0)->nStoneCrash = 1;
  Sums s;
  ASSERT_TRUE(Force(*d, 3, 0, nullptr, s));
  EXPECT_EQ(s.H, base.H);
  EXPECT_EQ(s.HY, base.HY);
  EXPECT_EQ(s.V, base.V);
}

TEST(WallForce, ArbitraryLoads) {
  struct Load {
    int16_t type, target;
    double X1, X2, Y1, Y2, P1, P2;
  };
  struct Case {
    const char* what;
    Load L;
    bool acts;
    double V, X, H, Y;  // X from the axis (xr = 1.05 at y = 1), Y above y = 1
  };
  const double xr = 1.05;
  const Case cases[] = {
      {"vertical point at the section", {0, 2, 0.5, 0, 1.0, 0, 8, 0}, true, 8, 0.5 - xr, 0, 0},
      {"vertical point below the section", {0, 2, 0.5, 0, 0.99, 0, 8, 0}, false, 0, 0, 0, 0},
      {"horizontal point", {1, 2, 0, 0, 3.0, 0, 6, 0}, true, 0, 0, 6, 2.0},
      {"stability-only load", {0, 1, 0.5, 0, 4.0, 0, 8, 0}, false, 0, 0, 0, 0},
      // 2 to 6 kN/m2 over 0.5..1.5: 4 kN at 0.5 + (2x6+2)/(8x3) = 0.5 + 7/12.
      {"vertical trapezoid", {2, 2, 0.5, 1.5, 4, 0, 2, 6}, true, 4, 0.5 + 7.0 / 12 - xr, 0, 0},
      {"vertical trapezoid entered right to left",
       {2, 2, 1.5, 0.5, 4, 0, 6, 2},
       true,
       4,
       0.5 + 7.0 / 12 - xr,
       0,
       0},
      // 3 kN/m2 over heights 0..2, centroid at 1.0 = y: counts whole.
      {"horizontal strip, centroid at the section", {3, 2, 0, 0, 0, 2, 3, 3}, true, 0, 0, 6, 0},
      {"horizontal strip, centroid below", {3, 2, 0, 0, 0, 1.9, 3, 3}, false, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto d = BatteredWall();
    d->SetnNiniCount(1);
    auto L = d->pNini(0);
    L->LoadName = "L";
    L->nType = c.L.type;
    L->nTarget = c.L.target;
    L->X1 = c.L.X1;
    L->X2 = c.L.X2;
    L->Y1 = c.L.Y1;
    L->Y2 = c.L.Y2;
    L->P1 = c.L.P1;
    L->P2 = c.L.P2;
    d->pCase(0)->SetnNiniCount(1);
    d->pCase(0)->SetnNini(0, 1);
    CWallRes rec;
    Sums s;
    ASSERT_TRUE(Force(*d, 1.0, 1, &rec, s));
    if (!c.acts) {
      EXPECT_EQ(rec.NiniCnt(), 0);
      EXPECT_EQ(rec.nAForce(13), 0);
      EXPECT_EQ(rec.NiniSgmV, 0);
      EXPECT_EQ(rec.NiniSgmH, 0);
      continue;
    }
    ASSERT_EQ(rec.NiniCnt(), 1);
    EXPECT_NEAR(rec.NiniSgmV, c.V, kTolF);
    EXPECT_NEAR(rec.NiniSgmVX, c.V * c.X, kTolF);
    EXPECT_NEAR(rec.NiniSgmH, c.H, kTolF);
    EXPECT_NEAR(rec.NiniSgmHY, c.H * c.Y, kTolF);
    ExpectRow(rec, 13, c.V, c.V != 0 ? c.X : 0, c.H, c.H != 0 ? c.Y : 0);
  }
}

// Reaction of the back ground on the face 3-9 of a block wall, face inclined
// 1 : 0.5 (sin = 1/sqrt5, cos = 2/sqrt5), face 3 m high: Lf = 3 sqrt5 / 2.
TEST(WallForce, WallFaceReaction) {
  auto make = [] {
    auto d = std::make_unique<CDocument>();
    d->SetWallType(0);
    d->nBlkFound = 1;
    d->nBlkSetup = 1;
    d->BlkN = 0.5;
    d->BlkT = 0.5;
    d->BlkDeltT1 = 0.2;
    d->BlkDeltT2 = 0.2;
    d->WallH = 3;
    d->SetnCase(1);
    return d;
  };
  const double s5 = std::sqrt(5.0);
  const double sn = 1 / s5, cs = 2 / s5;
  struct Case {
    const char* what;
    double qtu, qtl, l1, l2, Qt, y;
    double lz, Qtz, Alpz;
  };
  const double Lf = 1.5 * s5;
  const double lz1 = s5;  // face above y = 1
  const Case cases[] = {
      // Trapezoid over the face: 20 at the top, 5 at the foot; 10 at y = 1.
      {"trapezoid", 20, 5, 0, 0, 0, 1, lz1, 15 * lz1, 50 * (lz1 / 3) / 30},
      // Triangle on the upper l2 = 3 of the face, section inside it.
      {"triangle, section inside", 20, 0, 0.354, 3, 30, 1, lz1, (20 + (3 - lz1) / 3 * 20) * lz1 / 2,
       (40 + (3 - lz1) / 3 * 20) * (lz1 / 3) / (20 + (3 - lz1) / 3 * 20)},
      {"triangle, whole above", 20, 0, 1.354, 2, 20, 1, lz1, 20, lz1 - 2.0 / 3},
      {"no reaction", 0, 0, 0, 0, 0, 1, lz1, 0, 0},
      {"section at the top", 20, 5, 0, 0, 0, 3, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto d = make();
    auto r = d->AntRes(0, 0);
    r->qtu = c.qtu;
    r->qtl = c.qtl;
    r->l1 = c.l1;
    r->l2 = c.l2;
    r->Qt = c.Qt;
    KutaiPoints p{};
    DPoint c1, c2;
    MakeKutaiOutline(*d, p, c1, c2, 0);
    ASSERT_NEAR(PointDistance(p[3], p[9]), Lf, 1e-12);
    CWallRes rec;
    double V = 0, H = 0, X = 0, Y = 0;
    ASSERT_TRUE(CalcWallHanryoku(*d, 0, p, c.y, V, H, X, Y, &rec));
    EXPECT_NEAR(rec.lz, c.lz, 1e-9);
    EXPECT_NEAR(rec.Qtz, c.Qtz, 1e-9);
    EXPECT_NEAR(rec.Alpz, c.Alpz, 1e-9);
    EXPECT_NEAR(V, -c.Qtz * sn, 1e-9);
    EXPECT_NEAR(H, c.Qtz * cs, 1e-9);
    EXPECT_NEAR(X, p[3].X + (c.y - p[3].Y) * 0.5 + c.Alpz * sn, 1e-9);
    EXPECT_NEAR(Y, c.y + c.Alpz * cs, 1e-9);
  }
  // Trapezoid by hand: Qtz = 15 sqrt5, so 15 kN up and 30 kN towards the front.
  {
    auto d = make();
    auto r = d->AntRes(0, 0);
    r->qtu = 20;
    r->qtl = 5;
    KutaiPoints p{};
    DPoint c1, c2;
    MakeKutaiOutline(*d, p, c1, c2, 0);
    double V = 0, H = 0, X = 0, Y = 0;
    ASSERT_TRUE(CalcWallHanryoku(*d, 0, p, 1, V, H, X, Y, nullptr));
    EXPECT_NEAR(V, -15, 1e-9);
    EXPECT_NEAR(H, 30, 1e-9);
    EXPECT_NEAR(Y, 1 + 10.0 / 9, 1e-9);  // Alpz cos = (5/9 sqrt5)(2/sqrt5)
  }
  // Below the foot of the face: zeros, record untouched.
  {
    auto d = make();
    d->WallH = 3;
    KutaiPoints p{};
    DPoint c1, c2;
    MakeKutaiOutline(*d, p, c1, c2, 0);
    CWallRes rec;
    rec.lz = 7;
    double V = 1, H = 1, X = 1, Y = 1;
    ASSERT_TRUE(CalcWallHanryoku(*d, 0, p, -0.5, V, H, X, Y, &rec));
    EXPECT_EQ(V, 0);
    EXPECT_EQ(H, 0);
    EXPECT_EQ(rec.lz, 7);
  }
}

}  // namespace
}  // namespace norva

namespace norva {
namespace {

// Lower wall of a mixed wall: trapezoid 1.5 m at the base, 1.2 m at its top
// 2 m up (front face 0 -> 0.3), the upper wall handed down at the middle of
// its top. No backfill reaches the section (UraHd 1.5), so no earth pressure.
TEST(WallForce, LowerWallOfMixedWall) {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(3);
  d->GrwB = 1.5;
  d->GrwB1 = 0.3;
  d->GrwB2 = 1.2;
  d->GrwB3 = 0.2;
  d->MxwH1 = 3;
  d->MxwH2 = 2;
  d->MxwH3 = 0;
  d->BlkN = 0.3;
  d->BlkT = 0.35;
  d->BlkDeltT1 = 0.1;
  d->BlkDeltT2 = 0.1;
  d->nKeisya = 1;
  d->Gamcw = 23;
  d->Gamcf = 24;
  d->Gamb = 18;
  d->Fai = 30;
  d->Setdelt(0, 0);
  d->SetC(0, 0);
  d->SetKh(0, 0.2);
  d->SetKh(1, 0.2);
  d->Doatsu = 1;
  d->UraHd = 1.5;
  d->UragomeType = 0;
  d->nWind = 0;
  d->WindHight = 1;
  d->WindLoad = 3;
  d->WindPos = 0;
  d->SetnCase(1);
  d->pCase(0)->nWind = 1;  // acts on the upper wall only
  d->pCase(0)->AllowPremium = 1;
  auto u = d->AntRes(0, 0);
  u->SgmV = 50;
  u->Pav = 5;
  u->SgmH = 20;
  u->Pa = 8;
  u->Pah = 7;
  d->SetnWallSecCnt(1, 1);
  d->SetWallSecY(1, 0, 1.0);
  CWallRes rec;
  Sums s;
  ASSERT_TRUE(Force(*d, 1.0, 1, &rec, s, 0, 1));
  // Axis from the middle of the base (0.75, 0) to the middle of the top (1.0, 2).
  const double xr = 0.875;
  const auto body = Shoelace({{0.15, 1}, {0.3, 2}, {0.5, 2}, {1.5, 2}, {1.5, 1}});
  ExpectRow(rec, 0, 24 * body.A, body.cx - xr, 0, 0);
  ExpectRow(rec, 14, 55, 1.0 - xr, 19, 1.0);
  EXPECT_EQ(rec.nAForce(12), 0);
  EXPECT_NEAR(s.V, 24 * body.A + 55, kTolF);
  EXPECT_NEAR(s.H, 19, kTolF);
  EXPECT_NEAR(s.HY - s.VX, 19 - 24 * body.A * (body.cx - xr) - 55 * 0.125, kTolF);

  // The stem check measures the lower wall's section from its base (point 4)
  // and takes the width between the faces 0-1 and 3-4: 1.5 - 0.15.
  ASSERT_TRUE(CalcWallStress(*d, 0, 1));
  const CWallRes& r = *d->pWallRes(1, 0, 0);
  EXPECT_NEAR(r.ForceN, s.V, kTolF);
  EXPECT_NEAR(r.ForceM, s.HY - s.VX, kTolF);
  EXPECT_NEAR(r.Height(0), 1.35, 1e-12);
  EXPECT_NEAR(r.Sgmc(0), (s.V / 1.35 + 6 * (s.HY - s.VX) / (1.35 * 1.35)) / 1000, 1e-12);
}

// Leaning wall under road earthworks: the back-face reaction above the
// section is taken on its own back face (points 3 to 6) and stored, but does
// not enter the section forces.
TEST(WallForce, LeaningWallFaceReactionOnItsBackFace) {
  auto make = [](int sisin) {
    auto d = BatteredWall();
    d->SetWallType(2);
    d->Sisin = sisin;
    d->MtwB1 = 0.5;
    d->MtwB2 = 1.0;
    d->MtwB3 = 0.8;
    d->MtwB4 = 0.4;
    d->MtwH1 = 3.0;
    d->MtwH2 = 0.6;
    d->MtwH3 = 0.3;
    auto r = d->AntRes(0, 0);
    r->qtu = 20;
    r->qtl = 0;
    r->l1 = 1;
    r->l2 = 2.5;
    r->Qt = 25;
    return d;
  };
  auto d = make(2);
  CWallRes rec;
  Sums s;
  ASSERT_TRUE(Force(*d, 2.0, 1, &rec, s));
  // Back face (1.9, 0.3) -> (2.3, 3.6): 1.6 m of height above y = 2.
  const double lz = 1.6 * std::sqrt(1 + (0.4 / 3.3) * (0.4 / 3.3));
  const double qs = (2.5 - lz) / 2.5 * 20;
  EXPECT_NEAR(rec.lz, lz, 1e-12);
  EXPECT_NEAR(rec.Qtz, (20 + qs) * lz / 2, 1e-9);
  EXPECT_NEAR(rec.Alpz, (40 + qs) * (lz / 3) / (20 + qs), 1e-9);
  EXPECT_EQ(rec.nAForce(9), 0);
  auto e = make(0);
  Sums t;
  ASSERT_TRUE(Force(*e, 2.0, 1, nullptr, t));
  EXPECT_NEAR(s.V, t.V, 1e-12);
  EXPECT_NEAR(s.H, t.H, 1e-12);
  EXPECT_NEAR(s.HY - s.VX, t.HY - t.VX, 1e-12);
}

// The state the forces above a section take: seismic levels and earth
// pressure only for a seismic case of a seismic document that takes the
// seismic earth pressure; the body's inertia for every nQuake-1 case except
// residential land with the seismic pressure.
TEST(WallForcePhases, CaseStateFollowsTheSeismicSwitchesAsTheCheckTakesThem) {
  struct Row {
    const char* name;
    int16_t bQuake, nQuake, Doat;
    int32_t Sisin;
    int16_t st;
    bool inertia;
  };
  const Row rows[] = {
      {"normal case", -1, 0, 0, 0, 0, false},
      {"seismic case, seismic pressure", -1, 1, 1, 0, 1, true},
      {"seismic case keeping the normal pressure", -1, 1, 0, 0, 0, true},
      {"document without earthquakes", 0, 1, 1, 0, 0, true},
      {"normal case marked with the seismic pressure", -1, 0, 1, 0, 0, false},
      {"residential land, seismic pressure", -1, 1, 1, 4, 1, false},
      {"residential land, normal pressure", -1, 1, 0, 4, 0, true},
      {"seismic code 2", -1, 2, 1, 0, 1, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto d = BatteredWall();
    d->bQuake = r.bQuake;
    d->Sisin = r.Sisin;
    d->pCase(0)->nQuake = r.nQuake;
    d->pCase(0)->Doat = r.Doat;
    const WallCaseState s = WallForceState(*d, 0);
    EXPECT_EQ(s.st, r.st);
    EXPECT_EQ(s.bodyInertia, r.inertia);
  }
  auto d = BatteredWall();
  EXPECT_EQ(WallForceState(*d, 5).st, 0);  // no such case
}

// Reference abscissa of the battered wall (front face x = 0.1 y, back face
// x = 2): the stem check takes the mid point of the faces, (0.1 y + 2) / 2;
// the line of thrust the front face.
TEST(WallForcePhases, ReferenceAbscissaOfASingleWallIsTheMidPointOfItsFaces) {
  auto d = BatteredWall();
  KutaiPoints p{};
  DPoint c1, c2;
  MakeKutaiOutline(*d, p, c1, c2, 0);
  for (double y : {0.0, 1.0, 2.5, 4.0}) {
    SCOPED_TRACE(y);
    EXPECT_NEAR(WallSectionRefX(*d, p, 0, y, WallForceUse::kStem), (0.1 * y + 2) / 2, 1e-12);
    EXPECT_NEAR(WallSectionRefX(*d, p, 0, y, WallForceUse::kThrust), 0.1 * y, 1e-12);
  }
  // The check heights are measured from the foot of the wall (point 2).
  d->SetnWallSecCnt(0, 1);
  d->SetWallSecY(0, 0, 1.5);
  EXPECT_NEAR(WallCheckHeight(*d, p, 0, 0), 1.5 + p[2].Y, 1e-12);
}

// On the shipped gravity wall, whose foot 2-3 is level, the stem check's axis
// at every height is halfway between the front face 2-5 and the back face
// 3-6. (The block and leaning samples have a foot that is not level; their
// axis runs through the mid points of the foot and the crest instead, and the
// report measures from that axis, as the check does.)
TEST(WallForcePhases, ReferenceAbscissaAgreesWithTheFacesOfTheGravitySample) {
  for (const char* name : {"gravity"}) {
    SCOPED_TRACE(name);
    CDocument d;
    ASSERT_TRUE(DataFileReadFrom(d, std::string(NORVA_SOURCE_DIR) + "/examples/" + name + ".nrv"));
    KutaiPoints p{};
    DPoint c1, c2;
    MakeKutaiOutline(d, p, c1, c2, 0);
    const DPoint back = d.WallType() == 0 ? p[9] : p[6];
    for (double t : {0.0, 0.3, 0.7, 1.0}) {
      const double y = p[2].Y + t * (p[5].Y - p[2].Y);
      const double mid = (InterpolateX(p[2], p[5], y) + InterpolateX(p[3], back, y)) / 2;
      EXPECT_NEAR(WallSectionRefX(d, p, 0, y, WallForceUse::kStem), mid, 1e-9) << y;
    }
  }
}

}  // namespace
}  // namespace norva

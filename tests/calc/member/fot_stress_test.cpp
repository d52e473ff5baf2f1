// Toe slab of a gravity wall (toe 0.5 m long, 0.5 m thick, base 3 m): the
// forces on the slab with their arms from the section under the front face,
// worked out by hand, and the stresses 6M/H^2 and S/H.
#include "calc/member/fot_stress.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/weight.h"

namespace norva {
namespace {

std::unique_ptr<CDocument> ToeWall() {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(1);
  d->GrwB = 3;
  d->GrwB4 = 0.5;
  d->GrwH1 = 0.5;
  d->GrwB1 = 0.3;
  d->GrwB2 = 1.0;
  d->WallH = 4;
  d->nKeisya = 1;
  d->Tokki = 0;
  d->Gamcf = 24;
  d->Gamf = 18;
  d->Gamfd = 20;
  d->Gamw = 10;
  d->nWater = 0;
  for (int s = 0; s < 2; ++s) {
    d->SetSoilFH(s, 0);
    d->SetWatFH(s, 0);
    d->SetWatBH(s, 0);
  }
  d->SetnCase(1);
  auto c = d->pCase(0);
  c->AllowPremium = 1.0;
  c->nSoilF = 1;
  c->nWater = 1;
  // Trapezoidal reaction 150 at the toe, 50 at the heel (e = 0.2 < 3/6).
  auto r = d->AntRes(0, 0);
  r->Breadth = 3;
  r->E = 0.2;
  r->D = 1.3;
  r->Qmax = 150;
  r->Qmin = 50;
  return d;
}

struct Item {
  double up;   // force, positive upwards
  double arm;  // from the section towards the toe
};

void ExpectForces(const CFotRes& f, const std::vector<Item>& items) {
  double S = 0, M = 0;
  for (const Item& i : items) {
    S += i.up;
    M += i.up * i.arm;
  }
  EXPECT_NEAR(f.ForceS, S, 1e-9);
  EXPECT_NEAR(f.ForceM, M, 1e-9);
}

// Reaction 150 - 200x/3 over 0..0.5: 70.8333 kN with moment 18.75 - 0.69444.
const Item kReaction{(150 + 150 - 100.0 / 6) * 0.25,
                     (18.75 - 100.0 / 3 * (0.0625 - 0.125 / 3)) / ((150 + 150 - 100.0 / 6) * 0.25)};
const Item kSlab{-24 * 0.25, 0.25};

TEST(FotStress, FlatBaseCases) {
  struct Case {
    const char* what;
    int32_t nWater;
    double soil, wf, wb;
    std::vector<Item> items;
  };
  const Case cases[] = {
      {"dry, soil 1 m over the toe", 0, 1.5, 0, 0, {kSlab, {-18 * 0.5, 0.25}, kReaction}},
      {"buoyancy of the lower 0.3 m", 1, 0, 0.2, 0.3, {kSlab, {10 * 0.15, 0.25}, kReaction}},
      {"whole slab buoyant, soil partly submerged",
       1,
       1.5,
       1.0,
       1.0,
       {kSlab, {10 * 0.25, 0.25}, {-18 * 0.5, 0.25}, {-2 * 0.25, 0.25}, kReaction}},
      // Uplift 10 at the toe rising to 20 at the heel: 10 + 10/3 x 0.5 at the section.
      {"uplift",
       2,
       0,
       1.0,
       2.0,
       {kSlab,
        {(10 + 10 + 10.0 / 6) * 0.25,
         0.5 - 0.5 * (2 * (10 + 10.0 / 6) + 10) / (3 * (20 + 10.0 / 6))},
        kReaction}},
      {"equal levels give no uplift", 2, 0, 1.5, 1.5, {kSlab, kReaction}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto d = ToeWall();
    d->nWater = c.nWater;
    d->SetSoilFH(0, c.soil);
    d->SetWatFH(0, c.wf);
    d->SetWatBH(0, c.wb);
    ASSERT_TRUE(CalcFotStress(*d, 0));
    const CFotRes& f = *d->pFotRes(0);
    EXPECT_EQ(f.SecX, 0);
    EXPECT_NEAR(f.Height, 0.5, 1e-12);
    EXPECT_NEAR(f.FotQ1, 150, 1e-9);
    EXPECT_NEAR(f.FotQ2, 150 - 100.0 / 6, 1e-9);
    ExpectForces(f, c.items);
    EXPECT_NEAR(f.Sgmc(0), 6 * f.ForceM / 0.25 / 1000, 1e-12);
    EXPECT_NEAR(f.Sgmc(1), -f.Sgmc(0), 1e-15);
    EXPECT_NEAR(f.Tauc, f.ForceS / 0.5 / 1000, 1e-12);
    if (c.nWater == 2) {
      EXPECT_EQ(f.Furyoku, nullptr);
    }
  }
}

TEST(FotStress, DryCaseInPlainNumbers) {
  auto d = ToeWall();
  d->SetSoilFH(0, 1.5);
  d->pCase(0)->AllowPremium = 1.5;
  ASSERT_TRUE(CalcFotStress(*d, 0));
  const CFotRes& f = *d->pFotRes(0);
  // S = -6 - 9 + 70.8333; M = -1.5 - 2.25 + 18.0556.
  EXPECT_NEAR(f.ForceS, 55.833333333333, 1e-9);
  EXPECT_NEAR(f.ForceM, 14.305555555556, 1e-9);
  EXPECT_NEAR(f.Sgmc(0), 0.343333333333, 1e-9);
  EXPECT_NEAR(f.Tauc, 0.111666666667, 1e-9);
  EXPECT_NEAR(f.Sgmca, 6, 1e-12);
  EXPECT_NEAR(f.Sgmta, 0.3, 1e-12);
  EXPECT_NEAR(f.Taua, 0.45, 1e-12);
  EXPECT_NEAR(f.FotQ, 70.833333333333, 1e-9);
  EXPECT_NEAR(f.FotwX, 0.25, 1e-12);
}

// Base rising 0.3 m to the toe: the slab is 0.5 m thick at the toe and 0.55 m
// at the section (base line y = 0.3 - 0.1 x).
TEST(FotStress, InclinedBase) {
  struct Case {
    const char* what;
    double wb;
    std::vector<Item> extra;
  };
  // Slab 0.2625 m2, centroid x = (0.0625 + 0.1/24) / 0.2625.
  const double xc = (0.0625 + 0.1 / 24) / 0.2625;
  const Case cases[] = {
      {"dry", 0, {}},
      {"water above the slab", 1.0, {{10 * 0.2625, 0.5 - xc}}},
      // Triangle (0.3, 0.27), (0.5, 0.27), (0.5, 0.25): 0.002 m2 at x = 1.3/3.
      {"water in the lowest wedge", 0.27, {{10 * 0.002, 0.5 - 1.3 / 3}}},
      {"water below the slab", 0.2, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto d = ToeWall();
    d->nKeisya = 0;
    d->KeisyaH = 0.3;
    d->nWater = 1;
    d->SetWatBH(0, c.wb);
    ASSERT_TRUE(CalcFotStress(*d, 0));
    const CFotRes& f = *d->pFotRes(0);
    EXPECT_NEAR(f.Height, 0.55, 1e-12);
    std::vector<Item> items{{-24 * 0.2625, 0.5 - xc}, kReaction};
    items.insert(items.end(), c.extra.begin(), c.extra.end());
    ExpectForces(f, items);
    EXPECT_NEAR(f.Sgmc(0), 6 * f.ForceM / (0.55 * 0.55) / 1000, 1e-12);
    if (c.extra.empty()) {
      EXPECT_EQ(f.Furyoku, nullptr);
    }
  }
}

TEST(FotStress, LoadsOnTheSlab) {
  struct Load {
    int16_t type, target;
    double X1, X2, P1, P2;
  };
  struct Case {
    const char* what;
    Load L;
    bool taken;
    double load, arm;
  };
  const Case cases[] = {
      {"point load", {0, 4, 0.2, 0, 5, 0}, true, 5, 0.3},
      {"point load at the section", {0, 4, 0.5, 0, 5, 0}, true, 5, 0},
      {"point load beyond the section", {0, 4, 0.6, 0, 5, 0}, false, 0, 0},
      {"uniform strip past the section", {2, 4, 0, 2, 10, 10}, true, 5, 0.25},
      // 0 at x = 0 rising to 10 at x = 2 (entered right to left): 2.5 at the
      // section, 0.625 kN at 2/3 of 0.5 from the toe.
      {"rising strip entered right to left", {2, 4, 2, 0, 10, 0}, true, 0.625, 0.5 - 1.0 / 3},
      {"stem-only load", {0, 2, 0.2, 0, 5, 0}, false, 0, 0},
      {"horizontal load", {1, 4, 0.2, 0, 5, 0}, false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto d = ToeWall();
    d->SetnNiniCount(1);
    auto L = d->pNini(0);
    L->nType = c.L.type;
    L->nTarget = c.L.target;
    L->X1 = c.L.X1;
    L->X2 = c.L.X2;
    L->P1 = c.L.P1;
    L->P2 = c.L.P2;
    d->pCase(0)->SetnNiniCount(1);
    d->pCase(0)->SetnNini(0, 1);
    ASSERT_TRUE(CalcFotStress(*d, 0));
    const CFotRes& f = *d->pFotRes(0);
    ASSERT_EQ(f.nNini(), c.taken ? 1 : 0);
    std::vector<Item> items{kSlab, kReaction};
    if (c.taken) {
      EXPECT_EQ(f.NiniNo(0), 0);
      EXPECT_NEAR(f.NiniLoad(0), c.load, 1e-12);
      EXPECT_NEAR(f.NiniX(0), c.arm, 1e-12);
      items.push_back({-c.load, c.arm});
    }
    ExpectForces(f, items);
  }
}

// The slab carries the soil and water of the state the stability run used for
// the case: the earth-pressure state of a seismic document, never a third one.
TEST(FotStress, StateOfTheCase) {
  struct Case {
    const char* what;
    int16_t bQuake, nQuake;
    int32_t Doat;
    double soil;  // soil height expected on the slab
  };
  const Case cases[] = {
      {"normal document", 0, 1, 1, 1.0},
      {"seismic case", -1, 1, 1, 1.5},
      {"normal case of a seismic document", -1, 0, 0, 1.0},
      {"case code 2 counts as normal", -1, 2, 0, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto d = ToeWall();
    d->bQuake = c.bQuake;
    d->SetSoilFH(0, 1.0);
    d->SetSoilFH(1, 1.5);
    d->pCase(0)->nQuake = c.nQuake;
    d->pCase(0)->Doat = c.Doat;
    ASSERT_TRUE(CalcFotStress(*d, 0));
    const CFotRes& f = *d->pFotRes(0);
    ASSERT_NE(f.SoilW(0), nullptr);
    EXPECT_NEAR(f.SoilW(0)->w(), 18 * 0.5 * (c.soil - 0.5), 1e-12);
  }
}

TEST(FotStress, TriangularReaction) {
  // e = 0.8 > B/6: triangle over 3D = 2.1 m from the toe, 200 at the toe.
  auto d = ToeWall();
  auto r = d->AntRes(0, 0);
  r->E = 0.8;
  r->D = 0.7;
  r->Qmax = 200;
  r->Qmin = 0;
  ASSERT_TRUE(CalcFotStress(*d, 0));
  const CFotRes& f = *d->pFotRes(0);
  const double q2 = 200 - 0.5 * 200 / 2.1;
  EXPECT_NEAR(f.FotQ1, 200, 1e-9);
  EXPECT_NEAR(f.FotQ2, q2, 1e-9);
  EXPECT_NEAR(f.FotQ, (200 + q2) * 0.25, 1e-9);
  EXPECT_NEAR(f.FotQX, 0.5 - 0.5 * (2 * q2 + 200) / (3 * (q2 + 200)), 1e-12);
}

// B 3, e 1.3, ΣV 30 (d = 0.2): the triangle runs 3d = 0.6 m from the toe
// with q1 = 2·30/0.6 = 100 and ends before the section of a 0.8 m toe. The
// slab carries Q = ½·100·0.6 = 30 at 0.8 − 0.6/3 = 0.6 from the section; the
// section itself has no reaction.
TEST(FotStress, TriangleEndingBeforeTheSectionLoadsOnlyItsWidth) {
  auto d = ToeWall();
  d->GrwB4 = 0.8;
  auto r = d->AntRes(0, 0);
  r->E = 1.3;
  r->D = 0.2;
  r->Qmax = 100;
  r->Qmin = 0;
  ASSERT_TRUE(CalcFotStress(*d, 0));
  const CFotRes& f = *d->pFotRes(0);
  EXPECT_NEAR(f.FotQ1, 100, 1e-9);
  EXPECT_EQ(f.FotQ2, 0);
  EXPECT_NEAR(f.FotQ, 30, 1e-9);
  EXPECT_NEAR(f.FotQX, 0.6, 1e-12);
  // Slab 0.8 × 0.5 × 24 = 9.6 at 0.4: S = 30 − 9.6, M = 18 − 3.84.
  EXPECT_NEAR(f.ForceS, 20.4, 1e-9);
  EXPECT_NEAR(f.ForceM, 14.16, 1e-9);
}

// Base 3 m, toe 0.8 m (slab 9.6 kN at 0.4 m): the reaction under the slab
// for triangles from the heel (width x = 3(B − D), start B − x from the toe)
// and, unchanged, from the toe and for a trapezoid. A heel triangle carries
// only the part w = x − (B − l) under the slab: Q = ½·q0·w at w/3.
TEST(FotStress, ReactionOnlyWhereTheSlabIsUnderPressure) {
  struct Case {
    const char* what;
    double E, D, qmax, qmin;
    double q1, q0, Q, XQ;
  };
  const Case cases[] = {
      // x = 2.7 starts 0.3 from the toe: w 0.5, q0 = 27·0.5/2.7 = 5.
      {"heel triangle reaching under the slab", -0.6, 2.1, 27, 0, 0, 5, 1.25, 0.5 / 3},
      // x = 2.2 = B − l: the triangle starts at the section.
      {"heel triangle ending at the section", -(1.5 - 2.2 / 3), 1.5 + (1.5 - 2.2 / 3), 30, 0, 0, 0,
       0, 0},
      // x = 1.5 starts 1.5 from the toe, behind the section.
      {"heel triangle not reaching the slab", -1.0, 2.5, 40, 0, 0, 0, 0, 0},
      // e = −B/6: x = B, q0 = 20 − 20/3·2.2 = 5.3333 over the whole slab.
      {"heel triangle over the whole base", -0.5, 2.0, 20, 0, 0, 16.0 / 3, 32.0 / 15, 0.8 / 3},
      // x = 0.6 from the toe: ½·100·0.6 at 0.8 − 0.2.
      {"toe triangle ending before the section", 1.3, 0.2, 100, 0, 100, 0, 30, 0.6},
      // x = 1.5: q0 = 40·0.7/1.5 = 18.667, Q = ½(40 + 18.667)·0.8 = 23.467,
      // X = (2·40 + 18.667)/(40 + 18.667)·0.8/3 = 296/176·0.8/3 = 0.44848.
      {"toe triangle past the section", 1.0, 0.5, 40, 0, 40, 56.0 / 3, 352.0 / 15,
       296 * 0.8 / (176 * 3)},
      // 6 at the toe, 14 at the heel: q0 = 6 + 8/3·0.8 = 8.1333, Q = 5.6533,
      // X = (2·6 + 8.1333)/(6 + 8.1333)·0.8/3 = 302/212·0.8/3 = 0.37987.
      {"trapezoid, e < 0", -0.2, 1.7, 14, 6, 6, 122.0 / 15, 212 * 0.4 / 15, 302 * 0.8 / (212 * 3)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto d = ToeWall();
    d->GrwB4 = 0.8;
    auto r = d->AntRes(0, 0);
    r->E = c.E;
    r->D = c.D;
    r->Qmax = c.qmax;
    r->Qmin = c.qmin;
    ASSERT_TRUE(CalcFotStress(*d, 0));
    const CFotRes& f = *d->pFotRes(0);
    EXPECT_NEAR(f.FotQ1, c.q1, 1e-9);
    EXPECT_NEAR(f.FotQ2, c.q0, 1e-9);
    EXPECT_NEAR(f.FotQ, c.Q, 1e-6);
    if (c.Q != 0) {
      EXPECT_NEAR(f.FotQX, c.XQ, 1e-6);
    }
    // The slab's own weight acts against the reaction.
    EXPECT_NEAR(f.ForceS, c.Q - 9.6, 1e-6);
    EXPECT_NEAR(f.ForceM, c.Q * c.XQ - 3.84, 1e-6);
  }
}

TEST(FotStress, NoUsableReactionOrNoToe) {
  {  // The resultant left the base: no reaction to design the slab for.
    auto d = ToeWall();
    d->AntRes(0, 0)->Qmax = 1e10;
    d->AntRes(0, 0)->Qmin = 1e10;
    d->AntRes(0, 0)->E = 2;
    EXPECT_FALSE(CalcFotStress(*d, 0));
    const CFotRes& f = *d->pFotRes(0);
    EXPECT_EQ(f.ForceS, kNullBox);
    EXPECT_EQ(f.ForceM, kNullBox);
    EXPECT_EQ(f.Sgmc(0), kNullBox);
    EXPECT_EQ(f.Tauc, kNullBox);
  }
  {  // No toe slab: the record is left alone.
    auto d = ToeWall();
    d->GrwB4 = 0;
    d->pFotRes(0)->ForceS = 123;
    EXPECT_TRUE(CalcFotStress(*d, 0));
    EXPECT_EQ(d->pFotRes(0)->ForceS, 123);
  }
}

}  // namespace
}  // namespace norva

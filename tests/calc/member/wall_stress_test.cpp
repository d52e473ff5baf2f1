// Stem stresses at the check sections: sigma = N/B +- 6M/B^2 and tau = S/B on
// hand-computed section forces, and the fixed widths of large-block walls.
#include "calc/member/wall_stress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "calc/member/member_fixtures.h"
#include "calc/member/wall_force.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/outline.h"

namespace norva {
namespace {

using member_test::BatteredWall;
using member_test::Shoelace;

TEST(WallStress, RectangularSectionsByHand) {
  auto d = BatteredWall();
  d->pCase(0)->AllowPremium = 1.5;
  d->SetnWallSecCnt(0, 2);
  d->SetWallSecY(0, 0, 1.0);
  d->SetWallSecY(0, 1, 2.0);
  ASSERT_TRUE(CalcWallStress(*d, 0, 0));

  // y = 1: N = 23 x 5.25 = 120.75 kN; S = 18 x 3^2 / 6 = 27 kN at 1 m;
  // the body's centroid 0.3825/5.25 m behind the axis: M = 27 - 8.7975.
  // Width 2 - 0.1 = 1.9 m.
  // y = 2: body 3.4 m2 (trapezoid 1.8 / 1.6 over 2 m), S = 18 x 2^2 / 6 = 12
  // at 2/3 m, width 1.8 m, axis at x = 1.1.
  const auto b2 = Shoelace({{0.2, 2}, {0.4, 4}, {2, 4}, {2, 2}});
  struct Expect {
    double N, S, M, B;
  };
  const Expect ex[] = {
      {120.75, 27, 27 - 8.7975, 1.9},
      {23 * b2.A, 12, 12 * 2.0 / 3 - 23 * b2.A * (b2.cx - 1.1), 1.8},
  };
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const CWallRes& r = *d->pWallRes(0, 0, i);
    const Expect& e = ex[i];
    EXPECT_NEAR(r.ForceN, e.N, 1e-9);
    EXPECT_NEAR(r.ForceS, e.S, 1e-9);
    EXPECT_NEAR(r.ForceM, e.M, 1e-9);
    EXPECT_NEAR(r.Height(0), e.B, 1e-12);
    EXPECT_NEAR(r.Height(1), e.B, 1e-12);
    EXPECT_NEAR(r.Sgmc(0), (e.N / e.B + 6 * e.M / (e.B * e.B)) / 1000, 1e-12);
    EXPECT_NEAR(r.Sgmc(1), (e.N / e.B - 6 * e.M / (e.B * e.B)) / 1000, 1e-12);
    EXPECT_NEAR(r.Tauc, e.S / e.B / 1000, 1e-12);
    EXPECT_NEAR(r.Sgmca, 6.0, 1e-12);  // 1.5 x 4
    EXPECT_NEAR(r.Sgmta, 0.3, 1e-12);  // 1.5 x 0.2
    EXPECT_NEAR(r.Taua, 0.45, 1e-12);  // 1.5 x 0.3
  }
  // The first section in plain numbers.
  const CWallRes& r0 = *d->pWallRes(0, 0, 0);
  EXPECT_NEAR(r0.Sgmc(0), 0.0938060941828255, 1e-12);
  EXPECT_NEAR(r0.Sgmc(1), 0.0332991689750693, 1e-12);
  EXPECT_NEAR(r0.Tauc, 0.0142105263157895, 1e-12);

  // A second call reuses the records and gives the same values.
  const auto* first = d->pWallRes(0, 0, 0).get();
  const double s0 = r0.Sgmc(0);
  ASSERT_TRUE(CalcWallStress(*d, 0, 0));
  EXPECT_EQ(d->pWallRes(0, 0, 0).get(), first);
  EXPECT_EQ(d->pWallRes(0, 0, 0)->Sgmc(0), s0);
}

TEST(WallStress, NoSectionsChangeNothing) {
  auto d = BatteredWall();
  d->SetnWallSecCnt(0, 0);
  EXPECT_TRUE(CalcWallStress(*d, 0, 0));
  EXPECT_EQ(d->pWallRes(0, 0, 0), nullptr);
}

// Large-block wall, faces 1 : 0.5 (cos = 2/sqrt5), blocks 0.5 m with 0.2 m of
// backfill concrete, BlkT2 = 0.1: widths 0.4/cos and 0.3/cos at every
// section. No backfill weight, so the forces are the body and the wall-face
// reaction (qtu 20 at the top, 5 at the foot of the 3.354 m face).
TEST(WallStress, LargeBlockWidthsAndFaceReaction) {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(0);
  d->Sisin = 3;
  d->nBlkFound = 1;
  d->nBlkSetup = 1;
  d->BlkN = 0.5;
  d->BlkT = 0.5;
  d->BlkT2 = 0.1;
  d->BlkDeltT1 = 0.2;
  d->BlkDeltT2 = 0.2;
  d->WallH = 3;
  d->Gamcw = 20;
  d->Gamb = 0;
  d->Gambd = 0;
  d->Fai = 30;
  d->Setdelt(0, 0);
  d->SetC(0, 0);
  d->Doatsu = 0;
  d->UragomeType = 0;
  d->UraHd = 0;
  d->nTentou = 0;
  d->SetnCase(1);
  d->pCase(0)->AllowPremium = 1.0;
  auto a = d->AntRes(0, 0);
  a->qtu = 20;
  a->qtl = 5;
  a->l1 = 0;
  d->SetnWallSecCnt(0, 2);
  d->SetWallSecY(0, 0, 1.0);
  d->SetWallSecY(0, 1, 2.0);
  ASSERT_TRUE(CalcWallStress(*d, 0, 0));

  const double s5 = std::sqrt(5.0);
  const double B0 = 0.2 * s5, B1 = 0.15 * s5;
  for (int i = 0; i < 2; ++i) {
    EXPECT_NEAR(d->pWallRes(0, 0, i)->Height(0), B0, 1e-12);
    EXPECT_NEAR(d->pWallRes(0, 0, i)->Height(1), B1, 1e-12);
  }
  // y = 1: body 0.35 sqrt5 wide (horizontally) and 2 m high, centroid on the
  // axis 1 m up, so 0.5 m behind the axis point of the section. Face
  // reaction 15 up and 30 forwards, 10/9 m up, 0.35 sqrt5/2 + 5/9 behind.
  const CWallRes& r = *d->pWallRes(0, 0, 0);
  const double w = 20 * 0.35 * s5 * 2;
  const double Xf = 0.35 * s5 / 2 + 5.0 / 9;
  EXPECT_EQ(r.nAForce(9), 1);
  EXPECT_NEAR(r.AForceN(9), -15, 1e-9);
  EXPECT_NEAR(r.AForceS(9), 30, 1e-9);
  EXPECT_NEAR(r.AForceX(9), Xf, 1e-9);
  EXPECT_NEAR(r.AForceY(9), 10.0 / 9, 1e-9);
  EXPECT_NEAR(r.AForceX(0), 0.5, 1e-9);
  const double N = w - 15;
  const double M = 30 * 10.0 / 9 - (w * 0.5 - 15 * Xf);
  EXPECT_NEAR(r.ForceN, N, 1e-9);
  EXPECT_NEAR(r.ForceS, 30, 1e-9);
  EXPECT_NEAR(r.ForceM, M, 1e-9);
  EXPECT_NEAR(r.Sgmc(0), (6 * M / (B0 * B0) + N / B0) / 1000, 1e-12);
  EXPECT_NEAR(r.Sgmc(1), (N / B0 - 6 * M / (B0 * B0)) / 1000, 1e-12);
  EXPECT_NEAR(r.Tauc, 30 / B1 / 1000, 1e-12);

  // Without a wall-face reaction from the run the sections have no stresses.
  a->qtu = kNullBox;
  EXPECT_FALSE(CalcWallStress(*d, 0, 0));
  EXPECT_EQ(d->pWallRes(0, 0, 1)->Sgmc(0), kNullBox);
}

// A section whose forces cannot be formed shows no stresses, not zeros.
TEST(WallStress, SectionWithoutForcesIsBlank) {
  auto d = BatteredWall();
  d->nStone = 0;
  d->StoneLoad = 30;
  d->StonePich = 0;
  d->StoneHight = 0.5;
  d->pCase(0)->nStoneCrash = 1;
  d->SetnWallSecCnt(0, 1);
  d->SetWallSecY(0, 0, 1.0);
  EXPECT_FALSE(CalcWallStress(*d, 0, 0));
  const CWallRes& r = *d->pWallRes(0, 0, 0);
  EXPECT_EQ(r.ForceN, kNullBox);
  EXPECT_EQ(r.Sgmc(0), kNullBox);
  EXPECT_EQ(r.Sgmc(1), kNullBox);
  EXPECT_EQ(r.Tauc, kNullBox);
}

// Mixed wall whose upper wall has vertical faces: blocks 0.35 and back concrete
// 0.30 thick at the top and at the joint, standing on a joint that falls 0.2
// over 1.2 m to the lower wall's back corner P3 = (1.7, 1.3). At the joint's
// front (y = 1.5) the upper wall is 0.35 + 0.30 = 0.65 wide between x = 0.5
// and 1.15; its axis is the vertical x = 0.825, so the body's centroid lies
// on it. The line from P3 to the crest's back corner (1.15, 3.5) would give
// 1.7 - 0.55 × 0.2 / 2.2 - 0.5 = 1.15 m, which takes in soil behind the wall.
TEST(WallStress, MixedUpperWallIsCutBetweenItsOwnFaces) {
  auto d = BatteredWall();
  d->SetWallType(3);
  d->GrwB = 1.7;
  d->GrwB1 = 0.5;
  d->GrwB2 = 1.2;
  d->GrwB3 = 0;
  d->MxwH1 = 2.0;
  d->MxwH2 = 1.5;
  d->MxwH3 = 0.2;
  d->WallH = 3.5;
  d->BlkN = 0;
  d->BlkT = 0.35;
  d->BlkDeltT1 = 0.3;
  d->BlkDeltT2 = 0.3;
  d->nBlkSetup = 0;
  d->SetnWallSecCnt(0, 1);
  d->SetWallSecY(0, 0, 0.0);
  CalcWallStress(*d, 0, 0);
  const CWallRes& r = *d->pWallRes(0, 0, 0);
  EXPECT_NEAR(r.Height(0), 0.65, 1e-12);
  EXPECT_NEAR(r.Height(1), 0.65, 1e-12);
  ASSERT_NE(r.nAForce(0), 0);
  EXPECT_NEAR(r.AForceX(0), 0.0, 1e-12);

  // The wall-face reaction of the large-block guideline acts on the same back
  // face, from P10 = (0.5 + 0.65, 1.5 - 0.65 / 6) up to the crest.
  KutaiPoints p;
  DPoint c1, c2;
  MakeKutaiOutline(*d, p, c1, c2, 0);
  const WallReactionFace face = WallFaceOfReaction(*d, p);
  EXPECT_NEAR(face.lo.X, 1.15, 1e-12);
  EXPECT_NEAR(face.lo.Y, 1.5 - 0.65 / 6, 1e-12);
  EXPECT_NEAR(face.hi.X, 1.15, 1e-12);
  EXPECT_NEAR(face.hi.Y, 3.5, 1e-12);
}

}  // namespace
}  // namespace norva

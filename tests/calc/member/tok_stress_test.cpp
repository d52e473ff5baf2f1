// Shear key: the key's share of the horizontal force, the required steel from
// the cubic (checked by the stress it gives: exactly the allowable), and the
// stresses with the provided bars, by hand.
#include "calc/member/tok_stress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"

namespace norva {
namespace {

constexpr double kDeg = 0.017453292519943278;

// Gravity wall 3 m wide with a key 1 m behind the toe, 0.6 m thick, 0.5 m
// deep; road earthworks, phi 30, base friction 20, c 10; the sliding check
// left Q1 80, Q2 40, Q3 60, s1 1 for a horizontal force of 100.
std::unique_ptr<CDocument> KeyWall() {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(1);
  d->Tokki = 1;
  d->Sisin = 2;
  d->ChkSlide = 1;
  d->TokX = 1.0;
  d->TokB = 0.6;
  d->TokL = 0.5;
  d->TokDia = 16;
  d->TokHon = 5;
  d->TokKab = kNullDouble;
  d->SijiFai = 30;
  d->Faib = 20;
  d->SijiC = 10;
  d->Sgmca = 8;
  d->Sgmsa = 180;
  d->Taua = 0.36;
  d->SetnCase(1);
  d->pCase(0)->AllowPremium = 1.0;
  auto r = d->AntRes(0, 0);
  r->SgmH = 100;
  r->SgmV = 250;
  r->Breadth = 3;
  r->E = 0.25;
  r->D = 1.25;
  r->Hu = 150;
  r->Q1 = 80;
  r->Q2 = 40;
  r->Q3 = 60;
  r->s1 = 1;
  return d;
}

// Neutral axis of a cracked rectangular section 1 m wide, n = 15.
double NeutralAxis(double As, double D) { return 15 * As * (std::sqrt(1 + 2 * D / (15 * As)) - 1); }

TEST(TokStress, RoadEarthworksByHand) {
  auto d = KeyWall();
  ASSERT_TRUE(CalcTokStress(*d, 0));
  const CTokRes& t = *d->pTokRes(0);
  const double tf = std::tan(30 * kDeg), tb = std::tan(20 * kDeg);
  const double Hk = 10 + tf * 80 + tb * 100;
  const double T = 10 + tb * 40 + (tf - tb) * 80;
  const double Ht = 100 * T / Hk;
  EXPECT_NEAR(Ht, 44.9632, 1e-4);  // 100 x 41.6292 / 92.5850
  EXPECT_NEAR(t.Ht, Ht, 1e-9);
  EXPECT_NEAR(t.ForceS, Ht, 1e-9);
  EXPECT_NEAR(t.ForceM, 0.5 * Ht / 2, 1e-9);
  // No cover entered: 100 mm, and the document keeps its blank.
  EXPECT_NEAR(t.D, 0.5, 1e-12);
  EXPECT_EQ(d->TokKab, kNullDouble);

  // Required steel: with As = fAs the neutral axis is fAsX and the steel
  // stress is the allowable exactly.
  const double M = t.ForceM, D = 0.5;
  ASSERT_GT(t.fAsX, 0);
  ASSERT_LT(t.fAsX, D);
  EXPECT_NEAR(NeutralAxis(t.fAs, D), t.fAsX, 1e-12);
  const double sc = 2 * M / ((D - t.fAsX / 3) * t.fAsX);
  EXPECT_NEAR(15 * sc * (D - t.fAsX) / t.fAsX, 180000, 1e-6);
  EXPECT_NEAR(t.fAs, M / ((D - t.fAsX / 3) * 180000), 1e-15);

  // Provided: 5 bars D16 = 5 x 1.986 cm2.
  const double As = 5 * 1.986e-4;
  const double x = NeutralAxis(As, D);
  EXPECT_NEAR(t.fX, x, 1e-12);
  const double sigc = 2 * M / ((D - x / 3) * x);
  EXPECT_NEAR(t.Sgmc, sigc / 1000, 1e-12);
  EXPECT_NEAR(t.Sgms, 15 * sigc * (D - x) / x / 1000, 1e-12);
  EXPECT_NEAR(t.Tauc, Ht / D / 1000, 1e-12);
  EXPECT_NEAR(t.Sgmca, 8, 1e-12);
  EXPECT_NEAR(t.Sgmsa, 180, 1e-12);
  EXPECT_NEAR(t.Taua, 0.36, 1e-12);
}

TEST(TokStress, OtherGuidelineUsesReactionAndSafetyFactor) {
  auto d = KeyWall();
  d->Sisin = 0;
  d->TokKab = 50;
  d->pCase(0)->AllowPremium = 1.5;
  // Trapezoid 150 at the toe, 50 at the heel: 116.667 at the key.
  auto r = d->AntRes(0, 0);
  r->Qmax = 150;
  r->Qmin = 50;
  ASSERT_TRUE(CalcTokStress(*d, 0));
  const CTokRes& t = *d->pTokRes(0);
  const double tf = std::tan(30 * kDeg), tb = std::tan(20 * kDeg);
  const double q1 = 150, q3 = 150 - 100.0 / 3, q2 = 50;
  const double T = (tf - tb) * (q3 + q1) * 0.5 * 1 + (q3 + q2) * 0.5 * 2 * tb + 10 * 1;
  EXPECT_NEAR(t.Ht, T / (150.0 / 100), 1e-9);
  EXPECT_NEAR(t.D, 0.55, 1e-12);
  EXPECT_NEAR(t.Sgmsa, 270, 1e-12);
  EXPECT_EQ(d->TokKab, 50);
}

// With the sliding check off, the key still gets the sliding values of its
// own case, not what an earlier run left in the record.
TEST(TokStress, SlidingCheckOff) {
  for (int sisin : {2, 0}) {
    SCOPED_TRACE(sisin);
    auto ref = KeyWall();
    ref->Sisin = sisin;
    auto a = ref->AntRes(0, 0);
    a->Qmax = 150;
    a->Qmin = 50;
    // Road earthworks: B' = 3 - 0.5 = 2.5, stretches 1, 0.6, 0.9 under 250 kN.
    a->Q1 = sisin == 2 ? 100 : 150;
    a->Q2 = sisin == 2 ? 60 : 150 - 100.0 / 3;
    a->Q3 = sisin == 2 ? 90 : 50;
    const double tf = std::tan(30 * kDeg), tb = std::tan(20 * kDeg);
    a->Hu = sisin == 2 ? (90 + 60) * tb + 100 * tf + 10
                       : (50 + a->Q2) / 2 * 2 * tb + (a->Q2 + 150) / 2 * 1 * tf + 10;
    ASSERT_TRUE(CalcTokStress(*ref, 0));

    auto off = KeyWall();
    off->Sisin = sisin;
    off->ChkSlide = 0;
    auto b = off->AntRes(0, 0);
    b->Qmax = 150;
    b->Qmin = 50;
    b->Hu = 999;  // stale values of some earlier calculation
    b->Q1 = b->Q2 = b->Q3 = 7;
    b->s1 = 0;
    ASSERT_TRUE(CalcTokStress(*off, 0));
    EXPECT_NEAR(off->pTokRes(0)->Ht, ref->pTokRes(0)->Ht, 1e-9);
    EXPECT_GT(off->pTokRes(0)->Ht, 0);
    // The sliding result itself is left as the run left it.
    EXPECT_EQ(b->Hu, 999);
  }
}

// Base friction steeper than the ground's: the key's share turns negative and
// so does the moment; the section is designed for its size.
TEST(TokStress, NegativeMoment) {
  auto neg = KeyWall();
  neg->SijiFai = 10;
  neg->Faib = 35;
  neg->SijiC = 0;
  auto r = neg->AntRes(0, 0);
  r->Q1 = 100;
  r->Q2 = 10;
  r->Q3 = 10;
  ASSERT_TRUE(CalcTokStress(*neg, 0));
  const CTokRes& t = *neg->pTokRes(0);
  const double tf = std::tan(10 * kDeg), tb = std::tan(35 * kDeg);
  const double Ht = 100 * (tb * 10 + (tf - tb) * 100) / (tf * 100 + tb * 20);
  ASSERT_LT(Ht, 0);
  EXPECT_NEAR(t.Ht, Ht, 1e-9);
  EXPECT_NEAR(t.ForceM, 0.25 * Ht, 1e-9);
  const double D = 0.5, M = -t.ForceM;
  ASSERT_GT(t.fAsX, 0);
  ASSERT_LT(t.fAsX, D);
  EXPECT_NEAR(NeutralAxis(t.fAs, D), t.fAsX, 1e-12);
  EXPECT_NEAR(15 * 2 * M / ((D - t.fAsX / 3) * t.fAsX) * (D - t.fAsX) / t.fAsX, 180000, 1e-6);
  EXPECT_GT(t.Sgmc, 0);
  EXPECT_GT(t.Sgms, 0);
}

TEST(TokStress, NoSteelZeroDepthAndNoKey) {
  {  // A diameter outside the list: no steel, blank stresses, the rest computed.
    auto d = KeyWall();
    d->TokDia = 17;
    ASSERT_TRUE(CalcTokStress(*d, 0));
    const CTokRes& t = *d->pTokRes(0);
    EXPECT_EQ(t.Sgmc, kNullBox);
    EXPECT_EQ(t.Sgms, kNullBox);
    EXPECT_EQ(t.Tauc, kNullBox);
    EXPECT_GT(t.Ht, 0);
    EXPECT_GT(t.fAs, 0);
  }
  {  // Cover as thick as the key: no depth to carry the moment.
    auto d = KeyWall();
    d->TokKab = 600;
    EXPECT_FALSE(CalcTokStress(*d, 0));
    const CTokRes& t = *d->pTokRes(0);
    EXPECT_EQ(t.D, 0);
    EXPECT_EQ(t.Sgmc, kNullBox);
    EXPECT_EQ(t.Tauc, kNullBox);
    EXPECT_EQ(t.fAs, kNullBox);
  }
  {  // No resistance under the base while a horizontal force acts.
    auto d = KeyWall();
    d->SijiC = 0;
    auto r = d->AntRes(0, 0);
    r->Q1 = r->Q2 = r->Q3 = 0;
    EXPECT_FALSE(CalcTokStress(*d, 0));
    EXPECT_EQ(d->pTokRes(0)->Ht, kNullBox);
  }
  {  // No horizontal force under another guideline: all forces 0.
    auto d = KeyWall();
    d->Sisin = 0;
    auto r = d->AntRes(0, 0);
    r->SgmH = 0;
    r->Qmax = 150;
    r->Qmin = 50;
    ASSERT_TRUE(CalcTokStress(*d, 0));
    EXPECT_EQ(d->pTokRes(0)->Ht, 0);
    EXPECT_EQ(d->pTokRes(0)->ForceM, 0);
    EXPECT_EQ(d->pTokRes(0)->fAs, 0);
  }
  for (int kind : {0, 1}) {  // block wall; wall without a key
    auto d = KeyWall();
    if (kind == 0) d->SetWallType(0);
    d->Tokki = 0;
    auto before = d->pTokRes(0);
    before->Ht = 5;
    EXPECT_TRUE(CalcTokStress(*d, 0));
    EXPECT_EQ(d->pTokRes(0), before);
    EXPECT_EQ(d->pTokRes(0)->Ht, 5);
  }
}

TEST(TokStress, MixedWallReadsTheLowerWall) {
  auto d = KeyWall();
  d->SetWallType(3);
  d->Tokki = 1;
  auto upper = d->AntRes(0, 0);
  auto lower = d->AntRes(1, 0);
  *lower = *upper;
  upper->SgmH = 1;  // not the key's
  ASSERT_TRUE(CalcTokStress(*d, 0));
  const double tf = std::tan(30 * kDeg), tb = std::tan(20 * kDeg);
  EXPECT_NEAR(d->pTokRes(0)->Ht, 100 * (10 + tb * 40 + (tf - tb) * 80) / (10 + tf * 80 + tb * 100),
              1e-9);
}

}  // namespace
}  // namespace norva

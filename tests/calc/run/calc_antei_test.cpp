// Whole-document runs of small walls. Expected values are hand calculations
// of the 2 m x 4 m gravity wall (see the block below); the trial wedge is
// checked against the Coulomb value it must approach.
//
// Hand calculation, wall 2 x 4, gamma_c 23: W = 184 at x = 1, y = 2.
//   Normal (phi 30, delta 20): Ka = 0.297313857, Pa = 8 * 18 * Ka = 42.8131954
//   at y = 4/3; Pah = Pa cos 20, Pav = Pa sin 20.
//   Seismic (delta 15, kh 0.2): Ka = 0.452032249, Pa = 65.0926438, inertia
//   0.2 * 184 = 36.8 at y = 2.
//   Water at h = 2 on both sides (submerged gamma 9): p1 = 2 * 18 Ka,
//   p2 = p1 + 2 * 9 Ka, Pa = 36 Ka + 90 Ka = 126 Ka = 37.4615460; its height
//   (36 Ka * (2/3 + 2) + 90 Ka * (2 p1 + p2)/(p1 + p2) * 2/3) / Pa = 1.4285714.
//   Uplift 9.8 * 2 over 2 m = 39.2 at x = 1 (the same as the buoyancy of the
//   submerged 2 x 2 of the body).
//   SumV = 184 + Pav - U, SumH = Pah (+ 36.8), Mr = 184 + 2 Pav - U,
//   Mo = Pah y (+ 73.6), D = (Mr - Mo) / SumV, E = 1 - D; q = SumV / 2
//   (1 +- 3E) when |E| < 1/3, else 2 SumV / (3 (1 - |E|)); Fm = Mr / Mo;
//   Fs = 0.6 SumV / SumH; Qu = 3 * 300; Qa = Qu / QuPremium; fB = Qa / qmax.
#include "calc/run/calc_antei.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "calc/earth_pressure/coulomb.h"
#include "calc/earth_pressure/doatsu.h"
#include "calc/run/recalc_case.h"
#include "calc/run/run_fixtures.h"
#include "calc/stability/force_sum.h"
#include "calc/stability/stability_checks.h"
#include "calc/stability/water.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/outline.h"
#include "document/weight.h"

namespace norva {
namespace {

using testing_run::AddCase;
using testing_run::BlockWall;
using testing_run::GravityWall;
using testing_run::ProgressRecorder;
using testing_run::ScopedMessages;
using testing_run::ScopedTempDir;
using testing_run::SetLeaningShape;
using testing_run::SetMixedShape;

void ExpectSig(double actual, double expected) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * 2e-7 + 1e-9);
}

struct Hand {
  double Pa, Pah, Pav, Pay, V, H, Mr, Mo, D, E, qmax, qmin, Fm, Fs;
};
constexpr Hand kDry{42.813195438,  40.231243825,  14.642975240, 4.0 / 3,     198.642975240,
                    40.231243825,  213.285950480, 53.641658433, 0.803674491, 0.196325509,
                    157.819512410, 40.823462830,  3.976125211,  2.962518029};
constexpr Hand kSeismic{65.092643836,  62.874665782,  16.847215921,  4.0 / 3,     200.847215921,
                        99.674665782,  217.694431842, 157.432887710, 0.300036741, 0.699963259,
                        446.272491293, 0.0,           1.382776083,   1.209016640};
constexpr Hand kWater2{37.461546008,  35.202338347,  12.812603335, 1.428571429, 157.612603335,
                       35.202338347,  170.425206670, 50.289054781, 0.762224272, 0.237775728,
                       135.020978837, 22.591624498,  3.388912506,  2.686400008};

void ExpectHand(const CAntRes& r, const Hand& h) {
  ExpectSig(r.Pa, h.Pa);
  ExpectSig(r.Pah, h.Pah);
  ExpectSig(r.Pav, h.Pav);
  ExpectSig(r.Pay, h.Pay);
  ExpectSig(r.SgmV, h.V);
  ExpectSig(r.SgmH, h.H);
  ExpectSig(r.SgmMr, h.Mr);
  ExpectSig(r.SgmMo, h.Mo);
  ExpectSig(r.D, h.D);
  ExpectSig(r.E, h.E);
  ExpectSig(r.Qmax, h.qmax);
  ExpectSig(r.Qmin, h.qmin);
  ExpectSig(r.Fm, h.Fm);
  ExpectSig(r.Fs, h.Fs);
}

TEST(CalcAntei, FullRunOfNormalAndSeismicCasesByHand) {
  ScopedMessages msg;
  auto d = GravityWall(true);
  ProgressRecorder pr;
  EXPECT_FALSE(CalcAntei(*d, 0, 0, &pr));
  EXPECT_TRUE(msg.rec.texts.empty());

  struct Row {
    int cas;
    Hand h;
    double Ea, Fma, Fsa, Qa;
  };
  const Row rows[] = {{0, kDry, 2.0 / 6, 1.5, 1.5, 300}, {1, kSeismic, 2.0 / 3, 1.2, 1.2, 450}};
  for (const Row& x : rows) {
    SCOPED_TRACE(x.cas);
    const CAntRes& r = *d->AntRes(0, x.cas);
    ExpectHand(r, x.h);
    ExpectSig(r.Ea, x.Ea);
    ExpectSig(r.Fma, x.Fma);
    ExpectSig(r.Fsa, x.Fsa);
    ExpectSig(r.Qu, 900);
    ExpectSig(r.Qa, x.Qa);
    ExpectSig(r.fB, x.Qa / x.h.qmax);
    EXPECT_EQ(r.YouatsuV, 0);
    EXPECT_EQ(r.Pwf, 0);
    EXPECT_EQ(r.Pwb, 0);
  }

  // Polygons: the body only; no front soil, no water.
  ASSERT_TRUE(d->KutaiW1(0));
  ExpectSig(d->KutaiW1(0)->w(), 184);
  EXPECT_FALSE(d->KutaiW1(1));
  EXPECT_FALSE(d->KutaiW2(0));
  for (int s = 0; s < 2; ++s) {
    EXPECT_FALSE(d->Furyoku1(s));
    EXPECT_FALSE(d->SoilW1(s, 0));
    EXPECT_FALSE(d->SoilW1(s, 1));
  }

  const std::vector<std::pair<int, std::string>> expected = {
      {-1, "重量計算中..."},       {5, ""},  {-1, "常時時の計算中..."}, {52, ""},
      {-1, "地震時時の計算中..."}, {100, ""}};
  EXPECT_EQ(pr.calls, expected);
}

TEST(CalcAntei, ProgressOfTheCaseLoop) {
  struct C {
    int cases;
    std::vector<int> percents;
  };
  const C table[] = {{0, {5}},
                     {1, {5, 100}},
                     {2, {5, 52, 100}},
                     {3, {5, 37, 68, 100}},
                     {4, {5, 29, 52, 76, 100}},
                     {8, {5, 17, 29, 41, 52, 64, 76, 88, 100}}};
  for (const C& c : table) {
    SCOPED_TRACE(c.cases);
    auto d = GravityWall(false);
    while (d->nCase() < c.cases) AddCase(*d, 0, "C" + std::to_string(d->nCase()));
    d->SetnCase(static_cast<int16_t>(c.cases));
    ProgressRecorder pr;
    CalcAntei(*d, 0, 0, &pr);
    EXPECT_EQ(pr.Percents(), c.percents);
  }
}

TEST(CalcAntei, WaterCasesByHand) {
  ScopedMessages msg;
  // nWater 2: uplift; nWater 1: buoyancy of the body. Both take 39.2 kN at
  // x = 1, so the sums agree. The dry case of the same document keeps dry
  // values and no uplift.
  for (int32_t water : {2, 1}) {
    SCOPED_TRACE(water);
    auto d = GravityWall(false);
    d->nWater = water;
    d->SetWatFH(0, 2);
    d->SetWatBH(0, 2);
    d->pCase(0)->nWater = 1;
    const int dry = AddCase(*d, 0, "水なし");
    d->pCase(dry)->nWater = 0;
    CalcAntei(*d, 0, 0);
    EXPECT_TRUE(msg.rec.texts.empty());

    const CAntRes& w = *d->AntRes(0, 0);
    ExpectHand(w, kWater2);
    EXPECT_EQ(w.Pwf, 0);  // equal levels: no water pressure
    EXPECT_EQ(w.Pwb, 0);
    if (water == 2) {
      ExpectSig(w.YouatsuV, 39.2);
      ExpectSig(w.YouatsuV1, 19.6);
      ExpectSig(w.YouatsuV2, 19.6);
      ExpectSig(w.YouatsuXc, 1);
      EXPECT_FALSE(d->Furyoku1(0));
    } else {
      EXPECT_EQ(w.YouatsuV, 0);
      ASSERT_TRUE(d->Furyoku1(0));
      ExpectSig(d->Furyoku1(0)->w(), -39.2);
      ExpectSig(d->Furyoku1(0)->Yc(), 1);
      EXPECT_FALSE(d->Furyoku1(1));  // no seismic cases
    }
    const CAntRes& n = *d->AntRes(0, dry);
    ExpectHand(n, kDry);
    EXPECT_EQ(n.YouatsuV, 0);
  }
}

TEST(CalcAntei, QuietRunComputesOnlyTheWaterCasesOfItsState) {
  auto d = GravityWall(true);
  d->nWater = 2;
  for (int s = 0; s < 2; ++s) {
    d->SetWatFH(s, 2);
    d->SetWatBH(s, 2);
  }
  d->pCase(0)->nWater = 1;
  d->pCase(1)->nWater = 1;
  const int dryNormal = AddCase(*d, 0, "水なし");
  d->pCase(dryNormal)->nWater = 0;
  // Markers: what a quiet run must not touch stays as it is.
  for (int i = 0; i < d->nCase(); ++i) {
    d->AntRes(0, i)->Fs = 123;
    d->AntRes(0, i)->E = 0;
  }
  ProgressRecorder pr;
  CalcAntei(*d, 1, 0, &pr);
  EXPECT_TRUE(pr.calls.empty());
  ExpectSig(d->AntRes(0, 0)->Fs, kWater2.Fs);
  // The eccentricity belongs to this level (the sliding check may read it).
  ExpectSig(d->AntRes(0, 0)->E, kWater2.E);
  ExpectSig(d->AntRes(0, 0)->D, kWater2.D);
  EXPECT_EQ(d->AntRes(0, 0)->Qu, 0);  // no bearing check in a quiet run
  EXPECT_EQ(d->AntRes(0, 1)->Fs, 123);
  EXPECT_EQ(d->AntRes(0, dryNormal)->Fs, 123);

  CalcAntei(*d, 1, 1, &pr);
  EXPECT_NE(d->AntRes(0, 1)->Fs, 123);
  EXPECT_EQ(d->AntRes(0, dryNormal)->Fs, 123);
  EXPECT_TRUE(pr.calls.empty());
}

TEST(CalcAntei, WithoutSeismicSettingEveryCaseIsNormal) {
  auto d = GravityWall(true);
  d->bQuake = 0;
  d->nWater = 1;
  d->SetWatBH(0, 2);
  d->SetWatFH(0, 2);
  d->SetWatBH(1, 3);
  d->SetSoilFH(1, 1);
  CalcAntei(*d, 0, 0);
  // The seismic case is computed with delta 20 and no seismic angle, though
  // its inertia (nQuake) still acts on the body.
  const CAntRes& r = *d->AntRes(0, 1);
  ExpectSig(r.Pa, kDry.Pa);
  ExpectSig(r.SgmH, kDry.Pah + 36.8);
  EXPECT_TRUE(d->Furyoku1(0));
  EXPECT_FALSE(d->Furyoku1(1));
  EXPECT_FALSE(d->SoilW1(1, 0));
}

TEST(CalcAntei, BearingFactorFollowsTheDocumentAsItIsNow) {
  // The case was made under residential land with a small wall (Kibo 0);
  // the wall then counts as large (Kibo 1). The factor is never entered, so
  // the run takes the one that holds now, not the one the case was made with.
  auto d = GravityWall(true);
  d->Sisin = 4;
  d->nQa = 1;
  d->Qa = 100;                   // ultimate 3 x 100 = 300
  d->pCase(1)->QuPremium = 1.5;  // seismic case under Kibo 0
  d->Kibo = 1;
  CalcAntei(*d, 0, 0);
  EXPECT_EQ(d->pCase(1)->QuPremium, 1.0);
  EXPECT_DOUBLE_EQ(d->AntRes(0, 1)->Qa, 300.0);  // 300 / 1
  EXPECT_EQ(d->pCase(0)->QuPremium, 3.0);
  EXPECT_DOUBLE_EQ(d->AntRes(0, 0)->Qa, 100.0);  // 300 / 3
  // The one-case recalculation does the same.
  d->Kibo = 0;
  ReCalcCase(*d, 1);
  EXPECT_EQ(d->pCase(1)->QuPremium, 1.5);
  EXPECT_DOUBLE_EQ(d->AntRes(0, 1)->Qa, 200.0);  // 300 / 1.5
}

TEST(CalcAntei, TrialWedgeApproachesCoulombAndOwnsItsTrialFile) {
  ScopedTempDir tmp;
  auto d = GravityWall(false);
  d->Doatsu = 1;
  CalcAntei(*d, 0, 0);
  const CAntRes& r = *d->AntRes(0, 0);
  // The largest wedge force over slip angles is the Coulomb value.
  EXPECT_NEAR(r.Pa, kDry.Pa, kDry.Pa * 1e-3);
  EXPECT_LE(r.Pa, kDry.Pa * (1 + 1e-9));
  ExpectSig(r.Pah, r.Pa * std::cos(20 * 0.017453292519943278));
  ASSERT_TRUE(r.Kusabi(0));
  const std::string file = r.Kusabi(0)->TempFile;
  EXPECT_FALSE(file.empty());
  EXPECT_GT(KusabiRecordCount(file), 0);
  EXPECT_EQ(tmp.Files().size(), 1u);
  // A second run replaces the wedge and its file; nothing piles up.
  CalcAntei(*d, 0, 0);
  EXPECT_EQ(tmp.Files().size(), 1u);
  d.reset();
  EXPECT_TRUE(tmp.Files().empty());
}

TEST(CalcAntei, CaseThatCannotBeComputedIsMarkedAndNamed) {
  ScopedMessages msg;
  auto d = GravityWall(false);
  // A vehicle collision on a wall of no length cannot be turned into a load
  // per metre: that case fails, the other is computed.
  const int bad = AddCase(*d, 0, "衝突時");
  d->SetnAutoCrash(0, 0);
  d->AutoCrashLoad = 100;
  d->AutoCrashHigh = 1;
  d->AutoCrashV = 0;
  d->WallL = 0;
  d->pCase(bad)->nAutoCrash = 1;
  ProgressRecorder pr;
  CalcAntei(*d, 0, 0, &pr);
  ExpectHand(*d->AntRes(0, 0), kDry);
  const CAntRes& r = *d->AntRes(0, bad);
  for (double v : {r.SgmV, r.SgmH, r.D, r.E, r.Qmax, r.Fs, r.Fm}) EXPECT_EQ(v, kNullBox);
  ASSERT_EQ(msg.rec.texts.size(), 1u);
  EXPECT_NE(msg.rec.texts[0].find("「衝突時」"), std::string::npos);
  EXPECT_EQ(pr.Percents().back(), 100);

  // An earth pressure that cannot be formed (a slope 1 : 0) fails every case.
  msg.rec.texts.clear();
  d->WallL = 10;
  d->pCase(bad)->nAutoCrash = 0;
  d->UragomeType = 1;
  d->UraN = 0;
  CalcAntei(*d, 0, 0);
  EXPECT_EQ(msg.rec.texts.size(), 2u);
  EXPECT_EQ(d->AntRes(0, 0)->Pa, kNullBox);
  EXPECT_EQ(d->AntRes(0, 0)->Fs, kNullBox);
}

TEST(ReCalcCase, KeepsTheUserSlipAngleAndTheLastRunsWater) {
  ScopedTempDir tmp;
  ScopedMessages msg;
  auto d = GravityWall(false);
  d->Doatsu = 1;
  d->nWater = 2;
  d->SetWatFH(0, 2);
  d->SetWatBH(0, 2);
  d->pCase(0)->nWater = 1;
  CalcAntei(*d, 0, 0);
  CAntRes& r = *d->AntRes(0, 0);
  ASSERT_TRUE(r.Kusabi(0));
  ExpectSig(r.YouatsuV, 39.2);

  // Dry level now, and a slip angle of 50 degrees typed by the user.
  d->SetWatFH(0, 0);
  d->SetWatBH(0, 0);
  r.Kusabi(0)->bChgOmg = -1;
  r.Kusabi(0)->fChgOmg = 50;
  EXPECT_TRUE(ReCalcCase(*d, 0));
  EXPECT_TRUE(msg.rec.texts.empty());
  // Dry wedge at 50 degrees: W = 18 * 16 / (2 tan 50) = 120.8339,
  // Pa = W sin(50 - 30) / cos(50 - 30 - 20) = 41.3277.
  const double kD = 0.017453292519943278;
  const double W = 18.0 * 16 / (2 * std::tan(50 * kD));
  ExpectSig(r.Pa, W * std::sin(20 * kD));
  ASSERT_TRUE(r.Kusabi(0));
  EXPECT_NE(r.Kusabi(0)->bChgOmg, 0);
  EXPECT_NEAR(r.Kusabi(0)->fOmega, 50 * kD, 1e-12);
  // Uplift of the last run stays, though the level has changed since.
  ExpectSig(r.YouatsuV, 39.2);
  // Force sums take the new earth pressure and the kept uplift.
  ExpectSig(r.SgmV, 184 + r.Pav - 39.2);
  ExpectSig(r.Fs, 0.6 * r.SgmV / r.Pah);

  // The next full run drops the user angle and searches again.
  CalcAntei(*d, 0, 0);
  EXPECT_EQ(r.Kusabi(0)->bChgOmg, 0);
  EXPECT_NEAR(r.Pa, kDry.Pa, kDry.Pa * 1e-3);
  EXPECT_EQ(r.YouatsuV, 0);

  EXPECT_FALSE(ReCalcCase(*d, 5));
  EXPECT_FALSE(ReCalcCase(*d, -1));
}

TEST(RoundUp, AwayFromZeroAtTheGivenDecimals) {
  struct C {
    double x;
    int16_t digits;
    double want;
  };
  const C table[] = {
      {1.2341, 3, 1.235}, {-1.2341, 3, -1.235}, {2.5, 0, 3},     {-2.5, 0, -3},
      {3, 2, 3},          {1.1, 3, 1.1},        {0.57, 2, 0.57}, {1.001, 3, 1.001},
      {1234, -2, 1300},   {-0.0001, 2, -0.01},  {0, 3, 0},
  };
  for (const C& c : table) {
    SCOPED_TRACE(c.x);
    EXPECT_NEAR(RoundUp(c.x, c.digits), c.want, 1e-12);
  }
}

}  // namespace
}  // namespace norva

namespace norva {
namespace {

// Block wall on the ground, batter 1 : 0.5, 0.35 + 0.15 thick, 3 m high, line
// of thrust (earth pressure horizontal). w = 0.5 / cos(atan 0.5) = 0.559017.
//   V = 23 * 3 w = 38.572173 at x = w/2 + 3/4 = 1.029508; Coulomb with the
//   back face at -atan 0.5: Ka = 0.139201883, Pa = 9 * 9 Ka = 11.275353 at
//   y = 1, all horizontal. Mr = 39.710289, Mo = 11.275353,
//   D = (Mr - Mo) / V = 0.737189, E = w/2 - D = -0.457680, q = V / w
//   = 69.0003 (blocks bear uniformly), Fm = 3.521862, Fs = 0.6 V / Pa = 2.052531.
TEST(CalcAntei, BlockWallByHand) {
  ScopedMessages msg;
  auto d = BlockWall();
  CalcAntei(*d, 0, 0);
  EXPECT_TRUE(msg.rec.texts.empty());
  const CAntRes& r = *d->AntRes(0, 0);
  const double w = 0.5 / std::cos(std::atan(0.5));
  const double V = 23 * 3 * w, Pa = 81 * 0.139201883;
  const double Mr = V * (w / 2 + 0.75), Mo = Pa;
  EXPECT_NEAR(r.Pa, Pa, 1e-6);
  EXPECT_EQ(r.Pah, r.Pa);
  EXPECT_EQ(r.Pav, 0);
  EXPECT_NEAR(r.SgmV, V, 1e-9);
  EXPECT_NEAR(r.SgmH, Pa, 1e-6);
  EXPECT_NEAR(r.SgmMr, Mr, 1e-9);
  EXPECT_NEAR(r.SgmMo, Mo, 1e-6);
  EXPECT_NEAR(r.Breadth, w, 1e-12);
  EXPECT_NEAR(r.D, (Mr - Mo) / V, 1e-7);
  EXPECT_NEAR(r.E, w / 2 - (Mr - Mo) / V, 1e-7);
  EXPECT_NEAR(r.Qmax, V / w, 1e-9);
  EXPECT_NEAR(r.Qmin, V / w, 1e-9);
  EXPECT_NEAR(r.Fm, Mr / Mo, 1e-6);
  EXPECT_NEAR(r.Fs, 0.6 * V / Pa, 1e-6);
  EXPECT_NEAR(r.Qa, 300, 1e-9);
  EXPECT_NEAR(r.fB, 300 / (V / w), 1e-9);
}

// Leaning and mixed walls: the run must give each record exactly what the
// steps give when called by hand in the documented order on the polygons the
// run built (handover of the upper wall, water levels, uplift rule, parts).
TEST(CalcAntei, LeaningAndMixedWallsMatchTheStepsCalledByHand) {
  struct C {
    const char* what;
    int32_t wallType, doatsu, water;
  };
  const C table[] = {{"leaning, Coulomb, uplift", 2, 0, 2},
                     {"leaning, trial wedge, buoyancy", 2, 1, 1},
                     {"mixed, Coulomb upper wall, uplift", 3, 0, 2},
                     {"mixed, trial wedge, buoyancy", 3, 1, 1}};
  for (const C& c : table) {
    SCOPED_TRACE(c.what);
    ScopedTempDir tmp;
    ScopedMessages msg;
    auto d = GravityWall(true);
    d->SetWallType(c.wallType);
    if (c.wallType == 2) {
      SetLeaningShape(*d, 0.5, 0);
      d->WallH = 4.5;
    } else {
      SetMixedShape(*d);
      d->WallH = 4;
    }
    d->Doatsu = c.doatsu;
    d->nWater = c.water;
    for (int s = 0; s < 2; ++s) {
      d->SetWatFH(s, 1.0 + s);
      d->SetWatBH(s, 1.5 + s);
    }
    d->pCase(1)->nWater = 1;  // the normal case stays dry
    CalcAntei(*d, 0, 0);
    EXPECT_TRUE(msg.rec.texts.empty()) << (msg.rec.texts.empty() ? "" : msg.rec.texts[0]);

    KutaiPoints p{};
    DPoint c1, c2;
    MakeKutaiOutline(*d, p, c1, c2, 0);
    for (int i = 0; i < 2; ++i) {
      SCOPED_TRACE(i);
      const int16_t s = static_cast<int16_t>(d->pCase(i)->Doat);
      const bool wet = i == 1;
      const double hf = wet ? d->WatFH(s) : 0, hb = wet ? d->WatBH(s) : 0;
      CAntRes e0, e1;
      if (c.wallType == 2) {
        ASSERT_TRUE(CalcDoatsuCase(*d, i, p, s, hb, e0));
        CalcSuiatsu(*d, p, hf, hb, 0, 0, e0.Pwf, e0.Pwfy, e0.Pwb, e0.Pwby);
        if (c.water == 2 && wet) {
          CalcYouatsu(*d, p, hf, hb, e0.YouatsuV, e0.YouatsuV1, e0.YouatsuV2, e0.YouatsuXc);
        }
        ASSERT_TRUE(CalcForceSum(*d, i, s, p, c1, c2, e0));
        CalcTentou(*d, i, e0);
        CalcJibanHanryoku(*d, e0, s);
        CalcSlide(*d, i, s, e0);
      } else {
        double aU = 0, paU = 0;
        ASSERT_TRUE(CalcDoatsuCaseMxw(*d, i, p, s, hb, 0, aU, paU, e0));
        CalcSuiatsu(*d, p, hf, hb, 0, 0, e0.Pwf, e0.Pwfy, e0.Pwb, e0.Pwby);
        ASSERT_TRUE(CalcForceSum(*d, i, s, p, c1, c2, e0));
        ASSERT_TRUE(CalcDoatsuCaseMxw(*d, i, p, s, hb, 1, aU, paU, e1));
        CalcSuiatsu(*d, p, hf, hb, 1, 0, e1.Pwf, e1.Pwfy, e1.Pwb, e1.Pwby);
        if (c.water == 2) {
          CalcYouatsu(*d, p, hf, hb, e1.YouatsuV, e1.YouatsuV1, e1.YouatsuV2, e1.YouatsuXc);
        }
        ASSERT_TRUE(CalcForceSumLower(*d, i, s, p, e0, e1));
        CalcTentou(*d, i, e1);
        CalcJibanHanryoku(*d, e1, s);
        CalcSlide(*d, i, s, e1);
      }
      const CAntRes& r0 = *d->AntRes(0, i);
      for (auto [got, want] : {std::pair{r0.Pa, e0.Pa},
                               {r0.Pah, e0.Pah},
                               {r0.Pwb, e0.Pwb},
                               {r0.SgmV, e0.SgmV},
                               {r0.SgmH, e0.SgmH},
                               {r0.SgmMo, e0.SgmMo}}) {
        EXPECT_DOUBLE_EQ(got, want);
      }
      const CAntRes& r = c.wallType == 3 ? *d->AntRes(1, i) : r0;
      const CAntRes& e = c.wallType == 3 ? e1 : e0;
      for (auto [got, want] : {std::pair{r.Pa, e.Pa},
                               {r.YouatsuV, e.YouatsuV},
                               {r.SgmV, e.SgmV},
                               {r.SgmH, e.SgmH},
                               {r.SgmMr, e.SgmMr},
                               {r.SgmMo, e.SgmMo},
                               {r.D, e.D},
                               {r.E, e.E},
                               {r.Qmax, e.Qmax},
                               {r.Qmin, e.Qmin},
                               {r.Fs, e.Fs},
                               {r.Fm, e.Fm}}) {
        EXPECT_DOUBLE_EQ(got, want);
      }
      EXPECT_FALSE(IsNullValue(r.Fs));
      if (c.wallType == 3) {
        // The upper wall has its line of thrust and no overturning check.
        EXPECT_FALSE(IsNullValue(r0.Xh));
        EXPECT_FALSE(IsNullValue(r0.Xd));
        EXPECT_EQ(r0.D, 0);
        EXPECT_EQ(r0.YouatsuV, 0);
      }
    }
    if (c.water == 1) {
      EXPECT_TRUE(d->Furyoku1(1));
      EXPECT_EQ(d->Furyoku2(1) != nullptr, c.wallType == 3);
    }
  }
}

}  // namespace
}  // namespace norva

namespace norva {
namespace {

// Front soil over a toe 0.5 m wide and 0.5 m high in front of a vertical
// face: soil 1.0 m high is a 0.5 x 0.5 block (0.25 m2); its submerged
// correction reaches the lower of the soil height and the front water level
// and weighs Gamfd - Gamf = -9 per m3.
TEST(CalcAntei, FrontSoilSlotsByStateAndWater) {
  struct C {
    const char* what;
    int32_t water;
    double soil0, soil1, front0;
    int16_t quake;
    double dryArea0, wetArea0, dryArea1;  // < 0: empty slot
  };
  const C table[] = {
      {"dry", 0, 1.0, 1.0, 2.0, 0, 0.25, -1, -1},
      {"buoyancy, water over the soil", 1, 1.0, 1.0, 2.0, 0, 0.25, 0.25, -1},
      {"buoyancy, water within the soil", 1, 1.0, 1.0, 0.75, 0, 0.25, 0.125, -1},
      {"uplift: no submerged soil", 2, 1.0, 1.0, 2.0, 0, 0.25, -1, -1},
      {"no soil in the normal state, seismic soil", 0, 0.0, 1.5, 0, -1, -1, -1, 0.5},
  };
  for (const C& c : table) {
    SCOPED_TRACE(c.what);
    auto d = GravityWall(c.quake != 0);
    d->GrwB4 = 0.5;
    d->GrwH1 = 0.5;
    d->GrwB = 2.5;
    d->nWater = c.water;
    d->SetSoilFH(0, c.soil0);
    d->SetSoilFH(1, c.soil1);
    d->SetWatFH(0, c.front0);
    d->SetWatBH(0, c.front0);
    d->bQuake = c.quake;
    CalcAntei(*d, 0, 0);
    auto check = [](const std::shared_ptr<CWeight>& w, double area, double gam) {
      if (area < 0) {
        EXPECT_FALSE(w);
        return;
      }
      ASSERT_TRUE(w);
      EXPECT_NEAR(w->A(), area, 1e-9);
      EXPECT_EQ(w->Gam(), gam);
    };
    check(d->SoilW1(0, 0), c.dryArea0, 18);
    check(d->SoilW1(0, 1), c.wetArea0, -9);
    check(d->SoilW1(1, 0), c.dryArea1, 18);
    EXPECT_FALSE(d->SoilW2(0, 0));
  }
}

}  // namespace
}  // namespace norva

namespace norva {
namespace {

// The base-inclination state kept in the document: 0 only for a leaning wall
// with no base height (MtwH2 <= 0) and a drop of its back face (MtwH3 > 0),
// 1 for every other wall; written by full and quiet runs alike.
TEST(CalcAntei, WritesTheBaseInclinationStateOfTheLeaningWall) {
  struct C {
    const char* what;
    int32_t wallType;
    double h2, h3;
    int16_t want;
  };
  const C table[] = {
      {"gravity wall", 1, 0.0, 0.3, 1},
      {"leaning wall with a base height", 2, 0.5, 0.3, 1},
      {"leaning wall, no base height, back face drops", 2, 0.0, 0.3, 0},
      {"leaning wall, negative base height, back face drops", 2, -0.1, 0.3, 0},
      {"leaning wall, no base height, no drop", 2, 0.0, 0.0, 1},
      {"block wall", 0, 0.0, 0.3, 1},
  };
  for (const C& c : table) {
    for (int16_t quiet : {0, 1}) {
      SCOPED_TRACE(std::string(c.what) + (quiet ? ", quiet" : ", full"));
      ScopedMessages msg;
      auto d = GravityWall(false);
      d->SetWallType(c.wallType);
      SetLeaningShape(*d, c.h2, c.h3);
      d->MtwKeisya = static_cast<int16_t>(1 - c.want);
      CalcAntei(*d, quiet, 0);
      EXPECT_EQ(d->MtwKeisya, c.want);
    }
  }
}

}  // namespace
}  // namespace norva

namespace norva {
namespace {

// Recalculating a case with no user angle and nothing changed since the run
// must give that run's figures again: the same state, back water level,
// upper-wall handover and steps. Each state has its own water levels (front
// and back differ, so the earth pressure and water pressure depend on which
// level a step gets), and the seismic case takes the seismic ones.
TEST(ReCalcCase, WithoutUserAngleReproducesTheRun) {
  struct C {
    const char* what;
    int32_t wallType, doatsu;
  };
  const C table[] = {{"block wall, line of thrust, Coulomb", 0, 0},
                     {"gravity wall, trial wedge", 1, 1},
                     {"leaning wall, Coulomb", 2, 0},
                     {"mixed wall, Coulomb upper wall", 3, 0},
                     {"mixed wall, trial wedge", 3, 1}};
  for (const C& c : table) {
    SCOPED_TRACE(c.what);
    ScopedTempDir tmp;
    ScopedMessages msg;
    auto d = GravityWall(true);
    d->SetWallType(c.wallType);
    d->Doatsu = c.doatsu;
    if (c.wallType == 0) {
      d->nBlkSetup = 1;
      d->nBlkFound = 1;
      d->BlkN = 0.5;
      d->BlkT = 0.35;
      d->BlkDeltT1 = 0.15;
      d->BlkDeltT2 = 0.15;
      d->WallH = 3;
      d->nTentou = 3;
    } else if (c.wallType == 2) {
      SetLeaningShape(*d, 0.5, 0);
      d->WallH = 4.5;
    } else if (c.wallType == 3) {
      SetMixedShape(*d);
    }
    d->nWater = 2;
    d->SetWatFH(0, 0.5);
    d->SetWatBH(0, 1.0);
    d->SetWatFH(1, 1.2);
    d->SetWatBH(1, 1.8);
    d->pCase(0)->nWater = 1;
    d->pCase(1)->nWater = 1;
    CalcAntei(*d, 0, 0);
    ASSERT_TRUE(msg.rec.texts.empty()) << msg.rec.texts[0];

    const int parts = c.wallType == 3 ? 2 : 1;
    auto members = [](CAntRes& r) {
      return std::vector<double*>{&r.Pa,   &r.Pah,   &r.Pav,   &r.Pay, &r.Ka, &r.SgmV,
                                  &r.SgmH, &r.SgmMr, &r.SgmMo, &r.D,   &r.E,  &r.Fm,
                                  &r.Qmax, &r.Qmin,  &r.Hu,    &r.Fs,  &r.Qu, &r.Qa,
                                  &r.fB,   &r.Xh,    &r.Xd,    &r.Ha};
    };
    for (int i = 0; i < 2; ++i) {
      SCOPED_TRACE(i);
      std::vector<double> want[2];
      for (int p = 0; p < parts; ++p) {
        for (double* v : members(*d->AntRes(p, i))) {
          want[p].push_back(*v);
          *v = 12345;  // must be computed again
        }
      }
      EXPECT_TRUE(ReCalcCase(*d, i));
      for (int p = 0; p < parts; ++p) {
        SCOPED_TRACE(p);
        const std::vector<double*> got = members(*d->AntRes(p, i));
        for (size_t k = 0; k < got.size(); ++k) {
          // Members a part never gets (the overturning of the upper wall,
          // the line of thrust of the lower one) keep the marker.
          if (*got[k] == 12345) continue;
          EXPECT_DOUBLE_EQ(*got[k], want[p][k]) << "member " << k;
        }
      }
      // What each part must get again.
      const CAntRes& last = *d->AntRes(parts - 1, i);
      for (double v : {last.Pa, last.SgmV, last.D, last.Qmax, last.Fs, last.Qu}) {
        EXPECT_NE(v, 12345);
      }
      if (c.wallType == 0 || c.wallType == 3) {
        EXPECT_NE(d->AntRes(0, i)->Xh, 12345);
        EXPECT_NE(d->AntRes(0, i)->Ha, 12345);
      }
    }
    EXPECT_TRUE(msg.rec.texts.empty());
  }
}

}  // namespace
}  // namespace norva

namespace norva {
namespace {

// A quiet run at the levels of a full run gives the checked part the same
// eccentricity and sliding factor as the full run (its own overturning step),
// and leaves the bearing check and the line of thrust alone.
TEST(CalcAntei, QuietRunHasTheOverturningOfItsLevelOnEveryWallType) {
  for (int32_t wallType : {1, 3}) {
    SCOPED_TRACE(wallType);
    ScopedMessages msg;
    auto d = GravityWall(false);
    d->SetWallType(wallType);
    if (wallType == 3) {
      SetMixedShape(*d);
    }
    d->Sisin = 2;  // road earthworks: the adhesion acts on B - 2|E|
    d->cb = 20;
    d->nWater = 2;
    d->pCase(0)->nWater = 1;
    d->SetWatFH(0, 1.5);
    d->SetWatBH(0, 1.5);
    CalcAntei(*d, 0, 0);
    ASSERT_TRUE(msg.rec.texts.empty()) << msg.rec.texts[0];
    const int part = wallType == 3 ? 1 : 0;
    CAntRes& r = *d->AntRes(part, 0);
    const double D = r.D, E = r.E, Fs = r.Fs;
    ASSERT_NE(E, 0);
    r.D = r.E = 0;
    r.Fs = 123;
    r.Qu = 77;
    d->AntRes(0, 0)->Ha = 55;
    CalcAntei(*d, 1, 0);
    EXPECT_DOUBLE_EQ(r.D, D);
    EXPECT_DOUBLE_EQ(r.E, E);
    EXPECT_DOUBLE_EQ(r.Fs, Fs);
    EXPECT_EQ(r.Qu, 77);
    EXPECT_EQ(d->AntRes(0, 0)->Ha, 55);
  }
}

}  // namespace
}  // namespace norva

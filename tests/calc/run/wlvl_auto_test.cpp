// Critical water-level search on the 2 m x 4 m gravity wall with uplift
// (water on both sides at the trial level h, so no water pressure).
//
// Hand formula of the sliding factor at level h (Coulomb, vertical back face,
// level backfill, gamma 18 above and 9 below the water):
//   p1 = (4 - h) 18 Ka, p2 = p1 + 9 h Ka, Pa = p1 (4 - h) / 2 + (p1 + p2) h / 2,
//   moment about the base M = ((4 - h)/3 + h) p1 (4 - h)/2
//                             + (2 p1 + p2)/(p1 + p2) h/3 (p1 + p2) h/2,
//   uplift U = 9.8 h * 2 at x = 1; SumV = 184 + Pa sin(delta) - U,
//   SumH = Pa cos(delta) (+ 36.8 seismic inertia), Mr = 184 + 2 Pa sin(delta) - U,
//   Mo = Pa cos(delta) M / Pa (+ 73.6), E = 1 - (Mr - Mo) / SumV.
//   Farm roads: Fs = 0.6 SumV / SumH. Road earthworks with adhesion cb:
//   Fs = ((2 - 2|E|) cb + 0.6 SumV) / SumH, so each level needs its own E.
// Normal Ka (delta 20) 0.297313857, seismic (delta 15, theta atan 0.2)
// 0.452032249. The least factor lies inside the wall height (normal about
// 1.8958 m, seismic about 3.57 m), so every state takes four passes of 11
// levels: steps 0.4, 0.08, 0.016, 0.0032.
#include "calc/run/wlvl_auto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <set>

#include "calc/run/calc_antei.h"
#include "calc/run/run_fixtures.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/nulls.h"

namespace norva {
namespace {

using testing_run::AddCase;
using testing_run::GravityWall;
using testing_run::ProgressRecorder;
using testing_run::ScopedMessages;
using testing_run::ScopedTempDir;

constexpr double kD = 0.017453292519943278;

double HandFs(double h, bool seismic, double cb = 0, bool roadEarthworks = false) {
  const double ka = seismic ? 0.452032249 : 0.297313857;
  const double delta = (seismic ? 15 : 20) * kD;
  const double p1 = (4 - h) * 18 * ka, p2 = p1 + 9 * h * ka;
  const double P1 = p1 * (4 - h) / 2, P2 = (p1 + p2) * h / 2, Pa = P1 + P2;
  double M = ((4 - h) / 3 + h) * P1;
  if (h > 0) M += (2 * p1 + p2) / (p1 + p2) * h / 3 * P2;
  const double U = 9.8 * h * 2;
  const double inertia = seismic ? 36.8 : 0;
  const double V = 184 + Pa * std::sin(delta) - U;
  const double H = Pa * std::cos(delta) + inertia;
  const double Mr = 184 + 2 * Pa * std::sin(delta) - U;
  const double Mo = std::cos(delta) * M + inertia * 2;
  const double E = 1 - (Mr - Mo) / V;
  const double width = roadEarthworks ? std::max(0.0, 2 - 2 * std::fabs(E)) : 2.0;
  return (width * cb + 0.6 * V) / H;
}

// Least of HandFs over [0, 4] by golden-section search.
double HandArgMin(bool seismic, double cb, bool road) {
  double a = 0, b = 4;
  for (int i = 0; i < 200; ++i) {
    const double m1 = a + (b - a) * 0.381966, m2 = a + (b - a) * 0.618034;
    if (HandFs(m1, seismic, cb, road) < HandFs(m2, seismic, cb, road)) {
      b = m2;
    } else {
      a = m1;
    }
  }
  return (a + b) / 2;
}

std::unique_ptr<CDocument> UpliftWall(bool seismic) {
  auto d = GravityWall(seismic);
  d->nWater = 2;
  d->nWlvlAuto = -1;
  for (int i = 0; i < d->nCase(); ++i) d->pCase(i)->nWater = 1;
  return d;
}

void ExpectSortedSamples(const CWlvlCalc& w) {
  for (int k = 0; k + 1 < w.Count(); ++k) EXPECT_LE(w.Wlvl(k), w.Wlvl(k + 1) + 1e-5) << k;
}

TEST(CalcWlvlAuto, BothStatesByHand) {
  ScopedMessages msg;
  auto d = UpliftWall(true);
  const int dry = AddCase(*d, 0, "水なし");
  d->pCase(dry)->nWater = 0;
  ProgressRecorder pr;
  const int64_t runs0 = WlvlQuietRuns();
  ASSERT_TRUE(CalcWlvlAuto(*d, &pr));
  EXPECT_TRUE(msg.rec.texts.empty());
  EXPECT_EQ(WlvlQuietRuns() - runs0, 88);

  const std::vector<std::pair<int, std::string>> progress = {
      {-1, "常時の水位計算中..."}, {0, ""}, {-1, "地震時の水位計算中..."}, {25, ""}};
  EXPECT_EQ(pr.calls, progress);

  // One record per case with water, in case order.
  ASSERT_EQ(d->nWlvlCase(), 2);
  struct Row {
    int rec, cas;
    bool seismic;
  };
  for (const Row& x : {Row{0, 0, false}, Row{1, 1, true}}) {
    SCOPED_TRACE(x.rec);
    const CWlvlCalc& w = *d->WlvlRes(x.rec);
    EXPECT_EQ(w.CaseNo, x.cas);
    EXPECT_EQ(w.bQuake != 0, x.seismic);
    EXPECT_EQ(w.Count(), 44);
    ExpectSortedSamples(w);
    // Every sample is the factor of its own level.
    for (int k = 0; k < w.Count(); ++k) {
      EXPECT_NEAR(w.Fs(k), HandFs(w.Wlvl(k), x.seismic), 2e-7) << "level " << w.Wlvl(k);
    }
    EXPECT_NEAR(w.Wlvl(0), 0, 1e-9);
    EXPECT_NEAR(w.Wlvl(w.Count() - 1), 4, 1e-9);
    // The level found is within the last step of the true least factor.
    const int s = x.seismic ? 1 : 0;
    const double level = d->WatFH(s);
    EXPECT_EQ(d->WatBH(s), level);
    EXPECT_NEAR(level, HandArgMin(x.seismic, 0, false), 0.0032);
    // And no sample has a smaller factor than the one at the level found.
    for (int k = 0; k < w.Count(); ++k) {
      EXPECT_GE(w.Fs(k), HandFs(level, x.seismic) - 2e-7);
    }
  }
  EXPECT_NEAR(d->WatFH(0), 1.8944, 1e-9);
  EXPECT_NEAR(d->WatFH(1), 3.5744, 1e-9);
}

TEST(CalcWlvlAuto, EachTrialLevelSlidesWithItsOwnEccentricity) {
  // Road earthworks: the adhesion acts on B - 2|E| only. Factors computed
  // with the eccentricity of another level would miss the hand values.
  auto d = UpliftWall(false);
  d->Sisin = 2;
  d->cb = 20;
  ASSERT_TRUE(CalcWlvlAuto(*d));
  const CWlvlCalc& w = *d->WlvlRes(0);
  ASSERT_EQ(w.Count(), 44);
  for (int k = 0; k < w.Count(); ++k) {
    EXPECT_NEAR(w.Fs(k), HandFs(w.Wlvl(k), false, 20, true), 2e-7) << w.Wlvl(k);
  }
  EXPECT_NEAR(d->WatFH(0), HandArgMin(false, 20, true), 0.0032);
}

TEST(CalcWlvlAuto, LeastFactorWhenDryClipsTheBracketAtZero) {
  // Buoyancy and submerged front soil are left out (nWater 2); a wall 4 m
  // high sliding worst when dry gives a bracket clipped at 0: three passes.
  auto d = UpliftWall(false);
  d->Gamw = 0;  // no uplift: only the submerged backfill acts
  const int64_t runs0 = WlvlQuietRuns();
  ASSERT_TRUE(CalcWlvlAuto(*d));
  // With no uplift a higher water level only lightens the backfill, so the
  // dry level is the worst: steps 0.4, 0.04, 0.004.
  EXPECT_EQ(WlvlQuietRuns() - runs0, 33);
  EXPECT_NEAR(d->WatFH(0), 0, 1e-9);
  EXPECT_EQ(d->WlvlRes(0)->Count(), 33);
  ExpectSortedSamples(*d->WlvlRes(0));
}

TEST(CalcWlvlAuto, LevelsWithoutAComputableFactorAreNeverTheCriticalOne) {
  // A wall 1 m wide with a shear key under road earthworks: between about
  // 1.45 m and 3.05 m of water the resultant leaves the base (E > B/2, by the
  // hand formula above with B = 1: E = 0.503 at 1.6 m, 0.520 at 2.4 m,
  // 0.495 at 3.2 m), and the key's sliding resistance has no value there.
  ScopedMessages msg;
  auto d = UpliftWall(false);
  d->GrwB = 1;
  d->GrwB2 = 1;
  d->Sisin = 2;
  d->Tokki = 1;
  d->TokX = 0.3;
  d->TokB = 0.3;
  d->TokL = 0.3;
  d->Faib = 30;
  d->SijiFai = 30;
  d->SijiC = 0;
  d->nQa = 0;
  ASSERT_TRUE(CalcWlvlAuto(*d));
  const CWlvlCalc& w = *d->WlvlRes(0);
  int nulls = 0;
  for (int k = 0; k < w.Count(); ++k) {
    const double h = w.Wlvl(k);
    if (h > 1.6 - 1e-9 && h < 2.8 + 1e-9) {
      EXPECT_EQ(w.Fs(k), kNullBox) << h;
    }
    if (w.Fs(k) == kNullBox) ++nulls;
  }
  EXPECT_GE(nulls, 4);
  // The level found has a factor, the least of all that have one.
  const double level = d->WatFH(0);
  double atLevel = kNullBox, least = 1e300;
  for (int k = 0; k < w.Count(); ++k) {
    if (w.Fs(k) == kNullBox) continue;
    least = std::min(least, w.Fs(k));
    if (std::fabs(w.Wlvl(k) - level) < 1e-12) atLevel = w.Fs(k);
  }
  EXPECT_NE(atLevel, kNullBox) << level;
  EXPECT_EQ(atLevel, least);
  // The case is named once, not once per level.
  EXPECT_EQ(msg.rec.texts.size(), 1u);

  // No sliding check at all: no factor anywhere, the crest is kept.
  auto e = UpliftWall(false);
  e->ChkSlide = 0;
  ASSERT_TRUE(CalcWlvlAuto(*e));
  EXPECT_NEAR(e->WatFH(0), 4, 1e-9);
  EXPECT_EQ(e->WlvlRes(0)->Fs(0), kNullBox);
}

TEST(CalcWlvlAuto, ALevelWhereNothingPushesIsNeverTheCriticalOne) {
  // Backfill that weighs nothing above the water (gamma 0) and 9 below it:
  // dry, no earth pressure acts and the sliding factor is the sentinel -1;
  // with water h, Pa = 4.5 Ka h^2, SumV = 184 + Pa sin 20 - 19.6 h,
  // Fs = 0.6 SumV / (Pa cos 20): 78.68 at 1 m, 6.857 at 3 m, 3.368 at 4 m,
  // falling all the way up. The critical level is the crest (bracket
  // clipped at the top: three passes), not the dry level with its -1.
  auto d = UpliftWall(false);
  d->Gamb = 0;
  const int64_t runs0 = WlvlQuietRuns();
  ASSERT_TRUE(CalcWlvlAuto(*d));
  EXPECT_EQ(WlvlQuietRuns() - runs0, 33);
  EXPECT_NEAR(d->WatFH(0), 4, 1e-9);
  EXPECT_NEAR(d->WatBH(0), 4, 1e-9);
  const CWlvlCalc& w = *d->WlvlRes(0);
  ASSERT_EQ(w.Count(), 33);
  EXPECT_NEAR(w.Wlvl(0), 0, 1e-9);
  EXPECT_EQ(w.Fs(0), -1);
  const double ka = 0.297313857;
  for (int k = 1; k < w.Count(); ++k) {
    const double h = w.Wlvl(k);
    const double Pa = 4.5 * ka * h * h;
    const double V = 184 + Pa * std::sin(20 * kD) - 19.6 * h;
    EXPECT_NEAR(w.Fs(k), 0.6 * V / (Pa * std::cos(20 * kD)), 1e-6 * w.Fs(k)) << h;
  }
  EXPECT_NEAR(w.Fs(w.Count() - 1), 3.368173, 1e-5);
}

TEST(CalcWlvlAuto, AWallLiftedByTheWaterIsTheCriticalCase) {
  // Concrete of 5 kN/m3: the body weighs 40 and the uplift 19.6 h outweighs
  // it and the earth pressure's vertical part from about 2.7 m, so the
  // friction, and with it the factor 0.6 SumV / SumH, turns negative:
  // SumV = 40 + Pa sin 20 - 19.6 h (Pa as in the hand formula above):
  // 0.8149 dry, 0.2320 at 2 m, -0.0755 at 2.8 m, -0.9270 at 4 m. A negative
  // factor is a computed result (the wall slides) and the least one is at
  // the crest: bracket clipped at the top, three passes.
  auto d = UpliftWall(false);
  d->Gamcw = 5;
  d->Gamcf = 5;
  const int64_t runs0 = WlvlQuietRuns();
  ASSERT_TRUE(CalcWlvlAuto(*d));
  EXPECT_EQ(WlvlQuietRuns() - runs0, 33);
  EXPECT_NEAR(d->WatFH(0), 4, 1e-9);
  const CWlvlCalc& w = *d->WlvlRes(0);
  ASSERT_EQ(w.Count(), 33);
  const double ka = 0.297313857;
  for (int k = 0; k < w.Count(); ++k) {
    const double h = w.Wlvl(k);
    const double p1 = (4 - h) * 18 * ka, p2 = p1 + 9 * h * ka;
    const double Pa = p1 * (4 - h) / 2 + (p1 + p2) * h / 2;
    const double V = 40 + Pa * std::sin(20 * kD) - 19.6 * h;
    EXPECT_NEAR(w.Fs(k), 0.6 * V / (Pa * std::cos(20 * kD)), 2e-7) << h;
  }
  EXPECT_NEAR(w.Fs(w.Count() - 1), -0.926996, 1e-5);
}

TEST(CalcWlvlAuto, NothingToSearch) {
  // Water, but no case with water: all four levels 0, no records.
  auto d = UpliftWall(true);
  for (int i = 0; i < d->nCase(); ++i) d->pCase(i)->nWater = 0;
  for (int s = 0; s < 2; ++s) {
    d->SetWatFH(s, 1.5);
    d->SetWatBH(s, 2.5);
  }
  d->SetnWlvlCase(3);
  ASSERT_TRUE(CalcWlvlAuto(*d));
  EXPECT_EQ(d->nWlvlCase(), 0);
  for (int s = 0; s < 2; ++s) {
    EXPECT_EQ(d->WatFH(s), 0);
    EXPECT_EQ(d->WatBH(s), 0);
  }

  // No seismic setting: the seismic case is searched with the normal levels
  // and the seismic levels stay as they are. Its body inertia (36.8 kN) still
  // acts, and with it the factor falls all the way up to the crest
  // (0.6 SumV / (Pah + 36.8): 1.547 dry, 1.190 at 4 m), so the one normal
  // search is clipped at the top: three passes.
  auto e = UpliftWall(true);
  e->bQuake = 0;
  e->SetWatFH(1, 1.25);
  e->SetWatBH(1, 0.75);
  ProgressRecorder pr;
  const int64_t runs0 = WlvlQuietRuns();
  ASSERT_TRUE(CalcWlvlAuto(*e, &pr));
  EXPECT_EQ(WlvlQuietRuns() - runs0, 33);
  EXPECT_NEAR(e->WatFH(0), 4, 1e-9);
  EXPECT_EQ(e->WatFH(1), 1.25);
  EXPECT_EQ(e->WatBH(1), 0.75);
  ASSERT_EQ(e->nWlvlCase(), 2);
  EXPECT_EQ(e->WlvlRes(1)->bQuake, 0);
  EXPECT_EQ(e->WlvlRes(1)->Count(), 33);
  EXPECT_EQ(pr.Percents(), (std::vector<int>{0, 25}));
}

TEST(CalcWlvlAuto, RefusesAWallWithoutHeightOrBeyondAnyWall) {
  const std::numeric_limits<double> lim;
  for (double h : {0.0, -1.0, kNullDouble, lim.quiet_NaN(), 1000.001, 1e14, 1e15, 1e300, lim.max(),
                   lim.infinity()}) {
    SCOPED_TRACE(h);
    ScopedMessages msg;
    auto d = UpliftWall(false);
    d->WallH = h;
    d->SetWatFH(0, 0.5);
    d->SetWatBH(0, 0.5);
    const int64_t runs0 = WlvlQuietRuns();
    EXPECT_FALSE(CalcWlvlAuto(*d));
    EXPECT_EQ(WlvlQuietRuns(), runs0);
    ASSERT_EQ(msg.rec.texts.size(), 1u);
    EXPECT_NE(msg.rec.texts[0].find("限界水位を計算できません"), std::string::npos);
    EXPECT_EQ(d->WatFH(0), 0.5);
    EXPECT_EQ(d->WatBH(0), 0.5);
  }
}

// Heights down to the smallest double and up to the limit: the search ends,
// with a level on the wall, after a bounded number of trial levels. Each pass
// samples at most 11 levels and shrinks the step at least fivefold, from H / 10
// while it is 1 mm or more: for H = 1000 steps 100, 20, 4, ..., 0.00128, nine
// passes, 99 levels.
TEST(CalcWlvlAuto, EndsOnAnyHeightItTakes) {
  const double tiny = std::numeric_limits<double>::denorm_min();
  for (double h : {tiny, 1e-300, 1e-9, 0.0005, 0.3, 99.999, 999.0, 1000.0}) {
    SCOPED_TRACE(h);
    ScopedMessages msg;
    auto d = UpliftWall(false);
    d->WallH = h;
    const int64_t runs0 = WlvlQuietRuns();
    EXPECT_TRUE(CalcWlvlAuto(*d));
    EXPECT_LE(WlvlQuietRuns() - runs0, 99);
    EXPECT_GE(d->WatFH(0), 0.0);
    EXPECT_LE(d->WatFH(0), h);
    EXPECT_EQ(d->WatBH(0), d->WatFH(0));
  }
}

TEST(CalcWlvlAuto, TrialWedgeSearchLeavesNoTemporaryFileBehind) {
  ScopedTempDir tmp;
  auto d = UpliftWall(true);
  d->Doatsu = 1;
  ASSERT_TRUE(CalcWlvlAuto(*d));
  CalcAntei(*d, 0, 0);
  // Only the wedges the results hold keep a trial file.
  std::set<std::string> owned;
  for (int i = 0; i < d->nCase(); ++i) {
    for (int k = 0; k < 2; ++k) {
      if (auto w = d->AntRes(0, i)->Kusabi(k); w && !w->TempFile.empty()) {
        owned.insert(w->TempFile.substr(w->TempFile.rfind('/') + 1));
      }
    }
  }
  EXPECT_EQ(owned.size(), 2u);
  const std::vector<std::string> files = tmp.Files();
  EXPECT_EQ(std::set<std::string>(files.begin(), files.end()), owned);
  // The wedge at the level found is close to the Coulomb value there.
  const double h = d->WatFH(0);
  const double ka = 0.297313857;
  const double p1 = (4 - h) * 18 * ka, p2 = p1 + 9 * h * ka;
  EXPECT_NEAR(d->AntRes(0, 0)->Pa, p1 * (4 - h) / 2 + (p1 + p2) * h / 2, 0.05);
  d.reset();
  EXPECT_TRUE(tmp.Files().empty());
}

}  // namespace
}  // namespace norva

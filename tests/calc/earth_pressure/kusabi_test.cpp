// One trial wedge and the slip-angle search. Expected values are worked out by
// hand from the wedge triangle and, for two-part wedges and an upper-wall
// thrust, by an independent vector solution of the force polygon.
#include "calc/earth_pressure/kusabi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "calc/earth_pressure/coulomb.h"
#include "document/temp_files.h"

namespace norva {
namespace {

constexpr double kD = 0.017453292519943278;

// Vertical back face 0..4 m, horizontal backfill running far behind.
std::vector<DPoint> FlatOutline(double H = 4) { return {{0, 0}, {0, H}, {1000, H}}; }

void Soil(CKusabiRes& w, double phi, double delta, double c = 0) {
  w.fFai = phi * kD;
  w.fDelta = delta * kD;
  w.fC = c;
  w.SetNq(0);
}

struct TrialCase {
  const char* what;
  double omega;  // degrees
  double phi, delta, c;
  double dist, thetac, faid;  // cut face
  double kh;
  double Pa;
};

TEST(KusabiTrial, SingleTrialsAgainstHandValues) {
  const KusabiSoil soil{18, 9, 10 * kD};
  const TrialCase cases[] = {
      // W = 18 * 4 * 2.3094 / 2, Pa = W tan 30 = Rankine 48.
      {"plain Rankine", 60, 30, 0, 0, 0, 0, 0, 0, 48.0},
      // Crack 1.9245 deep at x = 1.19829; W = 63.8934, L = 2.39658.
      {"cohesion with crack", 60, 30, 0, 10, 0, 0, 0, 0, 12.923089575941052},
      // Slip on the cut face from the heel at 60 deg with 20 deg friction: W tan 40.
      {"slip on the cut face", 60, 30, 0, 0, 0, 60, 20, 0, 69.76143330294504},
      // Seismic: W sin(w - phi + th) / (cos th cos(w - phi)).
      {"seismic", 60, 30, 0, 0, 0, 0, 0, 0.2,
       18 * 0.5 * 4 * 4 / std::tan(60 * kD) * std::sin(30 * kD + std::atan(0.2)) /
           (std::cos(std::atan(0.2)) * std::cos(30 * kD))},
  };
  for (const TrialCase& c : cases) {
    SCOPED_TRACE(c.what);
    CKusabiRes w;
    Soil(w, c.phi, c.delta, c.c);
    w.fDist = c.dist;
    w.fTheta = c.thetac * kD;
    w.fFaid = c.faid * kD;
    w.fKh = std::atan(c.kh);
    w.fOmega = c.omega * kD;
    auto o = FlatOutline();
    ASSERT_EQ(KusabiTrial(soil, 3, o.data(), w), kKusabiOk);
    EXPECT_NEAR(w.fPa, c.Pa, 1e-7);
  }
}

TEST(KusabiTrial, CrackGeometryAndLengths) {
  const KusabiSoil soil{18, 9, 0};
  CKusabiRes w;
  Soil(w, 30, 0, 10);
  w.fOmega = 60 * kD;
  auto o = FlatOutline();
  KusabiShape sh;
  ASSERT_EQ(KusabiTrial(soil, 3, o.data(), w, &sh), kKusabiOk);
  EXPECT_NEAR(w.fZc, 1.924500897298752, 1e-12);
  EXPECT_NEAR(w.fCrossX, 1.1982899656473927, 1e-9);
  EXPECT_NEAR(w.fCrossY, 2.075499102701248, 1e-9);
  EXPECT_NEAR(w.fL(0), 2.396579931294785, 1e-9);
  EXPECT_NEAR(w.fW(0, 0), 63.89342979031861, 1e-7);
  EXPECT_EQ(w.fL(1), 0.0);
  // The caller's outline is untouched.
  EXPECT_EQ(o[2].X, 1000);
}

TEST(KusabiTrial, TwoPartWedgeMatchesForcePolygon) {
  // Cut face 0.5 m behind the heel at 70 deg, H 6; slip at 45 deg meets it at
  // (0.78613, 0.78613). Independent vector solution: Pa = 113.09857.
  const KusabiSoil soil{18, 9, 10 * kD};
  CKusabiRes w;
  Soil(w, 30, 0);
  w.fDist = 0.5;
  w.fTheta = 70 * kD;
  w.fFaid = 20 * kD;
  w.fOmega = 45 * kD;
  auto o = FlatOutline(6);
  KusabiShape sh;
  ASSERT_EQ(KusabiTrial(soil, 3, o.data(), w, &sh), kKusabiOk);
  EXPECT_EQ(sh.kA, 3);
  EXPECT_NEAR(sh.A[1].X, 0.7861267301273898, 1e-9);
  EXPECT_NEAR(w.fW(0, 0), 79.33972973137105, 1e-7);
  EXPECT_NEAR(w.fW(1, 0), 89.04905588530528, 1e-7);
  EXPECT_NEAR(w.fL(0), 1.1117510834901685, 1e-9);
  EXPECT_NEAR(w.fL(1), 5.548488042304735, 1e-9);
  EXPECT_NEAR(w.fPa, 113.09857077792738, 1e-7);
  // The interface friction must be entered: an unset one is refused, not used.
  const KusabiSoil unset{18, 9, -1.7E+10};
  EXPECT_EQ(KusabiTrial(unset, 3, o.data(), w), kKusabiInvalid);
}

TEST(KusabiTrial, FlatBaseToTheCutFace) {
  // Slip angle 0 with the cut face 1 m behind the heel at 60 deg: part 0 is the
  // 1 x 4 block, part 1 the triangle up the cut face to (3.3094, 4).
  const KusabiSoil soil{18, 9, 10 * kD};
  CKusabiRes w;
  Soil(w, 30, 0);
  w.fDist = 1;
  w.fTheta = 60 * kD;
  w.fFaid = 20 * kD;
  w.fOmega = 0;
  auto o = FlatOutline();
  KusabiShape sh;
  ASSERT_EQ(KusabiTrial(soil, 3, o.data(), w, &sh), kKusabiOk);
  EXPECT_EQ(sh.kA, 3);
  const double run = 4 / std::tan(60 * kD);
  EXPECT_NEAR(w.fW(0, 0), 72, 1e-9);
  EXPECT_NEAR(w.fW(1, 0), 18 * 0.5 * 4 * run, 1e-9);
  EXPECT_NEAR(w.fL(0), 1, 1e-12);
  EXPECT_NEAR(w.fL(1), 4 / std::sin(60 * kD), 1e-9);
  EXPECT_NEAR(w.fCrossX, 1 + run, 1e-9);
  // T0 = 72 sin(-30); T1 = W1 sin40 cos(-40)/cos30; Pa = (T0 + T1)/cos(-30).
  const double w1 = 18 * 0.5 * 4 * run;
  const double t1 = w1 * std::sin(40 * kD) * std::cos(40 * kD) / std::cos(30 * kD);
  EXPECT_NEAR(w.fPa, (72 * std::sin(-30 * kD) + t1) / std::cos(30 * kD), 1e-9);
}

TEST(KusabiTrial, CrackOnSlopingGround) {
  // Ground rising 1:2 from the top of the face; the crack stands where the
  // soil above the slip line is exactly zc deep.
  const KusabiSoil soil{18, 9, 0};
  std::vector<DPoint> o = {{0, 0}, {0, 4}, {100000, 4 + 50000}};
  CKusabiRes w;
  Soil(w, 30, 0, 10);
  w.fOmega = 60 * kD;
  KusabiShape sh;
  ASSERT_EQ(KusabiTrial(soil, 3, o.data(), w, &sh), kKusabiOk);
  ASSERT_EQ(sh.outline.size(), 4u);
  const DPoint T = sh.outline[2], B = sh.outline[3];
  EXPECT_EQ(T.X, B.X);
  EXPECT_NEAR(T.Y - B.Y, w.fZc, 1e-12);
  EXPECT_NEAR(T.Y, 4 + T.X / 2, 1e-12);             // on the ground
  EXPECT_NEAR(B.Y, T.X * std::tan(60 * kD), 1e-9);  // on the slip line
  // Hand: 4 + x/2 - x tan60 = zc.
  EXPECT_NEAR(T.X, (4 - w.fZc) / (std::tan(60 * kD) - 0.5), 1e-9);
}

TEST(KusabiTrial, UpperThrustUsesTheSlipReactionAngle) {
  // Sliding on the cut face (phi0 = 20 deg) with a thrust of 10 at 5 deg.
  // Vector solution of the force polygon: 59.06816.
  const KusabiSoil soil{18, 9, 0};
  CKusabiRes w;
  Soil(w, 30, 0);
  w.fTheta = 60 * kD;
  w.fFaid = 20 * kD;
  w.fOmega = 60 * kD;
  w.nMix = 1;
  w.fAlphaU = 5 * kD;
  w.fPaU = 10;
  auto o = FlatOutline();
  ASSERT_EQ(KusabiTrial(soil, 3, o.data(), w), kKusabiOk);
  EXPECT_NEAR(w.fPa, 59.06816280608217, 1e-7);
}

TEST(KusabiTrial, LoadsAndWater) {
  const KusabiSoil soil{18, 9, 0};
  auto o = FlatOutline();
  // A strip from x = 1 far out: Q0 = 10 * (2.3094 - 1).
  CKusabiRes w;
  Soil(w, 30, 0);
  w.SetNq(1);
  w.SetfQload(0, 10);
  w.SetfQxs(0, 1);
  w.SetfQxe(0, 1001);
  w.fOmega = 60 * kD;
  ASSERT_EQ(KusabiTrial(soil, 3, o.data(), w), kKusabiOk);
  EXPECT_NEAR(w.fPa, 55.55983064143709, 1e-7);
  EXPECT_NEAR(w.fWQ(0) - w.fW(0, 0), 13.094010767585, 1e-9);

  // A strip that starts beyond the far corner adds nothing.
  w.SetfQxs(0, 3);
  ASSERT_EQ(KusabiTrial(soil, 3, o.data(), w), kKusabiOk);
  EXPECT_NEAR(w.fPa, 48.0, 1e-9);

  // Water 1.5 m: below it the triangle is 1.5^2 cot60 / 2, above the rest.
  CKusabiRes d;
  Soil(d, 30, 0);
  d.fWlvl = 1.5;
  d.fOmega = 60 * kD;
  ASSERT_EQ(KusabiTrial(soil, 3, o.data(), d), kKusabiOk);
  const double cot = 1 / std::tan(60 * kD);
  EXPECT_NEAR(d.fW(0, 1), 9 * 1.5 * 1.5 * cot / 2, 1e-9);
  EXPECT_NEAR(d.fW(0, 0), 18 * (16 - 2.25) * cot / 2, 1e-9);

  // Water above the whole wedge: no dry part.
  d.fWlvl = 10;
  ASSERT_EQ(KusabiTrial(soil, 3, o.data(), d), kKusabiOk);
  EXPECT_NEAR(d.fW(0, 0), 0.0, 1e-12);
  EXPECT_NEAR(d.fW(0, 1), 9 * 16 * cot / 2, 1e-9);
}

TEST(KusabiTrial, NoWedgeCases) {
  const KusabiSoil soil{18, 9, 0};
  auto o = FlatOutline();
  CKusabiRes w;
  Soil(w, 30, 20);
  // cos(omega - phi - alpha - delta) = 0: no wedge and Pa 0.
  w.fOmega = 60 * kD;
  w.fAlpha = -80 * kD;
  w.fPa = 5;
  EXPECT_EQ(KusabiTrial(soil, 3, o.data(), w), kKusabiNone);
  EXPECT_EQ(w.fPa, 0.0);
  // A slip line pointing down never meets the ground.
  w.fAlpha = 0;
  w.fOmega = -10 * kD;
  EXPECT_EQ(KusabiTrial(soil, 3, o.data(), w), kKusabiNone);
}

struct SearchCase {
  const char* what;
  double phi, delta, kh, wlvl;
  double Ka;         // from the independent wedge maximum
  double weightSum;  // gamma (H^2 - hw^2)/2 + gamma' hw^2 / 2
};

TEST(SearchOmega, ReproducesCoulombOnPlainWall) {
  const KusabiSoil soil{18, 9, 0};
  auto o = FlatOutline();
  const SearchCase cases[] = {
      {"dry, wall friction", 30, 20, 0, 0, 0.297314, 144},
      {"seismic", 30, 15, 0.2, 0, 0.452032, 144},
      {"water 1.5 m", 30, 20, 0, 1.5, 0.297314, (18 * (16 - 2.25) + 9 * 2.25) / 2},
      {"Rankine", 30, 0, 0, 0, 1.0 / 3.0, 144},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(c.what);
    CKusabiRes w;
    Soil(w, c.phi, c.delta);
    w.fKh = std::atan(c.kh);
    w.fWlvl = c.wlvl;
    int32_t count = -1;
    KusabiTrials trials(2);
    double upper = -1000, lower = -1000;
    ASSERT_EQ(SearchOmega(soil, 3, o.data(), w, count, trials, upper, lower), 0);
    EXPECT_EQ(upper, 89);
    EXPECT_NEAR(lower, c.phi, 1e-9);
    // The 0.2 deg grid is within 1e-4 of the true maximum here.
    EXPECT_NEAR(w.fPa, c.Ka * c.weightSum, 1e-4 * w.fPa);
    EXPECT_LE(w.fPa, c.Ka * c.weightSum + 1e-6);
    // The list holds the 11 trials of the 0.2 deg pass.
    EXPECT_EQ(count, 11);
    ASSERT_EQ(trials.size(), 11u);
    for (int i = 0; i < count; ++i) EXPECT_LE(trials[i]->fPa, w.fPa);
  }
}

TEST(SearchOmega, PassesAndBounds) {
  const KusabiSoil soil{18, 9, 0};
  auto o = FlatOutline();
  CKusabiRes w;
  Soil(w, 30, 0);
  int32_t count = 0;
  KusabiTrials trials(2);
  // Rankine: best at exactly 60 deg; second pass 61 .. 59 in 0.2 steps.
  double upper = -1000, lower = -1000;
  ASSERT_EQ(SearchOmega(soil, 3, o.data(), w, count, trials, upper, lower), 0);
  EXPECT_NEAR(w.fOmega, 60 * kD, 1e-9);
  EXPECT_NEAR(w.fPa, 48.0, 1e-9);
  EXPECT_NEAR(trials.front()->fOmega, 61 * kD, 1e-9);
  EXPECT_NEAR(trials.back()->fOmega, 59 * kD, 1e-7);

  // Bounds that leave nothing: result 1, nothing tried, list untouched.
  upper = 20;
  lower = -1000;
  KusabiTrials keep(2);
  int32_t c2 = 7;
  EXPECT_EQ(SearchOmega(soil, 3, o.data(), w, c2, keep, upper, lower), 1);
  EXPECT_EQ(c2, 7);

  // A clipped bracket (best at the upper bound) runs one 0.1 deg pass of 11.
  CKusabiRes s;
  Soil(s, 30, 0);
  upper = 45;
  lower = -1000;
  ASSERT_EQ(SearchOmega(soil, 3, o.data(), s, count, trials, upper, lower), 0);
  EXPECT_NEAR(s.fOmega, 45 * kD, 1e-9);
  EXPECT_EQ(count, 11);
  EXPECT_NEAR(trials.back()->fOmega, 44 * kD, 1e-7);
}

TEST(SaveKusabiFile, SortsAscendingAndReleases) {
  const KusabiSoil soil{18, 9, 0};
  auto o = FlatOutline();
  CKusabiRes w;
  Soil(w, 30, 20);
  int32_t count = 0;
  KusabiTrials trials(2);
  double upper = -1000, lower = -1000;
  ASSERT_EQ(SearchOmega(soil, 3, o.data(), w, count, trials, upper, lower), 0);
  const double best = w.fPa;
  const std::string path = CreateTempFile("KusabiTest");
  ASSERT_TRUE(SaveKusabiFile(path, count, trials, true));
  EXPECT_EQ(count, 0);
  EXPECT_EQ(trials.size(), 1u);
  auto recs = ReadKusabiFile(path);
  ASSERT_EQ(recs.size(), 11u);
  double maxPa = 0;
  for (size_t i = 1; i < recs.size(); ++i) EXPECT_LT(recs[i - 1].fOmega, recs[i].fOmega);
  for (auto& r : recs) maxPa = std::max(maxPa, r.fPa);
  EXPECT_DOUBLE_EQ(maxPa, best);
  EXPECT_TRUE(DeleteFileQuietly(path));
}

}  // namespace
}  // namespace norva

namespace norva {
namespace {

TEST(SaveKusabiFile, KeepsTheSortedListWithoutRelease) {
  KusabiTrials trials;
  for (double om : {0.9, 0.7, 0.8}) {
    auto r = std::make_shared<CKusabiRes>();
    r->fOmega = om;
    r->fPa = om * 10;
    trials.push_back(r);
  }
  int32_t count = 3;
  const std::string path = CreateTempFile("KusabiTest");
  ASSERT_TRUE(SaveKusabiFile(path, count, trials, false));
  EXPECT_EQ(count, 3);
  ASSERT_EQ(trials.size(), 3u);
  EXPECT_EQ(trials[0]->fOmega, 0.7);
  EXPECT_EQ(trials[1]->fOmega, 0.8);
  EXPECT_EQ(trials[2]->fOmega, 0.9);
  EXPECT_EQ(trials[0]->fPa, 7.0);
  auto recs = ReadKusabiFile(path);
  ASSERT_EQ(recs.size(), 3u);
  EXPECT_EQ(recs[0].fOmega, 0.7);
  EXPECT_EQ(recs[2].fPa, 9.0);
  EXPECT_TRUE(DeleteFileQuietly(path));
}

}  // namespace
}  // namespace norva

// Earth pressure of load cases and check sections on small walls. Expected
// values are hand sums of pressure blocks, wedge triangles, and the Coulomb
// coefficients of coulomb_test.cpp (there checked against an independent
// force-polygon maximum).
#include "calc/earth_pressure/doatsu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "calc/earth_pressure/coulomb.h"
#include "calc/reference_wall.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/temp_files.h"

namespace norva {
namespace {

constexpr double kD = 0.017453292519943278;
constexpr double kKa30_20 = 0.297314;  // phi 30, delta 20
constexpr double kKa30_15_kh02 = 0.452032;

// Gravity wall 2 m wide and 4 m high with a vertical back face at x = 2,
// horizontal backfill, phi 30, delta 20/15, gamma 18/9, one load case.
std::unique_ptr<CDocument> GravityWall() {
  auto d = std::make_unique<CDocument>();
  test::SetReferenceShape(*d);
  test::SetReferenceGround(*d);
  d->KiriN = 0.5;
  d->KiriD = 0;
  d->Deltd = 20;
  d->Cd = 0;
  d->KiriDlt = 10;
  d->SetnCase(1);
  return d;
}

std::string ReadAll(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

KutaiPoints Outline(const CDocument& d) {
  KutaiPoints p{};
  DPoint c1, c2;
  MakeKutaiOutline(d, p, c1, c2, 0);
  return p;
}

TEST(CalcDoatsuCase, CoulombWithSurchargeByHand) {
  auto d = GravityWall();
  d->Doatsu = 0;
  d->nAutoMobile = 0;
  d->AutoLoad = 10;
  d->AutoPos = 0;
  d->pCase(0)->nAutoMobil = 1;
  CAntRes r;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r));
  // Qd = 10 (Iw = 1 at the wall). Pa = Ka (Qd H + gamma H^2 / 2) = Ka * 184,
  // moment Ka (10*4*2 + 144*4/3) = Ka * 272.
  EXPECT_NEAR(r.Qd, 10, 1e-12);
  EXPECT_EQ(r.Qw, 0);
  EXPECT_NEAR(r.Ka, kKa30_20, 1e-6);
  EXPECT_NEAR(r.Pa, kKa30_20 * 184, 1e-4);
  EXPECT_NEAR(r.Pay, 272.0 / 184.0, 1e-9);
  EXPECT_NEAR(r.Pax, 2, 1e-12);
  EXPECT_NEAR(r.Pah, r.Pa * std::cos(20 * kD), 1e-12);
  EXPECT_NEAR(r.Pav, r.Pa * std::sin(20 * kD), 1e-12);
  EXPECT_FALSE(r.Kusabi(0));
  EXPECT_FALSE(r.Kusabi(1));

  // Load starting 2 m behind: Iw(0.5) = 1.25 - (2/pi)(1.25 atan 0.5 + 0.5).
  d->AutoPos = 2;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r));
  const double iw = 1.25 - 2 / 3.14159265358979 * (1.25 * std::atan(0.5) + 0.5);
  EXPECT_NEAR(r.Qd, 10 * iw, 1e-12);
  // Line of thrust: the whole resultant horizontal.
  d->nTentou = 3;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r));
  EXPECT_EQ(r.Pah, r.Pa);
  EXPECT_EQ(r.Pav, 0);
}

TEST(CalcDoatsuCase, CoulombSeismicAndSlope) {
  auto d = GravityWall();
  d->Doatsu = 0;
  CAntRes r;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 1, 0, r));
  EXPECT_NEAR(r.Ka, kKa30_15_kh02, 1e-6);
  EXPECT_NEAR(r.Pa, kKa30_15_kh02 * 144, 2e-4);
  EXPECT_NEAR(r.Pah, r.Pa * std::cos(15 * kD), 1e-12);
  // Slope 1:1.5 (33.69 deg > phi): delta = phi, C = 1, Ka = cos(phi).
  d->UragomeType = 1;
  d->UraN = 1.5;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r));
  EXPECT_NEAR(r.Ka, std::cos(30 * kD), 1e-12);
  // Trapezoid embankment: Qw = H0 gamma Iw(X1 + X2/2).
  d->UragomeType = 2;
  d->UraH0 = 1;
  d->UraX1 = 1;
  d->UraX2 = 2;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r));
  const double t = 0.5;
  const double iw = (1 + t * t) - 2 / 3.14159265358979 * ((1 + t * t) * std::atan(t) + t);
  EXPECT_NEAR(r.Qw, 18 * iw, 1e-12);
}

TEST(CalcDoatsuCase, TrialWedgeReproducesCoulomb) {
  struct C {
    const char* what;
    int16_t state;
    double wl, expected;
  };
  const C cases[] = {
      {"dry", 0, 0, kKa30_20 * 144},
      {"seismic", 1, 0, kKa30_15_kh02 * 144},
      {"water 1.5 m", 0, 1.5, kKa30_20 * (18 * (16 - 2.25) + 9 * 2.25) / 2},
  };
  for (const C& c : cases) {
    SCOPED_TRACE(c.what);
    auto d = GravityWall();
    d->Doatsu = 1;
    CAntRes r;
    ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), c.state, c.wl, r));
    EXPECT_NEAR(r.Pa, c.expected, 1e-4 * c.expected);
    // Trial wedge: point at a third of the face, Ka back-calculated.
    EXPECT_NEAR(r.Pay, 4.0 / 3.0, 1e-12);
    EXPECT_NEAR(r.Pax, 2, 1e-12);
    EXPECT_NEAR(r.Ka, 2 * r.Pa / (16 * 18), 1e-12);
    ASSERT_TRUE(r.Kusabi(0));
    EXPECT_FALSE(r.Kusabi(1));
    const double psi = (c.state == 0 ? 20 : 15) * kD;
    EXPECT_NEAR(r.Pah, r.Pa * std::cos(psi), 1e-9);
    // The trial file holds the last pass (11 trials) under KUSABI00.
    EXPECT_EQ(d->TempFile("KUSABI00"), r.Kusabi(0)->TempFile);
    EXPECT_EQ(KusabiRecordCount(r.Kusabi(0)->TempFile), 11);
  }
}

TEST(CalcDoatsuCase, UserSlipAngleGivesOneTrialAndKeepsTheFile) {
  auto d = GravityWall();
  d->Doatsu = 1;
  auto r = d->AntRes(0, 0);
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, *r));
  const std::string oldFile = r->Kusabi(0)->TempFile;
  const std::string oldBytes = ReadAll(oldFile);
  ASSERT_EQ(oldBytes.size(), 11u * 500u);
  r->Kusabi(0)->bChgOmg = -1;
  r->Kusabi(0)->fChgOmg = 35;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, *r));
  auto k = r->Kusabi(0);
  // W = 18 * 4 * 4 cot35 / 2; Pa = W sin5 / cos(-15).
  EXPECT_NEAR(k->fPa, 18.556152814914288, 1e-9);
  EXPECT_NEAR(r->Pa, 18.556152814914288, 1e-9);
  EXPECT_NE(k->bChgOmg, 0);
  EXPECT_EQ(k->fChgOmg, 35);
  EXPECT_NE(k->TempFile, oldFile);
  // The earlier search's trials were copied; the old file went with its record.
  EXPECT_EQ(ReadAll(k->TempFile), oldBytes);
  EXPECT_FALSE(PathExistsNoFollow(oldFile));
}

TEST(CalcDoatsuCase, SwitchingToCoulombDeletesTrialFiles) {
  auto d = GravityWall();
  d->Doatsu = 1;
  CAntRes r;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r));
  const std::string file = r.Kusabi(0)->TempFile;
  ASSERT_TRUE(PathExistsNoFollow(file));
  d->Doatsu = 0;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r));
  EXPECT_FALSE(r.Kusabi(0));
  EXPECT_FALSE(PathExistsNoFollow(file));
}

TEST(CalcDoatsuCase, CutSlopeAtTheHeel) {
  // Cut face 1:0.5 from the heel (theta = atan 2): wedge 0 slides on it,
  // W = 18 * 4 * 2 / 2 = 72, Pa0 = W sin(theta - 20)/cos(theta - 40) = 53.95264.
  // Backfill wedge from 63.43 deg up: best at its lower bound, 40.78745.
  auto d = GravityWall();
  d->Doatsu = 1;
  d->BackType = 1;
  d->KiriD = 0;
  for (int32_t kd : {0, 1}) {
    SCOPED_TRACE(kd);
    d->KiriDoatsu = kd;
    CAntRes r;
    ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r));
    ASSERT_TRUE(r.Kusabi(0));
    EXPECT_NEAR(r.Kusabi(0)->fPa, 53.95263512890572, 1e-9);
    EXPECT_EQ(r.Kusabi(0)->TempFile, "");  // single trial, no file
    EXPECT_NEAR(r.Pa, 53.95263512890572, 1e-9);
    if (kd == 0) {
      ASSERT_TRUE(r.Kusabi(1));
      EXPECT_NEAR(r.Kusabi(1)->fPa, 40.787446234849924, 1e-9);
      EXPECT_NEAR(r.Kusabi(1)->fMinOmg, std::atan(2.0) / kD, 1e-9);
      EXPECT_EQ(r.Kusabi(1)->fMaxOmg, 89);
    } else {
      EXPECT_FALSE(r.Kusabi(1));
    }
  }
}

TEST(CalcDoatsuCase, CutSlopeBehindTheHeel) {
  auto d = GravityWall();
  d->Doatsu = 1;
  d->BackType = 1;
  d->KiriD = 1;  // foot 1 m behind the heel, top at (5, 4)
  CAntRes r;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r));
  ASSERT_TRUE(r.Kusabi(0));
  ASSERT_TRUE(r.Kusabi(1));
  EXPECT_NEAR(r.Kusabi(0)->fMaxOmg, std::atan(4.0 / 3.0) / kD, 1e-9);
  EXPECT_EQ(d->TempFile("KUSABI000"), r.Kusabi(0)->TempFile);
  EXPECT_EQ(d->TempFile("KUSABI010"), r.Kusabi(1)->TempFile);
  EXPECT_EQ(r.Pa, std::max(r.Kusabi(0)->fPa, r.Kusabi(1)->fPa));
  // Without the friction between the wedge parts the case is not computable.
  d->KiriDlt = -1;
  EpStatus st = CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r);
  EXPECT_FALSE(st);
  EXPECT_EQ(st.reason, kEpReasonKiriDlt);
  EXPECT_EQ(r.Pa, 0);
  EXPECT_FALSE(r.Kusabi(0));
  EXPECT_FALSE(r.Kusabi(1));
}

TEST(CalcDoatsuCase, BackFaceWithoutHeight) {
  // Backfill surface dropped to the heel: the top segment has no height, so
  // there is no back-face angle; no case may come out with a number.
  for (int32_t method : {0, 1}) {
    SCOPED_TRACE(method);
    auto d = GravityWall();
    d->Doatsu = method;
    d->UraHd = 4;
    CAntRes r;
    r.Pa = 12;
    EpStatus st = CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r);
    EXPECT_FALSE(st);
    EXPECT_EQ(st.reason, kEpReasonFlatBackFace);
    EXPECT_EQ(r.Pa, 0);
    EXPECT_EQ(r.Pah, 0);
  }
}

TEST(CalcDoatsuCase, BlankSoilAngleRefusesTheCase) {
  // A seismic wall-friction angle left blank in a file: the seismic case is
  // refused with the reason, never computed with -1.7e10 degrees (which gave a
  // negative K_A); the normal case is untouched.
  for (int32_t method : {0, 1}) {
    SCOPED_TRACE(method);
    auto d = GravityWall();
    d->Doatsu = method;
    d->Setdelt(1, kNullDouble);
    CAntRes r;
    r.Pa = 12;
    EpStatus st = CalcDoatsuCase(*d, 0, Outline(*d), 1, 0, r);
    EXPECT_FALSE(st);
    EXPECT_EQ(st.reason, kEpReasonNoSoilAngle);
    EXPECT_EQ(r.Pa, 0);
    double PV = 1, PH = 1, MV = 1, MH = 1;
    EXPECT_FALSE(CalcSecDoatsu(*d, 0, Outline(*d), 1, 0, 1.0, 0, PV, PH, MV, MH));
    EXPECT_EQ(PH, 0);
    EXPECT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r));
    EXPECT_GT(r.Pa, 0);
  }
}

TEST(CalcDoatsuCase, BlankCutFaceFrictionRefusesTheWedge) {
  // A cut back ground whose friction angle on the cut face was left blank in
  // a file: the wedges would slide on -1.7e10 degrees; the case is refused.
  auto d = GravityWall();
  d->Doatsu = 1;
  d->BackType = 1;
  d->KiriD = 0.5;
  d->KiriN = 0.5;
  d->Cd = 0;
  d->Deltd = kNullDouble;
  CAntRes r;
  EpStatus st = CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r);
  EXPECT_FALSE(st);
  EXPECT_EQ(st.reason, kEpReasonNoCutFace);
  EXPECT_EQ(r.Pa, 0);
  d->Deltd = 20;
  EXPECT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r));
  EXPECT_GT(r.Pa, 0);
}

TEST(CoulombKa, AnglesNoWallCanHaveGiveNoCoefficient) {
  // phi 30, delta 20, alpha 60, theta 35 deg: theta > phi leaves the root term
  // at 1 and cos(alpha + delta + theta) < 0 gives K_A = cos^2 65 /
  // (cos 35 cos^2 60 cos 115) = -2.06.
  const double deg = kCalcDegToRad;
  EXPECT_FALSE(TryCoulombKa(30 * deg, 20 * deg, 60 * deg, 0, 35 * deg));
}

TEST(CalcDoatsuCase, NoWedgeIsNotAResult) {
  // Slope 1:0.5 (63.4 deg) and a user slip angle of 50 deg: the slip line never
  // reaches the ground, so there is no wedge and no earth pressure to report.
  auto d = GravityWall();
  d->Doatsu = 1;
  d->UragomeType = 1;
  d->UraN = 0.5;
  auto r = d->AntRes(0, 0);
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, *r));
  r->Kusabi(0)->bChgOmg = -1;
  r->Kusabi(0)->fChgOmg = 50;
  EpStatus st = CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, *r);
  EXPECT_FALSE(st);
  EXPECT_EQ(st.reason, kEpReasonNoWedge);
  EXPECT_EQ(r->Pa, 0);
  EXPECT_EQ(r->Pah, 0);
  // The user's angle stays on record, so another angle can be tried.
  ASSERT_TRUE(r->Kusabi(0));
  EXPECT_EQ(r->Kusabi(0)->fChgOmg, 50);

  // A trial-wedge case whose record holds no computed wedge has no angles.
  d->UragomeType = 0;
  d->Doatsu = 0;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, *r));
  EXPECT_FALSE(r->Kusabi(0));
}

TEST(OogataBlend, ElliptingToTheEmbankmentWedge) {
  EXPECT_EQ(OogataBlend(30, 40, 0, 2), 30);
  EXPECT_NEAR(OogataBlend(30, 40, 1, 2), 30 + 10 * std::sqrt(0.75), 1e-12);
  EXPECT_EQ(OogataBlend(30, 40, 2, 2), 40);
  // Beyond d1 the natural ground no longer acts: the embankment wedge, never
  // a root of a negative.
  EXPECT_EQ(OogataBlend(30, 40, 3, 2), 40);
  EXPECT_EQ(OogataBlend(30, 40, 5, 2), 40);
  EXPECT_EQ(OogataBlend(30, 40, 5, 0), 30);
}

TEST(CalcDoatsuCase, LargeBlockBlend) {
  auto d = GravityWall();
  d->Doatsu = 1;
  d->BackType = 1;
  d->Sisin = 3;
  d->KiriD = 0;
  CAntRes r;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r));
  ASSERT_TRUE(r.Kusabi(0));
  ASSERT_TRUE(r.Kusabi(1));
  // d1 from the embankment wedge's far end against the cut line 1:0.5.
  const auto& k0 = *r.Kusabi(0);
  EXPECT_NEAR(r.D1, (k0.fCrossX - 2) - (k0.fCrossY - 0) * 0.5, 1e-12);
  EXPECT_NEAR(k0.fPa, kKa30_20 * 144, 1e-4 * k0.fPa);
  // d = 0: the wedge at the natural-ground angle with the backfill's phi.
  EXPECT_NEAR(r.Kusabi(1)->fPa, 40.787446234849924, 1e-9);
  EXPECT_NEAR(r.Pa, 40.787446234849924, 1e-9);
  EXPECT_EQ(d->TempFile("KUSABI00"), k0.TempFile);
  // Half way to d1.
  const double d1 = r.D1;
  d->KiriD = d1 / 2;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r));
  EXPECT_NEAR(r.Pa, 40.787446234849924 + (r.Kusabi(0)->fPa - 40.787446234849924) * std::sqrt(0.75),
              1e-9);
  // Far behind: the embankment wedge.
  d->KiriD = 5 * d1;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r));
  EXPECT_DOUBLE_EQ(r.Pa, r.Kusabi(0)->fPa);
}

// Mixed wall by hand: lower back face x = 1 from y 0 to 2, upper (virtual)
// back face from (1, 2) to (1, 5), horizontal backfill.
KutaiPoints MixedOutline() {
  KutaiPoints w{};
  w[3] = {1, 2};
  w[4] = {1, 0};
  w[9] = {1, 5};
  w[10] = {1, 2};
  return w;
}

TEST(MixedWall, UpperAndLowerWedges) {
  auto d = GravityWall();
  d->SetWallType(3);
  d->Doatsu = 1;
  const KutaiPoints wall = MixedOutline();
  std::vector<DPoint> up = {{1, 2}, {1, 5}, {100001, 5}};
  KusabiPair K{};
  double Pa = 0, x = 0, y = 0;
  ASSERT_TRUE(CalcKusabiMxwUpper(0, *d, 0, 0, 0, 0, wall, 3, up, 1, Pa, x, y, K));
  // H = 3: Coulomb 0.5 * 18 * 9 * Ka; point at a third of the segment.
  EXPECT_NEAR(Pa, kKa30_20 * 81, 1e-4 * Pa);
  EXPECT_NEAR(y, 3, 1e-12);
  EXPECT_NEAR(x, 1, 1e-12);
  EXPECT_EQ(d->TempFile("KUSABI000"), K[0]->TempFile);
  EXPECT_EQ(K[0]->fMinOmg, 1);

  // Lower wall carries the upper thrust (alpha 0): the whole 5 m wedge minus it.
  std::vector<DPoint> low = {{1, 0}, {1, 2}, {1, 5}, {100001, 5}};
  KusabiPair L{};
  const double PaU = kKa30_20 * 81;
  ASSERT_TRUE(CalcKusabiMxwLower(0, *d, 0, 0, 0, 0, wall, 4, low, 2, 0, PaU, Pa, x, y, L));
  EXPECT_NEAR(Pa, kKa30_20 * 225 - PaU, 1e-4 * Pa);
  // h1 = 2, h2 = 3: y = (9 + 2)(2/3)/(2 + 6).
  EXPECT_NEAR(y, 11.0 / 12.0, 1e-12);
  EXPECT_NEAR(x, 1, 1e-12);
  EXPECT_EQ(d->TempFile("KUSABI010"), L[0]->TempFile);
}

TEST(MixedWall, CoulombUpperHandsItsThrustDown) {
  // Upper (virtual) back face from (1, 2) to (0.7, 5): alpha = atan 0.1, whose
  // coefficient is 0.3405776 by the independent wedge maximum. Surcharge 10:
  // Pa = Ka (10*3 + 18*9/2) = Ka * 111, moment Ka (30*1.5 + 81*1) = Ka * 126.
  auto d = GravityWall();
  d->SetWallType(3);
  d->Doatsu = 0;
  d->nAutoMobile = 0;
  d->AutoLoad = 10;
  d->AutoPos = 0;
  d->pCase(0)->nAutoMobil = 1;
  KutaiPoints wall = MixedOutline();
  wall[9] = {0.7, 5};
  CAntRes r0, r1;
  double alphaU = 0, PaU = 0;
  ASSERT_TRUE(CalcDoatsuCaseMxw(*d, 0, wall, 0, 0, 0, alphaU, PaU, r0));
  EXPECT_NEAR(r0.Ka, 0.3405776, 1e-6);
  EXPECT_NEAR(r0.Pa, 0.3405776 * 111, 1e-4);
  EXPECT_NEAR(r0.Pay, 2 + 126.0 / 111.0, 1e-9);
  EXPECT_NEAR(r0.Pax, 1 - 0.1, 1e-12);  // at a third of the height, not at y
  EXPECT_NEAR(alphaU, std::atan(0.1), 1e-15);
  EXPECT_EQ(PaU, r0.Pa);
  EXPECT_NEAR(r0.Pah, r0.Pa * std::cos(20 * kD + alphaU), 1e-12);
  // The seismic state keeps theta = 0 on the upper wall; only delta changes.
  CAntRes rs;
  double aS = 0, pS = 0;
  ASSERT_TRUE(CalcDoatsuCaseMxw(*d, 0, wall, 1, 0, 0, aS, pS, rs));
  // (independent wedge maximum for delta 15 without kh: 0.3433736; with kh 0.2
  // it would be far above 0.45).
  EXPECT_NEAR(rs.Ka, 0.3433736, 1e-6);

  // The lower wall always takes the trial wedge and carries the thrust.
  ASSERT_TRUE(CalcDoatsuCaseMxw(*d, 0, wall, 0, 0, 1, alphaU, PaU, r1));
  ASSERT_TRUE(r1.Kusabi(0));
  EXPECT_EQ(r1.Kusabi(0)->nMix, 1);
  EXPECT_EQ(r1.Kusabi(0)->fPaU, PaU);
  EXPECT_EQ(r1.Kusabi(0)->fAlphaU, alphaU);
  EXPECT_NEAR(r1.Ka, 2 * r1.Pa / (4 * 18), 1e-12);
  EXPECT_EQ(d->TempFile("KUSABI010"), r1.Kusabi(0)->TempFile);
}

TEST(CalcDoatsuCase, CutFaceOutOfReachDropsTheOldWedge) {
  // First a cut wall whose cut-face wedge exists ...
  auto d = GravityWall();
  d->Doatsu = 1;
  d->BackType = 1;
  d->KiriD = 1;
  auto r = d->AntRes(0, 0);
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, *r));
  ASSERT_TRUE(r->Kusabi(0));
  const std::string oldFile = r->Kusabi(0)->TempFile;
  // ... then a backfill slope (63.4 deg) steeper than the cut face (45 deg):
  // the cut face never reaches the ground, so there is no cut-face wedge, and
  // the earlier one must not take part in the choice.
  d->UragomeType = 1;
  d->UraN = 0.5;
  d->KiriN = 1;
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, *r));
  EXPECT_FALSE(r->Kusabi(0));
  ASSERT_TRUE(r->Kusabi(1));
  EXPECT_EQ(r->Pa, r->Kusabi(1)->fPa);
  EXPECT_FALSE(PathExistsNoFollow(oldFile));
  // With the cut-face wedge alone the case has no earth pressure.
  d->KiriDoatsu = 1;
  EpStatus st = CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, *r);
  EXPECT_FALSE(st);
  EXPECT_EQ(r->Pa, 0);
}

TEST(CalcDoatsuCase, LargeBlockWithoutTheHeelWedge) {
  // Natural ground at 45 deg under a 63.4 deg backfill slope: no wedge at the
  // natural-ground angle, so no blend and no earth pressure (not a silent 0).
  auto d = GravityWall();
  d->Doatsu = 1;
  d->BackType = 1;
  d->Sisin = 3;
  d->UragomeType = 1;
  d->UraN = 0.5;
  d->KiriN = 1;
  CAntRes r;
  r.Pa = 77;
  EpStatus st = CalcDoatsuCase(*d, 0, Outline(*d), 0, 0, r);
  EXPECT_FALSE(st);
  EXPECT_EQ(st.reason, kEpReasonNoWedge);
  EXPECT_EQ(r.Pa, 0);
  EXPECT_FALSE(r.Kusabi(1));
}

TEST(CalcSecDoatsu, CoulombAndWholeWallCoefficient) {
  auto d = GravityWall();
  d->Doatsu = 0;
  const KutaiPoints wall = Outline(*d);
  double PV, PH, MV, MH;
  const double y = 1;
  int16_t thrust = 0;
  // 3 m above the section: Pa = Ka * 18 * 9 / 2 at 1 + 1 = 2.
  ASSERT_TRUE(CalcSecDoatsu(*d, 0, wall, 0, 0, y, thrust, PV, PH, MV, MH));
  const double pa = kKa30_20 * 81;
  EXPECT_NEAR(PH, pa * std::cos(20 * kD), 1e-4);
  EXPECT_NEAR(PV, pa * std::sin(20 * kD), 1e-4);
  EXPECT_NEAR(MV, 2 * PV, 1e-12);
  EXPECT_NEAR(MH, 2 * PH, 1e-12);
  thrust = 1;
  ASSERT_TRUE(CalcSecDoatsu(*d, 0, wall, 0, 0, y, thrust, PV, PH, MV, MH));
  EXPECT_NEAR(PH, pa, 1e-4);
  EXPECT_EQ(PV, 0);
  EXPECT_EQ(MV, 0);
  // At the top: nothing above the section.
  const double top = 4;
  ASSERT_TRUE(CalcSecDoatsu(*d, 0, wall, 0, 0, top, thrust, PV, PH, MV, MH));
  EXPECT_EQ(PH, 0);

  // Trial wedge with the whole wall's Ka: a triangle over the 3 m.
  d->Doatsu = 1;
  d->SecDoatsu = 0;
  thrust = 0;
  // Without a wedge record of the case there are no angles: not computable.
  EpStatus st = CalcSecDoatsu(*d, 0, wall, 0, 0, y, thrust, PV, PH, MV, MH);
  EXPECT_FALSE(st);
  EXPECT_EQ(st.reason, kEpReasonNoWedgeRecord);
  EXPECT_EQ(PH, 0);
  ASSERT_TRUE(CalcDoatsuCase(*d, 0, wall, 0, 0, *d->AntRes(0, 0)));
  d->AntRes(0, 0)->Ka = 0.3;
  ASSERT_TRUE(CalcSecDoatsu(*d, 0, wall, 0, 0, y, thrust, PV, PH, MV, MH));
  EXPECT_NEAR(PH, 0.3 * 81 * std::cos(20 * kD), 1e-9);
  EXPECT_NEAR(MH, 2 * PH, 1e-12);
}

TEST(CalcSecDoatsu, SectionWedgeLeavesNoFile) {
  auto d = GravityWall();
  d->Doatsu = 1;
  d->SecDoatsu = 1;
  const KutaiPoints wall = Outline(*d);
  double PV, PH, MV, MH;
  const double y = 1;
  const int16_t thrust = 1;
  ASSERT_TRUE(CalcSecDoatsu(*d, 0, wall, 0, 0, y, thrust, PV, PH, MV, MH));
  EXPECT_NEAR(PH, kKa30_20 * 81, 1e-4 * PH);
  EXPECT_NEAR(MH, 2 * PH, 1e-12);
  EXPECT_EQ(d->TempFile("KUSABI10"), "");
}

TEST(CalcSecDoatsu, HeldCoefficientsAndRestoreAfterException) {
  auto d = GravityWall();
  d->Doatsu = 0;
  const KutaiPoints wall = Outline(*d);
  double PV, PH, MV, MH;
  const double y = 1;
  const int16_t thrust = 1;
  try {
    JyousaiHold hold(0.5, 2, 0);
    ASSERT_TRUE(CalcSecDoatsu(*d, 0, wall, 0, 0, y, thrust, PV, PH, MV, MH));
    // Held Ka 0.5 and Qd 2 over 3 m: 0.5 (2*3 + 81).
    EXPECT_NEAR(PH, 0.5 * 87, 1e-12);
    throw std::runtime_error("a step of the held run fails");
  } catch (const std::runtime_error&) {
  }
  EXPECT_TRUE(bJyousaiCalc);
  ASSERT_TRUE(CalcSecDoatsu(*d, 0, wall, 0, 0, y, thrust, PV, PH, MV, MH));
  EXPECT_NEAR(PH, kKa30_20 * 81, 1e-4);
}

}  // namespace
}  // namespace norva

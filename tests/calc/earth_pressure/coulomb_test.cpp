// Coulomb coefficients and pressure distribution. Reference values come from an
// independent force-polygon solution maximised over the slip angle (active),
// the textbook Mononobe-Okabe passive formula, and hand sums of pressure blocks.
#include "calc/earth_pressure/coulomb.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace norva {
namespace {

constexpr double kD = 0.017453292519943278;

struct KaCase {
  const char* what;
  double phi, delta, alpha, beta, kh;
  double expected;
};

TEST(CoulombKa, MatchesWedgeMaximumAndTextbook) {
  const KaCase cases[] = {
      {"Rankine", 30, 0, 0, 0, 0, 1.0 / 3.0},
      {"wall friction", 30, 20, 0, 0, 0, 0.297314},
      {"phi 35, delta phi/2", 35, 17.5, 0, 0, 0, 0.246123},
      {"phi 25", 25, 10, 0, 0, 0, 0.372617},
      {"sloped backfill", 30, 20, 0, 20, 0, 0.414205},
      {"back face leaning forward", 30, 20, 10, 0, 0, 0.376902},
      {"back face leaning back, slope", 30, 20, -10, 10, 0, 0.261749},
      {"seismic kh 0.2", 30, 0, 0, 0, 0.2, 0.473265},
      {"seismic with friction", 30, 15, 0, 0, 0.2, 0.452032},
      {"seismic, leaning, slope", 35, 17.5, 5, 10, 0.15, 0.449681},
  };
  for (const KaCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_NEAR(CoulombKa(c.phi * kD, c.delta * kD, c.alpha * kD, c.beta * kD, std::atan(c.kh)),
                c.expected, 2e-6);
  }
}

TEST(CoulombKa, SteepSlopeBranches) {
  // beta > phi: delta becomes phi and C = 1, so Ka = cos^2(phi)/cos(phi) = cos(phi).
  EXPECT_NEAR(CoulombKa(30 * kD, 20 * kD, 0, 35 * kD, 0), std::cos(30 * kD), 1e-12);
  // beta = phi: R = 0, C = 1, Ka = cos^2(phi)/cos(delta).
  EXPECT_NEAR(CoulombKa(30 * kD, 20 * kD, 0, 30 * kD, 0),
              std::pow(std::cos(30 * kD), 2) / std::cos(20 * kD), 1e-12);
  // phi - beta - theta < 0 with beta < phi: C = 1 and delta is kept.
  const double t = std::atan(0.2);
  EXPECT_NEAR(CoulombKa(30 * kD, 15 * kD, 0, 25 * kD, t), 1.02083117, 1e-7);
}

TEST(CoulombKp, TextbookPassiveWithFrictionAgainstTheWall) {
  struct C {
    double phi, delta, alpha, beta, kh, expected;
  };
  const C cases[] = {
      {30, 0, 0, 0, 0, 3.0},  // Rankine
      {30, 15, 0, 0, 0, 1.931852},  {30, 10, 5, 10, 0, 2.568818},
      {30, 0, 0, 0, 0.1, 2.821308}, {35, 10, 0, 0, 0.15, 2.530973},
  };
  for (const C& c : cases) {
    EXPECT_NEAR(CoulombKp(c.phi * kD, c.delta * kD, c.alpha * kD, c.beta * kD, std::atan(c.kh)),
                c.expected, 2e-6)
        << c.phi << " " << c.delta;
  }
  // Wall friction above phi: negative radicand gives 0.
  EXPECT_EQ(CoulombKp(20 * kD, 25 * kD, 0, 0, 0), 0.0);
  // R = 1 would divide by zero: no value, and no infinity.
  EXPECT_FALSE(TryCoulombKp(45 * kD, 0, 0, 45 * kD, 0).has_value());
  EXPECT_EQ(CoulombKp(45 * kD, 0, 0, 45 * kD, 0), 0.0);
}

TEST(CoulombKa, UndefinedAnglesGiveNoValueNotNaN) {
  // cos(alpha + delta + theta) = 0: a zero divisor.
  EXPECT_FALSE(TryCoulombKa(30 * kD, 30 * kD, 60 * kD, 0, 0).has_value());
  const double ka = CoulombKa(30 * kD, 30 * kD, 60 * kD, 0, 0);
  EXPECT_TRUE(std::isfinite(ka));
}

TEST(CoulombPressure, HandSummedBlocks) {
  struct C {
    const char* what;
    CoulombLoad in;
    double Pa, x, y;
  };
  // Surcharge 10, Ka 0.3, gamma 18, H 4: rectangle 3x4 at 2, triangle 43.2 at 4/3.
  CoulombLoad dry{4, 0, 10, 0, 0.3, 18, 9, 2, 0, 0};
  // Water 1.5 m: 16.875 at 2.3333 above, 20.25 at 0.75 and 3.0375 at 0.5 below.
  CoulombLoad wet{4, 1.5, 0, 0, 0.3, 18, 9, 2, 0, 0};
  // The surcharge split between Qd and Qw gives the same pressure.
  CoulombLoad split{4, 0, 4, 6, 0.3, 18, 9, 2, 0, 0};
  // Water above the face top: the whole face is submerged, 9*0.3*16/2 at 4/3.
  CoulombLoad flooded{4, 5, 0, 0, 0.3, 18, 9, 2, 0, 0};
  const C cases[] = {
      {"dry with surcharge", dry, 55.2, 2.0, 81.6 / 55.2},
      {"water", wet, 40.1625, 2.0, 56.08125 / 40.1625},
      {"Qd and Qw", split, 55.2, 2.0, 81.6 / 55.2},
      {"water above the top", flooded, 21.6, 2.0, 4.0 / 3.0},
  };
  for (const C& c : cases) {
    SCOPED_TRACE(c.what);
    CoulombForce f = CoulombPressure(c.in);
    EXPECT_NEAR(f.Pa, c.Pa, 1e-9);
    EXPECT_NEAR(f.x, c.x, 1e-9);
    EXPECT_NEAR(f.y, c.y, 1e-9);
  }
}

TEST(CoulombPressure, LeaningFaceAndZeroResultant) {
  // Point on the line through the bottom point with the top segment's slope.
  CoulombLoad in{3, 0, 0, 0, 0.3, 18, 9, 1.0, 0.5, 0.1};
  CoulombForce f = CoulombPressure(in);
  EXPECT_NEAR(f.Pa, 0.3 * 18 * 9 / 2, 1e-9);
  EXPECT_NEAR(f.y, 0.5 + 1.0, 1e-9);
  EXPECT_NEAR(f.x, 1.0 + 1.0 * std::tan(-0.1), 1e-12);
  // Ka = 0: no resultant, the point is the bottom of the face.
  in.Ka = 0;
  f = CoulombPressure(in);
  EXPECT_EQ(f.Pa, 0.0);
  EXPECT_EQ(f.y, 0.5);
  EXPECT_EQ(f.x, 1.0);
}

TEST(CoulombPressureMxw, RectangleTriangleTrapezoid) {
  // H 3, water 1 m, surcharge 10, Ka 0.3: 9 at 1.5, 10.8 at 1.6667, 10.8 at 0.5,
  // 1.35 at 1/3 (sum 31.95, moment 37.35). x stays at a third of the height.
  CoulombLoad in{3, 1, 10, 0, 0.3, 18, 9, 2.0, 1.0, 0.2};
  CoulombForce f = CoulombPressureMxw(in);
  EXPECT_NEAR(f.Pa, 31.95, 1e-9);
  EXPECT_NEAR(f.y, 1.0 + 37.35 / 31.95, 1e-9);
  EXPECT_NEAR(f.x, 2.0 + 1.0 * std::tan(-0.2), 1e-12);
  in.Ka = 0;
  f = CoulombPressureMxw(in);
  EXPECT_EQ(f.Pa, 0.0);
  EXPECT_EQ(f.y, 1.0);
}

TEST(JyousaiState, HoldRestoresAlsoOnException) {
  ASSERT_TRUE(bJyousaiCalc);
  FixKa = 0.11;
  try {
    JyousaiHold hold(0.4, 5, 6);
    EXPECT_FALSE(bJyousaiCalc);
    EXPECT_EQ(FixKa, 0.4);
    EXPECT_EQ(FixQd, 5);
    EXPECT_EQ(FixQw, 6);
    throw std::runtime_error("fault inside the held run");
  } catch (const std::runtime_error&) {
  }
  EXPECT_TRUE(bJyousaiCalc);
  EXPECT_EQ(FixKa, 0.11);
  FixKa = 0;
}

TEST(BackFaceAngle, SignAndFlatSegment) {
  // Top further to the front (smaller x) than the bottom: positive alpha.
  EXPECT_NEAR(*BackFaceAngle(2, 0, 1, 4), std::atan(0.25), 1e-15);
  EXPECT_NEAR(*BackFaceAngle(2, 0, 3, 4), -std::atan(0.25), 1e-15);
  EXPECT_FALSE(BackFaceAngle(2, 4, 3, 4).has_value());
}

}  // namespace
}  // namespace norva

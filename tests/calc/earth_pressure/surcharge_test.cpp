// Converted surcharges: the coefficient Iw by hand and the load rules.
#include "calc/earth_pressure/surcharge.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norva {
namespace {

constexpr double kPi = 3.14159265358979;

TEST(JyousaiCoef, HandValues) {
  struct C {
    double x, H, expected;
  };
  const C cases[] = {
      {0, 4, 1.0},                                      // at the wall
      {3, 0, 1.0},                                      // no height: t = 0
      {4, 4, 2 - (2 / kPi) * 2 * (kPi / 4) - 2 / kPi},  // t = 1: 0.363380
      {2, 4, 1.25 - (2 / kPi) * (1.25 * std::atan(0.5) + 0.5)},
  };
  for (const C& c : cases) EXPECT_NEAR(JyousaiCoef(c.x, c.H), c.expected, 1e-14) << c.x;
  EXPECT_NEAR(JyousaiCoef(4, 4), 0.3633802, 1e-7);
  // Falls away from the wall.
  EXPECT_LT(JyousaiCoef(8, 4), JyousaiCoef(4, 4));
}

TEST(ConvertedSurcharge, WhichLoadsCount) {
  const double iw1 = JyousaiCoef(1, 4);
  struct C {
    const char* what;
    SurfaceLoad load;
    double H0, expected;
  };
  const C cases[] = {
      {"considered and acting", {0, 1, 1, 10}, 0, 10 * iw1},
      {"switched off in the document", {1, 1, 1, 10}, 0, 0},
      {"not acting in the case", {0, 0, 1, 10}, 0, 0},
      {"case switch other than 1", {0, 2, 1, 10}, 0, 0},
      {"starts exactly at H: strict", {0, 1, 4, 10}, 0, 0},
      {"beyond H", {0, 1, 5, 10}, 0, 0},
      // A trapezoid embankment raises the reach but not the coefficient.
      {"reach raised by H0", {0, 1, 4.5, 10}, 1, 10 * JyousaiCoef(4.5, 4)},
  };
  for (const C& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_NEAR(ConvertedSurcharge({c.load}, 4, c.H0), c.expected, 1e-14);
  }
  // Several loads add up.
  EXPECT_NEAR(ConvertedSurcharge({{0, 1, 0, 10}, {0, 1, 1, 5}}, 4, 0), 10 + 5 * iw1, 1e-14);
}

}  // namespace
}  // namespace norva

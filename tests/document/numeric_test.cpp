#include "document/numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/weight.h"

namespace norva {
namespace {

const double kPi = 3.14159265358979323846;

// ---- tolerance comparisons ------------------------------------------------

struct TolCase {
  double a, b;
  bool eq, gt, lt, le, ge;
};

TEST(Tolerance, ComparisonsAroundTheBoundary) {
  const TolCase cases[] = {
      // a        b        Equal  Greater Less   LessEq GreaterEq
      {1.0, 1.000009, true, false, false, true, true},
      {1.0, 1.00002, false, false, true, true, false},
      {1.00002, 1.0, false, true, false, false, true},
      {1.000009, 1.0, true, false, false, true, true},
      {0.999991, 1.0, true, false, false, true, true},
      // A difference of exactly 1e-5 is neither equal nor greater/less.
      {1e-5, 0.0, false, false, false, true, true},
      {0.0, 1e-5, false, false, false, true, true},
      {-3.0, -3.0, true, false, false, true, true},
      {-2.0, -3.0, false, true, false, false, true},
  };
  for (const TolCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " vs " << c.b);
    EXPECT_EQ(EqualTol(c.a, c.b), c.eq);
    EXPECT_EQ(NotEqualTol(c.a, c.b), !c.eq);
    EXPECT_EQ(GreaterTol(c.a, c.b), c.gt);
    EXPECT_EQ(LessTol(c.a, c.b), c.lt);
    EXPECT_EQ(LessEqTol(c.a, c.b), c.le);
    EXPECT_EQ(GreaterEqTol(c.a, c.b), c.ge);
  }
}

// ---- MinOf / MaxOf ---------------------------------------------------------

TEST(MinMax, StartValueAndElements) {
  EXPECT_EQ(MaxOf(0.0, {-0.2}), 0.0);  // clamps at zero
  EXPECT_EQ(MaxOf(0.0, {0.7}), 0.7);
  EXPECT_EQ(MinOf(4, {6}), 4);  // caps at 4
  EXPECT_EQ(MinOf(4, {3}), 3);
  EXPECT_EQ(MinOf(18.0 / 4.0, {5.5}), 4.5);
  EXPECT_EQ(MinOf(30.0 / 4.0, {5.5}), 5.5);
  const std::vector<double> v = {3.0, -1.0, 7.5, -1.0, 2.0};
  EXPECT_EQ(MinOf(0.0, v), -1.0);
  EXPECT_EQ(MaxOf(0.0, v), 7.5);
  EXPECT_EQ(MaxOf(10.0, v), 10.0);
  EXPECT_EQ(MinOf(-5.0, std::vector<double>{}), -5.0);  // empty list
  // Mixed kinds compare as numbers.
  const int16_t n = 2;
  EXPECT_EQ(MinOf(4, {n}), 2);
  EXPECT_DOUBLE_EQ(MaxOf(int16_t{1}, {2.5}), 2.5);
}

TEST(MinMax, TiesKeepTheEarlierValueAndNaNNeverWins) {
  // -0.0 and 0.0 compare equal: a tie keeps the start value, sign included.
  EXPECT_TRUE(std::signbit(MaxOf(-0.0, {0.0})));
  EXPECT_FALSE(std::signbit(MinOf(0.0, {-0.0})));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(MaxOf(1.0, {nan, 3.0}), 3.0);
  EXPECT_EQ(MinOf(1.0, {nan}), 1.0);
}

// ---- RoundHalfUp -----------------------------------------------------------

TEST(RoundHalfUp, Table) {
  struct Case {
    double x;
    int16_t n;
    double want;
  } const cases[] = {
      {2.5, 0, 3.0},
      {12.5, 0, 13.0},
      {0.125, 2, 0.13},
      {7.0, 0, 7.0},
      {2.4999, 0, 2.0},
      {1234.5678, 2, 1234.57},
      {0.0, 3, 0.0},
      {0.33, 2, 0.33},  // a shear allowable: 18/100 + 0.15
      {1500.0, 0, 1500.0},
      // Negatives mirror the positives.
      {-2.6, 0, -3.0},
      {-2.5, 0, -3.0},
      {-2.4, 0, -2.0},
      {-0.125, 2, -0.13},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << " to " << c.n);
    EXPECT_DOUBLE_EQ(RoundHalfUp(c.x, c.n), c.want);
  }
  EXPECT_DOUBLE_EQ(RoundHalfUp(18.0 / 100.0 + 0.15, 2), 0.33);
}

// ---- interpolation ---------------------------------------------------------

TEST(Interpolate, AlongALineAndDegenerateSegments) {
  EXPECT_DOUBLE_EQ(InterpolateX({0, 0}, {10, 5}, 2.5), 5.0);
  EXPECT_DOUBLE_EQ(InterpolateX({0, 0}, {10, 5}, 10.0), 20.0);  // extrapolates
  EXPECT_DOUBLE_EQ(InterpolateX({2, 1}, {1, 3}, 2.0), 1.5);
  for (double y : {-4.0, 1.0, 9.0}) EXPECT_EQ(InterpolateX({3, 1}, {8, 1}, y), 3.0);
  EXPECT_DOUBLE_EQ(InterpolateY({0, 0}, {10, 5}, 4.0), 2.0);
  EXPECT_DOUBLE_EQ(InterpolateY({0, 1}, {2, -3}, 3.0), -5.0);
  for (double x : {-4.0, 1.0, 9.0}) EXPECT_EQ(InterpolateY({2, 7}, {2, 1}, x), 7.0);
}

// ---- ArcCos, CubeRoot, SolveCubic, RadToDeg ---------------------------------

TEST(ArcCos, ValuesAndSnapsAtTheEnds) {
  EXPECT_EQ(ArcCos(1.000005), 0.0);
  EXPECT_EQ(ArcCos(1.0), 0.0);
  EXPECT_DOUBLE_EQ(ArcCos(-0.999995), kPi);
  EXPECT_DOUBLE_EQ(ArcCos(0.0), kPi / 2);
  EXPECT_NEAR(ArcCos(0.5), kPi / 3, 1e-14);
  EXPECT_NEAR(ArcCos(-0.5), 2 * kPi / 3, 1e-14);
  EXPECT_NEAR(ArcCos(std::sqrt(2.0) / 2), kPi / 4, 1e-14);
}

TEST(ArcCos, OutsideTheDomainIsAnError) {
  EXPECT_THROW(ArcCos(1.00002), std::domain_error);
  EXPECT_THROW(ArcCos(-2.0), std::domain_error);
  EXPECT_THROW(ArcCos(std::numeric_limits<double>::quiet_NaN()), std::domain_error);
}

TEST(CubeRoot, Table) {
  EXPECT_EQ(CubeRoot(27.0), 3.0);
  EXPECT_EQ(CubeRoot(-8.0), -2.0);
  EXPECT_EQ(CubeRoot(1e12), 10000.0);
  EXPECT_EQ(CubeRoot(0.0), 0.0);
  EXPECT_EQ(CubeRoot(1.0), 1.0);
  EXPECT_NEAR(CubeRoot(0.001), 0.1, 1e-16);
  EXPECT_NEAR(CubeRoot(2.0), 1.2599210498948732, 1e-15);
  EXPECT_NEAR(CubeRoot(-0.125), -0.5, 1e-16);
  EXPECT_NEAR(CubeRoot(1e-30), 1e-10, 1e-25);
  EXPECT_THROW(CubeRoot(std::numeric_limits<double>::infinity()), std::domain_error);
}

TEST(SolveCubic, EachRegime) {
  double x1 = 0, x2 = 0, x3 = 0;
  // (x-1)(x-2)(x-3): three real roots in the order of the trigonometric form.
  SolveCubic(1, -6, 11, -6, x1, x2, x3);
  EXPECT_NEAR(x1, 3.0, 1e-12);
  EXPECT_NEAR(x2, 1.0, 1e-12);
  EXPECT_NEAR(x3, 2.0, 1e-12);
  // Same roots with a scaled equation.
  SolveCubic(2, -12, 22, -12, x1, x2, x3);
  EXPECT_NEAR(x1, 3.0, 1e-12);
  EXPECT_NEAR(x2, 1.0, 1e-12);
  EXPECT_NEAR(x3, 2.0, 1e-12);
  // (x+1)(x-0.5)(x-2) = x^3 - 1.5x^2 - 1.5x + 1: x3 is the middle root.
  SolveCubic(1, -1.5, -1.5, 1, x1, x2, x3);
  EXPECT_NEAR(x1, 2.0, 1e-12);
  EXPECT_NEAR(x2, -1.0, 1e-12);
  EXPECT_NEAR(x3, 0.5, 1e-12);
  // x^3 = 8: real root 2, complex pair -1 +- i*sqrt(3).
  SolveCubic(1, 0, 0, -8, x1, x2, x3);
  EXPECT_NEAR(x1, 2.0, 1e-12);
  EXPECT_NEAR(x2, -1.0, 1e-12);
  EXPECT_NEAR(x3, std::sqrt(3.0), 1e-12);
  // (x-1)^3: discriminant exactly zero, x3 untouched.
  x3 = 99.0;
  SolveCubic(1, -3, 3, -1, x1, x2, x3);
  EXPECT_NEAR(x1, 1.0, 1e-12);
  EXPECT_NEAR(x2, 1.0, 1e-12);
  EXPECT_EQ(x3, 99.0);
}

TEST(SolveCubic, NoCubicIsAnError) {
  double x1 = 0, x2 = 0, x3 = 0;
  EXPECT_THROW(SolveCubic(0, 1, 2, 3, x1, x2, x3), std::invalid_argument);
  EXPECT_THROW(SolveCubic(1, std::numeric_limits<double>::infinity(), 0, 0, x1, x2, x3),
               std::invalid_argument);
}

TEST(RadToDeg, Table) {
  EXPECT_DOUBLE_EQ(RadToDeg(kPi), 180.0);
  EXPECT_DOUBLE_EQ(RadToDeg(kPi / 6), 30.0);
  EXPECT_DOUBLE_EQ(RadToDeg(-kPi / 2), -90.0);
  EXPECT_EQ(RadToDeg(0.0), 0.0);
}

TEST(SwapValues, NumbersAndTexts) {
  double a = 1.5, b = -2.0;
  SwapValues(a, b);
  EXPECT_EQ(a, -2.0);
  EXPECT_EQ(b, 1.5);
  std::string s = "擁壁", t = "";
  SwapValues(s, t);
  EXPECT_EQ(s, "");
  EXPECT_EQ(t, "擁壁");
}

// ---- polygon helpers --------------------------------------------------------

TEST(RemoveDupPoints, DriftingRunCollapsesOntoTheLastKeptPoint) {
  std::vector<DPoint> p = {{0, 0}, {0.000004, 0}, {0.000008, 0}, {0.000012, 0}, {1, 0}, {7, 7}};
  int32_t n = 5;  // the last entry is behind the count
  RemoveDupPoints(n, p);
  ASSERT_EQ(n, 3);
  EXPECT_EQ(p[0].X, 0.0);
  EXPECT_EQ(p[1].X, 0.000012);
  EXPECT_EQ(p[2].X, 1.0);
  EXPECT_EQ(p.size(), 6u);
  EXPECT_EQ(p[5].X, 7.0);  // untouched
}

TEST(RemoveDupPoints, RepeatedPointsAndBadArrays) {
  std::vector<DPoint> p = {{1, 1}, {1, 1}, {2, 1}, {2, 1.000001}, {2, 3}, {1, 1}};
  int32_t n = 6;
  RemoveDupPoints(n, p);
  ASSERT_EQ(n, 4);
  EXPECT_EQ(p[1].X, 2.0);
  EXPECT_EQ(p[1].Y, 1.0);
  EXPECT_EQ(p[2].Y, 3.0);
  EXPECT_EQ(p[3].X, 1.0);  // the closing repeat of point 0 is no consecutive duplicate
  std::vector<DPoint> one = {{5, 5}};
  n = 1;
  RemoveDupPoints(n, one);
  EXPECT_EQ(n, 1);
  std::vector<DPoint> none;
  n = 0;
  EXPECT_THROW(RemoveDupPoints(n, none), std::out_of_range);
  std::vector<DPoint> shortArr = {{0, 0}};
  n = 3;
  EXPECT_THROW(RemoveDupPoints(n, shortArr), std::out_of_range);
}

double AreaOf(int32_t n, const std::vector<DPoint>& p) {
  CWeight w;
  w.SetnPoint(n);
  for (int32_t i = 0; i < n; ++i) {
    w.SetX(i, p[i].X);
    w.SetY(i, p[i].Y);
  }
  return n < 1 ? 0.0 : w.A();
}

TEST(ClipPolygonAtLevel, SquareCutThroughTheMiddle) {
  std::vector<DPoint> p = {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}};
  int32_t n = 5;
  ClipPolygonAtLevel(n, p, 5.0);
  ASSERT_EQ(n, 5);
  const DPoint want[] = {{0, 5}, {0, 10}, {10, 10}, {10, 5}, {0, 5}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_DOUBLE_EQ(p[i].X, want[i].X) << i;
    EXPECT_DOUBLE_EQ(p[i].Y, want[i].Y) << i;
  }
  EXPECT_EQ(p.size(), 11u);  // 2n + 1 entries
}

// Leaning-wall stem 2,5,6,3 (clockwise): (0.3,0.4),(1.3,4.4),(1.8,4.4),(1.0,0.1),
// cut at y = 0.25 where only point 3 lies below. The back face 3->6 reaches
// 0.25 at x = 1.0 + 0.8*0.15/4.3, the closing edge 3->2 at x = 1.0 - 0.7*0.15/0.3;
// the part above is the whole stem minus the triangle under the cut.
double LeaningStemAbove() {
  const double whole = 0.5 * ((0.4 * 1.3 - 4.4 * 0.3) + (4.4 * 1.8 - 4.4 * 1.3) +
                              (4.4 * 1.0 - 0.1 * 1.8) + (0.1 * 0.3 - 0.4 * 1.0));
  const double xb = 1.0 + 0.8 * 0.15 / 4.3;
  const double xf = 1.0 - 0.7 * 0.15 / 0.3;
  return whole - 0.5 * (xb - xf) * 0.15;
}

TEST(ClipPolygonAtLevel, AreasOfTheKeptPart) {
  struct Case {
    const char* what;
    std::vector<DPoint> poly;  // closed
    double L;
    double area;  // by hand
  } const cases[] = {
      // The closing edge (0,0)->(0,10) crosses the level: 10 x 5 kept.
      {"closing edge crosses", {{0, 10}, {10, 10}, {10, 0}, {0, 0}, {0, 10}}, 5, 50},
      // Apex above, both neighbours below: triangle (2.5,5),(5,10),(7.5,5).
      {"apex above", {{0, 0}, {5, 10}, {10, 0}, {0, 0}}, 5, 12.5},
      {"wholly above", {{0, 6}, {0, 10}, {10, 10}, {10, 6}, {0, 6}}, 5, 40},
      {"wholly below", {{0, 0}, {0, 4}, {10, 4}, {10, 0}, {0, 0}}, 5, 0},
      {"apex touches the level", {{0, 0}, {5, 5}, {10, 0}, {0, 0}}, 5, 0},
      // U shape: two prongs of 2 x 5 each survive.
      {"two prongs",
       {{0, 0}, {0, 10}, {2, 10}, {2, 2}, {8, 2}, {8, 10}, {10, 10}, {10, 0}, {0, 0}},
       5,
       20},
      {"leaning stem",
       {{0.3, 0.4}, {1.3, 4.4}, {1.8, 4.4}, {1.0, 0.1}, {0.3, 0.4}},
       0.25,
       LeaningStemAbove()},
      // An edge lying on the level keeps its points once.
      {"bottom on the level", {{0, 5}, {0, 10}, {10, 10}, {10, 5}, {0, 5}}, 5, 50},
      // A polygon passed without its repeated first point is closed all the same.
      {"open ring", {{0, 0}, {0, 10}, {10, 10}, {10, 0}}, 5, 50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<DPoint> p = c.poly;
    int32_t n = static_cast<int32_t>(p.size());
    ClipPolygonAtLevel(n, p, c.L);
    ASSERT_LE(static_cast<size_t>(n), p.size());
    EXPECT_NEAR(AreaOf(n, p), c.area, 1e-12);
    if (n > 1) {
      EXPECT_EQ(p[0].X, p[n - 1].X);
      EXPECT_EQ(p[0].Y, p[n - 1].Y);
    }
    for (int32_t i = 0; i < n; ++i) EXPECT_GE(p[i].Y, c.L);
    // No point is written twice in a row.
    for (int32_t i = 1; i < n; ++i) EXPECT_TRUE(p[i].X != p[i - 1].X || p[i].Y != p[i - 1].Y) << i;
  }
}

TEST(ClipPolygonAtLevel, EmptyAndShortArrays) {
  std::vector<DPoint> none;
  int32_t n = 0;
  EXPECT_THROW(ClipPolygonAtLevel(n, none, 1.0), std::out_of_range);
  std::vector<DPoint> p = {{0, 0}, {1, 1}};
  n = 4;
  EXPECT_THROW(ClipPolygonAtLevel(n, p, 0.5), std::out_of_range);
}

// ---- bar areas and the highlight record --------------------------------------

TEST(RebarArea, NominalAreasOfDeformedBars) {
  // Nominal sectional areas of deformed bars D6..D51 (cm^2).
  const std::pair<int16_t, double> bars[] = {
      {6, 0.3167}, {10, 0.7133}, {13, 1.267}, {16, 1.986}, {19, 2.865}, {22, 3.871}, {25, 5.067},
      {29, 6.424}, {32, 7.942},  {35, 9.566}, {38, 11.4},  {41, 13.4},  {51, 20.27}};
  for (const auto& [dia, area] : bars) {
    SCOPED_TRACE(dia);
    EXPECT_DOUBLE_EQ(RebarArea(dia, ""), area);
    EXPECT_DOUBLE_EQ(RebarArea(dia, "cm"), area);
    EXPECT_DOUBLE_EQ(RebarArea(dia, "m"), area / 10000.0);
    EXPECT_DOUBLE_EQ(RebarArea(dia, "mm"), area * 100.0);
  }
  EXPECT_DOUBLE_EQ(RebarArea(13, "MM"), 126.7);
  EXPECT_DOUBLE_EQ(RebarArea(13, "M"), 1.267e-4);
  for (int16_t d : {0, 12, 14, 50, -1}) EXPECT_EQ(RebarArea(d, ""), 0.0) << d;
}

TEST(MakeVariant, FieldsInOrder) {
  const HantenRect r = MakeVariant(105, 4965, 255, 225);
  EXPECT_EQ(r.left, 105);
  EXPECT_EQ(r.top, 4965);
  EXPECT_EQ(r.width, 255);
  EXPECT_EQ(r.height, 225);
}

}  // namespace
}  // namespace norva

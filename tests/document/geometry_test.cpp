#include "document/geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norva {
namespace {

const double kPi = 3.14159265358979323846;

struct CrossCase {
  const char* what;
  DPoint p1, p2, q1, q2;
  int32_t code;
  DPoint r;
};

TEST(CrossPoint, PositionCodesAndCrossings) {
  const CrossCase cases[] = {
      {"diagonals cross inside both", {0, 0}, {2, 2}, {0, 2}, {2, 0}, 2 + 32, {1, 1}},
      {"P2 meets Q1", {0, 0}, {1, 1}, {1, 1}, {2, 0}, 3 + 16, {1, 1}},
      {"P1 meets Q2", {1, 1}, {3, 2}, {0, 3}, {1, 1}, 1 + 48, {1, 1}},
      // 0.00005 beyond P2 still counts as P2.
      {"near end point", {0, 0}, {2, 0}, {2.00005, -1}, {2.00005, 1}, 3 + 32, {2.00005, 0}},
      {"just beyond the end tolerance",
       {0, 0},
       {2, 0},
       {2.0002, -1},
       {2.0002, 1},
       0 + 32,
       {2.0002, 0}},
      // y = x/2 meets y = -(x-4)/2 at (2, 1), which is Q2.
      {"general slopes, at Q2", {0, 0}, {4, 2}, {4, 0}, {2, 1}, 2 + 48, {2, 1}},
      {"outside both segments", {0, 0}, {1, 0}, {3, 1}, {3, 2}, 0, {3, 0}},
      // Vertical P: the in-between test runs on y.
      {"vertical P, between on y", {1, 0}, {1, 4}, {0, 1}, {2, 3}, 2 + 32, {1, 2}},
      {"vertical P, beyond on y", {1, 0}, {1, 4}, {0, 5}, {2, 7}, 0 + 32, {1, 6}},
      {"horizontal P, slanted Q", {0, 1}, {4, 1}, {1, 0}, {3, 4}, 2 + 32, {1.5, 1}},
      {"slanted P, horizontal Q", {1, 0}, {3, 4}, {0, 1}, {4, 1}, 2 + 32, {1.5, 1}},
      {"slanted P, vertical Q", {0, 0}, {4, 2}, {3, -5}, {3, 5}, 2 + 32, {3, 1.5}},
  };
  for (const CrossCase& c : cases) {
    SCOPED_TRACE(c.what);
    DPoint r{7, 7};
    EXPECT_EQ(CrossPoint(c.p1, c.p2, c.q1, c.q2, r), c.code);
    EXPECT_NEAR(r.X, c.r.X, 1e-12);
    EXPECT_NEAR(r.Y, c.r.Y, 1e-12);
  }
}

TEST(CrossPoint, VerticalAgainstHorizontalTakesExactCoordinates) {
  DPoint r;
  EXPECT_EQ(CrossPoint({0.3, -5}, {0.3, 5}, {-1, 0.7}, {4, 0.7}, r), 2 + 32);
  EXPECT_EQ(r.X, 0.3);
  EXPECT_EQ(r.Y, 0.7);
  EXPECT_EQ(CrossPoint({-1, 0.7}, {4, 0.7}, {0.3, -5}, {0.3, 5}, r), 2 + 32);
  EXPECT_EQ(r.X, 0.3);
  EXPECT_EQ(r.Y, 0.7);
}

TEST(CrossPoint, NoCrossingGivesTheSentinel) {
  const struct {
    const char* what;
    DPoint p1, p2, q1, q2;
  } cases[] = {
      {"parallel", {0, 0}, {1, 1}, {0, 1}, {1, 2}},
      {"collinear", {0, 0}, {2, 2}, {1, 1}, {3, 3}},
      {"both vertical", {0, 0}, {0, 1}, {1, 0}, {1, 1}},
      {"both horizontal", {0, 0}, {1, 0}, {0, 1}, {1, 1}},
      {"P degenerate", {1, 1}, {1.0000005, 1}, {0, 0}, {2, 2}},
      {"Q degenerate", {0, 0}, {2, 2}, {0, 2}, {0, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DPoint r{7, 7};
    EXPECT_EQ(CrossPoint(c.p1, c.p2, c.q1, c.q2, r), 0);
    EXPECT_EQ(r.X, -1e8);
    EXPECT_EQ(r.Y, -1e8);
  }
}

TEST(LineAngle, EveryQuadrantAndTheAxes) {
  const struct {
    DPoint to;
    double want;
  } cases[] = {
      {{1, 1}, kPi / 4},
      {{-1, 1}, 3 * kPi / 4},
      {{-1, -1}, 5 * kPi / 4},
      {{1, -1}, 7 * kPi / 4},
      {{0, 1}, kPi / 2},
      {{0, -1}, 3 * kPi / 2},
      {{1, 0}, 0},
      {{-1, 0}, kPi},
      {{1, std::sqrt(3.0)}, kPi / 3},
      {{-std::sqrt(3.0), -1}, 7 * kPi / 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.to.X << "," << c.to.Y);
    EXPECT_NEAR(LineAngle({0, 0}, c.to), c.want, 1e-14);
    // Independent of where the segment starts.
    EXPECT_NEAR(LineAngle({5, -3}, {5 + c.to.X, -3 + c.to.Y}), c.want, 1e-12);
  }
  EXPECT_EQ(LineAngle({0, 0}, {0, 0}), -1e8);
  EXPECT_EQ(LineAngle({2, 2}, {2.0000005, 2.0000005}), -1e8);
}

TEST(PolarAndRotate, Points) {
  DPoint p = PolarPoint({1, 1}, kPi / 2, 2);
  EXPECT_NEAR(p.X, 1, 1e-15);
  EXPECT_NEAR(p.Y, 3, 1e-15);
  p = PolarPoint({0, 0}, kPi / 6, 2);
  EXPECT_NEAR(p.X, std::sqrt(3.0), 1e-15);
  EXPECT_NEAR(p.Y, 1, 1e-15);
  // A positive angle turns clockwise with y up.
  p = RotatePoint({1, 0}, {0, 0}, kPi / 2);
  EXPECT_NEAR(p.X, 0, 1e-15);
  EXPECT_NEAR(p.Y, -1, 1e-15);
  p = RotatePoint({2, 1}, {1, 1}, kPi / 2);
  EXPECT_NEAR(p.X, 1, 1e-15);
  EXPECT_NEAR(p.Y, 0, 1e-15);
  p = RotatePoint({2, 1}, {1, 1}, kPi);
  EXPECT_NEAR(p.X, 0, 1e-15);
  EXPECT_NEAR(p.Y, 1, 1e-15);
  p = RotatePoint({3, 4}, {3, 4}, 1.0);
  EXPECT_EQ(p.X, 3);
  EXPECT_EQ(p.Y, 4);
}

TEST(PerpFoot, FootDistanceAndPosition) {
  const struct {
    const char* what;
    DPoint p1, p2, pt;
    int32_t code;
    DPoint foot;
    double dist;
  } cases[] = {
      {"onto a horizontal segment", {0, 0}, {2, 0}, {1, 5}, 2, {1, 0}, 5},
      {"beyond P2", {0, 0}, {0.5, 0}, {1, 5}, 0, {1, 0}, 5},
      {"onto a slanted segment", {0, 0}, {2, 2}, {0, 2}, 2, {1, 1}, std::sqrt(2.0)},
      {"at P1", {0, 0}, {2, 2}, {-1, 1}, 1, {0, 0}, std::sqrt(2.0)},
      {"at P2", {0, 0}, {2, 2}, {3, 1}, 3, {2, 2}, std::sqrt(2.0)},
      {"onto a vertical segment", {1, 0}, {1, 4}, {3, 2}, 2, {1, 2}, 2},
      {"below a vertical segment", {1, 0}, {1, 4}, {-3, -2}, 0, {1, -2}, 4},
      // y = 2x - 2 (through (1,0),(3,4)); foot of (0,4) is (2.4, 2.8).
      {"slope 2", {1, 0}, {3, 4}, {0, 4}, 2, {2.4, 2.8}, std::sqrt(2.4 * 2.4 + 1.2 * 1.2)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DPoint foot{7, 7};
    double dist = -1;
    EXPECT_EQ(PerpFoot(c.p1, c.p2, c.pt, foot, dist), c.code);
    EXPECT_NEAR(foot.X, c.foot.X, 1e-12);
    EXPECT_NEAR(foot.Y, c.foot.Y, 1e-12);
    EXPECT_NEAR(dist, c.dist, 1e-12);
  }
}

TEST(PerpFoot, CoincidentEndPointsLeaveTheDistance) {
  DPoint foot{7, 7};
  double dist = 123.0;
  EXPECT_EQ(PerpFoot({1, 1}, {1, 1}, {4, 5}, foot, dist), 0);
  EXPECT_EQ(foot.X, -1e8);
  EXPECT_EQ(foot.Y, -1e8);
  EXPECT_EQ(dist, 123.0);
}

TEST(DistanceAndAlong, Points) {
  EXPECT_EQ(PointDistance({0, 0}, {3, 4}), 5.0);
  EXPECT_EQ(PointDistance({-1, 2}, {-1, 2}), 0.0);
  EXPECT_DOUBLE_EQ(PointDistance({1, 1}, {-2, -3}), 5.0);
  DPoint p = PointAlong({0, 0}, {3, 4}, 10);
  EXPECT_DOUBLE_EQ(p.X, 6);
  EXPECT_DOUBLE_EQ(p.Y, 8);
  p = PointAlong({1, 1}, {4, 5}, 2.5);
  EXPECT_DOUBLE_EQ(p.X, 2.5);
  EXPECT_DOUBLE_EQ(p.Y, 3);
  p = PointAlong({0, 0}, {3, 4}, -5);
  EXPECT_DOUBLE_EQ(p.X, -3);
  EXPECT_DOUBLE_EQ(p.Y, -4);
  p = PointAlong({2, 2}, {2, 2}, 3);
  EXPECT_EQ(p.X, 0);
  EXPECT_EQ(p.Y, 0);
}

}  // namespace
}  // namespace norva

#include "document/weight.h"

#include <gtest/gtest.h>

#include <vector>

namespace norva {
namespace {

CWeight Make(const std::vector<DPoint>& pts, double gam = 0, double kh = 0) {
  CWeight w;
  w.SetnPoint(static_cast<int32_t>(pts.size()));
  for (size_t i = 0; i < pts.size(); ++i) {
    w.SetX(static_cast<int32_t>(i), pts[i].X);
    w.SetY(static_cast<int32_t>(i), pts[i].Y);
  }
  w.SetGam(gam);
  w.SetKh(kh);
  return w;
}

struct Expect {
  double A, Gx, Gy, Xc, Yc, w, VX, HY;
};

void Check(const CWeight& w, const Expect& e) {
  EXPECT_NEAR(w.A(), e.A, 1e-12);
  EXPECT_NEAR(w.Gx(), e.Gx, 1e-12);
  EXPECT_NEAR(w.Gy(), e.Gy, 1e-12);
  EXPECT_NEAR(w.Xc(), e.Xc, 1e-12);
  EXPECT_NEAR(w.Yc(), e.Yc, 1e-12);
  EXPECT_NEAR(w.w(), e.w, 1e-10);
  EXPECT_NEAR(w.VX(), e.VX, 1e-10);
  EXPECT_NEAR(w.HY(), e.HY, 1e-10);
}

TEST(CWeight, Polygons) {
  const struct {
    const char* what;
    std::vector<DPoint> pts;
    double gam, kh;
    Expect e;
  } cases[] = {
      {"unit square, clockwise",
       {{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}},
       20,
       0.2,
       {1, 0.5, 0.5, 0.5, 0.5, 20, 10, 2}},
      {"unit square, counter-clockwise",
       {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}},
       20,
       0.2,
       {-1, -0.5, -0.5, 0.5, 0.5, -20, -10, -2}},
      {"unit square, not closed",
       {{0, 0}, {0, 1}, {1, 1}, {1, 0}},
       20,
       0.2,
       {1, 0.5, 0.5, 0.5, 0.5, 20, 10, 2}},
      // 2 x 3 rectangle on x = 1..3: centroid (2, 1.5).
      {"rectangle",
       {{1, 0}, {1, 3}, {3, 3}, {3, 0}, {1, 0}},
       23,
       0.2,
       {6, 9, 12, 2, 1.5, 138, 276, 41.4}},
      {"triangle", {{0, 0}, {0, 3}, {4, 0}, {0, 0}}, 0, 0, {6, 6, 8, 4.0 / 3.0, 1, 0, 0, 0}},
      // Gravity wall 0,1,2,5,6,3,4: base 2.0 x 0.5 plus a stem trapezoid
      // (bottom 0.3..2.0 at 0.5, top 0.9..1.4 at 3.0). By parts:
      //   base      A 1.00  centroid (1.00, 0.25)
      //   core      A 1.25  centroid (1.15, 1.75)
      //   front tri A 0.75  centroid (0.70, 4/3)
      //   back tri  A 0.75  centroid (1.60, 4/3)
      // A 3.75, Gy 4.1625, Gx 4.4375; w = 3.75*23; VX = Gy*23; HY = Gx*23*0.2.
      {"gravity wall section",
       {{0, 0}, {0, 0.5}, {0.3, 0.5}, {0.9, 3.0}, {1.4, 3.0}, {2.0, 0.5}, {2.0, 0}, {0, 0}},
       23,
       0.2,
       {3.75, 4.4375, 4.1625, 1.11, 4.4375 / 3.75, 86.25, 4.1625 * 23, 4.4375 * 23 * 0.2}},
      {"points on one line", {{0, 0}, {1, 1}, {2, 2}, {0, 0}}, 20, 0.2, {0, 0, 0, 0, 0, 0, 0, 0}},
      {"empty", {}, 20, 0.2, {0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Check(Make(c.pts, c.gam, c.kh), c.e);
  }
}

TEST(CWeight, CoincidentPointsDoNotChangeTheResult) {
  // The triangle with a repeated vertex and a point 1e-6 off another.
  const CWeight w = Make({{0, 0}, {0, 3}, {0, 3}, {4, 0}, {4.000001, 0}, {0, 0}});
  EXPECT_NEAR(w.A(), 6, 1e-5);
  EXPECT_NEAR(w.Gx(), 6, 1e-5);
  EXPECT_NEAR(w.Gy(), 8, 1e-5);
}

TEST(CWeight, PropertiesAndIndexGuards) {
  CWeight w;
  w.SetKh(-0.1);
  EXPECT_EQ(w.Kh(), 0.0);
  w.SetKh(0.25);
  EXPECT_EQ(w.Kh(), 0.25);
  w.SetGam(-9.8);  // buoyancy polygons use a negative unit weight
  EXPECT_EQ(w.Gam(), -9.8);

  w.SetnPoint(5);
  for (int i = 0; i < 5; ++i) {
    w.SetX(i, i + 1.0);
    w.SetY(i, 10.0 * (i + 1));
  }
  w.SetnPoint(3);
  EXPECT_EQ(w.nPoint(), 3);
  EXPECT_EQ(w.X(2), 3.0);
  EXPECT_EQ(w.Y(2), 30.0);
  EXPECT_EQ(w.X(3), 0.0);  // beyond the count
  EXPECT_EQ(w.X(-1), 0.0);
  w.SetX(3, 99.0);  // ignored
  w.SetY(-1, 99.0);
  w.SetnPoint(4);  // grows again: the new point is (0, 0)
  EXPECT_EQ(w.X(3), 0.0);
  EXPECT_EQ(w.Y(3), 0.0);
  EXPECT_EQ(w.X(0), 1.0);

  w.SetnPoint(0);  // the points stay but none is readable
  EXPECT_EQ(w.nPoint(), 0);
  EXPECT_EQ(w.X(0), 0.0);
  EXPECT_EQ(w.A(), 0.0);
  EXPECT_EQ(w.Gx(), 0.0);
  EXPECT_EQ(w.Gy(), 0.0);
}

}  // namespace
}  // namespace norva

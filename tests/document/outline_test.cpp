#include "document/outline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "document/document.h"

namespace norva {
namespace {

// Expected values below are worked out by hand in closed form (cos and sin of
// a batter 1:N as 1/sqrt(1+N^2) and N/sqrt(1+N^2), a back line carried up by
// similar triangles), not through the angles the builders use.

const DPoint kUnset{-7.0, -7.0};

KutaiPoints Fresh() {
  KutaiPoints p;
  p.fill(kUnset);
  return p;
}

// x on the line through a and b at height y, by similar triangles.
double XAt(const DPoint& a, const DPoint& b, double y) {
  return a.X + (b.X - a.X) * (y - a.Y) / (b.Y - a.Y);
}

void ExpectPoints(const KutaiPoints& got, const std::vector<DPoint>& want, double tol = 1e-12) {
  for (size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "point " << i);
    EXPECT_NEAR(got[i].X, want[i].X, tol);
    EXPECT_NEAR(got[i].Y, want[i].Y, tol);
  }
  for (size_t i = want.size(); i < got.size(); ++i) {
    EXPECT_EQ(got[i].X, kUnset.X) << "point " << i << " written";
    EXPECT_EQ(got[i].Y, kUnset.Y) << "point " << i << " written";
  }
}

// The outline of d, built over points and crest ends preset to kUnset.
struct Outline {
  KutaiPoints p = Fresh();
  DPoint front = kUnset;
  DPoint back = kUnset;
};

Outline Build(const CDocument& d, int16_t mode) {
  Outline o;
  MakeKutaiOutline(d, o.p, o.front, o.back, mode);
  return o;
}

void ExpectPoint(const DPoint& got, const DPoint& want, double tol = 1e-12) {
  EXPECT_NEAR(got.X, want.X, tol);
  EXPECT_NEAR(got.Y, want.Y, tol);
}

// ---- gravity wall ----------------------------------------------------------

void GravityWall(CDocument& d) {
  d.SetWallType(1);
  d.WallH = 3.0;
  d.GrwB = 2.0;
  d.GrwB1 = 0.6;
  d.GrwB2 = 0.5;
  d.GrwB4 = 0.3;
  d.GrwH1 = 0.5;
  d.nKeisya = 1;
  d.KeisyaH = 0.2;
  d.Tokki = 0;
}

TEST(KutaiOutline, GravityWall) {
  CDocument d;
  GravityWall(d);
  const struct {
    const char* what;
    int16_t nKeisya;
    int32_t Tokki;
    double y0;  // rise of the toe
  } cases[] = {
      {"level base", 1, 0, 0.0},
      {"inclined base", 0, 0, 0.2},
      {"inclined base cancelled by a shear key", 0, 1, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    d.nKeisya = c.nKeisya;
    d.Tokki = c.Tokki;
    for (int16_t mode : {0, 1}) {  // the section mode does not apply
      const auto [p, front, back] = Build(d, mode);
      const double y0 = c.y0;
      ExpectPoints(p, {{0, y0},
                       {0, 0.5 + y0},
                       {0.3, 0.5 + y0},
                       {2.0, 0.5 + y0},
                       {2.0, 0},
                       {0.9, 3.0},
                       {1.4, 3.0}});
      ExpectPoint(front, {0.9, 3.0});
      ExpectPoint(back, {1.4, 3.0});
    }
  }
}

// ---- leaning wall ------------------------------------------------------------

TEST(KutaiOutline, LeaningWall) {
  CDocument d;
  d.SetWallType(2);
  d.MtwB1 = 0.3;
  d.MtwB2 = 1.0;
  d.MtwB3 = 0.5;
  d.MtwB4 = 0.8;
  d.MtwH1 = 4.0;
  d.MtwH3 = 0.3;
  d.KeisyaH = 0.2;
  const struct {
    const char* what;
    double MtwH2;
    int16_t nKeisya;
    int32_t Tokki;
    std::vector<DPoint> want;
  } cases[] = {
      {"toe, level base",
       0.4,
       1,
       0,
       {{0, 0}, {0, 0.4}, {0.3, 0.4}, {1.0, 0.1}, {1.0, 0}, {1.3, 4.4}, {1.8, 4.4}}},
      // Without a toe the base rises to the foot of the back face.
      {"no toe",
       0.0,
       1,
       0,
       {{0, 0.3}, {0, 0.3}, {0.3, 0.3}, {1.0, 0}, {1.0, 0}, {1.3, 4.3}, {1.8, 4.3}}},
      {"toe, inclined base",
       0.4,
       0,
       0,
       {{0, 0.2}, {0, 0.6}, {0.3, 0.6}, {1.0, 0.3}, {1.0, 0}, {1.3, 4.6}, {1.8, 4.6}}},
      {"toe, inclined base with a key",
       0.4,
       0,
       1,
       {{0, 0}, {0, 0.4}, {0.3, 0.4}, {1.0, 0.1}, {1.0, 0}, {1.3, 4.4}, {1.8, 4.4}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    d.MtwH2 = c.MtwH2;
    d.nKeisya = c.nKeisya;
    d.Tokki = c.Tokki;
    const auto [p, front, back] = Build(d, 0);
    ExpectPoints(p, c.want);
    ExpectPoint(front, c.want[5]);
    ExpectPoint(back, c.want[6]);
  }
}

// ---- block wall --------------------------------------------------------------

// Batter 1:0.5: cos = 1/sqrt(1.25), sin = 0.5/sqrt(1.25).
const double kR = std::sqrt(1.25);
const double kC = 1.0 / kR;
const double kS = 0.5 / kR;

void BlockWall(CDocument& d) {
  d.SetWallType(0);
  d.WallH = 3.0;
  d.BlkN = 0.5;
  d.BlkT = 0.35;
  d.BlkDeltT1 = 0.1;
  d.BlkDeltT2 = 0.2;
  d.BlkB = 1.0;
  d.BlkB1 = 0.1;
  d.BlkH1 = 0.4;
  d.BlkH2 = 0.3;
  d.nKeisya = 1;
  d.KeisyaH = 0.15;
  d.nBlkFound = 0;
  d.nBlkSetup = 1;
}

TEST(KutaiOutline, BlockWallWithFoundationHorizontalCourses) {
  CDocument d;
  BlockWall(d);
  // Thickness normal to the face T is T*sqrt(1.25) along a horizontal course.
  for (double y0 : {0.0, 0.15}) {
    SCOPED_TRACE(y0);
    d.nKeisya = y0 > 0 ? 0 : 1;
    const double hb = 0.4 + y0;
    const double x5 = 0.1 + 0.5 * (3.0 - 0.4 - y0);
    const auto [p, front, back] = Build(d, 0);
    ExpectPoints(p, {{0, y0},
                     {0, hb},
                     {0.1, hb},
                     {0.1 + 0.55 * kR, hb},
                     {1.0, 0},
                     {x5, 3.0},
                     {x5 + 0.35 * kR, 3.0},
                     {0.1 + 0.35 * kR, hb},
                     {x5 + 0.45 * kR, 3.0},
                     {x5 + 0.45 * kR, 3.0},
                     {1.0, hb}});
    ExpectPoint(front, {x5, 3.0});
    ExpectPoint(back, {x5 + 0.45 * kR, 3.0});
  }
  // The worked example to four decimals.
  d.nKeisya = 1;
  const auto [p, front, back] = Build(d, 0);
  EXPECT_NEAR(p[3].X, 0.7149, 5e-5);
  EXPECT_NEAR(p[6].X, 1.7913, 5e-5);
  EXPECT_NEAR(p[7].X, 0.4913, 5e-5);
  EXPECT_NEAR(p[9].X, 1.9031, 5e-5);
}

TEST(KutaiOutline, BlockWallWithFoundationCoursesNormalToTheFace) {
  CDocument d;
  BlockWall(d);
  d.nBlkSetup = 0;
  const auto [p, front, back] = Build(d, 0);
  // The foundation top falls 0.1 over 0.9 from the foot of the face to the heel:
  // cos(beta) = 0.9/sqrt(0.82), sin(beta) = 0.1/sqrt(0.82), and the distance
  // along it that makes a thickness T normal to the face is T / cos(theta - beta)
  // with cos(theta - beta) = 0.95 / (sqrt(1.25) sqrt(0.82)).
  const double along = kR / 0.95;  // per unit thickness, times sqrt(0.82) cancelled
  const DPoint p7{0.1 + 0.35 * 0.9 * along, 0.4 - 0.35 * 0.1 * along};
  const DPoint p3{0.1 + 0.55 * 0.9 * along, 0.4 - 0.55 * 0.1 * along};
  const DPoint p5{1.4, 3.0};
  const DPoint p6{1.4 + 0.35 * kC, 3.0 - 0.35 * kS};
  const DPoint p8{1.4 + 0.45 * kC, 3.0 - 0.45 * kS};
  const DPoint p9{XAt(p3, p8, 3.0), 3.0};
  ExpectPoints(p, {{0, 0}, {0, 0.4}, {0.1, 0.4}, p3, {1.0, 0}, p5, p6, p7, p8, p9, {1.0, 0.3}});
  ExpectPoint(front, p5);
  ExpectPoint(back, p9);
  // The worked example to four decimals.
  EXPECT_NEAR(p[3].X, 0.6826, 5e-5);
  EXPECT_NEAR(p[3].Y, 0.3353, 5e-5);
  EXPECT_NEAR(p[6].X, 1.7130, 5e-5);
  EXPECT_NEAR(p[6].Y, 2.8435, 5e-5);
  EXPECT_NEAR(p[7].X, 0.4707, 5e-5);
  EXPECT_NEAR(p[7].Y, 0.3588, 5e-5);
  EXPECT_NEAR(p[8].X, 1.8025, 5e-5);
  EXPECT_NEAR(p[8].Y, 2.7988, 5e-5);
  EXPECT_NEAR(p[9].X, 1.8940, 5e-5);
}

TEST(KutaiOutline, BlockWallWithoutFoundation) {
  CDocument d;
  BlockWall(d);
  d.nBlkFound = 1;
  d.nBlkSetup = 0;
  {
    SCOPED_TRACE("raised toe: base cut normal to the face");
    const auto [p, front, back] = Build(d, 0);
    const DPoint toe{0, 0.35 * kS};
    const DPoint p3{0.35 * kC + 0.2 * kR, 0};
    const DPoint p5{0.5 * (3.0 - 0.35 * kS), 3.0};
    const DPoint p8{p5.X + 0.45 * kC, 3.0 - 0.45 * kS};
    const DPoint p9{XAt(p3, p8, 3.0), 3.0};
    ExpectPoints(p, {toe,
                     toe,
                     toe,
                     p3,
                     p3,
                     p5,
                     {p5.X + 0.35 * kC, 3.0 - 0.35 * kS},
                     {0.35 * kC, 0},
                     p8,
                     p9,
                     p3});
    ExpectPoint(back, p9);
    EXPECT_NEAR(p[0].Y, 0.1565, 5e-5);
    EXPECT_NEAR(p[7].X, 0.3130, 5e-5);
    EXPECT_NEAR(p[3].X, 0.5367, 5e-5);
    EXPECT_NEAR(p[5].X, 1.4217, 5e-5);
    EXPECT_NEAR(p[9].X, 1.9168, 5e-5);
  }
  {
    SCOPED_TRACE("simplified section: blocks on the origin");
    const auto [p, front, back] = Build(d, 1);
    const DPoint o{0, 0};
    const DPoint p3{0.55 * kR, 0};
    const DPoint p5{1.5, 3.0};
    const DPoint p8{1.5 + 0.45 * kC, 3.0 - 0.45 * kS};
    const DPoint p9{XAt(p3, p8, 3.0), 3.0};
    ExpectPoints(
        p, {o, o, o, p3, p3, p5, {1.5 + 0.35 * kC, 3.0 - 0.35 * kS}, {0.35 * kR, 0}, p8, p9, p3});
    EXPECT_NEAR(p[7].X, 0.3913, 5e-5);
    EXPECT_NEAR(p[3].X, 0.6149, 5e-5);
    EXPECT_NEAR(p[9].X, 1.9951, 5e-5);
  }
}

TEST(KutaiOutline, BlockWallOnTheOriginForEveryOtherCombination) {
  CDocument d;
  BlockWall(d);
  const struct {
    const char* what;
    int16_t nBlkFound;
    int32_t nBlkSetup;
    int16_t mode;
  } cases[] = {
      {"foundation, simplified section", 0, 1, 1},
      {"no foundation, horizontal courses", 1, 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    d.nBlkFound = c.nBlkFound;
    d.nBlkSetup = c.nBlkSetup;
    const auto [p, front, back] = Build(d, c.mode);
    const DPoint o{0, 0};
    const DPoint p3{0.55 * kR, 0};
    // Horizontal courses: the crest is level from 5 to 9.
    ExpectPoints(p, {o,
                     o,
                     o,
                     p3,
                     p3,
                     {1.5, 3.0},
                     {1.5 + 0.35 * kR, 3.0},
                     {0.35 * kR, 0},
                     {1.5 + 0.45 * kR, 3.0},
                     {1.5 + 0.45 * kR, 3.0},
                     p3});
  }
}

TEST(KutaiOutline, BlockWallWithAVerticalBackLine) {
  // A vertical face with equal backfill thickness at top and foot: the back
  // line of the backfill concrete is vertical and point 9 lies on it.
  CDocument d;
  BlockWall(d);
  d.BlkN = 0.0;
  d.BlkDeltT1 = 0.2;
  d.nBlkFound = 1;
  d.nBlkSetup = 0;
  const auto [p, front, back] = Build(d, 1);
  EXPECT_EQ(p[8].X, p[3].X);
  ExpectPoint(p[9], {0.55, 3.0});
  EXPECT_TRUE(std::isfinite(back.X));
}

// ---- mixed wall ----------------------------------------------------------------

void MixedWall(CDocument& d) {
  d.SetWallType(3);
  d.BlkN = 0.4;
  d.BlkT = 0.35;
  d.BlkDeltT1 = 0.1;
  d.BlkDeltT2 = 0.2;
  d.GrwB = 2.0;
  d.GrwB1 = 0.3;
  d.GrwB2 = 0.9;
  d.GrwB3 = 0.2;
  d.MxwH1 = 2.0;
  d.MxwH2 = 1.5;
  d.MxwH3 = 0.1;
  d.nKeisya = 1;
  d.KeisyaH = 0.3;
  d.Tokki = 0;
}

// Batter 1:0.4 and the lower wall's top falling 0.1 over 0.7:
// cos(theta) = 1/sqrt(1.16), sin(theta) = 0.4/sqrt(1.16),
// cos(beta) = 0.7/sqrt(0.5), sin(beta) = 0.1/sqrt(0.5); a thickness T normal
// to the face lies T/cos(theta - beta) along the top, and
// cos(theta - beta) = 0.74 / sqrt(1.16 * 0.5).
struct MixedExpect {
  double c = 1 / std::sqrt(1.16), s = 0.4 / std::sqrt(1.16);
  // offsets along the lower wall's top for thickness T: (dx, dy) per unit T
  double ux = 0.7 * std::sqrt(1.16) / 0.74, uy = 0.1 * std::sqrt(1.16) / 0.74;
  DPoint p5{1.3, 3.5};
  DPoint p6{1.3 + 0.35 * c, 3.5 - 0.35 * s};
  DPoint p7{0.5 + 0.35 * ux, 1.5 - 0.35 * uy};
  DPoint p8{1.3 + 0.45 * c, 3.5 - 0.45 * s};
  DPoint p10{0.5 + 0.55 * ux, 1.5 - 0.55 * uy};
  DPoint p9{XAt(p10, p8, 3.5), 3.5};
};

TEST(KutaiOutline, MixedWallFullSection) {
  CDocument d;
  MixedWall(d);
  const MixedExpect e;
  for (int16_t nKeisya : {1, 0}) {
    SCOPED_TRACE(nKeisya);
    d.nKeisya = nKeisya;
    const double y0 = nKeisya == 0 ? 0.3 : 0.0;
    const auto [p, front, back] = Build(d, 0);
    ExpectPoints(p, {{0, y0},
                     {0.3, 1.5},
                     {0.5, 1.5},
                     {1.2, 1.4},
                     {2.0, 0},
                     e.p5,
                     e.p6,
                     e.p7,
                     e.p8,
                     e.p9,
                     e.p10});
    ExpectPoint(front, e.p5);
    ExpectPoint(back, e.p9);
  }
  // The worked example to four decimals.
  d.nKeisya = 1;
  const auto [p, front, back] = Build(d, 0);
  EXPECT_NEAR(p[6].X, 1.6250, 5e-5);
  EXPECT_NEAR(p[6].Y, 3.37, 5e-5);
  EXPECT_NEAR(p[7].X, 0.8566, 5e-5);
  EXPECT_NEAR(p[7].Y, 1.4491, 5e-5);
  EXPECT_NEAR(p[8].X, 1.7178, 5e-5);
  EXPECT_NEAR(p[8].Y, 3.3329, 5e-5);
  EXPECT_NEAR(p[9].X, 1.7753, 5e-5);
  EXPECT_NEAR(p[10].X, 1.0603, 5e-5);
  EXPECT_NEAR(p[10].Y, 1.42, 5e-5);
}

TEST(KutaiOutline, MixedWallWithAHorizontalJoint) {
  CDocument d;
  MixedWall(d);
  const MixedExpect e;
  const double yc = e.p10.Y;  // the joint lies at the height of point 10
  const double x2 = 0.5 - 0.55 * e.uy * 0.4;
  const DPoint p7{x2 + 0.35 * std::sqrt(1.16), yc};
  const struct {
    const char* what;
    int16_t nKeisya;
    int32_t Tokki;
    double y0;
    DPoint p1;  // on the lower wall's front face from (0, yk) to (0.3, 1.5)
  } cases[] = {
      {"level base", 1, 0, 0.0, {0.3 / 1.5 * yc, yc}},
      {"inclined base", 0, 0, 0.3, {0.3 / 1.2 * (yc - 0.3), yc}},
      // The key levels the base, but the face still runs from the inclined toe.
      {"inclined base with a key", 0, 1, 0.0, {0.3 / 1.2 * (yc - 0.3), yc}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    d.nKeisya = c.nKeisya;
    d.Tokki = c.Tokki;
    const auto [p, front, back] = Build(d, 1);
    ExpectPoints(
        p, {{0, c.y0}, c.p1, {x2, yc}, {1.2, 1.4}, {2.0, 0}, e.p5, e.p6, p7, e.p8, e.p9, e.p10});
    ExpectPoint(back, e.p9);
  }
  d.nKeisya = 1;
  d.Tokki = 0;
  const auto [p, front, back] = Build(d, 1);
  EXPECT_NEAR(p[1].X, 0.2840, 5e-5);
  EXPECT_NEAR(p[2].X, 0.4680, 5e-5);
  EXPECT_NEAR(p[7].X, 0.8449, 5e-5);
  EXPECT_NEAR(p[1].Y, 1.42, 5e-5);
}

TEST(KutaiOutline, MixedWallJointWithoutFrontHeight) {
  CDocument d;
  MixedWall(d);
  d.MxwH2 = 0.0;
  d.MxwH3 = 0.0;
  const auto [p, front, back] = Build(d, 1);
  // The joint starts at the lower wall's front top edge.
  ExpectPoint(p[1], {0.3, 0.0});
  for (int i = 0; i <= 10; ++i) {
    EXPECT_TRUE(std::isfinite(p[i].X) && std::isfinite(p[i].Y)) << i;
  }
}

TEST(KutaiOutline, UnknownWallTypeWritesNothing) {
  CDocument d;
  GravityWall(d);
  d.SetWallType(4);
  const auto [p, front, back] = Build(d, 0);
  ExpectPoints(p, {});
  EXPECT_EQ(front.X, kUnset.X);
  EXPECT_EQ(back.Y, kUnset.Y);
}

// ---- inclined base -------------------------------------------------------------

TEST(GetKeisyaHeight, ByWallType) {
  const struct {
    const char* what;
    int32_t wallType;
    int16_t nKeisya;
    double KeisyaH;
    double BlkH1;
    int16_t nBlkFound;
    int32_t nBlkSetup;
    double MtwH2, MtwH3;
    bool inclined;
    double h;
  } cases[] = {
      {"block, inclined under the foundation", 0, 0, 0.2, 0.4, 0, 1, 0, 0, true, 0.2},
      {"block, no foundation height", 0, 0, 0.2, 0.0, 0, 1, 0, 0, false, 0},
      // Blocks cut normal to the face: (T + dT2) * sin(theta) = 0.55 * 0.5/sqrt(1.25).
      {"block, raised toe", 0, 1, 0.2, 0.4, 1, 0, 0, 0, true, 0.55 * 0.5 / std::sqrt(1.25)},
      {"block, level", 0, 1, 0.2, 0.4, 0, 0, 0, 0, false, 0},
      {"block, no foundation, horizontal courses", 0, 1, 0.2, 0.4, 1, 1, 0, 0, false, 0},
      {"gravity, inclined", 1, 0, 0.2, 0, 0, 0, 0, 0, true, 0.2},
      {"gravity, inclined by 0", 1, 0, 0.0, 0, 0, 0, 0, 0, false, 0},
      {"gravity, level", 1, 1, 0.2, 0, 0, 0, 0, 0, false, 0},
      {"leaning, inclined below the toe", 2, 0, 0.2, 0, 0, 0, 0.4, 0.3, true, 0.2},
      {"leaning, no toe", 2, 1, 0.2, 0, 0, 0, 0.0, 0.3, true, 0.3},
      {"leaning, no toe, inclined set", 2, 0, 0.2, 0, 0, 0, 0.0, 0.3, true, 0.3},
      {"leaning, level", 2, 1, 0.2, 0, 0, 0, 0.4, 0.3, false, 0},
      {"mixed, inclined", 3, 0, 0.25, 0, 0, 0, 0, 0, true, 0.25},
      {"mixed, level", 3, 1, 0.25, 0, 0, 0, 0, 0, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CDocument d;
    d.SetWallType(c.wallType);
    d.nKeisya = c.nKeisya;
    d.KeisyaH = c.KeisyaH;
    d.BlkH1 = c.BlkH1;
    d.nBlkFound = c.nBlkFound;
    d.nBlkSetup = c.nBlkSetup;
    d.BlkT = 0.35;
    d.BlkDeltT2 = 0.2;
    d.BlkN = 0.5;
    d.MtwH2 = c.MtwH2;
    d.MtwH3 = c.MtwH3;
    double h = 99.0;
    EXPECT_EQ(GetKeisyaHeight(d, h), c.inclined);
    EXPECT_NEAR(h, c.h, 1e-15);
  }
}

// ---- back-ground outline ---------------------------------------------------------

void ExpectUra(const std::vector<DPoint>& ura, int16_t count, int16_t wallEnd,
               const std::vector<DPoint>& want, int16_t wantWallEnd) {
  ASSERT_EQ(count, static_cast<int16_t>(want.size()));
  EXPECT_EQ(wallEnd, wantWallEnd);
  for (size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "point " << i);
    EXPECT_NEAR(ura[i].X, want[i].X, 1e-9);
    EXPECT_NEAR(ura[i].Y, want[i].Y, 1e-9);
  }
}

TEST(UraOutline, GravityWallEverySurfaceShape) {
  CDocument d;
  GravityWall(d);
  d.UraN = 1.5;
  d.UraX1 = 1.0;
  d.UraX2 = 3.0;
  d.UraH0 = 2.0;
  d.SetnUraNini(2);
  d.SetUraNiniX(0, 1.0);
  d.SetUraNiniY(0, 0.5);
  d.SetUraNiniX(1, 3.0);
  d.SetUraNiniY(1, 2.0);
  const auto [p, front, back] = Build(d, 0);
  // Back face from (2.0, 0.5) to (1.4, 3.0): x = 2.0 - 0.24 (y - 0.5).
  const DPoint foot{2.12, 0};
  const DPoint g{1.4, 3.0};
  const struct {
    const char* what;
    int32_t type;
    std::vector<DPoint> surface;  // after G
  } cases[] = {
      {"horizontal", 0, {{100001.4, 3.0}}},
      {"slope 1:1.5", 1, {{100001.4, 3.0 + 100000 / 1.5}}},
      {"trapezoid", 2, {{2.4, 3.0}, {5.4, 5.0}, {100005.4, 5.0}}},
      // Offsets from G, not chained; the far point behind the last one.
      {"change points", 3, {{2.4, 3.5}, {4.4, 5.0}, {100004.4, 5.0}}},
      {"unknown shape", 7, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    d.UragomeType = c.type;
    std::vector<DPoint> ura(21, kUnset);
    int16_t count = -1, wallEnd = -1;
    MakeUraOutline(d, 0.0, p, count, ura, wallEnd, 0);
    std::vector<DPoint> want = {foot, g};
    want.insert(want.end(), c.surface.begin(), c.surface.end());
    ExpectUra(ura, count, wallEnd, want, 1);
    EXPECT_EQ(ura.size(), 21u);
    EXPECT_EQ(ura[count].X, kUnset.X);  // entries behind the count untouched
  }
  d.SetnUraNini(0);
  d.UragomeType = 3;
  std::vector<DPoint> ura;
  int16_t count = 0, wallEnd = 0;
  MakeUraOutline(d, 0.0, p, count, ura, wallEnd, 0);
  ExpectUra(ura, count, wallEnd, {foot, g, {100001.4, 3.0}}, 1);
}

TEST(UraOutline, StartLevelsAndDepthOfTheBackGround) {
  CDocument d;
  GravityWall(d);
  d.UragomeType = 0;
  const auto [p, front, back] = Build(d, 0);
  const struct {
    const char* what;
    double fromY, uraHd;
    DPoint first, g;
  } cases[] = {
      {"check section at 1.5", 1.5, 0.0, {1.76, 1.5}, {1.4, 3.0}},
      {"ground 0.5 below the crest", 0.0, 0.5, {2.12, 0}, {1.52, 2.5}},
      {"ground 0.5 above the crest", 0.0, -0.5, {2.12, 0}, {1.28, 3.5}},
      // Starting above G: the outline runs down to it.
      {"start above the ground", 4.0, 0.5, {1.16, 4.0}, {1.52, 2.5}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    d.UraHd = c.uraHd;
    std::vector<DPoint> ura(21);
    int16_t count, wallEnd;
    MakeUraOutline(d, c.fromY, p, count, ura, wallEnd, 0);
    ExpectUra(ura, count, wallEnd, {c.first, c.g, {c.g.X + 100000, c.g.Y}}, 1);
  }
}

TEST(UraOutline, LeaningAndBlockBackLines) {
  KutaiPoints p = Fresh();
  p[3] = {1.0, 0.0};
  p[6] = {2.0, 4.0};  // leaning: back line 3-6
  p[9] = {3.0, 4.0};  // block: back line 3-9
  CDocument d;
  d.UragomeType = 0;
  d.UraHd = 1.0;
  std::vector<DPoint> ura(21);
  int16_t count, wallEnd;
  d.SetWallType(2);
  MakeUraOutline(d, 0.5, p, count, ura, wallEnd, 0);
  ExpectUra(ura, count, wallEnd, {{1.125, 0.5}, {1.75, 3.0}, {100001.75, 3.0}}, 1);
  d.SetWallType(0);
  MakeUraOutline(d, 0.5, p, count, ura, wallEnd, 0);
  ExpectUra(ura, count, wallEnd, {{1.25, 0.5}, {2.5, 3.0}, {100002.5, 3.0}}, 1);
  // A back line through two points at one height gives point 3's x everywhere.
  p[9] = {3.0, 0.0};
  MakeUraOutline(d, 0.5, p, count, ura, wallEnd, 0);
  ExpectUra(ura, count, wallEnd, {{1.0, 0.5}, {1.0, -1.0}, {100001.0, -1.0}}, 1);
}

TEST(UraOutline, MixedWallParts) {
  KutaiPoints p = Fresh();
  p[3] = {2.0, 1.0};   // back top edge of the lower wall
  p[4] = {2.5, 0.0};   // heel
  p[9] = {1.5, 3.0};   // crest, back
  p[10] = {1.0, 1.2};  // foot of the backfill concrete
  CDocument d;
  d.SetWallType(3);
  d.UragomeType = 0;
  const struct {
    const char* what;
    int16_t part;
    double fromY, uraHd;
    std::vector<DPoint> wall;  // wall points, G last
  } cases[] = {
      // Lower back face 3-4: x = 2.0 + 0.5 (1 - y); virtual back face 3-9:
      // x = 2.0 - 0.25 (y - 1).
      {"whole wall from the base", 1, 0.0, 0.0, {{2.5, 0}, {2.0, 1.0}, {1.5, 3.0}}},
      {"whole wall from 0.5, ground 1 down", 1, 0.5, 1.0, {{2.25, 0.5}, {2.0, 1.0}, {1.75, 2.0}}},
      {"whole wall from point 3", 1, 1.0, 0.0, {{2.0, 1.0}, {1.5, 3.0}}},
      {"whole wall from above point 3", 1, 2.0, 0.0, {{1.75, 2.0}, {1.5, 3.0}}},
      // Back line of the backfill concrete 10-9: x = 1.0 + (y - 1.2) / 3.6.
      {"upper part from the base", 0, 0.0, 0.0, {{1.0, 1.2}, {1.5, 3.0}}},
      {"upper part from point 10", 0, 1.2, 0.9, {{1.0, 1.2}, {1.25, 2.1}}},
      {"upper part from above point 10", 0, 2.1, 0.0, {{1.25, 2.1}, {1.5, 3.0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    d.UraHd = c.uraHd;
    std::vector<DPoint> ura(21);
    int16_t count, wallEnd;
    MakeUraOutline(d, c.fromY, p, count, ura, wallEnd, c.part);
    std::vector<DPoint> want = c.wall;
    const DPoint g = want.back();
    want.push_back({g.X + 100000, g.Y});
    ExpectUra(ura, count, wallEnd, want, static_cast<int16_t>(c.wall.size() - 1));
  }
}

TEST(UraOutline, ManyChangePointsAreAllKept) {
  CDocument d;
  GravityWall(d);
  d.UragomeType = 3;
  const int n = 30;  // more than a 21-point array could hold
  d.SetnUraNini(n);
  for (int i = 0; i < n; ++i) {
    d.SetUraNiniX(i, 0.5 * (i + 1));
    d.SetUraNiniY(i, 0.1 * (i + 1));
  }
  const auto [p, front, back] = Build(d, 0);
  std::vector<DPoint> ura(21);
  int16_t count, wallEnd;
  // Whole mixed-wall-like case with three wall points is covered above; here
  // the gravity wall gives two.
  MakeUraOutline(d, 0.0, p, count, ura, wallEnd, 0);
  ASSERT_EQ(count, 2 + n + 1);
  ASSERT_GE(ura.size(), static_cast<size_t>(count));
  EXPECT_EQ(wallEnd, 1);
  for (int i = 0; i < n; ++i) {
    EXPECT_NEAR(ura[2 + i].X, 1.4 + 0.5 * (i + 1), 1e-12) << i;
    EXPECT_NEAR(ura[2 + i].Y, 3.0 + 0.1 * (i + 1), 1e-12) << i;
  }
  EXPECT_NEAR(ura[count - 1].X, 1.4 + 15.0 + 100000, 1e-9);
  EXPECT_NEAR(ura[count - 1].Y, 6.0, 1e-12);
}

TEST(UraOutline, InputsWithoutAnOutlineAreRefused) {
  CDocument d;
  GravityWall(d);
  const auto [p, front, back] = Build(d, 0);
  std::vector<DPoint> ura(21, kUnset);
  int16_t count = 5, wallEnd = 5;
  d.UragomeType = 1;
  d.UraN = 0.0;  // a vertical "slope" has no far point
  EXPECT_THROW(MakeUraOutline(d, 0.0, p, count, ura, wallEnd, 0), std::invalid_argument);
  d.UragomeType = 0;
  d.SetWallType(5);
  EXPECT_THROW(MakeUraOutline(d, 0.0, p, count, ura, wallEnd, 0), std::invalid_argument);
  EXPECT_EQ(count, 5);
  EXPECT_EQ(wallEnd, 5);
  EXPECT_EQ(ura[0].X, kUnset.X);
}

}  // namespace
}  // namespace norva

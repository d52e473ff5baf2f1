// Line of thrust of a block wall, by hand, and the limit-height search driven
// by a section-force stand-in whose root is known.
//
// Block wall on the ground, batter 1 : 0.5 (cos 0.894427191), blocks 0.35 and
// backfill concrete 0.15 thick, laid level: a parallelogram of horizontal
// width w = 0.5 / cos = 0.559016994 leaning h/2 back over its height h, crest
// width W = w. Concrete 23, backfill phi 30, delta 20, gamma 18, level.
// Coulomb with the back face at alpha = -atan 0.5:
//   Ka = cos^2(phi - alpha) / (cos^2 alpha cos(alpha + delta)
//        (1 + sqrt(sin(phi + delta) sin phi / (cos(alpha + delta) cos alpha)))^2)
//      = 0.139201883.
// About the toe: V = 23 h w at x = w/2 + h/4; earth pressure horizontal
// (line of thrust) 9 Ka h^2 at h/3. So with a = 3 Ka / (23 w) = 0.0324798129:
//   X = W/2 + h/2 - (w/2 + h/4) + a h^2 = h/4 + a h^2,  Xd = w/6 + h/2,
// at h = 3: X = 1.042318316, Xd = 1.593169499; X = Xd at
//   h = (1/4 + sqrt(1/16 + 4 a w / 6)) / (2 a) = 8.053283219.
#include "calc/run/line_of_thrust.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <stdexcept>

#include "calc/earth_pressure/coulomb.h"
#include "calc/run/calc_antei.h"
#include "calc/run/run_fixtures.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"

namespace norva {
namespace {

using testing_run::BlockWall;
using testing_run::GravityWall;
using testing_run::ScopedMessages;
using testing_run::SetMixedShape;

// A mixed wall whose numbers only need to be finite.
std::unique_ptr<CDocument> MixedWall() {
  auto d = GravityWall(false);
  d->SetWallType(3);
  SetMixedShape(*d);
  d->WallH = 4;
  return d;
}

// Puts the real section forces back when a test ends.
struct ForceFnGuard {
  ~ForceFnGuard() { SetThrustForceFn(nullptr); }
};

// Height of the trial: WallH of the block wall, MxwH1 of the mixed wall.
double TrialHeight(const CDocument& d) { return d.WallType() == 3 ? d.MxwH1 : d.WallH; }

// Section forces that make X - Xd = c (h - root) at trial height h.
ThrustForceFn Linear(double c, double root) {
  return [c, root](CDocument& doc, int32_t, const KutaiPoints& p, const DPoint&, const DPoint&,
                   double, bool, CAntRes&, ThrustSums& s) {
    const double W = p[9].X - p[5].X;
    s = ThrustSums{};
    s.V = 1;
    s.HY = c * (TrialHeight(doc) - root) - W / 3;
    return StabStatus::Ok();
  };
}

TEST(LineOfThrust, BlockWallByHand) {
  ScopedMessages msg;
  auto d = BlockWall();
  CalcAntei(*d, 0, 0);
  EXPECT_TRUE(msg.rec.texts.empty());
  const CAntRes& r = *d->AntRes(0, 0);
  EXPECT_NEAR(r.Ka, 0.139201883, 1e-8);
  EXPECT_NEAR(r.Xh, 1.042318316, 1e-8);
  EXPECT_NEAR(r.Xd, 1.593169499, 1e-8);
  // |X - Xd| < 0.001 with a slope of 0.273 per metre: within 0.004 m.
  EXPECT_NEAR(r.Ha, 8.053283219, 0.004);
  EXPECT_EQ(d->WallH, 3);
  EXPECT_TRUE(bJyousaiCalc);
  // The summary table holds the body and the earth pressure of the base.
  EXPECT_EQ(r.nSForce(0), 1);
  EXPECT_NEAR(r.SForceV(0), 23 * 3 * 0.559016994, 1e-6);
  EXPECT_EQ(r.nSForce(4), 1);
  EXPECT_NEAR(r.SForceH(4), 9 * 0.139201883 * 9, 1e-6);
  EXPECT_NEAR(r.SForceY(4), 1, 1e-9);

  // A point of the line at mid-height: the part above is the same wall 1.5 m
  // high, so X = 1.5/4 + a 1.5^2 measured from its own front face.
  double V = 0, VX = 0, HY = 0;
  const DPoint pt = GetSiryokuPos(*d, 0, *d->AntRes(0, 0), 1.5, V, VX, HY);
  EXPECT_NEAR(pt.Y, 1.5, 1e-12);
  EXPECT_NEAR(pt.X, 0.375 + 0.0324798129 * 2.25, 1e-8);
  EXPECT_NEAR(V, 23 * 1.5 * 0.559016994, 1e-6);
  EXPECT_TRUE(bJyousaiCalc);
  // Above the crest nothing is left: X = 0.
  const DPoint top = GetSiryokuPos(*d, 0, *d->AntRes(0, 0), 3.0, V, VX, HY);
  EXPECT_EQ(top.X, 0);
  EXPECT_EQ(V, 0);
}

TEST(LineOfThrust, SearchHalvesAndTurnsOntoTheRoot) {
  ForceFnGuard guard;
  struct C {
    const char* what;
    double c, root, H0;
  };
  const C table[] = {
      {"raise the wall", 1, 6.3, 3},
      {"lower the wall", 1, 1.25, 3},
      {"first trial below zero, then back up", 1, 0.7, 0.8},
      {"gentle slope", 0.01, 4.5, 3},
  };
  for (const C& c : table) {
    SCOPED_TRACE(c.what);
    auto d = BlockWall();
    d->WallH = c.H0;
    SetThrustForceFn(Linear(c.c, c.root));
    CAntRes r;
    ASSERT_TRUE(CalcSiryokusen(*d, 0, r));
    EXPECT_NEAR(r.Xh - r.Xd, c.c * (c.H0 - c.root), 1e-9);
    EXPECT_NEAR(r.Ha, c.root, 0.001 / c.c);
    EXPECT_EQ(d->WallH, c.H0);
  }
  // On the limit at the actual height: one trial at that height.
  auto d = BlockWall();
  SetThrustForceFn(Linear(1, 3));
  CAntRes r;
  const int64_t calls = ThrustForceCalls();
  ASSERT_TRUE(CalcSiryokusen(*d, 0, r));
  EXPECT_EQ(r.Ha, 3);
  EXPECT_EQ(ThrustForceCalls() - calls, 2);
}

TEST(LineOfThrust, NoLimitHeightWithinTheTrialLimit) {
  ForceFnGuard guard;
  struct C {
    int wallType;
    int64_t trials;
  };
  // X stays 1 m in front of the limit at every height: the block wall gives
  // up after 100 trials without a turn, the mixed wall after 250 in all.
  for (const C& c : {C{0, 100}, C{3, 250}}) {
    SCOPED_TRACE(c.wallType);
    auto d = c.wallType == 0 ? BlockWall() : MixedWall();
    SetThrustForceFn([](CDocument&, int32_t, const KutaiPoints& p, const DPoint&, const DPoint&,
                        double, bool, CAntRes&, ThrustSums& s) {
      s = ThrustSums{};
      s.V = 1;
      s.HY = 1 - (p[9].X - p[5].X) / 3;
      return StabStatus::Ok();
    });
    const double H0 = TrialHeight(*d);
    const double other = c.wallType == 0 ? d->MxwH1 : d->WallH;
    CAntRes r;
    const int64_t calls = ThrustForceCalls();
    ASSERT_TRUE(CalcSiryokusen(*d, 0, r));
    EXPECT_EQ(r.Ha, kNullBox);
    EXPECT_EQ(ThrustForceCalls() - calls, 1 + c.trials);
    EXPECT_EQ(TrialHeight(*d), H0);
    EXPECT_EQ(c.wallType == 0 ? d->MxwH1 : d->WallH, other);
  }
}

TEST(LineOfThrust, FailureInsideTheSearchRestoresEverything) {
  ForceFnGuard guard;
  for (int wallType : {0, 3}) {
    SCOPED_TRACE(wallType);
    auto d = wallType == 0 ? BlockWall() : MixedWall();
    const double H0 = TrialHeight(*d);
    // Held values of some earlier run: they must survive.
    bJyousaiCalc = true;
    FixKa = 0.5;
    FixQd = 7;
    FixQw = 8;
    CAntRes r;
    r.Ka = 0.25;
    r.Qd = 1;
    r.Qw = 2;
    int call = 0;
    bool heldDuringTrials = true;
    auto linear = Linear(1, H0 + 10);
    SetThrustForceFn([&](CDocument& doc, int32_t cas, const KutaiPoints& p, const DPoint& a,
                         const DPoint& b, double y, bool t, CAntRes& res, ThrustSums& s) {
      if (++call > 1) {
        heldDuringTrials =
            heldDuringTrials && !bJyousaiCalc && FixKa == 0.25 && FixQd == 1 && FixQw == 2;
      }
      if (call == 5) throw std::runtime_error("断面力の計算に失敗しました。");
      return linear(doc, cas, p, a, b, y, t, res, s);
    });
    const StabStatus st = CalcSiryokusen(*d, 0, r);
    EXPECT_FALSE(st);
    EXPECT_EQ(st.reason, "断面力の計算に失敗しました。");
    EXPECT_TRUE(heldDuringTrials);
    EXPECT_EQ(TrialHeight(*d), H0);
    EXPECT_TRUE(bJyousaiCalc);
    EXPECT_EQ(FixKa, 0.5);
    EXPECT_EQ(FixQd, 7);
    EXPECT_EQ(FixQw, 8);
    EXPECT_EQ(r.Ha, kNullBox);
    EXPECT_NEAR(r.Xh - r.Xd, -10, 1e-9);  // the actual wall's values stay
  }
}

TEST(LineOfThrust, NothingAboveTheBaseAndOtherWallTypes) {
  ForceFnGuard guard;
  // No vertical force: no position can be formed.
  auto d = BlockWall();
  SetThrustForceFn([](CDocument&, int32_t, const KutaiPoints&, const DPoint&, const DPoint&, double,
                      bool, CAntRes&, ThrustSums& s) {
    s = ThrustSums{};
    s.H = 5;
    s.HY = 5;
    return StabStatus::Ok();
  });
  CAntRes r;
  EXPECT_FALSE(CalcSiryokusen(*d, 0, r));
  EXPECT_EQ(r.Xh, kNullBox);
  EXPECT_EQ(r.Xd, kNullBox);
  EXPECT_EQ(r.Ha, kNullBox);
  EXPECT_EQ(d->WallH, 3);
  EXPECT_TRUE(bJyousaiCalc);

  // A gravity wall has no masonry crest to measure from.
  auto g = GravityWall(false);
  EXPECT_FALSE(CalcSiryokusen(*g, 0, r));
  EXPECT_EQ(r.Ha, kNullBox);
}

TEST(LineOfThrust, MixedWallRunChecksTheUpperWallEveryTime) {
  ForceFnGuard guard;
  auto d = MixedWall();
  d->nTentou = 0;
  SetThrustForceFn(Linear(1, 3.5));
  CalcAntei(*d, 0, 0);
  const CAntRes& r0 = *d->AntRes(0, 0);
  EXPECT_NEAR(r0.Ha, 3.5, 0.001);
  EXPECT_NEAR(r0.Xh - r0.Xd, 2 - 3.5, 1e-9);
  EXPECT_EQ(d->MxwH1, 2);
  // No overturning check of the upper wall; the lower wall has its own.
  EXPECT_EQ(r0.D, 0);
  EXPECT_NE(d->AntRes(1, 0)->D, 0);

  // A quiet run makes no line-of-thrust check.
  d->AntRes(0, 0)->Ha = 77;
  d->nWater = 2;
  d->pCase(0)->nWater = 1;
  CalcAntei(*d, 1, 0);
  EXPECT_EQ(d->AntRes(0, 0)->Ha, 77);
}

}  // namespace
}  // namespace norva

// The shared verdicts of the stability checks: equality passes, values that
// were not computed never pass, the heel-side eccentricity of walls that lean
// on their backfill, the governing ground reaction and its allowable, the
// sliding sentinel and the divisor of the resultant's distance.
#include <gtest/gtest.h>

#include <limits>

#include "calc/stability/verdicts.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"

namespace norva {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(StabilityVerdicts, BoundsPassAtEqualityAndFailOnValuesNotComputed) {
  struct Row {
    const char* name;
    double value, limit;
    bool lower, upper;
  } rows[] = {
      {"above", 1.6, 1.5, true, false},
      {"equal", 1.5, 1.5, true, true},
      {"below", 1.4, 1.5, false, true},
      {"negative equal", -0.25, -0.25, true, true},
      {"value null", kNullBox, 1.5, false, false},
      {"limit null", 1.5, kNullBox, false, false},
      {"document null", kNullDouble, 1.5, false, false},
      {"NaN", kNaN, 1.5, false, false},
      {"infinite", kInf, 1.5, false, false},
      {"reaction outside the base", 1e10, 200, false, false},
      {"largest computed", 1e8, 1e8, true, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(PassesLowerBound(r.value, r.limit), r.lower);
    EXPECT_EQ(PassesUpperBound(r.value, r.limit), r.upper);
  }
  EXPECT_TRUE(ThrustOk(0.6, 0.6));  // Xh = Xd: on the middle third
  EXPECT_FALSE(ThrustOk(0.601, 0.6));
  EXPECT_FALSE(ThrustOk(kNullBox, 0.6));
  EXPECT_TRUE(BearingFactorOk(3.0, 3.0));
  EXPECT_FALSE(BearingFactorOk(2.99, 3.0));
}

TEST(StabilityVerdicts, EccentricityBeyondTheHeelPassesOnlyForWallsLeaningOnTheirBackfill) {
  const double Ea = 0.5;  // B / 6 with B = 3 m
  struct Row {
    const char* name;
    double E;
    EccentricitySide side;
    bool block, gravity, leaning, mixedLower;
  } rows[] = {
      {"centred", 0.0, EccentricitySide::kWithin, true, true, true, true},
      {"at the limit, toe", 0.5, EccentricitySide::kWithin, true, true, true, true},
      {"at the limit, heel", -0.5, EccentricitySide::kWithin, true, true, true, true},
      {"beyond, toe", 0.51, EccentricitySide::kToe, false, false, false, false},
      {"beyond, heel (-1.5 Ea)", -0.75, EccentricitySide::kHeel, true, false, false, true},
      {"not computed", kNullBox, EccentricitySide::kNotComputed, false, false, false, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(EccentricityPosition(r.E, Ea), r.side);
    EXPECT_EQ(EccentricityOk(r.E, Ea, 0), r.block);
    EXPECT_EQ(EccentricityOk(r.E, Ea, 1), r.gravity);
    EXPECT_EQ(EccentricityOk(r.E, Ea, 2), r.leaning);
    EXPECT_EQ(EccentricityOk(r.E, Ea, 3), r.mixedLower);
  }
  EXPECT_FALSE(EccentricityOk(0.1, kNullBox, 0));
}

TEST(StabilityVerdicts, ResultantDistanceAndItsDivisor) {
  // B = 3 m, case divisor 6: Ea = 0.5, L = 1.5 - 0.5 = 1.0 = B/3.
  EXPECT_DOUBLE_EQ(ResultantDistanceLimit(3.0, 0.5), 1.0);
  EXPECT_TRUE(ResultantDistanceOk(1.0, 3.0, 0.5));
  EXPECT_FALSE(ResultantDistanceOk(0.999, 3.0, 0.5));
  EXPECT_EQ(ResultantDistanceLimit(kNullBox, 0.5), kNullBox);
  EXPECT_FALSE(ResultantDistanceOk(1.0, 3.0, kNullBox));

  struct Row {
    double k;
    BreadthDivisor expected;
  } rows[] = {
      {0, {2, true, true}},          // Ea = 0: L = B/2
      {6, {3, true, true}},          // B/2 - B/6 = B/3
      {3, {6, true, true}},          // B/2 - B/3 = B/6
      {4, {4, true, true}},          // B/2 - B/4 = B/4
      {5, {10.0 / 3, false, true}},  // B/2 - B/5 = 3B/10
      {2, {0, false, false}},        // L = 0
      {1, {0, false, false}},        // L < 0
      {-6, {0, false, false}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.k);
    const BreadthDivisor d = DistanceDivisor(r.k);
    EXPECT_EQ(d.valid, r.expected.valid);
    EXPECT_EQ(d.whole, r.expected.whole);
    EXPECT_NEAR(d.n, r.expected.n, 1e-12);
  }
}

TEST(StabilityVerdicts, SlidingPassesAtEqualityAndWithoutForce) {
  struct Row {
    const char* name;
    double Fs, Fsa;
    SlideVerdict v;
  } rows[] = {
      {"above", 1.51, 1.5, SlideVerdict::kOk},
      {"equal", 1.5, 1.5, SlideVerdict::kOk},
      {"below", 1.49, 1.5, SlideVerdict::kOut},
      {"no horizontal force (-1)", -1.0, 1.5, SlideVerdict::kNoForce},
      // Hu = 0 against a real force: no resistance at all.
      {"zero resistance", 0.0, 1.5, SlideVerdict::kOut},
      {"not computed", kNullBox, 1.5, SlideVerdict::kNotComputed},
      {"allowable not computed", 2.0, kNullBox, SlideVerdict::kNotComputed},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(JudgeSlide(r.Fs, r.Fsa), r.v);
    EXPECT_EQ(SlideOk(r.Fs, r.Fsa), r.v == SlideVerdict::kOk || r.v == SlideVerdict::kNoForce);
  }
}

TEST(StabilityVerdicts, GoverningReactionIsTheLargerOfTheTwo) {
  EXPECT_DOUBLE_EQ(GoverningReaction(120.5, 80.25), 120.5);
  // A leaning wall's heel reaction may be the larger one.
  EXPECT_DOUBLE_EQ(GoverningReaction(60.0, 95.0), 95.0);
  EXPECT_EQ(GoverningReaction(1e10, 1e10), kNullBox);
  EXPECT_EQ(GoverningReaction(kNullBox, 50.0), kNullBox);

  EXPECT_TRUE(ReactionOk(120.0, 80.0, 120.0));  // q = qa passes
  EXPECT_FALSE(ReactionOk(60.0, 120.01, 120.0));
  EXPECT_FALSE(ReactionOk(1e10, 1e10, 300.0));
  EXPECT_FALSE(ReactionOk(100.0, 50.0, kNullBox));
}

TEST(StabilityVerdicts, AllowableReactionByGuidelineAndEntry) {
  CDocument doc;
  doc.Qa = 200;
  CKajyuCase seismic;
  seismic.QaPremium = 1.5;
  struct Row {
    const char* name;
    int32_t sisin;
    int16_t nQa;
    double expected;
  } rows[] = {
      {"road earthworks, entered: 1.5 x 200", 2, 1, 300},
      {"road earthworks, from the factors", 2, 0, 150},
      {"farm roads, entered", 0, 1, 150},
      {"residential land", 4, 0, 150},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    doc.Sisin = r.sisin;
    doc.nQa = r.nQa;
    EXPECT_DOUBLE_EQ(AllowableReaction(doc, &seismic, 150), r.expected);
  }
  doc.Sisin = 2;
  doc.nQa = 1;
  EXPECT_EQ(AllowableReaction(doc, nullptr, 150), kNullBox);
  doc.Qa = kNullDouble;
  EXPECT_EQ(AllowableReaction(doc, &seismic, 150), kNullBox);
}

}  // namespace
}  // namespace norva

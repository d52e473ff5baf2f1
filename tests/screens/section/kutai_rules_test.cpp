// Rules of the wall-section screen without a window: fill and leave
// clean-up, the least footing width, derived values, enabling, change
// points and zoom steps. Expected numbers are worked out by hand beside them.
#include "screens/section/kutai_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "document/document.h"
#include "screens/loads/loads_test_support.h"

namespace norva {
namespace {

// A block wall on a footing, laid square to the face (the worked example of the footing rule).
void BlockOnFooting(CDocument& d) {
  d.SetWallType(0);
  d.Sisin = 0;
  d.nBlkFound = 0;
  d.nBlkSetup = 0;
  d.BlkT = 0.35;
  d.BlkDeltT2 = 0.10;
  d.BlkN = 0.3;
  d.BlkB1 = 0.10;
  d.BlkH1 = 0.50;
  d.BlkH2 = 0.35;
  d.BlkB = 0.50;
}

TEST(KutaiCheck, CoulombWithArbitraryBackGroundIsToldAndMadeHorizontal) {
  struct Row {
    const char* name;
    int32_t doatsu;
    int32_t uragome;
    bool told;
    int32_t after;
  };
  const Row rows[] = {{"coulomb arbitrary", 0, 3, true, 0},
                      {"coulomb slope", 0, 1, false, 1},
                      {"trial wedge arbitrary", 1, 3, false, 3}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    d.SetWallType(1);
    d.Doatsu = r.doatsu;
    d.UragomeType = r.uragome;
    EXPECT_EQ(CheckKutaiData(d), r.told);
    EXPECT_EQ(d.UragomeType, r.after);
  }
}

TEST(KutaiCheck, BlockMembersOfTheOtherGuidelineAreCleared) {
  CDocument big;
  big.SetWallType(0);
  big.Sisin = 3;
  big.BlkDeltT1 = 0.2;
  big.BlkDeltT2 = 0.3;
  big.BlkT2 = 0.05;
  big.nBlkSetup = 0;
  CheckKutaiData(big);
  EXPECT_EQ(big.BlkDeltT1, 0);
  EXPECT_EQ(big.BlkDeltT2, 0);
  EXPECT_EQ(big.BlkT2, 0.05);
  EXPECT_EQ(big.nBlkSetup, 1);

  CDocument road;
  road.SetWallType(0);
  road.Sisin = 2;
  road.BlkDeltT1 = 0.2;
  road.BlkT2 = 0.05;
  CheckKutaiData(road);
  EXPECT_EQ(road.BlkT2, 0);
  EXPECT_EQ(road.BlkDeltT1, 0.2);

  // Leaving keeps the laying; other wall types are not touched.
  big.BlkDeltT1 = 0.2;
  big.nBlkSetup = 0;
  NormaliseOnLeave(big);
  EXPECT_EQ(big.BlkDeltT1, 0);
  EXPECT_EQ(big.nBlkSetup, 0);
  CDocument mixed;
  mixed.SetWallType(3);
  mixed.Sisin = 3;
  mixed.BlkDeltT1 = 0.2;
  CheckKutaiData(mixed);
  NormaliseOnLeave(mixed);
  EXPECT_EQ(mixed.BlkDeltT1, 0.2);
}

TEST(KutaiCheck, FillDerivesTheGravitySlopeAndClearsKiriDltOutsideRoadEarthworks) {
  CDocument d;
  d.SetWallType(1);
  d.Sisin = 0;
  d.WallH = 3.0;
  d.GrwB1 = 0.5;
  d.GrwH1 = 0.5;
  d.nKeisya = 1;
  d.KiriDlt = 15;
  DataSetNormalise(d);
  EXPECT_DOUBLE_EQ(d.GrwN, 0.2);  // 0.5 / (3.0 - 0.5)
  EXPECT_EQ(d.KiriDlt, 0);

  CDocument road;
  road.SetWallType(1);
  road.Sisin = 2;
  road.KiriDlt = 15;
  road.GrwB1 = 0;  // no front width: the stored slope stays
  road.WallH = 3.0;
  road.GrwN = 0.4;
  DataSetNormalise(road);
  EXPECT_EQ(road.KiriDlt, 15);
  EXPECT_EQ(road.GrwN, 0.4);
}

TEST(KutaiCheck, FillDerivesWhatEveryBoxWouldDerive) {
  CDocument block;
  block.SetWallType(0);
  block.nBlkFound = 0;
  block.BlkB = 0.75;
  DataSetNormalise(block);
  EXPECT_EQ(block.WallB, 0.75);  // the footing width

  CDocument gravity;
  gravity.SetWallType(1);
  gravity.GrwB = 1.8;
  DataSetNormalise(gravity);
  EXPECT_EQ(gravity.WallB, 1.8);

  CDocument leaning;
  leaning.SetWallType(2);
  leaning.MtwH1 = 4.0;
  leaning.MtwH2 = 0.5;
  leaning.MtwB1 = 0.4;
  leaning.MtwB2 = 0.8;
  leaning.MtwB3 = 0.3;
  leaning.MtwB4 = 0.9;
  leaning.MtwN1 = 0.1;  // a front gradient typed apart from B2 stays
  DataSetNormalise(leaning);
  EXPECT_DOUBLE_EQ(leaning.WallH, 4.5);    // 4.0 + 0.5
  EXPECT_DOUBLE_EQ(leaning.MtwN2, 0.225);  // 0.9 / 4.0
  EXPECT_NEAR(leaning.WallB, 0.6, 1e-12);  // 0.4 + 0.8 + 0.3 - 0.9
  EXPECT_EQ(leaning.MtwN1, 0.1);

  CDocument mixed;
  mixed.SetWallType(3);
  mixed.GrwB = 1.6;
  mixed.MxwH1 = 1.5;
  mixed.MxwH2 = 2.0;
  DataSetNormalise(mixed);
  EXPECT_EQ(mixed.WallB, 1.6);
  EXPECT_DOUBLE_EQ(mixed.WallH, 3.5);
}

// ---- Least footing width -----------------------------------------------------------

TEST(FootingWidth, HorizontalLayingIsUnroundedAndPassesTheSecondTime) {
  CDocument d;
  BlockOnFooting(d);
  d.nBlkSetup = 1;
  // (0.10 + 0.35) / cos(atan 0.3) + 0.10 = 0.45 * sqrt(1.09) + 0.10 = 0.5698138
  const double bmin = 0.45 * std::sqrt(1.09) + 0.10;
  const FootingCheck c = CheckFootingWidth(d);
  EXPECT_FALSE(c.passes);
  EXPECT_EQ(c.message, "底面幅は0.570以上としてください。");
  EXPECT_NEAR(d.BlkB, bmin, 1e-12);
  EXPECT_NEAR(d.WallB, bmin, 1e-12);
  EXPECT_TRUE(CheckFootingWidth(d).passes);
}

TEST(FootingWidth, SquareLayingStatesTheWidthThatPassesItsOwnCheck) {
  CDocument d;
  BlockOnFooting(d);
  // theta = atan 0.3 = 16.699 deg.
  // B 0.500: alpha = atan(0.15 / 0.40) = 20.556 deg,
  //   cos a * 0.45 / cos(a - t) + 0.1 = 0.93633 * 0.45 / 0.99774 + 0.1 = 0.52230 -> 0.523
  // B 0.523: alpha = atan(0.15 / 0.423) = 19.526 deg -> 0.52463 -> 0.525
  // B 0.525: alpha = atan(0.15 / 0.425) = 19.440 deg -> 0.52483 -> 0.525: the fixed point.
  EXPECT_DOUBLE_EQ(*LeastFootingWidth(d, 0.50), 0.523);
  EXPECT_DOUBLE_EQ(*LeastFootingWidth(d, 0.523), 0.525);
  EXPECT_DOUBLE_EQ(*LeastFootingWidth(d, 0.525), 0.525);
  const FootingCheck c = CheckFootingWidth(d);
  EXPECT_FALSE(c.passes);
  EXPECT_EQ(c.message, "底面幅は0.525以上としてください。");
  EXPECT_DOUBLE_EQ(d.BlkB, 0.525);
  EXPECT_DOUBLE_EQ(d.WallB, 0.525);
  EXPECT_TRUE(CheckFootingWidth(d).passes);
}

TEST(FootingWidth, WideEnoughOrUncheckedWallsMoveOn) {
  struct Row {
    const char* name;
    double B;
    int16_t found;
    int32_t type;
  };
  // B 0.60: alpha = atan(0.15 / 0.5) = theta, Bmin = cos t * 0.45 + 0.1 = 0.53102 -> 0.532.
  const Row rows[] = {{"alpha equals theta", 0.60, 0, 0},
                      {"exactly the least width", 0.525, 0, 0},
                      {"no footing", 0.30, 1, 0},
                      {"gravity wall", 0.30, 0, 1},
                      {"back width equals front width: divisor 0", 0.10, 0, 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    BlockOnFooting(d);
    d.SetWallType(r.type);
    d.BlkB = r.B;
    d.nBlkFound = r.found;
    const double wallB = d.WallB;
    const FootingCheck c = CheckFootingWidth(d);
    EXPECT_TRUE(c.passes);
    EXPECT_TRUE(c.message.empty());
    EXPECT_EQ(d.BlkB, r.B);
    EXPECT_EQ(d.WallB, wallB);
  }
  CDocument d;
  BlockOnFooting(d);
  EXPECT_DOUBLE_EQ(*LeastFootingWidth(d, 0.60), 0.532);
  EXPECT_FALSE(LeastFootingWidth(d, 0.10).has_value());
}

// ---- Derived values ---------------------------------------------------------------

TEST(DerivedValues, BlockBaseWidthWithoutFootingByLaying) {
  CDocument d;
  d.SetWallType(0);
  d.nBlkFound = 1;
  d.BlkT = 0.35;
  d.BlkDeltT2 = 0.1;
  d.BlkN = 0.5;
  d.nBlkSetup = 1;
  ASSERT_TRUE(BlockBaseWidthRule(d));
  EXPECT_NEAR(d.WallB, 0.45 * std::sqrt(1.25), 1e-12);  // 0.45 / cos(atan 0.5) = 0.50312
  d.nBlkSetup = 0;
  ASSERT_TRUE(BlockBaseWidthRule(d));
  EXPECT_NEAR(d.WallB, 0.45 / std::sqrt(1.25), 1e-12);  // 0.45 cos(atan 0.5) = 0.40249

  // A blank slope box, a blank thickness or a footing leave WallB.
  d.WallB = 9;
  d.BlkN = kNullBox;
  EXPECT_FALSE(BlockBaseWidthRule(d));
  d.BlkN = kNullDouble;  // the document null does not stop the rule
  EXPECT_TRUE(BlockBaseWidthRule(d));
  d.WallB = 9;
  d.BlkT = kNullBox;
  EXPECT_FALSE(BlockBaseWidthRule(d));
  d.BlkT = 0.35;
  d.nBlkFound = 0;
  EXPECT_FALSE(BlockBaseWidthRule(d));
  EXPECT_EQ(d.WallB, 9);
}

TEST(DerivedValues, BlockWallBFollowsTheFootingAndLayingOptions) {
  CDocument d;
  d.SetWallType(0);
  d.BlkT = 0.35;
  d.BlkDeltT2 = 0.1;
  d.BlkN = 0.5;
  d.BlkB = 0.6;
  d.nBlkFound = 0;
  DeriveBlockWallB(d);
  EXPECT_EQ(d.WallB, 0.6);
  d.nBlkFound = 1;
  d.nBlkSetup = 0;
  DeriveBlockWallB(d);
  EXPECT_NEAR(d.WallB, 0.45 / std::sqrt(1.25), 1e-12);
  d.nBlkSetup = 1;
  DeriveBlockWallB(d);
  EXPECT_NEAR(d.WallB, 0.45 * std::sqrt(1.25), 1e-12);
}

TEST(DerivedValues, GravityFrontSlopeFlatAndInclinedBase) {
  struct Row {
    const char* name;
    int16_t keisya;
    double keisyaH;
    double grwH1;
    double grwB1;
    bool strict;
    bool set;
    double grwN;
  };
  const Row rows[] = {
      {"flat base: 0.5 / (3.0 - 0.5)", 1, 0.5, 0.5, 0.5, false, true, 0.2},
      {"inclined: 0.5 / (3.0 - 0.5 - 0.5)", 0, 0.5, 0.5, 0.5, false, true, 0.25},
      {"inclined without height: 0.5 / 2.5", 0, kNullDouble, 0.5, 0.5, false, true, 0.2},
      {"front width 0 after a gravity box: 0", 1, 0, 0.5, 0, false, true, 0},
      {"front width 0 after the base: kept", 1, 0, 0.5, 0, true, false, 7},
      {"divisor 0: kept", 1, 0, 3.0, 0.5, false, false, 7},
      {"inclined divisor 0: kept", 0, 1.0, 2.0, 0.5, true, false, 7},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    d.WallH = 3.0;
    d.nKeisya = r.keisya;
    d.KeisyaH = r.keisyaH;
    d.GrwH1 = r.grwH1;
    d.GrwB1 = r.grwB1;
    d.GrwN = 7;
    EXPECT_EQ(FrontSlopeRule(d, r.strict), r.set);
    EXPECT_DOUBLE_EQ(d.GrwN, r.grwN);
  }
  CDocument noHeight;
  noHeight.GrwB1 = 0.5;
  noHeight.GrwN = 7;
  EXPECT_FALSE(FrontSlopeRule(noHeight, false));
  EXPECT_EQ(noHeight.GrwN, 7);
}

TEST(DerivedValues, LeaningGradientAndWidthBothWays) {
  CDocument d;
  d.SetWallType(2);
  d.MtwH1 = 2.0;
  d.MtwB2 = 0.4;
  LeaningShown s = LeaningRules(d, 4);
  EXPECT_TRUE(s.n1);
  EXPECT_DOUBLE_EQ(d.MtwN1, 0.2);  // 0.4 / 2.0
  d.MtwN1 = 0.3;
  s = LeaningRules(d, 7);
  EXPECT_TRUE(s.b2);
  EXPECT_FALSE(s.n1);
  EXPECT_NEAR(d.MtwB2, 0.6, 1e-12);  // 2.0 * 0.3
  EXPECT_DOUBLE_EQ(d.MtwN1, 0.3);
  // WallH = max(H1, 0) + max(H2, 0) with H2 not entered.
  EXPECT_DOUBLE_EQ(d.WallH, 2.0);
}

TEST(DerivedValues, LeaningBackGradientWallBAndHeight) {
  CDocument d;
  d.SetWallType(2);
  d.MtwH1 = 2.0;
  d.MtwH2 = 0.5;
  d.MtwB1 = 0.5;
  d.MtwB2 = 0.4;
  d.MtwB3 = 0.5;
  d.WallB = 9;
  d.MtwN2 = 9;
  // Back width blank: WallB and N2 stay.
  d.MtwB4 = kNullBox;
  LeaningShown s = LeaningRules(d, 6);
  EXPECT_FALSE(s.n2);
  EXPECT_EQ(d.WallB, 9);
  EXPECT_EQ(d.MtwN2, 9);
  EXPECT_DOUBLE_EQ(d.WallH, 2.5);
  d.MtwB4 = 0.2;
  s = LeaningRules(d, 6);
  EXPECT_TRUE(s.n2);
  EXPECT_DOUBLE_EQ(d.MtwN2, 0.1);    // 0.2 / 2.0
  EXPECT_NEAR(d.WallB, 1.2, 1e-12);  // 0.5 + 0.4 + 0.5 - 0.2
}

// The back face runs from the foot of the back, H3 below the toe's top, to the
// back of the crest: it rises H1 + H3. A missing H3 counts as 0; a missing H1
// leaves the gradient as it was.
TEST(DerivedValues, LeaningBackGradientRisesOverH1AndH3) {
  struct Row {
    const char* name;
    double H1, H3, B4;
    bool derived;
    double n2;
  } const rows[] = {
      {"foot 0.3 below the toe top", 2.0, 0.3, 0.2, true, 0.2 / 2.3},  // 0.08696, not 0.1
      {"sample section", 3.0, 0.3, 0.9, true, 3.0 / 11.0},             // 1:0.27
      {"no drop", 2.0, 0.0, 0.2, true, 0.1},
      {"drop never entered", 2.0, kNullDouble, 0.2, true, 0.1},
      {"drop left blank", 2.0, kNullBox, 0.2, true, 0.1},
      {"vertical back", 2.0, 0.3, 0.0, true, 0.0},
      {"catalogue wall: H3 0, B4 = H1 N2", 3.5, 0.0, 0.7, true, 0.2},
      {"front height blank", kNullBox, 0.5, 0.2, false, 9.0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    d.SetWallType(2);
    d.MtwH1 = r.H1;
    d.MtwH2 = 0.5;
    d.MtwH3 = r.H3;
    d.MtwB4 = r.B4;
    d.MtwN2 = 9;
    EXPECT_EQ(LeaningRules(d, 2).n2, r.derived);
    EXPECT_NEAR(d.MtwN2, r.n2, 1e-15);
  }
}

TEST(DerivedValues, MixedHeightSlopeAngleAndBackHeightRefusal) {
  CDocument d;
  d.MxwH1 = kNullBox;
  d.MxwH2 = 3.0;
  MixedWallHeightRule(d);
  EXPECT_EQ(d.WallH, 3.0);
  d.MxwH2 = kNullDouble;
  MixedWallHeightRule(d);
  EXPECT_EQ(d.WallH, 0);
  d.MxwH1 = 1.2;
  d.MxwH2 = 2.3;
  MixedWallHeightRule(d);
  EXPECT_DOUBLE_EQ(d.WallH, 3.5);

  // beta = atan(1 / 1.5) = atan(2/3) = 33.690068 deg.
  EXPECT_NEAR(*SlopeAngle(1.5), 33.690067525979785, 1e-12);
  EXPECT_FALSE(SlopeAngle(0).has_value());
  EXPECT_FALSE(SlopeAngle(kNullDouble).has_value());

  EXPECT_TRUE(BlkH2Refused(1.2, 1.0));
  EXPECT_FALSE(BlkH2Refused(1.0, 1.0));
  EXPECT_TRUE(BlkH2Refused(0.0, kNullDouble));
  EXPECT_FALSE(BlkH2Refused(kNullBox, 1.0));
}

// ---- Enabling ---------------------------------------------------------------------------

// The enabled groups as one readable string.
std::string Names(const KutaiEnabling& s) {
  return test::SetNames({{s.blkDeltT, "deltT"},
                         {s.blkT2, "T2"},
                         {s.blkSetti, "setti"},
                         {s.kiri, "kiri"},
                         {s.kiriDlt, "kiriDlt"},
                         {s.keisyaFrames, "keisyaFrame"},
                         {s.keisyaBoxes, "keisyaBox"},
                         {s.tokkiFrames, "tokkiFrame"},
                         {s.tokkiBoxes, "tokkiBox"},
                         {s.leaningForced, "forced"},
                         {s.soilSeismic, "soil1"},
                         {s.drawCase, "drawCase"},
                         {s.arbitrary, "arbitrary"},
                         {s.suiiAuto, "auto"},
                         {s.waterNormal, "water0"},
                         {s.waterSeismic, "water1"},
                         {s.found, "found"},
                         {s.foundBack, "foundBack"}});
}

TEST(KutaiEnablingTest, PerWallTypeAndSetting) {
  struct Row {
    const char* name;
    void (*setup)(CDocument&);
    int page;
    const char* enabled;
  };
  const Row rows[] = {
      {"block without footing",
       [](CDocument& d) {
         d.SetWallType(0);
         d.nBlkFound = 1;
         d.Doatsu = 0;
       },
       0, "deltT setti tokkiFrame"},
      {"block, large blocks, footing",
       [](CDocument& d) {
         d.SetWallType(0);
         d.Sisin = 3;
         d.nBlkFound = 0;
         d.nKeisya = 0;
         d.Doatsu = 0;
       },
       0, "T2 keisyaFrame keisyaBox found"},
      {"block square laying with footing",
       [](CDocument& d) {
         d.SetWallType(0);
         d.nBlkFound = 0;
         d.nBlkSetup = 0;
         d.Doatsu = 0;
       },
       0, "deltT setti keisyaFrame tokkiFrame found foundBack"},
      {"gravity with key",
       [](CDocument& d) {
         d.SetWallType(1);
         d.Tokki = 1;
         d.nKeisya = 1;
         d.Doatsu = 0;
       },
       1, "deltT setti tokkiFrame tokkiBox found foundBack"},
      {"gravity inclined base",
       [](CDocument& d) {
         d.SetWallType(1);
         d.Tokki = 0;
         d.nKeisya = 0;
         d.KeisyaH = 0.3;
         d.Doatsu = 0;
       },
       1, "deltT setti keisyaFrame keisyaBox found foundBack"},
      {"cut under road earthworks",
       [](CDocument& d) {
         d.SetWallType(3);
         d.BackType = 1;
         d.Sisin = 2;
         d.Doatsu = 0;
       },
       3, "deltT setti kiri kiriDlt keisyaFrame tokkiFrame found foundBack"},
      {"cut under farm roads",
       [](CDocument& d) {
         d.SetWallType(3);
         d.BackType = 1;
         d.Doatsu = 0;
       },
       3, "deltT setti kiri keisyaFrame tokkiFrame found foundBack"},
      {"trial wedge, quake, water by hand",
       [](CDocument& d) {
         d.SetWallType(1);
         d.bQuake = -1;
         d.nWater = 1;
         d.nWlvlAuto = 0;
       },
       1,
       "deltT setti keisyaFrame tokkiFrame soil1 drawCase arbitrary auto water0 water1 found "
       "foundBack"},
      {"water computed",
       [](CDocument& d) {
         d.SetWallType(1);
         d.bQuake = -1;
         d.nWater = 1;
         d.nWlvlAuto = 1;
         d.Doatsu = 0;
       },
       1, "deltT setti keisyaFrame tokkiFrame soil1 drawCase auto found foundBack"},
      {"water by hand without quake",
       [](CDocument& d) {
         d.SetWallType(1);
         d.nWater = 2;
         d.Doatsu = 0;
       },
       1, "deltT setti keisyaFrame tokkiFrame auto water0 found foundBack"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    r.setup(d);
    const KutaiEnabling s = KutaiFormState(d);
    EXPECT_EQ(s.page, r.page);
    EXPECT_EQ(Names(s), r.enabled);
  }
}

TEST(KutaiEnablingTest, LeaningWallWithoutToeSlabHeightLosesBaseAndKey) {
  for (double h2 : {kNullDouble, kNullBox, 0.0, -1.0}) {
    SCOPED_TRACE(h2);
    CDocument d;
    d.SetWallType(2);
    d.MtwH2 = h2;
    d.nKeisya = 0;
    d.Tokki = 1;
    d.Doatsu = 0;
    const KutaiEnabling s = KutaiFormState(d);
    EXPECT_TRUE(s.leaningForced);
    EXPECT_EQ(d.nKeisya, 1);
    EXPECT_EQ(d.Tokki, 0);
    EXPECT_EQ(Names(s), "deltT setti keisyaFrame tokkiFrame forced found foundBack");
  }
  CDocument d;
  d.SetWallType(2);
  d.MtwH2 = 0.5;
  d.nKeisya = 0;
  d.Doatsu = 0;
  const KutaiEnabling s = KutaiFormState(d);
  EXPECT_FALSE(s.leaningForced);
  EXPECT_EQ(d.nKeisya, 0);
}

// ---- Change points ---------------------------------------------------------------------

void Points(CDocument& d, std::vector<std::pair<double, double>> pts) {
  d.SetnUraNini(static_cast<int16_t>(pts.size()));
  for (size_t i = 0; i < pts.size(); ++i) {
    d.SetUraNiniX(static_cast<int>(i), pts[i].first);
    d.SetUraNiniY(static_cast<int>(i), pts[i].second);
  }
}

TEST(ChangePoints, InsertAndDeleteWithinTheCount) {
  CDocument d;
  EXPECT_FALSE(InsertChangePoint(d, 0));  // no points: nothing
  Points(d, {{1, 1}, {2, 2}, {3, 3}});
  EXPECT_FALSE(InsertChangePoint(d, 3));  // below the last point
  ASSERT_TRUE(InsertChangePoint(d, 1));
  ASSERT_EQ(d.nUraNini(), 4);
  EXPECT_EQ(d.UraNiniX(0), 1);
  EXPECT_EQ(d.UraNiniX(1), kNullBox);
  EXPECT_EQ(d.UraNiniY(1), kNullBox);
  EXPECT_EQ(d.UraNiniX(2), 2);
  EXPECT_EQ(d.UraNiniY(3), 3);
  ASSERT_TRUE(DeleteChangePoint(d, 1));
  EXPECT_EQ(d.nUraNini(), 3);
  EXPECT_EQ(d.UraNiniX(1), 2);
  EXPECT_FALSE(DeleteChangePoint(d, 3));
  EXPECT_FALSE(DeleteChangePoint(d, -1));
  CDocument one;
  Points(one, {{1, 1}});
  ASSERT_TRUE(DeleteChangePoint(one, 0));
  EXPECT_EQ(one.nUraNini(), 0);
}

TEST(ChangePoints, EnterStoresRaisesTheCountOrRefuses) {
  CDocument d;
  // First row, first column: compared with 0.
  ChangePointResult r = EnterChangePoint(d, 1, 1, 1.5, std::nullopt, std::nullopt);
  EXPECT_EQ(r.entry, PointEntry::kStored);
  EXPECT_EQ(d.nUraNini(), 1);
  EXPECT_EQ(d.UraNiniX(0), 1.5);
  EXPECT_EQ(d.UraNiniY(0), kNullDouble);
  // Row 4 while two points exist would need rows 2 and 3 first: count 4.
  Points(d, {{1, 1}, {2, 2}});
  r = EnterChangePoint(d, 2, 4, 5.0, std::nullopt, std::nullopt);
  EXPECT_EQ(r.entry, PointEntry::kStored);
  EXPECT_EQ(d.nUraNini(), 4);
  EXPECT_EQ(d.UraNiniX(2), kNullDouble);
  EXPECT_EQ(d.UraNiniY(3), 5.0);

  struct Row {
    const char* name;
    std::optional<double> v;
    std::optional<double> above;
    std::optional<double> below;
    PointEntry entry;
  };
  const Row rows[] = {
      {"equal to the row above", 2.0, 2.0, std::nullopt, PointEntry::kStored},
      {"within the tolerance", 1.999995, 2.0, std::nullopt, PointEntry::kStored},
      {"falls back", 1.9, 2.0, std::nullopt, PointEntry::kRefused},
      {"above 99.999", 100.0, 2.0, std::nullopt, PointEntry::kIgnored},
      {"negative", -0.1, std::nullopt, std::nullopt, PointEntry::kIgnored},
      {"no number", std::nullopt, 2.0, std::nullopt, PointEntry::kIgnored},
      {"middle point between its neighbours", 2.5, 2.0, 3.0, PointEntry::kStored},
      {"middle point beyond the next row", 3.5, 2.0, 3.0, PointEntry::kRefused},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    CDocument e;
    Points(e, {{1, 1}, {2, 2}, {3, 3}});
    const ChangePointResult res = EnterChangePoint(e, 1, 2, x.v, x.above, x.below);
    EXPECT_EQ(res.entry, x.entry);
    EXPECT_EQ(e.nUraNini(), 3);
    if (x.entry == PointEntry::kStored) {
      EXPECT_EQ(e.UraNiniX(1), *x.v);
    } else {
      EXPECT_EQ(e.UraNiniX(1), 2.0);
    }
    if (x.entry == PointEntry::kRefused) {
      EXPECT_EQ(res.restore, 2.0);
    }
  }
}

TEST(ChangePoints, ARefusedNewRowLeavesNoPointBehind) {
  CDocument d;
  Points(d, {{2, 1}});
  const ChangePointResult r = EnterChangePoint(d, 1, 2, 1.0, 2.0, std::nullopt);
  EXPECT_EQ(r.entry, PointEntry::kRefused);
  EXPECT_EQ(d.nUraNini(), 1);
  EXPECT_FALSE(r.restore.has_value());  // the cell is emptied
  // A refused point whose coordinate was never typed empties its cell too.
  Points(d, {{2, 1}, {kNullDouble, 2}});
  EXPECT_FALSE(EnterChangePoint(d, 1, 2, 1.0, 2.0, std::nullopt).restore.has_value());
}

TEST(Zoom, StepsStopAt100And500) {
  double z = 100;
  for (int i = 0; i < 5; ++i) z = ZoomStep(z, true, 20);
  EXPECT_EQ(z, 200);
  for (int i = 0; i < 20; ++i) z = ZoomStep(z, true, 20);
  EXPECT_EQ(z, 500);
  EXPECT_EQ(ZoomStep(490, true, 20), 500);
  EXPECT_EQ(ZoomStep(110, false, 20), 100);
  EXPECT_EQ(ZoomStep(480, true, 10), 490);
  EXPECT_EQ(ZoomStep(105, false, 10), 100);
  EXPECT_EQ(ZoomStep(500, false, 20), 480);
}

}  // namespace
}  // namespace norva

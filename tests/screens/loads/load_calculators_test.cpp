// The calculators of the load dialogs, checked by hand: the wind formula and
// its options, the collision table over every kind, class and model, the
// rock-fall formula with its guard, the crowd-load table and the surcharge
// dialog's enabling.
#include "screens/loads/load_calculators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "document/document.h"
#include "document/nulls.h"

namespace norva {
namespace {

TEST(WindPressure, FormulaAndOptionsByHand) {
  struct Row {
    const char* name;
    int option;
    WindFactors f;
    double p;
  };
  const Row rows[] = {
      // 40² × (1.23 × 0.5) × 1.2 × 1.9 × 0.8 / 1000 = 1600 × 0.615 × 1.824 / 1000
      {"defaults", 2, {}, 1.794816},
      // 30² × (1.25 × 0.5) × 1.0 × 2.0 × 1.0 / 1000 = 900 × 0.625 × 2 / 1000
      {"other factors", 2, {1.25, 30, 1.0, 2.0, 1.0}, 1.125},
      // A zero factor is a value: p = 0.
      {"zero speed", 2, {1.23, 0, 1.2, 1.9, 0.8}, 0.0},
      {"windward ignores the factors", 0, {1.25, 30, 1.0, 2.0, 1.0}, 2.0},
      {"leeward", 1, {}, 1.0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const auto p = WindOptionPressure(r.option, r.f);
    ASSERT_TRUE(p.has_value());
    EXPECT_NEAR(*p, r.p, 1e-12);
  }
}

TEST(WindPressure, ABlankOrNullFactorOrNoOptionGivesNoResult) {
  for (int i = 0; i < 5; ++i) {
    for (double null : {kNullBox, kNullDouble}) {
      WindFactors f;
      double* factor[] = {&f.rho, &f.Ud, &f.Cd, &f.G, &f.alpha};
      *factor[i] = null;
      SCOPED_TRACE(i);
      EXPECT_FALSE(WindPressure(f).has_value());
      EXPECT_FALSE(WindOptionPressure(2, f).has_value());
      // The fixed pressures do not need the factors.
      EXPECT_EQ(WindOptionPressure(0, f), 2.0);
    }
  }
  EXPECT_FALSE(WindOptionPressure(-1, WindFactors{}).has_value());
  EXPECT_FALSE(WindOptionPressure(3, WindFactors{}).has_value());
  WindFactors huge{1e300, 1e300, 1, 1, 1};
  EXPECT_FALSE(WindPressure(huge).has_value()) << "an overflow is no pressure";
}

TEST(CollisionTable, EveryKindClassAndModel) {
  // The guard-fence tables: post-type fence (sand-filled, mortar-fixed) and
  // rigid fence (single slope, Florida, vertical wall).
  struct Row {
    int kind, cls, model;
    double P, h;
  };
  const Row rows[] = {
      {0, 0, 0, 55, 0.76}, {0, 0, 1, 60, 0.76}, {0, 1, 0, 50, 0.6},  {0, 1, 1, 60, 0.6},
      {0, 2, 0, 50, 0.6},  {0, 2, 1, 60, 0.6},  {0, 3, 0, 30, 0.6},  {0, 3, 1, 40, 0.6},
      {1, 0, 0, 135, 1.0}, {1, 0, 1, 138, 1.0}, {1, 0, 2, 170, 1.0}, {1, 1, 0, 86, 1.0},
      {1, 1, 1, 88, 1.0},  {1, 1, 2, 109, 1.0}, {1, 2, 0, 57, 0.9},  {1, 2, 1, 58, 0.9},
      {1, 2, 2, 72, 0.9},  {1, 3, 0, 34, 0.8},  {1, 3, 1, 35, 0.8},  {1, 3, 2, 43, 0.8},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.kind << "/" << r.cls << "/" << r.model);
    const CollisionValues v = CollisionTable(r.kind, r.cls, r.model);
    ASSERT_TRUE(v.h && v.P);
    EXPECT_EQ(*v.P, r.P);
    EXPECT_EQ(*v.h, r.h);
  }
  EXPECT_EQ(CollisionClassList(0), (std::vector<std::string>{"SS, SA, SB", "SC", "A", "B, C"}));
  EXPECT_EQ(CollisionModelList(0), (std::vector<std::string>{"砂詰め固定", "モルタル固定"}));
  EXPECT_EQ(CollisionClassList(1), (std::vector<std::string>{"SS", "SA", "SB", "SC"}));
  EXPECT_EQ(CollisionModelList(1),
            (std::vector<std::string>{"単スロープ型", "フロリダ型", "直壁型"}));
  // Any kind but the rigid fence is the post-type fence (an unset -1 too).
  EXPECT_EQ(CollisionKind(-1), 0);
  EXPECT_EQ(CollisionKind(1), 1);
}

TEST(CollisionTable, OutsideTheListsAClassGivesNothingAModelOnlyTheHeight) {
  EXPECT_FALSE(CollisionTable(0, 4, 0).h);
  EXPECT_FALSE(CollisionTable(1, -1, 0).P);
  const CollisionValues noModel = CollisionTable(0, 0, 2);  // the post fence has two
  EXPECT_EQ(noModel.h, 0.76);
  EXPECT_FALSE(noModel.P);
  EXPECT_FALSE(CollisionTable(1, 3, -1).P);
}

TEST(RockFallLoad, FormulaByHandAndTheGuard) {
  // Py = 3·σy·Z / (2·hp)
  EXPECT_NEAR(*RockFallLoad(235000, 0.0005, 1.0), 176.25, 1e-9);  // 3·235000·0.0005/2
  // H-100×100 (Zx 75.6 cm3) at hp 1.5: 3·235000·75.6e-6 / 3 = 17.766
  EXPECT_NEAR(*RockFallLoad(235000, SectionModulusM3(75.6), 1.5), 17.766, 1e-9);
  const double bad[] = {0, -1, kNullBox, kNullDouble};
  for (double v : bad) {
    SCOPED_TRACE(v);
    EXPECT_FALSE(RockFallLoad(v, 0.0005, 1.0));
    EXPECT_FALSE(RockFallLoad(235000, v, 1.0));
    EXPECT_FALSE(RockFallLoad(235000, 0.0005, v));
  }
  EXPECT_EQ(SectionModulusM3(1000), 0.001);  // cm3 to m3
}

TEST(CrowdLoadTable, ThreeStandardIntensities) {
  const auto& t = CrowdLoadTable();
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0].intensity, 5.0);
  EXPECT_STREQ(t[0].remark, "公道の歩道");
  EXPECT_EQ(t[1].intensity, 3.0);
  EXPECT_STREQ(t[1].remark, "大型車の入らない道路の歩道");
  EXPECT_EQ(t[2].intensity, 3.5);
  EXPECT_STREQ(t[2].source, "大型ブロック積み擁壁設計・施工マニュアル");
}

TEST(SurchargeFormState, TheSnowIntensityIsEditableInTheDialogWheneverSnowCounts) {
  CDocument d;
  d.Sisin = 2;
  d.nSnow = 0;
  d.nSnowType = 0;  // by depth: on the screen the intensity box is off
  const LoadsState screen = LoadsFormState(d);
  const LoadsState dialog = SurchargeFormState(d);
  EXPECT_FALSE(screen.snowLoad);
  EXPECT_TRUE(dialog.snowDepth);
  EXPECT_TRUE(dialog.snowLoad);
  EXPECT_TRUE(dialog.snowLoadEditable);
  d.Sisin = 0;  // fresh snow, a fixed load: read-only on the screen only
  EXPECT_FALSE(LoadsFormState(d).snowLoadEditable);
  EXPECT_TRUE(SurchargeFormState(d).snowLoadEditable);
  EXPECT_FALSE(SurchargeFormState(d).snowDepth);
  d.nSnow = 1;
  EXPECT_FALSE(SurchargeFormState(d).snowLoad);
}

TEST(ApplyTakuchiDefault, OnlyABlankedLoadBecomes9_8) {
  struct Row {
    const char* name;
    double before, after;
  } rows[] = {
      {"cleared box (blank-box null)", kNullBox, 9.8},
      {"never entered (document null) stays unentered", kNullDouble, kNullDouble},
      {"an entered 0 stays", 0, 0},
      {"an entered load stays", 12.5, 12.5},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    d.TakuchiLoad = r.before;
    ApplyTakuchiDefault(d);
    EXPECT_EQ(d.TakuchiLoad, r.after);
  }
}

}  // namespace
}  // namespace norva

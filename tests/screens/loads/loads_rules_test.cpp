// Rules of the load groups on the loads screen: enabling, lists by guideline,
// derived vehicle and snow intensities, front soil.
#include "screens/loads/loads_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "document/document.h"
#include "screens/loads/loads_test_support.h"

namespace norva {
namespace {

// The enabled parts of a state, by name, in a fixed order.
std::string Flags(const LoadsState& s) {
  return test::SetNames({{s.autoOn, "auto"},
                         {s.autoWidth, "autoWidth"},
                         {s.autoLoadEditable, "autoLoadEditable"},
                         {s.gunsyuOn, "gunsyu"},
                         {s.gunsyuWidth, "gunsyuWidth"},
                         {s.snowOn, "snow"},
                         {s.snowDepth, "snowDepth"},
                         {s.snowLoad, "snowLoad"},
                         {s.snowLoadEditable, "snowLoadEditable"},
                         {s.takuchiOn, "takuchi"},
                         {s.takuchiWidth, "takuchiWidth"},
                         {s.crashOn, "crash"},
                         {s.stoneOn, "stone"},
                         {s.windOn, "wind"}});
}

TEST(LoadsRules, GroupEnablingFollowsSwitchesKindsGuidelineAndEarthPressure) {
  struct Row {
    const char* name;
    std::function<void(CDocument&)> set;
    const char* expected;
  };
  // Every row starts from a new document: no load considered, trial wedge.
  const Row rows[] = {
      {"nothing considered", [](CDocument&) {}, ""},
      {"road earthworks, snow only: the depth gives the load",
       [](CDocument& d) { d.Sisin = 2, d.nSnow = 0, d.nSnowType = 0; }, "snow snowDepth"},
      {"road earthworks, snow with vehicles: fixed 1.0, read-only",
       [](CDocument& d) { d.Sisin = 2, d.nSnow = 0, d.nSnowType = 1; }, "snow snowLoad"},
      {"road earthworks, free entry is item 2",
       [](CDocument& d) { d.Sisin = 2, d.nSnow = 0, d.nSnowType = 2; },
       "snow snowLoad snowLoadEditable"},
      {"canals, general snow: by depth",
       [](CDocument& d) { d.Sisin = 5, d.nSnow = 0, d.nSnowType = 0; }, "snow snowDepth"},
      {"canals, free entry is item 2",
       [](CDocument& d) { d.Sisin = 5, d.nSnow = 0, d.nSnowType = 2; },
       "snow snowLoad snowLoadEditable"},
      {"farm roads, fresh snow: no depth, fixed load",
       [](CDocument& d) { d.Sisin = 0, d.nSnow = 0, d.nSnowType = 0; }, "snow snowLoad"},
      {"farm roads, item 2 is compressed snow, not the free entry",
       [](CDocument& d) { d.Sisin = 0, d.nSnow = 0, d.nSnowType = 2; }, "snow snowLoad"},
      {"residential land, free entry is item 4",
       [](CDocument& d) { d.Sisin = 4, d.nSnow = 0, d.nSnowType = 4; },
       "snow snowLoad snowLoadEditable"},
      {"large-block masonry, free entry is item 4",
       [](CDocument& d) { d.Sisin = 3, d.nSnow = 0, d.nSnowType = 4; },
       "snow snowLoad snowLoadEditable"},
      {"road earthworks, snow kind not chosen",
       [](CDocument& d) { d.Sisin = 2, d.nSnow = 0, d.nSnowType = -1; }, "snow snowLoad"},
      {"vehicle T-14 under the trial wedge",
       [](CDocument& d) { d.nAutoMobile = 0, d.nAutoTload = 2; }, "auto autoWidth"},
      {"vehicle free entry under Coulomb: no width",
       [](CDocument& d) { d.Doatsu = 0, d.nAutoMobile = 0, d.nAutoTload = 4; },
       "auto autoLoadEditable"},
      {"vehicle switch not chosen (-1)", [](CDocument& d) { d.nAutoTload = 4; }, ""},
      {"crowd and residential land under Coulomb",
       [](CDocument& d) { d.Doatsu = 0, d.nGunsyu = 0, d.nTakuchi = 0; }, "gunsyu takuchi"},
      {"crowd and residential land under the trial wedge",
       [](CDocument& d) { d.nGunsyu = 0, d.nTakuchi = 0; },
       "gunsyu gunsyuWidth takuchi takuchiWidth"},
      {"collision for the stem only", [](CDocument& d) { d.SetnAutoCrash(1, 0); }, "crash"},
      {"collision for the stability only", [](CDocument& d) { d.SetnAutoCrash(0, 0); }, "crash"},
      {"rock fall and wind", [](CDocument& d) { d.nStone = 0, d.nWind = 0; }, "stone wind"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    d.Doatsu = 1;
    r.set(d);
    EXPECT_EQ(Flags(LoadsFormState(d)), r.expected);
  }
}

TEST(LoadsRules, FrontSoilNeedsAUnitWeightAndAHeightPerState) {
  struct Row {
    const char* name;
    double gamf, gamfd, h0, h1;
    int16_t quake;
    bool normal, seismic;
  };
  const Row rows[] = {
      {"no unit weight", kNullDouble, kNullDouble, 1.0, 1.0, -1, false, false},
      {"moist weight, both heights, no seismic state", 18, kNullDouble, 0.5, 0.5, 0, true, false},
      {"submerged weight only, seismic height only", kNullDouble, 10, 0, 0.5, -1, false, true},
      {"both states", 18, 10, 0.5, 0.3, -1, true, true},
      {"heights not entered", 18, 10, kNullDouble, kNullBox, -1, false, false},
      {"zero weights", 0, 0, 0.5, 0.5, -1, false, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    d.Gamf = r.gamf;
    d.Gamfd = r.gamfd;
    d.SetSoilFH(0, r.h0);
    d.SetSoilFH(1, r.h1);
    d.bQuake = r.quake;
    const FrontSoil s = FrontSoilFlags(d);
    EXPECT_EQ(s[0], r.normal);
    EXPECT_EQ(s[1], r.seismic);
  }
}

TEST(LoadsRules, ListsByGuideline) {
  EXPECT_EQ(TloadKindList(), (std::vector<std::string>{"T-25", "T-20", "T-14", "T-10", "任意"}));
  EXPECT_EQ(SnowKindList(2),
            (std::vector<std::string>{"雪だけが荷重としてかかる場合",
                                      "自動車荷重と組み合わせる場合", "任意荷重"}));
  EXPECT_EQ(SnowKindList(5).front(), "一般の場合");
  for (int sisin : {0, 3, 4}) {
    SCOPED_TRACE(sisin);
    const auto list = SnowKindList(sisin);
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0], "降りたての雪");
    EXPECT_EQ(list[2], "圧縮された雪");
    EXPECT_EQ(list[4], "任意荷重");
  }
  EXPECT_EQ(FenceKindList(2), (std::vector<std::string>{"たわみ性防護柵", "剛性防護柵"}));
  for (int sisin : {0, 3, 4, 5}) EXPECT_EQ(FenceKindList(sisin)[0], "支柱式防護柵") << sisin;
}

TEST(LoadsRules, TloadKindSetsTheStandardIntensityExceptTheFreeEntry) {
  // T-25 and T-20: 10 kN/m2; T-14: 10 x 0.7 = 7; T-10: 10 x 0.5 = 5.
  const double expected[5] = {10, 10, 7, 5, 8};
  for (int kind = 0; kind <= 4; ++kind) {
    SCOPED_TRACE(kind);
    CDocument d;
    d.AutoLoad = 8;
    ApplyTloadKind(d, kind);
    EXPECT_EQ(d.nAutoTload, kind);
    EXPECT_DOUBLE_EQ(d.AutoLoad, expected[kind]);
  }
  CDocument d;
  d.nAutoTload = 1;
  d.AutoLoad = 8;
  ApplyTloadKind(d, -1);  // no selection: nothing stored
  EXPECT_EQ(d.nAutoTload, 1);
  EXPECT_DOUBLE_EQ(d.AutoLoad, 8);
}

TEST(LoadsRules, SnowKindAndDepthDeriveTheLoadOnlyWhenTheyChange) {
  CDocument road;
  road.Sisin = 2;
  road.nSnowType = 2;  // free entry
  road.SnowLoad = 4.0;
  EXPECT_FALSE(ApplySnowKind(road, 2));
  EXPECT_DOUBLE_EQ(road.SnowLoad, 4.0);
  EXPECT_TRUE(ApplySnowKind(road, 0));
  EXPECT_DOUBLE_EQ(road.SnowLoad,
                   3.5);  // 3.5 x depth 1.0 (the new document's depth)
  EXPECT_TRUE(ApplySnowDepth(road, 2.0));
  EXPECT_DOUBLE_EQ(road.SnowLoad, 7.0);  // 3.5 x 2.0
  road.SnowLoad = 1.0;
  EXPECT_FALSE(ApplySnowDepth(road, 2.0));  // the same depth recomputes nothing
  EXPECT_DOUBLE_EQ(road.SnowLoad, 1.0);
  EXPECT_TRUE(
      ApplySnowDepth(road, kNullBox));  // a blank depth: no load, never a multiple of the null
  EXPECT_DOUBLE_EQ(road.SnowLoad, kNullDouble);

  CDocument farm;
  farm.Sisin = 0;
  EXPECT_TRUE(ApplySnowKind(farm, 2));
  EXPECT_DOUBLE_EQ(farm.SnowLoad, 7.0);  // compressed snow
  EXPECT_TRUE(ApplySnowDepth(farm, 3.0));
  EXPECT_DOUBLE_EQ(farm.SnowLoad, 7.0);  // the depth does not count here
}

}  // namespace
}  // namespace norva

// Quantities of small dimensioned walls of each type, worked out by hand from
// the section (areas checked against the corner points where it helps).
#include "calc/member/suryou.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "document/document.h"

namespace norva {
namespace {

struct Row {
  std::string item, unit, qty;
};

void ExpectRows(const std::vector<Row>& rows) {
  ASSERT_EQ(SuryouCnt, static_cast<int16_t>(rows.size()));
  ASSERT_GE(SuryouList.size(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i].item);
    EXPECT_EQ(SuryouList[i].Koumoku, rows[i].item);
    EXPECT_EQ(SuryouList[i].Tani, rows[i].unit);
    EXPECT_EQ(SuryouList[i].Suryou, rows[i].qty);
    EXPECT_EQ(SuryouList[i].Bikou, "");
  }
}

std::unique_ptr<CDocument> Base(int type) {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(type);
  d->WallL = 10;
  d->WallH = 4;
  d->nKeisya = 1;
  d->Tokki = 0;
  d->KisoB = 0.1;
  d->KisoH1 = 0;
  d->KisoH2 = 0;
  return d;
}

// Gravity wall: base 2.5 x 0.5 (toe 0.3), body 2.2 m wide at 0.5 m and 0.6 m
// at the crest, front batter 0.4, back run 1.2: A = 1.25 + 4.9 = 6.15 m2.
std::unique_ptr<CDocument> Gravity() {
  auto d = Base(1);
  d->GrwB = 2.5;
  d->GrwB1 = 0.4;
  d->GrwB2 = 0.6;
  d->GrwB4 = 0.3;
  d->GrwH1 = 0.5;
  return d;
}

TEST(Suryou, GravityWall) {
  {  // Flat base, no key, no foundation layers: exactly three rows.
    auto d = Gravity();
    CalcSuryou(*d);
    // F = sqrt(0.4^2 + 3.5^2) + sqrt(1.2^2 + 3.5^2) + 2 x 0.5 = 3.5228 + 3.7 + 1.
    ExpectRows({{"コンクリート量", "m3", "61.50"},
                {"型　枠", "m2", "82.23"},
                {"端型枠(断面)", "m2", "12.30"}});
  }
  {  // Base rising 0.2 m to the toe: A = 1.5 + 4.62; F = 3.3242 + 3.5114 + 1.2.
    auto d = Gravity();
    d->nKeisya = 0;
    d->KeisyaH = 0.2;
    CalcSuryou(*d);
    ExpectRows({{"コンクリート量", "m3", "61.20"},
                {"型　枠", "m2", "80.36"},
                {"端型枠(断面)", "m2", "12.24"}});
  }
  {  // Key 0.5 x 0.4 adds 0.2 m2 of concrete but no end formwork; foundation
     // layers under 2.5 + 2 x 0.1 m.
    auto d = Gravity();
    d->Tokki = 1;
    d->TokB = 0.5;
    d->TokL = 0.4;
    d->KisoH1 = 0.1;
    d->KisoH2 = 0.2;
    CalcSuryou(*d);
    ExpectRows({{"コンクリート量", "m3", "63.50"},
                {"型　枠", "m2", "82.23"},
                {"端型枠(断面)", "m2", "12.30"},
                {"均しｺﾝｸﾘｰﾄ", "m3", "2.70"},
                {"基 礎 材", "m3", "5.40"}});
  }
}

TEST(Suryou, LeaningWall) {
  auto d = Base(2);
  d->MtwB1 = 0.5;
  d->MtwB2 = 1.0;
  d->MtwB3 = 0.8;
  d->MtwB4 = 0.4;
  d->MtwH1 = 3.0;
  d->MtwH2 = 0.6;
  d->MtwH3 = 0.3;
  d->KisoH1 = 0.1;
  d->KisoH2 = 0.2;
  CalcSuryou(*d);
  // Corners (0,0) (0,0.6) (0.5,0.6) (1.5,3.6) (2.3,3.6) (1.9,0.3) (1.9,0):
  // shoelace area 4.5. F = sqrt(10) + 0.6 + sqrt(3.3^2 + 0.4^2) + 0.3; W = 1.9.
  ExpectRows({{"コンクリート量", "m3", "45.00"},
              {"型　枠", "m2", "73.86"},
              {"端型枠(断面)", "m2", "9.00"},
              {"均しｺﾝｸﾘｰﾄ", "m3", "2.10"},
              {"基 礎 材", "m3", "4.20"}});
}

// Block walls, faces 1 : 0.5 (cos = 2/sqrt5).
TEST(Suryou, BlockWall) {
  auto make = [] {
    auto d = Base(0);
    d->BlkN = 0.5;
    d->BlkB = 1.2;
    d->BlkB1 = 0.2;
    d->BlkH1 = 0.5;
    d->BlkT = 0.35;
    d->BlkDeltT2 = 0.1;
    d->nBlkFound = 0;
    d->nBlkSetup = 1;
    d->KisoH1 = 0.1;
    d->KisoH2 = 0.2;
    return d;
  };
  {  // Footing 1.2 x 0.5, horizontal courses: blocks over 3.5 m / cos.
    auto d = make();
    CalcSuryou(*d);
    ExpectRows({{"コンクリート量", "m3", "6.00"},
                {"型　枠", "m2", "5.00"},
                {"端型枠(断面)", "m2", "1.20"},
                {"ブロック積", "m2", "39.13"},
                {"均しｺﾝｸﾘｰﾄ", "m3", "1.40"},
                {"基 礎 材", "m3", "2.80"}});
  }
  {  // Courses normal to the face: footing less 0.5 x 1^2 / 2, blocks over 4 m / cos.
    auto d = make();
    d->nBlkSetup = 0;
    CalcSuryou(*d);
    ExpectRows({{"コンクリート量", "m3", "3.50"},
                {"型　枠", "m2", "5.00"},
                {"端型枠(断面)", "m2", "0.70"},
                {"ブロック積", "m2", "44.72"},
                {"均しｺﾝｸﾘｰﾄ", "m3", "1.40"},
                {"基 礎 材", "m3", "2.80"}});
  }
  {  // No footing: blocks and foundation rows only, W = 0.45 / cos = 0.5031.
    auto d = make();
    d->nBlkFound = 1;
    CalcSuryou(*d);
    ExpectRows(
        {{"ブロック積", "m2", "44.72"}, {"均しｺﾝｸﾘｰﾄ", "m3", "0.70"}, {"基 礎 材", "m3", "1.41"}});
  }
}

TEST(Suryou, MixedWall) {
  auto d = Base(3);
  d->GrwB = 2.0;
  d->GrwB1 = 0.3;
  d->GrwB2 = 0.5;
  d->GrwB3 = 0.2;
  d->MxwH1 = 3.0;
  d->MxwH2 = 2.0;
  d->MxwH3 = 0.5;
  d->BlkN = 0.5;
  d->BlkT = 0.35;
  d->BlkDeltT2 = 0.1;
  CalcSuryou(*d);
  // A = 4 - 0.3 - 0.075 - 0.9 - 0.6 = 2.125; F = sqrt(4.09) + sqrt(3.69);
  // blocks (0.45 x 0.5 + 3) / cos = 3.605679.
  ExpectRows({{"コンクリート量", "m3", "21.25"},
              {"型　枠", "m2", "39.43"},
              {"端型枠(断面)", "m2", "4.25"},
              {"ブロック積", "m2", "36.06"}});
}

TEST(Suryou, FormattingAndReplacement) {
  auto d = Gravity();
  d->WallL = 1;
  d->KisoB = 0;
  d->GrwB = 0.04;  // foundation 0.04 x 0.1 = 0.004 m3
  d->KisoH1 = 0.1;
  CalcSuryou(*d);
  ASSERT_EQ(SuryouCnt, 4);
  EXPECT_EQ(SuryouList[3].Suryou, "0.00");
  // 12.346 shows as 12.35 (a rectangle 12.346 x 1 with no body run).
  auto e = Base(1);
  e->WallH = 1;
  e->GrwB = 12.346;
  e->GrwB1 = 0;
  e->GrwB2 = 12.346;
  e->GrwB4 = 0;
  e->GrwH1 = 0;
  e->WallL = 1;
  CalcSuryou(*e);
  ASSERT_EQ(SuryouCnt, 3);
  EXPECT_EQ(SuryouList.size(), 3u);  // the old rows are dropped
  EXPECT_EQ(SuryouList[0].Suryou, "12.35");
  EXPECT_EQ(SuryouList[2].Suryou, "24.69");  // both end sections: 24.692
}

// Dimensions no wall has (a file edited by hand): each quantity is digits or
// "-----", never "inf", "nan" or hundreds of digits.
TEST(Suryou, DimensionsBeyondAnyWallShowDashes) {
  struct Case {
    const char* name;
    double value;
    std::vector<Row> rows;
  } cases[] = {
      {"1e300",
       1e300,
       {{"コンクリート量", "m3", "-----"},
        {"型　枠", "m2", "-----"},
        {"端型枠(断面)", "m2", "-----"}}},
      {"infinity",
       std::numeric_limits<double>::infinity(),
       {{"コンクリート量", "m3", "-----"},
        {"型　枠", "m2", "-----"},
        {"端型枠(断面)", "m2", "-----"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto d = Gravity();
    d->GrwB = c.value;  // base width, and so the area and the back run
    CalcSuryou(*d);
    ExpectRows(c.rows);
  }
  // A length of NaN: the rows over the length have no value.
  auto d = Gravity();
  d->WallL = std::numeric_limits<double>::quiet_NaN();
  CalcSuryou(*d);
  ASSERT_EQ(SuryouCnt, 3);
  EXPECT_EQ(SuryouList[0].Suryou, "-----");
  EXPECT_EQ(SuryouList[1].Suryou, "-----");
  EXPECT_EQ(SuryouList[2].Suryou, "12.30");  // both end sections, 2 x 6.15, need no length
}

}  // namespace
}  // namespace norva

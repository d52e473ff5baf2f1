// The standard-section catalogue without a window: the reader over small
// invented fixtures, the search of each wall type walked to one record, and
// the apply routines against values worked out by hand.
#include "screens/section/catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "document/document.h"

namespace norva {
namespace {

const std::string kFixtures = std::string(NORVA_SOURCE_DIR) + "/tests/screens/catalogue/";

std::vector<CatalogueRecord> Read(int32_t type, const std::string& file) {
  return ReadCatalogue(type, kFixtures + file);
}

// ---- Reader ---------------------------------------------------------------------------

TEST(CatalogueReader, QuotedUnquotedSplitAndSeveralOnALine) {
  const auto q = Read(1, "reader/quoted_and_split.csv");
  ASSERT_EQ(q.size(), 2u);
  EXPECT_EQ(q[0], q[1]);  // quoted on one line = unquoted over four lines
  EXPECT_EQ(CellText(q[0], GrwSizeRec::Uragome), "盛土");
  EXPECT_DOUBLE_EQ(CellNumber(q[1], GrwSizeRec::H0), 2);

  const auto one = Read(1, "reader/one_line.csv");
  ASSERT_EQ(one.size(), 2u);
  EXPECT_EQ(CellText(one[1], GrwSizeRec::Uragome), "C2");
  EXPECT_DOUBLE_EQ(CellNumber(one[1], GrwSizeRec::B), 2.6);
}

TEST(CatalogueReader, CountBelowTheRecordsReadsOnlyThatMany) {
  const auto r = Read(1, "reader/count_below.csv");
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(CellText(r[1], GrwSizeRec::Uragome), "C2");
}

TEST(CatalogueReader, AnyFailureGivesOneEmptyRecord) {
  for (const char* f :
       {"reader/count_above.csv", "reader/not_a_number.csv", "reader/count_zero.csv"}) {
    SCOPED_TRACE(f);
    const auto r = Read(1, f);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(CellText(r[0], GrwSizeRec::Uragome), "");
    for (int i = GrwSizeRec::Morido; i < GrwSizeRec::kFields; ++i)
      EXPECT_EQ(CellNumber(r[0], i), 0) << i;
  }
}

TEST(CatalogueReader, MissingFileGivesNoRecords) {
  EXPECT_TRUE(Read(1, "reader/no_such_file.csv").empty());
  EXPECT_EQ(CatalogueFileName(1), "Jyuryoku.csv");
  EXPECT_EQ(CatalogueFileName(3), "kongou.csv");
}

TEST(CatalogueReader, BlockFileUnitWeightTimesTenSurchargeTimes98) {
  const auto r = Read(0, "wizard/block.csv");
  ASSERT_EQ(r.size(), 6u);
  EXPECT_EQ(CellText(r[0], BlkSizeRec::Kozo), "練積み");
  EXPECT_NEAR(CellNumber(r[0], BlkSizeRec::UraGam), 19, 1e-12);  // 1.9 x 10
  EXPECT_NEAR(CellNumber(r[0], BlkSizeRec::Q), 9.8, 1e-12);      // 1.0 x 9.8
  EXPECT_NEAR(CellNumber(r[3], BlkSizeRec::Q), 4.9, 1e-12);      // 0.5 x 9.8
  EXPECT_EQ(CellText(r[5], BlkSizeRec::Uragome), "砂質土");      // unquoted text
}

// ---- Search -------------------------------------------------------------------------------

TEST(CatalogueSearch, GravityWalkedToOneRecord) {
  CatalogueWizard w(1, Read(1, "wizard/Jyuryoku.csv"));
  EXPECT_EQ(w.Caption(), "図集検索 - Step 1/5");
  // Every value of the first field, in the order met.
  EXPECT_EQ(w.List(0), (std::vector<std::string>{"C1", "C2", "C3"}));
  EXPECT_FALSE(w.NextEnabled());
  w.Choose(0, "C2");
  EXPECT_EQ(w.List(1), (std::vector<std::string>{"0.50", "0.00"}));
  EXPECT_TRUE(w.NextEnabled());
  w.Move(1);
  EXPECT_EQ(w.Caption(), "図集検索 - Step 2/5");
  EXPECT_FALSE(w.NextEnabled());
  w.Choose(1, "0.50");
  EXPECT_EQ(w.List(2), (std::vector<std::string>{"0.30"}));
  w.Move(1);
  w.Choose(2, "0.30");
  EXPECT_EQ(w.List(3), (std::vector<std::string>{"3.000", "4.000"}));
  w.Move(1);
  w.Choose(3, "4.000");
  w.Move(1);
  EXPECT_EQ(w.Step(), 4);
  EXPECT_EQ(w.Caption(), "図集検索 - 完了!");
  EXPECT_TRUE(w.FinishEnabled());
  EXPECT_FALSE(w.NextEnabled());
  EXPECT_EQ(w.Summary(),
            "裏込め土の種類　:　C2\r\n盛土高比　　　　:　0.5\r\n前面勾配　　　　:　0.30\r\n"
            "擁壁高　　　　　:　4.000\r\n底版幅　　　　　:　2.600\r\n");
  EXPECT_DOUBLE_EQ(CellNumber(w.Selection(), GrwSizeRec::B2), 0.5);
}

TEST(CatalogueSearch, PickingTheSameValueChangesNothingAnotherRebuildsTheNextList) {
  CatalogueWizard w(1, Read(1, "wizard/Jyuryoku.csv"));
  w.Choose(0, "C2");
  w.Choose(1, "0.50");
  w.Choose(2, "0.30");
  const auto h = w.List(3);
  w.Choose(1, "0.50");  // the same: nothing
  EXPECT_TRUE(w.Done(2));
  EXPECT_EQ(w.List(3), h);
  w.Choose(1, "0.00");  // another: the next list anew, its step not done
  EXPECT_EQ(w.List(2), (std::vector<std::string>{"0.30"}));
  EXPECT_FALSE(w.Done(2));
  EXPECT_EQ(w.List(3), h);  // later lists keep their contents
}

TEST(CatalogueSearch, LastChoiceWithoutARecordKeepsFinishDisabled) {
  CatalogueWizard w(1, Read(1, "wizard/Jyuryoku.csv"));
  // C3's height 2.0004 shows as 2.000; 2.0 is more than 1e-5 away from it.
  w.Choose(0, "C3");
  w.Choose(1, "0.00");
  w.Choose(2, "0.25");
  EXPECT_EQ(w.List(3), (std::vector<std::string>{"2.000"}));
  w.Choose(3, "2.000");
  for (int i = 0; i < 4; ++i) w.Move(1);
  EXPECT_EQ(w.Step(), 4);
  EXPECT_FALSE(w.FinishEnabled());
  EXPECT_EQ(w.Summary(), "");
  EXPECT_EQ(CellNumber(w.Selection(), GrwSizeRec::H), -1);  // nothing to apply
}

TEST(CatalogueSearch, EmptyCatalogueOffersNothing) {
  CatalogueWizard w(1, {});
  EXPECT_TRUE(w.List(0).empty());
  EXPECT_FALSE(w.NextEnabled());
  EXPECT_FALSE(w.FinishEnabled());
}

TEST(CatalogueSearch, LeaningWalkedToOneRecord) {
  CatalogueWizard w(2, Read(2, "wizard/motare.csv"));
  EXPECT_EQ(w.Caption(), "図集検索 - Step 1/6");
  EXPECT_EQ(w.List(0), (std::vector<std::string>{"岩盤", "砂礫"}));
  w.Choose(0, "岩盤");
  EXPECT_EQ(w.List(1), (std::vector<std::string>{"C1", "C2"}));
  w.Choose(1, "C1");
  w.Choose(2, "0.00");
  w.Choose(3, "0.30");
  EXPECT_EQ(w.List(4), (std::vector<std::string>{"4.000"}));
  w.Choose(4, "4.000");
  for (int i = 0; i < 5; ++i) w.Move(1);
  EXPECT_EQ(w.Caption(), "図集検索 - 完了!");
  EXPECT_TRUE(w.FinishEnabled());
  EXPECT_EQ(w.Summary(),
            "基礎地盤の種類　:　岩盤\r\n裏込め土の種類　:　C1\r\n盛土高比　　　　:　0.0\r\n"
            "前面勾配　　　　:　0.30\r\n擁壁高　　　　　:　4.000\r\n底版幅　　　　　:　2.000\r\n"
            "底版前面厚　　　:　0.500\r\n基礎前面幅　　　:　0.600");
}

TEST(CatalogueSearch, BlockWalkedToOneRecord) {
  CatalogueWizard w(0, Read(0, "wizard/block.csv"));
  EXPECT_EQ(w.Caption(), "図集検索 - Step 1/7");
  EXPECT_EQ(w.List(0), (std::vector<std::string>{"練積み", "空積み"}));
  w.Choose(0, "練積み");
  EXPECT_EQ(w.List(1), (std::vector<std::string>{"10.00", "15.00"}));
  w.Move(1);
  EXPECT_EQ(w.Caption(), "図集検索 - Step 2/7");
  w.Choose(1, "10.00");
  EXPECT_EQ(w.List(2), (std::vector<std::string>{"0.3", "0.5"}));
  w.Choose(2, "0.3");
  EXPECT_EQ(w.List(3), (std::vector<std::string>{"砂質土"}));
  w.Choose(3, "砂質土");
  EXPECT_EQ(w.List(4), (std::vector<std::string>{"19.00"}));
  w.Choose(4, "19.00");
  EXPECT_EQ(w.List(5), (std::vector<std::string>{"9.80"}));
  w.Choose(5, "9.80");
  for (int i = 0; i < 6; ++i) w.Move(1);
  EXPECT_EQ(w.Caption(), "図集検索 - 完了!");
  EXPECT_TRUE(w.FinishEnabled());
  // The first matching record gives the height.
  EXPECT_EQ(w.Summary(),
            "擁壁の構造  　 : 練積み\r\n裏込めｺﾝｸﾘｰﾄ厚 : 10.0 (cm)\r\n前面勾配　　　 : 0.30\r\n"
            "裏込め土の種類 : 砂質土\r\n裏込め土の単重 : 19.000 (kN/m3)\r\n"
            "上載(換算)荷重 : 9.800 (kN/m2)\r\n擁壁高   　　　: 2.000 (m)");
}

TEST(CatalogueSearch, DryMasonrySkipsTheBackConcreteStepBothWays) {
  CatalogueWizard w(0, Read(0, "wizard/block.csv"));
  w.Choose(0, "空積み");
  EXPECT_TRUE(w.Done(1));
  EXPECT_EQ(w.List(2), (std::vector<std::string>{"0.3", "0.4"}));
  w.Move(1);
  EXPECT_EQ(w.Step(), 2);
  EXPECT_EQ(w.Caption(), "図集検索 - Step 3/7");
  w.Move(0);
  EXPECT_EQ(w.Step(), 0);
  w.Move(1);
  w.Choose(2, "0.4");
  w.Choose(3, "砂質土");
  w.Choose(4, "19.00");
  w.Choose(5, "9.80");
  for (int i = 0; i < 4; ++i) w.Move(1);
  EXPECT_EQ(w.Step(), 6);
  EXPECT_EQ(w.Summary(),
            "擁壁の構造  　 : 空積み\r\n前面勾配　　　 : 0.40\r\n裏込め土の種類 : 砂質土\r\n"
            "裏込め土の単重 : 19.000 (kN/m3)\r\n上載(換算)荷重 : 9.800 (kN/m2)\r\n"
            "擁壁高   　　　: 2.000 (m)");
}

TEST(CatalogueSearch, MixedRowsShowFourColumns) {
  const auto rows = MixedRows(Read(3, "wizard/kongou.csv"));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"3.500", "1.600", "1.500", "0.000"}));
}

// ---- Apply --------------------------------------------------------------------------------

CatalogueRecord Blk(const char* kozo, double deltB, double n, double H) {
  return {std::string(kozo), deltB, n, std::string("砂質土"), 19.0, 9.8, H};
}

TEST(CatalogueApply, BlockFootingByWallHeightAndBackConcrete) {
  struct Row {
    const char* name;
    const char* kozo;
    double deltB, n, H;
    double h1, h2, b;
  };
  const Row rows[] = {
      {"back 10 cm: not above 0.1", "練積み", 10, 0.3, 1.5, 0.25, 0.15, 0.55},
      {"back 15 cm", "練積み", 15, 0.3, 3.0, 0.3, 0.15, 0.6},
      {"back 20 cm", "練積み", 20, 0.3, 3.01, 0.4, 0.25, 0.65},
      // (0.25 + 0.35) cos(atan 0.3) + 0.1 = 0.6 / sqrt(1.09) + 0.1 = 0.67470
      {"back 25 cm: by the formula", "練積み", 25, 0.3, 2.0, 0.3, 0.15,
       0.6 / std::sqrt(1.09) + 0.1},
      {"dry masonry", "空積み", 0, 0.3, 2.0, 0.3, 0.15, 0.45},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    d.SetWallType(0);
    d.Fai = 33;
    ApplyBlkSize(d, Blk(r.kozo, r.deltB, r.n, r.H));
    const bool dry = std::string(r.kozo) == "空積み";
    EXPECT_EQ(d.Gamcw, dry ? 19.5 : 22.5);
    EXPECT_EQ(d.Gamcf, 23);
    EXPECT_EQ(d.Gamb, 19);
    EXPECT_EQ(d.Gambd, 10);  // 19 - 9
    EXPECT_EQ(d.WallH, r.H);
    EXPECT_EQ(d.BlkT, 0.35);
    EXPECT_NEAR(d.BlkDeltT1, dry ? 0 : r.deltB / 100, 1e-12);
    EXPECT_EQ(d.BlkDeltT2, d.BlkDeltT1);
    EXPECT_EQ(d.BlkN, r.n);
    EXPECT_EQ(d.nBlkSetup, 0);
    EXPECT_EQ(d.nBlkFound, 0);
    EXPECT_EQ(d.BlkH1, r.h1);
    EXPECT_EQ(d.BlkH2, r.h2);
    EXPECT_EQ(d.BlkB1, 0.1);
    EXPECT_NEAR(d.BlkB, r.b, 1e-12);
    EXPECT_EQ(d.WallB, d.BlkB);
    EXPECT_EQ(d.Fai, 33);  // unchanged
    EXPECT_EQ(d.Gamf, 0);
    EXPECT_EQ(d.SoilFH(1), 0);
  }
}

TEST(CatalogueApply, GravityWithAndWithoutEmbankment) {
  CDocument d;
  d.SetWallType(1);
  d.UraX1 = 7;
  d.UraHd = 0.3;
  ApplyGrwSize(d, {std::string("C2"), 0.4, 0.3, 3.0, 2.0, 0.5, 1.2});
  EXPECT_EQ(d.Gamcw, 23);
  EXPECT_EQ(d.Gamb, 19);
  EXPECT_EQ(d.Gambd, 10);
  EXPECT_EQ(d.Fai, 30);
  EXPECT_DOUBLE_EQ(d.delt(0), 20);  // 30 x 2/3
  EXPECT_DOUBLE_EQ(d.delt(1), 15);  // 30 / 2
  EXPECT_EQ(d.WallH, 3.0);
  EXPECT_EQ(d.GrwB, 2.0);
  EXPECT_NEAR(d.GrwB1, 0.9, 1e-12);  // 3.0 x 0.3
  EXPECT_EQ(d.GrwB2, 0.5);
  EXPECT_EQ(d.GrwN, 0.3);
  EXPECT_EQ(d.UragomeType, 2);
  EXPECT_EQ(d.UraHd, 0);
  EXPECT_EQ(d.UraX1, 0);
  EXPECT_NEAR(d.UraX2, 1.8, 1e-12);  // 1.5 x 1.2
  EXPECT_EQ(d.UraH0, 1.2);

  CDocument e;
  e.UragomeType = 1;
  e.UraX1 = 7;
  e.UraX2 = 8;
  e.UraH0 = 9;
  ApplyGrwSize(e, {std::string("C1"), 0.0, 0.3, 3.0, 2.0, 0.5, 0.0});
  EXPECT_EQ(e.Gamb, 18);
  EXPECT_EQ(e.Fai, 25);
  EXPECT_DOUBLE_EQ(e.delt(0), 25.0 * 2 / 3);
  EXPECT_EQ(e.UragomeType, 0);
  EXPECT_EQ(e.UraX1, 7);
  EXPECT_EQ(e.UraX2, 8);
  EXPECT_EQ(e.UraH0, 9);
}

TEST(CatalogueApply, LeaningWall) {
  CDocument d;
  d.SetWallType(2);
  ApplyMtwSize(
      d, {std::string("岩盤"), std::string("C1"), 0.0, 0.3, 0.2, 4.0, 2.0, 0.5, 0.6, 0.4, 0.0});
  EXPECT_EQ(d.Gamb, 20);
  EXPECT_EQ(d.Gambd, 11);
  EXPECT_EQ(d.Fai, 35);
  EXPECT_DOUBLE_EQ(d.delt(1), 17.5);
  EXPECT_EQ(d.WallH, 4);
  EXPECT_DOUBLE_EQ(d.MtwH1, 3.5);  // 4 - 0.5
  EXPECT_EQ(d.MtwH2, 0.5);
  EXPECT_EQ(d.MtwH3, 0);
  EXPECT_EQ(d.MtwB1, 0.6);
  EXPECT_NEAR(d.MtwB2, 1.05, 1e-12);  // 3.5 x 0.3
  EXPECT_EQ(d.MtwB3, 0.4);
  EXPECT_NEAR(d.MtwB4, 0.7, 1e-12);  // 3.5 x 0.2
  EXPECT_EQ(d.MtwN1, 0.3);
  EXPECT_EQ(d.MtwN2, 0.2);
  EXPECT_EQ(d.UragomeType, 0);
}

TEST(CatalogueApply, MixedWallBarsAndRefusedZeroDivisors) {
  const auto recs = Read(3, "wizard/kongou.csv");
  CDocument d;
  d.SetWallType(3);
  ASSERT_EQ(ApplyMxwSize(d, recs[0]), "");
  EXPECT_EQ(d.Gamcw, 22.5);
  EXPECT_EQ(d.Gamb, 19);
  EXPECT_DOUBLE_EQ(d.delt(0), 20);
  EXPECT_EQ(d.MxwH1, 2.0);
  EXPECT_EQ(d.MxwH2, 1.5);
  EXPECT_EQ(d.MxwH3, 0);  // 1.5 - 1.5
  EXPECT_EQ(d.WallH, 3.5);
  EXPECT_EQ(d.BlkDeltT2, 0.2);
  EXPECT_EQ(d.GrwB, 1.6);
  EXPECT_DOUBLE_EQ(d.GrwN, 0.2);  // 0.3 / 1.5
  EXPECT_EQ(d.Tokki, 1);
  EXPECT_EQ(d.TokDia, 12);        // 12.5: a half to the even 12
  EXPECT_DOUBLE_EQ(d.TokHon, 4);  // 1000 / 250
  EXPECT_EQ(d.UragomeType, 0);
  ASSERT_EQ(ApplyMxwSize(d, recs[1]), "");
  EXPECT_EQ(d.TokDia, 14);           // 13.5: to the even 14
  EXPECT_DOUBLE_EQ(d.TokHon, 5);     // 1000 / 200
  EXPECT_NEAR(d.MxwH3, 0.3, 1e-12);  // 1.8 - 1.5
  EXPECT_EQ(d.UragomeType, 2);
  EXPECT_NEAR(d.UraX2, 1.8, 1e-12);  // 1.5 x 1.2

  const double height = d.WallH;
  EXPECT_EQ(ApplyMxwSize(d, recs[2]), kMxwZeroMessage);  // LowerH 0
  EXPECT_EQ(d.WallH, height);
  CatalogueRecord noPitch = recs[0];
  noPitch[MxwSizeRec::TokkiPitch] = 0.0;
  EXPECT_EQ(ApplyMxwSize(d, noPitch), kMxwZeroMessage);
  EXPECT_EQ(d.TokDia, 14);
}

TEST(CatalogueTable, FootingGuideRowsAreTheApplyRule) {
  const auto t = KisoSizeTable();
  ASSERT_EQ(t.size(), 5u);
  EXPECT_EQ(t[0][3], "　　　　　　　　　　底　面　幅　Ｂ (cm)　　　　　　");
  EXPECT_EQ(t[1][6], "⊿ｔ = 20");
  // Each band's heights and widths in cm are what ApplyBlkSize gives.
  const double heights[] = {1.5, 3.0, 5.0};
  const double backs[] = {0, 10, 15, 20};
  for (int band = 0; band < 3; ++band) {
    for (int col = 0; col < 4; ++col) {
      CDocument d;
      ApplyBlkSize(d, Blk(col == 0 ? "空積み" : "練積み", backs[col], 0.3, heights[band]));
      const auto& row = t[static_cast<size_t>(band + 2)];
      EXPECT_EQ(std::stod(row[1]), std::round(d.BlkH1 * 100));
      EXPECT_EQ(std::stod(row[2]), std::round(d.BlkH2 * 100));
      EXPECT_EQ(std::stod(row[static_cast<size_t>(3 + col)]), std::round(d.BlkB * 100));
    }
  }
}

}  // namespace
}  // namespace norva

// Frame, title block and quantity table, measured with the fixed metrics
// (half an em for a one-byte character, a full em for any other, lines
// 1.2 em high) on an A3 page with margins left 20, right 10, top 10,
// bottom 10.
#include "drawing/sheet/sheet_title.h"

#include <gtest/gtest.h>

#include "calc/member/suryou.h"
#include "document/nulls.h"
#include "drawing/sheet/sheet_run.h"
#include "drawing/sheet/sheet_test_support.h"

namespace norva {
namespace {

using sheet_test::RecordingTarget;

struct Sheet {
  RecordingTarget page;
  SheetRun run{page};
  explicit Sheet(double scale) {
    run.SkzPaperW = 420;
    run.SkzPaperH = 297;
    run.SkzScale = scale;
    run.SkzOrgY = 297 * 56.7;
  }
  // Back to sheet millimetres.
  double Mx(double x) const { return x / 56.7; }
  double My(double y) const { return 297 - y / 56.7; }
  const RecordingTarget::TextRec* Find(const std::string& t) const {
    for (const auto& r : page.texts)
      if (r.text == t) return &r;
    return nullptr;
  }
};

void Margins(CDocument& d) {
  d.SetMargin(0, 20);
  d.SetMargin(1, 10);
  d.SetMargin(2, 10);
  d.SetMargin(3, 10);
}

TEST(TitleBlock, FrameBlockAndCaptions) {
  CDocument d;
  sheet_test::GravityWall(d);
  Margins(d);
  Sheet s(0.02);
  SkzTitle(s.run, d);
  // Frame and title block outline, closed polylines of five points.
  ASSERT_EQ(s.page.polyXs.size(), 2u);
  const std::vector<double> frameX{20, 20, 410, 410, 20}, frameY{10, 287, 287, 10, 10};
  const std::vector<double> blockX{410, 310, 310, 410, 410}, blockY{10, 10, 70, 70, 10};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_NEAR(s.Mx(s.page.polyXs[0][i]), frameX[i], 1e-9);
    EXPECT_NEAR(s.My(s.page.polyYs[0][i]), frameY[i], 1e-9);
    EXPECT_NEAR(s.Mx(s.page.polyXs[1][i]), blockX[i], 1e-9);
    EXPECT_NEAR(s.My(s.page.polyYs[1][i]), blockY[i], 1e-9);
  }
  // Five row lines, the caption column and the scale / drawing-number cells.
  ASSERT_EQ(s.page.lines.size(), 8u);
  EXPECT_NEAR(s.My(s.page.lines[4].y1), 60, 1e-9);
  EXPECT_NEAR(s.Mx(s.page.lines[5].x1), 330, 1e-9);
  EXPECT_NEAR(s.My(s.page.lines[6].y1), 40, 1e-9);
  EXPECT_NEAR(s.My(s.page.lines[6].y2), 30, 1e-9);

  // "工事名", 5 mm: 15 mm wide, 6 mm high, centred in (310, 70) - (330, 60).
  const auto* t = s.Find("工事名");
  ASSERT_NE(t, nullptr);
  EXPECT_NEAR(s.Mx(t->x), 312.5, 1e-9);
  EXPECT_NEAR(s.My(t->y), 68, 1e-9);
  EXPECT_EQ(t->fontMm, 5.0);
  EXPECT_EQ(t->align, 0);
  EXPECT_EQ(t->angle, 0);
  for (const char* caption : {"図面名", "年月日", "尺度", "会社名", "事務所名", "図面番号"})
    EXPECT_NE(s.Find(caption), nullptr) << caption;
  // "葉之内" at 2.5 mm in (380, 32.5) 30 x 2.5: x 380 + (30 - 7.5) / 2,
  // y 32.5 - (2.5 - 3) / 2.
  const auto* leaf = s.Find("葉之内");
  ASSERT_NE(leaf, nullptr);
  EXPECT_NEAR(s.Mx(leaf->x), 391.25, 1e-9);
  EXPECT_NEAR(s.My(leaf->y), 32.75, 1e-9);
  EXPECT_EQ(leaf->fontMm, 2.5);
  // No table asked for: nothing measured, nothing written.
  EXPECT_EQ(s.run.SkzMatW, 0);
  EXPECT_EQ(s.run.SkzMatH, 0);
  EXPECT_EQ(s.Find("数量表(10m当たり)"), nullptr);
}

TEST(TitleBlock, ScaleCellForEveryScale) {
  const char* want[] = {"1:10", "1:20", "1:30", "1:40", "1:50", "1:100", "1:200"};
  for (int16_t code = 0; code < 7; ++code) {
    SCOPED_TRACE(code);
    CDocument d;
    sheet_test::GravityWall(d);
    Margins(d);
    Sheet s(SheetScale(code));
    SkzTitle(s.run, d);
    const auto* t = s.Find(want[code]);
    ASSERT_NE(t, nullptr);
    // Centred in (330, 40) 30 x 10; one-byte characters are half an em.
    const double w = 0.5 * 5 * static_cast<double>(std::string(want[code]).size());
    EXPECT_NEAR(s.Mx(t->x), 330 + (30 - w) / 2, 1e-9);
  }
}

TEST(QuantityTable, WidthsRowsAndPlace) {
  CDocument d;
  sheet_test::GravityWall(d);
  Margins(d);
  d.Suryou = 0;
  d.WallL = 10;
  Sheet s(0.02);
  SkzTitle(s.run, d);
  // Rows: concrete, formwork, end formwork, levelling concrete, base material.
  ASSERT_EQ(SuryouCnt, 5);
  // At 4 mm: items "コンクリート量" 7 ems = 28 mm (widest); units "(m3)" 8 mm;
  // quantities padded to ten one-byte characters, 20 mm; empty remarks leave
  // the padded header "　摘 要　", 4.5 ems = 18 mm.
  EXPECT_NEAR(s.run.SkzMatW, 28 + 8 + 20 + 18, 1e-9);
  EXPECT_NEAR(s.run.SkzMatH, 5 * (5 + 2), 1e-9);
  // Its upper-right corner 5 mm inside the frame's (410, 287): the lower-left
  // corner at (410 - 5 - 74, 287 - 5 - 35) = (331, 247).
  ASSERT_EQ(s.page.polyXs.size(), 3u);
  const std::vector<double> bodyX{0, 74, 74, 0, 0}, bodyY{30, 30, 0, 0, 30};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_NEAR(s.Mx(s.page.polyXs[2][i]), 331 + bodyX[i], 1e-9);
    EXPECT_NEAR(s.My(s.page.polyYs[2][i]), 247 + bodyY[i], 1e-9);
  }
  // Row lines under the header and between the five rows (k = 1 to n - 2,
  // n = 5 + 2), then the two column lines.
  EXPECT_EQ(s.page.lines.size(), 8u + 5 + 2);
  EXPECT_NEAR(s.My(s.page.lines[12].y1), 247 + 5, 1e-9);
  EXPECT_NEAR(s.Mx(s.page.lines[13].x1), 331 + 36, 1e-9);
  EXPECT_NEAR(s.Mx(s.page.lines[14].x1), 331 + 56, 1e-9);
  // The title above the body, one blank in from its left edge.
  const auto* title = s.Find("数量表(10m当たり)");
  ASSERT_NE(title, nullptr);
  EXPECT_NEAR(s.Mx(title->x), 333, 1e-9);
  EXPECT_NEAR(s.My(title->y), 282, 1e-9);
  // Items on the left border line, units at c0 = 28, remarks after the
  // quantities; quantities at 3 mm, centred in their column.
  const auto* item = s.Find(SuryouList[0].Koumoku);
  ASSERT_NE(item, nullptr);
  EXPECT_NEAR(s.Mx(item->x), 331, 1e-9);
  EXPECT_NEAR(s.My(item->y), 247 + 25, 1e-9);
  const auto* unit = s.Find("(" + SuryouList[0].Tani + ")");
  ASSERT_NE(unit, nullptr);
  EXPECT_NEAR(s.Mx(unit->x), 331 + 28, 1e-9);
  const auto* q = s.Find(QuantityCellText(SuryouList[0].Suryou));
  ASSERT_NE(q, nullptr);
  EXPECT_EQ(q->fontMm, 3.0);
  EXPECT_NEAR(s.Mx(q->x), 331 + 36 + (20 - 15) / 2.0, 1e-9);  // 10 half ems at 3 mm: 15
  // The origin is back at the sheet's corner.
  EXPECT_EQ(s.run.SkzOrgX, 0);
  EXPECT_NEAR(s.run.SkzOrgY, 297 * 56.7, 1e-9);
}

TEST(QuantityTable, NoRowsLeavesTheHeaderRow) {
  CDocument d;
  d.SetWallType(9);  // no wall type: no quantity at all
  d.KisoH1 = 0;
  d.KisoH2 = 0;
  d.Suryou = 0;
  Margins(d);
  Sheet s(0.02);
  SkzTitle(s.run, d);
  ASSERT_EQ(SuryouCnt, 0);
  EXPECT_NEAR(s.run.SkzMatH, 10, 1e-9);
  EXPECT_NEAR(s.run.SkzMatW, 18 + 8 + 18 + 18, 1e-9);
}

// The quantities are computed for the wall length WallL (concrete = L x A):
// the heading names that length, not a fixed 10 m.
TEST(QuantityTable, HeadingNamesTheWallLengthOfTheQuantities) {
  struct Row {
    const char* name;
    double length;
    const char* title;
  };
  const Row rows[] = {
      {"usual 10 m", 10, "数量表(10m当たり)"},
      {"one decimal", 12.5, "数量表(12.5m当たり)"},
      {"three decimals", 7.125, "数量表(7.125m当たり)"},
      {"trailing zero of 20", 20, "数量表(20m当たり)"},
      {"below a metre", 0.5, "数量表(0.5m当たり)"},
      {"never entered", kNullDouble, "数量表"},
      {"zero", 0, "数量表"},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    EXPECT_EQ(QuantityTableTitle(x.length), x.title);
  }
  // The sheet draws the heading of the document's length.
  CDocument d;
  sheet_test::GravityWall(d);
  Margins(d);
  d.Suryou = 0;
  d.WallL = 12.5;
  Sheet s(0.02);
  SkzTitle(s.run, d);
  EXPECT_NE(s.Find("数量表(12.5m当たり)"), nullptr);
  EXPECT_EQ(s.Find("数量表(10m当たり)"), nullptr);
}

TEST(QuantityTable, QuantityCellTextIsTenCharactersRightAligned) {
  EXPECT_EQ(QuantityCellText("12.50"), "     12.50");
  EXPECT_EQ(QuantityCellText("123456789012"), "3456789012");
  EXPECT_EQ(QuantityCellText(""), "          ");
  EXPECT_EQ(QuantityCellText("数量"), "        数量");
}

TEST(QuantityTable, InAnSxfFileTheTableIsItsOwnFigure) {
  CDocument d;
  sheet_test::GravityWall(d);
  Margins(d);
  d.Suryou = 0;
  d.WallL = 10;
  RecordingTarget sxf(true);
  SheetRun run(sxf);
  run.SkzSxfMode = 1;
  run.SkzPaperW = 420;
  run.SkzPaperH = 297;
  run.SkzScale = 0.02;
  SkzTitle(run, d);
  // Drawn at its own coordinates: the body's corner at (0, 0).
  ASSERT_EQ(sxf.polyXs.size(), 3u);
  EXPECT_EQ(sxf.polyXs[2][3], 0);
  EXPECT_EQ(sxf.polyYs[2][3], 0);
  const auto m = std::find(sxf.calls.begin(), sxf.calls.end(), "SetFukugo MATERIAL");
  ASSERT_NE(m, sxf.calls.end());
  EXPECT_EQ(*(m + 1), "LineAttrib 18 8 1 1");
}

}  // namespace
}  // namespace norva

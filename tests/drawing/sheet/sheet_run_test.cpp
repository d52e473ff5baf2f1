// Primitives, paper and scale tables, figure placement and the driver of the
// drawing sheet, on a recording target.
#include "drawing/sheet/sheet_run.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "drawing/sheet/sheet_test_support.h"

namespace norva {
namespace {

using sheet_test::Near;
using sheet_test::RecordingTarget;

TEST(SheetTables, PaperSizesAndScales) {
  struct Row {
    int16_t sheet;
    double h, w;
  } rows[] = {{0, 841, 1189}, {1, 594, 841}, {2, 420, 594}, {3, 297, 420}, {4, 210, 297}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sheet);
    double h = 0, w = 0;
    ASSERT_TRUE(SheetPaperSize(r.sheet, h, w));
    EXPECT_EQ(h, r.h);
    EXPECT_EQ(w, r.w);
  }
  double h = 7, w = 7;
  EXPECT_FALSE(SheetPaperSize(5, h, w));
  EXPECT_FALSE(SheetPaperSize(-1, h, w));
  EXPECT_EQ(h, 7);

  // There is no 1:60 to 1:90: code 5 is 1:100 and 6 is 1:200.
  const double denominators[] = {10, 20, 30, 40, 50, 100, 200};
  for (int16_t i = 0; i < 7; ++i) EXPECT_DOUBLE_EQ(SheetScale(i), 1.0 / denominators[i]);
  EXPECT_EQ(SheetScale(7), 0);
  EXPECT_EQ(SheetScale(-1), 0);
}

TEST(SheetPrimitives, ConvertSheetMillimetresToTheTarget) {
  RecordingTarget page;
  SheetRun run(page);
  // An A4 page: the sheet's lower-left corner lies 210 x 56.7 = 11907 twips down.
  run.SkzOrgY = 11907;
  run.SkzText(10, 20, "A");
  ASSERT_EQ(page.texts.size(), 1u);
  EXPECT_NEAR(page.texts[0].x, 567, 1e-9);    // 10 x 56.7
  EXPECT_NEAR(page.texts[0].y, 10773, 1e-9);  // 11907 - 20 x 56.7

  run.SkzOrgY = 1000;
  run.SkzPolyLine(2, {0, 10}, {0, 0});
  ASSERT_EQ(page.polyXs.size(), 1u);
  EXPECT_EQ(page.polyXs[0], (std::vector<double>{0, 567}));
  EXPECT_EQ(page.polyYs[0], (std::vector<double>{1000, 1000}));

  // One point and chains without an interval draw nothing at all.
  const size_t calls = page.calls.size();
  run.SkzPolyLine(1, {0}, {0});
  run.SkzHSunp(0, {0}, {0}, {""}, 0, "UU");
  run.SkzVSunp(0, {0}, {0}, {""}, 0, "UU");
  run.SkzRotSunp(0, {0}, {0}, 0, 0, 0.3, "UU", {""});
  EXPECT_EQ(page.calls.size(), calls);

  RecordingTarget sxf(true);
  SheetRun file(sxf);
  file.SkzOrgX = 100;
  file.SkzOrgY = 50;
  file.SkzLine(1, 2, 3, 4);
  ASSERT_EQ(sxf.lines.size(), 1u);
  EXPECT_EQ(sxf.lines[0].x1, 101);
  EXPECT_EQ(sxf.lines[0].y1, 52);
  EXPECT_EQ(sxf.lines[0].x2, 103);
  EXPECT_EQ(sxf.lines[0].y2, 54);
}

TEST(SheetPrimitives, ChainPositionsFollowTheirKind) {
  RecordingTarget page;
  SheetRun run(page);
  run.SkzOrgX = 1000;
  run.SkzOrgY = 2000;
  run.SkzHSunp(1, {0, 10}, {0, 0}, {"", "a"}, 5, "UU");
  run.SkzVSunp(1, {0, 0}, {0, 10}, {"", "b"}, 5, "RR");
  run.SkzRotSunp(1, {0, 10}, {0, 0}, 3, 4, 0.25, "UU", {"", "c"});
  ASSERT_EQ(page.chains.size(), 3u);
  // A horizontal line's position is a y, a vertical line's an x.
  EXPECT_NEAR(page.chains[0].pos, 2000 - 5 * 56.7, 1e-9);
  EXPECT_NEAR(page.chains[1].pos, 1000 + 5 * 56.7, 1e-9);
  EXPECT_EQ(page.chains[1].typ, "RR");
  // The rotated chain's point moves in both coordinates, its angle not at all.
  EXPECT_NEAR(page.chains[2].refX, 1000 + 3 * 56.7, 1e-9);
  EXPECT_NEAR(page.chains[2].refY, 2000 - 4 * 56.7, 1e-9);
  EXPECT_EQ(page.chains[2].angle, 0.25);
  EXPECT_NEAR(page.chains[2].xs[1], 1000 + 567, 1e-9);
  EXPECT_EQ(page.chains[2].texts[1], "c");
}

TEST(SheetPrimitives, CoincidentChainPointsBecomeOnePoint) {
  struct Row {
    const char* name;
    std::vector<double> xs;
    std::vector<std::string> texts;
    std::vector<double> wantXs;
    std::vector<std::string> wantTexts;
  } rows[] = {
      // Three coincident points in a row leave one interval, not a zero one.
      {"run of three",
       {0, 10, 10, 10, 30},
       {"", "10", "0", "0", "20"},
       {0, 567, 1701},
       {"", "10", "20"}},
      {"leading pair", {0, 0, 10}, {"", "0", "10"}, {0, 567}, {"", "10"}},
      {"trailing pair", {0, 10, 10}, {"", "10", "0"}, {0, 567}, {"", "10"}},
      {"nothing left", {5, 5, 5}, {"", "0", "0"}, {}, {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingTarget page;
    SheetRun run(page);
    std::vector<double> ys(r.xs.size(), 0);
    run.SkzHSunp(static_cast<int32_t>(r.xs.size()) - 1, r.xs, ys, r.texts, -10, "UU");
    if (r.wantXs.empty()) {
      EXPECT_TRUE(page.chains.empty());
      continue;
    }
    ASSERT_EQ(page.chains.size(), 1u);
    ASSERT_EQ(page.chains[0].xs.size(), r.wantXs.size());
    for (size_t i = 0; i < r.wantXs.size(); ++i)
      EXPECT_NEAR(page.chains[0].xs[i], r.wantXs[i], 1e-9);
    EXPECT_EQ(page.chains[0].texts, r.wantTexts);
  }

  // A vertical chain on paper merges within one twip (0.0176 mm), a
  // horizontal one only within 0.01 twip.
  RecordingTarget page;
  SheetRun run(page);
  run.SkzVSunp(2, {0, 0, 0}, {0, 0.01, 5}, {"", "a", "b"}, 0, "UU");
  run.SkzHSunp(2, {0, 0.01, 5}, {0, 0, 0}, {"", "a", "b"}, 0, "UU");
  ASSERT_EQ(page.chains.size(), 2u);
  EXPECT_EQ(page.chains[0].texts, (std::vector<std::string>{"", "b"}));
  EXPECT_EQ(page.chains[1].texts, (std::vector<std::string>{"", "a", "b"}));

  // Rotated: points whose feet on the line coincide are one point, wherever
  // they lie off the line.
  RecordingTarget p2;
  SheetRun r2(p2);
  r2.SkzRotSunp(2, {0, 10, 10}, {0, 0, 7}, 0, 0, 0, "UU", {"", "a", "b"});
  ASSERT_EQ(p2.chains.size(), 1u);
  EXPECT_EQ(p2.chains[0].texts, (std::vector<std::string>{"", "a"}));
}

TEST(SheetPrimitives, CenterTextPutsTheTextInTheMiddleOfItsBox) {
  // A 20 x 10 mm box at (0, 60), a text 12 mm wide and 5 mm high: its
  // upper-left corner at (0 + (20 - 12) / 2, 60 - (10 - 5) / 2) = (4, 57.5).
  for (bool sxf : {false, true}) {
    SCOPED_TRACE(sxf ? "sxf" : "page");
    RecordingTarget t(sxf);
    t.widthMm = 12;
    t.heightMm = 5;
    SheetRun run(t);
    run.SkzOrgY = sxf ? 0 : 297 * 56.7;
    t.SetTextAlign(5);
    run.SkzCenterText(0, 60, 20, 10, "x");
    ASSERT_EQ(t.texts.size(), 1u);
    EXPECT_NEAR(t.texts[0].x, run.ToTargetX(4), 1e-9);
    EXPECT_NEAR(t.texts[0].y, run.ToTargetY(57.5), 1e-9);
    EXPECT_EQ(t.texts[0].align, 0);
  }
}

TEST(SheetOrigin, PaperPlacementLeftOfTheTitleColumn) {
  CDocument d;
  d.SetMargin(0, 20);
  d.SetMargin(1, 10);
  d.SetMargin(2, 10);
  d.SetMargin(3, 10);
  RecordingTarget page;
  SheetRun run(page);
  run.SkzPaperW = 420;
  run.SkzPaperH = 297;
  run.SkzFigW = 200;
  run.SkzFigH = 150;
  run.SkzMatW = 80;
  // Free width 420 - 30 - 200 = 190; half of it (95) is below the 100 mm
  // column, so the figure is centred left of it: fw = 420 - 30 - 100 - 200 = 90.
  // fh = 297 - 20 - 150 = 127. Lower-left corner at 20 + 45 = 65 mm from the
  // left edge and 10 + 63.5 + 150 = 223.5 mm below the top edge.
  run.SkzSetOrigin(d);
  EXPECT_NEAR(run.SkzOrgX, 65 * 56.7, 1e-9);
  EXPECT_NEAR(run.SkzOrgY, 223.5 * 56.7, 1e-9);

  // Centred between the margins when half the free width holds the column:
  // a 100 mm figure leaves 290, half of it 145 >= 100: 20 + 145 = 165.
  run.SkzFigW = 100;
  run.SkzSetOrigin(d);
  EXPECT_NEAR(run.SkzOrgX, 165 * 56.7, 1e-9);

  // A table wider than half the free width (145) widens the column:
  // fw = 420 - 30 - 150 - 100 = 140, x = 20 + 70.
  run.SkzMatW = 150;
  run.SkzSetOrigin(d);
  EXPECT_NEAR(run.SkzOrgX, 90 * 56.7, 1e-9);

  // A figure wider and higher than the free space starts at the margins.
  run.SkzFigW = 500;
  run.SkzFigH = 400;
  run.SkzSetOrigin(d);
  EXPECT_NEAR(run.SkzOrgX, 20 * 56.7, 1e-9);
  EXPECT_NEAR(run.SkzOrgY, (10 + 400) * 56.7, 1e-9);

  // In an SXF file the figure is drawn at its own coordinates.
  run.SkzSxfMode = 1;
  run.SkzSetOrigin(d);
  EXPECT_EQ(run.SkzOrgX, 0);
  EXPECT_EQ(run.SkzOrgY, 0);
}

TEST(SheetOutput, RefusesCodesOutsideTheListsBeforeDrawing) {
  struct Row {
    const char* name;
    int16_t sheet, scale;
    const char* message;
  } rows[] = {{"sheet 5", 5, 4, "図面サイズの指定が正しくありません。"},
              {"sheet -1", -1, 4, "図面サイズの指定が正しくありません。"},
              {"scale 7", 3, 7, "縮尺の指定が正しくありません。"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    sheet_test::GravityWall(d);
    d.Sheet = r.sheet;
    d.DrwScale = r.scale;
    RecordingTarget page;
    try {
      SkzOutput(0, d, page);
      ADD_FAILURE() << "no error";
    } catch (const std::invalid_argument& e) {
      EXPECT_STREQ(e.what(), r.message);
    }
    EXPECT_TRUE(page.calls.empty());
  }
}

// Margins read from a file may be anything: the frame and the title block
// (100 x 60 mm) must stay on the paper. A4 is 297 x 210 mm.
TEST(SheetOutput, RefusesMarginsThatPutTheFrameOffThePaper) {
  struct Row {
    const char* name;
    int16_t left, right, top, bottom;
    bool refused;
  } rows[] = {
      {"negative bottom", 20, 20, 20, -1, true},
      {"negative left", -5, 20, 20, 20, true},
      {"left and right leave exactly the title column", 100, 97, 20, 20, false},
      {"one millimetre more", 101, 97, 20, 20, true},
      {"top and bottom leave exactly the title block", 20, 20, 75, 75, false},
      {"999 at the top", 20, 20, 999, 0, true},
      {"zero margins", 0, 0, 0, 0, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    sheet_test::GravityWall(d);
    d.Sheet = 4;
    d.DrwScale = 6;
    const int16_t m[4] = {r.left, r.right, r.top, r.bottom};
    for (int i = 0; i < 4; ++i) d.SetMargin(i, m[i]);
    EXPECT_EQ(SheetInputError(d), r.refused ? kSheetMarginsOff : "");
    RecordingTarget page;
    if (r.refused) {
      EXPECT_THROW(SkzOutput(0, d, page), std::invalid_argument);
      EXPECT_TRUE(page.calls.empty());
    }
  }
}

TEST(SheetOutput, RefusesAWallWithDimensionsNeverEntered) {
  struct Row {
    const char* name;
    void (*change)(CDocument&);
    const char* message;
  } rows[] = {
      {"wall height", [](CDocument& d) { d.WallH = kNullDouble; },
       "壁体形状の入力が完了していません。"},
      {"raised toe",
       [](CDocument& d) {
         d.nKeisya = 0;
         d.KeisyaH = kNullDouble;
       },
       "壁体形状の入力が完了していません。"},
      {"key",
       [](CDocument& d) {
         d.Tokki = 1;
         d.TokL = kNullDouble;
       },
       "突起の寸法の入力が完了していません。"},
      {"projection", [](CDocument& d) { d.KisoB = kNullDouble; },
       "基礎材寸法の入力が完了していません。"},
      {"drain height",
       [](CDocument& d) {
         d.Mizunuki = 1;
         d.MizuDan = 2;
         d.SetMizuH1(1, kNullDouble);
       },
       "水抜き穴の入力が完了していません。"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    sheet_test::GravityWall(d);
    EXPECT_EQ(SheetInputError(d), "");
    r.change(d);
    EXPECT_EQ(SheetInputError(d), r.message);
  }
  // A projection that is never used needs no value.
  CDocument d;
  sheet_test::GravityWall(d);
  d.KisoH1 = 0;
  d.KisoH2 = kNullDouble;
  d.KisoB = kNullDouble;
  EXPECT_EQ(SheetInputError(d), "");
}

// A section whose figure has a NaN or an infinity (sizes that overflow on
// the sheet) is refused with its message before anything
// is drawn, as the screens refuse to draw it.
TEST(SheetOutput, RefusesASectionItCannotComputeFinitely) {
  struct Row {
    const char* name;
    void (*make)(CDocument&);
  } rows[] = {
      {"block wall 1e307 high: 2e308 mm on the sheet",
       [](CDocument& d) {
         sheet_test::BlockWallNoFooting(d);
         d.WallH = 1e307;
       }},
      {"gravity wall widths of 1e308",
       [](CDocument& d) {
         sheet_test::GravityWall(d);
         d.GrwB = d.GrwB1 = d.GrwB2 = d.GrwB4 = 1e308;
       }},
      {"leaning wall 1e308 wide",
       [](CDocument& d) {
         sheet_test::LeaningWall(d);
         d.MtwB1 = d.MtwB3 = 1e308;
       }},
      {"mixed wall blocks 1e308 thick",
       [](CDocument& d) {
         sheet_test::MixedWall(d);
         d.BlkT = d.BlkDeltT1 = d.BlkDeltT2 = 1e308;
       }},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    r.make(d);
    EXPECT_EQ(SheetInputError(d), kSheetNotFinite);
    for (int16_t mode : {0, 1}) {
      RecordingTarget target(mode == 1);
      try {
        SkzOutput(mode, d, target);
        ADD_FAILURE() << "no error";
      } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), kSheetNotFinite);
      }
      EXPECT_TRUE(target.calls.empty());
      EXPECT_TRUE(target.lines.empty());
    }
  }
}

// Gravity wall of 3.0 + 0.3 of layers, 2.2 wide with the projections: the
// figure is (2.2 k + 59) x (3.3 k + 45) mm at k mm a metre. A4 with margins
// of 20 leaves 297 - 40 - 100 = 157 x 210 - 40 = 170 mm beside the title
// column: 1:10 gives 279 x 375, 1:20 169 x 210, 1:30 132.3 x 155 (fits).
TEST(SheetFit, TheLargestScaleThatFitsThePaper) {
  CDocument d;
  sheet_test::GravityWall(d);
  d.Sheet = 4;
  for (int i = 0; i < 4; ++i) d.SetMargin(i, 20);
  const bool fits[7] = {false, false, true, true, true, true, true};
  for (int16_t code = 0; code < 7; ++code) {
    SCOPED_TRACE(code);
    EXPECT_EQ(SheetFigureFits(d, code), fits[code]);
  }
  EXPECT_EQ(LargestFittingScale(d), 2);
  d.DrwScale = 0;
  EXPECT_EQ(SheetFitProblem(d),
            "縮尺 1:10 では図が用紙（A4）に収まりません。\n"
            "この用紙に収まる最大の縮尺は 1:30 です。");
  d.DrwScale = 2;
  EXPECT_EQ(SheetFitProblem(d), "");
  // 2.2 x 5 + 59 = 70 mm wide at 1:200; side margins of 70 leave
  // 297 - 140 - 100 = 57 mm: no scale fits.
  d.SetMargin(0, 70);
  d.SetMargin(1, 70);
  EXPECT_EQ(LargestFittingScale(d), -1);
  EXPECT_EQ(SheetFitProblem(d),
            "縮尺 1:30 では図が用紙（A4）に収まりません。\n"
            "どの縮尺でも収まりません。用紙を大きくするか、余白を小さくしてください。");
  // A sheet that cannot be drawn at all is named by the preview, not here.
  d.WallH = kNullDouble;
  EXPECT_EQ(SheetFitProblem(d), "");
}

TEST(SheetOutput, DriverOrderAndAFreshStateForEverySheet) {
  CDocument d;
  sheet_test::GravityWall(d);
  d.Suryou = 0;
  d.WallL = 10;
  RecordingTarget page;
  const SheetState withTable = SkzOutput(0, d, page);
  EXPECT_GT(withTable.SkzMatW, 0);
  EXPECT_EQ(page.calls.front(), "Open");
  EXPECT_EQ(page.calls.back(), "Finish");
  EXPECT_DOUBLE_EQ(withTable.SkzScale, 0.02);
  EXPECT_EQ(withTable.SkzPaperW, 420);
  // The origin is back at the sheet's lower-left corner after the section.
  EXPECT_EQ(withTable.SkzOrgX, 0);
  EXPECT_NEAR(withTable.SkzOrgY, 297 * 56.7, 1e-9);

  // The next sheet without a table starts from a table width of 0.
  d.Suryou = 1;
  RecordingTarget again;
  const SheetState without = SkzOutput(0, d, again);
  EXPECT_EQ(without.SkzMatW, 0);
  EXPECT_EQ(without.SkzMatH, 0);

  // A target that cannot open draws nothing more.
  RecordingTarget refused;
  refused.refuse = true;
  SkzOutput(1, d, refused);
  EXPECT_EQ(refused.calls, (std::vector<std::string>{"Open"}));
}

}  // namespace
}  // namespace norva

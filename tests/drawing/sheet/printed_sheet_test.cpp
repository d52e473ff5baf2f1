// The printed page: page set-up per paper, units on the canvas, and whole
// sheets of the sample designs on the recorded canvas.
#include "drawing/sheet/printed_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "document/document.h"
#include "document/document_file.h"
#include "document/services.h"
#include "drawing/base/canvas.h"
#include "drawing/sheet/sheet_run.h"
#include "drawing/sheet/sheet_test_support.h"

namespace norva {
namespace {

TEST(PrintedSheet, PageSetUpForEveryPaper) {
  struct Row {
    int16_t sheet;
    int16_t code;
    double shortMm, longMm;
  } rows[] = {{0, 256, 841, 1189},
              {1, 256, 594, 841},
              {2, 66, 420, 594},
              {3, 8, 297, 420},
              {4, 9, 210, 297}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sheet);
    CDocument d;
    sheet_test::GravityWall(d);
    d.Sheet = r.sheet;
    Canvas page;
    PrintedSheet target(page);
    const SheetState s = SkzOutput(0, d, target);
    EXPECT_EQ(target.PaperSize(), r.code);
    // Given portrait (short side as the width), turned landscape.
    EXPECT_NEAR(target.PaperWidth(), r.shortMm * 56.7, 1e-9);
    EXPECT_NEAR(target.PaperHeight(), r.longMm * 56.7, 1e-9);
    EXPECT_EQ(target.Orientation(), 1);
    EXPECT_NEAR(target.PageWidthMm(), r.longMm, 1e-9);
    EXPECT_NEAR(target.PageHeightMm(), r.shortMm, 1e-9);
    EXPECT_NEAR(page.ScaleWidth(), r.longMm * 56.7, 1e-9);
    EXPECT_NEAR(page.ScaleHeight(), r.shortMm * 56.7, 1e-9);
    EXPECT_NEAR(page.ExtentWidth(), r.longMm * 56.7, 1e-9);
    // Sheet (0, 0) is the lower-left corner of the page.
    EXPECT_EQ(s.SkzOrgX, 0);
    EXPECT_NEAR(s.SkzOrgY, r.shortMm * 56.7, 1e-9);
    // The frame inside the margins of 20 mm: first polyline of the page.
    const auto frame = std::find_if(page.Ops().begin(), page.Ops().end(), [](const CanvasOp& op) {
      return op.kind == CanvasOpKind::PolyLine;
    });
    ASSERT_NE(frame, page.Ops().end());
    EXPECT_NEAR(frame->points[0].x, 20 * 56.7, 1e-9);
    EXPECT_NEAR(frame->points[0].y, (r.shortMm - 20) * 56.7, 1e-9);
    EXPECT_NEAR(frame->points[2].x, (r.longMm - 20) * 56.7, 1e-9);
    EXPECT_NEAR(frame->points[2].y, 20 * 56.7, 1e-9);
  }
}

TEST(PrintedSheet, ChainsAreDrawnByTheDimensionLinesInBlack) {
  CDocument d;
  sheet_test::GravityWall(d);
  Canvas page;
  PrintedSheet target(page);
  SkzOutput(0, d, target);
  std::vector<std::string> texts;
  for (const CanvasOp& op : page.Ops())
    if (op.kind == CanvasOpKind::Text) {
      texts.push_back(op.text);
      EXPECT_EQ(op.style.textColor, 0u);
    }
  // The texts of the hand-worked chains (GravitySection.LevelBaseWithBothLayers),
  // merged intervals left out, and the label.
  for (const char* t : {"2200", "100", "2000", "300", "600", "500", "200", "2500", "1:0.24"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), t), texts.end()) << t;
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "0"), 0);
  // Every line in black; outside the dimensions no dotted pen is left.
  for (const CanvasOp& op : page.Ops()) {
    if (op.kind == CanvasOpKind::Line || op.kind == CanvasOpKind::PolyLine) {
      EXPECT_EQ(op.style.penColor, 0u);
      EXPECT_EQ(op.style.penStyle, 0);
    }
  }
  // A chain outside the dimensions' span draws nothing.
  const size_t n = page.Ops().size();
  SheetChain c;
  c.xs = {0, 1000};
  c.ys = {0, 0};
  c.texts = {"", "x"};
  target.DrawChain(c);
  EXPECT_EQ(page.Ops().size(), n);
}

TEST(PrintedSheet, TextSizesInPointsAndAnglesInTenths) {
  Canvas page;
  PrintedSheet target(page);
  target.SetFontSizeMm(2.5);
  // 2.5 mm is 7.0866 points; the canvas takes the em in twips, 20 a point.
  EXPECT_NEAR(target.FontSize(), 2.5 / 25.4 * 72, 1e-12);
  EXPECT_NEAR(page.Style().font.size, 2.5 / 25.4 * 72 * 20, 1e-9);
  target.SetTextAngle(78.69006752597977);
  EXPECT_EQ(target.TextAngle(), 787);
  // Measured in twips: with the fixed metrics a full-width character is an em.
  EXPECT_NEAR(target.TextWidth("工"), 2.5 / 25.4 * 72 * 20, 1e-9);
  // A new output starts on a clear page.
  page.DrawLine(0, 0, 1, 1);
  CDocument d;
  sheet_test::GravityWall(d);
  SkzOutput(0, d, target);
  EXPECT_GT(page.Ops().size(), 20u);
  const size_t first = page.Ops().size();
  SkzOutput(0, d, target);
  EXPECT_EQ(page.Ops().size(), first);
}

bool ReadSample(CDocument& doc, const char* name) {
  doc.FileName = std::string(NORVA_SOURCE_DIR) + "/tests/fixtures/designs/" + name + ".nrv";
  return DataFileRead(doc);
}

// Every sample on A1 at 1:50 and on A3 at 1:100: the whole drawing stays on
// the frame's paper, the scale stands in the title block, and the section's
// dimension texts are there.
TEST(PrintedSheet, SampleSheetsStayInsideTheFrame) {
  struct Row {
    int16_t sheet, scale;
    const char* scaleText;
  } sizes[] = {{1, 4, "1:50"}, {3, 5, "1:100"}};
  struct Sample {
    const char* name;
    const char* height;  // the wall height as its dimension text
  } samples[] = {
      {"block_masonry", "3500"}, {"gravity", "3000"}, {"leaning", "4500"}, {"mixed", "3500"}};
  for (const Sample& sample : samples) {
    const char* name = sample.name;
    for (const Row& r : sizes) {
      SCOPED_TRACE(std::string(name) + " " + r.scaleText);
      CDocument d;
      ASSERT_TRUE(ReadSample(d, name));
      d.Sheet = r.sheet;
      d.DrwScale = r.scale;
      d.Suryou = 0;
      Canvas page;
      PrintedSheet target(page);
      const SheetState s = SkzOutput(0, d, target);
      const double left = d.Margin(0) * 56.7, right = page.ScaleWidth() - d.Margin(1) * 56.7;
      const double top = d.Margin(2) * 56.7, bottom = page.ScaleHeight() - d.Margin(3) * 56.7;
      bool scaleShown = false, heightShown = false;
      for (const CanvasOp& op : page.Ops()) {
        for (const CanvasPoint& p : op.points) {
          EXPECT_GE(p.x, left - 1e-6);
          EXPECT_LE(p.x, right + 1e-6);
          EXPECT_GE(p.y, top - 1e-6);
          EXPECT_LE(p.y, bottom + 1e-6);
        }
        if (op.kind == CanvasOpKind::Text && op.text == r.scaleText) scaleShown = true;
        if (op.kind == CanvasOpKind::Text && op.text == sample.height) heightShown = true;
      }
      EXPECT_TRUE(scaleShown);
      EXPECT_TRUE(heightShown);
      EXPECT_GT(s.SkzMatW, 0);
      // The figure fits between the margins beside the title column.
      EXPECT_LT(s.SkzFigW, page.ScaleWidth() / 56.7 - d.Margin(0) - d.Margin(1) - 100);
    }
  }
}

// The shear-key sample at 1:50: the crest's 400 mm is 8 mm = 453.6 twips, and
// with texts h = 142 twips high (2.5 mm) the room between its arrows is
// 453.6 - 2 * 142 = 169.6 twips, less than "400" (3 digits of half an em,
// 213 twips). The text goes one row up, k + h = 47 + 142 = 189 twips above
// its neighbours 600 and 1400, and no arrow stroke (147 twips long) runs
// through any "400" of the sheet (the key's two below it fit no better).
TEST(PrintedSheet, DimensionTextsTooLongForTheirArrowsStandClearOfThem) {
  CDocument d;
  ASSERT_TRUE(
      DataFileReadFrom(d, std::string(NORVA_SOURCE_DIR) + "/examples/gravity_cut_shear_key.nrv"));
  d.Sheet = 3;
  d.DrwScale = 4;
  Canvas page;
  PrintedSheet target(page);
  SkzOutput(0, d, target);
  const double em = 2.5 / 25.4 * 72 * 20;
  struct Box {
    double x0, y0, x1, y1;
  };
  std::vector<Box> fours;
  std::vector<const CanvasOp*> strokes;
  double y600 = -1, y1400 = -1, yTop400 = 1e9;
  for (const CanvasOp& op : page.Ops()) {
    if (op.kind == CanvasOpKind::Line) {
      const double len =
          std::hypot(op.points[1].x - op.points[0].x, op.points[1].y - op.points[0].y);
      if (std::fabs(len - std::hypot(142, 0.27 * 142)) < 0.5) strokes.push_back(&op);
    }
    if (op.kind != CanvasOpKind::Text || op.style.textAngle != 0) continue;
    const double x = op.points[0].x, y = op.points[0].y;
    if (op.text == "600") y600 = y;
    if (op.text == "1400") y1400 = y;
    if (op.text == "400") {
      fours.push_back({x, y, x + 1.5 * em, y + 142});
      yTop400 = std::min(yTop400, y);
    }
  }
  ASSERT_EQ(fours.size(), 3u);
  EXPECT_NEAR(y600, y1400, 1e-6);
  EXPECT_NEAR(yTop400, y600 - 189, 1e-6);
  ASSERT_FALSE(strokes.empty());
  for (const Box& b : fours) {
    for (const CanvasOp* s : strokes) {
      for (int k = 0; k <= 100; ++k) {
        const double x = s->points[0].x + (s->points[1].x - s->points[0].x) * k / 100.0;
        const double y = s->points[0].y + (s->points[1].y - s->points[0].y) * k / 100.0;
        const bool inside = x > b.x0 && x < b.x1 && y > b.y0 && y < b.y1;
        EXPECT_FALSE(inside) << "400 at " << b.x0 << ", " << b.y0;
        if (inside) break;
      }
    }
  }
}

}  // namespace
}  // namespace norva

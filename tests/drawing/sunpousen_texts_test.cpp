// Sunpousen's text sizes, widths and labels on both targets: a cDraw, and a
// printed page whose font sizes are points.
#include <gtest/gtest.h>

#include <string>

#include "drawing/base/cdraw.h"
#include "drawing/base/sunpousen.h"
#include "recorded_ops.h"

namespace norva {
namespace {

using test::Recorded;
using test::SameOps;

// Fixed metrics throughout: a one-byte character is half an em wide.
struct OnDraw {
  Canvas canvas;
  cDraw d;
  Sunpousen s;
  OnDraw() {
    d.SetCanvas(&canvas);
    s.SetDrawObject(d);
  }
};

struct OnPage {
  Canvas page;  // twips, standing for the print-preview page
  Sunpousen s;
  OnPage() { s.SetDrawObject(page); }
};

constexpr double kSheetPoints = 2.5 / 25.4 * 72;  // the sheet's 2.5 mm texts

TEST(SunpousenTexts, TextHeightOfEachSizeClass) {
  struct Row {
    const char* name;
    bool page;
    double kihon, zoom;
    const char* msize;
    int32_t h;
  } rows[] = {
      {"3 mm, zoom 100, N", false, 170.1, 100, "N", 170},     // 170.1
      {"3 mm, zoom 100, T", false, 170.1, 100, "T", 102},     // 170.1 * 0.6 = 102.06
      {"3 mm, zoom 100, H", false, 170.1, 100, "H", 238},     // 170.1 * 1.4 = 238.14
      {"3 mm, zoom 200, N", false, 170.1, 200, "N", 340},     // 340.2
      {"zoom 50, L", false, 170.1, 50, "L", 102},             // 85.05 * 1.2 = 102.06
      {"half to even", false, 170.5, 100, "N", 170},          // 170.5 -> 170
      {"2.5 mm page, N", true, kSheetPoints, 100, "N", 142},  // 2.5 * 56.7 = 141.75
      {"2.5 mm page, S", true, kSheetPoints, 100, "S", 113},  // 141.75 * 0.8 = 113.4
      {"no factor", false, 170.1, 100, "X", 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    OnDraw a;
    OnPage b;
    Sunpousen& s = r.page ? b.s : a.s;
    a.canvas.SetZoom(r.zoom);
    s.SetKihonMojiH(r.kihon);
    s.SetMsize(r.msize);
    EXPECT_EQ(s.MojiH(), r.h);
  }
  Sunpousen none;
  none.SetKihonMojiH(170.1);
  EXPECT_EQ(none.MojiH(), 0);
}

TEST(SunpousenTexts, SizeClassTakesTheFirstLetterUpperCased) {
  const struct {
    const char* given;
    const char* stored;
  } rows[] = {{"l", "L"}, {"", "N"}, {"Xtra", "X"}, {"s", "S"}, {"TT", "T"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.given);
    OnDraw a;
    a.s.SetKihonMojiH(170.1);
    a.s.SetMsize(r.given);
    EXPECT_EQ(a.s.Msize(), r.stored);
  }
  OnDraw a;
  a.s.SetKihonMojiH(170.1);
  a.s.SetMsize("Xtra");
  EXPECT_EQ(a.s.MojiH(), 0);
  EXPECT_EQ(a.s.MojiB("250"), 0);
}

TEST(SunpousenTexts, WidthIsMeasuredAtTheBaseHeightAndScaled) {
  OnDraw a;
  a.canvas.SetFontSize(123.4);
  a.s.SetKihonMojiH(170.1);
  a.s.SetMsize("T");
  // Measured at the N height 170: "250" is 1.5 em = 255; T: 255 * 0.6 = 153.
  EXPECT_EQ(a.s.MojiB("250"), 153);
  EXPECT_EQ(a.canvas.Style().font.size, 123.4);  // put back exactly
  EXPECT_EQ(a.s.Msize(), "T");
  a.s.SetMsize("N");
  EXPECT_EQ(a.s.MojiB("擁壁"), 340);  // 2 em at 170

  OnPage b;
  b.page.SetFontSize(200);
  b.s.SetKihonMojiH(kSheetPoints);
  // N height 142 twips -> 142 / 25.4 * 72 / 56.7 pt, an em of 20 twips a point:
  // 141.982 twips; "250" = 1.5 em = 212.97 -> 213; S: 212.97 * 0.8 = 170.38 -> 170.
  EXPECT_EQ(b.s.MojiB("250"), 213);
  b.s.SetMsize("S");
  EXPECT_EQ(b.s.MojiB("250"), 170);
  EXPECT_EQ(b.page.Style().font.size, 200);
}

TEST(SunpousenTexts, DrwMojiWritesOneTextAndPutsTheStateBack) {
  OnDraw a;
  a.canvas.SetFontSize(123.4);
  a.canvas.SetTextAngle(50);
  a.canvas.SetTextColor(0x123456);
  a.canvas.SetTextAlign(4);
  a.s.SetTextColor(0x0000FF);
  a.s.DrwMoji(170.1, 1000.5, 2000.25, "1:0.5", 90);  // size to whole units: 170
  a.s.DrwMoji(100, 10, 20, "x", 12.25);              // 122.5 tenths -> 122
  EXPECT_TRUE(SameOps(Recorded(a.canvas), {test::T(1000.5, 2000.25, "1:0.5", 900, 170),
                                           test::T(10, 20, "x", 122, 100)}));
  EXPECT_EQ(a.canvas.Ops()[0].style.textColor, 0x0000FFu);
  EXPECT_EQ(a.canvas.Ops()[0].style.textAlign, 4);  // as the caller left it
  EXPECT_EQ(a.canvas.Style().font.size, 123.4);
  EXPECT_EQ(a.canvas.Style().textAngle, 50);
  EXPECT_EQ(a.canvas.Style().textColor, 0x123456u);
  EXPECT_EQ(a.d.X1(), 10);  // the text position is the cDraw's X1/Y1

  OnPage b;
  b.page.SetFontSize(200);
  b.s.DrwMoji(142, 500, 600, "A", 0);
  // 142 twips -> 142 / 25.4 * 72 / 56.7 = 7.0991 pt -> 141.982 twips of em.
  EXPECT_TRUE(SameOps(Recorded(b.page), {test::T(500, 600, "A", 0, 141.98222)}, 1e-4));
  EXPECT_EQ(b.page.CurrentX(), 500);
  EXPECT_EQ(b.page.CurrentY(), 600);
  EXPECT_EQ(b.page.Style().font.size, 200);
}

TEST(SunpousenTexts, DimensionTextRoundsHalfUpByTruncation) {
  const struct {
    double f;
    const char* text;
  } rows[] = {{250.5, "251"},      {0.4, "0"},  {300, "300"},
              {999.5, "1000"},     {0.49, "0"}, {-2.7, "-2"},  // trunc(-2.2)
              {-0.7, "0"},                                     // trunc(-0.2), no sign
              {123456.4, "123456"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.f);
    EXPECT_EQ(Sunpousen::SunpouMoji(r.f), r.text);
  }
}

TEST(SunpousenTexts, EstimatedTextSizeCountsDoubleByteCharacters) {
  const struct {
    const char* text;
    float size;
    int32_t width, height;
  } rows[] = {
      {"擁壁A", 10, 25, 13},  // 9.25 -> 9, 18.25 -> 18, 24.75 -> 25; 13
      {"AB", 10, 14, 13},     // 6.75 -> 7, 13.75 -> 14
      {"ｱ", 10, 7, 13},       // half-width katakana: one byte
      {"", 10.5, 0, 14},      // 13.65 -> 14
      {"A", 2, 1, 3},         // 1.35 -> 1; 2.6 -> 3
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.text);
    const Sunpousen::TextWH wh = Sunpousen::GetTextWH(r.text, r.size);
    EXPECT_EQ(wh.width, r.width);
    EXPECT_EQ(wh.height, r.height);
  }
}

}  // namespace
}  // namespace norva

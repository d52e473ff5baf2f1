// CSxf against a recording library: what each member hands over, text boxes
// and base points, the sheet sizes, and one linear-dimension record per case
// of the serial dimensions, with the numbers worked out by hand.
#include "drawing/base/csxf.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/drawing/sxf/sxf_recorder.h"

namespace norva {
namespace {

using test::SxfCall;
using test::SxfRecorder;

TEST(CSxf, OpenPassesTheFixedValuesWithTheFlagFirst) {
  SxfRecorder lib;
  CSxf s(lib);
  s.FileType = 1;
  lib.result = -3;
  EXPECT_EQ(s.SxfFileOpen("/tmp/図面/D0SS0010.p21", 1e-4, 2e-4), -3);
  ASSERT_EQ(lib.calls.size(), 1u);
  const SxfCall& c = lib.calls[0];
  EXPECT_EQ(c.flag, 1);
  EXPECT_EQ(c.text, "/tmp/図面/D0SS0010.p21|unknown|unknown|ノルヴァ Ver.3.0");
  EXPECT_EQ(c.reals, std::vector<double>({1e-4, 2e-4, 0.0}));
  EXPECT_EQ(c.ints, std::vector<int32_t>({2, 2}));
}

TEST(CSxf, GetMsgTrimsAndSetFukugoDropsTheAnswer) {
  SxfRecorder lib;
  CSxf s(lib);
  lib.message = "  ファイルを作成できません  ";
  int32_t number = 0;
  std::string text;
  EXPECT_EQ(s.GetMsg(number, text), 0);
  EXPECT_EQ(text, "ファイルを作成できません");
  EXPECT_EQ(number, 1);

  lib.calls.clear();
  lib.result = -1;
  EXPECT_EQ(s.SetFukugo("TITLE", 3), 0);
  ASSERT_EQ(lib.calls.size(), 2u);
  EXPECT_EQ(lib.calls[0].name, "fukugo");
  EXPECT_EQ(lib.calls[0].ints, std::vector<int32_t>({3}));
  EXPECT_EQ(lib.calls[1].name, "popmsg");
}

TEST(CSxf, TextBoxFollowsTheWritingDirection) {
  // FontSize 5, spacing 1, three characters: a run of 3 x 5 + 2 x 1 = 17.
  SxfRecorder lib;
  CSxf s(lib);
  s.SetCurFontAttrib(4, 8, 1, 1.0, 0, 1);
  s.CurrentX = 12;
  s.CurrentY = 34;
  s.TextAngle = 30;
  s.SetTextAlign(0);
  EXPECT_DOUBLE_EQ(s.TextWidth("工事名"), 17);
  EXPECT_DOUBLE_EQ(s.TextHeight("工事名"), 5);
  s.Text("工事名");
  s.Text("");  // nothing
  ASSERT_EQ(lib.calls.size(), 1u);
  const SxfCall& t = lib.calls[0];
  EXPECT_EQ(t.text, "工事名");
  EXPECT_EQ(t.ints, std::vector<int32_t>({4, 8, 1, 7, 1}));
  EXPECT_EQ(t.reals, std::vector<double>({12, 34, 5, 17, 1, 30, 0}));
  EXPECT_EQ(s.CurrentX, 12);
  EXPECT_EQ(s.CurrentY, 34);

  s.SetCurFontAttrib(4, 8, 1, 1.0, 0, 2);
  EXPECT_DOUBLE_EQ(s.TextWidth("工事名"), 5);
  EXPECT_DOUBLE_EQ(s.TextHeight("工事名"), 17);
  s.Text("工事名");
  EXPECT_EQ(lib.calls[1].reals[2], 17);  // height
  EXPECT_EQ(lib.calls[1].reals[3], 5);   // width
}

TEST(CSxf, TextAlignStoresTheBasePointCode) {
  SxfRecorder lib;
  CSxf s(lib);
  EXPECT_EQ(s.TextAlign(), 0);  // nothing stored yet
  const int32_t base[9] = {7, 8, 9, 1, 2, 3, 4, 5, 6};
  for (int32_t align = 0; align <= 8; ++align) {
    SCOPED_TRACE(align);
    s.SetTextAlign(align);
    EXPECT_EQ(s.TextAlign(), align);
    lib.calls.clear();
    s.Text("a");
    EXPECT_EQ(lib.calls.at(0).ints[3], base[align]);
  }
  s.SetTextAlign(9);
  s.SetTextAlign(-1);
  EXPECT_EQ(s.TextAlign(), 8);
}

TEST(CSxf, SetSheetSizesByCode) {
  struct Case {
    const char* name;
    int32_t type, x, y;
    int32_t width, height;  // afterwards
  };
  const Case cases[] = {
      {"A0", 0, 0, 0, 841, 1189},
      {"A1", 1, 0, 0, 594, 841},
      {"A2", 2, 0, 0, 420, 594},
      {"A3", 3, 0, 0, 297, 420},
      {"A4", 4, 0, 0, 210, 297},
      {"free", 9, 300, 200, 200, 300},
      {"unknown keeps", 5, 0, 0, 200, 300},
  };
  SxfRecorder lib;
  CSxf s(lib);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    lib.calls.clear();
    s.SetSheet("A 横", c.type, 1, c.x, c.y);
    EXPECT_EQ(s.PaperWidth(), c.width);
    EXPECT_EQ(s.PaperHeight(), c.height);
    // The long side goes first, as the sheet's x size.
    EXPECT_EQ(lib.calls.at(0).ints, std::vector<int32_t>({c.type, 1, c.height, c.width}));
  }
}

TEST(CSxf, LinesTakeTheCurrentAttributes) {
  SxfRecorder lib;
  CSxf s(lib);
  s.FileType = 1;
  EXPECT_EQ(s.SetCurLineAttrib(5, 8, 7, 1), 0);
  s.DrawLine(1, 2, 3, 4);
  const std::vector<double> xs = {1, 2, 3, 4}, ys = {5, 6, 7, 8};
  s.DrawPolyLine(3, xs, ys);
  ASSERT_EQ(lib.calls.size(), 2u);
  EXPECT_EQ(lib.calls[0].ints, std::vector<int32_t>({5, 8, 7, 1}));
  EXPECT_EQ(lib.calls[0].reals, std::vector<double>({1, 2, 3, 4}));
  EXPECT_EQ(lib.calls[1].ints, std::vector<int32_t>({5, 8, 7, 1, 3}));
  EXPECT_EQ(lib.calls[1].reals, std::vector<double>({1, 2, 3, 5, 6, 7}));
  EXPECT_EQ(lib.calls[1].flag, 1);
}

// ---- serial dimensions ------------------------------------------------------------------

struct Proj {
  double bx, by, sx, sy, ex, ey;
};
void ExpectProj(int32_t flag, double bx, double by, double sx, double sy, double ex, double ey,
                const Proj& want) {
  EXPECT_EQ(flag, 1);
  EXPECT_NEAR(bx, want.bx, 1e-9);
  EXPECT_NEAR(by, want.by, 1e-9);
  EXPECT_NEAR(sx, want.sx, 1e-9);
  EXPECT_NEAR(sy, want.sy, 1e-9);
  EXPECT_NEAR(ex, want.ex, 1e-9);
  EXPECT_NEAR(ey, want.ey, 1e-9);
}
void ExpectLine(const sxf::SxfLinearDimRec& r, double sx, double sy, double ex, double ey) {
  EXPECT_NEAR(r.sx, sx, 1e-9);
  EXPECT_NEAR(r.sy, sy, 1e-9);
  EXPECT_NEAR(r.ex, ex, 1e-9);
  EXPECT_NEAR(r.ey, ey, 1e-9);
}

class Chains : public ::testing::Test {
 protected:
  Chains() { s.SetCurLineAttrib(6, 8, 1, 1); }
  std::vector<SxfCall> Dims() const { return lib.Named("dim"); }
  SxfRecorder lib;
  CSxf s{lib};
};

TEST_F(Chains, WideIntervalHasBothArrowsAndItsTextAbove) {
  // Points (0,0), (10,0); line at y = 10; "10" is 5 wide, centred: 2.5..7.5,
  // its top 1.0 + 2.5 above the line.
  int32_t ns = 1;
  std::vector<std::string> texts = {"", "10"};
  EXPECT_EQ(s.HSunp(ns, {0, 10}, {0, 0}, 10, "UU", texts), 0);
  const auto d = Dims();
  ASSERT_EQ(d.size(), 1u);
  const sxf::SxfLinearDimRec& r = d[0].dim;
  EXPECT_EQ(d[0].ints, std::vector<int32_t>({6, 8, 1, 1}));
  ExpectLine(r, 0, 10, 10, 10);
  ExpectProj(r.proj1, r.p1x0, r.p1y0, r.p1x1, r.p1y1, r.p1x2, r.p1y2, {0, 0, 0, 1, 0, 11});
  ExpectProj(r.proj2, r.p2x0, r.p2y0, r.p2x1, r.p2y1, r.p2x2, r.p2y2, {10, 0, 10, 1, 10, 11});
  EXPECT_EQ(std::vector<int32_t>({r.arr1Code, r.arr1Flag, r.arr2Code, r.arr2Flag}),
            std::vector<int32_t>({9, 1, 9, 1}));
  EXPECT_EQ(std::vector<double>({r.arr1x, r.arr1y, r.arr1Scale, r.arr2x, r.arr2y, r.arr2Scale}),
            std::vector<double>({0, 10, 0.4, 10, 10, 0.4}));
  EXPECT_EQ(r.textFlag, 1);
  EXPECT_EQ(r.font, 1);
  EXPECT_EQ(d[0].text, "10");
  EXPECT_DOUBLE_EQ(r.textX, 2.5);
  EXPECT_DOUBLE_EQ(r.textY, 13.5);
  EXPECT_EQ(std::vector<double>({r.height, r.width, r.spacing, r.angle, r.slant}),
            std::vector<double>({2.5, 5, 0, 0, 0}));
  EXPECT_EQ(r.basePoint, 7);
  EXPECT_EQ(r.direction, 1);
}

TEST_F(Chains, SingleNarrowIntervalIsDimensionedFromBothSides) {
  // 4 wide with a four-character text: 3 + 4 x 2.5 = 13 outside each end; the
  // text (10 wide) ends 3 left of the first point; the right piece has none.
  int32_t ns = 1;
  std::vector<std::string> texts = {"", "4000"};
  s.HSunp(ns, {0, 4}, {0, 0}, 10, "UU", texts);
  const auto d = Dims();
  ASSERT_EQ(d.size(), 2u);
  const auto& a = d[0].dim;
  const auto& b = d[1].dim;
  ExpectLine(a, -13, 10, 0, 10);
  EXPECT_EQ(a.proj1, 0);
  ExpectProj(a.proj2, a.p2x0, a.p2y0, a.p2x1, a.p2y1, a.p2x2, a.p2y2, {0, 0, 0, 1, 0, 11});
  EXPECT_EQ(std::vector<int32_t>({a.arr1Flag, a.arr2Flag}), std::vector<int32_t>({0, 1}));
  EXPECT_EQ(std::vector<double>({a.arr1x, a.arr1Scale, a.arr2x, a.arr2y}),
            std::vector<double>({0, 0, 0, 10}));
  EXPECT_DOUBLE_EQ(a.textX, -13);
  EXPECT_DOUBLE_EQ(a.textY, 13.5);
  ExpectLine(b, 4, 10, 17, 10);
  ExpectProj(b.proj1, b.p1x0, b.p1y0, b.p1x1, b.p1y1, b.p1x2, b.p1y2, {4, 0, 4, 1, 4, 11});
  EXPECT_EQ(b.proj2, 0);
  EXPECT_EQ(std::vector<int32_t>({b.arr1Flag, b.arr2Flag, b.textFlag, b.font}),
            std::vector<int32_t>({1, 0, 0, 0}));
  EXPECT_EQ(d[1].text, "");
}

TEST_F(Chains, NarrowEndsGoOutsideAndTheWideMiddleStaysBetween) {
  // 0, 4, 20, 24 with "40", "160", "40" below the line ("LL": top 1 below it).
  int32_t ns = 3;
  std::vector<std::string> texts = {"", "40", "160", "40"};
  s.HSunp(ns, {0, 4, 20, 24}, {0, 0, 0, 0}, 10, "LL", texts);
  const auto d = Dims();
  ASSERT_EQ(d.size(), 3u);
  // First: 3 + 2 x 2.5 = 8 left of 0, text ending 3 left of 0.
  ExpectLine(d[0].dim, -8, 10, 0, 10);
  EXPECT_DOUBLE_EQ(d[0].dim.textX, -8);
  EXPECT_DOUBLE_EQ(d[0].dim.textY, 9);
  // Middle: projection lines of points 1 and 2, text 7.5 wide centred on 12.
  ExpectLine(d[1].dim, 4, 10, 20, 10);
  EXPECT_EQ(std::vector<int32_t>({d[1].dim.proj1, d[1].dim.proj2}), std::vector<int32_t>({1, 1}));
  EXPECT_DOUBLE_EQ(d[1].dim.p1x0, 4);
  EXPECT_DOUBLE_EQ(d[1].dim.p2x0, 20);
  EXPECT_DOUBLE_EQ(d[1].dim.textX, 8.25);
  EXPECT_DOUBLE_EQ(d[1].dim.textY, 9);
  // Last: from 24 to 24 + 8, text starting 3 right of 24, all in the first row.
  ExpectLine(d[2].dim, 24, 10, 32, 10);
  EXPECT_EQ(
      std::vector<int32_t>({d[2].dim.proj1, d[2].dim.proj2, d[2].dim.arr1Flag, d[2].dim.arr2Flag}),
      std::vector<int32_t>({1, 0, 1, 0}));
  EXPECT_DOUBLE_EQ(d[2].dim.p1x0, 24);
  EXPECT_DOUBLE_EQ(d[2].dim.textX, 27);
  EXPECT_DOUBLE_EQ(d[2].dim.textY, 9);
}

TEST_F(Chains, CrowdedInnerTextsMoveToFurtherRows) {
  // 0, 20, 23, 26, 29, 49 with three-character texts (7.5 wide): lefts 6.25,
  // 17.75, 20.75, 23.75, 35.25. The third is 4.5 into the second and goes a
  // row up; the fourth clashes with both rows and goes two rows up.
  int32_t ns = 5;
  std::vector<std::string> texts = {"", "200", "030", "030", "030", "200"};
  s.HSunp(ns, {0, 20, 23, 26, 29, 49}, {0, 0, 0, 0, 0, 0}, 10, "UU", texts);
  const auto d = Dims();
  ASSERT_EQ(d.size(), 5u);
  const double tops[5] = {13.5, 13.5, 17, 20.5, 13.5};
  const double lefts[5] = {6.25, 17.75, 20.75, 23.75, 35.25};
  for (size_t i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(d[i].dim.textY, tops[i]);
    EXPECT_DOUBLE_EQ(d[i].dim.textX, lefts[i]);
  }
  // An inner narrow interval has no arrows; its left projection line was drawn
  // by the wide interval before it.
  EXPECT_EQ(
      std::vector<int32_t>({d[1].dim.arr1Flag, d[1].dim.arr2Flag, d[1].dim.proj1, d[1].dim.proj2}),
      std::vector<int32_t>({0, 0, 0, 1}));
}

TEST_F(Chains, MergedPointsTakeTheirTextAlong) {
  // 0, 0.005, 0.008, 10: the second point goes with the first text; 0.008
  // stays (compared with the point that moved into place, not again), so the
  // chain is narrow 0.008 then wide 9.992.
  int32_t ns = 3;
  std::vector<std::string> texts = {"", "a", "b", "c"};
  s.HSunp(ns, {0, 0.005, 0.008, 10}, {0, 0, 0, 0}, 5, "UU", texts);
  EXPECT_EQ(ns, 2);
  EXPECT_EQ(texts, std::vector<std::string>({"", "b", "c"}));
  const auto d = Dims();
  ASSERT_EQ(d.size(), 2u);
  ExpectLine(d[0].dim, -5.5, 5, 0, 5);  // outside: 3 + 2.5 left of 0
  EXPECT_EQ(d[0].text, "b");
  ExpectLine(d[1].dim, 0.008, 5, 10, 5);
  EXPECT_EQ(d[1].text, "c");

  int32_t none = 1;
  std::vector<std::string> t2 = {"", "x"};
  EXPECT_EQ(s.HSunp(none, {3, 3.001}, {0, 0}, 5, "UU", t2), 0);
  int32_t zero = 0;
  EXPECT_EQ(s.HSunp(zero, {3}, {0}, 5, "UU", t2), 0);
  EXPECT_EQ(Dims().size(), 2u);
}

TEST_F(Chains, PointsOnOrJustOffTheLineHaveNoProjectionLine) {
  // A point 1.0 below the line starts its projection line on the line; a
  // point on the line has none either.
  int32_t ns = 2;
  std::vector<std::string> texts = {"", "20", "20"};
  s.HSunp(ns, {0, 20, 40}, {9, 10, 0}, 10, "UU", texts);
  const auto d = Dims();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(std::vector<int32_t>({d[0].dim.proj1, d[0].dim.proj2, d[1].dim.proj2}),
            std::vector<int32_t>({0, 0, 1}));
}

TEST_F(Chains, VerticalChainTurnsItsTexts) {
  // Points (0,0), (0,10), line at x = 5, "UU": texts left of the line (5 - 3.5),
  // running up from their lower end, turned 90 degrees.
  int32_t ns = 1;
  std::vector<std::string> texts = {"", "10"};
  s.VSunp(ns, {0, 0}, {0, 10}, 5, "UU", texts);
  const auto d = Dims();
  ASSERT_EQ(d.size(), 1u);
  const auto& r = d[0].dim;
  ExpectLine(r, 5, 0, 5, 10);
  ExpectProj(r.proj1, r.p1x0, r.p1y0, r.p1x1, r.p1y1, r.p1x2, r.p1y2, {0, 0, 1, 0, 6, 0});
  EXPECT_DOUBLE_EQ(r.textX, 1.5);
  EXPECT_DOUBLE_EQ(r.textY, 2.5);
  EXPECT_DOUBLE_EQ(r.angle, 90);
  // "RR" puts them right of the line.
  int32_t ns2 = 1;
  std::vector<std::string> t2 = {"", "10"};
  s.VSunp(ns2, {0, 0}, {0, 10}, 5, "RR", t2);
  EXPECT_DOUBLE_EQ(Dims()[1].dim.textX, 6);
}

TEST_F(Chains, RotatedChainFollowsItsLine) {
  // Angle a = -90 degrees: the line through (10, 0) runs up, direction
  // (cos a, -sin a) = (0, 1). Points (0,0) and (0,10) are 10 off it: feet
  // (10,0) and (10,10). The text (5 wide) is centred on the line, its
  // reference 3.5 to the line's left, at (6.5, 2.5); angle 360 + 90.
  int32_t ns = 1;
  std::vector<std::string> texts = {"", "10"};
  s.RotSunp(ns, {0, 0}, {0, 10}, 10, 0, -M_PI / 2, "UU", texts);
  const auto d = Dims();
  ASSERT_EQ(d.size(), 1u);
  const auto& r = d[0].dim;
  ExpectLine(r, 10, 0, 10, 10);
  ExpectProj(r.proj1, r.p1x0, r.p1y0, r.p1x1, r.p1y1, r.p1x2, r.p1y2, {0, 0, 1, 0, 11, 0});
  ExpectProj(r.proj2, r.p2x0, r.p2y0, r.p2x1, r.p2y1, r.p2x2, r.p2y2, {0, 10, 1, 10, 11, 10});
  EXPECT_NEAR(r.textX, 6.5, 1e-9);
  EXPECT_NEAR(r.textY, 2.5, 1e-9);
  EXPECT_NEAR(r.angle, 450, 1e-9);
  EXPECT_EQ(std::vector<int32_t>({r.arr1Flag, r.arr2Flag}), std::vector<int32_t>({1, 1}));

  // A narrow single interval of 4 along a horizontal line (a = 0): two pieces
  // 3 + 2 x 2.5 = 8 beyond each end, the text centred on the left one.
  int32_t n1 = 1;
  std::vector<std::string> t1 = {"", "40"};
  s.RotSunp(n1, {0, 4}, {0, 0}, 0, 10, 0, "UU", t1);
  const auto d2 = Dims();
  ASSERT_EQ(d2.size(), 3u);
  ExpectLine(d2[1].dim, -8, 10, 0, 10);
  ExpectLine(d2[2].dim, 4, 10, 12, 10);
  EXPECT_NEAR(d2[1].dim.textX, -6.5, 1e-9);  // centre -4 less 2.5
  EXPECT_NEAR(d2[1].dim.textY, 13.5, 1e-9);
  EXPECT_EQ(d2[2].dim.proj1, 1);  // the point lies off the line
}

TEST_F(Chains, ANegativeResultStopsTheChain) {
  lib.result = -2;
  int32_t ns = 2;
  std::vector<std::string> texts = {"", "a", "b"};
  EXPECT_EQ(s.HSunp(ns, {0, 10, 20}, {0, 0, 0}, 5, "UU", texts), -2);
  EXPECT_EQ(Dims().size(), 1u);
}

}  // namespace
}  // namespace norva

// Leaning, mixed and block masonry sections and the drain holes, worked out
// by hand at 1:50 (20 sheet mm a metre).
#include <gtest/gtest.h>

#include <cmath>

#include "drawing/sheet/sheet_run.h"
#include "drawing/sheet/sheet_sections.h"
#include "drawing/sheet/sheet_test_support.h"

namespace norva {
namespace {

using sheet_test::ExpectChain;
using sheet_test::ExpectSegment;
using sheet_test::Outline;
using sheet_test::RecordingTarget;

constexpr auto kH = SheetChain::Kind::kHorizontal;
constexpr auto kV = SheetChain::Kind::kVertical;
constexpr auto kRot = SheetChain::Kind::kRotated;
constexpr double kDeg = 57.29577951308238;

// P0 (0,0), P1 (0,0.5), P2 (0.4,0.5), P3 (0.75,0.2), P4 (0.75,0),
// P5 (0.7,2), P6 (1.2,2); levelling concrete P11 (-0.1,0), P10 (-0.1,-0.1),
// P17 (0.85,0), P16 (0.85,-0.1); no base material: P18 = P10, P21 = P16.
// Extent x -0.1..1.2, y -0.1..2: X = 20 x + 35, Y = 20 y + 28.
TEST(LeaningSection, ChainsAndBothLabels) {
  CDocument d;
  sheet_test::LeaningWall(d);
  SheetPoints pts = Outline(d);
  const SectionFigure f = MtwSectionFigure(d, pts, 0.02);
  EXPECT_NEAR(f.secW, 26, 1e-9);
  EXPECT_NEAR(f.secH, 42, 1e-9);
  EXPECT_NEAR(f.offX, 35, 1e-9);
  EXPECT_NEAR(f.offY, 28, 1e-9);
  ASSERT_EQ(f.chains.size(), 7u);
  ExpectChain(f.chains[0], kH, 5, {33, 35, 50, 52}, {26, 26, 26, 26}, {"", "100", "750", "100"});
  // Bottom 2 ends at the crest's back P6.
  ExpectChain(f.chains[1], kH, 12, {35, 50, 59}, {26, 26, 68}, {"", "750", "450"});
  ExpectChain(f.chains[2], kH, 87, {35, 43, 49, 59}, {38, 38, 68, 68}, {"", "400", "300", "500"});
  ExpectChain(f.chains[3], kV, 5, {33, 33, 49}, {26, 28, 68}, {"", "100", "2000"});
  // The toe's height, its ends given on the line itself (x 12).
  ExpectChain(f.chains[4], kV, 12, {12, 35, 12}, {28, 38, 68}, {"", "500", "1500"});
  ExpectChain(f.chains[5], kV, 80, {52, 59}, {28, 68}, {"", "2000"});
  ExpectChain(f.chains[6], kV, 73, {73, 50, 73}, {28, 32, 68}, {"", "200", "1800"});

  // Front face 0.3 over 1.5: 1:0.20 at 78.69 degrees; back face 0.45 over
  // 0.3 + 1.5: 1:0.25. Each centred on its face's middle, 3 mm in front.
  ASSERT_EQ(f.labels.size(), 2u);
  struct Want {
    const char* text;
    double v, mx, my;
  } want[] = {{"1:0.20", 0.2, 46, 53}, {"1:0.25", 0.25, 54.5, 50}};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const double a = std::atan(want[i].v);
    EXPECT_EQ(f.labels[i].text, want[i].text);
    EXPECT_NEAR(f.labels[i].x, want[i].mx - 7.5 * std::sin(a) - 3 * std::cos(a), 1e-9);
    EXPECT_NEAR(f.labels[i].y, want[i].my - 7.5 * std::cos(a) + 3 * std::sin(a), 1e-9);
  }
  EXPECT_NEAR(f.labels[0].angleDeg, 78.69006752597977, 1e-9);

  // On paper in tenths of a degree: the page rounds to whole tenths.
  RecordingTarget page;
  SkzOutput(0, d, page);
  ASSERT_GE(page.texts.size(), 2u);
  EXPECT_EQ(page.texts[page.texts.size() - 2].text, "1:0.20");
  EXPECT_NEAR(page.texts[page.texts.size() - 2].angle, 78.69006752597977, 1e-9);
}

// No toe height and a key: the toe stands at P0.Y = MtwH3 = 0.3, so the base
// P0 (0,0.3) - P4 (0.75,0) falls 0.4 a metre. The key (x 0.2..0.4, 0.3 deep)
// and the layers' openings hang from that line: K4 (0.2,0.22), K1 (0.4,0.14).
TEST(LeaningSection, KeyOnAnInclinedBaseKeepsTheBaseStraight) {
  CDocument d;
  sheet_test::LeaningWall(d);
  d.MtwH2 = 0;
  d.Tokki = 1;
  d.TokX = 0.2;
  d.TokB = 0.2;
  d.TokL = 0.3;
  d.KisoH2 = 0.1;
  SheetPoints pts = Outline(d);
  ASSERT_NEAR(pts[0].Y, 0.3, 1e-12);
  const SectionFigure f = MtwSectionFigure(d, pts, 0.02);
  auto X = [&](double x) { return f.offX + 20 * x; };
  auto Y = [&](double y) { return f.offY + 20 * y; };
  // Ring P0, (P1 = P0), P2, P5, P6, P3, (P4 = P3), K1, K2, K3, K4, P0.
  ASSERT_GE(f.lines.size(), 9u);
  ExpectSegment(f.lines[4], X(0.75), Y(0), X(0.4), Y(0.14));     // P4-K1 on the base
  ExpectSegment(f.lines[5], X(0.4), Y(0.14), X(0.4), Y(-0.16));  // key back face, 0.3
  ExpectSegment(f.lines[6], X(0.4), Y(-0.16), X(0.2), Y(-0.08));
  ExpectSegment(f.lines[7], X(0.2), Y(-0.08), X(0.2), Y(0.22));  // key front face, 0.3
  ExpectSegment(f.lines[8], X(0.2), Y(0.22), X(0), Y(0.3));      // K4-P0 on the base
  // The layers' bottoms run parallel to the base into the key's faces:
  // levelling concrete 16 (0.85,-0.14) - 14 (0.4,0.04) and 10 (-0.1,0.24) -
  // 12 (0.2,0.12); base material 0.1 lower.
  ExpectSegment(f.lines[11], X(0.85), Y(-0.14), X(0.4), Y(0.04));
  ExpectSegment(f.lines[14], X(-0.1), Y(0.24), X(0.2), Y(0.12));
  ExpectSegment(f.lines[16], X(0.85), Y(-0.24), X(0.4), Y(-0.06));
  ExpectSegment(f.lines[18], X(-0.1), Y(0.14), X(0.2), Y(0.02));
  ASSERT_EQ(f.lines.size(), 19u);
  // Bottom 2 measures the key at its own corners.
  EXPECT_EQ(f.chains[1].texts, (std::vector<std::string>{"", "200", "200", "350", "450"}));
}

// P0 (0,0), P1 (0.3,1), P2 (0.5,1), P3 (1.2,0.9), P4 (1.6,0), P5 (0.95,2.5);
// layers P16 (-0.1,0), P15 (-0.1,-0.1), P23 (-0.1,-0.2), P26 (1.7,-0.2).
// X = 20 x + 35, Y = 20 y + 30.
TEST(MixedSection, LowerWallChainAndRotatedCrestChain) {
  CDocument d;
  sheet_test::MixedWall(d);
  SheetPoints pts = Outline(d);
  const SectionFigure f = MxwSectionFigure(d, pts, 0.02);
  EXPECT_NEAR(f.offX, 35, 1e-9);
  EXPECT_NEAR(f.offY, 30, 1e-9);
  ASSERT_EQ(f.chains.size(), 8u);
  ExpectChain(f.chains[0], kH, 30 - 4 - 21, {33, 69}, {26, 26}, {"", "1800"});
  ExpectChain(f.chains[2], kH, 50 + 19, {35, 41, 45, 59, 67}, {30, 50, 50, 48, 30},
              {"", "300", "200", "700", "400"}, "UL");
  ExpectChain(f.chains[4], kV, 5 + 7, {35, 41, 54}, {30, 50, 80}, {"", "1000", "1500"});
  const DPoint p9 = pts[9];
  // Right 2, 7 mm inside right 1, which stands 21 mm beyond the layers' back
  // end at x 1.7 (further back than the crest's P9 at 1.415).
  ExpectChain(f.chains[6], kV, 35 + 20 * 1.7 + 14, {59, 45}, {48, 50}, {"", "100"});
  // Across the crest, along the blocks' top: P5, the blocks' back at the
  // crest (BlkT / cos a further) and P9, texts of the thicknesses.
  const double a = std::atan(0.3);
  const SheetChain& crest = f.chains[7];
  ExpectChain(crest, kRot, 0, {54, 54 + 20 * 0.35 / std::cos(a), 35 + 20 * p9.X}, {80, 80, 80},
              {"", "350", "100"});
  EXPECT_NEAR(crest.refX, 35 + 20 * p9.X + 14 * std::sin(a), 1e-9);
  EXPECT_NEAR(crest.refY, 80 + 14 * std::cos(a), 1e-9);
  EXPECT_NEAR(crest.angle, a, 1e-12);
  // The label at three quarters of the face: (0.5 + 0.75 x 0.45, 1 + 0.75 x 1.5).
  ASSERT_EQ(f.labels.size(), 1u);
  EXPECT_EQ(f.labels[0].text, "1:0.30");
  EXPECT_NEAR(f.labels[0].x, 35 + 20 * 0.8375 - 7.5 * std::sin(a) - 3 * std::cos(a), 1e-9);
  EXPECT_NEAR(f.labels[0].y, 30 + 20 * 2.125 - 7.5 * std::cos(a) + 3 * std::sin(a), 1e-9);
  EXPECT_NEAR(f.labels[0].angleDeg, 90 - a * kDeg, 1e-9);
}

TEST(BlockSection, NoFootingLayersCrestChainAndLabel) {
  CDocument d;
  sheet_test::BlockWallNoFooting(d);
  SheetPoints pts = Outline(d);
  const SectionFigure f = BlkSectionFigure(d, pts, 0.02);
  const DPoint p0 = pts[0], p4 = pts[4], p5 = pts[5], p9 = pts[9];
  // Without footing P0 = P1 = P2 stands sin(a) x BlkT above the heel, P4 =
  // P10 = P3 on y = 0: the base falls s = P0.Y / P4.X and the layers follow.
  const double a = std::atan(0.3);
  ASSERT_NEAR(p0.Y, std::sin(a) * 0.35, 1e-12);
  const double s = p0.Y / p4.X;
  const DPoint f21{p4.X + 0.1, -s * 0.1 - 0.3};  // back bottom of the base material
  const DPoint f18{-0.1, p0.Y + s * 0.1 - 0.3};
  EXPECT_NEAR(pts[25].X, f21.X, 1e-12);
  EXPECT_NEAR(pts[25].Y, f21.Y, 1e-12);
  EXPECT_NEAR(pts[24].Y, f18.Y, 1e-12);
  // Every point counts in the extent: the lowest is the base material's
  // back bottom corner.
  EXPECT_NEAR(f.offY, 26 - 20 * f21.Y, 1e-9);
  EXPECT_NEAR(f.offX, 33 + 2, 1e-9);
  // Blocks 4, back concrete 3, crest 2, no footing, layers 5 + 3.
  EXPECT_EQ(f.lines.size(), 17u);
  ASSERT_EQ(f.chains.size(), 6u);
  auto X = [&](double x) { return f.offX + 20 * x; };
  auto Y = [&](double y) { return f.offY + 20 * y; };
  // The bottom chains run under that lowest corner, not under the toe's.
  EXPECT_NEAR(f.chains[0].pos, Y(f21.Y) - 21, 1e-9);
  EXPECT_NEAR(f.chains[1].pos, Y(f21.Y) - 14, 1e-9);
  // Left: toe to crest in one interval (the base is inclined), then the
  // layer thicknesses 7 mm right of it (no footing chain).
  ExpectChain(f.chains[2], kV, X(-0.1) - 28, {X(0), X(p5.X)}, {Y(p0.Y), Y(2)},
              {"", std::to_string(static_cast<int>(std::lround((2 - p0.Y) * 1000)))});
  EXPECT_NEAR(f.chains[3].pos, X(-0.1) - 21, 1e-9);
  EXPECT_EQ(f.chains[3].texts, (std::vector<std::string>{"", "200", "100"}));
  // Right: from the heel (at the layers' back x) to the back crest point.
  ExpectChain(f.chains[4], kV, X(p9.X) + 21, {X(f21.X), X(p9.X)}, {Y(0), Y(2)}, {"", "2000"});
  const SheetChain& crest = f.chains[5];
  EXPECT_EQ(crest.kind, kRot);
  EXPECT_EQ(crest.texts, (std::vector<std::string>{"", "350", "100"}));
  EXPECT_NEAR(crest.xs[1], X(p5.X + 0.35 / std::cos(a)), 1e-9);
  EXPECT_NEAR(crest.refX, X(p9.X) + 14 * std::sin(a), 1e-9);
  ASSERT_EQ(f.labels.size(), 1u);
  EXPECT_EQ(f.labels[0].text, "1:0.30");
  EXPECT_NEAR(f.labels[0].angleDeg, 90 - 16.69924423399362, 1e-9);
}

// Level courses (H 2.0, t 0.35 at 1:0.3, no footing): P5 (0.6, 2) and the
// blocks' back at the crest 0.35 / cos a to its right, both on y = 2. The
// thickness chain crosses the blocks 14 mm below P5 along the face, so its
// dimension line and extension lines stay under the crest.
TEST(BlockSection, LevelCoursesMeasureTheBlocksBelowTheCrest) {
  CDocument d;
  sheet_test::BlockWallNoFooting(d);
  d.nBlkSetup = 1;
  SheetPoints pts = Outline(d);
  const SectionFigure f = BlkSectionFigure(d, pts, 0.02);
  const double a = std::atan(0.3);
  ASSERT_NEAR(pts[5].X, 0.6, 1e-12);
  ASSERT_NEAR(pts[5].Y, 2.0, 1e-12);
  auto X = [&](double x) { return f.offX + 20 * x; };
  auto Y = [&](double y) { return f.offY + 20 * y; };
  const SheetChain& crest = f.chains.back();
  EXPECT_EQ(crest.kind, kRot);
  EXPECT_EQ(crest.texts, (std::vector<std::string>{"", "350", "100"}));
  EXPECT_NEAR(crest.xs[1], X(0.6 + 0.35 / std::cos(a)), 1e-9);
  EXPECT_NEAR(crest.refX, X(0.6) - 14 * std::sin(a), 1e-9);
  EXPECT_NEAR(crest.refY, Y(2.0) - 14 * std::cos(a), 1e-9);
  // Each measured point reaches the dimension line downwards: its distance
  // along the face direction (sin a, cos a) to the line is negative.
  for (size_t i = 0; i < crest.xs.size(); ++i) {
    SCOPED_TRACE(i);
    const double along =
        (crest.refX - crest.xs[i]) * std::sin(a) + (crest.refY - crest.ys[i]) * std::cos(a);
    EXPECT_LT(along, 0);
  }
  for (const SheetSegment& s : f.lines) {
    EXPECT_LE(std::max(s.y1, s.y2), Y(2.0) + 1e-9);
  }
}

TEST(BlockSection, FootingOnALevelBaseWithWideLayers) {
  CDocument d;
  sheet_test::BlockWallNoFooting(d);
  d.nBlkFound = 0;
  d.WallH = 2.4;
  d.BlkB = 1.2;
  d.BlkB1 = 0.2;
  d.BlkH1 = 0.4;
  d.BlkH2 = 0.3;
  d.KisoB = 0.2;
  d.KisoH1 = 0.2;
  d.KisoH2 = 0.1;
  SheetPoints pts = Outline(d);
  const SectionFigure f = BlkSectionFigure(d, pts, 0.02);
  // 0.2 m at 1:50 is 4 mm beyond the toe; the layers reach 0.3 m (6 mm)
  // below the base; the bottom chains 26 - 21 = 5 and 12 mm above the
  // figure's lower edge.
  EXPECT_NEAR(f.offX, 33 + 4, 1e-9);
  EXPECT_NEAR(f.offY, 26 + 6, 1e-9);
  EXPECT_NEAR(f.chains[0].pos, 5, 1e-9);
  EXPECT_NEAR(f.chains[1].pos, 12, 1e-9);
  // Bottom, projections, toe (0.2 wide, 19 mm above the footing's top),
  // left overall (layers, then the footing's front 0.4 and the face),
  // left footing, right overall, right footing, crest.
  ASSERT_EQ(f.chains.size(), 8u);
  EXPECT_EQ(f.chains[1].texts, (std::vector<std::string>{"", "200", "1200", "200"}));
  ExpectChain(f.chains[2], kH, 32 + 8 + 19, {37, 41}, {40, 40}, {"", "200"});
  EXPECT_EQ(f.chains[3].texts, (std::vector<std::string>{"", "100", "200", "2400"}));
  EXPECT_NEAR(f.chains[4].pos, 33 - 28 + 7, 1e-9);
  EXPECT_EQ(f.chains[4].texts, (std::vector<std::string>{"", "400", "2000"}));
  EXPECT_EQ(f.chains[6].texts, (std::vector<std::string>{"", "300", "2100"}));
  // Footing run 3-10-4-0-1-2 among the lines: 4 + 3 + 2 + 5 + 5 + 3.
  EXPECT_EQ(f.lines.size(), 22u);
}

// The inclined gravity wall (P0 (0,0.2), P1 (0,0.7), P2 (0.3,0.7), P3
// (2,0.7), P4 (2,0), P5 (0.9,3), P6 (1.4,3)) with pipes of 100 mm rising 1
// in 20, one row in each height band.
TEST(DrainHoles, EachHeightBandStartsOnItsOwnFace) {
  CDocument d;
  sheet_test::GravityWall(d);
  d.nKeisya = 0;
  d.KeisyaH = 0.2;
  d.Mizunuki = 1;
  d.MizuDan = 4;
  d.MizuN = 20;
  d.MizuFai = 100;
  d.SetMizuH1(0, 0.1);  // below the toe: on the base line P0-P4
  d.SetMizuH1(1, 0.4);  // on the toe's face x = 0
  d.SetMizuH1(2, 1.5);  // on the inclined face P2-P5
  d.SetMizuH1(3, 3.0);  // at the crest: no face, left out
  SheetPoints pts = Outline(d);
  const SectionFigure f = GrwSectionFigure(d, pts, 0.02);
  EXPECT_TRUE(f.drainStyle);
  ASSERT_EQ(f.drains.size(), 6u);
  auto X = [&](double x) { return f.offX + 20 * x; };
  auto Y = [&](double y) { return f.offY + 20 * y; };
  // Base line x = (0.2 - y) x 10. Edge at 0.15 starts at x 0.5 and meets
  // the heel's face x = 2 at 0.15 + 1.5 / 20.
  ExpectSegment(f.drains[0], X(0.5), Y(0.15), X(2), Y(0.15 + 1.5 / 20));
  ExpectSegment(f.drains[1], X(1.5), Y(0.05), X(2), Y(0.05 + 0.5 / 20));
  ExpectSegment(f.drains[2], X(0), Y(0.45), X(2), Y(0.45 + 2.0 / 20));
  ExpectSegment(f.drains[3], X(0), Y(0.35), X(2), Y(0.35 + 2.0 / 20));
  // Face x = 0.3 + (y - 0.7) x 0.6 / 2.3; the pipe passes above P3 and ends
  // on the back face's line P3-P6: x = 2 - 0.6 t, y = 0.7 + 2.3 t.
  for (int e = 0; e < 2; ++e) {
    SCOPED_TRACE(e);
    const double y = e == 0 ? 1.55 : 1.45;
    const double x = 0.3 + (y - 0.7) * 0.6 / 2.3;
    // 0.7 + 2.3 t = y + (2 - 0.6 t - x) / 20
    const double t = (y + (2 - x) / 20 - 0.7) / (2.3 + 0.6 / 20);
    ExpectSegment(f.drains[4 + e], X(x), Y(y), X(2 - 0.6 * t), Y(0.7 + 2.3 * t));
  }

  // Drawn dotted, then the pen is solid again for the dimensions.
  RecordingTarget page;
  SkzOutput(0, d, page);
  int dotted = 0;
  for (const auto& l : page.lines) dotted += l.pen == 2;
  EXPECT_EQ(dotted, 6);
  const auto dims = std::find(page.calls.begin(), page.calls.end(), "BeginDimensions");
  ASSERT_NE(dims, page.calls.end());
  EXPECT_EQ(*(dims - 1), "PenStyle 0");

  // Switched off: no pipes and no dotted pen, whatever the rows hold.
  d.Mizunuki = 0;
  SheetPoints again = Outline(d);
  const SectionFigure off = GrwSectionFigure(d, again, 0.02);
  EXPECT_FALSE(off.drainStyle);
  EXPECT_TRUE(off.drains.empty());
}

TEST(SectionCalls, SxfGroupingAroundTheSection) {
  // The calls that group the section in an SXF file, in their order, with
  // the layer attributes of the layer table.
  CDocument d;
  sheet_test::LeaningWall(d);
  d.Mizunuki = 1;
  d.MizuDan = 0;
  RecordingTarget sxf(true);
  SkzOutput(1, d, sxf);
  std::vector<std::string> grouping;
  for (const auto& c : sxf.calls)
    if (c.rfind("SetFukugo", 0) == 0 || c.rfind("LineAttrib", 0) == 0 ||
        c.rfind("FontAttrib", 0) == 0 || c.rfind("Locate", 0) == 0)
      grouping.push_back(c);
  const std::vector<std::string> want{"LineAttrib 2 5 1 1",
                                      "SetFukugo TITLE",
                                      "FontAttrib 4 8 1 1",
                                      "SetFukugo STANDARD-SEC-BGD",
                                      "LineAttrib 5 8 1 1",
                                      "LineAttrib 5 8 7 1",
                                      "SetFukugo STANDARD-SEC-DIM",
                                      "LineAttrib 6 8 1 1",
                                      "FontAttrib 6 8 1 1",
                                      "SetFukugo STANDARD-SEC",
                                      "Locate STANDARD-SEC-BGD 0.000000 0.000000",
                                      "Locate STANDARD-SEC-DIM 0.000000 0.000000"};
  EXPECT_EQ(grouping, want);
}

}  // namespace
}  // namespace norva

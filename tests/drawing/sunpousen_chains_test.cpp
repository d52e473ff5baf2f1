// The dimension chains against line lists worked out by hand.
// Throughout h = 100 (KihonMojiH 100 at zoom 100, size class N) and fixed
// metrics (a digit is half an em), so:
//   extension lines start 0.8h = 80 off the point and end 0.4h = 40 beyond;
//   arrow strokes run h = 100 along and r = 0.27h = 27 across;
//   k = round(100 / 3) = 33, a crowded text moves k + h = 133 or 2h + 2k = 266;
//   g = MojiB("0") / 2 = 25; a text of n digits is 50n wide.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "drawing/base/cdraw.h"
#include "drawing/base/sunpousen.h"
#include "recorded_ops.h"

namespace norva {
namespace {

using test::Circle;
using test::L;
using test::Op;
using test::Recorded;
using test::SameOps;

constexpr double kPi = 3.14159265358979;
constexpr uint32_t kBlue = 0xFF0000;

Op Text0(double x, double y, const std::string& s) { return test::T(x, y, s, 0, 100); }
Op Text90(double x, double y, const std::string& s) { return test::T(x, y, s, 900, 100); }

struct Figure {
  Canvas canvas;
  cDraw d;
  Sunpousen s;
  explicit Figure(double kihon = 100) {
    d.SetCanvas(&canvas);
    s.SetDrawObject(d);
    s.SetKihonMojiH(kihon);
    canvas.SetPenColor(0x00FF00);
  }
};

// ---- HSunp --------------------------------------------------------------------------

struct HRow {
  const char* name;
  std::vector<double> x, y;
  double ys;
  const char* typ;
  std::vector<std::string> texts;  // [0] unused
  int32_t wantNs;
  std::vector<std::string> wantTexts;
  std::vector<Op> want;
};

// Points at y = 2000, the dimension line above them at 1500: extension lines
// from 2000 - 80 = 1920 up to 1500 - 40 = 1460; texts above, top at 1400.
const HRow kHRows[] = {
    {"wide single interval: arrows, line, text centred above",
     {1000, 1300},
     {2000, 2000},
     1500,
     "UL",
     {"", "300"},
     1,
     {"", "300"},
     {L(1000, 1920, 1000, 1460), L(1000, 1500, 1100, 1473),
      L(1000, 1500, 1100, 1527),  // arrow at a
      L(1000, 1500, 1300, 1500), L(1200, 1473, 1300, 1500),
      L(1200, 1527, 1300, 1500),                              // arrow at b
      L(1300, 1920, 1300, 1460), Text0(1075, 1400, "300")}},  // middle 1150 - 150 / 2
    {"points on the line and 0.8h from it get no extension line; LL puts the text below",
     {1000, 1300},
     {1500, 1580},
     1500,
     "LL",
     {"", "300"},
     1,
     {"", "300"},
     {L(1000, 1500, 1100, 1473), L(1000, 1500, 1100, 1527), L(1000, 1500, 1300, 1500),
      L(1200, 1473, 1300, 1500), L(1200, 1527, 1300, 1500), Text0(1075, 1500, "300")}},
    {"two points h apart: both outer legs with inward arrows, text outside right",
     {1000, 1100},
     {2000, 2000},
     1500,
     "UL",
     {"", "50"},
     1,
     {"", "50"},
     {L(1000, 1920, 1000, 1460), L(800, 1500, 1000, 1500),  // leg from 1000 - h - w(100)
      L(1000, 1500, 900, 1527), L(1000, 1500, 900, 1473),
      L(1300, 1500, 1100, 1500),  // leg to 1100 + h + w
      L(1100, 1500, 1200, 1527), L(1100, 1500, 1200, 1473), L(1100, 1920, 1100, 1460),
      Text0(1200, 1400, "50")}},  // 1100 + h
    {"inner interval of 1.5h gets ticks; a narrow last interval after a short one gets a dot",
     {1000, 1500, 1650, 1750},
     {2000, 2000, 2000, 2000},
     1500,
     "UL",
     {"", "500", "150", "100"},
     3,
     {"", "500", "150", "100"},
     {L(1000, 1920, 1000, 1460), L(1000, 1500, 1100, 1473), L(1000, 1500, 1100, 1527),
      L(1000, 1500, 1500, 1500), L(1400, 1473, 1500, 1500), L(1400, 1527, 1500, 1500),
      L(1500, 1920, 1500, 1460), L(1500, 1500, 1550, 1554),  // tick: h / 2 along, 2r across
      L(1500, 1500, 1650, 1500), L(1650, 1500, 1600, 1446), L(1650, 1920, 1650, 1460),
      L(2000, 1500, 1750, 1500),  // leg from 1750 + h + w(150)
      L(1750, 1500, 1850, 1527), L(1750, 1500, 1850, 1473), Circle(1650, 1500, 16),  // 0.4h / 2.5
      L(1750, 1920, 1750, 1460), Text0(1175, 1400, "500"), Text0(1500, 1400, "150"),
      Text0(1850, 1400, "100")}},  // outside right, 1750 + h
    {"crowded texts move down one row, then two (UL)",
     {1000, 1300, 1320, 1340, 1640},
     {2000, 2000, 2000, 2000, 2000},
     1500,
     "UL",
     {"", "300", "20.0", "20.0", "300"},
     4,
     {"", "300", "20.0", "20.0", "300"},
     {L(1000, 1920, 1000, 1460), L(1000, 1500, 1100, 1473), L(1000, 1500, 1100, 1527),
      L(1000, 1500, 1300, 1500), L(1200, 1473, 1300, 1500), L(1200, 1527, 1300, 1500),
      L(1300, 1920, 1300, 1460),
      L(1320, 1920, 1320, 1460),  // intervals of 20: nothing of their own
      L(1340, 1920, 1340, 1460), L(1340, 1500, 1440, 1473), L(1340, 1500, 1440, 1527),
      L(1340, 1500, 1640, 1500), L(1540, 1473, 1640, 1500), L(1540, 1527, 1640, 1500),
      L(1640, 1920, 1640, 1460),
      // Edges: 1075-1225, 1210-1410, 1230-1430, 1415-1565. Text 2 is 15 into
      // text 1: one row. Text 3 is 5 from text 1 and into text 2: two rows.
      // Text 4 is 190 from text 1: stays.
      Text0(1075, 1400, "300"), Text0(1210, 1533, "20.0"), Text0(1230, 1666, "20.0"),
      Text0(1415, 1400, "300")}},
    {"crowded texts move up (UU)",
     {1000, 1300, 1320, 1340, 1640},
     {2000, 2000, 2000, 2000, 2000},
     1500,
     "UU",
     {"", "300", "20.0", "20.0", "300"},
     4,
     {"", "300", "20.0", "20.0", "300"},
     {L(1000, 1920, 1000, 1460), L(1000, 1500, 1100, 1473), L(1000, 1500, 1100, 1527),
      L(1000, 1500, 1300, 1500), L(1200, 1473, 1300, 1500), L(1200, 1527, 1300, 1500),
      L(1300, 1920, 1300, 1460), L(1320, 1920, 1320, 1460), L(1340, 1920, 1340, 1460),
      L(1340, 1500, 1440, 1473), L(1340, 1500, 1440, 1527), L(1340, 1500, 1640, 1500),
      L(1540, 1473, 1640, 1500), L(1540, 1527, 1640, 1500), L(1640, 1920, 1640, 1460),
      Text0(1075, 1400, "300"), Text0(1210, 1267, "20.0"), Text0(1230, 1134, "20.0"),
      Text0(1415, 1400, "300")}},
    {"a point within 0.01 of the one before is dropped with its text",
     {1000, 1000.005, 1300},
     {2000, 2000, 2000},
     1500,
     "XY",
     {"", "0", "300"},
     1,
     {"", "300", "300"},
     {L(1000, 1920, 1000, 1460), L(1000, 1500, 1100, 1473), L(1000, 1500, 1100, 1527),
      L(1000, 1500, 1300, 1500), L(1200, 1473, 1300, 1500), L(1200, 1527, 1300, 1500),
      L(1300, 1920, 1300, 1460), Text0(1075, 1400, "300")}},
    {"two coincident points leave nothing to draw",
     {1000, 1000.001},
     {2000, 2000},
     1500,
     "UL",
     {"", "0"},
     0,
     {"", "0"},
     {}},
};

TEST(SunpousenChains, HorizontalChainsByHand) {
  for (const HRow& r : kHRows) {
    SCOPED_TRACE(r.name);
    Figure f;
    int32_t ns = static_cast<int32_t>(r.x.size()) - 1;
    std::vector<std::string> texts = r.texts;
    f.s.HSunp(ns, r.x, r.y, r.ys, r.typ, texts);
    EXPECT_EQ(ns, r.wantNs);
    EXPECT_EQ(texts, r.wantTexts);
    EXPECT_TRUE(SameOps(Recorded(f.canvas), r.want));
    for (const CanvasOp& op : f.canvas.Ops()) {
      if (op.kind == CanvasOpKind::Text) {
        EXPECT_EQ(op.style.textColor, kBlue);
        EXPECT_EQ(op.style.textAlign, 0);
      } else {
        EXPECT_EQ(op.style.penColor, kBlue);
      }
      if (op.kind == CanvasOpKind::Ellipse) {
        EXPECT_EQ(op.style.brushStyle, 0);
        EXPECT_EQ(op.style.brushColor, kBlue);
      }
    }
    EXPECT_EQ(f.canvas.Style().penColor, 0x00FF00u);  // put back
  }
}

TEST(SunpousenChains, HorizontalChainOnAPrintedPage) {
  // The same wide interval on a page in twips: the base height is in points,
  // 100 twips = 100 * 72 / 25.4 / 56.7 pt, and the texts' em is 20 twips a point.
  Canvas page;
  Sunpousen s;
  s.SetDrawObject(page);
  s.SetKihonMojiH(100 * 72 / 25.4 / 56.7);
  s.SetLineColor(0);
  s.SetTextColor(0);
  ASSERT_EQ(s.MojiH(), 100);
  int32_t ns = 1;
  std::vector<std::string> texts{"", "300"};
  s.HSunp(ns, std::vector<double>{1000, 1300}, std::vector<double>{2000, 2000}, 1500, "UU", texts);
  const double em = 100 / 25.4 * 72 / 56.7 * 20;  // 99.986
  EXPECT_TRUE(
      SameOps(Recorded(page),
              {L(1000, 1920, 1000, 1460), L(1000, 1500, 1100, 1473), L(1000, 1500, 1100, 1527),
               L(1000, 1500, 1300, 1500), L(1200, 1473, 1300, 1500), L(1200, 1527, 1300, 1500),
               L(1300, 1920, 1300, 1460), test::T(1075, 1400, "300", 0, em)},
              1e-9));
}

TEST(SunpousenChains, ArraysShorterThanTheChainDrawNothingAndChangeNothing) {
  Figure f;
  int32_t ns = 2;
  std::vector<std::string> texts{"", "a"};  // no entry 2
  const std::vector<double> x{1000, 1000, 1300}, y{2000, 2000, 2000};
  f.s.HSunp(ns, x, y, 1500, "UL", texts);
  std::vector<double> vx{2000, 2000}, vy{1000, 1300};
  f.s.VSunp(ns, vx, vy, 1500, "LR", texts);
  f.s.RotSunp(ns, x, std::vector<double>{2000, 2000}, 1000, 1500, 0, "UU", texts);
  EXPECT_EQ(ns, 2);
  EXPECT_EQ(texts, (std::vector<std::string>{"", "a"}));
  EXPECT_EQ(vy, (std::vector<double>{1000, 1300}));
  EXPECT_TRUE(f.canvas.Ops().empty());
  EXPECT_EQ(f.canvas.Style().penColor, 0x00FF00u);

  Sunpousen none;  // no target
  std::vector<std::string> two{"", "a", "b"};
  none.HSunp(ns, x, y, 1500, "UL", two);
  EXPECT_EQ(ns, 2);
  EXPECT_EQ(two[1], "a");
}

TEST(SunpousenChains, ChainsTakeMoreThanFiftyOnePoints) {
  Figure f;
  std::vector<double> x, y;
  std::vector<std::string> texts{""};
  for (int i = 0; i <= 60; ++i) {
    x.push_back(1000 + 300.0 * i);
    y.push_back(2000);
    if (i > 0) texts.push_back("300");
  }
  int32_t ns = 60;
  f.s.HSunp(ns, x, y, 1500, "UL", texts);
  EXPECT_EQ(ns, 60);
  // One extension line, then five lines, an extension line per interval; a text each.
  EXPECT_EQ(f.canvas.Ops().size(), 1u + 60 * 6 + 60);
  EXPECT_TRUE(SameOps({Recorded(f.canvas).back()}, {Text0(1000 + 300 * 59.5 - 75, 1400, "300")}));
}

// ---- VSunp ----------------------------------------------------------------------------

// Points at x = 2000, the dimension line left of them at 1500: extension lines
// from 2000 - 80 = 1920 to 1500 - 40 = 1460; texts left of the line at x = 1400
// (codes other than RR/RL), reading upward from their bottom end.
TEST(SunpousenChains, VerticalChainGivenTopToBottomIsReorderedInPlace) {
  Figure f;
  int32_t ns = 2;
  std::vector<double> x{2000, 2000, 2000}, y{1000, 1300, 1600};
  std::vector<std::string> texts{"", "A1", "B22"};  // A1: 1000-1300, B22: 1300-1600
  f.s.VSunp(ns, x, y, 1500, "LR", texts);
  EXPECT_EQ(ns, 2);
  EXPECT_EQ(y, (std::vector<double>{1600, 1300, 1000}));
  EXPECT_EQ(texts, (std::vector<std::string>{"", "B22", "A1"}));  // each with its interval
  EXPECT_TRUE(
      SameOps(Recorded(f.canvas),
              {L(1920, 1000, 1460, 1000), L(1500, 1300, 1473, 1200),
               L(1500, 1300, 1527, 1200),  // arrow at b
               L(1500, 1300, 1500, 1000), L(1500, 1000, 1473, 1100),
               L(1500, 1000, 1527, 1100),  // arrow at a
               L(1920, 1300, 1460, 1300), L(1500, 1600, 1473, 1500), L(1500, 1600, 1527, 1500),
               L(1500, 1600, 1500, 1300), L(1500, 1300, 1473, 1400), L(1500, 1300, 1527, 1400),
               L(1920, 1600, 1460, 1600), Text90(1400, 1200, "A1"),  // middle 1150 + 100 / 2
               Text90(1400, 1525, "B22")}));                         // middle 1450 + 150 / 2
}

TEST(SunpousenChains, VerticalCrowdedTextsMoveLeftForLLAndRightOtherwise) {
  // Given bottom to top, so the arrays stay as they are.
  const std::vector<double> y0{1640, 1340, 1320, 1300, 1000};
  const std::vector<std::string> t0{"", "300", "20.0", "20.0", "300"};
  const std::vector<Op> lines{
      L(1920, 1000, 1460, 1000), L(1500, 1300, 1473, 1200), L(1500, 1300, 1527, 1200),
      L(1500, 1300, 1500, 1000), L(1500, 1000, 1473, 1100), L(1500, 1000, 1527, 1100),
      L(1920, 1300, 1460, 1300), L(1920, 1320, 1460, 1320), L(1920, 1340, 1460, 1340),
      L(1500, 1640, 1473, 1540), L(1500, 1640, 1527, 1540), L(1500, 1640, 1500, 1340),
      L(1500, 1340, 1473, 1440), L(1500, 1340, 1527, 1440), L(1920, 1640, 1460, 1640)};
  // Ends (top-bottom): 1075-1225, 1210-1410, 1230-1430, 1415-1565: text 2
  // moves one row, text 3 two, text 4 stays.
  const struct {
    const char* typ;
    double x2, x3;
  } rows[] = {{"LL", 1400 - 133, 1400 - 266}, {"LR", 1400 + 133, 1400 + 266}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.typ);
    Figure f;
    int32_t ns = 4;
    std::vector<double> x(5, 2000), y = y0;
    std::vector<std::string> texts = t0;
    f.s.VSunp(ns, x, y, 1500, r.typ, texts);
    EXPECT_EQ(y, y0);
    EXPECT_EQ(texts, t0);
    std::vector<Op> want = lines;
    want.push_back(Text90(1400, 1225, "300"));
    want.push_back(Text90(r.x2, 1410, "20.0"));
    want.push_back(Text90(r.x3, 1430, "20.0"));
    want.push_back(Text90(1400, 1565, "300"));
    EXPECT_TRUE(SameOps(Recorded(f.canvas), want));
  }
}

TEST(SunpousenChains, VerticalNarrowChainAndDroppedPoint) {
  {
    SCOPED_TRACE("two points h apart, texts right of the line (RR)");
    Figure f;
    int32_t ns = 1;
    std::vector<double> x{2000, 2000}, y{1100, 1000};
    std::vector<std::string> texts{"", "50"};
    f.s.VSunp(ns, x, y, 1500, "RR", texts);
    EXPECT_TRUE(SameOps(
        Recorded(f.canvas),
        {L(1920, 1000, 1460, 1000), L(1500, 1300, 1500, 1100),  // last first: leg from 1100 + h + w
         L(1500, 1100, 1473, 1200), L(1500, 1100, 1527, 1200),
         L(1500, 800, 1500, 1000),  // leg from 1000 - h - w
         L(1500, 1000, 1473, 900), L(1500, 1000, 1527, 900), L(1920, 1100, 1460, 1100),
         Text90(1500, 1300, "50")}));  // below the last point
  }
  {
    SCOPED_TRACE("a point within 1 unit is dropped from the chain's copies only");
    Figure f;
    int32_t ns = 2;
    std::vector<double> x{2000, 2000, 2000}, y{1000, 1000.5, 1300};
    std::vector<std::string> texts{"", "x", "300"};
    f.s.VSunp(ns, x, y, 1500, "LR", texts);
    EXPECT_EQ(ns, 1);
    EXPECT_EQ(y, (std::vector<double>{1300, 1000.5, 1000}));
    EXPECT_EQ(texts, (std::vector<std::string>{"", "300", "x"}));
    EXPECT_TRUE(
        SameOps(Recorded(f.canvas),
                {L(1920, 1000, 1460, 1000), L(1500, 1300, 1473, 1200), L(1500, 1300, 1527, 1200),
                 L(1500, 1300, 1500, 1000), L(1500, 1000, 1473, 1100), L(1500, 1000, 1527, 1100),
                 L(1920, 1300, 1460, 1300), Text90(1400, 1225, "300")}));
  }
}

// ---- RotSunp --------------------------------------------------------------------------

// Arrow strokes of h = 100 at 10 degrees: 100 cos 10 = 98.48, 100 sin 10 = 17.36;
// ticks of h/2 = 50 at 20 degrees: 46.98 and 17.10. Every line end is rounded.
TEST(SunpousenChains, RotatedChainAlongAHorizontalLine) {
  Figure f;
  int32_t ns = 1;
  std::vector<std::string> texts{"", "300"};
  f.s.RotSunp(ns, std::vector<double>{1000, 1300}, std::vector<double>{1500, 1500}, 1000, 1500, 0,
              "UU", texts);
  EXPECT_TRUE(
      SameOps(Recorded(f.canvas), {L(1000, 1500, 1300, 1500), L(1000, 1500, 1098, 1517),
                                   L(1000, 1500, 1098, 1483),  // 10 degrees
                                   L(1300, 1500, 1202, 1483), L(1300, 1500, 1202, 1517),
                                   Text0(1075, 1400, "300")}));  // h toward ang - 90 degrees
}

TEST(SunpousenChains, RotatedChainMeasuresSquareToTheExtensionLinesAndMerges) {
  // Point 1 lies within 0.005 of point 0's extension line: dropped with its
  // text. Points 0 and 2 lie 500 and 900 off the line; the interval is the
  // 300 between their extension lines, not the 360 between the points.
  Figure f;
  int32_t ns = 2;
  std::vector<std::string> texts{"", "0", "300"};
  f.s.RotSunp(ns, std::vector<double>{1000, 1000.005, 1300}, std::vector<double>{2000, 1800, 2400},
              1000, 1500, 0, "UU", texts);
  EXPECT_EQ(ns, 1);
  EXPECT_EQ(texts, (std::vector<std::string>{"", "300", "300"}));
  EXPECT_TRUE(
      SameOps(Recorded(f.canvas),
              {L(1000, 1470, 1000, 1970),  // 0.3h beyond the foot to 0.3h off
               L(1300, 1470, 1300, 2370), L(1000, 1500, 1300, 1500), L(1000, 1500, 1098, 1517),
               L(1000, 1500, 1098, 1483), L(1300, 1500, 1202, 1483), L(1300, 1500, 1202, 1517),
               Text0(1075, 1400, "300")}));
}

TEST(SunpousenChains, RotatedChainInnerTicks) {
  Figure f;
  int32_t ns = 3;
  std::vector<std::string> texts{"", "500", "150", "500"};
  f.s.RotSunp(ns, std::vector<double>{1000, 1500, 1650, 2150},
              std::vector<double>{1500, 1500, 1500, 1500}, 1000, 1500, 0, "UU", texts);
  EXPECT_TRUE(
      SameOps(Recorded(f.canvas),
              {L(1000, 1500, 1500, 1500), L(1000, 1500, 1098, 1517), L(1000, 1500, 1098, 1483),
               L(1500, 1500, 1402, 1483), L(1500, 1500, 1402, 1517), L(1500, 1500, 1650, 1500),
               L(1500, 1500, 1547, 1517),  // 20 degrees, h / 2
               L(1650, 1500, 1603, 1483), L(1650, 1500, 2150, 1500), L(1650, 1500, 1748, 1517),
               L(1650, 1500, 1748, 1483), L(2150, 1500, 2052, 1483), L(2150, 1500, 2052, 1517),
               Text0(1175, 1400, "500"), Text0(1500, 1400, "150"), Text0(1825, 1400, "500")}));
}

TEST(SunpousenChains, RotatedChainWithANegativeAngleKeepsWellSpacedTexts) {
  // ang = -90 degrees: the line runs up the page. The texts are 150 apart and
  // each lies forward of the one before, so none moves; LineAngle (3pi/2)
  // is compared with ang taken modulo a full turn.
  Figure f;
  int32_t ns = 3;
  std::vector<std::string> texts{"", "300", "300", "300"};
  f.s.RotSunp(ns, std::vector<double>{1500, 1500, 1500, 1500},
              std::vector<double>{3000, 2700, 2400, 2100}, 1500, 3000, -kPi / 2, "UU", texts);
  EXPECT_TRUE(
      SameOps(Recorded(f.canvas),
              {L(1500, 3000, 1500, 2700), L(1500, 3000, 1517, 2902), L(1500, 3000, 1483, 2902),
               L(1500, 2700, 1483, 2798), L(1500, 2700, 1517, 2798), L(1500, 2700, 1500, 2400),
               L(1500, 2700, 1517, 2602), L(1500, 2700, 1483, 2602), L(1500, 2400, 1483, 2498),
               L(1500, 2400, 1517, 2498), L(1500, 2400, 1500, 2100), L(1500, 2400, 1517, 2302),
               L(1500, 2400, 1483, 2302), L(1500, 2100, 1483, 2198), L(1500, 2100, 1517, 2198),
               // Start of each text: middle + 75 down the page, h to the left;
               // the angle is +90 degrees.
               test::T(1400, 2925, "300", 900, 100), test::T(1400, 2625, "300", 900, 100),
               test::T(1400, 2325, "300", 900, 100)}));
}

// ---- texts clear of arrows ---------------------------------------------------------

// The boxes of the recorded texts (h = 100 high, 50 a digit; a text at 90
// degrees reads upward from its point, its height to the right) that an arrow
// stroke (a line of length h to 1.04 h) runs through.
std::vector<std::string> TextsOnArrows(const Canvas& c) {
  struct Box {
    double x0, y0, x1, y1;
    std::string text;
  };
  std::vector<Box> boxes;
  std::vector<CanvasOp> strokes;
  for (const CanvasOp& op : c.Ops()) {
    if (op.kind == CanvasOpKind::Text) {
      const double x = op.points[0].x, y = op.points[0].y;
      const double w = 50.0 * static_cast<double>(op.text.size());
      if (op.style.textAngle == 900)
        boxes.push_back({x, y - w, x + 100, y, op.text});
      else
        boxes.push_back({x, y, x + w, y + 100, op.text});
    } else if (op.kind == CanvasOpKind::Line) {
      const double len =
          std::hypot(op.points[1].x - op.points[0].x, op.points[1].y - op.points[0].y);
      if (len >= 99 && len <= 105) strokes.push_back(op);
    }
  }
  std::vector<std::string> out;
  for (const Box& b : boxes) {
    for (const CanvasOp& s : strokes) {
      bool inside = false;
      for (int k = 0; k <= 100 && !inside; ++k) {
        const double x = s.points[0].x + (s.points[1].x - s.points[0].x) * k / 100.0;
        const double y = s.points[0].y + (s.points[1].y - s.points[0].y) * k / 100.0;
        inside = x > b.x0 + 1e-6 && x < b.x1 - 1e-6 && y > b.y0 + 1e-6 && y < b.y1 - 1e-6;
      }
      if (inside) {
        out.push_back(b.text);
        break;
      }
    }
  }
  return out;
}

// With TextsClearOfArrows, a text of a wide interval longer than the room
// between its arrows (d - 2h) leaves the row as a crowded text does; texts
// of narrow intervals keep their places. Points at y = 2000, the line at
// 1500, texts above it: row 0 at 1400, one step up 1267, two 1134 ("UL":
// down, 1533). The lines are those the chain draws with the option off.
TEST(SunpousenChains, TextsLongerThanTheRoomBetweenTheirArrowsLeaveTheRow) {
  struct Row {
    const char* name;
    std::vector<double> x;
    const char* typ;
    std::vector<std::string> texts;
    std::vector<Op> wantTexts;
  };
  const Row rows[] = {
      {"300 on 300: 1075-1225 reaches 25 into the arrows 1000-1100 and 1200-1300",
       {1000, 1300},
       "UU",
       {"", "300"},
       {Text0(1075, 1267, "300")}},
      {"moved down for UL, below the strokes (1473-1527)",
       {1000, 1300},
       "UL",
       {"", "300"},
       {Text0(1075, 1533, "300")}},
      {"300 on 350: 1100-1250 ends where the strokes end and stays",
       {1000, 1350},
       "UU",
       {"", "300"},
       {Text0(1100, 1400, "300")}},
      {"first text moved, the second (1475-1625, arrows to 1400 and from 1700) stays",
       {1000, 1300, 1800},
       "UU",
       {"", "300", "500"},
       {Text0(1075, 1267, "300"), Text0(1475, 1400, "500")}},
      {"two blocked texts 150 apart share the moved row",
       {1000, 1300, 1600},
       "UU",
       {"", "300", "300"},
       {Text0(1075, 1267, "300"), Text0(1375, 1267, "300")}},
      {"a blocked text 10 from the last moved one moves two rows",
       {1000, 1300, 1520},
       "UU",
       {"", "30000", "22000"},  // 1025-1275, 1285-1535
       {Text0(1025, 1267, "30000"), Text0(1285, 1134, "22000")}},
      {"a narrow inner interval's text over its neighbours' arrows keeps its place",
       {1000, 1500, 1550, 2000},
       "UU",
       {"", "500", "50", "450"},
       {Text0(1175, 1400, "500"), Text0(1475, 1400, "50"), Text0(1700, 1400, "450")}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const std::vector<double> y(r.x.size(), 2000);
    Figure off, on;
    on.s.SetTextsClearOfArrows(true);
    int32_t nsOff = static_cast<int32_t>(r.x.size()) - 1, nsOn = nsOff;
    std::vector<std::string> tOff = r.texts, tOn = r.texts;
    off.s.HSunp(nsOff, r.x, y, 1500, r.typ, tOff);
    on.s.HSunp(nsOn, r.x, y, 1500, r.typ, tOn);
    std::vector<Op> want;
    for (const Op& o : Recorded(off.canvas))
      if (o.kind != CanvasOpKind::Text) want.push_back(o);
    want.insert(want.end(), r.wantTexts.begin(), r.wantTexts.end());
    EXPECT_TRUE(SameOps(Recorded(on.canvas), want));
    const std::vector<std::string> onArrows = TextsOnArrows(on.canvas);
    const bool narrowKept = r.x.size() == 4;  // left where the crowding rule puts it
    if (!narrowKept) {
      EXPECT_TRUE(onArrows.empty()) << onArrows.front();
    }
  }
  // The fault the option mends: without it the first row's text lies on the strokes.
  Figure off;
  int32_t ns = 1;
  std::vector<std::string> texts{"", "300"};
  off.s.HSunp(ns, std::vector<double>{1000, 1300}, std::vector<double>{2000, 2000}, 1500, "UU",
              texts);
  EXPECT_EQ(TextsOnArrows(off.canvas), (std::vector<std::string>{"300"}));
}

TEST(SunpousenChains, VerticalAndRotatedTextsLeaveTheirArrowsToo) {
  {
    SCOPED_TRACE("vertical, LR: one step right of x = 1400");
    Figure f;
    f.s.SetTextsClearOfArrows(true);
    int32_t ns = 1;
    std::vector<double> x{2000, 2000}, y{1300, 1000};
    std::vector<std::string> texts{"", "300"};
    f.s.VSunp(ns, x, y, 1500, "LR", texts);
    const std::vector<Op> ops = Recorded(f.canvas);
    ASSERT_FALSE(ops.empty());
    EXPECT_TRUE(SameOps({ops.back()}, {Text90(1533, 1225, "300")}));
    EXPECT_TRUE(TextsOnArrows(f.canvas).empty());
  }
  {
    SCOPED_TRACE("rotated at -90 degrees: h + k + h = 233 left of the line");
    Figure f;
    f.s.SetTextsClearOfArrows(true);
    int32_t ns = 2;
    std::vector<std::string> texts{"", "300", "500"};
    f.s.RotSunp(ns, std::vector<double>{1500, 1500, 1500}, std::vector<double>{3000, 2700, 2200},
                1500, 3000, -kPi / 2, "UU", texts);
    std::vector<Op> got;
    for (const Op& o : Recorded(f.canvas))
      if (o.kind == CanvasOpKind::Text) got.push_back(o);
    // 300: 2925 up to 2775, its arrows 3000-2900 and 2800-2700: moved.
    // 500: 2525 up to 2375, its arrows end at 2600 and 2300: stays at 1400.
    EXPECT_TRUE(
        SameOps(got, {test::T(1267, 2925, "300", 900, 100), test::T(1400, 2525, "500", 900, 100)}));
  }
}

// ---- RSunp ------------------------------------------------------------------------------

TEST(SunpousenChains, ArcDimensionOutsideAQuarterCircle) {
  Figure f;
  f.d.SetPenWidth(0.1);
  f.d.SetPenStyle(2);
  f.s.RSunp(2000, 2000, 1000, 0, kPi / 2, "AB", "r", 0, false);
  // Arrow strokes: start (3000, 2000) - 100 (sin a, cos a), a = -10 and 20 degrees;
  // end (2000, 1000) + 100 (sin a, cos a), a = 100 and 70 degrees.
  // Reading direction: round(pi / 4) mod 6 = 1 lies in (pi/4, 5pi/4]: d = -1, so
  // the text radius is 1000 + 1.7h = 1170 and the first character stands at
  // pi/4 + (0.3 * 50 + 2 * 50) / 2 / 1170 = 0.834544 rad, the next 1.3 * 50 / 1170
  // further clockwise; angles (a - pi/2) in degrees, to whole tenths.
  EXPECT_TRUE(SameOps(Recorded(f.canvas),
                      {{CanvasOpKind::Arc, {2000, 2000, 1000, 0, kPi / 2}, {}},
                       L(3000, 2000, 3017.3648, 1901.5192),
                       L(3000, 2000, 2965.7980, 1906.0307),
                       L(2000, 1000, 2098.4808, 982.6352),
                       L(2000, 1000, 2093.9693, 1034.2020),
                       test::T(2785.6738, 1133.0417, "A", -422, 100),   // -42.18 degrees
                       test::T(2832.6012, 1178.0053, "B", -454, 100)},  // -45.37 degrees
                      1e-3));
  for (const CanvasOp& op : f.canvas.Ops()) {
    if (op.kind == CanvasOpKind::Text) continue;
    EXPECT_EQ(op.style.penWidth, 0);
    EXPECT_EQ(op.style.penStyle, 0);
    EXPECT_EQ(op.style.penColor, kBlue);
  }
  // The pen comes back exactly, 0.1 mm included.
  EXPECT_DOUBLE_EQ(f.d.PenWidth(), 0.1);
  EXPECT_EQ(f.d.PenStyle(), 2);
  EXPECT_EQ(f.d.PenColor(), 0x00FF00u);

  // Inside an arc of radius 0.2h the texts would stand at radius 0: the arc
  // and its arrows are drawn, the texts left out.
  f.canvas.Clear();
  f.s.RSunp(2000, 2000, 20, 0, kPi / 2, "AB", "L", 0, false);
  const auto ops = Recorded(f.canvas);
  ASSERT_EQ(ops.size(), 5u);
  for (const Op& o : ops) EXPECT_NE(o.kind, CanvasOpKind::Text);

  Canvas page;  // not a cDraw: nothing
  Sunpousen s;
  s.SetDrawObject(page);
  s.RSunp(2000, 2000, 1000, 0, kPi / 2, "AB", "R", 0, false);
  EXPECT_TRUE(page.Ops().empty());
}

}  // namespace
}  // namespace norva

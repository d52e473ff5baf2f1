// cDraw over a recorded canvas: mapping, the two-coordinate continuation,
// circles in millimetres, the forwarded state and the drawing area.
#include "drawing/base/cdraw.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "recorded_ops.h"

namespace norva {
namespace {

using test::Circle;
using test::L;
using test::Recorded;
using test::SameOps;

constexpr double kHalfPi = 3.14159265358979 / 2;

// A cDraw with ScX = ScY = 1000 twips per metre and the model origin at
// (500, 4000): x -> 1000 x + 500, y -> 4000 - 1000 y.
struct Mapped {
  Canvas canvas;
  cDraw d;
  Mapped() {
    d.SetCanvas(&canvas);
    d.SetScX(1000);
    d.SetScY(1000);
    d.SetXoo(500);
    d.SetYoo(4000);
  }
};

TEST(CDraw, LinesMapWithTheFlagAndPassThroughWithout) {
  Mapped m;
  m.d.DrawLine(1, 2, 3, 0.5, true);
  m.d.DrawLine(1, 2, 3, 0.5, false);
  EXPECT_TRUE(SameOps(Recorded(m.canvas), {L(1500, 2000, 3500, 3500), L(1, 2, 3, 0.5)}));
  EXPECT_EQ(m.d.GetX(-0.25), 250);   // -0.25 * 1000 + 500
  EXPECT_EQ(m.d.GetY(-0.25), 4250);  // 4000 + 0.25 * 1000

  // No scale: every mapped point is the origin.
  m.canvas.Clear();
  m.d.SetScX(0);
  m.d.SetScY(0);
  m.d.DrawLine(7, -3, 1e6, 2, true);
  EXPECT_TRUE(SameOps(Recorded(m.canvas), {L(500, 4000, 500, 4000)}));
}

TEST(CDraw, TwoCoordinateLinesContinueAfterALineAndAfterMove) {
  Mapped m;
  m.d.DrawLine(0, 0, 1, 1, true);   // (500,4000)-(1500,3000)
  m.d.DrawLine(2, 1, true);         // on from (1500,3000)
  m.d.DrawLine(3000, 2000, false);  // on from (2500,3000), device units
  m.d.Move(0, 2);                   // (500,2000)
  EXPECT_EQ(m.d.X1(), 500);
  EXPECT_EQ(m.d.Y1(), 2000);
  m.d.DrawLine(1, 2, true);
  EXPECT_TRUE(SameOps(Recorded(m.canvas), {L(500, 4000, 1500, 3000), L(1500, 3000, 2500, 3000),
                                           L(2500, 3000, 3000, 2000), L(500, 2000, 1500, 2000)}));
}

TEST(CDraw, CircleRadiusIsInMillimetresWhenMapped) {
  Mapped m;
  m.d.DrawCircle(1, 1, 0.5, true);            // radius 0.5 mm * 56.7 = 28.35
  m.d.DrawCircle(100, 200, 0.5, false);       // all device units
  m.d.DrawCircle(1, 1, 1, 0, kHalfPi, true);  // arc, angles passed on
  m.d.DrawCircle(10, 20, 30, -1, 7, false);
  EXPECT_TRUE(SameOps(Recorded(m.canvas),
                      {Circle(1500, 3000, 28.35),
                       Circle(100, 200, 0.5),
                       {CanvasOpKind::Arc, {1500, 3000, 56.7, 0, kHalfPi}, {}},
                       {CanvasOpKind::Arc, {10, 20, 30, -1, 7}, {}}},
                      1e-9));
}

TEST(CDraw, PolylinesAndPolygonsTakeTheFirstNpPoints) {
  Mapped m;
  const std::vector<double> x{0, 1000, -20, 99}, y{0, 0.5, 7, 99};
  m.d.PolyLine(3, x, y, false);
  m.d.Polygon(3, x, y, true);
  const auto ops = Recorded(m.canvas);
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].kind, CanvasOpKind::PolyLine);
  EXPECT_EQ(ops[0].v, (std::vector<double>{0, 0, 1000, .5, -20, 7}));
  EXPECT_EQ(ops[1].kind, CanvasOpKind::Polygon);
  // x -> 1000 x + 500, y -> 4000 - 1000 y
  EXPECT_EQ(ops[1].v, (std::vector<double>{500, 4000, 1000500, 3500, -19500, -3000}));

  // More points asked for than the arrays hold, or a single point: nothing.
  m.canvas.Clear();
  m.d.PolyLine(5, x, y, false);
  m.d.Polygon(4, x, std::vector<double>{1, 2, 3}, false);
  m.d.PolyLine(0, x, y, false);
  m.d.Polygon(1, x, y, false);
  EXPECT_TRUE(m.canvas.Ops().empty());
}

TEST(CDraw, PenWidthIsMillimetresOnTheObjectAndDeviceUnitsOnTheCanvas) {
  Mapped m;
  m.d.SetPenWidth(0.1);
  EXPECT_DOUBLE_EQ(m.canvas.Style().penWidth, 5.67);  // 0.1 * 56.7
  EXPECT_DOUBLE_EQ(m.d.PenWidth(), 0.1);
  m.d.SetPenColor(0xFF0000);
  m.d.SetPenStyle(2);
  m.d.SetBrushColor(0x00FF00);
  m.d.SetBrushStyle(0);
  EXPECT_EQ(m.canvas.Style().penColor, 0xFF0000u);
  EXPECT_EQ(m.d.PenStyle(), 2);
  EXPECT_EQ(m.canvas.Style().brushColor, 0x00FF00u);
  EXPECT_EQ(m.d.BrushStyle(), 0);
}

TEST(CDraw, WholeNumberMembersRoundHalfToEven) {
  struct Row {
    double given;
    int32_t stored;
  } rows[] = {{100.5, 100}, {101.5, 102}, {101.49, 101}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.given);
    Mapped m;
    m.d.SetHeight(r.given);
    m.d.SetWidth(r.given);
    m.d.SetFontSize(r.given);
    m.d.SetTextAngle(r.given);
    EXPECT_EQ(m.d.Height(), r.stored);
    EXPECT_EQ(m.d.Width(), r.stored);
    EXPECT_EQ(m.d.TextAngle(), r.stored);
    if (r.stored >= 0) {
      EXPECT_EQ(m.canvas.Style().font.size, r.stored);
    }
  }
  Mapped m;
  m.d.SetHeight(1e12);  // beyond 32 bits: held at the largest
  EXPECT_EQ(m.d.Height(), 2147483647);
}

TEST(CDraw, DrawingAreaSubtractsTheMarginsInMillimetres) {
  Mapped m;
  m.canvas.SetScale(0, 0, 4252.5, 4677.75);  // the report's 75 mm wide surface, 1.1 high
  m.d.MarginSet(3, 5, 7, 11);                // left, right, top, bottom
  EXPECT_EQ(m.d.MarginLeft(), 3);
  EXPECT_EQ(m.d.MarginRight(), 5);
  EXPECT_EQ(m.d.MarginTop(), 7);
  EXPECT_EQ(m.d.MarginBottom(), 11);
  double l = 0, t = 0, r = 0, b = 0;
  m.d.GetDrawAreaRect(l, t, r, b);
  EXPECT_DOUBLE_EQ(l, 170.1);    // 3 * 56.7
  EXPECT_DOUBLE_EQ(t, 396.9);    // 7 * 56.7
  EXPECT_DOUBLE_EQ(r, 3969.0);   // 4252.5 - 5 * 56.7
  EXPECT_DOUBLE_EQ(b, 4054.05);  // 4677.75 - 11 * 56.7
  double w = 0, h = 0;
  m.d.DrawAreaSize(w, h);
  // The margin sums are whole millimetres first: 8 and 18.
  EXPECT_EQ(w, 4252.5 - 8 * 56.7);    // 3798.9
  EXPECT_EQ(h, 4677.75 - 18 * 56.7);  // 3657.15
  EXPECT_DOUBLE_EQ(w, 3798.9);
  EXPECT_DOUBLE_EQ(h, 3657.15);
  EXPECT_EQ(m.d.DrawAreaWidth(), 4252.5);
  EXPECT_EQ(m.d.DrawAreaHeight(), 4677.75);

  // Extreme margins do not overflow their sum.
  m.d.MarginSet(2147483647, 2147483647, 0, 0);
  m.d.DrawAreaSize(w, h);
  EXPECT_DOUBLE_EQ(w, 4252.5 - 4294967294.0 * 56.7);
}

TEST(CDraw, TextStateGoesToTheCanvas) {
  Mapped m;
  m.d.SetFontSize(170.1);  // 3 mm, whole device units
  m.d.SetTextAngle(900);
  m.d.SetTextColor(0x0000FF);
  m.d.SetTextAlign(6);
  m.d.SetBackStyle(1);
  EXPECT_EQ(m.d.FontSize(), 170);
  // Fixed metrics: half an em for a one-byte character, a full em otherwise.
  EXPECT_DOUBLE_EQ(m.d.TextWidth("1250"), 340);  // 4 * 85
  EXPECT_DOUBLE_EQ(m.d.TextWidth("擁壁"), 340);  // 2 * 170
  m.d.DrawText(100, 200, "H=5.0");
  m.d.SetX1(300);
  m.d.SetY1(400);
  m.d.Text("B");
  m.d.Text("");
  const auto& ops = m.canvas.Ops();
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_TRUE(SameOps(Recorded(m.canvas),
                      {test::T(100, 200, "H=5.0", 900, 170), test::T(300, 400, "B", 900, 170)}));
  EXPECT_EQ(ops[0].style.font.size, 170);
  EXPECT_EQ(ops[0].style.textAngle, 900);
  EXPECT_EQ(ops[0].style.textColor, 0x0000FFu);
  EXPECT_EQ(ops[0].style.textAlign, 6);
  EXPECT_EQ(ops[0].style.backStyle, 1);
  EXPECT_EQ(m.d.X1(), 300);

  m.canvas.SetZoom(200);
  EXPECT_EQ(m.d.Zoom(), 200);
  m.d.Cls();
  EXPECT_TRUE(m.canvas.Ops().empty());
}

TEST(CDraw, WithoutACanvasNothingIsDrawnAndTheAreaIsLeftAlone) {
  cDraw d;
  d.SetScX(2);
  d.SetXoo(1);
  EXPECT_EQ(d.GetX(3), 7);  // the mapping still works
  d.DrawLine(0, 0, 1, 1, true);
  d.DrawCircle(0, 0, 1, true);
  d.Text("x");
  d.Cls();
  double l = -1, t = -2, r = -3, b = -4, w = -5, h = -6;
  d.GetDrawAreaRect(l, t, r, b);
  d.DrawAreaSize(w, h);
  EXPECT_EQ(l, -1);
  EXPECT_EQ(t, -2);
  EXPECT_EQ(r, -3);
  EXPECT_EQ(b, -4);
  EXPECT_EQ(w, -5);
  EXPECT_EQ(h, -6);
  EXPECT_EQ(d.TextWidth("abc"), 0);
  EXPECT_EQ(d.Zoom(), 100);
}

}  // namespace
}  // namespace norva

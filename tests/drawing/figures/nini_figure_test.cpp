// The arbitrary-load figure: extent and fit by hand, loads of each kind and
// sign, the scales and their guard.
#include "drawing/figures/nini_figure.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "../section/mm_surface.h"
#include "../section/section_docs.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "figure_test_util.h"

namespace norva {
namespace {

using figure_test::kMm;
using figure_test::Near;
using figure_test::OpsOf;
using figure_test::TextOp;

constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kBlueC = 0xFF0000;  // RGB(0, 0, 255)

std::shared_ptr<CNini> Load(const char* name, int16_t type, double x1, double x2, double y1,
                            double y2, double p1, double p2) {
  auto n = std::make_shared<CNini>();
  n->LoadName = name;
  n->nType = type;
  n->X1 = x1, n->X2 = x2, n->Y1 = y1, n->Y2 = y2, n->P1 = p1, n->P2 = p2;
  return n;
}

// The lines and polygons of the loads (drawn with the blue pen).
std::vector<const CanvasOp*> LoadOps(const Canvas& c) {
  std::vector<const CanvasOp*> v;
  for (const CanvasOp& op : c.Ops())
    if (op.style.penColor == kBlueC && op.kind != CanvasOpKind::Text) v.push_back(&op);
  return v;
}

void SetLoads(CDocument& d, const std::vector<std::shared_ptr<CNini>>& loads) {
  d.SetnNiniCount(static_cast<int16_t>(loads.size()));
  for (size_t i = 0; i < loads.size(); ++i) d.SetpNini(static_cast<int>(i), loads[i]);
}

constexpr double B = kNullBox;

// GravityDoc's outline spans 0 .. 2.0 × 0 .. 3.0 (its unused entries are
// (0, 0)). The loads widen it to −1 .. 3.0 × 0 .. 4.0: the blank-intensity
// load at (−1, 4) counts in the extent though it is not drawn, and the
// distributed load reaches x 3.0. Largest intensity 20: s = 283.5 / 20.
std::unique_ptr<CDocument> LoadedWall() {
  auto d = section_test::GravityDoc();
  SetLoads(*d, {Load("  上載 ", 0, 1.0, B, 3.0, B, 10, B), Load("H1", 1, 1.4, B, 2.0, B, -5, B),
                Load("\u3000分布\u3000", 2, 1.5, 3.0, 3.0, B, 20, 10),
                Load("   ", 3, 2.0, B, 0.5, 2.5, 0, 8), Load("blank", 0, -1.0, B, 4.0, B, B, B)});
  return d;
}

// A 120 × 100 mm canvas. Margins 2 mm, digit 85 twips (fixed metrics):
// inner box left 113.4 + 85 + 283.5 = 481.9, right 6804 − 481.9 = 6322.1,
// top 113.4 + 538.65 = 652.05, bottom 5670 − 652.05 = 5017.95.
// Sc = min(5840.2 / 4, 4365.9 / 4) = 1091.475; origin at the extent's lower
// left corner: Xoo = 481.9 + (0 − (−1)) Sc, Yoo = 5017.95.
struct Figure {
  section_test::MmSurface s{120, 100};
  Figure() {
    s.d.SetWidth(120 * kMm);
    s.d.SetHeight(100 * kMm);
  }
};
constexpr double kSc = 1091.475;
constexpr double kXoo = 481.9 + kSc;
constexpr double kYoo = 5017.95;
double X(double x) { return kXoo + kSc * x; }
double Y(double y) { return kYoo - kSc * y; }

TEST(ArbitraryLoadFigure, ExtentAndFitByHand) {
  auto d = LoadedWall();
  KutaiPoints p{};
  DPoint a, b;
  MakeKutaiOutline(*d, p, a, b, 0);
  const TwipBox area{2 * kMm, 2 * kMm, 118 * kMm, 98 * kMm};
  const NiniLoadPlan plan = PlanNiniLoad(*d, p, area, 85 / kMm);
  EXPECT_EQ(plan.minX, -1.0);
  EXPECT_EQ(plan.maxX, 3.0);
  EXPECT_EQ(plan.minY, 0.0);
  EXPECT_EQ(plan.maxY, 4.0);
  EXPECT_EQ(plan.Pmax, 20);
  EXPECT_NEAR(plan.s, 14.175, 1e-12);
  EXPECT_NEAR(plan.fit.DrwInnerBox.left, 481.9, 1e-9);
  EXPECT_NEAR(plan.fit.DrwInnerBox.bottom, 5017.95, 1e-9);
  EXPECT_NEAR(plan.scale.ScX, kSc, 1e-9);
  EXPECT_NEAR(plan.scale.Xoo, kXoo, 1e-9);
  EXPECT_NEAR(plan.scale.Yoo, kYoo, 1e-9);
  EXPECT_TRUE(plan.scales);
}

TEST(ArbitraryLoadFigure, LoadsOfEachKindAndSign) {
  auto d = LoadedWall();
  Figure f;
  DrawNiniLoad(*d, f.s.d);
  const Canvas& c = f.s.canvas;
  const std::vector<const CanvasOp*> blue = LoadOps(c);
  // Two arrows of three lines, two trapezoids.
  ASSERT_EQ(blue.size(), 8u);
  const double s = 14.175, h = 2 * kMm;
  // Vertical point load 10 at (1.0, 3.0): shaft up 141.75, head lines 1 mm
  // to each side and 2 mm up; label above the shaft top.
  const double x0 = X(1.0), y0 = Y(3.0);
  EXPECT_TRUE(Near(blue[0]->points[1], x0, y0 - s * 10));
  EXPECT_TRUE(Near(blue[1]->points[1], x0 - kMm, y0 - h));
  EXPECT_TRUE(Near(blue[2]->points[1], x0 + kMm, y0 - h));
  const CanvasOp* t0 = TextOp(c, "上載");
  ASSERT_NE(t0, nullptr);
  EXPECT_TRUE(Near(t0->points[0], x0, y0 - s * 10 - 212.625));
  EXPECT_EQ(t0->style.textAlign, 1);
  // Horizontal point load −5 at (1.4, 2.0): the shaft comes from the left,
  // the head opens to the left too; the label over the middle of the shaft.
  const double x1 = X(1.4), y1 = Y(2.0);
  EXPECT_TRUE(Near(blue[3]->points[1], x1 - s * 5, y1));
  EXPECT_TRUE(Near(blue[4]->points[1], x1 - h, y1 - kMm));
  EXPECT_TRUE(Near(blue[5]->points[1], x1 - h, y1 + kMm));
  EXPECT_TRUE(Near(TextOp(c, "H1")->points[0], x1 - s * 5 / 2, y1 - 212.625));
  // Vertical distributed 20 .. 10 from 1.5 to 3.0 at 3.0: brush 3.
  const CanvasOp* v = blue[6];
  ASSERT_EQ(v->kind, CanvasOpKind::Polygon);
  EXPECT_EQ(v->style.brushStyle, 3);
  EXPECT_EQ(v->style.brushColor, kBlueC);
  EXPECT_TRUE(Near(v->points[1], X(1.5), y0 - s * 20));
  EXPECT_TRUE(Near(v->points[2], X(3.0), y0 - s * 10));
  EXPECT_TRUE(Near(TextOp(c, "分布")->points[0], (X(1.5) + X(3.0)) / 2, y0 - s * 20 - 212.625));
  // Horizontal distributed 0 .. 8 from 0.5 up to 2.5 at x 2.0: brush 2; its
  // name of blanks gives no text.
  const CanvasOp* hd = blue[7];
  EXPECT_EQ(hd->style.brushStyle, 2);
  EXPECT_TRUE(Near(hd->points[1], X(2.0), Y(0.5)));
  EXPECT_TRUE(Near(hd->points[2], X(2.0) + s * 8, Y(2.5)));
  // Texts: the three names, nothing for the blank one or the undrawn load.
  std::vector<std::string> names;
  for (const CanvasOp* op : OpsOf(c, CanvasOpKind::Text))
    if (op->style.textColor == 0) names.push_back(op->text);
  EXPECT_EQ(names, (std::vector<std::string>{"上載", "H1", "分布"}));
}

TEST(ArbitraryLoadFigure, ScalesEveryQuarterMetreToTheCanvasEdge) {
  auto d = LoadedWall();
  Figure f;
  DrawNiniLoad(*d, f.s.d);
  const Canvas& c = f.s.canvas;
  std::vector<const CanvasOp*> ticks;
  std::vector<std::string> labels;
  for (const CanvasOp& op : c.Ops()) {
    if (op.style.penColor != kGrey && op.style.textColor != kGrey) continue;
    if (op.kind == CanvasOpKind::Line) ticks.push_back(&op);
    if (op.kind == CanvasOpKind::Text) labels.push_back(op.text);
  }
  // The base line across the canvas, "0.0" once at the crossing.
  ASSERT_FALSE(ticks.empty());
  EXPECT_TRUE(Near(ticks[0]->points[0], 0, Y(0)));
  EXPECT_TRUE(Near(ticks[0]->points[1], 120 * kMm, Y(0)));
  // Across: GetX(x) ≤ 6804 up to x = 4.75 (19 ticks), labels 0.5 .. 4.5;
  // up: GetY(y) ≥ 0 up to y = 4.5 (18 ticks), labels 0.5 .. 4.5.
  // Lines: base, 19 ticks, front line, 18 ticks.
  EXPECT_EQ(ticks.size(), 1u + 19 + 1 + 18);
  const std::vector<std::string> nine = {"0.5", "1.0", "1.5", "2.0", "2.5",
                                         "3.0", "3.5", "4.0", "4.5"};
  std::vector<std::string> want = {"0.0"};
  want.insert(want.end(), nine.begin(), nine.end());
  want.insert(want.end(), nine.begin(), nine.end());
  EXPECT_EQ(labels, want);
  // The first tick is short (1 mm) at 0.25 m, the second long at 0.5 m.
  EXPECT_TRUE(Near(ticks[1]->points[1], X(0.25), Y(0) + kMm));
  EXPECT_TRUE(Near(ticks[2]->points[1], X(0.5), Y(0) + 1.5 * kMm));
  // The vertical long tick's label ends 1.5 mm left of the front line,
  // centred on the tick.
  const CanvasOp* up = nullptr;
  for (const CanvasOp* op : OpsOf(c, CanvasOpKind::Text))
    if (op->text == "1.0" && op->style.textAlign == 2) up = op;
  ASSERT_NE(up, nullptr);
  EXPECT_TRUE(Near(up->points[0], X(0) - 1.5 * kMm, Y(1.0) - 85));
}

TEST(ArbitraryLoadFigure, OutlinesByWallType) {
  struct Row {
    const char* name;
    std::unique_ptr<CDocument> doc;
    size_t lines;
  };
  auto keyed = section_test::GravityDoc();
  keyed->Tokki = 1;
  keyed->TokX = 0.8, keyed->TokB = 0.4, keyed->TokL = 0.3;
  Row rows[] = {
      {"gravity: 0-1-2-5-6-3-4-0", section_test::GravityDoc(), 7},
      {"gravity with key: six and the key path of five", std::move(keyed), 11},
      {"block: seven round, three inside", section_test::BlockDoc(), 10},
      // 0-1-2-5-9-10-3-4, 2-3, 5-8, 6-7, the base.
      {"mixed", section_test::MixedDoc(), 11},
  };
  for (Row& r : rows) {
    SCOPED_TRACE(r.name);
    Figure f;
    DrawNiniLoad(*r.doc, f.s.d);
    std::vector<const CanvasOp*> black;
    for (const CanvasOp* op : OpsOf(f.s.canvas, CanvasOpKind::Line))
      if (op->style.penColor == 0) black.push_back(op);
    EXPECT_EQ(black.size(), r.lines);
  }
  // The mixed wall's back comes down from 9 to 10, the foot of the upper
  // wall's backing, not straight to the lower wall's corner 3.
  auto m = section_test::MixedDoc();
  KutaiPoints p{};
  DPoint a, b;
  MakeKutaiOutline(*m, p, a, b, 0);
  Figure f;
  DrawNiniLoad(*m, f.s.d);
  const auto lines = OpsOf(f.s.canvas, CanvasOpKind::Line);
  bool nineToTen = false, nineToThree = false;
  for (const CanvasOp* op : lines) {
    if (op->style.penColor != 0) continue;
    const bool from9 = Near(op->points[0], f.s.d.GetX(p[9].X), f.s.d.GetY(p[9].Y));
    nineToTen |= from9 && Near(op->points[1], f.s.d.GetX(p[10].X), f.s.d.GetY(p[10].Y));
    nineToThree |= from9 && Near(op->points[1], f.s.d.GetX(p[3].X), f.s.d.GetY(p[3].Y));
  }
  EXPECT_TRUE(nineToTen);
  EXPECT_FALSE(nineToThree);
}

// Intensity 0 everywhere: s = 0; a point load is its two head lines, a bar
// of 2 mm across its point; a distributed load shrinks to its line.
TEST(ArbitraryLoadFigure, ZeroIntensities) {
  auto d = section_test::GravityDoc();
  SetLoads(*d, {Load("P", 0, 1.0, B, 3.0, B, 0, B), Load("Q", 2, 0.5, 1.5, 3.0, B, 0, 0)});
  Figure f;
  DrawNiniLoad(*d, f.s.d);
  const std::vector<const CanvasOp*> blue = LoadOps(f.s.canvas);
  ASSERT_EQ(blue.size(), 4u);
  const CanvasPoint at = blue[0]->points[0];
  EXPECT_TRUE(Near(blue[0]->points[1], at.x, at.y));
  EXPECT_TRUE(Near(blue[1]->points[1], at.x - kMm, at.y));
  EXPECT_TRUE(Near(blue[2]->points[1], at.x + kMm, at.y));
  for (const CanvasPoint& q : blue[3]->points) EXPECT_NEAR(q.y, at.y, 1e-9);
}

// Guards: nothing to fit gives the scale 0, and an extent so wide that a
// quarter metre is under a twip: no scale is drawn, the drawing ends.
TEST(ArbitraryLoadFigure, NoScaleWhenItWouldNeverReachTheEdge) {
  auto flat = section_test::GravityDoc();
  flat->WallH = 0;
  flat->GrwB = flat->GrwB1 = flat->GrwB2 = flat->GrwB4 = flat->GrwH1 = 0;
  auto wide = section_test::GravityDoc();
  SetLoads(*wide, {Load("far", 0, 1e9, B, 1.0, B, 10, B)});
  for (CDocument* d : {flat.get(), wide.get()}) {
    Figure f;
    const auto start = std::chrono::steady_clock::now();
    DrawNiniLoad(*d, f.s.d);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(TextOp(f.s.canvas, "0.0"), nullptr);
    for (const CanvasOp& op : f.s.canvas.Ops()) EXPECT_NE(op.style.penColor, kGrey);
    figure_test::ExpectFinite(f.s.canvas);
  }
}

}  // namespace
}  // namespace norva

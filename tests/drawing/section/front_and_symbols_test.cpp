// The fit through the canvas, the symbols and the front bands on a recorded
// canvas.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "drawing/section/front_layer.h"
#include "drawing/section/section_colours.h"
#include "drawing/section/section_fit.h"
#include "drawing/section/section_symbols.h"
#include "figure_tokens.h"
#include "section_docs.h"

namespace norva {
namespace {

using section_test::Join;
using section_test::StripGravity;
using section_test::TestFigure;
using section_test::Tokens;

constexpr double kMm = 56.7;

TEST(SectionFitOnCanvas, ReportCanvasWorkedExample) {
  // A 125 × 137.5 mm surface in twips.
  Canvas canvas;
  canvas.SetScale(0, 0, 125 * kMm, 137.5 * kMm);
  cDraw d;
  d.SetCanvas(&canvas);
  DrawFitState fit;
  fit.DrwSunpRows = {4, 2, 3, 2};
  FitDrawArea(d, fit, 5.0, 6.0);
  EXPECT_EQ(d.MarginLeft(), 3);
  EXPECT_EQ(d.MarginBottom(), 3);
  EXPECT_NEAR(fit.DrwAreaBox.left, 3 * kMm, 1e-9);
  EXPECT_NEAR(fit.DrwAreaBox.right, 122 * kMm, 1e-9);
  EXPECT_NEAR(fit.DrwAreaBox.bottom, 134.5 * kMm, 1e-9);
  EXPECT_EQ(fit.DrwWorldSize.width, 5.0);
  EXPECT_EQ(fit.DrwWorldSize.height, 6.0);
  EXPECT_NEAR(d.ScX(), 816.48, 1e-9);
  EXPECT_NEAR(d.ScY(), 816.48, 1e-9);
  EXPECT_NEAR(d.Xoo() / kMm, 31.0, 1e-9);
  EXPECT_NEAR(d.Yoo() / kMm, 114.2, 1e-9);
  EXPECT_TRUE(canvas.Ops().empty());
}

TEST(SectionSymbols, WaterSymbolInColourAndOutline) {
  // s = 113.4 at (1000, 2000): triangle (1000 ∓ 45.36, 2000 − 113.4 cos 30°)
  // down to the apex; bars of half-lengths 56.7, 34.02, 11.34 at 0.5, 1.0 and
  // 1.5 mm below.
  const double top = 2000 - 113.4 * std::sqrt(3.0) / 2;
  for (bool colour : {true, false}) {
    SCOPED_TRACE(colour);
    TestFigure f;
    f.d.SetPenColor(0x123456);
    DrawSuiiMark(f.d, 1000, 2000, 113.4, colour);
    const auto& ops = f.canvas.Ops();
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[0].kind, colour ? CanvasOpKind::Polygon : CanvasOpKind::PolyLine);
    ASSERT_EQ(ops[0].points.size(), 4u);
    EXPECT_NEAR(ops[0].points[0].x, 1000 - 45.36, 1e-9);
    EXPECT_NEAR(ops[0].points[0].y, top, 1e-9);
    EXPECT_NEAR(ops[0].points[1].x, 1000 + 45.36, 1e-9);
    EXPECT_NEAR(ops[0].points[2].y, 2000, 1e-9);
    EXPECT_EQ(ops[0].style.penColor, colour ? kBlue : kBlack);
    if (colour) {
      EXPECT_EQ(ops[0].style.brushStyle, 0);
      EXPECT_EQ(ops[0].style.brushColor, kWaterColour);
    }
    const double half[] = {56.7, 34.02, 11.34};
    const double below[] = {28.35, 56.7, 85.05};
    for (int k = 0; k < 3; ++k) {
      const CanvasOp& bar = ops[1 + k];
      EXPECT_EQ(bar.kind, CanvasOpKind::Line);
      EXPECT_NEAR(bar.points[0].x, 1000 - half[k], 1e-9);
      EXPECT_NEAR(bar.points[1].x, 1000 + half[k], 1e-9);
      EXPECT_NEAR(bar.points[0].y, 2000 + below[k], 1e-9);
      EXPECT_EQ(bar.style.penColor, colour ? kBlue : kBlack);
    }
    EXPECT_EQ(f.d.PenColor(), kBlack);
    EXPECT_EQ(f.d.BrushStyle(), 1);
  }
}

TEST(SectionSymbols, GroundSymbolRestoresThePenStyle) {
  TestFigure f;
  f.d.SetPenStyle(2);
  f.d.SetPenColor(0x123456);
  DrawJibanMark(f.d, 1000, 2000, 283.5, 0.3);
  ASSERT_EQ(f.canvas.Ops().size(), 9u);
  for (const CanvasOp& op : f.canvas.Ops()) {
    EXPECT_EQ(op.style.penStyle, 0);
    EXPECT_EQ(op.style.penColor, kBlack);
  }
  EXPECT_EQ(f.d.PenStyle(), 2);
  EXPECT_EQ(f.d.PenColor(), kBlack);
  EXPECT_EQ(section_test::GroundAt(f.canvas.Ops()[0]), "G " + section_test::Pt(1000, 2000));
  // A size that is not positive draws nothing.
  DrawJibanMark(f.d, 1000, 2000, 0, 0);
  EXPECT_EQ(f.canvas.Ops().size(), 9u);
}

TEST(FrontBand, DrawnWithSurfaceLineAndSymbol) {
  // Band 0..1.0: the face at 1.0 lies at 1.42. The symbol 3 mm right of the
  // left end on the surface: model x 0.1701 at this scale.
  struct Row {
    const char* name;
    double top, bottom;
    uint32_t fill;
    bool water, colour;
    std::vector<std::string> want;
  };
  const Row rows[] = {
      {"soil in colour",
       1.0,
       0,
       kSoilColour,
       false,
       true,
       {"fill FFCC66 1.42,1 1.3,0.5 1,0.5 1,0 0,0 0,1", "line 000000 0,1 1.42,1", "G 0.1701,1"}},
      {"soil in black and white: line and symbol only",
       1.0,
       0,
       kSoilColour,
       false,
       false,
       {"line 000000 0,1 1.42,1", "G 0.1701,1"}},
      {"water band on the toe top",
       1.0,
       0.5,
       kWaterColour,
       true,
       true,
       {"fill 00FFFF 1.42,1 1.3,0.5 0,0.5 0,1", "line 000000 0,1 1.42,1", "W 0.1701,1"}},
      {"water band, black and white",
       1.0,
       0.5,
       kWaterColour,
       true,
       false,
       {"line 000000 0,1 1.42,1", "W/ 0.1701,1"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    TestFigure f;
    DrawFrontLayer(f.d, StripGravity(), r.top, r.bottom, r.fill, r.water, r.colour);
    const auto got = Tokens(f.canvas);
    EXPECT_EQ(got, r.want) << Join(got);
    // The filled band is outlined in its own colour; the surface line is black.
    if (r.colour) {
      EXPECT_EQ(f.canvas.Ops()[0].style.penColor, r.fill);
    }
  }
}

}  // namespace
}  // namespace norva

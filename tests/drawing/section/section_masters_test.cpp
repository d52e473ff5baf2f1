// The section masters and the entry on a recorded 125 × 137.5 mm canvas:
// wall polygons per variant in colour and black, bands, back ground,
// dimension texts, and a canvas left alone when nothing can be drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/nulls.h"
#include "drawing/section/section_colours.h"
#include "drawing/section/section_drawing.h"
#include "mm_surface.h"
#include "section_docs.h"

namespace norva {
namespace {

using section_test::BlockDoc;
using section_test::GravityDoc;
using section_test::LeaningDoc;
using section_test::MixedDoc;

struct Report : section_test::MmSurface {
  Report() : MmSurface(125, 137.5) {}
  // Point counts of the wall polygons: in colour the grey Polygons, in black
  // the closed PolyLines drawn with a 0.1 mm pen.
  std::vector<size_t> Walls(bool colour) const {
    std::vector<size_t> n;
    for (const CanvasOp& op : canvas.Ops()) {
      if (colour && op.kind == CanvasOpKind::Polygon && op.style.brushColor == kWallColour)
        n.push_back(op.points.size());
      if (!colour && op.kind == CanvasOpKind::PolyLine && op.points.size() > 3 &&
          op.points.front().x == op.points.back().x && op.points.front().y == op.points.back().y &&
          op.style.penWidth > 5)
        n.push_back(op.points.size());
    }
    return n;
  }
  bool HasText(const std::string& s) const { return !TextsOf(s).empty(); }
};

TEST(SectionMasters, WallPolygonsPerVariantInColourAndBlack) {
  struct Row {
    const char* name;
    std::function<std::unique_ptr<CDocument>()> make;
    std::function<void(CDocument&)> edit;
    std::vector<size_t> polygons;  // colour; black has one point more each
  };
  auto key = [](CDocument& d) {
    d.Tokki = 1;
    d.nKeisya = 1;
    d.TokX = 0.5;
    d.TokB = 0.4;
    d.TokL = 0.3;
  };
  const Row rows[] = {
      {"gravity", GravityDoc, [](CDocument&) {}, {7}},
      {"gravity with key", GravityDoc, key, {11}},
      {"block", BlockDoc, [](CDocument&) {}, {5, 4, 4, 3}},
      {"block without footing or backing",
       BlockDoc,
       [](CDocument& d) {
         d.nBlkFound = 1;
         d.BlkDeltT1 = d.BlkDeltT2 = 0;
       },
       {4, 3}},
      {"leaning with key", LeaningDoc, key, {11}},
      {"mixed with key", MixedDoc, key, {9, 4, 4, 3}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    for (bool colour : {true, false}) {
      SCOPED_TRACE(colour);
      auto d = r.make();
      r.edit(*d);
      Report rep;
      DrawKutaiSunp(*d, rep.d, 0, colour);
      std::vector<size_t> want = r.polygons;
      if (!colour)
        for (size_t& n : want) ++n;
      EXPECT_EQ(rep.Walls(colour), want);
    }
  }
}

TEST(SectionMasters, GravityFigureInColourAndBlack) {
  // GravityDoc with front soil 1.0 and front water 0.6 in it, back water 1.2.
  auto d = GravityDoc();
  d->nWater = 1;
  d->SetSoilFH(0, 1.0);
  d->SetWatFH(0, 0.6);
  d->SetWatBH(0, 1.2);
  Report col;
  col.d.DrawLine(0, 0, 100, 100, false);  // cleared by the master
  KutaiPoints o{};
  DPoint a, b;
  MakeKutaiOutline(*d, o, a, b, 0);
  const DrawFitState fit = DrawKutaiSunpGrw(*d, col.d, o, 0, true);
  // Strip 1.0 + wall 2.0 + back 2.0; rows 4, 2, 3, 2.
  EXPECT_NEAR(fit.DrwWorldSize.width, 5.0, 1e-12);
  EXPECT_EQ(fit.DrwSunpRows.right, 2);
  // The caller's outline stays moved by the strip.
  EXPECT_NEAR(o[0].X, 1.0, 1e-12);
  EXPECT_NEAR(o[6].X, 1.0 + 1.4, 1e-12);
  ASSERT_FALSE(col.canvas.Ops().empty());
  EXPECT_NE(col.canvas.Ops()[0].points[1].x, 100);
  // Bands: dry soil 0.6..1.0, wet soil 0..0.6; the back ground's wet soil.
  // (The water-level symbols' triangles repeat their first point.)
  std::vector<uint32_t> fills;
  for (const CanvasOp& op : col.canvas.Ops()) {
    const auto& p = op.points;
    const bool triangle = p.size() == 4 && p[0].x == p[3].x && p[0].y == p[3].y;
    if (op.kind == CanvasOpKind::Polygon && !triangle) fills.push_back(op.style.brushColor);
  }
  EXPECT_EQ(fills, (std::vector<uint32_t>{kSoilColour, kWetSoilColour, kWetSoilColour, kSoilColour,
                                          kWallColour}));
  // Dimensions: height 3000, base 2000, front levels 1000 and 600, back water
  // 1200, depth of the ground 500; blue in colour.
  for (const char* t : {"3000", "2000", "1000", "600", "1200", "500"})
    EXPECT_TRUE(col.HasText(t)) << t;
  for (const CanvasOp& op : col.canvas.Ops())
    if (op.kind == CanvasOpKind::Text) {
      EXPECT_EQ(op.style.textColor, kBlue) << op.text;
    }

  Report bw;
  DrawKutaiSunp(*d, bw.d, 0, false);
  for (const CanvasOp& op : bw.canvas.Ops()) {
    EXPECT_NE(op.kind, CanvasOpKind::Polygon);
    if (op.kind == CanvasOpKind::Text) {
      EXPECT_EQ(op.style.textColor, kBlack) << op.text;
    }
  }
  EXPECT_TRUE(bw.HasText("1200"));
}

TEST(SectionMasters, NoStateDrawsTheWallAlone) {
  auto d = GravityDoc();
  d->nWater = 1;
  d->SetSoilFH(0, 1.0);
  d->SetWatBH(0, 1.2);
  Report rep;
  DrawKutaiSunp(*d, rep.d, -1, true);
  std::vector<uint32_t> fills;
  for (const CanvasOp& op : rep.canvas.Ops())
    if (op.kind == CanvasOpKind::Polygon) fills.push_back(op.style.brushColor);
  EXPECT_EQ(fills, std::vector<uint32_t>{kWallColour});
  EXPECT_FALSE(rep.HasText("1200"));
  EXPECT_FALSE(rep.HasText("1000"));
  EXPECT_TRUE(rep.HasText("3000"));
}

TEST(SectionMasters, NothingDrawnLeavesTheCanvasAsItWas) {
  struct Row {
    const char* name;
    std::function<void(CDocument&)> edit;
  };
  const Row rows[] = {
      {"UraHd null", [](CDocument& d) { d.UraHd = kNullDouble; }},
      {"slope without UraN", [](CDocument& d) { d.UragomeType = 1; }},
      {"wall type 5", [](CDocument& d) { d.SetWallType(5); }},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto d = GravityDoc();
    r.edit(*d);
    Report rep;
    rep.d.DrawLine(0, 0, 100, 100, false);
    rep.d.SetScX(7);
    DrawKutaiSunp(*d, rep.d, 0, true);
    EXPECT_EQ(rep.canvas.Ops().size(), 1u);
    EXPECT_EQ(rep.d.ScX(), 7);
  }
  // A cDraw without a surface: nothing happens.
  cDraw bare;
  DrawKutaiSunp(*GravityDoc(), bare, 0, true);
  EXPECT_EQ(bare.ScX(), 0);
}

TEST(SectionMasters, FrontWaterOverBlankSoilStandsOnTheBase) {
  // Without the guard the band would run from −1.7e10 m.
  auto d = GravityDoc();
  d->nWater = 1;
  d->SetSoilFH(0, kNullDouble);
  d->SetWatFH(0, 0.8);
  Report rep;
  DrawKutaiSunp(*d, rep.d, 0, true);
  const CanvasOp* band = nullptr;
  for (const CanvasOp& op : rep.canvas.Ops())
    if (op.kind == CanvasOpKind::Polygon && op.style.brushColor == kWaterColour &&
        op.points.size() != 4) {
      band = &op;
      break;
    }
  ASSERT_NE(band, nullptr);
  double lowest = -1e300;
  for (const CanvasPoint& p : band->points) lowest = std::max(lowest, p.y);
  EXPECT_NEAR(lowest, rep.d.GetY(0), 1e-9);
}

}  // namespace
}  // namespace norva

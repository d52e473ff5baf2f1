#pragma once
// A recording target for the drawing sheet and the walls the sheet tests draw.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/outline.h"
#include "drawing/base/canvas.h"
#include "drawing/sheet/sheet_run.h"
#include "drawing/sheet/sheet_sections.h"
#include "drawing/sheet/sheet_target.h"

namespace norva::sheet_test {

// Records every call in target units. Page units by default (56.7 twips a
// millimetre, y down); sxf = true gives millimetres with y up. Texts are
// measured with the fixed metrics of the canvas: half an em for a one-byte
// character, a full em for any other, lines 1.2 em high.
class RecordingTarget : public ISheetTarget {
 public:
  struct TextRec {
    double x, y;
    std::string text;
    double fontMm;
    int align;
    double angle;
  };
  struct LineRec {
    double x1, y1, x2, y2;
    int pen;
  };

  explicit RecordingTarget(bool sxf = false) : sxf_(sxf) {}

  double UnitsPerMm() const override { return sxf_ ? 1.0 : 56.7; }
  bool YDown() const override { return !sxf_; }
  double ChainMergeDistance(SheetChain::Kind kind) const override {
    if (sxf_) return 0.01;
    return kind == SheetChain::Kind::kVertical ? 1.0 : 0.01;
  }
  bool Open(SheetRun& run, const CDocument&) override {
    calls.push_back("Open");
    if (refuse) return false;
    run.SkzOrgX = 0;
    run.SkzOrgY = sxf_ ? 0 : run.SkzPaperH * 56.7;
    return true;
  }
  void Finish(SheetRun&, const CDocument&) override { calls.push_back("Finish"); }
  void SetCurrentX(double x) override { curX_ = x; }
  void SetCurrentY(double y) override { curY_ = y; }
  void Text(const std::string& t) override {
    texts.push_back({curX_, curY_, t, fontMm_, align_, angle_});
    calls.push_back("Text " + t);
  }
  void DrawLine(double x1, double y1, double x2, double y2) override {
    lines.push_back({x1, y1, x2, y2, pen_});
    calls.push_back("Line");
  }
  void DrawPolyLine(const std::vector<double>& xs, const std::vector<double>& ys) override {
    polyXs.push_back(xs);
    polyYs.push_back(ys);
    calls.push_back("PolyLine");
  }
  void SetFontSizeMm(double mm) override { fontMm_ = mm; }
  double TextWidth(const std::string& t) const override {
    if (widthMm >= 0) return widthMm * UnitsPerMm();
    FixedTextMetrics m;
    return m.TextWidth(CanvasFont{"", fontMm_}, t) * UnitsPerMm();
  }
  double TextHeight(const std::string&) const override {
    if (heightMm >= 0) return heightMm * UnitsPerMm();
    return 1.2 * fontMm_ * UnitsPerMm();
  }
  void SetTextAlign(int a) override { align_ = a; }
  void SetTextAngle(double d) override { angle_ = d; }
  void DrawChain(const SheetChain& c) override {
    chains.push_back(c);
    calls.push_back("Chain");
  }
  void SetPenStyle(int s) override {
    pen_ = s;
    calls.push_back("PenStyle " + std::to_string(s));
  }
  void BeginDimensions() override { calls.push_back("BeginDimensions"); }
  void EndDimensions() override { calls.push_back("EndDimensions"); }
  void SetFukugo(const std::string& n) override { calls.push_back("SetFukugo " + n); }
  void SetCurLineAttrib(int layer, int color, int type, int width) override {
    calls.push_back("LineAttrib " + std::to_string(layer) + " " + std::to_string(color) + " " +
                    std::to_string(type) + " " + std::to_string(width));
  }
  void SetCurFontAttrib(int layer, int color, int font, double, double, int dir) override {
    calls.push_back("FontAttrib " + std::to_string(layer) + " " + std::to_string(color) + " " +
                    std::to_string(font) + " " + std::to_string(dir));
  }
  void SetFukugoLocate(int, const std::string& n, double x, double y, double, double,
                       double) override {
    calls.push_back("Locate " + n + " " + std::to_string(x) + " " + std::to_string(y));
  }

  bool refuse = false;
  // Fixed text sizes in millimetres instead of the metrics (negative: measure).
  double widthMm = -1, heightMm = -1;
  std::vector<std::string> calls;
  std::vector<TextRec> texts;
  std::vector<LineRec> lines;
  std::vector<std::vector<double>> polyXs, polyYs;
  std::vector<SheetChain> chains;

 private:
  bool sxf_;
  double curX_ = 0, curY_ = 0, fontMm_ = 0, angle_ = 0;
  int align_ = 0, pen_ = 0;
};

// Gravity wall H 3.0, base 2.0, face run 0.6, crest 0.5, toe 0.3 x 0.5 high,
// on a level base; levelling concrete 0.1 and base material 0.2 projecting
// 0.1; A3 at 1:50, margins 20, no quantity table, no drain holes.
inline void GravityWall(CDocument& d) {
  d.SetWallType(1);
  d.WallH = 3.0;
  d.GrwB = 2.0;
  d.GrwB1 = 0.6;
  d.GrwB2 = 0.5;
  d.GrwB4 = 0.3;
  d.GrwH1 = 0.5;
  d.nKeisya = 1;
  d.KeisyaH = 0;
  d.Tokki = 0;
  d.KisoH1 = 0.1;
  d.KisoH2 = 0.2;
  d.KisoB = 0.1;
  d.Mizunuki = 0;
  d.Sheet = 3;
  d.DrwScale = 4;
  d.Suryou = 1;
  for (int i = 0; i < 4; ++i) d.SetMargin(i, 20);
}

// Leaning wall: front face 1.5 high leaning 0.3, toe 0.4 wide x 0.5 high,
// crest 0.5, back face leaning 0.45 with its foot 0.3 below the toe's top;
// level base, levelling concrete 0.1 projecting 0.1, no base material.
inline void LeaningWall(CDocument& d) {
  d.SetWallType(2);
  d.MtwH1 = 1.5;
  d.MtwH2 = 0.5;
  d.MtwH3 = 0.3;
  d.MtwB1 = 0.4;
  d.MtwB2 = 0.3;
  d.MtwB3 = 0.5;
  d.MtwB4 = 0.45;
  d.WallH = 2.0;
  d.nKeisya = 1;
  d.KeisyaH = 0;
  d.Tokki = 0;
  d.KisoH1 = 0.1;
  d.KisoH2 = 0;
  d.KisoB = 0.1;
  d.Mizunuki = 0;
  d.Sheet = 3;
  d.DrwScale = 4;
  d.Suryou = 1;
}

// Mixed wall: blocks 0.35 at 1:0.3 and 1.5 high on a lower wall 1.0 high,
// base 1.6, face run 0.3, joint 0.9 wide falling 0.1 with a step of 0.2;
// back concrete 0.1 / 0.15; both layers 0.1 projecting 0.1; level base.
inline void MixedWall(CDocument& d) {
  d.SetWallType(3);
  d.MxwH1 = 1.5;
  d.MxwH2 = 1.0;
  d.MxwH3 = 0.1;
  d.BlkT = 0.35;
  d.BlkN = 0.3;
  d.BlkDeltT1 = 0.1;
  d.BlkDeltT2 = 0.15;
  d.nBlkSetup = 0;
  d.GrwB = 1.6;
  d.GrwB1 = 0.3;
  d.GrwB2 = 0.9;
  d.GrwB3 = 0.2;
  d.WallH = 2.5;
  d.nKeisya = 1;
  d.KeisyaH = 0;
  d.Tokki = 0;
  d.Sisin = 2;
  d.KisoH1 = 0.1;
  d.KisoH2 = 0.1;
  d.KisoB = 0.1;
  d.Mizunuki = 0;
  d.Sheet = 3;
  d.DrwScale = 4;
  d.Suryou = 1;
}

// Block masonry wall H 2.0, blocks 0.35 at 1:0.3 laid normal to the face,
// back concrete 0.1 / 0.2, no footing concrete; both layers, 0.1 projection.
inline void BlockWallNoFooting(CDocument& d) {
  d.SetWallType(0);
  d.WallH = 2.0;
  d.BlkT = 0.35;
  d.BlkN = 0.3;
  d.BlkDeltT1 = 0.1;
  d.BlkDeltT2 = 0.2;
  d.nBlkSetup = 0;
  d.nBlkFound = 1;
  d.Sisin = 2;
  d.nKeisya = 1;
  d.KeisyaH = 0;
  d.KisoH1 = 0.1;
  d.KisoH2 = 0.2;
  d.KisoB = 0.1;
  d.Mizunuki = 0;
  d.Sheet = 3;
  d.DrwScale = 4;
  d.Suryou = 1;
}

inline bool Near(double a, double b, double tol = 1e-6) { return std::fabs(a - b) <= tol; }

inline SheetPoints Outline(const CDocument& d) {
  KutaiPoints k{};
  DPoint a, b;
  MakeKutaiOutline(d, k, a, b, 0);
  SheetPoints p{};
  std::copy(k.begin(), k.end(), p.begin());
  return p;
}

inline void ExpectChain(const SheetChain& c, SheetChain::Kind kind, double pos,
                        const std::vector<double>& xs, const std::vector<double>& ys,
                        const std::vector<std::string>& texts, const char* typ = "UU") {
  EXPECT_EQ(c.kind, kind);
  EXPECT_NEAR(c.pos, pos, 1e-9);
  ASSERT_EQ(c.xs.size(), xs.size());
  for (size_t i = 0; i < xs.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(c.xs[i], xs[i], 1e-9);
    EXPECT_NEAR(c.ys[i], ys[i], 1e-9);
  }
  EXPECT_EQ(c.texts, texts);
  EXPECT_EQ(c.typ, typ);
}

inline void ExpectSegment(const SheetSegment& s, double x1, double y1, double x2, double y2) {
  EXPECT_NEAR(s.x1, x1, 1e-9);
  EXPECT_NEAR(s.y1, y1, 1e-9);
  EXPECT_NEAR(s.x2, x2, 1e-9);
  EXPECT_NEAR(s.y2, y2, 1e-9);
}

}  // namespace norva::sheet_test

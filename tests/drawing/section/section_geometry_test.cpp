// Pure geometry of the section drawing: the fit, the extents, the back-soil
// boundary, the front band and the drawability checks, against hand values.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "document/nulls.h"
#include "drawing/section/back_ground.h"
#include "drawing/section/front_layer.h"
#include "drawing/section/section_checks.h"
#include "drawing/section/section_fit.h"
#include "drawing/section/section_symbols.h"
#include "section_docs.h"

namespace norva {
namespace {

using section_test::BlockDoc;
using section_test::GravityDoc;
using section_test::LeaningDoc;
using section_test::MixedDoc;
using section_test::StripGravity;

constexpr double kMm = 56.7;

// The drawing area of a canvas w × h mm with the 3 mm margins.
TwipBox AreaOf(double wMm, double hMm) {
  return {3 * kMm, 3 * kMm, wMm * kMm - 3 * kMm, hMm * kMm - 3 * kMm};
}

DrawFitState Fit(double wMm, double hMm, SunpRows rows, double W, double H) {
  DrawFitState f;
  f.DrwSunpRows = rows;
  f.DrwAreaBox = AreaOf(wMm, hMm);
  f.DrwWorldSize = {W, H};
  f.DrwInnerBox = InnerBoxOf(f.DrwAreaBox, rows);
  return f;
}

// ---- fit ---------------------------------------------------------------------

TEST(SectionFit, WorkedExampleOfTheReportCanvas) {
  // 125 × 137.5 mm, rows 4, 2, 3, 2: bands 28, 19, 23.5, 19 mm; inner box
  // (31, 26.5)-(103, 115.5) mm, 72 × 89 mm.
  const DrawFitState f = Fit(125, 137.5, {4, 2, 3, 2}, 5.0, 6.0);
  EXPECT_NEAR(f.DrwInnerBox.left, 31 * kMm, 1e-9);
  EXPECT_NEAR(f.DrwInnerBox.top, 26.5 * kMm, 1e-9);
  EXPECT_NEAR(f.DrwInnerBox.right, 103 * kMm, 1e-9);
  EXPECT_NEAR(f.DrwInnerBox.bottom, 115.5 * kMm, 1e-9);
  const DrawScale s = ComputeDrawScale(f);
  // ScX = 72 × 56.7 / 5 = 816.48 < ScY = 89 × 56.7 / 6 = 841.05.
  EXPECT_NEAR(s.ScX, 816.48, 1e-9);
  EXPECT_NEAR(s.ScY, 816.48, 1e-9);
  // The box fills the width: Xoo at the inner left, 31 mm.
  EXPECT_NEAR(s.Xoo / kMm, 31.0, 1e-9);
  // Yoo = 115.5 mm − (89 mm − 6 × 816.48 / 56.7 mm) / 2 = 115.5 − 1.3 = 114.2 mm.
  EXPECT_NEAR(s.Yoo / kMm, 114.2, 1e-9);
}

TEST(SectionFit, CasesWorkedOutByHand) {
  struct Row {
    const char* name;
    double wMm, hMm;
    SunpRows rows;
    double W, H;
    double sc, xooMm, yooMm;
  };
  const Row rows[] = {
      // Report area figure 75 × 82.5 mm, rows 0: inner box 13..62 × 13..69.5 mm
      // (49 × 56.5). ScX = 49 × 56.7 / 2 = 1389.15, ScY = 56.5 × 56.7 / 3 =
      // 1067.85; Xoo = 13 + (49 − 2 × 1067.85 / 56.7) / 2 = 13 + 5.6666… mm.
      {"report area figure, rows 0",
       75,
       82.5,
       {0, 0, 0, 0},
       2.0,
       3.0,
       1067.85,
       13 + (49 - 2 * 1067.85 / kMm) / 2,
       69.5},
      // Square 100 mm canvas, box 10 × 2 m: Sc = 74 × 56.7 / 10 = 419.58, the
      // width fills the inner box, Yoo = 87 − (74 − 2 × 419.58 / 56.7) / 2 mm.
      {"wide box on a square canvas",
       100,
       100,
       {0, 0, 0, 0},
       10.0,
       2.0,
       419.58,
       13,
       87 - (74 - 2 * 419.58 / kMm) / 2},
      // Zero height: scale 0, the origin at the centre of the inner box.
      {"zero height", 100, 100, {0, 0, 0, 0}, 5.0, 0.0, 0.0, 50, 50},
      // A negative row count counts as 0.
      {"negative rows",
       100,
       100,
       {-3, -1, -2, -5},
       10.0,
       2.0,
       419.58,
       13,
       87 - (74 - 2 * 419.58 / kMm) / 2},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const DrawScale s = ComputeDrawScale(Fit(r.wMm, r.hMm, r.rows, r.W, r.H));
    EXPECT_NEAR(s.ScX, r.sc, 1e-9);
    EXPECT_NEAR(s.ScY, r.sc, 1e-9);
    EXPECT_NEAR(s.Xoo / kMm, r.xooMm, 1e-9);
    EXPECT_NEAR(s.Yoo / kMm, r.yooMm, 1e-9);
  }
}

TEST(SectionFit, RowsZeroLeaveThirteenMillimetresOnEverySide) {
  const DrawFitState f = Fit(75, 82.5, {0, 0, 0, 0}, 1, 1);
  EXPECT_NEAR(f.DrwInnerBox.left / kMm, 13, 1e-9);
  EXPECT_NEAR(f.DrwInnerBox.top / kMm, 13, 1e-9);
  EXPECT_NEAR(f.DrwInnerBox.right / kMm, 75 - 13, 1e-9);
  EXPECT_NEAR(f.DrwInnerBox.bottom / kMm, 82.5 - 13, 1e-9);
}

TEST(SectionFit, NonFiniteWorldGivesScaleZeroNotNaN) {
  const DrawScale s = ComputeDrawScale(Fit(100, 100, {}, NAN, 3.0));
  EXPECT_EQ(s.ScX, 0.0);
  EXPECT_EQ(s.ScY, 0.0);
  EXPECT_NEAR(s.Xoo / kMm, 50, 1e-9);
  EXPECT_NEAR(s.Yoo / kMm, 50, 1e-9);
}

TEST(SectionFit, RowLinesLieOutsideTheBox) {
  // Row k at (k − 1) × 4.5 + 10 mm; row 0 at 5.5 mm.
  EXPECT_NEAR(SunpRowOffset(1), 10 * kMm, 1e-9);
  EXPECT_NEAR(SunpRowOffset(4), 23.5 * kMm, 1e-9);
  EXPECT_NEAR(SunpRowOffset(0), 5.5 * kMm, 1e-9);
}

// ---- extents --------------------------------------------------------------------

TEST(SectionExtent, ByWallTypeAndKeyRule) {
  KutaiPoints p{};
  p[0] = {0, 0.2};
  p[3] = {2.0, 0.5};
  p[4] = {2.0, 0};
  p[6] = {1.4, 3.0};
  p[9] = {1.7, 3.5};
  struct Row {
    const char* name;
    int wallType;
    int tokki;
    int16_t keisya;
    double w, h;
  };
  const Row rows[] = {
      {"block: to point 9", 0, 0, 1, 1.7, 3.5},
      {"block with key: TokL never added", 0, 1, 1, 1.7, 3.5},
      {"gravity: heel beyond crest", 1, 0, 1, 2.0, 3.0},
      {"gravity, key, level base: + TokL", 1, 1, 1, 2.0, 3.0 + 0.4},
      {"gravity, key, inclined base: no TokL", 1, 1, 0, 2.0, 3.0},
      {"leaning: to point 6", 2, 0, 1, 1.4, 3.0},
      {"leaning, key, level base", 2, 1, 1, 1.4, 3.4},
      {"mixed: to point 9", 3, 1, 1, 1.7, 3.9},
      {"other wall type", 5, 0, 1, 0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    d.SetWallType(r.wallType);
    d.Tokki = r.tokki;
    d.nKeisya = r.keisya;
    d.TokL = 0.4;
    const DRect e = GetKutaiExtent(d, p);
    EXPECT_EQ(e.XMin, 0.0);
    EXPECT_EQ(e.YMin, 0.0);
    EXPECT_NEAR(e.XMax, r.w, 1e-12);
    EXPECT_NEAR(e.YMax, r.h, 1e-12);
  }
  // A gravity wall whose crest back lies beyond the heel runs to point 6.
  p[6] = {2.4, 3.0};
  CDocument d;
  d.SetWallType(1);
  EXPECT_NEAR(GetKutaiExtent(d, p).XMax, 2.4, 1e-12);
}

TEST(SectionExtent, BackGroundByShapeAndWallType) {
  struct Row {
    const char* name;
    std::function<std::unique_ptr<CDocument>()> make;
    std::function<void(CDocument&)> edit;
    bool ok;
    double w, h;
  };
  const Row rows[] = {
      // Gravity crest at 3.0, UraHd 0.5: the ground meets the wall at 2.5.
      {"horizontal", GravityDoc, [](CDocument&) {}, true, 0, 2.5},
      {"slope", GravityDoc,
       [](CDocument& d) {
         d.UragomeType = 1;
         d.UraN = 1.5;
       },
       true, 0, 2.5},
      {"slope, UraN null", GravityDoc, [](CDocument& d) { d.UragomeType = 1; }, false, 0, 0},
      // The Part's trapezoid: WallH 5.0, UraHd 0.5, X1 1.0, X2 2.0, H0 1.5.
      {"trapezoid", GravityDoc,
       [](CDocument& d) {
         d.WallH = 5.0;
         d.UragomeType = 2;
         d.UraX1 = 1.0;
         d.UraX2 = 2.0;
         d.UraH0 = 1.5;
       },
       true, 3.5, 6.0},
      {"trapezoid, UraX2 blank", GravityDoc,
       [](CDocument& d) {
         d.UragomeType = 2;
         d.UraX1 = 1.0;
         d.UraX2 = kNullBox;
         d.UraH0 = 1.5;
       },
       false, 0, 0},
      // Points (1, 0.5), (null, 2), (3, −0.2): widest 3, highest 0.5.
      {"arbitrary, a null point skipped", GravityDoc,
       [](CDocument& d) {
         d.UragomeType = 3;
         d.SetnUraNini(3);
         d.SetUraNiniX(0, 1.0);
         d.SetUraNiniY(0, 0.5);
         d.SetUraNiniX(1, kNullDouble);
         d.SetUraNiniY(1, 2.0);
         d.SetUraNiniX(2, 3.0);
         d.SetUraNiniY(2, -0.2);
       },
       true, 3.0, 3.0},
      {"arbitrary, all below the ground", GravityDoc,
       [](CDocument& d) {
         d.UragomeType = 3;
         d.SetnUraNini(2);
         d.SetUraNiniX(0, -1.0);
         d.SetUraNiniY(0, -0.5);
         d.SetUraNiniX(1, 2.0);
         d.SetUraNiniY(1, -0.2);
       },
       true, 2.0, 2.5},
      // UraHd null: false, but the height still comes from the points:
      // 3.0 + 1.7e10 + 1.0.
      {"arbitrary, UraHd null", GravityDoc,
       [](CDocument& d) {
         d.UragomeType = 3;
         d.UraHd = kNullDouble;
         d.SetnUraNini(1);
         d.SetUraNiniX(0, 2.0);
         d.SetUraNiniY(0, 1.0);
       },
       false, 2.0, 3.0 - kNullDouble + 1.0},
      // Leaning and mixed walls leave WallH unset: the crest (3.5) counts.
      {"leaning, horizontal", LeaningDoc, [](CDocument&) {}, true, 0, 3.0},
      {"leaning, trapezoid", LeaningDoc,
       [](CDocument& d) {
         d.UragomeType = 2;
         d.UraX1 = 0.5;
         d.UraX2 = 1.0;
         d.UraH0 = 1.0;
       },
       true, 2.0, 4.0},
      {"mixed, trapezoid", MixedDoc,
       [](CDocument& d) {
         d.UragomeType = 2;
         d.UraX1 = 0.5;
         d.UraX2 = 1.0;
         d.UraH0 = 1.0;
       },
       true, 2.0, 4.0},
      {"block, horizontal", BlockDoc, [](CDocument&) {}, true, 0, 2.5},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto d = r.make();
    r.edit(*d);
    double w = -1, h = -1;
    EXPECT_EQ(GetUragomeExtent(*d, w, h), r.ok);
    EXPECT_NEAR(w, r.w, 1e-9);
    EXPECT_NEAR(h, r.h, std::fabs(r.h) * 1e-15 + 1e-9);
  }
}

// ---- back-soil boundary ---------------------------------------------------------

// A gravity outline with a vertical back face at x 3.0 from 0.5 up to the
// crest at 4.5; with UraHd 0.5 the ground meets the wall at yb 4.0, xb 3.0.
KutaiPoints VerticalBack() {
  KutaiPoints p{};
  p[3] = {3.0, 0.5};
  p[4] = {3.0, 0};
  p[6] = {3.0, 4.5};
  return p;
}

TEST(SectionBackSoil, GetUragomeXTable) {
  struct Row {
    const char* name;
    std::function<void(CDocument&)> edit;
    double level;
    double x;
  };
  auto slope = [](CDocument& d) {
    d.UragomeType = 1;
    d.UraN = 2.0;
  };
  auto trapezoidFlat = [](CDocument& d) {
    d.UragomeType = 2;
    d.UraX1 = 1.0;
    d.UraX2 = 0.0;
    d.UraH0 = 1.0;
  };
  auto trapezoid = [](CDocument& d) {
    d.UragomeType = 2;
    d.UraX1 = 1.0;
    d.UraX2 = 2.0;
    d.UraH0 = 1.0;
  };
  auto points = [](std::vector<std::pair<double, double>> pts) {
    return [pts](CDocument& d) {
      d.UragomeType = 3;
      d.SetnUraNini(static_cast<int16_t>(pts.size()));
      for (size_t i = 0; i < pts.size(); ++i) {
        d.SetUraNiniX(static_cast<int>(i), pts[i].first);
        d.SetUraNiniY(static_cast<int>(i), pts[i].second);
      }
    };
  };
  const Row rows[] = {
      {"below point 3: back of the heel", slope, 0.2, 3.0},
      {"on the back face", slope, 3.0, 3.0},
      // Slope 1:2 from (3, 4), right end 8: rise (8 − 3) / 2 = 2.5.
      {"slope, level 5.0: (5 − 4) × 2 + 3", slope, 5.0, 5.0},
      {"slope, level 6.5: the right end", slope, 6.5, 8.0},
      {"slope, level 6.6: above the ground", slope, 6.6, -1},
      {"trapezoid with UraX2 0: xb + UraX1", trapezoidFlat, 4.7, 4.0},
      // Rising 1.0 over 2.0 after 1.0 level: (4.5 − 4) × 2 + 3 + 1.
      {"trapezoid, on the rise", trapezoid, 4.5, 5.0},
      {"trapezoid, above", trapezoid, 5.01, -1},
      // Points (1, 1), (3, 2): slope 1 then 1/2.
      {"arbitrary, first segment: 3 + 0.5 / 1", points({{1, 1}, {3, 2}}), 4.5, 3.5},
      {"arbitrary, second segment: 3 + 1 + 0.5 / 0.5", points({{1, 1}, {3, 2}}), 5.5, 5.0},
      {"arbitrary, above", points({{1, 1}, {3, 2}}), 6.5, -1},
      // A level equal to the highest point gives that point's x (not 0).
      {"arbitrary, at the highest point", points({{1, 1}, {3, 2}}), 6.0, 6.0},
      // Vertical steps: the step's x for every level inside it.
      {"arbitrary, vertical first step", points({{0, 1}, {2, 1.5}}), 4.5, 3.0},
      {"arbitrary, vertical later step", points({{1, 0.5}, {1, 2}}), 5.0, 4.0},
      // A null point is skipped: (1, 1), (null, 9), (3, 2) as above.
      {"arbitrary, null point skipped", points({{1, 1}, {kNullDouble, 9}, {3, 2}}), 5.5, 5.0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto d = GravityDoc();
    r.edit(*d);
    double level = r.level;
    const double x = GetUragomeX(*d, VerticalBack(), 8.0, level);
    EXPECT_NEAR(x, r.x, 1e-12);
    EXPECT_TRUE(std::isfinite(x));
  }
}

TEST(SectionBackSoil, BackFaceInterpolatedOnAnInclinedBack) {
  // Back face from (2.5, 0.5) to the crest (3.0, 4.5): at 2.5 the face lies at
  // 2.5 + 0.5 × 2 / 4 = 2.75.
  KutaiPoints p = VerticalBack();
  p[3] = {2.5, 0.5};
  auto d = GravityDoc();
  double level = 2.5;
  EXPECT_NEAR(GetUragomeX(*d, p, 8.0, level), 2.75, 1e-12);
}

TEST(SectionBackSoil, SlopeWithoutGradientIsHorizontal) {
  for (double n : {0.0, -1.0, kNullDouble}) {
    SCOPED_TRACE(n);
    auto d = GravityDoc();
    d->UragomeType = 1;
    d->UraN = n;
    double level = 4.1;
    EXPECT_EQ(GetUragomeX(*d, VerticalBack(), 8.0, level), -1);
    const BackGroundShape g = MakeBackGroundShape(*d, VerticalBack(), 8.0);
    ASSERT_EQ(g.S.size(), 2u);
    EXPECT_EQ(g.S[1].Y, 4.0);
    EXPECT_EQ(g.dh, 0.0);
  }
}

TEST(SectionBackSoil, SurfaceByShape) {
  auto d = GravityDoc();
  d->UragomeType = 2;
  d->UraX1 = 1.0;
  d->UraX2 = 2.0;
  d->UraH0 = 1.5;
  BackGroundShape g = MakeBackGroundShape(*d, VerticalBack(), 9.0);
  const std::vector<DPoint> want{{3, 4}, {4, 4}, {6, 5.5}, {9, 5.5}};
  ASSERT_EQ(g.S.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_NEAR(g.S[i].X, want[i].X, 1e-12);
    EXPECT_NEAR(g.S[i].Y, want[i].Y, 1e-12);
  }
  EXPECT_EQ(g.dh, 1.5);

  // The cut rises at 1:0.5 from 1.0 behind the heel, (4, 0): x = 4 + 0.5 y.
  // It passes y 4 at x 6 (beyond the flat part 3..4); the line of the rise,
  // y = 4 + 0.75 (x − 4), it would meet at y 6.4 (beyond the rise's top 5.5);
  // so it meets the last part (y 5.5) at x = 4 + 2.75 = 6.75.
  d->BackType = 1;
  d->KiriD = 1.0;
  d->KiriN = 0.5;
  DPoint foot, end;
  ASSERT_TRUE(CutFaceEnds(*d, g, 9.0, foot, end));
  EXPECT_NEAR(foot.X, 4.0, 1e-12);
  EXPECT_NEAR(foot.Y, 0.0, 1e-12);
  EXPECT_NEAR(end.X, 6.75, 1e-9);
  EXPECT_NEAR(end.Y, 5.5, 1e-9);

  // A gentle cut (1:3) stays below the ground up to the right end 9:
  // it ends there at (9, (9 − 4) / 3).
  d->KiriN = 3.0;
  ASSERT_TRUE(CutFaceEnds(*d, g, 9.0, foot, end));
  EXPECT_NEAR(end.X, 9.0, 1e-12);
  EXPECT_NEAR(end.Y, 5.0 / 3, 1e-12);

  // No gradient or no distance: no cut.
  for (double n : {0.0, kNullDouble}) {
    d->KiriN = n;
    EXPECT_FALSE(CutFaceEnds(*d, g, 9.0, foot, end));
  }
  d->KiriN = 0.5;
  d->KiriD = kNullBox;
  EXPECT_FALSE(CutFaceEnds(*d, g, 9.0, foot, end));
  // A foot beyond the right end stops at it.
  d->KiriD = 7.0;
  ASSERT_TRUE(CutFaceEnds(*d, g, 9.0, foot, end));
  EXPECT_EQ(foot.X, 9.0);
  EXPECT_EQ(end.X, 9.0);
  EXPECT_EQ(end.Y, 0.0);
}

// ---- front band -------------------------------------------------------------------

void ExpectPolygon(const std::vector<DPoint>& got, const std::vector<DPoint>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(got[i].X, want[i].X, 1e-12);
    EXPECT_NEAR(got[i].Y, want[i].Y, 1e-12);
  }
}

TEST(SectionFrontBand, PolygonTable) {
  // Face at 1.0: 1.3 + 0.6 × 0.5 / 2.5 = 1.42.
  struct Row {
    const char* name;
    KutaiPoints o;
    double top, bottom;
    std::vector<DPoint> want;
  };
  KutaiPoints inclined = StripGravity();
  inclined[0] = {1.0, 0.3};
  inclined[1] = {1.0, 0.8};
  inclined[2] = {1.3, 0.8};
  const Row rows[] = {
      {"band 0 to 1.0: six points, point 0 not added",
       StripGravity(),
       1.0,
       0.0,
       {{1.42, 1.0}, {1.3, 0.5}, {1.0, 0.5}, {1.0, 0.0}, {0, 0}, {0, 1.0}}},
      {"band on the toe top: bottom on the face above the toe",
       StripGravity(),
       1.0,
       0.5,
       {{1.42, 1.0}, {1.3, 0.5}, {0, 0.5}, {0, 1.0}}},
      {"top at the toe top: on the toe's face",
       StripGravity(),
       0.5,
       0.0,
       {{1.0, 0.5}, {1.0, 0.0}, {0, 0}, {0, 0.5}}},
      // Toe 0.3 above the heel bottom: below it the face is the base 0-4,
      // at 0.1: 1 + 2 × 0.2 / 0.3.
      {"inclined base",
       inclined,
       0.6,
       0.1,
       {{1.0, 0.6}, {1.0, 0.3}, {1.0 + 2 * 0.2 / 0.3, 0.1}, {0, 0.1}, {0, 0.6}}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    double xTop = -1;
    ExpectPolygon(FrontLayerPolygon(r.o, r.top, r.bottom, xTop), r.want);
    EXPECT_NEAR(xTop, r.want[0].X, 1e-12);
  }
}

// ---- ground symbol ---------------------------------------------------------------

TEST(SectionSymbols, GroundStrokesUnturnedAndTurned) {
  const double s = 283.5, d = s / 7, x = 1000, y = 2000;
  auto st = JibanMarkStrokes(x, y, s, 0);
  // First stroke from (x − 1.5 d, y) down to (x − 2.5 d, y + s / 4).
  EXPECT_NEAR(st[0].x1, x - 1.5 * d, 1e-9);
  EXPECT_NEAR(st[0].y1, y, 1e-9);
  EXPECT_NEAR(st[0].x2, x - 2.5 * d, 1e-9);
  EXPECT_NEAR(st[0].y2, y + s / 4, 1e-9);
  // Last stroke from (x + 4.5 d, y) to (x + 3.5 d, y + s / 4).
  EXPECT_NEAR(st[8].x1, x + 4.5 * d, 1e-9);
  EXPECT_NEAR(st[8].x2, x + 3.5 * d, 1e-9);
  // Middle group about u = x + d; tan θ = d / (s / 4) = 4 / 7, so cos θ =
  // 7 / √65 and sin θ = 4 / √65; stroke 3 starts 1.5 d cos θ back along θ.
  const double c = 7 / std::sqrt(65.0), sn = 4 / std::sqrt(65.0);
  EXPECT_NEAR(st[3].x1, x + d - 1.5 * d * c * c, 1e-9);
  EXPECT_NEAR(st[3].y1, y + s / 4 - 1.5 * d * c * sn, 1e-9);
  EXPECT_NEAR(st[5].y1, y + s / 8 - d * c * sn, 1e-9);
  for (const DeviceLine& l : st) {
    EXPECT_GE(std::min(l.x1, l.x2), x - 2.5 * d - 1e-9);
    EXPECT_LE(std::max(l.x1, l.x2), x + 4.5 * d + 1e-9);
  }
  // Turned 90° counter-clockwise: (dx, dy) goes to (dy, −dx).
  auto tu = JibanMarkStrokes(x, y, s, std::acos(-1.0) / 2);
  EXPECT_NEAR(tu[0].x2, x + s / 4, 1e-9);
  EXPECT_NEAR(tu[0].y2, y + 2.5 * d, 1e-9);
  EXPECT_NEAR(tu[8].x1, x, 1e-9);
  EXPECT_NEAR(tu[8].y1, y - 4.5 * d, 1e-9);
}

// ---- drawability ------------------------------------------------------------------

TEST(SectionChecks, DrawabilityTable) {
  struct Row {
    const char* name;
    std::function<std::unique_ptr<CDocument>()> make;
    std::function<void(CDocument&)> edit;
    bool drawable;
  };
  auto keep = [](CDocument&) {};
  const Row rows[] = {
      {"gravity complete", GravityDoc, keep, true},
      {"gravity, UraHd null", GravityDoc, [](CDocument& d) { d.UraHd = kNullDouble; }, false},
      {"slope, UraN null", GravityDoc, [](CDocument& d) { d.UragomeType = 1; }, false},
      {"trapezoid, UraH0 null", GravityDoc,
       [](CDocument& d) {
         d.UragomeType = 2;
         d.UraX1 = 1;
         d.UraX2 = 1;
       },
       false},
      {"arbitrary with no points", GravityDoc, [](CDocument& d) { d.UragomeType = 3; }, true},
      {"gravity, key with TokL null", GravityDoc,
       [](CDocument& d) {
         d.Tokki = 1;
         d.TokX = 0.5;
         d.TokB = 0.4;
       },
       false},
      {"gravity, no key, level base: key inputs and KeisyaH not needed", GravityDoc,
       [](CDocument& d) { d.KeisyaH = kNullDouble; }, true},
      {"gravity, inclined base without key: KeisyaH needed", GravityDoc,
       [](CDocument& d) {
         d.nKeisya = 0;
         d.KeisyaH = kNullBox;
       },
       false},
      {"gravity, GrwB4 blank", GravityDoc, [](CDocument& d) { d.GrwB4 = kNullBox; }, false},
      {"block complete", BlockDoc, keep, true},
      {"block without footing, footing inputs null", BlockDoc,
       [](CDocument& d) {
         d.nBlkFound = 1;
         d.BlkB = d.BlkB1 = d.BlkH1 = d.BlkH2 = kNullDouble;
       },
       true},
      {"block square to the face, BlkH2 null", BlockDoc,
       [](CDocument& d) { d.BlkH2 = kNullDouble; }, false},
      {"large-block guideline, BlkH2 null", BlockDoc,
       [](CDocument& d) {
         d.BlkH2 = kNullDouble;
         d.Sisin = 3;
       },
       true},
      {"block, nBlkSetup 2", BlockDoc, [](CDocument& d) { d.nBlkSetup = 2; }, false},
      {"block, nBlkFound 2", BlockDoc, [](CDocument& d) { d.nBlkFound = 2; }, false},
      {"block, BlkDeltT2 null", BlockDoc, [](CDocument& d) { d.BlkDeltT2 = kNullDouble; }, false},
      {"leaning complete, WallH unset", LeaningDoc, keep, true},
      {"leaning, MtwN1 null", LeaningDoc, [](CDocument& d) { d.MtwN1 = kNullDouble; }, false},
      {"mixed complete, WallH unset", MixedDoc, keep, true},
      {"mixed, GrwB3 null", MixedDoc, [](CDocument& d) { d.GrwB3 = kNullDouble; }, false},
      {"mixed, key complete", MixedDoc,
       [](CDocument& d) {
         d.Tokki = 1;
         d.TokX = 0.5;
         d.TokB = 0.4;
         d.TokL = 0.3;
       },
       true},
      {"wall type 5", GravityDoc, [](CDocument& d) { d.SetWallType(5); }, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto d = r.make();
    r.edit(*d);
    EXPECT_EQ(CanDrawSection(*d), r.drawable);
  }
}

}  // namespace
}  // namespace norva

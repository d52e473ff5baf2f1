// The line-of-thrust figure: its world box and grid by hand, the line from
// section forces put in by the test, the colours, and the point file.
#include "drawing/figures/siryokusen_figure.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../section/mm_surface.h"
#include "../section/section_docs.h"
#include "calc/run/line_of_thrust.h"
#include "calc/stability/stability_status.h"
#include "document/ant_res.h"
#include "document/numeric.h"
#include "figure_test_util.h"

namespace norva {
namespace {

using figure_test::kMm;
using figure_test::Near;
using figure_test::OpsOf;

// The report's 150 × 75 mm picture: area inside 2 mm margins, digit 85
// twips (fixed metrics).
const TwipBox kArea{2 * kMm, 2 * kMm, 148 * kMm, 73 * kMm};
constexpr double kDigitMm = 85 / kMm;

// The Part's example: upper body 0.6 wide and 3.0 high, thrust x between
// 0.1 and 0.5: W = max(0.5, 0.6) − min(0.1, 0) + 1 = 1.6, H = 4.0, grid
// 0.25. Inner box: left 113.4 + 4.5·85 = 495.9, top 113.4 + 4.5 mm, right
// 8391.6, bottom 4139.1; Sc = min(7895.7 / 1.6, 3770.55 / 4) = 942.6375.
TEST(LineOfThrustFigure, WorldSizeExample) {
  const SiryokusenLayout L =
      LayoutSiryokusen(kArea, kDigitMm, 0.6, 3.0, {{0.1, 0}, {0.3, 1.5}, {0.5, 2.9}});
  EXPECT_NEAR(L.W, 1.6, 1e-12);
  EXPECT_NEAR(L.H, 4.0, 1e-12);
  EXPECT_EQ(L.g, 0.25);
  const double sc = 942.6375;
  EXPECT_NEAR(L.scale.ScX, sc, 1e-9);
  EXPECT_NEAR(L.scale.ScY, sc, 1e-9);
  // Centred, then half a metre in: Xoo = 495.9 + (7895.7 − 1.6 Sc)/2 + 0.5 Sc,
  // Yoo = 4139.1 − 0.5 Sc.
  const double bl = 495.9 + (7895.7 - 1.6 * sc) / 2;
  EXPECT_NEAR(L.scale.Xoo, bl + 0.5 * sc, 1e-9);
  EXPECT_NEAR(L.scale.Yoo, 4139.1 - 0.5 * sc, 1e-9);
  EXPECT_NEAR(L.box.left, bl, 1e-9);
  EXPECT_NEAR(L.box.right, bl + 1.6 * sc, 1e-9);
  EXPECT_NEAR(L.box.top, 368.55, 1e-9);
  EXPECT_NEAR(L.box.bottom, 4139.1, 1e-9);
}

// Points in front of the foot: W = 0.6 − (−0.3) + 1 = 1.9, and the least
// point lies half a metre inside the box's left side.
TEST(LineOfThrustFigure, NegativeXWidensTheBoxToTheLeft) {
  const SiryokusenLayout L = LayoutSiryokusen(kArea, kDigitMm, 0.6, 3.0, {{-0.3, 0}, {0.4, 2}});
  EXPECT_NEAR(L.W, 1.9, 1e-12);
  EXPECT_NEAR(L.scale.GetX(-0.3) - L.box.left, 0.5 * L.scale.ScX, 1e-9);
  EXPECT_NEAR(L.scale.GetY(-0.5), L.box.bottom, 1e-9);
}

TEST(LineOfThrustFigure, GridStepFromTheWorldWidth) {
  const double w[] = {5, 4.99, 2, 1.99, 1, 0.99};
  const double g[] = {1.0, 0.5, 0.5, 0.25, 0.25, 0.1};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(SiryokusenGridStep(w[i]), g[i]) << w[i];
}

// The section forces put in by the test: V = 10 and VX − HY = 4 below the
// crest, so the resultant lies (VX − HY)/V = 0.4 behind the front face at
// every level; at the crest level nothing (or, with `loadedTop`, a little)
// lies above. A level at failY (outline coordinates) cannot be computed.
struct Forces {
  bool loadedTop = false;
  double failY = -1;
  double crestY = 0;
  Forces() {
    SetThrustForceFn([this](CDocument&, int32_t, const KutaiPoints&, const DPoint&, const DPoint&,
                            double y, bool, CAntRes&, ThrustSums& s) {
      s = ThrustSums{};
      if (std::fabs(y - failY) < 1e-9) return StabStatus::Fail("test");
      if (y >= crestY - 1e-9) {
        if (loadedTop) s = {1, 0, 1, 0.5};
        return StabStatus::Ok();
      }
      s.V = 10, s.VX = 5, s.HY = 1;
      return StabStatus::Ok();
    });
  }
  ~Forces() { SetThrustForceFn({}); }
  Forces(const Forces&) = delete;
  Forces& operator=(const Forces&) = delete;
};

KutaiPoints Outline1(const CDocument& d) {
  KutaiPoints p{};
  DPoint a, b;
  MakeKutaiOutline(d, p, a, b, 1);
  return p;
}

TEST(LineOfThrustFigure, TwentyFiveLevelsAndTheCrestCentre) {
  auto d = section_test::BlockDoc();
  const KutaiPoints p = Outline1(*d);
  Forces f;
  f.crestY = p[5].Y;
  CAntRes res;
  res.Xd = 0.2;
  SiryokusenPlan plan = PlanSiryokusen(*d, 0, res);
  ASSERT_TRUE(plan.defined);
  // Block wall, flag 1: point 2 at the origin; body 2, 5, 9, 3.
  EXPECT_EQ(p[2].X, 0);
  EXPECT_EQ(p[2].Y, 0);
  EXPECT_NEAR(plan.wExt, p[9].X - p[0].X, 1e-12);
  EXPECT_NEAR(plan.hExt, p[9].Y - p[4].Y, 1e-12);
  EXPECT_NEAR(plan.centre, (p[5].X + p[9].X) / 2, 1e-12);
  EXPECT_NEAR(plan.footCentre.X, p[3].X / 2, 1e-12);
  ASSERT_EQ(plan.levels.size(), 25u);
  // 26 points: the top level has nothing above it, so the crest centre ends
  // the line. Point k at y = k·dh lies 0.4 behind the front face 2-5.
  ASSERT_EQ(plan.thrust.size(), 26u);
  const double dh = p[5].Y / 25;
  for (int k : {0, 7, 24}) {
    SCOPED_TRACE(k);
    const double y = k * dh;
    EXPECT_NEAR(plan.thrust[k].Y, y, 1e-9);
    EXPECT_NEAR(plan.thrust[k].X, p[5].X * y / p[5].Y + 0.4, 1e-9);
    // X in the file: from the crest centre, positive toward the front.
    EXPECT_NEAR(plan.levels[k].X, plan.centre - plan.thrust[k].X, 1e-9);
    EXPECT_EQ(plan.levels[k].V, 10);
    EXPECT_EQ(plan.levels[k].Mr, 5);
    EXPECT_EQ(plan.levels[k].Mo, 1);
  }
  EXPECT_NEAR(plan.thrust[25].X, plan.centre, 1e-12);
  EXPECT_NEAR(plan.thrust[25].Y, p[5].Y, 1e-9);

  // Forces left at the top: the line ends at the 25th point.
  f.loadedTop = true;
  EXPECT_EQ(PlanSiryokusen(*d, 0, res).thrust.size(), 25u);
  // A level that cannot be computed is left out of the line and the file.
  f.loadedTop = false;
  f.failY = 3 * dh;
  plan = PlanSiryokusen(*d, 0, res);
  EXPECT_EQ(plan.levels.size(), 24u);
  EXPECT_EQ(plan.thrust.size(), 25u);
  EXPECT_NEAR(plan.thrust[3].Y, 4 * dh, 1e-9);
}

// Mixed wall: the upper wall stands on the joint 2-10 (flag 1); the figure
// moves it by −point 2, its body is 2, 5, 9, 10 and its height Y9 − Y10.
TEST(LineOfThrustFigure, MixedWallUpperBodyInItsOwnFrame) {
  auto d = section_test::MixedDoc();
  const KutaiPoints p = Outline1(*d);
  Forces f;
  f.crestY = p[5].Y;
  CAntRes res;
  const SiryokusenPlan plan = PlanSiryokusen(*d, 0, res);
  ASSERT_TRUE(plan.defined);
  EXPECT_NEAR(p[2].Y, p[10].Y, 1e-12);
  EXPECT_NEAR(plan.wExt, p[9].X - p[2].X, 1e-12);
  EXPECT_NEAR(plan.hExt, p[9].Y - p[10].Y, 1e-12);
  ASSERT_EQ(plan.body.size(), 4u);
  EXPECT_NEAR(plan.body[0].X, 0, 1e-12);
  EXPECT_NEAR(plan.body[3].X, p[10].X - p[2].X, 1e-12);
  EXPECT_NEAR(plan.body[3].Y, 0, 1e-12);
  EXPECT_NEAR(plan.crest, p[5].Y - p[2].Y, 1e-12);
  // At the base the front face is point 2 itself: the first point lies 0.4
  // behind the figure's origin.
  ASSERT_EQ(plan.thrust.size(), 26u);
  EXPECT_NEAR(plan.thrust[0].X, 0.4, 1e-9);
  EXPECT_NEAR(plan.thrust[0].Y, 0, 1e-12);
}

TEST(LineOfThrustFigure, OtherWallTypesClearTheFigureAndWriteNoFile) {
  figure_test::TempFolder dir;
  auto d = section_test::GravityDoc();
  section_test::MmSurface s(150, 75);
  s.d.DrawLine(0, 0, 10, 10, false);
  CAntRes res;
  EXPECT_TRUE(DrawSiryokusen(*d, 0, res, s.d, true, dir / "p.DAT"));
  EXPECT_TRUE(s.canvas.Ops().empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "p.DAT"));
}

struct Drawn {
  section_test::MmSurface s{150, 75};
  std::unique_ptr<CDocument> d = section_test::BlockDoc();
  CAntRes res;
  Forces f;
  explicit Drawn(bool colour) {
    f.crestY = Outline1(*d).at(5).Y;
    res.Xd = 0.2;
    DrawSiryokusen(*d, 0, res, s.d, colour, "");
  }
};

TEST(LineOfThrustFigure, ColoursOnTheScreenAndBlackInTheReport) {
  const uint32_t grey = 0xC3C3C3, cyan = 0xFFFF00, red = 0x0000FF, blue = 0xFF0000;
  for (bool colour : {true, false}) {
    SCOPED_TRACE(colour ? "colour" : "black");
    Drawn t(colour);
    const Canvas& c = t.s.canvas;
    figure_test::ExpectFinite(c);
    size_t grid = 0, centre = 0, thrust = 0;
    for (const CanvasOp* op : OpsOf(c, CanvasOpKind::Line)) {
      const int st = op->style.penStyle;
      const uint32_t pc = op->style.penColor;
      if (st == 2) {
        ++grid;
        EXPECT_EQ(pc, colour ? grey : 0u);
      }
      if (st == 3) {
        ++centre;
        EXPECT_EQ(pc, colour ? cyan : 0u);
      }
      if (std::fabs(op->style.penWidth - 0.5 * kMm) < 1e-9) {
        ++thrust;
        EXPECT_EQ(pc, colour ? blue : 0u);
      }
    }
    EXPECT_GT(grid, 4u);
    EXPECT_EQ(centre, 1u);
    EXPECT_EQ(thrust, 25u);
    // The limit point: 0.75 mm, filled, Xd in front of the crest centre at
    // the base.
    const auto circles = OpsOf(c, CanvasOpKind::Ellipse);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_NEAR(circles[0]->rx, 0.75 * kMm, 1e-9);
    EXPECT_EQ(circles[0]->style.brushStyle, 0);
    EXPECT_EQ(circles[0]->style.brushColor, colour ? red : 0u);
    const KutaiPoints p = Outline1(*t.d);
    const double cx = (p[5].X + p[9].X) / 2;
    EXPECT_TRUE(Near(circles[0]->points[0], t.s.d.GetX(cx - 0.2), t.s.d.GetY(0), 1e-9));
    // The body: an unfilled polygon 2, 5, 9, 3.
    const auto polys = OpsOf(c, CanvasOpKind::Polygon);
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0]->style.brushStyle, 1);
    EXPECT_EQ(polys[0]->points.size(), 4u);
  }
}

// The grid labels read 0.00 at the crest centre and at the crest level,
// growing toward the front (left) and downward; the body is 2.35 × 3.5 m
// with thrust x about 0.4 .. 2.1, so W ≥ 2 and the grid is 0.5 m.
TEST(LineOfThrustFigure, GridLabelsFromTheCrestCentreAndLevel) {
  Drawn t(true);
  const Canvas& c = t.s.canvas;
  const KutaiPoints p = Outline1(*t.d);
  const double cx = (p[5].X + p[9].X) / 2, top = p[5].Y;
  auto at = [&](const std::string& s, int align) -> const CanvasOp* {
    for (const CanvasOp* op : OpsOf(c, CanvasOpKind::Text))
      if (op->text == s && op->style.textAlign == align) return op;
    return nullptr;
  };
  // Verticals: labels 170.1 above the box, centred on their lines.
  const CanvasOp* x0 = at("0.00", 1);
  ASSERT_NE(x0, nullptr);
  EXPECT_NEAR(x0->points[0].x, t.s.d.GetX(cx), 1e-9);
  ASSERT_NE(at("0.50", 1), nullptr);
  EXPECT_NEAR(at("0.50", 1)->points[0].x, t.s.d.GetX(cx - 0.5), 1e-9);
  ASSERT_NE(at("-0.50", 1), nullptr);
  EXPECT_NEAR(at("-0.50", 1)->points[0].x, t.s.d.GetX(cx + 0.5), 1e-9);
  // Horizontals: labels end a quarter digit left of the box, centred.
  const CanvasOp* y0 = at("0.00", 2);
  ASSERT_NE(y0, nullptr);
  EXPECT_NEAR(y0->points[0].y, t.s.d.GetY(top) - 85.05, 1e-9);
  ASSERT_NE(at("1.00", 2), nullptr);
  EXPECT_NEAR(at("1.00", 2)->points[0].y, t.s.d.GetY(top - 1.0) - 85.05, 1e-9);
}

// The point file: one line per level, each number with a blank or "-"
// before it and one blank after, CR LF; "." whatever the locale.
TEST(LineOfThrustFigure, PointFileLines) {
  const std::vector<SiryokuLevel> levels = {{0.125, 0, 10, 5, 1}, {-0.25, 0.14, 9.5, 4.75, -1.5}};
  const std::string want = " .125  0  10  5  1 \r\n-.25  .14  9.5  4.75 -1.5 \r\n";
  EXPECT_EQ(SiryokusenPointText(levels), want);
  // Under a locale that writes a decimal comma, when one is installed.
  const std::string old = std::setlocale(LC_NUMERIC, nullptr);
  for (const char* l : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"})
    if (std::setlocale(LC_NUMERIC, l) != nullptr) break;
  const std::string text = SiryokusenPointText(levels);
  std::setlocale(LC_NUMERIC, old.c_str());
  EXPECT_EQ(text, want);
}

TEST(LineOfThrustFigure, PointFileBesideThePicture) {
  figure_test::TempFolder dir;
  EXPECT_EQ(SiryokusenFileBase(dir.path(), 3), dir / "示力線0003");
  EXPECT_EQ(SiryokusenFileBase(dir.path() + "/", 12), dir / "示力線0012");
  EXPECT_EQ(SiryokusenFileBase(dir.path(), 123), dir / "示力線00123");
  Drawn t(false);
  const std::string file = SiryokusenFileBase(dir.path(), 0) + ".DAT";
  std::string why;
  ASSERT_TRUE(DrawSiryokusen(*t.d, 0, t.res, t.s.d, false, file, &why)) << why;
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // 25 lines, the first the base level: X from the crest centre, y 0, V 10,
  // Mr 5, Mo 1.
  size_t lines = 0;
  for (size_t i = 0; (i = bytes.find("\r\n", i)) != std::string::npos; i += 2) ++lines;
  EXPECT_EQ(lines, 25u);
  const KutaiPoints p = Outline1(*t.d);
  const double X0 = (p[5].X + p[9].X) / 2 - 0.4;
  EXPECT_EQ(bytes.substr(0, bytes.find("\r\n") + 2), SiryokusenPointText({{X0, 0, 10, 5, 1}}));
  // A folder that does not exist: the figure is drawn, the failure named.
  EXPECT_FALSE(DrawSiryokusen(*t.d, 0, t.res, t.s.d, false, dir / "no/such.DAT", &why));
  EXPECT_NE(why.find("no/such.DAT"), std::string::npos);
  EXPECT_FALSE(t.s.canvas.Ops().empty());
}

}  // namespace
}  // namespace norva

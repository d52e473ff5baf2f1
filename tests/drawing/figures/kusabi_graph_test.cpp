// The wedge graph from trial files written by the calculation's own writer.
#include "drawing/figures/kusabi_graph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "../section/mm_surface.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "figure_test_util.h"

namespace norva {
namespace {

using figure_test::kMm;
using figure_test::Near;
using figure_test::OpsOf;
using figure_test::TextOp;

// A trial file of (slip angle in degrees, PA) records.
std::string WriteTrials(const figure_test::TempFolder& dir, const std::string& name,
                        const std::vector<DPoint>& trials) {
  std::vector<std::shared_ptr<CKusabiRes>> recs;
  for (const DPoint& t : trials) {
    auto r = std::make_shared<CKusabiRes>();
    r->fOmega = t.X / kGraphDegPerRad;
    r->fPa = t.Y;
    recs.push_back(r);
  }
  const std::string path = dir / name;
  EXPECT_TRUE(WriteKusabiFile(path, recs, static_cast<int>(recs.size())));
  return path;
}

// n trials from `first` degrees at `step`, PA from the list (cycled).
std::vector<DPoint> Pass(double first, double step, int n, const std::vector<double>& pa) {
  std::vector<DPoint> t;
  for (int k = 0; k < n; ++k) t.push_back({first + k * step, pa[k % pa.size()]});
  return t;
}

struct Graph {
  figure_test::TempFolder dir;
  section_test::MmSurface s{kKusabiGraphReportWidthMm, kKusabiGraphReportHeightMm};
  CDocument doc;
  CKusabiRes wedge;
  void Draw(const std::string& file) { DrawKusabiGraph(doc, s.d, file, wedge); }
};

// Eleven trials at 1 degree from 40, worked by hand:
// G = 1, doubled from six trials: 2; x axis 39 .. 51; labels 40, 42, ... 50
// ("#0"); PA from 12.0 to 21.8: R = 9.8 writes "10", u = 10,
// hi = Fix(2.18 + .99)·10 = 30, lo = Fix(1.2 − .99)·10 = 0, s = 6 ("#0.0");
// marks on trials 1, 3, ... 11.
const std::vector<double> kEleven = {12.0, 15.5, 18.2, 20.1, 21.3, 21.8,
                                     21.5, 20.6, 19.0, 16.9, 14.2};

TEST(KusabiGraph, ElevenTrialsAtOneDegreeByHand) {
  const KusabiGraph g = MakeKusabiGraph(Pass(40, 1, 11, kEleven));
  ASSERT_TRUE(g.valid);
  EXPECT_NEAR(g.G, 2, 1e-12);
  EXPECT_NEAR(g.axes.xlo, 39, 1e-12);
  EXPECT_NEAR(g.axes.xhi, 51, 1e-12);
  EXPECT_EQ(g.axes.xLabels, (std::vector<double>{40, 42, 44, 46, 48, 50}));
  EXPECT_EQ(g.axes.xMask, "#0");
  EXPECT_EQ(g.axes.ylo, 0);
  EXPECT_EQ(g.axes.yhi, 30);
  EXPECT_NEAR(g.axes.yStep, 6, 1e-12);
  EXPECT_EQ(g.axes.yMask, "#0.0");
  EXPECT_EQ(g.marks, (std::vector<size_t>{0, 2, 4, 6, 8, 10}));
}

TEST(KusabiGraph, ElevenTrialsDrawnFromTheTrialFile) {
  Graph t;
  t.Draw(WriteTrials(t.dir, "k.dat", Pass(40, 1, 11, kEleven)));
  const Canvas& c = t.s.canvas;
  // Plot box on 125 × 62.5 mm (fixed metrics, "0" 85 wide): band of "30.0"
  // 5·85 + 3 mm; x scale over 12 degrees, y over 30 kN/m.
  const double pl = 5 * 85 + 3 * kMm, pb = 55 * kMm;
  const double sx = (125 * kMm - 170.1 - pl) / 12, sy = (pb - 170.1) / 30;
  EXPECT_NEAR(t.s.d.ScX(), sx, 1e-9);
  EXPECT_NEAR(t.s.d.ScY(), sy, 1e-9);
  for (const char* s : {"40", "42", "44", "46", "48", "50", "30.0", "0.0"})
    EXPECT_NE(TextOp(c, s), nullptr) << s;
  EXPECT_EQ(TextOp(c, "41"), nullptr);
  EXPECT_NE(TextOp(c, "すべり角ω (度)"), nullptr);
  EXPECT_NE(TextOp(c, "PA (kN/m)"), nullptr);
  // The curve: ten segments 0.5 mm wide; the first from (40, 12.0).
  std::vector<const CanvasOp*> curve;
  for (const CanvasOp* op : OpsOf(c, CanvasOpKind::Line))
    if (std::fabs(op->style.penWidth - 0.5 * kMm) < 1e-9) curve.push_back(op);
  ASSERT_EQ(curve.size(), 10u);
  EXPECT_TRUE(Near(curve[0]->points[0], pl + 1 * sx, pb - 12.0 * sy, 1e-6));
  EXPECT_TRUE(Near(curve[9]->points[1], pl + 11 * sx, pb - 14.2 * sy, 1e-6));
  // Six marks of 1 mm with their dotted drop lines, the third at 44°.
  const auto circles = OpsOf(c, CanvasOpKind::Ellipse);
  ASSERT_EQ(circles.size(), 6u);
  EXPECT_TRUE(Near(circles[2]->points[0], pl + 5 * sx, pb - 21.3 * sy, 1e-6));
  EXPECT_NEAR(circles[2]->rx, kMm, 1e-9);
  int dotted = 0;
  for (const CanvasOp* op : OpsOf(c, CanvasOpKind::Line))
    if (op->style.penStyle == 2) {
      ++dotted;
      EXPECT_NEAR(op->points[1].y, pb, 1e-9);
    }
  EXPECT_EQ(dotted, 6);
}

// The Part's edge cases of the horizontal axis, from the file.
TEST(KusabiGraph, LabelsAndMarksByNumberOfTrials) {
  struct Row {
    const char* name;
    std::vector<DPoint> trials;
    std::vector<std::string> labels;  // horizontal, in order
    size_t marks;
    double xlo, xhi;
  };
  const std::vector<double> pa = {20, 22, 23, 22.5, 21, 19};
  const Row rows[] = {
      // G = θ2 − θ1; θ2 + G lies beyond θ2 + G/2.
      {"two", Pass(40, 1, 2, pa), {"40", "41"}, 2, 39.5, 41.5},
      {"five", Pass(40, 1, 5, pa), {"40", "41", "42", "43", "44"}, 5, 39.5, 44.5},
      // G doubled: the last label at the end of the axis, where no trial is.
      {"six", Pass(40, 1, 6, pa), {"40", "42", "44", "46"}, 3, 39, 46},
      // A refined pass: 0.2° steps, G = 0.4, "#0.0", every other trial.
      {"eleven at 0.2",
       Pass(44, 0.2, 11, pa),
       {"44.0", "44.4", "44.8", "45.2", "45.6", "46.0"},
       6,
       43.8,
       46.2},
      // A gap (no 42): the curve crosses it, no mark after it.
      {"gap",
       {{40, 20}, {41, 22}, {43, 23}, {44, 22}, {45, 21}},
       {"40", "41", "42", "43", "44", "45"},
       2,
       39.5,
       45.5},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Graph t;
    t.Draw(WriteTrials(t.dir, "k.dat", r.trials));
    const KusabiGraph g = MakeKusabiGraph(r.trials);
    EXPECT_NEAR(g.axes.xlo, r.xlo, 1e-9);
    EXPECT_NEAR(g.axes.xhi, r.xhi, 1e-9);
    std::vector<std::string> got;
    for (const CanvasOp* op : OpsOf(t.s.canvas, CanvasOpKind::Text))
      if (op->style.textAngle == 0 && op->style.textAlign == 1 && op->text != "すべり角ω (度)")
        got.push_back(op->text);
    EXPECT_EQ(got, r.labels);
    EXPECT_EQ(OpsOf(t.s.canvas, CanvasOpKind::Ellipse).size(), r.marks);
    // n − 1 curve segments.
    size_t curve = 0;
    for (const CanvasOp* op : OpsOf(t.s.canvas, CanvasOpKind::Line))
      curve += std::fabs(op->style.penWidth - 0.5 * kMm) < 1e-9;
    EXPECT_EQ(curve, r.trials.size() - 1);
  }
}

TEST(KusabiGraph, EqualPressuresSpanAFewThousandths) {
  Graph t;
  t.Draw(WriteTrials(t.dir, "k.dat", Pass(40, 1, 5, {12.3456})));
  // R = 0, z = 3: 12.344 .. 12.346, step 0.0004, "0.000": the labels from
  // 12.346 down, each written to three decimals (12.3452 -> "12.345").
  std::vector<std::string> vertical;
  for (const CanvasOp* op : OpsOf(t.s.canvas, CanvasOpKind::Text))
    if (op->style.textAlign == 2) vertical.push_back(op->text);
  EXPECT_EQ(vertical,
            (std::vector<std::string>{"12.346", "12.346", "12.345", "12.345", "12.344", "12.344"}));
  EXPECT_NEAR(t.s.d.ScY(), (55 * kMm - 170.1) / 0.002, 1e-3);
}

TEST(KusabiGraph, OneRecordClearsAndAMissingFileLeavesTheCanvas) {
  Graph t;
  // Something already drawn.
  t.s.d.DrawLine(0, 0, 100, 100, false);
  t.Draw(t.dir / "missing.dat");
  EXPECT_EQ(t.s.canvas.Ops().size(), 1u);
  t.Draw("");
  EXPECT_EQ(t.s.canvas.Ops().size(), 1u);
  t.Draw(WriteTrials(t.dir, "one.dat", Pass(40, 1, 1, {20})));
  EXPECT_TRUE(t.s.canvas.Ops().empty());
}

TEST(KusabiGraph, AShortTailRecordIsNotATrial) {
  Graph t;
  const std::string path = WriteTrials(t.dir, "k.dat", Pass(40, 1, 2, {20, 21}));
  // 1300 bytes: 2.6 records round to three, the third cannot be read: the
  // graph has the two trials that are there.
  std::ofstream(path, std::ios::app | std::ios::binary) << std::string(300, '\0');
  t.Draw(path);
  EXPECT_EQ(OpsOf(t.s.canvas, CanvasOpKind::Ellipse).size(), 2u);
  // One record and a short tail count as two records but hold one trial.
  const std::string one = WriteTrials(t.dir, "one.dat", Pass(40, 1, 1, {20}));
  std::ofstream(one, std::ios::app | std::ios::binary) << std::string(300, '\0');
  t.Draw(one);
  EXPECT_TRUE(t.s.canvas.Ops().empty());
  // Angles that do not ascend are no pass: nothing but the cleared canvas.
  t.Draw(WriteTrials(t.dir, "down.dat", {{44, 20}, {43, 21}, {42, 22}}));
  EXPECT_TRUE(t.s.canvas.Ops().empty());
}

}  // namespace
}  // namespace norva

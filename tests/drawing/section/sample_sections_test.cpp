// Every sample document's section on a screen canvas (colour) and in the
// report's 125 × 137.5 mm picture (black), drawn with the real fonts and
// saved as PNG and SVG. Set NORVA_SECTION_PNG_DIR to keep the files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <string>

#include "document/document.h"
#include "document/document_file.h"
#include "document/outline.h"
#include "document/weight.h"
#include "drawing/backends/qt_picture_saver.h"
#include "drawing/base/report_picture.h"
#include "drawing/figures/doatsu_figure.h"
#include "drawing/figures/menseki_figure.h"
#include "drawing/section/section_checks.h"
#include "drawing/section/section_drawing.h"
#include "mm_surface.h"
#include "platform/canvas/canvas_render.h"

namespace norva {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "test_drawing";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

QString OutDir(QTemporaryDir& tmp) {
  const char* keep = std::getenv("NORVA_SECTION_PNG_DIR");
  if (keep && *keep) {
    QDir().mkpath(keep);
    return keep;
  }
  return tmp.path();
}

// No point, radius or text of the record is a null's digits or not finite.
void ExpectClean(const Canvas& c) {
  for (const CanvasOp& op : c.Ops()) {
    for (const CanvasPoint& p : op.points) {
      ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << op.text;
      ASSERT_LT(std::fabs(p.x), 1e6);
      ASSERT_LT(std::fabs(p.y), 1e6);
    }
    ASSERT_TRUE(std::isfinite(op.rx) && std::isfinite(op.ry));
    EXPECT_EQ(op.text.find("nan"), std::string::npos);
    EXPECT_EQ(op.text.find("inf"), std::string::npos);
    EXPECT_EQ(op.text.find("17000"), std::string::npos) << op.text;
  }
}

class SampleSections : public ::testing::TestWithParam<const char*> {};

TEST_P(SampleSections, DrawOnScreenAndInTheReportPicture) {
  App();
  CDocument doc;
  ASSERT_TRUE(DataFileReadFrom(
      doc, std::string(NORVA_SOURCE_DIR) + "/tests/fixtures/designs/" + GetParam()));
  ASSERT_TRUE(CanDrawSection(doc));
  QTemporaryDir tmp;
  const QString dir = OutDir(tmp);
  const QString base = dir + "/" + QString(GetParam()).section('.', 0, 0);

  // The screen: a canvas 160 × 140 mm in twips, colour on, normal state.
  section_test::MmSurface scr(160, 140, QtTextMetrics::Shared());
  const Canvas& screen = scr.canvas;
  cDraw& sd = scr.d;
  DrawKutaiSunp(doc, sd, 0, true);
  ASSERT_GT(screen.Ops().size(), 20u);
  ExpectClean(screen);
  bool filled = false;
  for (const CanvasOp& op : screen.Ops())
    filled = filled || (op.kind == CanvasOpKind::Polygon && op.style.brushStyle == 0);
  EXPECT_TRUE(filled);
  EXPECT_TRUE(SaveCanvasPng(screen, base + "_screen.png"));
  EXPECT_TRUE(SaveCanvasSvg(screen, base + "_screen.svg"));

  // The report picture of the design-conditions chapter: 125 × 137.5 mm,
  // colour off, state 0: nothing filled, black texts.
  SetPictureSaver(std::make_shared<QtPictureSaver>());
  ReportPicture pic(125 * 56.7, 137.5 * 56.7);
  DrawKutaiSunp(doc, pic.Draw(), 0, false);
  const Canvas& report = pic.canvas();
  ASSERT_GT(report.Ops().size(), 20u);
  ExpectClean(report);
  for (const CanvasOp& op : report.Ops()) {
    EXPECT_NE(op.kind, CanvasOpKind::Polygon) << "a filled region in the report picture";
    if (op.kind == CanvasOpKind::Text) {
      EXPECT_EQ(op.style.textColor, 0u) << op.text;
    }
  }
  std::string why;
  EXPECT_TRUE(pic.SaveSvg((base + "_KutaiSunp.svg").toStdString(), &why)) << why;
  QFile svg(base + "_KutaiSunp.svg");
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QByteArray head = svg.read(2000);
  // 7087.5 twips at 1440 per inch: 125.016 mm.
  EXPECT_TRUE(head.contains("width=\"125.016mm\"")) << head.toStdString();
  EXPECT_TRUE(head.contains("height=\"137.517mm\"")) << head.toStdString();
  EXPECT_TRUE(SaveCanvasPng(report, base + "_report.png"));
  SetPictureSaver(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SampleSections,
    ::testing::Values("gravity.nrv", "block_masonry.nrv", "leaning.nrv", "mixed.nrv"),
    [](const auto& info) {
      return std::string(info.param).substr(0, std::string(info.param).find('.'));
    });

// An area figure (the body of the gravity sample) and the check-section
// figure at mid-height, with the real fonts, as the report pictures have them.
TEST(SampleFigures, AreaAndCheckSectionPictures) {
  App();
  CDocument doc;
  ASSERT_TRUE(
      DataFileReadFrom(doc, std::string(NORVA_SOURCE_DIR) + "/tests/fixtures/designs/gravity.nrv"));
  QTemporaryDir tmp;
  const QString dir = OutDir(tmp);
  KutaiPoints p{};
  DPoint a, b;
  MakeKutaiOutline(doc, p, a, b, 0);
  CWeight body;
  const int idx[] = {0, 1, 2, 5, 6, 3, 4, 0};
  body.SetnPoint(8);
  for (int i = 0; i < 8; ++i) {
    body.SetX(i, p[idx[i]].X);
    body.SetY(i, p[idx[i]].Y);
  }
  section_test::MmSurface area(75, 82.5, QtTextMetrics::Shared());
  DrawMensekiFigure(doc, area.d, &body, DPoint{0, 0});
  ExpectClean(area.canvas);
  EXPECT_EQ(area.Of(CanvasOpKind::Text).size(), 4u);
  EXPECT_TRUE(SaveCanvasPng(area.canvas, dir + "/gravity_area.png", QSize(600, 660)));

  section_test::MmSurface check(75, 82.5, QtTextMetrics::Shared());
  DrawDoatsuFigure(doc, p[6].Y / 2, "Ⅰ", 0, check.d);
  ExpectClean(check.canvas);
  EXPECT_EQ(check.TextsOf("Ⅰ").size(), 2u);
  EXPECT_TRUE(SaveCanvasPng(check.canvas, dir + "/gravity_check_section.png", QSize(600, 660)));
}

}  // namespace
}  // namespace norva

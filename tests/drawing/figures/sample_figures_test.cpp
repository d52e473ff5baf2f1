// The load and result figures of the sample documents, drawn with the real
// fonts after a real calculation: on screen canvases (PNG) and as the
// report's pictures (SVG through the program's picture saver). Set
// NORVA_FIGURE_PNG_DIR to keep the files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "../../platform/qt/qt_test_support.h"
#include "../section/mm_surface.h"
#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/document_file.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/services.h"
#include "drawing/backends/qt_picture_saver.h"
#include "drawing/base/report_picture.h"
#include "drawing/figures/jyousai_figure.h"
#include "drawing/figures/kusabi_graph.h"
#include "drawing/figures/nini_figure.h"
#include "drawing/figures/siryokusen_figure.h"
#include "drawing/figures/wlvl_graph.h"
#include "figure_test_util.h"
#include "platform/canvas/canvas_render.h"

namespace norva {
namespace {

using figure_test::kMm;
using section_test::MmSurface;

class QuietSink final : public IMessageSink {
 public:
  MsgAnswer Show(const std::string&, const std::string& text, MsgIcon, MsgButtons) override {
    messages.push_back(text);
    return MsgAnswer::Ok;
  }
  std::vector<std::string> messages;
};

class SampleResultFigures : public ::testing::Test {
 protected:
  void SetUp() override {
    test::App();
    SetMessageSink(&sink_);
    const char* keep = std::getenv("NORVA_FIGURE_PNG_DIR");
    if (keep && *keep) {
      QDir().mkpath(keep);
      dir_ = keep;
    } else {
      dir_ = tmp_.path();
    }
  }
  void TearDown() override {
    SetMessageSink(nullptr);
    SetPictureSaver(nullptr);
  }

  std::unique_ptr<CDocument> Read(const char* name) {
    auto doc = std::make_unique<CDocument>();
    doc->FileName = std::string(NORVA_SOURCE_DIR) + "/tests/fixtures/designs/" + name + ".nrv";
    EXPECT_TRUE(DataFileRead(*doc));
    return doc;
  }
  MmSurface Screen(double wMm, double hMm) {
    MmSurface s(wMm, hMm, QtTextMetrics::Shared());
    s.d.SetWidth(wMm * kMm);
    s.d.SetHeight(hMm * kMm);
    return s;
  }
  // Saves the screen canvas as PNG and checks it holds a drawing.
  void Png(const Canvas& c, const std::string& name) {
    figure_test::ExpectFinite(c);
    EXPECT_GT(c.Ops().size(), 3u) << name;
    EXPECT_TRUE(SaveCanvasPng(c, dir_ + "/" + QString::fromStdString(name) + ".png")) << name;
  }
  // Saves a report picture as SVG (and as PNG to look at).
  void Svg(const ReportPicture& pic, const std::string& name) {
    figure_test::ExpectFinite(pic.canvas());
    EXPECT_GT(pic.canvas().Ops().size(), 5u) << name;
    std::string why;
    const QString path = dir_ + "/" + QString::fromStdString(name);
    EXPECT_TRUE(pic.SaveSvg((path + ".svg").toStdString(), &why)) << why;
    EXPECT_TRUE(QFile::exists(path + ".svg"));
    EXPECT_TRUE(SaveCanvasPng(pic.canvas(), path + ".png"));
  }

  QuietSink sink_;
  QTemporaryDir tmp_;
  QString dir_;
};

TEST_F(SampleResultFigures, SurchargeFigureOfEverySample) {
  for (const char* name : {"gravity", "block_masonry", "leaning", "mixed"}) {
    SCOPED_TRACE(name);
    auto doc = Read(name);
    MmSurface s = Screen(90, 70);
    DrawJyousai(*doc, s.d);
    Png(s.canvas, std::string(name) + "_jyousai");
  }
  // All four surcharges stacked on the gravity sample.
  auto doc = Read("gravity");
  doc->nAutoMobile = doc->nGunsyu = doc->nSnow = doc->nTakuchi = 0;
  doc->GunsyuPos = 0.5, doc->GunsyuWidth = 1.0;
  doc->TakuchiPos = 2.0, doc->TakuchiWidth = 1.5;
  doc->Doatsu = 1;
  MmSurface s = Screen(90, 70);
  DrawJyousai(*doc, s.d);
  EXPECT_EQ(figure_test::Texts(s.canvas).size(), 4u);
  Png(s.canvas, "gravity_jyousai_all");
}

TEST_F(SampleResultFigures, ArbitraryLoadsOnTheGravitySample) {
  auto doc = Read("gravity");
  auto load = [](const char* n, int16_t t, double x1, double x2, double y1, double y2, double p1,
                 double p2) {
    auto c = std::make_shared<CNini>();
    c->LoadName = n, c->nType = t, c->X1 = x1, c->X2 = x2, c->Y1 = y1, c->Y2 = y2;
    c->P1 = p1, c->P2 = p2;
    return c;
  };
  const std::vector<std::shared_ptr<CNini>> loads = {
      load("柵", 0, 0.5, kNullBox, 3.0, kNullBox, 10, kNullBox),
      load("衝突", 1, 0.3, kNullBox, 3.5, kNullBox, -5, kNullBox),
      load("盛土", 2, 1.0, 2.5, 3.0, kNullBox, 20, 5),
      load("水平", 3, 2.5, kNullBox, 0.5, 2.0, 8, 15),
  };
  doc->SetnNiniCount(static_cast<int16_t>(loads.size()));
  for (size_t i = 0; i < loads.size(); ++i) doc->SetpNini(static_cast<int>(i), loads[i]);
  MmSurface s = Screen(120, 90);
  DrawNiniLoad(*doc, s.d);
  Png(s.canvas, "gravity_nini");
}

// The wedge graph of the block sample's first case after a real run, on the
// results screen and as the report's 125 × 62.5 mm picture.
TEST_F(SampleResultFigures, WedgeGraphAfterARealRun) {
  auto doc = Read("block_masonry");
  ASSERT_EQ(doc->Doatsu, 1);
  CalcAntei(*doc, 0, 0);
  const std::shared_ptr<CKusabiRes> wedge = doc->AntRes(0, 0)->Kusabi(0);
  ASSERT_FALSE(wedge->TempFile.empty());
  ASSERT_GE(KusabiRecordCount(wedge->TempFile), 2);
  MmSurface s = Screen(kKusabiGraphReportWidthMm, kKusabiGraphReportHeightMm);
  DrawKusabiGraph(*doc, s.d, wedge->TempFile, *wedge);
  EXPECT_EQ(figure_test::OpsOf(s.canvas, CanvasOpKind::Ellipse).empty(), false);
  Png(s.canvas, "block_masonry_kusabi");

  RegisterQtPictureSaver();
  ReportPicture pic(kKusabiGraphReportWidthMm * kMm, kKusabiGraphReportHeightMm * kMm);
  DrawKusabiGraph(*doc, pic.Draw(), wedge->TempFile, *wedge);
  Svg(pic, "AntKusabiRes0000");
}

// The critical water level of the gravity sample with its water turned on.
TEST_F(SampleResultFigures, WaterLevelGraphAfterTheStudy) {
  auto doc = Read("gravity");
  doc->nWater = 1;
  doc->nWlvlAuto = 1;
  for (int c = 0; c < doc->nCase(); ++c) doc->pCase(c)->nWater = 1;
  ASSERT_TRUE(CalcWlvlAuto(*doc));
  ASSERT_GT(doc->nWlvlCase(), 0);
  const std::shared_ptr<CWlvlCalc> study = doc->WlvlRes(0);
  ASSERT_GT(study->Count(), 1);
  MmSurface s = Screen(100, 80);
  DrawWlvlGraph(*doc, s.d, *study);
  Png(s.canvas, "gravity_wlvl");

  RegisterQtPictureSaver();
  ReportPicture pic(kWlvlGraphReportWidthMm * kMm, kWlvlGraphReportHeightMm * kMm);
  DrawWlvlGraph(*doc, pic.Draw(), *study);
  Svg(pic, "WlvlAuto000");
}

// The line of thrust of the block sample (checked by it) and of the mixed
// sample's upper wall: in colour on the screen, black in the report's
// 150 × 75 mm picture with its point file beside it.
TEST_F(SampleResultFigures, LineOfThrustAfterARealRun) {
  for (const char* name : {"block_masonry", "mixed"}) {
    SCOPED_TRACE(name);
    auto doc = Read(name);
    doc->nTentou = 3;
    CalcAntei(*doc, 0, 0);
    CAntRes& res = *doc->AntRes(0, 0);
    EXPECT_FALSE(IsNullValue(res.Xd));
    MmSurface s = Screen(kSiryokusenReportWidthMm, kSiryokusenReportHeightMm);
    EXPECT_TRUE(DrawSiryokusen(*doc, 0, res, s.d, true, ""));
    Png(s.canvas, std::string(name) + "_siryokusen");

    RegisterQtPictureSaver();
    ReportPicture pic(kSiryokusenReportWidthMm * kMm, kSiryokusenReportHeightMm * kMm);
    const std::string base = SiryokusenFileBase(dir_.toStdString(), 0) + "_" + name;
    std::string why;
    EXPECT_TRUE(DrawSiryokusen(*doc, 0, res, pic.Draw(), false, base + ".DAT", &why)) << why;
    EXPECT_TRUE(QFile::exists(QString::fromStdString(base + ".DAT")));
    Svg(pic, QString::fromStdString(base).section('/', -1).toStdString());
  }
}

}  // namespace
}  // namespace norva

// Each sample design's stability chapter read as its user would: the report
// driver's text through the real renderer library to PDF (pdftotext), and the
// renderer's RTF through LibreOffice.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QStandardPaths>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>

#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "document/document.h"
#include "document/load_case.h"
#include "drawing/backends/qt_picture_saver.h"
#include "drawing/base/report_picture.h"
#include "renderer/external_tools.h"
#include "renderer/printer_settings.h"
#include "report/driver/prn_out_exec.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "report/report_test_support.h"
#include "screens/report/reader_support.h"
#include "screens/report/report_screens_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

struct Sample {
  const char* name;
  const char* overturning;  // the overturning heading of its chapter
  void (*setUp)(CDocument&);
};

// The block wall by the line of thrust; the gravity wall with water and the
// critical water level; the others as they are.
const Sample kSamples[] = {
    {"block_masonry", "示力線法による検討", [](CDocument& d) { d.nTentou = 3; }},
    {"gravity", "転倒に対する検討",
     [](CDocument& d) {
       d.nWater = 1;
       d.nWlvlAuto = 1;
       d.Gamw = 9.8;
       for (int i = 0; i < d.nCase(); ++i) d.pCase(i)->nWater = 1;
     }},
    {"leaning", "転倒に対する検討", [](CDocument&) {}},
    {"mixed", "示力線法による検討", [](CDocument&) {}},
};

void PrintTo(const Sample& s, std::ostream* os) { *os << s.name; }

class StabilityReader : public ::testing::TestWithParam<Sample> {};

TEST_P(StabilityReader, ChapterReadsBackFromPdfAndRtf) {
  const Sample& s = GetParam();
  test::ReportApp();
  QLibrary lib(QStringLiteral(NORVA_BIN_DIR "/Ravtek2"));
  if (!lib.load()) GTEST_SKIP() << "Ravtek2 is not built: " << lib.errorString().toStdString();
  auto doPreview = reinterpret_cast<test::DoPreviewFn>(lib.resolve("DoPreview"));
  ASSERT_NE(doPreview, nullptr);

  test::TempFolder work("norva_stability_reader");
  test::RecordingSink sink;
  RegisterQtPictureSaver();
  PrnWriters() = ReportWriters{};
  RegisterReportWriters();
  auto doc = test::SampleDocument(s.name);
  s.setUp(*doc);
  if (doc->nWater != 0 && doc->nWlvlAuto != 0) CalcWlvlAuto(*doc);
  CalcAntei(*doc, 0, 0);
  PrnSel() = ReportSelection{};
  PrnSel().NewDocument(doc->nCase());
  PrnSel().PrnSelAntei = 1;
  for (int i = 0; i < doc->nCase(); ++i) PrnSel().PrnAnteiCases.Set(i, 1);

  test::RecordingRenderer recorder;
  const ReportEnv env{work.path(), test::ShippedFolder(), test::ShippedFolder(), &recorder};
  ASSERT_TRUE(PrnOutExec(*doc, 0, env)) << (sink.shown.empty() ? "" : sink.shown[0]);
  ASSERT_EQ(recorder.calls.size(), 1u);
  const test::RenderCall& call = recorder.calls[0];

  std::string text;
  ASSERT_NO_FATAL_FAILURE(test::PrintToPdf(doPreview, call, work.path() + "/stability.pdf",
                                           QString("norva_stability_") + s.name + ".pdf", &text));
  const std::string squeezed = Squeezed(text);
  for (const char* want : {"底面における作用力", "重量及び重心位置の計算方法", "作用力の集計",
                           s.overturning, "安定計算結果一覧", "ΣV", "荷重ケース.1"}) {
    EXPECT_NE(squeezed.find(want), std::string::npos) << s.name << ": " << want << "\n" << text;
  }
  EXPECT_TRUE(sink.shown.empty()) << sink.shown[0];

  std::string fromRtf;
  ASSERT_NO_FATAL_FAILURE(test::RtfText(work.path(), &fromRtf));
  if (IsSkipped()) return;
  for (const char* want :
       {"底面における作用力", "作用力の集計", s.overturning, "安定計算結果一覧"}) {
    EXPECT_NE(fromRtf.find(want), std::string::npos) << s.name << ": " << want;
  }
  PrnWriters() = ReportWriters{};
  PrnSel() = ReportSelection{};
  SetPictureSaver(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Samples, StabilityReader, ::testing::ValuesIn(kSamples),
                         [](const ::testing::TestParamInfo<Sample>& i) {
                           return std::string(i.param.name);
                         });

}  // namespace
}  // namespace norva

// The design-conditions chapter of every sample read as its user would: the
// report driver's text with the program's writers, printed to PDF by the
// real renderer library (pdftotext), and its RTF opened by LibreOffice. The
// section figure is a real SVG file of the stated size for every wall type.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <memory>
#include <ostream>
#include <regex>
#include <string>

#include "calc/run/calc_antei.h"
#include "document/document.h"
#include "drawing/backends/qt_picture_saver.h"
#include "drawing/base/report_picture.h"
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
  const char* height;  // "擁壁の高さ" as printed
};
void PrintTo(const Sample& s, std::ostream* os) { *os << s.name; }

class ConditionsReader : public ::testing::TestWithParam<Sample> {
 protected:
  void SetUp() override {
    test::ReportApp();
    SetPictureSaver(std::make_shared<QtPictureSaver>());
    PrnWriters() = ReportWriters{};
    RegisterReportWriters();
  }
  void TearDown() override {
    SetPictureSaver(nullptr);
    PrnWriters() = ReportWriters{};
    PrnSel() = ReportSelection{};
  }
};

TEST_P(ConditionsReader, ChapterReadsBackFromPdfAndRtf) {
  const Sample& s = GetParam();
  QLibrary lib(QStringLiteral(NORVA_BIN_DIR "/Ravtek2"));
  if (!lib.load()) GTEST_SKIP() << "Ravtek2 is not built: " << lib.errorString().toStdString();
  auto doPreview = reinterpret_cast<test::DoPreviewFn>(lib.resolve("DoPreview"));
  ASSERT_NE(doPreview, nullptr);

  test::TempFolder work("norva_conditions_reader");
  test::RecordingSink sink;
  auto doc = test::SampleDocument(s.name);
  CalcAntei(*doc, 0, 0);
  PrnSel() = ReportSelection{};
  PrnSel().NewDocument(doc->nCase());
  PrnSel().PrnSelJyouken = 1;

  test::RecordingRenderer recorder;
  const ReportEnv env{work.path(), test::ShippedFolder(), test::ShippedFolder(), &recorder};
  ASSERT_TRUE(PrnOutExec(*doc, 1, env));
  ASSERT_EQ(recorder.calls.size(), 1u);
  const test::RenderCall& call = recorder.calls[0];

  // The figure the chapter names is there: an SVG 125 mm wide, 1.1 times as high.
  std::smatch m;
  const std::string markup = Cp932ToUtf8(call.markup);
  ASSERT_TRUE(std::regex_search(markup, m, std::regex("<IMG SRC=\"([^\"]*)\"")));
  EXPECT_EQ(m[1].str(), work.path() + "/KutaiSunp.svg");
  QFile svg(QString::fromStdString(m[1].str()));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly)) << m[1].str();
  const QByteArray head = svg.read(2000);
  EXPECT_TRUE(head.contains("width=\"125.016mm\"")) << head.toStdString();
  EXPECT_TRUE(head.contains("height=\"137.517mm\"")) << head.toStdString();

  std::string printed;
  ASSERT_NO_FATAL_FAILURE(test::PrintToPdf(doPreview, call, work.path() + "/conditions.pdf",
                                           "norva_conditions_" + QString(s.name) + ".pdf",
                                           &printed));
  const std::string text = Squeezed(printed);
  for (const char* want : {"設計条件", "構造形式及び形状寸法", "単位体積重量", "荷重の組合せ",
                           "準拠指針および参考文献", s.height, "23.00", "19.00", "18.00", "9.80"}) {
    EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
  }
  EXPECT_TRUE(sink.shown.empty());

  std::string fromRtf;
  ASSERT_NO_FATAL_FAILURE(test::RtfText(work.path(), &fromRtf));
  if (IsSkipped()) return;
  for (const char* want : {"設計条件", "構造形式及び形状寸法", "荷重の組合せ",
                           "準拠指針および参考文献", s.height, "23.00"}) {
    EXPECT_NE(fromRtf.find(want), std::string::npos) << want << "\n" << fromRtf;
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, ConditionsReader,
                         ::testing::Values(Sample{"gravity", "H=3.000(m)"},
                                           Sample{"block_masonry", "H=3.500(m)"},
                                           Sample{"leaning", "H=4.500(m)"},
                                           Sample{"mixed", "H=3.500(m)"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace norva

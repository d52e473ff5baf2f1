// The ground-support and sliding sections of calculated designs read as their
// user would: the stability chapter through the real renderer library to PDF
// (pdftotext), and its RTF through LibreOffice. The pictures of the spring
// model and of the leaning wall go with them.
#include <gtest/gtest.h>

#include <QLibrary>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "calc/run/calc_antei.h"
#include "calc/stability/stability_status.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/report_format.h"
#include "drawing/backends/qt_picture_saver.h"
#include "drawing/base/report_picture.h"
#include "renderer/external_tools.h"
#include "report/driver/prn_out_exec.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "report/report_test_support.h"
#include "screens/report/reader_support.h"
#include "screens/report/report_screens_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

struct Design {
  const char* name;
  const char* sample;
  const char* picture;  // a text of the method that goes with the picture, or ""
  void (*setUp)(CDocument&);
  // The heading of the allowable bearing capacity and the mask its stored
  // Qa is printed with, or "" when the design derives none.
  const char* qaTitle = "";
  const char* qaMask = "";
};

void ComputedBearing(CDocument& d, int32_t sisin) {
  d.Sisin = sisin;
  d.nQa = 0;
  d.SijiFai = 30;
  d.SijiC = 10;
  d.SijiGam1 = 18;
  d.SijiGam2 = 17;
  d.Df = 0.5;
  d.Dfd = 0.5;
}

const Design kDesigns[] = {
    {"residential", "block_masonry", "", [](CDocument&) {}},
    {"spring_model", "gravity", "鉛直バネ定数",
     [](CDocument& d) {
       d.Sisin = 3;
       d.nQa = 1;
       d.SetAE0(0, 8000);
       d.SetAE0(1, 12000);
     }},
    {"leaning_back_face", "leaning", "壁面背面に発生する最大壁面地盤反力度",
     [](CDocument& d) {
       d.Sisin = 2;
       d.nQa = 1;
       d.MtwB2 = 2.0;
       d.MtwB3 = 1.5;
     }},
    {"canal_bearing", "gravity", "", [](CDocument& d) { ComputedBearing(d, 5); }, "許容支持力度",
     "#.##"},
    {"residential_bearing", "gravity", "", [](CDocument& d) { ComputedBearing(d, 4); },
     "許容地盤支持力度", "#.#"},
    {"road_bearing", "gravity", "", [](CDocument& d) { ComputedBearing(d, 2); }, "許容鉛直支持力度",
     "###.##"},
};

void PrintTo(const Design& s, std::ostream* os) { *os << s.name; }

class BearingReader : public ::testing::TestWithParam<Design> {};

TEST_P(BearingReader, SectionsReadBackFromPdfAndRtf) {
  const Design& s = GetParam();
  test::ReportApp();
  QLibrary lib(QStringLiteral(NORVA_BIN_DIR "/Ravtek2"));
  if (!lib.load()) GTEST_SKIP() << "Ravtek2 is not built: " << lib.errorString().toStdString();
  auto doPreview = reinterpret_cast<test::DoPreviewFn>(lib.resolve("DoPreview"));
  ASSERT_NE(doPreview, nullptr);

  test::TempFolder work("norva_bearing_reader");
  test::RecordingSink sink;
  RegisterQtPictureSaver();
  PrnWriters() = ReportWriters{};
  RegisterReportWriters();
  auto doc = test::SampleDocument(s.sample);
  s.setUp(*doc);
  doc->ChkSlide = 1;
  CalcAntei(*doc, 0, 0);
  PrnSel() = ReportSelection{};
  PrnSel().NewDocument(doc->nCase());
  PrnSel().PrnSelAntei = 1;
  for (int i = 0; i < doc->nCase(); ++i) PrnSel().PrnAnteiCases.Set(i, 1);

  test::RecordingRenderer recorder;
  const ReportEnv env{work.path(), test::ShippedFolder(), test::ShippedFolder(), &recorder};
  ASSERT_TRUE(PrnOutExec(*doc, 0, env)) << (sink.shown.empty() ? "" : sink.shown[0]);
  ASSERT_EQ(recorder.calls.size(), 1u);

  std::string text;
  ASSERT_NO_FATAL_FAILURE(test::PrintToPdf(doPreview, recorder.calls[0],
                                           work.path() + "/bearing.pdf",
                                           QString("norva_bearing_") + s.name + ".pdf", &text));
  const std::string squeezed = Squeezed(text);
  std::vector<std::string> wanted = {"地盤支持に対する検討", "滑動に対する検討", "荷重ケース.1"};
  if (*s.picture) wanted.push_back(s.picture);
  // The stored safety factors against sliding, as the page prints them.
  const int part = doc->WallType() == 3 ? 1 : 0;
  for (int i = 0; i < doc->nCase(); ++i) {
    const double Fs = doc->AntRes(part, i)->Fs;
    if (Fs != kSlideNoForce) wanted.push_back("=" + Squeezed(FillTemplate("##.##", {Fs}).text));
  }
  if (*s.qaTitle) {
    wanted.push_back(s.qaTitle);
    for (int i = 0; i < doc->nCase(); ++i) {
      wanted.push_back(Squeezed(FillTemplate(s.qaMask, {doc->AntRes(part, i)->Qa}).text));
    }
  }
  for (const std::string& want : wanted) {
    EXPECT_NE(squeezed.find(want), std::string::npos) << s.name << ": " << want << "\n" << text;
  }
  EXPECT_TRUE(sink.shown.empty()) << sink.shown[0];

  std::string fromRtf;
  ASSERT_NO_FATAL_FAILURE(test::RtfText(work.path(), &fromRtf));
  if (IsSkipped()) return;
  for (const char* want : {"地盤支持に対する検討", "滑動に対する検討"}) {
    EXPECT_NE(fromRtf.find(want), std::string::npos) << s.name << ": " << want;
  }
  PrnWriters() = ReportWriters{};
  PrnSel() = ReportSelection{};
  SetPictureSaver(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Designs, BearingReader, ::testing::ValuesIn(kDesigns),
                         [](const ::testing::TestParamInfo<Design>& i) {
                           return std::string(i.param.name);
                         });

}  // namespace
}  // namespace norva

// A water sample's stability chapter read as its user would: the report
// driver's text through the real renderer library to PDF (pdftotext), and
// the renderer's RTF through LibreOffice. Also the program's loader of the
// renderer library.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <memory>
#include <string>

#include "calc/run/calc_antei.h"
#include "document/document.h"
#include "document/load_case.h"
#include "report/driver/prn_out_exec.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "report/report_test_support.h"
#include "report/water/water_writers.h"
#include "screens/report/reader_support.h"
#include "screens/report/report_screens_support.h"
#include "shell/report_renderer.h"

namespace norva {
namespace {

// The gravity sample with uplift: normal levels 1.2 / 2.5 m, γw 9.8, one
// case with water. P = hw²·γw/2: 1.2² × 4.9 = 7.056 → 7.06, 2.5² × 4.9 =
// 30.625 → 30.63; uplift V1 = 11.76, V2 = 24.50 (kN/m²).
std::unique_ptr<CDocument> WaterSample() {
  auto doc = test::SampleDocument("gravity");
  doc->nWater = 2;
  doc->nWlvlAuto = 0;
  doc->bQuake = 0;
  doc->Gamw = 9.8;
  doc->SetWatFH(0, 1.2);
  doc->SetWatBH(0, 2.5);
  doc->SetnCase(1);
  doc->pCase(0)->CaseName = "自重+水位";
  doc->pCase(0)->nWater = 1;
  doc->pCase(0)->nQuake = 0;
  doc->pCase(0)->Doat = 0;
  return doc;
}

TEST(ReportReader, WaterChapterReadsBackFromPdfAndRtf) {
  test::ReportApp();
  QLibrary lib(QStringLiteral(NORVA_BIN_DIR "/Ravtek2"));
  if (!lib.load()) GTEST_SKIP() << "Ravtek2 is not built: " << lib.errorString().toStdString();
  auto doPreview = reinterpret_cast<test::DoPreviewFn>(lib.resolve("DoPreview"));
  ASSERT_NE(doPreview, nullptr);

  test::TempFolder work("norva_report_reader");
  test::RecordingSink sink;
  auto doc = WaterSample();
  CalcAntei(*doc, 0, 0);
  PrnWriters() = ReportWriters{};
  RegisterWaterWriters();
  PrnSel() = ReportSelection{};
  PrnSel().NewDocument(1);
  PrnSel().PrnSelAntei = 1;
  PrnSel().PrnAnteiCases.Set(0, 1);

  // The driver's text, as the program hands it over.
  test::RecordingRenderer recorder;
  const ReportEnv env{work.path(), test::ShippedFolder(), test::ShippedFolder(), &recorder};
  ASSERT_TRUE(PrnOutExec(*doc, 0, env));
  ASSERT_EQ(recorder.calls.size(), 1u);
  const test::RenderCall& call = recorder.calls[0];
  EXPECT_EQ(call.stylePath, test::ShippedFolder() + "/style.dat");

  // Printed to a PDF file by the real renderer with the shipped style sheet.
  std::string text;
  ASSERT_NO_FATAL_FAILURE(test::PrintToPdf(doPreview, call, work.path() + "/water.pdf",
                                           "norva_water_chapter.pdf", &text));
  const std::string squeezed = Squeezed(text);
  for (const char* want :
       {"水圧", "計算方法", "揚圧力", "水圧の合力", "作用位置", "前面水圧", "背面側水圧の作用位置",
        "荷重ケース.1－自重+水位時", "7.06", "30.63", "11.76", "24.50", "-1-"}) {
    EXPECT_NE(squeezed.find(want), std::string::npos) << want << "\n" << text;
  }
  EXPECT_TRUE(sink.shown.empty());

  std::string fromRtf;
  ASSERT_NO_FATAL_FAILURE(test::RtfText(work.path(), &fromRtf));
  if (IsSkipped()) return;
  for (const char* want : {"水圧", "揚圧力", "前面水圧", "背面水圧"}) {
    EXPECT_NE(fromRtf.find(want), std::string::npos) << want << "\n" << fromRtf;
  }
  PrnSel() = ReportSelection{};
}

TEST(ReportRenderer, LoadedByNameFromTheProgramFolder) {
  test::ReportApp();
  std::string error;
  RavtekRenderer missing("/nonexistent/folder");
  EXPECT_FALSE(missing.Load(error));
  EXPECT_NE(error.find("/nonexistent/folder/libRavtek2.so"), std::string::npos);
  std::string again;
  EXPECT_FALSE(missing.Render(1, "", "", "", again));
  EXPECT_EQ(again, error);

  RavtekRenderer built(NORVA_BIN_DIR);
  if (!QFileInfo::exists(QString::fromStdString(built.LibraryFile()))) GTEST_SKIP();
  error.clear();
  EXPECT_TRUE(built.Load(error)) << error;
}

}  // namespace
}  // namespace norva

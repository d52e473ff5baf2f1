// A sample design's stem-stress chapter read as its user would: chosen in
// the report selection dialog (which runs the stem check), printed by the
// real renderer library to PDF (pdftotext), and its RTF read by LibreOffice.
#include <gtest/gtest.h>

#include <QLibrary>
#include <memory>
#include <string>

#include "calc/run/calc_antei.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/report_format.h"
#include "drawing/backends/qt_picture_saver.h"
#include "drawing/base/report_picture.h"
#include "renderer/external_tools.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "report/report_test_support.h"
#include "screens/report/frm_prn_sel.h"
#include "screens/report/reader_support.h"
#include "screens/report/report_screens_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

// The gravity sample with buoyancy in every case, two check sections.
std::unique_ptr<CDocument> WallSample() {
  auto doc = test::SampleDocument("gravity");
  doc->nWater = 1;
  doc->nWlvlAuto = 0;
  doc->Gamw = 9.8;
  doc->SetWatFH(0, 0.8);
  doc->SetWatBH(0, 1.6);
  doc->SetWatFH(1, 0.6);
  doc->SetWatBH(1, 1.3);
  for (int i = 0; i < doc->nCase(); ++i) doc->pCase(i)->nWater = 1;
  doc->SetnWallSecCnt(0, 2);
  doc->SetWallSecY(0, 1, 0.5);
  doc->SetbInpSt(4, -1);
  doc->SetbInpSt(5, -1);
  return doc;
}

TEST(WallReader, StemChapterChosenInTheDialogReadsBackFromPdfAndRtf) {
  test::ReportApp();
  QLibrary lib(QStringLiteral(NORVA_BIN_DIR "/Ravtek2"));
  if (!lib.load()) GTEST_SKIP() << "Ravtek2 is not built: " << lib.errorString().toStdString();
  auto doPreview = reinterpret_cast<test::DoPreviewFn>(lib.resolve("DoPreview"));
  ASSERT_NE(doPreview, nullptr);

  test::TempFolder work("norva_wall_reader");
  test::RecordingSink sink;
  RegisterQtPictureSaver();
  PrnWriters() = ReportWriters{};
  RegisterReportWriters();
  PrnSel() = ReportSelection{};
  auto doc = WallSample();

  // The dialog: the stem chapter alone, every case.
  test::RecordingRenderer recorder;
  frmPrnSel dlg;
  dlg.stabilityRun = [](CDocument& d) {
    CalcAntei(d, 0, 0);
    return true;
  };
  dlg.SetReportEnv(ReportEnv{work.path(), test::ShippedFolder(), test::ShippedFolder(), &recorder});
  dlg.SetDoc(*doc);
  ASSERT_TRUE(dlg.chapters[frmPrnSel::kWall].chk->isEnabled());
  dlg.cmdAllSel_Click(1);
  dlg.chapters[frmPrnSel::kWall].chk->setChecked(true);
  dlg.ChapterSel_Click(frmPrnSel::kWall, 0);
  dlg.cmdOK->click();
  ASSERT_EQ(recorder.calls.size(), 1u) << (sink.shown.empty() ? "" : sink.shown[0]);
  const test::RenderCall& call = recorder.calls[0];
  EXPECT_EQ(PrnSel().PrnSelWall, 1);
  EXPECT_EQ(PrnSel().PrnSelAntei, 0);

  std::string text;
  ASSERT_NO_FATAL_FAILURE(test::PrintToPdf(doPreview, call, work.path() + "/wall.pdf",
                                           "norva_wall_chapter.pdf", &text));
  const std::string squeezed = Squeezed(text);
  // The stored stresses of the first section's first case, as printed.
  const std::shared_ptr<CWallRes> w = doc->pWallRes(0, 0, 0);
  ASSERT_NE(w, nullptr);
  const std::string sigma = FillTemplate("#.##", {w->Sgmc(0) * 1000}).text;
  const std::string tau = FillTemplate("#.##", {w->Tauc * 1000}).text;
  // The summary table's σc (N/mm²), the larger edge stress.
  const std::string listed =
      FillTemplate("#.##", {w->Sgmc(0) > w->Sgmc(1) ? w->Sgmc(0) : w->Sgmc(1)}).text;
  // The earth pressure the check took above the first section, as its text
  // ends on it (P_AH1 = … = PH kN/m).
  const std::string PH = FillTemplate("##.##", {w->AForceS(5)}).text;
  for (const std::string& want :
       {std::string("断面力の集計"), std::string("応力度計算"), std::string("たて壁の応力度一覧"),
        std::string("浮力"), std::string("水圧"), std::string("Ⅱ－Ⅱ断面"), sigma, tau, listed + "<",
        std::string("く体重量"), std::string("前面土砂"), std::string("土圧"), Squeezed(PH)}) {
    EXPECT_NE(squeezed.find(want), std::string::npos) << want << "\n" << text;
  }
  EXPECT_TRUE(sink.shown.empty()) << sink.shown[0];

  // The formulas are pictures in the RTF; the summary table is text.
  std::string fromRtf;
  ASSERT_NO_FATAL_FAILURE(test::RtfText(work.path(), &fromRtf));
  if (IsSkipped()) return;
  for (const std::string& want :
       {std::string("断面力の集計"), std::string("応力度計算"), std::string("たて壁の応力度一覧"),
        listed + "<", std::string("く体重量"), std::string("前面土砂")}) {
    EXPECT_NE(fromRtf.find(want), std::string::npos) << want << "\n" << fromRtf;
  }
  PrnWriters() = ReportWriters{};
  PrnSel() = ReportSelection{};
  SetPictureSaver(nullptr);
}

}  // namespace
}  // namespace norva

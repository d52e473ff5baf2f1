// The toe-slab and shear-key chapters of a sample design chosen in the report
// dialog, read as their user would: through the real renderer library to PDF
// (pdftotext) and through LibreOffice from the renderer's RTF.
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

// The gravity sample with a toe slab 0.4 m long under buoyancy, and a key
// under road earthworks with four D16 bars.
std::unique_ptr<CDocument> ToeKeySample() {
  auto doc = test::SampleDocument("gravity");
  doc->GrwB4 = 0.4;
  doc->GrwH1 = 0.5;
  doc->nWater = 1;
  doc->nWlvlAuto = 0;
  doc->Gamw = 9.8;
  for (int s = 0; s < 2; ++s) {
    doc->SetWatFH(s, 0.8);
    doc->SetWatBH(s, 1.6);
  }
  for (int i = 0; i < doc->nCase(); ++i) doc->pCase(i)->nWater = 1;
  doc->Tokki = 1;
  doc->Sisin = 2;
  doc->TokX = 0.5;
  doc->TokB = 0.4;
  doc->TokL = 0.5;
  doc->TokKab = 100;
  doc->TokDia = 16;
  doc->TokPich = 250;
  doc->TokHon = 4;
  doc->SetbInpSt(4, -1);
  doc->SetbInpSt(5, -1);
  return doc;
}

TEST(FotTokReader, ToeSlabAndKeyChaptersReadBackFromPdfAndRtf) {
  test::ReportApp();
  QLibrary lib(QStringLiteral(NORVA_BIN_DIR "/Ravtek2"));
  if (!lib.load()) GTEST_SKIP() << "Ravtek2 is not built: " << lib.errorString().toStdString();
  auto doPreview = reinterpret_cast<test::DoPreviewFn>(lib.resolve("DoPreview"));
  ASSERT_NE(doPreview, nullptr);

  test::TempFolder work("norva_fot_tok_reader");
  test::RecordingSink sink;
  RegisterQtPictureSaver();
  PrnWriters() = ReportWriters{};
  RegisterReportWriters();
  PrnSel() = ReportSelection{};
  auto doc = ToeKeySample();

  // The dialog: the toe-slab and key chapters, every case.
  test::RecordingRenderer recorder;
  frmPrnSel dlg;
  dlg.stabilityRun = [](CDocument& d) {
    CalcAntei(d, 0, 0);
    return true;
  };
  dlg.SetReportEnv(ReportEnv{work.path(), test::ShippedFolder(), test::ShippedFolder(), &recorder});
  dlg.SetDoc(*doc);
  ASSERT_TRUE(dlg.chapters[frmPrnSel::kFoot].chk->isEnabled());
  ASSERT_TRUE(dlg.chapters[frmPrnSel::kTokki].chk->isEnabled());
  dlg.cmdAllSel_Click(1);
  for (int c : {int{frmPrnSel::kFoot}, int{frmPrnSel::kTokki}}) {
    dlg.chapters[static_cast<size_t>(c)].chk->setChecked(true);
    dlg.ChapterSel_Click(c, 0);
  }
  dlg.cmdOK->click();
  ASSERT_EQ(recorder.calls.size(), 1u) << (sink.shown.empty() ? "" : sink.shown[0]);
  const test::RenderCall& call = recorder.calls[0];
  EXPECT_EQ(PrnSel().PrnSelFot, 1);
  EXPECT_EQ(PrnSel().PrnSelTokki, 1);

  std::string text;
  ASSERT_NO_FATAL_FAILURE(test::PrintToPdf(doPreview, call, work.path() + "/fot_tok.pdf",
                                           "norva_fot_tok_chapters.pdf", &text));
  const std::string squeezed = Squeezed(text);
  // Stored results of the first case, as printed.
  const std::shared_ptr<CFotRes> fr = doc->pFotRes(0);
  const std::shared_ptr<CTokRes> tr = doc->pTokRes(0);
  ASSERT_NE(fr, nullptr);
  ASSERT_NE(tr, nullptr);
  const std::string fotSigma = FillTemplate("#.##", {fr->Sgmc(0) * 1000}).text;
  const std::string fotTau = FillTemplate("#.##", {fr->Tauc * 1000}).text;
  const std::string keyForce = Squeezed(FillTemplate("##.##", {tr->Ht}).text);
  const std::string keySteel = Squeezed(FillTemplate("###.##", {tr->Sgms}).text);
  for (const std::string& want :
       {std::string("つま先版の断面計算"), std::string("地盤反力"), std::string("断面力の集計"),
        std::string("つま先版の応力度一覧"), std::string("突起の断面計算"),
        std::string("突起の応力度一覧"), fotSigma, fotTau, keyForce, keySteel}) {
    EXPECT_NE(squeezed.find(want), std::string::npos) << want << "\n" << text;
  }
  EXPECT_TRUE(sink.shown.empty()) << sink.shown[0];

  std::string fromRtf;
  ASSERT_NO_FATAL_FAILURE(test::RtfText(work.path(), &fromRtf));
  if (IsSkipped()) return;
  for (const std::string& want :
       {std::string("つま先版の断面計算"), std::string("つま先版の応力度一覧"),
        std::string("突起の断面計算"), std::string("突起の応力度一覧")}) {
    EXPECT_NE(fromRtf.find(want), std::string::npos) << want << "\n" << fromRtf;
  }
  PrnWriters() = ReportWriters{};
  PrnSel() = ReportSelection{};
  SetPictureSaver(nullptr);
}

}  // namespace
}  // namespace norva

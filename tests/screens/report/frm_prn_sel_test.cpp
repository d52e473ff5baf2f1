// The report selection dialog offscreen: which chapters it offers, the
// select-all buttons, the OK button's enabling, and that OK (not Cancel)
// runs the report in the dialog's mode.
#include "screens/report/frm_prn_sel.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <memory>
#include <string>

#include "calc/member/member_fixtures.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "report/report_test_support.h"
#include "screens/report/report_screens_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

class PrnSelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ReportApp();
    PrnSel() = ReportSelection{};
    ReportWriters& w = PrnWriters();
    w = ReportWriters{};
    w.PrnJyouken = [](PrnFile& f, const CDocument&, const std::string&) { f.Line("設計条件"); };
    w.PrnWall = [](PrnFile& f, const CDocument&, const std::string&, int16_t p) {
      f.Line("W#", {p});
    };
    w.PrnFot = [](PrnFile& f, const CDocument&, const std::string&) { f.Line("F"); };
    w.PrnTokki = [](PrnFile& f, const CDocument&, const std::string&) { f.Line("T"); };
  }
  void TearDown() override {
    PrnWriters() = ReportWriters{};
    PrnSel() = ReportSelection{};
  }

  // A gravity wall with a toe and a key, three cases, all results present.
  std::unique_ptr<CDocument> Doc() {
    auto doc = test::SampleDocument("gravity");
    doc->GrwB4 = 0.5;
    doc->GrwH1 = 0.5;
    doc->Tokki = 1;
    doc->SetnCase(3);
    const char* names[] = {"自重+載荷重(雪)", "地震", "洪水"};
    for (int i = 0; i < 3; ++i) doc->pCase(i)->CaseName = names[i];
    doc->SetbInpSt(4, -1);
    doc->SetbInpSt(5, -1);
    return doc;
  }

  // The dialog given doc, with the stability run counted instead of run.
  std::unique_ptr<frmPrnSel> Dialog(CDocument& doc, bool runOk = true) {
    auto dlg = std::make_unique<frmPrnSel>();
    dlg->stabilityRun = [this, runOk](CDocument&) {
      ++stabilityRuns;
      return runOk;
    };
    dlg->SetReportEnv(ReportEnv{work.path(), "/styles", test::ShippedFolder(), &renderer});
    dlg->SetDoc(doc);
    return dlg;
  }

  test::TempFolder work;
  test::RecordingRenderer renderer;
  int stabilityRuns = 0;
};

std::string Enabled(const frmPrnSel& d) {
  std::string s = d.chkInpdata->isEnabled() ? "J" : "-";
  const char* names = "AWFT";
  for (int c = 0; c < 4; ++c)
    s += d.chapters[static_cast<size_t>(c)].chk->isEnabled() ? names[c] : '-';
  return s;
}

TEST_F(PrnSelTest, ChaptersOfferedByResultsWallTypeToeKeyAndWriters) {
  struct Row {
    const char* name;
    std::function<void(CDocument&)> change;
    bool runOk;
    const char* enabled;  // J A W F T, "-" for disabled
    int runs;
  };
  const Row rows[] = {
      {"everything available", [](CDocument&) {}, true, "JAWFT", 1},
      {"no stability results: no stability run", [](CDocument& d) { d.SetbInpSt(4, 0); }, true,
       "J-WFT", 0},
      // Recalculated without a visit to the member-stress screen: the report
      // checks the members itself.
      {"no member results", [](CDocument& d) { d.SetbInpSt(5, 0); }, true, "JAWFT", 1},
      {"no member results, stability run that could not finish",
       [](CDocument& d) { d.SetbInpSt(5, 0); }, false, "J----", 1},
      {"no results at all",
       [](CDocument& d) {
         d.SetbInpSt(4, 0);
         d.SetbInpSt(5, 0);
       },
       true, "J----", 0},
      {"no toe slab checked", [](CDocument& d) { d.GrwB4 = 0; }, true, "JAW-T", 1},
      {"no key", [](CDocument& d) { d.Tokki = 0; }, true, "JAWF-", 1},
      {"block masonry wall with a key",
       [](CDocument& d) {
         d.SetWallType(0);
         d.Tokki = 1;
       },
       true, "JAW--", 1},
      {"stability run that could not finish", [](CDocument&) {}, false, "J-WFT", 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    stabilityRuns = 0;
    auto doc = Doc();
    r.change(*doc);
    auto dlg = Dialog(*doc, r.runOk);
    EXPECT_EQ(Enabled(*dlg), r.enabled);
    EXPECT_EQ(stabilityRuns, r.runs);
    // Opened with every offered chapter and its cases ticked.
    const ReportSelection& s = PrnSel();
    const int16_t flags[5] = {s.PrnSelJyouken, s.PrnSelAntei, s.PrnSelWall, s.PrnSelFot,
                              s.PrnSelTokki};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(flags[c] != 0, r.enabled[c] != '-') << c;
    if (r.enabled[1] != '-') {
      for (int i = 0; i < 3; ++i) EXPECT_EQ(s.PrnAnteiCases(i), 1);
    } else {
      EXPECT_EQ(s.PrnAnteiCases(0), 0);
      EXPECT_EQ(dlg->chapters[frmPrnSel::kAnt].ls->count(), 0);
    }
  }
}

// After a recalculation the member results are missing (or left from older
// inputs): the dialog checks the stem again before it offers the chapter.
// Battered wall 2 m wide at the base, 4 m high, Ka = 1/3, section at 1 m:
// N = 23 x 5.25 = 120.75 kN, S = 18 x 3^2 / 6 = 27 kN, M = 27 - 8.7975 kN m
// (body centroid 0.3825 / 5.25 m behind the axis), width 1.9 m.
TEST_F(PrnSelTest, MissingMemberResultsAreCheckedBeforeTheStemIsOffered) {
  auto doc = member_test::BatteredWall();
  doc->SetnWallSecCnt(0, 1);
  doc->SetWallSecY(0, 0, 1.0);
  doc->SetbInpSt(4, -1);
  doc->SetbInpSt(5, 0);
  // A record left from inputs before the change.
  auto old = std::make_shared<CWallRes>();
  old->ForceN = 999;
  doc->SetpWallRes(0, 0, 0, old);

  auto dlg = Dialog(*doc);
  EXPECT_EQ(Enabled(*dlg), "JAW--");
  EXPECT_EQ(PrnSel().PrnSelWall, 1);
  EXPECT_EQ(PrnSel().PrnWallCases(0), 1);
  EXPECT_NE(doc->bInpSt(5), 0);

  const double N = 120.75, S = 27, M = 27 - 8.7975, B = 1.9;
  const CWallRes& r = *doc->pWallRes(0, 0, 0);
  EXPECT_NEAR(r.ForceN, N, 1e-9);
  EXPECT_NEAR(r.ForceS, S, 1e-9);
  EXPECT_NEAR(r.ForceM, M, 1e-9);
  EXPECT_NEAR(r.Sgmc(0), (N / B + 6 * M / (B * B)) / 1000, 1e-12);  // 0.09381
  EXPECT_NEAR(r.Sgmc(1), (N / B - 6 * M / (B * B)) / 1000, 1e-12);  // 0.03330
  EXPECT_NEAR(r.Tauc, S / B / 1000, 1e-12);                         // 0.01421
}

TEST_F(PrnSelTest, ChapterWithoutWriterCannotBeChosen) {
  PrnWriters() = ReportWriters{};
  auto doc = Doc();
  auto dlg = Dialog(*doc);
  EXPECT_EQ(Enabled(*dlg), "-A---");
  EXPECT_EQ(PrnSel().PrnSelJyouken, 0);
  EXPECT_EQ(PrnSel().PrnSelAntei, 1);
}

TEST_F(PrnSelTest, SelectAllAndClearAll) {
  auto doc = Doc();
  auto dlg = Dialog(*doc);
  EXPECT_EQ(dlg->chapters[frmPrnSel::kAnt].ls->item(0)->text(),
            QStringLiteral("1.自重+載荷重(雪)"));
  EXPECT_TRUE(dlg->cmdOK->isEnabled());

  dlg->cmdAllSel[1]->click();  // 全て解除
  const ReportSelection& s = PrnSel();
  EXPECT_FALSE(s.AnyChapter());
  for (const auto& ch : dlg->chapters) {
    EXPECT_FALSE(ch.chk->isChecked());
    EXPECT_FALSE(ch.ls->isEnabled());
    EXPECT_FALSE((*ch.sel)[0]->isEnabled());
    EXPECT_FALSE((*ch.sel)[1]->isEnabled());
  }
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(s.PrnAnteiCases(i), 0);
    EXPECT_EQ(s.PrnWallCases(i), 0);
    EXPECT_EQ(s.PrnTokkiCases(i), 0);
  }
  EXPECT_FALSE(dlg->cmdOK->isEnabled());

  dlg->chkInpdata->setChecked(true);  // only 設計条件
  EXPECT_TRUE(dlg->cmdOK->isEnabled());
  dlg->chkInpdata->setChecked(false);
  EXPECT_FALSE(dlg->cmdOK->isEnabled());

  dlg->cmdAllSel[0]->click();  // 全て選択
  EXPECT_EQ(s.PrnSelJyouken + s.PrnSelAntei + s.PrnSelWall + s.PrnSelFot + s.PrnSelTokki, 5);
  EXPECT_EQ(s.PrnFotCases(2), 1);
  EXPECT_TRUE(dlg->chapters[frmPrnSel::kFoot].ls->isEnabled());
}

TEST_F(PrnSelTest, CaseTicksFollowTheListsAndKeepOkWhileTheChapterIsChecked) {
  auto doc = Doc();
  auto dlg = Dialog(*doc);
  dlg->chkInpdata->setChecked(false);
  for (int c : {frmPrnSel::kWall, frmPrnSel::kFoot, frmPrnSel::kTokki}) {
    dlg->chapters[static_cast<size_t>(c)].chk->setChecked(false);
  }
  QListWidget* ls = dlg->chapters[frmPrnSel::kAnt].ls;
  ls->item(1)->setCheckState(Qt::Unchecked);
  EXPECT_EQ(PrnSel().PrnAnteiCases(1), 0);
  EXPECT_EQ(PrnSel().PrnAnteiCases(2), 1);
  dlg->cmdAntSel[1]->click();  // 全解除 of the stability list
  for (int i = 0; i < 3; ++i) EXPECT_EQ(PrnSel().PrnAnteiCases(i), 0);
  EXPECT_TRUE(dlg->cmdOK->isEnabled());  // the chapter is still chosen
  dlg->cmdAntSel[0]->click();
  EXPECT_EQ(PrnSel().PrnAnteiCases(1), 1);
}

TEST_F(PrnSelTest, DocumentWithoutCasesKeepsTheOldCaseArrays) {
  PrnSel().PrnAnteiCases.Reset(2);
  PrnSel().PrnAnteiCases.Set(1, 1);
  auto doc = Doc();
  doc->SetnCase(0);
  auto dlg = Dialog(*doc);
  EXPECT_EQ(dlg->chapters[frmPrnSel::kAnt].ls->count(), 0);
  EXPECT_EQ(PrnSel().PrnAnteiCases.Count(), 2);
  EXPECT_EQ(PrnSel().PrnAnteiCases(1), 1);
  EXPECT_EQ(PrnSel().PrnSelAntei, 1);
}

TEST_F(PrnSelTest, OkRunsTheReportInTheDialogsModeCancelDoesNot) {
  for (int16_t mode : {0, 1, 2}) {
    SCOPED_TRACE(mode);
    renderer.calls.clear();
    auto doc = Doc();
    auto dlg = Dialog(*doc);
    dlg->SetMode(mode);
    EXPECT_EQ(dlg->windowTitle(),
              mode == 2 ? QStringLiteral("Word出力選択") : QStringLiteral("出力選択"));
    dlg->cmdOK->click();
    ASSERT_EQ(renderer.calls.size(), 1u);
    EXPECT_EQ(renderer.calls[0].mode, mode);
    EXPECT_EQ(renderer.calls[0].workDir, work.path());
    EXPECT_EQ(renderer.calls[0].stylePath, "/styles/style.dat");
    // The writers' lines, in chapter order with their page breaks.
    const std::string text = Cp932ToUtf8(renderer.calls[0].markup);
    EXPECT_EQ(text.rfind("設計条件\r\n<RP>\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("<RP>\r\nW0\r\n<RP>\r\nF\r\n<RP>\r\nT\r\n"), std::string::npos) << text;
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
  }
  renderer.calls.clear();
  auto doc = Doc();
  auto dlg = Dialog(*doc);
  dlg->cmdCancel->click();
  EXPECT_TRUE(renderer.calls.empty());
  EXPECT_EQ(dlg->result(), QDialog::Rejected);
}

TEST_F(PrnSelTest, StyleButtonOpensTheStyleOfTheStyleFolder) {
  auto doc = Doc();
  auto dlg = Dialog(*doc);
  std::string opened;
  dlg->styleDialog = [&](const std::string& dir, QWidget*) { opened = dir; };
  const ReportSelection before = PrnSel();
  dlg->cmdPrnStyle->click();
  EXPECT_EQ(opened, "/styles");
  EXPECT_EQ(PrnSel().PrnSelAntei, before.PrnSelAntei);
}

}  // namespace
}  // namespace norva

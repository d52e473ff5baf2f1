// Results on show belong to the inputs on show: an input changed after a run
// clears the result panel and closes the result screens until the next run,
// and the results screen calculates again instead of showing the old run.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>
#include <vector>

#include "document/document.h"
#include "document/member_res.h"
#include "platform/controls/number_box.h"
#include "report/driver/report_selection.h"
#include "screens/register_windows.h"
#include "screens/report/frm_prn_sel.h"
#include "screens/results/frm_antei_res.h"
#include "screens/results/frm_ouryoku.h"
#include "screens/user_input.h"
#include "shell/calculation.h"
#include "shell/document_forms.h"
#include "shell/nav_bar.h"
#include "shell/screen.h"
#include "shell/shell_test_support.h"

namespace norva {
namespace {

class StaleResultsTest : public test::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    savedWindows_ = Windows();
    savedHooks_ = AnteiResHooks();
    RegisterWindows();
    AnteiResHooks().calculate = [this](CDocument& d) {
      ++runs_;
      return CalculateWithProgress(d);
    };
    main_->show();
  }
  void TearDown() override {
    ShellFixture::TearDown();
    Windows() = savedWindows_;
    AnteiResHooks() = savedHooks_;
  }
  bool PanelShowsResults() const { return !main_->vsdAntRes->canvas().Ops().empty(); }
  NumberBox* BoxOnScreen(const CDocument& doc, const char* name) const {
    return doc.DataForm ? doc.DataForm->Widget()->findChild<NumberBox*>(name) : nullptr;
  }

  ShellWindows savedWindows_;
  AnteiResServices savedHooks_;
  int runs_ = 0;
};

TEST_F(StaleResultsTest, ChangedInputClearsThePanelAndClosesTheResultScreens) {
  struct Change {
    const char* name;
    int16_t screen;
    const char* box;
    QString (*typed)(const CDocument&);
  };
  const Change changes[] = {
      {"wall height emptied", 1, "imnGrwSize[0]", [](const CDocument&) { return QString(); }},
      {"friction angle of the backfill", 0, "imnFai",
       [](const CDocument& d) { return QString::number(d.Fai + 1); }},
      {"friction coefficient of the base", 2, "imnMyu",
       [](const CDocument& d) { return QString::number(d.Myu / 2, 'f', 3); }},
  };
  for (const Change& c : changes) {
    SCOPED_TRACE(c.name);
    auto doc = OpenSample("gravity.nrv");
    ASSERT_NE(doc, nullptr);
    ASSERT_TRUE(RecalculateDocument(*doc));
    ShowForm(*doc, c.screen);
    QApplication::processEvents();
    // Moving to an input screen and leaving a box unchanged keep the results.
    NumberBox* box = BoxOnScreen(*doc, c.box);
    ASSERT_NE(box, nullptr);
    test::Enter(box, box->text());
    EXPECT_TRUE(PanelShowsResults());
    EXPECT_NE(doc->bInpSt(4), 0);

    test::Enter(box, c.typed(*doc));
    EXPECT_EQ(doc->bInpSt(4), 0);
    EXPECT_EQ(doc->bInpSt(5), 0);
    EXPECT_FALSE(PanelShowsResults());
    EXPECT_FALSE(main_->nav->optTab[5]->isEnabled());

    sink_.answers = {MsgAnswer::No};
    CloseActiveDocument();
  }
}

// The member-stress screen returns to the stability results without a new
// run; when inputs changed meanwhile (the initial-data dialog can change
// them), the results screen runs the calculation again.
TEST_F(StaleResultsTest, ResultsScreenCalculatesAgainWhenInputsChangedBehindIt) {
  auto doc = OpenSample("gravity.nrv");
  ASSERT_NE(doc, nullptr);
  ASSERT_TRUE(RecalculateDocument(*doc));
  ShowForm(*doc, 5);
  auto* member = dynamic_cast<frmOuryoku*>(doc->DataForm);
  ASSERT_NE(member, nullptr);

  // Unchanged: back to the results as they are.
  member->cmdPrevious->click();
  ASSERT_NE(dynamic_cast<frmAnteiRes*>(doc->DataForm), nullptr);
  EXPECT_EQ(runs_, 0);

  ShowForm(*doc, 5);
  member = dynamic_cast<frmOuryoku*>(doc->DataForm);
  ASSERT_NE(member, nullptr);
  doc->Fai += 1;
  DocDataState(*doc, 0);
  EXPECT_FALSE(PanelShowsResults());
  member->cmdPrevious->click();
  EXPECT_EQ(runs_, 1);
  EXPECT_NE(doc->bInpSt(4), 0);
  EXPECT_TRUE(PanelShowsResults());
}

// A dimension changed and recalculated, then the report without a visit to
// the member-stress screen: the stem chapter is offered, with the results
// that screen computes for the same inputs.
TEST_F(StaleResultsTest, ReportAfterARecalculationOffersTheStemAsTheMemberScreenChecksIt) {
  auto doc = OpenSample("gravity.nrv");
  ASSERT_NE(doc, nullptr);
  doc->GrwB += 0.1;
  DocDataState(*doc, 1);
  ASSERT_TRUE(RecalculateDocument(*doc));
  ASSERT_EQ(doc->bInpSt(5), 0);
  ASSERT_GT(doc->nCase(), 0);
  ASSERT_GT(doc->nWallSecCnt(0), 0);

  struct Stem {
    double N, S, M, s0, s1, tau;
  };
  auto stems = [&doc] {
    std::vector<Stem> v;
    for (int32_t c = 0; c < doc->nCase(); ++c) {
      for (int i = 0; i < doc->nWallSecCnt(0); ++i) {
        const auto r = doc->pWallRes(0, c, i);
        if (!r) return std::vector<Stem>{};
        v.push_back({r->ForceN, r->ForceS, r->ForceM, r->Sgmc(0), r->Sgmc(1), r->Tauc});
      }
    }
    return v;
  };
  const ReportSelection saved = PrnSel();
  std::vector<Stem> reported;
  {
    frmPrnSel dlg(main_.get());
    dlg.SetDoc(*doc);
    EXPECT_TRUE(dlg.chapters[frmPrnSel::kWall].chk->isEnabled());
    EXPECT_EQ(PrnSel().PrnSelWall, 1);
    reported = stems();
  }
  PrnSel() = saved;
  ASSERT_FALSE(reported.empty());

  ShowForm(*doc, 5);
  ASSERT_NE(dynamic_cast<frmOuryoku*>(doc->DataForm), nullptr);
  const std::vector<Stem> screen = stems();
  ASSERT_EQ(screen.size(), reported.size());
  for (size_t k = 0; k < screen.size(); ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(reported[k].N, screen[k].N);
    EXPECT_EQ(reported[k].S, screen[k].S);
    EXPECT_EQ(reported[k].M, screen[k].M);
    EXPECT_EQ(reported[k].s0, screen[k].s0);
    EXPECT_EQ(reported[k].s1, screen[k].s1);
    EXPECT_EQ(reported[k].tau, screen[k].tau);
  }
}

}  // namespace
}  // namespace norva

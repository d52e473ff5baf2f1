// The main window follows the active document: both summary panels after
// opening, activating and closing documents in turn, the screen on show after
// a run, and the messages of a run on a wall without base.
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <map>
#include <string>
#include <vector>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "platform/canvas/canvas_render.h"
#include "shell/calculation.h"
#include "shell/command_state.h"
#include "shell/document_forms.h"
#include "shell/summary_panels.h"
#include "shell_test_support.h"

namespace norva {
namespace {

std::vector<std::string> Texts(const Canvas& c) {
  std::vector<std::string> out;
  for (const CanvasOp& op : c.Ops())
    if (op.kind == CanvasOpKind::Text) out.push_back(op.text);
  return out;
}

// Everything a drawing says, in order, whatever its lines' wrapping.
std::string Content(const std::vector<std::string>& texts) {
  std::string out;
  for (const std::string& t : texts)
    for (char c : t)
      if (c != ' ') out += c;
  return out;
}

class ActiveDocumentTest : public test::ShellFixture {
 protected:
  void SetUp() override {
    test::ShellFixture::SetUp();
    // The plain screens of the shell, whatever another test registered.
    for (auto& make : Windows().makeScreen) make = test::MakePlaceholderScreen;
  }
  std::shared_ptr<CDocument> Open(const char* sample) { return OpenSample(sample); }
  // What each panel shows for a document, drawn apart (the data on a surface
  // of the panel's size and scale, the results on one too wide to wrap anything, so
  // they are compared by Content); nothing for no document or one without
  // results.
  std::vector<std::string> DataTexts(const CDocument* doc) const {
    Canvas c;
    c.SetMetrics(QtTextMetrics::Shared());
    const Canvas& panel = main_->vsdIniData->canvas();
    c.SetExtent(panel.ExtentWidth(), panel.ExtentHeight());
    // A panel grown for a long text keeps the units of its usual height.
    DrawDataSummary(c, doc, 1000.0 * panel.ExtentHeight() / mdiMain::kIniDataHeight);
    return Texts(c);
  }
  static std::vector<std::string> ResultTexts(const CDocument* doc) {
    Canvas c;
    c.SetMetrics(QtTextMetrics::Shared());
    DrawResultSummary(c, doc, {1e5, 1e5, 0, 0, 0});
    return Texts(c);
  }
};

// The sequences of the first-user trial: a newly opened document shows its own
// (empty) results, activation brings a document's results back, and closing
// a document never leaves its results behind.
TEST_F(ActiveDocumentTest, PanelsFollowTheActiveDocumentThroughOpenActivateAndClose) {
  enum Action { kOpen, kCalculate, kActivate, kClose };
  struct Step {
    Action action;
    const char* sample;
    const char* active;  // the sample shown afterwards; nullptr: none
  };
  const Step steps[] = {
      {kOpen, "gravity.nrv", "gravity.nrv"},
      {kCalculate, "gravity.nrv", "gravity.nrv"},
      {kOpen, "block_masonry.nrv", "block_masonry.nrv"},  // no results of its own yet
      {kCalculate, "block_masonry.nrv", "block_masonry.nrv"},
      {kOpen, "leaning.nrv", "leaning.nrv"},
      {kActivate, "gravity.nrv", "gravity.nrv"},
      {kActivate, "leaning.nrv", "leaning.nrv"},
      {kCalculate, "leaning.nrv", "leaning.nrv"},
      {kOpen, "mixed.nrv", "mixed.nrv"},
      {kCalculate, "mixed.nrv", "mixed.nrv"},
      {kActivate, "block_masonry.nrv", "block_masonry.nrv"},
      {kActivate, "mixed.nrv", "mixed.nrv"},
      {kClose, "mixed.nrv", nullptr},  // whichever window comes up next
      {kActivate, "gravity.nrv", "gravity.nrv"},
      {kClose, "leaning.nrv", nullptr},
      {kActivate, "block_masonry.nrv", "block_masonry.nrv"},
      {kClose, "block_masonry.nrv", nullptr},
      {kClose, "gravity.nrv", nullptr},  // the last one: both panels empty
  };
  std::map<std::string, std::shared_ptr<CDocument>> docs;
  int n = 0;
  for (const Step& s : steps) {
    SCOPED_TRACE(std::to_string(++n) + ". " + s.sample);
    switch (s.action) {
      case kOpen:
        docs[s.sample] = Open(s.sample);
        ASSERT_NE(docs[s.sample], nullptr);
        break;
      case kCalculate:
        ASSERT_EQ(ActiveDocument(), docs[s.sample]);
        main_->cmdAntResApply->click();
        ASSERT_NE(docs[s.sample]->bInpSt(4), 0);
        break;
      case kActivate:
        main_->mdiArea->setActiveSubWindow(WindowOf(*docs[s.sample]));
        break;
      case kClose: {
        ScreenWindow* w = WindowOf(*docs[s.sample]);
        ASSERT_NE(w, nullptr);
        sink_.answers = {MsgAnswer::No};  // the results differ from the file: do not save
        w->close();
        sink_.answers.clear();
        docs.erase(s.sample);
        break;
      }
    }
    QApplication::processEvents();
    std::shared_ptr<CDocument> active = ActiveDocument();
    if (s.active) {
      ASSERT_EQ(active, docs[s.active]);
    }
    if (docs.empty()) {
      ASSERT_EQ(active, nullptr);
    }
    const CDocument* shown = active.get();
    EXPECT_EQ(main_->txtDataName->text().toStdString(), shown ? shown->FileTitle : "");
    EXPECT_EQ(Texts(main_->vsdIniData->canvas()), DataTexts(shown));
    EXPECT_EQ(Content(Texts(main_->vsdAntRes->canvas())), Content(ResultTexts(shown)));
    if (shown && shown->bInpSt(4) == 0) {
      EXPECT_TRUE(main_->vsdAntRes->canvas().Ops().empty());
    }
  }
  EXPECT_TRUE(main_->vsdAntRes->canvas().Ops().empty());
  EXPECT_TRUE(main_->vsdIniData->canvas().Ops().empty());
}

// The screen on show during a run takes the run's outcome at once.
TEST_F(ActiveDocumentTest, ScreenOnShowRefreshesAfterARun) {
  auto doc = Open("gravity.nrv");
  ShowForm(*doc, 4);
  auto* screen = dynamic_cast<test::PlaceholderScreen*>(doc->DataForm);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->lblState->text(), QStringLiteral("計算結果はまだありません。"));
  main_->cmdAntResApply->click();
  EXPECT_EQ(doc->DataForm, screen);
  EXPECT_EQ(screen->lblState->text(), QStringLiteral("計算結果があります。"));
  EXPECT_TRUE(screen->cmdNext->isEnabled());
}

// A wall whose base width is 0: the check before the run names the cause,
// then each case gives that one reason (not the bearing capacity's B' <= 0
// first); every number of the panel is "-----", none of the null values.
TEST_F(ActiveDocumentTest, ZeroBaseWidthIsNamedFirstThenOneReasonPerCase) {
  auto doc = Open("gravity.nrv");
  ASSERT_EQ(doc->nCase(), 2);
  doc->GrwB = 0;
  sink_.shown.clear();
  main_->cmdAntResApply->click();
  const std::string reason = "底面幅 B が 0 以下のため、計算できません。";
  const std::vector<std::string> want = {
      "底面幅 B が 0 以下です（B = 0.000 m）。\n「形状寸法」の画面で擁壁の寸法を確認してください。",
      "「" + doc->pCase(0)->CaseName + "」は計算できない項目があります。\n" + reason,
      "「" + doc->pCase(1)->CaseName + "」は計算できない項目があります。\n" + reason,
  };
  EXPECT_EQ(sink_.shown, want);
  ASSERT_NE(doc->bInpSt(4), 0);
  const std::vector<std::string> shown = Texts(main_->vsdAntRes->canvas());
  ASSERT_FALSE(shown.empty());
  bool dashes = false;
  for (const std::string& t : shown) {
    EXPECT_EQ(t.find("1797"), std::string::npos) << t;
    EXPECT_EQ(t.find("e+"), std::string::npos) << t;
    EXPECT_LE(t.size(), 40u) << t;
    dashes = dashes || t.find("-----") != std::string::npos;
  }
  EXPECT_TRUE(dashes);
  EXPECT_TRUE(IsNullValue(doc->AntRes(0, 0)->Qa));  // no bearing capacity without a base
}

// A dimension never entered stops the run before it starts, with the screen named.
TEST_F(ActiveDocumentTest, MissingDimensionStopsTheRunWithTheScreenNamed) {
  auto doc = Open("gravity.nrv");
  doc->GrwB = kNullDouble;
  sink_.shown.clear();
  EXPECT_FALSE(CalculateWithProgress(*doc));
  EXPECT_EQ(sink_.shown, std::vector<std::string>{
                             "「形状寸法」の画面に未入力の項目があるため、計算できません。"});
  EXPECT_EQ(doc->bInpSt(1), 0);
  EXPECT_EQ(doc->bInpSt(4), 0);
  EXPECT_FALSE(main_->cmdAntResApply->isEnabled());
}

// The four samples pass the check before the run without a word.
TEST_F(ActiveDocumentTest, SamplesPassTheCheckBeforeTheRun) {
  for (const char* sample : {"block_masonry.nrv", "gravity.nrv", "leaning.nrv", "mixed.nrv"}) {
    SCOPED_TRACE(sample);
    auto doc = Open(sample);
    ASSERT_NE(doc, nullptr);
    const RunInputCheck check = InputProblemBeforeRun(*doc);
    EXPECT_EQ(check.message, "");
    EXPECT_FALSE(check.stops);
  }
}

}  // namespace
}  // namespace norva

// Screen 5 in a main window: pages and frames by wall type, the grids against
// the stored results of every sample, the key's bar inputs as a user types
// them, the section buttons, and the buttons that leave the screen.
#include "screens/results/frm_ouryoku.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <memory>
#include <string>
#include <vector>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/report_format.h"
#include "screens/results/member_checks.h"
#include "screens/results/member_sections.h"
#include "screens/results/member_windows.h"
#include "screens/user_input.h"
#include "shell/calculation.h"
#include "shell/document_forms.h"
#include "shell/shell_test_support.h"

namespace norva {
namespace {

using test::Enter;

std::string Cell(SpreadGrid* g, int col, int row) { return g->Text(col, row).toStdString(); }

// A number as the grids show it: "#0.00" (or the given format) without the
// leading blanks, "-----" for a null.
std::string Shown(double v, const char* format = "#0.00") {
  if (v == kNullBox) return "-----";
  std::string s = FormatNum(v, format);
  return s.substr(s.find_first_not_of(' '));
}

struct ReportCall {
  CDocument* doc;
  int16_t mode;
};

class FrmOuryokuTest : public test::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    savedWindows_ = Windows();
    savedDialogs_ = MemberDialogs();
    RegisterMemberResultWindows();
    Windows().makeScreen[4] = test::MakePlaceholderScreen;  // the placeholder stands for screen 4
    Windows().reportDialog = [this](CDocument& doc, int16_t mode, QWidget*) {
      reports_.push_back({&doc, mode});
    };
    main_->show();
  }
  void TearDown() override {
    ShellFixture::TearDown();
    Windows() = savedWindows_;
    MemberDialogs() = savedDialogs_;
  }
  // A sample opened from a copy and calculated as "安定計算結果更新" does.
  std::shared_ptr<CDocument> Calculated(const char* sample, void (*change)(CDocument&) = nullptr) {
    auto doc = OpenCopy(sample);
    if (!doc) return doc;
    if (change) change(*doc);
    EXPECT_TRUE(RecalculateDocument(*doc));
    return doc;
  }
  frmOuryoku* Show(CDocument& doc) {
    ShowForm(doc, 5);
    auto* s = dynamic_cast<frmOuryoku*>(doc.DataForm);
    EXPECT_NE(s, nullptr);
    QApplication::processEvents();
    return s;
  }

  ShellWindows savedWindows_;
  OuryokuDialogs savedDialogs_;
  std::vector<ReportCall> reports_;
};

// The gravity sample with a shear key 0.4 m wide and 0.3 m deep.
void WithKey(CDocument& d) {
  d.Tokki = 1;
  d.TokX = 0.6;
  d.TokB = 0.4;
  d.TokL = 0.3;
  d.TokDia = 16;
  d.TokHon = kNullDouble;
  d.TokPich = kNullDouble;
  d.TokKab = kNullDouble;
}

// Every sample: the stem grid of each page shows pWallRes of its part at the
// root section, the toe grid pFotRes, the key grid pTokRes; pages and frames
// follow the wall type.
TEST_F(FrmOuryokuTest, EverySampleShowsItsStoredResults) {
  for (const char* sample : {"block_masonry.nrv", "gravity.nrv", "leaning.nrv", "mixed.nrv"}) {
    SCOPED_TRACE(sample);
    auto doc = Calculated(sample);
    ASSERT_NE(doc, nullptr);
    frmOuryoku* s = Show(*doc);
    ASSERT_NE(s, nullptr);
    CDocument& d = *doc;
    const bool mixed = d.WallType() == 3;
    EXPECT_NE(d.bInpSt(5), 0);
    EXPECT_EQ(s->vstWall->isTabEnabled(0), mixed);
    EXPECT_TRUE(s->vstWall->isTabEnabled(1));
    EXPECT_EQ(s->vstWall->currentIndex(), mixed ? 0 : 1);
    EXPECT_EQ(s->vsWallRes[0]->isEnabled(), mixed);
    EXPECT_EQ(s->cmbWallSecPos[0]->count(), mixed ? d.nWallSecCnt(0) : 0);
    EXPECT_EQ(s->fraFot->isEnabled(), d.bFotCalc() != 0);
    EXPECT_EQ(s->fraTok->isEnabled(), d.Tokki != 0 && d.WallType() != 0);
    EXPECT_EQ(s->vsWallRes[1]->MaxRows(), std::max(5, d.nCase() + 1));

    for (int page : {0, 1}) {
      if (page == 0 && !mixed) continue;
      const int16_t part = PagePart(d.WallType(), page);
      SpreadGrid* g = s->vsWallRes[page];
      EXPECT_EQ(Cell(g, 0, 1), "No");
      EXPECT_EQ(Cell(g, 2, 1), "Ｎ\r\n(kN)");
      EXPECT_EQ(s->cmbWallSecPos[page]->currentText().toStdString(),
                SectionText(d.WallSecY(part, 0)));
      for (int i = 0; i < d.nCase(); ++i) {
        SCOPED_TRACE(i);
        const CWallRes& r = *d.pWallRes(part, i, 0);
        const int row = i + 2;
        EXPECT_EQ(Cell(g, 1, row), d.pCase(i)->CaseName);
        EXPECT_EQ(Cell(g, 2, row), Shown(r.ForceN));
        EXPECT_EQ(Cell(g, 3, row), Shown(r.ForceS));
        EXPECT_EQ(Cell(g, 4, row), Shown(r.ForceM));
        EXPECT_EQ(Cell(g, 5, row), Shown(1000 * r.Height(0), "#0.0"));
        EXPECT_EQ(Cell(g, 8, row), FormatNum(r.Tauc, "#0.00") +
                                       (std::fabs(r.Tauc) > r.Taua ? " >" : " <") +
                                       FormatNum(r.Taua, "#0.00"));
        const std::string j = Cell(g, 9, row);
        EXPECT_TRUE(j == "OK" || j == "OUT") << j;
        EXPECT_EQ(g->CellBackColor(9, row), j == "OK" ? QColor(0, 0, 255) : QColor(255, 0, 0));
      }
    }
    if (d.bFotCalc()) {
      for (int i = 0; i < d.nCase(); ++i) {
        const CFotRes& r = *d.pFotRes(i);
        EXPECT_EQ(Cell(s->vsFot, 2, i + 2), Shown(r.ForceS));
        EXPECT_EQ(Cell(s->vsFot, 3, i + 2), Shown(r.ForceM));
        EXPECT_EQ(Cell(s->vsFot, 4, i + 2), Shown(1000 * r.Height, "#0.0"));
      }
    } else {
      EXPECT_EQ(Cell(s->vsFot, 2, 2), "");
    }
    CloseDocument(d.Key);
    for (auto* w : main_->mdiArea->subWindowList()) delete w;
  }
}

TEST_F(FrmOuryokuTest, KeyBarsAsTheUserTypesThem) {
  auto doc = Calculated("gravity.nrv", WithKey);
  ASSERT_NE(doc, nullptr);
  frmOuryoku* s = Show(*doc);
  ASSERT_NE(s, nullptr);
  CDocument& d = *doc;
  EXPECT_TRUE(s->fraTok->isEnabled());
  EXPECT_EQ(s->cmbDia->currentText(), "16");
  EXPECT_DOUBLE_EQ(s->imnKab->MaxValue(), 399);  // 1000 x 0.4 - 1
  EXPECT_TRUE(s->imnHon->IsBlank());
  EXPECT_TRUE(s->imnAs->IsBlank());
  // No count yet, so no steel: the checks and the judgement are "-----".
  EXPECT_EQ(Cell(s->vsTok, 5, 2), "-----");
  EXPECT_EQ(Cell(s->vsTok, 9, 2), "-----");
  EXPECT_EQ(Cell(s->vsTok, 4, 2), Shown(1000 * d.pTokRes(0)->D, "#0.0"));

  // 4 bars: spacing 1000 / 4 = 250; As = 4 x 1.986 cm2 = 794.40 mm2.
  Enter(s->imnHon, "4");
  EXPECT_DOUBLE_EQ(d.TokHon, 4);
  EXPECT_DOUBLE_EQ(d.TokPich, 250);
  EXPECT_EQ(s->imnPich->text(), "250.0");
  EXPECT_NEAR(d.TokAs, 7.944e-4, 1e-12);
  EXPECT_EQ(s->imnAs->text(), "794.40");
  const CTokRes& r = *d.pTokRes(0);
  ASSERT_NE(r.Sgms, kNullBox);
  EXPECT_EQ(Cell(s->vsTok, 6, 2), FormatNum(r.Sgms, "##0.0") +
                                      (std::fabs(r.Sgms) > r.Sgmsa ? " >" : " <") +
                                      FormatNum(r.Sgmsa, "##0.0"));
  EXPECT_TRUE(Cell(s->vsTok, 9, 2) == "OK" || Cell(s->vsTok, 9, 2) == "OUT");

  // A spacing of 200 gives 5 bars.
  Enter(s->imnPich, "200");
  EXPECT_DOUBLE_EQ(d.TokHon, 5);
  EXPECT_EQ(s->imnHon->text(), "5.0");
  EXPECT_NEAR(d.TokAs, 5 * 1.986e-4, 1e-12);

  // The same spacing again touches nothing: the grid is not refilled.
  s->vsTok->SetText(1, 2, "marker");
  Enter(s->imnPich, "200");
  EXPECT_EQ(Cell(s->vsTok, 1, 2), "marker");
  EXPECT_DOUBLE_EQ(d.TokHon, 5);

  // D13: As = 5 x 1.267 cm2.
  s->cmbDia->setCurrentIndex(s->cmbDia->findText("13"));
  EXPECT_EQ(d.TokDia, 13);
  EXPECT_NEAR(d.TokAs, 5 * 1.267e-4, 1e-12);
  EXPECT_EQ(Cell(s->vsTok, 1, 2), d.pCase(0)->CaseName);

  // 50 mm of cover: d = 0.4 - 0.05. A blank cover counts as 100 mm for the
  // check but is not written as 100.
  Enter(s->imnKab, "50");
  EXPECT_DOUBLE_EQ(d.TokKab, 50);
  EXPECT_NEAR(d.pTokRes(0)->D, 0.4 - 0.05, 1e-12);
  Enter(s->imnKab, "");
  EXPECT_EQ(d.TokKab, kNullBox);
  EXPECT_TRUE(s->imnKab->IsBlank());
  EXPECT_NEAR(d.pTokRes(0)->D, 0.4 - 0.1, 1e-12);

  // Removing the count leaves no old OK behind.
  Enter(s->imnHon, "");
  EXPECT_EQ(d.TokHon, kNullBox);
  EXPECT_EQ(d.TokAs, 0);
  EXPECT_TRUE(s->imnAs->IsBlank());
  for (int c : {5, 6, 7, 9}) EXPECT_EQ(Cell(s->vsTok, c, 2), "-----") << c;
  EXPECT_EQ(s->vsTok->CellForeColor(5, 2), QColor(Qt::black));
  EXPECT_TRUE(sink_.shown.empty());
}

TEST_F(FrmOuryokuTest, SectionButtonsRecalculateAndRefill) {
  auto doc = Calculated("gravity.nrv");
  ASSERT_NE(doc, nullptr);
  frmOuryoku* s = Show(*doc);
  ASSERT_NE(s, nullptr);
  CDocument& d = *doc;
  int dialogs = 0;
  MemberDialogs().addSecPos = [&](CDocument& doc2, int16_t part, QWidget*) {
    ++dialogs;
    EXPECT_EQ(&doc2, &d);
    EXPECT_EQ(part, 0);
    AddCheckSection(doc2, part, 1.5);
  };
  s->cmdWallSecPos[2]->click();
  EXPECT_EQ(dialogs, 1);
  QComboBox* list = s->cmbWallSecPos[1];
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->itemText(1), "1.500");
  EXPECT_EQ(list->currentIndex(), 1);
  // The grid shows the new section, calculated for every case.
  for (int i = 0; i < d.nCase(); ++i) {
    const CWallRes& r = *d.pWallRes(0, i, 1);
    EXPECT_EQ(Cell(s->vsWallRes[1], 3, i + 2), Shown(r.ForceS));
    EXPECT_EQ(Cell(s->vsWallRes[1], 5, i + 2), Shown(1000 * r.Height(0), "#0.0"));
  }
  // Choosing the root again shows its results.
  list->setCurrentIndex(0);
  EXPECT_EQ(Cell(s->vsWallRes[1], 3, 2), Shown(d.pWallRes(0, 0, 0)->ForceS));

  // Delete the 1.500 section after the question.
  list->setCurrentIndex(1);
  sink_.answers = {MsgAnswer::Ok};
  s->cmdWallSecPos[3]->click();
  EXPECT_EQ(d.nWallSecCnt(0), 1);
  EXPECT_EQ(list->count(), 1);
  EXPECT_EQ(list->currentIndex(), 0);
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0], "1.500 (m)の位置を削除してもよろしいですか？");
}

TEST_F(FrmOuryokuTest, BackShowsScreen4WithoutRecalculating) {
  auto doc = Calculated("gravity.nrv");
  ASSERT_NE(doc, nullptr);
  ASSERT_NE(Show(*doc), nullptr);
  const std::shared_ptr<CAntRes> before = doc->AntRes(0, 0);
  const double fm = before->Fm;
  doc->ReAntCalc = 0;
  auto* s = dynamic_cast<frmOuryoku*>(doc->DataForm);
  s->cmdPrevious->click();
  QApplication::processEvents();
  EXPECT_NE(doc->ReAntCalc, 0);
  ASSERT_NE(doc->DataForm, nullptr);
  EXPECT_EQ(doc->DataForm->No(), 4);
  EXPECT_EQ(doc->AntRes(0, 0), before);
  EXPECT_EQ(doc->AntRes(0, 0)->Fm, fm);
}

TEST_F(FrmOuryokuTest, PrintOpensTheSelectionInPreviewMode) {
  auto doc = Calculated("gravity.nrv");
  ASSERT_NE(doc, nullptr);
  frmOuryoku* s = Show(*doc);
  ASSERT_NE(s, nullptr);
  s->cmdPrint->click();
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_EQ(reports_[0].doc, doc.get());
  EXPECT_EQ(reports_[0].mode, 1);
}

TEST_F(FrmOuryokuTest, CloseAsksTheSaveQuestion) {
  auto doc = Calculated("gravity.nrv");
  ASSERT_NE(doc, nullptr);
  frmOuryoku* s = Show(*doc);
  ASSERT_NE(s, nullptr);
  doc->Title += "（改）";  // a change to save
  sink_.answers = {MsgAnswer::Cancel};
  s->cmdNext->click();
  QApplication::processEvents();
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(gDocuments.Count(), 1);
  EXPECT_NE(WindowOf(*doc), nullptr);

  sink_.answers = {MsgAnswer::No};
  s->cmdNext->click();
  QApplication::processEvents();
  EXPECT_EQ(gDocuments.Count(), 0);
}

// More cases than the grid shows: one row each; fewer keep the visible rows.
TEST_F(FrmOuryokuTest, GridRowsFollowTheCases) {
  auto doc = Calculated("gravity.nrv", [](CDocument& d) {
    const int16_t n = d.nCase();
    d.SetnCase(6);
    for (int i = n; i < 6; ++i) {
      auto c = std::make_shared<CKajyuCase>();
      *c = *d.pCase(i % n);
      c->CaseName = "ケース" + std::to_string(i + 1);
      d.SetpCase(i, c);
    }
  });
  ASSERT_NE(doc, nullptr);
  frmOuryoku* s = Show(*doc);
  ASSERT_NE(s, nullptr);
  for (SpreadGrid* g : {s->vsWallRes[1], s->vsFot, s->vsTok}) EXPECT_EQ(g->MaxRows(), 7);
  EXPECT_EQ(Cell(s->vsWallRes[1], 1, 7), "ケース6");
  EXPECT_EQ(Cell(s->vsWallRes[1], 0, 7), "6");
}

}  // namespace
}  // namespace norva

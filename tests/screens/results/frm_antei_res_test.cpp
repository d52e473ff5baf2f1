// The stability results screen in a main window: when it calculates, what
// the sample designs show in every cell and box (against their stored
// results and the shared verdicts), the pages by design, a fixed slip angle,
// and the buttons.
#include "screens/results/frm_antei_res.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "calc/run/calc_antei.h"
#include "calc/run/recalc_case.h"
#include "calc/stability/verdicts.h"
#include "document/ant_res.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/report_format.h"
#include "platform/controls/colors.h"
#include "screens/results/antei_res_pages.h"
#include "screens/user_input.h"
#include "shell/calculation.h"
#include "shell/document_forms.h"
#include "shell/nav_bar.h"
#include "shell/shell_test_support.h"

namespace norva {
namespace {

using test::Enter;
using test::FocusIn;
using test::FocusOut;

// Lets the event loop run for ms milliseconds (timers included).
void Wait(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

std::string Pattern(int decimals) {
  return decimals == 0 ? "0" : "0." + std::string(static_cast<size_t>(decimals), '0');
}
// What a number box must show for v: the value rounded by its format, or
// nothing outside its range.
std::string BoxText(const NumberBox* b, double v) {
  if (!(v >= b->MinValue() && v <= b->MaxValue())) return "";
  return FormatPattern(v, Pattern(b->Decimals()));
}
#define EXPECT_BOX(box, v) EXPECT_EQ((box)->text().toStdString(), BoxText((box), (v))) << #box
std::string Cell(const SpreadGrid* g, int col, int row) { return g->Text(col, row).toStdString(); }
std::string Value(double v, int decimals) {
  return IsComputedResult(v) ? FormatPattern(v, Pattern(decimals)) : "-----";
}
const char* Verdict(bool ok) { return ok ? "OK" : "OUT"; }

// The members a figure could disturb, as one text.
std::string ResultImage(const CAntRes& r) {
  std::string out;
  for (double v : {r.Pa, r.Ka, r.Xh, r.Xd, r.Ha, r.SgmV, r.SgmH, r.SgmMr, r.SgmMo, r.E, r.Qmax,
                   r.Kusabi(0)->fOmega, r.Kusabi(0)->fPa})
    out += std::to_string(v) + " ";
  for (int i = 0; i < CAntRes::kSForceItems; ++i)
    out += std::to_string(r.SForceV(i)) + "/" + std::to_string(r.SForceMr(i)) + " ";
  return out;
}

class FrmAnteiResTest : public test::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    savedHooks_ = AnteiResHooks();
    savedWindows_ = Windows();
    RegisterStabilityResultWindows();
    AnteiResHooks().calculate = [this](CDocument& d) {
      ++calculations_;
      return CalculateWithProgress(d);
    };
    AnteiResHooks().recalcCase = [this](CDocument& d, int32_t i) {
      recalcs_.push_back(i);
      return ReCalcCase(d, i);
    };
    AnteiResHooks().wlvlWindow = [this](CDocument&, QWidget*) { ++wlvlWindows_; };
    main_->show();
  }
  void TearDown() override {
    AnteiResHooks() = savedHooks_;
    Windows() = savedWindows_;
    ShellFixture::TearDown();
  }
  frmAnteiRes* Show(CDocument& doc) {
    ShowForm(doc, 4);
    auto* s = dynamic_cast<frmAnteiRes*>(doc.DataForm);
    EXPECT_NE(s, nullptr);
    QApplication::processEvents();
    return s;
  }
  // Leaves screen 4 and opens it again through the navigation bar.
  frmAnteiRes* Reopen(CDocument& doc) {
    EXPECT_NE(main_->nav, nullptr);
    EXPECT_TRUE(main_->nav->optTab[4]->isEnabled());
    main_->nav->optTab[3]->click();
    main_->nav->optTab[4]->click();
    QApplication::processEvents();
    auto* s = dynamic_cast<frmAnteiRes*>(doc.DataForm);
    EXPECT_NE(s, nullptr);
    return s;
  }

  AnteiResServices savedHooks_;
  ShellWindows savedWindows_;
  int calculations_ = 0;
  std::vector<int32_t> recalcs_;
  int wlvlWindows_ = 0;
};

TEST_F(FrmAnteiResTest, OpeningCalculatesOnceAndComingBackFromStressesDoesNot) {
  auto doc = OpenCopy("gravity.nrv");
  ASSERT_NE(doc, nullptr);
  frmAnteiRes* s = Show(*doc);
  EXPECT_EQ(calculations_, 1);
  EXPECT_NE(doc->bInpSt(4), 0);  // the member-stress screen and the report open
  EXPECT_EQ(s->vsAntRes[1]->MaxRows(), 3);

  // The member-stress screen's back button.
  ShowForm(*doc, 3);
  doc->ReAntCalc = -1;
  Show(*doc);
  EXPECT_EQ(calculations_, 1);
  EXPECT_EQ(doc->ReAntCalc, 0);  // one shot
  Reopen(*doc);
  EXPECT_EQ(calculations_, 2);

  // The main window's recalculation refreshes the screen without a second run.
  RecalculateDocument(*doc);
  EXPECT_EQ(calculations_, 2);
  EXPECT_EQ(doc->ReAntCalc, 0);
  EXPECT_NE(dynamic_cast<frmAnteiRes*>(doc->DataForm), nullptr);
}

TEST_F(FrmAnteiResTest, CaseListAndDocumentsWithoutCases) {
  auto doc = OpenCopy("gravity.nrv");
  AnteiResHooks().calculate = [](CDocument&) { return true; };
  doc->SetnCase(12);
  for (int i = 0; i < 12; ++i) {
    auto k = std::make_shared<CKajyuCase>();
    k->CaseName = i == 2 ? "常時" : "地震時";
    doc->SetpCase(i, k);
  }
  frmAnteiRes* s = Show(*doc);
  ASSERT_EQ(s->lsAntDetail->count(), 12);
  EXPECT_EQ(s->lsAntDetail->item(2)->text(), QStringLiteral(" 3.常時"));
  EXPECT_EQ(s->lsAntDetail->item(11)->text(), QStringLiteral("12.地震時"));
  EXPECT_EQ(s->lsAntDetail->currentRow(), 0);
  EXPECT_EQ(s->vsAntRes[1]->MaxRows(), 13);

  doc->SetnCase(0);  // an incomplete design: the navigation bar would not offer screen 4
  ShowForm(*doc, 3);
  s = Show(*doc);
  EXPECT_EQ(s->lsAntDetail->count(), 0);
  EXPECT_EQ(s->vsAntRes[1]->MaxRows(), 1);  // the heading row alone
  EXPECT_EQ(s->vsAntRes[1]->Text(0, 1), QStringLiteral("No"));
}

// Every cell of the summary and every box of the detail pages against the
// stored results, and every verdict against the shared rule.
void CheckAgreement(CDocument& d, frmAnteiRes* s) {
  const bool mixed = d.WallType() == 3;
  const int part = mixed ? 1 : 0;
  const SpreadGrid* g = s->vsAntRes[1];
  for (int i = 0; i < d.nCase(); ++i) {
    SCOPED_TRACE("case " + std::to_string(i + 1));
    const int row = i + 2;
    const CAntRes& r = *d.AntRes(part, i);
    const CKajyuCase& k = *d.pCase(i);
    EXPECT_EQ(Cell(g, 1, row), k.CaseName);
    EXPECT_EQ(Cell(g, 2, row), Value(r.SgmV, 2));
    EXPECT_EQ(Cell(g, 3, row), Value(r.SgmH, 2));
    EXPECT_EQ(Cell(g, 4, row), Value(r.SgmMr, 2));
    EXPECT_EQ(Cell(g, 5, row), Value(r.SgmMo, 2));
    // Every sample judges overturning by its eccentricity.
    ASSERT_EQ(d.nTentou, 0);
    const bool eOk = EccentricityOk(r.E, r.Ea, d.WallType());
    EXPECT_EQ(Cell(g, 6, row), Value(std::fabs(r.E), 3));
    EXPECT_EQ(Cell(g, 8, row), Value(r.Ea, 3));
    EXPECT_EQ(g->CellForeColor(6, row), VbColor(eOk ? 0xFF0000 : 0x0000FF));
    if (d.ChkSlide == 1) {
      EXPECT_EQ(Cell(g, 9, row), Value(r.Fs, 2));
      EXPECT_EQ(Cell(g, 11, row), Value(r.Fsa, 2));
      EXPECT_EQ(g->CellForeColor(9, row), VbColor(SlideOk(r.Fs, r.Fsa) ? 0xFF0000 : 0x0000FF));
    }
    const double qa = AllowableReaction(d, &k, r.Qa);
    EXPECT_EQ(Cell(g, 12, row), Value(std::max(r.Qmax, r.Qmin), 2));
    EXPECT_EQ(Cell(g, 14, row), Value(qa, 2));
    EXPECT_EQ(g->CellForeColor(12, row),
              VbColor(ReactionOk(r.Qmax, r.Qmin, qa) ? 0xFF0000 : 0x0000FF));

    s->lsAntDetail->setCurrentRow(i);
    EXPECT_BOX(s->imnMr, r.SgmMr);
    EXPECT_BOX(s->imnMo, r.SgmMo);
    EXPECT_BOX(s->imnV[0], r.SgmV);
    EXPECT_BOX(s->imnD[0], r.D);
    EXPECT_BOX(s->imnE[0], r.E);
    EXPECT_BOX(s->imnE[1], r.Ea);
    EXPECT_EQ(s->imtFm[3]->Text().toStdString(), Verdict(eOk));
    EXPECT_BOX(s->imnV[1], r.SgmV);
    EXPECT_BOX(s->imnH[0], r.SgmH);
    EXPECT_BOX(s->imnH1[0], r.Hu);
    EXPECT_BOX(s->imnFs[0], r.Fs);
    EXPECT_BOX(s->imnFs[1], r.Fsa);
    EXPECT_EQ(s->imtFs[1]->Text().toStdString(), Verdict(SlideOk(r.Fs, r.Fsa)));
    if (d.nQa == 0) {
      EXPECT_BOX(s->imnNc, r.Nc);
      EXPECT_BOX(s->imnNq, r.Nq);
      EXPECT_BOX(s->imnNg, r.Ng);
    }
    EXPECT_EQ(s->imnQmax[0]->Text().toStdString(), Value(r.Qmax, 2));
    EXPECT_EQ(s->imnQmin[0]->Text().toStdString(), Value(r.Qmin, 2));
    EXPECT_BOX(s->imnQa[1], qa);
    EXPECT_EQ(s->imtFb[1]->Text().toStdString(), Verdict(ReactionOk(r.Qmax, r.Qmin, qa)));
    if (d.Doatsu == 1 || mixed) {
      const CKusabiRes& w = *r.Kusabi(0);
      EXPECT_BOX(s->imnDoatsu3[0], w.fOmega * 57.29577951308238);
      EXPECT_BOX(s->imnDoatsu3[1], r.Pa);
      EXPECT_BOX(s->imnDoatsu3[2], r.Ka);
      EXPECT_BOX(s->imnDoatsu3[3], r.Pav);
      EXPECT_BOX(s->imnDoatsu3[4], r.Pah);
      const std::vector<CKusabiRes> trials = ReadKusabiFile(w.TempFile);
      ASSERT_GE(trials.size(), 2u);
      EXPECT_EQ(s->vsDoatsu3->MaxRows(), static_cast<int>(trials.size()) + 1);
      EXPECT_EQ(Cell(s->vsDoatsu3, 1, 2), Value(trials[0].fOmega * 57.29577951308238, 1));
      EXPECT_EQ(Cell(s->vsDoatsu3, 4, 2), Value(trials[0].fPa, 3));
    }
    if (mixed) {
      const CAntRes& u = *d.AntRes(0, i);
      const SpreadGrid* g0 = s->vsAntRes[0];
      EXPECT_EQ(Cell(g0, 6, row), Value(u.Xh, 3));
      EXPECT_EQ(Cell(g0, 8, row), Value(u.Xd, 3));
      EXPECT_BOX(s->imnSiryoku[0], u.Ka);
      EXPECT_BOX(s->imnSiryoku[1], u.Xh);
      EXPECT_BOX(s->imnSiryoku[2], u.Xd);
      EXPECT_BOX(s->imnSiryoku[5], u.Ha);
      EXPECT_EQ(s->imtSiryoku[1]->Text().toStdString(), Verdict(ThrustOk(u.Xh, u.Xd)));
      EXPECT_BOX(s->imnDoatsu1[1], u.Pa);
    }
  }
}

TEST_F(FrmAnteiResTest, EverySampleShowsItsStoredResults) {
  for (const char* sample : {"block_masonry.nrv", "gravity.nrv", "leaning.nrv", "mixed.nrv"}) {
    SCOPED_TRACE(sample);
    auto doc = OpenCopy(sample);
    ASSERT_NE(doc, nullptr);
    frmAnteiRes* s = Show(*doc);
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(sink_.shown.empty()) << sink_.shown.front();
    CheckAgreement(*doc, s);
    CloseDocument(doc->Key);
  }
}

TEST_F(FrmAnteiResTest, PagesAndTabsFollowTheDesign) {
  auto doc = OpenCopy("gravity.nrv");  // Coulomb: no earth-pressure page
  frmAnteiRes* s = Show(*doc);
  IndexTab* tabs = s->vstAntDetail[1];
  EXPECT_FALSE(tabs->isTabVisible(0));
  EXPECT_FALSE(tabs->isTabVisible(1));
  EXPECT_EQ(tabs->CurrTab(), 2);  // overturning
  EXPECT_TRUE(s->optAntei.Value(1));
  EXPECT_FALSE(s->optAntei.Item(0)->isEnabled());
  EXPECT_EQ(s->vstWall->CurrTab(), 1);
  EXPECT_FALSE(s->cmdWlvl->isEnabled());
  EXPECT_TRUE(s->rowTentouE->isVisibleTo(s));
  EXPECT_FALSE(s->rowTentouFm->isVisibleTo(s));

  auto mixed = OpenCopy("mixed.nrv");
  s = Show(*mixed);
  EXPECT_TRUE(s->optAntei.Value(0));
  EXPECT_TRUE(s->optAntei.Item(0)->isEnabled());
  EXPECT_EQ(s->vstWall->CurrTab(), 0);
  EXPECT_EQ(s->vstAntDetail[0]->CurrTab(), 0);
  s->optAntei.Item(1)->click();
  EXPECT_FALSE(s->optAntei.Value(0));
  EXPECT_EQ(s->vstAntRes->CurrTab(), 1);
  EXPECT_EQ(s->vstWall->CurrTab(), 1);
  EXPECT_EQ(s->vstAntDetail[1]->CurrTab(), 0);  // the lower wall's earth pressure

  // A block wall judged by its line of thrust.
  auto block = OpenCopy("block_masonry.nrv");
  block->nTentou = 3;
  block->nWlvlAuto = 1;
  s = Show(*block);
  tabs = s->vstAntDetail[1];
  EXPECT_TRUE(tabs->isTabVisible(1));
  EXPECT_FALSE(tabs->isTabVisible(2));
  EXPECT_FALSE(s->cmdWlvl->isEnabled());  // not for the line of thrust
  const CAntRes& r = *block->AntRes(0, 0);
  EXPECT_BOX(s->imnSiryoku[11], r.Xh);
  EXPECT_BOX(s->imnSiryoku[12], r.Xd);
  EXPECT_EQ(s->imtSiryoku[11]->Text().toStdString(), Verdict(ThrustOk(r.Xh, r.Xd)));
  EXPECT_EQ(s->vsAntRes[1]->Text(6, 2).toStdString(), Value(r.Xh, 3));

  // The figure is drawn when its page is shown, and drawing it leaves the
  // results as they were.
  CanvasWidget* pic = s->vsdSiryoku[1];
  EXPECT_TRUE(pic->canvas().Ops().empty());
  const std::string before = ResultImage(r);
  tabs->SetCurrentTab(1);
  QApplication::processEvents();
  EXPECT_FALSE(pic->canvas().Ops().empty());
  EXPECT_EQ(ResultImage(r), before);
  // A new size draws it again, fitted.
  const size_t ops = pic->canvas().Ops().size();
  pic->resize(pic->width() + 40, pic->height());
  Wait(300);
  EXPECT_EQ(pic->canvas().Ops().size(), ops);
  EXPECT_NEAR(pic->canvas().ScaleWidth(), pic->width() * 1440.0 / pic->logicalDpiX(), 1e-6);
}

TEST_F(FrmAnteiResTest, AFixedSlipAngleRecalculatesItsCaseOnce) {
  auto doc = OpenCopy("leaning.nrv");  // trial wedge, embankment
  frmAnteiRes* s = Show(*doc);
  NumberBox* box = s->imnDoatsu3[0];
  auto wedge = [&] { return doc->AntRes(0, 0)->Kusabi(0); };
  const double searched = wedge()->fOmega * 57.29577951308238;
  const double paBefore = doc->AntRes(0, 0)->Pa;

  // The hint names the range while the box has the focus.
  FocusIn(box);
  EXPECT_EQ(s->imtHelp->Text().toStdString(),
            SlipAngleHint(box->Tag().toStdString(), box->MinValue(), box->MaxValue()));
  FocusOut(box);
  EXPECT_TRUE(recalcs_.empty());  // passing through changes nothing
  Enter(box, box->text());
  EXPECT_TRUE(recalcs_.empty());  // the same value typed again
  Enter(box, "");
  EXPECT_TRUE(recalcs_.empty());                                 // an emptied box fixes nothing...
  EXPECT_EQ(box->text().toStdString(), BoxText(box, searched));  // ...and shows the angle again

  const double fixed = std::round(searched) + 1;
  Enter(box, QString::number(fixed, 'f', 2));
  ASSERT_EQ(recalcs_.size(), 1u);
  EXPECT_EQ(recalcs_[0], 0);
  EXPECT_NE(wedge()->bChgOmg, 0);
  EXPECT_DOUBLE_EQ(wedge()->fChgOmg, fixed);
  EXPECT_EQ(box->text().toStdString(), BoxText(box, fixed));
  const CAntRes& r = *doc->AntRes(0, 0);
  EXPECT_NE(r.Pa, paBefore);
  EXPECT_EQ(s->vsAntRes[1]->Text(2, 2).toStdString(), Value(r.SgmV, 2));  // row refreshed
  EXPECT_BOX(s->imnDoatsu3[1], r.Pa);
  CheckAgreement(*doc, s);

  // Coming back from the member-stress screen keeps the angle; opening the
  // screen anew searches again.
  ShowForm(*doc, 3);
  doc->ReAntCalc = -1;
  Show(*doc);
  EXPECT_NE(wedge()->bChgOmg, 0);
  Reopen(*doc);
  EXPECT_EQ(wedge()->bChgOmg, 0);
  EXPECT_NEAR(wedge()->fOmega * 57.29577951308238, searched, 1e-9);
}

TEST_F(FrmAnteiResTest, SlipAnglesOfAMixedWallGoToTheirPart) {
  auto doc = OpenCopy("mixed.nrv");
  frmAnteiRes* s = Show(*doc);
  NumberBox* lower = s->imnDoatsu3[0];
  const double lowerAngle = std::round(lower->Value()) + 1;
  Enter(lower, QString::number(lowerAngle, 'f', 2));
  ASSERT_EQ(recalcs_.size(), 1u);
  EXPECT_NE(doc->AntRes(1, 0)->Kusabi(0)->bChgOmg, 0);
  EXPECT_EQ(doc->AntRes(0, 0)->Kusabi(0)->bChgOmg, 0);
  NumberBox* upper = s->imnDoatsu1[0];
  const double upperAngle = std::round(upper->Value()) - 1;
  Enter(upper, QString::number(upperAngle, 'f', 2));
  ASSERT_EQ(recalcs_.size(), 2u);
  EXPECT_DOUBLE_EQ(doc->AntRes(0, 0)->Kusabi(0)->fChgOmg, upperAngle);
}

TEST_F(FrmAnteiResTest, CutBackGroundFixesTheBackfillWedgeOnly) {
  auto doc = OpenCopy("gravity.nrv");
  doc->Doatsu = 1;
  doc->BackType = 1;
  doc->KiriD = 0.5;
  doc->KiriN = 0.6;
  doc->KiriDlt = 20;
  doc->Deltd = 20;
  doc->Cd = 0;
  frmAnteiRes* s = Show(*doc);
  EXPECT_TRUE(sink_.shown.empty());
  EXPECT_EQ(s->vstDoatsu[1]->CurrTab(), 1);
  const CAntRes& r = *doc->AntRes(0, 1);
  s->lsAntDetail->setCurrentRow(1);
  EXPECT_BOX(s->imnDoatsu4[6], r.Kusabi(0)->fPa);
  EXPECT_BOX(s->imnDoatsu4[10], r.Kusabi(1)->fPa);
  EXPECT_BOX(s->imnDoatsu4[11], r.Pa);
  NumberBox* backfill = s->imnDoatsu4[7];
  EXPECT_TRUE(backfill->isEnabled());
  const double angle = std::round(backfill->Value()) + 2;  // inside its range
  Enter(backfill, QString::number(angle, 'f', 2));
  ASSERT_EQ(recalcs_.size(), 1u);
  EXPECT_EQ(recalcs_[0], 1);
  EXPECT_NE(r.Kusabi(1)->bChgOmg, 0);
  EXPECT_EQ(r.Kusabi(0)->bChgOmg, 0);
  EXPECT_BOX(s->imnDoatsu4[7], angle);

  // Only the boundary wedge adopted: its backfill box is greyed and empty.
  doc->KiriDoatsu = 1;
  s = Reopen(*doc);
  EXPECT_FALSE(s->imnDoatsu4[7]->isEnabled());
  EXPECT_TRUE(s->imnDoatsu4[10]->text().isEmpty());
}

TEST_F(FrmAnteiResTest, AMissingTrialFileShowsNoTrialsAndTheCasesOwnNumbers) {
  auto doc = OpenCopy("gravity.nrv");
  doc->Doatsu = 1;
  frmAnteiRes* s = Show(*doc);
  ASSERT_GT(s->vsDoatsu3->MaxRows(), 2);
  std::filesystem::remove(doc->AntRes(0, 1)->Kusabi(0)->TempFile);
  s->lsAntDetail->setCurrentRow(1);
  EXPECT_EQ(s->vsDoatsu3->MaxRows(), 1);  // the caption row
  EXPECT_TRUE(s->vsdDoatsu3->canvas().Ops().empty());
  EXPECT_BOX(s->imnDoatsu3[1], doc->AntRes(0, 1)->Pa);
  s->lsAntDetail->setCurrentRow(0);
  EXPECT_GT(s->vsDoatsu3->MaxRows(), 2);
  EXPECT_FALSE(s->vsdDoatsu3->canvas().Ops().empty());
}

TEST_F(FrmAnteiResTest, SlidingWithoutForceIsOmittedAndComesBack) {
  auto doc = OpenCopy("gravity.nrv");
  frmAnteiRes* s = Show(*doc);
  CAntRes& r = *doc->AntRes(0, 1);
  r.SgmH = 0;
  r.Fs = -1;
  s->lsAntDetail->setCurrentRow(1);
  EXPECT_EQ(s->lblKatsu[5]->text(), QStringLiteral("滑動力≦0 ゆえ、検討省略"));
  EXPECT_TRUE(s->imnFs[0]->isHidden());
  EXPECT_TRUE(s->imtFs[1]->isHidden());
  EXPECT_FALSE(s->imnV[1]->isHidden());
  s->SetAntSummary(1);
  EXPECT_EQ(s->vsAntRes[1]->Text(10, 3), QStringLiteral("------"));
  EXPECT_EQ(s->vsAntRes[1]->Text(9, 3), QString());
  s->lsAntDetail->setCurrentRow(0);
  EXPECT_EQ(s->lblKatsu[5]->text(), QStringLiteral("＝"));
  EXPECT_FALSE(s->imnFs[0]->isHidden());
}

TEST_F(FrmAnteiResTest, ResultsThatCouldNotBeComputedNeverPass) {
  auto doc = OpenCopy("gravity.nrv");
  frmAnteiRes* s = Show(*doc);
  MarkNotComputable(*doc->AntRes(0, 0));
  s->SetAntSummary(0);
  s->ShowAntDetail(0);
  EXPECT_EQ(s->vsAntRes[1]->Text(2, 2), QStringLiteral("-----"));
  EXPECT_EQ(s->vsAntRes[1]->Text(6, 2), QStringLiteral("-----"));
  EXPECT_EQ(s->vsAntRes[1]->Text(12, 2), QStringLiteral("-----"));
  EXPECT_EQ(s->vsAntRes[1]->CellForeColor(6, 2), VbColor(0x0000FF));
  EXPECT_TRUE(s->imnMr->text().isEmpty());
  EXPECT_EQ(s->imtFm[3]->Text(), QStringLiteral("-----"));
  EXPECT_EQ(s->imtFb[1]->Text(), QStringLiteral("-----"));
  EXPECT_EQ(s->imnQmax[0]->Text(), QStringLiteral("-----"));
}

TEST_F(FrmAnteiResTest, ButtonsOpenTheReportInPreviewAndTheWaterLevelWindow) {
  auto doc = OpenCopy("gravity.nrv");
  std::vector<int16_t> modes;
  Windows().reportDialog = [&](CDocument& d, int16_t mode, QWidget*) {
    EXPECT_EQ(&d, doc.get());
    modes.push_back(mode);
  };
  doc->nWlvlAuto = 1;
  frmAnteiRes* s = Show(*doc);
  s->cmdPrint->click();
  EXPECT_EQ(modes, std::vector<int16_t>{1});
  ASSERT_TRUE(s->cmdWlvl->isEnabled());
  s->cmdWlvl->click();
  EXPECT_EQ(wlvlWindows_, 1);
  s->cmdPrevious->click();
  ASSERT_NE(doc->DataForm, nullptr);
  EXPECT_EQ(doc->DataForm->No(), 3);
}

}  // namespace
}  // namespace norva

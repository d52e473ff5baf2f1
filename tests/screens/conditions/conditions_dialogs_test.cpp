// The reference dialogs and calculators of the design-conditions screens:
// Yes writes the document and the opener's box, No and Close write nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <cmath>
#include <memory>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/document_file.h"
#include "document/load_case.h"
#include "platform/controls/control_helpers.h"
#include "screens/conditions/conditions_test_support.h"
#include "screens/conditions/frm_allow.h"
#include "screens/conditions/frm_antei.h"
#include "screens/conditions/frm_jiban.h"
#include "screens/conditions/frm_kihon.h"
#include "screens/conditions/frm_pp.h"
#include "screens/conditions/frm_qa.h"
#include "screens/conditions/frm_ref_weight.h"
#include "screens/conditions/frm_weight.h"
#include "screens/conditions/frm_wlvl.h"

namespace norva {
namespace {

using test::AnswerSink;
using test::ReadSample;
using test::SinkScope;

std::string Bytes(const CDocument& d) { return DocumentFileBytes(d); }

// A document from a sample, shown on screen 0 or 2.
template <typename Screen>
struct Opened {
  explicit Opened(const char* sample, const std::function<void(CDocument&)>& setup = {}) {
    test::App();
    ReadSample(doc, sample);
    if (setup) setup(doc);
    screen = std::make_unique<Screen>();
    screen->SetDoc(&doc);
    doc.DataForm = screen.get();
    screen->DataSet();
  }
  CDocument doc;
  std::unique_ptr<Screen> screen;
};

// Counts the dialog's closings (Apply after Yes, Close).
struct Closings {
  explicit Closings(QDialog* d) {
    QObject::connect(d, &QDialog::finished, [this](int) { ++count; });
  }
  int count = 0;
};

// ---- Ground constants ----------------------------------------------------------------

TEST(FrmJiban, ChosenSoilWritesDocumentAndScreen) {
  Opened<frmKihon> o("leaning.nrv", [](CDocument& d) {
    d.Sisin = 5;  // canals open the land-improvement table
    d.BackType = 1;
  });
  frmJiban dlg(nullptr);
  Closings closed(&dlg);
  dlg.SetDoc(&o.doc);
  EXPECT_EQ(dlg.cmbSisin->currentIndex(), 0);
  EXPECT_EQ(dlg.vstJiban->CurrTab(), 0);
  EXPECT_TRUE(dlg.imnFai->IsBlank());  // the document's constants are not shown

  dlg.cmbSisin->setCurrentIndex(1);  // standard design drawings
  EXPECT_EQ(dlg.vstJiban->CurrTab(), 1);
  dlg.pages[1].cmb[1]->setCurrentIndex(0);  // cut face before the soil: nothing yet
  EXPECT_TRUE(dlg.imnKirido->IsBlank());
  dlg.pages[1].cmb[0]->setCurrentIndex(3);  // C4: φ 20
  EXPECT_EQ(dlg.imnFai->Value(), 20);
  EXPECT_DOUBLE_EQ(dlg.imnDelt[0]->Value(), 40.0 / 3);  // 2φ/3
  EXPECT_EQ(dlg.imnDelt[1]->Value(), 10);               // φ/2
  EXPECT_DOUBLE_EQ(dlg.imnKirido->Value(), 40.0 / 3);   // smooth cut face: 2φ/3
  EXPECT_EQ(dlg.imnDelt[0]->text(), "13.333");

  const std::string before = Bytes(o.doc);
  {
    AnswerSink no(MsgAnswer::No);
    SinkScope scope(&no);
    dlg.cmdApply->click();
    EXPECT_EQ(no.texts, std::vector<std::string>{"入力値を変更してもよろしいですか？"});
  }
  EXPECT_EQ(Bytes(o.doc), before);
  EXPECT_EQ(closed.count, 0);

  AnswerSink yes(MsgAnswer::Yes);
  SinkScope scope(&yes);
  dlg.cmdApply->click();
  EXPECT_EQ(closed.count, 1);
  EXPECT_EQ(o.doc.Fai, 20);
  EXPECT_DOUBLE_EQ(o.doc.delt(0), 40.0 / 3);
  EXPECT_EQ(o.doc.delt(1), 10);
  EXPECT_DOUBLE_EQ(o.doc.Deltd, 40.0 / 3);
  EXPECT_EQ(o.screen->Box("imnFai")->Value(), 20);
  EXPECT_DOUBLE_EQ(o.screen->Box("imnDelt", 0)->Value(), 40.0 / 3);
  EXPECT_EQ(o.screen->Box("imnDelt", 1)->Value(), 10);
  EXPECT_DOUBLE_EQ(o.screen->Box("imnKirido")->Value(), 40.0 / 3);
}

TEST(FrmJiban, EmbankmentNeverWritesTheCutFaceAndCloseWritesNothing) {
  Opened<frmKihon> o("gravity.nrv", [](CDocument& d) {
    d.Sisin = 4;
    d.Deltd = 11;
  });
  {
    frmJiban dlg(nullptr);
    dlg.SetDoc(&o.doc);
    EXPECT_EQ(dlg.cmbSisin->currentIndex(), 2);  // residential land: the road table
    EXPECT_FALSE(dlg.imnKirido->isEnabled());
    dlg.pages[0].cmb[0]->setCurrentIndex(0);
    const std::string before = Bytes(o.doc);
    dlg.cmdClose->click();
    EXPECT_EQ(Bytes(o.doc), before);
  }
  frmJiban dlg(nullptr);
  dlg.SetDoc(&o.doc);
  SetNumBox(dlg.imnFai, 33.0);  // typed by the engineer; the δ boxes stay blank
  SetNumBox(dlg.imnKirido, 22.0);
  AnswerSink yes(MsgAnswer::Yes);
  SinkScope scope(&yes);
  const double delt0 = o.doc.delt(0);
  dlg.cmdApply->click();
  EXPECT_EQ(o.doc.Fai, 33);
  EXPECT_EQ(o.doc.delt(0), delt0);
  EXPECT_EQ(o.doc.Deltd, 11);
}

// ---- Allowable stresses ------------------------------------------------------------------

TEST(FrmAllow, RoadFormulasAndTheListStrength) {
  Opened<frmKihon> o("gravity.nrv");  // road earthworks, σck 16
  frmAllow dlg(nullptr);
  Closings closed(&dlg);
  dlg.SetDoc(&o.doc);
  EXPECT_EQ(dlg.cmbSisin->currentIndex(), 2);
  EXPECT_EQ(dlg.vstAllow->CurrTab(), 1);
  EXPECT_EQ(dlg.imnSgmck->Value(), 16);
  EXPECT_DOUBLE_EQ(dlg.imnTaua->Value(), 0.31);

  dlg.cmbDouro->setCurrentIndex(1);                // "18"
  EXPECT_DOUBLE_EQ(dlg.imnSgmca->Value(), 4.5);    // 18/4
  EXPECT_DOUBLE_EQ(dlg.imnSgmta->Value(), 0.225);  // 18/80, unrounded
  EXPECT_DOUBLE_EQ(dlg.imnTaua->Value(), 0.33);
  SetNumBox(dlg.imnSgmck, 30.0);  // ignored: the list gives the strength
  dlg.imnTaua->SetBlank();        // a blank box leaves its member

  const std::string before = Bytes(o.doc);
  {
    AnswerSink no(MsgAnswer::No);
    SinkScope scope(&no);
    dlg.cmdApply->click();
  }
  EXPECT_EQ(Bytes(o.doc), before);
  EXPECT_EQ(closed.count, 0);

  AnswerSink yes(MsgAnswer::Yes);
  SinkScope scope(&yes);
  const double taua = o.doc.Taua;
  dlg.cmdApply->click();
  EXPECT_EQ(closed.count, 1);
  EXPECT_EQ(o.doc.SgmCk, 18);
  EXPECT_DOUBLE_EQ(o.doc.Sgmca, 4.5);
  EXPECT_DOUBLE_EQ(o.doc.Sgmta, 0.225);
  EXPECT_EQ(o.doc.Taua, taua);
  EXPECT_EQ(o.screen->Box("imnSgmck")->Value(), 18);
  EXPECT_DOUBLE_EQ(o.screen->Box("imnSgmta")->Value(), 0.225);
}

TEST(FrmAllow, StrengthsOtherThan16And18OpenOn21) {
  Opened<frmKihon> o("leaning.nrv", [](CDocument& d) { d.SgmCk = 24; });  // farm roads
  frmAllow dlg(nullptr);
  dlg.SetDoc(&o.doc);
  EXPECT_EQ(dlg.vstAllow->CurrTab(), 0);
  EXPECT_EQ(dlg.cmbTochi->currentText(), "21");
  EXPECT_EQ(dlg.imnSgmca->Value(), 5.0);
  EXPECT_EQ(dlg.imnSgmta->Value(), 0.29);
  EXPECT_EQ(dlg.imnTaua->Value(), 0.36);
  const std::string before = Bytes(o.doc);
  dlg.cmdClose->click();
  EXPECT_EQ(Bytes(o.doc), before);
}

// ---- Soil unit weights ----------------------------------------------------------------------

void ClickCell(FlexGrid* g, int row, int col) {
  const QPoint p = g->visualRect(g->model()->index(row, col)).center();
  QMouseEvent press(QEvent::MouseButtonPress, p, g->viewport()->mapToGlobal(p), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(g->viewport(), &press);
  QMouseEvent release(QEvent::MouseButtonRelease, p, g->viewport()->mapToGlobal(p), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(g->viewport(), &release);
}

TEST(FrmRefWeight, OneTickPerColumnAndApplyWithoutQuestion) {
  Opened<frmKihon> o("gravity.nrv");  // road earthworks: page 3
  frmRefWeight dlg(nullptr);
  dlg.SetDoc(&o.doc);
  dlg.SetFrm(o.screen.get());
  dlg.show();
  QApplication::processEvents();
  dlg.Form_Activate();
  ASSERT_EQ(dlg.vstWeight->CurrTab(), 3);
  FlexGrid* g = dlg.fgRef[3];
  const int back = frmRefWeight::BackfillCol(3), front = frmRefWeight::FrontCol(3);

  ClickCell(g, 2, back);
  ClickCell(g, 1, back);  // a second tick clears the first
  EXPECT_EQ(g->CellChecked(1, back), FlexGrid::kChecked);
  EXPECT_EQ(g->CellChecked(2, back), FlexGrid::kUnchecked);
  ClickCell(g, 1, 0);  // text cells are not edited
  ClickCell(g, 3, front);
  ClickCell(g, 3, front);  // unticked again: no front-soil choice
  int ticked = 0;
  for (int r = 1; r < g->Rows(); ++r) ticked += g->CellChecked(r, front) == FlexGrid::kChecked;
  EXPECT_EQ(ticked, 0);
  ClickCell(g, 4, front);

  AnswerSink sink(MsgAnswer::No);
  SinkScope scope(&sink);
  dlg.cmdApply->click();
  EXPECT_TRUE(sink.texts.empty());
  EXPECT_EQ(o.doc.Gamb, 18);  // "砂および砂礫" loose
  EXPECT_EQ(o.doc.Gambd, 9);  // 18 − 9
  EXPECT_EQ(o.doc.Gamf, 19);  // sandy soil, dense
  EXPECT_EQ(o.doc.Gamfd, 10);
  EXPECT_EQ(o.screen->Box("imnUnitW", 0)->Value(), 18);
  EXPECT_EQ(o.screen->Box("imnUnitW", 1)->Value(), 9);
  EXPECT_EQ(o.screen->Box("imnUnitW", 3)->Value(), 10);
}

TEST(FrmRefWeight, NoTickOrCloseWritesNothing) {
  Opened<frmKihon> o("mixed.nrv");
  const std::string before = Bytes(o.doc);
  {
    frmRefWeight dlg(nullptr);
    dlg.SetDoc(&o.doc);
    dlg.SetFrm(o.screen.get());
    dlg.cmdApply->click();
  }
  EXPECT_EQ(Bytes(o.doc), before);
  frmRefWeight dlg(nullptr);
  dlg.SetDoc(&o.doc);
  dlg.SetFrm(o.screen.get());
  dlg.fgRef[0]->SetCellChecked(1, frmRefWeight::BackfillCol(0), FlexGrid::kChecked);
  dlg.cmdClose->click();
  EXPECT_EQ(Bytes(o.doc), before);
}

// ---- Bearing capacity -------------------------------------------------------------------------

TEST(FrmQa, ZeroFromTheCanalTableIsStoredAndShownBlank) {
  Opened<frmAntei> o("gravity.nrv", [](CDocument& d) {
    d.Sisin = 5;
    d.nQa = 1;
    d.Qa = 150;
  });
  frmQa dlg(nullptr);
  Closings closed(&dlg);
  dlg.SetDoc(&o.doc);
  EXPECT_EQ(dlg.vstQa->CurrTab(), 1);
  ASSERT_EQ(dlg.cmbJiban->count(), 18);
  EXPECT_EQ(dlg.imnQa->Value(), 1000);
  dlg.cmbJiban->setCurrentIndex(9);  // "砂質地盤 - 非常に緩いもの"
  EXPECT_FALSE(dlg.imnQa->IsBlank());
  EXPECT_EQ(dlg.imnQa->Value(), 0);

  {
    AnswerSink no(MsgAnswer::No);
    SinkScope scope(&no);
    dlg.cmdApply->click();
  }
  EXPECT_EQ(o.doc.Qa, 150);
  EXPECT_EQ(closed.count, 0);

  AnswerSink yes(MsgAnswer::Yes);
  SinkScope scope(&yes);
  dlg.cmdApply->click();
  EXPECT_EQ(closed.count, 1);
  EXPECT_EQ(o.doc.Qa, 0);
  NumberBox* screenQa = o.screen->Box("imnQa");
  EXPECT_TRUE(screenQa->IsBlank());  // below the screen box's range
  test::TabThrough(screenQa);
  EXPECT_EQ(o.doc.Qa, 0);  // and passing through it keeps the stored 0
}

TEST(FrmQa, LargeBlockTableGivesUltimateValues) {
  Opened<frmAntei> o("block_masonry.nrv", [](CDocument& d) { d.Sisin = 3; });
  frmQa dlg(nullptr);
  dlg.SetDoc(&o.doc);
  EXPECT_EQ(dlg.lblQa[0]->text(), QStringLiteral("極限支持力度　ｑd ："));
  EXPECT_EQ(dlg.cmbJiban->count(), 9);
  EXPECT_EQ(dlg.imnQa->Value(), 3000);
  const std::string before = Bytes(o.doc);
  dlg.cmdClose->click();
  EXPECT_EQ(Bytes(o.doc), before);

  frmQa blank(nullptr);
  blank.SetDoc(&o.doc);
  blank.imnQa->SetBlank();
  AnswerSink yes(MsgAnswer::Yes);
  SinkScope scope(&yes);
  blank.cmdApply->click();
  EXPECT_EQ(Bytes(o.doc), before);  // a blank value writes nothing
}

// ---- Passive earth pressure ---------------------------------------------------------------------

void SetInputs(frmPp& dlg, double h, double gam, double fai, double delt, double alp, double i,
               double kh) {
  SetNumBox(dlg.imnH, h);
  SetNumBox(dlg.imnGam, gam);
  SetNumBox(dlg.imnFai, fai);
  SetNumBox(dlg.imnDelt, delt);
  SetNumBox(dlg.imnAlpha, alp);
  SetNumBox(dlg.imnI, i);
  SetNumBox(dlg.imnKh, kh);
}

TEST(FrmPp, ComputesAsInputsChangeAndApplyKeepsTheDialogOpen) {
  Opened<frmAntei> o("gravity.nrv", [](CDocument& d) {
    d.nJyudo = 1;
    d.SetPp(0, 50);
    d.SetPp(1, 40);
  });
  frmPp dlg(nullptr);
  Closings closed(&dlg);
  dlg.SetDoc(&o.doc);
  EXPECT_TRUE(dlg.imnH->IsBlank());  // inputs never entered
  EXPECT_FALSE(dlg.cmdApply->isEnabled());
  EXPECT_TRUE(dlg.imnKp[0]->IsBlank());

  SetInputs(dlg, 2, 18, 30, 0, 0, 0, 0.2);
  EXPECT_TRUE(dlg.cmdApply->isEnabled());
  // Kp = cos²30°/(1 − √(sin30·sin30))² = 3; Pp = ½·18·2²·3 = 108.
  EXPECT_NEAR(dlg.imnKp[0]->Value(), 3.0, 1e-12);
  EXPECT_NEAR(dlg.imnPp[0]->Value(), 108.0, 1e-9);
  // θ = atan 0.2: Kp = 2.629, Pp = 94.65 (worked in the table test).
  EXPECT_EQ(dlg.imnKp[1]->text(), "2.629");
  EXPECT_EQ(dlg.imnPp[1]->text(), "94.65");
  dlg.chkPrn->setChecked(true);

  {
    AnswerSink no(MsgAnswer::No);
    SinkScope scope(&no);
    dlg.cmdApply->click();
  }
  EXPECT_EQ(o.doc.Pp(0), 50);
  EXPECT_EQ(o.doc.JyudoH, kNullDouble);

  AnswerSink yes(MsgAnswer::Yes);
  SinkScope scope(&yes);
  dlg.cmdApply->click();
  EXPECT_EQ(closed.count, 0);
  EXPECT_EQ(o.doc.JyudoH, 2);
  EXPECT_EQ(o.doc.JyudoKh, 0.2);
  EXPECT_EQ(o.doc.JyudoPrn, 1);
  EXPECT_NEAR(o.doc.Pp(0), 108.0, 1e-9);
  EXPECT_NEAR(o.doc.Pp(1), 94.6486, 1e-4);
  EXPECT_NEAR(o.screen->Box("imnPp", 0)->Value(), 108.0, 1e-9);
  EXPECT_NEAR(o.screen->Box("imnPp", 1)->Value(), 94.6486, 1e-4);

  // A second Apply after a change writes again: δ = −15° gives Kp 4.977.
  SetNumBox(dlg.imnDelt, -15.0);
  dlg.cmdApply->click();
  EXPECT_NEAR(o.doc.Pp(0), 179.154, 1e-3);
  EXPECT_EQ(o.doc.JyudoDelt, -15);
}

TEST(FrmPp, InputsWithoutAResultBlankTheResultsAndWriteNoPp) {
  Opened<frmAntei> o("gravity.nrv", [](CDocument& d) {
    d.nJyudo = 1;
    d.JyudoH = 2;
    d.JyudoGam = 18;
    d.JyudoFai = 30;
    d.JyudoDelt = 0;
    d.JyudoAlp = 0;
    d.JyudoI = 0;
    d.JyudoKh = 0;
    d.SetPp(0, 108);
    d.SetPp(1, 108);
  });
  frmPp dlg(nullptr);
  dlg.SetDoc(&o.doc);
  EXPECT_TRUE(dlg.cmdApply->isEnabled());  // the stored inputs compute at once

  // φ = 45°, δ = −45°: z = 1 and the coefficient's divisor (1 − √z)² is 0.
  SetNumBox(dlg.imnFai, 45.0);
  SetNumBox(dlg.imnDelt, -45.0);
  EXPECT_FALSE(dlg.Result().has_value());
  for (int n = 0; n < 2; ++n) {
    EXPECT_TRUE(dlg.imnKp[n]->IsBlank());
    EXPECT_TRUE(dlg.imnPp[n]->IsBlank());
  }
  AnswerSink yes(MsgAnswer::Yes);
  SinkScope scope(&yes);
  dlg.cmdApply->click();
  EXPECT_EQ(o.doc.JyudoFai, 45);
  EXPECT_EQ(o.doc.JyudoDelt, -45);
  EXPECT_EQ(o.doc.Pp(0), 108);
  EXPECT_EQ(o.doc.Pp(1), 108);
  EXPECT_TRUE(std::isfinite(o.screen->Box("imnPp", 0)->Value()));

  // A blank input: no result either.
  SetNumBox(dlg.imnFai, 30.0);
  SetNumBox(dlg.imnDelt, 0.0);
  EXPECT_TRUE(dlg.Result().has_value());
  dlg.imnGam->SetBlank();
  EXPECT_FALSE(dlg.Result().has_value());
  EXPECT_TRUE(dlg.imnPp[0]->IsBlank());
}

TEST(FrmPp, CloseWritesNothingAndAMissingScreenIsNoTrouble) {
  test::App();
  CDocument doc;
  ReadSample(doc, "gravity.nrv");
  doc.DataForm = nullptr;
  frmPp dlg(nullptr);
  dlg.SetDoc(&doc);
  SetInputs(dlg, 2, 18, 30, 0, 0, 0, 0);
  const std::string before = Bytes(doc);
  dlg.cmdClose->click();
  EXPECT_EQ(Bytes(doc), before);
  AnswerSink yes(MsgAnswer::Yes);
  SinkScope scope(&yes);
  dlg.cmdApply->click();
  EXPECT_NEAR(doc.Pp(0), 108.0, 1e-9);
}

// ---- Material unit weights ----------------------------------------------------------------------

TEST(FrmWeight, ListsFillTheBoxesAndApplyWritesTheScreen) {
  Opened<frmKihon> o("leaning.nrv", [](CDocument& d) {
    d.Sisin = 0;
    d.SetWallType(0);
  });
  frmWeight dlg(nullptr);
  dlg.SetFrm(o.screen.get());
  dlg.SetDoc(&o.doc);
  EXPECT_EQ(dlg.vstWeight->CurrTab(), 0);
  EXPECT_EQ(dlg.cmbSuiro->currentIndex(), 1);  // block masonry
  EXPECT_EQ(dlg.imnWeight[4]->Value(), 22.5);
  EXPECT_EQ(dlg.imnWeight[5]->Value(), 23);
  EXPECT_EQ(dlg.imnWeight[6]->Value(), 9.8);

  dlg.kinds[0][0]->setCurrentIndex(0);  // natural ground
  ASSERT_EQ(dlg.soils[0][0]->count(), 6);
  dlg.soils[0][0]->setCurrentIndex(1);  // gravelly, dense
  EXPECT_EQ(dlg.imnWeight[0]->Value(), 20);
  EXPECT_EQ(dlg.imnWeight[1]->Value(), 11);
  dlg.soils[0][0]->setCurrentIndex(5);  // no value in the table
  EXPECT_TRUE(dlg.imnWeight[0]->IsBlank());
  EXPECT_EQ(dlg.imnWeight[1]->Value(), 11);
  dlg.kinds[0][1]->setCurrentIndex(1);  // fill
  ASSERT_EQ(dlg.soils[0][1]->count(), 3);
  dlg.soils[0][1]->setCurrentIndex(2);
  EXPECT_EQ(dlg.imnWeight[2]->Value(), 18);
  EXPECT_EQ(dlg.imnWeight[3]->Value(), 9);

  const double gamb = o.doc.Gamb;
  const std::string before = Bytes(o.doc);
  {
    AnswerSink no(MsgAnswer::No);
    SinkScope scope(&no);
    dlg.cmdApply->click();
  }
  EXPECT_EQ(Bytes(o.doc), before);
  {
    frmWeight closed(nullptr);
    closed.SetFrm(o.screen.get());
    closed.SetDoc(&o.doc);
    closed.cmdClose->click();
  }
  EXPECT_EQ(Bytes(o.doc), before);
  AnswerSink yes(MsgAnswer::Yes);
  SinkScope scope(&yes);
  dlg.cmdApply->click();
  EXPECT_EQ(o.doc.Gamb, gamb);  // the blank box wrote nothing
  EXPECT_EQ(o.doc.Gambd, 11);
  EXPECT_EQ(o.doc.Gamf, 18);
  EXPECT_EQ(o.doc.Gamcw, 22.5);
  EXPECT_EQ(o.doc.Gamw, 9.8);
  EXPECT_EQ(o.screen->Box("imnUnitW", 4)->Value(), 22.5);
  EXPECT_EQ(o.screen->Box("imnUnitW", 3)->Value(), 9);
}

// ---- Critical water level -----------------------------------------------------------------------

TEST(FrmWlvl, ListOfExistingCasesAndTheLevels) {
  test::App();
  CDocument doc;
  ReadSample(doc, "gravity.nrv");  // a normal and a seismic case
  doc.bQuake = -1;
  doc.SetWatBH(0, 1.25);
  doc.SetWatBH(1, 0.75);
  {
    frmWlvl none(nullptr);
    none.SetDoc(&doc);
    EXPECT_EQ(none.cmbCase->count(), 0);
    EXPECT_EQ(none.DrawnRecord(), -1);
    EXPECT_TRUE(none.vsdGraph->canvas().Ops().empty());
    EXPECT_EQ(none.imnWlvl[0]->Value(), 1.25);
    EXPECT_EQ(none.imnWlvl[1]->Value(), 0.75);
  }
  doc.SetnWlvlCase(3);
  const int32_t caseNo[3] = {1, 7, 0};  // case 7 was deleted after the search
  for (int i = 0; i < 3; ++i) {
    auto rec = std::make_shared<CWlvlCalc>();
    rec->CaseNo = caseNo[i];
    rec->SetCount(2);
    rec->SetWlvl(0, 0.5);
    rec->SetFs(0, 1.8);
    rec->SetWlvl(1, 1.0);
    rec->SetFs(1, 1.4 + 0.1 * i);
    doc.SetWlvlRes(i, rec);
  }
  doc.bQuake = 0;
  frmWlvl dlg(nullptr);
  dlg.SetDoc(&doc);
  ASSERT_EQ(dlg.cmbCase->count(), 2);
  EXPECT_EQ(dlg.cmbCase->itemText(0).toStdString(), doc.pCase(1)->CaseName);
  EXPECT_EQ(dlg.cmbCase->itemText(1).toStdString(), doc.pCase(0)->CaseName);
  EXPECT_EQ(dlg.DrawnRecord(), 0);
  dlg.show();
  QApplication::processEvents();
  // The graph is drawn in twips of its own size (a pixel scale would draw
  // its texts fifteen times too large).
  const Canvas& g = dlg.vsdGraph->canvas();
  EXPECT_NEAR(g.ScaleWidth(), dlg.vsdGraph->width() * 1440.0 / dlg.vsdGraph->logicalDpiX(), 1e-6);
  // The chosen case's study is drawn: its axis titles and the least-Fs label.
  auto hasText = [&dlg](const std::string& t) {
    for (const CanvasOp& op : dlg.vsdGraph->canvas().Ops())
      if (op.kind == CanvasOpKind::Text && op.text == t) return true;
    return false;
  };
  EXPECT_TRUE(hasText("滑動安全率"));
  dlg.cmbCase->setCurrentIndex(1);
  EXPECT_EQ(dlg.DrawnRecord(), 2);
  EXPECT_TRUE(hasText("滑動安全率"));
  EXPECT_FALSE(dlg.imnWlvl[1]->isEnabled());
  EXPECT_FALSE(dlg.lblWlvl[1]->isEnabled());
  EXPECT_TRUE(dlg.imnWlvl[1]->IsBlank());
  EXPECT_EQ(dlg.imnWlvl[0]->Value(), 1.25);
}

}  // namespace
}  // namespace norva

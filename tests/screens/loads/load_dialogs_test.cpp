// The load dialogs opened on screen 3 of a sample document, driven as a user
// drives them, with the apply question answered from a script: the wind,
// collision and rock-fall calculators, the steel-post and crowd-load
// tables, the surcharge dialog and the arbitrary-load editor.
#include "screens/loads/load_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QHeaderView>
#include <QPicture>

#include "document/load_case.h"
#include "document/nulls.h"
#include "platform/controls/control_helpers.h"
#include "screens/loads/dialogs_test_support.h"
#include "screens/loads/frm_auto_crash.h"
#include "screens/loads/frm_gunsyu.h"
#include "screens/loads/frm_jyousai.h"
#include "screens/loads/frm_ninni.h"
#include "screens/loads/frm_stone_crash.h"
#include "screens/loads/frm_wind.h"
#include "screens/loads/hsteel_table.h"
#include "screens/loads/nini_test_support.h"

namespace norva {
namespace {

using test::Acting;
using test::Enter;
using test::OnModal;

class LoadDialogsTest : public test::LoadDialogsFixture {
 protected:
  std::string ShippedSteel() const {
    return HSteelPath(std::string(NORVA_SOURCE_DIR) + "/resources");
  }
  size_t Questions() const {
    size_t n = 0;
    for (const std::string& s : sink_.shown) n += s == kApplyQuestion;
    return n;
  }
};

// ---- Wind --------------------------------------------------------------------

TEST_F(LoadDialogsTest, WindOptionsFormulaAndBlankFactor) {
  auto doc = Open("gravity.nrv");
  doc->WindLoad = 5.5;
  frmWind w;
  w.SetDoc(doc.get());
  // Every opening starts from the defaults, with no option and nothing to apply.
  EXPECT_EQ(w.imnRou[0]->text(), QStringLiteral("1.230"));
  EXPECT_EQ(w.imnUd[1]->text(), QStringLiteral("40.00"));
  EXPECT_FALSE(w.cmdApply->isEnabled());
  EXPECT_FALSE(w.imnRou[0]->isEnabled());
  EXPECT_FALSE(w.imnP->isEnabled());

  w.optWind.Item(2)->click();  // "その他": 40² × 0.615 × 1.2 × 1.9 × 0.8 / 1000
  ASSERT_TRUE(w.p());
  EXPECT_NEAR(*w.p(), 1.794816, 1e-12);
  EXPECT_EQ(w.imnP->text(), QStringLiteral("1.795"));
  EXPECT_TRUE(w.imnRou[0]->isEnabled());
  EXPECT_TRUE(w.imnRou[1]->IsLocked());  // the copy is a display field
  EXPECT_TRUE(w.cmdApply->isEnabled());

  Enter(w.imnUd[0], "30");  // 900 × 0.615 × 1.2 × 1.9 × 0.8 / 1000 = 1.009584
  EXPECT_EQ(w.imnUd[1]->text(), QStringLiteral("30.00"));
  EXPECT_NEAR(*w.p(), 1.009584, 1e-12);

  Enter(w.imnCd[0], "");  // a blank factor: no result
  EXPECT_TRUE(w.imnCd[1]->IsBlank());
  EXPECT_FALSE(w.p());
  EXPECT_TRUE(w.imnP->IsBlank());
  w.cmdApply->click();  // nothing to write: no question either
  EXPECT_EQ(Questions(), 0u);
  EXPECT_EQ(doc->WindLoad, 5.5);

  w.optWind.Item(0)->click();  // windward applies 2 whatever the formula shows
  EXPECT_EQ(w.p(), 2.0);
  EXPECT_FALSE(w.imnCd[0]->isEnabled());
  sink_.answers = {MsgAnswer::No};
  w.cmdApply->click();
  EXPECT_EQ(doc->WindLoad, 5.5) << "No writes nothing";
  sink_.answers = {MsgAnswer::Yes};
  w.cmdApply->click();
  EXPECT_EQ(doc->WindLoad, 2.0);
  EXPECT_EQ(screen_->imnWind[2]->text(), QStringLiteral("2.00"));
  EXPECT_EQ(Questions(), 2u);

  // The dialog stays open: apply again with the leeward pressure.
  w.optWind.Item(1)->click();
  sink_.answers = {MsgAnswer::Yes};
  w.cmdApply->click();
  EXPECT_EQ(doc->WindLoad, 1.0);
  EXPECT_EQ(screen_->imnWind[2]->text(), QStringLiteral("1.00"));
}

// ---- Vehicle collision -----------------------------------------------------------

TEST_F(LoadDialogsTest, CollisionOpensOnTheStoredChoiceAndWritesDocumentAndScreen) {
  auto doc = Open("gravity.nrv");  // road earthworks
  doc->nAutoCrashBougo = 1;
  doc->nAutoCrashBougoClass = 2;  // "SB"
  doc->nAutoCrashBougoModel = 1;  // "フロリダ型"
  frmAutoCrash a;
  a.SetDoc(doc.get());
  EXPECT_EQ(a.optBougosaku.Item(0)->text(), QStringLiteral("たわみ性防護柵"));
  EXPECT_EQ(GetOptionIndex(a.optBougosaku), 1);
  EXPECT_EQ(a.cmbClass->currentText(), QStringLiteral("SB"));
  EXPECT_EQ(a.cmbModel->currentText(), QStringLiteral("フロリダ型"));
  EXPECT_EQ(a.imtType->Text(), QStringLiteral("剛性防護柵"));
  EXPECT_EQ(a.imnP->text(), QStringLiteral("58.00"));
  EXPECT_EQ(a.imnH->text(), QStringLiteral("0.900"));

  // Apply without a new choice writes the stored load again.
  sink_.answers = {MsgAnswer::Yes};
  a.cmdApply->click();
  EXPECT_EQ(doc->AutoCrashLoad, 58);
  EXPECT_EQ(doc->AutoCrashHigh, 0.9);
  EXPECT_EQ(doc->nAutoCrashBougoModel, 1);

  // Switching the kind returns to its first class and model.
  a.optBougosaku.Item(0)->click();
  EXPECT_EQ(a.cmbClass->currentText(), QStringLiteral("SS, SA, SB"));
  EXPECT_EQ(a.cmbModel->currentText(), QStringLiteral("砂詰め固定"));
  EXPECT_EQ(a.imtType->Text(), QStringLiteral("たわみ性防護柵"));
  a.cmbModel->setCurrentIndex(1);  // mortar-fixed: 60 kN at 0.76 m
  EXPECT_EQ(a.imnP->text(), QStringLiteral("60.00"));
  Enter(a.imnH, "0.8");  // typed values are written as typed
  sink_.answers = {MsgAnswer::No};
  a.cmdApply->click();
  EXPECT_EQ(doc->AutoCrashLoad, 58);
  sink_.answers = {MsgAnswer::Yes};
  a.cmdApply->click();
  EXPECT_EQ(doc->nAutoCrashBougo, 0);
  EXPECT_EQ(doc->nAutoCrashBougoClass, 0);
  EXPECT_EQ(doc->nAutoCrashBougoModel, 1);
  EXPECT_EQ(doc->AutoCrashLoad, 60);
  EXPECT_EQ(doc->AutoCrashHigh, 0.8);
  EXPECT_EQ(screen_->cmbAutoCrash->currentIndex(), 0);
  EXPECT_EQ(screen_->imnAutoCrash[2]->text(), QStringLiteral("60.00"));
  EXPECT_EQ(screen_->imnAutoCrash[1]->text(), QStringLiteral("0.800"));
  // The reference tables repeat the collision table.
  EXPECT_EQ(a.vsAutoCrash[0]->Text(4, 3), QStringLiteral("0.760"));
  EXPECT_EQ(a.vsAutoCrash[1]->Text(4, 3), QStringLiteral("170"));
  EXPECT_EQ(a.vsAutoCrash[0]->Text(1, 3), QStringLiteral("SS，SA，SB"));
}

TEST_F(LoadDialogsTest, CollisionWithoutAStoredChoiceOpensOnTheFirstEntries) {
  auto doc = Open("leaning.nrv");  // farm roads
  doc->nAutoCrashBougo = -1;
  doc->nAutoCrashBougoClass = 7;  // outside the list
  frmAutoCrash a;
  a.SetDoc(doc.get());
  EXPECT_EQ(a.optBougosaku.Item(0)->text(), QStringLiteral("支柱式防護柵"));
  EXPECT_EQ(GetOptionIndex(a.optBougosaku), 0);
  EXPECT_EQ(a.cmbClass->currentIndex(), 0);
  EXPECT_EQ(a.imnP->text(), QStringLiteral("55.00"));
}

// ---- Rock fall and the steel table ---------------------------------------------------

TEST_F(LoadDialogsTest, RockFallByHandWithTheGuardAndApply) {
  auto doc = Open("gravity.nrv");
  doc->StoneSgmy = kNullDouble;
  doc->StoneZ = 0.0005;
  doc->StoneHight = 1.0;
  frmStoneCrash s;
  s.SetDoc(doc.get());
  EXPECT_EQ(doc->StoneSgmy, 235000) << "the default at once, before any Apply";
  EXPECT_EQ(s.imnSgmy[1]->text(), QStringLiteral("235000.0"));
  EXPECT_EQ(s.imnZ[1]->text(), QStringLiteral("0.0005000"));
  EXPECT_EQ(s.imnPy->text(), QStringLiteral("176.25"));  // 3·235000·0.0005 / (2·1.0)

  Enter(s.imnHp[0], "1.5");  // 3·235000·0.0005 / 3 = 117.5
  EXPECT_EQ(s.imnHp[1]->text(), QStringLiteral("1.500"));
  EXPECT_EQ(s.imnPy->text(), QStringLiteral("117.50"));
  Enter(s.imnHp[0], "0");  // zero: Py stays
  EXPECT_EQ(s.imnPy->text(), QStringLiteral("117.50"));
  Enter(s.imnHp[0], "");  // blank: Py stays
  EXPECT_EQ(s.imnPy->text(), QStringLiteral("117.50"));

  // With hp blank the height is not written, σy and Z are.
  doc->StoneSgmy = 1;
  sink_.answers = {MsgAnswer::No};
  s.cmdApply->click();
  EXPECT_EQ(doc->StoneSgmy, 1);
  sink_.answers = {MsgAnswer::Yes};
  s.cmdApply->click();
  EXPECT_EQ(doc->StoneSgmy, 235000);
  EXPECT_EQ(doc->StoneZ, 0.0005);
  EXPECT_EQ(doc->StoneHight, 1.0);
  EXPECT_EQ(doc->StoneLoad, 117.5);
  EXPECT_EQ(screen_->imnStoneCrash[2]->text(), QStringLiteral("117.50"));

  Enter(s.imnHp[0], "2");  // 3·235000·0.0005 / 4 = 88.125
  sink_.answers = {MsgAnswer::Yes};
  s.cmdApply->click();  // applies again: the dialog stays open
  EXPECT_EQ(doc->StoneHight, 2.0);
  EXPECT_EQ(doc->StoneLoad, 88.125);
  EXPECT_EQ(screen_->imnStoneCrash[0]->text(), QStringLiteral("2.000"));
  EXPECT_EQ(screen_->imnStoneCrash[2]->text(), QStringLiteral("88.13"));
  EXPECT_EQ(doc->StonePich, doc->StonePich);  // neither shown nor written
}

TEST_F(LoadDialogsTest, SteelTableShowsTheShippedRowsAndPutsZxIntoTheRockFallDialog) {
  auto doc = Open("gravity.nrv");
  doc->StoneSgmy = 235000;
  doc->StoneZ = kNullDouble;
  doc->StoneHight = 1.2;
  frmStoneCrash s;
  s.SetDoc(doc.get());
  EXPECT_TRUE(s.imnPy->IsBlank());  // no Z yet
  frmHSteel t(&s, ShippedSteel());
  t.SetDoc(doc.get());
  SpreadGrid* g = t.vsHSteel;
  const auto rows = ReadHSteelFile(ShippedSteel());
  ASSERT_EQ(g->MaxRows(), static_cast<int>(rows.size()) + 1);
  EXPECT_EQ(g->ActiveRow(), 2);
  EXPECT_EQ(g->Text(4, 1), QStringLiteral("断面積\n(cm2)"));
  // One decimal for the thicknesses and Zx, two for the area.
  EXPECT_EQ(g->Text(1, 2), QStringLiteral("H-100×100×6×8"));
  EXPECT_EQ(g->Text(2, 2), QStringLiteral("6.0"));
  EXPECT_EQ(g->Text(3, 2), QStringLiteral("8.0"));
  EXPECT_EQ(g->Text(4, 2), QStringLiteral("21.59"));
  EXPECT_EQ(g->Text(5, 2), QStringLiteral("75.6"));
  int row200 = 0;
  for (int r = 2; r <= g->MaxRows(); ++r) {
    const HSteelRow& x = rows[static_cast<size_t>(r - 2)];
    EXPECT_EQ(g->Text(1, r).toStdString(), x.name);
    EXPECT_EQ(g->Text(2, r), QString::number(x.web, 'f', 1));
    EXPECT_EQ(g->Text(4, r), QString::number(x.area, 'f', 2));
    EXPECT_EQ(g->Text(5, r), QString::number(x.zx, 'f', 1));
    if (x.name == "H-200×100×5.5×8") row200 = r;
  }
  ASSERT_GT(row200, 0);
  EXPECT_EQ(g->Text(2, row200), QStringLiteral("5.5"));

  // The heading row never becomes the active one.
  g->SetActiveCell(1, row200);
  g->SetActiveCell(1, 1);
  EXPECT_EQ(g->ActiveRow(), row200);
  sink_.answers = {MsgAnswer::No};
  t.cmdApply->click();
  EXPECT_TRUE(IsNullValue(doc->StoneZ));
  sink_.answers = {MsgAnswer::Yes};
  t.cmdApply->click();
  // Zx 181 cm3 = 0.000181 m3; Py = 3·235000·0.000181 / (2·1.2) = 53.16875
  EXPECT_DOUBLE_EQ(doc->StoneZ, 0.000181);
  EXPECT_EQ(s.imnZ[0]->text(), QStringLiteral("0.0001810"));
  EXPECT_EQ(s.imnZ[1]->text(), QStringLiteral("0.0001810"));
  s.CalcStoneLoad();  // what closing the table does
  EXPECT_NEAR(GetNumBox(s.imnPy), 53.16875, 1e-9);
}

TEST_F(LoadDialogsTest, SteelTableWithoutItsFileHasNoRowsAndApplyDoesNothing) {
  auto doc = Open("gravity.nrv");
  frmStoneCrash s;
  s.SetDoc(doc.get());
  frmHSteel t(&s, Path("missing/HSteel.csv").toStdString());
  t.SetDoc(doc.get());
  EXPECT_EQ(t.vsHSteel->MaxRows(), 1);
  const double z = doc->StoneZ;
  sink_.answers = {MsgAnswer::Yes};
  t.cmdApply->click();
  EXPECT_EQ(Questions(), 0u);
  EXPECT_EQ(doc->StoneZ, z);
}

TEST_F(LoadDialogsTest, ReferenceButtonOpensTheSteelTableAndPyFollowsOnClosing) {
  auto doc = Open("gravity.nrv");
  doc->StoneSgmy = 235000;
  doc->StoneZ = kNullDouble;
  doc->StoneHight = 1.0;
  frmStoneCrash s;
  s.SetHSteelPath(ShippedSteel());
  s.SetDoc(doc.get());
  QString seen;
  OnModal(
      [this](QDialog* d) {
        auto* t = qobject_cast<frmHSteel*>(d);
        ASSERT_NE(t, nullptr);
        t->vsHSteel->SetActiveCell(1, 2);  // H-100×100×6×8, Zx 75.6
        sink_.answers = {MsgAnswer::Yes};
        t->cmdApply->click();
        t->cmdClose->click();
      },
      &seen);
  s.cmdRef->click();
  EXPECT_EQ(seen, QStringLiteral("frmHSteel"));
  // 3·235000·0.0000756 / 2 = 26.649
  EXPECT_EQ(s.imnPy->text(), QStringLiteral("26.65"));
}

// ---- Crowd load --------------------------------------------------------------------

TEST_F(LoadDialogsTest, CrowdLoadLandsInTheCallersBox) {
  auto doc = Open("gravity.nrv");
  doc->GunsyuLoad = 9;
  const int16_t sw = doc->nGunsyu;
  NumberBox box(0, 9999.99, "###0.000");
  frmGunsyu g;
  g.SetDoc(doc.get());
  g.SetImnLoad(&box);
  EXPECT_EQ(g.vsGunsyu->Text(1, 2), QStringLiteral("5.0"));
  EXPECT_EQ(g.vsGunsyu->Text(3, 3), QStringLiteral("大型車の入らない道路の歩道"));
  g.cmdApply->click();  // no data row chosen: nothing, no question
  EXPECT_EQ(Questions(), 0u);
  g.vsGunsyu->SetActiveCell(1, 3);  // row "2": 3.0
  sink_.answers = {MsgAnswer::No};
  g.cmdApply->click();
  EXPECT_EQ(doc->GunsyuLoad, 9);
  EXPECT_TRUE(box.IsBlank());
  sink_.answers = {MsgAnswer::Yes};
  g.cmdApply->click();
  EXPECT_EQ(doc->GunsyuLoad, 3);
  EXPECT_EQ(box.text(), QStringLiteral("3.000"));
  EXPECT_EQ(doc->nGunsyu, sw);
  // Row "1", then row "3": the last one stays. The heading row is refused.
  g.vsGunsyu->SetActiveCell(1, 2);
  sink_.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
  g.cmdApply->click();
  EXPECT_EQ(doc->GunsyuLoad, 5);
  g.vsGunsyu->SetActiveCell(1, 1);
  EXPECT_EQ(g.vsGunsyu->ActiveRow(), 2);
  g.vsGunsyu->SetActiveCell(1, 4);
  g.cmdApply->click();
  EXPECT_EQ(doc->GunsyuLoad, 3.5);
  EXPECT_EQ(box.text(), QStringLiteral("3.500"));
}

// ---- Surcharge dialog ----------------------------------------------------------------

TEST_F(LoadDialogsTest, SurchargeStandardisesTheTLoadAndWritesAtOnce) {
  auto doc = Open("leaning.nrv");  // farm roads, trial wedge
  doc->nAutoMobile = 0;
  doc->nAutoTload = 2;  // T-14
  doc->AutoLoad = 8;
  doc->TakuchiLoad = kNullBox;
  frmJyousai j;
  j.SetDoc(doc.get());
  EXPECT_EQ(doc->AutoLoad, 7) << "the list selection standardises the intensity";
  EXPECT_EQ(j.imnAutoMobil[2]->text(), QStringLiteral("7.000"));
  EXPECT_TRUE(j.imnAutoMobil[2]->IsLocked());
  EXPECT_EQ(doc->TakuchiLoad, 9.8) << "residential land left blank";
  EXPECT_EQ(j.imnTakuchi[2]->text(), QStringLiteral("9.800"));
  EXPECT_EQ(j.vstLoad->count(), 4);
  EXPECT_EQ(j.vstLoad->tabText(2), QStringLiteral("雪"));
  EXPECT_EQ(j.cmbSnow->count(), 5);  // farm roads: free entry is item 4

  // T-10 writes 5 at once; the free entry keeps what is typed.
  j.cmbAutoMobil->setCurrentIndex(3);
  EXPECT_EQ(doc->AutoLoad, 5);
  EXPECT_EQ(doc->nAutoTload, 3);
  j.cmbAutoMobil->setCurrentIndex(4);
  EXPECT_FALSE(j.imnAutoMobil[2]->IsLocked());
  Enter(j.imnAutoMobil[2], "12.5");
  EXPECT_EQ(doc->AutoLoad, 12.5);

  // Options and boxes go into the document at once.
  j.optGunsyu.Item(0)->click();
  EXPECT_EQ(doc->nGunsyu, 0);
  EXPECT_TRUE(j.imnGunsyu[1]->isEnabled());  // trial wedge: the width counts
  Enter(j.imnGunsyu[0], "0.75");
  EXPECT_EQ(doc->GunsyuPos, 0.75);
  j.optTakuchi.Item(1)->click();
  EXPECT_EQ(doc->nTakuchi, 1);
  EXPECT_FALSE(j.imnTakuchi[0]->isEnabled());

  // Snow: the kind derives the load; the intensity stays editable here.
  j.optSnow.Item(0)->click();
  j.cmbSnow->setCurrentIndex(2);  // compressed snow: 7.0
  EXPECT_EQ(doc->SnowLoad, 7.0);
  EXPECT_EQ(j.imnSnow[2]->text(), QStringLiteral("7.000"));
  EXPECT_FALSE(j.imnSnow[2]->IsLocked());
  EXPECT_FALSE(j.imnSnow[1]->isEnabled());

  // Nothing to undo: closing keeps every change.
  j.cmdApply->click();
  EXPECT_FALSE(j.isVisible());
  EXPECT_EQ(doc->nGunsyu, 0);
}

TEST_F(LoadDialogsTest, SurchargeSnowDepthAndCoulombWidths) {
  auto doc = Open("gravity.nrv");  // road earthworks, Coulomb
  doc->nSnow = 0;
  doc->nSnowType = 0;  // snow alone: by depth
  doc->SnowDepth = 1.0;
  doc->SnowLoad = 3.5;
  doc->nAutoMobile = 0;
  doc->nGunsyu = 0;
  doc->nTakuchi = 0;
  frmJyousai j;
  j.SetDoc(doc.get());
  EXPECT_EQ(j.cmbSnow->count(), 3);
  EXPECT_EQ(j.cmbSnow->currentIndex(), 0);
  EXPECT_EQ(doc->SnowLoad, 3.5) << "filling derives nothing";
  EXPECT_TRUE(j.imnSnow[1]->isEnabled());
  EXPECT_TRUE(j.imnSnow[2]->isEnabled());
  Enter(j.imnSnow[1], "1.2");  // 3.5 × 1.2
  EXPECT_DOUBLE_EQ(doc->SnowLoad, 4.2);
  EXPECT_EQ(j.imnSnow[2]->text(), QStringLiteral("4.200"));
  Enter(j.imnSnow[2], "5");    // typed over the derived value
  Enter(j.imnSnow[1], "1.2");  // the same depth derives nothing
  EXPECT_EQ(doc->SnowLoad, 5);
  for (NumberBox* w : {j.imnAutoMobil[1], j.imnGunsyu[1], j.imnTakuchi[1]})
    EXPECT_FALSE(w->isEnabled()) << "no width under Coulomb";
  EXPECT_TRUE(j.imnGunsyu[0]->isEnabled());
}

TEST_F(LoadDialogsTest, SurchargeFigureIsDrawnAndFollowsTheInputs) {
  auto doc = Open("gravity.nrv");
  frmJyousai j;
  j.resize(900, 460);
  j.SetDoc(doc.get());
  j.show();
  QApplication::processEvents();
  const Canvas& c = j.vsdLoad->canvas();
  ASSERT_FALSE(c.Ops().empty()) << "the wall and the vehicle bar";
  auto texts = [&c] {
    QStringList t;
    for (const CanvasOp& op : c.Ops())
      if (op.kind == CanvasOpKind::Text) t << QString::fromStdString(op.text);
    return t;
  };
  EXPECT_TRUE(texts().contains(QStringLiteral("自動車荷重")));
  EXPECT_FALSE(texts().contains(QStringLiteral("群集荷重")));
  j.optGunsyu.Item(0)->click();  // an option redraws
  EXPECT_TRUE(texts().contains(QStringLiteral("群集荷重")));
}

TEST_F(LoadDialogsTest, SurchargeCrowdButtonFillsTheDialogsBox) {
  auto doc = Open("gravity.nrv");
  doc->nGunsyu = 0;
  frmJyousai j;
  j.SetDoc(doc.get());
  QString seen;
  OnModal(
      [this](QDialog* d) {
        auto* g = qobject_cast<frmGunsyu*>(d);
        ASSERT_NE(g, nullptr);
        g->vsGunsyu->SetActiveCell(1, 4);  // 3.5
        sink_.answers = {MsgAnswer::Yes};
        g->cmdApply->click();
      },
      &seen);
  j.cmdRefGunsyu->click();
  EXPECT_EQ(seen, QStringLiteral("frmGunsyu"));
  EXPECT_EQ(doc->GunsyuLoad, 3.5);
  EXPECT_EQ(j.imnGunsyu[2]->text(), QStringLiteral("3.500"));
}

// ---- Arbitrary loads -----------------------------------------------------------------

// The hidden columns of the load grid, as "1 2 ..." of the shown ones.
QString ShownColumns(const frmNinni& n) {
  QStringList s;
  for (int c = 1; c <= kNiniCols; ++c)
    if (!n.vsNini->isColumnHidden(c - 1)) s << QString::number(c);
  return s.join(' ');
}

TEST_F(LoadDialogsTest, ArbitraryLoadsColumnsTargetsAndTheFigure) {
  auto doc = Open("gravity.nrv");
  ASSERT_EQ(doc->nNiniCount(), 0);
  frmNinni n;
  n.resize(900, 480);
  n.askName = [](QWidget*, std::string* name) {
    *name = "照明柱";
    return 1;
  };
  n.SetDoc(doc.get());
  EXPECT_EQ(n.cmbNiniNo->count(), 0);
  EXPECT_FALSE(n.cmbNiniType->isEnabled());
  EXPECT_EQ(ShownColumns(n), "1 3 5");
  n.cmdNini[1]->click();  // nothing to delete
  EXPECT_TRUE(sink_.shown.empty());

  n.cmdNini[0]->click();
  ASSERT_EQ(doc->nNiniCount(), 1);
  EXPECT_EQ(doc->pNini(0)->LoadName, "照明柱");
  EXPECT_EQ(n.cmbNiniNo->currentText(), QStringLiteral("1"));
  EXPECT_EQ(n.imtNini->Text(), QStringLiteral("照明柱"));
  EXPECT_TRUE(n.cmbNiniType->isEnabled());
  EXPECT_EQ(n.cmbNiniType->currentIndex(), -1) << "no kind chosen yet";

  n.cmbNiniType->setCurrentIndex(2);  // vertical distributed
  EXPECT_EQ(doc->pNini(0)->nType, 2);
  EXPECT_EQ(ShownColumns(n), "1 2 3 5 6");
  EXPECT_EQ(n.vsNini->Text(2, 0), QStringLiteral("作用位置\nX2 (m)"));
  EXPECT_EQ(n.vsNini->Text(6, 0), QStringLiteral("載荷荷重\nP2(kN/m)"));
  n.cmbNiniType->setCurrentIndex(3);
  EXPECT_EQ(ShownColumns(n), "1 3 4 5 6");
  n.cmbNiniType->setCurrentIndex(0);
  EXPECT_EQ(ShownColumns(n), "1 3 5");

  n.lsCalType->item(0)->setSelected(true);
  n.lsCalType->item(2)->setSelected(true);
  EXPECT_EQ(doc->pNini(0)->nTarget, 5);  // stability and toe slab

  // Cells go into the load on Enter; an emptied cell keeps its value.
  n.vsNini->SetText(1, 1, "0.5");
  n.vsNini->SetText(3, 1, "3.0");
  n.vsNini->SetText(5, 1, "10");
  int enter = 13;
  emit n.vsNini->KeyPress(&enter);
  EXPECT_EQ(doc->pNini(0)->X1, 0.5);
  EXPECT_EQ(doc->pNini(0)->P1, 10);
  n.vsNini->SetCellEmpty(3, 1);
  emit n.vsNini->KeyPress(&enter);
  EXPECT_EQ(doc->pNini(0)->Y1, 3.0);
  Enter(n.imtNini, "  灯具  ");
  EXPECT_EQ(doc->pNini(0)->LoadName, "灯具");

  n.show();
  QApplication::processEvents();
  bool named = false;
  for (const CanvasOp& op : n.vsdNini->canvas().Ops())
    named = named || (op.kind == CanvasOpKind::Text && op.text == "灯具");
  EXPECT_TRUE(named) << "the figure shows the load with its name";
}

// The sample with loads "A", "B", "C": the first case acts on A and C, the
// second on B and C.
std::shared_ptr<CDocument> WithThreeLoads(std::shared_ptr<CDocument> doc) {
  test::AddThreeLoads(*doc);
  return doc;
}

TEST_F(LoadDialogsTest, ArbitraryLoadDeleteKeepsTheCasesAndCancelRestoresThem) {
  auto doc = WithThreeLoads(Open("gravity.nrv"));
  ASSERT_GE(doc->nCase(), 2);
  frmNinni n;
  n.askName = [](QWidget*, std::string* name) {
    *name = "D";
    return 1;
  };
  n.SetDoc(doc.get());
  ASSERT_EQ(n.cmbNiniNo->count(), 3);
  n.cmbNiniNo->setCurrentIndex(1);  // "B"
  sink_.answers = {MsgAnswer::Cancel};
  n.cmdNini[1]->click();
  EXPECT_EQ(sink_.shown.back(), "Bを削除してもよろしいですか？");
  EXPECT_EQ(doc->nNiniCount(), 3);
  sink_.answers = {MsgAnswer::Ok};
  n.cmdNini[1]->click();
  ASSERT_EQ(doc->nNiniCount(), 2);
  EXPECT_EQ(n.cmbNiniNo->currentText(), QStringLiteral("2"));
  EXPECT_EQ(n.imtNini->Text(), QStringLiteral("C"));
  EXPECT_EQ(Acting(*doc, 0), "AC") << "the first case still acts on A and C";
  EXPECT_EQ(Acting(*doc, 1), "C");
  sink_.answers = {MsgAnswer::Ok};
  n.cmdNini[1]->click();  // deleting the last selects the one before
  EXPECT_EQ(n.cmbNiniNo->currentText(), QStringLiteral("1"));
  n.cmdNini[0]->click();

  // Cancel: the three loads and both cases' switches as they were.
  n.cmdCancel->click();
  ASSERT_EQ(doc->nNiniCount(), 3);
  EXPECT_EQ(doc->pNini(1)->LoadName, "B");
  EXPECT_EQ(Acting(*doc, 0), "AC");
  EXPECT_EQ(Acting(*doc, 1), "BC");
}

TEST_F(LoadDialogsTest, ArbitraryLoadEditorFromTheScreenThenTheCasesFollow) {
  auto doc = WithThreeLoads(Open("gravity.nrv"));
  screen_->DataSet();
  OnModal([this](QDialog* d) {
    auto* n = qobject_cast<frmNinni*>(d);
    ASSERT_NE(n, nullptr);
    n->cmbNiniNo->setCurrentIndex(0);  // "A"
    sink_.answers = {MsgAnswer::Ok};
    n->cmdNini[1]->click();
    n->cmdApply->click();
  });
  screen_->cmdNini->click();
  ASSERT_EQ(doc->nNiniCount(), 2);
  EXPECT_EQ(Acting(*doc, 0), "C");
  EXPECT_EQ(Acting(*doc, 1), "BC");
  EXPECT_EQ(screen_->fgComb->TextMatrix(kRowNini, 0), QStringLiteral("B"));
  EXPECT_EQ(screen_->fgComb->CellChecked(kRowNini, 1), FlexGrid::kUnchecked);
  EXPECT_EQ(screen_->fgComb->CellChecked(kRowNini + 1, 1), FlexGrid::kChecked);
}

TEST_F(LoadDialogsTest, NameDialogNeedsANameAndOnlyHides) {
  frmAddNinni a;
  EXPECT_FALSE(a.cmdAdd->isEnabled());
  a.imCaseName->SetText("   ");
  EXPECT_FALSE(a.cmdAdd->isEnabled());
  a.imCaseName->SetText("  看板 ");
  EXPECT_TRUE(a.cmdAdd->isEnabled());
  a.show();
  a.cmdAdd->click();
  EXPECT_FALSE(a.isVisible());
  EXPECT_EQ(a.nEndState(), 1);
  EXPECT_EQ(a.NinniName(), "看板");
  a.show();
  a.close();  // the close box cancels and hides
  EXPECT_EQ(a.nEndState(), 0);
}

// ---- From the loads screen -------------------------------------------------------------

TEST_F(LoadDialogsTest, EveryButtonOfTheScreenOpensItsDialogAndTheScreenShowsTheResult) {
  auto doc = Open("gravity.nrv");
  doc->nWind = 0;
  doc->nStone = 0;
  doc->SetnAutoCrash(0, 0);
  doc->nGunsyu = 0;
  screen_->DataSet();
  QString seen;

  OnModal(
      [this](QDialog* d) {
        auto* w = qobject_cast<frmWind*>(d);
        w->optWind.Item(2)->click();
        sink_.answers = {MsgAnswer::Yes};
        w->cmdApply->click();
      },
      &seen);
  screen_->cmdWind->click();
  EXPECT_EQ(seen, QStringLiteral("frmWind"));
  EXPECT_EQ(screen_->imnWind[2]->text(), QStringLiteral("1.79"));

  OnModal(
      [this](QDialog* d) {
        auto* a = qobject_cast<frmAutoCrash*>(d);
        a->optBougosaku.Item(1)->click();
        a->cmbModel->setCurrentIndex(2);  // SS, vertical wall: 170 kN at 1.0 m
        sink_.answers = {MsgAnswer::Yes};
        a->cmdApply->click();
      },
      &seen);
  screen_->cmdRefAutoCrash->click();
  EXPECT_EQ(seen, QStringLiteral("frmAutoCrash"));
  EXPECT_EQ(screen_->imnAutoCrash[2]->text(), QStringLiteral("170.00"));
  EXPECT_EQ(screen_->cmbAutoCrash->currentIndex(), 1);

  OnModal(
      [this](QDialog* d) {
        auto* s = qobject_cast<frmStoneCrash*>(d);
        Enter(s->imnZ[0], "0.001");
        Enter(s->imnHp[0], "1.5");  // 3·235000·0.001 / 3 = 235
        sink_.answers = {MsgAnswer::Yes};
        s->cmdApply->click();
      },
      &seen);
  screen_->cmdStoneCrash->click();
  EXPECT_EQ(seen, QStringLiteral("frmStoneCrash"));
  EXPECT_EQ(screen_->imnStoneCrash[2]->text(), QStringLiteral("235.00"));
  EXPECT_EQ(screen_->imnStoneCrash[0]->text(), QStringLiteral("1.500"));

  OnModal(
      [this](QDialog* d) {
        auto* g = qobject_cast<frmGunsyu*>(d);
        g->vsGunsyu->SetActiveCell(1, 2);
        sink_.answers = {MsgAnswer::Yes};
        g->cmdApply->click();
      },
      &seen);
  screen_->cmdRefGunsyu->click();
  EXPECT_EQ(seen, QStringLiteral("frmGunsyu"));
  EXPECT_EQ(screen_->imnGunsyu[2]->text(), QStringLiteral("5.00"));

  OnModal(
      [](QDialog* d) {
        auto* j = qobject_cast<frmJyousai*>(d);
        j->optTakuchi.Item(0)->click();
        Enter(j->imnTakuchi[2], "12");
        j->cmdApply->click();
      },
      &seen);
  screen_->cmdQload->click();
  EXPECT_EQ(seen, QStringLiteral("frmJyousai"));
  EXPECT_EQ(doc->nTakuchi, 0);
  EXPECT_TRUE(screen_->imnTakuchi[2]->isEnabled()) << "the screen filled itself again";
  EXPECT_EQ(screen_->imnTakuchi[2]->text(), QStringLiteral("12.00"));
}

TEST_F(LoadDialogsTest, EveryPictureTheDialogsShowIsThere) {
  // The formulas are labels, not pictures; any picture a dialog shows must
  // have been found and loaded.
  auto doc = Open("gravity.nrv");
  frmWind w;
  frmAutoCrash a;
  frmStoneCrash s;
  frmHSteel t(&s, ShippedSteel());
  frmGunsyu g;
  frmJyousai j;
  frmNinni n;
  frmAddNinni add;
  a.SetDoc(doc.get());
  s.SetDoc(doc.get());
  j.SetDoc(doc.get());
  n.SetDoc(doc.get());
  int pictures = 0;
  for (QWidget* dlg : std::initializer_list<QWidget*>{&w, &a, &s, &t, &g, &j, &n, &add}) {
    for (QLabel* l : dlg->findChildren<QLabel*>()) {
      if (l->pixmap().isNull() && l->picture().isNull()) continue;
      ++pictures;
      EXPECT_FALSE(l->pixmap().isNull()) << l->objectName().toStdString();
    }
    for (QAbstractButton* b : dlg->findChildren<QAbstractButton*>())
      EXPECT_TRUE(b->icon().isNull() || !b->icon().availableSizes().isEmpty())
          << b->objectName().toStdString();
  }
  EXPECT_EQ(pictures, 0) << "a new picture needs its file under resources/resource";
}

}  // namespace
}  // namespace norva

// The loads screen in a main window: filling, the enabling of the load
// groups, the case table as a user edits it, adding and deleting cases,
// the dialogs' buttons, and the calculation run from the screen.
#include "screens/loads/frm_kajyu.h"

#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "document/document_file.h"
#include "document/load_case.h"
#include "platform/controls/colors.h"
#include "platform/controls/control_helpers.h"
#include "screens/user_input.h"
#include "shell/document_forms.h"
#include "shell/nav_bar.h"
#include "shell/shell_test_support.h"

namespace norva {
namespace {

using test::Enter;
using test::FocusIn;
using test::FocusOut;
using test::Key;
using test::Retype;

class FrmKajyuTest : public test::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    savedDialogs_ = LoadsDialogs();
    RegisterLoadsWindows();
    main_->show();
  }
  void TearDown() override {
    LoadsDialogs() = savedDialogs_;
    Windows().makeScreen[3] = test::MakePlaceholderScreen;
    ShellFixture::TearDown();
  }
  frmKajyu* Show(CDocument& doc) {
    ShowForm(doc, 3);
    auto* screen = dynamic_cast<frmKajyu*>(doc.DataForm);
    EXPECT_NE(screen, nullptr);
    QApplication::processEvents();
    return screen;
  }
  // A click of the left button on a cell of the case table.
  static void ClickCell(FlexGrid* g, int row, int col) {
    g->scrollTo(g->model()->index(row, col));
    const QPointF p = g->visualRect(g->model()->index(row, col)).center();
    const QPointF global = g->viewport()->mapToGlobal(p);
    QMouseEvent press(QEvent::MouseButtonPress, p, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(g->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(g->viewport(), &release);
  }
  // Types a text into a cell of the case table and presses Enter.
  static void EditCell(FlexGrid* g, int row, int col, const QString& text) {
    const QModelIndex index = g->model()->index(row, col);
    g->setCurrentIndex(index);
    static_cast<QAbstractItemView*>(g)->edit(index);
    auto* editor = qobject_cast<QLineEdit*>(g->indexWidget(index));
    ASSERT_NE(editor, nullptr) << "no editor for row " << row;
    editor->setText(text);
    Key(editor, Qt::Key_Return);
    // The editor commits from a queued call; a refusal message follows it.
    QApplication::processEvents();
    QApplication::processEvents();
  }
  LoadDialogs savedDialogs_;
};

TEST_F(FrmKajyuTest, FillingTwiceAndTabbingThroughEveryBoxLeaveTheFileAsItWas) {
  auto doc = OpenCopy("gravity.nrv");
  ASSERT_NE(doc, nullptr);
  // Values a box cannot show (out of range, more decimals, nulls) and groups
  // switched on with blank members.
  doc->Sisin = 2;
  doc->AutoPos = 150;  // beyond 99.999
  doc->nSnow = 0;
  doc->nSnowType = 2;  // free entry
  doc->SnowLoad = 4.321;
  doc->SnowDepth = kNullDouble;
  doc->nWind = 0;
  doc->WindPos = 1.23456;
  doc->SetnAutoCrash(1, 0);
  doc->nAutoCrashBougo = -1;
  frmKajyu* s = Show(*doc);
  const std::string filled = DocumentFileBytes(*doc);
  s->DataSet();
  EXPECT_EQ(DocumentFileBytes(*doc), filled);

  const auto boxes = s->findChildren<NumberBox*>();
  ASSERT_EQ(boxes.size(), 22);
  for (NumberBox* b : boxes) {
    FocusIn(b);
    FocusOut(b);
  }
  FocusIn(s->imtLoadName);
  FocusOut(s->imtLoadName);
  EXPECT_EQ(DocumentFileBytes(*doc), filled);
  EXPECT_DOUBLE_EQ(doc->AutoPos, 150);
  EXPECT_DOUBLE_EQ(doc->SnowLoad, 4.321);
  EXPECT_DOUBLE_EQ(doc->WindPos, 1.23456);
  EXPECT_TRUE(s->imnAutoMobil[0]->IsBlank());
  EXPECT_EQ(s->imnSnow[2]->text(), QStringLiteral("4.32"));
}

TEST_F(FrmKajyuTest, ChosenKindsSetTheIntensityAndTheBoxesThatTakeTyping) {
  auto doc = OpenCopy("gravity.nrv");  // road earthworks, Coulomb, vehicle T-25
  frmKajyu* s = Show(*doc);
  ASSERT_EQ(doc->Sisin, 2);
  EXPECT_EQ(s->cmbAutoCrash->itemText(0), QStringLiteral("たわみ性防護柵"));
  EXPECT_FALSE(s->imnAutoMobil[1]->isEnabled());  // the width counts under the trial wedge only
  EXPECT_EQ(s->imnAutoMobil[1]->Tag(),
            QStringLiteral("自動車荷重の載荷幅を入力します。試行くさびの場合のみ有効です。"
                           "載荷幅を無限にする場合は\"99.999\"と入力してください。"));
  EXPECT_EQ(s->imnAutoMobil[2]->Tag(),
            QStringLiteral("自動車荷重の単位面積当りの荷重強度を入力します。"
                           "T荷重を任意とした場合のみ有効です。"));
  EXPECT_EQ(s->imnTakuchi[0]->Tag(),
            QStringLiteral("法肩から宅地荷重の載荷開始位置までの距離を入力します。"));
  FocusIn(s->imnGunsyu[2]);
  EXPECT_EQ(s->imtHelp->Text(), QStringLiteral("群集荷重の単位面積当りの荷重強度を入力します。"));
  FocusOut(s->imnGunsyu[2]);
  EXPECT_EQ(s->imtHelp->Text(), QStringLiteral("ここに説明が表示されます。"));

  s->cmbAutoMobil->setCurrentIndex(2);  // T-14
  EXPECT_DOUBLE_EQ(doc->AutoLoad, 7);
  EXPECT_EQ(s->imnAutoMobil[2]->text(), QStringLiteral("7.00"));
  EXPECT_TRUE(s->imnAutoMobil[2]->isEnabled());
  EXPECT_TRUE(s->imnAutoMobil[2]->IsLocked());
  s->cmbAutoMobil->setCurrentIndex(4);  // free entry keeps the value, takes typing
  EXPECT_DOUBLE_EQ(doc->AutoLoad, 7);
  EXPECT_FALSE(s->imnAutoMobil[2]->IsLocked());
  Enter(s->imnAutoMobil[2], "12.5");
  EXPECT_DOUBLE_EQ(doc->AutoLoad, 12.5);

  s->optSnow.Item(0)->click();  // snow considered
  EXPECT_EQ(doc->nSnow, 0);
  s->cmbSnow->setCurrentIndex(0);  // snow alone: by depth
  EXPECT_TRUE(s->imnSnow[1]->isEnabled());
  EXPECT_FALSE(s->imnSnow[2]->isEnabled());
  Enter(s->imnSnow[1], "2");
  EXPECT_DOUBLE_EQ(doc->SnowLoad, 7);  // 3.5 x 2
  EXPECT_EQ(s->imnSnow[2]->text(), QStringLiteral("7.00"));
  s->cmbSnow->setCurrentIndex(1);  // with vehicles: 1.0, read-only
  EXPECT_DOUBLE_EQ(doc->SnowLoad, 1.0);
  EXPECT_FALSE(s->imnSnow[1]->isEnabled());
  EXPECT_TRUE(s->imnSnow[2]->isEnabled());
  EXPECT_TRUE(s->imnSnow[2]->IsLocked());
  s->cmbSnow->setCurrentIndex(2);  // free entry
  EXPECT_FALSE(s->imnSnow[2]->IsLocked());

  // Collision: the stem switch alone enables the inputs.
  EXPECT_FALSE(s->imnAutoCrash[2]->isEnabled());
  s->optAutoCrash1.Item(0)->click();
  EXPECT_EQ(doc->nAutoCrash(1), 0);
  EXPECT_TRUE(s->imnAutoCrash[2]->isEnabled());
  EXPECT_TRUE(s->cmbAutoCrash->isEnabled());
}

TEST_F(FrmKajyuTest, SwitchingALoadOffShowsADashInEveryCase) {
  auto doc = OpenCopy("gravity.nrv");
  frmKajyu* s = Show(*doc);
  FlexGrid* g = s->fgComb;
  ASSERT_EQ(g->Cols(), doc->nCase() + 1);
  doc->pCase(0)->nAutoMobil = 1;
  s->DataSet();
  EXPECT_EQ(g->CellChecked(kRowAuto, 1), FlexGrid::kChecked);
  s->optAutoMobil.Item(1)->click();
  EXPECT_EQ(doc->nAutoMobile, 1);
  for (int c = 1; c <= doc->nCase(); ++c) {
    EXPECT_EQ(g->TextMatrix(kRowAuto, c), QStringLiteral("-"));
    EXPECT_EQ(g->CellChecked(kRowAuto, c), FlexGrid::kNoCheckbox);
    EXPECT_EQ(doc->pCase(c - 1)->nAutoMobil, 0);
  }
  s->optAutoMobil.Item(0)->click();
  EXPECT_EQ(g->CellChecked(kRowAuto, 1), FlexGrid::kUnchecked);
  EXPECT_EQ(g->TextMatrix(kRowWater, 1),
            QStringLiteral("-"));  // the sample has no water
}

TEST_F(FrmKajyuTest, StandardCasesThenTickingAndFactorEditsAsAUserDoes) {
  auto doc = OpenCopy("gravity.nrv");  // road earthworks, gravity wall, vehicle, seismic
  frmKajyu* s = Show(*doc);
  ASSERT_GT(doc->nCase(), 0);
  sink_.answers = {MsgAnswer::Ok};
  s->cmdKajyuComb->click();
  ASSERT_EQ(sink_.shown.size(), 1u);
  ASSERT_EQ(doc->nCase(), 2);
  FlexGrid* g = s->fgComb;
  EXPECT_EQ(g->Cols(), 3);
  EXPECT_EQ(g->TextMatrix(kRowName, 1), QStringLiteral("自重+載荷重(自動車)"));
  EXPECT_EQ(g->TextMatrix(kRowName, 2), QStringLiteral("自重+慣性力"));
  EXPECT_EQ(s->nCurCase(), 0);
  EXPECT_EQ(s->imtLoadName->Text(), QStringLiteral("自重+載荷重(自動車)"));
  EXPECT_EQ(g->CellBackColor(kRowName, 1), QColor(255, 255, 192));

  // Tick the vehicle load off in the first case.
  EXPECT_EQ(g->CellChecked(kRowAuto, 1), FlexGrid::kChecked);
  ClickCell(g, kRowAuto, 1);
  EXPECT_EQ(g->CellChecked(kRowAuto, 1), FlexGrid::kUnchecked);
  EXPECT_EQ(doc->pCase(0)->nAutoMobil, 0);

  // A factor typed by hand, then a bad one: refused, the old value stays.
  const CaseTableLayout t = MakeCaseTableLayout(*doc);
  const int premium = t.rowQPremium;  // "許容支持力度割増" (QaPremium)
  EXPECT_EQ(g->TextMatrix(premium, 1), QStringLiteral("1.00"));
  EditCell(g, premium, 1, "1.234");
  EXPECT_DOUBLE_EQ(doc->pCase(0)->QaPremium, 1.234);
  EXPECT_EQ(g->TextMatrix(premium, 1), QStringLiteral("1.23"));
  EditCell(g, premium, 1, "abc");
  EXPECT_DOUBLE_EQ(doc->pCase(0)->QaPremium, 1.234);
  EXPECT_EQ(g->TextMatrix(premium, 1), QStringLiteral("1.23"));
  ASSERT_EQ(sink_.shown.size(), 2u);
  EXPECT_EQ(sink_.shown[1], kFactorRefused);
  EditCell(g, premium, 1, "0");
  EXPECT_EQ(sink_.shown.size(), 3u);
  EXPECT_DOUBLE_EQ(doc->pCase(0)->QaPremium, 1.234);

  // Ticking the seismic row resets the factors to the special case's.
  ClickCell(g, kRowQuake, 1);
  EXPECT_EQ(doc->pCase(0)->nQuake, 1);
  EXPECT_DOUBLE_EQ(doc->pCase(0)->QaPremium, 1.5);
  EXPECT_EQ(g->TextMatrix(premium, 1), QStringLiteral("1.50"));

  // The name row, a "-" cell and the header take no typing.
  for (int row : {kRowNo, kRowName, kRowWater}) {
    bool cancel = false;
    emit g->BeforeEdit(row, 1, &cancel);
    EXPECT_TRUE(cancel) << row;
  }
}

TEST_F(FrmKajyuTest, LargeBlockBearingRowShowsTheStandardFactorReadOnly) {
  auto doc = OpenCopy("gravity.nrv");
  doc->Sisin = 3;
  frmKajyu* s = Show(*doc);
  FlexGrid* g = s->fgComb;
  const int last = g->Rows() - 1;
  EXPECT_EQ(g->TextMatrix(last, 0), QStringLiteral("支持力安全率"));
  EXPECT_EQ(g->TextMatrix(last, 1), QStringLiteral("3.00"));  // a normal case
  bool cancel = false;
  emit g->BeforeEdit(last, 1, &cancel);
  EXPECT_TRUE(cancel);
  EXPECT_NE(g->CellBackColor(last, 1), VbColor(kSysWindow));
  ClickCell(g, kRowQuake, 1);  // a seismic case: large-block masonry gives 2
  EXPECT_DOUBLE_EQ(doc->pCase(0)->QuPremium, 2);
  EXPECT_EQ(g->TextMatrix(last, 1), QStringLiteral("2.00"));
}

TEST_F(FrmKajyuTest, ChangedGuidelineRefillsTheSnowKinds) {
  auto doc = OpenCopy("gravity.nrv");  // road earthworks: three snow kinds
  frmKajyu* s = Show(*doc);
  ASSERT_EQ(s->cmbSnow->count(), 3);
  doc->Sisin = 0;  // what accepting the initial conditions does, then DataSet
  s->DataSet();
  ASSERT_EQ(s->cmbSnow->count(), 5);
  EXPECT_EQ(s->cmbSnow->itemText(0), QStringLiteral("降りたての雪"));
  EXPECT_EQ(s->cmbAutoCrash->itemText(0), QStringLiteral("支柱式防護柵"));
}

TEST_F(FrmKajyuTest, NameBoxRenamesTheCurrentCaseAndItsColumn) {
  auto doc = OpenCopy("gravity.nrv");
  frmKajyu* s = Show(*doc);
  s->fgComb->Select(kRowName, 2);
  EXPECT_EQ(s->nCurCase(), 1);
  EXPECT_EQ(s->imtLoadName->Text(), QString::fromStdString(doc->pCase(1)->CaseName));
  Retype(s->imtLoadName, QStringLiteral("地震時B"));
  EXPECT_EQ(doc->pCase(1)->CaseName, "地震時B");
  EXPECT_EQ(s->fgComb->TextMatrix(kRowName, 2), QStringLiteral("地震時B"));
  EXPECT_EQ(s->imtLoadName->MaxChars(), 30);
}

TEST_F(FrmKajyuTest, AddAndDeleteCases) {
  auto doc = OpenCopy("gravity.nrv");
  frmKajyu* s = Show(*doc);
  const int n = doc->nCase();
  ASSERT_EQ(n, 2);  // "常時", "地震時"
  std::string next = "追加1";
  LoadsDialogs().addCase = [&next](QWidget*, std::string* name) -> int16_t {
    if (next.empty()) return 0;
    *name = next;
    return 1;
  };
  s->cmdCase[0]->click();
  ASSERT_EQ(doc->nCase(), n + 1);
  EXPECT_EQ(doc->pCase(n)->CaseName, "追加1");
  EXPECT_DOUBLE_EQ(doc->pCase(n)->FsTentou,
                   1.5);  // standard factors of a normal case
  EXPECT_EQ(s->fgComb->Cols(), n + 2);
  EXPECT_EQ(s->fgComb->TextMatrix(kRowNo, n + 1), QString::number(n + 1));
  EXPECT_EQ(s->nCurCase(), n);
  EXPECT_EQ(s->imtLoadName->Text(), QStringLiteral("追加1"));
  next = "追加2";
  s->cmdCase[0]->click();
  next.clear();
  s->cmdCase[0]->click();  // cancelled: nothing added
  ASSERT_EQ(doc->nCase(), n + 2);

  // Delete the second case: asked first; Cancel keeps it.
  s->fgComb->Select(kRowName, 2);
  ASSERT_EQ(s->nCurCase(), 1);
  const std::string second = doc->pCase(1)->CaseName;
  sink_.answers = {MsgAnswer::Cancel};
  s->cmdCase[1]->click();
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0], "荷重ケース2(" + second + ")を削除します。\nよろしいですか？");
  EXPECT_EQ(doc->nCase(), n + 2);
  sink_.answers = {MsgAnswer::Ok};
  s->cmdCase[1]->click();
  ASSERT_EQ(doc->nCase(), n + 1);
  EXPECT_EQ(doc->pCase(1)->CaseName, "追加1");  // the later cases moved up
  EXPECT_EQ(s->nCurCase(), 1);
  EXPECT_EQ(s->fgComb->Cols(), n + 2);

  // Deleting the last column makes the new last column current.
  s->fgComb->Select(kRowName, doc->nCase());
  sink_.answers = {MsgAnswer::Ok};
  s->cmdCase[1]->click();
  EXPECT_EQ(doc->nCase(), n);
  EXPECT_EQ(s->nCurCase(), n - 1);

  // Down to no case: nothing current, the name box leaves the cases alone.
  while (doc->nCase() > 0) {
    sink_.answers = {MsgAnswer::Ok};
    s->cmdCase[1]->click();
  }
  EXPECT_EQ(s->nCurCase(), -1);
  EXPECT_EQ(s->fgComb->Cols(), 1);
  EXPECT_FALSE(s->cmdNext->isEnabled());
  EXPECT_FALSE(s->cmdAntResult->isEnabled());
  Retype(s->imtLoadName, QStringLiteral("x"));
  const size_t asked = sink_.shown.size();
  s->cmdCase[1]->click();    // nothing to delete, nothing asked
  s->cmdKajyuComb->click();  // no case: generated without a question
  EXPECT_EQ(sink_.shown.size(), asked);
  EXPECT_EQ(doc->nCase(), 2);
  EXPECT_TRUE(s->cmdNext->isEnabled());
}

TEST_F(FrmKajyuTest, DialogButtonsWaitForTheirDialogsAndRefreshTheScreenAfterwards) {
  auto doc = OpenCopy("gravity.nrv");
  doc->nStone = 0;                 // rock fall considered, its values missing
  LoadsDialogs() = LoadDialogs{};  // no dialog plugged in: every button stays off
  frmKajyu* s = Show(*doc);
  for (QPushButton* b :
       {s->cmdQload, s->cmdRefGunsyu, s->cmdNini, s->cmdWind, s->cmdRefAutoCrash, s->cmdStoneCrash})
    EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
  EXPECT_FALSE(s->cmdNext->isEnabled());

  LoadsDialogs().stoneCrash = [](CDocument& d, QWidget*) {
    d.StoneHight = 1.5;
    d.StonePich = 3.0;
    d.StoneLoad = 40;
  };
  LoadsDialogs().ninni = [](CDocument& d, QWidget*) {
    d.SetnNiniCount(static_cast<int16_t>(d.nNiniCount() + 1));
    d.pNini(d.nNiniCount() - 1)->LoadName = "照明柱";
  };
  s->SetFormState();
  ASSERT_TRUE(s->cmdStoneCrash->isEnabled());
  ASSERT_TRUE(s->cmdNini->isEnabled());
  s->cmdStoneCrash->click();
  EXPECT_TRUE(s->cmdNext->isEnabled());  // refreshed after the dialog closed

  const int before = doc->pCase(0)->nNiniCount();
  s->cmdNini->click();
  for (int i = 0; i < doc->nCase(); ++i) {
    ASSERT_EQ(doc->pCase(i)->nNiniCount(), before + 1);
    EXPECT_EQ(doc->pCase(i)->nNini(before), 0);
  }
  EXPECT_EQ(s->fgComb->TextMatrix(kRowNini + before, 0), QStringLiteral("照明柱"));
  EXPECT_EQ(s->fgComb->CellChecked(kRowNini + before, 1), FlexGrid::kUnchecked);
}

TEST_F(FrmKajyuTest, CalculationRunsFromTheScreenAndTheResultsBecomeReachable) {
  auto doc = OpenCopy("gravity.nrv");
  frmKajyu* s = Show(*doc);
  ASSERT_TRUE(s->cmdAntResult->isEnabled());
  EXPECT_FALSE(main_->nav->optTab[5]->isEnabled());
  s->cmdAntResult->click();
  EXPECT_NE(doc->bInpSt(4), 0);
  EXPECT_EQ(doc->DataForm,
            static_cast<IScreen*>(s));  // the loads stay on screen
  EXPECT_TRUE(main_->nav->optTab[4]->isEnabled());
  EXPECT_TRUE(main_->nav->optTab[5]->isEnabled());
  EXPECT_TRUE(main_->isEnabled());
  s->cmdNext->click();
  ASSERT_NE(doc->DataForm, nullptr);
  EXPECT_EQ(doc->DataForm->No(), 4);
}

TEST_F(FrmKajyuTest, CalculationWaitsForEveryInputScreen) {
  auto doc = OpenCopy("gravity.nrv");
  frmKajyu* s = Show(*doc);
  ASSERT_TRUE(s->cmdAntResult->isEnabled());
  doc->WallH = kNullDouble;  // the wall section became incomplete
  s->SetFormState();
  EXPECT_TRUE(s->cmdNext->isEnabled());  // this screen's own inputs are complete
  EXPECT_FALSE(s->cmdAntResult->isEnabled());
}

TEST_F(FrmKajyuTest, NewCaseDialogRefusesAnEmptyNameAndTrimsTheOthers) {
  frmAddCase dlg(main_.get());
  dlg.show();
  Retype(dlg.imCaseName, QStringLiteral("　 "));
  dlg.cmdAdd->click();
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0], "荷重ケース名を入力してください。");
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(dlg.nEndState(), 0);

  Retype(dlg.imCaseName, QStringLiteral("  常時＋雪  "));
  dlg.cmdAdd->click();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.nEndState(), 1);
  EXPECT_EQ(dlg.CaseName(), "常時＋雪");
  EXPECT_FALSE(dlg.imCaseName->Accepts(QString(31, QLatin1Char('a'))));

  frmAddCase closed(main_.get());
  closed.show();
  Retype(closed.imCaseName, QStringLiteral("途中"));
  closed.close();  // the close box
  EXPECT_FALSE(closed.isVisible());
  EXPECT_EQ(closed.nEndState(), 0);
  EXPECT_EQ(closed.CaseName(), "");
}

}  // namespace
}  // namespace norva

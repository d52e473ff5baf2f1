// The wall-section screen in a main window: filling, tabbing, the boxes'
// derived values, the refusals and messages, change points, the guide
// picture and the live drawing.
#include "screens/section/frm_kutai.h"

#include <QApplication>

#include "document/document_file.h"
#include "document/numeric.h"
#include "screens/section/kutai_rules.h"
#include "section_test_support.h"
#include "shell/command_state.h"
#include "shell/file_commands.h"
#include "shell/small_windows.h"

namespace norva {
namespace {

using test::Enter;
using test::FocusIn;
using test::FocusOut;

class FrmKutaiTest : public test::SectionFixture {};

// The lines of two document files that differ, numbered, or "".
std::string Differences(const std::string& a, const std::string& b) {
  auto lines = [](const std::string& s) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t i; (i = s.find("\r\n", start)) != std::string::npos; start = i + 2)
      out.push_back(s.substr(start, i - start));
    return out;
  };
  const auto la = lines(a), lb = lines(b);
  std::string out;
  for (size_t i = 0; i < std::max(la.size(), lb.size()); ++i) {
    const std::string x = i < la.size() ? la[i] : "", y = i < lb.size() ? lb[i] : "";
    if (x != y) out += "line " + std::to_string(i + 1) + ": [" + x + "] -> [" + y + "]\n";
  }
  return out;
}

class TabbingThrough : public test::SectionFixture,
                       public ::testing::WithParamInterface<const char*> {};

TEST_P(TabbingThrough, EveryEnabledBoxLeavesTheSavedFileAsItWas) {
  auto doc = OpenCopy(GetParam());
  ASSERT_NE(doc, nullptr);
  frmKutai* s = Show(*doc);
  const std::string filled = DocumentFileBytes(*doc);
  s->DataSet();
  EXPECT_EQ(Differences(filled, DocumentFileBytes(*doc)), "") << "a second fill";
  // Through every page, in the order a user tabs.
  for (int page = 0; page < 3; ++page) {
    s->vstKutai->SetCurrentTab(page);
    QApplication::processEvents();
    for (NumberBox* b : s->Boxes()) {
      if (!b->isEnabled() || !b->isVisibleTo(s) || b->IsLocked()) continue;
      if (!b->isVisible()) continue;
      const std::string before = DocumentFileBytes(*doc);
      FocusIn(b);
      FocusOut(b);
      EXPECT_EQ(Differences(before, DocumentFileBytes(*doc)), "") << b->objectName().toStdString();
    }
  }
  EXPECT_EQ(DocumentFileBytes(*doc), filled);
}

INSTANTIATE_TEST_SUITE_P(Samples, TabbingThrough,
                         ::testing::Values("block_masonry.nrv", "gravity.nrv", "leaning.nrv",
                                           "mixed.nrv"));

TEST_F(FrmKutaiTest, WithoutADocumentTheFillChangesNothing) {
  frmKutai s;
  s.DataSet();
  EXPECT_TRUE(s.imnGrwSize[0]->IsBlank());
  EXPECT_FALSE(s.FormState());
}

TEST_F(FrmKutaiTest, ShapePageAndEnablingFollowTheDocument) {
  auto doc = OpenCopy("gravity.nrv");
  frmKutai* s = Show(*doc);
  EXPECT_EQ(s->vstKeijyo->CurrTab(), 1);
  EXPECT_TRUE(s->cmdNext->isEnabled());
  EXPECT_EQ(s->imnGrwSize[0]->text(), QStringLiteral("3.000"));
  // Choosing the key disables the inclined base; the key boxes open.
  s->optTokki.Item(1)->click();
  EXPECT_EQ(doc->Tokki, 1);
  EXPECT_FALSE(s->fraKeisya[1]->isEnabled());
  EXPECT_TRUE(s->imnTokkiSize[0]->isEnabled());
  EXPECT_FALSE(s->cmdNext->isEnabled());  // the key has no sizes yet
  Enter(s->imnTokkiSize[0], "0.5");
  Enter(s->imnTokkiSize[1], "0.3");
  Enter(s->imnTokkiSize[2], "0.2");
  EXPECT_TRUE(s->cmdNext->isEnabled());
  EXPECT_DOUBLE_EQ(doc->TokB, 0.3);
  // Coulomb: no arbitrary back ground.
  EXPECT_EQ(doc->Doatsu, 0);
  EXPECT_FALSE(s->optBackStyle.Item(3)->isEnabled());
}

TEST_F(FrmKutaiTest, CoulombWithAnArbitraryBackGroundIsToldOnFilling) {
  auto doc = OpenCopy("gravity.nrv");
  ASSERT_EQ(doc->Doatsu, 0);
  doc->UragomeType = 3;
  frmKutai* s = Show(*doc);
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0], kCoulombArbitraryMessage);
  EXPECT_EQ(doc->UragomeType, 0);
  EXPECT_TRUE(s->optBackStyle.Value(0));
}

TEST_F(FrmKutaiTest, GravitySlopeIsDerivedAndItsBoxNeverWritesBack) {
  auto doc = OpenCopy("gravity.nrv");
  frmKutai* s = Show(*doc);
  Enter(s->imnGrwSize[5], "0.5");  // toe-slab height
  Enter(s->imnGrwSize[2], "0.5");  // front width
  // GrwN = 0.5 / (3.0 - 0.5) with the flat base of the sample.
  EXPECT_DOUBLE_EQ(doc->GrwN, 0.2);
  EXPECT_EQ(s->imnGrwSize[6]->text(), QStringLiteral("0.200"));
  Enter(s->imnGrwSize[6], "0.9");
  EXPECT_DOUBLE_EQ(doc->GrwN, 0.2);
  EXPECT_EQ(s->imnGrwSize[6]->text(), QStringLiteral("0.200"));
  // The inclined base with its height: 0.5 / (3.0 - 0.5 - 0.5).
  s->optKeisya.Item(2)->click();
  Enter(s->imnKeisya[1], "0.5");
  EXPECT_DOUBLE_EQ(doc->GrwN, 0.25);
  s->optKeisya.Item(3)->click();
  EXPECT_DOUBLE_EQ(doc->GrwN, 0.2);
  Enter(s->imnGrwSize[1], "2.1");
  EXPECT_DOUBLE_EQ(doc->WallB, 2.1);
}

TEST_F(FrmKutaiTest, LeaningGradientAndFrontWidthFollowEachOther) {
  auto doc = OpenCopy("leaning.nrv");
  frmKutai* s = Show(*doc);
  Enter(s->imnMtwSize[0], "2");
  Enter(s->imnMtwSize[4], "0.4");
  EXPECT_DOUBLE_EQ(doc->MtwN1, 0.2);
  EXPECT_EQ(s->imnMtwSize[7]->text(), QStringLiteral("0.200"));
  Enter(s->imnMtwSize[7], "0.3");
  EXPECT_NEAR(doc->MtwB2, 0.6, 1e-12);
  EXPECT_EQ(s->imnMtwSize[4]->text(), QStringLiteral("0.600"));
  // WallH = H1 + H2.
  EXPECT_DOUBLE_EQ(doc->WallH, 2 + doc->MtwH2);
}

TEST_F(FrmKutaiTest, LeaningWithoutToeSlabHeightSwitchesBaseAndKeyOff) {
  auto doc = OpenCopy("leaning.nrv");
  frmKutai* s = Show(*doc);
  ASSERT_TRUE(s->cmdNext->isEnabled());
  doc->MtwH2 = 0;
  doc->nKeisya = 0;  // an inclined base without its height: incomplete
  doc->KeisyaH = kNullDouble;
  EXPECT_FALSE(s->FormState());  // the state from before the base went off
  EXPECT_EQ(doc->nKeisya, 1);
  EXPECT_EQ(doc->Tokki, 0);
  EXPECT_TRUE(s->optKeisya.Value(5));
  EXPECT_FALSE(s->fraKeisya[2]->isEnabled());
  EXPECT_FALSE(s->fraTokki[1]->isEnabled());
  EXPECT_TRUE(s->FormState());
  Enter(s->imnMtwSize[1], "0.5");
  EXPECT_TRUE(s->fraKeisya[2]->isEnabled());
}

TEST_F(FrmKutaiTest, BackFootingHeightAboveTheFrontIsRefused) {
  auto doc = OpenCopy("block_masonry.nrv");
  doc->nBlkFound = 0;
  doc->nBlkSetup = 0;
  doc->BlkH1 = 1.0;
  doc->BlkH2 = 0.3;
  frmKutai* s = Show(*doc);
  ASSERT_TRUE(s->imnFoundSize[3]->isEnabled());
  sink_.answers = {MsgAnswer::Ok};
  Enter(s->imnFoundSize[3], "1.2");
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0], kBlkH2Message);
  EXPECT_DOUBLE_EQ(doc->BlkH2, 0.3);
  EXPECT_EQ(s->imnFoundSize[3]->text(), QStringLiteral("0.300"));
  Enter(s->imnFoundSize[3], "1");
  EXPECT_EQ(sink_.shown.size(), 1u);
  EXPECT_DOUBLE_EQ(doc->BlkH2, 1.0);
}

TEST_F(FrmKutaiTest, NarrowFootingIsWidenedOnceToTheWidthThatPasses) {
  auto doc = OpenCopy("block_masonry.nrv");
  doc->Sisin = 0;
  doc->nBlkFound = 0;
  doc->nBlkSetup = 0;
  doc->BlkT = 0.35;
  doc->BlkDeltT1 = 0.10;
  doc->BlkDeltT2 = 0.10;
  doc->BlkN = 0.3;
  doc->BlkB1 = 0.10;
  doc->BlkH1 = 0.50;
  doc->BlkH2 = 0.35;
  doc->BlkB = 0.50;
  doc->nKeisya = 1;
  frmKutai* s = Show(*doc);
  ASSERT_TRUE(s->cmdNext->isEnabled());
  sink_.answers = {MsgAnswer::Ok};
  s->cmdNext->click();
  ASSERT_EQ(sink_.shown.size(), 1u);
  // 0.50 -> 0.523 -> 0.525 -> 0.525 (worked out in the rules test).
  EXPECT_EQ(sink_.shown[0], "底面幅は0.525以上としてください。");
  EXPECT_DOUBLE_EQ(doc->BlkB, 0.525);
  EXPECT_DOUBLE_EQ(doc->WallB, 0.525);
  EXPECT_EQ(s->imnFoundSize[0]->text(), QStringLiteral("0.525"));
  EXPECT_EQ(doc->DataForm, s);
  s->cmdNext->click();  // one answer was enough: on to screen 2
  EXPECT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(doc->DataForm->No(), 2);
}

TEST_F(FrmKutaiTest, AutomaticWaterLevelLeavesTheLineOfThrust) {
  auto doc = OpenCopy("gravity.nrv");
  doc->nWater = 1;
  doc->nWlvlAuto = 0;
  doc->nTentou = 3;
  frmKutai* s = Show(*doc);
  EXPECT_TRUE(s->chkSuiiAuto->isEnabled());
  EXPECT_TRUE(s->imnWatf[0]->isEnabled());
  s->chkSuiiAuto->click();
  EXPECT_EQ(doc->nWlvlAuto, 1);
  EXPECT_EQ(doc->nTentou, 0);
  EXPECT_FALSE(s->imnWatf[0]->isEnabled());
  EXPECT_FALSE(s->imnWatb[1]->isEnabled());
}

TEST_F(FrmKutaiTest, BlockWallBackWaterAboveTheWallShowsBlank) {
  auto doc = OpenCopy("block_masonry.nrv");
  doc->nWater = 1;
  doc->nWlvlAuto = 0;
  for (int i = 0; i < 2; ++i) doc->SetWatFH(i, 0.0);
  doc->SetWatBH(1, 1.0);
  doc->SetWatBH(0, doc->WallH + 0.5);
  frmKutai* s = Show(*doc);
  EXPECT_TRUE(s->cmdNext->isEnabled());
  NumberBox* b = s->imnWatb[0];
  ASSERT_TRUE(b->isEnabled());
  FocusIn(b);
  EXPECT_DOUBLE_EQ(b->MaxValue(), doc->WallH);
  EXPECT_TRUE(b->IsBlank());
  FocusOut(b);
  // The level above the wall is cleared, and the screen asks for a new one.
  EXPECT_TRUE(IsNullValue(doc->WatBH(0)));
  EXPECT_FALSE(s->cmdNext->isEnabled());
  Enter(b, "1");
  EXPECT_DOUBLE_EQ(doc->WatBH(0), 1.0);
  EXPECT_TRUE(s->cmdNext->isEnabled());
}

// ---- Change points ----------------------------------------------------------------------

class ChangePointGrid : public test::SectionFixture {
 protected:
  // A trial-wedge sample with an arbitrary back ground of three points.
  frmKutai* ShowPoints() {
    doc_ = OpenCopy("leaning.nrv");
    EXPECT_NE(doc_->Doatsu, 0);
    doc_->UragomeType = 3;
    doc_->SetnUraNini(3);
    for (int i = 0; i < 3; ++i) {
      doc_->SetUraNiniX(i, 2.0 + i);
      doc_->SetUraNiniY(i, 1.0 + i);
    }
    return Show(*doc_);
  }
  // Types a number into a cell and presses Enter.
  void Type(frmKutai* s, int col, int row, const QString& text) {
    s->vsUragome->SetActiveCell(col, row);
    s->vsUragome->SetText(col, row, text);
    s->vsUragome_KeyPress(13);
  }
  std::shared_ptr<CDocument> doc_;
};

TEST_F(ChangePointGrid, GridShowsThePointsOnItsOwnPage) {
  frmKutai* s = ShowPoints();
  EXPECT_EQ(s->vstUragome->CurrTab(), 1);
  EXPECT_EQ(s->vsUragome->Text(1, 2), QStringLiteral("3.000"));
  EXPECT_EQ(s->vsUragome->Text(2, 3), QStringLiteral("3.000"));
  EXPECT_TRUE(s->vsUragome->Text(1, 4).isEmpty());
  EXPECT_EQ(s->vsUragome->Text(1, 0), QStringLiteral("X座標"));
}

TEST_F(ChangePointGrid, EnterStoresAndMovesOnOrRefusesWithTheMessage) {
  frmKutai* s = ShowPoints();
  Type(s, 1, 2, "2.5");  // between 2.0 and 4.0
  EXPECT_DOUBLE_EQ(doc_->UraNiniX(1), 2.5);
  EXPECT_EQ(s->vsUragome->ActiveCol(), 2);
  EXPECT_EQ(s->vsUragome->ActiveRow(), 2);
  Type(s, 2, 2, "2.5");
  EXPECT_DOUBLE_EQ(doc_->UraNiniY(1), 2.5);
  EXPECT_EQ(s->vsUragome->ActiveCol(), 1);
  EXPECT_EQ(s->vsUragome->ActiveRow(), 3);

  sink_.answers = {MsgAnswer::Ok, MsgAnswer::Ok};
  Type(s, 1, 2, "1.5");  // below the point above
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0], kChangePointMessage);
  EXPECT_DOUBLE_EQ(doc_->UraNiniX(1), 2.5);
  EXPECT_EQ(s->vsUragome->Text(1, 2), QStringLiteral("2.500"));
  Type(s, 1, 2, "4.5");  // beyond the point below
  EXPECT_EQ(sink_.shown.size(), 2u);
  EXPECT_DOUBLE_EQ(doc_->UraNiniX(1), 2.5);

  // A new row refused leaves no point behind and the next button follows.
  EXPECT_TRUE(s->cmdNext->isEnabled());
  sink_.answers = {MsgAnswer::Ok};
  Type(s, 1, 4, "1.0");
  EXPECT_EQ(doc_->nUraNini(), 3);
  EXPECT_TRUE(s->vsUragome->Text(1, 4).isEmpty());
  EXPECT_TRUE(s->cmdNext->isEnabled());
  // A new row accepted raises the count; the section is incomplete till Y.
  Type(s, 1, 4, "5.0");
  EXPECT_EQ(doc_->nUraNini(), 4);
  EXPECT_FALSE(s->cmdNext->isEnabled());
  Type(s, 2, 4, "100");  // outside 0..99.999: nothing, no message
  EXPECT_EQ(doc_->UraNiniY(3), kNullDouble);
  EXPECT_EQ(sink_.shown.size(), 3u);
}

TEST_F(ChangePointGrid, InsertShowsTwoEmptyCellsAndDeleteShiftsUp) {
  frmKutai* s = ShowPoints();
  EXPECT_TRUE(s->cmdNext->isEnabled());
  s->vsUragome->SetActiveCell(1, 2);
  s->cmdUragome[0]->click();
  EXPECT_EQ(doc_->nUraNini(), 4);
  EXPECT_TRUE(s->vsUragome->Text(1, 2).isEmpty());
  EXPECT_TRUE(s->vsUragome->Text(2, 2).isEmpty());
  EXPECT_EQ(s->vsUragome->Text(1, 3), QStringLiteral("3.000"));
  EXPECT_FALSE(s->cmdNext->isEnabled());  // a point without coordinates
  s->cmdUragome[1]->click();
  EXPECT_EQ(doc_->nUraNini(), 3);
  EXPECT_EQ(s->vsUragome->Text(1, 2), QStringLiteral("3.000"));
  EXPECT_TRUE(s->cmdNext->isEnabled());
  s->vsUragome->SetActiveCell(1, 9);  // below the last point: nothing
  s->cmdUragome[0]->click();
  EXPECT_EQ(doc_->nUraNini(), 3);
}

// ---- Guide picture and live drawing -------------------------------------------------------

TEST_F(FrmKutaiTest, GuidePictureMarksTheBoxBeingEdited) {
  auto doc = OpenCopy("gravity.nrv");
  frmKutai* s = Show(*doc);
  EXPECT_TRUE(s->picDrawSize->PicturePath().endsWith(QStringLiteral("GRW_SUIHEI_MORIDO.svg")))
      << s->picDrawSize->PicturePath().toStdString();
  FocusIn(s->imnGrwSize[1]);
  EXPECT_TRUE(s->picDrawSize->OverlayVisible());
  EXPECT_EQ(s->picDrawSize->Overlay(), QRect(3405, 7095, 240, 240));
  EXPECT_EQ(s->imtHelp->toPlainText(), QStringLiteral("底面幅を入力します。"));
  FocusOut(s->imnGrwSize[1]);
  EXPECT_FALSE(s->picDrawSize->OverlayVisible());
  // The key changes the picture and its rectangles.
  s->optTokki.Item(1)->click();
  EXPECT_TRUE(s->picDrawSize->PicturePath().endsWith(QStringLiteral("GRW_SUIHEI_MORIDO_T.svg")));
  FocusIn(s->imnGrwSize[1]);
  EXPECT_EQ(s->picDrawSize->Overlay(), QRect(3285, 7095, 240, 240));
  FocusOut(s->imnGrwSize[1]);
  // Boxes without a rectangle, and the water box without a hint.
  ShowHint(s->imtHelp, "x");
  FocusIn(s->imnBlockLength[1]);
  EXPECT_FALSE(s->picDrawSize->OverlayVisible());
  FocusOut(s->imnBlockLength[1]);
}

TEST_F(FrmKutaiTest, LiveDrawingNormalAndSeismicWithMouseZoom) {
  auto doc = OpenCopy("gravity.nrv");
  ASSERT_NE(doc->bQuake, 0);
  frmKutai* s = Show(*doc);
  s->resize(900, 650);
  QApplication::processEvents();
  EXPECT_TRUE(s->optDrwCase.Item(1)->isEnabled());
  s->chkDrawMode->click();
  EXPECT_TRUE(s->vsdDrawSize->isVisibleTo(s));
  EXPECT_FALSE(s->picDrawSize->isVisibleTo(s));
  EXPECT_GT(s->vsdDrawSize->canvas().Ops().size(), 20u);
  s->optDrwCase.Item(1)->click();
  EXPECT_EQ(s->DrawCase(), 1);
  // An edit returns the drawing to the normal state.
  FocusIn(s->imnGrwSize[0]);
  EXPECT_FALSE(s->picDrawSize->OverlayVisible());
  FocusOut(s->imnGrwSize[0]);
  EXPECT_TRUE(s->optDrwCase.Value(0));
  EXPECT_EQ(s->DrawCase(), 0);

  test::Press(s->vsdDrawSize, Qt::ShiftModifier);
  EXPECT_EQ(s->vsdDrawSize->Zoom(), 110);
  test::Press(s->vsdDrawSize, Qt::AltModifier);
  test::Press(s->vsdDrawSize, Qt::AltModifier);
  EXPECT_EQ(s->vsdDrawSize->Zoom(), 100);
  test::Press(s->vsdDrawSize, Qt::NoModifier);
  EXPECT_EQ(s->vsdDrawSize->Zoom(), 100);
}

TEST_F(FrmKutaiTest, HelpButtonShowsTheWaterLevelPage) {
  auto doc = OpenCopy("gravity.nrv");
  frmKutai* s = Show(*doc);
  s->cmdWatHelp->click();
  frmHelp* help = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* h = qobject_cast<frmHelp*>(w); h && h->isVisible()) help = h;
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->Address().endsWith(QStringLiteral("/help/wlvl.htm")));
  help->close();
}

TEST_F(FrmKutaiTest, ABoxLeftAfterItsDocumentWasReleasedTouchesNothing) {
  auto doc = OpenCopy("gravity.nrv");
  frmKutai* s = Show(*doc);
  FocusIn(s->imnGrwSize[0]);
  std::weak_ptr<CDocument> gone = doc;
  const std::string key = doc->Key;
  doc.reset();
  CloseDocument(key);  // what closing the main window does first
  ASSERT_TRUE(gone.expired());
  test::Retype(s->imnGrwSize[0], "4");
  FocusOut(s->imnGrwSize[0]);  // must not reach the released document
  s->chkDrawMode->click();
  EXPECT_EQ(s->Doc(), nullptr);
}

TEST_F(FrmKutaiTest, LeavingByCodeClearsTheOtherGuidelinesBlockMembers) {
  auto doc = OpenCopy("block_masonry.nrv");
  ASSERT_NE(doc->Sisin, 3);
  frmKutai* s = Show(*doc);
  doc->BlkT2 = 0.05;  // as if set behind the screen's back
  s->cmdPrevious->click();
  EXPECT_EQ(doc->DataForm->No(), 0);
  EXPECT_EQ(doc->BlkT2, 0);
}

}  // namespace
}  // namespace norva

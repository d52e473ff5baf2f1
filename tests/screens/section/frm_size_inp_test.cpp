// The catalogue search dialog over the invented fixtures: the wizard's
// pages, buttons and captions as a user steps through, the mixed list,
// Cancel, the footing guide table, every step picture, and ShowSizeInp on
// screen 1 refilling the screen after Finish.
#include "screens/section/frm_size_inp.h"

#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "catalogue_pictures_gen.h"
#include "document/document_file.h"
#include "section_test_support.h"

namespace norva {
namespace {

const std::string kWizard = std::string(NORVA_SOURCE_DIR) + "/tests/screens/catalogue/wizard/";

class SizeInpTest : public test::SectionFixture {
 protected:
  void SetUp() override {
    SectionFixture::SetUp();
    SetCatalogueFolder(kWizard);
  }
  void TearDown() override {
    SetCatalogueFolder("");
    SectionFixture::TearDown();
  }
  // Picks the entry with that text in the list of step k, as a user does.
  static void Pick(frmSizeInp& dlg, int k, const QString& text) {
    QComboBox* c = dlg.Lists()[static_cast<size_t>(k)];
    const int i = c->findText(text);
    ASSERT_GE(i, 0) << text.toStdString();
    c->setCurrentIndex(i);
    emit c->activated(i);
  }
  static QStringList Items(QComboBox* c) {
    QStringList out;
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
  }
};

TEST_F(SizeInpTest, GravityStepsWithCaptionsButtonsAndSummary) {
  CDocument doc;
  doc.SetWallType(1);
  frmSizeInp dlg;
  dlg.SetDoc(&doc);
  dlg.SetFormState();
  EXPECT_EQ(dlg.vstSearch->CurrTab(), 2);
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("図集検索 - Step 1/5"));
  EXPECT_EQ(Items(dlg.cmbGrwUragome), (QStringList{"C1", "C2", "C3"}));
  EXPECT_EQ(dlg.cmbGrwUragome->currentIndex(), -1);
  EXPECT_FALSE(dlg.cmdNav[2]->isEnabled());
  EXPECT_FALSE(dlg.cmdNav[3]->isEnabled());
  EXPECT_FALSE(dlg.cmdNav[4]->isEnabled());
  EXPECT_EQ(dlg.lblCaption[18]->text(),
            QStringLiteral("盛土高比(Ｈ<sub>0</sub>/Ｈ)を選択してください。"));
  Pick(dlg, 0, "C2");
  EXPECT_TRUE(dlg.cmdNav[3]->isEnabled());
  dlg.cmdNav[3]->click();
  EXPECT_EQ(dlg.vstGrw->CurrTab(), 1);
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("図集検索 - Step 2/5"));
  EXPECT_TRUE(dlg.cmdNav[2]->isEnabled());
  EXPECT_FALSE(dlg.cmdNav[3]->isEnabled());
  Pick(dlg, 1, "0.50");
  dlg.cmdNav[3]->click();
  Pick(dlg, 2, "0.30");
  dlg.cmdNav[3]->click();
  EXPECT_EQ(Items(dlg.cmbGrwH), (QStringList{"3.000", "4.000"}));
  Pick(dlg, 3, "4.000");
  dlg.cmdNav[3]->click();
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("図集検索 - 完了!"));
  EXPECT_TRUE(dlg.cmdNav[4]->isEnabled());
  EXPECT_EQ(
      dlg.imtGrw->toPlainText(),
      QStringLiteral("裏込め土の種類　:　C2\n盛土高比　　　　:　0.5\n前面勾配　　　　:　0.30\n"
                     "擁壁高　　　　　:　4.000\n底版幅　　　　　:　2.600"));
  // Back to the first step and another soil: the next list anew, no choice.
  for (int i = 0; i < 4; ++i) dlg.cmdNav[2]->click();
  Pick(dlg, 0, "C1");
  EXPECT_EQ(Items(dlg.cmbGrwMorido), (QStringList{"0.00"}));
  EXPECT_EQ(dlg.cmbGrwMorido->currentIndex(), -1);
  dlg.cmdNav[3]->click();
  EXPECT_FALSE(dlg.cmdNav[3]->isEnabled());
  EXPECT_EQ(doc.WallH, kNullDouble);  // nothing written before Finish
}

TEST_F(SizeInpTest, DryMasonrySkipsThePageAndTypingNeverPicks) {
  CDocument doc;
  doc.SetWallType(0);
  frmSizeInp dlg;
  dlg.SetDoc(&doc);
  dlg.SetFormState();
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("図集検索 - Step 1/7"));
  test::Key(dlg.cmbBlkKozo, Qt::Key_A);
  QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("空"));
  QApplication::sendEvent(dlg.cmbBlkKozo, &typed);
  EXPECT_EQ(dlg.cmbBlkKozo->currentIndex(), -1);
  Pick(dlg, 0, "空積み");
  EXPECT_EQ(Items(dlg.cmbBlkN), (QStringList{"0.3", "0.4"}));
  dlg.cmdNav[3]->click();
  EXPECT_EQ(dlg.vstBlock->CurrTab(), 2);
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("図集検索 - Step 3/7"));
  dlg.cmdNav[2]->click();
  EXPECT_EQ(dlg.vstBlock->CurrTab(), 0);
}

TEST_F(SizeInpTest, FinishAppliesTheBlockSectionCancelChangesNothing) {
  auto walk = [this](frmSizeInp& dlg) {
    Pick(dlg, 0, "練積み");
    Pick(dlg, 1, "15.00");
    Pick(dlg, 2, "0.3");
    Pick(dlg, 3, "砂質土");
    Pick(dlg, 4, "18.00");
    Pick(dlg, 5, "9.80");
    for (int i = 0; i < 6; ++i) dlg.cmdNav[3]->click();
  };
  CDocument doc;
  doc.SetWallType(0);
  const std::string before = DocumentFileBytes(doc);
  {
    frmSizeInp dlg;
    dlg.SetDoc(&doc);
    dlg.SetFormState();
    walk(dlg);
    ASSERT_TRUE(dlg.cmdNav[4]->isEnabled());
    dlg.cmdNav[1]->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(DocumentFileBytes(doc), before);
  }
  frmSizeInp dlg;
  dlg.SetDoc(&doc);
  dlg.SetFormState();
  walk(dlg);
  dlg.cmdNav[4]->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_DOUBLE_EQ(doc.WallH, 2.5);
  EXPECT_NEAR(doc.BlkDeltT1, 0.15, 1e-12);
  EXPECT_DOUBLE_EQ(doc.BlkB, 0.6);  // back concrete above 0.1 up to 0.15
  EXPECT_DOUBLE_EQ(doc.Gamb, 18);
}

TEST_F(SizeInpTest, MixedListFinishNeedsARowAndRefusesAZeroHeight) {
  CDocument doc;
  doc.SetWallType(3);
  frmSizeInp dlg;
  dlg.SetDoc(&doc);
  dlg.SetFormState();
  EXPECT_EQ(dlg.vstSearch->CurrTab(), 3);
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("図集検索"));
  ASSERT_EQ(dlg.lvMxw->RowCount(), 3);
  EXPECT_EQ(dlg.lvMxw->headerItem()->text(2), QStringLiteral("重力擁壁高 H1"));
  EXPECT_EQ(dlg.lvMxw->CellText(1, 3), QStringLiteral("1.200"));
  EXPECT_FALSE(dlg.cmdNav[2]->isEnabled());
  EXPECT_FALSE(dlg.cmdNav[3]->isEnabled());
  EXPECT_FALSE(dlg.cmdNav[4]->isEnabled());
  dlg.lvMxw->SelectRow(2);  // lower height 0
  ASSERT_TRUE(dlg.cmdNav[4]->isEnabled());
  sink_.answers = {MsgAnswer::Ok};
  dlg.cmdNav[4]->click();
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0], kMxwZeroMessage);
  EXPECT_EQ(doc.WallH, kNullDouble);
  EXPECT_NE(dlg.result(), QDialog::Accepted);
  dlg.lvMxw->SelectRow(1);
  dlg.cmdNav[4]->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_DOUBLE_EQ(doc.WallH, 4.0);  // 2.2 + 1.8
}

TEST_F(SizeInpTest, WithoutACatalogueTheFirstListIsEmpty) {
  SetCatalogueFolder(std::string(NORVA_SOURCE_DIR) + "/tests/screens/catalogue/reader/");
  CDocument doc;
  doc.SetWallType(2);  // no motare.csv there
  frmSizeInp dlg;
  dlg.SetDoc(&doc);
  dlg.SetFormState();
  EXPECT_EQ(dlg.cmbMtwKiso->count(), 0);
  EXPECT_FALSE(dlg.cmdNav[3]->isEnabled());
  EXPECT_FALSE(dlg.cmdNav[4]->isEnabled());
}

TEST_F(SizeInpTest, ShowSizeInpRefillsScreenOneAfterFinish) {
  auto doc = OpenCopy("gravity.nrv");
  frmKutai* s = Show(*doc);
  ASSERT_EQ(s->imnGrwSize[0]->text(), QStringLiteral("3.000"));
  bool driven = false;
  QTimer::singleShot(0, [this, &driven] {
    auto* dlg = qobject_cast<frmSizeInp*>(QApplication::activeModalWidget());
    if (!dlg) return;
    driven = true;
    Pick(*dlg, 0, "C2");
    Pick(*dlg, 1, "0.50");
    Pick(*dlg, 2, "0.30");
    Pick(*dlg, 3, "4.000");
    for (int i = 0; i < 4; ++i) dlg->cmdNav[3]->click();
    dlg->cmdNav[4]->click();
  });
  s->ShowSizeInp();
  ASSERT_TRUE(driven);
  EXPECT_EQ(s->imnGrwSize[0]->text(), QStringLiteral("4.000"));
  EXPECT_EQ(s->imnGrwSize[1]->text(), QStringLiteral("2.600"));
  EXPECT_EQ(s->imnGrwSize[2]->text(), QStringLiteral("1.200"));  // 4.0 x 0.3
  EXPECT_TRUE(s->optBackStyle.Value(2));                         // embankment 2.0
  EXPECT_EQ(s->imnH0->text(), QStringLiteral("2.000"));
}

TEST(SizeInpPictures, EveryStepPictureIsShippedAsTheGeneratorDrawsIt) {
  const std::filesystem::path dir = std::filesystem::path(NORVA_SOURCE_DIR) / "resources/resource";
  const char* out = std::getenv("NORVA_WRITE_GUIDES");
  int count = 0;
  for (int32_t type = 0; type <= 2; ++type) {
    for (int step = 0; step < SizeInpPages(type); ++step, ++count) {
      const std::string name = SizeInpPictureName(type, step);
      const std::string svg = guide::StepPictureSvg(type, step);
      if (out && *out) {
        std::ofstream(std::filesystem::path(out) / name, std::ios::binary) << svg;
        continue;
      }
      std::ifstream in(dir / name, std::ios::binary);
      ASSERT_TRUE(in) << name;
      std::stringstream file;
      file << in.rdbuf();
      EXPECT_EQ(file.str(), svg) << name;
    }
  }
  EXPECT_EQ(count, 18);
  EXPECT_EQ(SizeInpPictureName(1, 5), "");
}

TEST_F(SizeInpTest, EveryStepPageShowsItsPicture) {
  frmSizeInp dlg;
  for (auto* pics : {&dlg.picBlock, &dlg.picGrw, &dlg.picMtw})
    for (const auto& [i, p] : *pics) EXPECT_FALSE(p->PicturePath().isEmpty()) << i;
  EXPECT_EQ(dlg.picBlock.Count(), 7);
  EXPECT_EQ(dlg.picMtw.Count(), 6);
  EXPECT_EQ(dlg.picGrw.Count(), 5);
}

TEST_F(SizeInpTest, FootingGuideTable) {
  frmKisoSize w;
  EXPECT_EQ(w.windowTitle(), QStringLiteral("基礎コンクリートの目安"));
  EXPECT_EQ(w.vaSpread1->MaxCols(), 7);
  EXPECT_EQ(w.vaSpread1->MaxRows(), 5);
  EXPECT_EQ(w.vaSpread1->Text(1, 1), QStringLiteral("擁壁全高"));
  EXPECT_EQ(w.vaSpread1->Text(1, 5), QStringLiteral("3.01～5.00"));
  EXPECT_EQ(w.vaSpread1->Text(7, 3), QStringLiteral("65"));
  EXPECT_EQ(w.vaSpread1->CellType(4, 4), SpreadGrid::kStaticText);
  w.show();
  w.cmdApply->click();  // has no handler
  EXPECT_TRUE(w.isVisible());
  w.cmdClose->click();
  EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace norva

// The report style dialog offscreen: what it shows, what its edits change,
// and which buttons write the program's style file and style sheet.
#include "screens/report/f_print_style.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QToolButton>
#include <filesystem>
#include <memory>
#include <string>

#include "report/report_test_support.h"
#include "report/style/print_style.h"
#include "screens/report/report_pictures.h"
#include "screens/report/report_screens_support.h"

namespace norva {
namespace {

std::string Fixture(const char* name) {
  return std::string(NORVA_SOURCE_DIR) + "/tests/report/fixtures/" + name;
}

// The style folder holds copies of the v1.2 fixture and its style sheet; the
// dialog edits a style read from there, as ShowForm does.
class StyleDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ReportApp();
    std::filesystem::copy_file(Fixture("style_v12.sty"), dir.path() + "/style.sty");
    std::filesystem::copy_file(Fixture("style_v12.dat"), dir.path() + "/style.dat");
    style.SetDocPath(dir.path());
    std::string error;
    ASSERT_TRUE(style.ReadStyleData(style.StyleFile(), &error));
    owner = std::make_unique<fPrintStyle>();
    dlgp = owner.get();
    dlgp->SetClas(&style);
    dlgp->ShowStyle();
    stySaved = test::ReadBytes(dir.path() + "/style.sty");
    datSaved = test::ReadBytes(dir.path() + "/style.dat");
  }
  QComboBox* Size(int row) { return static_cast<QComboBox*>(dlgp->fgFont->cellWidget(row, 2)); }
  QString Name(int row) { return dlgp->fgFont->cellWidget(row, 1)->findChild<QLabel*>()->text(); }
  bool FilesUnchanged() {
    return test::ReadBytes(dir.path() + "/style.sty") == stySaved &&
           test::ReadBytes(dir.path() + "/style.dat") == datSaved;
  }

  test::TempFolder dir;
  test::RecordingSink sink;
  cPrintStyle style;
  std::unique_ptr<fPrintStyle> owner;
  fPrintStyle* dlgp = nullptr;
  std::string stySaved, datSaved;
};

TEST_F(StyleDialogTest, ShowsTheStyle) {
  EXPECT_EQ(dlgp->windowTitle(), QStringLiteral("印刷書式の設定"));
  EXPECT_EQ(dlgp->fgFont->item(0, 0)->text(), QStringLiteral("標　　準"));
  EXPECT_EQ(dlgp->fgFont->item(7, 0)->text(), QStringLiteral("数　式/小"));
  EXPECT_EQ(Name(5), QStringLiteral("ＭＳ Ｐ明朝"));
  EXPECT_EQ(Size(4)->currentText(), QStringLiteral("10.6"));       // 10.52 shown rounded up
  EXPECT_DOUBLE_EQ(style.FontSize(4), 10.52);                      // and kept
  EXPECT_EQ(dlgp->fgFont->item(2, 5)->checkState(), Qt::Checked);  // heading 2 underlined
  EXPECT_EQ(dlgp->fgFont->item(3, 4)->checkState(), Qt::Checked);  // heading 3 italic
  EXPECT_TRUE(dlgp->optFrame->Value(3));
  EXPECT_EQ(dlgp->imMargn[0]->Value(), 15);
  EXPECT_EQ(dlgp->imMargn[3]->Value(), 10);
  EXPECT_EQ(dlgp->imHeader[0]->text(), QStringLiteral("擁壁設計計算書"));
  EXPECT_EQ(dlgp->imFooter[1]->text(), QStringLiteral("- %d -"));
}

TEST_F(StyleDialogTest, ApplyWritesBothFilesWithTheEdits) {
  Size(0)->setCurrentText(QStringLiteral("10.5"));  // chosen from the list
  Size(1)->setCurrentText(QStringLiteral("16"));
  dlgp->fgFont->item(1, 4)->setCheckState(Qt::Checked);
  dlgp->optFrame->Item(4)->setChecked(true);
  dlgp->imMargn[2]->SetValue(30);
  emit dlgp->imMargn[2]->LostFocus();
  dlgp->imHeader[1]->SetText(QStringLiteral("  計算書  "));
  emit dlgp->imHeader[1]->LostFocus();
  dlgp->cmdOK->click();
  EXPECT_EQ(dlgp->result(), QDialog::Accepted);
  EXPECT_TRUE(sink.shown.empty());

  const std::string sty = Cp932ToUtf8(test::ReadBytes(dir.path() + "/style.sty"));
  const std::string dat = Cp932ToUtf8(test::ReadBytes(dir.path() + "/style.dat"));
  EXPECT_NE(sty.find("\"ＭＳ 明朝\",10.5,#FALSE#"), std::string::npos);
  EXPECT_NE(sty.find("\"ＭＳ ゴシック\",16,#TRUE#,#TRUE#,#FALSE#"), std::string::npos);
  EXPECT_NE(sty.find("4,15,20,30,10\r\n"), std::string::npos);
  EXPECT_NE(sty.find("\"計算書\",\"- %d -\""), std::string::npos);
  EXPECT_NE(
      dat.find("$h1\r\n{\r\n    fontName:ＭＳ ゴシック;\r\n    fontSize:16;\r\n    fontBold:1;\r\n"
               "    fontItalic:1;"),
      std::string::npos);
  EXPECT_NE(dat.find("    fontSize:10.5;\r\n"), std::string::npos);
  EXPECT_NE(dat.find("    marginLeft:30mm;"), std::string::npos);
  EXPECT_NE(dat.find("    header:擁壁設計計算書|計算書|%d;"), std::string::npos);
  EXPECT_NE(dat.find("    pageBorder:4;"), std::string::npos);
  // Both files say the same.
  cPrintStyle back;
  back.SetDocPath(dir.path());
  std::string error;
  ASSERT_TRUE(back.ReadStyleData(back.StyleFile(), &error));
  EXPECT_EQ(back.StyleFileBytes(), test::ReadBytes(dir.path() + "/style.dat"));
}

TEST_F(StyleDialogTest, CancelAndSaveAsLeaveTheProgramsStyleAlone) {
  Size(0)->setCurrentText(QStringLiteral("20"));
  std::string asked;
  dlgp->saveFile = [&](std::string& path, QWidget*) {
    path = asked = dir.path() + "/mine.sty";
    return true;
  };
  dlgp->cmdStyle[1]->click();  // 書式保存
  ASSERT_TRUE(std::filesystem::exists(asked));
  EXPECT_NE(Cp932ToUtf8(test::ReadBytes(asked)).find("\"ＭＳ 明朝\",20,"), std::string::npos);
  EXPECT_TRUE(FilesUnchanged());
  dlgp->cmdCancel->click();
  EXPECT_EQ(dlgp->result(), QDialog::Rejected);
  EXPECT_TRUE(FilesUnchanged());
}

TEST_F(StyleDialogTest, CancelledCommonDialogsChangeNothing) {
  dlgp->saveFile = [](std::string&, QWidget*) { return false; };
  dlgp->openFile = [](std::string&, QWidget*) { return false; };
  dlgp->chooseFont = [](QFont&, QWidget*) { return false; };
  const std::string before = style.StyleDataBytes();
  dlgp->cmdStyle[0]->click();
  dlgp->cmdStyle[1]->click();
  dlgp->FontButton_Click(2);
  EXPECT_EQ(style.StyleDataBytes(), before);
  EXPECT_TRUE(FilesUnchanged());
}

TEST_F(StyleDialogTest, LoadingAVersion10FileFillsTheFormulaRowsWithTheBodyFont) {
  dlgp->openFile = [](std::string& path, QWidget*) {
    path = Fixture("style_v10.sty");
    return true;
  };
  dlgp->cmdStyle[0]->click();  // 書式読込み
  EXPECT_EQ(Name(6), QStringLiteral("ＭＳ 明朝"));
  EXPECT_EQ(Size(6)->currentText(), QStringLiteral("11"));
  EXPECT_EQ(Size(7)->currentText(), QStringLiteral("6"));
  EXPECT_EQ(dlgp->fgFont->item(6, 5)->checkState(),
            Qt::Unchecked);  // body is underlined, formulas not
  EXPECT_TRUE(dlgp->optFrame->Value(1));
  EXPECT_EQ(dlgp->imMargn[0]->Value(), 30);
  EXPECT_TRUE(FilesUnchanged());
}

TEST_F(StyleDialogTest, LoadingAMalformedFileTellsAndKeepsTheStyle) {
  std::ofstream(dir.path() + "/bad.sty", std::ios::binary) << "\"Ver 1.2\"\r\n\"x\",10\r\n";
  dlgp->openFile = [&](std::string& path, QWidget*) {
    path = dir.path() + "/bad.sty";
    return true;
  };
  const std::string before = style.StyleDataBytes();
  dlgp->cmdStyle[0]->click();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].find("bad.sty"), std::string::npos);
  EXPECT_EQ(style.StyleDataBytes(), before);
  EXPECT_EQ(Size(4)->currentText(), QStringLiteral("10.6"));
}

TEST_F(StyleDialogTest, FontDialogSetsNameSizeBoldAndItalicButNotUnderline) {
  dlgp->chooseFont = [](QFont& f, QWidget*) {
    EXPECT_EQ(f.family(), QStringLiteral("IPAGothic"));  // the stand-in of ＭＳ ゴシック
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 12);
    EXPECT_TRUE(f.bold());
    f = QFont(QStringLiteral("IPAMincho"));
    f.setPointSizeF(13);
    f.setItalic(true);
    return true;
  };
  dlgp->FontButton_Click(2);
  EXPECT_EQ(style.FontName(2), "IPAMincho");
  EXPECT_DOUBLE_EQ(style.FontSize(2), 13);
  EXPECT_FALSE(style.FontBold(2));
  EXPECT_TRUE(style.FontItalic(2));
  EXPECT_TRUE(style.FontUnderline(2));  // kept
  EXPECT_EQ(Name(2), QStringLiteral("IPAMincho"));
  EXPECT_EQ(Size(2)->currentText(), QStringLiteral("13"));
}

TEST_F(StyleDialogTest, FontDialogLeftAsOpenedKeepsTheStylesNameAndSize) {
  // Row 0: ＭＳ 明朝 10.5; the dialog shows IPAMincho and offers 11.
  dlgp->chooseFont = [](QFont& f, QWidget*) {
    f.setPointSize(11);
    f.setBold(true);
    return true;
  };
  dlgp->FontButton_Click(0);
  EXPECT_EQ(style.FontName(0), "ＭＳ 明朝");
  EXPECT_DOUBLE_EQ(style.FontSize(0), 10.5);
  EXPECT_TRUE(style.FontBold(0));
}

TEST_F(StyleDialogTest, EmptiedSizeCellKeepsTheSize) {
  Size(3)->setCurrentText(QString());
  EXPECT_DOUBLE_EQ(style.FontSize(3), 11);
  Size(3)->setCurrentText(QStringLiteral("9"));
  EXPECT_DOUBLE_EQ(style.FontSize(3), 9);
}

TEST_F(StyleDialogTest, HeaderTextsCannotHoldAQuote) {
  // A '"' would end the text early when the style file is read back.
  int pos = 0;
  QString text = QStringLiteral("a\"b");
  EXPECT_EQ(dlgp->imHeader[0]->validator()->validate(text, pos), QValidator::Invalid);
}

TEST(StylePictures, EveryPictureOfTheDialogIsShipped) {
  const std::string folder = test::ShippedFolder() + "/resource/";
  for (int i = 0; i < kFrameStyles; ++i) {
    EXPECT_TRUE(std::filesystem::exists(folder + FrameStylePicture(i) + ".svg")) << i;
  }
  EXPECT_TRUE(std::filesystem::exists(folder + kPagePicture + ".svg"));
}

}  // namespace
}  // namespace norva

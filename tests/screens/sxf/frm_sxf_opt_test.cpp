// The SXF output dialog offscreen: what it gives without changes, the form
// switch, the drawing number, cancel and the folder picker.
#include "screens/sxf/frm_sxf_opt.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "screens/sheet/frm_sec_print.h"
#include "tests/screens/sheet/sheet_screens_test_support.h"

namespace norva {
namespace {

class SxfOptDialog : public ::testing::Test {
 protected:
  void SetUp() override { sheet_screens::App(); }
};

TEST_F(SxfOptDialog, ControlsCarryTheirNames) {
  frmSxfOpt d;
  for (const char* name :
       {"fraFileType", "optFileType[0]", "optFileType[1]", "fraFileName", "cmbFileName[0]",
        "cmbFileName[1]", "cmbFileName[2]", "imtFileName[0]", "imnFileName", "imtFileExt",
        "lblFileName[5]", "fraFolder", "imtFolder", "cmdFolder", "cmdOk", "cmdCancel"})
    EXPECT_NE(d.findChild<QWidget*>(QString::fromUtf8(name)), nullptr) << name;
  EXPECT_EQ(d.windowTitle(), QStringLiteral("SXF出力選択"));
  EXPECT_EQ(d.cmbFileName[1]->count(), 36);
  EXPECT_EQ(d.cmbFileName[2]->itemText(35), QStringLiteral("Z"));
}

TEST_F(SxfOptDialog, OkWithoutChangesGivesTheP21FileInTheDocumentsFolder) {
  frmSxfOpt d;
  d.SetFilePath(QStringLiteral("/home/user/壁"));
  d.cmdOk->click();
  EXPECT_EQ(d.nEndState, 0);
  EXPECT_EQ(d.FileType(), 1);
  EXPECT_EQ(d.FileName(), QStringLiteral("D0SS0010.p21"));
  EXPECT_EQ(d.FilePath(), QStringLiteral("/home/user/壁"));
  EXPECT_EQ(d.imnFileName->text(), QStringLiteral("001"));
}

TEST_F(SxfOptDialog, FormSwitchAndDrawingNumber) {
  frmSxfOpt d;
  d.optFileType[1]->click();
  EXPECT_EQ(d.imtFileExt->text(), QStringLiteral("sfc"));
  EXPECT_EQ(d.FileType(), 0);
  d.optFileType[0]->click();
  EXPECT_EQ(d.imtFileExt->text(), QStringLiteral("p21"));
  EXPECT_EQ(d.FileType(), 1);
  struct Case {
    double number;
    const char* name;
  };
  for (const Case& c : {Case{7, "D0SS0070.p21"}, Case{123, "D0SS1230.p21"}}) {
    SCOPED_TRACE(c.name);
    d.imnFileName->SetValue(c.number);
    EXPECT_EQ(d.FileName(), QString::fromUtf8(c.name));
  }
  d.cmbFileName[0]->setCurrentIndex(0);
  d.cmbFileName[2]->setCurrentText(QStringLiteral("Z"));
  d.imtFileName[0]->setText(QStringLiteral("PL"));
  EXPECT_EQ(d.FileName(), QStringLiteral("S0PL123Z.p21"));
}

TEST_F(SxfOptDialog, CancelAndTheFolderPicker) {
  frmSxfOpt d;
  d.SetFilePath(QStringLiteral("/data"));
  d.browseFolder = [](QWidget*) { return QString(); };
  d.cmdFolder->click();
  EXPECT_EQ(d.FilePath(), QStringLiteral("/data"));
  d.browseFolder = [](QWidget*) { return QStringLiteral("  /picked  "); };
  d.cmdFolder->click();
  EXPECT_EQ(d.FilePath(), QStringLiteral("/picked"));
  d.cmdCancel->click();
  EXPECT_EQ(d.nEndState, 1);
}

TEST_F(SxfOptDialog, ThePreviewsSxfButtonIsInService) {
  RegisterSxfOutput();
  frmSecPrint preview;
  EXPECT_TRUE(preview.cmdSxf->isEnabled());
}

}  // namespace
}  // namespace norva

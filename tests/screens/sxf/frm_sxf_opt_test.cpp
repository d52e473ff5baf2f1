// The SXF output dialog offscreen: what it gives without changes, the form
// switch, the drawing number, cancel, the folder picker, and the preview's
// SXF output with its confirmation.
#include "screens/sxf/frm_sxf_opt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <cstring>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/document_file.h"
#include "drawing/base/sxf_library.h"
#include "screens/sheet/frm_sec_print.h"
#include "tests/screens/sheet/sheet_screens_test_support.h"
#include "text/cp932.h"

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

// The writer library as a stand-in: every call succeeds except the close
// when `closeResult` says otherwise; it remembers the file it was asked for.
class StandInLibrary : public ISxfLibrary {
 public:
  int32_t closeResult = 0;
  std::string opened;
  int32_t SxfOpenWrite(int32_t, const char* name, double, double, double, int32_t, int32_t,
                       const char*, const char*, const char*) override {
    opened = Cp932ToUtf8(name);
    return 0;
  }
  int32_t SxfClose(int32_t) override { return closeResult; }
  int32_t SxfGetPopMsg(int32_t, int32_t* number, char* buffer) override {
    *number = 0;
    std::strcpy(buffer, "close failed");
    return 0;
  }
  int32_t SxfSetLayear(int32_t, const char*, int32_t) override { return 0; }
  int32_t SxfSetColor(int32_t, const char*) override { return 0; }
  int32_t SxfSetLineType(int32_t, const char*) override { return 0; }
  int32_t SxfSetLineWidth(int32_t, double) override { return 0; }
  int32_t SxfSetFont(int32_t, const char*) override { return 0; }
  int32_t SxfSetSheet(int32_t, const char*, int32_t, int32_t, int32_t, int32_t) override {
    return 0;
  }
  int32_t SxfSetFukugo(int32_t, const char*, int32_t) override { return 0; }
  int32_t SxfSfigLoc(int32_t, int32_t, const char*, double, double, double, double,
                     double) override {
    return 0;
  }
  int32_t SxfLine(int32_t, int32_t, int32_t, int32_t, int32_t, double, double, double,
                  double) override {
    return 0;
  }
  int32_t SxfPolyLine(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, const double*,
                      const double*) override {
    return 0;
  }
  int32_t SxfText(int32_t, int32_t, int32_t, int32_t, const char*, double, double, double, double,
                  double, double, double, int32_t, int32_t) override {
    return 0;
  }
  int32_t SxfLinearDim(int32_t, int32_t, int32_t, int32_t, int32_t,
                       const sxf::SxfLinearDimRec*) override {
    return 0;
  }
};

// "SXFﾌｧｲﾙ出力" from the preview, the output dialog answered as the user
// would: a sheet written whole is confirmed with its file; a cancel says
// nothing, and a file the writer could not complete gets the error alone.
TEST_F(SxfOptDialog, TheSavedFileIsConfirmedWithItsPath) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  const std::string path = folder + "/D0SS0010.p21";
  struct Case {
    const char* name;
    bool ok;
    int32_t closeResult;
    std::vector<std::string> shown;
    std::string opened;
  };
  const Case cases[] = {
      {"written", true, 0, {"SXFﾌｧｲﾙを出力しました。\n" + path}, path},
      {"cancelled", false, 0, {}, ""},
      {"close failed", true, -1, {"ｴﾗｰが発生しました。\nclose failed"}, path},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StandInLibrary library;
    library.closeResult = c.closeResult;
    RegisterSxfOutput(library);
    CDocument doc;
    ASSERT_TRUE(DataFileReadFrom(doc, std::string(NORVA_SOURCE_DIR) + "/examples/gravity.nrv"));
    doc.FilePath = folder;
    sheet_screens::RecordingSink sink;
    frmSecPrint preview;
    preview.SetDoc(&doc);
    const bool ok = c.ok;
    QTimer::singleShot(0, [ok] {
      if (auto* d = qobject_cast<frmSxfOpt*>(QApplication::activeModalWidget()))
        (ok ? d->cmdOk : d->cmdCancel)->click();
    });
    preview.cmdSxf->click();
    EXPECT_EQ(sink.shown, c.shown);
    EXPECT_EQ(library.opened, c.opened);
  }
  RegisterSxfOutput();
}

}  // namespace
}  // namespace norva

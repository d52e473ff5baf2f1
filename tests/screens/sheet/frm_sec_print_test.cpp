// The sheet preview, offscreen: zoom, "設定" redraws, printing to a PDF read
// back with pdftotext, the SXF button, and the registered windows.
#include "screens/sheet/frm_sec_print.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include "document/document.h"
#include "document/document_file.h"
#include "screens/sheet/frm_sec_prn_options.h"
#include "screens/sheet/sheet_screens_test_support.h"
#include "screens/sheet/sheet_windows.h"
#include "shell/screen.h"

namespace norva {
namespace {

using sheet_screens::RecordingSink;

class SheetPreview : public ::testing::Test {
 protected:
  void SetUp() override {
    sheet_screens::App();
    doc.FileName = std::string(NORVA_SOURCE_DIR) + "/tests/fixtures/designs/gravity.nrv";
    ASSERT_TRUE(DataFileRead(doc));
    doc.Sheet = 3;
    doc.DrwScale = 4;
    doc.Suryou = 0;
  }
  CDocument doc;
};

TEST_F(SheetPreview, ZoomStaysBetweenTenAndFiveHundredPercent) {
  frmSecPrint w;
  w.SetDoc(&doc);
  EXPECT_EQ(w.windowTitle(), "標準断面図出力");
  w.vspSecDraw->SetZoom(100);
  w.cmdZoom[0]->click();
  EXPECT_EQ(w.vspSecDraw->Zoom(), 110);
  w.cmdZoom[1]->click();
  w.cmdZoom[1]->click();
  EXPECT_EQ(w.vspSecDraw->Zoom(), 90);
  w.vspSecDraw->SetZoom(495);
  w.cmdZoom[0]->click();
  EXPECT_EQ(w.vspSecDraw->Zoom(), 500);
  w.cmdZoom[0]->click();
  EXPECT_EQ(w.vspSecDraw->Zoom(), 500);
  w.vspSecDraw->SetZoom(15);
  w.cmdZoom[1]->click();
  EXPECT_EQ(w.vspSecDraw->Zoom(), 10);
  w.cmdZoom[1]->click();
  EXPECT_EQ(w.vspSecDraw->Zoom(), 10);
  // The page widget grows with the zoom: an A3 page at 200 % is twice as wide
  // as at 100 %.
  w.vspSecDraw->SetZoom(100);
  const int at100 = w.vspSecDraw->width();
  w.vspSecDraw->SetZoom(200);
  EXPECT_NEAR(w.vspSecDraw->width(), 2 * at100, 1);
}

TEST_F(SheetPreview, ZoomKeepsTheMiddleOfTheView) {
  frmSecPrint w;
  w.SetDoc(&doc);
  w.resize(900, 700);
  w.show();
  QApplication::processEvents();
  w.vspSecDraw->SetZoom(150);
  QApplication::processEvents();
  QScrollBar* h = w.vseSecPrint->horizontalScrollBar();
  ASSERT_GT(h->maximum(), 0);
  h->setValue(h->maximum() / 2);
  const double half = w.vseSecPrint->viewport()->width() / 2.0;
  const double before = (h->value() + half) / w.vspSecDraw->width();
  w.cmdZoom[0]->click();
  QApplication::processEvents();
  EXPECT_EQ(w.vspSecDraw->Zoom(), 160);
  EXPECT_NEAR((h->value() + half) / w.vspSecDraw->width(), before, 0.002);
}

TEST_F(SheetPreview, SetupRedrawsWhicheverButtonClosedIt) {
  frmSecPrint w;
  w.SetDoc(&doc);
  ASSERT_NEAR(w.vspSecDraw->target().PageWidthMm(), 420, 1e-9);
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* options = qobject_cast<frmSecPrnOptions*>(QApplication::activeModalWidget());
    if (!options) return;
    seen = options->Doc() == &doc;
    options->optSheet->Item(1)->click();  // A1
    options->cmdCancel->click();
  });
  w.cmdSetup->click();
  EXPECT_TRUE(seen);
  EXPECT_EQ(doc.Sheet, 1);
  EXPECT_NEAR(w.vspSecDraw->target().PageWidthMm(), 841, 1e-9);
}

TEST_F(SheetPreview, PrintsToAPdfThatAReaderCanRead) {
  if (QProcess::execute("pdftotext", {"-v"}) < 0) GTEST_SKIP() << "no pdftotext";
  QTemporaryDir dir;
  frmSecPrint w;
  w.SetDoc(&doc);
  QPrinter printer(QPrinter::HighResolution);
  w.vspSecDraw->SetUpPrinter(printer);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = dir.filePath("sheet.pdf");
  printer.setOutputFileName(pdf);
  ASSERT_TRUE(w.vspSecDraw->PrintTo(printer));
  QProcess info;
  info.start("pdfinfo", {pdf});
  ASSERT_TRUE(info.waitForFinished());
  // A3 landscape: 420 x 297 mm = 1190.55 x 841.89 pt, shown rounded.
  const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_TRUE(infoText.contains("1191 x 842 pts (A3)")) << infoText.toStdString();
  QProcess text;
  text.start("pdftotext", {pdf, "-"});
  ASSERT_TRUE(text.waitForFinished());
  const QString out = QString::fromUtf8(text.readAllStandardOutput());
  // The sample's wall: 3.0 m high, crest 0.4 m, base 1.8 m, layers 0.1 and 0.2.
  for (const char* t : {"工事名", "数量表(10m当たり)", "1:50", "3000", "400", "1800", "200"})
    EXPECT_TRUE(out.contains(QString::fromUtf8(t))) << t;
}

TEST_F(SheetPreview, SxfButtonWaitsForTheSxfOutput) {
  SheetSxfCommand() = nullptr;
  {
    frmSecPrint w;
    EXPECT_FALSE(w.cmdSxf->isEnabled());
    EXPECT_EQ(w.cmdSxf->text(), "SXFﾌｧｲﾙ出力");
  }
  CDocument* called = nullptr;
  SheetSxfCommand() = [&](CDocument& d, QWidget*) { called = &d; };
  frmSecPrint w;
  w.SetDoc(&doc);
  EXPECT_TRUE(w.cmdSxf->isEnabled());
  w.cmdSxf->click();
  EXPECT_EQ(called, &doc);
  SheetSxfCommand() = nullptr;
}

TEST_F(SheetPreview, RegisteredWindowsAnswerTheShell) {
  RegisterSheetWindows();
  ASSERT_TRUE(Windows().sheetOptions);
  ASSERT_TRUE(Windows().sheetPreview);
  EXPECT_FALSE(Windows().quantityTable);  // the quantity window is not this part's
  QTimer::singleShot(0, [] {
    if (auto* f = qobject_cast<frmSecPrnOptions*>(QApplication::activeModalWidget())) {
      EXPECT_FALSE(f->fraSheet->isEnabled());
      f->cmdOK->click();
    }
  });
  EXPECT_EQ(Windows().sheetOptions(doc, false, nullptr), 1);

  // A wall that cannot be drawn opens no preview, it says why.
  RecordingSink sink;
  doc.WallH = kNullDouble;
  Windows().sheetPreview(doc, nullptr);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0], "壁体形状の入力が完了していません。");
  Windows() = ShellWindows{};
}

}  // namespace
}  // namespace norva

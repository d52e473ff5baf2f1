// A real reader of the RTF copy: LibreOffice converts a two-page report with
// headings, Japanese text, a table with a merged cell and a picture to PDF,
// and the PDF holds the text, the table's cells, the picture and the faces.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <fstream>
#include <string>

#include "text/cp932.h"
#include "external_tools.h"
#include "renderer/preview_dlg.h"
#include "test_folder.h"

namespace norva {
namespace {

TEST(RtfReader, LibreOfficeReadsTheReport) {
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
  TestFolder folder;
  ASSERT_TRUE(folder.Valid());
  const std::string dir = folder.Path();
  const std::string figure = dir + "/fig.svg";
  std::ofstream(figure) << "<svg xmlns='http://www.w3.org/2000/svg' width='100mm' height='50mm' viewBox='0 0 100 50'>"
                           "<rect x='2' y='2' width='96' height='46' fill='#808080' stroke='black'/></svg>";

  RenderRun run;
  run.workFolder = dir;
  ParseStyleSheet(Utf8ToCp932("$page{marginLeft:20mm;marginRight:20mm;marginTop:20mm;marginBottom:20mm;secno:true;}"
                              "$h1{fontName:ＭＳ ゴシック;fontSize:14;fontBold:1;}"),
                  run.sheet);
  const std::string markup = Utf8ToCp932(
      "<html><body>\r\n<h1>擁壁の安定計算</h1>\r\n本文は明朝体で印字する。<br>\r\n"
      "<TABLE ROW=3 COL=3 HEADER=1 HALIGN=CENTER><TOH=\"表-1 計算結果\" ROW=0 ALIGN=CENTER>\r\n"
      "<COLWIDTH=8 SCOL=0 ECOL=2><HEADER><TL=11 SROW=0 SCOL=0 EROW=0 ECOL=2></HEADER>"
      "<TL=11 SROW=1 SCOL=0 EROW=2 ECOL=2>\r\n"
      "<TD SROW=0 SCOL=0>項目</TD><TD SROW=0 SCOL=1>数値</TD><TD SROW=0 SCOL=2>判定</TD>\r\n"
      "<TD SROW=1 SCOL=0>滑動</TD><TD SROW=1 SCOL=1>1.52</TD><TD SROW=1 SCOL=2 EROW=2 VALIGN=MIDDLE>合格</TD>\r\n"
      "<TD SROW=2 SCOL=0>転倒</TD><TD SROW=2 SCOL=1>2.03</TD>\r\n</TABLE>\r\n"
      "<rp>\r\n<h1>断面図</h1>\r\n<img src=\"" + figure + "\" width=50% height=50%>\r\n"
      "図-1&sp;擁壁の断面<br>\r\n</body></html>\r\n");
  std::string rtf;
  {
    CPreviewDlg dlg(1, 0, markup, run, nullptr);
    dlg.OnInitDialog();
    rtf = dlg.RtfPath().toStdString();
  }
  ASSERT_FALSE(rtf.empty());

  const PdfConversion lo = ConvertRtfToPdf(soffice, dir, rtf);
  if (!lo.finished) FAIL() << "LibreOffice did not finish";
  const QString& pdf = lo.pdf;
  ASSERT_TRUE(QFileInfo::exists(pdf)) << lo.errors;

  const std::string info = RunTool(QStringLiteral("pdfinfo"), {pdf});
  EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
  const std::string page1 = Squeezed(RunTool(QStringLiteral("pdftotext"), {"-f", "1", "-l", "1", pdf, "-"}));
  const std::string page2 = Squeezed(RunTool(QStringLiteral("pdftotext"), {"-f", "2", "-l", "2", pdf, "-"}));
  for (const char* s : {"1.擁壁の安定計算", "本文は明朝体で印字する。", "表-1計算結果", "項目", "数値", "判定", "滑動",
                        "1.52", "合格", "転倒", "2.03"}) {
    EXPECT_NE(page1.find(s), std::string::npos) << s << "\n" << page1;
  }
  for (const char* s : {"2.断面図", "図-1擁壁の断面"}) {
    EXPECT_NE(page2.find(s), std::string::npos) << s << "\n" << page2;
  }
  EXPECT_EQ(page1.find("断面図"), std::string::npos);
  // The merged cell is written once.
  EXPECT_EQ(page1.find("合格"), page1.rfind("合格"));
  // The headings are the report's only Gothic text: LibreOffice sets them in
  // the Gothic stand-in, the body in the Mincho one.
  const std::string fonts = RunTool(QStringLiteral("pdffonts"), {pdf});
  EXPECT_NE(fonts.find("IPAGothic"), std::string::npos) << fonts;
  EXPECT_NE(fonts.find("IPAMincho"), std::string::npos) << fonts;
  // The picture reaches the second page.
  const std::string images = RunTool(QStringLiteral("pdfimages"), {"-list", pdf});
  EXPECT_NE(images.find("\n   2 "), std::string::npos) << images;
}

}  // namespace
}  // namespace norva

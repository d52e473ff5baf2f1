// A real reader of the RTF copy: LibreOffice converts a two-page report with
// headings, Japanese text, a table with a merged cell and a picture to PDF,
// and the PDF holds the text, the table's cells, the picture and the faces.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "external_tools.h"
#include "renderer/preview_dlg.h"
#include "test_folder.h"
#include "text/cp932.h"

namespace norva {
namespace {

TEST(RtfReader, LibreOfficeReadsTheReport) {
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
  TestFolder folder;
  ASSERT_TRUE(folder.Valid());
  const std::string dir = folder.Path();
  const std::string figure = dir + "/fig.svg";
  std::ofstream(figure)
      << "<svg xmlns='http://www.w3.org/2000/svg' width='100mm' height='50mm' viewBox='0 0 100 50'>"
         "<rect x='2' y='2' width='96' height='46' fill='#808080' stroke='black'/></svg>";

  RenderRun run;
  run.workFolder = dir;
  ParseStyleSheet(
      Utf8ToCp932(
          "$page{marginLeft:20mm;marginRight:20mm;marginTop:20mm;marginBottom:20mm;secno:true;}"
          "$h1{fontName:ＭＳ ゴシック;fontSize:14;fontBold:1;}"),
      run.sheet);
  const std::string markup = Utf8ToCp932(
      "<html><body>\r\n<h1>擁壁の安定計算</h1>\r\n本文は明朝体で印字する。<br>\r\n"
      "<TABLE ROW=3 COL=3 HEADER=1 HALIGN=CENTER><TOH=\"表-1 計算結果\" ROW=0 ALIGN=CENTER>\r\n"
      "<COLWIDTH=8 SCOL=0 ECOL=2><HEADER><TL=11 SROW=0 SCOL=0 EROW=0 ECOL=2></HEADER>"
      "<TL=11 SROW=1 SCOL=0 EROW=2 ECOL=2>\r\n"
      "<TD SROW=0 SCOL=0>項目</TD><TD SROW=0 SCOL=1>数値</TD><TD SROW=0 SCOL=2>判定</TD>\r\n"
      "<TD SROW=1 SCOL=0>滑動</TD><TD SROW=1 SCOL=1>1.52</TD><TD SROW=1 SCOL=2 EROW=2 "
      "VALIGN=MIDDLE>合格</TD>\r\n"
      "<TD SROW=2 SCOL=0>転倒</TD><TD SROW=2 SCOL=1>2.03</TD>\r\n</TABLE>\r\n"
      "<rp>\r\n<h1>断面図</h1>\r\n<img src=\"" +
      figure +
      "\" width=50% height=50%>\r\n"
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
  const std::string page1 =
      Squeezed(RunTool(QStringLiteral("pdftotext"), {"-f", "1", "-l", "1", pdf, "-"}));
  const std::string page2 =
      Squeezed(RunTool(QStringLiteral("pdftotext"), {"-f", "2", "-l", "2", pdf, "-"}));
  for (const char* s : {"1.擁壁の安定計算", "本文は明朝体で印字する。", "表-1計算結果", "項目",
                        "数値", "判定", "滑動", "1.52", "合格", "転倒", "2.03"}) {
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

// Two tables wider than the text width in the preview's widths: the
// horizontal loads (16 + 6 x 12 characters) and a stability summary with a
// five-digit reaction. In the RTF both fit the text width, and LibreOffice
// keeps every heading and number of them whole on one line.
TEST(RtfReader, WideTablesFitTheTextWidthWithEveryNumberWhole) {
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
  TestFolder folder;
  ASSERT_TRUE(folder.Valid());
  const std::string dir = folder.Path();
  RenderRun run;
  run.workFolder = dir;
  ParseStyleSheet(Utf8ToCp932("$page{marginLeft:25mm;marginRight:20mm;marginTop:20mm;"
                              "marginBottom:20mm;}"),
                  run.sheet);
  std::string loads =
      "<TABLE ROW=4, COL=7><COLWIDTH=16, SCOL=0, ECOL=0><COLWIDTH=12, SCOL=1, ECOL=6><HEADER>"
      "<TL=11, SROW=0, SCOL=0, EROW=3, ECOL=6>"
      "<TD SROW=0, SCOL=1>鉛直力 V</TD><TD SROW=1, SCOL=1>(kN/m)</TD>"
      "<TD SROW=0, SCOL=2>作用位置 X</TD><TD SROW=1, SCOL=2>(m)</TD>"
      "<TD SROW=0, SCOL=3>V･X</TD><TD SROW=1, SCOL=3>(kN･m/m)</TD>"
      "<TD SROW=0, SCOL=4>水平力 H</TD><TD SROW=1, SCOL=4>(kN/m)</TD>"
      "<TD SROW=0, SCOL=5>作用位置 Y</TD><TD SROW=1, SCOL=5>(m)</TD>"
      "<TD SROW=0, SCOL=6>H･Y</TD><TD SROW=1, SCOL=6>(kN･m/m)</TD></HEADER>"
      "<TD SROW=2, SCOL=0> 衝突荷重</TD><TD SROW=2, SCOL=1>123.45</TD>"
      "<TD SROW=2, SCOL=2>12.345</TD><TD SROW=2, SCOL=3>1523.99</TD>"
      "<TD SROW=2, SCOL=4>234.56</TD><TD SROW=2, SCOL=5>11.222</TD>"
      "<TD SROW=2, SCOL=6>2632.23</TD></TABLE><BR>";
  std::string summary =
      "<TABLE ROW=4, COL=7, HALIGN=CENTER><COLWIDTH= 3, SCOL=0, ECOL=0>"
      "<COLWIDTH=22, SCOL=1, ECOL=1><COLWIDTH= 7, SCOL=2, ECOL=3><COLWIDTH=13, SCOL=4, ECOL=6>"
      "<TL=9, SROW=0, SCOL=0, EROW=3, ECOL=6>"
      "<TD SROW=0, SCOL=0>1</TD><TD SROW=0, SCOL=1> 自重+載荷重(自動車)</TD>"
      "<TD SROW=0, SCOL=2>常時</TD><TD SROW=0, SCOL=3>無視</TD>"
      "<TD SROW=0, SCOL=4>e= 0.186</TD><TD SROW=1, SCOL=4> &gt;   0.142</TD>"
      "<TD SROW=0, SCOL=5>Fs= 1.912</TD><TD SROW=1, SCOL=5> &gt;  1.500</TD>"
      "<TD SROW=0, SCOL=6>qmax=42202.35</TD><TD SROW=1, SCOL=6>qmin=12345.67</TD>"
      "<TD SROW=2, SCOL=6>&gt; qa=  300.00</TD></TABLE>";
  const std::string markup =
      Utf8ToCp932("<html><body>\r\n" + loads + "\r\n" + summary + "\r\n</body></html>\r\n");
  std::string rtfPath;
  {
    CPreviewDlg dlg(1, 0, markup, run, nullptr);
    dlg.OnInitDialog();
    rtfPath = dlg.RtfPath().toStdString();
  }
  ASSERT_FALSE(rtfPath.empty());
  std::ifstream in(rtfPath, std::ios::binary);
  const std::string rtf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // A4 11906 twips less 25 mm (1417) and 20 mm (1133): 9356.
  ASSERT_NE(rtf.find("\\margl1417\\margr1133"), std::string::npos);
  const std::regex cellx("\\\\cellx(-?[0-9]+)");
  int cells = 0;
  for (auto it = std::sregex_iterator(rtf.begin(), rtf.end(), cellx); it != std::sregex_iterator();
       ++it, ++cells) {
    EXPECT_LE(std::stoi((*it)[1]), 9356);
  }
  EXPECT_GT(cells, 14);
  const std::regex trleft("\\\\trleft(-?[0-9]+)");
  for (auto it = std::sregex_iterator(rtf.begin(), rtf.end(), trleft); it != std::sregex_iterator();
       ++it) {
    EXPECT_GE(std::stoi((*it)[1]), 0);
  }

  const PdfConversion lo = ConvertRtfToPdf(soffice, dir, rtfPath);
  if (!lo.finished) FAIL() << "LibreOffice did not finish";
  ASSERT_TRUE(QFileInfo::exists(lo.pdf)) << lo.errors;
  std::vector<std::string> lines;
  std::istringstream layout(RunTool(QStringLiteral("pdftotext"), {"-layout", lo.pdf, "-"}));
  for (std::string line; std::getline(layout, line);) lines.push_back(Squeezed(line));
  for (const char* word : {"(kN･m/m)", "H･Y", "V･X", "1523.99", "2632.23", "qmax=42202.35",
                           "qmin=12345.67", "qa=300.00", "Fs=1.912", "自重+載荷重(自動車)"}) {
    size_t found = 0;
    for (const std::string& line : lines) found += Count(line, word);
    EXPECT_GE(found, 1u) << "not whole on one line: " << word;
  }
  // Both "(kN･m/m)" headings.
  size_t units = 0;
  for (const std::string& line : lines) units += Count(line, "(kN･m/m)");
  EXPECT_EQ(units, 2u);
}

}  // namespace
}  // namespace norva

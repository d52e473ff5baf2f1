// A page of report formulas printed to PDF and written to the RTF copy, which
// LibreOffice converts to PDF: every formula reaches the RTF as a PNG picture
// inside its caption's paragraph, and both PDFs show the page.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>
#include <string>
#include <vector>

#include "external_tools.h"
#include "renderer/preview_dlg.h"
#include "renderer/printer_settings.h"
#include "renderer/rtf_writer.h"
#include "test_folder.h"
#include "text/cp932.h"

namespace norva {
namespace {

size_t CountOf(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
    ++n;
  return n;
}

// Image lines of "pdfimages -list": every line after the two header lines.
size_t ImageCount(const std::string& list) {
  size_t lines = 0;
  for (char c : list) lines += c == '\n';
  return lines >= 2 ? lines - 2 : 0;
}

// The number after a control word in an RTF group, or -1.
long ControlValue(const std::string& group, const std::string& word) {
  const size_t at = group.find(word);
  if (at == std::string::npos) return -1;
  return std::stol(group.substr(at + word.size()));
}

struct FormulaLine {
  const char* caption;  // UTF-8, ends with a full-width blank
  const char* formula;  // the <math> element
};

// Fractions, a nested fraction, brackets grown around fractions, a root,
// sub- and superscripts, Greek letters, "≧" and the summation sign.
const FormulaLine kPage[] = {
    {"土圧係数　",
     "<math>K_A_&sp;=&sp;<box>cos^2^(φ－α－θ)<over>cosθcos^2^αcos(α＋δ＋θ)･(1+A)^2^</box></math>"},
    {"係数Ａ　",
     "<math>A&sp;=&sp;<sqrt><box>sin(φ＋δ)sin(φ－i－θ)<over>cos(α＋δ＋θ)cos(α－i)</box></sqrt></"
     "math>"},
    {"土圧合力　", "<math>P_A1_&sp;=&sp;<box>1<over>2</box>(P_1_+P_2_)(H-h_w_)</math>"},
    {"モーメント　",
     "<math>M_P1_=<box>(<left><box>2･P_1_+P_2_<over>P_1_+P_2_</box>･<box>H-h_w_<over>3</"
     "box>+h_w_<right>)</box>P_A1_"
     "</math>"},
    {"連分数　", "<math>x&sp;=&sp;<box>1<over>1+<box>a_1_<over>b^2^</box></box></math>"},
    {"滑動　", "<math>F_s_=<box>&sum;V･μ＋c_B_･B'<over>&sum;H</box>&sp;≧&sp;F_a_</math>"},
    {"転倒　", "<math><box>Mr<over>Mo</box>&sp;≧&sp;Fm</math>"},
    {"合力の傾き　", "<math>θ=tan^-1^(ΣH/ΣV)</math>"},
};
constexpr size_t kFormulas = sizeof(kPage) / sizeof(kPage[0]);

class MathRtf : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.Valid());
    dir = folder.Path();
  }
  void TearDown() override {
    // Kept for a look when something failed (see TestFolder) or when asked for.
    if (qEnvironmentVariableIsSet("NORVA_KEEP_MATH_RTF")) folder.Keep();
  }
  TestFolder folder;
  std::string dir;
};

TEST_F(MathRtf, FormulaPageReachesBothPdfsAndTheRtf) {
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";

  std::string utf8 = "<html><body>\r\n<h1>計算式</h1>\r\n<PRE>\r\n";
  for (const FormulaLine& line : kPage)
    utf8 += std::string(line.caption) + line.formula + "\r\n\r\n";
  utf8 += "以上。\r\n</PRE>\r\n</body></html>\r\n";

  RenderRun run;
  run.workFolder = dir;
  ParseStyleSheet(
      Utf8ToCp932(
          "$page{marginLeft:20mm;marginRight:20mm;marginTop:20mm;marginBottom:20mm;secno:true;}"),
      run.sheet);
  const std::string markup = Utf8ToCp932(utf8);
  const std::string printed = dir + "/printed.pdf";
  PrinterSettingsRec printer{};
  printer.DeviceName = printed.c_str();
  printer.Orientation = 1;
  printer.PaperSize = 9;
  std::string rtfPath;
  {
    CPreviewDlg dlg(0, 0, markup, run, &printer);
    dlg.OnInitDialog();
    rtfPath = dlg.RtfPath().toStdString();
  }
  ASSERT_FALSE(rtfPath.empty());
  // The RTF holds the formulas' pictures; their files are gone from the work folder.
  EXPECT_EQ(QDir(QString::fromStdString(dir)).entryList({QStringLiteral("*.svg")}, QDir::Files),
            QStringList());

  // ---- the RTF file: one PNG picture per formula, inline after its caption.
  QFile file(QString::fromStdString(rtfPath));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const std::string rtf = file.readAll().toStdString();
  EXPECT_EQ(CountOf(rtf, "\\pngblip"), kFormulas);
  EXPECT_EQ(CountOf(rtf, "{\\pict"), kFormulas);
  size_t from = 0;
  for (const FormulaLine& line : kPage) {
    SCOPED_TRACE(line.caption);
    const std::string caption = CRtfWriter::Escape(Utf8ToCp932(line.caption));
    const size_t at = rtf.find(caption, from);
    ASSERT_NE(at, std::string::npos);
    const size_t pict = rtf.find("{\\pict", at);
    ASSERT_NE(pict, std::string::npos);
    // Same paragraph: no paragraph mark and no new paragraph in between.
    const std::string between = rtf.substr(at, pict - at);
    EXPECT_EQ(between.find("\\par"), std::string::npos) << between;
    EXPECT_EQ(between.find("\\qc"), std::string::npos) << between;
    // The picture is a PNG of positive size.
    const size_t blip = rtf.find("\\pngblip ", pict);
    ASSERT_NE(blip, std::string::npos);
    EXPECT_EQ(rtf.compare(blip + 9, 16, "89504e470d0a1a0a"), 0);
    // At 100 %, and the PNG has the goal size at 300 dpi: twips / 1440 x 300.
    const size_t end = rtf.find('}', blip);
    ASSERT_NE(end, std::string::npos);
    const std::string group = rtf.substr(pict, blip - pict);
    EXPECT_EQ(ControlValue(group, "\\picscalex"), 100);
    EXPECT_EQ(ControlValue(group, "\\picscaley"), 100);
    const long goalW = ControlValue(group, "\\picwgoal"), goalH = ControlValue(group, "\\pichgoal");
    EXPECT_GT(goalW, 0);
    EXPECT_GT(goalH, 0);
    const QImage png = QImage::fromData(
        QByteArray::fromHex(QByteArray::fromStdString(rtf.substr(blip + 9, end - blip - 9))));
    ASSERT_FALSE(png.isNull());
    EXPECT_NEAR(png.width(), goalW * 300.0 / 1440.0, 1.0);
    EXPECT_NEAR(png.height(), goalH * 300.0 / 1440.0, 1.0);
    from = blip;
  }

  // ---- the directly printed PDF: formulas are drawn as text with their glyphs.
  ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(printed)));
  const QString printedText = QString::fromStdString(
      RunTool(QStringLiteral("pdftotext"), {QString::fromStdString(printed), "-"}));
  for (const char* s :
       {"土圧係数", "滑動", "以上。", "φ", "α", "θ", "δ", "μ", "≧", "Σ", "⎛", "⎠"}) {
    EXPECT_TRUE(printedText.contains(QString::fromUtf8(s))) << s << "\n"
                                                            << printedText.toStdString();
  }

  // ---- LibreOffice's PDF of the RTF: the captions as text, the formulas as pictures.
  const PdfConversion lo = ConvertRtfToPdf(soffice, dir, rtfPath);
  if (!lo.finished) FAIL() << "LibreOffice did not finish";
  const QString& pdf = lo.pdf;
  ASSERT_TRUE(QFileInfo::exists(pdf)) << lo.errors;
  const std::string text = Squeezed(RunTool(QStringLiteral("pdftotext"), {pdf, "-"}));
  for (const char* s : {"計算式", "土圧係数", "係数Ａ", "土圧合力", "モーメント", "連分数", "滑動",
                        "転倒", "合力の傾き", "以上。"}) {
    EXPECT_NE(text.find(s), std::string::npos) << s << "\n" << text;
  }
  // The formulas are pictures, never text.
  for (const char* s : {"cos", "box", "≧"}) EXPECT_EQ(text.find(s), std::string::npos) << s;
  const std::string images = RunTool(QStringLiteral("pdfimages"), {"-list", pdf});
  EXPECT_EQ(ImageCount(images), kFormulas) << images;
}

}  // namespace
}  // namespace norva

// Formulas with the installed fonts: font sizes, glyphs, and the picture that
// the text flow places on the page and hands to the RTF writer.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cmath>
#include <string>
#include <vector>

#include "renderer/markup_renderer.h"
#include "renderer/math_renderer.h"
#include "text/cp932.h"

namespace norva {
namespace {

TEST(MathFonts, PixelHeightFromWholePoints) {
  // Points truncated, then points x 96 / 72 rounded half up.
  const std::vector<std::pair<float, int>> cases = {{10.5f, 13},       {10.0f, 13}, {5.8f, 7},
                                                    {35.0f / 6.0f, 7}, {12.0f, 16}, {9.0f, 12},
                                                    {7.5f, 9},         {0.5f, 0}};
  for (const auto& [points, pixels] : cases) {
    EXPECT_EQ(MathFontPixels(points), pixels) << points;
  }
}

TEST(MathFonts, SymbolBytesBecomeTheirGlyphs) {
  StyleSheet sheet;
  const MathStyle& symbol = sheet.mathStyles[kMathNormalSymbol];
  const MathStyle& text = sheet.mathStyles[kMathNormal];
  const std::vector<std::pair<std::string, std::u16string>> symbolCases = {
      {"S", u"Σ"},
      {"a", u"α"},
      {"f", u"φ"},
      {"\xD5", u"∏"},
      {"\xF2", u"∫"},
      {"\xE6\xE7\xE8", u"⎛⎜⎝"},
      {"\xF6\xF7\xF8", u"⎞⎟⎠"},
      {"\xEC\xED\xEE\xEF", u"⎧⎨⎩⎪"},
      {"\xF3\xF4\xF5", u"⌠⎮⌡"},
      {"=", u"="}};
  for (const auto& [bytes, expected] : symbolCases) {
    EXPECT_EQ(DecodeMathBytes(symbol, bytes), QString::fromStdU16String(expected)) << bytes;
  }
  EXPECT_EQ(DecodeMathBytes(text, Utf8ToCp932("≧ΣＭ")), QStringLiteral("≧ΣＭ"));
  EXPECT_EQ(DecodeMathBytes(text, "S"), QStringLiteral("S"));

  QtMathMetrics metrics(sheet.mathStyles);
  QFont dejaVu(QStringLiteral("DejaVu Sans"));
  dejaVu.setPixelSize(13);
  dejaVu.setHintingPreference(QFont::PreferNoHinting);
  EXPECT_NEAR(metrics.TextWidth(kMathNormalSymbol, "S"),
              QFontMetricsF(dejaVu).horizontalAdvance(u'Σ'), 1e-9);
  EXPECT_EQ(metrics.Font(kMathNormal).pixelSize(), 13);
  EXPECT_EQ(metrics.Font(kMathSmall).pixelSize(), 7);
  EXPECT_TRUE(metrics.Font(kMathBold).bold());
  EXPECT_TRUE(metrics.Font(kMathItalicBold).italic());
}

TEST(MathFonts, StyleSheetSetsTheFormulaFonts) {
  StyleSheet sheet;
  ParseStyleSheet("$math_normal{fontSize:20;fontBold:1;}$math_small_symbol{fontName:Mincho;}",
                  sheet);
  QtMathMetrics metrics(sheet.mathStyles);
  EXPECT_EQ(metrics.Font(kMathNormal).pixelSize(), 27);  // 20 x 96 / 72 = 26.7
  EXPECT_TRUE(metrics.Font(kMathNormal).bold());
  EXPECT_EQ(metrics.Font(kMathSmall).pixelSize(), 7);
  // A symbol style given a text face reads its bytes as text.
  EXPECT_EQ(metrics.Decode(kMathSmallSymbol, "S"), QStringLiteral("S"));
  EXPECT_EQ(metrics.Decode(kMathNormalSymbol, "S"), QStringLiteral("Σ"));
}

struct PictureRecorder : IRtfSink {
  struct Pict {
    std::string path;
    double nw, nh, w, h;
    QByteArray svg;  // the file as handed over
  };
  std::vector<Pict> pictures;
  std::string text;
  void WriteText(int count, const char* buffer) override {
    text.append(buffer, static_cast<size_t>(count));
  }
  void SetStyle(const char*) override {}
  void PageBreak() override {}
  void SetSubscript(bool) override {}
  void SetSuperscript(bool) override {}
  void SetIndent(int) override {}
  void WritePicture(const std::string& path, double nw, double nh, double w, double h) override {
    QFile file(QString::fromStdString(path));
    pictures.push_back(
        {path, nw, nh, w, h, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()});
  }
  void WriteInlineSvg(const std::string& svg, double w, double h) override {
    pictures.push_back({{}, w, h, w, h, QByteArray::fromStdString(svg)});
  }
  void Close() override {}
  std::string FilePath() const override { return {}; }
};

class MathPlacement : public ::testing::Test {
 protected:
  void Render(const std::string& utf8) {
    run = RenderRun{};
    run.workFolder = work.path().toStdString();
    composer = PageComposer{};
    ApplyPageSetup(composer, run.sheet);
    composer.StartDoc();
    x0 = composer.MarginLeft() + composer.IndentLeft();
    y0 = composer.CurrentY();
    markup = Utf8ToCp932(utf8);
    CMarkupRenderer r(nullptr, &composer, run);
    r.Render(markup, &rtf);
  }
  std::vector<const PageItem*> ItemsOf(PageItem::Kind kind) const {
    std::vector<const PageItem*> out;
    for (const ComposedPage& p : composer.Pages()) {
      for (const PageItem& it : p.items) {
        if (it.kind == kind) out.push_back(&it);
      }
    }
    return out;
  }

  QTemporaryDir work;
  RenderRun run;
  PageComposer composer;
  PictureRecorder rtf;
  std::string markup;
  double x0 = 0, y0 = 0;
};

TEST_F(MathPlacement, PictureHangsFromTheCurrentPositionAndGoesToTheRtfFile) {
  Render("<math>P_A_&sp;=&sp;<box>1<over>2</box>γH^2^</math><br>\r\nnext");
  const auto pictures = ItemsOf(PageItem::Picture);
  ASSERT_EQ(pictures.size(), 1u);
  const PageItem& pic = *pictures[0];
  EXPECT_DOUBLE_EQ(pic.x, x0);
  EXPECT_DOUBLE_EQ(pic.y, y0);
  ASSERT_TRUE(pic.picture);
  EXPECT_DOUBLE_EQ(pic.w, pic.picture->NaturalSize().width());
  EXPECT_DOUBLE_EQ(pic.h, pic.picture->NaturalSize().height());
  // A fraction with a subscript is taller than one text line.
  EXPECT_GT(pic.h, composer.TextHeight(QStringLiteral("0")));
  EXPECT_GT(pic.w, 0);

  // The text line ends one text height above the picture's bottom edge, so
  // the next one starts one line advance below that.
  const auto texts = ItemsOf(PageItem::Text);
  ASSERT_FALSE(texts.empty());
  const PageItem& next = *texts.back();
  EXPECT_EQ(next.text, QStringLiteral("next"));
  const double th = composer.TextHeight(QStringLiteral("0"));
  EXPECT_NEAR(next.y, y0 + pic.h - th + th * composer.LineSpacing() / 100.0, 0.01);

  ASSERT_EQ(rtf.pictures.size(), 1u);
  const auto& p = rtf.pictures[0];
  EXPECT_TRUE(QSvgRenderer(p.svg).isValid());
  // The formula is handed over as SVG text: the work folder gets no file.
  EXPECT_TRUE(p.path.empty());
  EXPECT_TRUE(QDir(work.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
  EXPECT_DOUBLE_EQ(p.nw, pic.w);
  EXPECT_DOUBLE_EQ(p.nh, pic.h);
  EXPECT_DOUBLE_EQ(p.w, pic.w);  // written at 100 %
  EXPECT_DOUBLE_EQ(p.h, pic.h);
  EXPECT_EQ(rtf.text.find("math"), std::string::npos);  // the formula is no text
}

TEST_F(MathPlacement, EmptyFormulaDrawsNothing) {
  Render("<math></math>next");
  EXPECT_TRUE(ItemsOf(PageItem::Picture).empty());
  EXPECT_TRUE(rtf.pictures.empty());
  const auto texts = ItemsOf(PageItem::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_NEAR(texts[0]->y, y0 - composer.TextHeight(QStringLiteral("0")), 0.01);
}

TEST_F(MathPlacement, KeptBlockWritesTheFormulaToRtfOnce) {
  Render("<protect><math>x^2^</math>\r\n</protect>");
  EXPECT_EQ(ItemsOf(PageItem::Picture).size(), 1u);
  EXPECT_EQ(rtf.pictures.size(), 1u);
}

TEST_F(MathPlacement, PdfShowsGreekLettersAndSymbols) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
  Render(
      "<math><box>&sum;V<over>B</box>&sp;≦&sp;q_a_&sp;&alpha;&sp;&phi;</math><br>\r\n"
      "<math><box>Mr<over>Mo</box>&sp;≧&sp;Fm</math><br>\r\n"
      "<math><box>(<left><box>2･P_1_+P_2_<over>P_1_+P_2_</box>･<box>H-h_w_<over>3</"
      "box>+h_w_<right>)</box></math><br>\r\n");
  const QString pdf = work.filePath(QStringLiteral("formulas.pdf"));
  ASSERT_TRUE(composer.ExportPdf(pdf));
  QProcess proc;
  proc.start(pdftotext, {pdf, QStringLiteral("-")});
  ASSERT_TRUE(proc.waitForFinished(60000));
  const QString text = QString::fromUtf8(proc.readAllStandardOutput());
  for (const QString& s :
       {QStringLiteral("Σ"), QStringLiteral("≦"), QStringLiteral("≧"), QStringLiteral("α"),
        QStringLiteral("φ"), QStringLiteral("⎛"), QStringLiteral("⎠")}) {
    EXPECT_TRUE(text.contains(s)) << s.toStdString() << " in " << text.toStdString();
  }
  if (qEnvironmentVariableIsSet("NORVA_KEEP_MATH_PDF")) {
    QFile::copy(pdf, qEnvironmentVariable("NORVA_KEEP_MATH_PDF"));
  }
}

// Dark pixels of a formula's SVG that fall outside its frame: the SVG drawn at
// 300 dpi with a margin of eight layout pixels (25 image pixels, so that the
// frame's edges fall on pixel edges) round the frame.
int InkOutsideFrame(const QByteArray& picture) {
  QSvgRenderer svg(picture);
  const QRectF frame = svg.viewBoxF();
  const double margin = 8, scale = 300.0 / 96;
  QImage image(static_cast<int>((frame.width() + 2 * margin) * scale),
               static_cast<int>((frame.height() + 2 * margin) * scale), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    svg.setViewBox(frame.adjusted(-margin, -margin, margin, margin));
    svg.render(&painter, QRectF(0, 0, image.width(), image.height()));
  }
  int outside = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) >= 160) continue;
      const double fx = (x + 0.5) / scale - margin, fy = (y + 0.5) / scale - margin;
      if (fx < 0 || fy < 0 || fx > frame.width() || fy > frame.height()) ++outside;
    }
  }
  return outside;
}

// The formula fonts are made once per run and made again when the run's
// sheet gives its formulas other fonts.
TEST_F(MathPlacement, FormulaFontsFollowTheRunsSheet) {
  const auto widthOfX = [this] {
    composer = PageComposer{};
    ApplyPageSetup(composer, run.sheet);
    composer.StartDoc();
    markup = "<math>xxxx</math>";
    CMarkupRenderer r(nullptr, &composer, run);
    r.Render(markup, nullptr);
    const auto pictures = ItemsOf(PageItem::Picture);
    return pictures.empty() ? 0.0 : pictures.back()->w;
  };
  run = RenderRun{};
  ParseStyleSheet("$math_normal{fontSize:10;}", run.sheet);
  const double small = widthOfX();
  const double again = widthOfX();
  ParseStyleSheet("$math_normal{fontSize:20;}", run.sheet);
  const double large = widthOfX();
  ASSERT_GT(small, 0);
  EXPECT_DOUBLE_EQ(again, small);
  // 20 pt is 27 pixels, 10 pt 13: the letters grow by 27/13.
  EXPECT_NEAR(large / small, 27.0 / 13.0, 0.25);
}

TEST_F(MathPlacement, RulesOnTheFrameEdgeStayInsideThePicture) {
  // A root's bar is the formula's top edge; half of its width used to fall
  // outside the picture, over a thousand dark pixels at 300 dpi for a root this
  // wide. A few anti-aliased pixels of a glyph's tip may still touch the edge.
  const char* const formulas[] = {
      "<math>A&sp;=&sp;<sqrt><box>sin(φ＋δ)sin(φ－i－θ)<over>cos(α＋δ＋θ)cos(α－i)</box></sqrt></"
      "math>",
      "<math><sqrt>x^2^+y^2^</sqrt></math>",
      "<math>a&sp;=&sp;<sqrt>2</sqrt>+<sqrt><box>1<over>2</box></sqrt></math>",
  };
  for (const char* f : formulas) {
    SCOPED_TRACE(f);
    rtf.pictures.clear();
    Render(std::string(f) + "<br>\r\n");
    ASSERT_EQ(rtf.pictures.size(), 1u);
    const QByteArray& svg = rtf.pictures[0].svg;
    ASSERT_TRUE(QSvgRenderer(svg).isValid());
    EXPECT_LE(InkOutsideFrame(svg), 20);
  }
}

}  // namespace
}  // namespace norva

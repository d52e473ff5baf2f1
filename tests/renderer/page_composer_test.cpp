// The page composer standing in for the print-preview control.
#include "renderer/page_composer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QPrinter>
#include <QProcess>

#include "test_folder.h"

namespace norva {
namespace {

TEST(PageComposer, LengthsInTwips) {
  const struct {
    const char* text;
    double twips;
  } cases[] = {
      {"1440", 1440},
      {"10mm", 566.9291338582677},
      {"20mm", 1133.8582677165355},
      {"1cm", 566.9291338582677},
      {"2.54cm", 1440},
      {"1in", 1440},
      {"12pt", 240},
      {" 15MM ", 850.3937007874016},
      {"0", 0},
      {"abc", 0},
      {"", 0},
      {"-5", -5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_NEAR(LengthToTwips(QString::fromLatin1(c.text)), c.twips, 1e-9);
  }
}

TEST(PageComposer, SvgNaturalSize) {
  const struct {
    const char* root;
    double w, h;
  } cases[] = {
      {"width='100mm' height='50mm'", 5669.291338582677, 2834.6456692913384},
      {"width='2in' height='1in'", 2880, 1440},
      {"width='96' height='48'", 1440, 720},  // CSS pixels, 96 per inch
      {"width='96px' height='9.6px'", 1440, 144},
      {"viewBox='0 0 192 96'", 2880, 1440},
      {"width='50mm' viewBox='0 0 200 100'", 2834.6456692913384, 1417.3228346456692},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.root);
    const QByteArray svg = QByteArray("<svg xmlns='http://www.w3.org/2000/svg' ") + c.root + "/>";
    const QSizeF s = SvgNaturalSizeTwips(svg);
    EXPECT_NEAR(s.width(), c.w, 1e-6);
    EXPECT_NEAR(s.height(), c.h, 1e-6);
  }
}

TEST(PageComposer, FaceMapping) {
  const struct {
    const char* face;
    const char* family;
  } cases[] = {
      {"ＭＳ 明朝", "IPAMincho"},
      {"ＭＳ ゴシック", "IPAGothic"},
      {"ＭＳ Ｐ明朝", "IPAPMincho"},
      {"ＭＳ Ｐゴシック", "IPAPGothic"},
      {"MS Mincho", "IPAMincho"},
      {"Symbol", "DejaVu Sans"},
      {"", "IPAMincho"},
      {"DejaVu Serif", "DejaVu Serif"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.face);
    EXPECT_EQ(MappedFamily(QString::fromUtf8(c.face)).toStdString(), c.family);
  }
  // The mapped faces are the installed ones, not a substitute.
  ComposerFont f;
  f.name = QStringLiteral("ＭＳ ゴシック");
  EXPECT_EQ(QFontInfo(MakeQFont(f)).family().toStdString(), "IPAGothic");
  f.name = QStringLiteral("ＭＳ 明朝");
  EXPECT_EQ(QFontInfo(MakeQFont(f)).family().toStdString(), "IPAMincho");
}

std::vector<QString> Texts(const PageComposer& c) {
  std::vector<QString> out;
  for (const auto& page : c.Pages()) {
    for (const auto& item : page.items) out.push_back(item.text);
  }
  return out;
}

TEST(PageComposer, WrapsAtTheRightMargin) {
  // Text column 11906 - 2 x 1440 = 9026 twips. IPAMincho at 10.5 points:
  // full-width characters 210 twips (42 fit), half-width ones 105 (85 fit).
  PageComposer c;
  c.StartDoc();
  c.Text(QString(50, QChar(u'亜')));
  auto texts = Texts(c);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].size(), 42);
  EXPECT_EQ(texts[1].size(), 8);
  EXPECT_NEAR(c.Pages()[0].items[1].x, 1440, 1e-9);

  c.StartDoc();
  c.Text(QStringLiteral("abcdefghi ").repeated(10));  // 85 characters hold 8 words and 5 letters
  texts = Texts(c);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], QStringLiteral("abcdefghi ").repeated(8));
  EXPECT_EQ(texts[1], QStringLiteral("abcdefghi ").repeated(2));

  c.StartDoc();
  c.Text(QString(42, QChar(u'亜')) +
         QStringLiteral("。次"));  // a full stop hangs, never starts a line
  texts = Texts(c);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].size(), 43);
  EXPECT_EQ(texts[1], QStringLiteral("次"));

  c.StartDoc();
  c.SetTextMode(0);  // no wrapping
  c.Text(QString(50, QChar(u'亜')));
  EXPECT_EQ(Texts(c).size(), 1u);
}

// Text is measured in the font in force, however often it changes: IPAMincho
// half-width characters are half an em, full-width ones a whole em (an em
// is the size in points x 20 twips).
TEST(PageComposer, MeasuresInTheFontInForce) {
  const struct {
    const char* name;
    double points;
    QString text;
    double twips;
  } rows[] = {
      {"10.5 pt, half-width", 10.5, QStringLiteral("ab"), 2 * 105},
      {"21 pt, half-width", 21, QStringLiteral("ab"), 2 * 210},
      {"21 pt, full-width", 21, QStringLiteral("亜亜亜"), 3 * 420},
      {"back to 10.5 pt", 10.5, QStringLiteral("亜亜亜"), 3 * 210},
      {"5.25 pt", 5.25, QStringLiteral("abcd"), 4 * 52.5},
  };
  PageComposer c;
  c.StartDoc();
  const double em = c.TextHeight(QStringLiteral("a")) / 10.5;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    c.SetFontSize(row.points);
    EXPECT_NEAR(c.TextWidth(row.text), row.twips, 0.5);
    EXPECT_NEAR(c.TextHeight(QStringLiteral("a")), em * row.points, 0.5);
  }
}

TEST(PageComposer, LineEndsAndPositions) {
  PageComposer c;
  c.StartDoc();
  c.Text(QStringLiteral("ab"));
  EXPECT_NEAR(c.CurrentX(), 1440 + 210, 1e-9);  // two half-width characters
  c.Text(QStringLiteral("c\r\nd\n\re\rf"));
  const auto& items = c.Pages()[0].items;
  ASSERT_EQ(items.size(), 5u);
  EXPECT_NEAR(items[1].x, 1440 + 210, 1e-9);
  const double line = items[2].y - items[1].y;
  EXPECT_GT(line, 0);
  EXPECT_NEAR(items[3].y - items[2].y, line, 1e-9);  // "\n\r" is one line end
  EXPECT_NEAR(items[4].y - items[3].y, line, 1e-9);
  c.SetLineSpacing(150);
  const double y = c.CurrentY();
  c.Text(QStringLiteral("\r"));
  EXPECT_NEAR(c.CurrentY() - y, 1.5 * line, 1e-9);
}

TEST(PageComposer, DocumentPagesAndOrientation) {
  PageComposer c;
  EXPECT_DOUBLE_EQ(c.PageWidth(), 11906);
  EXPECT_DOUBLE_EQ(c.PageHeight(), 16838);
  c.StartDoc();
  EXPECT_EQ(c.ComposingPage(), 1);
  c.SetOrientation(1);
  EXPECT_DOUBLE_EQ(c.PageWidth(), 11906);  // the page being composed keeps its shape
  c.StartNewPage();
  EXPECT_EQ(c.ComposingPage(), 2);
  EXPECT_DOUBLE_EQ(c.PageWidth(), 16838);
  EXPECT_DOUBLE_EQ(c.PageHeight(), 11906);
  EXPECT_DOUBLE_EQ(c.CurrentY(), 1440);
  c.EndDoc();
  EXPECT_EQ(c.TotalPages(), 2);
}

TEST(PageComposer, StylesAndSettings) {
  PageComposer c;
  c.SetFontName(QStringLiteral("ＭＳ ゴシック"));
  c.SetFontSize(14);
  c.SetFontBold(true);
  c.SetLineSpacing(120);
  c.SetIndentLeft(QStringLiteral("3mm"));
  c.AddStyle(QStringLiteral("h1"));
  c.SetFontName(QStringLiteral("x"));
  c.SetFontSize(0);  // not a size: kept
  EXPECT_DOUBLE_EQ(c.FontSize(), 14);
  c.SetFontSize(9);
  c.SetFontBold(false);
  c.SetLineSpacing(100);
  c.SetIndentLeft(0.0);
  EXPECT_FALSE(c.ApplyStyle(QStringLiteral("none")));
  EXPECT_TRUE(c.ApplyStyle(QStringLiteral("h1")));
  EXPECT_EQ(c.FontName(), QStringLiteral("ＭＳ ゴシック"));
  EXPECT_DOUBLE_EQ(c.FontSize(), 14);
  EXPECT_TRUE(c.FontBold());
  EXPECT_DOUBLE_EQ(c.LineSpacing(), 120);
  EXPECT_NEAR(c.IndentLeft(), 170.07874015748033, 1e-9);

  PageComposer copy;
  c.SetMarginTop(QStringLiteral("20mm"));
  c.SetOrientation(1);
  c.StartDoc();
  copy.CopySettingsFrom(c);
  EXPECT_NEAR(copy.MarginTop(), 1133.8582677165355, 1e-9);
  EXPECT_EQ(copy.Orientation(), 1);
  EXPECT_TRUE(copy.ApplyStyle(QStringLiteral("h1")));
  EXPECT_EQ(copy.TotalPages(), 0);  // settings only, not pages
}

TEST(PageComposer, PrintsTheChosenPageRange) {
  PageComposer c;
  c.StartDoc();
  for (int i = 1; i <= 4; ++i) {
    if (i > 1) c.StartNewPage();
    c.Text(QStringLiteral("page %1").arg(i));
  }
  c.EndDoc();
  TestFolder folder;
  ASSERT_TRUE(folder.Valid());
  const QString pdf = folder.QFilePath(QStringLiteral("range.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  printer.setFromTo(2, 3);
  ASSERT_TRUE(c.PrintTo(printer));
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {pdf});
  info.waitForFinished(30000);
  EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           2"));
}

TEST(PageComposer, AbandonedDocumentIsNotPrinted) {
  TestFolder folder;
  ASSERT_TRUE(folder.Valid());
  const QString pdf = folder.QFilePath(QStringLiteral("abandoned.pdf"));
  PageComposer c;
  c.SetDeviceName(pdf);
  c.SetPreview(false);
  c.StartDoc();
  c.Text(QStringLiteral("partial"));
  c.AbandonDoc();
  c.EndDoc();
  EXPECT_FALSE(QFile::exists(pdf));
  EXPECT_EQ(c.TotalPages(), 0);

  c.StartDoc();
  c.Text(QStringLiteral("whole"));
  c.EndDoc();  // not a preview: printed at the end
  EXPECT_TRUE(QFile::exists(pdf));
}

}  // namespace
}  // namespace norva

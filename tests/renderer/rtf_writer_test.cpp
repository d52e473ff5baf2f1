// The RTF copy of the report: file names, escaping and lengths, the header,
// style sheet and paragraphs, text runs, pictures and tables as control
// words; the word-processor mode's hand-over and a cancelled run.
#include "renderer/rtf_writer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QUrl>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "renderer/preview_dlg.h"
#include "renderer/table_renderer.h"
#include "test_folder.h"
#include "text/cp932.h"

namespace norva {
namespace {

// "\'hh" for every byte of the CP932 form of a UTF-8 text of double-byte characters.
std::string Hex(const std::string& utf8) {
  std::string out;
  char buf[8];
  for (char c : Utf8ToCp932(utf8)) {
    std::snprintf(buf, sizeof buf, "\\'%02x", static_cast<unsigned char>(c));
    out += buf;
  }
  return out;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++n;
  return n;
}

// Braces that open and close groups (text braces are written as escapes).
bool Balanced(const std::string& rtf) {
  int depth = 0;
  for (size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
      continue;
    }
    if (rtf[i] == '{') ++depth;
    if (rtf[i] == '}' && --depth < 0) return false;
  }
  return depth == 0;
}

const char* const kRunFonts = "\\hich\\af0\\dbch\\af0\\loch\\f0";
const char* const kCellPara =
    " \\li0\\ri0\\nowidctlpar\\intbl\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin0 \\fs21"
    "\\lang1033\\langfe1041\\kerning2\\loch\\f0\\hich\\af0\\dbch\\af0\\cgrid\\langnp1033\\langfenp1"
    "041 ";

TEST(RtfText, Escapes) {
  const struct {
    std::string in;
    const char* out;
  } cases[] = {
      {"(a)", "\\'28a\\'29"},
      {"{1}", "\\'7b1\\'7d"},
      {"[x]|y", "\\'5bx\\'5d\\'7cy"},
      {"\xb1", "\\'b1"},                             // half-width katakana
      {"\x96\xb3\x91\xe8", "\\'96\\'b3\\'91\\'e8"},  // 無題
      {"\x95\x5c", "\\'95\\'5c"},  // a trail byte that is a backslash stays in its pair
      {"C:\\dir", "C:\\\\dir"},    // a backslash of the text is text
      {"a b;c", "a b;c"},
      {"\x81", "\x81"},  // a lead byte without its trail byte
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.out);
    EXPECT_EQ(CRtfWriter::Escape(c.in), c.out);
  }
}

// In a table cell a word of one-byte characters (a number, a unit) is held
// together by word joiners, and blanks between two such words are
// non-breaking; double-byte text still breaks.
TEST(RtfText, CellWordsAreKeptWhole) {
  const std::string wj = "{\\uc0\\u8288}";
  const struct {
    const char* name;
    std::string in;
    std::string out;
  } cases[] = {
      {"number", "42.35", "4" + wj + "2" + wj + "." + wj + "3" + wj + "5"},
      {"label and number", "qmax=1.5",
       "q" + wj + "m" + wj + "a" + wj + "x" + wj + "=" + wj + "1" + wj + "." + wj + "5"},
      // "qmax=  80.89" stays one line, as in the preview.
      {"blanks between one-byte words hold", "e=  1", "e" + wj + "=\\~\\~1"},
      {"blank before double-byte text breaks", "1 \x96\xb3", "1 \\'96\\'b3"},
      {"leading and trailing blanks break", " 1 ", " 1 "},
      {"brackets escaped and joined", "(m)", "\\'28" + wj + "m" + wj + "\\'29"},
      {"half-width middle dot of a unit", "kN\xa5m", "k" + wj + "N" + wj + "\\'a5" + wj + "m"},
      {"double-byte text is not joined", "1\x96\xb3", "1\\'96\\'b3"},
      {"one character", "7", "7"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CRtfWriter::EscapeWordsWhole(c.in), c.out);
  }
}

TEST(RtfText, LengthsAndFileNames) {
  const struct {
    const char* text;
    double base;
    int32_t twips;
  } cases[] = {
      {"20mm", 0, 1133},                       // 20 / 25.4 * 1440 = 1133.86
      {"2cm", 0, 1133},   {"2.5CM", 0, 1417},  // 1417.32
      {"1inch", 0, 1440}, {"90%", 7200, 6480}, {"50%", 0, 0},
      {"720", 0, 720},    {"", 0, 0},          {"-3mm", 0, -170},  // -170.08, toward zero
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CRtfWriter::ToTwips(c.text, c.base), c.twips);
  }
  EXPECT_EQ(CRtfWriter::FileName(12, 9, 0), "KVD12090.rtf");
  EXPECT_EQ(CRtfWriter::FileName(12, 9, 10), "KVD120910.rtf");
  EXPECT_EQ(CRtfWriter::FileName(1, 5, 3), "KVD01053.rtf");
}

const char* kSheet =
    "$page{marginLeft:20mm;marginRight:20mm;marginTop:20mm;marginBottom:25mm;"
    "fontName:ＭＳ 明朝;fontSize:10.5;lineSpacing:120;indentLeft:0;secno:true;}"
    "$h1{fontName:ＭＳ ゴシック;fontSize:14;fontBold:1;lineSpacing:100;indentLeft:0;}"
    "$h2{fontName:ＭＳ ゴシック;fontSize:12;fontUnderline:1;lineSpacing:100;indentLeft:3mm;}"
    "$note{fontName:ＭＳ 明朝;fontSize:9;fontItalic:1;lineSpacing:150;indentLeft:1cm;}";

class RtfFile : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.Valid());
    dir = folder.Path();
    run.workFolder = dir;
    ParseStyleSheet(Utf8ToCp932(kSheet), run.sheet);
    const QDate today = QDate::currentDate();
    char name[32];
    std::snprintf(name, sizeof name, "KVD%02d%02d", today.month(), today.day());
    todayStem = name;
  }

  // Lays UTF-8 markup out with the run's RTF writer and returns the file.
  std::string Render(const std::string& utf8, IRenderProgress* progress = nullptr) {
    composer = PageComposer{};
    ApplyPageSetup(composer, run.sheet);
    composer.StartDoc();
    auto sink = OpenRtfWriter(run);
    EXPECT_NE(sink, nullptr);
    if (!sink) return {};
    markup = Utf8ToCp932(utf8);
    CMarkupRenderer r(progress, &composer, run);
    r.Render(markup, sink.get());
    sink->Close();
    path = sink->FilePath();
    return ReadFile(path);
  }
  std::string Svg(const char* name, const char* size) {
    const std::string p = dir + "/" + name;
    std::ofstream(p)
        << "<svg xmlns='http://www.w3.org/2000/svg' " << size
        << " viewBox='0 0 100 50'><rect x='5' y='5' width='90' height='40' fill='black'/></svg>";
    return p;
  }

  TestFolder folder;
  std::string dir, todayStem, markup, path;
  RenderRun run;
  PageComposer composer;
};

TEST(RtfFonts, EveryFaceHasAnEntry) {
  CRtfWriter w("");
  w.EnsureFont(Utf8ToCp932("ＭＳ 明朝"));
  w.EnsureFont(Utf8ToCp932("ＭＳ Ｐゴシック"));
  w.EnsureFont("symbol");
  w.EnsureFont("SYMBOL");  // the same face
  // A face that is not installed still gets its entry, so the styles naming it
  // name a font of the table.
  EXPECT_EQ(w.FontIndex("NoSuchFace"), "3");
  EXPECT_EQ(w.FontIndex("nosuchface"), "3");
  ASSERT_EQ(w.Fonts().size(), 4u);
  const struct {
    int charSet, pitchAndFamily;
    bool trueType;
  } want[] = {
      {128, 0x11, true},  // roman, fixed
      {128, 0x22, true},  // swiss, variable
      {2, 0x12, true},    // symbol, variable
      {0, 0x02, false},   // unknown: no PANOSE number
  };
  for (size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(w.Fonts()[i].charSet, want[i].charSet);
    EXPECT_EQ(w.Fonts()[i].pitchAndFamily, want[i].pitchAndFamily);
    EXPECT_EQ(w.Fonts()[i].trueType, want[i].trueType);
  }
  EXPECT_FALSE(w.Open());  // no work folder: no file
}

TEST_F(RtfFile, NamesCountOnWithinTheDay) {
  EXPECT_NE(Render("a").find("{\\rtf1"), std::string::npos);
  EXPECT_EQ(QFileInfo(QString::fromStdString(path)).fileName().toStdString(), todayStem + "0.rtf");
  Render("b");
  EXPECT_EQ(QFileInfo(QString::fromStdString(path)).fileName().toStdString(), todayStem + "1.rtf");
  for (int n = 2; n < 10; ++n)
    std::ofstream(dir + "/" + todayStem + std::to_string(n) + ".rtf") << "x";
  Render("c");
  EXPECT_EQ(QFileInfo(QString::fromStdString(path)).fileName().toStdString(), todayStem + "10.rtf");
  // Without its folder there is no writer, and the run goes on without the file.
  run.workFolder = dir + "/missing";
  EXPECT_EQ(OpenRtfWriter(run), nullptr);
  run.workFolder.clear();
  EXPECT_EQ(OpenRtfWriter(run), nullptr);
}

TEST_F(RtfFile, HeaderFontsStylesAndPage) {
  const std::string rtf = Render("");
  EXPECT_EQ(rtf.find("\n"), std::string::npos);  // one line
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg932\\uc2\\deff0\\deflang1033\\deflangfe1041{\\fonttbl{"
                      "\\f0\\froman\\fcharset128\\fprq1",
                      0),
            0u);
  // The page font is \f0, the heading font \f1: each with its name as written
  // and, for readers without that face, the installed face standing in for it.
  const std::string mincho = Hex("ＭＳ") + " " + Hex("明朝") + "{\\*\\falt IPAMincho};}";
  const std::string gothic = Hex("ＭＳ") + " " + Hex("ゴシック") + "{\\*\\falt IPAGothic};}";
  const size_t f1 = rtf.find("{\\f1\\fmodern\\fcharset128\\fprq1");
  ASSERT_NE(f1, std::string::npos);
  EXPECT_LT(rtf.find(mincho), f1);
  EXPECT_GT(rtf.find(gothic), f1);
  EXPECT_EQ(rtf.find("{\\f2"), std::string::npos);  // a face named twice has one entry
  // The installed stand-in's PANOSE number.
  EXPECT_NE(rtf.find("{\\*\\panose "), std::string::npos);
  const std::string tail = "\\lang1033\\langfe1041\\kerning2";
  const std::string stylesheet =
      "{\\stylesheet"
      "{\\qj \\li0\\ri0\\nowidctlpar\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin0\\itap0 "
      "\\fs21" +
      tail +
      "\\loch\\f0\\hich\\af0\\dbch\\af0\\cgrid\\langnp1033\\langfenp1041 \\snext0 Normal;}"
      "{\\s1\\qj "
      "\\li0\\ri0\\nowidctlpar\\aspalpha\\aspnum\\faauto\\outlinelevel0\\adjustright\\rin0\\lin0\\i"
      "tap0 \\fs28\\b" +
      tail +
      "\\loch\\f1\\hich\\af1\\dbch\\af1\\cgrid\\langnp1033\\langfenp1041 \\snext0 heading 1;}"
      "{\\s2\\qj "
      "\\li170\\ri0\\nowidctlpar\\aspalpha\\aspnum\\faauto\\outlinelevel1\\adjustright\\rin0\\lin17"
      "0\\itap0 \\fs24\\ul" +
      tail +
      "\\loch\\f1\\hich\\af1\\dbch\\af1\\cgrid\\langnp1033\\langfenp1041 \\snext0 heading 2;}"
      "{\\s3\\qj "
      "\\li566\\ri0\\nowidctlpar\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin566\\itap0 "
      "\\fs18\\i" +
      tail + "\\loch\\f0\\hich\\af0\\dbch\\af0\\cgrid\\langnp1033\\langfenp1041 \\snext0 note;}}";
  EXPECT_NE(rtf.find(stylesheet), std::string::npos) << rtf;
  // 20 mm margins are 1133 twips, 25 mm 1417; the paper is A4 portrait.
  EXPECT_NE(rtf.find("{\\info{\\title \\'96\\'b3\\'91\\'e8}}\\paperw11906\\paperh16838"
                     "\\margl1133\\margr1133\\margt1133\\margb1417"
                     "\\pard\\plain \\qj \\li0\\ri0\\sl252\\nowidctlpar"),  // 120 % of 10.5 pt
            std::string::npos)
      << rtf;
  EXPECT_EQ(rtf.substr(rtf.size() - 2), " }");  // the closing brace after the empty run's paragraph
}

TEST_F(RtfFile, HeadingsParagraphsAndRuns) {
  const std::string rtf = Render(
      "<h1>擁壁</h1><h2>土圧</h2>本文の計算。<br>A<sub>1</sub>x<sup>2</sup><br>"
      "<note>注記</note><indent no=2>字下げ<br></indent><rp>次ページ<br>");
  const std::string h2 =
      "\\pard\\plain \\s2\\qj \\li170\\ri0\\nowidctlpar\\aspalpha\\aspnum\\faauto\\outlinelevel1"
      "\\adjustright\\rin0\\lin170\\itap0 \\fs24\\ulth\\lang1033\\langfe1041\\kerning2"
      "\\loch\\f1\\hich\\af1\\dbch\\af1\\cgrid\\langnp1033\\langfenp1041 ";
  // The heading's number and text in the heading's own face (\f1), as the
  // printed report sets it; the text flow hands the text and the closing line
  // end over as two runs. Then the paragraph of the page style.
  const std::string headingFonts = "\\hich\\af1\\dbch\\af1\\loch\\f1";
  const std::string heading = h2 + "{" + headingFonts + " 1.1 " + Hex("土圧") + "}{" +
                              headingFonts + "\\par}\\pard\\plain \\qj \\li0\\ri0\\sl252";
  EXPECT_NE(rtf.find(heading), std::string::npos) << rtf;
  EXPECT_NE(rtf.find(std::string("{") + kRunFonts + " " + Hex("本文の計算。") + "\\par}"),
            std::string::npos);
  EXPECT_NE(rtf.find(std::string("{") + kRunFonts + " A}{\\sub" + kRunFonts + " 1}{" + kRunFonts +
                     " x}{\\super" + kRunFonts + " 2}{" + kRunFonts + "\\par}"),
            std::string::npos)
      << rtf;
  // A style of no heading: its own number, no outline level; 150 % of 9 pt.
  EXPECT_NE(rtf.find("\\pard\\plain \\s3\\qj "
                     "\\li566\\ri0\\sl270\\nowidctlpar\\aspalpha\\aspnum\\faauto\\adjustright"),
            std::string::npos);
  // An indent of two units (four blanks each) keeps the page style.
  const int indent = static_cast<int>(std::trunc(2 * run.indentUnit));
  EXPECT_NE(rtf.find("\\pard\\plain \\qj \\li" + std::to_string(indent) + "\\ri0\\sl252"),
            std::string::npos);
  EXPECT_NE(rtf.find("{ \\page }{" + std::string(kRunFonts) + " " + Hex("次ページ") + "\\par}"),
            std::string::npos);
  EXPECT_TRUE(Balanced(rtf));
}

TEST_F(RtfFile, RunsSplitAtLineEnds) {
  auto sink = OpenRtfWriter(run);
  ASSERT_NE(sink, nullptr);
  auto* w = static_cast<CRtfWriter*>(sink.get());
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"", ""},
      {"\r\n", "{" + std::string(kRunFonts) + "\\par}"},
      {"abc\r\nde", "{" + std::string(kRunFonts) + " abc\\par}{" + kRunFonts + " de}"},
      {"a\r\n\r\nb\r\n",
       "{" + std::string(kRunFonts) + " a\\par}{" + kRunFonts + "\\par}{" + kRunFonts + " b\\par}"},
      {"x\ny", "{" + std::string(kRunFonts) + " xy}"},
  };
  std::string want;
  for (const auto& c : cases) {
    w->WriteText(static_cast<int>(c.in.size()), c.in.data());
    want += c.out + "|";
    w->PageBreak();  // a marker between the cases
  }
  sink->Close();
  std::string got = ReadFile(sink->FilePath());
  got = got.substr(got.find("{ \\page }"));  // the first case writes nothing
  std::string joined;
  size_t pos = 0;
  for (size_t i = 0; i < std::size(cases); ++i) {
    const size_t mark = got.find("{ \\page }", pos);
    ASSERT_NE(mark, std::string::npos);
    joined += got.substr(pos, mark - pos) + "|";
    pos = mark + 9;
  }
  EXPECT_EQ(joined, want);
}

TEST_F(RtfFile, Pictures) {
  const std::string svg = Svg("fig.svg", "width='5in' height='2.5in'");  // 7200 x 3600 twips
  auto sink = OpenRtfWriter(run);
  ASSERT_NE(sink, nullptr);
  sink->WritePicture(svg, 7200, 3600, 6480, 3240);  // 90 %
  sink->WriteInlinePicture(svg, 7200, 3600, 7200, 3600);
  sink->Close();
  const std::string rtf = ReadFile(sink->FilePath());
  const std::string head =
      "\\pard \\qc {\\pict \\picscalex90\\picscaley90\\piccropl0\\piccropr0\\piccropt0\\piccropb0"
      "\\picw12700\\pich6350\\picwgoal7200\\pichgoal3600\\pngblip 89504e470d0a1a0a";
  const size_t at = rtf.find(head);
  ASSERT_NE(at, std::string::npos) << rtf.substr(0, 3000);
  const size_t end = rtf.find("}{ \\par }", at);
  ASSERT_NE(end, std::string::npos);
  // The PNG is the picture at 300 dpi: 5 x 2.5 inches.
  const std::string hex = rtf.substr(at + head.size() - 16, end - (at + head.size() - 16));
  QImage image;
  ASSERT_TRUE(image.loadFromData(QByteArray::fromHex(QByteArray::fromStdString(hex)), "PNG"));
  EXPECT_EQ(image.size(), QSize(1500, 750));
  EXPECT_EQ(image.pixelColor(750, 375), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));
  // A formula stands in the running paragraph: no paragraph start, no mark.
  const size_t inl = rtf.find("{\\pict \\picscalex100\\picscaley100", end);
  ASSERT_NE(inl, std::string::npos);
  EXPECT_EQ(rtf.substr(inl - 8, 8), "{ \\par }");
  EXPECT_TRUE(Balanced(rtf));
}

// Pictures are made while the text goes on: each one still lands where it
// was written, between the text before and after it, also when its file is
// gone right after the call (a formula's) and when one cannot be read.
TEST_F(RtfFile, PicturesKeepTheirPlaceInTheText) {
  auto sink = OpenRtfWriter(run);
  ASSERT_NE(sink, nullptr);
  const int kPictures = 12;
  for (int i = 0; i < kPictures; ++i) {
    const std::string name = "fig" + std::to_string(i) + ".svg";
    // 1 + i inches wide, 0.5 inch high.
    const std::string size = "width='" + std::to_string(1 + i) + "in' height='0.5in'";
    const std::string svg = i == 5 ? dir + "/missing.svg" : Svg(name.c_str(), size.c_str());
    const std::string mark = "mark" + std::to_string(i) + "\r";
    sink->WriteText(static_cast<int>(mark.size()), mark.data());
    sink->WriteInlinePicture(svg, 1440.0 * (1 + i), 720, 1440.0 * (1 + i), 720);
    std::remove(svg.c_str());
  }
  sink->Close();
  const std::string rtf = ReadFile(sink->FilePath());
  size_t pos = 0;
  for (int i = 0; i < kPictures; ++i) {
    SCOPED_TRACE(i);
    pos = rtf.find("mark" + std::to_string(i), pos);
    ASSERT_NE(pos, std::string::npos);
    const size_t pict = rtf.find("{\\pict ", pos);
    ASSERT_NE(pict, std::string::npos);
    const size_t end = rtf.find('}', pict);
    const size_t blip = rtf.find("\\pngblip ", pict);
    if (i == 5) {
      EXPECT_GT(blip, end);  // no picture data, the group still closes
      continue;
    }
    ASSERT_LT(blip, end);
    const QByteArray hex = QByteArray::fromStdString(rtf.substr(blip + 9, end - blip - 9));
    QImage image;
    ASSERT_TRUE(image.loadFromData(QByteArray::fromHex(hex), "PNG"));
    EXPECT_EQ(image.size(), QSize(300 * (1 + i), 150));  // 300 dpi
    pos = end;
  }
  EXPECT_TRUE(Balanced(rtf));
}

TEST_F(RtfFile, Tables) {
  const std::string fig = Svg("cell.svg", "width='1in' height='0.5in'");
  const std::string rtf = Render(
      // two columns of exactly 1000 twips, centred: x0 = (11906 - 2 * 1133 - 2420) / 2
      "<TABLE ROW=1 COL=2 HALIGN=CENTER HEADER=1 FOTTER=1><TOH=表題 ROW=0 ALIGN=CENTER><TOF=注 "
      "ROW=0>"
      "<TD SROW=0 SCOL=0><IMG SRC=" +
      fig +
      " WIDTH=1000 HEIGHT=500></TD>"
      "<TD SROW=0 SCOL=1><IMG SRC=" +
      fig +
      " WIDTH=1000 HEIGHT=50%></TD></TABLE>"
      // merged rows, a left-middle cell, scripts, a double rule under row 0
      "<TABLE ROW=2 COL=6><TL=4 SROW=0 SCOL=0 EROW=0 ECOL=5>"
      "<TD SROW=0, SCOL=5, EROW=1, ECOL=5, VALIGN=MIDDLE>備　考</TD>"
      "<TD SROW=0 SCOL=0 HALIGN=LEFT VALIGN=MIDDLE>L</TD>"
      "<TD SROW=1 SCOL=0>A<sub>11</sub></TD><TD SROW=1 SCOL=1></TD>"
      "</TABLE>");
  const std::string row =
      "\\trftsWidth1\\trftsWidthB3\\trftsWidthA3\\trautofit1\\trpaddl0\\trpaddr0"
      "\\trpaddfl3\\trpaddft3\\trpaddfb3\\trpaddfr3";
  const std::string none = "\\brdrnone ";
  const std::string cells = "\\trowd \\trgaph0\\trleft3610\\trbrdrt" + none + "\\trbrdrb" + none +
                            "\\trbrdrl" + none + "\\trbrdrr" + none + "\\trbrdrh" + none +
                            "\\trbrdrv" + none + row + "\\clvertalc\\clbrdrt" + none + "\\clbrdrb" +
                            none + "\\clbrdrl" + none + "\\clbrdrr" + none +
                            "\\cltxlrtb\\clftsWidth3\\clwWidth1210\\clshdrawnil \\cellx4820"
                            "\\clvertalc\\clbrdrt" +
                            none + "\\clbrdrb" + none + "\\clbrdrl" + none + "\\clbrdrr" + none +
                            "\\cltxlrtb\\clftsWidth3\\clwWidth1210\\clshdrawnil \\cellx6030";
  EXPECT_EQ(Count(rtf, cells), 2u) << rtf.substr(0, 4000);  // the definition and "{...\row}"
  // The title line spans the measured width, 2000; the note line 210 more.
  const std::string title =
      "\\trowd \\trgaph0\\trleft3610" + row +
      "\\clvertalc\\cltxlrtb\\clftsWidth3\\clwWidth2000\\clshdrawnil \\cellx5610"
      "\\pard\\plain \\qc" +
      kCellPara + "{" + kRunFonts + " " + Hex("表題") + "\\cell}";
  EXPECT_NE(rtf.find(title), std::string::npos);
  const std::string note =
      "\\trowd \\trgaph0\\trleft3610" + row +
      "\\clvertalb\\cltxlrtb\\clftsWidth3\\clwWidth2210\\clshdrawnil \\cellx5820"
      "\\pard\\plain \\qr" +
      kCellPara;
  EXPECT_NE(rtf.find(note), std::string::npos);
  // Picture cells keep their table paragraph and end with the cell mark.
  EXPECT_EQ(Count(rtf, "\\picwgoal1440\\pichgoal720\\pngblip "), 2u);
  EXPECT_NE(rtf.find("\\pard\\plain \\qc" + std::string(kCellPara) +
                     "{\\pict \\picscalex69\\picscaley69"),
            std::string::npos);
  EXPECT_EQ(Count(rtf, "}\\cell\\pard\\plain \\ql" + std::string(kCellPara)), 2u);

  // Second table: the first cell's double bottom is the row's bottom and inner rule.
  const std::string dbl = "\\brdrdb\\brdrw10 ";
  EXPECT_NE(rtf.find("\\trbrdrt" + none + "\\trbrdrb" + dbl + "\\trbrdrl" + none + "\\trbrdrr" +
                     none + "\\trbrdrh" + dbl + "\\trbrdrv" + none),
            std::string::npos);
  EXPECT_NE(rtf.find("\\clvmgf\\clvertalc\\clbrdrt" + none + "\\clbrdrb" + none),
            std::string::npos);  // its bottom: row 1's
  EXPECT_NE(rtf.find("\\clvmrg\\clvertalc\\clbrdrt" + dbl), std::string::npos);
  EXPECT_EQ(Count(rtf, "\\clvmgf"), 2u);
  EXPECT_EQ(Count(rtf, "\\clvmrg"), 2u);
  EXPECT_NE(rtf.find("\\pard\\plain \\ql" + std::string(kCellPara) + "{" + kRunFonts + " L\\cell}"),
            std::string::npos);
  // The two digits of the index joined, so no reader breaks them apart.
  EXPECT_NE(rtf.find(std::string("{") + kRunFonts + " A}{\\sub" + kRunFonts +
                     " 1{\\uc0\\u8288}1}{" + kRunFonts + " \\cell}"),
            std::string::npos)
      << rtf;
  EXPECT_NE(rtf.find(std::string("{") + kRunFonts + " " + Hex("備　考") + "\\cell}"),
            std::string::npos);
  // Six cells in each grid row of the second table, two in the first.
  EXPECT_EQ(Count(rtf, "\\row}"), 3u + 2u);  // title, grid and note rows; two grid rows
  EXPECT_EQ(Count(rtf, "\\cellx"), 2 * (1 + 2 + 1 + 6 + 6));
  // After the table the flow goes on in the page style.
  EXPECT_NE(rtf.find("\\row}\\pard\\plain \\qj \\li0\\ri0\\sl252"), std::string::npos);
  EXPECT_EQ(rtf.find("\\page"), std::string::npos);
  EXPECT_TRUE(Balanced(rtf));
}

TEST_F(RtfFile, PageBreakRightAfterATableEndsItsParagraphFirst) {
  const std::string rtf =
      Render("<TABLE ROW=1 COL=1><TD SROW=0 SCOL=0>a</TD></TABLE><rp>b<br><rp>c");
  const std::string plain = "\\pard\\plain \\qj \\li0\\ri0\\sl252";
  const size_t row = rtf.find("\\row}" + plain);
  ASSERT_NE(row, std::string::npos);
  const size_t brk = rtf.find("{ \\page }", row);
  ASSERT_NE(brk, std::string::npos);
  EXPECT_EQ(rtf.substr(brk - 5, 5), "\\par ");
  // A break after text is the break alone.
  const size_t second = rtf.find("{ \\page }", brk + 1);
  ASSERT_NE(second, std::string::npos);
  EXPECT_EQ(rtf.substr(second - 5, 5), "\\par}");
}

TEST_F(RtfFile, MergeOfRowsAndColumnsKeepsItsBoundaries) {
  const std::string rtf = Render(
      "<TABLE ROW=3 COL=3><COLWIDTH=4 SCOL=0 ECOL=2>"
      "<TD SROW=0 SCOL=0 EROW=1 ECOL=1>M</TD><TD SROW=2 SCOL=0>z</TD></TABLE>");
  // Rows 0 and 1 both end their merged cell at the same boundary, then column 2.
  std::vector<std::string> rows;
  for (size_t at = rtf.find("\\trowd"); at != std::string::npos; at = rtf.find("\\trowd", at + 1)) {
    const size_t end = rtf.find("\\pard", at);
    if (rtf.compare(at - 1, 1, "{") == 0) continue;  // the copy before "\row"
    std::string cellx;
    for (size_t c = rtf.find("\\cellx", at); c < end; c = rtf.find("\\cellx", c + 1)) {
      cellx += rtf.substr(c + 6, rtf.find_first_not_of("0123456789", c + 6) - c - 6) + " ";
    }
    rows.push_back(cellx);
  }
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], rows[1]);
  EXPECT_EQ(Count(rows[0], " "), 2u);
  EXPECT_EQ(Count(rows[2], " "), 3u);
  EXPECT_EQ(rows[0].substr(rows[0].find(' ') + 1),
            rows[2].substr(rows[2].rfind(' ', rows[2].size() - 2) + 1));
}

// The progress window's cancel after a number of tokens.
struct CancelAfter : IRenderProgress {
  explicit CancelAfter(int n) : left(n) {}
  bool CheckCancel() override { return --left < 0; }
  void SetPercent(int) override {}
  int left;
};

TEST_F(RtfFile, CancelledRunLeavesACompleteShorterFile) {
  std::string text = "<h1>前半</h1>";
  for (int i = 0; i < 50; ++i) text += "行" + std::to_string(i) + "<br>";
  text += "<TABLE ROW=1 COL=1><TD SROW=0 SCOL=0>表</TD></TABLE>後半<br>";
  const std::string whole = Render(text);
  CancelAfter cancel(60);
  const std::string part = Render(text, &cancel);
  EXPECT_LT(part.size(), whole.size());
  EXPECT_TRUE(Balanced(whole));
  EXPECT_TRUE(Balanced(part));
  EXPECT_EQ(part.back(), '}');
  EXPECT_NE(part.find(Hex("前半")), std::string::npos);
  EXPECT_EQ(part.find(Hex("後半")), std::string::npos);
  EXPECT_NE(whole.find(Hex("後半")), std::string::npos);
}

class Launcher : public QObject {
  Q_OBJECT
 public slots:
  void open(const QUrl& url) { opened.push_back(url); }

 public:
  std::vector<QUrl> opened;
};

TEST_F(RtfFile, WordProcessorModeHandsTheFileToTheLauncher) {
  Launcher launcher;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &launcher, "open");
  markup = Utf8ToCp932("<h1>擁壁</h1>本文<br>");
  {
    CPreviewDlg dlg(2, 0, markup, run, nullptr);
    dlg.OnInitDialog();
    ASSERT_EQ(launcher.opened.size(), 1u);
    EXPECT_EQ(launcher.opened[0], QUrl::fromLocalFile(dlg.RtfPath()));
    const std::string rtf = ReadFile(dlg.RtfPath().toStdString());
    EXPECT_TRUE(Balanced(rtf));
    EXPECT_NE(rtf.find(Hex("擁壁")), std::string::npos);
  }
  // The preview and print modes write the file too, and open nothing.
  {
    CPreviewDlg dlg(1, 0, markup, run, nullptr);
    dlg.OnInitDialog();
    EXPECT_TRUE(QFile::exists(dlg.RtfPath()));
  }
  EXPECT_EQ(launcher.opened.size(), 1u);
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

}  // namespace
}  // namespace norva

#include "rtf_writer_test.moc"

// Reading the renderer's style sheet: sections, entries, values and defaults.
#include "renderer/style_sheet.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "test_folder.h"

namespace norva {
namespace {

StyleSheet Parse(const std::string& text) {
  StyleSheet s;
  ParseStyleSheet(text, s);
  return s;
}

TEST(StyleSheet, DefaultsWithoutAnySection) {
  const StyleSheet s = Parse("no sections here { fontSize:20; }");
  EXPECT_EQ(s.page.marginHeader, "0");
  EXPECT_EQ(s.page.marginFooter, "0");
  EXPECT_EQ(s.page.marginLeft, "1440");
  EXPECT_EQ(s.page.marginRight, "1440");
  EXPECT_EQ(s.page.marginTop, "1440");
  EXPECT_EQ(s.page.marginBottom, "1440");
  EXPECT_EQ(s.page.header, "");
  EXPECT_EQ(s.page.footer, "");
  EXPECT_EQ(s.page.hdrFontName, "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e");
  EXPECT_FLOAT_EQ(s.page.hdrFontSize, 10.5f);
  EXPECT_EQ(s.page.fontName, "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9");
  EXPECT_FLOAT_EQ(s.page.fontSize, 10.5f);
  EXPECT_FLOAT_EQ(s.page.lineSpacing, 100.0f);
  EXPECT_EQ(s.page.indentLeft, "0");
  EXPECT_EQ(s.page.secno, 0);
  EXPECT_EQ(s.page.pageBorder, 0);
  EXPECT_TRUE(s.paraStyles.empty());
}

TEST(StyleSheet, MathStyleDefaults) {
  const StyleSheet s;
  const struct {
    const char* font;
    float size;
    int bold, italic, cs;
  } want[] = {{kFontMincho, 10.5f, 0, 0, 128},  {kFontMincho, 5.8f, 0, 0, 128},
              {kFontMincho, 10.5f, 0, 0, 128},  {kFontMincho, 35.0f / 6.0f, 0, 0, 128},
              {kFontMincho, 10.5f, 0, 0, 128},  {kFontMincho, 10.5f, 1, 0, 128},
              {kFontMincho, 10.5f, 1, 1, 128},  {"Symbol", 10.5f, 0, 0, 2},
              {"Symbol", 35.0f / 6.0f, 0, 0, 2}};
  for (int i = 0; i < kMathStyleCount; ++i) {
    SCOPED_TRACE(kMathStyleNames[i]);
    const MathStyle& m = s.mathStyles[i];
    EXPECT_EQ(m.fontName, want[i].font);
    EXPECT_FLOAT_EQ(m.fontSize, want[i].size);
    EXPECT_EQ(m.bold, want[i].bold);
    EXPECT_EQ(m.italic, want[i].italic);
    EXPECT_EQ(m.strikethru, 0);
    EXPECT_EQ(m.underline, 0);
    EXPECT_EQ(m.charSet, want[i].cs);
  }
  EXPECT_FLOAT_EQ(s.mathStyles[3].fontSize, 5.8333335f);
}

// One page-section entry and the value it leaves in a field.
struct PageCase {
  const char* text;
  const char* what;
  std::function<std::string(const PageSettings&)> get;
  const char* want;
};

std::string Int(int32_t v) { return std::to_string(v); }
std::string Flt(float v) {
  char b[32];
  std::snprintf(b, sizeof b, "%g", static_cast<double>(v));
  return b;
}

TEST(StyleSheet, PageSectionValues) {
  auto secno = [](const PageSettings& p) { return Int(p.secno); };
  auto bold = [](const PageSettings& p) { return Int(p.fontBold); };
  auto italic = [](const PageSettings& p) { return Int(p.fontItalic); };
  auto header = [](const PageSettings& p) { return p.header; };
  auto footer = [](const PageSettings& p) { return p.footer; };
  auto left = [](const PageSettings& p) { return p.marginLeft; };
  auto top = [](const PageSettings& p) { return p.marginTop; };
  auto size = [](const PageSettings& p) { return Flt(p.fontSize); };
  auto ls = [](const PageSettings& p) { return Flt(p.lineSpacing); };
  auto color = [](const PageSettings& p) { return Int(p.pageBorderColor); };
  auto border = [](const PageSettings& p) { return Int(p.pageBorder); };
  const PageCase cases[] = {
      // section names: "page" in any case, also as the start of a longer name
      {"$page{secno:true;}", "lower", secno, "1"},
      {"$PAGE{secno:true;}", "upper", secno, "1"},
      {"$Page{secno:true;}", "mixed", secno, "1"},
      {"$pages\r\n{\r\nsecno:true;\r\n}", "longer name", secno, "1"},
      // flags
      {"$page{secno:TRUE;}", "TRUE", secno, "1"},
      {"$page{secno:1;}", "1", secno, "1"},
      {"$page{secno:-1;}", "-1", secno, "-1"},
      {"$page{secno:2;}", "2", secno, "2"},
      {"$page{secno:yes;}", "yes", secno, "0"},
      {"$page{secno:false;}", "false", secno, "0"},
      {"$page{secno:true ;}", "blank before ;", secno, "0"},
      {"$page{secno:   true;}", "blanks after :", secno, "1"},
      {"$page{SECNO:true;}", "key in capitals", secno, "1"},
      {"$page{secnox:true;}", "longer key ignored", secno, "0"},
      // texts keep their bytes, units and blanks
      {"$page{marginLeft:20mm;}", "unit text", left, "20mm"},
      {"$page{marginLeft:20mm ;}", "trailing blank kept", left, "20mm "},
      {"$page{header:\"a;b,c\";}", "double-quoted ; and ,", header, "a;b,c"},
      {"$page{header:'x|y|%d';footer:z;}", "single quotes", footer, "z"},
      {"$page{header:'x|y|%d';}", "single quotes value", header, "x|y|%d"},
      {"$page{marginLeft:5,marginTop:7;}", "comma separates", top, "7"},
      {"$page{header:\"open;}", "unclosed quote ignored", header, ""},
      // numbers
      {"$page{fontSize:12.5;}", "float", size, "12.5"},
      {"$page{fontSize:abc;}", "no number: no size, the default stays", size, "10.5"},
      {"$page{fontSize:9pt;}", "number then text", size, "9"},
      {"$page{lineSpacing:120;}", "line spacing", ls, "120"},
      {"$page{pageBorderColor:16711680;}", "colour as long", color, "16711680"},
      {"$page{pageBorder:3;}", "border", border, "3"},
      // a line end does not end an unquoted value
      {"$page{fontBold:0\r\nfontItalic:1;}", "bold from 0+line", bold, "0"},
      {"$page{fontBold:0\r\nfontItalic:1;}", "italic unset", italic, "0"},
      // malformed entries end the page section and keep what came before
      {"$page{secno:1;;fontBold:1;}", "empty entry: before kept", secno, "1"},
      {"$page{secno:1;;fontBold:1;}", "empty entry: after lost", bold, "0"},
      {"$page{secno 1;fontBold:1;}", "key without colon", bold, "0"},
  };
  for (const PageCase& c : cases) {
    SCOPED_TRACE(std::string(c.what) + ": " + c.text);
    EXPECT_EQ(c.get(Parse(c.text).page), c.want);
  }
}

TEST(StyleSheet, ParagraphStylesStartFromPageSettingsAtTheirSection) {
  const StyleSheet s = Parse(
      "$page\r\n{\r\n    fontName:Base;\r\n    fontBold:1;\r\n    lineSpacing:120;\r\n"
      "    indentLeft:10mm;\r\n}\r\n"
      "$h1\r\n{\r\n    fontSize:14;\r\n}\r\n"
      "$page{fontName:Later;}\r\n"
      "$h2{fontName:'Own';fontItalic:1;lineSpacing:100;indentLeft:3mm;}\r\n");
  ASSERT_EQ(s.paraStyles.size(), 2u);
  const ParaStyle& h1 = s.paraStyles[0];
  EXPECT_EQ(h1.name, "h1");
  EXPECT_EQ(h1.fontName, "Base");
  EXPECT_FLOAT_EQ(h1.fontSize, 14.0f);
  EXPECT_EQ(h1.bold, 1);
  EXPECT_EQ(h1.italic, 0);
  EXPECT_FLOAT_EQ(h1.lineSpacing, 120.0f);
  EXPECT_EQ(h1.indentLeft, "10mm");
  const ParaStyle& h2 = s.paraStyles[1];
  EXPECT_EQ(h2.fontName, "Own");
  EXPECT_EQ(h2.bold, 1);  // from the page at the time of its section
  EXPECT_EQ(h2.italic, 1);
  EXPECT_FLOAT_EQ(h2.fontSize, 10.5f);
  EXPECT_EQ(h2.indentLeft, "3mm");
  EXPECT_EQ(s.page.fontName, "Later");
}

TEST(StyleSheet, ParagraphSectionsMalformedDuplicateAndUnterminated) {
  const struct {
    const char* text;
    std::vector<std::string> names;
  } cases[] = {
      {"$h1{fontSize:12;;}$h2{fontSize:9;}", {"h2"}},        // empty entry discards h1
      {"$h1{fontSize 12;}$h2{}", {"h2"}},                    // key without colon
      {"$h1{fontSize:12;}$h1{fontSize:14;}", {"h1", "h1"}},  // duplicates kept in order
      {"$title{fontSize:12;", {"title"}},                    // end of text ends the body
      {"$h3{}", {"h3"}},
      {"$body\t{x:1;}", {"body"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const StyleSheet s = Parse(c.text);
    std::vector<std::string> names;
    for (const auto& p : s.paraStyles) names.push_back(p.name);
    EXPECT_EQ(names, c.names);
  }
  const StyleSheet dup = Parse("$h1{fontSize:12;}$h1{fontSize:14;}");
  EXPECT_FLOAT_EQ(dup.paraStyles[0].fontSize, 12.0f);
  EXPECT_FLOAT_EQ(dup.paraStyles[1].fontSize, 14.0f);
}

TEST(StyleSheet, DistinctStylesKeepTheFirstRecordOfAName) {
  // Names are compared exactly: "H1" is a style of its own.
  const StyleSheet s = Parse("$h1{fontSize:12;}$h2{fontSize:9;}$h1{fontSize:14;}$H1{fontSize:16;}");
  const std::vector<const ParaStyle*> styles = DistinctParaStyles(s);
  ASSERT_EQ(styles.size(), 3u);
  EXPECT_EQ(styles[0], &s.paraStyles[0]);
  EXPECT_EQ(styles[1], &s.paraStyles[1]);
  EXPECT_EQ(styles[2], &s.paraStyles[3]);
  EXPECT_FLOAT_EQ(styles[0]->fontSize, 12.0f);
}

TEST(StyleSheet, MathSections) {
  const StyleSheet s = Parse(
      "$MATH_BOLD{fontName:Gothic;fontSize:12;fontBold:0;fontUnderline:1;}"
      "$math_normal_symbol{fontName:Mincho;}"
      "$math_small{fontName:symbol;}"
      "$math_unknown{fontSize:99;}$h1{fontSize:11;}"
      "$math_italic{fontItalic:1;;fontBold:1;}");
  EXPECT_EQ(s.mathStyles[5].fontName, "Gothic");
  EXPECT_FLOAT_EQ(s.mathStyles[5].fontSize, 12.0f);
  EXPECT_EQ(s.mathStyles[5].bold, 0);
  EXPECT_EQ(s.mathStyles[5].underline, 1);
  EXPECT_EQ(s.mathStyles[5].charSet, 128);
  EXPECT_EQ(s.mathStyles[7].charSet, 128);  // not "Symbol" any more
  EXPECT_EQ(s.mathStyles[3].charSet, 2);    // "symbol" in any case
  for (const MathStyle& m : s.mathStyles) EXPECT_NE(m.fontSize, 99.0f);
  ASSERT_EQ(s.paraStyles.size(), 1u);  // the unknown math section is skipped whole
  EXPECT_FLOAT_EQ(s.paraStyles[0].fontSize, 11.0f);
  EXPECT_EQ(s.mathStyles[4].italic, 1);  // read before the empty entry
  EXPECT_EQ(s.mathStyles[4].bold, 0);    // after it: not read
}

// A hand-edited file may hold any size; the formulas' pixel sizes are
// integers worked out from it. What the style dialog would not allow (1 to
// 999 points) leaves the size as it was.
TEST(StyleSheet, FontSizesOutsideTheDialogsRangeAreIgnored) {
  struct Case {
    const char* name;
    const char* size;
    float want;  // 10.5: the default kept
  } cases[] = {
      {"1e17", "1e17", 10.5f},    {"largest double", "1.79e308", 10.5f},
      {"1000", "1000", 10.5f},    {"999 kept", "999", 999.0f},
      {"1 kept", "1", 1.0f},      {"0.5", "0.5", 10.5f},
      {"negative", "-12", 10.5f}, {"zero", "0", 10.5f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string v = c.size;
    const StyleSheet s = Parse("$page{fontSize:" + v + ";hdrFontSize:" + v + ";}$h1{fontSize:" + v +
                               ";}$math_normal{fontSize:" + v + ";}");
    EXPECT_FLOAT_EQ(s.page.fontSize, c.want);
    EXPECT_FLOAT_EQ(s.page.hdrFontSize, c.want);
    ASSERT_EQ(s.paraStyles.size(), 1u);
    EXPECT_FLOAT_EQ(s.paraStyles[0].fontSize, c.want);  // from the page's size when ignored
    EXPECT_FLOAT_EQ(s.mathStyles[2].fontSize, c.want);
  }
}

TEST(StyleSheet, FileReading) {
  StyleSheet missing;
  EXPECT_FALSE(ReadStyleSheet("/nonexistent/style.dat", missing));
  EXPECT_EQ(missing.page.marginLeft, "1440");

  TestFolder folder;
  ASSERT_TRUE(folder.Valid());
  const std::string path = folder.File("style.dat");
  {
    std::ofstream out(path, std::ios::binary);
    out << "$page\r\n{\r\n    marginTop:15mm;\r\n    header:\x82\xa0|%d|;\r\n}\r\n";
  }
  StyleSheet s;
  EXPECT_TRUE(ReadStyleSheet(path, s));
  EXPECT_EQ(s.page.marginTop, "15mm");
  EXPECT_EQ(s.page.header, "\x82\xa0|%d|");
}

TEST(StyleSheet, LeadingNumbers) {
  const struct {
    const char* text;
    double num;
    int32_t integer;
  } cases[] = {
      {"12.5", 12.5, 12}, {"-3", -3, -3},
      {"+7x", 7, 7},      {".5", 0.5, 0},
      {"", 0, 0},         {"x1", 0, 0},
      {"inf", 0, 0},      {"nan", 0, 0},
      {"1e999", 0, 1},    {"99999999999", 99999999999.0, 2147483647},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.num);
    EXPECT_EQ(LeadingInteger(c.text), c.integer);
  }
}

}  // namespace
}  // namespace norva

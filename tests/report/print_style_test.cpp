// Report style files: the three versions of ".sty", a round trip, the
// renderer's style sheet against a hand golden, malformed files, and the
// shipped defaults.
#include "report/style/print_style.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "report/report_test_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

std::string Fixture(const char* name) {
  return std::string(NORVA_SOURCE_DIR) + "/tests/report/fixtures/" + name;
}

struct RowWant {
  const char* name;
  double size;
  bool bold, italic, underline;
};

void ExpectRows(const cPrintStyle& s, const std::vector<RowWant>& rows) {
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    const int r = static_cast<int>(i);
    EXPECT_EQ(s.FontName(r), rows[i].name);
    EXPECT_DOUBLE_EQ(s.FontSize(r), rows[i].size);
    EXPECT_EQ(s.FontBold(r), rows[i].bold);
    EXPECT_EQ(s.FontItalic(r), rows[i].italic);
    EXPECT_EQ(s.FontUnderline(r), rows[i].underline);
  }
}

TEST(StyleFile, Version12) {
  cPrintStyle s;
  std::string error;
  ASSERT_TRUE(s.ReadStyleData(Fixture("style_v12.sty"), &error)) << error;
  ExpectRows(s, {{"ＭＳ 明朝", 10.5, false, false, false},
                 {"ＭＳ ゴシック", 14, true, false, false},
                 {"ＭＳ ゴシック", 12, true, false, true},
                 {"ＭＳ ゴシック", 11, false, true, false},
                 {"ＭＳ ゴシック", 10.52, false, false, false},
                 {"ＭＳ Ｐ明朝", 9, false, true, true},
                 {"ＭＳ 明朝", 10.5, true, false, false},
                 {"ＭＳ 明朝", 7, false, false, true}});
  EXPECT_EQ(s.FrameStyle, 3);
  EXPECT_EQ(s.TopMargin, 15);
  EXPECT_EQ(s.BottomMargin, 20);
  EXPECT_EQ(s.LeftMargin, 25);
  EXPECT_EQ(s.RightMargin, 10);
  EXPECT_EQ(s.HeaderStr(0), "擁壁設計計算書");
  EXPECT_EQ(s.HeaderStr(1), "");
  EXPECT_EQ(s.HeaderStr(2), "%d");
  EXPECT_EQ(s.FooterStr(1), "- %d -");
  EXPECT_EQ(s.FooterStr(2), "ノルヴァ");
}

TEST(StyleFile, Version11IgnoresItsFourExtraRows) {
  cPrintStyle s;
  std::string error;
  ASSERT_TRUE(s.ReadStyleData(Fixture("style_v11.sty"), &error)) << error;
  ExpectRows(s, {{"ＭＳ 明朝", 10.5, false, false, false},
                 {"ＭＳ ゴシック", 16, true, false, false},
                 {"ＭＳ ゴシック", 14, true, false, false},
                 {"ＭＳ ゴシック", 12, false, false, false},
                 {"ＭＳ ゴシック", 11, false, false, false},
                 {"ＭＳ 明朝", 9, false, false, false},
                 {"ＭＳ 明朝", 11, false, true, false},
                 {"ＭＳ 明朝", 8, false, false, false}});
  EXPECT_EQ(s.FrameStyle, 4);
  EXPECT_EQ(s.TopMargin, 20);
  EXPECT_EQ(s.HeaderStr(0), "左");
  EXPECT_EQ(s.FooterStr(0), "左下");
  EXPECT_EQ(s.HeaderStr(2), "右");
  EXPECT_EQ(s.FooterStr(2), "右下");
}

TEST(StyleFile, Version10GivesTheFormulaRowsTheBodyFont) {
  cPrintStyle s;
  std::string error;
  ASSERT_TRUE(s.ReadStyleData(Fixture("style_v10.sty"), &error)) << error;
  // Body 11 pt underlined: formulas take its name and size but none of its
  // attributes; small formulas 6 pt.
  ExpectRows(s, {{"ＭＳ 明朝", 11, false, false, true},
                 {"ＭＳ ゴシック", 16, true, false, false},
                 {"ＭＳ ゴシック", 14, true, false, false},
                 {"ＭＳ ゴシック", 12, false, false, false},
                 {"ＭＳ ゴシック", 11, false, false, false},
                 {"ＭＳ 明朝", 9, false, true, false},
                 {"ＭＳ 明朝", 11, false, false, false},
                 {"ＭＳ 明朝", 6, false, false, false}});
  EXPECT_EQ(s.FrameStyle, 1);
  EXPECT_EQ(s.TopMargin, 30);
  EXPECT_EQ(s.BottomMargin, 25);
  EXPECT_EQ(s.LeftMargin, 20);
  EXPECT_EQ(s.RightMargin, 15);
  EXPECT_EQ(s.FooterStr(1), "- %d -");
}

TEST(StyleFile, Version10WithAVersionLineSkipsIt) {
  // Version 1.0 files had no version line; one that has it is read the same.
  test::TempFolder dir;
  const std::string v10 = test::ReadBytes(Fixture("style_v10.sty"));
  const std::string path = dir.path() + "/v10.sty";
  std::ofstream(path, std::ios::binary) << "\"Ver 1.0\"\r\n" << v10;
  cPrintStyle a, b;
  std::string error;
  ASSERT_TRUE(a.ReadStyleData(path, &error)) << error;
  ASSERT_TRUE(b.ReadStyleData(Fixture("style_v10.sty"), &error));
  EXPECT_EQ(a.StyleDataBytes(), b.StyleDataBytes());
}

TEST(StyleFile, RoundTripOfVersion12) {
  test::TempFolder dir;
  cPrintStyle a;
  std::string error;
  ASSERT_TRUE(a.ReadStyleData(Fixture("style_v12.sty"), &error));
  const std::string copy = dir.path() + "/copy.sty";
  ASSERT_TRUE(a.WriteStyleData(copy, &error)) << error;
  // Written as read: the fixture was written in the same form.
  EXPECT_EQ(test::ReadBytes(copy), test::ReadBytes(Fixture("style_v12.sty")));
  cPrintStyle b;
  ASSERT_TRUE(b.ReadStyleData(copy, &error));
  EXPECT_EQ(b.StyleDataBytes(), a.StyleDataBytes());
  EXPECT_EQ(b.StyleFileBytes(), a.StyleFileBytes());
}

TEST(StyleFile, Version11And10AreWrittenBackAsVersion12) {
  test::TempFolder dir;
  for (const char* f : {"style_v11.sty", "style_v10.sty"}) {
    SCOPED_TRACE(f);
    cPrintStyle a, b;
    std::string error;
    ASSERT_TRUE(a.ReadStyleData(Fixture(f), &error));
    ASSERT_TRUE(a.WriteStyleData(dir.path() + "/x.sty", &error));
    EXPECT_EQ(test::ReadBytes(dir.path() + "/x.sty").rfind("\"Ver 1.2\"\r\n", 0), 0u);
    ASSERT_TRUE(b.ReadStyleData(dir.path() + "/x.sty", &error));
    EXPECT_EQ(b.StyleFileBytes(), a.StyleFileBytes());
  }
}

TEST(StyleSheet, MatchesTheHandGolden) {
  test::TempFolder dir;
  cPrintStyle s;
  std::string error;
  ASSERT_TRUE(s.ReadStyleData(Fixture("style_v12.sty"), &error));
  s.SetDocPath(dir.path());
  ASSERT_TRUE(s.WriteStyleFile(&error)) << error;
  test::ExpectSameMarkup(test::ReadBytes(dir.path() + "/style.dat"),
                         test::ReadBytes(Fixture("style_v12.dat")));
}

TEST(StyleSheet, ShippedStyleSheetIsTheShippedStyleWritten) {
  cPrintStyle s;
  std::string error;
  ASSERT_TRUE(s.ReadStyleData(test::ShippedFolder() + "/style.sty", &error)) << error;
  EXPECT_EQ(s.FontName(0), "ＭＳ 明朝");
  EXPECT_EQ(s.FontName(1), "ＭＳ ゴシック");
  EXPECT_EQ(s.FooterStr(1), "- %d -");
  EXPECT_EQ(s.StyleFileBytes(), test::ReadBytes(test::ShippedFolder() + "/style.dat"));
}

TEST(StyleSize, ShownRoundedUpToOneDecimal) {
  // trunc(size × 10 + 0.99999) / 10
  EXPECT_EQ(StyleSizeText(10.52), "10.6");
  EXPECT_EQ(StyleSizeText(10.5), "10.5");
  EXPECT_EQ(StyleSizeText(12), "12");
  EXPECT_EQ(StyleSizeText(10.5001), "10.6");
  EXPECT_EQ(StyleSizeText(6), "6");
}

TEST(StyleFile, MalformedFileChangesNothing) {
  test::TempFolder dir;
  cPrintStyle good;
  std::string error;
  ASSERT_TRUE(good.ReadStyleData(Fixture("style_v12.sty"), &error));
  const std::string before = good.StyleDataBytes();
  struct Row {
    const char* name;
    const char* text;
  } rows[] = {
      {"version item too short", "\"VER\"\r\n\"a\",10,#FALSE#,#FALSE#,#FALSE#\r\n"},
      {"cut after the font rows", "\"Ver 1.2\"\r\n\"a\",10,#FALSE#,#FALSE#,#FALSE#\r\n"},
      {"a flag that is no flag", "\"Ver 1.2\"\r\n\"a\",10,#YES#,#FALSE#,#FALSE#\r\n"},
      {"a size that is no number", "\"Ver 1.2\"\r\n\"a\",big,#FALSE#,#FALSE#,#FALSE#\r\n"},
      {"empty file", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const std::string path = dir.path() + "/bad.sty";
    { std::ofstream(path, std::ios::binary) << r.text; }
    cPrintStyle s = good;
    error.clear();
    EXPECT_FALSE(s.ReadStyleData(path, &error));
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_EQ(s.StyleDataBytes(), before);
  }
  cPrintStyle s = good;
  EXPECT_FALSE(s.ReadStyleData(dir.path() + "/none.sty", &error));
  EXPECT_NE(error.find(dir.path() + "/none.sty"), std::string::npos);
  EXPECT_EQ(s.StyleDataBytes(), before);
}

// The style dialog allows sizes of 1 to 999 points; a file with any other
// size of a row is refused with the reader's message, the style unchanged.
TEST(StyleFile, SizeOutsideTheDialogsRangeRefusesTheFile) {
  test::TempFolder dir;
  cPrintStyle good;
  std::string error;
  ASSERT_TRUE(good.ReadStyleData(Fixture("style_v12.sty"), &error));
  const std::string before = good.StyleDataBytes();
  std::string bytes;
  {
    std::ifstream in(Fixture("style_v12.sty"), std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // Row 6, the formulas, is the one the renderer turns into pixel sizes.
  const std::string formulaRow = "\",10.5,#TRUE#,";
  const size_t at = bytes.find(formulaRow);
  ASSERT_NE(at, std::string::npos);
  struct Row {
    const char* size;
    bool read;
  } rows[] = {{"1E+17", false}, {"1000", false}, {"0", false}, {"0.5", false},
              {"-10.5", false}, {"999", true},   {"1", true},  {"998.5", true}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.size);
    std::string text = bytes;
    text.replace(at, formulaRow.size(), std::string("\",") + r.size + ",#TRUE#,");
    const std::string path = dir.path() + "/size.sty";
    { std::ofstream(path, std::ios::binary) << text; }
    cPrintStyle s = good;
    error.clear();
    EXPECT_EQ(s.ReadStyleData(path, &error), r.read);
    if (r.read) {
      EXPECT_DOUBLE_EQ(s.FontSize(6), std::stod(r.size));
    } else {
      EXPECT_EQ(error, "書式設定ファイルの形式が正しくありません。\n" + path);
      EXPECT_EQ(s.StyleDataBytes(), before);
    }
  }
}

TEST(StyleFile, FailedWriteKeepsTheOldFile) {
  test::TempFolder dir;
  cPrintStyle s;
  std::string error;
  ASSERT_TRUE(s.ReadStyleData(Fixture("style_v12.sty"), &error));
  s.SetDocPath(dir.path() + "/missing");
  EXPECT_FALSE(s.WriteStyleFile(&error));
  EXPECT_NE(error.find(dir.path() + "/missing/style.dat"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "/missing"));
}

}  // namespace
}  // namespace norva

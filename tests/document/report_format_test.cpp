#include "document/report_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "document/nulls.h"
#include "text/cp932.h"
#include "text/vb_text_io.h"

namespace norva {
namespace {

struct TemplateCase {
  const char* templ;
  std::vector<ReportValue> values;
  const char* text;
  bool lineEnd;
};

void CheckTemplates(const std::vector<TemplateCase>& cases) {
  for (const auto& c : cases) {
    const FilledLine line = FillTemplate(c.templ, c.values);
    EXPECT_EQ(line.text, c.text) << c.templ;
    EXPECT_EQ(line.lineEnd, c.lineEnd) << c.templ;
  }
}

TEST(PrintUsing, WorkedExamples) {
  const char* math = "　　<math>P_AH_=P_A_=##.## (@/m)</math>";
  CheckTemplates({
      {"<H#>土　圧</H#>", {2, 2}, "<H2>土　圧</H2>", true},
      {"<H#>荷重ケース.# － @時</H#>", {3, 1, "常", 3}, "<H3>荷重ケース.1 － 常時</H3>", true},
      {"<TD SROW=##, SCOL=2>###.##</TD>", {3, 12.3}, "<TD SROW= 3, SCOL=2> 12.30</TD>", true},
      {math, {45.678, "kN"}, "　　<math>P_AH_=P_A_=45.68 (kN/m)</math>", true},
      {math, {7.5, "kN"}, "　　<math>P_AH_=P_A_= 7.50 (kN/m)</math>", true},
      {math, {123.456, "kN"}, "　　<math>P_AH_=P_A_=123.46 (kN/m)</math>", true},
      {"No.##. m", {7}, "No. 7. m", true},
      {"X=##.##;", {1.5}, "X= 1.50", false},
      {"", {}, "", true},
  });
}

TEST(PrintUsing, MasksAndTextSlots) {
  CheckTemplates({
      {"##.", {5}, " 5.", true},                    // "." before a non-"#" stays literal
      {"#####.##", {12345.678}, "12345.68", true},  // exactly the run's length
      {"##", {-3}, "-3", true},
      {"##", {-12}, "-12", true},     // wider than the run, not cut
      {"#.#.#", {2}, "2.000", true},  // every place after the first point
      {"#", {0}, "0", true},
      {"###", {0.4}, "  0", true},
      {"@", {""}, " ", true},
      {"@", {0.5}, "0.5", true},
      {"@", {-0.25}, "-0.25", true},
      {"@", {12}, "12", true},
      {"@", {0.1f}, "0.1", true},  // a single keeps its own digits
      {"@m", {1.0 / 3.0}, "0.333333333333333m", true},
      {"＃＠#", {5}, "＃＠5", true},     // full-width signs are literal
      {"a&nbsp;", {}, "a&nbsp", false},  // any final ";" continues the line
      {";", {}, "", false},
      // Several runs and slots in one template; extra values are ignored.
      {"<TD>@</TD><TD>##.#</TD><TD>###</TD><TD>@</TD>",
       {"ケース1", 3.14159, 42, 7, 99},
       "<TD>ケース1</TD><TD> 3.1</TD><TD> 42</TD><TD>7</TD>",
       true},
  });
}

TEST(PrintUsing, RoundsHalfAwayFromZeroOnTheDecimalValue) {
  CheckTemplates({
      {"#.##", {2.675}, "2.68", true},  // binary 2.67499999... but decimal 2.675
      {"#.##", {0.125}, "0.13", true},
      {"##", {-12.5}, "-13", true},
      {"#.##", {-2.675}, "-2.68", true},
      {"#.##", {1.005}, "1.01", true},
      {"#.##", {0.285}, "0.29", true},
      {"#.##", {1.0049}, "1.00", true},
      {"#.##", {9.995}, "10.00", true},  // the carry adds an integer digit
      {"#", {0.5}, "1", true},
      {"#", {2.5}, "3", true},  // not to even
      {"#", {-0.5}, "-1", true},
      {"#.#", {0.05}, "0.1", true},
      {"#.###", {0.0005}, "0.001", true},
      {"#.###", {0.0004}, "0.000", true},
      {"#.###", {-0.0004}, "0.000", true},  // rounds to zero: no "-"
      {"#.##", {1e-20}, "0.00", true},
      {"####.#", {1234567.891}, "1234567.9", true},
      {"##.##", {0.1 + 0.2}, " 0.30", true},
  });
}

// One rule for every number of a report: no digits for what is not a value.
TEST(PrintUsing, NoValueAndAbsurdSizesPrintDashes) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  CheckTemplates({
      {"##.##", {nan}, "-----", true},
      {"#", {inf}, "-----", true},
      {"B=###.##", {-inf}, "B= -----", true},
      {"H=##.###", {kNullDouble}, "H= -----", true},  // a document input never entered
      {"q=####.##", {1e10}, "q=  -----", true},       // reaction of a resultant outside the base
      {"L=##.##", {1e300}, "L=-----", true},
      {"L=##.##", {-1.5e8}, "L=-----", true},
      {"L=#########.##", {1e8}, "L=100000000.00", true},  // the largest size still printed
      {"L=##.##", {-99999999.994}, "L=-99999999.99", true},
      {"n=@", {4.94065645841247e-324}, "n=4.94065645841247E-324", true},  // small is a value
      {"@ @ @", {nan, 2e8, kNullDouble}, "----- ----- -----", true},
      {"@", {std::numeric_limits<float>::infinity()}, "-----", true},
      {"@", {1e9f}, "-----", true},
  });
}

TEST(PrintUsing, NotComputedResultPrintsDashesInPlaceOfItsMask) {
  CheckTemplates({
      {"Fs=##.##", {kNullBox}, "Fs=-----", true},    // as wide as the mask
      {"q=####.##", {kNullBox}, "q=  -----", true},  // right-aligned in it
      {"B=#.#", {kNullBox}, "B=-----", true},        // a shorter mask gets it whole
      {"(@)", {kNullBox}, "(-----)", true},
      {"##.## @", {kNullDouble, kNullBox}, "----- -----", true},  // an input never entered too
  });
}

TEST(ReportVerdict, DashesWhenAComparedValueIsNotComputed) {
  EXPECT_EQ(ReportVerdict(true, {1.6, 1.5}), "OK");
  EXPECT_EQ(ReportVerdict(false, {1.4, 1.5}), "OUT");
  EXPECT_EQ(ReportVerdict(true, {kNullBox, 1.5}), "-----");
  EXPECT_EQ(ReportVerdict(false, {1.5, kNullBox}), "-----");
  EXPECT_EQ(ReportVerdict(true, {std::numeric_limits<double>::quiet_NaN()}), "-----");
  EXPECT_EQ(ReportVerdict(true, {1.6, 1.5}, "OK ", "OUT"), "OK ");
}

TEST(PrintUsing, WritesCp932LinesAndContinuesAfterSemicolon) {
  VbTextWriter w;
  PrintUsing(w, "<H#>土　圧</H#>", {2, 2});
  PrintUsing(w, "A=#.#;", {1.25});
  PrintUsing(w, ";", {});
  PrintUsing(w, " B=@", {"x"});
  PrintUsing(w, "", {});
  const std::string expected = Utf8ToCp932("<H2>土　圧</H2>") + "\r\nA=1.3 B=x\r\n\r\n";
  EXPECT_EQ(w.bytes(), expected);
}

TEST(PrintUsing, TooFewValuesFailsBeforeWriting) {
  VbTextWriter w;
  EXPECT_THROW(PrintUsing(w, "ab ## @ ##", {1, "x"}), std::out_of_range);
  EXPECT_THROW(PrintUsing(w, "@", {}), std::out_of_range);
  EXPECT_EQ(w.bytes(), "");
}

TEST(AnsiB, LeftAnsiB) {
  struct Case {
    const char* text;
    int16_t n;
    const char* result;
  } cases[] = {
      {"あいう", 5, "あい"},                       // "う" would make 6
      {"abc", 5, "abc"},     {"aあ", 2, "a"},      // never half of a double-byte character
      {"aあ", 3, "aあ"},     {"ｱｲｳ壁", 4, "ｱｲｳ"},  // half-width katakana are one byte each
      {"ｱｲｳ壁", 5, "ｱｲｳ壁"}, {"abc", 0, ""},      {"abc", -1, ""}, {"", 3, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LeftAnsiB(c.text, c.n), c.result) << c.text << " " << c.n;
  }
}

TEST(AnsiB, MidAnsiB) {
  struct Case {
    const char* text;
    int16_t start;
    int16_t length;
    const char* result;
  } cases[] = {
      {"aあいう", 2, 0, "あいう"},
      {"aあいう", 3, 0, "あいう"},  // byte 3 is the second byte of "あ"
      {"aあいう", 4, 3, "い"},      // "いう" would be 4 bytes
      {"aあいう", 4, 4, "いう"},
      {"aあいう", 1, 3, "aあ"},
      {"abc", 5, 1, ""},
      {"abc", 4, 0, ""},
      {"abc", 3, 5, "c"},
      {"abc", 0, 2, "ab"},
      {"abc", -3, 0, "abc"},
      {"ｱ壁ｲ", 2, 2, "壁"},
      {"ｱ壁ｲ", 3, 1, ""},  // the whole "壁" does not fit in one byte
      {"", 0, 0, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MidAnsiB(c.text, c.start, c.length), c.result)
        << c.text << " " << c.start << " " << c.length;
  }
}

TEST(AnsiB, BreakingIntoLinesOf30BytesLosesNothing) {
  std::string text = "a";
  for (int i = 0; i < 40; ++i) text += "壁";
  text += "ｱbc";
  // 1 + 80 + 3 = 84 bytes.
  ASSERT_EQ(Cp932ByteCount(text), 84u);
  std::vector<std::string> lines;
  std::string rest = text;
  while (!rest.empty()) {
    const std::string part = LeftAnsiB(rest, 30);
    ASSERT_FALSE(part.empty());
    lines.push_back(part);
    rest = MidAnsiB(rest, static_cast<int16_t>(Cp932ByteCount(part) + 1), 0);
  }
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(Cp932ByteCount(lines[0]), 29u);  // "a" + 14 double-byte: the 15th would straddle
  EXPECT_EQ(Cp932ByteCount(lines[1]), 30u);
  EXPECT_EQ(Cp932ByteCount(lines[2]), 25u);  // 11 double-byte + "ｱbc"
  EXPECT_EQ(lines[0] + lines[1] + lines[2], text);
}

TEST(FormatNum, NumbersRightAlignedToTheFormat) {
  EXPECT_EQ(FormatNum(3.14159, "#0.00"), " 3.14");
  EXPECT_EQ(FormatNum(1.2, "#0.00"), " 1.20");
  EXPECT_EQ(FormatNum(2.675, "#0.00"), " 2.68");
  EXPECT_EQ(FormatNum(-12.5, "#0"), "-13");
  EXPECT_EQ(FormatNum(12345.678, "#0.00"), "12345.68");  // longer: kept whole
  EXPECT_EQ(FormatNum(-0.004, "#0.00"), " 0.00");
  EXPECT_EQ(FormatNum(0.05, "##0.0"), "  0.1");
  EXPECT_EQ(FormatNum(1, "#0"), " 1");
  EXPECT_EQ(FormatNum(int16_t{7}, "00"), "07");
  EXPECT_EQ(FormatNum(int32_t{123}, "######0"), "    123");
  EXPECT_EQ(FormatNum(int32_t{1048576}, "######0"), "1048576");
  // The document null is an ordinary number here; only the blank-box null is null.
  EXPECT_EQ(FormatNum(kNullDouble, "#0.00"), "-17000000000.00");
}

TEST(FormatNum, NullValuesShowDashes) {
  struct Case {
    std::string result;
    const char* expected;
  } cases[] = {
      {FormatNum(int16_t{-32768}, "#0"), "--"},
      {FormatNum(kNullBox, "#0.00"), "---- "},
      {FormatNum(kNullBox, "#0.00", "*"), "    *"},
      {FormatNum(kNullBox, "######0"), "  ---- "},
      {FormatNum(kNullBox, "0"), "-"},
      {FormatNum(kNullInt32, "#0.00"), "---- "},
      {FormatNum(kNullInt16, "#0.00", "-----"), "-----"},
      {FormatNum(std::numeric_limits<double>::quiet_NaN(), "#0.00"), "---- "},
      {FormatNum(0.5f, "#0.00"), "     "},  // a single: blanks only
      {FormatNum("abc", "#0"), "  "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.result, c.expected);
  }
}

// Digits are worked out from the value's decimal text: a value without one
// gets dashes, a huge one all its digits.
TEST(FormatPattern, AnyDoubleGivesText) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* name;
    double v;
    const char* pattern;
    std::string text;
  } cases[] = {
      {"nan", nan, "##0.00", "-----"},
      {"infinity", inf, "0.000", "-----"},
      {"minus infinity", -inf, "#0", "-----"},
      {"blank box", kNullBox, "##0.00", "-----"},
      {"text around the pattern kept", inf, "1:#0.00 m", "1:----- m"},
      {"1e15 whole", 1e15, "0", "1000000000000000"},
      {"1e300 whole", 1e300, "0.00", "1" + std::string(300, '0') + ".00"},
      {"-1e300 whole", -1e300, "0", "-1" + std::string(300, '0')},
      {"largest double", std::numeric_limits<double>::max(), "0",
       "17976931348623200" + std::string(292, '0')},
      {"smallest denormal", 4.94065645841247e-324, "0.00", "0.00"},
      {"document null is a number here", kNullDouble, "0", "-17000000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatPattern(c.v, c.pattern), c.text);
  }
}

TEST(ReportNumber, DashesForEverythingAReportDoesNotPrint) {
  EXPECT_EQ(ReportNumber(2.675, "0.00"), "2.68");
  EXPECT_EQ(ReportNumber(-0.004, "0.00"), "0.00");
  EXPECT_EQ(ReportNumber(1e8, "0"), "100000000");
  for (double v :
       {kNullDouble, kNullBox, 1e10, -1.0000001e8, 1e300, std::numeric_limits<double>::quiet_NaN(),
        -std::numeric_limits<double>::infinity()}) {
    SCOPED_TRACE(v);
    EXPECT_EQ(ReportNumber(v, "##0.00"), "-----");
    EXPECT_FALSE(IsReportNumber(v));
  }
}

TEST(FormatPattern, OptionalAndRequiredPlaces) {
  struct Case {
    double v;
    const char* pattern;
    const char* text;
  } cases[] = {
      {0.5, "#.##", ".5"},  {0, "#", ""},      {5, "#.##", "5."}, {1.25, "0.0#", "1.25"},
      {1.2, "0.0#", "1.2"}, {7, "000", "007"}, {-1.5, "0", "-2"}, {3.14159, "#0.000", "3.142"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatPattern(c.v, c.pattern), c.text) << c.v << " " << c.pattern;
  }
}

}  // namespace
}  // namespace norva

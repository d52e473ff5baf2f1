#include "text/vb_text_io.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "document/nulls.h"
#include "text/cp932.h"

namespace norva {
namespace {

template <typename T>
std::string Printed(T v) {
  VbTextWriter w;
  w.Print(v);
  return w.bytes();
}

TEST(VbTextWriter, DoubleItems) {
  struct Case {
    double v;
    const char* text;
  } cases[] = {
      {0.0, " 0 "},
      {-0.0, " 0 "},
      {1.0, " 1 "},
      {-1.0, "-1 "},
      {0.5, " .5 "},
      {-0.25, "-.25 "},
      {100.0, " 100 "},
      {-1234.5, "-1234.5 "},
      {4.0231, " 4.0231 "},
      {0.1 + 0.2, " .3 "},                // 0.30000000000000004 at 15 digits
      {1.0 / 3.0, " .333333333333333 "},  // 15 significant digits, rounded
      {2.0 / 3.0, " .666666666666667 "},
      {123456789012345.0, " 123456789012345 "},  // exponent 14: still plain
      {1e14, " 100000000000000 "},
      {1e15, " 1E+15 "},
      {999999999999999.9, " 1E+15 "},  // rounds up into the exponent form
      {-2.5e20, "-2.5E+20 "},
      {0.0001, " .0001 "},
      {0.00012, " .00012 "},
      {1e-5, " 1E-05 "},
      {-1.5e-7, "-1.5E-07 "},
      {kNullDouble, "-17000000000 "},
      {kNullBox, "-1.79769313486231E+308 "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Printed(c.v), c.text) << c.v;
  }
}

TEST(VbTextWriter, IntegerAndSingleItems) {
  EXPECT_EQ(Printed(int16_t{0}), " 0 ");
  EXPECT_EQ(Printed(int16_t{-1}), "-1 ");
  EXPECT_EQ(Printed(int16_t{-32768}), "-32768 ");
  EXPECT_EQ(Printed(int32_t{2147483647}), " 2147483647 ");
  EXPECT_EQ(Printed(int32_t{-2147483647 - 1}), "-2147483648 ");
  // A single has 7 significant digits: 0.1f is not written as .100000001490116.
  EXPECT_EQ(Printed(0.1f), " .1 ");
  EXPECT_EQ(Printed(4.0231f), " 4.0231 ");
  EXPECT_EQ(Printed(1234567.0f), " 1234567 ");
  EXPECT_EQ(Printed(1e7f), " 1E+07 ");
}

TEST(VbTextWriter, TextIsWrittenAsItStandsInCp932) {
  VbTextWriter w;
  w.WriteText(" 荷重ケース1, 常時 ");
  EXPECT_EQ(w.bytes(),
            " \x89\xd7\x8f\x64\x83\x50\x81\x5b\x83\x58"
            "1, \x8f\xed\x8e\x9e \r\n");
  EXPECT_EQ(w.lossy_items(), 0u);
  w.WriteText("a?€b€");
  EXPECT_EQ(w.lossy_items(), 1u);
  w.WriteText("¥");
  EXPECT_EQ(w.lossy_items(), 2u);
}

TEST(VbTextWriter, PrintZonesOf14Columns) {
  // The four values 0, 2, 1, 1 have their digits at columns 1, 15, 29, 43.
  VbTextWriter w;
  w.WriteLine(0, 2, 1, 1);
  const std::string pad(11, ' ');
  const std::string expected = " 0 " + pad + " 2 " + pad + " 1 " + pad + " 1 \r\n";
  EXPECT_EQ(w.bytes(), expected);
  EXPECT_EQ(w.bytes().find('0'), 1u);
  EXPECT_EQ(w.bytes().find('2'), 15u);
  EXPECT_EQ(w.bytes().find('1'), 29u);
  EXPECT_EQ(w.bytes().rfind('1'), 43u);
  EXPECT_EQ(w.column(), 0u);
}

TEST(VbTextWriter, ZoneAfterLongItemsAndSemicolonJoin) {
  VbTextWriter w;
  // 23 bytes, so the next item starts at column 28.
  w.WriteLine(kNullBox, 1.5);
  EXPECT_EQ(w.bytes(), "-1.79769313486231E+308 " + std::string(5, ' ') + " 1.5 \r\n");

  VbTextWriter z;
  z.Print("abcdefghijklmn");  // ends exactly at a zone start
  z.Zone();
  EXPECT_EQ(z.column(), 28u);
  z.EndLine();
  z.Zone();  // a leading "," skips the first zone
  EXPECT_EQ(z.column(), 14u);

  // Items printed one after another (the ";" separator) are not padded.
  VbTextWriter s;
  s.Print(int16_t{1});
  s.Print(-2.5);
  s.Print("x");
  s.EndLine();
  EXPECT_EQ(s.bytes(), " 1 -2.5 x\r\n");

  // Columns count CP932 bytes: "擁壁" takes four.
  VbTextWriter j;
  j.WriteLine("擁壁", 1);
  EXPECT_EQ(j.bytes(), "\x97\x69\x95\xC7" + std::string(10, ' ') + " 1 \r\n");

  // A mixed statement line of the document: integer, flag, doubles.
  VbTextWriter m;
  m.WriteLine(int16_t{-1}, 0.25, kNullDouble);
  EXPECT_EQ(m.bytes(),
            "-1 " + std::string(11, ' ') + " .25 " + std::string(9, ' ') + "-17000000000 \r\n");
}

TEST(VbTextWriter, NonFiniteNumbersAreRefused) {
  VbTextWriter w;
  try {
    w.Print(std::numeric_limits<double>::quiet_NaN());
    FAIL() << "NaN was written";
  } catch (const VbFileError& e) {
    EXPECT_EQ(e.number(), VbFileError::kOverflow);
  }
  EXPECT_THROW(w.Print(-std::numeric_limits<double>::infinity()), VbFileError);
  EXPECT_EQ(w.bytes(), "");
}

TEST(VbNumberText, PlainFormForTexts) {
  EXPECT_EQ(VbNumberText(0.5, true), "0.5");
  EXPECT_EQ(VbNumberText(-0.25, true), "-0.25");
  EXPECT_EQ(VbNumberText(12.0, true), "12");
  EXPECT_EQ(VbNumberText(0.5, false), ".5");
  EXPECT_EQ(VbNumberText(1e-5, true), "1E-05");
}

VbTextReader Reader(const std::string& s) { return VbTextReader::FromBytes(s); }

TEST(VbTextReader, NumbersAcrossLineEndsAndCommas) {
  auto r = Reader(" 1  2 \r\n3,4 ,  5\r\n\r\n\t6\r\n");
  EXPECT_EQ(r.InputInt16(), 1);
  EXPECT_EQ(r.InputInt32(), 2);
  EXPECT_EQ(r.InputDouble(), 3.0);
  EXPECT_EQ(r.InputDouble(), 4.0);
  EXPECT_EQ(r.InputDouble(), 5.0);
  EXPECT_FALSE(r.Eof());
  EXPECT_EQ(r.InputDouble(), 6.0);
  EXPECT_TRUE(r.Eof());
}

TEST(VbTextReader, FewerItemsThanTheLineHoldsContinueOnTheSameLine) {
  auto r = Reader(" 1  2 \r\n 3 \r\n");
  EXPECT_EQ(r.InputInt16(), 1);
  EXPECT_EQ(r.InputDouble(), 2.0);
  EXPECT_EQ(r.InputDouble(), 3.0);
  EXPECT_TRUE(r.Eof());
}

TEST(VbTextReader, NumberForms) {
  struct Case {
    const char* token;
    double v;
  } cases[] = {
      {".5", 0.5},
      {"-.25", -0.25},
      {"+7", 7.0},
      {"1E+15", 1e15},
      {"1e-05", 1e-5},
      {"1D+3", 1000.0},
      {"12.", 12.0},
      {"-0", 0.0},
      {"-17000000000", kNullDouble},
      {"-1.79769313486231E+308", kNullBox},
      {"4.0231", 4.0231},
      {"1E-400", 0.0},  // underflow reads as zero
  };
  for (const auto& c : cases) {
    auto r = Reader(std::string(c.token) + "\r\n");
    EXPECT_EQ(r.InputDouble(), c.v) << c.token;
    EXPECT_TRUE(r.Eof()) << c.token;
  }
  // An empty field between commas is 0.
  auto r = Reader("1,,2\r\n");
  EXPECT_EQ(r.InputDouble(), 1.0);
  EXPECT_EQ(r.InputDouble(), 0.0);
  EXPECT_EQ(r.InputDouble(), 2.0);
}

TEST(VbTextReader, IntegersRoundHalfToEven) {
  struct Case {
    const char* token;
    int v;
  } cases[] = {{"2.5", 2}, {"3.5", 4},       {"-2.5", -2},      {"-1.6", -2},
               {"0.4", 0}, {"32767", 32767}, {"-32768", -32768}};
  for (const auto& c : cases) {
    EXPECT_EQ(Reader(c.token).InputInt16(), c.v) << c.token;
    EXPECT_EQ(Reader(c.token).InputInt32(), c.v) << c.token;
  }
  // The version number is read as a single.
  EXPECT_EQ(Reader(" 4.0231 \r\n").InputSingle(), 4.0231f);
  EXPECT_EQ(Reader(" 2.01 ").InputSingle(), 2.01f);
}

int ErrorOf(const std::string& data, int what) {
  auto r = Reader(data);
  try {
    switch (what) {
      case 0:
        r.InputDouble();
        break;
      case 1:
        r.InputInt16();
        break;
      case 2:
        r.InputInt32();
        break;
      case 3:
        r.InputSingle();
        break;
      case 4:
        r.LineInput();
        break;
      default:
        r.InputString();
        break;
    }
  } catch (const VbFileError& e) {
    EXPECT_FALSE(e.description().empty());
    return e.number();
  }
  return 0;
}

TEST(VbTextReader, ReadingErrorsAreTyped) {
  struct Case {
    std::string data;
    int what;
    int number;
  } cases[] = {
      {"abc\r\n", 0, VbFileError::kTypeMismatch},
      {"1.2.3", 0, VbFileError::kTypeMismatch},
      {"1e", 0, VbFileError::kTypeMismatch},
      {"-", 0, VbFileError::kTypeMismatch},
      {"\"12\"", 0, VbFileError::kTypeMismatch},
      {"12abc", 1, VbFileError::kTypeMismatch},
      {"", 0, VbFileError::kInputPastEnd},
      {" \r\n \r\n", 0, VbFileError::kInputPastEnd},
      {"", 4, VbFileError::kInputPastEnd},
      {"", 5, VbFileError::kInputPastEnd},
      {"40000", 1, VbFileError::kOverflow},
      {"-32769", 1, VbFileError::kOverflow},
      {"2147483648", 2, VbFileError::kOverflow},
      {"1E+400", 0, VbFileError::kOverflow},
      {"1E+39", 3, VbFileError::kOverflow},
      {"1" + std::string(400, '0'), 0, VbFileError::kOverflow},
      {"1" + std::string(400, '0') + "E-1", 0, VbFileError::kOverflow},
      {"0." + std::string(400, '0') + "1E+2", 0, 0},  // tiny: reads as zero
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf(c.data, c.what), c.number) << '"' << c.data << "\" as " << c.what;
  }
}

TEST(VbTextReader, TextLinesKeepCommasAndBlanks) {
  VbTextWriter w;
  w.WriteLine(int16_t{3});
  w.WriteText("  Load, A ,b  ");
  w.WriteText("");
  w.WriteText("擁壁～－･Ⅰ①ｱ");
  w.WriteLine(-2.5, 7);
  auto r = Reader(w.bytes());
  EXPECT_EQ(r.InputInt16(), 3);
  EXPECT_EQ(r.LineInput(), "  Load, A ,b  ");
  EXPECT_EQ(r.LineInput(), "");
  EXPECT_EQ(r.LineInput(), "擁壁～－･Ⅰ①ｱ");
  EXPECT_EQ(r.InputDouble(), -2.5);
  EXPECT_EQ(r.InputInt32(), 7);
  EXPECT_TRUE(r.Eof());

  // A last line without its line end, and lone LF line ends.
  auto s = Reader("a\nb");
  EXPECT_EQ(s.LineInput(), "a");
  EXPECT_EQ(s.LineInput(), "b");
  EXPECT_TRUE(s.Eof());
}

TEST(VbTextWriter, LineBreaksInsideATextLineBecomeBlanks) {
  struct Case {
    const char* text;
    const char* line;
  } cases[] = {
      {"a\r\nb", "a b"},     {"a\nb", "a b"},    {"a\rb", "a b"},
      {"\r\n\r\n", "  "},    {"a\n\rb", "a  b"},  // LF then CR: two breaks
      {"擁壁\r\n", "擁壁 "},
  };
  for (const auto& c : cases) {
    VbTextWriter w;
    w.WriteText(c.text);
    w.WriteLine(int16_t{5});
    EXPECT_EQ(w.bytes(), Utf8ToCp932(c.line) + "\r\n 5 \r\n") << c.line;
    auto r = Reader(w.bytes());
    EXPECT_EQ(r.LineInput(), c.line);
    EXPECT_EQ(r.InputInt16(), 5);
    EXPECT_TRUE(r.Eof());
  }
}

TEST(VbTextReader, StringTokens) {
  auto r = Reader("\"a, b\" , c  ,d\r\n  x y \r\n\"open");
  EXPECT_EQ(r.InputString(), "a, b");
  EXPECT_EQ(r.InputString(), "c");
  EXPECT_EQ(r.InputString(), "d");
  EXPECT_EQ(r.InputString(), "x y");
  EXPECT_EQ(r.InputString(), "open");  // an unclosed quote runs to the end
  EXPECT_TRUE(r.Eof());
}

TEST(VbTextReader, EofCases) {
  EXPECT_TRUE(Reader("").Eof());
  auto r = Reader(" 5 \r\n");
  EXPECT_FALSE(r.Eof());
  r.InputInt16();
  EXPECT_TRUE(r.Eof());  // the number consumed its line end
  // Trailing blanks after the last number are consumed with it.
  auto t = Reader(" 5    ");
  t.InputDouble();
  EXPECT_TRUE(t.Eof());
}

TEST(VbTextReader, RoundTripOfDoublesWithAtMost15Digits) {
  const double values[] = {0.1,       -2.675,           12345.6789,  1e-7,     3.14159265358979,
                           -0.000123, 98765432109876.5, kNullDouble, kNullBox, 1e300};
  VbTextWriter w;
  for (double v : values) w.WriteLine(v, int16_t{-1});
  auto r = Reader(w.bytes());
  for (double v : values) {
    EXPECT_EQ(r.InputDouble(), v);
    EXPECT_EQ(r.InputInt16(), -1);
  }
  EXPECT_TRUE(r.Eof());
}

class VbTextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/norva_vbtext_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string dir_;
};

TEST_F(VbTextFileTest, WriteAndReadBackAFile) {
  const std::string path = dir_ + "/a.nrv";
  { std::ofstream(path) << "old content that is longer than the new one\n"; }
  auto w = VbTextWriter::ToFile(path);
  w.WriteLine(4.0231);
  w.WriteText("タイトル");
  for (int i = 0; i < 20000; ++i) w.WriteLine(int16_t{0});  // past the buffer size
  w.Close();
  EXPECT_THROW(w.WriteText("late"), VbFileError);

  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  const std::string bytes = ss.str();
  EXPECT_EQ(bytes.size(), 10u + 10u + 20000u * 5u);
  EXPECT_EQ(bytes.substr(0, 10), " 4.0231 \r\n");

  auto r = VbTextReader::FromFile(path);
  EXPECT_EQ(r.InputSingle(), 4.0231f);
  EXPECT_EQ(r.LineInput(), "タイトル");
  int zeros = 0;
  while (!r.Eof()) {
    EXPECT_EQ(r.InputInt16(), 0);
    ++zeros;
  }
  EXPECT_EQ(zeros, 20000);
}

TEST_F(VbTextFileTest, OpenAndWriteFailures) {
  try {
    VbTextReader::FromFile(dir_ + "/missing.nrv");
    FAIL();
  } catch (const VbFileError& e) {
    EXPECT_EQ(e.number(), VbFileError::kFileNotFound);
  }
  try {
    VbTextReader::FromFile(dir_);  // a folder
    FAIL();
  } catch (const VbFileError& e) {
    EXPECT_EQ(e.number(), VbFileError::kPathAccess);
  }
  try {
    VbTextWriter::ToFile(dir_ + "/no/such/folder/a.nrv");
    FAIL();
  } catch (const VbFileError& e) {
    EXPECT_EQ(e.number(), VbFileError::kPathAccess);
  }
  // A full disk is reported when the data is written out, not lost silently.
  if (std::filesystem::exists("/dev/full")) {
    auto w = VbTextWriter::ToFile("/dev/full");
    w.WriteText("data");
    try {
      w.Close();
      FAIL() << "write to a full device reported success";
    } catch (const VbFileError& e) {
      EXPECT_EQ(e.number(), VbFileError::kDeviceIo);
    }
  }
}

}  // namespace
}  // namespace norva

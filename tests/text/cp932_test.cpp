#include "text/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace norva {
namespace {

// The characters where the Windows mapping differs from plain Shift_JIS, with
// their code points in the Windows-31J table.
TEST(Cp932, WindowsMappingRoundTripsByteForByte) {
  const std::string text = "擁壁～－･Ⅰ①ｱ";
  const std::string bytes = Utf8ToCp932(text);
  const std::string expected =
      "\x97\x69"  // 擁
      "\x95\xC7"  // 壁
      "\x81\x60"  // ～ U+FF5E
      "\x81\x7C"  // － U+FF0D
      "\xA5"      // ･ U+FF65 half-width
      "\x87\x54"  // Ⅰ NEC row 13
      "\x87\x40"  // ①
      "\xB1";     // ｱ half-width katakana
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(Cp932ToUtf8(bytes), text);
  EXPECT_TRUE(CanEncodeCp932(text));
  EXPECT_EQ(Cp932ByteCount(text), 14u);
}

TEST(Cp932, ByteCounts) {
  struct Case {
    const char* text;
    std::size_t bytes;
  } cases[] = {
      {"", 0},        {"abc 123", 7},
      {"ｱｲｳｴｵﾞﾟ", 7},  // half-width katakana incl. voiced marks: one byte each
      {"アイウ", 6},   // full-width katakana: two bytes each
      {"土　圧", 6},   // ideographic space U+3000 is double-byte
      {"kN/m²", 5},    // ² is not in CP932: counts one, as its '?'
      {"a\\b~c", 5},   // backslash and tilde stay single bytes
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp932ByteCount(c.text), c.bytes) << c.text;
  }
}

TEST(Cp932, AsciiControlAndLineEndsPassThrough) {
  const std::string s = "a,b\r\n\t\"q\"\\~";
  EXPECT_EQ(Utf8ToCp932(s), s);
  EXPECT_EQ(Cp932ToUtf8(s), s);
}

TEST(Cp932, UnencodableCharactersBecomeQuestionMarks) {
  struct Case {
    const char* text;
    const char* bytes;
  } cases[] = {
      {"€", "?"},
      {"a€b", "a?b"},
      {"😀壁", "?\x95\xC7"},
      {"²³", "??"},
  };
  for (const auto& c : cases) {
    bool lossless = true;
    EXPECT_EQ(Utf8ToCp932(c.text, &lossless), c.bytes) << c.text;
    EXPECT_FALSE(lossless) << c.text;
    EXPECT_FALSE(CanEncodeCp932(c.text)) << c.text;
  }
  bool lossless = false;
  Utf8ToCp932("壁", &lossless);
  EXPECT_TRUE(lossless);
}

TEST(Cp932, OneWayMappingsAreNotLossless) {
  struct Case {
    const char* text;
    const char* bytes;
    const char* read_back;
  } cases[] = {
      {"1〜3",
       "1\x81\x60"
       "3",
       "1～3"},                    // U+301C reads back as U+FF5E
      {"¥100", "\\100", "\\100"},  // yen sign reads back as a backslash
      {"a−b",
       "a\x81\x7C"
       "b",
       "a－b"},  // U+2212 reads back as U+FF0D
  };
  for (const auto& c : cases) {
    bool lossless = true;
    EXPECT_EQ(Utf8ToCp932(c.text, &lossless), c.bytes) << c.text;
    EXPECT_FALSE(lossless) << c.text;
    EXPECT_FALSE(CanEncodeCp932(c.text)) << c.text;
    EXPECT_EQ(Cp932ToUtf8(c.bytes), c.read_back) << c.text;
  }
}

TEST(Cp932, BrokenUtf8DoesNotSwallowFollowingText) {
  // A three-byte lead followed by ASCII: one '?', then the ASCII survives.
  bool lossless = true;
  EXPECT_EQ(Utf8ToCp932("\xE3"
                        "ab",
                        &lossless),
            "?ab");
  EXPECT_FALSE(lossless);
  // A truncated sequence at the end.
  EXPECT_EQ(Utf8ToCp932("x\xE5\xA3"), "x?");
}

TEST(Cp932, InvalidBytesDecodeToReplacementCharacter) {
  // 0x81 0x20: a lead byte without a valid trail byte.
  EXPECT_EQ(Cp932ToUtf8("\x81 a"), "\xEF\xBF\xBD a");
  EXPECT_EQ(Cp932ToUtf8("x\x81"), "x\xEF\xBF\xBD");  // cut off at the end
}

TEST(Cp932, LongTextIsConvertedWhole) {
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "壁a";
  const std::string bytes = Utf8ToCp932(text);
  EXPECT_EQ(bytes.size(), 9000u);
  EXPECT_EQ(Cp932ToUtf8(bytes), text);
}

}  // namespace
}  // namespace norva

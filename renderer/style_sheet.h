#pragma once
// The renderer's style sheet "style.dat": page settings, paragraph styles and
// the nine formula styles. Texts are kept as the file's CP932 bytes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace norva {

struct PageSettings {
  std::string marginHeader, marginFooter;
  std::string marginLeft, marginRight, marginTop, marginBottom;
  std::string header, footer;
  std::string hdrFontName;
  float hdrFontSize = 10.5f;
  int32_t hdrFontBold = 0, hdrFontItalic = 0, hdrFontStrikethru = 0, hdrFontUnderline = 0;
  int32_t pageBorder = 0;
  int32_t pageBorderColor = 0;
  int32_t pageBorderStyle = 0;
  int32_t pageBorderWidth = 0;
  std::string fontName;
  float fontSize = 10.5f;
  int32_t fontBold = 0, fontItalic = 0, fontStrikethru = 0, fontUnderline = 0;
  float lineSpacing = 100.0f;
  std::string indentLeft;
  int32_t secno = 0;
};

struct ParaStyle {
  std::string name;
  std::string fontName;
  float fontSize = 10.5f;
  int32_t bold = 0, italic = 0, strikethru = 0, underline = 0;
  float lineSpacing = 100.0f;
  std::string indentLeft;
};

struct MathStyle {
  std::string fontName;
  float fontSize = 10.5f;
  int32_t bold = 0, italic = 0, strikethru = 0, underline = 0;
  uint8_t charSet = 128;  // 128 Japanese, 2 symbol
  bool operator==(const MathStyle&) const = default;
};

inline constexpr int kMathStyleCount = 9;
// Section names in index order; the formula renderer selects by index.
extern const std::array<const char*, kMathStyleCount> kMathStyleNames;

// CP932 bytes of the default faces.
inline constexpr const char* kFontMincho = "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9";  // ＭＳ 明朝
inline constexpr const char* kFontGothic =
    "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e";  // ＭＳ ゴシック

struct StyleSheet {
  PageSettings page;
  std::vector<ParaStyle> paraStyles;
  std::array<MathStyle, kMathStyleCount> mathStyles;

  StyleSheet();  // defaults
};

// The paragraph styles in file order, each name once: a repeated name keeps
// its first record.
std::vector<const ParaStyle*> DistinctParaStyles(const StyleSheet& sheet);

void InitPageDefaults(PageSettings& page);
void InitMathStyles(std::array<MathStyle, kMathStyleCount>& styles);

// Font sizes (points) the style dialog allows; the reader ignores a font size
// outside them (the size stays as it was).
inline constexpr double kMinFontSize = 1;
inline constexpr double kMaxFontSize = 999;

// Applies the sections of a style-sheet text (CP932 bytes) to the sheet.
void ParseStyleSheet(std::string_view text, StyleSheet& sheet);
// Reads the file at path (UTF-8 path); a file that cannot be read changes nothing.
bool ReadStyleSheet(const std::string& path, StyleSheet& sheet);

// Value conversions of the style sheet, also used by the markup readers.
// The number at the start of the text (0 when there is none); never NaN or infinite.
double LeadingNumber(std::string_view text);
int32_t LeadingInteger(std::string_view text);
int32_t FlagValue(std::string_view value);

}  // namespace norva

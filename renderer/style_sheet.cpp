#include "renderer/style_sheet.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>

#include "renderer/markup_chars.h"

namespace norva {

const std::array<const char*, kMathStyleCount> kMathStyleNames = {
    "math_normal_japan", "math_small_japan",   "math_normal",
    "math_small",        "math_italic",        "math_bold",
    "math_italic_bold",  "math_normal_symbol", "math_small_symbol"};

namespace {

bool IsWhite(char c) { return IsMarkupBlank(static_cast<unsigned char>(c)); }

// One cursor over the NUL-free text; at() gives 0 past the end, like the
// terminating NUL of the original buffer.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}
  char at() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  char at(size_t off) const { return pos_ + off < text_.size() ? text_[pos_ + off] : '\0'; }
  bool end() const { return pos_ >= text_.size(); }
  void advance(size_t n = 1) { pos_ = std::min(text_.size(), pos_ + n); }
  size_t pos() const { return pos_; }
  std::string_view slice(size_t from, size_t to) const { return text_.substr(from, to - from); }
  void SkipWhite() {
    while (!end() && IsWhite(at())) advance();
  }
  // Moves past the next occurrence of c, or to the end.
  void SkipToChar(char c) {
    while (!end() && at() != c) advance();
    advance();
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

enum class BodyEnd { Closed, Malformed };

// Reads the entries of one body; apply(key, value) gets each one.
template <typename Apply>
BodyEnd ParseBody(Cursor& cur, Apply apply) {
  for (;;) {
    cur.SkipWhite();
    if (cur.end() || cur.at() == '}') {
      if (!cur.end()) cur.advance();
      return BodyEnd::Closed;
    }
    const size_t keyStart = cur.pos();
    while (!cur.end() && cur.at() != ';' && cur.at() != ':' && !IsWhite(cur.at())) cur.advance();
    const std::string_view key = cur.slice(keyStart, cur.pos());
    cur.SkipWhite();
    if (cur.at() != ':') return BodyEnd::Malformed;
    cur.advance();
    cur.SkipWhite();
    std::string_view value;
    const char q = cur.at();
    if (q == '"' || q == '\'') {
      cur.advance();
      const size_t start = cur.pos();
      while (!cur.end() && cur.at() != q) cur.advance();
      if (cur.end()) return BodyEnd::Closed;  // unterminated quote: value ignored
      value = cur.slice(start, cur.pos());
      cur.advance();  // the closing quote
      cur.advance();  // and the byte after it (normally ';')
    } else {
      const size_t start = cur.pos();
      while (!cur.end() && cur.at() != ';' && cur.at() != ',') cur.advance();
      value = cur.slice(start, cur.pos());
      cur.advance();
    }
    apply(key, value);
  }
}

float ToFloat(std::string_view v) { return static_cast<float>(LeadingNumber(v)); }

// A font size outside what the style dialog allows leaves the size as it was:
// a hand-edited file may hold any number, and the pixel sizes are worked out
// in integers.
float ToFontSize(std::string_view v, float current) {
  const double size = LeadingNumber(v);
  return size >= kMinFontSize && size <= kMaxFontSize ? static_cast<float>(size) : current;
}

void ParsePageSection(Cursor& cur, PageSettings& p) {
  ParseBody(cur, [&p](std::string_view key, std::string_view v) {
    struct TextKey {
      const char* name;
      std::string PageSettings::*field;
    };
    static const TextKey texts[] = {{"marginHeader", &PageSettings::marginHeader},
                                    {"marginFooter", &PageSettings::marginFooter},
                                    {"marginLeft", &PageSettings::marginLeft},
                                    {"marginRight", &PageSettings::marginRight},
                                    {"marginTop", &PageSettings::marginTop},
                                    {"marginBottom", &PageSettings::marginBottom},
                                    {"header", &PageSettings::header},
                                    {"footer", &PageSettings::footer},
                                    {"hdrFontName", &PageSettings::hdrFontName},
                                    {"fontName", &PageSettings::fontName},
                                    {"indentLeft", &PageSettings::indentLeft}};
    struct FlagKey {
      const char* name;
      int32_t PageSettings::*field;
      bool isFlag;
    };
    static const FlagKey ints[] = {{"hdrFontBold", &PageSettings::hdrFontBold, true},
                                   {"hdrFontItalic", &PageSettings::hdrFontItalic, true},
                                   {"hdrFontStrikethru", &PageSettings::hdrFontStrikethru, true},
                                   {"hdrFontUnderline", &PageSettings::hdrFontUnderline, true},
                                   {"pageBorder", &PageSettings::pageBorder, false},
                                   {"pageBorderColor", &PageSettings::pageBorderColor, false},
                                   {"pageBorderStyle", &PageSettings::pageBorderStyle, false},
                                   {"pageBorderWidth", &PageSettings::pageBorderWidth, false},
                                   {"fontBold", &PageSettings::fontBold, true},
                                   {"fontItalic", &PageSettings::fontItalic, true},
                                   {"fontStrikethru", &PageSettings::fontStrikethru, true},
                                   {"fontUnderline", &PageSettings::fontUnderline, true},
                                   {"secno", &PageSettings::secno, true}};
    struct FloatKey {
      const char* name;
      float PageSettings::*field;
    };
    static const FloatKey floats[] = {{"lineSpacing", &PageSettings::lineSpacing}};
    if (EqualNoCase(key, "hdrFontSize")) {
      p.hdrFontSize = ToFontSize(v, p.hdrFontSize);
      return;
    }
    if (EqualNoCase(key, "fontSize")) {
      p.fontSize = ToFontSize(v, p.fontSize);
      return;
    }
    for (const auto& t : texts) {
      if (EqualNoCase(key, t.name)) {
        p.*t.field = std::string(v);
        return;
      }
    }
    for (const auto& t : ints) {
      if (EqualNoCase(key, t.name)) {
        p.*t.field = t.isFlag ? FlagValue(v) : LeadingInteger(v);
        return;
      }
    }
    for (const auto& t : floats) {
      if (EqualNoCase(key, t.name)) {
        p.*t.field = ToFloat(v);
        return;
      }
    }
  });
}

void ParseParaStyle(Cursor& cur, std::string_view name, StyleSheet& sheet) {
  const PageSettings& p = sheet.page;
  ParaStyle s;
  s.name = std::string(name);
  s.fontName = p.fontName;
  s.fontSize = p.fontSize;
  s.bold = p.fontBold;
  s.italic = p.fontItalic;
  s.strikethru = p.fontStrikethru;
  s.underline = p.fontUnderline;
  s.lineSpacing = p.lineSpacing;
  s.indentLeft = p.indentLeft;
  const BodyEnd end = ParseBody(cur, [&s](std::string_view key, std::string_view v) {
    if (EqualNoCase(key, "fontName"))
      s.fontName = std::string(v);
    else if (EqualNoCase(key, "fontSize"))
      s.fontSize = ToFontSize(v, s.fontSize);
    else if (EqualNoCase(key, "fontBold"))
      s.bold = FlagValue(v);
    else if (EqualNoCase(key, "fontItalic"))
      s.italic = FlagValue(v);
    else if (EqualNoCase(key, "fontStrikethru"))
      s.strikethru = FlagValue(v);
    else if (EqualNoCase(key, "fontUnderline"))
      s.underline = FlagValue(v);
    else if (EqualNoCase(key, "lineSpacing"))
      s.lineSpacing = ToFloat(v);
    else if (EqualNoCase(key, "indentLeft"))
      s.indentLeft = std::string(v);
  });
  if (end == BodyEnd::Closed) sheet.paraStyles.push_back(std::move(s));
}

void ParseMathStyle(Cursor& cur, std::string_view name, StyleSheet& sheet) {
  int index = -1;
  for (int i = 0; i < kMathStyleCount; ++i) {
    if (EqualNoCase(name, kMathStyleNames[static_cast<size_t>(i)])) {
      index = i;
      break;
    }
  }
  if (index < 0) {
    cur.SkipToChar('}');
    return;
  }
  MathStyle& m = sheet.mathStyles[static_cast<size_t>(index)];
  ParseBody(cur, [&m](std::string_view key, std::string_view v) {
    if (EqualNoCase(key, "fontName")) {
      m.fontName = std::string(v);
      m.charSet = EqualNoCase(v, "Symbol") ? 2 : 128;
    } else if (EqualNoCase(key, "fontSize"))
      m.fontSize = ToFontSize(v, m.fontSize);
    else if (EqualNoCase(key, "fontBold"))
      m.bold = FlagValue(v);
    else if (EqualNoCase(key, "fontItalic"))
      m.italic = FlagValue(v);
    else if (EqualNoCase(key, "fontStrikethru"))
      m.strikethru = FlagValue(v);
    else if (EqualNoCase(key, "fontUnderline"))
      m.underline = FlagValue(v);
  });
}

}  // namespace

StyleSheet::StyleSheet() {
  InitPageDefaults(page);
  InitMathStyles(mathStyles);
}

std::vector<const ParaStyle*> DistinctParaStyles(const StyleSheet& sheet) {
  std::vector<const ParaStyle*> out;
  for (const ParaStyle& s : sheet.paraStyles) {
    const bool repeated = std::any_of(out.begin(), out.end(),
                                      [&s](const ParaStyle* kept) { return kept->name == s.name; });
    if (!repeated) out.push_back(&s);
  }
  return out;
}

void InitPageDefaults(PageSettings& p) {
  p = PageSettings{};
  p.marginHeader = "0";
  p.marginFooter = "0";
  p.marginLeft = p.marginRight = p.marginTop = p.marginBottom = "1440";
  p.header.clear();
  p.footer.clear();
  p.hdrFontName = kFontGothic;
  p.hdrFontSize = 10.5f;
  p.fontName = kFontMincho;
  p.fontSize = 10.5f;
  p.lineSpacing = 100.0f;
  p.indentLeft = "0";
  p.secno = 0;
}

void InitMathStyles(std::array<MathStyle, kMathStyleCount>& styles) {
  const float small = 35.0f / 6.0f;
  const struct {
    const char* font;
    float size;
    int32_t bold;
    int32_t italic;
    uint8_t cs;
  } rows[] = {{kFontMincho, 10.5f, 0, 0, 128}, {kFontMincho, 5.8f, 0, 0, 128},
              {kFontMincho, 10.5f, 0, 0, 128}, {kFontMincho, small, 0, 0, 128},
              {kFontMincho, 10.5f, 0, 0, 128}, {kFontMincho, 10.5f, 1, 0, 128},
              {kFontMincho, 10.5f, 1, 1, 128}, {"Symbol", 10.5f, 0, 0, 2},
              {"Symbol", small, 0, 0, 2}};
  for (size_t i = 0; i < styles.size(); ++i) {
    styles[i] =
        MathStyle{rows[i].font, rows[i].size, rows[i].bold, rows[i].italic, 0, 0, rows[i].cs};
  }
}

namespace {

// Skips the blanks and the sign before a number; true for a minus sign.
bool SkipToDigits(std::string_view text, size_t& i) {
  while (i < text.size() && (IsWhite(text[i]) || text[i] == '\v')) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) return text[i++] == '-';
  return false;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  size_t i = 0;
  const bool negative = SkipToDigits(text, i);
  if (i >= text.size() || !((text[i] >= '0' && text[i] <= '9') || text[i] == '.')) return 0.0;
  double value = 0.0;
  const auto r = std::from_chars(text.data() + i, text.data() + text.size(), value,
                                 std::chars_format::general);
  if (r.ec != std::errc() || !std::isfinite(value)) return 0.0;
  return negative ? -value : value;
}

int32_t LeadingInteger(std::string_view text) {
  size_t i = 0;
  const bool negative = SkipToDigits(text, i);
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{1} << 32) break;  // saturates below
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

int32_t FlagValue(std::string_view v) {
  if (!v.empty() && IsAsciiLetter(static_cast<unsigned char>(v[0])))
    return EqualNoCase(v, "true") ? 1 : 0;
  return LeadingInteger(v);
}

void ParseStyleSheet(std::string_view text, StyleSheet& sheet) {
  // The original buffer ends at its first NUL.
  const size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  Cursor cur(text);
  while (!cur.end()) {
    if (cur.at() != '$') {
      cur.advance();
      continue;
    }
    cur.advance();
    if (StartsNoCase(text.substr(cur.pos()), "page")) {
      cur.SkipToChar('{');
      ParsePageSection(cur, sheet.page);
      continue;
    }
    const size_t start = cur.pos();
    while (!cur.end() && !IsWhite(cur.at()) && cur.at() != '{') cur.advance();
    const std::string name(cur.slice(start, cur.pos()));
    cur.SkipToChar('{');
    if (StartsNoCase(name, "math"))
      ParseMathStyle(cur, name, sheet);
    else
      ParseParaStyle(cur, name, sheet);
  }
}

bool ReadStyleSheet(const std::string& path, StyleSheet& sheet) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  ParseStyleSheet(bytes, sheet);
  return true;
}

}  // namespace norva

#include "report/style/print_style.h"

#include <unistd.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "text/cp932.h"
#include "text/vb_text_io.h"

namespace norva {

namespace {

// Not a style file: the reader stops and the object stays as it was.
struct Malformed {};

// VAL(): the number at the start of the text, 0 when there is none.
double Val(const std::string& text) {
  const char* p = text.c_str();
  while (*p == ' ' || *p == '\t') ++p;
  char* end = nullptr;
  const double v = std::strtod(p, &end);
  if (end == p || !std::isfinite(v)) return 0;
  return v;
}

// A flag as Write # stores it (#TRUE#, #FALSE#), or a number (non-zero true).
bool InputFlag(VbTextReader& r) {
  std::string t = r.InputString();
  for (char& c : t) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (t == "#TRUE#") return true;
  if (t == "#FALSE#") return false;
  char* end = nullptr;
  const double v = std::strtod(t.c_str(), &end);
  if (t.empty() || *end != '\0') throw Malformed{};
  return v != 0;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }
const char* WriteFlag(bool b) { return b ? "#TRUE#" : "#FALSE#"; }
// Numbers in the style sheet: "." as separator, no trailing zeros.
std::string SheetNumber(double v) { return VbNumberText(v, true); }
const char* SheetFlag(bool b) { return b ? "1;" : "0;"; }

// Replaces path with bytes: a new file beside it, renamed over it.
bool ReplaceFile(const std::string& path, const std::string& bytes, std::string* error) {
  const std::string temp = path + ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (out.is_open()) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.is_open() || !out.flush()) {
      std::remove(temp.c_str());
      if (error) *error = "書式設定ファイルを保存できません。\n" + path;
      return false;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    if (error) *error = "書式設定ファイルを保存できません。\n" + path;
    return false;
  }
  return true;
}

}  // namespace

bool cPrintStyle::ReadStyleData(const std::string& fNam, std::string* error) {
  std::ifstream in(fNam, std::ios::binary);
  if (!in.is_open()) {
    if (error) *error = "書式設定ファイルを読み込めません。\n" + fNam;
    return false;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  cPrintStyle s = *this;
  try {
    VbTextReader r = VbTextReader::FromBytes(bytes);
    const std::string first = r.InputString();
    std::string head = first.substr(0, 3);
    for (char& c : head) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const bool hasVersion = head == "VER";
    if (hasVersion && first.size() < 4) throw Malformed{};
    const double version = hasVersion ? Val(first.substr(4)) : 1.0;
    // Without a version line the first item was already a font name.
    if (!hasVersion) r = VbTextReader::FromBytes(bytes);

    const int rows = version == 1.0 ? kRowsV10 : version == 1.1 ? kRowsV11 : kRows;
    for (int i = 0; i < rows; ++i) {
      std::string name = r.InputString();
      const double size = r.InputDouble();
      // The dialog allows 1 to 999 points; the formulas' pixel sizes are
      // worked out in integers from them.
      if (!(size >= 1 && size <= 999)) throw Malformed{};
      const bool bold = InputFlag(r);
      const bool italic = InputFlag(r);
      const bool underline = InputFlag(r);
      if (i >= kRows) continue;  // rows of version 1.1 no longer used
      s.fontName_[i] = std::move(name);
      s.fontSize_[i] = size;
      s.fontBold_[i] = bold;
      s.fontItalic_[i] = italic;
      s.fontUnderline_[i] = underline;
    }
    if (version == 1.0) {
      // The formula rows did not exist: body font, small formulas at 6 pt.
      s.fontName_[6] = s.fontName_[0];
      s.fontSize_[6] = s.fontSize_[0];
      s.fontName_[7] = s.fontName_[0];
      s.fontSize_[7] = 6.0;
      for (int i = 6; i <= 7; ++i) s.fontBold_[i] = s.fontItalic_[i] = s.fontUnderline_[i] = false;
    }
    s.FrameStyle = r.InputInt16();
    s.TopMargin = r.InputInt16();
    s.BottomMargin = r.InputInt16();
    s.LeftMargin = r.InputInt16();
    s.RightMargin = r.InputInt16();
    for (int i = 0; i < 3; ++i) {
      s.headerStr_[i] = r.InputString();
      s.footerStr_[i] = r.InputString();
    }
  } catch (const Malformed&) {
    if (error) *error = "書式設定ファイルの形式が正しくありません。\n" + fNam;
    return false;
  } catch (const VbFileError&) {
    if (error) *error = "書式設定ファイルの形式が正しくありません。\n" + fNam;
    return false;
  }
  *this = std::move(s);
  return true;
}

std::string cPrintStyle::StyleDataBytes() const {
  std::string t = "\"Ver 1.2\"\r\n";
  for (int i = 0; i < kRows; ++i) {
    t += Quoted(fontName_[i]) + "," + VbNumberText(fontSize_[i], false) + "," +
         WriteFlag(fontBold_[i]) + "," + WriteFlag(fontItalic_[i]) + "," +
         WriteFlag(fontUnderline_[i]) + "\r\n";
  }
  t += std::to_string(FrameStyle) + "," + std::to_string(TopMargin) + "," +
       std::to_string(BottomMargin) + "," + std::to_string(LeftMargin) + "," +
       std::to_string(RightMargin) + "\r\n";
  for (int i = 0; i < 3; ++i) t += Quoted(headerStr_[i]) + "," + Quoted(footerStr_[i]) + "\r\n";
  return Utf8ToCp932(t);
}

std::string cPrintStyle::StyleFileBytes() const {
  std::string t;
  auto line = [&t](const std::string& s) { t += s + "\r\n"; };
  auto key = [&line](const char* k, const std::string& v) {
    line(std::string("    ") + k + ":" + v);
  };
  // The six font lines of a section from row r, with bold and italic given.
  auto font = [&](const std::string& name, int r, bool bold, bool italic) {
    key("fontName", name + ";");
    key("fontSize", SheetNumber(fontSize_[r]) + ";");
    key("fontBold", SheetFlag(bold));
    key("fontItalic", SheetFlag(italic));
    key("fontStrikethru", "0;");
    key("fontUnderline", SheetFlag(fontUnderline_[r]));
  };
  auto rowFont = [&](int r) { font(fontName_[r], r, fontBold_[r], fontItalic_[r]); };

  line("$page");
  line("{");
  key("marginHeader", "0;");
  key("marginFooter", "0;");
  key("marginTop", std::to_string(TopMargin) + "mm;");
  key("marginBottom", std::to_string(BottomMargin) + "mm;");
  key("marginLeft", std::to_string(LeftMargin) + "mm;");
  key("marginRight", std::to_string(RightMargin) + "mm;");
  key("header", headerStr_[0] + "|" + headerStr_[1] + "|" + headerStr_[2] + ";");
  key("footer", footerStr_[0] + "|" + footerStr_[1] + "|" + footerStr_[2] + ";");
  key("hdrFontName", fontName_[5] + ";");
  key("hdrFontSize", SheetNumber(fontSize_[5]) + ";");
  key("hdrFontBold", SheetFlag(fontBold_[5]));
  key("hdrFontItalic", SheetFlag(fontItalic_[5]));
  key("hdrFontStrikethru", "0;");
  key("hdrFontUnderline", SheetFlag(fontUnderline_[5]));
  key("pageBorder", std::to_string(FrameStyle) + ";");
  key("pageBorderColor", "0;");
  key("pageBorderStyle", "0;");
  key("pageBorderWidth", "2;");
  rowFont(0);
  key("lineSpacing", "120;");
  key("indentLeft", "10mm;");
  key("secno", "true;");
  line("}");
  for (int r = 1; r <= 4; ++r) {
    line("$h" + std::to_string(r));
    line("{");
    rowFont(r);
    key("lineSpacing", "100;");
    key("indentLeft", "3mm;");
    line("}");
  }
  struct MathSection {
    const char* name;
    int row;
    int bold;    // -1 the row's own, else 0 / 1
    int italic;  // the same
    bool symbol;
  };
  static const MathSection kMath[] = {
      {"$math_normal_japan", 6, -1, -1, false}, {"$math_small_japan", 7, -1, -1, false},
      {"$math_normal", 6, -1, -1, false},       {"$math_small", 7, -1, -1, false},
      {"$math_italic", 6, 0, 1, false},         {"$math_bold", 6, 1, 0, false},
      {"$math_italic_bold", 6, 1, 1, false},    {"$math_normal_symbol", 6, -1, -1, true},
      {"$math_small_symbol", 7, -1, -1, true},
  };
  for (const MathSection& m : kMath) {
    line(m.name);
    line("{");
    font(m.symbol ? std::string("Symbol") : fontName_[m.row], m.row,
         m.bold < 0 ? fontBold_[m.row] : m.bold != 0,
         m.italic < 0 ? fontItalic_[m.row] : m.italic != 0);
    line("}");
  }
  return Utf8ToCp932(t);
}

bool cPrintStyle::WriteStyleData(const std::string& fNam, std::string* error) const {
  return ReplaceFile(fNam, StyleDataBytes(), error);
}

bool cPrintStyle::WriteStyleFile(std::string* error) const {
  return ReplaceFile(StyleSheetFile(), StyleFileBytes(), error);
}

std::string StyleSizeText(double size) {
  const double shown = std::trunc(size * 10 + 0.99999) / 10;
  return VbNumberText(shown, true);
}

}  // namespace norva

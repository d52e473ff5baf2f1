#pragma once
// One report style (fonts of body text, headings, page header and formulas;
// page frame; margins; header and footer texts), kept in a style file
// "*.sty" and turned into the renderer's style sheet "style.dat".
//
// The program's style lives in one folder, the per-user style folder
// (PrnStyleDir): DocPath + "/style.sty" beside DocPath + "/style.dat".
// Shipped defaults of both are copied there at start-up when missing.
//
// Style file: CP932 text with CR LF, items as the BASIC run time's Write #
// writes them (texts in quotes, bare numbers, flags #TRUE# / #FALSE#, items
// separated by commas), version "Ver 1.2" as written:
//   "Ver 1.2"
//   "font name",size,#bold#,#italic#,#underline#     rows 0..7
//   FrameStyle,TopMargin,BottomMargin,LeftMargin,RightMargin
//   "header text","footer text"                       positions 0..2
// Read also: version 1.1 (twelve font rows, rows 8..11 ignored) and 1.0 (no
// version line, six font rows; the formula rows then take the body font,
// small formulas at 6 pt, neither bold, italic nor underlined).
#include <array>
#include <cstdint>
#include <string>

namespace norva {

class cPrintStyle {
 public:
  // Style rows: 0 body text, 1..4 headings 1..4, 5 page header and footer,
  // 6 formulas, 7 small formulas.
  static constexpr int kRows = 8;
  static constexpr int kRowsV10 = 6;
  static constexpr int kRowsV11 = 12;

  // Indexed members; an index outside 0..7 (0..2 for the texts) throws
  // std::out_of_range.
  const std::string& FontName(int i) const { return fontName_.at(i); }
  void SetFontName(int i, std::string v) { fontName_.at(i) = std::move(v); }
  double FontSize(int i) const { return fontSize_.at(i); }
  void SetFontSize(int i, double v) { fontSize_.at(i) = v; }
  bool FontBold(int i) const { return fontBold_.at(i); }
  void SetFontBold(int i, bool v) { fontBold_.at(i) = v; }
  bool FontItalic(int i) const { return fontItalic_.at(i); }
  void SetFontItalic(int i, bool v) { fontItalic_.at(i) = v; }
  bool FontUnderline(int i) const { return fontUnderline_.at(i); }
  void SetFontUnderline(int i, bool v) { fontUnderline_.at(i) = v; }
  const std::string& HeaderStr(int i) const { return headerStr_.at(i); }
  void SetHeaderStr(int i, std::string v) { headerStr_.at(i) = std::move(v); }
  const std::string& FooterStr(int i) const { return footerStr_.at(i); }
  void SetFooterStr(int i, std::string v) { footerStr_.at(i) = std::move(v); }

  int16_t FrameStyle = 0;  // 0 none, 1 rule under the text, 2 above, 3 both, 4 box
  int16_t TopMargin = 0;   // mm
  int16_t BottomMargin = 0;
  int16_t LeftMargin = 0;
  int16_t RightMargin = 0;

  // The folder of "style.sty" and "style.dat".
  void SetDocPath(std::string path) { docPath_ = std::move(path); }
  const std::string& DocPath() const { return docPath_; }
  std::string StyleFile() const { return docPath_ + "/style.sty"; }
  std::string StyleSheetFile() const { return docPath_ + "/style.dat"; }

  // Reads a style file into this object. True on success. A missing file or
  // one that is not a style file (too few items, a number or flag that does
  // not read, a version item "VER…" shorter than four characters) leaves the
  // object unchanged and gives false with the user's message in *error.
  bool ReadStyleData(const std::string& fNam, std::string* error);
  // Writes this object as a style file of version "Ver 1.2". The file is
  // replaced whole or not at all. True on success, else *error says why.
  bool WriteStyleData(const std::string& fNam, std::string* error) const;
  // Writes the renderer's style sheet StyleSheetFile(), replaced whole or not
  // at all. True on success, else *error says why.
  bool WriteStyleFile(std::string* error) const;

  // The style-file and style-sheet texts (CP932, CR LF) as written.
  std::string StyleDataBytes() const;
  std::string StyleFileBytes() const;

 private:
  std::array<std::string, kRows> fontName_{};
  std::array<double, kRows> fontSize_{};
  std::array<bool, kRows> fontBold_{};
  std::array<bool, kRows> fontItalic_{};
  std::array<bool, kRows> fontUnderline_{};
  std::array<std::string, 3> headerStr_{};
  std::array<std::string, 3> footerStr_{};
  std::string docPath_;
};

// The size as the style dialog shows it: rounded up to one decimal
// (10.52 shows "10.6", 10.5 "10.5", 12 "12").
std::string StyleSizeText(double size);

}  // namespace norva

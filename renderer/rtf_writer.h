#pragma once
// The RTF copy of the report: written in CP932 while the text flow lays the
// report out, with its fonts, paragraph styles, runs, pictures and tables.
#include <QFile>
#include <QThreadPool>
#include <array>
#include <cstdint>
#include <deque>
#include <future>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "renderer/render_hooks.h"
#include "renderer/style_sheet.h"

namespace norva {

class CTableRenderer;
struct TableCell;

struct RtfStyle {
  std::string name;       // CP932; empty for the page's default style
  std::string fontIndex;  // decimal text of a font-table index
  float size = 10.5f;     // points
  int32_t bold = 0, italic = 0, strikethru = 0, underline = 0;
  int32_t lineSpacingTwips = 0;  // 0: none
  int32_t indentTwips = 0;
};

struct RtfFont {
  std::string face;  // as the style sheet names it (CP932)
  int32_t charSet = 0;
  int32_t pitchAndFamily = 0;  // family in the high four bits, pitch in the low
  bool trueType = false;
  std::array<uint8_t, 10> panose{};
  std::string fullName;  // CP932
  // The installed face that stands in for it here (\falt), empty when the
  // face itself is installed or nothing stands in.
  std::string alternative;
};

class CRtfWriter : public IRtfSink {
 public:
  // workFolder as the caller gives it (CP932, "\" or "/" separators).
  explicit CRtfWriter(std::string workFolder);
  ~CRtfWriter() override;

  // Set-up, in this order, before Open.
  void EnsureFont(const std::string& face);
  std::string FontIndex(const std::string& face);
  void SetDefaultStyle(const std::string& fontName, float size, int32_t bold, int32_t italic,
                       int32_t strikethru, int32_t underline, float lineSpacing,
                       const std::string& indentLeft);
  void RegisterStyle(const ParaStyle& style);
  void SetPageSettings(const PageSettings& page) { page_ = page; }
  // Creates the file "KVDmmdd<n>.rtf" in the work folder and writes up to the
  // first paragraph; false when no file could be created.
  bool Open();

  // IRtfSink.
  void WriteText(int count, const char* buffer) override;
  void SetStyle(const char* name) override;
  void PageBreak() override;
  void SetSubscript(bool on) override { subscript_ = on; }
  void SetSuperscript(bool on) override { superscript_ = on; }
  void SetIndent(int twips) override;
  void WritePicture(const std::string& path, double naturalWidth, double naturalHeight,
                    double width, double height) override;
  void WriteInlinePicture(const std::string& path, double naturalWidth, double naturalHeight,
                          double width, double height) override;
  void WriteInlineSvg(const std::string& svg, double width, double height) override;
  void WriteTable(const CTableRenderer& table) override;
  void Close() override;
  std::string FilePath() const override { return path_; }

  const std::vector<RtfFont>& Fonts() const { return fonts_; }
  const std::vector<RtfStyle>& Styles() const { return styles_; }
  const RtfStyle& CurrentStyle() const { return currentStyle_; }

  // Text as the file holds it: double-byte characters, brackets, braces, "|"
  // and half-width katakana as "\'hh" escapes; a lone backslash doubled.
  static std::string Escape(std::string_view text);
  // Escape, with a word joiner (U+2060, "{\uc0\u8288}") between two one-byte
  // characters that are not blanks and non-breaking blanks ("\~") between two
  // such words, so that no reader breaks a number or a unit ("42202.35",
  // "(kN･m/m)") or parts a label from its number ("qmax=  80.89") across two
  // lines of a table cell.
  static std::string EscapeWordsWhole(std::string_view text);
  // A length text in twips: "cm", "mm", "inch", "%" of base, or bare twips; truncated.
  static int32_t ToTwips(std::string_view text, double base);
  // The file name for a day and a counter: "KVD" month day n ".rtf".
  static std::string FileName(int month, int day, int n);
  // PNG bytes of a picture file's content: an SVG (vector true) rendered at
  // 300 dpi at its natural size, or an image file. Empty when it cannot be read.
  static QByteArray PngOf(const QByteArray& content, bool vector, double naturalWidth,
                          double naturalHeight);

 private:
  void Write(std::string_view text);
  void Printf(const char* format, ...);
  void AddFont(const std::string& face);
  void FillStyle(RtfStyle& s, const std::string& fontName, float size, int32_t bold, int32_t italic,
                 int32_t strikethru, int32_t underline, float lineSpacing,
                 const std::string& indentLeft);
  void WriteParagraph(const RtfStyle& style, int index);
  // Paragraph and character properties of a style, "\li" through "\langfenp1041 ":
  // a paragraph of the text has its line spacing and a thick underline, an
  // entry of the style sheet neither.
  void WriteStyleFormat(const RtfStyle& s, bool paragraph);
  // One font for the low, high and double-byte characters, in the two orders
  // the file uses: paragraphs "\loch \hich \dbch", runs "\hich \dbch \loch".
  void WriteFonts(const std::string& index);
  // A run names the font of its paragraph's style, so a heading keeps its face.
  void WriteRunFont(const std::string& index);
  // wordsWhole: table cells, whose numbers and units a reader must not break.
  void WriteRuns(std::string_view text, std::string_view cellMark, const std::string& font,
                 bool wordsWhole = false);
  // A picture's content: SVG text (vector) or the bytes of an image file.
  struct PictureSource {
    QByteArray content;
    bool vector = false;
  };
  // The file read at once (a formula's file may be gone right after the call);
  // empty content when it cannot be read.
  static PictureSource ReadPictureFile(const std::string& path);
  void PictureGroup(PictureSource source, double naturalWidth, double naturalHeight, double width,
                    double height);
  // Has the picture's PNG made on the writer's threads; what is written after
  // it waits in memory until Drain.
  void QueuePicture(PictureSource source, double naturalWidth, double naturalHeight);
  // Writes the queued pictures, each followed by the text written after it.
  void Drain();
  void WriteOneLineRow(const std::string& text, int32_t code, int32_t x0, int32_t width);
  // The file's column widths (twips): the preview's, each at least as wide as
  // its longest number or unit needs, narrowed to `room` when wider.
  std::vector<double> ColumnWidths(const CTableRenderer& table, double room) const;
  void WriteGridRow(const CTableRenderer& table, int32_t r, int32_t x0,
                    const std::vector<double>& widths);
  void WriteCell(const TableCell& cell);
  void WriteCellText(const std::string& text);
  void BeginCellParagraph(int flag, int32_t code);
  std::string Border(const char* keyword, int32_t style) const;

  std::string workFolder_;
  std::string path_;  // UTF-8
  QFile file_;
  bool open_ = false;
  std::string runFont_ = "0";  // the default style's font index (table cells)
  bool superscript_ = false, subscript_ = false;
  // The paragraph after a table holds nothing yet.
  bool afterTable_ = false;
  std::vector<RtfFont> fonts_;
  RtfStyle defaultStyle_;
  std::vector<RtfStyle> styles_;
  RtfStyle currentStyle_;
  PageSettings page_;
  // The pictures whose PNG is still being made, in the file's order.
  struct PendingPicture {
    std::future<QByteArray> png;
    std::string after;  // the text written after the picture
  };
  std::deque<PendingPicture> pending_;
  QThreadPool pictureThreads_;
};

}  // namespace norva

#pragma once
// Reader of the report markup (CP932 bytes, HTML-like tags, entities) and the
// text flow that lays it out on a page composer. Table and formula renderers
// derive from it and share its tokenizer.
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "renderer/markup_chars.h"
#include "renderer/page_composer.h"
#include "renderer/render_hooks.h"
#include "renderer/style_sheet.h"

namespace norva {

class QtMathMetrics;

// State of one report run, shared by every pass of that run.
struct RenderRun {
  StyleSheet sheet;
  std::array<int32_t, 10> SecNoCounters{};
  std::string workFolder;
  double indentUnit = 0;  // twips: width of four blanks of the report font
  // The fonts of the sheet's formula styles, made at the first formula.
  std::shared_ptr<QtMathMetrics> mathMetrics;
};

// Tag ids.
enum TagId : int {
  kTagImg = 13,
  kTagBody = 21,
  kTagBr = 24,
  kTagPre = 26,
  kTagTable = 43,
  kTagTd = 46,
  kTagMath = 50,
  kTagSup = 56,
  kTagSub = 57,
  kTagHtml = 65,
  kTagProtect = 68,
  kTagIndent = 69,
  kTagRp = 70,
  kTagColwidth = 71,
  kTagToh = 72,
  kTagTof = 73,
  kTagHeader = 74,
  kTagLoop = 75,
  kTagFotter = 76,
  kTagTl = 77,
  kTagCtable = 78,
  kTagFont = 79,
  kTagPort = 901,
  kTagLand = 902,
  kTagNone = 999  // the stop tag of the top-level pass
};

// Token results besides tag ids.
inline constexpr int kTokEnd = -1;
inline constexpr int kTokText = -2;
inline constexpr int kTokWhite = -3;

// The page composer's text of a run of CP932 bytes in the given face:
// Symbol takes the bytes as symbol-font codes.
QString DecodeRun(std::string_view bytes, const QString& faceName);
QString DecodeCp932(std::string_view bytes);

// WIDTH or HEIGHT of an "img" in twips: "n%" of the natural size, "nmm",
// "ncm", or a bare number of twips; empty gives 0.
double ImageLength(const std::string& text, double natural);

// Page setup from the style sheet: margins, border pen, header and footer,
// "Normal" and every paragraph style (a repeated name keeps its first record,
// which is the one the style tags select).
void ApplyPageSetup(PageComposer& composer, const StyleSheet& sheet);

// A picture file named by markup (CP932, "\" separators): the SVG that
// stands for a metafile name, or an image file. resolved gets the UTF-8 path
// opened; null when there is none.
std::shared_ptr<ComposerPicture> LoadMarkupPicture(const std::string& src, std::string* resolved);

class CMarkupRenderer {
 public:
  static constexpr size_t kRunCapacity = 5119;

  CMarkupRenderer(IRenderProgress* progress, PageComposer* composer, RenderRun& run);
  virtual ~CMarkupRenderer();

  // Top-level pass over the whole text: -1 when read to the end, 0 when cancelled.
  int32_t Render(std::string_view text, IRtfSink* rtf);
  int32_t RenderFlow(IRenderProgress* progress, int stopTag, bool topLevel);

  // Tokenizer.
  int NextToken();
  void Rewind() { cursor_ = tokenStart_; }
  void SkipTag();
  // At a "<": the tag id (0 for an unknown name), or -1 when it starts no tag.
  int LookupTag();
  // name points after the "&": the entity code or 0; *length gets the name's length.
  int LookupEntity(size_t namePos, size_t* length) const;
  // Reads the attributes of the current tag through its ">"; calls take(name, value)
  // for each one that has a value.
  template <typename Take>
  void ReadAttrs(Take take);
  double ReadIndentAttrs();
  void ReadFontAttrs(std::string* face, int32_t* size);
  void ReadImgAttrs(std::string* src, std::string* width, std::string* height);

  double LineHeight() const;

  // Hand-overs.
  void KeepTogether(bool topLevel);
  void PlaceImage(bool writeRtf);
  // With the cursor on an opening "table" tag: lays the table out at
  // MarginLeft + IndentLeft and CurrentY and leaves the cursor after it.
  void RenderTable(bool writeRtf);
  // With the cursor on an opening "math" tag: typesets the formula at the
  // current position and leaves the cursor after it.
  void PlaceMath(bool writeRtf);

  // Accessors for derived renderers and tests.
  size_t Cursor() const { return cursor_; }
  void SetCursor(size_t c) { cursor_ = c; }
  std::string_view Text() const { return text_; }
  bool Closing() const { return closing_; }
  std::string_view TagName() const { return tagName_; }
  int Ch() const { return ch_; }
  PageComposer* Composer() const { return composer_; }
  IRtfSink* Rtf() const { return rtf_; }
  RenderRun& Run() const { return run_; }
  void SetText(std::string_view text) {
    text_ = text;
    cursor_ = 0;
    tokenStart_ = 0;
  }

 protected:
  unsigned char ByteAt(size_t pos) const {
    return pos < text_.size() ? static_cast<unsigned char>(text_[pos]) : 0;
  }
  // Skips an element whose renderer is not part of this library yet: the
  // cursor moves past the closing tag of the given id (or to the end).
  void SkipElement(int tagId);

 private:
  void SkipLineEnd();
  // The font a <FONT> tag replaced, put back by its closing tag.
  struct SavedFont {
    bool saved = false;
    QString face;
    double size = 0;
  };
  // The tag handlers of RenderFlow; the cursor stands on the tag.
  void PreTag();
  void FontTag(SavedFont& saved);
  void SubSupTag(bool sub, bool rtfHere);
  void Flush(std::string& run, bool topLevel);
  void FlushText(std::string& run);
  void Append(std::string& run, unsigned char byte, bool topLevel);
  void StyleTag(std::string& run, bool topLevel);

  IRenderProgress* progress_;
  PageComposer* composer_;
  RenderRun& run_;
  std::string_view text_;
  size_t cursor_ = 0;
  size_t tokenStart_ = 0;
  bool closing_ = false;
  std::string_view tagName_;
  bool comment_ = false;  // "<!...>" or "<?...>"
  int ch_ = 0;
  bool inPre_ = false;
  IRtfSink* rtf_ = nullptr;
  // Saved by an opening "pre".
  bool preSaved_ = false;
  int preAlign_ = 0;
  int32_t preLineSpacing_ = 100;
  int32_t preIndent_ = 0;
  QString preFont_;
};

template <typename Take>
void CMarkupRenderer::ReadAttrs(Take take) {
  for (;;) {
    const unsigned char c = ByteAt(cursor_);
    if (c == 0) return;
    if (c == '>') {
      ++cursor_;
      return;
    }
    if (IsMarkupBlank(c)) {
      ++cursor_;
      continue;
    }
    const size_t nameStart = cursor_;
    while (true) {
      const unsigned char b = ByteAt(cursor_);
      if (b == 0 || IsMarkupBlank(b) || b == '=' || b == '>') break;
      ++cursor_;
    }
    const std::string_view name = text_.substr(nameStart, cursor_ - nameStart);
    while (IsMarkupBlank(ByteAt(cursor_))) ++cursor_;
    if (ByteAt(cursor_) != '=') continue;  // no value
    ++cursor_;
    while (IsMarkupBlank(ByteAt(cursor_))) ++cursor_;
    const unsigned char q = ByteAt(cursor_);
    if (q == '"' || q == '\'') {
      const size_t start = cursor_ + 1;
      const size_t close = text_.find(static_cast<char>(q), start);
      if (close == std::string_view::npos) {
        cursor_ = text_.size();
        return;
      }
      cursor_ = close + 1;
      take(name, text_.substr(start, close - start));
      continue;
    }
    const size_t start = cursor_;
    while (true) {
      const unsigned char b = ByteAt(cursor_);
      if (b == 0 || IsMarkupBlank(b) || b == '>' || b == ',') break;
      ++cursor_;
    }
    const std::string_view value = text_.substr(start, cursor_ - start);
    if (ByteAt(cursor_) == ',') ++cursor_;
    take(name, value);
  }
}

}  // namespace norva

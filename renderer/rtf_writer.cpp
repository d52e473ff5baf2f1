#include "renderer/rtf_writer.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QSvgRenderer>
#include <QThreadPool>
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "renderer/markup_chars.h"
#include "renderer/markup_renderer.h"
#include "renderer/page_composer.h"
#include "renderer/png_encoder.h"
#include "renderer/table_renderer.h"
#include "text/cp932.h"

namespace norva {

namespace {

constexpr int32_t kPaperWidth = 11906;  // A4 portrait, twips
constexpr int32_t kPaperHeight = 16838;
constexpr double kCellExtra = 210;  // every cell is this much wider in the file
constexpr double kPictureDpi = 300;

// ASCII letters compared without case; the bytes of double-byte characters exactly.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (IsCp932Lead(x) && i + 1 < a.size() && IsCp932Trail(static_cast<unsigned char>(a[i + 1]))) {
      if (x != y || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (std::tolower(x) != std::tolower(y)) return false;
  }
  return true;
}

std::string Lowered(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = AsciiLower(c);
  return s;
}

// Binary noise of a product must not lose a whole twip when truncated.
int32_t Trunc(double v) {
  if (!std::isfinite(v)) return 0;
  v = std::clamp(v, -2.0e9, 2.0e9);
  return static_cast<int32_t>(std::trunc(v + (v >= 0 ? 1e-7 : -1e-7)));
}

std::string Str(int32_t v) { return std::to_string(v); }

bool HeadingName(const std::string& name) {
  return !name.empty() && (name[0] == 'h' || name[0] == 'H');
}

int32_t HeadingNumber(const std::string& name) {
  return LeadingInteger(std::string_view(name).substr(1));
}

const char* VerticalClass(int32_t code) {
  if (code >= 0 && code <= 2) return "\\clvertalt";
  if (code >= 3 && code <= 5) return "\\clvertalc";
  return "\\clvertalb";
}

}  // namespace

CRtfWriter::CRtfWriter(std::string workFolder) : workFolder_(std::move(workFolder)) {}

CRtfWriter::~CRtfWriter() {
  if (open_) Close();
}

std::string CRtfWriter::FileName(int month, int day, int n) {
  char name[40];
  std::snprintf(name, sizeof name, "KVD%02d%02d%d.rtf", month, day, n);
  return name;
}

// ---- fonts and styles --------------------------------------------------------

void CRtfWriter::EnsureFont(const std::string& face) {
  for (const RtfFont& f : fonts_) {
    if (SameName(f.face, face)) return;
  }
  AddFont(face);
}

void CRtfWriter::AddFont(const std::string& face) {
  // One entry per face. A face that is not installed still gets its entry,
  // so the styles that name it stay valid; the reader substitutes a font.
  const QString name = DecodeCp932(face);
  const QString family = MappedFamily(name);
  RtfFont font;
  font.face = face;
  font.fullName = face;
  bool highBytes = false;
  for (char c : face) highBytes = highBytes || static_cast<unsigned char>(c) >= 0x80;
  const bool installed = QFontDatabase::families().contains(family, Qt::CaseInsensitive);
  // Readers that do not have the style sheet's face take the one that stands
  // in for it on this system; readers that have it keep it.
  if (installed && family.compare(name, Qt::CaseInsensitive) != 0) {
    font.alternative = Utf8ToCp932(family.toStdString());
  }
  if (IsSymbolFace(name))
    font.charSet = 2;
  else if (highBytes || family.startsWith(QLatin1String("IPA")))
    font.charSet = 128;
  else
    font.charSet = 0;
  const QString lower = name.toLower();
  const bool fixed = installed && QFontDatabase::isFixedPitch(family);
  const bool proportional =
      lower.contains(QStringLiteral("ｐ")) || lower.contains(QStringLiteral("p"));
  int familyCode = 0;  // other
  if (lower.contains(QStringLiteral("明朝")) || lower.contains(QLatin1String("mincho")))
    familyCode = 1;
  else if (lower.contains(QStringLiteral("ゴシック")) || lower.contains(QLatin1String("gothic")))
    familyCode = proportional ? 2 : 3;
  else if (IsSymbolFace(name))
    familyCode = 1;
  const int pitch = (fixed || (font.charSet == 128 && !proportional)) ? 1 : 2;
  font.pitchAndFamily = (familyCode << 4) | pitch;
  if (installed) {
    const QRawFont raw = QRawFont::fromFont(QFont(family));
    const QByteArray os2 = raw.isValid() ? raw.fontTable("OS/2") : QByteArray();
    if (os2.size() >= 42) {
      font.trueType = true;
      for (int i = 0; i < 10; ++i)
        font.panose[static_cast<size_t>(i)] = static_cast<uint8_t>(os2[32 + i]);
    }
  }
  fonts_.push_back(font);
}

std::string CRtfWriter::FontIndex(const std::string& face) {
  for (size_t i = 0; i < fonts_.size(); ++i) {
    if (SameName(fonts_[i].face, face)) return std::to_string(i);
  }
  const std::string index = std::to_string(fonts_.size());
  AddFont(face);
  return index;
}

void CRtfWriter::FillStyle(RtfStyle& s, const std::string& fontName, float size, int32_t bold,
                           int32_t italic, int32_t strikethru, int32_t underline, float lineSpacing,
                           const std::string& indentLeft) {
  s.fontIndex = FontIndex(fontName);
  s.size = size;
  s.bold = bold;
  s.italic = italic;
  s.strikethru = strikethru;
  s.underline = underline;
  const std::string indent = Lowered(indentLeft);
  const double n = LeadingNumber(indent);
  if (indent.find("mm") != std::string::npos)
    s.indentTwips = Trunc(n * 56.69291338582678);
  else if (indent.find("cm") != std::string::npos)
    s.indentTwips = Trunc(n * 566.9291338582677);
  else
    s.indentTwips = Trunc(n);
  // Percent of the size in points, in twips: ls / 100 * size * 20.
  s.lineSpacingTwips =
      lineSpacing != 100.0f
          ? Trunc(static_cast<double>(lineSpacing) * static_cast<double>(size) * 20.0 / 100.0)
          : 0;
}

void CRtfWriter::SetDefaultStyle(const std::string& fontName, float size, int32_t bold,
                                 int32_t italic, int32_t strikethru, int32_t underline,
                                 float lineSpacing, const std::string& indentLeft) {
  defaultStyle_ = RtfStyle{};
  FillStyle(defaultStyle_, fontName, size, bold, italic, strikethru, underline, lineSpacing,
            indentLeft);
  runFont_ = defaultStyle_.fontIndex;
  currentStyle_ = defaultStyle_;
}

void CRtfWriter::RegisterStyle(const ParaStyle& p) {
  RtfStyle* target = nullptr;
  for (RtfStyle& s : styles_) {
    if (SameName(s.name, p.name)) target = &s;
  }
  if (!target) {
    styles_.push_back(RtfStyle{});
    target = &styles_.back();
  }
  target->name = p.name;
  FillStyle(*target, p.fontName, p.fontSize, p.bold, p.italic, p.strikethru, p.underline,
            p.lineSpacing, p.indentLeft);
}

// ---- the file ------------------------------------------------------------------

void CRtfWriter::Write(std::string_view text) {
  if (!open_ || text.empty()) return;
  if (!pending_.empty()) {
    pending_.back().after.append(text);
    return;
  }
  file_.write(text.data(), static_cast<qint64>(text.size()));
}

void CRtfWriter::Printf(const char* format, ...) {
  char small[512];
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  if (n < 0) {
    va_end(copy);
    return;
  }
  if (static_cast<size_t>(n) < sizeof small) {
    Write(std::string_view(small, static_cast<size_t>(n)));
  } else {
    std::string big(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(big.data(), big.size(), format, copy);
    big.resize(static_cast<size_t>(n));
    Write(big);
  }
  va_end(copy);
}

bool CRtfWriter::Open() {
  QString folder = DecodeCp932(workFolder_);
  folder.replace(u'\\', u'/');
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) return false;
  if (!folder.endsWith(u'/')) folder += u'/';
  const QDate today = QDate::currentDate();
  for (int n = 0; n < 100000; ++n) {
    const QString path = folder + QString::fromStdString(FileName(today.month(), today.day(), n));
    if (QFileInfo::exists(path)) continue;
    file_.setFileName(path);
    // A name taken meanwhile by someone else moves on to the next one.
    if (file_.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
      path_ = path.toStdString();
      open_ = true;
      break;
    }
    if (QFileInfo::exists(path)) continue;
    return false;
  }
  if (!open_) return false;

  Write("{\\rtf1\\ansi\\ansicpg932\\uc2\\deff0\\deflang1033\\deflangfe1041");
  Write("{\\fonttbl");
  static const char* const kFamilies[] = {"fnil",    "froman",  "fswiss",
                                          "fmodern", "fscript", "fdecor"};
  for (size_t i = 0; i < fonts_.size(); ++i) {
    const RtfFont& f = fonts_[i];
    const int family = (f.pitchAndFamily >> 4) & 0x0F;
    Printf("{\\f%d\\%s", static_cast<int>(i),
           (family >= 1 && family <= 5) ? kFamilies[family] : "fnil");
    Printf("\\fcharset%d\\fprq%d", f.charSet, f.pitchAndFamily & 0x0F);
    if (f.trueType) {
      const auto& p = f.panose;
      Printf("{\\*\\panose %02x%02x%02x%02x%02x%02x%02x%02x%02x%02x}", p[0], p[1], p[2], p[3], p[4],
             p[5], p[6], p[7], p[8], p[9]);
    } else {
      Write(" ");
    }
    Write(Escape(f.fullName));
    if (!f.alternative.empty()) Printf("{\\*\\falt %s}", Escape(f.alternative).c_str());
    Write(";}");
  }
  Write("}");

  Write("{\\stylesheet");
  Write("{\\qj ");
  WriteStyleFormat(defaultStyle_, false);
  Write("\\snext0 Normal;}");
  for (size_t i = 0; i < styles_.size(); ++i) {
    const RtfStyle& s = styles_[i];
    Printf("{\\s%d\\qj ", static_cast<int>(i + 1));
    WriteStyleFormat(s, false);
    Write("\\snext0 ");
    if (HeadingName(s.name))
      Printf("heading %d", HeadingNumber(s.name));
    else
      Write(Escape(s.name));
    Write(";}");
  }
  Write("}");

  Printf("{\\info{\\title %s}}", Escape("\x96\xb3\x91\xe8").c_str());  // 無題
  Printf("\\paperw%d\\paperh%d", kPaperWidth, kPaperHeight);
  Printf("\\margl%d", ToTwips(page_.marginLeft, 0));
  Printf("\\margr%d", ToTwips(page_.marginRight, 0));
  Printf("\\margt%d", ToTwips(page_.marginTop, 0));
  Printf("\\margb%d", ToTwips(page_.marginBottom, 0));
  WriteParagraph(defaultStyle_, -1);
  currentStyle_ = defaultStyle_;
  return true;
}

void CRtfWriter::Close() {
  if (!open_) return;
  Write("}");
  Drain();
  file_.close();
  open_ = false;
}

int32_t CRtfWriter::ToTwips(std::string_view text, double base) {
  const std::string t = Lowered(text);
  const double n = LeadingNumber(t);
  if (t.find("cm") != std::string::npos) return Trunc(n * 1440.0 / 2.54);
  if (t.find("mm") != std::string::npos) return Trunc(n * 1440.0 / 25.4);
  if (t.find("inch") != std::string::npos) return Trunc(n * 1440.0);
  if (t.find('%') != std::string::npos) return Trunc(n * base / 100.0);
  return Trunc(n);
}

std::string CRtfWriter::Escape(std::string_view text) {
  static const char* const kHex = "0123456789abcdef";
  std::string out;
  out.reserve(text.size() * 2);
  auto hex = [&out](unsigned char b) {
    out += "\\'";
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (IsCp932Lead(b) && i + 1 < text.size() &&
        IsCp932Trail(static_cast<unsigned char>(text[i + 1]))) {
      hex(b);
      hex(static_cast<unsigned char>(text[i + 1]));
      ++i;
    } else if (b == '[' || b == ']' || b == '(' || b == ')' || b == '{' || b == '}' || b == '|' ||
               (b >= 0xA1 && b <= 0xDF)) {
      hex(b);
    } else if (b == '\\') {
      // A backslash of the report's text is text, not the start of a control word.
      out += "\\\\";
    } else {
      out += static_cast<char>(b);
    }
  }
  return out;
}

std::string CRtfWriter::EscapeWordsWhole(std::string_view text) {
  // A one-byte character other than a blank: part of a number, a unit or a
  // formula word, which a reader must not break inside.
  auto wordByte = [](unsigned char b) {
    return (b > 0x20 && b < 0x7F) || (b >= 0xA1 && b <= 0xDF);
  };
  std::string out;
  out.reserve(text.size() * 2);
  bool afterWord = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b == ' ' && afterWord) {
      // Blanks between two words of one-byte characters ("qmax=  80.89")
      // keep the pair on one line, as the preview shows it.
      const size_t next = text.find_first_not_of(' ', i);
      if (next != std::string_view::npos && wordByte(static_cast<unsigned char>(text[next]))) {
        for (; i < next; ++i) out += "\\~";
        --i;
        continue;
      }
    }
    const size_t n = IsCp932Lead(b) && i + 1 < text.size() &&
                             IsCp932Trail(static_cast<unsigned char>(text[i + 1]))
                         ? 2
                         : 1;
    out += Escape(text.substr(i, n));
    afterWord = n == 1 && wordByte(b);
    // A word joiner (U+2060) between two characters of one word.
    if (afterWord && i + 1 < text.size() && wordByte(static_cast<unsigned char>(text[i + 1]))) {
      out += "{\\uc0\\u8288}";
    }
    i += n - 1;
  }
  return out;
}

// ---- paragraphs and runs -------------------------------------------------------

void CRtfWriter::WriteParagraph(const RtfStyle& s, int index) {
  Write("\\pard\\plain ");
  if (!s.name.empty()) Printf("\\s%d", index + 1);
  Write("\\qj ");
  WriteStyleFormat(s, true);
}

void CRtfWriter::WriteStyleFormat(const RtfStyle& s, bool paragraph) {
  Printf("\\li%d\\ri0", s.indentTwips);
  if (paragraph && s.lineSpacingTwips != 0) Printf("\\sl%d", s.lineSpacingTwips);
  Write("\\nowidctlpar\\aspalpha\\aspnum\\faauto");
  if (HeadingName(s.name)) Printf("\\outlinelevel%d", HeadingNumber(s.name) - 1);
  Printf("\\adjustright\\rin0\\lin%d\\itap0 ", s.indentTwips);
  Printf("\\fs%d", Trunc(s.size * 2.0));
  if (s.bold) Write("\\b");
  if (s.italic) Write("\\i");
  if (s.strikethru) Write("\\strike");
  if (s.underline) Write(paragraph ? "\\ulth" : "\\ul");
  Write("\\lang1033\\langfe1041\\kerning2");
  WriteFonts(s.fontIndex);
  Write("\\cgrid\\langnp1033\\langfenp1041 ");
}

void CRtfWriter::WriteFonts(const std::string& index) {
  Printf("\\loch\\f%s\\hich\\af%s\\dbch\\af%s", index.c_str(), index.c_str(), index.c_str());
}

void CRtfWriter::WriteRunFont(const std::string& index) {
  Printf("\\hich\\af%s\\dbch\\af%s\\loch\\f%s", index.c_str(), index.c_str(), index.c_str());
}

void CRtfWriter::SetStyle(const char* name) {
  if (!name) {
    WriteParagraph(defaultStyle_, -1);
    currentStyle_ = defaultStyle_;
    return;
  }
  for (size_t i = 0; i < styles_.size(); ++i) {
    if (SameName(styles_[i].name, name)) {
      WriteParagraph(styles_[i], static_cast<int>(i));
      currentStyle_ = styles_[i];
      return;
    }
  }
}

void CRtfWriter::SetIndent(int twips) {
  currentStyle_.indentTwips = twips;
  WriteParagraph(currentStyle_, -1);
}

void CRtfWriter::PageBreak() {
  // A break that stands first after a table ends that paragraph first:
  // LibreOffice drops a break there.
  if (afterTable_) Write("\\par ");
  afterTable_ = false;
  Write("{ \\page }");
}

void CRtfWriter::WriteText(int count, const char* buffer) {
  if (count < 1 || !buffer) return;
  afterTable_ = false;
  const std::string& font = currentStyle_.fontIndex.empty() ? runFont_ : currentStyle_.fontIndex;
  WriteRuns(std::string_view(buffer, static_cast<size_t>(count)), {}, font);
}

void CRtfWriter::WriteRuns(std::string_view input, std::string_view cellMark,
                           const std::string& font, bool wordsWhole) {
  std::string text;
  text.reserve(input.size());
  for (char c : input) {
    if (c != '\n') text += c;
  }
  size_t start = 0;
  for (;;) {
    const size_t cr = text.find('\r', start);
    const bool ended = cr != std::string::npos;
    const std::string_view piece =
        std::string_view(text).substr(start, ended ? cr - start : std::string::npos);
    std::string escaped = wordsWhole ? EscapeWordsWhole(piece) : Escape(piece);
    if (!ended) escaped += cellMark;  // the cell mark closes the last run
    Write("{");
    if (superscript_) Write("\\super");
    if (subscript_) Write("\\sub");
    WriteRunFont(font);
    if (!escaped.empty()) Printf(" %s", escaped.c_str());
    if (ended) Write("\\par");
    Write("}");
    if (!ended || cr + 1 >= text.size()) {
      if (ended && !cellMark.empty()) {
        // A cell text never ends with a line end; should one come, the mark still closes the cell.
        Write("{");
        WriteRunFont(font);
        Write(" ");
        Write(cellMark);
        Write("}");
      }
      return;
    }
    start = cr + 1;
  }
}

// ---- pictures ----------------------------------------------------------------

QByteArray CRtfWriter::PngOf(const QByteArray& content, bool vector, double naturalWidth,
                             double naturalHeight) {
  const int dotsPerMeter = static_cast<int>(std::lround(kPictureDpi / 0.0254));
  QImage image;
  if (vector) {
    QSvgRenderer svg(content);
    if (!svg.isValid()) return {};
    const int w = std::max(1, static_cast<int>(std::ceil(naturalWidth / 1440.0 * kPictureDpi)));
    const int h = std::max(1, static_cast<int>(std::ceil(naturalHeight / 1440.0 * kPictureDpi)));
    if (static_cast<int64_t>(w) * h > 100'000'000) return {};  // beyond any page
    image = QImage(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      svg.render(&painter, QRectF(0, 0, w, h));
    }
    return EncodeOpaquePng(image, dotsPerMeter);
  }
  if (!image.loadFromData(content)) return {};
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

CRtfWriter::PictureSource CRtfWriter::ReadPictureFile(const std::string& path) {
  const QString name = QString::fromStdString(path);
  const QString ext = name.right(3).toLower();
  PictureSource source;
  source.vector =
      ext == QLatin1String("svg") || ext == QLatin1String("wmf") || ext == QLatin1String("emf");
  QFile file(name);
  if (file.open(QIODevice::ReadOnly)) source.content = file.readAll();
  return source;
}

void CRtfWriter::QueuePicture(PictureSource source, double nw, double nh) {
  if (!open_) return;
  // Rendering and encoding a picture takes far longer than laying out its
  // page: the layout and the PDF go on meanwhile. Painting on a QImage is
  // safe on any thread.
  auto task =
      std::make_shared<std::packaged_task<QByteArray()>>([source = std::move(source), nw, nh] {
        return PngOf(source.content, source.vector, nw, nh);
      });
  pending_.push_back({task->get_future(), {}});
  pictureThreads_.start([task] { (*task)(); });
}

void CRtfWriter::Drain() {
  for (PendingPicture& p : pending_) {
    QByteArray png;
    try {
      png = p.png.get();
    } catch (const std::exception&) {
      png.clear();  // written as a picture that could not be read
    }
    if (!png.isEmpty()) {
      const QByteArray hex = png.toHex();
      file_.write("\\pngblip ");
      file_.write(hex);
    } else {
      file_.write(" ");
    }
    file_.write(p.after.data(), static_cast<qint64>(p.after.size()));
  }
  pending_.clear();
}

void CRtfWriter::PictureGroup(PictureSource source, double nw, double nh, double w, double h) {
  Write("{\\pict ");
  Printf("\\picscalex%d\\picscaley%d", nw > 0 ? Trunc(w * 100.0 / nw) : 100,
         nh > 0 ? Trunc(h * 100.0 / nh) : 100);
  Write("\\piccropl0\\piccropr0\\piccropt0\\piccropb0");
  // Hundredths of a millimetre: twips * 2540 / 1440.
  Printf("\\picw%d", Trunc(nw * 2540.0 / 1440.0));
  Printf("\\pich%d", Trunc(nh * 2540.0 / 1440.0));
  Printf("\\picwgoal%d", Trunc(nw));
  Printf("\\pichgoal%d", Trunc(nh));
  QueuePicture(std::move(source), nw, nh);
  Write("}");
}

void CRtfWriter::WritePicture(const std::string& path, double nw, double nh, double w, double h) {
  afterTable_ = false;
  Write("\\pard \\qc ");
  PictureGroup(ReadPictureFile(path), nw, nh, w, h);
  Write("{ \\par }");
}

void CRtfWriter::WriteInlinePicture(const std::string& path, double nw, double nh, double w,
                                    double h) {
  afterTable_ = false;
  PictureGroup(ReadPictureFile(path), nw, nh, w, h);
}

void CRtfWriter::WriteInlineSvg(const std::string& svg, double w, double h) {
  afterTable_ = false;
  PictureGroup({QByteArray::fromStdString(svg), true}, w, h, w, h);
}

// ---- tables --------------------------------------------------------------------

std::string CRtfWriter::Border(const char* keyword, int32_t style) const {
  std::string s = keyword;
  switch (style) {
    case 1:
      s += "\\brdrs\\brdrw10 ";
      break;
    case 2:
      s += "\\brdrs\\brdrw20 ";
      break;
    case 3:
      s += "\\brdrdb\\brdrw10 ";
      break;
    default:
      s += "\\brdrnone ";
      break;
  }
  return s;
}

namespace {
const char* const kRowWidths = "\\trftsWidth1\\trftsWidthB3\\trftsWidthA3\\trautofit1";
const char* const kRowPadding = "\\trpaddl0\\trpaddr0\\trpaddfl3\\trpaddft3\\trpaddfb3\\trpaddfr3";
}  // namespace

namespace {

// The longest run of one-byte characters without a blank in a cell's markup
// (tags skipped, an entity one character, a blank entity a blank): the
// longest piece the word joiners keep on one line.
int LongestWordChars(std::string_view markup) {
  int longest = 0, run = 0;
  for (size_t i = 0; i < markup.size(); ++i) {
    const auto b = static_cast<unsigned char>(markup[i]);
    bool inWord = false;
    if (b == '<') {
      const size_t end = markup.find('>', i);
      if (end == std::string_view::npos) break;
      i = end;
      continue;  // a tag neither ends nor lengthens the run
    } else if (b == '&') {
      const size_t end = markup.find(';', i);
      const std::string_view name =
          markup.substr(i + 1, end == std::string_view::npos ? 0 : end - i - 1);
      inWord = end != std::string_view::npos && name != "sp" && name != "nbsp";
      if (end != std::string_view::npos) i = end;
    } else if (b == ' ' && run > 0) {
      // Blanks between two one-byte words are kept on the line with them.
      const size_t next = markup.find_first_not_of(' ', i);
      const auto c = next == std::string_view::npos ? 0 : static_cast<unsigned char>(markup[next]);
      if ((c > 0x20 && c < 0x7F && c != '<' && c != '&') || (c >= 0xA1 && c <= 0xDF)) {
        run += static_cast<int>(next - i);
        i = next - 1;
        continue;
      }
    } else if (IsCp932Lead(b) && i + 1 < markup.size()) {
      ++i;  // double-byte text breaks between any two characters
    } else {
      inWord = b > 0x20;
    }
    run = inWord ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  return longest;
}

}  // namespace

std::vector<double> CRtfWriter::ColumnWidths(const CTableRenderer& t, double room) const {
  std::vector<double> w;
  for (double c : t.ColWidth()) w.push_back(c + kCellExtra);
  // A reader may set one-byte text in a proportional Latin face, wider than
  // the half em the preview gives it: 0.65 em a character, and a margin.
  const double perChar = currentStyle_.size * 20.0 * 0.65;
  std::vector<double> least(w.size(), 0.0);
  for (int32_t r = 0; r < t.Rows(); ++r) {
    for (int32_t c = 0; c < t.Cols(); ++c) {
      const TableCell& cell = t.Cell(r, c);
      if (cell.kind != 0 || cell.colSpan != 0 || cell.rowSpan == -1) continue;
      const double need = LongestWordChars(cell.text) * perChar + 60;
      least[static_cast<size_t>(c)] = std::max(least[static_cast<size_t>(c)], need);
    }
  }
  for (size_t j = 0; j < w.size(); ++j) w[j] = std::max(w[j], least[j]);
  double total = 0;
  for (double x : w) total += x;
  if (total <= room) return w;
  // Too wide for the text width: narrow the columns alike, but none below
  // what its longest number needs; those keep that width and the others
  // narrow further.
  std::vector<bool> held(w.size(), false);
  for (;;) {
    double heldWidth = 0, free = 0;
    for (size_t j = 0; j < w.size(); ++j) (held[j] ? heldWidth : free) += held[j] ? least[j] : w[j];
    if (free <= 0 || heldWidth >= room) break;
    const double scale = (room - heldWidth) / free;
    bool changed = false;
    for (size_t j = 0; j < w.size(); ++j) {
      if (!held[j] && w[j] * scale < least[j]) held[j] = changed = true;
    }
    if (changed) continue;
    for (size_t j = 0; j < w.size(); ++j) w[j] = held[j] ? least[j] : w[j] * scale;
    return w;
  }
  // Not even the numbers fit: every column narrowed alike.
  for (double& x : w) x *= std::max(room, 0.0) / total;
  return w;
}

void CRtfWriter::WriteTable(const CTableRenderer& t) {
  if (!open_ || !t.HasGrid() || t.Cols() < 1) return;  // a row needs a cell
  const int32_t L = ToTwips(page_.marginLeft, 0);
  const int32_t R = ToTwips(page_.marginRight, 0);
  const double textWidth = kPaperWidth - L - R;
  double W = 0;
  for (double w : t.ColWidth()) W += w + kCellExtra;
  // The preview's widths where they fit the text width: a reader lays a wider
  // table past the right margin and cuts it.
  int32_t x0 = t.HAlign() == 0 ? currentStyle_.indentTwips : 0;
  const std::vector<double> widths = ColumnWidths(t, textWidth - std::max(x0, 0));
  double used = 0;
  for (double w : widths) used += w;
  if (t.HAlign() == 1)
    x0 = Trunc((textWidth - used) * 0.5);
  else if (t.HAlign() == 2)
    x0 = Trunc(textWidth - used);
  const double scale = W > 0 ? used / W : 1.0;
  const int32_t total = Trunc(std::min(t.TotalWidth(), W) * scale);
  for (const TitleLine& line : t.TitleLines()) WriteOneLineRow(line.text, line.align, x0, total);
  // Header, body and footer rows, in order.
  for (int32_t r = 0; r < t.Rows(); ++r) WriteGridRow(t, r, x0, widths);
  const int32_t noteWidth = Trunc(std::min(t.TotalWidth() + kCellExtra, W) * scale);
  for (const TitleLine& line : t.NoteLines()) {
    WriteOneLineRow(line.text, line.align, x0, noteWidth);
  }
  afterTable_ = true;
}

void CRtfWriter::WriteOneLineRow(const std::string& text, int32_t code, int32_t x0, int32_t width) {
  std::string d = "\\trowd \\trgaph0\\trleft" + Str(x0) + kRowWidths + kRowPadding;
  d += VerticalClass(code);
  d += "\\cltxlrtb\\clftsWidth3\\clwWidth" + Str(width) + "\\clshdrawnil \\cellx" + Str(x0 + width);
  Write(d);
  BeginCellParagraph(0, code);
  WriteCellText(text);
  BeginCellParagraph(1, 1);
  Printf("{%s\\row}", d.c_str());
}

void CRtfWriter::WriteGridRow(const CTableRenderer& t, int32_t r, int32_t x0,
                              const std::vector<double>& widths) {
  const int32_t rows = t.Rows(), cols = t.Cols();
  std::string d = "\\trowd \\trgaph0\\trleft" + Str(x0);
  if (cols > 0) {
    const TableCell& first = t.Cell(r, 0);
    d += Border("\\trbrdrt", first.top) + Border("\\trbrdrb", first.bottom) +
         Border("\\trbrdrl", first.left) + Border("\\trbrdrr", first.right) +
         Border("\\trbrdrh", first.bottom) + Border("\\trbrdrv", first.right);
  }
  d += kRowWidths;
  d += kRowPadding;

  // Where a merge of several rows and columns continues into this row, its
  // continuation is one cell as wide as the merge's first row, so the cell
  // boundaries agree from row to row.
  std::vector<int32_t> spanOfContinuation(static_cast<size_t>(std::max(cols, 0)), 0);
  std::vector<bool> insideContinuation(static_cast<size_t>(std::max(cols, 0)), false);
  for (int32_t i = 0; i < r; ++i) {
    for (int32_t c = 0; c < cols; ++c) {
      const TableCell& top = t.Cell(i, c);
      if (top.rowSpan > 0 && top.colSpan > 0 && i + top.rowSpan >= r) {
        bool intact = true;  // every cell below still covered by this merge
        for (int32_t j = c; j <= std::min(c + top.colSpan, cols - 1); ++j) {
          intact = intact && t.Cell(r, j).rowSpan == -1;
        }
        if (!intact) continue;
        spanOfContinuation[static_cast<size_t>(c)] = std::min(top.colSpan, cols - 1 - c);
        for (int32_t j = c + 1; j <= c + top.colSpan && j < cols; ++j)
          insideContinuation[static_cast<size_t>(j)] = true;
      }
    }
  }

  struct Written {
    const TableCell* cell;
  };
  std::vector<Written> written;
  int32_t x = x0;
  for (int32_t c = 0; c < cols; ++c) {
    const TableCell& cell = t.Cell(r, c);
    if (cell.colSpan == -1 && cell.rowSpan == 0) continue;
    if (insideContinuation[static_cast<size_t>(c)]) continue;
    int32_t colSpan = cell.colSpan > 0 ? cell.colSpan : 0;
    if (cell.rowSpan == -1) colSpan = spanOfContinuation[static_cast<size_t>(c)];
    const int32_t lastCol = std::min(c + colSpan, cols - 1);
    const int32_t lastRow = cell.rowSpan > 0 ? std::min(r + cell.rowSpan, rows - 1) : r;
    if (cell.rowSpan > 0)
      d += "\\clvmgf";
    else if (cell.rowSpan == -1)
      d += "\\clvmrg";
    d += VerticalClass(cell.align);
    d += Border("\\clbrdrt", cell.top);
    d += Border("\\clbrdrb", t.Cell(lastRow, c).bottom);
    d += Border("\\clbrdrl", cell.left);
    d += Border("\\clbrdrr", t.Cell(r, lastCol).right);
    d += "\\cltxlrtb";
    double width = 0;
    for (int32_t j = c; j <= lastCol; ++j) width += widths[static_cast<size_t>(j)];
    const int32_t w = Trunc(width);
    d += "\\clftsWidth3\\clwWidth" + Str(w) + "\\clshdrawnil";
    x += w;
    d += " \\cellx" + Str(x);
    written.push_back({&cell});
  }
  Write(d);
  for (const Written& w : written) WriteCell(*w.cell);
  Printf("{%s\\row}", d.c_str());
}

void CRtfWriter::BeginCellParagraph(int flag, int32_t code) {
  Write("\\pard\\plain ");
  if (flag == 1) {
    Write("\\ql");
  } else {
    const int32_t h = HorizontalOf(code);
    Write(h == 0 ? "\\qc" : h == 1 ? "\\ql" : "\\qr");
  }
  Write(" \\li0\\ri0\\nowidctlpar\\intbl\\aspalpha\\aspnum\\faauto\\adjustright");
  Write("\\rin0\\lin0 ");
  Printf("\\fs%d", Trunc(currentStyle_.size * 2.0));
  Write("\\lang1033\\langfe1041\\kerning2");
  WriteFonts(runFont_);
  Write("\\cgrid\\langnp1033\\langfenp1041 ");
}

void CRtfWriter::WriteCell(const TableCell& cell) {
  BeginCellParagraph(0, cell.align);
  if (cell.kind == 0) {
    WriteCellText(cell.text);
  } else {
    std::string resolved;
    if (cell.kind == 1 && !cell.image.src.empty() && LoadMarkupPicture(cell.image.src, &resolved)) {
      const double h = ToTwips(cell.image.height, cell.image.naturalHeight);
      const double w = ToTwips(cell.image.width, cell.image.naturalWidth);
      // Inside a cell the picture stays in the cell's table paragraph.
      PictureGroup(ReadPictureFile(resolved), cell.image.naturalWidth, cell.image.naturalHeight, w,
                   h);
    }
    Write("\\cell");
  }
  BeginCellParagraph(1, 1);
}

void CRtfWriter::WriteCellText(const std::string& text) {
  const bool keptSuper = superscript_, keptSub = subscript_;
  superscript_ = subscript_ = false;
  RenderRun run;
  PageComposer unused;
  CMarkupRenderer scan(nullptr, &unused, run);
  scan.SetText(text);
  std::string bytes;
  auto out = [&] {
    if (!bytes.empty()) WriteRuns(bytes, {}, runFont_, true);
    bytes.clear();
  };
  for (;;) {
    const size_t start = scan.Cursor();
    const int tok = scan.NextToken();
    if (tok == kTokEnd) break;
    if (tok < 0) {
      const auto b = static_cast<unsigned char>(scan.Ch());
      if (scan.Cursor() - start == 1 && (b == '\r' || b == '\n')) continue;
      if (bytes.size() < 5119) bytes.push_back(static_cast<char>(b));
      continue;
    }
    const bool closing = scan.Closing();
    scan.SkipTag();
    if (tok == kTagBr) {
      out();
      WriteRuns("\r\n", {}, runFont_);
    } else if (tok == kTagSup) {
      out();
      superscript_ = !closing;
    } else if (tok == kTagSub) {
      out();
      subscript_ = !closing;
    }
  }
  WriteRuns(bytes, "\\cell", runFont_, true);
  superscript_ = keptSuper;
  subscript_ = keptSub;
}

}  // namespace norva

#include "renderer/markup_renderer.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <algorithm>
#include <cmath>

#include "renderer/markup_chars.h"
#include "text/cp932.h"

namespace norva {

namespace {

struct TagEntry {
  const char* name;
  int id;
};
constexpr TagEntry kTags[] = {
    {"br", kTagBr},     {"body", kTagBody},     {"html", kTagHtml},
    {"font", kTagFont}, {"img", kTagImg},       {"indent", kTagIndent},
    {"math", kTagMath}, {"pre", kTagPre},       {"protect", kTagProtect},
    {"rp", kTagRp},     {"port", kTagPort},     {"land", kTagLand},
    {"sub", kTagSub},   {"sup", kTagSup},       {"table", kTagTable},
    {"td", kTagTd},     {"tl", kTagTl},         {"colwidth", kTagColwidth},
    {"toh", kTagToh},   {"tof", kTagTof},       {"header", kTagHeader},
    {"loop", kTagLoop}, {"fotter", kTagFotter}, {"ctable", kTagCtable}};

struct EntityEntry {
  const char* name;
  int code;
};
constexpr EntityEntry kEntities[] = {
    {"nbsp", 32},       {"sp", 32},         {"quot", 34},       {"shp", 35},
    {"amp", 38},        {"squo", 39},       {"sbquo", 44},      {"lt", 60},
    {"eq", 61},         {"gt", 62},         {"alpha", 97},      {"beta", 98},
    {"gamma", 103},     {"Gamma", 71},      {"delta", 100},     {"Delta", 68},
    {"epsi", 101},      {"zeta", 122},      {"eta", 104},       {"Theta", 81},
    {"thetav", 74},     {"theta", 113},     {"thetas", 113},    {"iota", 105},
    {"kappa", 107},     {"lambda", 108},    {"Lambda", 76},     {"mu", 109},
    {"nu", 110},        {"xi", 120},        {"Xi", 88},         {"pi", 112},
    {"piv", 118},       {"Pi", 80},         {"Psi", 121},       {"rho", 114},
    {"sigma", 115},     {"Sigma", 83},      {"sigmav", 86},     {"tau", 116},
    {"upsi", 117},      {"Upsi", 85},       {"phi", 102},       {"phis", 102},
    {"Phi", 70},        {"phiv", 106},      {"chi", 99},        {"psi", 121},
    {"omega", 119},     {"Omega", 87},      {"bracket1t", 236}, {"bracket1m", 237},
    {"bracket1b", 238}, {"bracket2t", 252}, {"bracket2m", 253}, {"bracket2b", 254}};
constexpr size_t kLongestEntity = 9;

// Unicode of a byte of the Symbol font.
char16_t SymbolChar(unsigned char b) {
  static const char16_t upper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι',
                                     u'ϑ', u'Κ', u'Λ', u'Μ', u'Ν', u'Ο', u'Π', u'Θ', u'Ρ',
                                     u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
  static const char16_t lower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι',
                                     u'ϕ', u'κ', u'λ', u'μ', u'ν', u'ο', u'π', u'θ', u'ρ',
                                     u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
  if (b >= 'A' && b <= 'Z') return upper[b - 'A'];
  if (b >= 'a' && b <= 'z') return lower[b - 'a'];
  if (b >= 0xE6 && b <= 0xEF) {
    static const char16_t left[10] = {0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2,
                                      0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA};
    return left[b - 0xE6];
  }
  if (b >= 0xF6 && b <= 0xFE) {
    static const char16_t right[9] = {0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5,
                                      0x23A6, 0x23AB, 0x23AC, 0x23AD};
    return right[b - 0xF6];
  }
  switch (b) {
    case 0x22:
      return 0x2200;
    case 0x24:
      return 0x2203;
    case 0x27:
      return 0x220B;
    case 0x2A:
      return 0x2217;
    case 0x2D:
      return 0x2212;
    case 0x40:
      return 0x2245;
    case 0x5C:
      return 0x2234;
    case 0x5E:
      return 0x22A5;
    case 0x7E:
      return 0x223C;
    case 0xA3:
      return 0x2264;
    case 0xA5:
      return 0x221E;
    case 0xAE:
      return 0x2192;
    case 0xB0:
      return 0x00B0;
    case 0xB1:
      return 0x00B1;
    case 0xB3:
      return 0x2265;
    case 0xB4:
      return 0x00D7;
    case 0xB6:
      return 0x2202;
    case 0xB8:
      return 0x00F7;
    case 0xB9:
      return 0x2260;
    case 0xBB:
      return 0x2248;
    case 0xBC:
      return 0x2026;
    case 0xD5:
      return 0x220F;
    case 0xD6:
      return 0x221A;
    case 0xD7:
      return 0x22C5;
    case 0xE5:
      return 0x2211;
    case 0xF2:
      return 0x222B;
    default:
      return b < 0x80 ? static_cast<char16_t>(b) : u' ';
  }
}

RendererMessageHandler& MessageHandler() {
  static RendererMessageHandler handler;
  return handler;
}

}  // namespace

void SetRendererMessageHandler(RendererMessageHandler handler) {
  MessageHandler() = std::move(handler);
}

void ShowRendererMessage(const std::string& text) {
  if (MessageHandler()) {
    MessageHandler()(text);
    return;
  }
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
    QMessageBox::information(nullptr, QStringLiteral("Ravtek2"), QString::fromStdString(text));
  }
}

QString DecodeCp932(std::string_view bytes) { return QString::fromStdString(Cp932ToUtf8(bytes)); }

QString DecodeRun(std::string_view bytes, const QString& faceName) {
  if (!IsSymbolFace(faceName)) return DecodeCp932(bytes);
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b == '\r' || b == '\n' || b == ' ' || b == '\t')
      out.append(QChar(b));
    else
      out.append(QChar(SymbolChar(b)));
  }
  return out;
}

void ApplyPageSetup(PageComposer& c, const StyleSheet& s) {
  const PageSettings& p = s.page;
  c.SetMarginHeader(DecodeCp932(p.marginHeader));
  c.SetMarginFooter(DecodeCp932(p.marginFooter));
  c.SetMarginTop(DecodeCp932(p.marginTop));
  c.SetMarginBottom(DecodeCp932(p.marginBottom));
  c.SetMarginLeft(DecodeCp932(p.marginLeft));
  c.SetMarginRight(DecodeCp932(p.marginRight));
  c.SetPenStyle(p.pageBorderStyle);
  c.SetPenWidth(static_cast<double>(p.pageBorderWidth));
  c.SetPenColor(p.pageBorderColor);
  c.SetPageBorder(p.pageBorder);
  c.SetHeader(DecodeCp932(p.header));
  c.SetFooter(DecodeCp932(p.footer));
  c.HdrFont().name = DecodeCp932(p.hdrFontName);
  if (p.hdrFontSize > 0) c.HdrFont().size = p.hdrFontSize;
  c.HdrFont().bold = p.hdrFontBold != 0;
  c.HdrFont().italic = p.hdrFontItalic != 0;
  c.HdrFont().strikethru = p.hdrFontStrikethru != 0;
  c.HdrFont().underline = p.hdrFontUnderline != 0;

  auto setFont = [&c](const std::string& name, float size, int32_t b, int32_t i, int32_t st,
                      int32_t u, float ls, const std::string& indent) {
    c.SetFontName(DecodeCp932(name));
    c.SetFontSize(size);
    c.SetFontBold(b != 0);
    c.SetFontItalic(i != 0);
    c.SetFontStrikethru(st != 0);
    c.SetFontUnderline(u != 0);
    c.SetLineSpacing(ls);
    c.SetIndentLeft(DecodeCp932(indent));
  };
  setFont(p.fontName, p.fontSize, p.fontBold, p.fontItalic, p.fontStrikethru, p.fontUnderline,
          p.lineSpacing, p.indentLeft);
  c.AddStyle(QStringLiteral("Normal"));
  for (const ParaStyle* style : DistinctParaStyles(s)) {
    const ParaStyle& ps = *style;
    setFont(ps.fontName, ps.fontSize, ps.bold, ps.italic, ps.strikethru, ps.underline,
            ps.lineSpacing, ps.indentLeft);
    c.AddStyle(DecodeCp932(ps.name));
  }
}

// ---------------------------------------------------------------------------

CMarkupRenderer::CMarkupRenderer(IRenderProgress* progress, PageComposer* composer, RenderRun& run)
    : progress_(progress), composer_(composer), run_(run) {}

CMarkupRenderer::~CMarkupRenderer() = default;

int CMarkupRenderer::LookupTag() {
  size_t pos = cursor_ + 1;
  closing_ = false;
  comment_ = false;
  if (ByteAt(pos) == '/') {
    closing_ = true;
    ++pos;
  }
  const unsigned char first = ByteAt(pos);
  if (first == '!' || first == '?') {
    comment_ = true;
    ++pos;
  } else if (first != '>' && !IsAsciiLetter(first)) {
    return -1;
  }
  const size_t nameStart = pos;
  while (IsAsciiLetter(ByteAt(pos)) || IsAsciiDigit(ByteAt(pos))) ++pos;
  tagName_ = text_.substr(nameStart, pos - nameStart);
  cursor_ = pos;
  if (comment_ || tagName_.empty()) return 0;
  for (const TagEntry& t : kTags) {
    if (EqualNoCase(tagName_, t.name)) return t.id;
  }
  return 0;
}

int CMarkupRenderer::LookupEntity(size_t namePos, size_t* length) const {
  // A name longer than every entity cannot match, so the ";" is looked for
  // only that far.
  const size_t semi = text_.find(';', namePos);
  if (semi == std::string_view::npos || semi - namePos > kLongestEntity) return 0;
  const std::string_view name = text_.substr(namePos, semi - namePos);
  for (const EntityEntry& e : kEntities) {
    if (name == e.name) {
      *length = name.size();
      return e.code;
    }
  }
  return 0;
}

int CMarkupRenderer::NextToken() {
  tokenStart_ = cursor_;
  const unsigned char c = ByteAt(cursor_);
  ch_ = c;
  if (c == '<') {
    const int id = LookupTag();
    if (id >= 0) return id;
    cursor_ = tokenStart_;
  }
  if (c == '&' && IsAsciiLetter(ByteAt(cursor_ + 1))) {
    size_t len = 0;
    const int code = LookupEntity(cursor_ + 1, &len);
    if (code != 0) {
      cursor_ += len + 2;
      ch_ = code;
      return kTokText;
    }
  }
  if (c == 0) return kTokEnd;
  ++cursor_;
  return c <= 32 ? kTokWhite : kTokText;
}

void CMarkupRenderer::SkipTag() {
  while (cursor_ < text_.size() && ByteAt(cursor_) != '>') ++cursor_;
  if (cursor_ < text_.size()) ++cursor_;
}

void CMarkupRenderer::SkipLineEnd() {
  if (ByteAt(cursor_) == '\r') ++cursor_;
  if (ByteAt(cursor_) == '\n') ++cursor_;
}

double CMarkupRenderer::ReadIndentAttrs() {
  double no = 0;
  ReadAttrs([&no](std::string_view name, std::string_view value) {
    if (EqualNoCase(name, "NO")) no = LeadingNumber(value);
  });
  return no;
}

void CMarkupRenderer::ReadFontAttrs(std::string* face, int32_t* size) {
  ReadAttrs([&](std::string_view name, std::string_view value) {
    if (EqualNoCase(name, "FACE"))
      *face = std::string(value);
    else if (EqualNoCase(name, "SIZE"))
      *size = LeadingInteger(value);
  });
}

void CMarkupRenderer::ReadImgAttrs(std::string* src, std::string* width, std::string* height) {
  ReadAttrs([&](std::string_view name, std::string_view value) {
    if (EqualNoCase(name, "SRC"))
      *src = std::string(value);
    else if (EqualNoCase(name, "WIDTH"))
      *width = std::string(value);
    else if (EqualNoCase(name, "HEIGHT"))
      *height = std::string(value);
  });
}

double CMarkupRenderer::LineHeight() const {
  return composer_->LineSpacing() / 100.0 * composer_->TextHeight(QStringLiteral("唖"));
}

void CMarkupRenderer::FlushText(std::string& run) {
  composer_->Text(DecodeRun(run, composer_->FontName()));
  run.clear();
}

void CMarkupRenderer::Flush(std::string& run, bool topLevel) {
  if (topLevel && rtf_) rtf_->WriteText(static_cast<int>(run.size()), run.data());
  FlushText(run);
}

void CMarkupRenderer::Append(std::string& run, unsigned char byte, bool topLevel) {
  if (run.size() >= kRunCapacity) {
    // A full run goes out and the text goes on in the next one, so nothing
    // is lost; a lead byte waiting for its trail byte moves on with it.
    size_t i = 0;
    bool danglingLead = false;
    while (i < run.size()) {
      if (IsCp932Lead(static_cast<unsigned char>(run[i]))) {
        if (i + 1 >= run.size()) {
          danglingLead = true;
          break;
        }
        i += 2;
      } else {
        ++i;
      }
    }
    std::string carry;
    if (danglingLead) {
      carry = run.substr(run.size() - 1);
      run.pop_back();
    }
    Flush(run, topLevel);
    run = carry;
  }
  run.push_back(static_cast<char>(byte));
}

void CMarkupRenderer::StyleTag(std::string& run, bool topLevel) {
  if (comment_ || tagName_.empty()) return;  // comments and "<>" only vanish
  if (closing_) {
    run += "\r\n";
    if (topLevel && rtf_) {
      rtf_->WriteText(static_cast<int>(run.size()), run.data());
      rtf_->SetStyle(nullptr);
    }
    FlushText(run);
    composer_->ApplyStyle(QStringLiteral("Normal"));
    return;
  }
  const ParaStyle* chosen = nullptr;
  for (const ParaStyle& s : run_.sheet.paraStyles) {
    if (s.name.size() >= tagName_.size() &&
        EqualNoCase(std::string_view(s.name).substr(0, tagName_.size()), tagName_)) {
      chosen = &s;
      break;
    }
  }
  if (!chosen) return;
  if (topLevel && rtf_) rtf_->SetStyle(chosen->name.c_str());
  composer_->ApplyStyle(DecodeCp932(chosen->name));
  composer_->SetCurrentX(composer_->MarginLeft() + composer_->IndentLeft());
  if (!topLevel || run_.sheet.page.secno == 0) return;
  const std::string& name = chosen->name;
  if (name.empty() || (name[0] != 'h' && name[0] != 'H')) return;
  const int32_t level = LeadingInteger(std::string_view(name).substr(1)) - 1;
  if (level < 0 || level > 9) return;
  for (int32_t i = level + 1; i < 10; ++i) run_.SecNoCounters[static_cast<size_t>(i)] = 0;
  ++run_.SecNoCounters[static_cast<size_t>(level)];
  std::string number;
  for (int32_t i = 0; i <= level; ++i) {
    number += std::to_string(run_.SecNoCounters[static_cast<size_t>(i)]);
    if (i < level || level == 0) number += '.';
  }
  number += ' ';
  for (char c : number) Append(run, static_cast<unsigned char>(c), topLevel);
}

int32_t CMarkupRenderer::Render(std::string_view text, IRtfSink* rtf) {
  composer_->SetFontName(QStringLiteral("ＭＳ 明朝"));
  composer_->SetFontSize(10.5);
  composer_->SetLineSpacing(110);
  run_.indentUnit = composer_->TextWidth(QStringLiteral("    "));
  // The markup ends at its first NUL, like the caller's C string.
  const size_t nul = text.find('\0');
  text_ = nul == std::string_view::npos ? text : text.substr(0, nul);
  cursor_ = 0;
  tokenStart_ = 0;
  inPre_ = false;
  rtf_ = rtf;
  return RenderFlow(progress_, kTagNone, true);
}

int32_t CMarkupRenderer::RenderFlow(IRenderProgress* progress, int stopTag, bool topLevel) {
  composer_->ApplyStyle(QStringLiteral("Normal"));
  std::string run;
  run.reserve(kRunCapacity + 2);
  SavedFont savedFont;
  const bool rtfHere = topLevel && rtf_ != nullptr;

  while (ByteAt(cursor_) != 0) {
    if (progress) {
      if (progress->CheckCancel()) return 0;
      progress->SetPercent(static_cast<int>(static_cast<uint64_t>(cursor_) * 100 / text_.size()));
    }
    int tok = NextToken();
    if (!inPre_) {
      while (tok == kTokWhite) tok = NextToken();
    }
    if (tok == stopTag && closing_) {
      SkipTag();
      break;
    }
    if (tok == kTokEnd) {
      Rewind();
      break;
    }
    switch (tok) {
      case kTagBody:
        SkipTag();
        continue;
      case kTagHtml:
        SkipTag();
        if (closing_) goto done;
        continue;
      case kTagProtect:
        if (!topLevel && !closing_) ShowRendererMessage("PROTECT TAG ERROR!");
        Flush(run, topLevel);
        if (closing_) {
          SkipTag();
        } else {
          SkipTag();
          KeepTogether(topLevel);
          SkipLineEnd();
        }
        continue;
      case kTagTable:
        Flush(run, topLevel);
        if (closing_)
          SkipTag();
        else {
          Rewind();
          RenderTable(rtfHere);
        }
        continue;
      case kTagMath:
        Flush(run, topLevel);
        if (closing_)
          SkipTag();
        else {
          Rewind();
          PlaceMath(rtfHere);
        }
        continue;
      case kTagPre:
        Flush(run, topLevel);
        PreTag();
        continue;
      case kTagIndent: {
        Flush(run, topLevel);
        const double no = ReadIndentAttrs();
        const double indent = std::trunc(no * run_.indentUnit);
        composer_->SetIndentLeft(indent);
        composer_->SetCurrentX(composer_->MarginLeft() + indent);
        if (rtfHere) rtf_->SetIndent(static_cast<int>(indent));
        continue;
      }
      case kTagBr:
        SkipTag();
        run += "\r\n";
        Flush(run, topLevel);
        continue;
      case kTagImg:
        Flush(run, topLevel);
        PlaceImage(rtfHere);
        if (rtfHere) rtf_->SetStyle(nullptr);
        composer_->ApplyStyle(QStringLiteral("Normal"));
        SkipLineEnd();
        continue;
      case kTagFont:
        Flush(run, topLevel);
        FontTag(savedFont);
        continue;
      case kTagRp:
        SkipTag();
        Flush(run, topLevel);
        if (rtfHere) rtf_->PageBreak();
        composer_->StartNewPage();
        continue;
      case kTagPort:
      case kTagLand:
        SkipTag();
        Flush(run, topLevel);
        if (rtfHere) rtf_->PageBreak();
        composer_->SetOrientation(tok == kTagPort ? 0 : 1);
        continue;
      case kTagSub:
      case kTagSup:
        SkipTag();
        Flush(run, topLevel);
        SubSupTag(tok == kTagSub, rtfHere);
        continue;
      case 0:
        Flush(run, topLevel);
        SkipTag();
        StyleTag(run, topLevel);
        continue;
      default:
        break;
    }
    // Text bytes, entity codes, and the "<" of tags that only tables know.
    if (inPre_ && tok == kTokWhite && ch_ == '\n') {
      Flush(run, topLevel);
      continue;
    }
    Append(run, static_cast<unsigned char>(ch_), topLevel);
  }
done:
  Flush(run, topLevel);
  return -1;
}

void CMarkupRenderer::PreTag() {
  if (!closing_) {
    if (inPre_) ShowRendererMessage("PRE TAG ERROR!");
    preAlign_ = composer_->ParagraphAlign();
    preLineSpacing_ = static_cast<int32_t>(composer_->LineSpacing());
    preIndent_ = static_cast<int32_t>(composer_->IndentLeft());
    preFont_ = composer_->FontName();
    preSaved_ = true;
    composer_->ApplyStyle(QStringLiteral("Normal"));
    composer_->SetCurrentX(composer_->MarginLeft() + composer_->IndentLeft());
    SkipTag();
    inPre_ = true;
    SkipLineEnd();
    return;
  }
  if (preSaved_) {
    composer_->SetParagraphAlign(preAlign_);
    composer_->SetLineSpacing(preLineSpacing_);
    composer_->SetIndentLeft(static_cast<double>(preIndent_));
    composer_->SetFontName(preFont_);
  }
  SkipTag();
  inPre_ = false;
}

void CMarkupRenderer::FontTag(SavedFont& saved) {
  if (closing_) {
    SkipTag();
    if (saved.saved) {
      composer_->SetFontName(saved.face);
      composer_->SetFontSize(saved.size);
    }
    return;
  }
  saved.saved = true;
  saved.face = composer_->FontName();
  saved.size = composer_->FontSize();
  std::string face;
  int32_t size = 0;
  ReadFontAttrs(&face, &size);
  if (!face.empty()) composer_->SetFontName(DecodeCp932(face));
  if (size > 0) composer_->SetFontSize(3.0 * size + 3.0);
}

void CMarkupRenderer::SubSupTag(bool sub, bool rtfHere) {
  const double factor = sub ? 0.8 : -0.1;  // down for sub, up for sup
  if (!closing_) {
    if (rtfHere) sub ? rtf_->SetSubscript(true) : rtf_->SetSuperscript(true);
    composer_->SetFontSize(composer_->FontSize() / 1.8);
    composer_->SetCurrentY(composer_->CurrentY() +
                           factor * composer_->TextHeight(QStringLiteral("0")));
  } else {
    if (rtfHere) sub ? rtf_->SetSubscript(false) : rtf_->SetSuperscript(false);
    composer_->SetCurrentY(composer_->CurrentY() -
                           factor * composer_->TextHeight(QStringLiteral("0")));
    composer_->SetFontSize(composer_->FontSize() * 1.8);
  }
}

void CMarkupRenderer::SkipElement(int tagId) {
  SkipTag();  // the opening tag
  for (;;) {
    const int tok = NextToken();
    if (tok == kTokEnd) return;
    if (tok == tagId && closing_) {
      SkipTag();
      return;
    }
  }
}

// ---------------------------------------------------------------------------

void CMarkupRenderer::KeepTogether(bool topLevel) {
  PageComposer* main = composer_;
  PageComposer measure;
  measure.SetPreview(true);
  measure.CopySettingsFrom(*main);
  ApplyPageSetup(measure, run_.sheet);
  const size_t savedCursor = cursor_;
  const size_t savedStart = tokenStart_;
  composer_ = &measure;
  measure.StartDoc();
  const int p0 = measure.ComposingPage();
  const double y0 = measure.CurrentY();
  RenderFlow(nullptr, kTagProtect, false);
  const double y1 = measure.CurrentY();
  bool pageBreak = measure.ComposingPage() != p0;
  if (!pageBreak) {
    const double room = main->PageHeight() - main->MarginBottom() - main->CurrentY();
    pageBreak = y1 - y0 > room;
  }
  composer_ = main;
  cursor_ = savedCursor;
  tokenStart_ = savedStart;
  if (pageBreak) {
    if (topLevel && rtf_) rtf_->PageBreak();
    main->StartNewPage();
  }
  measure.AbandonDoc();
}

std::shared_ptr<ComposerPicture> LoadMarkupPicture(const std::string& src, std::string* resolved) {
  QString path = DecodeCp932(src);
  path.replace(u'\\', u'/');
  if (path.isEmpty()) return nullptr;
  QString ext = path.right(3).toLower();
  if (!QFileInfo(path).isFile()) {
    // Figures are SVG files; a name still written with a metafile extension
    // finds its SVG beside it.
    if (ext != QLatin1String("wmf") && ext != QLatin1String("emf")) return nullptr;
    path = path.left(path.size() - 3) + QStringLiteral("svg");
    if (!QFileInfo(path).isFile()) return nullptr;
    ext = QStringLiteral("svg");
  }
  std::shared_ptr<ComposerPicture> picture;
  if (ext == QLatin1String("svg") || ext == QLatin1String("wmf") || ext == QLatin1String("emf")) {
    // An existing metafile may hold SVG text when written by this program.
    picture = ComposerPicture::FromSvgFile(path);
  } else if (ext == QLatin1String("bmp") || ext == QLatin1String("png")) {
    picture = ComposerPicture::FromImageFile(path);
  }
  if (picture && resolved) *resolved = path.toStdString();
  return picture;
}

double ImageLength(const std::string& text, double natural) {
  if (text.find('%') != std::string::npos) return LeadingNumber(text) * natural / 100.0;
  if (text.find("mm") != std::string::npos) return LeadingNumber(text) * 100.0 * 1440.0 / 2540.0;
  if (text.find("cm") != std::string::npos) return LeadingNumber(text) * 1000.0 * 1440.0 / 2540.0;
  return LeadingNumber(text);
}

void CMarkupRenderer::PlaceImage(bool writeRtf) {
  const double x0 = composer_->MarginLeft() + composer_->IndentLeft();
  std::string src, width, height;
  ReadImgAttrs(&src, &width, &height);
  std::string path;
  const std::shared_ptr<ComposerPicture> picture = LoadMarkupPicture(src, &path);
  if (!picture) return;
  composer_->SetPictureObject(picture);
  const double naturalW = composer_->AreaRight() - composer_->AreaLeft();
  const double naturalH = composer_->AreaBottom() - composer_->AreaTop();
  const double w = ImageLength(width, naturalW);
  const double h = ImageLength(height, naturalH);
  if (writeRtf && rtf_) rtf_->WritePicture(path, naturalW, naturalH, w, h);
  const double y = composer_->CurrentY();
  composer_->DrawPicture(picture, composer_->PageWidth() / 2 - w / 2, y, w, h);
  composer_->SetCurrentX(x0);
  composer_->SetCurrentY(y + h);
  composer_->SetPictureObject(nullptr);
}

}  // namespace norva

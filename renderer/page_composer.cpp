#include "renderer/page_composer.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace norva {

namespace {

constexpr double kTwipsPerPx = 1440.0 / 96.0;

class SvgPicture : public ComposerPicture {
 public:
  SvgPicture(QByteArray data, QSizeF natural)
      : data_(std::move(data)),
        natural_(natural),
        renderer_(std::make_shared<QSvgRenderer>(data_)) {}
  QSizeF NaturalSize() const override { return natural_; }
  void Paint(QPainter& painter, const QRectF& target) const override {
    renderer_->render(&painter, target);
  }
  bool valid() const { return renderer_->isValid(); }

 private:
  QByteArray data_;
  QSizeF natural_;
  std::shared_ptr<QSvgRenderer> renderer_;
};

class ImagePicture : public ComposerPicture {
 public:
  explicit ImagePicture(QImage image) : image_(std::move(image)) {}
  QSizeF NaturalSize() const override {
    const double dpiX = image_.dotsPerMeterX() > 0 ? image_.dotsPerMeterX() * 0.0254 : 96.0;
    const double dpiY = image_.dotsPerMeterY() > 0 ? image_.dotsPerMeterY() * 0.0254 : 96.0;
    return {image_.width() * 1440.0 / dpiX, image_.height() * 1440.0 / dpiY};
  }
  void Paint(QPainter& painter, const QRectF& target) const override {
    painter.drawImage(target, image_);
  }

 private:
  QImage image_;
};

class RecordingPicture : public ComposerPicture {
 public:
  RecordingPicture(QPicture picture, QSizeF natural)
      : picture_(std::move(picture)), natural_(natural) {}
  QSizeF NaturalSize() const override { return natural_; }
  void Paint(QPainter& painter, const QRectF& target) const override {
    if (natural_.width() <= 0 || natural_.height() <= 0) return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / natural_.width(), target.height() / natural_.height());
    painter.drawPicture(0, 0, picture_);
    painter.restore();
  }

 private:
  QPicture picture_;
  QSizeF natural_;
};

// An SVG length in twips; 0 when it cannot be read (or is a percentage).
double SvgLength(const QString& text) {
  static const QRegularExpression re(QStringLiteral("^\\s*([0-9.eE+-]+)\\s*([a-z%]*)\\s*$"),
                                     QRegularExpression::CaseInsensitiveOption);
  const auto m = re.match(text);
  if (!m.hasMatch()) return 0;
  bool ok = false;
  const double v = m.captured(1).toDouble(&ok);
  if (!ok || !std::isfinite(v) || v <= 0) return 0;
  const QString unit = m.captured(2).toLower();
  if (unit.isEmpty() || unit == QLatin1String("px")) return v * kTwipsPerPx;
  if (unit == QLatin1String("mm")) return v * 1440.0 / 25.4;
  if (unit == QLatin1String("cm")) return v * 1440.0 / 2.54;
  if (unit == QLatin1String("in")) return v * 1440.0;
  if (unit == QLatin1String("pt")) return v * 20.0;
  if (unit == QLatin1String("pc")) return v * 240.0;
  return 0;
}

QColor FromBgr(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

QPen MakePen(int bgr, int style, double width) {
  QPen pen(FromBgr(bgr));
  if (width <= 0) {
    pen.setWidthF(0);
    pen.setCosmetic(true);
  } else {
    pen.setWidthF(width);
  }
  switch (style) {
    case 1:
      pen.setStyle(Qt::DashLine);
      break;
    case 2:
      pen.setStyle(Qt::DotLine);
      break;
    case 3:
      pen.setStyle(Qt::DashDotLine);
      break;
    case 4:
      pen.setStyle(Qt::DashDotDotLine);
      break;
    case 5:
      pen.setStyle(Qt::NoPen);
      break;
    default:
      pen.setStyle(Qt::SolidLine);
      break;
  }
  return pen;
}

QString NormalizedFace(const QString& face) {
  QString out;
  for (QChar c : face) {
    char16_t u = c.unicode();
    if (u == u' ' || u == 0x3000) continue;
    if (u >= 0xFF01 && u <= 0xFF5E) u = static_cast<char16_t>(u - 0xFF01 + 0x21);
    out.append(QChar(u).toLower());
  }
  return out;
}

bool IsWordChar(QChar c) { return !c.isSpace() && c.unicode() < 0x2E80; }

// Punctuation that must not begin a line: it hangs at the end of the line before.
bool NoLineStart(QChar c) {
  static const QString set = QStringLiteral("。、，．・：；？！）」』】〕〉》］｝ー");
  return set.contains(c);
}

// The lines of a text: CR LF, LF CR, CR or LF ends one.
QStringList SplitLines(const QString& s) {
  static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n\r|\r|\n"));
  return s.split(lineEnd);
}

QPageLayout::Orientation LayoutOrientation(const ComposedPage& page) {
  return page.orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// A device name ending in ".pdf" is a file to print to.
bool IsPdfDevice(const QString& device) {
  return device.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}
bool IsKnownPrinter(const QString& device) {
  return !device.isEmpty() && !QPrinterInfo::printerInfo(device).isNull();
}

QPageSize::PageSizeId PaperId(int code) {
  switch (code) {
    case 1:
      return QPageSize::Letter;
    case 5:
      return QPageSize::Legal;
    case 8:
      return QPageSize::A3;
    case 11:
      return QPageSize::A5;
    case 12:
      return QPageSize::JisB4;
    case 13:
      return QPageSize::JisB5;
    default:
      return QPageSize::A4;
  }
}

}  // namespace

std::shared_ptr<ComposerPicture> ComposerPicture::FromSvgData(const QByteArray& data) {
  QSizeF natural = SvgNaturalSizeTwips(data);
  auto pic = std::make_shared<SvgPicture>(data, natural);
  if (!pic->valid()) return nullptr;
  return pic;
}

std::shared_ptr<ComposerPicture> ComposerPicture::FromSvgFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return nullptr;
  return FromSvgData(f.readAll());
}

std::shared_ptr<ComposerPicture> ComposerPicture::FromImageFile(const QString& path) {
  QImage image(path);
  if (image.isNull()) return nullptr;
  return std::make_shared<ImagePicture>(std::move(image));
}

std::shared_ptr<ComposerPicture> ComposerPicture::FromRecording(const QPicture& picture,
                                                                QSizeF twips) {
  return std::make_shared<RecordingPicture>(picture, twips);
}

QSizeF SvgNaturalSizeTwips(const QByteArray& data) {
  QXmlStreamReader xml(data);
  if (xml.readNextStartElement() && xml.name() == QLatin1String("svg")) {
    const auto attrs = xml.attributes();
    double w = SvgLength(attrs.value(QLatin1String("width")).toString());
    double h = SvgLength(attrs.value(QLatin1String("height")).toString());
    if (w > 0 && h > 0) return {w, h};
    const QStringList box =
        attrs.value(QLatin1String("viewBox"))
            .toString()
            .split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    if (box.size() == 4) {
      const double vw = box[2].toDouble(), vh = box[3].toDouble();
      if (vw > 0 && vh > 0) {
        // One side given: keep the view box's proportion.
        if (w > 0) return {w, w * vh / vw};
        if (h > 0) return {h * vw / vh, h};
        return {vw * kTwipsPerPx, vh * kTwipsPerPx};
      }
    }
  }
  QSvgRenderer r(data);
  return {r.defaultSize().width() * kTwipsPerPx, r.defaultSize().height() * kTwipsPerPx};
}

double LengthToTwips(const QString& text) {
  const QString t = text.trimmed().toLower();
  // The number at the start, then its unit.
  int i = 0;
  while (i < t.size() &&
         (t[i].isDigit() || t[i] == u'.' || ((t[i] == u'-' || t[i] == u'+') && i == 0)))
    ++i;
  bool ok = false;
  const double v = t.left(i).toDouble(&ok);
  if (!ok || !std::isfinite(v)) return 0;
  const QString unit = t.mid(i).trimmed();
  if (unit.startsWith(QLatin1String("mm"))) return v * 100.0 * 1440.0 / 2540.0;
  if (unit.startsWith(QLatin1String("cm"))) return v * 1000.0 * 1440.0 / 2540.0;
  if (unit.startsWith(QLatin1String("in"))) return v * 1440.0;
  if (unit.startsWith(QLatin1String("pt"))) return v * 20.0;
  return v;
}

QString MappedFamily(const QString& faceName) {
  const QString n = NormalizedFace(faceName);
  if (n.isEmpty()) return QStringLiteral("IPAMincho");
  static const struct {
    const char16_t* key;
    const char* family;
  } map[] = {
      {u"ms明朝", "IPAMincho"},       {u"msmincho", "IPAMincho"},   {u"msp明朝", "IPAPMincho"},
      {u"mspmincho", "IPAPMincho"},   {u"msゴシック", "IPAGothic"}, {u"msgothic", "IPAGothic"},
      {u"mspゴシック", "IPAPGothic"}, {u"mspgothic", "IPAPGothic"}, {u"msuigothic", "IPAPGothic"},
      {u"symbol", "DejaVu Sans"},
  };
  for (const auto& m : map) {
    if (n == QString::fromUtf16(m.key)) return QString::fromLatin1(m.family);
  }
  return faceName;
}

bool IsSymbolFace(const QString& faceName) {
  return NormalizedFace(faceName) == QLatin1String("symbol");
}

QFont MakeQFont(const ComposerFont& f) {
  QFont q;
  const QString family = MappedFamily(f.name);
  // Japanese text must never fall back to boxes: IPA fonts come next.
  q.setFamilies({family, QStringLiteral("IPAMincho"), QStringLiteral("IPAGothic"),
                 QStringLiteral("DejaVu Sans")});
  q.setPixelSize(std::max(1, static_cast<int>(std::lround(f.size * 20.0))));
  q.setBold(f.bold);
  q.setItalic(f.italic);
  q.setUnderline(f.underline);
  q.setStrikeOut(f.strikethru);
  q.setHintingPreference(QFont::PreferNoHinting);
  return q;
}

// ---------------------------------------------------------------------------

PageComposer::PageComposer() {
  font_.name = QStringLiteral("ＭＳ 明朝");
  hdrFont_.name = QStringLiteral("ＭＳ ゴシック");
  SetPaperSize(9);
}

void PageComposer::SetFontSize(double points) {
  if (std::isfinite(points) && points > 0) font_.size = points;
}

void PageComposer::SetPaperSize(int code) {
  paperSize_ = code;
  const QSizeF mm = QPageSize(PaperId(code)).size(QPageSize::Millimeter);
  paperWidth_ = std::round(mm.width() * 1440.0 / 25.4);
  paperHeight_ = std::round(mm.height() * 1440.0 / 25.4);
}

double PageComposer::PageWidth() const {
  if (docOpen_ && !pages_.empty()) return pages_.back().width;
  return orientation_ == 1 ? paperHeight_ : paperWidth_;
}

double PageComposer::PageHeight() const {
  if (docOpen_ && !pages_.empty()) return pages_.back().height;
  return orientation_ == 1 ? paperWidth_ : paperHeight_;
}

double PageComposer::AreaRight() const { return picture_ ? picture_->NaturalSize().width() : 0; }
double PageComposer::AreaBottom() const { return picture_ ? picture_->NaturalSize().height() : 0; }

void PageComposer::SetDisplayedPage(int p) {
  displayedPage_ = std::clamp(p, 1, std::max(1, TotalPages()));
}

const QFontMetricsF& PageComposer::Metrics() const {
  if (!metrics_ || metrics_->first != font_) {
    metrics_.emplace(font_, QFontMetricsF(MakeQFont(font_)));
  }
  return metrics_->second;
}

double PageComposer::TextWidth(const QString& s) const {
  const QFontMetricsF& fm = Metrics();
  double widest = 0;
  for (const QString& line : SplitLines(s)) {
    widest = std::max(widest, fm.horizontalAdvance(line));
  }
  return widest;
}

double PageComposer::TextHeight(const QString& s) const {
  const QFontMetricsF& fm = Metrics();
  const qsizetype lines = SplitLines(s).size();
  return fm.height() * static_cast<double>(std::max<qsizetype>(1, lines));
}

double PageComposer::LineAdvance() const { return Metrics().height() * lineSpacing_ / 100.0; }

double PageComposer::BottomLimit() const { return PageHeight() - marginBottom_; }

void PageComposer::EnsureDoc() {
  if (!docOpen_) StartDoc();
}

void PageComposer::StartDoc() {
  pages_.clear();
  frames_.clear();
  docOpen_ = true;
  StartNewPage();
  displayedPage_ = 1;
}

void PageComposer::StartNewPage() {
  if (!docOpen_) {
    StartDoc();
    return;
  }
  ComposedPage page;
  page.orientation = orientation_;
  page.width = orientation_ == 1 ? paperHeight_ : paperWidth_;
  page.height = orientation_ == 1 ? paperWidth_ : paperHeight_;
  pages_.push_back(std::move(page));
  frames_.push_back(PageFrame{header_, footer_, hdrFont_, marginLeft_, marginTop_, marginRight_,
                              marginBottom_, marginHeader_, marginFooter_, pageBorder_, penColor_,
                              penStyle_, penWidth_});
  currentX_ = LineStart();
  currentY_ = marginTop_;
  atLineStart_ = true;
}

void PageComposer::EndDoc() {
  if (!docOpen_) return;  // nothing composed, or abandoned: nothing to print
  docOpen_ = false;
  if (!preview_) PrintDocument();
}

void PageComposer::AbandonDoc() {
  docOpen_ = false;
  pages_.clear();
  frames_.clear();
  displayedPage_ = 1;
}

void PageComposer::NewLine() {
  currentY_ += LineAdvance();
  currentX_ = LineStart();
  atLineStart_ = true;
}

void PageComposer::BreakPageIfFull() {
  const double height = Metrics().height();
  if (currentY_ + height > BottomLimit() + 0.01 && currentY_ > marginTop_ + 0.01) {
    const double x = currentX_;
    const bool lineStart = atLineStart_;
    StartNewPage();
    currentX_ = x;
    atLineStart_ = lineStart;
  }
}

void PageComposer::Emit(const QString& text, double width) {
  if (text.isEmpty()) return;
  PageItem item;
  item.kind = PageItem::Text;
  item.x = currentX_;
  item.y = currentY_;
  item.text = text;
  item.font = font_;
  pages_.back().items.push_back(std::move(item));
  currentX_ += width;
}

void PageComposer::PlaceRun(QString run) {
  while (!run.isEmpty()) {
    BreakPageIfFull();
    if (atLineStart_) {
      currentX_ = LineStart();
      atLineStart_ = false;
    }
    const double avail = PageWidth() - marginRight_ - currentX_;
    const double width = TextWidth(run);
    if (textMode_ == 0 || width <= avail + 0.01) {
      Emit(run, width);
      return;
    }
    // Longest prefix that fits.
    qsizetype lo = 0, hi = run.size();
    while (lo < hi) {
      const qsizetype mid = (lo + hi + 1) / 2;
      if (TextWidth(run.left(mid)) <= avail + 0.01)
        lo = mid;
      else
        hi = mid - 1;
    }
    qsizetype cut = lo;
    if (cut > 0 && cut < run.size() && run[cut].isLowSurrogate()) --cut;
    // Latin words break at blanks; Japanese text between any two characters.
    if (cut > 0 && cut < run.size() && IsWordChar(run[cut]) && IsWordChar(run[cut - 1])) {
      const qsizetype blank = run.lastIndexOf(u' ', cut - 1);
      if (blank > 0) cut = blank + 1;
    }
    if (cut > 0 && cut < run.size() && NoLineStart(run[cut])) ++cut;
    if (cut == 0) {
      if (currentX_ > LineStart() + 0.5) {
        NewLine();
        continue;
      }
      cut = (run.size() > 1 && run[0].isHighSurrogate()) ? 2 : 1;
    }
    const QString head = run.left(cut);
    Emit(head, TextWidth(head));
    NewLine();
    run = run.mid(cut);
    while (!run.isEmpty() && run[0] == u' ') run.remove(0, 1);
  }
}

void PageComposer::Text(const QString& s) {
  EnsureDoc();
  qsizetype start = 0;
  const qsizetype n = s.size();
  qsizetype i = 0;
  while (i < n) {
    const QChar c = s[i];
    if (c == u'\r' || c == u'\n') {
      PlaceRun(s.mid(start, i - start));
      // CR LF and LF CR are one line end.
      if (i + 1 < n && (s[i + 1] == u'\r' || s[i + 1] == u'\n') && s[i + 1] != c) ++i;
      ++i;
      start = i;
      NewLine();
      continue;
    }
    ++i;
  }
  PlaceRun(s.mid(start));
}

void PageComposer::DrawLine(double x1, double y1, double x2, double y2) {
  EnsureDoc();
  PageItem item;
  item.kind = PageItem::Line;
  item.x = x1;
  item.y = y1;
  item.x2 = x2;
  item.y2 = y2;
  item.color = FromBgr(penColor_);
  item.penStyle = penStyle_;
  item.penWidth = penWidth_;
  pages_.back().items.push_back(std::move(item));
}

void PageComposer::DrawPicture(const std::shared_ptr<ComposerPicture>& p, double left, double top,
                               double width, double height) {
  if (!p) return;
  EnsureDoc();
  PageItem item;
  item.kind = PageItem::Picture;
  item.x = left;
  item.y = top;
  item.w = width;
  item.h = height;
  item.picture = p;
  pages_.back().items.push_back(std::move(item));
}

void PageComposer::AddStyle(const QString& name) {
  styles_[name] = Style{font_, lineSpacing_, indentLeft_};
}

bool PageComposer::ApplyStyle(const QString& name) {
  const auto it = styles_.find(name);
  if (it == styles_.end()) return false;
  font_ = it->second.font;
  lineSpacing_ = it->second.lineSpacing;
  indentLeft_ = it->second.indentLeft;
  return true;
}

void PageComposer::CopySettingsFrom(const PageComposer& other) {
  std::vector<ComposedPage> pages = std::move(pages_);
  std::vector<PageFrame> frames = std::move(frames_);
  const bool open = docOpen_;
  const int displayed = displayedPage_;
  auto picture = picture_;
  *this = other;
  pages_ = std::move(pages);
  frames_ = std::move(frames);
  docOpen_ = open;
  displayedPage_ = displayed;
  picture_ = picture;
}

void PageComposer::PaintDecorations(QPainter& painter, int index) const {
  const ComposedPage& page = pages_[static_cast<size_t>(index)];
  const PageFrame& fr = frames_[static_cast<size_t>(index)];
  const QRectF area(fr.marginLeft, fr.marginTop, page.width - fr.marginLeft - fr.marginRight,
                    page.height - fr.marginTop - fr.marginBottom);
  if (fr.border >= 1 && fr.border <= 4) {
    painter.setPen(MakePen(fr.penColor, fr.penStyle, fr.penWidth));
    painter.setBrush(Qt::NoBrush);
    if (fr.border == 4) {
      painter.drawRect(area);
    } else {
      if (fr.border == 1 || fr.border == 3) painter.drawLine(area.bottomLeft(), area.bottomRight());
      if (fr.border == 2 || fr.border == 3) painter.drawLine(area.topLeft(), area.topRight());
    }
  }
  const QFont font = MakeQFont(fr.hdrFont);
  const QFontMetricsF fm(font);
  painter.setFont(font);
  painter.setPen(Qt::black);
  auto drawParts = [&](const QString& text, double top) {
    if (text.isEmpty()) return;
    QString filled = text;
    filled.replace(QLatin1String("%d"), QString::number(index + 1));
    const QStringList parts = filled.split(u'|');
    const double base = top + fm.ascent();
    for (int i = 0; i < parts.size() && i < 3; ++i) {
      const double w = fm.horizontalAdvance(parts[i]);
      double x = fr.marginLeft;
      if (i == 1) x = fr.marginLeft + (area.width() - w) / 2;
      if (i == 2) x = page.width - fr.marginRight - w;
      painter.drawText(QPointF(x, base), parts[i]);
    }
  };
  // Without a header or footer distance the text sits in the middle of its margin.
  const double headerTop = fr.marginHeader > 0 ? fr.marginHeader : (fr.marginTop - fm.height()) / 2;
  const double footerBottom = fr.marginFooter > 0
                                  ? page.height - fr.marginFooter
                                  : page.height - (fr.marginBottom - fm.height()) / 2;
  drawParts(fr.header, headerTop);
  drawParts(fr.footer, footerBottom - fm.height());
}

void PageComposer::PaintPage(QPainter& painter, int index) const {
  if (index < 0 || index >= TotalPages()) return;
  painter.save();
  PaintDecorations(painter, index);
  // Runs of text mostly share their font: it is made once per change.
  std::optional<ComposerFont> lastFont;
  QFont font;
  double ascent = 0;
  for (const PageItem& item : pages_[static_cast<size_t>(index)].items) {
    switch (item.kind) {
      case PageItem::Text: {
        if (lastFont != item.font) {
          lastFont = item.font;
          font = MakeQFont(item.font);
          ascent = QFontMetricsF(font).ascent();
        }
        painter.setFont(font);
        painter.setPen(item.color);
        painter.drawText(QPointF(item.x, item.y + ascent), item.text);
        break;
      }
      case PageItem::Line: {
        int bgr = item.color.red() | (item.color.green() << 8) | (item.color.blue() << 16);
        painter.setPen(MakePen(bgr, item.penStyle, item.penWidth));
        painter.drawLine(QPointF(item.x, item.y), QPointF(item.x2, item.y2));
        break;
      }
      case PageItem::Picture:
        if (item.picture) item.picture->Paint(painter, QRectF(item.x, item.y, item.w, item.h));
        break;
    }
  }
  painter.restore();
}

void PageComposer::ConfigurePrinter(QPrinter& printer) const {
  if (IsPdfDevice(deviceName_)) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(deviceName_);
  } else if (IsKnownPrinter(deviceName_)) {
    printer.setPrinterName(deviceName_);
  }
  if (copies_ > 0) printer.setCopyCount(copies_);
  printer.setCollateCopies(collate_);
  printer.setDuplex(duplex_ == 2   ? QPrinter::DuplexLongSide
                    : duplex_ == 3 ? QPrinter::DuplexShortSide
                                   : QPrinter::DuplexNone);
  printer.setPageSize(QPageSize(PaperId(paperSize_)));
  // Bins of the Windows printer settings (upper 1 ... large capacity 11,
  // cassette 14, form source 15) in Qt's order.
  if (paperBin_ >= 1 && paperBin_ <= 11)
    printer.setPaperSource(static_cast<QPrinter::PaperSource>(paperBin_ - 1));
  if (paperBin_ == 14) printer.setPaperSource(QPrinter::Cassette);
  if (paperBin_ == 15) printer.setPaperSource(QPrinter::FormSource);
  // A positive quality is dots per inch; the negative draft-to-high codes keep the default.
  if (printQuality_ > 0) printer.setResolution(printQuality_);
}

bool PageComposer::CanPrintDirectly() const {
  if (IsPdfDevice(deviceName_) || IsKnownPrinter(deviceName_)) return true;
  return !QPrinterInfo::defaultPrinter().isNull();
}

bool PageComposer::PrintTo(QPrinter& printer, const std::function<bool(int)>& onPage) const {
  if (pages_.empty()) return false;
  // A page range chosen in the print dialog, else every page.
  const int first = std::clamp(printer.fromPage() > 0 ? printer.fromPage() : 1, 1, TotalPages());
  const int last =
      std::clamp(printer.toPage() > 0 ? printer.toPage() : TotalPages(), first, TotalPages());
  printer.setFullPage(true);
  printer.setPageMargins(QMarginsF(0, 0, 0, 0));
  printer.setPageOrientation(LayoutOrientation(pages_[static_cast<size_t>(first - 1)]));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (int i = first - 1; i < last; ++i) {
    if (i > first - 1) {
      printer.setPageOrientation(LayoutOrientation(pages_[static_cast<size_t>(i)]));
      if (!printer.newPage()) return false;
    }
    if (onPage && !onPage(i + 1)) {
      printer.abort();
      return false;
    }
    const double scale = printer.resolution() / 1440.0;
    painter.resetTransform();
    painter.scale(scale, scale);
    PaintPage(painter, i);
  }
  return painter.end();
}

bool PageComposer::ExportPdf(const QString& path) const {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageSize(QPageSize(PaperId(paperSize_)));
  return PrintTo(printer);
}

bool PageComposer::PrintDocument() const {
  QPrinter printer(QPrinter::HighResolution);
  ConfigurePrinter(printer);
  if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
    return false;
  return PrintTo(printer);
}

}  // namespace norva

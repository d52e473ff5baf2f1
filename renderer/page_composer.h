#pragma once
// Our own print-preview control: a page composer in twips (1/1440 inch, y
// down). It keeps the composed pages as display lists that are painted on the
// preview widget, on a printer or into a PDF file.
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPicture>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QPainter;
class QPrinter;
class QRectF;

namespace norva {

// A picture the composer can place: SVG file, raster image or recorded drawing.
class ComposerPicture {
 public:
  virtual ~ComposerPicture() = default;
  // Natural size in twips.
  virtual QSizeF NaturalSize() const = 0;
  virtual void Paint(QPainter& painter, const QRectF& target) const = 0;

  // null when the file cannot be read as that kind.
  static std::shared_ptr<ComposerPicture> FromSvgFile(const QString& path);
  static std::shared_ptr<ComposerPicture> FromSvgData(const QByteArray& data);
  static std::shared_ptr<ComposerPicture> FromImageFile(const QString& path);
  // A recorded drawing whose coordinates are twips, with the given natural size.
  static std::shared_ptr<ComposerPicture> FromRecording(const QPicture& picture, QSizeF twips);
};

// Natural size of an SVG document in twips from the root's width/height (with
// units; bare numbers and px are CSS pixels at 96 per inch) or its viewBox.
QSizeF SvgNaturalSizeTwips(const QByteArray& data);

// A length as the control reads it: twips, or a number followed by "mm",
// "cm", "in"/"inch" or "pt".
double LengthToTwips(const QString& text);

struct ComposerFont {
  QString name;        // the face name as the style sheet gives it
  double size = 10.5;  // points
  bool bold = false, italic = false, underline = false, strikethru = false;
  bool operator==(const ComposerFont&) const = default;
};

// The installed face standing in for a face name of the style sheet.
QString MappedFamily(const QString& faceName);
bool IsSymbolFace(const QString& faceName);
// The Qt font of a composer font, sized in twips (pixel size = twips).
QFont MakeQFont(const ComposerFont& f);

struct PageItem {
  enum Kind { Text, Line, Picture } kind = Text;
  // Text: top-left at (x, y); Line: (x, y)-(x2, y2); Picture: rectangle x, y, w, h.
  double x = 0, y = 0, x2 = 0, y2 = 0, w = 0, h = 0;
  QString text;
  ComposerFont font;
  QColor color = Qt::black;
  int penStyle = 0;
  double penWidth = 0;
  std::shared_ptr<ComposerPicture> picture;
};

struct ComposedPage {
  int orientation = 0;  // 0 portrait, 1 landscape
  double width = 0, height = 0;
  std::vector<PageItem> items;
};

class PageComposer {
 public:
  PageComposer();

  // Font of the following text.
  QString FontName() const { return font_.name; }
  void SetFontName(const QString& name) { font_.name = name; }
  double FontSize() const { return font_.size; }
  void SetFontSize(double points);
  bool FontBold() const { return font_.bold; }
  void SetFontBold(bool on) { font_.bold = on; }
  bool FontItalic() const { return font_.italic; }
  void SetFontItalic(bool on) { font_.italic = on; }
  bool FontUnderline() const { return font_.underline; }
  void SetFontUnderline(bool on) { font_.underline = on; }
  bool FontStrikethru() const { return font_.strikethru; }
  void SetFontStrikethru(bool on) { font_.strikethru = on; }
  const ComposerFont& Font() const { return font_; }

  // Printer settings (kept for printing).
  int Orientation() const { return orientation_; }
  void SetOrientation(int o) { orientation_ = (o == 1) ? 1 : 0; }
  int Copies() const { return copies_; }
  void SetCopies(int n) { copies_ = n; }
  int PaperSize() const { return paperSize_; }
  void SetPaperSize(int code);
  int PrintQuality() const { return printQuality_; }
  void SetPrintQuality(int q) { printQuality_ = q; }
  int Duplex() const { return duplex_; }
  void SetDuplex(int d) { duplex_ = d; }
  bool Collate() const { return collate_; }
  void SetCollate(bool c) { collate_ = c; }
  int PaperBin() const { return paperBin_; }
  void SetPaperBin(int b) { paperBin_ = b; }
  QString DeviceName() const { return deviceName_; }
  void SetDeviceName(const QString& n) { deviceName_ = n; }
  QString Port() const { return port_; }
  void SetPort(const QString& p) { port_ = p; }
  // True when PrintDocument can print without asking: a PDF device name, a
  // known printer, or a default printer.
  bool CanPrintDirectly() const;

  // Page: dimensions of the page being composed (or of the next one).
  double PageWidth() const;
  double PageHeight() const;
  double MarginLeft() const { return marginLeft_; }
  double MarginTop() const { return marginTop_; }
  double MarginRight() const { return marginRight_; }
  double MarginBottom() const { return marginBottom_; }
  double MarginHeader() const { return marginHeader_; }
  double MarginFooter() const { return marginFooter_; }
  void SetMarginLeft(const QString& t) { marginLeft_ = LengthToTwips(t); }
  void SetMarginTop(const QString& t) { marginTop_ = LengthToTwips(t); }
  void SetMarginRight(const QString& t) { marginRight_ = LengthToTwips(t); }
  void SetMarginBottom(const QString& t) { marginBottom_ = LengthToTwips(t); }
  void SetMarginHeader(const QString& t) { marginHeader_ = LengthToTwips(t); }
  void SetMarginFooter(const QString& t) { marginFooter_ = LengthToTwips(t); }
  void SetMarginLeft(double v) { marginLeft_ = v; }
  void SetMarginTop(double v) { marginTop_ = v; }
  void SetMarginRight(double v) { marginRight_ = v; }
  void SetMarginBottom(double v) { marginBottom_ = v; }
  void SetMarginHeader(double v) { marginHeader_ = v; }
  void SetMarginFooter(double v) { marginFooter_ = v; }
  // Page border 0 none, 1 line under the text area, 2 line above it, 3 both,
  // 4 box around it; drawn with the pen.
  int PageBorder() const { return pageBorder_; }
  void SetPageBorder(int kind) { pageBorder_ = kind; }
  int PenColor() const { return penColor_; }  // 0x00BBGGRR
  void SetPenColor(int bgr) { penColor_ = bgr; }
  int PenStyle() const { return penStyle_; }
  void SetPenStyle(int s) { penStyle_ = s; }
  double PenWidth() const { return penWidth_; }
  void SetPenWidth(double twips) { penWidth_ = twips; }
  void SetPenWidth(const QString& text) { penWidth_ = LengthToTwips(text); }
  // Header and footer: "left|centre|right"; "%d" is the page number.
  QString Header() const { return header_; }
  void SetHeader(const QString& t) { header_ = t; }
  QString Footer() const { return footer_; }
  void SetFooter(const QString& t) { footer_ = t; }
  ComposerFont& HdrFont() { return hdrFont_; }
  const ComposerFont& HdrFont() const { return hdrFont_; }

  // Paragraph.
  double IndentLeft() const { return indentLeft_; }
  void SetIndentLeft(double twips) { indentLeft_ = twips; }
  void SetIndentLeft(const QString& text) { indentLeft_ = LengthToTwips(text); }
  double LineSpacing() const { return lineSpacing_; }
  void SetLineSpacing(double percent) { lineSpacing_ = percent > 0 ? percent : 100.0; }
  // 0: no wrapping; otherwise text wraps at the right margin.
  int TextMode() const { return textMode_; }
  void SetTextMode(int m) { textMode_ = m; }
  // Paragraph alignment setting saved and restored around preformatted text
  // (0 left; kept for callers, text is laid out left-aligned).
  int ParagraphAlign() const { return paragraphAlign_; }
  void SetParagraphAlign(int a) { paragraphAlign_ = a; }

  // Output position and text.
  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }
  void SetCurrentX(double x) {
    currentX_ = x;
    atLineStart_ = false;
  }
  void SetCurrentY(double y) { currentY_ = y; }
  void Text(const QString& s);
  double TextWidth(const QString& s) const;
  double TextHeight(const QString& s) const;
  void MeasureString(const QString& s) { measuredWidth_ = TextWidth(s); }
  double MeasuredWidth() const { return measuredWidth_; }

  // Drawing.
  void DrawLine(double x1, double y1, double x2, double y2);
  void SetPictureObject(std::shared_ptr<ComposerPicture> p) { picture_ = std::move(p); }
  double AreaLeft() const { return 0; }
  double AreaTop() const { return 0; }
  double AreaRight() const;
  double AreaBottom() const;
  void DrawPicture(const std::shared_ptr<ComposerPicture>& p, double left, double top, double width,
                   double height);

  // Document.
  bool Preview() const { return preview_; }
  void SetPreview(bool on) { preview_ = on; }
  void StartDoc();
  void EndDoc();
  void AbandonDoc();
  void StartNewPage();
  bool Composing() const { return docOpen_; }
  int ComposingPage() const { return static_cast<int>(pages_.size()); }
  int TotalPages() const { return static_cast<int>(pages_.size()); }
  const std::vector<ComposedPage>& Pages() const { return pages_; }

  // Preview.
  int DisplayedPage() const { return displayedPage_; }
  void SetDisplayedPage(int p);
  int Zoom() const { return zoom_; }
  void SetZoom(int z) { zoom_ = z; }
  int ZoomUpper() const { return zoomUpper_; }
  void SetZoomUpper(int z) { zoomUpper_ = z; }
  int ZoomLower() const { return zoomLower_; }
  void SetZoomLower(int z) { zoomLower_ = z; }
  int ZoomIncrement() const { return zoomIncrement_; }
  void SetZoomIncrement(int z) { zoomIncrement_ = z; }

  // Named styles: font, size, four flags, line spacing and indent.
  void AddStyle(const QString& name);
  bool ApplyStyle(const QString& name);
  bool HasStyle(const QString& name) const { return styles_.count(name) != 0; }

  // Every setting of another composer (not its pages).
  void CopySettingsFrom(const PageComposer& other);

  // Output of the finished pages.
  void PaintPage(QPainter& painter, int index) const;  // painter in twips, page origin at 0,0
  // onPage(page from 1) before each page; false from it abandons the job.
  bool PrintTo(QPrinter& printer, const std::function<bool(int)>& onPage = {}) const;
  bool ExportPdf(const QString& path) const;
  // Sets up a printer from the printer settings (device, copies, paper...).
  void ConfigurePrinter(QPrinter& printer) const;
  // Prints on the configured printer.
  bool PrintDocument() const;

 private:
  struct Style {
    ComposerFont font;
    double lineSpacing = 100;
    double indentLeft = 0;
  };
  void EnsureDoc();
  void NewLine();
  void BreakPageIfFull();
  void PlaceRun(QString run);
  void Emit(const QString& text, double width);
  double LineAdvance() const;
  // The metrics of the current font, made again only when the font changes:
  // text is measured far more often than its font changes.
  const QFontMetricsF& Metrics() const;
  double BottomLimit() const;
  double LineStart() const { return marginLeft_ + indentLeft_; }
  void PaintDecorations(QPainter& painter, int index) const;

  ComposerFont font_;
  mutable std::optional<std::pair<ComposerFont, QFontMetricsF>> metrics_;
  ComposerFont hdrFont_;
  int orientation_ = 0;
  int copies_ = 1, paperSize_ = 9, printQuality_ = 0, duplex_ = 1, paperBin_ = 0;
  bool collate_ = false;
  QString deviceName_, port_;
  double paperWidth_ = 11906, paperHeight_ = 16838;  // portrait, twips
  double marginLeft_ = 1440, marginTop_ = 1440, marginRight_ = 1440, marginBottom_ = 1440;
  double marginHeader_ = 0, marginFooter_ = 0;
  int pageBorder_ = 0, penColor_ = 0, penStyle_ = 0;
  double penWidth_ = 0;
  QString header_, footer_;
  double indentLeft_ = 0, lineSpacing_ = 100;
  int textMode_ = 1, paragraphAlign_ = 0;
  double currentX_ = 1440, currentY_ = 1440;
  // After a line end the next text starts at the indent in force when it comes.
  bool atLineStart_ = true;
  double measuredWidth_ = 0;
  std::shared_ptr<ComposerPicture> picture_;
  bool preview_ = true, docOpen_ = false;
  std::vector<ComposedPage> pages_;
  // Header, footer and border as they were when each page was started.
  struct PageFrame {
    QString header, footer;
    ComposerFont hdrFont;
    double marginLeft, marginTop, marginRight, marginBottom, marginHeader, marginFooter;
    int border, penColor, penStyle;
    double penWidth;
  };
  std::vector<PageFrame> frames_;
  int displayedPage_ = 1;
  int zoom_ = 100, zoomUpper_ = 400, zoomLower_ = 10, zoomIncrement_ = 10;
  std::map<QString, Style> styles_;
};

}  // namespace norva

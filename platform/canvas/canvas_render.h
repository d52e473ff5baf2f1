#pragma once
// Replaying a Canvas with QPainter: on a widget, a printer, a PDF, a PNG or
// an SVG file; and text metrics of the fonts the figures name, so that what
// the figures measure is what gets drawn.
#include <QFont>
#include <QIODevice>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "drawing/base/canvas.h"

namespace norva {

// The installed family that stands in for a font name of the figures and
// style files: "ＭＳ 明朝" IPAMincho, "ＭＳ ゴシック" IPAGothic, "ＭＳ Ｐ明朝"
// IPAPMincho, "ＭＳ Ｐゴシック" IPAPGothic, "Symbol" DejaVu Sans; any other
// name is passed on as it is.
QString MappedFontFamily(const std::string& name);
// The font a text is drawn and measured with, at the given pixel em height.
QFont MappedFont(const CanvasFont& f, int pixelSize);

// Metrics of the mapped fonts, unhinted, so widths scale with the size.
class QtTextMetrics : public ITextMetrics {
 public:
  double TextWidth(const CanvasFont& font, const std::string& utf8) const override;
  double TextHeight(const CanvasFont& font) const override;
  static std::shared_ptr<const ITextMetrics> Shared();
};

// Draws the record so that the logical space fills `target` (device units of
// the painter).
void RenderCanvas(const Canvas& canvas, QPainter& painter, const QRectF& target);
// Over the whole paint device (a printer page, a PDF writer, an image).
void RenderCanvasTo(const Canvas& canvas, QPaintDevice& device);

// Files. The PNG and SVG sizes are in pixels; 0 takes the extent at 96 dpi
// when the extent is in twips. The PDF page has the extent in twips as its
// size. False when the file cannot be written.
bool SaveCanvasPng(const Canvas& canvas, const QString& path, QSize pixels = QSize());
bool SaveCanvasSvg(const Canvas& canvas, const QString& path, QSize pixels = QSize());
// The SVG into an open device, with `pixels` at `dpi`: the file's width and
// height are pixels / dpi inches (stated in mm).
bool SaveCanvasSvg(const Canvas& canvas, QIODevice& out, QSize pixels, int dpi);
bool SaveCanvasPdf(const Canvas& canvas, const QString& path);

// A widget showing a canvas (the drawing surface of the screens).
// Zoom (percent) rescales the shown drawing without redrawing it; the extent
// of the canvas follows the widget's size at 100 %, and so does its scale
// (in twips) until the screen sets one. MouseDown/Up/Move give
// the button (1 left, 2 right, 4 middle), the shift state (1 Shift, 2 Ctrl,
// 4 Alt) and the logical position. GotFocus fires as for the other controls.
class CanvasWidget : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Tag READ Tag WRITE SetTag)

 public:
  explicit CanvasWidget(QWidget* parent = nullptr);

  // The extent always follows the widget's current size (also while hidden).
  Canvas& canvas() {
    SyncExtent();
    return canvas_;
  }
  const Canvas& canvas() const {
    SyncExtent();
    return canvas_;
  }
  void SetZoom(double percent);
  double Zoom() const { return canvas_.Zoom(); }
  QString Tag() const { return tag_; }
  void SetTag(const QString& t) { tag_ = t; }
  // Device position to logical coordinates.
  CanvasPoint ToLogical(const QPointF& p) const;

 signals:
  void MouseDown(int button, int shift, double x, double y);
  void MouseUp(int button, int shift, double x, double y);
  void MouseMove(int button, int shift, double x, double y);
  void GotFocus();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;

 private:
  void SyncExtent() const;
  mutable Canvas canvas_;
  QString tag_;
};

}  // namespace norva

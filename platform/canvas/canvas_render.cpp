#include "platform/canvas/canvas_render.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QMouseEvent>
#include <QPageSize>
#include <QPaintEvent>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygonF>
#include <QSvgGenerator>
#include <cmath>

#include "platform/controls/colors.h"

namespace norva {
namespace {

// Text is laid out at this em height and scaled by the painter, so that the
// advances on every device are those the metrics report.
constexpr int kRefPixels = 100;

QColor Color(uint32_t c) { return VbColor(c & 0x00FFFFFFu); }

Qt::PenStyle PenStyleOf(int s) {
  switch (s) {
    case 1:
      return Qt::DashLine;
    case 2:
      return Qt::DotLine;
    case 3:
      return Qt::DashDotLine;
    case 4:
      return Qt::DashDotDotLine;
    case 5:
      return Qt::NoPen;
    default:
      return Qt::SolidLine;
  }
}

Qt::BrushStyle BrushStyleOf(int s) {
  switch (s) {
    case 0:
      return Qt::SolidPattern;
    case 2:
      return Qt::HorPattern;
    case 3:
      return Qt::VerPattern;
    case 4:
      return Qt::BDiagPattern;
    case 5:
      return Qt::FDiagPattern;
    case 6:
      return Qt::CrossPattern;
    case 7:
      return Qt::DiagCrossPattern;
    default:
      return Qt::NoBrush;
  }
}

struct Mapping {
  double x0, y0, sx, sy;  // device = x0 + (x - left) * sx
  double left, top;
  QPointF Map(const CanvasPoint& p) const {
    return QPointF(x0 + (p.x - left) * sx, y0 + (p.y - top) * sy);
  }
};

void DrawTextOp(QPainter& painter, const Mapping& m, const CanvasOp& op) {
  const CanvasStyle& st = op.style;
  const double deviceEm = st.font.size * std::fabs(m.sy);
  if (deviceEm <= 0) return;
  const QFont font = MappedFont(st.font, kRefPixels);
  const QFontMetricsF fm(font);
  const QString text = QString::fromStdString(op.text);
  const double w = fm.horizontalAdvance(text);
  const double h = fm.height();
  const int align = st.textAlign;
  const double dx = -w * (align % 3) / 2.0;
  const double boxTop = (align / 3 == 0) ? 0.0 : (align / 3 == 1) ? -h : -h / 2.0;

  painter.save();
  painter.translate(m.Map(op.points[0]));
  painter.rotate(-st.textAngle / 10.0);
  const double k = deviceEm / kRefPixels;
  painter.scale(k, k);
  if (st.backStyle == 1) painter.fillRect(QRectF(dx, boxTop, w, h), Color(st.backColor));
  painter.setFont(font);
  painter.setPen(Color(st.textColor));
  painter.drawText(QPointF(dx, boxTop + fm.ascent()), text);
  painter.restore();
}

}  // namespace

QString MappedFontFamily(const std::string& name) {
  static const struct {
    const char* from;
    const char* to;
  } kMap[] = {
      {"ＭＳ 明朝", "IPAMincho"},    {"ＭＳ ゴシック", "IPAGothic"},
      {"ＭＳ Ｐ明朝", "IPAPMincho"}, {"ＭＳ Ｐゴシック", "IPAPGothic"},
      {"MS Mincho", "IPAMincho"},    {"MS Gothic", "IPAGothic"},
      {"MS PMincho", "IPAPMincho"},  {"MS PGothic", "IPAPGothic"},
      {"Symbol", "DejaVu Sans"},
  };
  for (const auto& e : kMap)
    if (name == e.from) return QString::fromUtf8(e.to);
  if (name.empty()) return QStringLiteral("IPAGothic");
  return QString::fromStdString(name);
}

QFont MappedFont(const CanvasFont& f, int pixelSize) {
  QFont font(MappedFontFamily(f.name));
  font.setPixelSize(pixelSize > 0 ? pixelSize : 1);
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::ForceOutline | QFont::PreferQuality));
  return font;
}

double QtTextMetrics::TextWidth(const CanvasFont& font, const std::string& utf8) const {
  if (font.size <= 0 || utf8.empty()) return 0;
  const QFontMetricsF fm(MappedFont(font, kRefPixels));
  return fm.horizontalAdvance(QString::fromStdString(utf8)) * font.size / kRefPixels;
}

double QtTextMetrics::TextHeight(const CanvasFont& font) const {
  if (font.size <= 0) return 0;
  const QFontMetricsF fm(MappedFont(font, kRefPixels));
  return fm.height() * font.size / kRefPixels;
}

std::shared_ptr<const ITextMetrics> QtTextMetrics::Shared() {
  static const auto shared = std::make_shared<const QtTextMetrics>();
  return shared;
}

void RenderCanvas(const Canvas& canvas, QPainter& painter, const QRectF& target) {
  Mapping m{target.left(),
            target.top(),
            target.width() / canvas.ScaleWidth(),
            target.height() / canvas.ScaleHeight(),
            canvas.ScaleLeft(),
            canvas.ScaleTop()};
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  for (const CanvasOp& op : canvas.Ops()) {
    const CanvasStyle& st = op.style;
    QPen pen(Color(st.penColor));
    pen.setStyle(PenStyleOf(st.penStyle));
    pen.setWidthF(st.penWidth * std::fabs(m.sx));
    pen.setCosmetic(st.penWidth == 0);
    painter.setPen(pen);
    painter.setBrush(QBrush(Color(st.brushColor), BrushStyleOf(st.brushStyle)));
    switch (op.kind) {
      case CanvasOpKind::Line:
        painter.drawLine(m.Map(op.points[0]), m.Map(op.points[1]));
        break;
      case CanvasOpKind::PolyLine: {
        QPolygonF poly;
        for (const auto& p : op.points) poly << m.Map(p);
        painter.drawPolyline(poly);
        break;
      }
      case CanvasOpKind::Polygon: {
        QPolygonF poly;
        for (const auto& p : op.points) poly << m.Map(p);
        painter.drawPolygon(poly);
        break;
      }
      case CanvasOpKind::Rectangle:
        painter.drawRect(QRectF(m.Map(op.points[0]), m.Map(op.points[1])).normalized());
        break;
      case CanvasOpKind::Ellipse:
        painter.drawEllipse(m.Map(op.points[0]), op.rx * std::fabs(m.sx), op.ry * std::fabs(m.sy));
        break;
      case CanvasOpKind::Arc: {
        const QPointF c = m.Map(op.points[0]);
        const double rx = op.rx * std::fabs(m.sx), ry = op.ry * std::fabs(m.sy);
        double span = op.a2 - op.a1;
        while (span <= 0) span += 2 * M_PI;
        const double toDeg16 = 180.0 / M_PI * 16.0;
        painter.drawArc(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry),
                        static_cast<int>(std::lround(op.a1 * toDeg16)),
                        static_cast<int>(std::lround(span * toDeg16)));
        break;
      }
      case CanvasOpKind::Text:
        DrawTextOp(painter, m, op);
        break;
    }
  }
  painter.restore();
}

void RenderCanvasTo(const Canvas& canvas, QPaintDevice& device) {
  QPainter painter(&device);
  if (!painter.isActive()) return;
  RenderCanvas(canvas, painter, QRectF(painter.viewport()));
}

namespace {
QSize DefaultPixels(const Canvas& c, QSize pixels) {
  if (pixels.isValid() && !pixels.isEmpty()) return pixels;
  // Extent in twips: 15 twips per pixel at 96 dpi.
  return QSize(std::max(1, static_cast<int>(std::lround(c.ExtentWidth() / 15.0))),
               std::max(1, static_cast<int>(std::lround(c.ExtentHeight() / 15.0))));
}
}  // namespace

bool SaveCanvasPng(const Canvas& canvas, const QString& path, QSize pixels) {
  const QSize size = DefaultPixels(canvas, pixels);
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    RenderCanvas(canvas, painter, QRectF(0, 0, size.width(), size.height()));
  }
  return image.save(path, "PNG");
}

bool SaveCanvasSvg(const Canvas& canvas, const QString& path, QSize pixels) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return SaveCanvasSvg(canvas, file, DefaultPixels(canvas, pixels), 96);
}

bool SaveCanvasSvg(const Canvas& canvas, QIODevice& out, QSize pixels, int dpi) {
  if (pixels.isEmpty() || dpi <= 0) return false;
  QSvgGenerator svg;
  svg.setOutputDevice(&out);
  svg.setSize(pixels);
  svg.setViewBox(QRect(QPoint(0, 0), pixels));
  svg.setResolution(dpi);
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  RenderCanvas(canvas, painter, QRectF(0, 0, pixels.width(), pixels.height()));
  return painter.end();
}

bool SaveCanvasPdf(const Canvas& canvas, const QString& path) {
  QPdfWriter pdf(path);
  pdf.setPageSize(QPageSize(QSizeF(canvas.ExtentWidth() / 1440.0, canvas.ExtentHeight() / 1440.0),
                            QPageSize::Inch));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  RenderCanvas(canvas, painter, QRectF(painter.viewport()));
  return painter.end();
}

// ---- widget ------------------------------------------------------------------------

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
  canvas_.SetMetrics(QtTextMetrics::Shared());
  canvas_.SetOnChange([this] { update(); });
  setFocusPolicy(Qt::ClickFocus);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
}

// At 100 % the drawing fills the widget; a zoom then enlarges or shrinks it
// inside the widget without a new drawing.
void CanvasWidget::SyncExtent() const {
  if (canvas_.Zoom() != 100) return;
  canvas_.SetExtent(width(), height());
  // Until the screen sets a scale, one unit is one twip.
  const double twipsPerPixel = 1440.0 / logicalDpiX();
  canvas_.SetDefaultScale(width() * twipsPerPixel, height() * twipsPerPixel);
}

void CanvasWidget::SetZoom(double percent) {
  canvas_.SetZoom(percent);
  update();
}

CanvasPoint CanvasWidget::ToLogical(const QPointF& p) const {
  SyncExtent();
  const double z = canvas_.Zoom() / 100.0;
  const double w = canvas_.ExtentWidth() * z, h = canvas_.ExtentHeight() * z;
  return {canvas_.ScaleLeft() + p.x() / w * canvas_.ScaleWidth(),
          canvas_.ScaleTop() + p.y() / h * canvas_.ScaleHeight()};
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  SyncExtent();
  QPainter painter(this);
  const double z = canvas_.Zoom() / 100.0;
  RenderCanvas(canvas_, painter,
               QRectF(0, 0, canvas_.ExtentWidth() * z, canvas_.ExtentHeight() * z));
}

void CanvasWidget::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  SyncExtent();
}

namespace {
int ButtonCode(Qt::MouseButtons b) {
  return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) |
         (b & Qt::MiddleButton ? 4 : 0);
}
int ShiftCode(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
         (m & Qt::AltModifier ? 4 : 0);
}
}  // namespace

void CanvasWidget::mousePressEvent(QMouseEvent* e) {
  const CanvasPoint p = ToLogical(e->position());
  emit MouseDown(ButtonCode(e->button()), ShiftCode(e->modifiers()), p.x, p.y);
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* e) {
  const CanvasPoint p = ToLogical(e->position());
  emit MouseUp(ButtonCode(e->button()), ShiftCode(e->modifiers()), p.x, p.y);
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* e) {
  const CanvasPoint p = ToLogical(e->position());
  emit MouseMove(ButtonCode(e->buttons()), ShiftCode(e->modifiers()), p.x, p.y);
}

void CanvasWidget::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
    emit GotFocus();
}

}  // namespace norva

#pragma once
// The drawing surface: a recorded list of drawing calls in a logical
// coordinate space, replayed later on a widget, a printer, a PDF, a PNG or an
// SVG file (platform/canvas/canvas_render.h). Plain C++ so that the figures
// and panels of the core can draw on it; text is measured through an
// ITextMetrics, which the Qt side provides with the real fonts.
//
// Conventions (those of the Windows drawing control the figures were made for):
// - Logical space: ScaleLeft/ScaleTop at the top-left corner, ScaleWidth and
//   ScaleHeight across (a negative height turns y upwards). The extent is the
//   device size of the surface (twips for figures, pixels for a panel); only
//   its aspect matters for measuring text on a surface scaled unevenly.
// - Colours are Windows colour numbers &HBBGGRR.
// - Pen styles: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none.
//   Brush styles: 0 solid, 1 none, 2 horizontal and 3 vertical hatch,
//   4 and 5 diagonal hatches, 6 cross, 7 diagonal cross.
// - PenWidth in logical units; 0 is the thinnest line of the device.
// - FontSize is the em height in logical (vertical) units; TextAngle in
//   tenths of a degree counter-clockwise; TextAlign 0..8 = top, bottom or
//   middle (align / 3) × left, centre or right (align % 3), applied in the
//   rotated text frame about the current point.
// - Text(s) draws at CurrentX/CurrentY and leaves the position where it is.
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace norva {

struct CanvasPoint {
  double x = 0;
  double y = 0;
};

struct CanvasFont {
  std::string name;  // the name the figures use ("ＭＳ ゴシック" …)
  double size = 0;   // em height, in the unit the caller chose
  bool bold = false;
  bool italic = false;
};

// Measures text. Widths and heights are in the unit of font.size, for square
// units (a text of em height 100 that is 250 wide gives 250).
class ITextMetrics {
 public:
  virtual ~ITextMetrics() = default;
  virtual double TextWidth(const CanvasFont& font, const std::string& utf8) const = 0;
  // Height of a line: ascent plus descent.
  virtual double TextHeight(const CanvasFont& font) const = 0;
};

// Deterministic metrics for tests and for code that runs without fonts:
// half an em for one-byte characters (ASCII, half-width katakana), a full em
// for every other character; a line is 1.2 em high.
class FixedTextMetrics : public ITextMetrics {
 public:
  double TextWidth(const CanvasFont& font, const std::string& utf8) const override {
    double ems = 0;
    for (size_t i = 0; i < utf8.size();) {
      const unsigned char c = static_cast<unsigned char>(utf8[i]);
      uint32_t cp = c;
      size_t len = 1;
      if (c >= 0xF0) {
        len = 4;
        cp = c & 0x07;
      } else if (c >= 0xE0) {
        len = 3;
        cp = c & 0x0F;
      } else if (c >= 0xC0) {
        len = 2;
        cp = c & 0x1F;
      }
      for (size_t k = 1; k < len && i + k < utf8.size(); ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
      i += len;
      ems += (cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F)) ? 0.5 : 1.0;
    }
    return ems * font.size;
  }
  double TextHeight(const CanvasFont& font) const override { return 1.2 * font.size; }
};

enum class CanvasOpKind { Line, PolyLine, Polygon, Ellipse, Arc, Rectangle, Text };

// Drawing state captured with every recorded call.
struct CanvasStyle {
  uint32_t penColor = 0;  // black
  int penStyle = 0;
  double penWidth = 0;
  uint32_t brushColor = 0xFFFFFF;
  int brushStyle = 1;  // no fill until a brush is chosen
  CanvasFont font{"ＭＳ ゴシック", 0, false, false};
  uint32_t textColor = 0;
  int textAngle = 0;  // tenths of a degree, counter-clockwise
  int textAlign = 0;
  int backStyle = 0;  // 0 transparent, 1 opaque text box
  uint32_t backColor = 0xFFFFFF;
};

struct CanvasOp {
  CanvasOpKind kind = CanvasOpKind::Line;
  std::vector<CanvasPoint> points;  // line: 2; rectangle: 2 corners; text: anchor
  double rx = 0, ry = 0;            // ellipse / arc radii (logical x and y units)
  double a1 = 0, a2 = 0;            // arc angles, radians, counter-clockwise from +x
  std::string text;
  CanvasStyle style;
};

class Canvas {
 public:
  Canvas() = default;

  // ---- coordinate space and extent -----------------------------------------
  double ScaleLeft() const { return left_; }
  double ScaleTop() const { return top_; }
  double ScaleWidth() const { return width_; }
  double ScaleHeight() const { return height_; }
  void SetScaleLeft(double v) {
    left_ = v;
    userScale_ = true;
  }
  void SetScaleTop(double v) {
    top_ = v;
    userScale_ = true;
  }
  void SetScaleWidth(double v) {
    if (v != 0) width_ = v;
    userScale_ = true;
  }
  void SetScaleHeight(double v) {
    if (v != 0) height_ = v;
    userScale_ = true;
  }
  void SetScale(double left, double top, double width, double height) {
    SetScaleLeft(left);
    SetScaleTop(top);
    SetScaleWidth(width);
    SetScaleHeight(height);
  }
  // The scale a surface has until its user sets one (its size in twips).
  void SetDefaultScale(double width, double height) {
    if (userScale_ || width <= 0 || height <= 0) return;
    width_ = width;
    height_ = height;
  }
  double ExtentWidth() const { return extW_; }
  double ExtentHeight() const { return extH_; }
  void SetExtent(double w, double h) {
    if (w > 0) extW_ = w;
    if (h > 0) extH_ = h;
  }
  // Zoom in percent, read by the dimension lines for their text height.
  double Zoom() const { return zoom_; }
  void SetZoom(double percent) {
    if (percent > 0) zoom_ = percent;
  }

  // ---- state ------------------------------------------------------------------
  double CurrentX() const { return curX_; }
  double CurrentY() const { return curY_; }
  void SetCurrentX(double v) { curX_ = v; }
  void SetCurrentY(double v) { curY_ = v; }
  CanvasStyle& Style() { return style_; }
  const CanvasStyle& Style() const { return style_; }
  void SetPenColor(uint32_t c) { style_.penColor = c; }
  void SetPenStyle(int s) { style_.penStyle = s; }
  void SetPenWidth(double w) { style_.penWidth = w < 0 ? 0 : w; }
  void SetBrushColor(uint32_t c) { style_.brushColor = c; }
  void SetBrushStyle(int s) { style_.brushStyle = s; }
  void SetFontName(const std::string& n) { style_.font.name = n; }
  void SetFontSize(double s) { style_.font.size = s < 0 ? 0 : s; }
  void SetFontBold(bool b) { style_.font.bold = b; }
  void SetFontItalic(bool b) { style_.font.italic = b; }
  void SetTextColor(uint32_t c) { style_.textColor = c; }
  void SetTextAngle(int tenths) { style_.textAngle = tenths; }
  void SetTextAlign(int a) { style_.textAlign = (a >= 0 && a <= 8) ? a : 0; }
  void SetBackStyle(int s) { style_.backStyle = s; }
  void SetBackColor(uint32_t c) { style_.backColor = c; }
  // Line spacing in percent of the text height, kept for the callers' layout.
  double LineSpacing() const { return lineSpacing_; }
  void SetLineSpacing(double v) { lineSpacing_ = v; }

  // ---- drawing ------------------------------------------------------------------
  void Clear() {
    ops_.clear();
    curX_ = curY_ = 0;
    Changed();
  }
  void DrawLine(double x1, double y1, double x2, double y2) {
    if (Finite({x1, y1, x2, y2})) Record(CanvasOpKind::Line, {{x1, y1}, {x2, y2}});
    curX_ = x2;
    curY_ = y2;
  }
  // From the current point.
  void LineTo(double x2, double y2) { DrawLine(curX_, curY_, x2, y2); }
  void PolyLine(const std::vector<CanvasPoint>& pts) {
    if (pts.size() < 2) return;
    if (Finite(pts)) Record(CanvasOpKind::PolyLine, pts);
    curX_ = pts.back().x;
    curY_ = pts.back().y;
  }
  // Outlined with the pen and filled with the brush.
  void Polygon(const std::vector<CanvasPoint>& pts) {
    if (pts.size() < 2 || !Finite(pts)) return;
    Record(CanvasOpKind::Polygon, pts);
  }
  void DrawRectangle(double x1, double y1, double x2, double y2) {
    if (!Finite({x1, y1, x2, y2})) return;
    Record(CanvasOpKind::Rectangle, {{x1, y1}, {x2, y2}});
  }
  // Radius in logical x units; the circle stays round on an uneven scale.
  void DrawCircle(double cx, double cy, double r) {
    if (!Finite({cx, cy, r, r * YPerX()})) return;
    CanvasOp& op = Record(CanvasOpKind::Ellipse, {{cx, cy}});
    op.rx = std::fabs(r);
    op.ry = std::fabs(r * YPerX());
  }
  // Arc from a1 to a2 (radians, counter-clockwise), outlined with the pen.
  void DrawArc(double cx, double cy, double r, double a1, double a2) {
    if (!Finite({cx, cy, r, r * YPerX(), a1, a2})) return;
    CanvasOp& op = Record(CanvasOpKind::Arc, {{cx, cy}});
    op.rx = std::fabs(r);
    op.ry = std::fabs(r * YPerX());
    op.a1 = a1;
    op.a2 = a2;
  }
  void Text(const std::string& utf8) {
    if (utf8.empty() || !Finite({curX_, curY_})) return;
    CanvasOp& op = Record(CanvasOpKind::Text, {{curX_, curY_}});
    op.text = utf8;
  }
  void DrawText(double x, double y, const std::string& utf8) {
    curX_ = x;
    curY_ = y;
    Text(utf8);
  }

  // ---- measuring --------------------------------------------------------------------
  // Width of the text in logical x units, height of a line in logical y units.
  double TextWidth(const std::string& utf8) const {
    return Metrics().TextWidth(style_.font, utf8) / std::fabs(YPerX());
  }
  double TextHeight(const std::string& /*utf8*/ = std::string()) const {
    return Metrics().TextHeight(style_.font);
  }
  void SetMetrics(std::shared_ptr<const ITextMetrics> m) { metrics_ = std::move(m); }
  const ITextMetrics& Metrics() const {
    static const FixedTextMetrics fixed;
    return metrics_ ? *metrics_ : fixed;
  }
  std::shared_ptr<const ITextMetrics> MetricsPtr() const { return metrics_; }

  // ---- the record -------------------------------------------------------------------
  const std::vector<CanvasOp>& Ops() const { return ops_; }
  // Called after every change of the record (a widget repaints then).
  void SetOnChange(std::function<void()> f) { onChange_.f = std::move(f); }

  // Logical y units per logical x unit of equal device length.
  double YPerX() const {
    const double sx = extW_ / width_;
    const double sy = extH_ / height_;
    return sx / sy;
  }

 private:
  // A figure skips what it could not compute: no drawing call with a NaN or
  // an infinity in it is recorded, so no output ever receives one.
  static bool Finite(std::initializer_list<double> values) {
    for (double v : values)
      if (!std::isfinite(v)) return false;
    return true;
  }
  static bool Finite(const std::vector<CanvasPoint>& pts) {
    for (const CanvasPoint& p : pts)
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    return true;
  }

  CanvasOp& Record(CanvasOpKind kind, std::vector<CanvasPoint> pts) {
    CanvasOp op;
    op.kind = kind;
    op.points = std::move(pts);
    op.style = style_;
    ops_.push_back(std::move(op));
    Changed();
    return ops_.back();
  }
  void Changed() {
    if (onChange_) onChange_();
  }

  double left_ = 0, top_ = 0, width_ = 1440, height_ = 1440;
  double extW_ = 1440, extH_ = 1440;
  double zoom_ = 100;
  bool userScale_ = false;
  double curX_ = 0, curY_ = 0;
  double lineSpacing_ = 100;
  CanvasStyle style_;
  std::vector<CanvasOp> ops_;
  std::shared_ptr<const ITextMetrics> metrics_;
  // A copy of a canvas is a new record: it does not notify the original's owner.
  struct Listener {
    std::function<void()> f;
    Listener() = default;
    Listener(const Listener&) {}
    Listener& operator=(const Listener&) { return *this; }
    explicit operator bool() const { return static_cast<bool>(f); }
    void operator()() const { f(); }
  };
  Listener onChange_;
};

// Breaks prefix + text into lines that fit the width left of the surface
// (ScaleWidth less CurrentX), between any two characters; continuation lines
// start with as many blanks as the prefix has characters. Lines are joined by
// "\n"; lineCount receives their number.
inline std::string WrapLabelText(const Canvas& surface, const std::string& text, int32_t& lineCount,
                                 const std::string& prefix) {
  const double avail = surface.ScaleWidth() - surface.CurrentX();
  size_t prefixChars = 0;
  for (unsigned char c : prefix)
    if ((c & 0xC0) != 0x80) ++prefixChars;
  std::vector<std::string> lines(1);
  lineCount = 1;
  const std::string work = prefix + text;
  for (size_t i = 0; i < work.size();) {
    size_t len = 1;
    const unsigned char c = static_cast<unsigned char>(work[i]);
    if (c >= 0xF0)
      len = 4;
    else if (c >= 0xE0)
      len = 3;
    else if (c >= 0xC0)
      len = 2;
    const std::string ch = work.substr(i, len);
    i += len;
    if (surface.TextWidth(lines.back() + ch) > avail) {
      lines.emplace_back(prefixChars, ' ');
      ++lineCount;
    }
    lines.back() += ch;
  }
  std::string out;
  for (size_t k = 0; k < lines.size(); ++k) {
    if (k) out += '\n';
    out += lines[k];
  }
  return out;
}

}  // namespace norva

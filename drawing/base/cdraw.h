#pragma once
// cDraw: the drawing canvas of every figure (wall section, back ground,
// load and result figures, graphs, report pictures). It maps model
// coordinates (metres, y up) to the device units of a norva::Canvas (twips,
// y down) and forwards the pen, brush, font and text state to the canvas.
// It keeps no drawing of its own: everything goes to the canvas record.
//
// Units and conventions:
// - Device units are those of the canvas (twips on every figure surface),
//   with the origin at the top left and y growing downward.
// - Millimetres become device units with exactly 56.7 per mm (3 mm = 170.1):
//   margins, pen widths and the radius of a mapped circle.
// - GetX(x) = x * ScX + Xoo and GetY(y) = Yoo - y * ScY, never rounded.
// - `sflg` (last argument of DrawLine, PolyLine, Polygon, DrawCircle): true
//   maps the coordinates with GetX/GetY, false passes device units through.
// - The 32-bit members (Height, Width, FontSize, TextAngle) round what they
//   are given to a whole number, a half to the even neighbour (100.5 -> 100,
//   101.5 -> 102), as the integer properties of the drawing control do.
// - Colours are Windows colour numbers &HBBGGRR (0xFF0000 is blue).
// - Text is UTF-8.
//
// Without a canvas (a new cDraw, or after SetCanvas(nullptr)) every drawing
// and canvas-state member does nothing and the canvas getters return 0 (Zoom
// returns 100); the model mapping and the stored members still work.
// The canvas is not owned; it must outlive its use through this object.
#include <cstdint>
#include <span>
#include <string>

#include "drawing/base/canvas.h"

namespace norva {

// Device units per millimetre on every drawing surface of the program.
inline constexpr double kTwipsPerMm = 56.7;

// A double to a whole number, a half to the even neighbour (the conversion of
// the drawing control's integer properties).
double RoundHalfEven(double v);
// The same as a 32-bit whole number, held to the 32-bit range (NaN gives 0).
int32_t RoundToInt32(double v);

class cDraw {
 public:
  cDraw() = default;

  // ---- the canvas --------------------------------------------------------------
  void SetCanvas(Canvas* canvas) { canvas_ = canvas; }
  Canvas* GetCanvas() const { return canvas_; }
  // Display zoom of the surface in percent (100 unzoomed), read by the
  // dimension lines for their text height.
  double Zoom() const;

  // The size of the canvas as the caller states it (device units). Set rounds
  // half to even; get returns what was stored.
  double Height() const { return height_; }
  void SetHeight(double h);
  double Width() const { return width_; }
  void SetWidth(double w);

  // ---- margins and drawing area ------------------------------------------------
  // Whole millimetres.
  int32_t MarginLeft() const { return marginLeft_; }
  int32_t MarginRight() const { return marginRight_; }
  int32_t MarginTop() const { return marginTop_; }
  int32_t MarginBottom() const { return marginBottom_; }
  void SetMarginLeft(int32_t mm) { marginLeft_ = mm; }
  void SetMarginRight(int32_t mm) { marginRight_ = mm; }
  void SetMarginTop(int32_t mm) { marginTop_ = mm; }
  void SetMarginBottom(int32_t mm) { marginBottom_ = mm; }
  // In this order: left, right, top, bottom.
  void MarginSet(int32_t left, int32_t right, int32_t top, int32_t bottom);

  // The drawing area inside the margins, device units:
  // left = MarginLeft * 56.7, top = MarginTop * 56.7,
  // right = ScaleWidth - MarginRight * 56.7, bottom = ScaleHeight - MarginBottom * 56.7.
  // Without a canvas the arguments are left as they were.
  void GetDrawAreaRect(double& left, double& top, double& right, double& bottom) const;
  // Its width and height: ScaleWidth - (MarginLeft + MarginRight) * 56.7 and
  // ScaleHeight - (MarginTop + MarginBottom) * 56.7, each margin sum taken as a
  // whole number first. Without a canvas the arguments are left as they were.
  void DrawAreaSize(double& width, double& height) const;
  // The canvas's ScaleWidth / ScaleHeight, margins not subtracted.
  double DrawAreaWidth() const;
  double DrawAreaHeight() const;

  // ---- mapping -------------------------------------------------------------------
  double ScX() const { return scX_; }
  double ScY() const { return scY_; }
  double Xoo() const { return xoo_; }
  double Yoo() const { return yoo_; }
  void SetScX(double v) { scX_ = v; }
  void SetScY(double v) { scY_ = v; }
  void SetXoo(double v) { xoo_ = v; }
  void SetYoo(double v) { yoo_ = v; }
  double GetX(double x) const { return x * scX_ + xoo_; }
  double GetY(double y) const { return yoo_ - y * scY_; }

  // ---- lines, polylines, polygons, circles ---------------------------------------
  // Makes the mapped point (model units, always mapped) the text position
  // (X1, Y1) and the current point, by a zero-length line from and to it.
  void Move(double x, double y);
  // A line from the canvas's current point to (x1, y1); that point becomes the
  // current point. Figures draw a chain as one four-coordinate line followed
  // by these.
  void DrawLine(double x1, double y1, bool sflg);
  // A line from (x1, y1) to (x2, y2); its end becomes the current point.
  void DrawLine(double x1, double y1, double x2, double y2, bool sflg);
  // An open polyline (closed polygon, outlined with the pen and filled with the
  // brush) through the points 0 .. np - 1 of x and y. np below 1 counts as 1;
  // a single point draws nothing. When x or y holds fewer than np points
  // (or none) nothing is drawn.
  void PolyLine(int32_t np, std::span<const double> x, std::span<const double> y, bool sflg);
  void Polygon(int32_t np, std::span<const double> x, std::span<const double> y, bool sflg);
  // A full circle. With sflg the centre is a model point and the radius is in
  // millimetres (x 56.7); without it all three are device units.
  void DrawCircle(double centerX, double centerY, double radius, bool sflg);
  // An arc from startAng to endAng (radians, counter-clockwise on the page),
  // outlined with the pen; centre and radius as for the full circle. The
  // angles are passed on unchanged.
  void DrawCircle(double centerX, double centerY, double radius, double startAng, double endAng,
                  bool sflg);
  // A number where the flag belongs is a mistake (a missing coordinate).
  template <class T>
  void DrawLine(double, double, T) = delete;
  template <class T>
  void DrawCircle(double, double, double, T) = delete;

  // ---- pen and brush ----------------------------------------------------------------
  uint32_t PenColor() const;
  void SetPenColor(uint32_t c);
  // The canvas's style codes: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none.
  int16_t PenStyle() const;
  void SetPenStyle(int16_t s);
  // Millimetres here, device units on the canvas (x 56.7): 0.1 mm is 5.67.
  double PenWidth() const;
  void SetPenWidth(double mm);
  uint32_t BrushColor() const;
  void SetBrushColor(uint32_t c);
  // 0 solid, 1 none, 2 and 3 hatches (more in canvas.h).
  int16_t BrushStyle() const;
  void SetBrushStyle(int16_t s);

  // Erases everything drawn on the canvas.
  void Cls();

  // ---- text ---------------------------------------------------------------------------
  // Em height of the font in device units (170 for 3 mm); set rounds half to even.
  int32_t FontSize() const;
  void SetFontSize(double size);
  // Tenths of a degree, counter-clockwise on the page; set rounds half to even.
  int32_t TextAngle() const;
  void SetTextAngle(double tenths);
  uint32_t TextColor() const;
  void SetTextColor(uint32_t c);
  // 0..8: top, bottom or middle (code / 3) x left, centre or right (code % 3),
  // in the rotated text frame; 0 puts the text's top-left corner at (X1, Y1).
  int32_t TextAlign() const;
  void SetTextAlign(int32_t a);
  // 0 transparent, 1 opaque text box.
  int32_t BackStyle() const;
  void SetBackStyle(int32_t s);
  // Width of the text at the current font, device units.
  double TextWidth(const std::string& text) const;
  // The text position, device units, not mapped.
  double X1() const;
  double Y1() const;
  void SetX1(double x);
  void SetY1(double y);
  // Draws the text at (X1, Y1) with the current font, angle, colour,
  // alignment and background; the position stays. An empty text draws nothing.
  void Text(const std::string& text);
  // X1 = x, Y1 = y (device units, not mapped), then Text(text).
  void DrawText(double x, double y, const std::string& text);

 private:
  Canvas* canvas_ = nullptr;
  double scX_ = 0, scY_ = 0, xoo_ = 0, yoo_ = 0;
  int32_t marginLeft_ = 0, marginRight_ = 0, marginTop_ = 0, marginBottom_ = 0;
  int32_t height_ = 0, width_ = 0;
};

}  // namespace norva

#include "drawing/base/cdraw.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace norva {

double RoundHalfEven(double v) { return std::nearbyint(v); }

int32_t RoundToInt32(double v) {
  if (std::isnan(v)) return 0;
  const double r = RoundHalfEven(v);
  if (r >= 2147483647.0) return INT32_MAX;
  if (r <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(r);
}

namespace {

std::vector<CanvasPoint> Points(const cDraw& d, int32_t np, std::span<const double> x,
                                std::span<const double> y, bool sflg) {
  const size_t n = static_cast<size_t>(np < 1 ? 1 : np);
  if (x.size() < n || y.size() < n) return {};
  std::vector<CanvasPoint> pts(n);
  for (size_t i = 0; i < n; ++i)
    pts[i] = sflg ? CanvasPoint{d.GetX(x[i]), d.GetY(y[i])} : CanvasPoint{x[i], y[i]};
  return pts;
}

}  // namespace

double cDraw::Zoom() const { return canvas_ ? canvas_->Zoom() : 100.0; }

void cDraw::SetHeight(double h) { height_ = RoundToInt32(h); }
void cDraw::SetWidth(double w) { width_ = RoundToInt32(w); }

void cDraw::MarginSet(int32_t left, int32_t right, int32_t top, int32_t bottom) {
  marginLeft_ = left;
  marginRight_ = right;
  marginTop_ = top;
  marginBottom_ = bottom;
}

void cDraw::GetDrawAreaRect(double& left, double& top, double& right, double& bottom) const {
  if (!canvas_) return;
  const double w = canvas_->ScaleWidth();
  const double h = canvas_->ScaleHeight();
  left = marginLeft_ * kTwipsPerMm;
  top = marginTop_ * kTwipsPerMm;
  right = w - marginRight_ * kTwipsPerMm;
  bottom = h - marginBottom_ * kTwipsPerMm;
}

void cDraw::DrawAreaSize(double& width, double& height) const {
  if (!canvas_) return;
  // The sums are whole millimetres before they are converted; 64 bits keep
  // two extreme margins from overflowing.
  const int64_t mx = int64_t{marginLeft_} + marginRight_;
  const int64_t my = int64_t{marginTop_} + marginBottom_;
  width = canvas_->ScaleWidth() - static_cast<double>(mx) * kTwipsPerMm;
  height = canvas_->ScaleHeight() - static_cast<double>(my) * kTwipsPerMm;
}

double cDraw::DrawAreaWidth() const { return canvas_ ? canvas_->ScaleWidth() : 0.0; }
double cDraw::DrawAreaHeight() const { return canvas_ ? canvas_->ScaleHeight() : 0.0; }

// On this canvas the text position is the current point, so setting it is
// all a move needs; a zero-length line would only leave a dot in the files.
void cDraw::Move(double x, double y) {
  if (!canvas_) return;
  canvas_->SetCurrentX(GetX(x));
  canvas_->SetCurrentY(GetY(y));
}

void cDraw::DrawLine(double x1, double y1, bool sflg) {
  if (!canvas_) return;
  if (sflg)
    canvas_->LineTo(GetX(x1), GetY(y1));
  else
    canvas_->LineTo(x1, y1);
}

void cDraw::DrawLine(double x1, double y1, double x2, double y2, bool sflg) {
  if (!canvas_) return;
  if (sflg)
    canvas_->DrawLine(GetX(x1), GetY(y1), GetX(x2), GetY(y2));
  else
    canvas_->DrawLine(x1, y1, x2, y2);
}

void cDraw::PolyLine(int32_t np, std::span<const double> x, std::span<const double> y, bool sflg) {
  if (!canvas_) return;
  const std::vector<CanvasPoint> pts = Points(*this, np, x, y, sflg);
  if (!pts.empty()) canvas_->PolyLine(pts);
}

void cDraw::Polygon(int32_t np, std::span<const double> x, std::span<const double> y, bool sflg) {
  if (!canvas_) return;
  const std::vector<CanvasPoint> pts = Points(*this, np, x, y, sflg);
  if (!pts.empty()) canvas_->Polygon(pts);
}

void cDraw::DrawCircle(double centerX, double centerY, double radius, bool sflg) {
  if (!canvas_) return;
  if (sflg)
    canvas_->DrawCircle(GetX(centerX), GetY(centerY), radius * kTwipsPerMm);
  else
    canvas_->DrawCircle(centerX, centerY, radius);
}

void cDraw::DrawCircle(double centerX, double centerY, double radius, double startAng,
                       double endAng, bool sflg) {
  if (!canvas_) return;
  if (sflg)
    canvas_->DrawArc(GetX(centerX), GetY(centerY), radius * kTwipsPerMm, startAng, endAng);
  else
    canvas_->DrawArc(centerX, centerY, radius, startAng, endAng);
}

uint32_t cDraw::PenColor() const { return canvas_ ? canvas_->Style().penColor : 0; }
void cDraw::SetPenColor(uint32_t c) {
  if (canvas_) canvas_->SetPenColor(c);
}
int16_t cDraw::PenStyle() const {
  return canvas_ ? static_cast<int16_t>(canvas_->Style().penStyle) : 0;
}
void cDraw::SetPenStyle(int16_t s) {
  if (canvas_) canvas_->SetPenStyle(s);
}
double cDraw::PenWidth() const { return canvas_ ? canvas_->Style().penWidth / kTwipsPerMm : 0.0; }
void cDraw::SetPenWidth(double mm) {
  if (canvas_) canvas_->SetPenWidth(mm * kTwipsPerMm);
}
uint32_t cDraw::BrushColor() const { return canvas_ ? canvas_->Style().brushColor : 0; }
void cDraw::SetBrushColor(uint32_t c) {
  if (canvas_) canvas_->SetBrushColor(c);
}
int16_t cDraw::BrushStyle() const {
  return canvas_ ? static_cast<int16_t>(canvas_->Style().brushStyle) : 0;
}
void cDraw::SetBrushStyle(int16_t s) {
  if (canvas_) canvas_->SetBrushStyle(s);
}

void cDraw::Cls() {
  if (canvas_) canvas_->Clear();
}

int32_t cDraw::FontSize() const { return canvas_ ? RoundToInt32(canvas_->Style().font.size) : 0; }
void cDraw::SetFontSize(double size) {
  if (canvas_) canvas_->SetFontSize(RoundHalfEven(size));
}
int32_t cDraw::TextAngle() const { return canvas_ ? canvas_->Style().textAngle : 0; }
void cDraw::SetTextAngle(double tenths) {
  if (canvas_) canvas_->SetTextAngle(RoundToInt32(tenths));
}
uint32_t cDraw::TextColor() const { return canvas_ ? canvas_->Style().textColor : 0; }
void cDraw::SetTextColor(uint32_t c) {
  if (canvas_) canvas_->SetTextColor(c);
}
int32_t cDraw::TextAlign() const { return canvas_ ? canvas_->Style().textAlign : 0; }
void cDraw::SetTextAlign(int32_t a) {
  if (canvas_) canvas_->SetTextAlign(a);
}
int32_t cDraw::BackStyle() const { return canvas_ ? canvas_->Style().backStyle : 0; }
void cDraw::SetBackStyle(int32_t s) {
  if (canvas_) canvas_->SetBackStyle(s);
}

double cDraw::TextWidth(const std::string& text) const {
  return canvas_ ? canvas_->TextWidth(text) : 0.0;
}

double cDraw::X1() const { return canvas_ ? canvas_->CurrentX() : 0.0; }
double cDraw::Y1() const { return canvas_ ? canvas_->CurrentY() : 0.0; }
void cDraw::SetX1(double x) {
  if (canvas_) canvas_->SetCurrentX(x);
}
void cDraw::SetY1(double y) {
  if (canvas_) canvas_->SetCurrentY(y);
}

void cDraw::Text(const std::string& text) {
  if (canvas_) canvas_->Text(text);
}

void cDraw::DrawText(double x, double y, const std::string& text) {
  if (canvas_) canvas_->DrawText(x, y, text);
}

}  // namespace norva

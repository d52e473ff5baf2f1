#include "document/weight.h"

#include "document/numeric.h"

namespace norva {

void CWeight::SetKh(double v) { kh_ = MaxOf(0.0, {v}); }

void CWeight::SetnPoint(int32_t v) {
  n_ = v;
  if (v >= 1) pts_.resize(static_cast<size_t>(v));
}

double CWeight::X(int32_t i) const { return InRange(i) ? pts_[i].X : 0.0; }
double CWeight::Y(int32_t i) const { return InRange(i) ? pts_[i].Y : 0.0; }
void CWeight::SetX(int32_t i, double v) {
  if (InRange(i)) pts_[i].X = v;
}
void CWeight::SetY(int32_t i, double v) {
  if (InRange(i)) pts_[i].Y = v;
}

template <class F>
void CWeight::ForEachEdge(F f) const {
  const int32_t n = n_ < static_cast<int32_t>(pts_.size()) ? n_ : static_cast<int32_t>(pts_.size());
  if (n <= 0) return;
  for (int32_t i = 1; i < n; ++i) {
    f(pts_[i - 1].X, pts_[i - 1].Y, pts_[i].X, pts_[i].Y, false);
  }
  const DPoint& last = pts_[n - 1];
  const DPoint& first = pts_[0];
  if (last.X != first.X || last.Y != first.Y) f(last.X, last.Y, first.X, first.Y, true);
}

double CWeight::A() const {
  double s = 0.0;
  ForEachEdge([&](double x0, double y0, double x1, double y1, bool) { s += y0 * x1 - y1 * x0; });
  return 0.5 * s;
}

double CWeight::Gx() const {
  const double third = 1.0 / 3.0;
  double s = 0.0;
  ForEachEdge([&](double x0, double y0, double x1, double y1, bool) {
    s += (x1 - x0) * (y0 * y0 + (2.0 * y0 + y1) * (y1 - y0) * third);
  });
  return 0.5 * s;
}

double CWeight::Gy() const {
  const double third = 1.0 / 3.0;
  double s = 0.0;
  ForEachEdge([&](double x0, double y0, double x1, double y1, bool closing) {
    if (!closing && !NotEqualTol(x0, x1) && !NotEqualTol(y0, y1)) return;
    s += (y1 - y0) * (x0 * x0 + (2.0 * x0 + x1) * (x1 - x0) * third);
  });
  return -0.5 * s;
}

double CWeight::Xc() const {
  const double a = A();
  return a != 0.0 ? Gy() / a : 0.0;
}

double CWeight::Yc() const {
  const double a = A();
  return a != 0.0 ? Gx() / a : 0.0;
}

double CWeight::w() const { return A() * gam_; }
double CWeight::VX() const { return Xc() * w(); }
double CWeight::HY() const { return w() * kh_ * Yc(); }

}  // namespace norva

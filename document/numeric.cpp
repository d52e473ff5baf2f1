#include "document/numeric.h"

#include <cctype>
#include <cmath>
#include <stdexcept>

namespace norva {

double RoundHalfUp(double x, int16_t n) {
  const double p = std::pow(10.0, static_cast<double>(n));
  // Round the magnitude so that a negative value mirrors its positive twin
  // (-2.6 -> -3, -2.5 -> -3); non-negative values round exactly as before.
  if (x < 0.0) return -std::trunc(-x * p + 0.5) / p;
  return std::trunc(x * p + 0.5) / p;
}

double InterpolateX(const DPoint& p1, const DPoint& p2, double y) {
  if (p2.Y - p1.Y == 0.0) return p1.X;
  return p1.X + (p2.X - p1.X) / (p2.Y - p1.Y) * (y - p1.Y);
}

double InterpolateY(const DPoint& p1, const DPoint& p2, double x) {
  if (p2.X - p1.X == 0.0) return p1.Y;
  return p1.Y + (p2.Y - p1.Y) / (p2.X - p1.X) * (x - p1.X);
}

double ArcCos(double x) {
  if (std::fabs(x - 1.0) <= kTol) return 0.0;
  if (std::fabs(x + 1.0) <= kTol) return 4.0 * std::atan(1.0);
  if (!(std::fabs(x) < 1.0)) throw std::domain_error("ArcCos: argument outside [-1, 1]");
  return std::atan(-x / std::sqrt(1.0 - x * x)) + 2.0 * std::atan(1.0);
}

double CubeRoot(double x) {
  if (!std::isfinite(x)) throw std::domain_error("CubeRoot: argument not finite");
  if (x == 0.0) return 0.0;
  const bool negative = x < 0.0;
  x = std::fabs(x);
  // Start above the root so that Newton's steps decrease monotonically; stop
  // when they no longer decrease in double precision.
  double y = x > 1.0 ? x : 1.0;
  double prev;
  do {
    prev = y;
    y = (x / (prev * prev) + 2.0 * prev) / 3.0;
  } while (y < prev);
  return negative ? -prev : prev;
}

void SolveCubic(double a, double b, double c, double d, double& x1, double& x2, double& x3) {
  if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c) || !std::isfinite(d))
    throw std::invalid_argument("SolveCubic: coefficient not finite");
  if (a == 0.0) throw std::invalid_argument("SolveCubic: leading coefficient is zero");
  const double h = b / (3.0 * a);
  const double f = c / a;
  const double g = d / a;
  const double Q = h * h - f / 3.0;
  const double R = (h * (f - 2.0 * h * h) - g) / 2.0;
  const double D = R * R - Q * Q * Q;
  if (D == 0.0) {
    const double t = CubeRoot(R);
    x1 = 2.0 * t - h;
    x2 = -t - h;
  } else if (D > 0.0) {
    const double m = R > 0.0 ? R + std::sqrt(D) : R - std::sqrt(D);
    const double u = CubeRoot(m);
    const double v = Q / u;
    x1 = u + v - h;
    x2 = -0.5 * (u + v) - h;
    x3 = std::fabs(u - v) * std::sqrt(3.0) / 2.0;
  } else {
    const double s = std::sqrt(Q);
    // Mathematically inside [-1, 1] here; clamp the last-digit excursions.
    double ratio = R / (Q * s);
    if (ratio > 1.0) ratio = 1.0;
    if (ratio < -1.0) ratio = -1.0;
    const double theta = ArcCos(ratio);
    const double r = 2.0 * s;
    x1 = r * std::cos(theta / 3.0) - h;
    x2 = r * std::cos((theta + 6.28318530717958) / 3.0) - h;
    x3 = r * std::cos((theta + 12.56637061435916) / 3.0) - h;
  }
}

double RadToDeg(double x) { return x * 45.0 / std::atan(1.0); }

void RemoveDupPoints(int32_t& n, std::vector<DPoint>& p) {
  if (p.empty()) throw std::out_of_range("RemoveDupPoints: empty point array");
  if (n > static_cast<int32_t>(p.size()))
    throw std::out_of_range("RemoveDupPoints: count beyond the point array");
  if (n <= 0) {
    n = 1;  // point 0 is always kept
    return;
  }
  DPoint ref = p[0];
  int32_t k = 0;
  for (int32_t j = 1; j < n; ++j) {
    if (NotEqualTol(p[j].X, ref.X) || NotEqualTol(p[j].Y, ref.Y)) {
      p[++k] = p[j];
      ref = p[j];
    }
  }
  n = k + 1;
}

void ClipPolygonAtLevel(int32_t& n, std::vector<DPoint>& p, double L) {
  if (p.empty()) throw std::out_of_range("ClipPolygonAtLevel: empty point array");
  if (n > static_cast<int32_t>(p.size()))
    throw std::out_of_range("ClipPolygonAtLevel: count beyond the point array");
  const int32_t nIn = n < 0 ? 0 : n;
  std::vector<DPoint> c;
  c.reserve(2 * static_cast<size_t>(nIn) + 1);

  // One edge of the ring, a -> b, kept where y >= L. A crossing is written
  // only when the kept end lies strictly above L; otherwise it is that end.
  auto edge = [&](const DPoint& a, const DPoint& b) {
    if (!NotEqualTol(a.X, b.X) && !NotEqualTol(a.Y, b.Y)) return;
    const bool aIn = a.Y >= L;
    const bool bIn = b.Y >= L;
    if (aIn && bIn) {
      c.push_back(b);
    } else if (aIn) {
      if (a.Y > L) c.push_back({InterpolateX(a, b, L), L});
    } else if (bIn) {
      if (b.Y > L) c.push_back({InterpolateX(a, b, L), L});
      c.push_back(b);
    }
  };
  for (int32_t j = 1; j < nIn; ++j) edge(p[j - 1], p[j]);
  // Every edge counts, the closing one included: a polygon passed without its
  // repeated first point is closed here.
  if (nIn >= 2) edge(p[nIn - 1], p[0]);
  if (c.size() > 1) c.push_back(c[0]);

  n = static_cast<int32_t>(c.size());
  c.resize(2 * static_cast<size_t>(nIn) + 1);
  p = std::move(c);
}

double RebarArea(int16_t dia, const std::string& unit) {
  struct Bar {
    int16_t dia;
    double area;  // cm^2
  };
  static constexpr Bar kBars[] = {{6, 0.3167}, {10, 0.7133}, {13, 1.267}, {16, 1.986}, {19, 2.865},
                                  {22, 3.871}, {25, 5.067},  {29, 6.424}, {32, 7.942}, {35, 9.566},
                                  {38, 11.4},  {41, 13.4},   {51, 20.27}};
  double area = 0.0;
  for (const Bar& b : kBars) {
    if (b.dia == dia) area = b.area;
  }
  std::string u;
  for (char ch : unit) u.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(ch))));
  if (u == "m") return area * (1.0 / 10000.0);
  if (u == "mm") return area * 100.0;
  return area;
}

HantenRect MakeVariant(int32_t left, int32_t top, int32_t width, int32_t height) {
  return {left, top, width, height};
}

}  // namespace norva

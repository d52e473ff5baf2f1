#pragma once
// General numeric helpers: tolerance comparisons, min/max of lists, rounding,
// interpolation, cubic roots, polygon clean-up and clipping, bar areas.
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "document/geometry.h"

namespace norva {

// The fixed tolerance of every comparison below.
inline constexpr double kTol = 1e-5;

// The left-hand side comes first: GreaterTol(a, b) is "a exceeds b".
inline bool EqualTol(double a, double b) { return (a > b ? a - b : b - a) < kTol; }
inline bool NotEqualTol(double a, double b) { return !EqualTol(a, b); }
inline bool GreaterTol(double a, double b) { return a - b > kTol; }
inline bool LessTol(double a, double b) { return b - a > kTol; }
inline bool LessEqTol(double a, double b) { return !GreaterTol(a, b); }
inline bool GreaterEqTol(double a, double b) { return !LessTol(a, b); }

// Smallest / largest of a start value and the elements. An element replaces the
// running value only when strictly smaller (larger), so ties keep the earlier
// value and the start value wins a tie. NaN never replaces it.
template <class T, class Range>
auto MinOf(T start, const Range& values) {
  using R = std::common_type_t<T, std::decay_t<decltype(*std::begin(values))>>;
  R cur = static_cast<R>(start);
  for (const auto& v : values) {
    if (static_cast<R>(v) < cur) cur = static_cast<R>(v);
  }
  return cur;
}
template <class T, class U>
auto MinOf(T start, std::initializer_list<U> values) {
  return MinOf<T, std::initializer_list<U>>(start, values);
}
template <class T, class Range>
auto MaxOf(T start, const Range& values) {
  using R = std::common_type_t<T, std::decay_t<decltype(*std::begin(values))>>;
  R cur = static_cast<R>(start);
  for (const auto& v : values) {
    if (static_cast<R>(v) > cur) cur = static_cast<R>(v);
  }
  return cur;
}
template <class T, class U>
auto MaxOf(T start, std::initializer_list<U> values) {
  return MaxOf<T, std::initializer_list<U>>(start, values);
}

// x rounded to n decimals, ties away from zero (so negatives mirror positives).
double RoundHalfUp(double x, int16_t n);

// x of the line through p1, p2 at height y (p1.X when the line is horizontal);
// y of that line at abscissa x (p1.Y when it is vertical). Extrapolates.
double InterpolateX(const DPoint& p1, const DPoint& p2, double y);
double InterpolateY(const DPoint& p1, const DPoint& p2, double x);

// Arc cosine in radians; within 1e-5 of +-1 it snaps to 0 / pi.
// Throws std::domain_error when |x| > 1 beyond that tolerance or x is NaN.
double ArcCos(double x);

// Real roots of a x^3 + b x^2 + c x + d = 0.
// Three real roots: x1, x2, x3. One real root: x1 the root, x2 the real part and
// x3 the magnitude of the imaginary part of the complex pair. Discriminant
// exactly 0: x1 and x2, x3 left as it was. Throws std::invalid_argument when
// a is 0 or an argument is not finite.
void SolveCubic(double a, double b, double c, double d, double& x1, double& x2, double& x3);

// Real cube root. Throws std::domain_error for a non-finite argument.
double CubeRoot(double x);

double RadToDeg(double x);

template <class T>
void SwapValues(T& a, T& b) {
  T t = std::move(a);
  a = std::move(b);
  b = std::move(t);
}

// Drops consecutive points that lie within 1e-5 (in both coordinates) of the
// last point kept; n becomes the number kept. Entries behind n keep their old
// contents. Throws std::out_of_range when p is empty or shorter than n.
void RemoveDupPoints(int32_t& n, std::vector<DPoint>& p);

// Cuts the closed polygon p[0..n-1] (last point repeating the first) at y = L
// and keeps the part at or above L, closed again. n becomes the number of
// points (0 when nothing is left); p is resized to 2n+1 entries.
// Throws std::out_of_range when p is empty or shorter than n.
void ClipPolygonAtLevel(int32_t& n, std::vector<DPoint>& p, double L);

// Nominal area of a deformed bar of diameter dia (mm) in cm^2; unit "m" gives
// m^2, "mm" gives mm^2 (any case); 0 for a diameter not in the table.
double RebarArea(int16_t dia, const std::string& unit);

// Highlight rectangle of the wall-section screen, in twips.
struct HantenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
};

HantenRect MakeVariant(int32_t left, int32_t top, int32_t width, int32_t height);

}  // namespace norva

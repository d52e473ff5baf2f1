#pragma once
// One polygon of the wall's cross-section with its unit weight and seismic
// coefficient: area, first moments, centroid, weight and the two moments of the
// stability check. Nothing is cached; every value is recomputed from the points.
//
// With Y up, clockwise points give a positive area and positive moments,
// counter-clockwise ones the negatives (the centroid is the same either way).
// The polygon is closed by the edge from the last point back to the first.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/geometry.h"

namespace norva {

class CWeight {
 public:
  double Kh() const { return kh_; }
  void SetKh(double v);  // a negative value is stored as 0
  double Gam() const { return gam_; }
  void SetGam(double v) { gam_ = v; }

  int32_t nPoint() const { return n_; }
  // Stores the count; a count of 1 or more resizes the points keeping the
  // existing ones (new ones are (0, 0)), a smaller one leaves them as they are.
  void SetnPoint(int32_t v);

  // Outside 0..nPoint-1: reading gives 0, writing is ignored.
  double X(int32_t i) const;
  double Y(int32_t i) const;
  void SetX(int32_t i, double v);
  void SetY(int32_t i, double v);

  double A() const;   // area, m^2
  double Gx() const;  // integral of y dA, m^3
  double Gy() const;  // integral of x dA, m^3
  double Xc() const;  // centroid, m (0 when the area is 0)
  double Yc() const;
  double w() const;   // weight A * Gam, kN/m
  double VX() const;  // moment of the weight about x = 0, Xc * w
  double HY() const;  // moment of the seismic force about y = 0, w * Kh * Yc

 private:
  bool InRange(int32_t i) const { return i >= 0 && i < n_ && static_cast<size_t>(i) < pts_.size(); }
  // Calls f(x0, y0, x1, y1, closing) for each edge of the closed polygon.
  template <class F>
  void ForEachEdge(F f) const;

  double kh_ = 0.0;
  double gam_ = 0.0;
  int32_t n_ = 0;
  std::vector<DPoint> pts_;
};

}  // namespace norva

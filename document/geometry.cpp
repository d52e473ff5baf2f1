#include "document/geometry.h"

#include <cmath>

namespace norva {

namespace {

constexpr double kSame = 1e-6;   // coincident points, vertical/horizontal segments
constexpr double kSlope = 1e-7;  // parallel slopes
constexpr double kOnEnd = 1e-4;  // "at an end point"

double Pi() { return 4.0 * std::atan(1.0); }

// Position of R on A1-A2; `axis` is the threshold that picks the axis of the
// in-between test (CrossPoint and PerpFoot differ here).
int32_t PositionOn(const DPoint& A1, const DPoint& A2, const DPoint& R, double axis) {
  if (std::fabs(A1.X - R.X) < kOnEnd && std::fabs(A1.Y - R.Y) < kOnEnd) return 1;
  if (std::fabs(A2.X - R.X) < kOnEnd && std::fabs(A2.Y - R.Y) < kOnEnd) return 3;
  if (std::fabs(A1.X - A2.X) > axis) return (A1.X - R.X) * (A2.X - R.X) < 0 ? 2 : 0;
  if (std::fabs(A1.Y - A2.Y) > axis) return (A1.Y - R.Y) * (A2.Y - R.Y) < 0 ? 2 : 0;
  return 0;
}

bool Coincide(const DPoint& a, const DPoint& b) {
  return std::fabs(a.X - b.X) < kSame && std::fabs(a.Y - b.Y) < kSame;
}

}  // namespace

int32_t CrossPoint(const DPoint& P1, const DPoint& P2, const DPoint& Q1, const DPoint& Q2,
                   DPoint& R) {
  R = {kGeomNone, kGeomNone};
  if (Coincide(P1, P2) || Coincide(Q1, Q2)) return 0;
  const bool pVert = std::fabs(P1.X - P2.X) < kSame;
  const bool pHorz = std::fabs(P1.Y - P2.Y) < kSame;
  const bool qVert = std::fabs(Q1.X - Q2.X) < kSame;
  const bool qHorz = std::fabs(Q1.Y - Q2.Y) < kSame;
  DPoint r;
  if (pVert) {
    if (qVert) return 0;
    r.X = P1.X;
    r.Y = Q1.Y + (Q2.Y - Q1.Y) / (Q2.X - Q1.X) * (P1.X - Q1.X);
  } else if (pHorz) {
    if (qHorz) return 0;
    r.Y = P1.Y;
    r.X = Q1.X + (Q2.X - Q1.X) / (Q2.Y - Q1.Y) * (P1.Y - Q1.Y);
  } else if (qVert) {
    r.X = Q1.X;
    r.Y = P1.Y + (P2.Y - P1.Y) / (P2.X - P1.X) * (Q1.X - P1.X);
  } else if (qHorz) {
    r.Y = Q1.Y;
    r.X = P1.X + (P2.X - P1.X) / (P2.Y - P1.Y) * (Q1.Y - P1.Y);
  } else {
    const double a1 = (P1.Y - P2.Y) / (P1.X - P2.X);
    const double b1 = P1.Y - a1 * P1.X;
    const double a2 = (Q1.Y - Q2.Y) / (Q1.X - Q2.X);
    const double b2 = Q1.Y - a2 * Q1.X;
    if (std::fabs(a1 - a2) < kSlope) return 0;
    r.X = -(b1 - b2) / (a1 - a2);
    r.Y = b1 + a1 * r.X;
  }
  R = r;
  return PositionOn(P1, P2, r, kOnEnd) + 16 * PositionOn(Q1, Q2, r, kOnEnd);
}

double LineAngle(const DPoint& P1, const DPoint& P2) {
  const double pi = Pi();
  if (std::fabs(P1.X - P2.X) < kSame) {
    if (std::fabs(P2.Y - P1.Y) < kSame) return kGeomNone;
    return P2.Y > P1.Y ? pi / 2.0 : 3.0 * pi / 2.0;
  }
  if (std::fabs(P1.Y - P2.Y) < kSame) return P2.X > P1.X ? 0.0 : pi;
  const double s = (P2.Y - P1.Y) / (P2.X - P1.X);
  if (P2.X > P1.X && P2.Y > P1.Y) return std::atan(s);
  if (P2.X < P1.X) return pi + std::atan(s);
  return 2.0 * pi + std::atan(s);
}

DPoint PolarPoint(const DPoint& Base, double Angle, double Dist) {
  return {Base.X + Dist * std::cos(Angle), Base.Y + Dist * std::sin(Angle)};
}

DPoint RotatePoint(const DPoint& P, const DPoint& Centre, double Angle) {
  const double dx = P.X - Centre.X;
  const double dy = P.Y - Centre.Y;
  const double c = std::cos(Angle);
  const double s = std::sin(Angle);
  return {Centre.X + dx * c + dy * s, Centre.Y - dx * s + dy * c};
}

int32_t PerpFoot(const DPoint& P1, const DPoint& P2, const DPoint& Pt, DPoint& Foot, double& Dist) {
  Foot = {kGeomNone, kGeomNone};
  if (Coincide(P1, P2)) return 0;
  DPoint f;
  if (std::fabs(P1.X - P2.X) < kSame) {
    f = {P1.X, Pt.Y};
    Dist = std::fabs(P1.X - Pt.X);
  } else if (std::fabs(P1.Y - P2.Y) < kSame) {
    f = {Pt.X, P1.Y};
    Dist = std::fabs(P1.Y - Pt.Y);
  } else {
    const double a = (P1.Y - P2.Y) / (P1.X - P2.X);
    const double b = P1.Y - a * P1.X;
    const double a2 = -1.0 / a;
    const double b2 = Pt.Y - a2 * Pt.X;
    f.X = -(b - b2) / (a - a2);
    f.Y = b + a * f.X;
    Dist = PointDistance(Pt, f);
  }
  Foot = f;
  return PositionOn(P1, P2, f, kSame);
}

double PointDistance(const DPoint& P1, const DPoint& P2) {
  const double dy = P1.Y - P2.Y;
  const double dx = P1.X - P2.X;
  return std::sqrt(dy * dy + dx * dx);
}

DPoint PointAlong(const DPoint& P1, const DPoint& P2, double L) {
  const double d = PointDistance(P1, P2);
  if (d < kSame) return {0.0, 0.0};
  return {P1.X + (P2.X - P1.X) * L / d, P1.Y + (P2.Y - P1.Y) * L / d};
}

}  // namespace norva

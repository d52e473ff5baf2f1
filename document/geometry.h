#pragma once
// Plane geometry on DPoint records. No state, no errors: failures come back as
// sentinels (a point of (-1e8, -1e8), an angle of -1e8, a position code of 0).
#include <cstdint>

namespace norva {

struct DPoint {
  double X = 0.0;
  double Y = 0.0;
};

// What the functions return when a point or an angle cannot be computed.
inline constexpr double kGeomNone = -1e8;

// Position codes of a point on a segment A1-A2: 0 outside (or undecided),
// 1 on A1, 2 strictly between, 3 on A2.
// CrossPoint returns the position on P plus 16 times the position on Q.
// R receives the crossing of the two lines, or (-1e8, -1e8) when the lines are
// parallel or a segment is degenerate. Code 0 with R set means the lines cross
// outside both segments.
int32_t CrossPoint(const DPoint& P1, const DPoint& P2, const DPoint& Q1, const DPoint& Q2,
                   DPoint& R);

// Direction of P1->P2 in radians, 0 <= angle < 2*pi (counter-clockwise, y up);
// -1e8 when the points coincide.
double LineAngle(const DPoint& P1, const DPoint& P2);

// Base + Dist * (cos Angle, sin Angle).
DPoint PolarPoint(const DPoint& Base, double Angle, double Dist);

// P turned about Centre by Angle; a positive angle turns clockwise with y up.
DPoint RotatePoint(const DPoint& P, const DPoint& Centre, double Angle);

// Foot of the perpendicular from Pt onto the line P1-P2 and its distance.
// Returns the position code of Foot on the segment. When P1 and P2 coincide,
// Foot is (-1e8, -1e8), Dist is left as it was and the result is 0.
int32_t PerpFoot(const DPoint& P1, const DPoint& P2, const DPoint& Pt, DPoint& Foot, double& Dist);

double PointDistance(const DPoint& P1, const DPoint& P2);

// Point at distance L from P1 towards P2 (not limited to the segment);
// (0, 0) when P1 and P2 coincide.
DPoint PointAlong(const DPoint& P1, const DPoint& P2, double L);

}  // namespace norva

#pragma once
// Bearing-capacity factors Nc, Nq, Ngamma: the tables by phi of the
// residential-land and canal guidelines (and the fallback table), the
// farm-road chart by (phi, theta), the closed forms of the large-block
// guideline and the road-earthworks curve fits for inclined loads.
// Every function here is pure.
#include <cstdint>
#include <span>

#include "calc/calc_angles.h"

namespace norva {

// Linear interpolation in a table of ascending abscissae; the end values are
// held outside the table. Both spans have the same length (at least 1).
double InterpTable(double x, std::span<const double> abscissae, std::span<const double> values);

// Factors by phi (degrees) for a guideline code: 4 residential land,
// 5 canals, any other value the fallback table.
double GetNcTable(int32_t guideline, double phi);
double GetNqTable(int32_t guideline, double phi);
double GetNgTable(int32_t guideline, double phi);
// The phi rows (degrees, ascending) of the table of a guideline code, for
// printing the table the interpolation reads.
std::span<const double> GetTablePhis(int32_t guideline);

// Farm-road chart: kind 0 Nc, 1 Nq, 2 Ngamma; theta in radians, phi in
// degrees on a 5-degree row (the caller interpolates between rows).
// Rows beyond 40 degrees and below 0 take the end row; theta outside
// 0..40 degrees takes the end column. An unknown kind gives 0.
double GetNKeisyaTable(int16_t kind, double theta, double phi);

// Closed forms of the large-block guideline for one trial angle omega of the
// velocity field (phi, theta, omega in radians). phi = 0 takes the limit of
// the forms. Returns false (factors then undefined) where a divisor vanishes.
bool CalcNTheory(double phi, double theta, double omega, double& Nc, double& Nq, double& Ng);

// Road-earthworks fits: x is the load inclination tan(theta) = H / V, the
// abscissa of the charts they come from; phi in degrees. The entry functions
// read a negative x as a vertical load.
double GetNcKeisya(double x, double phi);
double GetNqKeisya(double x, double phi, double q, double c);
double GetNgKeisya(double x, double phi);
double GetNcKeisyaPhi(double x, double phiStep);
double GetNqKeisyaPhi(double x, double phiStep);
double GetNgKeisyaPhi(double x, double phiStep);
double NcKeisyaPoly(double x);
double NqKeisyaPoly(double x);
double NgKeisyaPoly(double x);
// Limit of x for an Nq on cohesive ground, r = q / c.
double GetNqKeisyaLimit(double Nq, double r);

// Raw data, exposed so the tests can check every entry against the charts.
namespace bearing_data {

inline constexpr int kFarmSteps = 9;  // 0..40 degrees by 5, both axes
// [kind][phi row][theta column]
extern const double kFarmChart[3][kFarmSteps][kFarmSteps];

// Road-earthworks fits: log10 N = a0 + a1 x + ... + a5 x^5.
inline constexpr int kFitSteps = 10;  // phi 0..45 by 5
extern const double kNcFit[kFitSteps][6];
extern const double kNqFit[kFitSteps][6];  // row 0 unused (no curve)
extern const double kNgFit[kFitSteps][6];  // row 0 is log 0
extern const double kNcBoundary[6];
extern const double kNgBoundary[6];
extern const double kNqBoundary[6];
extern const double kNqLimit[5][6];  // curves Y0..Y4 in L

}  // namespace bearing_data

}  // namespace norva

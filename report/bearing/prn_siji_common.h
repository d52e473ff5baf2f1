#pragma once
// Pieces shared by the bearing-capacity writers: guarded arithmetic for the
// intermediate values they print, and the printed form of a safety factor.
#include <cmath>
#include <string>

#include "calc/stability/verdicts.h"
#include "document/nulls.h"

namespace norva {

inline constexpr double kSijiRadToDeg = 57.29577951308238;
inline constexpr double kSijiDegToRad = 0.017453292519943278;

// True when every value is a computed number.
inline bool SijiKnown(double a) { return IsComputedResult(a); }
template <typename... T>
bool SijiKnown(double a, T... rest) {
  return IsComputedResult(a) && SijiKnown(rest...);
}

// a / b; kNullBox ("-----" in print) when b is 0 or either is not computed.
inline double SijiDiv(double a, double b) {
  if (!SijiKnown(a, b) || b == 0.0) return kNullBox;
  return a / b;
}

// The value, or kNullBox when any of the values it was made of is missing.
template <typename... T>
double SijiOr(double v, T... inputs) {
  return SijiKnown(inputs...) && std::isfinite(v) ? v : kNullBox;
}

// Mask of a safety factor printed as a divisor: whole numbers without
// decimals (3, 2), any other with two, so the printed divisor is the one the
// calculation divided by.
inline std::string SijiFactorMask(double v) {
  return SijiKnown(v) && v == std::trunc(v) ? "#" : "#.##";
}

}  // namespace norva

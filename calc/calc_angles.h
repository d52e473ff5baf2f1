#pragma once
// The angle constants of the whole calculation: fixed values rather than the
// platform's pi, so results do not drift.

namespace norva {

inline constexpr double kCalcPi = 3.14159265358979;
inline constexpr double kCalcHalfPi = 1.570796326794895;
inline constexpr double kCalcDegToRad = 0.017453292519943278;
inline constexpr double kCalcRadToDeg = 57.29577951308238;

}  // namespace norva

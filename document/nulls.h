#pragma once
// Null values of inputs that were never entered and of blank results.
#include <cstdint>

namespace norva {

// A document input (double or single) that the user has not entered.
inline constexpr double kNullDouble = -1.7E+10;
// A blank number box, and "no result" in result records.
inline constexpr double kNullBox = -1.79769313486231E+308;
inline constexpr int16_t kNullInt16 = -32768;
inline constexpr int32_t kNullInt32 = -2147483648;

// Both double forms count as null.
inline bool IsNullValue(double v) { return v == kNullDouble || v == kNullBox; }
inline bool IsNullValue(int16_t v) { return v == kNullInt16; }
inline bool IsNullValue(int32_t v) { return v == kNullInt32; }

}  // namespace norva

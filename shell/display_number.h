#pragma once
// The one rule by which the program shows a number on screen, in its panels,
// captions and messages: a value that is not computable shows "-----", any
// other is formatted. Not computable are the nulls of the document and of
// the results, the calculation's out-of-range marks (ground reaction 1e10
// when the resultant leaves the base) and anything else beyond 1e8 in size,
// NaN and infinity. The screens take their numbers from here too.
#include <string>
#include <string_view>

namespace norva {

inline constexpr const char* kNotComputableText = "-----";

// True when v is a number to be shown.
bool IsDisplayable(double v);

// v with a pattern of "#", "0" and "." ("0.00", "##0.00"), or "-----".
std::string DisplayNumber(double v, std::string_view pattern);
// The same, right-aligned to the length of the pattern.
std::string DisplayNumberAligned(double v, std::string_view pattern);

}  // namespace norva

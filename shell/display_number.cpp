#include "shell/display_number.h"

#include <cmath>

#include "document/report_format.h"

namespace norva {

namespace {
// Beyond anything a wall, a load or a ground reaction reaches: the marks of
// the calculation (1e10 and the nulls) lie above it.
constexpr double kLargestShown = 1e8;
}  // namespace

bool IsDisplayable(double v) { return std::isfinite(v) && std::fabs(v) <= kLargestShown; }

std::string DisplayNumber(double v, std::string_view pattern) {
  return IsDisplayable(v) ? FormatPattern(v, pattern) : std::string(kNotComputableText);
}

std::string DisplayNumberAligned(double v, std::string_view pattern) {
  return IsDisplayable(v) ? FormatNum(v, pattern) : std::string(kNotComputableText);
}

}  // namespace norva

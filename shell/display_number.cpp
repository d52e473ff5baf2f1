#include "shell/display_number.h"

#include "calc/stability/verdicts.h"
#include "document/report_format.h"

namespace norva {

// The verdicts' rule: what is shown as a number is what a check may pass on.
bool IsDisplayable(double v) { return IsComputedResult(v); }

std::string DisplayNumber(double v, std::string_view pattern) {
  return IsDisplayable(v) ? FormatPattern(v, pattern) : std::string(kNotComputableText);
}

std::string DisplayNumberAligned(double v, std::string_view pattern) {
  return IsDisplayable(v) ? FormatNum(v, pattern) : std::string(kNotComputableText);
}

}  // namespace norva

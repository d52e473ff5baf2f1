#include "calc/stability/printed_relation.h"

#include <cstdlib>
#include <string>

#include "calc/stability/verdicts.h"
#include "document/report_format.h"

namespace norva {
namespace {

double AsPrinted(double v, int decimals) {
  if (!IsComputedResult(v)) return v;
  const std::string pattern =
      decimals > 0 ? "0." + std::string(static_cast<size_t>(decimals), '0') : std::string("0");
  return std::strtod(FormatPattern(v, pattern).c_str(), nullptr);
}

}  // namespace

PrintedRelation ComparePrinted(double a, int aDecimals, double b, int bDecimals) {
  if (IsMissingResult(a) || IsMissingResult(b)) return PrintedRelation::kNone;
  const double x = AsPrinted(a, aDecimals), y = AsPrinted(b, bDecimals);
  if (x < y) return PrintedRelation::kLess;
  if (x > y) return PrintedRelation::kGreater;
  return PrintedRelation::kEqual;
}

const char* RelationMark(PrintedRelation r, const RelationMarks& marks, const char* none) {
  switch (r) {
    case PrintedRelation::kLess:
      return marks.less;
    case PrintedRelation::kEqual:
      return marks.equal;
    case PrintedRelation::kGreater:
      return marks.greater;
    case PrintedRelation::kNone:
      break;
  }
  return none;
}

}  // namespace norva

#pragma once
// How a value and its allowable compare as a display prints them, so that a
// comparison mark beside the two numbers is always arithmetically true. The
// verdict of a check is not decided here (verdicts.h): a heel-side resultant
// of a block wall passes while |e| > B/6 still reads ">".
//
// Each number is rounded as it is printed (the report's rounding, half away
// from zero on its decimal form) to its own count of decimals. A value beyond
// 1e8 that is not a null (the ground reaction 1e10 of a resultant outside the
// base, printed "-----") is compared as it stands: it exceeds any allowable.
// A null, NaN or infinity has no relation (kNone): no mark is printed.

namespace norva {

enum class PrintedRelation { kLess, kEqual, kGreater, kNone };

PrintedRelation ComparePrinted(double a, int aDecimals, double b, int bDecimals);
inline PrintedRelation ComparePrinted(double a, double b, int decimals) {
  return ComparePrinted(a, decimals, b, decimals);
}

// The marks a display uses for "a < b", "a = b" and "a > b".
struct RelationMarks {
  const char* less;
  const char* equal;
  const char* greater;
};
// "<", "=", ">" (the result grids and the result panel).
inline constexpr RelationMarks kAsciiMarks{"<", "=", ">"};
// The report's table entities.
inline constexpr RelationMarks kEntityMarks{"&lt;", "=", "&gt;"};
// The report's formulas, for a check whose value must reach its allowable
// ("≧" also when the printed numbers are equal) ...
inline constexpr RelationMarks kAtLeastMarks{"＜", "≧", "≧"};
// ... and for one whose value must not exceed it.
inline constexpr RelationMarks kAtMostMarks{"≦", "≦", "＞"};

// The mark of a relation; `none` for kNone.
const char* RelationMark(PrintedRelation r, const RelationMarks& marks, const char* none = "");

}  // namespace norva

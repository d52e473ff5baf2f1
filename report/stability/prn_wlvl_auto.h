#pragma once
// The water level of least sliding safety in the stability chapter: per load
// case with water, the graph of the sliding safety factor against the water
// level and the critical level with its factor.
#include <cstdint>
#include <string>

namespace norva {

class CDocument;
class CWlvlCalc;
class PrnFile;

// The level and factor the section prints for a case's record: the least
// factor among the points the water-level search could take (IsWlvlCandidate:
// not the -1 of a level without horizontal force, not a value that was not
// computed), at the earliest such point in record order, except that where
// that factor is also found at the critical level the search stored for the
// case's state (WatFH), that level is printed. Without any such point: the
// stored level and factor kNullBox ("-----").
struct WlvlLeast {
  double level = 0;
  double fs = 0;
};
WlvlLeast WlvlAutoLeast(const CDocument& doc, const CWlvlCalc& rec);

// The section of load case i (called for every case with water, reported or
// not); notFirst false writes the section heading and its two sentences. The
// graph is saved as <folder>/WlvlAuto<iii>.svg (ReportError when it cannot
// be). A case without a water-level record writes nothing.
void PrnWlvlAuto(PrnFile& f, const CDocument& doc, int32_t i, const std::string& folder,
                 bool notFirst);

}  // namespace norva

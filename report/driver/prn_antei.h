#pragma once
// The stability chapter of one wall part: a dispatcher over the section
// slots of the writer registry (report_writers.h lists them in order with
// the conditions under which each is written).
#include <cstdint>
#include <string>

namespace norva {

class CDocument;
class PrnFile;

// part 0: the wall, or the upper wall of a mixed wall; 1: the lower wall of
// a mixed wall. The reported cases are those ticked in PrnSel().PrnAnteiCases.
// With no case ticked the method sections are written and the per-case
// sections are not.
void PrnAntei(PrnFile& f, const CDocument& doc, const std::string& folder, int16_t part);

}  // namespace norva

#pragma once
// The summary tables that end the stability chapter: every load case of the
// document with its condition, water and the result of each check, whatever
// the report's case selection.
#include <cstdint>

namespace norva {

class CDocument;
class PrnFile;

// Columns of the summary of the wall (or of the lower wall of a mixed wall):
// No, name, condition, water, overturning, sliding (ChkSlide 1), ground
// reaction, bearing (large-block guideline, Sisin 3).
int32_t AnteiListColumns(const CDocument& doc);

// The summary of the wall, or of the lower wall of a mixed wall, in table
// parts of at most 52 rows (12 cases of 4 rows, or 16 of 3 under Sisin 3).
// Overturning by the check of the document (safety factor for nTentou 1,
// line of thrust for nTentou 3, resultant distance for a leaning wall under
// road earthworks, eccentricity otherwise); the ground reaction shows the
// larger and the smaller edge reaction and judges the larger against the
// case's allowable; a resultant outside the base prints "-----". Verdicts
// follow the shared stability rules; a check that was not computed prints
// "-----" and never "OK".
void PrnAnteiList(PrnFile& f, const CDocument& doc);

// The summary of the upper wall of a mixed wall: the line of thrust only.
void PrnAnteiListUpper(PrnFile& f, const CDocument& doc);

}  // namespace norva

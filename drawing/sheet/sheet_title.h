#pragma once
// The fixed parts of the sheet: the frame inside the margins, the title block
// in the lower-right corner of the frame and, when the document asks for it
// (Suryou = 0), the quantity table for the wall length WallL in the upper-right
// corner.
#include <string>

namespace norva {

class CDocument;
class SheetRun;

// Draws them with the run's origin at the lower-left corner of the sheet and
// leaves the origin as it found it. Sets SkzMatW and SkzMatH only when it
// draws the table (renewing the program's quantity rows first).
void SkzTitle(SheetRun& run, const CDocument& doc);

// The table's heading, naming the length the quantities are computed for:
// "数量表(10m当たり)" for 10, "数量表(12.5m当たり)" for 12.5 (at most three
// decimals, no trailing zeros); "数量表" alone for a length that is null, zero
// or negative.
std::string QuantityTableTitle(double wallLength);

// The quantity text as the table shows it: right-aligned in ten characters,
// its last ten characters when longer.
std::string QuantityCellText(const std::string& quantity);

}  // namespace norva

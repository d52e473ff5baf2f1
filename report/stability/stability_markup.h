#pragma once
// Markup pieces shared by the sections of the stability chapter.
#include <cstdint>
#include <string>

namespace norva {

class CDocument;
class PrnFile;

// Opens the block of one load case of a series: the first call (flag 0)
// starts a new page with the series heading `title` (section level) and sets
// the flag; later calls only open the block. True when the heading was
// written.
bool PrnSeriesOpen(PrnFile& f, const CDocument& doc, const char* title, int16_t& flag);

// "<IMG SRC="path", WIDTH=p%, HEIGHT=p%>": the picture line of the
// stability chapter's figures (a comma between the two sizes).
void PrnImage(PrnFile& f, const std::string& path, int percent);

// Closes the body rows of a 7-column table and opens its sum row `row`: the
// rules round it and its "Σ" label; the caller writes the sums and closes the
// table.
void PrnSumRowOpen(PrnFile& f, int row);

}  // namespace norva

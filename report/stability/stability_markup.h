#pragma once
// Markup pieces shared by the sections of the stability chapter.
#include <string>

namespace norva {

class PrnFile;

// "<IMG SRC="path", WIDTH=p%, HEIGHT=p%>": the picture line of the
// stability chapter's figures (a comma between the two sizes).
void PrnImage(PrnFile& f, const std::string& path, int percent);

// Closes the body rows of a 7-column table and opens its sum row `row`: the
// rules round it and its "Σ" label; the caller writes the sums and closes the
// table.
void PrnSumRowOpen(PrnFile& f, int row);

}  // namespace norva

#pragma once
// Horizontal loads (vehicle collision, rock fall, wind) and other
// (user-defined) loads of the stability chapter: one table per reported case
// with each load's forces, positions and moments and the stored sums.
#include <cstdint>

namespace norva {

class CDocument;
class PrnFile;

// Load case i, from the result of wall part 0. Nothing when the case's sum of
// horizontal forces is not positive. The first case written (flag 0) starts a
// page with the section heading and the method of every load kind that acts
// in a reported case (the document and the case both consider it), in the
// order collision, rock fall, wind; then sets the flag.
void PrnHorzLoad(PrnFile& f, const CDocument& doc, int32_t i, int16_t& flag);

// Load case i of wall part `part`: nothing without other loads. The first
// case written starts a page with the section heading and sets the flag.
// Names are cut to 15 CP932 bytes, whole characters only.
void PrnNiniLoad(PrnFile& f, const CDocument& doc, int32_t i, int16_t part, int16_t& flag);

}  // namespace norva

#pragma once
// The bearing-capacity sections of the road-earthworks guideline (the
// allowable vertical bearing capacity) and of the large-block guideline (the
// safety factor against the ultimate bearing capacity): a method text and the
// values of each load case.
#include <cstdint>

namespace norva {

class CDocument;
class PrnFile;

void PrnSijiQa(PrnFile& f, const CDocument& doc);
// Load case i (0-based); nothing when the case has no result.
void PrnSijiQaCase(PrnFile& f, const CDocument& doc, int32_t i);

void PrnSijiFs(PrnFile& f, const CDocument& doc);
void PrnSijiFsCase(PrnFile& f, const CDocument& doc, int32_t i);

}  // namespace norva

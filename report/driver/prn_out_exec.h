#pragma once
// The report driver: writes the chosen chapters into "norva.prn" in the work
// folder and hands the text to the renderer.
#include <cstdint>

#include "report/driver/report_renderer.h"

namespace norva {

class CDocument;
class PrnFile;

// Writes the chapters chosen in PrnSel() in their fixed order, each after a
// "<RP>" line when an earlier chapter flag is set (the flags decide, not
// whether the earlier chapter wrote anything):
//   1 design conditions, 2 stability (part 0), 3 stability of the lower wall
//   of a mixed wall, 4 wall stresses (part 0), 5 those of the lower wall
//   (no page break of its own), 6 toe slab (when bFotCalc), 7 shear key
//   (when Tokki = 1).
// Then reads the file back and calls the renderer in `mode` (0 print,
// 1 preview, 2 word processor) with it, env.styleDir + "/style.dat" and the
// work folder; returns when the renderer's window closes. With no chapter
// chosen the renderer still gets the (empty) text.
// Returns true when the renderer ran. A file that cannot be written, a
// missing shipped figure or a renderer that cannot be loaded stop the report
// before anything is shown, with one message (through MessageSink()) naming
// the file; the result is then false.
bool PrnOutExec(const CDocument& doc, int16_t mode, const ReportEnv& env);

// The chapters alone, into an open report file (step 3 of PrnOutExec).
void PrnWriteChapters(PrnFile& f, const CDocument& doc, const std::string& folder);

}  // namespace norva

#pragma once
// The bearing-capacity sections of the stability chapter, put into the
// report's writer registry.

namespace norva {

// Fills the slots PrnSijiQa, PrnSijiQaCase, PrnSijiFs and PrnSijiFsCase of
// PrnWriters() (report/driver/report_writers.h).
void RegisterSijiWriters();

}  // namespace norva

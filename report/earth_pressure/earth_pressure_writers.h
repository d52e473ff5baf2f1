#pragma once
// The earth-pressure section of the stability chapter, put into the report's
// writer registry.

namespace norva {

// Fills the PrnDoatsu slot of PrnWriters() (report/driver/report_writers.h)
// and the section writers of the Coulomb, embankment-wedge and large-block
// kinds (prn_doatsu.h).
void RegisterEarthPressureWriters();

}  // namespace norva

#pragma once
// The water-pressure and uplift sections of the stability chapter, put into
// the report's writer registry.

namespace norva {

// Fills the water slots (PrnSuiatsu, PrnYouatsu) of PrnWriters()
// (report/driver/report_writers.h).
void RegisterWaterWriters();

}  // namespace norva

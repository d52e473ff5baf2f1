#pragma once
// The stability chapter's own sections (weights, horizontal and other loads,
// force sums, overturning, critical water level, summary tables), put into
// the report's writer registry.

namespace norva {

// Fills the stability slots of PrnWriters() (report/driver/report_writers.h).
void RegisterStabilityWriters();

}  // namespace norva

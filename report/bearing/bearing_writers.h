#pragma once
// The ground-reaction and sliding sections of the stability chapter, put into
// the report's writer registry.

namespace norva {

// Fills the slots PrnJibanHanryoku, PrnJibanHanryokuCase,
// PrnJibanHanryokuMotare, PrnJibanHanryokuMotareCase, PrnSlide and
// PrnSlideCase of PrnWriters() (report/driver/report_writers.h).
void RegisterBearingWriters();

}  // namespace norva

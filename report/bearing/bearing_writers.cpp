#include "report/bearing/bearing_writers.h"

#include "report/bearing/prn_jiban.h"
#include "report/bearing/prn_jiban_motare.h"
#include "report/bearing/prn_slide.h"
#include "report/driver/report_writers.h"

namespace norva {

void RegisterBearingWriters() {
  ReportWriters& w = PrnWriters();
  w.PrnJibanHanryoku = PrnJibanHanryoku;
  w.PrnJibanHanryokuCase = PrnJibanHanryokuCase;
  w.PrnJibanHanryokuMotare = PrnJibanHanryokuMotare;
  w.PrnJibanHanryokuMotareCase = PrnJibanHanryokuMotareCase;
  w.PrnSlide = PrnSlide;
  w.PrnSlideCase = PrnSlideCase;
}

}  // namespace norva

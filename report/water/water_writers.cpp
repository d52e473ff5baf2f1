#include "report/water/water_writers.h"

#include "report/driver/report_writers.h"
#include "report/water/prn_suiatsu.h"

namespace norva {

void RegisterWaterWriters() {
  ReportWriters& w = PrnWriters();
  w.PrnSuiatsu = PrnSuiatsu;
  w.PrnYouatsu = PrnYouatsu;
}

}  // namespace norva

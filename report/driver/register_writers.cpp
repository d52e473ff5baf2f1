#include "report/driver/report_writers.h"

#include "report/bearing/bearing_writers.h"
#include "report/bearing/siji_writers.h"
#include "report/conditions/prn_jyouken.h"
#include "report/stability/stability_writers.h"

namespace norva {

ReportWriters& PrnWriters() {
  static ReportWriters writers;
  return writers;
}

// One line per report area, each declared in that area's own header.
void RegisterReportWriters() {
  RegisterConditionsWriters();
  RegisterStabilityWriters();
  RegisterBearingWriters();
  RegisterSijiWriters();
}

}  // namespace norva

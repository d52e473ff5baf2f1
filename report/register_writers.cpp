// RegisterReportWriters (declared in report/driver/report_writers.h) lives
// above the chapter folders, so the driver includes no chapter.
#include "report/bearing/bearing_writers.h"
#include "report/bearing/siji_writers.h"
#include "report/conditions/prn_jyouken.h"
#include "report/driver/report_writers.h"
#include "report/earth_pressure/earth_pressure_writers.h"
#include "report/members/member_writers.h"
#include "report/members/prn_fot.h"
#include "report/stability/stability_writers.h"
#include "report/water/water_writers.h"

namespace norva {

// One line per report area, each declared in that area's own header.
void RegisterReportWriters() {
  RegisterConditionsWriters();
  RegisterStabilityWriters();
  RegisterWaterWriters();
  RegisterEarthPressureWriters();
  RegisterBearingWriters();
  RegisterMemberWriters();
  RegisterSijiWriters();
  RegisterFotTokWriters();
}

}  // namespace norva

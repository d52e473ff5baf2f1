#include "report/members/member_writers.h"

#include "report/driver/report_writers.h"
#include "report/members/wall_section.h"

namespace norva {

void RegisterMemberWriters() {
  ReportWriters& w = PrnWriters();
  w.PrnWall = PrnWall;
}

}  // namespace norva

#include "screens/register_windows.h"

#include "screens/conditions/register_conditions.h"
#include "screens/loads/frm_kajyu.h"
#include "screens/report/register_report.h"
#include "screens/results/frm_antei_res.h"
#include "screens/results/member_windows.h"
#include "screens/section/frm_kutai.h"
#include "screens/sheet/sheet_windows.h"

namespace norva {

// One line per area, each declared in that area's own header.
void RegisterWindows() {
  RegisterConditionsWindows();
  RegisterReportWindows();
  RegisterLoadsWindows();
  RegisterSheetWindows();
  RegisterSectionWindows();
  RegisterStabilityResultWindows();
  RegisterMemberResultWindows();
}

}  // namespace norva

#include "screens/register_windows.h"

#include "screens/loads/frm_kajyu.h"
#include "screens/report/register_report.h"
#include "screens/section/frm_kutai.h"

namespace norva {

// One line per area, each declared in that area's own header.
void RegisterWindows() {
  RegisterReportWindows();
  RegisterLoadsWindows();
  RegisterSectionWindows();
}

}  // namespace norva

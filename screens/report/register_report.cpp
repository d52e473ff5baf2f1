#include "screens/report/register_report.h"

#include "report/driver/report_writers.h"
#include "screens/report/f_print_style.h"
#include "screens/report/frm_prn_sel.h"
#include "shell/screen.h"

namespace norva {

void RegisterReportWindows() {
  RegisterReportWriters();
  Windows().reportDialog = [](CDocument& doc, int16_t mode, QWidget* owner) {
    ShowReportDialog(doc, mode, owner);
  };
  Windows().printStyle = [](const std::string& docPath, QWidget* owner) {
    ShowPrintStyleForm(docPath, owner);
  };
}

}  // namespace norva

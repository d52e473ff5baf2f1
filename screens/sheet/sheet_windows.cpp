#include "screens/sheet/sheet_windows.h"

#include "document/document.h"
#include "document/services.h"
#include "drawing/sheet/sheet_run.h"
#include "screens/sheet/frm_sec_print.h"
#include "screens/sheet/frm_sec_prn_options.h"
#include "screens/sxf/frm_sxf_opt.h"
#include "shell/screen.h"

namespace norva {

void RegisterSheetWindows() {
  RegisterSxfOutput();
  Windows().sheetOptions = [](CDocument& doc, bool sheetChoices, QWidget* owner) -> int16_t {
    frmSecPrnOptions dialog(owner);
    dialog.SetDoc(&doc);
    dialog.SetDrawingOptionsEnabled(sheetChoices);
    dialog.exec();
    return dialog.nEndState;
  };
  Windows().sheetPreview = [](CDocument& doc, QWidget* owner) {
    // A sheet that cannot be drawn opens no empty preview.
    const std::string error = SheetInputError(doc);
    if (!error.empty()) {
      MessageSink().Show(kProgramTitle, error, MsgIcon::Warning, MsgButtons::Ok);
      return;
    }
    frmSecPrint preview(owner);
    preview.SetDoc(&doc);
    preview.exec();
  };
}

}  // namespace norva

#include "screens/results/member_windows.h"

#include "document/document.h"
#include "screens/results/frm_ouryoku.h"
#include "screens/results/frm_suryou.h"
#include "shell/screen.h"

namespace norva {

void RegisterMemberResultWindows() {
  Windows().makeScreen[5] = [](int) -> IScreen* { return new frmOuryoku; };
  Windows().quantityTable = [](CDocument& doc, QWidget* owner) {
    frmSuryou dialog(owner);
    dialog.SetDoc(&doc);
    dialog.exec();
  };
}

}  // namespace norva

#include "screens/register_windows.h"

#include "screens/sheet/sheet_windows.h"

namespace norva {

// One line per area, each declared in that area's own header.
void RegisterWindows() {
  RegisterSheetWindows();
}

}  // namespace norva

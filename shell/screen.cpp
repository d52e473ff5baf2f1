#include "document/document.h"
#include "shell/screen.h"

#include "screens/placeholder.h"

namespace norva {

ShellWindows& Windows() {
  static ShellWindows windows;
  return windows;
}

IScreen* CreateScreen(int no) {
  if (no < 0 || no > 5) return nullptr;
  if (Windows().makeScreen[no]) {
    if (IScreen* s = Windows().makeScreen[no](no)) return s;
  }
  return MakePlaceholderScreen(no);
}

}  // namespace norva

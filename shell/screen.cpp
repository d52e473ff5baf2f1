#include "shell/screen.h"

#include "document/document.h"

namespace norva {

ShellWindows& Windows() {
  static ShellWindows windows;
  return windows;
}

IScreen* CreateScreen(int no) {
  if (no < 0 || no > 5) return nullptr;
  return Windows().makeScreen[no] ? Windows().makeScreen[no](no) : nullptr;
}

}  // namespace norva

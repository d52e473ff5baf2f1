#include "screens/register_windows.h"

namespace norva {

// One line per area, each declared in that area's own header.
void RegisterWindows() {
}

}  // namespace norva

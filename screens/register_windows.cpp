#include "screens/register_windows.h"

#include "screens/conditions/register_conditions.h"

namespace norva {

// One line per area, each declared in that area's own header.
void RegisterWindows() {
  RegisterConditionsWindows();
}

}  // namespace norva

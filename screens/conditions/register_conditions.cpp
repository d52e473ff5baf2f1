#include "screens/conditions/register_conditions.h"

#include "screens/conditions/frm_antei.h"
#include "screens/conditions/frm_ini_data.h"
#include "screens/conditions/frm_kihon.h"
#include "shell/screen.h"

namespace norva {

void RegisterConditionsWindows() {
  ShellWindows& w = Windows();
  w.iniData = &RunIniData;
  w.makeScreen[0] = &MakeKihonScreen;
  w.makeScreen[2] = &MakeAnteiScreen;
}

}  // namespace norva

#pragma once
// The design-conditions windows in the shell's registry: the initial-
// conditions dialog, the basic-data screen (0) and the stability-conditions
// screen (2). The critical water-level window is opened by the results
// screen through ShowWlvlWindow (screens/conditions/frm_wlvl.h).

namespace norva {

void RegisterConditionsWindows();

}  // namespace norva

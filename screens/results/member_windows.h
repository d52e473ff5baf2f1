#pragma once
// The member-stress windows in the shell's registry: screen 5 (frmOuryoku)
// and the quantity table (quantityTable).

namespace norva {

void RegisterMemberResultWindows();

}  // namespace norva

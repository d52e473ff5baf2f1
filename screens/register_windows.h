#pragma once
// Puts the program's screens and windows into the shell's registry
// (shell/screen.h). Each area of screens/ adds its own Register… function
// and one call in RegisterWindows; until an area registers, the shell keeps
// its placeholder page or the command disabled.

namespace norva {

void RegisterWindows();

}  // namespace norva

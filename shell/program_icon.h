#pragma once
// The program's icon: a gravity wall holding back its soil. Built into the
// program, so it never depends on the resource folder.
#include <QIcon>

namespace norva {

// The same icon object on every call (sizes 16 to 64 pixels).
const QIcon& ProgramIcon();

}  // namespace norva

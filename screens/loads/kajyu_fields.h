#pragma once
// Every number box of the loads screen, listed once: its name and Index,
// the document member it shows and writes, its range, display and hint, its
// caption and the Index and text of its unit label (lblUnit).
#include <span>

#include "screens/box_field.h"

namespace norva {

struct KajyuField : BoxField {
  const char* caption;
  int unit;  // Index of its lblUnit
  const char* unitText;
};

// In the order the screen builds them: by load group, then by Index.
std::span<const KajyuField> KajyuFields();

}  // namespace norva

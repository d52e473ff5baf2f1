#pragma once
// Arbitrary loads and the cases that act on them, for the editor's tests.
#include <string>

#include "document/document.h"
#include "document/load_case.h"
#include "screens/loads/nini_rules.h"

namespace norva::test {

// The names of the loads case k acts on, in order.
inline std::string Acting(const CDocument& d, int k) {
  std::string s;
  const auto kase = d.pCase(k);
  for (int j = 0; j < kase->nNiniCount(); ++j)
    if (kase->nNini(j) == 1) s += d.pNini(j)->LoadName;
  return s;
}

// Adds loads "A", "B", "C"; the first case acts on A and C, the second on
// B and C, any further case on none. The document needs two cases.
inline void AddThreeLoads(CDocument& d) {
  for (const char* name : {"A", "B", "C"}) AddNini(d, name);
  const int16_t switches[2][3] = {{1, 0, 1}, {0, 1, 1}};
  for (int k = 0; k < d.nCase(); ++k) {
    d.pCase(k)->SetnNiniCount(3);
    for (int j = 0; j < 3; ++j) d.pCase(k)->SetnNini(j, k < 2 ? switches[k][j] : 0);
  }
}

}  // namespace norva::test

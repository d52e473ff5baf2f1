#pragma once
// Small helpers of the loads-screen tests.
#include <initializer_list>
#include <string>
#include <utility>

namespace norva::test {

// The names whose flag is set, joined by blanks in the given order: a state
// of many flags compared as one readable string.
inline std::string SetNames(std::initializer_list<std::pair<bool, const char*>> flags) {
  std::string out;
  for (const auto& [on, name] : flags) {
    if (!on) continue;
    if (!out.empty()) out += ' ';
    out += name;
  }
  return out;
}

}  // namespace norva::test

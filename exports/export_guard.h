#pragma once
// The body of every C entry point of the program's libraries runs through
// here: no C++ exception may cross the C boundary, where it would end the
// host program and its user's unsaved work with it.
#include <exception>
#include <string>

namespace norva {

// Runs body() and returns its result. Anything body throws is handed to
// report (with the exception's text, empty when it has none) and `failed` is
// returned instead; a report that throws in turn is ignored.
template <typename Result, typename Body, typename Report>
Result GuardedExport(Result failed, Body&& body, Report&& report) noexcept {
  std::string what;
  try {
    return body();
  } catch (const std::exception& e) {
    try {
      what = e.what();
    } catch (...) {
    }
  } catch (...) {
  }
  try {
    report(what);
  } catch (...) {
  }
  return failed;
}

}  // namespace norva

// C entry points of the SXF writer library, loaded by name by the program.
// The feature exports come with the drawing sheet; each runs its body through
// GuardedExport, as SxfVersion does.
#include <cstdint>
#include <cstdio>
#include <string>

#include "exports/export_guard.h"

namespace {
// The library has no window of its own: a failure goes to the error output.
void ReportFailure(const char* entry, const std::string& what) {
  std::fprintf(stderr, "Sorvel: %s failed%s%s\n", entry, what.empty() ? "" : ": ", what.c_str());
}
}  // namespace

extern "C" __attribute__((visibility("default"))) int32_t SxfVersion() {
  return norva::GuardedExport(
      int32_t{0}, [] { return int32_t{310}; },
      [](const std::string& what) { ReportFailure("SxfVersion", what); });
}

#pragma once
// Counts the wedge trials of a calculation (through linker wrappers around the
// trial routine and the slip-angle search). Counting doubles the work of each
// search, so it is switched on only for a separate, untimed run.
#include <cstdint>

namespace norva::bench {

void SetWedgeCounting(bool on);
int64_t WedgeTrials();
// Searches whose replayed best angle differed from the real one (0 when the
// count is trustworthy).
int64_t WedgeCountMismatches();

}  // namespace norva::bench

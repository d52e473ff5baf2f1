#pragma once
// Critical water level: for the normal and the seismic state separately, the
// level (front and back alike) at which the least sliding safety factor of
// the load cases with water occurs.
#include <cstdint>

namespace norva {

class CDocument;
class IProgress;

// Highest wall height (m) the search takes: far above any retaining wall, far
// below heights whose millimetre steps doubles can no longer tell apart.
inline constexpr double kMaxWlvlWallHeight = 1000;

// Samples the levels from the wall height down to 0 and refines around the
// least safety factor, running the quiet calculation of the state at every
// level; writes the level found into WatFH/WatBH of the state and the sampled
// curves into WlvlRes. Progress as CalcAntei reports it (0 and 25 for the two
// states). Refuses (false, the user is told why, nothing changed) when the
// wall height is not positive or above kMaxWlvlWallHeight.
bool CalcWlvlAuto(CDocument& doc, IProgress* progress = nullptr);

// True when a sliding safety factor of the search can be the critical one: a
// computed value. The -1 of a level without horizontal force and a case not
// computable never are; a negative factor of a wall the water lifts
// (friction below zero) is a result, and the worst one.
bool IsWlvlCandidate(double fs);

// Number of quiet calculation runs since the start of the program (for the
// benchmark and the tests).
int64_t WlvlQuietRuns();

}  // namespace norva

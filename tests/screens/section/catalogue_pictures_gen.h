#pragma once
// Draws the pictures of the catalogue dialog's step pages as SVG text: a
// sketch of the wall type with the subject of the step brought out (the
// backfill soil, the embankment ratio, the face slope, the height …). The
// shipped files resources/resource/SizeInp*.svg are this tool's output.
#include <cstdint>
#include <string>

namespace norva::guide {

inline constexpr int kStepWidth = 3900;   // twips: 260 pixels
inline constexpr int kStepHeight = 4500;  // 300 pixels

std::string StepPictureSvg(int32_t wallType, int step);

}  // namespace norva::guide

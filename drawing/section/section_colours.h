#pragma once
// Colours of the wall-section figures, as Windows colour numbers &HBBGGRR.
#include <cstdint>

namespace norva {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

inline constexpr uint32_t kBlack = Rgb(0, 0, 0);
inline constexpr uint32_t kWhite = Rgb(255, 255, 255);
// Soil above the water, and soil without water.
inline constexpr uint32_t kSoilColour = Rgb(255, 204, 102);
// Soil below the water level.
inline constexpr uint32_t kWetSoilColour = Rgb(204, 153, 0);
// Free water, and the fill of the water-level symbol.
inline constexpr uint32_t kWaterColour = Rgb(0, 255, 255);
// Outline of water, the water-level symbol's pen, dimensions in colour.
inline constexpr uint32_t kBlue = Rgb(0, 0, 255);
// Wall body.
inline constexpr uint32_t kWallColour = Rgb(222, 222, 222);

}  // namespace norva

#pragma once
// Colours as the screens write them: Windows colour numbers, either &HBBGGRR
// literals or the system colours 0x800000nn, mapped onto the Qt palette.
#include <QColor>
#include <QPalette>
#include <cstdint>

namespace norva {

inline constexpr uint32_t kSysWindow = 0x80000005;      // window background
inline constexpr uint32_t kSysWindowText = 0x80000008;  // window text
inline constexpr uint32_t kSysButtonFace = 0x8000000F;
inline constexpr uint32_t kSysButtonShadow = 0x80000010;
inline constexpr uint32_t kSysGrayText = 0x80000011;
inline constexpr uint32_t kSysButtonText = 0x80000012;
inline constexpr uint32_t kSys3DLight = 0x80000016;

// A Windows colour number as a QColor; system colours come from `pal`
// (the application palette when none is given).
QColor VbColor(uint32_t code);
QColor VbColor(uint32_t code, const QPalette& pal);
// RGB(r, g, b) as the Windows run time builds it (&HBBGGRR).
constexpr uint32_t VbRgb(int r, int g, int b) {
  return static_cast<uint32_t>(r & 0xFF) | (static_cast<uint32_t>(g & 0xFF) << 8) |
         (static_cast<uint32_t>(b & 0xFF) << 16);
}

}  // namespace norva

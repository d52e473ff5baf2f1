#include "platform/controls/colors.h"

#include <QApplication>

namespace norva {

QColor VbColor(uint32_t code) { return VbColor(code, QApplication::palette()); }

QColor VbColor(uint32_t code, const QPalette& pal) {
  if ((code & 0xFF000000u) == 0x80000000u) {
    switch (code & 0xFFu) {
      case 0x05:
        return pal.color(QPalette::Active, QPalette::Base);
      case 0x08:
        return pal.color(QPalette::Active, QPalette::Text);
      case 0x0F:
        return pal.color(QPalette::Active, QPalette::Button);
      case 0x10:
        return pal.color(QPalette::Active, QPalette::Dark);
      case 0x11:
        return pal.color(QPalette::Disabled, QPalette::Text);
      case 0x12:
        return pal.color(QPalette::Active, QPalette::ButtonText);
      case 0x16:
        return pal.color(QPalette::Active, QPalette::Midlight);
      default:
        return pal.color(QPalette::Active, QPalette::Window);
    }
  }
  return QColor(static_cast<int>(code & 0xFF), static_cast<int>((code >> 8) & 0xFF),
                static_cast<int>((code >> 16) & 0xFF));
}

}  // namespace norva

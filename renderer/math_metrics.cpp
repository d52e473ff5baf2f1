#include "renderer/math_metrics.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "renderer/markup_renderer.h"
#include "renderer/page_composer.h"

namespace norva {

int MathFontPixels(float points, int dpi) {
  // The style reader keeps sizes within 1..999; anything else never reaches
  // the integer arithmetic below.
  if (!(points >= 0)) return 0;
  const long long whole =
      static_cast<long long>(std::trunc(std::min(points, static_cast<float>(kMaxFontSize))));
  // MulDiv rounds the exact quotient half away from zero.
  const long long num = whole * dpi;
  const long long q = (std::llabs(num) * 2 + 72) / 144;
  return static_cast<int>(num < 0 ? -q : q);
}

bool IsSymbolMathStyle(const MathStyle& style) {
  return style.charSet == 2 || IsSymbolFace(DecodeCp932(style.fontName));
}

QString DecodeMathBytes(const MathStyle& style, std::string_view bytes) {
  if (!IsSymbolMathStyle(style)) return DecodeCp932(bytes);
  QString out;
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    switch (b) {
      // Integral pieces, which the page text never needs.
      case 0xF3:
        out.append(QChar(0x2320));
        break;
      case 0xF4:
        out.append(QChar(0x23AE));
        break;
      case 0xF5:
        out.append(QChar(0x2321));
        break;
      default:
        out.append(DecodeRun(std::string_view(&c, 1), QStringLiteral("Symbol")));
        break;
    }
  }
  return out;
}

QtMathMetrics::QtMathMetrics(const std::array<MathStyle, kMathStyleCount>& styles)
    : styles_(styles) {
  for (int i = 0; i < kMathStyleCount; ++i) {
    const MathStyle& s = styles_[static_cast<size_t>(i)];
    QFont f;
    const QString face = IsSymbolMathStyle(s) ? QStringLiteral("Symbol") : DecodeCp932(s.fontName);
    f.setFamilies({MappedFamily(face), QStringLiteral("IPAMincho"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(std::max(1, MathFontPixels(s.fontSize)));
    f.setBold(s.bold != 0);
    f.setItalic(s.italic != 0);
    f.setUnderline(s.underline != 0);
    f.setStrikeOut(s.strikethru != 0);
    f.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetrics fm(f);
    fonts_[static_cast<size_t>(i)] = f;
    ascent_[static_cast<size_t>(i)] = fm.ascent();
    descent_[static_cast<size_t>(i)] = fm.descent();
  }
}

const MathStyle& QtMathMetrics::Style(int style) const {
  return styles_[static_cast<size_t>(std::clamp(style, 0, kMathStyleCount - 1))];
}

QFont QtMathMetrics::Font(int style) const {
  return fonts_[static_cast<size_t>(std::clamp(style, 0, kMathStyleCount - 1))];
}

QString QtMathMetrics::Decode(int style, std::string_view bytes) const {
  return DecodeMathBytes(Style(style), bytes);
}

double QtMathMetrics::TextWidth(int style, std::string_view bytes) {
  return QFontMetricsF(Font(style)).horizontalAdvance(Decode(style, bytes));
}

double QtMathMetrics::Ascent(int style) {
  return ascent_[static_cast<size_t>(std::clamp(style, 0, kMathStyleCount - 1))];
}

double QtMathMetrics::Descent(int style) {
  return descent_[static_cast<size_t>(std::clamp(style, 0, kMathStyleCount - 1))];
}

}  // namespace norva

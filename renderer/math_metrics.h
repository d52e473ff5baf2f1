#pragma once
// Font measurement for the formula typesetter. Layout works in pixels of a
// fixed reference device (96 per inch) so that a formula has the same size on
// every machine; the Qt implementation measures with the installed fonts and
// tests substitute fixed metrics.
#include <QFont>
#include <QString>
#include <array>
#include <string_view>

#include "renderer/style_sheet.h"

namespace norva {

inline constexpr int kMathDpi = 96;
inline constexpr double kMathTwipsPerPixel = 1440.0 / kMathDpi;

class IMathMetrics {
 public:
  virtual ~IMathMetrics() = default;
  // Advance width in pixels of bytes set in a math style: CP932 text, or
  // symbol-font codes in a symbol style.
  virtual double TextWidth(int style, std::string_view bytes) = 0;
  // The font's ascent and descent in pixels (not those of a particular text).
  virtual double Ascent(int style) = 0;
  virtual double Descent(int style) = 0;
};

// Font height in pixels of a style size: the size truncated to whole points
// (10.5 gives 10), converted at dpi and rounded as MulDiv does.
int MathFontPixels(float points, int dpi = kMathDpi);

// True when a math style's bytes are symbol-font codes.
bool IsSymbolMathStyle(const MathStyle& style);

// Unicode text of bytes in a math style; symbol-font codes become the
// matching Greek letters, operators and bracket pieces.
QString DecodeMathBytes(const MathStyle& style, std::string_view bytes);

class QtMathMetrics : public IMathMetrics {
 public:
  explicit QtMathMetrics(const std::array<MathStyle, kMathStyleCount>& styles);

  double TextWidth(int style, std::string_view bytes) override;
  double Ascent(int style) override;
  double Descent(int style) override;

  QFont Font(int style) const;
  QString Decode(int style, std::string_view bytes) const;
  const MathStyle& Style(int style) const;
  const std::array<MathStyle, kMathStyleCount>& Styles() const { return styles_; }

 private:
  std::array<MathStyle, kMathStyleCount> styles_;
  std::array<QFont, kMathStyleCount> fonts_;
  std::array<double, kMathStyleCount> ascent_{};
  std::array<double, kMathStyleCount> descent_{};
};

}  // namespace norva

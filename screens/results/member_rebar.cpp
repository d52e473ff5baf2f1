#include "screens/results/member_rebar.h"

#include <algorithm>
#include <charconv>

#include "document/document.h"
#include "document/numeric.h"

namespace norva {
std::optional<double> PairedRebarValue(double oldValue, double newValue) {
  if (!(newValue > 0) || newValue == oldValue) return std::nullopt;
  return 1000.0 / newValue;
}

double KeySteelArea(const CDocument& doc) {
  return RebarArea(doc.TokDia, "m") * std::max(0.0, doc.TokHon);
}

int16_t DiameterFromText(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || value < 0 || value > 32767) return 0;
  return static_cast<int16_t>(value);
}

}  // namespace norva

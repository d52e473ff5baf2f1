// The formula typesetter of <math> elements: scanning, layout and drawing of
// any bytes between <math> and </math>, with fixed font metrics.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/qt_setup.h"
#include "renderer/math_renderer.h"

namespace {

class FixedMetrics : public norva::IMathMetrics {
 public:
  double TextWidth(int style, std::string_view bytes) override {
    return static_cast<double>(bytes.size()) * (style % 3 + 4);
  }
  double Ascent(int style) override { return 8 + style % 3; }
  double Descent(int style) override { return 2 + style % 2; }
};

// Every coordinate drawn must be a number.
class CheckedCanvas : public norva::IMathCanvas {
 public:
  void DrawString(int, std::string_view, double x, double top) override { Check({x, top}); }
  void DrawLine(double x1, double y1, double x2, double y2) override { Check({x1, y1, x2, y2}); }

 private:
  static void Check(std::initializer_list<double> values) {
    for (double v : values) {
      if (!std::isfinite(v)) std::abort();
    }
  }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  norva_fuzz::StartQt(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text =
      "<math>" + std::string(reinterpret_cast<const char*>(data), size) + "</math>";
  norva::RenderRun run;
  FixedMetrics metrics;
  norva::CMathRenderer math(nullptr, run, text, 0, metrics, nullptr);
  if (norva::MathBox* root = math.Layout()) {
    CheckedCanvas canvas;
    math.DrawTree(root, canvas);
  }
  return 0;
}

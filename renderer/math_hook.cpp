// Formulas: each <math> element becomes one picture hung from the current
// position; the text goes on one text line above the picture's bottom edge.
#include <cmath>
#include <memory>

#include "renderer/markup_renderer.h"
#include "renderer/math_renderer.h"

namespace norva {

void CMarkupRenderer::PlaceMath(bool writeRtf) {
  const int keptSpacing = static_cast<int>(std::lround(composer_->LineSpacing()));
  composer_->SetLineSpacing(110);
  const double y = composer_->CurrentY();
  if (!run_.mathMetrics || run_.mathMetrics->Styles() != run_.sheet.mathStyles)
    run_.mathMetrics = std::make_shared<QtMathMetrics>(run_.sheet.mathStyles);
  QtMathMetrics& metrics = *run_.mathMetrics;
  CMathRenderer math(composer_, run_, text_, cursor_, metrics, writeRtf ? rtf_ : nullptr);
  const CMathRenderer::Result result = math.Render();
  const double h = result.drawn ? result.height : 0;
  composer_->SetCurrentY(y + h - composer_->TextHeight(QStringLiteral("0")));
  composer_->SetLineSpacing(keptSpacing);
  cursor_ = math.Cursor();
}

}  // namespace norva

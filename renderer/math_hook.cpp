// Formulas: typeset by the formula renderer. Until it is part of the library a
// formula is passed over whole.
#include "renderer/markup_renderer.h"

namespace norva {

void CMarkupRenderer::PlaceMath(bool writeRtf) {
  (void)writeRtf;
  SkipElement(kTagMath);
}

}  // namespace norva

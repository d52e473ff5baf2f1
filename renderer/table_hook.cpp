// Tables: laid out by the table renderer. Until it is part of the library a
// table is passed over whole, so its cells never spill into the running text.
// The table renderer replaces this body.
#include "renderer/markup_renderer.h"

namespace norva {

void CMarkupRenderer::RenderTable(bool writeRtf) {
  (void)writeRtf;
  SkipElement(kTagTable);
}

}  // namespace norva

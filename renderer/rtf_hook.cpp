// The RTF copy of the report comes from the RTF writer; until it is part of
// the library a run writes no RTF file. The writer replaces this body.
#include "renderer/markup_renderer.h"

namespace norva {

std::unique_ptr<IRtfSink> OpenRtfWriter(const RenderRun& run) {
  (void)run;
  return nullptr;
}

}  // namespace norva

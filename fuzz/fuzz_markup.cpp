// The report markup laid out on pages, tables and formulas included, from
// any bytes, with the default style sheet.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/qt_setup.h"
#include "renderer/markup_renderer.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  norva_fuzz::StartQt(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  norva::RenderRun run;
  norva::PageComposer composer;
  norva::ApplyPageSetup(composer, run.sheet);
  composer.StartDoc();
  norva::CMarkupRenderer renderer(nullptr, &composer, run);
  renderer.Render(std::string_view(reinterpret_cast<const char*>(data), size), nullptr);
  return 0;
}

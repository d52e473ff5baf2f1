// The report style-sheet reader on any bytes, and the page setup it feeds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/qt_setup.h"
#include "renderer/markup_renderer.h"
#include "renderer/style_sheet.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  norva_fuzz::StartQt(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  norva::StyleSheet sheet;
  norva::ParseStyleSheet(std::string_view(reinterpret_cast<const char*>(data), size), sheet);
  (void)norva::DistinctParaStyles(sheet);
  norva::PageComposer composer;
  norva::ApplyPageSetup(composer, sheet);
  return 0;
}

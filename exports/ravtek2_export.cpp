// C entry point of the report renderer library, loaded by name by the program.
#include <cstdint>

#include "renderer/preview_run.h"

extern "C" __attribute__((visibility("default"))) int32_t DoPreview(
    int32_t mode, int32_t showProgress, const char* text, const char* stylePath,
    const char* workDir, const void* printerRecord) {
  return norva::RunDoPreview(mode, showProgress, text, stylePath, workDir,
                             static_cast<const PrinterSettingsRec*>(printerRecord));
}

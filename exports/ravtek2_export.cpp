// C entry point of the report renderer library, loaded by name by the program.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) int32_t DoPreview(
    int32_t mode, int32_t showProgress, const char* text, const char* stylePath,
    const char* workDir, const void* printerRecord) {
  (void)mode; (void)showProgress; (void)text; (void)stylePath; (void)workDir;
  (void)printerRecord;
  return 0;
}

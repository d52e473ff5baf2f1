// C entry point of the report renderer library, loaded by name by the program.
#include <cstdint>
#include <string>

#include "exports/export_guard.h"
#include "renderer/preview_run.h"
#include "renderer/render_hooks.h"

namespace {
// What DoPreview returns when the run failed; a finished run returns 0.
constexpr int32_t kDoPreviewFailed = -1;
}  // namespace

extern "C" __attribute__((visibility("default"))) int32_t DoPreview(
    int32_t mode, int32_t showProgress, const char* text, const char* stylePath,
    const char* workDir, const void* printerRecord) {
  return norva::GuardedExport(
      kDoPreviewFailed,
      [&] {
        return norva::RunDoPreview(mode, showProgress, text, stylePath, workDir,
                                   static_cast<const PrinterSettingsRec*>(printerRecord));
      },
      [](const std::string& what) {
        norva::ShowRendererMessage("帳票の作成中にエラーが発生したため、中止しました。" +
                                   (what.empty() ? std::string() : "\n(" + what + ")"));
      });
}

#pragma once
// One report run: style sheet, layout, and the preview, printing or word
// processor by mode.
#include <cstdint>

#include "renderer/printer_settings.h"

namespace norva {

// mode 0 print, 1 preview, 2 word processor; strings are CP932. Returns 0.
int32_t RunDoPreview(int32_t mode, int32_t showProgress, const char* text, const char* styleSheet,
                     const char* workFolder, const PrinterSettingsRec* printer);

}  // namespace norva

#pragma once
// The drawing-sheet windows in the shell's registry: the options dialog
// (sheetOptions) and the preview (sheetPreview).

namespace norva {

void RegisterSheetWindows();

}  // namespace norva

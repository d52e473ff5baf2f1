#pragma once
// The report windows (selection dialog, style dialog) and the report writers.

namespace norva {

// Registers the report selection as the shell's reportDialog, the style
// dialog as printStyle, and every report writer (RegisterReportWriters).
void RegisterReportWindows();

}  // namespace norva

#include "shell/shell_state.h"

namespace norva {

std::string gActiveKey;
bool gNavLock = false;
std::string PrnWorkDir;
std::string PrnStyleDir;
int32_t gProgressFrom = 0;
int32_t gProgressTo = 0;
bool gKutaiSunpOpen = false;
PrinterSettingsRec gPrinterSettings;

}  // namespace norva

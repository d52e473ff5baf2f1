#pragma once
// Program-wide state of the shell. Everything starts zero or empty.
#include <cstdint>
#include <string>

namespace norva {

// Key of the active document in gDocuments, "" when none.
extern std::string gActiveKey;
// While true, the click handlers of the screens and of the navigation bar
// return at once (the program itself is setting their controls).
extern bool gNavLock;
// The per-user work folder (report files, figures) and the application-data
// folder of "style.dat".
extern std::string PrnWorkDir;
extern std::string PrnStyleDir;
// Part of the progress bar (percent) that the running calculation step fills.
extern int32_t gProgressFrom;
extern int32_t gProgressTo;
// True while the dimensioned view of the wall section is open.
extern bool gKutaiSunpOpen;

// The program's printer settings: a snapshot of the default printer at start,
// edited by the printer-setup dialog, never saved.
struct PrinterSettingsRec {
  int32_t Collate = 0;
  int32_t ColorMode = 0;
  int32_t Copies = 0;
  int32_t DeviceNameLen = 0;
  std::string DeviceName;
  int32_t Duplex = 0;
  int32_t Orientation = 0;
  int32_t PaperBin = 0;
  int32_t PaperSize = 0;
  int32_t PortLen = 0;
  std::string Port;
  int32_t PrintQuality = 0;
  int32_t DriverNameLen = 0;
  std::string DriverName;
};
extern PrinterSettingsRec gPrinterSettings;

}  // namespace norva

#pragma once
// The caller's optional printer record. Same fields in the same order as the
// original 32-bit record, laid out naturally so that it also holds on 64-bit
// (strings are pointers to NUL-terminated CP932 text).
#include <cstdint>

extern "C" {

struct PrinterSettingsRec {
  int32_t Collate;
  int32_t ColorMode;       // not read
  int32_t Copies;          // used when greater than 0
  int32_t DeviceNameLen;   // not read
  const char* DeviceName;  // a printer name, or a path ending in ".pdf"
  int32_t Duplex;          // 1 simplex, 2 long edge, 3 short edge
  int32_t Orientation;     // 1 portrait, anything else landscape
  int32_t PaperBin;
  int32_t PaperSize;  // 9 A4, 8 A3, 11 A5, 12 B4, 13 B5, 1 letter, 5 legal
  int32_t PortLen;    // not read
  const char* Port;
  int32_t PrintQuality;
  int32_t DriverNameLen;   // not read
  const char* DriverName;  // not read
};
}

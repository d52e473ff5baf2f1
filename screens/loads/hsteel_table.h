#pragma once
// The steel-post table "HSteel.csv": hot-rolled H-sections from which the
// rock-fall dialog takes a section modulus.
//
// The file is code page 932 text read item by item; an item ends at a comma
// or at a line end, so a record may span lines and a line may hold several
// records. Each record is five items: the section's name, web thickness (mm),
// flange thickness (mm), sectional area (cm2), section modulus Zx (cm3).
// There is no count and no header.
//
// Reading stops at the first record that is short (the file ends inside it)
// or holds a non-number where a number belongs; the records before it stay.
// A missing or unreadable file gives an empty table.
#include <string>
#include <vector>

namespace norva {

struct HSteelRow {
  std::string name;   // UTF-8
  double web = 0;     // t1, mm
  double flange = 0;  // t2, mm
  double area = 0;    // cm2
  double zx = 0;      // cm3
};

std::vector<HSteelRow> ReadHSteel(const std::string& cp932);
std::vector<HSteelRow> ReadHSteelFile(const std::string& path);

// "resource/HSteel.csv" under the program folder.
std::string HSteelPath(const std::string& programFolder);

}  // namespace norva

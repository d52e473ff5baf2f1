#pragma once
// Display names of the document's coded settings (UTF-8). A code without a
// name gives the empty string.
#include <cstdint>
#include <string>

namespace norva {

std::string WallTypeName(int32_t code);      // WallType
std::string BackTypeName(int32_t code);      // BackType
std::string DoatsuName(int32_t code);        // Doatsu
std::string TentouMethodName(int32_t code);  // nTentou
std::string SisinName(int32_t code);         // Sisin: title of the guideline
std::string SisinSource(int32_t code);       // Sisin: date of issue and publisher

}  // namespace norva

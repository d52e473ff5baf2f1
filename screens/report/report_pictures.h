#pragma once
// Shipped pictures of the report style dialog, in resource/ of the program
// folder (".svg").
#include <string>

namespace norva {

// The page frame styles 0 none, 1 rule under the text, 2 rule above it,
// 3 both, 4 box.
inline constexpr int kFrameStyles = 5;
inline std::string FrameStylePicture(int i) { return "PrintFrame" + std::to_string(i); }
// The page drawn among the margin boxes.
inline constexpr const char* kPagePicture = "PrintPage";

}  // namespace norva

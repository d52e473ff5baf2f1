#pragma once
// What both halves of the test reader share.
#include <map>
#include <string>
#include <vector>

#include "sxf_writer/sxf_checker.h"

namespace sxfcheck {

struct Placement {
  std::string figure;
  double x = 0, y = 0, angle = 0, rx = 1, ry = 1;
};
struct FigureContent {
  std::vector<Element> elements;
  std::vector<Placement> placements;
};

// Lines of a file whose every line ends in CR LF; false otherwise.
bool SplitCrLf(const std::string& bytes, std::vector<std::string>& lines);
// "" when the FILE_NAME line has its seven fields and a preprocessor field
// ending in "$$3.1"; else why not.
std::string CheckFileName(const std::string& line, bool ascii);
bool Cp932ToUtf8(const std::string& cp932, std::string& utf8);
// The sheet's elements with every placed figure's elements moved to where
// its placement puts them.
void Flatten(const std::map<std::string, FigureContent>& figures,
             const std::vector<Element>& elements, const std::vector<Placement>& placements,
             std::vector<Element>& out, std::vector<std::string>& errors);

}  // namespace sxfcheck

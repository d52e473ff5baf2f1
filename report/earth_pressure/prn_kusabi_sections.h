#pragma once
// Earth pressure by the trial wedge: the embankment back ground (block,
// gravity and leaning walls, and the upper wall of a mixed wall) and the cut
// back ground under the large-block masonry guideline. Each has a method
// section and a section per load case, which print the stored results of the
// case and the trials of its wedges.
#include <cstdint>
#include <string>

namespace norva {

class CDocument;
class PrnFile;

void PrnDoatsuKusabiMori(PrnFile& f, const CDocument& doc, const std::string& folder);
void PrnDoatsuKusabiMoriCase(PrnFile& f, const CDocument& doc, int32_t i,
                             const std::string& folder);

void PrnDoatsuKusabiOogata(PrnFile& f, const CDocument& doc, const std::string& folder);
void PrnDoatsuKusabiOogataCase(PrnFile& f, const CDocument& doc, int32_t i,
                               const std::string& folder);

// The path as an unquoted "SRC=" value takes it: quoted when it holds a
// blank, which would end an unquoted value.
std::string PrnImgSrc(const std::string& path);

}  // namespace norva

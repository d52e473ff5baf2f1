#pragma once
// The earth-pressure section of the stability chapter, written once per wall
// part: the surcharge tables of the reported load cases, one method section
// and one section per reported case. Which method and case writers are used
// follows the wall type, the wall part, the formula (Doatsu), the back ground
// (BackType) and the guideline (Sisin).
#include <cstdint>
#include <functional>
#include <string>

namespace norva {

class CDocument;
class PrnFile;

// The kinds of earth-pressure section, in the order they are tested.
enum class DoatsuSection {
  kMixedLowerEmbankment,  // lower wall of a mixed wall, embankment back ground
  kMixedLowerCut,         // lower wall of a mixed wall, cut back ground
  kCoulomb,               // Coulomb formula (every other wall part)
  kWedgeEmbankment,       // trial wedge, embankment back ground
  kWedgeCutRoad,          // trial wedge, cut, road-earthworks guideline
  kWedgeLargeBlock,       // trial wedge, cut, large-block masonry guideline
  kWedgeCut,              // trial wedge, cut, any other guideline
};
inline constexpr int kDoatsuSectionCount = 7;

DoatsuSection DoatsuSectionOf(const CDocument& doc, int16_t part);

// The method and per-case writers of one kind of section. An empty writer
// writes nothing: the cut-ground and lower-wall kinds are filled by their
// own chapters when they register.
struct DoatsuSectionWriters {
  std::function<void(PrnFile& f, const CDocument& doc, const std::string& folder)> method;
  std::function<void(PrnFile& f, const CDocument& doc, int32_t i, const std::string& folder)>
      perCase;
};
DoatsuSectionWriters& DoatsuWriters(DoatsuSection kind);

// The whole earth-pressure section of wall part `part` (the PrnDoatsu slot).
void PrnDoatsu(PrnFile& f, const CDocument& doc, const std::string& folder, int16_t part);

// The table of the surcharges acting in load case i (the document considers
// the load: switch 0, and the case applies it: switch 1, as the calculation
// tests). Nothing when none acts. headingWritten: the "上載荷重" heading is
// written before the first table of a PrnDoatsu call only.
void PrnJyousai(PrnFile& f, const CDocument& doc, int32_t i, bool& headingWritten);

}  // namespace norva

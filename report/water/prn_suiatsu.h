#pragma once
// Water pressure and uplift sections of the stability chapter.
#include <cstdint>
#include <string>

namespace norva {

class CDocument;
class PrnFile;

// Water pressure on one side of one wall part.
struct SuiatsuSide {
  double hw = 0;        // level above the part's base (m)
  bool aboveH = false;  // lower wall of a mixed wall, level strictly above h
  double P = 0;         // resultant (kN/m)
  double Y = 0;         // its height above the part's base (m)
};

// The water pressure of load case i on wall part `part`, as the section
// prints it.
struct SuiatsuValues {
  int16_t k = 0;  // water-level state the calculation took: 1 seismic, 0 normal
  double h = 0;   // height of the lower wall of a mixed wall (0 for other walls)
  SuiatsuSide front, back;
  // Front and back levels equal within 1e-5: the two pressures cancel and
  // the stability calculation counts neither.
  bool cancelled = false;
};

// The levels and resultants worked out from WatFH, WatBH and Gamw:
//   not mixed:   hw = WatFH(k) / WatBH(k), P = hw²·γw/2, Y = hw/3;
//   lower wall:  the same levels; for hw > h P = h(2hw − h)·γw/2,
//                Y = h(3hw − 2h)/(2hw − h)/3;
//   upper wall:  hw = max(level − h, 0), then as a wall not mixed.
SuiatsuValues SuiatsuFormula(const CDocument& doc, int32_t i, int16_t part);
// The values printed: those of SuiatsuFormula, except that where P or Y
// differ from the stored result of the stability calculation (Pwf, Pwfy, Pwb,
// Pwby of AntRes(part, i)) the stored ones are printed, so the report shows
// the loads the checks used. Equal levels keep the worked-out pressures: the
// section prints them with the note that they cancel.
SuiatsuValues SuiatsuPrinted(const CDocument& doc, int32_t i, int16_t part);

// True when at least one load case considers water (its nWater set).
bool PrnAnyCaseWithWater(const CDocument& doc);

// The water-pressure section of wall part `part`: nothing when the document
// ignores water or no case considers it; otherwise the method with its figure
// (the shipped <PREFIX>_PW, or KONGOU_PWU / KONGOU_PWL, copied to PW.svg in
// folder) and every reported case that considers water.
void PrnSuiatsu(PrnFile& f, const CDocument& doc, const std::string& folder, int16_t part);
// The water pressure of load case i; nothing unless the document and the
// case both consider water.
void PrnSuiatsuCase(PrnFile& f, const CDocument& doc, int32_t i, const std::string& folder,
                    int16_t part);
// The uplift section (nWater 2 only): method, figure (BLOCK_YOU, JYU_YOU for
// gravity and mixed walls, MOTARE_YOU, copied to YOU.svg) and the stored
// uplift of every reported case that considers water, from the lower wall's
// results for a mixed wall. Not called for the upper wall of a mixed wall.
void PrnYouatsu(PrnFile& f, const CDocument& doc, const std::string& folder);

}  // namespace norva

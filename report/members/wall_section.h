#pragma once
// The stem-stress chapter (たて壁の断面計算) of one wall part: its driver
// PrnWall, the check section every item of it receives, and the items of a
// section in the order the chapter writes them.
//
// A section's items measure coordinates and arms from the reference point the
// stem check used at that height (WallSectionRefX), so the printed tables
// agree with the stored arms of the force summary. Every per-case item is
// called for the cases ticked in PrnSel().PrnWallCases only, in case order,
// with a heading flag its caller set to 0 before the item's first case; an
// item that has nothing for a case writes nothing and leaves the flag.
#include <cstdint>
#include <string>

#include "document/geometry.h"
#include "document/outline.h"

namespace norva {

class CDocument;
class PrnFile;

// Check section `index` of wall part `part` (0 the wall or the upper wall of
// a mixed wall, 1 the lower wall): the outline of MakeKutaiOutline, the check
// height y in outline coordinates and the section's reference point (x the
// stem check's reference abscissa at y, y the check height).
struct WallCheckSection {
  int16_t part = 0;
  int index = 0;
  double y = 0;
  DPoint ref;
  KutaiPoints outline{};
};

// The section as the stem check sees it.
WallCheckSection MakeWallCheckSection(const CDocument& doc, int16_t part, int index);

// The chapter of wall part `part`: every check section (each after the first
// on a new page) with its items, then the part's summary table. A part
// without check sections writes the summary table alone. Throws ReportError
// when a figure cannot be saved.
void PrnWall(PrnFile& f, const CDocument& doc, const std::string& folder, int16_t part);

// ---- Items of a section (report/members/prn_wall_*.cpp) ---------------------------

// Buoyancy above the section (documents with buoyancy, nWater 1): the part of
// the wall below the normal and, with earthquakes, the seismic back water
// level, each with its figure (<folder>/壁断面浮力常時<part><index 000>.svg,
// …地震時…) and coordinate table. A state is shown when its level lies above
// the section and its polygon weighs something; nothing when neither is.
void PrnWallFuryoku(PrnFile& f, const CDocument& doc, const WallCheckSection& s,
                    const std::string& folder);

// Water pressure on the front and back faces above the section, case k:
// only when the document and the case consider water. The levels are those
// of the state the stem check took (WallForceState).
void PrnWallSuiatsu(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                    int16_t& flag);

// Section forces from the wall-face ground reaction, case k: only where the
// stem check took one (large-block guideline; a leaning wall under road
// earthworks whose ground reaction took the back-face method).
void PrnWallHanryoku(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                     int16_t& flag);

// Collision, rock-fall and wind loads above the section, case k (not for the
// lower wall of a mixed wall): the components the stem check took.
void PrnHorzLoadWall(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                     int16_t& flag);

// The other (user-defined) loads above the section, case k.
void PrnNiniLoadWall(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                     int16_t& flag);

// The section forces of case k: one row per acting component and the totals
// N, S, M as stored. The first case starts a new page.
void PrnWallForceSum(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                     int16_t& flag);

// The stress check of case k: edge stresses against the allowable
// compressive (and, with tension, tensile) stress, shear stress against its
// allowable, each with its verdict ("-----" for a result not computed).
void PrnWallStress(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                   int16_t& flag);

}  // namespace norva

#pragma once
// The opening items of a stem check section (prn_wall_body.cpp: headings,
// body weight, front soil), its earth pressure (prn_wall_doatsu.cpp) and the
// section dispatcher that runs the per-case items (prn_wall_hooks.cpp).
#include <cstdint>
#include <string>

namespace norva {

class CDocument;
class CKusabiRes;
class PrnFile;
struct WallCheckSection;

// Opens the section: its heading ("たて壁(Ⅰ－Ⅰ断面)の断面計算 (照査位置:…)", or the
// part and section headings of a mixed wall) and the body weight above it.
void PrnWallKutai(PrnFile& f, const CDocument& doc, const WallCheckSection& s,
                  const std::string& folder);

// The front soil above the section.
void PrnWallFrontSoil(PrnFile& f, const CDocument& doc, const WallCheckSection& s,
                      const std::string& folder);

// The earth pressure above the section, case k.
void PrnWallDoatsu(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                   const std::string& folder, int16_t& flag);

// The embankment wedge text above the section, case k: its constants, the
// graph and table of its trials, the slip angle of the maximum and Pa, the
// pressure the check took. Ends with the block open.
void PrnWallKusabiMori(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                       const std::string& folder, const CKusabiRes& w, double Pa);

// The large-block wedge text above the section, case k: K0 the wedge of the
// wall taken as an embankment wall (with its trials), K1 the single plane
// through the heel along the cut face; d the heel's distance to the cut face,
// d1 the distance beyond which the natural ground has no effect. Ends on the
// pressure the stem check adopts (the blend of the two) with a block open.
void PrnWallKusabiOogata(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                         const std::string& folder, const CKusabiRes& K0, const CKusabiRes& K1,
                         double d, double d1);

// The cut-ground wedge text above the section, case k (guidelines other
// than the large-block one): K0 the wedge reaching the cut face, K1 the wedge
// inside the backfill (null when the document takes the cut face alone, or
// when the check found none); Pa the pressure the check adopted, which the
// text ends on.
void PrnWallKusabiKiri(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                       const std::string& folder, const CKusabiRes* K0, const CKusabiRes* K1,
                       double Pa);

// The wedge texts of the lower wall of a mixed wall, which carries the upper
// wall's thrust: embankment (one record) and cut ground (as
// PrnWallKusabiKiri, the plane on the cut face shown by Z). Pa: the pressure
// the check adopted.
void PrnWallKusabiKongoMori(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                            const std::string& folder, const CKusabiRes& w, double Pa);
void PrnWallKusabiKongo(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                        const std::string& folder, const CKusabiRes* K0, const CKusabiRes* K1,
                        double Pa);

// The per-case items of the section, each item over every ticked case before
// the next item starts: earth pressure, water pressure (documents with
// water), wall-face reaction (where the guideline takes one), horizontal
// loads (not the lower wall of a mixed wall), other loads, force summary,
// stresses.
void PrnWallSection(PrnFile& f, const CDocument& doc, const WallCheckSection& s,
                    const std::string& folder);

}  // namespace norva

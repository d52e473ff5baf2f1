#pragma once
// The stress summary tables that close the member-stress chapters (stem,
// toe slab, shear key) and the numeral that names a stem check section.
//
// Each table lists every load case of the document, ticked for its chapter
// or not, in three rows: the stress, the sign and allowable value, the
// verdict. A column without a check (no compression, no tension) shows "－";
// a case without results, or a stress not computed, shows "-----".
#include <cstdint>
#include <string>

namespace norva {

class CDocument;
class PrnFile;

// Name of check section k (0-based): "Ⅰ" … "Ⅹ" for the first ten, then the
// section number in half-width digits ("11", "12", …).
std::string WallSectionNumeral(int k);

// "<RP>", then one table per check section of wall part `part`, each in its
// own keep-together block, the first with the title "たて壁の応力度一覧". A part
// without check sections writes the page break alone.
void PrnWallList(PrnFile& f, const CDocument& doc, int16_t part);

// The toe-slab table: "<RP>" and the title "つま先版の応力度一覧".
void PrnFotList(PrnFile& f, const CDocument& doc);

// The shear-key table: "<RP>" and the title "突起の応力度一覧"; σc, σs and τ
// each against its allowable.
void PrnTokList(PrnFile& f, const CDocument& doc);

}  // namespace norva

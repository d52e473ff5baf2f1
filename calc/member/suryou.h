#pragma once
// Construction quantities of the designed wall and the program-wide list of
// quantity rows that the quantity screen and the drawing sheet show.
#include <cstdint>
#include <string>
#include <vector>

namespace norva {

class CDocument;

// One row of the quantity table.
struct SuryouRec {
  std::string Koumoku;  // item
  std::string Tani;     // unit
  std::string Suryou;   // quantity as shown
  std::string Bikou;    // remark
};

// The quantity rows, shared by the quantity screen and the drawing sheet;
// rows 0..SuryouCnt-1 are in use. CalcSuryou replaces them, the quantity
// screen may edit them.
extern int16_t SuryouCnt;
extern std::vector<SuryouRec> SuryouList;

// Quantities of the document's wall over its length WallL: concrete,
// formwork, end formwork (both end sections), block face, levelling concrete
// and foundation material, each shown with two decimals ("##0.00"), or as
// "-----" when it is not a number or beyond 1e8 (dimensions no wall has).
void CalcSuryou(const CDocument& doc);

}  // namespace norva

#pragma once
// The shear-key chapter (突起の断面計算): how the force on the key is found,
// per ticked case (PrnSel().PrnTokkiCases) the force and the root's shear
// and moment, then per case the bars, required steel, neutral axis and
// stresses, and the summary table.
//
// The sliding values the key force is made of (Q1..Q3, s1, Hu) are the ones
// the key check used: the sliding check's when it is made, otherwise worked
// out the same way (KeySlide). A key without steel or without effective
// depth has no stresses: they print "-----".
#include <string>

namespace norva {

class CDocument;
class PrnFile;

void PrnTokki(PrnFile& f, const CDocument& doc, const std::string& folder);

}  // namespace norva

#pragma once
// The allowable-bearing blocks that the ground-reaction writers hand over to.
// They belong to the bearing-capacity writers; until those are linked in, a
// weak default of each writes nothing (siji_blocks_stub.cpp).
#include <cstdint>

namespace norva {

class CDocument;
class PrnFile;

// Canal guideline: how the long- and short-term allowable bearing capacity is
// computed, with the factor table. Written inside the open block after
// "許容地盤反力度は以下の式により算出する。" and an empty line.
void PrnSijiCanal(PrnFile& f, const CDocument& doc);
// Residential-land and farm-road guidelines: the same for their formulas.
void PrnSijiTakuchiNoudou(PrnFile& f, const CDocument& doc);
// The allowable bearing capacity of load case i (0-based): under canals
// inside the case's open block, under residential land and farm roads after
// it, in blocks of its own.
void PrnSijiCase(PrnFile& f, const CDocument& doc, int32_t i);

}  // namespace norva

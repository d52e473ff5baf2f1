#pragma once
// Whether a design's inputs are complete enough to draw its section. Presence
// only (a value that is not null by IsNullValue, so both the document null
// and a blank box count as missing); sizes that are present but meaningless
// are drawn as they come.
#include "document/document.h"

namespace norva {

// True when the shape of the document's WallType (0..3) is complete, UraHd is
// present and so are the inputs of the back-ground shape: UraN for a slope
// (UragomeType 1), UraX1, UraX2 and UraH0 for a trapezoid (2). The horizontal
// and arbitrary shapes need nothing more (arbitrary points are not tested).
// Any other WallType: false.
bool CanDrawSection(const CDocument& doc);

// Block wall: WallH, BlkN, BlkT, BlkDeltT1, BlkDeltT2 present, nBlkSetup and
// nBlkFound each 0 or 1; with a footing (nBlkFound 0) also BlkB1, BlkH1, BlkB,
// BlkH2 when the blocks are set square to the face (nBlkSetup 0) outside the
// large-block guideline (Sisin 3), and KeisyaH for an inclined base without
// a key (Tokki 0, nKeisya 0). Without a footing nothing more is read.
bool CheckShapeBlk(const CDocument& doc);
// Gravity wall: WallH, GrwB, GrwB1, GrwB2, GrwB4, GrwH1, and the base rule:
// KeisyaH for an inclined base without a key, TokX, TokB, TokL with a key.
bool CheckShapeGrw(const CDocument& doc);
// Leaning wall: MtwH1..MtwH3, MtwB1..MtwB4, MtwN1 and the base rule.
bool CheckShapeMtw(const CDocument& doc);
// Mixed wall: MxwH1..MxwH3, BlkN, BlkT, BlkDeltT1, BlkDeltT2, GrwB, GrwB1,
// GrwB2, GrwB3 and the base rule.
bool CheckShapeMxw(const CDocument& doc);

}  // namespace norva

#pragma once
// Area figures of the weight tables: the wall outline dotted and, over it,
// the polygon whose area is computed, its corners circled and numbered in
// the order of the calculation table.
#include <vector>

#include "document/document.h"
#include "document/geometry.h"
#include "document/outline.h"
#include "document/weight.h"
#include "drawing/base/cdraw.h"

namespace norva {

// Fits the whole wall (footing included, no dimension rows: 10 mm bands),
// clears the canvas, draws the outline moved by `offset` (the frame the
// polygon was computed in) and the polygon: its consecutive duplicate points
// dropped, a line and a white circle of 0.5 mm at each corner, numbered from
// 1 just above and left of it; the closing point gets neither. A null
// polygon draws the outline alone. A canvas without a surface or a design
// that cannot be drawn (CanDrawSection false) draws nothing and leaves the
// canvas as it was.
void DrawMensekiFigure(const CDocument& doc, cDraw& canvas, const CWeight* polygon,
                       const DPoint& offset);

// The plain outline of each wall type, dotted and black, as closed chains of
// lines; the pen is solid again afterwards. Block: the footing 0, 1, 2, 10, 4
// (with one) and the body 2, 5, 9, 3 (and 7 when the blocks are square to the
// face without a footing). Gravity and leaning: 0, 1, 2, 5, 6, 3, 4 with the
// key under a level base. Mixed: the lower wall 0, 1, 2, 3, 4 with the key,
// and the upper part 2, 5, 9, 10.
void DrawOutlineBlk(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline);
void DrawOutlineGrw(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline);
void DrawOutlineMtw(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline);
void DrawOutlineMxw(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline);

// The closed chains those procedures draw (pure).
std::vector<std::vector<DPoint>> OutlineChains(const CDocument& doc, const KutaiPoints& outline);

}  // namespace norva

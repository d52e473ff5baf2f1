#pragma once
// The surcharge figure of the surcharge dialog ("上載荷重"): the wall filled
// grey with its shear key, the ground behind it (no water) out to the right
// edge of the figure, and above the higher of the crest and the ground a
// stack of green bars, one per considered surcharge, from the bottom up
// vehicle "自動車荷重", crowd "群集荷重", snow "雪荷重", residential land
// "宅地荷重", each labelled at its level left of the wall. No dimensions, no
// values.
//
// The dialog calls DrawJyousai with its document and the cDraw over its
// canvas whenever it paints or a surcharge input changes; each call draws
// everything anew.
//
// Layout (1 mm = 56.7 twips): margins 3 mm; a band of 4.5 mm per considered
// surcharge at the top of the drawing area, none at the sides; the model box
// (wall width + back width, the higher of wall and ground) fitted at one
// scale and centred below the band. The back width is that of the ground
// (+1.0 m for a trapezoid), at least 2.0 m, 0 when the back ground is
// incomplete (then no ground is drawn); after the fit it is stretched so the
// figure's right end E is the right edge of the box. Bars are 3 mm high,
// 3.75 mm apart, the first 0.75 mm above max(crest height, ground height).
//
// A bar starts at its loading position right of the ground point R (where
// the ground surface meets the back of the wall; a blank or negative position
// counts as 0). It ends at E, except the vehicle, crowd and residential-land
// bars under the trial wedge (Doatsu ≠ 0), which end at start + width (blank
// or negative width 0) or E, the nearer. A start beyond E gives a bar back
// to E.
//
// Model frame: outline as MakeKutaiOutline gives it (flag 0), not moved.
#include <string>
#include <vector>

#include "document/document.h"
#include "document/outline.h"
#include "drawing/base/cdraw.h"
#include "drawing/section/section_fit.h"

namespace norva {

// One bar of the stack, model metres: from s to e, base b, top t. The label
// ends at labelX (model) with its top level with the bar's top.
struct JyousaiBar {
  std::string name;
  double s = 0, e = 0, b = 0, t = 0;
};

// What a master draws, worked out from the document and the canvas' drawing
// area (margins 3 mm) before anything is drawn.
struct JyousaiPlan {
  int considered = 0;           // surcharges with switch 0
  DRect wall;                   // GetKutaiExtent
  bool ground = false;          // GetUragomeExtent: the back ground is complete
  double backW = 0, backH = 0;  // as fitted (before the stretch to E)
  DrawFitState fit;
  DrawScale scale;
  bool drawable = false;  // a model box of some width and height
  double E = 0;           // right end of the figure (model x)
  DPoint R;               // the ground point
  double crestH = 0;      // the variant's crest height
  int labelPoint = 5;     // outline point whose x ends the labels
  double labelX = 0;
  std::vector<std::vector<DPoint>> wall_polygons;
  std::vector<JyousaiBar> bars;
};

// The plan of the document's wall type (0 block, 1 gravity, 2 leaning,
// 3 mixed) for a drawing area. The wall polygons are those of the wall
// section (drawing/section/section_drawing.h WallPolygons): block footing,
// courses, backing and crest wedge as the wall has them; gravity and leaning
// one polygon with the key under a level base; mixed the lower wall with its
// key, courses, backing 7, 6, 8, 10 and the crest wedge. The ground point R
// lies on the back line from the crest back (9, or 6) down to point 3; on a
// mixed wall down to point 10, the foot of the upper wall's backing (below
// it, along the lower wall's top to 3 and down its back to 4).
// A model box without width or height gives drawable false.
JyousaiPlan PlanJyousai(const CDocument& doc, const KutaiPoints& outline, const TwipBox& area);

// Draws the figure. A canvas without a surface or a wall type outside 0..3
// draws nothing and leaves the canvas as it was; a model box without width
// or height clears the canvas and draws nothing else.
void DrawJyousai(const CDocument& doc, cDraw& canvas);

// The four variants, called by DrawJyousai with the outline it built (each
// draws its own wall type's figure from the same plan).
void DrawJyousaiBlk(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline);
void DrawJyousaiGrw(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline);
void DrawJyousaiMtw(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline);
void DrawJyousaiMxw(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline);

}  // namespace norva

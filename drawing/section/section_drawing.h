#pragma once
// The dimensioned wall section: one entry for every caller (the wall-section
// screen with the state chosen there, the zoomable view with state 0, the
// design-conditions report picture "KutaiSunp.svg" with state 0 and colour
// off), the masters of the four wall types and the plan they draw from.
//
// A figure, left to right: a strip of front ground in front of the wall
// (1.0 m with front soil; a block wall with front water only, 0.5 m), the
// wall, and the ground behind it (at least 2.0 m); dimension rows around it.
// Colour on (screens): regions filled, blue dimensions. Off (report):
// outlines and dimensions in black.
#include <cstdint>
#include <vector>

#include "document/document.h"
#include "document/outline.h"
#include "drawing/base/cdraw.h"
#include "drawing/section/section_fit.h"

namespace norva {

// Draws the section of the document's wall type for the state (0 normal,
// 1 seismic; negative: the wall alone, without ground or water). A canvas
// without a surface, an incomplete design (CanDrawSection false) or a wall
// type outside 0..3 draws nothing and leaves the canvas as it was.
void DrawKutaiSunp(const CDocument& doc, cDraw& canvas, int16_t state, bool colour);

// A horizontal band of front ground or water, drawn by DrawFrontLayer.
struct FrontBand {
  double top = 0;
  double bottom = 0;
  uint32_t fill = 0;
  bool waterSymbol = false;
  bool colourMode = false;
};

// What a master draws, worked out before anything is drawn.
struct SectionPlan {
  DRect extent;             // of the wall (key included)
  double wf = 0;            // front water level of the state, or 0
  double wb = 0;            // back water level of the state, or 0
  double strip = 0;         // width of the front strip
  bool backGround = false;  // the back ground is drawn
  double backW = 0;         // its width and height (0 without it)
  double backH = 0;
  SunpRows rows;
  WorldSize world;               // the model box fitted
  int lastMoved = 0;             // outline points 0..lastMoved move right by the strip
  std::vector<FrontBand> bands;  // in drawing order
  double xR = 0;                 // right end of the back ground
};

// The plan of the master of the document's wall type. Missing levels count
// as none: front water or back water that is null (document or blank box) or
// not above 0, front soil not above 0. Front water over no front soil (or
// blank front soil) is a band from the base up to the water.
SectionPlan PlanSection(const CDocument& doc, const KutaiPoints& outline, int16_t state,
                        bool colour);

// The wall polygons of the moved outline in drawing order: gravity and
// leaning walls one polygon 0, 1, 2, 5, 6, 3, 4 (with the four key points
// under a level base); block walls the footing 0, 1, 2, 10, 4 (with one), the
// courses 2, 5, 6, 7, the backing 7, 6, 8, 3 (with a thickness above 0) and
// the crest wedge 5, 9, 8 (blocks square to the face); mixed walls the lower
// wall 0, 1, 2, 3, 4 (with the key), courses, backing 7, 6, 8, 10 and wedge.
std::vector<std::vector<DPoint>> WallPolygons(const CDocument& doc, const KutaiPoints& outline);

// The masters: plan, fit, move the outline (the caller's array stays moved),
// clear, then front bands, back ground, wall and dimension set. They return
// the figure's fit.
DrawFitState DrawKutaiSunpGrw(const CDocument& doc, cDraw& canvas, KutaiPoints& outline,
                              int16_t state, bool colour);
DrawFitState DrawKutaiSunpBlk(const CDocument& doc, cDraw& canvas, KutaiPoints& outline,
                              int16_t state, bool colour);
DrawFitState DrawKutaiSunpMtw(const CDocument& doc, cDraw& canvas, KutaiPoints& outline,
                              int16_t state, bool colour);
DrawFitState DrawKutaiSunpMxw(const CDocument& doc, cDraw& canvas, KutaiPoints& outline,
                              int16_t state, bool colour);

}  // namespace norva

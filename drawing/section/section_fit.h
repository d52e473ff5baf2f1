#pragma once
// Fitting a figure into its drawing area, and the extents of the wall and of
// the ground behind it.
//
// A figure is drawn in model metres (x right, y up) on a canvas whose unit is
// the twip (56.7 per mm, y down). The fit keeps a 3 mm margin on every side,
// reserves a band for the dimension rows of each side (rows × 4.5 + 10 mm),
// takes one scale for both axes and centres the model box (0, 0)-(W, H) in
// what is left. Row k of a side (k = 1 next to the figure) lies
// (k − 1) × 4.5 + 10 mm outside the device edge of the model box.
//
// The fit state belongs to the figure being drawn: the figure sets the row
// counts, fits, and hands the same state to its dimension set. Nothing here
// is process-wide.
#include <cstdint>

#include "document/outline.h"
#include "drawing/base/cdraw.h"

namespace norva {

class CDocument;

// The angle of a vertical line as the figures write it (just below pi/2).
inline constexpr double kFigureHalfPi = 1.570796326794895;

// A device box in twips.
struct TwipBox {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// Dimension rows reserved on each side of a figure; a negative count is 0.
struct SunpRows {
  int32_t left = 0;
  int32_t right = 0;
  int32_t top = 0;
  int32_t bottom = 0;
};

// The model box fitted, metres.
struct WorldSize {
  double width = 0;
  double height = 0;
};

// One figure's fit: the rows its caller reserved, the canvas' drawing area
// inside the margins, the model box and the inner box it is centred in.
struct DrawFitState {
  SunpRows DrwSunpRows;
  TwipBox DrwAreaBox;
  WorldSize DrwWorldSize;
  TwipBox DrwInnerBox;
};

// Scale (twips per metre) and origin (twips) of a fit: a model point (x, y)
// lies at (x × ScX + Xoo, Yoo − y × ScY).
struct DrawScale {
  double ScX = 0;
  double ScY = 0;
  double Xoo = 0;
  double Yoo = 0;
  double GetX(double x) const { return x * ScX + Xoo; }
  double GetY(double y) const { return Yoo - y * ScY; }
};

// A record of four metres; GetKutaiExtent fills XMax (width) and YMax
// (height) and leaves XMin = YMin = 0.
struct DRect {
  double XMin = 0;
  double YMin = 0;
  double XMax = 0;
  double YMax = 0;
};

// Width of the dimension band of a side with `rows` rows, in millimetres.
double SunpBandMm(int32_t rows);
// Distance of row k's line outside the model box, in twips
// (k = 0 lies 5.5 mm out, inside the band).
double SunpRowOffset(int32_t k);

// The inner box from the drawing area and the row counts (pure).
TwipBox InnerBoxOf(const TwipBox& area, const SunpRows& rows);

// One scale for both axes, the smaller of inner width / world width and
// inner height / world height, with the model box centred in the inner box.
// A world width or height that is 0 (or negative, or not finite) gives the
// scale 0 on both axes: the figure shrinks to the centre of the inner box.
DrawScale ComputeDrawScale(const DrawFitState& fit);

// Sets the canvas' scale and origin from the fit; returns what it set.
DrawScale SetDrawScale(cDraw& canvas, const DrawFitState& fit);
// The scale and origin the canvas holds.
DrawScale ScaleOf(const cDraw& canvas);

// Fits the model box (0, 0)-(width, height) into the canvas: margins 3 mm,
// DrwAreaBox from the canvas' drawing area, DrwWorldSize, DrwInnerBox from
// fit.DrwSunpRows (set by the caller before), then SetDrawScale.
DrawScale FitDrawArea(cDraw& canvas, DrawFitState& fit, double width, double height);

// Width (XMax) and height (YMax) of the wall outline, by WallType: block and
// mixed to point 9, gravity to the further of points 3 and 6, leaning to
// point 6, heights above point 4; plus TokL for a key under a level base
// (Tokki = 1, nKeisya ≠ 0) except on a block wall. Any other WallType: 0, 0.
DRect GetKutaiExtent(const CDocument& doc, const KutaiPoints& outline);

// The back ground's width behind the wall and its height above the base:
// horizontal and slope (0, crest − UraHd); trapezoid (UraX1 + UraX2 + 0.5,
// crest − UraHd + UraH0); arbitrary (largest UraNiniX, crest − UraHd +
// largest UraNiniY, both at least 0, null points skipped). "crest" is the
// height of the back end of the crest of the document's outline (point 9 for
// block and mixed walls, 6 otherwise), which every wall type has, unlike
// WallH. True when UragomeType, UraHd and the shape's own inputs (UraN;
// UraX1, UraX2, UraH0) are present; incomplete inputs give false and 0, 0,
// except the arbitrary shape, whose sizes are computed even then.
bool GetUragomeExtent(const CDocument& doc, double& width, double& height);

// The back end of the crest of an outline: point 9 for WallType 0 and 3,
// point 6 otherwise.
const DPoint& CrestBackPoint(const CDocument& doc, const KutaiPoints& outline);

}  // namespace norva

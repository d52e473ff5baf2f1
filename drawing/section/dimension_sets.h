#pragma once
// The dimension sets of the four wall sections: chains of dimensions around
// the figure and the gradient labels of its faces.
//
// Each set is computed first as a list of chains in device units (twips) from
// the document, the moved outline and the fit of the figure it belongs to,
// then drawn through one dimension line. Rows: row k of a side lies
// (k − 1) × 4.5 + 10 mm outside the edge of the fitted model box; the first
// chain of a side takes its outermost row and later ones step inward, unless
// a chain is put on a named row. Texts are whole millimetres. Drawing order:
// left, right, bottom, top, chains along a block face, gradient labels.
//
// Null tests use IsNullValue (the document null and a blank box both count as
// missing), so no text shows a null's digits and no null is a coordinate.
// A slope label needs a gradient above 0; a cut (BackType 1) is dimensioned
// and labelled only when KiriD is present and KiriN is above 0, as it is drawn.
#include <cstdint>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/outline.h"
#include "drawing/section/section_fit.h"

namespace norva {

class cDraw;

enum class DimChainKind { Vertical, Horizontal, Rotated };

// One chain handed to the dimension line.
struct DimChain {
  int number = 0;  // the chain's number within its set
  DimChainKind kind = DimChainKind::Vertical;
  std::string code;  // placement: "LR", "LL" vertical; "UL", "UU" others
  double line = 0;   // vertical: x of the line; horizontal: its y
  double refX = 0;   // rotated: a device point of the line
  double refY = 0;
  double angle = 0;        // rotated: the face's angle, radians
  std::vector<double> xs;  // device points, in order
  std::vector<double> ys;
  std::vector<std::string> texts;  // texts[k]: points k − 1 to k; texts[0] ""
};

// A gradient label "1:n": drawn with its top centre at (x, y), turned by
// angleDeg, at the text height h.
struct DimLabel {
  int number = 0;
  std::string text;
  double x = 0;
  double y = 0;
  double angleDeg = 0;
  double h = 0;
};

struct DimensionSet {
  std::vector<DimChain> chains;
  std::vector<DimLabel> labels;
};

// What a set is computed from: the fit and scale of the figure, the state
// index (negative: none) and the text height of the dimension line.
struct DimensionContext {
  const CDocument& doc;
  const KutaiPoints& outline;  // moved by the front strip
  const DrawFitState& fit;
  DrawScale scale;
  int16_t state = 0;
  bool colour = true;
  double mojiH = 170;
};

DimensionSet SunpouGrwChains(const DimensionContext& c);
DimensionSet SunpouBlkChains(const DimensionContext& c);
DimensionSet SunpouMtwChains(const DimensionContext& c);
DimensionSet SunpouMxwChains(const DimensionContext& c);

// A length in metres as the dimension text: whole millimetres, half up,
// "####0". Not-finite values give "".
std::string DimMmText(double metres);
// "1:" and n with two decimals.
std::string GradientText(double n);

// The dimension sets drawn on the canvas of the section, with the fit the
// master made: blue lines and texts in colour, black otherwise.
void DrawSunpouGrw(const CDocument& doc, cDraw& canvas, const DrawFitState& fit, int16_t state,
                   const KutaiPoints& outline, bool colour);
void DrawSunpouBlk(const CDocument& doc, cDraw& canvas, const DrawFitState& fit, int16_t state,
                   const KutaiPoints& outline, bool colour);
void DrawSunpouMtw(const CDocument& doc, cDraw& canvas, const DrawFitState& fit, int16_t state,
                   const KutaiPoints& outline, bool colour);
void DrawSunpouMxw(const CDocument& doc, cDraw& canvas, const DrawFitState& fit, int16_t state,
                   const KutaiPoints& outline, bool colour);

}  // namespace norva

#pragma once
// Pieces the four dimension sets share: building a chain, the row lines, the
// rows of the front levels and the gradient labels. Internal to the section
// drawing.
#include <string>
#include <utility>
#include <vector>

#include "drawing/section/dimension_sets.h"

namespace norva::dimension_detail {

// Builds one chain from model points (mapped by the figure's scale) or device
// points, each after the first with the text of a length in metres.
class ChainBuilder {
 public:
  ChainBuilder(const DrawScale& s, int number, DimChainKind kind, std::string code, double line);
  // First point.
  ChainBuilder& From(const DPoint& p);
  ChainBuilder& FromDevice(double x, double y);
  // Next point with the text of `metres`.
  ChainBuilder& To(const DPoint& p, double metres);
  ChainBuilder& ToDevice(double x, double y, double metres);
  // Next point with the text of its rise (vertical) or run (horizontal) from
  // the last model point entered.
  ChainBuilder& ToStep(const DPoint& p);
  const DPoint& Last() const { return last_; }
  DimChain Done() { return std::move(chain_); }
  DimChain& chain() { return chain_; }

 private:
  const DrawScale& s_;
  DimChain chain_;
  DPoint last_;
};

// Row lines of the four sides of the fitted box, twips.
struct RowLines {
  const DrawScale& s;
  WorldSize world;
  double Left(int k) const { return s.GetX(0) - SunpRowOffset(k); }
  double Right(int k) const { return s.GetX(world.width) + SunpRowOffset(k); }
  double Bottom(int k) const { return s.GetY(0) + SunpRowOffset(k); }
  double Top(int k) const { return s.GetY(world.height) - SunpRowOffset(k); }
};

// The front levels of the state that get a row: front soil and (with water
// considered) front water, each above 0 and present, highest first, a level
// within 0.5 mm of the one before it dropped. None without a state.
std::vector<double> FrontLevels(const CDocument& doc, int16_t state);

// Appends one vertical chain per front level, each on the next left row
// inward from `row` (which is left on the last row used), from (row, base)
// to the left edge of the box at the level, code "LR". `number` is the
// chain number they share.
void AddFrontLevelChains(const DimensionContext& c, int number, int& row, DimensionSet& set);

// The slope-label rule: a face of gradient 1:n anchored at (ax, ay) gets
// "1:n" one text height off the face on its upper side. Nothing for a null
// gradient or a position that is not finite.
void AddSlopeLabel(const DimensionContext& c, int number, double n, double ax, double ay,
                   DimensionSet& set);
// The back-face rule: the face from `lo` to `hi` gets "1:" and its gradient,
// a twentieth of a text height off the face on its back-ground side, anchored
// at 0.45 of its length. A vertical face reads "1:0.00".
void AddBackFaceLabel(const DimensionContext& c, int number, const DPoint& lo, const DPoint& hi,
                      DimensionSet& set);

// True when the cut face is drawn (BackType 1, KiriD present, KiriN > 0).
bool CutDrawn(const CDocument& d);
// The label of the cut face from its foot (heel.x + KiriD, heel.y) up to the
// right edge of the box or to the level yb, whichever it reaches first.
void AddCutLabel(const DimensionContext& c, int number, const DPoint& heel, double yb,
                 DimensionSet& set);
// The label of a slope back ground rising from (xb, yb), halfway to the
// right edge of the box.
void AddBackSlopeLabel(const DimensionContext& c, int number, double xb, double yb,
                       DimensionSet& set);

// A shear key is drawn (and dimensioned) under a level base only.
bool HasKey(const CDocument& d);
// The key's front and back bottom corners below point 0.
DPoint KeyFront(const CDocument& d, const KutaiPoints& p);
DPoint KeyBack(const CDocument& d, const KutaiPoints& p);
// The key's place (TokX) and width (TokB) from point 0, on the inner bottom
// row, code "UU"; the caller may carry it on.
ChainBuilder KeyChain(const DimensionContext& c, int number);

// Chain 1 on the outer left row, bottom up through the key's foot, the heel
// bottom (when the toe lies above it), the toe bottom, the toe top and the
// crest front, each interval its true height; `dropFlushToe` leaves out a toe
// top within 1 mm of the toe bottom. Then the front levels (chains 2).
void AddFrontHeights(const DimensionContext& c, bool dropFlushToe, DimensionSet& set);

// Chains 3 to 6 on the right: the heel up through `heelToCrest` (outline
// points, the last the crest's back end `crest`) with a trapezoid rising from
// the crest (3); the back water on the next row inward (4); a trapezoid's
// rise below the crest on row right − 1 (5); the depth UraHd of the back
// ground from (xDepth, yb) up to the crest level, one row inward from the
// last right chain (6).
void AddRightSide(const DimensionContext& c, const std::vector<int>& heelToCrest, int crest,
                  double xDepth, double yb, DimensionSet& set);

// The outer top chain `number` through `points`, carried on along a trapezoid
// that starts at the crest; chain `number` + 1 on the next row inward along a
// trapezoid that starts below it, at (xb, yb).
void AddTopChains(const DimensionContext& c, int number, const std::vector<int>& points, int crest,
                  double xb, double yb, DimensionSet& set);

// Chains `first` to `first` + 2 across the blocks at right angles to the
// face 2-5 (gradient BlkN): blocks, and equal backing, through the point three
// quarters up the face; unequal backing thicknesses at the top (6 to 8) and at
// the foot (7 to `footBack`), half a metre beyond the courses along the face.
void AddBlockCourseChains(const DimensionContext& c, int first, int footBack, DimensionSet& set);

// A trapezoid back ground (UragomeType 2) with UraX1, UraX2, UraH0 present.
bool TrapezoidInputs(const CDocument& d);
// ... and none of them negative.
bool TrapezoidSizes(const CDocument& d);

}  // namespace norva::dimension_detail

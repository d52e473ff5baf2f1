#pragma once
// The standard section of the document's wall on the drawing sheet: the wall
// outline, the foundation layers, the shear key, the drain holes, the
// dimension chains and the gradient labels. No ground, water or soil.
//
// Each wall type has one function that works out its figure (sheet
// millimetres relative to the figure's lower-left corner, where the
// dimension bands of 33 mm left, 26 mm right, 19 mm top and 26 mm bottom
// meet) and one that draws it through the run. Dimension texts are the
// full-size lengths in millimetres ("####0") of the model values.
//
// Departures from a literal reading of the wall layouts, each for a drawing
// an engineer can sign:
// - the figure's extent takes every foundation point, so no layer line or
//   bottom chain leaves the figure box;
// - the bottom chains run below the lowest point of the section's bottom (the
//   heel's corner of the layers on an inclined base, a key that hangs below
//   the layers), not below the toe's corner, so they never cross the drawing;
//   likewise the right chains stand beyond the foundation's back end where
//   that reaches further than the crest, and the left chains before the
//   base material's front where it projects without levelling concrete;
// - on an inclined base the shear key and the openings it leaves in the
//   layers hang from the base line at the key's own position;
// - the gravity wall's face label gives the gradient of its own face P2-P5;
// - a drain row whose centre lies at or above the top of the wall's faces,
//   or whose gradient is not positive, is left out (it has no front face);
// - a zero base width or face height leaves out what would divide by it.
#include <array>
#include <string>
#include <vector>

#include "document/geometry.h"
#include "drawing/sheet/sheet_target.h"

namespace norva {

class CDocument;
class SheetRun;

// The outline the sheet works on: MakeKutaiOutline's points, then the
// foundation points in slots of their own (gravity and leaning 10..21, mixed
// 15..26, block masonry 20..25).
using SheetPoints = std::array<DPoint, 51>;

struct SheetSegment {
  double x1, y1, x2, y2;
};

struct SheetLabel {
  double x, y;
  std::string text;
  double angleDeg;  // counter-clockwise
};

struct SectionFigure {
  double secW = 0, secH = 0;         // the section on the sheet, mm
  double figW = 0, figH = 0;         // with the dimension bands
  double offX = 0, offY = 0;         // sheet position of model (0, 0) in the figure
  std::vector<SheetSegment> lines;   // outline and foundation, in drawing order
  bool drainStyle = false;           // Mizunuki set: the pipe style is chosen
  std::vector<SheetSegment> drains;  // two lines per row: upper edge, lower edge
  std::vector<SheetChain> chains;    // in drawing order
  std::vector<SheetLabel> labels;
};

// Fill the foundation slots of pts and work out the figure at the scale.
SectionFigure BlkSectionFigure(const CDocument& doc, SheetPoints& pts, double scale);
SectionFigure GrwSectionFigure(const CDocument& doc, SheetPoints& pts, double scale);
SectionFigure MtwSectionFigure(const CDocument& doc, SheetPoints& pts, double scale);
SectionFigure MxwSectionFigure(const CDocument& doc, SheetPoints& pts, double scale);

// The figure of the document's wall type at the scale (SkzScale): outline
// from MakeKutaiOutline, foundation filled in, and its box grown to hold
// every element drawn (see FitFigureBox). An unknown wall type gives an empty
// figure.
SectionFigure SheetSectionFigure(const CDocument& doc, double scale);

// Grows the figure's box (figW x figH from its lower-left corner) until it
// holds every line, drain, dimension chain with its extension lines, the
// band of a rotated chain's dimension line and text, and every gradient
// label; moves everything when the box grows to the left or below. A box
// that already holds everything stays as it is.
void FitFigureBox(SectionFigure& fig);

// True when every number of the figure is finite (what cannot be worked out
// for a section, say a division by a zero height, is NaN or infinite).
bool FigureIsFinite(const SectionFigure& fig);

// Sets the run's section and figure sizes, places the figure (SkzSetOrigin),
// draws it and puts the origin back.
void DrawSectionFigure(SheetRun& run, const CDocument& doc, const SectionFigure& fig);

void SkzBlkSection(SheetRun& run, const CDocument& doc, SheetPoints& pts);
void SkzGrwSection(SheetRun& run, const CDocument& doc, SheetPoints& pts);
void SkzMtwSection(SheetRun& run, const CDocument& doc, SheetPoints& pts);
void SkzMxwSection(SheetRun& run, const CDocument& doc, SheetPoints& pts);

}  // namespace norva

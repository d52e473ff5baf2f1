#pragma once
// The line-of-thrust figure (overturning checked by the line of thrust):
// inside the block masonry (the block wall, or the upper wall of a mixed
// wall), the point where the resultant of the forces above a level crosses
// it, for 25 levels from the base up to just below the crest, joined into a
// line; with a metre grid measured from the crest centre (labels positive
// toward the front) and from the crest level (positive downward), the body
// outline, its centre line and the limit point Xd of the check at the base.
//
// Callers: the stability-results screen (colour, no point file) and the
// stability chapter (black, a ReportPicture of kSiryokusenReportWidthMm ×
// kSiryokusenReportHeightMm saved as SiryokusenFileBase(...) + ".svg", and
// the point file SiryokusenFileBase(...) + ".DAT").
//
// Figure frame: metres, the front foot of the masonry (outline point 2 of
// MakeKutaiOutline with flag 1) at the origin. The body is 2, 5, 9, 3 on a
// block wall and 2, 5, 9, 10 on a mixed wall (the upper wall stands on the
// joint 2-10). Colours: grey grid, cyan centre line, red limit point, blue
// line of thrust 0.5 mm; with colour off all black.
//
// Layout (1 mm = 56.7 twips): margins 2 mm; a band of 4.5 digits on the left
// and 4.5 mm at the top for the grid labels; world W = max(largest thrust x,
// body width) − min(least thrust x, 0) + 1, H = body height + 1 (half a
// metre of room on each side), one scale, centred. Grid step 1.0 m from
// W ≥ 5, 0.5 from 2, 0.25 from 1, else 0.1 (at most 500 lines each way).
#include <cstdint>
#include <string>
#include <vector>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/geometry.h"
#include "drawing/base/cdraw.h"
#include "drawing/section/section_fit.h"

namespace norva {

inline constexpr double kSiryokusenReportWidthMm = 150;
inline constexpr double kSiryokusenReportHeightMm = 75;

// The forces above one level, as GetSiryokuPos gives them: X the distance
// of the resultant from the crest centre (positive toward the front), y the
// level above the foot of the masonry, V the vertical forces, Mr the
// resisting and Mo the overturning moment.
struct SiryokuLevel {
  double X = 0, y = 0, V = 0, Mr = 0, Mo = 0;
};

struct SiryokusenPlan {
  bool defined = false;              // WallType 0 or 3
  double wExt = 0, hExt = 0;         // body width and height
  double centre = 0;                 // crest centre, figure x
  double crest = 0;                  // crest level, figure y (Y5 − Y2)
  std::vector<DPoint> body;          // figure frame
  DPoint footCentre;                 // centre of the body's foot
  std::vector<SiryokuLevel> levels;  // levels 0..24 that could be computed
  std::vector<DPoint> thrust;        // the line, base to top (25 or 26 points)
  double Xd = 0;                     // limit, from the crest centre
  bool limit = false;                // Xd is a number
};

// Runs the 26 force sums of the case (levels k × (Y5 − Y2) / 25, k = 0..25)
// and builds the line: point (centre − X, y) for each level 0..24 that the
// calculation could compute (a failed level is left out); the crest centre as
// a 26th point when both moments at the top are within 0.001. The document's
// state is as before afterwards (the calculation restores it). A wall type
// other than 0 and 3 gives defined false and runs nothing.
SiryokusenPlan PlanSiryokusen(CDocument& doc, int16_t caseIndex, CAntRes& res);

struct SiryokusenLayout {
  double W = 0, H = 0;        // world, metres
  double xmin = 0, xmax = 0;  // of the thrust points (1e8 / −1e8 without any)
  double g = 0;               // grid step
  DrawFitState fit;
  DrawScale scale;  // after the half-metre shift
  TwipBox box;      // the world box in the inner box
};

// The fit for a drawing area (margins 2 mm) and the width of a digit in mm.
SiryokusenLayout LayoutSiryokusen(const TwipBox& area, double digitMm, double wExt, double hExt,
                                  const std::vector<DPoint>& thrust);

// The grid step for a world width W.
double SiryokusenGridStep(double W);

// The point file: one line per computed level 0..24, the numbers X, y, V,
// Mr, Mo each with a blank or "-" before and one blank after (the run time's
// number form: at most 15 significant digits, "." as the point whatever the
// locale), CR LF. Returns the file's bytes.
std::string SiryokusenPointText(const std::vector<SiryokuLevel>& levels);

// <folder>/示力線00<case, at least two digits>; the picture adds ".svg", the
// point file ".DAT".
std::string SiryokusenFileBase(const std::string& folder, int32_t caseIndex);

// Draws the figure of the case (result: the case's result of wall part 0)
// on the canvas and, when pointFile is not empty, writes the point file
// there (created or replaced). A canvas without a surface draws nothing (the
// file is still written). A wall type other than 0 and 3 clears the canvas
// and writes no file. True when no file was asked for or it was written;
// false with the reason in *why (when given) when it could not be written.
bool DrawSiryokusen(CDocument& doc, int16_t caseIndex, CAntRes& res, cDraw& canvas, bool colour,
                    const std::string& pointFile, std::string* why = nullptr);

}  // namespace norva

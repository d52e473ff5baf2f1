#pragma once
// Weights and centres of gravity by the coordinate method: the section that
// opens the stability chapter of a wall part (PrnKutai) and the table of one
// polygon that every chapter with weights prints (PrnAreaTable).
#include <cstdint>
#include <string>
#include <vector>

#include "document/geometry.h"

namespace norva {

class CDocument;
class CWeight;
class PrnFile;

// The rows of the coordinate-method table of a polygon moved by (-x0, -y0):
// its corners with consecutive duplicates dropped and the first repeated at
// the end (m points, the last equal to the first), and per row i the terms
//   A_i  = (y_i·x_i+1 − y_i+1·x_i) / 2
//   Gx_i = (y_i² + (y_i+1 − y_i)(2y_i + y_i+1)/3)·(x_i+1 − x_i)/2
//   Gy_i = (x_i² + (x_i+1 − x_i)(2x_i + x_i+1)/3)·(y_i+1 − y_i)·(−1/2)
// (0 in the last row). ΣGy/ΣA and ΣGx/ΣA are the centroid less the origin,
// whichever way round the corners run. No point: m is 0.
struct AreaTableRows {
  std::vector<DPoint> points;
  std::vector<double> A, Gx, Gy;
  double sumA = 0, sumGx = 0, sumGy = 0;
};
AreaTableRows MakeAreaTableRows(const CWeight& polygon, double x0, double y0);

// The two tables of one polygon: the corner grid with its sums, and the
// volume, centroid, unit weight, weight (buoyancy: "浮　　力") and moment
// (with the inertia force and its moment when the design is seismic,
// bQuake). Coordinates are shown less the origin (x0, y0): the stability
// chapter passes (0, 0) except for the line-of-thrust polygons of the upper
// wall of a mixed wall; the member chapters pass the origin of their part.
// The last number of each summary formula is the polygon's own Xc, Yc and w.
// A null polygon or one without points writes nothing.
void PrnAreaTable(PrnFile& f, const CDocument& doc, const CWeight* polygon, double x0, double y0,
                  bool buoyancy);

// The method of the coordinate method: its sentence, the five formulas of
// area, first moments and centroid, and their legend (inside the caller's
// block, after its headings).
void PrnAreaMethodText(PrnFile& f);

// The area figure of a polygon (DrawMensekiFigure: the wall outline moved by
// offset, the polygon's corners numbered) on a fresh picture of the stability
// chapter's figure size, saved as <folder>/<name>.svg; returns the full path.
// Throws ReportError when it cannot be saved.
std::string PrnAreaFigure(const CDocument& doc, const std::string& folder, const std::string& name,
                          const CWeight* polygon, const DPoint& offset);

// The weights of wall part `part` (0, or 1 for the lower wall of a mixed
// wall): the method, then body, buoyancy and front soil, each polygon with its
// area figure (<folder>/く体壁部面積<part>.svg and the like) and table. The
// ordinary polygons are written for every wall but the upper wall of a mixed
// wall, the line-of-thrust polygons ("(示力線計算用)") for that upper wall and
// whenever overturning is checked by the line of thrust (nTentou 3). A
// buoyancy state is shown when its polygon weighs something and a case of that
// state considers water; a front-soil entry when its polygon exists and a
// case of its state takes it: the water-ignored soil every case with front
// soil (with water or not, uplift alone included), the submerged one the
// cases with water of a design with water, shown with the state's buoyancy.
// Throws ReportError when a figure cannot be saved.
void PrnKutai(PrnFile& f, const CDocument& doc, const std::string& folder, int16_t part);

}  // namespace norva

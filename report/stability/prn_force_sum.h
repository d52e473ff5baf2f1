#pragma once
// Force-summary tables of the stability chapter: the forces on a wall part
// with their arms and moments about the toe, for the base (PrnForceSum) and
// for the line-of-thrust check (PrnForceSumSiryokusen).
//
// The rows are built as the stability calculation took each force, so the
// rows add up to the stored sums (SgmV, SgmH, SgmMr, SgmMo, and SgmVX, SgmHY
// under the large-block guideline) and the printed resultant position is the
// stored one.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace norva {

class CAntRes;
class CDocument;
class PrnFile;

// One row of the general table; an empty cell prints "－", a value that was
// not computed (kNullBox) "-----".
struct ForceSumRow {
  std::string label;
  std::optional<double> V, H, x, y, Vx, Hy, Mr, Mo;
};

// Rows of load case i of wall part `part`, in the table's order: the upper
// wall (lower wall of a mixed wall), body (wall and footing), buoyancy, front
// soil (dry and submerged), earth pressure, front and back water pressure,
// uplift, horizontal loads, other loads; each only when it acts. The upper
// wall enters at the middle of the joint with its earth pressure by its
// components; under the line of thrust (nTentou 3) an earth pressure taken
// wholly horizontal shows V 0 at x 0. Mr and Mo: the V·x and H·y columns;
// under the large-block guideline (Sisin 3, not the lower wall of a mixed
// wall) the inertia forces of body, buoyancy and soil reduce the resisting
// moment, the vertical component of the earth pressure reduces the
// overturning one, and the horizontal and other loads count their V·x as
// resisting and their H·y as overturning.
std::vector<ForceSumRow> PrnForceSumRows(const CDocument& doc, int16_t part, int32_t i);

// One row of the line-of-thrust table: item `item` of the result's item table
// as the line-of-thrust calculation took it (the uplift as the upward force
// −U, its moment X·U with the overturning ones).
struct ThrustItem {
  int item = 0;
  std::string label;
  double V = 0, X = 0, Mr = 0, H = 0, Y = 0, Mo = 0;
};
std::vector<ThrustItem> SiryokusenItems(const CAntRes& r);

// Sums of the items and the position of their resultant from the front of
// the section, d = (ΣMr − ΣMo) / ΣV (0 when ΣV is 0).
struct ThrustResultant {
  double V = 0, H = 0, Mr = 0, Mo = 0, d = 0;
};
ThrustResultant SiryokusenResultant(const CAntRes& r);

// The general table of load case i of wall part `part`, with the resultant
// position d and the eccentricity e. The first call of a series (flag 0)
// starts a new page with the heading "作用力の集計" and sets the flag.
void PrnForceSum(PrnFile& f, const CDocument& doc, int32_t i, int16_t part, int16_t& flag);

// The line-of-thrust table of load case i with the resultant position; the
// first call of a series starts a new page with "作用力の集計(示力線計算用)".
void PrnForceSumSiryokusen(PrnFile& f, const CDocument& doc, int32_t i, int16_t part,
                           int16_t& flag);

}  // namespace norva

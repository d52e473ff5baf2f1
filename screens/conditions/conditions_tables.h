#pragma once
// Standard values of the design guidelines behind the reference dialogs of
// the design-conditions screens, the passive earth-pressure calculation and
// the list of the critical water-level window. Plain data and functions (no
// Qt); texts are UTF-8 as the windows show them.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace norva {

class CDocument;

// A row of a display table: its cells left to right.
using TableRow = std::vector<const char*>;

// ---- Ground constants (frmJiban) -----------------------------------------------

// Items of the guideline list (list index 1 is the standard design drawings,
// which has no guideline code of its own).
std::span<const char* const> JibanSisinItems();
// The item a document's guideline opens on: residential land (4) the road
// table, canals (5) the land-improvement table, 0 to 3 their own; -1 for a
// code without a table.
int JibanSisinItem(int32_t sisin);
// Page shown for a list item: 0 for items 0 and 2, 1 for item 1, 2 for item 3.
int JibanPage(int item);

struct JibanPageData {
  std::vector<const char*> backfill;  // the backfill list
  std::vector<double> phi;            // its standard friction angles (degrees)
  TableRow backfillHeader;
  std::vector<TableRow> backfillRows;
};
const JibanPageData& JibanPageFor(int page);  // page 0..2
std::span<const char* const> JibanCutFaceItems();
// The cut-face table, shown on every page.
const TableRow& JibanCutFaceHeader();
std::span<const TableRow> JibanCutFaceRows();

// Wall friction from the backfill's φ: 2φ/3 normal, φ/2 seismic (unrounded).
struct WallFriction {
  double normal = 0;
  double seismic = 0;
};
WallFriction WallFrictionFromPhi(double phi);
// Friction on the cut face: 2φ/3 for item 0, φ for item 1.
double CutFaceAngle(double phi, int item);

// ---- Bearing capacity (frmQa) ----------------------------------------------------

// One ground type: its list item, its cells in the table (group label, which
// carries the group name over the rows of a group, and state) and its value.
struct QaRow {
  const char* item;
  const char* group;
  const char* state;  // nullptr in the two-column table and the single rows
  double value;       // kN/m2; qa, or qd under the large-block guideline
};
// Page of the guideline's table: 0 farm roads, 1 canals, 3 road earthworks,
// 4 residential land, 5 large-block masonry; -1 for a code without a table.
int QaPage(int32_t sisin);
// The guideline's ground types in table order (empty without a table).
std::span<const QaRow> QaRows(int32_t sisin);
// Whether the table has the two columns of the residential-land table.
bool QaTwoColumns(int32_t sisin);

// ---- Allowable stresses (frmAllow) -------------------------------------------------

std::span<const char* const> AllowSisinItems();
// Farm roads and canals open item 0, codes 2 to 4 the item of the same
// number; any other code item 0.
int AllowSisinItem(int32_t sisin);
// Page for a list item: 0 land improvement, 1 road earthworks and large-block
// masonry, 2 residential land.
int AllowPage(int item);

struct AllowRow {
  const char* item;  // the strength list's text
  double Sgmck, Sgmca, Sgmta, Taua;
};
// The table of a page; on the road page the three allowables follow the
// formulas of RoadAllowables.
std::vector<AllowRow> AllowRows(int page);
// The strength preselected on each page for the document's σck (compared
// exactly): 16 and 18 their own items, anything else "21" and "18".
struct AllowPreselect {
  int tochi = 1;
  int douro = 1;
  int takuchi = 1;
};
AllowPreselect AllowPreselectFor(double sgmck);
// Display tables: header row then rows (label first).
std::span<const TableRow> AllowDisplayRows(int page);

// ---- Soil unit weights (frmRefWeight) --------------------------------------------------

struct RefWeightRow {
  std::vector<const char*> cells;  // descriptive columns
  double gamma;                    // moist unit weight, kN/m3
};
struct RefWeightPageData {
  std::vector<const char*> header;  // descriptive headers (a repeated one spans)
  std::vector<RefWeightRow> rows;
};
// Page by guideline: farm roads 0, canals 1, large block 2, road 3,
// residential land 4; -1 for a code without a table.
int RefWeightPage(int32_t sisin);
const RefWeightPageData& RefWeightPageFor(int page);  // page 0..4
// Submerged weight: the moist weight less 9 kN/m3.
inline double SubmergedWeight(double gamma) { return gamma - 9; }

// ---- Material unit weights (frmWeight) ----------------------------------------------------

std::span<const char* const> WeightSisinItems();
// Farm roads item 0, canals 1, any other code c item c + 1.
int WeightSisinItem(int32_t sisin);
// Page for a list item: items 0 and 1 page 0, others item - 1.
int WeightPage(int item);

struct WeightChoice {
  const char* item;
  double gamma;  // kNullBox where the table gives no value
};
// Soil lists of a page. Pages 0 and 2 list by ground kind (0 natural ground,
// 1 fill); the others have one list (kind ignored).
bool WeightPageHasGroundKind(int page);
std::span<const char* const> WeightGroundKinds();
std::span<const WeightChoice> WeightSoils(int page, int groundKind);
// Wall concrete of page 0.
std::span<const WeightChoice> WeightWallConcrete();

// ---- Passive earth pressure (frmPp) ----------------------------------------------------------

struct PpInputs {
  double H, Gam, Fai, Delt, Alp, I, Kh;  // m, kN/m3, degrees (Fai..I), seismic coefficient
};
struct PpResult {
  double Kp[2];  // 0 normal, 1 seismic
  double Pp[2];  // kN/m
};
// Coulomb's passive coefficient with the ground slope i as β and the seismic
// angle θ = atan(kh); Pp = ½γH²Kp. δ is taken with the sign entered. No
// result when an input is blank or not entered, or when the formula has a
// zero divisor for these angles.
std::optional<PpResult> CalcPp(const PpInputs& in);

// ---- Critical water level (frmWlvl) ---------------------------------------------------------

// One list entry per search record whose load case still exists, in record
// order; a record of a case deleted since the search is left out.
struct WlvlEntry {
  int32_t record;
  std::string caseName;
};
std::vector<WlvlEntry> WlvlCaseList(const CDocument& doc);

// ---- Pictures -----------------------------------------------------------------------------------

// The picture of a wall-type option of the initial-conditions dialog.
const char* IniWallPicture(int wallType);
// Picture buttons: the help pages and the passive-pressure angle figure.
inline constexpr const char* kHelpButtonPicture = "HelpButton.svg";
inline constexpr const char* kDeltaButtonPicture = "DeltaButton.svg";
inline constexpr const char* kDeltaHelpPicture = "DeltaHelp.svg";
// Every picture file these windows show, for the check that ships them.
std::vector<std::string> ConditionsPictures();

}  // namespace norva

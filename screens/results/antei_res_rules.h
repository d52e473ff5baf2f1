#pragma once
// What the stability results screen (screen 4) shows, worked out from the
// document without any control: which pages and tabs can be chosen, the case
// list, and the cells of the summary grids. The screen only applies these.
//
// Verdicts come from calc/stability/verdicts.h; the marks next to them are
// the grid's own (a safety factor equal to its allowable passes and reads
// "<"). A value that was not computed shows "-----" and never passes.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace norva {

class CDocument;

// Text colours of judged values (Windows colour numbers &HBBGGRR).
inline constexpr uint32_t kResultRed = 0x0000FF;
inline constexpr uint32_t kResultBlue = 0xFF0000;
inline constexpr uint32_t kResultBlack = 0x000000;
// What a value that was not computed shows.
inline constexpr const char* kNotComputedCell = "-----";

// ---- Pages and tabs ------------------------------------------------------------

// Tabs of the detail pages of the wall (or lower wall).
enum AnteiTab { kTabDoatsu = 0, kTabSiryoku = 1, kTabTentou = 2, kTabKatsudou = 3, kTabSiji = 4 };

struct AnteiResState {
  bool mixed = false;
  int optAntei = 1;  // the wall-part option selected
  bool optAnteiEnabled = false;
  int wallPage = 1;  // page of vstAntRes and vstWall
  bool upperPageAvailable = false;
  bool cmdWlvlEnabled = false;
  // Upper wall of a mixed wall: its earth-pressure tab and page.
  bool upperDoatsuTab = false;
  int upperFirstTab = 1;
  int upperDoatsuPage = 0;  // vstDoatsu(0): 0 embankment, 1 cut
  // Wall or lower wall.
  std::array<bool, 5> tabs{};  // vstAntDetail(1) tabs that can be chosen
  int doatsuPage = 0;          // vstDoatsu(1): 0 embankment, 1 cut, 2 cut under large block
  int katsudouPage = 0;        // vstKatsudou: 0 plain base, 1 shear key
  int sijiPage = 0;            // vstSiji: 0 allowable reaction, 1 large block
  int firstTab = kTabTentou;   // first tab that can be chosen
  // Rows of the overturning page.
  bool rowSafety = true;        // Fm against Fma
  bool rowPosition = true;      // d against B/2 - Ea
  bool rowEccentricity = true;  // e against Ea
};
AnteiResState AnteiResFormState(const CDocument& doc);

// The case list item: the number right-aligned in two characters, a point
// and the name (" 3.常時", "12.地震時").
std::string CaseListItem(int caseIndex, const std::string& caseName);

// The sliding page with the shear key is used only by walls that may have a
// key: a block wall always shows and fills the plain-base page.
bool UsesKeySlidePage(const CDocument& doc);

// ---- Summary grids -------------------------------------------------------------

// One check group of three columns: value, mark, allowable.
struct SummaryGroup {
  int firstCol = 0;
  std::string heading;
  int decimals = 2;
};

struct SummaryLayout {
  int cols = 0;
  std::vector<SummaryGroup> groups;
  std::vector<int> hiddenCols;
};
// grid 0: the upper wall of a mixed wall; grid 1: the wall or lower wall.
SummaryLayout SummaryGridLayout(const CDocument& doc, int grid);

struct SummaryCell {
  std::string text;
  bool coloured = false;  // the text takes `colour`; else the grid's own
  uint32_t colour = kResultBlack;
};
struct SummaryGroupCells {
  SummaryCell value, mark, limit;
};
struct SummaryRow {
  std::string name;
  std::array<std::string, 4> sums;        // ΣV, ΣH, ΣMr, ΣMo
  std::vector<SummaryGroupCells> groups;  // parallel to SummaryLayout::groups
};
// The row of case caseIndex in grid 0 or 1, from the document's results.
SummaryRow SummaryRowCells(const CDocument& doc, int grid, int caseIndex);

// The cell text of a result: "-----" when not computed, else the value with
// `decimals` decimals (0 to 9), rounded half away from zero.
std::string ResultCellText(double v, int decimals);

}  // namespace norva

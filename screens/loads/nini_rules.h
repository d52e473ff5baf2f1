#pragma once
// The arbitrary-load editor's rules, without a window: the grid columns of
// each load kind, the calculations a load counts in, storing grid cells, and
// the list operations that keep every load case acting on the same loads.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/load_case.h"

namespace norva {

class CDocument;

// Grid columns 1..6 hold X1, X2, Y1, Y2, P1, P2 (index 0 is unused).
inline constexpr int kNiniCols = 6;
using NiniCells = std::array<std::optional<double>, kNiniCols + 1>;

// The member of a column, nullptr outside 1..6.
double CNini::*NiniMember(int col);

// One column of the grid for a load kind: whether it is shown and its
// two-line heading ("作用位置" or "載荷荷重", then the symbol and unit).
struct NiniColumn {
  bool shown = false;
  std::string line1;
  std::string line2;
};
// Kinds 0, 1 (point loads) show X, Y, P; 2 (vertical distributed) X1, X2,
// Y, P1, P2; 3 (horizontal distributed) X, Y1, Y2, P1, P2. Any other kind
// (none chosen yet) is taken as a point load.
std::array<NiniColumn, kNiniCols + 1> NiniColumns(int kind);

// Bits of nTarget: 1 stability, 2 stem design, 4 toe-slab design.
int16_t NiniTargetBits(bool stability, bool stem, bool toeSlab);

// Values for the grid of a load: the shown columns whose member holds a
// value (a null member leaves its cell empty).
NiniCells NiniGridValues(const CNini& load);
// Stores the cells of the shown columns that hold a number; an empty cell
// leaves its member as it is.
void StoreNiniGrid(CNini& load, const NiniCells& cells);

// Every arbitrary load and every case's switches at one moment.
struct NiniSnapshot {
  std::vector<CNini> loads;
  std::vector<int16_t> caseCounts;                 // each case's nNiniCount
  std::vector<std::vector<int16_t>> caseSwitches;  // its nNini(0..count-1)
};
NiniSnapshot TakeNiniSnapshot(const CDocument& doc);
// Puts the loads and the cases' switches back as they were. Cases beyond
// those of the snapshot are left alone.
void RestoreNiniSnapshot(CDocument& doc, const NiniSnapshot& snapshot);

// Appends a load with the name; returns its index. The cases are not
// touched: a new load acts in no case until it is ticked.
int AddNini(CDocument& doc, const std::string& name);
// Removes load i: the later loads move up one place, and every case drops
// its switch i, so each later load keeps its own switches. False when i is
// outside 0..nNiniCount-1.
bool DeleteNini(CDocument& doc, int i);

// The question before load i is deleted.
std::string DeleteNiniQuestion(const std::string& loadName);

}  // namespace norva

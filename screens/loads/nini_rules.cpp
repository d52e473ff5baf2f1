#include "screens/loads/nini_rules.h"

#include <algorithm>

#include "document/document.h"
#include "document/nulls.h"

namespace norva {

double CNini::*NiniMember(int col) {
  switch (col) {
    case 1:
      return &CNini::X1;
    case 2:
      return &CNini::X2;
    case 3:
      return &CNini::Y1;
    case 4:
      return &CNini::Y2;
    case 5:
      return &CNini::P1;
    case 6:
      return &CNini::P2;
    default:
      return nullptr;
  }
}

std::array<NiniColumn, kNiniCols + 1> NiniColumns(int kind) {
  std::array<NiniColumn, kNiniCols + 1> c;
  auto show = [&c](int col, const char* line2) {
    c[static_cast<size_t>(col)] = {true, col <= 4 ? "作用位置" : "載荷荷重", line2};
  };
  switch (kind) {
    case 2:
      show(1, "X1 (m)");
      show(2, "X2 (m)");
      show(3, "Y (m)");
      show(5, "P1(kN/m)");
      show(6, "P2(kN/m)");
      break;
    case 3:
      show(1, "X (m)");
      show(3, "Y1(m)");
      show(4, "Y2(m)");
      show(5, "P1(kN/m)");
      show(6, "P2(kN/m)");
      break;
    default:  // point loads, and a load whose kind is not chosen yet
      show(1, "X (m)");
      show(3, "Y (m)");
      show(5, "P (kN)");
      break;
  }
  return c;
}

int16_t NiniTargetBits(bool stability, bool stem, bool toeSlab) {
  return static_cast<int16_t>((stability ? 1 : 0) + (stem ? 2 : 0) + (toeSlab ? 4 : 0));
}

NiniCells NiniGridValues(const CNini& load) {
  NiniCells cells;
  const auto cols = NiniColumns(load.nType);
  for (int col = 1; col <= kNiniCols; ++col) {
    const double v = load.*NiniMember(col);
    if (cols[static_cast<size_t>(col)].shown && !IsNullValue(v))
      cells[static_cast<size_t>(col)] = v;
  }
  return cells;
}

void StoreNiniGrid(CNini& load, const NiniCells& cells) {
  const auto cols = NiniColumns(load.nType);
  for (int col = 1; col <= kNiniCols; ++col) {
    const auto& v = cells[static_cast<size_t>(col)];
    if (cols[static_cast<size_t>(col)].shown && v) load.*NiniMember(col) = *v;
  }
}

NiniSnapshot TakeNiniSnapshot(const CDocument& doc) {
  NiniSnapshot s;
  for (int i = 0; i < doc.nNiniCount(); ++i) {
    CNini copy;
    if (const auto load = doc.pNini(i)) copy.Copy(*load);
    s.loads.push_back(copy);
  }
  for (int k = 0; k < doc.nCase(); ++k) {
    const auto kase = doc.pCase(k);
    const int16_t n = kase ? kase->nNiniCount() : 0;
    std::vector<int16_t> sw;
    for (int j = 0; j < n; ++j) sw.push_back(kase->nNini(j));
    s.caseCounts.push_back(n);
    s.caseSwitches.push_back(std::move(sw));
  }
  return s;
}

void RestoreNiniSnapshot(CDocument& doc, const NiniSnapshot& snapshot) {
  doc.SetnNiniCount(static_cast<int16_t>(snapshot.loads.size()));
  for (size_t i = 0; i < snapshot.loads.size(); ++i)
    if (const auto load = doc.pNini(static_cast<int>(i))) load->Copy(snapshot.loads[i]);
  const size_t cases = std::min(snapshot.caseCounts.size(), static_cast<size_t>(doc.nCase()));
  for (size_t k = 0; k < cases; ++k) {
    const auto kase = doc.pCase(static_cast<int>(k));
    if (!kase) continue;
    kase->SetnNiniCount(snapshot.caseCounts[k]);
    const auto& sw = snapshot.caseSwitches[k];
    for (size_t j = 0; j < sw.size(); ++j) kase->SetnNini(static_cast<int>(j), sw[j]);
  }
}

int AddNini(CDocument& doc, const std::string& name) {
  const int i = doc.nNiniCount();
  doc.SetnNiniCount(static_cast<int16_t>(i + 1));
  if (const auto load = doc.pNini(i)) load->LoadName = name;
  return i;
}

bool DeleteNini(CDocument& doc, int i) {
  const int n = doc.nNiniCount();
  if (i < 0 || i >= n) return false;
  for (int j = i; j < n - 1; ++j) {
    const auto to = doc.pNini(j);
    const auto from = doc.pNini(j + 1);
    if (to && from) to->Copy(*from);
  }
  doc.SetnNiniCount(static_cast<int16_t>(n - 1));
  // The switches are kept by position: drop entry i so the later loads keep
  // theirs. A case that never knew load i (added since) has nothing to drop.
  for (int k = 0; k < doc.nCase(); ++k) {
    const auto kase = doc.pCase(k);
    if (!kase) continue;
    const int c = kase->nNiniCount();
    if (i >= c) continue;
    for (int j = i; j < c - 1; ++j) kase->SetnNini(j, kase->nNini(j + 1));
    kase->SetnNiniCount(static_cast<int16_t>(c - 1));
  }
  return true;
}

std::string DeleteNiniQuestion(const std::string& loadName) {
  return loadName + "を削除してもよろしいですか？";
}

}  // namespace norva

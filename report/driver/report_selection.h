#pragma once
// What the user chose to report: the five chapter flags and, per chapter, the
// load cases. One selection serves the whole program; the report selection
// dialog sets it and every chapter writer reads it.
#include <cstdint>
#include <vector>

namespace norva {

// Per-case flags of one chapter, indexed by load case (0-based); 1 reported,
// 0 not. A case outside the array reads 0 and a write there is ignored, so a
// selection made for a document with fewer cases never reports a case twice
// or reads past its end.
class CaseFlags {
 public:
  int16_t operator()(int32_t i) const;
  void Set(int32_t i, int16_t v);
  // n cases, all 0.
  void Reset(int32_t n);
  int32_t Count() const { return static_cast<int32_t>(flags_.size()); }

 private:
  std::vector<int16_t> flags_;
};

struct ReportSelection {
  int16_t PrnSelJyouken = 0;  // design conditions
  int16_t PrnSelAntei = 0;    // stability
  int16_t PrnSelWall = 0;     // wall (stem) stresses
  int16_t PrnSelFot = 0;      // toe-slab stresses
  int16_t PrnSelTokki = 0;    // shear-key stresses
  CaseFlags PrnAnteiCases;
  CaseFlags PrnWallCases;
  CaseFlags PrnFotCases;
  CaseFlags PrnTokkiCases;

  // A new document in the dialog: every chapter flag 0; with at least one
  // load case the four case arrays become nCase zeros, with none they stay
  // as they were.
  void NewDocument(int16_t nCase);
  // True when at least one chapter flag is set.
  bool AnyChapter() const;
};

// The program's selection (all 0 until the dialog first sets it).
ReportSelection& PrnSel();

}  // namespace norva

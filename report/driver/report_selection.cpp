#include "report/driver/report_selection.h"

#include <cstddef>

namespace norva {

int16_t CaseFlags::operator()(int32_t i) const {
  if (i < 0 || i >= Count()) return 0;
  return flags_[static_cast<std::size_t>(i)];
}

void CaseFlags::Set(int32_t i, int16_t v) {
  if (i < 0 || i >= Count()) return;
  flags_[static_cast<std::size_t>(i)] = v;
}

void CaseFlags::Reset(int32_t n) { flags_.assign(static_cast<std::size_t>(n > 0 ? n : 0), 0); }

void ReportSelection::NewDocument(int16_t nCase) {
  PrnSelJyouken = PrnSelAntei = PrnSelWall = PrnSelFot = PrnSelTokki = 0;
  if (nCase < 1) return;
  for (CaseFlags* c : {&PrnAnteiCases, &PrnWallCases, &PrnFotCases, &PrnTokkiCases})
    c->Reset(nCase);
}

bool ReportSelection::AnyChapter() const {
  return PrnSelJyouken != 0 || PrnSelAntei != 0 || PrnSelWall != 0 || PrnSelFot != 0 ||
         PrnSelTokki != 0;
}

ReportSelection& PrnSel() {
  static ReportSelection selection;
  return selection;
}

}  // namespace norva

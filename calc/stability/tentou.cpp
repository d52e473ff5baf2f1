// Overturning.
#include <cmath>
#include <memory>

#include "calc/stability/stability_checks.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"

namespace norva {

StabStatus CalcTentou(const CDocument& doc, int32_t caseIndex, CAntRes& r) {
  const std::shared_ptr<CKajyuCase> k = doc.pCase(caseIndex);
  if (!k || IsNullValue(r.SgmV) || IsNullValue(r.SgmMr) || IsNullValue(r.SgmMo)) {
    r.D = r.E = r.Fm = kNullBox;
    return StabStatus::Fail(kStabReasonNoSums);
  }
  StabStatus st;
  if (r.SgmV != 0) {
    r.D = (r.SgmVX - r.SgmHY) / r.SgmV;
    r.E = r.Breadth / 2 - r.D;
  } else {
    r.D = r.E = kNullBox;
    st = StabStatus::Fail(kStabReasonZeroV);
  }
  const double n = k->Ea;
  r.Ea = (n == 0) ? 0.0 : r.Breadth / n;
  if (!std::isfinite(r.Ea)) {
    // A divisor too small for the base width: no limit to judge E by.
    r.Ea = kNullBox;
    if (st) st = StabStatus::Fail(kStabReasonEaDivisor);
  }
  r.Fm = (r.SgmMo != 0) ? r.SgmMr / r.SgmMo : 0.0;
  r.Fma = k->FsTentou;
  if (!(std::isfinite(r.D) && std::isfinite(r.E) && std::isfinite(r.Fm))) {
    r.D = r.E = r.Fm = kNullBox;
    if (st) st = StabStatus::Fail(kStabReasonNotFinite);
  }
  return st;
}

}  // namespace norva

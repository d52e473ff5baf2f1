#include "calc/member/member_common.h"

#include <cmath>
#include <memory>

#include "calc/stability/stability_checks.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"

namespace norva {

int16_t RunState(const CDocument& doc, int32_t caseNo) {
  const std::shared_ptr<CKajyuCase> c = doc.pCase(caseNo);
  if (!c || doc.bQuake == 0) return 0;
  return c->Doat == 1 ? 1 : 0;
}

StabStatus ReactionAt(const CDocument& doc, const CAntRes& r, double x, double& q) {
  q = GetJibanHanryokuX(doc, r, x);
  // The marker of a resultant outside the base and a blank result are not
  // pressures to design with.
  if (IsNullValue(q) || !std::isfinite(q) || q >= kReactionOutside) {
    q = 0;
    return StabStatus::Fail(kMemReasonReaction);
  }
  return StabStatus::Ok();
}

}  // namespace norva

#include "calc/member/wall_stress.h"

#include <cmath>
#include <memory>

#include "calc/member/member_common.h"
#include "calc/member/wall_force.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "document/outline.h"

namespace norva {

StabStatus CalcWallStress(CDocument& doc, int32_t caseNo, int16_t part) {
  const std::shared_ptr<CKajyuCase> cs = doc.pCase(caseNo);
  if (!cs || part < 0 || part > 1) return StabStatus::Fail(kMemReasonNoCase);
  KutaiPoints p{};
  DPoint ref1, ref2;
  MakeKutaiOutline(doc, p, ref1, ref2, 0);
  const int32_t wt = doc.WallType();
  StabStatus first;
  for (int i = 0; i < doc.nWallSecCnt(part); ++i) {
    std::shared_ptr<CWallRes> rec = doc.pWallRes(part, caseNo, i);
    if (!rec) {
      rec = std::make_shared<CWallRes>();
      doc.SetpWallRes(part, caseNo, i, rec);
      rec = doc.pWallRes(part, caseNo, i);
      if (!rec) return StabStatus::Fail(kMemReasonNoCase);
    }
    CWallRes& r = *rec;
    const double y = WallCheckHeight(doc, p, part, i);
    const WallForceResult forces =
        CalcWallForce(doc, caseNo, p, ref1, ref2, part, y, {WallForceUse::kStem, false}, &r);
    const StabStatus& st = forces.status;
    const double sV = forces.sums.V, sH = forces.sums.H, sVX = forces.sums.VX, sHY = forces.sums.HY;

    // Widths.
    double B0 = 0, B1 = 0;
    if (wt == 0 && doc.Sisin == 3) {
      const double c = std::cos(std::atan(doc.BlkN));
      B0 = (doc.BlkT - doc.BlkT2) / c;
      B1 = (doc.BlkT - 2 * doc.BlkT2) / c;
    } else {
      DPoint f1 = p[2], f2 = p[5], b1 = p[3], b2 = p[9];
      if (wt == 1 || wt == 2) {
        b2 = p[6];
      } else if (wt == 3 && part == 0) {
        b1 = p[10];  // the upper wall's back face, not the lower wall's corner
      } else if (wt == 3 && part != 0) {
        f1 = p[0];
        f2 = p[1];
        b1 = p[3];
        b2 = p[4];
      }
      B0 = InterpolateX(b1, b2, y) - InterpolateX(f1, f2, y);
      B1 = B0;
    }
    r.SetHeight(0, B0);
    r.SetHeight(1, B1);

    const double AP = cs->AllowPremium;
    r.Sgmca = AP * doc.Sgmca;
    r.Sgmta = AP * doc.Sgmta;
    r.Taua = AP * doc.Taua;

    if (!st) {
      r.ForceN = r.ForceS = r.ForceM = kNullBox;
      r.SetSgmc(0, kNullBox);
      r.SetSgmc(1, kNullBox);
      r.Tauc = kNullBox;
      if (first) first = st;
      continue;
    }
    r.ForceN = sV;
    r.ForceS = sH;
    r.ForceM = sHY - sVX;
    const double N = r.ForceN, M = r.ForceM;
    double s0 = 0, s1 = 0, tau = 0;
    if (B0 != 0) {
      s0 = 6 * M / (B0 * B0) + N / B0;
      s1 = N / B0 - 6 * M / (B0 * B0);
    }
    if (B1 != 0) tau = r.ForceS / B1;
    r.SetSgmc(0, s0 / 1000);
    r.SetSgmc(1, s1 / 1000);
    r.Tauc = tau / 1000;
  }
  return first;
}

}  // namespace norva

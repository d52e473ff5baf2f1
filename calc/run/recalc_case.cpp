// One-case recalculation.
#include "calc/run/recalc_case.h"

#include <cmath>
#include <exception>
#include <memory>

#include "calc/earth_pressure/doatsu.h"
#include "calc/run/calc_antei.h"
#include "calc/run/line_of_thrust.h"
#include "calc/stability/bearing.h"
#include "calc/stability/force_sum.h"
#include "calc/stability/stability_checks.h"
#include "document/ant_res.h"
#include "document/def_premium.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/outline.h"

namespace norva {

namespace {

void Note(CaseFailure& f, const std::string& reason) {
  for (const std::string& r : f.reasons) {
    if (r == reason) return;
  }
  f.reasons.push_back(reason);
}

template <class Status>
bool Take(CaseFailure& f, const Status& st) {
  if (!st) Note(f, st.reason.empty() ? std::string(kStabReasonNotFinite) : st.reason);
  return static_cast<bool>(st);
}

}  // namespace

bool ReCalcCase(CDocument& doc, int32_t i) {
  const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
  if (i < 0 || i >= doc.nCase() || !k) return false;
  k->QuPremium = GetDefQuPremium(doc, *k);
  KutaiPoints p{};
  DPoint c1, c2;
  MakeKutaiOutline(doc, p, c1, c2, 0);
  const int16_t s = CaseState(doc, i);
  const double hb = (doc.nWater != 0 && k->nWater != 0) ? doc.WatBH(s) : 0.0;

  CaseFailure f;
  f.caseIndex = i;
  bool bearingOk = true;
  try {
    if (doc.WallType() != 3) {
      CAntRes& r = *doc.AntRes(0, i);
      if (!Take(f, CalcDoatsuCase(doc, i, p, s, hb, r)) ||
          !Take(f, CalcForceSum(doc, i, s, p, c1, c2, r))) {
        MarkNotComputable(r);
      } else {
        Take(f, CalcTentou(doc, i, r));
        if (doc.nTentou == 3) Take(f, CalcSiryokusen(doc, i, r));
        Take(f, CalcJibanHanryoku(doc, r, s));
        bearingOk = CalcSiji(doc, i, r, 0);
        Take(f, CalcSlide(doc, i, s, r));
      }
    } else {
      CAntRes& r0 = *doc.AntRes(0, i);
      CAntRes& r1 = *doc.AntRes(1, i);
      double alphaU = 0, PaU = 0;
      bool upper = Take(f, CalcDoatsuCaseMxw(doc, i, p, s, hb, 0, alphaU, PaU, r0)) &&
                   Take(f, CalcForceSum(doc, i, s, p, c1, c2, r0));
      if (upper) {
        Take(f, CalcSiryokusen(doc, i, r0));
      } else {
        MarkNotComputable(r0);
      }
      if (!upper || !Take(f, CalcDoatsuCaseMxw(doc, i, p, s, hb, 1, alphaU, PaU, r1)) ||
          !Take(f, CalcForceSumLower(doc, i, s, p, r0, r1))) {
        MarkNotComputable(r1);
      } else {
        Take(f, CalcTentou(doc, i, r1));
        Take(f, CalcJibanHanryoku(doc, r1, s));
        Take(f, CalcSlide(doc, i, s, r1));
        bearingOk = CalcSiji(doc, i, r1, 0);
      }
    }
  } catch (const std::exception& e) {
    Note(f, e.what());
    MarkNotComputable(*doc.AntRes(0, i));
    if (doc.WallType() == 3) MarkNotComputable(*doc.AntRes(1, i));
  }
  if (ClearNonFiniteCase(doc, i)) Note(f, kStabReasonNotFinite);
  if (!f.reasons.empty()) ReportCaseFailure(doc, f);
  return f.reasons.empty() && bearingOk;
}

double RoundUp(double x, int16_t digits) {
  const double m = std::pow(10.0, digits);
  const double v = m * x;
  // 1.1 * 1000 is 1100.0000000000002 in binary: a value that already has no
  // more decimals than asked must not grow by one unit.
  if (std::fabs(v - std::nearbyint(v)) <= 1e-9 * std::fmax(1.0, std::fabs(v))) return x;
  const double f = v - std::trunc(v);
  if (f > 0) return (std::floor(v) + 1) / m;
  if (f < 0) return (std::trunc(v) - 1) / m;
  return x;
}

}  // namespace norva

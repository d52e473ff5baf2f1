#include "screens/results/antei_res_rules.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "calc/stability/printed_relation.h"
#include "calc/stability/verdicts.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/report_format.h"

namespace norva {

AnteiResState AnteiResFormState(const CDocument& doc) {
  AnteiResState s;
  const int32_t wallType = doc.WallType();
  const bool cut = doc.BackType != 0;
  s.mixed = wallType == 3;
  s.optAntei = s.mixed ? 0 : 1;
  s.optAnteiEnabled = s.mixed;
  s.wallPage = s.mixed ? 0 : 1;
  s.upperPageAvailable = s.mixed;
  s.cmdWlvlEnabled = doc.nTentou != 3 && doc.nWlvlAuto != 0;

  if (s.mixed) {
    s.upperDoatsuTab = doc.Doatsu != 0;
    s.upperFirstTab = s.upperDoatsuTab ? 0 : 1;
    s.upperDoatsuPage = cut ? 1 : 0;
  }

  // The lower wall of a mixed wall always has its earth-pressure page.
  s.tabs[kTabDoatsu] = doc.Doatsu != 0 || s.mixed;
  const bool thrust = wallType == 0 && doc.nTentou == 3;
  s.tabs[kTabSiryoku] = thrust;
  s.tabs[kTabTentou] = !thrust;
  s.tabs[kTabKatsudou] = doc.ChkSlide == 1;
  s.tabs[kTabSiji] = true;
  if (s.tabs[kTabDoatsu]) s.doatsuPage = !cut ? 0 : (doc.Sisin == 3 ? 2 : 1);
  s.katsudouPage = UsesKeySlidePage(doc) ? 1 : 0;
  s.sijiPage = doc.Sisin == 3 ? 1 : 0;
  for (int t = 0; t < 5; ++t) {
    if (s.tabs[t]) {
      s.firstTab = t;
      break;
    }
  }

  switch (doc.nTentou) {
    case 1:
      s.rowEccentricity = false;
      s.rowPosition = false;
      break;
    case 0: {
      s.rowSafety = false;
      const bool leaningRoad = wallType == 2 && doc.Sisin == 2;
      s.rowEccentricity = !leaningRoad;
      s.rowPosition = leaningRoad;
      break;
    }
    default:
      break;
  }
  return s;
}

std::string CaseListItem(int caseIndex, const std::string& caseName) {
  return FormatNum(static_cast<int16_t>(caseIndex + 1), "#0") + "." + caseName;
}

bool UsesKeySlidePage(const CDocument& doc) { return doc.Tokki != 0 && doc.WallType() != 0; }

SummaryLayout SummaryGridLayout(const CDocument& doc, int grid) {
  SummaryLayout l;
  if (grid == 0) {
    l.cols = 8;
    l.groups.push_back({6, " 転倒に対する検討(示力線)", 3});
    return l;
  }
  const bool wide = doc.Sisin == 2 || doc.Sisin == 3;
  l.cols = wide ? 17 : 14;
  switch (doc.nTentou) {
    case 3:
      l.groups.push_back({6, " 転倒に対する検討(示力線)", 3});
      break;
    case 1:
    case 2:
      l.groups.push_back({6, " 転倒に対する検討(安全率)", 2});
      break;
    default:
      if (doc.WallType() == 2 && doc.Sisin == 2)
        l.groups.push_back({6, " 　　　転倒に対する検討", 3});
      else
        l.groups.push_back({6, " 転倒に対する検討(偏心量)", 3});
      break;
  }
  l.groups.push_back({9, "       滑動に対する検討", 2});
  l.groups.push_back({12, "    地盤支持に対する検討", 2});
  if (wide) l.groups.push_back({15, "     支持力に対する検討", 2});
  if (doc.ChkSlide != 1) l.hiddenCols.insert(l.hiddenCols.end(), {9, 10, 11});
  if (doc.Sisin == 2) l.hiddenCols.insert(l.hiddenCols.end(), {15, 16, 17});
  return l;
}

std::string ResultCellText(double v, int decimals) {
  if (!IsComputedResult(v)) return kNotComputedCell;
  return FormatPattern(
      v, decimals > 0 ? "0." + std::string(static_cast<size_t>(decimals), '0') : std::string("0"));
}

namespace {

SummaryCell Plain(std::string text) { return {std::move(text), false, kResultBlack}; }
SummaryCell Judged(std::string text, bool ok) {
  return {std::move(text), true, ok ? kResultBlue : kResultRed};
}

// Value, mark and allowable of a check: the colour is the verdict, the mark
// the relation of the two cells as shown (a value beyond 1e8 shows "-----"
// and still exceeds the allowable).
SummaryGroupCells Verdict(double value, double limit, int decimals, bool ok) {
  return {Judged(ResultCellText(value, decimals), ok),
          Plain(RelationMark(ComparePrinted(value, limit, decimals), kAsciiMarks)),
          Plain(ResultCellText(limit, decimals))};
}

// A safety factor: blue when it reaches its allowable.
SummaryGroupCells Factor(double value, double limit, int decimals) {
  return Verdict(value, limit, decimals, PassesLowerBound(value, limit));
}

SummaryGroupCells Thrust(const CAntRes& r) { return Verdict(r.Xh, r.Xd, 3, ThrustOk(r.Xh, r.Xd)); }

SummaryGroupCells Overturning(const CDocument& doc, const CAntRes& r) {
  switch (doc.nTentou) {
    case 3:
      return Thrust(r);
    case 1:
    case 2:
      return Factor(r.Fm, r.Fma, 2);
    case 0:
      break;
    default:
      return {};
  }
  if (doc.WallType() == 2 && doc.Sisin == 2) {
    const double L = ResultantDistanceLimit(r.Breadth, r.Ea);
    return Verdict(r.D, L, 3, ResultantDistanceOk(r.D, r.Breadth, r.Ea));
  }
  const double absE = IsComputedResult(r.E) ? std::fabs(r.E) : r.E;
  return Verdict(absE, r.Ea, 3, EccentricityOk(r.E, r.Ea, doc.WallType()));
}

SummaryGroupCells Sliding(const CAntRes& r) {
  switch (JudgeSlide(r.Fs, r.Fsa)) {
    case SlideVerdict::kNoForce:
      // No horizontal force to resist: nothing to compare.
      return {Judged("", true), Plain("------"), Plain("")};
    case SlideVerdict::kNotComputed:
      return {Judged(kNotComputedCell, false), Plain(""), Plain(ResultCellText(r.Fsa, 2))};
    default:
      return Factor(r.Fs, r.Fsa, 2);
  }
}

void Bearing(const CDocument& doc, const CAntRes& r, const CKajyuCase* kase,
             std::vector<SummaryGroupCells>& groups, bool wide) {
  const std::string qText = ResultCellText(GoverningReaction(r.Qmax, r.Qmin), 2);
  if (doc.Sisin == 3) {
    // Judged by the bearing factor in the next group.
    groups.push_back({SummaryCell{qText, true, kResultBlack}, Plain(""), Plain("")});
    groups.push_back(Factor(r.fB, r.Fba, 2));
    return;
  }
  const double qa = AllowableReaction(doc, kase, r.Qa);
  const bool ok = ReactionOk(r.Qmax, r.Qmin, qa);
  // The governing reaction against qa; a reaction outside the base (1e10)
  // reads "----- >".
  const PrintedRelation relation = IsMissingResult(r.Qmin) || IsMissingResult(r.Qmax)
                                       ? PrintedRelation::kNone
                                       : ComparePrinted(std::max(r.Qmax, r.Qmin), qa, 2);
  groups.push_back({Judged(qText, ok), Plain(RelationMark(relation, kAsciiMarks)),
                    Plain(ResultCellText(qa, 2))});
  if (wide) groups.push_back({});
}

}  // namespace

SummaryRow SummaryRowCells(const CDocument& doc, int grid, int caseIndex) {
  SummaryRow row;
  const std::shared_ptr<CKajyuCase> kase = doc.pCase(caseIndex);
  if (kase) row.name = kase->CaseName;
  const bool mixed = doc.WallType() == 3;
  const int part = (grid == 1 && mixed) ? 1 : 0;
  const std::shared_ptr<CAntRes> r = doc.AntRes(part, caseIndex);
  if (!r) return row;
  row.sums = {ResultCellText(r->SgmV, 2), ResultCellText(r->SgmH, 2), ResultCellText(r->SgmMr, 2),
              ResultCellText(r->SgmMo, 2)};
  if (grid == 0) {
    row.groups.push_back(Thrust(*r));
    return row;
  }
  row.groups.push_back(Overturning(doc, *r));
  row.groups.push_back(doc.ChkSlide == 1 ? Sliding(*r) : SummaryGroupCells{});
  Bearing(doc, *r, kase.get(), row.groups, doc.Sisin == 2 || doc.Sisin == 3);
  return row;
}

}  // namespace norva

#include "report/stability/prn_antei_list.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "calc/stability/printed_relation.h"
#include "calc/stability/verdicts.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/report_format.h"
#include "report/driver/prn_file.h"
#include "text/cp932.h"

namespace norva {

namespace {

// Mark and judgement of one check column; not computed: no mark, "-----".
struct Judged {
  std::string mark;
  std::string verdict;
};
const Judged kNotJudged{" ", kReportNullText};

// The mark is the relation of the two numbers as printed (three decimals, or
// two for the reactions); the verdict is the check's rule.
Judged Judge(bool ok, PrintedRelation relation, const char* okText = "OK") {
  return {RelationMark(relation, kEntityMarks, " "), ok ? okText : "OUT"};
}

std::string CaseName(const CDocument& doc, int32_t k) {
  const std::shared_ptr<CKajyuCase> c = doc.pCase(k);
  return c ? c->CaseName : std::string();
}

std::string ConditionText(const CDocument& doc, int32_t k) {
  const std::shared_ptr<CKajyuCase> c = doc.pCase(k);
  return doc.bQuake != 0 && c && c->nQuake != 0 ? "地震時" : "常時";
}

std::string WaterText(const CDocument& doc, int32_t k) {
  const std::shared_ptr<CKajyuCase> c = doc.pCase(k);
  return doc.nWater != 0 && c && c->nWater != 0 ? "考慮" : "無視";
}

// The name in one merged cell when it fits `first` bytes, else in two rows:
// the first `first` bytes and the next at most 30.
void NameCells(PrnFile& f, const std::string& name, int first, int f0, int l0, int top) {
  const std::string head = LeftAnsiB(name, static_cast<int16_t>(first));
  if (head == name) {
    f.Line("<TD SROW=##, SCOL=1, EROW=##, ECOL=1, HALIGN=LEFT, VALIGN=MIDDLE> @</TD>",
           {f0, l0, name});
    return;
  }
  const int16_t next = static_cast<int16_t>(Cp932ByteCount(head) + 1);
  const std::string tail = LeftAnsiB(MidAnsiB(name, next, 0), 30);
  f.Line("<TD SROW=##, SCOL=1, HALIGN=LEFT, VALIGN=MIDDLE> @</TD>", {top, head});
  f.Line("<TD SROW=##, SCOL=1, HALIGN=LEFT, VALIGN=MIDDLE> @</TD>", {top + 1, tail});
}

void Verdict(PrnFile& f, int row, int col, const std::string& verdict) {
  f.Line("<TD SROW=##, SCOL=##>→ @</TD>", {row, col, verdict});
}

void OverturningColumn(PrnFile& f, const CDocument& doc, const CAntRes& r, int row, int last,
                       int col) {
  Judged j = kNotJudged;
  if (doc.nTentou == 1) {
    if (IsComputedResult(r.Fm) && IsComputedResult(r.Fma)) {
      j = Judge(PassesLowerBound(r.Fm, r.Fma), ComparePrinted(r.Fm, r.Fma, 3), "OK ");
    }
    // "Fm" as on the overturning pages; "Fb" is the bearing column's.
    f.Line("<TD SROW=##, SCOL=##>Fm=#.###</TD>", {row, col, r.Fm});
    f.Line("<TD SROW=##, SCOL=##> @ #.###</TD>", {row + 1, col, j.mark, r.Fma});
  } else if (doc.nTentou == 3) {
    if (IsComputedResult(r.Xh) && IsComputedResult(r.Xd)) {
      j = Judge(ThrustOk(r.Xh, r.Xd), ComparePrinted(r.Xh, r.Xd, 3));
    }
    f.Line("<TD SROW=##, SCOL=##>  Xh=##.###</TD>", {row, col, r.Xh});
    f.Line("<TD SROW=##, SCOL=##>@ X'=##.###</TD>", {row + 1, col, j.mark, r.Xd});
  } else if (doc.WallType() == 2 && doc.Sisin == 2) {
    const double L = ResultantDistanceLimit(r.Breadth, r.Ea);
    if (IsComputedResult(r.D) && IsComputedResult(L)) {
      j = Judge(ResultantDistanceOk(r.D, r.Breadth, r.Ea), ComparePrinted(r.D, L, 3), "OK ");
    }
    f.Line("<TD SROW=##, SCOL=##>d=##.###</TD>", {row, col, r.D});
    f.Line("<TD SROW=##, SCOL=##> @  ##.###</TD>", {row + 1, col, j.mark, L});
  } else {
    // nTentou 0, and 2 or any other code: the eccentricity.
    // A heel-side resultant of a block wall passes, yet |e| still reads ">".
    const double absE = IsComputedResult(r.E) ? std::fabs(r.E) : kNullBox;
    if (EccentricityPosition(r.E, r.Ea) != EccentricitySide::kNotComputed) {
      j = Judge(EccentricityOk(r.E, r.Ea, doc.WallType()), ComparePrinted(absE, r.Ea, 3), "OK ");
    }
    f.Line("<TD SROW=##, SCOL=##>e=##.###</TD>", {row, col, absE});
    f.Line("<TD SROW=##, SCOL=##> @  ##.###</TD>", {row + 1, col, j.mark, r.Ea});
  }
  Verdict(f, last, col, j.verdict);
}

void SlidingColumn(PrnFile& f, const CAntRes& r, int row, int last, int col) {
  const SlideVerdict v = JudgeSlide(r.Fs, r.Fsa);
  // No horizontal force to resist: no check. A sum that was not computed is
  // not a sum of 0.
  if (v == SlideVerdict::kNoForce || (IsComputedResult(r.SgmH) && r.SgmH <= 0)) {
    f.Line("<TD SROW=##, SCOL=##>滑動力≦0</TD>", {row + 1, col});
    f.Line("<TD SROW=##, SCOL=##>→ 検討省略</TD>", {row + 2, col});
    return;
  }
  Judged j = kNotJudged;
  if (v == SlideVerdict::kOk || v == SlideVerdict::kOut) {
    j = Judge(v == SlideVerdict::kOk, ComparePrinted(r.Fs, r.Fsa, 3));
  }
  f.Line("<TD SROW=##, SCOL=##>Fs=##.###</TD>", {row, col, r.Fs});
  f.Line("<TD SROW=##, SCOL=##> @ ##.###</TD>", {row + 1, col, j.mark, r.Fsa});
  Verdict(f, last, col, j.verdict);
}

void ReactionColumn(PrnFile& f, const CDocument& doc, int32_t k, const CAntRes& r, int row,
                    int last, int col) {
  // A resultant outside the base stores the reaction 1e10 and fails; a
  // reaction that was not computed is not judged. Both print the dashes.
  const bool missing = IsMissingResult(r.Qmax) || IsMissingResult(r.Qmin);
  const double qmax = GoverningReaction(r.Qmax, r.Qmin);
  const bool dashes = !IsComputedResult(qmax);
  const double qmin = std::min(r.Qmax, r.Qmin);
  if (dashes) {
    f.Line("<TD SROW=##, SCOL=##>qmax=  -----</TD>", {row, col});
  } else {
    f.Line("<TD SROW=##, SCOL=##>qmax=####.##</TD>", {row, col, qmax});
  }
  // A block wall under farm roads or canals shows the larger reaction only.
  const bool qmaxOnly = doc.WallType() == 0 && (doc.Sisin == 0 || doc.Sisin == 5);
  if (!qmaxOnly) {
    if (dashes) {
      f.Line("<TD SROW=##, SCOL=##>qmin=  -----</TD>", {row + 1, col});
    } else {
      f.Line("<TD SROW=##, SCOL=##>qmin=####.##</TD>", {row + 1, col, qmin});
    }
  }
  // Under the large-block guideline the check is the bearing column.
  if (doc.Sisin == 3) return;
  const std::shared_ptr<CKajyuCase> c = doc.pCase(k);
  const double qa = AllowableReaction(doc, c.get(), r.Qa);
  Judged j = kNotJudged;
  if (!missing && IsComputedResult(qa)) {
    // 1e10 (outside the base) prints as dashes and still exceeds qa.
    j = Judge(ReactionOk(r.Qmax, r.Qmin, qa), ComparePrinted(std::max(r.Qmax, r.Qmin), qa, 2));
  }
  f.Line("<TD SROW=##, SCOL=##>@ qa=####.##</TD>", {row + 2, col, j.mark, qa});
  Verdict(f, last, col, j.verdict);
}

void BearingColumn(PrnFile& f, const CAntRes& r, int row, int last, int col) {
  Judged j = kNotJudged;
  if (IsComputedResult(r.fB) && IsComputedResult(r.Fba)) {
    j = Judge(BearingFactorOk(r.fB, r.Fba), ComparePrinted(r.fB, r.Fba, 3));
  }
  f.Line("<TD SROW=##, SCOL=##>Fb=##.###</TD>", {row, col, r.fB});
  f.Line("<TD SROW=##, SCOL=##> @ ##.###</TD>", {row + 1, col, j.mark, r.Fba});
  Verdict(f, last, col, j.verdict);
}

void ListHeader(PrnFile& f, const CDocument& doc, int32_t cols) {
  f.Line("<HEADER>");
  for (int i = 0; i < cols; ++i) f.Line("<TL=9, SCOL=##, SROW=0, ECOL=##, EROW=1>", {i, i});
  f.Line("<TD SROW=0, SCOL=0, EROW=1, ECOL=0>No</TD>");
  f.Line("<TD SROW=0, SCOL=1, EROW=1, ECOL=1>荷重ケース名</TD>");
  f.Line("<TD SROW=0, SCOL=2, EROW=1, ECOL=2>条 件</TD>");
  f.Line("<TD SROW=0, SCOL=3, EROW=1, ECOL=3>水 位</TD>");
  int col = 4;
  f.Line("<TD SROW=0, SCOL=##, EROW=1, ECOL=##>転倒の検討</TD>", {col, col});
  ++col;
  if (doc.ChkSlide == 1) {
    f.Line("<TD SROW=0, SCOL=##, EROW=1, ECOL=##>滑動の検討</TD>", {col, col});
    ++col;
  }
  f.Line("<TD SROW=0, SCOL=##, EROW=0, ECOL=##>地盤反力度</TD>", {col, col});
  f.Line("<TD SROW=1, SCOL=##, EROW=1, ECOL=##>の検討</TD>", {col, col});
  ++col;
  if (doc.Sisin == 3) {
    f.Line("<TD SROW=0, SCOL=##, EROW=0, ECOL=##>支持力</TD>", {col, col});
    f.Line("<TD SROW=1, SCOL=##, EROW=1, ECOL=##>の検討</TD>", {col, col});
  }
  f.Line("</HEADER>");
}

}  // namespace

int32_t AnteiListColumns(const CDocument& doc) {
  return 6 + (doc.ChkSlide == 1 ? 1 : 0) + (doc.Sisin == 3 ? 1 : 0);
}

void PrnAnteiList(PrnFile& f, const CDocument& doc) {
  const int part = doc.WallType() == 3 ? 1 : 0;
  const int rows = doc.Sisin == 3 ? 3 : 4;
  const int32_t cols = AnteiListColumns(doc);
  const int perPart = (52 - 2) / rows;
  const int nCase = doc.nCase();

  PrnPageBreak(f);
  for (int first = 0; first < nCase; first += perPart) {
    if (first == 0) {
      f.Line("<BR>");
      f.Line(doc.WallType() == 3 ? "<H3>安定計算結果一覧</H3><BR>"
                                 : "<H2>安定計算結果一覧</H2><BR>");
    }
    const int count = std::min(perPart, nCase - first);
    f.Line("<BR>");
    f.Line("<INDENT NO=0><TABLE ROW=##, COL=##, HALIGN=CENTER>",
           {std::min(52, (nCase - first) * rows + 2), cols});
    f.Line("<COLWIDTH= 3, SCOL=0, ECOL=0>");
    f.Line("<COLWIDTH=22, SCOL=1, ECOL=1>");
    f.Line("<COLWIDTH= 7, SCOL=2, ECOL=3>");
    f.Line("<COLWIDTH=13, SCOL=4, ECOL=##>", {cols - 1});
    ListHeader(f, doc, cols);
    f.Line("<LOOP>");
    for (int k = first; k < first + count; ++k) {
      const int f0 = (k - first) * rows + 2;
      const int l0 = f0 + rows - 1;
      const CAntRes& r = *doc.AntRes(part, k);
      for (int i = 0; i < cols; ++i) {
        f.Line("<TL= 9, SROW=##, SCOL=##, EROW=##, ECOL=##>", {f0, i, l0, i});
      }
      f.Line("<TD SROW=##, SCOL=0, EROW=##, ECOL=0>##</TD>", {f0, l0, k + 1});
      NameCells(f, CaseName(doc, k), 20, f0, l0, f0 + rows / 2 - 1);
      f.Line("<TD SROW=##, SCOL=2, EROW=##, ECOL=2>@</TD>", {f0, l0, ConditionText(doc, k)});
      f.Line("<TD SROW=##, SCOL=3, EROW=##, ECOL=3>@</TD>", {f0, l0, WaterText(doc, k)});
      int col = 4;
      OverturningColumn(f, doc, r, f0, l0, col++);
      if (doc.ChkSlide == 1) SlidingColumn(f, r, f0, l0, col++);
      ReactionColumn(f, doc, k, r, f0, l0, col++);
      if (doc.Sisin == 3) BearingColumn(f, r, f0, l0, col);
    }
    f.Line("</LOOP>");
    f.Line("</TABLE>");
  }
}

void PrnAnteiListUpper(PrnFile& f, const CDocument& doc) {
  const int nCase = doc.nCase();
  f.Line("<PROTECT>");
  f.Line("<BR>");
  f.Line("<H3>安定計算結果一覧</H3><BR>");
  f.Line("<BR>");
  f.Line("<TABLE ROW=##, COL=5, HALIGN=CENTER>", {2 * nCase + 1});
  f.Line("<COLWIDTH= 4, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=31, SCOL=1, ECOL=1>");
  f.Line("<COLWIDTH= 7, SCOL=2, ECOL=3>");
  f.Line("<COLWIDTH=35, SCOL=4, ECOL=4>");
  f.Line("<HEADER>");
  f.Line("<TL=11, SROW=0, SCOL=0, EROW=0, ECOL=4>");
  f.Line("<TD SROW=0, SCOL=0>No</TD>");
  f.Line("<TD SROW=0, SCOL=1>荷重ケース名</TD>");
  f.Line("<TD SROW=0, SCOL=2>条 件</TD>");
  f.Line("<TD SROW=0, SCOL=3>水 位</TD>");
  f.Line("<TD SROW=0, SCOL=4>転倒の検討</TD>");
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  for (int k = 0; k < nCase; ++k) {
    const int f0 = 2 * k + 1;
    const CAntRes& r = *doc.AntRes(0, k);
    for (int c = 0; c <= 4; ++c) {
      f.Line("<TL= 9, SROW=##, SCOL=#, EROW=##, ECOL=#>", {f0, c, f0 + 1, c});
    }
    f.Line("<TD SROW=##, SCOL=0, EROW=##, ECOL=0>##</TD>", {f0, f0 + 1, k + 1});
    NameCells(f, CaseName(doc, k), 30, f0, f0 + 1, f0);
    f.Line("<TD SROW=##, SCOL=2, EROW=##, ECOL=2>@</TD>", {f0, f0 + 1, ConditionText(doc, k)});
    f.Line("<TD SROW=##, SCOL=3, EROW=##, ECOL=3>@</TD>", {f0, f0 + 1, WaterText(doc, k)});
    Judged j = kNotJudged;
    if (IsComputedResult(r.Xh) && IsComputedResult(r.Xd)) {
      j = Judge(ThrustOk(r.Xh, r.Xd), ComparePrinted(r.Xh, r.Xd, 3));
    }
    f.Line("<TD SROW=##, SCOL=4>Xh=##.### (m) @ X'=##.### (m)</TD>", {f0, r.Xh, j.mark, r.Xd});
    f.Line("<TD SROW=##, SCOL=4>→　@</TD>", {f0 + 1, j.verdict});
  }
  f.Line("</LOOP>");
  f.Line("</TABLE>");
  f.Line("</PROTECT>");
}

}  // namespace norva

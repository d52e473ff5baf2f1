#include "report/members/member_lists.h"

#include <cmath>
#include <memory>
#include <string>

#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "document/report_format.h"
#include "report/driver/prn_file.h"

namespace norva {

std::string WallSectionNumeral(int k) {
  static const char* const kNumerals[] = {"Ⅰ", "Ⅱ", "Ⅲ", "Ⅳ", "Ⅴ", "Ⅵ", "Ⅶ", "Ⅷ", "Ⅸ", "Ⅹ"};
  if (k >= 0 && k < 10) return kNumerals[k];
  return std::to_string(k + 1);
}

namespace {

bool Missing(double v) { return IsNullValue(v) || !std::isfinite(v); }

// The column's markup: value, allowable, verdict and dash lines.
struct Column {
  const char* value;
  const char* allowable;
  const char* verdict;
  const char* dash;
};
const Column kColumns[3] = {
    {"<TD SROW=##, SCOL=4, HALIGN=RIGHT>  ", "<TD SROW=##, SCOL=4, HALIGN=RIGHT>@ ",
     "<TD SROW=##, SCOL=4>→ @</TD>", "<TD SROW=##, SCOL=4, EROW=##, ECOL=4>－</TD>"},
    {"<TD SROW=##, SCOL=5, HALIGN=RIGHT>  ", "<TD SROW=##, SCOL=5, HALIGN=RIGHT>@ ",
     "<TD SROW=##, SCOL=5>→ @</TD>", "<TD SROW=##, SCOL=5, EROW=##, ECOL=5>－</TD>"},
    {"<TD SROW=##, SCOL= 6, HALIGN=RIGHT> ", "<TD SROW=##, SCOL= 6, HALIGN=RIGHT>@",
     "<TD SROW=##, SCOL= 6>→ @</TD>", "<TD SROW=##, SCOL= 6, EROW=##, ECOL=6>－</TD>"},
};

// One compared stress in column 4 + c: the stress, the sign with the
// allowable, the verdict. A value or allowable not computed prints "-----"
// with no sign and verdict "-----".
void CheckCell(PrnFile& f, int c, int r, const char* valueMask, double value, bool less, bool ok,
               double allowable) {
  const Column& col = kColumns[c];
  const bool blank = Missing(value) || Missing(allowable);
  f.Line(std::string(col.value) + valueMask + " </TD>", {r, blank ? kNullBox : value});
  f.Line(std::string(col.allowable) + "###.##" + " </TD>",
         {r + 1, blank ? "" : (less ? "&lt;" : "&gt;"), blank ? kNullBox : allowable});
  f.Line(col.verdict, {r + 2, blank ? std::string(kReportNullText) : (ok ? "OK " : "OUT")});
}

void DashCell(PrnFile& f, int c, int r) { f.Line(kColumns[c].dash, {r, r + 2}); }

// A stress that fails only when strictly above its allowable.
void UpperCheck(PrnFile& f, int c, int r, const char* valueMask, double value, double allowable) {
  const bool out = value > allowable;
  CheckCell(f, c, r, valueMask, value, !out, !out, allowable);
}

// The stem's and the toe slab's columns from the two edge stresses.
void EdgeStressCells(PrnFile& f, int r, const char* valueMask, double s0, double s1, double sgmca,
                     double sgmta, double tauc, double taua) {
  if (Missing(s0) || Missing(s1)) {
    CheckCell(f, 0, r, valueMask, kNullBox, true, true, sgmca);
    CheckCell(f, 1, r, valueMask, kNullBox, true, true, -sgmta);
  } else {
    const double c = MaxOf(s0, {s1});
    const double t = MinOf(s0, {s1});
    if (c >= 0) {
      UpperCheck(f, 0, r, valueMask, c, sgmca);
    } else {
      DashCell(f, 0, r);
    }
    if (t > 0) {
      DashCell(f, 1, r);
    } else {
      const double ta = -sgmta;
      CheckCell(f, 1, r, valueMask, t, ta >= t, !(ta > t), ta);
    }
  }
  UpperCheck(f, 2, r, valueMask, tauc, taua);
}

// Opening of a table of every case; `sigma2` is the heading of column 5.
void TableHead(PrnFile& f, const CDocument& doc, const char* sigma2) {
  f.Line("<TABLE ROW=##, COL=7, HALIGN=CENTER>", {3 * doc.nCase() + 2});
  f.Line("<COLWIDTH= 4, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=31, SCOL=1, ECOL=1>");
  f.Line("<COLWIDTH= 7, SCOL=2, ECOL=3>");
  f.Line("<COLWIDTH=13, SCOL=4, ECOL=6>");
  f.Line("<HEADER>");
  for (int c = 0; c <= 6; ++c) f.Line("<TL= 9, SROW=0, SCOL=#, EROW=1, ECOL=#>", {c, c});
  f.Line("<TD SROW=0, SCOL=0, EROW=1, ECOL=0>No</TD>");
  f.Line("<TD SROW=0, SCOL=1, EROW=1, ECOL=1>荷重ケース名</TD>");
  f.Line("<TD SROW=0, SCOL=2, EROW=1, ECOL=2>条 件</TD>");
  f.Line("<TD SROW=0, SCOL=3, EROW=1, ECOL=3>水 位</TD>");
  f.Line("<TD SROW=0, SCOL=4>σc</TD>");
  f.Line(std::string("<TD SROW=0, SCOL=5>") + sigma2 + "</TD>");
  f.Line("<TD SROW=0, SCOL=6>τ</TD>");
  const std::string& V = PrnUnitWords[1];
  f.Line("<TD SROW=1, SCOL=4>(@m<sup>2</sup>)</TD>", {V});
  f.Line("<TD SROW=1, SCOL=5>(@m<sup>2</sup>)</TD>", {V});
  f.Line("<TD SROW=1, SCOL=6>(@m<sup>2</sup>)</TD>", {V});
  f.Line("</HEADER>");
  f.Line("<LOOP>");
}

// Grid, number, name, condition and water level of case j, rows r .. r + 2.
void CaseCells(PrnFile& f, const CDocument& doc, int32_t j, int r) {
  const int e = r + 2;
  for (int c = 0; c <= 6; ++c) f.Line("<TL= 9, SROW=##, SCOL=#, EROW=##, ECOL=#>", {r, c, e, c});
  f.Line("<TD SROW=##, SCOL=0, EROW=##, ECOL=0>##</TD>", {r, e, j + 1});
  const std::shared_ptr<CKajyuCase> k = doc.pCase(j);
  const std::string name = k ? k->CaseName : std::string();
  const std::string head = LeftAnsiB(name, 30);
  if (head.size() < name.size()) {
    // Two rows of at most 30 bytes each; what is left beyond is not shown.
    f.Line("<TD SROW=##, SCOL=1, HALIGN=LEFT, VALIGN=MIDDLE> @</TD>", {r, head});
    const std::string tail = LeftAnsiB(name.substr(head.size()), 30);
    f.Line("<TD SROW=##, SCOL=1, HALIGN=LEFT, VALIGN=MIDDLE> @</TD>", {r + 1, tail});
  } else {
    f.Line("<TD SROW=##, SCOL=1, EROW=##, ECOL=1, HALIGN=LEFT, VALIGN=MIDDLE> @</TD>",
           {r, e, name});
  }
  const bool quake = doc.bQuake != 0 && k && k->nQuake != 0;
  f.Line("<TD SROW=##, SCOL=2, EROW=##, ECOL=2>@</TD>", {r, e, quake ? "地震時" : "常時"});
  const bool water = doc.nWater != 0 && k && k->nWater != 0;
  f.Line("<TD SROW=##, SCOL=3, EROW=##, ECOL=3>@</TD>", {r, e, water ? "考慮" : "無視"});
}

void TableEnd(PrnFile& f) {
  f.Line("</LOOP>");
  f.Line("</TABLE>");
}

}  // namespace

void PrnWallList(PrnFile& f, const CDocument& doc, int16_t part) {
  PrnPageBreak(f);
  const bool mixed = doc.WallType() == 3;
  for (int s = 0; s < doc.nWallSecCnt(part); ++s) {
    f.Line("<PROTECT>");
    if (s == 0) {
      f.Line(mixed ? "<H2>たて壁の応力度一覧</H2><BR>" : "<H1>たて壁の応力度一覧</H1><BR>");
    }
    f.Line("<BR>");
    const std::string n = WallSectionNumeral(s);
    f.Line(
        mixed ? "<H3>@－@断面 (照査位置:#.###)</H3><BR>" : "<H2>@－@断面 (照査位置:#.###)</H2><BR>",
        {n, n, doc.WallSecY(part, s)});
    f.Line("<BR>");
    TableHead(f, doc, "σt");
    for (int32_t j = 0; j < doc.nCase(); ++j) {
      const int r = 3 * j + 2;
      CaseCells(f, doc, j, r);
      const std::shared_ptr<CWallRes> w = doc.pWallRes(part, j, s);
      if (w) {
        EdgeStressCells(f, r, "###.##", w->Sgmc(0), w->Sgmc(1), w->Sgmca, w->Sgmta, w->Tauc,
                        w->Taua);
      } else {
        EdgeStressCells(f, r, "###.##", kNullBox, kNullBox, kNullBox, kNullBox, kNullBox, kNullBox);
      }
    }
    TableEnd(f);
    f.Line("</PROTECT>");
  }
}

void PrnFotList(PrnFile& f, const CDocument& doc) {
  PrnPageBreak(f);
  f.Line("<PROTECT>");
  f.Line("<H1>つま先版の応力度一覧</H1><BR>");
  f.Line("<BR>");
  TableHead(f, doc, "σt");
  for (int32_t j = 0; j < doc.nCase(); ++j) {
    const int r = 3 * j + 2;
    CaseCells(f, doc, j, r);
    const std::shared_ptr<CFotRes> t = doc.pFotRes(j);
    if (t) {
      EdgeStressCells(f, r, "##.###", t->Sgmc(0), t->Sgmc(1), t->Sgmca, t->Sgmta, t->Tauc, t->Taua);
    } else {
      EdgeStressCells(f, r, "##.###", kNullBox, kNullBox, kNullBox, kNullBox, kNullBox, kNullBox);
    }
  }
  TableEnd(f);
  f.Line("</PROTECT>");
}

void PrnTokList(PrnFile& f, const CDocument& doc) {
  PrnPageBreak(f);
  f.Line("<PROTECT>");
  f.Line("<H1>突起の応力度一覧</H1><BR>");
  f.Line("<BR>");
  TableHead(f, doc, "σs");
  for (int32_t j = 0; j < doc.nCase(); ++j) {
    const int r = 3 * j + 2;
    CaseCells(f, doc, j, r);
    const std::shared_ptr<CTokRes> t = doc.pTokRes(j);
    const double none = kNullBox;
    const double v[3] = {t ? t->Sgmc : none, t ? t->Sgms : none, t ? t->Tauc : none};
    const double a[3] = {t ? t->Sgmca : none, t ? t->Sgmsa : none, t ? t->Taua : none};
    const char* masks[3] = {"##.###", "###.##", "##.###"};
    for (int c = 0; c < 3; ++c) {
      // A stress the check did not compute (no steel in use) has no check.
      if (t && v[c] == kNullBox) {
        DashCell(f, c, r);
      } else {
        UpperCheck(f, c, r, masks[c], v[c], a[c]);
      }
    }
  }
  TableEnd(f);
  f.Line("</PROTECT>");
}

}  // namespace norva

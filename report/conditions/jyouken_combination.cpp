// Load-combination tables, then the guideline and reference books that end
// the chapter.
#include <memory>
#include <string>
#include <vector>

#include "document/data_state.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/names.h"
#include "document/report_format.h"
#include "report/conditions/prn_jyouken.h"
#include "report/driver/prn_file.h"
#include "text/vb_text_io.h"

namespace norva {

namespace {

// Marks of a switch: acting, not acting, not considered by the document.
constexpr const char* kActs = "〇";
constexpr const char* kNotConsidered = "－";

// Overturning is checked by eccentricity for nTentou 0 and also for 2 (both
// ways), whose tables show the allowable eccentricity.
bool EccentricityRow(const CDocument& doc) { return doc.nTentou == 0 || doc.nTentou == 2; }
bool SafetyFactorRow(const CDocument& doc) { return doc.nTentou == 1; }

// The allowables a table shows, in row order: label and the text of a case.
struct AllowableRow {
  std::string label;
  std::string (*text)(const CDocument&, const CKajyuCase&);
};

std::string Fixed2(double v) { return ReportNumber(v, "##0.00"); }

std::vector<AllowableRow> AllowableRows(const CDocument& doc, bool allowable) {
  std::vector<AllowableRow> rows;
  if (EccentricityRow(doc)) {
    rows.push_back({"転倒許容偏心量", [](const CDocument&, const CKajyuCase& k) {
                      return "B/" + (UsableEaDivisor(k.Ea) ? VbNumberText(k.Ea, true)
                                                           : std::string(kReportNullText));
                    }});
  }
  if (SafetyFactorRow(doc)) {
    rows.push_back(
        {"転倒安全率", [](const CDocument&, const CKajyuCase& k) { return Fixed2(k.FsTentou); }});
  }
  if (doc.ChkSlide == 1) {
    rows.push_back(
        {"滑動安全率", [](const CDocument&, const CKajyuCase& k) { return Fixed2(k.FsKatsudou); }});
  }
  if (doc.Sisin == 3) {
    rows.push_back({"支持力安全率",
                    [](const CDocument&, const CKajyuCase& k) { return Fixed2(k.QuPremium); }});
  } else {
    rows.push_back({"許容支持力度割増",
                    [](const CDocument&, const CKajyuCase& k) { return Fixed2(k.QaPremium); }});
  }
  if (allowable) {
    rows.push_back({"許容応力度割増",
                    [](const CDocument&, const CKajyuCase& k) { return Fixed2(k.AllowPremium); }});
  }
  return rows;
}

// The mark of a case's switch; row 3 marks a case without an earthquake with
// an ideographic blank, the other rows with an ASCII one.
std::string Mark(int16_t sw, bool row3 = false) {
  if (sw != 0) return kActs;
  return row3 ? "　" : " ";
}

// A load the document does not consider (its switch not 0) shows "－".
std::string LoadMark(int16_t docSwitch, int16_t caseSwitch) {
  return docSwitch != 0 ? kNotConsidered : Mark(caseSwitch);
}

void CaseColumn(PrnFile& f, const CDocument& doc, const CKajyuCase& k, int16_t j, int16_t c,
                const std::vector<AllowableRow>& allowables) {
  const bool crash = doc.nAutoCrash(0) == 0 || doc.nAutoCrash(1) == 0;
  f.Line("<TD SROW= 0, SCOL=##, HALIGN=CENTER>##</TD>", {j, c + 1});
  f.Line("<TD SROW= 1, SCOL=##, HALIGN=LEFT>@</TD>", {j, MidAnsiB(k.CaseName, 1, 20)});
  f.Line("<TD SROW= 2, SCOL=##, HALIGN=LEFT>@</TD>", {j, MidAnsiB(k.CaseName, 21, 20)});
  f.Line("<TD SROW= 3, SCOL=##, HALIGN=CENTER>@</TD>",
         {j, doc.bQuake != 0 ? Mark(k.nQuake, true) : kNotConsidered});
  f.Line("<TD SROW= 4, SCOL=##, HALIGN=CENTER>@</TD>",
         {j, doc.nWater != 0 ? Mark(k.nWater) : kNotConsidered});
  f.Line("<TD SROW= 5, SCOL=##, HALIGN=CENTER>@</TD>", {j, Mark(k.nSoilF)});
  f.Line("<TD SROW= 6, SCOL=##, HALIGN=CENTER>@</TD>",
         {j, LoadMark(doc.nAutoMobile, k.nAutoMobil)});
  f.Line("<TD SROW= 7, SCOL=##, HALIGN=CENTER>@</TD>", {j, LoadMark(doc.nGunsyu, k.nGunsyu)});
  f.Line("<TD SROW= 8, SCOL=##, HALIGN=CENTER>@</TD>", {j, LoadMark(doc.nSnow, k.nSnow)});
  f.Line("<TD SROW= 9, SCOL=##, HALIGN=CENTER>@</TD>", {j, LoadMark(doc.nTakuchi, k.nTakuchi)});
  f.Line("<TD SROW=10, SCOL=##, HALIGN=CENTER>@</TD>",
         {j, crash ? Mark(k.nAutoCrash) : kNotConsidered});
  f.Line("<TD SROW=11, SCOL=##, HALIGN=CENTER>@</TD>", {j, LoadMark(doc.nStone, k.nStoneCrash)});
  f.Line("<TD SROW=12, SCOL=##, HALIGN=CENTER>@</TD>", {j, LoadMark(doc.nWind, k.nWind)});
  const int16_t n = doc.nNiniCount();
  for (int16_t i = 0; i < n; ++i) {
    f.Line("<TD SROW=##, SCOL=##, HALIGN=CENTER>@</TD>",
           {static_cast<int16_t>(13 + i), j, Mark(k.nNini(i))});
  }
  int16_t row = static_cast<int16_t>(12 + n);
  for (const AllowableRow& a : allowables) {
    ++row;
    f.Line("<TD SROW=##, SCOL=##, HALIGN=CENTER>@</TD>", {row, j, a.text(doc, k)});
  }
}

}  // namespace

int32_t CombinationRowCount(const CDocument& doc, bool allowable) {
  const int32_t n = doc.nNiniCount() > 0 ? doc.nNiniCount() : 0;
  return n + 13 + static_cast<int32_t>(AllowableRows(doc, allowable).size());
}

void PrnJyoukenCombination(PrnFile& f, const CDocument& doc, const JyoukenState& st) {
  static const char* const kStandardLoads[] = {
      "地震の影響", "水の影響", "前面土砂",       "自動車荷重",   "群集荷重",
      "雪荷重",     "宅地荷重", "自動車衝突荷重", "落石衝突荷重", "風荷重"};
  const int16_t n = doc.nNiniCount() > 0 ? doc.nNiniCount() : 0;
  const std::vector<AllowableRow> allowables = AllowableRows(doc, st.allowable);
  const int32_t R = CombinationRowCount(doc, st.allowable);
  const int16_t nCase = doc.nCase();

  f.Line("<PROTECT>");
  f.Line("<BR>");
  f.Line("<H2>荷重の組合せ</H2>");
  // Three cases to a table; a document without cases still gets one.
  const int32_t G = (nCase - 1) / 3;
  int16_t c = 0;
  for (int32_t g = 0; g <= G; ++g) {
    if (g > 0) f.Line("<PROTECT>");
    f.Line("<BR>");
    f.Line("<TABLE ROW=##, COL=4>", {R});
    f.Line("<COLWIDTH=25, SCOL=0, ECOL=0>");
    f.Line("<COLWIDTH=20, SCOL=1, ECOL=3>");
    f.Line("<HEADER>");
    f.Line("<TL=11, SROW=0, SCOL=0, EROW= 0, ECOL=3>");
    f.Line("<TL= 9, SROW=1, SCOL=0, EROW= 2, ECOL=0>");
    f.Line("<TL= 9, SROW=1, SCOL=1, EROW= 2, ECOL=1>");
    f.Line("<TL= 9, SROW=1, SCOL=2, EROW= 2, ECOL=2>");
    f.Line("<TL= 9, SROW=1, SCOL=3, EROW= 2, ECOL=3>");
    f.Line("<TL=11, SROW=3, SCOL=0, EROW=##, ECOL=3>", {R - 1});
    f.Line("<TD SROW=0, SCOL=0, EROW=0, ECOL=0, HALIGN=LEFT>荷重ケース番号</TD>");
    f.Line("<TD SROW=1, SCOL=0, EROW=2, ECOL=0, HALIGN=LEFT>荷重ケース名</TD>");
    int16_t row = 3;
    for (const char* label : kStandardLoads) {
      f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT>@</TD>", {row++, label});
    }
    for (int16_t k = 0; k < n; ++k) {
      const std::shared_ptr<CNini> p = doc.pNini(k);
      f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT>@</TD>", {row++, p ? p->LoadName : ""});
    }
    for (const AllowableRow& a : allowables) {
      f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT>@</TD>", {row++, a.label});
    }
    for (int16_t j = 1; j <= 3; ++j, ++c) {
      if (c > nCase - 1) continue;
      const std::shared_ptr<CKajyuCase> k = doc.pCase(c);
      if (k) CaseColumn(f, doc, *k, j, c, allowables);
    }
    f.Line("</HEADER>");
    f.Line("</TABLE>");
    f.Line("</PROTECT>");
  }
}

void PrnJyoukenReferences(PrnFile& f, const CDocument& doc) {
  auto guideline = [&f](int32_t sisin) {
    f.Line("@", {SisinName(sisin)});
    f.Line("　　　　　　　　@", {SisinSource(sisin)});
  };
  PrnBlockOpen(f);
  f.Empty();
  f.Line("<H2>準拠指針および参考文献</H2>");
  guideline(doc.Sisin);
  // Farm roads follow the canal guideline as well.
  if (doc.Sisin == 0) guideline(5);
  f.Line("ハルトラ：新・擁壁の設計法と計算例, 理工図書, 1998.12");
  f.Line("ハルトラ：続・擁壁の設計法と計算例, 理工図書, 1998.10");
  PrnBlockClose(f);
}

}  // namespace norva

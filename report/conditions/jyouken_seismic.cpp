// Design horizontal seismic coefficient: the entered values, or the
// derivation with the ground type and the guideline's formula.
#include <string>

#include "calc/stability/load_defaults.h"
#include "document/document.h"
#include "document/report_format.h"
#include "report/conditions/prn_jyouken.h"
#include "report/driver/prn_file.h"

namespace norva {

namespace {

// The value as a two-decimal mask prints it.
std::string TwoDecimals(double v) { return ReportNumber(v, "0.00"); }

double StandardKh(const CDocument& doc) {
  return GetKh(doc.Sisin, doc.cZ, doc.Jiban2, doc.Sisin == 4 ? doc.Youto : doc.Delt3, doc.Kibo);
}

void EnteredValues(PrnFile& f, const CDocument& doc) {
  PrnBlockOpen(f);
  f.Empty();
  f.Line("<H2>設計水平震度</H2>");
  f.Line("設計水平震度　く　　体：##.##", {doc.Kh(0)});
  f.Line("　　　　　　　裏込め土：##.##", {doc.Kh(1)});
  PrnBlockClose(f);
}

void ReopenBlock(PrnFile& f) {
  PrnBlockClose(f);
  PrnBlockOpen(f);
  f.Empty();
}

// Ground type from the table of soil layers and the characteristic period.
void SoilLayerTable(PrnFile& f, const CDocument& doc) {
  const int32_t n = doc.nTokusei();
  f.Line("地盤種別");
  f.Empty();
  f.Line("<INDENT NO=2><TABLE ROW=##, COL=6>", {n + 4});
  f.Line("<COLWIDTH= 6, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH= 8, SCOL=1, ECOL=1>");
  f.Line("<COLWIDTH= 6, SCOL=2, ECOL=2>");
  f.Line("<COLWIDTH= 8, SCOL=3, ECOL=3>");
  f.Line("<COLWIDTH=10, SCOL=4, ECOL=5>");
  f.Line("<HEADER>");
  f.Line("<TL= 9, SROW=0, SCOL=0, EROW=2, ECOL=0>");
  f.Line("<TL= 9, SROW=0, SCOL=1, EROW=2, ECOL=1>");
  f.Line("<TL= 9, SROW=0, SCOL=2, EROW=2, ECOL=2>");
  f.Line("<TL= 9, SROW=0, SCOL=3, EROW=2, ECOL=3>");
  f.Line("<TL= 9, SROW=0, SCOL=4, EROW=2, ECOL=4>");
  f.Line("<TL= 9, SROW=0, SCOL=5, EROW=2, ECOL=5>");
  f.Line("<TD SROW=0, SCOL=0, EROW=2, ECOL=0, HALIGN=CENTER, VALIGN=MIDDLE>No</TD>");
  f.Line("<TD SROW=0, SCOL=1, HALIGN=CENTER>層　厚</TD>");
  f.Line("<TD SROW=1, SCOL=1, HALIGN=CENTER>H<sub>i</sub></TD>");
  f.Line("<TD SROW=2, SCOL=1, HALIGN=CENTER>(m)</TD>");
  f.Line("<TD SROW=1, SCOL=2, HALIGN=CENTER>N値</TD>");
  f.Line("<TD SROW=1, SCOL=3, HALIGN=CENTER>土　質</TD>");
  f.Line("<TD SROW=0, SCOL=4, HALIGN=CENTER>せん断弾</TD>");
  f.Line("<TD SROW=1, SCOL=4, HALIGN=CENTER>性波速度</TD>");
  f.Line("<TD SROW=2, SCOL=4, HALIGN=CENTER>V<sub>si</sub> (m/s)</TD>");
  f.Line("<TD SROW=1, SCOL=5, HALIGN=CENTER>H<sub>i</sub>/V<sub>si</sub></TD>");
  f.Line("<TD SROW=2, SCOL=5, HALIGN=CENTER>(s)</TD>");
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  f.Line("<TL=11, SROW=3, SCOL=0, EROW=##, ECOL=5>", {n + 3});
  double sumH = 0;
  double sumT = 0;
  for (int32_t i = 0; i < n; ++i) {
    const int32_t r = i + 3;
    // GetVs keeps N at 1 or more, so no layer divides by zero.
    const double vs = GetVs(doc.TokuseiN(i), doc.TokuseiS(i));
    const double t = doc.TokuseiT(i) / vs;
    f.Line("<TD SROW=##, SCOL=0, HALIGN=CENTER>##</TD>", {r, i + 1});
    f.Line("<TD SROW=##, SCOL=1, HALIGN=CENTER>##.###</TD>", {r, doc.TokuseiT(i)});
    f.Line("<TD SROW=##, SCOL=2, HALIGN=CENTER>##</TD>", {r, doc.TokuseiN(i)});
    f.Line("<TD SROW=##, SCOL=3, HALIGN=CENTER>@</TD>",
           {r, doc.TokuseiS(i) == 0 ? "砂質土" : "粘性土"});
    f.Line("<TD SROW=##, SCOL=4, HALIGN=CENTER>####.##</TD>", {r, vs});
    f.Line("<TD SROW=##, SCOL=5, HALIGN=CENTER>##.####</TD>", {r, t});
    sumT += t;
    sumH += doc.TokuseiT(i);
  }
  const int32_t r = n + 3;
  f.Line("<TD SROW=##, SCOL=0, HALIGN=CENTER>合計</TD>", {r});
  f.Line("<TD SROW=##, SCOL=1, HALIGN=CENTER>##.###</TD>", {r, sumH});
  f.Line("<TD SROW=##, SCOL=5, HALIGN=CENTER>##.####</TD>", {r, sumT});
  f.Line("</LOOP></TABLE>");

  const double tg = 4 * sumT;
  f.Line(
      "<INDENT NO=1>　　　　<MATH>T_G_&nbsp;=&nbsp;4<box>&sum;^n^_i=1_</box><box>H_i_<over>V_si_"
      "</box>&nbsp;=&nbsp;4×##.###&nbsp;=&nbsp;##.###</math>",
      {sumT, tg});
  f.Empty();
  // Judged on the unrounded period.
  if (tg < 0.2) {
    f.Line("　　　　T<sub>G</SUB>＜0.2 より Ⅰ種地盤");
  } else if (tg < 0.6) {
    f.Line("　　　　0.2≦T<sub>G</SUB>＜0.6 より Ⅱ種地盤");
  } else {
    f.Line("　　　　0.6≦T<sub>G</SUB> より Ⅲ種地盤");
  }
  ReopenBlock(f);
}

// Ground type from the thicknesses of the alluvial and diluvial layers.
void LayerThickness(PrnFile& f, const CDocument& doc) {
  const double ha = doc.JibanHa;
  const double hd = doc.JibanHd;
  f.Line("地盤種別");
  f.Empty();
  f.Line("　　　　沖積層厚　H<sub>A</SUB> = ##.### (m)", {ha});
  f.Line("　　　　洪積層厚　H<sub>D</SUB> = ##.### (m)", {hd});
  f.Empty();
  if (ha >= 25) {
    f.Line("　　　　H<SUB>A</SUB>≧25(m) より　Ⅲ種地盤");
  } else if (2 * ha + hd > 10) {
    f.Line("　　　　2H<SUB>A</SUB>+H<SUB>D</SUB>＞10(m) より　Ⅱ種地盤");
  } else {
    f.Line("　　　　2H<SUB>A</SUB>+H<SUB>D</SUB>≦10(m) より　Ⅰ種地盤");
  }
  ReopenBlock(f);
}

std::string RegionText(int16_t tiiki) {
  static const char* const kLetter[] = {"A", "B", "C"};
  return std::string(tiiki >= 0 && tiiki <= 2 ? kLetter[tiiki] : "") + "地域";
}

std::string GroundClassText(int16_t jiban2, int16_t kibo) {
  static const char* const kClass[] = {"Ⅰ", "Ⅱ", "Ⅲ"};
  return std::string(jiban2 >= 0 && jiban2 <= 2 ? kClass[jiban2] : "") + "種地盤、" +
         (kibo == 0 ? "中" : "大") + "規模地震";
}

void Formula(PrnFile& f, const CDocument& doc) {
  const double kh0 = GetKh0(doc.Sisin, doc.Jiban2, doc.Kibo);
  const double cz = GetCz(doc.Tiiki);
  switch (doc.Sisin) {
    case 4:
      f.Line("　　K<sub>h</sub> = c<sub>z</sub>･K<sub>H0</sub>");
      f.Line("　　 <sub> </sub> = #.##×#.##  = #.##", {doc.cZ, kh0, doc.Kh(0)});
      f.Empty();
      f.Line("　　ここで､ Kh<sub>  </sub>：設計水平震度");
      f.Line("　　　　　　 c<sub>z </sub>：地域別補正係数　　 c<sub>z </sub>= #.## ", {doc.cZ});
      f.Line("　　　　　　 K<sub>H0</sub>：標準設計水平震度　 K<sub>H0</sub>= #.## ", {kh0});
      break;
    case 5:
      f.Line(
          "　　K<sub>h</sub> = C<sub>z</sub>･C<sub>s</sub>･k<sub>H0</sub> = #.##×#.##×#.## = #.##",
          {cz, doc.Delt3, kh0, doc.Kh(0)});
      f.Empty();
      f.Line("　　ここで､ K<sub>h </sub>：設計水平震度");
      f.Line("　　　　　　C<sub>z </sub>：地域別補正係数　　C<sub>z </sub>= #.## (@)",
             {cz, RegionText(doc.Tiiki)});
      f.Line("　　　　　　C<sub>s </sub>：重要度別補正係数　C<sub>s </sub>= #.## (@)",
             {doc.Delt3, std::to_string(doc.Jiban1 + 1) + "種地盤"});
      f.Line("　　　　　　k<sub>H0</sub>：標準設計水平震度　k<sub>H0</sub>= #.##", {kh0});
      break;
    default:  // 0, 2, 3
      f.Line("　　K<sub>h</sub> = ｃ<sub>z</sub>･k<sub>h0</sub> = #.##×#.## = #.##",
             {cz, kh0, doc.Kh(0)});
      f.Empty();
      f.Line("　　ここで､  K<sub>h </sub>：設計水平震度");
      f.Line("　　　　　　 C<sub>z </sub>：地域別補正係数　　　　C<sub>z </sub> = #.## (@)",
             {cz, RegionText(doc.Tiiki)});
      f.Line("　　　　　　 k<sub>h0</sub>：設計水平震度の標準値　k<sub>h0</sub> = #.## (@)",
             {kh0, GroundClassText(doc.Jiban2, doc.Kibo)});
      break;
  }
}

}  // namespace

bool SeismicDerivationShown(const CDocument& doc) {
  const int32_t s = doc.Sisin;
  if (s != 0 && s != 2 && s != 3 && s != 4 && s != 5) return false;
  if (TwoDecimals(doc.Kh(0)) != TwoDecimals(StandardKh(doc))) return false;
  if (s != 4 && TwoDecimals(doc.cZ) != TwoDecimals(GetCz(doc.Tiiki))) return false;
  // The standard value is raised to 0.10 where the product falls below it;
  // the formula line would then not hold.
  const double kh0 = GetKh0(s, doc.Jiban2, doc.Kibo);
  const double product = s == 4   ? doc.cZ * kh0
                         : s == 5 ? GetCz(doc.Tiiki) * doc.Delt3 * kh0
                                  : GetCz(doc.Tiiki) * kh0;
  return TwoDecimals(product) == TwoDecimals(doc.Kh(0));
}

void PrnJyoukenSeismic(PrnFile& f, const CDocument& doc) {
  if (doc.bQuake == 0) return;
  if (!SeismicDerivationShown(doc)) {
    EnteredValues(f, doc);
    return;
  }
  PrnBlockOpen(f);
  f.Empty();
  f.Line("<H2>設計水平震度</H2>");
  // The judged ground type is reported only; the coefficient uses the
  // document's ground class.
  if (doc.nTokuseiPrn == 0 && doc.nTokusei() > 0) {
    SoilLayerTable(f, doc);
  } else if (doc.nTokuseiPrn == 1 && doc.JibanHa >= 0 && doc.JibanHd >= 0) {
    LayerThickness(f, doc);
  }
  f.Line("設計水平震度（く体）");
  f.Empty();
  Formula(f, doc);
  f.Empty();
  f.Line("設計水平震度（裏込め土）　K<sub>h</sub> = #.##", {doc.Kh(1)});
  PrnBlockClose(f);
}

}  // namespace norva

// The allowable bearing capacity under the canal, residential-land and
// farm-road guidelines: the method texts with their factor tables and the
// derivation for each load case. The results printed are those the bearing
// calculation stored; the divisor shown is the factor it divided by.
#include "report/bearing/siji_blocks.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <span>
#include <string>

#include "calc/stability/bearing_factors.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "report/bearing/prn_jiban_common.h"
#include "report/bearing/prn_siji_common.h"
#include "report/bearing/prn_siji_table.h"
#include "report/driver/prn_file.h"

namespace norva {

namespace {

// The base width of the method texts: the width the calculation used for
// the first case, the entered width when there is none.
double MethodBreadth(const CDocument& doc) {
  const std::shared_ptr<CAntRes> r = doc.nCase() > 0 ? PrnBaseResult(doc, 0) : nullptr;
  if (r && SijiKnown(r->Breadth) && r->Breadth > 0) return r->Breadth;
  return doc.WallB;
}

// ---- Canals ----------------------------------------------------------------

// The numbered canal formula is wider than a page: its third term goes on a
// line of its own, so no figure of it is cut off.
constexpr const char* kCanalBlockTerms =
    "(#.###×#.##×##.##×##.## + #.###×#.##×##.##×#.###×#.###×##.##</math>";
constexpr const char* kCanalBlockLastTerm =
    "　<math>&sp; &sp; &sp; &sp; + #.###×##.##×##.##)</math>";

void CanalFactorTable(PrnFile& f) {
  PrnBlockOpen(f);
  f.Empty();
  f.Line(
      "支持力係数は次表による。なお、φが表に示した値の間にある場合は、線形補間によって求める"
      "ものとする。");
  f.Empty();
  const std::span<const double> phis = GetTablePhis(5);
  const int rows = static_cast<int>(phis.size()) + 1;
  f.Line("<TABLE ROW=##, COL=4, HALIGN=CENTER>", {rows});
  f.Line("<COLWIDTH=10, SCOL=0, ECOL=3>");
  f.Line("<HEADER>");
  f.Line("<TL=11, SROW=0, SCOL=0, EROW=0, ECOL=3>");
  f.Line("<TD SROW=0, SCOL=0>φ</TD>");
  f.Line("<TD SROW=0, SCOL=1>Nc</TD>");
  f.Line("<TD SROW=0, SCOL=2>Nr</TD>");
  f.Line("<TD SROW=0, SCOL=3>Nq</TD>");
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  f.Line("<TL=11, SROW=1, SCOL=0, EROW=##, ECOL=3>", {rows - 1});
  const size_t n = phis.size();
  for (size_t k = 0; k < n; ++k) {
    const std::string text = k + 1 == n ? "°以上</TD>" : "°</TD>";
    f.Line("<TD SROW=##, SCOL=0>#" + text, {static_cast<int>(k + 1), phis[k]});
  }
  double (*const factor[3])(int32_t, double) = {GetNcTable, GetNgTable, GetNqTable};
  for (int col = 1; col <= 3; ++col) {
    for (size_t k = 0; k < n; ++k) {
      f.Line("<TD SROW=##, SCOL=#>#.#</TD>",
             {static_cast<int>(k + 1), col, factor[col - 1](5, phis[k])});
    }
  }
  f.Line("</LOOP>");
  f.Line("</TABLE>");
  PrnBlockClose(f);
}

// ---- Residential land and farm roads ---------------------------------------

void ResidentialLegend(PrnFile& f, const CDocument& doc) {
  const double phi = doc.SijiFai;
  f.Line("<TABLE ROW=14, COL=4>");
  f.Line("<COLWIDTH=16, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=44, SCOL=1, ECOL=1>");
  f.Line("<COLWIDTH=10, SCOL=2, ECOL=3>");
  f.Line("<LOOP>");
  f.Line("<TD SROW= 0, SCOL=0, HALIGN=RIGHT>ここで、<sub>  </sub>q<sub>a</sub></TD>");
  f.Line("<TD SROW= 0, SCOL=1, HALIGN=LEFT>： 許容支持力度　　　 (kN/m<sup>2</sup>)</TD>");
  f.Line("<TD SROW= 1, SCOL=0, HALIGN=RIGHT><sub>   </sub>c</TD>");
  f.Line("<TD SROW= 1, SCOL=1, HALIGN=LEFT>： 基礎底面下にある地盤の粘着力</TD>");
  f.Line("<TD SROW= 1, SCOL=2, HALIGN=RIGHT>####.##</TD>", {doc.SijiC});
  f.Line("<TD SROW= 1, SCOL=3, HALIGN=LEFT> (kN/m<sup>2</sup>)</TD>");
  f.Line("<TD SROW= 2, SCOL=0, HALIGN=RIGHT><sub>  </sub>γ<sub>1</sub></TD>");
  f.Line("<TD SROW= 2, SCOL=1, HALIGN=LEFT>： 基礎底面下にある地盤の単位体積重量</TD>");
  f.Line("<TD SROW= 2, SCOL=2, HALIGN=RIGHT>####.##</TD>", {doc.SijiGam1});
  f.Line("<TD SROW= 2, SCOL=3, HALIGN=LEFT> (kN/m<sup>3</sup>)</TD>");
  f.Line("<TD SROW= 3, SCOL=0, HALIGN=RIGHT><sub>   </sub>B</TD>");
  f.Line("<TD SROW= 3, SCOL=1, HALIGN=LEFT>： 基礎幅</TD>");
  f.Line("<TD SROW= 3, SCOL=2, HALIGN=RIGHT>#.###</TD>", {MethodBreadth(doc)});
  f.Line("<TD SROW= 3, SCOL=3, HALIGN=LEFT> (m)</TD>");
  f.Line("<TD SROW= 4, SCOL=0, HALIGN=RIGHT><sub>  </sub>γ<sub>2</sub></TD>");
  f.Line("<TD SROW= 4, SCOL=1, HALIGN=LEFT>： 基礎底面より上方にある地盤の平均単位体積重量</TD>");
  f.Line("<TD SROW= 4, SCOL=2, HALIGN=RIGHT>#.##</TD>", {doc.SijiGam2});
  f.Line("<TD SROW= 4, SCOL=3, HALIGN=LEFT> (kN/m<sup>3</sup>)</TD>");
  f.Line("<TD SROW= 5, SCOL=0, HALIGN=RIGHT><sub>  </sub>D<sub>f</sub></TD>");
  f.Line("<TD SROW= 5, SCOL=1, HALIGN=LEFT>： 地盤面から基礎底面までの深さ</TD>");
  f.Line("<TD SROW= 5, SCOL=2, HALIGN=RIGHT>#.###</TD>", {doc.Df});
  f.Line("<TD SROW= 5, SCOL=3, HALIGN=LEFT> (m)</TD>");
  f.Line("<TD SROW= 6, SCOL=0, HALIGN=RIGHT><sub>   </sub>α,β</TD>");
  f.Line("<TD SROW= 6, SCOL=1, HALIGN=LEFT>： 形状係数</TD>");
  f.Line("<TD SROW= 7, SCOL=0, HALIGN=RIGHT>N<sub>c</sub>,N<sub>q</sub>,N<sub>γ</sub></TD>");
  f.Line("<TD SROW= 7, SCOL=1, HALIGN=LEFT>： 支持力係数</TD>");
  f.Line(
      "<TD SROW= 8, SCOL=1, HALIGN=LEFT>　 φ=#.#°より、支持力係数 N<sub>c</sub>=#.#, "
      "N<sub>q</sub>=#.#, N<sub>r</sub>=#.#</TD>",
      {phi, GetNcTable(4, phi), GetNqTable(4, phi), GetNgTable(4, phi)});
  f.Line("<TD SROW= 9, SCOL=0, HALIGN=RIGHT><sub>   </sub>φ</TD>");
  f.Line("<TD SROW= 9, SCOL=1, HALIGN=LEFT>： 支持地盤の内部摩擦角 ##.# (度)</TD>", {phi});
  f.Line("<TD SROW=10, SCOL=0, HALIGN=RIGHT>i<sub>c</sub>,i<sub>q</sub>,i<sub>γ</sub></TD>");
  f.Line("<TD SROW=10, SCOL=1, HALIGN=LEFT>： 基礎に作用する荷重の傾斜に応じた補正係数</TD>");
  f.Line(
      "<TD SROW=11, SCOL=1, HALIGN=LEFT>　 i<sub>c</sub>=i<sub>q</sub>=(1-θ/90)<sup>2</sup>, "
      "i<sub>γ</sub>=(1-θ/φ)<sup>2</sup></TD>");
  f.Line("<TD SROW=12, SCOL=0, HALIGN=RIGHT>θ</TD>");
  f.Line("<TD SROW=12, SCOL=1, HALIGN=LEFT>： 基礎に作用する荷重の鉛直方向に対する傾斜角</TD>");
  f.Line("<TD SROW=12, SCOL=3, HALIGN=LEFT> (度)</TD>");
  f.Line("<TD SROW=13, SCOL=1, HALIGN=LEFT>　 tanθ=ΣH/ΣV</TD>");
  f.Line("</LOOP></TABLE>");
}

void ResidentialFactorTable(PrnFile& f) {
  PrnBlockOpen(f);
  f.Empty();
  f.Line(
      "支持力係数は次表による。なお、φが表に示した値の間にある場合は、線形補間によって求める"
      "ものとする。");
  f.Empty();
  f.Line("　　　　　　　　　　　　　　　　表 支持力係数");
  f.Line("<INDENT NO=4><TABLE ROW=6, COL=9>");
  f.Line("<COLWIDTH=8, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=6, SCOL=1, ECOL=3>");
  f.Line("<COLWIDTH=1, SCOL=4, ECOL=4>");
  f.Line("<COLWIDTH=8, SCOL=5, ECOL=5>");
  f.Line("<COLWIDTH=6, SCOL=6, ECOL=8>");
  f.Line("<HEADER>");
  f.Line("<TL=11, SROW=0, SCOL=0, EROW=5, ECOL=3>");
  f.Line("<TL=11, SROW=0, SCOL=5, EROW=5, ECOL=8>");
  for (int base : {0, 5}) {
    f.Line("<TD SROW=0, SCOL=#, HALIGN=CENTER>φ(度)</TD>", {base});
    f.Line("<TD SROW=0, SCOL=#, HALIGN=CENTER>N<sub>c</sub></TD>", {base + 1});
    f.Line("<TD SROW=0, SCOL=#, HALIGN=CENTER>N<sub>γ</sub></TD>", {base + 2});
    f.Line("<TD SROW=0, SCOL=#, HALIGN=CENTER>N<sub>q</sub></TD>", {base + 3});
  }
  // The heading row alone repeats on a new page.
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  const std::span<const double> phis = GetTablePhis(4);
  const int half = static_cast<int>(phis.size()) / 2;
  double (*const factor[3])(int32_t, double) = {GetNcTable, GetNgTable, GetNqTable};
  for (int base : {0, 5}) {
    const int first = base == 0 ? 0 : half;
    for (int row = 1; row <= half; ++row) {
      const size_t k = static_cast<size_t>(first + row - 1);
      if (k + 1 == phis.size()) {
        f.Line("<TD SROW=#, SCOL=#, HALIGN=CENTER>##以上</TD>", {row, base, phis[k]});
      } else {
        f.Line("<TD SROW=#, SCOL=#, HALIGN=CENTER>##</TD>", {row, base, phis[k]});
      }
    }
    for (int col = 1; col <= 3; ++col) {
      for (int row = 1; row <= half; ++row) {
        const size_t k = static_cast<size_t>(first + row - 1);
        f.Line("<TD SROW=#, SCOL=#, HALIGN=CENTER>###.#</TD>",
               {row, base + col, factor[col - 1](4, phis[k])});
      }
    }
  }
  f.Line("</LOOP></TABLE>");
  PrnBlockClose(f);
}

void ResidentialMethod(PrnFile& f, const CDocument& doc) {
  f.Line("　　常　時");
  f.Line(
      "　　<math>q_a_ &sp;=&sp; <box>1<over>3</box>･(i_c_･α･c･N_c_ + i_γ_･β･γ_1_･B･N_γ_ + "
      "i_q_･γ_2_･D_f_･N_q_)</math>");
  f.Empty();
  f.Line("　　地震時・暴風時");
  f.Line(
      "　　<math>q_a_ &sp;=&sp; <box>2<over>3</box>･(i_c_･α･c･N_c_ + i_γ_･β･γ_1_･B･N_γ_ + "
      "i_q_･γ_2_･D_f_･N_q_)</math>");
  f.Empty();
  ResidentialLegend(f, doc);
  PrnBlockClose(f);
  ResidentialFactorTable(f);
}

void FarmRoadMethod(PrnFile& f, const CDocument& doc) {
  const std::string& kN = PrnUnitWords[0];
  f.Line("長期許容支持力度");
  f.Empty();
  f.Line(
      "　<math>q_a_=<box>1<over>3</box>(α･c･N_c_+<box>1<over>2</box>･β･γ_1_･B･N_r_+"
      "γ_2_･D_f_･N_q_)</math>");
  f.Empty();
  f.Line("短期許容支持力度");
  f.Empty();
  f.Line(
      "　<math>q_a_=<box>1<over>2</box>(α･c･N_c_+<box>1<over>2</box>･β･γ_1_･B･N_r_+"
      "γ_2_･D_f_･N_q_)</math>");
  f.Empty();
  f.Line("　ここに、q<sub>a</sub>  ：地盤の許容支持力度 (@/m<sup>2</sup>)", {kN});
  f.Line("　　　　　α<sub> </sub> ：基礎の形状係数 α = 1.0");
  f.Line("　　　　　β<sub> </sub> ：基礎の形状係数 β = 0.5");
  f.Line("　　　　　c<sub> </sub>  ：支持地盤の粘着力　　  ###.## (@/m<sup>2</sup>)",
         {doc.SijiC, kN});
  f.Line("　　　　　B<sub> </sub>  ：底面幅　　　　　　　　##.### (m)", {MethodBreadth(doc)});
  f.Line("　　　　　γ<sub>1</sub> ：支持地盤の単位重量　　 ###.# (@/m<sup>3</sup>)",
         {doc.SijiGam1, kN});
  f.Line("　　　　　γ<sub>2</sub> ：根入れ地盤の単位重量　 ###.# (@/m<sup>3</sup>)",
         {doc.SijiGam2, kN});
  f.Line("　　　　　Df<sub> </sub> ：有効根入れ深さ　　　　##.### (m)", {doc.Df});
  f.Line("　　　　　φ<sub> </sub> ：支持地盤の内部摩擦角  ####.# (度)", {doc.SijiFai});
  f.Line("　　　　　θ<sub> </sub> ：荷重の傾斜 θ = tan<sup>-1</sup>ΣH/ΣV");
  f.Line("　　　　　ΣV,ΣH：基礎底面に働く全鉛直力および水平力 (@)", {kN});
  if (doc.WallType() == 0)
    f.Line("　　　　　　　　　　ただし、ブロック積み擁壁の場合にはθ=0とする。");
  f.Line("　　　　　Nc, Nq, Nr：支持力係数");
  PrnBlockClose(f);
  PrnSijiCoefTable(f);
}

// ---- Per case ----------------------------------------------------------------

void ResidentialCase(PrnFile& f, const CDocument& doc, const CAntRes& r, const CKajyuCase& c) {
  const double phi = doc.SijiFai, L = doc.WallL;
  const double fNum = SijiDiv(3.0, c.QuPremium > 0 ? c.QuPremium : 0.0);
  const double B = r.Breadth, absE = SijiOr(std::fabs(r.E), r.E);
  const double Be = SijiOr(B - 2 * absE, B, absE);
  const double betaRaw = SijiOr(0.5 - 0.2 * SijiDiv(Be, L), SijiDiv(Be, L));
  const double absH = SijiOr(std::fabs(r.SgmH), r.SgmH);
  const double tanTh = SijiDiv(absH, r.SgmV);
  const double theta = SijiOr(std::atan(tanTh) * kSijiRadToDeg, tanTh);
  const double thetaM = SijiOr(std::min(theta, phi), theta, phi);
  const std::string fMask = SijiFactorMask(fNum);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("許容地盤支持力度");
  f.Empty();
  f.Line("　　<math>q_a_ &sp;=&sp; <box>" + fMask +
             "<over>3</box>･(i_c_･α･c･N_c_ + i_γ_･β･γ_1_･B･N_γ_ + i_q_･γ_2_･D_f_･N_q_)</math>",
         {fNum});
  f.Line("　　<math>&sp;&sp;&sp;=&sp; <box>" + fMask + "<over>3</box>×(#.##×#.##×#.#×#.##</math>",
         {fNum, r.Sc, r.Alpha, doc.SijiC, r.Nc});
  f.Line("　　<math>　　　+ #.##×#.##×#.#×#.###×#.## + #.##×#.#×#.###×#.##)</math>",
         {r.Sg, r.Beta, doc.SijiGam1, B, r.Ng, r.Sq, doc.SijiGam2, doc.Df, r.Nq});
  f.Line("　　<math>&sp;&sp;&sp;=&sp; #.# &sp; (kN/m^2^)</math>", {r.Qa});
  PrnBlockClose(f);
  PrnBlockOpen(f);
  f.Empty();
  f.Line("　　ただし、");
  f.Line("　　　　形状係数");
  f.Line("　　　　α = 1.0+0.2･B<sub>e</sub>/L = 1.0+0.2×#.###/#.### = #.##", {Be, L, r.Alpha});
  f.Line("　　　　β = 0.5-0.2･B<sub>e</sub>/L = 0.5-0.2×#.###/#.### = #.## @",
         {Be, L, betaRaw, SijiKnown(betaRaw) && betaRaw < 0 ? "→ β=0 とする" : ""});
  f.Line("　　　　B<sub>e</sub> = B-2e = #.###-2×#.### = #.### (m)", {B, absE, Be});
  f.Empty();
  f.Line("　　　　荷重の傾斜角");
  f.Line("　　　　tanθ = ΣH/ΣV = #.##/#.## = #.## ,　θ = #.# (度)", {absH, r.SgmV, tanTh, theta});
  if (SijiKnown(theta, phi) && theta > phi) {
    f.Line("　　　　　　　　　　　　　　　　　　　＞　φ=#.#　→　θ = #.#とする。", {phi, phi});
  }
  f.Empty();
  f.Line("　　　　荷重の傾斜角に対する補正係数");
  f.Line(
      "　　　　i<sub>c</sub> = i<sub>q</sub> = (1.0-θ/90)<sup>2</sup> = (1.0-#.#/90)<sup>2</sup> = "
      "#.##",
      {thetaM, r.Sc});
  if (phi > 0) {
    f.Line("　　　　i<sub>r</sub> = (1.0-θ/φ)<sup>2</sup> = (1.0-#.#/#.#)<sup>2</sup> = #.##",
           {thetaM, phi, r.Sg});
  } else {
    f.Line("　　　　i<sub>r</sub> = 0.00");
  }
  PrnBlockClose(f);
}

void FarmRoadCase(PrnFile& f, const CDocument& doc, const CAntRes& r, const CKajyuCase& c) {
  const std::string& kN = PrnUnitWords[0];
  const double m = c.QuPremium > 0 ? c.QuPremium : kNullBox;
  const std::string mMask = SijiFactorMask(m);
  PrnBlockOpen(f);
  f.Empty();
  f.Line("許容地盤支持力度");
  f.Empty();
  if (doc.WallType() == 0) {
    f.Line("　　θ=0°, φ=#.#°より、N<sub>c</sub>=#.#, N<sub>q</sub>=#.#, N<sub>γ</sub>=#.#",
           {doc.SijiFai, r.Nc, r.Nq, r.Ng});
  } else {
    const double tanTh = SijiDiv(r.SgmH, r.SgmV);
    const double theta = SijiOr(std::atan(tanTh) * kSijiRadToDeg, tanTh);
    f.Line("　　tanθ=ΣH/ΣV=#.##/#.##=#.## → θ=#.#°", {r.SgmH, r.SgmV, tanTh, theta});
    f.Line("　　φ=#.#°より、N<sub>c</sub>=#.#, N<sub>q</sub>=#.#, N<sub>γ</sub>=#.#",
           {doc.SijiFai, r.Nc, r.Nq, r.Ng});
  }
  f.Empty();
  f.Line("　　<math>q_a_ &sp;=&sp; <box>1<over>" + mMask +
             "</box>･(α･c･N_c_ + <box>1<over>2</box>･β･γ_1_･B･N_γ_ + γ_2_･D_f_･N_q_)</math>",
         {m});
  f.Line("　　<math>&sp; &sp; &sp;=&sp; <box>1<over>" + mMask + "</box>･(1.0×#.#×#.#</math>",
         {m, doc.SijiC, r.Nc});
  f.Line("　　　　　　<math>+ <box>1<over>2</box>×0.5×#.#×#.###×#.# + #.#×#.###×#.#)</math>",
         {doc.SijiGam1, r.Breadth, r.Ng, doc.SijiGam2, doc.Df, r.Nq});
  f.Line("　　<math>&sp;&sp;&sp;=&sp; #.## &sp; (@/m^2^)</math>", {r.Qa, kN});
  PrnBlockClose(f);
}

// The fraction in front of the canal formula: 1/3 for the safety factor 3,
// 2/3 for 1.5, 1/n for any other n.
std::string CanalFraction(double premium) {
  if (premium == 3.0) return "<box>1<over>3</box>";
  if (premium == 1.5) return "<box>2<over>3</box>";
  return "<box>1<over>" + FillTemplate(SijiFactorMask(premium), {premium}).text + "</box>";
}

void CanalCase(PrnFile& f, const CDocument& doc, const CAntRes& r, const CKajyuCase& c) {
  const std::string& kN = PrnUnitWords[0];
  const double phi = doc.SijiFai, mu = doc.Myu;
  const bool special = c.nStoneCrash != 0 || c.nAutoCrash != 0 || c.nQuake != 0;
  const std::string frac = CanalFraction(c.QuPremium);
  const double eta = special ? r.Eta : 1.0;
  f.Empty();
  f.Line("許容支持力度");
  f.Empty();
  f.Line("　<math>q_a_=@(i_c_･α･c･N_c_+i_γ_･β･γ_1_･B･η･N_r_+i_q_･q･N_q_)</math>", {frac});
  f.Line(std::string("　<math>&sp; &sp; =@×") + kCanalBlockTerms,
         {frac, r.Sc, r.Alpha, doc.SijiC, r.Nc, r.Sg, r.Beta, doc.SijiGam1, r.Breadth, eta, r.Ng});
  f.Line(kCanalBlockLastTerm, {r.Sq, r.Q, r.Nq});
  f.Line("　<math>&sp; &sp; =&sp; #.## &sp; (@/m<sup>2</sup>)</math>", {r.Qa, kN});
  f.Empty();
  if (special) {
    f.Line(
        "　　基礎の寸法による補正係数　η=(B/B<sub>0</sub>)<sup>-1/3</sup> = (#.###/1.0)<sup>-1/3"
        "</sup> = #.###",
        {r.Breadth, r.Eta});
  } else {
    f.Line("　　基礎の寸法による補正係数　η=1.0");
  }
  const double absH = SijiOr(std::fabs(r.SgmH), r.SgmH);
  const double tanTh = SijiDiv(absH, r.SgmV);
  const bool limited = doc.ChkSlide == 1 && SijiKnown(tanTh) && tanTh > mu;
  const double thetaD =
      limited ? std::atan(mu) * kSijiRadToDeg : SijiOr(std::atan(tanTh) * kSijiRadToDeg, tanTh);
  f.Line("　　荷重の傾斜角　tanθ = H/V = #.##/#.## = #.###", {absH, r.SgmV, tanTh});
  if (limited) {
    f.Line("　　　　　　　　　　　tanθ＞μ=#.###であるから、tanθ=#.### とする。", {mu, mu});
  }
  f.Line("　　　　　　　　　よって、θ = #.##°", {thetaD});
  f.Line("　　荷重の傾斜・偏心に対する補正係数");
  f.Line(
      "　　　　i<sub>c</sub>=i<sub>q</sub> = (1-θ/90)<sup>2</sup> = (1-#.##/90)<sup>2</sup> = "
      "#.###",
      {thetaD, r.Sc});
  if (SijiKnown(thetaD) && thetaD > phi) {
    f.Line("　　　　θ＞φ であるから i<sub>γ</sub> = 0.0");
  } else if (!(phi > 0)) {
    // φ = 0 and a vertical load: the factor has no formula to show.
    f.Line("　　　　i<sub>γ</sub> = 0.0");
  } else {
    f.Line("　　　　i<sub>γ</sub> = (1-θ/φ)<sup>2</sup> = (1-#.##/#.##)<sup>2</sup> = #.###",
           {thetaD, phi, r.Sg});
  }
}

}  // namespace

void PrnSijiCanal(PrnFile& f, const CDocument& doc) {
  const std::string& kN = PrnUnitWords[0];
  const bool block = doc.WallType() == 0;
  const double phi = doc.SijiFai, c = doc.SijiC, g1 = doc.SijiGam1, g2 = doc.SijiGam2;
  const double B = MethodBreadth(doc), q = doc.Df * g2;
  const double Nc = GetNcTable(5, phi), Nq = GetNqTable(5, phi), Ng = GetNgTable(5, phi);
  const double alpha = 1.0, beta = 0.5;
  const double eta = B > 0 ? std::pow(B, -1.0 / 3.0) : kNullBox;
  const double qaLong = (g1 * beta * B * Ng + c * alpha * Nc + q * Nq) / 3;
  const double qaShort = SijiOr((g1 * beta * B * eta * Ng + c * alpha * Nc + q * Nq) * 2 / 3, eta);

  auto term = [&](const char* frac, double etaValue, double qa) {
    f.Line(std::string("　<math>q_a_=<box>") + frac +
           "<over>3</box>(i_c_･α･c･N_c_+i_γ_･β･γ_1_･B･η･N_r_+i_q_･q･N_q_)</math>");
    if (block) {
      f.Line(std::string("　<math>&sp; &sp; =<box>") + frac + "<over>3</box>×" + kCanalBlockTerms,
             {1.0, alpha, c, Nc, 1.0, beta, g1, B, etaValue, Ng});
      f.Line(kCanalBlockLastTerm, {1.0, q, Nq});
      f.Line("　<math>&sp; &sp; =&sp; #.## &sp; (@/m<sup>2</sup>)</math>", {qa, kN});
    } else {
      f.Line(std::string("　<math>&sp; &sp; =<box>") + frac +
                 "<over>3</box>×(i_c_×#.##×##.##×##.## + i_γ_×#.##×##.##×#.###×#.###×##.## + "
                 "i_q_×##.##×##.##)</math>",
             {alpha, c, Nc, beta, g1, B, etaValue, Ng, q, Nq});
    }
  };
  f.Line("長期許容支持力度");
  f.Empty();
  term("1", 1.0, qaLong);
  PrnBlockClose(f);
  PrnBlockOpen(f);
  f.Empty();
  f.Line("短期許容支持力度");
  f.Empty();
  term("2", eta, qaShort);
  PrnBlockClose(f);
  PrnBlockOpen(f);
  f.Empty();
  f.Line("　ここに、q<sub>a</sub>  ：地盤の許容支持力度 (@/m<sup>2</sup>)", {kN});
  f.Line("　　　　　α<sub> </sub> ：基礎の形状係数 α = 1.0");
  f.Line("　　　　　β<sub> </sub> ：基礎の形状係数 β = 0.5");
  f.Line("　　　　　c<sub> </sub>  ：支持地盤の粘着力 ###.## (@/m<sup>2</sup>)", {c, kN});
  f.Line(
      "　　　　　q<sub> </sub>  ：上載荷重 q = γ<sub>2</sub>･Df = ##.#×#.### = ##.## "
      "(@/m<sup>2</sup>)",
      {g2, doc.Df, q, kN});
  f.Line("　　　　　B<sub> </sub>  ：底面幅　　　　　　　　##.### (m)", {B});
  f.Line("　　　　　γ<sub>1</sub> ：支持地盤の単位重量　　 ###.# (@/m<sup>3</sup>)", {g1, kN});
  f.Line("　　　　　γ<sub>2</sub> ：根入れ地盤の単位重量　 ###.# (@/m<sup>3</sup>)", {g2, kN});
  f.Line("　　　　　Df<sub> </sub> ：有効根入れ深さ　　　　##.### (m)", {doc.Df});
  f.Line("　　　　　φ<sub> </sub> ：支持地盤の内部摩擦角  ####.# (度)", {phi});
  f.Line("　　　　　η<sub> </sub> ：基礎の寸法による補正係数　常時なら、η=1.0");
  f.Line("　　　　　　<sub> </sub> 　η=(B/B<sub>0</sub>)<sup>-1/3</sup>=(B/1.0)<sup>-1/3</sup>");
  f.Line(
      "　　　　　N<sub>c</sub>, N<sub>q</sub>, N<sub>r</sub>：支持力係数　次表より "
      "N<sub>c</sub>=#.## , N<sub>q</sub>=#.## , N<sub>r</sub>=#.##",
      {Nc, Nq, Ng});
  f.Line("　　　　　i<sub>c</sub>, i<sub>q</sub>, i<sub>γ</sub>：荷重の傾斜・偏心に対する補正係数");
  if (block) {
    f.Line(
        "　　　　　　<sub> </sub> 　i<sub>c</sub>=i<sub>q</sub>=(1-θ/90)<sup>2</sup>=(1-0.0/90)"
        "<sup>2</sup>=1.0");
    f.Line(
        "　　　　　　<sub> </sub> 　i<sub>γ</sub>=(1-θ/φ)<sup>2</sup>=(1-0.0/φ)<sup>2</sup>=1.0");
  } else {
    f.Line("　　　　　　<sub> </sub> 　i<sub>c</sub>=i<sub>q</sub>=(1-θ/90)<sup>2</sup>");
    f.Line(
        "　　　　　　<sub> </sub> 　i<sub>γ</sub>=(1-θ/φ)<sup>2</sup>　（ただし、θ＞φならi<sub>γ"
        "</sub>=0）");
  }
  f.Line(
      "　　　　　θ<sub> </sub> ：荷重の傾斜角　tanθ=H/V（ただし、tanθ≦μ(μ:基礎底面の摩擦係数)"
      "）");
  if (block) f.Line("　　　　　　<sub> </sub> 　ただし、ブロック積擁壁ではθ=0とする。");
  PrnBlockClose(f);
  CanalFactorTable(f);
}

void PrnSijiTakuchiNoudou(PrnFile& f, const CDocument& doc) {
  if (doc.Sisin == 4) {
    ResidentialMethod(f, doc);
  } else if (doc.Sisin == 0) {
    FarmRoadMethod(f, doc);
  }
}

void PrnSijiCase(PrnFile& f, const CDocument& doc, int32_t i) {
  const std::shared_ptr<CAntRes> r = PrnBaseResult(doc, i);
  const std::shared_ptr<CKajyuCase> c = doc.pCase(i);
  if (!r || !c) return;
  switch (doc.Sisin) {
    case 4:
      ResidentialCase(f, doc, *r, *c);
      break;
    case 0:
      FarmRoadCase(f, doc, *r, *c);
      break;
    case 5:
      CanalCase(f, doc, *r, *c);
      break;
    default:
      break;
  }
}

}  // namespace norva

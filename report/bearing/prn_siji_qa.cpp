#include "report/bearing/prn_siji_qa.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "calc/stability/verdicts.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "report/bearing/prn_jiban_common.h"
#include "report/bearing/prn_siji_common.h"
#include "report/driver/prn_file.h"

namespace norva {

namespace {

void Opening(PrnFile& f, const CDocument& doc) {
  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, "地盤支持に対する検討");
  PrnHeading(f, doc, 3, "計算方法");
}

// The closed forms of the factors found by the search over the velocity
// field's angle ω (large-block guideline only).
void ClosedForms(PrnFile& f) {
  PrnBlockOpen(f);
  f.Empty();
  f.Line("支持力係数は次式のωを変化させ、q<sub>d</sub>が最小値となる時の値とする。");
  f.Empty();
  f.Line(
      "<math>Nc = <box>cosφ<over>X</box><box>{<left><box>sinω<over>sinε</box>＋<box>1<over>sinφ"
      "</box><box>(<left>е^2λtanφ^－1<right>)</box>＋<box>sinζ<over>sinη</box>е^2λtanφ^<right>}"
      "</box></math>");
  f.Line("<math>Nq = <box>sinΨcosζ<over>Xsinη</box>е^2λtanφ^</math>");
  f.Line(
      "<math>Nr = <box>sinε<over>Xsinρ</box><box>[<left><box>sinφsinζcosζ<over>sinη</box>"
      "е^3λtanφ^－<box>sinωsinρsin(ε－φ)<over>sinε</box></box></math>");
  f.Line(
      "　　　　　　<math><box>－<box>е^3λtanφ^<box>{<left>sin(ω＋λ)＋3tanφcos(ω＋λ)<right>}"
      "</box>－sinω－3tanφcosω<over>9tan^2^φ＋1</box><right>]</box></math>");
  f.Empty();
  f.Line(
      "　<math>X = <box>sinρ<over>sinε</box><box>{<left>sin(ε－φ)＋tanθcos(ε－φ)<right>}"
      "</box></math>");
  f.Line("　<math>ρ = <box>π<over>2</box>－φ,　Ψ = <box>π<over>2</box>＋φ,　ε = π－(ω＋ρ)</math>");
  f.Line(
      "　<math>ζ = η = <box>π<over>4</box>－<box>φ<over>2</box>,　λ = <box>3<over>4</box>π＋"
      "<box>φ<over>2</box>－ω</math>");
  PrnBlockClose(f);
}

void CaseOpening(PrnFile& f, const CDocument& doc, int32_t i) {
  PrnBlockOpen(f);
  f.Empty();
  PrnCaseHeadingFixed(f, doc, i);
  PrnQuakeNote(f, doc, i);
}

void Inclination(PrnFile& f, const char* templ, double h, double v) {
  const double tanTh = SijiDiv(h, v);
  const double theta = SijiOr(std::atan(tanTh), tanTh);
  f.Empty();
  f.Line("支持力係数");
  f.Empty();
  f.Line("　　地盤反力の傾斜角");
  f.Line(templ, {h, v, theta});
}

// The angles of the velocity field of the stored ω, in radians.
void VelocityField(PrnFile& f, const CDocument& doc, const CAntRes& r) {
  const double phiD = doc.SijiFai;
  const double omegaD = r.SijiOmg * kSijiRadToDeg;
  const double lambdaD = 3.0 / 4.0 * 180 + phiD / 2 - omegaD;
  const double rhoD = 90 - phiD, psiD = phiD + 90;
  const double epsD = 180 - (omegaD + rhoD), zetaD = 45 - 0.5 * phiD;
  const double phi = phiD * kSijiDegToRad, omega = omegaD * kSijiDegToRad;
  f.Empty();
  f.Line("　　速度場の角度");
  f.Line("　　　　<math>ω=##.#### (rad)　,　φ=##.#### (rad)</math>", {omega, phi});
  f.Line(
      "　　　　<math>λ=<box>3<over>4</box>π+<box>φ<over>2</box>-ω=<box>3<over>4</box>π+<box>#.####"
      "<over>2</box>-#.####=#.#### (rad)</math>",
      {phi, omega, lambdaD * kSijiDegToRad});
  f.Line("　　　　<math>ρ=<box>π<over>2</box>-φ=<box>π<over>2</box>-#.####=#.#### (rad)</math>",
         {phi, rhoD * kSijiDegToRad});
  f.Line("　　　　<math>Ψ=<box>π<over>2</box>+φ=<box>π<over>2</box>+#.####=#.#### (rad)</math>",
         {phi, psiD * kSijiDegToRad});
  f.Line("　　　　<math>ε=π-(ω+ρ)=π-(#.####+#.####)=#.#### (rad)</math>",
         {omega, rhoD * kSijiDegToRad, epsD * kSijiDegToRad});
  f.Line(
      "　　　　<math>ζ=η=<box>π<over>4</box>-<box>φ<over>2</box>=<box>π<over>4</box>-<box>#.####"
      "<over>2</box>=#.#### (rad)</math>",
      {phi, zetaD * kSijiDegToRad});
}

void Factors(PrnFile& f, const CAntRes& r) {
  f.Empty();
  f.Line("　　以上の条件より、");
  f.Empty();
  f.Line("　　　　支持力係数　Nc = ##.##,　Nq = ##.##,　Nr = ##.##", {r.Nc, r.Nq, r.Ng});
  PrnBlockClose(f);
}

void Ground(PrnFile& f, const CDocument& doc, double e, double B) {
  const std::string& kN = PrnUnitWords[0];
  f.Line("　　偏心量　　　e<sub> </sub>  = ##.### (m)", {e});
  f.Line("　　基礎幅　　　B<sub> </sub>  = ##.### (m)", {B});
  f.Line("　　基礎長　　　L<sub> </sub>  = ##.### (m)", {doc.WallL});
  f.Line("　　根入地盤　　D<sub>f</sub>  = ##.### (m)", {doc.Df});
  f.Line("　　　　　　　　γ<sub>2</sub> = ###.## (@/m<sup>3</sup>)", {doc.SijiGam2, kN});
  f.Line("　　支持地盤　　D<sub>f</sub>' = ###.## (m)", {doc.Dfd});
  f.Line("　　　　　　　　γ<sub>1</sub> = ###.## (@/m<sup>3</sup>)", {doc.SijiGam1, kN});
  f.Line("　　　　　　　　φ<sub> </sub> = ###.## (度)", {doc.SijiFai});
  f.Line("　　　　　　　　ｃ<sub> </sub> = ###.## (@/m<sup>2</sup>)", {doc.SijiC, kN});
  PrnBlockClose(f);
}

// The shape factors, the embedment factor, and the head of the next group.
void ShapeAndEmbedment(PrnFile& f, const CDocument& doc, const CAntRes& r, double Bd) {
  f.Empty();
  f.Line("　　形状係数");
  f.Line(
      "　　　　<math>α=1+0.3<box>B'<over>L</box>=1+0.3×<box>#.###<over>#.###</box>=#.####</math>",
      {Bd, doc.WallL, r.Alpha});
  f.Line(
      "　　　　<math>β=1-0.4<box>B'<over>L</box>=1-0.4×<box>#.###<over>#.###</box>=#.####</math>",
      {Bd, doc.WallL, r.Beta});
  f.Empty();
  f.Line("　　根入れ効果");
  f.Line(
      "　　　　<math>κ=1+0.3<box>D_f_'<over>B'</box>=1+0.3×<box>#.###<over>#.###</box>=#.####"
      "</math>",
      {doc.Dfd, Bd, r.Kappa});
}

void Overburden(PrnFile& f, const CDocument& doc, const CAntRes& r) {
  f.Empty();
  f.Line("　　上載荷重");
  f.Line("　　　　<math>q=γ_2_D_f_=##.##×#.###=###.## (@/m<sup>2</sup>)</math>",
         {doc.SijiGam2, doc.Df, r.Q, PrnUnitWords[0]});
  PrnBlockClose(f);
}

// Mark and verdict of value >= limit, equality passing.
PrnJudged AtLeast(double value, double limit) {
  if (!SijiKnown(value, limit)) return {"　", kReportNullText};
  return PassesLowerBound(value, limit) ? PrnJudged{"≧", "OK"} : PrnJudged{"＜", "OUT"};
}

}  // namespace

void PrnSijiQa(PrnFile& f, const CDocument& doc) {
  const std::string& kN = PrnUnitWords[0];
  Opening(f, doc);
  f.Line("次式のとおり基礎底面に働く全鉛直力が地盤の許容鉛直支持力を上回らないことを照査する。");
  f.Empty();
  if (doc.WallType() == 0) {
    f.Line("　<math><box>1.2ΣV<over>B</box> &sp;≦&sp; q_a_</math>");
  } else {
    f.Line("　<math><box>ΣV<over>B'</box> &sp;≦&sp; q_a_</math>");
  }
  f.Line(
      "　<math>q_a_=<box>1<over>n</box>･(α･κ･c･Nc･Sc＋κ･q･Nq･Sq＋<box>1<over>2</box>･γ_1_･β･B'･"
      "Nr･Sr)</math>");
  f.Empty();
  f.Line("　ここに、ΣV<sub> </sub>　：基礎底面に働く全鉛直力 (@)", {kN});
  f.Line("　　　　　q<sub>a</sub>　  ：地盤の許容鉛直支持力　 (@/m<sup>2</sup>)", {kN});
  f.Line("　　　　　n<sub> </sub>　  ：許容鉛直支持力の安全率");
  f.Line("　　　　　α,β<sub> </sub>：基礎の形状係数");
  f.Line(
      "　　　　　　<sub> </sub>　 　<math>α = 1＋0.3<box>B'<over>L</box>　,　β = 1‐0.4<box>B'"
      "<over>L</box></math>");
  f.Line("　　　　　κ<sub> </sub>　 ：根入れ効果に対する割増し係数");
  f.Line("　　　　　　<sub> </sub>　 　<math>κ = 1＋0.3<box>Df'<over>B'</box></math>");
  f.Line("　　　　　c<sub> </sub>　　：支持地盤の粘着力 (@/m<sup>2</sup>)", {kN});
  f.Line("　　　　　q<sub> </sub>　　：上載荷重　q=γ<sub>2</sub>･Df (@/m<sup>2</sup>)", {kN});
  // The effective width is B - 2|e| for an eccentricity of either sign.
  f.Line("　　　　　B'<sub> </sub>　 ：荷重の偏心を考慮した底面の有効幅　B' = B－2e (m)");
  f.Line("　　　　　B<sub> </sub>　　：底面幅 (m)");
  f.Line("　　　　　L<sub> </sub>　　：擁壁の1ブロックの長さ (m)");
  f.Line("　　　　　γ<sub>1</sub>　 ：支持地盤の単位体積重量 (@/m<sup>3</sup>)", {kN});
  f.Line("　　　　　γ<sub>2</sub>　 ：根入れ地盤の単位体積重量 (@/m<sup>3</sup>)", {kN});
  f.Line("　　　　　Df<sub> </sub>   ：有効根入れ深さ (m)");
  f.Line("　　　　　Df'<sub> </sub>  ：支持地盤への根入れ深さ (m)");
  f.Line("　　　　　Nc, Nq, Nr：支持地盤のせん断抵抗角φおよび荷重の傾斜角θより決まる支持力係数");
  f.Line("　　　　　θ<sub>  </sub>　 ：荷重の傾斜角 θ=tan<sup>-1</sup>ΣH/ΣV");
  f.Line("　　　　　ΣH<sub> </sub>　：基礎底面に働く全水平力 (@)", {kN});
  f.Line("　　　　　Sc, Sq, Sr：支持力係数の寸法効果に対する補正係数");
  f.Line("　　　　　          　Sc = (c<sup>*</sup>)<sup>λ</sup>");
  f.Line("　　　　　          　Sq = (q<sup>*</sup>)<sup>υ</sup>");
  f.Line("　　　　　          　Sr = (B<sup>*</sup>)<sup>μ</sup>");
  f.Line("　　　　　λ, υ, μ：寸法効果の程度を表す係数");
  f.Line("　　　　　　  　  　　λ = υ = μ = -1/3");
  f.Line(
      "　　　　　c<sup>*</sup>　　：c<sup>*</sup> = c / c<sub>0</sub>,    "
      "ただし、1≦c<sup>*</sup>≦10");
  f.Line("　　　　　c<sub>0</sub>　　：10 (kN/m<sup>2</sup>)");
  f.Line(
      "　　　　　q<sup>*</sup>　　：q<sup>*</sup> = q / q<sub>0</sub>,    "
      "ただし、1≦q<sup>*</sup>≦10");
  f.Line("　　　　　q<sub>0</sub>　  ：10 (kN/m<sup>2</sup>)");
  f.Line(
      "　　　　　B<sup>*</sup>　  ：B<sup>*</sup> = B' / B<sub>0</sub>,   ただし、1≦B<sup>*</sup>");
  f.Line("　　　　　B<sub>0</sub>    ：1.0 (m)");
  f.Line("　　　　　Df'<sub> </sub>  ：根入れ地盤への根入れ深さ (m)");
  PrnBlockClose(f);
}

void PrnSijiQaCase(PrnFile& f, const CDocument& doc, int32_t i) {
  const std::shared_ptr<CAntRes> rp = PrnBaseResult(doc, i);
  const std::shared_ptr<CKajyuCase> kc = doc.pCase(i);
  if (!rp || !kc) return;
  const CAntRes& r = *rp;
  const std::string& kN = PrnUnitWords[0];
  const double B = r.Breadth, absE = SijiOr(std::fabs(r.E), r.E);
  const double Bd = SijiOr(B - 2 * absE, B, absE);
  const double cs = SijiOr(std::max(1.0, std::min(10.0, doc.SijiC / 10)), doc.SijiC);
  const double qs = SijiOr(std::max(1.0, std::min(10.0, r.Q / 10)), r.Q);
  const double bs = SijiOr(std::max(1.0, Bd), Bd);
  const double n = kc->QuPremium > 0 ? kc->QuPremium : kNullBox;
  const std::string nMask = SijiFactorMask(n);

  CaseOpening(f, doc, i);
  Inclination(f, "　　　　<math>θ=tan^-1^(ΣH/ΣV)=tan^-1^(##.##/##.##)=##.#### (rad)</math>", r.SgmH,
              r.SgmV);
  // The factors come from the guideline's charts, not from a velocity field.
  Factors(f, r);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("許容鉛直支持力度");
  f.Empty();
  Ground(f, doc, r.E, B);
  PrnBlockOpen(f);
  f.Empty();
  f.Line("　　有効幅");
  f.Line("　　　　<math>B'=B-2e=#.###-2×#.###=#.### (m)</math>", {B, absE, Bd});
  ShapeAndEmbedment(f, doc, r, Bd);
  f.Empty();
  f.Line("　　寸法効果に対する補正係数");
  f.Line("　　　　<math>Sc=(c^*^)^λ^=(##.##)^-1/3^=#.####</math>", {cs, r.Sc});
  f.Line("　　　　<math>Sq=(q^*^)^λ^=(##.##)^-1/3^=#.####</math>", {qs, r.Sq});
  f.Line("　　　　<math>Sr=(B^*^)^λ^=(#.###)^-1/3^=#.####</math>", {bs, r.Sg});
  Overburden(f, doc, r);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("　　以上の条件より、");
  f.Empty();
  f.Line(
      "　　　　<math>q_a_=<box>1<over>n</box>･(α･κ･c･Nc･Sc＋κ･q･Nq･Sq＋<box>1<over>2</box>"
      "γ_1_･β･B'･Nr･Sr)</math>");
  f.Line("　　　　　 <math>=<box>1<over>" + nMask + "</box>×(##.###×##.###×#.#×#.##×#.###</math>",
         {n, r.Alpha, r.Kappa, doc.SijiC, r.Nc, r.Sc});
  f.Line(
      "　　　　　　<math>＋#.###×#.##×#.##×#.###＋<box>1<over>2</box>×#.#×#.###×#.###×#.##×#.###)"
      "</math>",
      {r.Kappa, r.Q, r.Nq, r.Sq, doc.SijiGam1, r.Beta, Bd, r.Ng, r.Sg});
  const PrnJudged j = AtLeast(r.Qa, r.Qmax);
  if (doc.WallType() == 0) {
    f.Line(
        "　　　　　 <math>=###.## &nbsp; (@/m^2^) &sp;@&sp; 1.2ΣV/B=1.2×#.##/#.###=#.## "
        "&sp;(@/m^2^)"
        "　　→　@</math>",
        {r.Qa, kN, j.mark, r.SgmV, B, r.Qmax, kN, j.word});
  } else {
    f.Line(
        "　　　　　 <math>=###.## &nbsp; (@/m^2^) &sp;@&sp; ΣV/B'=#.##/#.###=#.## &sp;(@/m^2^)"
        "　　→　@</math>",
        {r.Qa, kN, j.mark, r.SgmV, Bd, r.Qmax, kN, j.word});
  }
  PrnBlockClose(f);
}

void PrnSijiFs(PrnFile& f, const CDocument& doc) {
  const std::string& kN = PrnUnitWords[0];
  Opening(f, doc);
  f.Line("次式により求める地盤の鉛直支持力に対する安全率が所要安全率以上であることを照査する。");
  f.Empty();
  f.Line("　<math>F &sp;=&sp; <box>q_d_･B'<over>Q_V_</box> &sp;≧&sp; F_b_</math>");
  f.Line("　<math>q_d_=α･κ･c･Nc＋κ･q･Nq＋<box>1<over>2</box>γ_1_･β･B'･Nr</math>");
  f.Empty();
  f.Line("　ここに、F<sub>  </sub>　　：地盤の鉛直支持力に対する安全率");
  f.Line("　　　　　q<sub>d </sub>　  ：地盤の極限鉛直支持力度 (@/m<sup>2</sup>)", {kN});
  f.Line("　　　　　B'<sub>  </sub>　 ：荷重の偏心を考慮した底面の有効幅 (m)");
  f.Line("　　　　　  <sub>  </sub>　 　B' = B－2･e<sub>B</sub>");
  f.Line("　　　　　Q<sub>V </sub> 　 ：底面に発生する鉛直地盤反力 (@)", {kN});
  f.Line("　　　　　F<sub>b </sub> 　 ：支持力に対する安全率");
  f.Line("　　　　　α,β<sub>  </sub>：基礎の形状係数");
  f.Line(
      "　　　　　　<sub>  </sub>　 　<math>α = 1＋0.3<box>B'<over>L</box>　,　β = 1‐0.4<box>B'"
      "<over>L</box></math>");
  f.Line("　　　　　κ<sub>  </sub>　 ：根入れ効果に対する割増し係数");
  f.Line("　　　　　　<sub>  </sub>　 　<math>κ = 1＋0.3<box>D<sub>f</sub>'<over>B'</box></math>");
  f.Line("　　　　　c<sub>  </sub>　　：支持地盤の粘着力 (@/m<sup>2</sup>)", {kN});
  f.Line("　　　　　q<sub>  </sub>　　：上載荷重　q=γ<sub>2</sub>･D<sub>f</sub> (@/m<sup>2</sup>)",
         {kN});
  f.Line("　　　　　B<sub>  </sub>　  ：底面幅 (m)");
  f.Line("　　　　　e<sub>B </sub>　  ：底面に作用する鉛直地盤反力の偏心量 (m)");
  f.Line("　　　　　L<sub>  </sub>　  ：擁壁の1ブロックの長さ (m)");
  f.Line("　　　　　γ<sub>1 </sub>   ：支持地盤の単位体積重量 (@/m<sup>3</sup>)", {kN});
  f.Line("　　　　　γ<sub>2 </sub>   ：支持層より上の地盤の単位体積重量 (@/m<sup>3</sup>)", {kN});
  f.Line("　　　　　D<sub>f </sub>    ：支持層より上の地盤への根入れ深さ (m)");
  f.Line("　　　　　D<sub>f</sub>'<sub> </sub>   ：支持層への根入れ深さ (m)");
  f.Line("　　　　　Nc, Nq, Nr：支持地盤のせん断抵抗角φおよび荷重の傾斜角θより決まる支持力係数");
  f.Line("　　　　　θ<sub>  </sub>　 ：荷重の傾斜角 θ=tan<sup>-1</sup>Q<sub>H</sub>/Q<sub>V</sub>");
  f.Line("　　　　　Q<sub>H </sub>　  ：底面に発生する水平地盤反力 (@/m)", {kN});
  PrnBlockClose(f);
  ClosedForms(f);
}

void PrnSijiFsCase(PrnFile& f, const CDocument& doc, int32_t i) {
  const std::shared_ptr<CAntRes> rp = PrnBaseResult(doc, i);
  if (!rp || !doc.pCase(i)) return;
  const CAntRes& r = *rp;
  const std::string& kN = PrnUnitWords[0];
  const double B = r.Breadth;
  const double ratio = SijiDiv(r.Qmax - r.Qmin, r.Qmin + r.Qmax);
  const double eB = SijiOr(std::fabs(ratio * (B / 6)), ratio, B);
  const double Bd = SijiOr(B - 2 * eB, B, eB);
  const double qh = SijiOr(-r.Qh, r.Qh);

  CaseOpening(f, doc, i);
  const PrnJudged j = AtLeast(r.fB, r.Fba);
  Inclination(f, "　　　　<math>θ=tan^-1^(Q_H_/Q_V_)=tan^-1^(##.##/##.##)=##.#### (rad)</math>", qh,
              r.Qv);
  VelocityField(f, doc, r);
  Factors(f, r);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("極限支持力度");
  f.Empty();
  Ground(f, doc, eB, B);
  PrnBlockOpen(f);
  f.Empty();
  f.Line("　　有効幅");
  f.Line("　　　　<math>B'=B-2e=#.###-2×#.###=#.### (m)</math>", {B, eB, Bd});
  ShapeAndEmbedment(f, doc, r, Bd);
  Overburden(f, doc, r);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("　　以上の条件より、");
  f.Empty();
  f.Line("　　　　<math>q_d_=α･κ･c･Nc＋κ･q･Nq＋<box>1<over>2</box>γ_1_･β･B'･Nr</math>");
  f.Line("　　　　   <math>=#.###×#.###×#.#×##.##＋#.###×#.##×#.##</math>",
         {r.Alpha, r.Kappa, doc.SijiC, r.Nc, r.Kappa, r.Q, r.Nq});
  f.Line("　　　　　　　　　　<math>＋<box>1<over>2</box>×##.#×#.###×#.###×##.##</math>",
         {doc.SijiGam1, r.Beta, Bd, r.Ng});
  f.Line("　　　　   <math>=###.##&nbsp;(@/m^2^)</math>", {r.Qu, kN});
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("許容鉛直支持力度");
  f.Empty();
  f.Line(
      "　　<math>F=<box>q_d_･B'<over>Q_v_</box> = <box>##.##×##.###<over>##.##</box> = ##.## @ "
      "##.##　　→　@</math>",
      {r.Qu, Bd, r.Qv, r.fB, j.mark, r.Fba, j.word});
  PrnBlockClose(f);
}

}  // namespace norva

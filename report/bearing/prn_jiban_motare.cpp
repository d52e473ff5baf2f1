#include "report/bearing/prn_jiban_motare.h"

#include <cmath>
#include <memory>

#include "calc/stability/stability_status.h"
#include "calc/stability/verdicts.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/numeric.h"
#include "report/bearing/prn_jiban_common.h"
#include "report/driver/prn_file.h"
#include "report/stability/stability_markup.h"

namespace norva {

namespace {

void MethodLegend(PrnFile& f) {
  const std::string& kN = PrnUnitWords[0];
  f.Line("　ここに、V<sub>0</sub> ：壁面底面における全鉛直力　　　　　　 (@)", {kN});
  f.Line("　　　　　H<sub>0</sub> ：壁面底面における全水平力　　　　　　 (@)", {kN});
  f.Line("　　　　　M<sub>a</sub> ：底面つま先回りの作用モーメント　　　 (@･m)", {kN});
  f.Line("　　　　　 <sub> </sub> 　M<sub>a</sub>=M<sub>r</sub>-M<sub>0</sub>");
  f.Line("　　　　　M<sub>r</sub> ：底面つま先回りの抵抗モーメント　　　 (@･m)", {kN});
  f.Line("　　　　　M<sub>o</sub> ：底面つま先回りの転倒モーメント　　　 (@･m)", {kN});
  f.Line("　　　　　d<sub> </sub> ：底面つま先から合力作用位置までの距離 (m)");
  f.Line("　　　　　H<sub> </sub> ：擁壁高　　　　　　(m)");
  f.Line("　　　　　B<sub> </sub> ：擁壁底面幅　　　　(m)");
  f.Line("　　　　　l<sub> </sub> ：壁面長　l=H/cosθ (m)");
  f.Line("　　　　　θ<sub> </sub>：壁面傾斜角　　　　(°)");
  f.Line("　　　　　Q<sub>v</sub> ：壁面底面に発生する鉛直地盤反力 (@)", {kN});
  f.Line("　　　　　Q<sub>H</sub> ：壁面底面に発生する水平地盤反力 (@)", {kN});
  f.Line("　　　　　Q<sub>t</sub> ：擁壁背面に発生する壁面地盤反力 (@)", {kN});
  f.Line("　　　　　 <sub> </sub> 　ただし、d≦k<sub>d</sub>･B のときは Q<sub>t</sub>=0 とする。");
  f.Line("　　　　　q<sub>v1</sub>：壁面底面の前方に発生する鉛直地盤反力度 (@/m<sup>2</sup>)",
         {kN});
  f.Line("　　　　　q<sub>v2</sub>：壁面底面の後方に発生する鉛直地盤反力度 (@/m<sup>2</sup>)",
         {kN});
  f.Line("　　　　　q<sub>t </sub>：壁面背面に発生する最大壁面地盤反力度　 (@/m<sup>2</sup>)",
         {kN});
  f.Line("　　　　　d<sub>q</sub> ：底面つま先から鉛直地盤反力作用位置までの距離　 (m)");
  f.Line("　　　　　l<sub>1</sub> ：擁壁底面から壁面地盤反力度発生位置までの区間長 (m)");
  f.Line("　　　　　l<sub>2</sub> ：壁面地盤反力度が発生する区間長　　　　　　　　 (m)");
  f.Line("　　　　　k<sub>l</sub> ：k<sub>l</sub>=l<sub>2</sub>/l");
  f.Line("　　　　　 <sub> </sub> 　擁壁背面勾配 1:0.3のとき、k<sub>l</sub>=0.50");
  f.Line("　　　　　 <sub> </sub> 　　　　〃　　 1:0.4のとき、k<sub>l</sub>=0.60");
  f.Line("　　　　　 <sub> </sub> 　　　　〃　　 1:0.5のとき、k<sub>l</sub>=0.70");
  f.Line("　　　　　k<sub>d</sub> ：k<sub>d</sub>=d<sub>q</sub>/B (=0.56)");
}

void CaseTriangle(PrnFile& f, const CAntRes& r, double qa, const PrnJudged& j) {
  const std::string& kN = PrnUnitWords[0];
  const double B = r.Breadth;
  f.Line("　　d=#.### (m) ≦ B/3=#.###/3=#.### (m) であるから、", {r.D, B, B / 3});
  f.Empty();
  f.Line("　　<math>q_max_&sp;=&sp;<box>2&sum;V<over>3d</box></math>");
  f.Line(
      "　　　　<math>=&sp;<box>2×#.##<over>3×#.###</box> &sp;=&sp; #.## (@/m<sup>2</sup>) "
      "&sp; @ &sp; q_a_=#.## (@/m<sup>2</sup>)&sp; → &sp; @</math>",
      {r.SgmV, r.D, r.Qmax, kN, j.mark, qa, kN, j.word});
}

void CaseTrapezoid(PrnFile& f, const CAntRes& r, double qa, const PrnJudged& j) {
  const std::string& kN = PrnUnitWords[0];
  const double B = r.Breadth;
  f.Line("　　d=#.###(m)＞B/3=#.##(m), d≦B/2=#.###/2=#.###(m) であるから、",
         {r.D, B / 3, B, B / 2});
  f.Empty();
  f.Line(
      "　　<math>q_max_ &sp;=&sp; <box>&sum;V<over>B</box>･<box>(<left>1+<box>6e<over>B</box>"
      "<right>)</box></math>");
  f.Line(
      "　　　　<math>=&sp; <box>#.##<over>#.###</box>×<box>(<left>1+<box>6×#.###<over>#.###</box>"
      "<right>)</box> &sp;=&sp; #.## (@/m<sup>2</sup>) &sp; @ &sp; q_a_=#.## (@/m<sup>2</sup>)"
      "&sp; → &sp; @</math>",
      {r.SgmV, B, r.E, B, r.Qmax, kN, j.mark, qa, kN, j.word});
  f.Empty();
  f.Line(
      "　　<math>q_min_ &sp;=&sp; <box>&sum;V<over>B</box>･<box>(<left>1－<box>6e<over>B</box>"
      "<right>)</box></math>");
  f.Line(
      "　　　　<math>=&sp; <box>#.##<over>#.###</box>×<box>(<left>1-<box>6×#.###<over>#.###</box>"
      "<right>)</box> &sp;=&sp; #.## (@/m<sup>2</sup>) </math>",
      {r.SgmV, B, r.E, B, r.Qmin, kN});
}

void CaseBackFace(PrnFile& f, const CDocument& doc, const CAntRes& r, double qa,
                  const PrnJudged& j) {
  const std::string& kN = PrnUnitWords[0];
  const double B = r.Breadth, Kd = r.Kd(), Kl = r.Kl(doc.MtwN2);
  const double Ma = r.SgmMr - r.SgmMo;
  const double thetDeg = RadToDeg(r.thet);
  f.Line("　　d=#.### (m) ＞ B/2=#.###/2=#.### (m) であるから地盤バネモデルによる計算法を用いる。",
         {r.D, B, B / 2});
  f.Empty();
  f.Line("　　壁面底面における全鉛直力　　V<sub>0</sub> = ####.## (@)", {r.SgmV, kN});
  f.Line("　　壁面底面における全水平力　　H<sub>0</sub> = ####.## (@)", {r.SgmH, kN});
  f.Line("　　底面つま先回りの作用モーメント");
  f.Line("　　　　M<sub>a</sub> = M<sub>r</sub>-M<sub>0</sub> = #.##-#.## = #.## (@･m)",
         {r.SgmMr, r.SgmMo, Ma, kN});
  f.Empty();
  f.Line("　　擁壁高　　 　 H<sub> </sub>=#.### (m)", {doc.WallH});
  f.Line("　　擁壁背面勾配 θ<sub> </sub>=#.##°(1:#.##)",
         {RadToDeg(std::atan(doc.MtwN2)), doc.MtwN2});
  f.Line("　　擁壁背面長 　 l<sub> </sub>=H/cosθ=#.###/cos#.##°=#.### (m)",
         {doc.WallH, thetDeg, r.Ld});
  f.Line("　　　　　　　　  k<sub>l</sub>= #.###", {Kl});
  f.Line("　　　　　　　　  k<sub>d</sub>= 0.56");
  f.Line(
      "　　壁面地盤反力度が発生する区間長　　　　　　　　　l<sub>2</sub>=k<sub>l</sub>･l=#.### (m)",
      {r.l2});
  f.Line(
      "　　擁壁底面から壁面地盤反力度発生位置までの区間長　l<sub>1</sub>=l-l<sub>2</sub>=#.### (m)",
      {r.l1});
  f.Empty();
  f.Line("擁壁背面に発生する壁面地盤反力");
  // The calculation's own test: no face reaction while d <= kd·B.
  if (B * Kd >= r.D) {
    f.Line("　　<math>d=#.###(m) &sp;≦&sp; k_d_･B=#.##×#.###=#.### より、&sp;Q_t_=0</math>",
           {r.D, Kd, B, Kd * B});
  } else {
    f.Line(
        "　　<math>Q_t_&sp;=&sp; <box>M_a_-k_d_･B･V_0_<over>B･sinθ･(1-k_d_)+l･(1-k_l_/3)</box>"
        "</math>");
    f.Line(
        "　　　<math>=&sp; <box>#.##-#.###×#.###×#.##<over>#.###×sin#.##°×(1-#.###)+#.###×"
        "(1-#.###/3)</box></math>",
        {Ma, Kd, B, r.SgmV, B, thetDeg, Kd, r.Ld, Kl});
    f.Line("　　　<math>=&sp;#.## (@)</math>", {r.Qt, kN});
  }
  f.Empty();
  f.Line("壁面底面に発生する鉛直地盤反力");
  f.Line("　　<math>Q_v_&sp;=&sp; V_0_-Q_t_･sinθ&sp;=&sp; #.##-#.##×sin#.##°=&sp; #.## (@)</math>",
         {r.SgmV, r.Qt, thetDeg, r.Qv, kN});
  f.Empty();
  f.Line("壁面底面に発生する水平地盤反力");
  f.Line("　　<math>Q_H_ &sp;=&sp; H_0_+Q_t_･cosθ&sp;=&sp; #.##+#.##×cos#.##°=&sp; #.## (@)</math>",
         {r.SgmH, r.Qt, thetDeg, r.Qh, kN});
  f.Empty();
  f.Line("壁面底面の前方に発生する鉛直地盤反力度");
  f.Line("　　<math>q_v1_ &sp;=&sp; <box>2Q_v_･(2-3k_d_)<over>B</box></math>");
  f.Line(
      "　　　 <math>&sp;=&sp; <box>2×#.##×(2-3×#.##)<over>#.###</box> &sp;=&sp; #.## &sp; "
      "(@/m<sup>2</sup>)</math> ",
      {r.Qv, Kd, B, r.Qmin, kN});
  f.Empty();
  f.Line("壁面底面の後方に発生する鉛直地盤反力度");
  f.Line("　　<math>q_v2_ &sp;=&sp; <box>2Q_v_･(3k_d_-1)<over>B</box></math>");
  f.Line("　　　 <math>&sp;=&sp; <box>2×#.##×(3×#.##-1)<over>#.###</box></math> ", {r.Qv, Kd, B});
  f.Line(
      "　　　 <math>&sp;=&sp; #.## &sp; (@/m<sup>2</sup>) &sp;@&sp; q_a_=#.## (@/m<sup>2</sup>)"
      "&sp; → &sp; @</math>",
      {r.Qmax, kN, j.mark, qa, kN, j.word});
  f.Empty();
  f.Line("壁面背面に発生する最大壁面地盤反力度");
  f.Line("　　<math>q_t_ &sp;=&sp; <box>2Q_t_<over>k_l_･l</box></math>");
  f.Line(
      "　　　<math>&sp;=&sp; <box>2×#.##<over>#.###×#.###</box> &sp;=&sp; #.## &sp; "
      "(@/m<sup>2</sup>)</math> ",
      {r.Qt, Kl, r.Ld, r.qtu, kN});
}

}  // namespace

MotareRegime MotareRegimeOf(const CAntRes& r) {
  if (r.Qmax >= kReactionOutside && std::isfinite(r.Qmax)) return MotareRegime::kOutside;
  if (IsComputedResult(r.E) && r.E < 0) return MotareRegime::kBackFace;
  if (IsComputedResult(r.E) && r.E < r.Breadth / 6) return MotareRegime::kTrapezoid;
  return MotareRegime::kTriangle;
}

void PrnJibanHanryokuMotare(PrnFile& f, const CDocument& doc, const std::string& folder) {
  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, "地盤支持に対する検討");
  PrnHeading(f, doc, 3, "計算方法");
  f.Line(
      "つま先先端から荷重合力の作用点までの距離dが底面幅Bの1/2以下である時、地盤反力は以下の式に"
      "より算出し、最大地盤反力度が許容地盤反力度を越えないことを照査する。");
  f.Empty();
  f.Line("a) d≦1/3Bの場合");
  f.Empty();
  f.Line("　　<math>q_max_=<box>2&sum;V<over>3d</box> &sp; ≦ &sp; q_a_</math>");
  f.Empty();
  f.Line("b) 1/3B＜d≦1/2Bの場合");
  f.Empty();
  f.Line(
      "　　<math><box><box>q_max_<atop>q_min_</box><right>}</box>&sp;=<box>&sum;V<over>B</box>･"
      "<box>(<left>1±<box>6e<over>B</box><right>)</box> &sp; ≦ &sp; q_a_</math>");
  f.Line(
      "つま先先端から荷重合力の作用点までの距離dが底面幅Bの1/2より大きい時、もたれ式擁壁を剛部材と"
      "仮定し、底面の地盤バネと背面の地盤バネを考慮した地盤バネモデルによる計算法により以下の式によ"
      "り算出し、最大地盤反力度が許容地盤反力度を越えないことを照査する。");
  f.Empty();
  PrnImage(f, PrnCopyFigure(f, "motreact", folder, "motreact"), 100);
  f.Empty();
  f.Line("　<math>Q_t_&sp;= <box>M_a_-k_d_･B･V_0_<over>B･sinθ･(1-k_d_)+l･(1-k_l_/3)</box></math>");
  f.Line("　<math>Q_v_&sp;= V_0_-Q_t_･sinθ &sp; ,&sp; Q_H_ = H_0_+Q_t_･cosθ</math>");
  f.Line("　<math>q_v1_ = <box>2Q_v_･(2-3k_d_)<over>B</box></math>");
  f.Line("　<math>q_v2_=<box>2Q_v_･(3k_d_-1)<over>B</box></math>");
  f.Line("　<math>q_t_&sp;= <box>2Q_t_<over>k_l_･l</box></math>");
  f.Empty();
  MethodLegend(f);
  PrnBlockClose(f);
}

void PrnJibanHanryokuMotareCase(PrnFile& f, const CDocument& doc, int32_t i) {
  const std::shared_ptr<CAntRes> rp = doc.AntRes(0, i);
  if (!rp) return;
  const CAntRes& r = *rp;
  const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
  const double qa = AllowableReaction(doc, k.get(), r.Qa);
  const PrnJudged j = PrnJudgeReaction(r.Qmax, r.Qmin, qa);
  PrnBlockOpen(f);
  f.Empty();
  PrnCaseHeadingFixed(f, doc, i);
  PrnQuakeNote(f, doc, i);
  f.Empty();
  switch (MotareRegimeOf(r)) {
    case MotareRegime::kOutside:
      f.Line("合力の作用位置が基礎外となるため、計算不能。");
      break;
    case MotareRegime::kTriangle:
      CaseTriangle(f, r, qa, j);
      break;
    case MotareRegime::kTrapezoid:
      CaseTrapezoid(f, r, qa, j);
      break;
    case MotareRegime::kBackFace:
      CaseBackFace(f, doc, r, qa, j);
      break;
  }
  PrnBlockClose(f);
}

}  // namespace norva

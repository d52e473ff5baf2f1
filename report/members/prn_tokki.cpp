#include "report/members/prn_tokki.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "calc/member/tok_stress.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "document/report_format.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/members/member_lists.h"

namespace norva {

namespace {

constexpr double kDeg = 0.017453292519943278;

bool Missing(double v) { return IsNullValue(v) || !std::isfinite(v); }
double Milli(double v) { return Missing(v) ? kNullBox : v * 1000; }

void CaseHead(PrnFile& f, const CDocument& doc, int32_t i) {
  f.Line("<H3>荷重ケース.# － @時</H3>", {i + 1, doc.pCase(i)->CaseName});
  PrnQuakeNote(f, doc, i);
}

// The sliding values the key check took for case i (blank when it had none).
KeySlideValues SlideValues(const CDocument& doc, int32_t i, const CAntRes& r) {
  KeySlideValues v;
  if (doc.ChkSlide == 0) {
    if (!KeySlide(doc, i, r, v)) v = {kNullBox, kNullBox, kNullBox, kNullBox, kNullBox};
    return v;
  }
  return {r.Hu, r.Q1, r.Q2, r.Q3, r.s1};
}

void RoadMethod(PrnFile& f) {
  const std::string& U = PrnUnitWords[0];
  f.Line("突起に作用する水平力");
  f.Line(
      "　　<math>H_T_&sp;=&sp;<box>{<left>v_1_･(tanφ-tanφ_B_)+v_2_･tanφ_B_＋ｃ･b_1_<right>}"
      "</box><box>ΣH<over>H_k_</box></math>");
  f.Line("　　<math>H_k_&sp;=&sp;v_1_･tanφ＋(v_2_＋v_3_)･tanφ_B_＋ｃ･b_1_</math>");
  f.Empty();
  f.Line("  ここに､ H<sub>T</sub>  ：突起に作用する水平力　　　　　　　 (@/m)", {U});
  f.Line("  　　　　H<sub>k</sub>  ：底面と地盤との間に働くせん断抵抗力 (@)", {U});
  f.Line("　　　　　ΣH<sub> </sub>：底面に作用する全水平力　　　　　　 (@)", {U});
  f.Line("　　　　　b<sub>1</sub>  ：有効載荷幅内の突起前面の距離　　　 (m)");
  f.Line("　　　　　b<sub>2</sub>  ：有効載荷幅内の突起幅　　　　　　　 (m)");
  f.Line("　　　　　b<sub>3</sub>  ：有効載荷幅内の突起より後方の距離　 (m)");
  f.Line(
      "　　　　　v<sub>1</sub>  ：b<sub>1</sub>内に作用する鉛直荷重　v<sub>1</sub>=ΣV･b<sub>1"
      "</sub>/B' (@)",
      {U});
  f.Line(
      "　　　　　v<sub>2</sub>  ：b<sub>2</sub>内に作用する鉛直荷重　v<sub>2</sub>=ΣV･b<sub>2"
      "</sub>/B' (@)",
      {U});
  f.Line(
      "　　　　　v<sub>3</sub>  ：b<sub>3</sub>内に作用する鉛直荷重　v<sub>3</sub>=ΣV･b<sub>3"
      "</sub>/B' (@)",
      {U});
  f.Line("　　　　　φ<sub> </sub> ：支持地盤のせん断抵抗角 (度)");
  f.Line("　　　　　φ<sub>B</sub> ：底面と地盤との間の摩擦角 (度)");
  f.Line("　　　　　c<sub>　</sub>  ：支持地盤の粘着力 (@/m<sup>2</sup>)", {U});
}

void GeneralMethod(PrnFile& f) {
  const std::string& U = PrnUnitWords[0];
  f.Line("突起に作用する水平力");
  f.Line(
      "　　<math>H_T_&sp;=&sp;<box>{<left><box>q_1_+q_3_<over>2</box>･l_1_･(tanφ-tanφ_B_)+"
      "<box>q_2_+q_3_<over>2</box>･l_2_･tanφ_B_＋ｃ･l_1_<right>}</box><box>1<over>F_s_</box>"
      "</math>");
  f.Empty();
  f.Line("ここに､ H<sub>T</sub> ：突起に作用する水平力　　　　　　　　 (@/m)", {U});
  f.Line("　　　　q<sub>1</sub> ：擁壁つま先位置に作用する地盤反力度　 (@/m<sup>2</sup>)", {U});
  f.Line("　　　　q<sub>2</sub> ：擁壁かかと位置に作用する地盤反力度　 (@/m<sup>2</sup>)", {U});
  f.Line("　　　　q<sub>3</sub> ：突起前面位置に作用する地盤反力度　　 (@/m<sup>2</sup>)", {U});
  f.Line("　　　　l<sub>1</sub> ：擁壁つま先から突起前面までの水平距離 (m)");
  f.Line("　　　　l<sub>2</sub> ：突起前面から擁壁かかとまでの水平距離 (m)");
  f.Line("　　　　φ<sub> </sub>：支持地盤のせん断抵抗角   (度)");
  f.Line("　　　　φ<sub>B</sub>：底面と地盤との間の摩擦角 (度)");
  f.Line("　　　　c<sub> </sub> ：支持地盤の粘着力　　　　 (@/m<sup>2</sup>)", {U});
  f.Line("　　　　F<sub>S</sub> ：滑動に対する安全率");
}

void Loads(PrnFile& f, const CDocument& doc, int32_t i) {
  const std::string& U = PrnUnitWords[0];
  const std::shared_ptr<CAntRes> rp = doc.AntRes(doc.WallType() == 3 ? 1 : 0, i);
  const std::shared_ptr<CTokRes> tp = doc.pTokRes(i);
  const CAntRes r = rp ? *rp : CAntRes{};
  const CTokRes t = tp ? *tp : CTokRes{};
  const KeySlideValues v = SlideValues(doc, i, r);
  PrnBlockOpen(f);
  f.Empty();
  CaseHead(f, doc, i);
  if (doc.Sisin == 2) {
    const bool blank = Missing(v.Q1) || Missing(v.Q2) || Missing(v.Q3) || Missing(v.s1);
    const double Hk = blank ? kNullBox
                            : (v.Q2 + v.Q3) * std::tan(doc.Faib * kDeg) +
                                  v.Q1 * std::tan(doc.SijiFai * kDeg) + v.s1 * doc.SijiC;
    f.Empty();
    f.Line("底面と地盤との間に働くせん断抵抗力");
    f.Line("　　<math>H_k_=v_1_･tanφ＋(v_2_＋v_3_)･tanφ_B_＋ｃ･b_1_</math>");
    f.Line("　　　<math>=#.##×tan#.##＋(#.##＋#.##)×tan#.##＋#.##×#.###</math>",
           {v.Q1, doc.SijiFai, v.Q2, v.Q3, doc.Faib, doc.SijiC, v.s1});
    f.Line("　　　<math>=##.## (@/m)</math>", {Hk, U});
    f.Empty();
    f.Line("突起に作用する水平力");
    f.Line(
        "　　<math>H_T_=<box>{<left>v_1_･(tanφ-tanφ_B_)+v_2_･tanφ_B_＋ｃ･b_1_<right>}</box>"
        "<box>ΣH<over>H_k_</box></math>");
    f.Line(
        "　　　<math>=<box>{<left>#.##×(tan#.##-tan#.##)+#.##×tan#.##＋#.##×#.###<right>}"
        "</box><box>#.##<over>#.##</box></math>",
        {v.Q1, doc.SijiFai, doc.Faib, v.Q2, doc.Faib, doc.SijiC, v.s1, r.SgmH, Hk});
    f.Line("　　　<math>=##.## (@/m)</math>", {t.Ht, U});
  } else {
    const double Fs = Missing(v.Hu) ? kNullBox : (r.SgmH != 0 ? v.Hu / r.SgmH : 0.0);
    f.Empty();
    f.Line("突起に作用する水平力");
    f.Line(
        "　　<math>H_T_=<box>{<left><box>q_1_+q_3_<over>2</box>･l_1_･(tanφ-tanφ_B_)+<box>"
        "q_2_+q_3_<over>2</box>･l_2_･tanφ_B_＋ｃ･l_1_<right>}</box><box>1<over>F_s_</box>"
        "</math>");
    f.Empty();
    f.Line(
        "　　　<math>=<box>{<left><box>###.##+###.##<over>2</box>×##.###×(tan##.##-tan##.##)"
        "</box></math>",
        {v.Q1, v.Q2, doc.TokX, doc.SijiFai, doc.Faib});
    f.Line(
        "　　　　　　　　　　　<math><box>+<box>###.##+###.##<over>2</box>×##.###×tan##.##+"
        "##.##×##.###<right>}</box>×<box>1<over>#.##</box></math>",
        {v.Q3, v.Q2, r.Breadth - doc.TokX, doc.Faib, doc.SijiC, doc.TokX, Fs});
    f.Empty();
    f.Line("　　　<math>=##.## (@/m)</math>", {t.Ht, U});
  }
  f.Empty();
  f.Line("突起付け根に作用するせん断力");
  f.Line("　　<math>S=H_T_=##.## (@/m)</math>", {t.ForceS, U});
  f.Empty();
  f.Line("突起付け根に作用する曲げモーメント");
  f.Line("　　<math>M=H_T_･<box>h<over>2</box>=##.##×<box>#.###<over>2</box>=###.## (@･m)</math>",
         {t.Ht, doc.TokL, t.ForceM, U});
  PrnBlockClose(f);
}

// One stress line: value, sign, allowable, verdict; "-----" throughout for a
// stress not computed.
std::vector<ReportValue> Check(double v, double allow, bool blank) {
  if (blank || Missing(v)) return {kNullBox, "-----", allow, "-----"};
  const bool ok = !(v > allow);
  return {v, ok ? "&lt;" : "&gt;", allow, ReportVerdict(ok, {v, allow})};
}

void Stresses(PrnFile& f, const CDocument& doc, int32_t i, bool first) {
  const std::shared_ptr<CTokRes> tp = doc.pTokRes(i);
  const CTokRes t = tp ? *tp : CTokRes{};
  const double As = RebarArea(doc.TokDia, "mm") * MaxOf(doc.TokHon, {0.0});
  const double d = Milli(t.D), x = Milli(t.fX);
  // Without steel or effective depth there is no section to stress.
  const bool blank = As == 0 || !(t.D > 0);
  if (!first) {
    PrnPageBreak(f);
    PrnBlockOpen(f);
  }
  f.Empty();
  CaseHead(f, doc, i);
  f.Empty();
  f.Line("使用鉄筋　D##-###.# ###.#本 (As=####.# (mm<sup>2</sup>))",
         {static_cast<int32_t>(doc.TokDia), doc.TokPich, doc.TokHon, As});
  f.Empty();
  f.Line("部 材 幅　b = 1000 (mm)");
  f.Line("有 効 高　d = #### (mm)", {d});
  f.Empty();
  f.Line("必要鉄筋量は次式により算出される");
  f.Line(
      "　　<math><bar>A</bar>_s_=<box>M<over>σ_sa_<box>(<left>d-<box>x<over>3</box><right>)"
      "</box></box></math>");
  PrnBlockClose(f);

  const double R = Missing(t.fAs) ? kNullBox : t.fAs * 1000000;
  const bool rOk = !Missing(R) && R < As;
  PrnBlockOpen(f);
  f.Empty();
  f.Line("上式より、");
  f.Line("　　<math>x^3^-3d･x^2^-<box>6M･n<over>σ_sa_･b</box>(x-d)=0</math>");
  f.Empty();
  f.Line("これを解くと、x=#### (mm) となり、", {Milli(t.fAsX)});
  f.Empty();
  f.Line("必要鉄筋量は、");
  f.Line(
      "　　<math><bar>A</bar>_s_=<box>##.##×10^6^<over>###.#×<box>(<left>###-<box>###<over>3"
      "</box><right>)</box></box></math>",
      {t.ForceM, t.Sgmsa, d, Milli(t.fAsX)});
  f.Empty();
  f.Line("　　  <math>=###.#(mm^2^)&sp;@&sp;A_s_=####.#(mm^2^)&sp;&sp;&sp;→@</math>",
         {R, Missing(R) ? "-----" : (rOk ? "&lt;" : "&gt;"), As, ReportVerdict(rOk, {R, As})});
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("中立軸の位置");
  f.Line(
      "　　<math>x=<box>n･A_s_<over>b</box><box>(<left>-1+<sqrt>1+<box>2b･d<over>n･A_s_</box>"
      "</sqrt><right>)</box></math>");
  f.Empty();
  f.Line(
      "　　 <math>=<box>15×###.#<over>1000</box><box>×(<left>-1+<sqrt>1+<box>2×1000×####<over>"
      "15×###.#</box></sqrt><right>)</box>=###.#(mm)</math>",
      {As, d, As, blank ? kNullBox : x});
  PrnBlockClose(f);

  std::vector<ReportValue> c = Check(t.Sgmc, t.Sgmca, blank);
  PrnBlockOpen(f);
  f.Empty();
  f.Line("コンクリートの圧縮応力度");
  f.Line(
      "　　<math>σ_c_=<box>2M<over>b･x<box>(<left>d-<box>x<over>3</box><right>)</box></box>="
      "<box>2×##.##×10^6^<over>1000×###.#<box>(<left>####-<box>###.#<over>3</box><right>)"
      "</box></box></math>",
      {t.ForceM, blank ? kNullBox : x, d, blank ? kNullBox : x});
  f.Empty();
  f.Line("　　　 <math>=##.## (N/mm^2^)&sp;@&sp;σ_ca_=##.## (N/mm^2^)　　→&sp;@</math>", c);
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("鉄筋の引張応力度");
  f.Line(
      "　　<math>σ_s_=n･σ_c_<box>d-x<over>x</box>=15×###.##×<box>####-###.#<over>###.#</box>"
      "</math>",
      {blank ? kNullBox : t.Sgmc, d, blank ? kNullBox : x, blank ? kNullBox : x});
  f.Empty();
  c = Check(t.Sgms, t.Sgmsa, blank);
  f.Line("　　　 <math>=###.## (N/mm^2^)&sp;@&sp;σ_sa_=###.## (N/mm^2^)　　→&sp;@</math>", c);
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("コンクリートのせん断応力度");
  f.Line("　　<math>τ_c_=<box>S<over>b･d</box>=<box>##.##×10^3^<over>1000×####</box></math>",
         {t.ForceS, d});
  f.Empty();
  c = Check(t.Tauc, t.Taua, blank);
  f.Line("　　　 <math>=##.## (N/mm^2^)&sp;@&sp;τ_ca_=##.## (N/mm^2^)　　→&sp;@</math>", c);
  PrnBlockClose(f);
}

}  // namespace

void PrnTokki(PrnFile& f, const CDocument& doc, const std::string& /*folder*/) {
  const std::string& U = PrnUnitWords[0];
  PrnBlockOpen(f);
  f.Empty();
  f.Line("<H1>突起の断面計算</H1>");
  f.Line("<H2>突起に作用する荷重</H2>");
  f.Line("<H3>計算方法</H3>");
  if (doc.Sisin == 2) {
    RoadMethod(f);
  } else {
    GeneralMethod(f);
  }
  f.Empty();
  f.Line("突起付け根に作用するせん断力");
  f.Line("　　<math>S&sp;=&sp;H_T_</math>");
  f.Empty();
  f.Line("突起付け根に作用する曲げモーメント");
  f.Line("　　<math>M&sp;=&sp;H_T_･<box>h<over>2</box></math>");
  f.Empty();
  f.Line("ここに､ S<sub> </sub> ：突起付け根に作用するせん断力 (@/m)", {U});
  f.Line("　　　　M<sub> </sub> ：突起付け根に作用する曲げモーメント (@･m/m)", {U});
  f.Line("　　　　h<sub> </sub> ：突起の高さ (m)");
  PrnBlockClose(f);

  const std::vector<int32_t> cases = PrnReportedCases(doc, PrnSel().PrnTokkiCases);
  for (int32_t i : cases) Loads(f, doc, i);
  if (!cases.empty()) {
    PrnPageBreak(f);
    PrnBlockOpen(f);
    f.Empty();
    f.Line("<H2>応力度計算</H2>");
  }
  bool first = true;
  for (int32_t i : cases) {
    Stresses(f, doc, i, first);
    first = false;
  }
  PrnTokList(f, doc);
}

}  // namespace norva

#include "report/bearing/prn_slide.h"

#include <cmath>
#include <memory>

#include "calc/run/calc_antei.h"
#include "calc/stability/stability_status.h"
#include "calc/stability/verdicts.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/outline.h"
#include "report/bearing/prn_jiban_common.h"
#include "report/driver/prn_file.h"

namespace norva {

namespace {

constexpr double kRadToDeg = 57.29577951308238;

bool WithPassive(const CDocument& doc) { return doc.nJyudo == 1; }

void MethodFormula(PrnFile& f, SlideVariant v, bool pp) {
  switch (v) {
    case SlideVariant::kRoadKey:
    case SlideVariant::kKey:
      f.Line(pp ? "　<math>F_s_=<box>H_k_＋0.5P_P_<over>ΣH</box>&sp;≧&sp;F_a_</math>"
                : "　<math>F_s_=<box>H_k_<over>ΣH</box>&sp;≧&sp;F_a_</math>");
      break;
    case SlideVariant::kInclined:
      f.Line(pp ? "　<math>F_s_=<box>V･μ＋c_B_･B'＋0.5P_P_<over>H</box>&sp;≧&sp;F_a_</box></math>"
                : "　<math>F_s_=<box>V･μ＋c_B_･B'<over>H</box>&sp;≧&sp;F_a_</box></math>");
      break;
    case SlideVariant::kRoad:
      f.Line(pp ? "　<math>F_s_=<box>&sum;V･μ＋c_B_･B'＋0.5P_P_<over>&sum;H</box>&sp;≧&sp;F_a_"
                  "</box></math>"
                : "　<math>F_s_=<box>&sum;V･μ＋c_B_･B'<over>&sum;H</box>&sp;≧&sp;F_a_</box>"
                  "</math>");
      break;
    case SlideVariant::kPlain:
      f.Line(pp ? "　<math>F_s_=<box>&sum;V･μ＋c_B_･B＋0.5P_P_<over>&sum;H</box>&sp;≧&sp;F_a_"
                  "</box></math>"
                : "　<math>F_s_=<box>&sum;V･μ＋c_B_･B<over>&sum;H</box>&sp;≧&sp;F_a_</box>"
                  "</math>");
      break;
  }
  f.Empty();
  if (v == SlideVariant::kRoadKey) {
    f.Line("　<math>H_k_&sp;=&sp;v_1_･tanφ＋(v_2_＋v_3_)･tanφ_B_＋ｃ･b_1_</math>");
  } else if (v == SlideVariant::kKey) {
    f.Line(
        "　<math>H_k_&sp;=&sp;<box>q_1_＋q_3_<over>2</box>･l_1_･tanφ＋<box>q_2_＋q_3_<over>2</box>"
        "･l_2_･tanφ_B_＋c･l_1_</math>");
  } else {
    return;
  }
  f.Empty();
  f.Empty();
}

void MethodLegend(PrnFile& f, SlideVariant v) {
  const std::string& kN = PrnUnitWords[0];
  switch (v) {
    case SlideVariant::kRoadKey:
      f.Line("  ここに、H<sub>k</sub>  ：底面と地盤との間に働くせん断抵抗力 (@)", {kN});
      f.Line("　　　　　ΣH<sub> </sub>：底面に作用する全水平力　　　　　　 (@)", {kN});
      f.Line("　　　　　b<sub>1</sub>  ：有効載荷幅内の突起前面の距離　　　 (m)");
      f.Line("　　　　　b<sub>2</sub>  ：有効載荷幅内の突起幅　　　　　　　 (m)");
      f.Line("　　　　　b<sub>3</sub>  ：有効載荷幅内の突起より後方の距離　 (m)");
      f.Line(
          "　　　　　v<sub>1</sub>  ：b<sub>1</sub>内に作用する鉛直荷重　v<sub>1</sub>=ΣV･"
          "b<sub>1</sub>/B' (@)",
          {kN});
      f.Line(
          "　　　　　v<sub>2</sub>  ：b<sub>2</sub>内に作用する鉛直荷重　v<sub>2</sub>=ΣV･"
          "b<sub>2</sub>/B' (@)",
          {kN});
      f.Line(
          "　　　　　v<sub>3</sub>  ：b<sub>3</sub>内に作用する鉛直荷重　v<sub>3</sub>=ΣV･"
          "b<sub>3</sub>/B' (@)",
          {kN});
      f.Line("　　　　　φ<sub> </sub> ：支持地盤のせん断抵抗角 (度)");
      f.Line("　　　　　φ<sub>B</sub> ：底面と地盤との間の摩擦角 (度)");
      f.Line("　　　　　c<sub>　</sub>  ：支持地盤の粘着力 (@/m<sup>2</sup>)", {kN});
      break;
    case SlideVariant::kKey:
      f.Line("  ここに、H<sub>k</sub>  ：底面と地盤との間に働くせん断抵抗力 (@)", {kN});
      f.Line("　　　　　ΣH<sub> </sub>：底面に作用する全水平力 (@)", {kN});
      f.Line("　　　　　q<sub>1</sub>  ：底面のつま先での地盤反力度 (@/m<sup>2</sup>)", {kN});
      f.Line("　　　　　q<sub>2</sub>  ：底面のかかとでの地盤反力度 (@/m<sup>2</sup>)", {kN});
      f.Line("　　　　　q<sub>3</sub>  ：底面の突起前面位置での地盤反力度 (@/m<sup>2</sup>)", {kN});
      f.Line("　　　　　l<sub>1</sub>  ：突起前面とつま先との水平距離 (m)");
      f.Line("　　　　　l<sub>2</sub>  ：突起前面とかかととの水平距離 (m)");
      f.Line("　　　　　φ<sub> </sub> ：支持地盤のせん断抵抗角 (度)");
      f.Line("　　　　　φ<sub>B</sub> ：底面と地盤との間の摩擦角 (度)");
      f.Line("　　　　　c<sub>　</sub>  ：支持地盤の粘着力 (@/m<sup>2</sup>)", {kN});
      break;
    case SlideVariant::kInclined:
      f.Line("　ここに､ V<sub> </sub>　：底面に作用する全鉛直力 (@)", {kN});
      f.Line("　　　　　 <sub> </sub>　　V = ΣV･cosθ＋ΣH･sinθ");
      f.Line("　　　　　H<sub> </sub>　：底面に作用する全水平力 (@)", {kN});
      f.Line("　　　　　 <sub> </sub>　　H = ΣH･cosθ‐ΣV･sinθ");
      f.Line("　　　　　ΣV<sub> </sub>：底面に作用する全鉛直力 (@)", {kN});
      f.Line("　　　　　ΣH<sub> </sub>：底面に作用する全水平力 (@)", {kN});
      f.Line("　　　　　θ<sub> </sub> ：底面と水平面のなす角 (度)");
      f.Line("　　　　　B'<sub> </sub> ：底面の長さ (m)");
      f.Line("　　　　　  <sub> </sub> 　B' = B / cosθ");
      f.Line("　　　　　μ<sub> </sub> ：底面と地盤との間の摩擦係数");
      f.Line("　　　　　c<sub>B</sub>　：底面と地盤との間の粘着力 (@/m<sup>2</sup>)", {kN});
      f.Line("　　　　　B<sub> </sub>　：底面幅 (m)");
      break;
    case SlideVariant::kRoad:
    case SlideVariant::kPlain:
      f.Line("　ここに､ ΣV<sub> </sub>：底面に作用する全鉛直力 (@)", {kN});
      f.Line("　　　　　ΣH<sub> </sub>：底面に作用する全水平力 (@)", {kN});
      f.Line("　　　　　μ<sub> </sub> ：底面と地盤との間の摩擦係数");
      f.Line("　　　　　c<sub>B</sub>　：底面と地盤との間の粘着力 (@/m<sup>2</sup>)", {kN});
      if (v == SlideVariant::kRoad) {
        f.Line("　　　　　B'<sub> </sub> ：有効載荷幅 B'=B-2e (m)");
        f.Line("　　　　　B<sub> </sub>  ：底面幅 (m)");
        f.Line("　　　　　e<sub> </sub>  ：荷重の偏心距離 (m)");
      } else {
        f.Line("　　　　　B<sub> </sub>　：底面幅 (m)");
      }
      break;
  }
}

PrnJudged JudgeFs(const CAntRes& r) {
  switch (JudgeSlide(r.Fs, r.Fsa)) {
    case SlideVerdict::kOk:
      return {"≧", "OK"};
    case SlideVerdict::kOut:
      return {"＜", "OUT"};
    default:
      return {"　", kReportNullText};
  }
}

void PlainJudgement(PrnFile& f, const CAntRes& r) {
  const PrnJudged j = JudgeFs(r);
  f.Line("　　　　　　　　　　<math>=##.##&nbsp;@&nbsp;F_a_=##.##　→　@</math>",
         {r.Fs, j.mark, r.Fsa, j.word});
}

void CaseKey(PrnFile& f, const CDocument& doc, const CAntRes& r, double pp, bool road) {
  const std::string& kN = PrnUnitWords[0];
  const double absE = std::fabs(r.E);
  if (road) {
    const char* names[] = {"1", "2", "3"};
    const double s[] = {r.s1, r.s2, r.s3}, q[] = {r.Q1, r.Q2, r.Q3};
    for (int n = 0; n < 3; ++n) {
      f.Line(std::string("<math>v_") + names[n] + "_=ΣV･<box>b_" + names[n] +
                 "_<over>B'</box>=###.##×<box>#.###<over>#.###-2×#.###</box>=###.## (@)</math>",
             {r.SgmV, s[n], r.Breadth, absE, q[n], kN});
    }
    f.Line("<math>H_k_=v_1_･tanφ＋(v_2_＋v_3_)･tanφ_B_＋ｃ･b_1_</math>");
    f.Line("　<math>=#.##×tan#.##＋(#.##＋#.##)×tan#.##＋#.##×#.###</math>",
           {r.Q1, doc.SijiFai, r.Q2, r.Q3, doc.Faib, doc.SijiC, r.s1});
  } else {
    f.Line(
        "<math>H_k_=<box>q_1_＋q_3_<over>2</box>･l_1_･tanφ＋<box>q_2_＋q_3_<over>2</box>･l_2_･"
        "tanφ_B_＋ｃ･l_1_</math>");
    f.Line("　<math>=<box>###.##＋###.##<over>2</box>×##.###×tan##.##</math>",
           {r.Q1, r.Q2, doc.TokX, doc.SijiFai});
    f.Line(
        "　　　　　　　　<math>＋<box>###.##＋###.##<over>2</box>×##.###×tan##.##＋##.##×##.###"
        "</math>",
        {r.Q3, r.Q2, r.Breadth - doc.TokX, doc.Faib, doc.SijiC, doc.TokX});
  }
  const bool passive = WithPassive(doc);
  const double Hk = passive ? r.Hu - 0.5 * pp : r.Hu;
  f.Line("　<math>=###.##&nbsp;(@)</math>", {Hk, kN});
  f.Empty();
  if (passive) {
    f.Line("<math>F_s_=<box>H_k_＋0.5P_P_<over>&sum;H</box>=<box>####.##<over>####.##</box></math>",
           {r.Hu, r.SgmH});
  } else {
    f.Line("<math>F_s_=<box>H_k_<over>&sum;H</box>=<box>####.##<over>####.##</box></math>",
           {Hk, r.SgmH});
  }
  const PrnJudged j = JudgeFs(r);
  f.Line("　　　　　<math>=##.##&nbsp;@&nbsp;F_a_=##.##　→　@</math>",
         {r.Fs, j.mark, r.Fsa, j.word});
}

void CaseFlat(PrnFile& f, const CDocument& doc, const CAntRes& r, double pp, bool road) {
  const bool passive = WithPassive(doc);
  const double absE = std::fabs(r.E);
  if (road && r.Breadth - 2 * absE < 0) {
    // The base has lifted off everywhere: no adhesion (B' = 0).
    if (passive) {
      f.Line(
          "<math>F_s_=<box>&sum;V･μ+c_B_･B'+0.5P_P_<over>&sum;H</box>=<box>####.##×#.###＋##.##×"
          "0.000＋0.5×###.##<over>####.##</box></math>",
          {r.SgmV, doc.Myu, doc.cb, pp, r.SgmH});
    } else {
      f.Line(
          "<math>F_s_=<box>&sum;V･μ+c_B_･B'<over>&sum;H</box>=<box>####.##×#.###＋##.##×0.000"
          "<over>####.##</box></math>",
          {r.SgmV, doc.Myu, doc.cb, r.SgmH});
    }
  } else if (road) {
    if (passive) {
      f.Line(
          "<math>F_s_=<box>&sum;V･μ+c_B_･B'+0.5P_P_<over>&sum;H</box>=<box>####.##×#.###＋##.##×"
          "(#.###-2×#.###)＋0.5×###.##<over>####.##</box></math>",
          {r.SgmV, doc.Myu, doc.cb, r.Breadth, absE, pp, r.SgmH});
    } else {
      f.Line(
          "<math>F_s_=<box>&sum;V･μ+c_B_･B'<over>&sum;H</box>=<box>####.##×#.###＋##.##×"
          "(#.###-2×#.###)<over>####.##</box></math>",
          {r.SgmV, doc.Myu, doc.cb, r.Breadth, absE, r.SgmH});
    }
  } else if (passive) {
    f.Line(
        "<math>F_s_=<box>&sum;V･μ+c_B_･B+0.5P_P_<over>&sum;H</box>=<box>####.##×#.###＋##.##×"
        "##.###＋0.5×###.##<over>####.##</box></math>",
        {r.SgmV, doc.Myu, doc.cb, r.Breadth, pp, r.SgmH});
  } else {
    f.Line(
        "<math>F_s_=<box>&sum;V･μ+c_B_･B<over>&sum;H</box>=<box>####.##×#.###＋##.##×##.###"
        "<over>####.##</box></math>",
        {r.SgmV, doc.Myu, doc.cb, r.Breadth, r.SgmH});
  }
  PlainJudgement(f, r);
}

void CaseInclined(PrnFile& f, const CDocument& doc, const CAntRes& r, double pp) {
  const std::string& kN = PrnUnitWords[0];
  const InclinedBase b = InclinedBaseOf(doc, r);
  f.Line("底面と水平面のなす角　θ = ###.## (度)", {b.thetaDeg});
  f.Empty();
  f.Line("底面の長さ　　　　　　B' = B / cosθ = #.### / cos#.## = #.### (m)",
         {r.Breadth, b.thetaDeg, b.Bd});
  f.Empty();
  f.Line("底面に作用する鉛直力");
  f.Line("　　V  = ΣV･cosθ＋ΣH･sinθ = #.##×cos#.##＋#.##×sin#.## = #.## (@)",
         {r.SgmV, b.thetaDeg, r.SgmH, b.thetaDeg, b.V, kN});
  f.Empty();
  f.Line("底面に作用する水平力");
  f.Line("　　H  = ΣH･cosθ－ΣV･sinθ = #.##×cos#.##－#.##×sin#.## = #.## (@)",
         {r.SgmH, b.thetaDeg, r.SgmV, b.thetaDeg, b.H, kN});
  f.Empty();
  // Whether a force along the base is left is the calculation's finding
  // (its sentinel), so the page never disagrees with the summary.
  if (r.Fs == kSlideNoForce) {
    f.Line("H≦0なので、前面側へ滑動力が作用しない。");
    f.Empty();
    f.Line("したがって、滑動に対して安定する。");
    return;
  }
  f.Line("以上より、");
  f.Empty();
  if (WithPassive(doc)) {
    f.Line(
        "　　<math>F_s_=<box>V･μ＋c_B_･B'＋0.5P_P_<over>Ｈ</box>=<box>####.##×#.###＋##.##×##.###"
        "＋0.5×###.##<over>####.##</box></math>",
        {b.V, doc.Myu, doc.cb, b.Bd, pp, b.H});
  } else {
    f.Line(
        "　　<math>F_s_=<box>V･μ＋c_B_･B'<over>Ｈ</box>=<box>####.##×#.###＋##.##×##.###<over>"
        "####.##</box></math>",
        {b.V, doc.Myu, doc.cb, b.Bd, b.H});
  }
  PlainJudgement(f, r);
}

}  // namespace

SlideVariant SlideVariantOf(const CDocument& doc) {
  if (doc.Tokki != 0) return doc.Sisin == 2 ? SlideVariant::kRoadKey : SlideVariant::kKey;
  double rise = 0;
  if (GetKeisyaHeight(doc, rise)) return SlideVariant::kInclined;
  return doc.Sisin == 2 ? SlideVariant::kRoad : SlideVariant::kPlain;
}

InclinedBase InclinedBaseOf(const CDocument& doc, const CAntRes& r) {
  InclinedBase b;
  double rise = 0;
  GetKeisyaHeight(doc, rise);
  const double B = r.Breadth;
  b.theta = B != 0 ? std::atan(rise / B) : 0.0;
  b.thetaDeg = b.theta * kRadToDeg;
  b.Bd = B / std::cos(b.theta);
  b.V = r.SgmV * std::cos(b.theta) + r.SgmH * std::sin(b.theta);
  b.H = r.SgmH * std::cos(b.theta) - r.SgmV * std::sin(b.theta);
  return b;
}

void PrnSlide(PrnFile& f, const CDocument& doc) {
  const SlideVariant v = SlideVariantOf(doc);
  const bool pp = WithPassive(doc);
  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, "滑動に対する検討");
  PrnHeading(f, doc, 3, "検討方法");
  f.Empty();
  f.Line("次式で求める滑動に対する安全率が所要安全率以上であることを照査する。");
  f.Empty();
  MethodFormula(f, v, pp);
  MethodLegend(f, v);
  if (pp) f.Line("　　　　　P<sub>P</sub>　：受働土圧合力の水平成分 (@/m)", {PrnUnitWords[0]});
  f.Line("　　　　　F<sub>s</sub>  ：滑動に対する安全率");
  f.Line("　　　　　F<sub>a</sub>  ：滑動に対する許容安全率");
  if (v == SlideVariant::kInclined) {
    f.Empty();
    f.Line("　※H≦0となる場合は前面側へ滑動力が作用しないため、滑動に対して安定するものとする。");
  }
  PrnBlockClose(f);
}

void PrnSlideCase(PrnFile& f, const CDocument& doc, int32_t i, const std::string&) {
  const std::shared_ptr<CAntRes> rp = PrnBaseResult(doc, i);
  if (!rp) return;
  const CAntRes& r = *rp;
  const double pp = doc.Pp(CaseState(doc, i) != 0 ? 1 : 0);
  const SlideVariant v = SlideVariantOf(doc);
  PrnBlockOpen(f);
  f.Empty();
  PrnCaseHeadingFixed(f, doc, i);
  PrnQuakeNote(f, doc, i);
  f.Empty();
  // Nothing pushes the wall forwards: the calculation's sentinel, or for an
  // inclined base a sum that is not positive before it is resolved.
  const bool noForce = (r.Fs == kSlideNoForce && v != SlideVariant::kInclined) ||
                       (IsComputedResult(r.SgmH) && r.SgmH <= 0);
  if (noForce) {
    f.Line("ΣH≦0なので、検討を省略する。");
  } else {
    switch (v) {
      case SlideVariant::kRoadKey:
      case SlideVariant::kKey:
        CaseKey(f, doc, r, pp, v == SlideVariant::kRoadKey);
        break;
      case SlideVariant::kInclined:
        CaseInclined(f, doc, r, pp);
        break;
      case SlideVariant::kRoad:
      case SlideVariant::kPlain:
        CaseFlat(f, doc, r, pp, v == SlideVariant::kRoad);
        break;
    }
  }
  PrnBlockClose(f);
}

}  // namespace norva

#include "report/members/prn_fot.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "calc/member/member_common.h"
#include "calc/stability/stability_status.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "document/outline.h"
#include "document/report_format.h"
#include "document/weight.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "report/members/member_lists.h"
#include "report/members/prn_tokki.h"
#include "report/stability/prn_kutai.h"
#include "report/stability/stability_markup.h"

namespace norva {

namespace {

bool Missing(double v) { return IsNullValue(v) || !std::isfinite(v); }
// A stress in N/mm² printed in kN/m².
double Kilo(double v) { return Missing(v) ? kNullBox : v * 1000; }

// Slab length l and base width B as the toe-slab check took them.
struct SlabLengths {
  double l = 0;
  double B = 0;
};
SlabLengths Lengths(const CDocument& doc, double secX) {
  KutaiPoints p{};
  DPoint c1, c2;
  MakeKutaiOutline(doc, p, c1, c2, 0);
  return {p[2].X - secX, p[4].X - p[0].X};
}

std::shared_ptr<CFotRes> Record(const CDocument& doc, int32_t i) {
  return i >= 0 && i < doc.nCase() ? doc.pFotRes(i) : nullptr;
}

void CaseHead(PrnFile& f, const CDocument& doc, int32_t i) {
  f.Line("<H3>荷重ケース.# － @時</H3>", {i + 1, doc.pCase(i)->CaseName});
  PrnQuakeNoteLevels(f, doc, i, RunState(doc, i) != 0);
}

// What the first half of the chapter shows per state, gathered over every
// case of the document; a later case of a state replaces an earlier one.
struct StatePicks {
  std::shared_ptr<CWeight> buoyancy[2];
  std::shared_ptr<CWeight> soil[2][2];  // [state][kind]
  double uplift[2] = {0, 0};
  double secX = 0;
};

StatePicks Gather(const CDocument& doc) {
  StatePicks s;
  for (int32_t i = 0; i < doc.nCase(); ++i) {
    const std::shared_ptr<CFotRes> r = Record(doc, i);
    if (!r || !doc.pCase(i)) continue;
    const int st = RunState(doc, i) == 1 ? 1 : 0;
    if (r->Furyoku) s.buoyancy[st] = r->Furyoku;
    for (int kind = 0; kind < 2; ++kind) {
      if (r->SoilW(kind)) s.soil[st][kind] = r->SoilW(kind);
    }
    if (r->Youatsu != 0 && !Missing(r->Youatsu)) s.uplift[st] = r->Youatsu;
  }
  return s;
}

void Method(PrnFile& f) {
  PrnBlockOpen(f);
  f.Empty();
  f.Line("<H1>つま先版の断面計算</H1>");
  f.Line("<H2>重量及び重心位置の計算方法</H2>");
  PrnAreaMethodText(f);
  PrnBlockClose(f);
}

void SlabWeight(PrnFile& f, const CDocument& doc, const std::string& folder) {
  const std::shared_ptr<CFotRes> r0 = Record(doc, 0);
  const CWeight* slab = r0 ? r0->FotW.get() : nullptr;
  const std::string path = PrnAreaFigure(doc, folder, "底版面積", slab, DPoint{0, 0});
  PrnBlockOpen(f);
  f.Empty();
  f.Line("<H2>つま先版の重量及び重心位置</H2>");
  PrnImage(f, path, 50);
  PrnAreaTable(f, doc, slab, 0, 0, false);
  PrnBlockClose(f);
}

void Buoyancy(PrnFile& f, const CDocument& doc, const std::string& folder, const StatePicks& s) {
  if (!s.buoyancy[0] && !s.buoyancy[1]) return;
  PrnBlockOpen(f);
  f.Empty();
  f.Line("<H2>つま先版に作用する浮力及び重心位置</H2>");
  bool written = false;
  for (int st = 0; st < 2; ++st) {
    const CWeight* w = s.buoyancy[st].get();
    if (!w) continue;
    const std::string path =
        PrnAreaFigure(doc, folder, "底版浮力" + std::to_string(st), w, DPoint{0, 0});
    if (written) PrnBlockOpen(f);
    f.Empty();
    f.Line(st == 0 ? "<H3>常時水位</H3>" : "<H3>地震時水位</H3>");
    PrnImage(f, path, 50);
    PrnAreaTable(f, doc, w, 0, 0, true);
    PrnBlockClose(f);
    written = true;
  }
}

void FrontSoil(PrnFile& f, const CDocument& doc, const std::string& folder, const StatePicks& s) {
  if (!s.soil[0][0] && !s.soil[0][1] && !s.soil[1][0] && !s.soil[1][1]) return;
  PrnBlockOpen(f);
  f.Empty();
  f.Line("<H2>前面土の重量及び重心位置</H2>");
  bool written = false;
  for (int st = 0; st < 2; ++st) {
    for (int kind = 0; kind < 2; ++kind) {
      const CWeight* w = s.soil[st][kind].get();
      if (!w) continue;
      const std::string name = "底版前面土" + FormatPattern(st, "00") + FormatPattern(kind, "00");
      const std::string path = PrnAreaFigure(doc, folder, name, w, DPoint{0, 0});
      if (written) PrnBlockOpen(f);
      f.Empty();
      f.Line(std::string(st == 0 ? "<H3>常時　" : "<H3>地震時　") + (kind == 1 ? "(浮力)" : "") +
             "</h3>");
      PrnImage(f, path, 50);
      PrnAreaTable(f, doc, w, 0, 0, false);
      PrnBlockClose(f);
      written = true;
    }
  }
}

void Uplift(PrnFile& f, const CDocument& doc, const StatePicks& s) {
  if (doc.nWater != 2 || (s.uplift[0] == 0 && s.uplift[1] == 0)) return;
  const std::string& kN = PrnUnitWords[0];
  const SlabLengths len = Lengths(doc, s.secX);
  const double B = len.B, l = len.l;
  PrnBlockOpen(f);
  f.Empty();
  f.Line("<H2>揚圧力</H2>");
  bool written = false;
  for (int st = 0; st < 2; ++st) {
    if (s.uplift[st] == 0) continue;
    const double hwf = doc.WatFH(st), hwb = doc.WatBH(st), gw = doc.Gamw;
    const double P1 = hwf * gw, P2 = hwb * gw;
    const double P3 = B != 0 ? P1 + (P2 - P1) / B * l : kNullBox;
    const double XP = (B != 0 && P1 + P3 != 0) ? (2 * P1 + P3) / (P1 + P3) * l / 3 : kNullBox;
    if (written) PrnBlockOpen(f);
    f.Empty();
    f.Line(st == 0 ? "<H3>常時</H3>" : "<H3>地震時</H3>");
    f.Empty();
    f.Line("つま先位置での揚圧力");
    f.Line("　　<math>P_1_=h_wf_･γ_w_=#.###×##.##=##.## (@/m<sup>2</sup>)</math>",
           {hwf, gw, P1, kN});
    f.Empty();
    f.Line("かかと位置での揚圧力");
    f.Line("　　<math>P_2_=h_wb_･γ_w_=#.###×##.##=##.## (@/m<sup>2</sup>)</math>",
           {hwb, gw, P2, kN});
    f.Empty();
    f.Line("つま先版付け根位置での揚圧力");
    f.Line(
        "　　<math>P_3_=P_1_+<box>P_2_-P_1_<over>B</box>･l=##.##+<box>##.##-##.##<over>#.###"
        "</box>×#.###=##.## (@/m<sup>2</sup>)</math>",
        {P1, P2, P1, B, l, P3, kN});
    f.Empty();
    f.Line("揚圧力の合力");
    f.Line(
        "　　<math>P=(P_1_+P_3_)･<box>l<over>2</box>=(##.##+##.##)×<box>#.###<over>2</box>="
        "##.## (@/m)</math>",
        {P1, P3, l, s.uplift[st], kN});
    f.Empty();
    f.Line("合力の作用位置(付け根からの距離)");
    f.Line(
        "　　<math>X_P_=<box>2･P_1_+P_3_<over>P_1_+P_3_</box>･<box>l<over>3</box>=<box>2×##.##"
        "+##.##<over>##.##+##.##</box>×<box>#.###<over>3</box>=#.### (m)</math>",
        {P1, P3, P1, P3, l, XP});
    f.Empty();
    f.Line("ここに、h<sub>wf</sub>：前面水位 (m)");
    f.Line("　　　　h<sub>wb</sub>：背面水位 (m)");
    f.Line("　　　　B<sub>  </sub>：底面幅 (m)");
    f.Line("　　　　l<sub>  </sub>：つま先版の長さ (m)");
    PrnBlockClose(f);
    written = true;
  }
}

void CommonEnding(PrnFile& f, double q1, double q0, double l, double Q, double XQ) {
  const std::string& kN = PrnUnitWords[0];
  f.Line("地盤反力の合力");
  f.Empty();
  f.Line(
      "　　<math>Q=<box>1<over>2</box>(q_1_+q_0_)･l=<box>1<over>2</box>×(##.##+##.##)×#.###="
      "##.##(@/m)</math>",
      {q1, q0, l, Q, kN});
  f.Empty();
  f.Line("合力の作用位置(付け根からの距離)");
  f.Line(
      "　　<math>X_q_=<box>2･q_1_+q_0_<over>q_1_+q_0_</box>･<box>l<over>3</box>=<box>2×##.##+"
      "##.##<over>##.##+##.##</box>×<box>#.###<over>3</box>=#.### (m)</math>",
      {q1, q0, q1, q0, l, XQ});
}

}  // namespace

void PrnFotHanryoku(PrnFile& f, const CDocument& doc, int32_t i, int16_t& flag) {
  const std::shared_ptr<CFotRes> rec = Record(doc, i);
  if (!rec || !doc.pCase(i)) return;
  const CFotRes& r = *rec;
  const std::shared_ptr<CAntRes> res = doc.AntRes(0, i);
  const SlabLengths len = Lengths(doc, r.SecX);
  const double B = len.B, l = len.l;
  // A reaction the check could not use (no result, the resultant outside
  // the base) prints blanks, never a stale number.
  double q1 = kNullBox, q2 = kNullBox;
  const bool known =
      res && !Missing(res->E) && ReactionAt(doc, *res, 0, q1).ok && ReactionAt(doc, *res, B, q2).ok;
  if (!known) q1 = q2 = kNullBox;
  const double e = res ? res->E : kNullBox;
  const double q0 = known ? r.FotQ2 : kNullBox;
  const double Q = known ? r.FotQ : kNullBox, XQ = known ? r.FotQX : kNullBox;
  // Under large-block masonry the reaction is the subgrade line, not a
  // triangle from e: the check spreads it over the whole slab.
  const bool line = doc.Sisin == 3;
  // Width of action: from the toe, or from the heel for a heel-side triangle.
  const bool heelTriangle = known && !line && e < -B / 6;
  const double x = !known ? kNullBox : heelTriangle ? 3 * (B / 2 + e) : 3 * (B / 2 - e);
  const std::string& kN = PrnUnitWords[0];

  PrnBlockOpen(f);
  f.Empty();
  if (flag == 0) {
    f.Line("<H2>地盤反力</H2>");
    flag = -1;
  }
  CaseHead(f, doc, i);
  f.Empty();
  f.Line("安定計算で算出した地盤反力を用いる。");
  f.Empty();
  f.Line("地盤反力の作用幅");
  if (heelTriangle) {
    // Measured from the heel, as the check's triangle is.
    f.Line("　　<math>x=3(B/2-|e|)=3×(#.###/2-#.###)=#.### (m)</math>", {B, -e, x});
  } else {
    f.Line("　　<math>x=3(B/2-e)=3×(#.###/2-#.###)=#.### (m)</math>", {B, e, x});
  }
  f.Empty();
  f.Line("つま先位置での地盤反力");
  f.Line("　　<math>q_1_=##.## (@/m<sup>2</sup>)</math>", {q1, kN});
  f.Empty();
  f.Line("かかと位置での地盤反力");
  f.Line("　　<math>q_2_=##.## (@/m<sup>2</sup>)</math>", {q2, kN});
  f.Empty();
  if (!known) {
    CommonEnding(f, q1, q0, l, Q, XQ);
  } else if (!line && e > 0 && x < l) {
    f.Line("x &lt; l なので付け根位置の地盤反力は、");
    f.Empty();
    f.Line("　　<math>q_0_=#.## (@/m<sup>2</sup>)</math>", {q0, kN});
    f.Empty();
    f.Line("地盤反力の合力");
    f.Empty();
    f.Line(
        "　　<math>Q=<box>1<over>2</box>q_1_･x=<box>1<over>2</box>×##.##×#.###=##.##(@/m)"
        "</math>",
        {q1, x, Q, kN});
    f.Empty();
    f.Line("合力の作用位置(付け根からの距離)");
    f.Line("　　<math>X_q_=l-<box>x<over>3</box>=#.###-<box>#.###<over>3</box>=#.### (m)</math>",
           {l, x, XQ});
  } else if (e > 0) {
    f.Line("つま先版付け根位置での地盤反力");
    f.Empty();
    if (line || x >= B) {
      f.Line(
          "　　<math>q_0_=q_1_-<box>q_1_-q_2_<over>B</box>･l=##.##-<box>##.##-##.##<over>"
          "#.###</box>×#.###=##.## (@/m<sup>2</sup>)</math>",
          {q1, q1, q2, B, l, q0, kN});
    } else {
      f.Line(
          "　　<math>q_0_=<box>q_1_<over>x</box>･(x-l)=<box>##.##<over>#.###</box>×(#.###-"
          "#.###)=##.## (@/m<sup>2</sup>)</math>",
          {q1, x, x, l, q0, kN});
    }
    f.Empty();
    CommonEnding(f, q1, q0, l, Q, XQ);
  } else if (heelTriangle && x < B - l) {
    f.Line("x &lt; (B-l) なので付け根位置の地盤反力は、");
    f.Empty();
    f.Line("　　<math>q_0_=#.## (@/m<sup>2</sup>)</math>", {q0, kN});
    f.Empty();
    f.Line("地盤反力の合力");
    f.Empty();
    f.Line("　　<math>Q=#.##(@/m)</math>", {Q, kN});
  } else {
    f.Line("つま先版付け根位置での地盤反力");
    f.Empty();
    if (heelTriangle) {
      f.Line(
          "　　<math>q_0_=q_2_-<box>q_2_<over>x</box>･(B-l)=##.##-<box>##.##<over>#.###</box>×"
          "(#.###-#.###)=##.## (@/m<sup>2</sup>)</math>",
          {q2, q2, x, B, l, q0, kN});
    } else {
      f.Line(
          "　　<math>q_0_=q_1_+<box>q_2_-q_1_<over>B</box>･l=##.##+<box>##.##-##.##<over>"
          "#.###</box>×#.###=##.## (@/m<sup>2</sup>)</math>",
          {q1, q2, q1, B, l, q0, kN});
    }
    f.Empty();
    if (heelTriangle) {
      // The triangle reaches x - (B - l) into the slab from the root; the
      // slab nearer the toe carries none.
      f.Line("地盤反力の合力");
      f.Empty();
      f.Line(
          "　　<math>Q=<box>1<over>2</box>q_0_･(x-B+l)=<box>1<over>2</box>×##.##×(#.###-#.###+"
          "#.###)=##.##(@/m)</math>",
          {q0, x, B, l, Q, kN});
      f.Empty();
      f.Line("合力の作用位置(付け根からの距離)");
      f.Line(
          "　　<math>X_q_=<box>x-B+l<over>3</box>=<box>#.###-#.###+#.###<over>3</box>=#.### (m)"
          "</math>",
          {x, B, l, XQ});
    } else {
      CommonEnding(f, q1, q0, l, Q, XQ);
    }
  }
  PrnBlockClose(f);
}

void PrnFotNiniLoad(PrnFile& f, const CDocument& doc, int32_t i, int16_t& flag) {
  const std::shared_ptr<CFotRes> rec = Record(doc, i);
  if (!rec || !doc.pCase(i) || rec->nNini() <= 0) return;
  const CFotRes& r = *rec;
  const std::string& kN = PrnUnitWords[0];
  const int n = r.nNini();
  PrnBlockOpen(f);
  f.Empty();
  if (flag == 0) {
    f.Line("<H2>その他の荷重</H2>");
    flag = -1;
  }
  CaseHead(f, doc, i);
  f.Empty();
  f.Line("<TABLE ROW=##, COL=4>", {n + 2});
  f.Line("<COLWIDTH=20, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=16, SCOL=1, ECOL=3>");
  f.Line("<HEADER>");
  f.Line("<TL=11, SROW=0, SCOL=0, EROW=0, ECOL=3>");
  f.Line("<TD SROW=0, SCOL=0>名　称</TD>");
  f.Line("<TD SROW=0, SCOL=1>鉛直荷重 (@)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=2>作用位置 (m)</TD>");
  f.Line("<TD SROW=0, SCOL=3>ﾓｰﾒﾝﾄ (@･m)</TD>", {kN});
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  f.Line("<TL=11, SROW=1, SCOL=0, EROW=##, ECOL=3>", {n});
  double sumV = 0, sumM = 0;
  for (int k = 0; k < n; ++k) {
    const int row = k + 1;
    const std::shared_ptr<CNini> L = doc.pNini(r.NiniNo(k));
    f.Line("<TD SROW=##, SCOL=0>@</TD>", {row, L ? L->LoadName : std::string()});
    f.Line("<TD SROW=##, SCOL=1>##.##</TD>", {row, r.NiniLoad(k)});
    f.Line("<TD SROW=##, SCOL=2>#.###</TD>", {row, r.NiniX(k)});
    f.Line("<TD SROW=##, SCOL=3>#.###</TD>", {row, r.NiniX(k) * r.NiniLoad(k)});
    sumV += r.NiniLoad(k);
    sumM += r.NiniX(k) * r.NiniLoad(k);
  }
  f.Line("</LOOP>");
  const int row = n + 1;
  f.Line("<FOTTER>");
  f.Line("<TL=11, SROW=##, SCOL=0, EROW=##, ECOL=3>", {row, row});
  f.Line("<TD SROW=##, SCOL=0>Σ</TD>", {row});
  f.Line("<TD SROW=##, SCOL=1>##.##</TD>", {row, sumV});
  f.Line("<TD SROW=##, SCOL=3>##.##</TD>", {row, sumM});
  f.Line("</FOTTER>");
  f.Line("</TABLE>");
  PrnBlockClose(f);
}

void PrnFotForceSum(PrnFile& f, const CDocument& doc, int32_t i, int16_t& flag) {
  const std::shared_ptr<CFotRes> rec = Record(doc, i);
  if (!rec || !doc.pCase(i)) return;
  const CFotRes& r = *rec;
  const std::string& kN = PrnUnitWords[0];
  double Sn = 0, Mn = 0;
  for (int k = 0; k < r.nNini(); ++k) {
    Sn -= r.NiniLoad(k);
    Mn -= r.NiniX(k) * r.NiniLoad(k);
  }
  struct Row {
    const char* name;
    double S, X, M;
    bool noArm;
  };
  std::vector<Row> rows;
  auto weight = [&](const char* name, const std::shared_ptr<CWeight>& w, double arm) {
    if (w) rows.push_back({name, -w->w(), arm, -w->w() * arm, false});
  };
  weight(" 自重", r.FotW, r.FotwX);
  weight(" 浮力", r.Furyoku, r.FuryokuX);
  weight(" 前面土", r.SoilW(0), r.SoilwX(0));
  weight(" 前面土(浮力)", r.SoilW(1), r.SoilwX(1));
  if (r.Youatsu != 0)
    rows.push_back({" 揚圧力", r.Youatsu, r.YouatsuX, r.YouatsuX * r.Youatsu, false});
  if (r.FotQ != 0) rows.push_back({" 地盤反力", r.FotQ, r.FotQX, r.FotQX * r.FotQ, false});
  if (Sn != 0 || Mn != 0) rows.push_back({" その他の荷重", Sn, 0, Mn, true});
  const int n = static_cast<int>(rows.size());

  PrnBlockOpen(f);
  if (flag == 0) {
    f.Empty();
    f.Line("<H2>断面力の集計</H2>");
    flag = -1;
  }
  f.Empty();
  CaseHead(f, doc, i);
  f.Empty();
  f.Line("<TABLE ROW=##, COL=4, HALIGN=CENTER>", {n + 3});
  f.Line("<COLWIDTH=16, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=14, SCOL=1, ECOL=1>");
  f.Line("<COLWIDTH=10, SCOL=2, ECOL=2>");
  f.Line("<COLWIDTH=14, SCOL=3, ECOL=3>");
  f.Line("<HEADER>");
  f.Line("<TL= 9, SROW=0, SCOL=0, EROW=1, ECOL=0>");
  f.Line("<TL= 9, SROW=0, SCOL=1, EROW=1, ECOL=1>");
  f.Line("<TL= 9, SROW=0, SCOL=2, EROW=1, ECOL=2>");
  f.Line("<TL= 9, SROW=0, SCOL=3, EROW=1, ECOL=3>");
  f.Line("<TD SROW=0, SCOL=0, EROW=1, ECOL=0, VALIGN=MIDDLE>名　称</TD>");
  f.Line("<TD SROW=0, SCOL=1>せん断力</TD>");
  f.Line("<TD SROW=1, SCOL=1>S (@)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=2>アーム長</TD>");
  f.Line("<TD SROW=1, SCOL=2>X (m)</TD>");
  f.Line("<TD SROW=0, SCOL=3>モーメント</TD>");
  f.Line("<TD SROW=1, SCOL=3>M (@･m)</TD>", {kN});
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  f.Line("<TL=11, SROW=2, SCOL=0, EROW=##, ECOL=3>", {n + 1});
  int row = 2;
  for (const Row& w : rows) {
    f.Line(std::string("<TD SROW=##, SCOL=0, HALIGN=LEFT>") + w.name + "</TD>", {row});
    f.Line("<TD SROW=##, SCOL=1>######.##</TD>", {row, w.S});
    if (w.noArm) {
      f.Line("<TD SROW=##, SCOL=2>－</TD>", {row});
    } else {
      f.Line("<TD SROW=##, SCOL=2>###.###</TD>", {row, w.X});
    }
    f.Line("<TD SROW=##, SCOL=3>######.##</TD>", {row, w.M});
    ++row;
  }
  f.Line("</LOOP>");
  f.Line("<FOTTER>");
  f.Line("<TL=11, SROW=##, SCOL=0, EROW=##, ECOL=3>", {row, row});
  f.Line("<TD SROW=##, SCOL=0>合　計</TD>", {row});
  f.Line("<TD SROW=##, SCOL=1>######.##</TD>", {row, r.ForceS});
  f.Line("<TD SROW=##, SCOL=3>######.##</TD>", {row, r.ForceM});
  f.Line("</FOTTER>");
  f.Line("</TABLE>");
  PrnBlockClose(f);
}

void PrnFotStress(PrnFile& f, const CDocument& doc, int32_t i, int16_t& flag) {
  const std::shared_ptr<CFotRes> rec = Record(doc, i);
  if (!rec || !doc.pCase(i)) return;
  const CFotRes& r = *rec;
  const std::string& kN = PrnUnitWords[0];
  const std::string& V = PrnUnitWords[1];
  const double s0 = r.Sgmc(0), s1 = r.Sgmc(1);
  const bool blank = Missing(s0) || Missing(s1);
  const double sMax = blank ? kNullBox : MaxOf(s0, {s1});
  const double sMin = blank ? kNullBox : MinOf(s0, {s1});
  const bool cOk = !blank && sMax <= r.Sgmca;
  const bool tOk = !blank && sMin >= -r.Sgmta;
  const bool tauOk = r.Tauc <= r.Taua;
  const char* signC = !blank && sMax > r.Sgmca ? "＞" : "＜";
  const char* signT = !blank && sMin >= -r.Sgmta ? "＞" : "＜";
  const char* arrow = "　　　　　　　　　　　　　　　　　　　　　　　　　→ @";

  PrnBlockOpen(f);
  f.Empty();
  if (flag == 0) {
    f.Line("<H2>応力度計算</H2>");
    flag = -1;
  }
  CaseHead(f, doc, i);
  const bool mixed = !blank && sMin < 0 && sMax >= 0;
  const bool tension = !blank && sMax < 0;
  f.Empty();
  f.Line(std::string("<math><box>") + (mixed ? "σ_c_<atop>σ_t_" : "σ_c1_<atop>σ_c2_") +
             "</box>}&sp;=±<box>6･M<over>b･h^2^</box> = ±<box>6×#.##<over>1.000×#.###^2^"
             "</box></math>",
         {r.ForceM, r.Height});
  f.Empty();
  std::string verdict;
  if (mixed) {
    f.Line(
        "　　<math>={&sp;<box>#.## (@/m^2^) = #.## (@m^2^) @ σ_ca_ = #.## (@m^2^)<atop>#.## "
        "(@/m^2^) = #.## (@m^2^) @ σ_ta_ = #.## (@m^2^)</box></math>",
        {Kilo(sMax), kN, sMax, V, signC, r.Sgmca, V, Kilo(sMin), kN, sMin, V, signT, -r.Sgmta, V});
    verdict = ReportVerdict(cOk && tOk, {s0, s1, r.Sgmca, r.Sgmta});
  } else if (tension) {
    f.Line(
        "　　<math>={&sp;<box>#.## (@/m^2^) = #.## (@m^2^)<atop>#.## (@/m^2^) = #.## "
        "(@m^2^)</box> @ σ_ta_ = #.## (@m^2^)</math>",
        {Kilo(s0), kN, s0, V, Kilo(s1), kN, s1, V, signT, -r.Sgmta, V});
    verdict = ReportVerdict(tOk, {s0, s1, r.Sgmta});
  } else {
    f.Line(
        "　　<math>={&sp;<box>#.## (@/m^2^) = #.## (@m^2^)<atop>#.## (@/m^2^) = #.## "
        "(@m^2^)</box> @ σ_ca_ = #.## (@m^2^)</math>",
        {Kilo(s0), kN, s0, V, Kilo(s1), kN, s1, V, signC, r.Sgmca, V});
    verdict = ReportVerdict(cOk, {s0, s1, r.Sgmca});
  }
  f.Empty();
  f.Line(arrow, {verdict});
  f.Empty();
  f.Line("<math>τ_c_ = <box>S<over>b･h</box> = <box>##.##<over>1.000×#.###</box></math>",
         {r.ForceS, r.Height});
  f.Empty();
  f.Line("　　<math>= #.## (@/m^2^) = #.## (@m^2^) @ τ_a_ = #.## (@m^2^)</math>",
         {Kilo(r.Tauc), kN, r.Tauc, V, r.Tauc > r.Taua ? "＞" : "＜", r.Taua, V});
  f.Empty();
  f.Line(arrow, {ReportVerdict(tauOk, {r.Tauc, r.Taua})});
  PrnBlockClose(f);
}

void PrnFot(PrnFile& f, const CDocument& doc, const std::string& folder) {
  StatePicks picks = Gather(doc);
  if (const std::shared_ptr<CFotRes> r0 = Record(doc, 0)) picks.secX = r0->SecX;
  Method(f);
  SlabWeight(f, doc, folder);
  Buoyancy(f, doc, folder, picks);
  FrontSoil(f, doc, folder, picks);
  Uplift(f, doc, picks);
  const std::vector<int32_t> cases = PrnReportedCases(doc, PrnSel().PrnFotCases);
  using Item = void (*)(PrnFile&, const CDocument&, int32_t, int16_t&);
  for (Item item :
       {Item{PrnFotHanryoku}, Item{PrnFotNiniLoad}, Item{PrnFotForceSum}, Item{PrnFotStress}}) {
    int16_t flag = 0;
    for (int32_t i : cases) item(f, doc, i, flag);
  }
  PrnFotList(f, doc);
}

void RegisterFotTokWriters() {
  ReportWriters& w = PrnWriters();
  w.PrnFot = PrnFot;
  w.PrnTokki = PrnTokki;
}

}  // namespace norva

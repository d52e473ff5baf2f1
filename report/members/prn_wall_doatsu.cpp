// The earth pressure above a stem check section, case by case: the section's
// figure once, then per case the resultant with its components and point of
// action. The resultant comes from the routine the stem check runs at that
// height, with the same state, back water level and outline, so the text
// ends on the pressure the check took.
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calc/earth_pressure/coulomb.h"
#include "calc/earth_pressure/doatsu.h"
#include "calc/member/wall_force.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "document/outline.h"
#include "document/report_format.h"
#include "drawing/base/report_picture.h"
#include "drawing/figures/doatsu_figure.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_writers.h"
#include "report/earth_pressure/prn_kusabi.h"
#include "report/members/member_lists.h"
#include "report/members/wall_hooks.h"
#include "report/members/wall_section.h"
#include "report/stability/stability_markup.h"

namespace norva {

namespace {

constexpr double kDeg = 57.29577951308238;

// Heights of the section: H1 the soil on the back face above it (the lower
// wall of a mixed wall: the wall above it), H2 the soil above the lower
// wall; b the wall's width at the section.
struct SectionHeights {
  double H1 = 0, H2 = 0, b = 0;
  bool lower = false;
  // The earth pressure's arm in the check's force table, when it has one.
  std::optional<double> arm;
};

SectionHeights Heights(const CDocument& doc, const WallCheckSection& s) {
  const KutaiPoints& p = s.outline;
  const double y = s.y;
  SectionHeights h;
  int f0 = 2, f1 = 5, b0 = 3, b1 = 9;
  switch (doc.WallType()) {
    case 0:
      h.H1 = p[9].Y - doc.UraHd - y;
      break;
    case 1:
    case 2:
      h.H1 = p[6].Y - doc.UraHd - y;
      b1 = 6;
      break;
    default:
      if (s.part == 0) {
        h.H1 = p[9].Y - doc.UraHd - y;
        b0 = 10;
        b1 = 9;
      } else {
        h.lower = true;
        h.H1 = p[3].Y - y;
        h.H2 = p[9].Y - doc.UraHd - p[3].Y;
        f0 = 0;
        f1 = 1;
        b0 = 3;
        b1 = 4;
      }
      break;
  }
  h.b = InterpolateX(p[b0], p[b1], y) - InterpolateX(p[f0], p[f1], y);
  return h;
}

// Whether the stem check forms an earth pressure above the section at all.
bool Loaded(const CDocument& doc, const WallCheckSection& s, const SectionHeights& h) {
  if (!(h.H1 > 0)) return false;
  if (!h.lower) return true;
  const KutaiPoints& p = s.outline;
  return s.y < std::min(p[9].Y - doc.UraHd, p[3].Y - doc.UraHd);
}

// The wedge whose angles give the components (either wedge of a pair: both
// carry the same back-face and friction angles).
const CKusabiRes* AnglesOf(const KusabiPair& K) {
  for (const auto& w : K) {
    if (w && w->Nq() >= 0) return w.get();
  }
  return nullptr;
}

// What a method hands the point-of-action text.
struct Resultant {
  double Pa = 0, alpha = 0, delta = 0;  // radians
  double PV = 0, PH = 0;
  void Split() {
    PV = std::sin(alpha + delta) * Pa;
    PH = std::cos(alpha + delta) * Pa;
  }
};

// Back ground outline of the section as the check forms it.
struct BackGround {
  std::vector<DPoint> pts = std::vector<DPoint>(21);
  int16_t count = 0, n = 0;
};

bool FormBackGround(const CDocument& doc, const WallCheckSection& s, int16_t part, BackGround& g) {
  try {
    MakeUraOutline(doc, s.y, s.outline, g.count, g.pts, g.n, part);
  } catch (const std::exception&) {
    return false;
  }
  return g.n >= 1 && g.n < g.count && static_cast<size_t>(g.count) <= g.pts.size();
}

void ComponentLines(PrnFile& f, const Resultant& r, bool lowerWall) {
  const std::string& kN = PrnUnitWords[0];
  const std::string a = lowerWall ? "α<sub>2</sub>" : "α";
  f.Empty();
  f.Line("土圧の鉛直及び水平成分P<sub>AV1</sub>,P<sub>AH1</sub>は、");
  f.Empty();
  f.Line("　P<sub>AV1</sub> = Ｐ<sub>A1</sub>･sin(" + a +
             "＋δ) = #.##×sin(##.##+##.##) = #####.## (@/m)",
         {r.Pa, r.alpha * kDeg, r.delta * kDeg, r.PV, kN});
  f.Line("　P<sub>AH1</sub> = Ｐ<sub>A1</sub>･cos(" + a +
             "＋δ) = #.##×cos(##.##+##.##) = #####.## (@/m)",
         {r.Pa, r.alpha * kDeg, r.delta * kDeg, r.PH, kN});
}

void ActionHeader(PrnFile& f) {
  PrnBlockClose(f);
  PrnBlockOpen(f);
  f.Empty();
  f.Line("土圧の作用位置X<sub>P1</sub>,Y<sub>P1</sub>は、");
  f.Empty();
}

// The horizontal distance line, which closes the block. The arm printed is
// the one the force table uses: it is measured from the check's wall axis,
// which lies off the middle of the section where the wall's foot is not level
// or where the section also cuts the lower wall behind an upper wall.
void DistanceLine(PrnFile& f, const SectionHeights& h, double Y, double alpha) {
  const double X = h.b * 0.5 - std::tan(alpha) * Y;
  const double shown = h.arm.value_or(X);
  f.Line(
      "　<math>X_P1_=<box>1<over>2</box>･h-Y_P1_･tanα=<box>1<over>2</box>×#.###-#.###×"
      "tan(##.##)=#.### (m)</math>",
      {h.b, Y, alpha * kDeg, shown});
  if (FormatPattern(X, "#.###") != FormatPattern(shown, "#.###")) {
    f.Empty();
    f.Line("　※X<sub>P1</sub>は断面力の集計に用いた壁軸からの距離を示す。");
  }
  PrnBlockClose(f);
}

void ThirdHeight(PrnFile& f, const SectionHeights& h, double alpha) {
  ActionHeader(f);
  const double Y = h.H1 / 3;
  f.Line("　<math>Y_P1_=<box>1<over>3</box>･H_1_=<box>1<over>3</box>×#.###=#.### (m)</math>",
         {h.H1, Y});
  DistanceLine(f, h, Y, alpha);
}

void Trapezoid(PrnFile& f, const SectionHeights& h, double alpha) {
  ActionHeader(f);
  const double Y = (3 * h.H2 + h.H1) * (h.H1 / 3) / (h.H1 + 2 * h.H2);
  f.Line(
      "　<math>Y_P1_=<box>H_2_<over>3</box>･<box>3H_1_+H_2_<over>2H_1_+H_2_</box>=<box>"
      "#.###<over>3</box>×<box>3×#.###+#.###<over>2×#.###+#.###</box>=#.### (m)</math>",
      {h.H1, h.H2, h.H1, h.H2, h.H1, Y});
  DistanceLine(f, h, Y, alpha);
}

// The resultant from the coefficient the stability calculation
// back-calculated for the whole wall.
void BackCalculated(PrnFile& f, const CDocument& doc, const SectionHeights& h, double y,
                    const CAntRes& res, const CKusabiRes& w, bool lines, Resultant& r) {
  const std::string& kN = PrnUnitWords[0];
  const double gam = doc.Gamb, Ka = res.Ka;
  r.Pa = h.H1 * (gam * 0.5 * Ka * h.H1);
  r.alpha = w.fAlpha;
  r.delta = w.fDelta;
  r.Split();
  if (!lines) return;
  f.Line(
      "　安定計算で算定された土圧から土圧係数K<sub>A</sub>を求め、断面位置から上部に作用する土圧"
      "P<sub>A1</sub>を求める。");
  f.Empty();
  f.Line(
      "<math>K_A_=<box>2･P_a_<over>γ･H^2^</box>=<box>2×##.##<over>##.##×##.###^2^</box>="
      "#.####</math>",
      {res.Pa, gam, h.H1 + y, Ka});
  f.Empty();
  f.Line(
      "<math>P_A1_=<box>1<over>2</box>γ･H_1_^2^･K_A_=<box>1<over>2</box>×##.##×#.###^2^×"
      "#.####=##.## (@/m)</math>",
      {gam, h.H1, Ka, r.Pa, kN});
  f.Empty();
  f.Line("P<sub>A1</sub>の鉛直及び水平分力P<sub>AV1</sub>,P<sub>AH1</sub>は、");
  f.Empty();
  f.Line("<math>P_AV1_=P_A1_･sin(α+δ)=##.##×sin(##.##+##.##)=##.## (@/m)</math>",
         {r.Pa, r.alpha * kDeg, r.delta * kDeg, r.PV, kN});
  f.Line("<math>P_AH1_=P_A1_･cos(α+δ)=##.##×cos(##.##+##.##)=##.## (@/m)</math>",
         {r.Pa, r.alpha * kDeg, r.delta * kDeg, r.PH, kN});
}

// The Coulomb pressure diagram over H1, split at the water surface.
struct CoulombDiagram {
  double hw = 0, P1 = 0, P2 = 0, P3 = 0, PA1 = 0, PA2 = 0, MP1 = 0, MP2 = 0, Y = 0;
};

CoulombDiagram Diagram(double Ka, double qd, double qw, double gam, double gamd, double H1,
                       double hw) {
  CoulombDiagram d;
  d.hw = hw;
  d.P1 = Ka * (qd + qw);
  d.P2 = d.P1 + Ka * gam * (H1 - hw);
  d.P3 = d.P2 + Ka * gamd * hw;
  d.PA1 = (d.P1 + d.P2) * (H1 - hw) / 2;
  d.PA2 = (d.P2 + d.P3) * hw / 2;
  d.MP1 = d.P1 + d.P2 != 0 ? ((2 * d.P1 + d.P2) / (d.P1 + d.P2) * (H1 - hw) / 3 + hw) * d.PA1 : 0.0;
  d.MP2 = d.P2 + d.P3 != 0 ? ((2 * d.P2 + d.P3) / (d.P2 + d.P3) * hw / 3) * d.PA2 : 0.0;
  d.Y = d.PA1 + d.PA2 != 0 ? (d.MP1 + d.MP2) / (d.PA1 + d.PA2) : 0.0;
  return d;
}

void CoulombLines(PrnFile& f, const CDocument& doc, const SectionHeights& h, double Ka, double qd,
                  double qw, const CoulombDiagram& d, const Resultant& r, double deltaDeg) {
  const std::string& kN = PrnUnitWords[0];
  const double H1 = h.H1, hw = d.hw;
  const char* value = "　<math>&nbsp;&nbsp;&nbsp;=##.##&nbsp;(@/m)</math>";
  f.Line(
      "安定計算で算出された土圧係数K<sub>A</sub>を元に、断面位置から上部に作用する土圧"
      "P<sub>A1</sub>を求める。");
  f.Empty();
  f.Line("上端での土圧");
  f.Line("　<math>P_1_=K_A_･(q_d_+q_w_)</math>");
  f.Line("　<math>&nbsp;&nbsp;&nbsp;=##.####×(##.##+##.##)</math>", {Ka, qd, qw});
  f.Line(value, {d.P1, kN});
  f.Empty();
  f.Line("水位面での土圧");
  f.Line("　<math>P_2_=P_1_+K_A_･γ･(H_1_－h_w_)</math>");
  f.Line("　<math>&nbsp;&nbsp;&nbsp;=##.##＋##.####×##.##×(##.###－##.###)</math>",
         {d.P1, Ka, doc.Gamb, H1, hw});
  f.Line(value, {d.P2, kN});
  f.Empty();
  f.Line("下端での土圧");
  f.Line("　<math>P_3_=P_2_+K_A_･γ'･h_w_</math>");
  f.Line("　<math>&nbsp;&nbsp;&nbsp;=##.##＋##.####×##.##×##.###</math>",
         {d.P2, Ka, doc.Gambd, hw});
  f.Line(value, {d.P3, kN});
  PrnBlockClose(f);
  PrnBlockOpen(f);
  f.Empty();
  f.Line("上端から水位面までの土圧合力");
  f.Line(
      "　<math>P_A1_'=<box>1<over>2</box>(P_1_+P_2_)(H_1_-h_w_)=<box>1<over>2</box>×"
      "(##.##+##.##)(#.###-#.###)=##.## (@/m)</math>",
      {d.P1, d.P2, H1, hw, d.PA1, kN});
  f.Empty();
  f.Line("水位面から下端までの土圧合力");
  f.Line(
      "　<math>P_A2_'=<box>1<over>2</box>(P_2_+P_3_)h_w_=<box>1<over>2</box>×"
      "(##.##+##.##)×#.###=##.## (@/m)</math>",
      {d.P2, d.P3, hw, d.PA2, kN});
  f.Empty();
  f.Line("以上より、土圧合力はP<sub>A1</sub>は、");
  f.Empty();
  f.Line("　<math>P_A1_=P_A1_'＋P_A2_'=##.##＋##.##=##.## (@/m)</math>", {d.PA1, d.PA2, r.Pa, kN});
  f.Empty();
  f.Line("P<sub>A1</sub>の鉛直及び水平分力P<sub>AV1</sub>,P<sub>AH1</sub>は、");
  f.Empty();
  f.Line("　<math>P_AV1_=P_A1_･sin(α+δ)=##.##×sin(##.##+##.##)=##.## (@/m)</math>",
         {r.Pa, r.alpha * kDeg, deltaDeg, r.PV, kN});
  f.Line("　<math>P_AH1_=P_A1_･cos(α+δ)=##.##×cos(##.##+##.##)=##.## (@/m)</math>",
         {r.Pa, r.alpha * kDeg, deltaDeg, r.PH, kN});
  PrnBlockClose(f);
  PrnBlockOpen(f);
  f.Empty();
  const std::string m = "　<math>=##.##&nbsp;(@･m)</math>";
  f.Line("上端から水位面までの土圧によるモーメント");
  f.Line(
      "　<math>M_P1_=<box>(<left><box>2･P_1_+P_2_<over>P_1_+P_2_</box>･<box>H-h_w_<over>3"
      "</box>+h_w_<right>)</box>P_A1_'</math>");
  f.Line(
      "　   <math>=<box>(<left><box>2×##.##+##.##<over>##.##+##.##</box>×<box>#.###-#.###"
      "<over>3</box>+#.###<right>)</box>×##.##</math>",
      {d.P1, d.P2, d.P1, d.P2, H1, hw, hw, d.PA1});
  f.Line("　   <math>=##.##&nbsp;(@･m)</math>", {d.MP1, kN});
  f.Empty();
  f.Line("水位面から下端までの土圧によるモーメント");
  f.Line(
      "　<math>M_P2_=<box>(<left><box>2･P_2_+P_3_<over>P_2_+P_3_</box>･<box>h_w_<over>3"
      "</box><right>)</box>P_A2_'</math>");
  f.Line(
      "　   <math>=<box>(<left><box>2×##.##+##.##<over>##.##+##.##</box>×<box>#.###<over>3"
      "</box><right>)</box>×##.##</math>",
      {d.P2, d.P3, d.P2, d.P3, hw, d.PA2});
  f.Line("　   <math>=##.##&nbsp;(@･m)</math>", {d.MP2, kN});
  f.Empty();
  f.Line("土圧の作用位置X<sub>P1</sub>,Y<sub>P1</sub>は、");
  f.Line(
      "　<math>Y_P1_=<box>M_P1_+M_P2_<over>P_A1_'＋P_A2_'</box>=<box>##.##+##.##<over>"
      "##.##+##.##</box>=#.### (m)</math>",
      {d.MP1, d.MP2, d.PA1, d.PA2, d.Y});
  DistanceLine(f, h, d.Y, r.alpha);
}

}  // namespace

void PrnWallKusabiMori(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                       const std::string& folder, const CKusabiRes& w, double Pa) {
  const std::string& kN = PrnUnitWords[0];
  const std::string graph =
      folder + "/壁断面ω" + FormatPattern(s.index, "000") + FormatPattern(k, "000") + ".svg";
  const bool drawn = PrnKusabiGraph(doc, w, graph) != 0;
  f.Empty();
  f.Line(
      "主働すべり角ω<SUB>A</SUB>を変化させ断面位置から上部に作用する最大土圧を算出した結果は"
      "下の通り。");
  f.Empty();
  f.Line("壁面傾斜角　　α<sub> </sub> = ###.## (度)", {w.fAlpha * kDeg});
  f.Line("内部摩擦角　　φ<sub> </sub> = ###.## (度)", {w.fFai * kDeg});
  f.Line("壁面摩擦角　　δ<sub> </sub> = ###.## (度)", {w.fDelta * kDeg});
  if (w.fKh > 0) {
    f.Line("設計水平震度　k<sub>H</sub>  = ###.##", {std::tan(w.fKh)});
    f.Line("地震合成角　　θ<sub> </sub> = ###.## (度)", {w.fKh * kDeg});
  }
  f.Line("湿 潤 重 量　 γ<sub> </sub> = ###.## (@/m<sup>3</sup>)", {doc.Gamb, kN});
  if (w.fWlvl > 0) {
    f.Line("水 中 重 量　 γ'<sub> </sub>= ###.## (@/m<sup>3</sup>)", {doc.Gambd, kN});
  }
  f.Line("粘　着　力　　ｃ<sub> </sub> = ###.## (@/m<sup>2</sup>)", {w.fC, kN});
  f.Empty();
  if (drawn) PrnImage(f, graph, 50);
  PrnKusabiTable(f, doc, &w, "ω<SUB>A</SUB>|ｌ|Ｗ|Ｐ<SUB>A1</SUB>");
  f.Empty();
  f.Line("従って、最大主働土圧はω=##.##°の時、", {w.fOmega * kDeg});
  f.Empty();
  f.Line("　P<sub>A1</sub> = ####.## (@/m)", {Pa, kN});
}

void PrnWallKusabiOogata(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                         const std::string& folder, const CKusabiRes& K0, const CKusabiRes& K1,
                         double d, double d1) {
  const std::string& kN = PrnUnitWords[0];
  const double Pa = OogataBlend(K1.fPa, K0.fPa, d, d1);
  f.Empty();
  f.Line("d=0とした場合の主働土圧合力");
  f.Empty();
  f.Line("　<math>P_A0'_=<box>W･secθ･sin(ε－φ＋θ)－c･l･cosφ<over>cos(ε－φ－α－δ)</box></math>");
  f.Empty();
  f.Line(
      "　　 <math>=<box>##.##×sec(##.##)×sin(##.##－##.##＋##.##)－##.##×##.###×cos(##.##)"
      "<over>cos(##.##－##.##－##.##－##.##)</box></math>",
      {K1.fWQ(0), K1.fKh * kDeg, K1.fOmega * kDeg, K1.fFai * kDeg, K1.fKh * kDeg, K1.fC, K1.fL(0),
       K1.fFai * kDeg, K1.fOmega * kDeg, K1.fFai * kDeg, K1.fAlpha * kDeg, K1.fDelta * kDeg});
  f.Empty();
  f.Line("　　 <math>=##.## (@/m)</math>", {K1.fPa, kN});
  // The heel on the cut face: the calculation adopts this plane as it is,
  // with the backfill's φ and c (the record carries no cut-face strengths).
  if (!(d > 0)) return;
  PrnBlockClose(f);
  const std::string graph =
      folder + "/WallKusabiRes" + FormatPattern(s.index, "00") + FormatPattern(k, "00") + ".svg";
  const bool drawn = PrnKusabiGraph(doc, K0, graph) != 0;
  PrnBlockOpen(f);
  f.Empty();
  f.Line("盛土部擁壁とみなした場合の主働土圧合力");
  f.Empty();
  f.Line(
      "　主働すべり角ω<sub>A</sub>を変化させ、盛土部擁壁と見なした場合の最大主働土圧合力は下表"
      "の通り。");
  f.Empty();
  if (drawn) f.Line("<IMG SRC=\"@\", WIDTH=50% HEIGHT=50%>", {graph});
  PrnKusabiTable(f, doc, &K0, "ω<SUB>A</SUB>|ｌ|Ｗ|Ｐ<SUB>A1</SUB>'");
  f.Empty();
  f.Line("従って、盛土部擁壁とみなした場合の最大主働土圧合力はω<sub>A</sub>=#.###°の時となる。",
         {K0.fOmega * kDeg});
  f.Empty();
  f.Line("　　P<sub>A1</sub>'=##.## (@/m)", {K0.fPa, kN});
  f.Empty();
  f.Line("地山の影響を無視できる距離d<sub>1</sub>は、ω<sub>A</sub>=#.###°より、",
         {K0.fOmega * kDeg});
  f.Empty();
  f.Line("　　<math>d_1_=#.### (m)</math>", {d1});
  f.Empty();
  f.Line("主働土圧合力");
  f.Empty();
  // Beyond d1, or without one, the calculation blends nothing: the blend's
  // numbers would not give the pressure it took.
  if (d1 > 0 && d < d1) {
    f.Line(
        "　<math>P_A1_=<sqrt>1-<box>(<left><box>d-d_1_<over>d_1_</box><right>)</box></sqrt>"
        "(P_A1'_-P_A0'_)+P_A0'_</math>");
    f.Empty();
    f.Line(
        "　  <math>=<sqrt>1-<box>(<left><box>#.###-#.###<over>#.###</box><right>)</box></sqrt>"
        "(##.##-##.##)+##.##</math>",
        {d, d1, d1, K0.fPa, K1.fPa, K1.fPa});
    f.Empty();
  }
  f.Line("　  <math>=##.## (@/m)</math>", {Pa, kN});
  PrnBlockClose(f);
  PrnBlockOpen(f);
}

namespace {

// The plane along the cut face through the heel: the formula and its numbers.
void CutFacePlane(PrnFile& f, const CKusabiRes& w, const char* formula) {
  f.Line(formula);
  f.Empty();
  f.Line(
      "　  <math>=<box>##.##×sec(##.##)×sin(##.##－##.##＋##.##)－##.##×##.###×cos(##.##)"
      "<over>cos(##.##－##.##－##.##－##.##)</box></math>",
      {w.fWQ(1) + w.fWQ(0), w.fKh * kDeg, w.fTheta * kDeg, w.fFaid * kDeg, w.fKh * kDeg, w.fCd,
       w.fL(1) + w.fL(0), w.fFaid * kDeg, w.fTheta * kDeg, w.fFaid * kDeg, w.fAlpha * kDeg,
       w.fDelta * kDeg});
  f.Empty();
  f.Line("　　<math>=##.## (@/m)</math>", {w.fPa, PrnUnitWords[0]});
}

// The graph of a wedge's trials, saved as <folder>/<base><index 000><case 000>.svg;
// its image line when drawn.
void TrialGraph(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                const std::string& folder, const char* base, const CKusabiRes& w) {
  const std::string graph =
      folder + "/" + base + FormatPattern(s.index, "000") + FormatPattern(k, "000") + ".svg";
  if (PrnKusabiGraph(doc, w, graph) != 0) {
    f.Line("<IMG SRC=\"@\", WIDTH=50% HEIGHT=50%>", {graph});
  }
}

// The wedge inside the backfill (when the check formed one), then the
// heading of the cut-face wedge in a block of its own.
void BackfillWedge(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                   const std::string& folder, const char* base, const CKusabiRes* K1, bool apart) {
  if (K1) {
    f.Empty();
    f.Line(apart
               ? "ω<sub>A1</"
                 "sub>を変化させ、裏込め土内部のすべり面での最大土圧を計算した結果は下表の通り。"
               : "ω<sub>A</"
                 "sub>を変化させ、裏込め土内部のすべり面での最大土圧を計算した結果は下表の通り。");
    f.Empty();
    TrialGraph(f, doc, s, k, folder, base, *K1);
    PrnKusabiTable(
        f, doc, K1,
        apart ? "ω<SUB>A1</SUB>|ｌ|Ｗ|Ｐ<SUB>A1</SUB>'" : "ω<SUB>A</SUB>|ｌ|Ｗ|Ｐ<SUB>A1</SUB>'");
    f.Empty();
    f.Line(apart ? "従って、裏込め土内部のすべり面の最大土圧はω<SUB>A1</sub>=##.###°の時となり、"
                 : "従って、裏込め土内部のすべり面の最大土圧はω<SUB>A</sub>=##.###°の時となり、",
           {K1->fOmega * kDeg});
    f.Empty();
    f.Line("　<math>P_A1'_=##.## (@/m)</math>", {K1->fPa, PrnUnitWords[0]});
  }
  PrnBlockClose(f);
  PrnBlockOpen(f);
  f.Empty();
  f.Line("切土面での主働土圧は、");
  f.Empty();
}

// The cut-face wedge's trials: the intro sentence, the graph, the table and
// the maximum they reach.
void CutFaceTrials(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                   const std::string& folder, const char* base, const char* intro,
                   const CKusabiRes& K0) {
  f.Line(intro);
  f.Empty();
  TrialGraph(f, doc, s, k, folder, base, K0);
  PrnKusabiTable(f, doc, &K0,
                 "ω<SUB>A2</SUB>|ｌ|ｌ'|Ｗ<sub>1</sub>|Ｗ<sub>2</sub>|Ｐ<SUB>A2</SUB>'");
  f.Empty();
  f.Line("従って、切土面上のすべり面での最大土圧はω<SUB>A2</sub>=##.###°の時となり、",
         {K0.fOmega * kDeg});
  f.Empty();
  f.Line("　<math>P_A2'_=##.## (@/m)</math>", {K0.fPa, PrnUnitWords[0]});
}

// The closing maximum: the wedge the calculation adopted (its rule on a tie).
void Maximum(PrnFile& f, const CKusabiRes* K0, const CKusabiRes* K1, double Pa) {
  f.Empty();
  f.Line("以上より、");
  f.Empty();
  f.Line(
      "　　P<sub>A1</sub> = max(P<sub>A1</sub>', P<sub>A2</sub>') = max(##.##, ##.##) = ##.## "
      "(@/m)",
      {K1 ? K1->fPa : kNullBox, K0 ? K0->fPa : kNullBox, Pa, PrnUnitWords[0]});
}

}  // namespace

void PrnWallKusabiKiri(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                       const std::string& folder, const CKusabiRes* K0, const CKusabiRes* K1,
                       double Pa) {
  const std::string& kN = PrnUnitWords[0];
  const CKusabiRes* c = K0 ? K0 : K1;
  if (!c) return;
  const double d = K0 ? K0->fDist : 0;
  f.Empty();
  f.Line("地山の傾斜角　ε<sub> </sub> = ###.## (度)", {c->fTheta * kDeg});
  f.Line("壁面傾斜角　　α<sub> </sub> = ###.## (度)", {c->fAlpha * kDeg});
  f.Line("内部摩擦角　　φ<sub> </sub> = ###.## (度)", {c->fFai * kDeg});
  f.Line("壁面摩擦角　　δ<sub> </sub> = ###.## (度)", {c->fDelta * kDeg});
  if (c->fKh > 0) {
    f.Line("設計水平震度　k<sub>H</sub>  = ###.##", {std::tan(c->fKh)});
    f.Line("地震合成角　　θ<sub> </sub> = ###.## (度)", {c->fKh * kDeg});
  }
  f.Line("湿 潤 重 量　 γ<sub> </sub> = ###.## (@/m<sup>3</sup>)", {doc.Gamb, kN});
  if (c->fWlvl > 0) {
    f.Line("水 中 重 量　 γ'<sub> </sub>= ###.## (@/m<sup>3</sup>)", {doc.Gambd, kN});
  }
  f.Line("粘　着　力　　ｃ<sub> </sub> = ###.## (@/m<sup>2</sup>)", {c->fC, kN});

  if (doc.KiriDoatsu != 0) {
    f.Empty();
    if (!K0) {
      f.Line("-----");
      return;
    }
    if (!(d > 0)) {
      f.Line("主働土圧合力は、");
      f.Empty();
      CutFacePlane(f, *K0,
                   "　<math>P_A1_=<box>Ｗ･secθ･sin(ε－δ'＋θ)－c'･l･cosδ'<over>cos(ε－δ'－α－δ)"
                   "</box></math>");
      return;
    }
    f.Line("ω<sub>A</sub>を変化させ、最大土圧を計算した結果は下表の通り。");
    f.Empty();
    TrialGraph(f, doc, s, k, folder, "壁断面ω", *K0);
    PrnKusabiTable(f, doc, K0,
                   "ω<SUB>A</SUB>|ｌ|ｌ'|Ｗ<sub>1</sub>|Ｗ<sub>2</sub>|Ｐ<SUB>A1</SUB>");
    f.Empty();
    f.Line("従って、最大土圧はω<SUB>A</sub>=##.###°の時となり、", {K0->fOmega * kDeg});
    f.Empty();
    f.Line("　　<math>P_A1_=##.## (@/m)</math>", {K0->fPa, kN});
    PrnBlockClose(f);
    PrnBlockOpen(f);
    return;
  }

  const bool apart = d > 0;
  BackfillWedge(f, doc, s, k, folder, "壁断面ω1", K1, apart);
  if (!K0) {
    f.Line("-----");
  } else if (!apart) {
    CutFacePlane(f, *K0,
                 "　<math>P_A2'_=<box>Ｗ･secθ･sin(ε－δ'＋θ)－c'･l･cosδ'<over>cos(ε－δ'－α－δ)"
                 "</box></math>");
  } else {
    CutFaceTrials(f, doc, s, k, folder, "壁断面ω2",
                  "ω<sub>A2</sub>を変化させ、切土面での最大土圧を計算した結果は下表の通り。", *K0);
  }
  Maximum(f, K0, K1, Pa);
}

namespace {

// The constants of a lower-wall wedge: the upper wall's angle and thrust, the
// lower wall's, the backfill's.
void LowerWallConstants(PrnFile& f, const CDocument& doc, const CKusabiRes& w) {
  const std::string& kN = PrnUnitWords[0];
  f.Line("上部擁壁　壁面傾斜角　　α<sub>1</sub> = ###.## (度)", {w.fAlphaU * kDeg});
  f.Line("　　　　　主働土圧合力　P<sub>1</sub>  = ###.## (@/m)", {w.fPaU, kN});
  f.Empty();
  f.Line("下部擁壁　壁面傾斜角　　α<sub>2</sub> = ###.## (度)", {w.fAlpha * kDeg});
  f.Line("　　　　　壁面摩擦角　　δ<sub> </sub> = ###.## (度)", {w.fDelta * kDeg});
  f.Empty();
  f.Line("裏込め土　内部摩擦角　　φ<sub> </sub> = ###.## (度)", {w.fFai * kDeg});
  f.Line("　　　　　湿 潤 重 量　 γ<sub> </sub> = ###.## (@/m<sup>3</sup>)", {doc.Gamb, kN});
  if (w.fWlvl > 0) {
    f.Line("　　　　　水 中 重 量　 γ'<sub> </sub>= ###.## (@/m<sup>3</sup>)", {doc.Gambd, kN});
  }
  f.Line("　　　　　粘　着　力　　ｃ<sub> </sub> = ###.## (@/m<sup>2</sup>)", {w.fC, kN});
}

void SeismicLines(PrnFile& f, const CKusabiRes& w, const char* first) {
  if (!(w.fKh > 0)) return;
  f.Empty();
  f.Line(std::string(first) + "設計水平震度　k<sub>H</sub>  = ###.##", {std::tan(w.fKh)});
  f.Line("　　　　　地震合成角　　θ<sub> </sub> = ###.## (度)", {w.fKh * kDeg});
}

// The single plane on the cut face of a lower wall, presented by Z: the
// quotient line, its value, then Z and its numbers.
void LowerWallPlane(PrnFile& f, const CKusabiRes& w, const char* quotient, const char* zLine,
                    const char* p1Line) {
  const double Z = (w.fWQ(1) + w.fWQ(0)) / std::cos(w.fKh) * std::sin(w.fTheta - w.fFaid + w.fKh) -
                   (w.fL(1) + w.fL(0)) * w.fCd * std::cos(w.fFaid) -
                   w.fPaU * std::cos(w.fTheta - w.fFai - w.fAlphaU - w.fDelta);
  f.Line(quotient);
  f.Empty();
  f.Line("　  <math>=<box>##.##<over>cos(##.##-##.##-##.##-##.##)</box></math>",
         {Z, w.fTheta * kDeg, w.fFaid * kDeg, w.fAlpha * kDeg, w.fDelta * kDeg});
  f.Empty();
  f.Line("　　<math>=##.## (@/m)</math>", {w.fPa, PrnUnitWords[0]});
  f.Empty();
  f.Line(zLine);
  f.Empty();
  f.Line("　  <math>=##.##×sec(##.##)×sin(##.##-##.##+##.##)-##.##×##.###×cos(##.##)</math>",
         {w.fWQ(1) + w.fWQ(0), w.fKh * kDeg, w.fTheta * kDeg, w.fFaid * kDeg, w.fKh * kDeg, w.fCd,
          w.fL(1) + w.fL(0), w.fFaid * kDeg});
  f.Empty();
  f.Line(p1Line, {w.fPaU, w.fTheta * kDeg, w.fFai * kDeg, w.fDelta * kDeg, w.fAlphaU * kDeg});
  f.Empty();
  f.Line("　　<math>=##.##</math>", {Z});
}

}  // namespace

void PrnWallKusabiKongoMori(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                            const std::string& folder, const CKusabiRes& w, double Pa) {
  f.Empty();
  f.Line(
      "主働すべり角ω<SUB>A</SUB>を変化させ断面位置から上部に作用する最大土圧を算出した結果は"
      "下の通り。");
  f.Empty();
  LowerWallConstants(f, doc, w);
  SeismicLines(f, w, "その他　　");
  f.Empty();
  const std::string graph = folder + "/下部擁壁壁断面ω" + FormatPattern(s.index, "000") +
                            FormatPattern(k, "000") + ".svg";
  if (PrnKusabiGraph(doc, w, graph) != 0) PrnImage(f, graph, 50);
  PrnKusabiTable(f, doc, &w, "ω<SUB>A</SUB>|ｌ|Ｗ|Ｐ<SUB>A1</SUB>");
  f.Empty();
  f.Line("従って、最大主働土圧はω=##.###°の時、", {w.fOmega * kDeg});
  f.Empty();
  f.Line("　P<sub>A1</sub> = ####.## (@/m)", {Pa, PrnUnitWords[0]});
}

void PrnWallKusabiKongo(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                        const std::string& folder, const CKusabiRes* K0, const CKusabiRes* K1,
                        double Pa) {
  const std::string& kN = PrnUnitWords[0];
  const CKusabiRes* c = K0 ? K0 : K1;
  if (!c) return;
  const double d = K0 ? K0->fDist : 0;
  f.Empty();
  LowerWallConstants(f, doc, *c);
  f.Empty();
  f.Line("その他　　地山の傾斜角　ε<sub> </sub> = ###.## (度)", {90 - std::atan(doc.KiriN) * kDeg});
  f.Line("　　　　　地山の摩擦角  δ'<sub> </sub>= ###.## (度)", {doc.Deltd});
  SeismicLines(f, *c, "　　　　　");

  if (doc.KiriDoatsu != 0) {
    f.Empty();
    f.Line("主働土圧合力は、");
    f.Empty();
    if (!K0) {
      f.Line("-----");
    } else if (!(d > 0)) {
      // The calculation's sign in the denominator, so the quotient is fPa.
      LowerWallPlane(f, *K0, "　<math>P_A1_=<box>Z<over>cos(ε-δ'-α-δ)</box></math>",
                     "　<math>Z=W･secθ･sin(ε-δ'+θ)-c'･l･cosδ'-P_1_cos(ε-φ-δ-α_1_)</math>",
                     "　  　　　　　　　　　　　　　　　　　　　<math>-##.##×cos(##.##-##.##-##.##-"
                     "##.##)</math>");
    } else {
      f.Line("ω<sub>A</sub>を変化させ、最大土圧を計算した結果は下表の通り。");
      f.Empty();
      TrialGraph(f, doc, s, k, folder, "下部擁壁壁断面ω", *K0);
      PrnKusabiTable(f, doc, K0,
                     "ω<SUB>A</SUB>|ｌ|ｌ'|Ｗ<sub>1</sub>|Ｗ<sub>2</sub>|Ｐ<SUB>A1</SUB>");
      f.Empty();
      f.Line("従って、切土面上のすべり面での最大土圧はω<SUB>A</sub>=##.###°の時となり、",
             {K0->fOmega * kDeg});
      f.Empty();
      f.Line("　<math>P_A1_=##.## (@/m)</math>", {K0->fPa, kN});
    }
    return;
  }

  const bool apart = d > 0;
  BackfillWedge(f, doc, s, k, folder, "下部擁壁壁断面ω1", K1, apart);
  if (!K0) {
    f.Line("-----");
  } else if (!apart) {
    LowerWallPlane(f, *K0, "　<math>P_A2'_=<box>Z<over>cos(ε-δ'-α_2_-δ)</box></math>",
                   "　<math>Z=Ｗ･secθ･sin(ε-δ'+θ)-c'･l･cosδ'-P_1_cos(ε-φ-δ-α_1_)</math>",
                   "　                                  <math>-##.##×cos(##.##-##.##-##.##-##.##)"
                   "</math>");
  } else {
    CutFaceTrials(
        f, doc, s, k, folder, "下部擁壁壁断面ω2",
        "ω<sub>A2</sub>を変化させ、切土面上のすべり面での最大土圧を計算した結果は下表の通り。",
        *K0);
  }
  Maximum(f, K0, K1, Pa);
}

namespace {

// A case whose earth pressure the check could not form.
void NoPressure(PrnFile& f) {
  f.Line("-----");
  PrnBlockClose(f);
}

}  // namespace

void PrnWallDoatsu(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                   const std::string& folder, int16_t& flag) {
  SectionHeights h = Heights(doc, s);
  if (const std::shared_ptr<CWallRes> res = doc.pWallRes(s.part, k, s.index);
      res && res->nAForce(5) != 0) {
    h.arm = res->AForceX(5);
  }
  const std::shared_ptr<CKajyuCase> cs = doc.pCase(k);
  if (!cs || !Loaded(doc, s, h)) return;
  const int16_t st = WallForceState(doc, k).st;
  const double hw = WallForceWaterLevels(doc, *cs, st).back;

  if (flag == 0) {
    ReportPicture picture(kAnteiFigureWidth, kAnteiFigureHeight);
    DrawDoatsuFigure(doc, s.y, WallSectionNumeral(s.index), s.part, picture.Draw());
    const std::string path =
        PrnSaveFigure(picture, folder,
                      "壁断面土圧" + std::to_string(s.part) + FormatPattern(s.index, "000") +
                          FormatPattern(k, "000"));
    PrnBlockOpen(f);
    f.Empty();
    PrnHeading(f, doc, 2, "土　圧");
    PrnImage(f, path, 50);
    flag = -1;
  } else {
    PrnBlockOpen(f);
  }
  f.Empty();
  PrnCaseHeading(f, doc, k, 3);
  PrnQuakeNoteLevels(f, doc, k, st == 1);
  f.Empty();

  // The report reruns the check's routines on the document, which they leave
  // as they found it; the section's wedges own no trial files.
  CDocument& work = const_cast<CDocument&>(doc);
  // Only the embankment wedge of a section shows its trials; its files end
  // with its record at the end of this call.
  const bool large = doc.BackType != 0 && doc.Sisin == 3 && doc.WallType() != 3;
  const bool cut = doc.BackType != 0 && doc.Sisin != 3 && doc.WallType() != 3;
  const bool trials =
      h.lower || (doc.Doatsu == 1 && doc.SecDoatsu != 0 && (doc.BackType == 0 || large || cut));
  std::optional<NoTrialFilesScope> noFiles;
  if (!trials) noFiles.emplace();
  const std::shared_ptr<CAntRes> res0 = doc.AntRes(0, k);
  BackGround g;
  Resultant r;
  KusabiPair K{};
  double x = 0, ya = 0;

  if (h.lower) {
    const KutaiPoints& p = s.outline;
    if (!res0 || p[9].Y == p[3].Y || !FormBackGround(doc, s, 1, g)) return NoPressure(f);
    const double alphaU = -std::atan((p[9].X - p[3].X) / (p[9].Y - p[3].Y));
    if (!CalcKusabiMxwLower(1, work, k, st, hw, s.y, p, g.count, g.pts, g.n, alphaU, res0->Pa, r.Pa,
                            x, ya, K)) {
      return NoPressure(f);
    }
    const CKusabiRes* w = AnglesOf(K);
    if (!w) return NoPressure(f);
    r.alpha = w->fAlpha;
    r.delta = w->fDelta;
    r.Split();
    if (doc.BackType != 0) {
      PrnWallKusabiKongo(f, doc, s, k, folder, K[0].get(), K[1].get(), r.Pa);
    } else {
      PrnWallKusabiKongoMori(f, doc, s, k, folder, *w, r.Pa);
    }
    ComponentLines(f, r, true);
    return Trapezoid(f, h, r.alpha);
  }

  if (!FormBackGround(doc, s, 0, g)) return NoPressure(f);
  const bool mixed = doc.WallType() == 3;
  if (doc.Doatsu == 0) {
    double qd = 0, qw = 0, Ka = 0;
    EpStatus ep;
    if (mixed) {
      const std::optional<double> a =
          BackFaceAngle(g.pts[g.n - 1].X, g.pts[g.n - 1].Y, g.pts[g.n].X, g.pts[g.n].Y);
      if (!a) return NoPressure(f);
      r.alpha = *a;
      ep = CalcCoulombMxw(doc, k, st, hw, s.y, s.outline, g.count, g.pts, g.n, qd, qw, Ka, r.Pa, x,
                          ya, r.alpha);
    } else {
      ep = CalcCoulomb(doc, k, st, hw, s.y, s.outline, g.count, g.pts, g.n, qd, qw, Ka, r.Pa, x, ya,
                       r.alpha);
    }
    if (!ep) return NoPressure(f);
    const double deltaDeg = doc.delt(st);
    r.delta = deltaDeg / kDeg;
    r.PH = r.Pa * std::cos(deltaDeg * 0.017453292519943278 + r.alpha);
    r.PV = r.Pa * std::sin(deltaDeg * 0.017453292519943278 + r.alpha);
    // Water above the backfill submerges the whole height and no more.
    const double depth = std::clamp(hw - s.y, 0.0, std::max(h.H1, 0.0));
    const CoulombDiagram d = Diagram(Ka, qd, qw, doc.Gamb, doc.Gambd, h.H1, depth);
    return CoulombLines(f, doc, h, Ka, qd, qw, d, r, deltaDeg);
  }

  if (doc.SecDoatsu == 0) {
    const CKusabiRes* w = res0 ? AnglesOf({res0->Kusabi(0), res0->Kusabi(1)}) : nullptr;
    if (!w) return NoPressure(f);
    BackCalculated(f, doc, h, s.y, *res0, *w, true, r);
    return ThirdHeight(f, h, r.alpha);
  }

  EpStatus ep;
  double d1 = 0;
  if (mixed) {
    ep =
        CalcKusabiMxwUpper(1, work, k, st, hw, s.y, s.outline, g.count, g.pts, g.n, r.Pa, x, ya, K);
  } else if (large) {
    ep = CalcKusabiOogata(1, work, k, st, hw, s.y, s.outline, g.count, g.pts, g.n, r.Pa, x, ya, d1,
                          K);
  } else if (doc.BackType != 0) {
    ep = CalcKusabiKiri(1, work, k, st, hw, s.y, s.outline, g.count, g.pts, g.n, r.Pa, x, ya, K);
  } else {
    ep = CalcKusabiMori(1, work, k, st, hw, s.y, s.outline, g.count, g.pts, g.n, r.Pa, x, ya, K[0]);
  }
  const CKusabiRes* w = ep ? AnglesOf(K) : nullptr;
  if (!w) return NoPressure(f);
  r.alpha = w->fAlpha;
  r.delta = w->fDelta;
  r.Split();
  if (trials && large) {
    if (!K[0] || !K[1]) return NoPressure(f);
    const double d = CutFaceDistance(doc, s.outline, g.pts[0]);
    PrnWallKusabiOogata(f, doc, s, k, folder, *K[0], *K[1], d, d1);
  } else if (trials && cut) {
    PrnWallKusabiKiri(f, doc, s, k, folder, K[0].get(), K[1].get(), r.Pa);
  } else if (trials) {
    PrnWallKusabiMori(f, doc, s, k, folder, *w, r.Pa);
  }
  ComponentLines(f, r, false);
  ThirdHeight(f, h, r.alpha);
}

}  // namespace norva

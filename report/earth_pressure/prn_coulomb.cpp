#include "report/earth_pressure/prn_coulomb.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>
#include <optional>
#include <vector>

#include "calc/earth_pressure/coulomb.h"
#include "calc/earth_pressure/doatsu.h"
#include "calc/earth_pressure/surcharge.h"
#include "calc/run/calc_antei.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/outline.h"
#include "report/driver/prn_file.h"

namespace norva {

namespace {

constexpr double kDeg = 57.29577951308238;
constexpr double kRad = 0.017453292519943278;

bool Horizontal(const CDocument& doc) { return doc.WallType() == 3 || doc.nTentou == 3; }

bool Mixed(const CDocument& doc) { return doc.WallType() == 3; }

}  // namespace

CoulombCaseValues CoulombCaseValuesOf(const CDocument& doc, int32_t i) {
  CoulombCaseValues v;
  KutaiPoints wall{};
  DPoint crestFront, crestBack;
  MakeKutaiOutline(doc, wall, crestFront, crestBack, 0);
  std::vector<DPoint> pts(21);
  int16_t count = 0, n = 0;
  try {
    MakeUraOutline(doc, 0, wall, count, pts, n, 0);
  } catch (const std::exception&) {
    return v;
  }
  if (n < 1 || n >= count || static_cast<size_t>(n) >= pts.size()) return v;
  v.state = CaseState(doc, i);
  v.s = v.state != 0 ? 1 : 0;
  const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
  const double wl = (doc.nWater != 0 && k && k->nWater != 0) ? doc.WatBH(v.state) : 0.0;
  std::optional<double> a;
  if (Mixed(doc)) {
    // The upper wall: its own face, from the joint up, without the seismic angle.
    v.H = pts[n].Y - pts[n - 1].Y;
    v.y0 = pts[n - 1].Y;
    a = BackFaceAngle(wall[3].X, wall[3].Y, wall[9].X, wall[9].Y);
    v.hw = std::max(0.0, wl - v.y0);
  } else {
    v.H = pts[n].Y - pts[0].Y;
    v.y0 = pts[0].Y;
    a = BackFaceAngle(pts[n - 1].X, pts[n - 1].Y, pts[n].X, pts[n].Y);
    v.theta = v.s != 0 ? std::atan(doc.Kh(1)) : 0.0;
    v.hw = std::max(0.0, wl);
  }
  if (!a) return v;
  v.alpha = *a;
  // Water above the top of the face submerges the whole face.
  v.hw = std::clamp(v.hw, 0.0, std::max(v.H, 0.0));
  v.qd = CalcJyousaiQd(doc, static_cast<int16_t>(i), v.H);
  v.qw = CalcUragomeQw(doc, static_cast<int16_t>(i), v.H, v.iDeg, v.X);
  v.delta = doc.delt(v.state);
  v.deltaKa = v.iDeg > doc.Fai ? doc.Fai : v.delta;
  v.valid = true;
  return v;
}

CoulombPressures CoulombPressuresOf(const CDocument& doc, int32_t i, const CoulombCaseValues& v) {
  CoulombPressures p;
  const CAntRes& r = *doc.AntRes(0, i);
  const double phi = doc.Fai * kRad, d = v.deltaKa * kRad, beta = v.iDeg * kRad;
  const double th = v.s != 0 ? v.theta : 0.0;
  if (phi - beta - th >= 0) {
    p.A = std::sqrt(std::sin(phi - beta - th) * std::sin(d + phi) / std::cos(d + v.alpha + th) /
                    std::cos(v.alpha - beta));
  } else {
    p.zeroA = true;
  }
  const double Ka = r.Ka, H = v.H, hw = v.hw;
  p.P1 = (v.qw + v.qd) * Ka;
  p.P2 = (H - hw) * doc.Gamb * Ka + p.P1;
  p.P3 = Ka * hw * doc.Gambd + p.P2;
  p.PA1 = (p.P2 + p.P1) * 0.5 * (H - hw);
  p.PA2 = (p.P3 + p.P2) * 0.5 * hw;
  if (p.P1 + p.P2 > 0) p.MP1 = (hw + (2 * p.P1 + p.P2) / (p.P1 + p.P2) * (H - hw) / 3) * p.PA1;
  if (p.P2 + p.P3 > 0) p.MP2 = (2 * p.P2 + p.P3) / (p.P2 + p.P3) * hw / 3 * p.PA2;
  const bool computed = !IsNullValue(r.Pa) && r.Pa != 0;
  // The stored point is in the wall's frame; the face's lower end is y0 above
  // its origin (the joint of a mixed wall).
  p.Yp = IsNullValue(r.Pay) ? kNullBox : r.Pay - v.y0;
  p.B = IsNullValue(r.Pax) || IsNullValue(r.Pay) ? kNullBox : std::tan(v.alpha) * r.Pay + r.Pax;
  if (computed) {
    const std::optional<double> ka = TryCoulombKa(phi, v.delta * kRad, v.alpha, beta, th);
    const double yp = (p.MP1 + p.MP2) / r.Pa;
    p.differs = !ka || std::fabs(*ka - Ka) >= 5e-5 || std::fabs(p.PA1 + p.PA2 - r.Pa) >= 5e-3 ||
                std::fabs(yp - p.Yp) >= 5e-4;
  }
  return p;
}

void PrnDoatsuCoulomb(PrnFile& f, const CDocument& doc, const std::string& folder) {
  const std::string prefix = PrnWallPrefix(doc.WallType());
  const std::string& unit = PrnUnitWords[0];
  const std::string coulomb = PrnCopyFigure(f, prefix + "_COULOMB", folder, "COULOMB");
  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, "土　圧");
  PrnHeading(f, doc, 3, "計算方法");
  f.Line("土圧はクーロン公式により算出する。");
  f.Empty();
  PrnFigure(f, coulomb, 75);
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("土圧係数");
  if (doc.bQuake != 0) {
    f.Line(
        "　　<math>K_A_&sp;=&sp;<box>cos^2^(φ－α－θ)<over>cosθcos^2^αcos(α＋δ＋θ)･(1+A)^2^</box></"
        "math>");
    f.Empty();
    f.Line(
        "　　　　　<math>A&sp;=&sp;<sqrt><box>sin(φ＋δ)sin(φ－i－θ)<over>cos(α＋δ＋θ)cos(α－i)</"
        "box></sqrt></math>");
  } else {
    f.Line("　　<math>K_A_&sp;=&sp;<box>cos^2^(φ－α)<over>cos^2^αcos(α＋δ)･(1+A)^2^</box></math>");
    f.Empty();
    f.Line(
        "　　　　　<math>A&sp;=&sp;<sqrt><box>sin(φ＋δ)sin(φ－i)<over>cos(α＋δ)cos(α－i)</box></"
        "sqrt></math>");
  }
  PrnBlockClose(f);

  static const char* const kFormulas[][2] = {
      {"土圧作用面の上端での土圧", "　　<math>P_1_&sp;=&sp;K_A_･q</math>"},
      {"水位面での土圧", "　　<math>P_2_&sp;=&sp;P_1_+K_A_･γ･(H－hw)</math>"},
      {"土圧作用面の下端での土圧", "　　<math>P_3_&sp;=&sp;P_2_+K_A_･γ'･hw</math>"},
      {"土圧作用面の上端から水位面までの土圧合力",
       "　　<math>P_A1_&sp;=&sp;<box>1<over>2</box>(P_1_+P_2_)(H-h_w_)</math>"},
      {"水位面から土圧作用面の下端までの土圧合力",
       "　　<math>P_A2_&sp;=&sp;<box>1<over>2</box>(P_2_+P_3_)h_w_</math>"},
      {"主働土圧合力", "　　<math>P_A_&sp;=&sp;P_A1_+P_A2_</math>"},
  };
  for (const auto& row : kFormulas) {
    PrnBlockOpen(f);
    f.Empty();
    f.Line(row[0]);
    f.Line(row[1]);
    PrnBlockClose(f);
  }

  PrnBlockOpen(f);
  f.Empty();
  f.Line("主働土圧合力の鉛直及び水平成分");
  if (Horizontal(doc)) {
    f.Line("　　<math>P_AV_&sp;=&sp;0.00</math>");
    f.Line("　　<math>P_AH_&sp;=&sp;P_A_</math>");
    f.Line("　　　全土圧を水平方向に作用させるものとする。");
  } else {
    f.Line("　　<math>P_AV_&sp;=&sp;P_A_･sin(α＋δ)</math>");
    f.Line("　　<math>P_AH_&sp;=&sp;P_A_･cos(α＋δ)</math>");
  }
  if (Mixed(doc)) {
    f.Empty();
    f.Line("下部擁壁へ作用する土圧の鉛直及び水平分力");
    f.Line("　　<math>P_AV_&sp;=&sp;P_A_･sin(α＋δ)</math>");
    f.Line("　　<math>P_AH_&sp;=&sp;P_A_･cos(α＋δ)</math>");
  }
  f.Empty();
  f.Line("土圧作用面の上端から水位面までの土圧によるモーメント");
  f.Line(
      "　<math>M_P1_=<box>(<left><box>2･P_1_+P_2_<over>P_1_+P_2_</box>･<box>H-h_w_<over>3</"
      "box>+h_w_<right>)</box>P_A1_</math>");
  f.Empty();
  f.Line("水位面から土圧作用面の下端までの土圧によるモーメント");
  f.Line(
      "　<math>M_P2_=<box>(<left><box>2･P_2_+P_3_<over>P_2_+P_3_</box>･<box>h_w_<over>3</"
      "box><right>)</box>P_A2_</math>");
  f.Empty();
  f.Line("土圧の作用位置");
  f.Line("　<math>Y_P_=<box>M_P1_+M_P2_<over>P_A_</box></math>");
  if (!Horizontal(doc)) f.Line("　<math>X_P_=B-Y_P_･tanα</math>");
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("ここに､ P<sub>A </sub>  ：主働土圧合力 (@/m)", {unit});
  f.Line("　　　　P<sub>AV</sub>  ：主働土圧合力の鉛直成分 (@/m)", {unit});
  f.Line("　　　　P<sub>AH</sub>  ：主働土圧合力の水平成分 (@/m)", {unit});
  f.Line("　　　　P<sub>A1</sub>  ：土圧作用面の上端から水位面までの主働土圧合力 (@/m)", {unit});
  f.Line("　　　　P<sub>A2</sub>  ：水位面から土圧作用面の下端までの主働土圧合力 (@/m)", {unit});
  f.Line("　　　　P<sub>1 </sub>  ：土圧作用面の上端での主働土圧 (@/m<sup>2</sup>)", {unit});
  f.Line("　　　　P<sub>2 </sub>  ：水位面での主働土圧 (@/m<sup>2</sup>)", {unit});
  f.Line("　　　　P<sub>3 </sub>  ：土圧作用面の下端での主働土圧 (@/m<sup>2</sup>)", {unit});
  f.Line("　　　　M<sub>P1</sub>  ：土圧作用面の上端から水位面までの土圧によるモーメント (@･m)",
         {unit});
  f.Line("　　　　M<sub>P2</sub>  ：水位面から土圧作用面の下端までの土圧によるモーメント (@･m)",
         {unit});
  f.Line("　　　　X<sub>P </sub>  ：主働土圧合力のX方向の作用位置 (m)");
  f.Line("　　　　Y<sub>P </sub>  ：主働土圧合力のY方向の作用位置 (m)");
  f.Line("　　　　B<sub>  </sub>　：底面幅 (m)");
  f.Line("　　　　K<sub>A </sub>  ：主働土圧係数");
  f.Line("　　　　φ<sub>  </sub> ：裏込め土のせん断抵抗角 (度)");
  f.Line("　　　　δ<sub>  </sub> ：壁面摩擦角 (度)");
  f.Line("　　　　α<sub>  </sub> ：壁面が鉛直面となす角 (度)");
  f.Line("　　　　i<sub>  </sub>  ：地表面が水平面となす角 (度)");
  if (doc.bQuake != 0) {
    f.Line("　　　　θ<sub>  </sub> ：地震合成角 (度)　地震の影響を考慮しない場合はθ=0とする。");
    f.Line("　　　　　<sub>  </sub> 　θ = tan<sup>-1</sup>k<sub>H</sub>");
    f.Line("　　　　k<sub>H </sub>  ：設計水平震度");
  }
  f.Line("　　　　γ<sub>  </sub> ：裏込め土の湿潤重量 (@/m<sup>3</sup>)", {unit});
  f.Line("        γ'<sub>  </sub>：裏込め土の水中重量 (@/m<sup>3</sup>)", {unit});
  f.Line("　　　　q<sub>  </sub>  ：上載荷重 (@/m<sup>2</sup>)", {unit});
  f.Line("　　　　H<sub>  </sub>  ：壁高 (m)");
  if (Mixed(doc)) {
    f.Line("　　　　hw<sub>  </sub> ：上部擁壁下面から水位面までの高さ (m)");
  } else {
    f.Line("　　　　hw<sub>  </sub> ：擁壁下面から水位面までの高さ (m)");
  }
  PrnBlockClose(f);

  const std::string qd = PrnCopyFigure(f, prefix + "_QD", folder, "QD");
  PrnBlockOpen(f);
  f.Empty();
  f.Line(
      "上載荷重がある場合には、上載荷重をフリューリッヒの地盤応力の理論を応用し、擁壁背面位置からの"
      "等分布荷重として取り扱う。");
  f.Empty();
  PrnFigure(f, qd, 75);
  f.Line("<math>q_d_&sp;=&sp;Q･I_w_</math>");
  f.Empty();
  f.Line(
      "<math>I_w_=&sp;1＋(<box>X<over>H</box>)<sup>2</sup>－<box>2<over>π</box>{1＋(<box>X<over>H</"
      "box>)^2^}tan^-1^(<box>X<over>H</box>)－<box>2<over>π</box>(<box>X<over>H</box>)</math>");
  f.Empty();
  f.Line("ここに､ q<sub>d</sub> ：換算後の等分布荷重 (@/m<sup>2</sup>)", {unit});
  f.Line("　　　　Q<sub> </sub> ：上載荷重 (@/m<sup>2</sup>)", {unit});
  f.Line("　　　　I<sub>w</sub> ：台形荷重換算係数");
  f.Line("　　　　X<sub> </sub> ：上載荷重の壁背面からの載荷位置 (m)");
  f.Line("　　　　H<sub> </sub> ：壁高 (m)");
  PrnBlockClose(f);

  if (doc.UragomeType != 2) return;
  const std::string qw = PrnCopyFigure(f, prefix + "_QW", folder, "QW");
  PrnBlockOpen(f);
  f.Empty();
  f.Line(
      "台形盛土の場合にはフリューリッヒの地盤応力の理論を応用し、盛土荷重を換算等分布荷重として考慮"
      "する。");
  f.Empty();
  PrnFigure(f, qw, 75);
  f.Line("<math>q_w_&sp;=&sp;γ･H_0_･I_w_</math>");
  f.Empty();
  f.Line("ここに､ q<sub>w</sub> ：盛土荷重の換算等分布荷重 (@/m<sup>2</sup>)", {unit});
  f.Line("　　　　γ<sub> </sub>：裏込め土の単位体積重量 (@/m<sup>3</sup>)", {unit});
  f.Line("　　　　H<sub>0</sub> ：盛土高 (m)");
  f.Line("　　　　I<sub>w</sub> ：台形荷重換算係数");
  f.Line("　　　　X<sub> </sub> ：仮想距離 (m)");
  f.Line(
      "　　　　 <sub> </sub> "
      "　<math>X&nbsp;=&nbsp;X<sub>1</sub>+<box>1<over>2</box>X<sub>2</sub></math>");
  f.Line("　　　　H<sub> </sub> ：壁高 (m)");
  PrnBlockClose(f);
}

namespace {

struct StripLoad {
  const char* name;
  double X;
  double Q;
};

// The strip surcharges of case i the conversion lists, in the order vehicle,
// crowd, residential land, snow: considered by the document (switch 0) and
// acting in the case (switch 1).
std::vector<StripLoad> StripLoads(const CDocument& doc, int32_t i) {
  std::vector<StripLoad> loads;
  const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
  if (!k) return loads;
  auto add = [&](int16_t docSwitch, int16_t caseSwitch, StripLoad l) {
    if (docSwitch == 0 && caseSwitch == 1) loads.push_back(l);
  };
  add(doc.nAutoMobile, k->nAutoMobil, {"自動車荷重", doc.AutoPos, doc.AutoLoad});
  add(doc.nGunsyu, k->nGunsyu, {"群集荷重", doc.GunsyuPos, doc.GunsyuLoad});
  add(doc.nTakuchi, k->nTakuchi, {"宅地荷重", doc.TakuchiPos, doc.TakuchiLoad});
  add(doc.nSnow, k->nSnow, {"雪荷重", doc.SnowPos, doc.SnowLoad});
  return loads;
}

void SurchargeTable(PrnFile& f, const CDocument& doc, int32_t i, const CoulombCaseValues& v) {
  const std::string& unit = PrnUnitWords[0];
  const bool trapezoid = doc.UragomeType == 2;
  const double H0 = trapezoid ? doc.UraH0 : 0.0;
  const std::vector<StripLoad> loads = StripLoads(doc, i);
  const int16_t n = static_cast<int16_t>(loads.size());
  f.Empty();
  f.Line("上載荷重の換算等分布荷重");
  f.Empty();
  f.Line("　　擁壁高　H<sub> </sub> = ##.### (m)", {v.H});
  if (trapezoid) {
    f.Empty();
    f.Line("　　盛土高　H<sub>0</sub> = ##.### (m)", {doc.UraH0});
  }
  f.Line("<INDENT NO=2>");
  f.Line("<TABLE ROW=##, COL=6>", {static_cast<int16_t>(n + 3)});
  f.Line("<COLWIDTH=12, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH= 8, SCOL=1, ECOL=4>");
  f.Line("<COLWIDTH=20, SCOL=5, ECOL=5>");
  f.Line("<HEADER>");
  f.Line("<TL=9, SROW=0, SCOL=0, EROW=1, ECOL=0>");
  f.Line("<TL=9, SROW=0, SCOL=1, EROW=1, ECOL=1>");
  f.Line("<TL=9, SROW=0, SCOL=2, EROW=1, ECOL=2>");
  f.Line("<TL=9, SROW=0, SCOL=3, EROW=1, ECOL=3>");
  f.Line("<TL=9, SROW=0, SCOL=4, EROW=1, ECOL=4>");
  f.Line("<TL=9, SROW=0, SCOL=5, EROW=1, ECOL=5>");
  f.Line("<TD SROW=0, SCOL=0, EROW=1, ECOL=0>名称</TD>");
  f.Line("<TD SROW=0, SCOL=1>X</TD>");
  f.Line("<TD SROW=1, SCOL=1>(m)</TD>");
  f.Line("<TD SROW=0, SCOL=2>Q</TD>");
  f.Line("<TD SROW=1, SCOL=2>(@/m<sup>2</sup>)</TD>", {unit});
  f.Line("<TD SROW=0, SCOL=3, EROW=1, ECOL=3>Iw</TD>");
  f.Line("<TD SROW=0, SCOL=4>q<sub>d</sub></TD>");
  f.Line("<TD SROW=1, SCOL=4>(@/m<sup>2</sup>)</TD>", {unit});
  f.Line("<TD SROW=0, SCOL=5, EROW=1, ECOL=5, VALIGN=MIDDLE>備　考</TD>");
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  f.Line("<TL=11, SROW=2, SCOL=0, EROW=##, ECOL=5>", {static_cast<int16_t>(n + 1)});
  for (int16_t j = 0; j < n; ++j) {
    const StripLoad& l = loads[static_cast<size_t>(j)];
    const int16_t r = static_cast<int16_t>(j + 2);
    const double iw = JyousaiCoef(l.X, v.H);
    f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT> @</TD>", {r, l.name});
    f.Line("<TD SROW=##, SCOL=1>##.###</TD>", {r, l.X});
    f.Line("<TD SROW=##, SCOL=2>###.##</TD>", {r, l.Q});
    f.Line("<TD SROW=##, SCOL=3>##.####</TD>", {r, iw});
    if (v.H + H0 > l.X) {
      f.Line("<TD SROW=##, SCOL=4>##.##</TD>", {r, iw * l.Q});
    } else {
      f.Line("<TD SROW=##, SCOL=4>##.##</TD>", {r, 0});
      f.Line("<TD SROW=##, SCOL=5>X≧(H+H<sub>0</sub>)のため0.00</TD>", {r});
    }
  }
  const int16_t sum = static_cast<int16_t>(n + 2);
  f.Line("</LOOP>");
  f.Line("<FOOTER>");
  f.Line("<TL=11, SROW=##, SCOL=0, EROW=##, ECOL=5>", {sum, sum});
  f.Line("<TD SROW=##, SCOL=0>Σ</TD>", {sum});
  f.Line("<TD SROW=##, SCOL=4>##.##</TD>", {sum, v.qd});
  f.Line("</FOOTER>");
  f.Line("</TABLE>");
  PrnBlockClose(f);
  PrnBlockOpen(f);
}

void EmbankmentConversion(PrnFile& f, const CDocument& doc, const CoulombCaseValues& v) {
  const double iw = JyousaiCoef(v.X, v.H);
  f.Line("<indent no=1>");
  f.Line("換算盛土荷重");
  f.Empty();
  f.Line("　　盛土高");
  f.Line("　　　<math>H_0_=##.### (m)</math>", {doc.UraH0});
  f.Empty();
  f.Line("　　仮想距離");
  f.Line(
      "　　　<math>X=X_1_+<box>1<over>2</box>X_2_=##.###+<box>##.###<over>2</box>=##.###&nbsp;(m)</"
      "math>",
      {doc.UraX1, doc.UraX2, v.X});
  f.Empty();
  f.Line("　　等分布荷重換算係数");
  f.Line(
      "   　 "
      "<math>I_w_=1+(X/H)<sup>2</sup>-<box>2<over>π</box>{1+(X/H)^2^}tan^-1^(X/H)-<box>2<over>π</"
      "box>(X/H)</math>");
  f.Empty();
  f.Line(
      "　　　  "
      "<math>=1+(##.###/##.###)^2^-<box>2<over>π</box>×{1+(##.###/##.###)^2^}×tan^-1^(##.###/"
      "##.###)</math>",
      {v.X, v.H, v.X, v.H, v.X, v.H});
  f.Empty();
  f.Line("　　　　　　　　　　　　　　　　<math>-<box>2<over>π</box>×(##.###/##.###)</math>",
         {v.X, v.H});
  f.Empty();
  f.Line("　　　  <math>=##.####</math>", {iw});
  f.Empty();
  f.Line("　　換算等分布荷重");
  f.Line("　　　<math>q_w_=γ･H_0_･I_w_=##.##×#.###×#.####</math>", {doc.Gamb, doc.UraH0, iw});
  f.Empty();
  f.Line("　　　  <math>=##.## (@/m^2^)</math>", {v.qw, PrnUnitWords[0]});
  PrnBlockClose(f);
  PrnBlockOpen(f);
}

}  // namespace

void PrnDoatsuCoulombCase(PrnFile& f, const CDocument& doc, int32_t i,
                          const std::string& /*folder*/) {
  const CoulombCaseValues v = CoulombCaseValuesOf(doc, i);
  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  PrnCaseHeading(f, doc, i, 3);
  PrnQuakeNote(f, doc, i);
  if (v.valid && v.qd > 0) SurchargeTable(f, doc, i, v);
  if (v.valid && doc.UragomeType == 2) EmbankmentConversion(f, doc, v);
  PrnDoatsuCoulombPressure(f, doc, i, v);
}

namespace {

void Coefficient(PrnFile& f, const CDocument& doc, const CoulombCaseValues& v,
                 const CoulombPressures& p, double Ka) {
  const double phi = doc.Fai, d = v.deltaKa, iDeg = v.iDeg;
  const double a = v.alpha * kDeg, absA = std::fabs(v.alpha) * kDeg, th = v.theta * kDeg;
  const char* sign = PrnSign(v.alpha, true);
  f.Line("<indent no=0.5>");
  f.Empty();
  f.Line("土圧係数");
  f.Empty();
  const bool deltaIsPhi = v.deltaKa != v.delta;
  auto deltaNote = [&] {
    if (deltaIsPhi) f.Line("　　　　i＞φのため、δ=φとする。");
  };
  if (v.s != 0) {
    f.Line(
        "　　<math>K_A_=<box>cos^2^(φ－α－θ)<over>cosθcos^2^αcos(α＋δ＋θ)･(1+A)^2^</box></math>");
    f.Empty();
    f.Line(
        "　　  <math>=<box>cos^2^(##.## @ "
        "##.##-##.##)<over>cos##.##×cos^2^##.##×cos(##.##+##.##+##.##)×(1+##.####)^2^</"
        "box>=#.####</math>",
        {phi, sign, absA, th, th, a, a, d, th, p.A, Ka});
    deltaNote();
    f.Empty();
    if (!p.zeroA) {
      f.Line(
          "　　　　　<math>A=<sqrt><box>sin(φ＋δ)sin(φ－i－θ)<over>cos(α＋δ＋θ)cos(α－i)</box></"
          "sqrt></math>");
      f.Empty();
      f.Line(
          "　　　　   "
          "<math>=<sqrt><box>sin(##.##+##.##)×sin(##.##-##.##-##.##)<over>cos(##.##+##.##+##.##)"
          "×cos(##.##-##.##)</box></sqrt>=##.####</math>",
          {phi, d, phi, iDeg, th, a, d, th, a, iDeg, p.A});
    } else {
      f.Line("　　　　φ－i－θ&lt;0のため、sin(φ－i－θ)=0とする。");
      f.Empty();
      f.Line(
          "　　　　　<math>A=<sqrt><box>sin(φ＋δ)sin(φ－i－θ)<over>cos(α＋δ＋θ)cos(α－i)</box></"
          "sqrt></math>");
      f.Empty();
      f.Line(
          "　　　　   "
          "<math>=<sqrt><box>sin(##.##+##.##)×0.0000<over>cos(##.##+##.##+##.##)×cos(##.##-##.##)</"
          "box></sqrt>=0.0000</math>",
          {phi, d, a, d, th, a, iDeg});
    }
  } else {
    f.Line("　　<math>K_A_=<box>cos^2^(φ－α)<over>cos^2^αcos(α＋δ)･(1+A)^2^</box></math>");
    f.Empty();
    f.Line(
        "　　  <math>=<box>cos^2^(##.## @ "
        "##.##)<over>cos^2^##.##×cos(##.##+##.##)×(1+##.####)^2^</box>=#.####</math>",
        {phi, sign, absA, a, a, d, p.A, Ka});
    deltaNote();
    f.Empty();
    if (!p.zeroA) {
      f.Line(
          "　　　　<math>A=<sqrt><box>sin(φ＋δ)sin(φ－i)<over>cos(α＋δ)cos(α－i)</box></sqrt></"
          "math>");
      f.Empty();
      f.Line(
          "　　　　 "
          "<math>=<sqrt><box>sin(##.##+##.##)×sin(##.##-##.##)<over>cos(##.##+##.##)×cos(##.##-##.#"
          "#)</box></sqrt>=##.####</math>",
          {phi, d, phi, iDeg, a, d, a, iDeg, p.A});
    } else {
      f.Line("　　　φ－i&lt;0のため、sin(φ－i)=0とする。");
      f.Empty();
      f.Line(
          "　　　　<math>A=<sqrt><box>sin(φ＋δ)sin(φ－i)<over>cos(α＋δ)cos(α－i)</box></sqrt></"
          "math>");
      f.Empty();
      f.Line(
          "　　　　 "
          "<math>=<sqrt><box>sin(##.##+##.##)×0.0000<over>cos(##.##+##.##)×cos(##.##-##.##)</box></"
          "sqrt>=0.0000</math>",
          {phi, d, a, d, a, iDeg});
    }
  }
  PrnBlockClose(f);
}

}  // namespace

void PrnDoatsuCoulombPressure(PrnFile& f, const CDocument& doc, int32_t i,
                              const CoulombCaseValues& v) {
  const CAntRes& r = *doc.AntRes(0, i);
  const std::string& unit = PrnUnitWords[0];
  const CoulombPressures p = CoulombPressuresOf(doc, i, v);
  const double Ka = r.Ka, H = v.H, hw = v.hw;
  const double a = v.alpha * kDeg, delta = v.delta;
  Coefficient(f, doc, v, p, Ka);

  const std::string res2 = "　　<math>&nbsp;&nbsp;&nbsp;=##.##&nbsp;(@/m^2^)</math>";
  const std::string res1 = "　　<math>&nbsp;&nbsp;&nbsp;=##.##&nbsp;(@/m)</math>";
  auto block = [&](const char* title, const char* formula, const std::string& numbers,
                   const std::vector<ReportValue>& values, const std::string& result,
                   double value) {
    PrnBlockOpen(f);
    f.Empty();
    f.Line(title);
    f.Line(formula);
    f.Line(numbers, values);
    f.Line(result, {value, unit});
    PrnBlockClose(f);
  };
  block("土圧作用面の上端での土圧", "　　<math>P_1_=K_A_･(q_d_+q_w_)</math>",
        "　　<math>&nbsp;&nbsp;&nbsp;=##.####×(##.##+##.##)</math>", {Ka, v.qd, v.qw}, res2, p.P1);
  block("水位面での土圧", "　　<math>P_2_=P_1_+K_A_･γ･(H－h_w_)</math>",
        "　　<math>&nbsp;&nbsp;&nbsp;=##.##+##.####×##.##×(##.###－##.###)</math>",
        {p.P1, Ka, doc.Gamb, H, hw}, res2, p.P2);
  block("土圧作用面の下端での土圧", "　　<math>P_3_=P_2_+K_A_･γ'･h_w_</math>",
        "　　<math>&nbsp;&nbsp;&nbsp;=##.##+##.####×##.##×##.###</math>", {p.P2, Ka, doc.Gambd, hw},
        res2, p.P3);
  block("土圧作用面の上端から水位面までの土圧合力",
        "　　<math>P_A1_=<box>1<over>2</box>(P_1_+P_2_)(H-h_w_)</math>",
        "　　<math>&nbsp;&nbsp;&nbsp;=<box>1<over>2</box>×(##.##＋##.##)×(##.###-##.###)</math>",
        {p.P1, p.P2, H, hw}, res1, p.PA1);
  block("水位面から土圧作用面の下端までの土圧合力",
        "　　<math>P_A2_=<box>1<over>2</box>(P_2_+P_3_)h_w_</math>",
        "　　<math>&nbsp;&nbsp;&nbsp;=<box>1<over>2</box>×(##.##＋##.##)×##.###</math>",
        {p.P2, p.P3, hw}, res1, p.PA2);
  block("土圧合力", "　　<math>P_A_=P_A1_+P_A2_</math>",
        "　　<math>&nbsp;&nbsp;&nbsp;=##.##＋##.##</math>", {p.PA1, p.PA2}, res1, r.Pa);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("主働土圧合力の鉛直及び水平成分");
  const char* pav = "　　<math>P_AV_=P_A_･sin(α＋δ)=##.##×sin(##.##+##.##)=##.## (@/m)</math>";
  const char* pah = "　　<math>P_AH_=P_A_･cos(α＋δ)=##.##×cos(##.##+##.##)=##.## (@/m)</math>";
  if (Horizontal(doc)) {
    f.Line("　　<math>P_AV_=0.00 (@/m)</math>", {unit});
    f.Line("　　<math>P_AH_=P_A_=##.## (@/m)</math>", {r.Pa, unit});
  } else {
    f.Line(pav, {r.Pa, a, delta, r.Pav, unit});
    f.Line(pah, {r.Pa, a, delta, r.Pah, unit});
  }
  if (Mixed(doc)) {
    f.Empty();
    f.Line("下部擁壁へ作用する土圧の鉛直及び水平分力");
    f.Line(pav, {r.Pa, a, delta, r.Pav, unit});
    f.Line(pah, {r.Pa, a, delta, r.Pah, unit});
  }
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("土圧作用面の上端から水位面までの土圧によるモーメント");
  if (p.MP1 > 0) {
    f.Line(
        "　　<math>M_P1_=<box>(<left><box>2･P_1_+P_2_<over>P_1_+P_2_</box>･<box>H-h_w_<over>3</"
        "box>+h_w_<right>)</box>P_A1_</math>");
    f.Line(
        "　　  "
        "<math>=<box>(<left><box>2×##.##+##.##<over>##.##+##.##</box>×<box>#.###-#.###<over>3</"
        "box>+#.###<right>)</box>×##.##</math>",
        {p.P1, p.P2, p.P1, p.P2, H, hw, hw, p.PA1});
    f.Line("　　  <math>=##.## (@･m)</math>", {p.MP1, unit});
  } else {
    f.Line("　　<math>M_P1_=0 (@･m)</math>", {unit});
  }
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("水位面から土圧作用面の下端までの土圧によるモーメント");
  if (p.MP2 > 0) {
    f.Line(
        "　　<math>M_P2_=<box>(<left><box>2･P_2_+P_3_<over>P_2_+P_3_</box>･<box>h_w_<over>3</"
        "box><right>)</box>P_A2_</math>");
    f.Line(
        "　　  "
        "<math>=<box>(<left><box>2×##.##+##.##<over>##.##+##.##</box>×<box>#.###<over>3</"
        "box><right>)</box>×##.##</math>",
        {p.P2, p.P3, p.P2, p.P3, hw, p.PA2});
    f.Line("　　  <math>=##.## (@･m)</math>", {p.MP2, unit});
  } else {
    f.Line("　　<math>M_P2_=0 (@･m)</math>", {unit});
  }
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("土圧の作用位置");
  f.Line(
      "　<math>Y_P_=<box>M_P1_+M_P2_<over>P_A_</box>=<box>##.##+##.##<over>##.##</box>=#.### "
      "(m)</math>",
      {p.MP1, p.MP2, r.Pa, p.Yp});
  if (!Horizontal(doc)) {
    f.Line("　<math>X_P_=B-Y_P_･tanα=#.###-#.###×tan(##.##)=#.### (m)</math>",
           {p.B, r.Pay, a, r.Pax});
  }
  if (p.differs) {
    f.Empty();
    f.Line(
        "　※K<sub>A</sub>、P<sub>A</sub>及び作用位置は安定計算に用いた値を示す。"
        "上式の値と異なるのは、安定計算の条件が上記と異なるためである。");
  }
  PrnBlockClose(f);
}

}  // namespace norva

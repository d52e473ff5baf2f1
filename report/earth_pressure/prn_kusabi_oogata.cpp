#include <cmath>
#include <exception>
#include <memory>
#include <vector>

#include "calc/earth_pressure/doatsu.h"
#include "calc/run/calc_antei.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/outline.h"
#include "report/driver/prn_file.h"
#include "report/earth_pressure/prn_kusabi.h"
#include "report/earth_pressure/prn_kusabi_sections.h"

namespace norva {

namespace {

constexpr double kDeg = 57.29577951308238;

std::string Resource(const PrnFile& f, const char* name) {
  return PrnImgSrc(f.ProgramDir() + "/resource/" + name + ".svg");
}

// The closing legend lines of both method forms.
void LegendTail(PrnFile& f, const std::string& unit) {
  f.Line("　　　　H<sub>  </sub> ：壁高 (m)");
  f.Line("　　　　P<sub>AV</sub> ：主働土圧合力の鉛直成分 (@/m)", {unit});
  f.Line("　　　　P<sub>AH</sub> ：主働土圧合力の水平成分 (@/m)", {unit});
  f.Line("　　　　X<sub>P </sub> ：主働土圧合力のX方向の作用位置 (m)");
  f.Line("　　　　Y<sub>P </sub> ：主働土圧合力のY方向の作用位置 (m)");
  f.Line("　　　　B<sub>  </sub> ：底面幅 (m)");
}

// The distance d the calculation blended with: KiriD is entered at the
// wall, d is taken at the lower end of the pressure face.
double BlendDistance(const CDocument& doc) {
  KutaiPoints wall{};
  DPoint crestFront, crestBack;
  MakeKutaiOutline(doc, wall, crestFront, crestBack, 0);
  std::vector<DPoint> pts(21);
  int16_t count = 0, n = 0;
  try {
    MakeUraOutline(doc, 0, wall, count, pts, n, 0);
  } catch (const std::exception&) {
    return doc.KiriD;
  }
  if (count < 1) return doc.KiriD;
  return CutFaceDistance(doc, wall, pts[0]);
}

}  // namespace

void PrnDoatsuKusabiOogata(PrnFile& f, const CDocument& doc, const std::string& /*folder*/) {
  const std::string& unit = PrnUnitWords[0];
  // Whether the natural ground stands apart is the calculation's distance,
  // which the case sections blend with.
  const bool apart = BlendDistance(doc) > 0;
  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, "土　圧");
  PrnHeading(f, doc, 3, "計算方法");
  f.Line("土圧は試行くさび法により算出する。");
  f.Empty();
  if (!apart) {
    f.Line("<IMG SRC=@, WIDTH=75% HEIGHT=75%>", {Resource(f, "OOGATA_KIRI2_PA0")});
    f.Line("主働土圧の合力");
    f.Empty();
    f.Line("　　<math>P_A_=<box>Ｗ･secθ･sin(ε-φ+θ)-c･l･cosφ<over>cos(ε-φ-α-δ)</box></math>");
    f.Empty();
    f.Line("主働土圧合力の鉛直及び水平成分");
    f.Line("　　<math>P_AV_&sp;=&sp;P_A_･sin(α+δ)</math>");
    f.Line("　　<math>P_AH_&sp;=&sp;P_A_･cos(α+δ)</math>");
    f.Empty();
    f.Line("土圧の作用位置");
    f.Empty();
    f.Line("　　<math>Y_P_=<box>1<over>3</box>･H</math>");
    f.Line("　　<math>X_P_=B-Y_P_･tanα</math>");
    f.Empty();
    f.Line("ここに、P<sub>A </sub>  ：切土面における主働土圧の合力 (@/m)", {unit});
    f.Line(
        "　　　　Ｗ<sub>  </sub> ：地表面の亀裂深さzcを考慮した土くさびの重量(載荷重を含む) (@/m)",
        {unit});
    f.Line("　　　　ε<sub>  </sub> ：地山が水平面となす角 (度)");
    f.Line("　　　　δ<sub>  </sub> ：壁面摩擦角 (度)");
    f.Line("　　　　α<sub>  </sub> ：壁面が鉛直面となす角 (度)");
    f.Line("　　　　θ<sub>  </sub> ：地震合成角 (度)　地震の影響を考慮しない場合はθ=0とする。");
    f.Line("　　　　　<sub>  </sub> 　θ = tan<sup>-1</sup>k<sub>H</sub>");
    f.Line("　　　　l<sub>  </sub>  ：すべり面の長さ (m)");
    f.Line("　　　　z<sub>c </sub>  ：地表面の亀裂深さ (m)");
    f.Line(
        "　　　　 <sub>  </sub>  "
        "　<math>z_c_=<box>2c<over>γ</box>tan(45°＋<box>φ<over>2</box>)</math>");
    f.Line("　　　　c<sub>  </sub>  ：裏込め土の粘着力 (@/m<sup>2</sup>)", {unit});
    f.Line("　　　　φ<sub>  </sub> ：裏込め土のせん断抵抗角 (度)");
    f.Line("　　　　γ<sub>  </sub> ：裏込め土の単位体積重量 (@/m<sup>3</sup>)", {unit});
    LegendTail(f, unit);
    PrnBlockClose(f);
    return;
  }
  f.Line("<TABLE ROW=2, COL=2, HALIGN=CENTER>");
  f.Line("<HEADER>");
  f.Line("<TD SROW=0, SCOL=0><IMG SRC=@, WIDTH=90%, HEIGHT=90%></TD>",
         {Resource(f, "OOGATA_KIRI2_PA0")});
  f.Line("<TD SROW=0, SCOL=1><IMG SRC=@, WIDTH=90%, HEIGHT=90%></TD>",
         {Resource(f, "OOGATA_KIRI2_PA1")});
  f.Line("<TD SROW=1, SCOL=0><br>(a) d=0とみなした場合</TD>");
  f.Line("<TD SROW=1, SCOL=1><br>(b) 盛土部擁壁とみなした場合</TD>");
  f.Line("</HEADER>");
  f.Line("</TABLE>");
  f.Line("主働土圧の合力");
  f.Empty();
  f.Line("　　<math>P_A_=<sqrt>1-{(d-d_1_)/d_1_}^2^</sqrt>(P_A1_-P_A0_)+P_A0_</math>");
  f.Line("　　<math>P_A0_=<box>W･secθ･sin(ε-φ+θ)-c･l･cosφ<over>cos(ε-φ-α-δ)</box></math>");
  f.Line("　　<math>P_A1_=<box>W･secθ･sin(ω_A_-φ+θ)-c･l･cosφ<over>cos(ω_A_-φ-α-δ)</box></math>");
  f.Empty();
  f.Line("主働土圧合力の鉛直及び水平成分");
  f.Line("　　<math>P_AV_&sp;=&sp;P_A_･sin(α+δ)</math>");
  f.Line("　　<math>P_AH_&sp;=&sp;P_A_･cos(α+δ)</math>");
  f.Empty();
  f.Line("土圧の作用位置");
  f.Empty();
  f.Line("　<math>Y_P_=<box>1<over>3</box>･H</math>");
  f.Line("　<math>X_P_=B-Y_P_･tanα</math>");
  PrnBlockClose(f);
  PrnBlockOpen(f);
  f.Empty();
  f.Line("ここに、P<sub>A </sub> ：主働土圧の合力 (@/m)", {unit});
  f.Line("　　　　d<sub>  </sub> ：擁壁かかとから地山までの距離 (m)");
  f.Line("　　　　d<sub>1 </sub> ：地山の影響を無視できる距離 (m)");
  f.Line("　　　　P<sub>A0</sub> ：d=0とした場合の主働土圧の合力 (@/m)", {unit});
  f.Line("　　　　P<sub>A1</sub> ：盛土部擁壁とみなした場合の主働土圧の合力 (@/m)", {unit});
  f.Line("　　　　W<sub>  </sub> ：地表面の亀裂深さzcを考慮した土くさびの重量 (載荷重を含む) (@/m)",
         {unit});
  f.Line("　　　　ω<sub>A </sub>：主働すべり角 (度)");
  f.Line("　　　　ε<sub>  </sub>：地山が水平面となす角 (度)");
  f.Line("　　　　c<sub>  </sub> ：裏込め土の粘着力 (@/m<sup>2</sup>)", {unit});
  f.Line("　　　　φ<sub>  </sub>：裏込め土のせん断抵抗角 (度)");
  f.Line("　　　　δ<sub>  </sub>：壁面摩擦角 (度)");
  f.Line("　　　　α<sub>  </sub>：壁面が鉛直面となす角 (度)");
  f.Line("　　　　β<sub>  </sub>：盛土面が水平面となす角 (度)");
  f.Line("　　　　θ<sub>  </sub>：地震合成角 (度)　地震の影響を考慮しない場合はθ=0とする。");
  f.Line("　　　　　<sub>  </sub>  θ = tan<sup>-1</sup>k<sub>H</sub>");
  f.Line("　　　　l<sub>  </sub> ：すべり面の長さ (m)");
  f.Line("　　　　z<sub>c </sub> ：地表面の亀裂深さ (m)");
  f.Line("　　　　 <sub>  </sub> 　<math>z_c_ = <box>2c<over>γ</box>tan(45°＋φ/2)</math>");
  f.Line("　　　　γ<sub>  </sub>：裏込め土の単位体積重量 (@/m<sup>3</sup>)", {unit});
  LegendTail(f, unit);
  PrnBlockClose(f);
}

void PrnDoatsuKusabiOogataCase(PrnFile& f, const CDocument& doc, int32_t i,
                               const std::string& folder) {
  const CAntRes& r = *doc.AntRes(0, i);
  const CKusabiRes none;
  const std::shared_ptr<CKusabiRes> k0 = r.Kusabi(0), k1 = r.Kusabi(1);
  const CKusabiRes& K0 = k0 ? *k0 : none;
  const CKusabiRes& K1 = k1 ? *k1 : none;
  const std::string& unit = PrnUnitWords[0];
  // The state the wedges were calculated in, so c and θ are theirs.
  const int16_t s = CaseState(doc, i);
  const double d = BlendDistance(doc);
  const double eps = 90 - std::atan(doc.KiriN) * kDeg;
  // The back face the wedge acts on: the block's face gradient BlkN need not
  // be parallel to it, and the formulas below take the wedge's angle.
  const double alphaIn = K1.fAlpha * kDeg;
  const double thetaIn = std::atan(doc.Kh(1)) * kDeg;
  const bool point = !IsNullValue(r.Pax) && !IsNullValue(r.Pay);
  const double B = point ? r.Pax - r.Pay * std::tan(-K0.fAlpha) : kNullBox;
  const double H = IsNullValue(r.Pay) ? kNullBox : 3 * r.Pay;

  PrnBlockOpen(f);
  f.Empty();
  PrnCaseHeadingFixed(f, doc, i);
  PrnQuakeNote(f, doc, i);
  f.Empty();
  f.Line("傾 斜 角　　地山の傾斜角　　　　　ε<sub> </sub> = ###.## (度)", {eps});
  f.Line("　　　　　　壁面傾斜角　　　　　　α<sub> </sub> = ###.## (度)", {alphaIn});
  if (s != 0) {
    f.Line("地震の影響　設計水平震度　　　　　k<sub>H</sub>  = ###.##", {doc.Kh(1)});
    f.Line("　　　　　　地震合成角　　　　　　θ<sub> </sub> = ###.## (度)", {thetaIn});
  }
  f.Line("裏込め土　　内部摩擦角　　　　　　φ<sub> </sub> = ###.## (度)", {doc.Fai});
  f.Line("　　　　　　壁面摩擦角　　　　　　δ<sub> </sub> = ###.## (度)", {K1.fDelta * kDeg});
  f.Line("　　　　　　湿 潤 重 量　 　　　　γ<sub> </sub> = ###.## (@/m<sup>3</sup>)",
         {doc.Gamb, unit});
  if (K0.fWlvl > 0) {
    f.Line("　　　　　　水 中 重 量　 　　　　γ'<sub> </sub>= ###.## (@/m<sup>3</sup>)",
           {doc.Gambd, unit});
  }
  f.Line("　　　　　　粘　着　力　　　　　　ｃ<sub> </sub> = ###.## (@/m<sup>2</sup>)",
         {doc.C(s), unit});

  auto twelve = [&](double W, double l) -> std::vector<ReportValue> {
    return {
        W, K1.fKh * kDeg,  K1.fOmega * kDeg, K1.fFai * kDeg, K1.fKh * kDeg,    K1.fC,
        l, K1.fFai * kDeg, K1.fOmega * kDeg, K1.fFai * kDeg, K1.fAlpha * kDeg, K1.fDelta * kDeg};
  };
  if (!(d > 0)) {
    f.Empty();
    f.Line("主働土圧合力は、");
    f.Empty();
    f.Line("　<math>P_A_=<box>Ｗ･secθ･sin(ε-φ+θ)-c･l･cosφ<over>cos(ε-φ-α-δ)</box></math>");
    f.Empty();
    PrnSignedLine(f,
                  "  "
                  "　<math>=<box>##.##×sec(##.##)×sin(##.##-##.##+##.##)-##.##×##.###×cos(##.##)<"
                  "over>cos(##.##-##.##-##.##-##.##)</box></math>",
                  twelve(K1.fWQ(1) + K1.fWQ(0), K1.fL(1) + K1.fL(0)));
    f.Empty();
    f.Line("　　<math>=##.## (@/m)</math>", {K1.fPa, unit});
  } else {
    f.Empty();
    f.Line("d=0とした場合の主働土圧合力");
    f.Empty();
    f.Line("　<math>P_A0_=<box>W･secθ･sin(ε-φ+θ)-c･l･cosφ<over>cos(ε-φ-α-δ)</box></math>");
    f.Empty();
    PrnSignedLine(f,
                  "　　 "
                  "<math>=<box>##.##×sec(##.##)×sin(##.##-##.##+##.##)-##.##×##.###×cos(##.##)<"
                  "over>cos(##.##-##.##-##.##-##.##)</box></math>",
                  twelve(K1.fWQ(0), K1.fL(0)));
    f.Empty();
    f.Line("　　 <math>=##.## (@/m)</math>", {K1.fPa, unit});

    f.Empty();
    f.Line("盛土部擁壁とみなした場合の主働土圧合力");
    const std::string graph = PrnKusabiGraphPath(folder, "AntKusabiRes", "00", i);
    const bool drawn = PrnKusabiGraph(doc, K0, graph) != 0;
    f.Empty();
    f.Line("　主働すべり角ωAを変化させ、盛土部擁壁と見なした場合の最大主働土圧合力は下表の通り。");
    f.Empty();
    if (drawn) PrnFigure(f, graph, 50);
    PrnKusabiTable(f, doc, k0.get(), "ω<SUB>A</SUB>|ｌ|Ｗ|P<SUB>A1</SUB>");
    f.Empty();
    f.Line("従って、盛土部擁壁とみなした場合の最大主働土圧合力はω<sub>A</sub>=#.###°の時となる。",
           {K0.fOmega * kDeg});
    f.Empty();
    f.Line("　　P<sub>A1</sub>=##.## (@/m)", {K0.fPa, unit});
    f.Empty();
    f.Line("地山の影響を無視できる距離d<sub>1</sub>は、ω<sub>A</sub>=#.###°より、",
           {K0.fOmega * kDeg});
    f.Empty();
    f.Line("　　<math>d_1_=#.### (m)</math>", {r.D1});
    f.Empty();
    f.Line("以上より、主働土圧合力は、");
    f.Empty();
    f.Line("　<math>P_A_=<sqrt>1-{(d-d_1_)/d_1_}^2^</sqrt>(P_A1_-P_A0_)+P_A0_</math>");
    f.Empty();
    // Beyond d1, or without a d1, the calculation blends nothing: the
    // numbers would not give the thrust it took.
    if (r.D1 != 0 && d < r.D1) {
      PrnSignedLine(f,
                    "　  <math>=<sqrt>1-{(#.###-#.###)/#.###}^2^</sqrt>×(##.##-##.##)+##.##</math>",
                    {d, r.D1, r.D1, K0.fPa, K1.fPa, K1.fPa});
      f.Empty();
    }
    f.Line("　  <math>=##.## (@/m)</math>", {r.Pa, unit});
  }
  f.Empty();
  f.Line("P<sub>A</sub>の鉛直及び水平分力P<sub>AV</sub>,P<sub>AH</sub>は、");
  f.Empty();
  const double a = K1.fAlpha * kDeg, dl = K1.fDelta * kDeg;
  f.Line("　　P<sub>AV</sub> = P<sub>A</sub>･sin(α＋δ) = ##.##×sin(##.##+##.##) = ##.## (@/m)",
         {r.Pa, a, dl, r.Pav, unit});
  f.Line("　　P<sub>AH</sub> = P<sub>A</sub>･cos(α＋δ) = ##.##×cos(##.##+##.##) = ##.## (@/m)",
         {r.Pa, a, dl, r.Pah, unit});
  f.Empty();
  f.Line("土圧の作用位置X<sub>P</sub>,Y<sub>P</sub>は、");
  f.Empty();
  f.Line("　<math>Y_P_=<box>1<over>3</box>･H=<box>1<over>3</box>×#.###=#.### (m)</math>",
         {H, r.Pay});
  PrnSignedLine(f, "　<math>X_P_=B-Y_P_･tanα=##.###-#.###×tan(##.##)=#.### (m)</math>",
                {B, r.Pay, K1.fAlpha * kDeg, r.Pax});
  PrnBlockClose(f);
}

}  // namespace norva

#include <cmath>
#include <memory>
#include <string>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "report/driver/prn_file.h"
#include "report/earth_pressure/prn_kusabi.h"
#include "report/earth_pressure/prn_kusabi_sections.h"
#include "report/stability/stability_markup.h"

namespace norva {

namespace {

constexpr double kDeg = 57.29577951308238;

}  // namespace

void PrnDoatsuKongoMori(PrnFile& f, const CDocument& doc, const std::string& /*folder*/) {
  const std::string& unit = PrnUnitWords[0];
  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, "土　圧");
  PrnHeading(f, doc, 3, "計算方法");
  f.Line("土圧は試行くさび法により算出する。");
  f.Empty();
  // The shipped figure is named in place.
  f.Line("<IMG SRC=@, WIDTH=90% HEIGHT=90%>",
         {PrnImgSrc(f.ProgramDir() + "/resource/KONGO_MORI.svg")});
  f.Empty();
  f.Line("主働土圧の合力");
  f.Empty();
  f.Line(
      "　　<math>P_A_&nbsp;=&nbsp;<box>W･secθ･sin(ω_A_-φ+θ)-c･l･cosφ-P_1_･cos(ω_A_-φ-α_1_-δ)"
      "<over>cos(ω_A_－φ－α_2_－δ)</box></math>");
  f.Empty();
  f.Line("主働土圧合力の鉛直及び水平成分");
  f.Empty();
  f.Line("　　<math>P_AV_&sp;=&sp;P_A_･sin(α_2_＋δ)</math>");
  f.Line("　　<math>P_AH_&sp;=&sp;P_A_･cos(α_2_＋δ)</math>");
  f.Empty();
  f.Line("土圧の作用位置");
  f.Empty();
  f.Line("　<math>Y_P_=<box>H_2_<over>3</box>･<box>3H_1_+H_2_<over>2H_1_+H_2_</box></math>");
  f.Line("　<math>X_P_=B-Y_P_･tanα_2_</math>");
  f.Empty();
  f.Line("ここに､ P<sub>A</sub> ：主働土圧の合力 (@/m)", {unit});
  f.Line("　　　　P<sub>1</sub> ：上部擁壁に作用する主働土圧の合力 (@/m)", {unit});
  f.Line(
      "　　　　W<sub> </sub> ：地表面の亀裂深さz<sub>c</sub>を考慮した土くさびの重量(載荷重を含む) "
      "(@/m)",
      {unit});
  f.Line("　　　　ω<sub>A</sub>：主働すべり角 (度)");
  f.Line("　　　　c<sub> </sub> ：裏込め土の粘着力 (@/m<sup>2</sup>)", {unit});
  f.Line("　　　　φ<sub> </sub>：裏込め土のせん断抵抗角 (度)");
  f.Line("　　　　δ<sub> </sub>：壁面摩擦角 (度)");
  f.Line("　　　　α<sub>1</sub>：上部擁壁の背面が鉛直面となす角 (度)");
  f.Line("　　　　α<sub>2</sub>：下部擁壁の背面が鉛直面となす角 (度)");
  f.Line("　　　　θ<sub> </sub>：地震合成角 (度)　地震の影響を考慮しない場合はθ=0とする。");
  f.Line("　　　　　<sub> </sub>　θ = tan<sup>-1</sup>k<sub>H</sub>");
  f.Line("　　　　l<sub> </sub> ：すべり面の長さ (m)");
  f.Line("　　　　z<sub>c</sub> ：地表面の亀裂深さ (m)");
  f.Line(
      "　　　　 <sub> </sub> "
      "　<math>z_c_=<box>2c<over>γ</box>tan(45°＋<box>φ<over>2</box>)</math>");
  f.Line("　　　　γ<sub> </sub>：裏込め土の単位体積重量 (@/m<sup>3</sup>)", {unit});
  f.Line("　　　　H<sub>1 </sub>：上部擁壁背面高 (m)");
  f.Line("　　　　H<sub>2 </sub>：下部擁壁背面高 (m)");
  f.Line("　　　　P<sub>AV</sub>：主働土圧合力の鉛直成分 (@/m)", {unit});
  f.Line("　　　　P<sub>AH</sub>：主働土圧合力の水平成分 (@/m)", {unit});
  f.Line("　　　　X<sub>P </sub>：主働土圧合力のX方向の作用位置 (m)");
  f.Line("　　　　Y<sub>P </sub>：主働土圧合力のY方向の作用位置 (m)");
  PrnBlockClose(f);
}

void PrnDoatsuKongoMoriCase(PrnFile& f, const CDocument& doc, int32_t i,
                            const std::string& folder) {
  const std::shared_ptr<CAntRes> result = doc.AntRes(1, i);
  const CAntRes noResult;
  const CAntRes& r = result ? *result : noResult;
  const std::shared_ptr<CKusabiRes> held = r.Kusabi(0);
  const CKusabiRes none;
  const CKusabiRes& K = held ? *held : none;
  const std::string& unit = PrnUnitWords[0];
  const double a2 = K.fAlpha * kDeg, d = K.fDelta * kDeg;

  const std::string graph = PrnKusabiGraphPath(folder, "AntKusabiRes", "01", i);
  const bool drawn = PrnKusabiGraph(doc, K, graph) != 0;

  PrnBlockOpen(f);
  f.Empty();
  // The lower wall's case heading keeps its fixed level 3.
  f.Line("<H3>荷重ケース.# － @時</H3>", {i + 1, doc.pCase(i) ? doc.pCase(i)->CaseName : ""});
  PrnQuakeNote(f, doc, i);
  f.Empty();
  f.Line("上部擁壁　壁面傾斜角　α<sub>1</sub> =##.## (度)", {K.fAlphaU * kDeg});
  f.Line("　　　　　土　圧　　　P<sub>1</sub>  = ##.## (@/m)", {K.fPaU, unit});
  f.Line("下部擁壁　壁面傾斜角　α<sub>2</sub> = ##.## (度)", {a2});
  f.Line("裏込め土　内部摩擦角　φ<sub> </sub> = ##.## (度)", {K.fFai * kDeg});
  f.Line("　　　　　粘　着　力　ｃ<sub> </sub> = ##.## (@/m<sup>2</sup>)", {K.fC, unit});
  f.Line("　　　　　壁面摩擦角　δ<sub> </sub> = ##.## (度)", {d});
  f.Line("　　　　　湿潤重量　　γ<sub> </sub> = ##.## (@/m<sup>3</sup>)", {doc.Gamb, unit});
  if (K.fWlvl > 0) {
    f.Line("　　　　　水中重量　　γ'<sub> </sub>= ##.## (@/m<sup>3</sup>)", {doc.Gambd, unit});
  }
  if (K.fKh > 0) {
    f.Line("地震合成角　　　　　　θ = tan<sup>-1</sup>k<sub>H</sub> = ##.### (度)", {K.fKh * kDeg});
  }
  f.Empty();
  f.Line("主働すべり角ω<SUB>A</SUB>を変化させ最大土圧を算出した結果は下の通り。");
  f.Empty();
  if (drawn) PrnImage(f, graph, 50);
  PrnKusabiTable(f, doc, held.get(), "ω<SUB>A</SUB>|ｌ|Ｗ|Ｐ<SUB>A</SUB>");
  f.Empty();
  if (K.bChgOmg != 0) {
    f.Line("採用する主働土圧はω=##.##°の時とし、", {K.fOmega * kDeg});
  } else {
    f.Line("従って、最大主働土圧はω=##.##°の時となり、", {K.fOmega * kDeg});
  }
  f.Empty();
  f.Line("主働土圧合力");
  f.Line("　　P<sub>A</sub> = ####.## (@/m)", {K.fPa, unit});
  PrnBlockClose(f);

  PrnKongoComponentsBlock(f, doc, K.fPa, K, r);
}

void PrnKongoComponentsBlock(PrnFile& f, const CDocument& doc, double pa, const CKusabiRes& k,
                             const CAntRes& r) {
  const std::string& unit = PrnUnitWords[0];
  const double H1 = doc.MxwH3 + doc.MxwH1 - doc.UraHd;
  const double H2 = doc.MxwH2 - doc.MxwH3;
  const double a2 = k.fAlpha * kDeg, d = k.fDelta * kDeg;
  // B from the stored point of action: the X_P line gives the stored X_P.
  const double B =
      IsNullValue(r.Pax) || IsNullValue(r.Pay) ? kNullBox : r.Pax + r.Pay * std::tan(k.fAlpha);
  PrnBlockOpen(f);
  f.Empty();
  f.Line("P<sub>A</sub>の鉛直及び水平分力P<sub>AV</sub>,P<sub>AH</sub>は、");
  f.Empty();
  f.Line(
      "　　P<sub>AV</sub> = P<sub>A</sub>･sin(α<sub>2</sub>＋δ) = ##.##×sin(##.##+##.##) = ##.## "
      "(@/m)",
      {pa, a2, d, r.Pav, unit});
  f.Line(
      "　　P<sub>AH</sub> = P<sub>A</sub>･cos(α<sub>2</sub>＋δ) = ##.##×cos(##.##+##.##) = ##.## "
      "(@/m)",
      {pa, a2, d, r.Pah, unit});
  f.Empty();
  f.Line("土圧の作用位置X<sub>P</sub>,Y<sub>P</sub>は、");
  f.Empty();
  f.Line(
      "　　<math>Y_P_=<box>H_2_<over>3</box>･<box>3H_1_+H_2_<over>2H_1_+H_2_</box>=<box>#.###"
      "<over>3</box>×<box>3×#.###+#.###<over>2×#.###+#.###</box>=#.### (m)</math>",
      {H2, H1, H2, H1, H2, r.Pay});
  PrnSignedLine(f, "　　<math>X_P_=B-Y_P_･tanα_2_=##.###-#.###×tan(##.##)=#.### (m)</math>",
                {B, r.Pay, a2, r.Pax});
  PrnBlockClose(f);
}

}  // namespace norva

#include <cmath>
#include <memory>

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

bool Horizontal(const CDocument& doc) { return doc.WallType() == 3 || doc.nTentou == 3; }

}  // namespace

std::string PrnImgSrc(const std::string& path) {
  return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

void PrnDoatsuKusabiMori(PrnFile& f, const CDocument& doc, const std::string& folder) {
  const int32_t wt = doc.WallType();
  const char* shipped = wt == 1   ? "JYU_KUSABI_MORI"
                        : wt == 2 ? "MOTARE_KUSABI_MORI"
                                  : "BLOCK_KUSABI_MORI";
  const std::string figure = PrnCopyFigure(f, shipped, folder, "KUSABI");
  const std::string& unit = PrnUnitWords[0];
  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, "土　圧");
  PrnHeading(f, doc, 3, "計算方法");
  f.Line("土圧は試行くさび法により算出する。");
  f.Empty();
  PrnFigure(f, figure, 75);
  f.Line("主働土圧の合力");
  f.Empty();
  f.Line(
      "　　<math>P_A_&nbsp;=&nbsp;<box>Ｗ･secθ･sin(ω_A_－φ＋θ)－c･l･cosφ<over>cos(ω_A_－φ－α－δ)</"
      "box></math>");
  f.Empty();
  f.Line("主働土圧合力の鉛直及び水平成分");
  f.Empty();
  if (Horizontal(doc)) {
    f.Line("　　<math>P_AV_&sp;=&sp;0.00</math>");
    f.Line("　　<math>P_AH_&sp;=&sp;P_A_</math>");
    f.Line("　　　全土圧を水平方向に作用させるものとする。");
  } else {
    f.Line("　　<math>P_AV_&sp;=&sp;P_A_･sin(α＋δ)</math>");
    f.Line("　　<math>P_AH_&sp;=&sp;P_A_･cos(α＋δ)</math>");
  }
  if (wt == 3) {
    f.Empty();
    f.Line("下部擁壁へ作用する土圧の鉛直及び水平分力");
    f.Empty();
    f.Line("　　<math>P_AV_&sp;=&sp;P_A_･sin(α＋δ)</math>");
    f.Line("　　<math>P_AH_&sp;=&sp;P_A_･cos(α＋δ)</math>");
  }
  f.Empty();
  f.Line("土圧の作用位置");
  f.Empty();
  f.Line("　<math>Y_P_=<box>1<over>3</box>･H</math>");
  f.Line("　<math>X_P_=B-Y_P_･tanα</math>");
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("ここに､ P<sub>A</sub> ：主働土圧の合力 (@/m)", {unit});
  f.Line(
      "　　　　Ｗ<sub> </sub>：地表面の亀裂深さz<sub>c</sub>を考慮した土くさびの重量(載荷重を含む) "
      "(@/m)",
      {unit});
  f.Line("　　　　ω<sub>A</sub>：主働すべり角 (度)");
  f.Line("　　　　c<sub> </sub> ：裏込め土の粘着力 (@/m<sup>2</sup>)", {unit});
  f.Line("　　　　φ<sub> </sub>：裏込め土のせん断抵抗角 (度)");
  f.Line("　　　　δ<sub> </sub>：壁面摩擦角 (度)");
  f.Line("　　　　α<sub> </sub>：壁面が鉛直面となす角 (度)");
  f.Line("　　　　θ<sub> </sub>：地震合成角 (度)　地震の影響を考慮しない場合はθ=0とする。");
  f.Line("　　　　　<sub> </sub>　θ = tan<sup>-1</sup>k<sub>H</sub>");
  f.Line("　　　　l<sub> </sub> ：すべり面の長さ (m)");
  f.Line("　　　　z<sub>c</sub> ：地表面の亀裂深さ (m)");
  f.Line(
      "　　　　 <sub> </sub> "
      "　<math>z_c_=<box>2c<over>γ</box>tan(45°＋<box>φ<over>2</box>)</math>");
  f.Line("　　　　γ<sub> </sub>：裏込め土の単位体積重量 (@/m<sup>3</sup>)", {unit});
  f.Line("　　　　H<sub>  </sub>：壁高 (m)");
  f.Line("　　　　P<sub>AV</sub>：主働土圧合力の鉛直成分 (@/m)", {unit});
  f.Line("　　　　P<sub>AH</sub>：主働土圧合力の水平成分 (@/m)", {unit});
  f.Line("　　　　X<sub>P </sub>：主働土圧合力のX方向の作用位置 (m)");
  f.Line("　　　　Y<sub>P </sub>：主働土圧合力のY方向の作用位置 (m)");
  f.Line("　　　　B<sub>  </sub>：底面幅 (m)");
  PrnBlockClose(f);
}

void PrnDoatsuKusabiMoriCase(PrnFile& f, const CDocument& doc, int32_t i,
                             const std::string& folder) {
  const CAntRes& r = *doc.AntRes(0, i);
  const std::shared_ptr<CKusabiRes> held = r.Kusabi(0);
  const CKusabiRes none;
  const CKusabiRes& K = held ? *held : none;
  const std::string& unit = PrnUnitWords[0];
  // H, B and Y_P in the frame of the stored point of action, so that the
  // X_P line gives the stored X_P for every wall, the upper wall of a mixed
  // wall included.
  const bool point = !IsNullValue(r.Pax) && !IsNullValue(r.Pay);
  const double Yp = IsNullValue(r.Pay) ? kNullBox : r.Pay;
  const double H = IsNullValue(r.Pay) ? kNullBox : 3 * r.Pay;
  const double B = point ? r.Pax - r.Pay * std::tan(-K.fAlpha) : kNullBox;
  const double a = K.fAlpha * kDeg, d = K.fDelta * kDeg;

  const std::string graph = PrnKusabiGraphPath(folder, "AntKusabiRes", "00", i);
  const bool drawn = PrnKusabiGraph(doc, K, graph) != 0;

  PrnBlockOpen(f);
  f.Empty();
  f.Line("<H3>荷重ケース.# － @時</H3>", {i + 1, doc.pCase(i) ? doc.pCase(i)->CaseName : ""});
  PrnQuakeNote(f, doc, i);
  f.Empty();
  f.Line("主働すべり角ω<SUB>A</SUB>を変化させ最大土圧を算出した結果は下の通り。");
  f.Empty();
  f.Line("壁面傾斜角　　α<sub> </sub> = ###.## (度)", {a});
  f.Line("内部摩擦角　　φ<sub> </sub> = ###.## (度)", {K.fFai * kDeg});
  f.Line("壁面摩擦角　　δ<sub> </sub> = ###.## (度)", {d});
  f.Line("設計水平震度　k<sub>H</sub>  = ###.##", {std::tan(K.fKh)});
  f.Line("地震合成角　　θ<sub> </sub> = ###.## (度)", {K.fKh * kDeg});
  f.Line("湿 潤 重 量　 γ<sub> </sub> = ###.## (@/m<sup>3</sup>)", {doc.Gamb, unit});
  if (K.fWlvl > 0)
    f.Line("水 中 重 量　 γ'<sub> </sub>= ###.## (@/m<sup>3</sup>)", {doc.Gambd, unit});
  f.Line("粘　着　力　　ｃ<sub> </sub> = ###.## (@/m<sup>2</sup>)", {K.fC, unit});
  f.Empty();
  if (drawn) PrnImage(f, graph, 50);
  PrnKusabiTable(f, doc, held.get(), "ω<SUB>A</SUB>|ｌ|Ｗ|Ｐ<SUB>A</SUB>");
  f.Empty();
  if (K.bChgOmg == 0) {
    f.Line("従って、最大主働土圧はω=##.##°の時となる。", {K.fOmega * kDeg});
  } else {
    f.Line("採用する最大主働土圧はω=##.##°の時とする。", {K.fOmega * kDeg});
  }
  f.Empty();
  f.Line("主働土圧合力");
  f.Line("　　P<sub>A</sub> = ####.## (@/m)", {K.fPa, unit});
  f.Empty();
  f.Line("P<sub>A</sub>の鉛直及び水平分力P<sub>AV</sub>,P<sub>AH</sub>は、");
  f.Empty();
  const char* pav =
      "　　P<sub>AV</sub> = P<sub>A</sub>･sin(α＋δ) = ##.##×sin(##.##+##.##) = ##.## (@/m)";
  const char* pah =
      "　　P<sub>AH</sub> = P<sub>A</sub>･cos(α＋δ) = ##.##×cos(##.##+##.##) = ##.## (@/m)";
  if (Horizontal(doc)) {
    f.Line("　　P<sub>AV</sub> = 0.00 (@/m)", {unit});
    f.Line("　　P<sub>AH</sub> = P<sub>A</sub> = ##.## (@/m)", {K.fPa, unit});
  } else {
    f.Line(pav, {K.fPa, a, d, r.Pav, unit});
    f.Line(pah, {K.fPa, a, d, r.Pah, unit});
  }
  if (doc.WallType() == 3) {
    f.Empty();
    f.Line("下部擁壁へ作用する土圧の鉛直及び水平分力、");
    f.Empty();
    f.Line(pav, {K.fPa, a, d, r.Pav, unit});
    f.Line(pah, {K.fPa, a, d, r.Pah, unit});
  }
  f.Empty();
  f.Line("土圧の作用位置X<sub>P</sub>,Y<sub>P</sub>は、");
  f.Empty();
  f.Line("　　<math>Y_P_=<box>1<over>3</box>･H=<box>1<over>3</box>×#.###=#.### (m)</math>",
         {H, Yp});
  PrnSignedLine(f, "　　<math>X_P_=B-Y_P_･tanα=##.###-#.###×tan(##.##)=#.### (m)</math>",
                {B, Yp, a, r.Pax});
  PrnBlockClose(f);
}

}  // namespace norva

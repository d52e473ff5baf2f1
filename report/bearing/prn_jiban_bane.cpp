#include "report/bearing/prn_jiban_bane.h"

#include <cmath>

#include "calc/stability/stability_checks.h"
#include "calc/stability/verdicts.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/nulls.h"
#include "report/driver/prn_file.h"
#include "report/stability/stability_markup.h"

namespace norva {

namespace {

constexpr double kRadToDeg = 57.29577951308238;

// The bracket rules of the 3 × 13 matrix tables: the sides of the load
// vector, the matrix and the unknowns.
void MatrixBrackets(PrnFile& f) {
  f.Line("<TL= 6, SROW=0, SCOL= 0, EROW=2, ECOL= 0>");
  f.Line("<TL= 2, SROW=0, SCOL= 0, EROW=2, ECOL= 0>");
  f.Line("<TL= 6, SROW=0, SCOL= 2, EROW=2, ECOL= 2>");
  f.Line("<TL= 3, SROW=0, SCOL= 2, EROW=2, ECOL= 2>");
  f.Line("<TL= 6, SROW=0, SCOL= 4, EROW=2, ECOL= 4>");
  f.Line("<TL= 2, SROW=0, SCOL= 4, EROW=2, ECOL= 4>");
  f.Line("<TL= 6, SROW=0, SCOL= 8, EROW=2, ECOL= 8>");
  f.Line("<TL= 3, SROW=0, SCOL= 8, EROW=2, ECOL= 8>");
  f.Line("<TL= 6, SROW=0, SCOL=10, EROW=2, ECOL=10>");
  f.Line("<TL= 2, SROW=0, SCOL=10, EROW=2, ECOL=10>");
  f.Line("<TL= 6, SROW=0, SCOL=12, EROW=2, ECOL=12>");
  f.Line("<TL= 3, SROW=0, SCOL=12, EROW=2, ECOL=12>");
}

void MatrixWidths(PrnFile& f, int loadWidth, int matrixWidth) {
  f.Line("<COLWIDTH= 1, SCOL= 0, ECOL= 0>");
  f.Line("<COLWIDTH=##, SCOL= 1, ECOL= 1>", {loadWidth});
  f.Line("<COLWIDTH= 1, SCOL= 2, ECOL= 2>");
  f.Line("<COLWIDTH= 3, SCOL= 3, ECOL= 3>");
  f.Line("<COLWIDTH= 1, SCOL= 4, ECOL= 4>");
  f.Line("<COLWIDTH=##, SCOL= 5, ECOL= 7>", {matrixWidth});
  f.Line("<COLWIDTH= 1, SCOL= 8, ECOL=10>");
  f.Line("<COLWIDTH= 4, SCOL=11, ECOL=11>");
  f.Line("<COLWIDTH= 1, SCOL=12, ECOL=12>");
}

void MatrixUnknowns(PrnFile& f) {
  f.Line("<TD SROW=0, SCOL=11, VALIGN=MIDDLE>u<sub>0</sub></TD>");
  f.Line("<TD SROW=1, SCOL=11, VALIGN=MIDDLE>v<sub>0</sub></TD>");
  f.Line("<TD SROW=2, SCOL=11, VALIGN=MIDDLE>θ</TD>");
}

void MethodCoefficients(PrnFile& f) {
  const std::string& kN = PrnUnitWords[0];
  f.Line("a) 地盤反力係数");
  f.Empty();
  f.Line("　<math>k_v_ = <box>1<over>0.3</box>α_0_･E_0_(B'/0.3)^-3/4^</math>");
  f.Line("　<math>k_t_ = <box>1<over>0.3</box>α_0_･E_0_(l'/0.3)^-3/4^</math>");
  f.Line("　<math>k_s_ = λ･k_v_</math>");
  f.Empty();
  f.Line("　<math>B' = <sqrt>B･L</sqrt>,　l' = <sqrt>l･L</sqrt></math>");
  f.Empty();
  f.Line("　ここに、k<sub>v</sub> ：底面の鉛直地盤反力係数 (@/m<sup>3</sup>)", {kN});
  f.Line("　　　　　k<sub>t</sub> ：壁面の垂直地盤反力係数 (@/m<sup>3</sup>)", {kN});
  f.Line("　　　　　k<sub>s</sub> ：底面のせん断地盤反力係数 (@/m<sup>3</sup>)", {kN});
  f.Line("　　　　　λ<sub> </sub>：せん断地盤反力係数比。λ=0.5");
  f.Line("　　　　　E<sub>0</sub> ：地盤の変形係数 (@/m<sup>2</sup>)", {kN});
  f.Line("　　　　　α<sub>0</sub>：変形係数の求め方に対する補正係数");
  f.Line("　　　　　B'<sub> </sub>：底面の換算載荷幅 (m)");
  f.Line("　　　　　l'<sub> </sub>：壁面の換算載荷幅 (m)");
  f.Line("　　　　　B<sub> </sub> ：底面幅 (m)");
  f.Line("　　　　　l<sub> </sub> ：壁面の長さ (m)");
  f.Line("　　　　　L<sub> </sub> ：擁壁ブロック長 (m)");
}

void MethodDisplacements(PrnFile& f) {
  f.Line("b) 底面の任意点の変位");
  f.Empty();
  f.Line("　<math>δ_x_ = u_0_,　δ_y_ = v_0_＋θ･x</math>");
  f.Empty();
  f.Line("　ここに、u<sub>0</sub> ：つま先位置での水平変位 (m)");
  f.Line("　　　　　v<sub>0</sub> ：つま先位置での鉛直変位 (m)");
  f.Line("　　　　　θ<sub> </sub>：つま先位置での回転角 (度)");
  f.Empty();
  f.Line("c) かかとの変位");
  f.Empty();
  f.Line("　<math>δ_x1_ = u_0_,　δ_y1_ = v_0_＋B･θ,　δ_t1_ = δ_x1_cosα＋δ_y1_sinα</math>");
  f.Empty();
  f.Line("d) 壁面の任意点の変位");
  f.Empty();
  f.Line("　<math>δ_t_ =δ_t1_＋s･θ = δ_x1_cosα＋δ_y1_sinα＋s･θ</math>");
  f.Line("　　 <math>= u_0_cosα＋v_0_sinα＋(B･sinα＋s)θ</math>");
  f.Empty();
  f.Line("　ここに、s ：かかとから任意点nまでの壁面長 (m)");
  f.Empty();
  f.Line("e) 任意点の地盤反力度");
  f.Empty();
  f.Line("　<math>q_H_ =k_s_δ_x_,　q_V_ = k_V_δ_y_,　q_t_ = k_t_δ_t_</math>");
  f.Empty();
}

void MethodStiffness(PrnFile& f) {
  f.Line("f) 剛性方程式");
  f.Empty();
  f.Line("<TABLE ROW=3, COL=13>");
  MatrixWidths(f, 5, 5);
  f.Line("<HEADER>");
  MatrixBrackets(f);
  f.Line("<TD SROW=0, SCOL= 1, VALIGN=MIDDLE>ΣH</TD>");
  f.Line("<TD SROW=1, SCOL= 1, VALIGN=MIDDLE>ΣV</TD>");
  f.Line("<TD SROW=2, SCOL= 1, VALIGN=MIDDLE>ΣM</TD>");
  f.Line("<TD SROW=0, SCOL= 3, EROW=2, ECOL=3, VALIGN=MIDDLE>=</TD>");
  for (int col = 0; col < 3; ++col) {
    for (int row = 0; row < 3; ++row) {
      f.Line("<TD SROW=#, SCOL= #, VALIGN=MIDDLE>A<sub>##</sub></TD>",
             {row, col + 5, (row + 1) * 10 + col + 1});
    }
  }
  MatrixUnknowns(f);
  f.Line("</HEADER>");
  f.Line("</TABLE>");
  f.Empty();
  f.Line("　<math>A_11_ = k_s_･B＋k_t_･l_2_cos^2^α</math>");
  f.Line("　<math>A_12_ = A_21_ = k_t_･l_2_sinαcosα</math>");
  f.Line("　<math>A_22_ = k_v_･B＋k_t_･l_2_sin^2^α</math>");
  f.Line("　<math>A_13_ = A_31_ = k_t_･l_2_cosα(Bsinα＋l_1_＋l_2_/2)</math>");
  f.Line("　<math>A_23_ = A_32_ = 1/2k_v_･B^2^＋k_t_･l_2_sinα(Bsinα＋l_1_＋l_2_/2)</math>");
  f.Line(
      "　<math>A_33_ = 1/3k_v_･B^3^＋k_t_･l_2_<box>{<left>Bsinα(Bsinα＋2l_1_＋l_2_)＋l_1_ ^　2^＋"
      "l_1_･l_2_＋l_2_ ^　2^/3<right>}</box></math>");
  f.Empty();
  f.Line("g) 適合条件式");
  f.Empty();
  f.Line("　<math>u_0_cosα＋(v_0_＋B･θ)sinα＋l_1_･θ = 0</math>");
}

void CaseTable(PrnFile& f, const CDocument& doc, const CAntRes& r, const BaneValues& v) {
  const std::string& kN = PrnUnitWords[0];
  f.Line("<TABLE ROW=10, COL=6>");
  f.Line("<HEADER>");
  f.Line("<TD SROW=0, SCOL=0, HALIGN=LEFT>荷重　　　</TD>");
  f.Line("<TD SROW=3, SCOL=0, HALIGN=LEFT>擁壁形状　</TD>");
  f.Line("<TD SROW=8, SCOL=0, HALIGN=LEFT>変形係数　</TD>");
  static const char* const kLabels[] = {"水平力　　", "鉛直力　　", "モーメント", "高さ　　　",
                                        "延長　　　", "底面幅　　", "壁面傾斜角", "壁面長　　",
                                        "基礎地盤　", "背面地盤　"};
  for (int row = 0; row < 10; ++row) {
    f.Line("<TD SROW=#, SCOL=1>@</TD>", {row, kLabels[row]});
  }
  static const char* const kSymbols[] = {"ΣＨ",
                                         "ΣＶ",
                                         "ΣＭ",
                                         "Ｈ",
                                         "Ｌ<sub>w</sub>",
                                         "Ｂ",
                                         "α",
                                         "ｌ",
                                         "α･E<sub>0b</sub> ",
                                         "α･E<sub>0w</sub> "};
  for (int row = 0; row < 10; ++row) {
    f.Line("<TD SROW=#, SCOL=2>@</TD>", {row, kSymbols[row]});
  }
  f.Line("<TD SROW=0, SCOL=3, HALIGN=LEFT>=########.## (@)</TD>", {-r.SgmH, kN});
  f.Line("<TD SROW=1, SCOL=3, HALIGN=LEFT>=########.## (@)</TD>", {r.SgmV, kN});
  f.Line("<TD SROW=2, SCOL=3, HALIGN=LEFT>=########.## (@･m)</TD>", {r.SgmMr - r.SgmMo, kN});
  f.Line("<TD SROW=3, SCOL=3, HALIGN=LEFT>=#######.### (m)</TD>", {doc.WallH});
  f.Line("<TD SROW=4, SCOL=3, HALIGN=LEFT>=#######.### (m)</TD>", {doc.WallL});
  f.Line("<TD SROW=5, SCOL=3, HALIGN=LEFT>=#######.### (m)</TD>", {r.Breadth});
  f.Line("<TD SROW=6, SCOL=3, HALIGN=LEFT>=########.## (度)</TD>", {v.alphaDeg});
  f.Line("<TD SROW=7, SCOL=3, HALIGN=LEFT>=#######.### (m)</TD>", {v.l});
  f.Line("<TD SROW=8, SCOL=3, HALIGN=LEFT>=########.## (@/m<sup>2</sup>)</TD>", {v.ae0b, kN});
  f.Line("<TD SROW=9, SCOL=3, HALIGN=LEFT>=########.## (@/m<sup>2</sup>)</TD>", {v.ae0w, kN});
  f.Line("</HEADER>");
  f.Line("</TABLE>");
  PrnBlockClose(f);
}

void CaseSprings(PrnFile& f, const CAntRes& r, const BaneValues& v) {
  const std::string& kN = PrnUnitWords[0];
  PrnBlockOpen(f);
  f.Empty();
  f.Line("鉛直バネ定数");
  f.Empty();
  f.Line("　　<math>k_v_=<box>1<over>0.3</box>α･E_0b_(B'/0.3)^-3/4^</math>");
  f.Line("　　  <math>=<box>1<over>0.3</box>×#.##×(#.###/0.3)^-3/4^=#.## (@/m^3^)</math>",
         {v.ae0b, r.Bd, r.Kv, kN});
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("せん断バネ定数");
  f.Empty();
  f.Line("　　<math>k_s_=λ･k_v_</math>");
  f.Line("　　  <math>=0.5×#.##=#.## (@/m^3^)</math>", {r.Kv, r.Ks, kN});
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("垂直バネ定数");
  f.Empty();
  f.Line("　　<math>k_t_=<box>1<over>0.3</box>α･E_0w_(l'/0.3)^-3/4^</math>");
  f.Line("　　  <math>=<box>1<over>0.3</box>×#.##×(#.###/0.3)^-3/4^=#.## (@/m^3^)</math>",
         {v.ae0w, r.Ld, r.Kt, kN});
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("地盤反力度");
  f.Line("　　塑性場　l<sub>1</sub> = ##.### (m)", {r.l1});
  f.Line("　　弾性場　l<sub>2</sub> = ##.### (m)", {r.l2});
  PrnBlockClose(f);
}

void CaseStiffness(PrnFile& f, const CAntRes& r) {
  PrnBlockOpen(f);
  f.Empty();
  f.Line("剛性方程式");
  f.Line("<INDENT NO=2>");
  f.Line("<TABLE ROW=3, COL=13>");
  MatrixWidths(f, 9, 12);
  f.Line("<HEADER>");
  MatrixBrackets(f);
  const double load[] = {-r.SgmH, r.SgmV, r.SgmMr - r.SgmMo};
  for (int row = 0; row < 3; ++row) {
    f.Line("<TD SROW=#, SCOL= 1, VALIGN=MIDDLE>####.##</TD>", {row, load[row]});
  }
  f.Line("<TD SROW=0, SCOL= 3, EROW=2, ECOL=3, VALIGN=MIDDLE>=</TD>");
  for (int col = 0; col < 3; ++col) {
    for (int row = 0; row < 3; ++row) {
      f.Line("<TD SROW=#, SCOL= #, VALIGN=MIDDLE>#######.##</TD>", {row, col + 5, r.Ann(row, col)});
    }
  }
  MatrixUnknowns(f);
  f.Line("</HEADER>");
  f.Line("</TABLE>");
  PrnBlockClose(f);
}

void CaseDisplacements(PrnFile& f, const CAntRes& r, const BaneValues& v) {
  PrnBlockOpen(f);
  f.Empty();
  f.Line("変位量");
  f.Empty();
  f.Line("　　水平変位　　　u<sub>0</sub> = ##.#### (m)", {r.dx});
  f.Line("　　鉛直変位　　　v<sub>0</sub> = ##.#### (m)", {r.dy});
  f.Line("　　回 転 角　　　θ<sub> </sub>= ##.#### (度)", {v.thetaDeg});
  f.Line("　　　 　 　　　　　<sub> </sub>= #.##### (rad)", {r.thet});
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("適合条件式");
  f.Empty();
  f.Line("　　<math>u_0_cosα+(v_0_+B･θ)sinα+l_1_･θ</math>");
  f.Line("　　<math>=##.####×cos(##.##)+(##.####+##.###×#.#####)×sin(##.##)+##.###×#.#####</math>",
         {r.dx, v.alphaDeg, r.dy, r.Breadth, r.thet, v.alphaDeg, r.l1, r.thet});
  f.Line("　　<math>=#.###</math>", {v.compat});
  PrnBlockClose(f);
}

void CaseReactions(PrnFile& f, const CAntRes& r, const BaneValues& v) {
  const std::string& kN = PrnUnitWords[0];
  PrnBlockOpen(f);
  f.Empty();
  f.Line("地盤反力");
  f.Empty();
  f.Line("　　底面鉛直　　　Q<sub>v</sub> = ####.## (@/m)", {r.Qv, kN});
  f.Line("　　底面水平　　　Q<sub>H</sub> = ####.## (@/m)", {r.Qh, kN});
  f.Line("　　壁　面　　　　Q<sub>t</sub> = ####.## (@/m)", {r.Qt, kN});
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("地盤反力度");
  f.Empty();
  f.Line("　　底面水平　　　q<sub>H </sub> = ####.## (@/m<sup>2</sup>)", {v.qH, kN});
  f.Line("　　底面鉛直前端　q<sub>v1</sub> = ####.## (@/m<sup>2</sup>)", {r.Qmax, kN});
  f.Line("　　底面鉛直後端　q<sub>v2</sub> = ####.## (@/m<sup>2</sup>)", {r.Qmin, kN});
  f.Line("　　壁面下端　　　q<sub>tl</sub> = ####.## (@/m<sup>2</sup>)", {r.qtl, kN});
  f.Line("　　壁面上端　　　q<sub>tu</sub> = ####.## (@/m<sup>2</sup>)", {r.qtu, kN});
  f.Empty();
  f.Line("底面の地盤反力の偏心量");
  f.Empty();
  f.Line(
      "　　<math>e'=<box>B<over>6</box>･<box>q<sub>v1</sub>-q<sub>v2</sub><over>q<sub>v1</sub>+"
      "q<sub>v2</sub></box></math>");
  f.Line(
      "　　  <math>=<box>##.###<over>6</box>×<box>##.##-##.##<over>##.##+##.##</box>=#.### "
      "(m)</math>",
      {r.Breadth, r.Qmax, r.Qmin, r.Qmax, r.Qmin, v.eDash});
  PrnBlockClose(f);
}

}  // namespace

void PrnJibanBane(PrnFile& f, const std::string& folder) {
  f.Line("地盤反力度は以下の式により算出する。");
  f.Empty();
  PrnImage(f, PrnCopyFigure(f, "react", folder, "react"), 100);
  f.Empty();
  MethodCoefficients(f);
  PrnBlockClose(f);
  PrnBlockOpen(f);
  f.Empty();
  MethodDisplacements(f);
  MethodStiffness(f);
}

BaneValues BaneValuesOf(const CDocument& doc, const CAntRes& r, int16_t s) {
  BaneValues v;
  v.alpha = SpringFaceAngle(doc);
  v.alphaDeg = v.alpha * kRadToDeg;
  v.l = doc.WallH / std::cos(v.alpha);
  v.ae0b = (1 + s) * doc.AE0(1);
  v.ae0w = (1 + s) * doc.AE0(0);
  v.thetaDeg = r.thet * kRadToDeg;
  v.qH = r.dx * r.Ks;
  v.compat =
      r.dx * std::cos(v.alpha) + (r.dy + r.Breadth * r.thet) * std::sin(v.alpha) + r.l1 * r.thet;
  const double sum = r.Qmax + r.Qmin;
  v.eDash = IsComputedResult(r.Qmax) && IsComputedResult(r.Qmin) && sum != 0
                ? r.Breadth / 6 * (r.Qmax - r.Qmin) / sum
                : kNullBox;
  return v;
}

void PrnJibanBaneCase(PrnFile& f, const CDocument& doc, const CAntRes& r, int16_t s) {
  const BaneValues v = BaneValuesOf(doc, r, s);
  CaseTable(f, doc, r, v);
  CaseSprings(f, r, v);
  CaseStiffness(f, r);
  CaseDisplacements(f, r, v);
  CaseReactions(f, r, v);
}

}  // namespace norva

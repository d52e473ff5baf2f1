// Unit weights, ground constants and allowable stresses.
#include <string>

#include "document/document.h"
#include "report/conditions/prn_jyouken.h"
#include "report/driver/prn_file.h"

namespace norva {

void PrnJyoukenUnitWeights(PrnFile& f, const CDocument& doc) {
  const std::string& kN = PrnUnitWords[0];
  PrnBlockOpen(f);
  f.Empty();
  f.Line("<H2>単位体積重量</H2>");
  f.Line("コンクリート　壁　　　 ：##.## (@/m<SUP>3</SUP>)", {doc.Gamcw, kN});
  f.Line("　　　　　　　基礎　　 ：##.## (@/m<SUP>3</SUP>)", {doc.Gamcf, kN});
  f.Line("裏 込 め 土 　湿潤重量 ：##.## (@/m<SUP>3</SUP>)", {doc.Gamb, kN});
  f.Line("    　  　　　水中重量 ：##.## (@/m<SUP>3</SUP>)", {doc.Gambd, kN});
  f.Line("前　面　土  　湿潤重量 ：##.## (@/m<SUP>3</SUP>)", {doc.Gamf, kN});
  f.Line("    　  　　　水中重量 ：##.## (@/m<SUP>3</SUP>)", {doc.Gamfd, kN});
  f.Line("水の単位体積重量　　　 ：##.## (@/m<SUP>3</SUP>)", {doc.Gamw, kN});
  PrnBlockClose(f);
}

void PrnJyoukenGround(PrnFile& f, const CDocument& doc) {
  const std::string& kN = PrnUnitWords[0];
  const bool quake = doc.bQuake != 0;
  const bool computedQa = doc.nQa == 0;
  PrnBlockOpen(f);
  f.Empty();
  f.Line("<H2>地盤の諸定数</H2>");
  f.Line("<H3>裏込め土</H3>");
  f.Line("内部摩擦角　　　　 ：##.## (度)", {doc.Fai});
  f.Line("壁面摩擦角　常　時 ：##.## (度)", {doc.delt(0)});
  if (quake) f.Line("　　　　　　地震時 ：##.## (度)", {doc.delt(1)});
  if (doc.Doatsu == 1) {
    f.Line("粘着力　　　常　時 ：##.## (@/m<SUP>2</SUP>)", {doc.C(0), kN});
    if (quake) f.Line("　　　　　　地震時 ：##.## (@/m<SUP>2</SUP>)", {doc.C(1), kN});
  }
  if (doc.Sisin != 3 && doc.BackType == 1) {
    f.Line("切土面の摩擦角　　　　　　　 ：##.## (度)", {doc.Deltd});
    f.Line("切土面と裏込め土の間の粘着力 ：##.## (@/m<SUP>2</SUP>)", {doc.Cd, kN});
  }
  f.Empty();
  f.Line("<H3>基礎地盤</H3>");
  f.Line("底面と地盤との間の摩擦角　　　　　　　　φ<SUB>B</SUB>  ：##.## (度)", {doc.Faib});
  f.Line("底面と地盤との間の摩擦係数　　　　　　　μ<SUB> </SUB>  ：##.###", {doc.Myu});
  f.Line("底面と地盤との間の付着力　　　　　　　　ｃ<SUB>B</SUB>  ：##.## (@/m<sup>2</sup>)",
         {doc.cb, kN});
  // The shear key's check needs the angle even when the capacity is given.
  if (doc.Tokki == 1 || computedQa) {
    f.Empty();
    f.Line("支持地盤の定数　　せん断抵抗角　　　　　φ<SUB> </SUB>  ：##.## (度)", {doc.SijiFai});
  }
  if (computedQa) {
    f.Line("　　　　　　　　　粘　着　力　　　　　　ｃ<SUB> </SUB>  ：##.## (@/m<sup>2</sup>)",
           {doc.SijiC, kN});
    f.Line("　　　　　　　　　単位重量　　　　　　　γ<SUB>1</SUB>  ：##.## (@/m<sup>3</sup>)",
           {doc.SijiGam1, kN});
    f.Line("　　　　　　　　　支持地盤への根入深さ　Ｄ<SUB>f</SUB>' ：##.## (m)", {doc.Dfd});
    f.Empty();
    f.Line("根入れ地盤の定数　根入れ深さ　　　　　　Ｄ<SUB>f</SUB>  ：##.## (m)", {doc.Df});
    f.Line("　　　　　　　　　単位重量　　　　　　　γ<SUB>2</SUB>  ：##.## (@/m<sup>3</sup>)",
           {doc.SijiGam2, kN});
  }
  if (doc.Sisin == 3) {
    f.Empty();
    f.Line("変形係数 αＥ<sub>0</sub>    背面地盤 ：######.## (@/m<sup>2</sup>)", {doc.AE0(0), kN});
    f.Line("    　　 　　<sub> </sub>　　支持地盤 ：######.## (@/m<sup>2</sup>)", {doc.AE0(1), kN});
  }
  PrnBlockClose(f);
}

void PrnJyoukenAllowable(PrnFile& f, const CDocument& doc, const JyoukenState& st) {
  if (!st.allowable) return;
  const std::string& Nm = PrnUnitWords[1];
  f.Line("<PROTECT>");
  f.Line("<BR>");
  f.Line("<H2>許容応力度</H2><BR>");
  f.Line("<TABLE ROW=5, COL=4>");
  f.Line("<COLWIDTH=12, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=23, SCOL=1, ECOL=1>");
  f.Line("<COLWIDTH= 9, SCOL=2, ECOL=3>");
  f.Line("<HEADER>");
  f.Line("<TL= 9, SROW=0, SCOL=0, EROW=3, ECOL=0>");
  f.Line("<TL= 9, SROW=4, SCOL=0, EROW=4, ECOL=0>");
  f.Line("<TL= 9, SROW=0, SCOL=1, EROW=0, ECOL=2>");
  f.Line("<TL= 9, SROW=1, SCOL=1, EROW=1, ECOL=2>");
  f.Line("<TL= 9, SROW=2, SCOL=1, EROW=2, ECOL=2>");
  f.Line("<TL= 9, SROW=3, SCOL=1, EROW=3, ECOL=2>");
  f.Line("<TL= 9, SROW=4, SCOL=1, EROW=4, ECOL=2>");
  f.Line("<TL=11, SROW=0, SCOL=3, EROW=4, ECOL=3>");
  f.Line("<TD SROW=0, SCOL=0, EROW=3, ECOL=0, HALIGN=CENTER, VALIGN=MIDDLE>コンクリート</TD>");
  f.Line("<TD SROW=0, SCOL=1, HALIGN=LEFT>設計基準強度　 　σck</TD>");
  f.Line("<TD SROW=1, SCOL=1, HALIGN=LEFT>許容圧縮応力度　 σca</TD>");
  f.Line("<TD SROW=2, SCOL=1, HALIGN=LEFT>許容引張応力度　 σta</TD>");
  f.Line("<TD SROW=3, SCOL=1, HALIGN=LEFT>許容せん断応力度 τa</TD>");
  f.Line("<TD SROW=0, SCOL=2, HALIGN=CENTER>(@m<sup>2</sup>)</TD>", {Nm});
  f.Line("<TD SROW=1, SCOL=2, HALIGN=CENTER>(@m<sup>2</sup>)</TD>", {Nm});
  f.Line("<TD SROW=2, SCOL=2, HALIGN=CENTER>(@m<sup>2</sup>)</TD>", {Nm});
  f.Line("<TD SROW=3, SCOL=2, HALIGN=CENTER>(@m<sup>2</sup>)</TD>", {Nm});
  f.Line("<TD SROW=4, SCOL=0, HALIGN=CENTER>鉄　　筋</TD>");
  f.Line("<TD SROW=4, SCOL=1, HALIGN=LEFT>許容引張応力度 　σsa</TD>");
  f.Line("<TD SROW=4, SCOL=2, HALIGN=CENTER>(@m<sup>2</sup>)</TD>", {Nm});
  f.Line("<TD SROW=0, SCOL=3, HALIGN=CENTER>####.##</TD>", {doc.SgmCk});
  f.Line("<TD SROW=1, SCOL=3, HALIGN=CENTER>####.##</TD>", {doc.Sgmca});
  f.Line("<TD SROW=2, SCOL=3, HALIGN=CENTER>####.##</TD>", {doc.Sgmta});
  f.Line("<TD SROW=3, SCOL=3, HALIGN=CENTER>####.##</TD>", {doc.Taua});
  f.Line("<TD SROW=4, SCOL=3, HALIGN=CENTER>####.##</TD>", {doc.Sgmsa});
  f.Line("</HEADER>");
  f.Line("</TABLE>");
  f.Line("</PROTECT>");
}

}  // namespace norva

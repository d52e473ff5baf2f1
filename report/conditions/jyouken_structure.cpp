// Title, structure and shape, back-ground surface points, front soil and water.
#include <algorithm>
#include <cstdint>
#include <string>

#include "document/document.h"
#include "document/names.h"
#include "report/conditions/prn_jyouken.h"
#include "report/driver/prn_file.h"

namespace norva {

void PrnJyoukenTitle(PrnFile& f, const CDocument& doc, const std::string& figurePath) {
  PrnBlockOpen(f);
  f.Line("<H1>表題</H1>");
  f.Line("@<BR>", {doc.Title});
  f.Line("<H1>設計条件</H1>");
  f.Line("<H2>構造形式及び形状寸法</H2>");
  f.Line("構造形式　　　　　： @", {WallTypeName(doc.WallType())});
  f.Line("背後地盤　　　　　： @", {BackTypeName(doc.BackType)});
  f.Line("擁壁の高さ  　　　： H = ##.### (m)", {doc.WallH});
  if (doc.WallType() == 0) f.Line("擁壁の前面勾配　　： N =  ##.##", {doc.BlkN});
  if (doc.WallType() == 3) f.Line("上部構造の前面勾配： N =  ##.##", {doc.BlkN});
  f.Line("擁壁１ブロック長　： L = ##.### (m)", {doc.WallL});
  if (doc.Sisin == 3) f.Line("ブロックの合端の厚さ ：Δt = ##.### (m)", {doc.BlkT2});
  PrnFigure(f, figurePath, 50);
  PrnBlockClose(f);
}

void PrnJyoukenUraNini(PrnFile& f, const CDocument& doc) {
  if (doc.UragomeType != 3) return;
  // Point i of the left group and point i + R of the right group share row
  // i + 1, R being half the points rounded up.
  const int32_t n = std::max<int32_t>(doc.nUraNini(), 0);
  const int32_t R = n / 2 + n % 2;
  f.Line("<PROTECT>");
  f.Line("裏込め土の地表面座標:<BR>");
  f.Line("<TABLE ROW=##, COL=6>", {R + 1});
  f.Line("<COLWIDTH=3, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=8, SCOL=1, ECOL=2>");
  f.Line("<COLWIDTH=3, SCOL=3, ECOL=3>");
  f.Line("<COLWIDTH=8, SCOL=4, ECOL=5>");
  f.Line("<HEADER>");
  f.Line("<TL=11, SROW=0, SCOL=0, EROW=0, ECOL=5>");
  f.Line("<TD SROW=0, SCOL=0, HALIGN=CENTER>No</TD>");
  f.Line("<TD SROW=0, SCOL=1, HALIGN=CENTER>X (m)</TD>");
  f.Line("<TD SROW=0, SCOL=2, HALIGN=CENTER>Y (m)</TD>");
  f.Line("<TD SROW=0, SCOL=3, HALIGN=CENTER>No</TD>");
  f.Line("<TD SROW=0, SCOL=4, HALIGN=CENTER>X (m)</TD>");
  f.Line("<TD SROW=0, SCOL=5, HALIGN=CENTER>Y (m)</TD>");
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  f.Line("<TL=11, SROW=1, SCOL=0, EROW=##, ECOL=5>", {R});
  for (int32_t i = 0; i < R; ++i) {
    const int32_t r = i + 1;
    f.Line("<TD SROW=##, SCOL=0, HALIGN=CENTER>##</TD>", {r, i + 1});
    f.Line("<TD SROW=##, SCOL=1, HALIGN=CENTER>##.###</TD>", {r, doc.UraNiniX(i)});
    f.Line("<TD SROW=##, SCOL=2, HALIGN=CENTER>##.###</TD>", {r, doc.UraNiniY(i)});
    if (i + R <= n - 1) {
      f.Line("<TD SROW=##, SCOL=3, HALIGN=CENTER>##</TD>", {r, i + R + 1});
      f.Line("<TD SROW=##, SCOL=4, HALIGN=CENTER>##.###</TD>", {r, doc.UraNiniX(i + R)});
      f.Line("<TD SROW=##, SCOL=5, HALIGN=CENTER>##.###</TD>", {r, doc.UraNiniY(i + R)});
    }
  }
  f.Line("</LOOP>");
  f.Line("</TABLE>");
  f.Line("</PROTECT>");
}

void PrnJyoukenWater(PrnFile& f, const CDocument& doc) {
  static const char* const kWaterText[] = {"無視", "浮力", "揚圧力"};
  const bool quake = doc.bQuake != 0;
  const bool water = doc.nWater != 0;
  PrnBlockOpen(f);
  f.Line("前面土砂高　常　時：##.### (m)", {doc.SoilFH(0)});
  if (quake) f.Line("　　　　　　地震時：##.### (m)", {doc.SoilFH(1)});
  f.Empty();
  f.Line("水の扱い　　　　　：@",
         {doc.nWater >= 0 && doc.nWater <= 2 ? kWaterText[doc.nWater] : ""});
  if (water) {
    f.Line("常時水位　　前　面：##.### (m)", {doc.WatFH(0)});
    f.Line("　　　　　　背　面：##.### (m)", {doc.WatBH(0)});
    if (quake) {
      f.Line("地震時水位　前　面：##.### (m)", {doc.WatFH(1)});
      f.Line("        　　背　面：##.### (m)", {doc.WatBH(1)});
    }
    f.Line("※水位は擁壁下端からの高さ｡");
  }
  PrnBlockClose(f);
}

}  // namespace norva

// Surcharge, horizontal and arbitrary loads. A document load switch is 0
// when the load is considered.
#include <string>

#include "document/document.h"
#include "document/load_case.h"
#include "report/conditions/prn_jyouken.h"
#include "report/driver/prn_file.h"

namespace norva {

namespace {

// One text per code; a code outside the list gives "".
template <size_t N>
std::string Pick(const char* const (&texts)[N], int32_t code) {
  return code >= 0 && code < static_cast<int32_t>(N) ? texts[code] : "";
}

// "<PROTECT><PRE>", an empty line and the loads heading unless written.
void OpenLoadBlock(PrnFile& f, JyoukenState& st) {
  PrnBlockOpen(f);
  f.Empty();
  if (!st.loadsHeading) {
    f.Line("<H2>荷　重</H2>");
    st.loadsHeading = true;
  }
}

// Loading position (its line's template), width (trial wedge only) and
// intensity of a strip load.
void StripLoad(PrnFile& f, const CDocument& doc, const char* posLine, double pos, double width,
               double load) {
  f.Line(posLine, {pos});
  if (doc.Doatsu == 1) f.Line("　　　　　　載荷幅  ：##.### (m)", {width});
  f.Line("　　　　　　荷重強度：###.## (@/m<sup>2</sup>)", {load, PrnUnitWords[0]});
}

const char* Considered(int16_t sw) { return sw == 0 ? "考慮する" : "考慮しない"; }

// The table of one arbitrary load, by kind: point (0, 1), vertical
// distributed (2), horizontal distributed (any other).
void NiniTable(PrnFile& f, const CNini& n) {
  const std::string& kN = PrnUnitWords[0];
  if (n.nType == 0 || n.nType == 1) {
    f.Line("<TABLE ROW=3, COL=3>");
    f.Line("<COLWIDTH= 8, SCOL=0, ECOL=1>");
    f.Line("<COLWIDTH=10, SCOL=2, ECOL=2>");
    f.Line("<HEADER>");
    f.Line("<TL= 9, SROW=0, SCOL=0, EROW=0, ECOL=1>");
    f.Line("<TL= 9, SROW=0, SCOL=2, EROW=0, ECOL=2>");
    f.Line("<TL=11, SROW=1, SCOL=0, EROW=2, ECOL=2>");
    f.Line("<TD SROW=0, SCOL=0, EROW=0, ECOL=1, HALIGN=CENTER>作用位置</TD>");
    f.Line("<TD SROW=0, SCOL=2, HALIGN=CENTER>荷重強度</TD>");
    f.Line("<TD SROW=1, SCOL=0, HALIGN=CENTER>X (m)</TD>");
    f.Line("<TD SROW=1, SCOL=1, HALIGN=CENTER>Y (m)</TD>");
    f.Line("<TD SROW=1, SCOL=2, HALIGN=CENTER>P (@/m)</TD>", {kN});
    f.Line("<TD SROW=2, SCOL=0, HALIGN=CENTER>##.###</TD>", {n.X1});
    f.Line("<TD SROW=2, SCOL=1, HALIGN=CENTER>##.###</TD>", {n.Y1});
    f.Line("<TD SROW=2, SCOL=2, HALIGN=CENTER>###.##</TD>", {n.P1});
    return;
  }
  const bool vertical = n.nType == 2;
  f.Line("<TABLE ROW=3, COL=5>");
  f.Line("<COLWIDTH= 8, SCOL=0, ECOL=2>");
  f.Line("<COLWIDTH=10, SCOL=3, ECOL=4>");
  f.Line("<HEADER>");
  f.Line("<TL= 9, SROW=0, SCOL=0, EROW=0, ECOL=2>");
  f.Line("<TL= 9, SROW=0, SCOL=3, EROW=0, ECOL=4>");
  f.Line("<TL=11, SROW=1, SCOL=0, EROW=2, ECOL=4>");
  f.Line("<TD SROW=0, SCOL=0, EROW=0, ECOL=2, HALIGN=CENTER>作用位置</TD>");
  f.Line("<TD SROW=0, SCOL=3, EROW=0, ECOL=4, HALIGN=CENTER>荷重強度</TD>");
  if (vertical) {
    f.Line("<TD SROW=1, SCOL=0, HALIGN=CENTER>X1 (m)</TD>");
    f.Line("<TD SROW=1, SCOL=1, HALIGN=CENTER>X2 (m)</TD>");
    f.Line("<TD SROW=1, SCOL=2, HALIGN=CENTER>Y (m)</TD>");
  } else {
    f.Line("<TD SROW=1, SCOL=0, HALIGN=CENTER>X (m)</TD>");
    f.Line("<TD SROW=1, SCOL=1, HALIGN=CENTER>Y1 (m)</TD>");
    f.Line("<TD SROW=1, SCOL=2, HALIGN=CENTER>Y2 (m)</TD>");
  }
  f.Line("<TD SROW=1, SCOL=3, HALIGN=CENTER>P1 (@/m)</TD>", {kN});
  f.Line("<TD SROW=1, SCOL=4, HALIGN=CENTER>P2 (@/m)</TD>", {kN});
  f.Line("<TD SROW=2, SCOL=0, HALIGN=CENTER>##.###</TD>", {n.X1});
  f.Line("<TD SROW=2, SCOL=1, HALIGN=CENTER>##.###</TD>", {vertical ? n.X2 : n.Y1});
  f.Line("<TD SROW=2, SCOL=2, HALIGN=CENTER>##.###</TD>", {vertical ? n.Y1 : n.Y2});
  f.Line("<TD SROW=2, SCOL=3, HALIGN=CENTER>###.##</TD>", {n.P1});
  f.Line("<TD SROW=2, SCOL=4, HALIGN=CENTER>###.##</TD>", {n.P2});
}

}  // namespace

std::string SnowKindText(int32_t Sisin, int16_t nSnowType) {
  static const char* const kRoad[] = {"雪だけが荷重としてかかる場合",
                                      "自動車荷重と組み合わせる場合", "任意"};
  static const char* const kCanal[] = {"一般の場合", "自動車荷重と組み合わせる場合", "任意"};
  static const char* const kOther[] = {"降りたての雪", "やや落ち着いた雪", "圧縮された雪",
                                       "自動車荷重と組み合わせる場合", "任意"};
  if (Sisin == 2) return Pick(kRoad, nSnowType);
  if (Sisin == 5) return Pick(kCanal, nSnowType);
  return Pick(kOther, nSnowType);
}

std::string NiniTargetText(int16_t nTarget) {
  std::string text;
  auto add = [&text](const char* what) {
    if (!text.empty()) text += "、";
    text += what;
  };
  if (nTarget & 1) add("安定計算");
  if (nTarget & 2) add("たて壁の設計");
  if (nTarget & 4) add("つま先版の設計");
  return text;
}

void PrnJyoukenSurcharge(PrnFile& f, const CDocument& doc, JyoukenState& st) {
  static const char* const kTload[] = {"T-25", "T-20", "T-14", "T-10", "任意"};
  if (doc.nAutoMobile != 0 && doc.nGunsyu != 0 && doc.nTakuchi != 0 && doc.nSnow != 0) return;
  OpenLoadBlock(f, st);
  f.Line("<H3>上載荷重</H3>");
  if (doc.nAutoMobile == 0) {
    f.Line("自動車荷重　T荷重 　：@", {Pick(kTload, doc.nAutoTload)});
    StripLoad(f, doc, "　　　　　　載荷位置：##.### (m)", doc.AutoPos, doc.AutoWidth, doc.AutoLoad);
  }
  if (doc.nGunsyu == 0) {
    StripLoad(f, doc, "群集荷重　　載荷位置：##.### (m)", doc.GunsyuPos, doc.GunsyuWidth,
              doc.GunsyuLoad);
  }
  if (doc.nTakuchi == 0) {
    StripLoad(f, doc, "宅地荷重　　載荷位置：##.### (m)", doc.TakuchiPos, doc.TakuchiWidth,
              doc.TakuchiLoad);
  }
  if (doc.nSnow == 0) {
    f.Line("雪 荷 重　　雪の種類：@", {SnowKindText(doc.Sisin, doc.nSnowType)});
    f.Line("　　　　　　載荷位置：##.### (m)", {doc.SnowPos});
    f.Line("　　　　　　荷重強度：###.## (@/m<sup>2</sup>)", {doc.SnowLoad, PrnUnitWords[0]});
  }
  PrnBlockClose(f);
}

void PrnJyoukenHorizontal(PrnFile& f, const CDocument& doc, JyoukenState& st) {
  static const char* const kBarrier[] = {"支柱式防護柵", "剛性防護柵"};
  const std::string& kN = PrnUnitWords[0];
  const bool crash = doc.nAutoCrash(0) == 0 || doc.nAutoCrash(1) == 0;
  if (!crash && doc.nStone != 0 && doc.nWind != 0) return;
  OpenLoadBlock(f, st);
  f.Line("<H3>水平荷重</H3>");
  if (crash) {
    f.Line("自動車衝突荷重　安定計算　　：@", {Considered(doc.nAutoCrash(0))});
    f.Line("　　　　　　　　たて壁の設計：@", {Considered(doc.nAutoCrash(1))});
    f.Line("　　　　　　　　防護柵の種類：@", {Pick(kBarrier, doc.nAutoCrashBougo)});
    f.Line("　　　　　　　　載荷幅  　　：##.### (m)", {doc.AutoCrashWidth});
    f.Line("　　　　　　　　作用高さ　　：##.### (m)", {doc.AutoCrashHigh});
    f.Line("　　　　　　　　衝突荷重強度：###.## (@/m<sup>2</sup>)", {doc.AutoCrashLoad, kN});
    f.Line("　　　　　　　　鉛直荷重強度：###.## (@/m<sup>2</sup>)", {doc.AutoCrashV, kN});
  }
  if (doc.nStone == 0) {
    f.Line("落石衝突荷重　　柵の高さ    ：##.### (m)", {doc.StoneHight});
    f.Line("　　　　　　　　支柱間隔　　：##.### (m)", {doc.StonePich});
    f.Line("　　　　　　　　衝突荷重強度：###.## (@/m<sup>2</sup>)", {doc.StoneLoad, kN});
  }
  if (doc.nWind == 0) {
    f.Line("風荷重　　　　　作用位置    ：##.### (m)", {doc.WindPos});
    f.Line("　　　　　　　　作用高さ　　：##.### (m)", {doc.WindHight});
    f.Line("　　　　　　　　風荷重強度　：###.## (@/m<sup>2</sup>)", {doc.WindLoad, kN});
  }
  PrnBlockClose(f);
}

void PrnJyoukenNini(PrnFile& f, const CDocument& doc, JyoukenState& st) {
  static const char* const kKind[] = {"鉛直集中荷重", "水平集中荷重", "鉛直分布荷重",
                                      "水平分布荷重"};
  if (doc.nNiniCount() <= 0) return;
  f.Line("<PROTECT>");
  f.Line("<BR>");
  if (!st.loadsHeading) {
    f.Line("<H2>荷　重</H2>");
    f.Line("<BR>");
    st.loadsHeading = true;
  }
  f.Line("<H3>その他の荷重</H3>");
  const CNini blank;
  for (int i = 0; i < doc.nNiniCount(); ++i) {
    const std::shared_ptr<CNini> p = doc.pNini(i);
    const CNini& n = p ? *p : blank;
    if (i > 0) f.Line("<PROTECT>");
    f.Line("<BR>");
    f.Line("名　　称　　：@<BR>", {n.LoadName});
    f.Line("荷重種類　　：@<BR>", {Pick(kKind, n.nType)});
    f.Line("考慮する計算：@<BR>", {NiniTargetText(n.nTarget)});
    NiniTable(f, n);
    f.Line("</HEADER>");
    f.Line("</TABLE>");
    f.Line("</PROTECT>");
  }
}

}  // namespace norva

#include "report/water/prn_suiatsu.h"

#include <algorithm>
#include <memory>

#include "calc/run/calc_antei.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/numeric.h"
#include "document/outline.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"

namespace norva {

namespace {

bool CaseHasWater(const CDocument& doc, int32_t i) {
  const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
  return k && k->nWater != 0;
}

// The levels the stability calculation took for the case: those of its
// earth-pressure state, so that a seismic case kept at the normal earth
// pressure (residential land) prints the normal levels it was calculated with.
int16_t WaterState(const CDocument& doc, int32_t i) { return CaseState(doc, i) != 0 ? 1 : 0; }

bool LowerWall(const CDocument& doc, int16_t part) { return doc.WallType() == 3 && part != 0; }

// Height of the lower wall of a mixed wall: point 10 of the outline.
double LowerWallHeight(const CDocument& doc) {
  KutaiPoints p{};
  DPoint crestFront, crestBack;
  MakeKutaiOutline(doc, p, crestFront, crestBack, 0);
  return p[10].Y;
}

SuiatsuSide Side(double hw, double h, bool lower, double gamw) {
  SuiatsuSide s;
  s.hw = hw;
  s.aboveH = lower && hw > h;
  if (s.aboveH) {
    s.P = h * (2 * hw - h) * 0.5 * gamw;
    s.Y = h * (3 * hw - 2 * h) / (2 * hw - h) / 3;
  } else {
    s.P = hw * hw * 0.5 * gamw;
    s.Y = hw / 3;
  }
  return s;
}

// The reported cases that consider water.
std::vector<int32_t> ReportedWaterCases(const CDocument& doc) {
  std::vector<int32_t> cases;
  for (int32_t i : PrnReportedCases(doc, PrnSel().PrnAnteiCases)) {
    if (CaseHasWater(doc, i)) cases.push_back(i);
  }
  return cases;
}

// "(常時水位)" / "(地震時水位)" of a seismic design, after its empty line.
void StateLine(PrnFile& f, const CDocument& doc, int16_t k) {
  if (doc.bQuake == 0) return;
  f.Empty();
  f.Line("(@水位)", {k != 0 ? "地震時" : "常時"});
}

// The back side's template is the front side's with "wr" for "wf".
std::string ForSide(std::string templ, bool back) {
  if (!back) return templ;
  for (size_t p = templ.find("wf"); p != std::string::npos; p = templ.find("wf", p + 2)) {
    templ.replace(p, 2, "wr");
  }
  return templ;
}

// One side of the lower wall of a mixed wall: trapezoid above h, triangle
// at or below it.
void LowerWallSide(PrnFile& f, const CDocument& doc, const SuiatsuValues& v, const SuiatsuSide& s,
                   bool back) {
  auto t = [back](const char* templ) { return ForSide(templ, back); };
  if (s.aboveH) {
    f.Line(t("　h<sub>wf</sub>&gt;hであるので、"));
    f.Line(t("　　<math>P_wf_=<box>1<over>2</box>(2･h_wf_-h)･h･γ_w_</math>"));
    f.Line(" 　　　 <math>=<box>1<over>2</box>×(2×##.###-##.###)×##.###×#.##=##.## (@/m)</math>",
           {s.hw, v.h, v.h, doc.Gamw, s.P, PrnUnitWords[0]});
    f.Empty();
    f.Line(t("　　<math>Y_wf_=<box>3･h_wf_-2･h<over>2･h_wf_-h</box>･<box>h<over>3</box></math>"));
    f.Line(
        " 　　　 <math>=<box>3×##.###-2×##.###<over>2×##.###-##.###</box>×<box>##.###<over>3</box>"
        "=##.### (m)</math>",
        {s.hw, v.h, s.hw, v.h, v.h, s.Y});
  } else {
    f.Line(t("　h<sub>wf</sub>&lt;hであるので、"));
    f.Line(t("　　<math>P_wf_=<box>1<over>2</box>γ_w_･h_wf_^2^</math>"));
    f.Line("　　　 <math>=<box>1<over>2</box>×##.##×#.###^2^=##.## (@/m)</math>",
           {doc.Gamw, s.hw, s.P, PrnUnitWords[0]});
    f.Empty();
    f.Line(t("　　<math>Y_wf_=<box>h_wf_<over>3</box>=<box>#.###<over>3</box>=#.### (m)</math>"),
           {s.hw, s.Y});
  }
}

void MethodLowerWall(PrnFile& f) {
  for (bool back : {false, true}) {
    auto t = [back](const char* templ) { return ForSide(templ, back); };
    f.Empty();
    f.Line(back ? "背面側水圧の合力および作用位置" : "前面側水圧の合力および作用位置");
    f.Empty();
    f.Line(t("　h<sub>wf</sub>&lt;hの場合"));
    f.Line(t("　　<math>P_wf_=<box>1<over>2</box>γ_w_･h_wf_^2^</math>"));
    f.Line(t("　　<math>Y_wf_=<box>h_wf_<over>3</box></math>"));
    f.Empty();
    f.Line(t("　h<sub>wf</sub>&gt;hの場合"));
    f.Line(t("　　<math>P_wf_=<box>1<over>2</box>(2･h_wf_-h)･h･γ_w_</math>"));
    f.Line(t("　　<math>Y_wf_=<box>3･h_wf_-2･h<over>2･h_wf_-h</box>･<box>h<over>3</box></math>"));
  }
  f.Empty();
}

void MethodOther(PrnFile& f) {
  f.Empty();
  f.Line("水圧の合力");
  f.Line("　　<math>P_wf_=<box>1<over>2</box>γ_w_･h_wf_^2^</math>");
  f.Line("　　<math>P_wr_=<box>1<over>2</box>γ_w_･h_wr_^2^</math>");
  f.Empty();
  f.Line("作用位置");
  f.Line("　　<math>Y_wf_=<box>h_wf_<over>3</box></math>");
  f.Line("　　<math>Y_wr_=<box>h_wr_<over>3</box></math>");
}

}  // namespace

bool PrnAnyCaseWithWater(const CDocument& doc) {
  for (int32_t i = 0; i < doc.nCase(); ++i) {
    if (CaseHasWater(doc, i)) return true;
  }
  return false;
}

SuiatsuValues SuiatsuFormula(const CDocument& doc, int32_t i, int16_t part) {
  SuiatsuValues v;
  v.k = WaterState(doc, i);
  double hwf = doc.WatFH(v.k);
  double hwr = doc.WatBH(v.k);
  const bool mixed = doc.WallType() == 3;
  if (mixed) v.h = LowerWallHeight(doc);
  if (mixed && part == 0) {
    hwf = std::max(hwf - v.h, 0.0);
    hwr = std::max(hwr - v.h, 0.0);
  }
  const bool lower = LowerWall(doc, part);
  v.front = Side(hwf, v.h, lower, doc.Gamw);
  v.back = Side(hwr, v.h, lower, doc.Gamw);
  v.cancelled = EqualTol(hwf, hwr);
  if (!mixed) v.h = 0;
  return v;
}

SuiatsuValues SuiatsuPrinted(const CDocument& doc, int32_t i, int16_t part) {
  SuiatsuValues v = SuiatsuFormula(doc, i, part);
  if (v.cancelled) return v;
  const std::shared_ptr<CAntRes> r = doc.AntRes(doc.WallType() == 3 ? part : 0, i);
  if (!r) return v;
  auto keepStored = [](SuiatsuSide& s, double P, double Y) {
    if (NotEqualTol(s.P, P) || NotEqualTol(s.Y, Y)) {
      s.P = P;
      s.Y = Y;
    }
  };
  keepStored(v.front, r->Pwf, r->Pwfy);
  keepStored(v.back, r->Pwb, r->Pwby);
  return v;
}

void PrnSuiatsu(PrnFile& f, const CDocument& doc, const std::string& folder, int16_t part) {
  if (doc.nWater == 0 || !PrnAnyCaseWithWater(doc)) return;
  const bool lower = LowerWall(doc, part);
  const std::string shipped = doc.WallType() == 3
                                  ? std::string("KONGOU_PW") + (part == 0 ? "U" : "L")
                                  : PrnWallPrefix(doc.WallType()) + "_PW";
  const std::string figure = PrnCopyFigure(f, shipped, folder, "PW");

  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, "水　圧");
  PrnHeading(f, doc, 3, "計算方法");
  PrnFigure(f, figure, 75);
  PrnBlockClose(f);
  PrnBlockOpen(f);
  if (lower) {
    MethodLowerWall(f);
  } else {
    MethodOther(f);
  }
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  const std::string& kN = PrnUnitWords[0];
  f.Line("ここに､ P<sub>wf</sub> ：擁壁前面側に作用する水圧 (@/m)", {kN});
  f.Line("　　　　P<sub>wr</sub> ：擁壁背面側に作用する水圧 (@/m)", {kN});
  f.Line("　　　　h<sub>wf</sub> ：擁壁前面側水位面の底面からの高さ (m)");
  f.Line("　　　　h<sub>wr</sub> ：擁壁背面側水位面の底面からの高さ (m)");
  f.Line("　　　　γ<sub>w </sub>：水の単位体積重量 (@/m<sup>3</sup>)", {kN});
  if (lower) f.Line("　　　　h<sub>  </sub> ：下部擁壁高 (m)");
  PrnBlockClose(f);

  for (int32_t i : ReportedWaterCases(doc)) PrnSuiatsuCase(f, doc, i, folder, part);
}

void PrnSuiatsuCase(PrnFile& f, const CDocument& doc, int32_t i, const std::string& /*folder*/,
                    int16_t part) {
  if (doc.nWater == 0 || !CaseHasWater(doc, i)) return;
  const SuiatsuValues v = SuiatsuPrinted(doc, i, part);
  const std::string& kN = PrnUnitWords[0];

  PrnBlockOpen(f);
  f.Empty();
  PrnCaseHeadingFixed(f, doc, i);
  StateLine(f, doc, v.k);
  if (LowerWall(doc, part)) {
    f.Empty();
    f.Line("前面側水圧の合力および作用位置");
    f.Empty();
    LowerWallSide(f, doc, v, v.front, false);
    f.Empty();
    f.Line("背面側水圧の合力および作用位置");
    f.Empty();
    LowerWallSide(f, doc, v, v.back, true);
  } else {
    // The back side's headings are not the front side's with another word.
    struct SideText {
      const char* title;
      const char* position;
      const SuiatsuSide& s;
      bool back;
    };
    for (const SideText& t : {SideText{"前面水圧", "前面水圧の作用位置", v.front, false},
                              SideText{"背面水圧", "背面側水圧の作用位置", v.back, true}}) {
      auto side = [&t](const char* templ) { return ForSide(templ, t.back); };
      f.Empty();
      f.Line(t.title);
      f.Empty();
      f.Line(side("　　<math>P_wf_=<box>1<over>2</box>γ_w_･h_wf_^2^</math>"));
      f.Line("　　　 <math>=<box>1<over>2</box>×##.##×#.###^2^=##.## (@/m)</math>",
             {doc.Gamw, t.s.hw, t.s.P, kN});
      f.Empty();
      f.Line(t.position);
      f.Line(
          side("　　<math>Y_wf_=<box>h_wf_<over>3</box>=<box>#.###<over>3</box>=#.### (m)</math>"),
          {t.s.hw, t.s.Y});
    }
  }
  if (v.cancelled) {
    f.Empty();
    f.Line("※前面側と背面側の水圧は、前背面の水位が同じため相殺されるので作用荷重に計上しない。");
  }
  PrnBlockClose(f);
}

void PrnYouatsu(PrnFile& f, const CDocument& doc, const std::string& folder) {
  if (doc.nWater != 2) return;
  const bool mixed = doc.WallType() == 3;
  const char* shipped = doc.WallType() == 0   ? "BLOCK_YOU"
                        : doc.WallType() == 2 ? "MOTARE_YOU"
                                              : "JYU_YOU";
  const std::string figure = PrnCopyFigure(f, shipped, folder, "YOU");
  const std::string& kN = PrnUnitWords[0];

  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  f.Line(mixed ? "<H3>揚圧力</H3>" : "<H2>揚圧力</H2>");
  f.Line(mixed ? "<H4>計算方法</H4>" : "<H3>計算方法</H3>");
  PrnFigure(f, figure, 75);
  PrnBlockClose(f);

  PrnBlockOpen(f);
  f.Empty();
  f.Line("揚圧力");
  f.Line("　　<math>P_1_&sp;=&sp;h_wf_･γ_w_</math>");
  f.Line("　　<math>P_2_&sp;=&sp;h_wr_･γ_w_</math>");
  f.Line("　　<math>U=<box>B<over>2</box>(P_1_+P_2_)</math>");
  f.Empty();
  f.Line("作用位置");
  f.Line("　　<math>X_U_=<box>P_1_+2P_2_<over>P_1_+P_2_</box>･<box>B<over>3</box></math>");
  f.Empty();
  f.Line("ここに､ U<sub> </sub> ：揚圧力 (@/m)", {kN});
  f.Line("　　　　P<sub>1</sub> ：擁壁前面位置での水の重量 (@/m<sup>2</sup>)", {kN});
  f.Line("　　　　P<sub>2</sub> ：擁壁背面位置での水の重量 (@/m<sup>2</sup>)", {kN});
  f.Line("　　　　B<sub> </sub> ：底面幅 (m)");
  f.Line("　　　　γ<sub>w</sub>：水の単位体積重量 (@/m<sup>3</sup>)", {kN});
  PrnBlockClose(f);

  for (int32_t i : ReportedWaterCases(doc)) {
    const std::shared_ptr<CAntRes> r = doc.AntRes(mixed ? 1 : 0, i);
    const int16_t k = WaterState(doc, i);
    PrnBlockOpen(f);
    f.Empty();
    PrnCaseHeadingFixed(f, doc, i);
    StateLine(f, doc, k);
    f.Empty();
    f.Line("揚圧力");
    f.Line("　　<math>P_1_&sp;=&sp;h_wf_･γ_w_&sp;=&sp;#.###×##.##&sp;=&sp;#.##&sp;(@/m^2^)</math>",
           {doc.WatFH(k), doc.Gamw, r->YouatsuV1, kN});
    f.Line("　　<math>P_2_&sp;=&sp;h_wr_･γ_w_&sp;=&sp;#.###×##.##&sp;=&sp;#.##&sp;(@/m^2^)</math>",
           {doc.WatBH(k), doc.Gamw, r->YouatsuV2, kN});
    f.Line("　　<math>U=<box>B<over>2</box>(P_1_+P_2_)</math>");
    f.Line("　　   <math>=<box>#.###<over>2</box>×(#.###+#.###)=##.## (@/m)</math>",
           {r->Breadth, r->YouatsuV1, r->YouatsuV2, r->YouatsuV, kN});
    f.Empty();
    f.Line("作用位置");
    f.Line("　　<math>X_U_=<box>P_1_+2P_2_<over>P_1_+P_2_</box>･<box>B<over>3</box></math>");
    f.Line(
        "　　   <math>=<box>##.##+2×##.##<over>##.##+##.##</box>×<box>#.###<over>3</box>"
        "=#.### (m)</math>",
        {r->YouatsuV1, r->YouatsuV2, r->YouatsuV1, r->YouatsuV2, r->Breadth, r->YouatsuXc});
    PrnBlockClose(f);
  }
}

}  // namespace norva

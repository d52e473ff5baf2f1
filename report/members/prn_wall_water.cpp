// Buoyancy and water pressure above a stem check section.
#include <memory>
#include <string>

#include "calc/member/wall_force.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/numeric.h"
#include "document/report_format.h"
#include "document/weight.h"
#include "report/driver/prn_file.h"
#include "report/members/wall_section.h"
#include "report/stability/prn_kutai.h"
#include "report/stability/stability_markup.h"

namespace norva {

namespace {

// The polygon below the back water level of state st above the section, or
// nullptr when the level is not above 0 (or the state is not considered).
WeightPtr BuoyancyOfState(const CDocument& doc, const WallCheckSection& s, int st) {
  WeightPtr w;
  const double level = doc.WatBH(st);
  if (!(level > 0) || (st == 1 && doc.bQuake == 0)) return w;
  WallSectionBuoyancy(doc, s.outline, s.part, level, s.y, w);
  return w;
}

void BuoyancyEntry(PrnFile& f, const CDocument& doc, const WallCheckSection& s,
                   const std::string& folder, const CWeight& w, bool seismic) {
  PrnHeading(f, doc, 3, seismic ? "地震時水位" : "常時水位");
  const std::string name = std::string(seismic ? "壁断面浮力地震時" : "壁断面浮力常時") +
                           std::to_string(s.part) + FormatPattern(s.index, "000");
  const std::string path = PrnAreaFigure(doc, folder, name, &w, DPoint{0, 0});
  PrnImage(f, path, 50);
  PrnAreaTable(f, doc, &w, s.ref.X, s.ref.Y, true);
  PrnBlockClose(f);
}

}  // namespace

void PrnWallFuryoku(PrnFile& f, const CDocument& doc, const WallCheckSection& s,
                    const std::string& folder) {
  if (doc.nWater != 1) return;
  const WeightPtr normal = BuoyancyOfState(doc, s, 0);
  const WeightPtr seismic = BuoyancyOfState(doc, s, 1);
  const bool showNormal = normal && doc.WatBH(0) > s.y && normal->w() != 0;
  const bool showSeismic = seismic && doc.WatBH(1) > s.y && seismic->w() != 0;
  // Decided before the heading, so the block it opens is always closed.
  if (!showNormal && !showSeismic) return;
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, "浮力");
  if (showNormal) BuoyancyEntry(f, doc, s, folder, *normal, false);
  if (showSeismic) {
    if (showNormal) {
      PrnBlockOpen(f);
      f.Empty();
    }
    BuoyancyEntry(f, doc, s, folder, *seismic, true);
  }
}

namespace {

// Resultant P and its height Y above the section of the water of depth hw
// on one face. On the lower wall of a mixed wall, water above the wall's top
// (h above the section) acts as a trapezoid.
struct WaterSide {
  double P = 0, Y = 0;
  bool trapezoid = false;
};

WaterSide Side(double hw, double h, bool lowerWall, double gamw) {
  WaterSide w;
  w.trapezoid = lowerWall && hw > h;
  if (w.trapezoid) {
    w.P = h * (2 * hw - h) * 0.5 * gamw;
    w.Y = h * (3 * hw - 2 * h) / (2 * hw - h) / 3;
  } else {
    w.P = hw * hw * gamw * 0.5;
    w.Y = hw / 3;
  }
  return w;
}

// The lines of one face of the lower wall of a mixed wall; `s` is "f" (front)
// or "r" (back).
void LowerWallSide(PrnFile& f, const char* title, const std::string& s, double hw, double h,
                   double gamw) {
  const WaterSide w = Side(hw, h, true, gamw);
  const std::string& kN = PrnUnitWords[0];
  f.Empty();
  f.Line(title);
  f.Empty();
  if (w.trapezoid) {
    f.Line("　h<sub>w" + s + "</sub>&gt;hであるので、");
    f.Line("　　<math>P_w" + s + "_=<box>1<over>2</box>(2･h_w" + s + "_-h)･h･γ_w_</math>");
    f.Line(" 　　　 <math>=<box>1<over>2</box>×(2×##.###-##.###)×##.###×#.##=##.## (@/m)</math>",
           {hw, h, h, gamw, w.P, kN});
    f.Empty();
    f.Line("　　<math>Y_w" + s + "_=<box>3･h_w" + s + "_-2･h<over>2･h_w" + s +
           "_-h</box>･<box>h<over>3</box></math>");
    f.Line(
        " 　　　 <math>=<box>3×##.###-2×##.###<over>2×##.###-##.###</box>×<box>##.###<over>3"
        "</box>=##.### (m)</math>",
        {hw, h, hw, h, h, w.Y});
  } else {
    f.Line("　h<sub>w" + s + "</sub>&lt;hであるので、");
    f.Line("　　<math>P_w" + s + "_=<box>1<over>2</box>γ_w_･h_w" + s + "_^2^</math>");
    f.Line("　　　 <math>=<box>1<over>2</box>×##.##×#.###^2^=##.## (@/m)</math>",
           {gamw, hw, w.P, kN});
    f.Empty();
    f.Line("　　<math>Y_w" + s + "_=<box>h_w" + s +
               "_<over>3</box>=<box>#.###<over>3</box>=#.### (m)</math>",
           {hw, w.Y});
  }
}

// The lines of one face of a single wall or an upper wall.
void SingleWallSide(PrnFile& f, const char* title, const std::string& s, double hw, double gamw) {
  const WaterSide w = Side(hw, 0, false, gamw);
  f.Empty();
  f.Line(title);
  f.Line("　　<math>P_w" + s + "_=<box>1<over>2</box>γ_w_･h_w" + s + "_^2^</math>");
  f.Line("　　  <math>=<box>1<over>2</box>×##.##×#.###^2^=##.## (@/m)</math>",
         {gamw, hw, w.P, PrnUnitWords[0]});
  f.Empty();
  f.Line("　　<math>Y_w" + s + "_=<box>h_w" + s +
             "_<over>3</box>=<box>#.###<over>3</box>=#.### (m)</math>",
         {hw, w.Y});
}

}  // namespace

void PrnWallSuiatsu(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                    int16_t& flag) {
  const std::shared_ptr<CKajyuCase> c = doc.pCase(k);
  if (!c || doc.nWater == 0 || c->nWater == 0) return;
  // The levels of the state the stem check took for the case.
  const int16_t st = WallForceState(doc, k).st;
  const double hwf = MaxOf(0.0, {doc.WatFH(st) - s.y});
  const double hwr = MaxOf(0.0, {doc.WatBH(st) - s.y});
  if (flag == 0) {
    PrnPageBreak(f);
    PrnBlockOpen(f);
    f.Empty();
    PrnHeading(f, doc, 2, "水　圧");
    flag = -1;
  } else {
    PrnBlockOpen(f);
    f.Empty();
  }
  PrnCaseHeading(f, doc, k, 3);
  if (doc.bQuake != 0) {
    f.Empty();
    f.Line("(@水位)", {st == 1 ? "地震時" : "常時"});
  }
  if (doc.WallType() == 3 && s.part != 0) {
    const double h = s.outline[10].Y - s.y;
    LowerWallSide(f, "前面側水圧の合力および作用位置", "f", hwf, h, doc.Gamw);
    LowerWallSide(f, "背面側水圧の合力および作用位置", "r", hwr, h, doc.Gamw);
  } else {
    SingleWallSide(f, "前面側水圧の合力および作用位置", "f", hwf, doc.Gamw);
    SingleWallSide(f, "背面側水圧の合力および作用位置", "r", hwr, doc.Gamw);
  }
  if (EqualTol(hwf, hwr)) {
    f.Empty();
    f.Line("※前面側と背面側の水圧は、前背面の水位が同じため相殺されるので作用荷重に計上しない。");
  }
  PrnBlockClose(f);
}

}  // namespace norva

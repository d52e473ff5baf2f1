#include "report/stability/prn_kutai.h"

#include <cmath>
#include <functional>
#include <memory>

#include "calc/run/calc_antei.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/numeric.h"
#include "document/outline.h"
#include "document/report_format.h"
#include "document/weight.h"
#include "drawing/base/report_picture.h"
#include "drawing/figures/menseki_figure.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_writers.h"
#include "report/stability/stability_markup.h"

namespace norva {

namespace {

using WeightPtr = std::shared_ptr<CWeight>;

const char* const kStateWord[] = {"常時", "地震時"};

bool HasWeight(const WeightPtr& w) { return w && w->w() != 0; }

// Some load case whose state in the stability calculation is s matches the
// test: the polygons of that state are the ones the calculation took.
template <class Test>
bool AnyCase(const CDocument& doc, int s, Test test) {
  for (int32_t i = 0; i < doc.nCase(); ++i) {
    const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
    if (k && CaseState(doc, i) == s && test(*k)) return true;
  }
  return false;
}

// A buoyancy state is shown when its polygon weighs something and a case of
// that state considers water.
bool BuoyancyShown(const CDocument& doc, const WeightPtr& w, int s) {
  return HasWeight(w) && AnyCase(doc, s, [](const CKajyuCase& k) { return k.nWater != 0; });
}

// Front-soil flags [w][s]: the polygon exists and some case of state s takes
// it. The calculation takes the water-ignored soil (whole height) in every
// case with front soil, water or not (so also under uplift alone, which has
// no submerged polygon), and the submerged correction in the cases with
// water of a design with water.
struct SoilFlags {
  bool on[2][2] = {};
};
template <class Slot>
SoilFlags FrontSoilFlags(const CDocument& doc, Slot slot) {
  SoilFlags f;
  for (int w = 0; w < 2; ++w) {
    for (int s = 0; s < 2; ++s) {
      f.on[w][s] = slot(s, w) != nullptr && AnyCase(doc, s, [&doc, w](const CKajyuCase& k) {
                     return k.nSoilF != 0 && (w == 0 || (doc.nWater != 0 && k.nWater != 0));
                   });
    }
  }
  return f;
}

std::string Digits(int v, const char* pattern) { return FormatPattern(v, pattern); }

// Offset of the wall outline behind a line-of-thrust polygon of a block wall,
// whose polygons are computed on the masonry standing on its own base.
DPoint ThrustFigureOffset(const CDocument& doc, const CWeight* polygon) {
  if (doc.WallType() != 0 || polygon == nullptr) return {};
  const double x0 = polygon->X(0);
  if (doc.nBlkFound == 0) {
    double h = 0;
    GetKeisyaHeight(doc, h);
    return {x0 - (doc.BlkB1 - (doc.BlkH1 + h) * doc.BlkN), 0};
  }
  if (doc.nBlkSetup == 0) {
    return {(doc.BlkT + doc.BlkDeltT2) * std::sin(std::atan(doc.BlkN)) * doc.BlkN + x0, 0};
  }
  return {};
}

// One buoyancy or front-soil entry: its figure, heading and table.
struct Entry {
  std::string figure;  // name without folder and ".svg"
  WeightPtr polygon;
  std::string heading;  // template with its level fields
  std::vector<ReportValue> headingValues;
  DPoint offset;
};

// A block of entries under one section heading; the first entry continues the
// block the heading opened, each entry closes its own.
void PrnEntries(PrnFile& f, const CDocument& doc, const std::string& folder, const char* title,
                const std::vector<Entry>& entries, const DPoint& origin, bool buoyancy) {
  if (entries.empty()) return;
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, title);
  bool first = true;
  for (const Entry& e : entries) {
    const std::string path = PrnAreaFigure(doc, folder, e.figure, e.polygon.get(), e.offset);
    if (!first) PrnBlockOpen(f);
    first = false;
    f.Empty();
    f.Line(e.heading, e.headingValues);
    PrnImage(f, path, 50);
    PrnAreaTable(f, doc, e.polygon.get(), origin.X, origin.Y, buoyancy);
    PrnBlockClose(f);
  }
}

void PrnMethod(PrnFile& f, const CDocument& doc, int16_t part) {
  PrnBlockOpen(f);
  if (doc.WallType() == 3)
    f.Line(part == 0 ? "<H1>上部擁壁の計算</H1>" : "<H1>下部擁壁の計算</H1>");
  PrnHeading(f, doc, 1, "底面における作用力");
  PrnHeading(f, doc, 2, "重量及び重心位置の計算方法");
  PrnAreaMethodText(f);
  PrnBlockClose(f);
}

}  // namespace

void PrnAreaMethodText(PrnFile& f) {
  f.Line("重量及び重心位置の計算は座標値法により行う。計算式は次の通り。");
  f.Empty();
  f.Line("　<math>A_c_=<box>1<over>2</box><box>&sum;(x_i+1_･y_i_－x_i_･y_i+1_)</box></math>");
  // The first difference is written (y_i − y_i+1) so the formula gives the
  // sign of the table's Gy column.
  f.Line(
      "　<math>G_y_=<box>1<over>2</box><box>&sum;(y_i_－y_i+1_)</box><box>{<left>x_i_^2^+"
      "<box>1<over>3</box>(x_i+1_-x_i_)(x_i+1_+2x_i_)<right>}</box></math>");
  f.Line(
      "　<math>G_x_=<box>1<over>2</box><box>&sum;(x_i+1_－x_i_)</box><box>{<left>y_i_^2^+"
      "<box>1<over>3</box>(y_i+1_-y_i_)(y_i+1_+2y_i_)<right>}</box></math>");
  f.Line("　<math>x_c_=<box>G_y_<over>A_c_</box></math>");
  f.Line("　<math>y_c_=<box>G_x_<over>A_c_</box></math>");
  f.Empty();
  f.Line("　ここに、A<sub>c</sub>：断面積 (m<sup>2</sup>)");
  f.Line("　　　　　G<sub>y</sub>：y軸に関する断面一次モーメント (m<sup>3</sup>)");
  f.Line("　　　　　G<sub>x</sub>：x軸に関する断面一次モーメント (m<sup>3</sup>)");
  f.Line("　　　　　x<sub>c</sub>：y軸から図心までの距離 (m)");
  f.Line("　　　　　y<sub>c</sub>：x軸から図心までの距離 (m)");
  f.Line("　　　　　x<sub>i</sub>：y軸から任意点iまでの距離 (m)");
  f.Line("　　　　　y<sub>i</sub>：x軸から任意点iまでの距離 (m)");
}

std::string PrnAreaFigure(const CDocument& doc, const std::string& folder, const std::string& name,
                          const CWeight* polygon, const DPoint& offset) {
  ReportPicture picture(kAnteiFigureWidth, kAnteiFigureHeight);
  DrawMensekiFigure(doc, picture.Draw(), polygon, offset);
  return PrnSaveFigure(picture, folder, name);
}

AreaTableRows MakeAreaTableRows(const CWeight& polygon, double x0, double y0) {
  AreaTableRows t;
  int32_t n = polygon.nPoint();
  if (n < 1) return t;
  std::vector<DPoint> p(static_cast<size_t>(n) + 1);
  for (int32_t i = 0; i < n; ++i) p[i] = {polygon.X(i) - x0, polygon.Y(i) - y0};
  RemoveDupPoints(n, p);
  if (NotEqualTol(p[0].X, p[n - 1].X) || NotEqualTol(p[0].Y, p[n - 1].Y)) p[n++] = p[0];
  p.resize(n);
  t.points = p;
  t.A.assign(n, 0.0);
  t.Gx.assign(n, 0.0);
  t.Gy.assign(n, 0.0);
  for (int32_t i = 0; i + 1 < n; ++i) {
    const double xi = p[i].X, yi = p[i].Y, xj = p[i + 1].X, yj = p[i + 1].Y;
    t.A[i] = (yi * xj - yj * xi) * 0.5;
    t.Gx[i] = (yi * yi + (yj - yi) * (1.0 / 3.0) * (2 * yi + yj)) * ((xj - xi) * 0.5);
    t.Gy[i] = (xi * xi + (xj - xi) * (1.0 / 3.0) * (2 * xi + xj)) * ((yj - yi) * (-0.5));
    t.sumA += t.A[i];
    t.sumGx += t.Gx[i];
    t.sumGy += t.Gy[i];
  }
  return t;
}

void PrnAreaTable(PrnFile& f, const CDocument& doc, const CWeight* polygon, double x0, double y0,
                  bool buoyancy) {
  if (polygon == nullptr || polygon->nPoint() < 1) return;
  const AreaTableRows t = MakeAreaTableRows(*polygon, x0, y0);
  const int m = static_cast<int>(t.points.size());

  f.Line("<TABLE ROW=##, COL=6, HALIGN=CENTER>", {m + 3});
  f.Line("<COLWIDTH= 3, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=12, SCOL=1, ECOL=5>");
  f.Line("<HEADER>");
  f.Line("<TL= 9, SROW=0, SCOL=0, EROW=1, ECOL=0>");
  f.Line("<TL= 9, SROW=0, SCOL=1, EROW=0, ECOL=2>");
  f.Line("<TL= 9, SROW=0, SCOL=3, EROW=1, ECOL=3>");
  f.Line("<TL= 9, SROW=0, SCOL=4, EROW=0, ECOL=5>");
  f.Line("<TL=11, SROW=1, SCOL=1, EROW=1, ECOL=2>");
  f.Line("<TL=11, SROW=1, SCOL=4, EROW=1, ECOL=5>");
  f.Line("<TD SROW=0, SCOL=0, EROW=1, ECOL=0, VALIGN=MIDDLE>No</TD>");
  f.Line("<TD SROW=0, SCOL=1, EROW=0, ECOL=2>座標値</TD>");
  f.Line("<TD SROW=1, SCOL=1>x<sub>i</sub> (m)</TD>");
  f.Line("<TD SROW=1, SCOL=2>y<sub>i</sub> (m)</TD>");
  f.Line("<TD SROW=0, SCOL=3>断面積</TD>");
  f.Line("<TD SROW=1, SCOL=3>A<sub>c</sub> (m<sup>2</sup>)</TD>");
  f.Line("<TD SROW=0, SCOL=4, EROW=0, ECOL=5>断面一次モーメント</TD>");
  f.Line("<TD SROW=1, SCOL=4>Gx (m<sup>3</sup>)</TD>");
  f.Line("<TD SROW=1, SCOL=5>Gy (m<sup>3</sup>)</TD>");
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  f.Line("<TL=11, SROW=2, SCOL=0, EROW=##, ECOL=5>", {m + 1});
  for (int i = 0; i < m; ++i) {
    const int r = i + 2;
    f.Line("<TD SROW=##, SCOL=0>##</TD>", {r, i == m - 1 ? 1 : i + 1});
    f.Line("<TD SROW=##, SCOL=1>##.###</TD>", {r, t.points[i].X});
    f.Line("<TD SROW=##, SCOL=2>##.###</TD>", {r, t.points[i].Y});
    f.Line("<TD SROW=##, SCOL=3>###.###</TD>", {r, t.A[i]});
    f.Line("<TD SROW=##, SCOL=4>###.###</TD>", {r, t.Gx[i]});
    f.Line("<TD SROW=##, SCOL=5>###.###</TD>", {r, t.Gy[i]});
  }
  f.Line("</LOOP>");
  // The table reader's own spelling of its footer tag.
  f.Line("<FOTTER>");
  f.Line("<TL=11, SROW=##, SCOL=0, EROW=##, ECOL=5>", {m + 2, m + 2});
  f.Line("<TD SROW=##, SCOL=0>Σ</TD>", {m + 2});
  f.Line("<TD SROW=##, SCOL=3>###.###</TD>", {m + 2, t.sumA});
  f.Line("<TD SROW=##, SCOL=4>###.###</TD>", {m + 2, t.sumGx});
  f.Line("<TD SROW=##, SCOL=5>###.###</TD>", {m + 2, t.sumGy});
  f.Line("</FOTTER>");
  f.Line("</TABLE>");

  const bool quake = doc.bQuake != 0;
  const std::string& kN = PrnUnitWords[0];
  const double w = polygon->w(), kh = polygon->Kh();
  const double xc = polygon->Xc() - x0, yc = polygon->Yc() - y0;
  f.Line("<TABLE ROW=##, COL=2, HALIGN=CENTER>", {quake ? 9 : 7});
  f.Line("<COLWIDTH=12, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=53, SCOL=1, ECOL=1>");
  f.Line("<HEADER>");
  f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT>体　　積</TD>", {0});
  f.Line("<TD SROW=##, SCOL=1, HALIGN=LEFT>Vc = ΣA × 1.000 = ##.### (m<sup>3</sup>)</TD>",
         {0, t.sumA});
  f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT>重心位置</TD>", {1});
  f.Line("<TD SROW=##, SCOL=1, HALIGN=LEFT>Xc = ΣGy / ΣA = ##.### / ##.### = ##.### (m)</TD>",
         {1, t.sumGy, t.sumA, xc});
  f.Line("<TD SROW=##, SCOL=1, HALIGN=LEFT>Yc = ΣGx / ΣA = ##.### / ##.### = ##.### (m)</TD>",
         {2, t.sumGx, t.sumA, yc});
  f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT>単位重量</TD>", {4});
  f.Line("<TD SROW=##, SCOL=1, HALIGN=LEFT>γ = ##.## (@/m<sup>3</sup>)</TD>",
         {4, polygon->Gam(), kN});
  f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT>@</TD>", {5, buoyancy ? "浮　　力" : "重　　量"});
  f.Line("<TD SROW=##, SCOL=1, HALIGN=LEFT>Wc = Vc × γ = ##.### × ##.## = ###.## (@)</TD>",
         {5, t.sumA, polygon->Gam(), w, kN});
  int row = 6;
  if (quake) {
    f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT>慣 性 力</TD>", {row});
    f.Line(
        "<TD SROW=##, SCOL=1, HALIGN=LEFT>Hc = Wc × k<sub>H</sub> = ###.## × ##.## = ###.## "
        "(@)</TD>",
        {row, w, kh, kh * w, kN});
    ++row;
  }
  f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT>モーメント</TD>", {row});
  f.Line("<TD SROW=##, SCOL=1, HALIGN=LEFT>Mx = Wc × Xc = ###.## × ##.### =####.## (@･m)</TD>",
         {row, w, xc, xc * w, kN});
  if (quake) {
    f.Line("<TD SROW=##, SCOL=1, HALIGN=LEFT>My = Hc × Yc = ###.## × ##.### =####.## (@･m)</TD>",
           {row + 1, kh * w, yc, kh * w * yc, kN});
  }
  f.Line("</HEADER>");
  f.Line("</TABLE>");
}

namespace {

// What the weights section of one wall part shows, and the polygons it reads.
struct KutaiPart {
  bool lower = false;   // the lower wall of a mixed wall
  bool thrust = false;  // the line-of-thrust tables
  bool normal = false;  // the ordinary tables
  std::string digit;    // the part in figure names
  // Ordinary tables show the polygons' own coordinates; the line-of-thrust
  // tables of the upper wall of a mixed wall are measured from the front
  // foot of its masonry.
  DPoint origin, thrustOrigin;
  WeightPtr KW[2], FR[2];  // body (wall, foot) and buoyancy by state
};

KutaiPart KutaiPartOf(const CDocument& doc, int16_t part) {
  KutaiPart k;
  const bool mixed = doc.WallType() == 3;
  k.lower = mixed && part == 1;
  k.thrust = (mixed && part == 0) || doc.nTentou == 3;
  k.normal = !mixed || part == 1;
  k.digit = Digits(part, "0");
  if (mixed && part == 0) {
    KutaiPoints p{};
    DPoint c1, c2;
    MakeKutaiOutline(doc, p, c1, c2, 0);
    k.origin = p[2];
    MakeKutaiOutline(doc, p, c1, c2, 1);
    k.thrustOrigin = p[2];
  }
  for (int i = 0; i < 2; ++i) {
    k.KW[i] = k.lower ? doc.KutaiW2(i) : doc.KutaiW1(i);
    k.FR[i] = k.lower ? doc.Furyoku2(i) : doc.Furyoku1(i);
  }
  return k;
}

// The body's figure files (empty names for the tables not shown).
struct BodyFigures {
  std::string thrust, wall, foot;
};

BodyFigures DrawBodyFigures(const CDocument& doc, const std::string& folder, const KutaiPart& k) {
  BodyFigures b;
  if (k.thrust) {
    const CWeight* ws = doc.KutaiWS.get();
    b.thrust =
        PrnAreaFigure(doc, folder, "く体示力線時面積" + k.digit, ws, ThrustFigureOffset(doc, ws));
  }
  if (k.normal) {
    b.wall = PrnAreaFigure(doc, folder, "く体壁部面積" + k.digit, k.KW[0].get(), {});
    if (k.KW[1]) b.foot = PrnAreaFigure(doc, folder, "く体基礎部面積" + k.digit, k.KW[1].get(), {});
  }
  return b;
}

// The body's weight and centre of gravity: the line-of-thrust table, then the
// wall's and the foot's.
void PrnBodyTables(PrnFile& f, const CDocument& doc, const KutaiPart& k, const BodyFigures& b) {
  if (k.thrust) {
    PrnBlockOpen(f);
    f.Empty();
    PrnHeading(f, doc, 2, "く体の重量及び重心位置(示力線計算用)");
    PrnImage(f, b.thrust, 50);
    PrnAreaTable(f, doc, doc.KutaiWS.get(), k.thrustOrigin.X, k.thrustOrigin.Y, false);
    PrnBlockClose(f);
  }
  if (!k.normal) return;
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, "く体の重量及び重心位置");
  if (doc.nTentou == 3 || k.KW[1]) PrnHeading(f, doc, 3, "壁部");
  PrnImage(f, b.wall, 50);
  PrnAreaTable(f, doc, k.KW[0].get(), k.origin.X, k.origin.Y, false);
  PrnBlockClose(f);
  if (k.KW[1]) {
    PrnBlockOpen(f);
    f.Empty();
    PrnHeading(f, doc, 3, "基礎部");
    PrnImage(f, b.foot, 50);
    PrnAreaTable(f, doc, k.KW[1].get(), k.origin.X, k.origin.Y, false);
    PrnBlockClose(f);
  }
}

// The buoyancy entries of the states shown.
std::vector<Entry> BuoyancyEntries(const CDocument& doc, const KutaiPart& k, const bool* shown,
                                   const std::function<WeightPtr(int)>& polygonOf, const char* name,
                                   bool thrustFigure) {
  const int16_t level = PrnLevel(doc, 3);
  std::vector<Entry> entries;
  for (int s = 0; s < 2; ++s) {
    if (!shown[s]) continue;
    const WeightPtr w = polygonOf(s);
    entries.push_back({name + k.digit + Digits(s, "0"),
                       w,
                       "<H#>@水位</H#>",
                       {level, kStateWord[s], level},
                       thrustFigure ? ThrustFigureOffset(doc, w.get()) : DPoint{}});
  }
  return entries;
}

// Front soil in the order (w 0, s 0), (0, 1), (1, 0), (1, 1); an entry with
// water needs the state's buoyancy (buoyant). An entry whose polygon is
// missing (the water-ignored one flagged for the cases with water) is left out.
std::vector<Entry> SoilEntries(const CDocument& doc, const KutaiPart& k, const SoilFlags& flags,
                               const bool* buoyant,
                               const std::function<WeightPtr(int, int)>& polygonOf,
                               const char* name, const char* watered, bool thrustFigure) {
  const int16_t level = PrnLevel(doc, 3);
  std::vector<Entry> entries;
  for (int w = 0; w < 2; ++w) {
    for (int s = 0; s < 2; ++s) {
      if (!flags.on[w][s] || (w == 1 && !buoyant[s])) continue;
      const WeightPtr poly = polygonOf(s, w);
      if (!poly) continue;
      const std::string heading = std::string(s == 0 ? "<h#>常時　" : "<h#>地震時　") +
                                  (w == 0 ? "水位無視" : watered) + "</h#>";
      entries.push_back({name + k.digit + Digits(s, "00") + Digits(w, "00"),
                         poly,
                         heading,
                         {level, level},
                         thrustFigure ? ThrustFigureOffset(doc, poly.get()) : DPoint{}});
    }
  }
  return entries;
}

}  // namespace

void PrnKutai(PrnFile& f, const CDocument& doc, const std::string& folder, int16_t part) {
  const KutaiPart k = KutaiPartOf(doc, part);
  auto SW = [&doc, &k](int s, int w) { return k.lower ? doc.SoilW2(s, w) : doc.SoilW1(s, w); };
  auto SWS = [&doc](int s, int w) { return doc.SoilWS(s, w); };

  // The body figures come first.
  const BodyFigures figures = DrawBodyFigures(doc, folder, k);

  bool BF[2], BFS[2];
  for (int s = 0; s < 2; ++s) {
    BF[s] = BuoyancyShown(doc, k.FR[s], s);
    BFS[s] = BuoyancyShown(doc, doc.FuryokuS(s), s);
  }
  const SoilFlags FS = FrontSoilFlags(doc, SW);
  const SoilFlags FSS = FrontSoilFlags(doc, SWS);

  PrnMethod(f, doc, part);
  PrnBodyTables(f, doc, k, figures);

  if (k.thrust) {
    PrnEntries(f, doc, folder, "く体に作用する浮力及び重心位置(示力線計算用)",
               BuoyancyEntries(
                   doc, k, BFS, [&doc](int s) { return doc.FuryokuS(s); }, "示水位く体面積", true),
               k.thrustOrigin, true);
  }
  if (k.normal) {
    PrnEntries(f, doc, folder, "く体に作用する浮力及び重心位置",
               BuoyancyEntries(
                   doc, k, BF, [&k](int s) { return k.FR[s]; }, "水位く体面積", false),
               k.origin, true);
  }
  if (k.thrust) {
    PrnEntries(f, doc, folder, "前面土の重量及び重心位置(示力線計算用)",
               SoilEntries(doc, k, FSS, BF, SWS, "示前面土面積", "水位考慮(浮力)", true),
               k.thrustOrigin, false);
  }
  if (k.normal) {
    PrnEntries(f, doc, folder, "前面土の重量及び重心位置",
               SoilEntries(doc, k, FS, BF, SW, "前面土面積", "水位考慮", false), k.origin, false);
  }
}

}  // namespace norva

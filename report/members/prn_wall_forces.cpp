// The loads, the section forces and the stresses of a stem check section,
// per load case, from the stem check's stored record of the section.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "calc/member/wall_force.h"
#include "calc/stability/stability_checks.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "document/report_format.h"
#include "report/driver/prn_file.h"
#include "report/members/wall_section.h"
#include "report/stability/prn_loads.h"

namespace norva {

namespace {

constexpr double kRadToDeg = 57.29577951308238;

std::shared_ptr<CWallRes> Record(const CDocument& doc, int16_t part, int32_t k, int i) {
  return doc.pWallRes(part, k, i);
}

// The case's heading and remark, as every per-case item opens; the remark
// names the water levels the stem check took.
void CaseHead(PrnFile& f, const CDocument& doc, int32_t k) {
  PrnCaseHeading(f, doc, k, 3);
  PrnQuakeNoteLevels(f, doc, k, WallForceState(doc, k).st != 0);
}

bool Missing(double v) { return IsNullValue(v) || !std::isfinite(v); }
// A stress in N/mm² printed in kN/m².
double Kilo(double v) { return Missing(v) ? kNullBox : v * 1000; }

}  // namespace

// ---- Wall-face ground reaction ------------------------------------------------------

void PrnWallHanryoku(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                     int16_t& flag) {
  if (doc.Sisin != 3) {
    // The leaning wall's reaction exists only where its ground reaction took
    // the back-face method; elsewhere the check cleared it.
    const std::shared_ptr<CAntRes> r = doc.AntRes(0, k);
    if (!(doc.WallType() == 2 && doc.Sisin == 2) || !r || !LeaningBackFaceMethod(doc, *r)) {
      return;
    }
  }
  const std::shared_ptr<CWallRes> rec = Record(doc, s.part, k, s.index);
  if (!rec) return;
  const WallReactionFace face = WallFaceOfReaction(doc, s.outline);
  const double alpha = face.alpha;
  const double deg = alpha * kRadToDeg;
  const double Qtz = rec->Qtz, Alpz = rec->Alpz;
  // Measured from the section's reference point, as the force summary's
  // arms are: half the width when that point lies midway between the faces.
  const double bz = 2 * (InterpolateX(face.lo, face.hi, s.y) - s.ref.X);
  const double x = bz * 0.5 + Alpz * std::sin(alpha);
  const double yz = Alpz * std::cos(alpha);
  const std::string& kN = PrnUnitWords[0];

  PrnBlockOpen(f);
  f.Empty();
  if (flag == 0) {
    PrnHeading(f, doc, 2, "壁面地盤反力による断面力");
    flag = -1;
  }
  CaseHead(f, doc, k);
  f.Empty();
  f.Line(
      "安定計算で算出した、壁面地盤反力を元に断面位置より上部の壁面に作用する地盤反力による断面力を"
      "求める。");
  f.Empty();
  f.Line("　N<sub>QZ</sub> = -Q<sub>tz</sub>sinα = ###.##×sin(##.##) = ##.## (@)",
         {-Qtz, deg, -Qtz * std::sin(alpha), kN});
  f.Line("　S<sub>QZ</sub> = Q<sub>tz</sub>cosα = ###.##×cos(##.##) = ##.## (@)",
         {Qtz, deg, Qtz * std::cos(alpha), kN});
  f.Empty();
  f.Line("　ここに、N<sub>QZ</sub> ：壁面地盤反力による軸力 (@)", {kN});
  f.Line("　　　　　S<sub>QZ</sub> ：壁面地盤反力によるせん断力 (@)", {kN});
  f.Line("　　　　　Q<sub>tz</sub> ：断面位置より上部の壁面に作用する地盤反力の合力 (@)", {kN});
  f.Line("　　　　　α<sub>  </sub>：壁面が垂直面となす角 (度)");
  f.Empty();
  f.Line("作用位置は、");
  f.Empty();
  f.Line("　x = b<sub>z</sub>/2＋a<sub>z</sub>･sinα = #.###/2+#.###×sin(##.##) = #.### (m)",
         {bz, Alpz, deg, x});
  f.Line("　y = a<sub>z</sub>･cosα = #.###×cos(##.##) = #.### (m)", {Alpz, deg, yz});
  f.Empty();
  f.Line("　ここに、b<sub>z</sub>：断面位置での壁幅 (m)");
  f.Line("　　　　　a<sub>z</sub>：断面位置から壁面地盤反力の合力の作用位置までの壁面長 (m)");
  PrnBlockClose(f);
}

// ---- Horizontal and other loads ------------------------------------------------------

namespace {

std::string F3(double v) { return FormatPattern(v, "0.000"); }

// How the force per metre of wall came about, ending in "=".
std::string HorzExpression(const CDocument& doc, int item, double force) {
  if (item == 10) {
    double x = doc.AutoCrashLoad / force - doc.AutoCrashWidth;
    std::string e = F3(doc.AutoCrashLoad) + "/(" + F3(doc.AutoCrashWidth);
    if (doc.nAutoCrashBougo != 0) {
      x -= doc.AutoCrashHigh;
      e += "+" + F3(doc.AutoCrashHigh);
    }
    return e + "+" + F3(x) + ")=";
  }
  if (item == 11) {
    const double x = doc.StoneLoad / force;
    if (std::fabs(x - doc.StonePich) < 0.0001) {
      return F3(doc.StoneLoad) + "/" + F3(doc.StonePich) + "=";
    }
    return F3(doc.StoneLoad) + "/(0.1+2×" + F3((x - 0.1) / 2) + ")=";
  }
  return F3(doc.WindLoad) + "×" + F3(doc.WindHight) + "=";
}

void HorzGrid(PrnFile& f, int r) {
  f.Line("<TL=11, SROW=##, SCOL=0, EROW=##, ECOL=0>", {r, r});
  f.Line("<TL= 9, SROW=##, SCOL=1, EROW=##, ECOL=2>", {r, r});
  f.Line("<TL=11, SROW=##, SCOL=3, EROW=##, ECOL=5>", {r, r});
}

}  // namespace

void PrnHorzLoadWall(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                     int16_t& flag) {
  if (doc.WallType() == 3 && s.part != 0) return;
  const std::shared_ptr<CWallRes> rec = Record(doc, 0, k, s.index);
  if (!rec) return;
  // Only loads the check took have a positive force in their row.
  std::vector<int> items;
  double sumH = 0, sumHY = 0;
  for (int i = 10; i <= 12; ++i) {
    if (!(rec->AForceS(i) > 0)) continue;
    items.push_back(i);
    sumH += rec->AForceS(i);
    sumHY += rec->AForceY(i) * rec->AForceS(i);
  }
  if (items.empty()) return;
  const int n = static_cast<int>(items.size());
  const std::string& kN = PrnUnitWords[0];

  PrnBlockOpen(f);
  if (flag == 0) {
    f.Empty();
    PrnHeading(f, doc, 2, "水平荷重");
    flag = -1;
  }
  f.Empty();
  CaseHead(f, doc, k);
  f.Empty();
  f.Line("<TABLE ROW=##, COL=5>", {n + 3});
  f.Line("<COLWIDTH=16, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=20, SCOL=1, ECOL=1>");
  f.Line("<COLWIDTH=14, SCOL=2, ECOL=4>");
  f.Line("<HEADER>");
  f.Line("<TL= 9, SROW=0, SCOL=0, EROW=1, ECOL=0>");
  f.Line("<TL= 9, SROW=0, SCOL=1, EROW=1, ECOL=2>");
  f.Line("<TL= 9, SROW=0, SCOL=3, EROW=1, ECOL=3>");
  f.Line("<TL= 9, SROW=0, SCOL=4, EROW=1, ECOL=4>");
  f.Line("<TD SROW=0, SCOL=1, EROW=0, ECOL=2>水平力 Ｈ</TD>");
  f.Line("<TD SROW=1, SCOL=1, EROW=1, ECOL=2>(@/m)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=3>作用位置 Ｙ</TD>");
  f.Line("<TD SROW=1, SCOL=3>(m)</TD>");
  f.Line("<TD SROW=0, SCOL=4>Ｈ･Ｙ</TD>");
  f.Line("<TD SROW=1, SCOL=4>(@･m)</TD>", {kN});
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  int r = 1;
  for (int i : items) {
    ++r;
    const double S = rec->AForceS(i), Y = rec->AForceY(i);
    HorzGrid(f, r);
    f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT> @</TD>", {r, rec->sAForce(i)});
    f.Line("<TD SROW=##, SCOL=1, HALIGN=LEFT> @</TD>", {r, HorzExpression(doc, i, S)});
    f.Line("<TD SROW=##, SCOL=2>###.##</TD>", {r, S});
    f.Line("<TD SROW=##, SCOL=3>##.###</TD>", {r, Y});
    f.Line("<TD SROW=##, SCOL=4>####.##</TD>", {r, Y * S});
  }
  f.Line("</LOOP>");
  f.Line("<FOOTER>");
  ++r;
  HorzGrid(f, r);
  f.Line("<TD SROW=##, SCOL=0>Σ</TD>", {r});
  f.Line("<TD SROW=##, SCOL=2>###.##</TD>", {r, sumH});
  f.Line("<TD SROW=##, SCOL=4>####.##</TD>", {r, sumHY});
  f.Line("</FOOTER>");
  f.Line("</TABLE>");
  PrnBlockClose(f);
}

void PrnNiniLoadWall(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                     int16_t& flag) {
  const std::shared_ptr<CWallRes> rec = Record(doc, s.part, k, s.index);
  if (!rec || rec->NiniCnt() <= 0) return;
  PrnBlockOpen(f);
  f.Empty();
  if (flag == 0) {
    PrnHeading(f, doc, 2, "その他の荷重");
    flag = -1;
  }
  CaseHead(f, doc, k);
  f.Empty();
  PrnNiniTable(f, *rec, "###.##");
  PrnBlockClose(f);
}

// ---- Section forces -----------------------------------------------------------------

void PrnWallForceSum(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                     int16_t& flag) {
  const std::shared_ptr<CWallRes> rec = Record(doc, s.part, k, s.index);
  if (!rec) return;
  const CWallRes& w = *rec;
  int n = 0;
  for (int i = 0; i < CWallRes::kAForceItems; ++i) {
    if (w.nAForce(i) != 0) ++n;
  }
  if (flag == 0) {
    PrnPageBreak(f);
    PrnBlockOpen(f);
    f.Empty();
    PrnHeading(f, doc, 2, "断面力の集計");
    flag = -1;
    if (n != 0) f.Empty();
  } else {
    PrnBlockOpen(f);
    f.Empty();
  }
  CaseHead(f, doc, k);
  if (n == 0) {
    f.Empty();
    f.Line("断面力が発生しません。");
    PrnBlockClose(f);
    return;
  }
  const std::string& kN = PrnUnitWords[0];
  f.Empty();
  f.Line("<TABLE ROW=##, COL=6, HALIGN=CENTER>", {n + 3});
  f.Line("<COLWIDTH=16, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=14, SCOL=1, ECOL=2>");
  f.Line("<COLWIDTH=10, SCOL=3, ECOL=4>");
  f.Line("<COLWIDTH=18, SCOL=5, ECOL=5>");
  f.Line("<HEADER>");
  f.Line("<TL= 9, SROW=0, SCOL=0, EROW=1, ECOL=0>");
  f.Line("<TL= 9, SROW=0, SCOL=1, EROW=1, ECOL=1>");
  f.Line("<TL= 9, SROW=0, SCOL=2, EROW=1, ECOL=2>");
  f.Line("<TL= 9, SROW=0, SCOL=3, EROW=0, ECOL=4>");
  f.Line("<TL=11, SROW=1, SCOL=3, EROW=1, ECOL=4>");
  f.Line("<TL= 9, SROW=0, SCOL=5, EROW=1, ECOL=5>");
  f.Line("<TD SROW=0, SCOL=0, EROW=1, ECOL=0, VALIGN=MIDDLE>名　称</TD>");
  f.Line("<TD SROW=0, SCOL=1>軸　力</TD>");
  f.Line("<TD SROW=1, SCOL=1>N (@)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=2>せん断力</TD>");
  f.Line("<TD SROW=1, SCOL=2>S (@)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=3, EROW=0, ECOL=4>アーム長 (m)</TD>");
  f.Line("<TD SROW=1, SCOL=3>X</TD>");
  f.Line("<TD SROW=1, SCOL=4>Y</TD>");
  f.Line("<TD SROW=0, SCOL=5>モーメント</TD>");
  f.Line("<TD SROW=1, SCOL=5>M=S･Y-N･X (@･m)</TD>", {kN});
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  f.Line("<TL=11, SROW=2, SCOL=0, EROW=##, ECOL=5>", {n + 1});
  int r = 2;
  for (int i = 0; i < CWallRes::kAForceItems; ++i) {
    if (w.nAForce(i) == 0) continue;
    const double N = w.AForceN(i), S = w.AForceS(i), X = w.AForceX(i), Y = w.AForceY(i);
    f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT> @</TD>", {r, w.sAForce(i)});
    f.Line("<TD SROW=##, SCOL=1>######.##</TD>", {r, N});
    f.Line("<TD SROW=##, SCOL=2>######.##</TD>", {r, S});
    f.Line("<TD SROW=##, SCOL=3>###.###</TD>", {r, X});
    f.Line("<TD SROW=##, SCOL=4>###.###</TD>", {r, Y});
    f.Line("<TD SROW=##, SCOL=5>######.##</TD>", {r, Y * S - X * N});
    ++r;
  }
  f.Line("</LOOP>");
  f.Line("<FOTTER>");
  f.Line("<TL=11, SROW=##, SCOL=0, EROW=##, ECOL=5>", {r, r});
  f.Line("<TD SROW=##, SCOL=0>合　計</TD>", {r});
  f.Line("<TD SROW=##, SCOL=1>######.##</TD>", {r, w.ForceN});
  f.Line("<TD SROW=##, SCOL=2>######.##</TD>", {r, w.ForceS});
  f.Line("<TD SROW=##, SCOL=5>######.##</TD>", {r, w.ForceM});
  f.Line("</FOTTER>");
  f.Line("</TABLE>");
  PrnBlockClose(f);
}

// ---- Stresses -----------------------------------------------------------------------

void PrnWallStress(PrnFile& f, const CDocument& doc, const WallCheckSection& s, int32_t k,
                   int16_t& flag) {
  const std::shared_ptr<CWallRes> rec = Record(doc, s.part, k, s.index);
  if (!rec) return;
  const CWallRes& w = *rec;
  const double s0 = w.Sgmc(0), s1 = w.Sgmc(1);
  const double sMax = MaxOf(s0, {s1}), sMin = MinOf(s0, {s1});
  const bool compression = s0 >= 0 && s1 >= 0;
  const bool c1 = sMax <= w.Sgmca;
  const bool c2 = sMin >= -w.Sgmta;
  const bool c3 = w.Tauc <= w.Taua;
  const bool block = doc.Sisin == 3;
  const double cosA = std::cos(std::atan(doc.BlkN));
  const std::string& kN = PrnUnitWords[0];
  const std::string& V = PrnUnitWords[1];
  const char* arrow = "　　　　　　　　　　　　　　　　　　　　　　　　　→ @";

  PrnBlockOpen(f);
  f.Empty();
  if (flag == 0) {
    PrnHeading(f, doc, 2, "応力度計算");
    flag = -1;
  }
  CaseHead(f, doc, k);

  const char* lhs = compression ? "<math><box>σ_c1_<atop>σ_c2_</box>}&sp; = "
                                : "<math><box>σ_c_<atop>σ_t_</box>}&sp; = ";
  f.Empty();
  if (!block) {
    f.Line(std::string(lhs) +
               "<box>N<over>b･h</box>±<box>6･M<over>b･h^2^</box> = <box>##.##<over>1.000×#.###"
               "</box>±<box>6×#.##<over>1.000×#.###^2^</box></math>",
           {w.ForceN, w.Height(0), w.ForceM, w.Height(0)});
  } else {
    f.Line(std::string(lhs) +
           "<box>N･cosα<over>b･(t-Δt)</box>±<box>6･M･cos^2^α<over>b･(t-Δt)^2^</box></math>");
    f.Empty();
    f.Line(
        "　　<math>= <box>##.##×#.###<over>1.000×(#.### - #.###)</box>±<box>6×#.##×#.###^2^"
        "<over>1.000×(#.### - #.###)^2^</box></math>",
        {w.ForceN, cosA, doc.BlkT, doc.BlkT2, w.ForceM, cosA, doc.BlkT, doc.BlkT2});
  }
  f.Empty();
  const bool normalOk = c1 && (compression || c2);
  const std::string normalVerdict =
      ReportVerdict(normalOk, {s0, s1, w.Sgmca, compression ? 0.0 : w.Sgmta});
  if (compression) {
    f.Line(
        "　　<math>={&sp;<box>#.## (@/m^2^) = #.## (@m^2^)<atop>#.## (@/m^2^) = #.## "
        "(@m^2^)</box> @ σ_ca_ = #.## (@m^2^)</math>",
        {Kilo(s0), kN, s0, V, Kilo(s1), kN, s1, V, c1 ? "＜" : "＞", w.Sgmca, V});
  } else {
    const double big = Missing(s0) || Missing(s1) ? kNullBox : sMax;
    const double small = Missing(s0) || Missing(s1) ? kNullBox : sMin;
    f.Line(
        "　　<math>= {&sp;<box>#.## (@/m^2^) = #.## (@m^2^) @ σ_ca_ = #.## (@m^2^)<atop>#.## "
        "(@/m^2^) = #.## (@m^2^) @ σ_ta_ = #.## (@m^2^)</box></math>",
        {Kilo(big), kN, big, V, c1 ? "＜" : "＞", w.Sgmca, V, Kilo(small), kN, small, V,
         c2 ? "＞" : "＜", -w.Sgmta, V});
  }
  f.Empty();
  f.Line(arrow, {normalVerdict});

  f.Empty();
  if (!block) {
    f.Line("<math>τ_c_ = <box>S<over>b･h</box> = <box>##.##<over>1.000×#.###</box></math>",
           {w.ForceS, w.Height(1)});
  } else {
    f.Line(
        "<math>τ_c_ = <box>S･cosα<over>b･(t-2Δt)</box> = <box>##.##×#.###<over>1.000×(#.### "
        "- 2×#.###)</box></math>",
        {w.ForceS, cosA, doc.BlkT, doc.BlkT2});
  }
  f.Empty();
  f.Line("　　<math>= #.## (@/m^2^) = #.## (@m^2^) @ τ_a_ = #.## (@m^2^)</math>",
         {Kilo(w.Tauc), kN, w.Tauc, V, c3 ? "＜" : "＞", w.Taua, V});
  f.Empty();
  f.Line(arrow, {ReportVerdict(c3, {w.Tauc, w.Taua})});
  PrnBlockClose(f);
}

}  // namespace norva

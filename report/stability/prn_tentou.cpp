#include "report/stability/prn_tentou.h"

#include <cmath>
#include <filesystem>
#include <memory>

#include "calc/stability/printed_relation.h"
#include "calc/stability/verdicts.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/outline.h"
#include "document/report_format.h"
#include "drawing/base/report_picture.h"
#include "drawing/figures/siryokusen_figure.h"
#include "report/driver/prn_file.h"
#include "report/stability/prn_force_sum.h"
#include "report/stability/stability_markup.h"

namespace norva {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kRadToDeg = 57.29577951308238;
constexpr double kMm = 56.7;  // twips per millimetre

// Mark and verdict of a check; a check that cannot be made shows a blank
// mark and "-----". The mark is the relation of the two numbers as printed,
// the verdict the check's rule.
struct Judged {
  const char* mark;
  std::string verdict;
};

Judged Judge(bool computed, bool ok, PrintedRelation relation, const RelationMarks& marks,
             const char* okText = "OK") {
  if (!computed) return {"　", kReportNullText};
  return {RelationMark(relation, marks, "　"), ok ? okText : "OUT"};
}

void MethodFactor(PrnFile& f) {
  const std::string& kN = PrnUnitWords[0];
  f.Line(
      "次式のとおり、底面つま先における全抵抗モーメントと全転倒モーメントの比が所要安全率以上で"
      "あることを照査する。");
  f.Empty();
  f.Line("　<math><box>Mr<over>Mo</box>&sp;≧&sp;Fm</math>");
  f.Empty();
  f.Line("　ここに、Mr ：底面つま先における全抵抗モーメント (@･m)", {kN});
  f.Line("　　　　　Mo ：底面つま先における全転倒モーメント (@･m)", {kN});
  f.Line("　　　　　Fm ：転倒に対する安全率");
}

void MethodDistance(PrnFile& f) {
  f.Line(
      "次式のとおり、底面つま先から荷重の合力の作用位置までの距離dが許容値以上であることを照査す"
      "る。");
  f.Empty();
  f.Line(
      "　<math>d &sp;≧&sp;<box>B<over>n</box> &sp;=&sp; <box> <left>{<box>B/2　(常時)　<atop>"
      "B/3　(地震時)</box> </box></math>");
  f.Empty();
  f.Line("　ここに、d　：底面つま先から荷重の合力の作用点までの距離 (m)");
  f.Line("　　　　　B　：底面幅 (m)");
}

void MethodEccentricity(PrnFile& f) {
  f.Line("次式のとおり、合力の偏心距離eが許容偏心量以下であることを照査する。");
  f.Empty();
  f.Line("　<math>|e|&sp;≦&sp;<box>B<over>n</box></math>");
  f.Empty();
  f.Line("　ここに、e　：合力の作用点の底面中央からの偏心距離 (m)");
  f.Line("　　　　　d　：底面つま先から合力の作用点までの距離 (m)");
  f.Line("　　　　　B　：底面幅 (m)");
  f.Line("　　　　　n　：許容偏心量の算出に用いる係数");
}

void MethodThrust(PrnFile& f, const CDocument& doc, const std::string& folder) {
  const std::string figure = PrnCopyFigure(f, "siryokusen", folder, "siryokusen");
  // The foundation sentence is part of the line only with foundation concrete
  // (an empty "@" would leave a blank at the end of the line).
  const std::string aim =
      "　示力線位置X<sub>h</sub>がブロック底版で、擁壁断面の中央1/3の外側の位置X' (ミドルサード)"
      "より内側であることを照査する。ただし、示力線位置X<sub>h</sub>は擁壁天端の中心位置から、"
      "擁壁底面位置での合力の作用位置までの距離とする。";
  f.Line(doc.nBlkFound == 0 ? aim + "また、基礎コンクリート部は考慮しない。" : aim);
  PrnImage(f, figure, 100);
  f.Empty();
  f.Line("安定条件");
  f.Line("　　<math>X'&sp;≧&sp;X<sub>h</sub>'</math>");
  f.Empty();
  f.Line("ミドルサード位置");
  f.Line("　　<math>X'&sp;=&sp;H･cotθ_0_＋<box>b･cosecθ_0_<over>6</box></math>");
  f.Empty();
  f.Line("ブロック積みの限界高さはX'=X<sub>h</sub>となる擁壁高 H を収束計算により算出する。");
}

void CaseFactor(PrnFile& f, const CAntRes& r) {
  // Fm with three decimals, Fma with two, as the line prints them.
  const Judged j =
      Judge(IsComputedResult(r.Fm) && IsComputedResult(r.Fma), PassesLowerBound(r.Fm, r.Fma),
            ComparePrinted(r.Fm, 3, r.Fma, 2), kAtLeastMarks);
  f.Empty();
  f.Line(
      "　　<math>F_m_=<box>&sum;M_r_<over>&sum;M_o_</box>=<box>####.##<over>####.##</box>="
      "##.###&nbsp;@&nbsp;##.##　　→　@</math>",
      {r.SgmMr, r.SgmMo, r.Fm, j.mark, r.Fma, j.verdict});
}

void CaseDistance(PrnFile& f, const CKajyuCase* k, const CAntRes& r) {
  const double L = ResultantDistanceLimit(r.Breadth, r.Ea);
  const Judged j =
      Judge(IsComputedResult(r.D) && IsComputedResult(L), ResultantDistanceOk(r.D, r.Breadth, r.Ea),
            ComparePrinted(r.D, L, 3), kAtLeastMarks);
  const BreadthDivisor n = DistanceDivisor(k ? k->Ea : 0.0);
  // A whole divisor prints as B/2 or B/3; any other as a decimal, so that the
  // line still states L.
  const double divisor = n.valid ? n.n : kNullBox;
  const std::string field = n.whole ? "##" : "##.##";
  f.Empty();
  f.Line("　<math>d=##.###&sp;(m) @ <box>B<over>" + field + "</box>=<box>##.###<over>" + field +
             "</box>=##.###&sp;(m)　　→　@</math>",
         {r.D, j.mark, divisor, r.Breadth, divisor, L, j.verdict});
}

void CaseEccentricity(PrnFile& f, const CDocument& doc, const CKajyuCase* k, const CAntRes& r) {
  const EccentricitySide side = EccentricityPosition(r.E, r.Ea);
  const double absE = IsComputedResult(r.E) ? std::fabs(r.E) : kNullBox;
  const char* okText = side == EccentricitySide::kHeel ? "背面側への転倒故、OK" : "OK";
  const Judged j =
      Judge(side != EccentricitySide::kNotComputed, EccentricityOk(r.E, r.Ea, doc.WallType()),
            ComparePrinted(absE, r.Ea, 3), kAtMostMarks, okText);
  const double divisor = k ? k->Ea : 0.0;
  f.Empty();
  f.Line(
      "　<math>|e|=##.###&sp;(m) @ <box>B<over>##</box>=<box>##.###<over>##</box>=##.###&sp;"
      "(m)　　→　@</math>",
      {absE, j.mark, divisor, r.Breadth, divisor, r.Ea, j.verdict});
}

void CaseThrust(PrnFile& f, const CDocument& doc, int32_t i, const std::string& folder,
                CAntRes& r) {
  // The figure runs the section-force sums of the case on the document and
  // puts everything back (the calculation's scope guards); the report itself
  // changes nothing.
  CDocument& work = const_cast<CDocument&>(doc);
  const std::string base = SiryokusenFileBase(folder, i);
  ReportPicture picture(kSiryokusenReportWidthMm * kMm, kSiryokusenReportHeightMm * kMm);
  std::string why;
  if (!DrawSiryokusen(work, static_cast<int16_t>(i), r, picture.Draw(), false, base + ".DAT",
                      &why)) {
    throw ReportError("帳票の図のファイルを作成できません。\n" + base + ".DAT" +
                      (why.empty() ? "" : "\n(" + why + ")"));
  }
  const std::string path =
      PrnSaveFigure(picture, folder, std::filesystem::path(base).filename().string());

  const bool computed = IsComputedResult(r.Xh) && IsComputedResult(r.Xd);
  // Printed as X' against Xh.
  const Judged j =
      Judge(computed, ThrustOk(r.Xh, r.Xd), ComparePrinted(r.Xd, r.Xh, 3), kAtLeastMarks);
  const ThrustGeometry g = SiryokusenGeometry(doc);
  const double deg = g.theta0 * kRadToDeg;
  const double d = SiryokusenResultant(r).d;

  f.Empty();
  f.Line("荷重の偏心位置より示力線位置を求めた。");
  PrnImage(f, path, 70);
  f.Empty();
  f.Line("示力線位置");
  f.Line("　　<math>X<sub>h</sub>=H･cotθ_0_+<box>b･cosecθ_0_<over>2</box>-d</math>");
  f.Empty();
  f.Line(
      "　　   <math>=#.###×cot(##.##)＋<box>#.###×cosec(##.##)<over>2</box>-##.###=##.### "
      "(m)</math>",
      {g.H, deg, g.b, deg, d, r.Xh});
  f.Empty();
  f.Line("ミドルサード位置");
  f.Line("　　<math>X'=H･cotθ_0_＋<box>b･cosecθ_0_<over>6</box></math>");
  f.Empty();
  f.Line("　　  <math>=#.###×cot(##.##)＋<box>#.###×cosec(##.##)<over>6</box>=#.### (m)</math>",
         {g.H, deg, g.b, deg, r.Xd});
  f.Empty();
  f.Line("以上より、");
  f.Empty();
  f.Line("　　X'=##.### @ X<sub>h</sub>=##.###　　→　@", {r.Xd, j.mark, r.Xh, j.verdict});
  f.Empty();
  f.Line(
      "X<sub>h</sub>=X'となるように擁壁高さを変化させ収束計算を行った結果、限界高さH<sub>A</sub>"
      "は下の通りとなる。");
  f.Empty();
  if (r.Ha == kNullBox && computed) {
    f.Line(
        ThrustOk(r.Xh, r.Xd)
            ? "　　限界高さ H<sub>A</sub> = 擁壁高さを増加させて計算してもOUTになる高さが見つから"
              "ない。"
            : "　　限界高さ H<sub>A</sub> = 擁壁高さを減少させて計算してもOKになる高さが見つから"
              "ない。");
  } else {
    f.Line("　　限界高さ H<sub>A</sub> = ##.### (m)", {r.Ha});
  }
}

}  // namespace

TentouCheck TentouCheckOf(const CDocument& doc, int16_t part) {
  if ((doc.WallType() == 3 && part == 0) || doc.nTentou == 3) return TentouCheck::kThrust;
  if (doc.nTentou == 1) return TentouCheck::kFactor;
  if (doc.WallType() == 2 && doc.Sisin == 2) return TentouCheck::kDistance;
  return TentouCheck::kEccentricity;
}

ThrustGeometry SiryokusenGeometry(const CDocument& doc) {
  ThrustGeometry g;
  g.theta0 = kPi / 2 - std::atan(doc.BlkN);
  g.inputB = doc.BlkDeltT2 + doc.BlkT;
  KutaiPoints p{};
  DPoint c1, c2;
  if (doc.WallType() == 0) {
    g.inputH = doc.WallH;
  } else {
    MakeKutaiOutline(doc, p, c1, c2, 0);
    g.inputH = p[9].Y - p[10].Y;
  }
  // The line-of-thrust calculation's own section (the masonry on its base).
  MakeKutaiOutline(doc, p, c1, c2, 1);
  const double xf = doc.WallType() == 3 ? p[2].X : p[0].X;
  const double offset = p[5].X - xf;
  const double width = p[9].X - p[5].X;
  g.H = doc.BlkN != 0 ? offset / doc.BlkN : g.inputH;
  g.b = width * std::sin(g.theta0);
  return g;
}

void PrnTentou(PrnFile& f, const CDocument& doc, const std::string& folder, int16_t part) {
  const TentouCheck check = TentouCheckOf(doc, part);
  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 1, "安定計算");
  PrnHeading(f, doc, 2, check == TentouCheck::kThrust ? "示力線法による検討" : "転倒に対する検討");
  PrnHeading(f, doc, 3, "検討方法");
  switch (check) {
    case TentouCheck::kFactor:
      MethodFactor(f);
      break;
    case TentouCheck::kDistance:
      MethodDistance(f);
      break;
    case TentouCheck::kEccentricity:
      MethodEccentricity(f);
      break;
    case TentouCheck::kThrust:
      MethodThrust(f, doc, folder);
      break;
  }
  PrnBlockClose(f);
}

void PrnTentouCase(PrnFile& f, const CDocument& doc, int32_t i, const std::string& folder,
                   int16_t part) {
  const std::shared_ptr<CAntRes> rp = doc.AntRes(doc.WallType() == 3 ? part : 0, i);
  if (!rp) return;
  CAntRes& r = *rp;
  const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
  PrnBlockOpen(f);
  f.Empty();
  PrnCaseHeadingFixed(f, doc, i);
  PrnQuakeNote(f, doc, i);
  switch (TentouCheckOf(doc, part)) {
    case TentouCheck::kFactor:
      CaseFactor(f, r);
      break;
    case TentouCheck::kDistance:
      CaseDistance(f, k.get(), r);
      break;
    case TentouCheck::kEccentricity:
      CaseEccentricity(f, doc, k.get(), r);
      break;
    case TentouCheck::kThrust:
      CaseThrust(f, doc, i, folder, r);
      break;
  }
  PrnBlockClose(f);
}

}  // namespace norva

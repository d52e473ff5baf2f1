#include "report/stability/prn_force_sum.h"

#include <cmath>
#include <initializer_list>
#include <memory>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/nulls.h"
#include "document/outline.h"
#include "report/driver/prn_file.h"
#include "report/stability/stability_markup.h"

namespace norva {

namespace {

using Cell = std::optional<double>;

// A product of two cells: empty when either is, not computed when either is.
Cell Times(const Cell& a, const Cell& b) {
  if (!a || !b) return std::nullopt;
  if (IsNullValue(*a) || IsNullValue(*b)) return kNullBox;
  return *a * *b;
}
Cell Minus(const Cell& a, const Cell& b) {
  if (!a || !b) return std::nullopt;
  if (IsNullValue(*a) || IsNullValue(*b)) return kNullBox;
  return *a - *b;
}
bool AnyNull(std::initializer_list<double> values) {
  for (double v : values) {
    if (IsNullValue(v)) return true;
  }
  return false;
}

// The sign word and absolute value of a subtracted term ("- 12.30", "+ 4.00").
ReportValue SignOf(double v) { return PrnSign(IsNullValue(v) ? 0.0 : v, true); }
double AbsOf(double v) { return IsNullValue(v) ? v : std::fabs(v); }

// Item of the line-of-thrust table that holds the uplift.
constexpr int kUpliftItem = 7;

const char* const kColumnCell[] = {
    nullptr,
    "<TD SROW=##, SCOL=1>####.##</TD>",
    "<TD SROW=##, SCOL=2>####.##</TD>",
    "<TD SROW=##, SCOL=3>##.###</TD>",
    "<TD SROW=##, SCOL=4>##.###</TD>",
    "<TD SROW=##, SCOL=5>####.##</TD>",
    "<TD SROW=##, SCOL=6>####.##</TD>",
};
const char* const kColumnBlank[] = {
    nullptr,
    "<TD SROW=##, SCOL=1>－</TD>",
    "<TD SROW=##, SCOL=2>－</TD>",
    "<TD SROW=##, SCOL=3>－</TD>",
    "<TD SROW=##, SCOL=4>－</TD>",
    "<TD SROW=##, SCOL=5>－</TD>",
    "<TD SROW=##, SCOL=6>－</TD>",
};

void Cellf(PrnFile& f, int column, int row, const Cell& v) {
  if (v) {
    f.Line(kColumnCell[column], {row, *v});
  } else {
    f.Line(kColumnBlank[column], {row});
  }
}

bool LargeBlockMoments(const CDocument& doc, int16_t part) {
  // The lower wall of a mixed wall sums its moments the ordinary way under
  // every guideline.
  return doc.Sisin == 3 && !(doc.WallType() == 3 && part == 1);
}

// The general table; secondTable shows the V·x and H·y columns with the sums
// SgmVX and SgmHY (large-block guideline).
void PrnGeneralTable(PrnFile& f, const CAntRes& r, const std::vector<ForceSumRow>& rows,
                     bool secondTable) {
  const int n = static_cast<int>(rows.size());
  const std::string& kN = PrnUnitWords[0];
  f.Line("<TABLE ROW=##, COL=7>", {n + 3});
  f.Line("<COLWIDTH=16, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=10, SCOL=1, ECOL=2>");
  f.Line("<COLWIDTH= 8, SCOL=3, ECOL=4>");
  f.Line("<COLWIDTH=12, SCOL=5, ECOL=6>");
  f.Line("<HEADER>");
  f.Line("<TL= 9, SROW=0, SCOL=0, EROW=1, ECOL=0>");
  f.Line("<TL= 9, SROW=0, SCOL=1, EROW=1, ECOL=1>");
  f.Line("<TL= 9, SROW=0, SCOL=2, EROW=1, ECOL=2>");
  f.Line("<TL= 9, SROW=0, SCOL=3, EROW=0, ECOL=4>");
  f.Line("<TL= 9, SROW=1, SCOL=3, EROW=1, ECOL=3>");
  f.Line("<TL= 9, SROW=1, SCOL=4, EROW=1, ECOL=4>");
  f.Line("<TL= 9, SROW=0, SCOL=5, EROW=1, ECOL=5>");
  f.Line("<TL= 9, SROW=0, SCOL=6, EROW=1, ECOL=6>");
  f.Line("<TD SROW=0, SCOL=1>鉛直荷重</TD>");
  f.Line("<TD SROW=1, SCOL=1>V (@/m)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=2>水平荷重</TD>");
  f.Line("<TD SROW=1, SCOL=2>H (@/m)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=3, EROW=0, ECOL=4>アーム長</TD>");
  f.Line("<TD SROW=1, SCOL=3>x (m)</TD>");
  f.Line("<TD SROW=1, SCOL=4>y (m)</TD>");
  if (secondTable) {
    f.Line("<TD SROW=0, SCOL=5>V･x</TD>");
    f.Line("<TD SROW=1, SCOL=5>(@･m/m)</TD>", {kN});
    f.Line("<TD SROW=0, SCOL=6>H･y</TD>");
    f.Line("<TD SROW=1, SCOL=6>(@･m/m)</TD>", {kN});
  } else {
    f.Line("<TD SROW=0, SCOL=5>抵抗ﾓｰﾒﾝﾄ</TD>");
    f.Line("<TD SROW=1, SCOL=5>Mr (@･m/m)</TD>", {kN});
    f.Line("<TD SROW=0, SCOL=6>転倒ﾓｰﾒﾝﾄ</TD>");
    f.Line("<TD SROW=1, SCOL=6>Mo (@･m/m)</TD>", {kN});
  }
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  f.Line("<TL=11, SROW=2, SCOL=0, EROW=##, ECOL=6>", {n + 1});
  for (int k = 0; k < n; ++k) {
    const ForceSumRow& row = rows[k];
    const int R = k + 2;
    f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT> @</TD>", {R, row.label});
    Cellf(f, 1, R, row.V);
    Cellf(f, 2, R, row.H);
    Cellf(f, 3, R, row.x);
    Cellf(f, 4, R, row.y);
    Cellf(f, 5, R, secondTable ? row.Vx : row.Mr);
    Cellf(f, 6, R, secondTable ? row.Hy : row.Mo);
  }
  PrnSumRowOpen(f, n + 2);
  Cellf(f, 1, n + 2, r.SgmV);
  Cellf(f, 2, n + 2, r.SgmH);
  Cellf(f, 5, n + 2, secondTable ? r.SgmVX : r.SgmMr);
  Cellf(f, 6, n + 2, secondTable ? r.SgmHY : r.SgmMo);
  f.Line("</FOOTER>");
  f.Line("</TABLE>");
}

// Opening of one case's block; the first of a series starts the page.
void OpenCase(PrnFile& f, const CDocument& doc, int32_t i, const char* series, int16_t& flag) {
  if (!PrnSeriesOpen(f, doc, series, flag)) f.Empty();
  PrnCaseHeading(f, doc, i, 3);
  PrnQuakeNote(f, doc, i);
  f.Empty();
}

}  // namespace

std::vector<ForceSumRow> PrnForceSumRows(const CDocument& doc, int16_t part, int32_t i) {
  std::vector<ForceSumRow> rows;
  const std::shared_ptr<CAntRes> rp = doc.AntRes(part, i);
  if (!rp) return rows;
  const CAntRes& r = *rp;
  const bool mixed = doc.WallType() == 3;
  const bool largeBlock = LargeBlockMoments(doc, part);

  // How the calculation counts the moments of a row under the large-block
  // guideline; every other guideline takes Mr = V·x and Mo = H·y.
  enum class Kind { kUpper, kSelf, kEarth, kWater, kUplift, kLoads };
  auto add = [&](const char* label, Cell V, Cell H, Cell x, Cell y, Kind kind) {
    ForceSumRow row;
    row.label = label;
    row.V = V;
    row.H = H;
    row.x = x;
    row.y = y;
    row.Vx = Times(V, x);
    row.Hy = Times(H, y);
    row.Mr = row.Vx;
    row.Mo = row.Hy;
    if (largeBlock) {
      switch (kind) {
        case Kind::kSelf:
          row.Mr = Minus(row.Vx, row.Hy);
          row.Mo = std::nullopt;
          break;
        case Kind::kEarth:
          row.Mr = std::nullopt;
          row.Mo = Minus(row.Hy, row.Vx);
          break;
        default:
          break;
      }
    }
    rows.push_back(row);
    return &rows.back();
  };

  if (mixed && part == 1) {
    // The upper wall stands on the middle of the joint, as the calculation
    // hands it down, with its earth pressure by its components.
    const std::shared_ptr<CAntRes> u = doc.AntRes(0, i);
    KutaiPoints p{};
    DPoint c1, c2;
    MakeKutaiOutline(doc, p, c1, c2, 0);
    const double V = AnyNull({u->Pav, u->SgmV}) ? kNullBox : u->Pav + u->SgmV;
    const double H = AnyNull({u->SgmH, u->Pa, u->Pah}) ? kNullBox : u->SgmH - u->Pa + u->Pah;
    add("上部擁壁", V, H, (p[2].X + p[3].X) / 2, (p[2].Y + p[3].Y) / 2, Kind::kUpper);
  }
  const bool footing = r.KutaiV(1) != 0 || r.KutaiH(1) != 0;
  if (r.KutaiV(0) != 0 || r.KutaiH(0) != 0) {
    add(footing ? "く体自重(壁)" : "く体自重", r.KutaiV(0), r.KutaiH(0), r.KutaiXc(0), r.KutaiYc(0),
        Kind::kSelf);
  }
  if (footing) {
    add("く体自重(基礎)", r.KutaiV(1), r.KutaiH(1), r.KutaiXc(1), r.KutaiYc(1), Kind::kSelf);
  }
  if (r.FuryokuV != 0 || r.FuryokuH != 0) {
    add("浮力", r.FuryokuV, r.FuryokuH, r.FuryokuXc, r.FuryokuYc, Kind::kSelf);
  }
  if (r.ZensaiV(0) != 0 || r.ZensaiH(0) != 0) {
    add("前面土", r.ZensaiV(0), r.ZensaiH(0), r.ZensaiXc(0), r.ZensaiYc(0), Kind::kSelf);
  }
  if (r.ZensaiV(1) != 0 || r.ZensaiH(1) != 0) {
    add("前面土(浮力)", r.ZensaiV(1), r.ZensaiH(1), r.ZensaiXc(1), r.ZensaiYc(1), Kind::kSelf);
  }
  if (r.Pa != 0) {
    // Under the line of thrust the pressure is taken wholly horizontal at its
    // height; its arm is then 0.
    const bool horizontal = doc.nTentou == 3 && r.Pav == 0;
    add("土圧", r.Pav, r.Pah, horizontal ? 0.0 : r.Pax, r.Pay, Kind::kEarth);
  }
  if (r.Pwf != 0) add("前面水圧", std::nullopt, -r.Pwf, std::nullopt, r.Pwfy, Kind::kWater);
  if (r.Pwb != 0) add("背面水圧", std::nullopt, r.Pwb, std::nullopt, r.Pwby, Kind::kWater);
  if (r.YouatsuV != 0) {
    add("揚圧力", -r.YouatsuV, std::nullopt, r.YouatsuXc, std::nullopt, Kind::kUplift);
  }
  // The loads' moments are the stored sums; the calculation counts their V·x
  // as resisting and their H·y as overturning under every guideline.
  if (r.HorzLoadSgmH != 0 || r.HorzLoadSgmV != 0) {
    ForceSumRow* row =
        add("水平荷重", r.HorzLoadSgmV, r.HorzLoadSgmH, std::nullopt, std::nullopt, Kind::kLoads);
    row->Vx = row->Mr = r.HorzLoadSgmVX;
    row->Hy = row->Mo = r.HorzLoadSgmHY;
  }
  if (r.NiniCnt() > 0) {
    ForceSumRow* row =
        add("その他の荷重", r.NiniSgmV, r.NiniSgmH, std::nullopt, std::nullopt, Kind::kLoads);
    row->Vx = row->Mr = r.NiniSgmVX;
    row->Hy = row->Mo = r.NiniSgmHY;
  }
  return rows;
}

std::vector<ThrustItem> SiryokusenItems(const CAntRes& r) {
  std::vector<ThrustItem> items;
  for (int k = 0; k < CAntRes::kSForceItems; ++k) {
    if (r.nSForce(k) == 0) continue;
    ThrustItem t;
    t.item = k;
    t.label = r.sSForce(k);
    t.V = r.SForceV(k);
    t.X = r.SForceX(k);
    t.Mr = r.SForceMr(k);
    t.H = r.SForceH(k);
    t.Y = r.SForceY(k);
    t.Mo = r.SForceMo(k);
    // The uplift item holds U upward with its moment X·U; the calculation
    // subtracts U from the vertical forces and counts X·U as overturning.
    if (k == kUpliftItem) t.V = -t.V;
    items.push_back(t);
  }
  return items;
}

ThrustResultant SiryokusenResultant(const CAntRes& r) {
  ThrustResultant s;
  for (const ThrustItem& t : SiryokusenItems(r)) {
    s.V += t.V;
    s.H += t.H;
    s.Mr += t.Mr;
    s.Mo += t.Mo;
  }
  s.d = s.V != 0 ? (s.Mr - s.Mo) / s.V : 0.0;
  return s;
}

void PrnForceSum(PrnFile& f, const CDocument& doc, int32_t i, int16_t part, int16_t& flag) {
  const std::shared_ptr<CAntRes> rp = doc.AntRes(part, i);
  if (!rp) return;
  const CAntRes& r = *rp;
  const std::vector<ForceSumRow> rows = PrnForceSumRows(doc, part, i);
  const bool largeBlock = doc.Sisin == 3;

  OpenCase(f, doc, i, "作用力の集計", flag);
  if (largeBlock) f.Line("底面つま先回りの転倒及び抵抗モーメント");
  PrnGeneralTable(f, r, rows, false);
  if (largeBlock) {
    f.Empty();
    f.Line("合力作用位置の計算用");
    PrnGeneralTable(f, r, rows, true);
  }
  f.Line("底面つま先からの荷重合力の作用位置");
  f.Empty();
  if (largeBlock) {
    f.Line(
        "　<math>d=<box>&sum;V･x-&sum;H･y<over>&sum;V</box>=<box>##.##@##.##<over>##.##</box>"
        "=##.### (m)</math>",
        {r.SgmVX, SignOf(r.SgmHY), AbsOf(r.SgmHY), r.SgmV, r.D});
  } else {
    f.Line(
        "　<math>d=<box>&sum;M_r_-&sum;M_o_<over>&sum;V</box>=<box>##.## @ ##.##<over>##.##"
        "</box>=##.### (m)</math>",
        {r.SgmMr, SignOf(r.SgmMo), AbsOf(r.SgmMo), r.SgmV, r.D});
  }
  f.Empty();
  f.Line("荷重の合力作用位置の底版中央からの偏心距離");
  f.Empty();
  f.Line("　<math>e=<box>B<over>2</box>-d=<box>##.###<over>2</box>-##.###=##.### (m)</math>",
         {r.Breadth, r.D, r.E});
  PrnBlockClose(f);
}

void PrnForceSumSiryokusen(PrnFile& f, const CDocument& doc, int32_t i, int16_t part,
                           int16_t& flag) {
  const std::shared_ptr<CAntRes> rp = doc.AntRes(part, i);
  if (!rp) return;
  const std::vector<ThrustItem> items = SiryokusenItems(*rp);
  const ThrustResultant sum = SiryokusenResultant(*rp);
  const int n = static_cast<int>(items.size());
  const std::string& kN = PrnUnitWords[0];

  OpenCase(f, doc, i, "作用力の集計(示力線計算用)", flag);
  f.Line("<TABLE ROW=##, COL=7>", {n + 3});
  f.Line("<COLWIDTH=16, SCOL=0, ECOL=0>");
  f.Line("<COLWIDTH=10, SCOL=1, ECOL=1>");
  f.Line("<COLWIDTH= 8, SCOL=2, ECOL=2>");
  f.Line("<COLWIDTH=12, SCOL=3, ECOL=3>");
  f.Line("<COLWIDTH=10, SCOL=4, ECOL=4>");
  f.Line("<COLWIDTH= 8, SCOL=5, ECOL=5>");
  f.Line("<COLWIDTH=12, SCOL=6, ECOL=6>");
  f.Line("<HEADER>");
  for (int c = 0; c <= 6; ++c) f.Line("<TL= 9, SROW=0, SCOL=#, EROW=1, ECOL=#>", {c, c});
  f.Line("<TD SROW=0, SCOL=1>鉛直荷重</TD>");
  f.Line("<TD SROW=1, SCOL=1>V (@/m)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=2>ｱｰﾑ長</TD>");
  f.Line("<TD SROW=1, SCOL=2>x (m)</TD>");
  f.Line("<TD SROW=0, SCOL=3>抵抗ﾓｰﾒﾝﾄ</TD>");
  f.Line("<TD SROW=1, SCOL=3>Mr (@･m/m)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=4>水平荷重</TD>");
  f.Line("<TD SROW=1, SCOL=4>H (@/m)</TD>", {kN});
  f.Line("<TD SROW=0, SCOL=5>ｱｰﾑ長</TD>");
  f.Line("<TD SROW=1, SCOL=5>y (m)</TD>");
  f.Line("<TD SROW=0, SCOL=6>転倒ﾓｰﾒﾝﾄ</TD>");
  f.Line("<TD SROW=1, SCOL=6>Mo (@･m/m)</TD>", {kN});
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  f.Line("<TL=11, SROW=2, SCOL=0, EROW=##, ECOL=6>", {n + 1});
  int row = 2;
  for (const ThrustItem& t : items) {
    f.Line("<TD SROW=##, SCOL=0, HALIGN=LEFT> @</TD>", {row, t.label});
    f.Line("<TD SROW=##, SCOL=1>####.##</TD>", {row, t.V});
    f.Line("<TD SROW=##, SCOL=2>##.###</TD>", {row, t.X});
    f.Line("<TD SROW=##, SCOL=3>####.##</TD>", {row, t.Mr});
    f.Line("<TD SROW=##, SCOL=4>####.##</TD>", {row, t.H});
    f.Line("<TD SROW=##, SCOL=5>##.###</TD>", {row, t.Y});
    f.Line("<TD SROW=##, SCOL=6>####.##</TD>", {row, t.Mo});
    ++row;
  }
  PrnSumRowOpen(f, n + 2);
  f.Line("<TD SROW=##, SCOL=1>####.##</TD>", {n + 2, sum.V});
  f.Line("<TD SROW=##, SCOL=3>####.##</TD>", {n + 2, sum.Mr});
  f.Line("<TD SROW=##, SCOL=4>####.##</TD>", {n + 2, sum.H});
  f.Line("<TD SROW=##, SCOL=6>####.##</TD>", {n + 2, sum.Mo});
  f.Line("</FOOTER>");
  f.Line("</TABLE>");
  f.Line("底面つま先からの荷重合力の作用位置");
  f.Empty();
  f.Line(
      "　<math>d=<box>&sum;M_r_-&sum;M_o_<over>&sum;V</box>=<box>##.## @ ##.##<over>##.##"
      "</box>=##.### (m)</math>",
      {sum.Mr, PrnSign(sum.Mo, true), std::fabs(sum.Mo), sum.V, sum.d});
  PrnBlockClose(f);
}

}  // namespace norva

#include "drawing/section/dimension_common.h"

#include <algorithm>
#include <cmath>

#include "document/geometry.h"
#include "document/nulls.h"
#include "document/report_format.h"
#include "drawing/base/sunpousen.h"

namespace norva {

namespace {
constexpr double kDegPerRad = 57.29577951308238;
}  // namespace

std::string DimMmText(double metres) {
  const double f = metres * 1000;
  if (!std::isfinite(f)) return "";
  return Sunpousen::SunpouMoji(f);
}

std::string GradientText(double n) { return "1:" + FormatPattern(n, "#0.00"); }

namespace dimension_detail {

ChainBuilder::ChainBuilder(const DrawScale& s, int number, DimChainKind kind, std::string code,
                           double line)
    : s_(s) {
  chain_.number = number;
  chain_.kind = kind;
  chain_.code = std::move(code);
  chain_.line = line;
}

ChainBuilder& ChainBuilder::From(const DPoint& p) {
  FromDevice(s_.GetX(p.X), s_.GetY(p.Y));
  last_ = p;
  return *this;
}

ChainBuilder& ChainBuilder::FromDevice(double x, double y) {
  chain_.xs.push_back(x);
  chain_.ys.push_back(y);
  chain_.texts.emplace_back();
  return *this;
}

ChainBuilder& ChainBuilder::To(const DPoint& p, double metres) {
  ToDevice(s_.GetX(p.X), s_.GetY(p.Y), metres);
  last_ = p;
  return *this;
}

ChainBuilder& ChainBuilder::ToDevice(double x, double y, double metres) {
  chain_.xs.push_back(x);
  chain_.ys.push_back(y);
  chain_.texts.push_back(DimMmText(metres));
  return *this;
}

ChainBuilder& ChainBuilder::ToStep(const DPoint& p) {
  const double step = chain_.kind == DimChainKind::Horizontal ? p.X - last_.X : p.Y - last_.Y;
  return To(p, step);
}

std::vector<double> FrontLevels(const CDocument& d, int16_t state) {
  if (state < 0) return {};
  double soil = kNullBox;
  double water = kNullBox;
  soil = d.SoilFH(state);
  if (d.nWater != 0) water = d.WatFH(state);
  std::vector<double> all;
  for (double v : {soil, water})
    if (!IsNullValue(v) && v > 0) all.push_back(v);
  std::sort(all.begin(), all.end(), [](double a, double b) { return a > b; });
  std::vector<double> kept;
  for (double v : all)
    if (kept.empty() || std::fabs(kept.back() - v) * 1000 >= 0.5) kept.push_back(v);
  return kept;
}

void AddFrontLevelChains(const DimensionContext& c, int number, int& row, DimensionSet& set) {
  const RowLines rows{c.scale, c.fit.DrwWorldSize};
  for (double level : FrontLevels(c.doc, c.state)) {
    --row;
    ChainBuilder b(c.scale, number, DimChainKind::Vertical, "LR", rows.Left(row));
    b.FromDevice(rows.Left(row), c.scale.GetY(0)).To({0, level}, level);
    set.chains.push_back(b.Done());
  }
}

void AddSlopeLabel(const DimensionContext& c, int number, double n, double ax, double ay,
                   DimensionSet& set) {
  if (IsNullValue(n)) return;
  const double theta = kFigureHalfPi - std::atan(n);
  const double h = c.mojiH;
  DimLabel l;
  l.number = number;
  l.text = GradientText(n);
  l.x = c.scale.GetX(ax) - h * std::sin(theta);
  l.y = c.scale.GetY(ay) - h * std::cos(theta);
  l.angleDeg = theta * kDegPerRad;
  l.h = h;
  if (!std::isfinite(l.x) || !std::isfinite(l.y)) return;
  set.labels.push_back(l);
}

void AddBackFaceLabel(const DimensionContext& c, int number, const DPoint& lo, const DPoint& hi,
                      DimensionSet& set) {
  const double gamma = hi.X != lo.X ? std::atan((hi.Y - lo.Y) / (hi.X - lo.X)) : kFigureHalfPi;
  const DPoint a = PointAlong(lo, hi, 0.45 * PointDistance(lo, hi));
  const double h = c.mojiH;
  DimLabel l;
  l.number = number;
  l.text = GradientText(std::tan(kFigureHalfPi - gamma));
  l.x = c.scale.GetX(a.X) + 0.05 * h * std::sin(gamma);
  l.y = c.scale.GetY(a.Y) + 0.05 * h * std::cos(gamma);
  l.angleDeg = gamma * kDegPerRad;
  l.h = h;
  if (!std::isfinite(l.x) || !std::isfinite(l.y)) return;
  set.labels.push_back(l);
}

bool CutDrawn(const CDocument& d) {
  return d.BackType == 1 && !IsNullValue(d.KiriD) && !IsNullValue(d.KiriN) && d.KiriN > 0;
}

void AddCutLabel(const DimensionContext& c, int number, const DPoint& heel, double yb,
                 DimensionSet& set) {
  const CDocument& d = c.doc;
  if (!CutDrawn(d)) return;
  const double w = c.fit.DrwWorldSize.width;
  const DPoint foot{heel.X + d.KiriD, heel.Y};
  DPoint end{w, heel.Y + (w - heel.X - d.KiriD) / d.KiriN};
  if (yb < end.Y) end = {heel.X + d.KiriD + (yb - heel.Y) * d.KiriN, yb};
  AddSlopeLabel(c, number, d.KiriN, (foot.X + end.X) / 2, (foot.Y + end.Y) / 2, set);
}

void AddBackSlopeLabel(const DimensionContext& c, int number, double xb, double yb,
                       DimensionSet& set) {
  const CDocument& d = c.doc;
  if (d.UragomeType != 1 || IsNullValue(d.UraN) || !(d.UraN > 0)) return;
  const double mx = (xb + c.fit.DrwWorldSize.width) * 0.5;
  const double my = yb + (mx - xb) * std::tan(kFigureHalfPi - std::atan(d.UraN));
  AddSlopeLabel(c, number, d.UraN, mx, my, set);
}

bool HasKey(const CDocument& d) { return d.Tokki == 1 && d.nKeisya != 0; }

DPoint KeyFront(const CDocument& d, const KutaiPoints& p) {
  return {p[0].X + d.TokX, p[0].Y - d.TokL};
}
DPoint KeyBack(const CDocument& d, const KutaiPoints& p) {
  return {p[0].X + d.TokX + d.TokB, p[0].Y - d.TokL};
}

ChainBuilder KeyChain(const DimensionContext& c, int number) {
  const CDocument& d = c.doc;
  const KutaiPoints& p = c.outline;
  const RowLines rows{c.scale, c.fit.DrwWorldSize};
  ChainBuilder b(c.scale, number, DimChainKind::Horizontal, "UU",
                 rows.Bottom(c.fit.DrwSunpRows.bottom - 1));
  b.From(p[0]).To(KeyFront(d, p), d.TokX).To(KeyBack(d, p), d.TokB);
  return b;
}

void AddFrontHeights(const DimensionContext& c, bool dropFlushToe, DimensionSet& set) {
  const CDocument& d = c.doc;
  const KutaiPoints& p = c.outline;
  const RowLines rows{c.scale, c.fit.DrwWorldSize};
  int left = c.fit.DrwSunpRows.left;
  // Bottom up: a key under a toe that lies above the heel bottom puts its
  // foot between the heel and the toe.
  std::vector<DPoint> pts;
  if (HasKey(d)) pts.push_back(KeyFront(d, p));
  if (p[0].Y != p[4].Y) pts.push_back(p[4]);
  pts.push_back(p[0]);
  if (!dropFlushToe || std::fabs(p[1].Y - p[0].Y) > 0.001) pts.push_back(p[1]);
  pts.push_back(p[5]);
  std::stable_sort(pts.begin(), pts.end(),
                   [](const DPoint& a, const DPoint& b) { return a.Y < b.Y; });
  ChainBuilder b(c.scale, 1, DimChainKind::Vertical, "LR", rows.Left(left));
  b.From(pts[0]);
  for (size_t i = 1; i < pts.size(); ++i) b.ToStep(pts[i]);
  set.chains.push_back(b.Done());
  AddFrontLevelChains(c, 2, left, set);
}

void AddRightSide(const DimensionContext& c, const std::vector<int>& heelToCrest, int crest,
                  double xDepth, double yb, DimensionSet& set) {
  const CDocument& d = c.doc;
  const KutaiPoints& p = c.outline;
  const DrawScale& s = c.scale;
  const SunpRows& rc = c.fit.DrwSunpRows;
  const RowLines rows{s, c.fit.DrwWorldSize};
  const double W = c.fit.DrwWorldSize.width;
  const bool trapezoid = TrapezoidInputs(d);
  using K = DimChainKind;
  int right = rc.right;
  {
    ChainBuilder b(s, 3, K::Vertical, "LR", rows.Right(right));
    b.From(p[heelToCrest.front()]);
    for (size_t i = 1; i < heelToCrest.size(); ++i) b.ToStep(p[heelToCrest[i]]);
    if (trapezoid && d.UraHd == 0 && d.UraH0 > 0) b.To({W, p[crest].Y + d.UraH0}, d.UraH0);
    set.chains.push_back(b.Done());
  }
  const double wb = (c.state >= 0 && d.nWater != 0) ? d.WatBH(c.state) : kNullBox;
  if (!IsNullValue(wb) && wb > 0) {
    right = rc.right - 1;
    ChainBuilder b(s, 4, K::Vertical, "LL", rows.Right(right));
    b.FromDevice(rows.Right(right), s.GetY(0)).To({W, wb}, wb);
    set.chains.push_back(b.Done());
  }
  if (trapezoid && d.UraHd != 0 && d.UraH0 > 0) {
    right = rc.right - 1;
    ChainBuilder b(s, 5, K::Vertical, "LR", rows.Right(right));
    b.From({W, yb}).To({W, yb + d.UraH0}, d.UraH0);
    set.chains.push_back(b.Done());
  }
  if (d.UraHd > 0) {
    --right;
    ChainBuilder b(s, 6, K::Vertical, "LR", rows.Right(right));
    b.From({xDepth, yb}).ToDevice(rows.Right(right), s.GetY(p[5].Y), d.UraHd);
    set.chains.push_back(b.Done());
  }
}

void AddTopChains(const DimensionContext& c, int number, const std::vector<int>& points, int crest,
                  double xb, double yb, DimensionSet& set) {
  using K = DimChainKind;
  const CDocument& d = c.doc;
  const KutaiPoints& p = c.outline;
  const DrawScale& s = c.scale;
  const SunpRows& rc = c.fit.DrwSunpRows;
  const RowLines rows{s, c.fit.DrwWorldSize};
  const bool widths = TrapezoidSizes(d);
  {
    ChainBuilder b(s, number, K::Horizontal, "UL", rows.Top(rc.top));
    bool started = false;
    for (int i : points) {
      if (started)
        b.ToStep(p[i]);
      else
        b.From(p[i]);
      started = true;
    }
    if (widths && d.UraHd == 0) {
      b.To({p[crest].X + d.UraX1, p[crest].Y}, d.UraX1)
          .To({p[crest].X + d.UraX1 + d.UraX2, p[crest].Y + d.UraH0}, d.UraX2);
    }
    set.chains.push_back(b.Done());
  }
  if (widths && d.UraHd != 0 && !IsNullValue(d.UraHd)) {
    ChainBuilder b(s, number + 1, K::Horizontal, "UL", rows.Top(rc.top - 1));
    b.From({xb, yb})
        .To({xb + d.UraX1, yb}, d.UraX1)
        .To({xb + d.UraX1 + d.UraX2, yb + d.UraH0}, d.UraX2);
    set.chains.push_back(b.Done());
  }
}

bool TrapezoidInputs(const CDocument& d) {
  return d.UragomeType == 2 && !IsNullValue(d.UraX1) && !IsNullValue(d.UraX2) &&
         !IsNullValue(d.UraH0);
}

bool TrapezoidSizes(const CDocument& d) {
  return TrapezoidInputs(d) && d.UraX1 >= 0 && d.UraX2 >= 0 && d.UraH0 >= 0;
}

}  // namespace dimension_detail
}  // namespace norva

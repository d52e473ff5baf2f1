// Dimension sets of the leaning wall and of the mixed wall, which follows the
// leaning wall's plan with the crest's back end at the back of the backing
// concrete (point 9).
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "document/geometry.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "drawing/section/dimension_common.h"

namespace norva {

namespace {

using dimension_detail::AddBackFaceLabel;
using dimension_detail::AddBackSlopeLabel;
using dimension_detail::AddBlockCourseChains;
using dimension_detail::AddCutLabel;
using dimension_detail::AddFrontLevelChains;
using dimension_detail::AddSlopeLabel;
using dimension_detail::ChainBuilder;
using dimension_detail::CutDrawn;
using dimension_detail::RowLines;
using dimension_detail::TrapezoidInputs;
using dimension_detail::TrapezoidSizes;
using K = DimChainKind;

bool HasKey(const CDocument& d) { return d.Tokki == 1 && d.nKeisya != 0; }

DPoint KeyFront(const CDocument& d, const KutaiPoints& p) {
  return {p[0].X + d.TokX, p[0].Y - d.TokL};
}
DPoint KeyBack(const CDocument& d, const KutaiPoints& p) {
  return {p[0].X + d.TokX + d.TokB, p[0].Y - d.TokL};
}

// Chains 1 to 6: the front heights and levels, the heel to the crest, the back
// water, a trapezoid's rise and the depth of the back ground measured from
// (xDepth, yb). Every interval's text is the true height between its points.
void AddSides(const DimensionContext& c, int crest, double xDepth, double yb,
              DimensionSet& set) {
  const CDocument& d = c.doc;
  const KutaiPoints& p = c.outline;
  const DrawScale& s = c.scale;
  const SunpRows& rc = c.fit.DrwSunpRows;
  const RowLines rows{s, c.fit.DrwWorldSize};
  const double W = c.fit.DrwWorldSize.width;
  const bool trapezoid = TrapezoidInputs(d);

  int left = rc.left;
  {
    // Bottom up: a key under a toe that lies above the heel bottom puts its
    // foot between the heel and the toe.
    std::vector<DPoint> pts;
    if (HasKey(d)) pts.push_back(KeyFront(d, p));
    if (p[0].Y != p[4].Y) pts.push_back(p[4]);
    for (int i : {0, 1, 5}) pts.push_back(p[i]);
    std::stable_sort(pts.begin(), pts.end(),
                     [](const DPoint& a, const DPoint& b) { return a.Y < b.Y; });
    ChainBuilder b(s, 1, K::Vertical, "LR", rows.Left(left));
    b.From(pts[0]);
    for (size_t i = 1; i < pts.size(); ++i) b.ToStep(pts[i]);
    set.chains.push_back(b.Done());
  }
  AddFrontLevelChains(c, 2, left, set);

  int right = rc.right;
  {
    ChainBuilder b(s, 3, K::Vertical, "LR", rows.Right(right));
    b.From(p[4]).ToStep(p[3]).ToStep(p[crest]);
    if (trapezoid && d.UraHd == 0 && d.UraH0 > 0)
      b.To({W, p[crest].Y + d.UraH0}, d.UraH0);
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

// The outer top chain through the given points, with a trapezoid starting at
// the crest; then a trapezoid starting below it on the next row.
void AddTop(const DimensionContext& c, int number, std::initializer_list<int> points,
            int crest, double xb, double yb, DimensionSet& set) {
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
      if (started) b.ToStep(p[i]); else b.From(p[i]);
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

// The key's place and width on the inner bottom row.
ChainBuilder KeyChain(const DimensionContext& c, int number) {
  const CDocument& d = c.doc;
  const KutaiPoints& p = c.outline;
  const RowLines rows{c.scale, c.fit.DrwWorldSize};
  ChainBuilder b(c.scale, number, K::Horizontal, "UU", rows.Bottom(c.fit.DrwSunpRows.bottom - 1));
  b.From(p[0]).To(KeyFront(d, p), d.TokX).To(KeyBack(d, p), d.TokB);
  return b;
}

}  // namespace

DimensionSet SunpouMtwChains(const DimensionContext& c) {
  const CDocument& d = c.doc;
  const KutaiPoints& p = c.outline;
  const DrawScale& s = c.scale;
  const RowLines rows{s, c.fit.DrwWorldSize};
  const int bottom = c.fit.DrwSunpRows.bottom;
  const double yb = p[6].Y - d.UraHd;
  const double xb = InterpolateX(p[3], p[6], yb);
  const bool cut = CutDrawn(d) && d.KiriD > 0;
  const DPoint cutFoot{p[4].X + d.KiriD, p[4].Y};
  DimensionSet set;

  AddSides(c, 6, xb, yb, set);
  {
    ChainBuilder b(s, 7, K::Horizontal, "UL", rows.Bottom(bottom));
    b.From(p[0]).ToStep(p[4]).ToStep(p[6]);
    set.chains.push_back(b.Done());
  }
  if (HasKey(d)) {
    ChainBuilder b = KeyChain(c, 8);
    if (cut) b.ToStep(p[4]).To(cutFoot, d.KiriD);
    set.chains.push_back(b.Done());
  } else if (cut) {
    ChainBuilder b(s, 9, K::Horizontal, "UL", rows.Bottom(bottom - 1));
    b.From(p[4]).To(cutFoot, d.KiriD);
    set.chains.push_back(b.Done());
  }
  AddTop(c, 10, {1, 2, 5, 6}, 6, xb, yb, set);

  const DPoint front = PointAlong(p[2], p[5], 0.5 * PointDistance(p[2], p[5]));
  AddSlopeLabel(c, 12, d.MtwN1, front.X, front.Y, set);
  const DPoint back = PointAlong(p[3], p[6], 0.5 * PointDistance(p[3], p[6]));
  AddSlopeLabel(c, 13, d.MtwN2, back.X, back.Y, set);
  AddBackSlopeLabel(c, 14, xb, yb, set);
  AddCutLabel(c, 15, p[4], yb, set);
  return set;
}

DimensionSet SunpouMxwChains(const DimensionContext& c) {
  const CDocument& d = c.doc;
  const KutaiPoints& p = c.outline;
  const DrawScale& s = c.scale;
  const RowLines rows{s, c.fit.DrwWorldSize};
  const double yb = p[9].Y - d.UraHd;
  const double xb = InterpolateX(p[3], p[9], yb);
  const double xc = InterpolateX(p[10], p[9], yb);
  DimensionSet set;

  AddSides(c, 9, xc, yb, set);
  {
    ChainBuilder b(s, 7, K::Horizontal, "UL", rows.Bottom(c.fit.DrwSunpRows.bottom));
    b.From(p[0]).ToStep(p[1]).ToStep(p[3]).ToStep(p[4]);
    if (CutDrawn(d) && d.KiriD > 0) b.To({p[4].X + d.KiriD, p[4].Y}, d.KiriD);
    set.chains.push_back(b.Done());
  }
  if (HasKey(d)) set.chains.push_back(KeyChain(c, 8).Done());
  AddTop(c, 9, {0, 1, 2, 5, 9}, 9, xb, yb, set);
  AddBlockCourseChains(c, 11, 10, set);

  const DPoint face = PointAlong(p[2], p[5], 0.45 * PointDistance(p[2], p[5]));
  AddSlopeLabel(c, 14, d.BlkN, face.X, face.Y, set);
  AddBackFaceLabel(c, 15, p[10], p[8], set);
  AddBackSlopeLabel(c, 16, xb, yb, set);
  AddCutLabel(c, 17, p[4], yb, set);
  return set;
}

}  // namespace norva

// Dimension set of the gravity wall.
#include <cmath>

#include "document/nulls.h"
#include "document/numeric.h"
#include "drawing/section/dimension_common.h"

namespace norva {

using dimension_detail::AddBackSlopeLabel;
using dimension_detail::AddCutLabel;
using dimension_detail::AddFrontLevelChains;
using dimension_detail::ChainBuilder;
using dimension_detail::CutDrawn;
using dimension_detail::RowLines;
using dimension_detail::TrapezoidInputs;

DimensionSet SunpouGrwChains(const DimensionContext& c) {
  const CDocument& d = c.doc;
  const KutaiPoints& p = c.outline;
  const DrawScale& s = c.scale;
  const SunpRows& rc = c.fit.DrwSunpRows;
  const RowLines rows{s, c.fit.DrwWorldSize};
  const double W = c.fit.DrwWorldSize.width;
  const bool key = d.Tokki == 1 && d.nKeisya != 0;
  const double yG = p[6].Y - d.UraHd;
  const double xG = InterpolateX(p[6], p[3], yG);
  const bool trapezoid = TrapezoidInputs(d);
  const double wb = (c.state >= 0 && d.nWater != 0) ? d.WatBH(c.state) : kNullBox;
  DimensionSet set;
  using K = DimChainKind;

  // 1: the heights at the front, from the key's bottom or the heel.
  int left = rc.left;
  {
    ChainBuilder b(s, 1, K::Vertical, "LR", rows.Left(left));
    if (key) b.From({d.TokX + p[0].X, p[0].Y - d.TokL});
    if (p[0].Y != p[4].Y) {
      if (key) b.ToStep(p[4]); else b.From(p[4]);
      b.ToStep(p[0]);
    } else if (key) {
      b.ToStep(p[0]);
    } else {
      b.From(p[0]);
    }
    if (std::fabs(p[1].Y - p[0].Y) > 0.001) b.ToStep(p[1]);
    b.ToStep(p[5]);
    set.chains.push_back(b.Done());
  }
  // 2: the front levels.
  AddFrontLevelChains(c, 2, left, set);

  // 3: the heel to the crest, and a trapezoid rising from the crest.
  int right = rc.right;
  {
    ChainBuilder b(s, 3, K::Vertical, "LR", rows.Right(right));
    b.From(p[4]).ToStep(p[6]);
    if (trapezoid && d.UraHd == 0 && d.UraH0 > 0) b.To({W, p[6].Y + d.UraH0}, d.UraH0);
    set.chains.push_back(b.Done());
  }
  // 4: the back water level.
  if (!IsNullValue(wb) && wb > 0) {
    --right;
    ChainBuilder b(s, 4, K::Vertical, "LL", rows.Right(right));
    b.FromDevice(rows.Right(right), s.GetY(0)).To({W, wb}, wb);
    set.chains.push_back(b.Done());
  }
  // 5: a trapezoid rising below the crest.
  if (d.UraHd != 0 && trapezoid && d.UraH0 > 0) {
    right = rc.right - 1;
    ChainBuilder b(s, 5, K::Vertical, "LR", rows.Right(right));
    b.From({W, yG}).To({W, yG + d.UraH0}, d.UraH0);
    set.chains.push_back(b.Done());
  }
  // 6: the depth of the back ground below the crest.
  if (d.UraHd > 0) {
    --right;
    ChainBuilder b(s, 6, K::Vertical, "LR", rows.Right(right));
    b.From({xG, yG}).ToDevice(rows.Right(right), s.GetY(p[5].Y), d.UraHd);
    set.chains.push_back(b.Done());
  }

  // 7: the base, and the distance to the cut.
  int bottom = rc.bottom;
  {
    ChainBuilder b(s, 7, K::Horizontal, "UL", rows.Bottom(bottom));
    b.From(p[0]).ToStep(p[4]);
    if (CutDrawn(d) && d.KiriD > 0) b.To({d.KiriD + p[4].X, p[4].Y}, d.KiriD);
    set.chains.push_back(b.Done());
  }
  // 8: the key's place and width.
  if (key) {
    --bottom;
    ChainBuilder b(s, 8, K::Horizontal, "UU", rows.Bottom(bottom));
    b.From(p[0])
        .To({d.TokX + p[0].X, p[0].Y - d.TokL}, d.TokX)
        .To({d.TokX + p[0].X + d.TokB, p[0].Y - d.TokL}, d.TokB);
    set.chains.push_back(b.Done());
  }

  // 9: toe step, front batter, crest and the heel beyond the crest.
  int top = rc.top;
  {
    ChainBuilder b(s, 9, K::Horizontal, "UU", rows.Top(top));
    b.From(p[1]);
    for (int i : {2, 5, 6, 3})
      if (p[i].X - b.Last().X > 0) b.ToStep(p[i]);
    set.chains.push_back(b.Done());
  }
  // 10: the widths of a trapezoid.
  if (trapezoid && d.UraX1 >= 0 && d.UraX2 >= 0) {
    --top;
    ChainBuilder b(s, 10, K::Horizontal, "UL", rows.Top(top));
    b.From({xG, yG})
        .To({xG + d.UraX1, yG}, d.UraX1)
        .To({xG + d.UraX1 + d.UraX2, yG + d.UraH0}, d.UraX2);
    set.chains.push_back(b.Done());
  }

  AddBackSlopeLabel(c, 11, xG, yG, set);
  AddCutLabel(c, 12, p[4], yG, set);
  return set;
}

}  // namespace norva

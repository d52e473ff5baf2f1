// Dimension set of the block masonry wall, and the chains across the blocks
// and their backing concrete that the mixed wall shares.
#include <cmath>
#include <vector>

#include "document/geometry.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "drawing/section/dimension_common.h"

namespace norva {

namespace dimension_detail {

void AddBlockCourseChains(const DimensionContext& c, int first, int footBack, DimensionSet& set) {
  const CDocument& d = c.doc;
  const KutaiPoints& p = c.outline;
  const DrawScale& s = c.scale;
  const double a = std::atan(d.BlkN);
  const DPoint f{std::sin(a), std::cos(a)};
  const DPoint n{std::cos(a), -std::sin(a)};
  auto along = [](const DPoint& o, const DPoint& dir, double t) {
    return DPoint{o.X + dir.X * t, o.Y + dir.Y * t};
  };
  auto rotated = [&](int number, const DPoint& ref) {
    ChainBuilder b(s, number, DimChainKind::Rotated, "UU", 0);
    b.chain().refX = s.GetX(ref.X);
    b.chain().refY = s.GetY(ref.Y);
    b.chain().angle = a;
    return b;
  };
  const DPoint q = PointAlong(p[2], p[5], 0.75 * PointDistance(p[2], p[5]));
  {
    ChainBuilder b = rotated(first, q);
    b.From(q).To(along(q, n, d.BlkT), d.BlkT);
    if (EqualTol(d.BlkDeltT1, d.BlkDeltT2) && d.BlkDeltT1 > 0)
      b.To(along(q, n, d.BlkT + d.BlkDeltT1), d.BlkDeltT1);
    set.chains.push_back(b.Done());
  }
  if (NotEqualTol(d.BlkDeltT1, d.BlkDeltT2)) {
    ChainBuilder top = rotated(first + 1, along(p[6], f, 0.5));
    top.From(p[6]).To(p[8], d.BlkDeltT1);
    set.chains.push_back(top.Done());
    ChainBuilder foot = rotated(first + 2, along(p[7], f, -0.5));
    foot.From(p[7]).To(p[footBack], d.BlkDeltT2);
    set.chains.push_back(foot.Done());
  }
}

}  // namespace dimension_detail

using dimension_detail::AddBackFaceLabel;
using dimension_detail::AddBackSlopeLabel;
using dimension_detail::AddBlockCourseChains;
using dimension_detail::AddCutLabel;
using dimension_detail::AddFrontLevelChains;
using dimension_detail::AddSlopeLabel;
using dimension_detail::AddTopChains;
using dimension_detail::ChainBuilder;
using dimension_detail::CutDrawn;
using dimension_detail::RowLines;
using dimension_detail::TrapezoidInputs;

DimensionSet SunpouBlkChains(const DimensionContext& c) {
  const CDocument& d = c.doc;
  const KutaiPoints& p = c.outline;
  const DrawScale& s = c.scale;
  const SunpRows& rc = c.fit.DrwSunpRows;
  const RowLines rows{s, c.fit.DrwWorldSize};
  const double W = c.fit.DrwWorldSize.width;
  const double yb = p[9].Y - d.UraHd;
  const double xb = InterpolateX(p[9], p[3], yb);
  const bool trapezoid = TrapezoidInputs(d);
  const double wb = (c.state >= 0 && d.nWater != 0) ? d.WatBH(c.state) : kNullBox;
  DimensionSet set;
  using K = DimChainKind;

  // 1: the whole height; 2: the footing; 3: the front levels.
  int left = rc.left;
  {
    ChainBuilder b(s, 1, K::Vertical, "LR", rows.Left(left));
    b.From({0, 0}).To(p[5], p[5].Y - p[4].Y);
    set.chains.push_back(b.Done());
  }
  if (d.nBlkFound == 0) {
    --left;
    ChainBuilder b(s, 2, K::Vertical, "LR", rows.Left(left));
    if (d.nKeisya == 0)
      b.From(p[4]).ToStep(p[0]);
    else
      b.From(p[0]);
    b.ToStep(p[1]);
    set.chains.push_back(b.Done());
  }
  AddFrontLevelChains(c, 3, left, set);

  // 4: back water; 5: depth of the back ground (both on the outer right row);
  // 6, 7: a trapezoid's rise below or from the crest (one row inward).
  if (!IsNullValue(wb) && wb > 0) {
    ChainBuilder b(s, 4, K::Vertical, "LL", rows.Right(rc.right));
    b.From({c.colour ? W : p[4].X, 0}).To({W, wb}, wb);
    set.chains.push_back(b.Done());
  }
  if (d.UraHd > 0) {
    ChainBuilder b(s, 5, K::Vertical, "LR", rows.Right(rc.right));
    b.From({xb, yb}).To(p[9], d.UraHd);
    set.chains.push_back(b.Done());
  }
  if (trapezoid && d.UraHd != 0 && d.UraH0 > 0) {
    ChainBuilder b(s, 6, K::Vertical, "LR", rows.Right(rc.right - 1));
    b.From({W, yb}).To({W, yb + d.UraH0}, d.UraH0);
    set.chains.push_back(b.Done());
  }
  if (trapezoid && d.UraHd == 0 && d.UraH0 > 0) {
    ChainBuilder b(s, 7, K::Vertical, "LR", rows.Right(rc.right - 1));
    b.From({p[9].X + d.UraX1, yb}).To({W, p[9].Y + d.UraH0}, d.UraH0);
    set.chains.push_back(b.Done());
  }
  // 8: the heel's height, beside the crest.
  if (d.nBlkSetup == 0 && d.nBlkFound == 0) {
    ChainBuilder b(s, 8, K::Vertical, "LR", s.GetX(p[9].X) + 4.5 * kTwipsPerMm);
    b.From(p[4]).ToStep(p[10]);
    set.chains.push_back(b.Done());
  }

  // 9: the base and the crest beyond it; 10: the distance to the cut.
  {
    ChainBuilder b(s, 9, K::Horizontal, "UL", rows.Bottom(rc.bottom));
    b.From(p[0]).ToStep(p[4]).ToStep(p[9]);
    set.chains.push_back(b.Done());
  }
  if (CutDrawn(d) && d.KiriD > 0) {
    ChainBuilder b(s, 10, K::Horizontal, "UL", rows.Bottom(rc.bottom - 1));
    b.From(p[4]).To({p[4].X + d.KiriD, p[4].Y}, d.KiriD);
    set.chains.push_back(b.Done());
  }

  // 11: toe, face, crest (and a trapezoid from the crest); 12: a trapezoid
  // below the crest.
  std::vector<int> top{1, 2, 5};
  if (d.nBlkSetup != 0) top.push_back(6);
  top.push_back(9);
  AddTopChains(c, 11, top, 9, xb, yb, set);

  // 13-15: across the blocks and the backing concrete.
  AddBlockCourseChains(c, 13, 3, set);

  // 16: the face; 17: the back face; 18: a slope; 19: the cut.
  const DPoint face = PointAlong(p[2], p[5], 0.45 * PointDistance(p[2], p[5]));
  AddSlopeLabel(c, 16, d.BlkN, face.X, face.Y, set);
  AddBackFaceLabel(c, 17, p[3], p[8], set);
  AddBackSlopeLabel(c, 18, xb, yb, set);
  AddCutLabel(c, 19, p[4], yb, set);
  return set;
}

}  // namespace norva

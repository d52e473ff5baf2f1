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
using dimension_detail::AddFrontHeights;
using dimension_detail::AddRightSide;
using dimension_detail::AddSlopeLabel;
using dimension_detail::AddTopChains;
using dimension_detail::ChainBuilder;
using dimension_detail::CutDrawn;
using dimension_detail::HasKey;
using dimension_detail::KeyChain;
using dimension_detail::RowLines;
using K = DimChainKind;

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

  AddFrontHeights(c, false, set);
  AddRightSide(c, {4, 3, 6}, 6, xb, yb, set);
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
  AddTopChains(c, 10, {1, 2, 5, 6}, 6, xb, yb, set);

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

  AddFrontHeights(c, false, set);
  AddRightSide(c, {4, 3, 9}, 9, xc, yb, set);
  {
    ChainBuilder b(s, 7, K::Horizontal, "UL", rows.Bottom(c.fit.DrwSunpRows.bottom));
    b.From(p[0]).ToStep(p[1]).ToStep(p[3]).ToStep(p[4]);
    if (CutDrawn(d) && d.KiriD > 0) b.To({p[4].X + d.KiriD, p[4].Y}, d.KiriD);
    set.chains.push_back(b.Done());
  }
  if (HasKey(d)) set.chains.push_back(KeyChain(c, 8).Done());
  AddTopChains(c, 9, {0, 1, 2, 5, 9}, 9, xb, yb, set);
  AddBlockCourseChains(c, 11, 10, set);

  const DPoint face = PointAlong(p[2], p[5], 0.45 * PointDistance(p[2], p[5]));
  AddSlopeLabel(c, 14, d.BlkN, face.X, face.Y, set);
  AddBackFaceLabel(c, 15, p[10], p[8], set);
  AddBackSlopeLabel(c, 16, xb, yb, set);
  AddCutLabel(c, 17, p[4], yb, set);
  return set;
}

}  // namespace norva

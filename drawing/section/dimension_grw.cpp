// Dimension set of the gravity wall.
#include <cmath>

#include "document/nulls.h"
#include "document/numeric.h"
#include "drawing/section/dimension_common.h"

namespace norva {

using dimension_detail::AddBackSlopeLabel;
using dimension_detail::AddCutLabel;
using dimension_detail::AddFrontHeights;
using dimension_detail::AddRightSide;
using dimension_detail::ChainBuilder;
using dimension_detail::CutDrawn;
using dimension_detail::HasKey;
using dimension_detail::KeyChain;
using dimension_detail::RowLines;
using dimension_detail::TrapezoidInputs;

DimensionSet SunpouGrwChains(const DimensionContext& c) {
  const CDocument& d = c.doc;
  const KutaiPoints& p = c.outline;
  const DrawScale& s = c.scale;
  const SunpRows& rc = c.fit.DrwSunpRows;
  const RowLines rows{s, c.fit.DrwWorldSize};
  const double yG = p[6].Y - d.UraHd;
  const double xG = InterpolateX(p[6], p[3], yG);
  const bool trapezoid = TrapezoidInputs(d);
  DimensionSet set;
  using K = DimChainKind;

  // 1, 2: the front heights and levels; 3-6: the right side.
  AddFrontHeights(c, true, set);
  AddRightSide(c, {4, 6}, 6, xG, yG, set);

  // 7: the base, and the distance to the cut.
  {
    ChainBuilder b(s, 7, K::Horizontal, "UL", rows.Bottom(rc.bottom));
    b.From(p[0]).ToStep(p[4]);
    if (CutDrawn(d) && d.KiriD > 0) b.To({d.KiriD + p[4].X, p[4].Y}, d.KiriD);
    set.chains.push_back(b.Done());
  }
  // 8: the key's place and width.
  if (HasKey(d)) set.chains.push_back(KeyChain(c, 8).Done());

  // 9: toe step, front batter, crest and the heel beyond the crest.
  {
    ChainBuilder b(s, 9, K::Horizontal, "UU", rows.Top(rc.top));
    b.From(p[1]);
    for (int i : {2, 5, 6, 3})
      if (p[i].X - b.Last().X > 0) b.ToStep(p[i]);
    set.chains.push_back(b.Done());
  }
  // 10: the widths of a trapezoid.
  if (trapezoid && d.UraX1 >= 0 && d.UraX2 >= 0) {
    ChainBuilder b(s, 10, K::Horizontal, "UL", rows.Top(rc.top - 1));
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

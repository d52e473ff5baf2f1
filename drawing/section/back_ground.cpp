#include "drawing/section/back_ground.h"

#include <algorithm>
#include <cmath>

#include "document/geometry.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "drawing/section/section_fit.h"

namespace norva {

namespace {

// The slope's run per unit of rise, or 0 when the slope is to be drawn flat.
double SlopeN(const CDocument& d) {
  return (!IsNullValue(d.UraN) && d.UraN > 0) ? d.UraN : 0.0;
}

// The arbitrary surface points that have both coordinates, as offsets.
std::vector<DPoint> ArbitraryPoints(const CDocument& d) {
  std::vector<DPoint> pts;
  for (int i = 0; i < d.nUraNini(); ++i) {
    const double x = d.UraNiniX(i);
    const double y = d.UraNiniY(i);
    if (IsNullValue(x) || IsNullValue(y)) continue;
    pts.push_back({x, y});
  }
  return pts;
}

double HighestOffset(const std::vector<DPoint>& pts) {
  double top = 0;
  for (const DPoint& p : pts) top = MaxOf(top, {p.Y});
  return top;
}

// x of the arbitrary surface (offsets from (xb, yb)) at a level inside its
// rise: on the first segment whose upper end lies above the level.
double ArbitraryX(const std::vector<DPoint>& pts, double xb, double yb, double level) {
  DPoint prev{0, 0};
  for (const DPoint& p : pts) {
    if (yb + p.Y > level) {
      if (p.X == prev.X) return xb + prev.X;  // a vertical step
      const double m = (p.Y - prev.Y) / (p.X - prev.X);
      return xb + prev.X + (level - yb - prev.Y) / m;
    }
    prev = p;
  }
  // The level touches the highest point without passing it.
  for (const DPoint& p : pts)
    if (yb + p.Y >= level) return xb + p.X;
  return -1;
}

}  // namespace

double GetUragomeX(const CDocument& d, const KutaiPoints& o, double xR, double& level) {
  const DPoint& c = CrestBackPoint(d, o);
  const DPoint& p3 = o[3];
  const DPoint& p4 = o[4];
  const double yb = c.Y - d.UraHd;
  const double xb = InterpolateX(p3, c, yb);
  const double n = SlopeN(d);
  const std::vector<DPoint> pts = ArbitraryPoints(d);

  double rise = 0;
  switch (d.UragomeType) {
    case 0: break;
    case 1: rise = n > 0 ? (xR - xb) * (1 / n) : 0.0; break;
    case 2: rise = IsNullValue(d.UraH0) ? 0.0 : d.UraH0; break;
    default: rise = HighestOffset(pts); break;
  }

  if (level <= p3.Y) return InterpolateX(p3, p4, level);
  if (level <= yb) return InterpolateX(p3, c, level);
  if (level > yb + rise) return -1;

  switch (d.UragomeType) {
    case 1: {
      const double x = (level - yb) / (1 / n) + xb;
      if (x <= xR) return x;
      level = (xR - xb) * (1 / n) + yb;
      return xR;
    }
    case 2:
      if (d.UraX2 == 0 || d.UraH0 == 0) return xb + d.UraX1;
      return (level - yb) / (d.UraH0 / d.UraX2) + xb + d.UraX1;
    default:
      return ArbitraryX(pts, xb, yb, level);
  }
}

BackGroundShape MakeBackGroundShape(const CDocument& d, const KutaiPoints& o, double xR) {
  BackGroundShape g;
  const bool mixed = d.WallType() == 3;
  const DPoint& c = CrestBackPoint(d, o);
  g.Pb = o[4];
  g.Pk = mixed ? o[10] : o[3];
  g.yg = c.Y - d.UraHd;
  g.xg = (mixed && g.yg < o[3].Y) ? InterpolateX(o[4], o[3], g.yg) : InterpolateX(o[3], c, g.yg);
  const double rise = c.Y - o[3].Y;
  g.tanAlpha = rise != 0 ? (c.X - o[3].X) / rise : 0.0;
  g.skipPb = d.WallType() == 0 && d.nBlkFound != 0;

  g.S.push_back({g.xg, g.yg});
  switch (d.UragomeType) {
    case 0:
      g.S.push_back({xR, g.yg});
      break;
    case 1: {
      const double n = SlopeN(d);
      g.dh = n > 0 ? (xR - g.xg) / n : 0.0;
      g.S.push_back({xR, g.yg + g.dh});
      break;
    }
    case 2:
      g.dh = d.UraH0;
      g.S.push_back({g.xg + d.UraX1, g.yg});
      g.S.push_back({g.xg + d.UraX1 + d.UraX2, g.yg + d.UraH0});
      g.S.push_back({xR, g.yg + d.UraH0});
      break;
    default: {
      const std::vector<DPoint> pts = ArbitraryPoints(d);
      for (const DPoint& p : pts) g.S.push_back({g.xg + p.X, g.yg + p.Y});
      g.S.push_back({xR, g.S.back().Y});
      g.dh = HighestOffset(pts);
      break;
    }
  }
  return g;
}

bool CutFaceEnds(const CDocument& d, const BackGroundShape& g, double xR, DPoint& foot,
                 DPoint& end) {
  if (d.BackType != 1 || IsNullValue(d.KiriD) || IsNullValue(d.KiriN) || !(d.KiriN > 0))
    return false;
  foot = {g.Pb.X + d.KiriD, g.Pb.Y};
  if (foot.X >= xR) {
    // The cut lies beyond the figure: only the base line to the right end.
    foot.X = xR;
    end = foot;
    return true;
  }
  const DPoint t{xR, g.Pb.Y + (xR - foot.X) / d.KiriN};
  end = t;
  for (size_t i = 0; i + 1 < g.S.size(); ++i) {
    DPoint r;
    const int32_t code = CrossPoint(foot, t, g.S[i], g.S[i + 1], r);
    if (code / 16 != 0) {
      end = r;
      break;
    }
  }
  return true;
}

}  // namespace norva

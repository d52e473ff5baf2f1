#include "drawing/section/back_ground.h"

#include <algorithm>
#include <cmath>

#include "document/geometry.h"
#include "document/nulls.h"
#include "document/numeric.h"
#include "drawing/base/cdraw.h"
#include "drawing/section/section_colours.h"
#include "drawing/section/section_draw.h"
#include "drawing/section/section_fit.h"
#include "drawing/section/section_symbols.h"

namespace norva {

namespace {

// The slope's run per unit of rise, or 0 when the slope is to be drawn flat.
double SlopeN(const CDocument& d) { return (!IsNullValue(d.UraN) && d.UraN > 0) ? d.UraN : 0.0; }

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
    case 0:
      break;
    case 1:
      rise = n > 0 ? (xR - xb) * (1 / n) : 0.0;
      break;
    case 2:
      rise = IsNullValue(d.UraH0) ? 0.0 : d.UraH0;
      break;
    default:
      rise = HighestOffset(pts);
      break;
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

namespace {

// One picture of the back ground on a canvas.
class UraJiban {
 public:
  UraJiban(const CDocument& d, cDraw& cv, const KutaiPoints& o, double w, double xR, bool colour)
      : d_(d), cv_(cv), o_(o), w_(w), xR_(xR), colour_(colour), g_(MakeBackGroundShape(d, o, xR)) {}

  void Draw() {
    const double top = g_.yg + g_.dh;
    if (w_ > 0 && w_ <= top) {
      if (w_ > g_.yg && CaseA1()) return;
      if (w_ <= g_.yg) {
        CaseA2();
        return;
      }
    }
    CaseB();
  }

 private:
  // The start of a soil polygon: Pb then Pk, or Pk alone on a block wall
  // without footing.
  std::vector<DPoint> Start(bool withPk = true) const {
    std::vector<DPoint> pts;
    if (!g_.skipPb) pts.push_back(g_.Pb);
    if (withPk) pts.push_back(g_.Pk);
    return pts;
  }

  // A filled region in colour; nothing at all otherwise.
  void Fill(const std::vector<DPoint>& pts, uint32_t fill) {
    cv_.SetPenStyle(0);
    cv_.SetPenWidth(0.1);
    if (colour_) {
      cv_.SetBrushStyle(0);
      cv_.SetBrushColor(fill);
      cv_.SetPenColor(fill);
      DrawModelPolygon(cv_, pts);
    } else {
      cv_.SetBrushStyle(1);
      cv_.SetPenColor(kBlack);
    }
  }

  void Lines(const std::vector<DPoint>& pts, uint32_t pen) {
    cv_.SetPenColor(pen);
    DrawModelLines(cv_, pts);
  }

  // The ground symbol on the middle of the segment a-b, turned with it.
  void GroundMark(const DPoint& a, const DPoint& b) {
    const double dx = b.X - a.X;
    const double dy = b.Y - a.Y;
    const double angle = dx != 0 ? std::atan(dy / dx) : 0.0;
    DrawJibanMark(cv_, cv_.GetX((a.X + b.X) / 2), cv_.GetY((a.Y + b.Y) / 2), 283.5, angle);
  }

  void WaterMark() { DrawSuiiMark(cv_, cv_.GetX(xR_) - 170.1, cv_.GetY(w_), 113.4, colour_); }

  void Cut() {
    DPoint foot, end;
    if (!CutFaceEnds(d_, g_, xR_, foot, end)) return;
    cv_.SetPenStyle(0);
    cv_.SetPenWidth(0.1);
    cv_.SetBrushStyle(1);
    Lines({g_.Pb, foot, end}, kBlack);
  }

  // No back water, or water standing above the ground.
  void CaseB() {
    std::vector<DPoint> soil = Start();
    soil.insert(soil.end(), g_.S.begin(), g_.S.end());
    soil.push_back({xR_, 0});
    Fill(soil, w_ > 0 ? kWetSoilColour : kSoilColour);
    Lines(g_.S, kBlack);
    Cut();
    if (w_ > g_.yg + g_.dh) WaterAbove();
  }

  // Free water over the whole ground: from the back face to the right end,
  // down onto the surface.
  void WaterAbove() {
    std::vector<DPoint> water{g_.S.front(), g_.F(w_), {xR_, w_}};
    water.insert(water.end(), g_.S.rbegin(), g_.S.rend() - 1);
    cv_.SetPenStyle(0);
    cv_.SetPenWidth(0.1);
    if (colour_) {
      cv_.SetBrushStyle(0);
      cv_.SetBrushColor(kWaterColour);
      cv_.SetPenColor(kBlue);
      DrawModelPolygon(cv_, water);
      // The right border shows in the water's own colour.
      Lines({water[2], water[3]}, kWaterColour);
    } else {
      cv_.SetBrushStyle(1);
      Lines({water[0], water[1], water[2]}, kBlack);
    }
    cv_.SetPenColor(kBlack);
    WaterMark();
  }

  // Water below the ground level at the back face.
  void CaseA2() {
    const bool abovePk = w_ > g_.Pk.Y;
    const DPoint face = abovePk ? g_.F(w_) : DPoint{InterpolateX(g_.Pb, g_.Pk, w_), w_};
    std::vector<DPoint> wet;
    if (!(g_.skipPb && abovePk)) wet.push_back(g_.Pb);
    if (abovePk) wet.push_back(g_.Pk);
    wet.push_back(face);
    wet.push_back({xR_, w_});
    wet.push_back({xR_, 0});
    Fill(wet, kWetSoilColour);
    Lines({face, {xR_, w_}}, kBlack);

    std::vector<DPoint> dry{face};
    if (!abovePk) dry.push_back(g_.Pk);
    dry.insert(dry.end(), g_.S.begin(), g_.S.end());
    dry.push_back({xR_, w_});
    Fill(dry, kSoilColour);
    Lines(g_.S, kBlack);
    GroundMark(g_.S[g_.S.size() - 2], g_.S.back());
    Lines({face, {xR_, w_}}, kBlack);
    WaterMark();
    Cut();
  }

  // Water above the ground level at the back face, against the rising
  // surface. False when the level meets no surface (drawn as case B then).
  bool CaseA1() {
    double level = w_;
    const double xW = GetUragomeX(d_, o_, xR_, level);
    if (!(xW >= 0) || !std::isfinite(xW)) return false;
    const bool atEnd = EqualTol(xW, xR_);
    const DPoint wl{xW, w_};
    // Surface points between the back face and the water's edge, and those
    // above the water.
    std::vector<DPoint> below, above;
    const std::vector<DPoint> inner(g_.S.begin() + 1, g_.S.end() - 1);
    switch (d_.UragomeType) {
      case 1:
        above.push_back({xR_, SlopeN(d_) > 0 ? w_ + (xR_ - xW) / SlopeN(d_) : w_});
        break;
      case 2:
        below.push_back(inner[0]);
        above.assign(inner.begin() + 1, inner.end());
        above.push_back(g_.S.back());
        break;
      default: {
        size_t k = 0;
        while (k < inner.size() && inner[k].Y < w_) below.push_back(inner[k++]);
        above.assign(inner.begin() + k, inner.end());
        above.push_back(g_.S.back());
        break;
      }
    }

    std::vector<DPoint> wet = Start();
    wet.push_back(g_.S.front());
    wet.insert(wet.end(), below.begin(), below.end());
    wet.push_back(wl);
    if (!atEnd) wet.push_back({xR_, w_});
    wet.push_back({atEnd ? xW : xR_, 0});
    Fill(wet, kWetSoilColour);
    std::vector<DPoint> edge{g_.S.front()};
    edge.insert(edge.end(), below.begin(), below.end());
    edge.push_back(wl);
    if (!atEnd) edge.push_back({xR_, w_});
    Lines(edge, colour_ ? kBlue : kBlack);

    std::vector<DPoint> dry{wl};
    if (!atEnd) {
      dry.insert(dry.end(), above.begin(), above.end());
      dry.push_back({xR_, w_});
      Fill(dry, kSoilColour);
      Lines(std::vector<DPoint>(dry.begin(), dry.end() - 1), kBlack);
    }
    // With the water at the right end there is no dry surface: no water line
    // along it and no place for the ground symbol.
    if (!atEnd) Lines({wl, {xR_, w_}}, colour_ ? kBlue : kBlack);
    cv_.SetPenColor(kBlack);
    if (!atEnd && dry.size() >= 3) GroundMark(dry[dry.size() - 3], dry[dry.size() - 2]);
    WaterMark();

    std::vector<DPoint> free{g_.S.front(), g_.F(w_), wl};
    free.insert(free.end(), below.rbegin(), below.rend());
    if (colour_) {
      cv_.SetBrushStyle(0);
      cv_.SetBrushColor(kWaterColour);
      cv_.SetPenColor(kBlue);
      DrawModelPolygon(cv_, free);
    } else {
      cv_.SetBrushStyle(1);
      Lines({g_.F(w_), wl}, kBlack);
    }
    cv_.SetPenColor(kBlack);
    Cut();
    return true;
  }

  const CDocument& d_;
  cDraw& cv_;
  const KutaiPoints& o_;
  double w_;
  double xR_;
  bool colour_;
  BackGroundShape g_;
};

}  // namespace

void DrawUraJiban(const CDocument& doc, cDraw& canvas, const KutaiPoints& outline, double w,
                  double xR, bool colour) {
  if (!std::isfinite(w) || !std::isfinite(xR)) return;
  UraJiban(doc, canvas, outline, w, xR, colour).Draw();
}

}  // namespace norva

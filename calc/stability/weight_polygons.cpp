#include "calc/stability/weight_polygons.h"

#include <algorithm>
#include <vector>

#include "document/document.h"
#include "document/numeric.h"
#include "document/weight.h"

namespace norva {

namespace {

using Pts = std::vector<DPoint>;

// Duplicates removed, closed by repeating the first point, cut at L when L > 0.
// Empty when the cut leaves nothing.
Pts ClosePolygon(Pts pts, double L) {
  if (pts.empty()) return {};
  int32_t n = static_cast<int32_t>(pts.size());
  pts.resize(pts.size() + 1);
  RemoveDupPoints(n, pts);
  pts[static_cast<size_t>(n)] = pts[0];
  ++n;
  if (L > 0) ClipPolygonAtLevel(n, pts, L);
  pts.resize(static_cast<size_t>(std::max(n, 0)));
  return pts;
}

WeightPtr NewWeight(const Pts& pts, double gam, double kh) {
  auto w = std::make_shared<CWeight>();
  w->SetnPoint(static_cast<int32_t>(pts.size()));
  for (size_t i = 0; i < pts.size(); ++i) {
    w->SetX(static_cast<int32_t>(i), pts[i].X);
    w->SetY(static_cast<int32_t>(i), pts[i].Y);
  }
  w->SetGam(gam);
  w->SetKh(kh);
  return w;
}

// Always an object, even when the cut leaves no area.
WeightPtr Always(const Pts& raw, double L, double gam, double kh) {
  return NewWeight(ClosePolygon(raw, L), gam, kh);
}

// nullptr when the cut leaves nothing.
WeightPtr IfAny(const Pts& raw, double L, double gam, double kh) {
  Pts c = ClosePolygon(raw, L);
  if (c.empty()) return nullptr;
  return NewWeight(c, gam, kh);
}

// Point of the line a-b at height y.
DPoint At(const DPoint& a, const DPoint& b, double y) { return {InterpolateX(a, b, y), y}; }

bool BlockRaisedToe(const CDocument& doc) { return doc.nBlkSetup == 0 && doc.nBlkFound == 1; }

// Front soil over a face a -> b standing on the ledge `ledge` (the toe top):
// the triangle above the face between L and H when L is at or above the
// ledge, else the soil over the ledge and the face.
Pts SoilOverFace(const DPoint& ledge, const DPoint& a, const DPoint& b, double H, double L,
                 bool onFace) {
  const double xH = InterpolateX(a, b, H);
  if (onFace) {
    const double xL = InterpolateX(a, b, L);
    return {{xL, L}, {xL, H}, {xH, H}};
  }
  if (ledge.X == a.X && ledge.Y == a.Y) return {ledge, {ledge.X, H}, {xH, H}};
  return {ledge, {ledge.X, H}, {xH, H}, a};
}

}  // namespace

// ---- Body ------------------------------------------------------------------------------

bool MakeKutaiGrw(const CDocument& doc, const KutaiPoints& p, double L, WeightPtr& w0,
                  WeightPtr& w1) {
  w0 = Always({p[0], p[1], p[2], p[5], p[6], p[3], p[4]}, L, doc.Gamcw, doc.Kh(0));
  w1 = nullptr;
  return false;
}

bool MakeKutaiMtw(const CDocument& doc, const KutaiPoints& p, double L, WeightPtr& w0,
                  WeightPtr& w1) {
  w0 = Always({p[2], p[5], p[6], p[3]}, L, doc.Gamcw, doc.Kh(0));
  w1 = nullptr;
  if (doc.MtwH2 > 0 && p[2].Y > L)
    w1 = Always({p[0], p[1], p[2], p[3], p[4]}, L, doc.Gamcf, doc.Kh(0));
  return false;
}

bool MakeKutaiBlk(const CDocument& doc, const KutaiPoints& p, double L, WeightPtr& w0,
                  WeightPtr& w1) {
  Pts body{p[2], p[5], p[9], p[3]};
  if (BlockRaisedToe(doc)) body.push_back(p[7]);
  w0 = IfAny(body, L, doc.Gamcw, doc.Kh(0));
  w1 = nullptr;
  if (doc.nBlkFound == 0) w1 = IfAny({p[0], p[1], p[2], p[10], p[4]}, L, doc.Gamcf, doc.Kh(0));
  return false;
}

bool MakeKutaiMxw(const CDocument& doc, const KutaiPoints& p, double L, int16_t part, WeightPtr& w0,
                  WeightPtr& w1) {
  if (part == 0)
    w0 = Always({p[2], p[5], p[9], p[10]}, L, doc.Gamcw, doc.Kh(0));
  else
    w0 = Always({p[0], p[1], p[2], p[3], p[4]}, L, doc.Gamcf, doc.Kh(0));
  w1 = nullptr;
  return false;
}

// ---- Front soil --------------------------------------------------------------------------

bool MakeSoil(const CDocument&, const KutaiPoints& p, double H, double L, double gam,
              WeightPtr& w) {
  w = nullptr;
  if (H <= p[1].Y || H <= L) return true;
  w = IfAny(SoilOverFace(p[1], p[2], p[5], H, L, L >= p[1].Y), L, gam, 0);
  return w == nullptr;
}

bool MakeSoilBlk(const CDocument& doc, const KutaiPoints& p, double H, double L, double gam,
                 WeightPtr& w) {
  w = nullptr;
  if (H <= p[1].Y || H <= L) return true;
  const bool onFace = L >= p[1].Y && doc.nBlkFound == 0;
  w = IfAny(SoilOverFace(p[1], p[2], p[5], H, L, onFace), L, gam, 0);
  return w == nullptr;
}

bool MakeSoilMxw(const CDocument&, const KutaiPoints& p, double H, int16_t part, double L,
                 double gam, WeightPtr& w) {
  w = nullptr;
  if (part == 0) {
    // Only the ground over the lower wall, behind the foot of the upper wall.
    if (H <= p[2].Y || H <= L) return true;
    w = IfAny(SoilOverFace(p[2], p[2], p[5], H, L, L >= p[2].Y), L, gam, 0);
    return w == nullptr;
  }
  if (H <= p[0].Y || H <= L) return true;
  Pts pts;
  if (L >= p[0].Y) {
    const double xL = InterpolateX(p[0], p[1], L);
    pts = {{xL, L}, {xL, H}};
  } else {
    pts = {p[0], {p[0].X, H}};
  }
  if (H > p[1].Y) {
    // Over the top of the lower wall as far as the foot of the upper wall.
    pts.push_back({p[2].X, H});
    pts.push_back(p[2]);
    pts.push_back(p[1]);
  } else {
    pts.push_back(At(p[0], p[1], H));
  }
  w = IfAny(pts, L, gam, 0);
  return w == nullptr;
}

// ---- Buoyancy ----------------------------------------------------------------------------

bool MakeFuryoku(const CDocument& doc, const KutaiPoints& p, double hw, double L, WeightPtr& w) {
  w = nullptr;
  if (hw <= 0) return true;
  Pts pts;
  if (hw > p[1].Y) {
    const DPoint front = At(p[2], p[5], MinOf(hw, {p[5].Y}));
    const DPoint back = At(p[3], p[6], MinOf(hw, {p[6].Y}));
    if (L >= p[1].Y)
      pts = {p[2], front, back, At(p[3], p[6], p[1].Y)};
    else
      pts = {p[0], p[1], p[2], front, back, p[3], p[4]};
  } else if (hw > p[3].Y && hw > p[0].Y) {
    pts = {p[0], {p[0].X, hw}, At(p[3], p[6], hw), p[3], p[4]};
  } else if (hw >= p[3].Y) {
    pts = {At(p[0], p[4], hw), At(p[3], p[6], hw), p[3], p[4]};
  } else if (hw >= p[0].Y) {
    // Water below the back corner of the base: the part of the base under hw.
    pts = {p[0], {p[0].X, hw}, At(p[3], p[4], hw), p[4]};
  } else {
    pts = {At(p[0], p[4], hw), At(p[3], p[4], hw), p[4]};
  }
  w = IfAny(pts, L, -doc.Gamw, 0);
  return w == nullptr;
}

bool MakeFuryokuBlk(const CDocument& doc, const KutaiPoints& p, double hw, double L, WeightPtr& w) {
  w = nullptr;
  if (hw <= 0) return true;
  Pts pts;
  if (hw > p[2].Y) {
    pts = {
        p[0], p[1],  p[2], At(p[2], p[5], MinOf(hw, {p[5].Y})), At(p[3], p[9], MinOf(hw, {p[9].Y})),
        p[3], p[10], p[4]};
    if (BlockRaisedToe(doc)) pts.push_back(p[7]);
  } else {
    if (hw >= p[0].Y)
      pts = {p[0], {p[1].X, MinOf(hw, {p[1].Y})}};
    else
      pts = {At(p[0], p[4], hw)};
    if (hw >= p[10].Y) {
      pts.push_back(At(p[2], p[10], hw));
      pts.push_back(p[10]);
    } else {
      pts.push_back({p[10].X, hw});
    }
    pts.push_back(p[4]);
  }
  w = IfAny(pts, L, -doc.Gamw, 0);
  return w == nullptr;
}

bool MakeFuryokuMxw(const CDocument& doc, const KutaiPoints& p, double hw, int16_t part, double L,
                    WeightPtr& w) {
  w = nullptr;
  Pts pts;
  if (part == 0) {
    // The upper wall's lowest point is its back foot 10: water at or below it
    // leaves the upper wall dry.
    if (hw <= p[3].Y || hw <= p[10].Y) return true;
    if (hw > p[2].Y)
      pts = {p[2], At(p[2], p[5], MinOf(hw, {p[5].Y})), At(p[10], p[9], MinOf(hw, {p[9].Y})),
             p[10]};
    else
      pts = {At(p[2], p[10], hw), At(p[10], p[9], hw), p[10]};
  } else {
    if (hw <= 0) return true;
    if (hw >= p[2].Y) {
      pts = {p[0], p[1], p[2], p[3], p[4]};
    } else {
      if (hw >= p[0].Y)
        pts = {p[0], At(p[0], p[1], hw)};
      else
        pts = {At(p[0], p[4], hw)};
      if (hw >= p[3].Y) {
        pts.push_back(At(p[2], p[3], hw));
        pts.push_back(p[3]);
      } else {
        pts.push_back(At(p[3], p[4], hw));
      }
      pts.push_back(p[4]);
    }
  }
  w = IfAny(pts, L, -doc.Gamw, 0);
  return w == nullptr;
}

}  // namespace norva

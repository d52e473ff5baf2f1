#include "guide_picture_gen.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "svg_builder.h"

namespace norva::guide {
namespace {

// Label texts of the wall-type tables, by entry.
const std::vector<std::string>& WallTexts(int32_t type) {
  static const std::vector<std::string> texts[] = {
      {"H", "t", "⊿t_1", "⊿t_2", "1:N", "B", "B_1", "H_1", "H_2", "H_3"},
      {"H", "B", "B_1", "B_2", "B_3", "H_1", "1:N", "H_2"},
      {"H_1", "H_2", "H_3", "B_1", "B_2", "B_3", "B_4", "1:N_1", "", "H_4"},
      {"H_1", "t", "⊿t_1", "⊿t_2", "1:N_1", "H_2", "B", "B_1", "B_2", "B_3", "H_3", "H_4"}};
  return texts[type];
}

// ---- What all walls share: the grounds and the water ---------------------------------

// The points a wall gives the grounds around it.
struct Frame {
  double frontX;   // front face of the lowest part (toe)
  double baseY;    // base level at the front
  double heelX;    // heel
  double heelY;    // base level at the heel
  double groundY;  // where the back ground meets the wall
  double crestY;   // the wall's crest
  double frontSoilY;
  double frontWaterY;
  double backWaterY;
  std::vector<P> back;  // the wall's back side, top to heel
};

// The point of the back side at height y.
P BackAt(const Frame& f, double y) {
  for (size_t i = 0; i + 1 < f.back.size(); ++i) {
    const P a = f.back[i], b = f.back[i + 1];
    if ((y - a.y) * (y - b.y) <= 0 && a.y != b.y)
      return {a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y};
  }
  return f.back.empty() ? P{f.heelX, y} : f.back.front();
}

void FrontSide(Svg& s, const HanRectTables& t, const Frame& f) {
  // Front soil against the toe, with its height.
  s.Poly({{0, f.frontSoilY}, {f.frontX, f.frontSoilY}, {f.frontX, f.baseY}, {0, f.baseY}}, kSoil,
         "none");
  s.Line({0, f.frontSoilY}, {f.frontX, f.frontSoilY});
  const HanRect soil = t.Ura[0];
  const double sx = soil.Left + soil.Width + 40;
  s.DimV(f.frontSoilY, f.baseY, sx, f.frontX, f.frontX);
  s.Label(soil, "Hs", {sx, (f.frontSoilY + f.baseY) / 2});
  // Front water above the base.
  const HanRect fw = t.Water[0];
  s.Water(0, f.frontX - 40, f.frontWaterY);
  const double wx = fw.Left + fw.Width + 40;
  s.DimV(f.frontWaterY, f.baseY, wx, f.frontX - 40, f.frontX);
  s.Label(fw, "H_w", {wx, (f.frontWaterY + f.baseY) / 2});
}

// The back ground from backTop to the right edge, by shape; returns the
// outline's points (left to right).
std::vector<P> BackGround(Svg& s, const HanRectTables& t, const GuideVariant& v, const Frame& f,
                          bool marked) {
  // The bearing ground under the base.
  s.Poly({{0, f.baseY},
          {f.frontX, f.baseY},
          {f.heelX, f.heelY},
          {kPictureWidth, f.heelY},
          {kPictureWidth, kPictureHeight},
          {0, kPictureHeight}},
         kBearing, "none");
  const P g = BackAt(f, f.groundY);
  std::vector<P> top;
  switch (v.shape) {
    case 1: {  // a slope 1:N from the base point
      top = {g, {kPictureWidth, g.y - (kPictureWidth - g.x) * 0.55}};
      break;
    }
    case 2: {  // trapezoid: step X1, embankment of height H0 and width X2
      const HanRect h0 = t.Ura[4];
      const double topY = g.y - 900;
      const double x1 = g.x + 520;
      const double x2 = std::max(x1 + 700, h0.Left - 260.0);
      top = {g, {x1, g.y}, {x1 + 500, topY}, {x2, topY}, {x2 + 400, g.y}, {kPictureWidth, g.y}};
      break;
    }
    case 3: {  // change points
      top = {g,
             {g.x + 600, g.y - 250},
             {g.x + 1150, g.y - 250},
             {g.x + 1750, g.y - 800},
             {kPictureWidth, g.y - 800}};
      break;
    }
    default:
      top = {g, {kPictureWidth, g.y}};
      break;
  }
  std::vector<P> soil = top;
  soil.push_back({kPictureWidth, f.heelY});
  for (auto it = f.back.rbegin(); it != f.back.rend() && it->y > g.y; ++it) soil.push_back(*it);
  s.Poly(soil, kSoil, "none");
  s.Lines(top);
  if (v.shape == 3)
    for (size_t i = 1; i + 1 < top.size(); ++i) s.Dot(top[i], 45);
  // The drop from the crest to the base point.
  const HanRect hd = t.Ura[1];
  const double dx = hd.Left + hd.Width + 40;
  s.Line({dx - 40, f.crestY}, {g.x, f.crestY}, kDimInk, 4, true);
  s.Line({dx - 40, g.y}, {g.x, g.y}, kDimInk, 4, true);
  s.DimV(f.crestY, g.y, dx, dx, dx);
  s.Label(hd, "H_D", {dx, (f.crestY + g.y) / 2});
  if (v.shape == 2) {
    const HanRect x1r = t.Ura[2], x2r = t.Ura[3], h0r = t.Ura[4];
    const double rowY = x1r.Top + x1r.Height + 70;
    s.DimH(g.x, top[1].x, rowY, g.y, g.y);
    s.Label(x1r, "X_1", {(g.x + top[1].x) / 2, rowY});
    s.DimH(top[1].x, top[3].x, rowY, g.y, top[3].y);
    s.Label(x2r, "X_2", {(top[1].x + top[3].x) / 2, rowY});
    const double hx = h0r.Left - 60;
    s.DimV(top[3].y, g.y, hx, top[3].x, top[4].x);
    s.Label(h0r, "H_0", {hx, (top[3].y + g.y) / 2});
  } else if (v.shape == 1) {
    const P mid{(g.x + top[1].x) / 2, (g.y + top[1].y) / 2};
    if (marked)
      s.Label(t.Ura[5], "1:N", mid);
    else
      s.Note({mid.x + 250, mid.y - 300}, "1:N");
  }
  return top;
}

void BackWater(Svg& s, const HanRectTables& t, const Frame& f) {
  const HanRect bw = t.Water[1];
  const double wx = bw.Left - 40;
  s.Water(BackAt(f, f.backWaterY).x + 20, kPictureWidth - 100, f.backWaterY);
  s.DimV(f.backWaterY, f.heelY, wx, wx, f.heelX);
  s.Label(bw, "H_w", {wx, (f.backWaterY + f.heelY) / 2});
}

// The cut: original ground right of a face rising from d behind the heel.
void Cut(Svg& s, const HanRectTables& t, const Frame& f, const std::vector<P>& ground) {
  const HanRect dr = t.Kiri[0], nr = t.Kiri[1];
  const double footX = f.heelX + std::max(600.0, (dr.Left + dr.Width / 2.0 - f.heelX) * 2);
  const double topY = ground.empty() ? f.groundY : ground.back().y;
  const double riseX = footX + (f.heelY - topY) * 0.45;
  s.Poly({{footX, f.heelY},
          {riseX, topY},
          {kPictureWidth, topY},
          {kPictureWidth, kPictureHeight},
          {footX, kPictureHeight}},
         kRock, "none");
  s.Line({footX, f.heelY}, {riseX, topY}, kInk, 12);
  for (double y = f.heelY; y > topY + 150; y -= 260) {
    const double x = footX + (f.heelY - y) * 0.45;
    s.Line({x, y}, {x + 140, y + 110}, kInk, 5);
  }
  const double rowY = dr.Top - 70;
  s.DimH(f.heelX, footX, rowY, f.heelY, f.heelY);
  s.Label(dr, "d", {(f.heelX + footX) / 2, rowY});
  s.Label(nr, "1:N_K", {footX + (f.heelY - Centre(nr).y) * 0.45, Centre(nr).y});
}

// A shear key under a flat base: its place, width and height.
void ShearKey(Svg& s, const HanRectTables& t, double frontX, double baseY, double keyX, double keyW,
              double keyH) {
  s.Poly({{keyX, baseY}, {keyX + keyW, baseY}, {keyX + keyW, baseY + keyH}, {keyX, baseY + keyH}},
         kConcrete);
  const HanRect xt = t.Tokki[0], bt = t.Tokki[1], lt = t.Tokki[2];
  const double rowY = xt.Top - 60;
  s.DimH(frontX, keyX, rowY, baseY, baseY + keyH);
  s.Label(xt, "X_t", {(frontX + keyX) / 2, rowY});
  s.DimH(keyX, keyX + keyW, rowY, baseY + keyH, baseY + keyH);
  s.Label(bt, "B_t", {keyX + keyW / 2, rowY});
  const double lx = lt.Left - 50;
  s.DimV(baseY, baseY + keyH, lx, keyX + keyW, keyX + keyW);
  s.Label(lt, "L_t", {lx, baseY + keyH / 2});
}

void Finish(Svg& s, const HanRectTables& t, const Frame& f) {
  FrontSide(s, t, f);
  BackWater(s, t, f);
}

// ---- The walls --------------------------------------------------------------------------

void BlockWall(Svg& s, const HanRectTables& t, const GuideVariant& v) {
  const auto& L = WallTexts(0);
  // Footing: front 1760, heel 4150; inclined base from the front down to
  // the heel's level.
  const double fx = 1760, hx = 4150, top = 6420, frontBottom = 6900, heelBottom = 7380;
  const double toeX = 2300;  // B1 behind the footing's front
  const double crest = 2780, run = 0.5;
  const double thick = 520, backTop = v.largeBlocks ? 0 : 480, backBottom = v.largeBlocks ? 0 : 900;
  const P toe{toeX, top}, crestFront{toeX + run * (top - crest), crest};
  const P blockBackBottom{toe.x + thick, top}, blockBackTop{crestFront.x + thick, crest};
  const P backfillBottom{blockBackBottom.x + backBottom, top + 140};
  const P backfillTop{blockBackTop.x + backTop, crest};
  const double heelTop = 6640;
  Frame f{fx, frontBottom, hx, heelBottom, crest + 1150, crest, 6015, 5925, 5700, {}};
  f.back = v.largeBlocks
               ? std::vector<P>{blockBackTop, blockBackBottom, {hx, heelTop}, {hx, heelBottom}}
               : std::vector<P>{backfillTop, backfillBottom, {hx, heelTop}, {hx, heelBottom}};
  std::vector<P> ground = BackGround(s, t, v, f, true);
  if (v.cut) Cut(s, t, f, ground);
  // Footing, backfill concrete, blocks.
  s.Poly({{fx, top}, {toe.x, top}, {hx, heelTop}, {hx, heelBottom}, {fx, frontBottom}}, kConcrete);
  if (!v.largeBlocks)
    s.Poly({blockBackBottom, blockBackTop, backfillTop, backfillBottom}, kBackfillConcrete);
  s.Poly({toe, crestFront, blockBackTop, blockBackBottom}, kBlock);
  for (int i = 1; i < 8; ++i) {  // courses
    const double a = i / 8.0;
    s.Line({toe.x + (crestFront.x - toe.x) * a, top + (crest - top) * a},
           {blockBackBottom.x + (blockBackTop.x - blockBackBottom.x) * a, top + (crest - top) * a},
           kInk, 5);
  }
  Finish(s, t, f);
  // Height of the wall, face slope, block thickness.
  const double hxDim = t.Wall[0].Left + t.Wall[0].Width + 60;
  s.DimV(crest, heelBottom, hxDim, crestFront.x, hx);
  s.Label(t.Wall[0], L[0], {hxDim, (crest + heelBottom) / 2});
  const double ty = 3900;
  const P tf{toe.x + (crestFront.x - toe.x) * (top - ty) / (top - crest), ty};
  s.Line(tf, {tf.x + thick, ty}, kDimInk, 7);
  s.Arrow(tf, {tf.x + thick, ty});
  s.Arrow({tf.x + thick, ty}, tf);
  s.Label(t.Wall[1], L[1], tf);
  const double ny = Centre(t.Wall[4]).y;
  s.Label(t.Wall[4], L[4], {toe.x + (crestFront.x - toe.x) * (top - ny) / (top - crest), ny});
  if (!v.largeBlocks) {
    s.DimH(blockBackTop.x, backfillTop.x, crest + 170, crest, crest);
    s.Label(t.Wall[2], L[2], {(blockBackTop.x + backfillTop.x) / 2, crest + 170});
    const double by = top + 300;
    s.DimH(blockBackBottom.x, backfillBottom.x, by, top, backfillBottom.y);
    s.Label(t.Wall[3], L[3], {(blockBackBottom.x + backfillBottom.x) / 2, by});
  }
  // Footing sizes.
  const double bRow = heelBottom + 80;
  s.DimH(fx, hx, bRow, frontBottom, heelBottom);
  s.Label(t.Wall[5], L[5], {(fx + hx) / 2, bRow});
  const double b1Row = Centre(t.Wall[6]).y + 170;
  s.DimH(fx, toe.x, b1Row, top, top);
  s.Label(t.Wall[6], L[6], {(fx + toe.x) / 2, b1Row});
  const double leftX = t.Wall[7].Left + t.Wall[7].Width + 60;
  s.DimV(top, frontBottom, leftX, fx, fx);
  s.Label(t.Wall[7], L[7], {leftX, (top + frontBottom) / 2});
  s.Line({leftX - 40, heelBottom}, {hx, heelBottom}, kDimInk, 4, true);
  s.DimV(frontBottom, heelBottom, leftX, fx, leftX);
  s.Label(t.Wall[9], L[9], {leftX, (frontBottom + heelBottom) / 2});
  if (!v.largeBlocks) {
    const double h2x = hx + 120;
    s.DimV(heelTop, heelBottom, h2x, hx, hx);
    s.Label(t.Wall[8], L[8], {h2x, heelTop});
  }
}

void GravityWall(Svg& s, const HanRectTables& t, const GuideVariant& v) {
  const auto& L = WallTexts(1);
  const double fx = 1700, slabTop = 5450, frontBottom = 5800;
  const double heelX = 4300, heelBottom = v.key ? frontBottom : 6140;
  const P toe{2800, slabTop}, crestFront{3420, 2400}, crestBack{3880, 2400};
  Frame f{fx,   frontBottom, heelX, heelBottom, 3600,
          2400, 5280,        5160,  4935,       {crestBack, {heelX, heelBottom}}};
  std::vector<P> ground = BackGround(s, t, v, f, false);
  if (v.cut) Cut(s, t, f, ground);
  s.Poly({{fx, frontBottom}, {fx, slabTop}, toe, crestFront, crestBack, {heelX, heelBottom}},
         kConcrete);
  if (v.key) ShearKey(s, t, fx, frontBottom, 3200, 320, 420);
  Finish(s, t, f);
  const double hx = t.Wall[0].Left + t.Wall[0].Width + 60;
  s.DimV(crestFront.y, heelBottom, hx, crestFront.x, heelX);
  s.Label(t.Wall[0], L[0], {hx, (crestFront.y + heelBottom) / 2});
  const double bRow = 7420;
  s.DimH(fx, heelX, bRow, frontBottom, heelBottom);
  s.Label(t.Wall[1], L[1], {(fx + heelX) / 2, bRow});
  const double topRow = t.Wall[2].Top + t.Wall[2].Height + 70;
  s.DimH(toe.x, crestFront.x, topRow, toe.y, crestFront.y);
  s.Label(t.Wall[2], L[2], {(toe.x + crestFront.x) / 2, topRow});
  s.DimH(crestFront.x, crestBack.x, topRow, crestFront.y, crestBack.y);
  s.Label(t.Wall[3], L[3], {(crestFront.x + crestBack.x) / 2, topRow});
  const double b3Row = t.Wall[4].Top + t.Wall[4].Height + 70;
  s.DimH(fx, toe.x, b3Row, slabTop, slabTop);
  s.Label(t.Wall[4], L[4], {(fx + toe.x) / 2, b3Row});
  const double leftX = t.Wall[5].Left + t.Wall[5].Width + 50;
  s.DimV(slabTop, frontBottom, leftX, fx, fx);
  s.Label(t.Wall[5], L[5], {leftX, (slabTop + frontBottom) / 2});
  const double ny = Centre(t.Wall[6]).y;
  s.Label(t.Wall[6], L[6],
          {toe.x + (crestFront.x - toe.x) * (toe.y - ny) / (toe.y - crestFront.y), ny});
  if (!v.key) {
    s.Line({leftX - 40, heelBottom}, {heelX, heelBottom}, kDimInk, 4, true);
    s.DimV(frontBottom, heelBottom, leftX, fx, leftX);
    s.Label(t.Wall[7], L[7], {leftX, (frontBottom + heelBottom) / 2});
  }
}

void LeaningWall(Svg& s, const HanRectTables& t, const GuideVariant& v) {
  const auto& L = WallTexts(2);
  // A thin wall leaning back on a base slab: toe slab B1, front run B2,
  // crest B3, the back leaning forward by B4 under the crest.
  const double fx = 2034, slabTop = 6150, frontBottom = 6660, crest = 3300;
  const P wallToe{2900, slabTop}, crestFront{4284, crest}, crestBack{4850, crest};
  const P backRoot{3414, 5700};  // top of the inclined root (H3)
  const double heelX = backRoot.x, heelBottom = v.key ? frontBottom : 7230;
  Frame f{fx,    frontBottom,
          heelX, heelBottom,
          3800,  crest,
          5880,  5745,
          5550,  {crestBack, backRoot, {heelX, slabTop}, {heelX, heelBottom}}};
  std::vector<P> ground = BackGround(s, t, v, f, true);
  if (v.cut) Cut(s, t, f, ground);
  s.Poly({{fx, frontBottom},
          {fx, slabTop},
          wallToe,
          crestFront,
          crestBack,
          backRoot,
          {heelX, heelBottom}},
         kConcrete);
  if (v.key) ShearKey(s, t, fx, frontBottom, 2380, 300, 400);
  Finish(s, t, f);
  const double leftX = t.Wall[0].Left + t.Wall[0].Width + 60;
  s.DimV(crest, slabTop, leftX, crestFront.x, fx);
  s.Label(t.Wall[0], L[0], {leftX, (crest + slabTop) / 2});
  s.DimV(slabTop, frontBottom, leftX, fx, fx);
  s.Label(t.Wall[1], L[1], {leftX, (slabTop + frontBottom) / 2});
  const double h3x = t.Wall[2].Left - 50;
  s.DimV(backRoot.y, slabTop, h3x, backRoot.x, heelX);
  s.Label(t.Wall[2], L[2], {h3x, (backRoot.y + slabTop) / 2});
  const double topRow = t.Wall[3].Top + t.Wall[3].Height + 80;
  s.DimH(fx, wallToe.x, topRow, slabTop, slabTop);
  s.Label(t.Wall[3], L[3], {(fx + wallToe.x) / 2, topRow});
  s.DimH(wallToe.x, crestFront.x, topRow, wallToe.y, crestFront.y);
  s.Label(t.Wall[4], L[4], {(wallToe.x + crestFront.x) / 2, topRow});
  s.DimH(crestFront.x, crestBack.x, topRow, crestFront.y, crestBack.y);
  s.Label(t.Wall[5], L[5], {(crestFront.x + crestBack.x) / 2, topRow});
  const double b4Row = t.Wall[6].Top + t.Wall[6].Height + 30;
  s.DimH(backRoot.x, crestBack.x, b4Row, heelBottom, crestBack.y);
  s.Label(t.Wall[6], L[6], {(backRoot.x + crestBack.x) / 2, b4Row});
  const double ny = Centre(t.Wall[7]).y;
  s.Label(
      t.Wall[7], L[7],
      {wallToe.x + (crestFront.x - wallToe.x) * (wallToe.y - ny) / (wallToe.y - crestFront.y), ny});
  s.Note({(crestBack.x + backRoot.x) / 2 + 420, 4450}, "1:N_2");
  if (!v.key) {
    s.Line({leftX - 40, heelBottom}, {heelX, heelBottom}, kDimInk, 4, true);
    s.DimV(frontBottom, heelBottom, leftX, fx, leftX);
    s.Label(t.Wall[9], L[9], {leftX, (frontBottom + heelBottom) / 2});
  }
}

void MixedWall(Svg& s, const HanRectTables& t, const GuideVariant& v) {
  const auto& L = WallTexts(3);
  // Lower gravity wall 1500..4100 from the base (6300) to its crest (4700);
  // upper block wall on it up to 800.
  const double fx = 1500, base = 6300, heelX = 4100;
  const double heelBottom = v.key ? base : 6650;
  const double joint = 4700, taper = 4400, crest = 800;
  const P lowerToe{fx, base}, lowerCrestFront{2350, joint}, lowerCrestBack{3100, joint};
  const P upperToe{lowerCrestFront.x + 100, joint};
  const double run = 0.4, thick = 450;
  const P upperCrest{upperToe.x + run * (joint - crest), crest};
  const P blockBackBottom{upperToe.x + thick, joint}, blockBackTop{upperCrest.x + thick, crest};
  const P backfillTop{blockBackTop.x + 450, crest}, backfillBottom{lowerCrestBack.x + 450, taper};
  Frame f{fx,    base,
          heelX, heelBottom,
          1800,  crest,
          5235,  5145,
          4545,  {backfillTop, backfillBottom, {heelX, 5600}, {heelX, heelBottom}}};
  std::vector<P> ground = BackGround(s, t, v, f, true);
  if (v.cut) Cut(s, t, f, ground);
  s.Poly({lowerToe,
          lowerCrestFront,
          lowerCrestBack,
          backfillBottom,
          {heelX, 5600},
          {heelX, heelBottom}},
         kConcrete);
  s.Poly({blockBackBottom, blockBackTop, backfillTop, backfillBottom, lowerCrestBack},
         kBackfillConcrete);
  s.Poly({upperToe, upperCrest, blockBackTop, blockBackBottom}, kBlock);
  if (v.key) ShearKey(s, t, fx, base, 2500, 320, 250);
  Finish(s, t, f);
  const double leftX = t.Wall[0].Left + t.Wall[0].Width + 60;
  s.DimV(crest, joint, leftX, upperCrest.x, upperToe.x);
  s.Label(t.Wall[0], L[0], {leftX, (crest + joint) / 2});
  s.DimV(joint, base, leftX, lowerCrestFront.x, fx);
  s.Label(t.Wall[5], L[5], {leftX, (joint + base) / 2});
  const double ty = Centre(t.Wall[1]).y + 200;
  const P tf{upperToe.x + run * (joint - ty), ty};
  s.Line(tf, {tf.x + thick, ty}, kDimInk, 7);
  s.Arrow(tf, {tf.x + thick, ty});
  s.Arrow({tf.x + thick, ty}, tf);
  s.Label(t.Wall[1], L[1], tf);
  s.DimH(blockBackTop.x, backfillTop.x, crest + 170, crest, crest);
  s.Label(t.Wall[2], L[2], {(blockBackTop.x + backfillTop.x) / 2, crest + 170});
  const double t2y = Centre(t.Wall[3]).y - 170;
  s.Line({lowerCrestBack.x, t2y}, {backfillBottom.x, t2y}, kDimInk, 7);
  s.Label(t.Wall[3], L[3], {(lowerCrestBack.x + backfillBottom.x) / 2, t2y});
  const double ny = Centre(t.Wall[4]).y;
  s.Label(t.Wall[4], L[4], {upperToe.x + run * (joint - ny), ny});
  const double bRow = 7420;
  s.DimH(fx, heelX, bRow, base, heelBottom);
  s.Label(t.Wall[6], L[6], {(fx + heelX) / 2, bRow});
  const double topRow = t.Wall[7].Top + t.Wall[7].Height + 70;
  s.DimH(fx, lowerCrestFront.x, topRow, fx - 0, lowerCrestFront.y);
  s.Label(t.Wall[7], L[7], {(fx + lowerCrestFront.x) / 2, topRow});
  s.DimH(lowerCrestFront.x, lowerCrestBack.x, topRow, lowerCrestFront.y, lowerCrestBack.y);
  s.Label(t.Wall[8], L[8], {(lowerCrestFront.x + lowerCrestBack.x) / 2, topRow});
  const double b3Row = t.Wall[9].Top - 60;
  s.DimH(lowerCrestFront.x, upperToe.x, b3Row, joint, joint);
  s.Label(t.Wall[9], L[9], {(lowerCrestFront.x + upperToe.x) / 2, b3Row});
  const double h3x = t.Wall[10].Left - 50;
  s.DimV(taper, joint, h3x, backfillBottom.x, lowerCrestBack.x);
  s.Label(t.Wall[10], L[10], {h3x, (taper + joint) / 2});
  if (!v.key) {
    const double kx = t.Wall[11].Left + t.Wall[11].Width + 60;
    s.Line({kx - 40, heelBottom}, {heelX, heelBottom}, kDimInk, 4, true);
    s.DimV(base, heelBottom, kx, fx, kx);
    s.Label(t.Wall[11], L[11], {kx, (base + heelBottom) / 2});
  }
}

}  // namespace

GuideVariant VariantOf(const std::string& name) {
  GuideVariant v;
  auto has = [&name](const char* part) { return name.find(part) != std::string::npos; };
  if (has("OOGATA_")) v.largeBlocks = true;
  v.wallType = has("GRW_") ? 1 : has("MOTARE_") ? 2 : has("KONGO_") ? 3 : 0;
  v.shape = has("NORI_") ? 1 : has("DAIKEI_") ? 2 : has("NINNI_") ? 3 : 0;
  v.cut = has("KIRIDO");
  v.key = has("_T.");
  return v;
}

std::vector<Label> MarkedLabels(const GuideVariant& v) {
  HanRectTables t;
  SetHantenRect(t, v.wallType, v.key ? 1 : 0);
  std::vector<Label> out;
  const auto& texts = WallTexts(v.wallType);
  for (size_t i = 0; i < texts.size(); ++i) {
    if (texts[i].empty()) continue;
    const bool last = i + 1 == texts.size();
    if (v.wallType == 0 && v.largeBlocks && (i == 2 || i == 3 || i == 8)) continue;
    if (v.wallType != 0 && v.key && last) continue;  // no inclined base with a key
    out.push_back({texts[i], t.Wall[i]});
  }
  out.push_back({"Hs", t.Ura[0]});
  out.push_back({"H_D", t.Ura[1]});
  if (v.shape == 2) {
    out.push_back({"X_1", t.Ura[2]});
    out.push_back({"X_2", t.Ura[3]});
    out.push_back({"H_0", t.Ura[4]});
  }
  if (v.shape == 1 && v.wallType != 1) out.push_back({"1:N", t.Ura[5]});
  out.push_back({"H_w", t.Water[0]});
  out.push_back({"H_w", t.Water[1]});
  if (v.cut) {
    out.push_back({"d", t.Kiri[0]});
    out.push_back({"1:N_K", t.Kiri[1]});
  }
  if (v.key && v.wallType != 0) {
    out.push_back({"X_t", t.Tokki[0]});
    out.push_back({"B_t", t.Tokki[1]});
    out.push_back({"L_t", t.Tokki[2]});
  }
  return out;
}

std::string GuidePictureSvg(const GuideVariant& v) {
  HanRectTables t;
  SetHantenRect(t, v.wallType, v.key ? 1 : 0);
  Svg s(kPictureWidth, kPictureHeight);
  switch (v.wallType) {
    case 0:
      BlockWall(s, t, v);
      break;
    case 1:
      GravityWall(s, t, v);
      break;
    case 2:
      LeaningWall(s, t, v);
      break;
    default:
      MixedWall(s, t, v);
      break;
  }
  return s.Text();
}

}  // namespace norva::guide

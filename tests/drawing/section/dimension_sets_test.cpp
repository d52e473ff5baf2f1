// Chain lists of the four dimension sets, worked out by hand from the moved
// outlines below. The figure's scale is 100 twips per metre with the model
// origin at device (1000, 5000), so a model point (x, y) lies at
// (100 x + 1000, 5000 − 100 y); row k of a side lies (k − 1) × 4.5 + 10 mm
// (× 56.7 twips) outside the fitted box.
#include "drawing/section/dimension_sets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "document/nulls.h"

namespace norva {
namespace {

constexpr double kMm = 56.7;

struct P {
  double x, y;
};
// Model to device by the test scale.
P M(double x, double y) { return {100 * x + 1000, 5000 - 100 * y}; }
double Off(int k) { return ((k - 1) * 4.5 + 10) * kMm; }

struct Want {
  int n;
  DimChainKind kind;
  std::string code;
  double line;
  std::vector<P> pts;
  std::vector<std::string> texts;  // interval texts, from the second point
};

constexpr DimChainKind V = DimChainKind::Vertical;
constexpr DimChainKind H = DimChainKind::Horizontal;
constexpr DimChainKind R = DimChainKind::Rotated;

void ExpectChains(const DimensionSet& got, const std::vector<Want>& want) {
  ASSERT_EQ(got.chains.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    const DimChain& g = got.chains[i];
    const Want& w = want[i];
    SCOPED_TRACE(testing::Message() << "chain " << w.n);
    EXPECT_EQ(g.number, w.n);
    EXPECT_EQ(g.kind, w.kind);
    EXPECT_EQ(g.code, w.code);
    if (w.kind != R) {
      EXPECT_NEAR(g.line, w.line, 1e-6);
    }
    ASSERT_EQ(g.xs.size(), w.pts.size());
    ASSERT_EQ(g.ys.size(), w.pts.size());
    ASSERT_EQ(g.texts.size(), w.pts.size());
    EXPECT_EQ(g.texts[0], "");
    for (size_t k = 0; k < w.pts.size(); ++k) {
      SCOPED_TRACE(testing::Message() << "point " << k);
      EXPECT_NEAR(g.xs[k], w.pts[k].x, 1e-6);
      EXPECT_NEAR(g.ys[k], w.pts[k].y, 1e-6);
      if (k > 0) {
        EXPECT_EQ(g.texts[k], w.texts[k - 1]);
      }
    }
  }
}

DrawFitState FitOf(SunpRows rows, double W, double H) {
  DrawFitState f;
  f.DrwSunpRows = rows;
  f.DrwWorldSize = {W, H};
  return f;
}

DimensionSet Chains(DimensionSet (*fn)(const DimensionContext&), const CDocument& d,
                    const KutaiPoints& o, const DrawFitState& f, int16_t state,
                    bool colour = true) {
  const DimensionContext c{d, o, f, DrawScale{100, 100, 1000, 5000}, state, colour, 170};
  return fn(c);
}

// ---- gravity ------------------------------------------------------------------

// Inclined base (KeisyaH 0.2), toe 0.5, strip 1.0 m; moved outline:
// 0 (1, 0.2), 1 (1, 0.7), 2 (1.3, 0.7), 3 (3.0, 0.7), 4 (3.0, 0), 5 (1.9, 3.0),
// 6 (2.4, 3.0). Front soil 0.8, front water 0.5, back water 1.2; trapezoid
// from the crest (UraHd 0): X1 0.5, X2 1.0, H0 0.6. World 5.0 × 3.6.
TEST(DimensionSets, GravityInclinedBaseWaterAndTrapezoidAtTheCrest) {
  CDocument d;
  d.SetWallType(1);
  d.nKeisya = 0;
  d.Tokki = 0;
  d.KeisyaH = 0.2;
  d.UragomeType = 2;
  d.UraHd = 0;
  d.UraX1 = 0.5;
  d.UraX2 = 1.0;
  d.UraH0 = 0.6;
  d.nWater = 1;
  d.SetSoilFH(0, 0.8);
  d.SetWatFH(0, 0.5);
  d.SetWatBH(0, 1.2);
  KutaiPoints o{};
  o[0] = {1, 0.2};
  o[1] = {1, 0.7};
  o[2] = {1.3, 0.7};
  o[3] = {3.0, 0.7};
  o[4] = {3.0, 0};
  o[5] = {1.9, 3.0};
  o[6] = {2.4, 3.0};
  const DrawFitState f = FitOf({4, 2, 3, 2}, 5.0, 3.6);
  // yG = 3.0, xG = 2.4 (the crest back). Box edges: x 1000 / 1500, y 5000 / 4640.
  const std::vector<Want> want{
      {1,
       V,
       "LR",
       1000 - Off(4),
       {M(3, 0), M(1, 0.2), M(1, 0.7), M(1.9, 3)},
       {"200", "500", "2300"}},
      {2, V, "LR", 1000 - Off(3), {{1000 - Off(3), 5000}, M(0, 0.8)}, {"800"}},
      {2, V, "LR", 1000 - Off(2), {{1000 - Off(2), 5000}, M(0, 0.5)}, {"500"}},
      {3, V, "LR", 1500 + Off(2), {M(3, 0), M(2.4, 3), M(5, 3.6)}, {"3000", "600"}},
      {4, V, "LL", 1500 + Off(1), {{1500 + Off(1), 5000}, M(5, 1.2)}, {"1200"}},
      {7, H, "UL", 5000 + Off(2), {M(1, 0.2), M(3, 0)}, {"2000"}},
      {9,
       H,
       "UU",
       4640 - Off(3),
       {M(1, 0.7), M(1.3, 0.7), M(1.9, 3), M(2.4, 3), M(3, 0.7)},
       {"300", "600", "500", "600"}},
      {10, H, "UL", 4640 - Off(2), {M(2.4, 3), M(2.9, 3), M(3.9, 3.6)}, {"500", "1000"}},
  };
  const DimensionSet set = Chains(SunpouGrwChains, d, o, f, 0);
  ExpectChains(set, want);
  EXPECT_TRUE(set.labels.empty());
}

// Level base with a key (TokX 0.8, TokB 0.4, TokL 0.3), no strip:
// 0 (0, 0), 1 (0, 0.5), 2 (0.3, 0.5), 3 (2.0, 0.5), 4 (2.0, 0), 5 (0.9, 3.0),
// 6 (1.4, 3.0). Trapezoid 0.5 below the crest (X1 0.5, X2 1.0, H0 0.6), a cut
// 0.7 behind the heel at 1:0.5. World 4.0 × 3.3.
TEST(DimensionSets, GravityKeyTrapezoidBelowTheCrestAndCut) {
  CDocument d;
  d.SetWallType(1);
  d.nKeisya = 1;
  d.Tokki = 1;
  d.TokX = 0.8;
  d.TokB = 0.4;
  d.TokL = 0.3;
  d.UragomeType = 2;
  d.UraHd = 0.5;
  d.UraX1 = 0.5;
  d.UraX2 = 1.0;
  d.UraH0 = 0.6;
  d.BackType = 1;
  d.KiriD = 0.7;
  d.KiriN = 0.5;
  d.SetSoilFH(0, 0);
  KutaiPoints o{};
  o[0] = {0, 0};
  o[1] = {0, 0.5};
  o[2] = {0.3, 0.5};
  o[3] = {2.0, 0.5};
  o[4] = {2.0, 0};
  o[5] = {0.9, 3.0};
  o[6] = {1.4, 3.0};
  const DrawFitState f = FitOf({4, 2, 3, 2}, 4.0, 3.3);
  // yG = 2.5; xG on the back face 6-3 at 2.5: 1.4 + 0.6 × 0.5 / 2.5 = 1.52.
  // Box edges x 1000 / 1400, y 5000 / 4670.
  const std::vector<Want> want{
      {1,
       V,
       "LR",
       1000 - Off(4),
       {M(0.8, -0.3), M(0, 0), M(0, 0.5), M(0.9, 3)},
       {"300", "500", "2500"}},
      {3, V, "LR", 1400 + Off(2), {M(2, 0), M(1.4, 3)}, {"3000"}},
      {5, V, "LR", 1400 + Off(1), {M(4, 2.5), M(4, 3.1)}, {"600"}},
      // One row inward from chain 5: row 0, 5.5 mm out.
      {6, V, "LR", 1400 + Off(0), {M(1.52, 2.5), {1400 + Off(0), M(0, 3).y}}, {"500"}},
      {7, H, "UL", 5000 + Off(2), {M(0, 0), M(2, 0), M(2.7, 0)}, {"2000", "700"}},
      {8, H, "UU", 5000 + Off(1), {M(0, 0), M(0.8, -0.3), M(1.2, -0.3)}, {"800", "400"}},
      {9,
       H,
       "UU",
       4670 - Off(3),
       {M(0, 0.5), M(0.3, 0.5), M(0.9, 3), M(1.4, 3), M(2, 0.5)},
       {"300", "600", "500", "600"}},
      {10, H, "UL", 4670 - Off(2), {M(1.52, 2.5), M(2.02, 2.5), M(3.02, 3.1)}, {"500", "1000"}},
  };
  const DimensionSet set = Chains(SunpouGrwChains, d, o, f, 0);
  ExpectChains(set, want);
  // The cut from (2.7, 0) reaches yG 2.5 (at x 2.7 + 2.5 × 0.5 = 3.95) before
  // the right edge (where it would stand 2.6 high): anchor (3.325, 1.25).
  // θ = 90° − atan 0.5, sin θ = 2/√5, cos θ = 1/√5; h 170.
  ASSERT_EQ(set.labels.size(), 1u);
  const DimLabel& l = set.labels[0];
  EXPECT_EQ(l.number, 12);
  EXPECT_EQ(l.text, "1:0.50");
  EXPECT_NEAR(l.x, 1332.5 - 170 * 2 / std::sqrt(5.0), 1e-9);
  EXPECT_NEAR(l.y, 4875 - 170 / std::sqrt(5.0), 1e-9);
  EXPECT_NEAR(l.angleDeg, 90 - std::atan(0.5) * 180 / std::acos(-1.0), 1e-9);
}

// ---- block --------------------------------------------------------------------

// Footing with an inclined base (KeisyaH 0.1, BlkH1 0.5, BlkB1 0.2, BlkB 2.6,
// BlkH2 0.6 so the footing top is level), face 1:0.75 (sin α 0.6, cos α 0.8),
// BlkT 0.4, backing 0.2 and 0.2, blocks square to the face, WallH 3.0. Before
// the 0.5 m strip: 0 (0, 0.1), 1 (0, 0.6), 2 (0.2, 0.6), 7 (0.2 + 0.4 / 0.8,
// 0.6), 3 (0.2 + 0.6 / 0.8, 0.6), 4 (2.6, 0), 10 (2.6, 0.6), 5 (0.2 + 0.75 ×
// 2.4, 3.0) = (2.0, 3.0), 6 = 5 + 0.4 (0.8, −0.6), 8 = 5 + 0.6 (0.8, −0.6),
// 9 on the line 3-8 (rise 4 per 3) at 3.0: (2.75, 3.0).
KutaiPoints BlockOutline() {
  KutaiPoints o{};
  o[0] = {0.5, 0.1};
  o[1] = {0.5, 0.6};
  o[2] = {0.7, 0.6};
  o[3] = {1.45, 0.6};
  o[4] = {3.1, 0};
  o[5] = {2.5, 3.0};
  o[6] = {2.82, 2.76};
  o[7] = {1.2, 0.6};
  o[8] = {2.98, 2.64};
  o[9] = {3.25, 3.0};
  o[10] = {3.1, 0.6};
  return o;
}

void BlockInputs(CDocument& d) {
  d.SetWallType(0);
  d.WallH = 3.0;
  d.BlkN = 0.75;
  d.BlkT = 0.4;
  d.BlkDeltT1 = 0.2;
  d.BlkDeltT2 = 0.2;
  d.nBlkSetup = 0;
  d.nBlkFound = 0;
  d.nKeisya = 0;
  d.KeisyaH = 0.1;
  d.BlkH1 = 0.5;
  d.UragomeType = 0;
  d.UraHd = 0.5;
  d.nWater = 1;
  d.SetSoilFH(0, 0);
  d.SetWatFH(0, 0.4);
  d.SetWatBH(0, 0.9);
}

TEST(DimensionSets, BlockFootingNormalLayingEqualBacking) {
  CDocument d;
  BlockInputs(d);
  const KutaiPoints o = BlockOutline();
  // World 2.75 + 0.5 + 2.0 = 5.25 × 3.0: edges x 1000 / 1525, y 5000 / 4700.
  const DrawFitState f = FitOf({4, 1, 3, 2}, 5.25, 3.0);
  // yb = 2.5, xb on 9-3 at 2.5: 3.25 − 0.5 × 0.75 = 2.875.
  // Q = 2 + 0.75 × (1.8, 2.4) = (2.05, 2.4); n = (0.8, −0.6).
  const std::vector<Want> want{
      {1, V, "LR", 1000 - Off(4), {M(0, 0), M(2.5, 3)}, {"3000"}},
      {2, V, "LR", 1000 - Off(3), {M(3.1, 0), M(0.5, 0.1), M(0.5, 0.6)}, {"100", "500"}},
      {3, V, "LR", 1000 - Off(2), {{1000 - Off(2), 5000}, M(0, 0.4)}, {"400"}},
      {4, V, "LL", 1525 + Off(1), {M(5.25, 0), M(5.25, 0.9)}, {"900"}},
      {5, V, "LR", 1525 + Off(1), {M(2.875, 2.5), M(3.25, 3)}, {"500"}},
      {8, V, "LR", 1325 + 4.5 * kMm, {M(3.1, 0), M(3.1, 0.6)}, {"600"}},
      {9, H, "UL", 5000 + Off(2), {M(0.5, 0.1), M(3.1, 0), M(3.25, 3)}, {"2600", "150"}},
      {11,
       H,
       "UL",
       4700 - Off(3),
       {M(0.5, 0.6), M(0.7, 0.6), M(2.5, 3), M(3.25, 3)},
       {"200", "1800", "750"}},
      {13, R, "UU", 0, {M(2.05, 2.4), M(2.37, 2.16), M(2.53, 2.04)}, {"400", "200"}},
  };
  const DimensionSet set = Chains(SunpouBlkChains, d, o, f, 0);
  ExpectChains(set, want);
  const DimChain& rot = set.chains.back();
  EXPECT_NEAR(rot.refX, 1205, 1e-9);
  EXPECT_NEAR(rot.refY, 4760, 1e-9);
  EXPECT_NEAR(rot.angle, std::atan(0.75), 1e-15);

  // Labels: the face at 0.45 of 2-5, (1.51, 1.68), θ = 90° − α (sin 0.8,
  // cos 0.6); the back face 3-8 (γ = atan 4/3, sin 0.8, cos 0.6) at 0.45,
  // (2.1385, 1.518), a twentieth of 170 off on the lower side.
  ASSERT_EQ(set.labels.size(), 2u);
  EXPECT_EQ(set.labels[0].number, 16);
  EXPECT_EQ(set.labels[0].text, "1:0.75");
  EXPECT_NEAR(set.labels[0].x, 1151 - 170 * 0.8, 1e-9);
  EXPECT_NEAR(set.labels[0].y, 4832 - 170 * 0.6, 1e-9);
  EXPECT_NEAR(set.labels[0].angleDeg, 90 - std::atan(0.75) * 180 / std::acos(-1.0), 1e-9);
  EXPECT_EQ(set.labels[1].number, 17);
  EXPECT_EQ(set.labels[1].text, "1:0.75");
  EXPECT_NEAR(set.labels[1].x, 1213.85 + 0.05 * 170 * 0.8, 1e-9);
  EXPECT_NEAR(set.labels[1].y, 4848.2 + 0.05 * 170 * 0.6, 1e-9);
  EXPECT_NEAR(set.labels[1].angleDeg, std::atan(4.0 / 3) * 180 / std::acos(-1.0), 1e-9);

  // In the black report figure the back-water chain starts at the heel.
  const DimensionSet bw = Chains(SunpouBlkChains, d, o, f, 0, false);
  EXPECT_NEAR(bw.chains[3].xs[0], M(3.1, 0).x, 1e-9);
}

TEST(DimensionSets, BlockBackingThicknessesAndLaying) {
  struct Row {
    const char* name;
    double t1, t2;
    std::vector<int> rotated;      // chain numbers 13..15 drawn
    std::vector<std::string> t13;  // texts of chain 13
    std::string t14, t15;
  };
  const Row rows[] = {
      {"equal 0.3", 0.3, 0.3, {13}, {"350", "300"}, "", ""},
      {"both 0", 0, 0, {13}, {"350"}, "", ""},
      {"0.3 and 0.5", 0.3, 0.5, {13, 14, 15}, {"350"}, "300", "500"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    BlockInputs(d);
    d.BlkT = 0.35;
    d.BlkDeltT1 = r.t1;
    d.BlkDeltT2 = r.t2;
    const DimensionSet set =
        Chains(SunpouBlkChains, d, BlockOutline(), FitOf({4, 1, 3, 2}, 5.25, 3.0), 0);
    std::vector<int> rot;
    for (const DimChain& c : set.chains) {
      if (c.kind != R) continue;
      rot.push_back(c.number);
      std::vector<std::string> texts(c.texts.begin() + 1, c.texts.end());
      if (c.number == 13) {
        EXPECT_EQ(texts, r.t13);
      }
      if (c.number == 14) {
        EXPECT_EQ(texts, std::vector<std::string>{r.t14});
      }
      if (c.number == 15) {
        EXPECT_EQ(texts, std::vector<std::string>{r.t15});
      }
    }
    EXPECT_EQ(rot, r.rotated);
  }
}

std::vector<int> Numbers(const DimensionSet& s) {
  std::vector<int> n;
  for (const DimChain& c : s.chains) n.push_back(c.number);
  return n;
}

TEST(DimensionSets, BlockWithoutFootingAndHorizontalLaying) {
  CDocument d;
  BlockInputs(d);
  d.nBlkFound = 1;
  // Without a footing: no chain 2 and no chain 8; the front level moves out
  // to row 3.
  DimensionSet set = Chains(SunpouBlkChains, d, BlockOutline(), FitOf({4, 1, 3, 2}, 5.25, 3.0), 0);
  EXPECT_EQ(Numbers(set), (std::vector<int>{1, 3, 4, 5, 9, 11, 13}));
  EXPECT_NEAR(set.chains[1].line, 1000 - Off(3), 1e-9);
  // Horizontal laying: chain 11 takes point 6, chain 8 goes.
  d.nBlkFound = 0;
  d.nBlkSetup = 1;
  set = Chains(SunpouBlkChains, d, BlockOutline(), FitOf({4, 1, 3, 2}, 5.25, 3.0), 0);
  EXPECT_EQ(Numbers(set), (std::vector<int>{1, 2, 3, 4, 5, 9, 11, 13}));
  const DimChain& top = set.chains[6];
  ASSERT_EQ(top.xs.size(), 5u);
  EXPECT_NEAR(top.xs[3], M(2.82, 0).x, 1e-9);
  EXPECT_EQ(top.texts[3], "320");  // 2.82 − 2.5
  EXPECT_EQ(top.texts[4], "430");  // 3.25 − 2.82
}

// ---- leaning ------------------------------------------------------------------

// Key (TokX 0.2, TokB 0.3, TokL 0.25) under a level base, vertical back face,
// front soil 0.6 (strip 1.0), slope 1:1.5 behind, cut 0.5 behind the heel at
// 1:0.3. Moved: 0 (1, 0), 1 (1, 0.5), 2 (1.3, 0.5), 3 (2.4, 0.2), 4 (2.4, 0),
// 5 (1.9, 3.5), 6 (2.4, 3.5). World 1.4 + 1.0 + 2.0 = 4.4 × 3.75.
void LeaningInputs(CDocument& d) {
  d.SetWallType(2);
  d.Tokki = 1;
  d.nKeisya = 1;
  d.TokX = 0.2;
  d.TokB = 0.3;
  d.TokL = 0.25;
  d.MtwH1 = 3.0;
  d.MtwN1 = 0.2;
  d.MtwN2 = 0.0;
  d.UragomeType = 1;
  d.UraN = 1.5;
  d.UraHd = 0.5;
  d.BackType = 1;
  d.KiriD = 0.5;
  d.KiriN = 0.3;
  d.SetSoilFH(0, 0.6);
}

KutaiPoints LeaningOutline() {
  KutaiPoints o{};
  o[0] = {1, 0};
  o[1] = {1, 0.5};
  o[2] = {1.3, 0.5};
  o[3] = {2.4, 0.2};
  o[4] = {2.4, 0};
  o[5] = {1.9, 3.5};
  o[6] = {2.4, 3.5};
  return o;
}

TEST(DimensionSets, LeaningKeyCutFaceAndSlope) {
  CDocument d;
  LeaningInputs(d);
  const DrawFitState f = FitOf({4, 2, 3, 2}, 4.4, 3.75);
  // Edges x 1000 / 1440, y 5000 / 4625. yb = 3.0, xb = 2.4.
  const std::vector<Want> want{
      {1,
       V,
       "LR",
       1000 - Off(4),
       {M(1.2, -0.25), M(1, 0), M(1, 0.5), M(1.9, 3.5)},
       {"250", "500", "3000"}},
      {2, V, "LR", 1000 - Off(3), {{1000 - Off(3), 5000}, M(0, 0.6)}, {"600"}},
      {3, V, "LR", 1440 + Off(2), {M(2.4, 0), M(2.4, 0.2), M(2.4, 3.5)}, {"200", "3300"}},
      {6, V, "LR", 1440 + Off(1), {M(2.4, 3), {1440 + Off(1), M(0, 3.5).y}}, {"500"}},
      {7, H, "UL", 5000 + Off(2), {M(1, 0), M(2.4, 0), M(2.4, 3.5)}, {"1400", "0"}},
      {8,
       H,
       "UU",
       5000 + Off(1),
       {M(1, 0), M(1.2, -0.25), M(1.5, -0.25), M(2.4, 0), M(2.9, 0)},
       {"200", "300", "900", "500"}},
      {10,
       H,
       "UL",
       4625 - Off(3),
       {M(1, 0.5), M(1.3, 0.5), M(1.9, 3.5), M(2.4, 3.5)},
       {"300", "600", "500"}},
  };
  const DimensionSet set = Chains(SunpouMtwChains, d, LeaningOutline(), f, 0);
  ExpectChains(set, want);

  ASSERT_EQ(set.labels.size(), 4u);
  // 12: the front face at its middle (1.6, 2.0), 1:0.2.
  const double c2 = 1 / std::sqrt(1.04), s2 = 0.2 / std::sqrt(1.04);
  EXPECT_EQ(set.labels[0].text, "1:0.20");
  EXPECT_NEAR(set.labels[0].x, 1160 - 170 * c2, 1e-9);
  EXPECT_NEAR(set.labels[0].y, 4800 - 170 * s2, 1e-9);
  // 13: the vertical back face reads 1:0.00, at (2.4, 1.85).
  EXPECT_EQ(set.labels[1].text, "1:0.00");
  EXPECT_NEAR(set.labels[1].x, 1240 - 170, 1e-9);
  EXPECT_NEAR(set.labels[1].y, 4815, 1e-9);
  // 14: the slope 1:1.5 halfway to the right edge: mx = (2.4 + 4.4) / 2 = 3.4,
  // my = 3.0 + 1.0 / 1.5; θ = 33.69°.
  EXPECT_EQ(set.labels[2].text, "1:1.50");
  EXPECT_NEAR(set.labels[2].angleDeg, 33.690067525979785, 1e-9);
  EXPECT_NEAR(set.labels[2].x, 1340 - 170 / std::sqrt(3.25), 1e-9);
  EXPECT_NEAR(set.labels[2].y, 5000 - 100 * (3 + 1 / 1.5) - 170 * 1.5 / std::sqrt(3.25), 1e-9);
  // 15: the cut from (2.9, 0) reaches yb 3.0 at x 3.8 (the right edge it would
  // meet at 5.0): anchor (3.35, 1.5).
  EXPECT_EQ(set.labels[3].text, "1:0.30");
  EXPECT_NEAR(set.labels[3].x, 1335 - 170 / std::sqrt(1.09), 1e-9);
  EXPECT_NEAR(set.labels[3].y, 4850 - 170 * 0.3 / std::sqrt(1.09), 1e-9);
}

TEST(DimensionSets, LeaningToeFlushWithTheBackDrop) {
  // MtwH2 0 and MtwH3 0.8: the toe stands 0.8 above the heel bottom, points 0
  // and 1 coincide (the dimension line drops the second).
  CDocument d;
  LeaningInputs(d);
  d.Tokki = 0;
  KutaiPoints o = LeaningOutline();
  o[0] = {1, 0.8};
  o[1] = {1, 0.8};
  o[2] = {1.3, 0.8};
  o[5] = {1.9, 3.8};
  DimensionSet set = Chains(SunpouMtwChains, d, o, FitOf({4, 2, 3, 2}, 4.4, 3.8), 0);
  const std::vector<Want> first{{1,
                                 V,
                                 "LR",
                                 1000 - Off(4),
                                 {M(2.4, 0), M(1, 0.8), M(1, 0.8), M(1.9, 3.8)},
                                 {"800", "0", "3000"}}};
  ExpectChains(DimensionSet{{set.chains[0]}, {}}, first);
  // With a key under that toe (foot at 0.8 − 0.25 = 0.55) each interval reads
  // its true height, bottom up: heel 0, key foot 0.55, toe 0.8.
  d.Tokki = 1;
  set = Chains(SunpouMtwChains, d, o, FitOf({4, 2, 3, 2}, 4.4, 3.8), 0);
  const std::vector<Want> keyed{{1,
                                 V,
                                 "LR",
                                 1000 - Off(4),
                                 {M(2.4, 0), M(1.2, 0.55), M(1, 0.8), M(1, 0.8), M(1.9, 3.8)},
                                 {"550", "250", "0", "3000"}}};
  ExpectChains(DimensionSet{{set.chains[0]}, {}}, keyed);
}

// ---- mixed --------------------------------------------------------------------

// Lower wall with a level top (MxwH3 0), key (TokX 0.5, TokB 0.4, TokL 0.3),
// blocks 1:0.75 (BlkT 0.4, backing 0.2 / 0.2), trapezoid 0.4 below the crest
// (X1 0.5, X2 1.0, H0 0.5), back water 1.0, no strip:
// 0 (0, 0), 1 (0.2, 1.5), 2 (0.3, 1.5), 3 (1.7, 1.5), 4 (2.5, 0),
// 5 (0.3 + 0.75 × 2.4, 3.9) = (2.1, 3.9), 6 (2.42, 3.66), 7 (0.8, 1.5),
// 8 (2.58, 3.54), 10 (0.3 + 0.6 / 0.8, 1.5) = (1.05, 1.5), 9 on 10-8 (rise 4
// per 3) at 3.9: (2.85, 3.9). World 2.85 + 2.0 = 4.85 × (3.9 + 0.3) = 4.2.
TEST(DimensionSets, MixedKeyTrapezoidAndBackWater) {
  CDocument d;
  d.SetWallType(3);
  d.Tokki = 1;
  d.nKeisya = 1;
  d.TokX = 0.5;
  d.TokB = 0.4;
  d.TokL = 0.3;
  d.BlkN = 0.75;
  d.BlkT = 0.4;
  d.BlkDeltT1 = 0.2;
  d.BlkDeltT2 = 0.2;
  d.UragomeType = 2;
  d.UraHd = 0.4;
  d.UraX1 = 0.5;
  d.UraX2 = 1.0;
  d.UraH0 = 0.5;
  d.nWater = 1;
  d.SetSoilFH(0, 0);
  d.SetWatBH(0, 1.0);
  KutaiPoints o{};
  o[0] = {0, 0};
  o[1] = {0.2, 1.5};
  o[2] = {0.3, 1.5};
  o[3] = {1.7, 1.5};
  o[4] = {2.5, 0};
  o[5] = {2.1, 3.9};
  o[6] = {2.42, 3.66};
  o[7] = {0.8, 1.5};
  o[8] = {2.58, 3.54};
  o[9] = {2.85, 3.9};
  o[10] = {1.05, 1.5};
  const DrawFitState f = FitOf({4, 2, 3, 2}, 4.85, 4.2);
  // Edges x 1000 / 1485, y 5000 / 4580. yb = 3.5; xb on 3-9 at 3.5:
  // 1.7 + 1.15 × 2 / 2.4; xc on 10-9: 1.05 + 1.8 × 2 / 2.4 = 2.55.
  const double xb = 1.7 + 1.15 * 2 / 2.4;
  const std::vector<Want> want{
      {1,
       V,
       "LR",
       1000 - Off(4),
       {M(0.5, -0.3), M(0, 0), M(0.2, 1.5), M(2.1, 3.9)},
       {"300", "1500", "2400"}},
      {3, V, "LR", 1485 + Off(2), {M(2.5, 0), M(1.7, 1.5), M(2.85, 3.9)}, {"1500", "2400"}},
      {4, V, "LL", 1485 + Off(1), {{1485 + Off(1), 5000}, M(4.85, 1.0)}, {"1000"}},
      // Chain 5 shares row 1 with chain 4 as placed.
      {5, V, "LR", 1485 + Off(1), {M(4.85, 3.5), M(4.85, 4.0)}, {"500"}},
      {6, V, "LR", 1485 + Off(0), {M(2.55, 3.5), {1485 + Off(0), M(0, 3.9).y}}, {"400"}},
      {7,
       H,
       "UL",
       5000 + Off(2),
       {M(0, 0), M(0.2, 1.5), M(1.7, 1.5), M(2.5, 0)},
       {"200", "1500", "800"}},
      {8, H, "UU", 5000 + Off(1), {M(0, 0), M(0.5, -0.3), M(0.9, -0.3)}, {"500", "400"}},
      {9,
       H,
       "UL",
       4580 - Off(3),
       {M(0, 0), M(0.2, 1.5), M(0.3, 1.5), M(2.1, 3.9), M(2.85, 3.9)},
       {"200", "100", "1800", "750"}},
      {10,
       H,
       "UL",
       4580 - Off(2),
       {M(xb, 3.5), M(xb + 0.5, 3.5), M(xb + 1.5, 4.0)},
       {"500", "1000"}},
      // Q = 2 + 0.75 × (1.8, 2.4) = (1.65, 3.3); n = (0.8, −0.6).
      {11, R, "UU", 0, {M(1.65, 3.3), M(1.97, 3.06), M(2.13, 2.94)}, {"400", "200"}},
  };
  const DimensionSet set = Chains(SunpouMxwChains, d, o, f, 0);
  ExpectChains(set, want);
  ASSERT_EQ(set.labels.size(), 2u);
  // 14: block face at 0.45: (1.11, 2.58); 15: backing face 10-8 at 0.45:
  // (1.7385, 2.418).
  EXPECT_EQ(set.labels[0].number, 14);
  EXPECT_NEAR(set.labels[0].x, 1111 - 170 * 0.8, 1e-9);
  EXPECT_NEAR(set.labels[0].y, 4742 - 170 * 0.6, 1e-9);
  EXPECT_EQ(set.labels[1].number, 15);
  EXPECT_EQ(set.labels[1].text, "1:0.75");
  EXPECT_NEAR(set.labels[1].x, 1173.85 + 0.05 * 170 * 0.8, 1e-9);
  EXPECT_NEAR(set.labels[1].y, 4758.2 + 0.05 * 170 * 0.6, 1e-9);
}

// ---- edge cases shared by the sets ------------------------------------------

TEST(DimensionSets, StateAndLevelEdgeCases) {
  auto gravity = [](CDocument& d) {
    d.SetWallType(1);
    d.nKeisya = 1;
    d.UragomeType = 0;
    d.UraHd = 0.5;
    d.nWater = 1;
    d.SetSoilFH(0, 0.8);
    d.SetWatFH(0, 0.5);
    d.SetWatBH(0, 1.2);
  };
  KutaiPoints o{};
  o[0] = {1, 0};
  o[1] = {1, 0.5};
  o[2] = {1.3, 0.5};
  o[3] = {3.0, 0.5};
  o[4] = {3.0, 0};
  o[5] = {1.9, 3.0};
  o[6] = {2.4, 3.0};
  const DrawFitState f = FitOf({4, 2, 3, 2}, 5.0, 3.0);
  struct Row {
    const char* name;
    void (*edit)(CDocument&);
    int16_t state;
    std::vector<int> numbers;
    std::vector<std::string> levels;  // texts of the level rows, outer first
  };
  const Row rows[] = {
      {"both levels and back water",
       [](CDocument&) {},
       0,
       {1, 2, 2, 3, 4, 6, 7, 9},
       {"800", "500"}},
      {"no state", [](CDocument&) {}, -1, {1, 3, 6, 7, 9}, {}},
      {"water ignored", [](CDocument& d) { d.nWater = 0; }, 0, {1, 2, 3, 6, 7, 9}, {"800"}},
      {"levels within 0.5 mm: the higher's text",
       [](CDocument& d) { d.SetWatFH(0, 0.80049); },
       0,
       {1, 2, 3, 4, 6, 7, 9},
       {"800"}},
      {"levels 0.6 mm apart",
       [](CDocument& d) { d.SetWatFH(0, 0.8006); },
       0,
       {1, 2, 2, 3, 4, 6, 7, 9},
       {"801", "800"}},
      {"levels 0, negative and null give no row",
       [](CDocument& d) {
         d.SetSoilFH(0, 0);
         d.SetWatFH(0, kNullDouble);
         d.SetWatBH(0, -0.5);
       },
       0,
       {1, 3, 6, 7, 9},
       {}},
      {"blank levels",
       [](CDocument& d) {
         d.SetSoilFH(0, kNullBox);
         d.SetWatFH(0, kNullBox);
         d.SetWatBH(0, kNullBox);
       },
       0,
       {1, 3, 6, 7, 9},
       {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    gravity(d);
    r.edit(d);
    const DimensionSet set = Chains(SunpouGrwChains, d, o, f, r.state);
    EXPECT_EQ(Numbers(set), r.numbers);
    std::vector<std::string> levels;
    for (const DimChain& c : set.chains)
      if (c.number == 2) levels.push_back(c.texts[1]);
    EXPECT_EQ(levels, r.levels);
  }
}

TEST(DimensionSets, LabelsNeverShowANull) {
  // A null gradient of the back face, the cut or the slope leaves its label
  // out; with the blank-box test alone the document null would have printed
  // "1:-17000000000.00".
  for (double null : {kNullDouble, kNullBox}) {
    SCOPED_TRACE(null);
    CDocument d;
    LeaningInputs(d);
    d.MtwN2 = null;
    DimensionSet set =
        Chains(SunpouMtwChains, d, LeaningOutline(), FitOf({4, 2, 3, 2}, 4.4, 3.75), 0);
    std::vector<int> labels;
    for (const DimLabel& l : set.labels) labels.push_back(l.number);
    EXPECT_EQ(labels, (std::vector<int>{12, 14, 15}));
    d.KiriN = null;
    d.UraN = null;
    set = Chains(SunpouMtwChains, d, LeaningOutline(), FitOf({4, 2, 3, 2}, 4.4, 3.75), 0);
    labels.clear();
    for (const DimLabel& l : set.labels) labels.push_back(l.number);
    EXPECT_EQ(labels, (std::vector<int>{12}));
    // Nor is the cut dimensioned (chain 8 without its cut points).
    for (const DimChain& c : set.chains)
      if (c.number == 8) {
        EXPECT_EQ(c.xs.size(), 3u);
      }
    // A gentle slope of 0 or below draws no slope label either.
    d.UraN = 0;
    set = Chains(SunpouMtwChains, d, LeaningOutline(), FitOf({4, 2, 3, 2}, 4.4, 3.75), 0);
    EXPECT_EQ(set.labels.size(), 1u);
  }
  for (const DimChain& c :
       Chains(SunpouMtwChains, CDocument(), LeaningOutline(), FitOf({4, 2, 3, 2}, 4, 4), 0)
           .chains) {
    for (size_t k = 0; k < c.xs.size(); ++k) {
      EXPECT_TRUE(std::isfinite(c.xs[k]) && std::isfinite(c.ys[k]));
      EXPECT_EQ(c.texts[k].find("17000"), std::string::npos);
    }
  }
}

TEST(DimensionSets, TextsAreWholeMillimetresHalfUp) {
  EXPECT_EQ(DimMmText(0.2505), "251");  // 250.5 → 251
  EXPECT_EQ(DimMmText(0.9995), "1000");
  EXPECT_EQ(DimMmText(-0.0027), "-2");  // trunc(−2.7 + 0.5)
  EXPECT_EQ(DimMmText(0.3), "300");
  EXPECT_EQ(DimMmText(NAN), "");
  EXPECT_EQ(GradientText(0.5), "1:0.50");
  EXPECT_EQ(GradientText(1.5), "1:1.50");
}

}  // namespace
}  // namespace norva

// Overturning, ground reaction (rules by guideline, leaning-wall method,
// spring model) and sliding on force sums set by hand. Expected values are
// worked out from the formulas of each check, not read from the code.
#include "calc/stability/stability_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <optional>

#include "calc/reference_wall.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/outline.h"

namespace norva {
namespace {

constexpr double kDeg = 0.017453292519943278;

void ExpectRel(double actual, double expected, double rel = 1e-7) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * rel + 1e-9);
}

void ExpectNoNan(const CAntRes& r) {
  for (double v : {r.D,  r.E,  r.Fm, r.Qmax, r.Qmin, r.Qv, r.Qh, r.Qt, r.qtu,  r.qtl, r.Hu, r.Fs,
                   r.Q1, r.Q2, r.Q3, r.s1,   r.s2,   r.s3, r.dx, r.dy, r.thet, r.l1,  r.l2})
    EXPECT_TRUE(std::isfinite(v)) << v;
}

std::unique_ptr<CDocument> Doc(int32_t wallType, int32_t sisin) {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(wallType);
  d->Sisin = sisin;
  d->nQa = 0;
  d->ChkSlide = 1;
  d->Tokki = 0;
  d->nKeisya = 1;
  d->KeisyaH = 0;
  d->Myu = 0.6;
  d->cb = 10;
  d->Faib = 30;
  d->SijiFai = 35;
  d->SijiC = 5;
  d->nJyudo = 0;
  d->WallH = 4;
  d->WallL = 10;
  d->SetnCase(1);
  d->pCase(0)->Ea = 6;
  d->pCase(0)->FsTentou = 1.5;
  d->pCase(0)->FsKatsudou = 1.5;
  return d;
}

// Sums of a wall with base B whose resultant lies at D from the toe.
void Sums(CAntRes& r, double V, double H, double B, double D) {
  r.SgmV = V;
  r.SgmH = H;
  r.Breadth = B;
  r.SgmMr = r.SgmVX = V * D + 100;
  r.SgmMo = r.SgmHY = 100;
  r.D = D;
  r.E = B / 2 - D;
}

// ---- overturning ---------------------------------------------------------------------

TEST(CalcTentou, PositionEccentricityAndFactors) {
  struct Row {
    double V, VX, HY, Mr, Mo, B, caseEa;
    double D, E, Ea, Fm;
  };
  const Row rows[] = {
      // D = (VX - HY) / V, E = B/2 - D, Ea = B / n, Fm = Mr / Mo.
      {200, 500, 150, 500, 150, 3, 6, 1.75, -0.25, 0.5, 500.0 / 150},
      {200, 400, 100, 400, 100, 3, 0, 1.5, 0, 0, 4},    // no divisor: Ea 0
      {100, 80, 0, 80, 0, 2, 3, 0.8, 0.2, 2.0 / 3, 0},  // no overturning moment: Fm 0
  };
  for (const Row& x : rows) {
    auto d = Doc(1, 0);
    d->pCase(0)->Ea = x.caseEa;
    CAntRes r;
    r.SgmV = x.V;
    r.SgmVX = x.VX;
    r.SgmHY = x.HY;
    r.SgmMr = x.Mr;
    r.SgmMo = x.Mo;
    r.Breadth = x.B;
    ASSERT_TRUE(CalcTentou(*d, 0, r));
    ExpectRel(r.D, x.D);
    ExpectRel(r.E, x.E);
    ExpectRel(r.Ea, x.Ea);
    ExpectRel(r.Fm, x.Fm);
    EXPECT_EQ(r.Fma, 1.5);
  }
}

TEST(CalcTentou, ZeroVerticalForceIsNotComputableNotNan) {
  auto d = Doc(1, 0);
  CAntRes r;
  r.SgmV = 0;
  r.SgmVX = 10;
  r.SgmHY = 5;
  r.SgmMr = 10;
  r.SgmMo = 5;
  r.Breadth = 3;
  const StabStatus st = CalcTentou(*d, 0, r);
  EXPECT_FALSE(st);
  EXPECT_FALSE(st.reason.empty());
  EXPECT_EQ(r.D, kNullBox);
  EXPECT_EQ(r.E, kNullBox);
  ExpectRel(r.Fm, 2);
  // The ground reaction and sliding that follow say so too, without NaN.
  d->Sisin = 0;
  EXPECT_FALSE(CalcJibanHanryoku(*d, r, 0));
  EXPECT_EQ(r.Qmax, kNullBox);
}

// ---- ground reaction by rule -------------------------------------------------------------

TEST(CalcJibanHanryoku, RulesByGuidelineWallTypeAndEccentricity) {
  // V = 120 on B = 3 (B/6 = 0.5, B/3 = 1, B/2 = 1.5).
  struct Row {
    int32_t wallType, sisin;
    int16_t nQa;
    double E, qmax, qmin;
  };
  const double out = 1e10;
  const Row rows[] = {
      {0, 0, 0, 1.0, 40, 40},     // block, farm roads: V/B whatever E
      {0, 5, 0, -1.2, 40, 40},    // block, canals
      {0, 2, 0, 0.9, 48, 48},     // block, road earthworks: 1.2 V/B
      {1, 2, 0, 0.3, 50, 50},     // B' = 3 - 0.6
      {1, 2, 0, -0.3, 50, 50},    // B' = B - 2|E| for a negative E as well
      {1, 2, 0, 1.5, out, out},   // B' = 0: on the edge
      {1, 2, 0, -1.6, out, out},  // outside the base, never negative
      {1, 0, 0, 0.2, 56, 24},     // (1 +- 6 x 0.2 / 3) x 40
      {1, 0, 0, -0.2, 56, 24},
      {1, 0, 0, 0.5, 80, 0},  // |E| = B/6: triangle 2V / (3 (1.5 - 0.5))
      {1, 5, 0, -0.9, 2 * 120 / (3 * 0.6), 0},
      {1, 4, 0, 0.8, 2 * 120 / (3 * 0.7), 0},
      {1, 4, 0, 1.2, 160, 0},  // residential land beyond B/3: 4V/B
      {1, 4, 0, 1.5, 160, 0},
      {1, 0, 0, 1.5, out, out},  // resultant on the edge: no finite reaction
      {1, 0, 0, 1.6, out, out},
      {2, 2, 1, 0.3, 64, 16},  // leaning wall, E >= 0: (1 +- 0.6) x 40
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(::testing::Message() << x.wallType << "/" << x.sisin << " E=" << x.E);
    auto d = Doc(x.wallType, x.sisin);
    d->nQa = x.nQa;
    CAntRes r;
    Sums(r, 120, 30, 3, 1.5 - x.E);
    ASSERT_TRUE(CalcJibanHanryoku(*d, r, 0));
    ExpectRel(r.Qmax, x.qmax);
    ExpectRel(r.Qmin, x.qmin);
  }
}

TEST(CalcJibanHanryoku, LeaningWallBackFaceMethod) {
  // n = 0.3, WallH 4, B 3, V 200, H 60, Mr - Mo = 400, D = 2 (E = -0.5).
  // theta = atan 0.3, Ld = 4 / cos theta = 4.17612260, l2 = 0.5 Ld, l1 = Ld - l2.
  // Qt = (400 - 0.56 x 3 x 200) / (sin theta x 3 x 0.44 + (1 - 0.5/3) Ld) = 16.5828826.
  // Qv = 200 - sin theta Qt = 195.234944, Qh = cos theta Qt + 60 = 75.8835208,
  // Qmax = 1.36 Qv / 3, Qmin = 0.64 Qv / 3, qtu = 2 Qt / l2 = 15.8835208.
  auto d = Doc(2, 2);
  d->nQa = 1;
  d->MtwN2 = 0.3;
  CAntRes r;
  r.SgmV = 200;
  r.SgmH = 60;
  r.Breadth = 3;
  r.SgmMr = 500;
  r.SgmMo = 100;
  r.D = 2;
  r.E = -0.5;
  ASSERT_TRUE(CalcJibanHanryoku(*d, r, 0));
  ExpectRel(r.thet, std::atan(0.3));
  ExpectRel(r.Ld, 4.17612260356422);
  ExpectRel(r.l2, 2.08806130178211);
  ExpectRel(r.l1, 2.08806130178211);
  ExpectRel(r.Qt, 16.582882608461478);
  ExpectRel(r.Qv, 195.23494374586366);
  ExpectRel(r.Qh, 75.88352084712109);
  ExpectRel(r.Qmax, 88.5065078314582);
  ExpectRel(r.Qmin, 41.650121332450915);
  ExpectRel(r.qtu, 15.883520847121094);
  EXPECT_EQ(r.qtl, 0);

  // Resultant between the middle and 0.56 B: no back-face reaction.
  r.D = 1.6;
  r.E = -0.1;
  ASSERT_TRUE(CalcJibanHanryoku(*d, r, 0));
  EXPECT_EQ(r.Qt, 0);
  EXPECT_EQ(r.qtu, 0);
  ExpectRel(r.Qmax, 1.36 * 200 / 3);
  ExpectRel(r.Qmin, 0.64 * 200 / 3);

  // Back to a resultant in front of the middle: the back-face reaction of the
  // earlier calculation must not survive into this one.
  r.D = 2;
  r.E = -0.5;
  ASSERT_TRUE(CalcJibanHanryoku(*d, r, 0));
  ASSERT_GT(r.Qt, 0);
  r.D = 1.2;
  r.E = 0.3;
  ASSERT_TRUE(CalcJibanHanryoku(*d, r, 0));
  EXPECT_EQ(r.Qt, 0);
  EXPECT_EQ(r.qtu, 0);
  EXPECT_EQ(r.l2, 0);
  EXPECT_EQ(r.thet, 0);
}

// The leaning sample's section under road earthworks with an entered bearing
// capacity: H1 3.0, H2 0.5, H3 0.3, B4 0.9. Its back face rises H1 + H3 = 3.3
// over 0.9, so n = 3/11 (1:0.27), not 0.9 / 3.0. Sums of its normal case,
// rounded: V 84.969, H 30.290, Mr 130.389, Mo 35.338, B 1.8, D = (Mr - Mo) / V
// = 1.1186550 > 0.56 B = 1.008.
// theta = atan(3/11) = 15.2551187 deg; l = 3.5 / cos theta = 3.5 sqrt(130) / 11
// = 3.6278309; kl = 3/11 + 0.2 = 0.4727273; l2 = kl l = 1.7149746;
// Qt = (95.051 - 0.56 x 1.8 x 84.969) / (sin theta x 1.8 x 0.44 + (1 - kl/3) l)
//    = 9.402248 / 3.2645617 = 2.8800951; Qv = V - Qt sin theta = 84.2111969;
// Qh = 30.290 + Qt cos theta = 33.0686115; qmax = 1.36 Qv / B = 63.6262376,
// qmin = 0.64 Qv / B = 29.9417589; qt = 2 Qt / l2 = 3.3587612.
TEST(CalcJibanHanryoku, LeaningSampleBackFaceTakesTheOutlinesGradient) {
  auto d = Doc(2, 2);
  d->nQa = 1;
  d->MtwH1 = 3.0;
  d->MtwH2 = 0.5;
  d->MtwH3 = 0.3;
  d->MtwB4 = 0.9;
  d->WallH = 3.5;
  const std::optional<double> n = LeaningBackGradient(*d);
  ASSERT_TRUE(n.has_value());
  ExpectRel(*n, 3.0 / 11.0, 1e-12);
  d->MtwN2 = *n;
  CAntRes r;
  r.SgmV = 84.969;
  r.SgmH = 30.290;
  r.Breadth = 1.8;
  r.SgmMr = 130.389;
  r.SgmMo = 35.338;
  r.D = (r.SgmMr - r.SgmMo) / r.SgmV;
  r.E = r.Breadth / 2 - r.D;
  ASSERT_TRUE(CalcJibanHanryoku(*d, r, 0));
  EXPECT_NEAR(r.thet / kDeg, 15.2551187, 1e-7);
  ExpectRel(r.Ld, 3.6278309);
  ExpectRel(r.Kl(*n), 0.4727273);
  ExpectRel(r.l2, 1.7149746);
  ExpectRel(r.l1, 1.9128563);
  ExpectRel(r.Qt, 2.8800951);
  ExpectRel(r.Qv, 84.2111969);
  ExpectRel(r.Qh, 33.0686115);
  ExpectRel(r.Qmax, 63.6262376);
  ExpectRel(r.Qmin, 29.9417589);
  ExpectRel(r.qtu, 3.3587612);
}

TEST(CalcJibanHanryoku, ZeroBaseWidthIsNotComputable) {
  for (int32_t sisin : {0, 2, 3, 4}) {
    auto d = Doc(1, sisin);
    d->SetAE0(0, 1000);
    d->SetAE0(1, 1000);
    CAntRes r;
    Sums(r, 120, 30, 0, 0);
    const StabStatus st = CalcJibanHanryoku(*d, r, 0);
    EXPECT_FALSE(st) << sisin;
    EXPECT_EQ(r.Qmax, kNullBox);
    EXPECT_EQ(r.Qmin, kNullBox);
  }
}

TEST(CalcJibanHanryoku, LeaningWallWithoutAReactingFaceIsNotComputable) {
  // n = -0.2 gives a reacting length l2 = Ld (n + 0.2) = 0: the face
  // intensity 2 Qt / l2 would be infinite.
  auto d = Doc(2, 2);
  d->nQa = 1;
  d->MtwN2 = -0.2;
  CAntRes r;
  r.SgmV = 200;
  r.SgmH = 60;
  r.Breadth = 3;
  r.SgmMr = 500;
  r.SgmMo = 100;
  r.D = 2;
  r.E = -0.5;
  const StabStatus st = CalcJibanHanryoku(*d, r, 0);
  EXPECT_FALSE(st);
  EXPECT_EQ(r.Qmax, kNullBox);
  EXPECT_EQ(r.qtu, kNullBox);
}

// ---- reaction at a point -------------------------------------------------------------------

TEST(GetJibanHanryokuX, TrapezoidAndTriangleFromEitherEdge) {
  struct Row {
    double E, x, q;
  };
  // V 120, B 3. E = 0.2: 56 at the toe, 24 at the heel. E = -0.2: the reverse.
  // E = 0.9 (D 0.6): triangle 2V/(3 x 0.6) = 133.33 over 3D = 1.8 from the toe.
  // E = -0.9 (D 2.4): the same triangle over 1.8 from the heel.
  const Row rows[] = {
      {0.2, 0, 56},  {0.2, 3, 24},         {0.2, 1.5, 40},         {-0.2, 0, 24},
      {-0.2, 3, 56}, {0.9, 0, 400.0 / 3},  {0.9, 0.9, 200.0 / 3},  {0.9, 1.8, 0},
      {0.9, 2.5, 0}, {-0.9, 3, 400.0 / 3}, {-0.9, 2.1, 200.0 / 3}, {-0.9, 0.5, 0},
  };
  for (const Row& x : rows) {
    auto d = Doc(1, 0);
    CAntRes r;
    Sums(r, 120, 30, 3, 1.5 - x.E);
    ASSERT_TRUE(CalcJibanHanryoku(*d, r, 0));
    EXPECT_NEAR(GetJibanHanryokuX(*d, r, x.x), x.q, 1e-9) << "E=" << x.E << " x=" << x.x;
  }
}

TEST(GetJibanHanryokuX, ResultantOnTheToeGivesNoDivisionByZero) {
  // Residential land, |E| = B/2 exactly: Qmax = 4V/B over a triangle of length 0.
  auto d = Doc(1, 4);
  CAntRes r;
  Sums(r, 120, 30, 3, 0);
  ASSERT_TRUE(CalcJibanHanryoku(*d, r, 0));
  ExpectRel(r.Qmax, 160);
  EXPECT_EQ(GetJibanHanryokuX(*d, r, 0), 160);
  EXPECT_EQ(GetJibanHanryokuX(*d, r, 1), 0);
  Sums(r, 120, 30, 3, 3);
  ASSERT_TRUE(CalcJibanHanryoku(*d, r, 0));
  EXPECT_EQ(GetJibanHanryokuX(*d, r, 3), 160);
  EXPECT_EQ(GetJibanHanryokuX(*d, r, 2), 0);
}

// ---- ground spring model ----------------------------------------------------------------------

// Block wall under the large-block guideline; B 2, L 10, H 4.
std::unique_ptr<CDocument> SpringDoc(double blkN, double ae0Back, double ae0Base) {
  auto d = Doc(0, 3);
  d->BlkN = blkN;
  d->SetAE0(0, ae0Back);
  d->SetAE0(1, ae0Base);
  return d;
}

TEST(SpringModel, WithoutBackSpringsItIsTheTrapezoid) {
  // Kt = 0: only the base springs. Bd = sqrt(10 x 2) = 4.47213595,
  // Kv = (Bd / 0.3)^-0.75 x 10000 / 0.3 = 4393.73073, Ks = Kv / 2; the seismic
  // state doubles both. The linear base reaction then carries V at D:
  // V = 198.643, D = 0.803674 (E = 0.196326): toe 157.819513, heel 40.823463.
  struct Row {
    int16_t state;
    double Kv;
  };
  for (const Row& x : {Row{0, 4393.730733079177}, Row{1, 2 * 4393.730733079177}}) {
    auto d = SpringDoc(0.3, 0, 10000);
    CAntRes r;
    Sums(r, 198.642975240, 40.231243825, 2, 0.803674491);
    ASSERT_TRUE(CalcJibanHanryoku(*d, r, x.state));
    ExpectRel(r.Bd, 4.47213595499958);
    ExpectRel(r.Kv, x.Kv);
    ExpectRel(r.Ks, x.Kv / 2);
    EXPECT_EQ(r.Kt, 0);
    ExpectRel(r.Qmax, 157.819512410, 1e-6);
    ExpectRel(r.Qmin, 40.823462830, 1e-6);
    ExpectRel(r.Qv, 198.642975240, 1e-6);
    EXPECT_EQ(r.Qt, 0);
    // Horizontal: the base shear carries all of H.
    ExpectRel(r.dx, -40.231243825 / (x.Kv / 2 * 2), 1e-6);
    ExpectRel(r.Qh, -40.231243825, 1e-9);
    // The reaction at a point follows the same line.
    ExpectRel(GetJibanHanryokuX(*d, r, 1.0), (157.819512410 + 40.823462830) / 2, 1e-6);
    ExpectNoNan(r);
  }
}

TEST(SpringModel, ALiftingToeCarriesNoReaction) {
  // V 200 at D 1.9 on B 2 (E = -0.9): the linear reaction is
  // 100 (1 - 2.7) = -170 at the toe and 100 (1 + 2.7) = 370 at the heel; the
  // springs cannot pull, so the toe shows 0.
  auto d = SpringDoc(0.3, 0, 10000);
  CAntRes r;
  Sums(r, 200, 10, 2, 1.9);
  ASSERT_TRUE(CalcJibanHanryoku(*d, r, 0));
  EXPECT_LT(r.dy, 0);
  EXPECT_EQ(r.Qmax, 0);
  ExpectRel(r.Qmin, 370, 1e-6);
  ExpectRel(r.Qv, 370, 1e-6);  // (0 + 370) x 2 / 2
}

TEST(SpringModel, BackSpringsKeepEquilibriumAndAConsistentContact) {
  // alpha = atan 0.3, Ld = sqrt(4 / cos alpha x 10) = 6.46229263,
  // Kt = (Ld / 0.3)^-0.75 x 5000 / 0.3 = 1666.86231 (normal state).
  // Every result must be one solution: the stored matrix times the stored
  // displacements gives the loads (-H, V, Mr - Mo), l1 + l2 = Lf, and the
  // matrix is that of the stored l2 (also when no contact start makes the face
  // displacement vanish, rows 3 and 4). Where the face displacement does
  // vanish inside the face (rows 1 and 2), the reactions balance the loads:
  // Ks B dx + cos alpha Qt = -H and Qv + sin alpha Qt = V.
  const double a = std::atan(0.3);
  const double Lf = 4 / std::cos(a);
  struct Row {
    double V, H, D;
    bool crossing;
  };
  const Row rows[] = {
      {200, 20, 0.6, true}, {200, 40, 0.7, true}, {200, 80, 0.9, false}, {200, -50, 1.1, false}};
  for (const Row& x : rows) {
    SCOPED_TRACE(x.H);
    auto d = SpringDoc(0.3, 5000, 10000);
    CAntRes r;
    Sums(r, x.V, x.H, 2, x.D);
    ASSERT_TRUE(CalcJibanHanryoku(*d, r, 0));
    ExpectNoNan(r);
    ExpectRel(r.Ld, 6.46229262999148);
    ExpectRel(r.Kt, 1666.8623055009182);
    ExpectRel(r.l1 + r.l2, Lf, 1e-12);
    EXPECT_GE(r.l1, -1e-12);
    EXPECT_LE(r.l1, Lf + 1e-9);
    ExpectRel(r.Ann(0, 1), r.l2 * r.Kt * std::sin(a) * std::cos(a), 1e-9);
    const double u[3] = {r.dx, r.dy, r.thet};
    const double F[3] = {-x.H, x.V, x.V * x.D};
    for (int i = 0; i < 3; ++i) {
      double row = 0;
      for (int j = 0; j < 3; ++j) row += r.Ann(i, j) * u[j];
      EXPECT_NEAR(row, F[i], 1e-6 * (std::fabs(F[i]) + 1)) << i;
    }
    const double face = std::sin(a) * (r.dy + 2 * r.thet) + std::cos(a) * r.dx + r.thet * r.l1;
    if (x.crossing) {
      EXPECT_LT(std::fabs(face), 2e-4);
      EXPECT_NEAR(r.Ks * 2 * r.dx + std::cos(a) * r.Qt, -x.H, 0.02 * std::fabs(x.H));
      EXPECT_NEAR(r.Qv + std::sin(a) * r.Qt, x.V, 0.01 * x.V);
    }
  }
}

TEST(SpringModel, SingularOrMissingInputsAreNotComputable) {
  // No modulus at all: the stiffness matrix is singular (the original run
  // would store zero displacements and zero reactions, and the bearing check
  // would divide by Qv = 0).
  {
    auto d = SpringDoc(0.3, 0, 0);
    CAntRes r;
    Sums(r, 200, 40, 2, 1);
    const StabStatus st = CalcJibanHanryoku(*d, r, 0);
    EXPECT_FALSE(st);
    EXPECT_EQ(r.Qmax, kNullBox);
    EXPECT_EQ(r.Qv, kNullBox);
  }
  // Wall length 0: the converted width would be 0 and Kv infinite.
  {
    auto d = SpringDoc(0.3, 5000, 10000);
    d->WallL = 0;
    CAntRes r;
    Sums(r, 200, 40, 2, 1);
    EXPECT_FALSE(CalcJibanHanryoku(*d, r, 0));
    EXPECT_EQ(r.Qmax, kNullBox);
  }
  // A gravity wall has no block batter: an unset BlkN must not be read.
  {
    auto d = Doc(1, 3);
    test::SetReferenceShape(*d);
    d->SetAE0(0, 0);
    d->SetAE0(1, 10000);
    CAntRes r;
    Sums(r, 198.642975240, 40.231243825, 2, 0.803674491);
    ASSERT_TRUE(CalcJibanHanryoku(*d, r, 0));
    ExpectRel(r.Ld, std::sqrt(4.0 * 10));  // vertical back face
    ExpectRel(r.Qmax, 157.819512410, 1e-6);
  }
}

TEST(SpringModel, SeismicStateDoublesEverySpring) {
  auto d = SpringDoc(0.3, 5000, 10000);
  CAntRes r;
  Sums(r, 200, 20, 2, 0.6);
  ASSERT_TRUE(CalcJibanHanryoku(*d, r, 1));
  ExpectRel(r.Kv, 2 * 4393.730733079177);
  ExpectRel(r.Ks, 4393.730733079177);
  ExpectRel(r.Kt, 2 * 1666.8623055009182);
}

TEST(SpringModel, NoBackFaceEndsTheSearchAtOnce) {
  // A wall of no height has no face to scan: the search would step by 0.
  auto d = SpringDoc(0.3, 5000, 10000);
  d->WallH = 0;
  CAntRes r;
  Sums(r, 200, 20, 2, 0.6);
  r.Kv = 4000;
  r.Ks = 2000;
  r.Kt = 1000;
  double K[3][3], dx = 1, dy = 1, th = 1, l1 = 1, l2 = 1;
  EXPECT_FALSE(CalcJibanHenni(*d, r, K, dx, dy, th, l1, l2));
  EXPECT_EQ(l1, 0);
  EXPECT_EQ(l2, 0);
  EXPECT_FALSE(CalcJibanHanryoku(*d, r, 0));
  EXPECT_EQ(r.Qmax, kNullBox);
}

TEST(SpringModel, BackFacesOfAnyLengthEndTheSearch) {
  // Steps below the tolerance, or too small to move the contact start, end
  // each pass after its 11 starts.
  const std::numeric_limits<double> lim;
  for (double h : {lim.denorm_min(), 1e-300, 1e-9, 1e-5, 1e14, 1e300}) {
    SCOPED_TRACE(h);
    auto d = SpringDoc(0.3, 5000, 10000);
    d->WallH = h;
    CAntRes r;
    Sums(r, 200, 20, 2, 0.6);
    r.Kv = 4000;
    r.Ks = 2000;
    r.Kt = 1000;
    double K[3][3], dx = 0, dy = 0, th = 0, l1 = 0, l2 = 0;
    CalcJibanHenni(*d, r, K, dx, dy, th, l1, l2);
    EXPECT_GE(l1, 0.0);
    EXPECT_GE(l2, 0.0);
  }
}

// ---- sliding
// -------------------------------------------------------------------------------------

TEST(CalcSlide, ResistanceByBaseForm) {
  // V 200, H 50, B 3, mu 0.6, cb 10; phiB 30, phi 35, c 5 under the key.
  const double tb = std::tan(30 * kDeg), tf = std::tan(35 * kDeg);
  struct Row {
    const char* name;
    int32_t wallType, sisin, tokki;
    double E, tokX, keisyaH;
    double Hu, Fs;
    double Q1, Q2, Q3, s1, s2, s3;
  };
  const Row rows[] = {
      {"plain", 1, 0, 0, 0.3, 0, 0, 3 * 10 + 120, 3, 0, 0, 0, 0, 0, 0},
      // Road earthworks: B' = B - 2|E| = 2.4 for either sign.
      {"plain B'", 1, 2, 0, 0.3, 0, 0, 24 + 120, 144.0 / 50, 0, 0, 0, 0, 0, 0},
      {"plain B' neg", 1, 2, 0, -0.3, 0, 0, 24 + 120, 144.0 / 50, 0, 0, 0, 0, 0, 0},
      // Resultant outside the base: no adhesion, friction stays.
      {"plain lifted", 1, 2, 0, 1.6, 0, 0, 120, 120.0 / 50, 0, 0, 0, 0, 0, 0},
      // Key, road earthworks, E 0.25: B' = 2.5, TokX 1, TokB 0.5:
      // s = 1, 0.5, 1; Q = 80, 40, 80; Hu = 120 tan30 + 80 tan35 + 1 x 5.
      {"key road", 1, 2, 1, 0.25, 1.0, 0, 120 * tb + 80 * tf + 5, (120 * tb + 80 * tf + 5) / 50, 80,
       40, 80, 1, 0.5, 1},
      // Key beyond the effective width: s1 = B', s2 = s3 = 0.
      {"key road far", 1, 2, 1, 0.25, 2.8, 0, 200 * tf + 2.5 * 5, (200 * tf + 12.5) / 50, 200, 0, 0,
       2.5, 0, 0},
      // Key, farm roads, E 0.25: reaction 100 at the toe, 33.33 at the heel,
      // 77.78 at the key (x = 1). Hu = (33.33 + 77.78)/2 x 2 tan30
      // + (77.78 + 100)/2 x 1 tan35 + 1 x 5 = 131.3907.
      {"key other", 1, 0, 1, 0.25, 1.0, 0, 131.39069997304372, 2.6278139994608747, 100, 700.0 / 9,
       100.0 / 3, 0, 0, 0},
      // Inclined base, rise 0.3 on B 3: a0 = atan 0.1; V' = V cos a0 + H sin a0
      // = 203.982624, H' = H cos a0 - V sin a0 = 29.8511157;
      // Hu = 3 / cos a0 x 10 + 0.6 V' = 152.539201.
      {"inclined", 1, 0, 0, 0.25, 0, 0.3, 152.53920125919132, 5.11, 0, 0, 0, 0, 0, 0},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    auto d = Doc(x.wallType, x.sisin);
    d->Tokki = x.tokki;
    d->TokX = x.tokX;
    d->TokB = 0.5;
    if (x.keisyaH > 0) {
      d->nKeisya = 0;
      d->KeisyaH = x.keisyaH;
    }
    CAntRes r;
    Sums(r, 200, 50, 3, 1.5 - x.E);
    ASSERT_TRUE(CalcJibanHanryoku(*d, r, 0));
    // Stale key values from an earlier check must not survive.
    r.Q1 = r.Q2 = r.Q3 = r.s1 = r.s2 = r.s3 = 99;
    ASSERT_TRUE(CalcSlide(*d, 0, 0, r));
    ExpectRel(r.Hu, x.Hu);
    ExpectRel(r.Fs, x.Fs);
    EXPECT_EQ(r.Fsa, 1.5);
    ExpectRel(r.Q1, x.Q1);
    ExpectRel(r.Q2, x.Q2);
    ExpectRel(r.Q3, x.Q3);
    ExpectRel(r.s1, x.s1);
    ExpectRel(r.s2, x.s2);
    ExpectRel(r.s3, x.s3);
  }
}

TEST(CalcSlide, PassivePressureAndTheNoForceMarker) {
  struct Row {
    int16_t state;
    double H, Hu, Fs;
  };
  // Plain base, farm roads, V 200, B 3: Hu = 30 + 120 = 150, plus half of
  // Pp (normal 20, seismic 40).
  const Row rows[] = {
      {0, 50, 160, 160.0 / 50}, {1, 50, 170, 170.0 / 50},
      {1, 0.001, 170, -1},  // H at the limit: -1, the passive part still added
      {0, 0, 160, -1},          {0, -20, 160, -1},
  };
  for (const Row& x : rows) {
    auto d = Doc(1, 0);
    d->nJyudo = 1;
    d->SetPp(0, 20);
    d->SetPp(1, 40);
    CAntRes r;
    Sums(r, 200, x.H, 3, 1.5);
    ASSERT_TRUE(CalcSlide(*d, 0, x.state, r));
    ExpectRel(r.Hu, x.Hu);
    EXPECT_EQ(r.Fs, x.Fs);
  }
  // Inclined base with no horizontal force: beta = pi/2, H' = -V sin a0 <= 0.
  auto d = Doc(1, 0);
  d->nKeisya = 0;
  d->KeisyaH = 0.3;
  CAntRes r;
  Sums(r, 200, 0, 3, 1.5);
  ASSERT_TRUE(CalcSlide(*d, 0, 0, r));
  ExpectRel(r.Hu, 149.55408968856136);  // 3 / cos a0 x 10 + 0.6 x 200 cos a0
  EXPECT_EQ(r.Fs, -1);
}

TEST(CalcSlide, InclinedBaseKeepsTheSignOfABackwardPush) {
  // V 100, H -10, rise 0.1 on B 1: a0 = atan 0.1 (cos 0.995037, sin 0.0995037).
  // V' = 100 cos a0 - 10 sin a0 = 98.508682; H' = -10 cos a0 - 100 sin a0
  // = -19.900744: the wall is pushed back, nothing slides forward.
  auto d = Doc(1, 0);
  d->nKeisya = 0;
  d->KeisyaH = 0.1;
  CAntRes r;
  Sums(r, 100, -10, 1, 0.5);
  ASSERT_TRUE(CalcSlide(*d, 0, 0, r));
  // Hu = 1 / cos a0 x 10 + 0.6 V' = 10.049876 + 59.105209 = 69.155085.
  ExpectRel(r.Hu, 69.15508472);
  EXPECT_EQ(r.Fs, -1);
}

TEST(CalcSlide, NoCheckLeavesNoEarlierResult) {
  auto d = Doc(1, 0);
  CAntRes r;
  Sums(r, 200, 50, 3, 1.5);
  ASSERT_TRUE(CalcSlide(*d, 0, 0, r));
  ASSERT_GT(r.Fs, 0);
  d->ChkSlide = 0;
  ASSERT_TRUE(CalcSlide(*d, 0, 0, r));
  EXPECT_EQ(r.Hu, kNullBox);
  EXPECT_EQ(r.Fs, kNullBox);
  EXPECT_EQ(r.Fsa, kNullBox);
  EXPECT_EQ(r.Q1, kNullBox);
  EXPECT_EQ(r.s1, kNullBox);
}

TEST(CalcSlide, UnformableCasesAreReportedNotNan) {
  struct Row {
    const char* name;
    int32_t sisin, tokki;
    double B, E;
  };
  const Row rows[] = {
      {"no base", 0, 0, 0, 0},
      {"key road, resultant on the edge", 2, 1, 3, 1.5},  // B' = 0
      {"key road, resultant outside", 2, 1, 3, -1.7},     // B' < 0
      {"key other, resultant outside", 0, 1, 3, 1.7},     // reaction 1e10
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    auto d = Doc(1, x.sisin);
    d->Tokki = x.tokki;
    d->TokX = 1;
    d->TokB = 0.5;
    CAntRes r;
    Sums(r, 200, 50, x.B, x.B / 2 - x.E);
    CalcJibanHanryoku(*d, r, 0);
    const StabStatus st = CalcSlide(*d, 0, 0, r);
    EXPECT_FALSE(st);
    EXPECT_FALSE(st.reason.empty());
    EXPECT_EQ(r.Hu, kNullBox);
    EXPECT_EQ(r.Fs, kNullBox);
  }
}

}  // namespace
}  // namespace norva

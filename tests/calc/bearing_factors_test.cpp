// Bearing-capacity factor tables, the farm-road chart, the large-block closed
// forms and the road-earthworks fits. Expected values are typed from the
// guidelines' tables and worked out by hand from the formulas.
#include "calc/stability/bearing_factors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace norva {
namespace {

constexpr double kDeg = 0.017453292519943278;

// ---- tables by phi -------------------------------------------------------

struct PhiTable {
  int32_t guideline;
  std::vector<double> phi, nc, nq, ng;
};

TEST(BearingTables, EveryTabulatedValueIsReturnedAtItsAbscissa) {
  const std::vector<PhiTable> tables = {
      {4,
       {0, 5, 10, 15, 20, 25, 28, 32, 36, 40},
       {5.1, 6.5, 8.3, 11.0, 14.8, 20.7, 25.8, 35.5, 50.6, 75.3},
       {1.0, 1.6, 2.5, 3.9, 6.4, 10.7, 14.7, 23.2, 37.8, 64.2},
       {0.0, 0.1, 0.4, 1.1, 2.9, 6.8, 11.2, 22.0, 44.4, 93.7}},
      {5,
       {0, 5, 10, 15, 20, 25, 28, 30, 32, 34, 36, 38, 40},
       {5.1, 6.5, 8.3, 11.0, 14.8, 20.7, 25.8, 30.1, 35.5, 42.2, 50.6, 61.4, 75.3},
       {1.0, 1.6, 2.5, 3.9, 6.4, 10.7, 14.7, 18.4, 23.2, 29.4, 37.8, 48.9, 64.2},
       {0.0, 0.1, 0.4, 1.1, 2.9, 6.8, 11.2, 15.7, 22.0, 31.1, 44.4, 64.1, 93.7}},
      {2,
       {0, 5, 10, 15, 20, 25, 28, 32, 36, 40},
       {5.3, 5.3, 5.3, 6.5, 7.9, 9.9, 11.4, 20.9, 42.2, 95.7},
       {3.0, 3.4, 3.9, 4.7, 5.9, 7.6, 9.1, 16.1, 33.6, 83.2},
       {0.0, 0.0, 0.0, 1.2, 2.0, 3.3, 4.4, 10.6, 30.5, 114.0}},
  };
  for (const auto& t : tables) {
    for (size_t i = 0; i < t.phi.size(); ++i) {
      SCOPED_TRACE(testing::Message() << "guideline " << t.guideline << " phi " << t.phi[i]);
      EXPECT_DOUBLE_EQ(GetNcTable(t.guideline, t.phi[i]), t.nc[i]);
      EXPECT_DOUBLE_EQ(GetNqTable(t.guideline, t.phi[i]), t.nq[i]);
      EXPECT_DOUBLE_EQ(GetNgTable(t.guideline, t.phi[i]), t.ng[i]);
    }
  }
}

TEST(BearingTables, InterpolatesInsideAndHoldsTheEndsOutside) {
  struct Case {
    double (*fn)(int32_t, double);
    int32_t guideline;
    double phi, expected;
  };
  const Case cases[] = {
      {GetNcTable, 4, 30, 30.65},                             // (25.8 + 35.5) / 2
      {GetNcTable, 5, 30, 30.1},                              // tabulated in the canal table
      {GetNqTable, 4, 26.5, 12.7},                            // 10.7 + 4 * 1.5 / 3
      {GetNgTable, 5, 33, 26.55},                             // (22.0 + 31.1) / 2
      {GetNqTable, 5, 45, 64.2},                              // above the last abscissa
      {GetNgTable, 0, 40, 114.0},                             // fallback table, last value
      {GetNgTable, 3, 60, 114.0},  {GetNcTable, 4, -5, 5.1},  // below the first abscissa
      {GetNqTable, 2, 7.5, 3.65},                             // (3.4 + 3.9) / 2
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "guideline " << c.guideline << " phi " << c.phi);
    EXPECT_NEAR(c.fn(c.guideline, c.phi), c.expected, 1e-12);
  }
}

TEST(BearingTables, InterpTableSingleEntryAndEmpty) {
  const double xs[] = {10.0};
  const double ys[] = {3.0};
  EXPECT_EQ(InterpTable(5, xs, ys), 3.0);
  EXPECT_EQ(InterpTable(15, xs, ys), 3.0);
  EXPECT_EQ(InterpTable(1, std::span<const double>(), std::span<const double>()), 0.0);
}

// ---- farm-road chart -------------------------------------------------------

// One cell per row and per column of each kind: both diagonals.
TEST(FarmRoadChart, DiagonalCellsOfEveryKind) {
  // [kind][i] = value at (phi = 5 i, theta = 5 i) and at (phi = 5 i, theta = 40 - 5 i)
  const double diag[3][9] = {{5.1, 5.8, 6.4, 6.9, 7.4, 7.7, 7.8, 7.9, 7.8},
                             {1.0, 1.2, 1.5, 1.5, 2.1, 2.4, 2.8, 3.1, 3.4},
                             {0.0, 0.1, 0.2, 0.3, 0.3, 0.4, 0.4, 0.5, 0.5}};
  const double anti[3][9] = {{5.1, 3.4, 3.4, 4.4, 7.4, 12.4, 21.3, 38.6, 75.2},
                             {1.0, 1.2, 1.5, 1.5, 2.1, 6.1, 12.9, 27.9, 64.2},
                             {0.0, 0.1, 0.2, 0.3, 0.3, 2.2, 7.5, 24.4, 86.5}};
  for (int16_t kind = 0; kind < 3; ++kind) {
    for (int i = 0; i < 9; ++i) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << " row " << i);
      EXPECT_NEAR(GetNKeisyaTable(kind, 5 * i * kDeg, 5.0 * i), diag[kind][i], 1e-12);
      EXPECT_NEAR(GetNKeisyaTable(kind, (40 - 5 * i) * kDeg, 5.0 * i), anti[kind][i], 1e-12);
    }
  }
}

TEST(FarmRoadChart, FirstAndLastColumnOfEveryRow) {
  const double first[3][9] = {{5.1, 6.5, 8.3, 11.0, 14.8, 20.7, 30.1, 46.1, 75.2},
                              {1.0, 1.6, 2.5, 3.9, 6.4, 10.7, 18.4, 33.3, 64.2},
                              {0.0, 0.2, 0.6, 1.4, 3.2, 6.9, 15.3, 35.2, 86.5}};
  const double last[3][9] = {{5.1, 3.4, 3.4, 3.2, 4.2, 4.0, 3.7, 5.3, 7.8},
                             {1.0, 1.2, 1.5, 1.5, 2.1, 2.4, 2.8, 3.1, 3.4},
                             {0.0, 0.1, 0.2, 0.3, 0.3, 0.4, 0.4, 0.5, 0.5}};
  for (int16_t kind = 0; kind < 3; ++kind) {
    for (int i = 0; i < 9; ++i) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << " row " << i);
      EXPECT_NEAR(GetNKeisyaTable(kind, 0.0, 5.0 * i), first[kind][i], 1e-12);
      EXPECT_NEAR(GetNKeisyaTable(kind, 40 * kDeg, 5.0 * i), last[kind][i], 1e-12);
    }
  }
}

TEST(FarmRoadChart, KnownOddCellIsKept) {
  EXPECT_DOUBLE_EQ(GetNKeisyaTable(2, 15 * kDeg, 30), 7.9);
  EXPECT_DOUBLE_EQ(GetNKeisyaTable(2, 10 * kDeg, 30), 7.5);
}

TEST(FarmRoadChart, InterpolationAndEnds) {
  struct Case {
    int16_t kind;
    double thetaDeg, phi, expected;
  };
  const Case cases[] = {
      {0, 7.5, 30, 23.45},                        // (25.6 + 21.3) / 2
      {1, 2.0, 35, 31.14},                        // 33.3 + 2/5 (27.9 - 33.3)
      {2, 37.0, 40, 1.52},                        // 2.2 + 2/5 (0.5 - 2.2)
      {0, 33.0, 0, 5.1},                          // phi 0 row is flat
      {0, 55.0, 30, 3.7},                         // beyond 40 degrees: last column
      {1, 90.0, 40, 3.4},   {0, -5.0, 30, 30.1},  // load inclined the other way: vertical value
      {2, -20.0, 40, 86.5}, {0, 0.0, 45, 75.2},   // no row beyond 40 degrees: the 40 row
      {1, 10.0, 60, 42.4},  {2, 0.0, -5, 0.0},    // below 0: the 0 row
      {0, 0.0, 39.9, 75.2},                       // row index Fix(phi / 5 + 0.1) = 8
      {0, 0.0, 39.4, 46.1},                       // row index 7
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "kind " << c.kind << " theta " << c.thetaDeg << " phi " << c.phi);
    EXPECT_NEAR(GetNKeisyaTable(c.kind, c.thetaDeg * kDeg, c.phi), c.expected, 1e-9);
  }
  EXPECT_EQ(GetNKeisyaTable(3, 0.0, 30), 0.0);
  EXPECT_EQ(GetNKeisyaTable(-1, 0.0, 30), 0.0);
}

// ---- large-block closed forms ----------------------------------------------

TEST(LargeBlockTheory, ClassicalValuesAndInclinedLoad) {
  struct Case {
    double phiDeg, thetaDeg, omegaDeg, nc, nq, ng;
  };
  // phi 30, theta 0, omega 45 + phi/2 is the Prandtl-Reissner mechanism:
  // Nq = e^(pi tan30) tan^2(60) = 18.401, Nc = (Nq - 1) cot30 = 30.140.
  const Case cases[] = {
      {30, 0, 60, 30.1396, 18.4011, 30.3819},
      {30, 10, 70, 21.5295, 13.1037, 17.3335},
  };
  for (const auto& c : cases) {
    double nc = 0, nq = 0, ng = 0;
    ASSERT_TRUE(CalcNTheory(c.phiDeg * kDeg, c.thetaDeg * kDeg, c.omegaDeg * kDeg, nc, nq, ng));
    EXPECT_NEAR(nc, c.nc, 1e-4);
    EXPECT_NEAR(nq, c.nq, 1e-4);
    EXPECT_NEAR(ng, c.ng, 1e-4);
  }
}

TEST(LargeBlockTheory, ZeroFrictionTakesTheLimit) {
  // phi = 0, theta = 0: D = 1, Nc = tan w + 3 pi/2 - 2 w + 1, Nq = 1, Ngamma = 0.
  // At w = pi/4 this is pi + 2 (Prandtl's 5.14).
  const double pi = 3.14159265358979;
  for (double w : {pi / 4, pi / 3, 0.2}) {
    double nc = -1, nq = -1, ng = -1;
    ASSERT_TRUE(CalcNTheory(0.0, 0.0, w, nc, nq, ng));
    EXPECT_NEAR(nc, std::tan(w) + 1.5 * pi - 2 * w + 1, 1e-12);
    EXPECT_NEAR(nq, 1.0, 1e-12);
    EXPECT_NEAR(ng, 0.0, 1e-12);
    // Continuous with a tiny friction angle.
    double nc2 = 0, nq2 = 0, ng2 = 0;
    ASSERT_TRUE(CalcNTheory(1e-9, 0.0, w, nc2, nq2, ng2));
    EXPECT_NEAR(nc2, nc, 1e-6);
    EXPECT_NEAR(nq2, nq, 1e-6);
    EXPECT_NEAR(ng2, ng, 1e-6);
  }
  double nc = 0, nq = 0, ng = 0;
  EXPECT_NEAR((CalcNTheory(0.0, 0.0, 3.14159265358979 / 4, nc, nq, ng), nc), 3.14159265358979 + 2,
              1e-12);
}

TEST(LargeBlockTheory, VanishingDivisorIsReported) {
  // omega = pi/2 + phi makes sin(eps) = 0.
  double nc = 0, nq = 0, ng = 0;
  const double phi = 30 * kDeg;
  EXPECT_FALSE(CalcNTheory(phi, 0.0, 3.14159265358979 / 2 + phi, nc, nq, ng));
}

// ---- road-earthworks fits --------------------------------------------------

TEST(RoadFits, VerticalLoadAtThirtyDegrees) {
  EXPECT_NEAR(GetNcKeisya(0, 30), 30.0798, 1e-4);         // 10^1.478275518
  EXPECT_NEAR(GetNgKeisya(0, 30), 14.5014, 1e-4);         // 10^1.161410256
  EXPECT_NEAR(GetNqKeisya(0, 30, 18, 0), 18.8400, 1e-4);  // 10^1.27508
}

// Each phi step at x = 0.2 exercises every coefficient of its row:
// 10^(a0 + 0.2 a1 + 0.04 a2 + 0.008 a3 + 0.0016 a4 + 0.00032 a5).
TEST(RoadFits, EveryStepCurveAtAnInclination) {
  const double x = 0.2;
  const double nc[10] = {3.786502924, 4.910025784, 6.202080853, 8.301539327, 10.7915487,
                         14.44952605, 20.65787307, 31.13367144, 49.14181747, 79.48142268};
  const double nq[10] = {0.0,         0.7687897776, 1.320179522, 2.870810776, 4.483675525,
                         7.554617661, 13.50001635,  22.85369276, 41.36840306, 81.70326537};
  // Steps 5 and 10 lie below the Ngamma boundary at x = 0.2.
  const double ng[10] = {1.0,         0.0,         0.0,        0.4842893237, 1.26563332,
                         2.957433025, 6.285462184, 14.8154722, 36.12476523,  87.98312015};
  for (int k = 0; k < 10; ++k) {
    SCOPED_TRACE(testing::Message() << "phi step " << 5 * k);
    EXPECT_NEAR(GetNcKeisyaPhi(x, 5.0 * k), nc[k], 1e-9 * nc[k] + 1e-12);
    EXPECT_NEAR(GetNqKeisyaPhi(x, 5.0 * k), nq[k], 1e-9 * nq[k] + 1e-12);
    EXPECT_NEAR(GetNgKeisyaPhi(x, 5.0 * k), ng[k], 1e-9 * ng[k] + 1e-12);
  }
}

TEST(RoadFits, LeadingCoefficientsAtVerticalLoad) {
  const double a0nc[10] = {0.701541245, 0.822105179, 0.924428843, 1.041815722, 1.172305279,
                           1.323944745, 1.478275518, 1.710222886, 1.889707169, 2.144687279};
  const double a0nq[10] = {0,      0.22289, 0.414421059, 0.622275046, 0.8106,
                           1.0512, 1.27508, 1.524828438, 1.848149989, 2.12436692};
  const double a0ng[10] = {0,           -0.80975,    -0.284285714, 0.118041958, 0.488579545,
                           0.808618881, 1.161410256, 1.532746849,  1.942425181, 2.318155091};
  for (int k = 0; k < 10; ++k) {
    SCOPED_TRACE(testing::Message() << "phi step " << 5 * k);
    EXPECT_NEAR(std::log10(GetNcKeisyaPhi(0, 5.0 * k)), a0nc[k], 1e-12);
    if (k > 0) {
      EXPECT_NEAR(std::log10(GetNqKeisyaPhi(0, 5.0 * k)), a0nq[k], 1e-12);
    }
    EXPECT_NEAR(std::log10(GetNgKeisyaPhi(0, 5.0 * k)), a0ng[k], 1e-12);
  }
  EXPECT_EQ(GetNqKeisyaPhi(0, 0), 0.0);  // no Nq curve at phi 0
}

TEST(RoadFits, CurvesEndAtTheirCutOffsAndBoundaries) {
  struct Case {
    double (*fn)(double, double);
    double x, step;
    bool zero;
  };
  const Case cases[] = {
      // The step-10 and step-25 polynomials swing back above the boundary
      // curve at steep inclinations (10^a = 30.2 and 4.2 against 2.96 and
      // 2.91 at x = 1.0 and 1.1); the charts end those curves at 0.6 and 0.9.
      {GetNcKeisyaPhi, 0.5, 10, false},   {GetNcKeisyaPhi, 1.0, 10, true},
      {GetNcKeisyaPhi, 0.8, 25, false},   {GetNcKeisyaPhi, 1.1, 25, true},
      {GetNcKeisyaPhi, 0.400, 0, false},  {GetNcKeisyaPhi, 0.403, 0, true},  // boundary curve
      {GetNcKeisyaPhi, 0.467, 5, false},  {GetNcKeisyaPhi, 0.469, 5, true},
      {GetNgKeisyaPhi, 0.083, 5, false},  {GetNgKeisyaPhi, 0.085, 5, true},
      {GetNgKeisyaPhi, 0.172, 10, false}, {GetNgKeisyaPhi, 0.174, 10, true},
      {GetNcKeisyaPhi, 0.0, 12.5, true},  {GetNgKeisyaPhi, 0.0, 12.5, false},  // not a step
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "x " << c.x << " step " << c.step);
    EXPECT_EQ(c.fn(c.x, c.step) == 0.0, c.zero);
  }
  EXPECT_NEAR(GetNgKeisyaPhi(0.0, 12.5), 1.0, 1e-15);  // log value 0
}

TEST(RoadFits, BoundaryCurvesAtZero) {
  EXPECT_NEAR(NqKeisyaPoly(0), 1.07785, 1e-5);   // 10^0.03256
  EXPECT_NEAR(NcKeisyaPoly(0), 0.106719, 1e-6);  // 10^-0.971759468
  EXPECT_NEAR(NgKeisyaPoly(0), 0.046356, 1e-6);  // 10^-1.333898533
  // At x = 1 every coefficient counts: 10^(sum of the row).
  EXPECT_NEAR(std::log10(NcKeisyaPoly(1)), 0.471225031, 1e-9);
  EXPECT_NEAR(std::log10(NgKeisyaPoly(1)), -0.146597448, 1e-9);
  EXPECT_NEAR(std::log10(NqKeisyaPoly(1)), 0.61, 1e-9);
}

TEST(RoadFits, InterpolationInPhi) {
  // phi 2.5, x 0: Ngamma halfway between 1 and 10^-0.80975 = 0.154961.
  EXPECT_NEAR(GetNgKeisya(0, 2.5), 0.577485, 1e-6);
  // phi 7, x 0: Nq (c <= 0) = 1.670860 + 2/5 (2.596706 - 1.670860).
  EXPECT_NEAR(GetNqKeisya(0, 7, 10, 0), 2.041079, 1e-6);
  // phi 50 extrapolates the 40-45 segment: 2 * 10^2.144687279 - 10^1.889707169.
  EXPECT_NEAR(GetNcKeisya(0, 50), 201.500259, 1e-5);
  // phi 42: 40 % of the way from step 40 to step 45.
  const double n40 = std::pow(10.0, 1.889707169), n45 = std::pow(10.0, 2.144687279);
  EXPECT_NEAR(GetNcKeisya(0, 42), n40 + 0.4 * (n45 - n40), 1e-9);
}

TEST(RoadFits, NqLimitCurves) {
  // Y_k(0) = b0 of curve k.
  const double b0[5] = {0.34796556, 0.246071618, 0.211741, 0.167918648, 0.154155343};
  EXPECT_NEAR(GetNqKeisyaLimit(1.5, 1.5), 0.228906309, 1e-12);  // (Y1 + Y2) / 2 at L = 0
  EXPECT_NEAR(GetNqKeisyaLimit(1.5, 0.0), b0[0], 1e-12);
  EXPECT_NEAR(GetNqKeisyaLimit(1.5, 3.25), b0[3] + 0.25 * (b0[4] - b0[3]), 1e-12);
  EXPECT_NEAR(GetNqKeisyaLimit(1.5, 4.0), b0[4], 1e-12);
  EXPECT_NEAR(GetNqKeisyaLimit(1.5, 12.0), b0[4], 1e-12);
  // L = 1: Y1(1) = sum of row 1 = -1.233390786, Y2(1) = -1.094999607.
  EXPECT_NEAR(GetNqKeisyaLimit(18.84, 1.0), -1.233390786, 1e-9);
  EXPECT_NEAR(GetNqKeisyaLimit(18.84, 1.8), -1.233390786 + 0.8 * 0.138391179, 1e-9);
  // L = 2 (Nq = 100): Y0(2) = 0.34796556 + 0.35679652 + 7.255919476 + 5.117477008
  //                         - 236.0119426 + 438.8470771.
  EXPECT_NEAR(GetNqKeisyaLimit(100.0, 0.0), 215.913293124, 1e-6);
}

// Each curve at L = 1 (the sum of its coefficients) and L = 2 (sum of b_i 2^i),
// read at whole ratios r = k, where the limit is Y_k itself.
TEST(RoadFits, EveryLimitCurveAtLOneAndTwo) {
  const double y1[5] = {1.943253065, -1.233390786, -1.094999607, 0.33289026, 6.244042539};
  const double y2[5] = {215.9132931, 74.14832931, -8.839752072, 58.21919607, 416.0298465};
  for (int k = 0; k < 5; ++k) {
    SCOPED_TRACE(testing::Message() << "curve " << k);
    EXPECT_NEAR(GetNqKeisyaLimit(18.84, k), y1[k], 1e-8);  // log10 18.84 -> L = 1
    EXPECT_NEAR(GetNqKeisyaLimit(100.0, k), y2[k], 1e-6);  // L = 2
  }
}

TEST(RoadFits, NqOnCohesiveGround) {
  struct Case {
    double x, phi, q, c, expected;
  };
  const Case cases[] = {
      // phi 7, q/c = 1: Nq at x = 0 is 2.041079 (L = 0), limit Y1(0) = 0.246072.
      {0.0, 7, 10, 10, 2.041079},
      {0.24, 7, 10, 10, 0.651626},
      {0.25, 7, 10, 10, 0.0},
      // phi below 5: no Nq on cohesive ground whatever the load.
      {0.0, 4.9, 10, 10, 0.0},
      {0.0, 0.0, 0, 10, 0.0},
      // Cohesionless: the Nq boundary 10^(0.03256 + 0.99368 x - 0.41624 x^2) applies.
      {0.0, 30, 0, 0, 18.839961},
      {0.0, 2, 0, 0, 0.0},  // Nq 0.668 below the boundary 1.078
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "x " << c.x << " phi " << c.phi << " q " << c.q << " c " << c.c);
    EXPECT_NEAR(GetNqKeisya(c.x, c.phi, c.q, c.c), c.expected, 1e-6);
  }
}

TEST(RoadFits, LoadInclinedTheOtherWayReadsTheVerticalCurves) {
  // Raw fits at x = -0.2, phi 30 would give Nq 1127, Nc 22.7, Ngamma 8.77.
  EXPECT_NEAR(GetNqKeisya(-0.2, 30, 0, 0), 18.839961, 1e-6);
  EXPECT_NEAR(GetNcKeisya(-0.2, 30), 30.079840, 1e-6);
  EXPECT_NEAR(GetNgKeisya(-0.2, 30), 14.501411, 1e-6);
  EXPECT_NEAR(GetNqKeisya(-0.5, 7, 10, 10), 2.041079, 1e-6);
}

// With log10 Nq rounding to 1 (Nq between about 3.2 and 31.6) the limit curves
// are negative for q/c between about 0.6 and 2.8, so a purely vertical load
// loses its Nq term altogether.
TEST(RoadFits, NqLimitAtLOneDropsVerticalLoad) {
  // phi 30, c 10, q 18: Nq = 18.84, L = 1, r = 1.8, limit -1.1227 < 0.
  EXPECT_EQ(GetNqKeisya(0.0, 30, 18, 10), 0.0);
  // Same ground at q/c = 0.5 (limit above 0): the term stays.
  // Y0(1) = 1.943253065 and Y1(1) = -1.233390786: limit at r 0.5 = 0.354931140.
  EXPECT_NEAR(GetNqKeisyaLimit(18.84, 0.5), 0.354931140, 1e-8);
  EXPECT_NEAR(GetNqKeisya(0.0, 30, 5, 10), 18.839961, 1e-6);
}

}  // namespace
}  // namespace norva

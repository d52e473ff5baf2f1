// Water pressure, uplift, load-case defaults and seismic coefficients.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/stability/load_defaults.h"
#include "calc/stability/water.h"
#include "document/document.h"
#include "document/load_case.h"

namespace norva {
namespace {

// ---- water pressure ---------------------------------------------------------------------

TEST(CalcSuiatsu, TrianglesAndTheLowerWallTrapezoid) {
  // Outline with the top of a mixed wall's lower part (point 10) at y = 2.
  KutaiPoints p{};
  p[0] = {0, 0};
  p[4] = {3, 0};
  p[10] = {1, 2};
  struct Row {
    int32_t wallType;
    int16_t part;
    double hf, hb, y0;
    double Pwf, Pwfy, Pwb, Pwby;
  };
  const Row rows[] = {
      {1, 0, 2, 2, 0, 0, 0, 0, 0},         // equal levels: nothing
      {1, 0, 2, 2.000001, 0, 0, 0, 0, 0},  // equal within 1e-5
      {0, 0, 0, 0, 0, 0, 0, 0, 0},
      {1, 0, 0, 3, 0, 0, 0, 44.1, 1.0},  // 3^2 x 9.8 / 2 at 1
      {2, 0, 1, 3, 0, 4.9, 1.0 / 3, 44.1, 1.0},
      {1, 0, 0, 3, 1, 0, 0, 19.6, 2.0 / 3},  // heads above y0 = 1
      {3, 0, 0, 1.5, 0, 0, 0, 0, 0},         // upper wall: water below its foot
      {3, 0, 0, 3, 0, 0, 0, 4.9, 1.0 / 3},   // 1 m above the foot at y 2
      // Lower wall, water 1 m above its top: 9.8 .. 29.4 over 2 m = 39.2; its
      // moment 44.1 x 1 - 4.9 x (2 + 1/3) gives the height 0.833333.
      {3, 1, 0, 3, 0, 0, 0, 39.2, 32.666666666666667 / 39.2},
      {3, 1, 1, 3, 0, 4.9, 1.0 / 3, 39.2, 32.666666666666667 / 39.2},
      {3, 1, 0, 3, 2, 0, 0, 0, 0},  // reference at the top: nothing
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(::testing::Message()
                 << x.wallType << "/" << x.part << " " << x.hf << " " << x.hb << " " << x.y0);
    CDocument d;
    d.SetWallType(x.wallType);
    d.Gamw = 9.8;
    double Pwf = -1, Pwfy = -1, Pwb = -1, Pwby = -1;
    EXPECT_EQ(CalcSuiatsu(d, p, x.hf, x.hb, x.part, x.y0, Pwf, Pwfy, Pwb, Pwby), 0);
    EXPECT_NEAR(Pwf, x.Pwf, 1e-9);
    EXPECT_NEAR(Pwfy, x.Pwfy, 1e-9);
    EXPECT_NEAR(Pwb, x.Pwb, 1e-9);
    EXPECT_NEAR(Pwby, x.Pwby, 1e-9);
  }
}

TEST(CalcYouatsu, TrapezoidUnderTheBase) {
  KutaiPoints p{};
  p[0] = {0, 0};
  p[4] = {3, 0};
  struct Row {
    double hf, hb, V, V1, V2, Xc;
  };
  const Row rows[] = {
      {0, 2, 29.4, 0, 19.6, 2.0},
      {1, 2, 44.1, 9.8, 19.6, 49.0 / 29.4},  // (2 x 19.6 + 9.8) / 29.4 x 1
      {2, 2, 58.8, 19.6, 19.6, 1.5},
      {0, 0, 0, 0, 0, 0},
      {-1, -2, 0, 0, 0, 0},
  };
  CDocument d;
  d.SetWallType(1);
  d.Gamw = 9.8;
  for (const Row& x : rows) {
    double V, V1, V2, Xc;
    CalcYouatsu(d, p, x.hf, x.hb, V, V1, V2, Xc);
    EXPECT_NEAR(V, x.V, 1e-9);
    EXPECT_NEAR(V1, x.V1, 1e-9);
    EXPECT_NEAR(V2, x.V2, 1e-9);
    EXPECT_NEAR(Xc, x.Xc, 1e-9);
  }
}

// ---- load-case defaults -------------------------------------------------------------------

CKajyuCase Case(int16_t quake, int16_t crash, int16_t stone, int16_t wind) {
  CKajyuCase k;
  k.nQuake = quake;
  k.nAutoCrash = crash;
  k.nStoneCrash = stone;
  k.nWind = wind;
  return k;
}

TEST(LoadDefaults, AllowablesByGuidelineWallTypeAndCase) {
  struct Row {
    int32_t sisin, wallType;
    CKajyuCase k;
    double Ea, FsT, FsK, QaP, AllowP;
  };
  const Row rows[] = {
      {0, 1, Case(0, 0, 0, 0), 6, 1.5, 1.5, 1.0, 1.0},
      {0, 1, Case(1, 0, 0, 0), 3, 1.2, 1.2, 1.5, 1.5},
      {0, 1, Case(2, 0, 0, 0), 6, 1.5, 1.5, 1.0, 1.0},  // nQuake 2: a normal case
      {2, 1, Case(0, 0, 0, 1), 3, 1.2, 1.2, 1.5, 1.25},
      {2, 2, Case(0, 0, 0, 0), 0, 1.5, 1.5, 1.0, 1.0},  // road earthworks, leaning wall
      {2, 2, Case(0, 1, 0, 0), 6, 1.2, 1.2, 1.5, 1.5},
      {4, 1, Case(0, 0, 0, 0), 6, 1.5, 1.5, 1.0, 1.0},
      {4, 2, Case(0, 0, 1, 0), 2, 1.0, 1.0, 1.5, 1.5},
      {3, 0, Case(1, 0, 0, 1), 3, 1.2, 1.2, 1.5, 1.5},  // quake and wind: 1.5
      {5, 1, Case(0, 0, 0, 1), 3, 1.2, 1.2, 1.5, 1.25},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(::testing::Message() << x.sisin << "/" << x.wallType);
    EXPECT_EQ(GetDefEa(x.wallType, x.sisin, x.k), x.Ea);
    EXPECT_EQ(GetDefFsTentou(x.sisin, x.k), x.FsT);
    EXPECT_EQ(GetDefFsKatsudou(x.sisin, x.k), x.FsK);
    EXPECT_EQ(GetDefQaPremium(x.k), x.QaP);
    EXPECT_EQ(GetDefAllowPremium(x.k), x.AllowP);
  }
}

TEST(LoadDefaults, BearingSafetyFactorByGuideline) {
  struct Row {
    int32_t sisin;
    int16_t kibo, nQa;
    CKajyuCase k;
    double QuP;
  };
  const Row rows[] = {
      {0, 0, 0, Case(0, 0, 0, 0), 3},   {0, 0, 0, Case(1, 0, 0, 0), 2},
      {2, 0, 0, Case(0, 1, 0, 0), 2},   {3, 0, 0, Case(0, 0, 1, 0), 2},
      {4, 0, 0, Case(1, 0, 0, 0), 1.5}, {4, 1, 0, Case(1, 0, 0, 0), 1.0},
      {5, 0, 0, Case(0, 0, 0, 1), 1.5}, {5, 0, 1, Case(0, 0, 0, 1), 2},
      {5, 0, 1, Case(0, 0, 0, 0), 3},
  };
  for (const Row& x : rows) {
    CDocument d;
    d.Sisin = x.sisin;
    d.Kibo = x.kibo;
    d.nQa = x.nQa;
    EXPECT_EQ(GetDefQuPremium(d, x.k), x.QuP) << x.sisin << "/" << x.kibo << "/" << x.nQa;
  }
}

TEST(SeismicCoefficients, StandardRegionalDesignAndShearWave) {
  struct Kh0Row {
    int32_t sisin;
    int16_t cls, level;
    double kh0;
  };
  const Kh0Row kh0[] = {
      {0, 0, 0, 0.12}, {2, 1, 0, 0.15}, {3, 2, 0, 0.18}, {2, 3, 0, 0},    {2, 0, 1, 0.16},
      {0, 1, 1, 0.20}, {3, 2, 1, 0.24}, {5, 0, 0, 0.16}, {5, 2, 0, 0.24}, {5, 3, 0, 0},
      {4, 0, 0, 0.2},  {4, 7, 1, 0.2},  {1, 0, 0, 0},
  };
  for (const Kh0Row& x : kh0)
    EXPECT_EQ(GetKh0(x.sisin, x.cls, x.level), x.kh0) << x.sisin << "/" << x.cls << "/" << x.level;

  EXPECT_EQ(GetCz(0), 1.0);
  EXPECT_EQ(GetCz(1), 0.85);
  EXPECT_EQ(GetCz(2), 0.7);
  EXPECT_EQ(GetCz(3), 0);

  struct KhRow {
    int32_t sisin;
    double cz;
    int16_t cls;
    double canal;
    int16_t level;
    double kh;
  };
  const KhRow kh[] = {
      {2, 0.85, 1, 1, 0, 0.13},                               // 0.1275 rounds up
      {4, 0.7, 0, 1, 0, 0.14},    {5, 0.85, 0, 0.5, 0, 0.1},  // 0.068, at least 0.1
      {5, 1.0, 2, 0.75, 0, 0.18}, {0, 1.0, 2, 1, 1, 0.24},   {0, 0.7, 0, 1, 0, 0.1},  // 0.084
      {3, 0.85, 2, 1, 1, 0.2},                                                        // 0.204
      {2, 0.85, 2, 1, 0, 0.15},                                                       // 0.153
  };
  for (const KhRow& x : kh)
    EXPECT_NEAR(GetKh(x.sisin, x.cz, x.cls, x.canal, x.level), x.kh, 1e-12)
        << x.sisin << " " << x.cz << " " << x.cls;

  struct VsRow {
    int32_t N;
    int16_t kind;
    double vs;
  };
  const VsRow vs[] = {
      {0, 0, 80},
      {0, 1, 100},
      {8, 0, 160},
      {8, 1, 200},
      {27, 1, 100 * std::cbrt(25.0)},
      {60, 0, 80 * std::cbrt(50.0)},
      {27, 0, 240},
  };
  for (const VsRow& x : vs) EXPECT_NEAR(GetVs(x.N, x.kind), x.vs, 1e-9) << x.N << "/" << x.kind;
}

}  // namespace
}  // namespace norva

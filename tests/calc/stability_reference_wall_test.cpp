// A rectangular gravity wall on level ground taken through the steps of one
// load case: body weight, Coulomb thrust, force sums, overturning, ground
// reaction and sliding, in a normal and a seismic case.
//
// Hand calculation (wall 2 m wide, 4 m high, gamma_c 23; backfill phi 30,
// gamma 18, horizontal; vertical back face; mu 0.6, no adhesion):
//   W = 2 x 4 x 23 = 184 at x = 1, y = 2.
//   Normal (delta 20): Ka = cos^2 30 / (cos 20 (1 + sqrt(sin 50 sin 30 / cos 20))^2)
//     = 0.297313857; Pa = 18 x 4^2 / 2 x Ka = 42.8131954 at y = 4/3, x = 2;
//     Pah = Pa cos 20 = 40.2312438, Pav = Pa sin 20 = 14.6429752.
//   Seismic (delta 15, kh 0.2 for body and backfill, theta = atan 0.2):
//     Ka = cos^2(30 - theta) / (cos theta cos(15 + theta)
//          (1 + sqrt(sin 45 sin(30 - theta) / cos(15 + theta)))^2) = 0.452032249;
//     Pa = 65.0926438, Pah = 62.8746658, Pav = 16.8472159; inertia 0.2 x 184
//     = 36.8 at y = 2.
//   SumV = 184 + Pav, SumH = Pah (+ 36.8), Mr = 184 x 1 + Pav x 2,
//   Mo = Pah x 4/3 (+ 36.8 x 2), D = (Mr - Mo) / SumV, E = 1 - D,
//   q = SumV / 2 (1 +- 6E / 2) when |E| < 1/3, else 2 SumV / (3 (1 - |E|)),
//   Fm = Mr / Mo, Hu = 0.6 SumV, Fs = Hu / SumH.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "calc/earth_pressure/doatsu.h"
#include "calc/reference_wall.h"
#include "calc/stability/force_sum.h"
#include "calc/stability/stability_checks.h"
#include "calc/stability/water.h"
#include "calc/stability/weight_polygons.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/weight.h"

namespace norva {
namespace {

void ExpectSig(double actual, double expected) {
  // Five significant figures and better.
  EXPECT_NEAR(actual, expected, std::fabs(expected) * 2e-7 + 1e-9);
}

std::unique_ptr<CDocument> ReferenceWall() {
  auto d = std::make_unique<CDocument>();
  test::SetReferenceShape(*d);
  test::SetReferenceGround(*d);
  d->Gamcw = 23;
  d->Gamcf = 23;
  d->Gamw = 9.8;
  d->Doatsu = 0;
  d->bQuake = -1;
  d->nWater = 0;
  d->Myu = 0.6;
  d->cb = 0;
  d->ChkSlide = 1;
  d->nJyudo = 0;
  d->nQa = 0;
  test::SetReferenceCases(*d, true);
  return d;
}

struct Expected {
  int caseIndex;
  double Pa, Pah, Pav, V, H, Mr, Mo, D, E, Ea, Qmax, Qmin, Fm, Fs;
};

TEST(ReferenceWall, NormalAndSeismicCasesByHand) {
  const Expected table[] = {
      {0, 42.813195438, 40.231243825, 14.642975240, 198.642975240, 40.231243825, 213.285950480,
       53.641658433, 0.803674491, 0.196325509, 2.0 / 6, 157.819512410, 40.823462830, 3.976125211,
       2.962518029},
      {1, 65.092643836, 62.874665782, 16.847215921, 200.847215921, 99.674665782, 217.694431842,
       157.432887710, 0.300036741, 0.699963259, 2.0 / 3, 446.272491293, 0.0, 1.382776083,
       1.209016640},
  };
  auto d = ReferenceWall();
  KutaiPoints p{};
  DPoint c1, c2;
  MakeKutaiOutline(*d, p, c1, c2, 0);
  WeightPtr w0, w1;
  MakeKutaiGrw(*d, p, 0, w0, w1);
  ASSERT_TRUE(w0);
  EXPECT_FALSE(w1);
  ExpectSig(w0->w(), 184);
  ExpectSig(w0->Xc(), 1);
  ExpectSig(w0->Yc(), 2);
  d->SetKutaiW1(0, w0);
  d->SetKutaiW1(1, w1);

  for (const Expected& x : table) {
    SCOPED_TRACE(x.caseIndex);
    const int16_t s = static_cast<int16_t>(d->pCase(x.caseIndex)->Doat);
    CAntRes& r = *d->AntRes(0, x.caseIndex);
    ASSERT_TRUE(CalcDoatsuCase(*d, x.caseIndex, p, s, 0, r));
    CalcSuiatsu(*d, p, 0, 0, 0, 0, r.Pwf, r.Pwfy, r.Pwb, r.Pwby);
    ASSERT_TRUE(CalcForceSum(*d, x.caseIndex, s, p, c1, c2, r));
    ASSERT_TRUE(CalcTentou(*d, x.caseIndex, r));
    ASSERT_TRUE(CalcJibanHanryoku(*d, r, s));
    ASSERT_TRUE(CalcSlide(*d, x.caseIndex, s, r));

    ExpectSig(r.Pa, x.Pa);
    ExpectSig(r.Pah, x.Pah);
    ExpectSig(r.Pav, x.Pav);
    ExpectSig(r.Pay, 4.0 / 3);
    ExpectSig(r.SgmV, x.V);
    ExpectSig(r.SgmH, x.H);
    ExpectSig(r.SgmMr, x.Mr);
    ExpectSig(r.SgmMo, x.Mo);
    EXPECT_DOUBLE_EQ(r.SgmVX, r.SgmMr);
    EXPECT_DOUBLE_EQ(r.SgmHY, r.SgmMo);
    ExpectSig(r.Breadth, 2);
    ExpectSig(r.D, x.D);
    ExpectSig(r.E, x.E);
    ExpectSig(r.Ea, x.Ea);
    ExpectSig(r.Qmax, x.Qmax);
    ExpectSig(r.Qmin, x.Qmin);
    ExpectSig(r.Fm, x.Fm);
    ExpectSig(r.Hu, 0.6 * x.V);
    ExpectSig(r.Fs, x.Fs);
    EXPECT_EQ(r.Fma, d->pCase(x.caseIndex)->FsTentou);
    EXPECT_EQ(r.Fsa, d->pCase(x.caseIndex)->FsKatsudou);
  }
}

}  // namespace
}  // namespace norva

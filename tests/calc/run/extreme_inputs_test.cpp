// Walls at the edges of what the input allows: every case either gets finite
// results or is marked not computable with its reason, and no NaN or infinity
// is left in any result record.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "calc/run/calc_antei.h"
#include "calc/run/recalc_case.h"
#include "calc/run/run_fixtures.h"
#include "calc/stability/finite_results.h"
#include "calc/stability/stability_status.h"
#include "document/ant_res.h"
#include "document/data_state.h"
#include "document/document.h"
#include "document/document_file.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/weight.h"

namespace norva {
namespace {

using testing_run::BlockWall;
using testing_run::GravityWall;
using testing_run::ScopedMessages;
using testing_run::ScopedTempDir;
using testing_run::SetMixedShape;

constexpr double kHuge = 1e300;
const double kTiny = std::numeric_limits<double>::denorm_min();

std::unique_ptr<CDocument> MixedWall(double upperH) {
  auto d = GravityWall(true);
  d->SetWallType(3);
  SetMixedShape(*d);
  d->MxwH1 = upperH;
  d->WallH = d->MxwH1 + d->MxwH2;
  return d;
}

// Every number of a stored polygon is finite.
void ExpectFinitePolygon(const std::shared_ptr<CWeight>& w, const std::string& slot) {
  if (!w) return;
  SCOPED_TRACE(slot);
  EXPECT_TRUE(std::isfinite(w->Kh()) && std::isfinite(w->Gam()));
  for (int32_t i = 0; i < w->nPoint(); ++i)
    EXPECT_TRUE(std::isfinite(w->X(i)) && std::isfinite(w->Y(i))) << "point " << i;
}

// Every number of every result record and of every stored polygon of the
// document is finite.
void ExpectNothingNonFinite(CDocument& doc) {
  for (int i = 0; i < 2; ++i) {
    const std::string n = std::to_string(i);
    ExpectFinitePolygon(doc.KutaiW1(i), "KutaiW1 " + n);
    ExpectFinitePolygon(doc.KutaiW2(i), "KutaiW2 " + n);
    ExpectFinitePolygon(doc.Furyoku1(i), "Furyoku1 " + n);
    ExpectFinitePolygon(doc.Furyoku2(i), "Furyoku2 " + n);
    ExpectFinitePolygon(doc.FuryokuS(i), "FuryokuS " + n);
    for (int j = 0; j < 2; ++j) {
      const std::string m = n + " " + std::to_string(j);
      ExpectFinitePolygon(doc.SoilW1(i, j), "SoilW1 " + m);
      ExpectFinitePolygon(doc.SoilW2(i, j), "SoilW2 " + m);
      ExpectFinitePolygon(doc.SoilWS(i, j), "SoilWS " + m);
    }
  }
  const int parts = doc.WallType() == 3 ? 2 : 1;
  for (int part = 0; part < parts; ++part) {
    for (int c = 0; c < doc.nCase(); ++c) {
      EXPECT_EQ(ClearNonFinite(*doc.AntRes(part, c)), "") << "part " << part << " case " << c;
    }
  }
}

bool Has(const std::vector<std::string>& reasons, const std::string& text) {
  for (const std::string& r : reasons) {
    if (r.find(text) != std::string::npos) return true;
  }
  return false;
}

// Adds a load of kind type acting on the stability check of every case.
void AddLoad(CDocument& d, int16_t type, double x1, double x2, double y1, double y2) {
  d.SetnNiniCount(1);
  CNini& L = *d.pNini(0);
  L.LoadName = "載荷";
  L.nType = type;
  L.nTarget = 7;
  L.X1 = x1;
  L.X2 = x2;
  L.Y1 = y1;
  L.Y2 = y2;
  L.P1 = 10;
  L.P2 = 20;
  for (int c = 0; c < d.nCase(); ++c) {
    d.pCase(c)->SetnNiniCount(1);
    d.pCase(c)->SetnNini(0, 1);
  }
}

// The shipped mixed wall with its upper wall lowered, and a horizontal load of
// 10 kN at mid-height of the upper wall that puts the line of thrust in front
// of the middle third, so the limit-height search lowers the upper wall from a
// height below its first step of 1 m.
TEST(CalcAnteiExtremes, MixedWallWithALowUpperWallGetsEveryResult) {
  for (double h1 : {0.2, 0.3, 0.5, 0.7, 0.9, 0.999, 1.0, 1.2, 1.5}) {
    SCOPED_TRACE(h1);
    ScopedTempDir tmp;
    ScopedMessages msg;
    CDocument d;
    d.FileName = std::string(NORVA_SOURCE_DIR) + "/tests/fixtures/designs/mixed.nrv";
    ASSERT_TRUE(DataFileRead(d));
    ASSERT_EQ(d.WallType(), 3);
    d.MxwH1 = h1;
    d.WallH = d.MxwH1 + d.MxwH2;
    AddLoad(d, 1, 0, 0, d.MxwH2 + h1 / 2, 0);
    std::vector<CaseFailure> failures;
    CalcAntei(d, 0, 0, nullptr, &failures);
    EXPECT_TRUE(failures.empty()) << failures.front().reasons.front();
    EXPECT_TRUE(msg.rec.texts.empty());
    EXPECT_EQ(d.MxwH1, h1);
    for (int c = 0; c < d.nCase(); ++c) {
      const CAntRes& upper = *d.AntRes(0, c);
      for (double v : {upper.SgmV, upper.SgmH, upper.Xh, upper.Xd}) {
        EXPECT_TRUE(std::isfinite(v) && !IsNullValue(v)) << v;
      }
      EXPECT_GT(upper.Xh, upper.Xd);
      // The limit height, when the search finds one, is a height of masonry.
      if (!IsNullValue(upper.Ha)) {
        EXPECT_GT(upper.Ha, 0.0);
      }
      const CAntRes& lower = *d.AntRes(1, c);
      for (double v : {lower.SgmV, lower.SgmH, lower.E, lower.Qmax, lower.Qmin, lower.Fs}) {
        EXPECT_TRUE(std::isfinite(v) && !IsNullValue(v)) << v;
      }
    }
    ExpectNothingNonFinite(d);
  }
}

struct Extreme {
  const char* name;
  std::function<std::unique_ptr<CDocument>()> make;
  const char* reason;  // expected in the failure of every case; null: any reason
};

TEST(CalcAnteiExtremes, EachCaseEndsFiniteOrNotComputableWithItsReason) {
  const std::vector<Extreme> table = {
      {"gravity wall 1e300 high and wide",
       [] {
         auto d = GravityWall(true);
         d->WallH = kHuge;
         d->GrwB = d->GrwB2 = kHuge;
         return d;
       },
       nullptr},
      {"every width of the gravity wall 1e308: the corners overflow",
       [] {
         auto d = GravityWall(true);
         d->GrwB = d->GrwB1 = d->GrwB2 = d->GrwB4 = 1e308;
         d->SetSoilFH(0, 0.5);
         return d;
       },
       nullptr},
      {"block wall every size 1e308",
       [] {
         auto d = BlockWall();
         d->WallH = d->BlkT = d->BlkB = d->BlkB1 = 1e308;
         return d;
       },
       nullptr},
      {"gravity base 1e300 wide",
       [] {
         auto d = GravityWall(true);
         d->GrwB = d->GrwB2 = kHuge;
         return d;
       },
       kStabReasonSizeTooLarge},
      {"block 1e300 thick",
       [] {
         auto d = BlockWall();
         d->BlkT = kHuge;
         return d;
       },
       kStabReasonSizeTooLarge},
      {"mixed upper wall 1e300 high",
       [] {
         auto d = MixedWall(1);
         d->MxwH1 = kHuge;
         d->WallH = kHuge;
         return d;
       },
       nullptr},
      {"front soil 1e300 high",
       [] {
         auto d = GravityWall(true);
         d->SetSoilFH(0, kHuge);
         d->SetSoilFH(1, kHuge);
         for (int c = 0; c < d->nCase(); ++c) d->pCase(c)->nSoilF = 1;
         return d;
       },
       nullptr},
      {"water 1e300 high",
       [] {
         auto d = GravityWall(true);
         d->nWater = 1;
         for (int s = 0; s < 2; ++s) {
           d->SetWatFH(s, kHuge);
           d->SetWatBH(s, kHuge);
         }
         for (int c = 0; c < d->nCase(); ++c) d->pCase(c)->nWater = 1;
         return d;
       },
       nullptr},
      {"eccentricity divisor the smallest denormal",
       [] {
         auto d = GravityWall(true);
         for (int c = 0; c < d->nCase(); ++c) d->pCase(c)->Ea = kTiny;
         return d;
       },
       kStabReasonEaDivisor},
      {"vertical point load at x 1e300",
       [] {
         auto d = GravityWall(true);
         AddLoad(*d, 0, kHuge, 0, 1, 0);
         d->pNini(0)->P1 = 1e10;
         return d;
       },
       kStabReasonLoadTooLarge},
      {"horizontal point load at y 1e300",
       [] {
         auto d = GravityWall(true);
         AddLoad(*d, 1, 0, 0, kHuge, 0);
         d->pNini(0)->P1 = 1e10;
         return d;
       },
       kStabReasonLoadTooLarge},
      {"vertical strip load from -1e300 to 1e300",
       [] {
         auto d = GravityWall(true);
         AddLoad(*d, 2, -kHuge, kHuge, 1, 1);
         return d;
       },
       kStabReasonLoadTooLarge},
      {"vertical strip load from 0.5 to 1e300",
       [] {
         auto d = GravityWall(true);
         AddLoad(*d, 2, 0.5, kHuge, 1, 1);
         return d;
       },
       kStabReasonLoadTooLarge},
      {"horizontal strip load from 1 to 1e300",
       [] {
         auto d = GravityWall(true);
         AddLoad(*d, 3, 0, 0, 1, kHuge);
         return d;
       },
       kStabReasonLoadTooLarge},
      {"wind on 1e300 of height, 1e300 above the crest",
       [] {
         auto d = GravityWall(true);
         d->nWind = 0;
         d->WindHight = kHuge;
         d->WindLoad = 3;
         d->WindPos = kHuge;
         for (int c = 0; c < d->nCase(); ++c) d->pCase(c)->nWind = 1;
         return d;
       },
       kStabReasonLoadTooLarge},
      {"mixed wall backfill of denormal weight",
       [] {
         auto d = MixedWall(1);
         d->Gamb = kTiny;
         return d;
       },
       nullptr},
  };
  for (const Extreme& x : table) {
    SCOPED_TRACE(x.name);
    ScopedTempDir tmp;
    ScopedMessages msg;
    auto d = x.make();
    std::vector<CaseFailure> failures;
    CalcAntei(*d, 0, 0, nullptr, &failures);
    ExpectNothingNonFinite(*d);
    // Each failing case was named to the user with its reasons.
    EXPECT_GE(msg.rec.texts.size(), failures.size());
    for (const CaseFailure& f : failures) EXPECT_FALSE(f.reasons.empty());
    if (x.reason != nullptr) {
      ASSERT_EQ(failures.size(), static_cast<size_t>(d->nCase()));
      for (const CaseFailure& f : failures) EXPECT_TRUE(Has(f.reasons, x.reason));
    }
    // A case that did not fail has its main results.
    const int part = d->WallType() == 3 ? 1 : 0;
    for (int c = 0; c < d->nCase(); ++c) {
      bool failed = false;
      for (const CaseFailure& f : failures) failed = failed || f.caseIndex == c;
      if (failed) continue;
      const CAntRes& r = *d->AntRes(part, c);
      for (double v : {r.SgmV, r.SgmH, r.E, r.Qmax, r.Fs}) EXPECT_FALSE(IsNullValue(v)) << c;
    }
    // The one-case recalculation ends the same way.
    ReCalcCase(*d, 0);
    ExpectNothingNonFinite(*d);
  }
}

TEST(CalcAnteiExtremes, TheEccentricityLimitAloneIsMissingForATinyDivisor) {
  ScopedTempDir tmp;
  ScopedMessages msg;
  auto d = GravityWall(false);
  d->pCase(0)->Ea = kTiny;
  std::vector<CaseFailure> failures;
  CalcAntei(*d, 0, 0, nullptr, &failures);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].reasons, std::vector<std::string>{kStabReasonEaDivisor});
  ASSERT_EQ(msg.rec.texts.size(), 1u);
  EXPECT_NE(msg.rec.texts[0].find(kStabReasonEaDivisor), std::string::npos);
  const CAntRes& r = *d->AntRes(0, 0);
  EXPECT_TRUE(IsNullValue(r.Ea));
  // The rest is the wall of the hand calculation: E = 2/2 - D, D = 0.803674491.
  EXPECT_NEAR(r.E, 0.196325509, 1e-8);
}

// A case factor that cannot judge the case (blank, null, negative, NaN) is
// no value the calculation can judge by: that case is refused with the
// reason naming it, the other case is computed as usual.
TEST(CalcAnteiExtremes, ACaseWithAFactorThatCannotJudgeItIsRefused) {
  struct Row {
    const char* name;
    std::function<void(CDocument&, CKajyuCase&)> change;
    const char* factor;
  } rows[] = {
      {"sliding factor blank", [](CDocument&, CKajyuCase& k) { k.FsKatsudou = kNullBox; },
       "滑動安全率"},
      {"sliding factor negative", [](CDocument&, CKajyuCase& k) { k.FsKatsudou = -1.2; },
       "滑動安全率"},
      {"divisor null",
       [](CDocument& d, CKajyuCase& k) {
         d.nTentou = 0;
         k.Ea = kNullDouble;
       },
       "許容偏心量 B/n の n"},
      {"divisor NaN",
       [](CDocument& d, CKajyuCase& k) {
         d.nTentou = 2;
         k.Ea = std::numeric_limits<double>::quiet_NaN();
       },
       "許容偏心量 B/n の n"},
      {"overturning factor 0",
       [](CDocument& d, CKajyuCase& k) {
         d.nTentou = 1;
         k.FsTentou = 0;
       },
       "転倒安全率"},
      {"bearing premium blank with Qa entered",
       [](CDocument& d, CKajyuCase& k) {
         d.Sisin = 2;
         k.QaPremium = kNullBox;
       },
       "許容支持力度割増"},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    ScopedTempDir tmp;
    ScopedMessages msg;
    auto d = GravityWall(true);
    x.change(*d, *d->pCase(1));
    std::vector<CaseFailure> failures;
    CalcAntei(*d, 0, 0, nullptr, &failures);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].caseIndex, 1);
    ASSERT_EQ(failures[0].reasons.size(), 1u);
    EXPECT_EQ(failures[0].reasons[0], CaseFactorProblem(*d, 1));
    EXPECT_NE(failures[0].reasons[0].find(std::string("荷重ケース2「地震時」の") + x.factor),
              std::string::npos);
    ASSERT_EQ(msg.rec.texts.size(), 1u);
    EXPECT_NE(msg.rec.texts[0].find(x.factor), std::string::npos);
    const CAntRes& refused = *d->AntRes(0, 1);
    for (double v : {refused.SgmV, refused.E, refused.Fm, refused.Qmax, refused.Fs})
      EXPECT_EQ(v, kNullBox);
    const CAntRes& computed = *d->AntRes(0, 0);
    for (double v : {computed.SgmV, computed.E, computed.Qmax, computed.Fs})
      EXPECT_FALSE(IsNullValue(v));
    ExpectNothingNonFinite(*d);
  }
}

// A polygon with a NaN or an infinity becomes one no sum can be formed from
// (its points kNullBox, its area NaN), never one of some finite weight; a
// finite polygon is left as it is.
TEST(ClearNonFinitePolygons, NullsThePolygonsThatAreNotFinite) {
  auto square = [](double corner) {
    auto w = std::make_shared<CWeight>();
    w->SetnPoint(4);
    const double xs[] = {0, 0, 1, corner}, ys[] = {0, 1, 1, 0};
    for (int i = 0; i < 4; ++i) {
      w->SetX(i, xs[i]);
      w->SetY(i, ys[i]);
    }
    w->SetGam(23);
    return w;
  };
  CDocument doc;
  const auto finite = square(1);
  doc.SetKutaiW1(0, finite);
  doc.SetKutaiW1(1, square(std::numeric_limits<double>::infinity()));
  doc.SetSoilWS(1, 1, square(std::numeric_limits<double>::quiet_NaN()));
  ClearNonFinitePolygons(doc);
  EXPECT_EQ(doc.KutaiW1(0), finite);
  EXPECT_DOUBLE_EQ(doc.KutaiW1(0)->A(), 1.0);  // a clockwise unit square
  for (const auto& w : {doc.KutaiW1(1), doc.SoilWS(1, 1)}) {
    ASSERT_TRUE(w);
    ASSERT_EQ(w->nPoint(), 4);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(w->X(i), kNullBox);
      EXPECT_EQ(w->Y(i), kNullBox);
    }
    EXPECT_TRUE(std::isnan(w->A()));
    EXPECT_FALSE(std::isfinite(w->w()));
  }
  ExpectNothingNonFinite(doc);
}

TEST(ClearNonFinite, ReplacesEveryKindOfMemberAndNamesTheFirst) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  CAntRes r;
  r.Pa = 1.5;
  r.SgmMo = inf;
  r.Q = -inf;
  r.SetAnn(2, 1, nan);
  r.SetNiniCnt(2);
  r.SetNiniX(1, inf);
  r.SetSForceMo(20, nan);
  r.Kusabi(1)->fPa = nan;
  r.Kusabi(0)->SetfW(1, 0, inf);
  EXPECT_EQ(ClearNonFinite(r), "SgmMo");
  EXPECT_EQ(r.Pa, 1.5);
  for (double v : {r.SgmMo, r.Q, r.Ann(2, 1), r.NiniX(1), r.SForceMo(20), r.Kusabi(1)->fPa,
                   r.Kusabi(0)->fW(1, 0)}) {
    EXPECT_EQ(v, kNullBox);
  }
  EXPECT_EQ(ClearNonFinite(r), "");

  CAntRes only;
  only.Kusabi(1)->SetfW(0, 1, nan);
  EXPECT_EQ(ClearNonFinite(only), "Kusabi(1).fW(0)(1)");
}

}  // namespace
}  // namespace norva

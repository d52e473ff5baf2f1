// Force-summary tables: hand goldens of each form, and on the sample designs
// the rows adding up to the stored sums and the line-of-thrust items giving
// the stored resultant.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "calc/run/calc_antei.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "report/driver/prn_file.h"
#include "report/stability/prn_force_sum.h"
#include "report/stability/stability_test_support.h"

namespace norva {
namespace {

std::unique_ptr<CDocument> Plain(int32_t wallType, int16_t nCase, const char* name) {
  auto doc = std::make_unique<CDocument>();
  doc->SetWallType(wallType);
  doc->Sisin = 2;
  doc->bQuake = 0;
  doc->nWater = 0;
  doc->nTentou = 0;
  doc->SetnCase(nCase);
  for (int i = 0; i < nCase; ++i) doc->pCase(i)->CaseName = name;
  return doc;
}

void Body(CAntRes& r, int j, double V, double H, double x, double y) {
  r.SetKutaiV(j, V);
  r.SetKutaiH(j, H);
  r.SetKutaiXc(j, x);
  r.SetKutaiYc(j, y);
}

void Sums(CAntRes& r, double V, double H, double Mr, double Mo, double B) {
  r.SgmV = V;
  r.SgmH = H;
  r.SgmMr = r.SgmVX = Mr;
  r.SgmMo = r.SgmHY = Mo;
  r.Breadth = B;
  r.D = (Mr - Mo) / V;
  r.E = B / 2 - r.D;
}

std::string Series(const CDocument& doc, int16_t part, std::initializer_list<int32_t> cases) {
  return test::Markup([&](PrnFile& f) {
    int16_t flag = 0;
    for (int32_t i : cases) PrnForceSum(f, doc, i, part, flag);
  });
}

TEST(ForceSum, OnePolygonAndEarthPressure) {
  auto doc = Plain(1, 1, "自重+載荷重");
  CAntRes& r = *doc->AntRes(0, 0);
  Body(r, 0, 100, 0, 1.2, 0);
  r.Pa = 31.6;
  r.Pav = 10;
  r.Pah = 30;
  r.Pax = 2.0;
  r.Pay = 1.0;
  Sums(r, 110, 30, 140, 30, 2.4);
  test::ExpectSameMarkup(Series(*doc, 0, {0}),
                         test::StabilityGolden("forcesum_one_polygon.prn", ""));
}

TEST(ForceSum, NegativeOverturningSumReadsAsAnAddition) {
  auto doc = Plain(1, 1, "自重+載荷重");
  CAntRes& r = *doc->AntRes(0, 0);
  Body(r, 0, 100, 0, 1.2, 0);
  r.Pwf = 20;
  r.Pwfy = 1.0;
  Sums(r, 100, -20, 120, -20, 2.4);
  test::ExpectSameMarkup(Series(*doc, 0, {0}), test::StabilityGolden("forcesum_negative.prn", ""));
}

TEST(ForceSum, BlockWallByLineOfThrustGetsBothSeries) {
  auto doc = Plain(0, 2, "地震");
  doc->pCase(1)->CaseName = "地震2";
  doc->Sisin = 4;
  doc->bQuake = -1;
  doc->nTentou = 3;
  for (int i = 0; i < 2; ++i) {
    doc->pCase(i)->nQuake = 1;
    CAntRes& r = *doc->AntRes(0, i);
    Body(r, 0, 50, 5, 0.8, 1.5);
    Body(r, 1, 20, 2, 0.6, 0.25);
    r.Pa = r.Pah = 12;
    r.Pav = 0;
    r.Pax = 1.7;
    r.Pay = 1.0;
    Sums(r, 70, 19, 52, 20, 1.2);
  }
  CAntRes& r = *doc->AntRes(0, 0);
  auto item = [&r](int k, double V, double X, double H, double Y) {
    r.SetnSForce(k, 1);
    r.SetSForceV(k, V);
    r.SetSForceX(k, X);
    r.SetSForceMr(k, X * V);
    r.SetSForceH(k, H);
    r.SetSForceY(k, Y);
    r.SetSForceMo(k, Y * H);
  };
  item(0, 50, 0.8, 5, 1.5);
  item(4, 0, 0, 12, 1.0);
  // The uplift as the calculation stores it: U upward, its moment in Mo.
  r.SetnSForce(7, 1);
  r.SetSForceV(7, 6);
  r.SetSForceX(7, 0.5);
  r.SetSForceMo(7, 3);

  const std::string bytes = test::Markup([&](PrnFile& f) {
    int16_t flag = 0;
    PrnForceSumSiryokusen(f, *doc, 0, 0, flag);
    flag = 0;
    PrnForceSum(f, *doc, 0, 0, flag);
    PrnForceSum(f, *doc, 1, 0, flag);
  });
  test::ExpectSameMarkup(bytes, test::StabilityGolden("forcesum_block_thrust.prn", ""));
}

TEST(ForceSum, LowerWallOfAMixedWallCarriesTheUpperWall) {
  auto doc = Plain(3, 1, "自重+載荷重");
  doc->GrwB1 = 0.3;
  doc->GrwB2 = 1.0;
  doc->GrwB3 = 0.4;
  doc->MxwH2 = 1.5;
  doc->MxwH3 = 0;
  doc->MxwH1 = 2.0;
  doc->BlkN = 0.3;
  doc->BlkT = 0.35;
  doc->BlkDeltT2 = 0.1;
  CAntRes& u = *doc->AntRes(0, 0);
  u.Pav = 3;
  u.SgmV = 40;
  u.SgmH = 10;
  u.Pa = 10;
  u.Pah = 8;
  CAntRes& r = *doc->AntRes(1, 0);
  Body(r, 0, 60, 0, 1.1, 0);
  r.Pa = 15;
  r.Pav = 4;
  r.Pah = 14;
  r.Pax = 1.8;
  r.Pay = 0.6;
  Sums(r, 107, 22, 116.2, 20.4, 1.8);
  test::ExpectSameMarkup(Series(*doc, 1, {0}),
                         test::StabilityGolden("forcesum_mixed_lower.prn", ""));
}

TEST(ForceSum, LargeBlockGuidelineWithEveryRow) {
  auto doc = Plain(1, 1, "地震");
  doc->Sisin = 3;
  doc->bQuake = -1;
  doc->nWater = 2;
  doc->pCase(0)->nQuake = 1;
  doc->pCase(0)->Doat = 1;  // seismic earth pressure, so the seismic levels
  doc->pCase(0)->nWater = 1;
  CAntRes& r = *doc->AntRes(0, 0);
  Body(r, 0, 100, 10, 1.0, 1.2);
  r.FuryokuV = -20;
  r.FuryokuH = -2;
  r.FuryokuXc = 1.0;
  r.FuryokuYc = 0.5;
  r.SetZensaiV(0, 5);
  r.SetZensaiH(0, 0.5);
  r.SetZensaiXc(0, 0.2);
  r.SetZensaiYc(0, 0.3);
  r.Pa = 31;
  r.Pav = 8;
  r.Pah = 30;
  r.Pax = 2.0;
  r.Pay = 1.0;
  r.Pwf = 6;
  r.Pwfy = 0.4;
  r.Pwb = 5;
  r.Pwby = 0.5;
  r.YouatsuV = 12;
  r.YouatsuXc = 1.2;
  r.HorzLoadSgmV = 2;
  r.HorzLoadSgmH = 4;
  r.HorzLoadSgmVX = 3;
  r.HorzLoadSgmHY = 10;
  r.SetNiniCnt(1);
  r.NiniSgmV = 1;
  r.NiniSgmH = 1;
  r.NiniSgmVX = 0.5;
  r.NiniSgmHY = 2;
  r.SgmV = 84;
  r.SgmH = 42.5;
  r.SgmMr = 58.95;
  r.SgmMo = 26.1;
  r.SgmVX = 86.1;
  r.SgmHY = 53.25;
  r.Breadth = 2.0;
  r.D = (86.1 - 53.25) / 84;
  r.E = 1.0 - r.D;
  test::ExpectSameMarkup(Series(*doc, 0, {0}),
                         test::StabilityGolden("forcesum_large_block.prn", ""));
}

TEST(ForceSum, UnflaggedItemsGiveAnEmptyTableAndDZero) {
  auto doc = Plain(0, 1, "自重");
  doc->nTentou = 3;
  const std::string text = Cp932ToUtf8(test::Markup([&](PrnFile& f) {
    int16_t flag = 0;
    PrnForceSumSiryokusen(f, *doc, 0, 0, flag);
  }));
  EXPECT_NE(text.find("<TABLE ROW= 3, COL=7>"), std::string::npos);
  EXPECT_NE(text.find("<box> 0.00 -  0.00<over> 0.00</box>= 0.000 (m)"), std::string::npos);
}

TEST(ForceSum, SumsNotComputedPrintDashes) {
  auto doc = Plain(1, 1, "自重");
  CAntRes& r = *doc->AntRes(0, 0);
  Body(r, 0, 100, 0, 1.2, 0);
  r.SgmV = r.SgmH = r.SgmMr = r.SgmMo = r.SgmVX = r.SgmHY = kNullBox;
  r.D = r.E = kNullBox;
  r.Breadth = 2.4;
  const std::string text = Cp932ToUtf8(Series(*doc, 0, {0}));
  EXPECT_NE(text.find("<TD SROW= 3, SCOL=1>  -----</TD>"), std::string::npos);
  EXPECT_NE(text.find("=<box>----- - -----<over>-----</box>= -----"), std::string::npos);
  EXPECT_EQ(text.find("e+"), std::string::npos);
}

// ---- Agreement with the calculation on the sample designs -------------------

struct Variant {
  const char* sample;
  const char* name;
  void (*setUp)(CDocument&);
};

void AsIs(CDocument&) {}
void LargeBlock(CDocument& d) { d.Sisin = 3; }
void Uplift(CDocument& d) {
  d.nWater = 2;
  d.SetWatFH(0, 0.6);
  d.SetWatBH(0, 1.4);
  for (int i = 0; i < d.nCase(); ++i) d.pCase(i)->nWater = 1;
}
void Buoyancy(CDocument& d) {
  d.nWater = 1;
  d.SetWatFH(0, 0.6);
  d.SetWatBH(0, 1.4);
  d.SetSoilFH(0, 0.9);
  for (int i = 0; i < d.nCase(); ++i) {
    d.pCase(i)->nWater = 1;
    d.pCase(i)->nSoilF = 1;
  }
}
void Thrust(CDocument& d) { d.nTentou = 3; }
void ThrustUplift(CDocument& d) {
  Thrust(d);
  Uplift(d);
}
void WithLoads(CDocument& d) {
  d.SetnNiniCount(2);
  auto a = d.pNini(0);
  a->LoadName = "鉛直荷重";
  a->nType = 0;
  a->nTarget = 1;
  a->X1 = 0.6;
  a->Y1 = 1.0;
  a->P1 = 12;
  auto b = d.pNini(1);
  b->LoadName = "水平荷重";
  b->nType = 3;
  b->nTarget = 1;
  b->Y1 = 0.4;
  b->Y2 = 1.2;
  b->P1 = 3;
  b->P2 = 5;
  d.nWind = 0;
  d.WindPos = 0.5;
  d.WindHight = 1.0;
  d.WindLoad = 2.0;
  for (int i = 0; i < d.nCase(); ++i) {
    d.pCase(i)->SetnNiniCount(2);
    d.pCase(i)->SetnNini(0, 1);
    d.pCase(i)->SetnNini(1, 1);
    d.pCase(i)->nWind = 1;
  }
}
void LargeBlockLoads(CDocument& d) {
  LargeBlock(d);
  WithLoads(d);
  Buoyancy(d);
}

void LargeBlockUplift(CDocument& d) {
  LargeBlock(d);
  WithLoads(d);
  Uplift(d);
}

const Variant kVariants[] = {
    {"block_masonry", "as is", AsIs},
    {"block_masonry", "line of thrust", Thrust},
    {"block_masonry", "line of thrust, uplift", ThrustUplift},
    {"block_masonry", "large block", LargeBlockLoads},
    {"gravity", "as is", AsIs},
    {"gravity", "large block", LargeBlock},
    {"gravity", "uplift", Uplift},
    {"gravity", "buoyancy and front soil", Buoyancy},
    {"gravity", "other and wind loads", WithLoads},
    {"gravity", "large block with loads and water", LargeBlockLoads},
    {"leaning", "as is", AsIs},
    {"leaning", "uplift", Uplift},
    {"leaning", "large block", LargeBlockLoads},
    {"mixed", "as is", AsIs},
    {"mixed", "buoyancy and front soil", Buoyancy},
    {"mixed", "other and wind loads", WithLoads},
    {"mixed", "large block", LargeBlockLoads},
    {"block_masonry", "uplift", Uplift},
    {"block_masonry", "buoyancy and front soil", Buoyancy},
    {"block_masonry", "other and wind loads", WithLoads},
    {"leaning", "buoyancy and front soil", Buoyancy},
    {"leaning", "other and wind loads", WithLoads},
    {"mixed", "uplift", Uplift},
    {"mixed", "large block with uplift", LargeBlockUplift},
    {"gravity", "large block with uplift", LargeBlockUplift},
};

// The rows of the general table add up to the stored sums, and its V·x and
// H·y columns to SgmVX and SgmHY.
TEST(ForceSumAgreement, RowsAddUpToTheStoredSums) {
  test::RecordingSink sink;
  for (const Variant& v : kVariants) {
    SCOPED_TRACE(std::string(v.sample) + ", " + v.name);
    auto doc = test::Sample(v.sample);
    v.setUp(*doc);
    CalcAntei(*doc, 0, 0);
    const int16_t part = doc->WallType() == 3 ? 1 : 0;
    for (int32_t i = 0; i < doc->nCase(); ++i) {
      const CAntRes& r = *doc->AntRes(part, i);
      ASSERT_FALSE(IsNullValue(r.SgmV)) << "case " << i << " not computed";
      double V = 0, H = 0, Mr = 0, Mo = 0, Vx = 0, Hy = 0;
      for (const ForceSumRow& row : PrnForceSumRows(*doc, part, i)) {
        V += row.V.value_or(0);
        H += row.H.value_or(0);
        Mr += row.Mr.value_or(0);
        Mo += row.Mo.value_or(0);
        Vx += row.Vx.value_or(0);
        Hy += row.Hy.value_or(0);
      }
      const double tol = 1e-9 * (1 + std::fabs(r.SgmMr) + std::fabs(r.SgmMo));
      EXPECT_NEAR(V, r.SgmV, tol) << "case " << i;
      EXPECT_NEAR(H, r.SgmH, tol) << "case " << i;
      EXPECT_NEAR(Mr, r.SgmMr, tol) << "case " << i;
      EXPECT_NEAR(Mo, r.SgmMo, tol) << "case " << i;
      EXPECT_NEAR(Vx, r.SgmVX, tol) << "case " << i;
      EXPECT_NEAR(Hy, r.SgmHY, tol) << "case " << i;
      // The printed resultant: d = (ΣMr − ΣMo)/ΣV, or (ΣVX − ΣHY)/ΣV.
      EXPECT_NEAR((r.SgmVX - r.SgmHY) / r.SgmV, r.D, 1e-9) << "case " << i;
    }
  }
}

}  // namespace
}  // namespace norva

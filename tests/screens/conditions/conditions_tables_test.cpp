// Standard values of the reference dialogs, the passive earth pressure and
// the list of the critical water-level window.
#include "screens/conditions/conditions_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"

namespace norva {
namespace {

TEST(JibanTables, GuidelinePagesAndAngles) {
  EXPECT_EQ(JibanSisinItem(4), 2);  // residential land: the road table
  EXPECT_EQ(JibanSisinItem(5), 0);  // canals: land improvement
  EXPECT_EQ(JibanSisinItem(0), 0);
  EXPECT_EQ(JibanSisinItem(2), 2);
  EXPECT_EQ(JibanSisinItem(3), 3);
  EXPECT_EQ(JibanPage(0), 0);
  EXPECT_EQ(JibanPage(2), 0);
  EXPECT_EQ(JibanPage(1), 1);
  EXPECT_EQ(JibanPage(3), 2);

  const std::vector<double> phi0{35, 30, 25}, phi1{35, 30, 25, 20}, phi2{35, 30};
  EXPECT_EQ(JibanPageFor(0).phi, phi0);
  EXPECT_EQ(JibanPageFor(1).phi, phi1);
  EXPECT_EQ(JibanPageFor(2).phi, phi2);
  for (int p = 0; p < 3; ++p) {
    EXPECT_EQ(JibanPageFor(p).backfill.size(), JibanPageFor(p).phi.size());
    EXPECT_EQ(JibanPageFor(p).backfillRows.size(), JibanPageFor(p).phi.size());
  }
  EXPECT_STREQ(JibanPageFor(1).backfill[3], "粘性土(C4)");

  struct Row {
    double phi, normal, seismic, cut0, cut1;
  } rows[] = {
      {35, 23.333333333333332, 17.5, 23.333333333333332, 35},  // 2·35/3, 35/2
      {25, 16.666666666666668, 12.5, 16.666666666666668, 25},
      {20, 13.333333333333334, 10, 13.333333333333334, 20},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.phi);
    const WallFriction w = WallFrictionFromPhi(r.phi);
    EXPECT_DOUBLE_EQ(w.normal, r.normal);
    EXPECT_DOUBLE_EQ(w.seismic, r.seismic);
    EXPECT_DOUBLE_EQ(CutFaceAngle(r.phi, 0), r.cut0);
    EXPECT_DOUBLE_EQ(CutFaceAngle(r.phi, 1), r.cut1);
  }
}

TEST(QaTables, GroundTypesPerGuideline) {
  struct Row {
    int32_t sisin;
    int page;
    size_t count;
    double first;
  } rows[] = {
      {0, 0, 10, 1000}, {2, 3, 9, 1000}, {3, 5, 9, 3000}, {4, 4, 10, 1000}, {5, 1, 18, 1000}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sisin);
    EXPECT_EQ(QaPage(r.sisin), r.page);
    ASSERT_EQ(QaRows(r.sisin).size(), r.count);
    EXPECT_EQ(QaRows(r.sisin)[0].value, r.first);
  }
  EXPECT_EQ(QaPage(1), -1);
  EXPECT_TRUE(QaRows(1).empty());

  // The ultimate values of the large-block manual are three times the road
  // earthworks' allowable values, type by type.
  const auto road = QaRows(2), large = QaRows(3);
  for (size_t i = 0; i < road.size(); ++i) {
    SCOPED_TRACE(road[i].item);
    EXPECT_STREQ(large[i].item, road[i].item);
    EXPECT_EQ(large[i].value, 3 * road[i].value);
  }
  const double roadValues[9] = {1000, 600, 300, 600, 300, 300, 200, 200, 100};
  for (size_t i = 0; i < 9; ++i) EXPECT_EQ(road[i].value, roadValues[i]);
  EXPECT_STREQ(QaRows(0)[9].item, "粘性土地盤 - 中位なもの");
  EXPECT_EQ(QaRows(0)[9].value, 50);

  const auto canal = QaRows(5);
  EXPECT_STREQ(canal[9].item, "砂質地盤 - 非常に緩いもの");
  EXPECT_EQ(canal[9].value, 0);
  EXPECT_STREQ(canal[17].item, "関東ローム - 柔らかいもの");
  EXPECT_EQ(canal[17].value, 50);
  const double residential[10] = {1000, 500, 300, 300, 200, 50, 100, 20, 100, 50};
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(QaRows(4)[i].value, residential[i]);
}

TEST(AllowTables, PagesPreselectionAndValues) {
  EXPECT_EQ(AllowSisinItem(0), 0);
  EXPECT_EQ(AllowSisinItem(5), 0);
  EXPECT_EQ(AllowSisinItem(2), 2);
  EXPECT_EQ(AllowSisinItem(3), 3);
  EXPECT_EQ(AllowSisinItem(4), 4);
  const int pages[5] = {0, 0, 1, 1, 2};
  for (int item = 0; item < 5; ++item) EXPECT_EQ(AllowPage(item), pages[item]);

  struct Pre {
    double ck;
    int tochi, douro, takuchi;
  } pres[] = {
      {16, 0, 0, 0}, {18, 0, 1, 1}, {24, 1, 1, 1}, {kNullDouble, 1, 1, 1}, {18.0001, 1, 1, 1}};
  for (const Pre& p : pres) {
    SCOPED_TRACE(p.ck);
    const AllowPreselect s = AllowPreselectFor(p.ck);
    EXPECT_EQ(s.tochi, p.tochi);
    EXPECT_EQ(s.douro, p.douro);
    EXPECT_EQ(s.takuchi, p.takuchi);
  }

  const auto tochi = AllowRows(0);
  ASSERT_EQ(tochi.size(), 3u);
  EXPECT_EQ(tochi[1].Sgmck, 21);
  EXPECT_EQ(tochi[1].Sgmca, 5.0);
  EXPECT_EQ(tochi[1].Sgmta, 0.29);
  EXPECT_EQ(tochi[1].Taua, 0.36);
  EXPECT_EQ(tochi[0].Taua, 0.33);
  const auto takuchi = AllowRows(2);
  EXPECT_EQ(takuchi[0].Sgmca, 5.3);
  EXPECT_EQ(takuchi[1].Sgmta, 0.6);
  const auto douro = AllowRows(1);
  ASSERT_EQ(douro.size(), 2u);
  EXPECT_DOUBLE_EQ(douro[1].Sgmca, 4.5);    // 18/4
  EXPECT_DOUBLE_EQ(douro[1].Sgmta, 0.225);  // 18/80, not rounded
  EXPECT_DOUBLE_EQ(douro[1].Taua, 0.33);    // 0.18 + 0.15
  EXPECT_DOUBLE_EQ(douro[0].Taua, 0.31);
}

TEST(RefWeightTables, PagesRowsAndSubmergedWeights) {
  const int pageOf[6] = {0, -1, 3, 2, 4, 1};
  for (int sisin = 0; sisin <= 5; ++sisin) EXPECT_EQ(RefWeightPage(sisin), pageOf[sisin]);
  const size_t counts[5] = {9, 9, 2, 9, 3};
  for (int p = 0; p < 5; ++p) EXPECT_EQ(RefWeightPageFor(p).rows.size(), counts[p]) << p;

  const double farm[9] = {18, 20, 17, 19, 14, 18, 20, 19, 18};
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(RefWeightPageFor(0).rows[i].gamma, farm[i]);
    EXPECT_EQ(RefWeightPageFor(1).rows[i].gamma, farm[i]);
    EXPECT_EQ(RefWeightPageFor(3).rows[i].gamma, farm[i]);
  }
  EXPECT_STREQ(RefWeightPageFor(3).rows[6].cells[1], "砂および砂礫");
  EXPECT_STREQ(RefWeightPageFor(1).rows[6].cells[0], "盛土・埋度");
  EXPECT_STREQ(RefWeightPageFor(1).rows[4].cells[1], "粘性土(ただし、WL<50%)");
  EXPECT_EQ(RefWeightPageFor(4).rows[2].gamma, 16);
  EXPECT_EQ(SubmergedWeight(18), 9);
}

TEST(WeightTables, ListsPerGuideline) {
  EXPECT_EQ(WeightSisinItem(0), 0);
  EXPECT_EQ(WeightSisinItem(5), 1);
  EXPECT_EQ(WeightSisinItem(2), 3);
  EXPECT_EQ(WeightSisinItem(4), 5);
  EXPECT_EQ(WeightPage(1), 0);
  EXPECT_EQ(WeightPage(5), 4);
  EXPECT_EQ(WeightSoils(0, 0).size(), 6u);
  EXPECT_TRUE(IsNullValue(WeightSoils(0, 0)[5].gamma));  // no value in the table
  EXPECT_EQ(WeightSoils(2, 1)[2].gamma, 18);
  EXPECT_EQ(WeightSoils(1, 0)[3].gamma, 16);
  EXPECT_EQ(WeightWallConcrete()[1].gamma, 22.5);
}

// Coulomb's passive coefficient with the seismic angle worked by hand:
// Kp = cos²(φ+α−θ) / [cosθ cos²α cos(α+δ−θ) (1−√z)²],
// z = sin(φ−δ) sin(φ+i−θ) / (cos(α+δ−θ) cos(α−i)), Pp = ½γH²Kp.
TEST(CalcPp, CoulombPassiveByHand) {
  struct Row {
    const char* name;
    PpInputs in;
    double kp0, kp1, pp0, pp1;
  } rows[] = {
      // z = sin30·sin30 = 0.25, Kp = 0.75 / 0.25 = 3, Pp = 0.5·18·4·3 = 108
      {"level ground, no friction", {2, 18, 30, 0, 0, 0, 0}, 3.000, 3.000, 108.00, 108.00},
      // θ = atan 0.2 = 11.310°: z = 0.5·sin18.69°/cos11.31° = 0.16342,
      // Kp = cos²18.69° / (cos²11.31°·(1−0.40425)²) = 2.629, Pp = 36·2.629 = 94.65
      {"seismic kh 0.2", {2, 18, 30, 0, 0, 0, 0.2}, 3.000, 2.629, 108.00, 94.65},
      // δ = −15°: z = sin45·sin30/cos15 = 0.36603, Kp = 0.75/(cos15·0.15987) = 4.977
      {"negative wall friction", {2, 18, 30, -15, 0, 0, 0}, 4.977, 4.977, 179.15, 179.15},
      // δ = +15°: z = sin15·sin30/cos15 = 0.13397, Kp = 0.75/(cos15·0.40192) = 1.932
      {"positive wall friction", {2, 18, 30, 15, 0, 0, 0}, 1.932, 1.932, 69.55, 69.55},
      // Every angle at work, H 3, γ 19, φ 35°, δ −10°, α 5°, i 15°, kh 0.15:
      // normal z = sin45·sin50/(cos(−5°)·cos(−10°)) = 0.55213, √z = 0.74306,
      // Kp = cos²40 / (cos²5·cos5·(1−0.74306)²) = 0.58682/0.065269 = 8.991,
      // Pp = ½·19·9·8.991 = 768.71;
      // seismic θ = atan 0.15 = 8.5308°: z = sin45·sin41.469/(cos13.531·cos10) = 0.48906,
      // Kp = cos²31.469 / (cos8.531·cos²5·cos13.531·(1−0.69933)²) = 8.433, Pp = 721.04
      {"sloped wall, sloped ground, seismic",
       {3, 19, 35, -10, 5, 15, 0.15},
       8.991,
       8.433,
       768.71,
       721.04},
      // φ < δ: z < 0 gives Kp = 0
      {"friction above the friction angle", {2, 18, 20, 25, 0, 0, 0}, 0, 0, 0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const auto res = CalcPp(r.in);
    ASSERT_TRUE(res.has_value());
    EXPECT_NEAR(res->Kp[0], r.kp0, 5e-4);
    EXPECT_NEAR(res->Kp[1], r.kp1, 5e-4);
    EXPECT_NEAR(res->Pp[0], r.pp0, 5e-3);
    EXPECT_NEAR(res->Pp[1], r.pp1, 5e-3);
  }
}

TEST(CalcPp, NoResultForBlankInputsOrAZeroDivisor) {
  // φ = 45°, δ = −45°, α = i = 0: z = sin90·sin45/cos(−45°) = 1, (1 − √z)² = 0.
  EXPECT_FALSE(CalcPp({2, 18, 45, -45, 0, 0, 0}).has_value());
  // α = 60°, δ = 30°, θ = 0: cos(α + δ − θ) = 0.
  EXPECT_FALSE(CalcPp({2, 18, 40, 30, 60, 0, 0}).has_value());
  // α + δ − θ = 90° only in the seismic state (θ = atan kh = 10°): no result
  // at all, rather than a normal value beside a missing seismic one.
  EXPECT_TRUE(CalcPp({2, 18, 50, 40, 60, 0, 0}).has_value());
  EXPECT_FALSE(CalcPp({2, 18, 50, 40, 60, 0, std::tan(10 * 3.14159265358979 / 180)}).has_value());
  for (int blank = 0; blank < 7; ++blank) {
    SCOPED_TRACE(blank);
    PpInputs in{2, 18, 30, 0, 0, 0, 0};
    double* fields[7] = {&in.H, &in.Gam, &in.Fai, &in.Delt, &in.Alp, &in.I, &in.Kh};
    *fields[blank] = blank % 2 ? kNullBox : kNullDouble;
    EXPECT_FALSE(CalcPp(in).has_value());
  }
}

TEST(WlvlCaseList, RecordsOfExistingCasesInOrder) {
  CDocument d;
  d.SetnCase(2);
  d.pCase(0)->CaseName = "常時";
  d.pCase(1)->CaseName = "地震時";
  d.SetnWlvlCase(3);
  const int32_t caseNo[3] = {1, 5, 0};  // the second names a case deleted since the search
  for (int i = 0; i < 3; ++i) {
    auto rec = std::make_shared<CWlvlCalc>();
    rec->CaseNo = caseNo[i];
    d.SetWlvlRes(i, rec);
  }
  const auto list = WlvlCaseList(d);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].record, 0);
  EXPECT_EQ(list[0].caseName, "地震時");
  EXPECT_EQ(list[1].record, 2);
  EXPECT_EQ(list[1].caseName, "常時");

  CDocument none;
  EXPECT_TRUE(WlvlCaseList(none).empty());
}

}  // namespace
}  // namespace norva

// The load cases behind the loads screen's table: the standard set with its
// factors, the table's rows and cells, the write-back of an edited cell, and
// adding, deleting and following the arbitrary loads.
#include "screens/loads/case_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/load_case.h"
#include "document/services.h"
#include "screens/loads/loads_test_support.h"
#include "shell/shell_test_support.h"

namespace norva {
namespace {

class CaseRulesTest : public ::testing::Test {
 protected:
  void SetUp() override { SetMessageSink(&sink_); }
  void TearDown() override { SetMessageSink(nullptr); }
  test::ScriptedSink sink_;
};

// The switches of a case that are 1, by name.
std::string Switches(const CKajyuCase& k) {
  return test::SetNames({{k.nQuake == 1, "quake"},
                         {k.nWater == 1, "water"},
                         {k.nSoilF == 1, "soil"},
                         {k.nAutoMobil == 1, "auto"},
                         {k.nGunsyu == 1, "gunsyu"},
                         {k.nSnow == 1, "snow"},
                         {k.nTakuchi == 1, "takuchi"},
                         {k.nAutoCrash == 1, "crash"},
                         {k.nStoneCrash == 1, "stone"},
                         {k.nWind == 1, "wind"}});
}

struct Factors {
  double Ea, FsTentou, FsKatsudou, AllowPremium, QaPremium, QuPremium;
};
// Standard factors by kind (normal / special), worked out from the guideline
// tables: Ea is the divisor of B/Ea, Fs the overturning and sliding factors.
constexpr Factors kNormal{6, 1.5, 1.5, 1.0, 1.0, 3};         // any guideline, normal case
constexpr Factors kRoadSpecial{3, 1.2, 1.2, 1.5, 1.5, 2};    // seismic, collision, rock fall
constexpr Factors kRoadWind{3, 1.2, 1.2, 1.25, 1.5, 2};      // wind: stresses +25 %
constexpr Factors kLeaningNormal{0, 1.5, 1.5, 1.0, 1.0, 3};  // road earthworks, leaning wall
constexpr Factors kLeaningWind{6, 1.2, 1.2, 1.25, 1.5, 2};
constexpr Factors kLeaningSeismic{6, 1.2, 1.2, 1.5, 1.5, 2};
constexpr Factors kResidentialSeismic{2, 1.0, 1.0, 1.5, 1.5, 1.5};  // Kibo 0

struct Expected {
  const char* name;
  const char* switches;
  int32_t doat;
  Factors f;
};

struct SetRow {
  const char* title;
  std::function<void(CDocument&)> set;
  FrontSoil soil;
  std::vector<Expected> cases;
};

void ExpectCases(const CDocument& d, const std::vector<Expected>& cases) {
  ASSERT_EQ(d.nCase(), static_cast<int>(cases.size()));
  for (int i = 0; i < d.nCase(); ++i) {
    const Expected& e = cases[static_cast<size_t>(i)];
    const CKajyuCase& k = *d.pCase(i);
    SCOPED_TRACE(e.name);
    EXPECT_EQ(k.CaseName, e.name);
    EXPECT_EQ(Switches(k), e.switches);
    EXPECT_EQ(k.Doat, e.doat);
    EXPECT_DOUBLE_EQ(k.Ea, e.f.Ea);
    EXPECT_DOUBLE_EQ(k.FsTentou, e.f.FsTentou);
    EXPECT_DOUBLE_EQ(k.FsKatsudou, e.f.FsKatsudou);
    EXPECT_DOUBLE_EQ(k.AllowPremium, e.f.AllowPremium);
    EXPECT_DOUBLE_EQ(k.QaPremium, e.f.QaPremium);
    EXPECT_DOUBLE_EQ(k.QuPremium, e.f.QuPremium);
    EXPECT_EQ(k.nNiniCount(), d.nNiniCount());
    for (int j = 0; j < d.nNiniCount(); ++j) EXPECT_EQ(k.nNini(j), 1) << "load " << j;
  }
}

void AllLoads(CDocument& d) {
  d.nAutoMobile = d.nGunsyu = d.nSnow = d.nTakuchi = d.nStone = d.nWind = 0;
  d.SetnAutoCrash(0, 0);
  d.SetnAutoCrash(1, 0);
}

TEST_F(CaseRulesTest, StandardSetsByGuidelineWithTheirFactors) {
  const SetRow rows[] = {
      {"road earthworks, gravity wall, every load, buoyancy, seismic",
       [](CDocument& d) {
         d.Sisin = 2, d.SetWallType(1), d.nWater = 1, d.bQuake = -1;
         AllLoads(d);
       },
       {true, true},
       {{"自重+載荷重(自動車+雪)+浮力無視", "soil auto snow", 0, kNormal},
        {"自重+載荷重(自動車+雪)+浮力考慮", "water soil auto snow", 0, kNormal},
        {"自重+載荷重(群集+宅地)+浮力無視", "soil gunsyu takuchi", 0, kNormal},
        {"自重+載荷重(群集+宅地)+浮力考慮", "water soil gunsyu takuchi", 0, kNormal},
        {"自重+載荷重(雪+宅地)+浮力無視", "soil snow takuchi", 0, kNormal},
        {"自重+載荷重(雪+宅地)+浮力考慮", "water soil snow takuchi", 0, kNormal},
        {"自重+衝突(自動車)+浮力無視", "soil crash", 0, kRoadSpecial},
        {"自重+衝突(自動車)+浮力考慮", "water soil crash", 0, kRoadSpecial},
        {"自重+衝突(落石)+浮力無視", "soil stone", 0, kRoadSpecial},
        {"自重+衝突(落石)+浮力考慮", "water soil stone", 0, kRoadSpecial},
        {"自重+風+浮力無視", "soil wind", 0, kRoadWind},
        {"自重+風+浮力考慮", "water soil wind", 0, kRoadWind},
        {"自重+慣性力+浮力無視", "quake soil", 1, kRoadSpecial},
        {"自重+慣性力+浮力考慮", "quake water soil", 1, kRoadSpecial}}},
      {"road earthworks, leaning wall, vehicle and wind, uplift, seismic",
       [](CDocument& d) {
         d.Sisin = 2, d.SetWallType(2), d.nWater = 2, d.bQuake = -1;
         d.nAutoMobile = 0, d.nWind = 0;
       },
       {false, false},
       {{"自重+載荷重(自動車)+揚圧力無視", "auto", 0, kLeaningNormal},
        {"自重+載荷重(自動車)+揚圧力考慮", "water auto", 0, kLeaningNormal},
        {"自重+風+揚圧力無視", "wind", 0, kLeaningWind},
        {"自重+風+揚圧力考慮", "water wind", 0, kLeaningWind},
        {"自重+慣性力+揚圧力無視", "quake", 1, kLeaningSeismic},
        {"自重+慣性力+揚圧力考慮", "quake water", 1, kLeaningSeismic}}},
      {"residential land: crowd, residential load, seismic, seismic front soil, 3 loads",
       [](CDocument& d) {
         d.Sisin = 4, d.SetWallType(0), d.bQuake = -1, d.Kibo = 0;
         d.nGunsyu = 0, d.nTakuchi = 0;
         d.SetnNiniCount(3);
       },
       {false, true},
       {{"自重", "", 0, kNormal},
        {"自重+載荷重(群集+宅地)", "gunsyu takuchi", 0, kNormal},
        {"地震時(常時土圧)", "quake soil", 0, kResidentialSeismic},
        {"地震時(地震時土圧)", "quake soil", 1, kResidentialSeismic}}},
      {"residential land of the larger scale: bearing factor 1.0 when seismic",
       [](CDocument& d) { d.Sisin = 4, d.bQuake = -1, d.Kibo = 1; },
       {false, false},
       {{"自重", "", 0, kNormal},
        {"地震時(常時土圧)", "quake", 0, {2, 1.0, 1.0, 1.5, 1.5, 1.0}},
        {"地震時(地震時土圧)", "quake", 1, {2, 1.0, 1.0, 1.5, 1.5, 1.0}}}},
      {"canals, snow and rock fall, bearing capacity given (nQa 1)",
       [](CDocument& d) { d.Sisin = 5, d.SetWallType(1), d.nQa = 1, d.nSnow = 0, d.nStone = 0; },
       {true, false},
       {{"自重+載荷重(雪)", "soil snow", 0, kNormal},
        {"自重+衝突(落石)", "soil stone", 0, {3, 1.2, 1.2, 1.5, 1.5, 2}}}},
      {"canals, rock fall, bearing capacity computed (nQa 0)",
       [](CDocument& d) { d.Sisin = 5, d.SetWallType(1), d.nQa = 0, d.nStone = 0; },
       {false, false},
       {{"自重", "", 0, kNormal}, {"自重+衝突(落石)", "stone", 0, {3, 1.2, 1.2, 1.5, 1.5, 1.5}}}},
      {"farm roads, nothing considered",
       [](CDocument& d) { d.Sisin = 0; },
       {false, false},
       {{"自重", "", 0, kNormal}}},
      {"crowd only: no snow-and-residential case",
       [](CDocument& d) { d.nGunsyu = 0; },
       {false, false},
       {{"自重", "", 0, kNormal}, {"自重+載荷重(群集)", "gunsyu", 0, kNormal}}},
      {"snow and residential land, uplift",
       [](CDocument& d) { d.nSnow = 0, d.nTakuchi = 0, d.nWater = 2; },
       {false, false},
       {{"自重+載荷重(雪)+揚圧力無視", "snow", 0, kNormal},
        {"自重+載荷重(雪)+揚圧力考慮", "water snow", 0, kNormal},
        {"自重+載荷重(宅地)+揚圧力無視", "takuchi", 0, kNormal},
        {"自重+載荷重(宅地)+揚圧力考慮", "water takuchi", 0, kNormal},
        {"自重+載荷重(雪+宅地)+揚圧力無視", "snow takuchi", 0, kNormal},
        {"自重+載荷重(雪+宅地)+揚圧力考慮", "water snow takuchi", 0, kNormal}}},
      {"collision for the stem design only still makes its case",
       [](CDocument& d) { d.SetnAutoCrash(1, 0); },
       {false, false},
       {{"自重", "", 0, kNormal}, {"自重+衝突(自動車)", "crash", 0, {3, 1.2, 1.2, 1.5, 1.5, 2}}}},
  };
  for (const SetRow& r : rows) {
    SCOPED_TRACE(r.title);
    CDocument d;
    r.set(d);
    EXPECT_TRUE(MakeStdCases(d, r.soil));
    ExpectCases(d, r.cases);
  }
  EXPECT_TRUE(sink_.shown.empty());  // no case existed: nothing asked
}

TEST_F(CaseRulesTest, RegeneratingAsksOnlyWhenCasesExistAndCancelKeepsThem) {
  CDocument d;
  d.nWind = 0;
  AppendCase(d, NewCase(d, "A"));
  AppendCase(d, NewCase(d, "B"));
  d.pCase(1)->FsTentou = 2.5;

  sink_.answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(MakeStdCases(d, {false, false}));
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0], "現在入力されている荷重ケースが削除されます。\nよろしいですか？");
  ASSERT_EQ(d.nCase(), 2);
  EXPECT_EQ(d.pCase(1)->CaseName, "B");
  EXPECT_DOUBLE_EQ(d.pCase(1)->FsTentou, 2.5);

  sink_.answers = {MsgAnswer::Ok};
  EXPECT_TRUE(MakeStdCases(d, {false, false}));
  EXPECT_EQ(sink_.shown.size(), 2u);
  ExpectCases(d, {{"自重", "", 0, kNormal}, {"自重+風", "wind", 0, kRoadWind}});
}

// A document where every row of the table is a check box: all loads, water,
// seismic, front soil, two arbitrary loads and all three factor rows.
CDocument& FullDocument(CDocument& d) {
  d.Sisin = 2;
  d.SetWallType(1);
  d.nWater = 1;
  d.bQuake = -1;
  AllLoads(d);
  d.SetnNiniCount(2);
  d.nTentou = 1;
  d.ChkSlide = 1;
  return d;
}

TEST_F(CaseRulesTest, TableLayoutCountsArbitraryLoadsAndFactorRows) {
  struct Row {
    int32_t tentou;
    int16_t slide, nini;
    int32_t sisin;
    int rows, fsTentou, fsKatsudou, premium;
    const char* premiumLabel;
  };
  // rows = nini + 13 + 1 + (nTentou = 1) + (ChkSlide = 1)
  const Row rows[] = {
      {1, 1, 2, 2, 18, 15, 16, 17, "許容支持力度割増"},
      {0, 0, 0, 2, 14, 0, 0, 13, "許容支持力度割増"},
      {3, 1, 1, 4, 16, 0, 14, 15, "許容支持力度割増"},
      {1, 0, 0, 3, 15, 13, 0, 14, "支持力安全率"},
  };
  for (const Row& r : rows) {
    CDocument d;
    d.nTentou = r.tentou;
    d.ChkSlide = r.slide;
    d.Sisin = r.sisin;
    d.SetnNiniCount(r.nini);
    for (int i = 0; i < r.nini; ++i) d.pNini(i)->LoadName = "荷重" + std::to_string(i + 1);
    const CaseTableLayout t = MakeCaseTableLayout(d);
    SCOPED_TRACE(r.rows);
    EXPECT_EQ(t.rows, r.rows);
    ASSERT_EQ(static_cast<int>(t.labels.size()), r.rows);
    EXPECT_EQ(t.rowFsTentou, r.fsTentou);
    EXPECT_EQ(t.rowFsKatsudou, r.fsKatsudou);
    EXPECT_EQ(t.rowQPremium, r.premium);
    EXPECT_EQ(t.labels[static_cast<size_t>(r.premium)], r.premiumLabel);
    EXPECT_EQ(t.bearingFixed, r.sisin == 3);
    EXPECT_EQ(t.doatVisible, r.sisin == 4);
    if (r.nini > 0) {
      EXPECT_EQ(t.labels[kRowNini], "荷重1");
    }
    if (r.fsTentou) {
      EXPECT_EQ(t.labels[static_cast<size_t>(r.fsTentou)], "転倒安全率");
    }
    if (r.fsKatsudou) {
      EXPECT_EQ(t.labels[static_cast<size_t>(r.fsKatsudou)], "滑動安全率");
    }
  }
}

TEST_F(CaseRulesTest, RowsTheDocumentDoesNotConsiderShowADashAndZeroTheCaseSwitch) {
  CDocument d;  // no water, no seismic condition, nothing considered but the crowd
  d.nAutoMobile = 1;
  d.nGunsyu = 0;
  d.nTentou = 1;
  d.ChkSlide = 0;
  auto k = NewCase(d, "全部");
  for (int16_t* sw : {&k->nQuake, &k->nWater, &k->nSoilF, &k->nAutoMobil, &k->nGunsyu, &k->nSnow,
                      &k->nTakuchi, &k->nAutoCrash, &k->nStoneCrash, &k->nWind})
    *sw = 1;
  k->Doat = 1;
  k->FsTentou = 1.234;
  const CaseTableLayout t = MakeCaseTableLayout(d);
  const auto cells = SetCaseColumn(d, {false, false}, t, 3, *k);
  ASSERT_EQ(static_cast<int>(cells.size()), t.rows);
  EXPECT_EQ(cells[kRowNo].text, "3");
  EXPECT_EQ(cells[kRowName].text, "全部");
  EXPECT_EQ(Switches(*k), "gunsyu");  // every other switch zeroed
  EXPECT_EQ(k->Doat, 0);              // follows the (zeroed) seismic switch
  for (int row = kRowQuake; row <= kRowWind; ++row) {
    if (row == kRowDoat) continue;
    SCOPED_TRACE(row);
    const CaseCell& c = cells[static_cast<size_t>(row)];
    if (row == kRowGunsyu) {
      EXPECT_EQ(c.kind, CaseCell::kCheck);
      EXPECT_TRUE(c.checked);
      EXPECT_EQ(c.text, "");
    } else {
      EXPECT_EQ(c.kind, CaseCell::kDash);
      EXPECT_EQ(c.text, "-");
    }
  }
  EXPECT_EQ(cells[static_cast<size_t>(t.rowFsTentou)].text, "1.23");

  // Residential land keeps the chosen earth pressure and shows it.
  CDocument r;
  r.Sisin = 4;
  r.bQuake = -1;
  auto s = NewCase(r, "地震");
  s->nQuake = 1;
  s->Doat = 0;
  const CaseTableLayout rt = MakeCaseTableLayout(r);
  const auto rc = SetCaseColumn(r, {false, false}, rt, 1, *s);
  EXPECT_EQ(s->Doat, 0);
  EXPECT_EQ(rc[kRowDoat].text, "常時土圧");
  EXPECT_TRUE(rc[kRowQuake].checked);
}

TEST_F(CaseRulesTest, RowsShownAsCheckBoxesFollowTheDocument) {
  struct Row {
    const char* name;
    std::function<void(CDocument&)> set;
    FrontSoil soil;
    int row;
    bool considered;
  };
  const Row rows[] = {
      {"no seismic condition",
       [](CDocument& d) { d.bQuake = 0; },
       {false, false},
       kRowQuake,
       false},
      {"seismic condition", [](CDocument& d) { d.bQuake = -1; }, {false, false}, kRowQuake, true},
      {"no water", [](CDocument& d) { d.nWater = 0; }, {false, false}, kRowWater, false},
      {"uplift", [](CDocument& d) { d.nWater = 2; }, {false, false}, kRowWater, true},
      {"no front soil", [](CDocument&) {}, {false, false}, kRowSoilF, false},
      {"front soil in the seismic state only", [](CDocument&) {}, {false, true}, kRowSoilF, true},
      {"front soil in the normal state only", [](CDocument&) {}, {true, false}, kRowSoilF, true},
      {"vehicle not considered", [](CDocument& d) { d.nAutoMobile = 1; }, {}, kRowAuto, false},
      {"vehicle not chosen yet", [](CDocument& d) { d.nAutoMobile = -1; }, {}, kRowAuto, true},
      {"collision, both switches off", [](CDocument&) {}, {}, kRowCrash, false},
      {"collision for the stem only",
       [](CDocument& d) { d.SetnAutoCrash(1, 0); },
       {},
       kRowCrash,
       true},
      {"rock fall considered", [](CDocument& d) { d.nStone = 0; }, {}, kRowStone, true},
      {"wind not considered", [](CDocument&) {}, {}, kRowWind, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    r.set(d);
    EXPECT_EQ(CaseRowConsidered(d, r.soil, r.row), r.considered);
  }
}

TEST_F(CaseRulesTest, WriteBackPerRowResetsStandardFactorsOnlyForSpecialLoadRows) {
  CDocument d;
  FullDocument(d);
  const CaseTableLayout t = MakeCaseTableLayout(d);
  ASSERT_EQ(t.rows, 18);
  struct Row {
    int row;
    const char* switches;  // after ticking the row
    bool reset;
  };
  const Row rows[] = {
      {kRowQuake, "quake", true},      {kRowWater, "water", false},   {kRowSoilF, "soil", false},
      {kRowAuto, "auto", false},       {kRowGunsyu, "gunsyu", false}, {kRowSnow, "snow", false},
      {kRowTakuchi, "takuchi", false}, {kRowCrash, "crash", true},    {kRowStone, "stone", true},
      {kRowWind, "wind", true},        {kRowNini + 1, "", false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.row);
    auto k = NewCase(d, "c");
    SetCaseStdFactors(d, *k);
    k->FsTentou = 9;  // typed by hand
    k->FsKatsudou = 8;
    const CaseEdit e = WriteBackCaseCell(d, t, *k, r.row, true, "");
    EXPECT_EQ(Switches(*k), r.switches);
    EXPECT_EQ(e.factorsReset, r.reset);
    EXPECT_FALSE(e.refused);
    // Road earthworks: 1.2 for a special case; a hand value survives other
    // rows.
    EXPECT_DOUBLE_EQ(k->FsTentou, r.reset ? 1.2 : 9);
    EXPECT_DOUBLE_EQ(k->FsKatsudou, r.reset ? 1.2 : 8);
    if (r.row == kRowNini + 1) {
      EXPECT_EQ(k->nNini(1), 1);
    }
  }

  // Unticking the seismic row brings back the normal case's factors.
  auto k = NewCase(d, "地震");
  k->nQuake = 1;
  SetCaseStdFactors(d, *k);
  EXPECT_DOUBLE_EQ(k->AllowPremium, 1.5);
  WriteBackCaseCell(d, t, *k, kRowQuake, false, "");
  EXPECT_EQ(k->nQuake, 0);
  EXPECT_DOUBLE_EQ(k->FsTentou, 1.5);
  EXPECT_DOUBLE_EQ(k->AllowPremium, 1.0);
  EXPECT_DOUBLE_EQ(k->Ea, 6);

  // The earth-pressure row takes its text; the name and number rows write
  // nothing.
  WriteBackCaseCell(d, t, *k, kRowDoat, false, "地震時土圧");
  EXPECT_EQ(k->Doat, 1);
  WriteBackCaseCell(d, t, *k, kRowDoat, false, "常時土圧");
  EXPECT_EQ(k->Doat, 0);
  const std::string before = k->CaseName;
  WriteBackCaseCell(d, t, *k, kRowName, true, "他の名前");
  EXPECT_EQ(k->CaseName, before);
}

TEST_F(CaseRulesTest, FactorCellsTakeOnlyNumbersAboveZero) {
  CDocument d;
  FullDocument(d);
  const CaseTableLayout t = MakeCaseTableLayout(d);
  struct Row {
    const char* text;
    bool ok;
    double value;
    const char* shown;
  };
  const Row rows[] = {
      {"1.234", true, 1.234, "1.23"}, {" 1.5 ", true, 1.5, "1.50"}, {"１．８", true, 1.8, "1.80"},
      {"2", true, 2, "2.00"},         {"0", false, 0, nullptr},     {"-1.5", false, 0, nullptr},
      {"", false, 0, nullptr},        {"abc", false, 0, nullptr},   {"1.5abc", false, 0, nullptr},
      {"1e3", false, 0, nullptr},     {"1.2.3", false, 0, nullptr}, {".", false, 0, nullptr},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    for (int row : {t.rowFsTentou, t.rowFsKatsudou, t.rowQPremium}) {
      auto k = NewCase(d, "c");
      SetCaseStdFactors(d, *k);  // 1.5, 1.5, 1.0
      const CaseEdit e = WriteBackCaseCell(d, t, *k, row, false, r.text);
      double* member = row == t.rowFsTentou     ? &k->FsTentou
                       : row == t.rowFsKatsudou ? &k->FsKatsudou
                                                : &k->QaPremium;
      const double old = row == t.rowQPremium ? 1.0 : 1.5;
      EXPECT_EQ(e.refused, !r.ok);
      EXPECT_DOUBLE_EQ(*member, r.ok ? r.value : old);
      EXPECT_EQ(e.text, r.ok ? r.shown : (row == t.rowQPremium ? "1.00" : "1.50"));
      EXPECT_FALSE(e.factorsReset);
    }
  }
}

TEST_F(CaseRulesTest, LargeBlockBearingFactorIsTheStandardAndCannotBeEdited) {
  CDocument d;
  d.Sisin = 3;
  d.bQuake = -1;
  const CaseTableLayout t = MakeCaseTableLayout(d);
  ASSERT_TRUE(t.bearingFixed);
  auto k = NewCase(d, "地震");
  k->nQuake = 1;
  k->QuPremium = 7;  // as a stale value in memory
  const auto cells = SetCaseColumn(d, {false, false}, t, 1, *k);
  EXPECT_DOUBLE_EQ(k->QuPremium, 2);  // large-block masonry, special case
  EXPECT_EQ(cells[static_cast<size_t>(t.rowQPremium)].kind, CaseCell::kFixedFactor);
  EXPECT_EQ(cells[static_cast<size_t>(t.rowQPremium)].text, "2.00");
  const CaseEdit e = WriteBackCaseCell(d, t, *k, t.rowQPremium, false, "5");
  EXPECT_FALSE(e.refused);
  EXPECT_DOUBLE_EQ(k->QuPremium, 2);
  EXPECT_DOUBLE_EQ(k->QaPremium, 0);  // not written either
}

TEST_F(CaseRulesTest, AddedCaseGetsStandardFactorsAndNoArbitraryLoad) {
  CDocument d;
  d.SetnNiniCount(2);
  EXPECT_EQ(AppendCase(d, NewCase(d, "追加")), 0);
  ASSERT_EQ(d.nCase(), 1);
  const CKajyuCase& k = *d.pCase(0);
  EXPECT_EQ(k.CaseName, "追加");
  EXPECT_EQ(Switches(k), "");
  EXPECT_EQ(k.Doat, 0);
  EXPECT_DOUBLE_EQ(k.Ea, kNormal.Ea);
  EXPECT_DOUBLE_EQ(k.FsTentou, kNormal.FsTentou);
  EXPECT_DOUBLE_EQ(k.QuPremium, kNormal.QuPremium);
  ASSERT_EQ(k.nNiniCount(), 2);
  EXPECT_EQ(k.nNini(0), 0);
  EXPECT_EQ(k.nNini(1), 0);
}

TEST_F(CaseRulesTest, DeleteMovesTheLaterCasesUp) {
  CDocument d;
  d.SetnNiniCount(1);
  for (const char* name : {"A", "B", "C", "D"}) {
    auto k = NewCase(d, name);
    AppendCase(d, k);
  }
  d.pCase(2)->FsTentou = 3.3;
  d.pCase(2)->nWind = 1;
  d.pCase(2)->SetnNini(0, 1);
  d.pCase(3)->QaPremium = 1.7;
  EXPECT_EQ(DeleteCaseQuestion(1, "B"), "荷重ケース2(B)を削除します。\nよろしいですか？");
  EXPECT_TRUE(DeleteCase(d, 1));
  ASSERT_EQ(d.nCase(), 3);
  EXPECT_EQ(d.pCase(0)->CaseName, "A");
  EXPECT_EQ(d.pCase(1)->CaseName, "C");
  EXPECT_DOUBLE_EQ(d.pCase(1)->FsTentou, 3.3);
  EXPECT_EQ(d.pCase(1)->nWind, 1);
  EXPECT_EQ(d.pCase(1)->nNini(0), 1);
  EXPECT_EQ(d.pCase(2)->CaseName, "D");
  EXPECT_DOUBLE_EQ(d.pCase(2)->QaPremium, 1.7);
  EXPECT_FALSE(DeleteCase(d, 3));
  EXPECT_FALSE(DeleteCase(d, -1));
  EXPECT_TRUE(DeleteCase(d, 2));  // the last one
  EXPECT_EQ(d.nCase(), 2);
}

TEST_F(CaseRulesTest, CasesFollowTheArbitraryLoadCount) {
  CDocument d;
  d.SetnNiniCount(2);
  auto k = NewCase(d, "A");
  k->SetnNini(0, 1);
  k->SetnNini(1, 1);
  AppendCase(d, k);
  d.SetnNiniCount(3);
  SyncCaseNiniCounts(d);
  ASSERT_EQ(k->nNiniCount(), 3);
  EXPECT_EQ(k->nNini(0), 1);
  EXPECT_EQ(k->nNini(1), 1);
  EXPECT_EQ(k->nNini(2), 0);  // a new load acts in no existing case
  d.SetnNiniCount(1);
  SyncCaseNiniCounts(d);
  EXPECT_EQ(k->nNiniCount(), 1);
  EXPECT_EQ(k->nNini(0), 1);
  EXPECT_EQ(k->nNini(1), 0);  // dropped
}

}  // namespace
}  // namespace norva

// The document rules of the design-conditions windows, without windows.
#include "screens/conditions/conditions_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "document/document.h"
#include "document/load_case.h"

namespace norva {
namespace {

// A new document with a normal and a seismic case.
void TwoCases(CDocument& d) {
  d.SetnCase(2);
  d.pCase(0)->nQuake = 0;
  d.pCase(0)->Doat = 1;
  d.pCase(1)->nQuake = 1;
  d.pCase(1)->Doat = 0;
}

struct IniRow {
  const char* name;
  std::function<void(CDocument&)> setup;
  IniDataFields entry;  // what the dialog was opened with (the document's codes)
  IniDataFields chosen;
  std::function<void(const CDocument&)> check;
};

TEST(ApplyIniData, GuidelineAndWallTypeChanges) {
  const IniRow rows[] = {
      {"new document, farm roads and block: allowables kept, line of thrust",
       [](CDocument&) {},
       {"", 0, 0, 1},
       {"", 0, 0, 1},
       [](const CDocument& d) {
         EXPECT_EQ(d.SgmCk, 16);
         EXPECT_EQ(d.Sgmca, 4);
         EXPECT_EQ(d.Sgmta, 0.2);
         EXPECT_EQ(d.Taua, 0.3);
         EXPECT_EQ(d.nTentou, 3);
       }},
      {"road earthworks, block: sigma_ck 16 by the road formulas",
       [](CDocument&) {},
       {"", 0, 0, 1},
       {"", 2, 0, 1},
       [](const CDocument& d) {
         EXPECT_DOUBLE_EQ(d.Sgmca, 4.0);  // min(16/4, 5.5)
         EXPECT_DOUBLE_EQ(d.Sgmta, 0.2);  // min(16/80, 0.3)
         EXPECT_DOUBLE_EQ(d.Taua, 0.31);  // 16/100 + 0.15
         EXPECT_EQ(d.Sgmsa, 180);
         EXPECT_EQ(d.nTentou, 3);
         EXPECT_EQ(d.nQa, 1);
       }},
      {"road earthworks, gravity: eccentricity, bearing capacity computed",
       [](CDocument&) {},
       {"", 0, 0, 1},
       {"", 2, 1, 1},
       [](const CDocument& d) {
         EXPECT_EQ(d.nTentou, 0);
         EXPECT_EQ(d.nQa, 0);
       }},
      {"sigma_ck 24 under road earthworks",
       [](CDocument& d) { d.SgmCk = 24; },
       {"", 0, 1, 1},
       {"", 2, 1, 1},
       [](const CDocument& d) {
         EXPECT_DOUBLE_EQ(d.Sgmca, 5.5);  // 24/4 = 6 > 5.5
         EXPECT_DOUBLE_EQ(d.Sgmta, 0.3);  // 24/80 = 0.3
         EXPECT_DOUBLE_EQ(d.Taua, 0.39);  // 0.24 + 0.15
       }},
      {"sigma_ck 30 under road earthworks",
       [](CDocument& d) { d.SgmCk = 30; },
       {"", 0, 1, 1},
       {"", 2, 1, 1},
       [](const CDocument& d) {
         EXPECT_DOUBLE_EQ(d.Sgmca, 5.5);
         EXPECT_DOUBLE_EQ(d.Sgmta, 0.3);  // 30/80 = 0.375 > 0.3
         EXPECT_DOUBLE_EQ(d.Taua, 0.45);  // 0.30 + 0.15
       }},
      {"sigma_ck 21 from road earthworks to farm roads keeps the three",
       [](CDocument& d) {
         d.Sisin = 2;
         d.SgmCk = 21;
         d.Sgmca = 5.25;
         d.Sgmta = 0.2625;
         d.Taua = 0.36;
         d.Sgmsa = 200;
       },
       {"", 2, 1, 1},
       {"", 0, 1, 1},
       [](const CDocument& d) {
         EXPECT_EQ(d.Sgmca, 5.25);
         EXPECT_EQ(d.Sgmta, 0.2625);
         EXPECT_EQ(d.Taua, 0.36);
         EXPECT_EQ(d.Sgmsa, 180);
       }},
      {"sigma_ck 18 to farm roads takes the farm-road row",
       [](CDocument& d) {
         d.Sisin = 2;
         d.SgmCk = 18;
       },
       {"", 2, 1, 1},
       {"", 0, 1, 1},
       [](const CDocument& d) {
         EXPECT_EQ(d.Sgmca, 4.5);
         EXPECT_EQ(d.Sgmta, 0.25);
         EXPECT_EQ(d.Taua, 0.3);
       }},
      {"unset sigma_ck becomes 18 even without a change",
       [](CDocument& d) { d.SgmCk = kNullBox; },
       {"", 0, 1, 1},
       {"", 0, 1, 1},
       [](const CDocument& d) {
         EXPECT_EQ(d.SgmCk, 18);
         EXPECT_EQ(d.Sgmca, 4.5);
       }},
      {"large-block guideline: eccentricity even for block masonry",
       [](CDocument&) {},
       {"", 0, 0, 1},
       {"", 3, 0, 1},
       [](const CDocument& d) { EXPECT_EQ(d.nTentou, 0); }},
      {"no change: allowables and method stay, cases follow their quake",
       [](CDocument& d) {
         TwoCases(d);
         d.nTentou = 1;
         d.Sgmca = 9;
       },
       {"", 0, 1, 1},
       {"", 0, 1, 1},
       [](const CDocument& d) {
         EXPECT_EQ(d.Sgmca, 9);
         EXPECT_EQ(d.nTentou, 1);
         EXPECT_EQ(d.pCase(0)->Doat, 0);
         EXPECT_EQ(d.pCase(1)->Doat, 1);
         EXPECT_EQ(d.nAutoMobile, 0);
         EXPECT_EQ(d.nAutoTload, 0);
       }},
      {"residential land: cases kept, vehicles not considered, surcharge by the new guideline",
       [](CDocument& d) {
         TwoCases(d);
         d.nTakuchi = -1;
         d.TakuchiLoad = kNullBox;
       },
       {"", 0, 1, 1},
       {"", 4, 1, 1},
       [](const CDocument& d) {
         EXPECT_EQ(d.pCase(0)->Doat, 1);
         EXPECT_EQ(d.pCase(1)->Doat, 0);
         EXPECT_EQ(d.nAutoMobile, 1);
         EXPECT_EQ(d.nAutoTload, -1);
         EXPECT_EQ(d.nTakuchi, 0);  // considered under the chosen residential guideline
         EXPECT_EQ(d.TakuchiLoad, 9.8);
       }},
      {"leaving residential land: residential surcharge not considered",
       [](CDocument& d) {
         d.Sisin = 4;
         d.nTakuchi = -1;
       },
       {"", 4, 1, 1},
       {"", 2, 1, 1},
       [](const CDocument& d) {
         EXPECT_EQ(d.nTakuchi, 1);
         EXPECT_EQ(d.TakuchiLoad, kNullDouble);  // only a blank-box value takes 9.8
       }},
      {"free-entry snow of road earthworks stays free entry under farm roads",
       [](CDocument& d) {
         d.Sisin = 2;
         d.nSnowType = 2;
       },
       {"", 2, 1, 1},
       {"", 0, 1, 1},
       [](const CDocument& d) { EXPECT_EQ(d.nSnowType, 4); }},
      {"free-entry snow of farm roads stays free entry under canals",
       [](CDocument& d) { d.nSnowType = 4; },
       {"", 0, 1, 1},
       {"", 5, 1, 1},
       [](const CDocument& d) { EXPECT_EQ(d.nSnowType, 2); }},
      {"other snow kinds are clamped to the road list",
       [](CDocument& d) { d.nSnowType = 3; },
       {"", 0, 1, 1},
       {"", 2, 1, 1},
       [](const CDocument& d) { EXPECT_EQ(d.nSnowType, 2); }},
      {"a kind inside the new list is kept",
       [](CDocument& d) { d.nSnowType = 1; },
       {"", 0, 1, 1},
       {"", 5, 1, 1},
       [](const CDocument& d) { EXPECT_EQ(d.nSnowType, 1); }},
      {"unset snow kind stays unset",
       [](CDocument&) {},
       {"", 0, 1, 1},
       {"", 2, 1, 1},
       [](const CDocument& d) { EXPECT_EQ(d.nSnowType, -1); }},
  };
  for (const IniRow& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    r.setup(d);
    IniDataFields fields = r.entry;
    IniDataFields chosen = r.chosen;
    chosen.Title = "擁壁A";
    ApplyIniData(d, fields, chosen);
    r.check(d);
    EXPECT_EQ(fields.Title, "擁壁A");
    EXPECT_EQ(fields.Sisin, r.chosen.Sisin);
    EXPECT_EQ(fields.WallType, r.chosen.WallType);
    EXPECT_EQ(fields.Doatsu, r.chosen.Doatsu);
  }
}

TEST(ApplyIniData, LargeBlockLocksWallTypeAndFormula) {
  const IniDataLocks large = IniDataLocksFor(3);
  EXPECT_TRUE(large.forceBlockWedge);
  EXPECT_FALSE(large.otherWallTypes);
  EXPECT_FALSE(large.formulas);
  for (int sisin : {0, 2, 4, 5}) {
    SCOPED_TRACE(sisin);
    const IniDataLocks l = IniDataLocksFor(sisin);
    EXPECT_FALSE(l.forceBlockWedge);
    EXPECT_TRUE(l.otherWallTypes);
    EXPECT_TRUE(l.formulas);
  }
}

TEST(RoadAllowables, FormulasWithTheirCeilings) {
  struct Row {
    double ck, ca, ta, tau;
  } rows[] = {
      {16, 4.0, 0.2, 0.31},    // 16/4, 16/80, 0.16 + 0.15
      {18, 4.5, 0.225, 0.33},  // 18/4, 18/80 unrounded, 0.18 + 0.15
      {24, 5.5, 0.3, 0.39},    // 6 capped at 5.5
      {25, 5.5, 0.3, 0.40},    // 0.25 + 0.15 = 0.40
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.ck);
    const ConcreteAllowables a = RoadAllowables(r.ck);
    EXPECT_DOUBLE_EQ(a.Sgmca, r.ca);
    EXPECT_DOUBLE_EQ(a.Sgmta, r.ta);
    EXPECT_DOUBLE_EQ(a.Taua, r.tau);
  }
}

TEST(SetKihonDefault, DefaultsOnlyWhereNothingWasEntered) {
  struct Row {
    int32_t sisin;
    double ca, ta, tau, sa;
  } rows[] = {{0, 4.5, 0.25, 0.3, 180},
              {4, 6.0, 0.6, 0.6, 196},
              {2, 4.5, 0.23, 0.33, 180},
              {3, 4.5, 0.23, 0.33, 180},
              {5, 4.5, 0.23, 0.33, 180}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sisin);
    CDocument d;
    d.Sisin = r.sisin;
    d.SgmCk = kNullBox;
    d.Sgmca = 1;
    SetKihonDefault(d);
    EXPECT_EQ(d.SgmCk, 18);
    EXPECT_EQ(d.Sgmca, r.ca);
    EXPECT_EQ(d.Sgmta, r.ta);
    EXPECT_EQ(d.Taua, r.tau);
    EXPECT_EQ(d.Sgmsa, r.sa);
    EXPECT_EQ(d.Gamcw, 23);
    EXPECT_EQ(d.Gamcf, 23);
    EXPECT_EQ(d.Gamw, 9.8);
  }

  CDocument entered;
  entered.Sgmca = kNullBox;
  entered.Gamcw = 24.5;
  entered.Gamw = kNullBox;
  SetKihonDefault(entered);
  EXPECT_EQ(entered.SgmCk, 16);
  EXPECT_EQ(entered.Sgmca, kNullBox);  // σck entered: allowables untouched
  EXPECT_EQ(entered.Gamcw, 24.5);
  EXPECT_EQ(entered.Gamw, 9.8);
}

TEST(SetKihonDefault, CoulombTakesTheEmbankment) {
  CDocument coulomb;
  coulomb.Doatsu = 0;
  coulomb.BackType = 1;
  SetKihonDefault(coulomb);
  EXPECT_EQ(coulomb.BackType, 0);
  CDocument wedge;
  wedge.BackType = 1;
  SetKihonDefault(wedge);
  EXPECT_EQ(wedge.BackType, 1);
}

TEST(KihonFormState, EnablingByCodes) {
  CDocument d;
  d.bQuake = -1;
  d.Doatsu = 1;
  d.BackType = 1;
  d.Sisin = 2;
  d.SetWallType(1);
  KihonState s = KihonFormState(d);
  EXPECT_TRUE(s.quake);
  EXPECT_TRUE(s.wedge);
  EXPECT_TRUE(s.wedgeQuake);
  EXPECT_TRUE(s.cutFace);
  EXPECT_FALSE(s.footing);

  d.bQuake = 0;
  d.Doatsu = 0;
  d.Sisin = 3;  // the cut face has no constants under the large-block manual
  d.SetWallType(0);
  s = KihonFormState(d);
  EXPECT_FALSE(s.quake);
  EXPECT_FALSE(s.wedge);
  EXPECT_FALSE(s.wedgeQuake);
  EXPECT_FALSE(s.cutFace);
  EXPECT_TRUE(s.footing);
}

TEST(AnteiFormState, EnablingByCodes) {
  struct Row {
    const char* name;
    std::function<void(CDocument&)> setup;
    bool qaTicked;
    std::function<void(const AnteiState&)> check;
  } rows[] = {
      {"line of thrust only for block walls outside the large-block guideline",
       [](CDocument& d) { d.SetWallType(1); }, false,
       [](const AnteiState& s) { EXPECT_FALSE(s.thrustOption); }},
      {"block wall, no water", [](CDocument& d) { d.SetWallType(0); }, false,
       [](const AnteiState& s) { EXPECT_TRUE(s.thrustOption); }},
      {"block wall with the automatic water level",
       [](CDocument& d) {
         d.nWater = 1;
         d.nWlvlAuto = 1;
       },
       false, [](const AnteiState& s) { EXPECT_FALSE(s.thrustOption); }},
      {"large-block guideline", [](CDocument& d) { d.Sisin = 3; }, false,
       [](const AnteiState& s) {
         EXPECT_FALSE(s.thrustOption);
         EXPECT_TRUE(s.largeBlock);
       }},
      {"passive pressure counted, no earthquake",
       [](CDocument& d) {
         d.nJyudo = 1;
         d.ChkSlide = 1;
       },
       false,
       [](const AnteiState& s) {
         EXPECT_TRUE(s.passive);
         EXPECT_FALSE(s.passiveQuake);
         EXPECT_FALSE(s.largeBlock);
       }},
      {"passive pressure counted with earthquake",
       [](CDocument& d) {
         d.nJyudo = 1;
         d.ChkSlide = 1;
         d.bQuake = -1;
       },
       false, [](const AnteiState& s) { EXPECT_TRUE(s.passiveQuake); }},
      {"sliding not checked",
       [](CDocument& d) {
         d.nJyudo = 1;
         d.ChkSlide = 0;
       },
       false,
       [](const AnteiState& s) {
         EXPECT_FALSE(s.passive);
         EXPECT_FALSE(s.passiveCheck);
       }},
      {"given bearing capacity without a shear key", [](CDocument& d) { d.nQa = 1; }, true,
       [](const AnteiState& s) {
         EXPECT_TRUE(s.qaGroup);
         EXPECT_FALSE(s.bearingPhiC);
         EXPECT_FALSE(s.bearingRest);
       }},
      {"given bearing capacity with a shear key",
       [](CDocument& d) {
         d.nQa = 1;
         d.SetWallType(1);
         d.Tokki = 1;
       },
       true,
       [](const AnteiState& s) {
         EXPECT_TRUE(s.bearingPhiC);
         EXPECT_FALSE(s.bearingRest);
       }},
      {"computed bearing capacity", [](CDocument& d) { d.nQa = 0; }, false,
       [](const AnteiState& s) {
         EXPECT_FALSE(s.qaGroup);
         EXPECT_TRUE(s.bearingPhiC);
         EXPECT_TRUE(s.bearingRest);
       }},
      {"line of thrust with the automatic level disables the sliding options",
       [](CDocument& d) {
         d.nTentou = 3;
         d.nWlvlAuto = 1;
       },
       false,
       [](const AnteiState& s) {
         EXPECT_FALSE(s.slideOptions);
         EXPECT_FALSE(s.passiveCheck);
       }},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument d;
    r.setup(d);
    r.check(AnteiFormState(d, r.qaTicked));
  }
}

TEST(AnteiClickRules, OverturningAndSliding) {
  CDocument d;
  d.SetWallType(1);
  d.Tokki = 1;
  d.nWlvlAuto = 1;
  d.ChkSlide = 0;
  AnteiTentouClick(d, 3);
  EXPECT_EQ(d.nTentou, 3);
  EXPECT_EQ(d.Tokki, 0);
  EXPECT_EQ(d.nWlvlAuto, 0);
  EXPECT_EQ(d.ChkSlide, 0);  // unchanged by the line of thrust

  AnteiTentouClick(d, 1);
  EXPECT_EQ(d.nTentou, 1);
  EXPECT_EQ(d.ChkSlide, 1);

  d.nJyudo = 1;
  EXPECT_FALSE(AnteiSlideClick(d, 1));
  EXPECT_EQ(d.nJyudo, 1);
  EXPECT_TRUE(AnteiSlideClick(d, 0));
  EXPECT_EQ(d.ChkSlide, 0);
  EXPECT_EQ(d.nJyudo, 0);
}

TEST(MyuFromFaib, TangentRoundedAtThreeDecimals) {
  struct Row {
    double faib, myu;
  } rows[] = {
      {30, 0.577},                  // tan 30° = 0.57735
      {45, 1.000},                  // tan 45° = 1 (0.99999999999999989 in binary)
      {0, 0.000},     {35, 0.700},  // tan 35° = 0.70021
      {60, 1.732},                  // tan 60° = 1.73205
      {84.3, 10.019},               // tan 84.3° = 10.0187: beyond the μ box, kept in full
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.faib);
    EXPECT_DOUBLE_EQ(MyuFromFaib(r.faib, 0.6), r.myu);
  }
  EXPECT_EQ(MyuFromFaib(kNullBox, 0.6), 0.6);
  EXPECT_EQ(MyuFromFaib(kNullDouble, 0.6), 0.6);
}

TEST(FieldTables, NamesRangesAndMembersOfBothScreens) {
  // Every box reads and writes its own member: a distinct value per box goes
  // in through the setter and comes back through the getter.
  for (auto table : {KihonFields(), AnteiFields()}) {
    CDocument d;
    double v = 1.25;
    for (const NumField& f : table) {
      SCOPED_TRACE(std::string(f.name) + "[" + std::to_string(f.index) + "]");
      EXPECT_LT(f.lo, f.hi);
      EXPECT_NE(std::string(f.tag), "");
      f.set(d, v);
      EXPECT_EQ(f.get(d), v);
      v += 1;
    }
    v = 1.25;
    for (const NumField& f : table) {
      EXPECT_EQ(f.get(d), v) << f.name << f.index;  // no later box wrote it over
      v += 1;
    }
  }
  EXPECT_EQ(KihonFields().size(), 21u);
  EXPECT_EQ(AnteiFields().size(), 14u);
}

}  // namespace
}  // namespace norva

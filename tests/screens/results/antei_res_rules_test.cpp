// What the stability results screen shows, from the document alone: pages,
// tabs and rows by the design's settings; the case list; the cells of the
// summary grids with their verdicts, marks and colours.
#include "screens/results/antei_res_rules.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"

namespace norva {
namespace {

struct Settings {
  int32_t wallType = 1;
  int32_t doatsu = 0;
  int32_t backType = 0;
  int32_t nTentou = 0;
  int32_t sisin = 0;
  int16_t chkSlide = 1;
  int32_t tokki = 0;
  int16_t wlvlAuto = 0;
};

std::unique_ptr<CDocument> Doc(const Settings& s) {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(s.wallType);
  d->Doatsu = s.doatsu;
  d->BackType = s.backType;
  d->nTentou = s.nTentou;
  d->Sisin = s.sisin;
  d->ChkSlide = s.chkSlide;
  d->Tokki = s.tokki;  // after the wall type: a block wall's key is set on purpose
  d->nWlvlAuto = s.wlvlAuto;
  return d;
}

// The state as one readable line: tabs by their initials (D earth pressure,
// S line of thrust, T overturning, K sliding, B bearing), then the pages.
std::string Describe(const AnteiResState& s) {
  std::string out = "tabs=";
  const char* letters = "DSTKB";
  for (int t = 0; t < 5; ++t)
    if (s.tabs[t]) out += letters[t];
  out += " first=" + std::string(1, letters[s.firstTab]);
  out += " doatsu=" + std::to_string(s.doatsuPage);
  out += " katsu=" + std::to_string(s.katsudouPage);
  out += " siji=" + std::to_string(s.sijiPage);
  out += " rows=";
  out += s.rowSafety ? "F" : "";
  out += s.rowPosition ? "D" : "";
  out += s.rowEccentricity ? "E" : "";
  out += " wlvl=" + std::to_string(s.cmdWlvlEnabled);
  out += " part=" + std::to_string(s.optAntei) + (s.optAnteiEnabled ? "on" : "off");
  return out;
}

TEST(AnteiResFormState, PagesTabsAndRowsFollowTheDesign) {
  struct Row {
    const char* name;
    Settings s;
    const char* expected;
  } rows[] = {
      {"gravity, Coulomb, eccentricity: opens on overturning",
       {1, 0, 0, 0, 0, 1, 0, 0},
       "tabs=TKB first=T doatsu=0 katsu=0 siji=0 rows=E wlvl=0 part=1off"},
      {"gravity, trial wedge, cut, safety factor, key, road earthworks",
       {1, 1, 1, 1, 2, 1, 1, 1},
       "tabs=DTKB first=D doatsu=1 katsu=1 siji=0 rows=F wlvl=1 part=1off"},
      {"block wall, line of thrust, trial wedge, no sliding check",
       {0, 1, 0, 3, 4, 0, 0, 1},
       "tabs=DSB first=D doatsu=0 katsu=0 siji=0 rows=FDE wlvl=0 part=1off"},
      {"block wall, Coulomb, line of thrust: the overturning tab is not offered",
       {0, 0, 0, 3, 0, 1, 0, 0},
       "tabs=SKB first=S doatsu=0 katsu=0 siji=0 rows=FDE wlvl=0 part=1off"},
      {"block wall with a stray key keeps the plain sliding page, large block, cut",
       {0, 1, 1, 0, 3, 1, 1, 0},
       "tabs=DTKB first=D doatsu=2 katsu=0 siji=1 rows=E wlvl=0 part=1off"},
      {"leaning wall under road earthworks: the position check instead",
       {2, 1, 0, 0, 2, 1, 0, 1},
       "tabs=DTKB first=D doatsu=0 katsu=0 siji=0 rows=D wlvl=1 part=1off"},
      {"leaning wall elsewhere: the eccentricity check",
       {2, 1, 0, 0, 0, 1, 0, 0},
       "tabs=DTKB first=D doatsu=0 katsu=0 siji=0 rows=E wlvl=0 part=1off"},
      {"both checks show every row",
       {1, 0, 0, 2, 5, 1, 0, 1},
       "tabs=TKB first=T doatsu=0 katsu=0 siji=0 rows=FDE wlvl=1 part=1off"},
      {"mixed wall, Coulomb: the lower wall still has its earth-pressure page",
       {3, 0, 0, 0, 2, 1, 1, 1},
       "tabs=DTKB first=D doatsu=0 katsu=1 siji=0 rows=E wlvl=1 part=0on"},
      {"mixed wall, cut, line of thrust chosen: no water-level window",
       {3, 1, 1, 3, 0, 1, 0, 1},
       "tabs=DTKB first=D doatsu=1 katsu=0 siji=0 rows=FDE wlvl=0 part=0on"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(Describe(AnteiResFormState(*Doc(r.s))), r.expected);
  }
}

TEST(AnteiResFormState, UpperWallOfAMixedWall) {
  Settings s{3, 1, 1, 0, 0, 1, 0, 0};
  AnteiResState st = AnteiResFormState(*Doc(s));
  EXPECT_TRUE(st.mixed);
  EXPECT_TRUE(st.upperPageAvailable);
  EXPECT_EQ(st.wallPage, 0);
  EXPECT_TRUE(st.upperDoatsuTab);
  EXPECT_EQ(st.upperFirstTab, 0);
  EXPECT_EQ(st.upperDoatsuPage, 1);  // cut
  s.doatsu = 0;
  s.backType = 0;
  st = AnteiResFormState(*Doc(s));
  EXPECT_FALSE(st.upperDoatsuTab);  // Coulomb: line of thrust only
  EXPECT_EQ(st.upperFirstTab, 1);
  EXPECT_EQ(st.upperDoatsuPage, 0);

  st = AnteiResFormState(*Doc(Settings{}));
  EXPECT_FALSE(st.upperPageAvailable);
  EXPECT_EQ(st.wallPage, 1);
}

TEST(AnteiResCaseList, NumberRightAlignedInTwoCharacters) {
  EXPECT_EQ(CaseListItem(0, "常時"), " 1.常時");
  EXPECT_EQ(CaseListItem(2, "地震時"), " 3.地震時");
  EXPECT_EQ(CaseListItem(11, "常時(水位)"), "12.常時(水位)");
  EXPECT_EQ(CaseListItem(4, ""), " 5.");
}

// ---- Summary grids ------------------------------------------------------------

TEST(AnteiResSummaryLayout, ColumnsHeadingsAndHiddenGroups) {
  struct Row {
    const char* name;
    Settings s;
    int cols;
    const char* overturning;
    int decimals;
    std::vector<int> hidden;
  } rows[] = {
      {"farm roads, eccentricity", {1, 0, 0, 0, 0, 1}, 14, " 転倒に対する検討(偏心量)", 3, {}},
      {"road earthworks, safety factor, no sliding",
       {1, 0, 0, 1, 2, 0},
       17,
       " 転倒に対する検討(安全率)",
       2,
       {9, 10, 11, 15, 16, 17}},
      {"both checks use the safety-factor group",
       {1, 0, 0, 2, 4, 1},
       14,
       " 転倒に対する検討(安全率)",
       2,
       {}},
      {"large block, line of thrust", {0, 1, 0, 3, 3, 1}, 17, " 転倒に対する検討(示力線)", 3, {}},
      {"leaning wall under road earthworks",
       {2, 1, 0, 0, 2, 1},
       17,
       " 　　　転倒に対する検討",
       3,
       {15, 16, 17}},
      {"leaning wall elsewhere", {2, 1, 0, 0, 5, 1}, 14, " 転倒に対する検討(偏心量)", 3, {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const SummaryLayout l = SummaryGridLayout(*Doc(r.s), 1);
    EXPECT_EQ(l.cols, r.cols);
    ASSERT_GE(l.groups.size(), 3u);
    EXPECT_EQ(l.groups[0].firstCol, 6);
    EXPECT_EQ(l.groups[0].heading, r.overturning);
    EXPECT_EQ(l.groups[0].decimals, r.decimals);
    EXPECT_EQ(l.groups[1].firstCol, 9);
    EXPECT_EQ(l.groups[1].heading, "       滑動に対する検討");
    // The bearing group stays at column 12 with or without the sliding check.
    EXPECT_EQ(l.groups[2].firstCol, 12);
    EXPECT_EQ(l.groups[2].heading, "    地盤支持に対する検討");
    EXPECT_EQ(l.groups.size(), r.cols == 17 ? 4u : 3u);
    EXPECT_EQ(l.hiddenCols, r.hidden);
  }
  const SummaryLayout upper = SummaryGridLayout(*Doc({3, 0, 0, 1, 0, 1}), 0);
  EXPECT_EQ(upper.cols, 8);
  ASSERT_EQ(upper.groups.size(), 1u);
  EXPECT_EQ(upper.groups[0].heading, " 転倒に対する検討(示力線)");
}

// A document with one case whose result of `part` is set by `fill`.
struct OneCase {
  std::unique_ptr<CDocument> doc;
  std::shared_ptr<CAntRes> r;
  OneCase(const Settings& s, int part = 0) : doc(Doc(s)) {
    doc->SetnCase(1);
    auto k = std::make_shared<CKajyuCase>();
    k->CaseName = "常時";
    k->QaPremium = 1.5;
    doc->SetpCase(0, k);
    doc->Qa = 200;
    r = doc->AntRes(part, 0);
    r->SgmV = 100;
    r->SgmH = 30;
    r->SgmMr = 150;
    r->SgmMo = 45.555;
    r->Breadth = 3;
    r->Fs = 2;
    r->Fsa = 1.5;
    r->Qmax = 50;
    r->Qmin = 20;
    r->Qa = 100;
  }
};

struct Expect {
  const char* value;
  const char* mark;
  const char* limit;
  uint32_t colour;  // 1: not coloured
};
void Check(const SummaryGroupCells& g, const Expect& e) {
  EXPECT_EQ(g.value.text, e.value);
  EXPECT_EQ(g.mark.text, e.mark);
  EXPECT_EQ(g.limit.text, e.limit);
  if (e.colour == 1) {
    EXPECT_FALSE(g.value.coloured);
  } else {
    EXPECT_TRUE(g.value.coloured);
    EXPECT_EQ(g.value.colour, e.colour);
  }
}
constexpr uint32_t kRed = kResultRed, kBlue = kResultBlue, kBlack = kResultBlack;

TEST(AnteiResSummaryRow, NameAndSums) {
  OneCase c({1, 0, 0, 0, 0, 1});
  const SummaryRow row = SummaryRowCells(*c.doc, 1, 0);
  EXPECT_EQ(row.name, "常時");
  EXPECT_EQ(row.sums[0], "100.00");
  EXPECT_EQ(row.sums[1], "30.00");
  EXPECT_EQ(row.sums[2], "150.00");
  EXPECT_EQ(row.sums[3], "45.56");  // 45.555 rounded half away from zero
  c.r->SgmV = kNullBox;
  EXPECT_EQ(SummaryRowCells(*c.doc, 1, 0).sums[0], "-----");
}

TEST(AnteiResSummaryRow, EveryOverturningVariant) {
  struct Row {
    const char* name;
    Settings s;
    double Fm, Fma, Xh, Xd, D, E, Ea;
    Expect e;
  } rows[] = {
      {"safety factor above",
       {1, 0, 0, 1, 0},
       2.0,
       1.5,
       0,
       0,
       0,
       0,
       0,
       {"2.00", ">", "1.50", kBlue}},
      // Equal passes (blue); the mark is the cells' true relation.
      {"safety factor equal",
       {1, 0, 0, 2, 0},
       1.5,
       1.5,
       0,
       0,
       0,
       0,
       0,
       {"1.50", "=", "1.50", kBlue}},
      // 1.496 shows as 1.50: the cells read equal, the verdict is the rule's.
      {"safety factor equal as shown, short as computed",
       {1, 0, 0, 1, 0},
       1.496,
       1.5,
       0,
       0,
       0,
       0,
       0,
       {"1.50", "=", "1.50", kRed}},
      {"safety factor below",
       {1, 0, 0, 1, 0},
       1.4,
       1.5,
       0,
       0,
       0,
       0,
       0,
       {"1.40", "<", "1.50", kRed}},
      {"line of thrust inside",
       {0, 0, 0, 3, 0},
       0,
       0,
       0.4,
       0.45,
       0,
       0,
       0,
       {"0.400", "<", "0.450", kBlue}},
      {"line of thrust on the middle third",
       {0, 0, 0, 3, 0},
       0,
       0,
       0.45,
       0.45,
       0,
       0,
       0,
       {"0.450", "=", "0.450", kBlue}},
      {"line of thrust outside",
       {0, 0, 0, 3, 0},
       0,
       0,
       0.5,
       0.45,
       0,
       0,
       0,
       {"0.500", ">", "0.450", kRed}},
      // Leaning wall, road earthworks: L = 3/2 - 0.5 = 1.0.
      {"distance enough", {2, 0, 0, 0, 2}, 0, 0, 0, 0, 1.2, 0, 0.5, {"1.200", ">", "1.000", kBlue}},
      {"distance equal", {2, 0, 0, 0, 2}, 0, 0, 0, 0, 1.0, 0, 0.5, {"1.000", "=", "1.000", kBlue}},
      {"distance short", {2, 0, 0, 0, 2}, 0, 0, 0, 0, 0.9, 0, 0.5, {"0.900", "<", "1.000", kRed}},
      {"eccentricity within",
       {1, 0, 0, 0, 0},
       0,
       0,
       0,
       0,
       0,
       0.4,
       0.5,
       {"0.400", "<", "0.500", kBlue}},
      {"eccentricity on the limit",
       {1, 0, 0, 0, 0},
       0,
       0,
       0,
       0,
       0,
       0.5,
       0.5,
       {"0.500", "=", "0.500", kBlue}},
      {"eccentricity toe side",
       {1, 0, 0, 0, 0},
       0,
       0,
       0,
       0,
       0,
       0.6,
       0.5,
       {"0.600", ">", "0.500", kRed}},
      {"heel side, gravity wall",
       {1, 0, 0, 0, 0},
       0,
       0,
       0,
       0,
       0,
       -0.75,
       0.5,
       {"0.750", ">", "0.500", kRed}},
      // Passes (a block wall leans on its backfill), yet 0.750 > 0.500.
      {"heel side, block wall",
       {0, 0, 0, 0, 4},
       0,
       0,
       0,
       0,
       0,
       -0.75,
       0.5,
       {"0.750", ">", "0.500", kBlue}},
      {"heel side, leaning wall",
       {2, 0, 0, 0, 0},
       0,
       0,
       0,
       0,
       0,
       -0.75,
       0.5,
       {"0.750", ">", "0.500", kRed}},
      {"eccentricity not computed",
       {1, 0, 0, 0, 0},
       0,
       0,
       0,
       0,
       0,
       kNullBox,
       0.5,
       {"-----", "", "0.500", kRed}},
      {"safety factor not computed",
       {1, 0, 0, 1, 0},
       kNullBox,
       1.5,
       0,
       0,
       0,
       0,
       0,
       {"-----", "", "1.50", kRed}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    OneCase c(r.s);
    c.r->Fm = r.Fm;
    c.r->Fma = r.Fma;
    c.r->Xh = r.Xh;
    c.r->Xd = r.Xd;
    c.r->D = r.D;
    c.r->E = r.E;
    c.r->Ea = r.Ea;
    Check(SummaryRowCells(*c.doc, 1, 0).groups[0], r.e);
  }
}

TEST(AnteiResSummaryRow, MixedWallGridsJudgeEachPart) {
  // Upper wall: line of thrust whatever nTentou; lower wall: its eccentricity,
  // heel side passing.
  OneCase c({3, 1, 0, 0, 2}, 1);
  c.r->E = -0.8;
  c.r->Ea = 0.5;
  auto upper = c.doc->AntRes(0, 0);
  upper->Xh = 0.3;
  upper->Xd = 0.25;
  upper->SgmV = 42;
  const SummaryRow top = SummaryRowCells(*c.doc, 0, 0);
  ASSERT_EQ(top.groups.size(), 1u);
  Check(top.groups[0], {"0.300", ">", "0.250", kRed});
  EXPECT_EQ(top.sums[0], "42.00");
  const SummaryRow bottom = SummaryRowCells(*c.doc, 1, 0);
  Check(bottom.groups[0], {"0.800", ">", "0.500", kBlue});
  EXPECT_EQ(bottom.sums[0], "100.00");
}

TEST(AnteiResSummaryRow, Sliding) {
  struct Row {
    const char* name;
    double Fs, Fsa;
    Expect e;
  } rows[] = {
      {"above", 1.6, 1.5, {"1.60", ">", "1.50", kBlue}},
      {"equal passes", 1.5, 1.5, {"1.50", "=", "1.50", kBlue}},
      {"below", 1.2, 1.5, {"1.20", "<", "1.50", kRed}},
      {"no horizontal force", -1, 1.5, {"", "------", "", kBlue}},
      {"zero resistance", 0, 1.5, {"0.00", "<", "1.50", kRed}},
      {"not computed", kNullBox, 1.5, {"-----", "", "1.50", kRed}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    OneCase c({1, 0, 0, 0, 0, 1});
    c.r->Fs = r.Fs;
    c.r->Fsa = r.Fsa;
    Check(SummaryRowCells(*c.doc, 1, 0).groups[1], r.e);
  }
}

TEST(AnteiResSummaryRow, BearingByGuidelineAndEntry) {
  struct Row {
    const char* name;
    int32_t sisin;
    int16_t nQa;
    double Qmax, Qmin, Qa;
    Expect e;
  } rows[] = {
      {"farm roads: the larger reaction", 0, 0, 80, 95, 100, {"95.00", "<", "100.00", kBlue}},
      {"farm roads at the allowable", 0, 0, 100, 20, 100, {"100.00", "=", "100.00", kBlue}},
      // 100.004 shows as 100.00 and exceeds qa: "=" in red.
      {"farm roads above by less than a cell shows",
       0,
       0,
       100.004,
       20,
       100,
       {"100.00", "=", "100.00", kRed}},
      {"farm roads above", 0, 0, 100.01, 20, 100, {"100.01", ">", "100.00", kRed}},
      {"residential, outside the base", 4, 0, 1e10, 1e10, 100, {"-----", ">", "100.00", kRed}},
      // Road earthworks, entered: qa = 1.5 x 200 = 300.
      {"road earthworks entered", 2, 1, 250, 120, 100, {"250.00", "<", "300.00", kBlue}},
      {"road earthworks from factors", 2, 0, 120, 150, 100, {"150.00", ">", "100.00", kRed}},
      {"road earthworks outside", 2, 1, 1e10, 1e10, 100, {"-----", ">", "300.00", kRed}},
      {"not computed", 5, 0, kNullBox, kNullBox, 100, {"-----", "", "100.00", kRed}},
      {"large block: no judgement", 3, 0, 123.456, 10, 100, {"123.46", "", "", kBlack}},
      {"large block outside", 3, 0, 1e10, 1e10, 100, {"-----", "", "", kBlack}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    OneCase c({1, 0, 0, 0, r.sisin, 1});
    c.doc->nQa = r.nQa;
    c.r->Qmax = r.Qmax;
    c.r->Qmin = r.Qmin;
    c.r->Qa = r.Qa;
    const SummaryRow row = SummaryRowCells(*c.doc, 1, 0);
    Check(row.groups[2], r.e);
    EXPECT_EQ(row.groups.size(), (r.sisin == 2 || r.sisin == 3) ? 4u : 3u);
  }
  OneCase c({1, 0, 0, 0, 3, 1});
  c.r->fB = 3.0;
  c.r->Fba = 3.0;
  Check(SummaryRowCells(*c.doc, 1, 0).groups[3], {"3.00", "=", "3.00", kBlue});
  c.r->fB = 2.5;
  Check(SummaryRowCells(*c.doc, 1, 0).groups[3], {"2.50", "<", "3.00", kRed});
  c.r->fB = 3.5;
  Check(SummaryRowCells(*c.doc, 1, 0).groups[3], {"3.50", ">", "3.00", kBlue});
}

TEST(AnteiResSummaryRow, SlidingOffLeavesItsGroupEmpty) {
  OneCase c({1, 0, 0, 0, 0, 0});
  const SummaryRow row = SummaryRowCells(*c.doc, 1, 0);
  EXPECT_EQ(row.groups[1].value.text, "");
  EXPECT_EQ(row.groups[1].mark.text, "");
  EXPECT_EQ(row.groups[2].value.text, "50.00");
}

}  // namespace
}  // namespace norva

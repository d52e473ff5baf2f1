// The frame of the earth-pressure section: which method and case writers a
// wall part gets, the surcharge tables before them, and the heading levels.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "document/load_case.h"
#include "report/earth_pressure/earth_pressure_test_support.h"
#include "report/earth_pressure/earth_pressure_writers.h"
#include "report/earth_pressure/prn_doatsu.h"
#include "text/cp932.h"

namespace norva {
namespace {

TEST(DoatsuDispatch, KindFollowsWallPartFormulaBackGroundAndGuideline) {
  using K = DoatsuSection;
  struct Row {
    const char* name;
    int32_t wallType;
    int16_t part;
    int32_t doatsu, backType, sisin;
    K want;
  };
  const Row rows[] = {
      // The lower wall of a mixed wall goes by its back ground alone.
      {"mixed lower, embankment", 3, 1, 0, 0, 0, K::kMixedLowerEmbankment},
      {"mixed lower, embankment, wedge", 3, 1, 1, 0, 3, K::kMixedLowerEmbankment},
      {"mixed lower, cut", 3, 1, 0, 1, 2, K::kMixedLowerCut},
      {"mixed lower, cut, wedge", 3, 1, 1, 1, 3, K::kMixedLowerCut},
      // Every other part: formula, then back ground, then guideline.
      {"mixed upper, Coulomb", 3, 0, 0, 1, 3, K::kCoulomb},
      {"mixed upper, embankment wedge", 3, 0, 1, 0, 2, K::kWedgeEmbankment},
      {"mixed upper, cut large block", 3, 0, 1, 1, 3, K::kWedgeLargeBlock},
      {"gravity, Coulomb, cut", 1, 0, 0, 1, 2, K::kCoulomb},
      {"block, Coulomb, part 1 ignored", 0, 1, 0, 0, 0, K::kCoulomb},
      {"block, embankment wedge", 0, 0, 1, 0, 3, K::kWedgeEmbankment},
      {"leaning, embankment wedge", 2, 0, 1, 0, 2, K::kWedgeEmbankment},
      {"gravity, cut, road", 1, 0, 1, 1, 2, K::kWedgeCutRoad},
      {"block, cut, large block", 0, 0, 1, 1, 3, K::kWedgeLargeBlock},
      {"leaning, cut, farm roads", 2, 0, 1, 1, 0, K::kWedgeCut},
      {"gravity, cut, residential", 1, 0, 1, 1, 4, K::kWedgeCut},
      {"block, cut, canals", 0, 0, 1, 1, 5, K::kWedgeCut},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument doc;
    doc.SetWallType(r.wallType);
    doc.Doatsu = r.doatsu;
    doc.BackType = r.backType;
    doc.Sisin = r.sisin;
    EXPECT_EQ(DoatsuSectionOf(doc, r.part), r.want);
  }
}

// Records the writers the frame calls, each as one line of the markup.
class DoatsuFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_.resize(kDoatsuSectionCount);
    for (int k = 0; k < kDoatsuSectionCount; ++k) {
      const auto kind = static_cast<DoatsuSection>(k);
      saved_[k] = DoatsuWriters(kind);
      DoatsuWriters(kind) = {[k](PrnFile& f, const CDocument&, const std::string&) {
                               f.Line("method #", {static_cast<int16_t>(k)});
                             },
                             [k](PrnFile& f, const CDocument&, int32_t i, const std::string&) {
                               f.Line("case # of kind #", {i, static_cast<int16_t>(k)});
                             }};
    }
  }
  void TearDown() override {
    for (int k = 0; k < kDoatsuSectionCount; ++k) {
      DoatsuWriters(static_cast<DoatsuSection>(k)) = saved_[k];
    }
    PrnSel() = ReportSelection{};
  }

  // Three normal cases; the vehicle load is considered by the document.
  void Cases(CDocument& doc) {
    doc.SetnCase(3);
    for (int i = 0; i < 3; ++i) doc.pCase(i)->CaseName = "C" + std::to_string(i + 1);
    doc.nAutoMobile = 0;
    doc.AutoPos = 0.5;
    doc.AutoWidth = 2.0;
    doc.AutoLoad = 10;
    test::ReportEveryCase(doc);
  }

  std::vector<std::string> Written(const CDocument& doc, int16_t part) {
    return test::Lines(test::Markup([&](PrnFile& f) { PrnDoatsu(f, doc, work_.path(), part); }));
  }

  test::TempFolder work_;
  std::vector<DoatsuSectionWriters> saved_;
};

TEST_F(DoatsuFrame, MethodOnceThenEveryReportedCaseInOrder) {
  CDocument doc;
  doc.SetWallType(1);
  doc.Doatsu = 0;
  Cases(doc);
  PrnSel().PrnAnteiCases.Set(1, 0);
  const std::vector<std::string> want = {"method 2", "case 0 of kind 2", "case 2 of kind 2"};
  EXPECT_EQ(Written(doc, 0), want);
}

TEST_F(DoatsuFrame, NoReportedCaseWritesTheMethodAlone) {
  CDocument doc;
  doc.SetWallType(0);
  doc.Doatsu = 1;
  Cases(doc);
  doc.pCase(0)->nAutoMobil = 1;
  for (int i = 0; i < 3; ++i) PrnSel().PrnAnteiCases.Set(i, 0);
  EXPECT_EQ(Written(doc, 0), std::vector<std::string>{"method 3"});
}

TEST_F(DoatsuFrame, SurchargeHeadingOnceBeforeTheFirstTableOnly) {
  CDocument doc;
  doc.SetWallType(1);
  doc.Doatsu = 0;
  Cases(doc);
  // Case 1 has no surcharge; cases 2 and 3 apply the vehicle load.
  doc.pCase(1)->nAutoMobil = 1;
  doc.pCase(2)->nAutoMobil = 1;
  const std::vector<std::string> lines = Written(doc, 0);
  int headings = 0, caseHeadings = 0;
  for (const std::string& l : lines) {
    if (l == "<H2>上載荷重</H2>") ++headings;
    if (l.rfind("<H3>荷重ケース.", 0) == 0) ++caseHeadings;
  }
  EXPECT_EQ(headings, 1);
  EXPECT_EQ(caseHeadings, 2);
  EXPECT_EQ(lines[3], "<H3>荷重ケース.2 － C2時</H3>");
  // The tables come before the method.
  const auto method = std::find(lines.begin(), lines.end(), "method 2");
  ASSERT_NE(method, lines.end());
  EXPECT_EQ(*(method - 1), "</PRE></PROTECT>");
}

TEST_F(DoatsuFrame, SurchargeSwitchedOffOrNotAppliedWritesNoTable) {
  struct Row {
    const char* name;
    int16_t docSwitch, caseSwitch;
  };
  // The calculation takes a load only for document switch 0 and case switch
  // 1; the table shows what it took.
  const Row rows[] = {{"not considered", 1, 1}, {"not applied", 0, 0}, {"odd case switch", 0, -1}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    CDocument doc;
    doc.SetWallType(1);
    doc.Doatsu = 0;
    Cases(doc);
    doc.nAutoMobile = r.docSwitch;
    doc.pCase(0)->nAutoMobil = r.caseSwitch;
    EXPECT_EQ(Written(doc, 0).front(), "method 2");
  }
}

TEST_F(DoatsuFrame, MixedWallLevelsAndPartsEachWithTheirOwnHeading) {
  CDocument doc;
  doc.SetWallType(3);
  doc.Doatsu = 1;
  doc.BackType = 0;
  Cases(doc);
  doc.pCase(0)->nAutoMobil = 1;
  for (int16_t part : {0, 1}) {
    SCOPED_TRACE(part);
    const std::vector<std::string> lines = Written(doc, part);
    ASSERT_GT(lines.size(), 4u);
    EXPECT_EQ(lines[2], "<H3>上載荷重</H3>");
    EXPECT_EQ(lines[3], "<H4>荷重ケース.1 － C1時</H4>");
    const std::string method = part == 0 ? "method 3" : "method 0";
    EXPECT_NE(std::find(lines.begin(), lines.end(), method), lines.end());
  }
}

}  // namespace
}  // namespace norva

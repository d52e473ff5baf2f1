// The stability chapter with its own sections registered, on the sample
// designs after a real calculation: every figure it names is in the work
// folder, its sections stand in order, and writing it leaves the results as
// they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "report/driver/prn_antei.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "report/stability/stability_test_support.h"

namespace norva {
namespace {

class StabilityChapter : public ::testing::Test {
 protected:
  void SetUp() override {
    PrnWriters() = ReportWriters{};
    RegisterReportWriters();
  }
  void TearDown() override {
    PrnWriters() = ReportWriters{};
    PrnSel() = ReportSelection{};
  }
  // Calculates the design as the report selection does and writes the
  // chapter of every part with all cases ticked.
  std::string Chapter(CDocument& doc) {
    if (doc.nWater != 0 && doc.nWlvlAuto != 0) CalcWlvlAuto(doc);
    CalcAntei(doc, 0, 0);
    PrnSel().NewDocument(doc.nCase());
    PrnSel().PrnSelAntei = 1;
    for (int i = 0; i < doc.nCase(); ++i) PrnSel().PrnAnteiCases.Set(i, 1);
    return test::Markup([&](PrnFile& f) {
      PrnAntei(f, doc, work.path(), 0);
      if (doc.WallType() == 3) PrnAntei(f, doc, work.path(), 1);
    });
  }
  test::TempFolder work{"norva_chapter"};
  test::SaverScope saver;
  test::RecordingSink sink;
};

// Water in the cases: 0 none, 1 buoyancy, 2 uplift; front soil in every case.
void Water(CDocument& d, int32_t nWater, bool auto_) {
  d.nWater = nWater;
  d.nWlvlAuto = auto_ ? 1 : 0;
  d.Gamw = 9.8;
  for (int s = 0; s < 2; ++s) {
    d.SetWatFH(s, 0.8);
    d.SetWatBH(s, 1.2);
    d.SetSoilFH(s, 0.6);
  }
  for (int i = 0; i < d.nCase(); ++i) {
    d.pCase(i)->nWater = nWater != 0 ? 1 : 0;
    d.pCase(i)->nSoilF = 1;
  }
}

TEST_F(StabilityChapter, EveryFigureItNamesIsWritten) {
  struct Row {
    const char* sample;
    int32_t nTentou;
    int32_t nWater;
    bool wlvlAuto;
  };
  const Row rows[] = {
      {"block_masonry", 0, 0, false}, {"block_masonry", 3, 1, true}, {"block_masonry", 3, 2, false},
      {"block_masonry", 1, 0, false}, {"gravity", 0, 1, true},       {"gravity", 1, 2, false},
      {"leaning", 0, 1, false},       {"leaning", 0, 2, true},       {"mixed", 0, 1, true},
      {"mixed", 0, 2, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.sample) + " nTentou " + std::to_string(r.nTentou) + " nWater " +
                 std::to_string(r.nWater));
    auto doc = test::Sample(r.sample);
    doc->nTentou = r.nTentou;
    Water(*doc, r.nWater, r.wlvlAuto);
    const std::string bytes = Chapter(*doc);
    const std::vector<std::string> paths = test::ImagePaths(bytes);
    EXPECT_GE(paths.size(), 2u);
    for (const std::string& p : paths) EXPECT_TRUE(std::filesystem::exists(p)) << p;
    const std::string text = Cp932ToUtf8(bytes);
    for (const char* want :
         {"底面における作用力", "作用力の集計", "安定計算結果一覧", "安定計算"}) {
      EXPECT_NE(text.find(want), std::string::npos) << want;
    }
    const bool thrust = r.nTentou == 3 || doc->WallType() == 3;
    EXPECT_EQ(text.find("示力線法による検討") != std::string::npos, thrust);
    if (r.wlvlAuto && doc->ChkSlide == 1) {
      EXPECT_NE(text.find("滑動安全率が最小となる水位"), std::string::npos);
    }
  }
}

// The line-of-thrust figure runs the section-force sums of each case on the
// document; the report leaves the stored results as the calculation left them.
TEST_F(StabilityChapter, WritingTheChapterLeavesTheResultsAsTheyWere) {
  auto doc = test::Sample("block_masonry");
  doc->nTentou = 3;
  Water(*doc, 2, false);
  if (doc->nWater != 0) CalcWlvlAuto(*doc);
  CalcAntei(*doc, 0, 0);
  auto snapshot = [&doc] {
    std::vector<double> v{doc->WallH, doc->MxwH1};
    for (int i = 0; i < doc->nCase(); ++i) {
      const CAntRes& r = *doc->AntRes(0, i);
      for (double x : {r.Xh, r.Xd, r.Ha, r.Ka, r.Qd, r.Qw, r.Pa, r.Pah, r.SgmV, r.SgmMr, r.D})
        v.push_back(x);
      for (int k = 0; k < CAntRes::kSForceItems; ++k) {
        v.push_back(r.SForceV(k));
        v.push_back(r.SForceMo(k));
        v.push_back(r.nSForce(k));
      }
    }
    return v;
  };
  const std::vector<double> before = snapshot();
  PrnSel().NewDocument(doc->nCase());
  for (int i = 0; i < doc->nCase(); ++i) PrnSel().PrnAnteiCases.Set(i, 1);
  test::Markup([&](PrnFile& f) { PrnAntei(f, *doc, work.path(), 0); });
  EXPECT_EQ(snapshot(), before);
}

// A case with water that is not ticked still gets its critical-level section.
TEST_F(StabilityChapter, CriticalLevelOfAnUntickedCase) {
  auto doc = test::Sample("gravity");
  Water(*doc, 1, true);
  CalcWlvlAuto(*doc);
  CalcAntei(*doc, 0, 0);
  PrnSel().NewDocument(doc->nCase());
  for (int i = 1; i < doc->nCase(); ++i) PrnSel().PrnAnteiCases.Set(i, 1);
  const std::string text =
      Cp932ToUtf8(test::Markup([&](PrnFile& f) { PrnAntei(f, *doc, work.path(), 0); }));
  EXPECT_NE(text.find("WlvlAuto000.svg"), std::string::npos);
  EXPECT_NE(text.find("WlvlAuto001.svg"), std::string::npos);
  // One section heading, before the first case.
  const size_t h = text.find("<H2>滑動安全率が最小となる水位</H2>");
  ASSERT_NE(h, std::string::npos);
  EXPECT_EQ(text.find("<H2>滑動安全率が最小となる水位</H2>", h + 1), std::string::npos);
  EXPECT_LT(h, text.find("WlvlAuto000.svg"));
}

}  // namespace
}  // namespace norva

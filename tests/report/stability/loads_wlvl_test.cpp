// Horizontal and other loads, and the critical water level: hand goldens.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/stability/prn_loads.h"
#include "report/stability/prn_wlvl_auto.h"
#include "report/stability/stability_test_support.h"

namespace norva {
namespace {

class LoadSections : public ::testing::Test {
 protected:
  void TearDown() override { PrnSel() = ReportSelection{}; }
};

void Slot(CAntRes& r, int j, const char* name, double V, double X, double H, double Y) {
  r.SetHorzLoadNam(j, name);
  r.SetHorzLoadV(j, V);
  r.SetHorzLoadX(j, X);
  r.SetHorzLoadH(j, H);
  r.SetHorzLoadY(j, Y);
}

TEST_F(LoadSections, HorizontalLoadsWithTheMethodOfEveryReportedKind) {
  CDocument doc;
  doc.SetWallType(1);
  doc.bQuake = 0;
  doc.SetnAutoCrash(0, 0);
  doc.nStone = 0;
  doc.nWind = 0;
  doc.SetnCase(3);
  const char* names[] = {"衝突", "なし", "落石"};
  for (int i = 0; i < 3; ++i) doc.pCase(i)->CaseName = names[i];
  doc.pCase(0)->nAutoCrash = 1;
  doc.pCase(0)->nWind = 1;
  doc.pCase(2)->nStoneCrash = 1;
  PrnSel().NewDocument(3);
  for (int i = 0; i < 3; ++i) PrnSel().PrnAnteiCases.Set(i, 1);

  CAntRes& a = *doc.AntRes(0, 0);
  Slot(a, 0, "自動車衝突荷重", 2, 0.3, 10, 3.5);
  Slot(a, 1, "風荷重", 0, 0, 3, 3.5);
  a.HorzLoadSgmV = 2;
  a.HorzLoadSgmVX = 0.6;
  a.HorzLoadSgmH = 13;
  a.HorzLoadSgmHY = 45.5;
  CAntRes& c = *doc.AntRes(0, 2);
  Slot(c, 0, "落石衝突荷重", 0, 0, 4, 2.0);
  c.HorzLoadSgmH = 4;
  c.HorzLoadSgmHY = 8;

  const std::string bytes = test::Markup([&](PrnFile& f) {
    int16_t flag = 0;
    for (int i = 0; i < 3; ++i) PrnHorzLoad(f, doc, i, flag);
  });
  test::ExpectSameMarkup(bytes, test::StabilityGolden("horz_load.prn", ""));
}

TEST_F(LoadSections, HorizontalLoadMethodLeavesOutKindsTheDesignDoesNotTake) {
  CDocument doc;
  doc.SetWallType(1);
  doc.SetnAutoCrash(0, 1);  // collision not taken by the design
  doc.nWind = 0;
  doc.SetnCase(1);
  doc.pCase(0)->nAutoCrash = 1;
  doc.pCase(0)->nWind = 1;
  PrnSel().NewDocument(1);
  PrnSel().PrnAnteiCases.Set(0, 1);
  CAntRes& a = *doc.AntRes(0, 0);
  Slot(a, 0, "風荷重", 0, 0, 3, 3.5);
  a.HorzLoadSgmH = 3;
  const std::string text = Cp932ToUtf8(test::Markup([&](PrnFile& f) {
    int16_t flag = 0;
    PrnHorzLoad(f, doc, 0, flag);
  }));
  EXPECT_EQ(text.find("自動車衝突荷重"), std::string::npos);
  EXPECT_NE(text.find("風荷重"), std::string::npos);
}

// A switch other than 1 (an old file's -1) adds no load in the force sums,
// so the method text must not name that load either.
TEST_F(LoadSections, HorizontalLoadMethodNamesOnlyKindsSwitchedToOne) {
  CDocument doc;
  doc.SetWallType(1);
  doc.SetnAutoCrash(0, 0);
  doc.nStone = 0;
  doc.nWind = 0;
  doc.SetnCase(1);
  doc.pCase(0)->nAutoCrash = -1;
  doc.pCase(0)->nStoneCrash = -1;
  doc.pCase(0)->nWind = 1;
  PrnSel().NewDocument(1);
  PrnSel().PrnAnteiCases.Set(0, 1);
  CAntRes& a = *doc.AntRes(0, 0);
  Slot(a, 0, "風荷重", 0, 0, 3, 3.5);
  a.HorzLoadSgmH = 3;
  const std::string text = Cp932ToUtf8(test::Markup([&](PrnFile& f) {
    int16_t flag = 0;
    PrnHorzLoad(f, doc, 0, flag);
  }));
  EXPECT_EQ(text.find("自動車衝突荷重"), std::string::npos);
  EXPECT_EQ(text.find("落石衝突荷重"), std::string::npos);
  EXPECT_NE(text.find("風荷重"), std::string::npos);
}

TEST_F(LoadSections, OtherLoadsCutTheirNamesToFifteenBytes) {
  CDocument doc;
  doc.SetWallType(1);
  doc.SetnCase(2);
  doc.pCase(0)->CaseName = "任意";
  CAntRes& r = *doc.AntRes(0, 0);
  r.SetNiniCnt(2);
  r.SetNiniNam(0, "長い名前の鉛直荷重です");
  r.SetNiniType(0, 0);
  r.SetNiniV(0, 12);
  r.SetNiniX(0, 0.6);
  r.SetNiniNam(1, "A荷重あいうえおかき");
  r.SetNiniType(1, 3);
  r.SetNiniH(1, 3.2);
  r.SetNiniY(1, 0.7);
  r.NiniSgmV = 12;
  r.NiniSgmH = 3.2;
  r.NiniSgmVX = 7.2;
  r.NiniSgmHY = 2.24;
  const std::string bytes = test::Markup([&](PrnFile& f) {
    int16_t flag = 0;
    PrnNiniLoad(f, doc, 0, 0, flag);
    PrnNiniLoad(f, doc, 1, 0, flag);  // no other loads: nothing
  });
  test::ExpectSameMarkup(bytes, test::StabilityGolden("nini_load.prn", ""));
}

std::shared_ptr<CWlvlCalc> Record(int32_t caseNo, int16_t bQuake,
                                  std::initializer_list<std::pair<double, double>> points) {
  auto r = std::make_shared<CWlvlCalc>();
  r->CaseNo = caseNo;
  r->bQuake = bQuake;
  r->SetCount(static_cast<int32_t>(points.size()));
  int j = 0;
  for (const auto& p : points) {
    r->SetWlvl(j, p.first);
    r->SetFs(j, p.second);
    ++j;
  }
  return r;
}

class WlvlSection : public ::testing::Test {
 protected:
  test::TempFolder work{"norva_wlvl"};
  test::SaverScope saver;
};

TEST_F(WlvlSection, LeastFactorSkipsTheLevelsWithoutForce) {
  auto doc = test::Sample("gravity");
  doc->bQuake = -1;
  doc->nWater = 1;
  doc->nWlvlAuto = 1;
  doc->SetnCase(2);
  doc->pCase(0)->CaseName = "水位常時";
  doc->pCase(0)->nWater = 1;
  doc->pCase(1)->CaseName = "水位地震";
  doc->pCase(1)->nWater = 1;
  doc->pCase(1)->nQuake = 1;
  doc->SetWatFH(0, 1.5);
  doc->SetWatFH(1, 3.0);
  doc->SetnWlvlCase(2);
  // Stored the other way round: the lookup goes by CaseNo.
  doc->SetWlvlRes(0, Record(1, -1, {{0.0, -1}, {1.5, -1}, {3.0, -1}}));
  doc->SetWlvlRes(1, Record(0, 0, {{0.0, 2.1}, {0.5, 1.8}, {1.0, -1}, {1.5, 1.8}, {2.0, 2.5}}));
  const std::string bytes = test::Markup([&](PrnFile& f) {
    PrnWlvlAuto(f, *doc, 0, work.path(), false);
    PrnWlvlAuto(f, *doc, 1, work.path(), true);
  });
  test::ExpectSameMarkup(bytes, test::StabilityGolden("wlvl_auto.prn", work.path()));
  ASSERT_EQ(saver.saver->saved.size(), 2u);
  EXPECT_DOUBLE_EQ(saver.saver->saved[0].widthTwips, 4252.5);
}

TEST_F(WlvlSection, LeastFactorRules) {
  auto doc = test::Sample("gravity");
  doc->SetWatFH(0, 2.0);
  struct Row {
    const char* name;
    std::shared_ptr<CWlvlCalc> rec;
    double level, fs;
  };
  const Row rows[] = {
      // The earliest of equal factors where the stored level has another.
      {"tie, stored level elsewhere", Record(0, 0, {{0.5, 1.2}, {1.0, 1.2}, {2.0, 1.4}}), 0.5, 1.2},
      {"tie at the stored level", Record(0, 0, {{0.5, 1.2}, {2.0, 1.2}}), 2.0, 1.2},
      // A negative factor (a wall lifted by water) is the worst result.
      {"negative factor", Record(0, 0, {{0.5, 1.2}, {1.0, -0.3}}), 1.0, -0.3},
      {"blank factor", Record(0, 0, {{0.5, kNullBox}, {1.0, 1.5}}), 1.0, 1.5},
      {"no points", Record(0, 0, {}), 2.0, kNullBox},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const WlvlLeast least = WlvlAutoLeast(*doc, *r.rec);
    EXPECT_DOUBLE_EQ(least.level, r.level);
    EXPECT_EQ(least.fs, r.fs);
  }
}

TEST_F(WlvlSection, CaseWithoutRecordWritesNothing) {
  auto doc = test::Sample("gravity");
  doc->SetnWlvlCase(1);
  doc->SetWlvlRes(0, Record(1, 0, {{0.0, 1.0}}));
  EXPECT_EQ(test::Markup([&](PrnFile& f) { PrnWlvlAuto(f, *doc, 0, work.path(), false); }), "");
  EXPECT_TRUE(saver.saver->saved.empty());
}

// On the sample designs after a real water-level search, the level each
// state's governing case prints is the level the search stored for that state
// (WatFH), and its factor the least computed factor of the state's curves: the
// -1 of a level without sliding force and blanks are never taken.
TEST_F(WlvlSection, SampleDesignsPrintTheSearchedLevel) {
  test::RecordingSink sink;
  for (const char* name : {"block_masonry", "gravity", "leaning", "mixed"}) {
    for (int32_t nWater : {1, 2}) {
      SCOPED_TRACE(std::string(name) + " nWater " + std::to_string(nWater));
      auto doc = test::Sample(name);
      doc->nWater = nWater;
      doc->nWlvlAuto = 1;
      for (int i = 0; i < doc->nCase(); ++i) doc->pCase(i)->nWater = 1;
      ASSERT_TRUE(CalcWlvlAuto(*doc));
      ASSERT_GT(doc->nWlvlCase(), 0);
      for (int s = 0; s < 2; ++s) {
        double least = kNullBox, level = kNullBox;
        int records = 0;
        for (int32_t j = 0; j < doc->nWlvlCase(); ++j) {
          const CWlvlCalc& rec = *doc->WlvlRes(j);
          if ((rec.bQuake != 0 ? 1 : 0) != s) continue;
          ++records;
          const WlvlLeast l = WlvlAutoLeast(*doc, rec);
          // Least computed factor of this curve, by a plain scan.
          double scan = kNullBox;
          for (int32_t k = 0; k < rec.Count(); ++k) {
            const double fs = rec.Fs(k);
            if (fs == -1 || IsNullValue(fs)) continue;
            if (scan == kNullBox || fs < scan) scan = fs;
          }
          EXPECT_EQ(l.fs, scan) << "case " << rec.CaseNo;
          if (scan != kNullBox && (least == kNullBox || scan < least)) {
            least = scan;
            level = l.level;
          }
        }
        if (records == 0) continue;
        SCOPED_TRACE("state " + std::to_string(s));
        // No computed factor at all: the search ends at the crest. A later
        // pass may meet the same level again a rounding step apart.
        EXPECT_NEAR(level == kNullBox ? doc->WallH : level, doc->WatFH(s), 1e-9);
      }
    }
  }
}

}  // namespace
}  // namespace norva

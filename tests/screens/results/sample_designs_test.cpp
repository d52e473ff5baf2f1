// The shipped sample designs are what a new user calculates first: each
// passing sample passes every check the result screens make (every judged cell of
// the stability grid blue, every member-stress row OK), and the failing
// sample fails exactly where its name says. examples/README.md names them all.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/member/fot_stress.h"
#include "calc/member/tok_stress.h"
#include "calc/member/wall_stress.h"
#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/document_file.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "report/report_test_support.h"
#include "screens/results/antei_res_rules.h"
#include "screens/results/member_checks.h"

namespace norva {
namespace {

const std::string kExamples = std::string(NORVA_SOURCE_DIR) + "/examples/";

// A judged cell of the stability grid or a member row that does not pass.
struct Failure {
  int caseIndex;
  std::string what;
};

// Calculates the sample as the program does (stability, then the member
// stresses of screen 5) and lists every check that does not pass.
std::vector<Failure> Failures(const std::string& file) {
  test::RecordingSink sink;
  CDocument doc;
  doc.FileName = kExamples + file;
  std::vector<Failure> out;
  EXPECT_TRUE(DataFileRead(doc));
  if (doc.nWater != 0 && doc.nWlvlAuto != 0) CalcWlvlAuto(doc);
  std::vector<CaseFailure> failures;
  CalcAntei(doc, 0, 0, nullptr, &failures);
  EXPECT_TRUE(failures.empty());
  const char* groups[] = {"overturning", "sliding", "ground reaction", "bearing"};
  const bool mixed = doc.WallType() == 3;
  for (int c = 0; c < doc.nCase(); ++c) {
    for (int grid = mixed ? 0 : 1; grid <= 1; ++grid) {
      const SummaryRow row = SummaryRowCells(doc, grid, c);
      for (size_t g = 0; g < row.groups.size(); ++g) {
        const SummaryCell& v = row.groups[g].value;
        if (v.coloured && v.colour != kResultBlue && v.colour != kResultBlack) {
          out.push_back({c, grid == 0 ? "upper wall line of thrust" : groups[g]});
        }
      }
    }
    for (int16_t part = 0; part < (mixed ? 2 : 1); ++part) {
      CalcWallStress(doc, c, part);
      for (int s = 0; s < doc.nWallSecCnt(part); ++s) {
        const auto w = doc.pWallRes(part, c, s);
        if (!w || WallRow(*w).judgement.text != "OK") out.push_back({c, "stem stresses"});
      }
    }
    if (doc.bFotCalc()) {
      CalcFotStress(doc, c);
      const auto f = doc.pFotRes(c);
      if (!f || FotRow(*f).judgement.text != "OK") out.push_back({c, "toe slab stresses"});
    }
    if (doc.Tokki != 0 && doc.WallType() != 0) {
      CalcTokStress(doc, c);
      const auto t = doc.pTokRes(c);
      if (!t || TokRow(*t).judgement.text != "OK") out.push_back({c, "shear key stresses"});
    }
  }
  EXPECT_TRUE(sink.shown.empty()) << sink.shown.front();
  return out;
}

// Together they cover every guideline, both earth-pressure methods, the
// critical water level, a shear key, a toe slab and a cut back ground.
const char* const kPassing[] = {"gravity.nrv",
                                "leaning.nrv",
                                "block_masonry.nrv",
                                "mixed.nrv",
                                "gravity_canal_water_level.nrv",
                                "gravity_cut_shear_key.nrv",
                                "large_block.nrv"};

TEST(SampleDesigns, ThePassingSamplesPassEveryCheck) {
  for (const char* file : kPassing) {
    SCOPED_TRACE(file);
    for (const Failure& f : Failures(file))
      ADD_FAILURE() << "case " << f.caseIndex << ": " << f.what;
  }
}

// Case 2 (seismic): 0.6 x 125.29 / 64.91 = 1.16 < 1.20; everything else passes.
TEST(SampleDesigns, TheFailingSampleFailsOnlyItsSeismicSliding) {
  const std::vector<Failure> f = Failures("gravity_fails_seismic_sliding.nrv");
  ASSERT_EQ(f.size(), 1u);
  EXPECT_EQ(f[0].caseIndex, 1);
  EXPECT_EQ(f[0].what, "sliding");
}

// Sliding factors of the samples from their stored sums, Fs = mu V / H with
// mu = 0.6 and no adhesion, against the hand figures of the designs.
TEST(SampleDesigns, SlidingFactorsAgreeWithTheHandFigures) {
  struct Row {
    const char* file;
    int part, caseIndex;
    double V, H, Fs;
  };
  const Row rows[] = {
      {"gravity.nrv", 0, 0, 141.47, 44.39, 1.912},  // 0.6 x 141.47 / 44.39
      {"gravity.nrv", 0, 1, 137.55, 67.55, 1.222},
      {"leaning.nrv", 0, 0, 84.97, 30.29, 1.683},
      {"block_masonry.nrv", 0, 0, 48.97, 17.98, 1.634},
      {"mixed.nrv", 1, 0, 117.43, 45.80, 1.538},
      {"gravity_canal_water_level.nrv", 0, 0, 101.96, 38.10, 1.606},  // 0.6 x 101.96 / 38.10
      {"large_block.nrv", 0, 0, 40.655, 15.972, 1.527},  // 0.6 x 40.655 / 15.972 = 1.5272
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.file);
    CDocument doc;
    doc.FileName = kExamples + x.file;
    ASSERT_TRUE(DataFileRead(doc));
    test::RecordingSink sink;
    if (doc.nWater != 0 && doc.nWlvlAuto != 0) CalcWlvlAuto(doc);
    CalcAntei(doc, 0, 0);
    const auto r = doc.AntRes(x.part, x.caseIndex);
    ASSERT_NE(r, nullptr);
    EXPECT_NEAR(r->SgmV, x.V, 0.006);
    EXPECT_NEAR(r->SgmH, x.H, 0.006);
    EXPECT_NEAR(r->Fs, x.Fs, 0.0006);
  }
}

// Eccentricity e = B/2 - (Mr - Mo)/V from the stored sums, and the ground
// reaction worked by hand: trapezoid V/B (1 +- 6e/B) on the canal wall (e <
// B/6), V/(B - 2e) over the effective width under road earthworks.
TEST(SampleDesigns, EccentricityAndGroundReactionAgreeWithTheHandFigures) {
  struct Row {
    const char* file;
    int caseIndex;
    double Mr, Mo, E, Qmax, Qmin;
  };
  const Row rows[] = {
      // (135.25 - 46.15) / 101.96 = 0.8739, e = 1.2 - 0.8739 = 0.326;
      // 101.96 / 2.4 (1 + 6 x 0.326 / 2.4) = 77.12, (1 - ...) = 7.84
      {"gravity_canal_water_level.nrv", 0, 135.25, 46.15, 0.326, 77.12, 7.84},
      // (187.09 - 44.39) / 141.47 = 1.0087, e = 0.191; 141.47 / (2.4 - 0.383) = 70.13
      {"gravity_cut_shear_key.nrv", 0, 187.09, 44.39, 0.191, 70.13, 70.13},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.file);
    CDocument doc;
    doc.FileName = kExamples + x.file;
    ASSERT_TRUE(DataFileRead(doc));
    test::RecordingSink sink;
    if (doc.nWater != 0 && doc.nWlvlAuto != 0) CalcWlvlAuto(doc);
    CalcAntei(doc, 0, 0);
    const auto r = doc.AntRes(0, x.caseIndex);
    ASSERT_NE(r, nullptr);
    EXPECT_NEAR(r->SgmMr, x.Mr, 0.006);
    EXPECT_NEAR(r->SgmMo, x.Mo, 0.006);
    EXPECT_NEAR(r->E, x.E, 0.0006);
    EXPECT_NEAR(r->Qmax, x.Qmax, 0.01);
    EXPECT_NEAR(r->Qmin, x.Qmin, 0.01);
  }
}

TEST(SampleDesigns, TheReadmeNamesEverySample) {
  std::ifstream in(kExamples + "README.md");
  std::stringstream text;
  text << in.rdbuf();
  int samples = 0;
  for (const auto& e : std::filesystem::directory_iterator(kExamples)) {
    if (e.path().extension() != ".nrv") continue;
    ++samples;
    EXPECT_NE(text.str().find("`" + e.path().filename().string() + "`"), std::string::npos)
        << e.path().filename();
  }
  EXPECT_EQ(samples, 8);
}

}  // namespace
}  // namespace norva

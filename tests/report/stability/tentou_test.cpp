// Overturning sections: the method of each check, every verdict of the
// per-case check against hand goldens, the line of thrust with its figure,
// and on the sample designs the substitution lines giving the stored Xh and
// Xd.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "calc/run/calc_antei.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "report/driver/prn_file.h"
#include "report/stability/prn_force_sum.h"
#include "report/stability/prn_tentou.h"
#include "report/stability/stability_test_support.h"

namespace norva {
namespace {

constexpr double kPi = 3.14159265358979;

class Tentou : public ::testing::Test {
 protected:
  std::string Method(const CDocument& doc, int16_t part) {
    return test::Markup([&](PrnFile& f) { PrnTentou(f, doc, work.path(), part); });
  }
  std::string Cases(const CDocument& doc, int16_t part) {
    return test::Markup([&](PrnFile& f) {
      for (int32_t i = 0; i < doc.nCase(); ++i) PrnTentouCase(f, doc, i, work.path(), part);
    });
  }
  test::TempFolder work{"norva_tentou"};
  test::SaverScope saver;
};

std::unique_ptr<CDocument> Plain(int32_t wallType, std::initializer_list<const char*> names) {
  auto doc = std::make_unique<CDocument>();
  doc->SetWallType(wallType);
  doc->Sisin = 2;
  doc->bQuake = 0;
  doc->nTentou = 0;
  doc->SetnCase(static_cast<int16_t>(names.size()));
  int i = 0;
  for (const char* n : names) doc->pCase(i++)->CaseName = n;
  return doc;
}

TEST_F(Tentou, MethodOfEachCheck) {
  struct Row {
    const char* name;
    int32_t wallType;
    int32_t nTentou;
    int32_t sisin;
    int16_t part;
    const char* golden;
  };
  const Row rows[] = {
      {"safety factor", 1, 1, 2, 0, "tentou_method_factor.prn"},
      {"distance: leaning wall, road earthworks", 2, 0, 2, 0, "tentou_method_distance.prn"},
      {"eccentricity", 1, 0, 2, 0, "tentou_method_eccentricity.prn"},
      {"code 2 is the eccentricity", 1, 2, 0, 0, "tentou_method_eccentricity.prn"},
      {"line of thrust, foundation concrete", 0, 3, 4, 0, "tentou_method_thrust.prn"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto doc = Plain(r.wallType, {});
    doc->nTentou = r.nTentou;
    doc->Sisin = r.sisin;
    doc->nBlkFound = 0;
    test::ExpectSameMarkup(Method(*doc, r.part), test::StabilityGolden(r.golden, work.path()));
  }
  // The upper wall of a mixed wall is checked by the line of thrust whatever
  // nTentou says; without foundation concrete the sentence ends plainly.
  auto mixed = Plain(3, {});
  mixed->nTentou = 1;
  mixed->nBlkFound = 1;
  test::ExpectSameMarkup(Method(*mixed, 0),
                         test::StabilityGolden("tentou_method_thrust_upper.prn", work.path()));
  EXPECT_EQ(test::ReadBytes(work.path() + "/siryokusen.svg"),
            test::ReadBytes(test::ShippedFolder() + "/resource/siryokusen.svg"));
}

TEST_F(Tentou, SafetyFactorEqualToItsAllowablePasses) {
  auto doc = Plain(1, {"常時", "常時2"});
  doc->nTentou = 1;
  auto set = [&](int i, double mr, double mo) {
    CAntRes& r = *doc->AntRes(0, i);
    r.SgmMr = mr;
    r.SgmMo = mo;
    r.Fm = mr / mo;
    r.Fma = 1.5;
  };
  set(0, 180, 120);  // 1.5 = 1.5
  set(1, 120, 100);  // 1.2 < 1.5
  test::ExpectSameMarkup(Cases(*doc, 0), test::StabilityGolden("tentou_factor.prn", ""));
}

TEST_F(Tentou, DistanceOfTheResultantStatesItsLimit) {
  auto doc = Plain(2, {"常時", "地震", "特殊"});
  const double divisors[] = {0, 6, 5}, d[] = {1.2, 0.7, 0.9};
  for (int i = 0; i < 3; ++i) {
    doc->pCase(i)->Ea = divisors[i];
    CAntRes& r = *doc->AntRes(0, i);
    r.Breadth = 2.4;
    r.Ea = divisors[i] == 0 ? 0 : 2.4 / divisors[i];
    r.D = d[i];
  }
  test::ExpectSameMarkup(Cases(*doc, 0), test::StabilityGolden("tentou_distance.prn", ""));
}

TEST_F(Tentou, EccentricityVerdicts) {
  auto doc = Plain(1, {"一", "二", "三", "四"});
  doc->Sisin = 0;
  const double E[] = {0.4, 0.5, -0.6, 0.1}, divisor[] = {6, 6, 6, 0};
  for (int i = 0; i < 4; ++i) {
    doc->pCase(i)->Ea = divisor[i];
    CAntRes& r = *doc->AntRes(0, i);
    r.Breadth = 2.4;
    r.E = E[i];
    r.Ea = divisor[i] == 0 ? 0 : 0.4;
  }
  test::ExpectSameMarkup(Cases(*doc, 0), test::StabilityGolden("tentou_eccentricity.prn", ""));

  // Beyond the allowance on the heel side a block wall and the lower wall of
  // a mixed wall pass.
  for (int32_t wallType : {0, 3}) {
    auto heel = Plain(wallType, {"三"});
    heel->Sisin = 0;
    heel->pCase(0)->Ea = 6;
    CAntRes& r = *heel->AntRes(wallType == 3 ? 1 : 0, 0);
    r.Breadth = 2.4;
    r.E = -0.6;
    r.Ea = 0.4;
    const std::string golden = test::StabilityGolden("tentou_eccentricity_block.prn", "");
    if (wallType == 0) {
      test::ExpectSameMarkup(Cases(*heel, 0), golden);
    } else {
      // The lower wall's heading is the mixed wall's (level 4).
      std::string expected = Cp932ToUtf8(golden);
      expected.replace(expected.find("<H3>"), 4, "<H4>");
      expected.replace(expected.find("</H3>"), 5, "</H4>");
      EXPECT_EQ(Cp932ToUtf8(Cases(*heel, 1)), expected);
    }
  }
}

// The mark between two printed numbers is their true relation; the verdict
// is the check's rule. They part where a value rounds onto its allowable
// (1.4996 prints 1.500 against 1.50 and still fails).
TEST_F(Tentou, MarkIsTheRelationOfThePrintedNumbers) {
  struct Row {
    const char* name;
    int32_t wallType, nTentou;
    double fm, d, e;  // Fma 1.5; B 2.4, Ea 0.4 (B/6), so L = 1.2 - 0.4 = 0.8
    const char* numbers;
    const char* verdict;
  };
  const Row rows[] = {
      {"factor short, prints equal", 1, 1, 1.4996, 0, 0, "= 1.500&nbsp;≧&nbsp; 1.50", "OUT"},
      {"factor short", 1, 1, 1.2, 0, 0, "= 1.200&nbsp;＜&nbsp; 1.50", "OUT"},
      {"factor enough", 1, 1, 1.5004, 0, 0, "= 1.500&nbsp;≧&nbsp; 1.50", "OK"},
      {"distance short, prints equal", 2, 0, 0, 0.79996, 0, "d= 0.800&sp;(m) ≧ <box>", "OUT"},
      {"distance short", 2, 0, 0, 0.7, 0, "d= 0.700&sp;(m) ＜ <box>", "OUT"},
      {"eccentricity beyond, prints equal", 1, 0, 0, 0, 0.40004, "|e|= 0.400&sp;(m) ≦ <box>",
       "OUT"},
      {"eccentricity beyond the toe", 1, 0, 0, 0, 0.5, "|e|= 0.500&sp;(m) ＞ <box>", "OUT"},
      // A block wall passes on the heel side, and still |e| > B/6.
      {"block wall, heel side", 0, 0, 0, 0, -0.6, "|e|= 0.600&sp;(m) ＞ <box>",
       "背面側への転倒故、OK"},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    auto doc = Plain(x.wallType, {"一"});
    doc->nTentou = x.nTentou;
    doc->Sisin = x.wallType == 2 ? 2 : 0;
    doc->pCase(0)->Ea = 6;
    CAntRes& r = *doc->AntRes(0, 0);
    r.SgmMr = 150;
    r.SgmMo = 100;
    r.Fm = x.fm;
    r.Fma = 1.5;
    r.Breadth = 2.4;
    r.Ea = 0.4;
    r.D = x.d;
    r.E = x.e;
    const std::string text = Cp932ToUtf8(Cases(*doc, 0));
    EXPECT_NE(text.find(x.numbers), std::string::npos) << text;
    EXPECT_NE(text.find(std::string("→　") + x.verdict + "</math>"), std::string::npos) << text;
  }
}

TEST_F(Tentou, ChecksNotComputedPrintDashes) {
  auto doc = Plain(1, {"不能"});
  doc->pCase(0)->Ea = 6;
  CAntRes& r = *doc->AntRes(0, 0);
  r.Breadth = 2.4;
  r.E = kNullBox;
  r.Ea = 0.4;
  std::string text = Cp932ToUtf8(Cases(*doc, 0));
  EXPECT_NE(text.find("|e|= -----&sp;(m) 　 <box>B"), std::string::npos) << text;
  EXPECT_NE(text.find("→　-----</math>"), std::string::npos);
  doc->nTentou = 1;
  r.Fm = kNullBox;
  r.Fma = 1.5;
  text = Cp932ToUtf8(Cases(*doc, 0));
  EXPECT_NE(text.find("→　-----</math>"), std::string::npos) << text;
  EXPECT_EQ(text.find("OK"), std::string::npos);
}

// The line of thrust of the block sample: its figure and point file, the
// geometry of the substitution lines and both limit-height sentences.
TEST_F(Tentou, LineOfThrustOfTheBlockSample) {
  test::RecordingSink sink;
  auto doc = test::Sample("block_masonry");
  doc->nTentou = 3;
  doc->bQuake = 0;
  CalcAntei(*doc, 0, 0);
  doc->SetnCase(3);
  const char* names[] = {"限界高", "増加", "減少"};
  for (int i = 0; i < 3; ++i) {
    doc->pCase(i)->CaseName = names[i];
    doc->pCase(i)->nQuake = 0;
    CAntRes& r = *doc->AntRes(0, i);
    for (int k = 0; k < CAntRes::kSForceItems; ++k) r.SetnSForce(k, 0);
    // Items: body V 40 at 0.9 (Mr 36), earth pressure H 10 at 1.2 (Mo 12):
    // d = (36 − 12)/40 = 0.6; the third case's body at 0.4 (Mr 16): d = 0.1.
    const double x = i == 2 ? 0.4 : 0.9;
    r.SetnSForce(0, 1);
    r.SetSForceV(0, 40);
    r.SetSForceX(0, x);
    r.SetSForceMr(0, 40 * x);
    r.SetnSForce(4, 1);
    r.SetSForceH(4, 10);
    r.SetSForceY(4, 1.2);
    r.SetSForceMo(4, 12);
    // The sample's section: crest offset 3.5 × 0.5 = 1.75 and crest width
    // 0.602242 (worked out in the golden): X' = 1.75 + 0.602242/6,
    // Xh = 1.75 + 0.602242/2 − d.
    r.Xd = 1.850374;
    r.Xh = i == 2 ? 1.951121 : 1.451121;
    r.Ha = i == 0 ? 4.25 : kNullBox;
  }

  const std::string bytes = Cases(*doc, 0);
  test::ExpectSameMarkup(bytes, test::StabilityGolden("tentou_thrust.prn", work.path()));
  for (int i = 0; i < 3; ++i) {
    const std::string base = work.path() + "/示力線000" + std::to_string(i);
    EXPECT_TRUE(std::filesystem::exists(base + ".svg")) << base;
    EXPECT_TRUE(std::filesystem::exists(base + ".DAT")) << base;
  }
  // The line-of-thrust figure has a picture of its own size (150 × 75 mm).
  ASSERT_EQ(saver.saver->saved.size(), 3u);
  EXPECT_NEAR(saver.saver->saved[0].widthTwips, 8505, 1e-6);
  EXPECT_NEAR(saver.saver->saved[0].heightTwips, 4252.5, 1e-6);
}

// Xh = H·cot θ0 + b·cosec θ0 / 2 − d and X' = H·cot θ0 + b·cosec θ0 / 6 with
// the printed H, b, θ0 and d give the stored Xh and Xd.
TEST(TentouAgreement, SubstitutionLinesGiveTheStoredLineOfThrust) {
  test::RecordingSink sink;
  struct Variant {
    const char* sample;
    const char* name;
    void (*setUp)(CDocument&);
  };
  const Variant variants[] = {
      {"block_masonry", "as is", [](CDocument&) {}},
      {"block_masonry", "no foundation", [](CDocument& d) { d.nBlkFound = 1; }},
      {"block_masonry", "no foundation, level blocks",
       [](CDocument& d) {
         d.nBlkFound = 1;
         d.nBlkSetup = 1;
       }},
      {"block_masonry", "uplift",
       [](CDocument& d) {
         d.nWater = 2;
         d.SetWatFH(0, 0.5);
         d.SetWatBH(0, 1.2);
         for (int i = 0; i < d.nCase(); ++i) d.pCase(i)->nWater = 1;
       }},
      {"block_masonry", "buoyancy and front soil",
       [](CDocument& d) {
         d.nWater = 1;
         d.SetWatFH(0, 0.5);
         d.SetWatBH(0, 1.2);
         d.SetSoilFH(0, 0.8);
         for (int i = 0; i < d.nCase(); ++i) {
           d.pCase(i)->nWater = 1;
           d.pCase(i)->nSoilF = 1;
         }
       }},
      {"block_masonry", "wind load",
       [](CDocument& d) {
         d.nWind = 0;
         d.WindPos = 0.5;
         d.WindHight = 1.0;
         d.WindLoad = 2.0;
         for (int i = 0; i < d.nCase(); ++i) d.pCase(i)->nWind = 1;
       }},
      {"mixed", "upper wall", [](CDocument&) {}},
      {"mixed", "upper wall, uplift",
       [](CDocument& d) {
         d.nWater = 2;
         d.SetWatFH(0, 0.5);
         d.SetWatBH(0, 1.2);
         for (int i = 0; i < d.nCase(); ++i) d.pCase(i)->nWater = 1;
       }},
  };
  for (const Variant& v : variants) {
    SCOPED_TRACE(std::string(v.sample) + ", " + v.name);
    auto doc = test::Sample(v.sample);
    if (doc->WallType() == 0) doc->nTentou = 3;
    v.setUp(*doc);
    CalcAntei(*doc, 0, 0);
    const ThrustGeometry g = SiryokusenGeometry(*doc);
    const double cot = 1 / std::tan(g.theta0), cosec = 1 / std::sin(g.theta0);
    for (int32_t i = 0; i < doc->nCase(); ++i) {
      const CAntRes& r = *doc->AntRes(0, i);
      ASSERT_FALSE(IsNullValue(r.Xh)) << "case " << i;
      // The uplift item is one the calculation counts upward.
      if (std::string(v.name) == "uplift") {
        EXPECT_NE(r.nSForce(7), 0) << "case " << i;
      }
      const double d = SiryokusenResultant(r).d;
      EXPECT_NEAR(g.H * cot + g.b * cosec / 2 - d, r.Xh, 1e-9) << "case " << i;
      EXPECT_NEAR(g.H * cot + g.b * cosec / 6, r.Xd, 1e-9) << "case " << i;
    }
    // The printed height is the design's; the printed thickness is the
    // crest's, narrower than the foot's where the backing tapers.
    EXPECT_NEAR(g.H, g.inputH, 1e-9);
    EXPECT_LE(g.b, g.inputB + 1e-9);
  }
}

TEST(TentouAgreement, ThetaIsTheFaceInclination) {
  CDocument doc;
  doc.SetWallType(0);
  doc.BlkN = 0.5;
  // θ0 = π/2 − atan(0.5) = 63.43°.
  EXPECT_NEAR(SiryokusenGeometry(doc).theta0 * 57.29577951308238, 63.434948822922, 1e-9);
  EXPECT_NEAR(kPi / 2 - std::atan(0.5), SiryokusenGeometry(doc).theta0, 1e-15);
}

}  // namespace
}  // namespace norva

// Weights section of the stability chapter: hand goldens per wall type and
// part, buoyancy and front soil, the figures it names, and the agreement of
// its tables with the sample designs' polygons.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "calc/run/calc_antei.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/weight.h"
#include "report/driver/prn_file.h"
#include "report/stability/prn_kutai.h"
#include "report/stability/stability_test_support.h"

namespace norva {
namespace {

// Clears every polygon the calculation builds and the cases' front soil.
void ClearPolygons(CDocument& doc) {
  doc.KutaiWS = nullptr;
  for (int i = 0; i < 2; ++i) {
    doc.SetKutaiW1(i, nullptr);
    doc.SetKutaiW2(i, nullptr);
    doc.SetFuryoku1(i, nullptr);
    doc.SetFuryoku2(i, nullptr);
    doc.SetFuryokuS(i, nullptr);
    for (int w = 0; w < 2; ++w) {
      doc.SetSoilW1(i, w, nullptr);
      doc.SetSoilW2(i, w, nullptr);
      doc.SetSoilWS(i, w, nullptr);
    }
  }
}

// Two cases: 0 normal with water and front soil, 1 seismic with water only.
void TwoWaterCases(CDocument& doc) {
  doc.SetnCase(2);
  doc.pCase(0)->nQuake = 0;
  doc.pCase(0)->nWater = 1;
  doc.pCase(0)->nSoilF = 1;
  doc.pCase(1)->nQuake = 1;
  doc.pCase(1)->nWater = 1;
  doc.pCase(1)->nSoilF = 0;
}

// A sample design without any polygon, with the given settings.
std::unique_ptr<CDocument> Bare(const char* sample, int16_t bQuake, int32_t nTentou,
                                int32_t nWater) {
  auto doc = test::Sample(sample);
  ClearPolygons(*doc);
  doc->bQuake = bQuake;
  doc->nTentou = nTentou;
  doc->nWater = nWater;
  return doc;
}

class KutaiSection : public ::testing::Test {
 protected:
  std::string Write(const CDocument& doc, int16_t part) {
    return test::Markup([&](PrnFile& f) { PrnKutai(f, doc, work.path(), part); });
  }
  void Expect(const CDocument& doc, int16_t part, const char* golden) {
    const std::string bytes = Write(doc, part);
    test::ExpectSameMarkup(bytes, test::StabilityGolden(golden, work.path()));
    for (const std::string& p : test::ImagePaths(bytes)) {
      EXPECT_TRUE(std::filesystem::exists(p)) << p;
    }
  }
  test::TempFolder work{"norva_kutai"};
  test::SaverScope saver;
};

TEST_F(KutaiSection, GravityWallWithOnePolygon) {
  auto doc = Bare("gravity", 0, 0, 0);
  doc->SetKutaiW1(0, test::Triangle(23, 0.2));
  Expect(*doc, 0, "kutai_gravity.prn");
  // The figure has the stability chapter's picture size.
  ASSERT_EQ(saver.saver->saved.size(), 1u);
  EXPECT_DOUBLE_EQ(saver.saver->saved[0].widthTwips, 4252.5);
  EXPECT_NEAR(saver.saver->saved[0].heightTwips, 4677.75, 0.01);
}

TEST_F(KutaiSection, BlockWallWithFootingAndLineOfThrust) {
  auto doc = Bare("block_masonry", -1, 3, 0);
  doc->KutaiWS = test::Triangle(23, 0.2);
  doc->SetKutaiW1(0, test::Triangle(23, 0.2));
  doc->SetKutaiW1(1, test::Triangle(23, 0.2));
  Expect(*doc, 0, "kutai_block_thrust.prn");
}

// The upper wall's line-of-thrust table is measured from the front foot of
// its masonry on the joint: with a level top of the lower wall (MxwH3 0) the
// point (GrwB1 + GrwB3, MxwH2). A triangle placed there prints as at (0, 0).
TEST_F(KutaiSection, MixedWallUpperPart) {
  auto doc = Bare("mixed", 0, 0, 0);
  doc->MxwH3 = 0;
  doc->KutaiWS = test::Triangle(23, 0.2, true, doc->GrwB1 + doc->GrwB3, doc->MxwH2);
  doc->SetKutaiW1(0, test::Triangle(23, 0.2));
  Expect(*doc, 0, "kutai_mixed_upper.prn");
}

TEST_F(KutaiSection, MixedWallLowerPart) {
  auto doc = Bare("mixed", 0, 0, 0);
  doc->SetKutaiW2(0, test::Triangle(23, 0.2));
  doc->SetKutaiW1(0, test::Triangle(99, 0.2));  // the upper wall's: not shown
  Expect(*doc, 1, "kutai_mixed_lower.prn");
}

TEST_F(KutaiSection, BuoyancyAndFrontSoilCompletedForTheWaterIgnoredEntry) {
  auto doc = Bare("gravity", -1, 0, 1);
  TwoWaterCases(*doc);
  doc->SetKutaiW1(0, test::Triangle(23, 0.2));
  doc->SetFuryoku1(0, test::Triangle(-10, 0.2));
  doc->SetFuryoku1(1, test::Triangle(-10, 0.2));
  doc->SetSoilW1(0, 0, test::Triangle(23, 0.2));
  doc->SetSoilW1(0, 1, test::Triangle(23, 0.2));
  Expect(*doc, 0, "kutai_buoyancy_soil.prn");
}

TEST_F(KutaiSection, EntriesThatCannotBeShownAreLeftOut) {
  auto doc = Bare("gravity", -1, 0, 1);
  TwoWaterCases(*doc);
  doc->SetKutaiW1(0, test::Triangle(23, 0.2));
  // A buoyancy polygon that weighs nothing, and the water-considered soil
  // without its water-ignored polygon.
  auto weightless = test::Triangle(0, 0.2);
  doc->SetFuryoku1(0, weightless);
  doc->SetSoilW1(0, 1, test::Triangle(23, 0.2));
  const std::string text = Cp932ToUtf8(Write(*doc, 0));
  EXPECT_EQ(text.find("浮力及び重心位置"), std::string::npos);
  // Without the state's buoyancy the water-considered entry is not shown,
  // and the completed water-ignored one has no polygon: no soil block.
  EXPECT_EQ(text.find("前面土の重量"), std::string::npos);

  // With buoyancy: the water-considered entry alone.
  doc->SetFuryoku1(0, test::Triangle(-10, 0.2));
  const std::string withWater = Cp932ToUtf8(Write(*doc, 0));
  EXPECT_NE(withWater.find("<h3>常時　水位考慮</h3>"), std::string::npos);
  EXPECT_EQ(withWater.find("水位無視"), std::string::npos);
}

// The calculation takes the water-ignored front soil in every case with
// front soil, also in a case with water when the design has no submerged
// polygon (uplift alone, or no water in the design): its entry is shown.
TEST_F(KutaiSection, FrontSoilOfCasesWithWaterButNoBuoyancy) {
  for (int32_t nWater : {2, 0}) {
    SCOPED_TRACE("nWater " + std::to_string(nWater));
    auto doc = Bare("gravity", 0, 0, nWater);
    doc->SetnCase(1);
    doc->pCase(0)->nQuake = 0;
    doc->pCase(0)->nWater = 1;
    doc->pCase(0)->nSoilF = 1;
    doc->SetKutaiW1(0, test::Triangle(23, 0.2));
    // The front soil: the triangle of area 3 at γ 23, weight 3 × 23 = 69.
    doc->SetSoilW1(0, 0, test::Triangle(23, 0.2));
    const std::string bytes = Write(*doc, 0);
    const std::string golden = test::StabilityGolden("kutai_soil_uplift.prn", work.path());
    ASSERT_GE(bytes.size(), golden.size());
    EXPECT_EQ(Cp932ToUtf8(bytes.substr(bytes.size() - golden.size())), Cp932ToUtf8(golden));
    EXPECT_EQ(Cp932ToUtf8(bytes).find("水位考慮"), std::string::npos);
  }
}

TEST_F(KutaiSection, BuoyancyOfTheStateTheCalculationTook) {
  // A seismic case that keeps the normal earth pressure (Doat 0) is
  // calculated with the normal levels and their polygons: the seismic
  // buoyancy polygon, though built, acted in no case.
  auto doc = Bare("gravity", -1, 0, 1);
  TwoWaterCases(*doc);
  doc->pCase(1)->Doat = 0;
  doc->SetKutaiW1(0, test::Triangle(23, 0.2));
  doc->SetFuryoku1(0, test::Triangle(-10, 0.2));
  doc->SetFuryoku1(1, test::Triangle(-10, 0.2));
  const std::string text = Cp932ToUtf8(Write(*doc, 0));
  EXPECT_NE(text.find("<H3>常時水位</H3>"), std::string::npos);
  EXPECT_EQ(text.find("<H3>地震時水位</H3>"), std::string::npos);
  // With the seismic earth pressure the case takes the seismic levels.
  doc->pCase(1)->Doat = 1;
  EXPECT_NE(Cp932ToUtf8(Write(*doc, 0)).find("<H3>地震時水位</H3>"), std::string::npos);
}

// Every table of the sample designs, after a real calculation, states the
// polygon's own centroid and weight: ΣGy/ΣA = Xc, ΣGx/ΣA = Yc, ΣA·γ = w.
TEST(KutaiAgreement, TablesAgreeWithThePolygons) {
  test::RecordingSink sink;
  for (const char* name : {"block_masonry", "gravity", "leaning", "mixed"}) {
    for (int32_t nWater : {0, 1}) {
      SCOPED_TRACE(std::string(name) + " nWater " + std::to_string(nWater));
      auto doc = test::Sample(name);
      doc->nWater = nWater;
      doc->SetWatFH(0, 1.0);
      doc->SetWatBH(0, 1.5);
      doc->SetSoilFH(0, 0.8);
      for (int i = 0; i < doc->nCase(); ++i) {
        doc->pCase(i)->nWater = static_cast<int16_t>(nWater);
        doc->pCase(i)->nSoilF = 1;
      }
      if (doc->WallType() == 0) doc->nTentou = 3;
      CalcAntei(*doc, 0, 0);
      std::vector<std::shared_ptr<CWeight>> all{doc->KutaiWS};
      for (int i = 0; i < 2; ++i) {
        for (auto w : {doc->KutaiW1(i), doc->KutaiW2(i), doc->Furyoku1(i), doc->Furyoku2(i),
                       doc->FuryokuS(i)}) {
          all.push_back(w);
        }
        for (int k = 0; k < 2; ++k) {
          all.push_back(doc->SoilW1(i, k));
          all.push_back(doc->SoilW2(i, k));
          all.push_back(doc->SoilWS(i, k));
        }
      }
      int checked = 0;
      for (const auto& w : all) {
        if (!w || w->nPoint() < 1 || w->A() == 0) continue;
        const AreaTableRows t = MakeAreaTableRows(*w, 0.25, -0.5);
        EXPECT_NEAR(t.sumGy / t.sumA, w->Xc() - 0.25, 1e-9);
        EXPECT_NEAR(t.sumGx / t.sumA, w->Yc() + 0.5, 1e-9);
        EXPECT_NEAR(t.sumA * w->Gam(), w->w(), 1e-9 * (1 + std::fabs(w->w())));
        ++checked;
      }
      EXPECT_GE(checked, 2);
    }
  }
}

// Every weight the calculation took has its polygon in the weights section,
// and no other: buoyancy, dry and submerged front soil of the force table and
// of the line-of-thrust items, with water as buoyancy, as uplift alone, below
// the base, and a case still ticked for water in a design without it. Each
// design was calculated with high water as buoyancy first, so a polygon left
// from that run would show.
TEST(KutaiAgreement, EveryWeightTakenHasItsPolygonShown) {
  test::RecordingSink sink;
  test::TempFolder work{"norva_kutai_rows"};
  test::SaverScope saver;
  struct Water {
    int32_t nWater;
    double level;
  };
  for (const char* name : {"block_masonry", "gravity", "leaning", "mixed"}) {
    for (const Water water : {Water{0, 1.5}, Water{1, 1.5}, Water{1, 0.0}, Water{2, 1.5}}) {
      for (int32_t nTentou : {0, 3}) {
        SCOPED_TRACE(std::string(name) + " nWater " + std::to_string(water.nWater) + " level " +
                     std::to_string(water.level) + " nTentou " + std::to_string(nTentou));
        auto doc = test::Sample(name);
        if (nTentou == 3 && doc->WallType() != 0) continue;
        doc->nTentou = nTentou;
        auto levels = [&doc](double front, double back) {
          for (int s = 0; s < 2; ++s) {
            doc->SetWatFH(s, front);
            doc->SetWatBH(s, back);
            doc->SetSoilFH(s, 0.8);
          }
        };
        for (int i = 0; i < doc->nCase(); ++i) {
          doc->pCase(i)->nWater = 1;
          doc->pCase(i)->nSoilF = 1;
        }
        doc->nWater = 1;
        levels(1.0, 1.5);
        CalcAntei(*doc, 0, 0);
        doc->nWater = water.nWater;
        levels(water.level * 2 / 3, water.level);
        CalcAntei(*doc, 0, 0);

        auto write = [&](int16_t part) {
          return Cp932ToUtf8(
              test::Markup([&](PrnFile& f) { PrnKutai(f, *doc, work.path(), part); }));
        };
        // The text from `from` up to `to` (or the end).
        auto between = [](const std::string& t, const char* from, const char* to) {
          const size_t a = t.find(from);
          if (a == std::string::npos) return std::string();
          return t.substr(a, t.find(to, a + 1) == std::string::npos ? std::string::npos
                                                                    : t.find(to, a + 1) - a);
        };
        const bool mixed = doc->WallType() == 3;
        // Ordinary polygons: the force table's rows.
        {
          const int16_t part = mixed ? 1 : 0;
          bool buoyancy = false, dry = false, submerged = false;
          for (int32_t i = 0; i < doc->nCase(); ++i) {
            const CAntRes& r = *doc->AntRes(part, i);
            buoyancy = buoyancy || r.FuryokuV != 0;
            dry = dry || r.ZensaiV(0) != 0;
            submerged = submerged || r.ZensaiV(1) != 0;
          }
          EXPECT_TRUE(dry);
          const std::string text = write(part);
          const std::string soil = between(text, "前面土の重量及び重心位置</H", "\x01");
          EXPECT_EQ(text.find("く体に作用する浮力及び重心位置</H") != std::string::npos, buoyancy);
          EXPECT_EQ(soil.find("水位無視") != std::string::npos, dry);
          EXPECT_EQ(soil.find("水位考慮") != std::string::npos, submerged);
        }
        // Line-of-thrust polygons: the items of the line of thrust.
        if (mixed || nTentou == 3) {
          bool buoyancy = false, dry = false, submerged = false;
          for (int32_t i = 0; i < doc->nCase(); ++i) {
            const CAntRes& r = *doc->AntRes(0, i);
            buoyancy = buoyancy || r.nSForce(1) != 0;
            dry = dry || r.nSForce(2) != 0;
            submerged = submerged || r.nSForce(3) != 0;
          }
          const std::string text = write(0);
          const std::string soil = between(text, "前面土の重量及び重心位置(示力線計算用)",
                                           "前面土の重量及び重心位置</H");
          EXPECT_EQ(text.find("浮力及び重心位置(示力線計算用)") != std::string::npos, buoyancy);
          EXPECT_EQ(soil.find("水位無視") != std::string::npos, dry);
          EXPECT_EQ(soil.find("水位考慮(浮力)") != std::string::npos, submerged);
        }
      }
    }
  }
}

}  // namespace
}  // namespace norva

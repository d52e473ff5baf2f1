// Water pressure and uplift sections: hand goldens, agreement of the printed
// resultants with the stability calculation, and the shipped figures.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "calc/run/calc_antei.h"
#include "calc/stability/load_defaults.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/document_file.h"
#include "document/load_case.h"
#include "document/numeric.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/report_test_support.h"
#include "report/water/prn_suiatsu.h"

namespace norva {
namespace {

std::unique_ptr<CDocument> Sample(const char* name) {
  auto doc = std::make_unique<CDocument>();
  EXPECT_TRUE(DataFileReadFrom(
      *doc, std::string(NORVA_SOURCE_DIR) + "/tests/fixtures/designs/" + name + ".nrv"));
  return doc;
}

// Seismic design with γw 9.8 and three cases, all ticked:
//   1 "自重+載荷重", normal, with water;  2 "地震", seismic, with water;
//   3 "自重(水位なし)", normal, without water.
void WaterCases(CDocument& doc, int32_t nWater) {
  doc.nWater = nWater;
  doc.bQuake = -1;
  doc.Gamw = 9.8;
  const int16_t had = doc.nCase();
  doc.SetnCase(3);
  const char* names[] = {"自重+載荷重", "地震", "自重(水位なし)"};
  for (int i = 0; i < 3; ++i) {
    CKajyuCase& k = *doc.pCase(i);
    k.CaseName = names[i];
    k.nQuake = i == 1 ? 1 : 0;
    k.Doat = i == 1 ? 1 : 0;
    k.nWater = i == 2 ? 0 : 1;
    if (i < had) continue;
    // A case the sample did not have gets the standard factors.
    k.Ea = GetDefEa(doc.WallType(), doc.Sisin, k);
    k.FsTentou = GetDefFsTentou(doc.Sisin, k);
    k.FsKatsudou = GetDefFsKatsudou(doc.Sisin, k);
    k.QaPremium = GetDefQaPremium(k);
    k.AllowPremium = GetDefAllowPremium(k);
  }
  PrnSel().NewDocument(3);
  for (int i = 0; i < 3; ++i) PrnSel().PrnAnteiCases.Set(i, 1);
}

// Gravity wall: normal levels 1.2 (front) and 2.5 (back), seismic levels both
// 1.0. Stored results as the stability calculation leaves them:
//   P = hw²·γw/2: 1.2² × 4.9 = 7.056, 2.5² × 4.9 = 30.625; Y = hw/3;
//   equal seismic levels cancel: 0.
//   uplift V1 = 1.2 × 9.8 = 11.76, V2 = 2.5 × 9.8 = 24.5, B = 2.4,
//   V = (V1 + V2)·B/2 = 43.512, Xc = (V1 + 2·V2)/(V1 + V2)·B/3 = 1.34054;
//   seismic V1 = V2 = 9.8, V = 23.52, Xc = 1.5 × 0.8 = 1.2.
std::unique_ptr<CDocument> GravityWithWater(int32_t nWater) {
  auto doc = Sample("gravity");
  WaterCases(*doc, nWater);
  doc->SetWatFH(0, 1.2);
  doc->SetWatBH(0, 2.5);
  doc->SetWatFH(1, 1.0);
  doc->SetWatBH(1, 1.0);
  CAntRes& n = *doc->AntRes(0, 0);
  n.Pwf = 7.056;
  n.Pwfy = 0.4;
  n.Pwb = 30.625;
  n.Pwby = 2.5 / 3;
  n.YouatsuV1 = 11.76;
  n.YouatsuV2 = 24.5;
  n.Breadth = 2.4;
  n.YouatsuV = 43.512;
  n.YouatsuXc = 60.76 / 36.26 * 0.8;
  CAntRes& s = *doc->AntRes(0, 1);
  s.YouatsuV1 = s.YouatsuV2 = 9.8;
  s.Breadth = 2.4;
  s.YouatsuV = 23.52;
  s.YouatsuXc = 1.2;
  return doc;
}

// Mixed wall whose lower wall is h = 2.0 high (top level: MxwH3 = 0). Normal
// levels 2.6 (front, above h) and 2.0 (back, at h); seismic 1.5 and 1.8.
// Stored results:
//   lower, normal: front P = h(2hw − h)γw/2 = 2 × 3.2 × 4.9 = 31.36,
//     Y = h(3hw − 2h)/(2hw − h)/3 = 2 × 3.8 / 3.2 / 3 = 0.791667;
//     back at h: P = 2² × 4.9 = 19.6, Y = 2/3;
//   lower, seismic: 1.5² × 4.9 = 11.025, Y 0.5; 1.8² × 4.9 = 15.876, Y 0.6;
//   upper, normal: front head 0.6: P = 0.36 × 4.9 = 1.764, Y 0.2; back 0;
//   upper, seismic: both heads 0.
std::unique_ptr<CDocument> MixedWithWater() {
  auto doc = Sample("mixed");
  doc->MxwH3 = 0;
  doc->MxwH2 = 2.0;
  WaterCases(*doc, 1);
  doc->SetWatFH(0, 2.6);
  doc->SetWatBH(0, 2.0);
  doc->SetWatFH(1, 1.5);
  doc->SetWatBH(1, 1.8);
  auto set = [&](int part, int i, double pf, double yf, double pb, double yb) {
    CAntRes& r = *doc->AntRes(part, i);
    r.Pwf = pf;
    r.Pwfy = yf;
    r.Pwb = pb;
    r.Pwby = yb;
  };
  set(1, 0, 31.36, 7.6 / 9.6, 19.6, 2.0 / 3);
  set(1, 1, 11.025, 0.5, 15.876, 0.6);
  set(0, 0, 0.6 * 0.6 * 4.9, 0.2, 0, 0);
  set(0, 1, 0, 0, 0, 0);
  return doc;
}

class WaterSections : public ::testing::Test {
 protected:
  void TearDown() override { PrnSel() = ReportSelection{}; }
  test::TempFolder work;
};

TEST_F(WaterSections, GravityWallMatchesTheHandGolden) {
  auto doc = GravityWithWater(1);
  const std::string bytes = test::Markup([&](PrnFile& f) { PrnSuiatsu(f, *doc, work.path(), 0); });
  test::ExpectSameMarkup(bytes, test::Golden("suiatsu_gravity.prn", work.path()));
  EXPECT_TRUE(std::filesystem::exists(work.path() + "/PW.svg"));
}

TEST_F(WaterSections, MixedLowerWallAboveAndAtItsHeightMatchesTheHandGolden) {
  auto doc = MixedWithWater();
  const std::string bytes = test::Markup([&](PrnFile& f) { PrnSuiatsu(f, *doc, work.path(), 1); });
  test::ExpectSameMarkup(bytes, test::Golden("suiatsu_mixed_lower.prn", work.path()));
  // The lower wall's own figure.
  EXPECT_EQ(test::ReadBytes(work.path() + "/PW.svg"),
            test::ReadBytes(test::ShippedFolder() + "/resource/KONGOU_PWL.svg"));
}

TEST_F(WaterSections, MixedUpperWallBelowTheLowerWallsHeightMatchesTheHandGolden) {
  auto doc = MixedWithWater();
  const std::string bytes = test::Markup([&](PrnFile& f) { PrnSuiatsu(f, *doc, work.path(), 0); });
  test::ExpectSameMarkup(bytes, test::Golden("suiatsu_mixed_upper.prn", work.path()));
  EXPECT_EQ(test::ReadBytes(work.path() + "/PW.svg"),
            test::ReadBytes(test::ShippedFolder() + "/resource/KONGOU_PWU.svg"));
}

TEST_F(WaterSections, UpliftMatchesTheHandGolden) {
  auto doc = GravityWithWater(2);
  const std::string bytes = test::Markup([&](PrnFile& f) { PrnYouatsu(f, *doc, work.path()); });
  test::ExpectSameMarkup(bytes, test::Golden("youatsu_gravity.prn", work.path()));
  EXPECT_TRUE(std::filesystem::exists(work.path() + "/YOU.svg"));
}

TEST_F(WaterSections, NothingWithoutWater) {
  auto doc = GravityWithWater(1);
  // Water in the document but in no case: not even the method.
  for (int i = 0; i < 3; ++i) doc->pCase(i)->nWater = 0;
  EXPECT_EQ(test::Markup([&](PrnFile& f) { PrnSuiatsu(f, *doc, work.path(), 0); }), "");
  // A case without water gets no section of its own.
  doc = GravityWithWater(2);
  EXPECT_EQ(test::Markup([&](PrnFile& f) { PrnSuiatsuCase(f, *doc, 2, work.path(), 0); }), "");
  // Uplift only with nWater 2.
  EXPECT_EQ(test::Markup([&](PrnFile& f) { PrnYouatsu(f, *GravityWithWater(1), work.path()); }),
            "");
}

TEST_F(WaterSections, StoredResultIsPrintedWhereItDiffersFromTheLevels) {
  auto doc = GravityWithWater(1);
  // A result the levels do not give (the case calculated at other levels).
  doc->AntRes(0, 0)->Pwf = 5.0;
  doc->AntRes(0, 0)->Pwfy = 0.25;
  const SuiatsuValues v = SuiatsuPrinted(*doc, 0, 0);
  EXPECT_DOUBLE_EQ(v.front.P, 5.0);
  EXPECT_DOUBLE_EQ(v.front.Y, 0.25);
  EXPECT_DOUBLE_EQ(v.back.P, 30.625);
  const std::string bytes =
      test::Markup([&](PrnFile& f) { PrnSuiatsuCase(f, *doc, 0, work.path(), 0); });
  EXPECT_NE(Cp932ToUtf8(bytes).find("× 9.80×1.200^2^= 5.00 (kN/m)"), std::string::npos);
  EXPECT_NE(Cp932ToUtf8(bytes).find("=<box>1.200<over>3</box>=0.250 (m)"), std::string::npos);
}

// The resultants worked out from the levels against what the stability
// calculation stored, for every wall type and part: equal, except that equal
// levels cancel in the calculation (stored 0) while the section prints both
// pressures with the note that they cancel.
TEST(WaterAgreement, PrintedResultantsAreTheCalculations) {
  struct Row {
    const char* sample;
    double hf0, hb0, hf1, hb1;  // normal and seismic levels
  };
  const Row rows[] = {
      {"block_masonry", 0.8, 1.6, 1.1, 1.1},
      {"gravity", 1.2, 2.5, 0.5, 1.0},
      {"leaning", 0.7, 2.2, 1.3, 1.3},
      // Mixed: the lower wall is about 1.5 m high in the sample.
      {"mixed", 2.2, 1.5, 0.9, 1.2},
      {"mixed", 1.0, 3.0, 2.5, 2.5},
  };
  test::RecordingSink sink;
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.sample) + " " + std::to_string(r.hf0));
    auto doc = Sample(r.sample);
    WaterCases(*doc, 2);
    doc->SetWatFH(0, r.hf0);
    doc->SetWatBH(0, r.hb0);
    doc->SetWatFH(1, r.hf1);
    doc->SetWatBH(1, r.hb1);
    CalcAntei(*doc, 0, 0);
    const int parts = doc->WallType() == 3 ? 2 : 1;
    for (int part = 0; part < parts; ++part) {
      for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE("part " + std::to_string(part) + " case " + std::to_string(i));
        const SuiatsuValues v = SuiatsuFormula(*doc, i, part);
        const CAntRes& s = *doc->AntRes(part, i);
        if (v.cancelled) {
          EXPECT_EQ(s.Pwf, 0.0);
          EXPECT_EQ(s.Pwb, 0.0);
          EXPECT_NEAR(v.front.P, v.back.P, 1e-9);
          continue;
        }
        EXPECT_NEAR(v.front.P, s.Pwf, 1e-9);
        EXPECT_NEAR(v.front.Y, s.Pwfy, 1e-9);
        EXPECT_NEAR(v.back.P, s.Pwb, 1e-9);
        EXPECT_NEAR(v.back.Y, s.Pwby, 1e-9);
      }
    }
    // The uplift section prints the stored uplift: it is the trapezoid of
    // the levels under the base of the wall (or of its lower part).
    const CAntRes& u = *doc->AntRes(parts - 1, 0);
    EXPECT_NEAR(u.YouatsuV1, r.hf0 * 9.8, 1e-9);
    EXPECT_NEAR(u.YouatsuV2, r.hb0 * 9.8, 1e-9);
    EXPECT_NEAR(u.YouatsuV, (u.YouatsuV1 + u.YouatsuV2) * u.Breadth / 2, 1e-9);
  }
}

// Under residential land a seismic case may keep the normal earth pressure
// (Doat 0): the stability calculation then takes the normal water levels, and
// the sections print those levels with the resultants they give.
//   Normal levels 0.5 / 1.5, seismic 1.0 / 2.0, γw 9.8:
//   Pwf = 0.5² × 4.9 = 1.225 → 1.23, Pwr = 1.5² × 4.9 = 11.025 → 11.03;
//   uplift P1 = 0.5 × 9.8 = 4.90, P2 = 1.5 × 9.8 = 14.70.
TEST(WaterAgreement, SeismicCaseWithNormalEarthPressurePrintsTheLevelsItWasCalculatedWith) {
  test::RecordingSink sink;
  auto doc = Sample("block_masonry");
  ASSERT_EQ(doc->Sisin, 4);
  WaterCases(*doc, 2);
  doc->pCase(1)->CaseName = "地震時(常時土圧)";
  doc->pCase(1)->Doat = 0;
  doc->SetKh(0, 0.2);
  doc->SetKh(1, 0.2);
  doc->SetWatFH(0, 0.5);
  doc->SetWatBH(0, 1.5);
  doc->SetWatFH(1, 1.0);
  doc->SetWatBH(1, 2.0);
  CalcAntei(*doc, 0, 0);
  PrnSel().PrnAnteiCases.Set(0, 0);  // only the seismic case is reported
  const CAntRes& r = *doc->AntRes(0, 1);
  ASSERT_NEAR(r.Pwf, 1.225, 1e-9);
  ASSERT_NEAR(r.YouatsuV1, 4.9, 1e-9);

  const SuiatsuValues v = SuiatsuPrinted(*doc, 1, 0);
  EXPECT_EQ(v.k, 0);
  EXPECT_DOUBLE_EQ(v.front.hw, 0.5);
  EXPECT_DOUBLE_EQ(v.back.hw, 1.5);
  test::TempFolder work;
  const std::string text = Cp932ToUtf8(test::Markup([&](PrnFile& f) {
    PrnSuiatsuCase(f, *doc, 1, work.path(), 0);
    PrnYouatsu(f, *doc, work.path());
  }));
  EXPECT_NE(text.find("(常時水位)"), std::string::npos);
  EXPECT_EQ(text.find("(地震時水位)"), std::string::npos);
  EXPECT_NE(text.find("× 9.80×0.500^2^= 1.23 (kN/m)"), std::string::npos);
  EXPECT_NE(text.find("× 9.80×1.500^2^=11.03 (kN/m)"), std::string::npos);
  EXPECT_NE(text.find("0.500× 9.80&sp;=&sp;4.90"), std::string::npos);
  EXPECT_NE(text.find("1.500× 9.80&sp;=&sp;14.70"), std::string::npos);
  EXPECT_EQ(text.find("1.000×"), std::string::npos);
  EXPECT_EQ(text.find("2.000×"), std::string::npos);
  PrnSel() = ReportSelection{};
}

TEST(WaterFigures, EveryReferencedFigureIsShipped) {
  test::RecordingSink sink;
  for (int32_t wallType = 0; wallType <= 3; ++wallType) {
    for (int16_t part = 0; part <= (wallType == 3 ? 1 : 0); ++part) {
      SCOPED_TRACE("wall type " + std::to_string(wallType) + " part " + std::to_string(part));
      test::TempFolder work;
      CDocument doc;
      doc.SetWallType(wallType);
      WaterCases(doc, 2);
      std::string bytes;
      EXPECT_NO_THROW(bytes = test::Markup([&](PrnFile& f) {
                        PrnSuiatsu(f, doc, work.path(), part);
                        if (wallType != 3 || part == 1) PrnYouatsu(f, doc, work.path());
                      }));
      EXPECT_TRUE(std::filesystem::file_size(work.path() + "/PW.svg") > 0);
      if (wallType != 3 || part == 1) {
        EXPECT_TRUE(std::filesystem::file_size(work.path() + "/YOU.svg") > 0);
      }
    }
  }
  PrnSel() = ReportSelection{};
}

TEST(WaterFigures, MissingShippedFigureStopsWithTheFileNamed) {
  test::TempFolder work;
  CDocument doc;
  doc.SetWallType(2);
  WaterCases(doc, 1);
  try {
    test::Markup([&](PrnFile& f) { PrnSuiatsu(f, doc, work.path(), 0); }, work.path());
    ADD_FAILURE() << "no error";
  } catch (const ReportError& e) {
    EXPECT_NE(std::string(e.what()).find(work.path() + "/resource/MOTARE_PW.svg"),
              std::string::npos);
  }
  PrnSel() = ReportSelection{};
}

}  // namespace
}  // namespace norva

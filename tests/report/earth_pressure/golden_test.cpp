// The earth-pressure section against goldens written by hand from its
// templates, with every number worked out by hand from the formulas (see
// the comments at each fixture).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/ant_res.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "report/earth_pressure/earth_pressure_test_support.h"
#include "report/earth_pressure/prn_coulomb.h"
#include "report/earth_pressure/prn_doatsu.h"
#include "report/earth_pressure/prn_kusabi.h"
#include "report/earth_pressure/prn_kusabi_sections.h"
#include "text/cp932.h"

namespace norva {
namespace {

constexpr double kPerDeg = 0.017453292519943278;

class EpGoldens : public ::testing::Test {
 protected:
  void SetUp() override { SetPictureSaver(saver_); }
  void TearDown() override {
    SetPictureSaver(nullptr);
    PrnSel() = ReportSelection{};
  }

  void Expect(const std::function<void(PrnFile&)>& write, const std::string& golden) {
    test::ExpectSameMarkup(test::Markup(write), test::EpGolden(golden, work_.path()));
  }

  // Three trials, written as a trial file in the work folder:
  //   ω (deg)  l1    l2    W1     W2      PA
  //   40       2.5   1.25  45.5   12.25   20.1234
  //   45 (π/4) 2.3   1.1   40.0   10.0    21.5
  //   50       2.1   0.9   35.75  8.125   20.0
  // sums l: 3.750 3.400 3.000, W: 57.75 50.00 43.875 (43.88).
  std::shared_ptr<CKusabiRes> Wedge(const std::string& name = "trials.dat") {
    const double rows[3][6] = {{40 * kPerDeg, 2.5, 1.25, 45.5, 12.25, 20.1234},
                               {M_PI / 4, 2.3, 1.1, 40.0, 10.0, 21.5},
                               {50 * kPerDeg, 2.1, 0.9, 35.75, 8.125, 20.0}};
    std::vector<std::shared_ptr<CKusabiRes>> trials;
    for (const auto& r : rows) {
      auto t = std::make_shared<CKusabiRes>();
      t->fOmega = r[0];
      t->SetfL(0, r[1]);
      t->SetfL(1, r[2]);
      t->SetfWQ(0, r[3]);
      t->SetfWQ(1, r[4]);
      t->fPa = r[5];
      trials.push_back(t);
    }
    const std::string path = work_.path() + "/" + name;
    EXPECT_TRUE(WriteKusabiFile(path, trials, 3));
    auto w = std::make_shared<CKusabiRes>();
    w->TempFile = path;
    return w;
  }

  std::shared_ptr<RecordingPictureSaver> saver_ = std::make_shared<RecordingPictureSaver>();
  test::TempFolder work_;
};

// ---- Surcharge tables --------------------------------------------------------

TEST_F(EpGoldens, SurchargeTablesOfTheCoulombFormula) {
  CDocument doc;
  doc.SetWallType(1);
  doc.Doatsu = 0;
  doc.bQuake = 0;
  doc.SetnCase(3);
  const char* names[] = {"常時", "無載荷", "積雪"};
  for (int i = 0; i < 3; ++i) doc.pCase(i)->CaseName = names[i];
  doc.nAutoMobile = 0;
  doc.AutoPos = 1.5;
  doc.AutoLoad = 10;
  doc.nSnow = 0;
  doc.SnowPos = 0.25;
  doc.SnowLoad = 7.5;
  doc.pCase(0)->nAutoMobil = 1;
  doc.pCase(0)->nSnow = 1;
  doc.pCase(2)->nSnow = 1;
  // Case 2 has none: no table; the heading stands once, before case 1's.
  Expect(
      [&](PrnFile& f) {
        bool heading = false;
        for (int i = 0; i < 3; ++i) PrnJyousai(f, doc, i, heading);
      },
      "jyousai_coulomb.prn");
}

TEST_F(EpGoldens, SurchargeTableOfTheTrialWedgeForAMixedWall) {
  CDocument doc;
  doc.SetWallType(3);
  doc.Doatsu = 1;
  doc.bQuake = -1;
  doc.nWater = 0;
  doc.SetnCase(1);
  doc.pCase(0)->CaseName = "地震";
  doc.pCase(0)->nQuake = 1;
  doc.nAutoMobile = doc.nTakuchi = doc.nGunsyu = doc.nSnow = 0;
  doc.AutoPos = 0.5, doc.AutoWidth = 3, doc.AutoLoad = 10;
  doc.TakuchiPos = 1, doc.TakuchiWidth = 5, doc.TakuchiLoad = 12.5;
  doc.GunsyuPos = 0, doc.GunsyuWidth = 1.5, doc.GunsyuLoad = 5;
  // An intensity wider than its mask is written whole.
  doc.SnowPos = 0.125, doc.SnowLoad = 1234.5;
  auto k = doc.pCase(0);
  k->nAutoMobil = k->nTakuchi = k->nGunsyu = k->nSnow = 1;
  Expect(
      [&](PrnFile& f) {
        bool heading = false;
        PrnJyousai(f, doc, 0, heading);
      },
      "jyousai_wedge_mixed.prn");
}

// ---- Coulomb method ---------------------------------------------------------

TEST_F(EpGoldens, CoulombMethodOfAGravityWall) {
  CDocument doc;
  doc.SetWallType(1);
  doc.bQuake = 0;
  doc.UragomeType = 0;
  Expect([&](PrnFile& f) { PrnDoatsuCoulomb(f, doc, work_.path()); }, "coulomb_method_gravity.prn");
  EXPECT_EQ(test::ReadBytes(work_.path() + "/COULOMB.svg"),
            test::ReadBytes(test::ShippedFolder() + "/resource/JYU_COULOMB.svg"));
  EXPECT_EQ(test::ReadBytes(work_.path() + "/QD.svg"),
            test::ReadBytes(test::ShippedFolder() + "/resource/JYU_QD.svg"));
  EXPECT_FALSE(std::filesystem::exists(work_.path() + "/QW.svg"));
}

TEST_F(EpGoldens, CoulombMethodOfASeismicMixedWallWithATrapezoid) {
  CDocument doc;
  doc.SetWallType(3);
  doc.bQuake = -1;
  doc.UragomeType = 2;
  // An older copy is replaced.
  std::ofstream(work_.path() + "/QW.svg") << "old";
  Expect([&](PrnFile& f) { PrnDoatsuCoulomb(f, doc, work_.path()); },
         "coulomb_method_mixed_seismic_trapezoid.prn");
  EXPECT_EQ(test::ReadBytes(work_.path() + "/QW.svg"),
            test::ReadBytes(test::ShippedFolder() + "/resource/KONGOU_QW.svg"));
}

TEST_F(EpGoldens, MissingShippedFigureStopsTheReportNamingIt) {
  CDocument doc;
  doc.SetWallType(1);
  test::TempFolder program;
  try {
    test::Markup([&](PrnFile& f) { PrnDoatsuCoulomb(f, doc, work_.path()); }, program.path());
    ADD_FAILURE() << "no error";
  } catch (const ReportError& e) {
    EXPECT_NE(std::string(e.what()).find("JYU_COULOMB.svg"), std::string::npos) << e.what();
  }
}

// ---- Coulomb load cases -------------------------------------------------------

// The gravity sample: H = 3.0, back face 0.8 m back over its height, so
// α = atan(0.8/3) = 14.9314°, heel at x = 1.8; φ 30°, δ 20°, γ 19, γ' 10,
// horizontal backfill (i = 0), normal case.
//   A  = √(sin 30°·sin 50° / cos 34.9314° / cos 14.9314°) = 0.695355
//   KA = cos²(15.0686°) / (cos² 14.9314°·cos 34.9314°·(1 + A)²) = 0.423832
std::unique_ptr<CDocument> GravityCase() {
  auto doc = test::EpSample("gravity");
  doc->Doatsu = 0;
  doc->UragomeType = 0;
  doc->pCase(0)->CaseName = "自重+載荷重";
  doc->pCase(0)->nAutoMobil = 0;
  doc->nGunsyu = doc->nTakuchi = doc->nSnow = 1;
  return doc;
}

void Store(CDocument& doc, int i, double Ka, double Pa, double Pav, double Pah, double Pax,
           double Pay) {
  CAntRes& r = *doc.AntRes(0, i);
  r.Ka = Ka, r.Pa = Pa, r.Pav = Pav, r.Pah = Pah, r.Pax = Pax, r.Pay = Pay;
}

TEST_F(EpGoldens, CoulombCaseWithSurchargeConversionAndWater) {
  // Vehicle 10 kN/m² at X = 1.0: Iw(1/3) = 10/9 − (2/π)(10/9)·atan(1/3) − (2/π)/3
  //   = 0.671313, qd = 6.71313. Crowd 5 kN/m² at X = 3.0 = H: Iw(1) = 0.363380,
  //   left out (X ≥ H). Water 1.0 m behind the wall:
  //   P1 = 2.845236, P2 = 18.950841, P3 = 23.189158, PA1 = 21.796077,
  //   PA2 = 21.070000, PA = 42.866077, MP1 = 38.223618, MP2 = 10.181807,
  //   YP = 1.129225, XP = 1.8 − YP·tan α = 1.498873,
  //   PAV = PA·sin 34.9314° = 24.544923, PAH = 35.143240.
  auto doc = GravityCase();
  doc->nWater = 1;
  doc->SetWatBH(0, 1.0);
  doc->pCase(0)->nWater = 1;
  doc->nAutoMobile = 0, doc->AutoPos = 1.0, doc->AutoLoad = 10;
  doc->nGunsyu = 0, doc->GunsyuPos = 3.0, doc->GunsyuLoad = 5;
  doc->pCase(0)->nAutoMobil = 1;
  doc->pCase(0)->nGunsyu = 1;
  Store(*doc, 0, 0.42383172508625483, 42.866077, 24.544923, 35.143240, 1.498873, 1.129225);
  Expect([&](PrnFile& f) { PrnDoatsuCoulombCase(f, *doc, 0, work_.path()); },
         "coulomb_case_surcharge_water.prn");
}

TEST_F(EpGoldens, CoulombCaseWithTheTrapezoidConversion) {
  // X = 0.8 + 1.5/2 = 1.55, Iw(1.55/3) = 0.553381, qw = 1.0·19·Iw = 10.514247;
  //   P1 = 4.456271, P2 = P3 = 28.614680, PA = PA1 = 49.606427,
  //   MP1 = 56.290834, YP = 1.134749, XP = 1.497400, PAV = 28.404417,
  //   PAH = 40.669235. No surcharge: no table.
  auto doc = GravityCase();
  doc->nWater = 0;
  doc->pCase(0)->CaseName = "自重";
  doc->UragomeType = 2;
  doc->UraX1 = 0.8, doc->UraX2 = 1.5, doc->UraH0 = 1.0;
  Store(*doc, 0, 0.42383172508625483, 49.606427, 28.404417, 40.669235, 1.497400, 1.134749);
  Expect([&](PrnFile& f) { PrnDoatsuCoulombCase(f, *doc, 0, work_.path()); },
         "coulomb_case_trapezoid.prn");
}

// ---- Trial tables ---------------------------------------------------------------

TEST_F(EpGoldens, TrialTablesOfFourAndSixColumns) {
  CDocument doc;
  auto w = Wedge();
  Expect([&](PrnFile& f) { PrnKusabiTable(f, doc, w.get(), "ω<SUB>A</SUB>|ｌ|Ｗ|Ｐ<SUB>A</SUB>"); },
         "kusabi_table_4.prn");
  Expect(
      [&](PrnFile& f) {
        PrnKusabiTable(f, doc, w.get(),
                       "ω<SUB>A</SUB>|ｌ|ｌ'|Ｗ<sub>1</sub>|Ｗ<sub>2</sub>|Ｐ<SUB>A</SUB>");
      },
      "kusabi_table_6.prn");
}

TEST_F(EpGoldens, NoTrialFileNoTableAndNoPicture) {
  CDocument doc;
  CKusabiRes none;
  none.TempFile = work_.path() + "/missing.dat";
  EXPECT_EQ(test::Markup([&](PrnFile& f) { PrnKusabiTable(f, doc, &none, "a|b|c|d"); }), "");
  EXPECT_EQ(test::Markup([&](PrnFile& f) { PrnKusabiTable(f, doc, nullptr, "a|b|c|d"); }), "");
  EXPECT_EQ(PrnKusabiGraph(doc, none, work_.path() + "/g.svg"), 0);
  auto w = Wedge();
  EXPECT_EQ(PrnKusabiGraph(doc, *w, ""), 0);
  EXPECT_TRUE(saver_->saved.empty());
  EXPECT_EQ(PrnKusabiGraph(doc, *w, work_.path() + "/AntKusabiRes0000.svg"), 1);
  ASSERT_EQ(saver_->saved.size(), 1u);
  EXPECT_EQ(saver_->saved[0].path, work_.path() + "/AntKusabiRes0000.svg");
  EXPECT_DOUBLE_EQ(saver_->saved[0].widthTwips, 7087.5);
  EXPECT_DOUBLE_EQ(saver_->saved[0].heightTwips, 3543.75);
  EXPECT_EQ(PrnKusabiGraphPath("/w", "AntKusabiRes", "00", 12), "/w/AntKusabiRes0012.svg");
}

// ---- Embankment wedge -----------------------------------------------------------

TEST_F(EpGoldens, EmbankmentCaseSeismicWithAFixedSlipAngle) {
  // Block wall, α = −atan 0.3 = −16.6992°, δ 15°, θ = atan 0.15 = 8.5308°,
  // PA 21.5 at the fixed ω = 45°; stored PAV = 21.5·sin(−1.6992°) = −0.637541,
  // PAH = 21.490545; YP = 1.2 (H = 3.6), XP = 0.8 − 1.2·tan α = 1.16 (B 0.8).
  CDocument doc;
  doc.SetWallType(0);
  doc.nTentou = 0;
  doc.Gamb = 18, doc.Gambd = 9;
  doc.bQuake = -1;
  doc.nWater = 0;
  doc.SetnCase(2);
  doc.pCase(1)->CaseName = "地震";
  doc.pCase(1)->nQuake = 1;
  doc.pCase(1)->Doat = 1;
  auto K = Wedge();
  K->fAlpha = -std::atan(0.3);
  K->fFai = 30 * kPerDeg;
  K->fDelta = 15 * kPerDeg;
  K->fKh = std::atan(0.15);
  K->fWlvl = 0.5;
  K->fC = 5;
  K->fOmega = M_PI / 4;
  K->fPa = 21.5;
  K->bChgOmg = -1;
  CAntRes& r = *doc.AntRes(0, 1);
  r.SetKusabi(0, K);
  r.Pa = 21.5, r.Pav = -0.6375407745856991, r.Pah = 21.490545403984996;
  r.Pax = 1.16, r.Pay = 1.2;
  Expect([&](PrnFile& f) { PrnDoatsuKusabiMoriCase(f, doc, 1, work_.path()); },
         "kusabi_mori_case_seismic_fixed.prn");
}

// ---- Large-block guideline ------------------------------------------------------

// Block wall (1:0.3) against natural ground 1:0.5 (ε = 63.4349°); the d = 0
// wedge K1 at ε: W = 60 + 5.5, l = 3.2 + 0.45, PA0 = 25.75; the embankment
// wedge K0: the three trials, ωA = 50°, PA1 = 21.5. YP = 1.2, XP = 1.16 (B 0.8).
std::unique_ptr<CDocument> LargeBlock(double kiriD, std::shared_ptr<CKusabiRes> K0) {
  auto doc = std::make_unique<CDocument>();
  doc->SetWallType(0);
  doc->Sisin = 3, doc->BackType = 1, doc->Doatsu = 1;
  doc->bQuake = -1;
  doc->nWater = 0;
  doc->KiriD = kiriD, doc->KiriN = 0.5, doc->BlkN = 0.3;
  doc->SetKh(1, 0.15);
  doc->Fai = 30, doc->Gamb = 18, doc->Gambd = 9;
  doc->SetC(0, 2);
  doc->SetC(1, 3);
  doc->SetnCase(2);
  doc->pCase(0)->CaseName = "常時";
  doc->pCase(1)->CaseName = "地震";
  doc->pCase(1)->nQuake = 1;
  doc->pCase(1)->Doat = 1;
  for (int i = 0; i < 2; ++i) {
    auto K1 = std::make_shared<CKusabiRes>();
    K1->fKh = i == 0 ? 0 : std::atan(0.15);
    K1->fOmega = M_PI / 2 - std::atan(0.5);
    K1->fFai = 30 * kPerDeg;
    K1->fC = i == 0 ? 2 : 3;
    K1->fAlpha = -std::atan(0.3);
    K1->fDelta = (i == 0 ? 20 : 15) * kPerDeg;
    K1->SetfWQ(0, 60);
    K1->SetfWQ(1, 5.5);
    K1->SetfL(0, 3.2);
    K1->SetfL(1, 0.45);
    K1->fPa = 25.75;
    K0->fAlpha = -std::atan(0.3);
    K0->fOmega = 50 * kPerDeg;
    K0->fPa = 21.5;
    CAntRes& r = *doc->AntRes(0, i);
    r.SetKusabi(0, K0);
    r.SetKusabi(1, K1);
    r.Pax = 1.16, r.Pay = 1.2;
  }
  return doc;
}

TEST_F(EpGoldens, LargeBlockCaseAtTheHeel) {
  // d = 0: PA = PA0 = 25.75; PAV = 25.75·sin 3.3008° = 1.482613, PAH = 25.707282.
  // The negative α after "-" in the denominator prints as "+16.70".
  auto doc = LargeBlock(0, Wedge());
  CAntRes& r = *doc->AntRes(0, 0);
  r.Pa = 25.75, r.Pav = 1.4826127889480423, r.Pah = 25.70728222348772, r.D1 = 0;
  Expect([&](PrnFile& f) { PrnDoatsuKusabiOogataCase(f, *doc, 0, work_.path()); },
         "oogata_case_heel.prn");
  EXPECT_TRUE(saver_->saved.empty());
}

TEST_F(EpGoldens, LargeBlockCaseApartSeismic) {
  // d = 0.6, d1 = 1.5: √(1 − 0.36) = 0.8, PA = 0.8·(21.5 − 25.75) + 25.75 = 22.35;
  // PAV = 22.35·sin(−1.6992°) = −0.662746, PAH = 22.340172. The seismic case
  // prints kH, θ and the cohesion c(1) = 3.
  auto doc = LargeBlock(0.6, Wedge());
  CAntRes& r = *doc->AntRes(0, 1);
  r.Pa = 22.35, r.Pav = -0.6627458749762966, r.Pah = 22.34017161763092, r.D1 = 1.5;
  Expect([&](PrnFile& f) { PrnDoatsuKusabiOogataCase(f, *doc, 1, work_.path()); },
         "oogata_case_apart.prn");
  ASSERT_EQ(saver_->saved.size(), 1u);
}

TEST_F(EpGoldens, LargeBlockInputAngleIsTheOneTheWedgeUsed) {
  // A block whose face (1:0.5, 26.57°) is not parallel to the back face the
  // wedge acts on (1:0.3, 16.70°): the listed α is the one in the formulas
  // below it, -16.70, not the face's -26.57.
  for (const double kiriD : {0.0, 0.6}) {
    SCOPED_TRACE(kiriD);
    auto doc = LargeBlock(kiriD, Wedge());
    doc->BlkN = 0.5;
    CAntRes& r = *doc->AntRes(0, 0);
    r.Pa = 25.75, r.D1 = 1.5;
    const std::vector<std::string> lines = test::Lines(
        test::Markup([&](PrnFile& f) { PrnDoatsuKusabiOogataCase(f, *doc, 0, work_.path()); }));
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "　　　　　　壁面傾斜角　　　　　　α<sub> </sub> = -16.70 (度)"),
              lines.end());
  }
}

TEST_F(EpGoldens, LargeBlockBeyondD1PrintsNoBlendNumbers) {
  // d ≥ d1: the calculation takes PA1; the numbers of the blend would not
  // give it, so only the stored thrust stands.
  auto doc = LargeBlock(2.0, Wedge());
  CAntRes& r = *doc->AntRes(0, 1);
  r.Pa = 21.5, r.D1 = 1.5;
  const std::vector<std::string> lines = test::Lines(
      test::Markup([&](PrnFile& f) { PrnDoatsuKusabiOogataCase(f, *doc, 1, work_.path()); }));
  for (const std::string& l : lines) EXPECT_EQ(l.find("<math>=<sqrt>"), std::string::npos) << l;
  EXPECT_NE(std::find(lines.begin(), lines.end(), "　  <math>=21.50 (kN/m)</math>"), lines.end());
}

}  // namespace
}  // namespace norva

namespace norva {
namespace {

TEST_F(EpGoldens, LargeBlockMethodAtTheHeelNamesTheShippedFigureInPlace) {
  auto doc = LargeBlock(0, Wedge());
  const std::string prog = test::ShippedFolder();
  test::ExpectSameMarkup(
      test::Markup([&](PrnFile& f) { PrnDoatsuKusabiOogata(f, *doc, work_.path()); }, prog),
      test::EpGolden("oogata_method_heel.prn", work_.path(), prog));
}

TEST_F(EpGoldens, LargeBlockMethodApartQuotesAPathWithABlank) {
  // An unquoted path would end at the blank; the renderer would find no file.
  auto doc = LargeBlock(0.6, Wedge());
  doc->SetWallType(3);
  const std::string prog = work_.path() + "/Norva program";
  test::ExpectSameMarkup(
      test::Markup([&](PrnFile& f) { PrnDoatsuKusabiOogata(f, *doc, work_.path()); }, prog),
      test::EpGolden("oogata_method_apart_mixed_blank.prn", work_.path(), prog));
}

TEST_F(EpGoldens, SlopeSteeperThanPhiTakesPhiForDeltaAndSaysSo) {
  // i = 90° − atan 1.5 = 33.69° > φ = 30°: the coefficient takes δ = φ, and
  // φ − i < 0 gives A = 0:
  //   KA = cos²(15.0686°) / (cos² 14.9314°·cos 44.9314°) = 0.932413 / 0.660952
  //      = 1.410713.
  auto doc = GravityCase();
  doc->UragomeType = 1;
  doc->UraN = 1.5;
  doc->nWater = 0;
  const double a = std::atan(0.8 / 3);
  const double ka = std::pow(std::cos(30 * kPerDeg - a), 2) /
                    (std::pow(std::cos(a), 2) * std::cos(a + 30 * kPerDeg));
  EXPECT_NEAR(ka, 1.410713, 5e-7);
  Store(*doc, 0, ka, 0, 0, 0, 0, 0);
  const std::vector<std::string> lines = test::Lines(
      test::Markup([&](PrnFile& f) { PrnDoatsuCoulombCase(f, *doc, 0, work_.path()); }));
  const std::vector<std::string> want = {
      "　　  <math>=<box>cos^2^(30.00 - 14.93)<over>cos^2^14.93×cos(14.93+30.00)×(1+ "
      "0.0000)^2^</box>=1.4107</math>",
      "　　　　i＞φのため、δ=φとする。",
      "",
      "　　　φ－i&lt;0のため、sin(φ－i)=0とする。",
      "",
      "　　　　<math>A=<sqrt><box>sin(φ＋δ)sin(φ－i)<over>cos(α＋δ)cos(α－i)</box></sqrt></math>",
      "",
      "　　　　 "
      "<math>=<sqrt><box>sin(30.00+30.00)×0.0000<over>cos(14.93+30.00)×cos(14.93-33.69)</box></"
      "sqrt>=0.0000</math>",
  };
  const auto at = std::find(lines.begin(), lines.end(), want[0]);
  ASSERT_NE(at, lines.end());
  ASSERT_GE(lines.end() - at, static_cast<std::ptrdiff_t>(want.size()));
  EXPECT_EQ(std::vector<std::string>(at, at + want.size()), want);
}

}  // namespace
}  // namespace norva

namespace norva {
namespace {

TEST_F(EpGoldens, CaseWithoutEarthPressurePrintsDashesNotNumbers) {
  // A case the run could not compute: its results are marked, the section
  // prints dashes where they stand and nothing that is not a number.
  auto coulomb = GravityCase();
  MarkNotComputable(*coulomb->AntRes(0, 0));
  auto wedge = LargeBlock(0.6, Wedge());
  MarkNotComputable(*wedge->AntRes(0, 1));
  const std::string text = Cp932ToUtf8(test::Markup([&](PrnFile& f) {
    PrnDoatsuCoulombCase(f, *coulomb, 0, work_.path());
    PrnDoatsuKusabiOogataCase(f, *wedge, 1, work_.path());
  }));
  EXPECT_NE(text.find("=-----&nbsp;(kN/m)"), std::string::npos) << text;
  EXPECT_NE(text.find("　  <math>=----- (kN/m)</math>"), std::string::npos) << text;
  for (const char* bad : {"nan", "inf", "e+3"}) EXPECT_EQ(text.find(bad), std::string::npos) << bad;
}

}  // namespace
}  // namespace norva

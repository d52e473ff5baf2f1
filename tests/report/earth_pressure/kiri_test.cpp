// The trial-wedge sections with a cut back ground: goldens written by hand
// from the templates (numbers worked out at each fixture), the one slip that
// method and cases both describe, the shipped pictures they name, and the
// printed results against the ones the run stored.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "calc/run/calc_antei.h"
#include "document/ant_res.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "report/earth_pressure/earth_pressure_test_support.h"
#include "report/earth_pressure/earth_pressure_writers.h"
#include "report/earth_pressure/prn_doatsu.h"
#include "report/earth_pressure/prn_kusabi_sections.h"
#include "text/cp932.h"

namespace norva {
namespace {

constexpr double kPerDeg = 0.017453292519943278;
constexpr double kDeg = 57.29577951308238;

class KiriSections : public ::testing::Test {
 protected:
  void SetUp() override { SetPictureSaver(saver_); }
  void TearDown() override {
    SetPictureSaver(nullptr);
    PrnSel() = ReportSelection{};
  }
  void Expect(const std::function<void(PrnFile&)>& write, const std::string& golden) {
    test::ExpectSameMarkup(test::Markup(write), test::EpGolden(golden, work_.path()));
  }
  std::shared_ptr<RecordingPictureSaver> saver_ = std::make_shared<RecordingPictureSaver>();
  test::TempFolder work_;
};

// A document whose case i holds the two wedges and the stored results.
void StoreCase(CDocument& doc, int i, std::shared_ptr<CKusabiRes> k0,
               std::shared_ptr<CKusabiRes> k1, double Pa, double Pav, double Pah, double Pax,
               double Pay) {
  CAntRes& r = *doc.AntRes(0, i);
  r.SetKusabi(0, std::move(k0));
  r.SetKusabi(1, std::move(k1));
  r.Pa = Pa, r.Pav = Pav, r.Pah = Pah, r.Pax = Pax, r.Pay = Pay;
}

// The numbers of a line, in order.
std::vector<double> Numbers(const std::string& l) {
  static const std::regex num(R"((-?\d+\.\d+))");
  std::vector<double> v;
  for (std::sregex_iterator it(l.begin(), l.end(), num), end; it != end; ++it) {
    v.push_back(std::stod((*it)[1]));
  }
  return v;
}

std::unique_ptr<CDocument> CutDesign(int wallType, double kiriD, int32_t kiriDoatsu,
                                     int16_t sisin = 0);

// ---- Method sections ---------------------------------------------------------------

TEST_F(KiriSections, MethodCutFaceAtTheHeelOnlyWithTheThrustLineCheck) {
  // Gravity wall, no wedge stored: KiriD 0 puts the cut face at the heel.
  CDocument doc;
  doc.SetWallType(1);
  doc.nTentou = 3;
  doc.KiriD = 0;
  doc.KiriDoatsu = 1;
  Expect([&](PrnFile& f) { PrnDoatsuKusabiKiri(f, doc, work_.path()); },
         "kiri_method_heel_only_thrust_line.prn");
  EXPECT_EQ(test::ReadBytes(work_.path() + "/KUSABI.svg"),
            test::ReadBytes(test::ShippedFolder() + "/resource/JYU_KUSABI_KIRI1_PA.svg"));
}

TEST_F(KiriSections, MethodOfAMixedWallComparesBothSlipsWithTheLowerWallLines) {
  // The upper wall of a mixed wall takes the block figures and, with KiriD
  // 0 and no wedge stored, the cut face apart from its heel.
  CDocument doc;
  doc.SetWallType(3);
  doc.KiriD = 0;
  doc.KiriDoatsu = 0;
  Expect([&](PrnFile& f) { PrnDoatsuKusabiKiri(f, doc, work_.path()); },
         "kiri_method_apart_compare_mixed.prn");
  EXPECT_EQ(test::ReadBytes(work_.path() + "/KUSABI2.svg"),
            test::ReadBytes(test::ShippedFolder() + "/resource/BLOCK_KUSABI_KIRI_PA2.svg"));
}

TEST_F(KiriSections, RoadMethodApartSolvesTheForcePolygonInSevenBlocks) {
  // Leaning wall, δ1 = 15° printed with two decimals.
  CDocument doc;
  doc.SetWallType(2);
  doc.nTentou = 0;
  doc.KiriD = 0.5;
  doc.KiriDoatsu = 0;
  doc.KiriDlt = 15;
  Expect([&](PrnFile& f) { PrnDoatsuKusabiKiriDoro(f, doc, work_.path()); },
         "kiri_doro_method_apart_compare.prn");
  EXPECT_EQ(test::ReadBytes(work_.path() + "/KUSABI3.svg"),
            test::ReadBytes(test::ShippedFolder() + "/resource/KUSABI.svg"));
  EXPECT_EQ(test::ReadBytes(work_.path() + "/KUSABI1.svg"),
            test::ReadBytes(test::ShippedFolder() + "/resource/MOTARE_KUSABI_KIRI_PA1.svg"));
}

TEST_F(KiriSections, MethodFormsOfTheOtherSlips) {
  struct Row {
    const char* golden;
    int wallType;
    double kiriD;
    int32_t kiriDoatsu;
    bool road;
  };
  const Row rows[] = {
      {"kiri_method_apart_only_block.prn", 0, 0.5, 1, false},
      {"kiri_method_heel_compare_gravity.prn", 1, 0, 0, false},
      {"kiri_doro_method_heel_compare.prn", 1, 0, 0, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.golden);
    CDocument doc;
    doc.SetWallType(row.wallType);
    doc.nTentou = 0;
    doc.KiriD = row.kiriD;
    doc.KiriDoatsu = row.kiriDoatsu;
    Expect(
        [&](PrnFile& f) {
          if (row.road) {
            PrnDoatsuKusabiKiriDoro(f, doc, work_.path());
          } else {
            PrnDoatsuKusabiKiri(f, doc, work_.path());
          }
        },
        row.golden);
  }
}

TEST_F(KiriSections, RoadMethodWithTheBoundaryFaceOnlyDescribesTheBrokenSlip) {
  // Apart, boundary face only: the same slip as the case sections report,
  // then the road legend after the unit weight.
  CDocument doc;
  doc.SetWallType(0);
  doc.KiriD = 0.5;
  doc.KiriDoatsu = 1;
  const std::vector<std::string> road =
      test::Lines(test::Markup([&](PrnFile& f) { PrnDoatsuKusabiKiriDoro(f, doc, work_.path()); }));
  const std::vector<std::string> plain =
      test::Lines(test::Markup([&](PrnFile& f) { PrnDoatsuKusabiKiri(f, doc, work_.path()); }));
  // Everything up to the unit weight is the other guidelines' text.
  const auto gamma =
      std::find(plain.begin(), plain.end(),
                "　　　　γ<sub>  </sub> ：裏込め土の単位体積重量 (kN/m<sup>3</sup>)");
  ASSERT_NE(gamma, plain.end());
  const size_t n = static_cast<size_t>(gamma - plain.begin()) + 1;
  ASSERT_GT(road.size(), n);
  EXPECT_EQ(std::vector<std::string>(road.begin(), road.begin() + static_cast<long>(n)),
            std::vector<std::string>(plain.begin(), plain.begin() + static_cast<long>(n)));
  const std::vector<std::string> tail(road.begin() + static_cast<long>(n), road.end());
  const std::vector<std::string> expected = {
      "ここに、H<sub>  </sub>  ：壁高　 (m)",
      "　　　　P<sub>AV</sub>  ：主働土圧合力の鉛直成分　　　　(kN/m)",
      "　　　　P<sub>AH</sub>  ：主働土圧合力の水平成分　　　　(kN/m)",
      "　　　　X<sub>P </sub>  ：主働土圧合力のX方向の作用位置 (m)",
      "　　　　Y<sub>P </sub>  ：主働土圧合力のY方向の作用位置 (m)",
      "　　　　B<sub>  </sub>　：底面幅 (m)",
      "</PRE></PROTECT>"};
  EXPECT_EQ(tail, expected);
  EXPECT_NE(std::find(road.begin(), road.end(),
                      "<IMG SRC=" + work_.path() + "/KUSABI.svg, WIDTH=90% HEIGHT=90%>"),
            road.end());
}

// Blocks opened and closed, picture lines and table cells of each method form.
TEST_F(KiriSections, MethodFormsBalanceTheirBlocksAndPictures) {
  struct Row {
    const char* name;
    bool road;
    double kiriD;
    int32_t kiriDoatsu;
    int blocks;
    int pictureLines;
    int pictureCells;
  };
  const Row rows[] = {
      {"apart, cut face only", false, 0.5, 1, 2, 1, 0},
      {"apart, compared", false, 0.5, 0, 2, 0, 2},
      {"heel, cut face only", false, 0, 2, 2, 1, 0},
      {"heel, compared", false, -0.5, 0, 2, 0, 2},
      {"road apart, cut face only", true, 0.5, 1, 2, 1, 0},
      {"road apart, compared", true, 0.5, 0, 7, 0, 3},
      {"road heel, cut face only", true, 0, 1, 2, 1, 0},
      {"road heel, compared", true, 0, 0, 2, 0, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CDocument doc;
    doc.SetWallType(0);
    doc.KiriD = row.kiriD;
    doc.KiriDoatsu = row.kiriDoatsu;
    const std::vector<std::string> lines = test::Lines(test::Markup([&](PrnFile& f) {
      if (row.road) {
        PrnDoatsuKusabiKiriDoro(f, doc, work_.path());
      } else {
        PrnDoatsuKusabiKiri(f, doc, work_.path());
      }
    }));
    int open = 0, close = 0, pictures = 0, cells = 0;
    for (const std::string& l : lines) {
      open += l == "<PROTECT><PRE>";
      close += l == "</PRE></PROTECT>";
      pictures += l.rfind("<IMG ", 0) == 0;
      cells += l.rfind("<TD SROW=0", 0) == 0 && l.find("<IMG ") != std::string::npos;
    }
    EXPECT_EQ(open, row.blocks);
    EXPECT_EQ(close, row.blocks);
    EXPECT_EQ(pictures, row.pictureLines);
    EXPECT_EQ(cells, row.pictureCells);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "</PRE></PROTECT>");
  }
}

TEST_F(KiriSections, MissingShippedFigureStopsTheSectionNamingIt) {
  CDocument doc;
  doc.SetWallType(2);
  doc.KiriD = 0;
  doc.KiriDoatsu = 0;
  test::TempFolder program;
  try {
    test::Markup([&](PrnFile& f) { PrnDoatsuKusabiKiri(f, doc, work_.path()); }, program.path());
    ADD_FAILURE() << "no error";
  } catch (const ReportError& e) {
    EXPECT_NE(std::string(e.what()).find("MOTARE_KUSABI_KIRI1_PA1.svg"), std::string::npos)
        << e.what();
  }
}

// ---- Load cases ------------------------------------------------------------------------

// Natural ground 1:0.5: ε = 90° − atan 0.5 = 63.4349°.
const double kEps = M_PI / 2 - std::atan(0.5);

TEST_F(KiriSections, CaseCutFaceThroughTheHeelByItsFormula) {
  // Gravity wall, α = atan 0.2 = 11.3099°, δ 20°, δ' 25°, c' 2, θ 0,
  // W = 50 + 4.25 = 54.25, l = 3.0 + 0.354 = 3.354:
  //   PA = (54.25·sin 38.4349° − 2·3.354·cos 25°) / cos 7.1250° = 27.858811,
  //   PAV = PA·sin 31.3099° = 14.477311, PAH = 23.801697;
  //   YP = 1.0 (H 3.0), XP = 1.6, B = 1.6 + 1.0·0.2 = 1.8.
  CDocument doc;
  doc.SetWallType(1);
  doc.nTentou = 0;
  doc.KiriDoatsu = 1;
  doc.bQuake = 0;
  doc.Gamb = 19;
  doc.Deltd = 25;
  doc.Cd = 2;
  doc.SetnCase(1);
  doc.pCase(0)->CaseName = "自重";
  auto K0 = std::make_shared<CKusabiRes>();
  K0->fTheta = K0->fOmega = kEps;
  K0->fAlpha = std::atan(0.2);
  K0->fDelta = 20 * kPerDeg;
  K0->fFai = 30 * kPerDeg;
  K0->fFaid = 25 * kPerDeg;
  K0->fCd = 2;
  K0->SetfWQ(0, 50);
  K0->SetfWQ(1, 4.25);
  K0->SetfL(0, 3.0);
  K0->SetfL(1, 0.354);
  K0->fPa = 27.858811;
  StoreCase(doc, 0, K0, nullptr, 27.858811, 14.477311, 23.801697, 1.6, 1.0);
  Expect([&](PrnFile& f) { PrnDoatsuKusabiKiriCase(f, doc, 0, work_.path()); },
         "kiri_case_heel_formula.prn");
  EXPECT_TRUE(saver_->saved.empty());
}

TEST_F(KiriSections, CaseCutFaceApartAloneReportsItsSearch) {
  // Gravity wall α = 11.3099°, δ 20°: the broken slip's maximum 50.74 at
  // ω = 41.608°; PAV = 50.74·sin 31.3099° = 26.367915, PAH = 43.350671;
  // YP 1.0, XP 1.6, B 1.8. No trial file: no picture and no table.
  CDocument doc;
  doc.SetWallType(1);
  doc.nTentou = 0;
  doc.KiriDoatsu = 1;
  doc.bQuake = 0;
  doc.Gamb = 19;
  doc.Deltd = 25;
  doc.Cd = 2;
  doc.SetnCase(1);
  doc.pCase(0)->CaseName = "自重";
  auto K0 = std::make_shared<CKusabiRes>();
  K0->fTheta = kEps;
  K0->fDist = 0.5;
  K0->fOmega = 41.608 * kPerDeg;
  K0->fAlpha = std::atan(0.2);
  K0->fDelta = 20 * kPerDeg;
  K0->fFai = 30 * kPerDeg;
  K0->fPa = 50.74;
  StoreCase(doc, 0, K0, nullptr, 50.74, 26.367915, 43.350671, 1.6, 1.0);
  Expect([&](PrnFile& f) { PrnDoatsuKusabiKiriCase(f, doc, 0, work_.path()); },
         "kiri_case_apart_only.prn");
}

TEST_F(KiriSections, CaseComparedAtTheHeelSeismicWithABatteredFace) {
  // Block wall, α = −atan 0.3 = −16.6992° (after "－" it prints as "＋16.70"),
  // δ 15°, θ = atan 0.15 = 8.5308°, δ' 20°, c' 1.5, W 61.5, l 3.65:
  //   PA2 = (61.5·sec θ·sin 51.9657° − 1.5·3.65·cos 20°) / cos 45.1341°
  //       = 62.140728; PA1 = 20.5 at ω = 52°; PA = 62.140728,
  //   PAV = PA·sin(−1.6992°) = −1.842663, PAH = 62.113402;
  //   YP = 1.2 (H 3.6), XP = 1.16, B = 1.16 − 1.2·0.3 = 0.8.
  CDocument doc;
  doc.SetWallType(0);
  doc.nTentou = 0;
  doc.KiriDoatsu = 0;
  doc.bQuake = -1;
  doc.nWater = 0;
  doc.Gamb = 18, doc.Gambd = 9;
  doc.Deltd = 20;
  doc.Cd = 1.5;
  doc.SetnCase(2);
  doc.pCase(1)->CaseName = "地震";
  doc.pCase(1)->nQuake = 1;
  doc.pCase(1)->Doat = 1;
  auto K0 = std::make_shared<CKusabiRes>();
  K0->fTheta = K0->fOmega = kEps;
  K0->fAlpha = -std::atan(0.3);
  K0->fDelta = 15 * kPerDeg;
  K0->fFai = 30 * kPerDeg;
  K0->fKh = std::atan(0.15);
  K0->fWlvl = 0.5;
  K0->fC = 3;
  K0->fFaid = 20 * kPerDeg;
  K0->fCd = 1.5;
  K0->SetfWQ(0, 60);
  K0->SetfWQ(1, 1.5);
  K0->SetfL(0, 3.2);
  K0->SetfL(1, 0.45);
  K0->fPa = 62.140728;
  auto K1 = std::make_shared<CKusabiRes>();
  K1->fOmega = 52 * kPerDeg;
  K1->fPa = 20.5;
  StoreCase(doc, 1, K0, K1, 62.140728, -1.842663, 62.113402, 1.16, 1.2);
  Expect([&](PrnFile& f) { PrnDoatsuKusabiKiriCase(f, doc, 1, work_.path()); },
         "kiri_case_heel_compare_seismic.prn");
}

TEST_F(KiriSections, CaseOfAMixedWallApartWithTheUserFixedCutFaceSlip) {
  // Upper wall α = −16.6992°, δ 20°: PA = max(18.25, 19.75) = 19.75 acts
  // horizontally; the lower wall receives PAV = 19.75·sin 3.3008° = 1.137138,
  // PAH = 19.717237. YP = 1.0, XP = 0.5, B = 0.5 − 1.0·0.3 = 0.2.
  CDocument doc;
  doc.SetWallType(3);
  doc.KiriDoatsu = 0;
  doc.bQuake = 0;
  doc.Gamb = 18;
  doc.Deltd = 20;
  doc.Cd = 0;
  doc.SetnCase(1);
  doc.pCase(0)->CaseName = "自重";
  auto K0 = std::make_shared<CKusabiRes>();
  K0->fTheta = kEps;
  K0->fDist = 0.8;
  K0->fAlpha = -std::atan(0.3);
  K0->fDelta = 20 * kPerDeg;
  K0->fFai = 30 * kPerDeg;
  K0->fOmega = 40 * kPerDeg;
  K0->bChgOmg = -1;
  K0->fPa = 19.75;
  auto K1 = std::make_shared<CKusabiRes>();
  K1->fOmega = 55 * kPerDeg;
  K1->fPa = 18.25;
  StoreCase(doc, 0, K0, K1, 19.75, 1.137138, 19.717237, 0.5, 1.0);
  Expect([&](PrnFile& f) { PrnDoatsuKusabiKiriCase(f, doc, 0, work_.path()); },
         "kiri_case_apart_compare_mixed_fixed.prn");
}

TEST_F(KiriSections, CaseTrialsDrawEachGraphUnderItsOwnNameBeforeItsTable) {
  // Both wedges searched, twelfth case: the graphs end in 0011, the backfill
  // wedge's first; each picture line stands right before its table.
  CDocument doc;
  doc.SetWallType(1);
  doc.KiriDoatsu = 0;
  doc.SetnCase(12);
  doc.pCase(11)->CaseName = "自重";
  std::shared_ptr<CKusabiRes> wedges[2];
  for (int w = 0; w < 2; ++w) {
    std::vector<std::shared_ptr<CKusabiRes>> trials;
    for (int t = 0; t < 3; ++t) {
      auto k = std::make_shared<CKusabiRes>();
      k->fOmega = (40 + 5 * t) * kPerDeg;
      k->fPa = 20 + t;
      trials.push_back(k);
    }
    const std::string path = work_.path() + "/trials" + std::to_string(w) + ".dat";
    ASSERT_TRUE(WriteKusabiFile(path, trials, 3));
    wedges[w] = std::make_shared<CKusabiRes>();
    wedges[w]->TempFile = path;
  }
  wedges[0]->fTheta = kEps;
  wedges[0]->fDist = 0.5;
  StoreCase(doc, 11, wedges[0], wedges[1], 22, 0, 22, 1, 1);
  const std::vector<std::string> lines = test::Lines(
      test::Markup([&](PrnFile& f) { PrnDoatsuKusabiKiriCase(f, doc, 11, work_.path()); }));
  ASSERT_EQ(saver_->saved.size(), 2u);
  const std::string g1 = work_.path() + "/AntKusabiRes10011.svg";
  const std::string g0 = work_.path() + "/AntKusabiRes00011.svg";
  EXPECT_EQ(saver_->saved[0].path, g1);
  EXPECT_EQ(saver_->saved[1].path, g0);
  EXPECT_EQ(lines[2], "<H3>荷重ケース.12 － 自重時</H3>");
  int pictures = 0;
  for (size_t k = 0; k < lines.size(); ++k) {
    if (lines[k].rfind("<IMG ", 0) != 0) continue;
    SCOPED_TRACE(lines[k]);
    EXPECT_EQ(lines[k], "<IMG SRC=\"" + (pictures == 0 ? g1 : g0) + "\", WIDTH=50% HEIGHT=50%>");
    ASSERT_LT(k + 1, lines.size());
    EXPECT_EQ(lines[k + 1],
              "<TABLE ROW= 5, COL=" + std::string(pictures == 0 ? "4" : "6") + ", HALIGN=CENTER>");
    ++pictures;
  }
  EXPECT_EQ(pictures, 2);
}

// ---- Lower wall of a mixed wall, embankment -------------------------------------

TEST_F(KiriSections, LowerWallMethodNamesTheShippedFigureInPlace) {
  CDocument doc;
  doc.SetWallType(3);
  Expect([&](PrnFile& f) { PrnDoatsuKongoMori(f, doc, work_.path()); }, "kongo_mori_method.prn");
  EXPECT_TRUE(std::filesystem::is_empty(work_.path()));
}

TEST_F(KiriSections, LowerWallCaseSeismicWithAFixedSlipAngle) {
  // H1 = 0.3 + 2.0 − 0 = 2.3, H2 = 2.5 − 0.3 = 2.2:
  //   YP = 2.2/3·(3·2.3 + 2.2)/(2·2.3 + 2.2) = 0.981373; α2 = atan 0.1 = 5.7106°,
  //   XP = 1.5, B = 1.5 + 0.981373·0.1 = 1.598137; PA 30.25 at the fixed
  //   ω = 45°: PAV = 30.25·sin 20.7106° = 10.697846, PAH = 28.295205;
  //   θ = atan 0.15 = 8.531°. α1 = −16.70 is wider than its mask.
  CDocument doc;
  doc.SetWallType(3);
  doc.MxwH1 = 2.0, doc.MxwH2 = 2.5, doc.MxwH3 = 0.3, doc.UraHd = 0;
  doc.Gamb = 19;
  doc.bQuake = -1;
  doc.nWater = 0;
  doc.SetnCase(2);
  doc.pCase(1)->CaseName = "地震";
  doc.pCase(1)->nQuake = 1;
  doc.pCase(1)->Doat = 1;
  auto K = std::make_shared<CKusabiRes>();
  K->fAlphaU = -std::atan(0.3);
  K->fPaU = 12.5;
  K->fAlpha = std::atan(0.1);
  K->fFai = 30 * kPerDeg;
  K->fDelta = 15 * kPerDeg;
  K->fKh = std::atan(0.15);
  K->fOmega = M_PI / 4;
  K->bChgOmg = -1;
  K->fPa = 30.25;
  CAntRes& r = *doc.AntRes(1, 1);
  r.SetKusabi(0, K);
  r.Pa = 30.25, r.Pav = 10.697846, r.Pah = 28.295205, r.Pax = 1.5, r.Pay = 0.9813725;
  Expect([&](PrnFile& f) { PrnDoatsuKongoMoriCase(f, doc, 1, work_.path()); },
         "kongo_mori_case_seismic_fixed.prn");
}

TEST_F(KiriSections, LowerWallOfTheMixedSamplePrintsTheStoredResults) {
  // Calculated by the run, every case: the printed PA, components and point
  // of action are the stored ones, and the Y_P formula's own numbers give
  // the printed Y_P.
  test::RecordingSink sink;
  RegisterEarthPressureWriters();
  for (bool seismic : {false, true}) {
    SCOPED_TRACE(seismic ? "seismic" : "normal");
    auto doc = test::EpSample("mixed");
    if (seismic) {
      doc->bQuake = -1;
      doc->SetKh(1, 0.15);
      const int n = doc->nCase();
      doc->SetnCase(static_cast<int16_t>(n + 1));
      doc->pCase(n)->CaseName = "地震";
      doc->pCase(n)->nQuake = 1;
      doc->pCase(n)->Doat = 1;
    }
    CalcAntei(*doc, 0, 0);
    test::ReportEveryCase(*doc);
    const std::vector<std::string> lines =
        test::Lines(test::Markup([&](PrnFile& f) { PrnDoatsu(f, *doc, work_.path(), 1); }));
    static const std::regex num(R"((-?\d+\.\d+))");
    auto numbers = [&](const std::string& l) {
      std::vector<double> v;
      for (std::sregex_iterator it(l.begin(), l.end(), num), end; it != end; ++it) {
        v.push_back(std::stod((*it)[1]));
      }
      return v;
    };
    size_t at = 0;
    auto next = [&](const std::string& head) -> std::vector<double> {
      for (; at < lines.size(); ++at) {
        if (lines[at].find(head) != std::string::npos) return numbers(lines[at++]);
      }
      ADD_FAILURE() << "no line " << head;
      return {};
    };
    int checked = 0;
    for (int32_t i = 0; i < doc->nCase(); ++i) {
      SCOPED_TRACE("case " + std::to_string(i + 1));
      const CAntRes& r = *doc->AntRes(1, i);
      if (IsNullValue(r.Pa)) continue;
      ++checked;
      next("<H3>荷重ケース." + std::to_string(i + 1) + " ");
      const std::vector<double> pa = next("　　P<sub>A</sub> = ");
      const std::vector<double> pav = next("　　P<sub>AV</sub> = ");
      const std::vector<double> pah = next("　　P<sub>AH</sub> = ");
      const std::vector<double> yp = next("<math>Y_P_=");
      const std::vector<double> xp = next("<math>X_P_=");
      ASSERT_EQ(pa.size(), 1u);
      ASSERT_FALSE(pav.empty());
      ASSERT_FALSE(pah.empty());
      ASSERT_EQ(yp.size(), 6u);
      ASSERT_FALSE(xp.empty());
      EXPECT_NEAR(pa[0], r.Pa, 5e-3);
      EXPECT_NEAR(pav.back(), r.Pav, 5e-3);
      EXPECT_NEAR(pah.back(), r.Pah, 5e-3);
      EXPECT_NEAR(yp.back(), r.Pay, 5e-4);
      EXPECT_NEAR(xp.back(), r.Pax, 5e-4);
      const double h2 = yp[0], h1 = yp[1];
      EXPECT_NEAR(h2 / 3 * (3 * h1 + h2) / (2 * h1 + h2), yp.back(), 2e-3);
    }
    EXPECT_GT(checked, 0);
  }
}

// ---- Lower wall of a mixed wall, cut ------------------------------------------------

TEST_F(KiriSections, LowerWallMethodAgainstACutFaceAtTheHeelOnly) {
  // The cut-face wedge projects the upper wall's thrust as the calculation
  // does: on the normal to the cut face's reaction (δ').
  CDocument doc;
  doc.SetWallType(3);
  doc.KiriD = 0;
  doc.KiriDoatsu = 1;
  Expect([&](PrnFile& f) { PrnDoatsuKongoKiri(f, doc, work_.path()); },
         "kongo_kiri_method_heel_only.prn");
}

TEST_F(KiriSections, LowerWallCaseAgainstACutFaceAtTheHeelByZ) {
  // ε = 63.4349°, δ' 20°, c' 1.5, W = 40 + 2, l = 2.5 + 0.2, α1 = −16.6992°,
  // P1 12.5, α2 0, δ 20°, θ 0:
  //   Z = 42·sin 43.4349° − 1.5·2.7·cos 20° − 12.5·cos 40.1342° = 15.513818,
  //   PA = Z / cos 23.4349° = 16.908569, PAV = PA·sin 20° = 5.783071,
  //   PAH = 15.888857; H1 2.3, H2 2.2: YP = 0.981373; XP = B = 1.2.
  CDocument doc;
  doc.SetWallType(3);
  doc.MxwH1 = 2.0, doc.MxwH2 = 2.5, doc.MxwH3 = 0.3, doc.UraHd = 0;
  doc.Gamb = 19;
  doc.KiriN = 0.5;
  doc.Deltd = 20;
  doc.KiriD = 0;
  doc.KiriDoatsu = 1;
  doc.bQuake = 0;
  doc.SetnCase(1);
  doc.pCase(0)->CaseName = "自重";
  auto K0 = std::make_shared<CKusabiRes>();
  K0->fAlphaU = -std::atan(0.3);
  K0->fPaU = 12.5;
  K0->fAlpha = 0;
  K0->fDelta = 20 * kPerDeg;
  K0->fFai = 30 * kPerDeg;
  K0->fTheta = K0->fOmega = kEps;
  K0->fFaid = 20 * kPerDeg;
  K0->fCd = 1.5;
  K0->SetfWQ(0, 40);
  K0->SetfWQ(1, 2);
  K0->SetfL(0, 2.5);
  K0->SetfL(1, 0.2);
  K0->fPa = 16.908569;
  CAntRes& r = *doc.AntRes(1, 0);
  r.SetKusabi(0, K0);
  r.SetKusabi(1, nullptr);
  r.Pa = 16.908569, r.Pav = 5.783071, r.Pah = 15.888857, r.Pax = 1.2, r.Pay = 0.9813725;
  Expect([&](PrnFile& f) { PrnDoatsuKongoKiriCase(f, doc, 0, work_.path()); },
         "kongo_kiri_case_heel_formula.prn");
  EXPECT_TRUE(saver_->saved.empty());
  // A record that was not calculated this way keeps its stored pressure,
  // with no numbers that would not give it.
  K0->fPa = 20;
  const std::vector<std::string> lines = test::Lines(
      test::Markup([&](PrnFile& f) { PrnDoatsuKongoKiriCase(f, doc, 0, work_.path()); }));
  EXPECT_NE(std::find(lines.begin(), lines.end(), "　　　<math>=20.00 (kN/m)</math>"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "　※P<sub>A</sub>は安定計算に用いた値を示す。"),
            lines.end());
  for (const std::string& l : lines) EXPECT_EQ(l.find("<math>Z="), std::string::npos) << l;
}

TEST_F(KiriSections, LowerWallMethodComparingBothSlips) {
  // Both slips compared: the two figures side by side in one table inside
  // the formulas' block, then the legend of both wedges.
  const struct {
    const char* golden;
    double kiriD;
  } rows[] = {
      {"kongo_kiri_method_heel_compare.prn", 0},
      {"kongo_kiri_method_apart_compare.prn", 0.5},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.golden);
    CDocument doc;
    doc.SetWallType(3);
    doc.KiriD = row.kiriD;
    doc.KiriDoatsu = 0;
    Expect([&](PrnFile& f) { PrnDoatsuKongoKiri(f, doc, work_.path()); }, row.golden);
  }
}

TEST_F(KiriSections, LowerWallMethodApartAloneGivesTheLowerWallsComponents) {
  // The broken slip alone: components on α2 and the H1/H2 point of action,
  // α1 and α2 in the legend, as its cases print them.
  CDocument doc;
  doc.SetWallType(3);
  doc.KiriD = 0.5;
  doc.KiriDoatsu = 1;
  Expect([&](PrnFile& f) { PrnDoatsuKongoKiri(f, doc, work_.path()); },
         "kongo_kiri_method_apart_only.prn");
}

TEST_F(KiriSections, LowerWallCaseApartComparedWithAFixedBackfillSlip) {
  // PA = max(18.25, 19.75) = 19.75: PAV = 19.75·sin 20° = 6.754898,
  // PAH = 18.558929; YP 0.981373 (H1 2.3, H2 2.2), α2 0: XP = B = 1.2.
  CDocument doc;
  doc.SetWallType(3);
  doc.MxwH1 = 2.0, doc.MxwH2 = 2.5, doc.MxwH3 = 0.3, doc.UraHd = 0;
  doc.Gamb = 19;
  doc.KiriN = 0.5;
  doc.Deltd = 20;
  doc.KiriD = 0.5;
  doc.KiriDoatsu = 0;
  doc.bQuake = 0;
  doc.SetnCase(1);
  doc.pCase(0)->CaseName = "自重";
  auto K0 = std::make_shared<CKusabiRes>();
  K0->fAlphaU = -std::atan(0.3);
  K0->fPaU = 12.5;
  K0->fDelta = 20 * kPerDeg;
  K0->fFai = 30 * kPerDeg;
  K0->fTheta = kEps;
  K0->fDist = 0.5;
  K0->fOmega = 40 * kPerDeg;
  K0->fPa = 19.75;
  auto K1 = std::make_shared<CKusabiRes>();
  K1->fOmega = 55 * kPerDeg;
  K1->bChgOmg = -1;
  K1->fPa = 18.25;
  CAntRes& r = *doc.AntRes(1, 0);
  r.SetKusabi(0, K0);
  r.SetKusabi(1, K1);
  r.Pa = 19.75, r.Pav = 6.754898, r.Pah = 18.558929, r.Pax = 1.2, r.Pay = 0.9813725;
  Expect([&](PrnFile& f) { PrnDoatsuKongoKiriCase(f, doc, 0, work_.path()); },
         "kongo_kiri_case_apart_compare_fixed.prn");
}

TEST_F(KiriSections, LowerWallGraphsCarryThePartAndTheirOwnStems) {
  // Both slips compared, apart, first case: the backfill wedge's graph is
  // AntKusabiRes00100, the cut-face wedge's AntKusabiRes10100, in that order,
  // each picture right before its table.
  CDocument doc;
  doc.SetWallType(3);
  doc.KiriDoatsu = 0;
  doc.SetnCase(1);
  std::shared_ptr<CKusabiRes> wedges[2];
  for (int w = 0; w < 2; ++w) {
    std::vector<std::shared_ptr<CKusabiRes>> trials;
    for (int t = 0; t < 2; ++t) {
      auto k = std::make_shared<CKusabiRes>();
      k->fOmega = (40 + 5 * t) * kPerDeg;
      k->fPa = 20 + t;
      trials.push_back(k);
    }
    const std::string path = work_.path() + "/lower" + std::to_string(w) + ".dat";
    ASSERT_TRUE(WriteKusabiFile(path, trials, 2));
    wedges[w] = std::make_shared<CKusabiRes>();
    wedges[w]->TempFile = path;
  }
  wedges[0]->fTheta = kEps;
  wedges[0]->fDist = 0.5;
  CAntRes& r = *doc.AntRes(1, 0);
  r.SetKusabi(0, wedges[0]);
  r.SetKusabi(1, wedges[1]);
  const std::vector<std::string> lines = test::Lines(
      test::Markup([&](PrnFile& f) { PrnDoatsuKongoKiriCase(f, doc, 0, work_.path()); }));
  ASSERT_EQ(saver_->saved.size(), 2u);
  EXPECT_EQ(saver_->saved[0].path, work_.path() + "/AntKusabiRes00100.svg");
  EXPECT_EQ(saver_->saved[1].path, work_.path() + "/AntKusabiRes10100.svg");
  int pictures = 0;
  for (size_t k = 0; k + 1 < lines.size(); ++k) {
    if (lines[k].rfind("<IMG ", 0) != 0) continue;
    EXPECT_EQ(lines[k], "<IMG SRC=\"" + saver_->saved[static_cast<size_t>(pictures)].path +
                            "\", WIDTH=50%, HEIGHT=50%>");
    EXPECT_EQ(lines[k + 1].rfind("<TABLE ROW= 4, COL=" + std::string(pictures == 0 ? "4" : "6"), 0),
              0u)
        << lines[k + 1];
    ++pictures;
  }
  EXPECT_EQ(pictures, 2);
}

TEST_F(KiriSections, LowerWallOfTheMixedSampleAgainstACutPrintsTheStoredResults) {
  // Each form calculated by the run: PA, components and point of action as
  // stored; a cut face through the heel by Z, whose printed numbers give the
  // printed Z and, over the printed denominator, the stored PA2.
  test::RecordingSink sink;
  RegisterEarthPressureWriters();
  for (double kiriD : {0.0, 0.6}) {
    for (int32_t kd : {0, 1}) {
      SCOPED_TRACE("KiriD " + std::to_string(kiriD) + ", KiriDoatsu " + std::to_string(kd));
      auto doc = CutDesign(3, kiriD, kd);
      CalcAntei(*doc, 0, 0);
      test::ReportEveryCase(*doc);
      const std::vector<std::string> lines =
          test::Lines(test::Markup([&](PrnFile& f) { PrnDoatsu(f, *doc, work_.path(), 1); }));
      EXPECT_EQ(std::count(lines.begin(), lines.end(), "<PROTECT><PRE>"),
                std::count(lines.begin(), lines.end(), "</PRE></PROTECT>"));
      int checked = 0;
      for (int32_t i = 0; i < doc->nCase(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i + 1));
        const CAntRes& r = *doc->AntRes(1, i);
        if (IsNullValue(r.Pa) || r.Pa == 0) continue;
        ++checked;
        // After the method: the surcharge tables before it have case headings too.
        size_t at = 0;
        while (at < lines.size() && lines[at].find("計算方法") == std::string::npos) ++at;
        const std::string head = "<H3>荷重ケース." + std::to_string(i + 1) + " ";
        while (at < lines.size() && lines[at].find(head) == std::string::npos) ++at;
        ASSERT_LT(at, lines.size());
        auto next = [&](const std::string& part) -> std::vector<double> {
          for (; at < lines.size(); ++at) {
            if (lines[at].find(part) != std::string::npos) return Numbers(lines[at++]);
          }
          ADD_FAILURE() << "no line " << part;
          return {};
        };
        EXPECT_EQ(KiriLowerCaseVariantOf(*doc, i), KiriLowerMethodVariantOf(*doc));
        const KiriVariant v = KiriLowerCaseVariantOf(*doc, i);
        if (v == KiriVariant::kHeelCompare || v == KiriVariant::kHeelCutFaceOnly) {
          // The printed expressions evaluated as printed (a negative term
          // after a minus prints as a plus).
          auto at_ = [&](const std::string& part) -> const std::string* {
            for (; at < lines.size(); ++at) {
              if (lines[at].find(part) != std::string::npos) return &lines[at++];
            }
            return nullptr;
          };
          const std::string* ratio = at_("<math>=<box>");
          const std::string* pa2 = at_("<math>=");
          const std::string* z1 = at_("<math>=");
          const std::string* z2 = at_("<math>-");
          const std::string* z = at_("<math>=");
          ASSERT_TRUE(ratio && pa2 && z1 && z2 && z);
          static const std::string n = R"(\s*(-?[\d.]+))", o = R"(([-+]))";
          static const std::regex rr("=<box>" + n + "<over>cos\\(" + n + o + n + o + n + o + n);
          static const std::regex r1("=" + n + "×sec\\(" + n + "\\)×sin\\(" + n + o + n + o + n +
                                     "\\)" + o + n + "×" + n + "×cos\\(" + n);
          static const std::regex r2("<math>-" + n + "×cos\\(" + n + o + n + o + n + o + n);
          std::smatch mr, m1, m2;
          ASSERT_TRUE(std::regex_search(*ratio, mr, rr)) << *ratio;
          ASSERT_TRUE(std::regex_search(*z1, m1, r1)) << *z1;
          ASSERT_TRUE(std::regex_search(*z2, m2, r2)) << *z2;
          auto d = [](const std::smatch& m, int k) { return std::stod(m[k]); };
          auto ap = [](double x, const std::string& op, double y) {
            return op == "-" ? x - y : x + y;
          };
          const double r2d = 1 / kDeg;
          const double sinArg = ap(ap(d(m1, 3), m1[4], d(m1, 5)), m1[6], d(m1, 7));
          const double zp =
              ap(d(m1, 1) / std::cos(d(m1, 2) * r2d) * std::sin(sinArg * r2d), m1[8],
                 d(m1, 9) * d(m1, 10) * std::cos(d(m1, 11) * r2d)) -
              d(m2, 1) *
                  std::cos(ap(ap(ap(d(m2, 2), m2[3], d(m2, 4)), m2[5], d(m2, 6)), m2[7], d(m2, 8)) *
                           r2d);
          const double zPrinted = Numbers(*z)[0];
          EXPECT_NEAR(zp, zPrinted, 0.05 + 0.002 * std::fabs(zp)) << *z1 << "\n" << *z2;
          EXPECT_NEAR(d(mr, 1), zPrinted, 0.006);
          const double den = std::cos(
              ap(ap(ap(d(mr, 2), mr[3], d(mr, 4)), mr[5], d(mr, 6)), mr[7], d(mr, 8)) * r2d);
          const double pa2Printed = Numbers(*pa2)[0];
          EXPECT_NEAR(d(mr, 1) / den, pa2Printed, 0.02 + 0.002 * std::fabs(pa2Printed)) << *ratio;
          EXPECT_NEAR(pa2Printed, doc->AntRes(1, i)->Kusabi(0)->fPa, 5e-3);
        }
        if (v != KiriVariant::kHeelCutFaceOnly) {
          const std::vector<double> pa = next("<math>P_A_=");
          ASSERT_FALSE(pa.empty()) << lines[at - 1];
          EXPECT_NEAR(pa.back(), r.Pa, 5e-3);
        }
        const std::vector<double> pav = next("　　P<sub>AV</sub> = ");
        const std::vector<double> pah = next("　　P<sub>AH</sub> = ");
        const std::vector<double> yp = next("<math>Y_P_=");
        const std::vector<double> xp = next("<math>X_P_=");
        ASSERT_FALSE(pav.empty());
        ASSERT_FALSE(pah.empty());
        ASSERT_FALSE(yp.empty());
        ASSERT_FALSE(xp.empty());
        EXPECT_NEAR(pav.back(), r.Pav, 5e-3);
        EXPECT_NEAR(pah.back(), r.Pah, 5e-3);
        EXPECT_NEAR(yp.back(), r.Pay, 5e-4);
        EXPECT_NEAR(xp.back(), r.Pax, 5e-4);
      }
      EXPECT_GT(checked, 0);
    }
  }
}

// ---- One slip for method and cases ------------------------------------------------------

// A design by wall type with a cut back ground, calculated by the run.
std::unique_ptr<CDocument> CutDesign(int wallType, double kiriD, int32_t kiriDoatsu,
                                     int16_t sisin) {
  const char* samples[] = {"block_masonry", "gravity", "leaning", "mixed"};
  auto doc = test::EpSample(samples[wallType]);
  doc->Doatsu = 1;
  doc->BackType = 1;
  doc->Sisin = sisin;
  doc->KiriD = kiriD;
  doc->KiriN = 0.5;
  doc->KiriDoatsu = kiriDoatsu;
  doc->KiriDlt = 15;
  doc->Deltd = 20;
  doc->Cd = 0;
  return doc;
}

bool Apart(KiriVariant v) {
  return v == KiriVariant::kApartCutFaceOnly || v == KiriVariant::kApartCompare;
}

TEST(KiriVariants, MethodAndEveryCaseDescribeTheSameSlip) {
  test::RecordingSink sink;
  for (int wt = 0; wt < 4; ++wt) {
    for (double kiriD : {-0.5, 0.0, 0.0005, 0.001, 1.0}) {
      for (int32_t kd : {0, 1}) {
        SCOPED_TRACE("wall type " + std::to_string(wt) + ", KiriD " + std::to_string(kiriD) +
                     ", KiriDoatsu " + std::to_string(kd));
        auto doc = CutDesign(wt, kiriD, kd);
        CalcAntei(*doc, 0, 0);
        const KiriVariant method = KiriMethodVariantOf(*doc);
        EXPECT_EQ(method == KiriVariant::kApartCompare || method == KiriVariant::kHeelCompare,
                  kd == 0);
        int stored = 0;
        for (int32_t i = 0; i < doc->nCase(); ++i) {
          const std::shared_ptr<CKusabiRes> k0 = doc->AntRes(0, i)->Kusabi(0);
          EXPECT_EQ(KiriCaseVariantOf(*doc, i), method) << "case " << i + 1;
          if (!k0 || !(k0->fTheta > 0)) continue;
          ++stored;
          // The slip follows the stored distance, which the run takes as 0
          // below 1 mm.
          EXPECT_EQ(Apart(method), k0->fDist > 0) << "case " << i + 1;
        }
        EXPECT_GT(stored, 0);
      }
    }
  }
}

TEST(KiriVariants, WithoutAStoredWedgeTheDocumentDecides) {
  struct Row {
    const char* name;
    int wallType;
    double kiriD;
    int32_t kiriDoatsu;
    KiriVariant expected;
  };
  const Row rows[] = {
      {"single wall, cut face at the heel", 1, 0, 1, KiriVariant::kHeelCutFaceOnly},
      {"single wall, any distance is apart", 2, 0.0005, 1, KiriVariant::kApartCutFaceOnly},
      {"single wall, negative distance at the heel", 0, -0.5, 0, KiriVariant::kHeelCompare},
      {"mixed wall is always apart", 3, 0, 0, KiriVariant::kApartCompare},
      {"any KiriDoatsu but 0 is the boundary face only", 1, 1.0, 7, KiriVariant::kApartCutFaceOnly},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CDocument doc;
    doc.SetWallType(row.wallType);
    doc.KiriD = row.kiriD;
    doc.KiriDoatsu = row.kiriDoatsu;
    doc.SetnCase(2);
    EXPECT_EQ(KiriMethodVariantOf(doc), row.expected);
    EXPECT_EQ(KiriCaseVariantOf(doc, 1), row.expected);
  }
}

TEST(KiriVariants, AStoredWedgeOutweighsTheDocumentsDistance) {
  // A mixed wall with KiriD 0 whose stored wedge meets the heel, and a single
  // wall with KiriD 0.0005 whose distance the run took as 0.
  for (int wt : {3, 1}) {
    SCOPED_TRACE(wt);
    CDocument doc;
    doc.SetWallType(wt);
    doc.KiriD = wt == 3 ? 0 : 0.0005;
    doc.KiriDoatsu = 1;
    doc.SetnCase(2);
    auto k0 = std::make_shared<CKusabiRes>();
    k0->fTheta = kEps;
    k0->fDist = wt == 3 ? 0 : 0.0004;
    doc.AntRes(0, 1)->SetKusabi(0, k0);
    EXPECT_EQ(KiriMethodVariantOf(doc), KiriVariant::kHeelCutFaceOnly);
    EXPECT_EQ(KiriCaseVariantOf(doc, 0), KiriVariant::kHeelCutFaceOnly);
    EXPECT_EQ(KiriCaseVariantOf(doc, 1), KiriVariant::kHeelCutFaceOnly);
  }
}

// ---- Shipped pictures -----------------------------------------------------------------

// Width and height (mm) of an SVG file's root, 0 when missing.
std::pair<double, double> SvgSizeMm(const std::string& path) {
  const std::string s = test::ReadBytes(path);
  static const std::regex root(R"(<svg[^>]*\swidth="([\d.]+)mm"\s+height="([\d.]+)mm")");
  std::smatch m;
  if (!std::regex_search(s, m, root)) return {0, 0};
  return {std::stod(m[1]), std::stod(m[2])};
}

TEST_F(KiriSections, EveryPictureNamedIsAShippedSvgWithASize) {
  static const std::regex img(R"(<IMG SRC=([^,]+),)");
  std::set<std::string> named;
  for (bool road : {false, true}) {
    for (int wt = 0; wt < 4; ++wt) {
      for (double kiriD : {0.0, 0.5}) {
        for (int32_t kd : {0, 1}) {
          CDocument doc;
          doc.SetWallType(wt);
          doc.KiriD = kiriD;
          doc.KiriDoatsu = kd;
          test::TempFolder work;
          const std::vector<std::string> lines = test::Lines(test::Markup([&](PrnFile& f) {
            if (road) {
              PrnDoatsuKusabiKiriDoro(f, doc, work.path());
            } else {
              PrnDoatsuKusabiKiri(f, doc, work.path());
            }
          }));
          for (const std::string& l : lines) {
            std::smatch m;
            if (!std::regex_search(l, m, img)) continue;
            const std::string path = m[1];
            SCOPED_TRACE(l);
            ASSERT_EQ(path.rfind(work.path() + "/", 0), 0u);
            const auto [w, h] = SvgSizeMm(path);
            EXPECT_GT(w, 0);
            EXPECT_GT(h, 0);
          }
        }
      }
    }
  }
  for (const char* wall : {"BLOCK", "JYU", "MOTARE"}) {
    for (const char* name : {"_KUSABI_KIRI_PA", "_KUSABI_KIRI_PA1", "_KUSABI_KIRI_PA2",
                             "_KUSABI_KIRI1_PA", "_KUSABI_KIRI1_PA1", "_KUSABI_KIRI1_PA2"}) {
      named.insert(std::string(wall) + name);
    }
  }
  named.insert("KUSABI");
  named.insert("KONGO_MORI");
  for (const char* n : {"KONGO_KIRI1_PA", "KONGO_KIRI1_PA1", "KONGO_KIRI1_PA2", "KONGO_KIRI2_PA",
                        "KONGO_KIRI2_PA1", "KONGO_KIRI2_PA2"}) {
    named.insert(n);
  }
  // The lower wall's figures are named in place, in the program folder.
  static const std::regex inPlace(R"(<IMG SRC=([^,]+),)");
  for (double kiriD : {0.0, 0.5}) {
    for (int32_t kd : {0, 1}) {
      CDocument doc;
      doc.SetWallType(3);
      doc.KiriD = kiriD;
      doc.KiriDoatsu = kd;
      const std::string markup =
          Cp932ToUtf8(test::Markup([&](PrnFile& f) { PrnDoatsuKongoKiri(f, doc, work_.path()); }));
      int pictures = 0;
      for (std::sregex_iterator it(markup.begin(), markup.end(), inPlace), end; it != end; ++it) {
        const std::string path = (*it)[1];
        EXPECT_EQ(path.rfind(test::ShippedFolder() + "/resource/KONGO_KIRI", 0), 0u) << path;
        EXPECT_GT(SvgSizeMm(path).first, 0) << path;
        ++pictures;
      }
      EXPECT_EQ(pictures, kd == 0 ? 2 : 1);
    }
  }
  for (const std::string& n : named) {
    SCOPED_TRACE(n);
    const auto [w, h] = SvgSizeMm(test::ShippedFolder() + "/resource/" + n + ".svg");
    EXPECT_GT(w, 0);
    EXPECT_GT(h, 0);
  }
}

}  // namespace
}  // namespace norva

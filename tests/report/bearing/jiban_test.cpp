// Ground-support section: the method texts and the ground reaction of each
// case against hand goldens, the form chosen at the boundaries of the
// calculation's own tests, and the ground spring model.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "calc/stability/stability_checks.h"
#include "calc/stability/stability_status.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "report/bearing/bearing_test_support.h"
#include "report/bearing/prn_jiban.h"
#include "report/bearing/prn_jiban_bane.h"
#include "report/driver/prn_file.h"

namespace norva {
namespace {

class Jiban : public ::testing::Test {
 protected:
  std::string Section(const CDocument& doc, bool method) {
    return test::Markup([&](PrnFile& f) {
      if (method) PrnJibanHanryoku(f, doc, work.path());
      for (int32_t i = 0; i < doc.nCase(); ++i) PrnJibanHanryokuCase(f, doc, i);
    });
  }
  test::TempFolder work{"norva_jiban"};
};

// Sets the resultant and lets the calculation store Qmax and Qmin.
CAntRes& Reaction(CDocument& doc, int32_t i, double V, double B, double e) {
  CAntRes& r = *doc.AntRes(doc.WallType() == 3 ? 1 : 0, i);
  test::SetResultant(r, V, B, e);
  CalcJibanHanryoku(doc, r, 0);
  return r;
}

// Farm roads, gravity wall, allowable entered (no allowable text):
//   1. e 0.2 < B/6 = 0.4: q = 120/2.4 × (1 ± 6×0.2/2.4) = 50 × 1.5, 50 × 0.5 = 75, 25
//   2. e 0.6, d 0.6: 2×90/(3×0.6) = 100 > qa 90
//   3. e −0.5, d 1.7, B − d 0.7: 2×60/(3×0.7) = 57.14, qa equal to it passes
//   4. e = B/2: the resultant on the edge of the base, no reaction
TEST_F(Jiban, FarmRoadGravityWallInEveryRegime) {
  auto doc = test::BearingDoc(1, 0, {"台形", "つま先側", "かかと側", "基礎外"});
  doc->nQa = 1;
  Reaction(*doc, 0, 120, 2.4, 0.2).Qa = 200;
  Reaction(*doc, 1, 90, 2.4, 0.6).Qa = 90;
  CAntRes& heel = Reaction(*doc, 2, 60, 2.4, -0.5);
  heel.Qa = heel.Qmax;
  Reaction(*doc, 3, 50, 2.4, 1.2).Qa = 100;
  ASSERT_EQ(doc->AntRes(0, 3)->Qmax, kReactionOutside);
  test::ExpectSameMarkup(Section(*doc, true), test::BearingGolden("jiban_farm_gravity.prn"));
}

// Canal gravity wall with e = B/6 exactly (3/6 = 0.5): outside the middle
// third, on the toe side, 2×150/(3×1.0) = 100; block masonry under canals
// 150/3 = 50; block masonry under road earthworks 1.2×150/3 = 60 against
// QaPremium 1.5 × Qa 40 = 60.
TEST_F(Jiban, CanalAtTheMiddleThirdAndBlockMasonryUniform) {
  std::string all;
  auto canal = test::BearingDoc(1, 5, {"水路"});
  canal->nQa = 1;
  Reaction(*canal, 0, 150, 3.0, 0.5).Qa = 120;
  all += Section(*canal, false);
  auto block = test::BearingDoc(0, 5, {"水路"});
  block->nQa = 0;  // block masonry under canals gets no allowable block
  Reaction(*block, 0, 150, 3.0, 0.5).Qa = 120;
  all += Section(*block, false);
  auto road = test::BearingDoc(0, 2, {"水路"});
  road->nQa = 1;
  road->Qa = 40;
  road->pCase(0)->QaPremium = 1.5;
  Reaction(*road, 0, 150, 3.0, 0.5).Qa = 999;  // the stored Qa is not the road's allowable
  all += Section(*road, false);
  test::ExpectSameMarkup(all, test::BearingGolden("jiban_canal_uniform.prn"));
}

// The form follows the calculation's tests, and the value it prints from its
// formula is the stored Qmax.
TEST(JibanForm, BoundariesFollowTheCalculation) {
  struct Row {
    const char* name;
    int32_t wallType, sisin;
    double V, B, e;
    JibanForm form;
  };
  const double B = 2.4;
  const Row rows[] = {
      {"farm e = B/6: toe triangle", 1, 0, 90, B, B / 6, JibanForm::kToeTriangle},
      {"canal e = B/6: toe triangle", 1, 5, 90, B, B / 6, JibanForm::kToeTriangle},
      {"e just inside B/6: trapezoid", 1, 0, 90, B, 0.39999, JibanForm::kTrapezoid},
      {"e = −B/6: heel triangle", 1, 0, 90, B, -B / 6, JibanForm::kHeelTriangle},
      {"e = B/2: outside", 1, 0, 90, B, B / 2, JibanForm::kOutside},
      {"canal e = −B/2: outside", 1, 5, 90, B, -B / 2, JibanForm::kOutside},
      {"e beyond B/2: outside", 3, 0, 90, B, 1.5, JibanForm::kOutside},
      {"residential |e| = B/3: triangle", 1, 4, 90, B, B / 3, JibanForm::kToeTriangle},
      {"residential |e| above B/3: 4ΣV/B", 1, 4, 90, B, 0.80001, JibanForm::kFourV},
      {"residential heel above B/3: 4ΣV/B", 0, 4, 90, B, -0.9, JibanForm::kFourV},
      {"road gravity (nQa 1) toe triangle", 1, 2, 90, B, 0.5, JibanForm::kToeTriangle},
      {"block under canals: uniform", 0, 5, 90, B, 1.0, JibanForm::kUniform},
      {"block under farm roads: uniform", 0, 0, 90, B, -1.0, JibanForm::kUniform},
      {"block under road earthworks: 1.2ΣV/B", 0, 2, 90, B, 0.9, JibanForm::kUniformRoad},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    auto doc = test::BearingDoc(x.wallType, x.sisin, {"一"});
    doc->nQa = 1;
    CAntRes& r = Reaction(*doc, 0, x.V, x.B, x.e);
    ASSERT_EQ(JibanFormOf(*doc, r), x.form);
    const double d = x.B / 2 - x.e;
    switch (x.form) {
      case JibanForm::kUniform:
        EXPECT_DOUBLE_EQ(r.Qmax, x.V / x.B);
        break;
      case JibanForm::kUniformRoad:
        EXPECT_DOUBLE_EQ(r.Qmax, 1.2 * x.V / x.B);
        break;
      case JibanForm::kTrapezoid:
        EXPECT_NEAR(r.Qmax, x.V / x.B * (1 + 6 * std::fabs(x.e) / x.B), 1e-9);
        EXPECT_NEAR(r.Qmin, x.V / x.B * (1 - 6 * std::fabs(x.e) / x.B), 1e-9);
        break;
      case JibanForm::kFourV:
        EXPECT_DOUBLE_EQ(r.Qmax, 4 * x.V / x.B);
        break;
      case JibanForm::kToeTriangle:
        EXPECT_NEAR(r.Qmax, 2 * x.V / (3 * d), 1e-9);
        break;
      case JibanForm::kHeelTriangle:
        EXPECT_NEAR(r.Qmax, 2 * x.V / (3 * (x.B - d)), 1e-9);
        break;
      case JibanForm::kOutside:
        EXPECT_EQ(r.Qmax, kReactionOutside);
        break;
      case JibanForm::kSpring:
        break;
    }
  }
}

// A case the calculation could not compute prints dashes and no verdict; a
// case without a result writes nothing.
TEST_F(Jiban, NotComputedPrintsDashes) {
  auto doc = test::BearingDoc(1, 0, {"不能"});
  doc->nQa = 1;
  CAntRes& r = *doc->AntRes(0, 0);
  r.SgmV = 90;
  r.Breadth = 2.4;
  r.E = r.D = r.Qmax = r.Qmin = kNullBox;
  r.Qa = 100;
  const std::string text = Cp932ToUtf8(Section(*doc, false));
  EXPECT_NE(text.find("6×-----<over>2.400"), std::string::npos) << text;
  EXPECT_NE(text.find("→　-----</math>"), std::string::npos) << text;
  EXPECT_EQ(text.find("OK"), std::string::npos);
  EXPECT_EQ(text.find("OUT"), std::string::npos);
}

// Headings by wall type, and which guidelines write the allowable text: the
// road and large-block guidelines and an entered allowable never do.
TEST_F(Jiban, MethodHeadingsAndAllowableText) {
  struct Row {
    const char* name;
    int32_t wallType, sisin;
    int16_t nQa;
    const char* heading;
    bool allowable;
  };
  const Row rows[] = {
      {"mixed wall one level deeper", 3, 0, 0, "<H3>地盤支持に対する検討</H3>\r\n<H4>計算方法</H4>",
       true},
      {"gravity, canal, computed", 1, 5, 0, "<H2>地盤支持に対する検討</H2>\r\n<H3>計算方法</H3>",
       true},
      {"residential, computed", 0, 4, 0, "<H2>", true},
      {"farm road, entered", 1, 0, 1, "<H2>", false},
      {"road, entered", 1, 2, 1, "<H2>", false},
      {"large block, computed", 0, 3, 0, "<H2>", false},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    auto doc = test::BearingDoc(x.wallType, x.sisin, {});
    doc->nQa = x.nQa;
    const std::string text = Cp932ToUtf8(Section(*doc, true));
    EXPECT_EQ(text.rfind("<RP>\r\n<PROTECT><PRE>\r\n\r\n", 0), 0u);
    EXPECT_NE(text.find(x.heading), std::string::npos) << text;
    EXPECT_EQ(text.find("許容地盤反力度は以下の式により算出する。") != std::string::npos,
              x.allowable);
    // Every block opened is closed, the allowable block by the bearing writer.
    size_t opened = 0, closed = 0;
    for (size_t p = text.find("<PROTECT>"); p != std::string::npos;
         p = text.find("<PROTECT>", p + 1))
      ++opened;
    for (size_t p = text.find("</PROTECT>"); p != std::string::npos;
         p = text.find("</PROTECT>", p + 1))
      ++closed;
    EXPECT_EQ(opened, closed);
  }
  // The case heading of a mixed wall is at level 4, its result the lower wall's.
  auto mixed = test::BearingDoc(3, 0, {"混合"});
  mixed->nQa = 1;
  Reaction(*mixed, 0, 120, 2.4, 0.2).Qa = 200;
  const std::string text = Cp932ToUtf8(Section(*mixed, false));
  EXPECT_NE(text.find("<H4>荷重ケース.1 － 混合時</H4>"), std::string::npos) << text;
  EXPECT_NE(text.find("75.00 &sp;(kN/m^2^)<atop>25.00"), std::string::npos) << text;
}

// ---- Ground spring model -------------------------------------------------------

// Block masonry at 1 : 0.5 under the large-block guideline: α = atan 0.5 =
// 26.565°, l = 3.0 × √1.25 = 3.354; the seismic case (Doat 1) doubles the
// moduli 5600 and 2800. u0 cos α + (v0 + Bθ) sin α + l1 θ = 0.0012 × 0.894427
// + (0.0034 + 0.0006) × 0.447214 + 0.0004 = 0.00326; qH = 0.0012 × 5449 =
// 6.54; e′ = 1.2/6 × 40/80 = 0.100. The matrix 3000.125 rounds to 3000.13.
TEST_F(Jiban, SpringModelMethodAndCase) {
  auto doc = test::BearingDoc(0, 3, {"地震"});
  doc->BlkN = 0.5;
  doc->WallH = 3.0;
  doc->WallL = 2.0;
  doc->SetAE0(0, 2800);
  doc->SetAE0(1, 5600);
  doc->bQuake = 1;
  doc->pCase(0)->nQuake = 1;
  doc->pCase(0)->Doat = 1;
  CAntRes& r = *doc->AntRes(0, 0);
  r.SgmH = 30;
  r.SgmV = 100;
  r.SgmMr = 150;
  r.SgmMo = 50;
  r.Breadth = 1.2;
  r.Bd = std::sqrt(2.4);
  r.Ld = std::sqrt(3.0 * std::sqrt(1.25) * 2.0);
  r.Kv = 10898.0;
  r.Ks = 5449.0;
  r.Kt = 3705.9;
  r.l1 = 0.8;
  r.l2 = 3.0 * std::sqrt(1.25) - 0.8;
  const double A[3][3] = {
      {6600.5, 1200.25, 3000.125}, {1200.25, 13500, 9000}, {3000.125, 9000, 8000}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r.SetAnn(i, j, A[i][j]);
  r.dx = 0.0012;
  r.dy = 0.0034;
  r.thet = 0.0005;
  r.Qv = 50.5;
  r.Qh = -20.25;
  r.Qt = 15.125;
  r.Qmax = 60;
  r.Qmin = 20;
  r.qtl = 0;
  r.qtu = 11.84;
  test::ExpectSameMarkup(Section(*doc, true), test::BearingGolden("spring.prn", work.path()));
  EXPECT_EQ(test::ReadBytes(work.path() + "/react.svg"),
            test::ReadBytes(test::ShippedFolder() + "/resource/react.svg"));
  // Written again, the picture is replaced without an error.
  EXPECT_NO_THROW(Section(*doc, true));

  const BaneValues v = BaneValuesOf(*doc, r, 1);
  EXPECT_NEAR(v.compat, 0.0012 * 2 / std::sqrt(5.0) + 0.004 / std::sqrt(5.0) + 0.0004, 1e-12);
  EXPECT_NEAR(v.l, 3.0 * std::sqrt(1.25), 1e-12);
}

// The earthquake state is the one the calculation used: a seismic case with
// the normal earth pressure (Doat 0) keeps the moduli as entered; a vertical
// face prints α = 0 and l = H; e′ with no base reaction is not computed.
TEST_F(Jiban, SpringModelStateFaceAndNoReaction) {
  auto doc = test::BearingDoc(0, 3, {"地震(常時土圧)"});
  doc->BlkN = 0;
  doc->WallH = 2.5;
  doc->WallL = 2.0;
  doc->SetAE0(0, 2800);
  doc->SetAE0(1, 5600);
  doc->bQuake = 1;
  doc->pCase(0)->nQuake = 1;
  doc->pCase(0)->Doat = 0;
  CAntRes& r = *doc->AntRes(0, 0);
  r.Breadth = 1.2;
  r.Qmax = r.Qmin = 0;
  const std::string text = Cp932ToUtf8(Section(*doc, false));
  EXPECT_NE(text.find("<TD SROW=8, SCOL=3, HALIGN=LEFT>=    5600.00 (kN/m<sup>2</sup>)</TD>"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("×5600.00×("), std::string::npos);
  EXPECT_NE(text.find("<TD SROW=9, SCOL=3, HALIGN=LEFT>=    2800.00 (kN/m<sup>2</sup>)</TD>"),
            std::string::npos);
  EXPECT_NE(text.find("<TD SROW=6, SCOL=3, HALIGN=LEFT>=       0.00 (度)</TD>"), std::string::npos);
  EXPECT_NE(text.find("<TD SROW=7, SCOL=3, HALIGN=LEFT>=      2.500 (m)</TD>"), std::string::npos);
  EXPECT_NE(text.find("</box>=----- (m)</math>"), std::string::npos) << text;
}

TEST_F(Jiban, SpringPictureMissingStopsTheReportNamingIt) {
  auto doc = test::BearingDoc(1, 3, {});
  test::TempFolder empty;
  try {
    test::Markup([&](PrnFile& f) { PrnJibanHanryoku(f, *doc, work.path()); }, empty.path());
    ADD_FAILURE() << "no error";
  } catch (const ReportError& e) {
    EXPECT_NE(std::string(e.what()).find("react.svg"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace norva

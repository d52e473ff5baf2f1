// The per-case items of a stem check section and the summary tables, on
// documents and records set by hand: hand goldens of every form, and the
// rules of which case writes what.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/members/member_lists.h"
#include "report/members/wall_section.h"
#include "report/report_test_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

// A golden of tests/report/members/golden (CP932, CR LF, written by hand).
std::string MemberGolden(const std::string& name) {
  const std::string g =
      test::ReadBytes(std::string(NORVA_SOURCE_DIR) + "/tests/report/members/golden/" + name);
  EXPECT_FALSE(g.empty()) << "no golden " << name;
  return g;
}

// A document of wall type wt with the named cases (nQuake, Doat, nWater).
struct CaseDef {
  const char* name;
  int16_t nQuake, Doat, nWater;
};
std::unique_ptr<CDocument> Doc(int32_t wt, std::initializer_list<CaseDef> cases) {
  auto doc = std::make_unique<CDocument>();
  doc->SetWallType(wt);
  doc->Sisin = 0;
  doc->bQuake = 0;
  doc->nWater = 0;
  doc->SetnCase(static_cast<int16_t>(cases.size()));
  int i = 0;
  for (const CaseDef& c : cases) {
    doc->pCase(i)->CaseName = c.name;
    doc->pCase(i)->nQuake = c.nQuake;
    doc->pCase(i)->Doat = c.Doat;
    doc->pCase(i)->nWater = c.nWater;
    ++i;
  }
  return doc;
}

// A fresh record of section 0 of `part` for case k.
CWallRes& Rec(CDocument& doc, int16_t part, int32_t k) {
  if (doc.nWallSecCnt(part) < 1) doc.SetnWallSecCnt(part, 1);
  doc.SetpWallRes(part, k, 0, std::make_shared<CWallRes>());
  return *doc.pWallRes(part, k, 0);
}

using CaseItem =
    std::function<void(PrnFile&, const CDocument&, const WallCheckSection&, int32_t, int16_t&)>;

// The item over cases 0 .. nCase - 1 with one heading flag, as the section
// dispatcher runs it.
std::string Cases(const CDocument& doc, const WallCheckSection& s, const CaseItem& item) {
  return test::Markup([&](PrnFile& f) {
    int16_t flag = 0;
    for (int32_t k = 0; k < doc.nCase(); ++k) item(f, doc, s, k, flag);
  });
}

WallCheckSection At(int16_t part, double y) {
  WallCheckSection s;
  s.part = part;
  s.y = y;
  return s;
}

// Gravity wall, γw 9.8, section at y = 0.5. Normal levels 1.2 / 2.5, seismic
// both 1.1:
//   normal:  hwf = 0.7, P = 0.49 × 4.9 = 2.401, Y = 0.233;
//            hwr = 2.0, P = 4 × 4.9 = 19.60,   Y = 0.667;
//   seismic: hwf = hwr = 0.6, P = 0.36 × 4.9 = 1.764, Y = 0.200, cancelled.
// The third case is seismic but keeps the normal earth pressure (Doat 0), so
// the stem check took the normal levels: it prints them as "常時水位".
TEST(WallSuiatsu, GravityWallNormalSeismicAndStateRuleMatchTheHandGolden) {
  auto doc = Doc(1, {{"自重+水位", 0, 0, 1}, {"地震+水位", 1, 1, 1}, {"地震(常時土圧)", 1, 0, 1}});
  doc->bQuake = -1;
  doc->nWater = 1;
  doc->Gamw = 9.8;
  doc->SetWatFH(0, 1.2);
  doc->SetWatBH(0, 2.5);
  doc->SetWatFH(1, 1.1);
  doc->SetWatBH(1, 1.1);
  test::ExpectSameMarkup(Cases(*doc, At(0, 0.5), PrnWallSuiatsu),
                         MemberGolden("wall_suiatsu_gravity.prn"));
}

// Lower wall of a mixed wall, top 2.0 (outline point 10), section at 0.5:
// h = 1.5, γw 10. Front level 2.7: hwf = 2.2 > h, trapezoid
//   P = 1.5 × (4.4 − 1.5) × 0.5 × 10 = 21.75, Y = 1.5 × (6.6 − 3) / 2.9 / 3 = 0.621;
// back level 1.7: hwr = 1.2 <= h, triangle P = 1.44 × 5 = 7.20, Y = 0.400.
// Headings one level deeper; no earthquakes, so no level line.
TEST(WallSuiatsu, MixedLowerWallTrapezoidAndTriangleMatchTheHandGolden) {
  auto doc = Doc(3, {{"洪水", 0, 0, 1}});
  doc->nWater = 1;
  doc->Gamw = 10;
  doc->SetWatFH(0, 2.7);
  doc->SetWatBH(0, 1.7);
  WallCheckSection s = At(1, 0.5);
  s.outline[10] = {1.0, 2.0};
  test::ExpectSameMarkup(Cases(*doc, s, PrnWallSuiatsu),
                         MemberGolden("wall_suiatsu_mixed_lower.prn"));
}

TEST(WallSuiatsu, CaseWithoutWaterWritesNothingAndLeavesTheHeadingToTheNext) {
  auto doc = Doc(1, {{"乾燥", 0, 0, 0}, {"水位", 0, 0, 1}});
  doc->nWater = 1;
  doc->Gamw = 10;
  doc->SetWatFH(0, 1.0);
  doc->SetWatBH(0, 1.0);
  const std::vector<std::string> lines = test::Lines(Cases(*doc, At(0, 0.0), PrnWallSuiatsu));
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], "<RP>");
  EXPECT_EQ(lines[3], "<H2>水　圧</H2>");
  EXPECT_EQ(lines[4], "<H3>荷重ケース.2 － 水位時</H3>");
  doc->nWater = 0;
  EXPECT_TRUE(Cases(*doc, At(0, 0.0), PrnWallSuiatsu).empty());
}

// Collision on a barrier, rock fall and wind, 2 m below the crest (d = 2):
//   collision 50 kN over 0.5 + 1.0 + 2.0: H = 14.286, Y = 1.0 + 2 = 3.000,
//     H·Y = 42.86, the expression's last term worked back: 50/14.286 − 1.5 = 2.000;
//   rock fall 30 kN over min(2d + 0.1, 2.0) = 2.0 (the post spacing):
//     H = 15.00, Y = 1.5 + 2 = 3.500, H·Y = 52.50;
//   wind 3.0 kN/m² × 1.2 m: H = 3.60, Y = 0.6 + 2 = 2.600, H·Y = 9.36;
//   Σ 32.89 and 104.72.
// Second case: rock fall alone, 0.5 m below the crest: spread 2 × 0.5 + 0.1
// = 1.1 < 2.0, H = 27.27, Y = 2.000, H·Y = 54.55, x' = (1.1 − 0.1)/2 = 0.500.
TEST(WallLoads, CollisionRockFallAndWindMatchTheHandGolden) {
  auto doc = Doc(1, {{"衝突+落石+風", 0, 0, 0}, {"落石", 0, 0, 0}});
  doc->AutoCrashLoad = 50;
  doc->AutoCrashWidth = 0.5;
  doc->AutoCrashHigh = 1.0;
  doc->nAutoCrashBougo = 1;
  doc->StoneLoad = 30;
  doc->StonePich = 2.0;
  doc->WindLoad = 3.0;
  doc->WindHight = 1.2;
  auto row = [](CWallRes& r, int i, double S, double Y) {
    r.SetnAForce(i, 1);
    r.SetAForceS(i, S);
    r.SetAForceY(i, Y);
  };
  CWallRes& a = Rec(*doc, 0, 0);
  row(a, 10, 50 / 3.5, 3.0);
  row(a, 11, 15.0, 3.5);
  row(a, 12, 3.6, 2.6);
  CWallRes& b = Rec(*doc, 0, 1);
  row(b, 11, 30 / 1.1, 2.0);
  test::ExpectSameMarkup(Cases(*doc, At(0, 0), PrnHorzLoadWall),
                         MemberGolden("wall_horz_loads.prn"));
  // Not for the lower wall of a mixed wall.
  doc->SetWallType(3);
  EXPECT_TRUE(Cases(*doc, At(1, 0), PrnHorzLoadWall).empty());
}

// A horizontal point load and a vertical distributed load whose name is cut
// to 15 CP932 bytes (seven double-byte characters); moments H·Y = 6.00,
// V·X = −3.75; the sums are the record's.
TEST(WallLoads, OtherLoadsMatchTheHandGolden) {
  auto doc = Doc(1, {{"任意荷重", 0, 0, 0}});
  CWallRes& r = Rec(*doc, 0, 0);
  r.SetNiniCnt(2);
  r.SetNiniNam(0, "水平点荷重");
  r.SetNiniType(0, 1);
  r.SetNiniH(0, 5);
  r.SetNiniY(0, 1.2);
  r.SetNiniNam(1, "長い名前の鉛直分布荷重です");
  r.SetNiniType(1, 2);
  r.SetNiniV(1, 12.5);
  r.SetNiniX(1, -0.3);
  r.NiniSgmV = 12.5;
  r.NiniSgmH = 5;
  r.NiniSgmVX = -3.75;
  r.NiniSgmHY = 6;
  test::ExpectSameMarkup(Cases(*doc, At(0, 0), PrnNiniLoadWall),
                         MemberGolden("wall_nini_loads.prn"));
}

// First case without any component, then one with the body (N 50 at
// X −0.1: M = 5.00), the earth pressure (N 10, S 20 at X 0.4, Y 1.0:
// M = 20 − 4 = 16.00) and an arbitrary load (S 5 at Y 1.2: M = 6.00); the
// totals are the record's: N 60, S 25, M 27.
TEST(WallForceSum, EmptyCaseThenThreeComponentsMatchTheHandGolden) {
  auto doc = Doc(1, {{"空", 0, 0, 0}, {"自重", 0, 0, 0}});
  Rec(*doc, 0, 0);
  CWallRes& r = Rec(*doc, 0, 1);
  auto row = [&](int i, double N, double S, double X, double Y) {
    r.SetnAForce(i, 1);
    r.SetAForceN(i, N);
    r.SetAForceS(i, S);
    r.SetAForceX(i, X);
    r.SetAForceY(i, Y);
  };
  row(0, 50, 0, -0.1, 0);
  row(5, 10, 20, 0.4, 1.0);
  row(13, 0, 5, 0, 1.2);
  r.ForceN = 60;
  r.ForceS = 25;
  r.ForceM = 27;
  test::ExpectSameMarkup(Cases(*doc, At(0, 0), PrnWallForceSum),
                         MemberGolden("wall_force_sum.prn"));
}

// Stress forms, b = 1 m:
//   compression: N 120, M 10, h 1.0: σ = 120 ± 60 = 180.00 / 60.00 kN/m²,
//     0.18 / 0.06 N/mm² < 4.50 → OK; S 20: τ = 20.00 kN/m² = 0.02 < 0.33 → OK;
//   tension: N 30, M 20, h 1.0: σ = 30 ± 120 = 150.00 / −90.00, 0.15 < 4.50
//     but −0.09 < −0.05 → OUT; S 10: τ 0.01 → OK;
//   a shear stress above its allowable: τ 0.40 > 0.33 → OUT.
TEST(WallStress, CompressionAndTensionFormsMatchTheHandGolden) {
  auto doc = Doc(1, {{"圧縮", 0, 0, 0}, {"引張", 0, 0, 0}});
  auto set = [&](int k, double N, double S, double M, double s0, double s1, double tau,
                 double sgmta) {
    CWallRes& r = Rec(*doc, 0, k);
    r.ForceN = N;
    r.ForceS = S;
    r.ForceM = M;
    r.SetHeight(0, 1.0);
    r.SetHeight(1, 1.0);
    r.SetSgmc(0, s0);
    r.SetSgmc(1, s1);
    r.Tauc = tau;
    r.Sgmca = 4.5;
    r.Sgmta = sgmta;
    r.Taua = 0.33;
  };
  set(0, 120, 20, 10, 0.18, 0.06, 0.02, 0.23);
  set(1, 30, 400, 20, 0.15, -0.09, 0.40, 0.05);
  test::ExpectSameMarkup(Cases(*doc, At(0, 0), PrnWallStress),
                         MemberGolden("wall_stress_forms.prn"));
}

// Large-block form: face 1 : 0.3, t 0.35, Δt 0.05, cos α = 1/√1.09 = 0.958;
// N 40, M 2, S 8: σ = 40·0.958/0.3 ± 6·2·0.958²/0.09 = 250.03 / 5.39 kN/m²,
// τ = 8·0.958/0.25 = 30.65 kN/m²; allowables 3.00, 0.15, 0.25.
TEST(WallStress, LargeBlockFormMatchesTheHandGolden) {
  auto doc = Doc(0, {{"大型", 0, 0, 0}});
  doc->Sisin = 3;
  doc->BlkN = 0.3;
  doc->BlkT = 0.35;
  doc->BlkT2 = 0.05;
  CWallRes& r = Rec(*doc, 0, 0);
  const double c = 1 / std::sqrt(1.09);
  r.ForceN = 40;
  r.ForceS = 8;
  r.ForceM = 2;
  r.SetHeight(0, 0.3 / c);
  r.SetHeight(1, 0.25 / c);
  r.SetSgmc(0, (40 * c / 0.3 + 12 * c * c / 0.09) / 1000);
  r.SetSgmc(1, (40 * c / 0.3 - 12 * c * c / 0.09) / 1000);
  r.Tauc = 8 * c / 0.25 / 1000;
  r.Sgmca = 3.0;
  r.Sgmta = 0.15;
  r.Taua = 0.25;
  test::ExpectSameMarkup(Cases(*doc, At(0, 0), PrnWallStress),
                         MemberGolden("wall_stress_large_block.prn"));
}

// Edges of the verdicts: σmax equal to the allowable passes with "＜"; a
// stress not computed prints "-----" with the verdict "-----".
TEST(WallStress, EqualityPassesAndAStressNotComputedPrintsDashes) {
  auto doc = Doc(1, {{"等値", 0, 0, 0}, {"計算不能", 0, 0, 0}});
  CWallRes& a = Rec(*doc, 0, 0);
  a.SetSgmc(0, 4.5);
  a.SetSgmc(1, 0.5);
  a.Sgmca = 4.5;
  a.Taua = 0.3;
  CWallRes& b = Rec(*doc, 0, 1);
  b.ForceN = b.ForceS = b.ForceM = kNullBox;
  b.SetSgmc(0, kNullBox);
  b.SetSgmc(1, kNullBox);
  b.Tauc = kNullBox;
  b.Sgmca = 4.5;
  b.Sgmta = 0.2;
  b.Taua = 0.3;
  const std::string text = Cp932ToUtf8(Cases(*doc, At(0, 0), PrnWallStress));
  EXPECT_NE(
      text.find("= 4.50 (N/mm^2^)<atop>500.00 (kN/m^2^) = 0.50 (N/mm^2^)</box> ＜ σ_ca_ = 4.50"),
      std::string::npos)
      << text;
  const size_t second = text.find("荷重ケース.2");
  ASSERT_NE(second, std::string::npos);
  const std::string b2 = text.substr(second);
  EXPECT_NE(b2.find("= {&sp;<box>----- (kN/m^2^) = ----- (N/mm^2^)"), std::string::npos) << b2;
  EXPECT_NE(b2.find("→ -----"), std::string::npos) << b2;
  EXPECT_EQ(b2.find("→ OK"), std::string::npos) << b2;
  EXPECT_EQ(text.find("inf"), std::string::npos);
}

// Wall-face reaction with Qtz 10, α 30° and Alpz 2 (face gradient tan 30°),
// the reference point midway in a wall 1 m wide: N = −5.00, S = 8.66,
// x = 0.5 + 2 sin 30° = 1.500, y = 2 cos 30° = 1.732. The second case only
// has its case heading.
TEST(WallHanryoku, LargeBlockReactionMatchesTheHandGolden) {
  auto doc = Doc(0, {{"自重", 0, 0, 0}, {"地震", 1, 1, 0}});
  doc->Sisin = 3;
  doc->BlkN = std::tan(30 * 0.017453292519943278);
  for (int k = 0; k < 2; ++k) {
    CWallRes& r = Rec(*doc, 0, k);
    r.Qtz = 10;
    r.Alpz = 2;
  }
  WallCheckSection s = At(0, 0);
  const double t = doc->BlkN;
  s.outline[2] = {0, 0};
  s.outline[5] = {3 * t, 3};
  s.outline[3] = {1, 0};
  s.outline[9] = {1 + 3 * t, 3};
  s.ref = {0.5, 0};
  test::ExpectSameMarkup(Cases(*doc, s, PrnWallHanryoku), MemberGolden("wall_hanryoku.prn"));
}

// A leaning wall under road earthworks writes the item only for a case whose
// ground reaction took the back-face method (entered bearing capacity, the
// resultant on the heel side); the gravity wall never.
TEST(WallHanryoku, LeaningWallOnlyWhereTheBackFaceMethodWasTaken) {
  struct Row {
    const char* name;
    int32_t wt;
    int16_t nQa;
    double E;
    bool written;
  };
  const Row rows[] = {
      {"heel side, entered capacity", 2, 1, -0.01, true},
      {"resultant at the middle", 2, 1, 0.0, false},
      {"capacity computed", 2, 0, -0.01, false},
      {"gravity wall", 1, 1, -0.01, false},
  };
  for (const Row& x : rows) {
    SCOPED_TRACE(x.name);
    auto doc = Doc(x.wt, {{"常時", 0, 0, 0}});
    doc->Sisin = 2;
    doc->nQa = x.nQa;
    doc->AntRes(0, 0)->E = x.E;
    Rec(*doc, 0, 0).Qtz = 4;
    WallCheckSection s = At(0, 0);
    s.outline[3] = {1, 0};
    s.outline[6] = {1.5, 2};
    const std::string text = Cp932ToUtf8(Cases(*doc, s, PrnWallHanryoku));
    EXPECT_EQ(text.find("壁面地盤反力による断面力") != std::string::npos, x.written) << text;
  }
}

void Stresses(CWallRes& r, double s0, double s1, double tau, double ca, double ta, double taua) {
  r.SetSgmc(0, s0);
  r.SetSgmc(1, s1);
  r.Tauc = tau;
  r.Sgmca = ca;
  r.Sgmta = ta;
  r.Taua = taua;
}

// Two sections, three cases; every case listed, ticked or not:
//   section Ⅰ: 0.35 / 0.05 (no tension: "－" in σt); a 40-byte name on two
//     rows (30 + 10 bytes) whose tension equals −σta (&lt;, OK) and whose
//     shear 0.60 exceeds 0.50 (&gt;, OUT); a case without a record ("-----");
//   section Ⅱ: 0.20 / 0.10; the same second case; −0.02 / −0.05 (no
//     compression: "－" in σc; −0.05 against −0.23: &gt;, OK).
TEST(MemberLists, StemTablePerSectionMatchesTheHandGolden) {
  auto doc = Doc(1, {{"自重", 0, 0, 0},
                     {"地震時慣性力および動水圧を同時考慮する例", 1, 1, 1},
                     {"洪水", 0, 0, 1}});
  doc->bQuake = -1;
  doc->nWater = 1;
  doc->SetnWallSecCnt(0, 2);
  doc->SetWallSecY(0, 1, 1.25);
  auto rec = [&](int k, int i) -> CWallRes& {
    doc->SetpWallRes(0, k, i, std::make_shared<CWallRes>());
    return *doc->pWallRes(0, k, i);
  };
  Stresses(rec(0, 0), 0.35, 0.05, 0.02, 4.5, 0.23, 0.33);
  Stresses(rec(1, 0), 0.40, -0.23, 0.60, 6.75, 0.23, 0.50);
  Stresses(rec(0, 1), 0.20, 0.10, 0.01, 4.5, 0.23, 0.33);
  Stresses(rec(1, 1), 0.40, -0.23, 0.60, 6.75, 0.23, 0.50);
  Stresses(rec(2, 1), -0.02, -0.05, 0.01, 4.5, 0.23, 0.33);
  doc->SetpWallRes(0, 2, 0, nullptr);
  PrnSel() = ReportSelection{};  // no case ticked: the table lists them all
  const std::string bytes = test::Markup([&](PrnFile& f) { PrnWallList(f, *doc, 0); });
  test::ExpectSameMarkup(bytes, MemberGolden("wall_list.prn"));
  // A part without sections writes the page break alone.
  doc->SetnWallSecCnt(0, 0);
  EXPECT_EQ(Cp932ToUtf8(test::Markup([&](PrnFile& f) { PrnWallList(f, *doc, 0); })), "<RP>\r\n");
}

// Toe slab: −0.123 against −0.23 (&gt;, OK) with the slab's three-decimal
// mask; a case without a result. Shear key: σc and σs within, τ above its
// allowable; a case whose stresses were not computed shows three "－".
TEST(MemberLists, ToeSlabAndKeyTablesMatchTheHandGolden) {
  auto doc = Doc(1, {{"自重", 0, 0, 0}, {"地震", 1, 1, 0}});
  doc->bQuake = -1;
  auto fot = std::make_shared<CFotRes>();
  fot->SetSgmc(0, 0.123);
  fot->SetSgmc(1, -0.123);
  fot->Tauc = 0.045;
  fot->Sgmca = 4.5;
  fot->Sgmta = 0.23;
  fot->Taua = 0.33;
  doc->SetpFotRes(0, fot);
  doc->SetpFotRes(1, nullptr);
  auto tok = std::make_shared<CTokRes>();
  tok->Sgmc = 1.234;
  tok->Sgms = 123.45;
  tok->Tauc = 0.456;
  tok->Sgmca = 9.0;
  tok->Sgmsa = 180.0;
  tok->Taua = 0.39;
  doc->SetpTokRes(0, tok);
  auto none = std::make_shared<CTokRes>();
  none->Sgmc = none->Sgms = none->Tauc = kNullBox;
  doc->SetpTokRes(1, none);
  const std::string bytes = test::Markup([&](PrnFile& f) {
    PrnFotList(f, *doc);
    PrnTokList(f, *doc);
  });
  test::ExpectSameMarkup(bytes, MemberGolden("fot_tok_lists.prn"));
}

TEST(MemberLists, SectionNumeralsRunToTenThenHalfWidthDigits) {
  const char* expected[] = {"Ⅰ", "Ⅱ", "Ⅲ", "Ⅳ", "Ⅴ", "Ⅵ", "Ⅶ", "Ⅷ", "Ⅸ", "Ⅹ", "11", "12"};
  for (int k = 0; k < 12; ++k) EXPECT_EQ(WallSectionNumeral(k), expected[k]) << k;
  // Each numeral is one CP932 character (two bytes).
  for (int k = 0; k < 10; ++k) EXPECT_EQ(Utf8ToCp932(WallSectionNumeral(k)).size(), 2u) << k;
}

// The remark under a case heading names the water levels the stem check
// took: a normal case marked with the seismic earth pressure (Doat 1) keeps
// the normal levels in the stem check, and a seismic case with the normal
// pressure too; only a seismic case with the seismic pressure names them.
TEST(WallStress, RemarkNamesTheLevelsTheStemCheckTook) {
  auto doc =
      Doc(1, {{"常時(地震時土圧)", 0, 1, 1}, {"地震(常時土圧)", 1, 0, 1}, {"地震", 1, 1, 1}});
  doc->bQuake = -1;
  doc->nWater = 1;
  for (int k = 0; k < 3; ++k) Rec(*doc, 0, k);
  const std::string text = Cp932ToUtf8(Cases(*doc, At(0, 0), PrnWallStress));
  const char* notes[] = {"(常時水位を考慮、地震の影響を考慮しない)",
                         "(常時水位を考慮、地震の影響を考慮する)",
                         "(地震時水位を考慮、地震の影響を考慮する)"};
  size_t at = 0;
  for (const char* n : notes) {
    at = text.find(n, at);
    EXPECT_NE(at, std::string::npos) << n << "\n" << text;
    if (at == std::string::npos) break;
    ++at;
  }
}

}  // namespace
}  // namespace norva

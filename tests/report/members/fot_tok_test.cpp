// The toe-slab and shear-key chapters: hand goldens of each form, the rules
// of which case writes what, and agreement of the printed numbers with the
// stored results on the sample designs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "calc/member/fot_stress.h"
#include "calc/member/tok_stress.h"
#include "calc/run/calc_antei.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/weight.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/members/prn_fot.h"
#include "report/members/prn_tokki.h"
#include "report/report_test_support.h"
#include "report/stability/stability_test_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

std::string MemberGolden(const std::string& name) {
  const std::string g =
      test::ReadBytes(std::string(NORVA_SOURCE_DIR) + "/tests/report/members/golden/" + name);
  EXPECT_FALSE(g.empty()) << "no golden " << name;
  return g;
}

// A gravity wall with a 0.8 m toe on a 3 m base (outline points 0 to 4),
// slab 0.5 m thick, dry, no earthquakes, one case per name.
std::unique_ptr<CDocument> ToeWall(std::initializer_list<const char*> names) {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(1);
  d->Sisin = 0;
  d->GrwB = 3;
  d->GrwB4 = 0.8;
  d->GrwH1 = 0.5;
  d->GrwB1 = 0.3;
  d->GrwB2 = 1.0;
  d->WallH = 4;
  d->nKeisya = 1;
  d->Tokki = 0;
  d->Gamcf = 24;
  d->Gamf = 18;
  d->Gamfd = 20;
  d->Gamw = 10;
  d->nWater = 0;
  d->bQuake = 0;
  for (int s = 0; s < 2; ++s) {
    d->SetSoilFH(s, 0);
    d->SetWatFH(s, 0);
    d->SetWatBH(s, 0);
  }
  d->SetnCase(static_cast<int16_t>(names.size()));
  int i = 0;
  for (const char* n : names) {
    auto c = d->pCase(i++);
    c->CaseName = n;
    c->AllowPremium = 1;
    c->nSoilF = 1;
    c->nWater = 1;
  }
  return d;
}

void SetReaction(CDocument& d, int i, double E, double D, double qmax, double qmin) {
  auto r = d.AntRes(0, i);
  r->Breadth = 3;
  r->E = E;
  r->D = D;
  r->Qmax = qmax;
  r->Qmin = qmin;
}

using FotItem = void (*)(PrnFile&, const CDocument&, int32_t, int16_t&);

std::string Cases(const CDocument& doc, std::initializer_list<FotItem> items) {
  return test::Markup([&](PrnFile& f) {
    for (FotItem item : items) {
      int16_t flag = 0;
      for (int32_t i = 0; i < doc.nCase(); ++i) item(f, doc, i, flag);
    }
  });
}

// ΣV 30 on B 3 in every case; the reactions the stability run would leave:
//   e −0.2: trapezoid 6 (toe) … 14 (heel), q0 = 6 + 8/3·0.8 = 8.13,
//           Q = ½(6 + 8.133)·0.8 = 5.65 at (12 + 8.133)/14.133·0.8/3 = 0.380;
//   e  0.5 = B/6: x = B, 20 … 0, q0 = 20 − 20/3·0.8 = 14.67, Q = 13.87 at 0.421;
//   e  1.0: x = 1.5, q1 = 40, q0 = 40/1.5·0.7 = 18.67, Q = 23.47 at 0.448;
//   e  1.3: x = 0.6 < l, q1 = 100, Q = ½·100·0.6 = 30 at 0.8 − 0.2 = 0.600;
//   e −1.0: heel-side triangle 1.5 m wide, ending 2.2 m from the toe: none;
//   e −0.6: heel-side triangle 2.7 m wide, 27 at the heel, starting 0.3 m
//           from the toe: q0 = 27 − 27/2.7·2.2 = 5 over 2.7 − 2.2 = 0.5 m of
//           the slab, Q = ½·5·0.5 = 1.25 at 0.5/3 = 0.167.
TEST(FotHanryoku, ReactionFormsMatchTheHandGoldenAndTheCheck) {
  auto d = ToeWall({"e負", "e=B/6", "三角形", "短い三角形", "かかと側", "かかと側長い三角形"});
  SetReaction(*d, 0, -0.2, 1.7, 14, 6);
  SetReaction(*d, 1, 0.5, 1.0, 20, 0);
  SetReaction(*d, 2, 1.0, 0.5, 40, 0);
  SetReaction(*d, 3, 1.3, 0.2, 100, 0);
  SetReaction(*d, 4, -1.0, 2.5, 40, 0);
  SetReaction(*d, 5, -0.6, 2.1, 27, 0);
  for (int i = 0; i < 6; ++i) ASSERT_TRUE(CalcFotStress(*d, i)) << i;
  test::ExpectSameMarkup(Cases(*d, {PrnFotHanryoku}), MemberGolden("fot_hanryoku.prn"));
}

// A heel-side triangle prints lines that lead to the stored Q and X_q, also
// where the triangle starts right at the root (x = B − l = 2.2) or short of
// it. Hand values on B 3, l 0.8 (w = x − 2.2 under the slab):
//   x 2.85 (e −0.55, 21.05 at the heel): q0 = 21.05·0.65/2.85 = 4.80,
//          Q = ½·4.80·0.65 = 1.56 at 0.65/3 = 0.217.
TEST(FotHanryoku, HeelTriangleLinesLeadToTheStoredReaction) {
  struct Case {
    const char* what;
    double E, qmax;
    double Q;
    double XQ;  // negative: no position line
  };
  const double eRoot = -(1.5 - 2.2 / 3);
  const Case cases[] = {
      {"reaching 0.5 m under the slab", -0.6, 27, 1.25, 0.167},
      {"reaching 0.65 m under the slab", -0.55, 60 / 2.85, 1.56, 0.217},
      {"starting at the root", eRoot, 60 / 2.2, 0, 0},
      {"starting behind the root", -1.0, 40, 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto d = ToeWall({"かかと側"});
    SetReaction(*d, 0, c.E, 1.5 - c.E, c.qmax, 0);
    ASSERT_TRUE(CalcFotStress(*d, 0));
    const CFotRes& r = *d->pFotRes(0);
    EXPECT_NEAR(r.FotQ, c.Q, 0.005);
    const auto nums = [](const std::string& l, const std::string& from) {
      static const std::regex num(R"(-?\d+\.\d+|-?\d+)");
      std::vector<double> v;
      const std::string t = l.substr(l.find(from) + from.size());
      for (std::sregex_iterator it(t.begin(), t.end(), num), end; it != end; ++it) {
        v.push_back(std::atof(it->str().c_str()));
      }
      return v;
    };
    int qLines = 0, xLines = 0;
    for (const std::string& l : test::Lines(Cases(*d, {PrnFotHanryoku}))) {
      if (l.find("<math>Q=") != std::string::npos) {
        ++qLines;
        const std::vector<double> v = nums(l, "<math>Q=");
        EXPECT_NEAR(v.back(), c.Q, 0.005) << l;
        EXPECT_NEAR(v.back(), r.FotQ, 0.005) << l;
        if (l.find("q_0_･(x-B+l)=") != std::string::npos) {
          // 1, 2, q0, x, −B, l, Q: the printed factors give the printed Q.
          const std::vector<double> f = nums(l, "q_0_･(x-B+l)=");
          ASSERT_EQ(f.size(), 7u) << l;
          EXPECT_NEAR(0.5 * f[2] * (f[3] + f[4] + f[5]), f[6], 0.006) << l;
        }
      }
      if (l.find("<math>X_q_=") != std::string::npos) {
        ++xLines;
        const std::vector<double> v = nums(l, "<over>3</box>=");
        // x, −B, l, 3, X_q.
        ASSERT_EQ(v.size(), 5u) << l;
        EXPECT_NEAR((v[0] + v[1] + v[2]) / v[3], v[4], 0.0006) << l;
        EXPECT_NEAR(v[4], c.XQ, 0.0005) << l;
        EXPECT_NEAR(v[4], r.FotQX, 0.0005) << l;
      }
    }
    EXPECT_EQ(qLines, 1);
    EXPECT_EQ(xLines, c.XQ < 0 ? 0 : 1);
  }
}

// Under large-block masonry the reaction is the subgrade line
// q = Kv(dy + x·θ), not a triangle from the eccentricity: the check takes the
// line's q at the toe and at the root, so the printed forms must be the
// full-base ones whatever e is. Kv 1000, dy 0.05, θ −0.01 on B 3, l 0.8:
//   q1 = 50, q2 = 20, q0 = 50 − 30/3·0.8 = 42, Q = ½(50 + 42)·0.8 = 36.80,
//   X_q = (100 + 42)/(50 + 42)·0.8/3 = 0.412.
TEST(FotHanryoku, SubgradeReactionPrintsTheFullBaseForms) {
  const std::string qToe =
      "　　<math>q_0_=q_1_-<box>q_1_-q_2_<over>B</box>･l=50.00-<box>50.00-20.00<over>3.000</box>"
      "×0.800=42.00 (kN/m<sup>2</sup>)</math>";
  const std::string qHeel =
      "　　<math>q_0_=q_1_+<box>q_2_-q_1_<over>B</box>･l=50.00+<box>20.00-50.00<over>3.000</box>"
      "×0.800=42.00 (kN/m<sup>2</sup>)</math>";
  const std::string qLine =
      "　　<math>Q=<box>1<over>2</box>(q_1_+q_0_)･l=<box>1<over>2</box>×(50.00+42.00)×0.800="
      "36.80(kN/m)</math>";
  const std::string xLine =
      "　　<math>X_q_=<box>2･q_1_+q_0_<over>q_1_+q_0_</box>･<box>l<over>3</box>=<box>2×50.00+"
      "42.00<over>50.00+42.00</box>×<box>0.800<over>3</box>=0.412 (m)</math>";
  struct Case {
    const char* what;
    double E;
    const std::string* q0;
  };
  const Case cases[] = {
      {"e beyond B/6, x past the root", 1.0, &qToe},
      {"e so large that x ends before the root", 1.3, &qToe},
      {"e far to the heel side", -1.0, &qHeel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto d = ToeWall({"大型"});
    d->Sisin = 3;
    SetReaction(*d, 0, c.E, 1.5 - c.E, 50, 20);
    auto res = d->AntRes(0, 0);
    res->Kv = 1000;
    res->dy = 0.05;
    res->thet = -0.01;
    ASSERT_TRUE(CalcFotStress(*d, 0));
    EXPECT_NEAR(d->pFotRes(0)->FotQ, 36.8, 1e-9);
    const std::vector<std::string> lines = test::Lines(Cases(*d, {PrnFotHanryoku}));
    for (const std::string* want : {c.q0, &qLine, &xLine}) {
      EXPECT_NE(std::find(lines.begin(), lines.end(), *want), lines.end()) << *want;
    }
    for (const std::string& l : lines) {
      EXPECT_EQ(l.find("&lt;"), std::string::npos) << l;
    }
  }
}

// One load of 10 kN/m 0.5 m from the section on a slab 0.8 × 0.5 of 24 kN/m³
// (9.6 at 0.4) with a reaction of 30 at 0.6: S = −9.6 + 30 − 10 = 10.4,
// M = −3.84 + 18 − 5 = 9.16.
TEST(FotForces, OtherLoadsAndForceSummaryMatchTheHandGolden) {
  auto d = ToeWall({"載荷"});
  d->SetnNiniCount(1);
  d->pNini(0)->LoadName = "載荷重";
  auto r = std::make_shared<CFotRes>();
  auto slab = std::make_shared<CWeight>();
  slab->SetnPoint(5);
  const double xs[] = {0, 0, 0.8, 0.8, 0}, ys[] = {0, 0.5, 0.5, 0, 0};
  for (int k = 0; k < 5; ++k) {
    slab->SetX(k, xs[k]);
    slab->SetY(k, ys[k]);
  }
  slab->SetGam(24);
  ASSERT_NEAR(slab->w(), 9.6, 1e-12);
  r->FotW = slab;
  r->FotwX = 0.4;
  r->FotQ = 30;
  r->FotQX = 0.6;
  r->SetnNini(1);
  r->SetNiniNo(0, 0);
  r->SetNiniLoad(0, 10);
  r->SetNiniX(0, 0.5);
  r->ForceS = 10.4;
  r->ForceM = 9.16;
  d->SetpFotRes(0, r);
  test::ExpectSameMarkup(Cases(*d, {PrnFotNiniLoad, PrnFotForceSum}),
                         MemberGolden("fot_forces.prn"));
  // No loads on the slab: no other-loads block, and the heading waits for
  // the next case.
  r->SetnNini(0);
  EXPECT_TRUE(Cases(*d, {PrnFotNiniLoad}).empty());
}

// Both fibres at 0 (passes, "＜"); +0.35 / −0.35 against 5.5 and 0.23
// (tension fails); both in tension with the larger exactly −0.23 (passes,
// "＞"); τ equal to its allowable passes, above it fails.
TEST(FotStress, ThreeSignCasesMatchTheHandGolden) {
  auto d = ToeWall({"曲げなし", "引張あり", "全引張"});
  struct Row {
    double M, s0, s1, S, tau, taua;
  };
  const Row rows[] = {{0, 0, 0, 5, 0.01, 0.01},
                      {14.583333, 0.35, -0.35, 25, 0.05, 0.04},
                      {-1, -0.1, -0.23, 0, 0, 0.04}};
  for (int i = 0; i < 3; ++i) {
    auto r = std::make_shared<CFotRes>();
    r->ForceM = rows[i].M;
    r->ForceS = rows[i].S;
    r->Height = 0.5;
    r->SetSgmc(0, rows[i].s0);
    r->SetSgmc(1, rows[i].s1);
    r->Tauc = rows[i].tau;
    r->Sgmca = 5.5;
    r->Sgmta = 0.23;
    r->Taua = rows[i].taua;
    d->SetpFotRes(i, r);
  }
  test::ExpectSameMarkup(Cases(*d, {PrnFotStress}), MemberGolden("fot_stress.prn"));
}

// A stress the check could not form prints "-----", never a passing 0.
TEST(FotStress, StressNotComputedIsBlank) {
  auto d = ToeWall({"不能"});
  auto r = std::make_shared<CFotRes>();
  r->SetSgmc(0, kNullBox);
  r->SetSgmc(1, kNullBox);
  r->Tauc = kNullBox;
  r->ForceM = r->ForceS = kNullBox;
  d->SetpFotRes(0, r);
  const std::string text = Cp932ToUtf8(Cases(*d, {PrnFotStress}));
  EXPECT_EQ(text.find("→ OK"), std::string::npos);
  EXPECT_NE(text.find("→ -----"), std::string::npos);
}

// The chapter of a slab with uplift (levels 1.0 and 2.0, γw 10): the uplift
// section from the check's lengths (B 3, l 0.8): P1 10, P2 20,
// P3 = 10 + 10/3·0.8 = 12.67, P = (10 + 12.67)·0.4 = 9.07,
// X_P = (20 + 12.67)/22.67·0.8/3 = 0.384, the stored YouatsuX.
TEST(FotChapter, UpliftSectionMatchesTheHandGoldenAndTheCheck) {
  test::TempFolder work;
  test::SaverScope saver;
  auto d = ToeWall({"揚圧"});
  d->nWater = 2;
  d->SetWatFH(0, 1.0);
  d->SetWatBH(0, 2.0);
  SetReaction(*d, 0, 0.2, 1.3, 14, 6);
  ASSERT_TRUE(CalcFotStress(*d, 0));
  EXPECT_NEAR(d->pFotRes(0)->YouatsuX, 0.8 * 98 / (3 * 68), 1e-12);
  PrnSel() = ReportSelection{};
  PrnSel().NewDocument(d->nCase());
  const std::string out = test::Markup([&](PrnFile& f) { PrnFot(f, *d, work.path()); });
  PrnSel() = ReportSelection{};
  const std::string head = Utf8ToCp932("<PROTECT><PRE>\r\n\r\n<H2>揚圧力</H2>");
  const size_t a = out.find(head);
  ASSERT_NE(a, std::string::npos);
  const std::string close = "</PRE></PROTECT>\r\n";
  const size_t b = out.find(close, a) + close.size();
  test::ExpectSameMarkup(out.substr(a, b - a), MemberGolden("fot_uplift.prn"));
  // No case ticked: the first half and the summary table only.
  EXPECT_EQ(Cp932ToUtf8(out).find("<H2>地盤反力</H2>"), std::string::npos);
  EXPECT_NE(Cp932ToUtf8(out).find("つま先版の応力度一覧"), std::string::npos);
}

// Over water (none, buoyancy, uplift), front soil and states: every figure
// the chapter names was saved, under the names of its kind.
TEST(FotChapter, EveryReferencedFigureExists) {
  struct Row {
    const char* name;
    int32_t nWater;
    double soil, wf, wb;
    bool quake;
    std::vector<const char*> figures;
  };
  const Row rows[] = {
      {"dry, no soil", 0, 0, 0, 0, false, {"底版面積.svg"}},
      {"buoyancy and submerged soil, both states",
       1,
       1.5,
       1.0,
       1.0,
       true,
       {"底版面積.svg", "底版浮力0.svg", "底版浮力1.svg", "底版前面土0000.svg",
        "底版前面土0001.svg", "底版前面土0100.svg", "底版前面土0101.svg"}},
      {"uplift, soil partly under water",
       2,
       1.5,
       1.0,
       2.0,
       false,
       {"底版面積.svg", "底版前面土0000.svg", "底版前面土0001.svg"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    test::TempFolder work;
    test::SaverScope saver;
    auto d = ToeWall({"常時", "地震"});
    d->nWater = r.nWater;
    d->bQuake = r.quake ? -1 : 0;
    d->pCase(1)->nQuake = r.quake ? 1 : 0;
    d->pCase(1)->Doat = r.quake ? 1 : 0;
    for (int s = 0; s < 2; ++s) {
      d->SetSoilFH(s, r.soil);
      d->SetWatFH(s, r.wf);
      d->SetWatBH(s, r.wb);
    }
    for (int i = 0; i < 2; ++i) {
      SetReaction(*d, i, 0.2, 1.3, 14, 6);
      ASSERT_TRUE(CalcFotStress(*d, i));
    }
    PrnSel() = ReportSelection{};
    PrnSel().NewDocument(d->nCase());
    PrnSel().PrnFotCases.Set(0, 1);
    PrnSel().PrnFotCases.Set(1, 1);
    const std::string out = test::Markup([&](PrnFile& f) { PrnFot(f, *d, work.path()); });
    PrnSel() = ReportSelection{};
    const std::vector<std::string> paths = test::ImagePaths(out);
    ASSERT_EQ(paths.size(), r.figures.size());
    for (size_t k = 0; k < paths.size(); ++k) {
      EXPECT_TRUE(std::filesystem::exists(paths[k])) << paths[k];
      EXPECT_EQ(std::filesystem::path(paths[k]).filename().string(), r.figures[k]);
    }
    const std::string text = Cp932ToUtf8(out);
    EXPECT_EQ(text.find("<H2>揚圧力</H2>") != std::string::npos, r.nWater == 2);
    // Every block opened is closed; the state headings come in state, then
    // kind order, each later entry in a block of its own.
    int open = 0, close = 0;
    std::vector<std::string> h3;
    const std::vector<std::string> lines = test::Lines(out);
    for (size_t k = 0; k < lines.size(); ++k) {
      open += lines[k] == "<PROTECT><PRE>";
      close += lines[k] == "</PRE></PROTECT>";
      if (lines[k].rfind("<H3>", 0) == 0 && lines[k].find("荷重ケース") == std::string::npos) {
        h3.push_back(lines[k]);
        const bool firstOfSection =
            lines[k - 1].rfind("<H2>", 0) == 0 || (k >= 2 && lines[k - 2].rfind("<H2>", 0) == 0);
        if (!firstOfSection) {
          EXPECT_EQ(lines[k - 2], "<PROTECT><PRE>") << lines[k];
        }
      }
    }
    EXPECT_EQ(open, close);
    if (r.nWater == 1) {
      const std::vector<std::string> want = {"<H3>常時水位</H3>", "<H3>地震時水位</H3>",
                                             "<H3>常時　</h3>",   "<H3>常時　(浮力)</h3>",
                                             "<H3>地震時　</h3>", "<H3>地震時　(浮力)</h3>"};
      EXPECT_EQ(h3, want);
    }
    // Every item heading once, above the first case only.
    for (const char* h : {"<H2>地盤反力</H2>", "<H2>断面力の集計</H2>", "<H2>応力度計算</H2>"}) {
      const size_t p = text.find(h);
      ASSERT_NE(p, std::string::npos) << h;
      EXPECT_EQ(text.find(h, p + 1), std::string::npos) << h;
    }
  }
}

// Road earthworks, B 3, e 0.3 (B' 2.4), ΣV 120, ΣH 30; key 0.5 from the toe,
// 0.4 wide, 0.6 high; φ 30, φB 20, c 10: b1 0.5, b2 0.4, b3 1.5, v = 25, 20,
// 75; Hk = 95·tan20 + 25·tan30 + 5 = 54.01; HT = 30·(5 + 20·tan20 +
// 25(tan30 − tan20))/54.01 = 9.78; M = 9.78·0.3 = 2.94. Four D16 (794.4 mm²)
// at d = 300 mm, σsa 180: required x 21.6 mm, As 55.7 mm²; neutral axis
// 73.5 mm, σc 0.29, σs 13.41, τ 0.03.
std::unique_ptr<CDocument> RoadKey() {
  auto d = ToeWall({"自重"});
  d->Sisin = 2;
  d->Tokki = 1;
  d->SijiFai = 30;
  d->Faib = 20;
  d->SijiC = 10;
  d->TokX = 0.5;
  d->TokB = 0.4;
  d->TokL = 0.6;
  d->TokKab = 100;
  d->TokDia = 16;
  d->TokPich = 250;
  d->TokHon = 4;
  d->Sgmca = 8;
  d->Sgmsa = 180;
  d->Taua = 0.36;
  d->nJyudo = 0;
  d->ChkSlide = 0;
  auto r = d->AntRes(0, 0);
  r->Breadth = 3;
  r->E = 0.3;
  r->SgmV = 120;
  r->SgmH = 30;
  return d;
}

std::string Tokki(const CDocument& d) {
  PrnSel() = ReportSelection{};
  PrnSel().NewDocument(d.nCase());
  for (int i = 0; i < d.nCase(); ++i) PrnSel().PrnTokkiCases.Set(i, 1);
  const std::string out = test::Markup([&](PrnFile& f) { PrnTokki(f, d, ""); });
  PrnSel() = ReportSelection{};
  return out;
}

// The chapter up to its summary table (the table's own tests are elsewhere).
std::string BeforeList(const std::string& out) {
  return out.substr(0, out.rfind(Utf8ToCp932("<RP>\r\n")));
}

TEST(TokChapter, RoadKeyMatchesTheHandGolden) {
  auto d = RoadKey();
  ASSERT_TRUE(CalcTokStress(*d, 0));
  test::ExpectSameMarkup(BeforeList(Tokki(*d)), MemberGolden("tok_road.prn"));
}

// With the sliding check on, the key takes the values the check stored; a
// document without it prints the same force from the values worked out the
// same way.
TEST(TokChapter, SlidingCheckOffPrintsTheSameKeyForce) {
  auto off = RoadKey();
  ASSERT_TRUE(CalcTokStress(*off, 0));
  auto on = RoadKey();
  on->ChkSlide = 1;
  auto r = on->AntRes(0, 0);
  r->Q1 = 25;
  r->Q2 = 20;
  r->Q3 = 75;
  r->s1 = 0.5;
  r->Hu = 54.010929;
  ASSERT_TRUE(CalcTokStress(*on, 0));
  EXPECT_EQ(Tokki(*on), Tokki(*off));
  // Under another guideline the factor is Hu/ΣH of the same values.
  off->Sisin = 0;
  on->Sisin = 0;
  SetReaction(*off, 0, 0.3, 1.2, 60, 20);
  SetReaction(*on, 0, 0.3, 1.2, 60, 20);
  KeySlideValues v;
  ASSERT_TRUE(KeySlide(*on, 0, *on->AntRes(0, 0), v));
  r->Q1 = v.Q1;
  r->Q2 = v.Q2;
  r->Q3 = v.Q3;
  r->s1 = v.s1;
  r->Hu = v.Hu;
  ASSERT_TRUE(CalcTokStress(*off, 0));
  ASSERT_TRUE(CalcTokStress(*on, 0));
  EXPECT_EQ(Tokki(*on), Tokki(*off));
}

// General method: q1 60 at the toe, q3 = 60 − 40/3·0.5 = 53.33 at the key,
// q2 20 at the heel; Hu = (20 + 53.33)/2·2.5·tan20 + (53.33 + 60)/2·0.5·tan30
// + 0.5·10 = 33.36 + 16.36 + 5 = 54.72, Fs = 54.72/30 = 1.82. Without bars
// the stresses are blank and no check passes.
TEST(TokChapter, GeneralKeyWithoutSteelPrintsBlankStresses) {
  auto d = RoadKey();
  d->Sisin = 0;
  d->TokHon = 0;
  SetReaction(*d, 0, 0.3, 1.2, 60, 20);
  d->AntRes(0, 0)->SgmH = 30;
  ASSERT_TRUE(CalcTokStress(*d, 0));
  // HT = {(60 + 53.33)/2·0.5·(tan30 − tan20) + 33.36 + 5}/1.82 = 24.35,
  // M = 24.35·0.3 = 7.30; required x 33.5 mm, As 140.5 mm² against none.
  test::ExpectSameMarkup(BeforeList(Tokki(*d)), MemberGolden("tok_general_no_steel.prn"));
  const std::vector<std::string> lines = test::Lines(Tokki(*d));
  auto has = [&](const std::string& s) {
    for (const std::string& l : lines) {
      if (l.find(s) != std::string::npos) return true;
    }
    return false;
  };
  EXPECT_TRUE(
      has("　　　<math>=<box>{<left><box> 60.00+ 53.33<over>2</box>× 0.500×(tan30.00-"
          "tan20.00)</box></math>"));
  EXPECT_TRUE(
      has("<box>+<box> 20.00+ 53.33<over>2</box>× 2.500×tan20.00+10.00× 0.500<right>}"
          "</box>×<box>1<over>1.82</box></math>"));
  EXPECT_TRUE(has("使用鉄筋　D16-250.0   0.0本 (As=   0.0 (mm<sup>2</sup>))"));
  EXPECT_TRUE(
      has("　　　 <math>=----- (N/mm^2^)&sp;-----&sp;σ_ca_= 8.00 (N/mm^2^)　　→&sp;-----"
          "</math>"));
  for (const std::string& l : lines) {
    EXPECT_EQ(l.find("→&sp;OK"), std::string::npos) << l;
  }
}

}  // namespace
}  // namespace norva

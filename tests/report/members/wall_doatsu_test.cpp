// The opening items and the earth pressure of a stem check section against
// the stem check itself: the components each earth-pressure text ends on are
// the check's earth-pressure row, the body and front-soil tables total its
// body and front-soil rows; and the frame of the earth-pressure item (one
// heading and figure per section, a case heading per case, levels).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "calc/earth_pressure/coulomb.h"
#include "calc/member/wall_force.h"
#include "calc/member/wall_stress.h"
#include "calc/run/calc_antei.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/report_format.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/members/wall_hooks.h"
#include "report/members/wall_section.h"
#include "report/report_test_support.h"
#include "report/stability/stability_test_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

bool Has(const std::string& s, const std::string& what) {
  return s.find(what) != std::string::npos;
}

// The last "= value (kN/m)" of the first line holding `key`; NaN when none.
double LastValue(const std::vector<std::string>& lines, const std::string& key) {
  static const std::regex num(R"((-?[0-9]+\.[0-9]+) \(kN/m\))");
  for (const std::string& l : lines) {
    if (!Has(l, key)) continue;
    double v = std::nan("");
    for (auto it = std::sregex_iterator(l.begin(), l.end(), num); it != std::sregex_iterator();
         ++it) {
      v = std::stod((*it)[1].str());
    }
    return v;
  }
  return std::nan("");
}

// The weights ("Wc = Vc × γ = … = w (kN)") of a markup, in order.
std::vector<double> Weights(const std::vector<std::string>& lines) {
  static const std::regex num(R"(= *(-?[0-9]+\.[0-9]+) \(kN\))");
  std::vector<double> out;
  for (const std::string& l : lines) {
    if (!Has(l, "Wc = Vc × γ = ")) continue;
    std::smatch m;
    std::string rest = l;
    double v = std::nan("");
    while (std::regex_search(rest, m, num)) {
      v = std::stod(m[1].str());
      rest = m.suffix();
    }
    out.push_back(v);
  }
  return out;
}

std::vector<std::string> Utf8Lines(const std::string& cp932) { return test::Lines(cp932); }

// Within the rounding of a printed "##.##".
void ExpectPrinted(double printed, double stored, const char* what) {
  EXPECT_NEAR(printed, stored, 0.0051) << what;
}

// Over the samples and the earth-pressure methods: every section and case the
// stem check formed an earth pressure for prints the check's PV and PH as the
// components it ends on; the body and front-soil tables total the check's
// rows of the same section.
TEST(WallSectionAgreement, EarthPressureBodyAndFrontSoilAreTheChecks) {
  struct Row {
    const char* name;
    const char* sample;
    int16_t Doatsu, SecDoatsu;
    bool water;
    double backWater = 1.8;  // normal back water level
    double kiriD = -1;       // >= 0: cut back ground, guideline `sisin`
    int32_t sisin = 3;
    int32_t kiriDoatsu = 0;
  };
  const Row rows[] = {
      {"gravity, sample's method", "gravity", -1, -1, false},
      {"gravity, Coulomb with water", "gravity", 0, 0, true},
      {"gravity, Coulomb, water above the backfill", "gravity", 0, 0, true, 3.4},
      {"block, large block, heel on the cut face", "block_masonry", 1, 1, false, 1.8, 0.0},
      {"block, large block, cut face near", "block_masonry", 1, 1, false, 1.8, 0.3},
      {"block, large block, cut face far", "block_masonry", 1, 1, true, 1.8, 6.0},
      {"gravity, large block, cut face near", "gravity", 1, 1, false, 1.8, 0.3},
      {"gravity, cut ground, larger wedge", "gravity", 1, 1, true, 1.8, 0.3, 2, 0},
      {"gravity, cut ground, heel on the face", "gravity", 1, 1, false, 1.8, 0.0, 2, 0},
      {"gravity, cut ground, cut face alone", "gravity", 1, 1, false, 1.8, 0.3, 2, 1},
      {"leaning, cut ground, cut face far", "leaning", 1, 1, false, 1.8, 3.0, 2, 0},
      {"mixed, cut ground", "mixed", 1, 1, false, 1.8, 0.3, 2, 0},
      {"mixed, cut ground, cut face alone", "mixed", 1, 1, false, 1.8, 0.0, 2, 1},
      {"gravity, back-calculated coefficient", "gravity", 1, 0, false},
      {"gravity, wedge per section with water", "gravity", 1, 1, true},
      {"block, sample's method", "block_masonry", -1, -1, true},
      {"leaning, wedge per section", "leaning", 1, 1, false},
      {"mixed, sample's method", "mixed", -1, -1, true},
      {"mixed, Coulomb upper wall", "mixed", 0, 0, false},
  };
  int checked = 0;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    test::TempFolder work;
    test::SaverScope saver;
    test::RecordingSink sink;
    auto doc = test::Sample(r.sample);
    int largeBlockTexts = 0;
    int wedgeTexts = 0;
    if (r.Doatsu >= 0) doc->Doatsu = r.Doatsu;
    if (r.SecDoatsu >= 0) doc->SecDoatsu = r.SecDoatsu;
    if (r.kiriD >= 0) {
      doc->BackType = 1;
      doc->Sisin = r.sisin;
      doc->KiriDoatsu = r.kiriDoatsu;
      doc->Deltd = 20;
      doc->KiriD = r.kiriD;
      doc->KiriN = 0.6;
    }
    if (r.water) {
      doc->nWater = 1;
      doc->nWlvlAuto = 0;
      doc->Gamw = 9.8;
      doc->SetWatFH(0, 0.8);
      doc->SetWatBH(0, r.backWater);
      doc->SetWatFH(1, 0.6);
      doc->SetWatBH(1, 1.5);
      for (int i = 0; i < doc->nCase(); ++i) doc->pCase(i)->nWater = 1;
    }
    CalcAntei(*doc, 0, 0);
    const int parts = doc->WallType() == 3 ? 2 : 1;
    for (int16_t part = 0; part < parts; ++part) {
      for (int32_t k = 0; k < doc->nCase(); ++k) CalcWallStress(*doc, k, part);
      for (int i = 0; i < doc->nWallSecCnt(part); ++i) {
        const WallCheckSection s = MakeWallCheckSection(*doc, part, i);
        // Body: the wall part, then the footing part where one weighs.
        const std::vector<double> body = Weights(
            Utf8Lines(test::Markup([&](PrnFile& f) { PrnWallKutai(f, *doc, s, work.path()); })));
        const std::vector<double> soil = Weights(Utf8Lines(
            test::Markup([&](PrnFile& f) { PrnWallFrontSoil(f, *doc, s, work.path()); })));
        for (int32_t k = 0; k < doc->nCase(); ++k) {
          SCOPED_TRACE("part " + std::to_string(part) + " section " + std::to_string(i) + " case " +
                       std::to_string(k));
          const std::shared_ptr<CWallRes> w = doc->pWallRes(part, k, i);
          if (!w || w->nAForce(0) == 0) continue;
          ASSERT_GE(body.size(), 1u);
          ExpectPrinted(body[0], w->AForceN(0), "wall part");
          if (w->nAForce(1) != 0) {
            ASSERT_EQ(body.size(), 2u);
            ExpectPrinted(body[1], w->AForceN(1), "footing part");
          }
          // Each front-soil row the check holds is one of the printed tables.
          for (int row : {3, 4}) {
            if (w->nAForce(row) == 0) continue;
            bool found = false;
            for (double v : soil) found = found || std::fabs(v - w->AForceN(row)) < 0.0051;
            EXPECT_TRUE(found) << "front-soil row " << row << " " << w->AForceN(row);
          }
          int16_t flag = 0;
          const std::vector<std::string> ep = Utf8Lines(
              test::Markup([&](PrnFile& f) { PrnWallDoatsu(f, *doc, s, k, work.path(), flag); }));
          const double PV = w->AForceN(5), PH = w->AForceS(5);
          if (PV == 0 && PH == 0) continue;
          const double pv = std::isnan(LastValue(ep, "P_AV1_=P_A1_･sin"))
                                ? LastValue(ep, "P<sub>AV1</sub> = ")
                                : LastValue(ep, "P_AV1_=P_A1_･sin");
          const double ph = std::isnan(LastValue(ep, "P_AH1_=P_A1_･cos"))
                                ? LastValue(ep, "P<sub>AH1</sub> = ")
                                : LastValue(ep, "P_AH1_=P_A1_･cos");
          // The Coulomb diagram's two parts add up to the resultant.
          for (const std::string& l : ep) {
            const size_t at = l.find("P_A1_=P_A1_'＋P_A2_'=");
            if (at == std::string::npos) continue;
            static const std::regex num(R"(-?[0-9]+\.[0-9]+)");
            std::vector<double> v;
            const std::string tail = l.substr(at);
            for (auto it = std::sregex_iterator(tail.begin(), tail.end(), num);
                 it != std::sregex_iterator(); ++it) {
              v.push_back(std::stod(it->str()));
            }
            ASSERT_EQ(v.size(), 3u) << l;
            EXPECT_GE(v[0], 0) << l;
            EXPECT_GE(v[1], 0) << l;
            EXPECT_NEAR(v[0] + v[1], v[2], 0.0101) << l;
          }
          // A wedge text ends on the pressure its components resolve.
          {
            static const std::regex first(R"(= *(-?[0-9]+\.[0-9]+)×)");
            double ends = std::nan(""), resolved = std::nan("");
            for (const std::string& l : ep) {
              std::smatch m;
              if (Has(l, "土圧の鉛直及び水平成分")) break;
              const double v = LastValue({l}, "(kN/m)");
              if (!std::isnan(v)) ends = v;
            }
            for (const std::string& l : ep) {
              std::smatch m;
              if (Has(l, "P<sub>AV1</sub> = Ｐ<sub>A1</sub>") && std::regex_search(l, m, first)) {
                resolved = std::stod(m[1].str());
              }
            }
            if (!std::isnan(ends) && !std::isnan(resolved)) {
              ExpectPrinted(ends, resolved, "the wedge text's P");
              ++wedgeTexts;
            }
          }
          for (const std::string& l : ep) {
            largeBlockTexts += r.kiriD >= 0 && (Has(l, "盛土部擁壁とみなした場合の主働土圧合力") ||
                                                Has(l, "主働土圧合力は、"));
          }
          ExpectPrinted(pv, PV, "P_AV1");
          ExpectPrinted(ph, PH, "P_AH1");
          // The arm is the force table's, measured from the check's axis: on the
          // mixed sample's upper wall the back face lies 0.212 behind the axis at
          // the section, so 0.212 + 0.667 × tan 19.01° = 0.442, where half the
          // section width would give 0.472 + 0.230 = 0.701.
          {
            static const std::regex arm(R"(=(-?[0-9]+\.[0-9]+) \(m\)</math>)");
            std::smatch m;
            for (const std::string& l : ep) {
              if (Has(l, "X_P1_=") && std::regex_search(l, m, arm)) {
                EXPECT_NEAR(std::stod(m[1].str()), w->AForceX(5), 0.00051) << l;
              }
            }
          }
          ++checked;
        }
      }
    }
    if (r.kiriD >= 0 && r.sisin == 3) {
      EXPECT_GT(largeBlockTexts, 0);
    }
    if (r.kiriD >= 0) {
      EXPECT_GT(wedgeTexts, 0);
    }
    // The section wedges leave no trial file behind.
    for (const auto& e : std::filesystem::directory_iterator(work.path())) {
      EXPECT_FALSE(Has(e.path().filename().string(), "KUSABI")) << e.path();
    }
  }
  EXPECT_GT(checked, 10);
}

// A golden of tests/report/members/golden (CP932, CR LF, written by hand),
// "%WORK%" standing for the work folder.
std::string WorkGolden(const std::string& name, const std::string& work) {
  std::string g =
      test::ReadBytes(std::string(NORVA_SOURCE_DIR) + "/tests/report/members/golden/" + name);
  EXPECT_FALSE(g.empty()) << "no golden " << name;
  const std::string w = Utf8ToCp932(work);
  for (size_t p = g.find("%WORK%"); p != std::string::npos; p = g.find("%WORK%", p + w.size())) {
    g.replace(p, 6, w);
  }
  return g;
}

void SetWholeWall(CDocument& doc, int32_t k, double Pa, double Ka, double alphaDeg,
                  double deltaDeg) {
  auto r = std::make_shared<CAntRes>();
  r->Pa = Pa;
  r->Ka = Ka;
  auto w = std::make_shared<CKusabiRes>();
  w->SetNq(0);
  w->fAlpha = alphaDeg / 57.29577951308238;
  w->fDelta = deltaDeg / 57.29577951308238;
  r->SetKusabi(0, w);
  doc.SetAntRes(0, k, r);
}

std::string Written(const CDocument& doc, const WallCheckSection& s, std::vector<int32_t> cases,
                    const std::string& work, int16_t& flag) {
  return test::Markup([&](PrnFile& f) {
    for (int32_t k : cases) PrnWallDoatsu(f, doc, s, k, work, flag);
  });
}

// Gravity sample (front face (0,0)-(0.6,3), back face (1.8,0)-(1,3), no
// surcharge depth), the whole wall's coefficient taken over the section at
// 1.0: H1 = 2.0, b = 1.5333 - 0.2 = 1.333.
//   case 1: Ka 0.4, PA1 = ½·19·2²·0.4 = 15.20, α+δ = 30°: PAV1 = 7.60,
//           PAH1 = 13.16; case 2: Ka 0.5, PA1 = 19.00, α+δ = 10°: 3.30, 18.71;
//   YP1 = 2/3 = 0.667, XP1 = 0.6667 - 0.6667·tan 10° = 0.549.
// The heading and figure once, above the first case.
TEST(WallDoatsu, BackCalculatedCoefficientMatchesTheHandGolden) {
  test::TempFolder work;
  test::SaverScope saver;
  auto doc = test::Sample("gravity");
  doc->Doatsu = 1;
  doc->SecDoatsu = 0;
  doc->bQuake = -1;
  doc->nWater = 0;
  doc->SetWallSecY(0, 0, 1.0);
  SetWholeWall(*doc, 0, 34.2, 0.4, 10, 20);
  SetWholeWall(*doc, 1, 42.75, 0.5, 10, 0);
  const WallCheckSection s = MakeWallCheckSection(*doc, 0, 0);
  int16_t flag = 0;
  test::ExpectSameMarkup(Written(*doc, s, {0, 1}, work.path(), flag),
                         WorkGolden("wall_doatsu_back_calculated.prn", work.path()));
  EXPECT_EQ(flag, -1);
  EXPECT_TRUE(std::filesystem::exists(work.path() + "/壁断面土圧0000000.svg"));
}

// Coulomb over the gravity sample's section at 1.0 (H1 = 2.0, b = 1.333,
// back face (1.8,0)-(1,3): α = atan(0.8/3) = 14.93°), the coefficient and
// surcharge held at Ka 0.3, qd 10, qw 0; γ 19, γ' 10, δ 20°; back water at
// 2.0, so hw = 1.0:
//   P1 = 3.00, P2 = 3 + 0.3·19·1 = 8.70, P3 = 8.7 + 0.3·10·1 = 11.70;
//   PA1' = 11.7/2 = 5.85, PA2' = 20.4/2 = 10.20, PA1 = 16.05;
//   MP1 = (14.7/11.7/3 + 1)·5.85 = 8.30, MP2 = 29.1/20.4/3·10.2 = 4.85;
//   YP1 = 13.15/16.05 = 0.819; XP1 = 0.6667 - 0.819·0.2667 = 0.448;
//   PAV1 = 16.05·sin 34.93° = 9.19, PAH1 = 16.05·cos 34.93° = 13.16.
TEST(WallDoatsu, CoulombSplitAtTheWaterLevelMatchesTheHandGolden) {
  test::TempFolder work;
  test::SaverScope saver;
  auto doc = test::Sample("gravity");
  doc->Doatsu = 0;
  doc->bQuake = 0;
  doc->nWater = 1;
  doc->nWlvlAuto = 0;
  doc->Gamb = 19;
  doc->Gambd = 10;
  doc->Setdelt(0, 20);
  doc->pCase(0)->nWater = 1;
  doc->SetWatFH(0, 0.0);
  doc->SetWatBH(0, 2.0);
  doc->SetWallSecY(0, 0, 1.0);
  const WallCheckSection s = MakeWallCheckSection(*doc, 0, 0);
  const JyousaiHold held(0.3, 10, 0);
  int16_t flag = 0;
  test::ExpectSameMarkup(Written(*doc, s, {0}, work.path(), flag),
                         WorkGolden("wall_doatsu_coulomb_water.prn", work.path()));
}

// The embankment wedge above a section: the constants (seismic lines only
// for the seismic case, the submerged weight only with water at the wedge),
// the graph and table of the trials, and no trial file once the item is
// written.
TEST(WallDoatsu, EmbankmentWedgeShowsItsTrialsAndLeavesNoFile) {
  test::TempFolder work;
  test::SaverScope saver;
  test::RecordingSink sink;
  const std::string tmp = work.path() + "/tmp";
  std::filesystem::create_directory(tmp);
  const char* oldTmp = std::getenv("TMPDIR");
  const std::string savedTmp = oldTmp ? oldTmp : "";
  setenv("TMPDIR", tmp.c_str(), 1);
  auto doc = test::Sample("gravity");
  doc->Doatsu = 1;
  doc->SecDoatsu = 1;
  doc->BackType = 0;
  doc->nWater = 1;
  doc->nWlvlAuto = 0;
  doc->Gamw = 9.8;
  doc->SetWatBH(0, 1.5);
  doc->SetWatBH(1, 0.0);
  for (int i = 0; i < doc->nCase(); ++i) doc->pCase(i)->nWater = 1;
  ASSERT_NE(doc->bQuake, 0);
  CalcAntei(*doc, 0, 0);
  // The stability calculation's own wedges keep their files; the report adds none.
  auto files = [&] {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(tmp)) {
      if (e.is_regular_file()) out.push_back(e.path().string());
    }
    std::sort(out.begin(), out.end());
    return out;
  };
  const std::vector<std::string> before = files();
  const WallCheckSection s = MakeWallCheckSection(*doc, 0, 0);
  int16_t flag = 0;
  std::vector<std::string> cases[2];
  for (int32_t k : {0, 1}) {
    cases[k] = test::Lines(
        test::Markup([&](PrnFile& f) { PrnWallDoatsu(f, *doc, s, k, work.path(), flag); }));
  }
  auto has = [](const std::vector<std::string>& lines, const std::string& what) {
    for (const std::string& l : lines) {
      if (Has(l, what)) return true;
    }
    return false;
  };
  // Case 1: normal, water at 1.5 above the section; case 2 seismic, dry.
  EXPECT_FALSE(has(cases[0], "設計水平震度"));
  EXPECT_TRUE(has(cases[1], "設計水平震度"));
  EXPECT_TRUE(has(cases[1], "地震合成角"));
  EXPECT_TRUE(has(cases[0], "水 中 重 量"));
  EXPECT_FALSE(has(cases[1], "水 中 重 量"));
  EXPECT_TRUE(has(cases[0], "<IMG SRC=\"" + work.path() + "/壁断面ω000000.svg\""));
  EXPECT_TRUE(has(cases[1], "<IMG SRC=\"" + work.path() + "/壁断面ω000001.svg\""));
  EXPECT_TRUE(std::filesystem::exists(work.path() + "/壁断面ω000001.svg"));
  EXPECT_TRUE(has(cases[0], "<TABLE"));
  EXPECT_TRUE(has(cases[0], "従って、最大主働土圧はω="));
  EXPECT_EQ(files(), before);
  if (oldTmp) {
    setenv("TMPDIR", savedTmp.c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
}

// The embankment wedge text from records set by hand (no trials, so no graph
// and no table): a normal dry wedge, then a seismic one (kH = tan θ = 0.20,
// θ = atan 0.2 = 11.31°) with water at the wedge, which adds γ'.
TEST(WallDoatsu, EmbankmentWedgeMatchesTheHandGolden) {
  test::TempFolder work;
  test::SaverScope saver;
  auto doc = test::Sample("gravity");
  doc->Gamb = 19;
  doc->Gambd = 10;
  const WallCheckSection s = MakeWallCheckSection(*doc, 0, 0);
  const double deg = 1 / 57.29577951308238;
  CKusabiRes dry, wet;
  dry.fAlpha = 10 * deg;
  dry.fFai = 30 * deg;
  dry.fDelta = 20 * deg;
  dry.fOmega = 52.34 * deg;
  wet.fAlpha = 10 * deg;
  wet.fFai = 30 * deg;
  wet.fDelta = 15 * deg;
  wet.fKh = std::atan(0.2);
  wet.fWlvl = 1.0;
  wet.fC = 5;
  wet.fOmega = 48 * deg;
  test::ExpectSameMarkup(test::Markup([&](PrnFile& f) {
                           PrnWallKusabiMori(f, *doc, s, 0, work.path(), dry, 25.5);
                           PrnWallKusabiMori(f, *doc, s, 1, work.path(), wet, 31.25);
                         }),
                         WorkGolden("wall_kusabi_mori.prn", work.path()));
}

// The large-block wedge texts from records set by hand (no trials, so no
// graph and no table). The plane through the heel: W = 40·cos 10° = 39.39,
// ε 60°, φ 30°, α 0, δ 20°: PA0' = 39.39·sin 30°/cos 10° = 20.00; the
// embankment wedge PA1' = 40.00. d = 0.5, d1 = 1.0:
//   PA1 = 20 + sqrt(1 - 0.25)·20 = 37.32.
// d = 0 (heel on the cut face): the calculation takes the same plane with
// the backfill's φ and c (it leaves the record's δ' and c' at 0), so the
// text must print those: W = 40, ε 60°, φ 30°, c 5, l = 3, α 0, δ 20°:
//   PA1 = (40·sin 30° - 5·3·cos 30°)/cos 10° = (20 - 12.990)/0.98481 = 7.12.
// d ≥ d1 takes PA1' = 40.00 without the blend's lines.
TEST(WallDoatsu, LargeBlockBlendMatchesTheHandGolden) {
  test::TempFolder work;
  test::SaverScope saver;
  auto doc = test::Sample("gravity");
  const WallCheckSection s = MakeWallCheckSection(*doc, 0, 0);
  const double deg = 1 / 57.29577951308238;
  CKusabiRes K0, K1, K1b;
  K0.fPa = 40;
  K0.fOmega = 45.678 * deg;
  K1.SetNq(0);
  K1.SetfWQ(0, 40 * std::cos(10 * deg));
  K1.SetfL(0, 2.5);
  K1.fOmega = 60 * deg;
  K1.fFai = 30 * deg;
  K1.fDelta = 20 * deg;
  K1.fPa = 20;
  K1b.SetNq(0);
  K1b.SetfWQ(0, 40);
  K1b.SetfL(0, 3);
  K1b.fOmega = 60 * deg;
  K1b.fFai = 30 * deg;
  K1b.fC = 5;
  K1b.fDelta = 20 * deg;
  K1b.fPa = (40 * std::sin(30 * deg) - 5 * 3 * std::cos(30 * deg)) / std::cos(10 * deg);
  test::ExpectSameMarkup(test::Markup([&](PrnFile& f) {
                           PrnWallKusabiOogata(f, *doc, s, 0, work.path(), K0, K1, 0.5, 1.0);
                           PrnWallKusabiOogata(f, *doc, s, 1, work.path(), K0, K1b, 0.0, 1.0);
                         }),
                         WorkGolden("wall_kusabi_oogata.prn", work.path()));
  const std::vector<std::string> beyond = test::Lines(test::Markup(
      [&](PrnFile& f) { PrnWallKusabiOogata(f, *doc, s, 0, work.path(), K0, K1, 1.2, 1.0); }));
  ASSERT_GE(beyond.size(), 3u);
  EXPECT_EQ(beyond[beyond.size() - 3], "　  <math>=40.00 (kN/m)</math>");
  for (const std::string& l : beyond) EXPECT_FALSE(Has(l, "<sqrt>")) << l;
}

// The cut-ground wedge texts from records set by hand, the heel on the cut
// face (d = 0): the plane along the face, ε 60°, δ' 25°, α 0, δ 20°,
// W = 30 + 10, l = 2 + 1: PA2' = 40·sin 35°/cos 15° = 23.75; the backfill
// wedge PA1' = 25.00, so the maximum is 25.00. Taking the cut face alone, the
// text ends on the plane's 23.75.
TEST(WallDoatsu, CutGroundSinglePlaneMatchesTheHandGolden) {
  test::TempFolder work;
  test::SaverScope saver;
  auto doc = test::Sample("gravity");
  const WallCheckSection s = MakeWallCheckSection(*doc, 0, 0);
  const double deg = 1 / 57.29577951308238;
  CKusabiRes K0, K1;
  K0.SetNq(0);
  K0.fTheta = 60 * deg;
  K0.fFai = 30 * deg;
  K0.fDelta = 20 * deg;
  K0.fFaid = 25 * deg;
  K0.SetfWQ(0, 30);
  K0.SetfWQ(1, 10);
  K0.SetfL(0, 2);
  K0.SetfL(1, 1);
  K0.fPa = 40 * std::sin(35 * deg) / std::cos(15 * deg);
  K1.fPa = 25;
  K1.fOmega = 55.5 * deg;
  test::ExpectSameMarkup(test::Markup([&](PrnFile& f) {
                           doc->KiriDoatsu = 0;
                           PrnWallKusabiKiri(f, *doc, s, 0, work.path(), &K0, &K1, 25.0);
                           doc->KiriDoatsu = 1;
                           PrnWallKusabiKiri(f, *doc, s, 0, work.path(), &K0, nullptr, K0.fPa);
                         }),
                         WorkGolden("wall_kusabi_kiri.prn", work.path()));
}

// The lower wall of a mixed wall taking the cut face alone, its heel on the
// face: W = 40, ε 60°, δ' 25°, φ 30°, δ 20°, α1 = α2 = 0, P1 = 10:
//   Z = 40·sin 35° - 10·cos 10° = 22.943 - 9.848 = 13.09;
//   PA1 = Z / cos(60 - 25 - 0 - 20) = 13.095 / 0.9659 = 13.56, the record's
//   pressure: the denominator takes the calculation's sign. ε printed from
//   the document's gradient 0.5: 90 - atan 0.5 = 63.43°.
TEST(WallDoatsu, LowerWallCutFacePlaneMatchesTheHandGolden) {
  test::TempFolder work;
  test::SaverScope saver;
  auto doc = test::Sample("mixed");
  doc->KiriDoatsu = 1;
  doc->KiriN = 0.5;
  doc->Deltd = 25;
  doc->Gamb = 19;
  const WallCheckSection s = MakeWallCheckSection(*doc, 1, 0);
  const double deg = 1 / 57.29577951308238;
  CKusabiRes K0;
  K0.SetNq(0);
  K0.fTheta = 60 * deg;
  K0.fFai = 30 * deg;
  K0.fDelta = 20 * deg;
  K0.fFaid = 25 * deg;
  K0.fPaU = 10;
  K0.SetfWQ(0, 30);
  K0.SetfWQ(1, 10);
  K0.SetfL(0, 2);
  K0.SetfL(1, 1);
  K0.fPa = (40 * std::sin(35 * deg) - 10 * std::cos(10 * deg)) / std::cos(15 * deg);
  test::ExpectSameMarkup(test::Markup([&](PrnFile& f) {
                           PrnWallKusabiKongo(f, *doc, s, 0, work.path(), &K0, nullptr, K0.fPa);
                         }),
                         WorkGolden("wall_kusabi_kongo.prn", work.path()));
}

// The frame: nothing above the backfill, the figure named by the section and
// the first case written, heading levels of a mixed wall, a case the check
// forms no pressure for, and the trapezoid action height of a lower wall.
TEST(WallDoatsu, FrameOfTheItem) {
  {
    SCOPED_TRACE("section at the backfill surface writes nothing");
    test::TempFolder work;
    test::SaverScope saver;
    auto doc = test::Sample("gravity");
    doc->SetWallSecY(0, 0, 3.0);
    const WallCheckSection s = MakeWallCheckSection(*doc, 0, 0);
    int16_t flag = 0;
    EXPECT_EQ(Written(*doc, s, {0, 1}, work.path(), flag), "");
    EXPECT_EQ(flag, 0);
  }
  {
    SCOPED_TRACE("figure of section 2 first written with case 1");
    test::TempFolder work;
    test::SaverScope saver;
    auto doc = test::Sample("gravity");
    doc->Doatsu = 1;
    doc->SecDoatsu = 0;
    doc->SetnWallSecCnt(0, 3);
    for (int i = 0; i < 3; ++i) doc->SetWallSecY(0, i, 0.5 * i);
    SetWholeWall(*doc, 1, 42.75, 0.5, 10, 0);
    const WallCheckSection s = MakeWallCheckSection(*doc, 0, 2);
    int16_t flag = 0;
    const std::vector<std::string> lines = test::Lines(Written(*doc, s, {1}, work.path(), flag));
    int16_t fresh = 0;
    const std::vector<std::string> images = test::ImagePaths(
        test::Markup([&](PrnFile& f) { PrnWallDoatsu(f, *doc, s, 1, work.path(), fresh); }));
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0], work.path() + "/壁断面土圧0002001.svg");
    EXPECT_EQ(lines[2], "<H2>土　圧</H2>");
    EXPECT_EQ(lines[5], "<H3>荷重ケース.2 － 自重+慣性力時</H3>");
  }
  {
    SCOPED_TRACE("no whole-wall wedge: heading and -----");
    test::TempFolder work;
    test::SaverScope saver;
    auto doc = test::Sample("gravity");
    doc->Doatsu = 1;
    doc->SecDoatsu = 0;
    doc->bQuake = 0;
    doc->SetAntRes(0, 0, std::make_shared<CAntRes>());
    const WallCheckSection s = MakeWallCheckSection(*doc, 0, 0);
    int16_t flag = 0;
    const std::vector<std::string> lines = test::Lines(Written(*doc, s, {0}, work.path(), flag));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 2], "-----");
    EXPECT_EQ(lines.back(), "</PRE></PROTECT>");
  }
  {
    SCOPED_TRACE("mixed wall: levels one deeper; lower wall's trapezoid");
    test::TempFolder work;
    test::SaverScope saver;
    test::RecordingSink sink;
    auto doc = test::Sample("mixed");
    CalcAntei(*doc, 0, 0);
    const WallCheckSection upper = MakeWallCheckSection(*doc, 0, 0);
    int16_t flag = 0;
    const std::string u = Cp932ToUtf8(Written(*doc, upper, {0}, work.path(), flag));
    EXPECT_TRUE(Has(u, "<H3>土　圧</H3>")) << u;
    EXPECT_TRUE(Has(u, "<H4>荷重ケース.1 － ")) << u;
    // Lower wall, section at its foot: wall above it H1 = 1.3 (point 3),
    // soil above the wall H2 = 3.5 - 1.3 = 2.2:
    //   YP1 = 1.3/3 · (3·2.2 + 1.3)/(2·2.2 + 1.3) = 0.4333 · 7.9/5.7 = 0.601.
    doc->SetnWallSecCnt(1, 1);
    doc->SetWallSecY(1, 0, 0.0);
    const WallCheckSection lower = MakeWallCheckSection(*doc, 1, 0);
    flag = 0;
    const std::string l = Cp932ToUtf8(Written(*doc, lower, {0}, work.path(), flag));
    EXPECT_TRUE(Has(l,
                    "<box>1.300<over>3</box>×<box>3×2.200+1.300<over>2×2.200+1.300</box>"
                    "=0.601 (m)</math>"))
        << l;
    EXPECT_TRUE(Has(l, "P<sub>AV1</sub> = Ｐ<sub>A1</sub>･sin(α<sub>2</sub>＋δ)")) << l;
    EXPECT_TRUE(Has(l, "-0.601×tan(")) << l;
  }
}

// Body weight: the section heading, the level of "く体重量", the wall part's
// figure; the volume above the gravity sample's section at 1.5 is the
// trapezoid of widths 1.1 (0.3 to 1.4) and 0.4 over 1.5: 1.125 m³.
TEST(WallKutai, HeadingsFigureAndVolume) {
  test::TempFolder work;
  test::SaverScope saver;
  auto doc = test::Sample("gravity");
  doc->SetWallSecY(0, 0, 1.5);
  const WallCheckSection s = MakeWallCheckSection(*doc, 0, 0);
  const std::vector<std::string> lines =
      test::Lines(test::Markup([&](PrnFile& f) { PrnWallKutai(f, *doc, s, work.path()); }));
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0], "<PROTECT><PRE>");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "<H1>たて壁(Ⅰ－Ⅰ断面)の断面計算 (照査位置:1.500)</H1>");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], "<H2>く体重量</H2>");
  EXPECT_EQ(lines[5],
            "<IMG SRC=\"" + work.path() + "/壁断面く体壁部0000.svg\", WIDTH=50%, HEIGHT=50%>");
  bool volume = false;
  for (const std::string& l : lines) volume = volume || Has(l, "Vc × γ =  1.125 ×");
  EXPECT_TRUE(volume);
  EXPECT_EQ(lines.back(), "</PRE></PROTECT>");

  auto mixed = test::Sample("mixed");
  const WallCheckSection m = MakeWallCheckSection(*mixed, 0, 0);
  const std::vector<std::string> ml =
      test::Lines(test::Markup([&](PrnFile& f) { PrnWallKutai(f, *mixed, m, work.path()); }));
  ASSERT_GE(ml.size(), 7u);
  EXPECT_EQ(ml[2], "<H1>上部擁壁の断面計算</H1>");
  EXPECT_EQ(ml[4], "<H2>Ⅰ－Ⅰ断面 (照査位置:0.000)</H2>");
  EXPECT_EQ(ml[6], "<H3>く体重量</H3>");
}

// Front soil: which states and polygons are written, by the cases' front
// soil, their state and the water switch.
TEST(WallFrontSoil, StatesAndWaterPolygons) {
  struct Row {
    const char* name;
    double secY;
    int16_t seismicSoil;  // nSoilF of the seismic case
    int32_t nWater;
    double frontWater;  // both states
    int dryNormal, drySeismic, wetNormal, wetSeismic;
  };
  const Row rows[] = {
      {"both states, no water", 0.0, 1, 0, 0.3, 1, 1, 0, 0},
      {"section above the soil", 0.5, 1, 0, 0.3, 0, 0, 0, 0},
      {"seismic case without front soil", 0.0, 0, 0, 0.3, 1, 0, 0, 0},
      {"buoyancy with water below the soil", 0.0, 1, 1, 0.3, 1, 1, 1, 1},
      {"uplift takes no wet polygon", 0.0, 1, 2, 0.3, 1, 1, 0, 0},
      {"water at the section", 0.0, 1, 1, 0.0, 1, 1, 0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    test::TempFolder work;
    test::SaverScope saver;
    auto doc = test::Sample("gravity");
    // Case 1 normal, case 2 seismic (Doat 1); front soil up to 0.5.
    doc->SetWallSecY(0, 0, r.secY);
    doc->pCase(1)->nSoilF = r.seismicSoil;
    doc->nWater = r.nWater;
    doc->nWlvlAuto = 0;
    for (int i = 0; i < doc->nCase(); ++i) doc->pCase(i)->nWater = 1;
    doc->SetWatFH(0, r.frontWater);
    doc->SetWatFH(1, r.frontWater);
    const WallCheckSection s = MakeWallCheckSection(*doc, 0, 0);
    const std::string bytes =
        test::Markup([&](PrnFile& f) { PrnWallFrontSoil(f, *doc, s, work.path()); });
    const std::string text = Cp932ToUtf8(bytes);
    const int shown = r.dryNormal + r.drySeismic + r.wetNormal + r.wetSeismic;
    auto count = [&](const std::string& what) {
      int n = 0;
      for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
      return n;
    };
    EXPECT_EQ(count("<H2>前面土砂</H2>"), shown > 0 ? 1 : 0);
    EXPECT_EQ(count("<H3>常時　水位無視</H3>"), r.dryNormal);
    EXPECT_EQ(count("<H3>地震時　水位無視</H3>"), r.drySeismic);
    EXPECT_EQ(count("<H3>常時　水位考慮</H3>"), r.wetNormal);
    EXPECT_EQ(count("<H3>地震時　水位考慮</H3>"), r.wetSeismic);
    EXPECT_EQ(count("<PROTECT><PRE>"), shown);
    EXPECT_EQ(count("</PRE></PROTECT>"), shown);
    EXPECT_EQ(count("壁断面前面土水無00000.svg"), r.dryNormal);
    EXPECT_EQ(count("壁断面前面土水無01000.svg"), r.drySeismic);
    EXPECT_EQ(count("壁断面前面土常時水有00000.svg"), r.wetNormal);
    EXPECT_EQ(count("壁断面前面土常時水有01000.svg"), r.wetSeismic);
    for (const std::string& p : test::ImagePaths(bytes)) {
      EXPECT_TRUE(std::filesystem::exists(p)) << p;
    }
  }
}

// The section's per-case items run item after item, each over the ticked
// cases in order with its heading once; the water item only in documents
// with water and for the cases that take it.
TEST(WallSection, ItemsThenCasesInOrderWithOneHeadingEach) {
  struct Row {
    const char* name;
    int32_t nWater;
    int16_t water0, water1;  // the cases' nWater
    int16_t tick0, tick1;    // ticked for the stem chapter
    const char* expected;    // item headings, each followed by its case numbers
  };
  const Row rows[] = {
      {"both cases, water in both", 1, 1, 1, 1, 1,
       "土　圧 1 2 水　圧 1 2 断面力の集計 1 2 応力度計算 1 2"},
      {"water in the second case only", 1, 0, 1, 1, 1,
       "土　圧 1 2 水　圧 2 断面力の集計 1 2 応力度計算 1 2"},
      {"document without water", 0, 1, 1, 1, 1, "土　圧 1 2 断面力の集計 1 2 応力度計算 1 2"},
      {"second case ticked alone", 1, 1, 1, 0, 1, "土　圧 2 水　圧 2 断面力の集計 2 応力度計算 2"},
      {"nothing ticked", 1, 1, 1, 0, 0, ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    test::TempFolder work;
    test::SaverScope saver;
    test::RecordingSink sink;
    auto doc = test::Sample("gravity");
    doc->nWater = r.nWater;
    doc->nWlvlAuto = 0;
    doc->Gamw = 9.8;
    doc->SetWatFH(0, 0.5);
    doc->SetWatBH(0, 1.5);
    doc->SetWatFH(1, 0.5);
    doc->SetWatBH(1, 1.2);
    doc->pCase(0)->nWater = r.water0;
    doc->pCase(1)->nWater = r.water1;
    CalcAntei(*doc, 0, 0);
    for (int32_t k = 0; k < doc->nCase(); ++k) CalcWallStress(*doc, k, 0);
    PrnSel() = ReportSelection{};
    PrnSel().NewDocument(doc->nCase());
    PrnSel().PrnWallCases.Set(0, r.tick0);
    PrnSel().PrnWallCases.Set(1, r.tick1);
    const WallCheckSection s = MakeWallCheckSection(*doc, 0, 0);
    const std::vector<std::string> lines =
        test::Lines(test::Markup([&](PrnFile& f) { PrnWallSection(f, *doc, s, work.path()); }));
    std::string seen;
    static const std::regex item(R"(^<H2>(.*)</H2>$)");
    static const std::regex kase(R"(^<H3>荷重ケース\.([0-9]+) － )");
    for (const std::string& l : lines) {
      std::smatch m;
      if (std::regex_search(l, m, item) || std::regex_search(l, m, kase)) {
        seen += (seen.empty() ? "" : " ") + m[1].str();
      }
    }
    EXPECT_EQ(seen, r.expected);
  }
}

// Over wall type and part, the earth-pressure methods, the back ground and
// the guideline: the whole stem chapter writes, every figure it names exists,
// each earth-pressure case either ends on its components or shows "-----".
TEST(WallChapterSwitches, EveryReferencedFigureExists) {
  int chapters = 0;
  for (const char* sample : {"gravity", "block_masonry", "leaning", "mixed"}) {
    for (int16_t doatsu : {0, 1}) {
      for (int16_t sec : {0, 1}) {
        for (int16_t back : {0, 1}) {
          for (int32_t sisin : {2, 3}) {
            const std::string name = std::string(sample) + " Doatsu " + std::to_string(doatsu) +
                                     " SecDoatsu " + std::to_string(sec) + " BackType " +
                                     std::to_string(back) + " Sisin " + std::to_string(sisin);
            SCOPED_TRACE(name);
            test::TempFolder work;
            test::SaverScope saver;
            test::RecordingSink sink;
            auto doc = test::Sample(sample);
            doc->Doatsu = doatsu;
            doc->SecDoatsu = sec;
            doc->BackType = back;
            doc->Sisin = sisin;
            if (back != 0) {
              doc->KiriD = 0.5;
              doc->KiriN = 0.3;
            }
            CalcAntei(*doc, 0, 0);
            const int parts = doc->WallType() == 3 ? 2 : 1;
            for (int32_t k = 0; k < doc->nCase(); ++k) {
              for (int16_t part = 0; part < parts; ++part) CalcWallStress(*doc, k, part);
            }
            PrnSel() = ReportSelection{};
            PrnSel().NewDocument(doc->nCase());
            for (int32_t k = 0; k < doc->nCase(); ++k) PrnSel().PrnWallCases.Set(k, 1);
            std::string bytes;
            ASSERT_NO_THROW(bytes = test::Markup([&](PrnFile& f) {
                              for (int16_t part = 0; part < parts; ++part) {
                                PrnWall(f, *doc, work.path(), part);
                              }
                            }));
            const std::vector<std::string> images = test::ImagePaths(bytes);
            EXPECT_FALSE(images.empty());
            for (const std::string& p : images) EXPECT_TRUE(std::filesystem::exists(p)) << p;
            const std::string text = Cp932ToUtf8(bytes);
            EXPECT_TRUE(Has(text, "く体重量"));
            ++chapters;
          }
        }
      }
    }
  }
  EXPECT_EQ(chapters, 64);
}

}  // namespace
}  // namespace norva

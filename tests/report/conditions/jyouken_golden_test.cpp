// The whole design-conditions chapter of four designs against goldens
// written by hand from the chapter's templates (CP932, CR LF).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "document/document.h"
#include "drawing/base/report_picture.h"
#include "report/conditions/jyouken_fixtures.h"
#include "report/conditions/prn_jyouken.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/report_test_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

std::string ConditionsGolden(const std::string& name, const std::string& work) {
  std::string g =
      test::ReadBytes(std::string(NORVA_SOURCE_DIR) + "/tests/report/conditions/golden/" + name);
  const std::string w = Utf8ToCp932(work);
  for (size_t p = g.find("%WORK%"); p != std::string::npos; p = g.find("%WORK%", p + w.size())) {
    g.replace(p, 6, w);
  }
  return g;
}

class JyoukenGolden : public ::testing::Test {
 protected:
  void SetUp() override {
    saver_ = std::make_shared<RecordingPictureSaver>();
    SetPictureSaver(saver_);
  }
  void TearDown() override {
    SetPictureSaver(nullptr);
    PrnSel() = ReportSelection{};
  }

  void ExpectGolden(const CDocument& doc, const char* golden) {
    ASSERT_FALSE(work_.path().empty());
    const std::string bytes = test::Markup([&](PrnFile& f) { PrnJyouken(f, doc, work_.path()); });
    test::ExpectSameMarkup(bytes, ConditionsGolden(golden, work_.path()));
    // The section figure: 7087.5 twips wide, 1.1 times as high, drawn.
    ASSERT_EQ(saver_->saved.size(), 1u);
    const RecordingPictureSaver::Saved& s = saver_->saved[0];
    EXPECT_EQ(s.path, work_.path() + "/KutaiSunp.svg");
    EXPECT_DOUBLE_EQ(s.widthTwips, 7087.5);
    EXPECT_DOUBLE_EQ(s.heightTwips, 7796.25);
    EXPECT_DOUBLE_EQ(s.scaleWidth, 7087.5);
    EXPECT_FALSE(s.ops.empty());
  }

  std::shared_ptr<RecordingPictureSaver> saver_;
  test::TempFolder work_{"norva_jyouken"};
};

TEST_F(JyoukenGolden, GravityWallByCoulombWithoutWaterOrEarthquake) {
  ExpectGolden(*test::GoldenGravity(), "jyouken_gravity.prn");
}

TEST_F(JyoukenGolden, LargeBlockWallWithEarthquakeWaterPolylineGroundAndSoilLayers) {
  ExpectGolden(*test::GoldenBlock(), "jyouken_block.prn");
}

TEST_F(JyoukenGolden, MixedWallOnACutWithPassivePressureEveryLoadAndFourCases) {
  ExpectGolden(*test::GoldenMixed(), "jyouken_mixed.prn");
}

TEST_F(JyoukenGolden, FarmRoadWithoutLoadCases) {
  ExpectGolden(*test::GoldenFarmRoad(), "jyouken_farm_road.prn");
}

// A figure that cannot be saved stops the chapter before any line, naming
// the file.
TEST_F(JyoukenGolden, FigureThatCannotBeSavedStopsTheChapter) {
  saver_->failWith = "disk full";
  auto doc = test::GoldenGravity();
  std::string bytes = "untouched";
  try {
    bytes = test::Markup([&](PrnFile& f) { PrnJyouken(f, *doc, work_.path()); });
    ADD_FAILURE() << "no error";
  } catch (const ReportError& e) {
    EXPECT_NE(std::string(e.what()).find(work_.path() + "/KutaiSunp.svg"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("disk full"), std::string::npos);
  }
  EXPECT_EQ(bytes, "untouched");
}

}  // namespace
}  // namespace norva

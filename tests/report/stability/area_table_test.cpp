// Coordinate-method tables: hand goldens of a triangle (closed and open,
// seismic or not, weight and buoyancy, moved origin), and the sums against
// the polygon's own centroid and weight.
#include <gtest/gtest.h>

#include <memory>

#include "document/document.h"
#include "document/weight.h"
#include "report/driver/prn_file.h"
#include "report/stability/prn_kutai.h"
#include "report/stability/stability_test_support.h"

namespace norva {
namespace {

std::string Table(const CWeight* w, int16_t bQuake, double x0, double y0, bool buoyancy) {
  CDocument doc;
  doc.bQuake = bQuake;
  return test::Markup([&](PrnFile& f) { PrnAreaTable(f, doc, w, x0, y0, buoyancy); });
}

TEST(AreaTable, TriangleMatchesTheHandGoldens) {
  struct Row {
    const char* name;
    std::shared_ptr<CWeight> w;
    int16_t bQuake;
    double x0, y0;
    bool buoyancy;
    const char* golden;
  };
  const Row rows[] = {
      {"weight, seismic", test::Triangle(23, 0.2), -1, 0, 0, false, "area_w_q.prn"},
      {"weight, not seismic", test::Triangle(23, 0.2), 0, 0, 0, false, "area_w_n.prn"},
      {"buoyancy, seismic", test::Triangle(-10, 0.2), -1, 0, 0, true, "area_b_q.prn"},
      // Stored open: the first point closes the table all the same.
      {"open, moved origin", test::Triangle(-10, 0.2, false), 0, 1, 0.5, true,
       "area_b_n_shift.prn"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    test::ExpectSameMarkup(Table(r.w.get(), r.bQuake, r.x0, r.y0, r.buoyancy),
                           test::StabilityGolden(r.golden, "/w"));
  }
}

TEST(AreaTable, RepeatedPointsAreDroppedBeforeNumbering) {
  auto w = std::make_shared<CWeight>();
  const double x[] = {0, 0, 0, 3, 3, 0}, y[] = {0, 2, 2, 0, 0, 0};
  w->SetnPoint(6);
  for (int i = 0; i < 6; ++i) {
    w->SetX(i, x[i]);
    w->SetY(i, y[i]);
  }
  w->SetGam(23);
  w->SetKh(0.2);
  test::ExpectSameMarkup(Table(w.get(), 0, 0, 0, false), test::StabilityGolden("area_w_n.prn", ""));
}

TEST(AreaTable, NothingWithoutPoints) {
  CWeight empty;
  EXPECT_EQ(Table(&empty, -1, 0, 0, false), "");
  EXPECT_EQ(Table(nullptr, -1, 0, 0, false), "");
}

// Counter-clockwise corners: every sum changes sign, the centroid does not.
TEST(AreaTable, CounterClockwiseCornersKeepTheCentroid) {
  auto w = std::make_shared<CWeight>();
  const double x[] = {0, 3, 0}, y[] = {0, 0, 2};
  w->SetnPoint(3);
  for (int i = 0; i < 3; ++i) {
    w->SetX(i, x[i]);
    w->SetY(i, y[i]);
  }
  const AreaTableRows t = MakeAreaTableRows(*w, 0, 0);
  EXPECT_DOUBLE_EQ(t.sumA, -3.0);
  EXPECT_DOUBLE_EQ(t.sumGx, -2.0);
  EXPECT_DOUBLE_EQ(t.sumGy, -3.0);
  EXPECT_DOUBLE_EQ(t.sumGy / t.sumA, 1.0);      // xc = (0 + 3 + 0) / 3
  EXPECT_DOUBLE_EQ(t.sumGx / t.sumA, 2.0 / 3);  // yc = (0 + 0 + 2) / 3
}

}  // namespace
}  // namespace norva

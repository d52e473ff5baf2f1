// Stability result record and water-level search points.
#include "document/ant_res.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>

namespace norva {
namespace {

TEST(AntResTest, NewRecordHasTwoDistinctEmptyWedgesAndLabels) {
  CAntRes r;
  ASSERT_NE(r.Kusabi(0), nullptr);
  ASSERT_NE(r.Kusabi(1), nullptr);
  EXPECT_NE(r.Kusabi(0), r.Kusabi(1));
  EXPECT_EQ(r.Kusabi(0)->Nq(), -1);
  EXPECT_TRUE(r.Kusabi(1)->TempFile.empty());
  EXPECT_EQ(r.NiniCnt(), 0);
  EXPECT_EQ(r.Pa, 0.0);
  EXPECT_EQ(r.Q, 0.0);
  EXPECT_EQ(r.Ann(2, 2), 0.0);
  EXPECT_EQ(r.HorzLoadNam(2), "");

  const char* labels[] = {
      "く体自重", "浮\u3000力", "前面土", "前面土(浮力)", "土\u3000圧",
      "前面水圧", "背面水圧",   "揚圧力", "水平荷重",     "その他の荷重",
  };
  for (int i = 0; i < 10; ++i) EXPECT_EQ(r.sSForce(i), labels[i]) << i;
  for (int i = 10; i <= 20; ++i) {
    EXPECT_EQ(r.sSForce(i), "") << i;
    EXPECT_EQ(r.nSForce(i), 0) << i;
  }
}

TEST(AntResTest, FixedArraysThrowOutsideTheirRange) {
  CAntRes r;
  const std::pair<const char*, std::function<void()>> bad[] = {
      {"KutaiV(2)", [&] { r.KutaiV(2); }},
      {"KutaiYc(-1)", [&] { r.KutaiYc(-1); }},
      {"SetZensaiH(2)", [&] { r.SetZensaiH(2, 1.0); }},
      {"HorzLoadH(3)", [&] { r.HorzLoadH(3); }},
      {"SetHorzLoadNam(-1)", [&] { r.SetHorzLoadNam(-1, "x"); }},
      {"SForceV(21)", [&] { r.SForceV(21); }},
      {"SetSForceMo(-1)", [&] { r.SetSForceMo(-1, 1.0); }},
      {"nSForce(21)", [&] { r.nSForce(21); }},
      {"sSForce(21)", [&] { r.sSForce(21); }},
      {"Ann(3,0)", [&] { r.Ann(3, 0); }},
      {"SetAnn(0,-1)", [&] { r.SetAnn(0, -1, 1.0); }},
      {"Kusabi(2)", [&] { r.Kusabi(2); }},
      {"NiniNam(0) with no loads", [&] { r.NiniNam(0); }},
      {"SetNiniV(0) with no loads", [&] { r.SetNiniV(0, 1.0); }},
  };
  for (const auto& [what, call] : bad) EXPECT_THROW(call(), std::out_of_range) << what;

  // The valid ends of the ranges work and touch only their own element.
  r.SetSForceV(20, 5.0);
  r.SetKutaiV(1, 2.0);
  r.SetHorzLoadX(2, 3.0);
  r.SetAnn(2, 0, 4.0);
  EXPECT_EQ(r.SForceV(20), 5.0);
  EXPECT_EQ(r.SForceV(19), 0.0);
  EXPECT_EQ(r.KutaiV(1), 2.0);
  EXPECT_EQ(r.KutaiV(0), 0.0);
  EXPECT_EQ(r.HorzLoadX(2), 3.0);
  EXPECT_EQ(r.Ann(2, 0), 4.0);
  EXPECT_EQ(r.Ann(0, 2), 0.0);
}

TEST(AntResTest, NiniCntResizesKeepingEntries) {
  CAntRes r;
  r.SetNiniCnt(2);
  r.SetNiniNam(0, "P1");
  r.SetNiniType(0, 2);
  r.SetNiniV(1, 12.5);
  r.SetNiniY(1, 3.0);
  r.SetNiniCnt(4);
  EXPECT_EQ(r.NiniNam(0), "P1");
  EXPECT_EQ(r.NiniType(0), 2);
  EXPECT_EQ(r.NiniV(1), 12.5);
  EXPECT_EQ(r.NiniY(1), 3.0);
  EXPECT_EQ(r.NiniType(1), -1);  // never set
  for (int i = 2; i < 4; ++i) {
    EXPECT_EQ(r.NiniNam(i), "");
    EXPECT_EQ(r.NiniType(i), -1);
    EXPECT_EQ(r.NiniV(i), 0.0);
    EXPECT_EQ(r.NiniH(i), 0.0);
    EXPECT_EQ(r.NiniX(i), 0.0);
    EXPECT_EQ(r.NiniY(i), 0.0);
  }
  EXPECT_THROW(r.NiniX(4), std::out_of_range);

  // Shrinking keeps the first entries.
  r.SetNiniCnt(1);
  EXPECT_EQ(r.NiniNam(0), "P1");
  EXPECT_THROW(r.NiniV(1), std::out_of_range);

  // Emptying, then growing one at a time as the force summation does.
  r.SetNiniCnt(0);
  EXPECT_THROW(r.NiniNam(0), std::out_of_range);
  r.SetNiniCnt(static_cast<int16_t>(r.NiniCnt() + 1));
  EXPECT_EQ(r.NiniNam(0), "");
  EXPECT_EQ(r.NiniType(0), -1);
}

TEST(AntResTest, LoadInclinationAndConstants) {
  struct {
    double h, v, tan, deg;
  } cases[] = {
      {-10.0, 10.0, 1.0, 45.0},  // |SgmH| is used
      {10.0, 10.0 * std::sqrt(3.0), 1 / std::sqrt(3.0), 30.0},
      {0.0, 50.0, 0.0, 0.0},
      {25.0, 50.0, 0.5, 26.565051177077990},  // atan(0.5) in degrees
  };
  for (const auto& c : cases) {
    CAntRes r;
    r.SgmH = c.h;
    r.SgmV = c.v;
    EXPECT_NEAR(r.tanTH(), c.tan, 1e-12);
    EXPECT_NEAR(r.Theata(), c.deg, 1e-10);
  }
  CAntRes r;
  EXPECT_DOUBLE_EQ(r.Kl(0.3), 0.5);
  EXPECT_DOUBLE_EQ(r.Kl(-0.2), 0.0);
  EXPECT_EQ(r.Kd(), 0.56);
}

TEST(AntResTest, NoVerticalForceIsAnErrorNotInfinity) {
  CAntRes r;
  r.SgmH = 12.0;
  r.SgmV = 0.0;
  EXPECT_THROW(r.tanTH(), std::domain_error);
  EXPECT_THROW(r.Theata(), std::domain_error);
  EXPECT_EQ(r.SgmH, 12.0);
  EXPECT_EQ(r.SgmV, 0.0);
}

TEST(AntResTest, WedgeIsSharedWithWhoeverAssignedIt) {
  CAntRes r;
  auto w = std::make_shared<CKusabiRes>();
  r.SetKusabi(1, w);
  w->fPa = 42.0;
  EXPECT_EQ(r.Kusabi(1), w);
  EXPECT_EQ(r.Kusabi(1)->fPa, 42.0);
}

TEST(WlvlCalcTest, PointsResizeAndGuardHighIndexes) {
  CWlvlCalc c;
  EXPECT_EQ(c.Count(), 0);
  EXPECT_EQ(c.Wlvl(0), 0.0);
  c.SetCount(3);
  for (int i = 0; i < 3; ++i) {
    c.SetWlvl(i, 1.0 + i);
    c.SetFs(i, 1.5 + i);
  }
  EXPECT_EQ(c.Wlvl(3), 0.0);
  c.SetWlvl(5, 9.0);  // ignored
  c.SetFs(3, 9.0);    // ignored
  c.SetCount(4);
  EXPECT_EQ(c.Wlvl(0), 1.0);
  EXPECT_EQ(c.Wlvl(2), 3.0);
  EXPECT_EQ(c.Fs(2), 3.5);
  EXPECT_EQ(c.Wlvl(3), 0.0);
  EXPECT_EQ(c.Fs(3), 0.0);
  EXPECT_EQ(c.Wlvl(5), 0.0);

  EXPECT_THROW(c.Wlvl(-1), std::out_of_range);
  EXPECT_THROW(c.SetFs(-1, 1.0), std::out_of_range);

  c.SetCount(0);
  EXPECT_EQ(c.Fs(0), 0.0);
  c.SetCount(2);
  EXPECT_EQ(c.Wlvl(0), 0.0);  // emptied lists come back as zeros
  EXPECT_EQ(c.Fs(1), 0.0);
}

}  // namespace
}  // namespace norva

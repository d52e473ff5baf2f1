// Member-stress result records: labels, index rules and resizing.
#include "document/member_res.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

#include "document/nulls.h"
#include "document/weight.h"

namespace norva {
namespace {

TEST(WallResTest, NewRecordLabelsAndRanges) {
  CWallRes w;
  const char* labels[] = {
      "く体自重",       "基礎自重",     "浮\u3000力", "前面土",   "前面土(浮力)",
      "土\u3000圧",     "前面水圧",     "背面水圧",   "揚圧力",   "壁面地盤反力",
      "自動車衝突荷重", "落石衝突荷重", "風荷重",     "任意荷重", "上部擁壁",
  };
  for (int i = 0; i < 15; ++i) EXPECT_EQ(w.sAForce(i), labels[i]) << i;
  for (int i = 15; i <= 20; ++i) EXPECT_EQ(w.sAForce(i), "") << i;
  for (int i = 0; i <= 20; ++i) EXPECT_EQ(w.nAForce(i), 0) << i;
  EXPECT_EQ(w.NiniCnt(), 0);
  EXPECT_EQ(w.ForceM, 0.0);

  const std::pair<const char*, std::function<void()>> bad[] = {
      {"sAForce(21)", [&] { w.sAForce(21); }},
      {"AForceN(-1)", [&] { w.AForceN(-1); }},
      {"SetAForceY(21)", [&] { w.SetAForceY(21, 1.0); }},
      {"SetnAForce(21)", [&] { w.SetnAForce(21, 1); }},
      {"NiniNam(0) with no loads", [&] { w.NiniNam(0); }},
  };
  for (const auto& [what, call] : bad) EXPECT_THROW(call(), std::out_of_range) << what;

  w.SetAForceM(20, 3.5);
  w.SetnAForce(20, 1);
  EXPECT_EQ(w.AForceM(20), 3.5);
  EXPECT_EQ(w.nAForce(20), 1);
  EXPECT_EQ(w.AForceM(19), 0.0);
}

TEST(WallResTest, HeightAndStressServeTwoElementsOnly) {
  CWallRes w;
  w.SetHeight(0, 0.6);
  w.SetHeight(1, 0.5);
  w.SetHeight(2, 9.0);
  w.SetSgmc(-1, 9.0);
  w.SetSgmc(1, -0.12);
  EXPECT_EQ(w.Height(0), 0.6);
  EXPECT_EQ(w.Height(1), 0.5);
  EXPECT_EQ(w.Height(2), 0.0);
  EXPECT_EQ(w.Sgmc(-1), 0.0);
  EXPECT_EQ(w.Sgmc(0), 0.0);
  EXPECT_EQ(w.Sgmc(1), -0.12);
}

TEST(WallResTest, NiniCntKeepsEntriesAndInitialisesNewOnes) {
  CWallRes w;
  w.SetNiniCnt(1);
  w.SetNiniNam(0, "L");
  w.SetNiniType(0, 3);
  w.SetNiniH(0, 8.0);
  w.SetNiniCnt(3);
  EXPECT_EQ(w.NiniNam(0), "L");
  EXPECT_EQ(w.NiniType(0), 3);
  EXPECT_EQ(w.NiniH(0), 8.0);
  EXPECT_EQ(w.NiniType(2), -1);
  EXPECT_EQ(w.NiniNam(2), "");
  EXPECT_EQ(w.NiniY(2), 0.0);
  w.SetNiniCnt(-1);
  EXPECT_THROW(w.NiniType(0), std::out_of_range);
}

TEST(FotResTest, LoadListIsGuardedAndRestartsAtZero) {
  CFotRes f;
  EXPECT_EQ(f.nNini(), 0);
  EXPECT_EQ(f.NiniLoad(0), 0.0);
  f.SetnNini(2);
  f.SetNiniNo(0, 3);
  f.SetNiniLoad(0, 15.0);
  f.SetNiniX(1, 0.4);
  f.SetNiniLoad(2, 99.0);  // ignored
  f.SetNiniNo(-1, 7);      // ignored
  EXPECT_EQ(f.NiniLoad(2), 0.0);
  EXPECT_EQ(f.NiniNo(-1), 0);
  EXPECT_EQ(f.NiniNo(0), 3);
  EXPECT_EQ(f.NiniX(1), 0.4);

  f.SetnNini(3);  // grows one at a time, keeping what was there
  EXPECT_EQ(f.NiniLoad(0), 15.0);
  EXPECT_EQ(f.NiniLoad(2), 0.0);

  f.SetnNini(0);
  f.SetnNini(1);
  EXPECT_EQ(f.NiniLoad(0), 0.0);
  EXPECT_EQ(f.NiniNo(0), 0);
}

TEST(FotResTest, SoilPolygonsAndArms) {
  CFotRes f;
  EXPECT_EQ(f.FotW, nullptr);
  EXPECT_EQ(f.SoilW(0), nullptr);
  auto a = std::make_shared<CWeight>();
  auto b = std::make_shared<CWeight>();
  f.SetSoilW(0, a);
  f.SetSoilW(1, b);
  f.SetSoilW(2, a);  // ignored
  EXPECT_EQ(f.SoilW(0), a);
  EXPECT_EQ(f.SoilW(1), b);
  EXPECT_NE(f.SoilW(0), f.SoilW(1));
  EXPECT_EQ(f.SoilW(2), nullptr);
  EXPECT_EQ(f.SoilW(-1), nullptr);

  f.SetSoilwX(1, 0.75);
  EXPECT_EQ(f.SoilwX(1), 0.75);
  EXPECT_EQ(f.SoilwX(0), 0.0);
  EXPECT_THROW(f.SoilwX(2), std::out_of_range);
  EXPECT_THROW(f.SetSoilwX(-1, 1.0), std::out_of_range);

  f.SetSgmc(0, 0.3);
  f.SetSgmc(2, 9.0);
  EXPECT_EQ(f.Sgmc(0), 0.3);
  EXPECT_EQ(f.Sgmc(2), 0.0);
}

TEST(TokResTest, StartsAtZeroAndHoldsNoResultMarks) {
  CTokRes t;
  for (double v : {t.Ht, t.ForceS, t.ForceM, t.D, t.fAsX, t.fAs, t.fX, t.Sgmc, t.Sgms, t.Tauc,
                   t.Sgmca, t.Sgmsa, t.Taua}) {
    EXPECT_EQ(v, 0.0);
  }
  t.Sgmc = t.Sgms = t.Tauc = kNullBox;
  EXPECT_TRUE(IsNullValue(t.Sgmc));
  EXPECT_TRUE(IsNullValue(t.Tauc));
}

}  // namespace
}  // namespace norva

// Owned records: count setters keep surviving records (same objects), add new
// ones only for new slots, and never hand out slots outside the counts.
#include <gtest/gtest.h>

#include <stdexcept>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/member_res.h"
#include "document/weight.h"

namespace norva {
namespace {

TEST(DocumentRecords, LoadCountShrinksAndGrowsWithFreshRecords) {
  CDocument doc;
  doc.SetnNiniCount(3);
  ASSERT_EQ(doc.nNiniCount(), 3);
  const auto l0 = doc.pNini(0);
  const auto l2 = doc.pNini(2);
  ASSERT_NE(l0, nullptr);
  ASSERT_NE(l2, nullptr);
  EXPECT_NE(l0, l2);
  l0->LoadName = "kept";

  doc.SetnNiniCount(1);
  EXPECT_EQ(doc.pNini(0), l0);
  EXPECT_EQ(doc.pNini(1), nullptr);
  EXPECT_EQ(doc.pNini(2), nullptr);

  doc.SetnNiniCount(0);
  EXPECT_EQ(doc.pNini(0), nullptr);
  doc.SetnNiniCount(2);
  ASSERT_NE(doc.pNini(0), nullptr);
  EXPECT_NE(doc.pNini(0), l0);  // released at 0, so a fresh record
  EXPECT_EQ(doc.pNini(0)->LoadName, "");
  EXPECT_EQ(doc.pNini(1)->nType, -1);

  doc.SetnNiniCount(-1);  // ignored
  EXPECT_EQ(doc.nNiniCount(), 2);

  // A record kept by another holder outlives its slot.
  EXPECT_EQ(l0->LoadName, "kept");
}

TEST(DocumentRecords, LoadAndCaseSlotsAreGuarded) {
  CDocument doc;
  doc.SetnNiniCount(1);
  doc.SetnCase(1);
  auto mine = std::make_shared<CNini>();
  doc.SetpNini(1, mine);  // outside: ignored
  EXPECT_EQ(doc.pNini(1), nullptr);
  doc.SetpNini(0, mine);
  EXPECT_EQ(doc.pNini(0), mine);
  EXPECT_EQ(doc.pNini(-1), nullptr);
  EXPECT_EQ(doc.pCase(1), nullptr);
  EXPECT_EQ(doc.pFotRes(1), nullptr);
  EXPECT_EQ(doc.pTokRes(-1), nullptr);
  EXPECT_EQ(doc.pWallRes(0, 1, 0), nullptr);
  EXPECT_EQ(doc.pWallRes(2, 0, 0), nullptr);
}

TEST(DocumentRecords, RaisingCasesKeepsEveryRecordOfTheOldCases) {
  CDocument doc;
  doc.SetnCase(2);
  doc.SetnWallSecCnt(0, 2);
  ASSERT_EQ(doc.nWallSecCnt(1), 1);

  std::shared_ptr<CKajyuCase> cases[2];
  std::shared_ptr<CWallRes> wall[2][2][2];
  std::shared_ptr<CFotRes> fot[2];
  std::shared_ptr<CTokRes> tok[2];
  for (int c = 0; c < 2; ++c) {
    cases[c] = doc.pCase(c);
    fot[c] = doc.pFotRes(c);
    tok[c] = doc.pTokRes(c);
    ASSERT_NE(cases[c], nullptr);
    ASSERT_NE(fot[c], nullptr);
    ASSERT_NE(tok[c], nullptr);
    for (int j = 0; j < 2; ++j)
      for (int k = 0; k < 2; ++k) wall[j][c][k] = doc.pWallRes(j, c, k);
    ASSERT_NE(wall[0][c][0], nullptr);
    ASSERT_NE(wall[0][c][1], nullptr);
    ASSERT_NE(wall[1][c][0], nullptr);
    EXPECT_EQ(wall[1][c][1], nullptr);  // part 1 has one section only
  }

  doc.SetnCase(3);
  for (int c = 0; c < 2; ++c) {
    EXPECT_EQ(doc.pCase(c), cases[c]);
    EXPECT_EQ(doc.pFotRes(c), fot[c]);
    EXPECT_EQ(doc.pTokRes(c), tok[c]);
    EXPECT_EQ(doc.pWallRes(0, c, 0), wall[0][c][0]);
    EXPECT_EQ(doc.pWallRes(0, c, 1), wall[0][c][1]);
    EXPECT_EQ(doc.pWallRes(1, c, 0), wall[1][c][0]);
  }
  ASSERT_NE(doc.pCase(2), nullptr);
  EXPECT_NE(doc.pCase(2), cases[1]);
  EXPECT_NE(doc.pFotRes(2), nullptr);
  EXPECT_NE(doc.pTokRes(2), nullptr);
  EXPECT_NE(doc.pWallRes(0, 2, 0), nullptr);
  EXPECT_NE(doc.pWallRes(0, 2, 1), nullptr);
  EXPECT_NE(doc.pWallRes(1, 2, 0), nullptr);
  EXPECT_EQ(doc.pWallRes(1, 2, 1), nullptr);
  EXPECT_NE(doc.pWallRes(0, 2, 0), doc.pWallRes(0, 2, 1));
}

TEST(DocumentRecords, LoweringCasesReleasesOnlyTheDroppedOnes) {
  CDocument doc;
  doc.SetnCase(3);
  const auto keep = doc.pCase(0);
  const auto keepWall = doc.pWallRes(0, 0, 0);
  const auto dropped = doc.pFotRes(2);

  doc.SetnCase(1);
  EXPECT_EQ(doc.pCase(0), keep);
  EXPECT_EQ(doc.pWallRes(0, 0, 0), keepWall);
  EXPECT_EQ(doc.pCase(1), nullptr);
  EXPECT_EQ(doc.pCase(2), nullptr);
  EXPECT_EQ(doc.pFotRes(1), nullptr);
  EXPECT_EQ(doc.pTokRes(2), nullptr);
  EXPECT_EQ(doc.pWallRes(0, 1, 0), nullptr);
  EXPECT_EQ(dropped.use_count(), 1);  // the document let go of it

  doc.SetnCase(0);
  EXPECT_EQ(doc.pCase(0), nullptr);
  EXPECT_EQ(doc.pFotRes(0), nullptr);
  EXPECT_EQ(doc.pWallRes(0, 0, 0), nullptr);

  doc.SetnCase(1);
  ASSERT_NE(doc.pCase(0), nullptr);
  EXPECT_NE(doc.pCase(0), keep);
  EXPECT_NE(doc.pFotRes(0), nullptr);
  EXPECT_NE(doc.pTokRes(0), nullptr);
  EXPECT_NE(doc.pWallRes(0, 0, 0), nullptr);
  EXPECT_NE(doc.pWallRes(1, 0, 0), nullptr);

  doc.SetnCase(-2);  // ignored
  EXPECT_EQ(doc.nCase(), 1);
}

TEST(DocumentRecords, RaisingSectionsKeepsHeightsAndRecords) {
  CDocument doc;
  doc.SetnCase(2);
  doc.SetWallSecY(0, 0, 1.5);
  doc.SetWallSecY(1, 0, 0.8);
  const auto s00 = doc.pWallRes(0, 0, 0);
  const auto s10 = doc.pWallRes(0, 1, 0);
  const auto p1c0 = doc.pWallRes(1, 0, 0);
  const auto p1c1 = doc.pWallRes(1, 1, 0);

  doc.SetnWallSecCnt(0, 3);
  EXPECT_EQ(doc.nWallSecCnt(0), 3);
  EXPECT_EQ(doc.WallSecY(0, 0), 1.5);
  EXPECT_EQ(doc.WallSecY(0, 1), 0);
  EXPECT_EQ(doc.WallSecY(0, 2), 0);
  EXPECT_EQ(doc.WallSecY(1, 0), 0.8);
  EXPECT_EQ(doc.WallSecY(1, 1), 0);  // part 1 still has one section
  EXPECT_EQ(doc.pWallRes(0, 0, 0), s00);
  EXPECT_EQ(doc.pWallRes(0, 1, 0), s10);
  EXPECT_EQ(doc.pWallRes(1, 0, 0), p1c0);
  EXPECT_EQ(doc.pWallRes(1, 1, 0), p1c1);
  for (int c = 0; c < 2; ++c) {
    for (int k = 1; k < 3; ++k) EXPECT_NE(doc.pWallRes(0, c, k), nullptr) << c << "," << k;
    EXPECT_EQ(doc.pWallRes(1, c, 1), nullptr);
  }
  EXPECT_NE(doc.pWallRes(0, 0, 1), doc.pWallRes(0, 1, 1));

  doc.SetWallSecY(0, 2, 2.75);
  doc.SetWallSecY(1, 1, 9.0);  // outside part 1's count: ignored
  EXPECT_EQ(doc.WallSecY(0, 2), 2.75);
  EXPECT_EQ(doc.WallSecY(1, 1), 0);
}

TEST(DocumentRecords, LoweringSectionsClearsDroppedHeights) {
  CDocument doc;
  doc.SetnCase(1);
  doc.SetnWallSecCnt(0, 3);
  doc.SetnWallSecCnt(1, 2);
  doc.SetWallSecY(1, 0, 0.5);
  doc.SetWallSecY(1, 1, 1.0);
  doc.SetWallSecY(0, 2, 3.0);
  const auto kept = doc.pWallRes(1, 0, 0);
  const auto dropped = doc.pWallRes(1, 0, 1);
  ASSERT_NE(dropped, nullptr);

  doc.SetnWallSecCnt(1, 1);
  EXPECT_EQ(doc.WallSecY(1, 0), 0.5);
  EXPECT_EQ(doc.WallSecY(1, 1), 0);
  EXPECT_EQ(doc.WallSecY(0, 2), 3.0);  // part 0 still has three sections
  EXPECT_EQ(doc.pWallRes(1, 0, 0), kept);
  EXPECT_EQ(doc.pWallRes(1, 0, 1), nullptr);
  EXPECT_EQ(dropped.use_count(), 1);

  // Raising part 1 again: the dropped section comes back at height 0 with
  // a new record, not the old one.
  doc.SetnWallSecCnt(1, 2);
  EXPECT_EQ(doc.WallSecY(1, 1), 0);
  EXPECT_NE(doc.pWallRes(1, 0, 1), nullptr);
  EXPECT_NE(doc.pWallRes(1, 0, 1), dropped);

  // Bad part or negative count: nothing changes.
  doc.SetnWallSecCnt(2, 4);
  doc.SetnWallSecCnt(0, -1);
  EXPECT_EQ(doc.nWallSecCnt(0), 3);
  EXPECT_EQ(doc.nWallSecCnt(1), 2);

  // Shrinking the larger part narrows the height table without losing the
  // other part's heights.
  doc.SetnWallSecCnt(0, 1);
  EXPECT_EQ(doc.WallSecY(1, 0), 0.5);
  EXPECT_EQ(doc.WallSecY(0, 2), 0);
}

TEST(DocumentRecords, SectionsWithoutCasesOnlyResizeHeights) {
  CDocument doc;
  doc.SetnWallSecCnt(0, 2);
  doc.SetWallSecY(0, 1, 1.2);
  EXPECT_EQ(doc.WallSecY(0, 1), 1.2);
  EXPECT_EQ(doc.pWallRes(0, 0, 1), nullptr);
  doc.SetnCase(1);  // cases bring the stem records of every section
  EXPECT_NE(doc.pWallRes(0, 0, 0), nullptr);
  EXPECT_NE(doc.pWallRes(0, 0, 1), nullptr);
  EXPECT_NE(doc.pWallRes(1, 0, 0), nullptr);
  EXPECT_EQ(doc.WallSecY(0, 1), 1.2);
}

TEST(DocumentRecords, StabilityResultsAreMadeOnFirstReadAndNotTrimmed) {
  CDocument doc;
  doc.SetnCase(2);
  const auto r = doc.AntRes(1, 7);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(doc.AntRes(1, 7), r);
  EXPECT_EQ(doc.AntRes(2, 0), nullptr);
  EXPECT_EQ(doc.AntRes(0, -1), nullptr);
  EXPECT_EQ(doc.AntRes(-1, 0), nullptr);

  doc.SetnCase(0);  // results are kept when cases go
  EXPECT_EQ(doc.AntRes(1, 7), r);

  auto mine = std::make_shared<CAntRes>();
  doc.SetAntRes(0, 3, mine);
  EXPECT_EQ(doc.AntRes(0, 3), mine);
  doc.SetAntRes(0, 3, nullptr);
  const auto fresh = doc.AntRes(0, 3);
  ASSERT_NE(fresh, nullptr);
  EXPECT_NE(fresh, mine);
  doc.SetAntRes(2, 0, mine);  // ignored
  EXPECT_EQ(doc.AntRes(2, 0), nullptr);
}

TEST(DocumentRecords, WaterLevelRecordsFollowTheirCount) {
  CDocument doc;
  doc.SetnWlvlCase(2);
  const auto w0 = doc.WlvlRes(0);
  ASSERT_NE(w0, nullptr);
  ASSERT_NE(doc.WlvlRes(1), nullptr);
  EXPECT_EQ(doc.WlvlRes(2), nullptr);
  EXPECT_THROW((void)doc.WlvlRes(-1), std::out_of_range);
  EXPECT_THROW(doc.SetWlvlRes(-1, nullptr), std::out_of_range);

  doc.SetnWlvlCase(3);
  EXPECT_EQ(doc.WlvlRes(0), w0);
  EXPECT_NE(doc.WlvlRes(2), nullptr);

  doc.SetnWlvlCase(0);
  EXPECT_EQ(doc.WlvlRes(0), nullptr);
  EXPECT_EQ(w0.use_count(), 1);

  auto mine = std::make_shared<CWlvlCalc>();
  doc.SetnWlvlCase(1);
  doc.SetWlvlRes(0, mine);
  doc.SetWlvlRes(1, mine);  // outside: ignored
  EXPECT_EQ(doc.WlvlRes(0), mine);
  EXPECT_EQ(doc.WlvlRes(1), nullptr);
}

TEST(DocumentRecords, PolygonSlotsRejectIndexesOutsideZeroAndOne) {
  CDocument doc;
  auto w = std::make_shared<CWeight>();
  doc.SetKutaiW1(1, w);
  doc.SetSoilW2(1, 0, w);
  doc.SetFuryokuS(0, w);
  EXPECT_EQ(doc.KutaiW1(1), w);
  EXPECT_EQ(doc.SoilW2(1, 0), w);
  EXPECT_EQ(doc.SoilW2(0, 1), nullptr);
  EXPECT_EQ(doc.FuryokuS(0), w);
  EXPECT_EQ(doc.Furyoku1(0), nullptr);

  EXPECT_THROW((void)doc.KutaiW1(2), std::out_of_range);
  EXPECT_THROW(doc.SetFuryoku2(-1, w), std::out_of_range);
  EXPECT_THROW((void)doc.SoilW1(0, 2), std::out_of_range);
  EXPECT_THROW(doc.SetSoilWS(2, 0, w), std::out_of_range);
  EXPECT_THROW((void)doc.KutaiW2(-1), std::out_of_range);
}

TEST(DocumentRecords, RebuildGivesEverySlotInUseAnEmptyRecord) {
  CDocument doc;
  doc.RebuildOwnedRecords(2, 3, 2, 1);
  EXPECT_EQ(doc.nNiniCount(), 2);
  EXPECT_EQ(doc.nCase(), 3);
  EXPECT_EQ(doc.nWallSecCnt(0), 2);
  EXPECT_EQ(doc.nWallSecCnt(1), 1);
  for (int c = 0; c < 3; ++c) {
    EXPECT_NE(doc.pCase(c), nullptr);
    EXPECT_NE(doc.pFotRes(c), nullptr);
    EXPECT_NE(doc.pTokRes(c), nullptr);
    EXPECT_NE(doc.pWallRes(0, c, 0), nullptr);
    EXPECT_NE(doc.pWallRes(0, c, 1), nullptr);
    EXPECT_NE(doc.pWallRes(1, c, 0), nullptr);
    EXPECT_EQ(doc.pWallRes(1, c, 1), nullptr);
  }
  EXPECT_NE(doc.pNini(1), nullptr);
  EXPECT_EQ(doc.WallSecY(0, 1), 0);

  // The count setters carry on from there as usual.
  const auto c0 = doc.pCase(0);
  doc.SetnCase(4);
  EXPECT_EQ(doc.pCase(0), c0);
  EXPECT_NE(doc.pWallRes(0, 3, 1), nullptr);
}

}  // namespace
}  // namespace norva

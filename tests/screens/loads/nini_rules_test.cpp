// The arbitrary-load list: grid columns per kind, targets, storing cells,
// and delete and restore keeping every case acting on the same loads.
#include "screens/loads/nini_rules.h"

#include <gtest/gtest.h>

#include "document/document.h"
#include "document/nulls.h"
#include "screens/loads/nini_test_support.h"

namespace norva {
namespace {

std::string Shown(int kind) {
  std::string s;
  const auto cols = NiniColumns(kind);
  for (int c = 1; c <= kNiniCols; ++c) {
    const NiniColumn& col = cols[static_cast<size_t>(c)];
    if (col.shown) s += col.line1 + "/" + col.line2 + ";";
  }
  return s;
}

TEST(NiniColumns, EachKindShowsItsColumnsWithTwoLineHeadings) {
  EXPECT_EQ(Shown(0), "作用位置/X (m);作用位置/Y (m);載荷荷重/P (kN);");
  EXPECT_EQ(Shown(1), Shown(0));
  EXPECT_EQ(Shown(2),
            "作用位置/X1 (m);作用位置/X2 (m);作用位置/Y (m);載荷荷重/P1(kN/m);載荷荷重/P2(kN/m);");
  EXPECT_EQ(Shown(3),
            "作用位置/X (m);作用位置/Y1(m);作用位置/Y2(m);載荷荷重/P1(kN/m);載荷荷重/P2(kN/m);");
  EXPECT_EQ(Shown(-1), Shown(0)) << "no kind yet: stored as a point load";
  EXPECT_FALSE(NiniColumns(2)[4].shown);  // Y2 hidden for a vertical distributed load
  EXPECT_FALSE(NiniColumns(3)[2].shown);  // X2 hidden for a horizontal one
}

TEST(NiniTargetBits, OneBitPerCalculation) {
  EXPECT_EQ(NiniTargetBits(false, false, false), 0);
  EXPECT_EQ(NiniTargetBits(true, false, true), 5);  // stability and toe slab
  EXPECT_EQ(NiniTargetBits(true, true, true), 7);
}

TEST(StoreNiniGrid, OnlyShownColumnsWithANumberAreStored) {
  CNini load;
  load.nType = 2;  // vertical distributed: X1 X2 Y1 P1 P2
  load.Y2 = 9;
  NiniCells cells;
  cells[1] = 0.5;
  cells[2] = 1.5;
  cells[4] = 7.0;  // Y2 is hidden: not stored
  cells[5] = 10;
  StoreNiniGrid(load, cells);
  EXPECT_EQ(load.X1, 0.5);
  EXPECT_EQ(load.X2, 1.5);
  EXPECT_EQ(load.Y1, kNullBox) << "an empty cell leaves its member";
  EXPECT_EQ(load.Y2, 9);
  EXPECT_EQ(load.P1, 10);
  // Filling the grid again shows the stored values of the shown columns.
  const NiniCells back = NiniGridValues(load);
  EXPECT_EQ(back[2], 1.5);
  EXPECT_FALSE(back[3].has_value());  // null Y1: empty cell
  EXPECT_FALSE(back[4].has_value());  // hidden Y2
}

using test::Acting;

// A document with loads "A", "B", "C" and two cases.
std::unique_ptr<CDocument> ThreeLoadsTwoCases() {
  auto d = std::make_unique<CDocument>();
  d->SetnCase(2);
  test::AddThreeLoads(*d);
  return d;
}

TEST(DeleteNini, EveryCaseKeepsActingOnTheSameLoads) {
  auto d = ThreeLoadsTwoCases();
  ASSERT_EQ(Acting(*d, 0), "AC");
  ASSERT_EQ(Acting(*d, 1), "BC");
  ASSERT_TRUE(DeleteNini(*d, 1));  // "B"
  EXPECT_EQ(d->nNiniCount(), 2);
  EXPECT_EQ(d->pNini(1)->LoadName, "C");
  EXPECT_EQ(d->pCase(0)->nNiniCount(), 2);
  EXPECT_EQ(Acting(*d, 0), "AC");
  EXPECT_EQ(Acting(*d, 1), "C");
  ASSERT_TRUE(DeleteNini(*d, 0));  // "A"
  EXPECT_EQ(Acting(*d, 0), "C");
  EXPECT_EQ(Acting(*d, 1), "C");
  EXPECT_FALSE(DeleteNini(*d, 1));
  EXPECT_FALSE(DeleteNini(*d, -1));
}

TEST(DeleteNini, ALoadAddedSinceTheCasesWereSetHasNoSwitchToDrop) {
  auto d = ThreeLoadsTwoCases();
  AddNini(*d, "D");  // the cases still know three loads
  ASSERT_TRUE(DeleteNini(*d, 3));
  EXPECT_EQ(d->pCase(0)->nNiniCount(), 3);
  EXPECT_EQ(Acting(*d, 0), "AC");
}

TEST(NiniSnapshot, RestoreGivesBackLoadsAndEveryCasesSwitches) {
  auto d = ThreeLoadsTwoCases();
  d->pNini(2)->nType = 3;
  d->pNini(2)->P1 = 12.5;
  const NiniSnapshot kept = TakeNiniSnapshot(*d);
  DeleteNini(*d, 0);
  AddNini(*d, "E");
  AddNini(*d, "F");
  d->pNini(0)->LoadName = "changed";
  d->pCase(1)->SetnNini(0, 0);
  RestoreNiniSnapshot(*d, kept);
  ASSERT_EQ(d->nNiniCount(), 3);
  EXPECT_EQ(d->pNini(0)->LoadName, "A");
  EXPECT_EQ(d->pNini(1)->LoadName, "B");
  EXPECT_EQ(d->pNini(2)->LoadName, "C");
  EXPECT_EQ(d->pNini(2)->nType, 3);
  EXPECT_EQ(d->pNini(2)->P1, 12.5);
  EXPECT_EQ(d->pCase(0)->nNiniCount(), 3);
  EXPECT_EQ(Acting(*d, 0), "AC");
  EXPECT_EQ(Acting(*d, 1), "BC");
}

TEST(NiniSnapshot, RestoringAnEmptyListRemovesAddedLoads) {
  CDocument d;
  d.SetnCase(1);
  const NiniSnapshot kept = TakeNiniSnapshot(d);
  AddNini(d, "A");
  d.pCase(0)->SetnNiniCount(1);
  d.pCase(0)->SetnNini(0, 1);
  RestoreNiniSnapshot(d, kept);
  EXPECT_EQ(d.nNiniCount(), 0);
  EXPECT_EQ(d.pCase(0)->nNiniCount(), 0);
  EXPECT_EQ(DeleteNiniQuestion("荷重1"), "荷重1を削除してもよろしいですか？");
}

}  // namespace
}  // namespace norva

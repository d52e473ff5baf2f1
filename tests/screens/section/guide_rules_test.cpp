// Guide-picture names, the highlight tables and the box table of the
// wall-section screen.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "document/document.h"
#include "screens/section/guide_pictures.h"
#include "screens/section/kutai_fields.h"

namespace norva {
namespace {

TEST(GuideFileNames, FollowTheNameRule) {
  struct Row {
    int32_t type, sisin;
    int shape;
    int32_t back, tokki;
    const char* name;
  };
  const Row rows[] = {
      {0, 3, 0, 1, 0, "OOGATA_SUIHEI_KIRIDO.svg"},
      {0, 3, 0, 1, 1, "OOGATA_SUIHEI_KIRIDO.svg"},  // block walls never have _T
      {0, 2, 3, 0, 0, "BLOCK_NINNI_MORIDO.svg"},
      {1, 0, 1, 0, 1, "GRW_NORI_MORIDO_T.svg"},
      {1, 0, -1, 0, 0, "GRW_MORIDO.svg"},  // no shape selected
      {2, 3, 2, 1, 0, "MOTARE_DAIKEI_KIRIDO.svg"},
      {3, 0, 0, 0, 1, "KONGO_SUIHEI_MORIDO_T.svg"},
      {3, 0, 0, 0, 2, "KONGO_SUIHEI_MORIDO.svg"},
      {4, 0, 0, 0, 0, ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(GuideFileName(r.type, r.sisin, r.shape, r.back, r.tokki), r.name);
  }
}

TEST(HanRectTables, EntriesOfEachWallTypeAndKey) {
  HanRectTables t;
  SetHantenRect(t, 0, 1);
  EXPECT_EQ(t.Wall[5], (HanRect{2925, 7185, 225, 225}));
  EXPECT_EQ(t.Ura[5], (HanRect{4995, 2460, 1035, 240}));
  EXPECT_EQ(t.Tokki[0], HanRect{});  // block walls set no key entries
  SetHantenRect(t, 1, 0);
  EXPECT_EQ(t.Wall[1], (HanRect{3405, 7095, 240, 240}));
  EXPECT_EQ(t.Ura[5], (HanRect{9999, 9999, 1, 1}));
  EXPECT_EQ(t.Wall[9], (HanRect{1320, 7035, 270, 255}));  // kept from the block wall
  SetHantenRect(t, 1, 1);
  EXPECT_EQ(t.Wall[1], (HanRect{3285, 7095, 240, 240}));
  EXPECT_EQ(t.Wall[5], (HanRect{1260, 5775, 280, 240}));
  SetHantenRect(t, 2, 1);
  EXPECT_EQ(t.Wall[1], (HanRect{210, 6345, 270, 240}));
  EXPECT_EQ(t.Wall[8], (HanRect{3720, 6390, 270, 210}));  // the leaning wall leaves 8
  EXPECT_EQ(t.Wall[9], (HanRect{195, 6825, 300, 240}));
  SetHantenRect(t, 3, 1);
  EXPECT_EQ(t.Wall[0], (HanRect{105, 2640, 315, 255}));
  EXPECT_EQ(t.Wall[11], HanRect{});  // not set with a key, zero from the start
  SetHantenRect(t, 3, 2);            // mixed walls test Tokki = 1
  EXPECT_EQ(t.Wall[0], (HanRect{120, 2610, 255, 300}));
  EXPECT_EQ(t.Wall[11], (HanRect{1155, 5865, 285, 255}));
  HanRectTables before = t;
  SetHantenRect(t, 7, 0);
  EXPECT_EQ(t.Wall, before.Wall);
}

TEST(HanRectTables, BoxesMapToTheirEntries) {
  struct Row {
    const char* box;
    int index;
    int32_t type;
    HanTable table;
    int entry;
  };
  const Row rows[] = {
      {"imnBlockSize", 4, 0, HanTable::kWall, 4},  {"imnBlockSize", 5, 0, HanTable::kNone, 0},
      {"imnFoundSize", 3, 0, HanTable::kWall, 8},  {"imnMtwSize", 8, 2, HanTable::kNone, 0},
      {"imnKeisya", 0, 0, HanTable::kWall, 9},     {"imnKeisya", 1, 1, HanTable::kWall, 7},
      {"imnKeisya", 2, 2, HanTable::kWall, 9},     {"imnKeisya", 3, 3, HanTable::kWall, 11},
      {"imnSOILFH", 1, 1, HanTable::kUra, 0},      {"imnNoriN", -1, 1, HanTable::kUra, 5},
      {"imnWatb", 1, 1, HanTable::kWater, 1},      {"imnKirido", 1, 1, HanTable::kKiri, 1},
      {"imnKirido", 2, 1, HanTable::kNone, 0},     {"imnTokkiSize", 7, 3, HanTable::kTokki, 1},
      {"imnBlockLength", 1, 1, HanTable::kNone, 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.box) + std::to_string(r.index));
    const HanEntry e = HighlightEntry(r.box, r.index, r.type);
    EXPECT_EQ(e.table, r.table);
    if (r.table != HanTable::kNone) {
      EXPECT_EQ(e.index, r.entry);
    }
  }
}

TEST(KutaiFieldTable, EveryBoxWritesItsOwnMemberAndShowsItsRange) {
  std::set<std::pair<std::string, int>> seen;
  for (const KutaiField& f : KutaiFields()) {
    SCOPED_TRACE(std::string(f.name) + "[" + std::to_string(f.index) + "]");
    EXPECT_TRUE(seen.insert({f.name, f.index}).second) << "listed twice";
    EXPECT_LT(f.lo, f.hi);
    if (!f.set) continue;
    CDocument d;
    f.set(d, 1.234);
    EXPECT_EQ(f.get(d), 1.234);
  }
  EXPECT_EQ(seen.size(), 69u);
}

}  // namespace
}  // namespace norva

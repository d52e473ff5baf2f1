#pragma once
// The guide pictures of the wall-section screen: which picture shows for the
// wall type, back-ground shape, back type and shear key, and where in it the
// label of each dimension box lies (the rectangle the screen highlights while
// the box has the focus). Rectangles are in twips of the picture, 15 twips to
// a pixel at 100 %; the pictures are drawn on the same grid.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace norva {

// A rectangle of the picture, twips.
struct HanRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  bool operator==(const HanRect&) const = default;
};

// The five tables of the screen, each indexed 0 to 20: boxes of the wall-type
// page, front soil and back ground, water levels, cut slope, shear key.
struct HanRectTables {
  std::array<HanRect, 21> Wall{};
  std::array<HanRect, 21> Ura{};
  std::array<HanRect, 21> Water{};
  std::array<HanRect, 21> Kiri{};
  std::array<HanRect, 21> Tokki{};
};

// Fills the tables for the wall type and shear key. Entries the wall type
// does not use keep what they held (all zero before the first call); a wall
// type outside 0..3 sets nothing.
void SetHantenRect(HanRectTables& t, int32_t wallType, int32_t tokki);

// File name of the guide picture (with ".svg"), from the wall type, the
// guideline, the index of the selected back-ground option (-1 none), the
// back type and the shear key: wall part BLOCK_ (OOGATA_ under large-block
// masonry), GRW_, MOTARE_, KONGO_; shape part SUIHEI_, NORI_, DAIKEI_,
// NINNI_ (none for -1); MORIDO or KIRIDO (BackType != 0); "_T" for a wall
// other than block masonry with Tokki 1. "" for a wall type outside 0..3.
std::string GuideFileName(int32_t wallType, int32_t sisin, int shapeIndex, int32_t backType,
                          int32_t tokki);

// Every name the rule gives for valid inputs (a selected shape): 64 names.
std::vector<std::string> AllGuideFileNames();

// The table entry a dimension box highlights.
enum class HanTable { kNone, kWall, kUra, kWater, kKiri, kTokki };
struct HanEntry {
  HanTable table = HanTable::kNone;
  int index = 0;
};
// For the box `name` with Index `index` on a document of `wallType`;
// kNone for a box without a highlight.
HanEntry HighlightEntry(const std::string& name, int index, int32_t wallType);
// The rectangle of an entry (a zero rectangle for kNone).
HanRect EntryRect(const HanRectTables& t, const HanEntry& e);

}  // namespace norva

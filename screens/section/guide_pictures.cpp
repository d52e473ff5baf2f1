#include "screens/section/guide_pictures.h"

namespace norva {
namespace {

using Table = std::array<HanRect, 21>;

// Sets entries 0, 1, … of a table from the list.
void Set(Table& t, std::initializer_list<HanRect> rects) {
  size_t i = 0;
  for (const HanRect& r : rects) t[i++] = r;
}

// Two variants of a rectangle: without (a) or with (b) a shear key.
HanRect Key(bool key, HanRect a, HanRect b) { return key ? b : a; }

void BlockTables(HanRectTables& t) {
  Set(t.Wall, {{105, 4965, 255, 225},
               {3330, 3735, 255, 225},
               {5100, 2660, 420, 255},
               {2760, 6900, 420, 255},
               {2940, 4485, 660, 225},
               {2925, 7185, 225, 225},
               {2655, 5130, 285, 225},
               {1320, 6540, 270, 255},
               {3720, 6390, 270, 210},
               {1320, 7035, 270, 255}});
  Set(t.Ura, {{975, 6015, 255, 1050},
              {2595, 3240, 330, 270},
              {4860, 2040, 300, 240},
              {5445, 2040, 300, 240},
              {5925, 3240, 315, 240},
              {4995, 2460, 1035, 240}});
  Set(t.Water, {{585, 5925, 285, 840}, {5310, 5700, 285, 840}});
  Set(t.Kiri, {{3600, 7230, 315, 195}, {4995, 4440, 630, 240}});
}

void GravityTables(HanRectTables& t, bool key) {
  Set(t.Wall, {{105, 4590, 240, 270},
               Key(key, {3405, 7095, 240, 240}, {3285, 7095, 240, 240}),
               {2970, 1725, 285, 270},
               {3510, 1725, 285, 270},
               Key(key, {2160, 4305, 300, 255}, {2160, 4395, 300, 255}),
               Key(key, {1305, 5505, 285, 240}, {1260, 5775, 280, 240}),
               {2415, 3960, 630, 255},
               {1305, 5850, 285, 240}});
  Set(t.Ura, {{930, 5280, 270, 1020},
              {1995, 3270, 330, 255},
              {4215, 1980, 330, 255},
              {4980, 1980, 330, 255},
              {5760, 3150, 315, 255},
              {9999, 9999, 1, 1}});
  Set(t.Water, {{570, 5160, 225, 885}, {4815, 4935, 240, 885}});
  Set(t.Kiri, {{4680, 7095, 225, 255}, {5250, 4785, 615, 255}});
  Set(t.Tokki, {{2795, 6745, 270, 240}, {3660, 6745, 270, 240}, {3630, 5895, 270, 240}});
}

void LeaningTables(HanRectTables& t, bool key) {
  Set(t.Wall, {{225, 4605, 270, 240},
               Key(key, {195, 6285, 270, 240}, {210, 6345, 270, 240}),
               {4170, 5790, 270, 240},
               {2310, 2070, 315, 250},
               {3435, 2070, 315, 250},
               {4410, 2070, 315, 250},
               {3975, 7215, 315, 240},
               {3060, 4065, 630, 225}});
  t.Wall[9] = {195, 6825, 300, 240};  // entry 8 (the back gradient) has none
  Set(t.Ura, {{1380, 5880, 225, 1020},
              {3000, 3105, 315, 240},
              {4710, 2400, 315, 240},
              {5250, 2415, 315, 240},
              {5925, 3090, 330, 240},
              {5055, 2355, 885, 225}});
  Set(t.Water, {{945, 5745, 195, 870}, {5340, 5550, 225, 825}});
  Set(t.Kiri, {{3645, 6960, 240, 195}, {5055, 4260, 645, 255}});
  Set(t.Tokki, {{2235, 7230, 270, 225}, {2895, 7230, 270, 225}, {2835, 6510, 240, 225}});
}

// Mixed walls test the key as Tokki = 1 against any other value.
void MixedTables(HanRectTables& t, bool key) {
  Set(t.Wall, {Key(key, {120, 2610, 255, 300}, {105, 2640, 315, 255}),
               Key(key, {2595, 3510, 195, 210}, {2580, 3315, 270, 255}),
               Key(key, {4350, 705, 390, 240}, {4290, 705, 390, 240}),
               Key(key, {3630, 4560, 390, 240}, {3585, 4560, 390, 240}),
               Key(key, {3255, 1920, 645, 225}, {3180, 1905, 660, 255}),
               Key(key, {135, 5070, 240, 225}, {120, 5055, 270, 255}),
               Key(key, {2940, 7050, 285, 225}, {2880, 7020, 270, 255}),
               Key(key, {2535, 2340, 285, 225}, {2475, 2325, 270, 255}),
               Key(key, {3120, 2340, 285, 225}, {3075, 2325, 270, 255}),
               Key(key, {2460, 4545, 285, 225}, {2415, 4545, 285, 255}),
               Key(key, {4050, 4650, 300, 240}, {4035, 4650, 300, 255})});
  if (!key) t.Wall[11] = {1155, 5865, 285, 255};
  Set(t.Ura, {Key(key, {930, 5250, 255, 1065}, {840, 5235, 255, 1065}),
              Key(key, {2805, 1380, 300, 270}, {2850, 1395, 315, 255}),
              Key(key, {4800, 120, 300, 255}, {4860, 120, 315, 240}),
              Key(key, {5475, 120, 300, 255}, {5535, 120, 315, 255}),
              Key(key, {5940, 1260, 300, 255}, {6000, 1275, 315, 255}),
              Key(key, {5115, 885, 900, 270}, {5190, 885, 870, 255})});
  Set(t.Water, {{570, 5145, 210, 885}, {4755, 4545, 240, 870}});
  Set(t.Kiri, {Key(key, {3945, 6930, 315, 270}, {4005, 6945, 330, 255}),
               Key(key, {5220, 3960, 600, 255}, {5250, 3960, 630, 255})});
  Set(t.Tokki, {{2310, 6645, 315, 225}, {3030, 6645, 315, 225}, {2970, 5910, 300, 225}});
}

}  // namespace

void SetHantenRect(HanRectTables& t, int32_t wallType, int32_t tokki) {
  switch (wallType) {
    case 0:
      BlockTables(t);
      break;
    case 1:
      GravityTables(t, tokki != 0);
      break;
    case 2:
      LeaningTables(t, tokki != 0);
      break;
    case 3:
      MixedTables(t, tokki == 1);
      break;
    default:
      break;
  }
}

std::string GuideFileName(int32_t wallType, int32_t sisin, int shapeIndex, int32_t backType,
                          int32_t tokki) {
  std::string name;
  switch (wallType) {
    case 0:
      name = sisin == 3 ? "OOGATA_" : "BLOCK_";
      break;
    case 1:
      name = "GRW_";
      break;
    case 2:
      name = "MOTARE_";
      break;
    case 3:
      name = "KONGO_";
      break;
    default:
      return "";
  }
  static const char* const kShapes[] = {"SUIHEI_", "NORI_", "DAIKEI_", "NINNI_"};
  if (shapeIndex >= 0 && shapeIndex <= 3) name += kShapes[shapeIndex];
  name += backType != 0 ? "KIRIDO" : "MORIDO";
  if (wallType != 0 && tokki == 1) name += "_T";
  return name + ".svg";
}

std::vector<std::string> AllGuideFileNames() {
  std::vector<std::string> names;
  // Block masonry twice (other guidelines, large blocks), then the three
  // walls with a shear key option.
  const std::pair<int32_t, int32_t> walls[] = {{0, 0}, {0, 3}, {1, 0}, {2, 0}, {3, 0}};
  for (const auto& [type, sisin] : walls)
    for (int shape = 0; shape < 4; ++shape)
      for (int32_t back = 0; back < 2; ++back)
        for (int32_t key = 0; key < (type == 0 ? 1 : 2); ++key)
          names.push_back(GuideFileName(type, sisin, shape, back, key));
  return names;
}

HanEntry HighlightEntry(const std::string& name, int index, int32_t wallType) {
  auto wall = [](int i) { return HanEntry{HanTable::kWall, i}; };
  if (name == "imnBlockSize") return index <= 4 ? wall(index) : HanEntry{};
  if (name == "imnFoundSize") return wall(index + 5);
  if (name == "imnGrwSize" || name == "imnCongouSize") return wall(index);
  if (name == "imnMtwSize") return index <= 7 ? wall(index) : HanEntry{};
  if (name == "imnKeisya") {
    switch (wallType) {
      case 0:
      case 2:
        return wall(9);
      case 1:
        return wall(7);
      case 3:
        return wall(11);
      default:
        return {};
    }
  }
  if (name == "imnSOILFH") return {HanTable::kUra, 0};
  if (name == "imnHD") return {HanTable::kUra, 1};
  if (name == "imnX1") return {HanTable::kUra, 2};
  if (name == "imnX2") return {HanTable::kUra, 3};
  if (name == "imnH0") return {HanTable::kUra, 4};
  if (name == "imnNoriN") return {HanTable::kUra, 5};
  if (name == "imnWatf") return {HanTable::kWater, 0};
  if (name == "imnWatb") return {HanTable::kWater, 1};
  if (name == "imnKirido") return index <= 1 ? HanEntry{HanTable::kKiri, index} : HanEntry{};
  if (name == "imnTokkiSize") return {HanTable::kTokki, index % 3};
  return {};
}

HanRect EntryRect(const HanRectTables& t, const HanEntry& e) {
  if (e.index < 0 || e.index > 20) return {};
  switch (e.table) {
    case HanTable::kWall:
      return t.Wall[static_cast<size_t>(e.index)];
    case HanTable::kUra:
      return t.Ura[static_cast<size_t>(e.index)];
    case HanTable::kWater:
      return t.Water[static_cast<size_t>(e.index)];
    case HanTable::kKiri:
      return t.Kiri[static_cast<size_t>(e.index)];
    case HanTable::kTokki:
      return t.Tokki[static_cast<size_t>(e.index)];
    default:
      return {};
  }
}

}  // namespace norva

#include "catalogue_pictures_gen.h"

#include <vector>

#include "svg_builder.h"

namespace norva::guide {
namespace {

constexpr const char* kMarked = "#f0a040";  // the subject of the step
constexpr double kGround = 3650;

// What a step brings out.
enum class Subject {
  kNone,
  kBackfill,
  kEmbankment,
  kSlope,
  kHeight,
  kFoundation,
  kStructure,
  kBackConcrete,
  kUnitWeight,
  kSurcharge,
  kAll
};

Subject SubjectOf(int32_t wallType, int step) {
  using S = Subject;
  static const std::vector<S> block = {S::kStructure,  S::kBackConcrete, S::kSlope, S::kBackfill,
                                       S::kUnitWeight, S::kSurcharge,    S::kAll};
  static const std::vector<S> gravity = {S::kBackfill, S::kEmbankment, S::kSlope, S::kHeight,
                                         S::kAll};
  static const std::vector<S> leaning = {S::kFoundation, S::kBackfill, S::kEmbankment,
                                         S::kSlope,      S::kHeight,   S::kAll};
  const std::vector<S>& list = wallType == 0 ? block : wallType == 1 ? gravity : leaning;
  return step >= 0 && step < static_cast<int>(list.size()) ? list[static_cast<size_t>(step)]
                                                           : S::kNone;
}

// The outline of the wall (front toe first, counter-clockwise on paper) and
// the points the dimensions use.
struct Sketch {
  std::vector<P> wall;
  std::vector<P> blocks;        // block walls: the courses' band
  std::vector<P> backConcrete;  // block walls
  P toe, crestFront, crestBack;
  double baseY;
  double frontX;        // front of the base
  double heelX;         // back of the base
  std::vector<P> back;  // the wall's back below the crest, down to the heel
};

Sketch Of(int32_t wallType) {
  Sketch k;
  switch (wallType) {
    case 0:
      k.toe = {1150, 3350};
      k.crestFront = {1950, 900};
      k.crestBack = {2650, 900};
      k.baseY = kGround;
      k.wall = {{800, 3350}, {2350, 3350}, {2350, kGround}, {800, kGround}};  // footing
      k.frontX = 800;
      k.heelX = 2350;
      k.back = {{2100, 3350}, {2350, 3350}, {2350, kGround}};
      k.blocks = {k.toe, k.crestFront, {2300, 900}, {1500, 3350}};
      k.backConcrete = {{1500, 3350}, {2300, 900}, k.crestBack, {2100, 3350}};
      break;
    case 1:
      k.toe = {900, kGround};
      k.crestFront = {1550, 900};
      k.crestBack = {1950, 900};
      k.baseY = kGround;
      k.wall = {k.toe, k.crestFront, k.crestBack, {2450, kGround}};
      k.frontX = 900;
      k.heelX = 2450;
      k.back = {{2450, kGround}};
      break;
    default:
      k.toe = {1150, 3350};
      k.crestFront = {2100, 900};
      k.crestBack = {2500, 900};
      k.baseY = kGround;
      k.wall = {{700, kGround}, {700, 3350},  k.toe,          k.crestFront,
                k.crestBack,    {1650, 3050}, {1650, kGround}};
      k.frontX = 700;
      k.heelX = 1650;
      k.back = {{1650, 3050}, {1650, kGround}};
      break;
  }
  return k;
}

}  // namespace

std::string StepPictureSvg(int32_t wallType, int step) {
  const Subject subject = SubjectOf(wallType, step);
  const bool all = subject == Subject::kAll;
  const Sketch k = Of(wallType);
  Svg s(kStepWidth, kStepHeight);

  // Foundation, backfill (with the embankment where it matters), wall.
  const bool foundation = subject == Subject::kFoundation;
  s.Poly({{0, k.baseY}, {kStepWidth, k.baseY}, {kStepWidth, kStepHeight}, {0, kStepHeight}},
         foundation ? kMarked : "#f6eedb", "none");
  s.Line({0, k.baseY}, {kStepWidth, k.baseY});
  const bool backfill = subject == Subject::kBackfill || subject == Subject::kUnitWeight;
  const bool embankment = subject == Subject::kEmbankment || (all && wallType != 0);
  std::vector<P> soil = {k.crestBack};
  if (embankment) soil.insert(soil.end(), {{2900, 900}, {3400, 450}, {kStepWidth, 450}});
  soil.insert(soil.end(), {{kStepWidth, embankment ? 450.0 : 900.0}, {kStepWidth, k.baseY}});
  soil.insert(soil.end(), k.back.rbegin(), k.back.rend());
  s.Poly(soil, backfill ? kMarked : kSoil, "none");
  std::vector<P> top = {k.crestBack};
  if (embankment)
    top.insert(top.end(), {{2900, 900}, {3400, 450}, {kStepWidth, 450}});
  else
    top.push_back({kStepWidth, 900});
  s.Lines(top);
  s.Poly({{0, 3000}, {k.frontX, 3000}, {k.frontX, k.baseY}, {0, k.baseY}}, kSoil, "none");
  s.Poly(k.wall, kConcrete);
  if (wallType == 0) {
    s.Poly(k.backConcrete, subject == Subject::kBackConcrete ? kMarked : kBackfillConcrete);
    s.Poly(k.blocks, subject == Subject::kStructure ? kMarked : kBlock);
    for (int i = 1; i < 7; ++i) {
      const double a = i / 7.0;
      s.Line({k.toe.x + (k.crestFront.x - k.toe.x) * a, k.toe.y + (k.crestFront.y - k.toe.y) * a},
             {1500 + 800 * a, 3350 - 2450 * a}, kInk, 5);
    }
  }

  // Words and dimensions of the subject.
  switch (subject) {
    case Subject::kBackfill:
      s.Note({3100, 2300}, "裏込め土");
      break;
    case Subject::kUnitWeight:
      s.Note({3100, 2300}, "裏込め土 γ");
      break;
    case Subject::kFoundation:
      s.Note({1950, 4100}, "基礎地盤");
      break;
    case Subject::kStructure:
      s.Note({1000, 600}, "練積み・空積み");
      break;
    case Subject::kBackConcrete:
      s.DimH(2300, 2650, 700, 900, 900);
      s.Note({2475, 480}, "⊿t");
      break;
    case Subject::kSurcharge:
      for (double x = 2900; x < kStepWidth; x += 250) {
        s.Line({x, 350}, {x, 820}, kDimInk, 8);
        s.Arrow({x, 880}, {x, 350});
      }
      s.Line({2800, 350}, {kStepWidth, 350}, kDimInk, 8);
      s.Note({3350, 200}, "q");
      break;
    default:
      break;
  }
  const bool height = subject == Subject::kHeight || subject == Subject::kEmbankment || all;
  if (height) {
    s.DimV(k.crestFront.y, k.baseY, 400, k.crestFront.x, k.frontX);
    s.Note({220, (k.crestFront.y + k.baseY) / 2}, "H");
  }
  if (embankment) {
    s.DimV(450, 900, 3700, 3400, 2900);
    s.Note({3700, 250}, "H_0");
  }
  if (subject == Subject::kSlope || all) {
    const P mid{(k.toe.x + k.crestFront.x) / 2, (k.toe.y + k.crestFront.y) / 2};
    s.Note({mid.x - 450, mid.y}, wallType == 2 ? "1:N_1" : "1:N");
  }
  if (all) {
    s.DimH(k.frontX, k.heelX, 4250, k.baseY, k.baseY);
    s.Note({(k.frontX + k.heelX) / 2, 4100}, "B");
  }
  return s.Text();
}

}  // namespace norva::guide

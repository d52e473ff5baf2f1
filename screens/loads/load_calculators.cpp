#include "screens/loads/load_calculators.h"

#include <array>
#include <cmath>

#include "document/document.h"
#include "document/nulls.h"

namespace norva {

std::optional<double> WindPressure(const WindFactors& f) {
  for (double v : {f.rho, f.Ud, f.Cd, f.G, f.alpha})
    if (IsNullValue(v) || !std::isfinite(v)) return std::nullopt;
  const double p = f.Ud * f.Ud * (f.rho * 0.5) * f.Cd * f.G * f.alpha / 1000.0;
  if (!std::isfinite(p)) return std::nullopt;
  return p;
}

std::optional<double> WindOptionPressure(int option, const WindFactors& f) {
  switch (option) {
    case 0:
      return 2.0;
    case 1:
      return 1.0;
    case 2:
      return WindPressure(f);
    default:
      return std::nullopt;
  }
}

int CollisionKind(int kind) { return kind == 1 ? 1 : 0; }

std::vector<std::string> CollisionClassList(int kind) {
  if (CollisionKind(kind) == 1) return {"SS", "SA", "SB", "SC"};
  return {"SS, SA, SB", "SC", "A", "B, C"};
}

std::vector<std::string> CollisionModelList(int kind) {
  if (CollisionKind(kind) == 1) return {"単スロープ型", "フロリダ型", "直壁型"};
  return {"砂詰め固定", "モルタル固定"};
}

CollisionValues CollisionTable(int kind, int cls, int model) {
  struct Row {
    double h;
    std::array<double, 3> P;  // by model; the post-type fence has two
  };
  // Post-type fence: sand-filled and mortar-fixed posts.
  static const Row kPost[] = {
      {0.76, {55, 60, 0}}, {0.6, {50, 60, 0}}, {0.6, {50, 60, 0}}, {0.6, {30, 40, 0}}};
  // Rigid fence: single slope, Florida, vertical wall.
  static const Row kRigid[] = {
      {1.0, {135, 138, 170}}, {1.0, {86, 88, 109}}, {0.9, {57, 58, 72}}, {0.8, {34, 35, 43}}};
  const bool rigid = CollisionKind(kind) == 1;
  const int models = rigid ? 3 : 2;
  CollisionValues v;
  if (cls < 0 || cls > 3) return v;
  const Row& r = rigid ? kRigid[cls] : kPost[cls];
  v.h = r.h;
  if (model >= 0 && model < models) v.P = r.P[static_cast<size_t>(model)];
  return v;
}

std::optional<double> RockFallLoad(double sgmy, double Z, double hp) {
  // A blank box reads as a huge negative number: "> 0" rules it out too.
  if (!(sgmy > 0 && Z > 0 && hp > 0)) return std::nullopt;
  const double py = sgmy * 3 * Z / (hp * 2);
  if (!std::isfinite(py)) return std::nullopt;
  return py;
}

const std::vector<CrowdLoadRow>& CrowdLoadTable() {
  static const std::vector<CrowdLoadRow> rows = {
      {"1", 5.0, "土地改良事業計画設計基準", "公道の歩道"},
      {"2", 3.0, "土地改良事業計画設計基準", "大型車の入らない道路の歩道"},
      {"3", 3.5, "大型ブロック積み擁壁設計・施工マニュアル", ""}};
  return rows;
}

LoadsState SurchargeFormState(const CDocument& doc) {
  LoadsState s = LoadsFormState(doc);
  s.snowLoad = s.snowOn;
  s.snowLoadEditable = s.snowOn;
  return s;
}

void ApplyTakuchiDefault(CDocument& doc) {
  // Only a load the engineer cleared: a never-entered one stays unentered.
  if (doc.TakuchiLoad == kNullBox) doc.TakuchiLoad = 9.8;
}

}  // namespace norva

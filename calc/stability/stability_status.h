#pragma once
// Outcome of a stability step and the constants those steps share.
#include <string>
#include <utility>

#include "calc/calc_angles.h"

namespace norva {

// Ground reaction when the resultant leaves the base.
inline constexpr double kReactionOutside = 1e10;
// Sliding factor when there is no horizontal force to resist.
inline constexpr double kSlideNoForce = -1.0;

// A step that cannot form its result stores kNullBox ("-----" in the tables)
// in the members it could not form and returns the reason; the run names the
// load case and tells the user. The other cases are computed as usual.
struct StabStatus {
  bool ok = true;
  std::string reason;

  static StabStatus Ok() { return {}; }
  static StabStatus Fail(std::string why) { return {false, std::move(why)}; }
  explicit operator bool() const { return ok; }
};

// Reasons given to the user (the calling run names the load case).
inline constexpr const char* kStabReasonNoSums = "荷重の集計が成立していないため、計算できません。";
inline constexpr const char* kStabReasonZeroV =
    "鉛直力の合計 ΣV が 0 のため、合力の作用位置が求まりません。";
inline constexpr const char* kStabReasonZeroB = "底面幅 B が 0 以下のため、計算できません。";
inline constexpr const char* kStabReasonWallL =
    "擁壁の延長 L が 0 以下のため、衝突荷重を単位長さあたりに換算できません。";
inline constexpr const char* kStabReasonLoadCentroid =
    "分布荷重の強度の和 P1 + P2 が 0 のため、作用位置が求まりません。";
inline constexpr const char* kStabReasonLeaningFace =
    "もたれ式擁壁の背面反力の式の分母が 0 になるため、背面反力が求まりません。";
inline constexpr const char* kStabReasonSpringInput =
    "地盤ばねの計算に必要な寸法・変形係数（B、L、H、αE0）が正しくありません。";
inline constexpr const char* kStabReasonSpringSingular =
    "地盤ばねの剛性行列が特異なため、変位が求まりません。";
inline constexpr const char* kStabReasonOutsideBase =
    "合力の作用位置が底面の外にあるため、滑動抵抗力が求まりません。";
inline constexpr const char* kStabReasonNoPp = "受働土圧 Pp が入力されていません。";
inline constexpr const char* kStabReasonNotFinite = "計算結果が数値になりません。";
inline constexpr const char* kStabReasonSizeTooLarge =
    "寸法が大きすぎるため、重量とその作用位置が数値になりません。";
inline constexpr const char* kStabReasonLoadTooLarge =
    "荷重の値または作用位置が大きすぎるため、荷重のモーメントが数値になりません。";
inline constexpr const char* kStabReasonEaDivisor =
    "許容偏心量の n が小さすぎるため、許容偏心量 B/n が数値になりません。";

}  // namespace norva

#pragma once
// Constants and the outcome type shared by the earth-pressure routines.
#include <string>

#include "calc/calc_angles.h"

namespace norva {

// Outcome of an earth-pressure routine. A case that cannot be computed carries
// the reason, so the caller can mark it and tell the user instead of carrying
// a meaningless number on. A reason on a successful outcome is a warning (the
// earth pressure stands, e.g. only its trial file could not be written).
struct EpStatus {
  bool ok = true;
  std::string reason;

  static EpStatus Ok() { return {}; }
  static EpStatus Fail(std::string why) { return {false, std::move(why)}; }
  explicit operator bool() const { return ok; }
};

// Reasons given to the user (the calling run names the load case).
inline constexpr const char* kEpReasonFlatBackFace =
    "壁背面の最上部に高さがないため、土圧を計算できません。";
inline constexpr const char* kEpReasonBadCoefficient = "土圧係数が求まらない角度の組合せです。";
inline constexpr const char* kEpReasonNoWedge = "試行くさびが成立しません。";
inline constexpr const char* kEpReasonNotFinite = "土圧の計算結果が数値になりません。";
inline constexpr const char* kEpReasonNoWedgeRecord =
    "試行くさびの結果がありません（先に全体の土圧を試行くさび法で計算してください）。";
inline constexpr const char* kEpReasonKiriDlt = "くさび間の摩擦角が入力されていません。";
inline constexpr const char* kEpReasonNoSoilAngle =
    "土の内部摩擦角または壁面摩擦角が入力されていません。";
inline constexpr const char* kEpReasonNoCutFace =
    "切土面の摩擦角または粘着力が入力されていません。";
inline constexpr const char* kEpReasonTrialFile = "試行くさびの記録ファイルを作成できません。";

}  // namespace norva

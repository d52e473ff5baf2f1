#pragma once
// Shared pieces of the member checks (stem, toe slab, shear key): the state
// index of a case, the ground reaction under the base, and the reasons a check
// gives when it has no value.
#include <cstdint>

#include "calc/stability/stability_status.h"

namespace norva {

class CDocument;
class CAntRes;

// Reasons given to the user (the caller names the load case and the check).
inline constexpr const char* kMemReasonNoCase = "荷重ケースがありません。";
inline constexpr const char* kMemReasonCrashWidth =
    "衝突荷重の分布幅が 0 以下のため、計算できません。";
inline constexpr const char* kMemReasonStoneWidth =
    "落石衝突荷重の分布幅が 0 以下のため、計算できません。";
inline constexpr const char* kMemReasonUpperFace =
    "上部擁壁の背面に高さがないため、上部擁壁の土圧の向きが求まりません。";
inline constexpr const char* kMemReasonFaceReaction = "壁面地盤反力の分布が求まりません。";
inline constexpr const char* kMemReasonReaction =
    "地盤反力が求まっていないため（合力の作用位置が底面の外など）、計算できません。";
inline constexpr const char* kMemReasonBaseWidth = "底版の幅が 0 のため、計算できません。";
inline constexpr const char* kMemReasonKeyResistance =
    "底面の抵抗力が 0 のため、突起が受け持つ水平力が求まりません。";
inline constexpr const char* kMemReasonSteelAllowable =
    "鉄筋の許容引張応力度が 0 以下のため、必要鉄筋量が求まりません。";
inline constexpr const char* kMemReasonKeyDepth = "突起の有効高が 0 のため、応力度が求まりません。";
inline constexpr const char* kMemReasonSlideBase =
    "有効載荷幅が 0 以下のため、突起の滑動抵抗が求まりません。";

// State index of a case for the checks that follow the stability run: the
// case's earth-pressure state (Doat) when the document is seismic, else 0.
// Any value other than 1 counts as normal, so no slot outside 0..1 is read.
int16_t RunState(const CDocument& doc, int32_t caseNo);

// Ground-reaction intensity under the base at distance x from the toe, from
// the stability result r (kN/m2). Fails when the run left no usable reaction:
// the resultant outside the base (the 1e10 marker), a result marked not
// computable, or a zero divisor of the distribution.
StabStatus ReactionAt(const CDocument& doc, const CAntRes& r, double x, double& q);

}  // namespace norva

#include "screens/section/kutai_fields.h"

#include "document/document.h"
#include "screens/member_access.h"

namespace norva {
namespace {

template <double (CDocument::*G)(int) const, int I>
double GetAt(const CDocument& d) {
  return (d.*G)(I);
}
template <void (CDocument::*S)(int, double), int I>
void SetAt(CDocument& d, double v) {
  (d.*S)(I, v);
}
double None(const CDocument&) { return kNullBox; }

using D = CDocumentInputs;
using A = KutaiAfter;

#define NORVA_M(member) &GetMember<&D::member>, &SetMember<&D::member>
#define NORVA_AT(getter, setter, i) &GetAt<&CDocument::getter, i>, &SetAt<&CDocument::setter, i>
#define NORVA_SHOW(member) &GetMember<&D::member>, nullptr

constexpr const char* kM = "(m)";
constexpr const char* kDeg = "(度)";
constexpr const char* kLen = "#0.000";
constexpr const char* kLong = "##0.000";

constexpr const char* kWallLTag =
    "擁壁の１ブロックの長さを入力します。1ブロックとは伸縮目地で区切られた延長方向の単位です。";
constexpr const char* kKeisyaTag = "底面の傾斜高さを入力します。突起を設ける場合は入力できません。";
constexpr const char* kTokXTag = "擁壁つま先から突起前面までの水平距離を入力します。";
constexpr const char* kTokBTag = "突起の幅を入力します。";
constexpr const char* kTokLTag = "突起の高さを入力します。";
constexpr const char* kBackfillTag = "裏込めコンクリートの厚さを入力します。";

// The shear-key boxes of one page (Index first, first + 1, first + 2).
// clang-format off
#define NORVA_TOKKI(first, page)                                                              \
  {"imnTokkiSize", first, NORVA_M(TokX), 0.001, 99.999, kLen, "突起前面位置", "Ｘ", "t", kM,   \
   kTokXTag, A::kNone, page},                                                                 \
  {"imnTokkiSize", first + 1, NORVA_M(TokB), 0.001, 9.999, kLen, "突起幅", "Ｂ", "t", kM,      \
   kTokBTag, A::kNone, page},                                                                 \
  {"imnTokkiSize", first + 2, NORVA_M(TokL), 0.001, 9.999, kLen, "突起高さ", "Ｌ", "t", kM,    \
   kTokLTag, A::kNone, page}
#define NORVA_LENGTH(index)                                                                   \
  {"imnBlockLength", index, NORVA_M(WallL), 0.001, 999.999, kLong, "擁壁1ブロック長", "Ｌ", "", \
   kM, kWallLTag, A::kLength, index}
// clang-format on

const KutaiField kFields[] = {
    // ---- Block masonry --------------------------------------------------------
    {"imnBlockSize", 0, NORVA_M(WallH), 0.001, 99.999, kLen, "擁壁高", "Ｈ", "", kM,
     "擁壁の全高を入力します。基礎コンクリートが無い場合、背面側の擁壁下端から天端までの高さを入"
     "力してください。",
     A::kBlockBase, 0},
    {"imnBlockSize", 1, NORVA_M(BlkT), 0.001, 9.999, kLen, "ブロック厚", "ｔ", "", kM,
     "ブロックの厚さを入力します。", A::kBlockBase, 0},
    {"imnBlockSize", 2, NORVA_M(BlkDeltT1), 0, 9.999, kLen, "裏込めｺﾝｸﾘｰﾄ厚", "⊿ｔ", "1", kM,
     kBackfillTag, A::kBlockBase, 0},
    {"imnBlockSize", 3, NORVA_M(BlkDeltT2), 0, 9.999, kLen, "裏込めｺﾝｸﾘｰﾄ厚", "⊿ｔ", "2", kM,
     kBackfillTag, A::kBlockBase, 0},
    {"imnBlockSize", 4, NORVA_M(BlkN), 0, 9, kLen, "壁面勾配", "Ｎ", "", "",
     "壁面の勾配を入力します。", A::kBlockBase, 0},
    {"imnBlockSize", 5, NORVA_M(BlkT2), 0, 9.999, kLen, "ﾌﾞﾛｯｸの合端厚", "Δt", "", kM,
     "ブロックの合端の厚さを入力します。大型ブロック積み擁壁の場合のみ入力します。", A::kBlockBase,
     0},
    {"imnFoundSize", 0, NORVA_M(BlkB), 0.001, 9.999, kLen, "底面幅", "Ｂ", "", kM,
     "基礎コンクリートの底面幅を入力します。", A::kFootingB, 0},
    {"imnFoundSize", 1, NORVA_M(BlkB1), 0.001, 9.999, kLen, "前面幅", "Ｂ", "1", kM,
     "基礎コンクリートの底面幅を入力します。", A::kNone, 0},
    {"imnFoundSize", 2, NORVA_M(BlkH1), 0.001, 9.999, kLen, "前面高さ", "Ｈ", "1", kM,
     "裏込めコンクリートの前面高さを入力します。", A::kNone, 0},
    {"imnFoundSize", 3, NORVA_M(BlkH2), 0.001, 9.999, kLen, "背面高さ", "Ｈ", "2", kM,
     "裏込めコンクリートの前面高さを入力します。", A::kBlkH2, 0},
    {"imnKeisya", 0, NORVA_M(KeisyaH), 0.001, 9.999, kLen, "底面傾斜高さ", "Ｈ", "3", kM,
     "基礎コンクリート底面の傾斜高さを入力します。", A::kKeisya, 0},
    NORVA_LENGTH(0),

    // ---- Gravity ------------------------------------------------------------------
    {"imnGrwSize", 0, NORVA_M(WallH), 0.001, 99.999, kLen, "擁壁高さ", "Ｈ", "", kM,
     "擁壁の全高を入力します。", A::kGravity, 1},
    {"imnGrwSize", 1, NORVA_M(GrwB), 0.001, 99.999, kLen, "底面幅", "Ｂ", "", kM,
     "底面幅を入力します。", A::kGravityB, 1},
    {"imnGrwSize", 2, NORVA_M(GrwB1), 0, 9.999, kLen, "前面幅", "Ｂ", "1", kM,
     "擁壁前面幅を入力します。", A::kGravity, 1},
    {"imnGrwSize", 3, NORVA_M(GrwB2), 0.001, 9.999, kLen, "天端幅", "Ｂ", "2", kM,
     "擁壁天端幅を入力します。", A::kGravity, 1},
    {"imnGrwSize", 4, NORVA_M(GrwB4), 0, 9.999, kLen, "つま先版張出長", "Ｂ", "3", kM,
     "つま先版の張り出し長を入力します。張り出し長を考慮しない場合は0を入力してください。",
     A::kGravity, 1},
    {"imnGrwSize", 5, NORVA_M(GrwH1), 0, 9.999, kLen, "つま先版高さ", "Ｈ", "1", kM,
     "つま先版の高さを入力します。つま先版を考慮しない場合は0を入力してください。", A::kGravity, 1},
    {"imnGrwSize", 6, NORVA_SHOW(GrwN), -99999, 99999, kLen, "前面勾配", "Ｎ", "", "", "",
     A::kGravity, 1},
    {"imnKeisya", 1, NORVA_M(KeisyaH), 0.001, 9.999, kLen, "底面傾斜高さ", "Ｈ", "2", kM,
     kKeisyaTag, A::kKeisya, 1},
    NORVA_TOKKI(0, 1),
    NORVA_LENGTH(1),

    // ---- Leaning --------------------------------------------------------------------
    {"imnMtwSize", 0, NORVA_M(MtwH1), 0.001, 99.999, kLen, "壁前面高さ", "Ｈ", "1", kM,
     "擁壁前面での壁の高さを入力します。", A::kLeaning, 2},
    {"imnMtwSize", 1, NORVA_M(MtwH2), 0, 99.999, kLen, "底版前面高さ", "Ｈ", "2", kM,
     "つま先版の擁壁前面での高さを入力します。", A::kLeaning, 2},
    {"imnMtwSize", 2, NORVA_M(MtwH3), 0, 9.999, kLen, "壁底面傾斜高", "Ｈ", "3", kM,
     "壁付け根の傾斜高さを入力します。岩基礎で底面を傾斜させる場合には本項目を入力してください。",
     A::kLeaning, 2},
    {"imnMtwSize", 3, NORVA_M(MtwB1), 0, 9.999, kLen, "底版つま先長", "Ｂ", "1", kM,
     "つま先版の張り出し長を入力します。", A::kLeaning, 2},
    {"imnMtwSize", 4, NORVA_M(MtwB2), 0, 99.999, kLen, "壁前面幅", "Ｂ", "2", kM,
     "壁の前面幅を入力します。前面勾配を入力すると自動で算出されます。", A::kLeaning, 2},
    {"imnMtwSize", 5, NORVA_M(MtwB3), 0.001, 9.999, kLen, "壁天端幅", "Ｂ", "3", kM,
     "壁の天端幅を入力します。", A::kLeaning, 2},
    {"imnMtwSize", 6, NORVA_M(MtwB4), 0, 99.999, kLen, "壁背面幅", "Ｂ", "4", kM,
     "壁の背面幅を入力します。", A::kLeaning, 2},
    {"imnMtwSize", 7, NORVA_M(MtwN1), 0.001, 1, kLen, "壁前面勾配", "Ｎ", "1", "",
     "壁前面勾配を入力します。壁前面高さ及び壁前面幅を入力すると自動で計算されます。", A::kLeaning,
     2},
    {"imnMtwSize", 8, NORVA_SHOW(MtwN2), -99.999, 99.999, kLen, "壁背面勾配", "Ｎ", "2", "",
     "壁背面勾配です。自動的に計算されます。", A::kLeaning, 2},
    {"imnKeisya", 2, NORVA_M(KeisyaH), 0.001, 9.999, kLen, "底面傾斜高さ", "Ｈ", "4", kM,
     kKeisyaTag, A::kKeisya, 2},
    NORVA_TOKKI(3, 2),
    NORVA_LENGTH(2),

    // ---- Mixed ------------------------------------------------------------------------
    {"imnCongouSize", 0, NORVA_M(MxwH1), 0.001, 9.999, kLen, "上部擁壁高さ", "Ｈ", "1", kM,
     "擁壁前面での上部擁壁高さを入力します。", A::kMixed, 3},
    {"imnCongouSize", 1, NORVA_M(BlkT), 0.001, 9.999, kLen, "ブロック厚", "ｔ", "", kM,
     "ブロックの厚さを入力します。", A::kMixed, 3},
    {"imnCongouSize", 2, NORVA_M(BlkDeltT1), 0, 9.999, kLen, "裏込めｺﾝｸﾘｰﾄ厚", "⊿ｔ", "1", kM,
     kBackfillTag, A::kMixed, 3},
    {"imnCongouSize", 3, NORVA_M(BlkDeltT2), 0, 9.999, kLen, "裏込めｺﾝｸﾘｰﾄ厚", "⊿ｔ", "2", kM,
     kBackfillTag, A::kMixed, 3},
    {"imnCongouSize", 4, NORVA_M(BlkN), 0.001, 9, kLen, "壁面勾配", "Ｎ", "1", "",
     "上部擁壁の前面勾配を入力します。", A::kMixed, 3},
    {"imnCongouSize", 5, NORVA_M(MxwH2), 0.001, 99.999, kLen, "下部擁壁高さ", "Ｈ", "2", kM,
     "擁壁前面での下部擁壁の高さを入力します。", A::kMixed, 3},
    {"imnCongouSize", 6, NORVA_M(GrwB), 0.001, 99.999, kLen, "底面幅", "Ｂ", "", kM,
     "下部擁壁の底面幅を入力します。", A::kMixedB, 3},
    {"imnCongouSize", 7, NORVA_M(GrwB1), 0, 99.999, kLen, "前面幅", "Ｂ", "1", kM,
     "下部擁壁の前面幅を入力します。", A::kMixed, 3},
    {"imnCongouSize", 8, NORVA_M(GrwB2), 0.001, 9.999, kLen, "天端幅", "Ｂ", "2", kM,
     "下部擁壁の天端幅を入力します。", A::kMixed, 3},
    {"imnCongouSize", 9, NORVA_M(GrwB3), 0.001, 9.999, kLen, "", "Ｂ", "3", kM,
     "下部擁壁の天端の水平部分の幅を入力します。", A::kMixed, 3},
    {"imnCongouSize", 10, NORVA_M(MxwH3), 0.001, 99.999, kLen, "テーパー高さ", "Ｈ", "3", kM,
     "上部擁壁と下部擁壁の結合部のテーパー高さを入力します。", A::kMixed, 3},
    {"imnKeisya", 3, NORVA_M(KeisyaH), 0.001, 9.999, kLen, "擁壁高さ", "Ｈ", "4", kM, kKeisyaTag,
     A::kKeisya, 3},
    NORVA_TOKKI(6, 3),
    NORVA_LENGTH(3),

    // ---- Soil page ----------------------------------------------------------------------
    {"imnSOILFH", 0, NORVA_AT(SoilFH, SetSoilFH, 0), 0, 99.999, kLen, "前載土砂高  常　時：", "",
     "", kM, "前面土砂の底面からの高さを入力します。", A::kNone, -1},
    {"imnSOILFH", 1, NORVA_AT(SoilFH, SetSoilFH, 1), 0, 99.999, kLen, "地震時：", "", "", kM,
     "前面土砂の底面からの高さを入力します。", A::kNone, -1},
    {"imnHD", -1, NORVA_M(UraHd), 0, 9.999, kLen, "天端からの落差", "Ｈ", "D", kM,
     "擁壁天端から裏込め土基点までの高さを入力します。", A::kNone, -1},
    {"imnX1", -1, NORVA_M(UraX1), 0, 99.999, kLen, "ステップ幅", "Ｘ", "1", kM,
     "台形盛土の場合のステップ幅を入力します。", A::kNone, -1},
    {"imnX2", -1, NORVA_M(UraX2), 0.001, 99.999, kLen, "盛土幅", "Ｘ", "2", kM,
     "台形盛土の場合に盛土幅を入力します。", A::kNone, -1},
    {"imnH0", -1, NORVA_M(UraH0), 0.001, 99.999, kLen, "盛土高さ", "Ｈ", "0", kM,
     "台形盛土の場合に盛土高さを入力します。", A::kNone, -1},
    {"imnNoriN", -1, NORVA_M(UraN), 0.001, 99.999, kLen, "法勾配", "Ｎ", "", "",
     "法面形状の場合の法勾配を入力します。", A::kNori, -1},
    {"imnNoriBeta", -1, &None, nullptr, -99999, 99999, kLen, "法面角度", "β", "", kDeg,
     "法面形状の場合に法勾配より算出した法面角度が表示されます。", A::kDisplay, -1},
    {"imnKirido", 0, NORVA_M(KiriD), 0, 9.999, kLen, "切土面迄の距離", "ｄ", "", kM,
     "擁壁かかとから地山までの距離を入力します。", A::kNone, -1},
    {"imnKirido", 1, NORVA_M(KiriN), 0.001, 2, kLen, "切土面の勾配", "Ｎ", "K", "",
     "地山の勾配を入力します。", A::kNone, -1},
    {"imnKirido", 2, NORVA_M(KiriDlt), 0, 99, "0.00", "仮想背面における壁面摩擦角", "δ", "1", kDeg,
     "法面形状の場合に法勾配より算出した法面角度が表示されます。", A::kNone, -1},

    // ---- Water page ------------------------------------------------------------------------
    {"imnWatf", 0, NORVA_AT(WatFH, SetWatFH, 0), 0, 99.999, kLen, "前面水位　常　時 ：", "", "", kM,
     "底面から常時の前面水位までの高さを入力します。", A::kNone, -1},
    {"imnWatf", 1, NORVA_AT(WatFH, SetWatFH, 1), 0, 99.999, kLen, "地震時 ：", "", "", kM,
     "底面から地震時の前面水位までの高さを入力します。", A::kNone, -1},
    {"imnWatb", 0, NORVA_AT(WatBH, SetWatBH, 0), 0, 99.999, kLen, "背面水位　常　時 ：", "", "", kM,
     "底面から常時の背面水位までの高さを入力します。", A::kNone, -1},
    {"imnWatb", 1, NORVA_AT(WatBH, SetWatBH, 1), 0, 99.999, kLen, "地震時 ：", "", "", kM,
     "底面から地震時の背面水位までの高さを入力します。", A::kNone, -1},
};

#undef NORVA_M
#undef NORVA_AT
#undef NORVA_SHOW
#undef NORVA_TOKKI
#undef NORVA_LENGTH

}  // namespace

std::span<const KutaiField> KutaiFields() { return kFields; }

}  // namespace norva

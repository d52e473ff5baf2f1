#include "screens/loads/kajyu_fields.h"

#include "document/document.h"
#include "screens/member_access.h"

namespace norva {
namespace {

using D = CDocumentInputs;

#define NORVA_M(member) &GetMember<&D::member>, &SetMember<&D::member>

constexpr const char* kM = "(m)";
constexpr const char* kKnM2 = "(kN/㎡)";
constexpr const char* kKn = "(kN)";
constexpr const char* kLen = "#0.000";
constexpr const char* kLoad = "###0.00";
constexpr const char* kForce = "####0.00";

// The hints of a surcharge on the back ground, named by its load.
#define NORVA_POS_TAG(load) "法肩から" load "の載荷開始位置までの距離を入力します。"
#define NORVA_WIDTH_TAG(load)                                                                                               \
  load "の載荷幅を入力します。試行くさびの場合のみ有効です。載荷幅を無限にする場合は" \
       "\"99.999\"と入力してください。"
#define NORVA_LOAD_TAG(load) load "の単位面積当りの荷重強度を入力します。"

// Position, width and intensity of a surcharge; their units are lblUnit(unit)
// to (unit + 2).
// clang-format off
#define NORVA_SURCHARGE(box, load, pos, width, intensity, unit, loadTail)                    \
  {{box, 0, 0, 99.999, kLen, NORVA_M(pos), NORVA_POS_TAG(load)}, "載荷位置：", unit, kM},     \
  {{box, 1, 0, 99.999, kLen, NORVA_M(width), NORVA_WIDTH_TAG(load)}, "載荷幅　：", unit + 1,   \
   kM},                                                                                      \
  {{box, 2, 0, 9999.99, kLoad, NORVA_M(intensity), NORVA_LOAD_TAG(load) loadTail},            \
   "荷重強度：", unit + 2, kKnM2}
// clang-format on

constexpr const char* kCrashLoadTag = "擁壁1ブロックに作用する自動車衝突荷重を入力します。";

const KajyuField kFields[] = {
    NORVA_SURCHARGE("imnAutoMobil", "自動車荷重", AutoPos, AutoWidth, AutoLoad, 0,
                    "T荷重を任意とした場合のみ有効です。"),
    NORVA_SURCHARGE("imnGunsyu", "群集荷重", GunsyuPos, GunsyuWidth, GunsyuLoad, 3, ""),
    {{"imnSnow", 0, 0, 99.999, kLen, NORVA_M(SnowPos),
      "法肩から雪荷重の載荷開始位置までの距離を入力します。"},
     "載荷位置：",
     6,
     kM},
    {{"imnSnow", 1, 0, 99.999, kLen, NORVA_M(SnowDepth), "積雪深×3.5kN/m2とし雪荷重を計算します。"},
     "積雪深さ：",
     7,
     kM},
    {{"imnSnow", 2, 0, 9999.99, kLoad, NORVA_M(SnowLoad),
      "雪荷重の単位面積当りの荷重強度を入力します。"},
     "荷重強度：",
     8,
     kKnM2},
    NORVA_SURCHARGE("imnTakuchi", "宅地荷重", TakuchiPos, TakuchiWidth, TakuchiLoad, 9, ""),
    {{"imnAutoCrash", 0, 0, 99.999, kLen, NORVA_M(AutoCrashWidth),
      "壁の断面計算時の自動車衝突荷重の載荷幅を入力します。"},
     "載荷幅  ：",
     12,
     kM},
    {{"imnAutoCrash", 1, 0, 99.999, kLen, NORVA_M(AutoCrashHigh),
      "自動車衝突荷重の路面からの作用高さを入力します。"},
     "作用高さ：",
     13,
     kM},
    {{"imnAutoCrash", 2, 0, 99999.99, kForce, NORVA_M(AutoCrashLoad), kCrashLoadTag},
     "衝突荷重：",
     14,
     kKn},
    {{"imnAutoCrash", 3, 0, 99999.99, kForce, NORVA_M(AutoCrashV), kCrashLoadTag},
     "鉛直荷重：",
     21,
     kKn},
    {{"imnStoneCrash", 0, 0, 99.999, kLen, NORVA_M(StoneHight), "落石防止柵の高さを入力します。"},
     "柵の高さ：",
     15,
     kM},
    {{"imnStoneCrash", 1, 0, 99.999, kLen, NORVA_M(StonePich),
      "落石防止柵の支柱間隔を入力します。"},
     "支柱間隔：",
     16,
     kM},
    {{"imnStoneCrash", 2, 0, 99999.99, kForce, NORVA_M(StoneLoad),
      "落石防止柵の支柱一本当たりの曲げ降伏荷重を入力します。"},
     "衝突荷重：",
     17,
     kKn},
    {{"imnWind", 0, 0, 99.999, kLen, NORVA_M(WindPos),
      "擁壁天端から風荷重の合力作用までの高さを入力します。"},
     "作用位置：",
     18,
     kM},
    {{"imnWind", 1, 0, 99.999, kLen, NORVA_M(WindHight),
      "風荷重が作用する遮音壁等の高さを入力します。"},
     "作用高  ：",
     19,
     kM},
    {{"imnWind", 2, 0, 9999.99, kLoad, NORVA_M(WindLoad), "単位面積当たりの風荷重を入力します。"},
     "風荷重  ：",
     20,
     kKnM2},
};

#undef NORVA_SURCHARGE
#undef NORVA_LOAD_TAG
#undef NORVA_WIDTH_TAG
#undef NORVA_POS_TAG
#undef NORVA_M

}  // namespace

std::span<const KajyuField> KajyuFields() { return kFields; }

}  // namespace norva

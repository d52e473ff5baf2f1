#include "screens/conditions/conditions_tables.h"

#include <cmath>

#include "calc/calc_angles.h"
#include "calc/earth_pressure/coulomb.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "screens/conditions/conditions_rules.h"

namespace norva {

namespace {
double Rad(double deg) { return deg * kCalcPi / 180; }
}  // namespace

// ---- Ground constants --------------------------------------------------------------

std::span<const char* const> JibanSisinItems() {
  static const char* const kItems[] = {"土地改良事業計画設計基準", "土地改良事業標準設計図面集",
                                       "道路土工", "大型ブロック積み擁壁設計・施工マニュアル"};
  return kItems;
}

int JibanSisinItem(int32_t sisin) {
  if (sisin == 4) return 2;
  if (sisin == 5) return 0;
  return (sisin >= 0 && sisin <= 3) ? sisin : -1;
}

int JibanPage(int item) {
  if (item == 1) return 1;
  if (item == 3) return 2;
  return 0;
}

const JibanPageData& JibanPageFor(int page) {
  static const JibanPageData kPages[3] = {
      {{"礫質土", "砂質土", "粘性土"},
       {35, 30, 25},
       {"裏込め土の種類", "せん断抵抗角(φ)", "粘着力(ｃ)"},
       {{"礫　　質　　土", "35°", "-"},
        {"砂　　質　　土", "30°", "-"},
        {"粘　　性　　土 (但しＷL＜50%)", "25°", "-"}}},
      {{"砂および砂礫(C1)", "砂質土(C2)", "粘性土(C3)", "粘性土(C4)"},
       {35, 30, 25, 20},
       {"裏込め土の種類", "標準設計での呼称", "せん断抵抗角(φ)"},
       {{"砂 及 び 砂 礫", "C1", "35°"},
        {"砂　　質　　土", "C2", "30°"},
        {"粘　  性  　土", "C3", "25°"},
        {"", "C4", "20°"}}},
      {{"礫質土", "砂質土"},
       {35, 30},
       {"裏込め土の種類", "せん断抵抗角(φ)"},
       {{"礫　　質　　土", "35°"}, {"砂　　質　　土", "30°"}}},
  };
  return kPages[(page >= 0 && page < 3) ? page : 0];
}

std::span<const char* const> JibanCutFaceItems() {
  static const char* const kItems[] = {"軟岩以上で比較的均一場合", "粗とみなしうる場合"};
  return kItems;
}

const TableRow& JibanCutFaceHeader() {
  static const TableRow kHeader = {"地山地質や表面の状態", "すべり摩擦角(δ')"};
  return kHeader;
}

std::span<const TableRow> JibanCutFaceRows() {
  static const TableRow kRows[] = {{"軟岩以上で比較的均一な平面をしている場合", "2/3φ"},
                                   {"粗であるか段切りなどの処理が施され、粗とみなしうる場合", "φ"}};
  return kRows;
}

WallFriction WallFrictionFromPhi(double phi) { return {2 * phi / 3, phi / 2}; }

double CutFaceAngle(double phi, int item) { return item == 0 ? 2 * phi / 3 : phi; }

// ---- Bearing capacity ---------------------------------------------------------------

namespace {

// Farm roads; road earthworks take the first nine rows.
constexpr QaRow kQaFarm[] = {
    {"岩盤 - 亀裂の少ない均一な硬岩", "岩　盤", "亀裂の少ない均一な硬岩", 1000},
    {"岩盤 - 亀裂の多い硬岩", "", "亀裂の多い硬岩", 600},
    {"岩盤 - 軟岩・土丹", "", "軟岩・土丹", 300},
    {"礫層 - 密なもの", "礫　層", "密なもの", 600},
    {"礫層 - 密でないもの", "", "密でないもの", 300},
    {"砂質地盤 - 密なもの", "砂　質", "密なもの", 300},
    {"砂質地盤 - 中位なもの", "地　盤", "中位なもの", 200},
    {"粘性土地盤 - 非常に堅いもの", "粘性土", "非常に堅いもの", 200},
    {"粘性土地盤 - 堅いもの", "地　盤", "堅いもの", 100},
    {"粘性土地盤 - 中位なもの", "", "中位なもの", 50},
};

// Ultimate values of the large-block manual over the road ground types.
constexpr QaRow kQaLargeBlock[] = {
    {"岩盤 - 亀裂の少ない均一な硬岩", "岩　盤", "亀裂の少ない均一な硬岩", 3000},
    {"岩盤 - 亀裂の多い硬岩", "", "亀裂の多い硬岩", 1800},
    {"岩盤 - 軟岩・土丹", "", "軟岩・土丹", 900},
    {"礫層 - 密なもの", "礫　層", "密なもの", 1800},
    {"礫層 - 密でないもの", "", "密でないもの", 900},
    {"砂質地盤 - 密なもの", "砂　質", "密なもの", 900},
    {"砂質地盤 - 中位なもの", "地　盤", "中位なもの", 600},
    {"粘性土地盤 - 非常に堅いもの", "粘性土", "非常に堅いもの", 600},
    {"粘性土地盤 - 堅いもの", "地　盤", "堅いもの", 300},
};

constexpr QaRow kQaResidential[] = {
    {"岩盤", "岩盤", nullptr, 1000},
    {"固結した砂", "固結した砂", nullptr, 500},
    {"土丹盤", "土丹盤", nullptr, 300},
    {"密実な礫層", "密実な礫層", nullptr, 300},
    {"密実な砂質地盤", "密実な砂質地盤", nullptr, 200},
    {"砂質地盤", "砂質地盤", nullptr, 50},
    {"堅い粘土質地盤", "堅い粘土質地盤", nullptr, 100},
    {"粘土質地盤", "粘土質地盤", nullptr, 20},
    {"堅いローム層", "堅いローム層", nullptr, 100},
    {"ローム層", "ローム層", nullptr, 50},
};

constexpr QaRow kQaCanal[] = {
    {"岩　石", "岩　石", nullptr, 1000},
    {"砂　盤", "砂　盤", nullptr, 500},
    {"土丹盤", "土丹盤", nullptr, 300},
    {"礫層 - 密実なもの", "礫　層", "密実なもの", 600},
    {"礫層 - 密実でないもの", "", "密実でないもの", 300},
    {"砂質地盤 - 密なもの", "砂　質", "密なもの", 300},
    {"砂質地盤 - 中位なもの(1)", "地　盤", "中位なもの(1)", 200},
    {"砂質地盤 - 中位なもの(2)", "", "中位なもの(2)", 100},
    {"砂質地盤 - 緩いもの", "", "緩いもの", 50},
    {"砂質地盤 - 非常に緩いもの", "", "非常に緩いもの", 0},
    {"粘性土地盤 - 非常に堅いもの", "粘性土", "非常に堅いもの", 200},
    {"粘性土地盤 - 堅いもの", "地　盤", "堅いもの", 100},
    {"粘性土地盤 - 中位なもの", "", "中位なもの", 50},
    {"粘性土地盤 - 柔らかいもの", "", "柔らかいもの", 20},
    {"粘性土地盤 - 非常に柔らかいもの", "", "非常に柔らかいもの", 0},
    {"関東ローム - 堅いもの", "関東ローム", "堅いもの", 150},
    {"関東ローム - 中位なもの", "", "中位なもの", 100},
    {"関東ローム - 柔らかいもの", "", "柔らかいもの", 50},
};

}  // namespace

int QaPage(int32_t sisin) {
  switch (sisin) {
    case 0:
      return 0;
    case 5:
      return 1;
    case 2:
      return 3;
    case 4:
      return 4;
    case 3:
      return 5;
    default:
      return -1;
  }
}

std::span<const QaRow> QaRows(int32_t sisin) {
  switch (sisin) {
    case 0:
      return kQaFarm;
    case 2:
      return std::span<const QaRow>(kQaFarm).first(9);
    case 3:
      return kQaLargeBlock;
    case 4:
      return kQaResidential;
    case 5:
      return kQaCanal;
    default:
      return {};
  }
}

bool QaTwoColumns(int32_t sisin) { return sisin == 4; }

// ---- Allowable stresses ----------------------------------------------------------------

std::span<const char* const> AllowSisinItems() {
  static const char* const kItems[] = {
      "土地改良事業計画設計基準「農道」，「水路工」", "土地改良事業標準設計図面集", "道路土工",
      "大型ブロック積み擁壁設計・施工マニュアル", "宅地防災マニュアル"};
  return kItems;
}

int AllowSisinItem(int32_t sisin) {
  if (sisin == 0 || sisin == 5) return 0;
  return (sisin >= 1 && sisin <= 4) ? sisin : 0;
}

int AllowPage(int item) {
  if (item == 2 || item == 3) return 1;
  if (item == 4) return 2;
  return 0;
}

std::vector<AllowRow> AllowRows(int page) {
  if (page == 0)
    return {{"18", 18, 4.5, 0.25, 0.33}, {"21", 21, 5.0, 0.29, 0.36}, {"24", 24, 5.4, 0.29, 0.39}};
  if (page == 2) return {{"16", 16, 5.3, 0.53, 0.53}, {"18", 18, 6.0, 0.6, 0.6}};
  std::vector<AllowRow> rows;
  for (const auto& [text, ck] : {std::pair{"16", 16.0}, std::pair{"18", 18.0}}) {
    const ConcreteAllowables a = RoadAllowables(ck);
    rows.push_back({text, ck, a.Sgmca, a.Sgmta, a.Taua});
  }
  return rows;
}

AllowPreselect AllowPreselectFor(double sgmck) {
  if (sgmck == 16) return {0, 0, 0};
  if (sgmck == 18) return {0, 1, 1};
  return {1, 1, 1};
}

std::span<const TableRow> AllowDisplayRows(int page) {
  static const TableRow kTochi[] = {{"", "18", "21", "24"},
                                    {" 設 計 基 準 強 度", "18", "21", "24"},
                                    {" 圧 縮 応 力 度", "4.5", "5.0", "5.4"},
                                    {" 曲げ引張応力度", "0.25", "0.29", "0.29"},
                                    {" 支 圧 応 力 度", "5.4", "5.9", "5.9"},
                                    {" せ ん 断 応 力 度", "0.33", "0.36", "0.39"}};
  static const TableRow kDouro[] = {{"応力度の種類", "許容応力度"},
                                    {" 圧 縮 応 力 度", "σck/4≦5.5"},
                                    {" 曲げ引張応力度", "σck/80≦0.3"},
                                    {" 支 圧 応 力 度", "0.3σck≦6"},
                                    {" せん断応力度", "σck/100+0.15"}};
  static const TableRow kTakuchi[] = {{"", "16", "18"},
                                      {" 設 計 基 準 強 度", "16", "18"},
                                      {" 圧 縮 応 力 度", "5.3", "6.0"},
                                      {" 曲げ引張応力度", "0.53", "0.6"},
                                      {" 支 圧 応 力 度", "4.8", "5.4"},
                                      {" せ ん 断 応 力 度", "0.53", "0.6"}};
  if (page == 1) return kDouro;
  if (page == 2) return kTakuchi;
  return kTochi;
}

// ---- Soil unit weights ---------------------------------------------------------------------

int RefWeightPage(int32_t sisin) {
  switch (sisin) {
    case 0:
      return 0;
    case 5:
      return 1;
    case 3:
      return 2;
    case 2:
      return 3;
    case 4:
      return 4;
    default:
      return -1;
  }
}

namespace {

// Farm roads; the other three-column pages differ in a few names only.
RefWeightPageData LandImprovementPage(const char* gravel, const char* naturalClay,
                                      const char* fill) {
  const char* kClayFill = "粘性土(ただし、WL<50%)";
  return {{"地　　盤", "土の種類", "土の種類"},
          {{{"自然地盤", gravel, "緩いもの"}, 18},
           {{"自然地盤", gravel, "密なもの"}, 20},
           {{"自然地盤", "砂　　質　　土", "緩いもの"}, 17},
           {{"自然地盤", "砂　　質　　土", "密なもの"}, 19},
           {{"自然地盤", naturalClay, "緩いもの"}, 14},
           {{"自然地盤", naturalClay, "密なもの"}, 18},
           {{fill, gravel, gravel}, 20},
           {{fill, "砂　　質　　土", "砂　　質　　土"}, 19},
           {{fill, kClayFill, kClayFill}, 18}}};
}

}  // namespace

const RefWeightPageData& RefWeightPageFor(int page) {
  static const RefWeightPageData kPages[5] = {
      LandImprovementPage("礫　　質　　土", "粘　　性　　土", "盛　　土"),
      LandImprovementPage("礫　　質　　土", "粘性土(ただし、WL<50%)", "盛土・埋度"),
      {{"土　　　　　質"},
       {{{"礫　　　　　質　　　　　土"}, 20}, {{"砂　　　　　質　　　　　土"}, 19}}},
      LandImprovementPage("砂および砂礫", "粘　　性　　土", "盛　　土"),
      {{"土　　　　　質"},
       {{{"砂　利　ま　た　は　砂"}, 18},
        {{"砂　　　　　質　　　　　土"}, 17},
        {{"シルト、粘土またはそれらを多量に含む土"}, 16}}},
  };
  return kPages[(page >= 0 && page < 5) ? page : 0];
}

// ---- Material unit weights ---------------------------------------------------------------------

std::span<const char* const> WeightSisinItems() {
  static const char* const kItems[] = {"土地改良事業計画設計基準「農道」",
                                       "土地改良事業計画設計基準「水路工」",
                                       "土地改良事業標準設計図面集",
                                       "道路土工",
                                       "大型ブロック積み擁壁設計・施工マニュアル",
                                       "宅地防災マニュアル"};
  return kItems;
}

int WeightSisinItem(int32_t sisin) {
  if (sisin == 0) return 0;
  if (sisin == 5) return 1;
  return (sisin >= 1 && sisin <= 4) ? sisin + 1 : 0;
}

int WeightPage(int item) { return item <= 1 ? 0 : item - 1; }

bool WeightPageHasGroundKind(int page) { return page == 0 || page == 2; }

std::span<const char* const> WeightGroundKinds() {
  static const char* const kKinds[] = {"自然地盤", "盛土"};
  return kKinds;
}

std::span<const WeightChoice> WeightSoils(int page, int groundKind) {
  static const WeightChoice kNatural[] = {{"礫質土(緩いもの)", 18}, {"礫質土(密なもの)", 20},
                                          {"砂質土(緩いもの)", 17}, {"砂質土(密なもの)", 19},
                                          {"粘性土(緩いもの)", 14}, {"粘性土(密なもの)", kNullBox}};
  static const WeightChoice kFill[] = {{"礫質土", 20}, {"砂質土", 19}, {"粘性土", 18}};
  static const WeightChoice kDrawings[] = {
      {"C1(砂および砂礫)", 20}, {"C2(砂質土)", 19}, {"C3(粘性土)", 18}, {"C4(粘性土)", 16}};
  static const WeightChoice kLargeBlock[] = {{"礫質土", 20}, {"砂質土", 19}};
  static const WeightChoice kResidential[] = {
      {"砂利または砂", 18}, {"砂質土", 17}, {"ｼﾙﾄ､粘土、又は...", 16}};
  switch (page) {
    case 0:
    case 2:
      if (groundKind == 0) return kNatural;
      if (groundKind == 1) return kFill;
      return {};
    case 1:
      return kDrawings;
    case 3:
      return kLargeBlock;
    case 4:
      return kResidential;
    default:
      return {};
  }
}

std::span<const WeightChoice> WeightWallConcrete() {
  static const WeightChoice kItems[] = {
      {"無筋ｺﾝｸﾘｰﾄ", 23}, {"ｺﾝｸﾘｰﾄﾌﾞﾛｯｸ練積", 22.5}, {"ｺﾝｸﾘｰﾄﾌﾞﾛｯｸ空積", 19.5}};
  return kItems;
}

// ---- Passive earth pressure -------------------------------------------------------------------

std::optional<PpResult> CalcPp(const PpInputs& in) {
  for (double v : {in.H, in.Gam, in.Fai, in.Delt, in.Alp, in.I, in.Kh})
    if (IsNullValue(v)) return std::nullopt;
  const double phi = Rad(in.Fai);
  const double delta = Rad(in.Delt);
  const double alpha = Rad(in.Alp);
  const double beta = Rad(in.I);
  const double thetas[2] = {0, std::atan(in.Kh)};
  PpResult r{};
  for (int n = 0; n < 2; ++n) {
    const std::optional<double> kp = TryCoulombKp(phi, delta, alpha, beta, thetas[n]);
    if (!kp) return std::nullopt;
    r.Kp[n] = *kp;
    r.Pp[n] = 0.5 * in.Gam * in.H * in.H * *kp;
    if (!std::isfinite(r.Pp[n])) return std::nullopt;
  }
  return r;
}

// ---- Critical water level
// -------------------------------------------------------------------------

std::vector<WlvlEntry> WlvlCaseList(const CDocument& doc) {
  std::vector<WlvlEntry> list;
  for (int32_t i = 0; i < doc.nWlvlCase(); ++i) {
    const auto rec = doc.WlvlRes(i);
    if (!rec) continue;
    const auto kase = doc.pCase(rec->CaseNo);
    if (!kase) continue;
    list.push_back({i, kase->CaseName});
  }
  return list;
}

// ---- Pictures
// -----------------------------------------------------------------------------------------

const char* IniWallPicture(int wallType) {
  static const char* const kFiles[4] = {"WallBlock.svg", "WallGravity.svg", "WallLeaning.svg",
                                        "WallMixed.svg"};
  return (wallType >= 0 && wallType < 4) ? kFiles[wallType] : "";
}

std::vector<std::string> ConditionsPictures() {
  std::vector<std::string> files;
  for (int i = 0; i < 4; ++i) files.emplace_back(IniWallPicture(i));
  files.emplace_back(kHelpButtonPicture);
  files.emplace_back(kDeltaButtonPicture);
  files.emplace_back(kDeltaHelpPicture);
  return files;
}

}  // namespace norva

#include "screens/conditions/conditions_rules.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/calc_angles.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/numeric.h"
#include "document/report_format.h"
#include "screens/member_access.h"

namespace norva {

int16_t SnowKindCount(int32_t sisin) { return (sisin == 2 || sisin == 5) ? 3 : 5; }

ConcreteAllowables RoadAllowables(double sgmck) {
  ConcreteAllowables a;
  a.Sgmca = std::min(sgmck / 4, 5.5);
  a.Sgmta = std::min(sgmck / 80, 0.3);
  a.Taua = RoundHalfUp(sgmck / 100 + 0.15, 2);
  return a;
}

namespace {

void ApplyIniAllowables(CDocument& doc, int32_t chosenSisin) {
  if (IsNullValue(doc.SgmCk)) doc.SgmCk = 18;
  if (chosenSisin > 1) {
    const ConcreteAllowables a = RoadAllowables(doc.SgmCk);
    doc.Sgmca = a.Sgmca;
    doc.Sgmta = a.Sgmta;
    doc.Taua = a.Taua;
  } else if (doc.SgmCk == 16) {
    doc.Sgmca = 4.0;
    doc.Sgmta = 0.2;
    doc.Taua = 0.3;
  } else if (doc.SgmCk == 18) {
    doc.Sgmca = 4.5;
    doc.Sgmta = 0.25;
    doc.Taua = 0.3;
  }
  doc.Sgmsa = 180;
}

// The snow kind indexes the list of the guideline it was chosen under. The
// free entry is the last item of every list, so it moves with the list's
// length and a typed snow load keeps its meaning; other kinds are clamped.
int16_t SnowTypeFor(int16_t snowType, int32_t oldSisin, int32_t newSisin) {
  if (snowType >= 0 && snowType == SnowKindCount(oldSisin) - 1)
    return static_cast<int16_t>(SnowKindCount(newSisin) - 1);
  const int16_t last = (newSisin == 2 || newSisin == 5) ? 2 : 4;
  return std::min(snowType, last);
}

}  // namespace

void ApplyIniData(CDocument& doc, IniDataFields& fields, const IniDataFields& chosen) {
  fields.Title = chosen.Title;

  if (chosen.Sisin != fields.Sisin || IsNullValue(doc.SgmCk)) ApplyIniAllowables(doc, chosen.Sisin);

  if (chosen.WallType != fields.WallType || chosen.Sisin != fields.Sisin ||
      doc.nTentou == kNullInt16)
    doc.nTentou = (chosen.Sisin != 3 && chosen.WallType == 0) ? 3 : 0;

  const int32_t snowListSisin = doc.Sisin;  // the guideline nSnowType was chosen under
  fields.Sisin = chosen.Sisin;

  if (fields.Sisin != 4) {
    for (int i = 0; i < doc.nCase(); ++i)
      if (auto c = doc.pCase(i)) c->Doat = c->nQuake != 0 ? 1 : 0;
    if (doc.nAutoMobile == -1) doc.nAutoMobile = 0;
    if (doc.nAutoTload == -1) doc.nAutoTload = 0;
  } else if (doc.nAutoMobile == -1) {
    doc.nAutoMobile = 1;
  }

  if (doc.nTakuchi == -1) {
    doc.nTakuchi = fields.Sisin == 4 ? 0 : 1;
    if (doc.TakuchiLoad == kNullBox) doc.TakuchiLoad = 9.8;
  }

  fields.WallType = chosen.WallType;
  fields.Doatsu = chosen.Doatsu;

  if (fields.Sisin == 2) doc.nQa = fields.WallType == 0 ? 1 : 0;
  doc.nSnowType = SnowTypeFor(doc.nSnowType, snowListSisin, fields.Sisin);
}

IniDataLocks IniDataLocksFor(int32_t sisin) {
  IniDataLocks l;
  l.forceBlockWedge = sisin == 3;
  l.otherWallTypes = sisin != 3;
  l.formulas = sisin != 3;
  return l;
}

void SetKihonDefault(CDocument& doc) {
  if (doc.Doatsu == 0) doc.BackType = 0;
  if (IsNullValue(doc.Gamcw)) doc.Gamcw = 23;
  if (IsNullValue(doc.Gamcf)) doc.Gamcf = 23;
  if (IsNullValue(doc.Gamw)) doc.Gamw = 9.8;
  if (!IsNullValue(doc.SgmCk)) return;
  doc.SgmCk = 18;
  if (doc.Sisin == 0) {
    doc.Sgmca = 4.5;
    doc.Sgmta = 0.25;
    doc.Taua = 0.3;
    doc.Sgmsa = 180;
  } else if (doc.Sisin == 4) {
    doc.Sgmca = 6.0;
    doc.Sgmta = 0.6;
    doc.Taua = 0.6;
    doc.Sgmsa = 196;
  } else {
    doc.Sgmca = 4.5;
    doc.Sgmta = 0.23;
    doc.Taua = 0.33;
    doc.Sgmsa = 180;
  }
}

KihonState KihonFormState(const CDocument& doc) {
  KihonState s;
  s.quake = doc.bQuake != 0;
  s.wedge = doc.Doatsu == 1;
  s.wedgeQuake = s.wedge && s.quake;
  s.cutFace = doc.Sisin != 3 && doc.BackType == 1;
  s.footing = doc.WallType() != 1;
  return s;
}

AnteiState AnteiFormState(const CDocument& doc, bool qaTicked) {
  const bool slideWorks = doc.nTentou != 3 || doc.nWlvlAuto == 0;
  const bool passive = doc.nJyudo == 1 && doc.ChkSlide == 1;
  AnteiState s;
  s.thrustOption = (doc.nWater == 0 || doc.nWlvlAuto == 0) && doc.WallType() == 0 && doc.Sisin != 3;
  s.slideOptions = slideWorks;
  s.passiveCheck = doc.ChkSlide == 1 && slideWorks;
  s.passive = passive;
  s.passiveQuake = passive && doc.bQuake != 0;
  s.qaGroup = qaTicked;
  s.bearingPhiC = doc.nQa == 0 || doc.Tokki == 1;
  s.bearingRest = doc.nQa == 0;
  s.largeBlock = doc.Sisin == 3;
  return s;
}

void AnteiTentouClick(CDocument& doc, int index) {
  doc.nTentou = index;
  if (index == 3) {
    doc.Tokki = 0;
    doc.nWlvlAuto = 0;
  } else {
    doc.ChkSlide = 1;
  }
}

bool AnteiSlideClick(CDocument& doc, int index) {
  doc.ChkSlide = static_cast<int16_t>(index);
  if (doc.ChkSlide != 0) return false;
  doc.nJyudo = 0;
  return true;
}

double MyuFromFaib(double faib, double myu) {
  if (!(faib >= 0)) return myu;
  const double t = std::tan(faib * kCalcPi / 180);
  return std::stod(FormatPattern(t, "##0.000"));
}

namespace {

// Accessors for the tables: plain members through a member pointer, indexed
// members through their accessor pair.
#define NORVA_PLAIN(m) &GetMember<&CDocumentInputs::m>, &SetMember<&CDocumentInputs::m>
#define NORVA_INDEXED(m, i) \
  [](const CDocument& d) { return d.m(i); }, [](CDocument& d, double v) { d.Set##m(i, v); }

constexpr const char* kUnitWTags[7] = {
    "裏込め土の湿潤重量を入力します。",
    "裏込め土の水中重量を入力します。",
    "前面土砂の湿潤重量を入力します。",
    "前面土砂の水中重量を入力します。",
    "壁部のコンクリートの単位重量を入力します。混合擁壁の場合は上部擁壁の単重を入力します。",
    "基礎部(底版部)"
    "のコンクリートの単位重量を入力します。混合擁壁の場合は下部擁壁の単重を入力します。",
    "水の単位重量を入力します。"};

const NumField kKihon[] = {
    {"imnKh", 0, 0.01, 9.99, "0.00", NORVA_INDEXED(Kh, 0),
     "く体慣性力を算出する際の設計水平震度を入力します。"},
    {"imnKh", 1, 0.01, 9.99, "0.00", NORVA_INDEXED(Kh, 1),
     "地震時土圧計算時の地震合成角を考慮する場合に入力します。"},
    {"imnUnitW", 0, 0.01, 99.99, "#0.00", NORVA_PLAIN(Gamb), kUnitWTags[0]},
    {"imnUnitW", 1, 0.01, 99.99, "#0.00", NORVA_PLAIN(Gambd), kUnitWTags[1]},
    {"imnUnitW", 2, 0, 99.99, "#0.00", NORVA_PLAIN(Gamf), kUnitWTags[2]},
    {"imnUnitW", 3, 0, 99.99, "#0.00", NORVA_PLAIN(Gamfd), kUnitWTags[3]},
    {"imnUnitW", 4, 0.01, 99.99, "#0.00", NORVA_PLAIN(Gamcw), kUnitWTags[4]},
    {"imnUnitW", 5, 0.01, 99.99, "#0.00", NORVA_PLAIN(Gamcf), kUnitWTags[5]},
    {"imnUnitW", 6, 0.01, 99.99, "#0.00", NORVA_PLAIN(Gamw), kUnitWTags[6]},
    {"imnFai", -1, 0, 89.999, "#0.00", NORVA_PLAIN(Fai), "裏込め土の内部摩擦角を入力します。"},
    {"imnC", 0, 0, 999.99, "##0.00", NORVA_INDEXED(C, 0), "裏込め土の常時の粘着力を入力します。"},
    {"imnC", 1, 0, 999.99, "##0.00", NORVA_INDEXED(C, 1), "裏込め土の地震時の粘着力を入力します。"},
    {"imnDelt", 0, 0, 89.99, "#0.00", NORVA_INDEXED(delt, 0),
     "常時土圧計算用の壁面摩擦角を入力します。"},
    {"imnDelt", 1, 0, 89.99, "#0.00", NORVA_INDEXED(delt, 1),
     "地震時土圧計算用の壁面摩擦角を入力します。"},
    {"imnKirido", -1, 0, 89.999, "#0.00", NORVA_PLAIN(Deltd),
     "切土面におけるすべり摩擦角を入力します。"},
    {"imnCd", -1, 0, 999.99, "##0.00", NORVA_PLAIN(Cd),
     "切土面と裏込め土の間の粘着力を入力します。"},
    {"imnSgmck", -1, 0.01, 999.99, "##0.00", NORVA_PLAIN(SgmCk),
     "無筋コンクリートの設計基準強度を入力します。"},
    {"imnSgmca", -1, 0.01, 999.99, "##0.00", NORVA_PLAIN(Sgmca),
     "無筋コンクリートの許容圧縮応力度を入力します。常時の値を入力してください。"},
    {"imnSgmta", -1, 0.01, 999.99, "##0.00", NORVA_PLAIN(Sgmta),
     "無筋コンクリートの許容引張応力度を入力します。常時の値を入力してください。"},
    {"imnTaua", -1, 0.01, 999.99, "##0.00", NORVA_PLAIN(Taua),
     "無筋コンクリートの許容せん断応力度を入力します。常時の値を入力してください。"},
    {"imnSgmsa", -1, 0.01, 9999.99, "###0.00", NORVA_PLAIN(Sgmsa),
     "突起の設計に用いる鉄筋の許容引張応力度を入力します。常時の値を入力してください。"},
};

constexpr const char* kPpTag =
    "擁壁前面の土による常時受働土圧合力の水平成分を入力します。"
    "滑動の検討ではこれに0.5を乗じてせん断抵抗力として用います。";

const NumField kAntei[] = {
    {"imnPp", 0, 0, 9999.99, "###0.00", NORVA_INDEXED(Pp, 0), kPpTag},
    {"imnPp", 1, 0, 9999.99, "###0.00", NORVA_INDEXED(Pp, 1), kPpTag},
    {"imnQa", -1, 0.01, 9999.99, "###0.00", NORVA_PLAIN(Qa),
     "常時(長期)の許容支持力度を入力します。"},
    {"imnFaib", -1, 0, 89.99, "#0.00", NORVA_PLAIN(Faib),
     "滑動の計算に用いる底面と地盤との間の摩擦角を入力します。値を入力するとμを自動的に算出します"
     "。"},
    {"imnMyu", -1, 0, 9.999, "0.000", NORVA_PLAIN(Myu),
     "滑動の計算に用いる底面と地盤との間の摩擦係数μを入力します。"},
    {"imnCb", -1, 0, 999.99, "##0.00", NORVA_PLAIN(cb),
     "滑動の計算に用いる底面と地盤との間の付着力を入力します。"},
    {"imnSijiFai", -1, 0, 89.99, "#0.00", NORVA_PLAIN(SijiFai),
     "支持力の計算に用いる、支持地盤のせん断抵抗角を入力します。"},
    {"imnSijiC", -1, 0, 999.99, "##0.00", NORVA_PLAIN(SijiC),
     "支持力の計算に用いる、支持地盤の粘着力を入力します。"},
    {"imnSijiGam1", -1, 0.01, 99.99, "#0.00", NORVA_PLAIN(SijiGam1),
     "許容(極限)支持力度の算出に用いる支持地盤の土の単位重量を入力します。"},
    {"imnDf", -1, 0, 99.999, "#0.000", NORVA_PLAIN(Df),
     "許容(極限)支持力度の算出に用いる、根入れ地盤への根入れ深さを入力します。"},
    {"imnDfd", -1, 0, 99.999, "0.000", NORVA_PLAIN(Dfd),
     "許容(極限)支持力度の算出に用いる、支持地盤への根入れ深さを入力します。"},
    {"imnSijiGam2", -1, 0.01, 99.99, "#0.00", NORVA_PLAIN(SijiGam2),
     "許容(極限)支持力度の算出に用いる、根入れ地盤の土の単位重量を入力します。"},
    {"imnAE0", 0, 0.01, 999999.99, "#####0.00", NORVA_INDEXED(AE0, 0),
     "壁面地盤反力の算出に用いる壁背面地盤(裏込め土)の常時の変形係数を入力します。"},
    {"imnAE0", 1, 0.01, 999999.99, "#####0.00", NORVA_INDEXED(AE0, 1),
     "鉛直地盤反力の算出に用いる支持地盤の常時の変形係数を入力します。"},
};

#undef NORVA_PLAIN
#undef NORVA_INDEXED

}  // namespace

std::span<const NumField> KihonFields() { return kKihon; }
std::span<const NumField> AnteiFields() { return kAntei; }

}  // namespace norva

#include "screens/loads/loads_rules.h"

#include "document/document.h"

namespace norva {

FrontSoil FrontSoilFlags(const CDocument& doc) {
  FrontSoil soil{false, false};
  if (!(doc.Gamf > 0 || doc.Gamfd > 0)) return soil;
  soil[0] = doc.SoilFH(0) > 0;
  soil[1] = doc.bQuake != 0 && doc.SoilFH(1) > 0;
  return soil;
}

std::vector<std::string> TloadKindList() { return {"T-25", "T-20", "T-14", "T-10", "任意"}; }

std::vector<std::string> SnowKindList(int32_t Sisin) {
  switch (Sisin) {
    case 2:
      return {"雪だけが荷重としてかかる場合", "自動車荷重と組み合わせる場合", "任意荷重"};
    case 5:
      return {"一般の場合", "自動車荷重と組み合わせる場合", "任意荷重"};
    default:
      return {"降りたての雪", "やや落ち着いた雪", "圧縮された雪", "自動車荷重と組み合わせる場合",
              "任意荷重"};
  }
}

std::vector<std::string> FenceKindList(int32_t Sisin) {
  return {Sisin == 2 ? "たわみ性防護柵" : "支柱式防護柵", "剛性防護柵"};
}

double StandardVehicleIntensity(int kind, double current) {
  // T-25 and T-20 carry 10 kN/m2; T-14 and T-10 the same scaled by 0.7, 0.5.
  switch (kind) {
    case 0:
    case 1:
      return 10.0;
    case 2:
      return 7.0;
    case 3:
      return 5.0;
    default:
      return current;
  }
}

void ApplyTloadKind(CDocument& doc, int kind) {
  if (kind < 0 || kind > 4) return;
  doc.nAutoTload = static_cast<int16_t>(kind);
  doc.AutoLoad = StandardVehicleIntensity(kind, doc.AutoLoad);
}

bool ApplySnowKind(CDocument& doc, int kind) {
  if (kind == doc.nSnowType) return false;
  doc.nSnowType = static_cast<int16_t>(kind);
  doc.SetSnowLoad();
  return true;
}

bool ApplySnowDepth(CDocument& doc, double depth) {
  if (depth == doc.SnowDepth) return false;
  doc.SnowDepth = depth;
  doc.SetSnowLoad();
  return true;
}

bool StoreSnowBox(CDocument& doc, int index, double v) {
  if (index == 1) return ApplySnowDepth(doc, v);
  (index == 0 ? doc.SnowPos : doc.SnowLoad) = v;
  return false;
}

LoadsState LoadsFormState(const CDocument& doc) {
  const bool wedge = doc.Doatsu == 1;
  LoadsState s;
  s.autoOn = doc.nAutoMobile == 0;
  s.autoWidth = s.autoOn && wedge;
  s.autoLoadEditable = s.autoOn && doc.nAutoTload == 4;
  s.gunsyuOn = doc.nGunsyu == 0;
  s.gunsyuWidth = s.gunsyuOn && wedge;
  s.snowOn = doc.nSnow == 0;
  const bool byDepth = (doc.Sisin == 2 || doc.Sisin == 5) && doc.nSnowType == 0;
  s.snowDepth = s.snowOn && byDepth;
  s.snowLoad = s.snowOn && !byDepth;
  const int freeEntry = static_cast<int>(SnowKindList(doc.Sisin).size()) - 1;
  s.snowLoadEditable = s.snowLoad && doc.nSnowType == freeEntry;
  s.takuchiOn = doc.nTakuchi == 0;
  s.takuchiWidth = s.takuchiOn && wedge;
  s.crashOn = doc.nAutoCrash(0) == 0 || doc.nAutoCrash(1) == 0;
  s.stoneOn = doc.nStone == 0;
  s.windOn = doc.nWind == 0;
  return s;
}

}  // namespace norva

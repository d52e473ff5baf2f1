#include "calc/stability/load_defaults.h"

#include <algorithm>
#include <cmath>

#include "document/load_case.h"

namespace norva {

bool IsSpecialCase(const CKajyuCase& k) {
  return k.nQuake == 1 || k.nAutoCrash == 1 || k.nStoneCrash == 1 || k.nWind == 1;
}

double GetDefEa(int32_t WallType, int32_t Sisin, const CKajyuCase& kase) {
  const bool special = IsSpecialCase(kase);
  if (Sisin == 4) return special ? 2 : 6;
  if (Sisin == 2 && WallType == 2) return special ? 6 : 0;
  return special ? 3 : 6;
}

double GetDefFsTentou(int32_t Sisin, const CKajyuCase& kase) {
  if (!IsSpecialCase(kase)) return 1.5;
  return Sisin == 4 ? 1.0 : 1.2;
}

double GetDefFsKatsudou(int32_t Sisin, const CKajyuCase& kase) {
  return GetDefFsTentou(Sisin, kase);
}

double GetDefQaPremium(const CKajyuCase& kase) { return IsSpecialCase(kase) ? 1.5 : 1.0; }

double GetDefAllowPremium(const CKajyuCase& k) {
  if (k.nQuake == 1 || k.nAutoCrash == 1 || k.nStoneCrash == 1) return 1.5;
  if (k.nWind == 1) return 1.25;
  return 1.0;
}

double GetKh0(int32_t Sisin, int16_t groundClass, int16_t level) {
  static constexpr double kLow[3] = {0.12, 0.15, 0.18};
  static constexpr double kHigh[3] = {0.16, 0.20, 0.24};
  const bool known = groundClass >= 0 && groundClass <= 2;
  switch (Sisin) {
    case 0:
    case 2:
    case 3:
      if (!known) return 0;
      return level == 0 ? kLow[groundClass] : kHigh[groundClass];
    case 5:
      return known ? kHigh[groundClass] : 0;
    case 4:
      return 0.2;
    default:
      return 0;
  }
}

double GetCz(int16_t region) {
  switch (region) {
    case 0:
      return 1.0;
    case 1:
      return 0.85;
    case 2:
      return 0.7;
    default:
      return 0;
  }
}

double GetKh(int32_t Sisin, double Cz, int16_t groundClass, double canalFactor, int16_t level) {
  double kh = GetKh0(Sisin, groundClass, level);
  kh = (Sisin == 5) ? kh * (Cz * canalFactor) : kh * Cz;
  kh = std::max(kh, 0.1);
  return std::trunc(kh * 100 + 0.500001) / 100;
}

double GetVs(int32_t N, int16_t kind) {
  if (kind == 0) {
    const double n = std::clamp(N, 1, 50);
    return 80 * std::pow(n, 1.0 / 3.0);
  }
  const double n = std::clamp(N, 1, 25);
  return 100 * std::pow(n, 1.0 / 3.0);
}

}  // namespace norva

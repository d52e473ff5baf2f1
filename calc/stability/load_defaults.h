#pragma once
// Default allowables of a load case and the seismic coefficients of the
// design-conditions report. The default bearing-capacity safety factor,
// GetDefQuPremium, lives with the document (document/def_premium.h), since
// the document reader sets it.
#include <cstdint>

#include "document/def_premium.h"

namespace norva {

class CKajyuCase;

// A case with an earthquake, a vehicle collision, a rock fall or wind (each
// switch exactly 1) is a special case; all others are normal cases.
bool IsSpecialCase(const CKajyuCase& kase);

// Divisor n of the allowable eccentricity B / n (0: none).
double GetDefEa(int32_t WallType, int32_t Sisin, const CKajyuCase& kase);
double GetDefFsTentou(int32_t Sisin, const CKajyuCase& kase);
double GetDefFsKatsudou(int32_t Sisin, const CKajyuCase& kase);
double GetDefQaPremium(const CKajyuCase& kase);
double GetDefAllowPremium(const CKajyuCase& kase);

// Standard horizontal seismic coefficient by guideline, ground class (0, 1, 2)
// and level switch.
double GetKh0(int32_t Sisin, int16_t groundClass, int16_t level);
// Regional factor by region 0, 1, 2.
double GetCz(int16_t region);
// Design horizontal seismic coefficient, at least 0.1, rounded half up to two
// decimals. The canal factor applies under the canal guideline only.
double GetKh(int32_t Sisin, double Cz, int16_t groundClass, double canalFactor, int16_t level);
// Shear-wave velocity (m/s) of a layer by its N value: sandy soil (kind 0)
// 80 N^(1/3) with N in 1..50, cohesive soil 100 N^(1/3) with N in 1..25.
double GetVs(int32_t N, int16_t kind);

}  // namespace norva

#include "document/def_premium.h"

#include "document/document.h"
#include "document/load_case.h"

namespace norva {

double GetDefQuPremium(const CDocument& doc, const CKajyuCase& kase) {
  const bool occasional =
      kase.nQuake == 1 || kase.nAutoCrash == 1 || kase.nStoneCrash == 1 || kase.nWind == 1;
  if (!occasional) return 3;
  switch (doc.Sisin) {
    case 4:
      return doc.Kibo == 0 ? 1.5 : 1;
    case 5:
      return doc.nQa == 1 ? 2 : 1.5;
    case 0:
    case 2:
    case 3:
      return 2;
    default:
      return 0;
  }
}

}  // namespace norva

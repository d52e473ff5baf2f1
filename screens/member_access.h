#pragma once
// A document member read and written through plain function pointers, as
// the number-box tables of the screens hold them.
#include "document/document.h"

namespace norva {

template <double CDocumentInputs::*M>
double GetMember(const CDocument& d) {
  return d.*M;
}
template <double CDocumentInputs::*M>
void SetMember(CDocument& d, double v) {
  d.*M = v;
}

}  // namespace norva

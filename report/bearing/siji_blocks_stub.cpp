// Defaults of the allowable-bearing blocks: they write nothing. The real
// blocks, when linked in, take their place.
#include "report/bearing/siji_blocks.h"

namespace norva {

__attribute__((weak)) void PrnSijiCanal(PrnFile&, const CDocument&) {}
__attribute__((weak)) void PrnSijiTakuchiNoudou(PrnFile&, const CDocument&) {}
__attribute__((weak)) void PrnSijiCase(PrnFile&, const CDocument&, int32_t) {}

}  // namespace norva

#include <stdexcept>

#include "platform/sxf_common/sxf_model.h"

namespace norva::sxf {

std::string WriteP21(const Drawing&) { throw std::runtime_error("P21"); }

}  // namespace norva::sxf

#pragma once
// The last guard of a load case: no NaN or infinity may leave the calculation
// in a result record, whatever input or step produced it.
#include <string>

namespace norva {

class CAntRes;

// Replaces every NaN or infinity stored in r, its wedge records included, by
// kNullBox ("-----" in the tables). Returns the name of the first member
// replaced; empty when every number was finite.
std::string ClearNonFinite(CAntRes& r);

}  // namespace norva

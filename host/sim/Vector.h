#pragma once

#include <vector>

namespace VTSIM {

// The value of a parameter expression: a row of numbers. A scalar has one element; an empty
// vector ("[]") has none.
using Vector = std::vector<double>;

}  // namespace VTSIM

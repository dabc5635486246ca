#pragma once

#include <functional>
#include <optional>

#include "sim/Vector.h"

namespace VTSIM {

// Recovers the coefficients of a polynomial from its values: the expansion step of polynomial
// parameters, where only the expression's values are known (muParser computes them).
//
// It interpolates at Chebyshev nodes, after scaling the variable by a power of two that
// balances the coefficients (so that scaling back is exact), drops coefficients below 1e-11 of
// the largest scaled one as rounding noise, rounds each coefficient to the significant digits
// (at most 12) that an estimate of its rounding noise leaves, when that moves it by no more
// than the noise (so that 0.05 comes back as the double 0.05, not a neighbour), and then checks
// the result at points off the nodes.
class PolynomialFit {
public:
    // The coefficients, in descending powers, of the polynomial of degree at most
    // `degreeBound` (0..30) whose values `f` gives; no leading zeros, [0] for the zero
    // polynomial. nullopt when `f` is no such polynomial: a value is not finite, or the
    // interpolant misses `f` at the check points by more than 1e-9 relative.
    static std::optional<Vector> fit(const std::function<double(double)>& f, int degreeBound);
};

}  // namespace VTSIM

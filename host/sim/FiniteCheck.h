#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace VTSIM {

// Whether values are all finite numbers, checked without a branch per value: a value is finite
// when its exponent bits are not all ones, and then (bits & exponent) - exponent is negative;
// the sign bit survives ANDing over all values only when every one is finite. Integer
// operations only, so loops of `add` vectorize.
class FiniteCheck {
public:
    void add(double value) {
        all_ &= (std::bit_cast<std::uint64_t>(value) & kExponent) - kExponent;
    }
    void add(const double* values, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            add(values[i]);
    }
    bool allFinite() const { return (all_ >> 63) != 0; }

    static bool allFinite(const double* values, std::size_t count) {
        FiniteCheck check;
        check.add(values, count);
        return check.allFinite();
    }

private:
    static constexpr std::uint64_t kExponent = 0x7ff0000000000000;
    std::uint64_t all_ = ~std::uint64_t{0};
};

}  // namespace VTSIM

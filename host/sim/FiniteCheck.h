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
    void add(double value) { all_ &= bitsOf(value); }
    // Four running ANDs, so that each value waits for the one four before it, not for the last.
    void add(const double* values, std::size_t count) {
        std::uint64_t lanes[4] = {all_, all_, all_, all_};
        std::size_t i = 0;
        for (; i + 4 <= count; i += 4) {
            for (int k = 0; k < 4; ++k)
                lanes[k] &= bitsOf(values[i + k]);
        }
        for (; i < count; ++i)
            lanes[0] &= bitsOf(values[i]);
        all_ = lanes[0] & lanes[1] & lanes[2] & lanes[3];
    }
    bool allFinite() const { return (all_ >> 63) != 0; }

    static bool allFinite(const double* values, std::size_t count) {
        FiniteCheck check;
        check.add(values, count);
        return check.allFinite();
    }

private:
    static constexpr std::uint64_t kExponent = 0x7ff0000000000000;
    // Sign bit set when `value` is finite.
    static std::uint64_t bitsOf(double value) {
        return (std::bit_cast<std::uint64_t>(value) & kExponent) - kExponent;
    }
    std::uint64_t all_ = ~std::uint64_t{0};
};

}  // namespace VTSIM

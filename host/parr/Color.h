#pragma once

#include <cstddef>

namespace PARR {

// A colour with red, green, blue and alpha components, each a double in 0..1 (alpha 0 is
// fully transparent, 1 opaque). Every way of setting a component clamps it into 0..1; a NaN
// component becomes 0. The default colour is opaque black. A plain value.
class Color {
public:
    Color() = default;
    Color(double red, double green, double blue, double alpha = 1.0);

    void setRGBA(double red, double green, double blue, double alpha);

    double red() const { return red_; }
    double green() const { return green_; }
    double blue() const { return blue_; }
    double alpha() const { return alpha_; }

    // Exact comparison of the clamped components.
    bool operator==(const Color&) const = default;

private:
    double red_ = 0.0;
    double green_ = 0.0;
    double blue_ = 0.0;
    double alpha_ = 1.0;
};

std::size_t gHash(const Color& c);

}  // namespace PARR

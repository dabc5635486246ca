#include "parr/Color.h"

#include <cmath>

#include "parr/Hash.h"

namespace PARR {

namespace {

double clampUnit(double v) {
    if (std::isnan(v) || v < 0.0)
        return 0.0;
    return v > 1.0 ? 1.0 : v;
}

}  // namespace

Color::Color(double red, double green, double blue, double alpha) {
    setRGBA(red, green, blue, alpha);
}

void Color::setRGBA(double red, double green, double blue, double alpha) {
    red_ = clampUnit(red);
    green_ = clampUnit(green);
    blue_ = clampUnit(blue);
    alpha_ = clampUnit(alpha);
}

std::size_t gHash(const Color& c) {
    return hashCombine(hashCombine(gHash(c.red()), gHash(c.green())),
                       hashCombine(gHash(c.blue()), gHash(c.alpha())));
}

}  // namespace PARR

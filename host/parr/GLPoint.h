#pragma once

#include <cmath>
#include <cstddef>

#include "parr/Hash.h"

namespace PARR {

// A point (or a 2-D vector) in whatever frame its user states; the diagram code uses
// GLPoint<double> in diagram units. A plain value: copy freely.
template <typename T>
struct GLPoint {
    T x{};
    T y{};

    constexpr GLPoint() = default;
    constexpr GLPoint(T px, T py) : x(px), y(py) {}

    constexpr T getX() const { return x; }
    constexpr T getY() const { return y; }

    constexpr GLPoint operator+(const GLPoint& o) const { return {x + o.x, y + o.y}; }
    constexpr GLPoint operator-(const GLPoint& o) const { return {x - o.x, y - o.y}; }
    constexpr GLPoint operator-() const { return {-x, -y}; }
    constexpr GLPoint operator*(T f) const { return {x * f, y * f}; }
    constexpr GLPoint& operator+=(const GLPoint& o) {
        x += o.x;
        y += o.y;
        return *this;
    }
    constexpr GLPoint& operator-=(const GLPoint& o) {
        x -= o.x;
        y -= o.y;
        return *this;
    }
    constexpr bool operator==(const GLPoint& o) const { return x == o.x && y == o.y; }
    constexpr bool operator!=(const GLPoint& o) const { return !(*this == o); }
};

template <typename T>
std::size_t gHash(const GLPoint<T>& p) {
    return hashCombine(gHash(p.x), gHash(p.y));
}

}  // namespace PARR

#pragma once

#include <algorithm>

#include "parr/GLPoint.h"

namespace PARR {

// An axis-aligned rectangle: top-left corner (x, y), extent (width, height), y growing
// downwards as on the canvas. A rectangle with a width or height <= 0 is empty.
template <typename T>
struct GLRect {
    T x{};
    T y{};
    T width{};
    T height{};

    constexpr GLRect() = default;
    constexpr GLRect(T px, T py, T w, T h) : x(px), y(py), width(w), height(h) {}
    constexpr GLRect(const GLPoint<T>& topLeft, const GLPoint<T>& size)
        : x(topLeft.x), y(topLeft.y), width(size.x), height(size.y) {}

    // The smallest rectangle holding both corners, in whichever order they are given.
    static constexpr GLRect fromCorners(const GLPoint<T>& a, const GLPoint<T>& b) {
        return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) - std::min(a.x, b.x),
                std::max(a.y, b.y) - std::min(a.y, b.y)};
    }

    constexpr T left() const { return x; }
    constexpr T right() const { return x + width; }
    constexpr T top() const { return y; }
    constexpr T bottom() const { return y + height; }
    constexpr T hCenter() const { return x + width / 2; }
    constexpr T vCenter() const { return y + height / 2; }
    constexpr GLPoint<T> topLeft() const { return {x, y}; }
    constexpr GLPoint<T> bottomRight() const { return {right(), bottom()}; }
    constexpr GLPoint<T> center() const { return {hCenter(), vCenter()}; }
    constexpr GLPoint<T> size() const { return {width, height}; }
    constexpr bool isEmpty() const { return width <= 0 || height <= 0; }

    // Containment includes the border: a point on an edge is inside.
    constexpr bool contains(const GLPoint<T>& p) const {
        return p.x >= left() && p.x <= right() && p.y >= top() && p.y <= bottom();
    }
    constexpr bool contains(const GLRect& r) const {
        return r.left() >= left() && r.right() <= right() && r.top() >= top() &&
               r.bottom() <= bottom();
    }
    // True when the rectangles share interior area (touching edges do not intersect).
    constexpr bool intersects(const GLRect& r) const {
        return r.left() < right() && left() < r.right() && r.top() < bottom() && top() < r.bottom();
    }

    // The smallest rectangle holding both; an empty operand contributes nothing.
    constexpr GLRect united(const GLRect& r) const {
        if (r.isEmpty())
            return *this;
        if (isEmpty())
            return r;
        const T l = std::min(left(), r.left());
        const T t = std::min(top(), r.top());
        return {l, t, std::max(right(), r.right()) - l, std::max(bottom(), r.bottom()) - t};
    }
    constexpr GLRect translated(T dx, T dy) const { return {x + dx, y + dy, width, height}; }
    constexpr GLRect adjusted(T dl, T dt, T dr, T db) const {
        return {x + dl, y + dt, width - dl + dr, height - dt + db};
    }

    constexpr bool operator==(const GLRect& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
    constexpr bool operator!=(const GLRect& o) const { return !(*this == o); }
};

}  // namespace PARR

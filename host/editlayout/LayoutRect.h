#pragma once

#include "parr/GLRect.h"

namespace EditLayout {

// The rectangle an item occupies for smart-guide layout, in absolute diagram coordinates
// (y grows downwards). A plain value that converts to and from PARR::GLRect<double>; a
// rectangle with a width or height <= 0 is empty but still has edges and centre lines.
class LayoutRect {
public:
    LayoutRect() = default;
    LayoutRect(double x, double y, double width, double height);
    // Implicit on purpose: the framework hands GLRects wherever a LayoutRect is expected.
    LayoutRect(const PARR::GLRect<double>& rect);

    double x() const { return x_; }
    double y() const { return y_; }
    double width() const { return width_; }
    double height() const { return height_; }

    double left() const { return x_; }
    double right() const { return x_ + width_; }
    double top() const { return y_; }
    double bottom() const { return y_ + height_; }
    double hCenter() const { return x_ + width_ / 2; }
    double vCenter() const { return y_ + height_ / 2; }
    PARR::GLPoint<double> center() const { return {hCenter(), vCenter()}; }

    bool isEmpty() const { return width_ <= 0 || height_ <= 0; }

    // The same rectangle moved by (dx, dy).
    LayoutRect translated(double dx, double dy) const;

    PARR::GLRect<double> toGLRect() const { return {x_, y_, width_, height_}; }

    bool operator==(const LayoutRect& other) const;
    bool operator!=(const LayoutRect& other) const { return !(*this == other); }

private:
    double x_ = 0;
    double y_ = 0;
    double width_ = 0;
    double height_ = 0;
};

}  // namespace EditLayout

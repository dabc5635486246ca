#include "editlayout/LayoutRect.h"

namespace EditLayout {

LayoutRect::LayoutRect(double x, double y, double width, double height)
    : x_(x), y_(y), width_(width), height_(height) {}

LayoutRect::LayoutRect(const PARR::GLRect<double>& rect)
    : LayoutRect(rect.x, rect.y, rect.width, rect.height) {}

LayoutRect LayoutRect::translated(double dx, double dy) const {
    return {x_ + dx, y_ + dy, width_, height_};
}

bool LayoutRect::operator==(const LayoutRect& other) const {
    return x_ == other.x_ && y_ == other.y_ && width_ == other.width_ && height_ == other.height_;
}

}  // namespace EditLayout

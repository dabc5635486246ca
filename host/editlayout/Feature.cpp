#include "editlayout/Feature.h"

namespace EditLayout {

Feature::Feature(const Item* item, int kind, const PARR::GLPoint<double>& point)
    : item_(item), kind_(kind), point_(point) {}

AxisSet Feature::axesOf(int kind) {
    switch (kind) {
        case Center:
            return AxisSet::Both;
        case Left:
        case Right:
        case TopPort:
        case BottomPort:
            return AxisSet::X;
        case Top:
        case Bottom:
        case LeftPort:
        case RightPort:
            return AxisSet::Y;
        default:
            return AxisSet::None;
    }
}

bool Feature::operator==(const Feature& other) const {
    return item_ == other.item_ && kind_ == other.kind_ && point_ == other.point_;
}

}  // namespace EditLayout

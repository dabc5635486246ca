#include "editlayout/Item.h"

#include <tuple>

namespace EditLayout {

Item::Item(const LayoutRect& rect) : rect_(rect) {}

Item::~Item() = default;

std::list<Feature> Item::features(double dx, double dy) const {
    const LayoutRect r = rect_.translated(dx, dy);
    return {
        Feature(this, Feature::Center, {r.hCenter(), r.vCenter()}),
        Feature(this, Feature::Top, {r.hCenter(), r.top()}),
        Feature(this, Feature::Left, {r.left(), r.vCenter()}),
        Feature(this, Feature::Bottom, {r.hCenter(), r.bottom()}),
        Feature(this, Feature::Right, {r.right(), r.vCenter()}),
    };
}

bool Item::operator<(const Item& other) const {
    const LayoutRect& a = rect_;
    const LayoutRect& b = other.rect_;
    return std::make_tuple(a.top(), a.left(), a.height(), a.width()) <
           std::make_tuple(b.top(), b.left(), b.height(), b.width());
}

}  // namespace EditLayout

#pragma once

#include <list>

#include "editlayout/Feature.h"
#include "editlayout/LayoutRect.h"

namespace EditLayout {

// Something that takes part in smart-guide layout: it has a layout rectangle in absolute
// diagram coordinates and exposes snapping features. The diagram framework's glyphs derive
// from Item and keep the rectangle up to date; subclasses may add features (ports) by
// overriding `features`.
class Item {
public:
    Item() = default;
    explicit Item(const LayoutRect& rect);
    Item(const Item&) = default;
    Item& operator=(const Item&) = default;
    virtual ~Item();

    const LayoutRect& rect() const { return rect_; }
    void setRect(const LayoutRect& rect) { rect_ = rect; }

    // The snapping features of this item when displaced by (dx, dy), in diagram coordinates,
    // each naming this item. The base gives the rectangle's five features, in this order:
    // Center, Top, Left, Bottom, Right (edge features sit at the middle of their edge), so
    // their bounding box is the displaced rectangle.
    virtual std::list<Feature> features(double dx, double dy) const;

    // Items compare by layout rectangle, not by identity; `<` is reading order (top, then
    // left, then height, then width), which gives a stable order for sorting items.
    bool operator==(const Item& other) const { return rect_ == other.rect_; }
    bool operator!=(const Item& other) const { return !(*this == other); }
    bool operator<(const Item& other) const;

private:
    LayoutRect rect_;
};

}  // namespace EditLayout

#pragma once

#include "editlayout/Axis.h"
#include "parr/GLPoint.h"

namespace EditLayout {

class Item;

// One snapping point of an item: a point in absolute diagram coordinates with a kind that
// says what the point is (an edge, the centre, a port on a side) and therefore along which
// axes it aligns with other features. A plain value; the item is not owned and may be null
// for a free-standing feature. It must outlive every use of the feature that reads it.
class Feature {
public:
    // Kinds are plain ints so that clients can name further kinds; these are the ones the
    // layout knows the axes of. Rectangle kinds 1-4 and port kinds 5-8 both run counter-
    // clockwise from the top side, so a port kind is its side's kind + 4.
    enum Kind : int {
        Center = 0,      // the centre point: aligns on both axes (both centre lines)
        Top = 1,         // middle of the top edge: aligns on Y
        Left = 2,        // middle of the left edge: aligns on X
        Bottom = 3,      // middle of the bottom edge: aligns on Y
        Right = 4,       // middle of the right edge: aligns on X
        TopPort = 5,     // a port on the top side: lines leave vertically, aligns on X
        LeftPort = 6,    // a port on the left side: lines leave horizontally, aligns on Y
        BottomPort = 7,  // a port on the bottom side: aligns on X
        RightPort = 8,   // a port on the right side: aligns on Y
    };

    Feature() = default;
    Feature(const Item* item, int kind, const PARR::GLPoint<double>& point);

    const Item* item() const { return item_; }
    int kind() const { return kind_; }
    const PARR::GLPoint<double>& point() const { return point_; }

    // The point's coordinate along `axis` (x for Axis::X, y for Axis::Y).
    double coordinate(Axis axis) const { return axis == Axis::X ? point_.x : point_.y; }

    // The axes this feature aligns on (those of its kind).
    AxisSet axes() const { return axesOf(kind_); }

    // The axes a kind aligns on; AxisSet::None for a kind the layout does not know.
    static AxisSet axesOf(int kind);

    bool operator==(const Feature& other) const;
    bool operator!=(const Feature& other) const { return !(*this == other); }

private:
    const Item* item_ = nullptr;
    int kind_ = Center;
    PARR::GLPoint<double> point_;
};

}  // namespace EditLayout

#pragma once

#include <deque>
#include <vector>

#include "editlayout/Feature.h"
#include "editlayout/Item.h"
#include "editlayout/SmartGuideSolver.h"

namespace EditLayoutTest {

// The items of one test scene, owned here so that features may point at them.
class ItemSet {
public:
    const EditLayout::Item& add(double x, double y, double width, double height) {
        return items_.emplace_back(EditLayout::LayoutRect(x, y, width, height));
    }

    // Every item's features displaced by (dx, dy), item after item in order of addition.
    std::vector<EditLayout::Feature> features(double dx = 0, double dy = 0) const {
        std::vector<const EditLayout::Item*> items;
        for (const EditLayout::Item& item : items_)
            items.push_back(&item);
        return EditLayout::SmartGuideSolver::featuresOf(items, dx, dy);
    }

private:
    std::deque<EditLayout::Item> items_;
};

}  // namespace EditLayoutTest

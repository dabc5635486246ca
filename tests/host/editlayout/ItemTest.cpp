#include "editlayout/Item.h"

#include <gtest/gtest.h>

#include <vector>

using EditLayout::Feature;
using EditLayout::Item;
using EditLayout::LayoutRect;

namespace {

std::vector<Feature> featureList(const Item& item, double dx, double dy) {
    const auto list = item.features(dx, dy);
    return {list.begin(), list.end()};
}

// An item with one port on its top side, as a glyph with ports would expose it.
class ItemWithTopPort : public Item {
public:
    using Item::Item;
    std::list<Feature> features(double dx, double dy) const override {
        std::list<Feature> list = Item::features(dx, dy);
        list.emplace_back(this, Feature::TopPort,
                          PARR::GLPoint<double>(rect().left() + 5 + dx, rect().top() + dy));
        return list;
    }
};

TEST(ItemFeatures, GivesCentreAndEdgeMiddlesOfTheRectangle) {
    const Item item(LayoutRect(10, 20, 40, 60));
    const std::vector<Feature> expected{
        Feature(&item, Feature::Center, {30, 50}), Feature(&item, Feature::Top, {30, 20}),
        Feature(&item, Feature::Left, {10, 50}), Feature(&item, Feature::Bottom, {30, 80}),
        Feature(&item, Feature::Right, {50, 50})};
    EXPECT_EQ(featureList(item, 0, 0), expected);
}

TEST(ItemFeatures, AreDisplacedByTheGivenOffset) {
    const Item item(LayoutRect(10, 20, 40, 60));
    const std::vector<Feature> still = featureList(item, 0, 0);
    const std::vector<Feature> moved = featureList(item, 7, -3);
    ASSERT_EQ(moved.size(), still.size());
    for (std::size_t i = 0; i < still.size(); ++i) {
        EXPECT_EQ(moved[i].kind(), still[i].kind());
        EXPECT_EQ(moved[i].item(), &item);
        EXPECT_EQ(moved[i].point(), still[i].point() + PARR::GLPoint<double>(7, -3));
    }
}

TEST(ItemFeatures, FollowTheRectangleSetLater) {
    Item item;
    item.setRect(PARR::GLRect<double>(100, 0, 20, 10));
    EXPECT_EQ(item.rect(), LayoutRect(100, 0, 20, 10));
    EXPECT_EQ(featureList(item, 0, 0).back(), Feature(&item, Feature::Right, {120, 5}));
}

TEST(ItemFeatures, SubclassAddsItsOwnFeaturesAfterTheRectangleOnes) {
    const ItemWithTopPort item(LayoutRect(0, 0, 20, 10));
    const std::vector<Feature> features = featureList(item, 1, 2);
    ASSERT_EQ(features.size(), 6u);
    EXPECT_EQ(features.back(), Feature(&item, Feature::TopPort, {6, 2}));
}

TEST(ItemComparison, ComparesByLayoutRectangle) {
    const Item a(LayoutRect(0, 0, 10, 10));
    const Item same(LayoutRect(0, 0, 10, 10));
    const Item other(LayoutRect(1, 0, 10, 10));
    EXPECT_EQ(a, same);
    EXPECT_NE(a, other);
}

TEST(ItemComparison, OrdersInReadingOrderTopBeforeLeft) {
    const Item upperRight(LayoutRect(100, 0, 10, 10));
    const Item lowerLeft(LayoutRect(0, 5, 10, 10));
    const Item upperLeft(LayoutRect(0, 0, 10, 10));
    EXPECT_LT(upperRight, lowerLeft);
    EXPECT_LT(upperLeft, upperRight);
    EXPECT_FALSE(lowerLeft < upperRight);
    EXPECT_FALSE(upperLeft < upperLeft);
}

}  // namespace

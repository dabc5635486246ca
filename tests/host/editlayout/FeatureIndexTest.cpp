#include "editlayout/FeatureIndex.h"

#include <gtest/gtest.h>

#include <limits>

#include "host/editlayout/ItemSet.h"

using EditLayout::Axis;
using EditLayout::Feature;
using EditLayout::FeatureIndex;
using EditLayout::LayoutRect;
using EditLayoutTest::ItemSet;

namespace {

Feature leftAt(double x) {
    return Feature(nullptr, Feature::Left, {x, 0});
}

TEST(FeatureIndexNearest, FindsTheNearestFeatureOnEitherSide) {
    const FeatureIndex index({leftAt(10), leftAt(20), leftAt(30)});
    EXPECT_EQ(index.nearest(Feature::Left, Axis::X, 18, 5)->feature, 1u);
    EXPECT_EQ(index.nearest(Feature::Left, Axis::X, 22, 5)->feature, 1u);
    EXPECT_EQ(index.nearest(Feature::Left, Axis::X, 27, 5)->coordinate, 30);
    EXPECT_EQ(index.nearest(Feature::Left, Axis::X, 11, 5)->coordinate, 10);
}

TEST(FeatureIndexNearest, FindsNothingBeyondTheTolerance) {
    const FeatureIndex index({leftAt(10), leftAt(30)});
    EXPECT_FALSE(index.nearest(Feature::Left, Axis::X, 20, 9.5));
    EXPECT_TRUE(index.nearest(Feature::Left, Axis::X, 20, 10));
}

TEST(FeatureIndexNearest, LooksOnlyAtTheAskedKindAndAxis) {
    const FeatureIndex index({leftAt(10), Feature(nullptr, Feature::Top, {0, 10})});
    EXPECT_EQ(index.nearest(Feature::Left, Axis::X, 10, 1)->feature, 0u);
    EXPECT_FALSE(index.nearest(Feature::Left, Axis::Y, 0, 1));
    EXPECT_EQ(index.nearest(Feature::Top, Axis::Y, 10, 1)->feature, 1u);
    EXPECT_FALSE(index.nearest(Feature::Right, Axis::X, 10, 1));
}

TEST(FeatureIndexNearest, PrefersTheEarliestFeatureAtTheSameCoordinate) {
    const FeatureIndex index({leftAt(40), leftAt(20), leftAt(20), leftAt(0)});
    EXPECT_EQ(index.nearest(Feature::Left, Axis::X, 21, 5)->feature, 1u);
    EXPECT_EQ(index.nearest(Feature::Left, Axis::X, 19, 5)->feature, 1u);
}

TEST(FeatureIndexNearest, PrefersTheEarliestFeatureWhenBothSidesAreEquallyNear) {
    const FeatureIndex belowFirst({leftAt(10), leftAt(20)});
    EXPECT_EQ(belowFirst.nearest(Feature::Left, Axis::X, 15, 5)->feature, 0u);
    const FeatureIndex aboveFirst({leftAt(20), leftAt(10)});
    EXPECT_EQ(aboveFirst.nearest(Feature::Left, Axis::X, 15, 5)->feature, 0u);
}

TEST(FeatureIndexNearest, IndexesTheCentreOnBothAxes) {
    const FeatureIndex index({Feature(nullptr, Feature::Center, {3, 70})});
    EXPECT_TRUE(index.nearest(Feature::Center, Axis::X, 4, 1));
    EXPECT_TRUE(index.nearest(Feature::Center, Axis::Y, 69, 1));
}

TEST(FeatureIndexNearest, SkipsFeaturesWithNonFiniteCoordinates) {
    const FeatureIndex index({leftAt(std::numeric_limits<double>::quiet_NaN()), leftAt(10)});
    EXPECT_EQ(index.nearest(Feature::Left, Axis::X, 9, 2)->feature, 1u);
}

TEST(FeatureIndexItemBounds, IsTheBoxOfAllFeaturesOfTheSameItem) {
    ItemSet items;
    items.add(0, 0, 10, 10);
    items.add(50, 20, 30, 40);
    const FeatureIndex index(items.features());
    EXPECT_EQ(index.itemBounds(0), LayoutRect(0, 0, 10, 10));
    EXPECT_EQ(index.itemBounds(7), LayoutRect(50, 20, 30, 40));
}

TEST(FeatureIndexItemBounds, IsThePointForAFeatureWithoutItem) {
    const FeatureIndex index({Feature(nullptr, Feature::Left, {4, 5}), leftAt(9)});
    EXPECT_EQ(index.itemBounds(0), LayoutRect(4, 5, 0, 0));
    EXPECT_EQ(index.itemBounds(1), LayoutRect(9, 0, 0, 0));
}

}  // namespace

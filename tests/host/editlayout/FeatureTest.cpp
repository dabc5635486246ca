#include "editlayout/Feature.h"

#include <gtest/gtest.h>

#include "editlayout/Item.h"

using EditLayout::Axis;
using EditLayout::AxisSet;
using EditLayout::Feature;

namespace {

TEST(FeatureAxes, CentreAlignsOnBothAxes) {
    EXPECT_EQ(Feature::axesOf(Feature::Center), AxisSet::Both);
}

TEST(FeatureAxes, VerticalEdgesAlignOnXAndHorizontalEdgesOnY) {
    EXPECT_EQ(Feature::axesOf(Feature::Left), AxisSet::X);
    EXPECT_EQ(Feature::axesOf(Feature::Right), AxisSet::X);
    EXPECT_EQ(Feature::axesOf(Feature::Top), AxisSet::Y);
    EXPECT_EQ(Feature::axesOf(Feature::Bottom), AxisSet::Y);
}

TEST(FeatureAxes, PortsAlignAcrossTheirSide) {
    EXPECT_EQ(Feature::axesOf(5), AxisSet::X);  // top port
    EXPECT_EQ(Feature::axesOf(6), AxisSet::Y);  // left port
    EXPECT_EQ(Feature::axesOf(7), AxisSet::X);  // bottom port
    EXPECT_EQ(Feature::axesOf(8), AxisSet::Y);  // right port
}

TEST(FeatureAxes, UnknownKindAlignsOnNoAxis) {
    EXPECT_EQ(Feature::axesOf(9), AxisSet::None);
    EXPECT_EQ(Feature::axesOf(-1), AxisSet::None);
}

TEST(FeatureCoordinate, ReadsTheComponentOfTheAxis) {
    const Feature f(nullptr, Feature::Center, {3, 7});
    EXPECT_EQ(f.coordinate(Axis::X), 3);
    EXPECT_EQ(f.coordinate(Axis::Y), 7);
}

TEST(FeatureComparison, ComparesItemKindAndPoint) {
    const EditLayout::Item a, b;
    const EditLayout::Item* itemA = &a;
    const EditLayout::Item* itemB = &b;
    const Feature f(itemA, Feature::Left, {1, 2});
    EXPECT_EQ(f, Feature(itemA, Feature::Left, {1, 2}));
    EXPECT_NE(f, Feature(itemB, Feature::Left, {1, 2}));
    EXPECT_NE(f, Feature(itemA, Feature::Right, {1, 2}));
    EXPECT_NE(f, Feature(itemA, Feature::Left, {1, 3}));
}

}  // namespace

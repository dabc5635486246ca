#include "dove2/tools/SmartGuideSnapper.h"

#include <gtest/gtest.h>

#include "editlayout/Item.h"
#include "editlayout/SmartGuides.h"

using DOVE2::SmartGuideSnapper;
using Point = PARR::GLPoint<double>;

namespace {

EditLayout::AffinityMap rectangleAffinities() {
    EditLayout::AffinityMap map;
    EditLayout::SmartGuides::AddRectangleAffinities(map);
    return map;
}

class SmartGuideSnapperTest : public ::testing::Test {
protected:
    SmartGuideSnapperTest() { snapper.begin({&resting}, {&moving}, rectangleAffinities()); }

    EditLayout::Item moving{EditLayout::LayoutRect(0, 0, 40, 30)};
    EditLayout::Item resting{EditLayout::LayoutRect(200, 100, 40, 30)};
    SmartGuideSnapper snapper;
};

}  // namespace

TEST_F(SmartGuideSnapperTest, ADisplacementBringingAnEdgeWithinReachSnapsOntoIt) {
    // The moving left edge comes to 197 against the resting left edge at 200.
    EXPECT_EQ(snapper.snap({197, 0}), Point(200, 0));
    ASSERT_EQ(snapper.guides().size(), 1u);
    EXPECT_EQ(snapper.guides()[0].axis, EditLayout::Axis::X);
}

TEST_F(SmartGuideSnapperTest, ADisplacementOutOfReachIsKept) {
    EXPECT_EQ(snapper.snap({150, 40}), Point(150, 40));
    EXPECT_TRUE(snapper.guides().empty());
}

TEST_F(SmartGuideSnapperTest, FeaturesAreTakenFromWhereTheMovingItemsWereAtTheStart) {
    // A live preview moves the item's rectangle; the snap still counts from the start.
    moving.setRect(EditLayout::LayoutRect(150, 0, 40, 30));
    EXPECT_EQ(snapper.snap({197, 0}), Point(200, 0));
}

TEST_F(SmartGuideSnapperTest, AfterTheEndNothingSnaps) {
    snapper.end();
    EXPECT_FALSE(snapper.isActive());
    EXPECT_EQ(snapper.snap({197, 0}), Point(197, 0));
}

TEST(SmartGuideSnapperWithoutMovingItems, IsNotActiveAndKeepsTheDisplacement) {
    EditLayout::Item resting{EditLayout::LayoutRect(200, 100, 40, 30)};
    SmartGuideSnapper snapper;
    snapper.begin({&resting}, {}, rectangleAffinities());
    EXPECT_FALSE(snapper.isActive());
    EXPECT_EQ(snapper.snap({199, 0}), Point(199, 0));
}

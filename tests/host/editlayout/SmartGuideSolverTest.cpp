#include "editlayout/SmartGuideSolver.h"

#include <gtest/gtest.h>

#include "editlayout/SmartGuides.h"
#include "host/editlayout/ItemSet.h"

using EditLayout::AffinityMap;
using EditLayout::Axis;
using EditLayout::Feature;
using EditLayout::SmartGuideSolver;
using EditLayout::SnapOptions;
using EditLayout::SnapResult;
using EditLayoutTest::ItemSet;
using Point = PARR::GLPoint<double>;

namespace {

AffinityMap rectangleAffinities() {
    AffinityMap map;
    EditLayout::SmartGuides::AddRectangleAffinities(map);
    return map;
}

// A scene of resting items and moving items, snapped with the rectangle affinities.
class SmartGuideSolverTest : public ::testing::Test {
protected:
    SnapResult snap(const Point& proposed, const SnapOptions& options = {}) const {
        const SmartGuideSolver solver(resting.features(), rectangleAffinities());
        return solver.solve(moving.features(proposed.x, proposed.y), proposed, options);
    }

    ItemSet resting;
    ItemSet moving;
};

using SnapToBestAlignment = SmartGuideSolverTest;

TEST_F(SnapToBestAlignment, MovesAnEdgeOntoTheSameEdgeOfANearbyItem) {
    const auto& target = resting.add(100, 0, 40, 30);
    moving.add(0, 200, 20, 10);

    const SnapResult r = snap({97, 7});

    EXPECT_EQ(r.delta, Point(100, 7));
    EXPECT_TRUE(r.snappedX);
    EXPECT_FALSE(r.snappedY);
    ASSERT_EQ(r.guides.size(), 1u);
    EXPECT_EQ(r.guides[0].resting, Feature(&target, Feature::Left, {100, 15}));
    EXPECT_EQ(r.guides[0].moving.kind(), Feature::Left);
    EXPECT_EQ(r.guides[0].moving.point(), Point(100, 212));
}

TEST_F(SnapToBestAlignment, LeavesTheDisplacementAloneWhenNothingIsInReach) {
    resting.add(100, 0, 40, 30);
    moving.add(0, 200, 20, 10);

    const SnapResult r = snap({50.5, 3});

    EXPECT_EQ(r.delta, Point(50.5, 3));
    EXPECT_FALSE(r.snappedX);
    EXPECT_FALSE(r.snappedY);
    EXPECT_TRUE(r.guides.empty());
}

TEST_F(SnapToBestAlignment, PrefersAHigherScoreOverANearerAlignment) {
    resting.add(100, 0, 40, 30);                          // left edge 1 away
    const auto& centred = resting.add(105, 100, 20, 10);  // centre 4 away
    moving.add(0, 300, 20, 10);

    const SnapResult r = snap({101, 0});

    EXPECT_EQ(r.delta.x, 105);
    ASSERT_EQ(r.guides.size(), 1u);
    EXPECT_EQ(r.guides[0].resting, Feature(&centred, Feature::Center, {115, 105}));
    EXPECT_EQ(r.guides[0].score, EditLayout::SmartGuides::CenterToCenterScore);
}

TEST_F(SnapToBestAlignment, PrefersTheNearerOfEqualScores) {
    resting.add(100, 0, 100, 30);
    const auto& nearer = resting.add(103, 100, 100, 10);
    moving.add(0, 300, 20, 10);

    const SnapResult r = snap({102, 0});

    EXPECT_EQ(r.delta.x, 103);
    ASSERT_EQ(r.guides.size(), 1u);
    EXPECT_EQ(r.guides[0].resting.item(), &nearer);
}

TEST_F(SnapToBestAlignment, AlignsAnEdgeWithTheOppositeEdge) {
    resting.add(100, 0, 40, 30);  // right edge at 140
    moving.add(0, 200, 20, 10);

    const SnapResult r = snap({142, 0});  // left edge at 142

    EXPECT_EQ(r.delta.x, 140);
    ASSERT_EQ(r.guides.size(), 1u);
    EXPECT_EQ(r.guides[0].resting.kind(), Feature::Right);
    EXPECT_EQ(r.guides[0].moving.kind(), Feature::Left);
}

using SnapTolerance = SmartGuideSolverTest;

TEST_F(SnapTolerance, SnapsAtExactlyTheToleranceAndNotBeyond) {
    resting.add(100, 0, 100, 30);  // only its left edge is within reach
    moving.add(0, 200, 20, 10);

    EXPECT_EQ(snap({95, 0}).delta.x, 100);
    EXPECT_EQ(snap({105, 0}).delta.x, 100);
    EXPECT_EQ(snap({94.9, 0}).delta.x, 94.9);
    EXPECT_FALSE(snap({105.1, 0}).snappedX);
}

TEST_F(SnapTolerance, FollowsTheGivenTolerance) {
    resting.add(100, 0, 40, 30);
    moving.add(0, 200, 20, 10);

    EXPECT_FALSE(snap({97, 0}, {2.0, 1.0}).snappedX);
    EXPECT_TRUE(snap({98, 0}, {2.0, 1.0}).snappedX);
    EXPECT_TRUE(snap({92, 0}, {8.0, 1.0}).snappedX);
}

TEST_F(SnapTolerance, ShrinksInDiagramUnitsWhenZoomedIn) {
    resting.add(100, 0, 40, 30);
    moving.add(0, 200, 20, 10);

    EXPECT_FALSE(snap({97, 0}, {5.0, 2.0}).snappedX);
    EXPECT_TRUE(snap({98, 0}, {5.0, 2.0}).snappedX);
    EXPECT_TRUE(snap({91, 0}, {5.0, 0.5}).snappedX);
}

TEST(SnapOptionsTolerance, TreatsANonPositiveZoomAsOne) {
    EXPECT_EQ((SnapOptions{5.0, 0.0}.toleranceInDiagramUnits()), 5.0);
    EXPECT_EQ((SnapOptions{5.0, -2.0}.toleranceInDiagramUnits()), 5.0);
    EXPECT_EQ((SnapOptions{6.0, 4.0}.toleranceInDiagramUnits()), 1.5);
}

using SnapAxes = SmartGuideSolverTest;

TEST_F(SnapAxes, SnapsEachAxisToItsOwnBestAlignment) {
    const auto& horizontalNeighbour = resting.add(100, 0, 40, 30);
    const auto& verticalNeighbour = resting.add(300, 200, 60, 20);
    moving.add(0, 0, 20, 10);

    const SnapResult r = snap({98, 197});

    EXPECT_EQ(r.delta, Point(100, 200));
    ASSERT_EQ(r.guides.size(), 2u);
    EXPECT_EQ(r.guides[0].axis, Axis::X);
    EXPECT_EQ(r.guides[0].resting.item(), &horizontalNeighbour);
    EXPECT_EQ(r.guides[1].axis, Axis::Y);
    EXPECT_EQ(r.guides[1].resting.item(), &verticalNeighbour);
}

TEST_F(SnapAxes, SnapsTheCentreOnBothAxesAtOnce) {
    const auto& target = resting.add(100, 100, 20, 20);
    moving.add(0, 0, 10, 10);

    const SnapResult r = snap({107, 103});  // centre at (112, 108), target centre (110, 110)

    EXPECT_EQ(r.delta, Point(105, 105));
    ASSERT_EQ(r.guides.size(), 2u);
    EXPECT_EQ(r.guides[0].resting, Feature(&target, Feature::Center, {110, 110}));
    EXPECT_EQ(r.guides[1].resting, Feature(&target, Feature::Center, {110, 110}));
}

using GuideLines = SmartGuideSolverTest;

TEST_F(GuideLines, VerticalGuideSpansBothItemsAtTheSnappedPlace) {
    resting.add(100, 0, 40, 30);
    moving.add(0, 200, 20, 10);

    const SnapResult r = snap({97, 7});

    ASSERT_EQ(r.guides.size(), 1u);
    EXPECT_EQ(r.guides[0].axis, Axis::X);
    EXPECT_EQ(r.guides[0].from, Point(100, 0));
    EXPECT_EQ(r.guides[0].to, Point(100, 217));
}

TEST_F(GuideLines, HorizontalGuideSpansBothItemsAtTheSnappedPlace) {
    resting.add(300, 200, 60, 40);
    moving.add(0, 0, 20, 10);

    const SnapResult r = snap({400, 202});  // moving top at 202 snaps to 200

    ASSERT_EQ(r.guides.size(), 1u);
    EXPECT_EQ(r.guides[0].axis, Axis::Y);
    EXPECT_EQ(r.guides[0].from, Point(300, 200));
    EXPECT_EQ(r.guides[0].to, Point(420, 200));
}

TEST_F(GuideLines, SpanTheMovingItemAfterTheSnapOnTheOtherAxis) {
    resting.add(100, 0, 40, 30);
    resting.add(300, 200, 60, 20);
    moving.add(0, 0, 20, 10);

    const SnapResult r = snap({98, 197});

    ASSERT_EQ(r.guides.size(), 2u);
    EXPECT_EQ(r.guides[0].from, Point(100, 0));
    EXPECT_EQ(r.guides[0].to, Point(100, 210));    // moving bottom at 200 + 10, not 197 + 10
    EXPECT_EQ(r.guides[1].from, Point(100, 200));  // moving left at 100, not 98
    EXPECT_EQ(r.guides[1].to, Point(360, 200));
}

using SnapTies = SmartGuideSolverTest;

TEST_F(SnapTies, GoToTheRestingItemGivenFirst) {
    ItemSet lowFirst, highFirst;
    lowFirst.add(100, 0, 20, 10);
    lowFirst.add(106, 100, 20, 10);
    highFirst.add(106, 100, 20, 10);
    highFirst.add(100, 0, 20, 10);
    moving.add(0, 300, 20, 10);
    const auto features = moving.features(103, 0);

    const SmartGuideSolver low(lowFirst.features(), rectangleAffinities());
    const SmartGuideSolver high(highFirst.features(), rectangleAffinities());

    EXPECT_EQ(low.solve(features, {103, 0}).delta.x, 100);
    EXPECT_EQ(high.solve(features, {103, 0}).delta.x, 106);
}

TEST_F(SnapTies, GoToTheMovingItemGivenFirstWhenRestingFeatureIsShared) {
    resting.add(100, 0, 40, 30);
    ItemSet leftFirst, rightFirst;
    leftFirst.add(0, 300, 10, 10);
    leftFirst.add(4, 400, 10, 10);
    rightFirst.add(4, 400, 10, 10);
    rightFirst.add(0, 300, 10, 10);
    const SmartGuideSolver solver(resting.features(), rectangleAffinities());

    EXPECT_EQ(solver.solve(leftFirst.features(98, 0), {98, 0}).delta.x, 100);
    EXPECT_EQ(solver.solve(rightFirst.features(98, 0), {98, 0}).delta.x, 96);
}

TEST_F(SnapTies, GiveTheSameResultOnEverySolve) {
    resting.add(100, 0, 20, 10);
    resting.add(106, 100, 20, 10);
    moving.add(0, 300, 20, 10);
    const SmartGuideSolver solver(resting.features(), rectangleAffinities());
    const SnapResult first = solver.solve(moving.features(103, 0), {103, 0});
    for (int i = 0; i < 3; ++i) {
        const SnapResult again = solver.solve(moving.features(103, 0), {103, 0});
        EXPECT_EQ(again.delta, first.delta);
        EXPECT_EQ(again.guides[0].resting, first.guides[0].resting);
    }
}

// Port features given directly, without items, as a block with ports would expose them.
TEST(SnapAffinities, PortAffinityOutranksNearerCentreAndCarriesItsFlag) {
    AffinityMap map = rectangleAffinities();
    const double s = 2 * map.highestScore();
    map.add(Feature::TopPort, Feature::BottomPort, s, 1);
    map.add(Feature::BottomPort, Feature::TopPort, s, 2);
    const SmartGuideSolver solver({Feature(nullptr, Feature::BottomPort, {50, 30}),
                                   Feature(nullptr, Feature::Center, {52, 80})},
                                  map);
    const std::vector<Feature> moving{Feature(nullptr, Feature::TopPort, {49, 100}),
                                      Feature(nullptr, Feature::Center, {52.5, 120})};

    const SnapResult r = solver.solve(moving, {0, 0});

    EXPECT_EQ(r.delta, Point(1, 0));
    ASSERT_EQ(r.guides.size(), 1u);
    EXPECT_EQ(r.guides[0].flag, 1u);
    EXPECT_EQ(r.guides[0].score, s);
    EXPECT_EQ(r.guides[0].from, Point(50, 30));
    EXPECT_EQ(r.guides[0].to, Point(50, 100));
}

TEST(SnapAffinities, NeverSnapKindsWithoutACommonAxis) {
    AffinityMap map;
    map.add(Feature::Left, Feature::Top, 5, 0);
    const SmartGuideSolver solver({Feature(nullptr, Feature::Top, {10, 10})}, map);

    const SnapResult r = solver.solve({Feature(nullptr, Feature::Left, {11, 11})}, {0, 0});

    EXPECT_FALSE(r.snappedX);
    EXPECT_FALSE(r.snappedY);
}

TEST(SnapAffinities, NeverSnapWithAScoreOfZero) {
    AffinityMap map;
    map.add(Feature::Left, Feature::Left, 0, 0);
    const SmartGuideSolver solver({Feature(nullptr, Feature::Left, {10, 0})}, map);

    EXPECT_FALSE(solver.solve({Feature(nullptr, Feature::Left, {11, 0})}, {0, 0}).snappedX);
}

TEST(SnapAffinities, NeverSnapKindsTheMapDoesNotLink) {
    AffinityMap map;
    map.add(Feature::Left, Feature::Left, 2, 0);
    const SmartGuideSolver solver({Feature(nullptr, Feature::Right, {10, 0})}, map);

    EXPECT_FALSE(solver.solve({Feature(nullptr, Feature::Left, {10, 0})}, {0, 0}).snappedX);
}

TEST(SolverFeatures, CollectsFeaturesItemAfterItemDisplaced) {
    ItemSet items;
    const auto& a = items.add(0, 0, 10, 10);
    const auto& b = items.add(50, 50, 10, 10);
    const std::vector<Feature> features = SmartGuideSolver::featuresOf({&b, &a}, 1, 2);
    ASSERT_EQ(features.size(), 10u);
    EXPECT_EQ(features[0], Feature(&b, Feature::Center, {56, 57}));
    EXPECT_EQ(features[5], Feature(&a, Feature::Center, {6, 7}));
}

}  // namespace

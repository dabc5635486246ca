#include "editlayout/SmartGuides.h"

#include <gtest/gtest.h>

#include "editlayout/Feature.h"

using EditLayout::AffinityMap;
using EditLayout::Feature;
namespace SmartGuides = EditLayout::SmartGuides;

namespace {

double scoreOf(const AffinityMap& map, int from, int to) {
    const AffinityMap::Affinity* a = map.find(from, to);
    return a ? a->score : 0;
}

class RectangleAffinities : public ::testing::Test {
protected:
    void SetUp() override { SmartGuides::AddRectangleAffinities(map); }
    AffinityMap map;
};

TEST_F(RectangleAffinities, LinkEachEdgeToTheSameEdge) {
    for (int edge : {Feature::Top, Feature::Left, Feature::Bottom, Feature::Right})
        EXPECT_EQ(scoreOf(map, edge, edge), SmartGuides::EdgeToSameEdgeScore) << edge;
}

TEST_F(RectangleAffinities, LinkOppositeEdgesInBothDirections) {
    EXPECT_EQ(scoreOf(map, Feature::Left, Feature::Right), SmartGuides::EdgeToOppositeEdgeScore);
    EXPECT_EQ(scoreOf(map, Feature::Right, Feature::Left), SmartGuides::EdgeToOppositeEdgeScore);
    EXPECT_EQ(scoreOf(map, Feature::Top, Feature::Bottom), SmartGuides::EdgeToOppositeEdgeScore);
    EXPECT_EQ(scoreOf(map, Feature::Bottom, Feature::Top), SmartGuides::EdgeToOppositeEdgeScore);
}

TEST_F(RectangleAffinities, RankCentreAboveSameEdgeAboveOppositeEdge) {
    EXPECT_GT(scoreOf(map, Feature::Center, Feature::Center),
              scoreOf(map, Feature::Left, Feature::Left));
    EXPECT_GT(scoreOf(map, Feature::Left, Feature::Left),
              scoreOf(map, Feature::Left, Feature::Right));
    EXPECT_GT(scoreOf(map, Feature::Left, Feature::Right), 0);
}

TEST_F(RectangleAffinities, LinkNoEdgeAcrossAxes) {
    EXPECT_EQ(map.find(Feature::Left, Feature::Top), nullptr);
    EXPECT_EQ(map.find(Feature::Bottom, Feature::Right), nullptr);
    EXPECT_EQ(map.find(Feature::Center, Feature::Left), nullptr);
}

TEST_F(RectangleAffinities, AreNineAllWithFlagZero) {
    EXPECT_EQ(map.size(), 9u);
    EXPECT_EQ(map.highestScore(), SmartGuides::CenterToCenterScore);
    for (int kind = Feature::Center; kind <= Feature::Right; ++kind) {
        for (const auto& a : map.affinitiesFrom(kind))
            EXPECT_EQ(a.flag, 0u);
    }
}

TEST(RectangleAffinitiesWithPorts, PortAffinitiesAddedAtTwiceTheHighestOutrankThem) {
    AffinityMap map;
    SmartGuides::AddRectangleAffinities(map);
    const double s = 2 * map.highestScore();
    map.add(Feature::TopPort, Feature::BottomPort, s, 1);
    EXPECT_GT(scoreOf(map, Feature::TopPort, Feature::BottomPort),
              scoreOf(map, Feature::Center, Feature::Center));
    EXPECT_EQ(map.highestScore(), s);
}

}  // namespace

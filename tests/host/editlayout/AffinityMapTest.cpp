#include "editlayout/AffinityMap.h"

#include <gtest/gtest.h>

using EditLayout::AffinityMap;

namespace {

TEST(AffinityMapHighestScore, IsZeroForAnEmptyMap) {
    const AffinityMap map;
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(map.highestScore(), 0);
}

TEST(AffinityMapHighestScore, IsTheLargestScoreAdded) {
    AffinityMap map;
    map.add(1, 1, 2, 0);
    map.add(2, 4, 7, 0);
    map.add(3, 3, 5, 0);
    EXPECT_EQ(map.highestScore(), 7);
}

TEST(AffinityMapHighestScore, IsTheLargestEvenWhenAllScoresAreNegative) {
    AffinityMap map;
    map.add(1, 1, -4, 0);
    map.add(2, 2, -2, 0);
    EXPECT_EQ(map.highestScore(), -2);
}

TEST(AffinityMapAdd, IsDirected) {
    AffinityMap map;
    map.add(5, 7, 6, 1);
    ASSERT_NE(map.find(5, 7), nullptr);
    EXPECT_EQ(map.find(7, 5), nullptr);
}

TEST(AffinityMapAdd, KeepsScoreAndFlagOfEachDirection) {
    AffinityMap map;
    map.add(5, 7, 6, 1);
    map.add(7, 5, 6, 2);
    EXPECT_EQ(*map.find(5, 7), (AffinityMap::Affinity{5, 7, 6, 1}));
    EXPECT_EQ(*map.find(7, 5), (AffinityMap::Affinity{7, 5, 6, 2}));
    EXPECT_EQ(map.size(), 2u);
}

TEST(AffinityMapAdd, AddingThePairAgainReplacesScoreAndFlag) {
    AffinityMap map;
    map.add(1, 2, 9, 4);
    map.add(1, 2, 3, 8);
    EXPECT_EQ(map.size(), 1u);
    EXPECT_EQ(*map.find(1, 2), (AffinityMap::Affinity{1, 2, 3, 8}));
    EXPECT_EQ(map.highestScore(), 3);
}

TEST(AffinityMapLookup, ListsAffinitiesFromAKindInOrderOfAddition) {
    AffinityMap map;
    map.add(1, 3, 1, 0);
    map.add(2, 2, 1, 0);
    map.add(1, 1, 2, 0);
    const auto& from1 = map.affinitiesFrom(1);
    ASSERT_EQ(from1.size(), 2u);
    EXPECT_EQ(from1[0].to, 3);
    EXPECT_EQ(from1[1].to, 1);
    EXPECT_TRUE(map.affinitiesFrom(4).empty());
}

}  // namespace

#include "parr/Path.h"

#include <gtest/gtest.h>

namespace PARR {
namespace {

Path simplified(Path p) {
    p.simplify();
    return p;
}

TEST(PathSimplify, MergesRepeatedPointsIntoOne) {
    EXPECT_EQ(simplified({{0, 0}, {0, 0}, {0, 0}, {5, 0}}), Path({{0, 0}, {5, 0}}));
    EXPECT_EQ(simplified({{0, 0}, {5, 0}, {5, 0}, {5, 7}}), Path({{0, 0}, {5, 0}, {5, 7}}));
}

TEST(PathSimplify, CollapsesAStraightRunOfAnyLengthToItsEnds) {
    EXPECT_EQ(simplified({{0, 0}, {1, 0}, {2, 0}}), Path({{0, 0}, {2, 0}}));
    EXPECT_EQ(simplified({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {7, 0}, {9, 0}}), Path({{0, 0}, {9, 0}}));
    EXPECT_EQ(simplified({{0, 9}, {0, 6}, {0, 5}, {0, 1}}), Path({{0, 9}, {0, 1}}));
}

TEST(PathSimplify, CollapsesDiagonalRuns) {
    EXPECT_EQ(simplified({{0, 0}, {1, 2}, {2, 4}, {5, 10}}), Path({{0, 0}, {5, 10}}));
}

TEST(PathSimplify, CollapsesARunInterruptedByARepeatedPoint) {
    EXPECT_EQ(simplified({{0, 0}, {1, 0}, {1, 0}, {2, 0}}), Path({{0, 0}, {2, 0}}));
}

TEST(PathSimplify, KeepsCornersBetweenRuns) {
    const Path route{{0, 0}, {1, 0}, {3, 0}, {3, 2}, {3, 5}, {8, 5}};
    EXPECT_EQ(simplified(route), Path({{0, 0}, {3, 0}, {3, 5}, {8, 5}}));
}

TEST(PathSimplify, KeepsAPointWhereTheRunTurnsBack) {
    const Path uTurn{{0, 0}, {5, 0}, {2, 0}};
    EXPECT_EQ(simplified(uTurn), uTurn);
    const Path backOverStart{{0, 0}, {5, 0}, {-3, 0}};
    EXPECT_EQ(simplified(backOverStart), backOverStart);
}

TEST(PathSimplify, KeepsTheEndPointsOfARepeatedStartAndEnd) {
    EXPECT_EQ(simplified({{0, 0}, {0, 0}, {1, 0}, {2, 0}, {2, 0}}), Path({{0, 0}, {2, 0}}));
}

TEST(PathSimplify, LeavesShortPathsAlone) {
    EXPECT_EQ(simplified({}), Path());
    EXPECT_EQ(simplified({{4, 2}}), Path({{4, 2}}));
    EXPECT_EQ(simplified({{4, 2}, {9, 3}}), Path({{4, 2}, {9, 3}}));
}

TEST(PathSimplify, ReducesTwoEqualPointsToOne) {
    EXPECT_EQ(simplified({{4, 2}, {4, 2}}), Path({{4, 2}}));
}

TEST(PathSimplify, ComparesCoordinatesExactly) {
    // (1, 1e-12) is off the line by a hair: it is a corner, not part of the run.
    const Path nearlyStraight{{0, 0}, {1, 1e-12}, {2, 0}};
    EXPECT_EQ(simplified(nearlyStraight), nearlyStraight);
}

TEST(PathEditing, RemovePointDropsThePointAtTheIndexAndIgnoresIndexesPastTheEnd) {
    Path p{{0, 0}, {1, 0}, {2, 0}};
    p.removePoint(1);
    EXPECT_EQ(p, Path({{0, 0}, {2, 0}}));
    p.removePoint(2);
    EXPECT_EQ(p, Path({{0, 0}, {2, 0}}));
    p.removePoint(0);
    EXPECT_EQ(p, Path({{2, 0}}));
}

TEST(PathEditing, InsertPointPlacesBeforeTheIndexAndAppendsPastTheEnd) {
    Path p{{0, 0}, {2, 0}};
    p.insertPoint(1, {1, 0});
    p.insertPoint(99, {3, 0});
    EXPECT_EQ(p, Path({{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
}

TEST(PathEditing, ReverseTurnsTheOrderAround) {
    Path p{{0, 0}, {1, 2}, {3, 4}};
    p.reverse();
    EXPECT_EQ(p, Path({{3, 4}, {1, 2}, {0, 0}}));
}

TEST(PathEditing, OffsetMovesEveryPoint) {
    Path p{{0, 0}, {1, 2}};
    p.offset(10, -1);
    EXPECT_EQ(p, Path({{10, -1}, {11, 1}}));
    p.offset(GLPoint<double>(-10, 1));
    EXPECT_EQ(p, Path({{0, 0}, {1, 2}}));
}

TEST(PathConcatenation, PlusAppendsTheOtherPathsPointsWithoutMerging) {
    const Path head{{0, 0}, {1, 0}};
    const Path tail{{1, 0}, {1, 5}};
    EXPECT_EQ(head + tail, Path({{0, 0}, {1, 0}, {1, 0}, {1, 5}}));
    EXPECT_EQ(head, Path({{0, 0}, {1, 0}}));
}

TEST(PathConcatenation, PlusEqualsAppendsInPlace) {
    Path p{{0, 0}};
    p += Path({{1, 1}, {2, 2}});
    EXPECT_EQ(p, Path({{0, 0}, {1, 1}, {2, 2}}));
    p += Path();
    EXPECT_EQ(p.size(), 3u);
}

}  // namespace
}  // namespace PARR

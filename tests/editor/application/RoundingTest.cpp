#include "application/Rounding.h"

#include <gtest/gtest.h>

using Vantor::roundHalfAwayFromZero;

TEST(RoundHalfAwayFromZero, HalvesGoAwayFromZero) {
    EXPECT_EQ(roundHalfAwayFromZero(2.5), 3);
    EXPECT_EQ(roundHalfAwayFromZero(-2.5), -3);
    EXPECT_EQ(roundHalfAwayFromZero(2.4999), 2);
    EXPECT_EQ(roundHalfAwayFromZero(-2.4999), -2);
}

TEST(RoundHalfAwayFromZero, AddsTheHalfBeforeFlooring) {
    // The sum 0.49999999999999994 + 0.5 is 1 in doubles.
    EXPECT_EQ(roundHalfAwayFromZero(0.49999999999999994), 1);
    EXPECT_EQ(roundHalfAwayFromZero(-0.49999999999999994), -1);
}

TEST(RoundHalfAwayFromZero, APointIsRoundedCoordinateByCoordinate) {
    EXPECT_EQ(roundHalfAwayFromZero(PARR::GLPoint<double>(-0.5, 7.5)),
              PARR::GLPoint<double>(-1, 8));
}

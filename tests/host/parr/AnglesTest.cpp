#include "parr/Angles.h"

#include <numbers>

#include <gtest/gtest.h>

namespace PARR {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(AnglesSixteenths, AFullTurnIs5760Sixteenths) {
    EXPECT_DOUBLE_EQ(rad_to_16th_deg(2 * kPi), 5760.0);
    EXPECT_DOUBLE_EQ(rad_to_16th_deg(kPi), 2880.0);
    EXPECT_DOUBLE_EQ(rad_to_16th_deg(kPi / 2), 1440.0);
    EXPECT_DOUBLE_EQ(rad_to_16th_deg(-kPi / 2), -1440.0);
    EXPECT_EQ(rad_to_16th_deg(0), 0.0);
}

TEST(AnglesSixteenths, OneDegreeIsSixteenSixteenths) {
    EXPECT_DOUBLE_EQ(rad_to_16th_deg(deg_to_rad(1)), 16.0);
    EXPECT_DOUBLE_EQ(rad_to_16th_deg(deg_to_rad(37.5)), 600.0);
}

TEST(AnglesSixteenths, IsNotRounded) {
    EXPECT_NEAR(rad_to_16th_deg(0.001), 0.001 * 2880 / kPi, 1e-12);
    EXPECT_GT(rad_to_16th_deg(0.001), 0.0);
}

TEST(AnglesDegrees, ConvertsBetweenDegreesAndRadians) {
    EXPECT_DOUBLE_EQ(deg_to_rad(180), kPi);
    EXPECT_DOUBLE_EQ(deg_to_rad(-90), -kPi / 2);
    EXPECT_DOUBLE_EQ(rad_to_deg(kPi / 4), 45.0);
    EXPECT_DOUBLE_EQ(rad_to_deg(deg_to_rad(123.25)), 123.25);
}

}  // namespace
}  // namespace PARR

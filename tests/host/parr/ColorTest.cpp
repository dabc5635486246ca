#include "parr/Color.h"

#include <limits>

#include <gtest/gtest.h>

namespace PARR {
namespace {

TEST(ColorComponents, KeepsComponentsInsideTheUnitRange) {
    Color c;
    c.setRGBA(1.0, 0.97, 0.892, 0.7);
    EXPECT_EQ(c.red(), 1.0);
    EXPECT_EQ(c.green(), 0.97);
    EXPECT_EQ(c.blue(), 0.892);
    EXPECT_EQ(c.alpha(), 0.7);
}

TEST(ColorComponents, SetRGBAClampsEachComponentIntoTheUnitRange) {
    Color c;
    c.setRGBA(-0.5, 1.5, 0.25, 7.0);
    EXPECT_EQ(c.red(), 0.0);
    EXPECT_EQ(c.green(), 1.0);
    EXPECT_EQ(c.blue(), 0.25);
    EXPECT_EQ(c.alpha(), 1.0);
}

TEST(ColorComponents, TheConstructorClampsToo) {
    EXPECT_EQ(Color(2, -1, 0.5, -3), Color(1, 0, 0.5, 0));
}

TEST(ColorComponents, NotANumberBecomesZero) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Color(nan, 0.5, nan, nan), Color(0, 0.5, 0, 0));
}

TEST(ColorDefaults, TheDefaultColorIsOpaqueBlack) {
    EXPECT_EQ(Color(), Color(0, 0, 0, 1));
    EXPECT_EQ(Color(0.2, 0.3, 0.4).alpha(), 1.0);
}

TEST(ColorEquality, ComparesAllFourComponents) {
    EXPECT_NE(Color(0, 0, 0, 1), Color(0, 0, 0, 0));
    EXPECT_NE(Color(1, 0, 0, 1), Color(0, 1, 0, 1));
    EXPECT_EQ(gHash(Color(0.1, 0.2, 0.3, 0.4)), gHash(Color(0.1, 0.2, 0.3, 0.4)));
}

}  // namespace
}  // namespace PARR

#include "harbor/MenuInterface.h"

#include <gtest/gtest.h>

using HARBOR::Util::MenuInterface;

namespace {

TEST(MenuInterface, NamesTheFunctionFirstAndItsPackageSecond) {
    const MenuInterface menu("vtGetVantorInterface", "vtprivate");

    EXPECT_EQ(menu.getFunctionName(), "vtGetVantorInterface");
    EXPECT_EQ(menu.getPackageName(), "vtprivate");
    EXPECT_FALSE(menu.isEmpty());
}

TEST(MenuInterface, DefaultValueNamesNothing) {
    EXPECT_TRUE(MenuInterface().isEmpty());
}

TEST(MenuInterface, ValuesAreEqualWhenBothStringsAre) {
    const MenuInterface a("f", "p");

    EXPECT_EQ(a, MenuInterface("f", "p"));
    EXPECT_NE(a, MenuInterface("f", "q"));
    EXPECT_NE(a, MenuInterface("p", "f"));
}

}  // namespace

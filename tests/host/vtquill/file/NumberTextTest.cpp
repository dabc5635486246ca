#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>

#include "vtquill/file/NumberText.h"

using VTQUILL::File::NumberText;

namespace {

std::string spell(double v) {
    std::string out;
    EXPECT_TRUE(NumberText::append(out, v));
    return out;
}

}  // namespace

TEST(NumberTextTest, WholeNumbersAreWrittenWithoutAFraction) {
    EXPECT_EQ(spell(15), "15");
    EXPECT_EQ(spell(-3), "-3");
    EXPECT_EQ(spell(0), "0");
    EXPECT_EQ(spell(-0.0), "0");
    EXPECT_EQ(spell(9007199254740991.0), "9007199254740991");
}

TEST(NumberTextTest, OtherNumbersUseTheShortestFormThatReadsBackExactly) {
    EXPECT_EQ(spell(0.1), "0.1");
    EXPECT_EQ(spell(7.5), "7.5");
    EXPECT_EQ(spell(1e300), "1e+300");
    EXPECT_EQ(spell(1.0 / 3), "0.3333333333333333");
    for (double v : {0.1, 1.0 / 3, 2.0 / 3, 1e-7, 123456.789, 5e-324, 1.7976931348623157e308}) {
        const std::string text = spell(v);
        double back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, v) << text;
    }
}

TEST(NumberTextTest, NumbersThatAreNotFiniteAreRefusedAndNothingIsWritten) {
    std::string out = "x";
    EXPECT_FALSE(NumberText::append(out, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(NumberText::append(out, -std::numeric_limits<double>::infinity()));
    EXPECT_EQ(out, "x");
}

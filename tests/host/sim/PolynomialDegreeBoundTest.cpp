#include <gtest/gtest.h>

#include <string>

#include "sim/PolynomialDegreeBound.h"

using namespace VTSIM;

namespace {

// Exponents that are plain numbers, or the name n standing for 4.
int boundOf(const std::string& text) {
    return PolynomialDegreeBound::of(text, "s", [&](TextSpan operand) -> std::optional<double> {
        const std::string exponent = text.substr(operand.begin, operand.size());
        if (exponent == "n")
            return 4;
        try {
            return std::stod(exponent);
        } catch (const std::exception&) {
            return std::nullopt;
        }
    });
}

}  // namespace

TEST(PolynomialDegreeBoundCount, OccurrencesTimesWholeExponentsCappedAtThirty) {
    EXPECT_EQ(boundOf("1 + w"), 0);
    EXPECT_EQ(boundOf("0.05*s+1"), 1);
    EXPECT_EQ(boundOf("(s+3)*(s+3)"), 2);
    EXPECT_EQ(boundOf("s^2+2*z*w*s+w^2"), 8);
    EXPECT_EQ(boundOf("s^n"), 4);
    EXPECT_EQ(boundOf("s^0.5 + s^-1"), 2);  // neither can raise a degree
    EXPECT_EQ(boundOf("(s+1)^40"), 30);
    EXPECT_EQ(boundOf("ss + s1"), 0);  // other names merely start with s
}

TEST(PolynomialDegreeBoundOperand, TheOperandOfACaretRunsToTheEndOfItsChain) {
    const std::string text = "s^ -(2+1)^2*s^sqrt(4)+s^1e1";
    auto operand = [&](std::size_t caret) {
        const TextSpan span = PolynomialDegreeBound::operandAfter(text, caret);
        return text.substr(span.begin, span.size());
    };
    EXPECT_EQ(operand(1), "-(2+1)^2");
    EXPECT_EQ(operand(13), "sqrt(4)");
    EXPECT_EQ(operand(23), "1e1");
}

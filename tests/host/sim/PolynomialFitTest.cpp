#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <cmath>

#include "sim/PolynomialFit.h"

using namespace VTSIM;

namespace {

// The polynomial with `descending` coefficients, evaluated by Horner's rule.
std::function<double(double)> horner(Vector descending) {
    return [descending](double x) {
        double value = 0;
        for (double c : descending)
            value = value * x + c;
        return value;
    };
}

}  // namespace

TEST(PolynomialFitExpansion, DecimalCoefficientsComeBackAsTheirDoubles) {
    EXPECT_EQ(PolynomialFit::fit([](double s) { return (s + 3) * (s + 3); }, 2), (Vector{1, 6, 9}));
    EXPECT_EQ(PolynomialFit::fit([](double s) { return 0.05 * s + 1; }, 1), (Vector{0.05, 1}));
    EXPECT_EQ(PolynomialFit::fit([](double s) { return s * s * s; }, 30), (Vector{1, 0, 0, 0}));
    EXPECT_EQ(PolynomialFit::fit([](double) { return 0.0; }, 4), (Vector{0}));
    // Roots six decades apart: no single scale balances them.
    EXPECT_EQ(PolynomialFit::fit([](double s) { return (s + 1000) * (s + 0.001); }, 2),
              (Vector{1, 1000.001, 1}));
    EXPECT_EQ(PolynomialFit::fit([](double s) { return s * s + 1e-12; }, 2), (Vector{1, 0, 1e-12}));
}

TEST(PolynomialFitExpansion, ThirdsAreNotRoundedToTwelveDigits) {
    const std::optional<Vector> fitted = PolynomialFit::fit([](double s) { return s / 3 + 1; }, 1);
    ASSERT_TRUE(fitted);
    EXPECT_DOUBLE_EQ((*fitted)[0], 1.0 / 3);
    EXPECT_NE((*fitted)[0], 0.333333333333);
}

TEST(PolynomialFitRefusal, FunctionsThatAreNoPolynomialOfTheBoundAreRefused) {
    EXPECT_EQ(PolynomialFit::fit([](double s) { return 1 / s; }, 1), std::nullopt);
    EXPECT_EQ(PolynomialFit::fit([](double s) { return std::sqrt(s); }, 1), std::nullopt);
    EXPECT_EQ(PolynomialFit::fit([](double s) { return std::sin(s); }, 1), std::nullopt);
    EXPECT_EQ(PolynomialFit::fit([](double s) { return s * s * s; }, 2), std::nullopt);
}

RC_GTEST_PROP(PolynomialFitProperty, IntegerCoefficientsComeBackExactly, ()) {
    const int degree = *rc::gen::inRange(0, 8);
    Vector descending = *rc::gen::container<Vector>(
        degree + 1, rc::gen::map(rc::gen::inRange(-20, 21), [](int c) { return double(c); }));
    const int leading = *rc::gen::inRange(1, 21);
    descending[0] = *rc::gen::arbitrary<bool>() ? leading : -leading;
    const int slack = *rc::gen::inRange(0, 6);
    RC_ASSERT(PolynomialFit::fit(horner(descending), degree + slack) == descending);
}

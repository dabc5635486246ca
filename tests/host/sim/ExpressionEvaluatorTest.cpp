#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <thread>

#include "sim/ExpressionEvaluator.h"

using namespace VTSIM;

namespace {

std::shared_ptr<const ParameterScope> maskWith(QUILL::StringMap parameters) {
    return ParameterScope::mask(ParameterScope::top(), "model/Sub", std::move(parameters));
}

Vector eval(const std::string& text, const ParameterScope& scope = *ParameterScope::top()) {
    return ExpressionEvaluator::evaluate(text, scope);
}

ParameterFault faultOf(const std::string& text,
                       const ParameterScope& scope = *ParameterScope::top()) {
    try {
        const Vector value = ExpressionEvaluator::evaluate(text, scope);
        ADD_FAILURE() << "\"" << text << "\" evaluated to " << value.size() << " element(s)";
    } catch (const ParameterError& error) {
        EXPECT_EQ(error.what(), error.fault().message());
        return error.fault();
    }
    return {};
}

ParameterFault polynomialFaultOf(const std::string& text, const ParameterScope& scope) {
    try {
        ExpressionEvaluator::polynomial(text, scope);
        ADD_FAILURE() << "\"" << text << "\" expanded";
    } catch (const ParameterError& error) {
        return error.fault();
    }
    return {};
}

}  // namespace

TEST(ExpressionEvaluatorScalars, NumbersOperatorsAndFunctionsFollowTheDocumentedRules) {
    EXPECT_EQ(eval("1"), Vector{1});
    EXPECT_EQ(eval(" 2.5 "), Vector{2.5});
    EXPECT_EQ(eval("1e-6"), Vector{1e-6});
    EXPECT_EQ(eval("1 + 2*3 - 8/4"), Vector{5});
    EXPECT_EQ(eval("(1 + 2)*3"), Vector{9});
    EXPECT_EQ(eval("2^3^2"), Vector{512});  // powers group to the right
    EXPECT_EQ(eval("-2^2"), Vector{-4});    // and bind tighter than a sign
    EXPECT_EQ(eval("2*-3"), Vector{-6});
    EXPECT_EQ(eval("log(e)"), Vector{1});
    EXPECT_EQ(eval("log(100)"), Vector{std::log(100.0)});  // natural, not decimal
    EXPECT_EQ(eval("sqrt(16) + abs(-3)"), Vector{7});
    EXPECT_EQ(eval("exp(0) + sin(0) + cos(0) + tan(0)"), Vector{2});
    EXPECT_EQ(eval("2*pi"), Vector{2 * std::numbers::pi});
}

TEST(ExpressionEvaluatorVectors, BlanksSeparateElementsExceptAroundBinaryOperations) {
    const auto scope = maskWith({{"a", "3"}, {"K", "[1 2]"}});
    EXPECT_EQ(eval("[1 2 3]"), (Vector{1, 2, 3}));
    EXPECT_EQ(eval("[1, 2;3]"), (Vector{1, 2, 3}));
    EXPECT_EQ(eval("[1 -2]"), (Vector{1, -2}));
    EXPECT_EQ(eval("[1 - 2]"), (Vector{-1}));
    EXPECT_EQ(eval("[1 -  2]"), (Vector{-1}));
    EXPECT_EQ(eval("[1 +2]"), (Vector{1, 2}));
    EXPECT_EQ(eval("[a *2]", *scope), (Vector{6}));
    EXPECT_EQ(eval("[a* 2]", *scope), (Vector{6}));
    EXPECT_EQ(eval("[2*(1 + 3) 4]"), (Vector{8, 4}));
    EXPECT_EQ(eval("[(1 -2)]"), (Vector{-1}));
    EXPECT_EQ(eval("[ ]"), Vector{});
}

TEST(ExpressionEvaluatorVectors, ElementsConcatenateAndVectorNamesActElementWise) {
    const auto scope = maskWith({{"K", "[1 2]"}, {"J", "[1 2 3]"}, {"E", "[]"}});
    EXPECT_EQ(eval("[K 3]", *scope), (Vector{1, 2, 3}));
    EXPECT_EQ(eval("[[1 2] [] 3]"), (Vector{1, 2, 3}));
    EXPECT_EQ(eval("2*K+1", *scope), (Vector{3, 5}));
    EXPECT_EQ(eval("K + [10 20]", *scope), (Vector{11, 22}));
    EXPECT_EQ(eval("sqrt(J*J)", *scope), (Vector{1, 2, 3}));
    EXPECT_EQ(eval("2*E", *scope), Vector{});

    const ParameterFault fault = faultOf("K + J", *scope);
    EXPECT_EQ(fault.reason, "vectors of different lengths (2 and 3)");
    EXPECT_EQ(fault.position, 4u);
}

TEST(ExpressionEvaluatorFaults, FaultsNameTheCulpritAndPointAtIt) {
    const ParameterFault unknown = faultOf("2*Kq");
    EXPECT_EQ(unknown.text, "2*Kq");
    EXPECT_EQ(unknown.position, 2u);
    EXPECT_EQ(unknown.reason, "unknown name \"Kq\"");
    EXPECT_TRUE(unknown.blockPath.empty());
    EXPECT_TRUE(unknown.parameter.empty());

    EXPECT_EQ(faultOf("   ").reason, "empty expression");
    EXPECT_EQ(faultOf("[1 2*]").position, 5u);  // the end of the element "2*"
    EXPECT_EQ(faultOf("2**3").position, 2u);
    EXPECT_EQ(faultOf("2 # 3").position, 2u);
    EXPECT_EQ(faultOf("1/0").reason, "not a finite number");
    EXPECT_EQ(faultOf("log(-1)").reason, "not a finite number");
    EXPECT_EQ(faultOf("[1 (2 3]").reason, "\"]\" does not close \"(\" at character 4");
    EXPECT_EQ(faultOf("[1 (2 3]").position, 7u);
    EXPECT_EQ(faultOf("[1 2").reason, "unclosed \"[\"");
    EXPECT_EQ(faultOf("(1+2))").position, 5u);
    EXPECT_EQ(faultOf("[1,,2]").reason, "empty element");
    EXPECT_EQ(faultOf("1 + K[1 2]").reason, "missing operator next to a vector in brackets");
}

TEST(ExpressionEvaluatorFaults, MessageNamesBlockParameterTextAndCharacter) {
    const ParameterFault fault{"model/Gain", "Gain", "2*Kq", 2, "unknown name \"Kq\""};
    EXPECT_EQ(fault.message(),
              "model/Gain: parameter Gain = \"2*Kq\" does not evaluate at character 3: "
              "unknown name \"Kq\"");
}

TEST(ExpressionEvaluatorThreads, ThreadsEvaluateAtOnceWithTheirOwnParsers) {
    const auto shared = maskWith({{"K", "[1 2]"}});
    std::vector<std::thread> threads;
    std::vector<int> wrong(4, 0);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            const auto own =
                ParameterScope::mask(shared, "model/Sub/Inner", {{"a", std::to_string(t)}});
            for (int i = 0; i < 300; ++i)
                if (eval("[K a*K+" + std::to_string(i) + "]", *own) !=
                    Vector{1, 2, double(t + i), double(2 * t + i)})
                    ++wrong[t];
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

TEST(ExpressionEvaluatorPolynomials, ExpressionsInSExpandExactly) {
    const auto scope = maskWith({{"z", "0.5"}, {"w", "10"}, {"n", "3"}});
    const ParameterScope& top = *ParameterScope::top();
    EXPECT_EQ(ExpressionEvaluator::polynomial("(s+3)*(s+3)", top), (Vector{1, 6, 9}));
    EXPECT_EQ(ExpressionEvaluator::polynomial("0.05*s+1", top), (Vector{0.05, 1}));
    EXPECT_EQ(ExpressionEvaluator::polynomial("s^3", top), (Vector{1, 0, 0, 0}));
    EXPECT_EQ(ExpressionEvaluator::polynomial("s^2+2*z*w*s+w^2", *scope), (Vector{1, 10, 100}));
    EXPECT_EQ(ExpressionEvaluator::polynomial("s^n - 1", *scope), (Vector{1, 0, 0, -1}));
    EXPECT_EQ(ExpressionEvaluator::polynomial("0*s + 0", top), (Vector{0}));
}

TEST(ExpressionEvaluatorPolynomials, CoefficientVectorsLoseTheirLeadingZeros) {
    const auto scope = maskWith({{"K", "[0 2 4]"}, {"s", "[0 5]"}});
    const ParameterScope& top = *ParameterScope::top();
    EXPECT_EQ(ExpressionEvaluator::polynomial("[0.05 1]", top), (Vector{0.05, 1}));
    EXPECT_EQ(ExpressionEvaluator::polynomial("1", top), (Vector{1}));
    EXPECT_EQ(ExpressionEvaluator::polynomial("K", *scope), (Vector{2, 4}));
    EXPECT_EQ(ExpressionEvaluator::polynomial("s", *scope), (Vector{5}));  // the mask's s
    EXPECT_EQ(ExpressionEvaluator::polynomial("[0 0 1 2]", top), (Vector{1, 2}));
    EXPECT_EQ(ExpressionEvaluator::polynomial("[0 0]", top), (Vector{0}));
    EXPECT_EQ(polynomialFaultOf("[]", top).reason, "no coefficients");
}

TEST(ExpressionEvaluatorPolynomials, TextsThatAreNoPolynomialInSAreRefused) {
    const auto scope = maskWith({{"K", "[1 2]"}});
    for (const char* text : {"1/s", "s^0.5", "sin(s)", "exp(s)", "s^-1"})
        EXPECT_EQ(polynomialFaultOf(text, *scope).reason, "not a polynomial in s") << text;
    const ParameterFault vector = polynomialFaultOf("1 + K*s", *scope);
    EXPECT_EQ(vector.reason, "not a polynomial in s (\"K\" is a vector)");
    EXPECT_EQ(vector.position, 4u);
    EXPECT_EQ(polynomialFaultOf("s + Kq", *scope).position, 4u);
}

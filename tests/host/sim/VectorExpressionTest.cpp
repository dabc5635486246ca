#include <gtest/gtest.h>

#include <map>

#include "sim/VectorExpression.h"

using namespace VTSIM;

namespace {

// Resolves from a fixed table and records every name it is asked for.
struct Table {
    std::map<std::string, Vector> values;
    std::vector<std::string> asked;

    VectorExpression::NameResolver resolver() {
        return [this](const std::string& name) -> std::optional<Vector> {
            asked.push_back(name);
            const auto found = values.find(name);
            if (found == values.end())
                return std::nullopt;
            return found->second;
        };
    }
};

}  // namespace

TEST(VectorExpressionNames, NamesAreAskedForOnceAndOnlyWhenUsed) {
    Table table{{{"a", {2}}, {"b", {3}}, {"unused", {9}}}, {}};
    VectorExpression expression("a*b+a", "a*b+a", 0, table.resolver());
    EXPECT_EQ(expression.evaluate(), Vector{8});
    EXPECT_EQ(table.asked, (std::vector<std::string>{"a", "b"}));
}

TEST(VectorExpressionNames, AResolverMayEvaluateExpressionsWhileTheOuterOneParses) {
    // Nested evaluations take parsers of their own depth and leave the outer one intact.
    VectorExpression outer("x + y", "x + y", 0, [](const std::string& name) {
        const Vector inner = name == "x" ? Vector{1} : Vector{2, 3};
        VectorExpression times10("v*10", "v*10", 0,
                                 [&](const std::string&) { return std::optional<Vector>(inner); });
        return std::optional<Vector>(times10.evaluate());
    });
    EXPECT_EQ(outer.evaluate(), (Vector{30, 40}));
}

TEST(VectorExpressionElements, ScalarsExpandAndLengthsMustAgree) {
    Table table{{{"k", {1, 2, 3}}, {"c", {10}}, {"j", {1, 2}}, {"none", {}}}, {}};
    EXPECT_EQ(VectorExpression("k*c", "k*c", 0, table.resolver()).evaluate(), (Vector{10, 20, 30}));
    EXPECT_EQ(VectorExpression("none+c", "none+c", 0, table.resolver()).evaluate(), Vector{});
    try {
        // An expression cut out of a longer text reports offsets into that text.
        VectorExpression("[0 k + j]", "k + j", 3, table.resolver()).evaluate();
        ADD_FAILURE() << "k + j evaluated";
    } catch (const ParameterError& error) {
        EXPECT_EQ(error.fault().text, "[0 k + j]");
        EXPECT_EQ(error.fault().position, 7u);
        EXPECT_EQ(error.fault().reason, "vectors of different lengths (3 and 2)");
    }
}

TEST(VectorExpressionFaults, AnUnknownNameOutranksTheSyntaxFaultAfterIt) {
    Table table;
    try {
        VectorExpression("1 + q ) 2", "1 + q ) 2", 0, table.resolver());
        ADD_FAILURE() << "compiled";
    } catch (const ParameterError& error) {
        EXPECT_EQ(error.fault().reason, "unknown name \"q\"");
        EXPECT_EQ(error.fault().position, 4u);
    }
}

TEST(VectorExpressionSlots, ASlotFeedsTheScalarEvaluation) {
    Table table{{{"x", {0}}}, {}};
    VectorExpression expression("x^2 + 1", "x^2 + 1", 0, table.resolver());
    double* x = expression.slot("x");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(expression.slot("y"), nullptr);
    *x = 3;
    EXPECT_EQ(expression.evaluateScalar(), 10);
    EXPECT_EQ(expression.firstVectorName(), std::nullopt);
}

#include <gtest/gtest.h>

#include "sim/ExpressionEvaluator.h"

using namespace VTSIM;

namespace {

// A chain of mask levels, outermost first.
class ScopeBuilder {
public:
    ScopeBuilder& mask(std::string path, QUILL::StringMap parameters) {
        scope_ = ParameterScope::mask(scope_, std::move(path), std::move(parameters));
        return *this;
    }
    std::shared_ptr<const ParameterScope> build() const { return scope_; }

private:
    std::shared_ptr<const ParameterScope> scope_ = ParameterScope::top();
};

ParameterFault lookupFault(const ParameterScope& scope, const std::string& name) {
    try {
        scope.lookup(name);
        ADD_FAILURE() << name << " was found";
    } catch (const ParameterError& error) {
        return error.fault();
    }
    return {};
}

}  // namespace

TEST(ParameterScopeLookup, InnerNamesHideOuterOnesAndTheConstantsAreNotTheScopes) {
    const auto scope =
        ScopeBuilder().mask("m/A", {{"K", "1"}, {"J", "2"}}).mask("m/A/B", {{"K", "10"}}).build();
    EXPECT_EQ(scope->lookup("K"), Vector{10});
    EXPECT_EQ(scope->lookup("J"), Vector{2});
    EXPECT_EQ(scope->lookup("Q"), std::nullopt);
    EXPECT_EQ(scope->lookup("pi"), std::nullopt);
    EXPECT_EQ(ParameterScope::top()->lookup("K"), std::nullopt);

    const auto redefined = ScopeBuilder().mask("m/A", {{"pi", "3"}}).build();
    EXPECT_EQ(ExpressionEvaluator::evaluate("2*pi", *redefined), Vector{6});
}

TEST(ParameterScopeLookup, AParameterTextReadsTheScopeAroundItsMask) {
    const auto scope = ScopeBuilder()
                           .mask("m/A", {{"K", "[1 2]"}})
                           .mask("m/A/B", {{"K", "K+1"}, {"G", "2*K"}})
                           .build();
    EXPECT_EQ(scope->lookup("K"), (Vector{2, 3}));
    EXPECT_EQ(scope->lookup("G"), (Vector{2, 4}));  // the outer K, not its sibling
}

TEST(ParameterScopeLookup, ParametersOfOneMaskDoNotSeeEachOtherSoNoCycleForms) {
    const auto scope = ScopeBuilder().mask("m/A", {{"K", "J"}, {"J", "K"}}).build();
    const ParameterFault fault = lookupFault(*scope, "K");
    EXPECT_EQ(fault.blockPath, "m/A");
    EXPECT_EQ(fault.parameter, "K");
    EXPECT_EQ(fault.reason, "unknown name \"J\"");
}

TEST(ParameterScopeLookup, UnusedParametersAreNeverParsed) {
    const auto scope =
        ScopeBuilder().mask("m/A", {{"icon", "disp('Gain') ]["}, {"K", "4"}}).build();
    EXPECT_EQ(ExpressionEvaluator::evaluate("K/2", *scope), Vector{2});
    EXPECT_EQ(lookupFault(*scope, "icon").reason, "unexpected character \"'\"");
}

TEST(ParameterScopeFaults, AFaultInAMaskParameterNamesTheMaskTheParameterAndItsText) {
    const auto scope =
        ScopeBuilder().mask("m/A", {{"W", "3*Wq"}}).mask("m/A/B", {{"K", "W+1"}}).build();
    for (int attempt = 0; attempt < 2; ++attempt) {  // the kept fault is thrown again
        try {
            ExpressionEvaluator::evaluate("2*K", *scope);
            ADD_FAILURE() << "2*K evaluated";
        } catch (const ParameterError& error) {
            EXPECT_EQ(error.fault().blockPath, "m/A");
            EXPECT_EQ(error.fault().parameter, "W");
            EXPECT_EQ(error.fault().text, "3*Wq");
            EXPECT_EQ(error.fault().position, 2u);
            EXPECT_STREQ(error.what(),
                         "m/A: parameter W = \"3*Wq\" does not evaluate at character 3: "
                         "unknown name \"Wq\"");
        }
    }
}

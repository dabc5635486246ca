#include "tessel/FunctionRegistry.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using TESSEL::FunctionRegistry;
using TESSEL::Value;

namespace {

using Values = std::vector<Value>;

// Registers functions under a package of its own and removes them again.
class FunctionRegistryTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (const auto& [package, name] : registered_) {
            registry().unregisterFunction(package, name);
        }
    }

    void add(const std::string& package, const std::string& name,
             FunctionRegistry::Function function) {
        registry().registerFunction(package, name, std::move(function));
        registered_.emplace_back(package, name);
    }

    static FunctionRegistry& registry() { return FunctionRegistry::instance(); }

private:
    std::vector<std::pair<std::string, std::string>> registered_;
};

TEST_F(FunctionRegistryTest, CallsTheFunctionWithItsArgumentsAndReturnsItsResults) {
    add("testprivate", "twice", [](const Values& args) {
        return Values{Value::scalar(2 * args.at(0).asDouble()), Value::string("done")};
    });

    Values results;
    const int status = registry().callTrapped("testprivate", "twice", {Value::scalar(21)}, results);

    EXPECT_EQ(status, 0);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].asDouble(), 42);
    EXPECT_EQ(results[1].asString(), "done");
    EXPECT_EQ(FunctionRegistry::lastError(), "");
}

TEST_F(FunctionRegistryTest, AnUnknownFunctionAnswersNonzeroWithAMessage) {
    Values results{Value::scalar(1)};
    std::string error;

    const int status =
        registry().callTrapped("testprivate", "noSuchFunction", {}, results, -1, &error);

    EXPECT_EQ(status, FunctionRegistry::UnknownFunction);
    EXPECT_TRUE(results.empty());
    EXPECT_EQ(error, "Undefined function 'testprivate.noSuchFunction'.");
    EXPECT_EQ(FunctionRegistry::lastError(), error);
}

TEST_F(FunctionRegistryTest, AFunctionInAnotherPackageIsNotFound) {
    add("testprivate", "f", [](const Values&) { return Values{}; });

    Values results;

    EXPECT_NE(registry().callTrapped("otherprivate", "f", {}, results), 0);
    EXPECT_EQ(registry().callTrapped("testprivate", "f", {}, results), 0);
}

TEST_F(FunctionRegistryTest, ARaisedErrorIsTrappedAndItsMessageKept) {
    add("testprivate", "fails",
        [](const Values&) -> Values { throw std::runtime_error("chart not found"); });

    Values results;
    int status = -1;
    EXPECT_NO_THROW(status = registry().callTrapped("testprivate", "fails", {}, results));

    EXPECT_EQ(status, FunctionRegistry::RaisedError);
    EXPECT_EQ(FunctionRegistry::lastError(), "chart not found");
}

TEST_F(FunctionRegistryTest, AnErrorThatIsNoStandardExceptionIsTrappedToo) {
    add("testprivate", "throwsInt", [](const Values&) -> Values { throw 3; });

    Values results;

    EXPECT_EQ(registry().callTrapped("testprivate", "throwsInt", {}, results),
              FunctionRegistry::RaisedError);
    EXPECT_NE(FunctionRegistry::lastError().find("testprivate.throwsInt"), std::string::npos);
}

TEST_F(FunctionRegistryTest, ASuccessfulCallClearsTheLastError) {
    add("testprivate", "ok", [](const Values&) { return Values{}; });
    Values results;
    registry().callTrapped("testprivate", "missing", {}, results);
    ASSERT_FALSE(FunctionRegistry::lastError().empty());

    registry().callTrapped("testprivate", "ok", {}, results);

    EXPECT_TRUE(FunctionRegistry::lastError().empty());
}

TEST_F(FunctionRegistryTest, ExtraResultsAreDroppedAndMissingOnesAreAnError) {
    add("testprivate", "two", [](const Values&) {
        return Values{Value::scalar(1), Value::scalar(2)};
    });
    Values results;

    EXPECT_EQ(registry().callTrapped("testprivate", "two", {}, results, 1), 0);
    EXPECT_EQ(results.size(), 1u);

    EXPECT_EQ(registry().callTrapped("testprivate", "two", {}, results, 3),
              FunctionRegistry::TooFewResults);
    EXPECT_TRUE(results.empty());
}

TEST_F(FunctionRegistryTest, RegisteringAgainReplacesAndUnregisteringRemoves) {
    add("testprivate", "f", [](const Values&) { return Values{Value::scalar(1)}; });
    add("testprivate", "f", [](const Values&) { return Values{Value::scalar(2)}; });
    Values results;

    registry().callTrapped("testprivate", "f", {}, results);
    EXPECT_EQ(results.at(0).asDouble(), 2);

    EXPECT_TRUE(registry().unregisterFunction("testprivate", "f"));
    EXPECT_FALSE(registry().unregisterFunction("testprivate", "f"));
    EXPECT_FALSE(registry().isRegistered("testprivate", "f"));
    EXPECT_NE(registry().callTrapped("testprivate", "f", {}, results), 0);
}

TEST_F(FunctionRegistryTest, AFunctionMayUnregisterItselfWhileRunning) {
    add("testprivate", "once", [](const Values&) {
        FunctionRegistry::instance().unregisterFunction("testprivate", "once");
        return Values{Value::logical(true)};
    });
    Values results;

    EXPECT_EQ(registry().callTrapped("testprivate", "once", {}, results), 0);
    EXPECT_TRUE(results.at(0).isLogicalTrue());
    EXPECT_FALSE(registry().isRegistered("testprivate", "once"));
}

TEST_F(FunctionRegistryTest, TheScriptingCallConventionFindsPackagedAndTopLevelFunctions) {
    add("testprivate", "getInterface", [](const Values&) { return Values{Value::string("p")}; });
    add("", "testdispatch", [](const Values& args) {
        if (args.at(0).asString() == "is_chart") {
            return Values{Value::logical(true), Value::structure()};
        }
        throw std::invalid_argument("unknown subfunction");
    });
    Values results;

    EXPECT_EQ(TESSEL::inCallFcnWithTrap(1, results, {}, "testprivate.getInterface"), 0);
    EXPECT_EQ(results.at(0).asString(), "p");

    EXPECT_EQ(TESSEL::inCallFcnWithTrap(
                  2, results, {Value::string("is_chart"), Value::string("m/c")}, "testdispatch"),
              0);
    EXPECT_TRUE(results.at(0).isLogicalTrue());
    EXPECT_TRUE(results.at(1).isStruct());

    EXPECT_NE(TESSEL::inCallFcnWithTrap(1, results, {Value::string("other")}, "testdispatch"), 0);
    EXPECT_EQ(FunctionRegistry::lastError(), "unknown subfunction");
}

TEST(FunctionRegistryNames, QualifiedNamesJoinPackageAndFunctionWithADot) {
    EXPECT_EQ(FunctionRegistry::qualifiedName("vtprivate", "vtGetVantorInterface"),
              "vtprivate.vtGetVantorInterface");
    EXPECT_EQ(FunctionRegistry::qualifiedName("", "cxprivate"), "cxprivate");
}

}  // namespace

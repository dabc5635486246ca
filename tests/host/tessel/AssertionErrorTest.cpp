#include "tessel/AssertionError.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using TESSEL::AssertionError;

namespace {

TEST(AssertionService, AFailedAssertionRaisesAnErrorCarryingMessageSourceAndLine) {
    ::testing::internal::CaptureStderr();
    try {
        TESSEL::assertionFailed(": !erh.hasError(),", "main/initialize", 34);
        ::testing::internal::GetCapturedStderr();
        FAIL() << "the assertion was ignored";
    } catch (const AssertionError& e) {
        ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(e.message(), ": !erh.hasError(),");
        EXPECT_EQ(e.source(), "main/initialize");
        EXPECT_EQ(e.line(), 34);
        EXPECT_STREQ(e.what(), "Assertion failed: : !erh.hasError(), at main/initialize:34");
    }
}

TEST(AssertionService, AFailedAssertionIsLoggedOnStandardError) {
    ::testing::internal::CaptureStderr();
    EXPECT_THROW(TESSEL::assertionFailed(": tool,", "application/VTDomainImpl", 12),
                 AssertionError);
    const std::string err = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(err, "Assertion failed: : tool, at application/VTDomainImpl:12\n");
}

TEST(AssertionService, TheErrorIsALogicError) {
    ::testing::internal::CaptureStderr();
    EXPECT_THROW(TESSEL::assertionFailed("m", "s", 1), std::logic_error);
    ::testing::internal::GetCapturedStderr();
}

TEST(AssertionMacro, QuotesTheFailedConditionAsTheMessage) {
    const bool tool = false;
    ::testing::internal::CaptureStderr();
    try {
        TESSEL_ASSERT(tool, "application/VTDomainImpl", 77);
        ::testing::internal::GetCapturedStderr();
        FAIL() << "the assertion was ignored";
    } catch (const AssertionError& e) {
        ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(e.message(), ": tool,");
        EXPECT_EQ(e.line(), 77);
    }
}

TEST(AssertionMacro, AHoldingConditionDoesNothing) {
    int evaluations = 0;
    auto holds = [&] {
        ++evaluations;
        return true;
    };

    EXPECT_NO_THROW(TESSEL_ASSERT(holds(), "test", 1));
    EXPECT_EQ(evaluations, 1);
}

}  // namespace

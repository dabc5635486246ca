#include "tessel/WarningService.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using TESSEL::WarningService;

namespace {

using Received = std::vector<std::pair<std::string, std::string>>;

// Subscribes for the test's duration, recording every warning.
class WarningServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        token_ = WarningService::instance().subscribe(
            [this](const std::string& id, const std::string& text) {
                received_.emplace_back(id, text);
            });
    }
    void TearDown() override { WarningService::instance().unsubscribe(token_); }

    WarningService::Token token_ = 0;
    Received received_;
};

TEST_F(WarningServiceTest, SubscribersReceiveIdentifierAndText) {
    ::testing::internal::CaptureStderr();
    TESSEL::warning("VTDove:ZeroLengthSegment", "Zero-length segment encountered.");
    ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(received_,
              (Received{{"VTDove:ZeroLengthSegment", "Zero-length segment encountered."}}));
}

TEST_F(WarningServiceTest, TheWarningIsPrintedOnStandardError) {
    ::testing::internal::CaptureStderr();
    TESSEL::warning("Test:Id", "Something odd.");
    const std::string err = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(err, "Warning: Something odd. [Test:Id]\n");
}

TEST_F(WarningServiceTest, UnsubscribedReceiversHearNothingMore) {
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(WarningService::instance().unsubscribe(token_));
    TESSEL::warning("Test:Id", "ignored");
    ::testing::internal::GetCapturedStderr();

    EXPECT_TRUE(received_.empty());
    EXPECT_FALSE(WarningService::instance().unsubscribe(token_));
}

TEST_F(WarningServiceTest, EverySubscriberGetsEachWarningInSubscriptionOrder) {
    std::vector<std::string> order;
    auto& service = WarningService::instance();
    auto first = service.subscribe(
        [&](const std::string&, const std::string&) { order.push_back("first"); });
    auto second = service.subscribe(
        [&](const std::string&, const std::string&) { order.push_back("second"); });

    ::testing::internal::CaptureStderr();
    TESSEL::warning("Test:Id", "twice");
    ::testing::internal::GetCapturedStderr();
    service.unsubscribe(first);
    service.unsubscribe(second);

    EXPECT_NE(first, second);
    EXPECT_EQ(order, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(received_.size(), 1u);
}

TEST_F(WarningServiceTest, ASubscriberMayUnsubscribeItselfWhileBeingCalled) {
    auto& service = WarningService::instance();
    int calls = 0;
    WarningService::Token self = 0;
    self = service.subscribe([&](const std::string&, const std::string&) {
        ++calls;
        service.unsubscribe(self);
    });

    ::testing::internal::CaptureStderr();
    TESSEL::warning("Test:Id", "one");
    TESSEL::warning("Test:Id", "two");
    ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(calls, 1);
    EXPECT_EQ(received_.size(), 2u);
}

TEST_F(WarningServiceTest, RemembersTheLastWarning) {
    ::testing::internal::CaptureStderr();
    TESSEL::warning("Test:First", "first");
    TESSEL::warning("Test:Last", "last");
    ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(WarningService::instance().lastIdentifier(), "Test:Last");
    EXPECT_EQ(WarningService::instance().lastText(), "last");
}

}  // namespace

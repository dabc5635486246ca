#include "tessel/Diagnostics.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

using TESSEL::Diagnostics;

namespace {

// Captures diagnostics for the test's duration and restores the sink found before.
class DiagnosticsTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ =
            Diagnostics::setSink([this](const std::string& text) { printed_.push_back(text); });
        ::testing::internal::CaptureStderr();
    }
    void TearDown() override {
        ::testing::internal::GetCapturedStderr();
        Diagnostics::setSink(previous_);
    }

    Diagnostics::Sink previous_;
    std::vector<std::string> printed_;
};

TEST_F(DiagnosticsTest, PrintsTheTextVerbatimToTheSinkAndStandardError) {
    TESSEL::diagnosticPrint("ChartixDI::ElementDescriber::visit::exception caught");
    const std::string err = ::testing::internal::GetCapturedStderr();
    ::testing::internal::CaptureStderr();

    EXPECT_EQ(printed_,
              (std::vector<std::string>{"ChartixDI::ElementDescriber::visit::exception caught"}));
    EXPECT_EQ(err, "ChartixDI::ElementDescriber::visit::exception caught");
}

TEST_F(DiagnosticsTest, UtPrintfFormatsLikePrintf) {
    TESSEL::utPrintf("%s has %d ports\n", "Gain", 2);

    EXPECT_EQ(printed_, (std::vector<std::string>{"Gain has 2 ports\n"}));
}

TEST_F(DiagnosticsTest, UtPrintfHandlesLongTexts) {
    const std::string longText(5000, 'x');

    TESSEL::utPrintf("%s", longText.c_str());

    ASSERT_EQ(printed_.size(), 1u);
    EXPECT_EQ(printed_[0], longText);
}

TEST_F(DiagnosticsTest, SetSinkHandsBackTheSinkItReplaced) {
    std::vector<std::string> other;
    Diagnostics::Sink mine =
        Diagnostics::setSink([&](const std::string& t) { other.push_back(t); });
    TESSEL::diagnosticPrint("a");
    Diagnostics::setSink(mine);
    TESSEL::diagnosticPrint("b");

    EXPECT_EQ(other, (std::vector<std::string>{"a"}));
    EXPECT_EQ(printed_, (std::vector<std::string>{"b"}));
}

TEST(SignalThread, IsTheUserInterfaceThreadAndNoOther) {
    EXPECT_TRUE(TESSEL::utIsSignalThread());

    bool elsewhere = true;
    std::thread worker([&] { elsewhere = TESSEL::utIsSignalThread(); });
    worker.join();
    EXPECT_FALSE(elsewhere);
}

}  // namespace

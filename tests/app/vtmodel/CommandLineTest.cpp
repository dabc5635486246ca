#include "CommandLine.h"

#include <gtest/gtest.h>

#include "VtmodelCall.h"

namespace {

using VTModel::CommandLine;

using VtmodelTest::call;
using VtmodelTest::Outcome;

TEST(VtmodelHelp, LongAndShortHelpPrintTheUsageToStandardOutputAndSucceed) {
    for (const char* option : {"--help", "-h"}) {
        const Outcome outcome = call({option});
        EXPECT_EQ(outcome.status, 0) << option;
        EXPECT_EQ(outcome.out, CommandLine::usage()) << option;
        EXPECT_TRUE(outcome.err.empty()) << option;
    }
}

TEST(VtmodelHelp, AnUnknownCommandIsStillRefused) {
    const Outcome outcome = call({"--frobnicate"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.err.find("--frobnicate"), std::string::npos);
}

}  // namespace

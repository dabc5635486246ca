#include "CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>

#include "ModelTool.h"

namespace {

using VTModel::CommandLine;

// The exit status of a vtmodel call, with what it printed.
struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome call(const std::vector<std::string>& args) {
    std::string error;
    const auto line = CommandLine::parse(args, error);
    if (!line)
        return {2, {}, error};
    std::ostringstream out, err;
    const int status = VTModel::ModelTool(out, err).run(*line);
    return {status, out.str(), err.str()};
}

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

#include "SimulateCommand.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "VtmodelCall.h"
#include "host/sim/SimModelBuilder.h"
#include "support/ProjectRoot.h"
#include "vtquill/file/ModelFileWriter.h"

namespace {

using VtmodelTest::call;
using VtmodelTest::Outcome;

std::string example(const std::string& name) {
    return (TestSupport::projectRoot() / "examples" / name).string();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        all.push_back(line);
    return all;
}

// A temporary file removed at the end of the test.
struct TempFile {
    std::filesystem::path path;
    explicit TempFile(const std::string& name)
        : path(std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + name)) {}
    ~TempFile() { std::filesystem::remove(path); }
};

TEST(VtmodelSimulate, WritesAHeaderAndOneRowPerRequestedTime) {
    const Outcome o = call({"simulate", example("pid_loop.vtm"), "--stop", "3", "--output-step",
                            "1", "--solver", "rk4", "--step", "0.001"});
    ASSERT_EQ(o.status, 0) << o.err;
    const auto rows = lines(o.out);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], "time,pid_loop/ErrorValue:1,pid_loop/Response:1");
    EXPECT_EQ(rows[1], "0,0,0");
    // The setpoint steps to 1 at t = 1: the row there shows the error just after the step.
    EXPECT_EQ(rows[2], "1,1,0");
    EXPECT_EQ(rows[3].rfind("2,", 0), 0u);
    EXPECT_EQ(rows[4].rfind("3,", 0), 0u);
}

TEST(VtmodelSimulate, ListsScopesAndDisplaysBeforeTopLevelOutputsWithVectorElements) {
    const Outcome o =
        call({"simulate", example("vector_signals.vtm"), "--stop", "1", "--output-step", "0.5"});
    ASSERT_EQ(o.status, 0) << o.err;
    const auto rows = lines(o.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0],
              "time,vector_signals/Rates:1[1],vector_signals/Rates:1[2],"
              "vector_signals/Rates:1[3],vector_signals/StateScope:1[1],"
              "vector_signals/StateScope:1[2],vector_signals/StateScope:1[3],"
              "vector_signals/x1,vector_signals/x2,vector_signals/x3");
}

TEST(VtmodelSimulate, ParametersSetOnTheCommandLineChangeTheRunAndTheFileStaysAsItWas) {
    const std::string file = example("vector_signals.vtm");
    std::ifstream before(file, std::ios::binary);
    const std::string original((std::istreambuf_iterator<char>(before)), {});
    TempFile csv("_sim.csv");
    const Outcome o = call({"simulate", file, "--stop", "1", "--output-step", "1", "--param",
                            "vector_signals/Weights:Gain=[10 20 30]", "--out", csv.path.string()});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(o.out.empty());
    std::ifstream written(csv.path);
    const std::string text((std::istreambuf_iterator<char>(written)), {});
    const auto rows = lines(text);
    ASSERT_EQ(rows.size(), 3u);
    // At t = 1 the rates are [10 sin 1, 20 * 0.5, 30 * 0] (the late step comes at t = 2).
    std::vector<std::string> fields;
    std::istringstream row(rows[2]);
    for (std::string field; std::getline(row, field, ',');)
        fields.push_back(field);
    ASSERT_EQ(fields.size(), 10u);
    EXPECT_EQ(fields[0], "1");
    EXPECT_EQ(std::stod(fields[1]), 10 * std::sin(1.0));
    EXPECT_EQ(fields[2], "10");
    EXPECT_EQ(fields[3], "0");
    std::ifstream after(file, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(after)), {}), original);
}

TEST(VtmodelSimulate, AModelErrorExitsWithOneAndNamesTheBlocks) {
    SimTest::SimModelBuilder m("loop");
    auto a = m.add("Gain", "A");
    auto b = m.add("Gain", "B");
    m.wire(a, b);
    m.wire(b, a);
    m.wire(m.add("Constant", "C"), m.add("Scope", "S"));
    m.commit();
    TempFile file("_loop.vtm");
    ASSERT_EQ(VTQUILL::File::ModelFileWriter().save(m.model(), file.path.string()), "");
    const Outcome o = call({"simulate", file.path.string()});
    EXPECT_EQ(o.status, 1);
    EXPECT_TRUE(o.out.empty());
    EXPECT_NE(o.err.find("algebraic loop"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("loop/A"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("loop/B"), std::string::npos) << o.err;
}

TEST(VtmodelSimulate, UsageErrorsExitWithTwo) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"simulate"},
                                               {"simulate", "a.vtm", "--solver", "fast"},
                                               {"simulate", "a.vtm", "--stop", "-1"},
                                               {"simulate", "a.vtm", "--param", "noequals"},
                                               {"simulate", "a.vtm", "--bogus", "1"}})
        EXPECT_EQ(call(args).status, 2) << args.back();
    EXPECT_EQ(call({"simulate", "--help"}).status, 0);
    EXPECT_EQ(call({"simulate", "/no/such/model.vtm"}).status, 1);
}

}  // namespace

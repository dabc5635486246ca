#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ModelFileFuzzEntry.h"
#include "SystemPathFuzzEntry.h"
#include "support/ProjectRoot.h"

namespace {

// A fuzz target as the tests replay it: the entry function its libFuzzer target calls, and
// the folders `./dev fuzz` seeds it from (relative to the project root). Its recorded crashes
// are in fuzz/regressions/<name>/.
struct FuzzTarget {
    const char* name;
    std::string (*run)(std::string_view input);
    std::vector<const char*> seedFolders;
};

void PrintTo(const FuzzTarget& target, std::ostream* out) {
    *out << target.name;
}

const FuzzTarget kTargets[] = {
    {"model_file", &VantorFuzz::ModelFileFuzzEntry::run, {"examples", "tests/data/malformed"}},
    {"system_path", &VantorFuzz::SystemPathFuzzEntry::run, {"fuzz/seeds/system_path"}},
};

// The files in `folder`, none when it does not exist (a target without recorded crashes).
std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    if (!std::filesystem::is_directory(folder))
        return files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    return files;
}

std::string contentsOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class FuzzInputReplayTest : public testing::TestWithParam<FuzzTarget> {
protected:
    // Runs every file of `folder` through the target's entry function; returns how many.
    std::size_t replay(const std::filesystem::path& folder) {
        const std::vector<std::filesystem::path> files = filesIn(folder);
        for (const std::filesystem::path& file : files)
            EXPECT_EQ(GetParam().run(contentsOf(file)), "") << file;
        return files.size();
    }
};

}  // namespace

TEST_P(FuzzInputReplayTest, EverySeedKeepsTheTargetsPromises) {
    std::size_t seeds = 0;
    for (const char* folder : GetParam().seedFolders)
        seeds += replay(TestSupport::projectRoot() / folder);
    EXPECT_GT(seeds, 0u) << "no seeds found for " << GetParam().name;
}

TEST_P(FuzzInputReplayTest, EveryRecordedCrashKeepsTheTargetsPromises) {
    replay(TestSupport::projectRoot() / "fuzz" / "regressions" / GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzInputReplayTest, testing::ValuesIn(kTargets),
                         [](const testing::TestParamInfo<FuzzTarget>& info) {
                             return std::string(info.param.name);
                         });

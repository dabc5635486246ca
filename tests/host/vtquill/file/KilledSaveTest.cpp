#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

#include "ModelFileTestSupport.h"
#include "vtquill/file/ModelFileReader.h"
#include "vtquill/file/ModelFileWriter.h"
#include "vtquill/file/ModelGenerator.h"

using namespace VTQuillFileTest;
using namespace VTQUILL;
using File::ModelFileWriter;

namespace {

// Large enough that one save takes some milliseconds (a quarter of a megabyte of text), so
// that kills land in every step of a save.
constexpr std::size_t kBlocks = 300;
constexpr std::uint32_t kModelSeed = 11;
constexpr const char* kName = "saved.vtm";

// A whole number from the environment, or `fallback` when the variable is not set.
std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

// The program model_save_loop, saving two models over `path` in turn until it is killed
// (tests/helpers/ModelSaveLoop.cpp). The destructor kills it if it still runs.
class SaveLoopProcess {
public:
    explicit SaveLoopProcess(const std::string& path) {
        // Everything the child needs is made before the fork: between fork and exec it may
        // only make async-signal-safe calls.
        const std::string blocks = std::to_string(kBlocks);
        const std::string seed = std::to_string(kModelSeed);
        int out[2];
        if (::pipe2(out, O_CLOEXEC) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::execl(VANTOR_MODEL_SAVE_LOOP, "model_save_loop", path.c_str(), blocks.c_str(),
                    seed.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        readyPipe_ = out[0];
    }
    ~SaveLoopProcess() {
        if (pid_ > 0)
            killNow();
        if (readyPipe_ >= 0)
            ::close(readyPipe_);
    }

    // Waits until the process has made its models and begins to save.
    bool waitUntilSaving() {
        pollfd ready{readyPipe_, POLLIN, 0};
        char byte = 0;
        return pid_ > 0 && ::poll(&ready, 1, 60'000) == 1 && ::read(readyPipe_, &byte, 1) == 1;
    }

    // Kills the process with SIGKILL and reaps it. Returns "" when the signal ended it, else
    // how it had ended before (a failed save exits on its own).
    std::string killNow() {
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            return "";
        return WIFEXITED(status) ? "it exited with status " + std::to_string(WEXITSTATUS(status))
                                 : "it ended with status " + std::to_string(status);
    }

private:
    pid_t pid_ = -1;
    int readyPipe_ = -1;
};

// Removes the temporary files that killed saves leave beside the model. Returns the name of
// any other file found there, or "".
std::string removeTemporaries(const TemporaryFolder& folder) {
    const std::string prefix = std::string(".") + kName + '.';
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0 && name.ends_with(".tmp"))
            std::filesystem::remove(entry.path());
        else if (name != kName)
            return name;
    }
    return "";
}

// The model of `seed` as the save loop makes it; the caller closes it.
Model modelOf(std::uint32_t seed) {
    return File::ModelGenerator::generate("saved", kBlocks, seed);
}

}  // namespace

// VANTOR_KILLED_SAVES sets the number of kills (50 by default; `./dev soak` runs 1,000);
// VANTOR_KILL_SEED repeats the kill moments of an earlier run.
TEST(KilledSaveTest, ASaveKilledAtAnyMomentLeavesTheCompleteOldOrNewModel) {
    const std::uint64_t kills = fromEnvironment("VANTOR_KILLED_SAVES", 50);
    const std::uint64_t seed = fromEnvironment("VANTOR_KILL_SEED", std::random_device()());
    SCOPED_TRACE("kill moments of seed " + std::to_string(seed) +
                 " (run again with VANTOR_KILL_SEED=" + std::to_string(seed) + ")");
    // The loop saves `second` first, then `first`, `second`, ... over a file holding `first`.
    Model model = modelOf(kModelSeed);
    const std::string first = ModelFileWriter::toText(model);
    TemporaryFolder folder;
    const std::string path = (folder / kName).string();
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(ModelFileWriter().save(model, path), "");
    const auto saveTime = std::chrono::steady_clock::now() - start;
    model.close();
    model = modelOf(kModelSeed + 1);
    const std::string second = ModelFileWriter::toText(model);
    model.close();
    ASSERT_NE(first, second);

    // Kills fall anywhere in the first three saves of the loop.
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<std::int64_t> delay(
        0, 3 * std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count());
    std::size_t heldFirst = 0;
    for (std::uint64_t kill = 0; kill < kills; ++kill) {
        SaveLoopProcess child(path);
        ASSERT_TRUE(child.waitUntilSaving()) << "kill " << kill << ": the save loop did not start";
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ASSERT_EQ(child.killNow(), "") << "kill " << kill << ": the save loop ended by itself";

        const std::string onDisk = readFile(path);
        ASSERT_TRUE(onDisk == first || onDisk == second)
            << "kill " << kill << ": the file holds neither model whole (" << onDisk.size()
            << " bytes; the models have " << first.size() << " and " << second.size() << ")";
        heldFirst += onDisk == first;
        ASSERT_EQ(removeTemporaries(folder), "") << "kill " << kill;
    }
    std::printf(
        "%llu saves killed: the file then held the first model %zu times, the second "
        "%llu times\n",
        static_cast<unsigned long long>(kills), heldFirst,
        static_cast<unsigned long long>(kills - heldFirst));

    File::ModelFileReader::Result last = File::ModelFileReader().load(path);
    ASSERT_TRUE(last.ok()) << last.error->message();
    last.model.close();
}

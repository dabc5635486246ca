// RunThread with its RunControl: how a job ends (stopped, finished, failed), pause and resume
// at checkpoints, refused starts, the destructor of a running thread.
#include <gtest/gtest.h>
#include <pthread.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include "sim/RunThread.h"

using VTSIM::RunControl;
using VTSIM::RunThread;
using State = RunThread::State;

namespace {

// Waits for a condition another thread makes true. The deadline only keeps a broken run from
// hanging the test suite; no test depends on how fast anything is.
bool waitUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::yield();
    }
    return true;
}

// A job that steps until stopped: checkpoint n is at simulated time n, and `passed` counts
// the checkpoints it went through.
struct SteppingJob {
    std::atomic<long> passed{0};
    std::atomic<bool> returned{false};

    std::function<void(RunControl&)> job() {
        return [this](RunControl& control) {
            while (control.checkpoint(double(passed.load())))
                passed.fetch_add(1);
            returned.store(true);
        };
    }
};

}  // namespace

// --- How a job ends
// -------------------------------------------------------------------------------

TEST(RunThreadTest, StopEndsALoopingJobWhichStaysStopped) {
    RunThread thread;
    SteppingJob stepping;
    EXPECT_EQ(thread.state(), State::Idle);
    thread.start(stepping.job());
    EXPECT_EQ(thread.state(), State::Running);
    ASSERT_TRUE(waitUntil([&] { return stepping.passed.load() >= 100; }));
    EXPECT_TRUE(waitUntil([&] { return thread.control().simulatedTime() >= 100; }));

    thread.control().stop();
    thread.wait();
    EXPECT_TRUE(stepping.returned.load());
    EXPECT_EQ(thread.state(), State::Stopped);
    EXPECT_TRUE(thread.control().isStopRequested());
    EXPECT_EQ(thread.control().simulatedTime(), double(stepping.passed.load()));
    thread.wait();
    EXPECT_EQ(thread.state(), State::Stopped);
    EXPECT_EQ(thread.errorMessage(), "");
}

TEST(RunThreadTest, AJobThatReturnsFinishesAndTellsItsCallbackOnTheWorkerNamedVtsimRun) {
    RunThread thread;
    std::string workerName;
    State reported = State::Idle;
    State stateSeenByCallback = State::Idle;
    std::thread::id callbackThread;
    thread.setFinishedCallback([&](State state) {
        char name[16] = {};
        pthread_getname_np(pthread_self(), name, sizeof name);
        workerName = name;
        reported = state;
        stateSeenByCallback = thread.state();
        callbackThread = std::this_thread::get_id();
    });
    thread.start([](RunControl& control) {
        for (int step = 1; step <= 10; ++step)
            control.checkpoint(step * 0.1);
    });
    thread.wait();
    EXPECT_EQ(thread.state(), State::Finished);
    EXPECT_EQ(reported, State::Finished);
    EXPECT_EQ(stateSeenByCallback, State::Finished);
    EXPECT_EQ(workerName, "vtsim-run");
    EXPECT_NE(callbackThread, std::this_thread::get_id());
    EXPECT_EQ(thread.control().simulatedTime(), 10 * 0.1);
}

TEST(RunThreadTest, AThrowingJobFailsWithItsMessage) {
    RunThread thread;
    State reported = State::Idle;
    thread.setFinishedCallback([&](State state) { reported = state; });
    thread.start([](RunControl& control) {
        control.checkpoint(2.5);
        throw std::runtime_error("the solver could not reach t = 2.5: step size too small");
    });
    thread.wait();
    EXPECT_EQ(thread.state(), State::Failed);
    EXPECT_EQ(reported, State::Failed);
    EXPECT_EQ(thread.errorMessage(), "the solver could not reach t = 2.5: step size too small");
}

// --- Pause and resume
// -----------------------------------------------------------------------------

TEST(RunThreadTest, PauseHoldsTheJobAtItsNextCheckpointUntilResume) {
    RunThread thread;
    SteppingJob stepping;
    thread.start(stepping.job());
    ASSERT_TRUE(waitUntil([&] { return stepping.passed.load() >= 3; }));

    thread.control().pause();
    EXPECT_TRUE(thread.control().isPaused());
    ASSERT_TRUE(waitUntil([&] { return thread.control().isHeld(); }));
    const long held = stepping.passed.load();
    // Held at checkpoint number `held`, published as simulated time `held`; it does not pass.
    for (int look = 0; look < 1000; ++look) {
        ASSERT_EQ(stepping.passed.load(), held);
        ASSERT_TRUE(thread.control().isHeld());
        std::this_thread::yield();
    }
    EXPECT_EQ(thread.control().simulatedTime(), double(held));
    EXPECT_EQ(thread.state(), State::Running);

    thread.control().resume();
    EXPECT_FALSE(thread.control().isPaused());
    EXPECT_TRUE(waitUntil([&] { return stepping.passed.load() > held + 10; }));
    thread.control().stop();
    thread.wait();
    EXPECT_EQ(thread.state(), State::Stopped);
}

TEST(RunThreadTest, StopEndsAJobHeldByAPause) {
    RunThread thread;
    SteppingJob stepping;
    thread.start(stepping.job());
    thread.control().pause();
    ASSERT_TRUE(waitUntil([&] { return thread.control().isHeld(); }));
    thread.control().stop();
    thread.wait();
    EXPECT_TRUE(stepping.returned.load());
    EXPECT_FALSE(thread.control().isHeld());
    EXPECT_EQ(thread.state(), State::Stopped);
}

// --- Starting
// -------------------------------------------------------------------------------------

TEST(RunThreadTest, RefusesToStartWhileAJobRunsAndStartsAfreshOnceItEnded) {
    RunThread thread;
    SteppingJob stepping;
    thread.start(stepping.job());
    EXPECT_THROW(thread.start([](RunControl&) {}), std::logic_error);
    EXPECT_EQ(thread.state(), State::Running);
    thread.control().stop();
    thread.wait();

    // The next job gets a control neither stopped nor paused, at time 0.
    bool firstCheckpointPassed = false;
    double timeAtStart = -1;
    thread.start([&](RunControl& control) {
        timeAtStart = control.simulatedTime();
        firstCheckpointPassed = control.checkpoint(1);
    });
    thread.wait();
    EXPECT_EQ(timeAtStart, 0.0);
    EXPECT_TRUE(firstCheckpointPassed);
    EXPECT_EQ(thread.state(), State::Finished);
    EXPECT_THROW(thread.start(nullptr), std::invalid_argument);
}

// --- Destruction
// ----------------------------------------------------------------------------------

TEST(RunThreadTest, DestroyingARunningThreadStopsAndJoinsItsJob) {
    SteppingJob running, paused;
    auto first = std::make_unique<RunThread>();
    auto second = std::make_unique<RunThread>();
    first->start(running.job());
    second->start(paused.job());
    second->control().pause();
    ASSERT_TRUE(waitUntil([&] { return running.passed.load() > 0; }));
    ASSERT_TRUE(waitUntil([&] { return second->control().isHeld(); }));

    first.reset();
    second.reset();
    EXPECT_TRUE(running.returned.load());
    EXPECT_TRUE(paused.returned.load());
}

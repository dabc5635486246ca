#include "wren/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

#include "wren/Emitter.h"

using WREN::Emitter;
using WREN::Listener;
using WREN::Packet;
using WREN::Thread;

namespace {

// Drains whatever earlier tests may have left queued, so each test starts clean.
class ThreadTest : public ::testing::Test {
protected:
    void SetUp() override { Thread::processPending(); }
    void TearDown() override {
        Thread::setWakeUpHandler({});
        Thread::processPending();
    }
};

void spinUntil(const std::function<bool()>& condition) {
    while (!condition()) {
        std::this_thread::yield();
    }
}

TEST_F(ThreadTest, NamedThreadsAreCreatedOnceAndFoundByName) {
    Thread* tessel = Thread::getNamedThread("TESSEL");

    EXPECT_NE(tessel, nullptr);
    EXPECT_EQ(Thread::getNamedThread("TESSEL"), tessel);
    EXPECT_EQ(tessel->name(), "TESSEL");
    EXPECT_NE(Thread::getNamedThread("Other"), tessel);
}

TEST_F(ThreadTest, TesselIsTheUserInterfaceThreadOfThisProcess) {
    EXPECT_TRUE(Thread::isUserInterfaceThread());
    EXPECT_TRUE(Thread::getNamedThread("TESSEL")->isCurrent());

    bool currentElsewhere = true;
    std::thread worker([&] { currentElsewhere = Thread::getNamedThread("TESSEL")->isCurrent(); });
    worker.join();
    EXPECT_FALSE(currentElsewhere);
}

TEST_F(ThreadTest, EmissionFromAnotherThreadIsQueuedUntilProcessPending) {
    Emitter<int> emitter;
    Listener owner;
    std::vector<int> received;
    std::thread::id calledOn;
    emitter.connect(
        owner,
        [&](const int& v) {
            received.push_back(v);
            calledOn = std::this_thread::get_id();
        },
        Thread::getNamedThread("TESSEL"));

    std::thread sender([&] {
        emitter.emit(1);
        emitter.emit(2);
    });
    sender.join();

    EXPECT_TRUE(received.empty());
    EXPECT_EQ(Thread::pendingCount(), 2u);
    EXPECT_EQ(Thread::processPending(), 2u);
    EXPECT_EQ(received, (std::vector<int>{1, 2}));
    EXPECT_EQ(calledOn, std::this_thread::get_id());
}

TEST_F(ThreadTest, AConnectionWithoutAThreadIsCalledOnTheSendingThread) {
    Emitter<int> emitter;
    Listener owner;
    std::thread::id calledOn;
    emitter.connect(owner, [&](const int&) { calledOn = std::this_thread::get_id(); });

    std::thread::id senderId;
    std::thread sender([&] {
        senderId = std::this_thread::get_id();
        emitter.emit(1);
    });
    sender.join();

    EXPECT_EQ(calledOn, senderId);
    EXPECT_EQ(Thread::pendingCount(), 0u);
}

TEST_F(ThreadTest, ProcessPendingDoesNothingOffTheUserInterfaceThread) {
    Thread::getNamedThread("TESSEL")->post([] {});

    std::size_t ranElsewhere = 99;
    std::thread worker([&] { ranElsewhere = Thread::processPending(); });
    worker.join();

    EXPECT_EQ(ranElsewhere, 0u);
    EXPECT_EQ(Thread::pendingCount(), 1u);
}

TEST_F(ThreadTest, CallsQueuedWhileProcessingWaitForTheNextRound) {
    Thread* tessel = Thread::getNamedThread("TESSEL");
    int outer = 0, inner = 0;
    tessel->post([&] {
        ++outer;
        tessel->post([&] { ++inner; });
    });

    EXPECT_EQ(Thread::processPending(), 1u);
    EXPECT_EQ(outer, 1);
    EXPECT_EQ(inner, 0);
    EXPECT_EQ(Thread::processPending(), 1u);
    EXPECT_EQ(inner, 1);
}

TEST_F(ThreadTest, AThrowingQueuedCallDoesNotStopTheOthers) {
    Thread* tessel = Thread::getNamedThread("TESSEL");
    bool laterRan = false;
    tessel->post([] { throw std::runtime_error("receiver failed"); });
    tessel->post([&] { laterRan = true; });

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Thread::processPending(), 2u);
    const std::string err = ::testing::internal::GetCapturedStderr();

    EXPECT_TRUE(laterRan);
    EXPECT_NE(err.find("receiver failed"), std::string::npos);
}

TEST_F(ThreadTest, InvokeRunsAtOnceOnTheThreadAndQueuesFromElsewhere) {
    Thread* tessel = Thread::getNamedThread("TESSEL");
    int runs = 0;
    tessel->invoke([&] { ++runs; });
    EXPECT_EQ(runs, 1);

    std::thread worker([&] { tessel->invoke([&] { ++runs; }); });
    worker.join();
    EXPECT_EQ(runs, 1);
    Thread::processPending();
    EXPECT_EQ(runs, 2);
}

TEST_F(ThreadTest, TheWakeUpHandlerRunsForEveryQueuedCall) {
    std::atomic<int> wakeUps{0};
    Thread::setWakeUpHandler([&] { ++wakeUps; });

    Thread::getNamedThread("TESSEL")->post([] {});
    Thread::getNamedThread("Other")->post([] {});

    EXPECT_EQ(wakeUps.load(), 2);
}

TEST_F(ThreadTest, AListenerDestroyedWhileItsCallIsQueuedIsNotCalled) {
    Emitter<int> emitter;
    int calls = 0;
    auto owner = std::make_unique<Listener>();
    emitter.connect(
        *owner, [&](const int&) { ++calls; }, Thread::getNamedThread("TESSEL"));

    std::thread sender([&] { emitter.emit(1); });
    sender.join();
    owner.reset();

    Thread::processPending();
    EXPECT_EQ(calls, 0);
}

TEST_F(ThreadTest, WaitingSenderReturnsOnlyAfterTheUserInterfaceThreadDelivered) {
    Emitter<int> emitter;
    Listener owner;
    int received = 0;
    emitter.connect(
        owner, [&](const int& v) { received = v; }, Thread::getNamedThread("TESSEL"));

    std::atomic<bool> senderReturned{false};
    std::thread sender([&] {
        emitter.sendPacket(Packet<int>(5, WREN::SendOnReceiverThread), true);
        senderReturned = true;
    });
    spinUntil([] { return Thread::pendingCount() > 0; });

    // The sender cannot return before this thread runs the queued call.
    EXPECT_FALSE(senderReturned.load());
    Thread::processPending();
    sender.join();

    EXPECT_TRUE(senderReturned.load());
    EXPECT_EQ(received, 5);
}

TEST_F(ThreadTest, WaitingSenderIsReleasedWhenTheQueuedCallWasCut) {
    Emitter<int> emitter;
    auto owner = std::make_unique<Listener>();
    int calls = 0;
    emitter.connect(
        *owner, [&](const int&) { ++calls; }, Thread::getNamedThread("TESSEL"));

    std::thread sender([&] { emitter.sendPacket(Packet<int>(5, WREN::SendQueued), true); });
    spinUntil([] { return Thread::pendingCount() > 0; });
    owner.reset();
    Thread::processPending();
    sender.join();

    EXPECT_EQ(calls, 0);
}

TEST_F(ThreadTest, UserInterfaceModeQueuesFromAnotherThreadEvenWithoutANamedThread) {
    Emitter<int> emitter;
    Listener owner;
    std::thread::id calledOn;
    emitter.connect(owner, [&](const int&) { calledOn = std::this_thread::get_id(); });

    std::thread sender(
        [&] { emitter.sendPacket(Packet<int>(1, WREN::SendOnUserInterfaceThread), false); });
    sender.join();
    EXPECT_EQ(Thread::processPending(), 1u);

    EXPECT_EQ(calledOn, std::this_thread::get_id());
}

TEST_F(ThreadTest, QueueForFollowsTheSendModes) {
    Thread* tessel = Thread::getNamedThread("TESSEL");

    EXPECT_EQ(Thread::queueFor(WREN::SendDirect, tessel), nullptr);
    EXPECT_EQ(Thread::queueFor(WREN::SendQueued, tessel), tessel);
    EXPECT_EQ(Thread::queueFor(WREN::SendQueued, nullptr), Thread::userInterface());
    EXPECT_EQ(Thread::queueFor(WREN::SendOnUserInterfaceThread, tessel), nullptr);
    EXPECT_EQ(Thread::queueFor(WREN::SendOnReceiverThread, tessel), nullptr);
    EXPECT_EQ(Thread::queueFor(WREN::SendOnReceiverThread, nullptr), nullptr);
    EXPECT_THROW(Thread::queueFor(4, tessel), std::invalid_argument);

    Thread* fromWorker = nullptr;
    std::thread worker([&] { fromWorker = Thread::queueFor(WREN::SendOnReceiverThread, tessel); });
    worker.join();
    EXPECT_EQ(fromWorker, tessel);
}

}  // namespace

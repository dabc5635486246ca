#include "harbor/StudioEventService.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "harbor/IntRequest.h"
#include "wren/Listener.h"
#include "wren/Thread.h"

using HARBOR::StudioEventService;
using HARBOR::Util::IntRequest;

namespace {

using Log = std::vector<std::string>;

// A subscriber that logs each request it receives under its own name: "a:3".
class TabRecorder : public WREN::Listener {
public:
    TabRecorder(std::string name, Log& log) : name_(std::move(name)), log_(log) {}
    ~TabRecorder() override { disconnect(); }

    void handle(IntRequest request) {
        log_.push_back(name_ + ":" + std::to_string(request.getValue()));
    }

private:
    std::string name_;
    Log& log_;
};

// Runs what earlier tests may have left queued, so each test starts with an empty queue.
class EventServiceTest : public ::testing::Test {
protected:
    void SetUp() override { WREN::Thread::processPending(); }
    void TearDown() override { WREN::Thread::processPending(); }

    StudioEventService<IntRequest> service;
    Log log;
};

// --- Subscribing and sending ---

TEST_F(EventServiceTest, DeliversEachEventToEverySubscriberInSubscriptionOrder) {
    TabRecorder b("b", log), a("a", log);
    service.subscribe(b, &TabRecorder::handle);
    service.subscribe(a, &TabRecorder::handle);

    service.send(IntRequest(1));
    service.send(IntRequest(2));

    EXPECT_EQ(log, (Log{"b:1", "a:1", "b:2", "a:2"}));
}

TEST_F(EventServiceTest, AcceptsAReceiverOwnedByAListener) {
    WREN::Listener owner;
    int received = -1;
    service.subscribe(owner, [&](const IntRequest& r) { received = r.getValue(); });

    service.send(IntRequest(4));

    EXPECT_EQ(received, 4);
}

TEST_F(EventServiceTest, CountsLiveSubscriptions) {
    TabRecorder a("a", log), b("b", log);
    service.subscribe(a, &TabRecorder::handle);
    service.subscribe(b, &TabRecorder::handle);

    EXPECT_EQ(service.subscriberCount(), 2u);
}

// --- Ending subscriptions ---

TEST_F(EventServiceTest, ASubscriberIsNoLongerCalledAfterItsDestruction) {
    TabRecorder kept("kept", log);
    auto gone = std::make_unique<TabRecorder>("gone", log);
    service.subscribe(*gone, &TabRecorder::handle);
    service.subscribe(kept, &TabRecorder::handle);

    gone.reset();
    service.send(IntRequest(5));

    EXPECT_EQ(log, (Log{"kept:5"}));
    EXPECT_EQ(service.subscriberCount(), 1u);
}

TEST_F(EventServiceTest, TheReturnedConnectionEndsTheSubscription) {
    TabRecorder a("a", log);
    WREN::Connection connection = service.subscribe(a, &TabRecorder::handle);

    connection.disconnect();
    service.send(IntRequest(6));

    EXPECT_TRUE(log.empty());
}

TEST_F(EventServiceTest, SubscriptionsEndWhenTheServiceGoes) {
    TabRecorder a("a", log);
    auto owned = std::make_unique<StudioEventService<IntRequest>>();
    WREN::Connection connection = owned->subscribe(a, &TabRecorder::handle);

    owned.reset();

    EXPECT_FALSE(connection.connected());
    EXPECT_EQ(a.connectionCount(), 0u);
}

// --- Send modes ---

TEST_F(EventServiceTest, QueuedModeDeliversOnlyWhenTheQueueRuns) {
    TabRecorder a("a", log);
    service.subscribe(a, &TabRecorder::handle);

    service.send(IntRequest(7), WREN::SendQueued);
    EXPECT_TRUE(log.empty());
    WREN::Thread::processPending();

    EXPECT_EQ(log, (Log{"a:7"}));
}

TEST_F(EventServiceTest, ReceiverThreadModeCallsATesselSubscriberAtOnceFromTheInterfaceThread) {
    ASSERT_TRUE(WREN::Thread::isUserInterfaceThread());
    TabRecorder a("a", log);
    service.subscribe(a, &TabRecorder::handle, WREN::Thread::getNamedThread("TESSEL"));

    service.sendPacket(WREN::Packet<IntRequest>(IntRequest(8), WREN::SendOnReceiverThread), false);

    EXPECT_EQ(log, (Log{"a:8"}));
}

TEST_F(EventServiceTest, ReceiverThreadModeFromAnotherThreadQueuesForTheSubscribersThread) {
    TabRecorder a("a", log);
    service.subscribe(a, &TabRecorder::handle, WREN::Thread::getNamedThread("TESSEL"));

    std::thread sender([&] { service.send(IntRequest(9), WREN::SendOnReceiverThread, false); });
    sender.join();
    EXPECT_TRUE(log.empty());
    WREN::Thread::processPending();

    EXPECT_EQ(log, (Log{"a:9"}));
}

TEST_F(EventServiceTest, DirectModeCallsAThreadBoundSubscriberOnTheSendingThread) {
    std::thread::id calledOn;
    WREN::Listener owner;
    service.subscribe(
        owner, [&](const IntRequest&) { calledOn = std::this_thread::get_id(); },
        WREN::Thread::getNamedThread("TESSEL"));

    std::thread sender([&] { service.send(IntRequest(1), WREN::SendDirect); });
    const std::thread::id senderId = sender.get_id();
    sender.join();

    EXPECT_EQ(calledOn, senderId);
}

TEST_F(EventServiceTest, RefusesAnUnknownSendModeBeforeCallingAnyone) {
    TabRecorder a("a", log);
    service.subscribe(a, &TabRecorder::handle);

    EXPECT_THROW(service.send(IntRequest(1), 4), std::invalid_argument);

    EXPECT_TRUE(log.empty());
}

}  // namespace

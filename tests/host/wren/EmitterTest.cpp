#include "wren/Emitter.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/wren/Recorder.h"
#include "wren/Thread.h"

using WREN::Connection;
using WREN::Emitter;
using WREN::Listener;
using WREN::Packet;
using WRENTest::Recorder;

namespace {

using Log = std::vector<std::string>;

TEST(EmitterDelivery, CallsEveryReceiverInConnectionOrder) {
    Log log;
    Emitter<int> emitter;
    Recorder b("b", log), a("a", log), c("c", log);
    emitter.connect(b, &Recorder::receive);
    emitter.connect(a, &Recorder::receive);
    emitter.connect(c, &Recorder::receive);

    emitter.emit(7);

    EXPECT_EQ(log, (Log{"b:7", "a:7", "c:7"}));
}

TEST(EmitterDelivery, DeliversEachEmissionToAllReceiversBeforeTheNext) {
    Log log;
    Emitter<int> emitter;
    Recorder a("a", log), b("b", log);
    emitter.connect(a, &Recorder::receive);
    emitter.connect(b, &Recorder::receiveByValue);

    emitter.emit(1);
    emitter.emit(2);

    EXPECT_EQ(log, (Log{"a:1", "b:1", "a:2", "b:2"}));
}

TEST(EmitterDelivery, AcceptsALambdaOwnedByAListener) {
    Emitter<std::string> emitter;
    Listener owner;
    std::string received;
    emitter.connect(owner, [&](const std::string& s) { received = s; });

    emitter.emit("hello");

    EXPECT_EQ(received, "hello");
}

TEST(EmitterDelivery, CallsAReceiverOnceForEachTimeItWasConnected) {
    Log log;
    Emitter<int> emitter;
    Recorder a("a", log);
    emitter.connect(a, &Recorder::receive);
    emitter.connect(a, &Recorder::receive);

    emitter.emit(3);

    EXPECT_EQ(log, (Log{"a:3", "a:3"}));
}

TEST(EmitterDelivery, CarriesPayloadsDerivedFromThePayloadBase) {
    struct Renamed : WREN::Payload {
        std::string name;
    };
    Emitter<Renamed> emitter;
    Listener owner;
    std::string received;
    emitter.connect(owner, [&](const Renamed& e) { received = e.name; });

    Renamed event;
    event.name = "Gain1";
    emitter.emit(event);

    EXPECT_EQ(received, "Gain1");
}

TEST(EmitterDisconnectDuringDelivery, AReceiverThatCutsItselfFinishesAndIsNotCalledAgain) {
    Emitter<int> emitter;
    Listener owner;
    int calls = 0;
    Connection self;
    self = emitter.connect(owner, [&](const int&) {
        ++calls;
        self.disconnect();
    });

    emitter.emit(1);
    emitter.emit(2);

    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(self.connected());
}

TEST(EmitterDisconnectDuringDelivery, AReceiverCutBeforeItsTurnIsNotCalled) {
    Log log;
    Emitter<int> emitter;
    Listener first;
    Recorder second("second", log), third("third", log);
    emitter.connect(first, [&](const int&) { second.disconnect(); });
    emitter.connect(second, &Recorder::receive);
    emitter.connect(third, &Recorder::receive);

    emitter.emit(5);

    EXPECT_EQ(log, (Log{"third:5"}));
}

TEST(EmitterDisconnectDuringDelivery, AnEarlierReceiverCutDuringDeliveryIsNotCalledNextTime) {
    Log log;
    Emitter<int> emitter;
    Recorder first("first", log);
    Listener second;
    emitter.connect(first, &Recorder::receive);
    emitter.connect(second, [&](const int&) { first.disconnect(); });

    emitter.emit(1);
    emitter.emit(2);

    EXPECT_EQ(log, (Log{"first:1"}));
}

TEST(EmitterDisconnectDuringDelivery, AReceiverMayDestroyAnotherListenerBeforeItsTurn) {
    Log log;
    Emitter<int> emitter;
    Listener killer;
    auto victim = std::make_unique<Recorder>("victim", log);
    emitter.connect(killer, [&](const int&) { victim.reset(); });
    emitter.connect(*victim, &Recorder::receive);

    emitter.emit(9);

    EXPECT_TRUE(log.empty());
}

TEST(EmitterConnectDuringDelivery, NewReceiversAreFirstCalledByTheNextEmission) {
    Log log;
    Emitter<int> emitter;
    Listener first;
    Recorder late("late", log);
    bool connected = false;
    emitter.connect(first, [&](const int&) {
        if (!connected) {
            connected = true;
            emitter.connect(late, &Recorder::receive);
        }
    });

    emitter.emit(1);
    EXPECT_TRUE(log.empty());

    emitter.emit(2);
    EXPECT_EQ(log, (Log{"late:2"}));
}

TEST(EmitterConnectDuringDelivery, AReceiverMayEmitAgainFromInsideTheCall) {
    Log log;
    Emitter<int> emitter;
    Listener relay;
    Recorder watcher("w", log);
    emitter.connect(relay, [&](const int& v) {
        if (v < 3) {
            emitter.emit(v + 1);
        }
    });
    emitter.connect(watcher, &Recorder::receive);

    emitter.emit(1);

    EXPECT_EQ(log, (Log{"w:3", "w:2", "w:1"}));
}

TEST(EmitterLifetime, ListenerDestroyedFirstIsNeverCalledAgain) {
    Log log;
    Emitter<int> emitter;
    Connection connection;
    {
        Recorder shortLived("gone", log);
        connection = emitter.connect(shortLived, &Recorder::receive);
        EXPECT_EQ(emitter.connectionCount(), 1u);
    }

    emitter.emit(4);

    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(connection.connected());
    EXPECT_EQ(emitter.connectionCount(), 0u);
}

TEST(EmitterLifetime, EmitterDestroyedFirstLeavesTheListenerUsable) {
    Log log;
    Recorder recorder("r", log);
    Connection connection;
    {
        Emitter<int> shortLived;
        connection = shortLived.connect(recorder, &Recorder::receive);
        EXPECT_EQ(recorder.connectionCount(), 1u);
    }

    EXPECT_FALSE(connection.connected());
    EXPECT_EQ(recorder.connectionCount(), 0u);
    recorder.disconnect();  // cuts nothing, and must not touch the dead emitter

    Emitter<int> other;
    other.connect(recorder, &Recorder::receive);
    other.emit(6);
    EXPECT_EQ(log, (Log{"r:6"}));
}

TEST(EmitterLifetime, DisconnectAllCutsEveryConnection) {
    Log log;
    Emitter<int> emitter;
    Recorder a("a", log), b("b", log);
    Connection ca = emitter.connect(a, &Recorder::receive);
    Connection cb = emitter.connect(b, &Recorder::receive);

    emitter.disconnectAll();
    emitter.emit(1);

    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(ca.connected());
    EXPECT_FALSE(cb.connected());
}

TEST(EmitterLifetime, CountsOnlyLiveConnections) {
    Emitter<int> emitter;
    Listener a, b;
    Connection ca = emitter.connect(a, [](const int&) {});
    emitter.connect(b, [](const int&) {});

    ca.disconnect();

    EXPECT_EQ(emitter.connectionCount(), 1u);
}

TEST(EmitterSendPacket, DirectModeCallsAReceiverOfANamedThreadAtOnce) {
    Log log;
    Emitter<int> emitter;
    Recorder r("r", log);
    emitter.connect(r, &Recorder::receive, WREN::Thread::getNamedThread("TESSEL"));

    emitter.sendPacket(Packet<int>(8, WREN::SendDirect), false);

    EXPECT_EQ(log, (Log{"r:8"}));
    EXPECT_EQ(WREN::Thread::pendingCount(), 0u);
}

TEST(EmitterSendPacket, ReceiverThreadModeOnTheUserInterfaceThreadIsADirectCallOnTessel) {
    Log log;
    Emitter<int> emitter;
    Recorder r("r", log);
    emitter.connect(r, &Recorder::receive, WREN::Thread::getNamedThread("TESSEL"));

    emitter.sendPacket(Packet<int>(3, WREN::SendOnReceiverThread), false);

    EXPECT_EQ(log, (Log{"r:3"}));
    EXPECT_EQ(WREN::Thread::pendingCount(), 0u);
}

TEST(EmitterSendPacket, QueuedModeDefersEvenOnTheReceiversThread) {
    Log log;
    Emitter<int> emitter;
    Recorder onTessel("t", log), plain("p", log);
    emitter.connect(onTessel, &Recorder::receive, WREN::Thread::getNamedThread("TESSEL"));
    emitter.connect(plain, &Recorder::receive);

    emitter.sendPacket(Packet<int>(2, WREN::SendQueued), true);
    EXPECT_TRUE(log.empty());

    EXPECT_EQ(WREN::Thread::processPending(), 2u);
    EXPECT_EQ(log, (Log{"t:2", "p:2"}));
}

TEST(EmitterSendPacket, QueuedCallsOfAConnectionCutBeforeTheyRunAreSkipped) {
    Log log;
    Emitter<int> emitter;
    auto r = std::make_unique<Recorder>("r", log);
    emitter.connect(*r, &Recorder::receive);

    emitter.sendPacket(Packet<int>(2, WREN::SendQueued), false);
    r.reset();
    WREN::Thread::processPending();

    EXPECT_TRUE(log.empty());
}

TEST(EmitterSendPacket, QueuedCallsKeepTheirOwnCopyOfThePayload) {
    Emitter<std::string> emitter;
    Listener owner;
    std::string received;
    emitter.connect(owner, [&](const std::string& s) { received = s; });
    {
        std::string text = "copied";
        emitter.sendPacket(Packet<std::string>(text, WREN::SendQueued), false);
        text = "changed";
    }

    WREN::Thread::processPending();

    EXPECT_EQ(received, "copied");
}

TEST(EmitterSendPacket, RejectsAnUnknownSendModeBeforeCallingAnyone) {
    Log log;
    Emitter<int> emitter;
    Recorder r("r", log);
    emitter.connect(r, &Recorder::receive);

    EXPECT_THROW(emitter.sendPacket(Packet<int>(1, 4), false), std::invalid_argument);
    EXPECT_THROW(emitter.sendPacket(Packet<int>(1, -1), false), std::invalid_argument);
    EXPECT_TRUE(log.empty());
}

TEST(EmitterSendPacket, PacketKeepsItsValueAndMode) {
    Packet<int> packet(42, WREN::SendOnUserInterfaceThread);

    EXPECT_EQ(packet.value(), 42);
    EXPECT_EQ(packet.sendMode(), 2);
    EXPECT_EQ(Packet<int>(1).sendMode(), WREN::SendOnReceiverThread);
}

}  // namespace

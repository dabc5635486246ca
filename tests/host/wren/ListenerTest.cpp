#include "wren/Listener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/wren/Recorder.h"
#include "wren/Emitter.h"

using WREN::Emitter;
using WREN::Listener;
using WRENTest::Recorder;

namespace {

using Log = std::vector<std::string>;

TEST(ListenerDisconnect, CutsEveryConnectionItOwnsOnEveryEmitter) {
    Log log;
    Emitter<int> first, second;
    Recorder r("r", log);
    first.connect(r, &Recorder::receive);
    second.connect(r, &Recorder::receive);
    EXPECT_EQ(r.connectionCount(), 2u);

    r.disconnect();
    first.emit(1);
    second.emit(2);

    EXPECT_TRUE(log.empty());
    EXPECT_EQ(r.connectionCount(), 0u);
    EXPECT_EQ(first.connectionCount(), 0u);
}

TEST(ListenerDisconnect, LeavesConnectionsOfOtherListenersAlone) {
    Log log;
    Emitter<int> emitter;
    Recorder cut("cut", log), kept("kept", log);
    emitter.connect(cut, &Recorder::receive);
    emitter.connect(kept, &Recorder::receive);

    cut.disconnect();
    emitter.emit(1);

    EXPECT_EQ(log, (Log{"kept:1"}));
}

TEST(ListenerDisconnect, LeavesTheListenerReadyForNewConnections) {
    Log log;
    Emitter<int> emitter;
    Recorder r("r", log);
    emitter.connect(r, &Recorder::receive);
    r.disconnect();

    emitter.connect(r, &Recorder::receive);
    emitter.emit(5);

    EXPECT_EQ(log, (Log{"r:5"}));
}

TEST(ListenerDisconnect, MayBeCalledFromInsideItsOwnReceiver) {
    Emitter<int> emitter;
    Listener owner;
    int calls = 0;
    emitter.connect(owner, [&](const int&) {
        ++calls;
        owner.disconnect();
    });
    emitter.connect(owner, [&](const int&) { ++calls; });

    emitter.emit(1);
    emitter.emit(2);

    EXPECT_EQ(calls, 1);
}

TEST(ListenerLifetime, DestructionCutsItsConnections) {
    Emitter<int> emitter;
    {
        Listener owner;
        emitter.connect(owner, [](const int&) {});
        EXPECT_EQ(emitter.connectionCount(), 1u);
    }
    EXPECT_EQ(emitter.connectionCount(), 0u);
}

TEST(ListenerLifetime, ACopyStartsWithoutTheOriginalsConnections) {
    Log log;
    Emitter<int> emitter;
    Recorder original("o", log);
    emitter.connect(original, &Recorder::receive);

    Recorder copy(original);
    copy.disconnect();
    emitter.emit(1);

    EXPECT_EQ(copy.connectionCount(), 0u);
    EXPECT_EQ(log, (Log{"o:1"}));
}

TEST(ListenerLifetime, AssignmentKeepsTheTargetsOwnConnections) {
    Emitter<int> emitter;
    Listener target, source;
    int targetCalls = 0;
    emitter.connect(target, [&](const int&) { ++targetCalls; });
    emitter.connect(source, [](const int&) {});

    target = source;
    emitter.emit(1);

    EXPECT_EQ(targetCalls, 1);
    EXPECT_EQ(target.connectionCount(), 1u);
}

}  // namespace

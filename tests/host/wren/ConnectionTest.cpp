#include "wren/Connection.h"

#include <gtest/gtest.h>

#include "wren/Emitter.h"

using WREN::Connection;
using WREN::Emitter;
using WREN::Listener;

namespace {

TEST(ConnectionState, ADefaultConnectionIsNotConnectedAndCanBeCutHarmlessly) {
    Connection none;

    EXPECT_FALSE(none.connected());
    none.disconnect();
    EXPECT_FALSE(none.connected());
}

TEST(ConnectionState, IsConnectedUntilDisconnected) {
    Emitter<int> emitter;
    Listener owner;
    int calls = 0;
    Connection c = emitter.connect(owner, [&](const int&) { ++calls; });
    EXPECT_TRUE(c.connected());

    c.disconnect();
    emitter.emit(1);

    EXPECT_FALSE(c.connected());
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(owner.connectionCount(), 0u);
}

TEST(ConnectionState, CopiesShareTheConnection) {
    Emitter<int> emitter;
    Listener owner;
    Connection c = emitter.connect(owner, [](const int&) {});
    Connection copy = c;

    copy.disconnect();

    EXPECT_FALSE(c.connected());
}

TEST(ConnectionState, DisconnectingOneConnectionLeavesTheOthersOfTheListener) {
    Emitter<int> emitter;
    Listener owner;
    int first = 0, second = 0;
    Connection c1 = emitter.connect(owner, [&](const int&) { ++first; });
    emitter.connect(owner, [&](const int&) { ++second; });

    c1.disconnect();
    emitter.emit(1);

    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
}

TEST(ConnectionState, OutlivingBothSidesIsSafe) {
    Connection c;
    {
        Emitter<int> emitter;
        Listener owner;
        c = emitter.connect(owner, [](const int&) {});
    }
    EXPECT_FALSE(c.connected());
    c.disconnect();
}

TEST(ConnectionIdentity, ComparesEqualOnlyToHandlesOfTheSameConnection) {
    Emitter<int> emitter;
    Listener owner;
    Connection a = emitter.connect(owner, [](const int&) {});
    Connection b = emitter.connect(owner, [](const int&) {});
    Connection aCopy = a;

    EXPECT_TRUE(a == aCopy);
    EXPECT_FALSE(a == b);
    EXPECT_TRUE(Connection() == Connection());
    EXPECT_FALSE(a == Connection());
}

}  // namespace

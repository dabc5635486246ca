#include <gtest/gtest.h>

#include "DiagramBuilder.h"

using namespace VTQUILL;
using VTQuillTest::DiagramBuilder;

TEST(ConnectionRulesTest, AnOutputDrivesAFreeInputNeverTheReverse) {
    DiagramBuilder b;
    Block g = b.block("Gain", "G");
    Port out = b.out(g), in = b.in(g), in2 = b.in(b.block("Scope", "S"));
    EXPECT_TRUE(out.canConnect(in));  // also of its own block
    EXPECT_TRUE(out.canConnect(in2));
    EXPECT_FALSE(in.canConnect(out));
    EXPECT_FALSE(in.canConnect(in2));
    EXPECT_FALSE(out.canConnect(out));
    b.connect({}, in2);
    EXPECT_FALSE(out.canConnect(in2));  // occupied
}

TEST(ConnectionRulesTest, ConnectionPortsJoinEitherWayAndConnectionLines) {
    DiagramBuilder b;
    Port a = b.port(b.block("Resistor", "R"), kConnectionPort);
    Port c = b.port(b.block("Capacitor", "C"), kConnectionPort);
    Port out = b.out(b.block("Gain", "G"));
    EXPECT_TRUE(a.canConnect(c));
    EXPECT_TRUE(c.canConnect(a));
    EXPECT_FALSE(a.canConnect(out));
    Segment wire = b.connect({}, {}, kConnectionLine);
    Segment signal = b.connect({}, {}, kSignalLine);
    EXPECT_TRUE(a.canConnect(wire));
    EXPECT_FALSE(a.canConnect(signal));
    EXPECT_TRUE(wire.canConnect(a));
}

TEST(ConnectionRulesTest, ASignalSegmentBranchesToAFreeInput) {
    DiagramBuilder b;
    Port in = b.in(b.block("Scope", "S"));
    Port out = b.out(b.block("Gain", "G"));
    Segment signal = b.connect({}, {});
    EXPECT_TRUE(signal.canConnect(in));
    EXPECT_FALSE(signal.canConnect(out));
    EXPECT_FALSE(out.canConnect(signal));
    EXPECT_FALSE(signal.canConnect(signal));
}

TEST(ConnectionRulesTest, ASegmentJoinsAFreeEndOfAnotherLineOfTheSameType) {
    DiagramBuilder b;
    Segment first = b.connect({}, {});
    Segment second = b.connect({}, {});
    Segment wire = b.connect({}, {}, kConnectionLine);
    const auto secondStart = second.getSrcElement();
    EXPECT_TRUE(first.canConnect(secondStart));
    EXPECT_FALSE(first.canConnect(first.getDstElement()));  // its own line
    EXPECT_FALSE(wire.canConnect(secondStart));
}

TEST(ConnectionRulesTest, PortsTakeFreeEndsThatKeepTheSignalDirection) {
    DiagramBuilder b;
    Port out = b.out(b.block("Gain", "G"));
    Port in = b.in(b.block("Scope", "S"));
    Segment dangling = b.connect({}, {});
    EXPECT_TRUE(out.canConnect(dangling.getSrcElement()));
    EXPECT_FALSE(out.canConnect(dangling.getDstElement()));
    EXPECT_TRUE(in.canConnect(dangling.getDstElement()));
    EXPECT_FALSE(in.canConnect(dangling.getSrcElement()));
}

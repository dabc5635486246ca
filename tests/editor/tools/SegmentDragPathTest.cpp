#include "tools/SegmentDragPath.h"

#include <gtest/gtest.h>

#include "support/BlockDiagramBuilder.h"

namespace {

using Vantor::SegmentDragPath;

TEST(SegmentDragPath, RepeatsThePortPointsSoThatTheLegLeavingAPortCanBeGrabbed) {
    TestSupport::BlockDiagramBuilder b;
    const VTQUILL::Port out = b.outPort(b.block("A", {0, 0, 40, 30}));
    const VTQUILL::Port in = b.inPort(b.block("B", {200, 0, 40, 30}));
    const VTQUILL::Segment wire = b.connect(out, in);
    const SegmentDragPath path(wire);

    ASSERT_EQ(path.size(), 4u);
    EXPECT_EQ(path.points()[0], path.points()[1]);
    EXPECT_EQ(path.legNear({100, 12}), 1);
    EXPECT_EQ(path.vertexNear({100, 12}), -1);
}

TEST(SegmentDragPath, TheDistanceToAZeroLengthLegIsTheDistanceToItsPoint) {
    EXPECT_EQ(SegmentDragPath::squaredDistanceToLeg({3, 4}, {0, 0}, {0, 0}), 25.0);
    EXPECT_EQ(SegmentDragPath::squaredDistanceToLeg({5, 3}, {0, 0}, {10, 0}), 9.0);
    EXPECT_EQ(SegmentDragPath::squaredDistanceToLeg({-3, 4}, {0, 0}, {10, 0}), 25.0);
}

}  // namespace

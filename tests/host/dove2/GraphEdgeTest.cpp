#include "dove2/GraphEdge.h"

#include <gtest/gtest.h>

#include "host/vtquill/DiagramBuilder.h"

TEST(GraphEdgeGeometry, ReadsThePathAndBothEndsAsTheirOwnGettersDo) {
    VTQuillTest::DiagramBuilder b;
    const VTQUILL::Port out = b.out(b.block("Gain", "G"));
    const VTQUILL::Segment segment = b.diagram.addLine(VTQUILL::kSignalLine).addSegment();
    segment.setSrcElement(out);
    segment.setPath({{40, 15}, {40, 60}});

    const DOVE2::GraphEdge edge(segment);
    const auto geometry = edge.getGeometry();

    EXPECT_EQ(&geometry.path, &edge.getPath());
    EXPECT_EQ(geometry.path.size(), 2u);
    EXPECT_EQ(geometry.src, out);
    EXPECT_EQ(geometry.src.getDeviant(), segment.getDeviant());
    EXPECT_FALSE(geometry.dst.isValid()) << "the destination is attached to nothing";
    EXPECT_EQ(geometry.dst, edge.getDstElement());
}

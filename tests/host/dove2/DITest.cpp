#include "dove2/DI.h"

#include <gtest/gtest.h>

#include "../vtquill/DiagramBuilder.h"

using PARR::GLPoint;
using PARR::GLRect;

namespace {

class DITest : public ::testing::Test {
protected:
    DITest() {
        gain = b.block("Gain", "G", {10, 20}, {30, 40});
        sum = b.block("Sum", "S", {100, 60}, {30, 30});
        out = b.port(gain, VTQUILL::kOutPort, {30, 20});
        in = b.port(sum, VTQUILL::kInPort, {0, 15});
        out.setSize({0, 0});
        in.setSize({4, 6});
        segment = b.connect(out, in);
        b.commit();
    }

    VTQuillTest::DiagramBuilder b;
    VTQUILL::Block gain, sum;
    VTQUILL::Port out, in;
    VTQUILL::Segment segment;
};

TEST_F(DITest, AnElementOnTheDiagramIsWhereItsPositionSays) {
    EXPECT_EQ(DOVE2::DI::absolutePosition(gain), (GLPoint<double>{10, 20}));
    EXPECT_EQ(DOVE2::DI::boundingRect(gain), (GLRect<double>{10, 20, 30, 40}));
}

TEST_F(DITest, AContainedElementAddsThePositionsOfItsContainers) {
    EXPECT_EQ(DOVE2::DI::absolutePosition(in), (GLPoint<double>{100, 75}));
    EXPECT_EQ(DOVE2::DI::boundingRect(in), (GLRect<double>{100, 75, 4, 6}));
}

TEST_F(DITest, AnEdgeRunsFromTheSourceCentreThroughItsPathToTheDestinationCentre) {
    PARR::Path path;
    path.addPoint({70, 40});
    path.addPoint({70, 78});
    segment.setPath(path);
    b.commit();

    const std::vector<GLPoint<double>> expected{{40, 40}, {70, 40}, {70, 78}, {102, 78}};
    EXPECT_EQ(DOVE2::DI::edgePoints(segment), expected);
}

TEST_F(DITest, AnEdgeIsBoundedByItsPoints) {
    PARR::Path path;
    path.addPoint({70, 10});
    segment.setPath(path);
    b.commit();

    EXPECT_EQ(DOVE2::DI::boundingRect(segment), (GLRect<double>{40, 10, 62, 68}));
}

TEST_F(DITest, ANodeHasNoEdgePoints) {
    EXPECT_TRUE(DOVE2::DI::edgePoints(gain).empty());
}

TEST_F(DITest, AnInvalidHandleGivesAnEmptyRectangleAtTheOrigin) {
    EXPECT_EQ(DOVE2::DI::boundingRect(DOVE2::ImmutableDiagramElement()), (GLRect<double>{}));
    EXPECT_EQ(DOVE2::DI::absolutePosition(DOVE2::ImmutableDiagramElement()),
              (GLPoint<double>{0, 0}));
}

}  // namespace

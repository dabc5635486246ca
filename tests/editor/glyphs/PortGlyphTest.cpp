#include "glyphs/PortGlyph.h"

#include <gtest/gtest.h>

#include "GlyphTestScene.h"
#include "parr/Transform.h"
#include "rook2/LinearPathNode.h"
#include "rook2/RectNode.h"
#include "support/BlockDiagramBuilder.h"

namespace {

using GlyphTest::GlyphTestScene;
using TestSupport::BlockDiagramBuilder;

class PortGlyphTest : public ::testing::Test {
protected:
    ROOK2::Node& portNode(const VTQUILL::Port& port) {
        ROOK2::Node* node = view.nodeOf(port);
        EXPECT_NE(node, nullptr);
        return *node;
    }

    BlockDiagramBuilder b;
    VTQUILL::Block source = b.block("A", {0, 0, 40, 30});
    VTQUILL::Block target = b.block("B", {100, 0, 40, 30});
    VTQUILL::Port out = b.outPort(source);
    VTQUILL::Port in = b.inPort(target);
    GlyphTestScene view{b.diagram()};
};

TEST_F(PortGlyphTest, ADirectedPortIsAChevronOverAHitAreaShownOnlyWhileNoLineIsAttached) {
    ROOK2::Node& node = portNode(in);
    ASSERT_EQ(node.getChildren().size(), 2u);
    const auto* chevron = dynamic_cast<ROOK2::LinearPathNode*>(node.getChildren()[0].get());
    const auto* hitArea = dynamic_cast<ROOK2::RectNode*>(node.getChildren()[1].get());
    ASSERT_TRUE(chevron && hitArea);
    EXPECT_EQ(chevron->getPoints(), (std::vector<PARR::GLPoint<double>>{{5, -5}, {0, 0}, {5, 5}}));
    EXPECT_EQ(hitArea->getRect(), PARR::GLRect<double>(0, -5, 5, 10));

    const VTQUILL::Segment segment = b.connect(out, in);
    EXPECT_FALSE(portNode(out).isVisible());
    EXPECT_FALSE(node.isVisible());

    b.edit([&] {
        segment.destroy();
        return 0;
    });
    EXPECT_TRUE(portNode(out).isVisible());
    EXPECT_TRUE(node.isVisible());
}

TEST_F(PortGlyphTest, AnyOtherPortIsARedSquareThatStaysVisible) {
    const VTQUILL::Port left = b.port(source, "Connection Port", {0, 10}, 180);
    const VTQUILL::Port right = b.port(target, "Connection Port", {40, 10}, 0);
    b.connect(left, right, "Connection");

    ROOK2::Node& node = portNode(left);
    ASSERT_EQ(node.getChildren().size(), 1u);
    const auto* square = dynamic_cast<ROOK2::RectNode*>(node.getChildren()[0].get());
    ASSERT_TRUE(square);
    EXPECT_EQ(square->getRect(), PARR::GLRect<double>(-3, -3, 6, 6));
    EXPECT_EQ(square->getFill().color(), PARR::Color(1, 0, 0, 1));
    EXPECT_TRUE(node.isVisible());
}

TEST_F(PortGlyphTest, TurnsByTheComplementOfItsOrientationAboutItsPosition) {
    const VTQUILL::Port down = b.port(source, VTQUILL::kOutPort, {17, 30}, 90);
    const PARR::GLPoint<double> at = down.getPosition();

    EXPECT_EQ(portNode(down).getTransform(), PARR::Transform().rotate(270, at));
    EXPECT_EQ(portNode(down).getPosition(), at);

    b.edit([&] {
        down.setOrientation(0);
        return 0;
    });
    EXPECT_EQ(portNode(down).getTransform(), PARR::Transform().rotate(360, at));
}

}  // namespace

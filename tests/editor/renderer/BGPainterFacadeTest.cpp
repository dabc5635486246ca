#include "renderer/BGPainterFacade.h"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include "parr/Transform.h"
#include "rook2/CustomNode.h"
#include "support/QtTestApplication.h"

namespace {

using VantorRenderer::BGPainterFacade;
using VantorRenderer::DOVERenderAdapter;

// The entry of a 40 x 30 block at (100, 50) whose drawing is a fill and a text, rendered
// once.
class BGPainterFacadeTest : public ::testing::Test {
protected:
    BGPainterFacadeTest() {
        TestSupport::qtApplication();
        adapter->begin(100, 50);
        adapter->fillRect(100, 50, 40, 30);
        adapter->moveTo({110, 60});
        adapter->drawText("K");
        adapter->end();
        entry.refresh(40, 30);
    }

    bool shown(DOVERenderAdapter::Layer layer) const {
        return entry.layerNode(layer)->getParent() == entry.getRoot().get();
    }

    boost::shared_ptr<DOVERenderAdapter> adapter = boost::make_shared<DOVERenderAdapter>(40, 30);
    BGPainterFacade entry{nullptr, {40, 30}, adapter};
};

TEST_F(BGPainterFacadeTest, OnlyLayersThatDrawAreInTheTreeAndThePlaceholderIsGone) {
    EXPECT_TRUE(shown(DOVERenderAdapter::Background));
    EXPECT_TRUE(shown(DOVERenderAdapter::Foreground));
    EXPECT_FALSE(shown(DOVERenderAdapter::Border));
    EXPECT_FALSE(shown(DOVERenderAdapter::PortLabels));
    EXPECT_FALSE(shown(DOVERenderAdapter::SS));
    EXPECT_EQ(entry.getHighlight(), nullptr);
    // Background beneath foreground.
    EXPECT_EQ(entry.getRoot()->getChildren().front().get(),
              entry.layerNode(DOVERenderAdapter::Background).get());

    adapter->begin(100, 50);
    adapter->drawRect(100, 50, 40, 30);
    adapter->end();
    entry.refresh(40, 30);
    EXPECT_TRUE(shown(DOVERenderAdapter::Border));
    EXPECT_FALSE(shown(DOVERenderAdapter::Background));
}

TEST_F(BGPainterFacadeTest, AResizeStretchesTheRecordingWithoutDrawingItAgain) {
    const ROOK2::CustomNode& background = *entry.layerNode(DOVERenderAdapter::Background);
    const std::uint64_t version = background.drawingVersion();

    entry.showAt(80, 30);
    EXPECT_EQ(background.getTransform(), PARR::Transform::fromScale(2, 1));
    EXPECT_EQ(entry.layerNode(DOVERenderAdapter::Foreground)->getTransform(),
              PARR::Transform::fromScale(2, 1));
    EXPECT_EQ(adapter->getStretchX(), 2);
    EXPECT_EQ(background.drawingVersion(), version);

    entry.showAt(40, 30);
    EXPECT_TRUE(background.getTransform().isIdentity());
}

TEST_F(BGPainterFacadeTest, TheSharedShadowIsAddedOnceHoweverOftenTheBlockIsShown) {
    entry.showAt(40, 30);
    entry.showAt(60, 30);
    entry.showAt(50, 50);
    const ROOK2::NodeEffects& effects =
        entry.layerNode(DOVERenderAdapter::Background)->getEffects();
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects.effects().front(), BGPainterFacade::sharedShadow());
}

TEST_F(BGPainterFacadeTest, ABlockRenderedWithoutWidthIsNotStretchedAlongIt) {
    BGPainterFacade flat(nullptr, {0, 30}, adapter);
    flat.resizeTo(50, 60);
    EXPECT_EQ(adapter->getStretchX(), 1);
    EXPECT_EQ(adapter->getStretchY(), 2);
}

TEST_F(BGPainterFacadeTest, ThePaintedAreaCoversTextRunningPastTheBlock) {
    adapter->begin(100, 50);
    adapter->moveTo({130, 60});
    adapter->drawText("a long text");
    adapter->end();
    entry.refresh(40, 30);
    const PARR::GLRect<double> area = entry.layerNode(DOVERenderAdapter::Foreground)->contentRect();
    EXPECT_EQ(area.x, 0);
    EXPECT_GT(area.x + area.width, 45);
}

}  // namespace

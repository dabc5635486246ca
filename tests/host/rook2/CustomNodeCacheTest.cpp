#include "rook2/CustomNodeCache.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "QtTestApplication.h"
#include "SceneImage.h"
#include "rook2/ContainerNode.h"
#include "rook2/CustomNode.h"
#include "rook2/Scene.h"
#include "rook2/ScenePainter.h"

using namespace ROOK2;
using PARR::Holder;

namespace {

// Fills its own strip of a 40 x 20 layer in one colour, counting its calls.
class StripPainter : public CustomNodePainter {
public:
    StripPainter(const QRectF& strip, Qt::GlobalColor color) : strip_(strip), color_(color) {}
    Bounds bounds() const override { return Bounds({0, 0, 40, 20}); }
    void paint(QPainter* painter) override {
        ++calls;
        painter->fillRect(strip_, color_);
    }
    int calls = 0;

private:
    QRectF strip_;
    Qt::GlobalColor color_;
};

// A block at (10, 10) drawn as three layers: red on the left half, green across the middle,
// blue on the right half (over the green).
struct LayeredBlock {
    LayeredBlock() {
        block->setPosition({10, 10});
        for (StripPainter* p : {red, green, blue}) {
            auto layer = scene.createNode<CustomNode>(Holder<CustomNodePainter>(p));
            layer->setParent(block);
            layers.push_back(layer);
        }
    }
    Scene scene;
    Holder<ContainerNode> block = scene.createNode<ContainerNode>();
    StripPainter* red = new StripPainter({0, 0, 20, 20}, Qt::red);
    StripPainter* green = new StripPainter({10, 0, 20, 20}, Qt::green);
    StripPainter* blue = new StripPainter({20, 0, 20, 20}, Qt::blue);
    std::vector<Holder<CustomNode>> layers;
};

}  // namespace

TEST(CustomNodeCacheComposition, ABlocksLayersShareOneImageDrawnInTheirOrder) {
    rook2test::qtApplication();
    LayeredBlock block;
    ScenePainter painter(block.scene);
    rook2test::renderScene(painter, 70, 50);
    const QImage image = rook2test::renderScene(painter, 70, 50);
    EXPECT_EQ(painter.customNodeCache().size(), 1u);
    EXPECT_EQ(painter.customNodeCache().painterCalls(), 3u);
    EXPECT_EQ(image.pixelColor(15, 20), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(25, 20), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(35, 20), QColor(Qt::blue));
}

TEST(CustomNodeCacheComposition, ARepaintOfOneLayerRedrawsTheWholeImage) {
    rook2test::qtApplication();
    LayeredBlock block;
    ScenePainter painter(block.scene);
    rook2test::renderScene(painter, 70, 50);
    block.layers[1]->repaintRequired();
    rook2test::renderScene(painter, 70, 50);
    EXPECT_EQ(block.red->calls, 2);
    EXPECT_EQ(block.green->calls, 2);
    EXPECT_EQ(block.blue->calls, 2);
}

TEST(CustomNodeCacheComposition, ALayerPlacedDifferentlyIsDrawnOnItsOwn) {
    rook2test::qtApplication();
    LayeredBlock block;
    block.layers[2]->setPosition({0, 20});
    ScenePainter painter(block.scene);
    const QImage image = rook2test::renderScene(painter, 70, 50);
    EXPECT_EQ(painter.customNodeCache().size(), 2u);
    EXPECT_EQ(image.pixelColor(35, 20), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(35, 40), QColor(Qt::blue));
}

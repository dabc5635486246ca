#include "rook2/NodeRenderer.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QPainter>

#include "QtTestApplication.h"
#include "SceneImage.h"
#include "rook2/EffectShadow.h"
#include "rook2/OpenLinearPathNode.h"
#include "rook2/RectNode.h"
#include "rook2/Scene.h"
#include "rook2/ScenePainter.h"
#include "rook2/TextNode.h"

using namespace ROOK2;
using PARR::Color;
using PARR::GLPoint;
using PARR::GLRect;
using PARR::Holder;

namespace {

const Color kBlack(0, 0, 0, 1);

// Pixels darker than mid grey inside the rectangle (device pixels).
int darkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    return count;
}

// A block name ("Gain", 16 pixels tall) at (0, 0) above a line at y = 42.5 from x = 0 to 400.
struct LabelledLine {
    LabelledLine() {
        auto label = scene.createNode<TextNode>("Gain");
        QFont font;
        font.setPixelSize(16);
        label->setFont(font);
        label->setTextColor(kBlack);
        auto line = scene.createNode<OpenLinearPathNode>(
            std::vector<GLPoint<double>>{{0, 42.5}, {400, 42.5}});
        line->setStroke(Stroke(kBlack, 1.0, Stroke::Solid, 0, 0));
    }
    Scene scene;
};

}  // namespace

TEST(NodeRendererLevelOfDetail, TextTooSmallToReadIsLeftOutWhileLinesStayVisible) {
    rook2test::qtApplication();
    LabelledLine diagram;
    ScenePainter painter(diagram.scene);
    const QImage near = rook2test::renderScene(painter, 400, 60, 1.0);
    EXPECT_GT(darkPixels(near, QRect(0, 0, 60, 30)), 10);
    const QImage far = rook2test::renderScene(painter, 100, 15, 0.2);  // lines 3.6 pixels apart
    EXPECT_EQ(darkPixels(far, QRect(0, 0, 12, 6)), 0);
    EXPECT_GT(darkPixels(far, QRect(0, 8, 80, 1)), 40);
}

TEST(NodeRendererLevelOfDetail, AShadowTooSmallToSeeIsLeftOutButItsBoxIsDrawn) {
    rook2test::qtApplication();
    Scene scene;
    auto box = scene.createNode<RectNode>(GLRect<double>(0, 0, 60, 40));
    box->setFill(Fill(kBlack));
    box->getEffects().add(Holder<Effect>(new EffectShadow()));
    ScenePainter painter(scene);
    const QImage far =
        rook2test::renderScene(painter, 40, 40, 0.1);  // the shadow reaches 0.7 pixels
    EXPECT_EQ(painter.shadowImageCache().shadowRenders(), 0u);
    EXPECT_GT(darkPixels(far, QRect(0, 0, 6, 4)), 10);
    rook2test::renderScene(painter, 100, 100, 1.0);
    EXPECT_EQ(painter.shadowImageCache().shadowRenders(), 1u);
}

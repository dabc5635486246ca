#include "renderer/DOVERenderAdapter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <numbers>

#include "support/QtTestApplication.h"

namespace {

using VantorRenderer::DOVERenderAdapter;
using Layer = DOVERenderAdapter::Layer;
using Points = std::vector<PARR::GLPoint<double>>;

// An adapter for a 40 x 30 block at (100, 50), with black lines on a white fill, recording
// between begin and end.
class DOVERenderAdapterTest : public ::testing::Test {
protected:
    DOVERenderAdapterTest() {
        TestSupport::qtApplication();
        adapter.setLineColor(VantorRenderer::packRgba(0, 0, 0));
        adapter.setFillColor(VantorRenderer::packRgba(255, 255, 255));
        adapter.begin(100, 50);
    }

    // The primitives each layer received, in layer order.
    std::vector<int> counts() const {
        std::vector<int> all;
        for (std::uint32_t l = 0; l < DOVERenderAdapter::kLayerCount; ++l)
            all.push_back(adapter.primitiveCount(static_cast<Layer>(l)));
        return all;
    }
    // The layer replayed alone onto a white 60 x 50 image, the block's frame at (10, 10).
    QImage replayed(Layer layer) {
        QImage image(60, 50, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(10, 10);
        adapter.replay(layer, painter);
        return image;
    }
    static bool isInk(const QImage& image, int x, int y) {
        return image.pixel(x, y) != qRgb(255, 255, 255);
    }

    DOVERenderAdapter adapter{40, 30};
};

TEST_F(DOVERenderAdapterTest, EachKindOfPrimitiveIsRecordedIntoItsOwnLayer) {
    adapter.fillRect(100, 50, 40, 30);
    adapter.fillEllipse(105, 55, 10, 10);
    adapter.fillPolygon(Points{{100, 50}, {140, 65}, {100, 80}});
    adapter.drawEllipse(105, 55, 10, 10);
    adapter.drawPolyline(Points{{100, 50}, {140, 80}});
    adapter.drawRoundRect(100, 50, 40, 30, 0.5);
    adapter.moveTo({110, 60});
    adapter.drawText("K");
    adapter.lineTo(130, 60);
    adapter.drawPoint(120, 70);
    adapter.end();

    // Foreground, background, border, SS, port labels.
    EXPECT_EQ(counts(), (std::vector<int>{3, 3, 3, 0, 0}));
    // Recorded in the block's own frame.
    const QRectF fill = adapter.layerBounds(DOVERenderAdapter::Background);
    EXPECT_NEAR(fill.left(), 0, 1.5);
    EXPECT_NEAR(fill.top(), 0, 1.5);
    EXPECT_NEAR(fill.right(), 40, 1.5);
    EXPECT_NEAR(fill.bottom(), 30, 1.5);
}

TEST_F(DOVERenderAdapterTest, ThickFramesBecomeOneStrokeAndAPendingFrameIsDrawnAtTheEnd) {
    adapter.drawRect(110, 60, 40, 30);
    adapter.drawRect(111, 61, 38, 28);
    EXPECT_EQ(adapter.primitiveCount(DOVERenderAdapter::Border), 2);
    adapter.drawRect(100, 50, 40, 30);
    adapter.drawRect(120, 70, 10, 10);
    EXPECT_EQ(adapter.primitiveCount(DOVERenderAdapter::Border), 3);
    adapter.end();
    EXPECT_EQ(adapter.primitiveCount(DOVERenderAdapter::Border), 4);
}

TEST_F(DOVERenderAdapterTest, PortLabelsKeepEverythingDrawnInTheirSection) {
    adapter.beginPortLabels();
    adapter.fillEllipse(100, 50, 10, 10);
    adapter.drawRect(100, 50, 10, 10);
    adapter.moveTo({120, 65});
    adapter.drawText("+");
    EXPECT_TRUE(adapter.endPortLabels());
    adapter.drawText("after");
    EXPECT_FALSE(adapter.endPortLabels());
    adapter.end();

    EXPECT_EQ(counts(), (std::vector<int>{1, 0, 0, 0, 3}));
    const QRectF labels = adapter.layerBounds(DOVERenderAdapter::PortLabels);
    EXPECT_GE(labels.left(), -1);
    EXPECT_LE(labels.top(), 1);
}

TEST_F(DOVERenderAdapterTest, ANewRenderingForgetsThePortLabelsAndScaledRegionOfTheLastOne) {
    adapter.beginPortLabels();
    adapter.moveTo({120, 65});
    adapter.drawText("+");
    adapter.endPortLabels();
    adapter.beginSS(0, 0, 50, 100);
    adapter.fillRect(0, 0, 100, 50);
    adapter.endSS();
    adapter.end();
    ASSERT_TRUE(adapter.isSSMode());

    adapter.begin(100, 50);
    adapter.fillRect(100, 50, 40, 30);
    adapter.end();
    EXPECT_FALSE(adapter.isSSMode());
    EXPECT_TRUE(adapter.isLayerEmpty(DOVERenderAdapter::PortLabels));
    EXPECT_TRUE(adapter.isLayerEmpty(DOVERenderAdapter::SS));
    QImage blank(60, 50, QImage::Format_ARGB32);
    blank.fill(Qt::white);
    EXPECT_EQ(replayed(DOVERenderAdapter::PortLabels), blank);
}

TEST_F(DOVERenderAdapterTest, AFilledArcFillsItsSector) {
    adapter.setFillColor(VantorRenderer::packRgba(0, 0, 0));
    // The quarter from 0 to 90 degrees: the top right of the circle.
    adapter.fillArc(100, 50, 30, 30, 0, std::numbers::pi / 2);
    adapter.end();
    const QImage image = replayed(DOVERenderAdapter::Background);
    EXPECT_TRUE(isInk(image, 10 + 20, 10 + 10));
    EXPECT_FALSE(isInk(image, 10 + 10, 10 + 20));
}

TEST_F(DOVERenderAdapterTest, AnEmptyRoundRectangleIsSkipped) {
    adapter.fillRoundRect(100, 50, 0, 30, 0.5);
    adapter.drawRoundRect(100, 50, 40, 0, 0.5);
    adapter.fillRoundRect(100, 50, 40, 30, 0.5);
    adapter.end();
    EXPECT_EQ(counts(), (std::vector<int>{0, 1, 0, 0, 0}));
}

TEST_F(DOVERenderAdapterTest, RoundnessIsTheCornerRadiusAsAPercentageOfHalfEachSide) {
    // r = 0.5 on 40 x 30: m = 10, c = 30 / 2.5 = 12, radius 10, (2 * 10 + 1) * 99 = 2079.
    EXPECT_EQ(DOVERenderAdapter::roundness(40, 30, 0.5), std::make_pair(52, 69));
    // A thin rectangle would ask for more than all of its height: radius 1, 3 * 99 = 297.
    EXPECT_EQ(DOVERenderAdapter::roundness(40, 2, 1.0), std::make_pair(7, 100));
}

TEST_F(DOVERenderAdapterTest, CentredTextIsCentredOnTheCurrentPointBothWays) {
    adapter.setTextHAlign(1);
    adapter.setTextVAlign(2);
    adapter.moveTo({120, 65});
    adapter.drawText("Gain");
    adapter.end();
    const QRectF text = adapter.layerBounds(DOVERenderAdapter::Foreground);
    EXPECT_NEAR(text.center().x(), 20, 1.5);
    EXPECT_NEAR(text.center().y(), 15, 1.5);
}

TEST_F(DOVERenderAdapterTest, TextTurnedAQuarterRunsUpwardsFromTheCurrentPoint) {
    adapter.setTextRotation(90);
    adapter.setTextVAlign(1);
    adapter.moveTo({110, 75});
    adapter.drawText("Text");
    adapter.end();
    const QRectF text = adapter.layerBounds(DOVERenderAdapter::Foreground);
    // Turned by -90 degrees about the origin: the text is tall and narrow, ending at the
    // current point (10, 25) of the block's frame and rising above it.
    EXPECT_GT(text.height(), text.width());
    EXPECT_NEAR(text.bottom(), 25, 1.5);
    EXPECT_GE(text.left(), 9);
}

TEST_F(DOVERenderAdapterTest, TheScaledRegionIsFittedIntoTheBlockWithAMarginOfFive) {
    adapter.beginSS(20, 10, 70, 110);
    adapter.fillRect(10, 20, 100, 50);
    adapter.endSS();
    adapter.end();
    QPointF at;
    // 100 x 50 into a block of 60 x 40: min(50 / 100, 30 / 50) = 0.5.
    EXPECT_EQ(adapter.fitSS(60, 40, at), 0.5);
    EXPECT_EQ(at, QPointF(5 + 0 - 10 * 0.5, 7.5 - 20 * 0.5));
    EXPECT_EQ(adapter.fitSS(10, 40, at), -1);
}

TEST_F(DOVERenderAdapterTest, AnImageIsDrawnUnlessItIsNull) {
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::red);
    adapter.drawImage(100, 50, 10, 10, QImage());
    adapter.drawImage(100, 50, 10, 10, image);
    adapter.end();
    EXPECT_EQ(counts(), (std::vector<int>{1, 0, 0, 0, 0}));
    EXPECT_EQ(replayed(DOVERenderAdapter::Foreground).pixel(15, 15), qRgb(255, 0, 0));
}

TEST_F(DOVERenderAdapterTest, PrimitivesOutsideARenderingAreDropped) {
    adapter.end();
    adapter.fillRect(0, 0, 10, 10);
    adapter.drawRect(0, 0, 10, 10);
    adapter.drawText("x");
    EXPECT_EQ(counts(), (std::vector<int>{0, 0, 0, 0, 0}));
}

}  // namespace

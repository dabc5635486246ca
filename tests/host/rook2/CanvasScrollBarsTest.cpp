#include "rook2/CanvasScrollBars.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "QtTestApplication.h"
#include "rook2/Canvas.h"
#include "rook2/RectNode.h"

using namespace ROOK2;

namespace {

constexpr int kMargin = CanvasScrollBars::kMarginPixels;

// A canvas of 400 x 300 pixels showing a scene with one 1000 x 100 rectangle at the origin.
class CanvasScrollBarsTest : public ::testing::Test {
protected:
    CanvasScrollBarsTest() {
        rect->setPosition({0, 0});
        canvas.setScene(&scene);
        canvas.resize(400, 300);
        canvas.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&canvas));
    }
    QScrollBar& horizontal() const { return *canvas.scrollBars().horizontal(); }
    QScrollBar& vertical() const { return *canvas.scrollBars().vertical(); }
    // The widget pixels the horizontal bar spans, from its minimum to the end of its last page.
    int horizontalSpan() const {
        return horizontal().maximum() + horizontal().pageStep() - horizontal().minimum();
    }

    QApplication& app = rook2test::qtApplication();  // before any widget
    Scene scene;
    PARR::Holder<RectNode> rect = scene.createNode<RectNode>(PARR::GLRect<double>(0, 0, 1000, 100));
    Canvas canvas;
};

}  // namespace

TEST_F(CanvasScrollBarsTest, BarsSpanTheSceneWithAMarginAtTheZoomAndShowTheViewport) {
    const QSize view = canvas.viewportSize();
    EXPECT_EQ(view, QSize(400 - vertical().width(), 300 - horizontal().height()));
    EXPECT_TRUE(horizontal().isVisible());
    EXPECT_EQ(horizontal().pageStep(), view.width());
    const double width = scene.itemsBoundingRect().width;  // the outline's width included
    EXPECT_EQ(horizontalSpan(), qRound(width) + 2 * kMargin);

    canvas.setZoom(2.0, QPointF(0, 0));

    EXPECT_EQ(horizontalSpan(), qRound(2 * width) + 2 * kMargin);
    EXPECT_EQ(horizontal().value(), qRound(canvas.origin().x() * 2.0));
}

TEST_F(CanvasScrollBarsTest, MovingABarScrollsAlongItsAxisOnly) {
    canvas.setZoom(2.0, QPointF(0, 0));
    const double top = canvas.origin().y();

    horizontal().triggerAction(QAbstractSlider::SliderPageStepAdd);

    EXPECT_DOUBLE_EQ(canvas.origin().x(), horizontal().value() / 2.0);
    EXPECT_GT(canvas.origin().x(), 0.0);
    EXPECT_DOUBLE_EQ(canvas.origin().y(), top);
    EXPECT_EQ(canvas.mapToScene(QPointF(0, 0)).x(), canvas.origin().x());
}

TEST_F(CanvasScrollBarsTest, BarsFollowScrollingAndPanningBeyondTheDrawing) {
    canvas.scrollByPixels(2000, 0);

    EXPECT_EQ(horizontal().value(), 2000);
    EXPECT_EQ(horizontal().value(), horizontal().maximum());
    EXPECT_EQ(vertical().value(), 0);
}

TEST_F(CanvasScrollBarsTest, RangesFollowTheSceneGrowingAndShrinking) {
    // The end of the vertical bar's last page: the bottom of the scene's bounds plus the margin.
    const auto end = [this] { return vertical().maximum() + vertical().pageStep(); };
    const auto boundsBottom = [this] { return qRound(scene.itemsBoundingRect().bottom()); };

    rect->setPosition({0, 1900});
    QCoreApplication::sendPostedEvents();  // the canvas takes the scene's changes
    EXPECT_EQ(end(), boundsBottom() + kMargin);
    EXPECT_GT(end(), 2000);

    rect->setPosition({0, 900});
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(end(), boundsBottom() + kMargin);
    EXPECT_LT(end(), 1100);
}

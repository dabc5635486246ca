#include "rook2/ScenePainter.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "QtTestApplication.h"
#include "rook2/ClosedLinearPathNode.h"
#include "rook2/CustomNode.h"
#include "rook2/OpenLinearPathNode.h"
#include "rook2/RectNode.h"
#include "rook2/Scene.h"

using namespace ROOK2;
using PARR::Color;
using PARR::GLPoint;
using PARR::GLRect;
using PARR::Holder;

namespace {

const Color kBlack(0, 0, 0, 1);

QImage render(ScenePainter& painter, int w, int h, double zoom = 1.0) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(zoom, zoom);
    painter.paint(p, {0, 0, w / zoom, h / zoom});
    return image;
}

QImage render(Scene& scene, int w, int h) {
    rook2test::qtApplication();
    ScenePainter painter(scene);
    return render(painter, w, h);
}

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

double darkFractionOfRow(const QImage& image, int y, int x0, int x1) {
    int count = 0;
    for (int x = x0; x < x1; ++x)
        count += dark(image, x, y) ? 1 : 0;
    return double(count) / (x1 - x0);
}

Holder<OpenLinearPathNode> addLine(Scene& scene, int style, double y) {
    auto line =
        scene.createNode<OpenLinearPathNode>(std::vector<GLPoint<double>>{{10, y}, {190, y}});
    line->setStroke(Stroke(kBlack, 2.0, style, 0, 0));
    return line;
}

class CountingPainter : public CustomNodePainter {
public:
    Bounds bounds() const override { return Bounds({0, 0, 20, 10}); }
    void paint(QPainter* painter) override {
        ++calls;
        painter->fillRect(QRectF(0, 0, 20, 10), Qt::black);
    }
    int calls = 0;
};

}  // namespace

TEST(ScenePainterStrokes, ADashedStyleTwoStrokeLeavesGapsWhereASolidOneHasNone) {
    Scene scene;
    addLine(scene, Stroke::Solid, 10.5);
    addLine(scene, Stroke::Dashed, 30.5);
    const QImage image = render(scene, 200, 40);
    EXPECT_GT(darkFractionOfRow(image, 10, 12, 188), 0.97);
    const double dashed = darkFractionOfRow(image, 30, 12, 188);
    EXPECT_LT(dashed, 0.85);
    EXPECT_GT(dashed, 0.2);
}

TEST(ScenePainterStrokes, StyleZeroDrawsNoOutline) {
    Scene scene;
    addLine(scene, Stroke::NoStroke, 10.5);
    EXPECT_EQ(darkFractionOfRow(render(scene, 200, 20), 10, 12, 188), 0.0);
}

TEST(ScenePainterStrokes, AWidthZeroStrokeIsOnePixelAtAnyZoom) {
    rook2test::qtApplication();
    Scene scene;
    auto line =
        scene.createNode<OpenLinearPathNode>(std::vector<GLPoint<double>>{{0, 5.25}, {50, 5.25}});
    line->setStroke(Stroke(kBlack, 0.0, Stroke::Solid, 0, 0));
    ScenePainter painter(scene);
    const QImage image = render(painter, 200, 40, 4.0);
    int darkRows = 0;
    for (int y = 0; y < 40; ++y)
        darkRows += dark(image, 100, y) ? 1 : 0;
    EXPECT_EQ(darkRows, 1);
}

TEST(ScenePainterFills, AGradientInCoordinateModeTwoSpansTheNodesOwnBox) {
    PARR::Gradient gradient;
    gradient.addStop(0.0, Color(0, 0, 0, 1));
    gradient.addStop(1.0, Color(1, 1, 1, 1));
    gradient.setStart({0, 0});
    gradient.setEnd({0, 1});
    gradient.setCoordinateMode(PARR::Gradient::ObjectBoundingMode);
    Scene scene;
    for (double x : {10.0, 120.0}) {
        const double height = x < 100 ? 60 : 100;
        auto rect = scene.createNode<RectNode>(GLRect<double>(0, 0, 50, height));
        rect->setPosition({x, 20});
        rect->setFill(Fill(gradient));
    }
    const QImage image = render(scene, 200, 140);
    for (int x : {35, 145}) {
        const int bottom = x < 100 ? 80 : 120;
        EXPECT_LT(qGray(image.pixel(x, 21)), 25) << x;
        EXPECT_GT(qGray(image.pixel(x, bottom - 1)), 230) << x;
        EXPECT_NEAR(qGray(image.pixel(x, (20 + bottom) / 2)), 128, 20) << x;
    }
}

TEST(ScenePainterDecorations, AnEndArrowheadTurnsWithTheLastLeg) {
    Scene scene;
    auto line = scene.createNode<OpenLinearPathNode>(
        std::vector<GLPoint<double>>{{20, 20}, {100, 20}, {100, 100}});
    line->setStroke(Stroke(kBlack, 0.0, Stroke::Solid, 0, 0));
    Holder<ClosedLinearPathNode> arrow(new ClosedLinearPathNode({{0, 0}, {-8, -4}, {-8, 4}}));
    arrow->setFill(Fill(kBlack));
    line->setEndDecoration(LineEndDecoration(arrow));
    const QImage image = render(scene, 140, 120);
    // The last leg runs downwards: the head lies above its tip, across the line.
    EXPECT_TRUE(dark(image, 101, 94));
    EXPECT_TRUE(dark(image, 98, 94));
    // Not beyond the tip, as a head pointing back along the leg would be.
    EXPECT_FALSE(dark(image, 101, 106));
    // Where an unturned head (pointing along +x) would lie, there is nothing.
    EXPECT_FALSE(dark(image, 95, 102));
    EXPECT_FALSE(dark(image, 95, 98));
}

TEST(ScenePainterCulling, OnlyNodesMeetingTheExposedRectangleAreDrawn) {
    rook2test::qtApplication();
    Scene scene;
    for (int i = 0; i < 100; ++i) {
        auto rect = scene.createNode<RectNode>(GLRect<double>(0, 0, 10, 10));
        rect->setPosition({i * 100.0, 0});
        rect->setFill(Fill(kBlack));
    }
    ScenePainter painter(scene);
    render(painter, 250, 20);
    EXPECT_EQ(painter.lastPaintedCount(), 3u);
}

TEST(ScenePainterCustomNodes, ADrawingIsReusedUntilTheNodeAsksForARepaint) {
    rook2test::qtApplication();
    Scene scene;
    auto* counting = new CountingPainter();
    auto node = scene.createNode<CustomNode>(Holder<CustomNodePainter>(counting));
    node->setPosition({10, 10});
    ScenePainter painter(scene);
    const QImage first = render(painter, 60, 40);
    render(painter, 60, 40);
    EXPECT_EQ(counting->calls, 1);
    EXPECT_TRUE(dark(first, 15, 15));
    EXPECT_FALSE(dark(first, 35, 15));
    node->repaintRequired();
    render(painter, 60, 40);
    EXPECT_EQ(counting->calls, 2);
}

TEST(ScenePainterCustomNodes, AZoomChangeRedrawsAtTheNewResolution) {
    rook2test::qtApplication();
    Scene scene;
    auto* counting = new CountingPainter();
    scene.createNode<CustomNode>(Holder<CustomNodePainter>(counting));
    ScenePainter painter(scene);
    render(painter, 100, 100, 1.0);
    const QImage zoomed = render(painter, 100, 100, 2.0);
    EXPECT_EQ(counting->calls, 2);
    EXPECT_TRUE(dark(zoomed, 38, 18));
    EXPECT_FALSE(dark(zoomed, 42, 22));
}

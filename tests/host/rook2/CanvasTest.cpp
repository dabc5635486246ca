#include "rook2/Canvas.h"

#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QTest>
#include <QWheelEvent>

#include "QtTestApplication.h"
#include "RecordingTool.h"
#include "rook2/Fill.h"
#include "rook2/GLBridge.h"
#include "rook2/RectNode.h"
#include "rook2/TextEditOverlay.h"
#include "rook2/TextNode.h"

using namespace ROOK2;
using PARR::Holder;
using rook2test::RecordingTool;

namespace {

class CanvasTest : public ::testing::Test {
protected:
    CanvasTest() {
        scene.getToolStack().addTool(Holder<Tool>(tool), "tool");
        canvas.setScene(&scene);
        canvas.resize(400, 300);
        canvas.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&canvas));
    }
    void wheel(QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(at), QPointF(canvas.mapToGlobal(at)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&canvas, &event);
    }
    QApplication& app = rook2test::qtApplication();  // before any widget
    Scene scene;
    std::vector<std::string> log;
    RecordingTool* tool = new RecordingTool(log, "tool");
    Canvas canvas;
};

}  // namespace

TEST_F(CanvasTest, MouseInputReachesTheToolsWithScenePositions) {
    QTest::mousePress(&canvas, Qt::LeftButton, Qt::ShiftModifier, QPoint(50, 60));
    ASSERT_EQ(log, std::vector<std::string>{"tool:press@50,60"});
    EXPECT_EQ(tool->lastEvent.button(), MouseEvent::LeftButton);
    EXPECT_EQ(tool->lastEvent.modifiers(), 0x02000000u);
    EXPECT_EQ(tool->lastEvent.widgetPos(), PARR::GLPoint<int>(50, 60));
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(50, 60));
    EXPECT_EQ(log.back(), "tool:release@50,60");
}

TEST_F(CanvasTest, ScenePositionsFollowZoomAndScroll) {
    canvas.setZoom(2.0, QPointF(0, 0));
    canvas.scrollByPixels(100, 0);
    QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(50, 60));
    EXPECT_EQ(log, std::vector<std::string>{"tool:press@75,30"});
}

TEST_F(CanvasTest, ControlWheelZoomsAboutThePointer) {
    const QPoint at(100, 80);
    const QPointF before = canvas.mapToScene(at);
    wheel(at, 120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(canvas.zoom(), Canvas::kZoomStep);
    EXPECT_NEAR(canvas.mapToScene(at).x(), before.x(), 1e-9);
    EXPECT_NEAR(canvas.mapToScene(at).y(), before.y(), 1e-9);
    EXPECT_TRUE(log.empty());
    wheel(at, -120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(canvas.zoom(), 1.0);
}

TEST_F(CanvasTest, APlainWheelGoesToTheToolsAndThenScrolls) {
    wheel(QPoint(10, 10), -120, Qt::NoModifier);
    EXPECT_EQ(log, std::vector<std::string>{"tool:wheel@10,10"});
    EXPECT_EQ(canvas.zoom(), 1.0);
    EXPECT_GT(canvas.origin().y(), 0.0);
}

TEST_F(CanvasTest, MiddleButtonDragPansWithoutReachingTheTools) {
    QTest::mousePress(&canvas, Qt::MiddleButton, Qt::NoModifier, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 70), canvas.mapToGlobal(QPointF(60, 70)),
                     Qt::NoButton, Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &move);
    QTest::mouseRelease(&canvas, Qt::MiddleButton, Qt::NoModifier, QPoint(60, 70));
    EXPECT_EQ(canvas.origin(), QPointF(40, 30));
    EXPECT_TRUE(log.empty());
}

TEST_F(CanvasTest, FitToViewShowsEverythingTheSceneDraws) {
    auto rect = scene.createNode<RectNode>(PARR::GLRect<double>(0, 0, 1000, 100));
    rect->setPosition({500, 500});
    canvas.fitToView();
    const QPointF topLeft = canvas.mapFromScene({500, 500});
    const QPointF bottomRight = canvas.mapFromScene({1500, 600});
    EXPECT_GE(topLeft.x(), 0);
    EXPECT_LE(bottomRight.x(), 400);
    EXPECT_GE(topLeft.y(), 0);
    EXPECT_LE(bottomRight.y(), 300);
    EXPECT_LT(canvas.zoom(), 1.0);
}

TEST_F(CanvasTest, DoubleClickingAnEditableTextEditsItInPlace) {
    auto text = scene.createNode<TextNode>("Gain");
    text->setPosition({20, 20});
    text->setEditable(true);
    std::vector<std::string> edited;
    WREN::Listener listener;
    text->getEditCompleteEmitter().connect(listener,
                                           [&](const std::string& s) { edited.push_back(s); });
    QTest::mouseDClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(25, 25));
    ASSERT_TRUE(canvas.textEditor()->isVisible());
    canvas.textEditor()->setPlainText("Gain2");
    QTest::keyClick(canvas.textEditor(), Qt::Key_Return);
    EXPECT_FALSE(canvas.textEditor()->isVisible());
    EXPECT_EQ(text->getText(), "Gain2");
    EXPECT_EQ(edited, std::vector<std::string>{"Gain2"});
}

TEST(GLBridge, AnswersTheCanvasRenderModeSetting) {
    // The default renders blocks from cached recordings, so that block icons show.
    EXPECT_TRUE(GLBridge::isMultiThreaded());
    GLBridge::setRenderMode(GLBridge::UserInterfaceThread);
    EXPECT_FALSE(GLBridge::isMultiThreaded());
    GLBridge::setRenderMode(GLBridge::RenderThread);
    EXPECT_TRUE(GLBridge::isMultiThreaded());
}

// The canvas repaints what a change touched, and keeps doing so for a scene that had changed
// before the canvas was given it (the scene tells of changes once until acknowledged).
TEST(CanvasRepaint, EachChangeRepaintsThePlacesItTouchedAndNoMore) {
    QApplication& app = rook2test::qtApplication();
    (void)app;
    Scene scene;
    auto moved = scene.createNode<RectNode>(PARR::GLRect<double>(10, 10, 20, 20));
    moved->setFill(Fill(PARR::Color(0, 0, 1, 1)));
    Canvas canvas;
    canvas.setScene(&scene);
    canvas.resize(400, 300);
    canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));

    struct PaintRecorder : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                painted = painted.united(static_cast<QPaintEvent*>(event)->region());
            return false;
        }
        QRegion painted;
    } recorder;
    canvas.installEventFilter(&recorder);
    for (int step = 1; step <= 2; ++step) {
        recorder.painted = QRegion();
        moved->setPosition({100.0 * step, 10});
        QApplication::processEvents();
        QApplication::processEvents();
        EXPECT_TRUE(recorder.painted.contains(QPoint(100 * step + 20, 20))) << step;
        EXPECT_TRUE(recorder.painted.contains(QPoint(100 * step - 80, 20))) << step;
        EXPECT_FALSE(recorder.painted.contains(QPoint(300, 250))) << step;
    }
}

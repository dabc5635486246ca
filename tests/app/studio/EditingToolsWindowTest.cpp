#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <memory>

#include "EditActions.h"
#include "ModelFileController.h"
#include "OpenModels.h"
#include "StudioTestSupport.h"
#include "StudioWindow.h"
#include "dove2/Editor.h"
#include "quill/Transaction.h"
#include "rook2/Canvas.h"
#include "vtquill/VTQuill.h"

namespace {

using Point = PARR::GLPoint<double>;
using StudioTest::ScriptedPrompts;
using VantorStudio::OpenModel;
using VantorStudio::StudioWindow;

VTQUILL::Port addPort(const VTQUILL::Block& block, const std::string& kind, const Point& at,
                      double orientation) {
    VTQUILL::Port port = block.addPort(kind, at, orientation);
    port.setSize({6, 6});
    return port;
}

// Where a route attaches to a port of a top-level block: the port's absolute position moved
// out along its orientation by its stem (5 units for an output at 0 degrees, 15 for an input
// at 180).
Point stemOf(const VTQUILL::Port& port) {
    const Point at = port.getContainer().getPosition() + port.getPosition();
    return port.getType() == VTQUILL::kOutPort ? at + Point{5, 0} : at - Point{15, 0};
}

// The wire's route from stem to stem.
PARR::Path routeOf(const VTQUILL::Segment& segment) {
    return PARR::Path{stemOf(VTQUILL::Port(segment.getSrcElement()))} + segment.getPath() +
           PARR::Path{stemOf(VTQUILL::Port(segment.getDstElement()))};
}

bool isAxisParallel(const PARR::Path& route) {
    for (std::size_t i = 1; i < route.size(); ++i) {
        if (route[i].x != route[i - 1].x && route[i].y != route[i - 1].y)
            return false;
    }
    return true;
}

// The studio window with a new model holding two wired blocks (P's output to Q's input, routed
// right, down at x = 140, right) and two free ones (R's output, S's input), edited with the
// mouse on the real canvas.
class EditingToolsWindowTest : public ::testing::Test {
protected:
    EditingToolsWindowTest() {
        StudioTest::qtApplication();
        window = std::make_unique<StudioWindow>(&prompts);
        window->show();
        model = window->files().newModel();
        StudioTest::processEvents();
        QUILL::Transaction transaction(model->root);
        const VTQUILL::Diagram diagram = model->root.getDiagrams().front();
        p = block(diagram, "P", {40, 40});
        q = block(diagram, "Q", {240, 140});
        pOut = addPort(p, VTQUILL::kOutPort, {40, 12}, 0);
        qIn = addPort(q, VTQUILL::kInPort, {0, 12}, 180);
        rOut = addPort(block(diagram, "R", {40, 300}), VTQUILL::kOutPort, {40, 12}, 0);
        sIn = addPort(block(diagram, "S", {240, 300}), VTQUILL::kInPort, {0, 12}, 180);
        wire = diagram.addLine(VTQUILL::kSignalLine).addSegment();
        wire.setSrcElement(pOut);
        wire.setDstElement(qIn);
        wire.setPath({{140, 52}, {140, 152}});
        transaction.commit();
        StudioTest::processEvents();
    }
    ~EditingToolsWindowTest() override {
        window.reset();
        StudioTest::processEvents();
    }

    static VTQUILL::Block block(const VTQUILL::Diagram& diagram, const std::string& name,
                                const Point& at) {
        VTQUILL::Block b = diagram.addBlock("Gain", name);
        b.setPosition(at);
        b.setSize({40, 30});
        return b;
    }
    ROOK2::Canvas* canvas() const { return window->activeEditor()->getCanvas(); }
    QPoint onCanvas(const Point& scene) const {
        return canvas()->mapFromScene(QPointF(scene.x, scene.y)).toPoint();
    }
    // Presses at `from` (scene), moves in four steps by `by` (widget pixels), releases.
    void drag(const Point& from, const QPoint& by) {
        const QPoint start = onCanvas(from);
        QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, start);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(canvas(), start + by * i / 4);
        QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, start + by);
        StudioTest::processEvents();
    }
    QString undoText() const { return window->editActions().undo()->text(); }

    ScriptedPrompts prompts;
    std::unique_ptr<StudioWindow> window;
    OpenModel* model = nullptr;
    VTQUILL::Block p;
    VTQUILL::Block q;
    VTQUILL::Port pOut;
    VTQUILL::Port qIn;
    VTQUILL::Port rOut;
    VTQUILL::Port sIn;
    VTQUILL::Segment wire;
};

TEST_F(EditingToolsWindowTest, DraggingABlockTakesItsLineAlongAsOneMove) {
    drag({60, 55}, QPoint(0, 40));

    EXPECT_GT(p.getPosition().y, 40);
    EXPECT_TRUE(isAxisParallel(routeOf(wire)));
    EXPECT_EQ(undoText(), "Undo Move");
}

TEST_F(EditingToolsWindowTest, DrawingFromAnOutputToAnInputConnectsThemAsOneCreateSegment) {
    const QPoint by = onCanvas({243, 315}) - onCanvas({83, 315});
    drag({83, 315}, by);

    ASSERT_TRUE(rOut.getEdge().isValid());
    EXPECT_EQ(sIn.getEdge(), rOut.getEdge());
    EXPECT_EQ(undoText(), "Undo Create Segment");
}

TEST_F(EditingToolsWindowTest, DraggingALegOfALineMovesItAsOneEditLine) {
    drag({140, 100}, QPoint(30, 0));

    const PARR::Path route = routeOf(wire);
    ASSERT_EQ(route.size(), 4u);
    EXPECT_GT(route[1].x, 140);
    EXPECT_EQ(route[1].x, route[2].x);
    EXPECT_EQ(undoText(), "Undo Edit Line");
}

TEST_F(EditingToolsWindowTest, DraggingTheCornerHandleOfASelectedBlockResizesItAsOneResize) {
    ASSERT_TRUE(window->activeEditor()->select(p));
    StudioTest::processEvents();

    drag({80, 70}, QPoint(30, 20));

    EXPECT_GT(p.getSize().x, 40);
    EXPECT_GT(p.getSize().y, 30);
    EXPECT_EQ(p.getPosition(), (Point{40, 40}));
    EXPECT_TRUE(isAxisParallel(routeOf(wire)));
    EXPECT_EQ(undoText(), "Undo Resize");
}

TEST_F(EditingToolsWindowTest, EscapeInTheMiddleOfADragLeavesTheModelUnchanged) {
    const QPoint start = onCanvas({60, 55});
    QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(canvas(), start + QPoint(20, 20));
    QTest::mouseMove(canvas(), start + QPoint(40, 40));
    QTest::keyClick(canvas(), Qt::Key_Escape);
    QTest::mouseMove(canvas(), start + QPoint(60, 40));
    QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, start + QPoint(60, 40));
    StudioTest::processEvents();

    EXPECT_EQ(p.getPosition(), (Point{40, 40}));
    EXPECT_FALSE(window->editActions().undo()->isEnabled());
}

}  // namespace

#include "tools/ResizeBehavior.h"

#include <gtest/gtest.h>

#include "LineChecks.h"
#include "dove2/UndoHistory.h"
#include "rook2/Node.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"
#include "support/QtTestApplication.h"

namespace {

using Corner = ROOK2::ResizeHandler::Corner;
using Point = PARR::GLPoint<double>;
using Rect = PARR::GLRect<double>;
using TestSupport::BlockDiagramBuilder;
using TestSupport::ModuleEditor;
using TestSupport::stateOf;

// A source wired to a sink block at (200, 100), 40 x 30, whose input sits mid-left; the sink
// is resized by its handles' behaviour, driven as a handle drives it.
class ResizeBehaviorTest : public ::testing::Test {
protected:
    Vantor::ResizeBehavior& begin(Corner corner) {
        auto* tool = dynamic_cast<Vantor::ResizeBehavior*>(
            view.editor().addToolByRole(ROOK2::ResizeBehavior::staticGetDefaultRole()));
        ROOK2::MouseEvent press = view.mouse(ROOK2::MouseEvent::Press, {}, view.kLeft, 0);
        tool->beginResize(*view.nodeOf(sink), corner, {200, 100, 40, 30}, press);
        return *tool;
    }
    void step(Vantor::ResizeBehavior& tool, const Rect& rect) {
        ROOK2::MouseEvent move = view.mouse(ROOK2::MouseEvent::Move, {}, 0, 0);
        tool.resizeStep(rect, move);
    }
    void end(Vantor::ResizeBehavior& tool, const Rect& rect) {
        ROOK2::MouseEvent release = view.mouse(ROOK2::MouseEvent::Release, {}, view.kLeft, 0);
        tool.endResize(rect, release);
    }
    PARR::Path viewRoute() const {
        return VTQUILL::Segment(wire.asDeviant(view.editor().getViewInstance())).getPath();
    }

    QApplication& app = TestSupport::qtApplication();
    BlockDiagramBuilder b;
    VTQUILL::Port out = b.port(b.block("Source", {0, 0, 40, 30}), VTQUILL::kOutPort, {40, 12}, 0);
    VTQUILL::Block sink = b.block("Sink", {200, 100, 40, 30});
    VTQUILL::Port in = b.inPort(sink);
    VTQUILL::Segment wire = b.connect(out, in);
    ModuleEditor view{b.diagram()};
};

TEST_F(ResizeBehaviorTest, ResizingABlockSpreadsItsPortsAndReroutesItsLineInOneCommand) {
    const auto before = stateOf(b.model());
    Vantor::ResizeBehavior& tool = begin(Corner::BottomRight);
    step(tool, {200, 100, 50, 45});
    end(tool, {200, 100, 60, 60});

    EXPECT_EQ(sink.getSize(), (Point{60, 60}));
    EXPECT_EQ(in.getPosition(), (Point{0, 30}));
    EXPECT_EQ(Vantor::Application::getCompleteSegmentPath(wire).back(),
              Vantor::Application::elementPathPoint(in));
    EXPECT_TRUE(ToolTest::isWellFormed(wire.getContainer()));
    EXPECT_TRUE(view.viewShowsRoot());
    EXPECT_EQ(DOVE2::UndoHistory::forModel(b.model())->undoText(), "Undo Resize");
    view.editor().undo();
    EXPECT_EQ(stateOf(b.model()), before);
}

TEST_F(ResizeBehaviorTest, ALeftHandleDraggedPastTheMinimumKeepsTheRightSideInPlace) {
    Vantor::ResizeBehavior& tool = begin(Corner::TopLeft);
    end(tool, Rect::fromCorners({250, 120}, {240, 130}));

    EXPECT_EQ(sink.getSize(), (Point{10, 10}));
    EXPECT_EQ(sink.getPosition(), (Point{230, 120}));
}

TEST_F(ResizeBehaviorTest, EachLiveStepStartsFromTheShapeBeforeTheGesture) {
    Vantor::ResizeBehavior& first = begin(Corner::BottomRight);
    step(first, {200, 100, 40, 200});
    step(first, {200, 100, 40, 60});
    const PARR::Path afterTwoSteps = viewRoute();
    view.key(Vantor::ResizeBehavior::kEscapeKey);
    end(first, {200, 100, 40, 60});

    Vantor::ResizeBehavior& second = begin(Corner::BottomRight);
    step(second, {200, 100, 40, 60});
    EXPECT_EQ(viewRoute(), afterTwoSteps);
    end(second, {200, 100, 40, 60});
}

TEST_F(ResizeBehaviorTest, EscapeDropsThePreviewAndTheReleaseRecordsNothing) {
    const auto before = stateOf(b.model());
    Vantor::ResizeBehavior& tool = begin(Corner::BottomRight);
    step(tool, {200, 100, 80, 80});
    ASSERT_FALSE(view.viewShowsRoot());

    view.key(Vantor::ResizeBehavior::kEscapeKey);
    step(tool, {200, 100, 90, 90});
    end(tool, {200, 100, 90, 90});

    EXPECT_TRUE(view.viewShowsRoot());
    EXPECT_EQ(stateOf(b.model()), before);
    EXPECT_FALSE(view.editor().canUndo());
}

}  // namespace

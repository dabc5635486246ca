#include "dove2/tools/MoveTool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editlayout/SmartGuides.h"
#include "parr/Modifier.h"
#include "quill/ListenerBase.h"
#include "quill/Transaction.h"
#include "rook2/ToolConstructor.h"
#include "support/BlockDiagramBuilder.h"
#include "support/HeadlessEditor.h"

using TestSupport::BlockDiagramBuilder;
using TestSupport::HeadlessEditor;
using Point = PARR::GLPoint<double>;

namespace {

// What a recording move tool saw: the hooks in call order, getDelta in each duringMove and in
// commitMove, and the positions of the watched block in the view and in the root at each step.
struct MoveLog {
    std::vector<std::string> hooks;
    std::vector<Point> stepDeltas;
    std::vector<Point> viewPositions;
    std::vector<Point> rootPositions;
    Point commitDelta;
    QUILL::ImmutableClassObject watched;
    bool smartGuides = true;
    bool affinities = true;
};

class RecordingMoveTool : public DOVE2::MoveTool {
public:
    RecordingMoveTool(DOVE2::Editor& editor, MoveLog* log) : MoveTool(editor), log_(log) {}

    void setDelta(const Point& delta) override {
        log_->hooks.push_back("setDelta");
        MoveTool::setDelta(delta);
    }
    bool participatesInSmartGuides(const DOVE2::DiagramElement& element) const override {
        return log_->smartGuides && MoveTool::participatesInSmartGuides(element);
    }
    void addSmartGuideAffinities(EditLayout::AffinityMap& map) override {
        log_->hooks.push_back("addSmartGuideAffinities");
        if (log_->affinities)
            MoveTool::addSmartGuideAffinities(map);
    }

protected:
    void buildMovingSet() override {
        log_->hooks.push_back("buildMovingSet");
        MoveTool::buildMovingSet();
    }
    void duringMove() override {
        log_->hooks.push_back("duringMove");
        log_->stepDeltas.push_back(getDelta());
        MoveTool::duringMove();
        const DOVE2::DiagramElement element(log_->watched);
        log_->viewPositions.push_back(
            DOVE2::DiagramElement(element.asDeviant(getEditor().getViewInstance())).getPosition());
        log_->rootPositions.push_back(
            DOVE2::DiagramElement(element.getRootDeviant()).getPosition());
    }
    void commitMove() override {
        log_->hooks.push_back("commitMove");
        log_->commitDelta = getDelta();
        MoveTool::commitMove();
    }

private:
    MoveLog* log_;
};

// Moves a second element along with the moving set in each step, inside one transaction of its
// own around the framework's step, as a domain's move tool does.
class CarryingMoveTool : public DOVE2::MoveTool {
public:
    CarryingMoveTool(DOVE2::Editor& editor, QUILL::ImmutableClassObject* carried)
        : MoveTool(editor), carried_(carried) {}

protected:
    void duringMove() override {
        const QUILL::Model& view = getEditor().getViewInstance();
        QUILL::Transaction transaction(view);
        MoveTool::duringMove();
        const DOVE2::DiagramElement carried(carried_->asDeviant(view));
        carried.setPosition(carried.getPosition() + getDelta());
        transaction.commit();
    }

private:
    QUILL::ImmutableClassObject* carried_;
};

class CommitCounter : public QUILL::ListenerBase {
public:
    explicit CommitCounter(const QUILL::Model& model) { model.registerModifierOnCommit(this); }
    void onCommit(const QUILL::ReportOfChanges<>&) override { ++commits; }
    int commits = 0;
};

class MoveToolTest : public ::testing::Test {
protected:
    MoveToolTest()
        : a(b.block("A", {10, 10, 40, 30})),
          c(b.block("C", {200, 100, 40, 30})),
          aOut(b.outPort(a)),
          view(b.diagram()) {}

    void record(MoveLog& log) {
        view.editor().addToolConstructor(PARR::Holder<ROOK2::BaseToolConstructor>(
            new ROOK2::ToolConstructor<RecordingMoveTool, DOVE2::Editor&, MoveLog*>(
                ROOK2::MoveTool::staticGetDefaultRole(), view.editor(), &log)));
    }

    BlockDiagramBuilder b;
    VTQUILL::Block a, c;
    VTQUILL::Port aOut;
    HeadlessEditor view;
};

}  // namespace

// --- the gesture ----------------------------------------------------------------------------

TEST_F(MoveToolTest, DraggingABlockMovesItInTheModelByTheWholeDisplacement) {
    view.drag({20, 20}, {50, 45});
    EXPECT_EQ(a.getPosition(), Point(40, 35));
    EXPECT_EQ(c.getPosition(), Point(200, 100));
}

TEST_F(MoveToolTest, TheHooksRunInGestureOrder) {
    MoveLog log;
    log.watched = a;
    record(log);
    view.drag({20, 20}, {50, 45}, 0, 2);
    const std::vector<std::string> expected{"buildMovingSet", "addSmartGuideAffinities",
                                            "setDelta",       "duringMove",
                                            "setDelta",       "duringMove",
                                            "setDelta",       "commitMove"};
    EXPECT_EQ(log.hooks, expected);
}

TEST_F(MoveToolTest, EachStepMovesTheViewInstanceByItsIncrementAndLeavesTheRootAlone) {
    MoveLog log;
    log.watched = a;
    record(log);
    view.press({20, 20});
    view.move({23, 20});
    view.move({30, 26});
    view.move({30, 35});
    EXPECT_EQ(log.stepDeltas, (std::vector<Point>{{3, 0}, {7, 6}, {0, 9}}));
    EXPECT_EQ(log.viewPositions, (std::vector<Point>{{13, 10}, {20, 16}, {20, 25}}));
    EXPECT_EQ(log.rootPositions, (std::vector<Point>(3, Point(10, 10))));
    view.release({30, 35});
    EXPECT_EQ(log.commitDelta, Point(10, 15));
    EXPECT_EQ(a.getPosition(), Point(20, 25));
}

TEST_F(MoveToolTest, TheGlyphFollowsTheBlockDuringTheDragAndAfterIt) {
    view.press({20, 20});
    view.move({40, 20});
    EXPECT_EQ(view.nodeOf(a)->getPosition(), Point(30, 10));
    view.move({40, 50});
    view.release({40, 50});
    EXPECT_EQ(view.nodeOf(a)->getPosition(), Point(30, 40));
}

TEST_F(MoveToolTest, TheMoveIsOneUndoEntryAndLeavesNoPreviewBehind) {
    view.drag({20, 20}, {50, 45});
    EXPECT_EQ(view.editor().undoText(), "Move");
    EXPECT_TRUE(view.viewShowsRoot());
    view.editor().undo();
    EXPECT_FALSE(view.editor().canUndo());
}

TEST_F(MoveToolTest, UndoRestoresTheModelExactly) {
    const auto before = TestSupport::stateOf(b.model());
    view.drag({20, 20}, {57, 81}, 0, 5);
    ASSERT_NE(TestSupport::stateOf(b.model()), before);
    view.editor().undo();
    EXPECT_EQ(TestSupport::stateOf(b.model()), before);
    EXPECT_EQ(view.nodeOf(a)->getPosition(), Point(10, 10));
}

TEST_F(MoveToolTest, ADragBackToWhereItBeganRecordsNothing) {
    view.press({20, 20});
    view.move({60, 60});
    view.move({20, 20});
    view.release({20, 20});
    EXPECT_FALSE(view.editor().canUndo());
    EXPECT_EQ(a.getPosition(), Point(10, 10));
    EXPECT_TRUE(view.viewShowsRoot());
}

TEST_F(MoveToolTest, TheToolIsDoneAndGoneAfterTheRelease) {
    view.press({20, 20});
    view.move({40, 40});
    ASSERT_NE(view.editor().getToolByRole(ROOK2::MoveTool::staticGetDefaultRole()), nullptr);
    view.release({40, 40});
    EXPECT_EQ(view.editor().getToolByRole(ROOK2::MoveTool::staticGetDefaultRole()), nullptr);
}

// --- the moving set -------------------------------------------------------------------------

TEST_F(MoveToolTest, AnElementInsideAMovingElementIsNotMovedTwice) {
    view.drag({0, 0}, {60, 50});  // marquee: the block and its port
    ASSERT_EQ(view.selectedIds().size(), 2u);
    const Point portAt = aOut.getPosition();
    view.drag({20, 20}, {40, 50});
    EXPECT_EQ(a.getPosition(), Point(30, 40));
    EXPECT_EQ(aOut.getPosition(), portAt);
}

TEST_F(MoveToolTest, TheMovingSetHoldsTheSelectedMovableElementsWithoutNestedOnes) {
    view.click({20, 20});
    view.click({210, 110}, PARR::ShiftModifier);
    view.editor().select(aOut, true);
    view.press({20, 20});
    view.move({30, 30});
    auto* tool = dynamic_cast<DOVE2::MoveTool*>(
        view.editor().getToolByRole(ROOK2::MoveTool::staticGetDefaultRole()));
    ASSERT_NE(tool, nullptr);
    const PARR::GHash<DOVE2::DiagramElement>& moving = tool->getMovingSet();
    EXPECT_EQ(moving.size(), 2u);
    EXPECT_TRUE(moving.contains(DOVE2::DiagramElement(a)));
    EXPECT_TRUE(moving.contains(DOVE2::DiagramElement(c)));
    view.release({30, 30});
    EXPECT_EQ(c.getPosition(), Point(210, 110));
}

TEST_F(MoveToolTest, ASubclassStepInItsOwnTransactionIsOneReportOfTheViewInstance) {
    QUILL::ImmutableClassObject carried = c;
    view.editor().addToolConstructor(PARR::Holder<ROOK2::BaseToolConstructor>(
        new ROOK2::ToolConstructor<CarryingMoveTool, DOVE2::Editor&, QUILL::ImmutableClassObject*>(
            ROOK2::MoveTool::staticGetDefaultRole(), view.editor(), &carried)));
    CommitCounter counter(view.editor().getViewInstance());
    view.press({20, 20});
    view.move({25, 20});
    view.move({30, 30});
    EXPECT_EQ(counter.commits, 2);
    EXPECT_EQ(view.nodeOf(c)->getPosition(), Point(210, 110));
    view.release({30, 30});
    EXPECT_EQ(a.getPosition(), Point(20, 20));
    // The framework's command moves the moving set only.
    EXPECT_EQ(c.getPosition(), Point(200, 100));
}

// --- smart guides ---------------------------------------------------------------------------

TEST_F(MoveToolTest, TheDisplacementSnapsWhenAnEdgeComesWithinReachOfARestingOne) {
    // The top of A (10) comes to 97 against the top of C (100).
    view.drag({20, 20}, {20, 107});
    EXPECT_EQ(a.getPosition(), Point(10, 100));
}

TEST_F(MoveToolTest, TheGuideLinesAreDrawnWhileSnappedAndRemovedAtTheRelease) {
    const std::size_t before = view.scene().nodeCount();
    view.press({20, 20});
    view.move({20, 60});
    view.move({20, 107});
    auto* tool = dynamic_cast<DOVE2::MoveTool*>(
        view.editor().getToolByRole(ROOK2::MoveTool::staticGetDefaultRole()));
    ASSERT_NE(tool, nullptr);
    const auto& lines = tool->getSmartGuideLines().lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.size(), tool->getSmartGuides().size());
    EXPECT_EQ(lines.front()->getPoints().front(), tool->getSmartGuides().front().from);
    EXPECT_FALSE(lines.front()->isSelectable());
    view.release({20, 107});
    view.editor().clearSelection();  // drops the selected block's resize handles
    EXPECT_EQ(view.scene().nodeCount(), before);
}

TEST_F(MoveToolTest, NothingSnapsOutOfReach) {
    view.drag({20, 20}, {20, 90});
    EXPECT_EQ(a.getPosition(), Point(10, 80));
}

TEST_F(MoveToolTest, ElementsThatDoNotParticipateInSmartGuidesDoNotSnap) {
    MoveLog log;
    log.watched = a;
    log.smartGuides = false;
    record(log);
    view.drag({20, 20}, {20, 107});
    EXPECT_EQ(a.getPosition(), Point(10, 97));
}

TEST_F(MoveToolTest, WithoutAffinitiesNothingSnaps) {
    MoveLog log;
    log.watched = a;
    log.affinities = false;
    record(log);
    view.drag({20, 20}, {20, 107});
    EXPECT_EQ(a.getPosition(), Point(10, 97));
}

TEST_F(MoveToolTest, TheSnappedIncrementsAddUpToTheSnappedTotal) {
    MoveLog log;
    log.watched = a;
    record(log);
    view.drag({20, 20}, {20, 107}, 0, 3);
    Point sum;
    for (const Point& d : log.stepDeltas)
        sum += d;
    EXPECT_EQ(sum, Point(0, 90));
    EXPECT_EQ(log.commitDelta, Point(0, 90));
}

TEST(MoveToolDefaults, GraphEdgesDoNotParticipateInSmartGuides) {
    BlockDiagramBuilder b;
    VTQUILL::Block a = b.block("A", {0, 0, 40, 30});
    VTQUILL::Block c = b.block("C", {100, 0, 40, 30});
    VTQUILL::Segment s = b.connect(b.outPort(a), b.inPort(c));
    HeadlessEditor view(b.diagram());
    DOVE2::MoveTool tool(view.editor());
    EXPECT_TRUE(tool.participatesInSmartGuides(DOVE2::DiagramElement(a)));
    EXPECT_FALSE(tool.participatesInSmartGuides(DOVE2::DiagramElement(s)));
    EXPECT_FALSE(tool.participatesInSmartGuides(DOVE2::DiagramElement()));
}

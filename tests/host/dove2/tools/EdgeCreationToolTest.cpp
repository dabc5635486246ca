#include "dove2/tools/EdgeCreationTool.h"

#include <gtest/gtest.h>

#include <vector>

#include "dove2/GraphEdge.h"
#include "dove2/GraphNode.h"
#include "dove2/QUILLCommand.h"
#include "parr/Modifier.h"
#include "support/BlockDiagramBuilder.h"
#include "support/HeadlessEditor.h"

using TestSupport::BlockDiagramBuilder;
using TestSupport::HeadlessEditor;
using Point = PARR::GLPoint<double>;

namespace {

constexpr int kEscape = 0x01000000;

// The generic edges directly inside `diagram`, as its instance shows them.
std::vector<DOVE2::GraphEdge> edgesIn(const QUILL::ImmutableClassObject& diagram) {
    std::vector<DOVE2::GraphEdge> edges;
    for (const QUILL::ImmutableClassObject& child : diagram.getContained()) {
        if (const DOVE2::GraphEdge edge(child); edge.isValid())
            edges.push_back(edge);
    }
    return edges;
}

// What the hooks were given.
struct HookLog {
    std::vector<QUILL::ImmutableModel> previewModels;
    std::vector<QUILL::ObjectId> previewTargets;
    std::vector<QUILL::ImmutableModel> commandModels;
    bool failingCommand = false;
};

class RecordingEdgeCreationTool : public DOVE2::EdgeCreationTool {
public:
    RecordingEdgeCreationTool(DOVE2::Editor& editor, HookLog* log)
        : EdgeCreationTool(editor), log_(log) {}

    void showPreview(const DOVE2::GraphElement& element, const Point& point,
                     const QUILL::Model& model) override {
        log_->previewModels.push_back(model);
        log_->previewTargets.push_back(element.getObjectId());
        EdgeCreationTool::showPreview(element, point, model);
    }
    PARR::Holder<DOVE2::Command> createEdgeCommand(const DOVE2::GraphElement& element,
                                                   const Point& point,
                                                   const QUILL::Model& model) override {
        log_->commandModels.push_back(model);
        if (!log_->failingCommand)
            return EdgeCreationTool::createEdgeCommand(element, point, model);
        // Changes the model, then refuses.
        auto* broken = new DOVE2::QUILLCommand(model, "Broken");
        const DOVE2::DiagramElement start = getStartElement();
        broken->addAction([start](const QUILL::Model& m, PARR::ErrorHolder& errors) {
            const DOVE2::DiagramElement here(start.asDeviant(m));
            here.setPosition(here.getPosition() + Point(5, 5));
            errors.setError("Test_Refused", 1);
        });
        return PARR::Holder<DOVE2::Command>(broken);
    }

private:
    HookLog* log_;
};

class EdgeCreationToolTest : public ::testing::Test {
protected:
    EdgeCreationToolTest()
        : a(b.block("A", {10, 10, 40, 30})),
          c(b.block("C", {100, 10, 40, 30})),
          aOut(b.outPort(a)),
          cIn(b.inPort(c)),
          view(b.diagram()) {}

    DOVE2::EdgeCreationTool& tool() const {
        return dynamic_cast<DOVE2::EdgeCreationTool&>(
            *view.editor().getToolByRole(DOVE2::EdgeCreationTool::staticGetDefaultRole()));
    }
    RecordingEdgeCreationTool& useRecordingTool(HookLog* log) {
        view.editor().removeToolByRole(DOVE2::EdgeCreationTool::staticGetDefaultRole());
        auto* recording = new RecordingEdgeCreationTool(view.editor(), log);
        view.editor().addTool(PARR::Holder<ROOK2::Tool>(recording));
        return *recording;
    }

    static constexpr Point kOnOut{47, 25};  // aOut, in the middle of A's right side
    static constexpr Point kOnIn{103, 25};  // cIn, in the middle of C's left side

    BlockDiagramBuilder b;
    VTQUILL::Block a, c;
    VTQUILL::Port aOut, cIn;
    HeadlessEditor view;
};

}  // namespace

// --- starting -------------------------------------------------------------------------------

TEST_F(EdgeCreationToolTest, APressOnAPortStartsAnEdge) {
    const ROOK2::MouseEvent press = view.press(kOnOut);
    EXPECT_TRUE(press.isConsumed());
    EXPECT_TRUE(tool().isActive());
    EXPECT_EQ(tool().getStartElement(), aOut);
    EXPECT_EQ(tool().getStartPosition(), kOnOut);
    EXPECT_EQ(tool().getModel(), view.editor().getViewInstance());
    EXPECT_TRUE(view.selectedIds().empty());
}

TEST_F(EdgeCreationToolTest, APressOnABlockSelectsItInsteadOfStartingAnEdge) {
    view.press({20, 20});
    EXPECT_FALSE(tool().isActive());
    EXPECT_EQ(view.selectedIds(), std::vector<QUILL::ObjectId>{a.getObjectId()});
}

TEST_F(EdgeCreationToolTest, WithAltAnEdgeStartsAtAnyGraphNode) {
    view.press({20, 20}, PARR::AltModifier);
    EXPECT_TRUE(tool().isActive());
    EXPECT_EQ(tool().getStartElement(), a);
}

TEST_F(EdgeCreationToolTest, TheRightButtonStartsNothing) {
    view.press(kOnOut, 0, HeadlessEditor::kRight);
    EXPECT_FALSE(tool().isActive());
}

// --- previews -------------------------------------------------------------------------------

TEST_F(EdgeCreationToolTest, DraggingPreviewsAStraightEdgeInTheWorkingModelOnly) {
    const auto rootBefore = TestSupport::stateOf(b.model());
    const std::size_t glyphs = view.graphics().glyphCount();
    view.press(kOnOut);
    view.move({80, 60});
    view.move({90, 70});
    const std::vector<DOVE2::GraphEdge> previews = edgesIn(view.editor().getDiagram());
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].getSrcElement(), aOut);
    EXPECT_FALSE(previews[0].getDstElement().isValid());
    EXPECT_EQ(previews[0].getPath(), PARR::Path{Point(90, 70)});
    EXPECT_EQ(view.graphics().glyphCount(), glyphs + 1);
    EXPECT_EQ(TestSupport::stateOf(b.model()), rootBefore);
}

TEST_F(EdgeCreationToolTest, OverAnotherPortThePreviewJoinsIt) {
    view.press(kOnOut);
    view.move(kOnIn);
    const std::vector<DOVE2::GraphEdge> previews = edgesIn(view.editor().getDiagram());
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].getDstElement(), cIn);
    EXPECT_TRUE(previews[0].getPath().empty());
}

TEST_F(EdgeCreationToolTest, ElementsThatExistOnlyInAPreviewAreNotFoundUnderThePointer) {
    view.press(kOnOut);
    view.move({80, 60});
    ASSERT_EQ(edgesIn(view.editor().getDiagram()).size(), 1u);
    EXPECT_FALSE(tool().getGraphElementAt({80, 60}).isValid());
    EXPECT_EQ(tool().getGraphElementAt(kOnIn), cIn);
    EXPECT_EQ(tool().getGraphElementAt({20, 20}), a);
}

TEST_F(EdgeCreationToolTest, EscapeEndsTheGestureAndDropsThePreview) {
    view.press(kOnOut);
    view.move({80, 60});
    const ROOK2::KeyEvent escape = view.key(kEscape);
    EXPECT_TRUE(escape.isConsumed());
    EXPECT_FALSE(tool().isActive());
    EXPECT_TRUE(view.viewShowsRoot());
    view.release(kOnIn);
    EXPECT_FALSE(view.editor().canUndo());
}

// --- the final command ----------------------------------------------------------------------

TEST_F(EdgeCreationToolTest, ReleasingOnAnotherPortCreatesOneEdgeBetweenThem) {
    view.drag(kOnOut, kOnIn);
    const std::vector<DOVE2::GraphEdge> edges = edgesIn(b.diagram());
    ASSERT_EQ(edges.size(), 1u);
    EXPECT_EQ(edges[0].getSrcElement(), aOut);
    EXPECT_EQ(edges[0].getDstElement(), cIn);
    EXPECT_EQ(DOVE2::GraphNode(aOut).getEdges().toVector(),
              std::vector<QUILL::ImmutableClassObject>{edges[0]});
    EXPECT_EQ(DOVE2::GraphNode(cIn).getEdges().toVector(),
              std::vector<QUILL::ImmutableClassObject>{edges[0]});
    EXPECT_EQ(view.editor().undoText(), "Create Edge");
    EXPECT_TRUE(view.viewShowsRoot());
    EXPECT_FALSE(tool().isActive());
    EXPECT_NE(view.nodeOf(edges[0]), nullptr);
}

TEST_F(EdgeCreationToolTest, ReleasingOverEmptyCanvasOrOnTheStartCreatesNothing) {
    view.drag(kOnOut, {80, 80});
    view.drag(kOnOut, kOnOut + Point(1, 0));
    EXPECT_FALSE(view.editor().canUndo());
    EXPECT_TRUE(edgesIn(b.diagram()).empty());
    EXPECT_TRUE(view.viewShowsRoot());
}

TEST_F(EdgeCreationToolTest, UndoRemovesTheEdgeExactly) {
    const auto before = TestSupport::stateOf(b.model());
    view.drag(kOnOut, kOnIn);
    view.editor().undo();
    EXPECT_EQ(TestSupport::stateOf(b.model()), before);
}

TEST_F(EdgeCreationToolTest, PreviewsAreGivenTheWorkingModelAndTheCommandTheRoot) {
    HookLog log;
    useRecordingTool(&log);
    view.drag(kOnOut, kOnIn, 0, 2);
    ASSERT_EQ(log.previewModels.size(), 2u);
    EXPECT_EQ(log.previewModels[0], view.editor().getViewInstance());
    EXPECT_EQ(log.previewModels[1], view.editor().getViewInstance());
    EXPECT_EQ(log.previewTargets[1], cIn.getObjectId());
    ASSERT_EQ(log.commandModels.size(), 1u);
    EXPECT_EQ(log.commandModels[0], view.editor().getRootDeviant());
}

TEST_F(EdgeCreationToolTest, AFailingCommandIsRolledBackAndNotRecorded) {
    HookLog log;
    log.failingCommand = true;
    useRecordingTool(&log);
    const auto before = TestSupport::stateOf(b.model());
    view.drag(kOnOut, kOnIn);
    ASSERT_EQ(log.commandModels.size(), 1u);
    EXPECT_EQ(TestSupport::stateOf(b.model()), before);
    EXPECT_FALSE(view.editor().canUndo());
    EXPECT_TRUE(view.viewShowsRoot());
    EXPECT_EQ(view.nodeOf(aOut)->getPosition(), aOut.getPosition());
}

#include "dove2/tools/DeleteTool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dove2/GraphNode.h"
#include "parr/Modifier.h"
#include "rook2/ToolConstructor.h"
#include "support/BlockDiagramBuilder.h"
#include "support/HeadlessEditor.h"

using TestSupport::BlockDiagramBuilder;
using TestSupport::HeadlessEditor;

namespace {

class RecordingDeleteTool : public DOVE2::DeleteTool {
public:
    RecordingDeleteTool(DOVE2::Editor& editor, std::vector<std::string>* log)
        : DeleteTool(editor), log_(log) {}
    void prepareDelete() override { log_->push_back("prepareDelete"); }
    void deleteSelection() override {
        log_->push_back("deleteSelection:" + std::to_string(getEditor().getSelection().size()));
        DeleteTool::deleteSelection();
    }

private:
    std::vector<std::string>* log_;
};

class DeleteToolTest : public ::testing::Test {
protected:
    DeleteToolTest()
        : a(b.block("A", {10, 10, 40, 30})),
          c(b.block("C", {100, 10, 40, 30})),
          aOut(b.outPort(a)),
          cIn(b.inPort(c)),
          segment(b.connect(aOut, cIn)),
          view(b.diagram()) {}

    BlockDiagramBuilder b;
    VTQUILL::Block a, c;
    VTQUILL::Port aOut, cIn;
    VTQUILL::Segment segment;
    HeadlessEditor view;
};

}  // namespace

TEST_F(DeleteToolTest, TheDeleteKeyDeletesTheSelection) {
    view.click({20, 20});
    const ROOK2::KeyEvent key = view.key(DOVE2::DeleteTool::kDeleteKey);
    EXPECT_TRUE(key.isConsumed());
    EXPECT_FALSE(a.isValid());
    EXPECT_TRUE(c.isValid());
    EXPECT_EQ(view.editor().undoText(), "Delete");
    EXPECT_EQ(view.nodeOf(a), nullptr);
}

TEST_F(DeleteToolTest, TheBackspaceKeyDeletesTheSelection) {
    view.click({110, 20});
    view.key(DOVE2::DeleteTool::kBackspaceKey);
    EXPECT_FALSE(c.isValid());
    EXPECT_TRUE(a.isValid());
}

TEST_F(DeleteToolTest, OtherKeysAreLeftToOthers) {
    view.click({20, 20});
    const ROOK2::KeyEvent key = view.key('A');
    EXPECT_FALSE(key.isConsumed());
    EXPECT_TRUE(a.isValid());
    EXPECT_FALSE(view.editor().canUndo());
}

TEST_F(DeleteToolTest, AnEmptySelectionRecordsNothing) {
    view.key(DOVE2::DeleteTool::kDeleteKey);
    EXPECT_FALSE(view.editor().canUndo());
}

TEST_F(DeleteToolTest, EdgesAttachedToADeletedBlocksPortsGoWithIt) {
    view.click({20, 20});
    view.key(DOVE2::DeleteTool::kDeleteKey);
    EXPECT_FALSE(segment.isValid());
    EXPECT_TRUE(DOVE2::GraphNode(cIn).getEdges().empty());
    EXPECT_FALSE(cIn.hasEdge());
}

TEST_F(DeleteToolTest, UndoBringsTheElementsBackExactly) {
    const auto before = TestSupport::stateOf(b.model());
    view.click({20, 20});
    view.click({110, 20}, PARR::ShiftModifier);
    view.key(DOVE2::DeleteTool::kDeleteKey);
    ASSERT_FALSE(a.isValid());
    view.editor().undo();
    EXPECT_EQ(TestSupport::stateOf(b.model()), before);
    EXPECT_NE(view.nodeOf(a), nullptr);
    EXPECT_NE(view.nodeOf(segment), nullptr);
}

TEST_F(DeleteToolTest, ABlockSelectedWithItsPortIsDeletedOnce) {
    view.drag({0, 0}, {60, 50});
    ASSERT_EQ(view.selectedIds().size(), 2u);
    view.key(DOVE2::DeleteTool::kDeleteKey);
    EXPECT_FALSE(a.isValid());
    EXPECT_FALSE(aOut.isValid());
    EXPECT_EQ(view.editor().undoText(), "Delete");
}

TEST_F(DeleteToolTest, PrepareDeleteRunsBeforeDeleteSelection) {
    std::vector<std::string> log;
    view.editor().removeToolByRole(DOVE2::DeleteTool::staticGetDefaultRole());
    view.editor().addTool(PARR::Holder<ROOK2::Tool>(new RecordingDeleteTool(view.editor(), &log)));
    view.click({20, 20});
    view.key(DOVE2::DeleteTool::kDeleteKey);
    EXPECT_EQ(log, (std::vector<std::string>{"prepareDelete", "deleteSelection:1"}));
    EXPECT_FALSE(a.isValid());
}

TEST_F(DeleteToolTest, TheToolStaysOnTheStackAndTakesNoMouseEvents) {
    const ROOK2::Tool* tool =
        view.editor().getToolByRole(DOVE2::DeleteTool::staticGetDefaultRole());
    ASSERT_NE(tool, nullptr);
    view.click({20, 20});
    view.key(DOVE2::DeleteTool::kDeleteKey);
    EXPECT_EQ(view.editor().getToolByRole(DOVE2::DeleteTool::staticGetDefaultRole()), tool);
    EXPECT_FALSE(tool->isDone());
}

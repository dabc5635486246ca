#include "tools/DeleteTool.h"

#include <gtest/gtest.h>

#include "application/Application.h"
#include "dove2/UndoHistory.h"
#include "rook2/ToolConstructor.h"
#include "support/BlockDiagramBuilder.h"
#include "support/HeadlessEditor.h"
#include "support/QtTestApplication.h"

namespace {

using TestSupport::BlockDiagramBuilder;
using TestSupport::HeadlessEditor;
using TestSupport::stateOf;

// Three blocks in a row, a -> b -> c, each pair joined by a one-segment "Signal" line, shown
// in an editor whose only tool is the block-diagram delete tool. Glyphs may draw text, so the
// Qt application exists first.
class DeleteToolTest : public ::testing::Test {
protected:
    DeleteToolTest() {
        view.editor().addToolConstructor(
            ROOK2::makeToolConstructor<Vantor::DeleteTool>(view.editor()));
        view.editor().addToolByRole(Vantor::DeleteTool::staticGetDefaultRole());
    }

    void pressDelete() { view.key(DOVE2::DeleteTool::kDeleteKey); }
    std::shared_ptr<DOVE2::UndoHistory> history() const {
        return DOVE2::UndoHistory::forModel(b.model());
    }
    std::size_t lineCount() const { return b.diagram().getLines().size(); }

    QApplication& app = TestSupport::qtApplication();
    BlockDiagramBuilder b;
    VTQUILL::Block a = b.block("A", {0, 0, 40, 30});
    VTQUILL::Block middle = b.block("B", {100, 0, 40, 30});
    VTQUILL::Block c = b.block("C", {200, 0, 40, 30});
    VTQUILL::Port middleIn = b.inPort(middle);
    VTQUILL::Port middleOut = b.outPort(middle);
    VTQUILL::Segment into = b.connect(b.outPort(a), middleIn);
    VTQUILL::Segment outOf = b.connect(middleOut, b.inPort(c));
    HeadlessEditor view{b.diagram(), false};
};

TEST_F(DeleteToolTest, DeletingABlockFreesTheLineEndsAtItsPortsAndUndoRestoresTheModelExactly) {
    const auto before = stateOf(b.model());
    const auto inPosition = Vantor::Application::getAbsolutePosition(middleIn);
    const auto outPosition = Vantor::Application::getAbsolutePosition(middleOut);
    ASSERT_TRUE(view.editor().select(middle));

    pressDelete();

    EXPECT_FALSE(middle.isValid());
    const VTQUILL::Terminator intoEnd(into.getDstElement());
    const VTQUILL::Terminator outOfEnd(outOf.getSrcElement());
    ASSERT_TRUE(intoEnd.isValid());
    ASSERT_TRUE(outOfEnd.isValid());
    EXPECT_EQ(intoEnd.getPosition(), inPosition);
    EXPECT_EQ(outOfEnd.getPosition(), outPosition);
    EXPECT_EQ(history()->undoText(), "Undo Delete");
    const auto after = stateOf(b.model());

    view.editor().undo();
    EXPECT_EQ(stateOf(b.model()), before);
    view.editor().redo();
    EXPECT_EQ(stateOf(b.model()), after);
}

TEST_F(DeleteToolTest, DeletingTheLastSegmentOfALineRemovesTheLine) {
    const VTQUILL::Line line = into.getContainer();
    ASSERT_TRUE(view.editor().select(into));

    pressDelete();

    EXPECT_FALSE(into.isValid());
    EXPECT_FALSE(line.isValid());
    EXPECT_EQ(lineCount(), 1u);
    EXPECT_TRUE(a.isValid());
    EXPECT_TRUE(middle.isValid());
}

TEST_F(DeleteToolTest, DeleteWithNothingSelectedRecordsAnEntryThatLeavesTheModelClean) {
    const auto before = stateOf(b.model());

    pressDelete();

    ASSERT_EQ(history()->count(), 1u);
    EXPECT_EQ(history()->undoText(), "Undo Delete");
    EXPECT_FALSE(view.editor().isDirty());
    EXPECT_EQ(stateOf(b.model()), before);
    view.editor().undo();
    view.editor().redo();
    EXPECT_EQ(stateOf(b.model()), before);
    EXPECT_FALSE(view.editor().isDirty());
}

TEST_F(DeleteToolTest, OtherKeysDeleteNothingAndRecordNothing) {
    ASSERT_TRUE(view.editor().select(middle));

    const ROOK2::KeyEvent key = view.key('A');

    EXPECT_FALSE(key.isConsumed());
    EXPECT_TRUE(middle.isValid());
    EXPECT_EQ(history()->count(), 0u);
}

}  // namespace

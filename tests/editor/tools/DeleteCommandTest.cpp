#include "tools/DeleteCommand.h"

#include <gtest/gtest.h>

#include "dove2/UndoHistory.h"
#include "support/BlockDiagramBuilder.h"

namespace {

using TestSupport::BlockDiagramBuilder;
using TestSupport::stateOf;

TEST(DeleteCommand, AnElementAddedTwiceFromTwoInstancesIsDeletedOnceOnTheCommandsModel) {
    BlockDiagramBuilder b;
    const VTQUILL::Block block = b.block("A", {0, 0, 40, 30});
    const VTQUILL::Block kept = b.block("B", {100, 0, 40, 30});
    b.connect(b.outPort(block), b.inPort(kept));
    const QUILL::Model copy = b.model().createWorkingCopy();
    const auto before = stateOf(b.model());
    PARR::Holder<Vantor::DeleteCommand> command(new Vantor::DeleteCommand(b.model(), "Delete"));

    EXPECT_TRUE(command->addElement(DOVE2::DiagramElement(block.asDeviant(copy))));
    EXPECT_FALSE(command->addElement(block));
    const auto history = DOVE2::UndoHistory::forModel(b.model());
    PARR::ErrorHolder errors;
    ASSERT_TRUE(history->process(command, errors)) << errors.message();

    EXPECT_EQ(command->getElements().size(), 1u);
    EXPECT_FALSE(block.isValid());
    EXPECT_TRUE(kept.isValid());
    EXPECT_EQ(history->undoText(), "Undo Delete");
    ASSERT_TRUE(history->undo(errors)) << errors.message();
    EXPECT_EQ(stateOf(b.model()), before);
}

}  // namespace

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "AddBlockCommand.h"
#include "StudioTestSupport.h"
#include "dove2/UndoHistory.h"
#include "support/BlockDiagramBuilder.h"

namespace {

using Point = PARR::GLPoint<double>;
using VantorStudio::AddBlockCommand;

// A model with one block "Gain" already in it, and its undo history.
class AddBlockCommandTest : public ::testing::Test {
protected:
    AddBlockCommandTest() {
        StudioTest::qtApplication();
        builder.block("Gain", {0, 0, 30, 30});
    }

    // Adds a block of `type` centred on `centre` as one recorded command; the block made, or
    // an empty handle (the error in `errors`).
    VTQUILL::Block add(const std::string& type, const Point& centre = {200, 100}) {
        PARR::Holder<AddBlockCommand> command(
            new AddBlockCommand(builder.model(), builder.diagram(), type, centre));
        errors.clear();
        return history->process(command, errors) ? command->createdBlock() : VTQUILL::Block();
    }
    std::vector<std::string> blockNames() const {
        std::vector<std::string> names;
        for (const VTQUILL::Block& block : builder.diagram().getBlocks())
            names.push_back(block.getName());
        return names;
    }

    TestSupport::BlockDiagramBuilder builder;
    std::shared_ptr<DOVE2::UndoHistory> history = DOVE2::UndoHistory::forModel(builder.model());
    PARR::ErrorHolder errors;
};

TEST_F(AddBlockCommandTest, RepeatedAddsNameTheBlocksUniquelyAndAnUndoneNameIsGivenAgain) {
    add("Gain");
    add("Gain");
    add("Sum");
    EXPECT_EQ(blockNames(), (std::vector<std::string>{"Gain", "Gain1", "Gain2", "Sum"}));

    ASSERT_TRUE(history->undo(errors));
    ASSERT_TRUE(history->undo(errors));
    EXPECT_EQ(add("Gain").getName(), "Gain2");
}

TEST_F(AddBlockCommandTest, UndoRemovesTheBlockAndRedoMakesTheSameBlockAgain) {
    const auto before = TestSupport::stateOf(builder.model());
    const VTQUILL::Block sum = add("Sum");
    ASSERT_TRUE(sum.isValid());
    const auto after = TestSupport::stateOf(builder.model());
    EXPECT_EQ(history->undoText(), "Undo Add Block");

    ASSERT_TRUE(history->undo(errors));
    EXPECT_EQ(TestSupport::stateOf(builder.model()), before);
    EXPECT_FALSE(sum.isValid());

    ASSERT_TRUE(history->redo(errors));
    EXPECT_EQ(TestSupport::stateOf(builder.model()), after);
    ASSERT_TRUE(sum.isValid());
    EXPECT_EQ(sum.getParameter("Inputs"), "++");
    EXPECT_EQ(sum.getContained().size(), 3u);
}

TEST_F(AddBlockCommandTest, TheBlockIsCentredOnThePointWithItsCornerRoundedHalvesAwayFromZero) {
    // A Gain is 30 x 30: the corner falls at (-25.5, 35.2) before rounding.
    EXPECT_EQ(add("Gain", {-10.5, 50.2}).getPosition(), (Point{-26, 35}));
    EXPECT_EQ(add("Gain", {100.5, 15}).getPosition(), (Point{86, 0}));
}

TEST_F(AddBlockCommandTest, AnUnknownTypeChangesNothingAndNamesTheType) {
    const auto before = TestSupport::stateOf(builder.model());

    EXPECT_FALSE(add("Flux Capacitor").isValid());

    EXPECT_EQ(TestSupport::stateOf(builder.model()), before);
    EXPECT_NE(errors.message().find("Flux Capacitor"), std::string::npos);
    EXPECT_FALSE(history->canUndo());
}

}  // namespace

#include "dove2/Command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HistoryTestModel.h"

using namespace Dove2Test;
using PARR::ErrorHolder;

namespace {

// A command that logs which of its operations ran and sets an item's value in execute.
class LoggingCommand : public DOVE2::Command {
public:
    LoggingCommand(const QUILL::Model& model, QUILL::ImmutableClassObject item,
                   std::vector<std::string>& log)
        : Command(model), item_(item), log_(log) {}

    void execute(ErrorHolder&) override {
        log_.push_back("execute");
        QUILL::ClassObject(item_).asDeviant(getModel()).set(HistoryTypes::get().value, 50);
    }
    std::string shortDescription() const override { return "Log"; }

private:
    QUILL::ImmutableClassObject item_;
    std::vector<std::string>& log_;
};

class CommandTest : public ::testing::Test {
protected:
    CommandTest() { builder.item("a", 1); }

    std::int64_t value() const {
        return builder.find("a").get<std::int64_t>(HistoryTypes::get().value);
    }

    ModelBuilder builder;
    std::vector<std::string> log;
};

TEST_F(CommandTest, ConstructionChangesNothing) {
    const ModelState before = stateOf(builder.model());

    LoggingCommand command(builder.model(), builder.find("a"), log);

    EXPECT_TRUE(log.empty());
    EXPECT_EQ(stateOf(builder.model()), before);
    EXPECT_EQ(command.getModel(), builder.model());
}

TEST_F(CommandTest, HandleDoRunsExecute) {
    LoggingCommand command(builder.model(), builder.find("a"), log);
    ErrorHolder errors;

    QUILL::Transaction t(builder.model());
    command.handleDo(errors);
    t.commit();

    EXPECT_EQ(log, std::vector<std::string>{"execute"});
    EXPECT_EQ(value(), 50);
}

TEST_F(CommandTest, HandleUndoAndHandleRedoApplyTheRecordedChanges) {
    LoggingCommand command(builder.model(), builder.find("a"), log);
    ErrorHolder errors;
    QUILL::Transaction run(builder.model());
    command.handleDo(errors);
    const auto recorded = run.commit();

    QUILL::Transaction undo(builder.model());
    command.handleUndo(*recorded, errors);
    undo.commit();
    EXPECT_EQ(value(), 1);

    QUILL::Transaction redo(builder.model());
    command.handleRedo(*recorded, errors);
    redo.commit();
    EXPECT_EQ(value(), 50);
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(CommandTest, CanBeUndoneAndRedoneByDefault) {
    LoggingCommand command(builder.model(), builder.find("a"), log);

    EXPECT_TRUE(command.canUndo());
    EXPECT_TRUE(command.canRedo());
}

TEST_F(CommandTest, IsDestroyedWhenItsLastHolderLetsGo) {
    struct Counted : LoggingCommand {
        Counted(const QUILL::Model& m, QUILL::ImmutableClassObject i, std::vector<std::string>& l,
                bool& gone)
            : LoggingCommand(m, i, l), gone_(gone) {}
        ~Counted() override { gone_ = true; }
        bool& gone_;
    };
    bool gone = false;
    PARR::Holder<DOVE2::Command> held(new Counted(builder.model(), builder.find("a"), log, gone));
    PARR::Holder<DOVE2::Command> copy = held;

    held.reset();
    EXPECT_FALSE(gone);
    copy.reset();
    EXPECT_TRUE(gone);
}

}  // namespace

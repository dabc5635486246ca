#include "dove2/QUILLCommand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HistoryTestModel.h"
#include "tessel/AssertionError.h"

using namespace Dove2Test;
using DOVE2::QUILLCommand;
using PARR::ErrorHolder;

namespace {

class QUILLCommandTest : public ::testing::Test {
protected:
    QUILLCommandTest() { builder.item("a", 1); }

    QUILLCommand::Action logging(const std::string& name) {
        return [this, name](const QUILL::Model&, ErrorHolder&) { log.push_back(name); };
    }
    void executeInTransaction(QUILLCommand& command, ErrorHolder& errors) {
        QUILL::Transaction t(builder.model());
        command.execute(errors);
        t.commit();
    }

    ModelBuilder builder;
    std::vector<std::string> log;
};

TEST_F(QUILLCommandTest, TheLabelIsTheUndoText) {
    QUILLCommand command(builder.model(), "Rename Block");

    EXPECT_EQ(command.shortDescription(), "Rename Block");
}

TEST_F(QUILLCommandTest, RunsItsActionsInOrderOnlyWhenExecuted) {
    QUILLCommand command(builder.model(), "Steps");
    command.addAction(logging("first"));
    command.addAction(logging("second"));
    EXPECT_TRUE(log.empty());

    ErrorHolder errors;
    executeInTransaction(command, errors);

    EXPECT_EQ(log, (std::vector<std::string>{"first", "second"}));
}

TEST_F(QUILLCommandTest, GivesEachActionTheCommandsModel) {
    const QUILL::Model copy = builder.model().createWorkingCopy();
    QUILLCommand command(copy, "Set");
    QUILL::Model seen;
    command.addAction([&](const QUILL::Model& m, ErrorHolder&) { seen = m; });
    ErrorHolder errors;

    QUILL::Transaction t(copy);
    command.execute(errors);
    t.commit();

    EXPECT_EQ(seen, copy);
}

TEST_F(QUILLCommandTest, StopsAtTheFirstActionThatReportsAnError) {
    QUILLCommand command(builder.model(), "Steps");
    command.addAction(logging("first"));
    command.addAction([](const QUILL::Model&, ErrorHolder& errors) { errors.setError("Stop", 1); });
    command.addAction(logging("never"));
    ErrorHolder errors;

    executeInTransaction(command, errors);

    EXPECT_EQ(log, std::vector<std::string>{"first"});
    EXPECT_EQ(errors.getError()->identifier(), "Stop");
}

TEST_F(QUILLCommandTest, IgnoresAnEmptyAction) {
    QUILLCommand command(builder.model(), "Steps");

    command.addAction(QUILLCommand::Action());

    EXPECT_EQ(command.actionCount(), 0u);
}

TEST_F(QUILLCommandTest, RefusesActionsAddedAfterItRan) {
    QUILLCommand command(builder.model(), "Steps");
    command.addAction(logging("first"));
    ErrorHolder errors;
    executeInTransaction(command, errors);

    EXPECT_THROW(command.addAction(logging("late")), TESSEL::AssertionError);
    EXPECT_EQ(command.actionCount(), 1u);
}

}  // namespace

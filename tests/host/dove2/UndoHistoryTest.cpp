#include "dove2/UndoHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HistoryTestModel.h"
#include "wren/Listener.h"

using namespace Dove2Test;
using DOVE2::UndoHistory;
using DOVE2::UndoHistoryChanged;
using PARR::ErrorHolder;

namespace {

class UndoHistoryTest : public ::testing::Test {
protected:
    UndoHistoryTest() {
        builder.item("a", 1).item("b", 2);
        history = UndoHistory::forModel(model());
    }

    const QUILL::Model& model() const { return builder.model(); }
    int valueOf(const std::string& name) const {
        return static_cast<int>(builder.find(name).get<std::int64_t>(HistoryTypes::get().value));
    }
    bool run(const PARR::Holder<DOVE2::Command>& command) {
        ErrorHolder errors;
        const bool ran = history->process(command, errors);
        EXPECT_FALSE(errors.hasError()) << errors.message();
        return ran;
    }
    void undo() {
        ErrorHolder errors;
        EXPECT_TRUE(history->undo(errors)) << errors.message();
    }
    void redo() {
        ErrorHolder errors;
        EXPECT_TRUE(history->redo(errors)) << errors.message();
    }

    ModelBuilder builder;
    std::shared_ptr<UndoHistory> history;
};

// Keeps every state the history announces.
struct ChangeLog : WREN::Listener {
    explicit ChangeLog(UndoHistory& history) {
        history.changed().connect(*this,
                                  [this](const UndoHistoryChanged& c) { seen.push_back(c); });
    }
    std::vector<UndoHistoryChanged> seen;
};

// --- Recording, undo and redo -------------------------------------------------------------

TEST_F(UndoHistoryTest, ProcessRunsTheCommandOnTheRootAndRecordsIt) {
    EXPECT_TRUE(run(setValueCommand(model(), builder.find("a"), 10)));

    EXPECT_EQ(valueOf("a"), 10);
    EXPECT_EQ(history->count(), 1u);
    EXPECT_EQ(history->index(), 1u);
    EXPECT_TRUE(history->canUndo());
    EXPECT_FALSE(history->canRedo());
}

TEST_F(UndoHistoryTest, UndoRestoresTheWholeModelExactlyAndRedoRestoresTheResult) {
    const ModelState before = stateOf(model());
    run(addItemCommand(model(), "c", 3));
    run(removeItemCommand(model(), builder.find("a")));
    run(setValueCommand(model(), builder.find("b"), 20));
    const ModelState after = stateOf(model());

    undo();
    undo();
    undo();
    EXPECT_EQ(stateOf(model()), before);
    EXPECT_FALSE(history->canUndo());

    redo();
    redo();
    redo();
    EXPECT_EQ(stateOf(model()), after);
    EXPECT_FALSE(history->canRedo());
}

TEST_F(UndoHistoryTest, ListenersHearUndoAndRedoThroughTheNormalReports) {
    const QUILL::ObjectId a = builder.find("a").getObjectId();
    run(setValueCommand(model(), builder.find("a"), 10));
    ReportCounter counter(model());

    undo();
    EXPECT_EQ(counter.reports, 1);
    EXPECT_EQ(counter.lastModified, std::vector<QUILL::ObjectId>{a});

    redo();
    EXPECT_EQ(counter.reports, 2);
    EXPECT_EQ(counter.lastModified, std::vector<QUILL::ObjectId>{a});
}

TEST_F(UndoHistoryTest, UndoOfACreationReportsTheObjectDeleted) {
    run(addItemCommand(model(), "c", 3));
    const QUILL::ObjectId c = builder.find("c").getObjectId();
    ReportCounter counter(model());

    undo();

    EXPECT_EQ(counter.lastDeleted, std::vector<QUILL::ObjectId>{c});
    EXPECT_FALSE(builder.find("c").isValid());
}

TEST_F(UndoHistoryTest, UndoAndRedoWithNothingToApplyDoNothing) {
    ReportCounter counter(model());
    ErrorHolder errors;

    EXPECT_FALSE(history->undo(errors));
    EXPECT_FALSE(history->redo(errors));

    EXPECT_FALSE(errors.hasError());
    EXPECT_EQ(counter.reports, 0);
}

TEST_F(UndoHistoryTest, ACommandThatChangesNothingIsRecordedAndItsUndoAndRedoChangeNothing) {
    const ModelState before = stateOf(model());
    ReportCounter counter(model());

    EXPECT_TRUE(run(idleCommand(model(), "Delete")));
    ASSERT_EQ(history->count(), 1u);
    EXPECT_EQ(history->undoText(), "Undo Delete");

    undo();
    EXPECT_EQ(history->redoText(), "Redo Delete");
    redo();

    EXPECT_EQ(stateOf(model()), before);
    EXPECT_EQ(counter.reports, 0);
    EXPECT_EQ(history->index(), 1u);
}

TEST_F(UndoHistoryTest, ACommandThatChangesNothingDropsTheRedoTail) {
    run(setValueCommand(model(), builder.find("a"), 10));
    undo();

    run(idleCommand(model()));

    EXPECT_FALSE(history->canRedo());
    EXPECT_EQ(history->count(), 1u);
    EXPECT_EQ(valueOf("a"), 1);
}

// --- Failing commands ---------------------------------------------------------------------

TEST_F(UndoHistoryTest, ACommandThatReportsAnErrorIsRolledBackAndNotRecorded) {
    run(setValueCommand(model(), builder.find("b"), 5));
    const ModelState before = stateOf(model());
    ReportCounter counter(model());
    ErrorHolder errors;

    EXPECT_FALSE(history->process(failingCommand(model(), builder.find("a")), errors));

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), "Test_Refused");
    EXPECT_EQ(stateOf(model()), before);
    EXPECT_EQ(counter.reports, 0);
    EXPECT_EQ(history->count(), 1u);
    EXPECT_EQ(history->undoText(), "Undo Set Value");
}

TEST_F(UndoHistoryTest, ACommandThatThrowsIsRolledBackAndItsErrorReturned) {
    const ModelState before = stateOf(model());
    ReportCounter counter(model());
    ErrorHolder errors;

    EXPECT_FALSE(history->process(throwingCommand(model(), builder.find("a")), errors));

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), "DOVE2_CommandThrew");
    EXPECT_EQ(errors.getError()->arguments(), std::vector<std::string>{"broken"});
    EXPECT_EQ(stateOf(model()), before);
    EXPECT_EQ(counter.reports, 0);
    EXPECT_EQ(history->count(), 0u);
}

TEST_F(UndoHistoryTest, AFailingCommandAfterAnUndoKeepsTheRedoTail) {
    run(setValueCommand(model(), builder.find("a"), 10));
    undo();
    ErrorHolder errors;

    history->process(failingCommand(model(), builder.find("b")), errors);

    EXPECT_TRUE(history->canRedo());
    EXPECT_EQ(history->redoText(), "Redo Set Value");
}

TEST_F(UndoHistoryTest, AnErrorHeldBeforeTheCallDoesNotFailTheCommand) {
    ErrorHolder errors;
    errors.setError("Earlier", 1);

    EXPECT_TRUE(history->process(setValueCommand(model(), builder.find("a"), 10), errors));

    EXPECT_EQ(history->count(), 1u);
    EXPECT_EQ(errors.getError()->identifier(), "Earlier");
}

// --- Refused calls ------------------------------------------------------------------------

TEST_F(UndoHistoryTest, RefusesACommandBuiltOnAWorkingCopy) {
    const QUILL::Model copy = model().createWorkingCopy();
    ErrorHolder errors;

    EXPECT_FALSE(history->process(setValueCommand(copy, builder.find("a"), 10), errors));

    EXPECT_EQ(errors.getError()->identifier(), "DOVE2_CommandForOtherModel");
    EXPECT_EQ(valueOf("a"), 1);
}

TEST_F(UndoHistoryTest, RefusesAnEmptyCommand) {
    ErrorHolder errors;

    EXPECT_FALSE(history->process(PARR::Holder<DOVE2::Command>(), errors));

    EXPECT_EQ(errors.getError()->identifier(), "DOVE2_NoCommand");
}

TEST_F(UndoHistoryTest, RefusesACommandWhileATransactionIsOpenOnTheRoot) {
    QUILL::Transaction open(model());
    ErrorHolder errors;

    EXPECT_FALSE(history->process(setValueCommand(model(), builder.find("a"), 10), errors));

    EXPECT_EQ(errors.getError()->identifier(), "DOVE2_TransactionOpen");
    EXPECT_EQ(valueOf("a"), 1);
}

// A listener that tries to process a command of its own when it hears a commit.
struct ReentrantListener : QUILL::ListenerBase {
    void onCommit(const QUILL::ReportOfChanges<>&) override {
        if (!history)
            return;
        auto nested = std::move(history);
        accepted = nested->process(setValueCommand(nested->getModel(), item, 99), errors);
    }
    std::shared_ptr<UndoHistory> history;
    QUILL::ImmutableClassObject item;
    bool accepted = true;
    ErrorHolder errors;
};

TEST_F(UndoHistoryTest, RefusesACommandFromAListenerOfItsOwnCommit) {
    ReentrantListener listener;
    listener.history = history;
    listener.item = builder.find("b");
    model().registerModifierOnCommit(&listener);

    run(setValueCommand(model(), builder.find("a"), 10));

    EXPECT_FALSE(listener.accepted);
    EXPECT_EQ(listener.errors.getError()->identifier(), "DOVE2_UndoHistoryBusy");
    EXPECT_EQ(valueOf("b"), 2);
    EXPECT_EQ(history->count(), 1u);
}

// --- Clean index and dirty flag -----------------------------------------------------------

TEST_F(UndoHistoryTest, AFreshHistoryIsClean) {
    EXPECT_TRUE(history->isClean());
    EXPECT_FALSE(history->isDirty());
}

TEST_F(UndoHistoryTest, ACommandMakesItDirtyAndUndoingBackToTheSaveMakesItCleanAgain) {
    run(setValueCommand(model(), builder.find("a"), 10));
    EXPECT_TRUE(history->isDirty());

    undo();
    EXPECT_TRUE(history->isClean());

    redo();
    EXPECT_TRUE(history->isDirty());
}

TEST_F(UndoHistoryTest, SavingMovesTheCleanIndexToTheCurrentState) {
    run(setValueCommand(model(), builder.find("a"), 10));
    run(setValueCommand(model(), builder.find("a"), 11));
    history->setClean();
    EXPECT_FALSE(history->isDirty());

    undo();
    EXPECT_TRUE(history->isDirty());
    redo();
    EXPECT_FALSE(history->isDirty());
}

TEST_F(UndoHistoryTest, ASaveInsideTheDroppedRedoTailCannotBeReachedAgain) {
    run(setValueCommand(model(), builder.find("a"), 10));
    history->setClean();
    undo();

    run(setValueCommand(model(), builder.find("a"), 20));
    EXPECT_EQ(history->cleanIndex(), -1);
    EXPECT_TRUE(history->isDirty());
    undo();
    EXPECT_TRUE(history->isDirty());

    history->setClean();
    EXPECT_TRUE(history->isClean());
}

TEST_F(UndoHistoryTest, AModelMarkedUnsavedStaysDirtyWhateverIsUndoneUntilItIsSaved) {
    run(setValueCommand(model(), builder.find("a"), 10));
    undo();
    ChangeLog log(*history);

    history->markUnsaved();

    ASSERT_EQ(log.seen.size(), 1u);
    EXPECT_TRUE(log.seen.front().dirty);
    redo();
    undo();
    EXPECT_TRUE(history->isDirty());
    history->setClean();
    EXPECT_TRUE(history->isClean());
}

TEST_F(UndoHistoryTest, CommandsThatChangedNothingLeaveTheModelCleanOnEitherSideOfTheSave) {
    run(idleCommand(model()));
    EXPECT_TRUE(history->isClean());

    run(setValueCommand(model(), builder.find("a"), 10));
    history->setClean();
    run(idleCommand(model()));
    run(idleCommand(model()));
    EXPECT_TRUE(history->isClean());

    undo();
    undo();
    EXPECT_TRUE(history->isClean());
    undo();
    EXPECT_TRUE(history->isDirty());
    undo();
    EXPECT_TRUE(history->isDirty());
}

TEST_F(UndoHistoryTest, ACommandThatChangedNothingBetweenTwoChangesKeepsTheModelDirty) {
    run(setValueCommand(model(), builder.find("a"), 10));
    run(idleCommand(model()));

    EXPECT_TRUE(history->isDirty());
}

TEST_F(UndoHistoryTest, ASaveInADroppedTailOfCommandsThatChangedNothingStaysReachable) {
    run(idleCommand(model()));
    history->setClean();
    undo();

    run(setValueCommand(model(), builder.find("a"), 20));
    EXPECT_EQ(history->cleanIndex(), 0);
    EXPECT_TRUE(history->isDirty());
    undo();

    EXPECT_TRUE(history->isClean());
}

TEST_F(UndoHistoryTest, ASaveBeforeTheDroppedTailStaysReachable) {
    run(setValueCommand(model(), builder.find("a"), 10));
    history->setClean();
    run(setValueCommand(model(), builder.find("a"), 11));
    undo();

    run(setValueCommand(model(), builder.find("a"), 12));
    undo();

    EXPECT_TRUE(history->isClean());
}

// --- Redo tail and texts ------------------------------------------------------------------

TEST_F(UndoHistoryTest, ACommandAfterAnUndoDropsTheRedoTail) {
    run(setValueCommand(model(), builder.find("a"), 10, "First"));
    run(setValueCommand(model(), builder.find("a"), 11, "Second"));
    undo();

    run(setValueCommand(model(), builder.find("b"), 30, "Third"));

    EXPECT_FALSE(history->canRedo());
    ASSERT_EQ(history->count(), 2u);
    EXPECT_EQ(history->command(0)->shortDescription(), "First");
    EXPECT_EQ(history->command(1)->shortDescription(), "Third");
    undo();
    undo();
    EXPECT_EQ(valueOf("a"), 1);
    EXPECT_EQ(valueOf("b"), 2);
}

TEST_F(UndoHistoryTest, TextsNameTheCommandsUndoAndRedoWouldApply) {
    EXPECT_EQ(history->undoText(), "Undo");
    EXPECT_EQ(history->redoText(), "Redo");

    run(setValueCommand(model(), builder.find("a"), 10, "Move"));
    run(renameCommand(model(), builder.find("b"), "bee"));
    undo();

    EXPECT_EQ(history->undoText(), "Undo Move");
    EXPECT_EQ(history->redoText(), "Redo Rename Item");
    EXPECT_EQ(history->undoDescription(), "Move");
    EXPECT_EQ(history->redoDescription(), "Rename Item");
}

TEST_F(UndoHistoryTest, ACommandWithoutDescriptionGetsTheBareVerb) {
    run(setValueCommand(model(), builder.find("a"), 10, ""));

    EXPECT_EQ(history->undoText(), "Undo");
    EXPECT_TRUE(history->canUndo());
}

// --- Observers ----------------------------------------------------------------------------

TEST_F(UndoHistoryTest, ObserversHearEachChangeWithTheNewMenuState) {
    ChangeLog log(*history);

    run(setValueCommand(model(), builder.find("a"), 10, "Move"));
    undo();
    history->setClean();

    ASSERT_EQ(log.seen.size(), 2u);
    EXPECT_TRUE(log.seen[0].canUndo);
    EXPECT_TRUE(log.seen[0].dirty);
    EXPECT_EQ(log.seen[0].undoText, "Undo Move");
    EXPECT_FALSE(log.seen[1].canUndo);
    EXPECT_TRUE(log.seen[1].canRedo);
    EXPECT_FALSE(log.seen[1].dirty);
    EXPECT_EQ(log.seen[1].redoText, "Redo Move");
}

TEST_F(UndoHistoryTest, ObserversHearNothingOfAFailedCommand) {
    ChangeLog log(*history);
    ErrorHolder errors;

    history->process(failingCommand(model(), builder.find("a")), errors);

    EXPECT_TRUE(log.seen.empty());
}

TEST_F(UndoHistoryTest, ObserversHearOfACommandThatChangedNothingAsUndoableAndClean) {
    ChangeLog log(*history);

    run(idleCommand(model(), "Delete"));

    ASSERT_EQ(log.seen.size(), 1u);
    EXPECT_TRUE(log.seen[0].canUndo);
    EXPECT_FALSE(log.seen[0].dirty);
    EXPECT_EQ(log.seen[0].undoText, "Undo Delete");
}

TEST_F(UndoHistoryTest, SavingTellsObserversTheDirtyFlagChanged) {
    run(setValueCommand(model(), builder.find("a"), 10));
    ChangeLog log(*history);

    history->setClean();
    history->setClean();

    ASSERT_EQ(log.seen.size(), 1u);
    EXPECT_FALSE(log.seen[0].dirty);
}

// --- One history per model ----------------------------------------------------------------

TEST_F(UndoHistoryTest, EveryInstanceOfAModelSharesOneHistory) {
    const QUILL::Model copy = model().createWorkingCopy();

    EXPECT_EQ(UndoHistory::forModel(model()), history);
    EXPECT_EQ(UndoHistory::forModel(copy), history);
    EXPECT_EQ(history->getModel(), model());
}

TEST(UndoHistoryRegistry, GivesEachModelItsOwnHistory) {
    ModelBuilder one, two;

    EXPECT_NE(UndoHistory::forModel(one.model()), UndoHistory::forModel(two.model()));
}

TEST(UndoHistoryRegistry, GivesNoHistoryForAnEmptyModel) {
    EXPECT_EQ(UndoHistory::forModel(QUILL::ImmutableModel()), nullptr);
}

TEST(UndoHistoryRegistry, ClosingTheModelEmptiesItsHistoryAndTellsObservers) {
    std::shared_ptr<UndoHistory> history;
    std::vector<UndoHistoryChanged> seen;
    WREN::Listener observer;
    {
        ModelBuilder builder;
        builder.item("a", 1);
        history = UndoHistory::forModel(builder.model());
        ErrorHolder errors;
        history->process(setValueCommand(builder.model(), builder.find("a"), 5), errors);
        history->changed().connect(observer,
                                   [&](const UndoHistoryChanged& c) { seen.push_back(c); });
    }

    EXPECT_EQ(history->count(), 0u);
    EXPECT_FALSE(history->canUndo());
    EXPECT_FALSE(history->isDirty());
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_FALSE(seen[0].dirty);
}

TEST(UndoHistoryRegistry, AClosedModelsHistoryLeavesTheRegistryEvenWhenNobodyHoldsIt) {
    std::weak_ptr<UndoHistory> weak;
    {
        ModelBuilder builder;
        weak = UndoHistory::forModel(builder.model());
        EXPECT_FALSE(weak.expired());
    }
    EXPECT_TRUE(weak.expired());
}

}  // namespace

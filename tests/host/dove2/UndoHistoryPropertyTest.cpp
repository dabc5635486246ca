#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <tuple>
#include <vector>

#include "HistoryTestModel.h"
#include "dove2/UndoHistory.h"

using namespace Dove2Test;
using DOVE2::UndoHistory;
using PARR::ErrorHolder;

namespace {

enum class Op { Add, Set, Rename, Remove, Fail, Throw, Idle, Undo, Save, Count };

// The items below the model object, in order.
std::vector<QUILL::ImmutableClassObject> itemsOf(const QUILL::Model& model) {
    std::vector<QUILL::ImmutableClassObject> items;
    for (const auto& c : model.getModelObject().getContained())
        items.push_back(c);
    return items;
}

// The command an operation stands for, built against the model as it is now; empty for the
// history operations and when there is no item to work on.
PARR::Holder<DOVE2::Command> commandFor(const QUILL::Model& model, Op op, unsigned pick,
                                        int value) {
    const auto items = itemsOf(model);
    if (op == Op::Add)
        return addItemCommand(model, "n" + std::to_string(value), value);
    if (op == Op::Idle)
        return idleCommand(model);
    if (items.empty())
        return {};
    const auto& item = items[pick % items.size()];
    switch (op) {
        case Op::Set:
            return setValueCommand(model, item, value);
        case Op::Rename:
            return renameCommand(model, item, "r" + std::to_string(value));
        case Op::Remove:
            return removeItemCommand(model, item);
        case Op::Fail:
            return failingCommand(model, item);
        case Op::Throw:
            return throwingCommand(model, item);
        default:
            return {};
    }
}

// Drives a history with random operations and keeps the model state expected at each index.
struct Session {
    explicit Session(const QUILL::Model& m) : model(m), history(UndoHistory::forModel(m)) {
        states.push_back(stateOf(model));
        saved = states.front();
    }

    void apply(Op op, unsigned pick, int value) {
        if (op == Op::Undo) {
            ErrorHolder errors;
            if (history->undo(errors))
                RC_ASSERT(stateOf(model) == states[history->index()]);
            return;
        }
        if (op == Op::Save) {
            history->setClean();
            saved = stateOf(model);
            return;
        }
        const auto command = commandFor(model, op, pick, value);
        if (!command)
            return;
        const ModelState before = stateOf(model);
        const bool wasClean = history->isClean();
        ErrorHolder errors;
        const std::size_t countBefore = history->count();
        if (!history->process(command, errors)) {
            RC_ASSERT(stateOf(model) == before);
            RC_ASSERT(history->count() == countBefore);
            return;
        }
        // Every command that ran is recorded; one that changed nothing leaves the dirty flag.
        RC_ASSERT(history->count() == history->index());
        if (stateOf(model) == before)
            RC_ASSERT(history->isClean() == wasClean);
        states.resize(history->index());
        states.push_back(stateOf(model));
    }

    QUILL::Model model;
    std::shared_ptr<UndoHistory> history;
    std::vector<ModelState> states;  // states[i]: the model with i commands done
    ModelState saved;
};

}  // namespace

RC_GTEST_PROP(UndoHistoryProperty, UndoAllRestoresTheStartAndRedoAllRestoresTheLastCommand,
              (const std::vector<std::tuple<unsigned, unsigned, int>>& ops)) {
    ModelBuilder builder;
    builder.item("a", 1).item("b", 2).item("c", 3);
    Session session(builder.model());
    for (const auto& [kind, pick, value] : ops)
        session.apply(static_cast<Op>(kind % static_cast<unsigned>(Op::Count)), pick, value);
    RC_ASSERT(session.states.size() == session.history->count() + 1);

    ErrorHolder errors;
    while (session.history->undo(errors)) {
    }
    RC_ASSERT(!errors.hasError());
    RC_ASSERT(session.history->index() == 0u);
    RC_ASSERT(stateOf(builder.model()) == session.states.front());

    while (session.history->redo(errors)) {
        RC_ASSERT(stateOf(builder.model()) == session.states[session.history->index()]);
    }
    RC_ASSERT(!errors.hasError());
    RC_ASSERT(stateOf(builder.model()) == session.states.back());
}

RC_GTEST_PROP(UndoHistoryProperty, ACleanHistoryShowsTheModelAsLastSaved,
              (const std::vector<std::tuple<unsigned, unsigned, int>>& ops)) {
    ModelBuilder builder;
    builder.item("a", 1).item("b", 2);
    Session session(builder.model());
    for (const auto& [kind, pick, value] : ops) {
        session.apply(static_cast<Op>(kind % static_cast<unsigned>(Op::Count)), pick, value);
        if (session.history->isClean())
            RC_ASSERT(stateOf(builder.model()) == session.saved);
    }
    ErrorHolder errors;
    while (session.history->undo(errors)) {
        if (session.history->isClean())
            RC_ASSERT(stateOf(builder.model()) == session.saved);
    }
}

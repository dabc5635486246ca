#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "dove2/Command.h"

namespace DOVE2 {

// A command assembled from actions instead of a subclass: each action is a callable that is
// given the command's model and an error holder, and changes the model (re-binding its own
// handles to that model first). `execute` runs the actions in the order they were added and
// stops at the first that reports an error; the label is the undo text ("Rename Block").
//
// Actions are added before the command runs; adding one after it ran is a programmer error
// (the assertion service is called), because a recorded command does not change.
class QUILLCommand : public Command {
public:
    using Action = std::function<void(const QUILL::Model& model, PARR::ErrorHolder& errors)>;

    QUILLCommand(const QUILL::Model& model, std::string label);
    ~QUILLCommand() override;

    // Appends an action; an empty function is ignored.
    void addAction(Action action);
    std::size_t actionCount() const { return actions_.size(); }

    void execute(PARR::ErrorHolder& errors) override;
    // The label given at construction.
    std::string shortDescription() const override { return label_; }

private:
    std::string label_;
    std::vector<Action> actions_;
    bool hasRun_ = false;
};

}  // namespace DOVE2

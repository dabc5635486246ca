#include "dove2/Command.h"

namespace DOVE2 {

Command::Command(const QUILL::Model& model) : model_(model) {}

Command::~Command() = default;

void Command::handleDo(PARR::ErrorHolder& errors) {
    execute(errors);
}

void Command::handleUndo(const QUILL::ChangeSet& recorded, PARR::ErrorHolder&) {
    model_.applyChanges(recorded, QUILL::Deviant::Direction::Backward);
}

void Command::handleRedo(const QUILL::ChangeSet& recorded, PARR::ErrorHolder&) {
    model_.applyChanges(recorded, QUILL::Deviant::Direction::Forward);
}

bool Command::canUndo() const {
    return true;
}

bool Command::canRedo() const {
    return true;
}

}  // namespace DOVE2

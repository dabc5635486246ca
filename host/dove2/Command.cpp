#include "dove2/Command.h"

#include "dove2/CommandChangeMerger.h"

namespace DOVE2 {

Command::Command(const QUILL::Model& model) : model_(model) {}

Command::~Command() = default;

void Command::handleDo(PARR::ErrorHolder& errors) {
    execute(errors);
}

void Command::handleUndo(const QUILL::ChangeSet& recorded, PARR::ErrorHolder&) {
    applyRecorded(recorded, QUILL::Deviant::Direction::Backward);
}

void Command::handleRedo(const QUILL::ChangeSet& recorded, PARR::ErrorHolder&) {
    applyRecorded(recorded, QUILL::Deviant::Direction::Forward);
}

void Command::applyRecorded(const QUILL::ChangeSet& recorded,
                            QUILL::Deviant::Direction direction) const {
    model_.applyChanges(CommandChangeMerger::forApply(recorded, model_.getDeviant(), direction),
                        direction);
}

bool Command::canUndo() const {
    return true;
}

bool Command::canRedo() const {
    return true;
}

}  // namespace DOVE2

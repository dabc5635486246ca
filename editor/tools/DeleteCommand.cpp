#include "tools/DeleteCommand.h"

#include <utility>

#include "application/Application.h"

namespace Vantor {

DeleteCommand::DeleteCommand(const QUILL::Model& model, std::string description)
    : DOVE2::Command(model), description_(std::move(description)) {}

DeleteCommand::~DeleteCommand() = default;

std::string DeleteCommand::shortDescription() const {
    return description_;
}

void DeleteCommand::execute(PARR::ErrorHolder& /*errors*/) {
    // Handles compare by id alone, so the re-bound set holds the same elements in the same
    // order, now changeable on the command's model.
    PARR::GSet<DOVE2::DiagramElement> bound;
    for (const DOVE2::DiagramElement& element : elements_)
        bound.insert(DOVE2::DiagramElement(element.asDeviant(getModel())));
    Application::deleteElements(bound);
}

bool DeleteCommand::addElement(const DOVE2::DiagramElement& element) {
    return elements_.insert(element);
}

}  // namespace Vantor

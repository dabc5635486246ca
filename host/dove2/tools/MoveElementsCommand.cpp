#include "dove2/tools/MoveElementsCommand.h"

#include <utility>

namespace DOVE2 {

MoveElementsCommand::MoveElementsCommand(const QUILL::Model& model,
                                         PARR::GHash<DiagramElement> elements,
                                         const PARR::GLPoint<double>& displacement)
    : Command(model), elements_(std::move(elements)), displacement_(displacement) {}

MoveElementsCommand::~MoveElementsCommand() = default;

void MoveElementsCommand::execute(PARR::ErrorHolder& /*errors*/) {
    for (const DiagramElement& element : elements_) {
        const DiagramElement here(element.asDeviant(getModel()));
        if (here.isValid())
            here.setPosition(here.getPosition() + displacement_);
    }
}

std::string MoveElementsCommand::shortDescription() const {
    return "Move";
}

}  // namespace DOVE2

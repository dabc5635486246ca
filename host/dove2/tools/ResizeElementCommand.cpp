#include "dove2/tools/ResizeElementCommand.h"

namespace DOVE2 {

ResizeElementCommand::ResizeElementCommand(const QUILL::Model& model, const DiagramElement& element,
                                           const PARR::GLPoint<double>& position,
                                           const PARR::GLPoint<double>& size)
    : Command(model), element_(element), position_(position), size_(size) {}

ResizeElementCommand::~ResizeElementCommand() = default;

void ResizeElementCommand::execute(PARR::ErrorHolder& /*errors*/) {
    const DiagramElement here(element_.asDeviant(getModel()));
    if (!here.isValid())
        return;
    here.setPosition(position_);
    here.setSize(size_);
}

std::string ResizeElementCommand::shortDescription() const {
    return "Resize";
}

}  // namespace DOVE2

#pragma once

#include <string>

#include "dove2/Command.h"
#include "dove2/DiagramElement.h"
#include "parr/GLPoint.h"

namespace DOVE2 {

// Gives one diagram element a new position (relative to its container) and a new size
// (width, height). Undo text "Resize".
class ResizeElementCommand : public Command {
public:
    // `element` may be a handle of any instance of `model`'s model; it is re-bound to `model`
    // when the command runs, and nothing happens when it is no longer there.
    ResizeElementCommand(const QUILL::Model& model, const DiagramElement& element,
                         const PARR::GLPoint<double>& position, const PARR::GLPoint<double>& size);
    ~ResizeElementCommand() override;

    void execute(PARR::ErrorHolder& errors) override;
    std::string shortDescription() const override;

    const DiagramElement& getElement() const { return element_; }
    const PARR::GLPoint<double>& getPosition() const { return position_; }
    const PARR::GLPoint<double>& getSize() const { return size_; }

private:
    DiagramElement element_;
    PARR::GLPoint<double> position_;
    PARR::GLPoint<double> size_;
};

}  // namespace DOVE2

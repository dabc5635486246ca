#pragma once

#include <string>

#include "dove2/Command.h"
#include "dove2/DiagramElement.h"
#include "parr/GHash.h"
#include "parr/GLPoint.h"

namespace DOVE2 {

// Moves a set of diagram elements by one displacement: each element's position (relative to
// its container) grows by the displacement. Elements inside a moved element follow it through
// their relative positions; the set should not hold them as well, or they move twice.
// Undo text "Move".
class MoveElementsCommand : public Command {
public:
    // Handles of any instance of `model`'s model; they are re-bound to `model` when the command
    // runs, and those no longer there are skipped.
    MoveElementsCommand(const QUILL::Model& model, PARR::GHash<DiagramElement> elements,
                        const PARR::GLPoint<double>& displacement);
    ~MoveElementsCommand() override;

    void execute(PARR::ErrorHolder& errors) override;
    std::string shortDescription() const override;

    const PARR::GHash<DiagramElement>& getElements() const { return elements_; }
    const PARR::GLPoint<double>& getDisplacement() const { return displacement_; }

private:
    PARR::GHash<DiagramElement> elements_;
    PARR::GLPoint<double> displacement_;
};

}  // namespace DOVE2

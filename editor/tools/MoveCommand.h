#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/Command.h"
#include "parr/GLPoint.h"
#include "tools/AttachedLineSets.h"

namespace Vantor {

// "Move": moves a set of diagram elements by a displacement in one undoable change, with the
// lines attached to them following: carried joints and free ends move along, segments between
// two moving things are shifted whole, segments with one moving end are routed again from the
// hints taken when the gesture began, and the reshaped lines are cleaned up.
//
// Holds copies of the sets (handles by identity, re-bound to the command's model in execute).
// Handles that are no longer valid in the model are skipped. The displacement is in diagram
// units.
class VANTOR_EXPORT MoveCommand : public DOVE2::Command {
public:
    MoveCommand(const QUILL::Model& model, const PARR::GLPoint<double>& delta,
                AttachedLineSets lines, AttachedLineSets::Elements moving);
    ~MoveCommand() override;

    // "Move".
    std::string shortDescription() const override;
    // Applies the move to getModel(); reports nothing.
    void execute(PARR::ErrorHolder& errors) override;

    const PARR::GLPoint<double>& getDelta() const { return delta_; }

private:
    template <class Handle>
    Handle here(const QUILL::ImmutableClassObject& object) const {
        return Handle(object.asDeviant(getModel()));
    }
    void shift(const AttachedLineSets::Elements& elements) const;

    PARR::GLPoint<double> delta_;
    AttachedLineSets lines_;
    AttachedLineSets::Elements moving_;
};

}  // namespace Vantor

#pragma once

#include <string>
#include <vector>

#include "application/Export.h"
#include "dove2/Command.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// "Align Left Edges": moves blocks sideways so that each one's left edge lies on the left
// edge of the leftmost of them, in one undoable change. Each block moves as the move gesture
// moves it (MoveCommand): the lines attached to it follow and are routed again.
//
// Holds the blocks by identity (re-bound to the command's model in execute); blocks no longer
// valid there are skipped. Positions are absolute diagram coordinates.
class VANTOR_EXPORT AlignEdgesCommand : public DOVE2::Command {
public:
    AlignEdgesCommand(const QUILL::Model& model, std::vector<VTQUILL::ImmutableBlock> blocks);
    ~AlignEdgesCommand() override;

    // True when aligning `blocks` would move something: at least two of them are valid and
    // their left edges differ. Reads the blocks in the instance their handles are bound to.
    static bool wouldMove(const std::vector<VTQUILL::ImmutableBlock>& blocks);

    // "Align Left Edges".
    std::string shortDescription() const override;
    // Moves every block whose left edge is right of the leftmost one; reports nothing.
    void execute(PARR::ErrorHolder& errors) override;

private:
    std::vector<VTQUILL::ImmutableBlock> blocks_;
};

}  // namespace Vantor

#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/Command.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// Pastes the engine's scrap diagram (what the last copy put there) into a diagram: the
// engine places the copies offset from the originals and makes block names unique
// (VTDove::pasteToGraph). The pasted elements are appended to the diagram's contained
// elements, in the scrap's order. Undo text "Paste".
class VANTOR_EXPORT PasteCommand : public DOVE2::Command {
public:
    // `target`: the diagram to paste into, bound to the root of `model`.
    PasteCommand(const QUILL::Model& model, const VTQUILL::Diagram& target);
    ~PasteCommand() override;

    // "Paste".
    std::string shortDescription() const override;
    // Pastes into the target re-bound to the command's model; an empty scrap pastes nothing.
    void execute(PARR::ErrorHolder& errors) override;

private:
    VTQUILL::Diagram target_;
};

}  // namespace Vantor

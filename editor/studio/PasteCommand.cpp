#include "studio/PasteCommand.h"

#include "vtdove/EngineHandles.h"
#include "vtdove/ScrapGraph.h"

namespace Vantor {

PasteCommand::PasteCommand(const QUILL::Model& model, const VTQUILL::Diagram& target)
    : DOVE2::Command(model), target_(target) {}

PasteCommand::~PasteCommand() = default;

std::string PasteCommand::shortDescription() const {
    return "Paste";
}

void PasteCommand::execute(PARR::ErrorHolder&) {
    const VTQUILL::Diagram target(target_.asDeviant(getModel()));
    VTDove::pasteToGraph(VTQUILL::getVtGraph(target));
}

}  // namespace Vantor

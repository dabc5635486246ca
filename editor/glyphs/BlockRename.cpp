#include "glyphs/BlockRename.h"

#include "dove2/QUILLCommand.h"

namespace Vantor {

bool renameBlockInEditor(DOVE2::Editor* editor, const VTQUILL::Block& block,
                         const std::string& name) {
    if (!editor || !block.isValid() || name == block.getName())
        return false;
    PARR::Holder<DOVE2::QUILLCommand> command(
        new DOVE2::QUILLCommand(block.getRootModel().getRootDeviant(), "Rename Block"));
    command->addAction([block, name](const QUILL::Model& model, PARR::ErrorHolder&) {
        VTQUILL::Block(block.asDeviant(model)).setName(name);
    });
    return editor->processCommand(command);
}

}  // namespace Vantor

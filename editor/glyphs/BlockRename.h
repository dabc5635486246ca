#pragma once

#include <string>

#include "application/Export.h"
#include "dove2/Editor.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// Renames `block` to `name` as one undoable "Rename Block" command of `editor`, for the name
// labels edited in place. Returns true when the block was renamed; false when there is no
// editor or block, the name is unchanged, or the model refused the name (the editor's command
// processing has told the user). The label then shows the block's name again.
VANTOR_EXPORT bool renameBlockInEditor(DOVE2::Editor* editor, const VTQUILL::Block& block,
                                       const std::string& name);

}  // namespace Vantor

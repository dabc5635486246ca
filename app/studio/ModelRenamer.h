#pragma once

#include <string>

#include "vtquill/VTQuill.h"

namespace VantorStudio {

// Renames a model after the file it is saved as. A model's name is the name of its system:
// its top-level diagram carries the same name, and every system path of the model (the
// editors' names, the model tree) starts with it. Renaming therefore changes the model
// object's name and the name of each top-level diagram named like the model; other top-level
// diagrams keep theirs.
//
// The rename is a change of the model itself, made in the caller's transaction on the root,
// so every view that follows the model hears of it when the caller commits. It is not an
// undoable edit: it belongs to saving the model under a new file name.
class ModelRenamer {
public:
    // The name a model takes from the file `filePath`: the file name without its ".vtm"
    // extension (other extensions stay part of the name). Empty for a path without a file name.
    static std::string nameForFile(const std::string& filePath);

    // Why `root` (a root instance) cannot be named `name`; empty when it can. A name must not
    // be empty, must hold no control characters (a system path cannot show them) and must not
    // be the name of another open model or of one of its top-level diagrams (system paths
    // must name one system).
    static std::string problemWith(const VTQUILL::Model& root, const std::string& name);

    // Renames `root` to `name` inside a transaction the caller opened on it. Nothing changes
    // when the model carries that name already.
    static void rename(const VTQUILL::Model& root, const std::string& name);
};

}  // namespace VantorStudio

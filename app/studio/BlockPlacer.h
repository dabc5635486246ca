#pragma once

#include <string>

#include "parr/GLPoint.h"
#include "vtquill/VTQuill.h"

namespace DOVE2 {
class Editor;
}

namespace VantorStudio {

// Puts library blocks into the diagram an editor shows, through the editor's undo history.
class BlockPlacer {
public:
    BlockPlacer() = delete;

    // Adds a block of `typeName` centred on `centre` (scene units, which are the shown
    // diagram's units) as one "Add Block" command processed by `editor`, and selects it.
    // Returns the new block bound to the model's root; an empty handle when the editor shows
    // no diagram or the command failed (the editor has told its command-error emitter why).
    static VTQUILL::Block addAt(DOVE2::Editor& editor, const std::string& typeName,
                                const PARR::GLPoint<double>& centre);
    // The scene point at the centre of the canvas's visible area (inside its scroll bars); the
    // scene's origin when the editor has no canvas.
    static PARR::GLPoint<double> viewCentre(const DOVE2::Editor& editor);
};

}  // namespace VantorStudio

#pragma once

#include <string>

#include "wren/Payload.h"

namespace DOVE2 {

// What an UndoHistory tells its observers each time it changes (a command pushed, an undo, a
// redo, a save marked, the model closed): everything an Edit menu and a dirty marker show,
// taken right after the change.
struct UndoHistoryChanged : WREN::Payload {
    bool canUndo = false;
    bool canRedo = false;
    bool dirty = false;
    std::string undoText;  // "Undo Move", or "Undo" when there is nothing to undo
    std::string redoText;  // "Redo Move", or "Redo" when there is nothing to redo
};

}  // namespace DOVE2

#pragma once

#include <string>

namespace PARR {

// What an undo/redo user interface drives: the owner of an undo history (an editor). Undo and
// redo when there is nothing to undo or redo do nothing.
class UndoRedoCommandTarget {
public:
    virtual ~UndoRedoCommandTarget() = default;

    // True while there are changes not yet saved.
    virtual bool isDirty() const = 0;

    virtual bool canUndo() const = 0;
    virtual bool canRedo() const = 0;
    virtual void undo() = 0;
    virtual void redo() = 0;
    // The short description of the command undo() or redo() would apply ("Move"), or an
    // empty text when there is none.
    virtual std::string undoText() const = 0;
    virtual std::string redoText() const = 0;
};

}  // namespace PARR

#pragma once

#include "dove2/Command.h"
#include "parr/ErrorHolder.h"
#include "quill/Model.h"

namespace DOVE2 {

// Live previews of a tool's gesture in a working copy (the editor's view instance): each
// preview replaces the one before, and the root is never changed by a preview.
//
// A preview is a command built on the working copy and run in a committed transaction there,
// so views bound to the working copy follow it through the copy's reports. Dropping the
// preview (syncFromRoot in a committed transaction) makes the copy show the root again; the
// report names the objects put back.
//
// The working copy is not owned. The session drops its preview when destroyed (when the copy
// is still open and no transaction is open on it). All calls on the user-interface thread.
class PreviewSession {
public:
    // Previews in `workingCopy`, which must be a working copy (previews on a root are refused).
    explicit PreviewSession(const QUILL::Model& workingCopy);
    PreviewSession(const PreviewSession&) = delete;
    PreviewSession& operator=(const PreviewSession&) = delete;
    ~PreviewSession();

    const QUILL::Model& getWorkingCopy() const { return workingCopy_; }

    // Drops the previous preview, then runs `command` (built on the working copy; it is not
    // recorded anywhere) in a new transaction on the working copy and commits. Returns false
    // with the error in `errors` when the command set an error or threw (its changes are
    // rolled back, so the copy shows the root), or when the session cannot preview (the copy
    // is a root, closed or in a transaction, or the command is built on another instance).
    bool show(Command& command, PARR::ErrorHolder& errors);

    // Makes the working copy show the root again. Does nothing on a closed copy or inside a
    // transaction on it; when the copy holds no changes nobody hears anything.
    void dropPreview();

    // True when the working copy holds changes of its own (a preview of this session or of
    // anyone else previewing in the same copy).
    bool hasPreview() const;

private:
    bool refuse(const Command& command, PARR::ErrorHolder& errors) const;

    QUILL::Model workingCopy_;
};

}  // namespace DOVE2

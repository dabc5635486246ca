#pragma once

#include "parr/StringID.h"
#include "rook2/KeyEvent.h"
#include "rook2/Tool.h"

namespace DOVE2 {

class Editor;

// The tool that deletes an editor's selection from the keyboard. It stays on the tool stack
// (made when the editor's tools are installed) and acts on a press of Delete or Backspace:
// prepareDelete, then deleteSelection; the key is consumed. Other events are left to the
// tools below.
//
// Default deleteSelection: one DeleteElementsCommand ("Delete") on the root for the selected
// elements, processed by the editor; nothing when the selection is empty.
//
// The editor is not owned and must outlive the tool. User-interface thread only.
class DeleteTool : public ROOK2::Tool {
public:
    // Key codes (the Qt::Key values) that delete.
    static constexpr int kDeleteKey = 0x01000007;
    static constexpr int kBackspaceKey = 0x01000003;

    explicit DeleteTool(Editor& editor);
    ~DeleteTool() override;

    // "DOVE2:DeleteTool".
    static PARR::StringID staticGetDefaultRole();
    PARR::StringID getDefaultRole() const override { return staticGetDefaultRole(); }

    Editor& getEditor() const { return editor_; }
    // True for the keys that delete (Delete, Backspace).
    static bool isDeleteKey(int key) { return key == kDeleteKey || key == kBackspaceKey; }

    void handleKeyPressEvent(ROOK2::KeyEvent& event) override;

    // Runs before each deletion. Default: nothing.
    virtual void prepareDelete();
    // Deletes the editor's selection (see the class comment).
    virtual void deleteSelection();

private:
    Editor& editor_;
};

}  // namespace DOVE2

#pragma once

#include <cstddef>
#include <vector>

#include "application/Export.h"
#include "harbor/StudioClipboardAdapter.h"
#include "quill/ImmutableClassObject.h"

namespace Vantor {

class Editor;

// Connects the studio's Cut, Copy and Paste actions to one block-diagram editor. The copied
// content lives in the engine's scrap diagram (VTDove::copyToScrapGraph); the studio
// clipboard gets only a marker: one item under the key "vantor" holding the integer 0, so the
// studio knows that diagram content can be pasted. The editor owns the adapter (installed in
// Editor::initialize, terminated in Editor::terminate).
//
//  - copy: the selected blocks, segments and annotations go to the scrap diagram and the
//    marker to the clipboard; a selection with none of them (only ports or solder joints)
//    leaves both alone;
//  - cut: a copy, then the selection deleted by one undoable "Cut" command; nothing at all
//    when the copy found nothing to copy;
//  - paste: one undoable "Paste" command (PasteCommand) into the editor's diagram; the pasted
//    blocks, annotations and segments become the selection, and pasted chart blocks get
//    copies of the copied blocks' charts (CHARTIX::ChartClipboard).
// Copy and cut are always offered; paste only while the clipboard holds the "vantor" marker.
class VANTOR_EXPORT ClipboardAdapter : public HARBOR::StudioClipboardAdapter {
public:
    // The key of the clipboard marker.
    static constexpr const char* kMimeKey = "vantor";

    // Registers the marker's key ("vantor", an "int" key) with the MIME registry on first
    // construction.
    explicit ClipboardAdapter(Editor& editor);
    ~ClipboardAdapter() override;

    bool canCopy() const override;
    bool canCut() const override;
    // True while the studio clipboard holds an item under "vantor".
    bool canPaste() const override;
    void copy() override;
    // `data` is not read: what is pasted is the scrap diagram's content.
    void paste(const PARR::MimeData2* data) override;
    void cut() override;

    Editor& getEditor() const { return editor_; }

private:
    // Copies the selection; false when it held nothing to copy.
    bool copySelection();
    // The last `count` elements of the editor's diagram (what a paste appended), in order.
    std::vector<QUILL::ImmutableClassObject> lastElements(std::size_t count) const;
    // Makes `elements` the selection.
    void select(const std::vector<QUILL::ImmutableClassObject>& elements);

    Editor& editor_;
};

}  // namespace Vantor

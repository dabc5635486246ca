#pragma once

#include "application/Export.h"
#include "harbor/StudioClipboardAdapter.h"

namespace Vantor {

class Editor;

// Connects the studio's Cut, Copy and Paste actions to one block-diagram editor. The editor
// owns it (installed in Editor::initialize, terminated in Editor::terminate). Until the
// editor's clipboard gestures are built it offers nothing: the studio then greys the actions
// out for block diagrams instead of pretending to cut or paste.
class VANTOR_EXPORT ClipboardAdapter : public HARBOR::StudioClipboardAdapter {
public:
    explicit ClipboardAdapter(Editor& editor);
    ~ClipboardAdapter() override;

    Editor& getEditor() const { return editor_; }

private:
    Editor& editor_;
};

}  // namespace Vantor

#pragma once

#include "rook2/Tool.h"

namespace DOVE2 {

class Editor;

// Base of the tools an editor runs for a gesture chosen on its palette (drawing edges, a
// placeholder that does nothing). Every event handler is the ROOK2 default: it ignores the
// event and leaves it to the tools below. A palette tool stays on the tool stack until it
// reports isDone (default: never).
//
// The editor is not owned and must outlive the tool (the editor clears its tool stack before
// it goes). User-interface thread only.
class PaletteTool : public ROOK2::Tool {
public:
    explicit PaletteTool(Editor& editor);
    ~PaletteTool() override;

    // The editor the tool works in.
    Editor& getEditor() const { return editor_; }

private:
    Editor& editor_;
};

}  // namespace DOVE2

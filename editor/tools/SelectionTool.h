#pragma once

#include "application/Export.h"
#include "dove2/DiagramElement.h"
#include "dove2/tools/SelectionTool.h"
#include "parr/StringID.h"

namespace Vantor {

class LineMoveTool;

// The block-diagram editor's default tool: the framework's selection (click, extend, marquee,
// drag threshold) whose drags of line parts reshape the line instead of moving it. A drag that
// starts on a segment or a solder joint goes to the line move tool (role "MoveLine"); any
// other drag goes to the framework's move, which uses the move tool the domain installs.
//
// The editor is not owned and must outlive the tool. User-interface thread only.
class VANTOR_EXPORT SelectionTool : public DOVE2::SelectionTool {
public:
    explicit SelectionTool(DOVE2::Editor& editor);
    ~SelectionTool() override;

    // Hands the drag that `event` continues to the tool that serves what was pressed: a solder
    // joint under the press (its glyph is not selectable, so the press selected the segment
    // through it) or a pressed segment to a new line move tool, with the press and `event`
    // replayed into it; anything else to the framework's move. When the "MoveLine" role makes
    // no line move tool, the framework's move serves the drag.
    void invokeMoveTool(ROOK2::MouseEvent& event) override;

    // The element whose line part a drag from the last press reshapes: the solder joint whose
    // glyph is under the press, else the pressed segment; empty when neither.
    DOVE2::DiagramElement pressedLinePart() const;

private:
    DOVE2::DiagramElement elementOf(const ROOK2::Node* node) const;
};

}  // namespace Vantor

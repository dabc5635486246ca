#pragma once

#include "dove2/DiagramElement.h"
#include "dove2/tools/Marquee.h"
#include "parr/GLRect.h"
#include "parr/GList.h"
#include "rook2/SelectionTool.h"

namespace DOVE2 {

class Editor;

// An editor's default tool, at the bottom of its tool stack. On top of the scene's selection
// (ROOK2::SelectionTool: a left press selects the glyph under the pointer, Shift or Control
// toggles it, a press on empty space clears the selection unless Shift or Control is held,
// and a drag of at least kDragThreshold widget pixels from a selected movable glyph starts a
// move through invokeMoveTool), it selects by marquee: a press on empty space followed by a
// drag shows a rectangle (Marquee) and the release selects every selectable glyph lying wholly
// inside it, adding to the selection.
//
// The editor is not owned and must outlive the tool. User-interface thread only.
class SelectionTool : public ROOK2::SelectionTool {
public:
    explicit SelectionTool(Editor& editor);
    ~SelectionTool() override;

    Editor& getEditor() const { return editor_; }

    void handleMousePressEvent(ROOK2::MouseEvent& event) override;
    void handleMouseMoveEvent(ROOK2::MouseEvent& event) override;
    void handleMouseReleaseEvent(ROOK2::MouseEvent& event) override;

    // Called once a press on a movable selected glyph has turned into a drag (`event` is the
    // move that crossed the threshold). Default: puts the tool of role
    // ROOK2::MoveTool::staticGetDefaultRole() on the editor's tool stack and replays into it
    // a copy of the last press (lastMousePressEvent), then `event`. Nothing happens when no
    // constructor has that role.
    void invokeMoveTool(ROOK2::MouseEvent& event) override;

    // The marquee of the current gesture (shown or not).
    const Marquee& getMarquee() const { return marquee_; }

    // The elements whose selectable glyphs lie wholly inside `rect` (scene coordinates), in
    // drawing order; empty when the editor shows no diagram.
    PARR::GList<DiagramElement> elementsInside(const PARR::GLRect<double>& rect) const;

private:
    void selectInside(const PARR::GLRect<double>& rect);

    Editor& editor_;
    Marquee marquee_;
};

}  // namespace DOVE2

#pragma once

#include "dove2/DiagramElement.h"
#include "parr/GLPoint.h"
#include "parr/GLRect.h"
#include "parr/Holder.h"
#include "rook2/RectNode.h"
#include "rook2/ResizeBehavior.h"

namespace DOVE2 {

class Editor;

// The tool of one resize gesture in an editor: a corner handle of a glyph (ROOK2::
// ResizeControls) puts it on the tool stack (role ROOK2::ResizeBehavior::staticGetDefaultRole())
// and drives it; it is done after the release.
//
// Rectangles are the glyph root's box in the frame of the root's parent node: scene
// coordinates for a top-level glyph, the container glyph's frame (where the element's
// position is relative to its container) for a nested one.
//
// The gesture calls its hooks in this order:
//   press:      recordStartingConditions (the element, its glyph's minimum size and the
//               origin offset);
//   each move:  calculateRect(the handle's rectangle), then resizeTo(that rectangle);
//   release:    calculateRect, then finishResize.
// calculateRect keeps the corner opposite the dragged one where it was (or, when
// shouldResizeAboutCenter, the centre), keeps the starting aspect ratio when
// shouldPreserveAspect, and never goes below the glyph's minimum size (nor below 0): dragging
// past the fixed corner leaves the minimum size, it does not flip the rectangle.
//
// Default behaviour: with live preview (the constructor's flag), each step gives the element
// the rectangle in the editor's view instance; without it, a dashed outline in the scene shows
// the rectangle. The release drops the previews and processes one ResizeElementCommand on the
// root (none when the rectangle did not change). The element's position is the rectangle's
// top-left corner minus the origin offset; its size, the rectangle's size.
//
// The editor is not owned and must outlive the tool. User-interface thread only.
class ResizeBehavior : public ROOK2::ResizeBehavior {
public:
    explicit ResizeBehavior(Editor& editor, bool livePreview = true);
    ~ResizeBehavior() override;

    Editor& getEditor() const { return editor_; }
    bool isLivePreview() const { return livePreview_; }
    bool isDone() const override { return done_; }

    void beginResize(ROOK2::Node& target, Corner corner, const PARR::GLRect<double>& startRect,
                     ROOK2::MouseEvent& event) override;
    void resizeStep(const PARR::GLRect<double>& rect, ROOK2::MouseEvent& event) override;
    void endResize(const PARR::GLRect<double>& rect, ROOK2::MouseEvent& event) override;

    // Records, at the press, the element under resize (the element of the target node's
    // glyph), its glyph's minimum size and the origin offset.
    virtual void recordStartingConditions(ROOK2::MouseEvent& event);
    // The element under resize, bound to the editor's view instance; empty outside a gesture
    // or when the target has no glyph.
    const DiagramElement& getDiagramElement() const { return element_; }
    // The starting rectangle's top-left corner minus the element's position at the press.
    const PARR::GLPoint<double>& getOriginOffset() const { return originOffset_; }
    // The smallest width and height the rectangle may have (the glyph's minSize, not below 0).
    const PARR::GLPoint<double>& getMinimumSize() const { return minimumSize_; }

    // The rectangle the element gets when the handle asks for `requested` (the box spanned by
    // the fixed corner and the dragged one) under `event`'s modifiers; see the class comment.
    virtual PARR::GLRect<double> calculateRect(const PARR::GLRect<double>& requested,
                                               const ROOK2::MouseEvent& event) const;
    // Default: Control is held.
    virtual bool shouldResizeAboutCenter(const ROOK2::MouseEvent& event) const;
    // Default: Shift is held.
    virtual bool shouldPreserveAspect(const ROOK2::MouseEvent& event) const;

    // One step of the gesture, with the calculated rectangle.
    virtual void resizeTo(const PARR::GLRect<double>& rect);
    // The release, with the calculated rectangle.
    virtual void finishResize(const PARR::GLRect<double>& rect);

protected:
    // The element's position for `rect` (the rectangle's top-left minus the origin offset).
    PARR::GLPoint<double> positionFor(const PARR::GLRect<double>& rect) const;
    // Replaces the minimum size recorded from the glyph (negative components count as 0); for a
    // behaviour whose domain imposes a minimum of its own, after recordStartingConditions.
    void setMinimumSize(const PARR::GLPoint<double>& size);
    // Nothing: the node follows its element through the glyph, never the gesture directly.
    void applyRect(const PARR::GLRect<double>& rect) override;

private:
    void showOutline(const PARR::GLRect<double>& rect);
    void removeOutline();
    void previewInViewInstance(const PARR::GLRect<double>& rect);

    Editor& editor_;
    bool livePreview_;
    bool done_ = false;
    DiagramElement element_;
    PARR::GLPoint<double> originOffset_;
    PARR::GLPoint<double> minimumSize_;
    PARR::GLPoint<double> startPosition_;
    PARR::Holder<ROOK2::RectNode> outline_;
};

}  // namespace DOVE2

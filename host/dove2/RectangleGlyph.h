#pragma once

#include "dove2/Glyph.h"
#include "rook2/RectNode.h"

namespace DOVE2 {

// The framework's generic glyph of a node-like element: a selectable, movable rectangle
// with a black outline and white fill, placed at the element's position (relative to its
// container) with the element's size.
class RectangleGlyph : public Glyph {
public:
    explicit RectangleGlyph(const DiagramElement& element) : Glyph(element) {}

    // Makes the rectangle node in the glyph's scene.
    void create() override;
    // The rectangle; empty before `create`.
    PARR::Holder<ROOK2::Node> getRoot() const override { return rect_; }
    // Moves and sizes the rectangle to the element.
    void update() override;
    // In an editor of a studio with a framework application: a double click on an element
    // that owns a diagram (a subsystem) opens that diagram's editor.
    void handleMouseDoubleClickEvent(ROOK2::MouseEvent& event) override;

private:
    void updateResizeControls();

    PARR::Holder<ROOK2::RectNode> rect_;
};

}  // namespace DOVE2

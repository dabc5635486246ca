#pragma once

#include "dove2/RectangleGlyph.h"
#include "parr/Holder.h"
#include "rook2/TextNode.h"

namespace CHARTIX {

// The glyph of a chart's state: the framework's rectangle (selectable, movable, resizable in
// an editor) with the state's name centred in it. Node coordinates: relative to the
// rectangle, which sits at the state's position in the chart.
class StateGlyph : public DOVE2::RectangleGlyph {
public:
    explicit StateGlyph(const DOVE2::DiagramElement& state) : DOVE2::RectangleGlyph(state) {}

    // The rectangle, then the name inside it.
    void create() override;
    // The rectangle, then the name's text and place.
    void update() override;

    // The name node; empty before `create`.
    const PARR::Holder<ROOK2::TextNode>& getNameNode() const { return name_; }

private:
    PARR::Holder<ROOK2::TextNode> name_;
};

}  // namespace CHARTIX

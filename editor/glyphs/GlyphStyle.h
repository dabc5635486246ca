#pragma once

#include <vector>

#include "parr/Color.h"
#include "parr/GLPoint.h"
#include "parr/Holder.h"
#include "rook2/Fill.h"
#include "rook2/OpenLinearPathNode.h"
#include "rook2/Stroke.h"

namespace Vantor {

// The colours, strokes and small shapes the block-diagram glyphs draw with. Every stroke is a
// cosmetic one (width 0) on the shared level-of-detail scale; style 1 is the ordinary solid
// stroke, style 2 marks a segment with a free end.
class GlyphStyle {
public:
    using Point = PARR::GLPoint<double>;

    static PARR::Color black() { return {0, 0, 0, 1}; }
    static PARR::Color red() { return {1, 0, 0, 1}; }
    static PARR::Color transparent() { return {0, 0, 0, 0}; }

    // A cosmetic stroke of `color` with `style` (ROOK2::Stroke::Solid or Dashed).
    static ROOK2::Stroke stroke(const PARR::Color& color, int style = ROOK2::Stroke::Solid);
    static ROOK2::Fill fill(const PARR::Color& color) { return ROOK2::Fill(color); }

    // An open polyline through `points` (the node's own frame) stroked solid in `color`, with
    // a transparent fill. The node is new, in no scene; the caller places it.
    static PARR::Holder<ROOK2::OpenLinearPathNode> chevron(const std::vector<Point>& points,
                                                           const PARR::Color& color);
};

}  // namespace Vantor

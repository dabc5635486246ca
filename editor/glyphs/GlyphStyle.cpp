#include "glyphs/GlyphStyle.h"

#include "rook2/LodScale.h"

namespace Vantor {

ROOK2::Stroke GlyphStyle::stroke(const PARR::Color& color, int style) {
    return ROOK2::Stroke(color, 0, style, 0, 0, ROOK2::LodScale::instance());
}

PARR::Holder<ROOK2::OpenLinearPathNode> GlyphStyle::chevron(const std::vector<Point>& points,
                                                            const PARR::Color& color) {
    PARR::Holder<ROOK2::OpenLinearPathNode> node(new ROOK2::OpenLinearPathNode(points));
    node->setStroke(stroke(color));
    node->setFill(fill(transparent()));
    return node;
}

}  // namespace Vantor

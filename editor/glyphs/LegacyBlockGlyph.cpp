#include "glyphs/LegacyBlockGlyph.h"

#include "glyphs/GlyphStyle.h"
#include "rook2/ResizeControls.h"

namespace Vantor {

LegacyBlockGlyph::LegacyBlockGlyph(const VTQUILL::Block& block)
    : BlockGlyph(block), root(new ROOK2::RectNode()) {}

LegacyBlockGlyph::~LegacyBlockGlyph() = default;

void LegacyBlockGlyph::createBlockContent() {
    root->setStroke(GlyphStyle::stroke(GlyphStyle::black()));
    root->setFill(GlyphStyle::fill({1, 1, 1, 1}));
}

void LegacyBlockGlyph::updateBlockContent() {
    root->setRect(getBlockBoundsIn(*root));
    // The handles were placed before the rectangle took the block's new size.
    if (ROOK2::ResizeControls::countResizeControls(*root) > 0)
        ROOK2::ResizeControls::installCornerResizeControls(*root);
}

}  // namespace Vantor

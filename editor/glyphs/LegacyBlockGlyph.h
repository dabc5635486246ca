#pragma once

#include "application/Export.h"
#include "glyphs/BlockGlyph.h"
#include "parr/Holder.h"
#include "rook2/RectNode.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// The glyph of a block that has no glyph class of its own. Its root is a rectangle node,
// made with the glyph (so that it exists from the moment the glyph is placed in an editor),
// at the block's position and of the block's size: the block's frame (black outline, white
// fill), which is also the area that selects, moves and resizes the block. The block's name
// label, indicators, ports and resize handles hang under it.
class VANTOR_EXPORT LegacyBlockGlyph : public BlockGlyph {
public:
    explicit LegacyBlockGlyph(const VTQUILL::Block& block);
    ~LegacyBlockGlyph() override;

    // The frame rectangle; never empty.
    PARR::Holder<ROOK2::Node> getRoot() const override { return root; }

protected:
    // Gives the root its outline and fill.
    void createBlockContent() override;
    // Sizes the root's rectangle to the block: the block's bounds in the root's own frame,
    // (0, 0) to (width, height); resize handles shown on the root follow its corners.
    void updateBlockContent() override;

private:
    PARR::Holder<ROOK2::RectNode> root;
};

}  // namespace Vantor

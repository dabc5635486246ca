#pragma once

#include <boost/shared_ptr.hpp>

#include "application/Export.h"
#include "glyphs/BlockGlyph.h"
#include "parr/Holder.h"
#include "rook2/RectNode.h"
#include "vtquill/VTQuill.h"

namespace VantorRenderer {
class BGPainterFacade;
}

namespace Vantor {

// The glyph of a block that has no glyph class of its own: the engine draws it. Its root is
// an invisible rectangle node (transparent outline) at the block's position and of the
// block's size: the area that selects, moves and resizes the block. Under it, at the bottom,
// hang the nodes of the block's render entry in the editor's block render cache
// (BlockModifyListener), which replay the engine's recorded drawing; above them the name
// label, indicators, ports and resize handles.
//
// The entry is looked up in the editor's current listener when the glyph joins the editor
// and again at every update, so a glyph made before the listener (or kept across a new
// listener) shows the entry the listener holds now. The glyph shares the entry's ownership.
// Where no cache is kept (no editor, or a canvas painting on the user-interface thread) the
// glyph makes an entry of its own and has the engine draw the block at every update. A
// block the editor's listener keeps no entry for (a block of a type given a glyph class
// meanwhile) shows only the invisible root and the block glyph's label and indicators.
class VANTOR_EXPORT LegacyBlockGlyph : public BlockGlyph {
public:
    explicit LegacyBlockGlyph(const VTQUILL::Block& block);
    ~LegacyBlockGlyph() override;

    // The block's rectangle node; never empty.
    PARR::Holder<ROOK2::Node> getRoot() const override { return root; }
    // The render entry shown; null when there is none.
    const boost::shared_ptr<VantorRenderer::BGPainterFacade>& getRenderEntry() const {
        return entry;
    }

protected:
    // The block glyph's placement, then the entry looked up and sized to the element.
    void onSetEditor() override;
    // Gives the root its invisible outline.
    void createBlockContent() override;
    // The entry looked up again and shown at the block's size (stretched while the block is
    // resized and not yet drawn again); the root's rectangle sized to the block, (0, 0) to
    // (width, height) in its own frame; resize handles shown on it follow its corners.
    void updateBlockContent() override;

private:
    // Hangs the entry the editor's listener holds for the block (if another than the one
    // shown) under the root, beneath everything else; takes the old one's nodes away.
    void lookUpEntry();
    // True in an editor that will set up a block render cache (the canvas renders on a
    // thread of its own): the glyph waits for its entry instead of drawing itself.
    bool waitsForRenderCache() const;
    // An entry of the glyph's own, drawn by the glyph at every update (no cache: a scene
    // without editor, or a canvas painting on the user-interface thread).
    boost::shared_ptr<VantorRenderer::BGPainterFacade> makeOwnEntry() const;

    PARR::Holder<ROOK2::RectNode> root;
    boost::shared_ptr<VantorRenderer::BGPainterFacade> entry;
    // The entry is the glyph's own (no listener).
    bool drawsItself = false;
};

}  // namespace Vantor

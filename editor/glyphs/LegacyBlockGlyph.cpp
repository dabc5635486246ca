#include "glyphs/LegacyBlockGlyph.h"

#include "glyphs/GlyphStyle.h"

#include <boost/make_shared.hpp>

#include "renderer/BGPainterFacade.h"
#include "renderer/BlockModifyListener.h"
#include "rook2/GLBridge.h"
#include "rook2/ResizeControls.h"
#include "studio/Editor.h"

namespace Vantor {

LegacyBlockGlyph::LegacyBlockGlyph(const VTQUILL::Block& block)
    : BlockGlyph(block), root(new ROOK2::RectNode()) {}

LegacyBlockGlyph::~LegacyBlockGlyph() = default;

void LegacyBlockGlyph::onSetEditor() {
    BlockGlyph::onSetEditor();
    lookUpEntry();
    if (!entry)
        return;
    const PARR::GLPoint<double> size = diagramElement().getSize();
    entry->setSize(size.x, size.y);
}

void LegacyBlockGlyph::createBlockContent() {
    root->setStroke(ROOK2::Stroke(GlyphStyle::transparent(), 1, ROOK2::Stroke::Solid, 0, 0,
                                  ROOK2::LodScale::instance()));
}

bool LegacyBlockGlyph::waitsForRenderCache() const {
    // Such an editor makes its listener when it is given its diagram, after its glyphs.
    return ROOK2::GLBridge::isMultiThreaded() && dynamic_cast<Editor*>(getEditor());
}

boost::shared_ptr<VantorRenderer::BGPainterFacade> LegacyBlockGlyph::makeOwnEntry() const {
    const PARR::GLPoint<double> size = block().getSize();
    return boost::make_shared<VantorRenderer::BGPainterFacade>(
        getScene(), size, boost::make_shared<VantorRenderer::DOVERenderAdapter>(size.x, size.y));
}

void LegacyBlockGlyph::lookUpEntry() {
    auto* editor = dynamic_cast<Editor*>(getEditor());
    VantorRenderer::BlockModifyListener* listener = editor ? editor->getModifyListener() : nullptr;
    boost::shared_ptr<VantorRenderer::BGPainterFacade> current;
    if (listener)
        current = listener->getRenderEntry(block());
    else if (!waitsForRenderCache())
        current = drawsItself ? entry : makeOwnEntry();
    drawsItself = !listener && current;
    if (current == entry)
        return;
    if (entry)
        entry->getRoot()->remove();
    entry = current;
    if (!entry)
        return;
    entry->getRoot()->setParent(root.get());
    // The name label and the handles stay above the drawing.
    entry->getRoot()->toBottom();
}

void LegacyBlockGlyph::updateBlockContent() {
    lookUpEntry();
    const VTQUILL::Block shown = block();
    if (entry) {
        const PARR::GLPoint<double> size = shown.getSize();
        if (drawsItself) {
            entry->getAdapter()->renderBlock(shown);
            entry->refresh(size.x, size.y);
        }
        entry->showAt(size.x, size.y);
    }
    root->setRect(getBlockBoundsIn(*root));
    // The handles were placed before the rectangle took the block's new size.
    if (ROOK2::ResizeControls::countResizeControls(*root) > 0)
        ROOK2::ResizeControls::installCornerResizeControls(*root);
}

}  // namespace Vantor

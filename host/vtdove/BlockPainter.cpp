#include "vtdove/BlockPainter.h"

#include "vtdove/BlockIcons.h"
#include "vtdove/BlockLibrary.h"
#include "vtdove/TranslatingRenderer.h"

namespace VTDove {

void paintBlockGraphics(const VTQUILL::ImmutableBlock& block,
                        VantorRenderer::IVantorRenderer& renderer) {
    TranslatingRenderer inDiagram(renderer, block.getPosition());
    const BlockType* type = BlockLibrary::instance().find(block.getType());
    if (type && type->draw) {
        type->draw(block, inDiagram);
    } else {
        BlockIcons::unknown(block, inDiagram);
    }
}

}  // namespace VTDove

namespace VTQUILL::detail {

void paintBlock(const ImmutableBlock& block, VantorRenderer::IVantorRenderer& renderer) {
    VTDove::paintBlockGraphics(block, renderer);
}

}  // namespace VTQUILL::detail

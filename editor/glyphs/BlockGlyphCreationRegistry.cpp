#include "glyphs/BlockGlyphCreationRegistry.h"

#include <utility>

namespace Vantor {

BlockGlyphCreationRegistry* BlockGlyphCreationRegistry::getInstance() {
    // Never destroyed: creators of other modules may be asked for glyphs until the end.
    static BlockGlyphCreationRegistry* const registry = new BlockGlyphCreationRegistry();
    return registry;
}

void BlockGlyphCreationRegistry::registerCreateGlyph(std::string blockType, Creator creator) {
    creators.insertOrAssign(PARR::StringID(blockType), std::move(creator));
}

PARR::Holder<DOVE2::Glyph> BlockGlyphCreationRegistry::createBlockGlyphFromType(
    const VTQUILL::Block& block) const {
    if (creators.empty())
        return {};
    const Creator* creator = creators.find(PARR::StringID(block.getType()));
    if (!creator)
        return {};
    return (*creator)(block);
}

bool BlockGlyphCreationRegistry::hasRegisteredBlockGlyph(const VTQUILL::Block& block) const {
    if (creators.empty())
        return false;
    return creators.contains(PARR::StringID(block.getType()));
}

}  // namespace Vantor

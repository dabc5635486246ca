#pragma once

#include <string>

#include <boost/function.hpp>

#include "application/Export.h"
#include "dove2/Glyph.h"
#include "parr/GHash.h"
#include "parr/Holder.h"
#include "parr/StringID.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

// The process-wide table through which other modules of the host give blocks of a type a
// glyph class of their own: block type (exactly as VTQUILL::Block::getType gives it, letter
// case included) -> creator. The glyph factory asks it first for every block; a block whose
// type has no creator, or whose creator gives nothing, gets the built-in glyph.
//
// Made on the first getInstance and never destroyed; entries are only added or replaced.
// User-interface thread only; the lazy creation is not guarded against concurrent first calls.
class VANTOR_EXPORT BlockGlyphCreationRegistry {
public:
    // Makes the glyph of a block; may return an empty holder to leave the block to the
    // built-in choice.
    using Creator = boost::function<PARR::Holder<DOVE2::Glyph>(VTQUILL::Block const&)>;

    // The singleton, made on the first call.
    static BlockGlyphCreationRegistry* getInstance();

    BlockGlyphCreationRegistry(const BlockGlyphCreationRegistry&) = delete;
    BlockGlyphCreationRegistry& operator=(const BlockGlyphCreationRegistry&) = delete;

    // Stores `creator` under `blockType`; a type registered before keeps its entry with the
    // new creator (the last registration wins).
    void registerCreateGlyph(std::string blockType, Creator creator);
    // What the creator registered for the block's type makes of the block; an empty holder
    // when the type has none. A registered creator that holds no callable throws
    // boost::bad_function_call ("call to empty boost::function").
    PARR::Holder<DOVE2::Glyph> createBlockGlyphFromType(const VTQUILL::Block& block) const;
    // Whether a creator is registered for the block's type (without calling it).
    bool hasRegisteredBlockGlyph(const VTQUILL::Block& block) const;

private:
    BlockGlyphCreationRegistry() = default;

    PARR::GHash<PARR::StringID, Creator> creators;
};

}  // namespace Vantor

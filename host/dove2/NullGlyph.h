#pragma once

#include "dove2/Glyph.h"

namespace DOVE2 {

// The glyph of an element that has no drawing of its own (a line whose segments draw it, a
// line end): it makes no scene node, so it is never hit, selected or moved, and the glyphs
// of its contained elements go to the top level of the scene.
class NullGlyph : public Glyph {
public:
    explicit NullGlyph(const DiagramElement& element) : Glyph(element) {}

    // Always empty.
    PARR::Holder<ROOK2::Node> getRoot() const override { return {}; }
};

}  // namespace DOVE2

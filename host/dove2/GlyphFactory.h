#pragma once

#include "dove2/DiagramElement.h"
#include "dove2/Glyph.h"
#include "parr/Holder.h"

namespace DOVE2 {

// Makes the glyph of each diagram element a Graphics shows. A domain's factory derives from
// this class and from QUILL::CooperativeVisitor::Visitor<PARR::Holder<Glyph>, DiagramElement>
// to choose glyph classes per element class; `makeGlyph` then visits the element. A plain
// GlyphFactory gives the generic glyphs of `create`.
// Factories hold no per-diagram state; every call makes a fresh glyph owned by the holder.
class GlyphFactory {
public:
    GlyphFactory() = default;
    GlyphFactory(const GlyphFactory&) = default;
    GlyphFactory& operator=(const GlyphFactory&) = default;
    virtual ~GlyphFactory();

    // The framework's generic glyph of `element`: a polyline (PolylineGlyph) for a graph
    // edge, a rectangle at the element's position with its size (RectangleGlyph) for any
    // other element. An empty holder for an invalid handle.
    PARR::Holder<Glyph> create(const DiagramElement& element) const;

    // The glyph Graphics shows for `element`: the visitor's answer when this factory is a
    // cooperative visitor of glyph holders, `create` otherwise. May be empty (an invalid
    // handle, or a visit operation that gives nothing).
    PARR::Holder<Glyph> makeGlyph(const DiagramElement& element);
};

}  // namespace DOVE2

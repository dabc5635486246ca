#include "dove2/GlyphFactory.h"

#include "dove2/GraphEdge.h"
#include "dove2/PolylineGlyph.h"
#include "dove2/RectangleGlyph.h"
#include "quill/CooperativeVisitor.h"

namespace DOVE2 {

GlyphFactory::~GlyphFactory() = default;

PARR::Holder<Glyph> GlyphFactory::create(const DiagramElement& element) const {
    if (!element.isValid())
        return {};
    if (element.isKindOf(GraphEdge::MetaClass()))
        return PARR::Holder<Glyph>(new PolylineGlyph(element));
    return PARR::Holder<Glyph>(new RectangleGlyph(element));
}

PARR::Holder<Glyph> GlyphFactory::makeGlyph(const DiagramElement& element) {
    using GlyphVisitor = QUILL::CooperativeVisitor::Visitor<PARR::Holder<Glyph>, DiagramElement>;
    if (!element.isValid())
        return {};
    if (auto* visitor = dynamic_cast<GlyphVisitor*>(this))
        return visitor->visit(element);
    return create(element);
}

}  // namespace DOVE2

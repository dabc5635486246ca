#include "glyphs/GlyphFactory.h"

#include <memory>

#include "dove2/NullGlyph.h"
#include "glyphs/AnnotationGlyph.h"
#include "glyphs/BlockGlyphCreationRegistry.h"
#include "glyphs/ChartixGlyph.h"
#include "glyphs/LegacyBlockGlyph.h"
#include "glyphs/PortGlyph.h"
#include "glyphs/SegmentGlyph.h"
#include "glyphs/SegmentLabelGlyph.h"
#include "glyphs/SolderJointGlyph.h"
#include "vtquill/VTQuill.h"

namespace Vantor {

GlyphFactory::GlyphFactory() : GlyphVisitor(&dispatchTable()) {}

GlyphFactory::~GlyphFactory() = default;

const GlyphFactory::GlyphVisitor::Table& GlyphFactory::dispatchTable() {
    // One table for the module, destroyed with it.
    static const std::unique_ptr<const GlyphVisitor::Table> table(buildDispatchTable());
    return *table;
}

GlyphFactory::GlyphVisitor::Table* GlyphFactory::buildDispatchTable() {
    auto* table = new GlyphVisitor::Table();
    table->setDefault([](GlyphVisitor& visitor, const DOVE2::DiagramElement& element) {
        return static_cast<GlyphFactory&>(visitor).visitDefault(element);
    });
    table->addMember<VTQUILL::Block, GlyphFactory>(&GlyphFactory::visitBlock);
    table->addMember<VTQUILL::Port, GlyphFactory>(&GlyphFactory::visitPort);
    table->addMember<VTQUILL::Line, GlyphFactory>(&GlyphFactory::visitLine);
    table->addMember<VTQUILL::Segment, GlyphFactory>(&GlyphFactory::visitSegment);
    table->addMember<VTQUILL::SegmentLabel, GlyphFactory>(&GlyphFactory::visitSegmentLabel);
    table->addMember<VTQUILL::SolderJoint, GlyphFactory>(&GlyphFactory::visitSolderJoint);
    table->addMember<VTQUILL::Terminator, GlyphFactory>(&GlyphFactory::visitTerminator);
    table->add<VTQUILL::Annotation>([](GlyphVisitor&, const DOVE2::DiagramElement& element) {
        return PARR::Holder<DOVE2::Glyph>(
            new AnnotationGlyph(VTQUILL::ImmutableAnnotation(element)));
    });
    return table;
}

PARR::Holder<DOVE2::Glyph> GlyphFactory::visitDefault(const DOVE2::DiagramElement& element) {
    return create(element);
}

// A registered creator wins over the state-chart glyph, which wins over the legacy glyph.
PARR::Holder<DOVE2::Glyph> GlyphFactory::visitBlock(const DOVE2::DiagramElement& element) {
    const VTQUILL::Block block(element);
    if (PARR::Holder<DOVE2::Glyph> registered =
            BlockGlyphCreationRegistry::getInstance()->createBlockGlyphFromType(block))
        return registered;
    if (block.isChartix())
        return PARR::Holder<DOVE2::Glyph>(new ChartixGlyph(block));
    return PARR::Holder<DOVE2::Glyph>(new LegacyBlockGlyph(block));
}

PARR::Holder<DOVE2::Glyph> GlyphFactory::visitPort(const DOVE2::DiagramElement& element) {
    return PARR::Holder<DOVE2::Glyph>(new PortGlyph(VTQUILL::ImmutablePort(element)));
}

PARR::Holder<DOVE2::Glyph> GlyphFactory::visitLine(const DOVE2::DiagramElement& element) {
    return PARR::Holder<DOVE2::Glyph>(new DOVE2::NullGlyph(element));
}

PARR::Holder<DOVE2::Glyph> GlyphFactory::visitSegment(const DOVE2::DiagramElement& element) {
    return PARR::Holder<DOVE2::Glyph>(new SegmentGlyph(VTQUILL::ImmutableSegment(element)));
}

PARR::Holder<DOVE2::Glyph> GlyphFactory::visitSegmentLabel(const DOVE2::DiagramElement& element) {
    return PARR::Holder<DOVE2::Glyph>(
        new SegmentLabelGlyph(VTQUILL::ImmutableSegmentLabel(element)));
}

PARR::Holder<DOVE2::Glyph> GlyphFactory::visitSolderJoint(const DOVE2::DiagramElement& element) {
    return PARR::Holder<DOVE2::Glyph>(new SolderJointGlyph(VTQUILL::ImmutableSolderJoint(element)));
}

PARR::Holder<DOVE2::Glyph> GlyphFactory::visitTerminator(const DOVE2::DiagramElement& element) {
    return PARR::Holder<DOVE2::Glyph>(new DOVE2::NullGlyph(element));
}

}  // namespace Vantor

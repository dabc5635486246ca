#pragma once

#include "application/Export.h"
#include "dove2/DiagramElement.h"
#include "dove2/Glyph.h"
#include "dove2/GlyphFactory.h"
#include "parr/Holder.h"
#include "quill/CooperativeVisitor.h"

namespace Vantor {

// The block-diagram domain's glyph factory: chooses the glyph class of each element by its
// class, through one dispatch table shared by every factory (built on first use, destroyed
// when the module unloads):
//   Block        -> the registered glyph of its type (BlockGlyphCreationRegistry), else a
//                   ChartixGlyph for a state-chart block, else a LegacyBlockGlyph
//   Port         -> PortGlyph
//   Line         -> DOVE2::NullGlyph (its segments draw it)
//   Segment      -> SegmentGlyph
//   SegmentLabel -> SegmentLabelGlyph
//   SolderJoint  -> SolderJointGlyph
//   Terminator   -> DOVE2::NullGlyph
//   Annotation   -> AnnotationGlyph
//   anything else -> the framework's generic glyph
// The framework asks through DOVE2::GlyphFactory::makeGlyph, which visits the element. Each
// call makes a fresh glyph owned by the returned holder; the factory keeps no per-diagram
// state. User-interface thread only.
class VANTOR_EXPORT GlyphFactory
    : public DOVE2::GlyphFactory,
      public QUILL::CooperativeVisitor::Visitor<PARR::Holder<DOVE2::Glyph>, DOVE2::DiagramElement> {
public:
    using GlyphVisitor =
        QUILL::CooperativeVisitor::Visitor<PARR::Holder<DOVE2::Glyph>, DOVE2::DiagramElement>;

    GlyphFactory();
    ~GlyphFactory() override;

private:
    static const GlyphVisitor::Table& dispatchTable();
    static GlyphVisitor::Table* buildDispatchTable();

    PARR::Holder<DOVE2::Glyph> visitDefault(const DOVE2::DiagramElement& element);
    PARR::Holder<DOVE2::Glyph> visitBlock(const DOVE2::DiagramElement& element);
    PARR::Holder<DOVE2::Glyph> visitPort(const DOVE2::DiagramElement& element);
    PARR::Holder<DOVE2::Glyph> visitLine(const DOVE2::DiagramElement& element);
    PARR::Holder<DOVE2::Glyph> visitSegment(const DOVE2::DiagramElement& element);
    PARR::Holder<DOVE2::Glyph> visitSegmentLabel(const DOVE2::DiagramElement& element);
    PARR::Holder<DOVE2::Glyph> visitSolderJoint(const DOVE2::DiagramElement& element);
    PARR::Holder<DOVE2::Glyph> visitTerminator(const DOVE2::DiagramElement& element);
};

}  // namespace Vantor

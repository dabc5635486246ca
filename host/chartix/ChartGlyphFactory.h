#pragma once

#include "dove2/DiagramElement.h"
#include "dove2/Glyph.h"
#include "dove2/GlyphFactory.h"
#include "parr/Holder.h"
#include "quill/CooperativeVisitor.h"

namespace CHARTIX {

// The glyph factory of the state-chart domain: a StateGlyph for each state, the framework's
// generic glyph for anything else. Keeps no per-diagram state; every call makes a fresh
// glyph owned by the returned holder.
class ChartGlyphFactory
    : public DOVE2::GlyphFactory,
      public QUILL::CooperativeVisitor::Visitor<PARR::Holder<DOVE2::Glyph>, DOVE2::DiagramElement> {
public:
    using GlyphVisitor =
        QUILL::CooperativeVisitor::Visitor<PARR::Holder<DOVE2::Glyph>, DOVE2::DiagramElement>;

    ChartGlyphFactory();
    ~ChartGlyphFactory() override;

private:
    static const GlyphVisitor::Table& dispatchTable();
};

}  // namespace CHARTIX

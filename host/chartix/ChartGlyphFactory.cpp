#include "chartix/ChartGlyphFactory.h"

#include "chartix/ChartSchema.h"
#include "chartix/StateGlyph.h"

namespace CHARTIX {

ChartGlyphFactory::ChartGlyphFactory() : GlyphVisitor(&dispatchTable()) {}

ChartGlyphFactory::~ChartGlyphFactory() = default;

const ChartGlyphFactory::GlyphVisitor::Table& ChartGlyphFactory::dispatchTable() {
    static const GlyphVisitor::Table* const table = [] {
        auto* made = new GlyphVisitor::Table();
        made->setDefault([](GlyphVisitor& visitor, const DOVE2::DiagramElement& element) {
            return static_cast<ChartGlyphFactory&>(visitor).create(element);
        });
        made->add(QUILL::ImmutableType(&ChartSchema::get().state),
                  [](GlyphVisitor&, const DOVE2::DiagramElement& element) {
                      return PARR::Holder<DOVE2::Glyph>(new StateGlyph(element));
                  });
        return made;
    }();
    return *table;
}

}  // namespace CHARTIX

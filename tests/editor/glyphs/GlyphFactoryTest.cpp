#include "glyphs/GlyphFactory.h"

#include <gtest/gtest.h>

#include "dove2/NullGlyph.h"
#include "glyphs/AnnotationGlyph.h"
#include "glyphs/ChartixGlyph.h"
#include "glyphs/LegacyBlockGlyph.h"
#include "glyphs/PortGlyph.h"
#include "glyphs/SegmentGlyph.h"
#include "glyphs/SegmentLabelGlyph.h"
#include "glyphs/SolderJointGlyph.h"
#include "support/BlockDiagramBuilder.h"

namespace {

using TestSupport::BlockDiagramBuilder;

// The class of the glyph the factory makes for `element`.
template <class GlyphClass>
bool makes(Vantor::GlyphFactory& factory, const QUILL::ImmutableClassObject& element) {
    const PARR::Holder<DOVE2::Glyph> glyph = factory.makeGlyph(DOVE2::DiagramElement(element));
    return glyph && typeid(*glyph) == typeid(GlyphClass);
}

// A diagram with an element of every kind: a block and a state-chart block joined by a line
// that branches at a solder joint into a labelled segment with a free end; an annotation.
TEST(GlyphFactory, GivesEachKindOfElementItsGlyphClass) {
    BlockDiagramBuilder b;
    const VTQUILL::Block gain = b.block("G", {0, 0, 40, 30});
    const VTQUILL::Block chart = b.block("C", {100, 0, 40, 30}, "Chart");
    const VTQUILL::Port out = b.outPort(gain);
    const VTQUILL::Segment segment = b.connect(out, b.inPort(chart));
    const VTQUILL::Line line = segment.getContainer();
    const VTQUILL::SolderJoint joint = b.edit([&] { return line.addSolderJoint({70, 15}); });
    const VTQUILL::Segment branch = b.edit([&] {
        VTQUILL::Segment s = line.addSegment();
        s.setSrcElement(joint);
        s.addDstTerminator({70, 60});
        return s;
    });
    const VTQUILL::SegmentLabel label = b.edit([&] { return branch.addLabel(1); });
    const VTQUILL::Annotation note = b.annotation("note", {0, 100, 50, 20});
    Vantor::GlyphFactory factory;

    EXPECT_TRUE(makes<Vantor::LegacyBlockGlyph>(factory, gain));
    EXPECT_TRUE(makes<Vantor::ChartixGlyph>(factory, chart));
    EXPECT_TRUE(makes<Vantor::PortGlyph>(factory, out));
    EXPECT_TRUE(makes<DOVE2::NullGlyph>(factory, line));
    EXPECT_TRUE(makes<Vantor::SegmentGlyph>(factory, segment));
    EXPECT_TRUE(makes<Vantor::SegmentLabelGlyph>(factory, label));
    EXPECT_TRUE(makes<Vantor::SolderJointGlyph>(factory, joint));
    EXPECT_TRUE(makes<DOVE2::NullGlyph>(factory, branch.getDstElement()));
    EXPECT_TRUE(makes<Vantor::AnnotationGlyph>(factory, note));
}

}  // namespace

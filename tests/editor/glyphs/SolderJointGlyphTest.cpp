#include "glyphs/SolderJointGlyph.h"

#include <gtest/gtest.h>

#include "GlyphTestScene.h"
#include "support/BlockDiagramBuilder.h"

namespace {

using GlyphTest::GlyphTestScene;
using TestSupport::BlockDiagramBuilder;

TEST(SolderJointGlyph, IsABlackDotCentredOnTheJointThatFollowsIt) {
    BlockDiagramBuilder b;
    const VTQUILL::Segment segment = b.connect(b.outPort(b.block("A", {0, 0, 40, 30})),
                                               b.inPort(b.block("B", {200, 0, 40, 30})));
    const VTQUILL::SolderJoint joint = b.edit([&] {
        return segment.getContainer().addSolderJoint({100, 50});
    });
    GlyphTestScene view(b.diagram());

    const ROOK2::Node* dot = view.nodeOf(joint);
    ASSERT_TRUE(dot);
    EXPECT_EQ(GlyphTestScene::sceneContentBox(*dot), PARR::GLRect<double>(98, 48, 4, 4));
    EXPECT_EQ(dot->getFill().color(), PARR::Color(0, 0, 0, 1));
    EXPECT_FALSE(dot->isSelectable());

    b.edit([&] {
        joint.setPosition({120, 60});
        return 0;
    });
    EXPECT_EQ(GlyphTestScene::sceneContentBox(*dot), PARR::GLRect<double>(118, 58, 4, 4));
}

}  // namespace

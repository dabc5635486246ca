#include "dove2/NullGlyph.h"

#include <gtest/gtest.h>

#include "../rook2/QtTestApplication.h"
#include "../vtquill/DiagramBuilder.h"
#include "dove2/VisualIndicatorContainer.h"
#include "rook2/Scene.h"

namespace {

class NullGlyphTest : public ::testing::Test {
protected:
    NullGlyphTest() {
        rook2test::qtApplication();
        segment = b.connect({}, {});
        b.commit();
        glyph = PARR::Holder<DOVE2::NullGlyph>(
            new DOVE2::NullGlyph(VTQUILL::Line(segment.getContainer())));
        glyph->setScene(&scene);
    }

    VTQuillTest::DiagramBuilder b;
    ROOK2::Scene scene;
    VTQUILL::Segment segment;
    PARR::Holder<DOVE2::NullGlyph> glyph;
};

TEST_F(NullGlyphTest, DrawsNothing) {
    glyph->create();
    glyph->update();

    EXPECT_FALSE(glyph->getRoot());
    EXPECT_FALSE(glyph->getChildContainer());
    EXPECT_EQ(scene.nodeCount(), 0u);
}

TEST_F(NullGlyphTest, CanNeitherBeSelectedNorMoved) {
    glyph->create();

    EXPECT_FALSE(glyph->isSelected());
    EXPECT_FALSE(glyph->isSelectable());
    EXPECT_FALSE(glyph->isMovable());
}

TEST_F(NullGlyphTest, KeepsIndicatorsWithoutShowingThem) {
    DOVE2::VisualIndicatorContainer& indicators = glyph->createVisualIndicatorContainer();

    indicators.addIndicator("libLink", "icon.png");

    EXPECT_FALSE(indicators.getNode());
    EXPECT_EQ(indicators.getIndicators("libLink").size(), 1u);
    EXPECT_EQ(scene.nodeCount(), 0u);
}

}  // namespace

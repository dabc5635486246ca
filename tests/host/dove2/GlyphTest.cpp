#include "dove2/Glyph.h"

#include <gtest/gtest.h>

#include "../rook2/QtTestApplication.h"
#include "../vtquill/DiagramBuilder.h"
#include "GlyphTestSupport.h"
#include "dove2/RectangleGlyph.h"
#include "rook2/Scene.h"

using namespace Dove2Test;
using DOVE2::Glyph;

namespace {

class GlyphTest : public ::testing::Test {
protected:
    GlyphTest() {
        rook2test::qtApplication();
        block = b.block("Gain", "G", {10, 20}, {40, 30});
        b.commit();
        glyph = PARR::Holder<RecordingGlyph>(new RecordingGlyph(block, log));
        glyph->setScene(&scene);
    }

    VTQuillTest::DiagramBuilder b;
    ROOK2::Scene scene;
    std::shared_ptr<GlyphLog> log = std::make_shared<GlyphLog>();
    VTQUILL::Block block;
    PARR::Holder<RecordingGlyph> glyph;
};

// --- the element and the placement ---------------------------------------------------------

TEST_F(GlyphTest, ReadsItsElementAfreshOnEachCall) {
    block.setPosition({70, 80});

    EXPECT_EQ(glyph->diagramElement().getObjectId(), block.getObjectId());
    EXPECT_EQ(glyph->diagramElement().getPosition(), (PARR::GLPoint<double>{70, 80}));
}

TEST_F(GlyphTest, HasNoEditorUntilOneIsSet) {
    EXPECT_EQ(glyph->getEditor(), nullptr);
    EXPECT_EQ(log->editorsSet, 0);
}

TEST_F(GlyphTest, SettingAnEditorCallsOnSetEditorOnce) {
    int editorStandIn = 0;
    auto* editor = reinterpret_cast<DOVE2::Editor*>(&editorStandIn);

    glyph->setEditor(editor);

    EXPECT_EQ(glyph->getEditor(), editor);
    EXPECT_EQ(log->editorsSet, 1);
}

TEST_F(GlyphTest, ClearingTheEditorDoesNotCallOnSetEditor) {
    glyph->setEditor(nullptr);

    EXPECT_EQ(log->editorsSet, 0);
}

TEST_F(GlyphTest, BuildsItsNodesInItsScene) {
    glyph->create();

    ASSERT_TRUE(glyph->getRoot());
    EXPECT_EQ(glyph->getRoot()->getScene(), &scene);
    EXPECT_EQ(glyph->getScene(), &scene);
}

// --- defaults of the virtual operations ----------------------------------------------------

TEST_F(GlyphTest, PutsContainedGlyphsUnderItsRootByDefault) {
    glyph->create();

    EXPECT_EQ(glyph->getChildContainer(), glyph->getRoot());
}

TEST_F(GlyphTest, HasNoMinimumSizeByDefault) {
    EXPECT_EQ(glyph->minSize(), (PARR::GLPoint<double>{0, 0}));
}

TEST_F(GlyphTest, UpdatesWhenItsSelectionChangesByDefault) {
    glyph->create();

    glyph->onSelectionChanged();

    EXPECT_EQ(log->updated[block.getObjectId()], 1);
}

TEST_F(GlyphTest, IsNeitherSelectedNorSelectableNorMovableWithoutRoot) {
    EXPECT_FALSE(glyph->isSelected());
    EXPECT_FALSE(glyph->isSelectable());
    EXPECT_FALSE(glyph->isMovable());
}

TEST_F(GlyphTest, AnswersSelectionQueriesFromItsRoot) {
    glyph->create();
    glyph->getRoot()->setMovable(false);

    glyph->getRoot()->setSelected(true);

    EXPECT_TRUE(glyph->isSelected());
    EXPECT_TRUE(glyph->isSelectable());
    EXPECT_FALSE(glyph->isMovable());
}

TEST_F(GlyphTest, IsNotSelectedOnceItsRootLeftTheScene) {
    glyph->create();
    glyph->getRoot()->setSelected(true);

    glyph->getRoot()->remove();

    EXPECT_FALSE(glyph->isSelected());
}

// --- ownership -----------------------------------------------------------------------------

TEST_F(GlyphTest, IsDestroyedWithItsLastHolder) {
    PARR::Holder<Glyph> other = glyph;
    glyph.reset();
    EXPECT_EQ(log->destroyed[block.getObjectId()], 0);

    other.reset();

    EXPECT_EQ(log->destroyed[block.getObjectId()], 1);
}

}  // namespace

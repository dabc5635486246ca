#include "glyphs/LegacyBlockGlyph.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "GlyphTestScene.h"
#include "renderer/BGPainterFacade.h"
#include "renderer/BlockModifyListener.h"
#include "rook2/GLBridge.h"
#include "rook2/RectNode.h"
#include "rook2/ResizeHandle.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"
#include "support/QtTestApplication.h"

namespace {

using GlyphTest::GlyphTestScene;
using TestSupport::BlockDiagramBuilder;
using TestSupport::ModuleEditor;
using VantorRenderer::DOVERenderAdapter;
using Point = PARR::GLPoint<double>;

// One block well away from the diagram's origin, in the module's editor.
class LegacyBlockGlyphTest : public ::testing::Test {
protected:
    ROOK2::RectNode& frame() {
        auto* node = dynamic_cast<ROOK2::RectNode*>(view.nodeOf(gain));
        EXPECT_NE(node, nullptr);
        return *node;
    }
    Vantor::LegacyBlockGlyph& glyph() {
        auto* legacy = dynamic_cast<Vantor::LegacyBlockGlyph*>(view.glyphOf(gain).get());
        EXPECT_NE(legacy, nullptr);
        return *legacy;
    }
    // The scene positions of the centres of the frame's resize handles.
    std::set<std::pair<double, double>> handleCentres() {
        std::set<std::pair<double, double>> centres;
        for (const auto& child : frame().getChildren()) {
            if (const auto* handle = dynamic_cast<ROOK2::ResizeHandle*>(child.get())) {
                const Point c = GlyphTestScene::sceneContentBox(*handle).center();
                centres.emplace(c.x, c.y);
            }
        }
        return centres;
    }
    static std::set<std::pair<double, double>> corners(const PARR::GLRect<double>& r) {
        return {{r.left(), r.top()},
                {r.right(), r.top()},
                {r.left(), r.bottom()},
                {r.right(), r.bottom()}};
    }

    QApplication& qt = TestSupport::qtApplication();
    BlockDiagramBuilder b;
    VTQUILL::Block gain = b.block("Gain", {200, 120, 40, 30});
    ModuleEditor view{b.diagram()};
};

TEST_F(LegacyBlockGlyphTest, IsAnInvisibleAreaOverTheBlockThatIsHitWhereTheBlockIs) {
    EXPECT_EQ(GlyphTestScene::sceneContentBox(frame()), PARR::GLRect<double>(200, 120, 40, 30));
    EXPECT_EQ(frame().getStroke().color().alpha(), 0);
    EXPECT_TRUE(frame().getFill().isNone());
    EXPECT_EQ(view.scene().selectableNodeAt({220, 135}, 0), &frame());
    EXPECT_EQ(view.scene().selectableNodeAt({420, 255}, 0), nullptr);
}

TEST_F(LegacyBlockGlyphTest, ShowsTheListenersEntryBeneathEverythingElse) {
    const auto entry = view.editor().getModifyListener()->getRenderEntry(gain);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(glyph().getRenderEntry(), entry);
    EXPECT_EQ(frame().getChildren().front().get(), entry->getRoot().get());
    EXPECT_FALSE(entry->getAdapter()->isLayerEmpty(DOVERenderAdapter::Foreground));
}

TEST_F(LegacyBlockGlyphTest, FindsTheEntryOfAListenerMadeAfterIt) {
    const auto first = glyph().getRenderEntry();
    view.editor().onSetDiagram(view.editor().getDiagram());

    const auto second = view.editor().getModifyListener()->getRenderEntry(gain);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(glyph().getRenderEntry(), second);
    EXPECT_EQ(frame().getChildren().front().get(), second->getRoot().get());
    EXPECT_TRUE(first->getRoot()->isRemoved());
}

TEST_F(LegacyBlockGlyphTest, ResizeHandlesSitOnTheBlocksCornersAndFollowItsSize) {
    ASSERT_TRUE(view.editor().select(gain));
    EXPECT_EQ(handleCentres(), corners({200, 120, 40, 30}));

    b.edit([&] {
        gain.setSize({60, 50});
        return 0;
    });
    EXPECT_EQ(handleCentres(), corners({200, 120, 60, 50}));

    view.editor().clearSelection();
    EXPECT_TRUE(handleCentres().empty());
}

TEST(LegacyBlockGlyphWithoutEditorTest, HasTheEngineDrawTheBlockAtEveryUpdate) {
    BlockDiagramBuilder b;
    const VTQUILL::Block gain = b.block("Gain", {20, 20, 40, 30});
    GlyphTestScene scene(b.diagram());
    auto* glyph = dynamic_cast<Vantor::LegacyBlockGlyph*>(scene.glyphOf(gain).get());
    ASSERT_NE(glyph, nullptr);
    ASSERT_NE(glyph->getRenderEntry(), nullptr);
    const DOVERenderAdapter& adapter = *glyph->getRenderEntry()->getAdapter();
    const QRectF shortText = adapter.layerBounds(DOVERenderAdapter::Foreground);
    EXPECT_FALSE(shortText.isEmpty());

    b.edit([&] {
        gain.setParameter("Gain", "123456");
        return 0;
    });
    EXPECT_GT(adapter.layerBounds(DOVERenderAdapter::Foreground).width(), shortText.width());
}

TEST(LegacyBlockGlyphPaintingDirectlyTest, DrawsTheBlockWhenTheCanvasKeepsNoCache) {
    ROOK2::GLBridge::setRenderMode(ROOK2::GLBridge::UserInterfaceThread);
    BlockDiagramBuilder b;
    const VTQUILL::Block gain = b.block("Gain", {20, 20, 40, 30});
    {
        ModuleEditor view(b.diagram());
        EXPECT_EQ(view.editor().getModifyListener(), nullptr);
        auto* glyph = dynamic_cast<Vantor::LegacyBlockGlyph*>(view.glyphOf(gain).get());
        ASSERT_NE(glyph, nullptr);
        ASSERT_NE(glyph->getRenderEntry(), nullptr);
        EXPECT_FALSE(
            glyph->getRenderEntry()->getAdapter()->isLayerEmpty(DOVERenderAdapter::Background));
    }
    ROOK2::GLBridge::setRenderMode(ROOK2::GLBridge::RenderThread);
}

}  // namespace

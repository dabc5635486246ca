#include "glyphs/LegacyBlockGlyph.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "GlyphTestScene.h"
#include "rook2/RectNode.h"
#include "rook2/ResizeHandle.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"
#include "support/QtTestApplication.h"

namespace {

using GlyphTest::GlyphTestScene;
using TestSupport::BlockDiagramBuilder;
using TestSupport::ModuleEditor;
using Point = PARR::GLPoint<double>;

// One block well away from the diagram's origin, in the module's editor.
class LegacyBlockGlyphTest : public ::testing::Test {
protected:
    ROOK2::RectNode& frame() {
        auto* node = dynamic_cast<ROOK2::RectNode*>(view.nodeOf(gain));
        EXPECT_NE(node, nullptr);
        return *node;
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

TEST_F(LegacyBlockGlyphTest, IsTheBlocksFrameAndIsHitWhereTheBlockIsNotAtTwiceItsOffset) {
    EXPECT_EQ(GlyphTestScene::sceneContentBox(frame()), PARR::GLRect<double>(200, 120, 40, 30));
    EXPECT_EQ(frame().getStroke().color(), PARR::Color(0, 0, 0, 1));
    EXPECT_EQ(frame().getFill().color(), PARR::Color(1, 1, 1, 1));
    EXPECT_EQ(view.scene().selectableNodeAt({220, 135}, 0), &frame());
    EXPECT_EQ(view.scene().selectableNodeAt({420, 255}, 0), nullptr);
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

}  // namespace

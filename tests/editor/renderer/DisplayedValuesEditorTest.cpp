// Display values as the module's editor shows them: through the block render cache.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "renderer/BGPainterFacade.h"
#include "renderer/BlockModifyListener.h"
#include "rook2/ScenePainter.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"
#include "vtdove/DisplayedValues.h"

namespace {

using VantorRenderer::DOVERenderAdapter;
using VTDove::DisplayedValues;

// Drawing versions of every cached layer of the blocks, and the non-white pixels the canvas
// paints between x0 and x1 (diagram units) inside the Display's inner frame (y 84 to 106).
std::vector<std::uint64_t> versionsOf(const VantorRenderer::BlockModifyListener& listener,
                                      const std::vector<VTQUILL::Block>& blocks) {
    std::vector<std::uint64_t> versions;
    for (const VTQUILL::Block& block : blocks) {
        for (std::uint32_t layer = 0; layer < DOVERenderAdapter::kLayerCount; ++layer)
            versions.push_back(listener.getRenderEntry(block)
                                   ->layerNode(DOVERenderAdapter::Layer(layer))
                                   ->drawingVersion());
    }
    return versions;
}
int inkBetween(ROOK2::Scene& scene, int x0, int x1) {
    QImage image(150, 150, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ROOK2::ScenePainter(scene).paint(painter, PARR::GLRect<double>(0, 0, 150, 150));
    int ink = 0;
    for (int y = 84; y < 106; ++y) {
        for (int x = x0; x < x1; ++x)
            ink += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    }
    return ink;
}

}  // namespace

TEST(DisplayedValuesEditorTest, AValueRedrawsTheDisplaysEntryAloneAndShowsRightAlignedInsideIt) {
    TestSupport::BlockDiagramBuilder b;
    const VTQUILL::Block others[] = {b.block("G", {20, 20, 40, 30}, "Gain"),
                                     b.block("S", {100, 20, 30, 30}, "Sum")};
    const VTQUILL::Block display = b.block("D", {20, 80, 90, 30}, "Display");
    TestSupport::ModuleEditor view(b.diagram());
    const auto& listener = *view.editor().getModifyListener();
    const DOVERenderAdapter& adapter = *listener.getRenderEntry(display)->getAdapter();
    const QRectF usual = adapter.layerBounds(DOVERenderAdapter::Foreground);
    const std::uint64_t renders = listener.getRenderCount();
    const std::vector<std::uint64_t> versions = versionsOf(listener, {others[0], others[1]});
    ASSERT_GT(inkBetween(view.scene(), 60, 70), 0);  // the usual "0" in the middle

    ASSERT_TRUE(DisplayedValues::instance().set(display, "42"));
    EXPECT_EQ(listener.getRenderCount(), renders + 1);
    EXPECT_EQ(versionsOf(listener, {others[0], others[1]}), versions);
    const QRectF readout = adapter.layerBounds(DOVERenderAdapter::Foreground);
    EXPECT_NEAR(readout.right(), 85, 1);
    EXPECT_TRUE(QRectF(60, 4, 26, 22).contains(readout));
    EXPECT_EQ(inkBetween(view.scene(), 60, 70), 0);
    EXPECT_GT(inkBetween(view.scene(), 85, 105), 0);

    // A long value shrinks into the inner frame; clearing gives the usual drawing back.
    DisplayedValues::instance().set(display, "[0.5 1.25 3.75 2.125 -1e+06 7 8 9]");
    EXPECT_TRUE(QRectF(4, 4, 82, 22).contains(adapter.layerBounds(DOVERenderAdapter::Foreground)));
    DisplayedValues::instance().clear(b.model());
    EXPECT_EQ(adapter.layerBounds(DOVERenderAdapter::Foreground), usual);
    EXPECT_EQ(listener.getRenderCount(), renders + 3);
    EXPECT_FALSE(view.editor().isDirty());
    EXPECT_FALSE(view.editor().canUndo());
}

#include "studio/SampleTimeOverlay.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <memory>
#include <string>
#include <vector>

#include "rook2/RectNode.h"
#include "rook2/ScenePainter.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"
#include "tools/DummyTool.h"
#include "vtquill/file/ModelFileWriter.h"

namespace {

using Rate = VTSIM::SampleTimes::Rate;
using TestSupport::BlockDiagramBuilder;
using TestSupport::ModuleEditor;
using Vantor::SampleTimeOverlay;

QImage paint(ROOK2::ScenePainter& painter) {
    QImage image(200, 200, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter device(&image);
    painter.setSelectionFeedback(false);
    painter.paint(device, PARR::GLRect<double>(0, 0, 200, 200));
    return image;
}

// The colour laid over `block`: the fill of the top-level rectangle covering exactly the
// block's box; opaque black when there is none.
PARR::Color tintOver(ModuleEditor& fixture, const VTQUILL::Block& block) {
    const PARR::GLRect<double> box(block.getPosition().x, block.getPosition().y, block.getSize().x,
                                   block.getSize().y);
    for (ROOK2::Node* node : fixture.scene().nodesIn(box)) {
        const auto* rect = dynamic_cast<const ROOK2::RectNode*>(node);
        if (rect && !rect->getParent() && rect->getRect() == box && rect->getFill().isColor())
            return rect->getFill().color();
    }
    ADD_FAILURE() << "no colour over " << block.getName();
    return {};
}

bool pressSampleTime(ModuleEditor& fixture) {
    for (PARR::GLWidget2* raw : fixture.editor().getPaletteObjects()) {
        const std::unique_ptr<PARR::GLWidget2> button(raw);
        if (button->getLabel() == "sample time")
            button->activate();
    }
    return dynamic_cast<Vantor::DummyTool*>(fixture.scene().currentTool()) != nullptr;
}

TEST(SampleTimeOverlay, TheButtonColoursBlocksByRateFollowsEditsAndHidesWithoutTrace) {
    BlockDiagramBuilder model;
    const VTQUILL::Block c = model.block("C", {20, 20, 40, 30}, "Constant");
    const VTQUILL::Block g = model.block("G", {100, 20, 40, 30}, "Gain");
    const VTQUILL::Block i = model.block("I", {20, 100, 40, 30}, "Integrator");
    const VTQUILL::Block k = model.block("K", {100, 100, 40, 30}, "Gain");
    model.connect(model.outPort(c), model.inPort(g));
    model.connect(model.outPort(i), model.inPort(k));
    ModuleEditor fixture(model.diagram());
    Vantor::Editor& editor = fixture.editor();
    ROOK2::ScenePainter painter(fixture.scene());
    const std::size_t nodes = fixture.scene().nodeCount();
    const std::string saved = VTQUILL::File::ModelFileWriter::toText(model.model());
    const PARR::Color constant = SampleTimeOverlay::colourOf(Rate::constant());
    const PARR::Color continuous = SampleTimeOverlay::colourOf(Rate::continuous());
    ASSERT_NE(constant, continuous);

    EXPECT_TRUE(pressSampleTime(fixture));
    const SampleTimeOverlay* overlay = editor.getSampleTimeOverlay();
    ASSERT_TRUE(overlay && overlay->isShown());
    EXPECT_EQ(tintOver(fixture, c), constant);
    EXPECT_EQ(tintOver(fixture, g), constant);
    EXPECT_EQ(tintOver(fixture, i), continuous);
    EXPECT_EQ(tintOver(fixture, k), continuous);
    EXPECT_EQ(overlay->getLegendLabels(), (std::vector<std::string>{"continuous", "constant"}));
    // Four tints, the legend's box and a swatch and a label per entry.
    EXPECT_EQ(fixture.scene().nodeCount(), nodes + 4 + 1 + 2 * 2);
    EXPECT_FALSE(editor.isDirty());
    EXPECT_FALSE(editor.canUndo());
    EXPECT_EQ(VTQUILL::File::ModelFileWriter::toText(model.model()), saved);
    // The colouring lets a click through to the block under it.
    fixture.click(fixture.centreOf(g));
    EXPECT_EQ(fixture.selectedIds(), std::vector<QUILL::ObjectId>{g.getObjectId()});

    model.edit([&] {
        c.setType("Sine");
        return 0;
    });
    EXPECT_EQ(tintOver(fixture, g), continuous);
    EXPECT_EQ(overlay->getLegendLabels(), std::vector<std::string>{"continuous"});
    const QImage coloured = paint(painter);
    EXPECT_EQ(overlay->nodeCount(), 4u + 1 + 2);
    const std::size_t glyphNodes = fixture.scene().nodeCount() - overlay->nodeCount();

    EXPECT_TRUE(pressSampleTime(fixture));
    EXPECT_FALSE(overlay->isShown());
    EXPECT_EQ(overlay->nodeCount(), 0u);
    EXPECT_EQ(fixture.scene().nodeCount(), glyphNodes);
    // Painted through the caches that drew the colours, the scene looks as a fresh painter
    // draws it.
    ROOK2::ScenePainter fresh(fixture.scene());
    const QImage plain = paint(fresh);
    EXPECT_EQ(paint(painter), plain);
    EXPECT_NE(coloured, plain);
}

}  // namespace

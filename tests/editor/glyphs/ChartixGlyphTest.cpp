#include "glyphs/ChartixGlyph.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "chartix/ChartFactory.h"
#include "chartix/ChartScriptingFunctions.h"
#include "chartix/ChartStore.h"
#include "dove2/QUILLCommand.h"
#include "quill/Transaction.h"
#include "rook2/ScenePainter.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"
#include "tools/DeleteCommand.h"

namespace {

using CHARTIX::ChartFactory;
using CHARTIX::ChartStore;
using Vantor::ChartixGlyph;

// Makes sure the state-chart side answers (another test may have stood in for it).
struct ChartSide {
    ChartSide() { CHARTIX::ChartScriptingFunctions::registerFunctions(); }
};

// The chart block "Logic", 100 x 60 at (10, 20), with an empty chart, in an editor.
class ChartixGlyphTest : public ::testing::Test {
protected:
    ChartixGlyph& glyph() const { return dynamic_cast<ChartixGlyph&>(*view.glyphOf(logic)); }

    template <class Change>
    void change(Change edit) {
        b.edit([&] {
            edit();
            return true;
        });
    }
    // Paints the whole scene once, as the canvas would.
    void paintScene() {
        QImage image(400, 300, QImage::Format_ARGB32);
        QPainter painter(&image);
        ROOK2::ScenePainter(view.scene()).paint(painter, {0, 0, 400, 300});
    }

    ChartSide side;
    TestSupport::BlockDiagramBuilder b{"charts"};
    VTQUILL::Block logic = b.block("Logic", {10, 20, 100, 60}, "Chart");
    QUILL::Model chart = ChartStore::instance().chartOf(logic);
    TestSupport::ModuleEditor view{b.diagram()};
};

// --- Geometry ------------------------------------------------------------------------------

TEST_F(ChartixGlyphTest, AChartOf100By60IsRoundedBy9_96AndItsMiniatureFittedFourInside) {
    const ChartixGlyph& shown = glyph();
    const auto& body = static_cast<const ROOK2::RoundedRectNode&>(*shown.getRoot());

    EXPECT_EQ(body.getPosition(), PARR::GLPoint<double>(10, 20));
    EXPECT_EQ(body.getRect(), PARR::GLRect<double>(0, 0, 100, 60));
    EXPECT_NEAR(body.getCornerRadius(), 9.96, 1e-12);
    EXPECT_EQ(shown.getChartDiagram(), ChartFactory::chartDiagram(chart));
    // The host's painter keeps 2 of the 4 units itself, and scales only once.
    EXPECT_EQ(shown.getMiniature()->getRect(), PARR::GLRect<double>(2, 2, 96, 56));
    EXPECT_TRUE(shown.getMiniature()->getTransform().isIdentity());
    ASSERT_TRUE(shown.getMiniatureDrawing());
    EXPECT_EQ(shown.getMiniatureDrawing()->contentRect(), PARR::GLRect<double>(2, 2, 96, 56));
}

TEST_F(ChartixGlyphTest, ResizingRedrawsTheMiniatureForTheNewBoxAndRenamingRecentresTheLabel) {
    const ROOK2::Node* before = glyph().getMiniatureDrawing().get();
    change([&] {
        logic.setSize({200, 100});
        logic.setName("A much longer name");
    });

    EXPECT_NE(glyph().getMiniatureDrawing().get(), before);
    EXPECT_EQ(glyph().getMiniatureDrawing()->contentRect(), PARR::GLRect<double>(2, 2, 196, 96));
    const ROOK2::Node* label = nullptr;
    for (const PARR::Holder<ROOK2::Node>& child : glyph().getRoot()->getChildren()) {
        if (dynamic_cast<const ROOK2::TextNode*>(child.get()))
            label = child.get();
    }
    ASSERT_NE(label, nullptr);
    EXPECT_DOUBLE_EQ(label->getPosition().x + label->getWidth() / 2, 100);
    EXPECT_DOUBLE_EQ(label->getPosition().y, 102);
}

// An edit of the label is kept: it renames the block, undoably, like a block's label.
TEST_F(ChartixGlyphTest, EditingTheLabelRenamesTheChartBlockAndUndoPutsTheNameBack) {
    ROOK2::TextNode* label = nullptr;
    for (const PARR::Holder<ROOK2::Node>& child : glyph().getRoot()->getChildren()) {
        if (auto* text = dynamic_cast<ROOK2::TextNode*>(child.get()))
            label = text;
    }
    ASSERT_NE(label, nullptr);
    label->completeEdit("Thermostat");
    EXPECT_EQ(logic.getName(), "Thermostat");
    EXPECT_EQ(view.editor().undoText(), "Rename Block");
    view.editor().undo();
    EXPECT_EQ(logic.getName(), "Logic");
    EXPECT_EQ(label->getText(), "Logic");
}

// --- Empty and missing charts ---------------------------------------------------------------

TEST_F(ChartixGlyphTest, AnEmptyChartAndAZeroSizedBlockDrawAnEmptyMiniature) {
    paintScene();
    change([&] { logic.setSize({0, 0}); });
    paintScene();

    const ROOK2::RoundedRectNode& miniature = *glyph().getMiniature();
    EXPECT_GE(miniature.getRect().width, 0);
    EXPECT_GE(miniature.getRect().height, 0);
    EXPECT_TRUE(miniature.getTransform().isIdentity());
    EXPECT_EQ(glyph().cornerRadius(), 0);
}

TEST_F(ChartixGlyphTest, DeletingTheBlockEmptiesTheChartAndUndoingTheDeletionFindsItAgain) {
    const PARR::Holder<DOVE2::Glyph> held = view.glyphOf(logic);
    PARR::Holder<Vantor::DeleteCommand> remove(
        new Vantor::DeleteCommand(b.model().getRootDeviant(), "Delete"));
    remove->addElement(DOVE2::DiagramElement(logic));
    ASSERT_TRUE(view.editor().processCommand(remove));

    const auto& deleted = static_cast<const ChartixGlyph&>(*held);
    EXPECT_FALSE(deleted.getChartDiagram().isValid());
    EXPECT_FALSE(deleted.getChartModel().isValid());

    view.editor().undo();
    held->update();
    EXPECT_EQ(deleted.getChartDiagram(), ChartFactory::chartDiagram(chart));
    EXPECT_EQ(glyph().getChartDiagram(), ChartFactory::chartDiagram(chart));
}

}  // namespace

#include "renderer/BlockModifyListener.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "dove2/QUILLCommand.h"
#include "renderer/BGPainterFacade.h"
#include "rook2/ScenePainter.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"
#include "vtdove/EngineHandles.h"
#include "vtdove/EngineTransaction.h"

namespace {

using TestSupport::BlockDiagramBuilder;
using TestSupport::ModuleEditor;
using VantorRenderer::BlockModifyListener;
using VantorRenderer::DOVERenderAdapter;

// A Gain, a Sum with a plus and a minus, and a subsystem with one input, in the module's
// editor (whose canvas renders from cached recordings, so the editor keeps a listener).
class BlockModifyListenerTest : public ::testing::Test {
protected:
    BlockModifyListenerTest() {
        b.edit([&] {
            sum.setParameter("Inputs", "+-");
            const VTQUILL::Diagram inner = subsystem.addSubsystemDiagram();
            innerBlock = inner.addBlock("Input", "u");
            innerBlock.setSize({30, 14});
            return 0;
        });
        view = std::make_unique<ModuleEditor>(b.diagram());
    }

    BlockModifyListener& listener() {
        BlockModifyListener* l = view->editor().getModifyListener();
        EXPECT_NE(l, nullptr);
        return *l;
    }
    std::uint64_t renders() { return listener().getRenderCount(); }
    DOVERenderAdapter& adapterOf(const VTQUILL::Block& block) {
        return *listener().getRenderEntry(block)->getAdapter();
    }
    // Sets a parameter the way the block dialog does: an engine edit inside an undoable
    // command.
    void editParameter(const VTQUILL::Block& block, const std::string& name,
                       const std::string& value) {
        PARR::Holder<DOVE2::QUILLCommand> command(
            new DOVE2::QUILLCommand(b.model(), "Edit Parameters"));
        command->addAction([block, name, value](const QUILL::Model& model, PARR::ErrorHolder&) {
            VTDove::setBlockParameter(VTQUILL::ImmutableBlock(block.asDeviant(model)), name, value);
        });
        ASSERT_TRUE(view->editor().processCommand(command));
    }
    // The editor's scene painted at twice its size.
    QImage paintScene() {
        QImage image(600, 300, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(2, 2);
        ROOK2::ScenePainter scenePainter(view->scene());
        scenePainter.setSelectionFeedback(false);
        scenePainter.paint(painter, PARR::GLRect<double>(0, 0, 300, 150));
        return image;
    }
    // Pixels that are not white inside `box` (diagram units) of an image painted at twice
    // the size.
    static int inkIn(const QImage& image, const PARR::GLRect<double>& box) {
        int ink = 0;
        for (int y = int(box.y * 2) + 1; y < int((box.y + box.height) * 2) - 1; ++y) {
            for (int x = int(box.x * 2) + 1; x < int((box.x + box.width) * 2) - 1; ++x)
                ink += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
        }
        return ink;
    }

    BlockDiagramBuilder b;
    VTQUILL::Block gain = b.block("G", {20, 20, 40, 30}, "Gain");
    VTQUILL::Block sum = b.block("S", {100, 20, 30, 30}, "Sum");
    VTQUILL::Block subsystem = b.block("Sub", {180, 20, 60, 40}, "Subsystem");
    VTQUILL::Block chart = b.block("C", {20, 100, 60, 40}, "Chart");
    VTQUILL::Block innerBlock;
    std::unique_ptr<ModuleEditor> view;
};

TEST_F(BlockModifyListenerTest, EveryBlockOfTheShownDiagramIsDrawnOnceWhenTheEditorOpens) {
    EXPECT_EQ(listener().getEntryCount(), 3u);
    EXPECT_EQ(renders(), 3u);
    // The subsystem's inner block belongs to another diagram; a chart is drawn by its glyph.
    EXPECT_EQ(listener().getRenderEntry(innerBlock), nullptr);
    EXPECT_EQ(listener().getRenderEntry(chart), nullptr);
}

TEST_F(BlockModifyListenerTest, EachBlocksBoxHasInkAndSumsSignsAreItsPortLabels) {
    const QImage image = paintScene();
    EXPECT_GT(inkIn(image, {20, 20, 40, 30}), 50);
    EXPECT_GT(inkIn(image, {100, 20, 30, 30}), 50);
    EXPECT_GT(inkIn(image, {180, 20, 60, 40}), 50);
    EXPECT_EQ(inkIn(image, {140, 70, 30, 25}), 0);

    EXPECT_EQ(adapterOf(sum).primitiveCount(DOVERenderAdapter::PortLabels), 2);
    EXPECT_EQ(adapterOf(sum).primitiveCount(DOVERenderAdapter::Foreground), 1);
    EXPECT_EQ(adapterOf(subsystem).primitiveCount(DOVERenderAdapter::PortLabels), 1);
    EXPECT_EQ(adapterOf(gain).primitiveCount(DOVERenderAdapter::PortLabels), 0);
}

TEST_F(BlockModifyListenerTest, AParameterEditRedrawsTheBlockOnceAndUndoRedrawsItBack) {
    const std::uint64_t before = renders();
    const QRectF shortGain = adapterOf(gain).layerBounds(DOVERenderAdapter::Foreground);

    editParameter(gain, "Gain", "123456");
    EXPECT_EQ(renders(), before + 1);
    EXPECT_GT(adapterOf(gain).layerBounds(DOVERenderAdapter::Foreground).width(),
              shortGain.width());

    view->editor().undo();
    EXPECT_EQ(renders(), before + 2);
    EXPECT_EQ(adapterOf(gain).layerBounds(DOVERenderAdapter::Foreground), shortGain);
}

TEST_F(BlockModifyListenerTest, AnEngineEditOutsideACommandRedrawsTheBlockOnce) {
    const std::uint64_t before = renders();
    VTDove::setBlockParameter(sum, "Inputs", "++-");
    EXPECT_EQ(renders(), before + 1);
    EXPECT_EQ(adapterOf(sum).primitiveCount(DOVERenderAdapter::PortLabels), 3);
}

TEST_F(BlockModifyListenerTest, MovingBlocksRedrawsNoneOfThem) {
    const std::uint64_t before = renders();
    b.edit([&] {
        gain.setPosition({25, 40});
        sum.setPosition({110, 60});
        return 0;
    });
    EXPECT_EQ(renders(), before);
}

TEST_F(BlockModifyListenerTest, NestedEngineBatchesRedrawOnlyWhenTheOuterOneEnds) {
    const std::uint64_t before = renders();
    vtBlock* engineGain = VTQUILL::getVtBlock(gain);
    listener().changeBatchBegin();
    listener().changeBatchBegin();
    listener().blockHasChanged(engineGain);
    listener().changeBatchEnd();
    listener().blockHasChanged(engineGain);
    EXPECT_EQ(renders(), before);
    listener().changeBatchEnd();
    EXPECT_EQ(renders(), before + 1);
    // An end heard without its beginning (a listener made in the middle of a batch).
    listener().changeBatchEnd();
    EXPECT_EQ(listener().getBatchDepth(), 0);
}

TEST_F(BlockModifyListenerTest, DeletingABlockDropsItsEntryAndUndoMakesItAgain) {
    ASSERT_TRUE(view->editor().select(sum));
    view->key(Qt::Key_Delete);
    ASSERT_FALSE(sum.isValid());
    EXPECT_EQ(listener().getEntryCount(), 2u);

    // Undone at once, the block comes back with the recording it had: nothing is drawn.
    const std::uint64_t before = renders();
    view->editor().undo();
    ASSERT_TRUE(sum.isValid());
    EXPECT_EQ(listener().getEntryCount(), 3u);
    EXPECT_EQ(renders(), before);
    EXPECT_GT(inkIn(paintScene(), {100, 20, 30, 30}), 50);

    // With another commit in between, the old recording is not trusted: the block is drawn.
    ASSERT_TRUE(view->editor().select(sum));
    view->key(Qt::Key_Delete);
    ASSERT_FALSE(sum.isValid());
    editParameter(gain, "Gain", "7");
    view->editor().undo();
    const std::uint64_t afterGainUndo = renders();
    view->editor().undo();
    ASSERT_TRUE(sum.isValid());
    EXPECT_EQ(renders(), afterGainUndo + 1);
    EXPECT_GT(inkIn(paintScene(), {100, 20, 30, 30}), 50);
}

TEST_F(BlockModifyListenerTest, ABlockQueuedAndDeletedInOneBatchIsNotDrawn) {
    vtBlock* engineSum = VTQUILL::getVtBlock(sum);
    const std::uint64_t before = renders();
    listener().changeBatchBegin();
    listener().blockHasChanged(engineSum);
    listener().blockIsAboutToBeDeleted(engineSum);
    listener().changeBatchEnd();
    EXPECT_EQ(renders(), before);
    EXPECT_EQ(listener().getRenderEntry(sum), nullptr);
}

}  // namespace

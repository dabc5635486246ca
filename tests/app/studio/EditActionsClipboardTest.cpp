// Cut, copy and paste through the Edit menu of the real studio window.
#include <gtest/gtest.h>

#include <QAction>
#include <QKeySequence>
#include <QTest>

#include "EditActions.h"
#include "ModelFileController.h"
#include "OpenModels.h"
#include "StudioTestSupport.h"
#include "StudioWindow.h"
#include "dove2/Editor.h"
#include "harbor/StudioClipboard.h"
#include "rook2/Canvas.h"

namespace {

using VantorStudio::OpenModel;
using VantorStudio::StudioWindow;

std::vector<std::string> blockNames(const VTQUILL::Diagram& diagram) {
    std::vector<std::string> names;
    for (const VTQUILL::Block& block : diagram.getBlocks())
        names.push_back(block.getName());
    return names;
}

class EditActionsClipboardTest : public ::testing::Test {
protected:
    EditActionsClipboardTest() {
        StudioTest::qtApplication();
        HARBOR::StudioClipboard::clear();
        window = std::make_unique<StudioWindow>(&prompts);
        window->show();
        StudioTest::processEvents();
    }
    ~EditActionsClipboardTest() override {
        window.reset();
        StudioTest::processEvents();
    }

    // Clicks the centre of `block` on the canvas of the active editor.
    void clickOn(const VTQUILL::Block& block) {
        ROOK2::Canvas* canvas = window->activeEditor()->getCanvas();
        const PARR::GLPoint<double> at = block.getPosition() + block.getSize() * 0.5;
        QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier,
                          canvas->mapFromScene(QPointF(at.x, at.y)).toPoint());
        StudioTest::processEvents();
    }
    void trigger(QAction* action) {
        action->trigger();
        StudioTest::processEvents();
    }

    StudioTest::ScriptedPrompts prompts;
    std::unique_ptr<StudioWindow> window;
};

TEST_F(EditActionsClipboardTest, CopyAndPasteABlockFromTheEditMenuAndUndoThePaste) {
    OpenModel* model = window->files().openFile(StudioTest::examplePath("pid_loop.vtm"));
    StudioTest::processEvents();
    ASSERT_NE(model, nullptr);
    const VTQUILL::Diagram top = model->root.getDiagrams().front();
    const std::vector<std::string> before = blockNames(top);
    VantorStudio::EditActions& edit = window->editActions();
    EXPECT_TRUE(edit.copy()->shortcuts().contains(QKeySequence(QKeySequence::Copy)));
    EXPECT_TRUE(edit.paste()->shortcuts().contains(QKeySequence(QKeySequence::Paste)));
    EXPECT_FALSE(edit.paste()->isEnabled()) << "nothing was copied yet";

    clickOn(StudioTest::topLevelBlock(model->root, "Error"));
    trigger(edit.copy());
    ASSERT_TRUE(edit.paste()->isEnabled());
    trigger(edit.paste());

    std::vector<std::string> expected = before;
    expected.push_back("Error1");
    EXPECT_EQ(blockNames(top), expected);
    EXPECT_EQ(StudioTest::topLevelBlock(model->root, "Error1").getPosition(),
              StudioTest::topLevelBlock(model->root, "Error").getPosition() +
                  PARR::GLPoint<double>(20, 20));
    EXPECT_EQ(edit.undo()->text(), "Undo Paste");
    EXPECT_TRUE(model->isDirty());

    trigger(edit.undo());
    EXPECT_EQ(blockNames(top), before);
}

TEST_F(EditActionsClipboardTest, CutRemovesTheClickedBlockAndPasteBringsItBack) {
    OpenModel* model = window->files().openFile(StudioTest::examplePath("pid_loop.vtm"));
    StudioTest::processEvents();
    ASSERT_NE(model, nullptr);
    VantorStudio::EditActions& edit = window->editActions();

    clickOn(StudioTest::topLevelBlock(model->root, "Error"));
    trigger(edit.cut());

    EXPECT_FALSE(StudioTest::topLevelBlock(model->root, "Error").isValid());
    EXPECT_EQ(edit.undo()->text(), "Undo Cut");
    trigger(edit.paste());
    EXPECT_TRUE(StudioTest::topLevelBlock(model->root, "Error").isValid());
}

}  // namespace

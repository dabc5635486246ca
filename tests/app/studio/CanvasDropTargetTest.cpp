#include "CanvasDropTarget.h"

#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMimeData>
#include <memory>

#include "AddBlockCommand.h"
#include "LibraryTree.h"
#include "ModelFileController.h"
#include "StudioTestSupport.h"
#include "StudioWindow.h"
#include "dove2/Editor.h"
#include "rook2/Canvas.h"

namespace {

using StudioTest::ScriptedPrompts;
using VantorStudio::StudioWindow;

// The studio window with a new model, its diagram open in the active editor.
class CanvasDropTargetTest : public ::testing::Test {
protected:
    CanvasDropTargetTest() {
        StudioTest::qtApplication();
        window = std::make_unique<StudioWindow>(&prompts);
        window->show();
        window->files().newModel();
        StudioTest::processEvents();
    }
    ~CanvasDropTargetTest() override {
        window.reset();
        StudioTest::processEvents();
    }
    ROOK2::Canvas* canvas() const { return window->activeEditor()->getCanvas(); }
    // Drops `data` at `at` (canvas pixels) through the canvas's drop target, as the window
    // system's drag delivers it (a drop sent from a test without a drag in progress never
    // reaches a widget); whether the target took it.
    bool drop(const QMimeData& data, const QPointF& at,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier, Qt::DropAction* action = nullptr) {
        QObject* target = canvas()->findChild<VantorStudio::CanvasDropTarget*>();
        if (!target)
            return false;
        QDropEvent event(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, modifiers);
        const bool taken = target->eventFilter(canvas(), &event);
        StudioTest::processEvents();
        if (action)
            *action = event.dropAction();
        return taken && event.isAccepted();
    }
    VTQUILL::Diagram diagram() const { return window->activeModel()->root.getDiagrams().front(); }

    ScriptedPrompts prompts;
    std::unique_ptr<StudioWindow> window;
};

TEST_F(CanvasDropTargetTest, ALibraryEntryDroppedOnTheCanvasLandsCentredWhereItWasDropped) {
    ASSERT_NE(window->activeEditor(), nullptr);
    QMimeData entry;
    entry.setData(VantorStudio::LibraryTree::kMimeType, "Scope");
    const QPointF at(123.4, 77.6);
    const QPointF scene = canvas()->mapToScene(at);

    ASSERT_TRUE(drop(entry, at));

    ASSERT_EQ(diagram().getBlocks().size(), 1u);
    const VTQUILL::Block scope = diagram().getBlocks().front();
    EXPECT_EQ(scope.getType(), "Scope");
    EXPECT_EQ(scope.getPosition(),
              VantorStudio::AddBlockCommand::placement({scene.x(), scene.y()}, scope.getSize()));
    EXPECT_EQ(window->activeEditor()->getSelection().size(), 1u);
}

TEST_F(CanvasDropTargetTest, ADropWithShiftHeldStillCopiesTheBlockOutOfTheLibrary) {
    // Shift asks the window system for a move, after which the library's view would remove
    // the dragged entry.
    QMimeData entry;
    entry.setData(VantorStudio::LibraryTree::kMimeType, "Gain");
    Qt::DropAction action = Qt::IgnoreAction;

    ASSERT_TRUE(drop(entry, QPointF(60, 60), Qt::ShiftModifier, &action));

    EXPECT_EQ(action, Qt::CopyAction);
    EXPECT_EQ(diagram().getBlocks().size(), 1u);
}

TEST_F(CanvasDropTargetTest, OtherDroppedDataIsLeftToTheCanvas) {
    ASSERT_NE(window->activeEditor(), nullptr);
    QMimeData text;
    text.setText("Gain");

    drop(text, QPointF(50, 50));

    EXPECT_TRUE(diagram().getBlocks().empty());
}

}  // namespace

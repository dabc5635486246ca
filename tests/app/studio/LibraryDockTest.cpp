#include "LibraryDock.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "AddBlockCommand.h"
#include "BlockPlacer.h"
#include "EditActions.h"
#include "LibraryTree.h"
#include "ModelFileController.h"
#include "StatusReporter.h"
#include "StudioTestSupport.h"
#include "StudioWindow.h"
#include "dove2/Editor.h"
#include "vtdove/BlockLibrary.h"

namespace {

using StudioTest::ScriptedPrompts;
using VantorStudio::AddBlockCommand;
using VantorStudio::LibraryTree;
using VantorStudio::StudioWindow;

class LibraryDockTest : public ::testing::Test {
protected:
    LibraryDockTest() {
        StudioTest::qtApplication();
        window = std::make_unique<StudioWindow>(&prompts);
        window->show();
        StudioTest::processEvents();
    }
    ~LibraryDockTest() override {
        window.reset();
        StudioTest::processEvents();
    }
    LibraryTree& tree() const { return window->libraryDock().tree(); }
    void doubleClick(const std::string& type) {
        QTreeWidgetItem* entry = tree().entryOf(type);
        ASSERT_NE(entry, nullptr);
        tree().scrollToItem(entry);
        const QPoint at = tree().visualItemRect(entry).center();
        // A user's double click: a click, then the second press that the system reports as
        // the double click.
        QTest::mouseClick(tree().viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(tree().viewport(), Qt::LeftButton, Qt::NoModifier, at);
        StudioTest::processEvents();
    }

    ScriptedPrompts prompts;
    std::unique_ptr<StudioWindow> window;
};

TEST_F(LibraryDockTest, TheFilterNarrowsTheEntriesAndClearingItShowsThemAll) {
    window->libraryDock().filterBox().setText("SINE");
    EXPECT_EQ(tree().shownTypeNames(), std::vector<std::string>{"Sine"});

    window->libraryDock().filterBox().setText("sub");
    EXPECT_EQ(tree().shownTypeNames(),
              (std::vector<std::string>{"Subsystem", "MaskedSubsystem", "ConfigurableSubsystem"}));

    window->libraryDock().filterBox().clear();
    EXPECT_EQ(tree().shownTypeNames(), VTDove::BlockLibrary::instance().typeNames());
}

TEST_F(LibraryDockTest, DoubleClickOrEnterOnAnEntryAddsTheBlockAtTheCentreOfTheViewAndSelectsIt) {
    window->files().newModel();
    StudioTest::processEvents();
    DOVE2::Editor* editor = window->activeEditor();
    ASSERT_NE(editor, nullptr);
    const PARR::GLPoint<double> centre = VantorStudio::BlockPlacer::viewCentre(*editor);

    doubleClick("Step");
    QTest::keyClick(&tree(), Qt::Key_Return);
    StudioTest::processEvents();

    const auto blocks = window->activeModel()->root.getDiagrams().front().getBlocks();
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[1].getName(), "Step1");
    EXPECT_EQ(blocks[1].getPosition(), AddBlockCommand::placement(centre, {30, 30}));
    ASSERT_EQ(editor->getSelection().size(), 1u);
    EXPECT_EQ(editor->getSelection().front().getObjectId(), blocks[1].getObjectId());
    EXPECT_EQ(window->editActions().undo()->text(), "Undo Add Block");
}

TEST_F(LibraryDockTest, AddingWithNoDiagramOpenTellsTheStatusBar) {
    EXPECT_FALSE(window->libraryDock().addToActiveEditor("Gain").isValid());

    EXPECT_NE(window->status().lastMessage().find("open a diagram"), std::string::npos);
}

}  // namespace

#include <gtest/gtest.h>

#include <QDockWidget>
#include <QMenu>
#include <QSet>
#include <QToolBar>
#include <QTreeWidget>
#include <memory>

#include "DocumentTabs.h"
#include "ModelFileController.h"
#include "RecentFiles.h"
#include "RecentFilesMenu.h"
#include "StatusReporter.h"
#include "StudioTestSupport.h"
#include "StudioWindow.h"
#include "dove2/Editor.h"
#include "dove2/QUILLCommand.h"
#include "dove2/explorer/TreeComponent.h"
#include "vtquill/file/ModelFileReader.h"

namespace {

using StudioTest::ExampleCopy;
using StudioTest::ScriptedPrompts;
using VantorStudio::OpenModel;
using VantorStudio::StudioWindow;

// Adds a block named `name` to the first top-level diagram of `model` (a root), as an
// undoable command of the model's history.
bool addTopLevelBlock(const VTQUILL::Model& model, const std::string& name) {
    PARR::Holder<DOVE2::QUILLCommand> add(new DOVE2::QUILLCommand(model, "Add Block"));
    add->addAction([name](const QUILL::Model& instance, PARR::ErrorHolder&) {
        VTQUILL::Model(instance).getDiagrams().front().addBlock("Gain", name);
    });
    PARR::ErrorHolder errors;
    return DOVE2::UndoHistory::forModel(model)->process(add, errors);
}

std::string modelNameIn(const std::string& file) {
    auto loaded = VTQUILL::File::ModelFileReader().load(file);
    if (!loaded.ok())
        return "(cannot load)";
    const std::string name =
        loaded.model.getName() + " / " + loaded.model.getDiagrams().front().getName();
    loaded.model.close();
    return name;
}

class StudioWindowFilesTest : public ::testing::Test {
protected:
    StudioWindowFilesTest() {
        StudioTest::qtApplication();
        window = std::make_unique<StudioWindow>(&prompts);
        window->show();
        StudioTest::processEvents();
    }
    ~StudioWindowFilesTest() override {
        window.reset();
        StudioTest::processEvents();
    }

    QString treeTopText() const {
        auto* tree = qobject_cast<QTreeWidget*>(window->tree()->getWidget());
        return tree && tree->topLevelItemCount() > 0 ? tree->topLevelItem(0)->text(0) : QString();
    }
    std::vector<QString> tabTexts() const {
        std::vector<QString> texts;
        for (int i = 0; i < window->tabs().count(); ++i)
            texts.push_back(window->tabs().tabText(i));
        return texts;
    }

    ScriptedPrompts prompts;
    std::unique_ptr<StudioWindow> window;
};

// --- Save As ----------------------------------------------------------------------------------

TEST_F(StudioWindowFilesTest, SaveAsRenamesTheModelEverywhereItIsShownAndInTheFile) {
    ExampleCopy copy("nested_subsystems.vtm");
    OpenModel* model = window->files().openFile(copy.path());
    ASSERT_NE(model, nullptr);
    const VTQUILL::Block controller = StudioTest::topLevelBlock(model->root, "Controller");
    PARR::ErrorHolder errors;
    window->app()->openEditor(controller.getSubsystemDiagram(), errors);
    StudioTest::processEvents();
    ASSERT_EQ(window->tabs().count(), 2);
    const std::string target = copy.sibling("arm controller.vtm");
    prompts.files.push_back(target);

    window->fileActions().saveAs->trigger();
    StudioTest::processEvents();

    EXPECT_EQ(model->filePath, target);
    EXPECT_FALSE(model->isDirty());
    EXPECT_EQ(window->windowTitle(), "Vantor Studio - arm controller");
    EXPECT_EQ(tabTexts(), (std::vector<QString>{"arm controller", "Controller"}));
    ASSERT_NE(window->activeEditor(), nullptr);
    EXPECT_EQ(window->activeEditor()->getName(), "arm controller/Controller");
    EXPECT_EQ(treeTopText(), "arm controller");
    EXPECT_EQ(modelNameIn(target), "arm controller / arm controller");
    EXPECT_EQ(modelNameIn(copy.path()), "nested_subsystems / nested_subsystems");

    ASSERT_TRUE(window->files().close(*model));
    ASSERT_NE(window->files().openFile(target), nullptr);
    EXPECT_EQ(window->windowTitle(), "Vantor Studio - arm controller");
}

TEST_F(StudioWindowFilesTest, UndoAfterSaveAsTakesBackTheEditButKeepsTheNewName) {
    ExampleCopy copy("pid_loop.vtm");
    OpenModel* model = window->files().openFile(copy.path());
    ASSERT_NE(model, nullptr);
    ASSERT_TRUE(addTopLevelBlock(model->root, "Extra"));

    ASSERT_TRUE(window->files().saveTo(*model, copy.sibling("tuned.vtm")));
    PARR::ErrorHolder errors;
    ASSERT_TRUE(model->history->undo(errors));
    StudioTest::processEvents();

    EXPECT_FALSE(StudioTest::topLevelBlock(model->root, "Extra").isValid());
    EXPECT_EQ(model->name(), "tuned");
    EXPECT_EQ(model->root.getDiagrams().front().getName(), "tuned");
    EXPECT_EQ(window->windowTitle(), "Vantor Studio - tuned*");
}

// --- Recent Files -----------------------------------------------------------------------------

TEST_F(StudioWindowFilesTest, FilesOpenedAndSavedAreOfferedUnderRecentFilesNewestFirst) {
    ExampleCopy pid("pid_loop.vtm");
    ExampleCopy rc("rc_network.vtm");
    OpenModel* model = window->files().openFile(pid.path());
    window->files().openFile(rc.path());
    ASSERT_TRUE(window->files().saveTo(*model, pid.sibling("pid_tuned.vtm")));

    EXPECT_EQ(window->recentFiles().paths(),
              (std::vector<std::string>{pid.sibling("pid_tuned.vtm"), rc.path(), pid.path()}));
}

TEST_F(StudioWindowFilesTest, ARecentFileThatWentIsDroppedAndTheStatusBarSaysSo) {
    const std::string gone = ExampleCopy("pid_loop.vtm").path();
    window->recentFiles().add(gone);

    window->recentFilesMenu().choose(gone);

    EXPECT_TRUE(window->recentFiles().paths().empty());
    EXPECT_TRUE(window->models().empty());
    EXPECT_NE(window->status().lastMessage().find(gone), std::string::npos);
}

// --- Layout -----------------------------------------------------------------------------------

// The layout kept between runs knows docks and tool bars by name only.
TEST_F(StudioWindowFilesTest, EveryDockAndToolBarCarriesAUniqueNameSoItsPlaceCanBeKept) {
    window->files().openFile(StudioTest::examplePath("pid_loop.vtm"));
    StudioTest::processEvents();
    QSet<QString> names;
    int count = 0;
    for (QWidget* bar : window->findChildren<QWidget*>()) {
        if (!qobject_cast<QDockWidget*>(bar) && !qobject_cast<QToolBar*>(bar))
            continue;
        ++count;
        EXPECT_FALSE(bar->objectName().isEmpty()) << bar->metaObject()->className();
        names.insert(bar->objectName());
    }
    EXPECT_GE(count, 3);
    EXPECT_EQ(names.size(), count);
}

}  // namespace

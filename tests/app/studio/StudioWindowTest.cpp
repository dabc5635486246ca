#include "StudioWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDockWidget>
#include <QTest>
#include <cmath>

#include "ComponentDocks.h"
#include "DocumentTabs.h"
#include "EditActions.h"
#include "ModelAutosaver.h"
#include "ModelFileController.h"
#include "PaletteBar.h"
#include "PropertyBrowserComponent.h"
#include "QtDialogService.h"
#include "RecoveryStore.h"
#include "StatusReporter.h"
#include "StudioTestSupport.h"
#include "dove2/Editor.h"
#include "dove2/QUILLCommand.h"
#include "dove2/StudioApp.h"
#include "dove2/explorer/TreeComponent.h"
#include "harbor/AbstractDomainInterface.h"
#include "harbor/IntRequest.h"
#include "harbor/Studio.h"
#include "rook2/Canvas.h"
#include "rook2/Scene.h"
#include "support/BlockDiagramBuilder.h"
#include "tessel/WarningService.h"
#include "vtquill/file/ModelFileReader.h"
#include "vtquill/file/ModelFileWriter.h"

namespace {

using PARR::GLPoint;
using StudioTest::ExampleCopy;
using StudioTest::ScriptedPrompts;
using VantorStudio::OpenModel;
using VantorStudio::StudioPrompts;
using VantorStudio::StudioWindow;
using Answer = StudioPrompts::UnsavedChangesAnswer;

VTQUILL::Block blockNamed(const VTQUILL::Diagram& diagram, const std::string& name) {
    for (const VTQUILL::Block& block : diagram.getBlocks()) {
        if (block.getName() == name)
            return block;
    }
    return VTQUILL::Block();
}

class StudioWindowTest : public ::testing::Test {
protected:
    StudioWindowTest() {
        StudioTest::qtApplication();
        window = std::make_unique<StudioWindow>(&prompts);
        window->show();
        StudioTest::processEvents();
    }
    ~StudioWindowTest() override {
        window.reset();
        StudioTest::processEvents();
    }

    OpenModel* open(const std::string& path) {
        OpenModel* model = window->files().openFile(path);
        StudioTest::processEvents();
        return model;
    }
    DOVE2::Editor* editor() const { return window->activeEditor(); }
    ROOK2::Canvas* canvas() const { return editor() ? editor()->getCanvas() : nullptr; }
    VTQUILL::Diagram topDiagram(const OpenModel& model) const {
        return model.root.getDiagrams().front();
    }
    // The widget point showing the centre of `block` (a block of the shown diagram).
    QPoint centreOnCanvas(const VTQUILL::Block& block) const {
        const GLPoint<double> at = block.getPosition();
        const GLPoint<double> size = block.getSize();
        const QPointF p = canvas()->mapFromScene(QPointF(at.x + size.x / 2, at.y + size.y / 2));
        return p.toPoint();
    }
    // Presses the left button at `from`, moves in steps by `by` (widget pixels), releases.
    void dragOnCanvas(const QPoint& from, const QPoint& by) {
        QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, from);
        constexpr int steps = 4;
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(canvas(), from + by * i / steps);
        QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, from + by);
        StudioTest::processEvents();
    }
    // Drags the block "Error" of pid_loop right and down on the canvas; returns its position
    // before the drag.
    GLPoint<double> dragErrorBlock(const OpenModel& model) {
        const VTQUILL::Block block = blockNamed(topDiagram(model), "Error");
        const GLPoint<double> before = block.getPosition();
        dragOnCanvas(centreOnCanvas(block), QPoint(60, 40));
        return before;
    }

    ScriptedPrompts prompts;
    std::unique_ptr<StudioWindow> window;
};

// --- Start-up ---------------------------------------------------------------------------------

TEST_F(StudioWindowTest, StartsWithTheModelTreeOnTheLeftAndTheProperyBrowserOnTheRight) {
    ASSERT_NE(window->tree(), nullptr);
    ASSERT_NE(window->propertyBrowser(), nullptr);
    QDockWidget* treeDock = window->docks().dockOf(DOVE2::TreeComponent::kComponentName);
    QDockWidget* browserDock =
        window->docks().dockOf(VantorStudio::PropertyBrowserComponent::kComponentName);
    ASSERT_NE(treeDock, nullptr);
    ASSERT_NE(browserDock, nullptr);
    EXPECT_EQ(window->dockWidgetArea(treeDock), Qt::LeftDockWidgetArea);
    EXPECT_EQ(window->dockWidgetArea(browserDock), Qt::RightDockWidgetArea);
    EXPECT_NE(window->app(), nullptr);
    EXPECT_EQ(window->windowTitle(), "Vantor Studio");
}

TEST_F(StudioWindowTest, HidingAComponentHidesItsDockAndItsViewMenuEntryShowsItAgain) {
    const std::string name = VantorStudio::PropertyBrowserComponent::kComponentName;
    QDockWidget* dock = window->docks().dockOf(name);
    QAction* toggle = nullptr;
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == "P&roperties")
            toggle = action;
    }
    ASSERT_NE(dock, nullptr);
    ASSERT_NE(toggle, nullptr);
    window->studio().hide(name);
    EXPECT_FALSE(dock->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(dock->isVisible());
    EXPECT_FALSE(window->studio().isHidden(name));
    toggle->trigger();
    EXPECT_TRUE(window->studio().isHidden(name));
}

TEST_F(StudioWindowTest, ARestoredLayoutThatShowsAHiddenComponentShowsItThroughTheStudio) {
    const std::string name = VantorStudio::PropertyBrowserComponent::kComponentName;
    window->studio().show(name);
    const QByteArray layoutWithBrowser = window->saveState();
    window->studio().hide(name);

    ASSERT_TRUE(window->restoreState(layoutWithBrowser));
    window->docks().followRestoredLayout();

    EXPECT_FALSE(window->studio().isHidden(name));
    EXPECT_TRUE(window->docks().dockOf(name)->isVisible());
}

TEST_F(StudioWindowTest, TitleIsTheStudiosTitleWhenTheApplicationSetsOne) {
    window->app()->setStudioTitle("Test Studio");
    EXPECT_EQ(window->windowTitle(), "Test Studio");
}

// --- Opening ----------------------------------------------------------------------------------

TEST_F(StudioWindowTest, OpeningAModelFileShowsItsTopDiagramInATab) {
    OpenModel* model = open(StudioTest::examplePath("pid_loop.vtm"));
    ASSERT_NE(model, nullptr);
    ASSERT_EQ(window->tabs().count(), 1);
    EXPECT_EQ(window->tabs().tabText(0), "pid_loop");
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(window->tabs().currentWidget(), editor()->getCanvas());
    EXPECT_EQ(editor()->getDiagram(), topDiagram(*model));
    EXPECT_EQ(window->windowTitle(), "Vantor Studio - pid_loop");
    const auto& shown = window->tree()->getModels();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown.front().getDeviantPtr(), model->root.getDeviantPtr());
}

TEST_F(StudioWindowTest, OpeningAFileThatIsOpenAlreadyOpensNoSecondModel) {
    OpenModel* first = open(StudioTest::examplePath("pid_loop.vtm"));
    OpenModel* second = open(StudioTest::examplePath("pid_loop.vtm"));
    EXPECT_EQ(first, second);
    EXPECT_EQ(window->models().size(), 1u);
    EXPECT_EQ(window->tabs().count(), 1);
}

TEST_F(StudioWindowTest, AFileThatCannotBeLoadedIsReportedByNameAndOpensNothing) {
    ExampleCopy broken("pid_loop.vtm");
    QFile file(QString::fromStdString(broken.path()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{ \"format\": \"vantor-model\", \"version\": 1, ");
    file.close();

    EXPECT_EQ(open(broken.path()), nullptr);

    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors.front().find(broken.path()), std::string::npos);
    EXPECT_TRUE(window->models().empty());
    EXPECT_EQ(window->tabs().count(), 0);
    EXPECT_TRUE(window->tree()->getModels().empty());
}

TEST_F(StudioWindowTest, FileActionsFollowTheOpenModelsWhateverTheirText) {
    // The window once found its actions by their visible text: a renamed entry lost its state.
    window->fileActions().save->setText("Store");
    window->fileActions().close->setText("Shut");
    EXPECT_FALSE(window->fileActions().save->isEnabled());

    open(StudioTest::examplePath("pid_loop.vtm"));

    EXPECT_TRUE(window->fileActions().save->isEnabled());
    window->fileActions().close->trigger();
    EXPECT_FALSE(window->fileActions().save->isEnabled());
}

TEST_F(StudioWindowTest, FileOpenAsksForTheFile) {
    prompts.files.push_back(StudioTest::examplePath("rc_network.vtm"));
    window->fileActions().open->trigger();
    StudioTest::processEvents();
    ASSERT_EQ(window->models().size(), 1u);
    EXPECT_EQ(window->models().all().front()->name(), "rc_network");
}

TEST_F(StudioWindowTest, NewModelsAreNamedUntitledThenUntitled1) {
    window->fileActions().newModel->trigger();
    window->fileActions().newModel->trigger();
    StudioTest::processEvents();
    const std::vector<OpenModel*> models = window->models().all();
    ASSERT_EQ(models.size(), 2u);
    EXPECT_EQ(models[0]->name(), "untitled");
    EXPECT_EQ(models[1]->name(), "untitled1");
    EXPECT_EQ(window->tabs().count(), 2);
    EXPECT_EQ(window->windowTitle(), "Vantor Studio - untitled1");
}

// --- Editing with the mouse and the Edit menu -------------------------------------------------

TEST_F(StudioWindowTest, DraggingABlockOnTheCanvasMovesItInTheModel) {
    OpenModel* model = open(StudioTest::examplePath("pid_loop.vtm"));
    ASSERT_NE(model, nullptr);
    const double zoom = canvas()->zoom();
    const GLPoint<double> before = dragErrorBlock(*model);

    const GLPoint<double> after = blockNamed(topDiagram(*model), "Error").getPosition();
    EXPECT_NE(after, before);
    // Smart guides may snap the drop by a few units.
    EXPECT_NEAR(after.x - before.x, 60 / zoom, 8);
    EXPECT_NEAR(after.y - before.y, 40 / zoom, 8);
    EXPECT_TRUE(model->isDirty());
    EXPECT_EQ(window->windowTitle(), "Vantor Studio - pid_loop*");
    EXPECT_EQ(window->tabs().tabText(0), "pid_loop *");
}

TEST_F(StudioWindowTest, UndoFromTheEditMenuPutsTheDraggedBlockBack) {
    OpenModel* model = open(StudioTest::examplePath("pid_loop.vtm"));
    ASSERT_NE(model, nullptr);
    EXPECT_FALSE(window->editActions().undo()->isEnabled());
    const GLPoint<double> before = dragErrorBlock(*model);
    QAction* undo = window->editActions().undo();
    ASSERT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "Undo Move");

    undo->trigger();

    EXPECT_EQ(blockNamed(topDiagram(*model), "Error").getPosition(), before);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(window->editActions().redo()->text(), "Redo Move");
    EXPECT_FALSE(model->isDirty());
    EXPECT_EQ(window->windowTitle(), "Vantor Studio - pid_loop");
}

TEST_F(StudioWindowTest, SelectAllAndDeleteFromTheEditMenuRemoveTheBlocks) {
    OpenModel* model = open(StudioTest::examplePath("pid_loop.vtm"));
    ASSERT_NE(model, nullptr);
    EXPECT_FALSE(window->editActions().remove()->isEnabled());
    window->editActions().selectAll()->trigger();
    StudioTest::processEvents();
    ASSERT_TRUE(window->editActions().remove()->isEnabled());

    window->editActions().remove()->trigger();

    EXPECT_TRUE(topDiagram(*model).getBlocks().empty());
    EXPECT_EQ(window->editActions().undo()->text(), "Undo Delete");
    window->editActions().undo()->trigger();
    EXPECT_FALSE(topDiagram(*model).getBlocks().empty());
}

// Keys go where a user's would: to the canvas, through the window's shortcuts.
TEST_F(StudioWindowTest, ControlADeleteLeavesAnEmptyCanvasAndControlZTheSameFileTextAsBefore) {
    OpenModel* model = open(StudioTest::examplePath("pid_loop.vtm"));
    ASSERT_NE(model, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    canvas()->setFocus();
    const VTQUILL::Diagram diagram = topDiagram(*model);
    std::size_t segments = 0;
    for (const VTQUILL::Line& line : diagram.getLines())
        segments += line.getSegments().size();
    ASSERT_GT(segments, 0u);
    const std::string saved = VTQUILL::File::ModelFileWriter::toText(model->root);
    const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(canvas(), key, modifiers);
        StudioTest::processEvents();
    };
    const auto ink = [this] {
        const QRectF shown(QPointF(0, 0), canvas()->viewportSize());
        return StudioTest::inkInside(canvas()->grab().toImage(), shown);
    };
    ASSERT_GT(ink(), 0) << "the diagram shows";

    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(editor()->getSelection().size(),
              diagram.getBlocks().size() + diagram.getAnnotations().size() + segments);
    press(Qt::Key_Delete);

    EXPECT_TRUE(diagram.getContained().empty());
    EXPECT_EQ(editor()->getScene()->nodeCount(), 0u) << "nothing is left to draw";
    EXPECT_EQ(ink(), 0) << "a blank canvas";

    press(Qt::Key_Z, Qt::ControlModifier);

    EXPECT_EQ(VTQUILL::File::ModelFileWriter::toText(model->root), saved);
    EXPECT_FALSE(model->isDirty());
}

TEST_F(StudioWindowTest, ABlockDiagramOpensInTheModulesEditorAndDeleteLeavesItsLinesFreeEnded) {
    OpenModel* model = open(StudioTest::examplePath("pid_loop.vtm"));
    ASSERT_NE(model, nullptr);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->getTypeName(), "Vantor:Editor");
    EXPECT_EQ(window->palette().objects().size(), 4u);
    const VTQUILL::Block error = blockNamed(topDiagram(*model), "Error");
    std::vector<VTQUILL::Segment> attached;
    for (const VTQUILL::Port& port : error.getContained()) {
        if (port.getEdge().isValid())
            attached.push_back(port.getEdge());
    }
    ASSERT_FALSE(attached.empty());
    const auto before = TestSupport::stateOf(model->root);

    ASSERT_TRUE(editor()->select(error));
    StudioTest::processEvents();
    window->editActions().remove()->trigger();

    EXPECT_FALSE(error.isValid());
    for (const VTQUILL::Segment& segment : attached) {
        ASSERT_TRUE(segment.isValid());
        const bool freeSource = VTQUILL::Terminator(segment.getSrcElement()).isValid();
        const bool freeDestination = VTQUILL::Terminator(segment.getDstElement()).isValid();
        EXPECT_TRUE(freeSource || freeDestination);
    }
    window->editActions().undo()->trigger();
    EXPECT_EQ(TestSupport::stateOf(model->root), before);
}

TEST_F(StudioWindowTest, CutCopyAndPasteAreOffWhenTheEditorOffersNoClipboard) {
    open(StudioTest::examplePath("pid_loop.vtm"));
    window->editActions().selectAll()->trigger();
    StudioTest::processEvents();
    const HARBOR::AbstractDomainInterface* domain = editor()->getDomain();
    ASSERT_NE(domain, nullptr);
    EXPECT_EQ(window->editActions().cut()->isEnabled(), domain->canCut());
    EXPECT_EQ(window->editActions().copy()->isEnabled(), domain->canCopy());
    EXPECT_EQ(window->editActions().paste()->isEnabled(), domain->canPaste());
}

TEST_F(StudioWindowTest, PropertyBrowserShowsTheBlockSelectedOnTheCanvas) {
    OpenModel* model = open(StudioTest::examplePath("pid_loop.vtm"));
    ASSERT_NE(model, nullptr);
    const VTQUILL::Block block = blockNamed(topDiagram(*model), "Error");
    QTest::mouseClick(canvas(), Qt::LeftButton, Qt::NoModifier, centreOnCanvas(block));
    StudioTest::processEvents();
    VantorStudio::PropertyBrowserComponent* browser = window->propertyBrowser();
    EXPECT_EQ(browser->shownElement(), block);
    EXPECT_EQ(browser->valueText("name"), "Error");

    QTest::mouseClick(canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    StudioTest::processEvents();
    EXPECT_FALSE(browser->shownElement().isValid());
}

// --- Saving -----------------------------------------------------------------------------------

TEST_F(StudioWindowTest, ASavedMoveSurvivesReloadingTheFile) {
    ExampleCopy copy("pid_loop.vtm");
    OpenModel* model = open(copy.path());
    ASSERT_NE(model, nullptr);
    dragErrorBlock(*model);
    const GLPoint<double> moved = blockNamed(topDiagram(*model), "Error").getPosition();

    window->fileActions().save->trigger();

    EXPECT_FALSE(model->isDirty());
    EXPECT_FALSE(editor()->isDirty());
    EXPECT_EQ(window->windowTitle(), "Vantor Studio - pid_loop");
    auto reloaded = VTQUILL::File::ModelFileReader().load(copy.path());
    ASSERT_TRUE(reloaded.ok());
    EXPECT_EQ(blockNamed(reloaded.model.getDiagrams().front(), "Error").getPosition(), moved);
    reloaded.model.close();
}

TEST_F(StudioWindowTest, SavingANewModelAsksForAFileAndTheModelBelongsToItAfterwards) {
    ExampleCopy folder("pid_loop.vtm");
    const std::string target = folder.sibling("fresh.vtm");
    window->fileActions().newModel->trigger();
    prompts.files.push_back(target);

    window->fileActions().save->trigger();

    OpenModel* model = window->activeModel();
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->filePath, target);
    auto reloaded = VTQUILL::File::ModelFileReader().load(target);
    ASSERT_TRUE(reloaded.ok());
    EXPECT_EQ(reloaded.model.getName(), model->name());
    reloaded.model.close();
}

TEST_F(StudioWindowTest, AFailedSaveIsReportedAndTheModelStaysDirty) {
    OpenModel* model = open(StudioTest::examplePath("pid_loop.vtm"));
    dragErrorBlock(*model);
    EXPECT_FALSE(window->files().saveTo(*model, "/nonexistent-folder/pid_loop.vtm"));
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_NE(prompts.errors.front().find("/nonexistent-folder/pid_loop.vtm"), std::string::npos);
    EXPECT_TRUE(model->isDirty());
}

TEST_F(StudioWindowTest, UnsavedWorkIsKeptForRecoveryUntilTheModelIsSavedOrClosed) {
    ExampleCopy copy("pid_loop.vtm");
    OpenModel* model = open(copy.path());
    const QDir recovery(QString::fromStdString(VantorStudio::RecoveryStore::defaultFolder()));
    dragErrorBlock(*model);
    EXPECT_EQ(window->autosaver().autosaveNow(), 1);
    EXPECT_EQ(recovery.entryList(QDir::Files).size(), 2) << "the state and its description";

    window->fileActions().save->trigger();
    EXPECT_TRUE(recovery.entryList(QDir::Files).isEmpty());

    dragErrorBlock(*model);
    EXPECT_EQ(window->autosaver().autosaveNow(), 1);
    prompts.answers.push_back(Answer::Discard);
    window->fileActions().close->trigger();
    EXPECT_TRUE(recovery.entryList(QDir::Files).isEmpty());
}

// --- Closing ----------------------------------------------------------------------------------

TEST_F(StudioWindowTest, ClosingTheLastTabKeepsTheModelInTheTreeUntilFileClose) {
    OpenModel* model = open(StudioTest::examplePath("pid_loop.vtm"));
    ASSERT_NE(model, nullptr);
    const VTQUILL::Model root = model->root;

    Q_EMIT window->tabs().tabCloseRequested(0);
    StudioTest::processEvents();

    EXPECT_EQ(window->tabs().count(), 0);
    EXPECT_EQ(window->activeEditor(), nullptr);
    EXPECT_EQ(window->tree()->getModels().size(), 1u);
    EXPECT_TRUE(root.isValid());
    EXPECT_EQ(window->windowTitle(), "Vantor Studio - pid_loop");

    window->fileActions().close->trigger();

    EXPECT_TRUE(prompts.askedAbout.empty());
    EXPECT_TRUE(window->tree()->getModels().empty());
    EXPECT_TRUE(window->models().empty());
    EXPECT_FALSE(root.isValid());
    EXPECT_EQ(window->windowTitle(), "Vantor Studio");
}

TEST_F(StudioWindowTest, ClosingADirtyModelAsksAndCancelKeepsItOpen) {
    OpenModel* model = open(StudioTest::examplePath("pid_loop.vtm"));
    dragErrorBlock(*model);
    prompts.answers.push_back(Answer::Cancel);

    window->fileActions().close->trigger();

    EXPECT_EQ(prompts.askedAbout, std::vector<std::string>{"pid_loop"});
    EXPECT_EQ(window->models().size(), 1u);
    EXPECT_EQ(window->tabs().count(), 1);
    EXPECT_TRUE(model->isDirty());
}

TEST_F(StudioWindowTest, ClosingADirtyModelAndDiscardingClosesItsEditorsAndTheModel) {
    OpenModel* model = open(StudioTest::examplePath("pid_loop.vtm"));
    const VTQUILL::Model root = model->root;
    dragErrorBlock(*model);
    prompts.answers.push_back(Answer::Discard);

    window->fileActions().close->trigger();

    EXPECT_EQ(prompts.askedAbout.size(), 1u);
    EXPECT_TRUE(window->models().empty());
    EXPECT_EQ(window->tabs().count(), 0);
    EXPECT_FALSE(root.isValid());
}

TEST_F(StudioWindowTest, ClosingADirtyModelAndSavingWritesTheFileFirst) {
    ExampleCopy copy("pid_loop.vtm");
    OpenModel* model = open(copy.path());
    dragErrorBlock(*model);
    const GLPoint<double> moved = blockNamed(topDiagram(*model), "Error").getPosition();
    prompts.answers.push_back(Answer::Save);

    window->fileActions().close->trigger();

    EXPECT_TRUE(window->models().empty());
    auto reloaded = VTQUILL::File::ModelFileReader().load(copy.path());
    ASSERT_TRUE(reloaded.ok());
    EXPECT_EQ(blockNamed(reloaded.model.getDiagrams().front(), "Error").getPosition(), moved);
    reloaded.model.close();
}

TEST_F(StudioWindowTest, QuittingAsksForEachDirtyModelAndCancelKeepsTheWindow) {
    OpenModel* pid = open(StudioTest::examplePath("pid_loop.vtm"));
    open(StudioTest::examplePath("rc_network.vtm"));
    window->tabs().setCurrentIndex(0);
    dragErrorBlock(*pid);
    prompts.answers.push_back(Answer::Cancel);

    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompts.askedAbout, std::vector<std::string>{"pid_loop"});

    prompts.answers.push_back(Answer::Discard);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(prompts.askedAbout.size(), 2u);
}

// --- Tabs and the tree ------------------------------------------------------------------------

TEST_F(StudioWindowTest, BringingATabToTheFrontSendsItsIndexAndMakesItsEditorActive) {
    open(StudioTest::examplePath("pid_loop.vtm"));
    open(StudioTest::examplePath("rc_network.vtm"));
    std::vector<int> sent;
    WREN::Listener listener;
    window->studio().getTabFocusEvents()->subscribe(
        listener, [&sent](const HARBOR::Util::IntRequest& r) { sent.push_back(r.getValue()); });
    ASSERT_EQ(window->tabs().currentIndex(), 1);

    window->tabs().setCurrentIndex(0);

    EXPECT_EQ(sent, std::vector<int>{0});
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->getDiagram().getName(), "pid_loop");
    EXPECT_EQ(window->windowTitle(), "Vantor Studio - pid_loop");
}

TEST_F(StudioWindowTest, SelectingASubsystemInTheTreeOpensItsDiagram) {
    OpenModel* model = open(StudioTest::examplePath("nested_subsystems.vtm"));
    ASSERT_NE(model, nullptr);
    // A plain subsystem: masked and configurable ones never open from the tree.
    const VTQUILL::Block subsystem = StudioTest::topLevelBlock(model->root, "Controller");
    ASSERT_TRUE(subsystem.isValid());

    window->app()->getTreeSelectionChangedEventService().send(DOVE2::TreeSelectionChangedEvent(
        DOVE2::TreeComponent::kComponentName, DOVE2::TreeComponent::kUserSelection, {subsystem}));
    StudioTest::processEvents();

    ASSERT_EQ(window->tabs().count(), 2);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->getDiagram(), subsystem.getSubsystemDiagram());
    EXPECT_EQ(window->tabs().currentIndex(), 1);
}

TEST_F(StudioWindowTest, AProgramSelectionInTheTreeOpensNothing) {
    OpenModel* model = open(StudioTest::examplePath("nested_subsystems.vtm"));
    VTQUILL::Block subsystem;
    for (const VTQUILL::Block& block : topDiagram(*model).getBlocks()) {
        if (block.isSubsystem())
            subsystem = block;
    }
    window->app()->getTreeSelectionChangedEventService().send(
        DOVE2::TreeSelectionChangedEvent(DOVE2::TreeComponent::kComponentName,
                                         DOVE2::TreeComponent::kProgramSelection, {subsystem}));
    EXPECT_EQ(window->tabs().count(), 1);
}

TEST_F(StudioWindowTest, AnEditorOfAModelOpenedElsewhereNamesItsModelAndFollowsItsHistory) {
    VTQUILL::Model foreign = VTQUILL::Factory::createNewModel("foreign");
    PARR::ErrorHolder errors;
    ASSERT_NE(window->app()->openEditor(foreign.getDiagrams().front(), errors), nullptr);
    EXPECT_EQ(window->windowTitle(), "Vantor Studio - foreign");
    PARR::Holder<DOVE2::QUILLCommand> rename(new DOVE2::QUILLCommand(foreign, "Rename"));
    rename->addAction([](const QUILL::Model& m, PARR::ErrorHolder&) {
        VTQUILL::Model(m).getDiagrams().front().setName("renamed");
    });

    ASSERT_TRUE(editor()->processCommand(rename));

    EXPECT_EQ(window->windowTitle(), "Vantor Studio - foreign*");
    EXPECT_EQ(window->editActions().undo()->text(), "Undo Rename");
    window->app()->closeModel(foreign, errors);
    foreign.close();
}

// --- View, status bar, dialogs, closing requests ----------------------------------------------

TEST_F(StudioWindowTest, ZoomActionsZoomTheActiveEditorsCanvas) {
    open(StudioTest::examplePath("pid_loop.vtm"));
    const double zoom = canvas()->zoom();
    window->viewActions().zoomIn->trigger();
    EXPECT_GT(canvas()->zoom(), zoom);
    window->viewActions().zoomOut->trigger();
    window->viewActions().zoomOut->trigger();
    EXPECT_LT(canvas()->zoom(), zoom);
    window->viewActions().fitToView->trigger();
    const PARR::GLRect<double> drawn = editor()->getScene()->itemsBoundingRect();
    const QPointF centre = canvas()->mapFromScene(QPointF(drawn.hCenter(), drawn.vCenter()));
    EXPECT_NEAR(centre.x(), canvas()->viewportSize().width() / 2.0, 1.0);
    EXPECT_NEAR(centre.y(), canvas()->viewportSize().height() / 2.0, 1.0);
    EXPECT_TRUE(canvas()->rect().contains(
        canvas()->mapFromScene(QPointF(drawn.right(), drawn.bottom())).toPoint()));
}

TEST_F(StudioWindowTest, WarningsAndCommandErrorsAppearInTheStatusBar) {
    open(StudioTest::examplePath("pid_loop.vtm"));
    TESSEL::warning("Test:Warning", "Something to know.");
    EXPECT_EQ(window->status().lastMessage(), "Warning: Something to know.");
    editor()->getCommandErrorEmitter().emit("Move: refused");
    EXPECT_EQ(window->status().lastMessage(), "Error: Move: refused");
}

TEST_F(StudioWindowTest, BlockParametersOpensTheDialogOfTheSelectedBlock) {
    OpenModel* model = open(StudioTest::examplePath("pid_loop.vtm"));
    const VTQUILL::Block block = blockNamed(topDiagram(*model), "Error");
    ASSERT_TRUE(editor()->select(block));
    StudioTest::processEvents();
    QAction* action = window->blockParametersAction();
    ASSERT_TRUE(action->isEnabled());

    action->trigger();

    ASSERT_NE(window->dialogs().dialogOf(block.getFullPathName()), nullptr);
    EXPECT_EQ(window->dialogs().dialogOf(block.getFullPathName())->block(), block);
}

TEST_F(StudioWindowTest, AnEmptyStudioClosesItsWindowWhenAskedTo) {
    ASSERT_TRUE(window->studio().closeIfEmpty());
    StudioTest::processEvents();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(StudioWindowTest, AStudioWithOpenModelsKeepsItsWindowWhenItsLastEditorCloses) {
    open(StudioTest::examplePath("pid_loop.vtm"));
    PARR::ErrorHolder errors;
    window->app()->closeAllEditors(errors);
    ASSERT_TRUE(window->studio().closeIfEmpty());
    StudioTest::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->models().size(), 1u);
}

// --- Title ------------------------------------------------------------------------------------

TEST(StudioWindowTitle, NamesTheStudioThenTheModelWithAMarkForUnsavedChanges) {
    EXPECT_EQ(StudioWindow::composeTitle("", "", false), "Vantor Studio");
    EXPECT_EQ(StudioWindow::composeTitle("", "m", false), "Vantor Studio - m");
    EXPECT_EQ(StudioWindow::composeTitle("Own", "m", true), "Own - m*");
}

}  // namespace

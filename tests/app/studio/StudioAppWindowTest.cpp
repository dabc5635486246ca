// The block-diagram studio application in the real window: the module's application runs
// every studio, a double click on a subsystem opens it in a tab, View > Go Up comes back, and
// the model explorer shows the module's names.
#include <gtest/gtest.h>

#include <QAction>
#include <QDockWidget>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "ComponentDocks.h"
#include "DocumentTabs.h"
#include "ExplorerFilter.h"
#include "ModelFileController.h"
#include "StudioTestSupport.h"
#include "StudioWindow.h"
#include "dove2/Editor.h"
#include "dove2/explorer/TreeComponent.h"
#include "rook2/Canvas.h"

namespace {

using VantorStudio::OpenModel;
using VantorStudio::StudioWindow;

class StudioAppWindowTest : public ::testing::Test {
protected:
    StudioAppWindowTest() {
        StudioTest::qtApplication();
        window = std::make_unique<StudioWindow>(&prompts);
        window->show();
        StudioTest::processEvents();
    }
    ~StudioAppWindowTest() override {
        window.reset();
        StudioTest::processEvents();
    }

    DOVE2::Editor* editor() const { return window->activeEditor(); }
    // Double-clicks the centre of `block`, a block of the diagram the active editor shows.
    void doubleClick(const VTQUILL::Block& block) {
        ROOK2::Canvas* canvas = editor()->getCanvas();
        const PARR::GLPoint<double> at = block.getPosition() + block.getSize() * 0.5;
        const QPoint widget = canvas->mapFromScene(QPointF(at.x, at.y)).toPoint();
        QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, widget);
        StudioTest::processEvents();
    }

    StudioTest::ScriptedPrompts prompts;
    std::unique_ptr<StudioWindow> window;
};

TEST_F(StudioAppWindowTest, EveryStudioRunsTheBlockDiagramStudioApplication) {
    ASSERT_NE(window->app(), nullptr);
    EXPECT_EQ(window->app()->getFullyQualifiedYarrowTypeName(), "VTQUILL.StudioApp");
    EXPECT_EQ(window->windowTitle(), "Vantor Studio");
}

TEST_F(StudioAppWindowTest, DoubleClickingASubsystemOpensItsTabAndGoUpComesBack) {
    OpenModel* model = window->files().openFile(StudioTest::examplePath("nested_subsystems.vtm"));
    StudioTest::processEvents();
    ASSERT_NE(model, nullptr);
    const VTQUILL::Block controller = StudioTest::topLevelBlock(model->root, "Controller");
    ASSERT_TRUE(controller.isValid());

    doubleClick(controller);

    ASSERT_EQ(window->tabs().count(), 2);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->getName(), "nested_subsystems/Controller");
    EXPECT_EQ(window->tabs().currentIndex(), 1);

    window->viewActions().goUp->trigger();
    StudioTest::processEvents();

    EXPECT_EQ(window->tabs().count(), 2);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(editor()->getName(), "nested_subsystems");
    EXPECT_EQ(window->tabs().currentIndex(), 0);
}

TEST_F(StudioAppWindowTest, TheModelExplorerShowsTheModelAndItsSubsystemsByName) {
    ASSERT_NE(window->files().openFile(StudioTest::examplePath("nested_subsystems.vtm")), nullptr);
    StudioTest::processEvents();
    auto* tree = dynamic_cast<QTreeWidget*>(window->tree()->getWidget());
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* top = tree->topLevelItem(0);
    EXPECT_EQ(top->text(0), "nested_subsystems");
    EXPECT_FALSE(top->icon(0).isNull());

    top->setExpanded(true);

    QStringList children;
    for (int i = 0; i < top->childCount(); ++i)
        children << top->child(i)->text(0);
    EXPECT_EQ(children, QStringList{"Controller"}) << "no plain or masked blocks";
}

TEST_F(StudioAppWindowTest, TheModelExplorerDockFiltersTheTreeAlsoAfterACommit) {
    OpenModel* model = window->files().openFile(StudioTest::examplePath("nested_subsystems.vtm"));
    StudioTest::processEvents();
    ASSERT_NE(model, nullptr);
    auto* filter = dynamic_cast<VantorStudio::ExplorerFilter*>(
        window->docks().dockOf(DOVE2::TreeComponent::kComponentName)->widget());
    ASSERT_NE(filter, nullptr);
    QTreeWidget* tree = filter->tree();
    tree->topLevelItem(0)->setExpanded(true);

    filter->field()->setText("nothing like it");
    EXPECT_TRUE(tree->topLevelItem(0)->isHidden());
    ASSERT_TRUE(StudioTest::moveTopLevelBlock(model->root, "Command", {10, 0}));
    StudioTest::processEvents();
    EXPECT_TRUE(tree->topLevelItem(0)->isHidden()) << "the rebuilt tree is filtered";

    filter->field()->setText("control");
    EXPECT_FALSE(tree->topLevelItem(0)->isHidden());
}

}  // namespace

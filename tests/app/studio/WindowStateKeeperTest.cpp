#include "WindowStateKeeper.h"

#include <gtest/gtest.h>

#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>
#include <memory>

#include "StudioTestSupport.h"

namespace {

using VantorStudio::WindowStateKeeper;

// A main window as the studio makes it at start-up: a tree dock on the left, a browser dock on
// the right and a tool bar, each with its object name.
class LaidOutWindow : public QMainWindow {
public:
    LaidOutWindow() {
        setCentralWidget(new QLabel("canvas"));
        tree = dock("tree", Qt::LeftDockWidgetArea);
        browser = dock("browser", Qt::RightDockWidgetArea);
        tools = addToolBar("Tools");
        tools->setObjectName("tools");
        resize(800, 600);
    }
    QDockWidget* dock(const QString& name, Qt::DockWidgetArea area) {
        auto* made = new QDockWidget(name, this);
        made->setObjectName(name);
        made->setWidget(new QLabel(name));
        addDockWidget(area, made);
        return made;
    }

    QDockWidget* tree = nullptr;
    QDockWidget* browser = nullptr;
    QToolBar* tools = nullptr;
};

class WindowStateKeeperTest : public ::testing::Test {
protected:
    WindowStateKeeperTest() { StudioTest::qtApplication(); }

    QTemporaryDir dir;
    QSettings settings{dir.filePath("studio.ini"), QSettings::IniFormat};
};

TEST_F(WindowStateKeeperTest, TheNextWindowComesBackWithTheSizeAndDocksTheUserLeft) {
    {
        LaidOutWindow first;
        first.show();
        QDockWidget* late = first.dock("library", Qt::RightDockWidgetArea);
        first.addDockWidget(Qt::BottomDockWidgetArea, first.browser);
        first.addDockWidget(Qt::LeftDockWidgetArea, late);
        first.addToolBar(Qt::LeftToolBarArea, first.tools);
        first.tree->hide();
        first.resize(1000, 700);
        StudioTest::processEvents();
        WindowStateKeeper(first, settings).save();
    }

    LaidOutWindow next;
    const WindowStateKeeper keeper(next, settings);
    ASSERT_TRUE(keeper.restore());
    next.show();
    // A dock of a component that came after start-up.
    auto* late = new QDockWidget("library", &next);
    late->setObjectName("library");
    EXPECT_TRUE(keeper.restoreDock(*late));
    StudioTest::processEvents();

    EXPECT_EQ(next.size(), QSize(1000, 700));
    EXPECT_EQ(next.dockWidgetArea(next.browser), Qt::BottomDockWidgetArea);
    EXPECT_EQ(next.dockWidgetArea(late), Qt::LeftDockWidgetArea);
    EXPECT_EQ(next.toolBarArea(next.tools), Qt::LeftToolBarArea);
    EXPECT_TRUE(next.tree->isHidden());
}

TEST_F(WindowStateKeeperTest, AWindowWithNothingSavedKeepsItsOwnLayout) {
    LaidOutWindow window;

    EXPECT_FALSE(WindowStateKeeper(window, settings).restore());

    EXPECT_EQ(window.size(), QSize(800, 600));
    EXPECT_EQ(window.dockWidgetArea(window.browser), Qt::RightDockWidgetArea);
}

}  // namespace

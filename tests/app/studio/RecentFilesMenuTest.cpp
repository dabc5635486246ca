#include "RecentFilesMenu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include "RecentFiles.h"
#include "StudioTestSupport.h"

namespace {

using VantorStudio::RecentFiles;
using VantorStudio::RecentFilesMenu;

class RecentFilesMenuTest : public ::testing::Test {
protected:
    RecentFilesMenuTest() {
        for (const char* name : {"first.vtm", "second.vtm"})
            QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
        recent.add(path("first.vtm"));
        recent.add(path("second.vtm"));
        recentMenu.rebuild();
    }

    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    // The menu's entries, one text each, "--" for a separator.
    std::string entries() const {
        QStringList texts;
        for (QAction* action : menu.actions())
            texts.append(action->isSeparator() ? "--" : action->text());
        return texts.join(" | ").toStdString();
    }

    // Made first: the menu needs the application.
    QApplication& application = StudioTest::qtApplication();
    QTemporaryDir dir;
    QSettings settings{dir.filePath("studio.ini"), QSettings::IniFormat};
    RecentFiles recent{settings};
    QMenu menu;
    std::vector<std::string> opened;
    std::vector<std::string> missing;
    RecentFilesMenu recentMenu{menu, recent, [this](const std::string& p) { opened.push_back(p); },
                               [this](const std::string& p) { missing.push_back(p); }};
};

TEST_F(RecentFilesMenuTest, ListsTheFilesNumberedNewestFirstThenClear) {
    EXPECT_EQ(entries(), "&1 second.vtm | &2 first.vtm | -- | Clear Recent Files");
    EXPECT_EQ(menu.actions().front()->statusTip().toStdString(), path("second.vtm"));

    menu.actions().back()->trigger();

    EXPECT_TRUE(recent.paths().empty());
    EXPECT_FALSE(menu.isEnabled());
}

TEST_F(RecentFilesMenuTest, ChoosingAFileOpensItAndAMissingOneLeavesTheList) {
    menu.actions().front()->trigger();
    EXPECT_EQ(opened, std::vector<std::string>{path("second.vtm")});

    QFile::remove(dir.filePath("first.vtm"));
    menu.actions().at(1)->trigger();

    EXPECT_EQ(opened.size(), 1u);
    EXPECT_EQ(missing, std::vector<std::string>{path("first.vtm")});
    EXPECT_EQ(recent.paths(), std::vector<std::string>{path("second.vtm")});
    EXPECT_EQ(entries(), "&1 second.vtm | -- | Clear Recent Files");
}

}  // namespace

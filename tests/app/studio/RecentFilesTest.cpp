#include "RecentFiles.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "StudioTestSupport.h"

namespace {

using VantorStudio::RecentFiles;

// Settings in a file of a temporary folder: a second QSettings on the same file is the next
// run of the studio.
class RecentFilesTest : public ::testing::Test {
protected:
    RecentFilesTest() { StudioTest::qtApplication(); }

    QString settingsFile() const { return dir.filePath("studio.ini"); }
    std::string file(int n) const {
        return dir.filePath(QString("model%1.vtm").arg(n)).toStdString();
    }

    QTemporaryDir dir;
};

TEST_F(RecentFilesTest, KeepsTheLastTenFilesNewestFirstWithoutDuplicates) {
    QSettings settings(settingsFile(), QSettings::IniFormat);
    RecentFiles recent(settings);
    for (int n = 1; n <= 12; ++n)
        recent.add(file(n));
    // The same file again, written another way, moves to the front.
    recent.add(dir.filePath("./sub/../model5.vtm").toStdString());

    std::vector<std::string> expected{file(5)};
    for (int n = 12; n >= 3; --n) {
        if (n != 5)
            expected.push_back(file(n));
    }
    EXPECT_EQ(recent.paths(), expected);
}

TEST_F(RecentFilesTest, TheListOutlivesTheStudioThatMadeIt) {
    {
        QSettings settings(settingsFile(), QSettings::IniFormat);
        RecentFiles recent(settings);
        recent.add(file(1));
        recent.add(file(2));
        recent.add(file(3));
        recent.remove(file(2));
    }
    QSettings nextRun(settingsFile(), QSettings::IniFormat);
    RecentFiles recent(nextRun);
    EXPECT_EQ(recent.paths(), (std::vector<std::string>{file(3), file(1)}));

    recent.clear();
    EXPECT_TRUE(RecentFiles(nextRun).paths().empty());
}

}  // namespace

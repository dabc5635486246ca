#include "RecoveryStore.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "StudioTestSupport.h"
#include "vtquill/file/ModelFileReader.h"

namespace {

using StudioTest::ExampleCopy;
using VantorStudio::RecoveryRecord;
using VantorStudio::RecoveryStore;

// The id of a process that has ended (and was reaped): a studio that is gone.
qint64 endedProcess() {
    QProcess process;
    process.start("true", {});
    process.waitForStarted();
    const qint64 pid = process.processId();
    process.waitForFinished();
    return pid;
}

class RecoveryStoreTest : public ::testing::Test {
protected:
    RecoveryStoreTest() {
        StudioTest::qtApplication();
        model = VTQUILL::File::ModelFileReader().load(copy.path()).model;
        // Saved well before any record is written, whatever the resolution of file times.
        StudioTest::setLastModified(copy.path(), QDateTime::currentDateTime().addSecs(-3600));
    }
    ~RecoveryStoreTest() override { model.close(); }

    // Writes the record of `model` as the given store would and returns its key.
    std::string keep(const RecoveryStore& store) {
        const std::string key = store.keyFor(copy.path(), model.getName());
        EXPECT_EQ(store.write(key, model, copy.path()), "");
        return key;
    }

    QTemporaryDir folder;
    ExampleCopy copy{"pid_loop.vtm"};
    VTQUILL::Model model;
};

TEST_F(RecoveryStoreTest, ModelsOfTheSameFileNameInDifferentFoldersHaveRecordsOfTheirOwn) {
    const RecoveryStore store(folder.path().toStdString());
    ExampleCopy namesake("pid_loop.vtm");
    EXPECT_NE(store.keyFor(copy.path(), "pid_loop"), store.keyFor(namesake.path(), "pid_loop"));
    EXPECT_EQ(store.keyFor(copy.path(), "pid_loop"), store.keyFor(copy.path(), "renamed"));
    EXPECT_NE(store.keyFor("", "untitled"), store.keyFor("", "untitled1"));
    EXPECT_NE(store.keyFor("", "untitled"),
              RecoveryStore(folder.path().toStdString(), endedProcess()).keyFor("", "untitled"))
        << "two studios' unsaved models of the same name";
}

TEST_F(RecoveryStoreTest, WorkOfAnEndedStudioIsOfferedAndThatOfARunningOneIsNot) {
    const RecoveryStore running(folder.path().toStdString());
    const RecoveryStore ended(folder.path().toStdString(), endedProcess());
    keep(running);
    EXPECT_TRUE(running.pending().empty());

    const std::string key = keep(ended);

    const std::vector<RecoveryRecord> offers = running.pending();
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers.front().key, key);
    EXPECT_EQ(offers.front().modelFile, copy.path());
    EXPECT_EQ(offers.front().modelName, "pid_loop");
    auto state = VTQUILL::File::ModelFileReader().load(offers.front().stateFile);
    ASSERT_TRUE(state.ok());
    state.model.close();
    running.remove(key);
    EXPECT_TRUE(running.pending().empty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(RecoveryStoreTest, WorkOlderThanItsModelFileIsStaleAndRemoved) {
    const RecoveryStore ended(folder.path().toStdString(), endedProcess());
    const std::string key = keep(ended);
    const QDateTime written =
        QFileInfo(folder.filePath(QString::fromStdString(key + ".vtm"))).lastModified();
    ASSERT_TRUE(StudioTest::setLastModified(copy.path(), written.addSecs(10)));

    EXPECT_TRUE(ended.pending().empty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(RecoveryStoreTest, WorkOnAModelWhoseFileIsGoneIsOffered) {
    const RecoveryStore ended(folder.path().toStdString(), endedProcess());
    keep(ended);
    QFile::remove(QString::fromStdString(copy.path()));
    EXPECT_EQ(ended.pending().size(), 1u);
}

}  // namespace

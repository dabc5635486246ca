#include "ModelAutosaver.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include "RecoveryStore.h"
#include "StudioTestSupport.h"
#include "support/WarningRecorder.h"
#include "vtquill/file/ModelFileReader.h"

namespace {

using namespace std::chrono_literals;
using StudioTest::ExampleCopy;
using VantorStudio::ModelAutosaver;
using VantorStudio::OpenModel;
using VantorStudio::RecoveryStore;

// Models open as in a studio window, whose history changes reach the autosaver.
class ModelAutosaverTest : public ::testing::Test {
protected:
    ModelAutosaverTest() {
        StudioTest::qtApplication();
        models.setHistoryChangedCallback(
            [this](const OpenModel& changed) { autosaver.modelChanged(changed); });
    }

    OpenModel& open(const ExampleCopy& copy) {
        return models.add(VTQUILL::File::ModelFileReader().load(copy.path()).model, copy.path());
    }
    bool hasRecord(const OpenModel& model) const {
        const std::string key = autosaver.recordOf(model);
        return !key.empty() &&
               QFile::exists(QDir(folder.path()).filePath(QString::fromStdString(key) + ".vtm"));
    }

    QTemporaryDir folder;
    RecoveryStore store{folder.path().toStdString()};
    VantorStudio::OpenModels models;
    ModelAutosaver autosaver{models, store, 1h};
    ExampleCopy copy{"pid_loop.vtm"};
};

TEST_F(ModelAutosaverTest, AChangedModelIsWrittenWhenTheIntervalEndsAndItsRecordGoesOnceSaved) {
    OpenModel& model = open(copy);
    autosaver.setInterval(10ms);
    ASSERT_TRUE(StudioTest::moveTopLevelBlock(model.root, "Error", {10, 0}));

    ASSERT_TRUE(QTest::qWaitFor([&] { return hasRecord(model); }, 10000));
    auto kept = VTQUILL::File::ModelFileReader().load(
        QDir(folder.path())
            .filePath(QString::fromStdString(autosaver.recordOf(model)) + ".vtm")
            .toStdString());
    ASSERT_TRUE(kept.ok());
    EXPECT_EQ(StudioTest::topLevelBlock(kept.model, "Error").getPosition(),
              StudioTest::topLevelBlock(model.root, "Error").getPosition());
    kept.model.close();

    model.history->setClean();

    EXPECT_EQ(autosaver.recordOf(model), "");
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(ModelAutosaverTest,
       OnlyModelsChangedSinceTheirLastRecordAreWrittenAndClosingDropsTheRecord) {
    OpenModel& edited = open(copy);
    ExampleCopy otherCopy("rc_network.vtm");
    OpenModel& untouched = open(otherCopy);
    ASSERT_TRUE(StudioTest::moveTopLevelBlock(edited.root, "Error", {10, 0}));

    EXPECT_EQ(autosaver.autosaveNow(), 1);
    EXPECT_EQ(autosaver.autosaveNow(), 0) << "nothing changed since";
    EXPECT_TRUE(hasRecord(edited));
    EXPECT_FALSE(hasRecord(untouched));

    autosaver.modelClosed(edited);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(ModelAutosaverTest, AWriteThatFailsIsToldOnceAndTriedAgainUntilItSucceeds) {
    const QString blocked = folder.filePath("blocked");
    QFile(blocked).open(QIODevice::WriteOnly);
    RecoveryStore unwritable((blocked + "/recovery").toStdString());
    ModelAutosaver saver(models, unwritable, 1h);
    OpenModel& model = open(copy);
    ASSERT_TRUE(StudioTest::moveTopLevelBlock(model.root, "Error", {10, 0}));
    saver.modelChanged(model);
    TestSupport::WarningRecorder warnings;

    EXPECT_EQ(saver.autosaveNow(), 0);
    EXPECT_EQ(saver.autosaveNow(), 0);
    EXPECT_EQ(warnings.identifiers, std::vector<std::string>{ModelAutosaver::kWriteFailed});
    ASSERT_EQ(warnings.texts.size(), 1u);
    EXPECT_NE(warnings.texts.front().find("blocked"), std::string::npos);

    QFile::remove(blocked);
    EXPECT_EQ(saver.autosaveNow(), 1);
}

}  // namespace

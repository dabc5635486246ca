// The autosave and the recovery end to end: a studio process (studio_autosave_child) edits a
// model and keeps its unsaved work until it is killed with SIGKILL; a new studio window then
// offers the work back.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>
#include <cmath>

#include "ModelFileController.h"
#include "RecoveryStore.h"
#include "StudioTestSupport.h"
#include "StudioWindow.h"
#include "vtquill/file/ModelFileReader.h"

namespace {

using StudioTest::ExampleCopy;
using StudioTest::ScriptedPrompts;
using VantorStudio::OpenModel;
using VantorStudio::RecoveryStore;
using VantorStudio::StudioWindow;
using Recovery = VantorStudio::StudioPrompts::RecoveryAnswer;

constexpr int kTimeoutMs = 60000;

// Runs a studio on `modelFile` (in the user data folder this process has now) until it has
// kept its unsaved work `records` times, then kills it with SIGKILL.
void killStudioAfterItAutosaved(const std::string& modelFile, int records) {
    QProcess studio;
    studio.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    studio.start(VANTOR_AUTOSAVE_CHILD, {QString::fromStdString(modelFile)});
    ASSERT_TRUE(studio.waitForStarted(kTimeoutMs));
    int written = 0;
    while (written < records) {
        ASSERT_TRUE(studio.canReadLine() || studio.waitForReadyRead(kTimeoutMs))
            << "the studio ended or wrote nothing: exit code " << studio.exitCode();
        while (studio.canReadLine())
            written = studio.readLine().trimmed().split(' ').value(1).toInt();
    }
    studio.kill();
    ASSERT_TRUE(studio.waitForFinished(kTimeoutMs));
    EXPECT_EQ(studio.exitStatus(), QProcess::CrashExit);
}

PARR::GLPoint<double> errorBlockIn(const std::string& modelFile) {
    VTQUILL::Model model = VTQUILL::File::ModelFileReader().load(modelFile).model;
    const PARR::GLPoint<double> at = StudioTest::topLevelBlock(model, "Error").getPosition();
    model.close();
    return at;
}

class UnsavedWorkRecoveryTest : public ::testing::Test {
protected:
    UnsavedWorkRecoveryTest() {
        StudioTest::qtApplication();
        // Saved well before the studio keeps any work, whatever the resolution of file times.
        StudioTest::setLastModified(copy.path(), QDateTime::currentDateTime().addSecs(-3600));
    }

    StudioTest::UserDataFolder userData;
    ExampleCopy copy{"pid_loop.vtm"};
    ScriptedPrompts prompts;
};

TEST_F(UnsavedWorkRecoveryTest, WorkOfAKilledStudioIsOfferedAndOpensWithUnsavedChanges) {
    const PARR::GLPoint<double> saved = errorBlockIn(copy.path());
    killStudioAfterItAutosaved(copy.path(), 3);
    prompts.recoveryAnswers.push_back(Recovery::Recover);
    StudioWindow window(&prompts);

    EXPECT_EQ(window.recoverUnsavedWork(), 1);

    EXPECT_EQ(prompts.recoveriesOffered, std::vector<std::string>{"pid_loop " + copy.path()});
    OpenModel* model = window.models().findByFile(copy.path());
    ASSERT_NE(model, nullptr);
    EXPECT_TRUE(model->isDirty());
    EXPECT_EQ(window.windowTitle(), "Vantor Studio - pid_loop*");
    // The studio moved the block 10 units at a time; the last complete record holds 3 or more.
    const PARR::GLPoint<double> recovered =
        StudioTest::topLevelBlock(model->root, "Error").getPosition();
    EXPECT_GE(recovered.x - saved.x, 30);
    EXPECT_EQ(std::fmod(recovered.x - saved.x, 10), 0);
    EXPECT_EQ(recovered.y, saved.y);
    EXPECT_EQ(errorBlockIn(copy.path()), saved) << "the model file itself is untouched";

    prompts.answers.push_back(VantorStudio::StudioPrompts::UnsavedChangesAnswer::Discard);
    ASSERT_TRUE(window.files().close(*model));
    EXPECT_TRUE(RecoveryStore(RecoveryStore::defaultFolder()).pending().empty())
        << "closing without saving drops the work for good";
}

TEST_F(UnsavedWorkRecoveryTest, WorkKeptForLaterIsOfferedAgainAndWorkDiscardedIsGone) {
    killStudioAfterItAutosaved(copy.path(), 1);
    {
        StudioWindow keeping(&prompts);
        EXPECT_EQ(keeping.recoverUnsavedWork(), 0);
        EXPECT_TRUE(keeping.models().empty());
    }
    prompts.recoveryAnswers.push_back(Recovery::Discard);
    StudioWindow discarding(&prompts);

    EXPECT_EQ(discarding.recoverUnsavedWork(), 0);

    EXPECT_EQ(prompts.recoveriesOffered.size(), 2u);
    EXPECT_TRUE(discarding.models().empty());
    EXPECT_TRUE(QDir(QString::fromStdString(RecoveryStore::defaultFolder()))
                    .entryList(QDir::Files)
                    .isEmpty());
}

}  // namespace

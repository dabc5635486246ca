#include "ModelFileController.h"

#include <gtest/gtest.h>

#include "StudioStartup.h"
#include "StudioTestSupport.h"
#include "dove2/Editor.h"
#include "dove2/StudioApp.h"
#include "harbor/Studio.h"
#include "support/WarningRecorder.h"
#include "vtquill/file/ModelFileReader.h"
#include "vtquill/file/ModelFileWriter.h"

namespace {

using StudioTest::ExampleCopy;
using StudioTest::ScriptedPrompts;
using VantorStudio::ModelFileController;
using VantorStudio::OpenModel;

// A controller over a started studio whose application is `App`.
template <class App>
class ControllerOf {
public:
    ControllerOf() : app(new App()) {
        StudioTest::qtApplication();
        VantorStudio::StudioStartup::initializeOnce();
        studio.setApp(app);
        PARR::ErrorHolder errors;
        studio.start(errors);
    }
    ~ControllerOf() {
        PARR::ErrorHolder errors;
        app->closeAllEditors(errors);
        studio.shutDown(errors);
    }

    HARBOR::Studio studio;
    PARR::Holder<DOVE2::StudioApp> app;
    VantorStudio::OpenModels models;
    ScriptedPrompts prompts;
    ModelFileController files{studio, models, prompts};
};

TEST(ModelFileController, AModelWhoseEditorCannotOpenStaysOpenAndTheUserHearsWhy) {
    ControllerOf<StudioTest::RefusingStudioApp> fixture;
    TestSupport::WarningRecorder warnings;

    OpenModel* model = fixture.files.openFile(StudioTest::examplePath("pid_loop.vtm"));

    ASSERT_NE(model, nullptr);
    EXPECT_EQ(fixture.models.size(), 1u);
    EXPECT_TRUE(fixture.app->getAllEditors().empty());
    EXPECT_EQ(warnings.identifiers, std::vector<std::string>{DOVE2::StudioApp::kCannotOpenDiagram});
    ASSERT_EQ(warnings.texts.size(), 1u);
    EXPECT_NE(warnings.texts.front().find("pid_loop"), std::string::npos);
}

TEST(ModelFileController, ARecoveredModelOpensWithUnsavedChangesAndSavesToItsOwnFile) {
    ControllerOf<DOVE2::StudioApp> fixture;
    ExampleCopy copy("pid_loop.vtm");
    const std::string state = copy.sibling("state.vtm");
    VTQUILL::Model edited = VTQUILL::File::ModelFileReader().load(copy.path()).model;
    ASSERT_TRUE(StudioTest::moveTopLevelBlock(edited, "Error", {20, 0}));
    const PARR::GLPoint<double> moved = StudioTest::topLevelBlock(edited, "Error").getPosition();
    ASSERT_EQ(VTQUILL::File::ModelFileWriter().save(edited, state), "");
    edited.close();

    OpenModel* model = fixture.files.openRecovered(state, copy.path());

    ASSERT_NE(model, nullptr);
    EXPECT_TRUE(model->isDirty());
    EXPECT_EQ(model->filePath, copy.path());
    EXPECT_EQ(fixture.app->getAllEditors().size(), 1u);
    EXPECT_EQ(StudioTest::topLevelBlock(model->root, "Error").getPosition(), moved);
    ASSERT_TRUE(fixture.files.save(*model));
    EXPECT_FALSE(model->isDirty());
    VTQUILL::Model saved = VTQUILL::File::ModelFileReader().load(copy.path()).model;
    EXPECT_EQ(StudioTest::topLevelBlock(saved, "Error").getPosition(), moved);
    saved.close();
}

// --- Saving under another name ----------------------------------------------------------------

TEST(ModelFileControllerSaveAs, AFileNameThatAnotherOpenModelCarriesIsRefusedAndNothingIsWritten) {
    ControllerOf<DOVE2::StudioApp> fixture;
    ExampleCopy pid("pid_loop.vtm");
    ExampleCopy rc("rc_network.vtm");
    fixture.files.openFile(pid.path());
    OpenModel* model = fixture.files.openFile(rc.path());
    ASSERT_NE(model, nullptr);
    const std::string clash = rc.sibling("pid_loop.vtm");

    EXPECT_FALSE(fixture.files.saveTo(*model, clash));

    ASSERT_EQ(fixture.prompts.errors.size(), 1u);
    EXPECT_NE(fixture.prompts.errors.front().find("\"pid_loop\" is open"), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(clash)));
    EXPECT_EQ(model->name(), "rc_network");
    EXPECT_EQ(model->filePath, rc.path());
}

TEST(ModelFileControllerSaveAs, AWriteThatFailsRenamesNothingAndLeavesTheModelClean) {
    ControllerOf<DOVE2::StudioApp> fixture;
    OpenModel* model = fixture.files.openFile(StudioTest::examplePath("pid_loop.vtm"));
    ASSERT_NE(model, nullptr);

    EXPECT_FALSE(fixture.files.saveTo(*model, "/nonexistent-folder/renamed.vtm"));

    ASSERT_EQ(fixture.prompts.errors.size(), 1u);
    EXPECT_EQ(model->name(), "pid_loop");
    EXPECT_EQ(model->root.getDiagrams().front().getName(), "pid_loop");
    EXPECT_FALSE(model->isDirty());
    ASSERT_EQ(fixture.app->getAllEditors().size(), 1u);
    EXPECT_EQ(fixture.app->getAllEditors().front()->getName(), "pid_loop");
}

}  // namespace

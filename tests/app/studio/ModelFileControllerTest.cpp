#include "ModelFileController.h"

#include <gtest/gtest.h>

#include "StudioStartup.h"
#include "StudioTestSupport.h"
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

}  // namespace

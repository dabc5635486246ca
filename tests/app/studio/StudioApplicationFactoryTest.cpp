#include "StudioApplicationFactory.h"

#include <gtest/gtest.h>

#include "ModelFileController.h"
#include "ModuleLoader.h"
#include "StudioTestSupport.h"
#include "StudioWindow.h"
#include "dove2/Editor.h"
#include "dove2/StudioApp.h"
#include "dove2/explorer/TreeComponent.h"
#include "harbor/Studio.h"

namespace {

using VantorStudio::StudioApplicationFactory;

// A domain's application: follows tree selections itself (here: not at all).
class DomainStudioApp : public DOVE2::StudioApp {
public:
    PARR::Holder<StudioApp> spawnApplication() const override {
        return PARR::makeHeld<DomainStudioApp>();
    }
};

// A prototype that spawns nothing.
class BarrenStudioApp : public DOVE2::StudioApp {
public:
    PARR::Holder<StudioApp> spawnApplication() const override { return {}; }
};

// Registers a prototype (null: none) for the life of the object, then puts back one of the
// class registered before: a loaded module registers its application for the whole process.
class PrototypeSetting {
public:
    explicit PrototypeSetting(DOVE2::StudioApp* prototype)
        : previous_(DOVE2::StudioApp::spawnForNewStudio()) {
        DOVE2::StudioApp::setPrototype(PARR::Holder<DOVE2::StudioApp>(prototype));
    }
    ~PrototypeSetting() { DOVE2::StudioApp::setPrototype(previous_); }
    PrototypeSetting(const PrototypeSetting&) = delete;
    PrototypeSetting& operator=(const PrototypeSetting&) = delete;

private:
    PARR::Holder<DOVE2::StudioApp> previous_;
};

TEST(StudioApplicationFactory, MakesTheFrameworksApplicationWhenNoDomainRegisteredOne) {
    const PrototypeSetting none(nullptr);
    const PARR::Holder<DOVE2::StudioApp> app = StudioApplicationFactory::make();
    ASSERT_TRUE(app);
    EXPECT_TRUE(StudioApplicationFactory::isFrameworkApplication(*app));
}

TEST(StudioApplicationFactory, MakesTheApplicationOfTheRegisteredPrototype) {
    const PrototypeSetting setting(new DomainStudioApp());
    const PARR::Holder<DOVE2::StudioApp> app = StudioApplicationFactory::make();
    ASSERT_NE(dynamic_cast<DomainStudioApp*>(app.get()), nullptr);
    EXPECT_FALSE(StudioApplicationFactory::isFrameworkApplication(*app));
}

TEST(StudioApplicationFactory, APrototypeThatSpawnsNothingGivesTheFrameworksApplication) {
    const PrototypeSetting setting(new BarrenStudioApp());
    const PARR::Holder<DOVE2::StudioApp> app = StudioApplicationFactory::make();
    ASSERT_TRUE(app);
    EXPECT_TRUE(StudioApplicationFactory::isFrameworkApplication(*app));
}

TEST(StudioApplicationFactory, TheWindowLeavesTreeSelectionsToADomainsApplication) {
    StudioTest::qtApplication();
    // The module registers its own application when it loads: load it before replacing it.
    VantorStudio::ModuleLoader::loadOnce();
    const PrototypeSetting setting(new DomainStudioApp());
    StudioTest::ScriptedPrompts prompts;
    VantorStudio::StudioWindow window(&prompts);
    ASSERT_NE(dynamic_cast<DomainStudioApp*>(window.app()), nullptr);
    VantorStudio::OpenModel* model =
        window.files().openFile(StudioTest::examplePath("nested_subsystems.vtm"));
    ASSERT_NE(model, nullptr);
    PARR::ErrorHolder errors;
    window.app()->closeAllEditors(errors);
    ASSERT_TRUE(window.app()->getAllEditors().empty());

    window.app()->getTreeSelectionChangedEventService().send(DOVE2::TreeSelectionChangedEvent(
        DOVE2::TreeComponent::kComponentName, DOVE2::TreeComponent::kUserSelection,
        {model->root.getDiagrams().front()}));

    EXPECT_TRUE(window.app()->getAllEditors().empty());
}

TEST(StudioApplicationFactory, TheLoadedModuleRegistersTheBlockDiagramStudioApplication) {
    StudioTest::qtApplication();
    StudioTest::ScriptedPrompts prompts;
    const VantorStudio::StudioWindow window(&prompts);  // loads the module
    const PARR::Holder<DOVE2::StudioApp> app = StudioApplicationFactory::make();
    ASSERT_TRUE(app);
    EXPECT_FALSE(StudioApplicationFactory::isFrameworkApplication(*app));
    EXPECT_EQ(app->getFullyQualifiedYarrowTypeName(), "VTQUILL.StudioApp");
}

}  // namespace

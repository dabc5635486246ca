#include "StudioApplicationFactory.h"

#include <gtest/gtest.h>

#include "ModelFileController.h"
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

// Registers a prototype for the life of the object.
class PrototypeSetting {
public:
    explicit PrototypeSetting(DOVE2::StudioApp* prototype) {
        DOVE2::StudioApp::setPrototype(PARR::Holder<DOVE2::StudioApp>(prototype));
    }
    ~PrototypeSetting() { DOVE2::StudioApp::setPrototype({}); }
};

TEST(StudioApplicationFactory, MakesTheFrameworksApplicationByDefault) {
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

}  // namespace

#include "StudioStartup.h"

#include <gtest/gtest.h>

#include "PropertyBrowserComponent.h"
#include "StudioTestSupport.h"
#include "harbor/Application.h"
#include "harbor/Studio.h"
#include "harbor/StudioComponentFactoryManager.h"
#include "support/WarningRecorder.h"

namespace {

using VantorStudio::PropertyBrowserComponent;
using VantorStudio::StudioStartup;

// A studio application that cannot start.
class FailingApplication : public HARBOR::Application {
public:
    void initialize(PARR::ErrorHolder& errors) override { errors.setError("Test_StartFailed", 1); }
};

TEST(StudioStartup, EachFailingStepIsReportedWithItsOwnErrorAndTheOthersStillRun) {
    StudioTest::qtApplication();
    StudioStartup::initializeOnce();
    HARBOR::Studio studio;
    studio.setApp(PARR::Holder<HARBOR::Application>(new FailingApplication));
    TestSupport::WarningRecorder warnings;

    const int failures = StudioStartup::startStudio(
        studio, {{"Test:NoSuchComponent", "ghost"},
                 {PropertyBrowserComponent::staticGetTypeName(), "browser"}});

    EXPECT_EQ(failures, 2);
    EXPECT_EQ(warnings.identifiers,
              (std::vector<std::string>{HARBOR::StudioComponentFactoryManager::kUnknownKey,
                                        "Test_StartFailed"}));
    EXPECT_NE(studio.getComponent("browser"), nullptr);
    PARR::ErrorHolder errors;
    studio.shutDown(errors);
}

}  // namespace

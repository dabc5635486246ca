#include "harbor/Studio.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "harbor/IntRequest.h"
#include "harbor/StudioComponentFactoryManager.h"
#include "host/harbor/FakeComponent.h"
#include "wren/Listener.h"

using HARBOR::Studio;
using HARBOR::StudioNotice;
using HARBORTest::FakeComponent;
using HARBORTest::FakeComponentFactory;
using Kind = HARBOR::StudioNotice::Kind;

namespace {

using Log = std::vector<std::string>;

PARR::Holder<HARBOR::StudioComponentBase> component(Studio& studio, const std::string& name,
                                                    bool document = false, Log* log = nullptr) {
    return PARR::Holder<HARBOR::StudioComponentBase>(
        new FakeComponent(&studio, name, document, log));
}

// Logs the notices of a studio.
class NoticeRecorder : public WREN::Listener {
public:
    explicit NoticeRecorder(Studio& studio) {
        studio.notices().connect(*this, [this](const StudioNotice& n) { notices.push_back(n); });
    }
    std::vector<StudioNotice> notices;
};

// An application that logs its lifecycle and the studio it sees at each step.
class RecordingApp : public HARBOR::Application {
public:
    explicit RecordingApp(Log& log) : log_(log) {}
    void initialize(PARR::ErrorHolder&) override { log_.push_back("app:initialize"); }
    void terminate(PARR::ErrorHolder&) override { log_.push_back("app:terminate"); }

private:
    Log& log_;
};

class TestService : public HARBOR::StudioService {};

// --- The list of all studios ---

TEST(StudioList, ListsEveryLiveStudioInCreationOrder) {
    const auto before = Studio::allStudios().size();
    Studio first;
    Studio second;

    const PARR::GList<Studio*> all = Studio::allStudios();

    ASSERT_EQ(all.size(), before + 2);
    EXPECT_EQ(all[before], &first);
    EXPECT_EQ(all[before + 1], &second);
}

TEST(StudioList, DropsAStudioWhenItIsDestroyed) {
    Studio kept;
    auto gone = std::make_unique<Studio>();
    Studio* goneAddress = gone.get();

    gone.reset();

    EXPECT_FALSE(Studio::allStudios().contains(goneAddress));
    EXPECT_TRUE(Studio::allStudios().contains(&kept));
}

// --- Application ---

TEST(StudioApplication, HasNoApplicationUntilOneIsSet) {
    Studio studio;
    EXPECT_EQ(studio.getApp(), nullptr);
}

TEST(StudioApplication, GivesTheApplicationItsStudio) {
    Studio studio;
    Log log;
    PARR::Holder<HARBOR::Application> app(new RecordingApp(log));

    studio.setApp(app);

    EXPECT_EQ(studio.getApp(), app.get());
    EXPECT_EQ(app->getStudio(), &studio);
}

TEST(StudioApplication, ReplacedApplicationLetsGoOfTheStudio) {
    Studio studio;
    Log log;
    PARR::Holder<HARBOR::Application> first(new RecordingApp(log));
    studio.setApp(first);

    studio.setApp(PARR::Holder<HARBOR::Application>(new RecordingApp(log)));

    EXPECT_EQ(first->getStudio(), nullptr);
    EXPECT_NE(studio.getApp(), first.get());
}

TEST(StudioApplication, HoldsAReferenceToTheApplicationUntilItGoes) {
    Log log;
    PARR::Holder<HARBOR::Application> app(new RecordingApp(log));
    {
        Studio studio;
        studio.setApp(app);
        EXPECT_EQ(app->refCount(), 2u);
    }
    EXPECT_EQ(app->refCount(), 1u);
    EXPECT_EQ(app->getStudio(), nullptr);
}

TEST(StudioApplication, StartInitializesAndShutDownTerminatesAppThenComponentsLatestFirst) {
    Studio studio;
    Log log;
    PARR::ErrorHolder errors;
    studio.setApp(PARR::Holder<HARBOR::Application>(new RecordingApp(log)));
    studio.addComponent(component(studio, "a", false, &log), errors);
    studio.addComponent(component(studio, "b", false, &log), errors);

    studio.start(errors);
    studio.shutDown(errors);

    EXPECT_EQ(log, (Log{"app:initialize", "app:terminate", "terminate:b", "terminate:a"}));
    EXPECT_TRUE(studio.getComponents().empty());
    EXPECT_FALSE(errors.hasError());
}

// A component that takes another component out of the studio when it is terminated, as an
// editor may do with its explorer bar.
class RemovesOnTerminate : public FakeComponent {
public:
    RemovesOnTerminate(Studio* studio, std::string name, std::string other, Log& log)
        : FakeComponent(studio, std::move(name)), other_(std::move(other)), log_(log) {}
    void terminate(PARR::ErrorHolder&) override {
        log_.push_back("terminate:" + getName());
        getStudio()->removeComponent(other_);
    }

private:
    std::string other_;
    Log& log_;
};

TEST(StudioApplication, ShutDownSurvivesAComponentRemovingAnotherWhileTerminating) {
    Studio studio;
    Log log;
    PARR::ErrorHolder errors;
    studio.addComponent(component(studio, "bar", false, &log), errors);
    studio.addComponent(PARR::Holder<HARBOR::StudioComponentBase>(
                            new RemovesOnTerminate(&studio, "editor", "bar", log)),
                        errors);

    studio.shutDown(errors);

    EXPECT_EQ(log, (Log{"terminate:editor"}));
    EXPECT_TRUE(studio.getComponents().empty());
}

// --- Services ---

TEST(StudioServices, OffersTabFocusEventsThatDeliverTheTabIndex) {
    Studio studio;
    PARR::ErrorHolder errors;
    auto* service = dynamic_cast<HARBOR::StudioEventService<HARBOR::Util::IntRequest>*>(
        studio.getService2(Studio::kTabFocusEvents, errors));
    ASSERT_NE(service, nullptr);
    WREN::Listener listener;
    std::vector<int> received;
    service->subscribe(
        listener, [&](const HARBOR::Util::IntRequest& r) { received.push_back(r.getValue()); });

    studio.getTabFocusEvents()->send(HARBOR::Util::IntRequest(2));

    EXPECT_EQ(received, (std::vector<int>{2}));
    EXPECT_FALSE(errors.hasError());
}

TEST(StudioServices, ReportsAnUnknownServiceName) {
    Studio studio;
    PARR::ErrorHolder errors;

    EXPECT_EQ(studio.getService2("NoSuchService", errors), nullptr);

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), Studio::kServiceNotFound);
    EXPECT_EQ(errors.getError()->arguments(), (std::vector<std::string>{"NoSuchService"}));
}

TEST(StudioServices, FindsARegisteredServiceByName) {
    Studio studio;
    PARR::ErrorHolder errors;
    PARR::Holder<HARBOR::StudioService> service(new TestService());

    ASSERT_TRUE(studio.registerService("Test", service, errors));

    EXPECT_EQ(studio.getService2("Test", errors), service.get());
    EXPECT_EQ(studio.getService<TestService>("Test", errors), service.get());
    EXPECT_FALSE(errors.hasError());
}

TEST(StudioServices, RefusesASecondServiceUnderTheSameName) {
    Studio studio;
    PARR::ErrorHolder errors;

    EXPECT_FALSE(studio.registerService(
        Studio::kTabFocusEvents, PARR::Holder<HARBOR::StudioService>(new TestService()), errors));

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), Studio::kDuplicateService);
    EXPECT_EQ(studio.getService2(Studio::kTabFocusEvents, errors), studio.getTabFocusEvents());
}

TEST(StudioServices, ReportsAServiceOfAnotherTypeThanAskedFor) {
    Studio studio;
    PARR::ErrorHolder errors;

    EXPECT_EQ(studio.getService<TestService>(Studio::kTabFocusEvents, errors), nullptr);

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), Studio::kWrongServiceType);
}

// --- Components by name ---

TEST(StudioComponents, FindsAComponentByItsName) {
    Studio studio;
    PARR::ErrorHolder errors;
    auto tree = component(studio, "DOVE2 tree component");
    studio.addComponent(tree, errors);

    EXPECT_EQ(studio.getComponent("DOVE2 tree component", errors), tree.get());
    EXPECT_FALSE(errors.hasError());
}

TEST(StudioComponents, ReportsAnUnknownComponentName) {
    Studio studio;
    PARR::ErrorHolder errors;

    EXPECT_EQ(studio.getComponent("missing", errors), nullptr);

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), Studio::kComponentNotFound);
    EXPECT_EQ(errors.getError()->arguments(), (std::vector<std::string>{"missing"}));
}

TEST(StudioComponents, RefusesASecondComponentUnderTheSameNameAndKeepsTheFirst) {
    Studio studio;
    PARR::ErrorHolder errors;
    auto first = component(studio, "x");
    studio.addComponent(first, errors);

    EXPECT_FALSE(studio.addComponent(component(studio, "x"), errors));

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), Studio::kDuplicateComponent);
    EXPECT_EQ(studio.getComponent("x"), first.get());
}

TEST(StudioComponents, ListsComponentsInTheOrderTheyWereAdded) {
    Studio studio;
    PARR::ErrorHolder errors;
    auto b = component(studio, "b");
    auto a = component(studio, "a");
    studio.addComponent(b, errors);
    studio.addComponent(a, errors);

    const auto all = studio.getComponents();

    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], b.get());
    EXPECT_EQ(all[1], a.get());
}

TEST(StudioComponents, RemovingAComponentHandsItBackAndForgetsIt) {
    Studio studio;
    PARR::ErrorHolder errors;
    auto x = component(studio, "x");
    studio.addComponent(x, errors);
    studio.setActiveComponent("x");

    const auto taken = studio.removeComponent("x");

    EXPECT_EQ(taken.get(), x.get());
    EXPECT_EQ(studio.getComponent("x"), nullptr);
    EXPECT_EQ(studio.getActiveComponent(), nullptr);
    EXPECT_FALSE(studio.removeComponent("x"));
}

TEST(StudioComponents, MakesAComponentThroughTheFactoryOfItsType) {
    auto& manager = HARBOR::StudioComponentFactoryManager::instance();
    PARR::ErrorHolder errors;
    manager.registerObject(
        PARR::Holder<HARBOR::StudioComponentFactory>(new FakeComponentFactory("Test:StudioMade")),
        errors);
    Studio studio;

    HARBOR::StudioComponentBase* made = studio.createComponent("Test:StudioMade", "m", errors);

    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->getName(), "m");
    EXPECT_EQ(made->getStudio(), &studio);
    EXPECT_EQ(studio.getComponent("m"), made);
    EXPECT_FALSE(errors.hasError());
    manager.unregisterObject("Test:StudioMade");
}

TEST(StudioComponents, MakesNothingForATypeWithoutFactory) {
    Studio studio;
    PARR::ErrorHolder errors;

    EXPECT_EQ(studio.createComponent("Test:NoFactory", "m", errors), nullptr);

    ASSERT_TRUE(errors.hasError());
    EXPECT_EQ(errors.getError()->identifier(), HARBOR::StudioComponentFactoryManager::kUnknownKey);
    EXPECT_TRUE(studio.getComponents().empty());
}

// --- Hiding ---

TEST(StudioHiding, HidesAComponentByName) {
    Studio studio;
    PARR::ErrorHolder errors;
    studio.addComponent(component(studio, "DOVE2 PropBrowser component"), errors);
    NoticeRecorder recorder(studio);

    EXPECT_TRUE(studio.hide("DOVE2 PropBrowser component"));

    EXPECT_TRUE(studio.isHidden("DOVE2 PropBrowser component"));
    EXPECT_EQ(recorder.notices,
              (std::vector<StudioNotice>{{Kind::ComponentHidden, "DOVE2 PropBrowser component"}}));
}

TEST(StudioHiding, HidingTwiceNotifiesOnce) {
    Studio studio;
    NoticeRecorder recorder(studio);

    studio.hide("p");
    EXPECT_FALSE(studio.hide("p"));

    EXPECT_EQ(recorder.notices.size(), 1u);
}

TEST(StudioHiding, AComponentAddedUnderAHiddenNameStartsHidden) {
    Studio studio;
    PARR::ErrorHolder errors;
    studio.hide("later");

    studio.addComponent(component(studio, "later"), errors);

    EXPECT_TRUE(studio.isHidden("later"));
}

TEST(StudioHiding, ShowingAgainClearsTheHiddenState) {
    Studio studio;
    studio.hide("p");
    NoticeRecorder recorder(studio);

    EXPECT_TRUE(studio.show("p"));

    EXPECT_FALSE(studio.isHidden("p"));
    EXPECT_EQ(recorder.notices, (std::vector<StudioNotice>{{Kind::ComponentShown, "p"}}));
}

// --- Active component ---

TEST(StudioActiveComponent, AnUnknownNameLeavesNoComponentActive) {
    Studio studio;
    PARR::ErrorHolder errors;
    studio.addComponent(component(studio, "a"), errors);
    studio.setActiveComponent("a");

    studio.setActiveComponent("unknown");

    EXPECT_EQ(studio.getActiveComponent(), nullptr);
}

TEST(StudioActiveComponent, NotifiesTheNewActiveComponent) {
    Studio studio;
    PARR::ErrorHolder errors;
    auto a = component(studio, "a");
    studio.addComponent(a, errors);
    NoticeRecorder recorder(studio);

    studio.setActiveComponent("a");
    studio.setActiveComponent("a");

    EXPECT_EQ(studio.getActiveComponent(), a.get());
    EXPECT_EQ(recorder.notices, (std::vector<StudioNotice>{{Kind::ActiveComponentChanged, "a"}}));
}

// --- Title and icon ---

TEST(StudioTitle, KeepsAndAnnouncesTheTitleAndTheTitleBarIcon) {
    Studio studio;
    NoticeRecorder recorder(studio);

    studio.setStudioTitle("Vantor Studio");
    studio.setStudioTitleBarIcon("/x/vantor_model.png");

    EXPECT_EQ(studio.getStudioTitle(), "Vantor Studio");
    EXPECT_EQ(studio.getStudioTitleBarIcon(), "/x/vantor_model.png");
    EXPECT_EQ(recorder.notices,
              (std::vector<StudioNotice>{{Kind::TitleChanged, "Vantor Studio"},
                                         {Kind::TitleBarIconChanged, "/x/vantor_model.png"}}));
}

// --- Closing an empty studio ---

TEST(StudioClosing, HasOpenDocumentsWhileADocumentComponentRemains) {
    Studio studio;
    PARR::ErrorHolder errors;
    studio.addComponent(component(studio, "tree"), errors);
    EXPECT_FALSE(studio.hasOpenDocuments(errors));

    studio.addComponent(component(studio, "m", true), errors);

    EXPECT_TRUE(studio.hasOpenDocuments(errors));
    EXPECT_FALSE(errors.hasError());
}

TEST(StudioClosing, CloseIfEmptyDoesNothingWhileADocumentRemains) {
    Studio studio;
    PARR::ErrorHolder errors;
    studio.addComponent(component(studio, "m", true), errors);
    NoticeRecorder recorder(studio);

    EXPECT_FALSE(studio.closeIfEmpty());

    EXPECT_TRUE(recorder.notices.empty());
}

TEST(StudioClosing, CloseIfEmptyRequestsClosingOnceTheLastDocumentWent) {
    Studio studio;
    PARR::ErrorHolder errors;
    studio.addComponent(component(studio, "tree"), errors);
    studio.addComponent(component(studio, "m", true), errors);
    studio.removeComponent("m");
    NoticeRecorder recorder(studio);

    EXPECT_TRUE(studio.closeIfEmpty());

    EXPECT_EQ(recorder.notices, (std::vector<StudioNotice>{{Kind::CloseRequested, ""}}));
}

}  // namespace

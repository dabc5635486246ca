#include "harbor/AbstractDomainInterface.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "harbor/Studio.h"
#include "harbor/StudioClipboard.h"
#include "host/harbor/FakeComponent.h"
#include "host/harbor/FakeDomain.h"
#include "host/harbor/MimeKeys.h"
#include "parr/GLMimeData2.h"

using HARBORTest::FakeComponent;
using HARBORTest::RecordingClipboardAdapter;

namespace {

using Log = std::vector<std::string>;

class DomainInterfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        HARBORTest::registerTestMimeKeys();
        HARBOR::StudioClipboard::clear();
    }
    void TearDown() override { HARBOR::StudioClipboard::clear(); }

    // Adds an active component named "editor" with a recording adapter that offers `offers`.
    void addActiveEditor(bool offers = true) {
        PARR::Holder<HARBOR::StudioComponentBase> editor(new FakeComponent(&studio, "editor"));
        editor->setClipboardAdapter(
            std::make_unique<RecordingClipboardAdapter>(*editor, log, offers));
        PARR::ErrorHolder errors;
        studio.addComponent(editor, errors);
        studio.setActiveComponent("editor");
    }

    Log log;  // outlives the studio, whose adapters log their destruction
    HARBOR::Studio studio;
    HARBORTest::FakeDomain domain{"TestDomain"};
    PARR::Holder<HARBOR::AbstractDomainInterface> domainInterface{domain.createInterface(&studio)};
};

// --- What it tells of its domain ---

TEST_F(DomainInterfaceTest, AnswersWithTheNameAndModelClassOfItsDomain) {
    EXPECT_EQ(domainInterface->getDomain(), &domain);
    EXPECT_EQ(domainInterface->getName(), PARR::StringID("TestDomain"));
    EXPECT_EQ(domainInterface->getModelClassFullName(), PARR::StringID("FAKE.Model"));
    EXPECT_EQ(domainInterface->getStudio(), &studio);
}

TEST_F(DomainInterfaceTest, OffersTheMenuInterfaceOfItsDomain) {
    EXPECT_EQ(domainInterface->getMenuInterface(),
              HARBOR::Util::MenuInterface("fakeGetInterface", "fakeprivate"));
}

TEST_F(DomainInterfaceTest, IsActiveBetweenActivateAndDeactivate) {
    EXPECT_FALSE(domainInterface->isActive());
    domainInterface->activate();
    EXPECT_TRUE(domainInterface->isActive());
    domainInterface->deactivate();
    EXPECT_FALSE(domainInterface->isActive());
}

// --- Cut, copy and paste hooks ---

TEST_F(DomainInterfaceTest, OffersNothingWithoutAnActiveComponent) {
    EXPECT_FALSE(domainInterface->canCut());
    EXPECT_FALSE(domainInterface->canCopy());
    EXPECT_FALSE(domainInterface->canPaste());

    domainInterface->doCopy();
    domainInterface->doCut();
    domainInterface->doPaste();
}

TEST_F(DomainInterfaceTest, OffersNothingWhenTheActiveComponentHasNoAdapter) {
    PARR::ErrorHolder errors;
    studio.addComponent(
        PARR::Holder<HARBOR::StudioComponentBase>(new FakeComponent(&studio, "plain")), errors);
    studio.setActiveComponent("plain");

    EXPECT_FALSE(domainInterface->canCopy());
}

TEST_F(DomainInterfaceTest, AsksTheActiveComponentsAdapterWhatItOffers) {
    addActiveEditor(false);
    EXPECT_FALSE(domainInterface->canCut());
    EXPECT_FALSE(domainInterface->canCopy());
    EXPECT_FALSE(domainInterface->canPaste());

    studio.removeComponent("editor");
    addActiveEditor(true);

    EXPECT_TRUE(domainInterface->canCut());
    EXPECT_TRUE(domainInterface->canCopy());
    EXPECT_TRUE(domainInterface->canPaste());
}

TEST_F(DomainInterfaceTest, RoutesCopyAndCutToTheActiveComponentsAdapter) {
    addActiveEditor();

    domainInterface->doCopy();
    domainInterface->doCut();

    EXPECT_EQ(log, (Log{"copy", "cut"}));
}

TEST_F(DomainInterfaceTest, PastesWhatTheStudioClipboardHolds) {
    addActiveEditor();
    PARR::GLMimeData2 marker;
    marker.setData("harbor-test-int", 7);
    HARBOR::StudioClipboard::setMimeData(marker, false);

    domainInterface->doPaste();

    EXPECT_EQ(log, (Log{"paste:7"}));
}

TEST_F(DomainInterfaceTest, PastesNoDataWhenTheClipboardIsEmpty) {
    addActiveEditor();

    domainInterface->doPaste();

    EXPECT_EQ(log, (Log{"paste:none"}));
}

}  // namespace

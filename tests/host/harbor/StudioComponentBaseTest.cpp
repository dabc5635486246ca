#include "harbor/StudioComponentBase.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "harbor/Studio.h"
#include "host/harbor/FakeComponent.h"
#include "host/harbor/FakeDomain.h"

using HARBORTest::FakeComponent;
using HARBORTest::RecordingClipboardAdapter;

namespace {

using Log = std::vector<std::string>;

class ComponentTest : public ::testing::Test {
protected:
    HARBOR::Studio studio;
    HARBORTest::FakeDomain domain;
};

// --- Identity and defaults ---

TEST_F(ComponentTest, KeepsItsStudioAndName) {
    const FakeComponent c(&studio, "m/a");

    EXPECT_EQ(c.getStudio(), &studio);
    EXPECT_EQ(c.getName(), "m/a");
}

TEST_F(ComponentTest, ShowsItsNameAsTitleAndTabTitleByDefault) {
    const FakeComponent c(&studio, "m/a");

    EXPECT_EQ(c.getDisplayTitle(), "m/a");
    EXPECT_EQ(c.getTabTitle(), "m/a");
}

TEST_F(ComponentTest, HasNoWidgetNoUndoHistoryAndAcceptsNoDataByDefault) {
    FakeComponent c(&studio, "x");

    EXPECT_EQ(c.getWidget(), nullptr);
    EXPECT_EQ(c.getDefaultFocusWidget(), nullptr);
    EXPECT_EQ(c.getUndoRedoTarget(), nullptr);
    EXPECT_FALSE(c.canAccept(PARR::GLMimeData2()));
    EXPECT_EQ(c.getFullyQualifiedYarrowTypeName(), "HARBOR.StudioComponent");
}

// --- Domain interface ---

TEST_F(ComponentTest, HoldsAReferenceToItsDomainInterface) {
    PARR::Holder<HARBOR::AbstractDomainInterface> domainInterface(domain.createInterface(&studio));
    {
        FakeComponent c(&studio, "x");
        c.setDomain(domainInterface);
        EXPECT_EQ(c.getDomain(), domainInterface.get());
        EXPECT_EQ(domainInterface->refCount(), 2u);
    }
    EXPECT_EQ(domainInterface->refCount(), 1u);
}

TEST_F(ComponentTest, ANewDomainInterfaceReplacesAndReleasesTheOldOne) {
    PARR::Holder<HARBOR::AbstractDomainInterface> first(domain.createInterface(&studio));
    PARR::Holder<HARBOR::AbstractDomainInterface> second(domain.createInterface(&studio));
    FakeComponent c(&studio, "x");
    c.setDomain(first);

    c.setDomain(second);

    EXPECT_EQ(c.getDomain(), second.get());
    EXPECT_EQ(first->refCount(), 1u);
}

TEST_F(ComponentTest, KeepsANewInterfaceAliveAsItsOnlyHolder) {
    FakeComponent c(&studio, "x");

    c.setDomain(domain.createInterface(&studio));

    ASSERT_NE(c.getDomain(), nullptr);
    EXPECT_EQ(c.getDomain()->refCount(), 1u);
    EXPECT_EQ(c.getDomain()->getDomain(), &domain);
}

// --- Clipboard adapter ---

TEST_F(ComponentTest, OwnsItsClipboardAdapter) {
    Log log;
    {
        FakeComponent c(&studio, "x");
        c.setClipboardAdapter(std::make_unique<RecordingClipboardAdapter>(c, log));
        ASSERT_NE(c.getClipboardAdapter(), nullptr);
        EXPECT_EQ(&c.getClipboardAdapter()->getComponent(), &c);
    }
    EXPECT_EQ(log, (Log{"destroyed"}));
}

TEST_F(ComponentTest, ANewClipboardAdapterDestroysTheOldOne) {
    Log log;
    FakeComponent c(&studio, "x");
    c.setClipboardAdapter(std::make_unique<RecordingClipboardAdapter>(c, log));

    c.setClipboardAdapter(nullptr);

    EXPECT_EQ(log, (Log{"destroyed"}));
    EXPECT_EQ(c.getClipboardAdapter(), nullptr);
}

}  // namespace

#include "harbor/StudioClipboardAdapter.h"

#include <gtest/gtest.h>

#include "harbor/Studio.h"
#include "harbor/StudioClipboard.h"
#include "host/harbor/FakeComponent.h"
#include "host/harbor/MimeKeys.h"
#include "parr/GLMimeData2.h"

using HARBOR::StudioClipboardAdapter;

namespace {

class ClipboardAdapterTest : public ::testing::Test {
protected:
    void SetUp() override {
        HARBORTest::registerTestMimeKeys();
        HARBOR::StudioClipboard::clear();
    }
    void TearDown() override { HARBOR::StudioClipboard::clear(); }

    HARBOR::Studio studio;
    HARBORTest::FakeComponent component{&studio, "editor"};
};

TEST_F(ClipboardAdapterTest, KnowsTheComponentItServes) {
    StudioClipboardAdapter adapter(component);

    EXPECT_EQ(&adapter.getComponent(), &component);
}

TEST_F(ClipboardAdapterTest, IsInitializedBetweenInitializeAndTerminate) {
    StudioClipboardAdapter adapter(component);
    PARR::ErrorHolder errors;
    EXPECT_FALSE(adapter.isInitialized());

    adapter.initialize(errors);
    EXPECT_TRUE(adapter.isInitialized());
    adapter.terminate(errors);

    EXPECT_FALSE(adapter.isInitialized());
    EXPECT_FALSE(errors.hasError());
}

TEST_F(ClipboardAdapterTest, TheBaseOffersNoAction) {
    const StudioClipboardAdapter adapter(component);

    EXPECT_FALSE(adapter.canCopy());
    EXPECT_FALSE(adapter.canCut());
    EXPECT_FALSE(adapter.canPaste());
}

TEST_F(ClipboardAdapterTest, SetMimeDataPutsTheItemsOnTheStudioClipboard) {
    PARR::GLMimeData2 marker;
    marker.setData("harbor-test-int", 0);

    StudioClipboardAdapter::setMimeData(marker, false);

    const auto onClipboard = StudioClipboardAdapter::getMimeData();
    ASSERT_TRUE(onClipboard);
    EXPECT_EQ(onClipboard->getInt("harbor-test-int"), 0);
}

TEST_F(ClipboardAdapterTest, GetMimeDataIsNullWhileTheClipboardIsEmpty) {
    EXPECT_FALSE(StudioClipboardAdapter::getMimeData());
}

}  // namespace

#include "harbor/StudioClipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstdlib>
#include <memory>
#include <string>

#include "host/harbor/MimeKeys.h"
#include "parr/GLMimeData2.h"

using HARBOR::StudioClipboard;

namespace {

PARR::GLMimeData2 data(int number) {
    PARR::GLMimeData2 d;
    d.setData("harbor-test-int", number);
    return d;
}

PARR::GLMimeData2 text(const std::string& value) {
    PARR::GLMimeData2 d;
    d.setData("harbor-test-text", value);
    return d;
}

// The same behaviour is asked of both clipboards: the in-process one (no QGuiApplication) and
// the system one (a QGuiApplication made for the test and destroyed after it).
class ClipboardTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        HARBORTest::registerTestMimeKeys();
        if (GetParam())
            makeApplication();
        ASSERT_EQ(StudioClipboard::usesSystemClipboard(), GetParam());
        StudioClipboard::clear();
    }
    void TearDown() override {
        StudioClipboard::clear();
        app_.reset();
    }

    void makeApplication() {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }

private:
    int argc_ = 1;
    char name_[13] = "harbor_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

TEST_P(ClipboardTest, IsEmptyAfterClear) {
    StudioClipboard::setMimeData(data(1), false);

    StudioClipboard::clear();

    EXPECT_FALSE(StudioClipboard::mimeData());
}

TEST_P(ClipboardTest, GivesBackTheItemsThatWereSet) {
    StudioClipboard::setMimeData(data(0), false);

    const auto onClipboard = StudioClipboard::mimeData();

    ASSERT_TRUE(onClipboard);
    EXPECT_EQ(onClipboard->getInt("harbor-test-int"), 0);
    EXPECT_EQ(onClipboard->keys().size(), 1u);
}

TEST_P(ClipboardTest, KeepsASnapshotThatLaterChangesToTheDataDoNotReach) {
    PARR::GLMimeData2 source = data(1);
    StudioClipboard::setMimeData(source, false);

    source.setData("harbor-test-int", 2);

    EXPECT_EQ(StudioClipboard::mimeData()->getInt("harbor-test-int"), 1);
}

TEST_P(ClipboardTest, ReplacingDropsItemsUnderOtherKeys) {
    StudioClipboard::setMimeData(text("abc"), false);

    StudioClipboard::setMimeData(data(3), false);

    const auto onClipboard = StudioClipboard::mimeData();
    EXPECT_FALSE(onClipboard->hasData("harbor-test-text"));
    EXPECT_EQ(onClipboard->getInt("harbor-test-int"), 3);
}

TEST_P(ClipboardTest, MergingKeepsItemsUnderOtherKeysAndReplacesTheSameKey) {
    PARR::GLMimeData2 first = text("abc");
    first.setData("harbor-test-int", 1);
    StudioClipboard::setMimeData(first, false);

    StudioClipboard::setMimeData(data(2), true);

    const auto onClipboard = StudioClipboard::mimeData();
    EXPECT_EQ(onClipboard->getString("harbor-test-text"), "abc");
    EXPECT_EQ(onClipboard->getInt("harbor-test-int"), 2);
}

TEST_P(ClipboardTest, ASnapshotReadBeforeASetStaysAsItWas) {
    StudioClipboard::setMimeData(data(1), false);
    const auto before = StudioClipboard::mimeData();

    StudioClipboard::setMimeData(data(2), true);

    EXPECT_EQ(before->getInt("harbor-test-int"), 1);
}

TEST_P(ClipboardTest, SettingDataWithoutItemsLeavesTheClipboardEmpty) {
    StudioClipboard::setMimeData(data(1), false);

    StudioClipboard::setMimeData(PARR::GLMimeData2(), false);

    EXPECT_FALSE(StudioClipboard::mimeData());
}

INSTANTIATE_TEST_SUITE_P(InProcessAndSystem, ClipboardTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "System" : "InProcess"; });

// --- The system clipboard only ---

class SystemClipboardTest : public ClipboardTest {};

TEST_P(SystemClipboardTest, PutsEachItemOnTheSystemClipboardAsAFormatOfItsOwn) {
    StudioClipboard::setMimeData(data(5), false);

    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();

    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(mime->data("application/x-harbor-item.int.harbor-test-int"), QByteArray("5"));
}

TEST_P(SystemClipboardTest, ReadsItemsPutThereByAnotherProcess) {
    auto* foreign = new QMimeData();
    foreign->setData("application/x-harbor-item.string.harbor-test-text", "from elsewhere");
    foreign->setData("application/x-harbor-item.int.harbor-test-int", "12");
    QGuiApplication::clipboard()->setMimeData(foreign);

    const auto onClipboard = StudioClipboard::mimeData();

    ASSERT_TRUE(onClipboard);
    EXPECT_EQ(onClipboard->getString("harbor-test-text"), "from elsewhere");
    EXPECT_EQ(onClipboard->getInt("harbor-test-int"), 12);
}

TEST_P(SystemClipboardTest, HoldsNothingOfTheStudiosWhenOnlyPlainTextIsThere) {
    QGuiApplication::clipboard()->setText("plain");

    EXPECT_FALSE(StudioClipboard::mimeData());
}

TEST_P(SystemClipboardTest, SkipsItemsOfUnregisteredKeysAndMalformedValues) {
    auto* foreign = new QMimeData();
    foreign->setData("application/x-harbor-item.int.harbor-test-unregistered", "1");
    foreign->setData("application/x-harbor-item.int.harbor-test-int", "not a number");
    foreign->setData("application/x-harbor-item.string.harbor-test-text", "kept");
    QGuiApplication::clipboard()->setMimeData(foreign);

    const auto onClipboard = StudioClipboard::mimeData();

    ASSERT_TRUE(onClipboard);
    EXPECT_EQ(onClipboard->keys().size(), 1u);
    EXPECT_EQ(onClipboard->getString("harbor-test-text"), "kept");
}

INSTANTIATE_TEST_SUITE_P(System, SystemClipboardTest, ::testing::Values(true),
                         [](const auto&) { return "System"; });

}  // namespace

#include "PaletteBar.h"

#include <gtest/gtest.h>

#include <QAction>

#include "StudioTestSupport.h"
#include "dove2/Editor.h"
#include "dove2/tools/PaletteButtonToTool.h"
#include "harbor/Studio.h"
#include "tessel/WarningService.h"

namespace {

using VantorStudio::PaletteBar;

// A palette object that counts its activations and its destruction.
class CountingButton : public PARR::GLWidget2 {
public:
    CountingButton(std::string label, int& activated, int& destroyed)
        : label_(std::move(label)), activated_(activated), destroyed_(destroyed) {}
    ~CountingButton() override { ++destroyed_; }
    std::string getLabel() const override { return label_; }
    std::string getIconPath() const override { return "/nonexistent/icon.png"; }
    void activate() override { ++activated_; }

private:
    std::string label_;
    int& activated_;
    int& destroyed_;
};

// An editor whose palette holds two counting buttons.
class PaletteEditor : public DOVE2::Editor {
public:
    PaletteEditor(HARBOR::Studio* studio, int& activated, int& destroyed)
        : DOVE2::Editor(studio, "palette"), activated_(activated), destroyed_(destroyed) {}
    std::vector<PARR::GLWidget2*> getPaletteObjects() const override {
        return {new CountingButton("zoom out", activated_, destroyed_),
                new CountingButton("fit to view", activated_, destroyed_)};
    }

private:
    int& activated_;
    int& destroyed_;
};

class PaletteBarTest : public ::testing::Test {
protected:
    QApplication& app = StudioTest::qtApplication();
    HARBOR::Studio studio;
    int activated = 0;
    int destroyed = 0;
    PARR::Holder<PaletteEditor> editor{new PaletteEditor(&studio, activated, destroyed)};
    PaletteBar bar;
};

TEST_F(PaletteBarTest, ShowsAButtonPerPaletteObjectWithItsLabel) {
    bar.showPaletteOf(editor.get());
    ASSERT_EQ(bar.actions().size(), 2);
    EXPECT_EQ(bar.actions()[0]->text(), "zoom out");
    EXPECT_EQ(bar.actions()[1]->toolTip(), "fit to view");
    EXPECT_FALSE(bar.isHidden());
    EXPECT_EQ(bar.shownEditor(), editor.get());
}

TEST_F(PaletteBarTest, PressingAButtonActivatesItsObject) {
    bar.showPaletteOf(editor.get());
    bar.actions()[1]->trigger();
    EXPECT_EQ(activated, 1);
}

TEST_F(PaletteBarTest, LetsGoOfTheObjectsWhenItShowsAnotherPalette) {
    bar.showPaletteOf(editor.get());
    EXPECT_EQ(destroyed, 0);
    bar.showPaletteOf(nullptr);
    EXPECT_EQ(destroyed, 2);
    EXPECT_TRUE(bar.actions().isEmpty());
    EXPECT_TRUE(bar.isHidden());
}

TEST_F(PaletteBarTest, AnEditorWithoutPaletteObjectsHidesTheBar) {
    PARR::Holder<DOVE2::Editor> plain(new DOVE2::Editor(&studio, "plain"));
    bar.showPaletteOf(plain.get());
    EXPECT_TRUE(bar.objects().empty());
    EXPECT_TRUE(bar.isHidden());
}

}  // namespace

namespace {

// An editor with one button whose icon file no other test names.
class MissingIconEditor : public DOVE2::Editor {
public:
    explicit MissingIconEditor(HARBOR::Studio* studio) : DOVE2::Editor(studio, "missing") {}
    std::vector<PARR::GLWidget2*> getPaletteObjects() const override {
        return {new DOVE2::PaletteButtonToTool(nullptr, nullptr, "/nonexistent/told-once.png",
                                               "align edges")};
    }
};

TEST_F(PaletteBarTest, AMissingIconShowsTheTextAndIsToldOnceNotAtEveryShowing) {
    PARR::Holder<MissingIconEditor> missing(new MissingIconEditor(&studio));
    std::vector<std::string> told;
    auto& warnings = TESSEL::WarningService::instance();
    const auto token =
        warnings.subscribe([&](const std::string& id, const std::string&) { told.push_back(id); });
    bar.showPaletteOf(missing.get());
    bar.showPaletteOf(missing.get());
    warnings.unsubscribe(token);

    ASSERT_EQ(bar.actions().size(), 1);
    EXPECT_TRUE(bar.actions()[0]->icon().isNull());
    EXPECT_EQ(bar.actions()[0]->text(), "align edges");
    EXPECT_EQ(told, std::vector<std::string>{PaletteBar::kMissingIcon});
}

}  // namespace

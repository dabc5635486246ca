#include "glyphs/BlockGlyph.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <string>
#include <vector>

#include "GlyphTestScene.h"
#include "dove2/VisualIndicatorContainer.h"
#include "rook2/ImageNode.h"
#include "rook2/ScenePainter.h"
#include "rook2/TextNode.h"
#include "support/BlockDiagramBuilder.h"
#include "support/ModuleEditor.h"
#include "support/QtTestApplication.h"
#include "support/RecordingDialogs.h"
#include "vtdove/DialogService.h"

namespace {

using GlyphTest::GlyphTestScene;
using TestSupport::BlockDiagramBuilder;
using TestSupport::ModuleEditor;
using Point = PARR::GLPoint<double>;

Vantor::BlockGlyph& blockGlyphOf(const PARR::Holder<DOVE2::Glyph>& glyph) {
    auto* block = dynamic_cast<Vantor::BlockGlyph*>(glyph.get());
    if (!block)
        throw std::runtime_error("not a block glyph");
    return *block;
}

// The name label: the text node among the block root's children.
ROOK2::TextNode& nameLabelOf(const ROOK2::Node& root) {
    for (const auto& child : root.getChildren()) {
        if (auto* text = dynamic_cast<ROOK2::TextNode*>(child.get()))
            return *text;
    }
    throw std::runtime_error("the block has no name label");
}

// One block "Gain" in the module's editor, with the editor's command errors collected.
class BlockGlyphInEditorTest : public ::testing::Test, public WREN::Listener {
protected:
    BlockGlyphInEditorTest() {
        view.editor().getCommandErrorEmitter().connect(
            static_cast<WREN::Listener&>(*this),
            [this](const std::string& error) { errors.push_back(error); });
    }
    ~BlockGlyphInEditorTest() override { WREN::Listener::disconnect(); }

    ROOK2::TextNode& label() { return nameLabelOf(*view.nodeOf(gain)); }
    Vantor::BlockGlyph& glyph() { return blockGlyphOf(view.glyphOf(gain)); }
    void rename(const std::string& name) { label().completeEdit(name); }
    template <class Change>
    void change(Change change) {
        b.edit([&] {
            change();
            return 0;
        });
    }

    QApplication& qt = TestSupport::qtApplication();
    BlockDiagramBuilder b;
    VTQUILL::Block gain = b.block("Gain", {200, 120, 40, 30});
    ModuleEditor view{b.diagram()};
    std::vector<std::string> errors;
};

// --- renaming through the label ------------------------------------------------------------

TEST_F(BlockGlyphInEditorTest, OnlyANewAcceptedNameRenamesTheBlockAndTheLabelAlwaysShowsItsName) {
    ASSERT_TRUE(label().isEditable());

    rename("Gain");
    EXPECT_FALSE(view.editor().canUndo()) << "an unchanged name makes no command";

    rename("");
    EXPECT_EQ(gain.getName(), "Gain");
    EXPECT_EQ(label().getText(), "Gain");
    EXPECT_FALSE(view.editor().canUndo());
    EXPECT_FALSE(view.editor().isDirty());
    ASSERT_EQ(errors.size(), 1u) << "a refused name is told to the user";
    EXPECT_NE(errors.front().find("Rename Block"), std::string::npos) << errors.front();

    rename("Amplifier");
    EXPECT_EQ(gain.getName(), "Amplifier");
    EXPECT_EQ(label().getText(), "Amplifier");
    EXPECT_EQ(view.editor().undoText(), "Rename Block");
    EXPECT_TRUE(view.editor().isDirty());

    view.editor().undo();
    EXPECT_EQ(label().getText(), "Gain");
    EXPECT_FALSE(view.editor().isDirty());
}

// --- name label and indicators -------------------------------------------------------------

TEST_F(BlockGlyphInEditorTest, TheLabelIsCentredTwoUnitsUnderTheBlockAndKeptCurrentWhenHidden) {
    const PARR::GLRect<double> box = GlyphTestScene::sceneContentBox(label());
    EXPECT_DOUBLE_EQ(box.hCenter(), 220);
    EXPECT_DOUBLE_EQ(box.top(), 152);

    change([&] {
        gain.setSize({80, 40});
        gain.setDrawName(false);
        gain.setName("Hidden");
    });
    const PARR::GLRect<double> moved = GlyphTestScene::sceneContentBox(label());
    EXPECT_DOUBLE_EQ(moved.hCenter(), 240);
    EXPECT_DOUBLE_EQ(moved.top(), 162);
    EXPECT_FALSE(label().isVisible());
    EXPECT_EQ(label().getText(), "Hidden");
}

TEST_F(BlockGlyphInEditorTest, TheLibraryLinkIndicatorFollowsTheLinkType) {
    const auto indicators = [&] {
        const DOVE2::VisualIndicatorContainer* container = glyph().getVisualIndicatorContainer();
        return container ? container->getIndicators("libLink")
                         : std::vector<PARR::Holder<ROOK2::Node>>();
    };
    const std::filesystem::path folder = DOVE2::VisualIndicatorContainer::getResourcesDefaultPath();
    EXPECT_EQ(glyph().getVisualIndicatorContainer(), nullptr);

    change([&] { gain.setLibraryLinkType("Default"); });
    ASSERT_EQ(indicators().size(), 1u);
    const PARR::Holder<ROOK2::Node> shown = indicators().front();
    const auto& image = dynamic_cast<const ROOK2::ImageNode&>(*shown);
    EXPECT_EQ(std::filesystem::path(image.getSource()), folder / "libraryLink_active.png");

    change([&] { gain.setLibraryLinkType("Modified"); });
    ASSERT_EQ(indicators().size(), 1u);
    EXPECT_EQ(indicators().front(), shown);
    EXPECT_EQ(std::filesystem::path(image.getSource()), folder / "libraryLink_modified.png");

    change([&] { gain.setLibraryLinkType("None"); });
    EXPECT_TRUE(indicators().empty());
}

TEST_F(BlockGlyphInEditorTest, AnIndicatorIconThatCannotBeReadIsLeftBlank) {
    change([&] { gain.setLibraryLinkType("Unheard-of"); });
    QImage device(400, 300, QImage::Format_ARGB32);
    QPainter painter(&device);
    ROOK2::ScenePainter(view.scene()).paint(painter, {0, 0, 400, 300});

    const auto shown = glyph().getVisualIndicatorContainer()->getIndicators("libLink");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(dynamic_cast<const ROOK2::ImageNode&>(*shown.front()).image().isNull());
}

// --- double click --------------------------------------------------------------------------

TEST_F(BlockGlyphInEditorTest, ADoubleClickOnAPlainBlockOpensItsParameterDialog) {
    TestSupport::RecordingDialogs dialogs;

    const ROOK2::MouseEvent event = view.doubleClick({220, 135});

    EXPECT_TRUE(event.isConsumed());
    EXPECT_EQ(dialogs.opened, std::vector<std::string>{gain.getFullPathName()});
}

// --- smart-guide features ------------------------------------------------------------------

class BlockGlyphFeaturesTest : public ::testing::Test {
protected:
    VTQUILL::Port portAt(const VTQUILL::Block& block, const Point& at) {
        return b.port(block, VTQUILL::kInPort, at, 0);
    }
    // The kinds and points of the features after the block's five rectangle features.
    static std::vector<std::pair<int, Point>> portFeatures(
        const std::list<EditLayout::Feature>& all) {
        std::vector<std::pair<int, Point>> ports;
        for (const EditLayout::Feature& feature : all) {
            if (feature.kind() >= EditLayout::Feature::TopPort)
                ports.emplace_back(feature.kind(), feature.point());
        }
        return ports;
    }

    QApplication& qt = TestSupport::qtApplication();
    BlockDiagramBuilder b;
    VTQUILL::Block wide = b.block("Wide", {100, 100, 80, 40});
};

TEST_F(BlockGlyphFeaturesTest, EachPortIsAFeatureOfTheSideItIsNearest) {
    portAt(wide, {0, 17});   // left
    portAt(wide, {74, 17});  // right
    portAt(wide, {37, 0});   // top
    portAt(wide, {37, 40});  // bottom
    portAt(wide, {40, 20});  // the centre counts as right
    ModuleEditor view(b.diagram());

    const auto features = blockGlyphOf(view.glyphOf(wide)).features(5, -3);

    EXPECT_EQ(features.size(), 10u);
    using F = EditLayout::Feature;
    EXPECT_EQ(portFeatures(features), (std::vector<std::pair<int, Point>>{
                                          {F::LeftPort, {105, 114}},
                                          {F::RightPort, {179, 114}},
                                          {F::TopPort, {142, 97}},
                                          {F::BottomPort, {142, 137}},
                                          {F::RightPort, {145, 117}},
                                      }));
}

TEST_F(BlockGlyphFeaturesTest, AFlatBlockStillTellsItsLeftEndFromItsRightEnd) {
    const VTQUILL::Block flat = b.block("Flat", {100, 200, 80, 0});
    portAt(flat, {0, 0});
    portAt(flat, {80, 0});
    ModuleEditor view(b.diagram());

    const auto features = portFeatures(blockGlyphOf(view.glyphOf(flat)).features(0, 0));

    ASSERT_EQ(features.size(), 2u);
    EXPECT_EQ(features[0].first, EditLayout::Feature::LeftPort);
    EXPECT_EQ(features[1].first, EditLayout::Feature::RightPort);
}

TEST_F(BlockGlyphFeaturesTest, WithoutAnEditorOnlyTheRectangleIsAFeature) {
    portAt(wide, {0, 17});
    GlyphTestScene view(b.diagram());

    const auto features = blockGlyphOf(view.glyphOf(wide)).features(0, 0);

    EXPECT_EQ(features.size(), 5u);
    EXPECT_TRUE(portFeatures(features).empty());
}

}  // namespace

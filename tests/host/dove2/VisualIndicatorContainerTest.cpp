#include "dove2/VisualIndicatorContainer.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "../rook2/QtTestApplication.h"
#include "../vtquill/DiagramBuilder.h"
#include "dove2/RectangleGlyph.h"
#include "rook2/ImageNode.h"
#include "rook2/Scene.h"

using DOVE2::VisualIndicatorContainer;

namespace {

class VisualIndicatorContainerTest : public ::testing::Test {
protected:
    VisualIndicatorContainerTest() {
        rook2test::qtApplication();
        block = b.block("Gain", "G", {10, 20});
        b.commit();
        glyph = PARR::Holder<DOVE2::RectangleGlyph>(new DOVE2::RectangleGlyph(block));
        glyph->setScene(&scene);
        glyph->create();
    }
    static std::string sourceOf(const PARR::Holder<ROOK2::Node>& node) {
        return dynamic_cast<const ROOK2::ImageNode&>(*node).getSource();
    }

    VTQuillTest::DiagramBuilder b;
    ROOK2::Scene scene;
    VTQUILL::Block block;
    PARR::Holder<DOVE2::RectangleGlyph> glyph;
};

// --- the glyph's container -----------------------------------------------------------------

TEST_F(VisualIndicatorContainerTest, AGlyphHasNoContainerUntilOneIsCreated) {
    EXPECT_EQ(glyph->getVisualIndicatorContainer(), nullptr);
}

TEST_F(VisualIndicatorContainerTest, AGlyphCreatesItsContainerOnlyOnce) {
    VisualIndicatorContainer& first = glyph->createVisualIndicatorContainer();

    EXPECT_EQ(&glyph->createVisualIndicatorContainer(), &first);
    EXPECT_EQ(glyph->getVisualIndicatorContainer(), &first);
}

TEST_F(VisualIndicatorContainerTest, ShowsItsIndicatorsUnderTheGlyphsRoot) {
    VisualIndicatorContainer& indicators = glyph->createVisualIndicatorContainer();

    const PARR::Holder<ROOK2::Node> icon = indicators.addIndicator("libLink", "a.png");

    EXPECT_EQ(indicators.getNode()->getParent(), glyph->getRoot().get());
    EXPECT_EQ(icon->getParent(), indicators.getNode().get());
    EXPECT_EQ(icon->getScene(), &scene);
}

// --- entries by key ------------------------------------------------------------------------

TEST_F(VisualIndicatorContainerTest, FindsIndicatorsByKey) {
    VisualIndicatorContainer& indicators = glyph->createVisualIndicatorContainer();
    indicators.addIndicator("libLink", "link.png");
    indicators.addIndicator("warning", "warn.png");

    const auto links = indicators.getIndicators("libLink");

    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(sourceOf(links.front()), "link.png");
    EXPECT_TRUE(indicators.getIndicators("other").empty());
}

TEST_F(VisualIndicatorContainerTest, RemovingAKeyLeavesTheOtherKeysAndClosesTheGap) {
    VisualIndicatorContainer& indicators = glyph->createVisualIndicatorContainer();
    const auto link = indicators.addIndicator("libLink", "link.png");
    const auto warning = indicators.addIndicator("warning", "warn.png");
    ASSERT_GT(warning->getPosition().x, link->getPosition().x);

    indicators.removeIndicator("libLink");

    EXPECT_TRUE(indicators.getIndicators("libLink").empty());
    EXPECT_TRUE(link->isRemoved());
    EXPECT_EQ(indicators.size(), 1u);
    EXPECT_DOUBLE_EQ(warning->getPosition().x, link->getPosition().x);
}

TEST_F(VisualIndicatorContainerTest, RemovingAnAbsentKeyChangesNothing) {
    VisualIndicatorContainer& indicators = glyph->createVisualIndicatorContainer();
    indicators.addIndicator("warning", "warn.png");

    indicators.removeIndicator("libLink");

    EXPECT_EQ(indicators.size(), 1u);
}

TEST_F(VisualIndicatorContainerTest, PlacesIndicatorsAboveTheRootsOrigin) {
    VisualIndicatorContainer& indicators = glyph->createVisualIndicatorContainer();

    const auto icon = indicators.addIndicator("libLink", "link.png");

    EXPECT_LE(icon->getPosition().y + VisualIndicatorContainer::kIconSize, 0.0);
}

// --- the resource folder -------------------------------------------------------------------

TEST_F(VisualIndicatorContainerTest, ReadsIconsFromTheInstallationsResourceFolder) {
    const char* previous = std::getenv("VANTOR_ROOT");
    const std::string saved = previous ? previous : "";
    setenv("VANTOR_ROOT", "/opt/vantor-test", 1);

    const std::string path = VisualIndicatorContainer::getResourcesDefaultPath();

    if (previous)
        setenv("VANTOR_ROOT", saved.c_str(), 1);
    else
        unsetenv("VANTOR_ROOT");
    EXPECT_EQ(path, "/opt/vantor-test/toolbox/shared/ferstudio/resources/");
}

}  // namespace
